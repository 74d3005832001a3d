// SPDX-License-Identifier: GPL-2.0-or-later
// The main window: pages and window sizes as documents open and close,
// the open dialog, drag and drop, the search box and sort menu feeding the
// list, the pane-hide buttons, the print button and the alerts.

#include "AppConfig.h"
#include "DetailViewController.h"
#include "MailContentHandler.h"
#include "ListViewSortMenu.h"
#include "NativeMessageBox.h"
#include "PSTListView.h"
#include "PSTStackedWidget.h"
#include "PSTTreeView.h"
#include "PstExportDialog.h"
#include "PstListController.h"
#include "PstListModel.h"
#include "PstMailView.h"
#include "PstInfoView.h"
#include "PstTreeController.h"
#include "TestData.h"
#include "TestHome.h"
#include "UiDriver.h"
#include "UiSamples.h"
#include "mainwindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSplitter>
#include <QTextBrowser>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QtWebView>

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsOnTheHomePageWithItsWidgets();
    void firstDocumentSwitchesToBrowsingOnce();
    void openDialogOpensEveryChosenFileAndRemembersTheFolder();
    void cancelledOpenDialogChangesNothing();
    void dropOpensOnlyPstFiles();
    void dragWithoutPstFileIsRefused();
    void pressingAFolderClearsSearchAndFillsTheList();
    void searchBoxFiltersTheList();
    void sortMenuSortsBySubjectAndBack();
    void hidingPanesGivesTheirWidthToTheDetailPane();
    void printButtonFollowsTheChosenItem();
    void convertAndExportOpenTheDialogOnTheDocument_data();
    void convertAndExportOpenTheDialogOnTheDocument();
    void hideButtonsFollowTheListOrTheDetailPane();
    void closingTheShownDocumentClearsListAndDetail();
    void closingAnotherDocumentKeepsTheList();
    void failedOpenShowsAWarningAndReturns();
    void alertWithoutActiveWindowWaitsForOk();
    void itemsNotShownAreNoticedWithoutInterrupting();
    void licencesEntryShowsTheNotices();

private:
    template<typename T> T* child(const char* name) const
    {
        T* found = m_window->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no widget %s", name);
        return found;
    }
    void openMailbox() { openAndWait(m_mailbox); }
    void openAndWait(const QString& path)
    {
        m_window->openFile(path);
        QTRY_VERIFY(!m_window->treeController()->isOpening());
    }
    QModelIndex documentRow(int row) const { return child<PSTTreeView>("treeView")->model()->index(row, 0); }

    QTemporaryDir m_dir;
    QString m_mailbox;
    MainWindow* m_window = nullptr;
};

void MainWindowTest::initTestCase()
{
    QVERIFY2(TestData::available(), "the shared PST test files are missing");
    m_mailbox = UiSamples::write(UiSamples::mailbox(), m_dir.path(), QStringLiteral("mailbox.pst"));
}

