// SPDX-License-Identifier: GPL-2.0-or-later
#include "DetailViewController.h"

#include "PstInfoView.h"
#include "PstMailView.h"

#include <QStackedWidget>

namespace {

const int kBlankPage = 0;

} // namespace

DetailViewController::DetailViewController(QStackedWidget* stack, QObject* parent)
    : QObject(parent)
    , m_stack(stack)
    , m_mailView(new PstMailView(stack))
    , m_infoView(new PstInfoView(stack))
{
    m_stack->addWidget(m_mailView);
    m_stack->addWidget(m_infoView);
    connect(m_mailView, &PstMailView::attachedMailOpened, this, &DetailViewController::openAttached);
    connect(m_mailView, &PstMailView::backRequested, this, &DetailViewController::goBack);
}

void DetailViewController::setItem(const std::shared_ptr<PstItem>& item)
{
    m_back.clear();
    show(item);
}

void DetailViewController::openAttached(const std::shared_ptr<PstItem>& attached)
{
    if (m_item)
        m_back.append(m_item);
    show(attached);
}

void DetailViewController::goBack()
{
    if (m_back.isEmpty())
        return;
    const std::shared_ptr<PstItem> outer = m_back.takeLast();
    show(outer);
    emit wentBack(outer);
}

void DetailViewController::showAgain(const std::shared_ptr<PstItem>& item)
{
    if (item && item != m_item)
        setItem(item);
}

void DetailViewController::show(const std::shared_ptr<PstItem>& item)
{
    m_mailView->setBackVisible(!m_back.isEmpty());
    if (!item) {
        // The shown item may belong to a document that is being closed:
        // let go of it and of its attachment menu.
        m_item.reset();
        m_mailView->clear();
        m_infoView->clearInfoLabels();
        m_stack->setCurrentIndex(kBlankPage);
        return;
    }
    m_item = item;
    switch (item->type()) {
    case Mail:
        m_stack->setCurrentWidget(m_mailView);
        m_mailView->setData(item);
        break;
    case Calendar:
    case Contact:
    case Journal:
    case Task:
    case Note:
        m_stack->setCurrentWidget(m_infoView);
        m_infoView->setData(item);
        break;
    default:
        m_stack->setCurrentIndex(kBlankPage);
        break;
    }
}
