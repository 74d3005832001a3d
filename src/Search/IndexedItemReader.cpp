// SPDX-License-Identifier: GPL-2.0-or-later
#include "IndexedItemReader.h"

#include "ItemFactory.h"
#include "MessageBody.h"
#include "PstDataConverter.h"
#include "PstMailItem.h"

#include <QHash>
#include <QObject>
#include <QStringList>

namespace {

// The names of the character references for U+00A0 to U+00FF, in order.
const char* const kLatin1Entities[] = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",   "ordf",
    "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",
    "para",   "middot", "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave",
    "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",
    "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",
    "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",  "agrave", "aacute",
    "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave",
    "iacute", "icirc",  "iuml",   "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml",
};

const QHash<QString, char32_t>& entities()
{
    static const QHash<QString, char32_t> table = [] {
        QHash<QString, char32_t> names{
            {"amp", '&'},       {"lt", '<'},         {"gt", '>'},         {"quot", '"'},       {"apos", '\''},
            {"hellip", 0x2026}, {"mdash", 0x2014},   {"ndash", 0x2013},   {"lsquo", 0x2018},   {"rsquo", 0x2019},
            {"ldquo", 0x201C},  {"rdquo", 0x201D},   {"sbquo", 0x201A},   {"bdquo", 0x201E},   {"bull", 0x2022},
            {"euro", 0x20AC},   {"trade", 0x2122},   {"oelig", 0x0153},   {"OElig", 0x0152},   {"scaron", 0x0161},
            {"Scaron", 0x0160}, {"zwnj", 0x200C},    {"zwj", 0x200D},     {"ensp", 0x2002},    {"emsp", 0x2003},
            {"thinsp", 0x2009}, {"dagger", 0x2020},  {"rarr", 0x2192},    {"larr", 0x2190},
        };
        for (int i = 0; i < 96; ++i)
            names.insert(QLatin1String(kLatin1Entities[i]), char32_t(0xA0 + i));
        return names;
    }();
    return table;
}

// Tags that end a line of text where they stand.
bool breaksLine(const QString& name)
{
    static const QStringList blocks{"br", "p", "div", "tr", "li", "h1", "h2", "h3", "h4", "h5", "h6", "table",
                                    "blockquote", "hr", "pre", "ul", "ol", "dl", "dt", "dd", "address", "section",
                                    "article", "header", "footer"};
    return blocks.contains(name);
}

// Tags whose content is never shown.
bool hidesContent(const QString& name)
{
    return name == QLatin1String("script") || name == QLatin1String("style") || name == QLatin1String("head")
        || name == QLatin1String("title") || name == QLatin1String("template");
}

class HtmlText
{
public:
    explicit HtmlText(const QString& html) : m_html(html) { m_text.reserve(html.size() / 2); }

    QString text()
    {
        while (m_pos < m_html.size()) {
            const QChar c = m_html.at(m_pos);
            if (c == QLatin1Char('<'))
                readTag();
            else if (c == QLatin1Char('&'))
                readReference();
            else
                appendChar(c), ++m_pos;
        }
        return m_text.trimmed();
    }

private:
    void appendChar(QChar c)
    {
        if (c.isSpace() && c != QChar(0xA0)) {
            appendSpace(QLatin1Char(' '));
            return;
        }
        m_text.append(c);
    }
    void appendSpace(QChar space)
    {
        if (m_text.isEmpty())
            return;
        const QChar last = m_text.back();
        if (last == QLatin1Char('\n'))
            return;
        if (last == QLatin1Char(' ')) {
            m_text.back() = space;
            return;
        }
        m_text.append(space);
    }

