// SPDX-License-Identifier: GPL-2.0-or-later
#include "MapiPropertyReader.h"
#include "NodeDataReader.h"
#include "PropertyContext.h"
#include "TestData.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QString kOutlookPst = QStringLiteral("hughbe__PstReader__hughbe_hughbe_Outlook.pst");

using Reader = MapiPropertyReader;

// The low five bits of a node id give its kind; mails, tasks and the like
// are "normal messages".
constexpr quint64 kNormalMessageNode = 0x04;

// An open libpst file with its index and name map loaded, closed on scope exit.
class OpenPst
{
public:
    explicit OpenPst(const QString& path)
    {
        if (pst_open(&m_file, QFile::encodeName(path).constData(), "utf-8") != 0)
            return;
        m_open = true;
        m_loaded = pst_load_index(&m_file) == 0;
        pst_load_extended_attributes(&m_file);
    }
    ~OpenPst()
    {
        if (m_open)
            pst_close(&m_file);
    }
    OpenPst(const OpenPst&) = delete;
    OpenPst& operator=(const OpenPst&) = delete;

    bool ok() const { return m_open && m_loaded; }
    pst_file* file() { return &m_file; }

    // Calls visit for every node of the descriptor tree with its parsed
    // libpst record (null when libpst cannot parse it).
    void forEachItem(const std::function<void(pst_desc_tree*, pst_item*)>& visit)
    {
        walk(m_file.d_head, visit);
    }

    // The first message (not folder) node whose libpst record has this type.
    pst_desc_tree* firstOfType(int type)
    {
        pst_desc_tree* found = nullptr;
        forEachItem([&](pst_desc_tree* node, pst_item* item) {
            if (!found && item && !item->folder && item->type == type)
                found = node;
        });
        return found;
    }

    pst_desc_tree* nodeById(quint64 id) { return findNode(m_file.d_head, id); }

private:
    static pst_desc_tree* findNode(pst_desc_tree* node, quint64 id)
    {
        for (; node; node = node->next) {
            if (node->d_id == id)
                return node;
            if (pst_desc_tree* below = findNode(node->child, id))
                return below;
        }
        return nullptr;
    }

    void walk(pst_desc_tree* node, const std::function<void(pst_desc_tree*, pst_item*)>& visit)
    {
        for (; node; node = node->next) {
            pst_item* item = pst_parse_item(&m_file, node, nullptr);
            visit(node, item);
            if (item)
                pst_freeItem(item);
            walk(node->child, visit);
        }
    }

    pst_file m_file{};
    bool m_open = false;
    bool m_loaded = false;
};

QString requirePst(const QString& name)
{
    const QString path = TestData::pst(name);
    if (!QFile::exists(path))
        qFatal("Missing test file %s: the shared test data is required", qPrintable(path));
    return path;
}

QByteArray randomBytes(QRandomGenerator& random, int size)
{
    QByteArray bytes(size, '\0');
    for (char& byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

// A heap with one property context holding a single 32-bit integer
// property 0x0E07 = 1, built by hand after the published layout.
QByteArray smallPropertyContext()
{
    QByteArray block;
    auto put16 = [&](quint16 v) { block.append(char(v & 0xFF)).append(char(v >> 8)); };
    auto put32 = [&](quint32 v) { put16(quint16(v & 0xFFFF)); put16(quint16(v >> 16)); };
    // Header: page map at 28, heap and context signatures, user root = heap id 0x20.
    put16(28); block.append(char(0xEC)).append(char(0xBC)); put32(0x20); put32(0);
    // Allocation 1 (offset 12): B-tree header, 2-byte keys, 6-byte records, root 0x40.
    block.append(char(0xB5)).append(char(2)).append(char(6)).append(char(0)); put32(0x40);
    // Allocation 2 (offset 20): one record.
    put16(0x0E07); put16(0x0003); put32(1);
    // Page map: two allocations, no free ones, their bounds.
    put16(2); put16(0); put16(12); put16(20); put16(28);
    return block;
}

} // namespace

class tst_MapiPropertyReader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    // Real file: the task and journal values libpst leaves out.
    void realTaskValuesMatchLibpff();
    void realJournalValuesMatchLibpff();
    void namedPropertyOfAnotherSetIsNotConfused();
    void mailAndContactHaveNoTaskOwnerOrJournalValues();
    void ansiMailHasNoTaskValues();
    void ansiNamedStringMatchesLibpff();
    void tagValuesAgreeWithLibpstInEveryFile();

    // Hand-made and damaged input.
    void handMadeContextReadsItsProperty();
    void truncatedContextReadsAsAbsent();
    void randomBlocksNeverCrashTheParser();
    void mutatedRealBlocksNeverCrashTheParser();
    void randomTreesNeverCrashTheNodeReader();
    void damagedFileBlocksReadAsAbsent();
};

