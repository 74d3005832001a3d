// SPDX-License-Identifier: GPL-2.0-or-later
// GLib's headers name struct members "signals", which Qt defines as a macro:
// they come first.
#include <gmime/gmime.h>

#include "MimeEntity.h"

#include <QHash>
#include <QObject>
#include <QRegularExpression>
#include <QSet>

#include <mutex>

namespace {

void initGMime()
{
    static std::once_flag once;
    std::call_once(once, [] { g_mime_init(); });
}

QString takeString(char* text)
{
    const QString result = text ? QString::fromUtf8(text) : QString();
    g_free(text);
    return result;
}

QByteArray streamBytes(GMimeStream* stream)
{
    GByteArray* bytes = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(stream));
    return bytes ? QByteArray(reinterpret_cast<const char*>(bytes->data), qsizetype(bytes->len)) : QByteArray();
}

QByteArray objectBytes(GMimeObject* object)
{
    GMimeStream* stream = g_mime_stream_mem_new();
    g_mime_object_write_to_stream(object, nullptr, stream);
    const QByteArray bytes = streamBytes(stream);
    g_object_unref(stream);
    return bytes;
}

QByteArray partBytes(GMimePart* part)
{
    GMimeDataWrapper* wrapper = g_mime_part_get_content(part);
    if (!wrapper)
        return QByteArray();
    GMimeStream* stream = g_mime_stream_mem_new();
    g_mime_data_wrapper_write_to_stream(wrapper, stream);
    const QByteArray bytes = streamBytes(stream);
    g_object_unref(stream);
    return bytes;
}

QString typeOf(GMimeObject* object)
{
    GMimeContentType* type = object ? g_mime_object_get_content_type(object) : nullptr;
    return type ? takeString(g_mime_content_type_get_mime_type(type)).toLower() : QString();
}

bool isAttachment(GMimeObject* object)
{
    GMimeContentDisposition* disposition = g_mime_object_get_content_disposition(object);
    return disposition && g_mime_content_disposition_is_attachment(disposition);
}

// Walks the parts: the first inline HTML and plain-text parts are the body,
// every other leaf is an attachment.
class PartWalker
{
public:
    explicit PartWalker(SmimeContent& content) : m_content(content) {}

    void walk(GMimeObject* object, int depth)
    {
        if (!object)
            return;
        if (depth > MimeEntity::kMaxDepth) {
            m_content.error = QObject::tr("The message nests its parts too deeply; the deepest were not read.");
            return;
        }
        if (GMIME_IS_MULTIPART(object))
            walkMultipart(GMIME_MULTIPART(object), depth);
        else if (GMIME_IS_MESSAGE_PART(object))
            addMessage(GMIME_MESSAGE_PART(object));
        else if (GMIME_IS_PART(object))
            addPart(GMIME_PART(object));
    }

private:
    void walkMultipart(GMimeMultipart* multipart, int depth)
    {
        const QString type = typeOf(GMIME_OBJECT(multipart));
        const int count = g_mime_multipart_get_count(multipart);
        if (type == QLatin1String("multipart/signed")) {
            if (count > 0)
                walk(g_mime_multipart_get_part(multipart, 0), depth + 1);
            return;
        }
        if (type == QLatin1String("multipart/alternative")) {
            // The richest alternative comes last; plain text only when there
            // is nothing richer.
            for (int i = count - 1; i >= 0; --i) {
                GMimeObject* part = g_mime_multipart_get_part(multipart, i);
                if (typeOf(part) != QLatin1String("text/plain")) {
                    walk(part, depth + 1);
                    if (!m_content.html.isEmpty())
                        break;
                }
            }
            for (int i = 0; i < count && m_content.text.isEmpty(); ++i) {
                GMimeObject* part = g_mime_multipart_get_part(multipart, i);
                if (typeOf(part) == QLatin1String("text/plain"))
                    walk(part, depth + 1);
            }
            return;
        }
        for (int i = 0; i < count; ++i)
            walk(g_mime_multipart_get_part(multipart, i), depth + 1);
    }

