#pragma once

#include "PstFolderItem.h"

#include <QMainWindow>

#include <memory>

class QTreeWidget;
class QTreeWidgetItem;

// The program's one window. For now it lists the open documents' folder
// trees; the browsing panes build on it.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The documents opened so far, in the order they were opened.
    QList<std::shared_ptr<PstFolderItem>> documents() const { return m_documents; }

public slots:
    // Opens and shows a PST file; a file that cannot be read is reported.
    void openFile(const QString& path);

signals:
    // Asks for the window to take w × h, keeping its centre.
    void sizeChangeRequested(int width, int height);

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void resizeKeepingCentre(int width, int height);

private:
    void addFolder(QTreeWidgetItem* parentRow, const PstFolderItem& folder);

    QTreeWidget* m_tree = nullptr;
    QList<std::shared_ptr<PstFolderItem>> m_documents;
};
