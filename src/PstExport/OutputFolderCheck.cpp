// SPDX-License-Identifier: GPL-2.0-or-later
#include "OutputFolderCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString failure(const QString& dir, int error)
{
    return QCoreApplication::translate("OutputFolderCheck", "Cannot write to the output folder %1: %2.")
        .arg(dir, QString::fromLocal8Bit(std::strerror(error)));
}

} // namespace

QString OutputFolderCheck::prepare(const QString& dir)
{
    const QString clean = QDir::cleanPath(QDir::current().absoluteFilePath(dir));
    const QStringList parts = clean.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString path;
    for (const QString& part : parts) {
        path += QLatin1Char('/') + part;
        const QByteArray name = QFile::encodeName(path);
        if (::mkdir(name.constData(), 0777) == 0 || errno == EEXIST) {
            struct stat info {};
            if (::stat(name.constData(), &info) != 0)
                return failure(clean, errno);
            if (!S_ISDIR(info.st_mode))
                return failure(clean, ENOTDIR);
            continue;
        }
        return failure(clean, errno);
    }
    if (::access(QFile::encodeName(clean).constData(), W_OK | X_OK) != 0)
        return failure(clean, errno);
    return QString();
}
