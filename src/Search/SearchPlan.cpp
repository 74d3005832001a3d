// SPDX-License-Identifier: GPL-2.0-or-later
#include "SearchPlan.h"

#include "SearchHit.h"
#include "SearchStorage.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// Bytes of text shown before and after the first match in a snippet.
constexpr int kSnippetBefore = 60;
constexpr int kSnippetAfter = 180;
// How far a snippet's ends move to reach a space rather than cut a word.
constexpr int kWordSnap = 24;

const char* const kColumnNames[] = {"subject", "sender", "recipients", "body", "attachments"};

int columnsOf(SearchTerm::Field field)
{
    switch (field) {
    case SearchTerm::Field::From: return SearchPlan::Sender;
    case SearchTerm::Field::To: return SearchPlan::Recipients;
    case SearchTerm::Field::Subject: return SearchPlan::Subject;
    case SearchTerm::Field::Any: break;
    }
    return SearchPlan::AllColumns;
}

// "{sender recipients} : " for a column subset, "" for all of them.
QString columnFilter(int columns)
{
    if (columns == SearchPlan::AllColumns)
        return QString();
    QStringList names;
    for (int i = 0; i < 5; ++i) {
        if (columns & (1 << i))
            names << QLatin1String(kColumnNames[i]);
    }
    return QStringLiteral("{%1} : ").arg(names.join(QLatin1Char(' ')));
}

QString quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString joined(const QStringList& parts, const char* glue)
{
    return parts.size() == 1 ? parts.first() : QLatin1Char('(') + parts.join(QLatin1String(glue)) + QLatin1Char(')');
}

bool matchesToken(const QByteArray& token, const QByteArray& wanted, bool prefix)
{
    return prefix ? token.startsWith(wanted) : token == wanted;
}

