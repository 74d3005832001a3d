// SPDX-License-Identifier: GPL-2.0-or-later
// The parts of the file that libpst and libpff never check: header CRCs,
// page and block trailers, allocation maps at their fixed places, B-tree
// ordering. Checked against the format's rules directly.
#include "PstChecksum.h"
#include "PstPresets.h"
#include "PstWriter.h"
#include "TestData.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <set>

namespace {

constexpr qint64 kFirstAMap = 0x4400;
constexpr qint64 kAMapCoverage = 253952;

uint16_t u16(const QByteArray& d, qint64 at) { return uint16_t(uchar(d[at]) | (uchar(d[at + 1]) << 8)); }
uint32_t u32(const QByteArray& d, qint64 at) { return uint32_t(u16(d, at)) | (uint32_t(u16(d, at + 2)) << 16); }
uint64_t u64(const QByteArray& d, qint64 at) { return uint64_t(u32(d, at)) | (uint64_t(u32(d, at + 4)) << 32); }

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool isAllocated(const QByteArray& file, qint64 offset)
{
    const qint64 region = (offset - kFirstAMap) / kAMapCoverage;
    const qint64 amap = kFirstAMap + region * kAMapCoverage;
    const qint64 bit = (offset - amap) / 64;
    return uchar(file[amap + bit / 8]) & (0x80 >> (bit % 8));
}

struct BlockRef {
    uint64_t bid;
    uint64_t ib;
    uint16_t cb;
};

} // namespace

class PstWriterLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void checksumMatchesOutlookFiles();
    void headerIsValid();
    void mapPagesSitAtTheirIntervals();
    void btreePagesAndBlocksAreConsistent();

private:
    void walkBtree(uint64_t bid, uint64_t ib, uint8_t pageType, int expectedLevel, std::vector<QByteArray>* leaves);

    QTemporaryDir m_dir;
    QByteArray m_file; // a 45 MB mailbox: past the first FMap
};

void PstWriterLayoutTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    PstPresets::MailboxOptions options;
    options.mails = 400;
    options.attachmentsPerMail = 1;
    options.attachmentKb = 100;
    options.mailsPerFolder = 150;
    const QString path = m_dir.filePath(QStringLiteral("layout.pst"));
    QVERIFY(PstPresets::writeMailbox(path, options));
    m_file = readAll(path);
    QVERIFY(m_file.size() > 40 * 1024 * 1024);
}

void PstWriterLayoutTest::checksumMatchesOutlookFiles()
{
    // Ties the CRC used below to files written by other software.
    QVERIFY2(TestData::available(), "shared test data is missing");
    for (const char* name : {"emk__pstsdk__sample1.pst", "aquasync__ruby-msg__msgInMsg.pst"}) {
        const QByteArray header = readAll(TestData::pst(QLatin1String(name))).left(564);
        QVERIFY2(header.size() == 564, name);
        QCOMPARE(PstChecksum::crc(header.constData() + 8, 471), u32(header, 4));
        QCOMPARE(PstChecksum::crc(header.constData() + 8, 516), u32(header, 524));
    }
}

void PstWriterLayoutTest::headerIsValid()
{
    QCOMPARE(m_file.left(4), QByteArray("!BDN"));
    QCOMPARE(PstChecksum::crc(m_file.constData() + 8, 471), u32(m_file, 4));
    QCOMPARE(PstChecksum::crc(m_file.constData() + 8, 516), u32(m_file, 524));
    QCOMPARE(u16(m_file, 8), uint16_t(0x4D53));
    QCOMPARE(u16(m_file, 10), uint16_t(23));
    QCOMPARE(uchar(m_file[512]), uchar(0x80));
    QCOMPARE(qint64(u64(m_file, 184)), qint64(m_file.size()));
    QCOMPARE((m_file.size() - kFirstAMap) % kAMapCoverage, qint64(0));
    QCOMPARE(qint64(u64(m_file, 192)), m_file.size() - kAMapCoverage); // ibAMapLast
    QCOMPARE(uchar(m_file[248]), uchar(0x02));                           // fAMapValid
}

