// SPDX-License-Identifier: GPL-2.0-or-later
#include "AttachmentMenu.h"

#include "PstMailItem.h"

#include <QFileDialog>
#include <QStandardPaths>

std::shared_ptr<QMenu> AttachmentMenu::create(const std::shared_ptr<PstMailItem>& mail)
{
    auto menu = std::make_shared<QMenu>();
    if (!mail)
        return menu;
    const std::weak_ptr<PstMailItem> weakMail = mail;
    for (const std::shared_ptr<Attachment>& attachment : mail->attachments()) {
        QAction* action = menu->addAction(attachment->name);
        QObject::connect(action, &QAction::triggered, menu.get(), [weakMail, attachment] {
            if (const std::shared_ptr<PstMailItem> owner = weakMail.lock())
                attachSaveAs(owner, attachment);
        });
    }
    return menu;
}

void AttachmentMenu::attachSaveAs(const std::shared_ptr<PstMailItem>& mail, const std::shared_ptr<Attachment>& attachment)
{
    if (!mail || !attachment)
        return;
    const QString proposed = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
        + QLatin1Char('/') + attachment->name;
    const QString target = QFileDialog::getSaveFileName(nullptr, QObject::tr("Save attachment"), proposed);
    if (target.isEmpty())
        return;
    mail->saveAttachment(attachment, target);
}
