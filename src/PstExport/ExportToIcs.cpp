// SPDX-License-Identifier: GPL-2.0-or-later
#include "ExportToIcs.h"

#include "CalendarBridge.h"

#include "CancelToken.h"
#include "Log.h"
#include "SeriesExceptions.h"
#include "readpst.h"

ExportToIcs::ExportToIcs(bool appMode)
    : ExportStrategy(appMode)
{
}

ExportToIcs::~ExportToIcs() = default;

bool ExportToIcs::exportItem(pst_item* item, const QString& outputDir, CancelToken* token,
                             std::function<void(int)> progress)
{
    if (m_appMode)
        return handToCalendar(item, token, progress);
    FILE* out = openItemFile(item, item && item->appointment, outputDir, token, QStringLiteral("calendar"),
                             QStringLiteral("Export failed: PST appointment is empty."),
                             QStringLiteral("Export ics failed: unable to open output file %1."));
    if (!out)
        return false;
    write_appointment_calendar(out, item, extrasFor(item));
    return finishItemFile(out, progress);
}

ical_event_extras ExportToIcs::extrasFor(pst_item* item) const
{
    // What calendar programs need to take the appointment whole: its
    // attachments and the exceptions of its series.
    ical_event_extras extras;
    extras.attachments_from = m_pstFile;
    extras.uid = itemUid().toStdString();
    SeriesExceptions::read(m_pstFile, m_pstNode, item, extras);
    return extras;
}

bool ExportToIcs::handToCalendar(pst_item* item, CancelToken* token, const std::function<void(int)>& progress)
{
    if (!acceptItem(item, item && item->appointment, token, QStringLiteral("Export failed: PST appointment is empty.")))
        return false;
    const int processed = processedCount();
    if (!m_calendar)
        m_calendar = std::make_unique<CalendarBridge>();
    // Queued: the calendar stores events in batches; finishAppRun() counts
    // any the calendar refuses in the end.
    const bool added = m_calendar->queueEvent(item, EdsSources::calendarFor(pstFile()), extrasFor(item));
    if (progress)
        progress(processed);
    return added;
}

int ExportToIcs::finishAppRun()
{
    return m_calendar ? m_calendar->flush() : 0;
}
