// SPDX-License-Identifier: GPL-2.0-or-later
#include "SmimePanel.h"

#include "Common.h"
#include "Log.h"
#include "NativeMessageBox.h"
#include "PstMailItem.h"
#include "SaveDialog.h"
#include "SmimeKey.h"
#include "SmimeKeyring.h"
#include "SmimeMail.h"
#include "SmimeStatusText.h"

#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSaveFile>

SmimePanel::SmimePanel(QWidget* parent)
    : QWidget(parent)
    , m_status(new QLabel(this))
    , m_decrypt(new QPushButton(this))
{
    setObjectName(QStringLiteral("smimePanel"));
    m_status->setObjectName(QStringLiteral("smimeStatus"));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_decrypt->setObjectName(QStringLiteral("smimeDecrypt"));
    m_decrypt->setText(tr("Decrypt with a Key..."));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addWidget(m_status, 1);
    layout->addWidget(m_decrypt, 0, Qt::AlignTop);
    connect(m_decrypt, &QPushButton::clicked, this, &SmimePanel::chooseKey);
    hide();
}

void SmimePanel::setMail(const std::shared_ptr<PstMailItem>& mail)
{
    m_mail = mail;
    m_content = SmimeContent();
    m_active = mail && SmimeMail::isSmime(*mail);
    if (m_active) {
        m_content = SmimeMail::read(*mail);
        m_active = m_content.kind != SmimeContent::Kind::None || !m_content.error.isEmpty();
    }
    showStatus();
}

void SmimePanel::clear()
{
    m_mail.reset();
    m_content = SmimeContent();
    m_active = false;
    showStatus();
}

QString SmimePanel::page() const
{
    return m_active ? SmimeMail::page(m_content) : QString();
}

QString SmimePanel::statusText() const
{
    return m_status->text();
}

void SmimePanel::showStatus()
{
    setVisible(m_active);
    m_status->setText(m_active ? SmimeStatusText::lines(m_content).join(QLatin1Char('\n')) : QString());
    m_decrypt->setVisible(m_active && m_content.encrypted && !m_content.decrypted);
}

void SmimePanel::addPartsTo(QMenu& menu) const
{
    if (!m_active || m_content.attachments.isEmpty())
        return;
    QAction* first = menu.actions().isEmpty() ? nullptr : menu.actions().first();
    for (const SmimePart& part : m_content.attachments) {
        auto* action = new QAction(part.name, &menu);
        connect(action, &QAction::triggered, &menu, [part] { savePart(part); });
        menu.insertAction(first, action);
    }
}

void SmimePanel::savePart(const SmimePart& part)
{
    const QString target = SaveDialog::getSaveFileName(nullptr, QObject::tr("Save attachment"),
                                                       Common::safeBaseName(part.name, QObject::tr("attachment")));
    if (target.isEmpty())
        return;
    QSaveFile file(target);
    if (file.open(QIODevice::WriteOnly) && file.write(part.data) == part.data.size() && file.commit())
        Log::info(QStringLiteral("Attachment saved successfully."));
    else
        Log::warn(QStringLiteral("Attachment save failed."));
}

bool SmimePanel::decryptWith(const QString& keyFile, QByteArray password, QString* error)
{
    const std::shared_ptr<PstMailItem> mail = m_mail.lock();
    std::shared_ptr<SmimeKey> key = SmimeKey::fromPkcs12File(keyFile, password, error);
    password.fill('\0');
    if (!mail || !key)
        return false;
    SmimeContent content = SmimeMail::read(*mail, key.get());
    if (!content.decrypted) {
        if (error)
            *error = content.error;
        return false;
    }
    SmimeKeyring::add(key);
    m_content = content;
    showStatus();
    emit contentChanged();
    return true;
}

void SmimePanel::chooseKey()
{
    const QString keyFile = QFileDialog::getOpenFileName(this, tr("Choose your key"), QString(),
                                                         tr("Keys with certificate (*.p12 *.pfx)"));
    if (keyFile.isEmpty())
        return;
    bool ok = false;
    QByteArray password = QInputDialog::getText(this, tr("Key password"), tr("Password of the key file:"),
                                                QLineEdit::Password, QString(), &ok).toUtf8();
    if (!ok)
        return;
    QString error;
    if (!decryptWith(keyFile, password, &error))
        NativeMessageBox::warning(this, tr("Cannot decrypt"), error);
    password.fill('\0');
}

void SmimePanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_decrypt->setText(tr("Decrypt with a Key..."));
        showStatus();
    }
    QWidget::changeEvent(event);
}
