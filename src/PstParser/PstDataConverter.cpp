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

    qDebug() << "utf8Decoder.hasError()";
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

int PstDataConverter::recordCodePage(const pst_item* record)
{
    if (!record)
        return 0;
    if (record->message_codepage > 0)
        return record->message_codepage;
    return record->internet_cpid > 0 ? record->internet_cpid : 0;
}

QString PstDataConverter::encodingNameForCodePage(int codePage)
{
    switch (codePage) {
    case 932: return QStringLiteral("Shift_JIS");
    case 936: return QStringLiteral("GB18030");
    case 949: return QStringLiteral("windows-949");
    case 950: return QStringLiteral("Big5");
    case 874: return QStringLiteral("windows-874");
    case 20127: return QStringLiteral("US-ASCII");
    case 20866: return QStringLiteral("KOI8-R");
    case 21866: return QStringLiteral("KOI8-U");
    case 50220: case 50221: case 50222: return QStringLiteral("ISO-2022-JP");
    case 51932: return QStringLiteral("EUC-JP");
    case 51949: return QStringLiteral("EUC-KR");
    case 54936: return QStringLiteral("GB18030");
    case 65001: return QStringLiteral("UTF-8");
    default: break;
    }
    if (codePage >= 1250 && codePage <= 1258)
        return QStringLiteral("windows-%1").arg(codePage);
    if (codePage >= 28591 && codePage <= 28606)
        return QStringLiteral("ISO-8859-%1").arg(codePage - 28590);
    return QString();
}
