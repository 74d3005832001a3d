// SPDX-License-Identifier: GPL-2.0-or-later
// Makes the README's screenshots from the real window: the home page, a
// mailbox with an HTML mail, a contact, an appointment and a task, each at
// 1024 × 768; then the window in German and in Japanese, the Help menu and
// the About box (German runs longest: these show whether texts fit).
// Usage: lumaroo_screenshots <output folder>

#include "About.h"
#include "AppMenu.h"
#include "DetailViewController.h"
#include "MultiLanguage.h"
#include "MailContentHandler.h"
#include "MyWebViewWidget.h"
#include "PstMailView.h"
#include "PstTreeController.h"
#include "TestHome.h"
#include "UiDriver.h"
#include "UiSamples.h"
#include "mainwindow.h"
#include "PSTListView.h"
#include "PSTTreeView.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtWebView>

namespace {

bool save(MainWindow& window, const QString& dir, const QString& name)
{
    QTest::qWait(300);
    const QString path = QDir(dir).filePath(name);
    if (!window.grab().save(path)) {
        qCritical("cannot write %s", qPrintable(path));
        return false;
    }
    qInfo("wrote %s", qPrintable(path));
    return true;
}

bool showItem(MainWindow& window, const QString& folder, int row)
{
    auto* tree = window.findChild<PSTTreeView*>(QStringLiteral("treeView"));
    auto* list = window.findChild<PSTListView*>(QStringLiteral("listView"));
    if (!UiDriver::pressFolder(tree, folder) || !UiDriver::clickRow(list, row)) {
        qCritical("cannot show %s row %d", qPrintable(folder), row);
        return false;
    }
    return true;
}

// The window with the Help menu open over it (a popup is a window of its own).
bool saveHelpMenu(MainWindow& window, const QString& dir, const QString& name)
{
    QAction* helpAction = window.menuBar()->actions().constLast();
    QMenu* help = helpAction->menu();
    help->popup(window.menuBar()->mapToGlobal(window.menuBar()->actionGeometry(helpAction).bottomLeft()));
    QTest::qWait(300);
    QPixmap shot = window.grab();
    QPainter painter(&shot);
    painter.drawPixmap(help->pos() - window.mapToGlobal(QPoint()), help->grab());
    painter.end();
    help->close();
    const QString path = QDir(dir).filePath(name);
    qInfo("wrote %s", qPrintable(path));
    return shot.save(path);
}

bool saveAbout(MainWindow& window, const QString& dir, const QString& name)
{
    auto* about = new About(&window);
    about->show();
    QTest::qWait(300);
    const QString path = QDir(dir).filePath(name);
    const bool ok = about->grab().save(path);
    qInfo("wrote %s", qPrintable(path));
    about->close();
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    TestHome home;
    qputenv("QT_WEBVIEW_PLUGIN", "webengine");
    MailContentHandler::registerScheme();
    QtWebView::initialize();
    QApplication app(argc, argv);
    QFont font = QApplication::font();
    font.setPixelSize(12);
    QApplication::setFont(font);
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(outDir);

    QTemporaryDir samples;
    const QString mailbox = UiSamples::write(UiSamples::mailbox(), samples.path(), QStringLiteral("Ada's Mailbox.pst"));

    MainWindow window;
    window.show();
    window.resize(1024, 768);
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    bool ok = save(window, outDir, QStringLiteral("home.png"));

    window.openFile(mailbox);
    while (window.treeController()->isOpening())
        QTest::qWait(20);
    window.resize(1024, 768);
    MyWebViewWidget* web = window.detailController()->mailView()->webView();
    QSignalSpy loaded(web, &MyWebViewWidget::pageLoaded);
    ok = showItem(window, QStringLiteral("Inbox"), 0) && ok;
    if (!loaded.wait(20000))
        qWarning("the mail page did not report loading");
    QTest::qWait(1500);
    ok = save(window, outDir, QStringLiteral("mail.png")) && ok;

    ok = showItem(window, QStringLiteral("Contacts"), 0) && save(window, outDir, QStringLiteral("contact.png")) && ok;
    ok = showItem(window, QStringLiteral("Calendar"), 0) && save(window, outDir, QStringLiteral("appointment.png")) && ok;
    ok = showItem(window, QStringLiteral("Tasks"), 0) && save(window, outDir, QStringLiteral("task.png")) && ok;

    MultiLanguage::instance()->languageSwitch(MultiLanguage::German);
    ok = showItem(window, QStringLiteral("Contacts"), 0) && save(window, outDir, QStringLiteral("window-de.png")) && ok;
    ok = saveHelpMenu(window, outDir, QStringLiteral("help-menu-de.png")) && ok;
    ok = saveAbout(window, outDir, QStringLiteral("about-de.png")) && ok;
    MultiLanguage::instance()->languageSwitch(MultiLanguage::Japanese);
    ok = showItem(window, QStringLiteral("Inbox"), 0) && save(window, outDir, QStringLiteral("window-ja.png")) && ok;
    ok = showItem(window, QStringLiteral("Tasks"), 0) && save(window, outDir, QStringLiteral("task-ja.png")) && ok;
    MultiLanguage::instance()->languageSwitch(MultiLanguage::English);
    ok = saveHelpMenu(window, outDir, QStringLiteral("help-menu.png")) && ok;
    ok = saveAbout(window, outDir, QStringLiteral("about.png")) && ok;
    return ok ? 0 : 1;
}
