// SPDX-License-Identifier: GPL-2.0-or-later
#include "Common.h"

#include "Log.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
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

bool Common::isUnsafeInFileName(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x20 || (u >= 0x7F && u <= 0x9F))
        return true;
    // LRM, RLM, ALM, the embeddings and overrides, the isolates.
    return u == 0x200E || u == 0x200F || u == 0x061C || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
}

QString Common::safeBaseName(const QString& name, const QString& fallback)
{
    QString base = name.section(QRegularExpression(QStringLiteral("[/\\\\]")), -1);
    for (QChar& c : base) {
        if (isUnsafeInFileName(c) || c == QLatin1Char(':'))
            c = QLatin1Char('_');
    }
    base = base.trimmed();
    if (base.isEmpty() || base == QLatin1String(".") || base == QLatin1String(".."))
        return fallback;
    return base;
}
