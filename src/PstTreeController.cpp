// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstTreeController.h"

#include "Common.h"
#include "FolderItemsReader.h"
#include "Log.h"
#include "PstDocumentLoader.h"
#include "PstTreeModel.h"
#include "PstTreeViewFilterModel.h"
#include "UnopenedTarget.h"

#include <QApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLocale>
#include <QMenu>
#include <QTreeView>
#include <QUrl>

PstTreeController::PstTreeController(QTreeView* view, QObject* parent)
    : QObject(parent)
    , m_view(view)
    , m_invisibleRoot(std::make_shared<PstFolderItem>())
    , m_model(new PstTreeModel(m_invisibleRoot, this))
    , m_proxy(new PstTreeViewFilterModel(this))
{
    m_proxy->setSourceModel(m_model);
    m_view->setModel(m_proxy);
    m_view->header()->hide();
    // The list follows the current row however it moves: mouse, keyboard,
    // a document opened or closed, hidden folders shown.
    connect(m_view, &QTreeView::pressed, this, &PstTreeController::onTreeItemClicked);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { onTreeItemClicked(current); });
}

PstTreeController::~PstTreeController()
{
    // The loaders cancel their workers as they go.
    if (m_busyCursor)
        QApplication::restoreOverrideCursor();
}

void PstTreeController::openPstFile(const QString& path)
{
    // A file opened twice would show its folders twice; the open one is chosen.
    if (selectOpenDocument(path)) {
        Log::info(QStringLiteral("Already open, selected: %1").arg(path));
        return;
    }
    Log::info(QStringLiteral("Open PST file: %1").arg(path));
    const QString fileName = QFileInfo(path).fileName();
    auto placeholder = std::make_shared<PstFolderItem>();
    placeholder->setNodeLevel(0);
    placeholder->setPstPath(path);
    placeholder->setDisplayName(tr("%1 (opening…)").arg(fileName));
    PstFolderItem* row = placeholder.get();
    auto* loader = new PstDocumentLoader(path, this);
    m_loads.insert(row, loader);
    connect(loader, &PstDocumentLoader::progress, this, [this, row, fileName](int itemsRead) {
        if (!m_loads.contains(row))
            return;
        row->setDisplayName(tr("%1 (opening… %2 items read)").arg(fileName, QLocale().toString(itemsRead)));
        m_model->refresh(row);
    });
    connect(loader, &PstDocumentLoader::foldersRead, this,
            [this, row](const std::shared_ptr<PstFolderItem>& root) { showFolders(row, root); });
    connect(loader, &PstDocumentLoader::folderItemsRead, this,
            [this, row](const std::shared_ptr<PstFolderItem>& folder, const PstFolderItem::ItemCounts& counts,
                        const QList<std::shared_ptr<PstItem>>& items) { showFolderItems(row, folder, counts, items); });
    connect(loader, &PstDocumentLoader::finished, this,
            [this, row](const std::shared_ptr<PstFolderItem>& root, const QString& error) {
                finishOpening(row, root, error);
            });
    addRow(placeholder);
    updateBusyCursor();
    loader->start();
}

void PstTreeController::showFolders(PstFolderItem* placeholder, const std::shared_ptr<PstFolderItem>& root)
{
    if (!m_loads.contains(placeholder))
        return;
    m_foldersShown.insert(placeholder);
    m_model->adoptDocument(placeholder, root);
}

void PstTreeController::showFolderItems(PstFolderItem* placeholder, const std::shared_ptr<PstFolderItem>& folder,
                                        const PstFolderItem::ItemCounts& counts,
                                        const QList<std::shared_ptr<PstItem>>& items)
{
    if (!m_loads.contains(placeholder))
        return;
    // The document root's own items go to the row that stands for it.
    PstFolderItem* shown = folder->nodeLevel() == 0 ? placeholder : folder.get();
    m_model->addFolderItems(shown, counts, items);
    // The current folder showed an empty list while it was read.
    if (shown->itemCount() > 0 && m_lastPressed.isValid()
        && PstTreeModel::itemFromIndex(m_proxy->mapToSource(m_lastPressed)) == shown)
        showFolder(shown);
}

