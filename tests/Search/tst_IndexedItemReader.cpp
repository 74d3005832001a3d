// SPDX-License-Identifier: GPL-2.0-or-later
// What the index holds of each kind of item, read from a written PST file
// through libpst as the index builder reads it, and HTML reduced to text.
#include "IndexedItemReader.h"
#include "ItemFactory.h"
#include "ItemType.h"
#include "LibpstFile.h"
#include "PstWriter.h"
#include "TestHome.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace LibpstFixture;

namespace {

PstMessage mail(const QString& subject)
{
    PstMessage m;
    m.subject = subject;
    m.senderName = "Alice Archer";
    m.senderAddress = "alice@example.com";
    m.sentTime = QDateTime(QDate(2021, 4, 5), QTime(6, 7, 8), Qt::UTC);
    return m;
}

PstMessage ofKind(PstMessage::Kind kind, const QString& subject, const QString& body)
{
    PstMessage m;
    m.kind = kind;
    m.subject = subject;
    m.body = body;
    return m;
}

} // namespace

class TestIndexedItemReader : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyKindGivesItsTexts_data();
    void everyKindGivesItsTexts();
    void mailHeaderFields();
    void htmlBecomesText_data();
    void htmlBecomesText();

private:
    TestHome m_home;
    QTemporaryDir m_dir;
    QMap<QString, IndexedItem> m_entries;  // by subject
};

void TestIndexedItemReader::initTestCase()
{
    PstMessage html = mail("Lunch");
    html.subjectPrefix = "RE: ";
    html.subjectMarker = true;
    html.body = "the plain version, not shown";
    html.htmlBody = "<html><head><title>Secret title</title><style>.x{color:red}</style>"
                    "<script>var hidden = 1;</script></head><body><p>Caf&eacute; &amp; cr&egrave;me</p>"
                    "<div>second&nbsp;line</div><!-- a comment --> &#x41;&#66;C</body></html>";
    html.recipients = {{"Bob Baker", "bob@example.com", "SMTP", PstRecipient::To},
                       {"Carol Jones", "carol@example.com", "SMTP", PstRecipient::Cc},
                       {"Dave Dunn", "dave@example.com", "SMTP", PstRecipient::Bcc}};
    PstAttachment report;
    report.longName = "quarterly-report.pdf";
    report.data = "%PDF";
    html.attachments = {report};
    PstMessage plain = mail("Plain");
    plain.body = "line one\r\nline two";
    PstMessage rtf = mail("Rich");
    rtf.rtfBody = "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}}\\f0 Hello from \\b RTF\\b0\\par Second paragraph}";
    PstMessage japanese = mail("会議");
    japanese.body = "来週の東京都での会議資料を送ります。";

    PstMessage contact = ofKind(PstMessage::Kind::Contact, "Carol Jones", "met at the trade fair");
    contact.contact = {{"first_name", "Carol"},          {"surname", "Jones"},
                       {"company_name", "Acme Widgets"}, {"business_phone", "+1 555 0100"},
                       {"address1", "carol@acme.example"}, {"file_as", "Jones, Carol"}};
    PstMessage appointment = ofKind(PstMessage::Kind::Appointment, "Dentist", "bring the insurance card");
    appointment.location = "Main Street 5";
    appointment.start = QDateTime(QDate(2021, 5, 6), QTime(9, 0), Qt::UTC);
    appointment.end = appointment.start.addSecs(3600);
    PstMessage task = ofKind(PstMessage::Kind::Task, "Write report", "task notes here");
    task.owner = "Erin Eve";
    task.taskStart = QDateTime(QDate(2021, 6, 1), QTime(0, 0), Qt::UTC);
    PstMessage journal = ofKind(PstMessage::Kind::Journal, "Call with Bob", "journal notes here");
    journal.journalType = "Phone call";
    journal.start = QDateTime(QDate(2021, 7, 1), QTime(10, 0), Qt::UTC);
    journal.end = journal.start.addSecs(600);
    PstMessage note = ofKind(PstMessage::Kind::StickyNote, "Shopping", "milk and eggs");

    PstDescription description;
    PstFolder inbox{"Inbox", "IPF.Note", {html, plain, rtf, japanese}, {}, 0};
    PstFolder other{"Other", "IPF.Note", {contact, appointment, task, journal, note}, {}, 0};
    description.folders = {inbox, other};
    const QString path = m_dir.filePath("kinds.pst");
    QString error;
    QVERIFY2(PstWriter::write(description, path, &error), qPrintable(error));

    LibpstFile file(path);
    QVERIFY(file.isOpen());
    for (pst_desc_tree* node : file.descriptors()) {
        // The file's own bookkeeping nodes are no items of a folder.
        if (!ItemFactory::isMessageNode(node))
            continue;
        ItemPtr record = file.parse(node);
        IndexedItem entry;
        if (record && IndexedItemReader::read(file.file(), node, record.get(), "Folder", &entry))
            m_entries.insert(entry.subject, entry);
    }
    QVERIFY2(m_entries.size() == 9, qPrintable(QStringList(m_entries.keys()).join(", ")));
}

