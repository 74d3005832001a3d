// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstDescription.h"

#include <QString>

#include <cstdint>
#include <memory>

// Writes Unicode PST files (Outlook 2003 and later) for tests and benchmarks.
//
// Either in one call from a description:
//     PstDescription d; ... ; PstWriter::write(d, path);
// or streamed, for files of any size in bounded memory:
//     PstWriter w; w.open(path);
//     int inbox = w.addFolder(w.topFolder(), "Inbox", "IPF.Note");
//     w.addMessage(inbox, mail); ... ; w.close();
// Output is deterministic: the same input gives the same bytes.
class PstWriter
{
public:
    PstWriter();
    ~PstWriter();
    PstWriter(const PstWriter&) = delete;
    PstWriter& operator=(const PstWriter&) = delete;

    // Writes the whole description to path; false with *error set on failure.
    static bool write(const PstDescription& description, const QString& path, QString* error = nullptr);

    // Starts a file. permute selects the "compressible" encoding.
    bool open(const QString& path, const QString& storeName = QStringLiteral("Personal Folders"),
              bool permute = false, bool fourKPages = false);
    // The id of "Top of Personal Folders", parent of the user's folders.
    int topFolder() const;
    // Adds a folder below parent and returns its id (-1 on a bad parent).
    int addFolder(int parent, const QString& name, const QString& containerClass = QString(), int nameCodePage = 0);
    // Writes a message into folder right away.
    bool addMessage(int folder, const PstMessage& message);
    // Writes folders, tables, maps and header; the file is complete after this.
    bool close();
    // Bytes written so far.
    quint64 bytesWritten() const;
    QString errorString() const;

    // The byte at offset of a generated attachment (PstAttachment::generatedSize).
    static char patternByte(quint64 offset);
    // The node id of a folder, as the file and its readers know it.
    quint32 folderNid(int folder) const;

private:
    struct State;
    std::unique_ptr<State> d;
};
