// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QMenu>

#include <functional>
#include <memory>

class PstMailItem;
struct Attachment;

// The mail view's attachment menu: one entry per attachment, labelled with
// its name; choosing one asks for a file and saves the attachment there. An
// attached mail gets a submenu to open it in the mail view or save it as .eml.
class AttachmentMenu
{
public:
    // Shows an attached mail.
    using MailOpener = std::function<void(const std::shared_ptr<PstMailItem>&)>;

    // A new parentless menu for `mail`'s attachments. The entries hold the
    // mail weakly: after its document is closed they do nothing.
    static std::shared_ptr<QMenu> create(const std::shared_ptr<PstMailItem>& mail, const MailOpener& openMail = {});

    // Asks for a target file (starting in the last save folder) and saves
    // the attachment; nothing when the user cancels.
    static void attachSaveAs(const std::shared_ptr<PstMailItem>& mail, const std::shared_ptr<Attachment>& attachment);
    // The same for an attached mail, written as an .eml message.
    static void attachedMailSaveAs(const std::shared_ptr<PstMailItem>& attached);

private:
    static void addAttachedMail(QMenu& menu, const std::shared_ptr<PstMailItem>& mail,
                                const std::shared_ptr<Attachment>& attachment, const MailOpener& openMail);
};
