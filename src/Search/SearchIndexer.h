// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <memory>

// Builds or refreshes a file's search index in the background, never
// blocking the thread it lives on (the window's). An index found complete
// is reused at once.
class SearchIndexer : public QObject
{
    Q_OBJECT
public:
    explicit SearchIndexer(QObject* parent = nullptr);
    ~SearchIndexer() override;

    void start(const QString& pstPath);
    void cancel();
    bool isRunning() const;

signals:
    // "Indexing 41,000 of 100,000 items": items indexed so far of all.
    void progressed(int indexed, int total);
    // The index is complete (`ok`), or the build ended: `message` says why
    // for the user (cancelled, disk full, cache folder not writable, …).
    void finished(bool ok, const QString& message);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
