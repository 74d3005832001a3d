// SPDX-License-Identifier: GPL-2.0-or-later
// The window's all-folders search as a user works it: the scope beside the
// search box, hits of several folders with their folders and marked words,
// a hit shown in the detail pane with its words marked, the sort menu, a
// query that cannot be parsed, the keyboard alone, and the folder's list
// coming back; and the marking of a mail's words in the web view.

#include "AppConfig.h"
#include "DetailViewController.h"
#include "ListViewSortMenu.h"
#include "MultiLanguage.h"
#include "MyWebViewWidget.h"
#include "PSTListView.h"
#include "PstListController.h"
#include "PstListModel.h"
#include "PstMailItem.h"
#include "PstMailView.h"
#include "PstTreeController.h"
#include "SearchController.h"
#include "SearchHit.h"
#include "SearchHitDelegate.h"
#include "SearchHitModel.h"
#include "SearchIndex.h"
#include "SearchIndexWriter.h"
#include "SearchQuery.h"
#include "SearchScopeBox.h"
#include "SearchStatusLine.h"
#include "TestHome.h"
#include "UiDriver.h"
#include "UiSamples.h"
#include "mainwindow.h"

#include <QtTest>
#include <QtWidgets>

using namespace UiDriver;

class SearchTest : public QObject
{
    Q_OBJECT

private:
    QLineEdit* box() const { return m_window->findChild<QLineEdit*>(QStringLiteral("searchBox")); }
    SearchController* search() const { return m_window->searchController(); }
    PSTListView* results() const { return m_window->searchResultsView(); }
    QListView* folderList() const { return m_window->findChild<QListView*>(QStringLiteral("listView")); }

    // Opens the sample and waits until its index is complete.
    bool openIndexed()
    {
        m_window->openFile(m_path);
        if (!QTest::qWaitFor([this] { return !m_window->treeController()->isOpening(); }, 60000))
            return false;
        if (!pressFolder(m_window->findChild<QTreeView*>(QStringLiteral("treeView")), QStringLiteral("Inbox")))
            return false;
        return QTest::qWaitFor([this] { return !search()->pstPath().isEmpty() && !search()->isIndexing(m_path); },
                               60000);
    }
    // Types `text` into the search box and waits for its hits.
    bool typeQuery(const QString& text)
    {
        QSignalSpy searched(search(), &SearchController::searched);
        box()->setFocus();
        box()->selectAll();
        QTest::keyClicks(box(), text);
        return searched.wait(10000) || !searched.isEmpty();
    }
    QStringList folderColumn() const
    {
        QStringList folders;
        for (int row = 0; row < results()->model()->rowCount(); ++row)
            folders << results()->model()->index(row, 0).data(SearchHitModel::FolderRole).toString();
        return folders;
    }
    QStringList subjects(const QAbstractItemModel* model) const { return texts(model, PstListModel::SubjectRole); }
    // Waits until the detail pane shows a mail with this subject.
    bool detailShows(const QString& subject) const
    {
        return QTest::qWaitFor([this, subject] {
            const auto item = m_window->detailController()->currentItem();
            return item && item->subject() == subject;
        }, 20000);
    }

    QTemporaryDir m_dir;
    QString m_path;
    MainWindow* m_window = nullptr;

private slots:
    void initTestCase()
    {
        // The window indexes through the command line program, as installed beside it.
        qputenv("LUMAROO_CLI", LUMAROO_CLI_PROGRAM);
        m_path = UiSamples::write(UiSamples::searching(), m_dir.path(), QStringLiteral("zoo.pst"));
    }

    void init()
    {
        MultiLanguage::instance()->languageSwitch(MultiLanguage::English);
        AppConfig::instance()->setValue(QStringLiteral("Window/searchScope"), QVariant());
        AppConfig::instance()->setValue(QStringLiteral("Window/sort"), QVariant());
        m_window = new MainWindow;
        m_window->resize(1200, 800);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        QVERIFY(openIndexed());
    }

    void cleanup()
    {
        delete m_window;
        m_window = nullptr;
    }

