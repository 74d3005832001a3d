// SPDX-License-Identifier: GPL-2.0-or-later
// bench_searchindex: the search index's parts, each beside its reference:
//   walk        libpst: every item of a generated mailbox parsed (reference)
//   read        the same, each item's index entry read (IndexedItemReader)
//   write       the same, each entry added to one shard, finished
//   size        the shard's bytes beside the bytes of text it holds
//   word        one-word queries sampled from the texts: median and 95th
//               percentile in ms (reference: 30 and 100 ms)
//   phrase      two words standing together in an item, with a date filter:
//               median (reference 100 ms)
// First on the generated mailbox (20 KB bodies of one repeated line), then on
// "varied" text: words drawn from a large vocabulary by a Zipf law, which
// compresses and indexes about like real mail.
//
//   bench_searchindex [--mails 5000] [--varied 5000] [--dir FOLDER]
#include "../common/DescTreeWalk.h"

#include "IndexedItemReader.h"
#include "PstPresets.h"
#include "SearchIndex.h"
#include "SearchIndexWriter.h"

#include <libpst/libpst.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace {

QTextStream out(stdout);


struct Walk
{
    int items = 0;
    qint64 textBytes = 0;
    double seconds = 0;
    QStringList sampleWords;
    QStringList samplePhrases;
};

enum class Stage { Parse, Read, Write };

qint64 textBytes(const IndexedItem& entry)
{
    return entry.subject.toUtf8().size() + entry.sender.toUtf8().size() + entry.recipients.toUtf8().size()
        + entry.body.toUtf8().size() + entry.attachmentNames.toUtf8().size();
}

// A word, and two words that stand together, of the item's texts.
void sample(const IndexedItem& entry, QStringList* words, QStringList* phrases)
{
    static const QRegularExpression separators(QStringLiteral("[^\\w]+"));
    const QStringList parts = (entry.subject + QLatin1Char(' ') + entry.body.left(2000)).split(separators, Qt::SkipEmptyParts);
    if (parts.size() < 2)
        return;
    const int at = QRandomGenerator::global()->bounded(int(parts.size()) - 1);
    words->append(parts.at(at));
    phrases->append(parts.at(at) + QLatin1Char(' ') + parts.at(at + 1));
}

Walk walk(const QString& pstPath, Stage stage)
{
    Walk result;
    QElapsedTimer timer;
    timer.start();
    pst_file file{};
    if (pst_open(&file, pstPath.toLocal8Bit().constData(), nullptr) != 0 || pst_load_index(&file) != 0)
        return result;
    pst_load_extended_attributes(&file);
    SearchIndexWriter writer(pstPath);
    if (stage == Stage::Write && !writer.open(0, 1))
        return result;
    for (pst_desc_tree* node = file.d_head; node;) {
        if (pst_item* record = pst_parse_item(&file, node, nullptr)) {
            IndexedItem entry;
            if (stage == Stage::Parse) {
                ++result.items;
            } else if (IndexedItemReader::read(&file, node, record, QStringLiteral("Inbox"), &entry)) {
                ++result.items;
                result.textBytes += textBytes(entry);
                if (result.items % 25 == 0)
                    sample(entry, &result.sampleWords, &result.samplePhrases);
                if (stage == Stage::Write)
                    writer.add(entry);
            }
            pst_freeItem(record);
        }
        node = nextDescNode(node);
    }
    if (stage == Stage::Write)
        writer.finish(result.items);
    result.seconds = timer.elapsed() / 1000.0;
    pst_close(&file);
    return result;
}

qint64 indexBytes(const QString& pstPath)
{
    qint64 bytes = 0;
    const QDir dir(SearchIndex::locationFor(pstPath));
    for (const QFileInfo& info : dir.entryInfoList({QStringLiteral("*.db")}, QDir::Files))
        bytes += info.size();
    return bytes;
}

double percentile(QList<double> values, double fraction)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values.at(std::min(qsizetype(values.size() - 1), qsizetype(fraction * double(values.size()))));
}

void measureQueries(const QString& pstPath, const QString& label, const QStringList& words,
                    const QStringList& phrases)
{
    SearchIndex index(pstPath);
    // As the window asks: 500 hits, snippets for its first screen.
    SearchIndex::Options window;
    window.snippets = SearchIndex::kScreenSnippets;
    QList<double> single;
    QList<double> phrase;
    qint64 hits = 0;
    for (int i = 0; i < 200 && !words.isEmpty(); ++i) {
        const QString word = words.at(i % words.size());
        QElapsedTimer timer;
        timer.start();
        hits += index.search(SearchQuery::parse(word), window).size();
        single << timer.nsecsElapsed() / 1e6;
        const QString pair = QStringLiteral("\"%1\" after:2019-06-01").arg(phrases.at(i % phrases.size()));
        timer.restart();
        index.search(SearchQuery::parse(pair), window);
        phrase << timer.nsecsElapsed() / 1e6;
    }
    out << label << " word median ms " << percentile(single, 0.5) << " (reference 30), 95th " << percentile(single, 0.95)
        << " (reference 100), hits per query " << (single.isEmpty() ? 0 : hits / single.size()) << "\n";
    out << label << " phrase+date median ms " << percentile(phrase, 0.5) << " (reference 100)" << Qt::endl;
}

