// SPDX-License-Identifier: GPL-2.0-or-later
// Bodies and notes kept only as RTF, HTML kept inside RTF, whole subjects and
// contacts known by their display name, in a file of the test PST writer:
// what the item model (the window's mail and information views), printing,
// `lumaroo-cli list` and `show`, and every writer make of them. The written
// files are read back with Python's email, icalendar and vobject.
#include "CliRunner.h"
#include "ExportFixture.h"
#include "IMVLogConfig.h"
#include "PffOracle.h"
#include "PrintManager.h"
#include "PstContactItem.h"
#include "PstMailItem.h"
#include "TestData.h"
#include "TestHome.h"
#include "UnrtfText.h"
#include "WrittenPst.h"

extern "C" {
#include <libpst/lzfu.h>
}

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

using namespace ExportFixture;

namespace {

const QByteArray kNative = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}\\pard Native {\\b bold} caf\\'e9 "
                           "{\\field{\\*\\fldinst{HYPERLINK \"https://example.org/\"}}{\\fldrslt site}}\\par second line\\par}";
const QByteArray kHtml = "{\\rtf1\\ansi\\ansicpg1252\\fromhtml1 \\deff0{\\fonttbl{\\f0 Arial;}}"
                         "{\\*\\htmltag19 <html>}{\\*\\htmltag50 <body>}\\htmlrtf {\\htmlrtf0 {\\*\\htmltag64 <p>}"
                         "{\\*\\htmltag84 <b>}Kept \\htmlrtf {\\b \\htmlrtf0 HTML\\htmlrtf }\\htmlrtf0 {\\*\\htmltag92 </b>}"
                         " inline {\\*\\htmltag84 <img src=\"cid:pic\">}{\\*\\htmltag72 </p>}\\par}\\htmlrtf0 "
                         "{\\*\\htmltag58 </body></html>}}";
const QByteArray kText = "{\\rtf1\\ansi\\fromtext {\\fonttbl{\\f0 Courier;}}\\f0 Kept plain text\\par second\\par}";
const QByteArray kHostile = "{\\rtf1\\ansi readable " + QByteArray(50000, '{') + "\\bin4000000000 " + QByteArray(20, 'x');

PstMessage rtfMail(const QString& prefix, const QString& subject, const QString& body, const QByteArray& rtf)
{
    PstMessage m = mail(subject, body);
    m.subjectPrefix = prefix;
    m.subjectMarker = !prefix.isEmpty();
    m.rtfBody = rtf;
    return m;
}

PstMessage withNote(PstMessage m, const QByteArray& rtf)
{
    m.body.clear();
    m.rtfBody = rtf;
    return m;
}

// A page's text without its markup.
QString visibleText(const QString& html)
{
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    QString text = html;
    return text.remove(tags).simplified();
}

// libpst's unpacking of a PR_RTF_COMPRESSED value given as hex.
QByteArray libpstRtf(const QString& hex)
{
    QByteArray stored = QByteArray::fromHex(hex.toLatin1());
    if (stored.size() < 16)
        return QByteArray();
    size_t size = 0;
    char* rtf = pst_lzfu_decompress(stored.data(), uint32_t(stored.size()), &size);
    const QByteArray result(rtf, qsizetype(size));
    free(rtf);
    return result;
}

QJsonObject json(const CliRunner::Result& run)
{
    return QJsonDocument::fromJson(run.out).object();
}

} // namespace

class TestRtfBodies : public QObject
{
    Q_OBJECT
    TestHome m_home;
    QTemporaryDir m_dir;
    std::shared_ptr<PstFolderItem> m_root;
    QString m_file;

