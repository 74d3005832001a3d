// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstFolderItem.h"
#include "SearchHit.h"
#include "SearchIndex.h"
#include "SearchQuery.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <memory>

class PstListFilterModel;
class QListView;
class SearchHitModel;
class SearchIndexer;
class SearchStatusLine;

// The all-folders search of the window. Every opened file gets its search
// index built (or reused) in the background, with its progress and a
// Cancel on the status line. While the scope is "All folders" and the box
// holds a query, the query runs (a short pause after the last keystroke)
// on a worker thread against the current file's index, and its hits are
// listed in the results view; a query overtaken by a newer one is dropped.
// A chosen hit's item is read on a worker thread and then announced.
class SearchController : public QObject
{
    Q_OBJECT
public:
    // What one query found, for the window.
    struct Outcome
    {
        QList<SearchHit> hits;
        QString error;
        SearchIndex::State state = SearchIndex::State::Missing;
        int indexed = 0;
        int total = 0;
        int limit = 0;
    };

    SearchController(QListView* resultsView, SearchStatusLine* status, QObject* parent = nullptr);
    ~SearchController() override;

    // The pause after a keystroke before the query runs.
    static constexpr int kDebounceMs = 200;
    static constexpr int kHitLimit = 500;
    // Snippets made per turn of the query thread, past the first screen.
    static constexpr int kSnippetChunk = 60;

    // Whether the results view stands in for the folder's list.
    bool isActive() const { return m_active; }
    QString pstPath() const { return m_pstPath; }
    SearchHitModel* model() const { return m_model; }
    PstListFilterModel* proxy() const { return m_proxy; }
    bool isIndexing(const QString& pstPath) const;
    // The words the views mark: the current query's while a search is on show.
    QStringList highlightTerms() const;
    // Hits of the last finished query (0 before one).
    int hitCount() const;
    // Queries that ran to the end since the controller was made (tests).
    int finishedQueries() const { return m_finishedQueries; }

public slots:
    // Starts indexing the document's file (reused at once when complete).
    void documentOpened(const std::shared_ptr<PstItem>& root);
    // Cancels its indexing and leaves a search of it.
    void documentClosing(const std::shared_ptr<PstItem>& root);
    // The document the tree's current row belongs to: searches go there.
    void setDocument(const std::shared_ptr<PstItem>& root);
    // The scope chosen, and the box's text as typed.
    void setAllFolders(bool allFolders);
    void setText(const QString& text);
    // Runs the pending query now instead of after the pause.
    void runNow();
    // The sort menu's choice ("none", "date", "subject", …; "asc"/"desc").
    void sort(const QString& field, const QString& order);
    void cancelIndexing();
    // Sets the texts again in the interface language.
    void retranslate();

signals:
    // The results view replaces the folder's list (true) or gives it back.
    void activeChanged(bool active);
    // The chosen hit's item, read from the file; null when none.
    void itemSelected(const std::shared_ptr<PstItem>& item);
    void highlightTermsChanged(const QStringList& terms);
    // A query's hits (or its error) are on show.
    void searched();

private:
    void setActive(bool active);
    void startQuery();
    void showOutcome(const Outcome& outcome);
    // Makes the snippets of the shown hits that lack one, from row `from` on.
    void fillSnippets(quint64 generation, int from);
    void showProgress();
    void onHitChosen(const QModelIndex& proxyIndex);
    void startIndexing(const QString& pstPath);
    SearchIndexer* indexerFor(const QString& pstPath) const;
    SearchIndex::Order order() const;

    QListView* m_view = nullptr;
    SearchStatusLine* m_status = nullptr;
    SearchHitModel* m_model = nullptr;
    PstListFilterModel* m_proxy = nullptr;
    QTimer m_debounce;
    // One query at a time; a newer one waits behind it and the older one's
    // hits are dropped.
    QThreadPool m_queryPool;
    std::atomic<quint64> m_queryGeneration = 0;
    quint64 m_readGeneration = 0;
    int m_finishedQueries = 0;
    bool m_allFolders = false;
    bool m_active = false;
    QString m_text;
    SearchQuery m_query;
    std::weak_ptr<PstFolderItem> m_document;
    QString m_pstPath;
    QHash<QString, SearchIndexer*> m_indexers;
    // Progress of each file's indexing (indexed, total).
    QHash<QString, QPair<int, int>> m_progress;
    // Why the current file's indexing stopped, when it did not complete.
    QHash<QString, QString> m_stopped;
    QString m_sortField = QStringLiteral("none");
    QString m_sortOrder = QStringLiteral("asc");
    Outcome m_lastOutcome;
    bool m_hasOutcome = false;
};