    // More hits than a screen: the first come with their snippets, the
    // others get theirs shortly after, each marking the matched word.
    void snippetsPastTheFirstScreenFollow()
    {
        PstFolder bulk{QStringLiteral("Bulk"), QStringLiteral("IPF.Note"), {}, {}, 0};
        const int mails = SearchIndex::kScreenSnippets * 3;
        for (int i = 0; i < mails; ++i) {
            PstMessage mail;
            mail.subject = QStringLiteral("Capybara note %1").arg(i);
            mail.senderName = QStringLiteral("Ada Lovelace");
            mail.senderAddress = QStringLiteral("ada@example.org");
            mail.sentTime = QDateTime(QDate(2021, 1, 1), QTime(9, 0), Qt::UTC).addDays(i);
            mail.deliveryTime = mail.sentTime;
            mail.body = QStringLiteral("Note %1: the capybara swam across the pond.").arg(i);
            bulk.messages.append(mail);
        }
        PstDescription description;
        description.folders = {bulk};
        const QString path = UiSamples::write(description, m_dir.path(), QStringLiteral("capybara.pst"));
        m_window->openFile(path);
        QVERIFY(QTest::qWaitFor([this] { return !m_window->treeController()->isOpening(); }, 60000));
        QVERIFY(pressFolder(m_window->findChild<QTreeView*>(QStringLiteral("treeView")), QStringLiteral("Bulk")));
        QVERIFY(QTest::qWaitFor([this, path] { return search()->pstPath() == path && !search()->isIndexing(path); }, 60000));
        m_window->searchScopeBox()->setScope(SearchScopeBox::AllFolders);
        QVERIFY(typeQuery(QStringLiteral("capybara")));
        QCOMPARE(results()->model()->rowCount(), mails);
        const auto marked = [this](int row) {
            const QString snippet = results()->model()->index(row, 0).data(SearchHitModel::SnippetRole).toString();
            const QString number = results()->model()->index(row, 0).data(PstListModel::SubjectRole).toString().section(' ', 2);
            return snippet.contains(QStringLiteral("Note %1: the \x02" "capybara\x03").arg(number));
        };
        QVERIFY(QTest::qWaitFor([&] {
            for (int row = 0; row < mails; ++row) {
                if (!marked(row))
                    return false;
            }
            return true;
        }, 20000));
    }

    void allFoldersListsHitsOfEveryFolderWithTheirFolder()
    {
        m_window->searchScopeBox()->setScope(SearchScopeBox::AllFolders);
        QVERIFY(typeQuery(QStringLiteral("quokka")));
        QVERIFY(results()->isVisible());
        QVERIFY(!folderList()->isVisible());
        const QStringList subjectsFound = subjects(results()->model());
        for (const char* subject : {"Welcome to the zoo", "Feeding plan", "Rottnest trip report", "Photos"})
            QVERIFY2(subjectsFound.contains(QLatin1String(subject)),
                     qPrintable(subjectsFound.join(", ") + " / " + m_window->searchStatus()->resultText()));
        QVERIFY(!subjectsFound.contains(QStringLiteral("Wombat burrow")));
        // Each hit names its folder.
        const QStringList folders = folderColumn();
        for (const char* folder : {"Inbox", "Sent Items", "Archive/2019"})
            QVERIFY2(std::any_of(folders.cbegin(), folders.cend(),
                                 [folder](const QString& f) { return f.endsWith(QLatin1String(folder)); }),
                     qPrintable(folders.join(", ")));
        QVERIFY(m_window->searchStatus()->resultText().contains(QString::number(subjectsFound.size())));
        // The snippets mark the matched word.
        bool marked = false;
        for (int row = 0; row < results()->model()->rowCount(); ++row) {
            const QString snippet = results()->model()->index(row, 0).data(SearchHitModel::SnippetRole).toString();
            for (const SearchHitDelegate::Run& run : SearchHitDelegate::runsOf(snippet))
                marked = marked || (run.matched && run.text.compare(QLatin1String("quokka"), Qt::CaseInsensitive) == 0);
        }
        QVERIFY(marked);
        // LUMAROO_SEARCH_SHOT=FILE.png keeps a picture of the hits, to look at.
        if (qEnvironmentVariableIsSet("LUMAROO_SEARCH_SHOT")) {
            QVERIFY(clickRow(results(), 0));
            QTest::qWait(3000);
            QVERIFY(m_window->grab().save(qEnvironmentVariable("LUMAROO_SEARCH_SHOT")));
        }
    }

