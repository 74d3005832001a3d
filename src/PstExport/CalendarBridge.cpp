// SPDX-License-Identifier: GPL-2.0-or-later
// GLib's headers must come before Qt's: Qt defines "signals" as a keyword.
#include <libecal/libecal.h>

#include "CalendarBridge.h"

#include "EdsSources.h"
#include "Log.h"
#include "readpst.h"

#include <QDateTime>
#include <QList>
#include <QTimeZone>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <utility>

namespace {

// Local books and calendars are files of the factory: nothing to wait for
// (the value that says "do not wait").
constexpr guint32 kDoNotWaitForConnection = guint32(-1);
// Events per call to the calendar: a local calendar writes its whole file
// after each call, so one call per event grows quadratically with the file.
constexpr int kBatchSize = 500;
constexpr qint64 kFiletimeTicksPerSecond = 10000000;
constexpr qint64 kFiletimeToUnixSeconds = 11644473600LL;

QDateTime fromFiletime(const FILETIME* time)
{
    const qint64 ticks = (qint64(time->dwHighDateTime) << 32) | time->dwLowDateTime;
    return QDateTime::fromSecsSinceEpoch(ticks / kFiletimeTicksPerSecond - kFiletimeToUnixSeconds, Qt::UTC);
}

QByteArray utcStamp(const QDateTime& time)
{
    return time.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")).toLatin1();
}

// The desktop's time zone as libical knows it; empty when it does not.
QByteArray localZoneId()
{
    const QByteArray id = QTimeZone::systemTimeZoneId();
    return !id.isEmpty() && i_cal_timezone_get_builtin_timezone(id.constData()) ? id : QByteArray();
}

// The moment of a "NAME;VALUE=DATE-TIME:20240603T130000Z" line; invalid
// for any other form.
QDateTime utcMoment(const QByteArray& line)
{
    const int colon = int(line.indexOf(':'));
    QDateTime moment =
        QDateTime::fromString(QString::fromLatin1(line.mid(colon + 1)), QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    moment.setTimeSpec(Qt::UTC);
    return moment;
}

QByteArray zonedLine(const QByteArray& line, const QByteArray& zone, const QDateTime& wallTime)
{
    const QByteArray name = line.left(int(line.indexOf(';')));
    return name + ";TZID=" + zone + ':' + wallTime.toString(QStringLiteral("yyyyMMdd'T'HHmmss")).toLatin1();
}

// "DTSTART;VALUE=DATE-TIME:20240603T130000Z" as the same moment in `zone`:
// a series then repeats at the same wall-clock time across summer time, as
// Outlook shows it, where a UTC start would move by an hour.
QByteArray inZone(const QByteArray& line, const QByteArray& zone)
{
    const QDateTime moment = utcMoment(line);
    return moment.isValid() ? zonedLine(line, zone, moment.toTimeZone(QTimeZone(zone))) : line;
}

// An occurrence's time as the .ics writer has it (the series' wall-clock
// time less the offset of the series' first start) at that wall-clock time
// in `zone`, so that it matches the zoned series on either side of a change
// to summer time.
QByteArray atSeriesWallTime(const QByteArray& line, const QByteArray& zone, int firstOffsetSeconds)
{
    const QDateTime moment = utcMoment(line);
    if (!moment.isValid())
        return line;
    const QDateTime wall = moment.addSecs(firstOffsetSeconds);
    return zonedLine(line, zone, QDateTime(wall.date(), wall.time(), QTimeZone(zone)));
}

bool isOccurrenceTime(const QByteArray& line)
{
    return line.startsWith("EXDATE;VALUE=DATE-TIME:") || line.startsWith("RECURRENCE-ID;VALUE=DATE-TIME:") ||
           line.startsWith("DTSTART;VALUE=DATE-TIME:") || line.startsWith("DTEND;VALUE=DATE-TIME:");
}

// Text one of the writers puts out, through a memory stream.
QByteArray written(const std::function<void(FILE*)>& write)
{
    char* buffer = nullptr;
    size_t size = 0;
    FILE* out = open_memstream(&buffer, &size);
    if (!out)
        return QByteArray();
    write(out);
    fclose(out);
    const QByteArray text(buffer, qsizetype(size));
    free(buffer);
    return text;
}

// The .ics writer's VEVENT for the item, as text.
QByteArray writerEvent(pst_item* item, const std::string& uid)
{
    return written([item, &uid](FILE* out) {
        fputs("BEGIN:VEVENT\n", out);
        write_appointment(out, item, uid.empty() ? nullptr : uid.c_str());
    });
}

// The zone a series is stored in (empty: UTC) and the offset from UTC of
// its first start there.
struct SeriesZone {
    QByteArray id;
    int firstOffsetSeconds = 0;
};

SeriesZone seriesZone(const pst_item_appointment* appointment, bool recurring)
{
    SeriesZone zone;
    if (!recurring || !appointment->start || (appointment->all_day == 1))
        return zone;
    zone.id = localZoneId();
    if (!zone.id.isEmpty())
        zone.firstOffsetSeconds = fromFiletime(appointment->start).toTimeZone(QTimeZone(zone.id)).offsetFromUtc();
    return zone;
}

QByteArray alarmText(pst_item* item)
{
    const pst_item_appointment* appointment = item->appointment;
    if (appointment->alarm != 1)
        return QByteArray();
    QDateTime when;
    if (appointment->reminder)
        when = fromFiletime(appointment->reminder);
    else if (appointment->alarm_minutes >= 1 && appointment->start)
        when = fromFiletime(appointment->start).addSecs(-60LL * appointment->alarm_minutes);
    if (!when.isValid())
        return QByteArray();
    return "BEGIN:VALARM\nACTION:DISPLAY\nDESCRIPTION:Reminder\nTRIGGER;VALUE=DATE-TIME:" + utcStamp(when) +
           "\nEND:VALARM\n";
}

} // namespace

CalendarBridge::~CalendarBridge()
{
    if (!m_pending.isEmpty())
        Log::warn(QStringLiteral("%1 events were not stored: the run ended before they were.").arg(m_pending.size()));
    disconnect();
}

int CalendarBridge::isCalendarAuthorized()
{
    QString error;
    ESourceRegistry* registry = EdsSources::openRegistry(&error);
    if (!registry) {
        Log::warn(QStringLiteral("The desktop calendar service cannot be reached: %1").arg(error));
        return 2;
    }
    g_object_unref(registry);
    return 1;
}

bool CalendarBridge::requestCalendarAuthorizationSync()
{
    return isCalendarAuthorized() == 1;
}

QByteArray CalendarBridge::eventText(pst_item* item)
{
    return eventText(item, ical_event_extras());
}

QByteArray CalendarBridge::eventText(pst_item* item, const ical_event_extras& extras)
{
    if (!item || !item->appointment)
        return QByteArray();
    const pst_item_appointment* appointment = item->appointment;
    const QByteArray writtenEvent = writerEvent(item, extras.uid);
    const SeriesZone zone = seriesZone(appointment, writtenEvent.contains("\nRRULE:"));
    const QByteArray extraLines = written([item, &extras](FILE* out) { write_event_extras(out, item, extras); });
    QByteArray event;
    bool inAlarm = false;
    for (QByteArray line : writtenEvent.split('\n')) {
        if (!zone.id.isEmpty() && (line.startsWith("DTSTART;VALUE=DATE-TIME:") || line.startsWith("DTEND;VALUE=DATE-TIME:")))
            line = inZone(line, zone.id);
        // The writer's alarm is relative and limited to a day; ours follows.
        if (line == "BEGIN:VALARM")
            inAlarm = true;
        const bool skip = inAlarm || line.isEmpty() || line == "END:VEVENT";
        if (line == "END:VALARM")
            inAlarm = false;
        if (!skip)
            event += line + '\n';
    }
    for (QByteArray line : extraLines.split('\n')) {
        if (!zone.id.isEmpty() && isOccurrenceTime(line))
            line = atSeriesWallTime(line, zone.id, zone.firstOffsetSeconds);
        if (!line.isEmpty())
            event += line + '\n';
    }
    event += alarmText(item);
    event += "END:VEVENT\n";
    return event;
}

QList<QByteArray> CalendarBridge::occurrenceTexts(pst_item* item, const ical_event_extras& extras)
{
    if (!item || !item->appointment || extras.instances.empty())
        return {};
    const SeriesZone zone = seriesZone(item->appointment, true);
    const QByteArray text = written([item, &extras](FILE* out) { write_changed_instances(out, item, extras); });
    QList<QByteArray> occurrences;
    QByteArray current;
    for (QByteArray line : text.split('\n')) {
        if (line.isEmpty())
            continue;
        if (!zone.id.isEmpty() && isOccurrenceTime(line))
            line = atSeriesWallTime(line, zone.id, zone.firstOffsetSeconds);
        current += line + '\n';
        if (line == "END:VEVENT")
            occurrences.append(std::exchange(current, QByteArray()));
    }
    return occurrences;
}

bool CalendarBridge::addEventToMacCalendar(pst_item* item, const EdsSources::Target& calendar)
{
    return queueEvent(item, calendar) && flush() == 0;
}

bool CalendarBridge::queueEvent(pst_item* item, const EdsSources::Target& calendar)
{
    return queueEvent(item, calendar, ical_event_extras());
}

bool CalendarBridge::queueEvent(pst_item* item, const EdsSources::Target& calendar, const ical_event_extras& extras)
{
    const QByteArray text = eventText(item, extras);
    if (text.isEmpty())
        return false;
    if (calendar.uid != m_calendarUid && !m_pending.isEmpty())
        m_failedEarlier += storePending();
    if (!findOrCreateCalendarForPST(calendar))
        return false;
    ICalComponent* event = i_cal_component_new_from_string(text.constData());
    if (!event) {
        Log::warn(QStringLiteral("Export ics failed: the event \"%1\" is not valid iCalendar.")
                      .arg(QString::fromUtf8(item->subject.str ? item->subject.str : "")));
        return false;
    }
    m_pending.append(event);
    for (const QByteArray& occurrence : occurrenceTexts(item, extras)) {
        if (ICalComponent* component = i_cal_component_new_from_string(occurrence.constData()))
            m_pendingOccurrences.append(component);
        else
            Log::warn(QStringLiteral("A changed occurrence of \"%1\" is not valid iCalendar and was not stored.")
                          .arg(QString::fromUtf8(item->subject.str ? item->subject.str : "")));
    }
    if (m_pending.size() >= kBatchSize)
        m_failedEarlier += storePending();
    return true;
}

int CalendarBridge::flush()
{
    const int failed = m_failedEarlier + storePending();
    m_failedEarlier = 0;
    return failed;
}

int CalendarBridge::storePending()
{
    QList<ICalComponent*> fresh;
    QList<ICalComponent*> known;
    for (ICalComponent* event : std::as_const(m_pending)) {
        // The same file exported before: its events carry the same UIDs.
        const QByteArray uid = i_cal_component_get_uid(event);
        (m_knownUids.contains(uid) ? known : fresh).append(event);
        m_knownUids.insert(uid);
    }
    m_pending.clear();
    const QList<ICalComponent*> occurrences = std::exchange(m_pendingOccurrences, {});
    int failed = store(fresh, false) + store(known, true);
    // A series whose changed occurrence was refused is counted as not stored
    // whole, unless the series itself was already counted.
    const QSet<QByteArray> incomplete = storeOccurrences(occurrences);
    failed += int(incomplete.size());
    for (ICalComponent* event : fresh + known + occurrences)
        g_object_unref(event);
    return failed;
}

QSet<QByteArray> CalendarBridge::storeOccurrences(const QList<ICalComponent*>& occurrences)
{
    QSet<QByteArray> refused;
    for (ICalComponent* occurrence : occurrences) {
        const QByteArray uid = i_cal_component_get_uid(occurrence);
        if (m_refusedUids.contains(uid))
            continue;
        GError* error = nullptr;
        GSList one{occurrence, nullptr};
        // The series is in the calendar; the occurrence changes it there.
        if (!e_cal_client_modify_objects_sync(E_CAL_CLIENT(m_client), &one, E_CAL_OBJ_MOD_THIS,
                                              E_CAL_OPERATION_FLAG_NONE, nullptr, &error)) {
            Log::warn(QStringLiteral("Export ics failed: the calendar did not store a changed occurrence of \"%1\": %2")
                          .arg(QString::fromUtf8(i_cal_component_get_summary(occurrence)), EdsSources::takeMessage(error)));
            refused.insert(uid);
        }
    }
    m_refusedUids.clear();
    return refused;
}

int CalendarBridge::store(const QList<ICalComponent*>& events, bool known)
{
    if (events.isEmpty())
        return 0;
    auto* client = E_CAL_CLIENT(m_client);
    GSList* list = nullptr;
    for (ICalComponent* event : events)
        list = g_slist_prepend(list, event);
    list = g_slist_reverse(list);
    GError* error = nullptr;
    GSList* uids = nullptr;
    const bool stored =
        known ? e_cal_client_modify_objects_sync(client, list, E_CAL_OBJ_MOD_ALL, E_CAL_OPERATION_FLAG_NONE, nullptr,
                                                 &error)
              : e_cal_client_create_objects_sync(client, list, E_CAL_OPERATION_FLAG_NONE, &uids, nullptr, &error);
    g_slist_free(list);
    g_slist_free_full(uids, g_free);
    if (stored)
        return 0;
    if (events.size() == 1) {
        m_refusedUids.insert(i_cal_component_get_uid(events.first()));
        Log::warn(QStringLiteral("Export ics failed: the calendar did not store the event \"%1\": %2")
                      .arg(QString::fromUtf8(i_cal_component_get_summary(events.first())), EdsSources::takeMessage(error)));
        return 1;
    }
    // One refused event fails the whole call: find it by storing one by one.
    g_clear_error(&error);
    int failed = 0;
    for (ICalComponent* event : events)
        failed += store({event}, known);
    return failed;
}

bool CalendarBridge::findOrCreateCalendarForPST(const EdsSources::Target& calendar)
{
    if (m_client && calendar.uid == m_calendarUid)
        return true;
    disconnect();
    QString error;
    m_registry = EdsSources::openRegistry(&error);
    ESource* source = m_registry ? EdsSources::findOrCreate(m_registry, E_SOURCE_EXTENSION_CALENDAR, calendar, &error)
                                 : nullptr;
    if (source) {
        m_client = EdsSources::connect(
            [source](GError** failure) {
                return e_cal_client_connect_sync(source, E_CAL_CLIENT_SOURCE_TYPE_EVENTS, kDoNotWaitForConnection,
                                                 nullptr, failure);
            },
            &error);
        g_object_unref(source);
    }
    if (!m_client) {
        Log::warn(QStringLiteral("Create calendar failed = %1").arg(error));
        disconnect();
        return false;
    }
    m_calendarUid = calendar.uid;
    // Series are stored in the desktop's zone; the calendar must know it.
    const QByteArray zone = localZoneId();
    if (!zone.isEmpty())
        e_cal_client_add_timezone_sync(E_CAL_CLIENT(m_client), i_cal_timezone_get_builtin_timezone(zone.constData()),
                                       nullptr, nullptr);
    GSList* existing = nullptr;
    if (e_cal_client_get_object_list_sync(E_CAL_CLIENT(m_client), "#t", &existing, nullptr, nullptr)) {
        for (GSList* it = existing; it; it = it->next)
            m_knownUids.insert(QByteArray(i_cal_component_get_uid(I_CAL_COMPONENT(it->data))));
    }
    g_slist_free_full(existing, g_object_unref);
    return true;
}

void CalendarBridge::disconnect()
{
    for (ICalComponent* event : std::as_const(m_pending) + std::as_const(m_pendingOccurrences))
        g_object_unref(event);
    m_pending.clear();
    m_pendingOccurrences.clear();
    m_knownUids.clear();
    g_clear_object(&m_client);
    g_clear_object(&m_registry);
    m_calendarUid.clear();
}
