// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>

// Unpacks a message's PR_RTF_COMPRESSED value: the "LZFu" form, whose
// dictionary starts preloaded with common RTF words, and the stored "MELA"
// form. Every size in the 16-byte header comes from the file and is checked:
// the output never exceeds what the input can yield, a truncated stream
// gives what was read. Stateless; safe from any thread.
class RtfDecompressor
{
public:
    enum class Status { Whole, Truncated, Unreadable };

    struct Result
    {
        QByteArray rtf;
        Status status = Status::Unreadable;
    };

    static Result decompress(const QByteArray& stored);
    // The RTF, or empty when nothing could be read; logs a damaged value.
    static QByteArray rtfOf(const char* data, qsizetype size);
};
