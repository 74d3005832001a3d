#pragma once

#include "PstItem.h"

#include <QWidget>

#include <memory>

class MyWebViewWidget;
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

public slots:
    // Opens the attachment menu just below the button's left edge.
    void popupAttachmentsMenu();

protected:
    void changeEvent(QEvent* event) override;

private:
    void setAttachmentButtonText();

    Ui::PstMailView* m_ui = nullptr;
    std::shared_ptr<QMenu> m_attachmentMenu;
};
