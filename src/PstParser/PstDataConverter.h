#pragma once

#include <libpst/libpst.h>

#include <QString>

// Decodes PST text values and time stamps. Stateless; safe from any thread.
class PstDataConverter
{
public:
    // Any text value. Null when the value is absent. 8-bit text is decoded
    // with `codePage` when it names a known Windows code page (0 = unknown);
    // otherwise GB18030 is tried first, then Windows-1252, then Latin-1.
    static QString toQString(const pst_string& value, int codePage = 0);

    // A mail's HTML body: UTF-8 when it is valid UTF-8, otherwise the charset
    // the HTML declares (GB2312/GBK through GB18030); never Latin-1.
    static QString decodePstHtml(const pst_string& value);

    // Seconds since 1970-01-01 00:00 UTC; 0 for a null pointer.
    static qint64 filetimeToUnix(const FILETIME* time);

    // "MMM dd, yyyy 'at' hh:mm AP" in local time; empty for a null pointer.
    static QString filetimeToQString(const FILETIME* time);

    // The code page a record declares for its 8-bit strings, 0 when none.
    static int recordCodePage(const pst_item* record);
    // The same from the record's two code page values (0 when absent).
    static int codePageOf(int messageCodePage, int internetCodePage);

    // For a record of an ANSI file whose 8-bit strings are in another code
    // page than the internet charset libpst converts them from (a Japanese
    // file declares ISO-2022-JP but stores Shift-JIS), the iconv name of the
    // strings' code page ("CP932"); empty when libpst gets it right itself.
    static QByteArray ansiStringCharset(const pst_item* record);

    // The converter name for a Windows code page, empty when it has none.
    static QString encodingNameForCodePage(int codePage);
};
