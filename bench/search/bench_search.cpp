// SPDX-License-Identifier: GPL-2.0-or-later
// bench_search: writes a mailbox of 20 KB bodies (nested folders of 5,000
// mails, a 100 KB attachment in every tenth mail, as bench_open's "nested"),
// indexes it with `lumaroo-cli index` and prints, each beside its reference
// as a ratio:
//   build      seconds of the index build   / a plain libpst walk of every item (<= 1.5)
//   floor      the same texts put into bare words tables of the same kind,
//              a shard per core as the build makes them, on one core, with
//              nothing read: SQLite's own share of the build; with the walk,
//              shared over every core, it is the least any build with this
//              engine can take on this machine
//   memory     peak resident MB of any indexing process / 300 MB (< 1)
//   size       index bytes / bytes of the text it holds (<= 0.5)
//   word       one-word query median and 95th percentile over 200 words
//              sampled from the mailbox / 30 ms and 100 ms; timed is what
//              the window waits for: the first 500 hits best first (their
//              count, rows and order), snippets for the first screen of them
//              (SearchIndex::kScreenSnippets)
//   phrase     phrase query with a date filter, median / 100 ms
//   hits       200 sampled queries (words, word pairs, phrases, phrases
//              within dates) whose hits differ from a brute-force scan of
//              the same texts (must be 0)
//
//   bench_search [--mails N] [--dir FOLDER] [--keep-index [--queries-only]]
//
// --keep-index reuses a complete index from an earlier run with --dir (the
// build figures are then not printed), for working on the queries.
// --queries-only then times the queries alone: the mailbox is not scanned
// (minutes at 100,000 mails), so neither the index size nor the hits are
// checked.
//
// The bodies are words of a made-up language drawn with Zipf's law, so
// words range from everywhere to rare as in real mail. With --dir the
// mailbox is kept there and reused.

#include "../common/DescTreeWalk.h"

#include "FtsTokenizer.h"
#include "ProductConstants.h"
#include "PstWriter.h"
#include "SearchIndex.h"
#include "SearchQuery.h"
#include "SqliteConnection.h"
#include "SqliteStatement.h"

#include <libpst/libpst.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

constexpr int kMailsPerFolder = 5000;
constexpr int kBodyBytes = 20 * 1024;
constexpr int kVocabulary = 30000;
constexpr int kQueries = 200;
constexpr quint32 kSeed = 20260;
const QDateTime kFirstDate(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC);

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

// Words of a made-up language, from syllables: none is an English word the
// subjects, names or folders use.
const QStringList& vocabulary()
{
    static const QStringList words = [] {
        static const char* const syllables[] = {"ka", "zu", "mi", "tor", "vel", "qua", "dri", "no", "shi", "bex",
                                                "lo", "fen", "ry", "gal", "pim", "sto", "wu", "jex", "ha", "nik"};
        QStringList list;
        QSet<QString> seen;
        QRandomGenerator random(kSeed);
        while (list.size() < kVocabulary) {
            QString word;
            const int length = 2 + int(random.bounded(3));
            for (int s = 0; s < length; ++s)
                word += QLatin1String(syllables[random.bounded(20)]);
            if (!seen.contains(word)) {
                seen.insert(word);
                list.append(word);
            }
        }
        return list;
    }();
    return words;
}

// Cumulative Zipf weights over the vocabulary.
const std::vector<double>& zipf()
{
    static const std::vector<double> cumulative = [] {
        std::vector<double> c(kVocabulary);
        double sum = 0;
        for (int i = 0; i < kVocabulary; ++i)
            c[i] = (sum += 1.0 / (i + 1));
        for (double& each : c)
            each /= sum;
        return c;
    }();
    return cumulative;
}

// The body of mail `index`: the same words every time it is asked for.
QString bodyOf(int index)
{
    QRandomGenerator random(kSeed + quint32(index) * 7919u);
    const QStringList& words = vocabulary();
    const std::vector<double>& weights = zipf();
    QString body;
    body.reserve(kBodyBytes + 64);
    int inLine = 0;
    while (body.size() < kBodyBytes) {
        const double pick = random.generateDouble();
        const int w = int(std::lower_bound(weights.begin(), weights.end(), pick) - weights.begin());
        body += words.at(qMin(w, kVocabulary - 1));
        body += ++inLine % 12 == 0 ? QStringLiteral("\r\n") : QStringLiteral(" ");
    }
    return body;
}

QStringList tokens(const QString& body)
{
    QStringList words;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= body.size(); ++i) {
        const bool space = i == body.size() || body.at(i).isSpace();
        if (space && start >= 0)
            words.append(body.mid(start, i - start));
        if (space)
            start = -1;
        else if (start < 0)
            start = i;
    }
    return words;
}

