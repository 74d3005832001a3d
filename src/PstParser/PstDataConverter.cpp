// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstDataConverter.h"

#include <QDateTime>
#include <QDebug>
#include <QLocale>
#include <QStringDecoder>
#include <QTextCodec>

#include <cstring>

namespace {

constexpr quint64 kTicksPerSecond = 10000000ULL;
constexpr quint64 kSecondsFrom1601To1970 = 11644473600ULL;
constexpr int kUtf8CodePage = 65001;

QByteArray bytesOf(const pst_string& value)
{
    return QByteArray(value.str, int(std::strlen(value.str)));
}

// Decodes with the named converter when it exists; `ok` tells whether it did.
QString decodeWith(const char* name, const QByteArray& bytes, bool* ok)
{
    QStringDecoder decoder(name);
    *ok = decoder.isValid();
    return *ok ? decoder.decode(bytes) : QString();
}

} // namespace

QString PstDataConverter::toQString(const pst_string& value, int codePage)
{
    if (!value.str)
        return QString();
    const QByteArray bytes = bytesOf(value);
    if (value.is_utf8 == 1)
        return QString::fromUtf8(bytes);

    bool ok = false;
    const QString declared = encodingNameForCodePage(codePage);
    if (!declared.isEmpty()) {
        const QString text = decodeWith(declared.toLatin1().constData(), bytes, &ok);
        if (ok)
            return text;
    }
    for (const char* name : {"GB18030", "Windows-1252"}) {
        const QString text = decodeWith(name, bytes, &ok);
        if (ok)
            return text;
    }
    return QString::fromLatin1(bytes);
}

QString PstDataConverter::decodePstHtml(const pst_string& value)
{
    if (!value.str)
        return QString();
    const QByteArray bytes = bytesOf(value);
    QStringDecoder utf8Decoder(QStringDecoder::Utf8);
    const QString asUtf8 = utf8Decoder.decode(bytes);
    if (!utf8Decoder.hasError())
        return asUtf8;

    QTextCodec* codec = QTextCodec::codecForHtml(bytes);
    if (codec) {
        const QString name = QString::fromLatin1(codec->name()).toUpper();
        if (name.contains(QLatin1String("GB2312")) || name.contains(QLatin1String("GBK"))) {
            if (QTextCodec* gb18030 = QTextCodec::codecForName("GB18030"))
                return gb18030->toUnicode(bytes);
        }
        if (name != QLatin1String("ISO-8859-1"))
            return codec->toUnicode(bytes);
    }
    return asUtf8;
}

qint64 PstDataConverter::filetimeToUnix(const FILETIME* time)
{
    if (!time)
        return 0;
    const quint64 ticks = (quint64(time->dwHighDateTime) << 32) | quint64(time->dwLowDateTime);
    return qint64(ticks / kTicksPerSecond - kSecondsFrom1601To1970);
}

QString PstDataConverter::filetimeToQString(const FILETIME* time)
{
    if (!time)
        return QString();
    const QDateTime local = QDateTime::fromSecsSinceEpoch(filetimeToUnix(time));
    return QLocale::system().toString(local, QStringLiteral("MMM dd, yyyy 'at' hh:mm AP"));
}

namespace {

// Outlook keeps 8-bit strings in the Windows code page of the writer's
// locale; a record's internet code page names the MIME charset of the same
// language, which may be a 7-bit or EUC form. Map those to the Windows page.
int windowsCodePageFor(int internetCodePage)
{
    switch (internetCodePage) {
    case 50220: case 50221: case 50222: case 51932: case 20932: return 932;
    case 52936: case 20936: case 54936: return 936;
    case 50225: case 51949: return 949;
    case 51950: return 950;
    case 28592: return 1250;
    case 28595: case 20866: case 21866: return 1251;
    case 28591: case 28605: case 20127: return 1252;
    case 28597: return 1253;
    case 28599: return 1254;
    case 28598: case 38598: return 1255;
    case 28596: return 1256;
    case 28594: case 28603: return 1257;
    case 65000: case 65001: return 0; // says nothing about the 8-bit strings
    default: return internetCodePage;
    }
}

} // namespace

int PstDataConverter::recordCodePage(const pst_item* record)
{
    return record ? stringCodePage(record->message_codepage, record->internet_cpid) : 0;
}

int PstDataConverter::stringCodePage(int messageCodePage, int internetCodePage)
{
    // A message code page of UTF-8 does describe the 8-bit strings; an
    // internet code page of UTF-8 only names the MIME charset.
    if (messageCodePage == kUtf8CodePage)
        return kUtf8CodePage;
    if (messageCodePage > 0)
        return windowsCodePageFor(messageCodePage);
    return internetCodePage > 0 ? windowsCodePageFor(internetCodePage) : 0;
}

QByteArray PstDataConverter::ansiStringCharset(const pst_item* record)
{
    const bool ansiFile = record && record->pf && record->pf->do_read64 == 0;
    if (!ansiFile || record->body_charset.str)
        return {};
    const int codePage = recordCodePage(record);
    if (codePage == 0 || codePage == record->internet_cpid)
        return {};
    return codePage == kUtf8CodePage ? QByteArray("UTF-8") : "CP" + QByteArray::number(codePage);
}

QString PstDataConverter::encodingNameForCodePage(int codePage)
{
    switch (codePage) {
    case 932: return QStringLiteral("windows-31j");
    case 936: return QStringLiteral("GBK");
    case 949: return QStringLiteral("windows-949");
    case 950: return QStringLiteral("Big5");
    case 874: return QStringLiteral("windows-874");
    case kUtf8CodePage: return QStringLiteral("UTF-8");
    default: break;
    }
    if (codePage >= 1250 && codePage <= 1258)
        return QStringLiteral("windows-%1").arg(codePage);
    return QString();
}
