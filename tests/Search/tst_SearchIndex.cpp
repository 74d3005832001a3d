// SPDX-License-Identifier: GPL-2.0-or-later
// The index: shards written as the builder writes them, searched with every
// part of the query language, in every order, and shards that are half
// written or damaged.
#include "ItemType.h"
#include "SearchIndex.h"
#include "SearchIndexWriter.h"
#include "SearchStorage.h"
#include "SqliteConnection.h"
#include "TestHome.h"

#include <QFile>
#include <QSet>
#include <QtTest>

namespace {

QDateTime at(int year, int month, int day)
{
    return QDateTime(QDate(year, month, day), QTime(12, 0));
}

IndexedItem item(quint64 id, int type, const QString& folder, const QString& subject, const QString& sender,
                 const QString& body, const QDateTime& date = QDateTime())
{
    IndexedItem entry;
    entry.nodeId = id;
    entry.itemType = type;
    entry.folderPath = folder;
    entry.subject = subject;
    entry.sender = sender;
    entry.body = body;
    entry.date = date;
    entry.size = qint64(1000 + id);
    return entry;
}

QList<IndexedItem> corpus()
{
    IndexedItem report = item(1, Mail, "Inbox", "Quarterly report", "Alice Archer <alice@example.com>",
                              "Please find the figures.\r\nThe quarterly\r\nreport is attached.", at(2019, 3, 5));
    report.recipients = "Bob Baker <bob@example.com>";
    report.attachmentNames = "figures.xlsx";
    report.hasAttachment = true;
    return {
        report,
        item(2, Mail, "Inbox/Travel", "Trip to Köln", "Bob Baker <bob@example.com>",
             "We meet at the Dom in Köln next week. Naïve café.", at(2019, 6, 1)),
        item(3, Mail, "Inbox", "東京出張について", "田中 <tanaka@example.jp>", "来週の東京都での会議資料を送ります。",
             at(2020, 1, 10)),
        item(4, Contact, "Contacts", "Carol Jones", "", "Acme Corp\ncarol@acme.example\n+1 555 0100"),
        item(5, Calendar, "Calendar", "Dentist", "", "Bring the insurance card", at(2019, 3, 20)),
        item(6, Mail, "Sent Items", "Report draft", "Dave Dunn <dave@example.com>", "A draft of the report, not quarterly",
             at(2018, 12, 31)),
        item(7, Task, "Tasks", "Write report", "", "", at(2019, 5, 5)),
        item(8, Note, "Notes", "Shopping list", "", "milk eggs"),
        item(9, Journal, "Journal", "Phone call with Alice", "", "Talked about the figures", at(2019, 7, 7)),
    };
}

QStringList subjects(const QList<SearchHit>& hits)
{
    QStringList result;
    for (const SearchHit& hit : hits)
        result << hit.subject;
    return result;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

} // namespace

static QString filler(int seed, int bytes);

class TestSearchIndex : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void queriesFindTheirItems_data();
    void queriesFindTheirItems();
    void phrasesAreCheckedInEveryText_data();
    void phrasesAreCheckedInEveryText();
    void checkedHitsKeepTheirOrderAndLimit();
    void failingShardFailsTheSearch_data();
    void failingShardFailsTheSearch();
    void ordersAsAsked();
    void restrictsToOneFolderAndLimits();
    void manyMatchesComeByDate();
    void snippetsMarkTheMatches_data();
    void snippetsMarkTheMatches();
    void snippetWithoutMatchShowsTheBodyStart_data();
    void snippetWithoutMatchShowsTheBodyStart();
    void snippetsComeFirstForTheScreenThenOnRequest();
    void hitsCarryTheListColumns();
    void badQueryAndMissingIndexSayWhy();
    void statesFollowTheWriters();
    void changedFileHasNoIndex();
    void damagedShardIsNeverTrusted_data();
    void damagedShardIsNeverTrusted();
    void unwritableCacheFailsCleanly();

private:
    // Writes `items` into `shards` shards of the index of m_pst, item i to shard i % shards.
    void writeIndex(const QList<IndexedItem>& items, int shards);
    QList<SearchHit> search(const QString& text, const SearchIndex::Options& options = {});

    TestHome m_home;
    QString m_pst;
};

void TestSearchIndex::initTestCase()
{
    qputenv("XDG_CACHE_HOME", (m_home.path() + "/cache").toUtf8());
    m_pst = m_home.path() + "/mailbox.pst";
    QFile file(m_pst);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not really a PST file, but it has a path, a size and a time");
}

