#include "AppInitialization.h"
#include "FileOpenFilter.h"
#include "MultiLanguage.h"
#include "MailContentHandler.h"
#include "mainwindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QFont>
#include <QIcon>
#include <QTimer>
#include <QtWebView>

namespace {

// Runs release() on every way out of main.
struct ReleaseGuard
{
    ~ReleaseGuard() { AppInitialization::instance()->release(); }
};

// Linux desktops hand documents over on the command line (Exec=lumaroo %F):
// every argument that names an existing file is an open request.
void openCommandLineFiles(const QStringList& arguments, FileOpenFilter* filter)
{
    for (const QString& argument : arguments.mid(1)) {
        if (QFileInfo(argument).isFile())
            emit filter->fileOpened(argument);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    // The mail view's web view needs its back end chosen and initialised
    // before the application object exists. WebEngine is the back end on Linux.
    qputenv("QT_WEBVIEW_PLUGIN", "webengine");
    MailContentHandler::registerScheme();
    QtWebView::initialize();

    QApplication app(argc, argv);
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
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/img/icon.png")));
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(fileOpenFilter, &FileOpenFilter::fileOpened, window, &MainWindow::openFile);

    window->show();
    QTimer::singleShot(0, window, [=, args = app.arguments()] { openCommandLineFiles(args, fileOpenFilter); });
    return app.exec();
}
