// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ParseLosses.h"

#include <libpst/libpst.h>

#include <memory>

class PstFolderItem;

// Records, and logs by name, each message of a folder that the tree cannot
// show. Folder settings and views (associated messages) are not items and
// are not counted.
namespace LossCounter {

// True for a node of an ordinary folder.
bool isFolderNode(const pst_desc_tree* node);
// A node libpst did not read, or that was refused as damaged. A folder is
// only logged: its contents are still read.
void countUnread(ParseLosses& losses, const std::shared_ptr<PstFolderItem>& folder, const pst_desc_tree* node);
// A message read whose class (as stored, null when it has none) no item
// kind stands for; in an internal folder (`inInternalFolder`) a message of
// Outlook's own bookkeeping is counted as internal instead.
void countUnshown(ParseLosses& losses, const std::shared_ptr<PstFolderItem>& folder, const pst_desc_tree* node,
                  const char* messageClass, bool inInternalFolder);

// Compares the folder's own count of its messages with the message nodes
// found below it in the index; the difference is recorded as missing, unless
// a file of `fileSize` bytes could not hold that many messages.
void countMissing(ParseLosses& losses, const std::shared_ptr<PstFolderItem>& folder, const pst_desc_tree* node,
                  int storedCount, quint64 fileSize);

} // namespace LossCounter
