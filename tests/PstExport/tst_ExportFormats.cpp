// SPDX-License-Identifier: GPL-2.0-or-later
// What the five exporters write, read back with independent parsers (Python's
// email package, icalendar, vobject): one PST made by the test writer with
// every kind of item, converted in all formats.

#include "ExportFixture.h"
#include "ExportManager.h"
#include "ExportToVcf.h"
#include "IMVLogConfig.h"
#include "TestHome.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>

using namespace ExportFixture;

namespace {

const QDateTime kStart(QDate(2024, 2, 1), QTime(10, 0), Qt::UTC);
const QDateTime kEnd(QDate(2024, 2, 1), QTime(11, 30), Qt::UTC);

QByteArray binaryData(int size)
{
    QByteArray data(size, '\0');
    for (int i = 0; i < size; ++i)
        data[i] = char((i * 7 + i / 13) & 0xFF);
    return data;
}

PstAttachment attachment(const QString& name, const QByteArray& data, const QString& mimeType = QString())
{
    PstAttachment a;
    a.longName = name;
    a.data = data;
    a.mimeType = mimeType;
    return a;
}

const QString kUnicodeSubject = QString::fromUtf8("Grüße aus Köln ✓ 日本");
const QString kBinaryName = QString::fromUtf8("résumé données.bin");
const QString kTextName = QString::fromUtf8("日本語メモ.txt");
const QByteArray kRtf = "{\\rtf1\\ansi\\deff0 {\\fonttbl {\\f0 Arial;}} Hello \\b RTF\\b0 body.}";

PstDescription everyKind()
{
    PstMessage greeting = mail(kUnicodeSubject, QString::fromUtf8("Hallo äöü,\nzweite Zeile.\n"));
    greeting.htmlBody = "<html><body><p>Hallo &auml;</p></body></html>";
    greeting.attachments = {attachment(kBinaryName, binaryData(5000), "application/octet-stream"),
                            attachment(kTextName, QString::fromUtf8("テキスト\n").toUtf8(), "text/plain")};

    PstMessage rich = mail(QStringLiteral("Rich text"), QStringLiteral("Plain twin of the RTF."));
    rich.rtfBody = kRtf;

    PstMessage inner = mail(QStringLiteral("Inner"), QStringLiteral("Deepest body."));
    inner.attachments = {attachment(QStringLiteral("deep.bin"), binaryData(700))};
    PstMessage middle = mail(QStringLiteral("Middle"), QStringLiteral("Middle body."));
    PstAttachment innerAttachment;
    innerAttachment.longName = QStringLiteral("Inner");
    innerAttachment.embedded = std::make_shared<PstMessage>(inner);
    middle.attachments = {innerAttachment};
    PstMessage outer = mail(QStringLiteral("Outer"), QStringLiteral("Outer body."));
    PstAttachment middleAttachment;
    middleAttachment.longName = QStringLiteral("Middle");
    middleAttachment.embedded = std::make_shared<PstMessage>(middle);
    outer.attachments = {middleAttachment};

    PstMessage request = mail(QStringLiteral("Planning"), QStringLiteral("Let us plan."));
    request.messageClass = QStringLiteral("IPM.Schedule.Meeting.Request");
    request.start = kStart;
    request.end = kEnd;
    request.location = QStringLiteral("Room 1");
    // The folder tree lists mails of class IPM.Note only; a meeting request
    // reaches a file as an attached mail.
    PstMessage forward = mail(QStringLiteral("Invitation"), QStringLiteral("See the request."));
    PstAttachment requestAttachment;
    requestAttachment.longName = QStringLiteral("Planning");
    requestAttachment.embedded = std::make_shared<PstMessage>(request);
    forward.attachments = {requestAttachment};

    PstMessage contact = message(PstMessage::Kind::Contact, QStringLiteral("Ann Example"));
    contact.contact = {{"fullname", "Ann Example"}, {"first_name", "Ann"}, {"surname", "Example"},
                       {"address1", "ann@example.org"}, {"business_phone", "+1 555 0100"}};

    PstMessage appointment = message(PstMessage::Kind::Appointment, QStringLiteral("Review"));
    appointment.start = kStart;
    appointment.end = kEnd;
    appointment.location = QStringLiteral("Room 2");

    PstMessage journal = message(PstMessage::Kind::Journal, QStringLiteral("Call with Bob"));
    journal.start = kStart;
    journal.end = kEnd;
    journal.journalType = QStringLiteral("Phone call");
    journal.body = QStringLiteral("Talked about the plan.");

    PstMessage note = message(PstMessage::Kind::StickyNote, QStringLiteral("Shopping"));
    note.body = QStringLiteral("Milk\nBread");

    return description({
        folder("Inbox", "IPF.Note", {greeting, rich, outer, forward}),
        folder("Contacts", "IPF.Contact", {contact}),
        folder("Calendar", "IPF.Appointment", {appointment}),
        folder("Journal", "IPF.Journal", {journal}),
        folder("Notes", "IPF.StickyNote", {note}),
    });
}

// The file of the checker's result whose path ends in `tail`.
QJsonObject fileEndingWith(const QJsonObject& check, const QString& tail)
{
    const QJsonObject files = check.value("files").toObject();
    for (auto it = files.begin(); it != files.end(); ++it) {
        if (it.key().endsWith(tail))
            return it.value().toObject();
    }
    return {};
}

QJsonObject partNamed(const QJsonObject& mail, const QString& fileName)
{
    for (const auto& part : mail.value("parts").toArray()) {
        if (part.toObject().value("filename").toString() == fileName)
            return part.toObject();
    }
    return {};
}

QJsonObject partOfType(const QJsonObject& mail, const QString& type)
{
    for (const auto& part : mail.value("parts").toArray()) {
        if (part.toObject().value("type").toString() == type)
            return part.toObject();
    }
    return {};
}

QByteArray partData(const QJsonObject& part)
{
    return QByteArray::fromBase64(part.value("data").toString().toLatin1());
}

QString first(const QJsonObject& properties, const QString& name)
{
    return properties.value(name).toArray().first().toString();
}

QJsonObject component(const QJsonObject& calendar, const QString& name)
{
    for (const auto& c : calendar.value("components").toArray()) {
        if (c.toObject().value("name").toString() == name)
            return c.toObject().value("properties").toObject();
    }
    return {};
}

} // namespace

