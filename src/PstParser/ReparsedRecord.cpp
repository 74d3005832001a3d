// SPDX-License-Identifier: GPL-2.0-or-later
#include "ReparsedRecord.h"

#include "NodeGuard.h"

#include "PstDataConverter.h"
#include "PstItem.h"

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

} // namespace

ReparsedRecord::ReparsedRecord(PstItem& item)
    : m_file(item.pstFile())
    , m_lock(item.pstLock())
{
    if (m_lock)
        m_lock->lock();
    // Callers may hold items of any origin; a damaged node yields no record
    // here just as in the parser's walk.
    if (m_file && item.pstTree() && NodeGuard(m_file.get()).isSound(item.pstTree()))
        m_record = pst_parse_item(m_file.get(), item.pstTree(), nullptr);
    if (m_record)
        declareStringCharset(m_record);
}

ReparsedRecord::~ReparsedRecord()
{
    if (m_record)
        pst_freeItem(m_record);
    if (m_lock)
        m_lock->unlock();
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
