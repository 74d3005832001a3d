// SPDX-License-Identifier: GPL-2.0-or-later
#include "SearchController.h"

#include "Log.h"
#include "PstListController.h"
#include "PstListFilterModel.h"
#include "PstListModel.h"
#include "SearchHitDelegate.h"
#include "SearchHitModel.h"
#include "SearchHitReader.h"
#include "SearchIndexer.h"
#include "SearchStatusLine.h"

#include <QFutureWatcher>
#include <QListView>
#include <QLocale>
#include <QtConcurrent>

namespace {

SearchController::Outcome runQuery(const QString& pstPath, const SearchQuery& query, SearchIndex::Order order)
{
    SearchController::Outcome outcome;
    SearchIndex index(pstPath);
    outcome.state = index.state();
    outcome.indexed = index.indexedItems();
    outcome.total = index.totalItems();
    outcome.limit = SearchController::kHitLimit;
    if (outcome.state == SearchIndex::State::Missing || outcome.state == SearchIndex::State::Damaged)
        return outcome;
    SearchIndex::Options options;
    options.limit = SearchController::kHitLimit;
    options.order = order;
    // The rest come once the hits are on show (fillSnippets).
    options.snippets = SearchIndex::kScreenSnippets;
    outcome.hits = index.search(query, options, &outcome.error);
    return outcome;
}

QString number(int value)
{
    return QLocale().toString(value);
}

} // namespace

SearchController::SearchController(QListView* resultsView, SearchStatusLine* status, QObject* parent)
    : QObject(parent)
    , m_view(resultsView)
    , m_status(status)
    , m_model(new SearchHitModel(this))
    , m_proxy(new PstListFilterModel(this))
{
    m_proxy->setSourceModel(m_model);
    m_view->setModel(m_proxy);
    m_view->setItemDelegate(new SearchHitDelegate(m_view));
    m_view->setMinimumWidth(0);
    m_view->setUniformItemSizes(true);
    m_debounce.setSingleShot(true);
    m_debounce.setInterval(kDebounceMs);
    connect(&m_debounce, &QTimer::timeout, this, &SearchController::startQuery);
    m_queryPool.setMaxThreadCount(1);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { onHitChosen(current); });
    connect(m_status, &SearchStatusLine::cancelRequested, this, &SearchController::cancelIndexing);
    connect(m_status, &SearchStatusLine::indexAgainRequested, this, [this] {
        Log::info(QStringLiteral("Click the button to index the file again."));
        if (!m_pstPath.isEmpty())
            startIndexing(m_pstPath);
    });
}

SearchController::~SearchController()
{
    // Queries still running finish into nothing.
    ++m_queryGeneration;
    m_queryPool.waitForDone();
}

bool SearchController::isIndexing(const QString& pstPath) const
{
    const SearchIndexer* indexer = indexerFor(pstPath);
    return indexer && indexer->isRunning();
}

SearchIndexer* SearchController::indexerFor(const QString& pstPath) const
{
    return m_indexers.value(pstPath);
}

QStringList SearchController::highlightTerms() const
{
    return m_active && m_query.isValid() ? m_query.highlightTerms() : QStringList();
}

int SearchController::hitCount() const
{
    return int(m_model->hits().size());
}

void SearchController::documentOpened(const std::shared_ptr<PstItem>& root)
{
    if (!root || root->filePath().isEmpty())
        return;
    startIndexing(root->filePath());
    if (!m_document.lock())
        setDocument(root);
}

void SearchController::startIndexing(const QString& pstPath)
{
    SearchIndexer* indexer = indexerFor(pstPath);
    if (!indexer) {
        indexer = new SearchIndexer(this);
        m_indexers.insert(pstPath, indexer);
        connect(indexer, &SearchIndexer::progressed, this, [this, pstPath](int indexed, int total) {
            m_progress.insert(pstPath, {indexed, total});
            if (pstPath == m_pstPath)
                showProgress();
        });
        connect(indexer, &SearchIndexer::finished, this, [this, pstPath](bool ok, const QString& message) {
            Log::info(QStringLiteral("Search index of %1 %2: %3").arg(pstPath, ok ? "complete" : "not complete", message));
            if (ok)
                m_stopped.remove(pstPath);
            else
                m_stopped.insert(pstPath, message);
            if (pstPath != m_pstPath)
                return;
            showProgress();
            // Hits of a partial index are replaced by the whole index's.
            if (m_active && m_query.isValid())
                startQuery();
        });
    }
    if (indexer->isRunning())
        return;
    m_stopped.remove(pstPath);
    m_progress.remove(pstPath);
    indexer->start(pstPath);
    if (pstPath == m_pstPath)
        showProgress();
}

