// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

class QWidget;

// The program's alerts: a title, a text and a single "OK" button. With an
// active window the alert is modal to that window and the call returns at
// once; otherwise it is application-modal and the call waits for "OK".
// The parent is not used for placement.
class NativeMessageBox
{
public:
    enum Style { Warning, Information, Critical };

    static void warning(QWidget* parent, const QString& title, const QString& text);
    static void info(QWidget* parent, const QString& title, const QString& text);
    static void error(QWidget* parent, const QString& title, const QString& text);

private:
    static void showAlert(Style style, const QString& title, const QString& text);
};
