// SPDX-License-Identifier: GPL-2.0-or-later
#include "Common.h"

#include "Log.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace {

bool showInFileManager(const QString& path)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString()} << QString();
    const QDBusMessage reply = bus.call(call, QDBus::Block, 3000);
    return reply.type() == QDBusMessage::ReplyMessage;
}

} // namespace

bool Common::revealInExplorer(const QString& path)
{
    if (showInFileManager(path))
        return true;
    const QFileInfo info(path);
    const QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    if (QProcess::startDetached(QStringLiteral("xdg-open"), {folder}))
        return true;
    Log::warn(QStringLiteral("Cannot show %1: no file manager answered.").arg(path));
    return false;
}

QString Common::getUniqueFileName(const QString& path)
{
    const QFileInfo info(path);
    if (!QFileInfo::exists(path))
        return path;
    const QDir dir(info.path());
    const QString base = info.completeBaseName();
    const QString suffix = info.suffix();
    for (int n = 1;; ++n) {
        const QString candidate = dir.filePath(QStringLiteral("%1_%2.%3").arg(base).arg(n).arg(suffix));
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}
