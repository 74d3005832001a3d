// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstItem.h"

#include <QObject>

#include <memory>

class PstInfoView;
class PstMailView;
class QStackedWidget;

// Chooses the detail pane's page for the chosen item: the blank page, the
// mail view for a mail, the information view for every other kind.
class DetailViewController : public QObject
{
    Q_OBJECT
public:
    // Adds the mail view and the information view as pages 1 and 2 of `stack`.
    DetailViewController(QStackedWidget* stack, QObject* parent = nullptr);

    std::shared_ptr<PstItem> currentItem() const { return m_item; }
    PstMailView* mailView() const { return m_mailView; }
    PstInfoView* infoView() const { return m_infoView; }

    // True while an attached mail is shown: Back returns to the mail it came from.
    bool canGoBack() const { return !m_back.isEmpty(); }

public slots:
    // Null shows the blank page. Forgets the way back from attached mails.
    void setItem(const std::shared_ptr<PstItem>& item);
    // Shows the mail an attached mail was opened from (the Back link, Alt+Left).
    void goBack();
    // The list's current item chosen again: shown when the pane shows another.
    void showAgain(const std::shared_ptr<PstItem>& item);

signals:
    // Back showed `item`.
    void wentBack(const std::shared_ptr<PstItem>& item);

private:
    void openAttached(const std::shared_ptr<PstItem>& attached);
    void show(const std::shared_ptr<PstItem>& item);

    QStackedWidget* m_stack = nullptr;
    PstMailView* m_mailView = nullptr;
    PstInfoView* m_infoView = nullptr;
    std::shared_ptr<PstItem> m_item;
    QList<std::shared_ptr<PstItem>> m_back;
};
