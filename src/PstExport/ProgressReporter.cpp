// SPDX-License-Identifier: GPL-2.0-or-later
#include "ProgressReporter.h"

ProgressReporter::ProgressReporter(QObject* parent)
    : QObject(parent)
{
}

void ProgressReporter::addDone(int n)
{
    m_done += n;
    emit progressUpdated(m_done);
}

void ProgressReporter::onProgress(int count)
{
    emit progressUpdated(count);
}
