// SPDX-License-Identifier: GPL-2.0-or-later
#include "ExportToIcs.h"

#include "CancelToken.h"
#include "Log.h"
#include "SeriesExceptions.h"
#include "readpst.h"

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
    // The file carries what calendar programs need to take the appointment
    // whole: its attachments and the exceptions of its series.
    ical_event_extras extras;
    extras.attachments_from = m_pstFile;
    SeriesExceptions::read(m_pstFile, m_pstNode, item, extras);
    write_appointment_calendar(out, item, extras);
    return finishItemFile(out, progress);
}

bool ExportToIcs::handToCalendar(pst_item* item, CancelToken* token, const std::function<void(int)>& progress)
{
    const int processed = countProcessed();
    if (!item || !item->appointment) {
        Log::warn(QStringLiteral("Export failed: PST appointment is empty."));
        return false;
    }
    if (token && token->isCancelled())
        return false;
    // The platform calendar bridge plugs in here; until a build has one, an
    // appointment handed over in app mode is reported as not added.
    const bool added = false;
    Log::warn(QStringLiteral("Export ics failed: this build has no calendar to add events to."));
    if (progress)
        progress(processed);
    return added;
}
