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

public slots:
    // Null shows the blank page.
    void setItem(const std::shared_ptr<PstItem>& item);

private:
    QStackedWidget* m_stack = nullptr;
    PstMailView* m_mailView = nullptr;
    PstInfoView* m_infoView = nullptr;
    std::shared_ptr<PstItem> m_item;
};
