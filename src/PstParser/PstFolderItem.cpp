// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstFolderItem.h"

#include "PstDataConverter.h"

#include <QDebug>
#include <QObject>

std::shared_ptr<PstFolderItem> PstFolderItem::creteFromPstItem(pst_desc_tree* node, pst_item* record)
{
    if (!node || !record || !record->folder)
        return nullptr;
    auto folder = std::make_shared<PstFolderItem>();
    if (record->file_as.str)
        folder->setDisplayName(PstDataConverter::toQString(record->file_as, PstDataConverter::recordCodePage(record)));
    folder->setFileId(node->d_id);
    folder->setFolderType(record->ascii_type);
    return folder;
}

QString PstFolderItem::icon() const
{
    if (m_folderType == QLatin1String("IPF.Appointment"))
        return QStringLiteral(":/img/calendar@3x.png");
    if (m_folderType == QLatin1String("IPF.Contact"))
        return QStringLiteral(":/img/contact@3x.png");
    if (m_folderType == QLatin1String("IPF.Journal"))
        return QStringLiteral(":/img/diary@3x.png");
    if (m_folderType == QLatin1String("IPF.StickyNote"))
        return QStringLiteral(":/img/notepaper@3x.png");
    if (m_folderType == QLatin1String("IPF.Task"))
        return QStringLiteral(":/img/task@3x.png");
    return QStringLiteral(":/img/folder@3x.png");
}

std::shared_ptr<PstItem> PstFolderItem::clone() const
{
    auto copy = std::make_shared<PstFolderItem>();
    copyBaseFieldsTo(copy);
    copy->m_folderType = m_folderType;
    copy->m_hidden = m_hidden;
    copy->m_losses = m_losses;
    for (const auto& child : m_children)
        copy->addChildNode(child->clone());
    for (const auto& item : m_items)
        copy->addItem(item->clone());
    copy->m_itemCount = m_itemCount;
    copy->m_kindCounts = m_kindCounts;
    return copy;
}

void PstFolderItem::addItem(const std::shared_ptr<PstItem>& item)
{
    item->setParent(shared_from_this());
    m_items.append(item);
    ++m_itemCount;
    ++m_kindCounts[item->type()];
}

void PstFolderItem::setReadItems(const ItemCounts& counts, const QList<std::shared_ptr<PstItem>>& items)
{
    if (!items.isEmpty()) {
        addReadItems(items);
        return;
    }
    for (auto it = counts.begin(); it != counts.end(); ++it) {
        m_kindCounts[it.key()] += it.value();
        m_itemCount += it.value();
    }
    m_itemsPending = false;
}

void PstFolderItem::addReadItems(const QList<std::shared_ptr<PstItem>>& items)
{
    for (const auto& item : items)
        addItem(item);
    m_itemsPending = false;
}

void PstFolderItem::setFolderType(const char* containerClass)
{
    m_folderType = containerClass ? QString::fromLatin1(containerClass) : QString(QLatin1String(""));
}

QString PstFolderItem::itemCountStr() const
{
    if (m_itemCount == 0)
        return QString(QLatin1String(""));
    return QLatin1Char(' ') + QObject::tr("(%n item(s))", nullptr, m_itemCount);
}
