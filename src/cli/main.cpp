// SPDX-License-Identifier: GPL-2.0-or-later
// lumaroo-cli: the window's headless twin, for scripts, tests and benchmarks.

#include "AppInitialization.h"
#include "CliHelp.h"
#include "ConvertCommand.h"
#include "ExportCommand.h"
#include "IndexCommand.h"
#include "ListCommand.h"
#include "PdfCommand.h"
#include "ProductConstants.h"
#include "SearchCommand.h"
#include "ShowCommand.h"
#include "TreeCommand.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QMap>
#include <QTextStream>
#include <QTranslator>

#include <functional>
#include <memory>

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
        {"pdf", &PdfCommand::run},
        {"index", &IndexCommand::run},
        {"search", &SearchCommand::run},
    };
    return table;
}

// Options before the command are the program's; everything from the
// command on belongs to the command.
void configure(QCommandLineParser* parser)
{
    parser->setApplicationDescription(CliHelp::programDescription());
    parser->addHelpOption();
    parser->addVersionOption();
    parser->addPositionalArgument(QStringLiteral("COMMAND"), QStringLiteral("One of: %1.").arg(commands().keys().join(", ")),
                                  QStringLiteral("COMMAND [ARGS...]"));
    parser->setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
}

int usage(const QCommandLineParser& parser, const QString& problem = QString())
{
    QTextStream err(stderr);
    if (!problem.isEmpty())
        err << "lumaroo-cli: " << problem << "\n";
    err << parser.helpText();
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
    // The window's names, so both find the same caches (the search index).
    QCoreApplication::setOrganizationName(g_organization);
    QCoreApplication::setApplicationName(QString(g_product_name).remove(QLatin1Char(' ')));
    // The output is English; its plural forms ("1 minute", "2 minutes") are a translation.
    QTranslator plurals;
    if (plurals.load(QStringLiteral(":/translations/language/Translation_en.qm")))
        app.installTranslator(&plurals);
    if (qEnvironmentVariableIsEmpty("LUMAROO_DEBUG") && !needsGui)
        qInstallMessageHandler(quietDebugOutput);
    QCommandLineParser parser;
    configure(&parser);
    if (!parser.parse(app.arguments()))
        return usage(parser, parser.errorText());
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        QTextStream(stdout) << "lumaroo-cli " << g_version << "\n";
        return 0;
    }
    QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return usage(parser);
    if (!commands().contains(args.first()))
        return usage(parser, QStringLiteral("unknown command \"%1\"").arg(args.first()));
    const QString name = args.takeFirst();
    if (CliHelp::asksForHelp(args)) {
        QTextStream(stdout) << CliHelp::commandHelp(name);
        return 0;
    }
    const Command command = commands().value(name);

    AppInitialization::instance();
    const int status = command(args);
    AppInitialization::instance()->release();
    return status;
}
