// SPDX-License-Identifier: GPL-2.0-or-later
#include "IMVLogConfig.h"
#include "LogLines.h"
#include "NodeDataReader.h"
#include "PropertyContext.h"
#include "PstParser.h"
#include "PstWriter.h"
#include "TestData.h"
#include "TestHome.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <array>
#include <cstring>

namespace {

// The files the fuzz runs damaged: Unicode ones, plus an ANSI one.
const QString kEvenSeedSource = QStringLiteral("aspose-email__Aspose.Email-for-.NET__Outlook_Outlook.pst");
const QString kOddSeedSource = QStringLiteral("hughbe__PstReader__hughbe_hughbe_Outlook.pst");
const QString kAnsiSource = QStringLiteral("simiden__pst2john__97_outlook_pass12345.pst");
// Stores its blocks unencrypted, so damage can be written where it is meant.
const QString kPlainSource = QStringLiteral("simiden__pst2john__2003_no-encryption_quickquick.pst");
constexpr qsizetype kHeaderBytes = 0x200;
constexpr int kRandomSeeds = 300;

const QString kWithoutNamedProperties =
    QStringLiteral("WARN The name-to-id map is damaged; items are read without named properties.");

// Python's Mersenne Twister with its integer seeding, so the damage a seed
// makes here is the damage the fuzz script's seed made.
class PythonRandom
{
public:
    explicit PythonRandom(quint32 seed)
    {
        initGenerator(19650218u);
        int i = 1;
        // A seed below 2^32 is a key of one word.
        for (int k = kSize; k > 0; --k) {
            m_state[i] = (m_state[i] ^ ((m_state[i - 1] ^ (m_state[i - 1] >> 30)) * 1664525u)) + seed;
            if (++i >= kSize) {
                m_state[0] = m_state[kSize - 1];
                i = 1;
            }
        }
        for (int k = kSize - 1; k > 0; --k) {
            m_state[i] = (m_state[i] ^ ((m_state[i - 1] ^ (m_state[i - 1] >> 30)) * 1566083941u)) - quint32(i);
            if (++i >= kSize) {
                m_state[0] = m_state[kSize - 1];
                i = 1;
            }
        }
        m_state[0] = 0x80000000u;
    }

    // Uniform in [0, n), drawn the way Python's randrange does.
    quint32 below(quint32 n)
    {
        int bits = 0;
        while ((quint64(1) << bits) <= n)
            ++bits;
        quint32 r = 0;
        do
            r = next() >> (32 - bits);
        while (r >= n);
        return r;
    }

private:
    static constexpr int kSize = 624;

    void initGenerator(quint32 seed)
    {
        m_state[0] = seed;
        for (int i = 1; i < kSize; ++i)
            m_state[i] = 1812433253u * (m_state[i - 1] ^ (m_state[i - 1] >> 30)) + quint32(i);
        m_index = kSize;
    }

    quint32 next()
    {
        if (m_index >= kSize)
            twist();
        quint32 y = m_state[m_index++];
        y ^= y >> 11;
        y ^= (y << 7) & 0x9d2c5680u;
        y ^= (y << 15) & 0xefc60000u;
        return y ^ (y >> 18);
    }

    void twist()
    {
        for (int i = 0; i < kSize; ++i) {
            const quint32 y = (m_state[i] & 0x80000000u) | (m_state[(i + 1) % kSize] & 0x7fffffffu);
            m_state[i] = m_state[(i + 397) % kSize] ^ (y >> 1) ^ ((y & 1) ? 0x9908b0dfu : 0u);
        }
        m_index = 0;
    }

