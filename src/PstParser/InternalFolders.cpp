// SPDX-License-Identifier: GPL-2.0-or-later
#include "InternalFolders.h"

#include "NodePropertyPeek.h"
#include "PstFolderItem.h"

#include <QStringList>

namespace {

constexpr quint16 kAttrHidden = 0x10F4;

bool flaggedHidden(pst_file* file, const pst_desc_tree* node)
{
    return node && NodePropertyPeek(file, node).int32(kAttrHidden).value_or(0) != 0;
}

} // namespace

void InternalFolders::mark(PstFolderItem& documentRoot, pst_file* file, quint64 topOfFoldersId)
{
    for (int row = 0; row < documentRoot.childCount(); ++row) {
        const auto folder = std::dynamic_pointer_cast<PstFolderItem>(documentRoot.child(row));
        if (folder)
            markFolder(*folder, file, folder->fileId() != topOfFoldersId);
    }
}

void InternalFolders::markFolder(PstFolderItem& folder, pst_file* file, bool internal)
{
    internal = internal || isInternalClass(folder.folderType()) || flaggedHidden(file, folder.pstTree());
    folder.setHidden(internal);
    for (int row = 0; row < folder.childCount(); ++row) {
        const auto child = std::dynamic_pointer_cast<PstFolderItem>(folder.child(row));
        if (child)
            markFolder(*child, file, internal);
    }
}

bool InternalFolders::isInternal(const PstFolderItem& folder, pst_file* file, quint64 topOfFoldersId)
{
    std::shared_ptr<const PstFolderItem> held;
    for (const PstFolderItem* each = &folder; each && each->nodeLevel() > 0;) {
        if (each->isHidden() || isInternalClass(each->folderType()) || flaggedHidden(file, each->pstTree()))
            return true;
        held = std::dynamic_pointer_cast<const PstFolderItem>(each->parent());
        if (!held || held->nodeLevel() == 0)
            return each->fileId() != topOfFoldersId;
        each = held.get();
    }
    return false;
}

bool InternalFolders::isInternalClass(const QString& containerClass)
{
    static const QStringList internalClasses{
        QStringLiteral("IPF.Configuration"),           QStringLiteral("Outlook.Reminder"),
        QStringLiteral("IPF.Contact.MOC.QuickContacts"), QStringLiteral("IPF.Contact.MOC.ImContactList"),
        QStringLiteral("IPF.Contact.GalContacts"),     QStringLiteral("IPF.Contact.RecipientCache"),
    };
    return internalClasses.contains(containerClass, Qt::CaseInsensitive);
}
