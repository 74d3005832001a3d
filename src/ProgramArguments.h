// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <optional>

class QCommandLineParser;

// The window program's command line. --help and --version are answered on
// the terminal before any window exists; every other argument names a file
// to open, and those that name no readable file are reported to the user.
class ProgramArguments
{
    Q_DECLARE_TR_FUNCTIONS(ProgramArguments)

public:
    // Runs before the application object exists (it needs no display):
    // answers --help and --version, and says in one line that there is no
    // display to open a window on. Returns the exit code when the program
    // ends there.
    static std::optional<int> answerBeforeStart(int argc, char* argv[]);

    // Reads the arguments the application object left over (Qt's own options
    // taken out). Wrong use is written to stderr and gives false.
    bool parse(const QStringList& arguments);

    QStringList readableFiles() const { return m_readable; }
    // One line per argument that cannot be opened: the path and why.
    QStringList unreadableFiles() const { return m_unreadable; }

    // True when a platform plugin or a display is there to show windows on.
    static bool hasDisplay(const QStringList& arguments);

private:
    static void configure(QCommandLineParser* parser);
    static QString problemWith(const QString& path);

    QStringList m_readable;
    QStringList m_unreadable;
};
