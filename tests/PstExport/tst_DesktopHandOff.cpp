// SPDX-License-Identifier: GPL-2.0-or-later
// Contacts and appointments handed to the desktop's calendar and address
// book: a real Evolution Data Server on the test's own session bus, read back
// through its client libraries and through Python's icalendar.

// GLib's headers must come before Qt's: Qt defines "signals" as a keyword.
#include <libecal/libecal.h>

#include "CalendarBridge.h"
#include "CliRunner.h"
#include "ContactImporter.h"
#include "DesktopStore.h"
#include "EdsSources.h"
#include "ExportFixture.h"
#include "ExportManager.h"
#include "PrivateSessionBus.h"
#include "PstPresets.h"
#include "PstWriter.h"
#include "ReparsedRecord.h"
#include "StoreIdentity.h"
#include "readpst.h"

#include <QtTest>

#include <ctime>

using namespace ExportFixture;

namespace {

// Appointments show at the wall-clock time the PST has in the user's zone;
// a zone with summer time shows that UTC is stated right.
constexpr char kZone[] = "America/New_York";

// An appointment from start to end (UTC, ISO 8601) in Room 4, with a
// reminder of that many minutes unless it is negative, repeating weekly on
// the given days (bit 0 Sunday) every `interval` weeks when `interval` > 0.
PstMessage appointment(const QString& subject, const char* start, const char* end, int reminderMinutes = -1,
                       int interval = 0, int weekDays = 0, int count = 0)
{
    PstMessage m = message(PstMessage::Kind::Appointment, subject);
    m.start = QDateTime::fromString(QLatin1String(start), Qt::ISODate).toUTC();
    m.end = QDateTime::fromString(QLatin1String(end), Qt::ISODate).toUTC();
    m.location = "Room 4";
    m.reminderSet = reminderMinutes >= 0;
    m.reminderMinutes = std::max(reminderMinutes, 0);
    if (interval > 0) {
        m.recurrence.kind = PstRecurrence::Weekly;
        m.recurrence.interval = interval;
        m.recurrence.weekDays = weekDays;
        m.recurrence.count = count;
    }
    return m;
}

// iCalendar text with its folded lines joined again.
QByteArray unfolded(QByteArray text)
{
    return text.replace("\r\n ", "").replace("\n ", "").replace("\r\n", "\n");
}

// Runs one app-mode export to its end.
QList<ExportManager::FormatResult> runToApp(const std::shared_ptr<PstItem>& root, const QList<QString>& formats)
{
    QTemporaryDir scratch;
    ExportManager manager;
    QSignalSpy completed(&manager, &ExportManager::exportCompleted);
    manager.startExportToApp(root, scratch.path() + QLatin1Char('/'), formats);
    if (!completed.wait(60000))
        qWarning("the export did not complete");
    return manager.lastRunSummary();
}


// The description with a store named `store`: the store's identity (its
// record key) comes from its name.
PstDescription ownStore(PstDescription description, const QString& store)
{
    description.storeName = store;
    return description;
}

// A file of one store (`store` names it) with these items: "contact:NAME:PHONE",
// "event:SUBJECT" (an hour on 2024-05-06) or "allday:SUBJECT" (2024-07-04).
bool writeStore(const QString& path, const QString& store, const QStringList& items)
{
    QList<PstMessage> contacts, events;
    for (const QString& each : items) {
        const QStringList parts = each.split(':');
        if (parts.first() == "contact") {
            PstMessage m = message(PstMessage::Kind::Contact, parts.at(1));
            m.contact = {{"fullname", parts.at(1)}, {"first_name", parts.at(1)}, {"business_phone", parts.at(2)}};
            contacts.append(m);
        } else if (parts.first() == "allday") {
            PstMessage m = appointment(parts.at(1), "2024-07-04T04:00:00Z", "2024-07-05T04:00:00Z");
            m.allDay = true;
            events.append(m);
        } else {
            events.append(appointment(parts.at(1), "2024-05-06T13:00:00Z", "2024-05-06T14:00:00Z"));
        }
    }
    PstDescription d = description({folder("Calendar", "IPF.Appointment", events), folder("Contacts", "IPF.Contact", contacts)});
    d.storeName = store;
    QDir().mkpath(QFileInfo(path).absolutePath());
    return PstWriter::write(d, path);
}

// What an address book or calendar holds, one sorted line per entry:
// "contact NAME PHONE" and "event SUMMARY".
QStringList storedEntries(const QString& title)
{
    QStringList entries;
    static const QRegularExpression fn(QStringLiteral("(?m)^FN:(.*)$")), tel(QStringLiteral("(?m)^TEL[^:]*:(.*)$")),
        summary(QStringLiteral("(?m)^SUMMARY:(.*)$"));
    for (const QByteArray& card : DesktopStore::contacts(title)) {
        const QString text = QString::fromUtf8(unfolded(card)).remove('\r');
        entries.append("contact " + fn.match(text).captured(1) + ' ' + tel.match(text).captured(1));
    }
    for (const QByteArray& event : DesktopStore::events(title))
        entries.append("event " + summary.match(QString::fromUtf8(unfolded(event)).remove('\r')).captured(1));
    entries.sort();
    return entries;
}

// Stores every VEVENT of the .ics files into the calendar `target` as new
// events, as a calendar program imports files; returns how many the
// calendar refused (an event of a UID it holds already is refused).
int importAsNew(const EdsSources::Target& target, const QStringList& files)
{
    QString error;
    ESourceRegistry* registry = EdsSources::openRegistry(&error);
    ESource* source = registry ? EdsSources::findOrCreate(registry, E_SOURCE_EXTENSION_CALENDAR, target, &error) : nullptr;
    EClient* client = source ? EdsSources::connect([source](GError** failure) {
        return e_cal_client_connect_sync(source, E_CAL_CLIENT_SOURCE_TYPE_EVENTS, guint32(-1), nullptr, failure);
    }, &error) : nullptr;
    int refused = client ? 0 : -1;
    for (const QString& path : files) {
        QFile file(path);
        ICalComponent* calendar = client && file.open(QIODevice::ReadOnly) ? i_cal_component_new_from_string(file.readAll().constData()) : nullptr;
        for (ICalComponent* event = calendar ? i_cal_component_get_first_component(calendar, I_CAL_VEVENT_COMPONENT) : nullptr; event;
             event = i_cal_component_get_next_component(calendar, I_CAL_VEVENT_COMPONENT)) {
            if (!e_cal_client_create_object_sync(E_CAL_CLIENT(client), event, E_CAL_OPERATION_FLAG_NONE, nullptr, nullptr, nullptr))
                ++refused;
            g_object_unref(event);
        }
        if (calendar)
            g_object_unref(calendar);
    }
    if (client)
        g_object_unref(client);
    if (source)
        g_object_unref(source);
    if (registry)
        g_object_unref(registry);
    return refused;
}
} // namespace

class DesktopHandOffTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::shared_ptr<PstFolderItem> m_root;

    // The title of the calendar and address book of a file in the test's folder.
    QString titleOf(const QString& fileName) const { return StoreIdentity::displayTitle(m_dir.filePath(fileName)); }

    // The events of the calendar titled `title`, as one .ics file named `name`.
    QString storedCalendar(const QString& title, const QString& name)
    {
        QByteArray calendar = "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//test//EN\n";
        for (const QByteArray& event : DesktopStore::events(title))
            calendar += unfolded(event).trimmed() + '\n';
        return writeFile(m_dir.filePath(name), calendar + "END:VCALENDAR\n");
    }

private slots:
    void initTestCase()
    {
        qputenv("TZ", kZone);
        tzset();
        QVERIFY(m_dir.isValid());
        PstMessage holiday = appointment("Holiday", "2024-07-04T04:00:00Z", "2024-07-05T04:00:00Z");
        holiday.allDay = true; // midnight to midnight in New York, as Outlook stores an all-day event
        PstMessage ann = message(PstMessage::Kind::Contact, "Ann");
        ann.contact = {{"first_name", "Ann"}, {"surname", "Archer"}, {"fullname", "Ann Archer"}, {"address1", "ann@example.com"}};
        PstMessage bob = message(PstMessage::Kind::Contact, "Bob");
        bob.contact = {{"first_name", "Bob"}, {"fullname", "Bob Baker"}, {"business_phone", "+1 555 0199"}};
        m_root = writeAndOpen(
            description({folder("Calendar", "IPF.Appointment",
                                {appointment("Ten Mondays", "2024-06-03T13:00:00Z", "2024-06-03T14:00:00Z", 15, 1, 1 << 1, 10),
                                 appointment("Every other Thursday", "2024-06-06T20:30:00Z", "2024-06-06T21:00:00Z", -1, 2, 1 << 4),
                                 holiday,
                                 appointment("Fifteen minutes", "2024-01-10T15:00:00Z", "2024-01-10T16:00:00Z", 15),
                                 appointment("Zero minutes", "2024-01-11T15:00:00Z", "2024-01-11T16:00:00Z", 0)}),
                         folder("Contacts", "IPF.Contact", {ann, bob})}),
            m_dir.filePath("Outlook.pst"));
        QVERIFY(m_root);
    }

    void exportingTheSameFileTwiceFillsOneCalendarAndOneBook()
    {
        const QList<ExportManager::FormatResult> results = runToApp(m_root, {"vcf", "ics"});
        QCOMPARE(results.size(), 2);
        QCOMPARE(results[0].key + " " + QString::number(results[0].done()) + " " + QString::number(results[1].done()),
                 QStringLiteral("vcf 2 5"));
        // The second time through the command line, as a script would.
        const CliRunner::Result cli = CliRunner::run({"export", m_dir.filePath("Outlook.pst")});
        QCOMPARE(cli.status, 0);
        QVERIFY2(cli.out.contains("Appointment (ics): 5 stored, 0 failed") && cli.out.contains("Contacts (vcf): 2 stored, 0 failed"),
                 cli.out.constData());
        const QString title = titleOf("Outlook.pst");
        QCOMPARE(DesktopStore::calendarCount(title), 1);
        QCOMPARE(DesktopStore::addressBookCount(title), 1);
        QCOMPARE(DesktopStore::events(title).size(), 5);
        QCOMPARE(DesktopStore::contacts(title).size(), 2);
    }

    void storedEventKeepsTheAppointment_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<bool>("dropReminderTime");
        QTest::addColumn<QList<QByteArray>>("present");
        QTest::addColumn<QList<QByteArray>>("absent");
        using Lines = QList<QByteArray>;
        QTest::newRow("weekly, ten times")
            << "Ten Mondays" << false
            << Lines{"DTSTART;TZID=America/New_York:20240603T090000", "DTEND;TZID=America/New_York:20240603T100000",
                     "FREQ=WEEKLY;COUNT=10;BYDAY=MO", "LOCATION:Room 4", "TRIGGER;VALUE=DATE-TIME:20240603T124500Z"}
            << Lines{"INTERVAL=", "UNTIL="};
        QTest::newRow("every other week, no end")
            << "Every other Thursday" << false
            << Lines{"DTSTART;TZID=America/New_York:20240606T163000", "FREQ=WEEKLY;INTERVAL=2;BYDAY=TH"}
            << Lines{"COUNT=", "UNTIL=", "BEGIN:VALARM"};
        QTest::newRow("all day") << "Holiday" << false << Lines{"DTSTART;VALUE=DATE:20240704", "DTEND;VALUE=DATE:20240705"}
                                 << Lines{"RRULE", "BEGIN:VALARM", "CATEGORIES:NONE"};
        QTest::newRow("15 minutes, no reminder time")
            << "Fifteen minutes" << true << Lines{"DTSTART:20240110T150000Z", "TRIGGER;VALUE=DATE-TIME:20240110T144500Z"}
            << Lines{"RRULE"};
        QTest::newRow("flag with 0 minutes, no reminder time")
            << "Zero minutes" << true << Lines{"DTSTART:20240111T150000Z"} << Lines{"BEGIN:VALARM", "TRIGGER"};
    }

    void storedEventKeepsTheAppointment()
    {
        QFETCH(QString, subject);
        QFETCH(bool, dropReminderTime);
        QFETCH(QList<QByteArray>, present);
        QFETCH(QList<QByteArray>, absent);
        const auto items = findFolder(m_root, "Calendar")->items();
        const auto item = std::find_if(items.begin(), items.end(), [&](const auto& i) { return i->displayName() == subject; });
        QVERIFY(item != items.end());
        {
            ReparsedRecord reparsed(**item);
            pst_item* record = reparsed.record();
            QVERIFY(record && record->appointment);
            if (dropReminderTime) {
                free(record->appointment->reminder);
                record->appointment->reminder = nullptr;
            }
            QVERIFY(CalendarBridge().addEventToMacCalendar(record, {"lumaroo-test-one-by-one", "One by one"}));
        }
        QByteArray event;
        for (const QByteArray& each : DesktopStore::events("One by one")) {
            if (unfolded(each).contains("\nSUMMARY:" + subject.toUtf8() + "\n"))
                event = unfolded(each);
        }
        QVERIFY2(!event.isEmpty(), qPrintable(subject));
        for (const QByteArray& line : present)
            QVERIFY2(event.contains(line), (line + " missing in\n" + event).constData());
        for (const QByteArray& text : absent)
            QVERIFY2(!event.contains(text), (text + " unexpected in\n" + event).constData());
    }

    void contactReadsBackFieldByField()
    {
        QList<PstMessage> contacts;
        for (const PstFolder& f : PstPresets::allKinds().folders) {
            std::copy_if(f.messages.begin(), f.messages.end(), std::back_inserter(contacts),
                         [](const PstMessage& m) { return m.kind == PstMessage::Kind::Contact; });
        }
        QVERIFY(!contacts.isEmpty());
        // A store of its own: files of one store share a book and a calendar.
        const auto root = writeAndOpen(ownStore(description({folder("Contacts", "IPF.Contact", {contacts.first()})}), "Helen"),
                                       m_dir.filePath("Helen.pst"));
        QVERIFY(root);
        QCOMPARE(runToApp(root, {"vcf"}).value(0).failed, 0);
        // What the vCard writer makes of the contact, field by field.
        ReparsedRecord reparsed(*findFolder(root, "Contacts")->items().first());
        pst_item* record = reparsed.record();
        char* buffer = nullptr;
        size_t size = 0;
        FILE* out = open_memstream(&buffer, &size);
        pst_convert_utf8_null(record, &record->comment);
        write_vcard(out, record, record->contact, record->comment.str);
        fclose(out);
        const QStringList expected = DesktopStore::cardFields(QByteArray(buffer, qsizetype(size)));
        free(buffer);
        const QList<QByteArray> stored = DesktopStore::contacts(titleOf("Helen.pst"));
        QCOMPARE(stored.size(), 1);
        QVERIFY(expected.size() > 30);
        QCOMPARE(DesktopStore::cardFields(stored.first()), expected);
    }

    void calendarReadsBackWithPythonICalendar()
    {
        // Wall-clock times in the user's zone, and the rules, as the PST had them.
        const QJsonObject read = check({"calendar", storedCalendar(titleOf("Outlook.pst"), "back.ics"), kZone});
        QCOMPARE(unmatched(read, {"back.ics | Ten Mondays | start: 2024-06-03 09:00 EDT",
                                  "back.ics | Ten Mondays | rrule: FREQ=WEEKLY;COUNT=10;BYDAY=MO",
                                  "back.ics | Every other Thursday | start: 2024-06-06 16:30 EDT",
                                  "back.ics | Every other Thursday | rrule: FREQ=WEEKLY;INTERVAL=2;BYDAY=TH",
                                  "back.ics | Fifteen minutes | start: 2024-01-10 10:00 EST", "back.ics | Holiday | start: 2024-07-04"}),
                 QStringList());
    }

    // A series in the user's zone with one deleted and one moved occurrence
    // and two attachments: the calendar service shows the series as Outlook
    // did, and holds the attachments byte for byte.
    void seriesKeepsItsExceptionsAndAttachments()
    {
        const QTimeZone zone(kZone);
        PstMessage series = message(PstMessage::Kind::Appointment, "Weekly sync");
        series.start = QDateTime(QDate(2024, 3, 4), QTime(9, 0), zone);
        series.end = series.start.addSecs(3600);
        series.location = "Room 1";
        series.recurrence.kind = PstRecurrence::Weekly;
        series.recurrence.weekDays = 1 << 1;
        series.recurrence.count = 10;
        series.recurrence.deletedDates = {QDate(2024, 3, 11)};
        const QDateTime moved(QDate(2024, 3, 19), QTime(11, 0), zone);
        series.recurrence.changes = {{QDate(2024, 3, 18), moved, moved.addSecs(5400), "Moved sync \u20ac", "Room 2"}};
        series.attachments = {PstAttachment(), PstAttachment()};
        series.attachments[0].longName = "agenda.pdf";
        series.attachments[0].mimeType = "application/pdf";
        for (int i = 0; i < 3000; ++i)
            series.attachments[0].data.append(char(i * 7));
        series.attachments[1].longName = "Minutes";
        series.attachments[1].embedded = std::make_shared<PstMessage>(mail("Minutes", "Agreed."));
        const QString pst = m_dir.filePath("Series.pst");
        QVERIFY(writeAndOpen(ownStore(description({folder("Calendar", "IPF.Appointment", {series})}), "Series"), pst));
        // The second time replaces the series and its occurrences.
        for (int time = 0; time < 2; ++time) {
            const CliRunner::Result cli = CliRunner::run({"export", pst});
            QVERIFY2(cli.status == 0 && cli.out.contains("Appointment (ics): 1 stored, 0 failed"), cli.out + cli.err);
        }
        QStringList expected{"2024-03-19 11:00 | Moved sync \u20ac | Room 2"};
        for (int week : {0, 3, 4, 5, 6, 7, 8, 9})
            expected.append(QDate(2024, 3, 4).addDays(7 * week).toString("yyyy-MM-dd") + " 09:00 | Weekly sync | Room 1");
        expected.sort();
        QCOMPARE(DesktopStore::occurrences(titleOf("Series.pst"), QDateTime(QDate(2024, 3, 1), QTime(0, 0), zone),
                                           QDateTime(QDate(2024, 5, 31), QTime(0, 0), zone)),
                 expected);

        const QString change = "series.ics | Moved sync \u20ac @ 20240318T130000Z | ";
        QCOMPARE(unmatched(check({"calendar", storedCalendar(titleOf("Series.pst"), "series.ics")}),
                           {"series.ics: 2 events", "series.ics | Weekly sync | exdate: 20240311T130000Z",
                            "series.ics | Weekly sync | attachment agenda.pdf: application/pdf " + sha1(series.attachments[0].data),
                            "series.ics | Weekly sync | attachment Minutes.eml: message/rfc822 Minutes", change + "start: 20240319T150000Z",
                            change + "end: 20240319T163000Z", change + "location: Room 2", change + "same uid as the series"}),
                 QStringList());
    }

    // Two files of one name in two folders, exported in turn and then again:
    // each has a calendar and an address book of its own, told apart by
    // their folder, and the second round updates, never doubles.
    void sameNamedFilesKeepTheirOwnCalendarsAndBooks()
    {
        const QString a = m_dir.filePath("A/Outlook.pst"), b = m_dir.filePath("B/Outlook.pst");
        QVERIFY(writeStore(a, "Store A", {"event:Dentist", "contact:Ann:555 0100"}));
        QVERIFY(writeStore(b, "Store B", {"event:Board meeting", "contact:Bob:555 0200"}));
        for (const QString& path : {a, b, a, b}) {
            const CliRunner::Result cli = CliRunner::run({"export", path});
            QVERIFY2(cli.status == 0 && cli.out.contains("Appointment (ics): 1 stored, 0 failed")
                         && cli.out.contains("Contacts (vcf): 1 stored, 0 failed"),
                     cli.out + cli.err);
        }
        const QString titleA = StoreIdentity::displayTitle(a), titleB = StoreIdentity::displayTitle(b);
        QVERIFY(titleA.startsWith("Outlook (") && titleA.endsWith("/A)"));
        QVERIFY(titleB.endsWith("/B)"));
        const QStringList table{
            titleA + " | " + QString::number(DesktopStore::calendarCount(titleA) + DesktopStore::addressBookCount(titleA)) + " | "
                + storedEntries(titleA).join(", "),
            titleB + " | " + QString::number(DesktopStore::calendarCount(titleB) + DesktopStore::addressBookCount(titleB)) + " | "
                + storedEntries(titleB).join(", ")};
        QCOMPARE(table, (QStringList{titleA + " | 2 | contact Ann 555 0100, event Dentist",
                                     titleB + " | 2 | contact Bob 555 0200, event Board meeting"}));
    }

    // One file exported after each of its versions (the same store, items
    // changed in place): what the book and calendar hold in the end.
    void exportsOfOneFileAddOrUpdate_data()
    {
        QTest::addColumn<QList<QStringList>>("versions");
        QTest::addColumn<QStringList>("stored");
        QTest::newRow("identical contacts are each stored")
            << QList<QStringList>{{"contact:Carl:555 0100", "contact:Carl:555 0100", "contact:Carl:555 0100"}}
            << QStringList{"contact Carl 555 0100", "contact Carl 555 0100", "contact Carl 555 0100"};
        QTest::newRow("a changed contact is updated")
            << QList<QStringList>{{"contact:Dora:555 0100", "contact:Eve:555 0300"}, {"contact:Dora:555 0199", "contact:Eve:555 0300"}}
            << QStringList{"contact Dora 555 0199", "contact Eve 555 0300"};
        QTest::newRow("a changed event is updated")
            << QList<QStringList>{{"event:Review draft"}, {"event:Review final"}} << QStringList{"event Review final"};
    }

    void exportsOfOneFileAddOrUpdate()
    {
        QFETCH(QList<QStringList>, versions);
        const QString path = m_dir.filePath(QStringLiteral("versions-%1/People.pst").arg(QTest::currentDataTag()).replace(' ', '-'));
        for (const QStringList& items : versions) {
            QVERIFY(writeStore(path, QTest::currentDataTag(), items));
            const CliRunner::Result cli = CliRunner::run({"export", path});
            QVERIFY2(cli.status == 0 && cli.out.contains(", 0 failed") && !cli.out.contains("1 failed"), cli.out + cli.err);
        }
        QTEST(storedEntries(StoreIdentity::displayTitle(path)), "stored");
    }

    // The .ics files of two files of one name: icalendar reads every one,
    // all-day events are dates, UIDs are each file's own and the same when
    // converted again (from a copy too), and both import into one calendar
    // with nothing replaced.
    void convertedCalendarsImportSideBySide()
    {
        const QString x = m_dir.filePath("X/archive.pst"), y = m_dir.filePath("Y/archive.pst");
        QVERIFY(writeStore(x, "Store X", {"event:X one", "event:X two", "allday:X holiday"}));
        QVERIFY(writeStore(y, "Store Y", {"event:Y one", "event:Y two", "allday:Y holiday"}));
        // The second conversion of X is of a copy elsewhere: UIDs follow the store, not the path.
        const QString xCopy = m_dir.filePath("X copy/archive.pst");
        QVERIFY(QDir().mkpath(QFileInfo(xCopy).path()) && QFile::copy(x, xCopy));
        QMap<QString, QStringList> uids;
        QStringList firstRuns;
        for (const QString& run : {"x1", "y1", "x2", "y2"}) {
            const QString out = m_dir.filePath("ics-" + run);
            const QString source = run == QLatin1String("x2") ? xCopy : run.startsWith('x') ? x : y;
            const CliRunner::Result cli = CliRunner::run({"convert", source, out, "--formats", "ics"});
            QVERIFY2(cli.status == 0, cli.out + cli.err);
            const QJsonObject read = check({"calendar", out, kZone});
            QVERIFY2(!read.contains("error"), qPrintable(read.value("error").toString()));
            QStringList all;
            for (const QJsonValue& line : read.value("lines").toArray())
                all.append(line.toString().section(" | ", 1));
            QVERIFY2(all.contains(QString(run.at(0).toUpper()) + " holiday | start: 2024-07-04"), qPrintable(all.join('\n')));
            QVERIFY2(all.contains(QString(run.at(0).toUpper()) + " holiday | end: 2024-07-05"), qPrintable(all.join('\n')));
            QVERIFY2(all.filter(" | categories:").isEmpty(), qPrintable(all.join('\n')));
            uids[run] = all.filter(" | uid: ");
            uids[run].sort();
            QCOMPARE(uids[run].size(), 3);
            if (run.endsWith('1'))
                firstRuns += ExportFixture::filesUnder(out).replaceInStrings(QRegularExpression("^"), out + '/');
        }
        QCOMPARE(uids["x2"], uids["x1"]);
        QCOMPARE(uids["y2"], uids["y1"]);
        QStringList bare;
        for (const QString& line : uids["x1"] + uids["y1"])
            bare.append(line.section(" | uid: ", 1));
        QCOMPARE(QSet<QString>(bare.begin(), bare.end()).size(), 6);
        QCOMPARE(firstRuns.size(), 6);
        const EdsSources::Target both{"lumaroo-test-imported-ics", "Imported .ics"};
        QCOMPARE(importAsNew(both, firstRuns), 0);
        QCOMPARE(DesktopStore::events(both.title).size(), 6);
    }

    void missingSessionBusWarnsAndStoresNothing()
    {
        QFile::copy(m_dir.filePath("Outlook.pst"), m_dir.filePath("Nobus.pst"));
        QProcess cli;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
        cli.setProcessEnvironment(environment);
        cli.start(CliRunner::path(), {"export", m_dir.filePath("Nobus.pst")});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 1);
        QVERIFY(cli.readAllStandardError().contains("cannot be reached"));
        QVERIFY(!cli.readAllStandardOutput().contains("stored"));
        QCOMPARE(DesktopStore::calendarCount(titleOf("Nobus.pst")) + DesktopStore::addressBookCount(titleOf("Nobus.pst")), 0);
    }
};

LUMAROO_TEST_MAIN_ON_PRIVATE_BUS(QCoreApplication, DesktopHandOffTest)
#include "tst_DesktopHandOff.moc"