void tst_MapiPropertyReader::initTestCase()
{
    QVERIFY2(TestData::available(), qPrintable("No PST test files under " + TestData::sharedDir()));
}

// Expected values were read with libpff 20180714 (Debian's libpff-dev): a
// small program dumped every record entry of the task with its
// name-to-id map entry (GUID and number); pffexport shows the same status,
// percentage and completion.
void tst_MapiPropertyReader::realTaskValuesMatchLibpff()
{
    OpenPst pst(requirePst(kOutlookPst));
    QVERIFY(pst.ok());
    pst_desc_tree* task = pst.firstOfType(PST_TYPE_TASK);
    QVERIFY2(task, "The file's task was not found");
    const Reader reader(pst.file(), task);
    QVERIFY(reader.isValid());

    QCOMPARE(reader.int32Named(Reader::kPsetidTask, Reader::kLidTaskStatus), std::optional<qint32>(2));
    QCOMPARE(reader.doubleNamed(Reader::kPsetidTask, Reader::kLidPercentComplete), std::optional<double>(1.0));
    QCOMPARE(reader.boolNamed(Reader::kPsetidTask, Reader::kLidTaskComplete), std::optional<bool>(true));
    QCOMPARE(reader.int32Named(Reader::kPsetidTask, Reader::kLidTaskActualEffort), std::optional<qint32>(0));
    QCOMPARE(reader.int32Named(Reader::kPsetidTask, Reader::kLidTaskEstimatedEffort), std::optional<qint32>(0));
    QCOMPARE(reader.stringNamed(Reader::kPsetidTask, Reader::kLidTaskOwner), std::optional<QString>("Unknown"));
    QCOMPARE(reader.filetimeNamed(Reader::kPsetidTask, Reader::kLidTaskDateCompleted),
             std::optional<qint64>(0x01d6fa88ae410000LL));
    // Outlook stored no start or due date for this task.
    QVERIFY(!reader.filetimeNamed(Reader::kPsetidTask, Reader::kLidTaskStartDate));
    QVERIFY(!reader.filetimeNamed(Reader::kPsetidTask, Reader::kLidTaskDueDate));
    // Its own (tagged) properties read too: message class and size.
    QCOMPARE(reader.string(0x001A), std::optional<QString>("IPM.Task"));
    QCOMPARE(reader.int32(0x0E08), std::optional<qint32>(0x1817));
}

// Verified with the same libpff dump as the task.
void tst_MapiPropertyReader::realJournalValuesMatchLibpff()
{
    OpenPst pst(requirePst(kOutlookPst));
    QVERIFY(pst.ok());
    pst_desc_tree* journal = pst.firstOfType(PST_TYPE_JOURNAL);
    QVERIFY2(journal, "The file's journal entry was not found");
    const Reader reader(pst.file(), journal);
    QVERIFY(reader.isValid());

    QCOMPARE(reader.int32Named(Reader::kPsetidLog, Reader::kLidLogDuration), std::optional<qint32>(0));
    QCOMPARE(reader.filetimeNamed(Reader::kPsetidLog, Reader::kLidLogStart), std::optional<qint64>(0x01d6faed67392600LL));
    QCOMPARE(reader.filetimeNamed(Reader::kPsetidLog, Reader::kLidLogEnd), std::optional<qint64>(0x01d6faed67392600LL));
    QCOMPARE(reader.stringNamed(Reader::kPsetidLog, 0x8700), std::optional<QString>("Phone Call"));
    QCOMPARE(reader.string(0x001A), std::optional<QString>("IPM.Activity"));
}

