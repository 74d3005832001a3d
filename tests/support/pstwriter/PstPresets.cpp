// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstPresets.h"

#include "PstWriter.h"

namespace {

// A PNG picture of one colour that every image viewer decodes: rows of RGB
// pixels behind filter byte 0, zlib-compressed, in chunks with their CRC.
QByteArray pngChunk(const char* type, const QByteArray& data)
{
    QByteArray chunk;
    const auto put32 = [&chunk](quint32 value) {
        for (int shift = 24; shift >= 0; shift -= 8)
            chunk.append(char((value >> shift) & 0xFF));
    };
    put32(quint32(data.size()));
    const QByteArray body = QByteArray(type, 4) + data;
    chunk.append(body);
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : body) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    put32(crc ^ 0xFFFFFFFFu);
    return chunk;
}

QByteArray solidPng(int width, int height, char red, char green, char blue)
{
    QByteArray header;
    for (int value : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8)
            header.append(char((value >> shift) & 0xFF));
    header.append("\x08\x02\x00\x00\x00", 5); // 8-bit RGB, no interlace
    QByteArray row(1, '\0');
    for (int x = 0; x < width; ++x)
        row.append(red).append(green).append(blue);
    // qCompress puts the length in front of the zlib stream.
    const QByteArray pixels = qCompress(row.repeated(height)).mid(4);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) + pngChunk("IDAT", pixels)
        + pngChunk("IEND", QByteArray());
}

