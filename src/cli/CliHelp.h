// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QString>

// What `lumaroo-cli --help` and `lumaroo-cli COMMAND --help` print: each
// command's synopsis and what it does.
class CliHelp
{
public:
    struct Command
    {
        QString name;
        QString synopsis; // the arguments after the command's name
        QString summary;  // one or more lines
    };

    static const QList<Command>& commands();
    // The description under the program's usage line: every command.
    static QString programDescription();
    // Usage and summary of one command; a generic line for a command
    // without an entry here.
    static QString commandHelp(const QString& name);
    // True when the arguments after a command ask for its help.
    static bool asksForHelp(const QStringList& args);
};
