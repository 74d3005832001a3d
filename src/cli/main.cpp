// lumaroo-cli: the window's headless twin, for scripts, tests and benchmarks.

#include "AppInitialization.h"
#include "ConvertCommand.h"
#include "ExportCommand.h"
#include "ListCommand.h"
#include "ShowCommand.h"
#include "TreeCommand.h"

#include <QCoreApplication>
#include <QMap>
#include <QTextStream>

#include <functional>

namespace {

using Command = std::function<int(const QStringList&)>;

const QMap<QString, Command>& commands()
{
    static const QMap<QString, Command> table{
        {"tree", &TreeCommand::run},
        {"convert", &ConvertCommand::run},
        {"export", &ExportCommand::run},
        {"list", &ListCommand::run},
        {"show", &ShowCommand::run},
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
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("LUMAROO_DEBUG"))
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
