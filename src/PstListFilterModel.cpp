// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstListFilterModel.h"

#include "PstListModel.h"
#include "PstMailItem.h"

#include <algorithm>

PstListFilterModel::PstListFilterModel(QObject* parent)
    : QSortFilterProxyModel(parent)
{
}

void PstListFilterModel::setSearchText(const QString& text)
{
    m_searchText = text;
    m_foldedSearchText = folded(text);
    invalidateFilter();
}

QString PstListFilterModel::folded(const QString& text)
{
    // Most texts are plain ASCII, which has no accents to strip.
    const bool ascii = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii)
        return text.toLower();
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString result;
    result.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            result.append(c);
    }
    return result.toCaseFolded();
}

bool PstListFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    if (m_foldedSearchText.isEmpty())
        return true;
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    const auto* model = qobject_cast<const PstListModel*>(sourceModel());
    const PstItem* item = model ? model->itemAt(index) : nullptr;
    if (!item)
        return folded(index.data(Qt::DisplayRole).toString()).contains(m_foldedSearchText);
    QStringList texts{item->displayName()};
    if (const auto* mail = dynamic_cast<const PstMailItem*>(item))
        texts << mail->subject() << mail->property(QStringLiteral("senderAddr")).toString();
    for (const QString& text : texts) {
        if (!text.isEmpty() && folded(text).contains(m_foldedSearchText))
            return true;
    }
    return false;
}
