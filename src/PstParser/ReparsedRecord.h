// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PinnedFile.h"

#include <libpst/libpst.h>

#include <QByteArray>
#include <QList>
#include <QRecursiveMutex>

#include <memory>
#include <optional>

class PstItem;

// An item's complete libpst record, parsed again from its document's open
// file and freed on destruction. Holds the document's lock (PstItem::pstLock)
// from construction to destruction, so no other thread uses the libpst file
// meanwhile; keep it short-lived. Not copyable. What libpst reads of the
// item meanwhile (attachments, attached mails) is pinned: the bytes checked
// when the record was made.
class ReparsedRecord
{
public:
    // Parses `item`'s node; record() is null when the document is closed,
    // the item has no node, or libpst cannot parse it. For a mail attached
    // to a mail, record() is the attached mail's record.
    explicit ReparsedRecord(PstItem& item);
    // Takes `parsed` (may be null: then parses as above), a record of
    // `item`'s node that the run parsed and prepare()d moments ago, instead
    // of parsing the node again. A record with attachments has its node
    // checked again first, under this record's pin (libpst reads them from
    // the file while it lives); record() is null when the node is no longer
    // sound.
    ReparsedRecord(PstItem& item, pst_item* parsed);
    ~ReparsedRecord();
    ReparsedRecord(const ReparsedRecord&) = delete;
    ReparsedRecord& operator=(const ReparsedRecord&) = delete;

    pst_item* record() const { return m_record; }
    // The descriptor record() was read from (a stand-in for an attached mail).
    pst_desc_tree* node() const { return m_node; }
    pst_file* file() const { return m_file.get(); }
    // The lock held from construction to destruction (null when none).
    QRecursiveMutex* lock() const { return m_lock.get(); }
    // The contents of one of the record's attachments; empty when libpst
    // yields nothing.
    QByteArray attachmentData(pst_item_attach* attachment) const;

    // Readies a record libpst just parsed from `node` as every writer reads
    // it: its 8-bit strings' real charset, its class's defaults and its
    // sender's SMTP address. Under libpst's lock.
    static void prepare(pst_file* file, pst_desc_tree* node, pst_item* record);
    // Frees a record under libpst's lock (libpst is not thread-safe, not
    // even in freeing).
    static void release(pst_item* record);
    // About how many bytes of memory the record's bodies and attachments take.
    static qint64 approximateSize(const pst_item* record);

private:
    void takeRecord(PstItem& item, pst_item* parsed);
    // Descends from m_record to the mail attached at each position of path.
    void openAttachedMail(const QList<int>& path);

    std::shared_ptr<pst_file> m_file;
    std::shared_ptr<QRecursiveMutex> m_lock;
    // Held while the lock is: released before it.
    std::optional<PinnedFile::Pin> m_pin;
    pst_item* m_record = nullptr;
    pst_desc_tree* m_node = nullptr;
    // The records enclosing an attached mail, outermost first; freed last.
    QList<pst_item*> m_containers;
    pst_desc_tree m_attachedNode{};
};
