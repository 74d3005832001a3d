// SPDX-License-Identifier: GPL-2.0-or-later
// The folder tree: documents as top-level rows with their folders and item
// counts, presses that announce a folder's items, the document rows'
// context menu, closing, hiding empty folders and the striped tree.

#include "AlternateTreeView.h"
#include "PSTTreeView.h"
#include "PstTreeController.h"
#include "PstTreeModel.h"
#include "PstTreeViewFilterModel.h"
#include "TestData.h"
#include "TestHome.h"
#include "UiDriver.h"
#include "UiSamples.h"

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using ItemList = QList<std::shared_ptr<PstItem>>;

class FolderTreeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void documentRowShowsFoldersWithItemCounts();
    void sameFileOpenedTwiceGivesTwoRows();
    void failedOpenReportsAndAddsNothing();
    void openingRowShowsItAndClosingItCancels();
    void pressingTheSameFolderTwiceAnnouncesOnce();
    void pressedFolderAnnouncesItsItems();
    void rootNodeFollowsCurrentRow();
    void contextMenuOnlyOnDocumentRows();
    void closingTheOnlyDocumentReportsZeroRows();
    void hidingEmptyFoldersKeepsPathsToItems();
    void realFilesOpenWithTheirFolders();
    void stripedTreePaintsBandsBelowRows();
    void foldersComeBeforeTheirItems_data();
    void foldersComeBeforeTheirItems();

private:
    QString mailboxPath() const { return m_dir.filePath(QStringLiteral("mailbox.pst")); }

    QTemporaryDir m_dir;
    PSTTreeView* m_view = nullptr;
    PstTreeController* m_controller = nullptr;
};

void FolderTreeTest::initTestCase()
{
    QVERIFY2(TestData::available(), "the shared PST test files are missing");
    UiSamples::write(UiSamples::mailbox(), m_dir.path(), QStringLiteral("mailbox.pst"));
}

void FolderTreeTest::init()
{
    m_view = new PSTTreeView;
    m_view->resize(300, 600);
    m_controller = new PstTreeController(m_view, m_view);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
}

void FolderTreeTest::cleanup()
{
    delete m_view;
    m_view = nullptr;
}

void FolderTreeTest::documentRowShowsFoldersWithItemCounts()
{
    m_controller->openPstFile(mailboxPath());
    QTRY_VERIFY(!m_controller->isOpening());
    QAbstractItemModel* model = m_view->model();
    QCOMPARE(model->rowCount(), 1);
    const QModelIndex document = model->index(0, 0);
    QCOMPARE(document.data(PstTreeModel::FilePathRole).toString(), mailboxPath());

    const QModelIndex inbox = UiDriver::findRow(m_view, QStringLiteral("Inbox"));
    QVERIFY(inbox.isValid());
    QCOMPARE(inbox.data().toString(), QStringLiteral("Inbox (4 items)"));
    QCOMPARE(UiDriver::findRow(m_view, QStringLiteral("Notes")).data().toString(), QStringLiteral("Notes (1 items)"));
    QCOMPARE(UiDriver::findRow(m_view, QStringLiteral("Empty")).data().toString(), QStringLiteral("Empty"));
    QVERIFY(!inbox.data(Qt::DecorationRole).value<QIcon>().isNull());
    // Only folders are rows: the four mails are not children of the inbox.
    QCOMPARE(model->rowCount(inbox), 0);
    QModelIndex top = inbox;
    while (top.parent().isValid())
        top = top.parent();
    QCOMPARE(top, document);
    QVERIFY(m_view->isHeaderHidden());
}

void FolderTreeTest::sameFileOpenedTwiceGivesTwoRows()
{
    QSignalSpy rows(m_controller, &PstTreeController::pstTreeViewRowChanged);
    m_controller->openPstFile(mailboxPath());
    QTRY_VERIFY(!m_controller->isOpening());
    m_controller->openPstFile(mailboxPath());
    QTRY_VERIFY(!m_controller->isOpening());
    QCOMPARE(m_view->model()->rowCount(), 2);
    QCOMPARE(rows.count(), 2);
    QCOMPARE(rows.at(0).at(0).toInt(), 1);
    QCOMPARE(rows.at(1).at(0).toInt(), 2);
    // The first document becomes the current row; nothing is pressed by that.
    QCOMPARE(m_view->currentIndex().row(), 0);
}

