// SPDX-License-Identifier: GPL-2.0-or-later
// Header text operations and the small encoders of the MIME writer.

#include "readpst.h"
#include "readpst_internal.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <strings.h>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// Header names that mark a stored header text as real even when its first
// field is not strictly well formed.
char const* const kKnownHeaderStarts[] = {
    "Content-Language: ", "Content-Type: ", "DKIM-Signature: ", "Date: ", "Delivered-To: ",
    "From: ", "MIME-Version: ", "Microsoft Mail Internet Headers", "Received: ", "Return-Path: ",
    "Subject: ", "To: ", "User-Agent: ", "X-ASG-Debug-ID: ", "X-Barracuda-URL: ", "X-x: ",
};

bool is_upper(unsigned char c) { return c >= 'A' && c <= 'Z'; }
bool is_alnum(unsigned char c) { return is_upper(c) || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }
bool is_blank(char c) { return c == ' ' || c == '\t'; }

// Case-insensitive search for needle in [begin, end).
char* find_caseless(char* begin, char* end, char const* needle)
{
    size_t const length = strlen(needle);
    for (char* p = begin; p + length <= end; ++p) {
        if (strncasecmp(p, needle, length) == 0)
            return p;
    }
    return nullptr;
}

char* end_of_text(char* text) { return text + strlen(text); }

} // namespace

namespace readpst_detail {

void write_single_line(FILE* out, char const* text)
{
    if (!text)
        return;
    // Runs of printable bytes go out whole, each control byte as a blank.
    char const* run = text;
    for (char const* p = text;; ++p) {
        unsigned char const c = static_cast<unsigned char>(*p);
        if (c >= 32 && c != 127)
            continue;
        fwrite(run, 1, size_t(p - run), out);
        if (c == 0)
            return;
        fputc(' ', out);
        run = p + 1;
    }
}

char* copy_string(char const* text)
{
    char* copy = strdup(text ? text : "");
    if (!copy)
        abort();
    return copy;
}

} // namespace readpst_detail

bool header_match(char* text, char const* name)
{
    size_t const length = strlen(name);
    if (strncasecmp(text, name, length) == 0)
        return true;
    if (length == 0 || name[length - 1] != ' ')
        return false;
    // "Subject:\r\n\tvalue": the value is folded onto the next line.
    if (strncasecmp(text, name, length - 1) != 0)
        return false;
    char const* rest = text + length - 1;
    return strncmp(rest, "\r\n\t", 3) == 0 || strncmp(rest, "\r\n ", 3) == 0;
}

bool header_is_reasonable(char* text)
{
    unsigned char const* p = reinterpret_cast<unsigned char const*>(text);
    if (!is_upper(*p))
        return false;
    ++p;
    while (is_alnum(*p) || *p == '-')
        ++p;
    if (*p != ':')
        return false;
    ++p;
    for (;;) {
        if (p[0] == '\r' && p[1] == '\n') {
            if (!is_blank(static_cast<char>(p[2])))
                return true;
            p += 3;
        } else if (*p == ' ' || *p == '\t' || (*p >= 33 && *p <= 126)) {
            ++p;
        } else {
            return false;
        }
    }
}

bool valid_headers(char* text)
{
    if (!text)
        return false;
    for (char const* name : kKnownHeaderStarts) {
        if (header_match(text, name))
            return true;
    }
    return header_is_reasonable(text);
}

char* header_get_field(char* header, char const* field)
{
    if (!header || !field || field[0] != '\n')
        return nullptr;
    // The first field of the text has no line feed before it.
    if (strncasecmp(header, field + 1, strlen(field + 1)) == 0)
        return header;
    return find_caseless(header, end_of_text(header), field);
}

char* header_end_field(char* field)
{
    if (!field || !*field)
        return nullptr;
    for (char* p = strchr(field + 1, '\n'); p; p = strchr(p + 1, '\n')) {
        if (!is_blank(p[1]))
            return p;
    }
    return nullptr;
}

void header_has_field(char* header, char const* field, int* flag)
{
    if (header_get_field(header, field))
        *flag = 1;
}

void header_get_subfield(char* field, char const* name, char* out, size_t size)
{
    if (!field || !name || !out || size == 0)
        return;
    char* fieldEnd = header_end_field(field);
    if (!fieldEnd)
        fieldEnd = end_of_text(field);

    // " name=", where folded headers put a tab instead of the blank.
    size_t const nameLength = strlen(name);
    char* value = nullptr;
    for (char* p = field; p + nameLength + 2 <= fieldEnd; ++p) {
        if (is_blank(p[0]) && strncasecmp(p + 1, name, nameLength) == 0 && p[1 + nameLength] == '=') {
            value = p + nameLength + 2;
            break;
        }
    }
    if (!value)
        return;

    char* valueEnd;
    if (*value == '"') {
        ++value;
        valueEnd = static_cast<char*>(memchr(value, '"', fieldEnd > value ? fieldEnd - value : 0));
    } else {
        valueEnd = value;
        while (valueEnd < fieldEnd && *valueEnd != ';' && *valueEnd != '\n')
            ++valueEnd;
        while (valueEnd > value && is_blank(valueEnd[-1]))
            --valueEnd;
    }
    if (!valueEnd || valueEnd > fieldEnd)
        valueEnd = fieldEnd;
    if (valueEnd < value)
        valueEnd = value;

    size_t length = static_cast<size_t>(valueEnd - value);
    if (length > size - 1)
        length = size - 1;
    memcpy(out, value, length);
    out[length] = '\0';
}