    std::array<quint32, kSize> m_state{};
    int m_index = kSize;
};

// The fuzz script's damage: 1, 4, 16 or 64 random bytes after the header.
QByteArray mutated(QByteArray data, quint32 seed)
{
    PythonRandom random(seed);
    static const int kCounts[] = {1, 4, 16, 64};
    const int count = kCounts[random.below(4)];
    for (int i = 0; i < count; ++i) {
        const qsizetype position = kHeaderBytes + random.below(quint32(data.size() - kHeaderBytes));
        data[position] = char(random.below(256));
    }
    return data;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString logFile()
{
    return QString::fromStdString(Morvek::IMVLogConfig::CurrentLogFile());
}

void collectNodeIds(const PstFolderItem& folder, QSet<quint64>& ids)
{
    for (const auto& item : folder.items())
        ids.insert(item->pstTree()->d_id);
    for (int i = 0; i < folder.childCount(); ++i) {
        const auto& child = static_cast<const PstFolderItem&>(*folder.child(i));
        ids.insert(child.pstTree()->d_id);
        collectNodeIds(child, ids);
    }
}

// What parsing one file gave: whether it opened, the node ids of its items
// and folders, and the log lines written meanwhile.
struct Outcome
{
    bool opened = false;
    bool parsed = false;
    QSet<quint64> nodeIds;
    QStringList log;
};

Outcome parseFile(const QString& path)
{
    QFile(logFile()).resize(0);
    Outcome outcome;
    PstParser parser;
    outcome.opened = parser.open(path);
    if (outcome.opened) {
        const std::shared_ptr<PstFolderItem> root = parser.parse(path);
        outcome.parsed = root != nullptr;
        if (root)
            collectNodeIds(*root, outcome.nodeIds);
    }
    outcome.log = LogLines::read(logFile());
    return outcome;
}

QString skippedLine(quint64 nodeId)
{
    return QStringLiteral("WARN Skipped damaged item at d_id=%1.").arg(nodeId);
}

pst_desc_tree* findNode(pst_desc_tree* node, quint64 nodeId)
{
    for (; node; node = node->next) {
        if (node->d_id == nodeId)
            return node;
        if (pst_desc_tree* below = findNode(node->child, nodeId))
            return below;
    }
    return nullptr;
}

// Where a node's data sits in a file whose blocks are stored unencrypted.
struct NodeBytes
{
    QByteArray block;
    qsizetype fileOffset = -1;
};

// The first block of `nodeId`'s data and its place in the file, found by
// its bytes.
NodeBytes locateNode(const QString& path, const QByteArray& fileBytes, quint64 nodeId)
{
    NodeBytes found;
    pst_file file;
    std::memset(&file, 0, sizeof file);
    if (pst_open(&file, path.toLocal8Bit().constData(), nullptr) != 0)
        return found;
    if (pst_load_index(&file) == 0) {
        pst_desc_tree* node = findNode(file.d_head, nodeId);
        const NodeDataReader reader(&file);
        const quint64 blockId = node && node->desc ? node->desc->i_id : 0;
        const QList<QByteArray> blocks = reader.dataBlocks(blockId);
        if (!blocks.isEmpty()) {
            found.block = blocks.first();
            found.fileOffset = fileBytes.indexOf(found.block);
        }
    }
    pst_close(&file);
    return found;
}

quint16 u16At(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(bytes.constData()) + offset);
}

void putU16(QByteArray& bytes, qsizetype offset, quint16 value)
{
    qToLittleEndian(value, reinterpret_cast<uchar*>(bytes.data()) + offset);
}

void putU32(QByteArray& bytes, qsizetype offset, quint32 value)
{
    qToLittleEndian(value, reinterpret_cast<uchar*>(bytes.data()) + offset);
}

// Start of heap allocation `index` (1-based) of a heap block.
qsizetype allocationStart(const QByteArray& block, int index)
{
    const qsizetype pageMap = u16At(block, 0);
    return u16At(block, pageMap + 4 + (index - 1) * 2);
}

// Offsets of the property records in the one leaf of a small property
// context's tree.
QList<qsizetype> propertyRecords(const QByteArray& block)
{
    const qsizetype bthHeader = allocationStart(block, 1);
    const int rootIndex = int((qFromLittleEndian<quint32>(block.constData() + bthHeader + 4) >> 5) & 0x7FF);
    QList<qsizetype> records;
    for (qsizetype r = allocationStart(block, rootIndex); r + 8 <= allocationStart(block, rootIndex + 1); r += 8)
        records.append(r);
    return records;
}

} // namespace

