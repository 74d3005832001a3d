// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstDescription.h"
#include "PstFolderItem.h"

#include <QList>
#include <QRandomGenerator>
#include <QString>

#include <memory>

// PST files written from a description and opened through the program's
// parser, and real files opened the same way, for tests of the item tree.
namespace WrittenPst {

// One folder "Items" of `containerClass` holding `messages`.
PstDescription oneFolder(const QList<PstMessage>& messages, const QString& containerClass = QStringLiteral("IPF.Note"));
// One message from the writer's JSON form of a message ({"kind": "task", ...}).
PstMessage message(const QByteArray& json);
// Writes `description` to `path` and parses it; empty (with a test
// failure message in *error) when either step fails.
std::shared_ptr<PstFolderItem> open(const PstDescription& description, const QString& path, QString* error);
// Opens and parses an existing file; empty when either step fails.
std::shared_ptr<PstFolderItem> parse(const QString& path, bool lightOpen = true);
// Every non-folder item below `folder`, depth first, in folder order.
QList<std::shared_ptr<PstItem>> allItems(const PstFolderItem& folder);
// The first folder below `parent` (depth first) shown with this name.
std::shared_ptr<PstFolderItem> folderNamed(const PstFolderItem& parent, const QString& name);

// `size` bytes drawn from `random` (or from a generator seeded with `seed`).
QByteArray randomBytes(QRandomGenerator& random, int size);
QByteArray randomBytes(int size, quint32 seed);
// What the window shows of an item, for comparing whole layouts:
// "kind|icon|name|subject|duration", a note's dates, a task's completion and
// progress, a journal entry's type, then "Title: label=value | ..." per section.
QStringList describe(const PstItem& item);

} // namespace WrittenPst