void FolderTreeTest::failedOpenReportsAndAddsNothing()
{
    QSignalSpy failed(m_controller, &PstTreeController::openPstFailed);
    QSignalSpy rows(m_controller, &PstTreeController::pstTreeViewRowChanged);
    m_controller->openPstFile(m_dir.filePath(QStringLiteral("missing.pst")));
    QTRY_VERIFY(!m_controller->isOpening());
    m_controller->openPstFile(TestData::pst(QStringLiteral("aspose-email__Aspose.Email-for-C__SMTP_Outlook.pst")));
    QTRY_VERIFY(!m_controller->isOpening());
    m_controller->openPstFile(TestData::pst(
        QStringLiteral("aspose-email__Aspose.Email-for-.NET__Outlook_AddingBulkMessagesWithImprovedPerformance.pst")));
    QTRY_VERIFY(!m_controller->isOpening());
    QCOMPARE(failed.count(), 3);
    // Each file had its row while it was opening.
    QCOMPARE(rows.count(), 6);
    QCOMPARE(rows.last().at(0).toInt(), 0);
    QCOMPARE(m_view->model()->rowCount(), 0);
}

void FolderTreeTest::openingRowShowsItAndClosingItCancels()
{
    QSignalSpy failed(m_controller, &PstTreeController::openPstFailed);
    m_controller->openPstFile(mailboxPath());
    // The row is there at once, before the file is read.
    QCOMPARE(m_view->model()->rowCount(), 1);
    QVERIFY(m_view->model()->index(0, 0).data().toString().endsWith(QStringLiteral("(opening…)")));
    QVERIFY(m_controller->isOpening());
    QVERIFY(QApplication::overrideCursor());
    m_controller->closeDocument(m_view->model()->index(0, 0));
    QCOMPARE(m_view->model()->rowCount(), 0);
    QVERIFY(!m_controller->isOpening());
    QVERIFY(!QApplication::overrideCursor());
    QTest::qWait(500);
    QCOMPARE(failed.count(), 0);
    QCOMPARE(m_view->model()->rowCount(), 0);
}

void FolderTreeTest::pressingTheSameFolderTwiceAnnouncesOnce()
{
    m_controller->openPstFile(mailboxPath());
    QTRY_VERIFY(!m_controller->isOpening());
    QSignalSpy selected(m_controller, &PstTreeController::folderSelected);
    QVERIFY(UiDriver::pressFolder(m_view, QStringLiteral("Inbox")));
    QVERIFY(UiDriver::pressFolder(m_view, QStringLiteral("Inbox")));
    QCOMPARE(selected.count(), 1);
    QVERIFY(UiDriver::pressFolder(m_view, QStringLiteral("Contacts")));
    QVERIFY(UiDriver::pressFolder(m_view, QStringLiteral("Inbox")));
    QCOMPARE(selected.count(), 3);
}

void FolderTreeTest::pressedFolderAnnouncesItsItems()
{
    m_controller->openPstFile(mailboxPath());
    QTRY_VERIFY(!m_controller->isOpening());
    QSignalSpy selected(m_controller, &PstTreeController::folderSelected);
    QVERIFY(UiDriver::pressFolder(m_view, QStringLiteral("Contacts")));
    QCOMPARE(selected.count(), 1);
    const auto items = selected.at(0).at(0).value<ItemList>();
    QCOMPARE(items.size(), 2);
    QCOMPARE(items.at(0)->type(), Contact);
    QVERIFY(UiDriver::pressFolder(m_view, QStringLiteral("Empty")));
    QVERIFY(selected.at(1).at(0).value<ItemList>().isEmpty());
}

void FolderTreeTest::rootNodeFollowsCurrentRow()
{
    QVERIFY(!m_controller->pstRootNode());
    m_controller->openPstFile(mailboxPath());
    QTRY_VERIFY(!m_controller->isOpening());
    m_controller->openPstFile(mailboxPath());
    QTRY_VERIFY(!m_controller->isOpening());
    QVERIFY(UiDriver::pressFolder(m_view, QStringLiteral("Calendar")));
    const std::shared_ptr<PstItem> root = m_controller->pstRootNode();
    QVERIFY(root);
    QCOMPARE(root->nodeLevel(), 0u);
    QCOMPARE(root->filePath(), mailboxPath());
    QCOMPARE(root.get(), PstTreeModel::itemFromIndex(m_controller->proxy()->mapToSource(m_view->model()->index(0, 0))));
}

