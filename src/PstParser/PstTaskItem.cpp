// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstTaskItem.h"

#include "DurationText.h"
#include "MapiPropertyReader.h"
#include "MessageBody.h"
#include "PstDataConverter.h"

#include <QObject>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QString kDatePattern = QStringLiteral("MMM dd, yyyy 'at' hh:mm AP");

using Reader = MapiPropertyReader;

FILETIME toFiletime(qint64 ticks)
{
    FILETIME time;
    time.dwLowDateTime = quint32(quint64(ticks) & 0xFFFFFFFFu);
    time.dwHighDateTime = quint32(quint64(ticks) >> 32);
    return time;
}

// The owner may be stored in 8-bit form in the record's code page, which the
// property reader cannot know; it decodes such text as UTF-8 or Latin-1.
void storeOwner(PstTaskItem& task, const Reader& reader, int codePage)
{
    const auto owner = reader.stringNamed(Reader::kPsetidTask, Reader::kLidTaskOwner);
    if (!owner)
        return;
    const auto id = reader.namedPropertyId(Reader::kPsetidTask, Reader::kLidTaskOwner);
    QByteArray bytes = id ? reader.binary(*id).value_or(QByteArray()) : QByteArray();
    const QString asUtf16 = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2);
    const bool eightBit = !bytes.isEmpty() && asUtf16 != *owner;
    if (eightBit && !PstDataConverter::encodingNameForCodePage(codePage).isEmpty()) {
        pst_string value{};
        value.str = bytes.data();
        task.insertFromPstString(value, QStringLiteral("owner"), codePage);
        return;
    }
    task.insertProperty(QStringLiteral("owner"), *owner);
}

void storeTime(PstTaskItem& task, const std::optional<qint64>& ticks, const QString& key)
{
    if (!ticks)
        return;
    const FILETIME time = toFiletime(*ticks);
    task.insertFromFILETIME(&time, key);
}

} // namespace

std::shared_ptr<PstTaskItem> PstTaskItem::creteFromPstItem(pst_desc_tree* node, pst_item* record)
{
    if (!record || record->type != PST_TYPE_TASK)
        return nullptr;
    auto task = std::make_shared<PstTaskItem>();
    const int codePage = PstDataConverter::recordCodePage(record);
    task->insertFromPstString(record->subject, QStringLiteral("subject"), codePage);
    task->setDisplayName(task->subject());
    task->insertFromPstString(record->body, QStringLiteral("note"), codePage);
    task->setRtfNote(MessageBody::hasOnlyRtfNote(record));
    if (!record->pf || !node)
        return task;
    // libpst carries no task values; they are read from the message itself.
    const Reader reader(record->pf, node);
    if (!reader.isValid())
        return task;
    storeOwner(*task, reader, codePage);
    storeTime(*task, reader.filetimeNamed(Reader::kPsetidTask, Reader::kLidTaskStartDate), QStringLiteral("startDate"));
    storeTime(*task, reader.filetimeNamed(Reader::kPsetidTask, Reader::kLidTaskDueDate), QStringLiteral("dueDate"));
    task->setCompleted(reader.boolNamed(Reader::kPsetidTask, Reader::kLidTaskComplete).value_or(false));
    task->setStatus(reader.int32Named(Reader::kPsetidTask, Reader::kLidTaskStatus).value_or(0));
    task->setActualWork(reader.int32Named(Reader::kPsetidTask, Reader::kLidTaskActualEffort).value_or(0));
    task->setEstimatedWork(reader.int32Named(Reader::kPsetidTask, Reader::kLidTaskEstimatedEffort).value_or(0));
    task->setProgress(reader.doubleNamed(Reader::kPsetidTask, Reader::kLidPercentComplete).value_or(0.0));
    return task;
}

QString PstTaskItem::icon() const
{
    return QStringLiteral(":/img/task@3x.png");
}

std::shared_ptr<PstItem> PstTaskItem::clone() const
{
    auto copy = std::make_shared<PstTaskItem>();
    copyBaseFieldsTo(copy);
    copy->m_completed = m_completed;
    copy->m_status = m_status;
    copy->m_actualWork = m_actualWork;
    copy->m_estimatedWork = m_estimatedWork;
    copy->m_progress = m_progress;
    return copy;
}

QList<InfoSection> PstTaskItem::sections() const
{
    return {
        {QObject::tr("Task Schedule"),
         {{QObject::tr("Start Date"), startDate(kDatePattern)},
          {QObject::tr("Due Date"), dueDate(kDatePattern)}}},
        {QObject::tr("Task Status"),
         {{QObject::tr("Owner"), property(QStringLiteral("owner")).toString()},
          {QObject::tr("Status"), status()},
          {QObject::tr("Estimated work"), estimatedWork()},
          {QObject::tr("Actual work"), actualWork()},
          {QObject::tr("Progress"), QObject::tr("%1 % completed").arg(m_progress)}}},
        {QObject::tr("Notes"), {{QString(), note()}}},
    };
}

void PstTaskItem::setStatus(int status)
{
    m_status = status;
}

void PstTaskItem::setCompleted(int completed)
{
    m_completed = completed != 0;
}

void PstTaskItem::setActualWork(int minutes)
{
    m_actualWork = minutes;
}

void PstTaskItem::setEstimatedWork(int minutes)
{
    m_estimatedWork = minutes;
}

void PstTaskItem::setProgress(double fraction)
{
    // Truncated, not rounded: 0.29 times 100 is just below 29 and gives 28.
    // The fraction comes from the file: what no int can hold is cut to the
    // nearest int, and a value that is no number counts as nothing done.
    const double percent = fraction * 100.0;
    if (std::isnan(percent))
        m_progress = 0;
    else
        m_progress = int(std::clamp(percent, double(std::numeric_limits<int>::min()),
                                    double(std::numeric_limits<int>::max())));
}

bool PstTaskItem::taskCompleted() const
{
    return m_completed;
}

QString PstTaskItem::status() const
{
    switch (m_status) {
    case 0: return QObject::tr("not started");
    case 1: return QObject::tr("in progress");
    case 2: return QObject::tr("complete");
    case 3: return QObject::tr("waiting on someone else");
    case 4: return QObject::tr("deferred");
    default: return QString();
    }
}

QString PstTaskItem::estimatedWork() const
{
    return workTimeToString(m_estimatedWork);
}

QString PstTaskItem::actualWork() const
{
    return workTimeToString(m_actualWork);
}

QString PstTaskItem::workTimeToString(int minutes) const
{
    return DurationText::work(minutes);
}

QString PstTaskItem::startDate(const QString& format) const
{
    return timestampToString(property(QStringLiteral("startDate")).toULongLong(), format);
}

QString PstTaskItem::dueDate(const QString& format) const
{
    return timestampToString(property(QStringLiteral("dueDate")).toULongLong(), format);
}