PstMessage mailOf(int index, const QString& body)
{
    PstMessage mail;
    mail.subject = QStringLiteral("Bench mail %1").arg(index);
    mail.senderName = QStringLiteral("Sender %1").arg(index % 97);
    mail.senderAddress = QStringLiteral("sender%1@example.org").arg(index % 97);
    mail.recipients.append(PstRecipient{QStringLiteral("Reader"), QStringLiteral("reader@example.org")});
    mail.sentTime = kFirstDate.addSecs(qint64(index) * 600);
    mail.deliveryTime = mail.sentTime;
    mail.body = body;
    if (index % 10 == 0) {
        PstAttachment attachment;
        attachment.longName = QStringLiteral("report-%1.bin").arg(index);
        attachment.shortName = attachment.longName;
        attachment.mimeType = QStringLiteral("application/octet-stream");
        attachment.generatedSize = 100 * 1024;
        mail.attachments.append(attachment);
    }
    return mail;
}

// The UTF-8 bytes of every text the index holds of a mail.
qint64 textBytes(const PstMessage& mail)
{
    qint64 bytes = mail.subject.toUtf8().size() + mail.senderName.toUtf8().size() + mail.senderAddress.toUtf8().size()
        + mail.body.toUtf8().size();
    for (const PstRecipient& r : mail.recipients)
        bytes += r.name.toUtf8().size() + r.address.toUtf8().size();
    for (const PstAttachment& a : mail.attachments)
        bytes += a.longName.toUtf8().size();
    return bytes;
}

// One sampled query and the mails a brute-force scan finds for it.
struct Check
{
    QStringList words;   // all must be in the body
    QStringList phrase;  // two words side by side, when set
    QDate after, before; // the mail's date within [after, before), when set
    QString text;        // as typed
    QSet<int> expected;
};

// 200 queries from words of sampled mails: single words, word pairs,
// phrases, and phrases within a stretch of days.
QList<Check> sampleChecks(int mails)
{
    QList<Check> checks;
    QRandomGenerator random(kSeed ^ 0x5eedu);
    const int days = int(qint64(mails) * 600 / 86400) + 1;
    for (int q = 0; q < kQueries; ++q) {
        const QStringList words = tokens(bodyOf(int(random.bounded(mails))));
        const int at = int(random.bounded(int(words.size()) - 1));
        Check check;
        switch (q % 4) {
        case 0:
            check.words = {words.at(at)};
            check.text = words.at(at);
            break;
        case 1:
            check.words = {words.at(at), words.at(int(random.bounded(int(words.size()))))};
            check.text = check.words.join(QLatin1Char(' '));
            break;
        default:
            check.phrase = {words.at(at), words.at(at + 1)};
            check.text = QLatin1Char('"') + check.phrase.join(QLatin1Char(' ')) + QLatin1Char('"');
            if (q % 4 == 3) {
                const int first = int(random.bounded(days));
                check.after = kFirstDate.date().addDays(first);
                check.before = check.after.addDays(1 + int(random.bounded(qMax(1, days / 3))));
                check.text += QStringLiteral(" after:%1 before:%2").arg(check.after.toString(Qt::ISODate),
                                                                         check.before.toString(Qt::ISODate));
            }
        }
        checks.append(check);
    }
    return checks;
}

// Adds mail `index` to the expected hits of every check it satisfies.
void scan(int index, const QStringList& words, QList<Check>& checks)
{
    const QSet<QString> present(words.begin(), words.end());
    QSet<QString> pairs;
    for (qsizetype i = 0; i + 1 < words.size(); ++i)
        pairs.insert(words.at(i) + QLatin1Char(' ') + words.at(i + 1));
    const QDate day = kFirstDate.addSecs(qint64(index) * 600).date();
    for (Check& check : checks) {
        bool hit = std::all_of(check.words.begin(), check.words.end(), [&](const QString& w) { return present.contains(w); });
        if (hit && !check.phrase.isEmpty())
            hit = pairs.contains(check.phrase.join(QLatin1Char(' ')));
        if (hit && check.after.isValid())
            hit = day >= check.after && day < check.before;
        if (hit)
            check.expected.insert(index);
    }
}

