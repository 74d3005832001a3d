// SPDX-License-Identifier: GPL-2.0-or-later
// A folder of thousands of mails in the window: its list shows the first
// rows while the rest is still read, grows below the rows on show without
// losing the selection or the scroll position, is sorted once whole, keeps
// filtering meanwhile, and another folder chosen mid-read replaces it at
// once with nothing of the first left over.

#include "AppConfig.h"
#include "ListViewSortMenu.h"
#include "MultiLanguage.h"
#include "PSTListView.h"
#include "PSTTreeView.h"
#include "PstListController.h"
#include "PstListModel.h"
#include "PstPresets.h"
#include "PstTreeController.h"
#include "TestHome.h"
#include "UiDriver.h"
#include "mainwindow.h"

#include <QtTest>
#include <QtWidgets>

using ItemList = QList<std::shared_ptr<PstItem>>;
using namespace UiDriver;

namespace {

// Mails per folder: more than the first batch and than the list sorts on
// the GUI thread.
constexpr int kMailsPerFolder = 3000;

// The subjects of mails first..first+count-1 of the written mailbox.
QStringList subjectsOf(int first, int count)
{
    QStringList subjects;
    for (int i = first; i < first + count; ++i)
        subjects << PstPresets::mailboxMail(i, {}).subject;
    return subjects;
}

} // namespace

class HugeFolderTest : public QObject
{
    Q_OBJECT

private:
    template<typename T> T* child(const char* name) const { return namedChild<T>(m_window, name); }
    PSTTreeView* tree() const { return child<PSTTreeView>("treeView"); }
    PSTListView* list() const { return child<PSTListView>("listView"); }
    PstTreeController* treeController() const { return m_window->treeController(); }
    PstListController* listController() const { return m_window->listController(); }
    QStringList subjectsShown() const { return texts(list()->model(), PstListModel::SubjectRole); }

    // Presses the folder's row as a user would, without waiting for its items.
    void choose(const QString& folder)
    {
        tree()->expandAll();
        const QModelIndex index = findRow(tree(), folder);
        QVERIFY(index.isValid());
        tree()->scrollTo(index);
        QTest::mousePress(tree()->viewport(), Qt::LeftButton, {}, tree()->visualRect(index).center());
        QTest::mouseRelease(tree()->viewport(), Qt::LeftButton, {}, tree()->visualRect(index).center());
    }
    // Until the chosen folder is read whole and sorted.
    bool waitUntilWhole() const
    {
        return QTest::qWaitFor(
            [this] { return !treeController()->isReadingFolder() && !listController()->isSorting(); }, 60000);
    }
    // Runs `onFirst` when the first batch of the next folder read has reached the list.
    void onFirstBatch(const std::function<void(const ItemList&)>& onFirst)
    {
        auto* once = new QObject(m_window);
        auto fired = std::make_shared<bool>(false);
        connect(treeController(), &PstTreeController::folderItemsRead, once, [once, fired, onFirst](const ItemList& items) {
            if (std::exchange(*fired, true))
                return;
            once->deleteLater();
            onFirst(items);
        });
    }

    QTemporaryDir m_dir;
    QString m_mailbox;
    MainWindow* m_window = nullptr;

private slots:
    void initTestCase()
    {
        MultiLanguage::instance()->languageSwitch(MultiLanguage::English);
        AppConfig::instance()->setLanguageVal(MultiLanguage::English);
        PstPresets::MailboxOptions options;
        options.mails = 2 * kMailsPerFolder;
        options.mailsPerFolder = kMailsPerFolder;
        options.bodyKb = 0;
        m_mailbox = m_dir.filePath(QStringLiteral("huge.pst"));
        QString error;
        QVERIFY2(PstPresets::writeMailbox(m_mailbox, options, &error), qPrintable(error));
    }

    void init()
    {
        AppConfig::instance()->setValue(QStringLiteral("Window/sort"), QVariant());
        m_window = new MainWindow;
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        m_window->openFile(m_mailbox);
        QVERIFY(QTest::qWaitFor([this] { return !treeController()->isOpening(); }, 60000));
    }

    void cleanup()
    {
        delete m_window;
        m_window = nullptr;
    }

    void rowsShowWhileTheFolderIsRead_data()
    {
        QTest::addColumn<QStringList>("sort");
        QTest::addColumn<QStringList>("subjects");
        QStringList descending = subjectsOf(0, kMailsPerFolder);
        std::reverse(descending.begin(), descending.end());
        QTest::newRow("folder order") << QStringList{"none"} << subjectsOf(0, kMailsPerFolder);
        // "Mailbox message 9" before "Mailbox message 10": numbers in numeric order.
        QTest::newRow("subject, Z to A") << QStringList{"subject", "desc"} << descending;
        // Mail i comes from "Sender <i % 97>": mails from one sender keep
        // their folder order, whichever way the senders go.
        QStringList bySender, bySenderDescending;
        for (int sender = 0; sender < 97; ++sender) {
            QStringList from;
            for (int i = sender; i < kMailsPerFolder; i += 97)
                from << PstPresets::mailboxMail(i, {}).subject;
            bySender << from;
            bySenderDescending = from + bySenderDescending;
        }
        QTest::newRow("sender, A to Z") << QStringList{"sender", "asc"} << bySender;
        QTest::newRow("sender, Z to A") << QStringList{"sender", "desc"} << bySenderDescending;
    }

