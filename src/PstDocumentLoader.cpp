// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstDocumentLoader.h"

#include "PstParser.h"

#include <QCoreApplication>
#include <QPromise>
#include <QtConcurrent>

namespace {

constexpr int kProgressIntervalMs = 200;

} // namespace

// Loads get threads of their own: the export engine limits the shared pool to
// one thread, and an open must not wait for an export to end. The pool is the
// application's child, so its threads end with the application instead of
// after it, among the program's static objects.
QThreadPool* PstDocumentLoader::threadPool()
{
    static QThreadPool* pool = new QThreadPool(QCoreApplication::instance());
    return pool;
}

PstDocumentLoader::PstDocumentLoader(const QString& path, QObject* parent)
    : QObject(parent), m_path(path), m_state(std::make_shared<State>())
{
    m_progressTimer.setInterval(kProgressIntervalMs);
    connect(&m_progressTimer, &QTimer::timeout, this, &PstDocumentLoader::reportProgress);
    connect(&m_watcher, &QFutureWatcherBase::resultReadyAt, this, &PstDocumentLoader::onStage);
    connect(&m_watcher, &QFutureWatcherBase::finished, this, [this] {
        m_progressTimer.stop();
        reportProgress();
        if (isCancelled())
            emit finished(nullptr, QString());
        else
            emit finished(m_result.folder, m_result.error);
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
    m_watcher.setFuture(QtConcurrent::run(threadPool(), [path, state](QPromise<Stage>& promise) {
        const auto fail = [&promise](const QString& error) { promise.addResult(Stage{Stage::Done, nullptr, {}, {}, error}); };
        PstParser parser;
        parser.setProgressHandler([state](int itemsRead) {
            state->itemsRead = itemsRead;
            return !state->cancelled;
        });
        if (state->cancelled)
            return fail({});
        if (!parser.open(path))
            return fail(parser.openError());
        const QString unreadable =
            QCoreApplication::translate("PstTreeController", "The folder structure of this PST file cannot be read.");
        const std::shared_ptr<PstFolderItem> root = parser.parseFolders(path);
        if (!root)
            return fail(unreadable);
        // A document without folders may still turn out unreadable; it is
        // shown at the end, whole.
        const bool shownEarly = root->childCount() > 0;
        if (shownEarly)
            promise.addResult(Stage{Stage::Folders, root, {}, {}, {}});
        std::shared_ptr<PstFolderItem> folder;
        QList<std::shared_ptr<PstItem>> items;
        PstFolderItem::ItemCounts counts;
        // A document shown whole at the end keeps its items, as it has no folders.
        while (parser.readNextFolderItems(&folder, &items, shownEarly ? &counts : nullptr)) {
            if (shownEarly)
                promise.addResult(Stage{Stage::FolderItems, folder, counts, items, {}});
            else
                folder->addReadItems(items);
        }
        if (!parser.finishFolderItems(root))
            return fail(unreadable);
        promise.addResult(Stage{Stage::Done, root, {}, {}, {}});
    }));
    m_progressTimer.start();
}

void PstDocumentLoader::onStage(int index)
{
    if (isCancelled())
        return;
    const Stage stage = m_watcher.resultAt(index);
    switch (stage.kind) {
    case Stage::Folders:
        emit foldersRead(stage.folder);
        break;
    case Stage::FolderItems:
        emit folderItemsRead(stage.folder, stage.counts, stage.items);
        break;
    case Stage::Done:
        m_result = stage;
        break;
    }
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