void MainWindowTest::init()
{
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void MainWindowTest::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void MainWindowTest::startsOnTheHomePageWithItsWidgets()
{
    QCOMPARE(child<QStackedWidget>("stackedWidget")->currentWidget(), child<QWidget>("homePage"));
    QCOMPARE(m_window->size(), QSize(860, 600));
    QCOMPARE(m_window->minimumSize(), QSize(860, 600));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Lumaroo"));
    QCOMPARE(child<QPushButton>("btnOpenFile")->text(), QString::fromUtf8("\uFF0B Add File(s)"));
    QCOMPARE(child<QLabel>("label")->text(), QStringLiteral("Add or drag files here"));
    QCOMPARE(child<QPushButton>("btnSortBy")->text(), QString::fromUtf8("Sort by  \u25BE"));
    QCOMPARE(child<QLabel>("noItemLabel")->text(), QStringLiteral("No Item Selected"));
    QVERIFY(!child<QToolButton>("printBtn")->isEnabled());
    QCOMPARE(child<QLineEdit>("searchBox")->placeholderText(), QStringLiteral("Search"));
    QCOMPARE(child<QWidget>("toolbar")->height(), 50);
    QCOMPARE(child<PSTTreeView>("treeView")->indentation(), 14);
    QCOMPARE(child<PSTTreeView>("treeView")->minimumSizeHint(), QSize(0, 0));
    QCOMPARE(child<PSTListView>("listView")->minimumSizeHint(), QSize(0, 0));
    QCOMPARE(child<PSTStackedWidget>("stackedWidget_2")->minimumSizeHint(), QSize(0, 0));

    const QList<QAction*> fileActions = m_window->fileMenu()->actions();
    QCOMPARE(fileActions.size(), 4);
    QCOMPARE(fileActions.first()->shortcut(), QKeySequence(QKeySequence::Open));
    QCOMPARE(fileActions.at(1)->shortcut(), QKeySequence(QKeySequence::Print));
    QCOMPARE(fileActions.last()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    // Every picture the program names is compiled in and loads.
    for (const char* path : {":/img/Itemopen@3x.png", ":/img/exit@3x.png", ":/img/convert@3x.png", ":/img/print@3x.png",
                             ":/img/hide.png", ":/img/show.png", ":/img/search.png", ":/img/icons8-document-100.png",
                             ":/img/icons8-down-48.png", ":/img/icon.png", ":/img/icon.ico", ":/img/folder@3x.png",
                             ":/img/contact@3x.png", ":/img/calendar@3x.png", ":/img/task@3x.png",
                             ":/img/notepaper@3x.png", ":/img/diary@3x.png", ":/img/mail-gray.png", ":/img/mail-white.png",
                             ":/img/attachment-gray.png", ":/img/attachment-white.png", ":/img/check-gray.png",
                             ":/img/check-white.png", ":/img/unchecked-gray.png", ":/img/unchecked-white.png",
                             ":/img/contact-gray.png", ":/img/contact-white.png"})
        QVERIFY2(!QImage(QString::fromLatin1(path)).isNull(), path);
    QVERIFY(QFile::exists(QStringLiteral(":/img/icon.icns")));
    QVERIFY(QFile::exists(QStringLiteral(":/qml/WebView.qml")));
}

void MainWindowTest::firstDocumentSwitchesToBrowsingOnce()
{
    QSignalSpy resize(m_window, &MainWindow::sizeChangeRequested);
    openMailbox();
    QCOMPARE(child<QStackedWidget>("stackedWidget")->currentWidget(), child<QWidget>("mainPage"));
    QCOMPARE(resize.count(), 1);
    QCOMPARE(resize.at(0), (QList<QVariant>{1024, 768}));
    QCOMPARE(m_window->size(), QSize(1024, 768));
    // The larger window's width goes to the detail pane.
    QTRY_COMPARE(child<QSplitter>("splitter")->sizes().value(2), 1024 - 550);
    const QList<int> sizes = child<QSplitter>("splitter")->sizes();
    QCOMPARE(sizes.value(0), 260);
    QCOMPARE(sizes.value(1), 290);
    QCOMPARE(sizes.value(2), 1024 - 550);
    openMailbox();
    QCOMPARE(resize.count(), 1);
    QCOMPARE(child<PSTTreeView>("treeView")->model()->rowCount(), 2);
}

void MainWindowTest::openDialogOpensEveryChosenFileAndRemembersTheFolder()
{
    QTemporaryDir other;
    const QString first = UiSamples::write(UiSamples::mailbox(), other.path(), QStringLiteral("first.pst"));
    QFile::copy(m_mailbox, QDir(other.path()).filePath(QStringLiteral("second.pst")));
    bool dialogSeen = false;
    QTimer::singleShot(300, this, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialogSeen = dialog->windowTitle() == QStringLiteral("Select File")
            && dialog->fileMode() == QFileDialog::ExistingFiles
            && dialog->nameFilters().contains(QStringLiteral("Outlook Data Files (*.pst *.ost)"));
        dialog->setDirectory(other.path());
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("\"first.pst\" \"second.pst\""));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    QTest::mouseClick(child<QPushButton>("btnOpenFile"), Qt::LeftButton);
    QVERIFY2(dialogSeen, "the open dialog did not show as expected");
    QCOMPARE(child<PSTTreeView>("treeView")->model()->rowCount(), 2);
    QCOMPARE(child<PSTTreeView>("treeView")->model()->index(0, 0).data(Qt::UserRole + 1).toString(), first);
    QCOMPARE(AppConfig::instance()->getLastOpenPath(), QDir(other.path()).absolutePath());
}

void MainWindowTest::cancelledOpenDialogChangesNothing()
{
    AppConfig::instance()->setLastOpenPath(m_dir.path());
    QTimer::singleShot(300, this, [] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    m_window->fileMenu()->actions().first()->trigger();
    QCOMPARE(child<PSTTreeView>("treeView")->model()->rowCount(), 0);
    QCOMPARE(AppConfig::instance()->getLastOpenPath(), m_dir.path());
    QCOMPARE(child<QStackedWidget>("stackedWidget")->currentWidget(), child<QWidget>("homePage"));
}

namespace {

// The widget a desktop drag over the centre of `over` is delivered to: the
// deepest widget there that accepts drops.
QWidget* dropTarget(QWidget* over)
{
    QWidget* window = over->window();
    QWidget* target = window->childAt(over->mapTo(window, over->rect().center()));
    while (target && !target->isWindow() && !target->acceptDrops())
        target = target->parentWidget();
    return target && target->acceptDrops() ? target : nullptr;
}

// Sends enter and drop of `urls` over the centre of `over` as a desktop drag would.
std::pair<bool, bool> dragAndDrop(QWidget* over, const QList<QUrl>& urls)
{
    QWidget* target = dropTarget(over);
    if (!target)
        return {false, false};
    QMimeData data;
    data.setUrls(urls);
    const QPoint at = target->mapFrom(over->window(), over->mapTo(over->window(), over->rect().center()));
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    const bool accepted = enter.isAccepted();
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    return {accepted, drop.isAccepted()};
}

} // namespace

void MainWindowTest::dropOpensOnlyPstFiles()
{
    const QString upper = m_dir.filePath(QStringLiteral("UPPER.PST"));
    const QString offline = m_dir.filePath(QStringLiteral("offline.ost"));
    QFile::copy(m_mailbox, offline);
    const QString backup = m_dir.filePath(QStringLiteral("mailbox.pst.bak"));
    const QString text = m_dir.filePath(QStringLiteral("readme.txt"));
    QFile::copy(m_mailbox, upper);
    QFile::copy(m_mailbox, backup);
    QFile textFile(text);
    QVERIFY(textFile.open(QIODevice::WriteOnly));
    textFile.close();

    const auto [entered, dropped] = dragAndDrop(
        child<QWidget>("homePage"),
        {QUrl::fromLocalFile(text), QUrl::fromLocalFile(backup), QUrl::fromLocalFile(upper), QUrl::fromLocalFile(offline),
         QUrl(QStringLiteral("https://example.org/a.pst"))});
    QVERIFY(entered);
    QVERIFY(dropped);
    QAbstractItemModel* tree = child<PSTTreeView>("treeView")->model();
    QCOMPARE(tree->rowCount(), 2);
    QCOMPARE(tree->index(0, 0).data(Qt::UserRole + 1).toString(), upper);
    QCOMPARE(tree->index(1, 0).data(Qt::UserRole + 1).toString(), offline);

    // The tree takes drops too, once the browsing page shows.
    dragAndDrop(child<PSTTreeView>("treeView"), {QUrl::fromLocalFile(m_mailbox)});
    QCOMPARE(tree->rowCount(), 3);
}

void MainWindowTest::dragWithoutPstFileIsRefused()
{
    const QString backup = m_dir.filePath(QStringLiteral("refused.pst.bak"));
    QFile::copy(m_mailbox, backup);
    const auto [entered, dropped] = dragAndDrop(child<QWidget>("homePage"), {QUrl::fromLocalFile(backup)});
    QVERIFY(!entered);
    QCOMPARE(child<PSTTreeView>("treeView")->model()->rowCount(), 0);
    QCOMPARE(child<QStackedWidget>("stackedWidget")->currentWidget(), child<QWidget>("homePage"));
}

void MainWindowTest::pressingAFolderClearsSearchAndFillsTheList()
{
    openMailbox();
    auto* search = child<QLineEdit>("searchBox");
    search->setText(QStringLiteral("zzz"));
    QVERIFY(UiDriver::pressFolder(child<PSTTreeView>("treeView"), QStringLiteral("Inbox")));
    QVERIFY(search->text().isEmpty());
    QCOMPARE(child<PSTListView>("listView")->model()->rowCount(), 4);
}

void MainWindowTest::searchBoxFiltersTheList()
{
    openMailbox();
    QVERIFY(UiDriver::pressFolder(child<PSTTreeView>("treeView"), QStringLiteral("Inbox")));
    auto* search = child<QLineEdit>("searchBox");
    QTest::keyClicks(search, QStringLiteral("GRACE"));
    QAbstractItemModel* list = child<PSTListView>("listView")->model();
    QCOMPARE(list->rowCount(), 1);
    QCOMPARE(list->index(0, 0).data().toString(), QStringLiteral("Grace Hopper"));
    search->clear();
    QCOMPARE(list->rowCount(), 4);
}

void MainWindowTest::sortMenuSortsBySubjectAndBack()
{
    auto* sortButton = child<QPushButton>("btnSortBy");
    ListViewSortMenu* menu = m_window->sortMenu();
    QCOMPARE(menu->width(), sortButton->width());
    // With an empty list the button opens nothing.
    QTest::mouseClick(sortButton, Qt::LeftButton);
    QVERIFY(!menu->isVisible());

    openMailbox();
    QVERIFY(UiDriver::pressFolder(child<PSTTreeView>("treeView"), QStringLiteral("Inbox")));
    QTest::mouseClick(sortButton, Qt::LeftButton);
    QVERIFY(menu->isVisible());
    menu->close();

    QAbstractItemModel* list = child<PSTListView>("listView")->model();
    auto subjects = [list] {
        QStringList texts;
        for (int row = 0; row < list->rowCount(); ++row)
            texts << list->index(row, 0).data(PstListModel::SubjectRole).toString();
        return texts;
    };
    const QStringList folderOrder = subjects();
    menu->actions().at(1)->trigger(); // Subject, A → Z
    QCOMPARE(subjects().first(), QStringLiteral("Compiler meeting moved"));
    menu->actions().at(4)->trigger(); // Z → A
    QCOMPARE(subjects().first(), QStringLiteral("Trajectory figures"));
    QCOMPARE(subjects().last(), QStringLiteral("Compiler meeting moved"));
    menu->actions().at(0)->trigger(); // Default
    QVERIFY(!menu->orderGroup()->isEnabled());
    QCOMPARE(subjects(), folderOrder);
}

void MainWindowTest::hidingPanesGivesTheirWidthToTheDetailPane()
{
    openMailbox();
    QTest::qWait(50);
    auto* splitter = child<QSplitter>("splitter");
    const QList<int> before = splitter->sizes();
    QTest::mouseClick(child<QToolButton>("btnTreeHide"), Qt::LeftButton);
    QList<int> sizes = splitter->sizes();
    QCOMPARE(sizes.at(0), 0);
    QCOMPARE(sizes.at(2), before.at(2) + before.at(0));
    QTest::mouseClick(child<QToolButton>("btnItemHide"), Qt::LeftButton);
    sizes = splitter->sizes();
    QCOMPARE(sizes.at(1), 0);
    QCOMPARE(sizes.at(2), before.at(0) + before.at(1) + before.at(2));

    // With both hidden the hide buttons start where the detail pane starts,
    // never closer than 142 pixels before the search box.
    QTest::qWait(50);
    auto* middle = child<QToolButton>("btnTreeHide")->parentWidget();
    Q_UNUSED(middle);
    const int searchX = child<QLineEdit>("searchBox")->mapTo(m_window, QPoint()).x();
    const int treeButtonX = child<QToolButton>("btnTreeHide")->mapTo(m_window, QPoint()).x();
    QVERIFY2(treeButtonX <= searchX - 142, qPrintable(QStringLiteral("%1 vs %2").arg(treeButtonX).arg(searchX)));

    QTest::mouseClick(child<QToolButton>("btnTreeHide"), Qt::LeftButton);
    QTest::mouseClick(child<QToolButton>("btnItemHide"), Qt::LeftButton);
    QCOMPARE(splitter->sizes(), before);
}

void MainWindowTest::hideButtonsFollowTheListOrTheDetailPane()
{
    openMailbox();
    auto* treeButton = child<QToolButton>("btnTreeHide");
    auto* list = child<PSTListView>("listView");
    auto* detail = child<PSTStackedWidget>("stackedWidget_2");
    auto x = [this](QWidget* widget) { return widget->mapTo(m_window, QPoint()).x(); };
    // The buttons start at the item list's left edge.
    QTRY_COMPARE(x(treeButton), x(list));
    // With the list hidden they start at the detail pane's left edge.
    QTest::mouseClick(child<QToolButton>("btnItemHide"), Qt::LeftButton);
    QTRY_COMPARE(x(treeButton), x(detail));
}

void MainWindowTest::convertAndExportOpenTheDialogOnTheDocument_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title");
    QTest::newRow("convert") << "convertBtn" << "Convert";
    QTest::newRow("export") << "exportBtn" << "Export";
}

void MainWindowTest::convertAndExportOpenTheDialogOnTheDocument()
{
    QFETCH(QString, button);
    QFETCH(QString, title);
    openMailbox();
    QTest::mouseClick(child<QToolButton>(button.toLatin1().constData()), Qt::LeftButton);
    QPointer<PstExportDialog> dialog = m_window->findChild<PstExportDialog*>();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), title);
    const QModelIndex document = dialog->findChild<QTreeView*>(QStringLiteral("treeView"))->model()->index(0, 0);
    QCOMPARE(document.data().toString(), m_window->treeController()->pstRootNode()->displayName());
    dialog->close();
    QTRY_VERIFY(dialog.isNull());
}

