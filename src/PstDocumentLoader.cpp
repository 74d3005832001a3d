#include "PstDocumentLoader.h"

#include "PstParser.h"

#include <QtConcurrent>

namespace {

constexpr int kProgressIntervalMs = 200;

// Loads get threads of their own: the export engine limits the shared pool to
// one thread, and an open must not wait for an export to end.
QThreadPool& loaderPool()
{
    static QThreadPool pool;
    return pool;
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
        const std::shared_ptr<PstFolderItem> root = m_watcher.result();
        emit finished(isCancelled() ? nullptr : root);
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
    m_watcher.setFuture(QtConcurrent::run(&loaderPool(), [path, state]() -> std::shared_ptr<PstFolderItem> {
        PstParser parser;
        parser.setProgressHandler([state](int itemsRead) {
            state->itemsRead = itemsRead;
            return !state->cancelled;
        });
        if (state->cancelled || !parser.open(path))
            return nullptr;
        return parser.parse(path);
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