void tst_MapiPropertyReader::namedPropertyOfAnotherSetIsNotConfused()
{
    OpenPst pst(requirePst(kOutlookPst));
    QVERIFY(pst.ok());
    const Reader reader(pst.file(), pst.firstOfType(PST_TYPE_TASK));
    // libpff maps the task status of this file to property 0x8010.
    QCOMPARE(reader.namedPropertyId(Reader::kPsetidTask, Reader::kLidTaskStatus), std::optional<quint16>(0x8010));
    QVERIFY(!reader.namedPropertyId(Reader::kPsetidLog, Reader::kLidTaskStatus));
    QVERIFY(!reader.int32Named(Reader::kPsetidLog, Reader::kLidTaskStatus));
    QVERIFY(!reader.int32Named(Reader::kPsetidCommon, Reader::kLidTaskStatus));
    // A value of another type is absent, not misread.
    QVERIFY(!reader.doubleNamed(Reader::kPsetidTask, Reader::kLidTaskStatus));
    QVERIFY(!reader.stringNamed(Reader::kPsetidTask, Reader::kLidPercentComplete));
}

// Outlook also gave this file's mail and contact a task status and
// percentage (both 0, as libpff shows), but no owner and no journal values.
void tst_MapiPropertyReader::mailAndContactHaveNoTaskOwnerOrJournalValues()
{
    OpenPst pst(requirePst(kOutlookPst));
    QVERIFY(pst.ok());
    for (int type : {PST_TYPE_NOTE, PST_TYPE_CONTACT}) {
        pst_desc_tree* node = pst.firstOfType(type);
        QVERIFY2(node, qPrintable(QString("No item of libpst type %1").arg(type)));
        const Reader reader(pst.file(), node);
        QVERIFY(reader.isValid());
        QCOMPARE(reader.int32Named(Reader::kPsetidTask, Reader::kLidTaskStatus), std::optional<qint32>(0));
        QCOMPARE(reader.doubleNamed(Reader::kPsetidTask, Reader::kLidPercentComplete), std::optional<double>(0.0));
        QVERIFY(!reader.stringNamed(Reader::kPsetidTask, Reader::kLidTaskOwner));
        QVERIFY(!reader.filetimeNamed(Reader::kPsetidTask, Reader::kLidTaskDueDate));
        QVERIFY(!reader.int32Named(Reader::kPsetidLog, Reader::kLidLogDuration));
    }
}

// libpff finds no task property at all in this ANSI file's mail.
void tst_MapiPropertyReader::ansiMailHasNoTaskValues()
{
    OpenPst pst(requirePst(QStringLiteral("emk__pstsdk__sample2.pst")));
    QVERIFY(pst.ok());
    QCOMPARE(pst.file()->do_read64, 0);
    pst_desc_tree* mail = pst.firstOfType(PST_TYPE_NOTE);
    QVERIFY(mail);
    const Reader reader(pst.file(), mail);
    QVERIFY(reader.isValid());
    QCOMPARE(reader.binary(0x001A), std::optional<QByteArray>("IPM.Note"));
    QVERIFY(!reader.int32Named(Reader::kPsetidTask, Reader::kLidTaskStatus));
    QVERIFY(!reader.doubleNamed(Reader::kPsetidTask, Reader::kLidPercentComplete));
    QVERIFY(!reader.boolNamed(Reader::kPsetidTask, Reader::kLidTaskComplete));
    QVERIFY(!reader.int32Named(Reader::kPsetidLog, Reader::kLidLogDuration));
}

// Verified with the libpff record dump: the ANSI contact's first e-mail
// address (contact properties, number 0x8083) is 8-bit text at id 0x8023.
void tst_MapiPropertyReader::ansiNamedStringMatchesLibpff()
{
    OpenPst pst(requirePst(QStringLiteral("markb-trustifi__pst-extractor__contacts97-2002.pst")));
    QVERIFY(pst.ok());
    QCOMPARE(pst.file()->do_read64, 0);
    pst_desc_tree* contact = pst.firstOfType(PST_TYPE_CONTACT);
    QVERIFY(contact);
    const Reader reader(pst.file(), contact);
    const QUuid psetidAddress(0x00062004, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46);
    QCOMPARE(reader.namedPropertyId(psetidAddress, 0x8083), std::optional<quint16>(0x8023));
    QCOMPARE(reader.stringNamed(psetidAddress, 0x8083), std::optional<QString>("test@example.com"));
}