void FolderTreeTest::contextMenuOnlyOnDocumentRows()
{
    m_controller->enableTreeViewMenu();
    QCOMPARE(m_view->contextMenuPolicy(), Qt::CustomContextMenu);
    const QList<QAction*> actions = m_controller->contextMenu()->actions();
    QCOMPARE(actions.size(), 3);
    QCOMPARE(actions.at(0)->text(), QStringLiteral("Show in Folder"));
    QVERIFY(actions.at(1)->isSeparator());
    QCOMPARE(actions.at(2)->text(), QStringLiteral("Close File"));

    m_controller->openPstFile(mailboxPath());

    QTRY_VERIFY(!m_controller->isOpening());
    m_view->expandAll();
    bool menuShown = false;
    auto watchAndClose = [&menuShown] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            menuShown = true;
            popup->close();
        }
    };
    QTimer::singleShot(200, watchAndClose);
    const QRect folderRow = m_view->visualRect(UiDriver::findRow(m_view, QStringLiteral("Inbox")));
    emit m_view->customContextMenuRequested(folderRow.center());
    QTest::qWait(300);
    QVERIFY2(!menuShown, "a sub-folder must offer no menu");

    QTimer::singleShot(200, watchAndClose);
    emit m_view->customContextMenuRequested(m_view->visualRect(m_view->model()->index(0, 0)).center());
    QVERIFY2(menuShown, "a document row offers the menu");
    QCOMPARE(m_view->model()->rowCount(), 1);
}

void FolderTreeTest::closingTheOnlyDocumentReportsZeroRows()
{
    m_controller->openPstFile(mailboxPath());
    QTRY_VERIFY(!m_controller->isOpening());
    QVERIFY(UiDriver::pressFolder(m_view, QStringLiteral("Inbox")));
    QSignalSpy rows(m_controller, &PstTreeController::pstTreeViewRowChanged);
    QSignalSpy closing(m_controller, &PstTreeController::documentClosing);
    m_controller->closeDocument(m_view->model()->index(0, 0));
    QCOMPARE(closing.count(), 1);
    QCOMPARE(rows.count(), 1);
    QCOMPARE(rows.at(0).at(0).toInt(), 0);
    QCOMPARE(m_view->model()->rowCount(), 0);
    QVERIFY(!m_controller->pstRootNode());

    // A new document's inbox is a new folder: pressing it announces again.
    m_controller->openPstFile(mailboxPath());
    QTRY_VERIFY(!m_controller->isOpening());
    QSignalSpy selected(m_controller, &PstTreeController::folderSelected);
    QVERIFY(UiDriver::pressFolder(m_view, QStringLiteral("Inbox")));
    QCOMPARE(selected.count(), 1);
}

void FolderTreeTest::hidingEmptyFoldersKeepsPathsToItems()
{
    m_controller->openPstFile(mailboxPath());
    QTRY_VERIFY(!m_controller->isOpening());
    m_controller->hideEmptyFolders(true);
    m_view->expandAll();
    QVERIFY(!UiDriver::findRow(m_view, QStringLiteral("Empty")).isValid());
    QVERIFY(UiDriver::findRow(m_view, QStringLiteral("Archive")).isValid());
    QVERIFY(UiDriver::findRow(m_view, QStringLiteral("2019")).isValid());
    QCOMPARE(UiDriver::findRow(m_view, QStringLiteral("Q4")).data().toString(), QStringLiteral("Q4 (1 items)"));
    m_controller->hideEmptyFolders(false);
    QVERIFY(UiDriver::findRow(m_view, QStringLiteral("Empty")).isValid());
}

