// SPDX-License-Identifier: GPL-2.0-or-later
#include "MimeCharset.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iconv.h>
#include <map>
#include <strings.h>

namespace {

struct Alias
{
    const char* name;
    const char* label;
};

// Names writers and libpst use that a mail reader may not know.
const Alias kAliases[] = {
    {"gb2313", "GBK"},        {"gb2312", "GBK"},         {"cp936", "GBK"},        {"windows-936", "GBK"},
    {"x-gbk", "GBK"},         {"cp54936", "gb18030"},    {"windows-54936", "gb18030"},
    {"cp932", "shift_jis"},   {"windows-31j", "shift_jis"}, {"windows-932", "shift_jis"}, {"ms932", "shift_jis"},
    {"sjis", "shift_jis"},    {"x-sjis", "shift_jis"},   {"cp949", "euc-kr"},     {"windows-949", "euc-kr"},
    {"ks_c_5601-1987", "euc-kr"}, {"cp950", "big5"},    {"windows-950", "big5"}, {"cp874", "tis-620"},
    {"windows-874", "tis-620"}, {"windows-10000", "macintosh"}, {"cp10000", "macintosh"},
    {"cp1250", "windows-1250"}, {"cp1251", "windows-1251"}, {"cp1252", "windows-1252"}, {"cp1253", "windows-1253"},
    {"cp1254", "windows-1254"}, {"cp1255", "windows-1255"}, {"cp1256", "windows-1256"}, {"cp1257", "windows-1257"},
    {"cp1258", "windows-1258"}, {"cp65001", "utf-8"},  {"utf8", "utf-8"},
};

// National standards and the Windows code page that extends each.
const Alias kDecoders[] = {
    {"shift_jis", "CP932"}, {"GBK", "GB18030"}, {"gb2312", "GB18030"}, {"big5", "CP950"},
    {"euc-kr", "CP949"},    {"tis-620", "CP874"}, {"iso-8859-1", "windows-1252"}, {"us-ascii", "windows-1252"},
};

std::string lower(std::string text)
{
    for (char& c : text)
        c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return text;
}

// The code page the 8-bit strings are stored in: the message's, else the
// internet one; 7-bit and EUC forms of an internet page stand for their
// Windows page.
int storedCodePage(const pst_item* item)
{
    const int page = item->message_codepage > 0 ? item->message_codepage : item->internet_cpid;
    switch (page) {
    case 50220: case 50221: case 50222: return 932;
    case 65000: return 0;
    default: return page;
    }
}

// Opening an iconv descriptor loads and sets up a converter, which costs
// more than converting a mail's body; each thread keeps the ones it opened.
class ConverterCache
{
public:
    ConverterCache() = default;
    ConverterCache(const ConverterCache&) = delete;
    ConverterCache& operator=(const ConverterCache&) = delete;
    ~ConverterCache()
    {
        for (auto* converters : {&m_converters, &m_fromUtf8}) {
            for (auto& entry : *converters) {
                if (entry.second != iconv_t(-1))
                    iconv_close(entry.second);
            }
        }
    }

    // The descriptor from `charset` to UTF-8, in its initial state;
    // iconv_t(-1) when iconv does not know the charset.
    iconv_t toUtf8(const std::string& charset) { return opened(m_converters, "UTF-8", charset); }
    // The descriptor from UTF-8 to `charset`, likewise.
    iconv_t fromUtf8(const std::string& charset) { return opened(m_fromUtf8, charset, "UTF-8"); }

    // Whether text of the bytes 1 to 127 stays byte for byte the same going
    // from `charset` to UTF-8 and from UTF-8 to it, through the conversions
    // the writers use. Stateful and wide encodings (UTF-7, UTF-16, ...)
    // and names iconv does not know are not.
    bool keepsAscii(const std::string& charset)
    {
        auto found = m_keepsAscii.find(charset);
        if (found == m_keepsAscii.end())
            found = m_keepsAscii.emplace(charset, measureKeepsAscii(charset)).first;
        return found->second;
    }

private:
    // Every pair of the bytes side by side, so that none that a charset
    // reads as a shift ("~{" in HZ) goes unseen.
    bool measureKeepsAscii(const std::string& charset)
    {
        std::string pairs;
        pairs.reserve(2 * 127 * 127);
        for (int first = 1; first < 128; ++first) {
            for (int second = 1; second < 128; ++second) {
                pairs += char(first);
                pairs += char(second);
            }
        }
        return keepsBytes(charset, pairs.data(), pairs.size());
    }

    bool keepsBytes(const std::string& charset, const char* ascii, size_t size)
    {
        std::string decoded;
        if (!MimeCharset::toUtf8(ascii, size, charset, &decoded) || decoded != std::string(ascii, size))
            return false;
        std::string encoded;
        return MimeCharset::fromUtf8(ascii, size, charset, &encoded) && encoded == std::string(ascii, size);
    }

    static iconv_t opened(std::map<std::string, iconv_t>& converters, const std::string& to, const std::string& from)
    {
        const std::string& charset = to == "UTF-8" ? from : to;
        auto found = converters.find(charset);
        if (found == converters.end())
            found = converters.emplace(charset, iconv_open(to.c_str(), from.c_str())).first;
        else if (found->second != iconv_t(-1))
            iconv(found->second, nullptr, nullptr, nullptr, nullptr);
        return found->second;
    }