void generatedMailbox(const QString& dir, int mails)
{
    const QString path = QDir(dir).filePath(QStringLiteral("search-%1.pst").arg(mails));
    if (!QFileInfo::exists(path)) {
        PstPresets::MailboxOptions options;
        options.mails = mails;
        options.bodyKb = 20;
        options.mailsPerFolder = 5000;
        QString error;
        if (!PstPresets::writeMailbox(path, options, &error)) {
            out << "writing the mailbox failed: " << error << "\n";
            return;
        }
    }
    SearchIndex::remove(path);
    const Walk plain = walk(path, Stage::Parse);
    const Walk read = walk(path, Stage::Read);
    const Walk written = walk(path, Stage::Write);
    out << "generated: " << plain.items << " items, " << read.textBytes / 1e6 << " MB of text\n";
    out << "walk s " << plain.seconds << "\n";
    out << "read s " << read.seconds << " (" << int(read.items / std::max(read.seconds - plain.seconds, 1e-3))
        << " items/s for the reading alone), ratio to walk " << read.seconds / plain.seconds << "\n";
    out << "write s " << written.seconds << " (one shard, one core), ratio to walk " << written.seconds / plain.seconds
        << "\n";
    const qint64 bytes = indexBytes(path);
    out << "generated size MB " << bytes / 1e6 << ", ratio to text " << double(bytes) / double(read.textBytes)
        << " (reference 0.5)\n";
    measureQueries(path, QStringLiteral("generated"), read.sampleWords, read.samplePhrases);
}

// Words of 2 to 10 letters, drawn by a Zipf law as words of a language are.
class VariedText
{
public:
    VariedText() : m_random(7)
    {
        static const char* const syllables[] = {"ka", "re", "mo", "ti", "san", "lo", "ve", "du", "pri", "ne",
                                                "sta", "mi", "or", "el", "qu", "an", "be", "ro", "zu", "fe"};
        for (int i = 0; i < 40000; ++i) {
            QString word;
            const int parts = 1 + int(m_random.bounded(4));
            for (int k = 0; k < parts; ++k)
                word += QLatin1String(syllables[m_random.bounded(20)]);
            m_words << word;
            m_total += 1.0 / (i + 1);
            m_cumulative << m_total;
        }
    }
    QString word()
    {
        const double pick = m_random.generateDouble() * m_total;
        const auto at = std::lower_bound(m_cumulative.begin(), m_cumulative.end(), pick);
        return m_words.at(std::min(qsizetype(at - m_cumulative.begin()), qsizetype(m_words.size() - 1)));
    }
    QString text(int bytes)
    {
        QString result;
        for (int n = 0; result.size() < bytes; ++n)
            result += word() + (n % 12 == 11 ? QStringLiteral(".\n") : QStringLiteral(" "));
        return result;
    }

private:
    QRandomGenerator m_random;
    QStringList m_words;
    QList<double> m_cumulative;
    double m_total = 0;
};

void variedText(const QString& dir, int items)
{
    const QString path = QDir(dir).filePath(QStringLiteral("varied.pst"));
    QFile stand(path);
    stand.open(QIODevice::WriteOnly);
    stand.write("stands for a PST file");
    stand.close();
    SearchIndex::remove(path);
    VariedText text;
    SearchIndexWriter writer(path);
    writer.open(0, 1);
    qint64 bytes = 0;
    QStringList words;
    QStringList phrases;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < items; ++i) {
        IndexedItem entry;
        entry.nodeId = quint64(i + 1);
        entry.subject = text.text(40);
        entry.sender = QStringLiteral("Sender %1 <sender%1@example.com>").arg(i % 300);
        entry.recipients = QStringLiteral("Owner <owner@example.com>");
        entry.body = text.text(20 * 1024);
        entry.date = QDateTime(QDate(2018, 1, 1), QTime(0, 0), Qt::UTC).addSecs(qint64(i) * 3600);
        bytes += textBytes(entry);
        if (i % 25 == 0)
            sample(entry, &words, &phrases);
        writer.add(entry);
    }
    writer.finish(items);
    out << "varied: " << items << " items, " << bytes / 1e6 << " MB of text, written in s " << timer.elapsed() / 1000.0
        << "\n";
    const qint64 size = indexBytes(path);
    out << "varied size MB " << size / 1e6 << ", ratio to text " << double(size) / double(bytes) << " (reference 0.5)\n";
    measureQueries(path, QStringLiteral("varied"), words, phrases);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("mails"), QStringLiteral("Mails of the generated mailbox."), QStringLiteral("n"),
                      QStringLiteral("5000")});
    parser.addOption({QStringLiteral("varied"), QStringLiteral("Items of varied text."), QStringLiteral("n"),
                      QStringLiteral("5000")});
    parser.addOption({QStringLiteral("dir"), QStringLiteral("Folder for the files (kept)."), QStringLiteral("folder")});
    parser.process(app);
    QTemporaryDir temporary;
    const QString dir = parser.isSet(QStringLiteral("dir")) ? parser.value(QStringLiteral("dir")) : temporary.path();
    QDir().mkpath(dir);
    qputenv("XDG_CACHE_HOME", QDir(dir).filePath(QStringLiteral("cache")).toUtf8());
    if (parser.value(QStringLiteral("mails")).toInt() > 0)
        generatedMailbox(dir, parser.value(QStringLiteral("mails")).toInt());
    if (parser.value(QStringLiteral("varied")).toInt() > 0)
        variedText(dir, parser.value(QStringLiteral("varied")).toInt());
    return 0;
}