class TestDamagedFiles : public QObject
{
    Q_OBJECT
    TestHome m_home;

private slots:
    void initTestCase();
    void fuzzCrashSeedsAreSkippedOrRefused_data();
    void fuzzCrashSeedsAreSkippedOrRefused();
    void randomDamageNeverCrashes_data();
    void randomDamageNeverCrashes();
    void damagedMessageIsSkippedAndTheRestKept_data();
    void damagedMessageIsSkippedAndTheRestKept();
    void damagedNameMapOpensWithoutNamedProperties();
    void damagedStoreStillLeadsToTheFolders();
    void folderCountBeyondItsMessages_data();
    void damagedAttachedMailSkipsItsMail();
    void folderCountBeyondItsMessages();

private:
    QString writeCopy(const QByteArray& bytes, const QString& name);
    quint64 firstMessageNode(const QString& path);

    QTemporaryDir m_scratch;
};

void TestDamagedFiles::initTestCase()
{
    QVERIFY2(TestData::available(), qPrintable("The shared PST files are missing at " + TestData::sharedDir()));
    for (const QString& name : {kEvenSeedSource, kOddSeedSource, kAnsiSource, kPlainSource})
        QVERIFY2(QFile::exists(TestData::pst(name)), qPrintable("missing shared PST file " + name));
    Morvek::IMVLogConfig::InitializeLogConfig((m_home.path() + "/log/").toStdString());
}

QString TestDamagedFiles::writeCopy(const QByteArray& bytes, const QString& name)
{
    const QString path = m_scratch.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

quint64 TestDamagedFiles::firstMessageNode(const QString& path)
{
    PstParser parser;
    if (!parser.open(path))
        return 0;
    const std::shared_ptr<PstFolderItem> root = parser.parse(path);
    QList<const PstFolderItem*> folders{root.get()};
    while (!folders.isEmpty()) {
        const PstFolderItem* folder = folders.takeFirst();
        if (!folder)
            continue;
        if (!folder->items().isEmpty())
            return folder->items().first()->pstTree()->d_id;
        for (int i = 0; i < folder->childCount(); ++i)
            folders << static_cast<const PstFolderItem*>(folder->child(i).get());
    }
    return 0;
}

void TestDamagedFiles::fuzzCrashSeedsAreSkippedOrRefused_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<quint64>("skippedNode");
    // Seed 17 retypes a folder's message-flags property: libpst read it
    // through a null value. 71 and 83 damage the name-to-id map (83 made
    // libpst copy a name of 11 MB): the files open without named properties.
    QTest::newRow("seed 17: retyped property") << 17u << quint64(0x100228);
    QTest::newRow("seed 71: damaged name map") << 71u << quint64(0);
    QTest::newRow("seed 83: name map lengths") << 83u << quint64(0);
}

void TestDamagedFiles::fuzzCrashSeedsAreSkippedOrRefused()
{
    QFETCH(quint32, seed);
    QFETCH(quint64, skippedNode);
    const QString source = TestData::pst(seed % 2 ? kOddSeedSource : kEvenSeedSource);
    const QString path = writeCopy(mutated(readAll(source), seed), QStringLiteral("seed.pst"));
    QVERIFY(!path.isEmpty());
    const Outcome damaged = parseFile(path);
    if (skippedNode == 0) {
        QVERIFY(damaged.parsed);
        QVERIFY2(damaged.log.contains(kWithoutNamedProperties), qPrintable(damaged.log.join('\n')));
        return;
    }
    QVERIFY(damaged.parsed);
    QVERIFY2(damaged.log.contains(skippedLine(skippedNode)), qPrintable(damaged.log.join('\n')));
    QVERIFY(!damaged.nodeIds.contains(skippedNode));
}

void TestDamagedFiles::randomDamageNeverCrashes_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<quint32>("seed");
    const QStringList sources{kEvenSeedSource, kOddSeedSource, kAnsiSource};
    for (const QString& source : sources) {
        for (quint32 seed = 1000; seed < 1000 + kRandomSeeds; ++seed)
            QTest::addRow("%s seed %u", qPrintable(source.left(24)), seed) << source << seed;
    }
}

