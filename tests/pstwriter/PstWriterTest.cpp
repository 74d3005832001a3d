// SPDX-License-Identifier: GPL-2.0-or-later
// The test PST writer's files, read by two independent readers, libpst and
// libpff: every kind of item with the same values in both, in the plain and
// the permuted encoding; a large file with data trees (XBLOCK, XXBLOCK),
// sub-node trees (SLBLOCK, SIBLOCK) and a streamed attachment; and the layout
// neither reader checks (header, allocation maps, B-tree pages, block trailers).
#include "LibpstFile.h"
#include "PffOracle.h"
#include "PstChecksum.h"
#include "PstMessageEncoder.h"
#include "PstPresets.h"
#include "PstWriter.h"
#include "TestData.h"

extern "C" {
#include <libpst/lzfu.h>
}

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

#include <set>

using namespace LibpstFixture;

namespace {

using Expected = std::function<QString(const PstMessage&)>;
using LibpstValue = std::function<QString(pst_item*)>;
struct Value {
    const char* subject;
    quint32 property; // as libpff reads it
    Expected expected;
    LibpstValue libpst;
};
QString text(const pst_string& s) { return LibpstFile::text(s); }
QString secs(const QDateTime& t) { return QString::number(t.toSecsSinceEpoch()); }
QString secs(const FILETIME* t) { return QString::number(LibpstFile::seconds(t)); }
QString hex(const QByteArray& data) { return QString::fromLatin1(data.toHex()); }
QString hex(const pst_binary& b) { return hex(QByteArray(b.data, qsizetype(b.size))); }

// One value of each kind of item and of property type.
const std::vector<Value>& values()
{
    using M = const PstMessage&;
    static const std::vector<Value> list{
        {"Quarterly figures", 0x0C1A, [](M m) { return m.senderName; }, [](pst_item* i) { return text(i->email->outlook_sender_name); }},
        {"Quarterly figures", 0x0039, [](M m) { return secs(m.sentTime); }, [](pst_item* i) { return secs(i->email->sent_date); }},
        {"Quarterly figures", 0x007D, [](M m) { return m.transportHeaders; }, [](pst_item* i) { return text(i->email->header); }},
        {"Logo proposal", 0x1013, [](M m) { return hex(m.htmlBody); }, [](pst_item* i) { return hex(LibpstFile::bytes(i->email->htmlbody)); }},
        {"Undeliverable: Quarterly figures", 0x1001, [](M m) { return m.reportText; }, [](pst_item* i) { return text(i->email->report_text); }},
        {"Planning meeting", 0x8208, [](M m) { return m.location; }, [](pst_item* i) { return text(i->appointment->location); }},
        {"Design review", 0x820D, [](M m) { return secs(m.start); }, [](pst_item* i) { return secs(i->appointment->start); }},
        {"Design review", 0x8501, [](M m) { return QString::number(m.reminderMinutes); }, [](pst_item* i) { return QString::number(i->appointment->alarm_minutes); }},
        {"Public holiday", 0x8215, [](M m) { return QString::number(m.allDay); }, [](pst_item* i) { return QString::number(i->appointment->all_day); }},
        {"Team sync", 0x8216, [](M m) { return hex(PstMessageEncoder::recurrenceBlob(m)); }, [](pst_item* i) { return hex(i->appointment->recurrence_data); }},
        {"Team sync", 0x8232, [](M m) { return m.recurrence.description; }, [](pst_item* i) { return text(i->appointment->recurrence_description); }},
        {"Helen Q. Contact", 0x3A42, [](M m) { return secs(QDateTime(m.birthday, QTime(0, 0), Qt::UTC)); }, [](pst_item* i) { return secs(i->contact->birthday); }},
        {"Helen Q. Contact", 0x3A30, [](M m) { return m.contact["assistant_name"]; }, [](pst_item* i) { return text(i->contact->assistant_name); }},
        {"Write the report", 0x8102, [](M m) { return QString::number(m.percentComplete); }, nullptr},
        {"Book the venue", 0x811C, [](M m) { return QString::number(m.complete); }, nullptr},
        {"Book the venue", 0x810F, [](M m) { return secs(m.dateCompleted); }, nullptr},
        {"Call with supplier", 0x8700, [](M m) { return m.journalType; }, [](pst_item* i) { return text(i->journal->type); }},
        {"Edited the plan", 0x8712, [](M m) { return m.journalTypeDescription; }, [](pst_item* i) { return text(i->journal->description); }}};
    return list;
}

// One file as both readers see it, messages keyed "folder/subject".
struct Seen {
    std::unique_ptr<LibpstFile> pst;
    QStringList libpstFolders;
    std::map<QString, ItemPtr> libpst;
    std::map<QString, QMap<quint32, QString>> libpff; // values by property
    std::map<QString, QList<QByteArray>> libpffAttachments;