    void theRowPreviewPaintsTheMatchedWord()
    {
        m_window->searchScopeBox()->setScope(SearchScopeBox::AllFolders);
        QVERIFY(typeQuery(QStringLiteral("fresh")));
        QCOMPARE(results()->model()->rowCount(), 1);
        const QImage row = results()->viewport()->grab(results()->visualRect(results()->model()->index(0, 0))).toImage();
        int matchPixels = 0;
        for (int y = 0; y < row.height(); ++y)
            for (int x = 0; x < row.width(); ++x)
                matchPixels += QColor(row.pixel(x, y)) == SearchHitDelegate::matchColour();
        QVERIFY2(matchPixels > 50, qPrintable(QString::number(matchPixels)));
    }

    void aChosenHitIsShownWithItsWordsMarked()
    {
        m_window->searchScopeBox()->setScope(SearchScopeBox::AllFolders);
        QVERIFY(typeQuery(QStringLiteral("koln")));
        QCOMPARE(subjects(results()->model()), QStringList{QStringLiteral("Welcome to the zoo")});
        MyWebViewWidget* web = m_window->detailController()->mailView()->webView();
        QSignalSpy marked(web, &MyWebViewWidget::highlighted);
        QVERIFY(clickRow(results(), 0));
        QVERIFY(detailShows(QStringLiteral("Welcome to the zoo")));
        QVERIFY(m_window->currentItem());
        QVERIFY(m_window->printAction()->isEnabled());
        // "koln" marks "Köln" in the mail's HTML.
        QVERIFY(QTest::qWaitFor([&marked] { return !marked.isEmpty() && marked.last().at(0).toInt() > 0; }, 30000));
        QCOMPARE(marked.last().at(0).toInt(), 1);
    }

    void sortMenuOrdersTheHits()
    {
        m_window->searchScopeBox()->setScope(SearchScopeBox::AllFolders);
        QVERIFY(typeQuery(QStringLiteral("quokka")));
        QSignalSpy searched(search(), &SearchController::searched);
        for (const char* choice : {"date", "desc"}) {
            for (QAction* action : m_window->sortMenu()->actions())
                if (action->data().toString() == QLatin1String(choice))
                    action->trigger();
        }
        QVERIFY(searched.wait(10000));
        QList<qint64> dates;
        for (int row = 0; row < results()->model()->rowCount(); ++row)
            dates << results()->model()->index(row, 0).data(PstListModel::SortDateRole).toLongLong();
        QVERIFY(dates.size() >= 4);
        QVERIFY(std::is_sorted(dates.crbegin(), dates.crend()));
    }

    // Every unreadable query takes the same way (tst_SearchQuery reads them).
    void aQueryThatCannotBeParsedSaysWhyAndSearchesNothing()
    {
        const QString query = QStringLiteral("kind:spaceship quokka");
        m_window->searchScopeBox()->setScope(SearchScopeBox::AllFolders);
        QVERIFY(typeQuery(QStringLiteral("quokka")));
        QVERIFY(results()->model()->rowCount() > 0);
        QVERIFY(typeQuery(query));
        const SearchQuery parsed = SearchQuery::parse(query);
        QVERIFY(!parsed.isValid());
        QCOMPARE(m_window->searchStatus()->resultText(), parsed.errorMessage());
        QVERIFY(!parsed.errorMessage().isEmpty());
        QCOMPARE(results()->model()->rowCount(), 0);
    }

    void anEmptyBoxOrThisFolderBringsTheFolderBack()
    {
        const QStringList inbox = subjects(folderList()->model());
        QCOMPARE(inbox, (QStringList{QStringLiteral("Welcome to the zoo"), QStringLiteral("Wombat burrow")}));
        QVERIFY(clickRow(folderList(), 1));
        QVERIFY(detailShows(QStringLiteral("Wombat burrow")));
        m_window->searchScopeBox()->setScope(SearchScopeBox::AllFolders);
        QVERIFY(typeQuery(QStringLiteral("rottnest")));
        QVERIFY(clickRow(results(), 0));
        QVERIFY(detailShows(QStringLiteral("Rottnest trip report")));
        // An empty box: the whole folder, its chosen item in the detail pane, nothing marked.
        box()->clear();
        QVERIFY(folderList()->isVisible());
        QVERIFY(!results()->isVisible());
        QCOMPARE(subjects(m_window->listController()->proxy()), inbox);
        QCOMPARE(m_window->detailController()->currentItem()->subject(), QStringLiteral("Wombat burrow"));
        QVERIFY(m_window->detailController()->mailView()->webView()->highlightTerms().isEmpty());
        // Back to This folder: the folder, filtered by the box as it always was.
        QVERIFY(typeQuery(QStringLiteral("wombat")));
        QVERIFY(results()->isVisible());
        m_window->searchScopeBox()->setScope(SearchScopeBox::ThisFolder);
        QVERIFY(folderList()->isVisible());
        QVERIFY(!results()->isVisible());
        QVERIFY(m_window->searchStatus()->resultText().isEmpty());
        QCOMPARE(subjects(m_window->listController()->proxy()), QStringList{QStringLiteral("Wombat burrow")});
        // Typing in This folder filters the folder only.
        QTest::keyClicks(box(), QStringLiteral("zzz"));
        QTest::qWait(2 * SearchController::kDebounceMs);
        QVERIFY(!results()->isVisible());
        QCOMPARE(m_window->listController()->proxy()->rowCount(), 0);
    }