void PstWriterLayoutTest::mapPagesSitAtTheirIntervals()
{
    const qint64 regions = (m_file.size() - kFirstAMap) / kAMapCoverage;
    QVERIFY(regions > 128);
    qint64 freeBytes = 0;
    for (qint64 r = 0; r < regions; ++r) {
        const qint64 at = kFirstAMap + r * kAMapCoverage;
        QCOMPARE(uchar(m_file[at + 496]), uchar(0x84));
        QCOMPARE(uchar(m_file[at + 497]), uchar(0x84));
        QCOMPARE(PstChecksum::crc(m_file.constData() + at, 496), u32(m_file, at + 500));
        QVERIFY(uchar(m_file[at]) == 0xFF || (r % 8 != 0 && (uchar(m_file[at]) & 0x80)));
        for (int i = 0; i < 496; ++i)
            freeBytes += 64 * (8 - qPopulationCount(uchar(m_file[at + i])));
        if (r % 8 == 0)
            QCOMPARE(uchar(m_file[at + 512 + 496]), uchar(0x83));
        if (r >= 128 && (r - 128) % 496 == 0) {
            QCOMPARE(uchar(m_file[at + 1024 + 496]), uchar(0x82));
            QCOMPARE(PstChecksum::crc(m_file.constData() + at + 1024, 496), u32(m_file, at + 1024 + 500));
        }
    }
    QCOMPARE(qint64(u64(m_file, 200)), freeBytes); // cbAMapFree
}

void PstWriterLayoutTest::walkBtree(uint64_t bid, uint64_t ib, uint8_t pageType, int expectedLevel,
                                    std::vector<QByteArray>* leaves)
{
    const qint64 at = qint64(ib);
    QVERIFY(at % 512 == 0 && at + 512 <= m_file.size());
    QVERIFY(isAllocated(m_file, at));
    QCOMPARE(uchar(m_file[at + 496]), pageType);
    QCOMPARE(PstChecksum::crc(m_file.constData() + at, 496), u32(m_file, at + 500));
    QCOMPARE(u16(m_file, at + 498), PstChecksum::signature(ib, bid));
    QCOMPARE(u64(m_file, at + 504), bid);
    const int count = uchar(m_file[at + 488]);
    const int entrySize = uchar(m_file[at + 490]);
    const int level = uchar(m_file[at + 491]);
    if (expectedLevel >= 0)
        QCOMPARE(level, expectedLevel);
    uint64_t previous = 0;
    for (int i = 0; i < count; ++i) {
        const qint64 e = at + qint64(i) * entrySize;
        const uint64_t key = u64(m_file, e);
        QVERIFY2(i == 0 || key > previous, "B-tree keys must ascend");
        previous = key;
        if (level == 0)
            leaves->push_back(m_file.mid(e, entrySize));
        else
            walkBtree(u64(m_file, e + 8), u64(m_file, e + 16), pageType, level - 1, leaves);
    }
}

void PstWriterLayoutTest::btreePagesAndBlocksAreConsistent()
{
    std::vector<QByteArray> nodes;
    std::vector<QByteArray> blocks;
    walkBtree(u64(m_file, 216), u64(m_file, 224), 0x81, -1, &nodes);
    walkBtree(u64(m_file, 232), u64(m_file, 240), 0x80, -1, &blocks);
    QVERIFY(nodes.size() > 400);
    std::set<uint64_t> bids;
    for (const QByteArray& e : blocks) {
        const BlockRef b{u64(e, 0), u64(e, 8), u16(e, 16)};
        bids.insert(b.bid);
        const qint64 total = (qint64(b.cb) + 16 + 63) / 64 * 64;
        const qint64 trailer = qint64(b.ib) + total - 16;
        QVERIFY(trailer + 16 <= m_file.size());
        QCOMPARE(u16(m_file, trailer), b.cb);
        QCOMPARE(u16(m_file, trailer + 2), PstChecksum::signature(b.ib, b.bid));
        QCOMPARE(PstChecksum::crc(m_file.constData() + b.ib, b.cb), u32(m_file, trailer + 4));
        QCOMPARE(u64(m_file, trailer + 8), b.bid);
        // A block lies inside one region's data, away from the map pages.
        const qint64 region = (qint64(b.ib) - kFirstAMap) / kAMapCoverage;
        QCOMPARE((qint64(b.ib) + total - 1 - kFirstAMap) / kAMapCoverage, region);
        QVERIFY(qint64(b.ib) >= kFirstAMap + region * kAMapCoverage + 512);
        QVERIFY(isAllocated(m_file, qint64(b.ib)));
    }
    for (const QByteArray& e : nodes) {
        QVERIFY2(bids.count(u64(e, 8)), "node data block missing from the block B-tree");
        QVERIFY2(u64(e, 16) == 0 || bids.count(u64(e, 16)), "sub-node block missing from the block B-tree");
    }
}

QTEST_GUILESS_MAIN(PstWriterLayoutTest)
#include "PstWriterLayoutTest.moc"
