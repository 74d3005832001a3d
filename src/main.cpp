// SPDX-License-Identifier: GPL-2.0-or-later
#include "AppInitialization.h"
#include "FileOpenFilter.h"
#include "Log.h"
#include "MultiLanguage.h"
#include "MailContentHandler.h"
#include "NativeMessageBox.h"
#include "NoDisplayGuard.h"
#include "ProductConstants.h"
#include "ProgramArguments.h"
#include "mainwindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QFont>
#include <QIcon>
#include <QTimer>
#include <QtWebView>

#include <optional>

namespace {

// Runs release() on every way out of main.
struct ReleaseGuard
{
    ~ReleaseGuard() { AppInitialization::instance()->release(); }
};

// Linux desktops hand documents over on the command line (Exec=lumaroo %F):
// every argument is an open request, and one that names no readable file is
// said so in the window rather than dropped.
void openCommandLineFiles(const ProgramArguments& arguments, FileOpenFilter* filter, QWidget* window)
{
    for (const QString& path : arguments.readableFiles())
        emit filter->fileOpened(path);
    const QStringList unreadable = arguments.unreadableFiles();
    if (unreadable.isEmpty())
        return;
    for (const QString& line : unreadable)
        Log::warn(QStringLiteral("Cannot open command-line argument %1").arg(line));
    NativeMessageBox::warning(window, QApplication::translate("main", "Some files could not be opened"),
                              unreadable.join(QLatin1Char('\n')));
}

} // namespace

int main(int argc, char* argv[])
{
    if (const std::optional<int> exitCode = ProgramArguments::answerBeforeStart(argc, argv))
        return *exitCode;

    // The mail view's web view needs its back end chosen and initialised
    // before the application object exists. WebEngine is the back end on Linux.
    qputenv("QT_WEBVIEW_PLUGIN", "webengine");
    MailContentHandler::registerScheme();
    QtWebView::initialize();

    std::optional<NoDisplayGuard> noDisplayGuard(std::in_place);
    QApplication app(argc, argv);
    noDisplayGuard.reset();
    QGuiApplication::setDesktopFileName(g_app_id);
    ProgramArguments arguments;
    if (!arguments.parse(app.arguments()))
        return 2;
    AppInitialization::instance();
    auto* fileOpenFilter = new FileOpenFilter();
    app.installEventFilter(fileOpenFilter);
    ReleaseGuard releaseGuard;
    // The stored language, before any window exists, so every text starts in it.
    MultiLanguage::instance()->initAppLanguage();

    auto* window = new MainWindow();
    // 12 px text, the size the layout was designed for, in the desktop's own family.
    QFont font = QApplication::font();
    font.setPixelSize(12);
    QApplication::setFont(font);
    // The installed theme icon, so the window matches the launcher; the
    // built-in picture when the program runs from its build folder.
    QApplication::setWindowIcon(QIcon::fromTheme(g_app_id, QIcon(QStringLiteral(":/img/icon.png"))));
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(fileOpenFilter, &FileOpenFilter::fileOpened, window, &MainWindow::openFile);

    window->show();
    QTimer::singleShot(0, window, [=] { openCommandLineFiles(arguments, fileOpenFilter, window); });
    return app.exec();
}
