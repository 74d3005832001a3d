// SPDX-License-Identifier: GPL-2.0-or-later
#include "SearchQuery.h"

#include "ItemType.h"

#include <QCoreApplication>

namespace {

struct KindName
{
    const char* name;
    int type;
};

const KindName kKinds[] = {
    {"mail", Mail}, {"contact", Contact}, {"appointment", Calendar},
    {"task", Task}, {"note", Note},       {"journal", Journal},
};

const char* const kOperators[] = {"from", "to", "subject", "has", "kind", "after", "before", "folder"};

// One space-separated piece of the text: [-][name:]value, the value maybe quoted.
struct Piece
{
    bool negated = false;
    QString name;  // lower case, "" for a plain word or phrase
    QString value;
    bool quoted = false;
};

bool isAsciiLetters(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c.unicode() > 127 || !c.isLetter())
            return false;
    }
    return true;
}

class Scanner
{
public:
    explicit Scanner(const QString& text) : m_text(text) {}

    // False at the end; sets `error` on a quote left open.
    bool next(Piece* piece, QString* error)
    {
        skipSpaces();
        if (m_pos >= m_text.size())
            return false;
        *piece = Piece();
        if (m_text.at(m_pos) == QLatin1Char('-') && m_pos + 1 < m_text.size() && !m_text.at(m_pos + 1).isSpace()) {
            piece->negated = true;
            ++m_pos;
        }
        if (m_text.at(m_pos) == QLatin1Char('"'))
            return readQuoted(piece, error);
        const int start = m_pos;
        while (m_pos < m_text.size() && !m_text.at(m_pos).isSpace() && m_text.at(m_pos) != QLatin1Char('"'))
            ++m_pos;
        const QString word = m_text.mid(start, m_pos - start);
        const int colon = word.indexOf(QLatin1Char(':'));
        const QString name = word.left(colon);
        const bool valueFollows = colon == word.size() - 1 && m_pos < m_text.size() && m_text.at(m_pos) == QLatin1Char('"');
        const QString value = word.mid(colon + 1);
        if (colon > 0 && isAsciiLetters(name) && (!value.isEmpty() || valueFollows || isOperator(name))
            && !value.startsWith(QLatin1Char('/'))) {
            piece->name = name.toLower();
            if (valueFollows)
                return readQuoted(piece, error);
            piece->value = value;
            return true;
        }
        piece->value = word;
        return true;
    }

    static bool isOperator(const QString& name)
    {
        for (const char* known : kOperators) {
            if (name.compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
                return true;
        }
        return false;
    }

private:
    void skipSpaces()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos).isSpace())
            ++m_pos;
    }

    bool readQuoted(Piece* piece, QString* error)
    {
        const int close = m_text.indexOf(QLatin1Char('"'), m_pos + 1);
        if (close < 0) {
            *error = QCoreApplication::translate("SearchQuery", "A quotation mark is not closed.");
            return false;
        }
        piece->value = m_text.mid(m_pos + 1, close - m_pos - 1).simplified();
        piece->quoted = true;
        m_pos = close + 1;
        return true;
    }

    const QString& m_text;
    int m_pos = 0;
};

std::optional<QDate> parseDate(const QString& text)
{
    if (text.size() != 10)
        return std::nullopt;
    const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QString kindList()
{
    QStringList names;
    for (const KindName& kind : kKinds)
        names << QLatin1String(kind.name);
    return names.join(QLatin1Char('|'));
}

} // namespace

SearchQuery SearchQuery::parse(const QString& text)
{
    SearchQuery query;
    Scanner scanner(text);
    Piece piece;
    QString error;
    while (error.isEmpty() && scanner.next(&piece, &error))
        error = query.take(piece.negated, piece.name, piece.value, piece.quoted);
    if (error.isEmpty() && query.m_after && query.m_before && *query.m_after >= *query.m_before)
        error = QCoreApplication::translate("SearchQuery", "The after: date must come before the before: date.");
    if (!error.isEmpty()) {
        query = SearchQuery();
        query.m_error = error;
    }
    return query;
}

QString SearchQuery::take(bool negated, const QString& name, const QString& value, bool quoted)
{
    const QString operatorName = name + QLatin1Char(':');
    if (name.isEmpty() || name == QLatin1String("from") || name == QLatin1String("to")
        || name == QLatin1String("subject")) {
        if (value.isEmpty())
            return name.isEmpty() ? QString() : QCoreApplication::translate("SearchQuery", "%1 needs a word or a \"phrase\".").arg(operatorName);
        SearchTerm term;
        term.text = value;
        term.phrase = quoted;
        term.negated = negated;
        if (!quoted && value.size() > 1 && value.endsWith(QLatin1Char('*'))) {
            term.text.chop(1);
            term.prefix = true;
        }
        if (name == QLatin1String("from"))
            term.field = SearchTerm::Field::From;
        else if (name == QLatin1String("to"))
            term.field = SearchTerm::Field::To;
        else if (name == QLatin1String("subject"))
            term.field = SearchTerm::Field::Subject;
        if (term.text == QLatin1String("*") || term.text == QLatin1String("-"))
            return QString();
        m_terms.append(term);
        return QString();
    }
    if (!Scanner::isOperator(name))
        return QCoreApplication::translate("SearchQuery", "Unknown operator %1 (known: from:, to:, subject:, has:, kind:, after:, before:, folder:).")
            .arg(operatorName);
    if (negated)
        return QCoreApplication::translate("SearchQuery", "%1 cannot be excluded with \"-\".").arg(operatorName);
    if (value.isEmpty())
        return QCoreApplication::translate("SearchQuery", "%1 needs a value.").arg(operatorName);
    if (name == QLatin1String("has")) {
        if (value.compare(QLatin1String("attachment"), Qt::CaseInsensitive) != 0)
            return QCoreApplication::translate("SearchQuery", "has: takes only \"attachment\", not \"%1\".").arg(value);
        m_requiresAttachment = true;
    } else if (name == QLatin1String("kind")) {
        for (const KindName& kind : kKinds) {
            if (value.compare(QLatin1String(kind.name), Qt::CaseInsensitive) == 0) {
                m_itemType = kind.type;
                return QString();
            }
        }
        return QCoreApplication::translate("SearchQuery", "Unknown kind \"%1\" (known: %2).").arg(value, kindList());
    } else if (name == QLatin1String("after") || name == QLatin1String("before")) {
        const std::optional<QDate> date = parseDate(value);
        if (!date)
            return QCoreApplication::translate("SearchQuery", "%1 needs a date written YYYY-MM-DD, not \"%2\".").arg(operatorName, value);
        std::optional<QDate>& bound = name == QLatin1String("after") ? m_after : m_before;
        const bool tighter = !bound || (name == QLatin1String("after") ? *date > *bound : *date < *bound);
        if (tighter)
            bound = date;
    } else if (name == QLatin1String("folder")) {
        m_folder = value;
    }
    return QString();
}

bool SearchQuery::hasCriteria() const
{
    return !m_terms.isEmpty() || m_itemType || m_after || m_before || !m_folder.isEmpty() || m_requiresAttachment;
}

QStringList SearchQuery::highlightTerms() const
{
    QStringList words;
    for (const SearchTerm& term : m_terms) {
        if (!term.negated && !words.contains(term.text))
            words << term.text;
    }
    return words;
}