    std::shared_ptr<PstItem> item(const QString& folderName, int row) const
    {
        const auto folder = findFolder(m_root, folderName);
        return folder && row < folder->items().size() ? folder->items().at(row) : nullptr;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        Morvek::IMVLogConfig::InitializeLogConfig((m_home.path() + "/log/").toStdString());
        PstMessage contact = withNote(message(PstMessage::Kind::Contact, QStringLiteral("Support")),
                                      "{\\rtf1\\ansi Call {\\b before} noon\\par}");
        contact.contact = {{"file_as", "Support, Acme"}, {"company_name", "Acme Ltd"}};
        PstMessage sticky = message(PstMessage::Kind::StickyNote, QStringLiteral("Buy milk"));
        sticky.body = QStringLiteral("Buy milk\nand bread");
        PstMessage journal = withNote(message(PstMessage::Kind::Journal, QStringLiteral("Call")), kText);
        journal.journalType = QStringLiteral("Phone call");
        journal.start = journal.creationTime;
        journal.end = journal.modificationTime;
        m_file = m_dir.filePath(QStringLiteral("rtf.pst"));
        m_root = writeAndOpen(
            description({folder("Inbox", "IPF.Note",
                                {rtfMail("RE: ", "Native", QString(), kNative),
                                 rtfMail("FW: ", "Encapsulated", QString(), kHtml),
                                 rtfMail("AW: ", "Both", QStringLiteral("The plain version"), kHtml),
                                 rtfMail("SV: ", "Texted", QString(), kText),
                                 rtfMail("Fwd: ", "Plain", QStringLiteral("Only plain"), QByteArray()),
                                 rtfMail(QString(), "Hostile", QString(), kHostile)}),
                         folder("Calendar", "IPF.Appointment",
                                {withNote(message(PstMessage::Kind::Appointment, QStringLiteral("Review")), kNative)}),
                         folder("Contacts", "IPF.Contact", {contact}),
                         folder("Tasks", "IPF.Task", {withNote(message(PstMessage::Kind::Task, QStringLiteral("Do")), kText)}),
                         folder("Journal", "IPF.Journal", {journal}),
                         folder("Notes", "IPF.StickyNote", {sticky})}),
            m_file);
        QVERIFY(m_root);
    }