void TestSearchIndex::init()
{
    QVERIFY(SearchIndex::remove(m_pst));
}

void TestSearchIndex::writeIndex(const QList<IndexedItem>& items, int shards)
{
    for (int shard = 0; shard < shards; ++shard) {
        SearchIndexWriter writer(m_pst);
        QVERIFY2(writer.open(shard, shards), qPrintable(writer.errorMessage()));
        for (int i = shard; i < items.size(); i += shards)
            QVERIFY(writer.add(items.at(i)));
        QVERIFY(writer.finish(int(items.size())));
    }
}

QList<SearchHit> TestSearchIndex::search(const QString& text, const SearchIndex::Options& options)
{
    const SearchIndex index(m_pst);
    QString error;
    const QList<SearchHit> hits = index.search(SearchQuery::parse(text), options, &error);
    if (!error.isEmpty())
        qWarning() << text << error;
    return hits;
}

void TestSearchIndex::queriesFindTheirItems_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    const QString quarterly = "Quarterly report";
    const QString koln = "Trip to Köln";
    const QString tokyo = "東京出張について";
    const QString draft = "Report draft";
    const QString task = "Write report";
    QStringList all;
    for (const IndexedItem& entry : corpus())
        all << entry.subject;
    auto allBut = [&](const QStringList& left) {
        QStringList rest = all;
        for (const QString& s : left)
            rest.removeAll(s);
        return rest;
    };
    QTest::newRow("word") << "report" << QStringList{quarterly, draft, task};
    QTest::newRow("every word must match") << "quarterly report" << QStringList{quarterly, draft};
    QTest::newRow("phrase") << "\"quarterly report\"" << QStringList{quarterly};
    QTest::newRow("phrase across line breaks") << "\"quarterly report is attached\"" << QStringList{quarterly};
    QTest::newRow("words in other order are no phrase") << "\"report quarterly\"" << QStringList{};
    QTest::newRow("excluded word") << "report -draft" << QStringList{quarterly, task};
    QTest::newRow("only excluded words") << "-report" << allBut({quarterly, draft, task});
    QTest::newRow("excluded phrase") << "-\"quarterly report\"" << allBut({quarterly});
    QTest::newRow("from") << "from:alice" << QStringList{quarterly};
    QTest::newRow("from address") << "from:dave@example.com" << QStringList{draft};
    QTest::newRow("to") << "to:bob" << QStringList{quarterly};
    QTest::newRow("to phrase") << "to:\"Bob Baker\"" << QStringList{quarterly};
    QTest::newRow("subject") << "subject:report" << QStringList{quarterly, draft, task};
    QTest::newRow("subject holds not the body") << "subject:figures" << QStringList{};
    QTest::newRow("excluded sender") << "figures -from:alice" << QStringList{"Phone call with Alice"};
    QTest::newRow("attachment name") << "figures.xlsx" << QStringList{quarterly};
    QTest::newRow("attachment extension") << "xlsx" << QStringList{quarterly};
    QTest::newRow("has attachment") << "has:attachment" << QStringList{quarterly};
    // Each kind's name is read in tst_SearchQuery; here the filter applies.
    QTest::newRow("kind mail") << "kind:mail" << QStringList{quarterly, koln, tokyo, draft};
    QTest::newRow("kind task") << "kind:task report" << QStringList{task};
    QTest::newRow("after includes its day")
        << "after:2019-03-20" << QStringList{koln, tokyo, "Dentist", task, "Phone call with Alice"};
    QTest::newRow("before excludes its day") << "before:2019-03-20" << QStringList{quarterly, draft};
    QTest::newRow("between") << "report after:2019-01-01 before:2019-04-01" << QStringList{quarterly};
    QTest::newRow("folder by name, any case") << "folder:inbox" << QStringList{quarterly, koln, tokyo};
    QTest::newRow("sub-folder") << "folder:travel" << QStringList{koln};
    QTest::newRow("folder with a space") << "folder:\"sent items\" report" << QStringList{draft};
    QTest::newRow("unknown folder") << "folder:nowhere" << QStringList{};
    QTest::newRow("without diacritics") << "koln" << QStringList{koln};
    QTest::newRow("with diacritics and case") << "KÖLN" << QStringList{koln};
    QTest::newRow("diacritics in a phrase") << "\"naive cafe\"" << QStringList{koln};
    QTest::newRow("japanese trigram") << "東京都" << QStringList{tokyo};
    QTest::newRow("japanese long substring") << "会議資料を送" << QStringList{tokyo};
    QTest::newRow("japanese two characters") << "東京" << QStringList{tokyo};
    QTest::newRow("japanese one character") << "京" << QStringList{tokyo};
    QTest::newRow("japanese not there") << "大阪" << QStringList{};
    QTest::newRow("japanese not in this order") << "資料会議" << QStringList{};
    QTest::newRow("japanese excluded") << "-東京" << allBut({tokyo});
    QTest::newRow("japanese sender") << "from:田中" << QStringList{tokyo};
    QTest::newRow("japanese and latin") << "東京都 tanaka" << QStringList{tokyo};
    QTest::newRow("prefix") << "repo*" << QStringList{quarterly, draft, task};
    QTest::newRow("subject prefix") << "subject:quart*" << QStringList{quarterly};
    QTest::newRow("contact phone") << "555" << QStringList{"Carol Jones"};
    QTest::newRow("contact company") << "acme" << QStringList{"Carol Jones"};
    QTest::newRow("body phrase") << "\"not quarterly\"" << QStringList{draft};
    QTest::newRow("word in no item") << "zeppelin" << QStringList{};
    QTest::newRow("punctuation only") << "!!!" << QStringList{};
    QTest::newRow("punctuation parts words") << "\"carol acme example\"" << QStringList{"Carol Jones"};
    QTest::newRow("punctuation in the query") << "carol@acme.example" << QStringList{"Carol Jones"};
}

