// SPDX-License-Identifier: GPL-2.0-or-later
// Not a test: makes docs/screenshots/ from the real window at 1024 × 768:
// the home page, a mailbox with an HTML mail, a contact, an appointment and
// a task; the window in German and in Japanese (German runs longest: these
// show whether texts fit), the Help menu and the About box; the print
// dialog and the sample mail's first printed page (rendered by pdftoppm).
// Usage: lumaroo_screenshots OUTPUT_FOLDER

#include "About.h"
#include "DetailViewController.h"
#include "HtmlPrinter.h"
#include "MultiLanguage.h"
#include "MyWebViewWidget.h"
#include "PSTListView.h"
#include "PSTTreeView.h"
#include "PstMailView.h"
#include "PstTreeController.h"
#include "TestHome.h"
#include "UiDriver.h"
#include "UiSamples.h"
#include "SearchController.h"
#include "SearchScopeBox.h"
#include "mainwindow.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QtTest>
#include <QtWidgets>

namespace {

QDir out;
bool ok = true;

void save(const QPixmap& shot, const QString& name)
{
    ok = shot.save(out.filePath(name)) && ok;
    qInfo("wrote %s", qPrintable(out.filePath(name)));
}

void show(MainWindow& window, const QString& folder, const QString& name)
{
    ok = UiDriver::pressFolder(window.findChild<PSTTreeView*>(QStringLiteral("treeView")), folder)
        && UiDriver::clickRow(window.findChild<PSTListView*>(QStringLiteral("listView")), 0) && ok;
    QTest::qWait(300);
    save(window.grab(), name);
}

// The window with the Help menu open over it (a popup is a window of its
// own), then the About box.
void helpAndAbout(MainWindow& window, const QString& suffix)
{
    QAction* helpAction = window.menuBar()->actions().constLast();
    QMenu* help = helpAction->menu();
    help->popup(window.menuBar()->mapToGlobal(window.menuBar()->actionGeometry(helpAction).bottomLeft()));
    QTest::qWait(300);
    QPixmap shot = window.grab();
    QPainter(&shot).drawPixmap(help->pos() - window.mapToGlobal(QPoint()), help->grab());
    help->close();
    save(shot, "help-menu" + suffix + ".png");
    auto* about = new About(&window);
    about->show();
    QTest::qWait(300);
    save(about->grab(), "about" + suffix + ".png");
    about->close();
}

} // namespace

