// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// Small file helpers shared by the folder tree and export.
class Common
{
public:
    // Asks the desktop's file manager to show `path` selected; falls back to
    // opening the folder that holds it. False (and a log line) when neither
    // could be asked.
    static bool revealInExplorer(const QString& path);

    // `path` when nothing exists there, otherwise the first free
    // "base_N.suffix" in the same folder (N = 1, 2, ...).
    static QString getUniqueFileName(const QString& path);

    // True for characters a file name must not carry although the file
    // system allows them: control characters (ESC, BEL, BS, DEL, C1) and the
    // invisible marks that reorder text (bidirectional overrides, isolates).
    static bool isUnsafeInFileName(QChar c);
    // A name from a PST proposed for saving: its last path component only,
    // with separators and unsafe characters replaced by "_"; `fallback` when
    // nothing usable is left.
    static QString safeBaseName(const QString& name, const QString& fallback);
};
