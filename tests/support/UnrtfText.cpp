// SPDX-License-Identifier: GPL-2.0-or-later
#include "UnrtfText.h"

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTextCodec>

QString UnrtfText::read(const QByteArray& rtf, const QString& dir)
{
    const QString path = dir + QStringLiteral("/unrtf-in.rtf");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size())
        return QStringLiteral("cannot write");
    file.close();
    QProcess unrtf;
    unrtf.start(QStringLiteral("unrtf"), {QStringLiteral("--text"), path});
    if (!unrtf.waitForFinished(30000))
        return QStringLiteral("unrtf did not run");
    // unrtf writes the document's 8-bit text as it is.
    const QString output = QTextCodec::codecForName("windows-1252")->toUnicode(unrtf.readAllStandardOutput());
    QStringList lines;
    for (const QString& line : output.split(QLatin1Char('\n'))) {
        if (!line.startsWith(QLatin1String("###")) && !line.startsWith(QLatin1String("-----")))
            lines << line;
    }
    return lines.join(QLatin1Char(' ')).simplified();
}
