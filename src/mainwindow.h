// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PrintManager.h"
#include "PstItem.h"

#include <QMainWindow>

#include <memory>

class AppMenu;
class DetailViewController;
class ListViewSortMenu;
class PstListController;
class PstTreeController;
class QMenu;
class RecentFilesMenu;
class SearchController;
class SearchScopeBox;
class SearchStatusLine;
class PSTListView;
namespace Ui { class MainWindow; }

// The program's one window: a home page inviting the user to add a PST
// file, and a browsing page with a tool bar over the folder tree, the item
// list and the detail pane.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    PstTreeController* treeController() const { return m_treeController; }
    PstListController* listController() const { return m_listController; }
    DetailViewController* detailController() const { return m_detailController; }
    // The all-folders search: its scope box beside the search box, its
    // results view in the list pane and its status line above it.
    SearchController* searchController() const { return m_searchController; }
    SearchScopeBox* searchScopeBox() const { return m_scopeBox; }
    PSTListView* searchResultsView() const { return m_resultsView; }
    SearchStatusLine* searchStatus() const { return m_searchStatus; }
    ListViewSortMenu* sortMenu() const { return m_sortMenu; }
    Ui::MainWindow* form() const { return m_ui; }
    QMenu* fileMenu() const { return m_fileMenu; }
    // File ▸ Print…: prints the current item, like the Print button.
    QAction* printAction() const { return m_printAction; }
    // File ▸ Close and File ▸ Open Recent.
    QAction* closeAction() const { return m_closeAction; }
    RecentFilesMenu* recentMenu() const { return m_recentMenu; }
    // Stores size, place, pane sizes, sort and View choices (done on close).
    void saveWindowState() const;
    PrintManager& printManager() { return m_printManager; }
    AppMenu* appMenu() const { return m_appMenu; }
    // The item the print button prints; null when none is chosen.
    std::shared_ptr<PstItem> currentItem() const { return m_currentItem; }

public slots:
    // Opens a PST file into the folder tree; a failure shows a warning.
    void openFile(const QString& path);
    // The open dialog's choice: remembers the first file's folder and opens
    // every path in order; an empty list only logs the cancellation.
    void openChosenFiles(const QStringList& paths);

signals:
    // Asks for the window to take width × height, keeping its centre.
    void sizeChangeRequested(int width, int height);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A language switch re-translates the window's own texts.
    void changeEvent(QEvent* event) override;

private slots:
    void onOpenBtnClicked();
    void onExportBtnClicked();
    void onConvertBtnClicked();
    void onPrintBtnClicked();
    void onBtnSortClicked();
    void hideTreeView();
    void hideListView();
    void treeViewRowChange(int rowCount);
    void changePrinterButton(const std::shared_ptr<PstItem>& item);
    void splitterMovedSlot(int pos, int index);
    void onSortMenuTriggered(QString field, QString order);
    void listViewChanged();
    void onDocumentClosing(const std::shared_ptr<PstItem>& root);
    void resizeKeepingCentre(int width, int height);
    void focusSearchBox();
    // The title names the current document's file.
    void updateTitle();

private:
    void restoreWindowState();
    void initView();
    void initMenu();
    void initViewMenu();
    void initConnect();
    void initSortMenu();
    void initSearch();
    // The folder's list comes back from behind the search results (or goes).
    void showSearchResults(bool shown);
    // Down from the search box goes to the first row of the list on show.
    bool moveFromSearchBox(QEvent* event);
    void hiddenView(int index, bool& hidden, int& savedWidth);
    bool handleDragAndDrop(QEvent* event);
    // The document root the export and convert buttons work on; logs when none.
    std::shared_ptr<PstItem> documentForExport();
    // Shows the export dialog (an ExportDialogMode) on that document.
    void openExportDialog(int mode);

    Ui::MainWindow* m_ui = nullptr;
    bool m_treeHidden = false;
    bool m_listHidden = false;
    int m_savedTreeWidth = 0;
    int m_savedListWidth = 0;
    ListViewSortMenu* m_sortMenu = nullptr;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_viewMenu = nullptr;
    QAction* m_printAction = nullptr;
    QAction* m_closeAction = nullptr;
    QAction* m_licencesAction = nullptr;
    QAction* m_showHiddenAction = nullptr;
    RecentFilesMenu* m_recentMenu = nullptr;
    bool m_sizeRestored = false;
    QByteArray m_splitterState;
    PrintManager m_printManager;
    AppMenu* m_appMenu = nullptr;
    std::shared_ptr<PstItem> m_currentItem;
    PstTreeController* m_treeController = nullptr;
    PstListController* m_listController = nullptr;
    DetailViewController* m_detailController = nullptr;
    SearchController* m_searchController = nullptr;
    SearchScopeBox* m_scopeBox = nullptr;
    PSTListView* m_resultsView = nullptr;
    SearchStatusLine* m_searchStatus = nullptr;
};
