// SPDX-License-Identifier: GPL-2.0-or-later
#include "ExportToMaildir.h"

#include "CancelToken.h"
#include "ClaimedFile.h"
#include "Log.h"
#include "MailboxStream.h"
#include "NodeDataReader.h"
#include "OutputNames.h"
#include "PropertyContext.h"
#include "PstDataConverter.h"
#include "readpst.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QSysInfo>
#include <QtEndian>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr quint16 kTypeInt32 = 0x0003;
constexpr quint16 kFlagStatus = 0x1090;      // 2: flagged for follow-up
constexpr qint32 kFlagStatusFlagged = 2;
constexpr quint16 kLastVerbExecuted = 0x1081; // 102 reply, 103 reply to all
constexpr quint16 kIconIndex = 0x1080;        // 261: the replied icon
constexpr qint32 kIconReplied = 261;
// Hex digits of the digest that ends a shortened folder name.
constexpr int kDigestLength = 16;

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

// Moves a file, never over an entry that is there already (a link
// included): the hard link of classic Maildir delivery where the file
// system cannot rename that way.
bool moveWithoutReplacing(const QString& from, const QString& to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    if (link(source.constData(), target.constData()) != 0)
        return false;
    unlink(source.constData());
    return true;
}

} // namespace

QString ExportToMaildir::folderName(const QString& relativeDir)
{
    if (relativeDir.isEmpty() || relativeDir == QLatin1String("."))
        return QString();
    QStringList parts = relativeDir.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (QString& part : parts)
        part.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString name = QLatin1Char('.') + parts.join(QLatin1Char('.'));
    if (name.toUtf8().size() <= OutputNames::kMaxNameBytes)
        return name;
    // The whole path is one directory name here: deep or long folders are
    // cut as file names are, and a digest of the whole name keeps two
    // folders that differ only past the cut apart.
    const QString digest = QLatin1Char('~') +
        QString::fromLatin1(QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex().left(kDigestLength));
    return OutputNames::cutToUtf8Bytes(name, OutputNames::kMaxNameBytes - int(digest.size())) + digest;
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
            const QString path = dir.isEmpty() ? QString::fromLatin1(sub) : dir + QLatin1Char('/') + QLatin1String(sub);
            // A link there was not made by this run: never written through.
            if (QFileInfo(root.filePath(dir)).isSymLink() || QFileInfo(root.filePath(path)).isSymLink()) {
                errno = ELOOP;
                return false;
            }
            if (!root.mkpath(path))
                return false;
        }
    }
    // Maildir++ marks every folder below the top.
    if (!folder.isEmpty()) {
        const int marker = open(QFile::encodeName(root.filePath(folder + QStringLiteral("/maildirfolder"))).constData(),
                                O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (marker >= 0)
            close(marker);
    }
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
        const QString why = qt_error_string(errno);
        Log::warn(QStringLiteral("Export maildir failed: unable to create folder %1: %2.").arg(root.filePath(folder), why));
        noteFailure(why);
        return false;
    }
    const qint64 delivered = deliveryTime(item);
    const QString base = folder.isEmpty() ? QString() : folder + QLatin1Char('/');
    // Delivered the Maildir way: written in tmp/, then moved into cur/ once
    // it is whole, so a reader never sees half a message.
    ClaimedFile file;
    QString name;
    do {
        name = uniqueName(delivered);
    } while (!file.claimPath(root.filePath(base + QStringLiteral("tmp/") + name)) && errno == EEXIST);
    const QString tmpPath = file.path();
    const QString curPath = root.filePath(base + QStringLiteral("cur/") + name + QStringLiteral(":2,") + flagsOf(item));
    if (!file.stream()) {
        Log::warn(QStringLiteral("Export maildir failed: unable to open output file %1: %2.").arg(root.filePath(base + QStringLiteral("tmp/") + name), file.errorString()));
        noteFailure(file.errorString());
        return false;
    }
    MailboxStream message(file.stream(), false, {});
    bool ok = message.stream() != nullptr;
    if (ok) {
        char* extraMimeHeaders = nullptr;
        write_normal_email(message.stream(), nullptr, item, 0, 0, m_pstFile, 1, 0, &extraMimeHeaders);
        ok = message.finish();
    }
    const bool whole = file.commit();
    if (!ok || !whole) {
        const QString why = whole ? qt_error_string(ENOMEM) : file.errorString();
        if (whole)
            QFile::remove(tmpPath);
        Log::warn(QStringLiteral("Export maildir failed: unable to write %1: %2.").arg(tmpPath, why));
        noteFailure(why);
        return false;
    }
    if (ok && delivered >= 0) {
        QFile written(tmpPath);
        const QDateTime time = QDateTime::fromSecsSinceEpoch(delivered, Qt::UTC);
        ok = written.open(QIODevice::ReadWrite | QIODevice::ExistingOnly) && written.setFileTime(time, QFileDevice::FileModificationTime) &&
            written.setFileTime(time, QFileDevice::FileAccessTime);
    }
    ok = ok && moveWithoutReplacing(tmpPath, curPath);
    if (!ok) {
        noteFailure(qt_error_string(errno));
        QFile::remove(tmpPath);
        Log::warn(QStringLiteral("Export maildir failed: unable to write %1.").arg(curPath));
        return false;
    }
    if (progress)
        progress(processedCount());
    return true;
}
