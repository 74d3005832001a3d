// SPDX-License-Identifier: GPL-2.0-or-later
#include "ReparsedRecord.h"

#include "MessageClass.h"
#include "NodeGuard.h"
#include "PinnedFile.h"
#include "PstFileDeleter.h"

#include "PstDataConverter.h"
#include "PstItem.h"
#include "PstMailItem.h"
#include "SenderAddress.h"

#include <QMutexLocker>

#include <cstdlib>
#include <cstring>

namespace {

// libpst converts a record's 8-bit strings from the charset the record
// declares; tell it the one they are really stored in (see PstDataConverter).
void declareStringCharset(pst_item* record)
{
    const QByteArray charset = PstDataConverter::ansiStringCharset(record);
    if (charset.isEmpty())
        return;
    record->body_charset.str = strdup(charset.constData());
    record->body_charset.is_utf8 = 1;
}

// Mails from Exchange name their sender by a directory address; writers
// that only see the record would fall back to MAILER-DAEMON. Give them the
// SMTP address the message holds, as the mail view shows it.
void declareSenderSmtpAddress(pst_file* file, pst_desc_tree* node, pst_item* record)
{
    pst_item_email* email = record->email;
    if (!email || (email->sender_address.str && strchr(email->sender_address.str, '@')))
        return;
    const QString smtp = SenderAddress::ofRecord(file, node, record, PstDataConverter::recordCodePage(record));
    if (!smtp.contains(QLatin1Char('@')))
        return;
    free(email->sender_address.str);
    email->sender_address.str = strdup(smtp.toUtf8().constData());
    email->sender_address.is_utf8 = 1;
}

// A message node read again as it is now: a sound message still (a node
// overwritten with other data is sound only as a stream of bytes).
bool isStillSound(pst_file* file, pst_desc_tree* node)
{
    NodeGuard::CheckedNode checked;
    return NodeGuard(file).isSound(node, &checked) && checked.hasContext;
}

} // namespace

ReparsedRecord::ReparsedRecord(PstItem& item)
    : ReparsedRecord(item, nullptr)
{
}

ReparsedRecord::ReparsedRecord(PstItem& item, pst_item* parsed)
    : m_file(item.pstFile())
    , m_lock(item.pstLock())
{
    if (m_lock)
        m_lock->lock();
    // A node parsed here, and what libpst reads of it while the record
    // lives, are the bytes checked, whatever another program writes to the
    // file meanwhile.
    m_pin.emplace(m_file.get());
    takeRecord(item, parsed);
    const auto* mail = dynamic_cast<const PstMailItem*>(&item);
    if (m_record && mail && !mail->embedPath().isEmpty())
        openAttachedMail(mail->embedPath());
}

void ReparsedRecord::prepare(pst_file* file, pst_desc_tree* node, pst_item* record)
{
    if (!record)
        return;
    declareStringCharset(record);
    MessageClass::completeRecord(record, MessageClass::kindOf(record->ascii_type));
    declareSenderSmtpAddress(file, node, record);
}

void ReparsedRecord::release(pst_item* record)
{
    if (!record)
        return;
    const QMutexLocker locker(libpstLock().get());
    pst_freeItem(record);
}

qint64 ReparsedRecord::approximateSize(const pst_item* record)
{
    if (!record)
        return 0;
    const auto length = [](const pst_string& text) { return text.str ? qint64(strlen(text.str)) : 0; };
    qint64 bytes = length(record->subject) + length(record->body);
    if (const pst_item_email* email = record->email) {
        bytes += length(email->htmlbody) + length(email->header) + length(email->report_text);
        bytes += qint64(email->rtf_compressed.size + email->encrypted_body.size + email->encrypted_htmlbody.size);
    }
    for (const pst_item_attach* attachment = record->attach; attachment; attachment = attachment->next)
        bytes += qint64(attachment->data.size);
    return bytes;
}

void ReparsedRecord::takeRecord(PstItem& item, pst_item* parsed)
{
    if (parsed && m_file && item.pstTree()) {
        // libpst reads the item's attachments and attached mails from the
        // file while the record lives, so they are checked again first, and
        // pinned: the pin that kept the bytes `parsed` came from is gone.
        // What SoundNodes remembers will not do: the file's state is looked
        // at apart from its bytes (a write in progress, or one in the same
        // clock tick, leaves it as it was when the node was checked), and
        // only bytes checked under this pin are the ones libpst reads.
        if (parsed->attach && !isStillSound(m_file.get(), item.pstTree())) {
            pst_freeItem(parsed);
            return;
        }
        m_node = item.pstTree();
        m_record = parsed;
        return;
    }
    if (parsed)
        pst_freeItem(parsed);
    // Callers may hold items of any origin; a damaged node yields no record
    // here just as in the parser's walk.
    if (m_file && item.pstTree() && NodeGuard(m_file.get()).isSound(item.pstTree())) {
        m_node = item.pstTree();
        m_record = pst_parse_item(m_file.get(), m_node, nullptr);
    }
    prepare(m_file.get(), m_node, m_record);
}

ReparsedRecord::~ReparsedRecord()
{
    if (m_record)
        pst_freeItem(m_record);
    for (auto it = m_containers.crbegin(); it != m_containers.crend(); ++it)
        pst_freeItem(*it);
    m_pin.reset();
    if (m_lock)
        m_lock->unlock();
}

void ReparsedRecord::openAttachedMail(const QList<int>& path)
{
    for (const int position : path) {
        pst_item_attach* attachment = m_record->attach;
        for (int i = 0; attachment && i < position; ++i)
            attachment = attachment->next;
        pst_index_ll* index = attachment && attachment->method == PST_ATTACH_EMBEDDED
            ? pst_getID(m_file.get(), attachment->i_id) : nullptr;
        pst_item* attached = nullptr;
        if (index) {
            m_attachedNode = pst_desc_tree{};
            m_attachedNode.desc = index;
            attached = pst_parse_item(m_file.get(), &m_attachedNode, attachment->id2_head);
        }
        // The attached record may refer to its container's data: keep it.
        m_containers.append(m_record);
        m_record = attached;
        if (!m_record) {
            m_node = nullptr;
            return;
        }
        m_node = &m_attachedNode;
        declareStringCharset(m_record);
    }
}

QByteArray ReparsedRecord::attachmentData(pst_item_attach* attachment) const
{
    if (!m_file || !attachment)
        return {};
    pst_binary contents = pst_attach_to_mem(m_file.get(), attachment);
    QByteArray bytes;
    if (contents.data && contents.size > 0)
        bytes = QByteArray(contents.data, qsizetype(contents.size));
    std::free(contents.data);
    return bytes;
}