    void readTag()
    {
        if (m_html.mid(m_pos, 4) == QLatin1String("<!--")) {
            const qsizetype end = m_html.indexOf(QLatin1String("-->"), m_pos + 4);
            m_pos = end < 0 ? m_html.size() : end + 3;
            return;
        }
        qsizetype at = m_pos + 1;
        const bool closing = at < m_html.size() && m_html.at(at) == QLatin1Char('/');
        if (closing)
            ++at;
        const qsizetype nameStart = at;
        while (at < m_html.size() && (m_html.at(at).isLetterOrNumber() || m_html.at(at) == QLatin1Char(':')))
            ++at;
        const QString name = m_html.mid(nameStart, at - nameStart).toLower();
        if (name.isEmpty() && !(at < m_html.size() && (m_html.at(at) == QLatin1Char('!') || m_html.at(at) == QLatin1Char('?')))) {
            // A lone "<" is text.
            appendChar(QLatin1Char('<'));
            ++m_pos;
            return;
        }
        m_pos = endOfTag(at);
        if (!closing && hidesContent(name)) {
            const qsizetype end = m_html.indexOf(QStringLiteral("</") + name, m_pos, Qt::CaseInsensitive);
            m_pos = end < 0 ? m_html.size() : endOfTag(end + 2 + name.size());
            return;
        }
        if (breaksLine(name))
            appendSpace(QLatin1Char('\n'));
        else if (name == QLatin1String("td") || name == QLatin1String("th") || name == QLatin1String("img"))
            appendSpace(QLatin1Char(' '));
    }

    // The position after the ">" that closes the tag, quoted values skipped.
    // As in a browser, a quote opens a value only after "=": a stray one
    // (link="#c00 vlink="#c00" ...) is part of a name and hides no text.
    qsizetype endOfTag(qsizetype at) const
    {
        QChar quote;
        QChar previous;
        for (; at < m_html.size(); ++at) {
            const QChar c = m_html.at(at);
            if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
            } else if ((c == QLatin1Char('"') || c == QLatin1Char('\'')) && previous == QLatin1Char('=')) {
                quote = c;
            } else if (c == QLatin1Char('>')) {
                return at + 1;
            }
            if (!c.isSpace())
                previous = quote.isNull() ? c : QChar();
        }
        return m_html.size();
    }

    void readReference()
    {
        constexpr int kLongestName = 10;
        const qsizetype semicolon = m_html.indexOf(QLatin1Char(';'), m_pos + 1);
        if (semicolon < 0 || semicolon - m_pos > kLongestName) {
            appendChar(QLatin1Char('&'));
            ++m_pos;
            return;
        }
        const QString name = m_html.mid(m_pos + 1, semicolon - m_pos - 1);
        char32_t code = 0;
        if (name.startsWith(QLatin1Char('#'))) {
            bool ok = false;
            const bool hex = name.size() > 1 && (name.at(1) == QLatin1Char('x') || name.at(1) == QLatin1Char('X'));
            code = char32_t(hex ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok, 10));
            if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
                code = 0;
        } else {
            code = entities().value(name, 0);
        }
        if (code == 0) {
            appendChar(QLatin1Char('&'));
            ++m_pos;
            return;
        }
        m_pos = semicolon + 1;
        if (code == 0xA0 || (code < 0x10000 && QChar(char16_t(code)).isSpace())) {
            appendSpace(QLatin1Char(' '));
            return;
        }
        m_text.append(QString::fromUcs4(&code, 1));
    }

    const QString& m_html;
    QString m_text;
    qsizetype m_pos = 0;
};

QDateTime fromSeconds(const PstItem& item, const QString& key)
{
    const qint64 seconds = qint64(item.property(key).toULongLong());
    return seconds > 0 ? QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC) : QDateTime();
}

// The date the item list shows for the item.
QDateTime listDate(const PstItem& item)
{
    QStringList keys;
    switch (item.type()) {
    case Mail: keys = {"sentDate", "arrivalDate", "reportTime"}; break;
    case Calendar: keys = {"startDate"}; break;
    case Task: keys = {"startDate", "dueDate"}; break;
    case Note: keys = {"createDate", "modifyDate"}; break;
    case Journal: keys = {"createDate", "startTime"}; break;
    default: break;
    }
    for (const QString& key : keys) {
        const QDateTime date = fromSeconds(item, key);
        if (date.isValid())
            return date;
    }
    return QDateTime();
}

