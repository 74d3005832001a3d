// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

class QWidget;

// Save dialogs that open in the folder the user last saved to (the documents
// folder at first) and remember the folder finally chosen.
class SaveDialog
{
public:
    // The chosen path, empty when the user cancels.
    static QString getSaveFileName(QWidget* parent, const QString& caption, const QString& fileName,
                                   const QString& filter = QString());
    // `fileName` in the last save folder.
    static QString proposedPath(const QString& fileName);
    // Keeps `savedPath`'s folder as the next dialogs' start.
    static void remember(const QString& savedPath);
};
