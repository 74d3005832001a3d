// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "Attachment.h"
#include "PstItem.h"

class ReparsedRecord;

#include <QList>
#include <QString>

#include <atomic>
#include <memory>

// A mail (message class "IPM.Note"): its header fields as properties, its
// attachment list, and the HTML to display, built on demand. The bodies are
// not kept: body() reads them again from the open PST file.
class PstMailItem : public PstItem
{
public:
    // Empty when the record is null or has no e-mail part.
    static std::shared_ptr<PstMailItem> creteFromPstItem(pst_desc_tree* node, pst_item* record);
    // Lists the attachments starting at `first`; records without any file
    // name are no attachments and are skipped, unless they hold an attached mail. 8-bit names are decoded with
    // `codePage` when it is known, otherwise as UTF-8.
    void parserAttach(pst_file* file, pst_item_attach* first, int codePage = 0);

    ItemType type() const override { return Mail; }
    // The sender's name.
    QString displayName() const override;
    QString icon() const override;
    // Shares the attachment records; the body cache starts empty.
    std::shared_ptr<PstItem> clone() const override;

    // Header fields; "" when absent.
    QString sender() const;
    QString senderAddr() const;
    QString recipients() const;
    QString cc() const;
    QString bcc() const;
    // "&lt;address&gt;", or "" without an address.
    QString formattedSenderAddr() const;
    // "To: ...", "Cc: ...", "Bcc: ..."; "" for an empty list.
    QString formattedRecipients() const;
    QString formattedCc() const;
    QString formattedBcc() const;
    // The sent time in local time with `format`, or "No sent date".
    QString sendDate(const QString& format) const;

    bool hasAttachment() const;
    // Set by an open that reads list fields only: whether the mail has an
    // attachment with a file name or an attached mail; the list itself is
    // read on first use.
    void setHasAttachment(bool hasAttachment);
    // Read from the open file on first use (under the document's lock) when
    // the open did not list them.
    QList<std::shared_ptr<Attachment>> attachments() const;

    // For a mail attached to another mail: the attachment record positions
    // leading from the stored message down to this one; empty for a mail
    // of its own (see AttachedMail).
    QList<int> embedPath() const { return m_embedPath; }
    void setEmbedPath(const QList<int>& path) { m_embedPath = path; }

    // The HTML to display: the HTML body, else the text body wrapped in a
    // page, with `cid:` images inlined. Re-reads the record under the
    // document's lock; caches a non-empty result. GUI thread only.
    QString body() const;
    // The plain-text body (read again from the file) wrapped in a page.
    QString textBodyToHtml() const;
    // `html` with every `src="cid:..."` image whose attachment is an image
    // replaced by a data: URL; reads the contents from the file when needed.
    QString embedInlineImages(const QString& html) const;

    // Writes the attachment's contents (fetched again from the file) to
    // `targetPath`. Logs "Attachment saved successfully." or, when the file
    // cannot be written, "Attachment save failed." and leaves no file.
    bool saveAttachment(const std::shared_ptr<Attachment>& attachment, const QString& targetPath) const;

    // The text template a plain-text body is shown in.
    static QString plainTextPage(const QString& text);

private:
    QString embedInlineImages(const QString& html, const ReparsedRecord& record) const;
    // Fetches the attachment's contents into its cache unless present.
    void fetchContents(Attachment& attachment, const ReparsedRecord& record, bool byContentId) const;

    // Lists the attachments of `record` unless they are listed already.
    void listAttachments(const ReparsedRecord& record) const;

    // Shared with clones, so an item and its copies list them once.
    struct AttachmentList
    {
        QList<std::shared_ptr<Attachment>> items;
        // Set, after items, once the list is read.
        std::atomic<bool> listed{false};
    };

    mutable QString m_bodyCache;
    std::shared_ptr<AttachmentList> m_attachments = std::make_shared<AttachmentList>();
    bool m_hasAttachment = false;
    QList<int> m_embedPath;
};

// The MIME type for a file name's extension; "application/octet-stream"
// for anything but the common image types.
QString getMimeType(const QString& fileName);
