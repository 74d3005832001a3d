// SPDX-License-Identifier: GPL-2.0-or-later
#include "UserFolders.h"

#include "ProductConstants.h"

#include <QStandardPaths>

QString UserFolders::resolve(const QString& relativeDir)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + relativeDir;
}

QString UserFolders::logDir()
{
    return resolve(g_logDirPath);
}

QString UserFolders::tempDir()
{
    return resolve(g_tempDirPath);
}

QString UserFolders::configDir()
{
    return resolve(g_configDirPath);
}
