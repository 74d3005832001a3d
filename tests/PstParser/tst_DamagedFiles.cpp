// SPDX-License-Identifier: GPL-2.0-or-later
// Damaged files: fuzz finds, random damage, damage aimed at one record, random or damaged blocks for the readers.
#include "IMVLogConfig.h"
#include "LibpstNodes.h"
#include "LogLines.h"
#include "MapiPropertyReader.h"
#include "NodeGuard.h"
#include "NodeDataReader.h"
#include "PinnedFile.h"
#include "PropertyContext.h"
#include "TableContext.h"
#include "PstParser.h"
#include "PstFolderItem.h"
#include "ReparsedRecord.h"
#include "SoundNodes.h"
#include "PstWriter.h"
#include "TestData.h"
#include "TestHome.h"
#include "WrittenPst.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

// The files the fuzz runs damaged: Unicode ones, plus an ANSI one.
const QString kEvenSeedSource = QStringLiteral("aspose-email__Aspose.Email-for-.NET__Outlook_Outlook.pst");
const QString kOddSeedSource = QStringLiteral("hughbe__PstReader__hughbe_hughbe_Outlook.pst");
const QString kAnsiSource = QStringLiteral("simiden__pst2john__97_outlook_pass12345.pst");
// Stores its blocks unencrypted, so damage can be written where it is meant.
const QString kPlainSource = QStringLiteral("simiden__pst2john__2003_no-encryption_quickquick.pst");
const QString kWithoutNamedProperties =
    QStringLiteral("WARN The name-to-id map is damaged; items are read without named properties.");
const QString kSkipped = QStringLiteral("WARN Skipped damaged item at d_id=%1.");

