// SPDX-License-Identifier: GPL-2.0-or-later
#include "SearchCommand.h"

#include "IndexBuild.h"
#include "IndexProgressText.h"
#include "IndexStorage.h"
#include "ItemType.h"
#include "SearchIndex.h"
#include "SearchQuery.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QLockFile>
#include <QTextStream>
#include <QThread>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

struct Options
{
    QString pstPath;
    QString query;
    SearchIndex::Options search;
    bool json = false;
};

int usage(const QString& problem = QString())
{
    QTextStream err(stderr);
    if (!problem.isEmpty())
        err << "lumaroo-cli search: " << problem << "\n";
    err << "usage: lumaroo-cli search FILE.pst QUERY [--limit N] [--json] [--sort best|newest|oldest]\n";
    return 2;
}

bool parseOptions(QStringList args, Options* options, QString* problem)
{
    QStringList positional;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == QLatin1String("--json")) {
            options->json = true;
        } else if (arg == QLatin1String("--limit") || arg == QLatin1String("--sort")) {
            if (args.isEmpty()) {
                *problem = QStringLiteral("%1 needs a value").arg(arg);
                return false;
            }
            const QString value = args.takeFirst();
            if (arg == QLatin1String("--limit")) {
                bool isNumber = false;
                options->search.limit = value.toInt(&isNumber);
                if (!isNumber || options->search.limit < 1) {
                    *problem = QStringLiteral("--limit needs a number of 1 or more");
                    return false;
                }
            } else if (value == QLatin1String("best")) {
                options->search.order = SearchIndex::Order::BestFirst;
            } else if (value == QLatin1String("newest")) {
                options->search.order = SearchIndex::Order::NewestFirst;
            } else if (value == QLatin1String("oldest")) {
                options->search.order = SearchIndex::Order::OldestFirst;
            } else {
                *problem = QStringLiteral("--sort takes best, newest or oldest");
                return false;
            }
        } else if (arg == QLatin1String("--")) {
            positional += args;
            args.clear();
        } else if (arg.startsWith(QLatin1String("--"))) {
            *problem = QStringLiteral("unknown option %1 (a query word starting with - excludes it; put the query after --)").arg(arg);
            return false;
        } else {
            positional.append(arg);
        }
    }
    if (positional.size() != 2) {
        *problem = QStringLiteral("expected FILE.pst and one QUERY (quote it when it has several words)");
        return false;
    }
    options->pstPath = positional.at(0);
    options->query = positional.at(1);
    return true;
}

QString kindName(int itemType)
{
    switch (itemType) {
    case Mail:
        return QStringLiteral("mail");
    case Calendar:
        return QStringLiteral("appointment");
    case Contact:
        return QStringLiteral("contact");
    case Journal:
        return QStringLiteral("journal");
    case Task:
        return QStringLiteral("task");
    case Note:
        return QStringLiteral("note");
    default:
        return QStringLiteral("item");
    }
}

// The snippet with its matches between `open` and `close`.
QString markedSnippet(const QString& snippet, const QString& open, const QString& close)
{
    QString text = snippet;
    text.replace(SearchHit::kMatchStart, open).replace(SearchHit::kMatchEnd, close);
    return text.simplified();
}

// The snippet as plain text and its matches as ranges of characters
// (Unicode code points, as JSON readers count them).
QJsonObject snippetJson(const QString& snippet)
{
    QString plain;
    QJsonArray matches;
    qsizetype codePoints = 0, start = -1;
    for (qsizetype i = 0; i < snippet.size(); ++i) {
        const QChar c = snippet.at(i);
        if (c == SearchHit::kMatchStart) {
            start = codePoints;
        } else if (c == SearchHit::kMatchEnd) {
            if (start >= 0)
                matches.append(QJsonObject{{"start", start}, {"length", codePoints - start}});
            start = -1;
        } else {
            plain += c;
            if (!c.isLowSurrogate())
                ++codePoints;
        }
    }
    return QJsonObject{{"text", plain}, {"matches", matches}, {"marked", markedSnippet(snippet, "[", "]")}};
}

QString dateText(const QDateTime& date)
{
    return date.isValid() ? date.toUTC().toString(Qt::ISODate) : QString();
}

void printText(const QList<SearchHit>& hits)
{
    QTextStream out(stdout);
    for (const SearchHit& hit : hits) {
        out << (hit.folderPath.isEmpty() ? QStringLiteral("/") : hit.folderPath) << '\t' << hit.nodeId << '\t'
            << kindName(hit.itemType) << '\t' << dateText(hit.date) << '\t' << hit.subject.simplified() << '\t'
            << hit.sender.simplified() << '\n';
        out << "    " << markedSnippet(hit.snippet, QStringLiteral("["), QStringLiteral("]")) << '\n';
    }
}

