// SPDX-License-Identifier: GPL-2.0-or-later
#include "FileOpenFilter.h"

#include <QDebug>
#include <QFileOpenEvent>

FileOpenFilter::FileOpenFilter(QObject* parent)
    : QObject(parent)
{
}

bool FileOpenFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FileOpen) {
        const QString path = static_cast<QFileOpenEvent*>(event)->file();
        emit fileOpened(path);
        return true;
    }
    return QObject::eventFilter(watched, event);
}
