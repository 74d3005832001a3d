// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

class QMessageBox;
class QWidget;

// What a button says when the desktop has no program to open its target
// (no file manager, no browser): that it could not, and where the target
// is, with a Copy button for the path or address.
class UnopenedTarget
{
public:
    // Opens the note window-modally over `parent` and returns at once.
    static QMessageBox* tell(QWidget* parent, const QString& target);
};