int main(int argc, char* argv[])
{
    TestHome home;
    UiDriver::prepareWebEngine();
    QApplication app(argc, argv);
    QFont font = QApplication::font();
    font.setPixelSize(12);
    QApplication::setFont(font);
    out.setPath(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    out.mkpath(QStringLiteral("."));
    QTemporaryDir samples;
    const QString mailbox = UiSamples::write(UiSamples::mailbox(), samples.path(), QStringLiteral("Ada's Mailbox.pst"));

    MainWindow window;
    window.show();
    window.resize(1024, 768);
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QTest::qWait(300);
    save(window.grab(), QStringLiteral("home.png"));
    window.openFile(mailbox);
    if (!QTest::qWaitFor([&window] { return !window.treeController()->isOpening(); }, 60000))
        return 1;
    window.resize(1024, 768);
    QSignalSpy loaded(window.detailController()->mailView()->webView(), &MyWebViewWidget::pageLoaded);
    UiDriver::pressFolder(window.findChild<PSTTreeView*>(QStringLiteral("treeView")), QStringLiteral("Inbox"));
    UiDriver::clickRow(window.findChild<PSTListView*>(QStringLiteral("listView")), 0);
    if (!loaded.wait(20000))
        qWarning("the mail page did not report loading");
    QTest::qWait(1500);
    show(window, QStringLiteral("Inbox"), QStringLiteral("mail.png"));
    show(window, QStringLiteral("Contacts"), QStringLiteral("contact.png"));
    show(window, QStringLiteral("Calendar"), QStringLiteral("appointment.png"));
    show(window, QStringLiteral("Tasks"), QStringLiteral("task.png"));
    MultiLanguage::instance()->languageSwitch(MultiLanguage::German);
    show(window, QStringLiteral("Contacts"), QStringLiteral("window-de.png"));
    helpAndAbout(window, QStringLiteral("-de"));
    MultiLanguage::instance()->languageSwitch(MultiLanguage::Japanese);
    show(window, QStringLiteral("Inbox"), QStringLiteral("window-ja.png"));
    show(window, QStringLiteral("Tasks"), QStringLiteral("task-ja.png"));
    MultiLanguage::instance()->languageSwitch(MultiLanguage::English);
    helpAndAbout(window, QString());

    // A search of every folder, its hits in the list and the first one shown with its words marked.
    window.searchScopeBox()->setScope(SearchScopeBox::AllFolders);
    if (!QTest::qWaitFor([&window] { return !window.searchController()->isIndexing(window.searchController()->pstPath()); }, 60000))
        return 1;
    QSignalSpy searched(window.searchController(), &SearchController::searched);
    auto* searchBox = window.findChild<QLineEdit*>(QStringLiteral("searchBox"));
    searchBox->setFocus();
    QTest::keyClicks(searchBox, QStringLiteral("engine"));
    if (!searched.wait(10000))
        qWarning("the search did not answer");
    QSignalSpy marked(window.detailController()->mailView()->webView(), &MyWebViewWidget::highlighted);
    UiDriver::clickRow(window.searchResultsView(), 0);
    marked.wait(20000);
    QTest::qWait(500);
    save(window.grab(), QStringLiteral("search.png"));
    searchBox->clear();
    window.searchScopeBox()->setScope(SearchScopeBox::ThisFolder);

    // The same views under a dark desktop palette.
    const QPalette light = QApplication::palette();
    QApplication::setPalette(UiDriver::darkPalette());
    {
        MainWindow darkWindow;
        darkWindow.show();
        darkWindow.resize(1024, 768);
        if (QTest::qWaitForWindowExposed(&darkWindow)) {
            darkWindow.openFile(mailbox);
            if (!QTest::qWaitFor([&darkWindow] { return !darkWindow.treeController()->isOpening(); }, 60000))
                return 1;
            darkWindow.resize(1024, 768);
            show(darkWindow, QStringLiteral("Inbox"), QStringLiteral("mail-dark.png"));
            show(darkWindow, QStringLiteral("Contacts"), QStringLiteral("contact-dark.png"));
            show(darkWindow, QStringLiteral("Tasks"), QStringLiteral("task-dark.png"));
        }
    }
    QApplication::setPalette(light);

    // The print dialog the Print button opens, as on a desktop session; then
    // the sample mail printed to PDF instead.
    QTemporaryDir printed;
    const QString pdf = printed.filePath(QStringLiteral("mail.pdf"));
    window.printManager().setPrinterChooser([&pdf](QPrinter* printer, QWidget*) {
        printer->setOutputFileName(QStringLiteral("/home/ada/%1.pdf").arg(printer->docName()));
        QPrintDialog dialog(printer);
        dialog.setWindowTitle(QObject::tr("Print"));
        dialog.show();
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text().startsWith(QLatin1String("&Options")))
                button->click();
        }
        QTest::qWait(500);
        save(dialog.grab(), QStringLiteral("print-dialog.png"));
        dialog.reject();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        printer->setPageSize(QPageSize(QPageSize::A4));
        return true;
    });
    UiDriver::pressFolder(window.findChild<PSTTreeView*>(QStringLiteral("treeView")), QStringLiteral("Inbox"));
    UiDriver::clickRow(window.findChild<PSTListView*>(QStringLiteral("listView")), 0);
    QSignalSpy finished(window.printManager().printItem(window.currentItem()), &HtmlPrinter::finished);
    ok = finished.wait(120000) && finished.first().first().toBool() && ok;
    ok = QProcess::execute(QStringLiteral("pdftoppm"), {"-png", "-r", "60", "-f", "1", "-l", "1", "-singlefile", pdf,
                                                        out.filePath(QStringLiteral("print-mail"))}) == 0 && ok;
    return ok ? 0 : 1;
}
