// SPDX-License-Identifier: GPL-2.0-or-later
#include "IndexShares.h"

#include "PstFolderItem.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

void collect(const PstFolderItem& folder, QList<std::pair<int, QString>>* sized)
{
    if (folder.itemCount() > 0)
        sized->append({folder.itemCount(), IndexShares::folderId(folder)});
    for (int i = 0; i < folder.childCount(); ++i) {
        if (const auto* child = dynamic_cast<const PstFolderItem*>(folder.child(i).get()))
            collect(*child, sized);
    }
}

} // namespace

QString IndexShares::folderId(const PstFolderItem& folder)
{
    return folder.nodeLevel() == 0 ? QStringLiteral("root") : QString::number(folder.fileId());
}

QList<QStringList> IndexShares::split(const PstFolderItem& root, int jobs)
{
    QList<std::pair<int, QString>> sized;
    collect(root, &sized);
    qint64 total = 0;
    for (const auto& entry : std::as_const(sized))
        total += entry.first;
    if (total == 0)
        return {};
    jobs = qMax(1, jobs);
    // A folder larger than a fair share is cut into slices, so one large
    // folder (a flat Inbox) still keeps every worker busy.
    const qint64 fair = (total + jobs - 1) / jobs;
    QList<std::pair<int, QString>> parts;
    for (const auto& [count, id] : std::as_const(sized)) {
        const int slices = jobs > 1 && count > fair ? int(qMin<qint64>(jobs, (count + fair - 1) / fair)) : 1;
        if (slices == 1) {
            parts.append({count, id});
            continue;
        }
        for (int k = 0; k < slices; ++k)
            parts.append({count / slices + (k < count % slices ? 1 : 0), QStringLiteral("%1:%2/%3").arg(id).arg(k).arg(slices)});
    }
    // The largest first, each to the lightest share.
    std::sort(parts.begin(), parts.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    QList<QStringList> shares(qMin<qsizetype>(jobs, parts.size()));
    QList<qint64> loads(shares.size(), 0);
    for (const auto& [count, id] : std::as_const(parts)) {
        const auto lightest = std::min_element(loads.begin(), loads.end()) - loads.begin();
        loads[lightest] += count;
        shares[lightest].append(id);
    }
    return shares;
}

bool IndexShares::parsePart(const QString& text, Part* part)
{
    static const QRegularExpression pattern(QStringLiteral("^(root|\\d+)(?::(\\d+)/(\\d+))?$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    part->folderId = match.captured(1);
    part->slice = match.captured(2).isEmpty() ? 0 : match.captured(2).toInt();
    part->slices = match.captured(3).isEmpty() ? 1 : match.captured(3).toInt();
    return part->slices >= 1 && part->slice < part->slices;
}
