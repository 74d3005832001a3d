// SPDX-License-Identifier: GPL-2.0-or-later
// SearchIndexer as the window uses it: it builds through the real
// lumaroo-cli while the event loop runs on, reports progress, reuses a
// complete index at once, stops on cancel without leaving a worker behind,
// and says why when the cache folder cannot be written.

#include "CliRunner.h"
#include "ProductConstants.h"
#include "SearchIndex.h"
#include "SearchFixture.h"
#include "SearchIndexer.h"
#include "TestHome.h"

#include <QtTest>

class TestSearchIndexer : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;
    QTemporaryDir m_work;
    QString m_pst;

private slots:
    void initTestCase()
    {
        // The program's names, under which lumaroo-cli keeps its caches.
        QCoreApplication::setOrganizationName(g_organization);
        QCoreApplication::setApplicationName(QString(g_product_name).remove(QLatin1Char(' ')));
        QVERIFY(m_work.isValid());
        // The indexer runs the lumaroo-cli it is told of, as test programs sit elsewhere.
        qputenv("LUMAROO_CLI", CliRunner::path().toUtf8());
        m_pst = m_work.filePath(QStringLiteral("mailbox.pst"));
        QVERIFY(SearchFixture::writeMailbox(m_pst, 6, 500));
    }

    void init()
    {
        const QString cache = m_work.filePath(QStringLiteral("cache"));
        QDir(cache).removeRecursively();
        qputenv("XDG_CACHE_HOME", cache.toUtf8());
    }

    void buildsWhileTheEventLoopRuns()
    {
        SearchIndexer indexer;
        QSignalSpy progressed(&indexer, &SearchIndexer::progressed);
        QSignalSpy finished(&indexer, &SearchIndexer::finished);
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
        ticker.start(10);
        indexer.start(m_pst);
        QVERIFY(indexer.isRunning());
        QVERIFY(finished.wait(120000));
        QCOMPARE(finished.first().at(0).toBool(), true);
        QCOMPARE(finished.first().at(1).toString(), QString());
        QVERIFY(!indexer.isRunning());
        QVERIFY(!progressed.isEmpty());
        QCOMPARE(progressed.last().at(1).toInt(), 3000);
        QCOMPARE(progressed.last().at(0).toInt(), 3000);
        // The thread went on handling its events the whole time.
        QVERIFY(ticks > 1);
        QCOMPARE(SearchIndex(m_pst).state(), SearchIndex::State::Complete);
        QCOMPARE(SearchIndex(m_pst).indexedItems(), 3000);
    }

    void completeIndexIsReusedAtOnce()
    {
        QCOMPARE(CliRunner::run({QStringLiteral("index"), m_pst}).status, 0);
        const QFileInfo before(SearchIndex::locationFor(m_pst));
        SearchIndexer indexer;
        QSignalSpy progressed(&indexer, &SearchIndexer::progressed);
        QSignalSpy finished(&indexer, &SearchIndexer::finished);
        indexer.start(m_pst);
        QVERIFY(!indexer.isRunning());
        // Announced from the event loop, never inside start().
        QCOMPARE(finished.size(), 0);
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.first().at(0).toBool(), true);
        QVERIFY(progressed.isEmpty());
        QCOMPARE(SearchIndex(m_pst).state(), SearchIndex::State::Complete);
    }

    void cancelStopsTheBuild()
    {
        SearchIndexer indexer;
        QSignalSpy finished(&indexer, &SearchIndexer::finished);
        const auto cancelling = connect(&indexer, &SearchIndexer::progressed, &indexer, [&indexer](int indexed, int) {
            if (indexed > 0)
                indexer.cancel();
        });
        indexer.start(m_pst);
        QVERIFY(finished.wait(120000));
        QCOMPARE(finished.first().at(0).toBool(), false);
        QVERIFY(finished.first().at(1).toString().contains(QStringLiteral("cancelled")));
        QVERIFY(!indexer.isRunning());
        QVERIFY(SearchIndex(m_pst).state() != SearchIndex::State::Complete);
        // Its workers end with it, not seconds later.
        QVERIFY(SearchFixture::waitUntilGone(m_pst));
        // The next start builds it whole.
        disconnect(cancelling);
        indexer.start(m_pst);
        QVERIFY(finished.wait(120000));
        QCOMPARE(finished.last().at(0).toBool(), true);
        QCOMPARE(SearchIndex(m_pst).indexedItems(), 3000);
    }

    // A file where the cache folder should be: nothing can be made there,
    // whoever runs the test.
    void unwritableCacheSaysSo()
    {
        const QString blocker = m_work.filePath(QStringLiteral("not-a-folder"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        qputenv("XDG_CACHE_HOME", blocker.toUtf8());
        SearchIndexer indexer;
        QSignalSpy finished(&indexer, &SearchIndexer::finished);
        indexer.start(m_pst);
        QVERIFY(finished.wait(60000));
        QCOMPARE(finished.first().at(0).toBool(), false);
        const QString message = finished.first().at(1).toString();
        QVERIFY2(message.contains(QStringLiteral("not writable")) && message.contains(blocker), qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(TestSearchIndexer)
#include "tst_SearchIndexer.moc"
