// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The lines `lumaroo-cli index FILE --progress-lines` prints on stdout for
// the program that started it: "progress INDEXED TOTAL" as it goes, and
// "failed REASON DETAIL" once when the build cannot finish.
struct IndexProgressLine
{
    enum class Kind { Unknown, Progress, Failed };
    enum class Reason { None, CacheNotWritable, DiskFull, FileUnreadable, WriteFailed };

    Kind kind = Kind::Unknown;
    int indexed = 0;
    int total = 0;
    Reason reason = Reason::None;
    // The folder, the file or the error the reason concerns.
    QString detail;

    static QByteArray progress(int indexed, int total);
    static QByteArray failure(Reason reason, const QString& detail);
    // One line as the two above write it (the line break may be there).
    static IndexProgressLine parse(const QByteArray& line);
};
