// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstFolderItem.h"

#include <QModelIndex>
#include <QPalette>
#include <QString>
#include <QTcpServer>
#include <QUrl>

#include <memory>

class QAbstractItemModel;
class QAbstractItemView;
class QTreeView;
class QWidget;

// Helpers that work the browsing widgets as a user would, and the setup the
// window's tests share.
class DetailViewController;
class QStackedWidget;

namespace UiDriver {

// The first row (depth-first) whose display text starts with `prefix`.
QModelIndex findRow(const QAbstractItemView* view, const QString& prefix, const QModelIndex& parent = QModelIndex());

// Expands the tree and presses the row whose text starts with `prefix`
// with the mouse; false when there is no such row.
bool pressFolder(QTreeView* tree, const QString& prefix);

// Clicks the list row `row` (in view order).
bool clickRow(QAbstractItemView* view, int row);

// Sends enter and drop of `urls` over the centre of `over` as a desktop drag
// would, to the deepest widget there that accepts drops: {entered, dropped}.
std::pair<bool, bool> dragAndDrop(QWidget* over, const QList<QUrl>& urls);

// The first folder called `name` below `node`, depth first; empty if none.
std::shared_ptr<PstFolderItem> findFolder(const std::shared_ptr<PstItem>& node, const QString& name);

// The folder tree of the PST file at `path`; empty when it cannot be read.
std::shared_ptr<PstFolderItem> parse(const QString& path);

// Item `index` of the folder called `folder` below `root`; empty if none.
std::shared_ptr<PstItem> item(const std::shared_ptr<PstItem>& root, const QString& folder, int index);

// The widget called `name` inside `window`; a missing one ends the test
// program at once, naming it (the window's layout changed).
template<typename T> T* namedChild(const QObject* window, const char* name)
{
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no widget %s", name);
    return found;
}
// The texts of a list model's top-level rows in `role`.
QStringList texts(const QAbstractItemModel* model, int role = Qt::DisplayRole);

// The detail pane on its own, 700 × 600 and shown, with its controller
// (which the pane owns): the stack as the window holds it, its first page blank.
std::unique_ptr<QStackedWidget> detailPane(DetailViewController** controller);

// A dark desktop palette, light text on dark grey, as dark themes set it.
QPalette darkPalette();

// What a program with the mail view needs before its QApplication exists.
void prepareWebEngine();

// Gives the offscreen platform a desktop-sized screen (1920 × 1080) instead
// of its 800 × 600, described in a file in `dir`; before QApplication exists.
void useDesktopScreen(const QString& dir);

// Records the URLs the desktop is asked to open for `scheme` while it lives.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    explicit UrlCatcher(const QString& scheme);
    ~UrlCatcher() override;
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }

private:
    QString m_scheme;
};

// A web server on the loopback that counts the connections made to it.
class Tripwire : public QTcpServer
{
public:
    Tripwire();
    QByteArray base() const { return "http://127.0.0.1:" + QByteArray::number(serverPort()); }
    int connections = 0;
};

} // namespace UiDriver

// main() for a window test: a private home, the web engine, an application.
#define LUMAROO_UI_TEST_MAIN(TestClass)                                                                                \
    int main(int argc, char* argv[])                                                                                   \
    {                                                                                                                  \
        TestHome home;                                                                                                 \
        UiDriver::prepareWebEngine();                                                                                  \
        QApplication app(argc, argv);                                                                                  \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