void header_strip_field(char* header, char const* field)
{
    if (!header || !field || field[0] != '\n')
        return;
    while (*header && strncasecmp(header, field + 1, strlen(field + 1)) == 0) {
        char* end = header_end_field(header);
        if (end)
            memmove(header, end + 1, strlen(end + 1) + 1);
        else
            header[0] = '\0';
    }
    for (char* start = find_caseless(header, end_of_text(header), field); start;
         start = find_caseless(header, end_of_text(header), field)) {
        char* end = header_end_field(start);
        // The line feed that ends the field stays: it ends the line before.
        if (end)
            memmove(start, end, strlen(end) + 1);
        else
            *start = '\0';
    }
}

void find_rfc822_headers(char** extraMimeHeaders)
{
    if (!extraMimeHeaders || !*extraMimeHeaders)
        return;
    static char const kRfc822[] = "message/rfc822";
    char* block = *extraMimeHeaders;
    for (;;) {
        char* blankLine = strstr(block, "\n\n");
        if (!blankLine) {
            *extraMimeHeaders = block;
            return;
        }
        blankLine[1] = '\0';
        char* next = blankLine + 2;
        char* field = header_get_field(block, "\nContent-Type:");
        if (field) {
            char* value = strchr(field + 1, ':') + 1;
            while (is_blank(*value))
                ++value;
            size_t length = strcspn(value, ";\n");
            while (length > 0 && is_blank(value[length - 1]))
                --length;
            if (length == sizeof(kRfc822) - 1 && strncasecmp(value, kRfc822, length) == 0) {
                *extraMimeHeaders = next;
                return;
            }
        }
        block = next;
    }
}

bool find_html_charset(char const* html, char* charset, size_t size)
{
    if (!charset || size == 0)
        return false;
    charset[0] = '\0';
    if (!html)
        return false;
    // The value may be quoted, as in HTML5's <meta charset="utf-8">.
    static QRegularExpression const metaCharset(
        QStringLiteral("<meta\\s+[^>]*(?:charset\\s*=\\s*[\"']?|content\\s*=\\s*\".*?charset=)([A-Za-z0-9_\\-]+)"),
        QRegularExpression::CaseInsensitiveOption);
    QRegularExpressionMatch const match = metaCharset.match(QString::fromUtf8(html));
    if (!match.hasMatch())
        return false;
    QByteArray const name = match.captured(1).trimmed().toUtf8();
    size_t const length = std::min(static_cast<size_t>(name.size()), size - 1);
    memcpy(charset, name.constData(), length);
    charset[length] = '\0';
    return length > 0;
}

char* quote_string(char const* text)
{
    if (!text)
        text = "";
    char* quoted = static_cast<char*>(malloc(2 * strlen(text) + 1));
    if (!quoted)
        abort();
    char* out = quoted;
    for (char const* p = text; *p; ++p) {
        if (*p == '"' || *p == '\\')
            *out++ = '\\';
        *out++ = *p;
    }
    *out = '\0';
    return quoted;
}

bool is_attribute_char(char c)
{
    unsigned char const u = static_cast<unsigned char>(c);
    return is_alnum(u) || (u != 0 && strchr("!#$&+-.^_`|~", u) != nullptr);
}

char* rfc2231_string(char const* text)
{
    static char const kPrefix[] = "utf-8''";
    if (!text)
        text = "";
    char* encoded = static_cast<char*>(malloc(sizeof(kPrefix) + 3 * strlen(text)));
    if (!encoded)
        abort();
    strcpy(encoded, kPrefix);
    char* out = encoded + sizeof(kPrefix) - 1;
    for (char const* p = text; *p; ++p) {
        if (is_attribute_char(*p)) {
            *out++ = *p;
        } else {
            out += sprintf(out, "%%%02x", static_cast<unsigned char>(*p));
        }
    }
    *out = '\0';
    return encoded;
}

namespace {

bool is_control_byte(unsigned char c) { return c < 32 && c != '\t' && c != '\n'; }

} // namespace

bool test_base64(char const* data, size_t size)
{
    size_t i = 0;
#ifdef __SSE2__
    // Sixteen bytes at a time: a long body is scanned at memory speed.
    __m128i const highestControl = _mm_set1_epi8(31);
    __m128i const tab = _mm_set1_epi8('\t');
    __m128i const lineFeed = _mm_set1_epi8('\n');
    for (; i + 16 <= size; i += 16) {
        __m128i const bytes = _mm_loadu_si128(reinterpret_cast<__m128i const*>(data + i));
        __m128i const control = _mm_cmpeq_epi8(_mm_min_epu8(bytes, highestControl), bytes);
        __m128i const allowed = _mm_or_si128(_mm_cmpeq_epi8(bytes, tab), _mm_cmpeq_epi8(bytes, lineFeed));
        if (_mm_movemask_epi8(_mm_andnot_si128(allowed, control)) != 0)
            return true;
    }
#endif
    for (; i < size; ++i) {
        if (is_control_byte(static_cast<unsigned char>(data[i])))
            return true;
    }
    return false;
}
