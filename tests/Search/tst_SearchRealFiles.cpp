// SPDX-License-Identifier: GPL-2.0-or-later
// Every shared PST file written by other software, indexed item by item as
// the builder does it: a word of each sampled mail's body finds that mail,
// and a word in no mail finds nothing.
#include "IndexedItemReader.h"
#include "ItemFactory.h"
#include "ItemType.h"
#include "LibpstFile.h"
#include "SearchIndex.h"
#include "SearchIndexWriter.h"
#include "TestData.h"
#include "TestHome.h"

#include <QRegularExpression>
#include <QtTest>

using namespace LibpstFixture;

namespace {

constexpr int kSampledMailsPerFile = 4;

// A word of at least four letters from the middle of `text`, or "".
QString wordOf(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("\\b[A-Za-z]{4,12}\\b"));
    QStringList words;
    for (auto it = word.globalMatch(text); it.hasNext();)
        words << it.next().captured();
    return words.isEmpty() ? QString() : words.at(words.size() / 2);
}

} // namespace

class TestSearchRealFiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void bodyWordsFindTheirMail_data();
    void bodyWordsFindTheirMail();

private:
    TestHome m_home;
};

void TestSearchRealFiles::initTestCase()
{
    qputenv("XDG_CACHE_HOME", (m_home.path() + "/cache").toUtf8());
    QVERIFY2(TestData::available(), qPrintable(TestData::sharedDir()));
}

void TestSearchRealFiles::bodyWordsFindTheirMail_data()
{
    QTest::addColumn<QString>("path");
    for (const QString& path : TestData::allPstFiles())
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
}

void TestSearchRealFiles::bodyWordsFindTheirMail()
{
    QFETCH(QString, path);
    LibpstFile file(path);
    if (!file.isOpen())
        QSKIP("libpst cannot open this file");
    SearchIndexWriter writer(path);
    QVERIFY2(writer.open(0, 1), qPrintable(writer.errorMessage()));
    QList<IndexedItem> sampled;
    int items = 0;
    for (pst_desc_tree* node : file.descriptors()) {
        if (!ItemFactory::isMessageNode(node))
            continue;
        ItemPtr record = file.parse(node);
        IndexedItem entry;
        if (!record || !IndexedItemReader::read(file.file(), node, record.get(), QString(), &entry))
            continue;
        QVERIFY(writer.add(entry));
        ++items;
        if (entry.itemType == Mail && sampled.size() < kSampledMailsPerFile && !wordOf(entry.body).isEmpty())
            sampled << entry;
    }
    QVERIFY(writer.finish(items));
    writer.close();
    SearchIndex index(path);
    QCOMPARE(index.state(), SearchIndex::State::Complete);
    QCOMPARE(index.indexedItems(), items);
    SearchIndex::Options all;
    all.limit = 0;
    for (const IndexedItem& mail : sampled) {
        const QString word = wordOf(mail.body);
        QString error;
        const QList<SearchHit> hits = index.search(SearchQuery::parse(word), all, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const bool found = std::any_of(hits.begin(), hits.end(), [&](const SearchHit& hit) { return hit.nodeId == mail.nodeId; });
        QVERIFY2(found, qPrintable(QStringLiteral("\"%1\" does not find \"%2\"").arg(word, mail.subject)));
        const QString phrase = QStringLiteral("\"%1\"").arg(mail.body.simplified().left(40).section(QLatin1Char(' '), 0, 2));
        const QList<SearchHit> phraseHits = index.search(SearchQuery::parse(phrase), all, &error);
        QVERIFY2(std::any_of(phraseHits.begin(), phraseHits.end(), [&](const SearchHit& hit) { return hit.nodeId == mail.nodeId; }),
                 qPrintable(phrase + " does not find " + mail.subject));
    }
    QVERIFY(index.search(SearchQuery::parse("zqxjkvwpq"), all).isEmpty());
    SearchIndex::remove(path);
}

QTEST_GUILESS_MAIN(TestSearchRealFiles)
#include "tst_SearchRealFiles.moc"