void FolderTreeTest::realFilesOpenWithTheirFolders()
{
    QSignalSpy failed(m_controller, &PstTreeController::openPstFailed);
    const QStringList files = {QStringLiteral("hughbe__PstReader__hughbe_hughbe_Outlook.pst"),
                               QStringLiteral("markb-trustifi__pst-extractor__contacts97-2002.pst"),
                               QStringLiteral("aspose-email__Aspose.Email-for-.NET__Outlook_Outlook.pst")};
    for (const QString& file : files)
        m_controller->openPstFile(TestData::pst(file));
    QTRY_VERIFY(!m_controller->isOpening());
        QTRY_VERIFY(!m_controller->isOpening());
    QCOMPARE(failed.count(), 0);
    QCOMPARE(m_view->model()->rowCount(), 3);
    for (int row = 0; row < 3; ++row) {
        const QModelIndex document = m_view->model()->index(row, 0);
        QVERIFY2(m_view->model()->rowCount(document) > 0, qPrintable(files.at(row)));
        QCOMPARE(document.data(PstTreeModel::FilePathRole).toString(), TestData::pst(files.at(row)));
    }
}

void FolderTreeTest::stripedTreePaintsBandsBelowRows()
{
    AlternateTreeView striped;
    striped.resize(200, 300);
    PstTreeController controller(&striped);
    controller.openPstFile(mailboxPath());
    QTRY_VERIFY(!controller.isOpening());
    striped.show();
    QVERIFY(QTest::qWaitForWindowExposed(&striped));
    const QImage image = striped.viewport()->grab().toImage();
    // Without an item to measure, a band is a line of text and 6 pixels.
    const int band = striped.fontMetrics().height() + 6;
    QVERIFY2(band * 4 < image.height(), "the view is too small");
    // Below the single document row the bands alternate on their own.
    const QColor even = image.pixelColor(100, band * 2 + band / 2);
    const QColor odd = image.pixelColor(100, band * 3 + band / 2);
    QCOMPARE(even, QColor(250, 250, 250));
    QCOMPARE(odd, QColor(230, 230, 230));
}

void FolderTreeTest::foldersComeBeforeTheirItems_data()
{
    QTest::addColumn<bool>("closeOnceCounted");
    QTest::newRow("opened") << false;
    QTest::newRow("closed while reading items") << true;
}

// The tree shows the folders while their items are still being read; the
// current folder's list comes when its items do, and closing the document
// meanwhile cancels the rest.
void FolderTreeTest::foldersComeBeforeTheirItems()
{
    QFETCH(bool, closeOnceCounted);
    QSignalSpy selected(m_controller, &PstTreeController::folderSelected);
    QSignalSpy failed(m_controller, &PstTreeController::openPstFailed);
    QSignalSpy closing(m_controller, &PstTreeController::documentClosing);
    QString inboxWhenShown;
    connect(m_view->model(), &QAbstractItemModel::rowsInserted, this, [&](const QModelIndex& parent) {
        const QModelIndex inbox = UiDriver::findRow(m_view, QStringLiteral("Inbox"), parent);
        if (!parent.isValid() || !inboxWhenShown.isEmpty() || !inbox.isValid())
            return;
        inboxWhenShown = inbox.data().toString() + (m_controller->isOpening() ? "" : " opened");
        m_view->setCurrentIndex(inbox);
    });
    connect(m_controller, &PstTreeController::folderSelected, this, [&](const ItemList& items) {
        if (closeOnceCounted && !items.isEmpty())
            m_controller->closeDocument(m_view->model()->index(0, 0));
    });
    m_controller->openPstFile(mailboxPath());
    QTRY_VERIFY(!m_controller->isOpening());
    QCOMPARE(inboxWhenShown, QStringLiteral("Inbox (reading…)"));
    QCOMPARE(selected.size(), 3);
    QVERIFY(selected.at(1).at(0).value<ItemList>().isEmpty());
    QCOMPARE(selected.at(2).at(0).value<ItemList>().size(), 4);
    QTest::qWait(200);
    QCOMPARE(failed.count(), 0);
    QCOMPARE(closing.count(), closeOnceCounted ? 1 : 0);
    QCOMPARE(m_view->model()->rowCount(), closeOnceCounted ? 0 : 1);
    if (!closeOnceCounted)
        QCOMPARE(UiDriver::findRow(m_view, QStringLiteral("Inbox")).data().toString(), QStringLiteral("Inbox (4 items)"));
}

int main(int argc, char* argv[])
{
    TestHome home;
    QApplication app(argc, argv);
    FolderTreeTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_FolderTree.moc"
