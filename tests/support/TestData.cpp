// SPDX-License-Identifier: GPL-2.0-or-later
#include "TestData.h"

#include <QDir>

namespace TestData {

QString sharedDir()
{
    const QByteArray fromEnv = qgetenv("LUMAROO_SHARED_DIR");
    return fromEnv.isEmpty() ? QStringLiteral(LUMAROO_SHARED_DIR_DEFAULT) : QString::fromLocal8Bit(fromEnv);
}

QString pst(const QString& fileName)
{
    return QDir(sharedDir() + "/testdata/pst").absoluteFilePath(fileName);
}

QStringList allPstFiles()
{
    QDir dir(sharedDir() + "/testdata/pst");
    QStringList files;
    for (const QString& name : dir.entryList({"*.pst", "*.ost"}, QDir::Files, QDir::Name))
        files << dir.absoluteFilePath(name);
    return files;
}

bool available()
{
    return !allPstFiles().isEmpty();
}

} // namespace TestData
