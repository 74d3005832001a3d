// SPDX-License-Identifier: GPL-2.0-or-later
// Files written by the test PST writer, whose every value is known, read back
// through the parser: what the item tree shows of each kind of message, of
// mails' headers, bodies and attachments, and which classes are shown.
#include "AttachedMail.h"
#include "IMVLogConfig.h"
#include "LogLines.h"
#include "PstMailItem.h"
#include "PstNoteItem.h"
#include "PstTaskItem.h"
#include "TestHome.h"
#include "WrittenPst.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kPage = QStringLiteral(
    "<html><head><meta charset='utf-8'></head><body style='font-family:\"Microsoft YaHei\",sans-serif;"
    "white-space:pre-wrap;word-wrap:break-word;'><div>%1</div></body></html>");

QString localText(const char* isoTime, const char* format = "MMM dd, yyyy 'at' hh:mm AP")
{
    return QLocale::system().toString(QDateTime::fromString(isoTime, Qt::ISODate).toLocalTime(), format);
}

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

PstAttachment attachment(const QString& name, const QByteArray& data, const QString& contentId = QString())
{
    PstAttachment result;
    result.longName = name;
    result.data = data;
    result.contentId = contentId;
    return result;
}

// A mail's value by name, as the window shows it.
QString mailField(const PstMailItem& mail, const QString& name)
{
    QStringList names;
    for (const auto& a : mail.attachments())
        names << a->name;
    const QHash<QString, std::function<QString()>> fields{
        {"subject", [&] { return mail.subject(); }}, {"sender", [&] { return mail.sender(); }},
        {"name", [&] { return mail.displayName(); }}, {"address", [&] { return mail.senderAddr(); }},
        {"shown address", [&] { return mail.formattedSenderAddr(); }}, {"to", [&] { return mail.formattedRecipients(); }},
        {"cc", [&] { return mail.formattedCc(); }}, {"bcc", [&] { return mail.formattedBcc(); }},
        {"sent", [&] { return mail.sendDate("yyyy/MM/dd hh:mm:ss"); }}, {"attachments", [&] { return names.join(','); }},
        {"body", [&] { return mail.body(); }}, {"text page", [&] { return mail.textBodyToHtml(); }},
        {"node", [&] { return QString::number(mail.fileId() == mail.pstTree()->d_id); }},
        {"properties", [&] { return QStringList(mail.properties().keys()).join(','); }}};
    return fields.contains(name) ? fields[name]() : "(no field " + name + ")";
}

} // namespace

class TestWrittenItems : public QObject
{
    Q_OBJECT
    TestHome m_home;
    QTemporaryDir m_scratch;
    std::shared_ptr<PstFolderItem> m_root;
    int m_files = 0;

    std::shared_ptr<PstFolderItem> write(const PstDescription& description)
    {
        QString error;
        m_root = WrittenPst::open(description, m_scratch.filePath(QString("written%1.pst").arg(++m_files)), &error);
        if (!m_root)
            qWarning().noquote() << error;
        return m_root;
    }

    std::shared_ptr<PstItem> writeOne(const PstMessage& message, const QString& containerClass = "IPF.Note",
                                      bool permute = false)
    {
        PstDescription description = WrittenPst::oneFolder({message}, containerClass);
        description.permute = permute;
        const auto items = write(description) ? WrittenPst::allItems(*m_root)
                                                                                    : QList<std::shared_ptr<PstItem>>();
        return items.size() == 1 ? items.first() : nullptr;
    }

    std::shared_ptr<PstMailItem> writeMail(const PstMessage& message)
    {
        return std::dynamic_pointer_cast<PstMailItem>(writeOne(message));
    }

    static QStringList logLines() { return LogLines::read(QString::fromStdString(Morvek::IMVLogConfig::CurrentLogFile())); }

private slots:
    void initTestCase() { Morvek::IMVLogConfig::InitializeLogConfig((m_home.path() + "/log/").toStdString()); }
    void init() { QFile(QString::fromStdString(Morvek::IMVLogConfig::CurrentLogFile())).resize(0); }