// A crash ends the test run, which is the failure this guards against; a
// run that survives must either refuse the file with a known line or parse.
void TestDamagedFiles::randomDamageNeverCrashes()
{
    QFETCH(QString, source);
    QFETCH(quint32, seed);
    const QString path = writeCopy(mutated(readAll(TestData::pst(source)), seed), QStringLiteral("random.pst"));
    QVERIFY(!path.isEmpty());
    const Outcome damaged = parseFile(path);
    if (!damaged.opened) {
        bool explained = false;
        for (const QString& line : damaged.log)
            explained = explained || line.startsWith(QLatin1String("WARN Failed to open"));
        QVERIFY2(explained, qPrintable(damaged.log.join('\n')));
    }
}

void TestDamagedFiles::damagedMessageIsSkippedAndTheRestKept_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("page map past its block") << QStringLiteral("pageMap");
    QTest::newRow("BTH root outside the heap") << QStringLiteral("bthRoot");
    QTest::newRow("value reference beyond the heap") << QStringLiteral("valueRef");
    QTest::newRow("value in a subnode that does not exist") << QStringLiteral("subnode");
    QTest::newRow("unknown property type") << QStringLiteral("type");
}

void TestDamagedFiles::damagedMessageIsSkippedAndTheRestKept()
{
    QFETCH(QString, damage);
    const QString source = TestData::pst(kPlainSource);
    const Outcome intact = parseFile(source);
    QVERIFY2(intact.parsed, "the unencrypted sample file no longer parses");
    const quint64 message = firstMessageNode(source);
    QVERIFY(message != 0);
    QByteArray bytes = readAll(source);
    const NodeBytes node = locateNode(source, bytes, message);
    QVERIFY2(node.fileOffset > 0, "the message's block was not found in the file");

    const QByteArray& block = node.block;
    const qsizetype bthHeader = allocationStart(block, 1);
    // A message's small BTH is one leaf: its root allocation holds the records.
    const int rootIndex = int((qFromLittleEndian<quint32>(block.constData() + bthHeader + 4) >> 5) & 0x7FF);
    QVERIFY2(block.at(bthHeader + 3) == 0 && rootIndex > 0, "the message's property tree has index levels");
    // The first record holding a string or binary value on the heap.
    qsizetype variableRecord = -1;
    const qsizetype recordsEnd = allocationStart(block, rootIndex + 1);
    for (qsizetype r = allocationStart(block, rootIndex); r + 8 <= recordsEnd; r += 8) {
        const quint16 type = u16At(block, r + 2);
        if ((type == 0x001F || type == 0x001E || type == 0x0102) && (u16At(block, r + 4) & 0x1F) == 0) {
            variableRecord = r;
            break;
        }
    }
    QVERIFY(variableRecord > 0);
    // The message flags, which libpst reads whatever type they are stored as.
    qsizetype flagsRecord = -1;
    for (qsizetype r = allocationStart(block, rootIndex); r + 8 <= recordsEnd; r += 8) {
        if (u16At(block, r) == 0x0E07)
            flagsRecord = r;
    }
    QVERIFY(flagsRecord > 0);
    const qsizetype at = node.fileOffset;
    if (damage == "pageMap")
        putU16(bytes, at, quint16(block.size() + 0x100));
    else if (damage == "bthRoot")
        putU32(bytes, at + bthHeader + 4, 0x7FE0);
    else if (damage == "valueRef")
        putU32(bytes, at + variableRecord + 4, 0x7FE0);
    else if (damage == "subnode")
        putU32(bytes, at + variableRecord + 4, 0x3FFFE1);
    else if (damage == "type")
        putU16(bytes, at + flagsRecord + 2, 0x9E03);
    const QString path = writeCopy(bytes, damage + QStringLiteral(".pst"));

    const Outcome damaged = parseFile(path);
    QVERIFY(damaged.parsed);
    QVERIFY2(damaged.log.contains(skippedLine(message)), qPrintable(damaged.log.join('\n')));
    QSet<quint64> expected = intact.nodeIds;
    expected.remove(message);
    QCOMPARE(damaged.nodeIds, expected);
}

