// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// The names an export gives to the files and folders it creates. PST values
// are untrusted: whatever a subject or folder name holds, the result is one
// plain name inside the output folder that the file system accepts.
class OutputNames
{
public:
    // The longest file or folder name, in bytes of UTF-8, that common file
    // systems accept.
    static constexpr int kMaxNameBytes = 255;

    // `text` without line breaks and with each of / \ : * ? " < > | made "_".
    static QString sanitized(const QString& text);

    // The directory name for a PST folder's display name: sanitised, cut to
    // kMaxNameBytes, and "_" for a name that is empty, "." or "..".
    static QString directoryName(const QString& displayName);

    // "parentDir/" and the directory name of a PST folder. Where a symbolic
    // link holds that name (the run never makes one), the first of name_1,
    // name_2, ... that is no link: the run never writes through a link it
    // did not make. Every process of a run finds the same path.
    static QString folderPath(const QString& parentDir, const QString& displayName);

    // "dir/name.ext" when nothing exists there, else the first free
    // "dir/name_N.ext" (N = 1, 2, ...). `name` is cut at a character boundary
    // so that the whole file name, "_N" and extension included, fits in
    // kMaxNameBytes.
    static QString uniqueFilePath(const QString& dir, const QString& name, const QString& ext);
    // The candidate uniqueFilePath() tries as its `number`th: "dir/name.ext"
    // for 0, else "dir/name_N.ext", cut in the same way.
    static QString numberedFilePath(const QString& dir, const QString& name, const QString& ext, int number);

    // The longest prefix of `text` (whole characters) whose UTF-8 form has at
    // most `maxBytes` bytes.
    static QString cutToUtf8Bytes(const QString& text, int maxBytes);
};
