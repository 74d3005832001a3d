// SPDX-License-Identifier: GPL-2.0-or-later
#include "mainwindow.h"

#include "AppConfig.h"
#include "AppMenu.h"
#include "DetailViewController.h"
#include "PstExportDialog.h"
#include "ListViewSortMenu.h"
#include "LossNotice.h"
#include "Log.h"
#include "NativeMessageBox.h"
#include "ProductConstants.h"
#include "PSTListView.h"
#include "PstListController.h"
#include "PstListFilterModel.h"
#include "MyWebViewWidget.h"
#include "SearchController.h"
#include "SearchScopeBox.h"
#include "SearchStatusLine.h"
#include "PstMailView.h"
#include "PstTreeController.h"
#include "ThirdPartyNotices.h"
#include "UserFolders.h"
#include "PstTreeViewFilterModel.h"
#include "RecentFilesMenu.h"
#include "WindowPlacement.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QKeyEvent>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSplitter>
#include <QTimer>

namespace {

const QSize kHomeSize(860, 600);
const QSize kBrowsingSize(1024, 768);
const int kTreePane = 0;
const int kListPane = 1;
// Room the two 66-wide hide buttons and their spacing take before the search box.
const int kHideButtonsRoom = 142;

// Offline folder files (.ost) have the same format as personal-folder files.
bool isPstFile(const QUrl& url)
{
    const QString path = url.toLocalFile();
    return !path.isEmpty()
           && (path.endsWith(QLatin1String(".pst"), Qt::CaseInsensitive)
               || path.endsWith(QLatin1String(".ost"), Qt::CaseInsensitive));
}

int windowX(const QWidget* widget, const QWidget* window)
{
    return widget->mapTo(window, QPoint(0, 0)).x();
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , m_ui(new Ui::MainWindow)
{
    m_ui->setupUi(this);
    setWindowTitle(g_product_name);
    // Plain widgets paint a style sheet background only when asked to.
    m_ui->toolbar->setAttribute(Qt::WA_StyledBackground);
    m_ui->sortWidget->setAttribute(Qt::WA_StyledBackground);
    m_ui->searchBox->addAction(QIcon(QStringLiteral(":/img/search.png")), QLineEdit::LeadingPosition);
    initView();
    initMenu();
    initConnect();
    initSortMenu();
    initSearch();
    m_ui->treeView->setIndentation(14);
    connect(this, &MainWindow::sizeChangeRequested, this, &MainWindow::resizeKeepingCentre);
    restoreWindowState();
}

MainWindow::~MainWindow()
{
    delete m_ui;
}

void MainWindow::initView()
{
    m_treeController = new PstTreeController(m_ui->treeView, this);
    m_listController = new PstListController(m_ui->listView, this);
    m_detailController = new DetailViewController(m_ui->stackedWidget_2, this);
    m_treeController->enableTreeViewMenu();
    m_ui->printBtn->setEnabled(false);
    // New width from a larger window goes to the detail pane.
    m_ui->splitter->setStretchFactor(kTreePane, 0);
    m_ui->splitter->setStretchFactor(kListPane, 0);
    m_ui->splitter->setStretchFactor(2, 1);
    m_ui->splitter->setSizes({260, 290, width() - 550});
    m_ui->stackedWidget->setCurrentWidget(m_ui->homePage);
    // Someone who has never opened a file learns where a sample mailbox comes from.
    m_ui->sampleHint->setVisible(AppConfig::instance()->recentFiles().isEmpty());
    m_ui->treeView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_ui->listView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_ui->treeView->installEventFilter(this);
    m_ui->homePage->installEventFilter(this);
    setAcceptDrops(true);
    m_ui->treeView->setAcceptDrops(true);
    m_ui->homePage->setAcceptDrops(true);
}

void MainWindow::initMenu()
{
    m_appMenu = new AppMenu(this);
    m_fileMenu = m_appMenu->createFileMenu();
    // File ▸ Print… under Open, with the desktop's print shortcut.
    m_printAction = new QAction(tr("&Print..."), m_fileMenu);
    m_printAction->setShortcut(QKeySequence::Print);
    m_printAction->setEnabled(false);
    connect(m_printAction, &QAction::triggered, this, &MainWindow::onPrintBtnClicked);
    m_fileMenu->insertAction(m_fileMenu->actions().value(1), m_printAction);
    // File ▸ Open Recent under Open, File ▸ Close above Print.
    m_recentMenu = new RecentFilesMenu(m_fileMenu);
    m_fileMenu->insertMenu(m_printAction, m_recentMenu);
    connect(m_recentMenu, &RecentFilesMenu::fileChosen, this, &MainWindow::openFile);
    m_closeAction = new QAction(tr("&Close"), m_fileMenu);
    m_closeAction->setObjectName(QStringLiteral("closeFileAction"));
    m_closeAction->setShortcut(QKeySequence::Close);
    m_closeAction->setEnabled(false);
    connect(m_closeAction, &QAction::triggered, this, [this] { m_treeController->closeCurrentDocument(); });
    m_fileMenu->insertAction(m_printAction, m_closeAction);
    connect(m_fileMenu, &QMenu::triggered, this, [this](QAction* action) {
        if (action->data().toInt() == AppMenu::OpenFile)
            onOpenBtnClicked();
    });
    menuBar()->addMenu(m_fileMenu);
    menuBar()->addMenu(m_appMenu->editMenu());
    initViewMenu();
    menuBar()->addMenu(m_appMenu->createWindowMenu());
    QMenu* help = m_appMenu->createHelpMenu();
    m_licencesAction = help->addAction(tr("Licences"), this, [this] { ThirdPartyNotices::showDialog(this); });
    menuBar()->addMenu(help);
    connect(m_appMenu, &AppMenu::findRequested, this, &MainWindow::focusSearchBox);
}

void MainWindow::initViewMenu()
{
    m_viewMenu = menuBar()->addMenu(tr("&View"));
    QAction* hiddenFolders = m_viewMenu->addAction(tr("Show &Hidden Folders"));
    m_showHiddenAction = hiddenFolders;
    hiddenFolders->setObjectName(QStringLiteral("showHiddenFoldersAction"));
    hiddenFolders->setCheckable(true);
    connect(hiddenFolders, &QAction::toggled, m_treeController->proxy(), &PstTreeViewFilterModel::setShowHiddenFolders);
}

void MainWindow::focusSearchBox()
{
    // The search box only exists for the user once a document is open.
    if (m_ui->stackedWidget->currentWidget() != m_ui->mainPage)
        return;
    m_ui->searchBox->setFocus(Qt::ShortcutFocusReason);
    m_ui->searchBox->selectAll();
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        if (m_viewMenu) {
            m_viewMenu->setTitle(tr("&View"));
            m_viewMenu->actions().value(0)->setText(tr("Show &Hidden Folders"));
        }
        updateTitle();
        if (m_searchController)
            m_searchController->retranslate();
        if (m_closeAction)
            m_closeAction->setText(tr("&Close"));
        if (m_printAction)
            m_printAction->setText(tr("&Print..."));
        if (m_licencesAction)
            m_licencesAction->setText(tr("Licences"));
        m_ui->btnSortBy->setText(m_ui->btnSortBy->text() + QStringLiteral("  \u25BE"));
        // Rows paint their texts (dates, counts) when drawn.
        m_ui->treeView->viewport()->update();
        m_ui->listView->viewport()->update();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::initConnect()
{
    connect(m_ui->openBtn, &QToolButton::clicked, this, &MainWindow::onOpenBtnClicked);
    connect(m_ui->btnOpenFile, &QPushButton::clicked, this, &MainWindow::onOpenBtnClicked);
    connect(m_ui->convertBtn, &QToolButton::clicked, this, &MainWindow::onConvertBtnClicked);
    connect(m_ui->exportBtn, &QToolButton::clicked, this, &MainWindow::onExportBtnClicked);
    connect(m_ui->printBtn, &QToolButton::clicked, this, &MainWindow::onPrintBtnClicked);
    connect(m_ui->btnSortBy, &QPushButton::clicked, this, &MainWindow::onBtnSortClicked);
    connect(m_ui->btnItemHide, &QToolButton::clicked, this, &MainWindow::hideListView);
    connect(m_ui->btnTreeHide, &QToolButton::clicked, this, &MainWindow::hideTreeView);
    connect(m_treeController, &PstTreeController::folderSelected, this,
            [this](const QList<std::shared_ptr<PstItem>>& items) {
                m_ui->searchBox->clear();
                m_listController->setList(items);
            });
    connect(m_treeController, &PstTreeController::folderItemsRead, m_listController, &PstListController::appendItems);
    connect(m_treeController, &PstTreeController::folderRead, m_listController, &PstListController::finishList);
    connect(m_treeController, &PstTreeController::pstTreeViewRowChanged, this, &MainWindow::treeViewRowChange);
    connect(m_treeController, &PstTreeController::openPstFailed, this, [this](const QString& path) {
        NativeMessageBox::warning(this, tr("Warning"),
                                  tr("Error opening file!") + QLatin1Char('\n') + QDir::toNativeSeparators(path)
                                      + QLatin1Char('\n') + m_treeController->lastOpenError());
    });
    if (LossNotice* notice = LossNotice::install(m_ui->treeView)) {
        const auto showLosses = [this, notice] { notice->showLosses(m_treeController->documents()); };
        connect(m_treeController, &PstTreeController::pstTreeViewRowChanged, notice, showLosses);
        connect(m_treeController, &PstTreeController::documentOpened, notice, showLosses);
    }
    connect(m_treeController, &PstTreeController::documentClosing, this, &MainWindow::onDocumentClosing);
    connect(m_treeController, &PstTreeController::documentOpened, this, [this](const std::shared_ptr<PstItem>& root) {
        if (root)
            AppConfig::instance()->addRecentFile(root->filePath());
    });
    connect(m_treeController, &PstTreeController::pstTreeViewRowChanged, this, &MainWindow::updateTitle);
    connect(m_ui->treeView->selectionModel(), &QItemSelectionModel::currentChanged, this, &MainWindow::updateTitle);
    connect(m_listController, &PstListController::itemSelected, m_detailController, &DetailViewController::setItem);
    connect(m_listController, &PstListController::itemSelected, this, &MainWindow::changePrinterButton);
    connect(m_detailController->mailView(), &PstMailView::attachedMailOpened, this, &MainWindow::changePrinterButton);
    connect(m_detailController, &DetailViewController::wentBack, this, &MainWindow::changePrinterButton);
    connect(m_listController, &PstListController::itemChosenAgain, this, [this](const std::shared_ptr<PstItem>& item) {
        m_detailController->showAgain(item);
        changePrinterButton(item);
    });
    connect(m_ui->splitter, &QSplitter::splitterMoved, this, &MainWindow::splitterMovedSlot);

    const QString logDir = QDir::toNativeSeparators(UserFolders::logDir());
    if (!QDir(logDir).exists())
        QDir().mkpath(logDir);
}

void MainWindow::initSortMenu()
{
    m_sortMenu = new ListViewSortMenu(this);
    m_sortMenu->setFixedWidth(m_ui->btnSortBy->width());
    connect(m_sortMenu, &ListViewSortMenu::sortChanged, this, &MainWindow::onSortMenuTriggered);
    m_ui->btnSortBy->setText(m_ui->btnSortBy->text() + QStringLiteral("  \u25BE"));
}

void MainWindow::initSearch()
{
    m_scopeBox = new SearchScopeBox(m_ui->toolbar);
    m_ui->horizontalLayout_3->insertWidget(m_ui->horizontalLayout_3->indexOf(m_ui->searchBox) + 1, m_scopeBox);
    setTabOrder(m_ui->searchBox, m_scopeBox);
    m_searchStatus = new SearchStatusLine(m_ui->layoutWidget);
    m_ui->verticalLayout->insertWidget(m_ui->verticalLayout->indexOf(m_ui->listView), m_searchStatus);
    m_resultsView = new PSTListView(m_ui->layoutWidget);
    m_resultsView->setObjectName(QStringLiteral("searchResultsView"));
    m_resultsView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_resultsView->hide();
    m_ui->verticalLayout->addWidget(m_resultsView);
    m_searchController = new SearchController(m_resultsView, m_searchStatus, this);
    m_ui->searchBox->installEventFilter(this);

    // "This folder" filters the folder's rows as before; "All folders" asks the index.
    connect(m_ui->searchBox, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_scopeBox->scope() == SearchScopeBox::ThisFolder)
            m_listController->filter(text);
        m_searchController->setText(text);
    });
    connect(m_ui->searchBox, &QLineEdit::returnPressed, m_searchController, &SearchController::runNow);
    connect(m_scopeBox, &SearchScopeBox::scopeChanged, this, [this](SearchScopeBox::Scope scope) {
        Log::info(QStringLiteral("Search scope: %1.").arg(m_scopeBox->choice()));
        m_listController->filter(scope == SearchScopeBox::ThisFolder ? m_ui->searchBox->text() : QString());
        m_searchController->setAllFolders(scope == SearchScopeBox::AllFolders);
    });
    connect(m_searchController, &SearchController::activeChanged, this, &MainWindow::showSearchResults);
    connect(m_searchController, &SearchController::itemSelected, m_detailController, &DetailViewController::setItem);
    connect(m_searchController, &SearchController::itemSelected, this, &MainWindow::changePrinterButton);
    connect(m_searchController, &SearchController::highlightTermsChanged, m_detailController->mailView()->webView(),
            &MyWebViewWidget::setHighlightTerms);
    connect(m_treeController, &PstTreeController::documentOpened, m_searchController, &SearchController::documentOpened);
    connect(m_treeController, &PstTreeController::documentClosing, m_searchController, &SearchController::documentClosing);
    // Searches go to the document of the tree's current row, also once a
    // document still opening is replaced by the one read.
    const auto followCurrentDocument = [this] { m_searchController->setDocument(m_treeController->pstRootNode()); };
    connect(m_ui->treeView->selectionModel(), &QItemSelectionModel::currentChanged, this, followCurrentDocument);
    connect(m_treeController, &PstTreeController::documentOpened, this, followCurrentDocument);
    m_searchController->setAllFolders(m_scopeBox->scope() == SearchScopeBox::AllFolders);
}

void MainWindow::showSearchResults(bool shown)
{
    if (m_resultsView->isVisible() == shown && m_ui->listView->isHidden() == shown)
        return;
    m_ui->listView->setVisible(!shown);
    m_resultsView->setVisible(shown);
    // The folder's chosen row comes back into the detail pane; hits start with none.
    std::shared_ptr<PstItem> item;
    if (!shown) {
        const QModelIndex source = m_listController->proxy()->mapToSource(m_ui->listView->currentIndex());
        if (source.isValid())
            item = m_listController->items().value(source.row());
    }
    m_detailController->setItem(item);
    changePrinterButton(item);
}

bool MainWindow::moveFromSearchBox(QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Down)
        return false;
    QAbstractItemView* view = m_resultsView->isVisible() ? static_cast<QAbstractItemView*>(m_resultsView) : m_ui->listView;
    if (view->model()->rowCount() == 0)
        return false;
    view->setFocus(Qt::TabFocusReason);
    if (!view->currentIndex().isValid())
        view->setCurrentIndex(view->model()->index(0, 0));
    return true;
}

