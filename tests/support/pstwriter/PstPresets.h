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
        bool permute = false;
    };

    // Every message class and property kind, with fixed values tests compare against.
    static PstDescription allKinds();
    // Streams a mailbox ("Inbox" with options.mails mails) to path.
    // progress, when set, is called after every mail with the mails written.
    static bool writeMailbox(const QString& path, const MailboxOptions& options, QString* error = nullptr,
                             const std::function<void(int)>& progress = {});
    // The i-th mail of a mailbox, as writeMailbox writes it.
    static PstMessage mailboxMail(int index, const MailboxOptions& options);
};
