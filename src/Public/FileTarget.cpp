// SPDX-License-Identifier: GPL-2.0-or-later
#include "FileTarget.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(contents) != contents.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

QString FileTarget::writeInto(const QString& path, const QByteArray& contents)
{
    const int fd = open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return qt_error_string(errno);
    const char* data = contents.constData();
    qint64 left = contents.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            const int error = written < 0 ? errno : EIO;
            close(fd);
            return qt_error_string(error);
        }
        data += written;
        left -= written;
    }
    if (close(fd) != 0 && errno != EINTR)
        return qt_error_string(errno);
    return QString();
}