void TestDamagedFiles::damagedNameMapOpensWithoutNamedProperties()
{
    const QString source = TestData::pst(kPlainSource);
    QByteArray bytes = readAll(source);
    constexpr quint64 kNameMapNode = 0x61;
    // Aim every string entry's offset far past the string stream.
    pst_file file;
    std::memset(&file, 0, sizeof file);
    QCOMPARE(pst_open(&file, source.toLocal8Bit().constData(), nullptr), 0);
    QCOMPARE(pst_load_index(&file), 0);
    const NodeDataReader reader(&file);
    PropertyContext map;
    pst_desc_tree* mapNode = findNode(file.d_head, kNameMapNode);
    QVERIFY(mapNode && mapNode->desc);
    QVERIFY(map.parse(reader.dataBlocks(mapNode->desc->i_id)));
    const std::optional<PropertyContext::Property> entries = map.property(0x0003);
    pst_close(&file);
    QVERIFY2(entries && entries->subnodeId == 0, "the sample's name map no longer keeps its entries on its heap");
    NodeBytes stream;
    stream.block = entries->data;
    stream.fileOffset = bytes.indexOf(stream.block);
    QVERIFY(stream.fileOffset > 0);
    int stringEntries = 0;
    for (qsizetype e = 0; e + 8 <= stream.block.size(); e += 8) {
        if ((u16At(stream.block, e + 4) & 1) != 0) {
            putU32(bytes, stream.fileOffset + e, 0x7FFFFF00);
            ++stringEntries;
        }
    }
    QVERIFY(stringEntries > 0);

    const Outcome intact = parseFile(source);
    const Outcome damaged = parseFile(writeCopy(bytes, QStringLiteral("namemap.pst")));
    QVERIFY(damaged.parsed);
    QVERIFY2(damaged.log.contains(kWithoutNamedProperties), qPrintable(damaged.log.join('\n')));
    QCOMPARE(damaged.nodeIds, intact.nodeIds);
}

// The store's record fails the node check through a value outside its heap,
// while its entry of the folders' top stays whole: every folder and item is
// still read, from the top the entry names.
void TestDamagedFiles::damagedStoreStillLeadsToTheFolders()
{
    constexpr quint64 kStoreNode = 0x21;
    constexpr quint16 kTopOfFoldersEntryId = 0x35E0;
    const QString source = TestData::pst(kPlainSource);
    QByteArray bytes = readAll(source);
    const NodeBytes node = locateNode(source, bytes, kStoreNode);
    QVERIFY(node.fileOffset > 0);
    const QByteArray& block = node.block;
    qsizetype victim = -1;
    for (qsizetype r : propertyRecords(block)) {
        const quint16 type = u16At(block, r + 2);
        if (u16At(block, r) != kTopOfFoldersEntryId && (type == 0x001F || type == 0x0102) && (u16At(block, r + 4) & 0x1F) == 0) {
            victim = r;
            break;
        }
    }
    QVERIFY2(victim > 0, "the sample's store keeps no other variable value on its heap");
    putU32(bytes, node.fileOffset + victim + 4, 0x7FE0);

    const Outcome intact = parseFile(source);
    const Outcome damaged = parseFile(writeCopy(bytes, QStringLiteral("store.pst")));
    QVERIFY(damaged.parsed);
    QVERIFY2(damaged.log.contains(skippedLine(kStoreNode)), qPrintable(damaged.log.join('\n')));
    QVERIFY2(damaged.log.join('\n').contains("read from its entry of their top"), qPrintable(damaged.log.join('\n')));
    QCOMPARE(damaged.nodeIds, intact.nodeIds);
}

void TestDamagedFiles::folderCountBeyondItsMessages_data()
{
    QTest::addColumn<quint32>("extra");
    QTest::addColumn<bool>("reported");
    QTest::newRow("three messages lost from the index") << 3u << true;
    QTest::newRow("a count no file of this size can hold") << 1000000u << false;
}