void PstTreeController::showFolder(PstFolderItem* folder)
{
    stopReadingFolder();
    if (!folder || folder->holdsItems() || folder->itemsPending()) {
        emit folderSelected(folder ? folder->items() : QList<std::shared_ptr<PstItem>>());
        return;
    }
    // The list shows nothing of another folder while this one is read; its
    // items come in batches as they are read.
    emit folderSelected({});
    m_folderReader = new FolderItemsReader(std::static_pointer_cast<PstFolderItem>(folder->shared_from_this()), this);
    connect(m_folderReader, &FolderItemsReader::itemsRead, this, &PstTreeController::folderItemsRead);
    connect(m_folderReader, &FolderItemsReader::finished, this, [this] {
        stopReadingFolder();
        emit folderRead();
    });
    setReadingFolder(true);
    m_folderReader->start();
}

void PstTreeController::stopReadingFolder()
{
    if (m_folderReader) {
        // Deleted later: it may be announcing what it read.
        m_folderReader->cancel();
        m_folderReader->disconnect(this);
        m_folderReader->deleteLater();
        m_folderReader = nullptr;
    }
    setReadingFolder(false);
}

void PstTreeController::finishOpening(PstFolderItem* placeholder, const std::shared_ptr<PstFolderItem>& root,
                                      const QString& error)
{
    PstDocumentLoader* loader = m_loads.take(placeholder);
    if (!loader)
        return;
    loader->deleteLater();
    updateBusyCursor();
    const bool foldersShown = m_foldersShown.remove(placeholder);
    if (!root) {
        const QString path = loader->path();
        m_model->removeNode(placeholder);
        emit pstTreeViewRowChanged(documentCount());
        m_lastOpenError = error;
        emit openPstFailed(path);
        return;
    }
    if (!foldersShown)
        m_model->adoptDocument(placeholder, root);
    m_model->completeDocument(placeholder, root);
    emit documentOpened(placeholder->rootNode());
}

bool PstTreeController::cancelOpening(PstItem* placeholder)
{
    PstDocumentLoader* loader = m_loads.take(placeholder);
    if (!loader)
        return false;
    Log::info(QStringLiteral("Opening of %1 cancelled.").arg(loader->path()));
    loader->cancel();
    loader->deleteLater();
    m_foldersShown.remove(placeholder);
    updateBusyCursor();
    return true;
}

void PstTreeController::setReadingFolder(bool reading)
{
    m_readingFolder = reading;
    updateBusyCursor();
}

void PstTreeController::updateBusyCursor()
{
    // The window stays usable: an arrow with a busy sign, not a wait cursor.
    const bool busy = isOpening() || m_readingFolder;
    if (busy == m_busyCursor)
        return;
    m_busyCursor = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
}

void PstTreeController::addRow(const std::shared_ptr<PstItem>& root)
{
    if (!root)
        return;
    m_model->addChild(m_invisibleRoot.get(), root);
    const int count = documentCount();
    emit pstTreeViewRowChanged(count);
    if (count == 1)
        m_view->setCurrentIndex(m_proxy->mapFromSource(m_model->index(0, 0)));
}

QList<std::shared_ptr<PstItem>> PstTreeController::documents() const
{
    QList<std::shared_ptr<PstItem>> roots;
    for (int i = 0; i < m_invisibleRoot->childCount(); ++i)
        roots.append(m_invisibleRoot->child(i));
    return roots;
}

int PstTreeController::documentCount() const
{
    return m_invisibleRoot->childCount();
}

std::shared_ptr<PstItem> PstTreeController::pstRootNode() const
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return nullptr;
    PstItem* node = PstTreeModel::itemFromIndex(m_proxy->mapToSource(current));
    return node ? node->rootNode() : nullptr;
}