void SearchController::documentClosing(const std::shared_ptr<PstItem>& root)
{
    if (!root)
        return;
    const QString path = root->filePath();
    // Another open document from the same file keeps its indexer.
    if (SearchIndexer* indexer = m_indexers.take(path)) {
        indexer->cancel();
        indexer->deleteLater();
    }
    m_progress.remove(path);
    m_stopped.remove(path);
    if (m_document.lock() == root || path == m_pstPath) {
        m_document.reset();
        m_pstPath.clear();
        ++m_queryGeneration;
        ++m_readGeneration;
        m_model->setHits({});
        setActive(false);
        showProgress();
    }
}

void SearchController::setDocument(const std::shared_ptr<PstItem>& root)
{
    const auto folder = std::dynamic_pointer_cast<PstFolderItem>(root);
    if (folder == m_document.lock())
        return;
    m_document = folder;
    m_pstPath = folder ? folder->filePath() : QString();
    showProgress();
    if (m_active)
        startQuery();
}

void SearchController::setAllFolders(bool allFolders)
{
    if (m_allFolders == allFolders)
        return;
    m_allFolders = allFolders;
    setText(m_text);
    if (m_allFolders)
        runNow();
}

void SearchController::setText(const QString& text)
{
    m_text = text;
    if (!m_allFolders || text.trimmed().isEmpty()) {
        m_debounce.stop();
        ++m_queryGeneration;
        m_query = SearchQuery();
        setActive(false);
        return;
    }
    m_debounce.start();
}

void SearchController::runNow()
{
    if (!m_debounce.isActive())
        return;
    m_debounce.stop();
    startQuery();
}

SearchIndex::Order SearchController::order() const
{
    if (m_sortField == QLatin1String("date"))
        return m_sortOrder == QLatin1String("desc") ? SearchIndex::Order::NewestFirst : SearchIndex::Order::OldestFirst;
    return SearchIndex::Order::BestFirst;
}

void SearchController::startQuery()
{
    if (!m_allFolders || m_text.trimmed().isEmpty())
        return;
    const quint64 generation = ++m_queryGeneration;
    m_query = SearchQuery::parse(m_text);
    setActive(true);
    emit highlightTermsChanged(highlightTerms());
    if (!m_query.isValid()) {
        // A query that cannot be parsed searches nothing.
        m_model->setHits({});
        m_hasOutcome = false;
        m_status->setResult(m_query.errorMessage(), true);
        emit searched();
        return;
    }
    if (m_pstPath.isEmpty()) {
        m_model->setHits({});
        m_status->setResult(tr("Choose a file in the folder list to search it."), true);
        emit searched();
        return;
    }
    const QString path = m_pstPath;
    const SearchQuery query = m_query;
    const SearchIndex::Order wanted = order();
    auto* watcher = new QFutureWatcher<Outcome>(this);
    connect(watcher, &QFutureWatcher<Outcome>::finished, this, [this, watcher, generation, path] {
        watcher->deleteLater();
        ++m_finishedQueries;
        // A newer query, another file or a closed one: these hits are stale.
        if (generation != m_queryGeneration || path != m_pstPath)
            return;
        showOutcome(watcher->result());
    });
    watcher->setFuture(QtConcurrent::run(&m_queryPool, [path, query, wanted] { return runQuery(path, query, wanted); }));
}

void SearchController::fillSnippets(quint64 generation, int from)
{
    const QList<SearchHit> hits = m_model->hits();
    while (from < hits.size() && hits.at(from).hasSnippet)
        ++from;
    if (from >= hits.size())
        return;
    const QList<SearchHit> chunk = hits.mid(from, kSnippetChunk);
    const QString path = m_pstPath;
    const SearchQuery query = m_query;
    auto* watcher = new QFutureWatcher<QList<SearchHit>>(this);
    connect(watcher, &QFutureWatcher<QList<SearchHit>>::finished, this, [this, watcher, generation, path, from] {
        watcher->deleteLater();
        if (generation != m_queryGeneration || path != m_pstPath)
            return;
        const QList<SearchHit> filled = watcher->result();
        m_model->setSnippets(from, filled);
        fillSnippets(generation, from + int(filled.size()));
    });
    // Behind any newer query on the one query thread, which then finds
    // this generation stale and does nothing.
    watcher->setFuture(QtConcurrent::run(&m_queryPool, [this, generation, path, query, chunk] {
        QList<SearchHit> filled = chunk;
        if (generation == m_queryGeneration)
            SearchIndex(path).addSnippets(query, &filled, 0, filled.size());
        return filled;
    }));
}

void SearchController::showOutcome(const Outcome& outcome)
{
    m_lastOutcome = outcome;
    m_hasOutcome = true;
    ++m_readGeneration;
    m_model->setHits(outcome.hits);
    // Hits past the first screen get their snippets in the background.
    fillSnippets(m_queryGeneration, 0);
    retranslate();
    // The index went missing or bad (deleted, damaged): build it again,
    // unless the user stopped that.
    if ((outcome.state == SearchIndex::State::Missing || outcome.state == SearchIndex::State::Damaged)
        && !isIndexing(m_pstPath) && !m_stopped.contains(m_pstPath))
        startIndexing(m_pstPath);
    emit searched();
}

