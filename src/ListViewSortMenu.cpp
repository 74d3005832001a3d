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
        {QStringLiteral("asc"), tr("A \u2192 Z")},
        {QStringLiteral("desc"), tr("Z \u2192 A")},
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
