// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Helpers shared by the export tests (tests/PstExport): PST files made with the test writer and
// opened through the program's parser, one export run driven to its end under
// QCoreApplication, and the output read back with independent parsers.

#include "PstDescription.h"
#include "PstFolderItem.h"

#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class ExportManager;
class ProgressReporter;

namespace ExportFixture {

// Writes the description to path and opens it like the window does; empty
// (with a test warning) on failure.
std::shared_ptr<PstFolderItem> writeAndOpen(const PstDescription& description, const QString& path);
std::shared_ptr<PstFolderItem> open(const QString& path);
// The folder of the document's tree with this display name, depth first.
std::shared_ptr<PstFolderItem> findFolder(const std::shared_ptr<PstItem>& root, const QString& name);

// A description with the given folders below the top of the personal folders.
PstDescription description(const QList<PstFolder>& folders);
PstFolder folder(const QString& name, const QString& containerClass, const QList<PstMessage>& messages,
                 const QList<PstFolder>& folders = {});
PstMessage mail(const QString& subject, const QString& body = QStringLiteral("Hello."));
PstMessage message(PstMessage::Kind kind, const QString& subject);

// What one export run showed its caller.
struct Run
{
    bool notFound = false;
    int completions = 0;
    QStringList labels;               // progressReady labels, in order
    QMap<QString, int> totals;        // label -> total
    QMap<QString, QList<int>> progress; // label -> every progressUpdated value
    QMap<QString, int> errors;        // format key -> failed items
};

// Called for each progressReady, on the main thread, before the walk starts.
using ReadyHook = std::function<void(ExportManager&, const QString& label, ProgressReporter*)>;

// Runs one file export to its end (or to exportItemNotFound).
Run runExport(const std::shared_ptr<PstItem>& root, const QString& outputDir, const QList<QString>& formats,
              bool ignoreEmptyFolders = true, const ReadyHook& onReady = {},
              const std::function<void(ExportManager&)> afterStart = {});

// Every file below dir, relative to it, sorted.
QStringList filesUnder(const QString& dir);
// Every directory below dir, relative to it, sorted.
QStringList directoriesUnder(const QString& dir);

// tests/PstExport/check_export.py with these arguments (see its usage): what
// the independent parsers read; {"error": ...} when the checker cannot run.
QJsonObject check(const QStringList& arguments);
// The entries of `expected` that the checker's "lines" lack: an entry is
// found when a line starts with it; one that starts with "!" is found when
// no line starts with the rest.
QStringList unmatched(const QJsonObject& checked, const QStringList& expected);
// Writes bytes to path and returns path.
QString writeFile(const QString& path, const QByteArray& bytes);
// The SHA-1 of bytes in hex, as check_export.py gives attachments.
QString sha1(const QByteArray& bytes);

} // namespace ExportFixture
