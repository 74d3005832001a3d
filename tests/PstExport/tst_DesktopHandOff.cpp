// SPDX-License-Identifier: GPL-2.0-or-later
// Contacts and appointments handed to the desktop's calendar and address
// book: a real Evolution Data Server on the test's own session bus, read back
// through its client libraries (and once through python3-icalendar).

#include "CalendarBridge.h"
#include "CliRunner.h"
#include "ContactImporter.h"
#include "DesktopStore.h"
#include "ExportFixture.h"
#include "ExportManager.h"
#include "PrivateSessionBus.h"
#include "PstPresets.h"
#include "ReparsedRecord.h"
#include "readpst.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

// Appointments show at the wall-clock time the PST has in the user's zone;
// a zone with summer time shows that UTC is stated right.
constexpr char kZone[] = "America/New_York";

QDateTime utc(const char* iso)
{
    return QDateTime::fromString(QLatin1String(iso), Qt::ISODate).toUTC();
}

PstMessage appointment(const QString& subject, const char* start, const char* end)
{
    PstMessage m = ExportFixture::message(PstMessage::Kind::Appointment, subject);
    m.start = utc(start);
    m.end = utc(end);
    m.location = QStringLiteral("Room 4");
    return m;
}

PstRecurrence weekly(int interval, int weekDays, int count)
{
    PstRecurrence r;
    r.kind = PstRecurrence::Weekly;
    r.interval = interval;
    r.weekDays = weekDays;
    r.count = count;
    return r;
}

// iCalendar text with its folded lines joined again.
QByteArray unfolded(QByteArray text)
{
    return text.replace("\r\n ", "").replace("\n ", "").replace("\r\n", "\n");
}

QByteArray eventWithSummary(const QList<QByteArray>& events, const QString& summary)
{
    for (const QByteArray& event : events) {
        const QByteArray text = unfolded(event);
        if (text.contains("\nSUMMARY:" + summary.toUtf8() + "\n"))
            return text;
    }
    return QByteArray();
}

// Runs one app-mode export to its end.
ExportManager::FormatResult runToApp(const std::shared_ptr<PstItem>& root, const QList<QString>& formats,
                                     QList<ExportManager::FormatResult>* all = nullptr)
{
    QTemporaryDir scratch;
    ExportManager manager;
    QSignalSpy completed(&manager, &ExportManager::exportCompleted);
    manager.startExportToApp(root, scratch.path() + QLatin1Char('/'), formats);
    if (!completed.wait(60000))
        qWarning("the export did not complete");
    if (all)
        *all = manager.lastRunSummary();
    return manager.lastRunSummary().value(0);
}

} // namespace

class DesktopHandOffTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("TZ", kZone);
        tzset();
        QVERIFY(m_dir.isValid());
        const QList<PstMessage> appointments = {
            [] {
                PstMessage m = appointment(QStringLiteral("Ten Mondays"), "2024-06-03T13:00:00Z", "2024-06-03T14:00:00Z");
                m.recurrence = weekly(1, 1 << 1, 10);
                m.reminderSet = true;
                m.reminderMinutes = 15;
                return m;
            }(),
            [] {
                PstMessage m = appointment(QStringLiteral("Every other Thursday"), "2024-06-06T20:30:00Z",
                                           "2024-06-06T21:00:00Z");
                m.recurrence = weekly(2, 1 << 4, 0);
                return m;
            }(),
            [] {
                // Midnight to midnight in New York, as Outlook stores an all-day event.
                PstMessage m = appointment(QStringLiteral("Holiday"), "2024-07-04T04:00:00Z", "2024-07-05T04:00:00Z");
                m.allDay = true;
                return m;
            }(),
            [] {
                PstMessage m = appointment(QStringLiteral("Fifteen minutes"), "2024-01-10T15:00:00Z", "2024-01-10T16:00:00Z");
                m.reminderSet = true;
                m.reminderMinutes = 15;
                return m;
            }(),
            [] {
                PstMessage m = appointment(QStringLiteral("Zero minutes"), "2024-01-11T15:00:00Z", "2024-01-11T16:00:00Z");
                m.reminderSet = true;
                m.reminderMinutes = 0;
                return m;
            }(),
        };
        PstMessage contact = ExportFixture::message(PstMessage::Kind::Contact, QStringLiteral("Ann"));
        contact.contact = {{"first_name", "Ann"}, {"surname", "Archer"}, {"fullname", "Ann Archer"},
                           {"address1", "ann@example.com"}};
        PstMessage other = contact;
        other.subject = QStringLiteral("Bob");
        other.contact = {{"first_name", "Bob"}, {"fullname", "Bob Baker"}, {"business_phone", "+1 555 0199"}};
        m_root = ExportFixture::writeAndOpen(
            ExportFixture::description(
                {ExportFixture::folder(QStringLiteral("Calendar"), QStringLiteral("IPF.Appointment"), appointments),
                 ExportFixture::folder(QStringLiteral("Contacts"), QStringLiteral("IPF.Contact"), {contact, other})}),
            m_dir.filePath(QStringLiteral("Outlook.pst")));
        QVERIFY(m_root);
    }

    void exportingTheSameFileTwiceFillsOneCalendarAndOneBook()
    {
        QList<ExportManager::FormatResult> results;
        runToApp(m_root, {QStringLiteral("vcf"), QStringLiteral("ics")}, &results);
        QCOMPARE(results.size(), 2);
        QCOMPARE(results[0].key, QStringLiteral("vcf"));
        QCOMPARE(results[0].done(), 2);
        QCOMPARE(results[1].done(), 5);
        // The second time through the command line, as a script would.
        const CliRunner::Result cli = CliRunner::run({QStringLiteral("export"), m_dir.filePath(QStringLiteral("Outlook.pst"))});
        QCOMPARE(cli.status, 0);
        QVERIFY2(cli.out.contains("Appointment (ics): 5 stored, 0 failed"), cli.out.constData());
        QVERIFY2(cli.out.contains("Contacts (vcf): 2 stored, 0 failed"), cli.out.constData());

        QCOMPARE(DesktopStore::calendarCount(QStringLiteral("Outlook.pst")), 1);
        QCOMPARE(DesktopStore::addressBookCount(QStringLiteral("Outlook.pst")), 1);
        QCOMPARE(DesktopStore::events(QStringLiteral("Outlook.pst")).size(), 5);
        QCOMPARE(DesktopStore::contacts(QStringLiteral("Outlook.pst")).size(), 2);
    }

    void storedEventKeepsTheAppointment_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<bool>("dropReminderTime");
        QTest::addColumn<QList<QByteArray>>("present");
        QTest::addColumn<QList<QByteArray>>("absent");
        using Lines = QList<QByteArray>;
        QTest::newRow("weekly, ten times") << "Ten Mondays" << false
                                          << Lines{"DTSTART;TZID=America/New_York:20240603T090000",
                                                   "DTEND;TZID=America/New_York:20240603T100000",
                                                   "FREQ=WEEKLY;COUNT=10;BYDAY=MO", "LOCATION:Room 4",
                                                   "TRIGGER;VALUE=DATE-TIME:20240603T124500Z"}
                                          << Lines{"INTERVAL=", "UNTIL="};
        QTest::newRow("every other week, no end")
            << "Every other Thursday" << false
            << Lines{"DTSTART;TZID=America/New_York:20240606T163000", "FREQ=WEEKLY;INTERVAL=2;BYDAY=TH"}
            << Lines{"COUNT=", "UNTIL=", "BEGIN:VALARM"};
        QTest::newRow("all day") << "Holiday" << false
                                 << Lines{"DTSTART;VALUE=DATE:20240704", "DTEND;VALUE=DATE:20240705"}
                                 << Lines{"RRULE", "BEGIN:VALARM", "CATEGORIES:NONE"};
        QTest::newRow("15 minutes, no reminder time")
            << "Fifteen minutes" << true
            << Lines{"DTSTART:20240110T150000Z", "TRIGGER;VALUE=DATE-TIME:20240110T144500Z"} << Lines{"RRULE"};
        QTest::newRow("flag with 0 minutes, no reminder time")
            << "Zero minutes" << true << Lines{"DTSTART:20240111T150000Z"} << Lines{"BEGIN:VALARM", "TRIGGER"};
    }

    void storedEventKeepsTheAppointment()
    {
        QFETCH(QString, subject);
        QFETCH(bool, dropReminderTime);
        QFETCH(QList<QByteArray>, present);
        QFETCH(QList<QByteArray>, absent);
        std::shared_ptr<PstItem> item;
        for (const auto& each : ExportFixture::findFolder(m_root, QStringLiteral("Calendar"))->items()) {
            if (each->displayName() == subject)
                item = each;
        }
        QVERIFY(item);
        const QString calendar = QStringLiteral("One by one");
        {
            ReparsedRecord reparsed(*item);
            pst_item* record = reparsed.record();
            QVERIFY(record && record->appointment);
            if (dropReminderTime) {
                free(record->appointment->reminder);
                record->appointment->reminder = nullptr;
            }
            CalendarBridge bridge;
            QVERIFY(bridge.addEventToMacCalendar(record, calendar));
        }
        const QByteArray event = eventWithSummary(DesktopStore::events(calendar), subject);
        QVERIFY2(!event.isEmpty(), qPrintable(subject));
        for (const QByteArray& line : present)
            QVERIFY2(event.contains(line), (line + " missing in\n" + event).constData());
        for (const QByteArray& text : absent)
            QVERIFY2(!event.contains(text), (text + " unexpected in\n" + event).constData());
    }

    void contactReadsBackFieldByField()
    {
        PstDescription all = PstPresets::allKinds();
        QList<PstMessage> contacts;
        for (const PstFolder& folder : all.folders) {
            for (const PstMessage& message : folder.messages) {
                if (message.kind == PstMessage::Kind::Contact)
                    contacts.append(message);
            }
        }
        QVERIFY(!contacts.isEmpty());
        const auto root = ExportFixture::writeAndOpen(
            ExportFixture::description({ExportFixture::folder(QStringLiteral("Contacts"), QStringLiteral("IPF.Contact"),
                                                              {contacts.first()})}),
            m_dir.filePath(QStringLiteral("Helen.pst")));
        QVERIFY(root);
        QCOMPARE(runToApp(root, {QStringLiteral("vcf")}).failed, 0);

        // What the vCard writer makes of the contact, field by field.
        QByteArray written;
        {
            const auto item = ExportFixture::findFolder(root, QStringLiteral("Contacts"))->items().first();
            ReparsedRecord reparsed(*item);
            pst_item* record = reparsed.record();
            char* buffer = nullptr;
            size_t size = 0;
            FILE* out = open_memstream(&buffer, &size);
            pst_convert_utf8_null(record, &record->comment);
            write_vcard(out, record, record->contact, record->comment.str);
            fclose(out);
            written = QByteArray(buffer, qsizetype(size));
            free(buffer);
        }
        const QList<QByteArray> stored = DesktopStore::contacts(QStringLiteral("Helen.pst"));
        QCOMPARE(stored.size(), 1);
        const QStringList expected = DesktopStore::cardFields(written);
        const QStringList actual = DesktopStore::cardFields(stored.first());
        QVERIFY(expected.size() > 30);
        QCOMPARE(actual, expected);
    }

    void calendarReadsBackWithPythonICalendar()
    {
        QByteArray calendar = "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//test//EN\n";
        for (const QByteArray& event : DesktopStore::events(QStringLiteral("Outlook.pst")))
            calendar += unfolded(event).trimmed() + '\n';
        calendar += "END:VCALENDAR\n";
        QFile file(m_dir.filePath(QStringLiteral("back.ics")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(calendar);
        file.close();
        // Wall-clock times in the user's zone, and the rules, as the PST had them.
        const char* script = R"(
import sys, icalendar, zoneinfo
cal = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())
zone = zoneinfo.ZoneInfo(sys.argv[2])
for e in cal.walk('VEVENT'):
    start = e.decoded('DTSTART')
    when = start.isoformat() if not hasattr(start, 'tzinfo') else start.astimezone(zone).strftime('%Y-%m-%d %H:%M %Z')
    rule = e.get('RRULE')
    print(e.get('SUMMARY'), '|', when, '|', rule.to_ical().decode() if rule else '')
)";
        QProcess python;
        python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromLatin1(script), file.fileName(),
                                                 QString::fromLatin1(kZone)});
        QVERIFY(python.waitForFinished(60000));
        const QString out = QString::fromUtf8(python.readAllStandardOutput());
        QVERIFY2(python.exitCode() == 0, python.readAllStandardError().constData());
        QVERIFY2(out.contains(QStringLiteral("Ten Mondays | 2024-06-03 09:00 EDT | FREQ=WEEKLY;COUNT=10;BYDAY=MO")),
                 qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("Every other Thursday | 2024-06-06 16:30 EDT | FREQ=WEEKLY;INTERVAL=2;BYDAY=TH")),
                 qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("Fifteen minutes | 2024-01-10 10:00 EST")), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("Holiday | 2024-07-04 |")), qPrintable(out));
    }

    // A series in the user's zone with one deleted and one moved occurrence
    // and two attachments: the calendar service shows the series as Outlook
    // did, and holds the attachments byte for byte.
    void seriesKeepsItsExceptionsAndAttachments()
    {
        const QTimeZone zone(kZone);
        PstMessage series = ExportFixture::message(PstMessage::Kind::Appointment, QStringLiteral("Weekly sync"));
        series.start = QDateTime(QDate(2024, 3, 4), QTime(9, 0), zone);
        series.end = series.start.addSecs(3600);
        series.location = QStringLiteral("Room 1");
        series.recurrence = weekly(1, 1 << 1, 10);
        series.recurrence.deletedDates = {QDate(2024, 3, 11)};
        const QDateTime moved(QDate(2024, 3, 19), QTime(11, 0), zone);
        series.recurrence.changes = {{QDate(2024, 3, 18), moved, moved.addSecs(5400), QStringLiteral("Moved sync \u20ac"),
                                      QStringLiteral("Room 2")}};
        PstAttachment agenda;
        agenda.longName = QStringLiteral("agenda.pdf");
        agenda.mimeType = QStringLiteral("application/pdf");
        for (int i = 0; i < 3000; ++i)
            agenda.data.append(char(i * 7));
        PstAttachment minutes;
        minutes.longName = QStringLiteral("Minutes");
        minutes.embedded = std::make_shared<PstMessage>(ExportFixture::mail(QStringLiteral("Minutes"), QStringLiteral("Agreed.")));
        series.attachments = {agenda, minutes};
        const QString pst = m_dir.filePath(QStringLiteral("Series.pst"));
        QVERIFY(ExportFixture::writeAndOpen(
            ExportFixture::description({ExportFixture::folder(QStringLiteral("Calendar"), QStringLiteral("IPF.Appointment"), {series})}),
            pst));
        // The second time replaces the series and its occurrences.
        for (int time = 0; time < 2; ++time) {
            const CliRunner::Result cli = CliRunner::run({QStringLiteral("export"), pst});
            QVERIFY2(cli.status == 0 && cli.out.contains("Appointment (ics): 1 stored, 0 failed"), cli.out + cli.err);
        }

        const QStringList shown = DesktopStore::occurrences(QStringLiteral("Series.pst"), QDateTime(QDate(2024, 3, 1), QTime(0, 0), zone),
                                                            QDateTime(QDate(2024, 5, 31), QTime(0, 0), zone));
        QStringList expected{QStringLiteral("2024-03-19 11:00 | Moved sync \u20ac | Room 2")};
        for (const QDate day : {QDate(2024, 3, 4), QDate(2024, 3, 25), QDate(2024, 4, 1), QDate(2024, 4, 8), QDate(2024, 4, 15),
                                QDate(2024, 4, 22), QDate(2024, 4, 29), QDate(2024, 5, 6)})
            expected.append(day.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 09:00 | Weekly sync | Room 1"));
        expected.sort();
        QCOMPARE(shown, expected);

        QByteArray calendar = "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//test//EN\n";
        for (const QByteArray& event : DesktopStore::events(QStringLiteral("Series.pst")))
            calendar += event.trimmed() + '\n';
        calendar += "END:VCALENDAR\n";
        const QString stored = writeFile(QStringLiteral("series.ics"), calendar);
        const QByteArray expect = QStringLiteral(R"({"attachments": {
            "agenda.pdf": {"type": "application/pdf", "data": "%1"},
            "Minutes.eml": {"type": "message/rfc822", "subject": "Minutes"}},
            "exdates": ["20240311T130000Z"],
            "changes": [{"recurrence_id": "20240318T130000Z", "start": "20240319T150000Z", "end": "20240319T163000Z",
                         "summary": "Moved sync \u20ac", "location": "Room 2"}]})")
                                      .arg(QString::fromLatin1(agenda.data.toBase64()))
                                      .toUtf8();
        QProcess checker;
        checker.start(QStringLiteral("/usr/bin/python3"),
                      {QStringLiteral(LUMAROO_MAILBOX_CHECKER), QStringLiteral("calendar"), stored,
                       writeFile(QStringLiteral("series.json"), expect)});
        QVERIFY(checker.waitForFinished(60000));
        const QByteArray problems = checker.readAllStandardOutput().trimmed() + checker.readAllStandardError();
        QVERIFY2(checker.exitCode() == 0 && problems == "[]", problems.constData());
    }

    void missingSessionBusWarnsAndStoresNothing()
    {
        QFile::copy(m_dir.filePath(QStringLiteral("Outlook.pst")), m_dir.filePath(QStringLiteral("Nobus.pst")));
        QProcess cli;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=/nonexistent/bus"));
        cli.setProcessEnvironment(environment);
        cli.start(CliRunner::path(), {QStringLiteral("export"), m_dir.filePath(QStringLiteral("Nobus.pst"))});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 1);
        QVERIFY(cli.readAllStandardError().contains("cannot be reached"));
        QVERIFY(!cli.readAllStandardOutput().contains("stored"));
        QCOMPARE(DesktopStore::calendarCount(QStringLiteral("Nobus.pst")), 0);
        QCOMPARE(DesktopStore::addressBookCount(QStringLiteral("Nobus.pst")), 0);
    }

private:
    QString writeFile(const QString& name, const QByteArray& content)
    {
        QFile file(m_dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
        return file.fileName();
    }

    QTemporaryDir m_dir;
    std::shared_ptr<PstFolderItem> m_root;
};

LUMAROO_TEST_MAIN_ON_PRIVATE_BUS(QCoreApplication, DesktopHandOffTest)
#include "tst_DesktopHandOff.moc"
