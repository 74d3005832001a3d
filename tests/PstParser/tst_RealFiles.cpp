// SPDX-License-Identifier: GPL-2.0-or-later
// The real files in ../shared/testdata, each read once and checked against libpff (folders, kinds,
// subjects), libpst (bodies) and the full parse (light and staged opens); and facts of particular files.
#include "IMVLogConfig.h"
#include "LibpstNodes.h"
#include "LogLines.h"
#include "MessageClass.h"
#include "PffOracle.h"
#include "PstContactItem.h"
#include "PstDataConverter.h"
#include "PstDistListItem.h"
#include "PstMailItem.h"
#include "PstParser.h"
#include "PstWriter.h"
#include "ReparsedRecord.h"
#include "TestData.h"
#include "TestHome.h"
#include "WrittenPst.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <thread>

namespace {

const QString kOutlook = QStringLiteral("hughbe__PstReader__hughbe_hughbe_Outlook.pst");
const QString kJapaneseContact = QStringLiteral("markb-trustifi__pst-extractor__contacts97-2002.pst");
const QString kClosed = QStringLiteral("INFO Closed Pst document completed.");

QStringList logLines()
{
    return LogLines::read(QString::fromStdString(Morvek::IMVLogConfig::CurrentLogFile()));
}

// One line per folder, item and loss, in tree order, with every value the list shows.
void describe(const PstFolderItem& folder, const QString& path, QStringList& lines, bool withItems = true)
{
    lines << QStringLiteral("%1 <%2> %3 items, %4 folders%5%6").arg(path, folder.folderType()).arg(folder.itemCount())
                 .arg(folder.childCount()).arg(folder.isHidden() ? QStringLiteral(", hidden") : QString())
                 .arg(folder.itemsPending() ? QStringLiteral(", pending") : QString());
    for (const auto& item : withItems ? PstParser::itemsOf(folder) : QList<std::shared_ptr<PstItem>>()) {
        QStringList fields{QString::number(item->type()), item->displayName(), item->subject(), item->duration()};
        for (auto it = item->properties().cbegin(); it != item->properties().cend(); ++it)
            fields << it.key() + '=' + it.value().toString();
        if (const auto mail = std::dynamic_pointer_cast<PstMailItem>(item)) {
            fields << QStringLiteral("hasAttachment=%1").arg(mail->hasAttachment());
            for (const auto& a : mail->attachments())
                fields << QStringLiteral("attachment=%1/%2/%3/%4/%5").arg(a->name, a->contentId).arg(a->attachId)
                              .arg(a->recordIndex).arg(bool(a->embedded));
        }
        lines << path + " : " + fields.join('|');
    }
    for (int i = 0; i < folder.childCount(); ++i) {
        const auto& child = static_cast<const PstFolderItem&>(*folder.child(i));
        describe(child, path + '/' + child.displayName(), lines, withItems);
    }
}

enum class Open { Full, Light, Staged, Released, Counted };

// Staged: the window's open, every folder first without items, then each
// folder's items in turn. Released: each folder's items read, counted and
// let go, then read again to be described. Counted: the folders with their
// items counted, not read (no item lines).
QStringList describeFile(const QString& path, Open how)
{
    PstParser parser;
    parser.setLightOpen(how != Open::Full);
    const bool staged = how == Open::Staged;
    const auto root = !parser.open(path)         ? nullptr
                      : how == Open::Counted  ? parser.countFolderItems(path)
                      : how == Open::Released ? parser.parseReleased(path)
                      : staged                ? parser.parseFolders(path)
                                              : parser.parse(path);
    if (!root)
        return {QStringLiteral("cannot open")};
    QStringList lines;
    if (how == Open::Released && root->childCount() > 0) {
        const auto& first = static_cast<const PstFolderItem&>(*root->child(0));
        if (first.itemCount() > 0 && first.holdsItems())
            return {"still holding its items: " + first.displayName()};
    }
    describe(*root, root->displayName(), lines, how != Open::Counted);
    if (staged) {
        for (const QString& line : std::as_const(lines)) {
            if (!line.contains(" 0 items") || !line.endsWith(", pending"))
                return {"not waiting for its items: " + line};
        }
        std::shared_ptr<PstFolderItem> folder;
        QList<std::shared_ptr<PstItem>> items;
        while (parser.readNextFolderItems(&folder, &items))
            folder->addReadItems(items);
        if (!parser.finishFolderItems(root))
            return {QStringLiteral("cannot open")};
        describe(*root, root->displayName(), lines = {});
    }
    const auto folderOf = [](const std::weak_ptr<PstFolderItem>& f) { return f.lock() ? f.lock()->displayName() : QString(); };
    const ParseLosses& losses = *root->losses();
    for (const ParseLosses::Item& item : losses.damaged)
        lines << QStringLiteral("damaged %1 in %2").arg(item.nodeId).arg(folderOf(item.folder));
    for (const ParseLosses::Item& item : losses.unshown)
        lines << QStringLiteral("unshown %1 <%2> in %3").arg(item.nodeId).arg(item.messageClass, folderOf(item.folder));
    for (const ParseLosses::Item& item : losses.internal)
        lines << QStringLiteral("internal %1 <%2> in %3").arg(item.nodeId).arg(item.messageClass, folderOf(item.folder));
    for (const ParseLosses::Missing& each : losses.missing)
        lines << QStringLiteral("missing %1 in %2").arg(each.count).arg(folderOf(each.folder));
    lines << QStringLiteral("named properties %1").arg(!losses.withoutNamedProperties);
    return lines;
}

// Folder names, indented by depth, libpff's or ours.
QString folderTree(const PffOracle::Folder& folder, int depth = 0)
{
    QString text = QString(depth * 2, ' ') + folder.name + '\n';
    for (const auto& sub : folder.subFolders)
        text += folderTree(sub, depth + 1);
    return text;
}

QString folderTree(const PstFolderItem& folder, int depth = 0)
{
    QString text = QString(depth * 2, ' ') + folder.displayName() + '\n';
    for (int i = 0; i < folder.childCount(); ++i)
        text += folderTree(static_cast<const PstFolderItem&>(*folder.child(i)), depth + 1);
    return text;
}

// The runs of siblings from each folder of this name: libpff shows the top of
// the personal folders among other root folders (search folders before it).
QStringList siblingRuns(const QList<PffOracle::Folder>& siblings, const QString& name)
{
    QStringList runs;
    for (int i = 0; i < siblings.size(); ++i) {
        if (siblings[i].name == name) {
            QString run;
            for (int j = i; j < siblings.size(); ++j)
                run += folderTree(siblings[j]);
            runs << run;
        }
        runs << siblingRuns(siblings[i].subFolders, name);
    }
    return runs;
}

// What the tree shows a message class as (ItemType), -1 for classes counted as not shown.
int shownKind(const QString& messageClass)
{
    static const QList<int> kinds{-1, Mail, Contact, Contact, Calendar, Task, Note, Journal};
    return kinds.value(int(MessageClass::kindOf(messageClass)), -1);
}

} // namespace