QDateTime utc(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

PstMessage plainMail()
{
    PstMessage m;
    m.subject = QStringLiteral("Quarterly figures");
    m.body = QStringLiteral("Hello Bob,\r\nthe figures are attached.\r\nAlice");
    m.senderName = QStringLiteral("Alice Example");
    m.senderAddress = QStringLiteral("alice@example.com");
    m.recipients = {{QStringLiteral("Bob Builder"), QStringLiteral("bob@example.com"), QStringLiteral("SMTP"), PstRecipient::To},
                    {QStringLiteral("Carol Cc"), QStringLiteral("carol@example.com"), QStringLiteral("SMTP"), PstRecipient::Cc},
                    {QStringLiteral("Dave Bcc"), QStringLiteral("dave@example.com"), QStringLiteral("SMTP"), PstRecipient::Bcc}};
    m.sentTime = utc(2024, 3, 1, 9, 30, 0);
    m.deliveryTime = utc(2024, 3, 1, 9, 31, 5);
    m.creationTime = utc(2024, 3, 1, 9, 31, 6);
    m.modificationTime = utc(2024, 3, 1, 9, 32, 0);
    m.transportHeaders = QStringLiteral("Received: from mx.example.com\r\nMessage-ID: <q1@example.com>\r\nSubject: Quarterly figures\r\n\r\n");
    m.messageId = QStringLiteral("<q1@example.com>");
    m.categories = {QStringLiteral("Finance"), QStringLiteral("Important")};
    m.importance = 2;
    m.namedStrings = {{QUuid(QStringLiteral("{00020386-0000-0000-C000-000000000046}")), 0, QStringLiteral("x-mailer"),
                       QStringLiteral("Lumaroo test writer")}};
    return m;
}

PstMessage htmlMail()
{
    PstMessage m;
    m.subjectPrefix = QStringLiteral("RE: ");
    m.subject = QStringLiteral("Logo proposal");
    m.subjectMarker = true;
    m.body = QStringLiteral("See the logo below.");
    m.htmlBody = "<html><body><p>See the logo below.</p><img src=\"cid:logo1\"></body></html>";
    m.senderName = QStringLiteral("Design Team");
    m.senderAddress = QStringLiteral("design@example.com");
    m.recipients = {{QStringLiteral("Alice Example"), QStringLiteral("alice@example.com"), QStringLiteral("SMTP"), PstRecipient::To}};
    m.sentTime = utc(2024, 3, 2, 14, 0, 0);
    m.deliveryTime = utc(2024, 3, 2, 14, 0, 30);
    m.read = false;
    PstAttachment logo;
    logo.longName = QStringLiteral("company-logo.png");
    logo.shortName = QStringLiteral("COMPAN~1.PNG");
    logo.mimeType = QStringLiteral("image/png");
    logo.contentId = QStringLiteral("logo1");
    logo.data = solidPng(96, 48, 0x3a, 0x6f, 0xc4);
    PstAttachment report;
    report.longName = QStringLiteral("report.pdf");
    report.shortName = QStringLiteral("report.pdf");
    report.mimeType = QStringLiteral("application/pdf");
    report.generatedSize = 20000; // spans several blocks
    m.attachments = {logo, report};
    return m;
}

PstMessage rtfMail()
{
    PstMessage m;
    m.subject = QStringLiteral("Rich text from Exchange");
    m.body = QStringLiteral("Bold words.");
    m.rtfBody = "{\\rtf1\\ansi\\deff0 {\\fonttbl {\\f0 Arial;}} \\b Bold\\b0  words.\\par }";
    m.senderName = QStringLiteral("Eve Exchange");
    m.senderAddressType = QStringLiteral("EX");
    m.senderAddress = QStringLiteral("/O=EXAMPLE/OU=FIRST ADMINISTRATIVE GROUP/CN=RECIPIENTS/CN=EVE");
    m.senderSmtpAddress = QStringLiteral("eve@example.com");
    m.recipients = {{QStringLiteral("Alice Example"), QStringLiteral("alice@example.com"), QStringLiteral("SMTP"), PstRecipient::To}};
    m.sentTime = utc(2024, 3, 3, 8, 0, 0);
    return m;
}

PstMessage nestedMail()
{
    PstMessage inner;
    inner.subject = QStringLiteral("Innermost message");
    inner.body = QStringLiteral("Depth two.");
    inner.senderName = QStringLiteral("Frank Inner");
    inner.senderAddress = QStringLiteral("frank@example.com");
    PstAttachment innerFile;
    innerFile.longName = QStringLiteral("inner.txt");
    innerFile.shortName = QStringLiteral("inner.txt");
    innerFile.mimeType = QStringLiteral("text/plain");
    innerFile.data = "inner attachment";
    inner.attachments = {innerFile};

    PstMessage middle;
    middle.subject = QStringLiteral("Forwarded message");
    middle.body = QStringLiteral("Depth one.");
    middle.senderName = QStringLiteral("Grace Middle");
    middle.senderAddress = QStringLiteral("grace@example.com");
    PstAttachment innerAttachment;
    innerAttachment.longName = QStringLiteral("Innermost message.msg");
    innerAttachment.embedded = std::make_shared<PstMessage>(inner);
    middle.attachments = {innerAttachment};

    PstMessage outer;
    outer.subject = QStringLiteral("FW: Forwarded message");
    outer.body = QStringLiteral("Depth zero.");
    outer.senderName = QStringLiteral("Alice Example");
    outer.senderAddress = QStringLiteral("alice@example.com");
    PstAttachment middleAttachment;
    middleAttachment.longName = QStringLiteral("Forwarded message.msg");
    middleAttachment.embedded = std::make_shared<PstMessage>(middle);
    outer.attachments = {middleAttachment};
    return outer;
}

PstMessage smimeMail()
{
    PstMessage m;
    m.messageClass = QStringLiteral("IPM.Note.SMIME.MultipartSigned");
    m.subject = QStringLiteral("Signed message");
    m.body = QStringLiteral("This message is signed.");
    m.senderName = QStringLiteral("Alice Example");
    m.senderAddress = QStringLiteral("alice@example.com");
    PstAttachment signature;
    signature.longName = QStringLiteral("smime.p7m");
    signature.shortName = QStringLiteral("smime.p7m");
    signature.mimeType = QStringLiteral("multipart/signed");
    signature.data = "MIME-Version: 1.0\r\nContent-Type: multipart/signed\r\n\r\nsigned";
    m.attachments = {signature};
    return m;
}

PstMessage deliveryReport()
{
    PstMessage m;
    m.messageClass = QStringLiteral("REPORT.IPM.Note.NDR");
    m.subject = QStringLiteral("Undeliverable: Quarterly figures");
    m.body = QStringLiteral("Delivery has failed to these recipients.");
    m.reportText = QStringLiteral("The e-mail address could not be found.");
    m.reportTime = utc(2024, 3, 1, 9, 35, 0);
    m.senderName = QStringLiteral("Mail Delivery System");
    m.senderAddress = QStringLiteral("postmaster@example.com");
    return m;
}

PstMessage meetingRequest()
{
    PstMessage m;
    m.messageClass = QStringLiteral("IPM.Schedule.Meeting.Request");
    m.subject = QStringLiteral("Planning meeting");
    m.body = QStringLiteral("Let us plan the quarter.");
    m.senderName = QStringLiteral("Alice Example");
    m.senderAddress = QStringLiteral("alice@example.com");
    m.start = utc(2024, 4, 10, 10, 0, 0);
    m.end = utc(2024, 4, 10, 11, 0, 0);
    m.location = QStringLiteral("Room 101");
    return m;
}

PstMessage codePageMail(int codePage, const QString& subject, const QString& body)
{
    PstMessage m;
    m.codePage = codePage;
    m.subject = subject;
    m.body = body;
    m.senderName = QStringLiteral("Code Page %1").arg(codePage);
    m.senderAddress = QStringLiteral("cp%1@example.com").arg(codePage);
    return m;
}

PstMessage contact()
{
    PstMessage c;
    c.kind = PstMessage::Kind::Contact;
    c.subject = QStringLiteral("Helen Q. Contact");
    c.body = QStringLiteral("Met at the conference.");
    c.categories = {QStringLiteral("Customers")};
    const char* fields[][2] = {
        {"file_as", "Contact, Helen"}, {"fullname", "Contact, Helen"}, {"first_name", "Helen"},
        {"middle_name", "Quinn"}, {"surname", "Contact"}, {"display_name_prefix", "Dr."}, {"suffix", "Jr."},
        {"initials", "H.Q.C."}, {"nickname", "Hel"}, {"job_title", "Chief Engineer"}, {"company_name", "Example Ltd"},
        {"department", "Research"}, {"office_loc", "Building 4"}, {"profession", "Engineer"},
        {"assistant_name", "Ian Assistant"}, {"assistant_phone", "+1 555 0100"}, {"manager_name", "Jane Manager"},
        {"spouse_name", "Kim"}, {"business_phone", "+1 555 0101"}, {"business_phone2", "+1 555 0102"},
        {"home_phone", "+1 555 0103"}, {"home_phone2", "+1 555 0104"}, {"mobile_phone", "+1 555 0105"},
        {"car_phone", "+1 555 0106"}, {"other_phone", "+1 555 0107"}, {"pager_phone", "+1 555 0108"},
        {"primary_phone", "+1 555 0109"}, {"radio_phone", "+1 555 0110"}, {"callback_phone", "+1 555 0111"},
        {"company_main_phone", "+1 555 0112"}, {"isdn_phone", "+1 555 0113"}, {"telex", "555 0114"},
        {"ttytdd_phone", "+1 555 0115"}, {"business_fax", "+1 555 0120"}, {"home_fax", "+1 555 0121"},
        {"primary_fax", "+1 555 0122"}, {"address1", "helen@example.com"}, {"address1_desc", "Helen (Work)"},
        {"address1_transport", "SMTP"}, {"address2", "helen@home.example"}, {"address2_desc", "Helen (Home)"},
        {"address2_transport", "SMTP"}, {"address3", "hq@other.example"}, {"address3_desc", "Helen (Other)"},
        {"address3_transport", "SMTP"}, {"business_street", "1 Work Road"}, {"business_city", "Worktown"},
        {"business_state", "WS"}, {"business_postal_code", "11111"}, {"business_country", "Workland"},
        {"business_po_box", "PO 1"}, {"business_address", "1 Work Road\r\nWorktown WS 11111\r\nWorkland"},
        {"home_street", "2 Home Street"}, {"home_city", "Hometown"}, {"home_state", "HS"},
        {"home_postal_code", "22222"}, {"home_country", "Homeland"}, {"home_po_box", "PO 2"},
        {"home_address", "2 Home Street\r\nHometown HS 22222\r\nHomeland"}, {"other_street", "3 Other Way"},
        {"other_city", "Otherville"}, {"other_state", "OS"}, {"other_postal_code", "33333"},
        {"other_country", "Otherland"}, {"other_po_box", "PO 3"},
        {"other_address", "3 Other Way\r\nOtherville OS 33333\r\nOtherland"}, {"work_address_street", "1 Work Road"},
        {"work_address_city", "Worktown"}, {"work_address_state", "WS"}, {"work_address_postalcode", "11111"},
        {"work_address_country", "Workland"}, {"work_address_postofficebox", "PO 1"},
        {"def_postal_address", "1 Work Road, Worktown"}, {"business_homepage", "https://example.com"},
        {"personal_homepage", "https://helen.example"}, {"ftp_site", "ftp://example.com"},
        {"account_name", "hcontact"}, {"computer_name", "HELEN-PC"}, {"customer_id", "C-42"}, {"gov_id", "G-42"},
        {"org_id", "O-42"}, {"hobbies", "Sailing"}, {"language", "English"}, {"location", "North wing"},
        {"keyword", "vip"}, {"pref_name", "Helen"}, {"common_name", "hcontact"},
        {"transmittable_display_name", "Helen Contact"}, {"billing_information", "Invoice monthly"},
        {"mileage", "120 km"}, {"followup", "Call back"}, {"free_busy_address", "https://example.com/freebusy"}};
    for (const auto& f : fields)
        c.contact.insert(QLatin1String(f[0]), QString::fromUtf8(f[1]));
    c.birthday = QDate(1980, 5, 17);
    c.anniversary = QDate(2005, 9, 3);
    c.gender = 1;
    return c;
}

PstMessage appointment(const QString& subject, const QDateTime& start, int minutes)
{
    PstMessage a;
    a.kind = PstMessage::Kind::Appointment;
    a.subject = subject;
    a.start = start;
    a.end = start.addSecs(60 * minutes);
    return a;
}

QList<PstMessage> appointments()
{
    PstMessage review = appointment(QStringLiteral("Design review"), utc(2024, 5, 6, 13, 0), 90);
    review.location = QStringLiteral("Room 2");
    review.body = QStringLiteral("Bring the drawings.");
    review.busyStatus = 1;
    review.label = 2;
    review.reminderSet = true;
    review.reminderMinutes = 30;
    review.reminderSound = QStringLiteral("chime.wav");
    review.categories = {QStringLiteral("Projects")};

    PstMessage holiday = appointment(QStringLiteral("Public holiday"), utc(2024, 5, 20), 1440);
    holiday.allDay = true;
    holiday.busyStatus = 3;

    PstMessage daily = appointment(QStringLiteral("Daily stand-up"), utc(2024, 6, 3, 9, 0), 15);
    daily.recurrence.kind = PstRecurrence::Daily;
    daily.recurrence.count = 5;
    daily.recurrence.description = QStringLiteral("every day for 5 days");

    PstMessage weekly = appointment(QStringLiteral("Team sync"), utc(2024, 6, 3, 15, 0), 60);
    weekly.recurrence.kind = PstRecurrence::Weekly;
    weekly.recurrence.interval = 2;
    weekly.recurrence.weekDays = 0x02 | 0x08; // Monday and Wednesday
    weekly.recurrence.count = 10;
    weekly.recurrence.description = QStringLiteral("every 2 weeks on Monday and Wednesday");

    PstMessage monthly = appointment(QStringLiteral("Invoice run"), utc(2024, 6, 15, 8, 0), 30);
    monthly.recurrence.kind = PstRecurrence::Monthly;
    monthly.recurrence.dayOfMonth = 15;
    monthly.recurrence.description = QStringLiteral("day 15 of every month");

    PstMessage yearly = appointment(QStringLiteral("Anniversary"), utc(2024, 3, 7, 0, 0), 1440);
    yearly.allDay = true;
    yearly.recurrence.kind = PstRecurrence::Yearly;
    yearly.recurrence.dayOfMonth = 7;
    yearly.recurrence.monthOfYear = 3;
    yearly.recurrence.count = 3;
    yearly.recurrence.description = QStringLiteral("every March 7 for 3 years");
    return {review, holiday, daily, weekly, monthly, yearly};
}

QList<PstMessage> tasks()
{
    PstMessage t;
    t.kind = PstMessage::Kind::Task;
    t.subject = QStringLiteral("Write the report");
    t.body = QStringLiteral("Eight hours of work.");
    t.taskStatus = 1; // in progress
    t.percentComplete = 0.25;
    t.taskStart = utc(2024, 7, 1);
    t.taskDue = utc(2024, 7, 5);
    t.estimatedWorkMinutes = 480;
    t.actualWorkMinutes = 120;
    t.owner = QStringLiteral("Alice Example");

    PstMessage done = t;
    done.subject = QStringLiteral("Book the venue");
    done.body.clear();
    done.taskStatus = 2;
    done.percentComplete = 1.0;
    done.dateCompleted = utc(2024, 6, 28);
    done.complete = true;
    done.estimatedWorkMinutes = 60;
    done.actualWorkMinutes = 45;
    return {t, done};
}

QList<PstMessage> journal()
{
    PstMessage call;
    call.kind = PstMessage::Kind::Journal;
    call.subject = QStringLiteral("Call with supplier");
    call.body = QStringLiteral("Agreed on prices.");
    call.journalType = QStringLiteral("Phone call");
    call.journalTypeDescription = QStringLiteral("Phone call");
    call.start = utc(2024, 8, 1, 10, 0);
    call.end = utc(2024, 8, 1, 11, 30);
    call.durationMinutes = 90;

    PstMessage doc = call;
    doc.subject = QStringLiteral("Edited the plan");
    doc.body = QStringLiteral("Second draft.");
    doc.journalType = QStringLiteral("Document");
    doc.journalTypeDescription = QStringLiteral("Microsoft Word");
    doc.start = utc(2024, 8, 2, 14, 0);
    doc.end = utc(2024, 8, 2, 14, 20);
    doc.durationMinutes = 20;
    return {call, doc};
}

PstMessage stickyNote()
{
    PstMessage n;
    n.kind = PstMessage::Kind::StickyNote;
    n.subject = QStringLiteral("Buy milk");
    n.body = QStringLiteral("Buy milk\r\nand bread");
    n.noteColor = 3; // yellow
    return n;
}

PstFolder folder(const QString& name, const QString& containerClass, const QList<PstMessage>& messages)
{
    PstFolder f;
    f.name = name;
    f.containerClass = containerClass;
    f.messages = messages;
    return f;
}

QString bodyText(int index, int kilobytes)
{
    const QString line = QStringLiteral("Line of mail %1 with some ordinary words to fill the body.\r\n").arg(index);
    QString body;
    body.reserve(kilobytes * 1024 + line.size());
    while (body.size() < kilobytes * 1024)
        body += line;
    body.truncate(kilobytes * 1024);
    return body;
}

} // namespace