void MainWindow::openFile(const QString& path)
{
    m_treeController->openPstFile(path);
}

void MainWindow::onOpenBtnClicked()
{
    Log::info(QStringLiteral("Click the open button."));
    const QStringList paths = QFileDialog::getOpenFileNames(this, tr("Select File"), AppConfig::instance()->getLastOpenPath(),
                                                            tr("Outlook Data Files (*.pst *.ost)"));
    openChosenFiles(paths);
}

void MainWindow::openChosenFiles(const QStringList& paths)
{
    if (paths.isEmpty()) {
        Log::info(QStringLiteral("Document deselected."));
        return;
    }
    AppConfig::instance()->setLastOpenPath(QFileInfo(paths.first()).absolutePath());
    for (const QString& path : paths)
        m_treeController->openPstFile(path);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->searchBox && moveFromSearchBox(event))
        return true;
    if (watched == m_ui->treeView || watched == m_ui->homePage) {
        if (handleDragAndDrop(event))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::handleDragAndDrop(QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter: {
        auto* enter = static_cast<QDragEnterEvent*>(event);
        if (!enter->mimeData()->hasUrls())
            return true;
        const QList<QUrl> urls = enter->mimeData()->urls();
        if (std::any_of(urls.cbegin(), urls.cend(), isPstFile)) {
            enter->setDropAction(Qt::CopyAction);
            enter->accept();
        } else {
            enter->ignore();
        }
        return true;
    }
    case QEvent::DragMove: {
        auto* move = static_cast<QDragMoveEvent*>(event);
        if (move->mimeData()->hasUrls())
            move->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        for (const QUrl& url : drop->mimeData()->urls()) {
            if (isPstFile(url))
                m_treeController->openPstFile(url.toLocalFile());
        }
        drop->acceptProposedAction();
        return true;
    }
    default:
        return false;
    }
}

