// SPDX-License-Identifier: GPL-2.0-or-later
#include "ItemJson.h"

#include "PstCalendarItem.h"
#include "PstJournalItem.h"
#include "PstMailItem.h"
#include "PstNoteItem.h"
#include "PstParser.h"
#include "PstTaskItem.h"

#include <QJsonArray>
#include <QRegularExpression>

namespace {

// The item list's date patterns.
const QString kMailListDate = QStringLiteral("yyyy/MM/dd");
const QString kLongDate = QStringLiteral("MMM dd, yyyy 'at' hh:mm AP");

// The date text the item list shows for a row of this item.
QString listDate(const PstItem& item)
{
    switch (item.type()) {
    case Mail:
        return static_cast<const PstMailItem&>(item).sendDate(kMailListDate);
    case Calendar:
    case Task:
        return item.timestampToString(item.property(QStringLiteral("startDate")).toULongLong(), kLongDate);
    case Note:
        return item.timestampToString(item.property(QStringLiteral("createDate")).toULongLong(), kLongDate);
    case Journal:
        // Journal entries are listed by when they started (they keep no creation time).
        return item.timestampToString(item.property(item.hasProperty(QStringLiteral("createDate"))
                                                        ? QStringLiteral("createDate") : QStringLiteral("startTime"))
                                          .toULongLong(), kLongDate);
    default:
        return QString();
    }
}

QString itemId(const PstItem& item)
{
    return item.pstTree() ? QString::number(item.pstTree()->d_id) : QString();
}

QJsonArray sectionsToJson(const QList<InfoSection>& sections)
{
    QJsonArray result;
    for (const InfoSection& section : sections) {
        QJsonArray fields;
        for (const InfoField& field : section.fields)
            fields.append(QJsonObject{{"label", field.label}, {"value", field.value}});
        result.append(QJsonObject{{"title", section.title}, {"fields", fields}});
    }
    return result;
}

QJsonObject propertiesToJson(const PstItem& item)
{
    QJsonObject result;
    const auto& properties = item.properties();
    for (auto it = properties.cbegin(); it != properties.cend(); ++it)
        result.insert(it.key(), QJsonValue::fromVariant(it.value()));
    return result;
}

void addMailDetails(const PstMailItem& mail, QJsonObject& json)
{
    QJsonArray attachments;
    for (const auto& attachment : mail.attachments()) {
        QJsonObject entry{
            {"name", attachment->name},
            {"attachId", QString::number(attachment->attachId)},
            {"contentId", attachment->contentId},
        };
        if (attachment->embedded)
            entry.insert("embedded", true);
        attachments.append(entry);
    }
    json.insert("attachments", attachments);
    json.insert("body", mail.body());
}

void addKindFields(const PstItem& item, QJsonObject& json)
{
    if (item.type() == Mail)
        json.insert("hasAttachment", static_cast<const PstMailItem&>(item).hasAttachment());
    if (item.type() == Task)
        json.insert("completed", static_cast<const PstTaskItem&>(item).taskCompleted());
}

void walk(const PstFolderItem& folder, const QString& path,
          const std::function<void(const PstFolderItem&, const QString&)>& visit)
{
    for (int i = 0; i < folder.childCount(); ++i) {
        const auto child = std::dynamic_pointer_cast<PstFolderItem>(folder.child(i));
        if (!child)
            continue;
        const QString childPath = path.isEmpty() ? child->displayName() : path + '/' + child->displayName();
        visit(*child, childPath);
        walk(*child, childPath, visit);
    }
}

} // namespace

QString ItemJson::typeName(const PstItem& item)
{
    switch (item.type()) {
    case Mail: return QStringLiteral("mail");
    case Calendar: return QStringLiteral("appointment");
    case Contact: return QStringLiteral("contact");
    case Journal: return QStringLiteral("journal");
    case Task: return QStringLiteral("task");
    case Note: return QStringLiteral("note");
    case Folder: return QStringLiteral("folder");
    }
    return QString();
}

QJsonObject ItemJson::listEntry(const PstItem& item, const QString& path)
{
    QJsonObject json{
        {"id", itemId(item)},
        {"path", path},
        {"type", typeName(item)},
        {"displayName", item.displayName()},
        {"subject", item.subject()},
        {"date", listDate(item)},
        {"duration", item.duration()},
    };
    addKindFields(item, json);
    return json;
}

QJsonObject ItemJson::details(const PstItem& item, const QString& path)
{
    QJsonObject json = listEntry(item, path);
    json.insert("properties", propertiesToJson(item));
    json.insert("sections", sectionsToJson(item.sections()));
    if (item.type() == Mail)
        addMailDetails(static_cast<const PstMailItem&>(item), json);
    return json;
}

void ItemJson::forEachFolder(const PstFolderItem& root,
                             const std::function<void(const PstFolderItem&, const QString&)>& visit)
{
    walk(root, QString(), visit);
}

std::shared_ptr<PstItem> ItemJson::find(const PstFolderItem& root, const QString& idOrPath, QString* path)
{
    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    const bool byId = digits.match(idOrPath).hasMatch();
    std::shared_ptr<PstItem> found;
    // The document's own items (path "/#N") come before its folders', as list gives them.
    const auto visit = [&](const PstFolderItem& folder, const QString& folderPath) {
        if (found)
            return;
        const auto items = PstParser::itemsOf(folder);
        for (int i = 0; i < items.size() && !found; ++i) {
            const QString itemPath = folderPath + QStringLiteral("/#%1").arg(i);
            if (byId ? itemId(*items[i]) == idOrPath : itemPath == idOrPath) {
                found = items[i];
                *path = itemPath;
            }
        }
    };
    visit(root, QString());
    forEachFolder(root, visit);
    return found;
}