PstDescription PstPresets::allKinds()
{
    PstDescription d;
    d.storeName = QStringLiteral("All kinds");
    PstFolder inbox = folder(QStringLiteral("Inbox"), QStringLiteral("IPF.Note"),
                             {plainMail(), htmlMail(), rtfMail(), nestedMail(), smimeMail(), deliveryReport(),
                              meetingRequest(),
                              codePageMail(936, QStringLiteral("你好，世界"), QStringLiteral("中文正文")),
                              codePageMail(1252, QStringLiteral("Café crème"), QStringLiteral("Déjà vu"))});
    PstMessage archived = plainMail();
    archived.subject = QStringLiteral("Archived mail");
    inbox.folders.append(folder(QStringLiteral("Archive"), QStringLiteral("IPF.Note"), {archived}));
    d.folders = {inbox,
                 folder(QStringLiteral("Contacts"), QStringLiteral("IPF.Contact"), {contact()}),
                 folder(QStringLiteral("Calendar"), QStringLiteral("IPF.Appointment"), appointments()),
                 folder(QStringLiteral("Tasks"), QStringLiteral("IPF.Task"), tasks()),
                 folder(QStringLiteral("Journal"), QStringLiteral("IPF.Journal"), journal()),
                 folder(QStringLiteral("Notes"), QStringLiteral("IPF.StickyNote"), {stickyNote()}),
                 folder(QStringLiteral("Deleted Items"), QStringLiteral("IPF.Note"), {})};
    return d;
}