std::shared_ptr<PstItem> MainWindow::documentForExport()
{
    std::shared_ptr<PstItem> root = m_treeController->pstRootNode();
    if (!root)
        Log::info(QStringLiteral("No Pst file selected."));
    // Its folders may be on show before all their items are read.
    if (root && m_treeController->isOpening(root.get())) {
        Log::info(QStringLiteral("The selected Pst file is still opening."));
        NativeMessageBox::info(this, tr("Still Opening"),
                               tr("This file is still being read. Convert and Export can start once every "
                                  "folder shows its number of items."));
        return nullptr;
    }
    return root;
}

void MainWindow::onExportBtnClicked()
{
    Log::info(QStringLiteral("Click the export button."));
    openExportDialog(ExportToApps);
}

void MainWindow::onConvertBtnClicked()
{
    Log::info(QStringLiteral("Click the convert button."));
    openExportDialog(ConvertToFiles);
}

void MainWindow::openExportDialog(int mode)
{
    const std::shared_ptr<PstItem> root = documentForExport();
    if (!root)
        return;
    auto* dialog = new PstExportDialog(ExportDialogMode(mode), this);
    dialog->setPstNode(root);
    dialog->show();
}

void MainWindow::onPrintBtnClicked()
{
    Log::info(QStringLiteral("Click the print button."));
    if (m_currentItem)
        m_printManager.printItem(m_currentItem, this);
}

