// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole file to a path the user named (a saved attachment, a
// printed PDF). A regular file, or a path where nothing is yet, gets the
// bytes through a temporary file and a rename, so it is never left half
// written. A target that exists and is something else (a FIFO, a character
// device such as /dev/null, /dev/stdout) is written straight into and never
// replaced: replacing a device node with a file would break whatever else
// uses it.
class FileTarget
{
public:
    // "" when every byte was written and the file closed, else why not
    // (the system's words, e.g. "No space left on device").
    static QString write(const QString& path, const QByteArray& contents);
    // Whether `path` names something to write straight into rather than to
    // replace: it exists and is neither a regular file nor a directory, or
    // it is one of the process's own streams (/dev/stdout, /proc/self/fd/1).
    static bool isStream(const QString& path);

private:
    // Through a temporary file beside the target, renamed over it once whole.
    static QString replace(const QString& path, const QByteArray& contents);
    static QString writeInto(const QString& path, const QByteArray& contents);
    // 0 when every byte was written, else errno.
    static int writeAll(int fd, const QByteArray& contents);
};
