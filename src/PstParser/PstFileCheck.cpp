// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstFileCheck.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kPstMagic[] = {'!', 'B', 'D', 'N'};
// The smallest header libpst reads (the ANSI one) ends at this offset.
constexpr off_t kMinimumHeaderBytes = 0x200;

QString tr(const char* text)
{
    return QCoreApplication::translate("PstFileCheck", text);
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

QString PstFileCheck::problem(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return errno == ENOENT ? tr("There is no file or folder of this name.")
                               : tr("The file cannot be reached: %1.").arg(systemError(errno));
    if (S_ISDIR(info.st_mode))
        return tr("This is a folder, not a PST file.");
    if (S_ISFIFO(info.st_mode))
        return tr("This is a named pipe (FIFO), not a PST file: it can only be read once, as a stream.");
    if (!S_ISREG(info.st_mode))
        return tr("This is a device or special file, not a PST file.");
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return tr("The file cannot be read: %1.").arg(systemError(errno));
    char magic[sizeof kPstMagic] = {};
    const ssize_t got = ::read(fd, magic, sizeof magic);
    const int readError = errno;
    ::close(fd);
    if (got < 0)
        return tr("The file cannot be read: %1.").arg(systemError(readError));
    if (got < ssize_t(sizeof magic) || std::memcmp(magic, kPstMagic, sizeof magic) != 0)
        return tr("This is not a PST file: it does not start with a PST file's signature.");
    if (info.st_size < kMinimumHeaderBytes)
        return tr("This PST file is too short to hold a PST header (%1 bytes).").arg(info.st_size);
    return QString();
}