void TestSearchIndex::queriesFindTheirItems()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    // Two shards, as two workers write them: hits come from both.
    writeIndex(corpus(), 2);
    QCOMPARE(sorted(subjects(search(text))), sorted(expected));
}

// Items whose phrases lie where the quick checks could go wrong: capitals
// and accented letters deep in long texts, the first and last of the texts
// kept packed together, and a phrase cut by the end of a text.
QList<IndexedItem> phraseCorpus()
{
    const QString padding = QString("plain words to fill the line ").repeated(12);
    IndexedItem zoo = item(1, Mail, "Inbox", "Zoo visit", "", padding + "WE FED THE ZEBRA APPLES AND HAY. " + padding);
    IndexedItem station = item(2, Mail, "Inbox", "Station", "", "Köln Hauptbahnhof, Gleis 5. " + padding);
    IndexedItem plan = item(3, Mail, "Inbox", "Plan", "", padding);
    plan.recipients = "Erin Evans <erin@example.com>";
    plan.attachmentNames = "annual plan 2024.pdf";
    IndexedItem split = item(4, Mail, "Inbox", "Split", "", padding + "the annual");
    split.recipients = "ops@example.com Evans";
    split.attachmentNames = "plan.doc";
    return {zoo, station, plan, split};
}

void TestSearchIndex::phrasesAreCheckedInEveryText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("capitals in a long text") << "\"zebra apples\"" << QStringList{"Zoo visit"};
    QTest::newRow("capitals in the query") << "\"FED the Zebra\"" << QStringList{"Zoo visit"};
    QTest::newRow("a whole word, not its start") << "\"zebra apple\"" << QStringList{};
    QTest::newRow("joined words, the last a prefix") << "zebra.appl*" << QStringList{"Zoo visit"};
    QTest::newRow("joined words") << "zebra.apple" << QStringList{};
    QTest::newRow("accents first in a long text") << "\"koln hauptbahnhof\"" << QStringList{"Station"};
    QTest::newRow("after the accents") << "\"gleis 5\"" << QStringList{"Station"};
    QTest::newRow("recipients, first of the packed texts") << "to:\"erin evans\"" << QStringList{"Plan"};
    QTest::newRow("recipients in order only") << "\"evans example\"" << QStringList{};
    QTest::newRow("attachment names, last of the packed texts") << "\"annual plan\"" << QStringList{"Plan"};
    QTest::newRow("up to the end of the names") << "\"2024 pdf\"" << QStringList{"Plan"};
    QTest::newRow("no phrase across two texts") << "\"evans plain\"" << QStringList{};
    QTest::newRow("excluded phrase") << "plain -\"annual plan\"" << QStringList{"Zoo visit", "Station", "Split"};
}

