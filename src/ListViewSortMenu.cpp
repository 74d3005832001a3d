// SPDX-License-Identifier: GPL-2.0-or-later
#include "ListViewSortMenu.h"

#include <QActionGroup>

ListViewSortMenu::ListViewSortMenu(QWidget* parent)
    : QMenu(parent)
    , m_fieldGroup(new QActionGroup(this))
    , m_orderGroup(new QActionGroup(this))
{
    m_fieldGroup->setExclusive(true);
    m_orderGroup->setExclusive(true);
    addChoice(m_fieldGroup, tr("Default"), QStringLiteral("none"), true);
    addChoice(m_fieldGroup, tr("Subject"), QStringLiteral("subject"), false);
    addSeparator();
    addChoice(m_orderGroup, tr("A \u2192 Z"), QStringLiteral("asc"), true);
    addChoice(m_orderGroup, tr("Z \u2192 A"), QStringLiteral("desc"), false);
    m_orderGroup->setEnabled(false);
    connect(this, &QMenu::triggered, this, &ListViewSortMenu::onActionTriggered);
}

QAction* ListViewSortMenu::addChoice(QActionGroup* group, const QString& text, const QString& data, bool checked)
{
    QAction* action = addAction(text);
    action->setCheckable(true);
    action->setChecked(checked);
    action->setData(data);
    group->addAction(action);
    return action;
}

void ListViewSortMenu::onActionTriggered(QAction*)
{
    QAction* field = m_fieldGroup->checkedAction();
    QAction* order = m_orderGroup->checkedAction();
    const QString fieldData = field ? field->data().toString() : QString();
    m_orderGroup->setEnabled(fieldData != QLatin1String("none"));
    emit sortChanged(fieldData, order ? order->data().toString() : QString());
}
