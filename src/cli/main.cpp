// lumaroo-cli: the window's headless twin, for scripts, tests and benchmarks.

#include "AppInitialization.h"
#include "ConvertCommand.h"
#include "ListCommand.h"
#include "PdfCommand.h"
#include "ShowCommand.h"
#include "TreeCommand.h"

#include <QApplication>
#include <QMap>
#include <QTextStream>

#include <functional>
#include <memory>

namespace {

using Command = std::function<int(const QStringList&)>;

const QMap<QString, Command>& commands()
{
    static const QMap<QString, Command> table{
        {"tree", &TreeCommand::run},
        {"convert", &ConvertCommand::run},
        {"list", &ListCommand::run},
        {"show", &ShowCommand::run},
        {"pdf", &PdfCommand::run},
    };
    return table;
}

int usage()
{
    QTextStream(stderr) << "usage: lumaroo-cli COMMAND ARGS...\ncommands: " << commands().keys().join(", ") << "\n";
    return 2;
}

// Qt's debug output is the developers' diagnostics; keep stdout and stderr
// for the command's own output unless asked for it.
void quietDebugOutput(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        QTextStream(stderr) << message << '\n';
}

} // namespace

int main(int argc, char* argv[])
{
    // Printing lays pages out in the web engine, which needs a GUI application.
    const bool needsGui = argc > 1 && qstrcmp(argv[1], "pdf") == 0;
    if (needsGui)
        PdfCommand::prepareApplication();
    std::unique_ptr<QCoreApplication> application(needsGui ? new QApplication(argc, argv)
                                                           : new QCoreApplication(argc, argv));
    QCoreApplication& app = *application;
    if (qEnvironmentVariableIsEmpty("LUMAROO_DEBUG") && !needsGui)
        qInstallMessageHandler(quietDebugOutput);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || !commands().contains(args.first()))
        return usage();
    const Command command = commands().value(args.takeFirst());

    AppInitialization::instance();
    const int status = command(args);
    AppInitialization::instance()->release();
    return status;
}