void TestSearchIndex::phrasesAreCheckedInEveryText()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    writeIndex(phraseCorpus(), 2);
    for (const SearchIndex::Order order : {SearchIndex::Order::BestFirst, SearchIndex::Order::NewestFirst}) {
        SearchIndex::Options options;
        options.order = order;
        QCOMPARE(sorted(subjects(search(text, options))), sorted(expected));
    }
}

void TestSearchIndex::checkedHitsKeepTheirOrderAndLimit()
{
    // Far more candidates than are checked together, most of them no
    // phrase, in several blocks: the page is the first of all that hold it.
    QList<IndexedItem> items;
    for (int i = 0; i < 700; ++i) {
        const QString words = i % 3 ? "beta then alpha" : "alpha beta";
        const QString subject = i % 7 ? QString("Item %1").arg(i) : QString("Alpha beta %1").arg(i);
        items << item(quint64(100 + i), Mail, "Bulk", subject, "", filler(i, 2000) + words + ' ' + filler(i + 1, 200),
                      at(2015, 1, 1).addDays(i));
    }
    writeIndex(items, 2);
    SearchIndex::Options options;
    options.limit = 0;
    const QStringList all = subjects(search("\"alpha beta\"", options));
    QCOMPARE(all.size(), 234 + 100 - 34);
    options.limit = 120;
    QCOMPARE(subjects(search("\"alpha beta\"", options)), all.mid(0, 120));
    options.order = SearchIndex::Order::OldestFirst;
    QCOMPARE(subjects(search("\"alpha beta\"", options)).first(), QString("Alpha beta 0"));
}

void TestSearchIndex::failingShardFailsTheSearch_data()
{
    QTest::addColumn<int>("order");
    QTest::newRow("best first") << int(SearchIndex::Order::BestFirst);
    QTest::newRow("newest first") << int(SearchIndex::Order::NewestFirst);
}

void TestSearchIndex::failingShardFailsTheSearch()
{
    // One shard of three fails while the others answer: no hits are shown
    // as if they were all, whichever way the shards are searched.
    QFETCH(int, order);
    writeIndex(corpus(), 3);
    SearchIndex index(m_pst);
    QCOMPARE(index.state(), SearchIndex::State::Complete);
    {
        SqliteConnection db;
        QVERIFY(db.open(SearchStorage::shardPath(SearchIndex::locationFor(m_pst), 1), SqliteConnection::Mode::ReadWriteCreate));
        QVERIFY(db.exec("ALTER TABLE items RENAME TO gone"));
    }
    SearchIndex::Options options;
    options.order = SearchIndex::Order(order);
    QString error;
    QVERIFY(index.search(SearchQuery::parse("report"), options, &error).isEmpty());
    QVERIFY(!error.isEmpty());
}

void TestSearchIndex::ordersAsAsked()
{
    writeIndex(corpus(), 2);
    SearchIndex::Options options;
    // In the subject and the body beats the body alone.
    QCOMPARE(subjects(search("quarterly", options)), (QStringList{"Quarterly report", "Report draft"}));
    options.order = SearchIndex::Order::NewestFirst;
    QCOMPARE(subjects(search("report", options)), (QStringList{"Write report", "Quarterly report", "Report draft"}));
    options.order = SearchIndex::Order::OldestFirst;
    QCOMPARE(subjects(search("report", options)), (QStringList{"Report draft", "Quarterly report", "Write report"}));
    // Items without a date come last either way.
    QCOMPARE(subjects(search("-zeppelin", options)).last(), QString("Shopping list"));
    options.order = SearchIndex::Order::NewestFirst;
    QCOMPARE(subjects(search("-zeppelin", options)).first(), QString("東京出張について"));
    QVERIFY(!subjects(search("-zeppelin", options)).last().isEmpty());
    const QStringList newest = subjects(search("-zeppelin", options));
    QCOMPARE(QSet<QString>(newest.end() - 2, newest.end()), (QSet<QString>{"Carol Jones", "Shopping list"}));
}

void TestSearchIndex::restrictsToOneFolderAndLimits()
{
    writeIndex(corpus(), 2);
    SearchIndex::Options options;
    options.restrictToFolder = true;
    options.folderPath = "Inbox";
    QCOMPARE(sorted(subjects(search("kind:mail", options))), sorted({"Quarterly report", "東京出張について"}));
    options.restrictToFolder = false;
    options.limit = 2;
    options.order = SearchIndex::Order::NewestFirst;
    QCOMPARE(subjects(search("kind:mail", options)), (QStringList{"東京出張について", "Trip to Köln"}));
    // The limit holds for hits checked one by one as well.
    QCOMPARE(search("-\"quarterly report\"", options).size(), 2);
}

