// GLib's headers must come before Qt's: Qt defines "signals" as a keyword.
#include <libecal/libecal.h>

#include "CalendarBridge.h"

#include "EdsSources.h"
#include "Log.h"
#include "readpst.h"

#include <QDateTime>
#include <QFileInfo>
#include <QList>

#include <cstdio>
#include <cstdlib>

namespace {

// Local books and calendars are files of the factory: nothing to wait for
// (the value that says "do not wait").
constexpr guint32 kDoNotWaitForConnection = guint32(-1);
constexpr qint64 kFiletimeTicksPerSecond = 10000000;
constexpr qint64 kFiletimeToUnixSeconds = 11644473600LL;

QString takeMessage(GError* error)
{
    const QString message = error ? QString::fromUtf8(error->message) : QStringLiteral("unknown error");
    g_clear_error(&error);
    return message;
}

QDateTime fromFiletime(const FILETIME* time)
{
    const qint64 ticks = (qint64(time->dwHighDateTime) << 32) | time->dwLowDateTime;
    return QDateTime::fromSecsSinceEpoch(ticks / kFiletimeTicksPerSecond - kFiletimeToUnixSeconds, Qt::UTC);
}

QByteArray utcStamp(const QDateTime& time)
{
    return time.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")).toLatin1();
}

// Outlook stores an all-day event as midnight to midnight of the days in the
// user's time zone, in UTC; the days are those of this desktop's zone.
QDate allDayDate(const FILETIME* time)
{
    return fromFiletime(time).toLocalTime().date();
}

// The .ics writer's VEVENT for the item, as text.
QByteArray writerEvent(pst_item* item)
{
    char* buffer = nullptr;
    size_t size = 0;
    FILE* out = open_memstream(&buffer, &size);
    if (!out)
        return QByteArray();
    fputs("BEGIN:VEVENT\n", out);
    write_appointment(out, item);
    fclose(out);
    const QByteArray text(buffer, qsizetype(size));
    free(buffer);
    return text;
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

QString CalendarBridge::calendarTitleFor(const pst_file* file)
{
    const QString name = file && file->fname ? QFileInfo(QFile::decodeName(file->fname)).fileName() : QString();
    return name.isEmpty() ? QStringLiteral("PST Imported Calendar") : name;
}

QByteArray CalendarBridge::eventText(pst_item* item)
{
    if (!item || !item->appointment)
        return QByteArray();
    const pst_item_appointment* appointment = item->appointment;
    const bool allDay = appointment->all_day == 1 && appointment->start;
    QByteArray event;
    bool inAlarm = false;
    for (const QByteArray& line : writerEvent(item).split('\n')) {
        // The writer's alarm is relative and limited to a day; ours follows.
        if (line == "BEGIN:VALARM")
            inAlarm = true;
        // "NONE" is the writer's mark for no label, not a category to file under.
        const bool skip = inAlarm || line.isEmpty() || line == "END:VEVENT" || line == "CATEGORIES:NONE" ||
                          (allDay && (line.startsWith("DTSTART") || line.startsWith("DTEND")));
        if (line == "END:VALARM")
            inAlarm = false;
        if (!skip)
            event += line + '\n';
    }
    if (allDay) {
        const QDate first = allDayDate(appointment->start);
        QDate last = appointment->end ? allDayDate(appointment->end) : first;
        if (last <= first)
            last = first.addDays(1);
        event += "DTSTART;VALUE=DATE:" + first.toString(QStringLiteral("yyyyMMdd")).toLatin1() + '\n';
        event += "DTEND;VALUE=DATE:" + last.toString(QStringLiteral("yyyyMMdd")).toLatin1() + '\n';
    }
    event += alarmText(item);
    event += "END:VEVENT\n";
    return event;
}

bool CalendarBridge::addEventToMacCalendar(pst_item* item, const QString& calendarTitle)
{
    const QByteArray text = eventText(item);
    if (text.isEmpty() || !findOrCreateCalendarForPST(calendarTitle))
        return false;
    ICalComponent* event = i_cal_component_new_from_string(text.constData());
    if (!event) {
        Log::warn(QStringLiteral("Export ics failed: the event \"%1\" is not valid iCalendar.")
                      .arg(QString::fromUtf8(item->subject.str ? item->subject.str : "")));
        return false;
    }
    auto* client = E_CAL_CLIENT(m_client);
    GError* error = nullptr;
    gchar* uid = nullptr;
    bool stored = e_cal_client_create_object_sync(client, event, E_CAL_OPERATION_FLAG_NONE, &uid, nullptr, &error);
    g_free(uid);
    if (!stored && g_error_matches(error, E_CAL_CLIENT_ERROR, E_CAL_CLIENT_ERROR_OBJECT_ID_ALREADY_EXISTS)) {
        // The same file exported before: its events carry the same UIDs.
        g_clear_error(&error);
        stored = e_cal_client_modify_object_sync(client, event, E_CAL_OBJ_MOD_ALL, E_CAL_OPERATION_FLAG_NONE,
                                                 nullptr, &error);
    }
    g_object_unref(event);
    if (!stored)
        Log::warn(QStringLiteral("Export ics failed: the calendar did not store the event: %1").arg(takeMessage(error)));
    return stored;
}

bool CalendarBridge::findOrCreateCalendarForPST(const QString& title)
{
    if (m_client && title == m_title)
        return true;
    disconnect();
    QString error;
    m_registry = EdsSources::openRegistry(&error);
    ESource* source = m_registry ? EdsSources::findOrCreate(m_registry, E_SOURCE_EXTENSION_CALENDAR, title, &error)
                                 : nullptr;
    if (source) {
        GError* failure = nullptr;
        m_client = e_cal_client_connect_sync(source, E_CAL_CLIENT_SOURCE_TYPE_EVENTS, kDoNotWaitForConnection,
                                             nullptr, &failure);
        if (!m_client)
            error = takeMessage(failure);
        g_object_unref(source);
    }
    if (!m_client) {
        Log::warn(QStringLiteral("Create calendar failed = %1").arg(error));
        disconnect();
        return false;
    }
    m_title = title;
    return true;
}

void CalendarBridge::disconnect()
{
    g_clear_object(&m_client);
    g_clear_object(&m_registry);
    m_title.clear();
}
