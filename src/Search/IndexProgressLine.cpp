// SPDX-License-Identifier: GPL-2.0-or-later
#include "IndexProgressLine.h"

#include <QList>

#include <array>
#include <utility>

namespace {

using Reason = IndexProgressLine::Reason;

constexpr std::array<std::pair<Reason, const char*>, 4> kReasonNames{{
    {Reason::CacheNotWritable, "cache-not-writable"},
    {Reason::DiskFull, "disk-full"},
    {Reason::FileUnreadable, "file-unreadable"},
    {Reason::WriteFailed, "write-failed"},
}};

} // namespace

QByteArray IndexProgressLine::progress(int indexed, int total)
{
    return "progress " + QByteArray::number(indexed) + ' ' + QByteArray::number(total) + '\n';
}

QByteArray IndexProgressLine::failure(Reason reason, const QString& detail)
{
    QByteArray name = "write-failed";
    for (const auto& [each, text] : kReasonNames) {
        if (each == reason)
            name = text;
    }
    // One line, whatever the detail holds.
    QString flat = detail;
    flat.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    return "failed " + name + ' ' + flat.toUtf8() + '\n';
}

IndexProgressLine IndexProgressLine::parse(const QByteArray& line)
{
    IndexProgressLine result;
    const QByteArray text = line.endsWith('\n') ? line.chopped(1) : line;
    const QList<QByteArray> words = text.split(' ');
    if (words.size() == 3 && words.at(0) == "progress") {
        bool indexedOk = false, totalOk = false;
        result.indexed = words.at(1).toInt(&indexedOk);
        result.total = words.at(2).toInt(&totalOk);
        if (indexedOk && totalOk)
            result.kind = Kind::Progress;
    } else if (words.size() >= 2 && words.at(0) == "failed") {
        result.kind = Kind::Failed;
        result.reason = Reason::WriteFailed;
        for (const auto& [each, name] : kReasonNames) {
            if (words.at(1) == name)
                result.reason = each;
        }
        const qsizetype start = text.indexOf(' ', 7);
        result.detail = start < 0 ? QString() : QString::fromUtf8(text.mid(start + 1));
    }
    return result;
}