void TestSearchIndex::manyMatchesComeByDate()
{
    // More matches than are worth ranking: the newest (or oldest) come
    // first, undated ones last, and phrases and excluded words still hold.
    QList<IndexedItem> items;
    for (int i = 0; i < 1500; ++i) {
        const QString body = i % 2 ? QString("common word %1").arg(i) : QString("word common %1").arg(i);
        items << item(quint64(100 + i), Mail, "Bulk", QString("Bulk %1").arg(i), "", body, at(2010, 1, 1).addDays(i));
    }
    items << item(90, Mail, "Bulk", "Undated", "", "common word");
    writeIndex(items, 1);
    SearchIndex::Options options;
    options.limit = 3;
    QCOMPARE(subjects(search("common", options)), (QStringList{"Bulk 1499", "Bulk 1498", "Bulk 1497"}));
    QCOMPARE(subjects(search("\"common word\"", options)), (QStringList{"Bulk 1499", "Bulk 1497", "Bulk 1495"}));
    QCOMPARE(subjects(search("common -1499", options)), (QStringList{"Bulk 1498", "Bulk 1497", "Bulk 1496"}));
    options.order = SearchIndex::Order::OldestFirst;
    QCOMPARE(subjects(search("common", options)), (QStringList{"Bulk 0", "Bulk 1", "Bulk 2"}));
    options.limit = 0;
    const QStringList all = subjects(search("\"common word\"", options));
    QCOMPARE(all.size(), 751);
    QCOMPARE(all.first(), QString("Bulk 1"));
    QCOMPARE(all.last(), QString("Undated"));

    // Spread over shards, each shard after the first confirms only what
    // can still make the page, and the page is the same.
    writeIndex(items, 3);
    options.limit = 3;
    options.order = SearchIndex::Order::BestFirst;
    QCOMPARE(subjects(search("common", options)), (QStringList{"Bulk 1499", "Bulk 1498", "Bulk 1497"}));
    QCOMPARE(subjects(search("\"common word\"", options)), (QStringList{"Bulk 1499", "Bulk 1497", "Bulk 1495"}));
    options.order = SearchIndex::Order::OldestFirst;
    QCOMPARE(subjects(search("\"common word\"", options)), (QStringList{"Bulk 1", "Bulk 3", "Bulk 5"}));
    options.order = SearchIndex::Order::NewestFirst;
    options.limit = 751;
    QCOMPARE(subjects(search("\"common word\"", options)).last(), QString("Undated"));
}

// Words of no language, different in every item, so that the texts
// neither compress to nothing nor train an empty dictionary.
static QString filler(int seed, int bytes)
{
    static const char* const syllables[] = {"ta", "ro", "mek", "sil", "u", "vra", "no", "kes", "pi", "dol"};
    QRandomGenerator random{quint32(seed)};
    QString text;
    while (text.size() < bytes) {
        for (int s = 1 + int(random.bounded(3)); s > 0; --s)
            text += QLatin1String(syllables[random.bounded(10)]);
        text += random.bounded(12) ? QLatin1Char(' ') : QLatin1Char('\n');
    }
    return text;
}

