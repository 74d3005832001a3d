// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <memory>

class PstMailItem;
struct Attachment;

// Mails attached to mails: opened as mail items of their own (shown like any
// mail, their own attachments and attached mails included) and saved as
// RFC 822 messages. Reads the open PST file under the document's lock; GUI
// thread, like the mail's other on-demand reads.
class AttachedMail
{
public:
    // The mail attached to `container` as `attachment`; its parent is the
    // container. Empty when the attachment holds no readable mail.
    static std::shared_ptr<PstMailItem> open(const std::shared_ptr<PstMailItem>& container,
                                             const Attachment& attachment);

    // Writes the attached mail (`attached`, from open()) to `path` as an
    // .eml message. Logs and returns false when it cannot be read or written.
    static bool saveAsEml(const std::shared_ptr<PstMailItem>& attached, const QString& path);

    // A file name for the attached mail: its subject made safe, or "mail", with ".eml".
    static QString fileName(const PstMailItem& attached);
};
