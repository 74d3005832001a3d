// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <cstdio>
#include <memory>

class CheckedStream;

// One output file of an export run, created by the run itself. Claiming
// creates the file in one step (O_CREAT | O_EXCL): a name another writer
// (another worker process) took a moment before, or an entry already there
// (a file, a directory, a symbolic link, dangling or not), is never written
// to; the next numbered name is tried instead. Until commit() succeeds the
// file counts as not written: a file that could not be written whole is
// removed again, so no empty or partial file is left behind.
class ClaimedFile
{
public:
    ClaimedFile();
    // Discards a file that was not committed.
    ~ClaimedFile();
    ClaimedFile(const ClaimedFile&) = delete;
    ClaimedFile& operator=(const ClaimedFile&) = delete;

    // Creates the first free one of "dir/name.ext", "dir/name_1.ext", ...
    // (names cut to fit the file system, see OutputNames). False, with
    // errorString(), when none could be created.
    bool claim(const QString& dir, const QString& name, const QString& ext);
    // Creates exactly `path`; false when anything is there already.
    bool claimPath(const QString& path);

    // The open file's stream and path; null and "" before a claim.
    FILE* stream() const;
    QString path() const { return m_path; }
    // Flushes and closes the file; true when it is on disk whole. A file
    // that is not is removed, and errorString() says why.
    bool commit();
    // Closes and removes the file.
    void discard();
    // Why the last claim or commit failed.
    QString errorString() const { return m_error; }

private:
    // Tries to create `path`; sets errno and returns false when it cannot.
    bool create(const QString& path);

    std::unique_ptr<CheckedStream> m_stream;
    QString m_path;
    QString m_error;
};
