// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstFolderItem.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <memory>

// Opens and parses one PST file on a worker thread, so the window stays
// responsive however large the file. The document is libpst's and the
// worker's alone until finished() hands it over; nothing else touches its
// file meanwhile.
class PstDocumentLoader : public QObject
{
    Q_OBJECT
public:
    explicit PstDocumentLoader(const QString& path, QObject* parent = nullptr);
    // Cancels a load still running; its result is dropped.
    ~PstDocumentLoader() override;

    void start();
    // Stops the walk soon; finished() then brings no document.
    void cancel();
    bool isCancelled() const;
    QString path() const { return m_path; }

signals:
    // Items read so far, a few times a second.
    void progress(int itemsRead);
    // The document root, or null when the file could not be opened (then
    // `error` says why, for the user) or the load was cancelled.
    void finished(const std::shared_ptr<PstFolderItem>& root, const QString& error);

private:
    // Shared with the worker, which may outlive this object.
    struct State
    {
        std::atomic<bool> cancelled{false};
        std::atomic<int> itemsRead{0};
    };

    // What the worker hands back.
    struct Result
    {
        std::shared_ptr<PstFolderItem> root;
        QString error;
    };

    void reportProgress();

    QString m_path;
    std::shared_ptr<State> m_state;
    QFutureWatcher<Result> m_watcher;
    QTimer m_progressTimer;
    int m_lastReported = 0;
};
