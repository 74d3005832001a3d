// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <cstddef>
#include <iconv.h>
#include <string>

#include <libpst/libpst.h>

// Charset names for MIME labels, and the conversion of a record's 8-bit text
// to UTF-8. Every label it gives is one that iconv and Python's email package
// both know (libpst's own names include "gb2313" for code page 936 and
// "iso-2022-jp" for Shift-JIS bytes), and text is only ever written under a
// label its bytes decode with.
class MimeCharset
{
public:
    // The label for the record's 8-bit strings: the charset it declares, else
    // the one of its code page, else windows-1252.
    static std::string labelFor(const pst_item* item);
    // A Windows or internet code page's label, "" when there is none.
    static std::string labelForCodePage(int codePage);
    // A label as iconv and Python both know it: "CP936" and "gb2313" become
    // "GBK", "windows-31j" becomes "shift_jis", ...; others unchanged.
    static std::string normalized(const std::string& label);
    // The charset that decodes everything written under `label`: the Windows
    // superset of a national standard ("shift_jis" → CP932, "GBK" → GB18030).
    static std::string decoderFor(const std::string& label);
    // Strict conversion of `length` bytes in `charset` to UTF-8; false when
    // iconv does not know the charset or a byte does not convert.
    static bool toUtf8(const char* text, size_t length, const std::string& charset, std::string* out);
    // Strict conversion of UTF-8 text to `charset`, ending in the charset's
    // initial state; false when a character has no form in it.
    static bool fromUtf8(const char* text, size_t length, const std::string& charset, std::string* out);
    // Converts a record's 8-bit string to UTF-8 in place: with the decoder of
    // the record's label, else windows-1252, else Latin-1 (which always
    // works). A null string stays null when `keepNull`, else becomes empty
    // (as libpst's own two conversions do).
    static void convert(pst_item* item, pst_string* str, bool keepNull);
    // Whether every byte is below 0x80.
    static bool isAscii(const char* text, size_t length);
    // Whether ASCII text comes out of toUtf8 and of fromUtf8 into `charset`
    // byte for byte as it went in, so that such text need not be converted
    // at all (known per charset from iconv).
    static bool keepsAscii(const std::string& charset);

private:
    static bool convertWhole(iconv_t converter, const char* text, size_t length, size_t capacity, std::string* out);
};
