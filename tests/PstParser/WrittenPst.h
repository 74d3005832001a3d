// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstDescription.h"
#include "PstFolderItem.h"

#include <QList>
#include <QString>

#include <memory>

// A PST file written from a description and opened through the program's
// parser, for tests that need exact content.
namespace WrittenPst {

// One folder "Items" of `containerClass` holding `messages`.
PstDescription oneFolder(const QList<PstMessage>& messages, const QString& containerClass = QStringLiteral("IPF.Note"));
// Writes `description` to `path` and parses it; empty (with a test
// failure message in *error) when either step fails.
std::shared_ptr<PstFolderItem> open(const PstDescription& description, const QString& path, QString* error);
// Every non-folder item below `folder`, depth first, in folder order.
QList<std::shared_ptr<PstItem>> allItems(const PstFolderItem& folder);

} // namespace WrittenPst
