// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <libpst/libpst.h>

class PstFolderItem;

// Marks the folders of a document that hold Outlook's own data rather than
// the user's: everything outside the top of the personal folders (search
// roots, views, reminders, tracked mail processing, ...) and, inside it,
// folders Outlook flags hidden (free/busy data, quick steps, ...) or whose
// container class is one of its internal ones. A marked folder's whole
// subtree is marked.
class InternalFolders
{
public:
    // `topOfFoldersId` is the descriptor id of the top of personal folders.
    static void mark(PstFolderItem& documentRoot, pst_file* file, quint64 topOfFoldersId);
    // True for container classes of Outlook's internal folders.
    static bool isInternalClass(const QString& containerClass);
    // Whether mark() marks (or will mark) `folder`, judged from the folder
    // and the folders above it; usable while the tree is still being read.
    static bool isInternal(const PstFolderItem& folder, pst_file* file, quint64 topOfFoldersId);

private:
    static void markFolder(PstFolderItem& folder, pst_file* file, bool internal);
};