    // The first rows come before the rest is read; a row chosen among them
    // stays chosen and in sight while the rest arrives and the list is sorted.
    void rowsShowWhileTheFolderIsRead()
    {
        QFETCH(QStringList, sort);
        QFETCH(QStringList, subjects);
        for (const QString& choice : sort) {
            for (QAction* action : m_window->sortMenu()->actions()) {
                if (action->data().toString() == choice)
                    action->trigger();
            }
        }
        tree()->expandAll();
        const QString folderRow = findRow(tree(), QStringLiteral("Inbox 001")).data().toString();
        QCOMPARE(folderRow, QStringLiteral("Inbox 001 (3000 items)"));
        QSignalSpy announced(listController(), &PstListController::itemSelected);
        QList<int> batches;
        connect(treeController(), &PstTreeController::folderItemsRead, this,
                [&batches](const ItemList& items) { batches << int(items.size()); });
        int rowsWhileReading = -1;
        bool reading = false;
        QString chosen;
        int scrolledTo = -1;
        onFirstBatch([&](const ItemList&) {
            rowsWhileReading = list()->model()->rowCount();
            reading = treeController()->isReadingFolder();
            // The user picks a row further down among the first ones.
            const QModelIndex row = list()->model()->index(50, 0);
            list()->setCurrentIndex(row);
            list()->scrollTo(row, QAbstractItemView::PositionAtTop);
            chosen = row.data(PstListModel::SubjectRole).toString();
            scrolledTo = list()->verticalScrollBar()->value();
        });
        choose(QStringLiteral("Inbox 001"));
        QVERIFY(waitUntilWhole());
        disconnect(treeController(), &PstTreeController::folderItemsRead, this, nullptr);

        QVERIFY(reading);
        QCOMPARE(rowsWhileReading, 100);
        QCOMPARE(batches.first(), 100);
        QVERIFY(batches.size() >= 2);
        QCOMPARE(subjectsShown(), subjects);
        // The chosen item is still the chosen one, and nothing else was announced.
        const QModelIndex current = list()->currentIndex();
        QCOMPARE(current.data(PstListModel::SubjectRole).toString(), chosen);
        QVERIFY(list()->selectionModel()->isSelected(current));
        QVERIFY(announced.size() >= 1);
        const auto last = announced.last().at(0).value<std::shared_ptr<PstItem>>();
        QVERIFY(last);
        QCOMPARE(last->subject(), chosen);
        if (sort.first() == QLatin1String("none"))
            QTRY_COMPARE(list()->verticalScrollBar()->value(), scrolledTo);
        QTRY_VERIFY(list()->viewport()->rect().intersects(list()->visualRect(current)));
        // The folder's count is the one the document was opened with.
        QCOMPARE(findRow(tree(), QStringLiteral("Inbox 001")).data().toString(), folderRow);
        QVERIFY(!QApplication::overrideCursor());
    }

    // Another folder chosen while the first is read: the list holds only the
    // second folder's items, and the first's are let go.
    void choosingAnotherFolderStopsTheRead()
    {
        std::weak_ptr<PstItem> firstFolderItem;
        onFirstBatch([&](const ItemList& items) {
            firstFolderItem = items.first();
            QVERIFY(treeController()->isReadingFolder());
            choose(QStringLiteral("Inbox 002"));
        });
        choose(QStringLiteral("Inbox 001"));
        QVERIFY(waitUntilWhole());
        // Nothing of the first folder arrives late.
        QTest::qWait(200);
        QCOMPARE(subjectsShown(), subjectsOf(kMailsPerFolder, kMailsPerFolder));
        QTRY_VERIFY(firstFolderItem.expired());
        QCOMPARE(findRow(tree(), QStringLiteral("Inbox 001")).data().toString(), QStringLiteral("Inbox 001 (3000 items)"));
        QCOMPARE(findRow(tree(), QStringLiteral("Inbox 002")).data().toString(), QStringLiteral("Inbox 002 (3000 items)"));
    }

    // Text typed while the folder is read filters the rows still to come.
    void searchFiltersWhileTheFolderIsRead()
    {
        auto* searchBox = child<QLineEdit>("searchBox");
        onFirstBatch([&](const ItemList&) { QTest::keyClicks(searchBox, QStringLiteral("MESSAGE 12")); });
        choose(QStringLiteral("Inbox 001"));
        QVERIFY(waitUntilWhole());
        QCOMPARE(searchBox->text(), QStringLiteral("MESSAGE 12"));
        QStringList matching;
        for (const QString& subject : subjectsOf(0, kMailsPerFolder)) {
            if (subject.startsWith(QLatin1String("Mailbox message 12")))
                matching << subject;
        }
        QCOMPARE(matching.size(), 111); // 12, 120-129, 1200-1299
        QCOMPARE(subjectsShown(), matching);
        searchBox->clear();
        QCOMPARE(list()->model()->rowCount(), kMailsPerFolder);
    }
};

LUMAROO_UI_TEST_MAIN(HugeFolderTest)

#include "tst_HugeFolder.moc"
