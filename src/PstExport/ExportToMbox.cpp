// SPDX-License-Identifier: GPL-2.0-or-later
#include "ExportToMbox.h"

#include "CancelToken.h"
#include "CheckedStream.h"
#include "Log.h"
#include "MailboxStream.h"
#include "OutputNames.h"
#include "PstDataConverter.h"
#include "readpst.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The sender the .eml writer put in its separator line: From "sender" date.
QByteArray senderOf(const QByteArray& writerLine)
{
    const qsizetype open = writerLine.indexOf('"');
    const qsizetype close = writerLine.lastIndexOf('"');
    return open >= 0 && close > open ? writerLine.mid(open + 1, close - open - 1) : QByteArray();
}

qint64 messageTime(const pst_item* item)
{
    for (const FILETIME* time : {item->email->sent_date, item->email->arrival_date, item->create_date}) {
        if (time)
            return PstDataConverter::filetimeToUnix(time);
    }
    return 0;
}

} // namespace

QByteArray ExportToMbox::separatorLine(const QByteArray& sender, qint64 unixTime)
{
    static const char* const kDays[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    QByteArray address = sender;
    if (address.isEmpty() || address.contains(' ') || address.contains('\t'))
        address = "MAILER-DAEMON";
    const QDateTime time = QDateTime::fromSecsSinceEpoch(unixTime, Qt::UTC);
    const QDate date = time.date();
    const QByteArray when = QByteArray(kDays[date.dayOfWeek() - 1]) + ' ' + kMonths[date.month() - 1] + ' ' +
        QByteArray::number(date.day()).rightJustified(2, ' ') + ' ' +
        time.time().toString(QStringLiteral("HH:mm:ss")).toLatin1() + ' ' + QByteArray::number(date.year());
    return "From " + address + ' ' + when + '\n';
}

void ExportToMbox::beginRun(const QString& outputRoot)
{
    (void)outputRoot;
    QMutexLocker locker(&m_lock);
    m_mailboxes.clear();
}

QString ExportToMbox::mailboxPath(const QString& outputDir)
{
    auto found = m_mailboxes.constFind(outputDir);
    if (found != m_mailboxes.constEnd())
        return found.value();
    // Created here, under a name nothing else holds (a link included), and
    // then only appended to by this run.
    const QString folderName = QFileInfo(outputDir).fileName();
    const QString name = folderName.isEmpty() ? QStringLiteral("mail") : folderName;
    for (int number = 0;; ++number) {
        const QString path = OutputNames::numberedFilePath(outputDir, name, type(), number);
        const int fd = open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
            close(fd);
            m_mailboxes.insert(outputDir, path);
            return path;
        }
        if (errno != EEXIST)
            return QString();
    }
}

bool ExportToMbox::exportItem(pst_item* item, const QString& outputDir, CancelToken* token,
                              std::function<void(int)> progress)
{
    if (!acceptItem(item, item && item->email, token, QStringLiteral("Export failed: PST email is empty.")))
        return false;
    // One message at a time per run: the mailbox is appended to.
    QMutexLocker locker(&m_lock);
    const QString path = mailboxPath(outputDir);
    const int fd = path.isEmpty() ? -1 : open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        const QString why = qt_error_string(errno);
        Log::warn(QStringLiteral("Export mbox failed: unable to open output file %1: %2.")
                      .arg(path.isEmpty() ? outputDir : path, why));
        noteFailure(why);
        return false;
    }
    // Where this message starts: a message that cannot be written whole is
    // cut off again, so the mailbox ends with the previous one.
    const off_t start = lseek(fd, 0, SEEK_END);
    CheckedStream file(fd);
    FILE* out = file.stream();
    bool ok = out != nullptr;
    if (ok) {
        const qint64 when = messageTime(item);
        MailboxStream message(out, true, [out, when](const QByteArray& writerLine) {
            const QByteArray separator = separatorLine(senderOf(writerLine), when);
            fwrite(separator.constData(), 1, size_t(separator.size()), out);
        });
        ok = message.stream() != nullptr;
        if (ok) {
            char* extraMimeHeaders = nullptr;
            write_normal_email(message.stream(), nullptr, item, 0, 0, m_pstFile, 1, 0, &extraMimeHeaders);
            ok = message.finish();
            // The message ends with a line feed, and an empty line parts it
            // from the next one.
            if (message.lastByte() != '\n')
                fputc('\n', out);
            fputc('\n', out);
        }
        ok = fflush(out) == 0 && ok;
    }
    QString why = file.errorString();
    const bool written = ok && why.isEmpty();
    if (!written && start >= 0 && ftruncate(file.fd(), start) != 0)
        Log::warn(QStringLiteral("Export mbox: could not cut %1 back to its last whole message.").arg(path));
    const bool closed = file.close();
    if (!written || !closed) {
        if (why.isEmpty())
            why = file.errorString().isEmpty() ? qt_error_string(ENOMEM) : file.errorString();
        // Closing can be the first to tell (a network file system).
        if (written && start >= 0)
            truncate(QFile::encodeName(path).constData(), start);
        Log::warn(QStringLiteral("Export mbox failed: unable to write to %1: %2.").arg(path, why));
        noteFailure(why);
        // A mailbox that holds no whole message is no mailbox.
        if (start == 0) {
            QFile::remove(path);
            m_mailboxes.remove(outputDir);
        }
        return false;
    }
    if (progress)
        progress(processedCount());
    return true;
}