PstMessage PstPresets::mailboxMail(int index, const MailboxOptions& options)
{
    PstMessage m;
    m.subject = QStringLiteral("Mailbox message %1").arg(index);
    m.body = bodyText(index, options.bodyKb);
    m.senderName = QStringLiteral("Sender %1").arg(index % 97);
    m.senderAddress = QStringLiteral("sender%1@example.com").arg(index % 97);
    m.recipients = {{QStringLiteral("Mailbox Owner"), QStringLiteral("owner@example.com"), QStringLiteral("SMTP"), PstRecipient::To}};
    m.sentTime = QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC).addSecs(qint64(index) * 600);
    m.deliveryTime = m.sentTime.addSecs(5);
    m.read = index % 3 != 0;
    for (int k = 0; k < options.attachmentsPerMail; ++k) {
        PstAttachment a;
        a.longName = QStringLiteral("file-%1-%2.bin").arg(index).arg(k);
        a.shortName = a.longName;
        a.mimeType = QStringLiteral("application/octet-stream");
        a.generatedSize = qint64(options.attachmentKb) * 1024;
        m.attachments.append(a);
    }
    return m;
}

bool PstPresets::writeMailbox(const QString& path, const MailboxOptions& options, QString* error,
                              const std::function<void(int)>& progress)
{
    PstWriter writer;
    bool ok = writer.open(path, QStringLiteral("Mailbox"), options.permute, options.fourKPages);
    int folder = -1;
    for (int i = 0; ok && i < options.mails; ++i) {
        const bool split = options.mailsPerFolder > 0;
        if (folder < 0 || (split && i % options.mailsPerFolder == 0)) {
            const QString name = split ? QStringLiteral("Inbox %1").arg(i / options.mailsPerFolder + 1, 3, 10, QLatin1Char('0'))
                                       : QStringLiteral("Inbox");
            folder = writer.addFolder(folder < 0 ? writer.topFolder() : folder, name, QStringLiteral("IPF.Note"));
        }
        ok = writer.addMessage(folder, mailboxMail(i, options));
        if (progress)
            progress(i + 1);
    }
    ok = ok && writer.close();
    if (!ok && error)
        *error = writer.errorString();
    return ok;
}