void TestSearchIndex::snippetsComeFirstForTheScreenThenOnRequest()
{
    // Enough text for many blocks and a trained dictionary in each shard.
    QList<IndexedItem> items;
    for (int i = 0; i < 300; ++i)
        items << item(quint64(1000 + i), Mail, "Bulk", QString("Bulk %1").arg(i), "",
                      QString("Item %1 holds a needle. ").arg(i) + filler(i, 20 * 1024), at(2015, 1, 1).addDays(i));
    writeIndex(items, 2);
    for (const QString& shard : SearchStorage::shardPaths(SearchIndex::locationFor(m_pst))) {
        SqliteConnection db;
        QVERIFY(db.open(shard, SqliteConnection::Mode::ReadOnly));
        QCOMPARE(db.integer(QString("SELECT count(*) FROM texts WHERE id = %1").arg(SearchStorage::kDictionaryRow)), 1);
    }
    const SearchQuery query = SearchQuery::parse("needle");
    SearchIndex::Options options;
    options.limit = 0;
    options.snippets = 5;
    const SearchIndex index(m_pst);
    QList<SearchHit> hits = index.search(query, options);
    QCOMPARE(hits.size(), 300);
    // Each snippet is its own item's: the right text of the right block.
    const auto snippetIsRight = [](const SearchHit& hit) {
        const QString number = hit.subject.section(' ', 1, 1);
        return hit.hasSnippet && hit.snippet.contains(QString("Item %1 holds a \x02needle\x03").arg(number));
    };
    for (int i = 0; i < hits.size(); ++i)
        QVERIFY2(i < 5 ? snippetIsRight(hits.at(i)) : !hits.at(i).hasSnippet && hits.at(i).snippet.isEmpty(),
                 qPrintable(QString("%1: %2").arg(i).arg(hits.at(i).snippet)));
    index.addSnippets(query, &hits, 3, 1000);
    for (const SearchHit& hit : std::as_const(hits))
        QVERIFY2(snippetIsRight(hit), qPrintable(hit.subject + ": " + hit.snippet));

    // Rows of an index built again hold other items: their hits get none.
    QList<SearchHit> stale = index.search(query, options);
    writeIndex(corpus(), 2);
    SearchIndex(m_pst).addSnippets(query, &stale, 0, stale.size());
    QVERIFY(std::none_of(stale.begin() + 5, stale.end(), [](const SearchHit& hit) { return hit.hasSnippet; }));
}

void TestSearchIndex::snippetsMarkTheMatches_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("marked");
    QTest::newRow("word") << "attached" << "\x02" "attached" "\x03";
    QTest::newRow("folded word keeps its letters") << "koln" << "\x02Köln\x03";
    QTest::newRow("japanese") << "東京都" << "\x02東京都\x03";
    QTest::newRow("prefix") << "attach*" << "\x02" "attached" "\x03";
    QTest::newRow("attachment name") << "xlsx" << "figures.\x02xlsx\x03";
}

void TestSearchIndex::snippetsMarkTheMatches()
{
    QFETCH(QString, text);
    QFETCH(QString, marked);
    writeIndex(corpus(), 1);
    const QList<SearchHit> hits = search(text);
    QCOMPARE(hits.size(), 1);
    QVERIFY2(hits.first().snippet.contains(marked), qPrintable(hits.first().snippet));
    QVERIFY(!hits.first().snippet.contains('\n'));
}

void TestSearchIndex::hitsCarryTheListColumns()
{
    writeIndex(corpus(), 1);
    const QList<SearchHit> hits = search("figures.xlsx");
    QCOMPARE(hits.size(), 1);
    const SearchHit& hit = hits.first();
    QCOMPARE(hit.nodeId, quint64(1));
    QCOMPARE(hit.folderPath, QString("Inbox"));
    QCOMPARE(hit.itemType, int(Mail));
    QCOMPARE(hit.date, at(2019, 3, 5));
    QCOMPARE(hit.size, qint64(1001));
    QVERIFY(hit.hasAttachment);
    QCOMPARE(hit.sender, QString("Alice Archer <alice@example.com>"));
    // A long body gives a few words around the match, not the whole text.
    IndexedItem longMail = item(20, Mail, "Inbox", "Long", "", QString("filler words here ").repeated(500) + "needle "
                                + QString("more filler text ").repeated(500));
    SearchIndex::remove(m_pst);
    writeIndex({longMail}, 1);
    const QString snippet = search("needle").value(0).snippet;
    QVERIFY2(snippet.size() < 300 && snippet.contains("\x02needle\x03"), qPrintable(snippet));
    QVERIFY(snippet.startsWith(QChar(0x2026)) && snippet.endsWith(QChar(0x2026)));
}

void TestSearchIndex::badQueryAndMissingIndexSayWhy()
{
    QString error;
    QCOMPARE(SearchIndex(m_pst).state(), SearchIndex::State::Missing);
    QVERIFY(SearchIndex(m_pst).search(SearchQuery::parse("report"), {}, &error).isEmpty());
    QVERIFY(!error.isEmpty());
    writeIndex(corpus(), 1);
    QVERIFY(SearchIndex(m_pst).search(SearchQuery::parse("kind:fax report"), {}, &error).isEmpty());
    QVERIFY(error.contains("fax"));
    QCOMPARE(SearchIndex(m_pst).search(SearchQuery::parse("report"), {}, &error).size(), 3);
    QVERIFY(error.isEmpty());
}

