// SPDX-License-Identifier: GPL-2.0-or-later
#include "UiDriver.h"

#include "DetailViewController.h"
#include "MailContentHandler.h"
#include "PstParser.h"
#include "PstTreeController.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QStackedWidget>
#include <QDesktopServices>
#include <QTcpSocket>
#include <QTest>
#include <QTreeView>
#include <QtWebView>

namespace UiDriver {

QModelIndex findRow(const QAbstractItemView* view, const QString& prefix, const QModelIndex& parent)
{
    const QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        if (index.data().toString().startsWith(prefix))
            return index;
        const QModelIndex below = findRow(view, prefix, index);
        if (below.isValid())
            return below;
    }
    return {};
}

bool pressFolder(QTreeView* tree, const QString& prefix)
{
    tree->expandAll();
    const QModelIndex index = findRow(tree, prefix);
    if (!index.isValid())
        return false;
    tree->scrollTo(index);
    QTest::mousePress(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(index).center());
    QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(index).center());
    // A folder's items are read again when it is chosen.
    const auto* controller = qobject_cast<const PstTreeController*>(tree->model()->parent());
    return !controller || QTest::qWaitFor([controller] { return !controller->isReadingFolder(); });
}

bool clickRow(QAbstractItemView* view, int row)
{
    const QModelIndex index = view->model()->index(row, 0);
    if (!index.isValid())
        return false;
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    return true;
}

std::pair<bool, bool> dragAndDrop(QWidget* over, const QList<QUrl>& urls)
{
    QWidget* window = over->window();
    const QPoint centre = over->mapTo(window, over->rect().center());
    QWidget* target = window->childAt(centre);
    while (target && !target->isWindow() && !target->acceptDrops())
        target = target->parentWidget();
    if (!target || !target->acceptDrops())
        return {false, false};
    QMimeData data;
    data.setUrls(urls);
    const QPoint at = target->mapFrom(window, centre);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    return {enter.isAccepted(), drop.isAccepted()};
}

std::shared_ptr<PstFolderItem> findFolder(const std::shared_ptr<PstItem>& node, const QString& name)
{
    for (int i = 0; i < node->childCount(); ++i) {
        auto folder = std::dynamic_pointer_cast<PstFolderItem>(node->child(i));
        if (folder && folder->displayName() == name)
            return folder;
        if (auto below = folder ? findFolder(folder, name) : nullptr)
            return below;
    }
    return nullptr;
}

std::shared_ptr<PstFolderItem> parse(const QString& path)
{
    PstParser parser;
    return parser.open(path) ? parser.parse(path) : nullptr;
}

std::shared_ptr<PstItem> item(const std::shared_ptr<PstItem>& root, const QString& folder, int index)
{
    auto found = root ? findFolder(root, folder) : nullptr;
    return found && index < found->itemCount() ? found->items().at(index) : nullptr;
}

QStringList texts(const QAbstractItemModel* model, int role)
{
    QStringList result;
    for (int row = 0; row < model->rowCount(); ++row)
        result << model->index(row, 0).data(role).toString();
    return result;
}

void prepareWebEngine()
{
    qputenv("QT_WEBVIEW_PLUGIN", "webengine");
    MailContentHandler::registerScheme();
    QtWebView::initialize();
}

std::unique_ptr<QStackedWidget> detailPane(DetailViewController** controller)
{
    auto stack = std::make_unique<QStackedWidget>();
    stack->addWidget(new QLabel(QStringLiteral("No Item Selected")));
    stack->resize(700, 600);
    *controller = new DetailViewController(stack.get(), stack.get());
    stack->show();
    return stack;
}

QPalette darkPalette()
{
    QPalette dark;
    for (auto [role, colour] : {std::pair{QPalette::Window, QColor(0x30, 0x30, 0x30)},
                                {QPalette::WindowText, QColor(0xee, 0xee, 0xee)}, {QPalette::Base, QColor(0x24, 0x24, 0x24)},
                                {QPalette::AlternateBase, QColor(0x2c, 0x2c, 0x2c)}, {QPalette::Text, QColor(0xee, 0xee, 0xee)},
                                {QPalette::Button, QColor(0x3a, 0x3a, 0x3a)}, {QPalette::ButtonText, QColor(0xee, 0xee, 0xee)},
                                {QPalette::Mid, QColor(0x50, 0x50, 0x50)}, {QPalette::Midlight, QColor(0x46, 0x46, 0x46)},
                                {QPalette::Dark, QColor(0x20, 0x20, 0x20)}, {QPalette::Highlight, QColor(0x35, 0x84, 0xe4)},
                                {QPalette::HighlightedText, QColor(Qt::white)}})
        dark.setColor(role, colour);
    return dark;
}

void useDesktopScreen(const QString& dir)
{
    const QString path = dir + QStringLiteral("/screen.json");
    QFile config(path);
    if (!config.open(QIODevice::WriteOnly)
        || config.write(R"({"windowFrameMargins": true, "screens": [{"name": "Desktop", "x": 0, "y": 0,
            "width": 1920, "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0)
        qFatal("cannot write the screen configuration");
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(path));
}

UrlCatcher::UrlCatcher(const QString& scheme) : m_scheme(scheme)
{
    QDesktopServices::setUrlHandler(scheme, this, "open");
}

UrlCatcher::~UrlCatcher()
{
    QDesktopServices::unsetUrlHandler(m_scheme);
}

Tripwire::Tripwire()
{
    listen(QHostAddress::LocalHost);
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = nextPendingConnection()) {
            ++connections;
            socket->close();
        }
    });
}

} // namespace UiDriver
