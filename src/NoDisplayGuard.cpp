// SPDX-License-Identifier: GPL-2.0-or-later
#include "NoDisplayGuard.h"

#include <QString>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

QtMessageHandler g_previous = nullptr;
// The platform plugin's first complaint says what is wrong (for example
// "could not connect to display :1"); Qt's final message does not.
QString g_firstPlatformProblem;

bool isPlatformCategory(const char* category)
{
    return category && std::strncmp(category, "qt.qpa", 6) == 0;
}

} // namespace

NoDisplayGuard::NoDisplayGuard()
    : m_previous(qInstallMessageHandler(&NoDisplayGuard::handleMessage))
{
    g_previous = m_previous;
}

NoDisplayGuard::~NoDisplayGuard()
{
    qInstallMessageHandler(m_previous);
    g_previous = nullptr;
    // The window came up after all: the complaint was only a warning.
    if (!g_firstPlatformProblem.isEmpty())
        qWarning("%s", qPrintable(g_firstPlatformProblem));
    g_firstPlatformProblem.clear();
}

void NoDisplayGuard::handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        const QString reason = g_firstPlatformProblem.isEmpty() ? message.section(QLatin1Char('\n'), 0, 0)
                                                                : g_firstPlatformProblem;
        std::fprintf(stderr, "lumaroo: cannot open a window: %s\n", qPrintable(reason));
        std::_Exit(1);
    }
    if (isPlatformCategory(context.category)) {
        if (g_firstPlatformProblem.isEmpty())
            g_firstPlatformProblem = message;
        return;
    }
    if (g_previous)
        g_previous(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}