void TestIndexedItemReader::everyKindGivesItsTexts_data()
{
    QTest::addColumn<QString>("subject");
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("inBody");
    QTest::addColumn<QStringList>("notInBody");
    QTest::newRow("html mail") << "RE: Lunch" << int(Mail)
                               << QStringList{"Café & crème", "second line", "ABC"}
                               << QStringList{"Secret", "hidden", "color", "comment", "plain version", "<"};
    QTest::newRow("plain mail") << "Plain" << int(Mail) << QStringList{"line one", "line two"} << QStringList{"<"};
    QTest::newRow("rtf-only mail") << "Rich" << int(Mail) << QStringList{"Hello from RTF", "Second paragraph"}
                                   << QStringList{"rtf1", "fonttbl", "\\"};
    QTest::newRow("japanese mail") << "会議" << int(Mail) << QStringList{"東京都での会議資料"} << QStringList{};
    QTest::newRow("contact") << "Carol Jones" << int(Contact)
                             << QStringList{"Carol", "Jones", "Acme Widgets", "+1 555 0100", "carol@acme.example",
                                            "met at the trade fair"}
                             << QStringList{};
    QTest::newRow("appointment") << "Dentist" << int(Calendar)
                                 << QStringList{"Main Street 5", "bring the insurance card"} << QStringList{};
    QTest::newRow("task") << "Write report" << int(Task) << QStringList{"Erin Eve", "task notes here"} << QStringList{};
    QTest::newRow("journal") << "Call with Bob" << int(Journal) << QStringList{"journal notes here"} << QStringList{};
    QTest::newRow("sticky note") << "Shopping" << int(Note) << QStringList{"milk and eggs"} << QStringList{};
}

void TestIndexedItemReader::everyKindGivesItsTexts()
{
    QFETCH(QString, subject);
    QFETCH(int, type);
    QFETCH(QStringList, inBody);
    QFETCH(QStringList, notInBody);
    QVERIFY2(m_entries.contains(subject), qPrintable(QStringList(m_entries.keys()).join(", ")));
    const IndexedItem entry = m_entries.value(subject);
    QCOMPARE(entry.itemType, type);
    QCOMPARE(entry.folderPath, QString("Folder"));
    QVERIFY(entry.nodeId != 0);
    for (const QString& text : inBody)
        QVERIFY2(entry.body.contains(text), qPrintable(text + " not in: " + entry.body));
    for (const QString& text : notInBody)
        QVERIFY2(!entry.body.contains(text), qPrintable(text + " in: " + entry.body));
    if (type != Contact && type != Note)
        QVERIFY2(entry.date.isValid(), qPrintable(subject));
}

void TestIndexedItemReader::mailHeaderFields()
{
    const IndexedItem entry = m_entries.value("RE: Lunch");
    QVERIFY(entry.sender.contains("Alice Archer"));
    QVERIFY(entry.sender.contains("alice@example.com"));
    for (const QString& name : {"Bob Baker", "Carol Jones", "Dave Dunn"})
        QVERIFY2(entry.recipients.contains(name), qPrintable(entry.recipients));
    QCOMPARE(entry.attachmentNames, QString("quarterly-report.pdf"));
    QVERIFY(entry.hasAttachment);
    QCOMPARE(entry.date, QDateTime(QDate(2021, 4, 5), QTime(6, 7, 8), Qt::UTC));
    QVERIFY(entry.size > 0);
    QVERIFY(!m_entries.value("Plain").hasAttachment);
}

void TestIndexedItemReader::htmlBecomesText_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("text");
    QTest::newRow("inline tags join") << "<b>bold</b>text" << "boldtext";
    QTest::newRow("blocks break lines") << "one<br>two<p>three</p>four" << "one\ntwo\nthree\nfour";
    QTest::newRow("cells apart") << "<table><tr><td>a</td><td>b</td></tr></table>" << "a b";
    QTest::newRow("spaces collapse") << "  many \r\n\t spaces  " << "many spaces";
    QTest::newRow("lone angle bracket") << "a < b and c > d" << "a < b and c > d";
    QTest::newRow("unknown reference kept") << "&bogus; AT&T &" << "&bogus; AT&T &";
    QTest::newRow("numeric references") << "&#233;&#xE9;&#X1F600;" << "éé\U0001F600";
    QTest::newRow("invalid numeric references") << "&#0;&#xD800;&#99999999;" << "&#0;&#xD800;&#99999999;";
    QTest::newRow("quoted >") << "<a title=\"x > y\">link</a>" << "link";
    QTest::newRow("unclosed tag") << "text<span class=" << "text";
    QTest::newRow("unclosed script") << "shown<script>var x = '<b>';" << "shown";
    QTest::newRow("script with tags inside") << "a<script>if (x<y) {}</script>b" << "ab";
    QTest::newRow("upper-case style") << "<STYLE>p{}</STYLE>kept" << "kept";
    QTest::newRow("unclosed comment") << "kept<!-- never closed" << "kept";
    QTest::newRow("doctype") << "<!DOCTYPE html><p>x</p>" << "x";
}

void TestIndexedItemReader::htmlBecomesText()
{
    QFETCH(QString, html);
    QFETCH(QString, text);
    QCOMPARE(IndexedItemReader::htmlToText(html), text);
}

QTEST_GUILESS_MAIN(TestIndexedItemReader)
#include "tst_IndexedItemReader.moc"