class TestRealFiles : public QObject
{
    Q_OBJECT
    TestHome m_home;
    QTemporaryDir m_scratch;
    int m_bodies = 0, m_ansiBodies = 0, m_rtfBodies = 0, m_multiBlockMails = 0, m_foldersCountedFromTables = 0;

private slots:
    void initTestCase()
    {
        QVERIFY2(TestData::available(), qPrintable("The shared PST files are missing at " + TestData::sharedDir()));
        Morvek::IMVLogConfig::InitializeLogConfig((m_home.path() + "/log/").toStdString());
    }

    void init() { QFile(QString::fromStdString(Morvek::IMVLogConfig::CurrentLogFile())).resize(0); }

    void everyFile_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString& path : TestData::allPstFiles())
            QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
        // Mails of the classes and sender forms the light open reads
        // differently from libpst's record, beside messages it leaves to libpst.
        PstDescription assorted;
        QVERIFY(PstDescription::fromJson(R"x({"folders": [{"name": "Items", "containerClass": "IPF.Note", "messages": [
            {"subject": "plain", "senderName": "Ada", "senderAddress": "ada@example.org", "sentTime": "2024-05-06T07:08:09Z"},
            {"messageClass": "REPORT.IPM.Note.NDR", "subject": "report", "senderName": "Ada", "senderAddress": "ada@example.org"},
            {"messageClass": "ipm.note.smime", "subject": "signed", "senderAddress": "ada@example.org"},
            {"messageClass": "IPM.Schedule.Meeting.Request", "subject": "meeting", "senderName": "Ada"},
            {"messageClass": "IPM.Unheard.Of", "subject": "unknown", "senderName": "Ada"},
            {"subject": "exchange", "senderName": "Ada", "senderAddressType": "EX", "senderSmtpAddress": "ada@example.org",
             "senderAddress": "/O=ORG/OU=SITE/CN=RECIPIENTS/CN=ADA"},
            {"subject": "directory only", "senderAddressType": "EX", "senderAddress": "/O=ORG/OU=SITE/CN=RECIPIENTS/CN=ADA"},
            {"subject": "no sender address", "senderName": "Ada"},
            {"subject": "Grüße", "senderName": "Jürgen", "codePage": 1252, "senderAddress": "ada@example.org"},
            {"subject": "with attachments", "attachments": [{"longName": "notes.txt", "data": "notes"},
                                                            {"message": {"subject": "inner", "senderName": "Ada"}}]},
            {"subject": "only an attached mail", "attachments": [{"message": {"subject": "inner"}}]},
            {"kind": "contact", "subject": "Grace Hopper"}]}]})x", &assorted, nullptr));
        const QString written = m_scratch.filePath(QStringLiteral("assorted.pst"));
        QVERIFY(PstWriter::write(assorted, written));
        QTest::newRow("assorted.pst") << written;
    }

    void everyFile()
    {
        QFETCH(QString, path);
        // Mails are listed from our own property reader unless parsed fully by libpst.
        const QStringList full = describeFile(path, Open::Full);
        for (const Open how : {Open::Light, Open::Staged, Open::Released, Open::Counted}) {
            const QStringList lines = describeFile(path, how);
            if (how == Open::Counted) {
                static const QRegularExpression counted(QStringLiteral("Counted the items of (\\d+) folders from their contents tables"));
                for (const QString& line : logLines()) {
                    if (const QRegularExpressionMatch match = counted.match(line); match.hasMatch())
                        m_foldersCountedFromTables += match.captured(1).toInt();
                }
                // Folders, counts and losses, without the items.
                QStringList expected = full;
                expected.removeIf([](const QString& line) { return line.contains(" : "); });
                QCOMPARE(lines.join('\n'), expected.join('\n'));
                continue;
            }
            for (qsizetype i = 0; i < qMin(full.size(), lines.size()); ++i)
                QCOMPARE(lines.at(i), full.at(i));
            QCOMPARE(lines.size(), full.size());
        }

        // libpff: the same folders, and every message it reads shown as the
        // same kind or counted as not shown, the mails with the same subjects.
        bool pffOk = false;
        const PffOracle::Folder pffRoot = PffOracle::readTree(path, &pffOk);
        const auto theirs = PffOracle::readMessages(path, {0x001A, 0x0037, 0x0070}, 0, &pffOk);
        const auto root = WrittenPst::parse(path);
        QCOMPARE(bool(root), pffOk);
        if (!root)
            return;
        QVERIFY(root->childCount() > 0);
        QString ours;
        for (int i = 0; i < root->childCount(); ++i)
            ours += folderTree(static_cast<const PstFolderItem&>(*root->child(i)));
        const QStringList runs = siblingRuns(pffRoot.subFolders, root->child(0)->displayName());
        // The Japanese file's folder records declare no code page: each reader guesses the
        // 8-bit names, and libpff nests and orders them otherwise. Ours must all be there.
        if (path.endsWith(kJapaneseContact))
            QVERIFY2(ours.count('\n') <= folderTree(pffRoot).count('\n'), qPrintable(ours));
        else if (!runs.contains(ours))
            QCOMPARE(ours, runs.value(0, folderTree(pffRoot)));
        QMap<int, int> ourCounts, theirCounts;
        QStringList ourSubjects, theirSubjects;
        for (const auto& item : WrittenPst::allItems(*root)) {
            ++ourCounts[item->type()];
            if (item->type() == Mail)
                ourSubjects << item->subject();
        }
        // Messages of no item kind: lost ones and Outlook's own bookkeeping.
        ourCounts[-1] = int(root->losses()->unshown.size() + root->losses()->internal.size());
        theirCounts[-1] += 0;
        for (const auto& message : theirs) {
            const int kind = shownKind(message.values.value(0x001A));
            ++theirCounts[kind];
            // The whole subject, prefix included; the topic where it is missing.
            if (kind == Mail)
                theirSubjects << (message.values.contains(0x0037) ? PstItem::wholeSubject(message.values.value(0x0037))
                                                                   : message.values.value(0x0070));
        }
        ourSubjects.sort();
        theirSubjects.sort();
        QCOMPARE(ourCounts, theirCounts);
        QCOMPARE(ourSubjects, theirSubjects);

        // libpst: every mail's body and compressed RTF body reads as libpst reads it.
        LibpstNodes pst(path);
        QVERIFY(pst.ok());
        pst.forEachItem([&](pst_desc_tree* node, pst_item* item) {
            // Other kinds of node (tables, search queues) are not property contexts.
            if (!item || item->folder || item->type != PST_TYPE_NOTE || (node->d_id & 0x1F) != 0x04)
                return;
            const MapiPropertyReader reader(pst.file(), node);
            QVERIFY(reader.isValid());
            m_multiBlockMails += node->desc && NodeDataReader(pst.file()).dataBlocks(node->desc->i_id).size() > 1;
            if (item->body.str) {
                if (item->body.is_utf8)
                    QCOMPARE(reader.string(0x1000).value_or(QString()), QString::fromUtf8(item->body.str));
                else
                    QCOMPARE(reader.binary(0x1000).value_or(QByteArray()), QByteArray(item->body.str));
                ++m_bodies;
                m_ansiBodies += pst.isAnsi();
            }
            if (item->email && item->email->rtf_compressed.data) {
                QCOMPARE(reader.binary(0x1009).value_or(QByteArray()),
                         QByteArray(item->email->rtf_compressed.data, qsizetype(item->email->rtf_compressed.size)));
                ++m_rtfBodies;
            }
        });
    }

    // Small files, large ones, ANSI and Unicode all took part.
    void everyFileReadMailsOfEveryShape()
    {
        QVERIFY(m_multiBlockMails > 0 && m_bodies > 100 && m_ansiBodies > 0 && m_rtfBodies > 100);
        QVERIFY2(m_foldersCountedFromTables > 100, qPrintable(QString::number(m_foldersCountedFromTables)));
    }

    void namedValues_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("type"); // libpst's type of the first message read
        QTest::addColumn<QString>("property"); // as propertyText() names it
        QTest::addColumn<QString>("value");
        // Read with libpff 20180714 (Debian's libpff-dev), which dumped every
        // record entry with its name-to-id map entry.
        const auto rows = [](const QString& file, int type, const QList<QPair<QString, QString>>& values) {
            for (const auto& [property, value] : values)
                QTest::addRow("%s %d: %s", qPrintable(file.left(20)), type, qPrintable(property)) << file << type << property << value;
        };
        rows(kOutlook, PST_TYPE_TASK, {{"task int32 8101", "2"}, {"task double 8102", "1"}, {"task bool 811C", "true"},
             {"task int32 8110", "0"}, {"task int32 8111", "0"}, {"task string 811F", "Unknown"},
             {"task filetime 810F", QString::number(0x01d6fa88ae410000LL)}, {"task filetime 8104", ""},
             {"task filetime 8105", ""}, {"tag string 1A", "IPM.Task"}, {"tag int32 E08", QString::number(0x1817)},
             // Named properties of another set, or of another type, are absent.
             {"task id 8101", "8010"}, {"log id 8101", ""}, {"log int32 8101", ""}, {"common int32 8101", ""},
             {"task double 8101", ""}, {"task string 8102", ""}});
        rows(kOutlook, PST_TYPE_JOURNAL, {{"log int32 8707", "0"}, {"log filetime 8706", QString::number(0x01d6faed67392600LL)},
             {"log filetime 8708", QString::number(0x01d6faed67392600LL)}, {"log string 8700", "Phone Call"},
             {"tag string 1A", "IPM.Activity"}});
        // Outlook gave this file's mail and contact a task status and percentage, but no owner and no journal values.
        for (int type : {PST_TYPE_NOTE, PST_TYPE_CONTACT})
            rows(kOutlook, type, {{"task int32 8101", "0"}, {"task double 8102", "0"}, {"task string 811F", ""},
                 {"task filetime 8105", ""}, {"log int32 8707", ""}});
        rows("emk__pstsdk__sample2.pst", PST_TYPE_NOTE, {{"tag binary 1A", "IPM.Note"}, {"task int32 8101", ""},
             {"task double 8102", ""}, {"task bool 811C", ""}, {"log int32 8707", ""}});
        // The ANSI contact's first e-mail address is 8-bit text.
        rows(kJapaneseContact, PST_TYPE_CONTACT, {{"address id 8083", "8023"}, {"address string 8083", "test@example.com"}});
    }

    void namedValues()
    {
        QFETCH(QString, file);
        QFETCH(int, type);
        QFETCH(QString, property);
        QFETCH(QString, value);
        LibpstNodes pst(TestData::pst(file));
        QVERIFY(pst.ok());
        pst_desc_tree* node = pst.firstOfType(type);
        QVERIFY2(node, "the file's message of this type was not found");
        const MapiPropertyReader reader(pst.file(), node);
        QVERIFY(reader.isValid());
        QCOMPARE(propertyText(reader, property), value);
    }

    // The Japanese ANSI contact declares ISO-2022-JP but stores Shift-JIS.
    void japaneseContactIsDecodedWithItsCodePage()
    {
        const QString path = TestData::pst(kJapaneseContact);
        bool pffOk = false;
        const auto theirs = PffOracle::readMessages(path, {0x001A, 0x3A06, 0x3A11}, 932, &pffOk);
        QVERIFY2(pffOk, qPrintable("libpff cannot read " + path));
        const auto root = WrittenPst::parse(path);
        QVERIFY(root);
        const auto contact = std::dynamic_pointer_cast<PstContactItem>(WrittenPst::allItems(*root).value(0));
        QVERIFY(contact && WrittenPst::allItems(*root).size() == 1);
        QStringList theirNames;
        for (const auto& message : theirs) {
            if (message.values.value(0x001A) == QLatin1String("IPM.Contact"))
                theirNames << message.values.value(0x3A06) + ' ' + message.values.value(0x3A11);
        }
        QCOMPARE(theirNames, QStringList{contact->displayName()});
        // Japanese text, not Chinese read from Japanese bytes.
        QVERIFY2(contact->displayName().contains(QRegularExpression("[\\x{3040}-\\x{30FF}]")), qPrintable(contact->displayName()));
        // libpst's own conversion, which the export writers use, must get it right too.
        ReparsedRecord reparsed(*contact);
        pst_item* record = reparsed.record();
        QVERIFY(record && record->contact);
        QCOMPARE(QByteArray(record->body_charset.str), QByteArray("CP932"));
        pst_convert_utf8(record, &record->contact->fullname);
        QCOMPARE(QString::fromUtf8(record->contact->fullname.str), QStringLiteral("イグザンプル, コム ドット"));
    }

    void internalFoldersAreHidden()
    {
        const auto root = WrittenPst::parse(TestData::pst(QStringLiteral("hughbe__PstReader__hughbe_backup.pst")));
        QVERIFY(root);
        // Search root; quick steps (by class); files (hidden flag); a folder inside a hidden one.
        for (const auto& [folder, hidden] : QList<QPair<QString, bool>>{{"Search Root", true}, {"Quick Step Settings", true},
                 {"Files", true}, {"Team Chat", true}, {"Inbox", false}, {"Sync Issues", false}}) {
            const auto found = WrittenPst::folderNamed(*root, folder);
            QVERIFY2(found && found->isHidden() == hidden, qPrintable(folder));
        }
    }

    void mailsAndListsShowTheirAddresses()
    {
        auto root = WrittenPst::parse(TestData::pst("aranetic__process-pst__flags_jane_doe.pst"));
        QVERIFY(root);
        const auto mail = std::dynamic_pointer_cast<PstMailItem>(WrittenPst::allItems(*root).value(0));
        QVERIFY(mail);
        QCOMPARE(mail->formattedSenderAddr(), QStringLiteral("&lt;pst-test-2@aranetic.com&gt;"));
        // A Unicode record is converted by nobody.
        QVERIFY(PstDataConverter::ansiStringCharset(ReparsedRecord(*mail).record()).isEmpty());

        root = WrittenPst::parse(TestData::pst("rjohnsondev__java-libpst__dist-list.pst"));
        QVERIFY(root);
        std::shared_ptr<PstDistListItem> list;
        for (const auto& item : WrittenPst::allItems(*root))
            list = list ? list : std::dynamic_pointer_cast<PstDistListItem>(item);
        QVERIFY(list && !list->members().isEmpty());
        const QList<InfoSection> sections = list->sections();
        QCOMPARE(sections.at(0).fields.at(0).value, list->displayName());
        QCOMPARE(sections.at(1).fields.size(), list->members().size());
        for (const InfoField& field : sections.at(1).fields)
            QVERIFY2(field.value.contains('@'), qPrintable(field.label + " " + field.value));
    }

    // libpst's file is not thread-safe: a record read again holds the
    // document's lock, the one every copy of the tree shares.
    void rereadRecordsHoldTheDocumentLock()
    {
        const auto root = WrittenPst::parse(TestData::pst("aquasync__ruby-msg__attachAndInline.pst"));
        QVERIFY(root);
        const auto copy = std::static_pointer_cast<PstFolderItem>(root->clone());
        const auto mail = WrittenPst::allItems(*copy).value(0);
        QVERIFY(mail && root->pstLock());
        const auto heldElsewhere = [lock = root->pstLock()] {
            bool held = true;
            std::thread other([&] { held = !lock->tryLock(); if (!held) lock->unlock(); });
            other.join();
            return held;
        };
        {
            ReparsedRecord reparsed(*mail);
            QVERIFY(reparsed.record());
            QVERIFY(heldElsewhere());
        }
        QVERIFY(!heldElsewhere());
    }

    void openFailuresAreLoggedAndCloseTheFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("create");
        QTest::addColumn<bool>("opensWithLosses"); // damage past the header
        QFile sample(TestData::pst("emk__pstsdk__sample1.pst"));
        QVERIFY(sample.open(QIODevice::ReadOnly));
        const QByteArray real = sample.readAll();
        QTest::newRow("missing file") << QByteArray() << false << false;
        QTest::newRow("empty file") << QByteArray() << true << false;
        QTest::newRow("text renamed .pst") << QByteArray("From someone@example.com\nSubject: hi\n\nbody\n") << true << false;
        QTest::newRow("header only") << real.left(600) << true << false;
        QTest::newRow("truncated") << real.left(100000) << true << true;
        QTest::newRow("damaged index") << QByteArray(real).replace(0x4400, 4096, QByteArray(4096, '\xff')) << true << true;
    }

    void openFailuresAreLoggedAndCloseTheFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, create);
        QFETCH(bool, opensWithLosses);
        const QString path = m_scratch.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_') + ".pst");
        QFile file(path);
        QVERIFY(!create || (file.open(QIODevice::WriteOnly) && file.write(content) == content.size()));
        file.close();
        auto root = WrittenPst::parse(path);
        QCOMPARE(bool(root), opensWithLosses);
        QVERIFY(!root || root->losses()->count() > 0 || root->losses()->withoutNamedProperties);
        root.reset();
        const QStringList lines = logLines();
        QVERIFY2(lines.size() >= 2, qPrintable(lines.join('\n')));
        QVERIFY2(lines.first().startsWith("WARN Failed to open") || lines.first() == "INFO Open file completed",
                 qPrintable(lines.join('\n')));
        QCOMPARE(lines.last(), kClosed);
        QCOMPARE(lines.count(kClosed), 1);
    }

    // The root is named after the path given to parse() and keeps the file open until its last copy is gone.
    void documentRootKeepsTheFileOpen()
    {
        const QString path = TestData::pst(kOutlook);
        std::shared_ptr<PstFolderItem> root;
        {
            PstParser parser;
            QVERIFY(parser.open(path));
            root = parser.parse("/elsewhere/Shown Name.pst");
            parser.close();
        }
        QVERIFY(root && root->pstFile() && root->pstLock() && root->childCount() > 0);
        QCOMPARE(root->displayName(), QStringLiteral("Shown Name.pst"));
        QCOMPARE(root->filePath(), path);
        QVERIFY(root->nodeLevel() == 0 && root->child(0)->nodeLevel() == 1);
        // Outlook's free/busy record in the file is logged as internal on the way.
        QCOMPARE(logLines().filter("INFO ").filter(QRegularExpression("^INFO (?!Internal:)")).mid(0, 3), (QStringList{"INFO Open file completed",
                 "INFO Start parsing PST document.", "INFO Parsed Pst document completed."}));
        auto clone = root->clone();
        root.reset();
        QVERIFY(!logLines().contains(kClosed));
        clone.reset();
        QCOMPARE(logLines().count(kClosed), 1);
        PstParser unopened;
        QVERIFY(!unopened.parse(path));
    }
};

QTEST_GUILESS_MAIN(TestRealFiles)
#include "tst_RealFiles.moc"
