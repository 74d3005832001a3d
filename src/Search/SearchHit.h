// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QChar>
#include <QDateTime>
#include <QString>

// One item a search found.
struct SearchHit
{
    // Marks around each matched word in `snippet` (never in indexed text).
    static constexpr QChar kMatchStart = QChar(0x02);
    static constexpr QChar kMatchEnd = QChar(0x03);

    quint64 nodeId = 0;
    QString folderPath;
    int itemType = 0;
    QDateTime date;
    qint64 size = 0;
    bool hasAttachment = false;
    QString subject;
    QString sender;
    // A few words around the first match, the matches marked; empty until
    // made (SearchIndex::Options::snippets, SearchIndex::addSnippets).
    QString snippet;
    bool hasSnippet = false;
    // Where the index keeps the hit's texts: its shard and row.
    QString shardPath;
    qint64 row = 0;
    // Lower is better (bm25).
    double rank = 0;
};
