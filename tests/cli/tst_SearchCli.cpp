// SPDX-License-Identifier: GPL-2.0-or-later
// lumaroo-cli index and search as a user runs them: on every real file a
// word of each mail's body finds that mail and a word of none finds
// nothing; the hits, snippets and exit statuses; and the faults an index
// meets: its builder killed, a shard truncated or overwritten, a cache
// folder that cannot be written, the file changed after indexing, and two
// builds of one index at once.

#include "CliRunner.h"
#include "IndexStorage.h"
#include "PstMailItem.h"
#include "ProductConstants.h"
#include "PstWriter.h"
#include "SearchIndex.h"
#include "SearchFixture.h"
#include "SearchStorage.h"
#include "SqliteConnection.h"
#include "TestData.h"
#include "TestHome.h"
#include "WrittenPst.h"

#include <QLockFile>
#include <QtTest>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace {

constexpr int kAllHits = 1000000;
// A word no file holds.
const QString kAbsentWord = QStringLiteral("zyxwvutsqrpx");

// Words of letters only, as every tokenizer cuts them alike.
QStringList plainWords(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("(?<![\\p{L}\\p{N}_])([A-Za-z]{4,20})(?![\\p{L}\\p{N}_])"));
    QStringList words;
    auto matches = word.globalMatch(text);
    while (matches.hasNext())
        words.append(matches.next().captured(1));
    return words;
}

// The first two neighbouring words of `text` as a quoted phrase, or "".
QString firstPhrase(const QString& text)
{
    static const QRegularExpression pair(QStringLiteral("(?<![\\p{L}\\p{N}_])[A-Za-z]{4,20} [A-Za-z]{4,20}(?![\\p{L}\\p{N}_])"));
    const QString found = pair.match(text).captured();
    return found.isEmpty() ? QString() : QLatin1Char('"') + found + QLatin1Char('"');
}