// A folder's own count of its messages against the messages the index has:
// a few more are reported missing; a count the file's bytes could never
// hold is damage to the count, not millions of lost messages.
void TestDamagedFiles::folderCountBeyondItsMessages()
{
    QFETCH(quint32, extra);
    QFETCH(bool, reported);
    constexpr quint16 kContentCount = 0x3602;
    const QString source = TestData::pst(kPlainSource);
    pst_file file;
    std::memset(&file, 0, sizeof file);
    QCOMPARE(pst_open(&file, source.toLocal8Bit().constData(), nullptr), 0);
    QCOMPARE(pst_load_index(&file), 0);
    const pst_desc_tree* message = findNode(file.d_head, firstMessageNode(source));
    const pst_desc_tree* folder = message ? findNode(file.d_head, message->parent_d_id) : nullptr;
    quint32 held = 0;
    for (const pst_desc_tree* child = folder ? folder->child : nullptr; child; child = child->next)
        held += (child->d_id & 0x1F) == 0x04 ? 1 : 0;
    const quint64 folderId = folder ? folder->d_id : 0;
    pst_close(&file);
    QVERIFY(folderId != 0 && held > 0);

    QByteArray bytes = readAll(source);
    const NodeBytes node = locateNode(source, bytes, folderId);
    QVERIFY(node.fileOffset > 0);
    qsizetype countRecord = -1;
    for (qsizetype r : propertyRecords(node.block)) {
        if (u16At(node.block, r) == kContentCount)
            countRecord = r;
    }
    QVERIFY2(countRecord > 0, "the folder keeps no count of its messages");
    putU32(bytes, node.fileOffset + countRecord + 4, held + extra);

    const Outcome damaged = parseFile(writeCopy(bytes, QStringLiteral("count%1.pst").arg(extra)));
    QVERIFY(damaged.parsed);
    const QString log = damaged.log.join('\n');
    QCOMPARE(log.contains(QStringLiteral("Not found: %1 of the %2 messages").arg(extra).arg(held + extra)), reported);
    QCOMPARE(log.contains(QStringLiteral("Not found:")), reported);
}

// libpst parses an attached mail like a mail of its own when the outer mail
// is shown or written: a damaged one makes the outer mail damaged too,
// instead of reaching libpst.
void TestDamagedFiles::damagedAttachedMailSkipsItsMail()
{
    const QString marker = QStringLiteral("Attached-mail-marker-7c1f");
    PstMessage attached;
    attached.subject = marker;
    attached.body = QStringLiteral("Inside.");
    PstMessage outer;
    outer.subject = QStringLiteral("Outer");
    PstAttachment attachment;
    attachment.longName = QStringLiteral("Attached");
    attachment.embedded = std::make_shared<PstMessage>(attached);
    outer.attachments = {attachment};
    PstMessage plain;
    plain.subject = QStringLiteral("Plain");
    PstDescription description;
    description.folders = {PstFolder{QStringLiteral("Inbox"), QStringLiteral("IPF.Note"), {outer, plain}, {}, 0}};
    const QString intactPath = m_scratch.filePath(QStringLiteral("attached.pst"));
    QVERIFY(PstWriter::write(description, intactPath));

    // The attached mail's heap: the 64-byte-aligned block start before its
    // subject with a property context's signature.
    QByteArray bytes = readAll(intactPath);
    const QByteArray subject(reinterpret_cast<const char*>(marker.utf16()), marker.size() * 2);
    const qsizetype at = bytes.indexOf(subject);
    QVERIFY(at > 0);
    qsizetype heap = at - at % 64;
    while (heap > 0 && !(quint8(bytes.at(heap + 2)) == 0xEC && quint8(bytes.at(heap + 3)) == 0xBC))
        heap -= 64;
    QVERIFY(heap > 0);
    putU16(bytes, heap, 0x7FF0); // its page map far past the block

    const Outcome intact = parseFile(intactPath);
    const Outcome damaged = parseFile(writeCopy(bytes, QStringLiteral("attached-damaged.pst")));
    QVERIFY(damaged.parsed);
    QCOMPARE(damaged.nodeIds.size(), intact.nodeIds.size() - 1);
    QVERIFY2(damaged.log.join('\n').contains(QStringLiteral("Skipped damaged item")), qPrintable(damaged.log.join('\n')));
}

QTEST_GUILESS_MAIN(TestDamagedFiles)
#include "tst_DamagedFiles.moc"