// The fuzz script's damage (scripts/fuzz-pst.sh): 1, 4, 16 or 64 random bytes after the header,
// drawn by Python's own generator as the script draws them. One line of "offset:byte" per seed.
QStringList fuzzDamage(qsizetype size, quint32 firstSeed, int seeds)
{
    QProcess python;
    python.start(QStringLiteral("python3"), {QStringLiteral("-c"), QStringLiteral(
        "import random, sys\n"
        "size, first, n = map(int, sys.argv[1:])\n"
        "for seed in range(first, first + n):\n"
        "    random.seed(seed)\n"
        "    print(' '.join('%d:%d' % (random.randrange(0x200, size), random.randrange(256))\n"
        "                   for _ in range(random.choice([1, 4, 16, 64]))))\n"),
        QString::number(size), QString::number(firstSeed), QString::number(seeds)});
    if (!python.waitForFinished(60000) || python.exitCode() != 0)
        qFatal("python3 could not draw the fuzz damage");
    return QString::fromLatin1(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray damaged(QByteArray bytes, const QString& damage)
{
    for (const QString& pair : damage.split(' ', Qt::SkipEmptyParts))
        bytes[pair.section(':', 0, 0).toLongLong()] = char(pair.section(':', 1).toInt());
    return bytes;
}

quint16 u16At(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

template <typename T>
void put(QByteArray& bytes, qsizetype offset, T value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

// Start of heap allocation `index` (1-based) of a heap block.
qsizetype allocationStart(const QByteArray& block, int index)
{
    return u16At(block, u16At(block, 0) + 4 + (index - 1) * 2);
}

// Offsets of the property records in the one leaf of a small property context's tree (a message's or a folder's).
QList<qsizetype> propertyRecords(const QByteArray& block)
{
    const qsizetype bthHeader = allocationStart(block, 1);
    const int rootIndex = int((qFromLittleEndian<quint32>(block.constData() + bthHeader + 4) >> 5) & 0x7FF);
    QList<qsizetype> records;
    if (block.at(bthHeader + 3) != 0 || rootIndex <= 0)
        return records; // a tree with index levels
    for (qsizetype r = allocationStart(block, rootIndex); r + 8 <= allocationStart(block, rootIndex + 1); r += 8)
        records.append(r);
    return records;
}

// The record with this id, or (id 0) the first other than `except` with a variable value on the heap.
qsizetype findRecord(const QByteArray& block, quint16 id, quint16 except = 0)
{
    for (qsizetype r : propertyRecords(block)) {
        const quint16 type = u16At(block, r + 2);
        const bool variable = (type == 0x001F || type == 0x001E || type == 0x0102) && (u16At(block, r + 4) & 0x1F) == 0;
        if (id ? u16At(block, r) == id : u16At(block, r) != except && variable)
            return r;
    }
    return -1;
}

// What parsing one file gave: node ids of its items and folders, first message, log lines.
struct Outcome
{
    bool opened = false;
    bool parsed = false;
    QSet<quint64> nodeIds;
    quint64 firstMessage = 0;
    QString log;
};

Outcome parseFile(const QString& path)
{
    const QString logFile = QString::fromStdString(Morvek::IMVLogConfig::CurrentLogFile());
    QFile(logFile).resize(0);
    Outcome outcome;
    PstParser parser;
    outcome.opened = parser.open(path);
    // The tree's counting open reads the folders' tables as they are.
    PstParser counting;
    if (counting.open(path))
        counting.countFolderItems(path);
    if (const std::shared_ptr<PstFolderItem> root = outcome.opened ? parser.parse(path) : nullptr) {
        outcome.parsed = true;
        QList<const PstFolderItem*> folders{root.get()};
        while (!folders.isEmpty()) {
            const PstFolderItem* folder = folders.takeFirst();
            for (const auto& item : folder->items())
                outcome.nodeIds.insert(item->pstTree()->d_id);
            if (!outcome.firstMessage && !folder->items().isEmpty())
                outcome.firstMessage = folder->items().first()->pstTree()->d_id;
            for (int i = 0; i < folder->childCount(); ++i) {
                folders << static_cast<const PstFolderItem*>(folder->child(i).get());
                outcome.nodeIds.insert(folders.last()->pstTree()->d_id);
            }
        }
    }
    outcome.log = LogLines::read(logFile).join('\n');
    return outcome;
}

// The first folder of that name below `root`, breadth first.
std::shared_ptr<PstFolderItem> folderNamed(const std::shared_ptr<PstFolderItem>& root, const QString& name)
{
    QList<std::shared_ptr<PstFolderItem>> folders{root};
    while (!folders.isEmpty()) {
        const std::shared_ptr<PstFolderItem> folder = folders.takeFirst();
        if (folder->displayName() == name)
            return folder;
        for (int i = 0; i < folder->childCount(); ++i)
            folders << std::static_pointer_cast<PstFolderItem>(folder->child(i));
    }
    return nullptr;
}

// Writes the mailbox `json` describes to `path` and opens its folder tree
// alone with `parser`: the Inbox, or null.
std::shared_ptr<PstFolderItem> writtenInbox(const QByteArray& json, const QString& path, PstParser& parser)
{
    PstDescription description;
    if (!PstDescription::fromJson(json, &description, nullptr) || !PstWriter::write(description, path)
        || !parser.open(path))
        return nullptr;
    const std::shared_ptr<PstFolderItem> root = parser.parseFolderTree(path);
    return root ? folderNamed(root, QStringLiteral("Inbox")) : nullptr;
}

// A property context holding one 32-bit integer 0x0E07 = 1, by hand: heap
// header (page map at 28, signatures, user root), B-tree header (2-byte keys,
// 6-byte records, root allocation 2), the record, the page map.
const QByteArray kSmallPropertyContext =
    QByteArray::fromHex("1c00ecbc200000000000000" "0" "b502060040000000" "070e030001000000" "020000000c0014001c00");

// The first item of `folder` and its record, as the export walk hands
// them to a writer.
bool firstRecordOf(const PstFolderItem& folder, std::shared_ptr<PstItem>* item, pst_item** record)
{
    PstParser::readItemRecordsOf(folder, 0, 1, [&](const std::shared_ptr<PstItem>& each, pst_item* parsed) {
        *item = each;
        *record = parsed;
        return true;
    });
    return *item && *record;
}

} // namespace

class TestDamagedFiles : public QObject
{
    Q_OBJECT
    TestHome m_home;
    QTemporaryDir m_scratch;

    QString writeCopy(const QByteArray& bytes, const QString& name)
    {
        QFile file(m_scratch.filePath(name));
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size()
            ? file.fileName() : QString();
    }

private slots:
    void initTestCase()
    {
        for (const QString& name : {kEvenSeedSource, kOddSeedSource, kAnsiSource, kPlainSource})
            QVERIFY2(QFile::exists(TestData::pst(name)), qPrintable("missing shared PST file " + TestData::pst(name)));
        Morvek::IMVLogConfig::InitializeLogConfig((m_home.path() + "/log/").toStdString());
    }

    void fuzzDamageIsSkippedOrRefused_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("damage");
        // An empty expectation: the copy need only be refused with a reason or parse.
        QTest::addColumn<QString>("expected");
        // Seed 17 retypes a folder's message-flags property: libpst read it
        // through a null value. 71 and 83 damage the name-to-id map (83 made
        // libpst copy a name of 11 MB): the files open without named properties.
        const QList<QPair<quint32, QString>> found{{17, kSkipped.arg(0x100228)}, {71, kWithoutNamedProperties},
                                                   {83, kWithoutNamedProperties}};
        for (const auto& [seed, expected] : found) {
            const QString source = TestData::pst(seed % 2 ? kOddSeedSource : kEvenSeedSource);
            QTest::addRow("seed %u", seed) << source << fuzzDamage(QFileInfo(source).size(), seed, 1).value(0) << expected;
        }
        for (const QString& name : {kEvenSeedSource, kOddSeedSource, kAnsiSource}) {
            const QString source = TestData::pst(name);
            const QStringList damages = fuzzDamage(QFileInfo(source).size(), 1000, 300);
            for (int i = 0; i < damages.size(); ++i)
                QTest::addRow("%s seed %d", qPrintable(name.left(24)), 1000 + i) << source << damages[i] << QString();
        }
    }

    // A crash ends the test run, which is the failure this guards against.
    void fuzzDamageIsSkippedOrRefused()
    {
        QFETCH(QString, source);
        QFETCH(QString, damage);
        QFETCH(QString, expected);
        QVERIFY(!damage.isEmpty());
        const Outcome outcome = parseFile(writeCopy(damaged(readAll(source), damage), QStringLiteral("seed.pst")));
        if (!expected.isEmpty()) {
            QVERIFY(outcome.parsed);
            QVERIFY2(outcome.log.contains(expected), qPrintable(outcome.log));
            if (expected.contains("d_id="))
                QVERIFY(!outcome.nodeIds.contains(expected.section('=', 1).chopped(1).toULongLong()));
        } else if (!outcome.opened) {
            QVERIFY2(outcome.log.contains("WARN Failed to open"), qPrintable(outcome.log));
        }
    }

    void aimedDamageIsSkippedAndCounted_data()
    {
        QTest::addColumn<QString>("damage");
        // Nodes the damaged copy shows fewer than the intact file.
        QTest::addColumn<int>("lost");
        // Log texts, %1 the damaged node or count; "!" first: must not appear.
        QTest::addColumn<QStringList>("log");
        const QStringList skipped{kSkipped};
        QTest::newRow("page map past its block") << "pageMap" << 1 << skipped;
        QTest::newRow("BTH root outside the heap") << "bthRoot" << 1 << skipped;
        QTest::newRow("value reference beyond the heap") << "valueRef" << 1 << skipped;
        QTest::newRow("value in a subnode that does not exist") << "subnode" << 1 << skipped;
        QTest::newRow("unknown property type") << "type" << 1 << skipped;
        QTest::newRow("name map string offsets") << "nameMap" << 0 << QStringList{kWithoutNamedProperties};
        // Its entry of the folders' top stays whole: every folder is still read.
        QTest::newRow("store record, top entry whole") << "store" << 0
                                                      << QStringList{kSkipped, "read from its entry of their top"};
        QTest::newRow("folder count: three messages lost") << "count3" << 0 << QStringList{"Not found: 3 of the %1 messages"};
        // A count the file's bytes could never hold is damage to the count.
        QTest::newRow("folder count no file could hold") << "count1000000" << 0 << QStringList{"!Not found:"};
        // libpst parses an attached mail when the outer one is shown or written.
        QTest::newRow("attached mail's heap") << "attached" << 1 << QStringList{"Skipped damaged item"};
    }

    void aimedDamageIsSkippedAndCounted()
    {
        QFETCH(QString, damage);
        QFETCH(int, lost);
        QFETCH(QStringList, log);
        QString source = TestData::pst(kPlainSource);
        if (damage == "attached") {
            const QByteArray json = R"x({"folders": [{"name": "Inbox", "containerClass": "IPF.Note", "messages": [
                {"subject": "Outer", "attachments": [{"longName": "Attached", "message":
                    {"subject": "Attached-mail-marker-7c1f", "body": "Inside."}}]}, {"subject": "Plain"}]}]})x";
            PstDescription description;
            QVERIFY(PstDescription::fromJson(json, &description, nullptr));
            source = m_scratch.filePath(QStringLiteral("attached.pst"));
            QVERIFY(PstWriter::write(description, source));
        }
        const Outcome intact = parseFile(source);
        QVERIFY2(intact.parsed && intact.firstMessage, "the intact file no longer parses");
        QByteArray bytes = readAll(source);
        LibpstNodes pst(source);
        QVERIFY(pst.ok());
        const auto nodeAt = [&](quint64 node) { return bytes.indexOf(pst.firstBlock(node)); };
        quint64 target = intact.firstMessage;
        const QByteArray block = pst.firstBlock(target);
        const qsizetype at = nodeAt(target);
        QVERIFY2(at > 0 && !propertyRecords(block).isEmpty(), "the message's block was not found in the file");
        if (damage == "pageMap")
            put<quint16>(bytes, at, quint16(block.size() + 0x100));
        else if (damage == "bthRoot")
            put<quint32>(bytes, at + allocationStart(block, 1) + 4, 0x7FE0);
        else if (damage == "valueRef" || damage == "subnode")
            put<quint32>(bytes, at + findRecord(block, 0) + 4, damage == "subnode" ? 0x3FFFE1 : 0x7FE0);
        else if (damage == "type")
            put<quint16>(bytes, at + findRecord(block, 0x0E07) + 2, 0x9E03); // flags, read by libpst whatever their type
        else if (damage == "nameMap") {
            // Every string entry's offset aimed far past the string stream.
            PropertyContext map;
            QVERIFY(map.parse({pst.firstBlock(0x61)}));
            const auto entries = map.property(0x0003);
            QVERIFY2(entries && entries->subnodeId == 0, "the name map no longer keeps its entries on its heap");
            const qsizetype stream = bytes.indexOf(entries->data);
            QVERIFY(stream > 0);
            for (qsizetype e = 0; e + 8 <= entries->data.size(); e += 8) {
                if (u16At(entries->data, e + 4) & 1)
                    put<quint32>(bytes, stream + e, 0x7FFFFF00);
            }
        } else if (damage == "store") {
            target = 0x21;
            const qsizetype record = findRecord(pst.firstBlock(target), 0, 0x35E0);
            QVERIFY2(nodeAt(target) > 0 && record > 0, "the store keeps no other variable value on its heap");
            put<quint32>(bytes, nodeAt(target) + record + 4, 0x7FE0);
        } else if (damage.startsWith("count")) {
            const pst_desc_tree* folder = pst.nodeById(pst.nodeById(target)->parent_d_id);
            QVERIFY(folder);
            quint32 held = 0;
            for (const pst_desc_tree* child = folder->child; child; child = child->next)
                held += (child->d_id & 0x1F) == 0x04 ? 1 : 0;
            target = held + damage.mid(5).toUInt();
            const qsizetype record = findRecord(pst.firstBlock(folder->d_id), 0x3602);
            QVERIFY2(nodeAt(folder->d_id) > 0 && record > 0, "the folder keeps no count of its messages");
            put<quint32>(bytes, nodeAt(folder->d_id) + record + 4, quint32(target));
        } else if (damage == "attached") {
            // The attached mail's heap: the 64-byte-aligned block start before
            // its subject with a property context's signature.
            const QString marker = QStringLiteral("Attached-mail-marker-7c1f");
            const qsizetype subject = bytes.indexOf(QByteArray(reinterpret_cast<const char*>(marker.utf16()), marker.size() * 2));
            qsizetype heap = subject - subject % 64;
            while (heap > 0 && !(quint8(bytes.at(heap + 2)) == 0xEC && quint8(bytes.at(heap + 3)) == 0xBC))
                heap -= 64;
            QVERIFY(subject > 0 && heap > 0);
            put<quint16>(bytes, heap, 0x7FF0); // its page map far past the block
            target = 0;
        }
        const Outcome outcome = parseFile(writeCopy(bytes, damage + QStringLiteral(".pst")));
        QVERIFY(outcome.parsed);
        for (const QString& text : log) {
            const bool absent = text.startsWith('!');
            QVERIFY2(outcome.log.contains(QString(text).remove(0, absent ? 1 : 0).arg(target)) != absent, qPrintable(outcome.log));
        }
        QCOMPARE(outcome.nodeIds.size(), intact.nodeIds.size() - lost);
        if (target && lost)
            QVERIFY(intact.nodeIds.contains(target) && !outcome.nodeIds.contains(target));
        QVERIFY((outcome.nodeIds - intact.nodeIds).isEmpty());
    }

    // A run checks a node once while its file stays as it was; a file
    // written to meanwhile has its nodes checked again.
    void nodeDamagedAfterItsCheckIsCheckedAgain()
    {
        const QString copy = writeCopy(readAll(TestData::pst(kPlainSource)), QStringLiteral("changing.pst"));
        const Outcome intact = parseFile(copy);
        QVERIFY(intact.parsed && intact.firstMessage);
        LibpstNodes pst(copy);
        QVERIFY(pst.ok());
        pst_desc_tree* node = pst.nodeById(intact.firstMessage);
        const QByteArray block = pst.firstBlock(intact.firstMessage);
        QVERIFY(node && !block.isEmpty());
        QVERIFY(NodeGuard(pst.file()).isSound(node));
        QVERIFY(NodeGuard(pst.file()).isSound(node));
        // Its page map aimed past its block, in place, while the file is open.
        QByteArray bytes = readAll(copy);
        const qsizetype at = bytes.indexOf(block);
        QVERIFY(at > 0);
        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(at));
        QByteArray pageMap(2, 0);
        qToLittleEndian<quint16>(quint16(block.size() + 0x100), pageMap.data());
        QVERIFY(file.write(pageMap) == 2);
        file.close();
        // What the stream had read ahead of the change is not the file's.
        std::fflush(pst.file()->fp);
        QVERIFY(!NodeGuard(pst.file()).isSound(node));
    }

    // Another program writes to the file after an item's node was checked
    // and before libpst parses it (the block is read again): libpst still
    // parses the bytes that were checked, never the ones written.
    void nodeChangedBetweenCheckAndParseIsParsedAsChecked_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("subject rewritten") << "subject";
        QTest::newRow("block torn: its second half overwritten") << "torn";
        QTest::newRow("block overwritten whole") << "whole";
    }

    void nodeChangedBetweenCheckAndParseIsParsedAsChecked()
    {
        QFETCH(QString, change);
        const QString subject = QStringLiteral("Checked-subject-3e9a");
        const QByteArray json = R"x({"folders": [{"name": "Inbox", "containerClass": "IPF.Note", "messages": [
            {"subject": "Checked-subject-3e9a", "body": "Body of the checked mail.", "senderName": "Ada",
             "senderAddress": "ada@example.org"}]}]})x";
        const QString path = m_scratch.filePath(QStringLiteral("rewritten-%1.pst").arg(change));
        // The folder tree only: the mail's node is first checked by the walk below.
        PstParser parser;
        const std::shared_ptr<PstFolderItem> inbox = writtenInbox(json, path, parser);
        QVERIFY(inbox && inbox->pstTree() && inbox->pstTree()->child);
        const pst_index_ll* block = inbox->pstTree()->child->desc;
        QVERIFY(block && block->size > 0);
        const quint64 start = block->offset, end = block->offset + block->size;
        QByteArray bytes = readAll(path).mid(qsizetype(start), qsizetype(block->size));
        const QByteArray stored(reinterpret_cast<const char*>(subject.utf16()), subject.size() * 2);
        const qsizetype at = bytes.indexOf(stored);
        QVERIFY2(at >= 0, "the subject is not in the mail's own block");
        if (change == "subject")
            bytes.replace(at, stored.size(), QByteArray(stored.size(), 'X'));
        else
            bytes.replace(change == "torn" ? bytes.size() / 2 : 0, bytes.size(), QByteArray(bytes.size(), '\x5A'));
        // Written the moment the block is about to be read a second time.
        QList<std::pair<quint64, quint64>> read;
        bool written = false;
        PinnedFile::setReadHook([&](quint64 offset, size_t size) {
            if (offset >= end || offset + size <= start)
                return;
            for (const auto& [from, to] : std::as_const(read)) {
                if (!written && offset < to && from < offset + size) {
                    QFile file(path);
                    written = file.open(QIODevice::ReadWrite) && file.seek(qint64(start)) && file.write(bytes) == bytes.size();
                }
            }
            read.append({offset, offset + size});
        });
        QString parsedSubject;
        int records = 0;
        PstParser::readItemRecordsOf(*inbox, 0, 1, [&](const std::shared_ptr<PstItem>&, pst_item* record) {
            if (record) {
                ++records;
                parsedSubject = QString::fromUtf8(record->subject.str);
                ReparsedRecord::release(record);
            }
            return true;
        });
        PinnedFile::setReadHook(nullptr);
        QCOMPARE(records, 1);
        QCOMPARE(parsedSubject, subject);
        // What was pinned for the mail went with it.
        QVERIFY(!PinnedFile::isPinned(inbox->pstFile().get()));
        QCOMPARE(PinnedFile::pinnedBytes(inbox->pstFile().get()), 0);
        QVERIFY2(!read.isEmpty(), "the mail's block was never read");
        QCOMPARE(readAll(path).mid(qsizetype(start), bytes.size()) == bytes, written);
    }

    // A mail parsed by the export walk has its attachments read later, by
    // its writer: a mail whose node changed meanwhile is not written from
    // bytes nobody checked, but counted as unreadable (a null record).
    void recordWithAttachmentsIsCheckedAgainBeforeItsWriterReads_data()
    {
        QTest::addColumn<bool>("overwritten");
        QTest::newRow("file unchanged") << false;
        QTest::newRow("mail's block overwritten") << true;
    }

    void recordWithAttachmentsIsCheckedAgainBeforeItsWriterReads()
    {
        QFETCH(bool, overwritten);
        const QByteArray json = R"x({"folders": [{"name": "Inbox", "containerClass": "IPF.Note", "messages": [
            {"subject": "With attachment", "body": "See the file.",
             "attachments": [{"longName": "notes.txt", "data": "Attached-bytes-5d2c"}]}]}]})x";
        const QString path = m_scratch.filePath(QStringLiteral("attachment-%1.pst").arg(overwritten));
        PstParser parser;
        const std::shared_ptr<PstFolderItem> inbox = writtenInbox(json, path, parser);
        QVERIFY(inbox);
        std::shared_ptr<PstItem> mail;
        pst_item* parsed = nullptr;
        QVERIFY(firstRecordOf(*inbox, &mail, &parsed) && parsed->attach);
        if (overwritten) {
            const pst_index_ll* block = mail->pstTree()->desc;
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(qint64(block->offset)));
            QVERIFY(file.write(QByteArray(qsizetype(block->size), '\x5A')) == qint64(block->size));
        }
        const ReparsedRecord reparsed(*mail, parsed);
        QCOMPARE(reparsed.record() == nullptr, overwritten);
        if (!overwritten)
            QCOMPARE(reparsed.attachmentData(reparsed.record()->attach), QByteArray("Attached-bytes-5d2c"));
    }

    // The file's state (size, times) is looked at apart from its bytes: a
    // write still in progress, or one in the same clock tick, leaves it as it
    // was when the walk checked the mail. The mail attached to it, which its
    // writer parses with libpst, is then checked again as it is now, never
    // taken as sound from what was remembered.
    void attachedMailChangedUnseenIsCheckedAgainBeforeItsWriterParsesIt()
    {
        const QByteArray json = R"x({"folders": [{"name": "Inbox", "containerClass": "IPF.Note", "messages": [
            {"subject": "Forwarding", "body": "See the mail below.",
             "attachments": [{"longName": "Original", "message":
                {"subject": "Attached-subject-71b4", "body": "The body of the attached mail.",
                 "senderName": "Ada", "senderAddress": "ada@example.org"}}]}]}]})x";
        const QString path = m_scratch.filePath(QStringLiteral("attached-mail-unseen.pst"));
        PstParser parser;
        const std::shared_ptr<PstFolderItem> inbox = writtenInbox(json, path, parser);
        QVERIFY(inbox);
        std::shared_ptr<PstItem> mail;
        pst_item* parsed = nullptr;
        QVERIFY(firstRecordOf(*inbox, &mail, &parsed) && parsed->attach && parsed->attach->method == PST_ATTACH_EMBEDDED);
        pst_file* file = mail->pstFile().get();
        const pst_index_ll* block = pst_getID(file, parsed->attach->i_id);
        QVERIFY(block && block->size > 0);
        // Its heap header stays, so the block still reads as a message's
        // properties; everything after it (page map, records) is rubbish.
        constexpr qint64 kHeapHeaderSize = 12;
        QVERIFY(block->size > kHeapHeaderSize);
        {
            QFile written(path);
            QVERIFY(written.open(QIODevice::ReadWrite) && written.seek(qint64(block->offset) + kHeapHeaderSize));
            const QByteArray rubbish(qsizetype(block->size) - kHeapHeaderSize, '\x5A');
            QVERIFY(written.write(rubbish) == rubbish.size());
        }
        // The state as it is now, remembered with the mail as sound: what a
        // check that ended while the write went on would leave.
        SoundNodes::rememberSound(file, mail->pstTree()->d_id);
        QVERIFY(SoundNodes::isKnownSound(file, mail->pstTree()->d_id));
        const ReparsedRecord reparsed(*mail, parsed);
        QVERIFY2(!reparsed.record(), "a mail whose attached mail changed is written from bytes nobody checked");
    }

    // Under a pin, a byte reads as it first did however later reads cut
    // across earlier ones; bytes never read come from the file as it is now,
    // and so does everything once the pin is gone.
    void pinnedReadsKeepWhatWasRead_data()
    {
        QTest::addColumn<QList<int>>("before"); // offset, size pairs read before the file changes
        QTest::addColumn<QList<int>>("after"); // one offset and size read after it changed
        QTest::addColumn<bool>("throughStream"); // libpst's way: fseeko and fread on its FILE*
        QTest::newRow("the same range") << QList<int>{100, 50} << QList<int>{100, 50} << false;
        QTest::newRow("inside an earlier range") << QList<int>{100, 50} << QList<int>{120, 10} << false;
        QTest::newRow("across two ranges and the gap between") << QList<int>{100, 50, 300, 50} << QList<int>{120, 250} << false;
        QTest::newRow("beginning before any range") << QList<int>{100, 50} << QList<int>{40, 100} << false;
        QTest::newRow("libpst's stream, past what its buffer read") << QList<int>{5000, 100} << QList<int>{4000, 12000} << true;
    }

    void pinnedReadsKeepWhatWasRead()
    {
        QFETCH(QList<int>, before);
        QFETCH(QList<int>, after);
        QFETCH(bool, throughStream);
        const QByteArray old = QByteArray("0123456789abcdef").repeated(1024);
        const QString path = writeCopy(old, QStringLiteral("pinned.bin"));
        auto* file = static_cast<pst_file*>(std::calloc(1, sizeof(pst_file)));
        file->fp = std::fopen(QFile::encodeName(path).constData(), "rb");
        QVERIFY(file->fp && PinnedFile::install(file));
        const auto read = [&](int offset, int size) {
            QByteArray bytes(size, 0);
            if (throughStream) {
                const bool whole = fseeko(file->fp, offset, SEEK_SET) == 0
                    && std::fread(bytes.data(), 1, size_t(size), file->fp) == size_t(size);
                return whole ? bytes : QByteArray();
            }
            return PinnedFile::read(file, quint64(offset), bytes.data(), size_t(size)) ? bytes : QByteArray();
        };
        const QByteArray changed(old.size(), 'Z');
        QByteArray expected = changed.mid(after[0], after[1]);
        {
            const PinnedFile::Pin pin(file);
            for (int i = 0; i + 1 < before.size(); i += 2) {
                QCOMPARE(read(before[i], before[i + 1]), old.mid(before[i], before[i + 1]));
                for (int at = before[i]; at < before[i] + before[i + 1]; ++at) {
                    if (at >= after[0] && at < after[0] + after[1])
                        expected[at - after[0]] = old.at(at);
                }
            }
            QVERIFY(PinnedFile::pinnedBytes(file) > 0);
            QVERIFY(!writeCopy(changed, QStringLiteral("pinned.bin")).isEmpty());
            QByteArray got = read(after[0], after[1]);
            // A stream reads whole blocks into its buffer: bytes it read past
            // the earlier ranges before the file changed are kept too.
            if (throughStream) {
                for (int i = 0; i < got.size(); ++i)
                    expected[i] = got.at(i) == old.at(after[0] + i) ? old.at(after[0] + i) : expected.at(i);
                QCOMPARE(got.mid(before[0] - after[0], before[1]), old.mid(before[0], before[1]));
                QVERIFY(got.contains('Z'));
            }
            QCOMPARE(got, expected);
        }
        QCOMPARE(PinnedFile::pinnedBytes(file), 0);
        QCOMPARE(read(after[0], after[1]), changed.mid(after[0], after[1]));
        std::fclose(file->fp);
        std::free(file);
    }

    void handMadeContextReadsOnlyWhole()
    {
        const QByteArray whole = kSmallPropertyContext;
        PropertyContext context;
        QVERIFY(context.parse({whole}));
        QCOMPARE(context.propertyIds(), QList<quint16>{0x0E07});
        QCOMPARE(context.property(0x0E07)->type, quint16(0x0003));
        QCOMPARE(context.property(0x0E07)->data, QByteArray("\x01\x00\x00\x00", 4));
        QVERIFY(!context.property(0x0E08));
        for (int size = 0; size < whole.size(); ++size) {
            PropertyContext truncated;
            truncated.parse({whole.left(size)});
            QVERIFY2(!truncated.property(0x0E07) || size >= 28, qPrintable(QString("size %1").arg(size)));
        }
        QVERIFY(!PropertyContext().parse({}) && !PropertyContext().parse({QByteArray()}));
    }

    // Random and damaged blocks never crash the property reader or the node reader.
    void randomBlocksAreReadSafely()
    {
        QRandomGenerator random(20240611);
        for (int round = 0; round < 20000; ++round) {
            QList<QByteArray> blocks;
            for (int i = 0, count = 1 + int(random.bounded(3)); i < count; ++i) {
                QByteArray block = WrittenPst::randomBytes(random, int(random.bounded(96)));
                if (block.size() >= 4 && random.bounded(2)) { // past the signature check
                    block[2] = char(0xEC);
                    block[3] = char(0xBC);
                }
                blocks.append(block);
            }
            if (random.bounded(2))
                blocks[0] = kSmallPropertyContext;
            PropertyContext context;
            context.parse(blocks);
            for (quint16 id : context.propertyIds())
                QVERIFY(context.property(id));
        }
        LibpstNodes pst(TestData::pst(kOddSeedSource));
        QVERIFY(pst.ok());
        pst_desc_tree* task = pst.firstOfType(PST_TYPE_TASK);
        QVERIFY(task);
        const QByteArray original = pst.firstBlock(task->d_id);
        PropertyContext reference;
        QVERIFY(reference.parse({original}));
        QVERIFY(reference.propertyIds().size() > 30);
        for (int round = 0; round < 3000; ++round) {
            QByteArray block = original;
            for (int i = 0, flips = 1 + int(random.bounded(8)); i < flips; ++i)
                block[int(random.bounded(block.size()))] = char(random.bounded(256));
            if (random.bounded(4) == 0)
                block.truncate(int(random.bounded(block.size())));
            PropertyContext context;
            context.parse({block});
            for (quint16 id : context.propertyIds())
                QVERIFY(context.property(id)->data.size() <= block.size());
        }
        for (bool wide : {true, false}) {
            for (int round = 0; round < 5000; ++round) {
                // Every id names a random block, some shaped like tree pages
                // whose children point at a handful of ids, so trees loop.
                QHash<quint64, QByteArray> blocks;
                const NodeDataReader reader([&](quint64 id) {
                    if (!blocks.contains(id)) {
                        QByteArray block = WrittenPst::randomBytes(random, int(random.bounded(64)));
                        if (block.size() >= 2 && random.bounded(2)) {
                            block[0] = char(1 + random.bounded(2));
                            block[1] = char(random.bounded(3));
                            for (int at = 8; at + 8 <= block.size(); at += wide ? 8 : 4)
                                block[at] = char(random.bounded(8));
                        }
                        blocks.insert(id, block);
                    }
                    return blocks.value(id);
                }, wide);
                const quint64 root = random.bounded(8);
                qsizetype total = 0;
                for (const QByteArray& part : reader.dataBlocks(root))
                    total += part.size();
                QVERIFY(total <= NodeDataReader::kMaxNodeDataBytes);
                reader.subnodes(root);
            }
        }
        // A folder's contents table with bytes changed: rows and cells come
        // from inside the blocks or not at all.
        QByteArray table;
        for (const pst_desc_tree* node = pst.file()->d_head; node && table.isEmpty(); node = node->next) {
            TableContext contents;
            const QByteArray block = (node->d_id & 0x1F) == 0x0E ? pst.firstBlock(node->d_id) : QByteArray();
            if (contents.parse({block}, {}) && contents.rowCount() > 0)
                table = block;
        }
        QVERIFY(!table.isEmpty());
        for (int round = 0; round < 3000; ++round) {
            QByteArray block = table;
            for (int i = 0, flips = 1 + int(random.bounded(8)); i < flips; ++i)
                block[int(random.bounded(block.size()))] = char(random.bounded(256));
            if (random.bounded(4) == 0)
                block.truncate(int(random.bounded(block.size())));
            TableContext contents;
            contents.parse({block}, [&](quint32) { return QList<QByteArray>{block}; });
            QVERIFY(qint64(contents.rowCount()) * 4 <= block.size());
            for (int row = 0; row < contents.rowCount(); ++row) {
                contents.rowId(row);
                QVERIFY(contents.string(row, 0x001A).value_or(QString()).size() <= block.size());
            }
        }
    }

    // The task's block overwritten in a copy of the file (wiped, then with
    // noise): the reader finds the node damaged or reads what is left.
    void damagedFileBlocksReadAsAbsent()
    {
        const QString copy = m_scratch.filePath("task.pst");
        QVERIFY(QFile::copy(TestData::pst(kOddSeedSource), copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        // Copied while the file that found them is open: the node's pointers
        // are freed with it.
        quint64 taskId = 0;
        pst_index_ll block{};
        {
            LibpstNodes original(copy);
            const pst_desc_tree* task = original.firstOfType(PST_TYPE_TASK);
            QVERIFY(task && task->desc);
            taskId = task->d_id;
            block = *task->desc;
        }
        QVERIFY(block.size > 16);
        QRandomGenerator random(3);
        for (int round = 0; round < 200; ++round) {
            QFile file(copy);
            QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(qint64(block.offset)));
            QVERIFY(file.write(round ? WrittenPst::randomBytes(random, int(block.size)) : QByteArray(int(block.size), '\xFF')));
            file.close();
            LibpstNodes pst(copy);
            QVERIFY(pst.ok() && pst.nodeById(taskId));
            using R = MapiPropertyReader;
            const R reader(pst.file(), pst.nodeById(taskId));
            QVERIFY(round || (!reader.isValid() && !reader.int32Named(R::kPsetidTask, R::kLidTaskStatus)));
            reader.doubleNamed(R::kPsetidTask, R::kLidPercentComplete);
            reader.stringNamed(R::kPsetidTask, R::kLidTaskOwner);
            reader.binary(0x1009);
        }
    }
};

QTEST_GUILESS_MAIN(TestDamagedFiles)
#include "tst_DamagedFiles.moc"