// What a reader sees of an HTML body: the text, without styles, scripts,
// comments or tags.
QString visibleText(QString html)
{
    static const QRegularExpression hidden(QStringLiteral("<(style|script|head|title)\\b.*?</\\1\\s*>|<!--.*?-->"),
                                           QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>|&[#\\w]+;"), QRegularExpression::DotMatchesEverythingOption);
    return html.remove(hidden).replace(tag, QStringLiteral(" "));
}

QString itemId(const PstItem& item)
{
    return item.pstTree() ? QString::number(item.pstTree()->d_id) : QString();
}

// The ids of every hit of `text` in the file's index.
QSet<QString> hitIds(const QString& pst, const QString& text)
{
    SearchIndex::Options options;
    options.limit = kAllHits;
    QSet<QString> ids;
    for (const SearchHit& hit : SearchIndex(pst).search(SearchQuery::parse(text), options))
        ids.insert(QString::number(hit.nodeId));
    return ids;
}

PstMessage mail(const QString& subject, const QString& body)
{
    PstMessage m;
    m.subject = subject;
    m.body = body;
    m.senderName = QStringLiteral("Ada Lovelace");
    m.senderAddress = QStringLiteral("ada@example.org");
    m.sentTime = QDateTime(QDate(2021, 3, 4), QTime(10, 0), Qt::UTC);
    return m;
}

// The files of the index of `pst` (its shards and anything beside them).
QStringList indexFiles(const QString& pst)
{
    QStringList files;
    QDirIterator it(SearchIndex::locationFor(pst), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    return files;
}

} // namespace

class TestSearchCli : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;
    QTemporaryDir m_work;

    QString cacheHome() const { return m_work.filePath(QStringLiteral("cache")); }
    // A tmpfs with these options on the cache folder: root only.
    bool mountCache(const QString& options) const
    {
        QDir().mkpath(cacheHome());
        return geteuid() == 0 && QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", options, "tmpfs", cacheHome()}) == 0;
    }
    void unmountCache() const { QProcess::execute(QStringLiteral("umount"), {"-l", cacheHome()}); }

private slots:
    void initTestCase()
    {
        // The program's names, under which lumaroo-cli keeps its caches.
        QCoreApplication::setOrganizationName(g_organization);
        QCoreApplication::setApplicationName(QString(g_product_name).remove(QLatin1Char(' ')));
        QVERIFY2(TestData::available(), "the shared PST files are missing");
        QVERIFY(m_work.isValid());
    }

    // Every test starts without an index.
    void init()
    {
        QDir(cacheHome()).removeRecursively();
        qputenv("XDG_CACHE_HOME", cacheHome().toUtf8());
    }

    void cleanup()
    {
        QFile::setPermissions(cacheHome(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void sampledWordsFindTheirMails_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString& path : TestData::allPstFiles())
            QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
    }

    void sampledWordsFindTheirMails()
    {
        QFETCH(QString, path);
        const auto root = WrittenPst::parse(path);
        const CliRunner::Result built = CliRunner::run({QStringLiteral("index"), path});
        if (!root) {
            // Files that do not open fail cleanly: wrong input, never an index.
            QCOMPARE(built.status, 2);
            QVERIFY2(!built.err.isEmpty(), "no message for a file that cannot be read");
            return;
        }
        QVERIFY2(built.status == 0, built.err.constData());
        QCOMPARE(SearchIndex(path).state(), SearchIndex::State::Complete);
        // Each mail's rarest word in the file and one more at random, so a
        // search of common words does not stand in for all of them; and its
        // first phrase, which the texts stored for checking must hold.
        QList<std::pair<QString, QStringList>> mails;
        QHash<QString, int> mailsWith;
        QHash<QString, QString> phraseOf;
        for (const auto& item : WrittenPst::allItems(*root)) {
            if (const auto* message = dynamic_cast<const PstMailItem*>(item.get())) {
                const QString text = visibleText(message->body());
                const QStringList words = plainWords(text);
                mails.append({itemId(*item), words});
                phraseOf.insert(itemId(*item), firstPhrase(text));
                for (const QString& word : QSet<QString>(words.begin(), words.end()))
                    ++mailsWith[word.toLower()];
            }
        }
        QRandomGenerator random(quint32(qHash(path)));
        QHash<QString, QSet<QString>> hitsOf;
        int checked = 0;
        for (const auto& [id, words] : std::as_const(mails)) {
            if (words.isEmpty())
                continue;
            const QString rarest = *std::min_element(words.begin(), words.end(), [&](const QString& a, const QString& b) {
                return mailsWith.value(a.toLower()) < mailsWith.value(b.toLower());
            });
            for (const QString& word : {rarest, words.at(int(random.bounded(int(words.size()))))}) {
                if (!hitsOf.contains(word.toLower()))
                    hitsOf.insert(word.toLower(), hitIds(path, word));
                QVERIFY2(hitsOf.value(word.toLower()).contains(id),
                         qPrintable(QStringLiteral("\"%1\" does not find mail %2").arg(word, id)));
                ++checked;
            }
            const QString phrase = phraseOf.value(id);
            QVERIFY2(phrase.isEmpty() || hitIds(path, phrase).contains(id),
                     qPrintable(QStringLiteral("%1 does not find mail %2").arg(phrase, id)));
        }
        QVERIFY(hitIds(path, kAbsentWord).isEmpty());
        const CliRunner::Result none = CliRunner::run({QStringLiteral("search"), path, kAbsentWord});
        QCOMPARE(none.status, 1);
        QVERIFY(none.out.isEmpty());
        qInfo("%d words checked", checked);
    }

    // The hits as printed: one line of fields, the snippet with the match
    // marked; JSON with the match as a range of the snippet's text.
    void printsHitsWithMarkedMatches()
    {
        const QString pst = m_work.filePath(QStringLiteral("hits.pst"));
        PstDescription description = WrittenPst::oneFolder(
            {mail(QStringLiteral("Quarterly figures"), QStringLiteral("The Köln office sent the invoice on Monday.")),
             mail(QStringLiteral("Lunch"), QStringLiteral("Pizza at noon."))});
        QString error;
        QVERIFY2(WrittenPst::open(description, pst, &error), qPrintable(error));
        const CliRunner::Result text = CliRunner::run({QStringLiteral("search"), pst, QStringLiteral("invoice")});
        QVERIFY2(text.status == 0, text.err.constData());
        const QStringList lines = QString::fromUtf8(text.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        const QStringList fields = lines.first().split(QLatin1Char('\t'));
        QCOMPARE(fields.size(), 6);
        QCOMPARE(fields.at(2), QStringLiteral("mail"));
        QCOMPARE(fields.at(4), QStringLiteral("Quarterly figures"));
        QVERIFY(fields.at(5).contains(QStringLiteral("Ada Lovelace")));
        QVERIFY2(lines.at(1).contains(QStringLiteral("[invoice]")), qPrintable(lines.at(1)));

        const CliRunner::Result json = CliRunner::run({QStringLiteral("search"), pst, QStringLiteral("koln"), QStringLiteral("--json")});
        QVERIFY2(json.status == 0, json.err.constData());
        const QJsonObject document = QJsonDocument::fromJson(json.out).object();
        QVERIFY(document.value("complete").toBool());
        const QJsonArray hits = document.value("hits").toArray();
        QCOMPARE(hits.size(), 1);
        const QJsonObject snippet = hits.at(0).toObject().value("snippet").toObject();
        const QJsonObject match = snippet.value("matches").toArray().at(0).toObject();
        QCOMPARE(snippet.value("text").toString().mid(match.value("start").toInt(), match.value("length").toInt()),
                 QStringLiteral("Köln"));
        // The id is the one show takes.
        const CliRunner::Result shown = CliRunner::run({QStringLiteral("show"), pst, hits.at(0).toObject().value("id").toString()});
        QCOMPARE(shown.status, 0);
        QVERIFY(shown.out.contains("Quarterly figures"));
    }

    void wrongUseExitsTwo_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("said");
        const QString real = TestData::pst(QStringLiteral("emk__pstsdk__sample1.pst"));
        // Every query that cannot be read fails alike (tst_SearchQuery reads them).
        QTest::newRow("unknown kind") << QStringList{"search", real, "kind:spaceship"} << "query";
        QTest::newRow("empty query") << QStringList{"search", real, "  "} << "nothing";
        QTest::newRow("missing file") << QStringList{"search", m_work.filePath("none.pst"), "word"} << "no such file";
        QTest::newRow("mbox, not a PST") << QStringList{"search", TestData::pst("aspose-email__Aspose.Email-for-C__SMTP_Outlook.pst"), "word"} << "cannot be read";
        QTest::newRow("index of nothing") << QStringList{"index", m_work.filePath("none.pst")} << "no such file";
        QTest::newRow("bad limit") << QStringList{"search", real, "word", "--limit", "0"} << "--limit";
        QTest::newRow("worker option from a user") << QStringList{"index", real, "--worker-shard", "0", "--worker-folders", "root"} << "unknown option";
    }

    void wrongUseExitsTwo()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, said);
        const CliRunner::Result run = CliRunner::run(args);
        QCOMPARE(run.status, 2);
        QVERIFY2(QString::fromUtf8(run.err).contains(said, Qt::CaseInsensitive), run.err.constData());
        QVERIFY(run.out.isEmpty());
        // Wrong use writes no index.
        if (args.first() == QLatin1String("search") && said != QLatin1String("cannot be read"))
            QVERIFY(indexFiles(args.at(1)).isEmpty());
    }

    void helpDocumentsTheQueryLanguage()
    {
        const CliRunner::Result help = CliRunner::run({QStringLiteral("search"), QStringLiteral("--help")});
        QCOMPARE(help.status, 0);
        for (const char* part : {"\"a phrase\"", "-word", "from:", "to:", "subject:", "has:attachment", "kind:", "after:",
                                 "before:", "folder:"})
            QVERIFY2(help.out.contains(part), part);
    }

    // Killed in the middle of its build, the index is never taken for
    // complete: searching before a rebuild says it is partial, and the
    // next search rebuilds it; no worker outlives the build.
    void killedBuildIsRebuilt()
    {
        const QString pst = m_work.filePath(QStringLiteral("killed.pst"));
        QVERIFY(SearchFixture::writeMailbox(pst, 4, 1500));
        QProcess build;
        build.start(CliRunner::path(), {QStringLiteral("index"), pst, QStringLiteral("--progress-lines")});
        QVERIFY(build.waitForStarted());
        bool progressed = false;
        while (!progressed && build.waitForReadyRead(60000)) {
            while (build.canReadLine()) {
                const QList<QByteArray> words = build.readLine().trimmed().split(' ');
                progressed = progressed || (words.size() == 3 && words.at(0) == "progress" && words.at(1).toInt() > 0);
            }
        }
        QVERIFY2(progressed, "the build reported no progress");
        ::kill(pid_t(build.processId()), SIGKILL);
        QVERIFY(build.waitForFinished());
        QVERIFY2(SearchFixture::waitUntilGone(pst), "an indexing worker outlived its killed build");

        QVERIFY(SearchIndex(pst).state() != SearchIndex::State::Complete);
        // index alone rebuilds it, never taking what was left for done.
        const CliRunner::Result rebuilt = CliRunner::run({QStringLiteral("index"), pst});
        QVERIFY2(rebuilt.status == 0, rebuilt.err.constData());
        QCOMPARE(SearchIndex(pst).state(), SearchIndex::State::Complete);
        QCOMPARE(SearchIndex(pst).indexedItems(), 6000);
        const CliRunner::Result search = CliRunner::run({QStringLiteral("search"), pst, QStringLiteral("marker5999"), QStringLiteral("--json")});
        QVERIFY2(search.status == 0, search.err.constData());
        QVERIFY(QJsonDocument::fromJson(search.out).object().value("complete").toBool());
        QCOMPARE(SearchIndex(pst).state(), SearchIndex::State::Complete);
        QCOMPARE(SearchIndex(pst).indexedItems(), 6000);
        QCOMPARE(hitIds(pst, QStringLiteral("ordinary")).size(), 6000);
    }

    // While another process builds the index (the window's), a search
    // does not wait for it: it searches what is indexed and says so.
    void searchDuringAnotherBuildDoesNotWait()
    {
        const QString pst = m_work.filePath(QStringLiteral("elsewhere.pst"));
        QVERIFY(SearchFixture::writeMailbox(pst, 2, 500));
        const CliRunner::Result built = CliRunner::run({QStringLiteral("index"), pst});
        QVERIFY2(built.status == 0, built.err.constData());
        // A build of another process: the lock held, a shard half-written.
        QLockFile lock(IndexStorage::lockPath(pst));
        QVERIFY(lock.tryLock(0));
        {
            SqliteConnection db;
            QVERIFY(db.open(SearchStorage::shardPaths(SearchIndex::locationFor(pst)).first(), SqliteConnection::Mode::ReadWriteCreate));
            QVERIFY(db.exec(QStringLiteral("DELETE FROM meta WHERE key = 'complete'")));
        }
        QElapsedTimer timer;
        timer.start();
        const CliRunner::Result search = CliRunner::run({QStringLiteral("search"), pst, QStringLiteral("ordinary"), QStringLiteral("--json")});
        QVERIFY2(search.status == 0, search.err.constData());
        QVERIFY2(timer.elapsed() < 20000, "the search waited for the other build");
        QVERIFY2(search.err.contains("another process is building the index"), search.err.constData());
        QVERIFY2(search.err.contains("hits may be missing"), search.err.constData());
        const QJsonObject result = QJsonDocument::fromJson(search.out).object();
        QCOMPARE(result.value("complete").toBool(), false);
        QVERIFY(!result.value("hits").toArray().isEmpty());
        lock.unlock();
        // Once the other build is gone, a search builds the index whole.
        const CliRunner::Result after = CliRunner::run({QStringLiteral("search"), pst, QStringLiteral("ordinary"), QStringLiteral("--json")});
        QVERIFY2(after.status == 0, after.err.constData());
        QVERIFY(QJsonDocument::fromJson(after.out).object().value("complete").toBool());
    }

    void damagedShardIsRebuilt_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("truncated to half") << "truncate";
        QTest::newRow("truncated to nothing") << "empty";
        QTest::newRow("pages overwritten") << "overwrite";
        QTest::newRow("shard removed") << "remove";
    }

    void damagedShardIsRebuilt()
    {
        QFETCH(QString, damage);
        const QString pst = m_work.filePath(QStringLiteral("damaged.pst"));
        QVERIFY(QFile::exists(pst) || SearchFixture::writeMailbox(pst, 3, 300));
        QCOMPARE(CliRunner::run({QStringLiteral("index"), pst}).status, 0);
        QStringList files = indexFiles(pst);
        files.removeIf([](const QString& file) { return file.endsWith(QLatin1String("-wal")) || file.endsWith(QLatin1String("-shm")); });
        QVERIFY(!files.isEmpty());
        // The largest file is a shard's database.
        std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) { return QFileInfo(a).size() > QFileInfo(b).size(); });
        QFile shard(files.first());
        const qint64 size = shard.size();
        if (damage == QLatin1String("truncate")) {
            QVERIFY(shard.resize(size / 2));
        } else if (damage == QLatin1String("empty")) {
            QVERIFY(shard.resize(0));
        } else if (damage == QLatin1String("remove")) {
            QVERIFY(shard.remove());
        } else {
            QVERIFY(shard.open(QIODevice::ReadWrite));
            QRandomGenerator random(7);
            for (qint64 at = 0; at < size; at += 4096) {
                shard.seek(at + 100);
                shard.write(WrittenPst::randomBytes(random, 512));
            }
            shard.close();
        }
        QVERIFY(SearchIndex(pst).state() != SearchIndex::State::Complete);
        const CliRunner::Result search = CliRunner::run({QStringLiteral("search"), pst, QStringLiteral("marker899"), QStringLiteral("--json")});
        QVERIFY2(search.status == 0, search.err.constData());
        QCOMPARE(SearchIndex(pst).state(), SearchIndex::State::Complete);
        QCOMPARE(hitIds(pst, QStringLiteral("ordinary")).size(), 900);
    }

    // A cache folder that cannot be written: a clear message, a failure
    // status, and no hits presented as if searched.
    void unwritableCacheSaysSo()
    {
        const QString pst = m_work.filePath(QStringLiteral("readonly.pst"));
        QVERIFY(QFile::exists(pst) || SearchFixture::writeMailbox(pst, 1, 20));
        QDir().mkpath(cacheHome());
        // root may write anywhere a mode forbids; a read-only mount stops it too.
        const bool root = geteuid() == 0;
        if (root && !mountCache(QStringLiteral("ro,size=64k")))
            QSKIP("a read-only folder cannot be made here: running as root without mount");
        if (!root)
            QVERIFY(QFile::setPermissions(cacheHome(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const CliRunner::Result index = CliRunner::run({QStringLiteral("index"), pst});
        const CliRunner::Result search = CliRunner::run({QStringLiteral("search"), pst, QStringLiteral("marker1")});
        if (root)
            unmountCache();
        QCOMPARE(index.status, 1);
        QVERIFY2(index.err.contains("not writable"), index.err.constData());
        QVERIFY2(index.err.contains(cacheHome().toUtf8()), index.err.constData());
        QCOMPARE(search.status, 1);
        QVERIFY2(search.err.contains("not writable"), search.err.constData());
        QVERIFY(search.out.isEmpty());
    }

    // A cache folder that fills up mid-build: the build says the disk is
    // full, fails, and leaves nothing that passes for a complete index.
    void fullDiskSaysSo()
    {
        const QString pst = m_work.filePath(QStringLiteral("damaged.pst"));
        QVERIFY(QFile::exists(pst) || SearchFixture::writeMailbox(pst, 3, 300));
        if (!mountCache(QStringLiteral("size=256k")))
            QSKIP("a small tmpfs cannot be mounted here (it takes root)");
        const CliRunner::Result index = CliRunner::run({QStringLiteral("index"), pst});
        const SearchIndex::State state = SearchIndex(pst).state();
        const CliRunner::Result search = CliRunner::run({QStringLiteral("search"), pst, QStringLiteral("marker1")});
        unmountCache();
        QCOMPARE(index.status, 1);
        QVERIFY2(index.err.contains("disk is full"), index.err.constData());
        QVERIFY(state != SearchIndex::State::Complete);
        QVERIFY2(search.status != 0 || search.err.contains("incomplete"), search.err.constData());
    }

    // A file changed after indexing is indexed anew and its old index goes.
    void changedFileIsReindexed()
    {
        const QString pst = m_work.filePath(QStringLiteral("changing.pst"));
        QString error;
        QVERIFY(WrittenPst::open(WrittenPst::oneFolder({mail("Old", "The word before is walrus.")}), pst, &error));
        QCOMPARE(CliRunner::run({QStringLiteral("search"), pst, QStringLiteral("walrus")}).status, 0);
        const QString oldLocation = SearchIndex::locationFor(pst);
        QVERIFY(QFileInfo::exists(oldLocation));

        QVERIFY(WrittenPst::open(WrittenPst::oneFolder({mail("New", "The word after is narwhal."), mail("Two", "and another")}), pst, &error));
        // A rewrite within the same second keeps the time; the size differs.
        QVERIFY(SearchIndex::locationFor(pst) != oldLocation);
        QCOMPARE(CliRunner::run({QStringLiteral("search"), pst, QStringLiteral("walrus")}).status, 1);
        QCOMPARE(CliRunner::run({QStringLiteral("search"), pst, QStringLiteral("narwhal")}).status, 0);
        QVERIFY2(!QFileInfo::exists(oldLocation), "the index of the file's older version is left behind");
        QCOMPARE(SearchIndex(pst).indexedItems(), 2);
    }

    // Two builds of one index at once (two windows, a window and a script):
    // both end well and the index is whole, each item once.
    void twoBuildsAtOnce()
    {
        const QString pst = m_work.filePath(QStringLiteral("twice.pst"));
        QVERIFY(SearchFixture::writeMailbox(pst, 3, 700));
        QProcess first, second;
        first.start(CliRunner::path(), {QStringLiteral("index"), pst});
        second.start(CliRunner::path(), {QStringLiteral("search"), pst, QStringLiteral("marker2099")});
        QVERIFY(first.waitForFinished(120000));
        QVERIFY(second.waitForFinished(120000));
        QCOMPARE(first.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QVERIFY2(first.exitCode() == 0, first.readAllStandardError().constData());
        QVERIFY2(second.exitCode() == 0, second.readAllStandardError().constData());
        QVERIFY(second.readAllStandardOutput().contains("[marker2099]"));
        QCOMPARE(SearchIndex(pst).state(), SearchIndex::State::Complete);
        QCOMPARE(SearchIndex(pst).indexedItems(), 2100);
        QCOMPARE(hitIds(pst, QStringLiteral("ordinary")).size(), 2100);
        QCOMPARE(hitIds(pst, QStringLiteral("marker1234")).size(), 1);
    }

    // One large folder is shared out in slices: every mail indexed once.
    void largeFolderSharedOutWhole()
    {
        const QString pst = m_work.filePath(QStringLiteral("flat.pst"));
        QVERIFY(SearchFixture::writeMailbox(pst, 1, 1001));
        const CliRunner::Result built = CliRunner::run({QStringLiteral("index"), pst, QStringLiteral("--jobs"), QStringLiteral("3")});
        QVERIFY2(built.status == 0, built.err.constData());
        QCOMPARE(SearchIndex(pst).indexedItems(), 1001);
        QCOMPARE(hitIds(pst, QStringLiteral("ordinary")).size(), 1001);
        for (int n : {0, 1, 2, 500, 1000})
            QCOMPARE(hitIds(pst, QStringLiteral("marker%1").arg(n)).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestSearchCli)
#include "tst_SearchCli.moc"
