// SPDX-License-Identifier: GPL-2.0-or-later
#include "ExportToTasks.h"

#include "MapiPropertyReader.h"
#include "PstItem.h"
#include "readpst.h"

#include <optional>

namespace {

constexpr quint16 kImportance = 0x0017;

using Reader = MapiPropertyReader;

std::optional<FILETIME> filetime(const Reader& reader, quint32 lid)
{
    const std::optional<qint64> ticks = reader.filetimeNamed(Reader::kPsetidTask, lid);
    if (!ticks)
        return std::nullopt;
    FILETIME time;
    time.dwLowDateTime = quint32(quint64(*ticks) & 0xFFFFFFFFu);
    time.dwHighDateTime = quint32(quint64(*ticks) >> 32);
    return time;
}

} // namespace

bool ExportToTasks::exportItem(pst_item* item, const QString& outputDir, CancelToken* token,
                               std::function<void(int)> progress)
{
    FILE* out = openItemFile(item, item && item->type == PST_TYPE_TASK, outputDir, token, QStringLiteral("task"),
                             QStringLiteral("Export failed: PST task is empty."),
                             QStringLiteral("Export ics failed: unable to open output file %1."));
    if (!out)
        return false;
    task_values values;
    std::optional<FILETIME> start, due, completed;
    pst_desc_tree* node = m_sourceItem ? m_sourceItem->pstTree() : nullptr;
    if (m_pstFile && node) {
        const Reader reader(m_pstFile, node);
        values.status = reader.int32Named(Reader::kPsetidTask, Reader::kLidTaskStatus).value_or(0);
        values.percent_complete = reader.doubleNamed(Reader::kPsetidTask, Reader::kLidPercentComplete).value_or(0.0);
        values.complete = reader.boolNamed(Reader::kPsetidTask, Reader::kLidTaskComplete).value_or(false);
        values.importance = reader.int32(kImportance).value_or(1);
        start = filetime(reader, Reader::kLidTaskStartDate);
        due = filetime(reader, Reader::kLidTaskDueDate);
        completed = filetime(reader, Reader::kLidTaskDateCompleted);
    }
    values.start = start ? &*start : nullptr;
    values.due = due ? &*due : nullptr;
    values.completed = completed ? &*completed : nullptr;
    const QByteArray uid = itemUid();
    values.uid = uid.isEmpty() ? nullptr : uid.constData();
    write_task(out, item, values);
    return finishItemFile(out, progress);
}