void MainWindowTest::printButtonFollowsTheChosenItem()
{
    openMailbox();
    auto* print = child<QToolButton>("printBtn");
    QVERIFY(UiDriver::pressFolder(child<PSTTreeView>("treeView"), QStringLiteral("Contacts")));
    QVERIFY(!print->isEnabled());
    QVERIFY(UiDriver::clickRow(child<PSTListView>("listView"), 0));
    QVERIFY(print->isEnabled());
    QVERIFY(m_window->currentItem());
    QCOMPARE(child<PSTStackedWidget>("stackedWidget_2")->currentWidget(),
             static_cast<QWidget*>(m_window->detailController()->infoView()));
    QVERIFY(UiDriver::pressFolder(child<PSTTreeView>("treeView"), QStringLiteral("Calendar")));
    QVERIFY(!print->isEnabled());
    QVERIFY(!m_window->currentItem());
    QCOMPARE(child<PSTStackedWidget>("stackedWidget_2")->currentWidget(), child<QWidget>("blankPage"));
}

void MainWindowTest::closingTheShownDocumentClearsListAndDetail()
{
    openMailbox();
    QVERIFY(UiDriver::pressFolder(child<PSTTreeView>("treeView"), QStringLiteral("Inbox")));
    QVERIFY(UiDriver::clickRow(child<PSTListView>("listView"), 0));
    QCOMPARE(child<PSTStackedWidget>("stackedWidget_2")->currentWidget(),
             static_cast<QWidget*>(m_window->detailController()->mailView()));
    std::weak_ptr<PstItem> shownMail = m_window->currentItem();

    QSignalSpy resize(m_window, &MainWindow::sizeChangeRequested);
    m_window->treeController()->closeDocument(documentRow(0));
    QCOMPARE(child<PSTListView>("listView")->model()->rowCount(), 0);
    QCOMPARE(child<PSTStackedWidget>("stackedWidget_2")->currentWidget(), child<QWidget>("blankPage"));
    QVERIFY(!child<QToolButton>("printBtn")->isEnabled());
    QVERIFY(!m_window->detailController()->currentItem());
    QVERIFY2(shownMail.expired(), "nothing may keep the closed document's mail alive");
    QCOMPARE(child<QStackedWidget>("stackedWidget")->currentWidget(), child<QWidget>("homePage"));
    QCOMPARE(resize.count(), 1);
    QCOMPARE(resize.at(0), (QList<QVariant>{860, 600}));
    QCOMPARE(m_window->size(), QSize(860, 600));
}

