// SPDX-License-Identifier: GPL-2.0-or-later
#include "ProgramArguments.h"

#include "ProductConstants.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace {

QStringList rawArguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

} // namespace

void ProgramArguments::configure(QCommandLineParser* parser)
{
    parser->setApplicationDescription(
        tr("Browse, convert and print Outlook data files (.pst, .ost).\n"
           "Every FILE is opened in the window; lumaroo-cli does the same without one."));
    // Qt's own options (-platform, -style, ...) are single-dash words.
    parser->setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser->addHelpOption();
    parser->addVersionOption();
    parser->addPositionalArgument(QStringLiteral("FILE"), tr("Outlook data files to open."),
                                  QStringLiteral("[FILE...]"));
}

std::optional<int> ProgramArguments::answerBeforeStart(int argc, char* argv[])
{
    const QStringList arguments = rawArguments(argc, argv);
    QCommandLineParser parser;
    configure(&parser);
    // Unknown options here may be Qt's own; the full check comes later.
    parser.parse(arguments);
    const bool help = parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"));
    if (help || parser.isSet(QStringLiteral("version"))) {
        QCoreApplication core(argc, argv);
        QTextStream out(stdout);
        if (help)
            out << parser.helpText();
        else
            out << "lumaroo " << g_version << "\n";
        return 0;
    }
    if (!hasDisplay(arguments)) {
        std::fputs("lumaroo: no display to open a window on (DISPLAY and WAYLAND_DISPLAY are not set);"
                   " start it in a desktop session, or use lumaroo-cli.\n",
                   stderr);
        return 1;
    }
    return std::nullopt;
}

bool ProgramArguments::hasDisplay(const QStringList& arguments)
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
           || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || arguments.contains(QLatin1String("-platform"))
           || arguments.contains(QLatin1String("--platform"));
}

bool ProgramArguments::parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    configure(&parser);
    if (!parser.parse(arguments)) {
        QTextStream(stderr) << "lumaroo: " << parser.errorText() << "\n"
                            << tr("Try 'lumaroo --help' for more information.") << "\n";
        return false;
    }
    for (const QString& path : parser.positionalArguments()) {
        const QString problem = problemWith(path);
        if (problem.isEmpty())
            m_readable.append(path);
        else
            m_unreadable.append(tr("%1: %2").arg(path, problem));
    }
    return true;
}

QString ProgramArguments::problemWith(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return tr("no such file");
    if (info.isDir())
        return tr("a folder, not a file");
    if (!info.isFile() || !info.isReadable())
        return tr("not a readable file");
    return QString();
}
