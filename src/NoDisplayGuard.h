// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QtGlobal>

// While it lives, a failure to reach the display while the application
// object starts ends the program with one line on stderr instead of Qt's
// long explanation and abort.
class NoDisplayGuard
{
public:
    NoDisplayGuard();
    ~NoDisplayGuard();
    NoDisplayGuard(const NoDisplayGuard&) = delete;
    NoDisplayGuard& operator=(const NoDisplayGuard&) = delete;

private:
    static void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message);

    QtMessageHandler m_previous = nullptr;
};