void MainWindowTest::closingAnotherDocumentKeepsTheList()
{
    openMailbox();
    openAndWait(TestData::pst(QStringLiteral("hughbe__PstReader__hughbe_hughbe_Outlook.pst")));
    QVERIFY(UiDriver::pressFolder(child<PSTTreeView>("treeView"), QStringLiteral("Inbox")));
    QVERIFY(UiDriver::clickRow(child<PSTListView>("listView"), 1));
    m_window->treeController()->closeDocument(documentRow(1));
    QCOMPARE(child<PSTListView>("listView")->model()->rowCount(), 4);
    QVERIFY(m_window->currentItem());
    QCOMPARE(child<QStackedWidget>("stackedWidget")->currentWidget(), child<QWidget>("mainPage"));
}

void MainWindowTest::failedOpenShowsAWarningAndReturns()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    const QString broken = TestData::pst(QStringLiteral("aspose-email__Aspose.Email-for-C__SMTP_Outlook.pst"));
    m_window->openFile(broken);
    // The call came back at once; the alert comes when the opening fails and
    // waits on the window.
    QTRY_VERIFY(m_window->findChild<QMessageBox*>());
    auto* box = m_window->findChild<QMessageBox*>();
    QVERIFY(box->isVisible());
    QCOMPARE(box->windowModality(), Qt::WindowModal);
    QCOMPARE(box->text(), QStringLiteral("Warning"));
    QCOMPARE(box->informativeText(), QStringLiteral("Error opening file!\n") + broken
             + QStringLiteral("\nThis is not a PST file: it does not start with a PST file's signature."));
    QCOMPARE(box->icon(), QMessageBox::Warning);
    QCOMPARE(box->buttons().size(), 1);
    QCOMPARE(box->buttons().first()->text(), QStringLiteral("OK"));
    QCOMPARE(child<QStackedWidget>("stackedWidget")->currentWidget(), child<QWidget>("homePage"));
    box->buttons().first()->click();
    QTRY_VERIFY(!m_window->findChild<QMessageBox*>());
}