// Writes the mailbox (unless it is there) and scans its texts for the checks.
bool prepareMailbox(const QString& path, int mails, QList<Check>& checks, qint64* textSize)
{
    const bool exists = QFileInfo::exists(path);
    PstWriter writer;
    if (!exists && !writer.open(path, QStringLiteral("Mailbox"), true))
        return false;
    int folder = -1;
    for (int i = 0; i < mails; ++i) {
        const QString body = bodyOf(i);
        const PstMessage mail = mailOf(i, body);
        *textSize += textBytes(mail);
        scan(i, tokens(body), checks);
        if (exists)
            continue;
        if (folder < 0 || i % kMailsPerFolder == 0)
            folder = writer.addFolder(folder < 0 ? writer.topFolder() : folder,
                                      QStringLiteral("Inbox %1").arg(i / kMailsPerFolder + 1, 3, 10, QLatin1Char('0')),
                                      QStringLiteral("IPF.Note"));
        if (!writer.addMessage(folder, mail)) {
            QTextStream(stderr) << "bench_search: " << writer.errorString() << "\n";
            return false;
        }
        if (i % 10000 == 9999)
            QTextStream(stderr) << "written " << i + 1 << " mails\n";
    }
    return exists || writer.close();
}

// libpst alone, every item parsed: the walk bench_open measures.
int walk(const QString& path)
{
    pst_file file{};
    if (pst_open(&file, path.toLocal8Bit().constData(), nullptr) != 0 || pst_load_index(&file) != 0)
        return 1;
    pst_load_extended_attributes(&file);
    for (pst_desc_tree* node = file.d_head; node;) {
        if (pst_item* item = pst_parse_item(&file, node, nullptr))
            pst_freeItem(item);
        node = nextDescNode(node);
    }
    pst_close(&file);
    return 0;
}

struct ChildRun
{
    bool ok = false;
    double seconds = 0;
    double peakMb = 0; // of the child or any process it waited for
};

ChildRun runChild(const QString& program, const QStringList& args)
{
    std::vector<QByteArray> storage{program.toLocal8Bit()};
    for (const QString& arg : args)
        storage.push_back(arg.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& s : storage)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    ChildRun run;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return run;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.seconds = double(timer.nsecsElapsed()) / 1e9;
    run.peakMb = double(usage.ru_maxrss) / 1024.0;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

qint64 folderBytes(const QString& folder)
{
    qint64 bytes = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        bytes += it.fileInfo().size();
    }
    return bytes;
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values.at(std::min(values.size() - 1, size_t(std::ceil(p * double(values.size()))) - (p > 0 ? 1 : 0)));
}

void printRatio(const QString& name, double value, double reference, const QString& unit, const QString& referenceName)
{
    out() << QStringLiteral("%1 %2 %3 vs %4 %3 (%5): ratio %6\n")
                 .arg(name, -26)
                 .arg(value, 0, 'f', 3)
                 .arg(unit)
                 .arg(reference, 0, 'f', 3)
                 .arg(referenceName)
                 .arg(reference > 0 ? value / reference : 0, 0, 'f', 2)
          << Qt::flush;
}

int mailIndexOf(const SearchHit& hit)
{
    return hit.subject.section(QLatin1Char(' '), 2, 2).toInt();
}

// Seconds SQLite takes to index the texts of the first `mails` mails in a
// words table as the index declares it, with nothing else to do: only its
// own calls are timed, on this thread alone. Negative when it cannot be
// measured.
double engineAloneSeconds(const QString& folder, int mails)
{
    SqliteConnection db;
    const QString path = QDir(folder).filePath(QStringLiteral("engine-alone.db"));
    QFile::remove(path);
    if (!db.open(path, SqliteConnection::Mode::ReadWriteCreate))
        return -1;
    db.exec(QStringLiteral("PRAGMA synchronous=OFF"));
    db.exec(QStringLiteral("PRAGMA cache_size=-32768"));
    QElapsedTimer timer;
    timer.start();
    bool ok = db.exec(QStringLiteral("CREATE VIRTUAL TABLE words USING fts5(subject, sender, recipients, body, attachments,"
                                     " content='', detail=column, tokenize='%1')")
                          .arg(QLatin1String(FtsTokenizer::indexTokenizer())))
        && db.exec(QStringLiteral("INSERT INTO words(words, rank) VALUES('hashsize', 33554432)"))
        && db.exec(QStringLiteral("BEGIN"));
    SqliteStatement insert(db.handle(), QStringLiteral("INSERT INTO words(rowid, subject, sender, recipients, body, attachments)"
                                                       " VALUES(?, ?, ?, ?, ?, ?)"));
    qint64 spent = timer.nsecsElapsed();
    // Made a few hundred at a time, away from the clock, so that making
    // them does not push SQLite's tables out of the cache between inserts.
    constexpr int kMailsAtOnce = 256;
    for (int first = 0; ok && first < mails; first += kMailsAtOnce) {
        QList<PstMessage> made;
        for (int i = first; i < qMin(mails, first + kMailsAtOnce); ++i)
            made.append(mailOf(i, bodyOf(i)));
        timer.restart();
        for (int i = first; ok && i < first + made.size(); ++i) {
            const PstMessage& mail = made.at(i - first);
            insert.reset();
            insert.bind(1, qint64(i + 1));
            insert.bind(2, mail.subject);
            insert.bind(3, mail.senderName + QLatin1Char(' ') + mail.senderAddress);
            insert.bind(4, QStringLiteral("Reader reader@example.org"));
            insert.bind(5, mail.body);
            insert.bind(6, mail.attachments.isEmpty() ? QString() : mail.attachments.first().longName);
            insert.step();
            ok = insert.succeeded()
                && (i % 5000 != 4999 || (db.exec(QStringLiteral("COMMIT")) && db.exec(QStringLiteral("BEGIN"))));
        }
        spent += timer.nsecsElapsed();
    }
    timer.restart();
    ok = ok && db.exec(QStringLiteral("COMMIT")) && db.exec(QStringLiteral("INSERT INTO words(words) VALUES('optimize')"));
    spent += timer.nsecsElapsed();
    db.close();
    QFile::remove(path);
    return ok ? double(spent) / 1e9 : -1;
}

