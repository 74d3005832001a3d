// SPDX-License-Identifier: GPL-2.0-or-later
#include "LogLines.h"

#include <QFile>
#include <QRegularExpression>

namespace LogLines {

QStringList read(const QString& logFile)
{
    QFile log(logFile);
    if (!log.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression shape(QStringLiteral(R"(^\S+ \[(\w+)\] \[[0-9a-f]+\] (.*)$)"));
    QStringList lines;
    for (const QString& line : QString::fromUtf8(log.readAll()).split('\n')) {
        const QRegularExpressionMatch match = shape.match(line);
        if (match.hasMatch())
            lines << match.captured(1) + ' ' + match.captured(2);
    }
    return lines;
}

} // namespace LogLines
