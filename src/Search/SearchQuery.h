// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One word or phrase of a search, as the user typed it.
struct SearchTerm
{
    enum class Field { Any, From, To, Subject };
    QString text;
    bool phrase = false;
    bool negated = false;
    // "word*": any word starting with `text`.
    bool prefix = false;
    Field field = Field::Any;
};

// A search as typed in the window or on the command line, parsed:
//   words (all must match), "a phrase", -word, from:, to:, subject:,
//   has:attachment, kind:mail|contact|appointment|task|note|journal,
//   after:YYYY-MM-DD, before:YYYY-MM-DD, folder:NAME, and word* for a prefix.
// A text that cannot be parsed gives an invalid query that says why.
// Operator names ignore case. A letters-only name before a colon with a value
// after it is an operator, and an unknown one is an error (a mistyped "form:"
// must not quietly search for a word); "10:30", "Re:" and "http://..." stay
// words. after: includes its day, before: excludes its day (local days).
// A query of excluded words only searches every item (within its filters)
// that has none of them. A repeated kind: or folder: replaces the earlier one.
class SearchQuery
{
public:
    static SearchQuery parse(const QString& text);

    bool isValid() const { return m_error.isEmpty(); }
    // What is wrong with the text, for the user (translated); "" when valid.
    QString errorMessage() const { return m_error; }
    // Whether the query asks for anything at all (an empty text does not).
    bool hasCriteria() const;

    QList<SearchTerm> terms() const { return m_terms; }
    // The ItemType of kind:, when given.
    std::optional<int> itemType() const { return m_itemType; }
    std::optional<QDate> after() const { return m_after; }
    std::optional<QDate> before() const { return m_before; }
    // folder: matches a folder whose name or path contains it, ignoring case.
    QString folder() const { return m_folder; }
    bool requiresAttachment() const { return m_requiresAttachment; }
    // The words and phrases to mark in the views (negated ones left out).
    QStringList highlightTerms() const;

private:
    // Adds one piece of the text; the error for the user, or "".
    QString take(bool negated, const QString& name, const QString& value, bool quoted);

    QList<SearchTerm> m_terms;
    std::optional<int> m_itemType;
    std::optional<QDate> m_after;
    std::optional<QDate> m_before;
    QString m_folder;
    bool m_requiresAttachment = false;
    QString m_error;
};