void TestSearchIndex::statesFollowTheWriters()
{
    const QList<IndexedItem> items = corpus();
    SearchIndexWriter first(m_pst);
    QVERIFY(first.open(0, 2));
    QVERIFY(first.setTotalItems(int(items.size())));
    QVERIFY(first.add(items.at(0)));
    QVERIFY(first.commit());
    {
        SearchIndex index(m_pst);
        QCOMPARE(index.state(), SearchIndex::State::Building);
        QVERIFY(index.hasLiveWriter());
        QCOMPARE(index.indexedItems(), 1);
        QCOMPARE(index.totalItems(), int(items.size()));
        // What is indexed so far can be searched.
        QCOMPARE(subjects(index.search(SearchQuery::parse("report"), {})), QStringList{"Quarterly report"});
    }
    // A second writer cannot take a shard that has one.
    SearchIndexWriter intruder(m_pst);
    QVERIFY(!intruder.open(0, 2));
    QVERIFY(!intruder.errorMessage().isEmpty());
    QVERIFY(first.finish(int(items.size())));
    first.close();
    // One shard of two complete: still building, but no writer any more.
    SearchIndex half(m_pst);
    QCOMPARE(half.state(), SearchIndex::State::Building);
    QVERIFY(!half.hasLiveWriter());
    SearchIndexWriter second(m_pst);
    QVERIFY(second.open(1, 2));
    for (int i = 1; i < items.size(); ++i)
        QVERIFY(second.add(items.at(i)));
    second.close();
    // Left without its marker: half-built, its writer gone.
    half.reload();
    QCOMPARE(half.state(), SearchIndex::State::Building);
    QVERIFY(!half.hasLiveWriter());
    QVERIFY(second.open(1, 2));
    for (int i = 1; i < items.size(); ++i)
        QVERIFY(second.add(items.at(i)));
    QVERIFY(second.finish(int(items.size())));
    half.reload();
    QCOMPARE(half.state(), SearchIndex::State::Complete);
    QCOMPARE(half.indexedItems(), int(items.size()));
    QVERIFY(half.verify());
}

void TestSearchIndex::changedFileHasNoIndex()
{
    writeIndex(corpus(), 1);
    QCOMPARE(SearchIndex(m_pst).state(), SearchIndex::State::Complete);
    const QString before = SearchIndex::locationFor(m_pst);
    QFile file(m_pst);
    QVERIFY(file.open(QIODevice::Append));
    file.write("more");
    file.close();
    QVERIFY(SearchIndex::locationFor(m_pst) != before);
    QCOMPARE(SearchIndex(m_pst).state(), SearchIndex::State::Missing);
}

void TestSearchIndex::snippetWithoutMatchShowsTheBodyStart_data()
{
    // The first characters shown (at most 180), with "…" when there are more.
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("snippet");
    QTest::newRow("short") << "see you" << "see you";
    QTest::newRow("just fits") << QString(180, 'a') << QString(180, 'a');
    QTest::newRow("one more") << QString(181, 'a') << QString(180, 'a') + QChar(0x2026);
    QTest::newRow("accented, fits in characters") << QString(150, QChar(0xFC)) << QString(150, QChar(0xFC));
    QTest::newRow("accented, too long") << QString(300, QChar(0xFC)) << QString(180, QChar(0xFC)) + QChar(0x2026);
    QTest::newRow("japanese") << QString(100, QChar(0x6771)) << QString(100, QChar(0x6771));
    QTest::newRow("lines joined") << "one\r\ntwo" << "one two";
}

void TestSearchIndex::snippetWithoutMatchShowsTheBodyStart()
{
    QFETCH(QString, body);
    QFETCH(QString, snippet);
    writeIndex({item(1, Mail, "Inbox", "Greeting", "", body)}, 1);
    const QList<SearchHit> hits = search("subject:greeting");
    QCOMPARE(hits.size(), 1);
    QCOMPARE(hits.first().snippet, snippet);
}

void TestSearchIndex::damagedShardIsNeverTrusted_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("cut in half") << "half";
    QTest::newRow("last page cut off") << "lastpage";
    QTest::newRow("empty") << "empty";
    QTest::newRow("not a database") << "garbage";
    QTest::newRow("pages overwritten") << "overwrite";
    QTest::newRow("older schema") << "schema";
    QTest::newRow("other file") << "identity";
    // A writer killed in a transaction leaves a journal: damage, told apart.
    QTest::newRow("interrupted") << "interrupted";
}

