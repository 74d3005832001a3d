// SPDX-License-Identifier: GPL-2.0-or-later
#include "SearchFixture.h"

#include "PstWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

namespace SearchFixture {

bool writeMailbox(const QString& path, int folders, int perFolder, const QString& common)
{
    PstWriter writer;
    if (!writer.open(path, QStringLiteral("Mailbox"), true))
        return false;
    for (int f = 0; f < folders; ++f) {
        const int folder = writer.addFolder(writer.topFolder(), QStringLiteral("Folder %1").arg(f), QStringLiteral("IPF.Note"));
        for (int i = 0; i < perFolder; ++i) {
            const int n = f * perFolder + i;
            PstMessage mail;
            mail.subject = QStringLiteral("Mail %1").arg(n);
            mail.senderName = QStringLiteral("Ada Lovelace");
            mail.senderAddress = QStringLiteral("ada@example.org");
            mail.sentTime = QDateTime(QDate(2021, 3, 4), QTime(10, 0), Qt::UTC);
            mail.body = QStringLiteral("Mail marker%1 says %2 things.\r\n").arg(n).arg(common);
            while (mail.body.size() < 4000)
                mail.body += QStringLiteral("filler text of an %1 body line\r\n").arg(common);
            if (!writer.addMessage(folder, mail))
                return false;
        }
    }
    return writer.close();
}

QList<qint64> processesNaming(const QString& needle)
{
    QList<qint64> found;
    const QByteArray wanted = needle.toUtf8();
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(entry));
        if (isPid && pid != QCoreApplication::applicationPid() && cmdline.open(QIODevice::ReadOnly)
            && cmdline.readAll().contains(wanted))
            found.append(pid);
    }
    return found;
}

bool waitUntilGone(const QString& needle)
{
    constexpr int kDyingMs = 2000;
    QElapsedTimer timer;
    timer.start();
    while (!processesNaming(needle).isEmpty() && timer.elapsed() < kDyingMs)
        QThread::msleep(50);
    return processesNaming(needle).isEmpty();
}

} // namespace SearchFixture
