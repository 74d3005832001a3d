// SPDX-License-Identifier: GPL-2.0-or-later
#include "RtfDecompressor.h"

#include "Log.h"

#include <QtEndian>

#include <algorithm>

namespace {

constexpr qsizetype kHeaderSize = 16;
constexpr quint32 kCompressed = 0x75465A4C;   // "LZFu"
constexpr quint32 kUncompressed = 0x414C454D; // "MELA"
constexpr int kDictionarySize = 4096;
// A control byte and eight two-byte references of up to 17 bytes each: no
// stream grows more than 8.5-fold, so a larger stated size is a lie.
constexpr qsizetype kMaxExpansion = 9;

// The words every compressed stream's dictionary starts with.
const char kPreload[] =
    "{\\rtf1\\ansi\\mac\\deff0\\deftab720{\\fonttbl;}{\\f0\\fnil \\froman \\fswiss \\fmodern \\fscript "
    "\\fdecor MS Sans SerifSymbolArialTimes New RomanCourier{\\colortbl\\red0\\green0\\blue0\r\n\\par "
    "\\pard\\plain\\f0\\fs20\\b\\i\\u\\tab\\tx";
constexpr int kPreloadSize = int(sizeof(kPreload) - 1);
static_assert(kPreloadSize == 207, "the dictionary preload is 207 bytes");

quint32 word32(const char* at)
{
    return qFromLittleEndian<quint32>(at);
}

RtfDecompressor::Result unpack(const char* in, qsizetype inSize, qsizetype rawSize)
{
    RtfDecompressor::Result result;
    result.rtf.reserve(rawSize);
    char dictionary[kDictionarySize] = {};
    std::copy(kPreload, kPreload + kPreloadSize, dictionary);
    int writePosition = kPreloadSize;
    qsizetype at = 0;
    while (at < inSize) {
        const quint8 control = quint8(in[at++]);
        for (int bit = 0; bit < 8; ++bit) {
            if (result.rtf.size() >= rawSize) {
                result.status = RtfDecompressor::Status::Whole;
                return result;
            }
            if (!(control & (1 << bit))) {
                if (at >= inSize)
                    return result;
                dictionary[writePosition] = in[at++];
                result.rtf.append(dictionary[writePosition]);
                writePosition = (writePosition + 1) % kDictionarySize;
                continue;
            }
            if (at + 1 >= inSize)
                return result;
            const int reference = (quint8(in[at]) << 8) | quint8(in[at + 1]);
            at += 2;
            const int offset = reference >> 4;
            const int length = (reference & 0x0F) + 2;
            if (offset == writePosition) {
                result.status = RtfDecompressor::Status::Whole;
                return result;
            }
            for (int i = 0; i < length && result.rtf.size() < rawSize; ++i) {
                const char byte = dictionary[(offset + i) % kDictionarySize];
                dictionary[writePosition] = byte;
                result.rtf.append(byte);
                writePosition = (writePosition + 1) % kDictionarySize;
            }
        }
    }
    return result;
}

} // namespace

RtfDecompressor::Result RtfDecompressor::decompress(const QByteArray& stored)
{
    Result result;
    if (stored.size() < kHeaderSize)
        return result;
    const char* header = stored.constData();
    const qsizetype statedSize = qsizetype(word32(header));
    const qsizetype rawSize = qsizetype(word32(header + 4));
    const quint32 type = word32(header + 8);
    // The stated size counts the header's last 12 bytes; a shorter value
    // than the file holds limits the stream, a longer one is cut to the file.
    const qsizetype bodySize = std::clamp<qsizetype>(statedSize - 12, 0, stored.size() - kHeaderSize);
    const char* body = header + kHeaderSize;
    if (type == kUncompressed) {
        result.rtf = QByteArray(body, std::min(bodySize, rawSize));
        result.status = result.rtf.size() == rawSize ? Status::Whole : Status::Truncated;
        return result;
    }
    if (type != kCompressed)
        return result;
    result = unpack(body, bodySize, std::min(rawSize, bodySize * kMaxExpansion));
    if (result.status != Status::Whole)
        result.status = Status::Truncated;
    return result;
}

QByteArray RtfDecompressor::rtfOf(const char* data, qsizetype size)
{
    if (!data || size <= 0)
        return QByteArray();
    const Result result = decompress(QByteArray::fromRawData(data, size));
    if (result.status == Status::Unreadable)
        Log::warn(QStringLiteral("Unreadable RTF body of %1 bytes skipped.").arg(size));
    else if (result.status == Status::Truncated)
        Log::warn(QStringLiteral("Damaged RTF body: read %1 bytes of it.").arg(result.rtf.size()));
    return result.rtf;
}
