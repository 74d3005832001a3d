// SPDX-License-Identifier: GPL-2.0-or-later
#include "WrittenPst.h"

#include "PstNoteItem.h"
#include "PstParser.h"
#include "PstTaskItem.h"
#include "PstWriter.h"

namespace WrittenPst {

PstDescription oneFolder(const QList<PstMessage>& messages, const QString& containerClass)
{
    PstDescription description;
    PstFolder folder;
    folder.name = QStringLiteral("Items");
    folder.containerClass = containerClass;
    folder.messages = messages;
    description.folders.append(folder);
    return description;
}

PstMessage message(const QByteArray& json)
{
    PstDescription description;
    QString error;
    if (!PstDescription::fromJson("{\"folders\": [{\"name\": \"Items\", \"messages\": [" + json + "]}]}", &description,
                                  &error)
        || description.folders.value(0).messages.isEmpty())
        qFatal("bad message description %s: %s", json.constData(), qPrintable(error));
    return description.folders.first().messages.first();
}

std::shared_ptr<PstFolderItem> open(const PstDescription& description, const QString& path, QString* error)
{
    QString writeError;
    if (!PstWriter::write(description, path, &writeError)) {
        *error = QStringLiteral("writing %1 failed: %2").arg(path, writeError);
        return nullptr;
    }
    std::shared_ptr<PstFolderItem> root = parse(path);
    if (!root)
        *error = QStringLiteral("the parser cannot read the written file %1").arg(path);
    return root;
}

std::shared_ptr<PstFolderItem> parse(const QString& path, bool lightOpen)
{
    PstParser parser;
    parser.setLightOpen(lightOpen);
    return parser.open(path) ? parser.parse(path) : nullptr;
}

QList<std::shared_ptr<PstItem>> allItems(const PstFolderItem& folder)
{
    QList<std::shared_ptr<PstItem>> items = folder.items();
    for (int i = 0; i < folder.childCount(); ++i) {
        if (const auto child = std::dynamic_pointer_cast<PstFolderItem>(folder.child(i)))
            items += allItems(*child);
    }
    return items;
}

std::shared_ptr<PstFolderItem> folderNamed(const PstFolderItem& parent, const QString& name)
{
    for (int row = 0; row < parent.childCount(); ++row) {
        const auto folder = std::dynamic_pointer_cast<PstFolderItem>(parent.child(row));
        if (!folder)
            continue;
        if (folder->displayName() == name)
            return folder;
        if (const auto found = folderNamed(*folder, name))
            return found;
    }
    return nullptr;
}

QByteArray randomBytes(QRandomGenerator& random, int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    return randomBytes(random, size);
}

QStringList describe(const PstItem& item)
{
    static const QStringList kinds{"mail", "appointment", "contact", "journal", "task", "note"};
    QStringList lines{
        QStringList{kinds.value(item.type()), item.icon(), item.displayName(), item.subject(), item.duration()}.join('|')};
    if (const auto* note = dynamic_cast<const PstNoteItem*>(&item))
        lines << "created " + note->createDate() + ", modified " + note->modifyDate();
    if (const auto* task = dynamic_cast<const PstTaskItem*>(&item))
        lines << QStringLiteral("completed %1, progress %2").arg(task->taskCompleted()).arg(task->progress());
    if (item.type() == Journal)
        lines << "type " + item.property("type").toString();
    for (const InfoSection& section : item.sections()) {
        QStringList fields;
        for (const InfoField& field : section.fields)
            fields << field.label + "=" + field.value;
        lines << section.title + ": " + fields.join(" | ");
    }
    return lines;
}

} // namespace WrittenPst