void SearchController::retranslate()
{
    showProgress();
    if (!m_active)
        return;
    if (!m_query.isValid()) {
        m_status->setResult(m_query.errorMessage(), true);
        return;
    }
    if (!m_hasOutcome)
        return;
    const Outcome& outcome = m_lastOutcome;
    if (!outcome.error.isEmpty()) {
        m_status->setResult(tr("The search index could not be read: %1").arg(outcome.error), true);
        return;
    }
    if (outcome.state == SearchIndex::State::Missing || outcome.state == SearchIndex::State::Damaged) {
        m_status->setResult(tr("This file is not indexed yet, so nothing was searched."), true);
        return;
    }
    const int found = int(outcome.hits.size());
    QString text = found == 0 ? tr("No items found") : tr("%n item(s) found", nullptr, found);
    if (found >= outcome.limit)
        text = tr("The first %1 items found").arg(number(found));
    if (outcome.state != SearchIndex::State::Complete)
        text += QLatin1Char('\n')
                + (outcome.total > 0 ? tr("Only %1 of %2 items are indexed so far: more may be found.")
                                           .arg(number(outcome.indexed), number(outcome.total))
                                     : tr("Only %1 items are indexed so far: more may be found.").arg(number(outcome.indexed)));
    m_status->setResult(text, false);
}

void SearchController::showProgress()
{
    const QString path = m_pstPath;
    if (path.isEmpty()) {
        m_status->setProgress(QString(), SearchStatusLine::Action::None);
        return;
    }
    if (isIndexing(path)) {
        const QPair<int, int> progress = m_progress.value(path);
        m_status->setProgress(progress.second > 0
                                  ? tr("Indexing %1 of %2 items").arg(number(progress.first), number(progress.second))
                                  : tr("Indexing…"),
                              SearchStatusLine::Action::Cancel);
    } else if (m_stopped.contains(path)) {
        const QString why = m_stopped.value(path);
        m_status->setProgress(why.isEmpty() ? tr("The search index is not complete.")
                                            : tr("The search index is not complete: %1").arg(why),
                              SearchStatusLine::Action::IndexAgain);
    } else {
        m_status->setProgress(QString(), SearchStatusLine::Action::None);
    }
}

void SearchController::cancelIndexing()
{
    if (SearchIndexer* indexer = indexerFor(m_pstPath)) {
        Log::info(QStringLiteral("Click the cancel button of the indexing."));
        indexer->cancel();
    }
}

void SearchController::sort(const QString& field, const QString& order)
{
    const SearchIndex::Order before = this->order();
    m_sortField = field;
    m_sortOrder = order;
    if (field == QLatin1String("none")) {
        m_proxy->sort(-1);
    } else {
        static const QHash<QString, PstListController::SortField> fields{
            {QStringLiteral("subject"), PstListController::SubjectField},
            {QStringLiteral("date"), PstListController::DateField},
            {QStringLiteral("sender"), PstListController::DisplayField},
            {QStringLiteral("size"), PstListController::SizeField},
            {QStringLiteral("kind"), PstListController::KindField}};
        m_proxy->setSortRole(PstListController::sortRoleOf(fields.value(field, PstListController::SubjectField)));
        m_proxy->sort(0, order == QLatin1String("desc") ? Qt::DescendingOrder : Qt::AscendingOrder);
    }
    // The index picks the first hits in the order asked for: the newest of
    // many hits are not among the best ones.
    if (m_active && before != this->order())
        startQuery();
}

void SearchController::setActive(bool active)
{
    if (!active)
        m_status->setResult(QString());
    if (m_active == active)
        return;
    m_active = active;
    if (!active) {
        ++m_readGeneration;
        m_hasOutcome = false;
        m_model->setHits({});
    }
    emit activeChanged(active);
    emit highlightTermsChanged(highlightTerms());
}

void SearchController::onHitChosen(const QModelIndex& proxyIndex)
{
    const SearchHit* hit = m_model->hitAt(m_proxy->mapToSource(proxyIndex));
    const std::shared_ptr<PstFolderItem> document = m_document.lock();
    if (!hit || !document)
        return;
    const quint64 generation = ++m_readGeneration;
    const SearchHit chosen = *hit;
    auto* watcher = new QFutureWatcher<std::shared_ptr<PstItem>>(this);
    connect(watcher, &QFutureWatcher<std::shared_ptr<PstItem>>::finished, this, [this, watcher, generation, chosen] {
        watcher->deleteLater();
        if (generation != m_readGeneration)
            return;
        const std::shared_ptr<PstItem> item = watcher->result();
        if (!item) {
            Log::warn(QStringLiteral("The hit %1 in \"%2\" is not in the file.").arg(chosen.nodeId).arg(chosen.folderPath));
            m_status->setResult(tr("This item could not be read from the file."), true);
        }
        emit itemSelected(item);
    });
    watcher->setFuture(SearchHitReader::read(document, chosen));
}
