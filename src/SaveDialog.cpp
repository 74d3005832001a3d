// SPDX-License-Identifier: GPL-2.0-or-later
#include "SaveDialog.h"

#include "AppConfig.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

QString SaveDialog::getSaveFileName(QWidget* parent, const QString& caption, const QString& fileName,
                                    const QString& filter)
{
    const QString target = QFileDialog::getSaveFileName(parent, caption, proposedPath(fileName), filter);
    if (!target.isEmpty())
        remember(target);
    return target;
}

QString SaveDialog::proposedPath(const QString& fileName)
{
    return QDir(AppConfig::instance()->getLastSavePath()).filePath(fileName);
}

void SaveDialog::remember(const QString& savedPath)
{
    AppConfig::instance()->setLastSavePath(QFileInfo(savedPath).absolutePath());
}