QString joinedLines(const QStringList& parts)
{
    QStringList kept;
    for (const QString& part : parts) {
        if (!part.trimmed().isEmpty())
            kept << part;
    }
    return kept.join(QLatin1Char('\n'));
}

QString mailBody(const pst_item* record)
{
    if (!record)
        return QString();
    const pst_item_email* email = record->email;
    const bool hasHtml = email && email->htmlbody.str && email->htmlbody.str[0];
    const bool hasRtf = email && email->rtf_compressed.data && email->rtf_compressed.size > 0;
    // Most mails keep a plain body alone, which is what the view shows:
    // no page to build and take apart again.
    if (!hasHtml && !hasRtf)
        return PstDataConverter::toQString(record->body, PstDataConverter::recordCodePage(record));
    const MessageBody::Choice choice = MessageBody::choose(record);
    if (choice.source == MessageBody::Source::Plain)
        return PstDataConverter::toQString(record->body, PstDataConverter::recordCodePage(record));
    if (choice.source == MessageBody::Source::None)
        return QString();
    return IndexedItemReader::htmlToText(choice.html);
}

// Every text value the item shows but its subject and note: a contact's
// names, companies, addresses and numbers, a place, an owner, list members.
QString fieldTexts(const PstItem& item)
{
    QStringList values;
    for (auto it = item.properties().cbegin(); it != item.properties().cend(); ++it) {
        if (it.key() == QLatin1String("subject") || it.key() == QLatin1String("note"))
            continue;
        if (it.value().typeId() == QMetaType::QString)
            values << it.value().toString();
        else if (it.value().typeId() == QMetaType::QStringList)
            values << it.value().toStringList();
    }
    return joinedLines(values);
}

} // namespace

QString IndexedItemReader::htmlToText(const QString& html)
{
    return HtmlText(html).text();
}

IndexedItem IndexedItemReader::read(const PstItem& item, const pst_item* record, const QString& folderPath)
{
    IndexedItem entry;
    entry.nodeId = item.pstTree() ? item.pstTree()->d_id : item.fileId();
    entry.folderPath = folderPath;
    entry.itemType = item.type();
    entry.date = listDate(item);
    entry.size = item.property(QStringLiteral("messageSize")).toLongLong();
    entry.subject = item.subject();
    if (item.type() == Mail) {
        const auto& mail = static_cast<const PstMailItem&>(item);
        entry.sender = joinedLines({mail.sender(), mail.senderAddr()});
        entry.recipients = joinedLines({mail.recipients(), mail.cc(), mail.bcc()});
        entry.hasAttachment = mail.hasAttachment();
        QStringList names;
        for (const auto& attachment : mail.attachments())
            names << attachment->name;
        entry.attachmentNames = joinedLines(names);
        entry.body = mailBody(record);
        return entry;
    }
    if (item.type() == Contact || entry.subject.isEmpty()) {
        // A contact is found and listed by its name; a nameless one has none.
        const QString name = item.displayName();
        entry.subject = name == QObject::tr("Empty name") ? QString() : name;
    }
    const QString note = record ? MessageBody::noteText(record) : item.note();
    entry.body = joinedLines({fieldTexts(item), note});
    return entry;
}

bool IndexedItemReader::read(pst_file* file, pst_desc_tree* node, pst_item* record, const QString& folderPath,
                             IndexedItem* entry)
{
    ItemFactory factory;
    const std::shared_ptr<PstItem> item = factory.createItem(file, node, record);
    if (!item || item->type() == Folder)
        return false;
    *entry = read(*item, record, folderPath);
    if (node)
        entry->nodeId = node->d_id;
    return true;
}
