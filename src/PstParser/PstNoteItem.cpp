// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstNoteItem.h"

#include "MessageBody.h"
#include "PstDataConverter.h"

#include <QObject>

namespace {

const QString kDatePattern = QStringLiteral("MMM dd, yyyy 'at' hh:mm AP");

} // namespace

std::shared_ptr<PstNoteItem> PstNoteItem::creteFromPstItem(pst_desc_tree* node, pst_item* record)
{
    Q_UNUSED(node);
    if (!record || record->type != PST_TYPE_STICKYNOTE)
        return nullptr;
    auto note = std::make_shared<PstNoteItem>();
    note->insertFromPstString(record->subject, QStringLiteral("subject"), PstDataConverter::recordCodePage(record));
    // A sticky note's text is its content; the subject is its first line.
    note->insertFromPstString(record->body, QStringLiteral("note"), PstDataConverter::recordCodePage(record));
    note->setRtfNote(MessageBody::hasOnlyRtfNote(record));
    note->insertFromFILETIME(record->create_date, QStringLiteral("createDate"));
    note->insertFromFILETIME(record->modify_date, QStringLiteral("modifyDate"));
    note->setDisplayName(note->subject());
    return note;
}

QString PstNoteItem::icon() const
{
    return QStringLiteral(":/img/notepaper@3x.png");
}

std::shared_ptr<PstItem> PstNoteItem::clone() const
{
    auto copy = std::make_shared<PstNoteItem>();
    copyBaseFieldsTo(copy);
    return copy;
}

QList<InfoSection> PstNoteItem::sections() const
{
    return {{QObject::tr("Notes"), {{QString(), note()}}}};
}

QString PstNoteItem::createDate() const
{
    return timestampToString(property(QStringLiteral("createDate")).toULongLong(), kDatePattern);
}

QString PstNoteItem::modifyDate() const
{
    return timestampToString(property(QStringLiteral("modifyDate")).toULongLong(), kDatePattern);
}
