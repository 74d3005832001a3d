// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstDocumentLoader.h"

#include "PstParser.h"

#include <QCoreApplication>
#include <QtConcurrent>

namespace {

constexpr int kProgressIntervalMs = 200;

// Loads get threads of their own: the export engine limits the shared pool to
// one thread, and an open must not wait for an export to end. The pool is the
// application's child, so its threads end with the application instead of
// after it, among the program's static objects.
QThreadPool& loaderPool()
{
    static QThreadPool* pool = new QThreadPool(QCoreApplication::instance());
    return *pool;
}

} // namespace

PstDocumentLoader::PstDocumentLoader(const QString& path, QObject* parent)
    : QObject(parent), m_path(path), m_state(std::make_shared<State>())
{
    m_progressTimer.setInterval(kProgressIntervalMs);
    connect(&m_progressTimer, &QTimer::timeout, this, &PstDocumentLoader::reportProgress);
    connect(&m_watcher, &QFutureWatcherBase::finished, this, [this] {
        m_progressTimer.stop();
        reportProgress();
        const Result result = m_watcher.result();
        if (isCancelled())
            emit finished(nullptr, QString());
        else
            emit finished(result.root, result.error);
    });
}

PstDocumentLoader::~PstDocumentLoader()
{
    // The worker finishes on its own; the document it built goes with it.
    cancel();
}

void PstDocumentLoader::start()
{
    const QString path = m_path;
    const std::shared_ptr<State> state = m_state;
    m_watcher.setFuture(QtConcurrent::run(&loaderPool(), [path, state]() -> Result {
        PstParser parser;
        parser.setProgressHandler([state](int itemsRead) {
            state->itemsRead = itemsRead;
            return !state->cancelled;
        });
        if (state->cancelled)
            return {};
        if (!parser.open(path))
            return {nullptr, parser.openError()};
        std::shared_ptr<PstFolderItem> root = parser.parse(path);
        if (!root)
            return {nullptr, QCoreApplication::translate("PstTreeController", "The folder structure of this PST file cannot be read.")};
        return {root, QString()};
    }));
    m_progressTimer.start();
}

void PstDocumentLoader::cancel()
{
    m_state->cancelled = true;
}

bool PstDocumentLoader::isCancelled() const
{
    return m_state->cancelled;
}

void PstDocumentLoader::reportProgress()
{
    const int itemsRead = m_state->itemsRead;
    if (itemsRead == m_lastReported)
        return;
    m_lastReported = itemsRead;
    emit progress(itemsRead);
}