    void kindsReadBack_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("containerClass");
        // One line: only the first line is compared. "*" at the end: any non-empty rest.
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("contact") << QByteArray(R"x({"kind": "contact", "subject": "Grace Hopper", "body": "Met at the conference.",
            "contact": {"first_name": "Grace", "surname": "Hopper", "job_title": "Rear Admiral", "company_name": "US Navy",
            "department": "Computing", "business_phone": "+1 555 0100", "home_phone": "+1 555 0101",
            "mobile_phone": "+1 555 0102", "other_phone": "+1 555 0103", "callback_phone": "+1 555 0104",
            "car_phone": "+1 555 0105", "address1": "grace@navy.example", "address2": "gh@home.example",
            "address3": "hopper@cobol.example", "primary_fax": "+1 555 0110", "home_fax": "+1 555 0111",
            "business_fax": "+1 555 0112", "home_address": "1 Home Road\r\nArlington",
            "business_address": "2 Navy Yard\r\nWashington", "other_address": "3 Other Street",
            "work_address_street": "Not shown"}})x") << "IPF.Contact" << QStringList{
            "contact|:/img/contact@3x.png|Grace Hopper|grace@navy.example|",
            "Contact Name: First Name=Grace | Last Name=Hopper",
            "Professional Information: Title=Rear Admiral | Company=US Navy | Department=Computing",
            "Phone Numbers: Business=+1 555 0100 | Home=+1 555 0101 | Mobile=+1 555 0102 | Other=+1 555 0103"
            " | Callback=+1 555 0104 | Car=+1 555 0105",
            "Email Addresses: Email 1=grace@navy.example | Email 2=gh@home.example | Email 3=hopper@cobol.example",
            "Fax: Fax (Primary)=+1 555 0110 | Fax (Home)=+1 555 0111 | Fax (Business)=+1 555 0112",
            "Addresses: Home Address=1 Home Road\r\nArlington | Business Address=2 Navy Yard\r\nWashington"
            " | Other Address=3 Other Street",
            "Notes: =Met at the conference."};
        // libpst gives a record a contact part only when it has a contact value.
        QTest::newRow("contact without shown values") << QByteArray(R"x({"kind": "contact", "contact": {"nickname": "Nobody"}})x")
            << "IPF.Contact" << QStringList{"contact|:/img/contact@3x.png|Empty name||",
            "Contact Name: First Name= | Last Name=", "Professional Information: Title= | Company= | Department=",
            "Phone Numbers: Business= | Home= | Mobile= | Other= | Callback= | Car=",
            "Email Addresses: Email 1= | Email 2= | Email 3=", "Fax: Fax (Primary)= | Fax (Home)= | Fax (Business)=",
            "Addresses: Home Address= | Business Address= | Other Address=", "Notes: ="};
        QTest::newRow("contact without names") << QByteArray(R"x({"kind": "contact", "subject": "Someone",
            "contact": {"address1": "nobody@example.org"}})x") << "IPF.Contact"
            << QStringList{"contact|:/img/contact@3x.png|Empty name|nobody@example.org|"};
        QTest::newRow("contact surname only") << QByteArray(R"x({"kind": "contact", "contact": {"surname": "Smith"}})x")
            << "IPF.Contact" << QStringList{"contact|:/img/contact@3x.png| Smith||"};
        QTest::newRow("contact first name only") << QByteArray(R"x({"kind": "contact", "contact": {"first_name": "Anna"}})x")
            << "IPF.Contact" << QStringList{"contact|:/img/contact@3x.png|Anna ||"};
        QTest::newRow("appointment") << QByteArray(R"x({"kind": "appointment", "subject": "Design review", "location": "Room 4",
            "body": "Bring the drawings.", "start": "2024-03-01T10:00:00Z", "end": "2024-03-01T11:30:00Z",
            "recurrence": {"kind": "weekly", "weekDays": 32, "description": "every Friday from 10:00 to 11:30"}})x")
            << "IPF.Appointment" << QStringList{"appointment|:/img/calendar@3x.png|Design review|Design review|1h 30m",
            "Appointment Details: Subject=Design review | Start Date=" + localText("2024-03-01T10:00:00Z")
                + " | End Date=" + localText("2024-03-01T11:30:00Z") + " | Location=Room 4",
            "Recurrence Details: Recurrence Pattern=*", "Notes: =Bring the drawings."};
        QTest::newRow("appointment without times") << QByteArray(R"x({"kind": "appointment"})x") << "IPF.Appointment"
            << QStringList{"appointment|:/img/calendar@3x.png|||0m", "Appointment Details: Subject= | Start Date= | End Date= | Location=",
            "Recurrence Details: Recurrence Pattern=", "Notes: ="};
        QTest::newRow("task") << QByteArray(R"x({"kind": "task", "subject": "Write the report", "body": "Chapters 1 to 3.",
            "owner": "Barbara Liskov", "taskStatus": 3, "percentComplete": 0.5, "taskStart": "2024-02-01T09:00:00Z",
            "taskDue": "2024-02-09T17:00:00Z", "actualWorkMinutes": 0, "estimatedWorkMinutes": 480, "complete": true})x")
            << "IPF.Task" << QStringList{"task|:/img/task@3x.png|Write the report|Write the report|", "completed 1, progress 50",
            "Task Schedule: Start Date=" + localText("2024-02-01T09:00:00Z") + " | Due Date=" + localText("2024-02-09T17:00:00Z"),
            "Task Status: Owner=Barbara Liskov | Status=waiting on someone else | Estimated work=1 day"
            " | Actual work=0 hours | Progress=50 % completed", "Notes: =Chapters 1 to 3."};
        QTest::newRow("task progress truncated") << QByteArray(R"x({"kind": "task", "subject": "Progress", "percentComplete": 0.29})x")
            << "IPF.Task" << QStringList{"task|:/img/task@3x.png|Progress|Progress|", "completed 0, progress 28",
            "Task Schedule: Start Date= | Due Date=",
            "Task Status: Owner= | Status=not started | Estimated work=0 hours | Actual work=0 hours | Progress=28 % completed",
            "Notes: ="};
        QTest::newRow("sticky note") << QByteArray(R"x({"kind": "note", "subject": "Buy milk", "body": "Buy milk\r\nand bread",
            "creationTime": "2024-01-02T03:04:00Z", "modificationTime": "2024-01-05T06:07:00Z"})x") << "IPF.StickyNote"
            << QStringList{"note|:/img/notepaper@3x.png|Buy milk|Buy milk|", "created " + localText("2024-01-02T03:04:00Z")
            + ", modified " + localText("2024-01-05T06:07:00Z")};
        // A class that continues the sticky note's class is still a sticky note.
        QTest::newRow("sticky note of a longer class") << QByteArray(R"x({"kind": "note", "messageClass": "IPM.StickyNote.Custom"})x")
            << "IPF.StickyNote" << QStringList{"note|:/img/notepaper@3x.png|||", "created , modified "};
        QTest::newRow("journal") << QByteArray(R"x({"kind": "journal", "subject": "Call with the supplier",
            "body": "Prices go up in May.", "journalType": "Phone call", "journalTypeDescription": "Phone call (described)",
            "start": "2024-04-02T14:00:00Z", "end": "2024-04-02T15:30:00Z", "durationMinutes": 90})x") << "IPF.Journal"
            << QStringList{"journal|:/img/diary@3x.png|Call with the supplier|Call with the supplier|1 h 30 m", "type Phone call",
            "Journal Entry: Subject=Call with the supplier | Type=Phone call (described) | Start Date="
                + localText("2024-04-02T14:00:00Z") + " | End Date=" + localText("2024-04-02T15:30:00Z") + " | Duration=1 h 30 m",
            "Notes: =Prices go up in May."};
    }

    void kindsReadBack()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, containerClass);
        QFETCH(QStringList, shown);
        // The encoding most real files use, read by the program's own property reader.
        const auto item = writeOne(WrittenPst::message(json), containerClass, true);
        QVERIFY(item);
        QStringList lines = WrittenPst::describe(*item);
        if (shown.size() == 1)
            lines = lines.mid(0, 1);
        for (qsizetype i = 0; i < qMin(lines.size(), shown.size()); ++i) {
            if (shown[i].endsWith('*') && lines[i].startsWith(shown[i].chopped(1)) && lines[i].size() >= shown[i].size())
                shown[i] = lines[i];
        }
        QCOMPARE(lines, shown);
    }

    // A task record whose node cannot be read again, without a file or in
    // a file whose index knows no such node: only its own texts are known.
    void taskWithoutReadableNodeKeepsItsTexts()
    {
        QVERIFY(writeOne(WrittenPst::message(R"x({"kind": "task", "owner": "Nobody"})x"), "IPF.Task"));
        char subject[] = "Orphan task";
        pst_item record{};
        record.type = PST_TYPE_TASK;
        record.subject = pst_string{1, subject};
        record.body = pst_string{1, subject};
        pst_desc_tree node{};
        node.d_id = 0x200024;
        for (pst_file* file : {static_cast<pst_file*>(nullptr), m_root->pstFile().get()}) {
            record.pf = file;
            const auto task = PstTaskItem::creteFromPstItem(&node, &record);
            QVERIFY(task);
            QCOMPARE(task->properties().keys(), (QList<QString>{"note", "subject"}));
            QCOMPARE(WrittenPst::describe(*task).at(1), QStringLiteral("completed 0, progress 0"));
            QCOMPARE(task->status(), QStringLiteral("not started"));
        }
    }

    void mailFields_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("codePage");
        // "field=value" each; fields as mailField() names them.
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("header") << QByteArray(R"x({"subject": "Quarterly figures", "subjectPrefix": "RE: ",
            "senderName": "Ada Lovelace", "senderAddress": "ada@example.org", "sentTime": "2023-04-05T06:07:08Z",
            "deliveryTime": "2023-04-05T06:09:00Z", "displayTo": "Bob; Carol", "displayCc": "Dave", "displayBcc": "Eve"})x")
            << 0 << QStringList{"subject=Quarterly figures", "name=Ada Lovelace", "shown address=&lt;ada@example.org&gt;",
                                "to=To: Bob; Carol", "cc=Cc: Dave", "bcc=Bcc: Eve", "attachments=", "node=1",
                                "sent=" + localText("2023-04-05T06:07:08Z", "yyyy/MM/dd hh:mm:ss"),
                                "properties=arrivalDate,bcc,cc,recipients,sender,senderAddr,sentDate,subject"};
        QTest::newRow("unsent") << QByteArray(R"x({"subject": "Draft"})x") << 0 << QStringList{"sent=No sent date"};
        QTest::newRow("sent at 1970") << QByteArray(R"x({"subject": "Epoch", "sentTime": "1970-01-01T00:00:00Z"})x") << 0
                                      << QStringList{"sent=No sent date"};
        QTest::newRow("plain body escaped into the page") << QByteArray("{\"body\": \"a < b & \\\"c\\\" > d\\r\\nsecond line\\n\"}")
            << 0 << QStringList{"body=" + kPage.arg("a &lt; b &amp; &quot;c&quot; &gt; d\r\nsecond line\n"),
                                "text page=" + kPage.arg("a &lt; b &amp; &quot;c&quot; &gt; d\r\nsecond line\n")};
        // Sender addresses are plain: no type prefix, no Exchange directory name.
        for (const auto& [type, address, smtp, shown] : QList<std::tuple<QString, QString, QString, QString>>{
                 {"SMTP", "ada@example.org", "", "ada@example.org"}, {"SMTP", "SMTP:ada@example.org", "", "ada@example.org"},
                 {"EX", "/O=EXAMPLE/OU=FIRST/CN=RECIPIENTS/CN=EVE", "eve@example.com", "eve@example.com"},
                 {"EX", "/O=EXAMPLE/OU=FIRST/CN=RECIPIENTS/CN=EVE", "", ""}})
            QTest::addRow("sender %s %s", qPrintable(type), qPrintable(address + smtp))
                << QStringLiteral(R"x({"senderName": "S", "senderAddressType": "%1", "senderAddress": "%2", "senderSmtpAddress": "%3"})x")
                       .arg(type, address, smtp).toUtf8() << 0 << QStringList{"address=" + shown};
        // 8-bit texts in the code page the record declares.
        for (const auto& [codePage, text] : QList<QPair<int, QString>>{{936, "季度报告：销售额"}, {932, "会議の議事録"},
                 {1252, "Caf\u00e9 \u201cM\u00fcller\u201d \u2013 r\u00e9sum\u00e9"}})
            QTest::addRow("code page %d", codePage) << QStringLiteral(R"x({"subject": "%1", "senderName": "%1 sender",
                "body": "%1 body", "attachments": [{"longName": "%1.txt", "data": "x"}]})x").arg(text).toUtf8() << codePage
                << QStringList{"subject=" + text, "sender=" + text + " sender", "attachments=" + text + ".txt",
                               "body=" + kPage.arg(text + " body")};
    }

    void mailFields()
    {
        QFETCH(QByteArray, json);
        QFETCH(int, codePage);
        QFETCH(QStringList, fields);
        PstMessage message = WrittenPst::message(json);
        message.codePage = codePage;
        const auto mail = writeMail(message);
        QVERIFY(mail);
        for (const QString& field : fields)
            QCOMPARE(field.section('=', 0, 0) + '=' + mailField(*mail, field.section('=', 0, 0)), field);
    }

    void bodiesAreReadWhenShownAndCached()
    {
        PstMessage message = WrittenPst::message(R"x({"subject": "Big", "body": "plain version"})x");
        message.htmlBody = "<html><body><p>Gr\xC3\xBC\xC3\x9F" "e</p>" + QByteArray(20000, 'y') + "</body></html>";
        const auto item = writeMail(message);
        QVERIFY(item);
        for (const QVariant& value : item->properties())
            QVERIFY(value.toString().size() < 1000);
        QCOMPARE(item->body(), QString::fromUtf8(message.htmlBody));
        m_root->setPstFile(nullptr); // a second call answers from the cache
        QCOMPARE(item->body(), QString::fromUtf8(message.htmlBody));
    }

    void inlineImagesBecomeDataUrls_data()
    {
        QTest::addColumn<int>("repeats");
        QTest::addColumn<int>("pictureSize");
        QTest::addColumn<bool>("inlined");
        QTest::newRow("a picture twice") << 2 << 3000 << true;
        // A mail may repeat one small picture thousands of times (a separator, a bullet).
        QTest::newRow("a small picture 5000 times") << 5000 << 40 << true;
        // Sixty links to 1 MB would make a page of 80 million characters.
        QTest::newRow("a large picture 60 times") << 60 << 1024 * 1024 << false;
    }

    void inlineImagesBecomeDataUrls()
    {
        QFETCH(int, repeats);
        QFETCH(int, pictureSize);
        QFETCH(bool, inlined);
        const QByteArray picture = randomBytes(pictureSize, quint32(repeats));
        const QByteArray small = randomBytes(64, 9);
        QByteArray html = "<html><body>";
        for (int i = 0; i < repeats; ++i)
            html += "<img src=\"cid:pic\"><img width=1 src=\"cid:none" + QByteArray::number(i % 50) + "\">";
        html += "<img src=\"cid:doc\"><img src=\"cid:small\"></body></html>";
        PstMessage message = WrittenPst::message(R"x({"subject": "Inline"})x");
        message.htmlBody = html;
        message.attachments = {attachment("report.pdf", randomBytes(500, 2), "doc"), attachment("Pic.PNG", picture, "pic"),
                               attachment("small.gif", small, "small")};
        const auto item = writeMail(message);
        QVERIFY(item);
        const QString body = item->body();
        const QString dataUrl = QStringLiteral("src=\"data:image/png;base64,%1\"").arg(QString::fromLatin1(picture.toBase64()));
        QCOMPARE(body.count(dataUrl), inlined ? repeats : 0);
        QCOMPARE(body.count("<img src=\"cid:pic\">"), inlined ? 0 : repeats);
        QCOMPARE(body.count("src=\"cid:none"), repeats);
        QVERIFY(body.contains("<img src=\"cid:doc\">"));
        QVERIFY(body.contains(QStringLiteral("src=\"data:image/gif;base64,%1\"").arg(QString::fromLatin1(small.toBase64()))));
        QVERIFY(body.size() < 1024 * 1024 || inlined);
    }

    void attachmentsSaveTheStoredBytes()
    {
        // Small contents lie in the attachment's own record, large ones in
        // blocks of their own; libpst lists a mail's attachments last first.
        const QByteArray small1 = randomBytes(100, 3), small2 = randomBytes(120, 4), large = randomBytes(300000, 5);
        PstAttachment nameless, shortOnly = attachment(QString(), small2);
        shortOnly.shortName = QStringLiteral("SHORT~1.TXT");
        PstMessage message = WrittenPst::message(R"x({"subject": "Files"})x");
        message.attachments = {nameless, attachment("a.bin", small1), nameless, shortOnly, nameless, attachment("c.bin", large)};
        const auto item = writeMail(message);
        QVERIFY(item);
        QCOMPARE(mailField(*item, "attachments"), QStringLiteral("c.bin,SHORT~1.TXT,a.bin"));
        QVERIFY(item->hasAttachment());
        const QList<QByteArray> expected{large, small2, small1};
        for (int i = 0; i < expected.size(); ++i) {
            const auto stored = item->attachments().at(i);
            const QString target = m_scratch.filePath("saved-" + stored->name);
            QVERIFY(item->saveAttachment(stored, target));
            QFile saved(target);
            QVERIFY(saved.open(QIODevice::ReadOnly));
            QVERIFY2(saved.readAll() == expected[i], qPrintable(stored->name + " differs"));
            QVERIFY(stored->data.isEmpty()); // saving keeps no contents in memory
        }
        QCOMPARE(logLines().filter("Attachment").count("INFO Attachment saved successfully."), 3);

        // A folder no one can create files in, root included: one below a file.
        QVERIFY(QFile(m_scratch.filePath("plain-file")).open(QIODevice::WriteOnly));
        const QString target = m_scratch.filePath("plain-file/c.bin");
        QVERIFY(!item->saveAttachment(item->attachments().first(), target));
        QCOMPARE(logLines().filter("Attachment").last(), QStringLiteral("WARN Attachment save failed."));
        QVERIFY(!QFile::exists(target));
    }

    void cloneSharesAttachmentsAndTheLock()
    {
        PstMessage message = WrittenPst::message(R"x({"subject": "Cloned", "body": "text"})x");
        message.attachments = {attachment("a.txt", "a")};
        const auto item = writeMail(message);
        QVERIFY(item && item->pstLock());
        const auto rootClone = std::static_pointer_cast<PstFolderItem>(m_root->clone());
        const auto copy = std::dynamic_pointer_cast<PstMailItem>(WrittenPst::allItems(*rootClone).value(0));
        QVERIFY(copy);
        QCOMPARE(copy->attachments().first().get(), item->attachments().first().get());
        QCOMPARE(copy->properties(), item->properties());
        QCOMPARE(copy->pstLock(), item->pstLock());
        m_root.reset();
        QCOMPARE(copy->body(), kPage.arg("text"));
    }

    // Checked by Python's email package, an independent reader.
    void attachedMailOpensAndSavesAsEml()
    {
        const auto outer = writeMail(WrittenPst::message(R"x({"subject": "Fwd: figures", "body": "See attached.",
            "attachments": [{"message": {"subject": "Quarterly figures", "body": "The inner body.", "senderName": "Grace",
            "senderAddress": "grace@example.org", "attachments": [{"longName": "note.txt", "data": "inner"}]}}]})x"));
        QVERIFY(outer);
        QCOMPARE(outer->attachments().size(), 1);
        QVERIFY(outer->attachments().first()->embedded);
        const auto attached = AttachedMail::open(outer, *outer->attachments().first());
        QVERIFY(attached);
        QCOMPARE(attached->senderAddr(), QStringLiteral("grace@example.org"));
        QVERIFY(attached->body().contains("The inner body."));
        QCOMPARE(attached->rootNode(), m_root);
        const QString eml = m_scratch.filePath(AttachedMail::fileName(*attached));
        QVERIFY(AttachedMail::saveAsEml(attached, eml));
        QProcess python;
        python.start("python3", {"-c", "import email, email.policy, sys\n"
            "m = email.message_from_binary_file(open(sys.argv[1], 'rb'), policy=email.policy.default)\n"
            "print(m['subject'])\nprint(m.get_body(('plain',)).get_content().strip())\n"
            "print(','.join(p.get_filename() for p in m.iter_attachments()))\n", eml});
        QVERIFY(python.waitForFinished(30000));
        QCOMPARE(python.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(python.readAllStandardOutput()), QStringLiteral("Quarterly figures\nThe inner body.\nnote.txt\n"));
    }

    // Shown as their kind or counted with their class. The contact carries an
    // entry of id 0 and type 0, which libpst ignores: not damage.
    void everyClassIsShownOrCounted()
    {
        QList<PstMessage> messages;
        for (const char* json : {R"x({"messageClass": "IPM.Note.SMIME", "subject": "signed"})x",
                                 R"x({"messageClass": "IPM.Schedule.Meeting.Request", "subject": "meeting"})x",
                                 R"x({"messageClass": "REPORT.IPM.Note.NDR", "subject": "bounce"})x",
                                 R"x({"messageClass": "IPM.Post", "subject": "post"})x",
                                 R"x({"kind": "task", "messageClass": "IPM.TaskRequest", "subject": "request"})x",
                                 R"x({"kind": "contact", "contact": {"first_name": "Ada", "surname": "Byron"}})x",
                                 R"x({"messageClass": "IPM.Notes", "subject": "unknown one"})x",
                                 R"x({"messageClass": "IPM.Sharing.Invite.Custom", "subject": "sharing"})x",
                                 R"x({"messageClass": "Private.Thing", "subject": "unknown two"})x"})
            messages << WrittenPst::message(json);
        messages[5].rawEntries = {{0x0000, 0x0000}, {0x6FF0, 0x0000}};
        QVERIFY(write(WrittenPst::oneFolder(messages)));
        QStringList shown;
        for (const auto& item : WrittenPst::allItems(*m_root))
            shown << WrittenPst::describe(*item).first().section('|', 0, 0) + ':' + (item->type() == Mail ? item->subject() : item->displayName());
        QCOMPARE(shown, (QStringList{"mail:signed", "mail:meeting", "mail:bounce", "mail:post", "task:request",
                                     "contact:Ada Byron", "mail:sharing"}));
        QStringList unshown;
        for (const ParseLosses::Item& item : m_root->losses()->unshown)
            unshown << item.messageClass + " in " + (item.folder.lock() ? item.folder.lock()->displayName() : "?");
        QCOMPARE(unshown, (QStringList{"IPM.Notes in Items", "Private.Thing in Items"}));
        QCOMPARE(m_root->losses()->damaged.size(), 0);
    }

    // Names stored as 8-bit Shift-JIS, as an ANSI file of a Japanese Outlook
    // keeps them; the messages declare 932, one stray message 1251.
    void folderNamesUseTheCodePageTheMessagesDeclare()
    {
        PstFolder top;
        top.name = QStringLiteral("Outlook データ ファイルのトップ");
        top.nameCodePage = 932;
        for (const auto& [codePage, subject] : QList<QPair<int, QString>>{{932, "一"}, {1251, "Привет"}, {932, "二"}}) {
            top.messages << WrittenPst::message(QStringLiteral(R"x({"subject": "%1", "senderName": "差出人"})x").arg(subject).toUtf8());
            top.messages.last().codePage = codePage;
        }
        PstFolder inbox;
        inbox.name = QStringLiteral("受信トレイ");
        inbox.nameCodePage = 932;
        top.folders = {inbox};
        PstDescription description;
        description.folders = {top};
        QVERIFY(write(description));
        QVERIFY(WrittenPst::folderNamed(*m_root, top.name));
        QVERIFY(WrittenPst::folderNamed(*m_root, inbox.name));
    }
};

QTEST_GUILESS_MAIN(TestWrittenItems)
#include "tst_WrittenItems.moc"