// Each measured from a cold start of its own process; the file is in the
// page cache for both after the first read.
bool measureBuild(const QString& self, const QString& pst, int mails)
{
    runChild(self, {QStringLiteral("--walk"), pst});
    const ChildRun walkRun = runChild(self, {QStringLiteral("--walk"), pst});
    const ChildRun build = runChild(QStringLiteral(LUMAROO_CLI), {QStringLiteral("index"), pst});
    if (!walkRun.ok || !build.ok) {
        QTextStream(stderr) << "bench_search: " << (walkRun.ok ? "lumaroo-cli index" : "the libpst walk") << " failed\n";
        return false;
    }
    printRatio(QStringLiteral("build"), build.seconds, walkRun.seconds, QStringLiteral("s"), QStringLiteral("libpst walk, <= 1.5"));
    // The build makes a shard per core; one of them, timed, stands for all.
    const int cores = QThread::idealThreadCount();
    const double engine = engineAloneSeconds(QFileInfo(pst).absolutePath(), (mails + cores - 1) / cores) * cores;
    if (engine >= 0) {
        printRatio(QStringLiteral("words tables alone, 1 core"), engine, walkRun.seconds, QStringLiteral("s"), QStringLiteral("libpst walk"));
        printRatio(QStringLiteral("floor on %1 cores").arg(cores), (engine + walkRun.seconds) / cores, walkRun.seconds,
                   QStringLiteral("s"), QStringLiteral("libpst walk, (table alone + walk) / cores"));
    }
    printRatio(QStringLiteral("peak memory per process"), build.peakMb, 300, QStringLiteral("MB"), QStringLiteral("limit, < 1"));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // The program's names, under which lumaroo-cli keeps the index.
    QCoreApplication::setOrganizationName(g_organization);
    QCoreApplication::setApplicationName(QString(g_product_name).remove(QLatin1Char(' ')));
    // Dates are filtered by day: one day for the bench and the index alike.
    qputenv("TZ", "UTC");
    qputenv("HOME", QDir::tempPath().toLocal8Bit()); // keep the log out of the user's folder
    QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args.first() == QLatin1String("--walk"))
        return walk(args.at(1));
    int mails = 100000;
    QString dir;
    bool keepIndex = false;
    bool queriesOnly = false;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == QLatin1String("--mails") && !args.isEmpty())
            mails = args.takeFirst().toInt();
        else if (arg == QLatin1String("--dir") && !args.isEmpty())
            dir = args.takeFirst();
        else if (arg == QLatin1String("--keep-index"))
            keepIndex = true;
        else if (arg == QLatin1String("--queries-only"))
            queriesOnly = true;
        else {
            QTextStream(stderr) << "usage: bench_search [--mails N] [--dir FOLDER] [--keep-index [--queries-only]]\n";
            return 2;
        }
    }
    if (mails < 10) {
        QTextStream(stderr) << "bench_search: --mails needs at least 10\n";
        return 2;
    }
    QTemporaryDir temporary;
    if (dir.isEmpty())
        dir = temporary.path();
    QDir().mkpath(dir);
    const QString pst = QDir(dir).filePath(QStringLiteral("search-%1.pst").arg(mails));
    const QString cache = QDir(dir).filePath(QStringLiteral("cache-%1").arg(mails));
    qputenv("XDG_CACHE_HOME", cache.toLocal8Bit());
    keepIndex = keepIndex && SearchIndex(pst).state() == SearchIndex::State::Complete;
    if (queriesOnly && !keepIndex) {
        QTextStream(stderr) << "bench_search: --queries-only needs a complete index kept from an earlier run\n";
        return 2;
    }
    if (!keepIndex)
        QDir(cache).removeRecursively();

    QList<Check> checks = sampleChecks(mails);
    qint64 textSize = 0;
    QElapsedTimer timer;
    timer.start();
    if (!queriesOnly) {
        if (!prepareMailbox(pst, mails, checks, &textSize))
            return 1;
        out() << QStringLiteral("mailbox: %1 mails, %2 MB file, %3 MB of text (written or scanned in %4 s)\n")
                     .arg(mails)
                     .arg(double(QFileInfo(pst).size()) / 1048576.0, 0, 'f', 1)
                     .arg(double(textSize) / 1048576.0, 0, 'f', 1)
                     .arg(timer.elapsed() / 1000.0, 0, 'f', 1)
              << Qt::flush;
    }

    if (!keepIndex && !measureBuild(app.applicationFilePath(), pst, mails))
        return 1;
    if (keepIndex)
        out() << "build                      (an earlier run's index, kept)\n";
    const qint64 indexBytes = folderBytes(QFileInfo(SearchIndex::locationFor(pst)).absolutePath());
    if (!queriesOnly)
        printRatio(QStringLiteral("index size"), double(indexBytes) / 1048576.0, double(textSize) / 1048576.0,
                   QStringLiteral("MB"), QStringLiteral("text, <= 0.5"));

    const SearchIndex index(pst);
    if (index.state() != SearchIndex::State::Complete) {
        QTextStream(stderr) << "bench_search: the index is not complete after the build\n";
        return 1;
    }
    // Queries as the window asks them: best first, 500 at most, snippets
    // for its first screen.
    std::vector<double> wordMs, phraseMs;
    SearchIndex::Options windowOptions;
    windowOptions.snippets = SearchIndex::kScreenSnippets;
    index.search(SearchQuery::parse(checks.first().text), windowOptions); // opens the shards
    QRandomGenerator random(kSeed ^ 0x00c0ffeeu);
    for (int q = 0; q < kQueries; ++q) {
        const QStringList words = tokens(bodyOf(int(random.bounded(mails))));
        const SearchQuery query = SearchQuery::parse(words.at(int(random.bounded(int(words.size())))));
        QElapsedTimer t;
        t.start();
        index.search(query, windowOptions);
        wordMs.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    for (const Check& check : std::as_const(checks)) {
        if (!check.after.isValid())
            continue;
        const SearchQuery query = SearchQuery::parse(check.text);
        QElapsedTimer t;
        t.start();
        index.search(query, windowOptions);
        phraseMs.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    printRatio(QStringLiteral("one-word query, median"), percentile(wordMs, 0.5), 30, QStringLiteral("ms"), QStringLiteral("goal, < 1"));
    printRatio(QStringLiteral("one-word query, 95th pct"), percentile(wordMs, 0.95), 100, QStringLiteral("ms"), QStringLiteral("goal, < 1"));
    printRatio(QStringLiteral("phrase + dates, median"), percentile(phraseMs, 0.5), 100, QStringLiteral("ms"), QStringLiteral("goal, < 1"));

    if (queriesOnly)
        return 0;
    // Every hit, whatever the limit the window uses.
    SearchIndex::Options all;
    all.limit = mails + 1;
    all.snippets = 0;
    int mismatches = 0;
    qint64 expectedHits = 0;
    for (const Check& check : std::as_const(checks)) {
        QString error;
        const QList<SearchHit> hits = index.search(SearchQuery::parse(check.text), all, &error);
        QSet<int> found;
        for (const SearchHit& hit : hits)
            found.insert(mailIndexOf(hit));
        expectedHits += check.expected.size();
        if (found != check.expected || !error.isEmpty()) {
            ++mismatches;
            QTextStream(stderr) << "mismatch: " << check.text << ": " << found.size() << " hits, expected "
                                << check.expected.size() << (error.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(error)) << "\n";
        }
    }
    out() << QStringLiteral("%1 %2 of %3 sampled queries (%4 hits expected) differ from a brute-force scan (must be 0)\n")
                 .arg(QStringLiteral("hits"), -26)
                 .arg(mismatches)
                 .arg(checks.size())
                 .arg(expectedHits);
    return mismatches == 0 ? 0 : 1;
}
