// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "MapiPropertyReader.h"
#include "NodeGuard.h"
#include "PstMailItem.h"

#include <QByteArray>
#include <QSet>

#include <memory>

// Reads the fields the item list, its sorting and searching and the item
// views show of a message straight from the node's property context, which
// NodeGuard has just read and checked. Opening a file this way leaves
// libpst's full parse (bodies, recipients, attachments) to the moment an
// item is shown, printed or exported. Values are decoded exactly as from
// libpst's record, so both ways give the same items.
class LightItemReader
{
public:
    // `checked` must outlive the reader; the file must stay open.
    LightItemReader(pst_file* file, const NodeGuard::CheckedNode& checked);

    // False when a record libpst reads along with the message (an
    // attachment, a row of its recipient table) holds a property the list
    // fields come from: libpst's record may take the value from there (a
    // report's time from its recipients), so only its full parse gives the
    // same item.
    bool readsLikeLibpst() const;
    // The message class as stored (8-bit), null when the node has none.
    QByteArray messageClass() const;
    // Texts many items repeat (names, addresses), kept once: a mailbox holds
    // few correspondents in many mails.
    using SharedTexts = QSet<QString>;

    // The mail of `node` with its list fields; its attachments are listed
    // when first asked for. Repeated texts come from and go to `shared`.
    std::shared_ptr<PstMailItem> mail(pst_desc_tree* node, SharedTexts& shared) const;

private:
    // The value as libpst hands it over: UTF-8 for Unicode strings, the
    // stored bytes otherwise, cut at the first zero; empty when absent.
    QByteArray stringBytes(quint16 propertyId, bool* isUtf8) const;
    // The value as libpst's record holds it, its bytes kept in `storage`.
    pst_string pstString(quint16 propertyId, QByteArray* storage) const;
    void insertString(PstItem& item, quint16 propertyId, const QString& key, int codePage,
                      SharedTexts* shared = nullptr) const;
    // Puts the one copy `shared` keeps of the item's text under `key` in its place.
    static void shareText(PstItem& item, const QString& key, SharedTexts& shared);
    void insertTime(PstItem& item, quint16 propertyId, const QString& key) const;
    int codePage() const;
    QString senderAddress(int codePage) const;
    bool hasListedAttachment() const;

    pst_file* m_file = nullptr;
    const NodeGuard::CheckedNode& m_checked;
    MapiPropertyReader m_reader;
};
