// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// The per-user folders of the program, below the desktop's data folder
// (normally ~/.local/share/Tavrel/Lumaroo/...). Each path is absolute and
// ends with a slash; the folder is not created.
class UserFolders
{
public:
    static QString logDir();
    static QString tempDir();
    static QString configDir();

    // The user's data folder followed by one of the g_*DirPath constants.
    static QString resolve(const QString& relativeDir);
};
