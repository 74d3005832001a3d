// SPDX-License-Identifier: GPL-2.0-or-later
#include "MessageBody.h"

#include "PstDataConverter.h"
#include "PstMailItem.h"
#include "RtfDecompressor.h"
#include "RtfHtmlRecovery.h"
#include "RtfToHtml.h"

#include <QRegularExpression>

#include <cstdlib>
#include <cstring>

namespace {

bool hasText(const pst_string& value)
{
    return value.str && value.str[0];
}

void setUtf8(pst_string& target, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    char* copy = static_cast<char*>(std::malloc(size_t(bytes.size()) + 1));
    if (!copy)
        return;
    std::memcpy(copy, bytes.constData(), size_t(bytes.size()) + 1);
    std::free(target.str);
    target.str = copy;
    target.is_utf8 = 1;
}

// Mails and their kin carry an HTML body; the other kinds keep notes only.
bool takesHtmlBody(const pst_item* record)
{
    switch (record->type) {
    case PST_TYPE_CONTACT:
    case PST_TYPE_APPOINTMENT:
    case PST_TYPE_TASK:
    case PST_TYPE_JOURNAL:
    case PST_TYPE_STICKYNOTE:
        return false;
    default:
        return record->email != nullptr;
    }
}

QString plainTextOf(const pst_item* record)
{
    return PstDataConverter::toQString(record->body, PstDataConverter::recordCodePage(record));
}

} // namespace

QByteArray MessageBody::rtfOf(const pst_item* record)
{
    if (!record || !record->email || !record->email->rtf_compressed.data)
        return QByteArray();
    const pst_binary& stored = record->email->rtf_compressed;
    return RtfDecompressor::rtfOf(stored.data, qsizetype(stored.size));
}

bool MessageBody::hasOnlyRtfNote(const pst_item* record)
{
    return record && !hasText(record->body) && record->email && record->email->rtf_compressed.data
        && record->email->rtf_compressed.size > 0;
}

MessageBody::Choice MessageBody::choose(const pst_item* record)
{
    if (!record)
        return {Source::None, PstMailItem::plainTextPage(QString())};
    if (record->email) {
        const QString html = PstDataConverter::decodePstHtml(record->email->htmlbody);
        if (!html.isEmpty())
            return {Source::Html, html};
    }
    const QString plain = plainTextOf(record);
    const QByteArray rtf = rtfOf(record);
    const RtfReader::Encapsulation kind = RtfReader::encapsulationOf(rtf);
    if (kind == RtfReader::Encapsulation::Html) {
        const QString html = RtfHtmlRecovery::recover(rtf);
        if (!html.trimmed().isEmpty())
            return {Source::RtfHtml, declaredUtf8(html)};
    }
    if (!plain.isEmpty()) {
        if (kind == RtfReader::Encapsulation::None && !rtf.isEmpty()) {
            const RtfToHtml::Result native = RtfToHtml::convert(rtf);
            if (native.formatted)
                return {Source::NativeRtf, rtfPage(native.html)};
        }
        return {Source::Plain, PstMailItem::plainTextPage(plain)};
    }
    if (kind == RtfReader::Encapsulation::Text) {
        const QString text = RtfHtmlRecovery::recover(rtf);
        if (!text.isEmpty())
            return {Source::RtfText, PstMailItem::plainTextPage(text)};
    }
    if (!rtf.isEmpty()) {
        const RtfToHtml::Result native = RtfToHtml::convert(rtf);
        if (!native.html.isEmpty())
            return {Source::NativeRtf, rtfPage(native.html)};
    }
    return {Source::None, PstMailItem::plainTextPage(QString())};
}

void MessageBody::completeRecord(pst_item* record)
{
    if (!record || !record->email || hasText(record->email->htmlbody))
        return;
    const QByteArray rtf = rtfOf(record);
    if (rtf.isEmpty())
        return;
    const bool hasPlain = hasText(record->body);
    const bool htmlWanted = takesHtmlBody(record);
    QString html;
    QString text;
    switch (RtfReader::encapsulationOf(rtf)) {
    case RtfReader::Encapsulation::Html:
        if (htmlWanted)
            html = declaredUtf8(RtfHtmlRecovery::recover(rtf));
        if (!hasPlain)
            text = RtfToHtml::convert(rtf).text;
        break;
    case RtfReader::Encapsulation::Text:
        if (!hasPlain)
            text = RtfHtmlRecovery::recover(rtf);
        break;
    case RtfReader::Encapsulation::None: {
        const RtfToHtml::Result native = RtfToHtml::convert(rtf);
        if (htmlWanted && (native.formatted || !hasPlain) && !native.html.isEmpty())
            html = rtfPage(native.html);
        if (!hasPlain)
            text = native.text;
        break;
    }
    }
    if (!text.isEmpty())
        setUtf8(record->body, text);
    if (!html.trimmed().isEmpty())
        setUtf8(record->email->htmlbody, html);
}

QString MessageBody::noteText(const pst_item* record)
{
    if (!record)
        return QString();
    if (hasText(record->body))
        return plainTextOf(record);
    const QByteArray rtf = rtfOf(record);
    if (RtfReader::encapsulationOf(rtf) == RtfReader::Encapsulation::Text)
        return RtfHtmlRecovery::recover(rtf);
    return RtfToHtml::convert(rtf).text;
}

QString MessageBody::rtfPage(const QString& fragment)
{
    static const QString page = QStringLiteral(
        "<html><head><meta charset='utf-8'></head><body style='font-family:sans-serif;"
        "white-space:pre-wrap;word-wrap:break-word;'>%1</body></html>");
    return page.arg(fragment);
}

QString MessageBody::declaredUtf8(const QString& html)
{
    static const QRegularExpression charset(QStringLiteral("(<meta\\b[^>]*?charset\\s*=\\s*[\"']?)[A-Za-z0-9_.:-]+"),
                                            QRegularExpression::CaseInsensitiveOption);
    QString result = html;
    return result.replace(charset, QStringLiteral("\\1utf-8"));
}