    void addMessage(GMimeMessagePart* part)
    {
        GMimeMessage* message = g_mime_message_part_get_message(part);
        SmimePart attached;
        attached.message = true;
        attached.mimeType = QStringLiteral("message/rfc822");
        const char* subject = message ? g_mime_message_get_subject(message) : nullptr;
        attached.name = (subject && *subject ? QString::fromUtf8(subject) : QObject::tr("Attached mail"))
            + QStringLiteral(".eml");
        if (message)
            attached.data = objectBytes(GMIME_OBJECT(message));
        m_content.attachments.append(attached);
    }

    void addPart(GMimePart* part)
    {
        GMimeObject* object = GMIME_OBJECT(part);
        const QString type = typeOf(object);
        const bool attachment = isAttachment(object);
        if (!attachment && GMIME_IS_TEXT_PART(object)) {
            QString* body = type == QLatin1String("text/html") ? &m_content.html
                : type == QLatin1String("text/plain")          ? &m_content.text
                                                               : nullptr;
            if (body && body->isEmpty()) {
                *body = takeString(g_mime_text_part_get_text(GMIME_TEXT_PART(part)));
                const char* charset = g_mime_text_part_get_charset(GMIME_TEXT_PART(part));
                if (charset && (m_content.charset.isEmpty() || body == &m_content.html))
                    m_content.charset = QString::fromUtf8(charset).toLower();
                return;
            }
        }
        SmimePart leaf;
        leaf.mimeType = type;
        const char* fileName = g_mime_part_get_filename(part);
        leaf.name = fileName ? QString::fromUtf8(fileName) : QString();
        const char* contentId = g_mime_part_get_content_id(part);
        leaf.contentId = contentId ? QString::fromUtf8(contentId) : QString();
        if (leaf.name.isEmpty())
            leaf.name = QObject::tr("part %1").arg(m_content.attachments.size() + 1);
        leaf.data = partBytes(part);
        m_content.attachments.append(leaf);
    }

    SmimeContent& m_content;
};

// Pictures the HTML names by "cid:" become data: URLs.
QString inlinePictures(const QString& html, const QList<SmimePart>& parts)
{
    static const QRegularExpression cidSource(QStringLiteral("src=([\"'])cid:([^\"']+)\\1"),
                                              QRegularExpression::CaseInsensitiveOption);
    QHash<QString, const SmimePart*> pictures;
    for (const SmimePart& part : parts) {
        if (part.mimeType.startsWith(QLatin1String("image/")) && !part.contentId.isEmpty())
            pictures.insert(part.contentId, &part);
    }
    if (pictures.isEmpty())
        return html;
    QString result = html;
    QSet<QString> done;
    QRegularExpressionMatchIterator matches = cidSource.globalMatch(html);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const SmimePart* picture = pictures.value(match.captured(2));
        if (!picture || done.contains(match.captured(0)))
            continue;
        done.insert(match.captured(0));
        result.replace(match.captured(0), QStringLiteral("src=\"data:%1;base64,%2\"")
                                              .arg(picture->mimeType, QString::fromLatin1(picture->data.toBase64())));
    }
    return result;
}

} // namespace

MimeEntity::MimeEntity(const QByteArray& bytes)
{
    initGMime();
    GMimeStream* stream = g_mime_stream_mem_new_with_buffer(bytes.constData(), size_t(bytes.size()));
    GMimeParser* parser = g_mime_parser_new_with_stream(stream);
    m_object = g_mime_parser_construct_part(parser, nullptr);
    g_object_unref(parser);
    g_object_unref(stream);
}

MimeEntity::~MimeEntity()
{
    if (m_object)
        g_object_unref(m_object);
}

QString MimeEntity::mimeType() const
{
    return typeOf(m_object);
}

QByteArray MimeEntity::decodedContent() const
{
    return m_object && GMIME_IS_PART(m_object) ? partBytes(GMIME_PART(m_object)) : QByteArray();
}

QByteArray MimeEntity::signedPart() const
{
    if (!m_object || !GMIME_IS_MULTIPART(m_object) || g_mime_multipart_get_count(GMIME_MULTIPART(m_object)) < 1)
        return QByteArray();
    return objectBytes(g_mime_multipart_get_part(GMIME_MULTIPART(m_object), 0));
}

void MimeEntity::readInto(SmimeContent& content) const
{
    PartWalker(content).walk(m_object, 0);
    if (!content.html.isEmpty())
        content.html = inlinePictures(content.html, content.attachments);
}