void MainWindowTest::alertWithoutActiveWindowWaitsForOk()
{
    m_window->hide();
    QTRY_VERIFY(!QApplication::activeWindow());
    bool pressedBeforeReturn = false;
    QTimer::singleShot(200, this, [&pressedBeforeReturn] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box->windowModality() != Qt::ApplicationModal || box->text() != QStringLiteral("Done"))
            return;
        pressedBeforeReturn = true;
        box->buttons().first()->click();
    });
    NativeMessageBox::info(nullptr, QStringLiteral("Done"), QStringLiteral("All items were written."));
    QVERIFY(pressedBeforeReturn);
}

void MainWindowTest::itemsNotShownAreNoticedWithoutInterrupting()
{
    PstDescription description = UiSamples::mailbox();
    PstMessage odd;
    odd.subject = QStringLiteral("odd");
    odd.messageClass = QStringLiteral("IPM.Unheard.Of");
    description.folders.first().messages.append(odd);
    m_window->openFile(UiSamples::write(description, m_dir.path(), QStringLiteral("odd.pst")));
    auto* notice = m_window->findChild<QLabel*>(QStringLiteral("lossNotice"));
    QVERIFY(notice);
    QTRY_VERIFY(notice->isVisible());
    QCOMPARE(notice->text(), QStringLiteral("odd.pst: 1 item(s) could not be shown (see the log)."));
    QVERIFY(!m_window->findChild<QMessageBox*>());
    openMailbox();
    QCOMPARE(notice->text(), QStringLiteral("odd.pst: 1 item(s) could not be shown (see the log)."));
}

