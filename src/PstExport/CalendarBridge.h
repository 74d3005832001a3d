// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "EdsSources.h"

#include <libpst/libpst.h>

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>

typedef struct _EClient EClient;
typedef struct _ICalComponent ICalComponent;
typedef struct _ESourceRegistry ESourceRegistry;
struct ical_event_extras;

// Appointments into the desktop calendar (Evolution Data Server): one event
// per appointment in a local calendar of the PST file's own (see
// EdsSources::calendarFor), found or created on first use. One bridge serves one export run on the export
// thread; it keeps its connection to the calendar for the run.
class CalendarBridge
{
public:
    CalendarBridge() = default;
    ~CalendarBridge();
    CalendarBridge(const CalendarBridge&) = delete;
    CalendarBridge& operator=(const CalendarBridge&) = delete;

    // 1 when the desktop calendar service answers on the session bus, 2 when
    // it does not (no session bus, no source registry). Never 0: there is
    // nothing to ask the user on this desktop.
    static int isCalendarAuthorized();
    // Whether access is granted; there is no prompt, so this is the state.
    static bool requestCalendarAuthorizationSync();

    // The appointment as one VEVENT: the .ics writer's event (recurrence rule
    // and all-day dates included) with times in UTC (a series' start and end
    // in the desktop's time zone) and the reminder as one absolute alarm. Empty without an appointment record. Converts
    // the item's strings in place, as the writers do.
    static QByteArray eventText(pst_item* item);
    // The same with the deleted occurrences as EXDATE, the attachments
    // inline and the UID, as the .ics writer has them.
    static QByteArray eventText(pst_item* item, const ical_event_extras& extras);
    // Each changed occurrence of the series as a VEVENT of its own (the
    // series' UID and a RECURRENCE-ID), in the series' time zone.
    static QList<QByteArray> occurrenceTexts(pst_item* item, const ical_event_extras& extras);

    // Stores `item` as an event in the calendar `calendar` at once; true when
    // the calendar service stored it. An event already there from an earlier
    // export of the same item (the same UID) is replaced, not doubled.
    bool addEventToMacCalendar(pst_item* item, const EdsSources::Target& calendar);

    // The same for a run of many: the event is queued and stored with the
    // next batch (a calendar stores a batch much faster than its events one
    // by one). False when it cannot be queued (no appointment, no calendar).
    bool queueEvent(pst_item* item, const EdsSources::Target& calendar);
    // With the series' exceptions and the attachments: the changed
    // occurrences are stored after their series, as changes of one
    // occurrence each.
    bool queueEvent(pst_item* item, const EdsSources::Target& calendar, const ical_event_extras& extras);
    // Stores the queued events; returns how many of the events queued since
    // the last flush the calendar did not store (each logged).
    int flush();

private:
    // Connects to the calendar, finding or creating it, and learns the UIDs
    // of the events it already holds.
    bool findOrCreateCalendarForPST(const EdsSources::Target& calendar);
    void disconnect();
    // Stores the queued events; returns how many failed.
    int storePending();
    // Stores `events` (new ones created, known ones replaced) in one call,
    // or one by one when the batch is refused; returns the failures.
    int store(const QList<ICalComponent*>& events, bool known);
    // Stores changed occurrences of stored series; returns the series (by
    // UID) of which an occurrence was refused.
    QSet<QByteArray> storeOccurrences(const QList<ICalComponent*>& occurrences);

    ESourceRegistry* m_registry = nullptr;
    EClient* m_client = nullptr;
    QByteArray m_calendarUid;
    QSet<QByteArray> m_knownUids;
    QList<ICalComponent*> m_pending;
    QList<ICalComponent*> m_pendingOccurrences;
    // Events the calendar refused in this flush.
    QSet<QByteArray> m_refusedUids;
    // Failures of batches stored before the last flush().
    int m_failedEarlier = 0;
};