    void aNewerQueryWins()
    {
        m_window->searchScopeBox()->setScope(SearchScopeBox::AllFolders);
        QSignalSpy searched(search(), &SearchController::searched);
        box()->setText(QStringLiteral("quokka"));
        search()->runNow();
        box()->setText(QStringLiteral("wombat"));
        search()->runNow();
        QVERIFY(QTest::qWaitFor([this] { return search()->finishedQueries() >= 2; }, 10000));
        QTest::qWait(50);
        QCOMPARE(searched.size(), 1);
        QCOMPARE(subjects(results()->model()), QStringList{QStringLiteral("Wombat burrow")});
    }

    void keyboardAloneSearchesAndShowsAHit()
    {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QTest::keySequence(m_window, QKeySequence::Find);
        QVERIFY(box()->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m_window->searchScopeBox());
        QTest::keyClick(m_window->searchScopeBox(), Qt::Key_Down);
        QCOMPARE(m_window->searchScopeBox()->scope(), SearchScopeBox::AllFolders);
        QTest::keyClick(m_window->searchScopeBox(), Qt::Key_Tab, Qt::ShiftModifier);
        QVERIFY(box()->hasFocus());
        QSignalSpy searched(search(), &SearchController::searched);
        QTest::keyClicks(box(), QStringLiteral("rottnest"));
        QTest::keyClick(box(), Qt::Key_Return);
        QVERIFY(searched.wait(10000) || !searched.isEmpty());
        QTest::keyClick(box(), Qt::Key_Down);
        QVERIFY(results()->hasFocus());
        QVERIFY(detailShows(QStringLiteral("Rottnest trip report")));
    }

    void theScopeIsRemembered()
    {
        m_window->searchScopeBox()->setScope(SearchScopeBox::AllFolders);
        m_window->saveWindowState();
        delete m_window;
        m_window = new MainWindow;
        QCOMPARE(m_window->searchScopeBox()->scope(), SearchScopeBox::AllFolders);
        QCOMPARE(m_window->searchScopeBox()->currentText(), QStringLiteral("All folders"));
    }

    void indexingShowsProgressAndCanBeCancelled()
    {
        // The index of the file open is complete; a copy gets its own.
        const QString copy = m_dir.filePath(QStringLiteral("zoo-copy.pst"));
        QFile::remove(copy);
        QVERIFY(QFile::copy(m_path, copy));
        QVERIFY(SearchIndex::remove(copy));
        m_window->openFile(copy);
        QVERIFY(QTest::qWaitFor([this] { return !m_window->treeController()->isOpening(); }, 60000));
        QVERIFY(m_window->treeController()->selectOpenDocument(copy));
        SearchStatusLine* status = m_window->searchStatus();
        if (search()->isIndexing(copy)) {
            QVERIFY(status->progressText().startsWith(QStringLiteral("Indexing")));
            QVERIFY(status->cancelButton()->isVisible());
            QCOMPARE(status->cancelButton()->text(), QStringLiteral("Cancel"));
            status->cancelButton()->click();
            QVERIFY(QTest::qWaitFor([this, copy] { return !search()->isIndexing(copy); }, 10000));
        }
        // Stopped before the end, the line says so and offers to index again.
        if (status->action() == SearchStatusLine::Action::IndexAgain) {
            QVERIFY(status->progressText().startsWith(QStringLiteral("The search index is not complete")));
            QCOMPARE(status->cancelButton()->text(), QStringLiteral("Index Now"));
            status->cancelButton()->click();
        }
        QVERIFY(QTest::qWaitFor([this, copy] { return !search()->isIndexing(copy); }, 60000));
        QCOMPARE(status->action(), SearchStatusLine::Action::None);
        QVERIFY(!status->cancelButton()->isVisible());
        QCOMPARE(SearchIndex(copy).state(), SearchIndex::State::Complete);
    }