void MainWindowTest::licencesEntryShowsTheNotices()
{
    QAction* licences = nullptr;
    for (QAction* menu : m_window->menuBar()->actions()) {
        for (QAction* action : menu->menu()->actions()) {
            if (action->text() == QStringLiteral("Licences"))
                licences = action;
        }
    }
    QVERIFY(licences);
    licences->trigger();
    auto* dialog = m_window->findChild<QDialog*>(QStringLiteral("licencesDialog"));
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    const QString text = dialog->findChild<QTextBrowser*>()->toPlainText();
    for (const char* notice : {"GNU General Public License", "libpst", "Qt 6", "Chromium", "zlib", "Icons"})
        QVERIFY2(text.contains(QLatin1String(notice)), notice);
    if (!qEnvironmentVariableIsEmpty("LUMAROO_SCREENSHOTS"))
        dialog->grab().save(qEnvironmentVariable("LUMAROO_SCREENSHOTS") + "/licences.png");
    dialog->close();
}

int main(int argc, char* argv[])
{
    TestHome home;
    // A desktop-sized screen: the window keeps to the screen it is on, and
    // the offscreen default of 800 × 600 is smaller than the browsing size.
    const QString screenConfig = home.path() + QStringLiteral("/screen.json");
    QFile config(screenConfig);
    if (!config.open(QIODevice::WriteOnly)
        || config.write(R"({"windowFrameMargins": true, "screens": [{"name": "Desktop", "x": 0, "y": 0,
            "width": 1920, "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0)
        qFatal("cannot write the screen configuration");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screenConfig));
    qputenv("QT_WEBVIEW_PLUGIN", "webengine");
    MailContentHandler::registerScheme();
    QtWebView::initialize();
    QApplication app(argc, argv);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_MainWindow.moc"