    std::map<std::string, iconv_t> m_converters;
    std::map<std::string, iconv_t> m_fromUtf8;
    std::map<std::string, bool> m_keepsAscii;
};

ConverterCache& converters()
{
    thread_local ConverterCache cache;
    return cache;
}

} // namespace

bool MimeCharset::isAscii(const char* text, size_t length)
{
    // No early exit: the loop over whole blocks vectorizes.
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text);
    constexpr size_t kBlock = 64;
    size_t i = 0;
    for (; i + kBlock <= length; i += kBlock) {
        unsigned char high = 0;
        for (size_t j = 0; j < kBlock; ++j)
            high |= bytes[i + j];
        if (high & 0x80)
            return false;
    }
    unsigned char high = 0;
    for (; i < length; ++i)
        high |= bytes[i];
    return !(high & 0x80);
}

bool MimeCharset::keepsAscii(const std::string& charset)
{
    return converters().keepsAscii(charset);
}

std::string MimeCharset::labelFor(const pst_item* item)
{
    if (item && item->body_charset.str && *item->body_charset.str)
        return normalized(item->body_charset.str);
    const std::string label = item ? labelForCodePage(storedCodePage(item)) : std::string();
    return label.empty() ? std::string("windows-1252") : label;
}

std::string MimeCharset::labelForCodePage(int codePage)
{
    switch (codePage) {
    case 932: return "shift_jis";
    case 936: return "GBK";
    case 949: return "euc-kr";
    case 950: return "big5";
    case 874: return "tis-620";
    case 10000: return "macintosh";
    case 20127: return "us-ascii";
    case 20866: return "koi8-r";
    case 21866: return "koi8-u";
    case 51932: case 20932: return "euc-jp";
    case 52936: case 20936: return "gb2312";
    case 54936: return "gb18030";
    case 65001: return "utf-8";
    default: break;
    }
    if (codePage >= 1250 && codePage <= 1258)
        return "windows-" + std::to_string(codePage);
    if (codePage >= 28591 && codePage <= 28606 && codePage != 28604)
        return "iso-8859-" + std::to_string(codePage - 28590);
    return {};
}

std::string MimeCharset::normalized(const std::string& label)
{
    const std::string key = lower(label);
    for (const Alias& alias : kAliases) {
        if (key == alias.name)
            return alias.label;
    }
    return label;
}

std::string MimeCharset::decoderFor(const std::string& label)
{
    const std::string key = lower(normalized(label));
    for (const Alias& decoder : kDecoders) {
        if (key == lower(decoder.name))
            return decoder.label;
    }
    return normalized(label);
}

bool MimeCharset::toUtf8(const char* text, size_t length, const std::string& charset, std::string* out)
{
    return convertWhole(converters().toUtf8(charset), text, length, length * 4 + 16, out);
}

bool MimeCharset::fromUtf8(const char* text, size_t length, const std::string& charset, std::string* out)
{
    // Stateful charsets (UTF-7, ISO-2022-JP) may need up to 8 bytes per
    // character and a few more to return to their initial state.
    return convertWhole(converters().fromUtf8(charset), text, length, length * 8 + 16, out);
}

// Converts all of `text` or nothing; the closing call writes what a
// stateful charset still holds back (the end of a UTF-7 run, the escape
// back to ASCII in ISO-2022-JP).
bool MimeCharset::convertWhole(iconv_t converter, const char* text, size_t length, size_t capacity, std::string* out)
{
    if (converter == iconv_t(-1))
        return false;
    std::string result;
    result.resize(capacity);
    char* in = const_cast<char*>(text);
    size_t inLeft = length;
    char* to = &result[0];
    size_t toLeft = result.size();
    const size_t status = iconv(converter, &in, &inLeft, &to, &toLeft);
    const bool flushed = status != size_t(-1) && iconv(converter, nullptr, nullptr, &to, &toLeft) != size_t(-1);
    if (!flushed || inLeft != 0)
        return false;
    result.resize(result.size() - toLeft);
    *out = std::move(result);
    return true;
}

void MimeCharset::convert(pst_item* item, pst_string* str, bool keepNull)
{
    if (!str)
        return;
    if (!str->str) {
        if (!keepNull) {
            str->str = static_cast<char*>(calloc(1, 1));
            str->is_utf8 = 1;
        }
        return;
    }
    if (str->is_utf8)
        return;
    const size_t length = strlen(str->str);
    std::string converted;
    const std::string label = labelFor(item);
    // ASCII text reads the same in UTF-8 and in the charset that decodes it.
    if (isAscii(str->str, length) && (lower(label) == "utf-8" || keepsAscii(decoderFor(label)))) {
        str->is_utf8 = 1;
        return;
    }
    bool ok = lower(label) == "utf-8" && toUtf8(str->str, length, "UTF-8", &converted);
    for (const std::string& charset : {decoderFor(label), std::string("windows-1252"), std::string("ISO-8859-1")}) {
        if (ok)
            break;
        ok = toUtf8(str->str, length, charset, &converted);
    }
    if (!ok)
        return;
    char* copy = static_cast<char*>(malloc(converted.size() + 1));
    if (!copy)
        abort();
    memcpy(copy, converted.c_str(), converted.size() + 1);
    free(str->str);
    str->str = copy;
    str->is_utf8 = 1;
}