// Every mail body and compressed RTF body of every real file (ANSI and
// Unicode, small and spread over data trees and subnodes) reads as libpst
// reads it.
void tst_MapiPropertyReader::tagValuesAgreeWithLibpstInEveryFile()
{
    int bodies = 0;
    int rtfBodies = 0;
    int ansiBodies = 0;
    int multiBlockMails = 0;
    for (const QString& path : TestData::allPstFiles()) {
        OpenPst pst(path);
        if (!pst.ok())
            continue; // files libpst itself cannot open are not this reader's concern
        const bool ansi = pst.file()->do_read64 == 0;
        pst.forEachItem([&](pst_desc_tree* node, pst_item* item) {
            // Other kinds of node (tables, search queues) are not property contexts.
            if (!item || item->folder || item->type != PST_TYPE_NOTE || (node->d_id & 0x1F) != kNormalMessageNode)
                return;
            const Reader reader(pst.file(), node);
            QVERIFY2(reader.isValid(), qPrintable(path));
            if (node->desc && NodeDataReader(pst.file()).dataBlocks(node->desc->i_id).size() > 1)
                ++multiBlockMails;
            if (item->body.str) {
                const QByteArray expected(item->body.str);
                if (item->body.is_utf8)
                    QCOMPARE(reader.string(0x1000).value_or(QString()), QString::fromUtf8(expected));
                else
                    QCOMPARE(reader.binary(0x1000).value_or(QByteArray()), expected);
                ++bodies;
                ansiBodies += ansi ? 1 : 0;
            }
            if (item->email && item->email->rtf_compressed.data) {
                const QByteArray expected(item->email->rtf_compressed.data, qsizetype(item->email->rtf_compressed.size));
                QCOMPARE(reader.binary(0x1009).value_or(QByteArray()), expected);
                ++rtfBodies;
            }
        });
        if (QTest::currentTestFailed()) {
            qWarning() << "In" << path;
            return;
        }
    }
    qInfo() << "bodies compared:" << bodies << "of which ANSI:" << ansiBodies << "compressed RTF:" << rtfBodies
            << "mails whose properties span blocks:" << multiBlockMails;
    QVERIFY(multiBlockMails > 0);
    QVERIFY(bodies > 100);
    QVERIFY(ansiBodies > 0);
    QVERIFY(rtfBodies > 100);
}

void tst_MapiPropertyReader::handMadeContextReadsItsProperty()
{
    PropertyContext context;
    QVERIFY(context.parse({smallPropertyContext()}));
    const auto property = context.property(0x0E07);
    QVERIFY(property);
    QCOMPARE(property->type, quint16(0x0003));
    QCOMPARE(property->data, QByteArray("\x01\x00\x00\x00", 4));
    QCOMPARE(context.propertyIds(), QList<quint16>{0x0E07});
    QVERIFY(!context.property(0x0E08));
}

void tst_MapiPropertyReader::truncatedContextReadsAsAbsent()
{
    const QByteArray whole = smallPropertyContext();
    for (int size = 0; size < whole.size(); ++size) {
        PropertyContext context;
        context.parse({whole.left(size)});
        QVERIFY2(!context.property(0x0E07) || size >= 28, qPrintable(QString("size %1").arg(size)));
    }
    PropertyContext empty;
    QVERIFY(!empty.parse({}));
    QVERIFY(!empty.parse({QByteArray()}));
    QVERIFY(empty.propertyIds().isEmpty());
}

void tst_MapiPropertyReader::randomBlocksNeverCrashTheParser()
{
    QRandomGenerator random(20240611);
    const QByteArray valid = smallPropertyContext();
    for (int round = 0; round < 20000; ++round) {
        QList<QByteArray> blocks;
        const int count = 1 + int(random.bounded(3));
        for (int i = 0; i < count; ++i) {
            QByteArray block = randomBytes(random, int(random.bounded(96)));
            // Keep the signatures often, so parsing gets past the header.
            if (block.size() >= 4 && random.bounded(2)) {
                block[2] = char(0xEC);
                block[3] = char(0xBC);
            }
            blocks.append(block);
        }
        if (random.bounded(2))
            blocks[0] = valid;
        PropertyContext context;
        context.parse(blocks);
        for (quint16 id : context.propertyIds())
            QVERIFY(context.property(id));
    }
}