    // Before its index is complete, a search finds what is indexed and says so.
    void aPartialIndexIsSearchedAndSaysSo()
    {
        const QString partial = m_dir.filePath(QStringLiteral("zoo-partial.pst"));
        QFile::remove(partial);
        QVERIFY(QFile::copy(m_path, partial));
        QVERIFY(SearchIndex::remove(partial));
        {
            // One shard of two, done: the other is still to come.
            SearchIndexWriter writer(partial);
            QVERIFY2(writer.open(0, 2), qPrintable(writer.errorMessage()));
            IndexedItem item;
            item.nodeId = 2097252;
            item.folderPath = QStringLiteral("Top of Personal Folders/Inbox");
            item.subject = QStringLiteral("Welcome to the zoo");
            item.body = QStringLiteral("The new quokka arrives on Monday.");
            QVERIFY(writer.add(item));
            QVERIFY(writer.finish(7));
            writer.close();
        }
        QListView view;
        SearchStatusLine status;
        SearchController controller(&view, &status);
        const auto root = parse(partial);
        QVERIFY(root);
        controller.setDocument(root);
        controller.setAllFolders(true);
        controller.setText(QStringLiteral("quokka"));
        QSignalSpy searched(&controller, &SearchController::searched);
        controller.runNow();
        QVERIFY(searched.wait(10000));
        QCOMPARE(controller.hitCount(), 1);
        QVERIFY2(status.resultText().contains(QStringLiteral("Only 1 of 7 items are indexed so far")),
                 qPrintable(status.resultText()));
        QVERIFY(!controller.isIndexing(partial));
    }

    void senderNames_data()
    {
        QTest::addColumn<QString>("indexed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("name and address lines") << QStringLiteral("Alan Turing\nalan@example.org") << QStringLiteral("Alan Turing");
        QTest::newRow("name and address") << QStringLiteral("Ada Lovelace ada@example.org") << QStringLiteral("Ada Lovelace");
        QTest::newRow("address only") << QStringLiteral("alan@example.org") << QStringLiteral("alan@example.org");
        QTest::newRow("name only") << QStringLiteral("Grace Hopper") << QStringLiteral("Grace Hopper");
    }

    void senderNames()
    {
        QFETCH(QString, indexed);
        QFETCH(QString, shown);
        QCOMPARE(SearchHitModel::senderName(indexed), shown);
    }

    void snippetRuns_data()
    {
        QTest::addColumn<QString>("snippet");
        QTest::addColumn<QStringList>("runs");
        const QString s(SearchHit::kMatchStart), e(SearchHit::kMatchEnd);
        QTest::newRow("plain") << QStringLiteral("no match") << QStringList{QStringLiteral("no match")};
        QTest::newRow("middle") << QStringLiteral("a ") + s + QStringLiteral("word") + e + QStringLiteral(" b")
                                << QStringList{QStringLiteral("a "), QStringLiteral("[word]"), QStringLiteral(" b")};
        QTest::newRow("two, line break") << s + QStringLiteral("one") + e + QStringLiteral("\r\n") + s
                                                + QStringLiteral("two") + e
                                         << QStringList{QStringLiteral("[one]"), QStringLiteral("  "), QStringLiteral("[two]")};
        QTest::newRow("unclosed") << QStringLiteral("x ") + s + QStringLiteral("y")
                                  << QStringList{QStringLiteral("x "), QStringLiteral("[y]")};
    }

    void snippetRuns()
    {
        QFETCH(QString, snippet);
        QFETCH(QStringList, runs);
        QStringList shown;
        for (const SearchHitDelegate::Run& run : SearchHitDelegate::runsOf(snippet))
            shown << (run.matched ? QLatin1Char('[') + run.text + QLatin1Char(']') : run.text);
        QCOMPARE(shown, runs);
    }
};

LUMAROO_UI_TEST_MAIN(SearchTest)
#include "tst_Search.moc"
