// SPDX-License-Identifier: GPL-2.0-or-later
#include "SearchScopeBox.h"

#include <QEvent>

SearchScopeBox::SearchScopeBox(QWidget* parent)
    : QComboBox(parent)
{
    setObjectName(QStringLiteral("searchScope"));
    setFocusPolicy(Qt::StrongFocus);
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    addItem(QString());
    addItem(QString());
    retranslate();
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) { emit scopeChanged(Scope(index)); });
}

QString SearchScopeBox::choice() const
{
    return scope() == AllFolders ? QStringLiteral("all") : QStringLiteral("folder");
}

void SearchScopeBox::setChoice(const QString& choice)
{
    setScope(choice == QLatin1String("all") ? AllFolders : ThisFolder);
}

void SearchScopeBox::retranslate()
{
    setItemText(ThisFolder, tr("This folder"));
    setItemText(AllFolders, tr("All folders"));
    setToolTip(tr("Search the folder on show or every folder of the file"));
    setAccessibleName(tr("Search in"));
}

void SearchScopeBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QComboBox::changeEvent(event);
}