// Leaves the shard at `path` as a writer killed in the middle of a
// transaction leaves it: changed pages in the file, the old ones in its journal.
static void interruptWriting(const QString& path)
{
    const QString copy = path + ".copy";
    {
        SqliteConnection db;
        QVERIFY(db.open(path, SqliteConnection::Mode::ReadWriteCreate));
        QVERIFY(db.exec("DELETE FROM meta WHERE key = 'complete'"));
        // With a tiny cache the changes reach the file before the commit,
        // the pages they replace the journal.
        QVERIFY(db.exec("PRAGMA cache_size=1"));
        QVERIFY(db.exec("BEGIN"));
        QVERIFY(db.exec("UPDATE items SET subject = subject || ' changed', sender = 'someone else'"));
        QVERIFY(db.exec("INSERT INTO texts(id, data) SELECT id + 1000000, randomblob(100000) FROM texts"));
        QVERIFY(QFile::exists(path + "-journal"));
        QVERIFY(QFile::copy(path, copy));
        QVERIFY(QFile::copy(path + "-journal", copy + "-journal"));
        QVERIFY(db.exec("ROLLBACK"));
    }
    QVERIFY(QFile::remove(path));
    QVERIFY(QFile::rename(copy, path));
    QVERIFY(QFile::rename(copy + "-journal", path + "-journal"));
}

void TestSearchIndex::damagedShardIsNeverTrusted()
{
    QFETCH(QString, damage);
    QList<IndexedItem> items = corpus();
    // Enough text that the shard has many pages.
    for (int i = 0; i < 300; ++i)
        items << item(100 + i, Mail, "Bulk", QString("Bulk %1").arg(i), "", QString("bulk text %1 ").arg(i).repeated(200));
    writeIndex(items, 2);
    const QString path = SearchStorage::shardPath(SearchIndex::locationFor(m_pst), 1);
    if (damage == "schema" || damage == "identity") {
        SqliteConnection db;
        QVERIFY(db.open(path, SqliteConnection::Mode::ReadWriteCreate));
        QVERIFY(db.exec(damage == "schema" ? "UPDATE meta SET value = 0 WHERE key = 'schema'"
                                           : "UPDATE meta SET value = 'elsewhere|1|2' WHERE key = 'identity'"));
    } else if (damage == "interrupted") {
        interruptWriting(path);
        if (QTest::currentTestFailed())
            return;
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const qint64 size = file.size();
        if (damage == "half")
            QVERIFY(file.resize(size / 2));
        else if (damage == "lastpage")
            QVERIFY(file.resize(size - 4096));
        else if (damage == "empty")
            QVERIFY(file.resize(0));
        else if (damage == "garbage")
            file.write(QByteArray(4096, 'x'));
        else if (file.seek(size / 3))
            file.write(QByteArray(size / 3, char(0x5A)));
    }
    SearchIndex index(m_pst);
    QString error;
    if (damage == "overwrite") {
        // Only reading every page shows it; a search meeting it says so.
        const QList<SearchHit> hits = index.search(SearchQuery::parse("bulk"), {}, &error);
        QVERIFY(!index.verify());
        QVERIFY(hits.isEmpty() == !error.isEmpty());
    }
    QCOMPARE(index.state(), SearchIndex::State::Damaged);
    QCOMPARE(index.wasInterrupted(), damage == "interrupted");
    QVERIFY(!index.hasLiveWriter());
    QVERIFY(index.search(SearchQuery::parse("bulk"), {}, &error).isEmpty());
    QVERIFY(!error.isEmpty());
}

void TestSearchIndex::unwritableCacheFailsCleanly()
{
    // A file where the index folder should be: nothing can be created there.
    const QString location = SearchIndex::locationFor(m_pst);
    QDir().mkpath(QFileInfo(location).path());
    QFile blocker(location);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SearchIndexWriter writer(m_pst);
    QVERIFY(!writer.open(0, 1));
    QVERIFY(!writer.errorMessage().isEmpty());
    QVERIFY(!writer.add(corpus().first()));
    QVERIFY(!writer.finish(1));
    QCOMPARE(SearchIndex(m_pst).state(), SearchIndex::State::Missing);
    QVERIFY(blocker.remove());
}

QTEST_GUILESS_MAIN(TestSearchIndex)
#include "tst_SearchIndex.moc"
