// SPDX-License-Identifier: GPL-2.0-or-later
#include "ListViewSortMenu.h"

#include <QActionGroup>
#include <QEvent>
#include <QHash>

ListViewSortMenu::ListViewSortMenu(QWidget* parent)
    : QMenu(parent)
    , m_fieldGroup(new QActionGroup(this))
    , m_orderGroup(new QActionGroup(this))
{
    m_fieldGroup->setExclusive(true);
    m_orderGroup->setExclusive(true);
    addChoice(m_fieldGroup, QString(), QStringLiteral("none"), true);
    addChoice(m_fieldGroup, QString(), QStringLiteral("subject"), false);
    for (const char* field : {"date", "sender", "size", "kind"})
        addChoice(m_fieldGroup, QString(), QLatin1String(field), false);
    addSeparator();
    addChoice(m_orderGroup, QString(), QStringLiteral("asc"), true);
    addChoice(m_orderGroup, QString(), QStringLiteral("desc"), false);
    retranslate();
    m_orderGroup->setEnabled(false);
    connect(this, &QMenu::triggered, this, &ListViewSortMenu::onActionTriggered);
}

void ListViewSortMenu::retranslate()
{
    const QHash<QString, QString> texts = {
        {QStringLiteral("none"), tr("Default")},
        {QStringLiteral("subject"), tr("Subject")},
        {QStringLiteral("date"), tr("Date")},
        {QStringLiteral("sender"), tr("From / Name")},
        {QStringLiteral("size"), tr("Size")},
        {QStringLiteral("kind"), tr("Kind")},
        {QStringLiteral("asc"), tr("Ascending")},
        {QStringLiteral("desc"), tr("Descending")},
    };
    for (QAction* action : actions()) {
        if (!action->isSeparator())
            action->setText(texts.value(action->data().toString()));
    }
}

void ListViewSortMenu::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMenu::changeEvent(event);
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

QString ListViewSortMenu::choice() const
{
    QAction* field = m_fieldGroup->checkedAction();
    QAction* order = m_orderGroup->checkedAction();
    return (field ? field->data().toString() : QString()) + QLatin1Char(' ')
        + (order ? order->data().toString() : QString());
}

void ListViewSortMenu::setChoice(const QString& choice)
{
    const QStringList parts = choice.split(QLatin1Char(' '));
    bool known = false;
    for (QAction* action : m_fieldGroup->actions())
        known = known || action->data().toString() == parts.value(0);
    if (!known)
        return;
    for (QAction* action : actions()) {
        const QString data = action->data().toString();
        if (!action->isSeparator() && (data == parts.value(0) || data == parts.value(1)))
            action->setChecked(true);
    }
    onActionTriggered(nullptr);
}
