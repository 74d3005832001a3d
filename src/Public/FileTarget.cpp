// SPDX-License-Identifier: GPL-2.0-or-later
#include "FileTarget.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool FileTarget::isStream(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    if (stat(name.constData(), &info) != 0)
        return false;
    if (!S_ISREG(info.st_mode))
        return !S_ISDIR(info.st_mode);
    // A redirected /dev/stdout resolves to a regular file, which the shell
    // opened for us: renaming a new file over it would take the output away
    // from where the shell put it.
    const QString canonical = QFileInfo(path).absoluteFilePath();
    return canonical.startsWith(QLatin1String("/dev/")) || canonical.startsWith(QLatin1String("/proc/"));
}

QString FileTarget::write(const QString& path, const QByteArray& contents)
{
    if (isStream(path))
        return writeInto(path, contents);
    return replace(path, contents);
}

QString FileTarget::replace(const QString& path, const QByteArray& contents)
{
    // The user named the path: a link there is followed to the file it names.
    const QFileInfo named(path);
    const QString target = named.isSymLink() && named.exists() ? named.canonicalFilePath() : named.absoluteFilePath();
    const QFileInfo info(target);
    QByteArray temporary;
    int fd = -1;
    while (fd < 0) {
        temporary = QFile::encodeName(QStringLiteral("%1/.%2.%3").arg(info.absolutePath(), info.fileName())
                                          .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        fd = open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return qt_error_string(errno);
    }
    struct stat existing;
    if (stat(QFile::encodeName(target).constData(), &existing) == 0)
        fchmod(fd, existing.st_mode & 07777);
    int error = writeAll(fd, contents);
    if (error == 0 && fsync(fd) != 0 && errno != EINVAL)
        error = errno;
    if (close(fd) != 0 && error == 0 && errno != EINTR)
        error = errno;
    if (error == 0 && rename(temporary.constData(), QFile::encodeName(target).constData()) != 0)
        error = errno;
    if (error != 0) {
        unlink(temporary.constData());
        return qt_error_string(error);
    }
    return QString();
}

QString FileTarget::writeInto(const QString& path, const QByteArray& contents)
{
    const int fd = open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return qt_error_string(errno);
    int error = writeAll(fd, contents);
    if (close(fd) != 0 && error == 0 && errno != EINTR)
        error = errno;
    return error ? qt_error_string(error) : QString();
}

int FileTarget::writeAll(int fd, const QByteArray& contents)
{
    const char* data = contents.constData();
    qint64 left = contents.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : ENOSPC;
        data += written;
        left -= written;
    }
    return 0;
}