void MainWindow::changePrinterButton(const std::shared_ptr<PstItem>& item)
{
    m_currentItem = item;
    m_ui->printBtn->setEnabled(item != nullptr);
    m_printAction->setEnabled(item != nullptr);
}

void MainWindow::onBtnSortClicked()
{
    const bool empty = m_searchController->isActive() ? m_searchController->hitCount() == 0 : m_listController->isEmpty();
    if (!m_sortMenu || empty)
        return;
    QPushButton* button = m_ui->btnSortBy;
    m_sortMenu->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void MainWindow::onSortMenuTriggered(QString field, QString order)
{
    m_searchController->sort(field, order);
    if (field == QLatin1String("none")) {
        m_listController->sort(PstListController::DisplayField, PstListController::ModelOrder);
        return;
    }
    PstListController::SortOrder sortOrder;
    if (order == QLatin1String("asc"))
        sortOrder = PstListController::Ascending;
    else if (order == QLatin1String("desc"))
        sortOrder = PstListController::Descending;
    else
        return;
    static const QHash<QString, PstListController::SortField> fields{
        {QStringLiteral("subject"), PstListController::SubjectField},
        {QStringLiteral("date"), PstListController::DateField},
        {QStringLiteral("sender"), PstListController::DisplayField},
        {QStringLiteral("size"), PstListController::SizeField},
        {QStringLiteral("kind"), PstListController::KindField}};
    m_listController->sort(fields.value(field, PstListController::SubjectField), sortOrder);
}

void MainWindow::treeViewRowChange(int rowCount)
{
    if (rowCount < 1) {
        // The window keeps the size and place the user gave it.
        m_ui->stackedWidget->setCurrentWidget(m_ui->homePage);
        return;
    }
    if (m_ui->stackedWidget->currentWidget() != m_ui->mainPage) {
        m_ui->stackedWidget->setCurrentWidget(m_ui->mainPage);
        // Grows once from the home page's size; a size the user chose stays.
        if (!m_sizeRestored && size() == kHomeSize)
            emit sizeChangeRequested(kBrowsingSize.width(), kBrowsingSize.height());
        if (!m_splitterState.isEmpty())
            m_ui->splitter->restoreState(m_splitterState);
    }
    QMargins margins = m_ui->middleToolBar->contentsMargins();
    margins.setLeft(windowX(m_ui->listView, this) - m_ui->leftToolBar->geometry().width() - 20);
    m_ui->middleToolBar->setContentsMargins(margins);
    // The panes get their final places only once the new page is laid out.
    QTimer::singleShot(0, this, &MainWindow::listViewChanged);
}

void MainWindow::hiddenView(int index, bool& hidden, int& savedWidth)
{
    QList<int> sizes = m_ui->splitter->sizes();
    const int detail = int(sizes.size()) - 1;
    if (index < 0 || index >= detail)
        return;
    if (hidden) {
        sizes[detail] -= savedWidth;
        sizes[index] = savedWidth;
    } else {
        savedWidth = sizes[index];
        sizes[detail] += sizes[index];
        sizes[index] = 0;
    }
    hidden = !hidden;
    m_ui->splitter->setSizes(sizes);
}

void MainWindow::hideTreeView()
{
    hiddenView(kTreePane, m_treeHidden, m_savedTreeWidth);
    m_ui->btnTreeHide->setIcon(QIcon(m_treeHidden ? QStringLiteral(":/img/show.png") : QStringLiteral(":/img/hide.png")));
    listViewChanged();
}

void MainWindow::hideListView()
{
    hiddenView(kListPane, m_listHidden, m_savedListWidth);
    listViewChanged();
    m_ui->btnItemHide->setIcon(QIcon(m_listHidden ? QStringLiteral(":/img/show.png") : QStringLiteral(":/img/hide.png")));
}

void MainWindow::listViewChanged()
{
    const int listX = windowX(m_ui->listView, this);
    const int detailX = windowX(m_ui->stackedWidget_2, this);
    const int searchX = windowX(m_ui->searchBox, this);
    const int leftWidth = m_ui->leftToolBar->geometry().width() + 20;
    int candidate = 0;
    if (listX >= leftWidth)
        candidate = listX - leftWidth;
    else if (listX < 0)
        candidate = detailX - leftWidth;
    QMargins margins = m_ui->middleToolBar->contentsMargins();
    margins.setLeft(std::min(candidate, searchX - leftWidth - kHideButtonsRoom));
    m_ui->middleToolBar->setContentsMargins(margins);
}

void MainWindow::splitterMovedSlot(int, int index)
{
    const QList<int> sizes = m_ui->splitter->sizes();
    if (index == 2) {
        m_ui->treeView->setMinimumWidth(sizes.value(kTreePane));
        m_ui->stackedWidget_2->setMinimumWidth(0);
    } else if (index == 1) {
        m_ui->stackedWidget_2->setMinimumWidth(sizes.value(2));
        m_ui->treeView->setMinimumWidth(0);
        listViewChanged();
    }
}

void MainWindow::onDocumentClosing(const std::shared_ptr<PstItem>& root)
{
    // The closed document's file goes with it: nothing of it may stay on show.
    const QList<std::shared_ptr<PstItem>> shown = m_listController->items();
    const bool listShowsDocument = std::any_of(shown.cbegin(), shown.cend(), [&root](const std::shared_ptr<PstItem>& item) {
        return item && item->rootNode() == root;
    });
    const std::shared_ptr<PstItem> detailItem = m_detailController->currentItem();
    if (listShowsDocument) {
        m_listController->setList({});
    } else if (detailItem && detailItem->rootNode() == root) {
        m_detailController->setItem(nullptr);
        changePrinterButton(nullptr);
    }
}

void MainWindow::updateTitle()
{
    const QString path = m_treeController->currentDocumentPath();
    // "Outlook.pst — Lumaroo", as desktop programs name the open document.
    setWindowTitle(path.isEmpty() ? QString(g_product_name)
                                  : QStringLiteral("%1 \u2014 %2").arg(QFileInfo(path).fileName(), g_product_name));
    if (m_closeAction)
        m_closeAction->setEnabled(!path.isEmpty());
}

void MainWindow::saveWindowState() const
{
    AppConfig* config = AppConfig::instance();
    config->setValue(QStringLiteral("Window/geometry"), saveGeometry());
    if (m_ui->stackedWidget->currentWidget() == m_ui->mainPage)
        config->setValue(QStringLiteral("Window/splitter"), m_ui->splitter->saveState());
    config->setValue(QStringLiteral("Window/showHiddenFolders"), m_showHiddenAction->isChecked());
    config->setValue(QStringLiteral("Window/sort"), m_sortMenu->choice());
    config->setValue(QStringLiteral("Window/searchScope"), m_scopeBox->choice());
}

void MainWindow::restoreWindowState()
{
    AppConfig* config = AppConfig::instance();
    const QByteArray geometry = config->value(QStringLiteral("Window/geometry")).toByteArray();
    m_sizeRestored = !geometry.isEmpty() && restoreGeometry(geometry);
    if (m_sizeRestored)
        setMinimumSize(minimumSize().boundedTo(size()));
    m_splitterState = config->value(QStringLiteral("Window/splitter")).toByteArray();
    m_showHiddenAction->setChecked(config->value(QStringLiteral("Window/showHiddenFolders"), false).toBool());
    m_sortMenu->setChoice(config->value(QStringLiteral("Window/sort")).toString());
    m_scopeBox->setChoice(config->value(QStringLiteral("Window/searchScope")).toString());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    saveWindowState();
    // Quitting on the last window's close is off; closing this window ends the program.
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        QApplication::quit();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
}

void MainWindow::resizeKeepingCentre(int width, int height)
{
    const QPoint centre = frameGeometry().center();
    const QRect available = screen() ? screen()->availableGeometry() : QRect();
    const QSize decoration = frameGeometry().size() - size();
    const QRect frame = WindowPlacement::fitted(available, centre, QSize(width, height) + decoration);
    // A screen smaller than the window's usual minimum still shows all of it.
    setMinimumSize(minimumSize().boundedTo(frame.size() - decoration));
    resize(frame.size() - decoration);
    move(frame.topLeft());
}
