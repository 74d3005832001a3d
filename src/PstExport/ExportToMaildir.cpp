// SPDX-License-Identifier: GPL-2.0-or-later
#include "ExportToMaildir.h"

#include "CancelToken.h"
#include "Log.h"
#include "MailboxStream.h"
#include "NodeDataReader.h"
#include "PropertyContext.h"
#include "PstDataConverter.h"
#include "readpst.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMutexLocker>
#include <QSysInfo>
#include <QtEndian>

#include <unistd.h>

namespace {

constexpr quint16 kTypeInt32 = 0x0003;
constexpr quint16 kFlagStatus = 0x1090;      // 2: flagged for follow-up
constexpr qint32 kFlagStatusFlagged = 2;
constexpr quint16 kLastVerbExecuted = 0x1081; // 102 reply, 103 reply to all
constexpr quint16 kIconIndex = 0x1080;        // 261: the replied icon
constexpr qint32 kIconReplied = 261;

qint64 deliveryTime(const pst_item* item)
{
    for (const FILETIME* time : {item->email->arrival_date, item->email->sent_date, item->create_date}) {
        if (time)
            return PstDataConverter::filetimeToUnix(time);
    }
    return -1;
}

// The host part of a Maildir file name, without the characters that part
// the name.
QString hostName()
{
    QString host = QSysInfo::machineHostName();
    host.replace(QLatin1Char('/'), QStringLiteral("\\057")).replace(QLatin1Char(':'), QStringLiteral("\\072"));
    return host.isEmpty() ? QStringLiteral("localhost") : host;
}

} // namespace

QString ExportToMaildir::folderName(const QString& relativeDir)
{
    if (relativeDir.isEmpty() || relativeDir == QLatin1String("."))
        return QString();
    QStringList parts = relativeDir.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (QString& part : parts)
        part.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QLatin1Char('.') + parts.join(QLatin1Char('.'));
}

void ExportToMaildir::beginRun(const QString& outputRoot)
{
    QMutexLocker locker(&m_lock);
    m_root = outputRoot;
    m_prepared.clear();
}

bool ExportToMaildir::prepareFolder(const QString& folder)
{
    if (m_prepared.contains(folder))
        return true;
    const QDir root(m_root);
    // The top is the tree's inbox: Maildir++ readers want it even when
    // only folders below hold mails.
    for (const QString& dir : {QString(), folder}) {
        for (const char* sub : {"cur", "new", "tmp"}) {
            if (!root.mkpath(dir.isEmpty() ? QString::fromLatin1(sub) : dir + QLatin1Char('/') + QLatin1String(sub)))
                return false;
        }
    }
    // Maildir++ marks every folder below the top.
    if (!folder.isEmpty())
        QFile(root.filePath(folder + QStringLiteral("/maildirfolder"))).open(QIODevice::WriteOnly);
    m_prepared.insert(folder);
    return true;
}

QString ExportToMaildir::flagsOf(pst_item* item) const
{
    // Only the mail's own property context is needed (no named properties),
    // so it is read directly: this runs for every mail of a mailbox.
    PropertyContext properties;
    if (m_pstFile && m_pstNode && m_pstNode->desc)
        properties.parse(NodeDataReader(m_pstFile).dataBlocks(m_pstNode->desc->i_id));
    const auto int32 = [&properties](quint16 id) -> qint32 {
        const auto property = properties.property(id);
        if (!property || property->type != kTypeInt32 || property->data.size() < 4)
            return 0;
        return qFromLittleEndian<qint32>(property->data.constData());
    };
    const qint32 verb = int32(kLastVerbExecuted);
    QString flags;
    if (int32(kFlagStatus) == kFlagStatusFlagged)
        flags += QLatin1Char('F');
    if (verb == 102 || verb == 103 || int32(kIconIndex) == kIconReplied)
        flags += QLatin1Char('R');
    if (item->flags & PST_FLAG_READ)
        flags += QLatin1Char('S');
    return flags;
}

QString ExportToMaildir::uniqueName(qint64 deliveryTime)
{
    static const QString host = hostName();
    return QStringLiteral("%1.M%2P%3.%4")
        .arg(deliveryTime >= 0 ? deliveryTime : QDateTime::currentSecsSinceEpoch())
        .arg(++m_sequence)
        .arg(qint64(getpid()))
        .arg(host);
}

bool ExportToMaildir::exportItem(pst_item* item, const QString& outputDir, CancelToken* token,
                                 std::function<void(int)> progress)
{
    if (!acceptItem(item, item && item->email, token, QStringLiteral("Export failed: PST email is empty.")))
        return false;
    QMutexLocker locker(&m_lock);
    const QString folder = folderName(QDir(m_root).relativeFilePath(outputDir));
    const QDir root(m_root);
    if (!prepareFolder(folder)) {
        Log::warn(QStringLiteral("Export maildir failed: unable to create folder %1.").arg(root.filePath(folder)));
        return false;
    }
    const qint64 delivered = deliveryTime(item);
    const QString base = folder.isEmpty() ? QString() : folder + QLatin1Char('/');
    QString name = uniqueName(delivered);
    while (QFile::exists(root.filePath(base + QStringLiteral("tmp/") + name)))
        name = uniqueName(delivered);
    // Delivered the Maildir way: written in tmp/, then moved into cur/.
    const QString tmpPath = root.filePath(base + QStringLiteral("tmp/") + name);
    const QString curPath = root.filePath(base + QStringLiteral("cur/") + name + QStringLiteral(":2,") + flagsOf(item));
    FILE* out = fopen(QFile::encodeName(tmpPath).constData(), "wb");
    if (!out) {
        Log::warn(QStringLiteral("Export maildir failed: unable to open output file %1.").arg(tmpPath));
        return false;
    }
    MailboxStream message(out, false, {});
    bool ok = message.stream() != nullptr;
    if (ok) {
        char* extraMimeHeaders = nullptr;
        write_normal_email(message.stream(), nullptr, item, 0, 0, m_pstFile, 1, 0, &extraMimeHeaders);
        ok = message.finish();
    }
    ok = fclose(out) == 0 && ok;
    if (ok && delivered >= 0) {
        QFile file(tmpPath);
        const QDateTime time = QDateTime::fromSecsSinceEpoch(delivered, Qt::UTC);
        ok = file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime) &&
            file.setFileTime(time, QFileDevice::FileAccessTime);
    }
    ok = ok && QFile::rename(tmpPath, curPath);
    if (!ok) {
        QFile::remove(tmpPath);
        Log::warn(QStringLiteral("Export maildir failed: unable to write %1.").arg(curPath));
        return false;
    }
    if (progress)
        progress(processedCount());
    return true;
}
