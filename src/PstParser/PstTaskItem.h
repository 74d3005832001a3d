// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstItem.h"

// A task (message class "IPM.Task"). Subject, owner, note and the start and
// due times are properties; status, completion and work are fields.
class PstTaskItem : public PstItem
{
public:
    // Empty unless the record is of libpst's task type. The task values are
    // read from the message's own properties in the record's file; when they
    // cannot be read the task has only its subject and note.
    static std::shared_ptr<PstTaskItem> creteFromPstItem(pst_desc_tree* node, pst_item* record);

    ItemType type() const override { return Task; }
    QString icon() const override;
    std::shared_ptr<PstItem> clone() const override;
    // "Task Schedule", "Task Status" and "Notes", with all their rows.
    QList<InfoSection> sections() const override;

    void setStatus(int status);
    // Stores whether `completed` is non-zero.
    void setCompleted(int completed);
    void setActualWork(int minutes);
    void setEstimatedWork(int minutes);
    // Stores the fraction (0.0 to 1.0) as whole percent, truncated.
    void setProgress(double fraction);

    bool taskCompleted() const;
    // "not started", "in progress", ...; "" for an unknown status.
    QString status() const;
    int progress() const { return m_progress; }
    QString estimatedWork() const;
    QString actualWork() const;
    // "2 weeks", "1 day", "3 hours"; "" unless a whole number of hours.
    QString workTimeToString(int minutes) const;
    // Start and due time in local time with `format`; "" when missing.
    QString startDate(const QString& format) const;
    QString dueDate(const QString& format) const;

private:
    bool m_completed = false;
    int m_status = 0;
    int m_actualWork = 0;
    int m_estimatedWork = 0;
    int m_progress = 0;
};
