// SPDX-License-Identifier: GPL-2.0-or-later
#include "ExportStrategy.h"

#include "CancelToken.h"
#include "ClaimedFile.h"
#include "Log.h"
#include "OutputNames.h"
#include "PstDataConverter.h"
#include "StoreIdentity.h"

#include <QFile>
#include <QMutexLocker>

#include <cerrno>
#include <utility>

namespace {

// Lets go of a held lock for a scope and takes it again at its end.
class LockReleased
{
public:
    explicit LockReleased(QRecursiveMutex* lock) : m_lock(lock)
    {
        if (m_lock)
            m_lock->unlock();
    }
    ~LockReleased()
    {
        if (m_lock)
            m_lock->lock();
    }
    LockReleased(const LockReleased&) = delete;
    LockReleased& operator=(const LockReleased&) = delete;

private:
    QRecursiveMutex* m_lock;
};

} // namespace

ExportStrategy::ExportStrategy(bool appMode)
    : m_appMode(appMode)
{
}

ExportStrategy::~ExportStrategy() = default;

QString ExportStrategy::formatKey() const
{
    return type();
}

QByteArray ExportStrategy::itemUid() const
{
    return m_pstNode ? StoreIdentity::itemUid(m_pstFile, m_pstNode->d_id) : QByteArray();
}

QString ExportStrategy::getOutputFilename(pst_item* item, const QString& outputDir, const QString& defaultName) const
{
    if (!item)
        return QString();
    return OutputNames::uniqueFilePath(outputDir, outputName(item, defaultName), type());
}

QString ExportStrategy::outputName(pst_item* item, const QString& defaultName) const
{
    QString name = OutputNames::sanitized(
        PstDataConverter::toQString(item->subject, PstDataConverter::recordCodePage(item)));
    // A subject of line breaks alone would leave a name that is only the extension.
    if (name.isEmpty())
        name = OutputNames::sanitized(defaultName);
    return name;
}

void ExportStrategy::writeQString(FILE* out, const QString& text, bool newline)
{
    const QByteArray bytes = text.toUtf8();
    if (!bytes.isEmpty())
        fwrite(bytes.constData(), 1, size_t(bytes.size()), out);
    if (newline)
        fputc('\n', out);
}

bool ExportStrategy::acceptItem(pst_item* item, bool hasRecord, CancelToken* token, const QString& missingMessage)
{
    countProcessed();
    if (!item || !hasRecord) {
        Log::warn(missingMessage);
        return false;
    }
    return !(token && token->isCancelled());
}

FILE* ExportStrategy::openItemFile(pst_item* item, bool hasRecord, const QString& outputDir, CancelToken* token,
                                   const QString& defaultName, const QString& missingMessage,
                                   const QString& openFailedMessage, QString* path)
{
    if (!acceptItem(item, hasRecord, token, missingMessage))
        return nullptr;
    // Claimed, not looked up and then opened: other worker processes may
    // write into the same directory at the same time.
    m_itemFile = std::make_unique<ClaimedFile>();
    const QString name = outputName(item, defaultName);
    bool claimed = false;
    {
        const LockReleased released(m_pstLock);
        claimed = m_itemFile->claim(outputDir, name, type());
    }
    if (!claimed) {
        const QString filePath = OutputNames::numberedFilePath(outputDir, name, type(), 0);
        if (!openFailedMessage.isEmpty())
            Log::warn(openFailedMessage.arg(filePath));
        Log::warn(QStringLiteral("Export %1 failed: %2: %3").arg(formatKey(), filePath, m_itemFile->errorString()));
        noteFailure(m_itemFile->errorString());
        m_itemFile.reset();
        return nullptr;
    }
    if (path)
        *path = m_itemFile->path();
    return m_itemFile->stream();
}

bool ExportStrategy::finishItemFile(FILE* out, const std::function<void(int)>& progress)
{
    bool whole = true;
    if (m_itemFile && m_itemFile->stream() == out) {
        {
            const LockReleased released(m_pstLock);
            whole = m_itemFile->commit();
        }
        if (!whole) {
            Log::warn(QStringLiteral("Export %1 failed: unable to write %2: %3")
                          .arg(formatKey(), m_itemFile->path(), m_itemFile->errorString()));
            noteFailure(m_itemFile->errorString());
        }
        m_itemFile.reset();
    } else {
        // A file the exporter opened itself (the contacts file of an app run).
        whole = fflush(out) == 0 && !ferror(out);
        const QString why = qt_error_string(errno);
        whole = fclose(out) == 0 && whole;
        if (!whole)
            noteFailure(why);
    }
    if (!whole)
        return false;
    if (progress)
        progress(m_processed);
    return true;
}

void ExportStrategy::noteFailure(const QString& reason)
{
    QMutexLocker locker(&m_reasonsLock);
    ++m_failureReasons[reason];
}

QMap<QString, int> ExportStrategy::takeFailureReasons()
{
    QMutexLocker locker(&m_reasonsLock);
    return std::exchange(m_failureReasons, {});
}