void PstTreeController::enableTreeViewMenu()
{
    if (m_menu)
        return;
    m_menu = std::make_unique<QMenu>();
    m_showInFinderAction = m_menu->addAction(tr("Show in Folder"));
    m_menu->addSeparator();
    m_closeFileAction = m_menu->addAction(tr("Close File"));
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, &PstTreeController::onTreeContextMenu);
}

void PstTreeController::hideEmptyFolders(bool hide)
{
    m_proxy->setHideEmptyFolders(hide);
}

void PstTreeController::onTreeItemClicked(const QModelIndex& proxyIndex)
{
    if (!proxyIndex.isValid())
        return;
    // A persistent index compares row, column, node and model, and follows
    // rows that move when a document above is closed.
    if (m_lastPressed.isValid() && m_lastPressed == proxyIndex)
        return;
    m_lastPressed = proxyIndex;
    showFolder(dynamic_cast<PstFolderItem*>(PstTreeModel::itemFromIndex(m_proxy->mapToSource(proxyIndex))));
}

void PstTreeController::onTreeContextMenu(const QPoint& pos)
{
    const QModelIndex index = m_view->indexAt(pos);
    if (!index.isValid() || index.parent().isValid())
        return;
    // Set on every opening, so the menu follows the interface language;
    // closing a document that is still opening cancels the opening.
    const bool opening = m_loads.contains(PstTreeModel::itemFromIndex(m_proxy->mapToSource(index)));
    m_showInFinderAction->setText(tr("Show in Folder"));
    m_closeFileAction->setText(opening ? tr("Cancel Opening") : tr("Close File"));
    QAction* chosen = m_menu->exec(m_view->viewport()->mapToGlobal(pos));
    if (chosen == m_showInFinderAction)
        showInFinder(index);
    else if (chosen == m_closeFileAction)
        closeDocument(index);
}

void PstTreeController::showInFinder(const QModelIndex& proxyIndex)
{
    Log::info(QStringLiteral("Click the menu item to open the file path."));
    const QString path = proxyIndex.data(PstTreeModel::FilePathRole).toString();
    if (!Common::revealInExplorer(path))
        UnopenedTarget::tell(m_view, QUrl::fromLocalFile(path).toString());
}

void PstTreeController::closeDocument(const QModelIndex& proxyIndex)
{
    Log::info(QStringLiteral("Click the menu item to close the document."));
    const QModelIndex sourceIndex = m_proxy->mapToSource(proxyIndex);
    PstItem* node = PstTreeModel::itemFromIndex(sourceIndex);
    if (!node)
        return;
    const std::shared_ptr<PstItem> root = node->rootNode();
    // A document still opening may have folders and items on show too.
    if (root) {
        cancelOpening(root.get());
        // A folder still being read must not show up after its document went.
        if (m_folderReader && m_folderReader->folder()->rootNode() == root)
            stopReadingFolder();
        emit documentClosing(root);
    }
    m_model->removeIndex(sourceIndex);
    emit pstTreeViewRowChanged(documentCount());
}

namespace {

QString canonical(const QString& path)
{
    const QString resolved = QFileInfo(path).canonicalFilePath();
    return resolved.isEmpty() ? QFileInfo(path).absoluteFilePath() : resolved;
}

} // namespace

QString PstTreeController::currentDocumentPath() const
{
    QModelIndex top = m_view->currentIndex();
    while (top.parent().isValid())
        top = top.parent();
    return top.isValid() ? top.data(PstTreeModel::FilePathRole).toString() : QString();
}

bool PstTreeController::closeCurrentDocument()
{
    QModelIndex top = m_view->currentIndex();
    while (top.parent().isValid())
        top = top.parent();
    if (!top.isValid())
        return false;
    closeDocument(top);
    return true;
}

bool PstTreeController::selectOpenDocument(const QString& path)
{
    const QString wanted = canonical(path);
    for (int row = 0; row < m_proxy->rowCount(); ++row) {
        const QModelIndex index = m_proxy->index(row, 0);
        if (canonical(index.data(PstTreeModel::FilePathRole).toString()) == wanted) {
            m_view->setCurrentIndex(index);
            return true;
        }
    }
    return false;
}