void tst_MapiPropertyReader::mutatedRealBlocksNeverCrashTheParser()
{
    OpenPst pst(requirePst(kOutlookPst));
    QVERIFY(pst.ok());
    pst_desc_tree* task = pst.firstOfType(PST_TYPE_TASK);
    QVERIFY(task && task->desc);
    const QList<QByteArray> original = NodeDataReader(pst.file()).dataBlocks(task->desc->i_id);
    QCOMPARE(original.size(), 1);
    PropertyContext reference;
    QVERIFY(reference.parse(original));
    QVERIFY(reference.propertyIds().size() > 30);

    QRandomGenerator random(7);
    for (int round = 0; round < 3000; ++round) {
        QByteArray block = original.first();
        const int flips = 1 + int(random.bounded(8));
        for (int i = 0; i < flips; ++i)
            block[int(random.bounded(block.size()))] = char(random.bounded(256));
        if (random.bounded(4) == 0)
            block.truncate(int(random.bounded(block.size())));
        PropertyContext context;
        context.parse({block});
        for (quint16 id : context.propertyIds())
            QVERIFY(context.property(id)->data.size() <= block.size());
    }
}

void tst_MapiPropertyReader::randomTreesNeverCrashTheNodeReader()
{
    QRandomGenerator random(99);
    for (bool wide : {true, false}) {
        for (int round = 0; round < 5000; ++round) {
            // Every id names a random block, some shaped like tree pages.
            QHash<quint64, QByteArray> blocks;
            auto source = [&](quint64 id) {
                if (!blocks.contains(id)) {
                    QByteArray block = randomBytes(random, int(random.bounded(64)));
                    if (block.size() >= 2 && random.bounded(2)) {
                        block[0] = char(1 + random.bounded(2));
                        block[1] = char(random.bounded(3));
                        // Point children at a handful of ids so trees loop.
                        for (int at = 8; at + 8 <= block.size(); at += wide ? 8 : 4)
                            block[at] = char(random.bounded(8));
                    }
                    blocks.insert(id, block);
                }
                return blocks.value(id);
            };
            const NodeDataReader reader(source, wide);
            const quint64 root = random.bounded(8);
            const QList<QByteArray> data = reader.dataBlocks(root);
            qsizetype total = 0;
            for (const QByteArray& part : data)
                total += part.size();
            QVERIFY(total <= NodeDataReader::kMaxNodeDataBytes);
            reader.subnodes(root);
        }
    }
}

// Overwrites the task's block in a copy of the file: the reader then finds
// the node damaged (absent values) or reads what is left, never crashes.
void tst_MapiPropertyReader::damagedFileBlocksReadAsAbsent()
{
    const QString source = requirePst(kOutlookPst);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString copy = dir.filePath("damaged.pst");
    QVERIFY(QFile::copy(source, copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

    quint64 blockOffset = 0;
    quint64 blockSize = 0;
    quint64 taskId = 0;
    {
        OpenPst pst(copy);
        QVERIFY(pst.ok());
        pst_desc_tree* task = pst.firstOfType(PST_TYPE_TASK);
        QVERIFY(task && task->desc);
        taskId = task->d_id;
        blockOffset = task->desc->offset;
        blockSize = task->desc->size;
    }
    QVERIFY(blockSize > 16);

    QRandomGenerator random(3);
    for (int round = 0; round < 200; ++round) {
        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(qint64(blockOffset)));
        const bool wipe = round == 0;
        const QByteArray noise = wipe ? QByteArray(int(blockSize), '\xFF') : randomBytes(random, int(blockSize));
        QCOMPARE(file.write(noise), qint64(blockSize));
        file.close();

        OpenPst pst(copy);
        QVERIFY(pst.ok());
        // Found by id: libpst's own parse of the damaged record is not relied on.
        pst_desc_tree* task = pst.nodeById(taskId);
        QVERIFY(task);
        const Reader reader(pst.file(), task);
        if (wipe) {
            QVERIFY(!reader.isValid());
            QVERIFY(!reader.int32Named(Reader::kPsetidTask, Reader::kLidTaskStatus));
        }
        reader.doubleNamed(Reader::kPsetidTask, Reader::kLidPercentComplete);
        reader.stringNamed(Reader::kPsetidTask, Reader::kLidTaskOwner);
        reader.binary(0x1009);
    }
}

QTEST_GUILESS_MAIN(tst_MapiPropertyReader)
#include "tst_MapiPropertyReader.moc"