    void mailsShowTheirWholeSubjectAndBody_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("native RTF") << 0 << QStringLiteral("RE: Native")
                                    << QStringList{"font-weight:bold\">bold</span>", QString::fromUtf8("café"),
                                                   "<a href=\"https://example.org/\">site</a>", "second line"};
        QTest::newRow("HTML inside RTF") << 1 << QStringLiteral("FW: Encapsulated")
                                         << QStringList{"<p><b>Kept HTML</b> inline <img src=\"cid:pic\"></p>"};
        QTest::newRow("HTML inside RTF beside plain text")
            << 2 << QStringLiteral("AW: Both") << QStringList{"<b>Kept HTML</b>"};
        QTest::newRow("text inside RTF") << 3 << QStringLiteral("SV: Texted") << QStringList{"Kept plain text\r\nsecond"};
        QTest::newRow("plain text") << 4 << QStringLiteral("Fwd: Plain") << QStringList{"Only plain"};
        QTest::newRow("hostile RTF") << 5 << QStringLiteral("Hostile") << QStringList{"readable"};
    }

    void mailsShowTheirWholeSubjectAndBody()
    {
        QFETCH(int, row);
        QFETCH(QString, subject);
        QFETCH(QStringList, shown);
        const auto mail = std::dynamic_pointer_cast<PstMailItem>(item("Inbox", row));
        QVERIFY(mail);
        QCOMPARE(mail->subject(), subject);
        const QString body = mail->body();
        const QString printed = PrintManager::documentOf(*mail);
        const QString top = m_root->child(0)->displayName();
        const CliRunner::Result run = CliRunner::run({"show", m_file, top + "/Inbox/#" + QString::number(row)});
        QCOMPARE(run.status, 0);
        QCOMPARE(json(run).value("subject").toString(), subject);
        const QString showBody = json(run).value("body").toString();
        for (const QString& part : shown) {
            QVERIFY2(body.contains(part), qPrintable(body));
            QVERIFY2(showBody.contains(part), qPrintable(showBody));
            QVERIFY2(printed.contains(part), qPrintable(printed));
        }
        QVERIFY2(printed.contains(subject.toHtmlEscaped()), qPrintable(printed.left(2000)));
        QVERIFY2(!body.contains(QLatin1String("\\rtf")) && !body.contains(QLatin1String("htmltag")), qPrintable(body));
    }

    void listShowsWholeSubjects()
    {
        const CliRunner::Result run = CliRunner::run({"list", m_file});
        QCOMPARE(run.status, 0);
        QStringList subjects;
        for (const QJsonValue& folder : json(run).value("folders").toArray()) {
            for (const QJsonValue& listed : folder.toObject().value("items").toArray())
                subjects << listed.toObject().value("subject").toString();
        }
        for (const char* subject : {"RE: Native", "FW: Encapsulated", "AW: Both", "SV: Texted", "Fwd: Plain", "Hostile"})
            QVERIFY2(subjects.contains(QString::fromLatin1(subject)), qPrintable(subjects.join(" | ")));
    }

    void notesKeptAsRtfAreShownAndPrinted_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("note");
        QTest::newRow("appointment") << "Calendar" << "Review" << QString::fromUtf8("Native bold café site\nsecond line");
        QTest::newRow("contact known by its display name") << "Contacts" << "Support, Acme" << "Call before noon";
        QTest::newRow("task") << "Tasks" << "Do" << "Kept plain text\r\nsecond\r\n";
        QTest::newRow("journal entry") << "Journal" << "Call" << "Kept plain text\r\nsecond\r\n";
        QTest::newRow("sticky note") << "Notes" << "Buy milk" << "Buy milk\nand bread";
    }

    void notesKeptAsRtfAreShownAndPrinted()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QString, note);
        const auto shown = item(folder, 0);
        QVERIFY(shown);
        QCOMPARE(shown->displayName(), name);
        QStringList values;
        for (const InfoSection& section : shown->sections()) {
            for (const InfoField& field : section.fields)
                values << field.value;
        }
        QVERIFY2(values.contains(note), qPrintable(values.join(" | ")));
        const QString printed = PrintManager::documentOf(*shown);
        QVERIFY2(printed.contains(note.toHtmlEscaped()), qPrintable(printed));
        QVERIFY2(printed.contains(name.toHtmlEscaped()), qPrintable(printed));
    }

    void writersWriteWhatIsShown()
    {
        const QString out = m_dir.filePath(QStringLiteral("out"));
        const Run run = runExport(m_root, out, {"eml", "vcf", "ics", "txt", "ics2", "tasks"});
        QCOMPARE(run.completions, 1);
        const QString top = m_root->child(0)->displayName() + "/";
        const QStringList files = filesUnder(out);
        // Names as before: the stored subject, prefix included.
        for (const QString& name : {"Inbox/RE_ Native.eml", "Inbox/FW_ Encapsulated.eml", "Inbox/Hostile.eml"})
            QVERIFY2(files.contains(top + name), qPrintable(files.join('\n')));
        const QJsonObject checked = check({"tree", out});
        QVERIFY2(checked.value("errors").toObject().isEmpty(), qPrintable(QJsonDocument(checked.value("errors").toObject()).toJson()));
        const QString inbox = top + "Inbox/";
        const QStringList missing = unmatched(
            checked,
            {inbox + "RE_ Native.eml | text/plain: Native bold " + QString::fromUtf8("café") + " site\nsecond line",
             inbox + "RE_ Native.eml | text/html: <html><head><meta charset='utf-8'>",
             inbox + "RE_ Native.eml | rtf-body.rtf: " + sha1(kNative),
             inbox + "FW_ Encapsulated.eml | text/plain: Kept HTML inline",
             inbox + "FW_ Encapsulated.eml | text/html: <html><body><p><b>Kept HTML</b>",
             inbox + "AW_ Both.eml | text/plain: The plain version",
             inbox + "AW_ Both.eml | text/html: <html><body><p><b>Kept HTML</b>",
             inbox + "SV_ Texted.eml | text/plain: Kept plain text\nsecond",
             "!" + inbox + "SV_ Texted.eml | text/html",
             inbox + "Fwd_ Plain.eml | text/plain: Only plain",
             inbox + "Hostile.eml | text/plain: readable",
             top + "Calendar/Review.ics | DESCRIPTION: Native bold " + QString::fromUtf8("café") + " site\nsecond line",
             top + "Contacts/Support.vcf | FN: Support, Acme",
             top + "Contacts/Support.vcf | NOTE: Call before noon"});
        if (!missing.isEmpty())
            qWarning().noquote() << checked.value("lines").toVariant().toStringList().join('\n');
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
    }

    // Every mail of the shared Exchange cache whose only body, as libpff
    // reads it, is compressed RTF holding text (as unrtf reads it) shows
    // text, and its .eml has a text part.
    void exchangeCacheMailsKeptAsRtfShowText()
    {
        const QString path = TestData::pst(QStringLiteral("aspose-email__Aspose.Email-for-.NET__Outlook_SampleOstFile.ost"));
        QStringList rtfOnly;
        QMap<QString, QList<QByteArray>> rtfOf;
        QString error;
        QVERIFY2(PffOracle::forEachMessage(path,
                                           [&](const QString&, libpff_item_t* message) {
                                               const QString kind = PffOracle::value(message, 0x001A);
                                               if (kind.startsWith(QLatin1String("IPM.Note"), Qt::CaseInsensitive)
                                                   && !PffOracle::value(message, 0x1009).isNull()
                                                   && PffOracle::value(message, 0x1000).isEmpty()
                                                   && PffOracle::value(message, 0x1013).isEmpty())
                                               {
                                                   const QString subject = PstItem::wholeSubject(PffOracle::value(message, 0x0037));
                                                   rtfOnly << subject;
                                                   rtfOf[subject] << libpstRtf(PffOracle::value(message, 0x1009));
                                               }
                                           },
                                           &error),
                 qPrintable(error));
        QVERIFY2(rtfOnly.size() >= 60, qPrintable(QString::number(rtfOnly.size())));
        // Most are empty mails, their RTF a header alone (Exchange's form of
        // an empty body); the others must show their words.
        QStringList withWords;
        for (auto it = rtfOf.cbegin(); it != rtfOf.cend(); ++it) {
            for (const QByteArray& rtf : it.value()) {
                if (!UnrtfText::read(rtf, m_dir.path()).isEmpty() && !withWords.contains(it.key()))
                    withWords << it.key();
            }
        }
        QVERIFY2(withWords.size() >= 3, qPrintable(QString::number(withWords.size())));
        const auto root = open(path);
        QVERIFY(root);
        QMap<QString, QString> shownBySubject;
        for (const auto& item : WrittenPst::allItems(*root)) {
            if (const auto mail = std::dynamic_pointer_cast<PstMailItem>(item); mail && rtfOnly.contains(mail->subject()))
                shownBySubject[mail->subject()] += visibleText(mail->body());
        }
        const QString out = m_dir.filePath(QStringLiteral("ost"));
        QCOMPARE(runExport(root, out, {"eml"}).completions, 1);
        const QJsonObject checked = check({"tree", out});
        QMap<QString, QString> subjectOfFile;
        QSet<QString> withText;
        for (const QString& line : checked.value("lines").toVariant().toStringList()) {
            const QString file = line.section(QStringLiteral(" | "), 0, 0);
            const QString what = line.section(QStringLiteral(" | "), 1);
            if (what.startsWith(QLatin1String("subject: ")))
                subjectOfFile[file] = what.mid(9);
            else if (what.startsWith(QLatin1String("text/plain: ")) && what.size() > 12)
                withText.insert(file);
        }
        QSet<QString> subjectsWithText;
        for (auto it = subjectOfFile.cbegin(); it != subjectOfFile.cend(); ++it) {
            if (withText.contains(it.key()))
                subjectsWithText.insert(it.value());
        }
        for (const QString& subject : withWords) {
            QVERIFY2(!shownBySubject.value(subject).isEmpty(), qPrintable(subject));
            QVERIFY2(subjectsWithText.contains(subject), qPrintable(subject));
        }
    }
};

QTEST_GUILESS_MAIN(TestRtfBodies)
#include "tst_RtfBodies.moc"