    QList<QByteArray> libpstAttachments(const QString& key) const
    {
        QList<QByteArray> out;
        for (pst_item_attach* a = libpst.at(key)->attach; a; a = a->next)
            if (a->method == PST_ATTACH_BY_VALUE) // libpst adds an empty record per recipient
                out << pst->attachmentBytes(a);
        return out;
    }
};

Seen read(const QString& path, QList<quint32> properties)
{
    Seen seen{std::make_unique<LibpstFile>(path), {}, {}, {}, {}};
    seen.libpstFolders = seen.pst->folderPaths();
    for (LibpstFile::Message& m : seen.pst->messages()) {
        QTextCodec* codec = QTextCodec::codecForName("CP" + QByteArray::number(m.item->message_codepage));
        const QString subject = m.item->subject.is_utf8 ? text(m.item->subject) : codec->toUnicode(m.item->subject.str);
        seen.libpst[m.folderPath + '/' + subject] = std::move(m.item);
    }
    properties << 0x001A << 0x1000;
    PffOracle::forEachMessage(path, [&](const QString& folder, libpff_item_t* message) {
        QString subject = PffOracle::value(message, 0x0037);
        subject = subject.startsWith(QChar(1)) ? subject.mid(2) : subject; // the stored prefix marker
        const QString key = folder.section('/', 1) + '/' + subject;
        for (quint32 property : properties)
            seen.libpff[key][property] = PffOracle::value(message, property);
        seen.libpffAttachments[key] = PffOracle::attachments(message);
        seen.libpffAttachments[key].removeAll(QByteArray()); // attached mails
    });
    return seen;
}

QList<QByteArray> sorted(QList<QByteArray> list)
{
    std::sort(list.begin(), list.end());
    return list;
}

QByteArray pattern(qint64 size)
{
    QByteArray data(size, 0);
    for (qint64 i = 0; i < size; ++i)
        data[i] = PstWriter::patternByte(quint64(i));
    return data;
}

void forEachMessage(const QList<PstFolder>& folders, const QString& path,
                    const std::function<void(const QString&, const PstMessage&)>& visit)
{
    for (const PstFolder& f : folders) {
        const QString here = path.isEmpty() ? f.name : path + '/' + f.name;
        for (const PstMessage& m : f.messages)
            visit(here, m);
        forEachMessage(f.folders, here, visit);
    }
}

uint16_t u16(const QByteArray& d, qint64 at) { return uint16_t(uchar(d[at]) | (uchar(d[at + 1]) << 8)); }
uint32_t u32(const QByteArray& d, qint64 at) { return uint32_t(u16(d, at)) | (uint32_t(u16(d, at + 2)) << 16); }
uint64_t u64(const QByteArray& d, qint64 at) { return uint64_t(u32(d, at)) | (uint64_t(u32(d, at + 4)) << 32); }
constexpr qint64 kFirstAMap = 0x4400;
constexpr qint64 kAMapCoverage = 253952;

} // namespace

class PstWriterTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    PstDescription m_description = PstPresets::allKinds();
    std::map<bool, Seen> m_seen; // by permute

    const PstMessage* described(const QString& subject, QString* folder = nullptr)
    {
        const PstMessage* found = nullptr;
        forEachMessage(m_description.folders, QString(), [&](const QString& f, const PstMessage& m) {
            if (m.subject == subject && !found)
                found = &m, folder && (*folder = f, true);
        });
        return found;
    }

    void walkBtree(const QByteArray& file, uint64_t bid, uint64_t ib, uint8_t type, int level, std::vector<QByteArray>* leaves)
    {
        const qint64 at = qint64(ib);
        QVERIFY(at % 512 == 0 && at + 512 <= file.size());
        QCOMPARE(uchar(file[at + 496]), type);
        QCOMPARE(PstChecksum::crc(file.constData() + at, 496), u32(file, at + 500));
        QCOMPARE(u16(file, at + 498), PstChecksum::signature(ib, bid));
        QCOMPARE(u64(file, at + 504), bid);
        QVERIFY(level < 0 || uchar(file[at + 491]) == level);
        for (int i = 0, size = uchar(file[at + 490]); i < uchar(file[at + 488]); ++i) {
            const qint64 e = at + qint64(i) * size;
            QVERIFY2(i == 0 || u64(file, e) > u64(file, e - size), "B-tree keys must ascend");
            if (uchar(file[at + 491]) == 0)
                leaves->push_back(file.mid(e, size));
            else
                walkBtree(file, u64(file, e + 8), u64(file, e + 16), type, uchar(file[at + 491]) - 1, leaves);
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QList<quint32> properties;
        for (const Value& v : values())
            properties << v.property;
        for (const PstMessageEncoder::ContactField& field : PstMessageEncoder::contactFields())
            properties << field.id;
        for (bool permute : {false, true}) {
            PstDescription d = m_description;
            d.permute = permute;
            const QString path = m_dir.filePath(QStringLiteral("all-kinds-%1.pst").arg(permute));
            QString error;
            QVERIFY2(PstWriter::write(d, path, &error), qPrintable(error));
            m_seen[permute] = read(path, properties);
            QCOMPARE(int(m_seen[permute].pst->file()->encryption), permute ? PST_COMP_ENCRYPT : 0);
        }
    }

    void everyItemReadsTheSame_data()
    {
        QTest::addColumn<bool>("permute");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("subject");
        for (bool permute : {false, true})
            forEachMessage(m_description.folders, QString(), [&](const QString& folder, const PstMessage& m) {
                QTest::addRow("%s %s", permute ? "permuted" : "plain", qPrintable(m.subject)) << permute << folder << m.subject;
            });
    }

    void everyItemReadsTheSame()
    {
        QFETCH(bool, permute);
        QFETCH(QString, folder);
        QFETCH(QString, subject);
        const Seen& seen = m_seen[permute];
        const PstMessage* m = described(subject);
        const QString key = folder + '/' + m->subjectPrefix + subject;
        QVERIFY2(seen.libpst.count(key) && seen.libpff.count(key), qPrintable(key));
        pst_item* item = seen.libpst.at(key).get();
        QCOMPARE(QString::fromLatin1(item->ascii_type), m->effectiveClass());
        QCOMPARE(seen.libpff.at(key)[0x001A], m->effectiveClass());
        QCOMPARE(seen.libpff.at(key)[0x1000], m->body);
        if (m->codePage) { // 8-bit strings: libpst keeps the bytes
            QCOMPARE(item->message_codepage, m->codePage);
            QCOMPARE(LibpstFile::bytes(item->body), QTextCodec::codecForName("CP" + QByteArray::number(m->codePage))->fromUnicode(m->body));
        } else {
            QCOMPARE(text(item->body), m->body);
        }
        QList<QByteArray> attachments;
        for (const PstAttachment& a : m->attachments)
            if (!a.embedded)
                attachments << (a.generatedSize < 0 ? a.data : pattern(a.generatedSize));
        QCOMPARE(sorted(seen.libpffAttachments.at(key)), sorted(attachments));
        QCOMPARE(sorted(seen.libpstAttachments(key)), sorted(attachments));
        if (permute)
            QCOMPARE(seen.libpstFolders, m_seen[false].libpstFolders);
    }

    void valuesReadTheSame_data()
    {
        QTest::addColumn<int>("index");
        for (size_t i = 0; i < values().size(); ++i)
            QTest::addRow("%s 0x%04x", values()[i].subject, values()[i].property) << int(i);
    }

    void valuesReadTheSame()
    {
        QFETCH(int, index);
        const Value& v = values()[size_t(index)];
        QString folder;
        const PstMessage* m = described(QString::fromUtf8(v.subject), &folder);
        const QString key = folder + '/' + m->subjectPrefix + m->subject;
        const QString expected = v.expected(*m);
        QVERIFY(!expected.isEmpty());
        QCOMPARE(m_seen[false].libpff.at(key).value(v.property), expected);
        if (v.libpst)
            QCOMPARE(v.libpst(m_seen[false].libpst.at(key).get()), expected);
    }

    void libpstDetails()
    {
        // libpff resolves every named contact field through the name-to-id map.
        const PstMessage* contact = described(QStringLiteral("Helen Q. Contact"));
        for (const PstMessageEncoder::ContactField& field : PstMessageEncoder::contactFields())
            QCOMPARE(m_seen[false].libpff.at("Contacts/" + contact->subject)[field.id], contact->contact[field.key]);
        // Compressed RTF, the categories and named strings as extra fields, attached mails two deep.
        const auto& items = m_seen[false].libpst;
        const PstMessage* rtf = described(QStringLiteral("Rich text from Exchange"));
        const pst_binary& compressed = items.at("Inbox/" + rtf->subject)->email->rtf_compressed;
        size_t size = 0;
        char* decompressed = pst_lzfu_decompress(compressed.data, uint32_t(compressed.size), &size);
        QCOMPARE(QByteArray(decompressed, qsizetype(size)), rtf->rtfBody);
        free(decompressed);
        QStringList fields;
        for (pst_item_extra_field* f = items.at("Inbox/Quarterly figures")->extra_fields; f; f = f->next)
            fields << QString::fromUtf8(f->field_name) + '=' + QString::fromUtf8(f->value);
        fields.sort();
        QCOMPARE(fields, (QStringList{"Keywords=Finance", "Keywords=Important", "x-mailer=Lumaroo test writer"}));
        QStringList nested;
        std::vector<ItemPtr> owned;
        for (pst_item *item = items.at("Inbox/FW: Forwarded message").get(), *next = nullptr; item; item = next, next = nullptr)
            for (pst_item_attach* a = item->attach; a; a = a->next)
                if (a->method == PST_ATTACH_EMBEDDED && (owned.push_back(m_seen[false].pst->parseEmbedded(a)), next = owned.back().get()))
                    nested << text(next->subject) + ": " + text(next->body);
                else if (a->method == PST_ATTACH_BY_VALUE)
                    nested << m_seen[false].pst->attachmentBytes(a);
        // libpst decodes each recurrence pattern: type, interval, count (0 when endless), end, week days.
        for (const auto& [subject, decoded] : {std::pair{"Daily stand-up", "0 1 5 1"}, {"Team sync", "1 2 10 1 10"},
                                               {"Invoice run", "2 1 0 2"}, {"Anniversary", "3 1 3 1"}}) {
            pst_recurrence* r = pst_convert_recurrence(items.at(QStringLiteral("Calendar/") + subject)->appointment);
            QVERIFY2(r, subject);
            const QString weekly = r->type == 1 ? QStringLiteral(" %1").arg(r->bydaymask) : QString();
            QCOMPARE(QStringLiteral("%1 %2 %3 %4").arg(r->type).arg(r->interval).arg(r->count).arg(r->termination) + weekly,
                     QString::fromLatin1(decoded));
            pst_free_recurrence(r);
        }
        QCOMPARE(nested, (QStringList{"Forwarded message: Depth one.", "Innermost message: Depth two.", "inner attachment"}));
    }

    // pstgen writes the same bytes as the library, and a JSON description as stated.
    void pstgenAndJson()
    {
        const QString path = m_dir.filePath(QStringLiteral("pstgen.pst"));
        const QString json = m_dir.filePath(QStringLiteral("d.json"));
        QFile f(json);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(R"({"folders": [{"name": "Inbox", "messages": [{"subject": "Json mail", "sentTime": "2024-02-03T04:05:06Z",
                 "attachments": [{"longName": "a.txt", "data": "attached"}]}, {"kind": "task", "subject": "Json task"}],
                 "folders": [{"name": "Sub"}]}]})");
        f.close();
        for (const QStringList& args : {QStringList{"--preset", "all-kinds"}, QStringList{"--json", json}}) {
            QProcess pstgen;
            pstgen.start(QStringLiteral(PSTGEN_PATH), args + QStringList{"-o", path});
            QVERIFY(pstgen.waitForFinished(60000) && pstgen.exitCode() == 0);
            QVERIFY(pstgen.readAllStandardOutput().contains("MB/s"));
            if (args[0] == "--preset") {
                QFile written(path), inProcess(m_dir.filePath(QStringLiteral("all-kinds-0.pst")));
                QVERIFY(written.open(QIODevice::ReadOnly) && inProcess.open(QIODevice::ReadOnly));
                QVERIFY2(written.readAll() == inProcess.readAll(), "pstgen and PstWriter::write differ");
            }
        }
        const Seen seen = read(path, {0x0039});
        QCOMPARE(seen.libpstFolders, (QStringList{"Inbox", "Inbox/Sub"}));
        QCOMPARE(QString::fromLatin1(seen.libpst.at("Inbox/Json task")->ascii_type), QStringLiteral("IPM.Task"));
        QCOMPARE(seen.libpff.at("Inbox/Json mail")[0x0039], secs(QDateTime(QDate(2024, 2, 3), QTime(4, 5, 6), Qt::UTC)));
        QCOMPARE(seen.libpffAttachments.at("Inbox/Json mail"), QList<QByteArray>{"attached"});
    }

    // A file past the first 128 allocation maps, with nested folders, an
    // attachment over 8 MB (XXBLOCK) and a mail of 400 attachments (SIBLOCK).
    void largeFile()
    {
        const QString path = m_dir.filePath(QStringLiteral("large.pst"));
        PstPresets::MailboxOptions options;
        options.mails = 3000, options.attachmentsPerMail = 1, options.attachmentKb = 12, options.bodyKb = 1;
        PstWriter writer;
        QVERIFY(writer.open(path));
        int folder = writer.topFolder();
        for (int i = 0; i < options.mails; ++i) {
            if (i % 1000 == 0)
                folder = writer.addFolder(folder, QStringLiteral("Inbox %1").arg(i / 1000), QStringLiteral("IPF.Note"));
            QVERIFY(writer.addMessage(folder, PstPresets::mailboxMail(i, options)));
        }
        PstMessage huge, many;
        huge.subject = QStringLiteral("Huge"), many.subject = QStringLiteral("Many");
        huge.attachments = {PstAttachment{QStringLiteral("huge.bin"), {}, {}, {}, {}, 9 << 20, {}}};
        QList<QByteArray> numbers;
        for (int i = 0; i < 400; ++i)
            many.attachments << PstAttachment{QStringLiteral("%1.txt").arg(i), {}, {}, {}, numbers.emplaceBack(QByteArray::number(i)), -1, {}};
        const int big = writer.addFolder(writer.topFolder(), QStringLiteral("Big"));
        QVERIFY(writer.addMessage(big, huge) && writer.addMessage(big, many) && writer.close());

        const Seen seen = read(path, {});
        QCOMPARE(seen.libpst.size(), size_t(options.mails + 2));
        QCOMPARE(seen.libpff.size(), size_t(options.mails + 2));
        QCOMPARE(seen.libpstFolders.size(), 4);
        QCOMPARE(seen.libpffAttachments.at("Big/Huge"), QList<QByteArray>{pattern(9 << 20)});
        QCOMPARE(seen.libpstAttachments("Big/Huge"), seen.libpffAttachments.at("Big/Huge"));
        QCOMPARE(sorted(seen.libpffAttachments.at("Big/Many")), sorted(numbers));
        // Over 340 sub-nodes need an SIBLOCK; libpst finds none of the attachments below one.
        QEXPECT_FAIL("", "libpst 0.6.76 reads no attachment below an SIBLOCK, libpff reads them all", Continue);
        QCOMPARE(sorted(seen.libpstAttachments("Big/Many")), sorted(numbers));

        // Layout: header CRCs and sizes, allocation maps at their intervals, B-tree pages and block trailers.
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray file = f.readAll();
        QCOMPARE(file.left(4), QByteArray("!BDN"));
        QCOMPARE(PstChecksum::crc(file.constData() + 8, 471), u32(file, 4));
        QCOMPARE(PstChecksum::crc(file.constData() + 8, 516), u32(file, 524));
        QCOMPARE(u16(file, 10), uint16_t(23));
        QCOMPARE(qint64(u64(file, 184)), qint64(file.size()));
        QCOMPARE(qint64(u64(file, 192)), file.size() - kAMapCoverage);
        const qint64 regions = (file.size() - kFirstAMap) / kAMapCoverage;
        QVERIFY(regions > 128 && (file.size() - kFirstAMap) % kAMapCoverage == 0);
        qint64 freeBytes = 0;
        for (qint64 r = 0, at = kFirstAMap; r < regions; ++r, at += kAMapCoverage) {
            QCOMPARE(u16(file, at + 496), uint16_t(0x8484));
            QCOMPARE(PstChecksum::crc(file.constData() + at, 496), u32(file, at + 500));
            for (int i = 0; i < 496; ++i)
                freeBytes += 64 * (8 - qPopulationCount(uchar(file[at + i])));
            QVERIFY(r % 8 != 0 || uchar(file[at + 512 + 496]) == 0x83);
            QVERIFY(r < 128 || (r - 128) % 496 != 0 || uchar(file[at + 1024 + 496]) == 0x82);
        }
        QCOMPARE(qint64(u64(file, 200)), freeBytes);
        std::vector<QByteArray> nodes, blocks;
        walkBtree(file, u64(file, 216), u64(file, 224), 0x81, -1, &nodes);
        walkBtree(file, u64(file, 232), u64(file, 240), 0x80, -1, &blocks);
        std::set<uint64_t> bids;
        for (const QByteArray& e : blocks) {
            const uint64_t bid = u64(e, 0), ib = u64(e, 8);
            const uint16_t cb = u16(e, 16);
            const qint64 trailer = qint64(ib) + (cb + 16 + 63) / 64 * 64 - 16;
            QCOMPARE(u16(file, trailer), cb);
            QCOMPARE(u16(file, trailer + 2), PstChecksum::signature(ib, bid));
            QCOMPARE(PstChecksum::crc(file.constData() + ib, cb), u32(file, trailer + 4));
            QCOMPARE(u64(file, trailer + 8), bid);
            QCOMPARE((trailer + 15 - kFirstAMap) / kAMapCoverage, (qint64(ib) - kFirstAMap) / kAMapCoverage);
            bids.insert(bid);
        }
        for (const QByteArray& e : nodes)
            QVERIFY2(bids.count(u64(e, 8)) && (u64(e, 16) == 0 || bids.count(u64(e, 16))), "node block missing");
    }

    // Ties the CRC above to files written by other software.
    void checksumMatchesOutlookFiles()
    {
        QVERIFY2(TestData::available(), "shared test data is missing");
        QFile f(TestData::pst(QStringLiteral("emk__pstsdk__sample1.pst")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray header = f.read(564);
        QCOMPARE(PstChecksum::crc(header.constData() + 8, 471), u32(header, 4));
        QCOMPARE(PstChecksum::crc(header.constData() + 8, 516), u32(header, 524));
    }
};

QTEST_GUILESS_MAIN(PstWriterTest)
#include "PstWriterTest.moc"