void printJson(const Options& options, const QList<SearchHit>& hits, const SearchIndex& index)
{
    QJsonArray array;
    for (const SearchHit& hit : hits) {
        array.append(QJsonObject{{"path", hit.folderPath},
                                 {"id", QString::number(hit.nodeId)},
                                 {"kind", kindName(hit.itemType)},
                                 {"date", dateText(hit.date)},
                                 {"subject", hit.subject},
                                 {"sender", hit.sender},
                                 {"size", hit.size},
                                 {"hasAttachment", hit.hasAttachment},
                                 {"snippet", snippetJson(hit.snippet)}});
    }
    const bool complete = index.state() == SearchIndex::State::Complete;
    const QJsonObject document{{"query", options.query},
                               {"complete", complete},
                               {"indexedItems", index.indexedItems()},
                               {"totalItems", index.totalItems()},
                               {"hits", array}};
    QTextStream(stdout) << QJsonDocument(document).toJson(QJsonDocument::Indented);
}

// Builds or reuses the index, its progress on stderr.
IndexBuild::Outcome buildIndex(const QString& pstPath)
{
    IndexProgressText text(isatty(fileno(stderr)) != 0);
    const IndexBuild::Outcome outcome = IndexBuild::run(QCoreApplication::applicationFilePath(), pstPath,
                                                        QThread::idealThreadCount(),
                                                        [&text](int indexed, int total) { text.update(indexed, total); });
    text.finish();
    return outcome;
}

// Whether another process holds the build of `pstPath`'s index right now.
bool buildingElsewhere(const QString& pstPath)
{
    QLockFile lock(IndexStorage::lockPath(pstPath));
    lock.setStaleLockTime(0);
    if (lock.tryLock(0)) {
        lock.unlock();
        return false;
    }
    return lock.error() == QLockFile::LockFailedError;
}

} // namespace

int SearchCommand::run(const QStringList& args)
{
    Options options;
    QString problem;
    if (!parseOptions(args, &options, &problem))
        return usage(problem);
    const SearchQuery query = SearchQuery::parse(options.query);
    if (!query.isValid())
        return usage(QStringLiteral("the query cannot be read: %1").arg(query.errorMessage()));
    if (!query.hasCriteria())
        return usage(QStringLiteral("the query asks for nothing"));

    QTextStream err(stderr);
    // A build another process runs (the window's) is not waited for: what
    // it has indexed so far is searched, and said to be partial below.
    IndexBuild::Outcome outcome;
    outcome.status = IndexBuild::Status::Complete;
    if (buildingElsewhere(options.pstPath) && SearchIndex(options.pstPath).indexedItems() > 0)
        err << "lumaroo-cli search: another process is building the index; searching the items indexed so far\n";
    else
        outcome = buildIndex(options.pstPath);
    if (outcome.status == IndexBuild::Status::BadFile) {
        err << "lumaroo-cli search: " << outcome.message() << "\n";
        return 2;
    }
    auto index = std::make_unique<SearchIndex>(options.pstPath);
    if (outcome.status == IndexBuild::Status::Failed) {
        err << "lumaroo-cli search: " << outcome.message() << "\n";
        // What an earlier or interrupted build left is still worth a look.
        if (index->indexedItems() == 0)
            return 1;
    }
    if (index->state() != SearchIndex::State::Complete) {
        const QLocale english(QLocale::English);
        err << QStringLiteral("lumaroo-cli search: the index is incomplete (%1 of %2 items indexed): hits may be missing\n")
                   .arg(english.toString(index->indexedItems()),
                        index->totalItems() > 0 ? english.toString(index->totalItems()) : QStringLiteral("?"));
    }
    QString error;
    QList<SearchHit> hits = index->search(query, options.search, &error);
    // Damage the quick checks at opening missed: rebuilt once, then searched again.
    if (!error.isEmpty() && !SearchIndex(options.pstPath).verify()) {
        err << "lumaroo-cli search: the index is damaged (" << error << "); rebuilding it\n";
        index.reset();
        SearchIndex::remove(options.pstPath);
        outcome = buildIndex(options.pstPath);
        index = std::make_unique<SearchIndex>(options.pstPath);
        error.clear();
        hits = index->search(query, options.search, &error);
    }
    if (!error.isEmpty()) {
        err << "lumaroo-cli search: " << error << "\n";
        return 1;
    }
    if (options.json)
        printJson(options, hits, *index);
    else
        printText(hits);
    if (hits.isEmpty() && !options.json)
        err << "No item matches.\n";
    return hits.isEmpty() ? 1 : 0;
}