class TestExportFormats : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        Morvek::IMVLogConfig::InitializeLogConfig((m_home.path() + "/log/").toStdString());
        m_root = writeAndOpen(everyKind(), m_dir.filePath("every-kind.pst"));
        QVERIFY(m_root);
        m_out = m_dir.filePath("out");
        m_run = runExport(m_root, m_out, ExportManager::defaultFormats());
        QCOMPARE(m_run.completions, 1);
        m_check = checkTree(m_out);
        QVERIFY2(!m_check.contains("error"), qPrintable(m_check.value("error").toString()));
    }

    void everyItemGivesOneFileTheParsersAccept()
    {
        QCOMPARE(m_run.errors, (QMap<QString, int>{{"eml", 0}, {"vcf", 0}, {"ics", 0}, {"txt", 0}, {"ics2", 0}, {"tasks", 0},
                                                   {"mbox", 0}, {"maildir", 0}}));
        QCOMPARE(m_run.totals, (QMap<QString, int>{{"Emails", 4}, {"Contacts", 1}, {"Appointment", 1},
                                                   {"Note", 1}, {"Journal", 1}, {"Tasks", 0}}));
        const QJsonObject errors = m_check.value("errors").toObject();
        QVERIFY2(errors.isEmpty(), QJsonDocument(errors).toJson().constData());
        QCOMPARE(m_check.value("files").toObject().size(), 8);
    }

    void mailHeadersBodyAndAttachmentsRoundTrip()
    {
        const QJsonObject greeting = fileEndingWith(m_check, "/Inbox/" + kUnicodeSubject + ".eml");
        QVERIFY2(!greeting.isEmpty(), qPrintable(m_check.value("files").toObject().keys().join('\n')));
        QCOMPARE(greeting.value("subject").toString(), kUnicodeSubject);
        QVERIFY(greeting.value("from").toString().contains("ann@example.org"));
        QCOMPARE(greeting.value("defects").toArray().size(), 0);
        QVERIFY(partOfType(greeting, "text/plain").value("text").toString().contains(QString::fromUtf8("Hallo äöü")));
        QVERIFY(partOfType(greeting, "text/html").value("text").toString().contains("Hallo"));
        QCOMPARE(partData(partNamed(greeting, kBinaryName)), binaryData(5000));
        QCOMPARE(partData(partNamed(greeting, kTextName)), QString::fromUtf8("テキスト\n").toUtf8());
    }

    void compressedRtfBodyBecomesAnAttachment()
    {
        const QJsonObject rich = fileEndingWith(m_check, "/Inbox/Rich text.eml");
        QVERIFY(!rich.isEmpty());
        QCOMPARE(partData(partNamed(rich, "rtf-body.rtf")), kRtf);
    }

    void mailsAttachedTwiceNestAsMessages()
    {
        const QJsonObject outer = fileEndingWith(m_check, "/Inbox/Outer.eml");
        QVERIFY(!outer.isEmpty());
        const QJsonArray middle = outer.value("messages").toArray();
        QCOMPARE(middle.size(), 1);
        QCOMPARE(middle.first().toObject().value("subject").toString(), QStringLiteral("Middle"));
        const QJsonArray inner = middle.first().toObject().value("messages").toArray();
        QCOMPARE(inner.size(), 1);
        QCOMPARE(inner.first().toObject().value("subject").toString(), QStringLiteral("Inner"));
        QCOMPARE(partData(partNamed(inner.first().toObject(), "deep.bin")), binaryData(700));
    }

    void meetingRequestCarriesItsCalendar()
    {
        const QJsonObject forward = fileEndingWith(m_check, "/Inbox/Invitation.eml");
        QVERIFY(!forward.isEmpty());
        QCOMPARE(forward.value("messages").toArray().size(), 1);
        const QJsonObject request = forward.value("messages").toArray().first().toObject();
        QCOMPARE(request.value("subject").toString(), QStringLiteral("Planning"));
        const QString calendar = partOfType(request, "text/calendar").value("text").toString();
        QVERIFY2(calendar.contains("METHOD:REQUEST"), qPrintable(calendar));
        // The embedded calendar parses on its own too.
        QTemporaryDir dir;
        QFile ics(dir.filePath("request.ics"));
        QVERIFY(ics.open(QIODevice::WriteOnly));
        ics.write(calendar.toUtf8());
        ics.close();
        const QJsonObject check = checkTree(dir.path());
        QVERIFY2(check.value("errors").toObject().isEmpty(), QJsonDocument(check).toJson().constData());
        const QJsonObject event = component(check.value("files").toObject().value("request.ics").toObject(), "VEVENT");
        QCOMPARE(first(event, "LOCATION"), QStringLiteral("Room 1"));
        QCOMPARE(first(event, "DTSTART"), QStringLiteral("2024-02-01T10:00:00+00:00"));
    }

    void contactReadsBackAsVCard()
    {
        const QJsonObject vcf = fileEndingWith(m_check, "/Contacts/Ann Example.vcf");
        QVERIFY2(!vcf.isEmpty(), qPrintable(m_check.value("files").toObject().keys().join('\n')));
        const QJsonObject card = vcf.value("cards").toArray().first().toObject();
        QCOMPARE(first(card, "FN"), QStringLiteral("Ann Example"));
        QCOMPARE(first(card, "EMAIL"), QStringLiteral("ann@example.org"));
        QCOMPARE(first(card, "TEL"), QStringLiteral("+1 555 0100"));
    }

    void appointmentAndJournalReadBackAsICalendar()
    {
        const QJsonObject appointment = fileEndingWith(m_check, "/Calendar/Review.ics");
        QVERIFY2(!appointment.isEmpty(), qPrintable(m_check.value("files").toObject().keys().join('\n')));
        const QJsonObject event = component(appointment, "VEVENT");
        QCOMPARE(first(event, "SUMMARY"), QStringLiteral("Review"));
        QCOMPARE(first(event, "LOCATION"), QStringLiteral("Room 2"));
        QCOMPARE(first(event, "DTSTART"), QStringLiteral("2024-02-01T10:00:00+00:00"));
        QCOMPARE(first(event, "DTEND"), QStringLiteral("2024-02-01T11:30:00+00:00"));
        QVERIFY(!event.contains("ORGANIZER"));

        const QJsonObject journal = fileEndingWith(m_check, "/Journal/Call with Bob.ics");
        QVERIFY(!journal.isEmpty());
        QCOMPARE(first(component(journal, "VJOURNAL"), "SUMMARY"), QStringLiteral("Call with Bob"));
    }

    void stickyNoteKeepsItsText()
    {
        const QJsonArray lines = fileEndingWith(m_check, "/Notes/Shopping.txt").value("lines").toArray();
        QVERIFY(lines.size() >= 5);
        QVERIFY(!lines.at(0).toString().isEmpty());
        QCOMPARE(lines.at(2).toString(), QStringLiteral("Shopping"));
        QCOMPARE(lines.at(3).toString(), QStringLiteral("Milk"));
        QCOMPARE(lines.at(4).toString(), QStringLiteral("Bread"));
    }

    void contactCommentInACodePageIsWrittenAsUtf8()
    {
        // An ANSI record: libpst leaves its 8-bit strings in the code page the
        // record declares until they are converted.
        pst_item* item = static_cast<pst_item*>(calloc(1, sizeof(pst_item)));
        item->contact = static_cast<pst_item_contact*>(calloc(1, sizeof(pst_item_contact)));
        item->contact->fullname.str = strdup("Gr\xfc\xdf");
        item->comment.str = strdup("K\xf6ln");
        item->body_charset.str = strdup("windows-1252");
        item->body_charset.is_utf8 = 1;
        const QString dir = m_dir.filePath("comment");
        QVERIFY(QDir().mkpath(dir));
        ExportToVcf exporter(false);
        const bool written = exporter.exportItem(item, dir, nullptr, {});
        pst_freeItem(item);
        QVERIFY(written);
        QFile file(dir + "/contact.vcf");
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(filesUnder(dir).join(' ')));
        const QByteArray card = file.readAll();
        QVERIFY2(card.contains("\nFN:Gr\xc3\xbc\xc3\x9f\n"), card.constData());
        QVERIFY2(card.contains("\nNOTE:K\xc3\xb6ln\n"), card.constData());
    }

private:
    TestHome m_home;
    QTemporaryDir m_dir;
    std::shared_ptr<PstFolderItem> m_root;
    QString m_out;
    Run m_run;
    QJsonObject m_check;
};

QTEST_GUILESS_MAIN(TestExportFormats)
#include "tst_ExportFormats.moc"
