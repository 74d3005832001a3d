// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>

// Turns the desktop's requests to open a document into fileOpened signals.
// Installed as event filter on the application object; the command line's
// file arguments are delivered through the same signal by main.
class FileOpenFilter : public QObject
{
    Q_OBJECT
public:
    explicit FileOpenFilter(QObject* parent = nullptr);

signals:
    void fileOpened(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
