// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QMenu>

#include <memory>

class PstMailItem;
struct Attachment;

// The mail view's attachment menu: one entry per attachment, labelled with
// its name; choosing one asks for a file and saves the attachment there.
class AttachmentMenu
{
public:
    // A new parentless menu for `mail`'s attachments. The entries hold the
    // mail weakly: after its document is closed they do nothing.
    static std::shared_ptr<QMenu> create(const std::shared_ptr<PstMailItem>& mail);

    // Asks for a target file (starting in the documents folder) and saves
    // the attachment; nothing when the user cancels.
    static void attachSaveAs(const std::shared_ptr<PstMailItem>& mail, const std::shared_ptr<Attachment>& attachment);
};
