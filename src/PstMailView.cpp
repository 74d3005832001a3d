// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstMailView.h"

#include "AttachmentMenu.h"
#include "MeetingRequest.h"
#include "PstMailItem.h"
#include "SmimePanel.h"
#include "ui_PstMailView.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

PstMailView::PstMailView(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::PstMailView)
{
    m_ui->setupUi(this);
    m_ui->attachmentBtn->hide();
    // Parts of the header can be selected with the mouse and copied.
    for (QLabel* label : {m_ui->from, m_ui->dateLabel, m_ui->toLabel})
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_smimePanel = new SmimePanel(m_ui->headFrame);
    m_ui->headFrame->layout()->addWidget(m_smimePanel);
    // Decrypted with a key the user chose: the same mail again, readable now.
    connect(m_smimePanel, &SmimePanel::contentChanged, this, [this] {
        if (const auto mail = m_smimeMail.lock())
            setData(mail);
    });
    // A meeting mail's time, place, organiser and attendees, below the subject.
    m_meetingLabel = new QLabel(m_ui->headFrame);
    m_meetingLabel->setObjectName(QStringLiteral("meetingLabel"));
    m_meetingLabel->setTextFormat(Qt::PlainText);
    m_meetingLabel->setWordWrap(true);
    m_meetingLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_meetingLabel->hide();
    m_ui->verticalLayout->addWidget(m_meetingLabel);
    // The way back from an attached mail to the mail it came from.
    m_backButton = new QPushButton(m_ui->headFrame);
    m_backButton->setObjectName(QStringLiteral("backButton"));
    m_backButton->setFlat(true);
    m_backButton->setCursor(Qt::PointingHandCursor);
    m_backButton->hide();
    m_ui->verticalLayout->insertWidget(0, m_backButton, 0, Qt::AlignLeft);
    m_backAction = new QAction(this);
    m_backAction->setShortcut(QKeySequence::Back);
    m_backAction->setShortcutContext(Qt::WindowShortcut);
    m_backAction->setEnabled(false);
    addAction(m_backAction);
    connect(m_backButton, &QPushButton::clicked, this, &PstMailView::backRequested);
    connect(m_backAction, &QAction::triggered, this, &PstMailView::backRequested);
    retranslateBack();
}

void PstMailView::setBackVisible(bool visible)
{
    m_backButton->setVisible(visible);
    m_backAction->setEnabled(visible);
}

void PstMailView::retranslateBack()
{
    m_backButton->setText(QStringLiteral("\u2190 ") + tr("Back"));
    m_backButton->setToolTip(tr("Back to the mail this one is attached to (%1)")
                                 .arg(m_backAction->shortcut().toString(QKeySequence::NativeText)));
}

PstMailView::~PstMailView()
{
    delete m_ui;
}

MyWebViewWidget* PstMailView::webView() const
{
    return m_ui->webViewWidget;
}

void PstMailView::setData(const std::shared_ptr<PstItem>& item)
{
    const auto mail = std::dynamic_pointer_cast<PstMailItem>(item);
    if (!mail)
        return;
    m_ui->from->setText(mail->sender());
    // The header labels show the file's text as plain text, so the address
    // gets real angle brackets rather than the HTML entities of formattedSenderAddr().
    const QString address = mail->property(QStringLiteral("senderAddr")).toString();
    m_ui->fromLabel->setFullText(address.isEmpty() ? QString() : QStringLiteral("<%1>").arg(address));
    m_ui->dateLabel->setText(mail->sendDate(QStringLiteral("MMM dd, yyyy 'at' hh:mm AP")));
    m_ui->toLabel->setText(mail->formattedRecipients());
    m_ui->ccLabel->setFullText(mail->formattedCc());
    m_ui->bccLabel->setFullText(mail->formattedBcc());
    m_ui->subjectLabel->setFullText(mail->subject());
    m_smimeMail = mail;
    m_smimePanel->setMail(mail);
    QStringList meeting;
    for (const InfoField& field : MeetingRequest::detailsOf(*mail))
        meeting << field.label + QStringLiteral(": ") + field.value;
    m_meetingLabel->setText(meeting.join(QLatin1Char('\n')));
    m_meetingLabel->setVisible(!meeting.isEmpty());

    if (mail->hasAttachment()) {
        m_attachmentMenu = AttachmentMenu::create(mail, [this](const std::shared_ptr<PstMailItem>& attached) {
            // Showing it replaces the menu that asks: not while that menu runs.
            QMetaObject::invokeMethod(this, [this, attached] { emit attachedMailOpened(attached); }, Qt::QueuedConnection);
        });
        m_smimePanel->addPartsTo(*m_attachmentMenu);
        setAttachmentButtonText();
        disconnect(m_ui->attachmentBtn, &QPushButton::clicked, this, &PstMailView::popupAttachmentsMenu);
        connect(m_ui->attachmentBtn, &QPushButton::clicked, this, &PstMailView::popupAttachmentsMenu);
        m_ui->attachmentBtn->show();
    } else {
        m_ui->attachmentBtn->hide();
    }
    const QString smimePage = m_smimePanel->page();
    m_ui->webViewWidget->updateHtml(smimePage.isEmpty() ? mail->body() : smimePage);
}

void PstMailView::clear()
{
    m_attachmentMenu.reset();
    m_smimePanel->clear();
    m_ui->attachmentBtn->hide();
    if (m_ui->webViewWidget->isReady())
        m_ui->webViewWidget->updateHtml(QString());
}

void PstMailView::setAttachmentButtonText()
{
    if (m_attachmentMenu)
        m_ui->attachmentBtn->setText(tr("Attachments (%1)").arg(m_attachmentMenu->actions().size()));
}

void PstMailView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        setAttachmentButtonText();
        retranslateBack();
    }
    QWidget::changeEvent(event);
}

void PstMailView::popupAttachmentsMenu()
{
    if (!m_attachmentMenu)
        return;
    QPushButton* button = m_ui->attachmentBtn;
    m_attachmentMenu->exec(button->mapToGlobal(QPoint(0, button->height())));
}
