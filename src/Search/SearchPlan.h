// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "FtsTokenizer.h"
#include "SearchQuery.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// What one query asks of a shard: the FTS5 expressions for the word and
// trigram tables, and the checks each candidate row must then pass against
// its stored texts (exact phrases, which the index without positions cannot
// answer, and Chinese/Japanese/Korean text found by substring). Also marks
// the matches in a snippet.
class SearchPlan
{
public:
    // The indexed columns, in table order.
    enum Column { Subject = 1, Sender = 2, Recipients = 4, Body = 8, Attachments = 16, AllColumns = 31 };

    // An item's texts as the index keeps them (UTF-8): checked and marked
    // as they are, without converting them.
    struct Texts
    {
        QByteArray subject;
        QByteArray sender;
        QByteArray recipients;
        QByteArray body;
        QByteArray attachments;
        const QByteArray& column(Column column) const;
    };

    SearchPlan(const SearchQuery& query, const FtsTokenizer& tokenizer);

    // Nothing to look for: the query has no criteria, or only words
    // without letters or digits.
    bool isEmpty() const { return m_empty; }
    // MATCH expressions; "" when the table is not asked.
    QString wordsMatch() const { return m_wordsMatch; }
    QString gramsMatch() const { return m_gramsMatch; }
    // Words no hit may hold, for a query without words to look for.
    QString excludedWordsMatch() const { return m_excludedMatch; }
    // Only items holding CJK text can match (a 1-2 character CJK word).
    bool needsCjkItems() const { return m_needsCjk; }
    // Whether candidates must be checked against their texts.
    bool hasChecks() const { return !m_checks.isEmpty(); }
    bool accepts(const Texts& texts) const;

    // A few words around the first match in `texts` (body first), matches
    // between SearchHit::kMatchStart and kMatchEnd.
    QString snippet(const Texts& texts) const;

private:
    struct Check
    {
        int columns = AllColumns;
        QList<QByteArray> tokens;  // a word sequence, or
        QString substring;         // CJK text to find as it is
        bool prefixLast = false;
        bool negated = false;
        bool asciiTokens = false;
    };

    void addTerm(const SearchTerm& term);
    void addCjkTerm(const SearchTerm& term, int columns);
    bool holds(const Check& check, const Texts& texts) const;
    bool containsSequence(const QByteArray& text, const Check& check) const;
    // The same for ASCII text and words, many times faster; nullopt when
    // the text is not all ASCII.
    static std::optional<bool> containsAsciiSequence(const QByteArray& text, const Check& check);
    QString snippetOf(const QByteArray& utf8) const;

    const FtsTokenizer& m_tokenizer;
    QStringList m_positive;
    QStringList m_excluded;
    QStringList m_grams;
    QString m_wordsMatch;
    QString m_gramsMatch;
    QString m_excludedMatch;
    bool m_needsCjk = false;
    bool m_empty = true;
    QList<Check> m_checks;
    // For snippets: words to mark (prefix ones separately) and CJK text.
    QList<QByteArray> m_markWords;
    QList<QByteArray> m_markPrefixes;
    QStringList m_markSubstrings;
};
