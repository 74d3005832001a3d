// SPDX-License-Identifier: GPL-2.0-or-later
#include "AttachmentMenu.h"

#include "AttachedMail.h"
#include "Common.h"
#include "PstMailItem.h"
#include "SaveDialog.h"

std::shared_ptr<QMenu> AttachmentMenu::create(const std::shared_ptr<PstMailItem>& mail, const MailOpener& openMail)
{
    auto menu = std::make_shared<QMenu>();
    if (!mail)
        return menu;
    const std::weak_ptr<PstMailItem> weakMail = mail;
    for (const std::shared_ptr<Attachment>& attachment : mail->attachments()) {
        if (attachment->embedded) {
            addAttachedMail(*menu, mail, attachment, openMail);
            continue;
        }
        QAction* action = menu->addAction(attachment->name);
        QObject::connect(action, &QAction::triggered, menu.get(), [weakMail, attachment] {
            if (const std::shared_ptr<PstMailItem> owner = weakMail.lock())
                attachSaveAs(owner, attachment);
        });
    }
    return menu;
}

void AttachmentMenu::addAttachedMail(QMenu& menu, const std::shared_ptr<PstMailItem>& mail,
                                     const std::shared_ptr<Attachment>& attachment, const MailOpener& openMail)
{
    // Read now for its subject; it keeps no more than its header fields.
    const std::shared_ptr<PstMailItem> attached = AttachedMail::open(mail, *attachment);
    QString label = attachment->name;
    if (label.isEmpty() && attached)
        label = attached->subject();
    if (label.isEmpty())
        label = QObject::tr("Attached mail");
    QMenu* entry = menu.addMenu(QIcon(QStringLiteral(":/img/mail-gray.png")), label);
    entry->setEnabled(attached != nullptr);
    if (!attached)
        return;
    QAction* open = entry->addAction(QObject::tr("Open"));
    open->setEnabled(bool(openMail));
    QObject::connect(open, &QAction::triggered, entry, [attached, openMail] {
        if (openMail)
            openMail(attached);
    });
    QAction* save = entry->addAction(QObject::tr("Save as .eml..."));
    QObject::connect(save, &QAction::triggered, entry, [attached] { attachedMailSaveAs(attached); });
}

void AttachmentMenu::attachSaveAs(const std::shared_ptr<PstMailItem>& mail, const std::shared_ptr<Attachment>& attachment)
{
    if (!mail || !attachment)
        return;
    const QString target = SaveDialog::getSaveFileName(nullptr, QObject::tr("Save attachment"),
        Common::safeBaseName(attachment->name, QObject::tr("attachment")));
    if (target.isEmpty())
        return;
    mail->saveAttachment(attachment, target);
}

void AttachmentMenu::attachedMailSaveAs(const std::shared_ptr<PstMailItem>& attached)
{
    if (!attached)
        return;
    const QString target = SaveDialog::getSaveFileName(nullptr, QObject::tr("Save attached mail"),
                                                       AttachedMail::fileName(*attached),
                                                       QObject::tr("E-mail messages (*.eml)"));
    if (target.isEmpty())
        return;
    AttachedMail::saveAsEml(attached, target);
}