bool isAscii(const QByteArray& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isAsciiAlnum(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Copies `size` bytes of ASCII text to `to` in lower case, eight at a time
// (the longest part of a phrase check); false, with `to` undefined, when
// the text holds other characters.
bool foldAscii(const char* from, char* to, size_t size)
{
    constexpr quint64 kOnes = 0x0101010101010101ull;
    constexpr quint64 kHighBits = 0x80 * kOnes;
    quint64 high = 0;
    size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 bytes;
        std::memcpy(&bytes, from + i, 8);
        high |= bytes;
        // Per byte (below 0x80, so no carry crosses bytes): the high bit
        // of the first sum says "at least 'A'", of the second "above 'Z'".
        const quint64 capitals = (bytes + (0x80 - 'A') * kOnes) & ~(bytes + (0x80 - 'Z' - 1) * kOnes) & kHighBits;
        bytes |= capitals >> 2;
        std::memcpy(to + i, &bytes, 8);
    }
    if (high & kHighBits)
        return false;
    for (; i < size; ++i) {
        const auto c = static_cast<unsigned char>(from[i]);
        if (c >= 0x80)
            return false;
        to[i] = char(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    }
    return true;
}

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

const QByteArray& SearchPlan::Texts::column(Column which) const
{
    switch (which) {
    case Subject: return subject;
    case Sender: return sender;
    case Recipients: return recipients;
    case Body: return body;
    case Attachments:
    case AllColumns: break;
    }
    return attachments;
}

SearchPlan::SearchPlan(const SearchQuery& query, const FtsTokenizer& tokenizer) : m_tokenizer(tokenizer)
{
    if (!query.isValid())
        return;
    for (const SearchTerm& term : query.terms())
        addTerm(term);
    if (!m_positive.isEmpty()) {
        m_wordsMatch = m_positive.join(QLatin1String(" AND "));
        if (!m_excluded.isEmpty())
            m_wordsMatch = QLatin1Char('(') + m_wordsMatch + QStringLiteral(") NOT ") + joined(m_excluded, " OR ");
    } else if (!m_excluded.isEmpty()) {
        m_excludedMatch = m_excluded.join(QLatin1String(" OR "));
    }
    m_gramsMatch = m_grams.join(QLatin1String(" AND "));
    m_empty = m_wordsMatch.isEmpty() && m_gramsMatch.isEmpty() && m_excludedMatch.isEmpty() && m_checks.isEmpty()
        && !query.itemType() && !query.after() && !query.before() && query.folder().isEmpty()
        && !query.requiresAttachment();
}

void SearchPlan::addTerm(const SearchTerm& term)
{
    const int columns = columnsOf(term.field);
    if (SearchStorage::containsCjk(term.text)) {
        addCjkTerm(term, columns);
        return;
    }
    const QList<QByteArray> words = m_tokenizer.words(term.text);
    if (words.isEmpty())
        return;
    const QString filter = columnFilter(columns);
    if (words.size() == 1) {
        const QString word = filter + quoted(QString::fromUtf8(words.first())) + (term.prefix ? QStringLiteral(" *") : QString());
        (term.negated ? m_excluded : m_positive) << word;
    } else {
        // Without positions in the index, all the words must be there and
        // the row's text then shows whether they stand in this order.
        if (!term.negated) {
            for (qsizetype i = 0; i < words.size(); ++i) {
                const bool prefix = term.prefix && i == words.size() - 1;
                m_positive << filter + quoted(QString::fromUtf8(words.at(i))) + (prefix ? QStringLiteral(" *") : QString());
            }
        }
        m_checks.append({columns, words, QString(), term.prefix, term.negated, std::all_of(words.begin(), words.end(), isAscii)});
    }
    if (!term.negated) {
        for (qsizetype i = 0; i < words.size(); ++i) {
            const bool prefix = term.prefix && i == words.size() - 1;
            (prefix ? m_markPrefixes : m_markWords).append(words.at(i));
        }
    }
}

void SearchPlan::addCjkTerm(const SearchTerm& term, int columns)
{
    const QString text = term.text;
    m_checks.append({columns, {}, text, false, term.negated, false});
    if (term.negated)
        return;
    m_markSubstrings << text;
    const QList<uint> points = text.toUcs4();
    if (points.size() < 3) {
        // Shorter than a trigram: the texts of every item with CJK text are
        // searched one by one.
        m_needsCjk = true;
        return;
    }
    const QString filter = columnFilter(columns);
    for (qsizetype i = 0; i + 3 <= points.size(); ++i) {
        const QString gram = filter + quoted(QString::fromUcs4(reinterpret_cast<const char32_t*>(points.constData() + i), 3));
        if (!m_grams.contains(gram))
            m_grams << gram;
    }
}

bool SearchPlan::accepts(const Texts& texts) const
{
    for (const Check& check : m_checks) {
        if (holds(check, texts) == check.negated)
            return false;
    }
    return true;
}

bool SearchPlan::holds(const Check& check, const Texts& texts) const
{
    for (int i = 0; i < 5; ++i) {
        const auto column = Column(1 << i);
        if (!(check.columns & column))
            continue;
        const QByteArray& text = texts.column(column);
        if (text.isEmpty())
            continue;
        if (!check.substring.isEmpty()) {
            // Case folding beyond ASCII needs the text as characters; only
            // items with CJK text get here.
            if (QString::fromUtf8(text).contains(check.substring, Qt::CaseInsensitive))
                return true;
            continue;
        }
        if (containsSequence(text, check))
            return true;
    }
    return false;
}

bool SearchPlan::containsSequence(const QByteArray& utf8, const Check& check) const
{
    if (check.asciiTokens) {
        if (const std::optional<bool> found = containsAsciiSequence(utf8, check))
            return *found;
    }
    const qsizetype length = check.tokens.size();
    // How many words of the sequence each match under way has seen.
    QList<qsizetype> partial;
    bool found = false;
    m_tokenizer.forEachToken(utf8, [&](const FtsTokenizer::Token& token) {
        partial.append(0);
        qsizetype kept = 0;
        for (const qsizetype seen : std::as_const(partial)) {
            if (!matchesToken(token.folded, check.tokens.at(seen), check.prefixLast && seen == length - 1))
                continue;
            if (seen + 1 == length)
                found = true;
            partial[kept++] = seen + 1;
        }
        partial.resize(kept);
        return !found;
    });
    return found;
}

std::optional<bool> SearchPlan::containsAsciiSequence(const QByteArray& text, const Check& check)
{
    // In ASCII text the words are the runs of letters and digits, folded
    // to lower case (as the tokenizer makes them): each place the first
    // word stands as a word is followed up, past the characters between
    // words, to see whether the rest come next. The folded copy goes to a
    // buffer kept between calls: a query checks many texts.
    thread_local std::string lower;
    const size_t size = size_t(text.size());
    lower.resize(size);
    if (!foldAscii(text.constData(), lower.data(), size))
        return std::nullopt;
    const std::string_view view(lower);
    const qsizetype length = check.tokens.size();
    const auto wordEnd = [&](size_t at) {
        while (at < size && isAsciiAlnum(view[at]))
            ++at;
        return at;
    };
    const auto matches = [&](size_t start, size_t end, qsizetype k) {
        const QByteArray& wanted = check.tokens.at(k);
        const size_t wantedSize = size_t(wanted.size());
        const bool prefix = check.prefixLast && k == length - 1;
        if (prefix ? end - start < wantedSize : end - start != wantedSize)
            return false;
        return view.compare(start, wantedSize, std::string_view(wanted.constData(), wantedSize)) == 0;
    };
    const std::string_view first(check.tokens.first().constData(), size_t(check.tokens.first().size()));
    for (size_t at = view.find(first); at != std::string_view::npos; at = view.find(first, at + 1)) {
        if (at > 0 && isAsciiAlnum(view[at - 1]))
            continue;
        size_t end = wordEnd(at);
        bool found = matches(at, end, 0);
        for (qsizetype k = 1; found && k < length; ++k) {
            size_t start = end;
            while (start < size && !isAsciiAlnum(view[start]))
                ++start;
            end = wordEnd(start);
            found = start < size && matches(start, end, k);
        }
        if (found)
            return true;
    }
    return false;
}

QString SearchPlan::snippet(const Texts& texts) const
{
    for (const Column column : {Body, Attachments, Recipients}) {
        const QString marked = snippetOf(texts.column(column));
        if (!marked.isEmpty())
            return marked;
    }
    // No match to show: the start of the body. A character takes at most
    // four bytes, so these bytes hold the characters shown and one more.
    const qsizetype enough = 4 * (kSnippetAfter + 1);
    const QString head = QString::fromUtf8(texts.body.left(enough));
    const QString start = head.left(kSnippetAfter).simplified();
    return head.size() > kSnippetAfter ? start + QChar(0x2026) : start;
}

QString SearchPlan::snippetOf(const QByteArray& utf8) const
{
    if (utf8.isEmpty())
        return QString();
    QList<QPair<int, int>> ranges;
    for (const QString& substring : m_markSubstrings) {
        const QByteArray wanted = substring.toUtf8();
        for (int at = int(utf8.indexOf(wanted)); at >= 0; at = int(utf8.indexOf(wanted, at + wanted.size())))
            ranges.append({at, at + int(wanted.size())});
    }
    int first = ranges.isEmpty() ? int(utf8.size()) : std::min_element(ranges.begin(), ranges.end())->first;
    if (!m_markWords.isEmpty() || !m_markPrefixes.isEmpty()) {
        // Words past the end of the snippet need not be read.
        m_tokenizer.forEachToken(utf8, [&](const FtsTokenizer::Token& token) {
            if (token.start > first + kSnippetAfter)
                return false;
            const bool marked = m_markWords.contains(token.folded)
                || std::any_of(m_markPrefixes.begin(), m_markPrefixes.end(),
                               [&](const QByteArray& prefix) { return token.folded.startsWith(prefix); });
            if (marked) {
                ranges.append({token.start, token.end});
                first = std::min(first, token.start);
            }
            return true;
        });
    }
    if (ranges.isEmpty())
        return QString();
    std::sort(ranges.begin(), ranges.end());
    int begin = std::max(0, ranges.first().first - kSnippetBefore);
    int end = std::min(int(utf8.size()), ranges.first().first + kSnippetAfter);
    while (begin > 0 && isContinuationByte(utf8.at(begin)))
        ++begin;
    while (end < utf8.size() && isContinuationByte(utf8.at(end)))
        --end;
    for (int i = begin; begin > 0 && i < std::min(begin + kWordSnap, ranges.first().first); ++i) {
        if (QChar::isSpace(uchar(utf8.at(i)))) {
            begin = i + 1;
            break;
        }
    }
    for (int i = end; end < utf8.size() && i > std::max(end - kWordSnap, ranges.first().second); --i) {
        if (QChar::isSpace(uchar(utf8.at(i)))) {
            end = i;
            break;
        }
    }
    QByteArray result;
    int at = begin;
    for (const auto& range : ranges) {
        if (range.first < at || range.second > end)
            continue;
        result += utf8.mid(at, range.first - at);
        result += QString(SearchHit::kMatchStart).toUtf8() + utf8.mid(range.first, range.second - range.first)
            + QString(SearchHit::kMatchEnd).toUtf8();
        at = range.second;
    }
    result += utf8.mid(at, end - at);
    QString snippet = QString::fromUtf8(result).simplified();
    if (begin > 0)
        snippet.prepend(QChar(0x2026));
    if (end < utf8.size())
        snippet.append(QChar(0x2026));
    return snippet;
}
