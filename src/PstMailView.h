// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstItem.h"

#include <QWidget>

#include <memory>

class MyWebViewWidget;
class PstMailItem;
class SmimePanel;
class QAction;
class QLabel;
class QPushButton;
class QMenu;
namespace Ui { class PstMailView; }

// The detail page of a mail: a grey header band (sender, date, recipients,
// subject, attachments) over the body in a web view.
class PstMailView : public QWidget
{
    Q_OBJECT
public:
    explicit PstMailView(QWidget* parent = nullptr);
    ~PstMailView() override;

    // Shows `item` when it is a mail; anything else leaves the view as it was.
    void setData(const std::shared_ptr<PstItem>& item);
    // Forgets the shown mail's attachment menu.
    void clear();

    MyWebViewWidget* webView() const;
    QMenu* attachmentMenu() const { return m_attachmentMenu.get(); }
    Ui::PstMailView* form() const { return m_ui; }
    // The lines about a signed or encrypted mail.
    SmimePanel* smimePanel() const { return m_smimePanel; }
    // The "Back" link above the header (and Alt+Left), shown for an attached mail.
    void setBackVisible(bool visible);
    QAction* backAction() const { return m_backAction; }

public slots:
    // Opens the attachment menu just below the button's left edge.
    void popupAttachmentsMenu();

signals:
    // The user chose to open a mail attached to the shown one.
    void attachedMailOpened(const std::shared_ptr<PstItem>& mail);
    // The user asked to go back to the mail the shown one is attached to.
    void backRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    void setAttachmentButtonText();
    void retranslateBack();

    Ui::PstMailView* m_ui = nullptr;
    std::shared_ptr<QMenu> m_attachmentMenu;
    SmimePanel* m_smimePanel = nullptr;
    std::weak_ptr<PstMailItem> m_smimeMail;
    QLabel* m_meetingLabel = nullptr;
    QPushButton* m_backButton = nullptr;
    QAction* m_backAction = nullptr;
};
