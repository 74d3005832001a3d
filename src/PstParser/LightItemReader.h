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
    void insertString(PstItem& item, quint16 propertyId, const QString& key, int codePage,
                      SharedTexts* shared = nullptr) const;
    void insertTime(PstItem& item, quint16 propertyId, const QString& key) const;
    int codePage() const;
    bool hasNamedAttachment() const;

    pst_file* m_file = nullptr;
    const NodeGuard::CheckedNode& m_checked;
    MapiPropertyReader m_reader;
};
