// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>

// The progress sink of one format of an export run. Lives on the main thread;
// the pool thread reaches onProgress through queued invocations.
class ProgressReporter : public QObject
{
    Q_OBJECT
public:
    explicit ProgressReporter(QObject* parent = nullptr);

    // Adds n finished items to the own counter and announces the new count.
    void addDone(int n);

public slots:
    // Announces `count` items of the format as done.
    void onProgress(int count);

signals:
    void progressUpdated(int count);

private:
    int m_done = 0;
};
