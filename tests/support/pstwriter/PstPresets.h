// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstDescription.h"

#include <QString>

#include <functional>

// Ready-made files: one with every kind of item and property the writer
// knows, and mailboxes of any size for benchmarks.
class PstPresets
{
public:
    struct MailboxOptions {
        int mails = 1000;
        int attachmentsPerMail = 0;
        int attachmentKb = 64;
        int bodyKb = 4;
        // 0 puts every mail in "Inbox"; otherwise folders "Inbox 001", "Inbox 002", ...
        // hold this many mails each, each folder inside the one before. (libpff
        // 20180714 looks up every item's parent by a depth-first search from the
        // root and keeps children in sorted lists, so its opening time grows with
        // the square of the item count unless folders are found early: nested
        // folders are, since a folder lists its sub-folders before its messages.)
        int mailsPerFolder = 0;
        bool permute = false;
        bool fourKPages = false;
    };

    // Every message class and property kind, with fixed values tests compare against.
    static PstDescription allKinds();
    // Streams a mailbox of options.mails mails to path.
    // progress, when set, is called after every mail with the mails written.
    static bool writeMailbox(const QString& path, const MailboxOptions& options, QString* error = nullptr,
                             const std::function<void(int)>& progress = {});
    // The i-th mail of a mailbox, as writeMailbox writes it.
    static PstMessage mailboxMail(int index, const MailboxOptions& options);
};
