#include "mainwindow.h"

#include "Log.h"
#include "ProductConstants.h"
#include "PstParser.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QStatusBar>
#include <QTreeWidget>

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , m_tree(new QTreeWidget(this))
{
    setWindowTitle(g_product_name);
    m_tree->setObjectName(QStringLiteral("folderTree"));
    m_tree->setHeaderHidden(true);
    setCentralWidget(m_tree);
    resize(860, 600);
    connect(this, &MainWindow::sizeChangeRequested, this, &MainWindow::resizeKeepingCentre);
}

MainWindow::~MainWindow() = default;

void MainWindow::openFile(const QString& path)
{
    Log::info(QStringLiteral("Open PST file: %1").arg(path));
    PstParser parser;
    std::shared_ptr<PstFolderItem> root;
    if (parser.open(path))
        root = parser.parse(path);
    if (!root) {
        statusBar()->showMessage(tr("The file \"%1\" could not be opened.").arg(path));
        return;
    }
    m_documents.append(root);
    auto* row = new QTreeWidgetItem(m_tree, {root->displayName()});
    for (int i = 0; i < root->childCount(); ++i) {
        if (auto folder = std::dynamic_pointer_cast<PstFolderItem>(root->child(i)))
            addFolder(row, *folder);
    }
    row->setExpanded(true);
}

void MainWindow::addFolder(QTreeWidgetItem* parentRow, const PstFolderItem& folder)
{
    auto* row = new QTreeWidgetItem(parentRow, {folder.displayName() + folder.itemCountStr()});
    for (int i = 0; i < folder.childCount(); ++i) {
        if (auto child = std::dynamic_pointer_cast<PstFolderItem>(folder.child(i)))
            addFolder(row, *child);
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Quitting on the last window's close is off; closing this window ends the program.
    event->accept();
    QApplication::quit();
}

void MainWindow::resizeKeepingCentre(int width, int height)
{
    const QPoint centre = frameGeometry().center();
    resize(width, height);
    QRect frame = frameGeometry();
    frame.moveCenter(centre);
    move(frame.topLeft());
}
