// SPDX-License-Identifier: GPL-2.0-or-later
// The vCard and iCalendar writers: exact lines of hand-made items, and real
// contacts, appointments and journal entries, read back with vobject and
// icalendar.

#include "LibpstFile.h"
#include "TestData.h"
#include "WriterRows.h"
#include "readpst.h"

#include <ctime>

using namespace LibpstFixture;

namespace {

enum Writer { VCard, Event, EventBody, EventWithExtras, Journal };
using Setup = std::function<void(pst_item*, ical_event_extras&)>;

// The UID the caller names (extras.uid), null for none.
const char* uid(const ical_event_extras& extras)
{
    return extras.uid.empty() ? nullptr : extras.uid.c_str();
}

QByteArray writeItem(Writer writer, pst_item* item, const ical_event_extras& extras)
{
    return capture([&](FILE* f) {
        switch (writer) {
        case VCard: return write_vcard(f, item, item->contact, item->comment.str, uid(extras));
        case Event: return write_schedule_part_data(f, item, nullptr, nullptr);
        case EventBody: return write_appointment(f, item);
        case EventWithExtras: return write_appointment_calendar(f, item, extras);
        case Journal: return write_journal(f, item, uid(extras));
        }
    });
}

// The parsers' view with calendar components by name: {"VEVENT": {...}} (the first one).
QJsonObject byComponent(QJsonObject parsed)
{
    for (const QJsonValue& c : parsed["components"].toArray())
        if (!parsed.contains(c["name"].toString()))
            parsed[c["name"].toString()] = c["properties"];
    return parsed;
}

// A weekly pattern as Outlook stores it: every second week, Monday and Wednesday, ten times.
QByteArray weeklyPattern(quint32 interval)
{
    QByteArray blob;
    auto put = [&](quint32 value, int size) { blob.append(reinterpret_cast<const char*>(&value), size); };
    put(0x3004, 2), put(0x3004, 2), put(0x200B, 2), put(1, 2), put(0, 2);
    put(0, 4), put(interval, 4), put(0, 4), put(0x0A, 4), put(0x2022, 4), put(10, 4), put(0, 4);
    return blob;
}

pst_item_appointment* appointment(pst_item* item, int showas, int label)
{
    pst_item_appointment* a = record(item->appointment);
    a->showas = showas;
    a->label = label;
    return a;
}

} // namespace

Q_DECLARE_METATYPE(Setup)
Q_DECLARE_METATYPE(Writer)

class ReadpstCalendarTest : public QObject
{
    Q_OBJECT

    static void row(const char* name, Writer writer, const Setup& setup, const QByteArrayList& expect,
                    const QStringList& checks = {})
    {
        QTest::newRow(name) << writer << setup << expect << checks;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(TestData::available(), qPrintable("no PST files in " + TestData::sharedDir()));
        // All-day events are the days of this zone.
        qputenv("TZ", "America/New_York");
        tzset();
    }

    void handMadeItems_data()
    {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QByteArrayList>("expect");
        QTest::addColumn<QStringList>("checks"); // none: the text is not a whole file
        row("vcard of a name", VCard, [](pst_item* i, auto&) { setText(record(i->contact)->fullname, "Ann Smith"); },
            {"=BEGIN:VCARD\nFN:Ann Smith\nN:;;;;\nVERSION:3.0\nEND:VCARD\n\n"}, {"cards.#=1"});
        row("vcard values escaped", VCard, [](pst_item* i, auto&) {
            pst_item_contact* c = record(i->contact);
            setText(c->fullname, "Doe, John; Jr."), setText(c->surname, "Doe"), setText(c->first_name, "John");
            setText(c->department, "Sales"), setText(c->job_title, "Chief, Things"), setText(c->address1, "john@x.org");
            setText(c->mobile_phone, "+49 170 1"), setText(c->business_address, "Main St 1\r\nBerlin");
            setText(c->business_street, "Main St 1"), setText(c->business_city, "Berlin");
            setText(i->body, "line one\r\nline two"), setText(i->comment, "a comment");
            addExtraField(i, "Keywords", "A"), addExtraField(i, "Other", "x"), addExtraField(i, "Keywords", "B");
        }, {"\nFN:Doe\\, John\\; Jr.\n", "\nN:Doe;John;;;\n", "\nORG:;Sales\n", "\nTEL;TYPE=cell,voice:+49 170 1\n",
            "\nADR;TYPE=work:;;Main St 1;Berlin;;;\nLABEL;TYPE=work:Main St 1\\nBerlin\n",
            "\nNOTE:a comment\nNOTE:line one\\nline two\nCATEGORIES:A, B\nVERSION:3.0\n"},
            {"cards.0.FN.0=Doe, John; Jr.", "cards.0.TITLE.0=Chief, Things", "cards.0.EMAIL.0=john@x.org",
             "cards.0.ORG_PARTS.1=Sales", "cards.0.LABEL.0=Main St 1\nBerlin", "cards.0.NOTE.1=line one\nline two"});
        row("vcard assistant is an agent card", VCard, [](pst_item* i, auto&) {
            pst_item_contact* c = record(i->contact);
            setText(c->fullname, "Boss"), setText(c->assistant_name, "Smith, Sue");
            setText(c->assistant_phone, "+1 555 0100"), setText(c->company_name, "ACME");
        }, {"\nAGENT:BEGIN:VCARD\\nVERSION:3.0\\nFN:Smith\\\\\\, Sue\\nN:\\;\\;\\;\\;\\nTEL:+1 555 0100\\nEND:VCARD\\n\n"
            "ORG:ACME;\n", "2*BEGIN:VCARD", "1*\nEND:VCARD\n"},
            {"cards.#=1", "cards.0.FN.0=Boss", "cards.0.AGENT_FN.0=Smith, Sue", "cards.0.AGENT_TEL.0=+1 555 0100",
             "cards.0.ORG_PARTS.0=ACME"});
        // 1906-12-09 at Tokyo's midnight (15:00 UTC the day before), 1930-06-15 at New York's (05:00 UTC).
        row("vcard dates are the days meant", VCard, [](pst_item* i, auto&) {
            pst_item_contact* c = record(i->contact);
            setText(c->fullname, "Grace");
            c->birthday = newFileTime(QDateTime(QDate(1906, 12, 8), QTime(15, 0), Qt::UTC).toSecsSinceEpoch());
            c->wedding_anniversary = newFileTime(QDateTime(QDate(1930, 6, 15), QTime(5, 0), Qt::UTC).toSecsSinceEpoch());
        }, {"\nBDAY;VALUE=date:1906-12-09\n", "\nX-ANNIVERSARY;VALUE=date:1930-06-15\n"},
            {"cards.0.BDAY.0=1906-12-09", "cards.0.X-ANNIVERSARY.0=1930-06-15"});
        row("vcard line break stays in its value", VCard, [](pst_item* i, auto&) {
            setText(record(i->contact)->fullname, "X"), setText(i->contact->home_phone, "1\r\nEND:VCARD");
        }, {"\nTEL;TYPE=home,voice:1  END:VCARD\n"}, {"cards.#=1"});

        row("event in full", Event, [](pst_item* i, auto&) {
            i->block_id = 0x2a, i->create_date = newFileTime(1707127200), i->modify_date = newFileTime(1707130800);
            setText(i->subject, "Review; part 1, draft"), setText(i->body, "Agenda\r\nItem");
            pst_item_appointment* a = appointment(i, PST_FREEBUSY_FREE, PST_APP_LABEL_BUSINESS);
            a->start = newFileTime(1707210000), a->end = newFileTime(1707213600), setText(a->location, "Room 1");
            a->alarm = 1, a->alarm_minutes = 15;
        }, {"=BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Tavrel//Lumaroo 5.0.0//EN\nBEGIN:VEVENT\nUID:0x2a\n"
            "DTSTAMP:20240205T100000Z\nCREATED:20240205T100000Z\nLAST-MODIFIED:20240205T110000Z\n"
            "SUMMARY:Review\\; part 1\\, draft\nDESCRIPTION:Agenda\\nItem\nDTSTART;VALUE=DATE-TIME:20240206T090000Z\n"
            "DTEND;VALUE=DATE-TIME:20240206T100000Z\nLOCATION:Room 1\nTRANSP:TRANSPARENT\nSTATUS:CONFIRMED\n"
            "CATEGORIES:BUSINESS\nBEGIN:VALARM\nTRIGGER:-PT15M\nACTION:DISPLAY\nDESCRIPTION:Reminder\nEND:VALARM\n"
            "END:VEVENT\nEND:VCALENDAR\n"},
            {"VEVENT.SUMMARY.0=Review; part 1, draft", "VEVENT.DESCRIPTION.0=Agenda\nItem",
             "VEVENT.DTSTART.0=2024-02-06T09:00:00+00:00", "VEVENT.LAST-MODIFIED.0=2024-02-05T11:00:00+00:00",
             "VCALENDAR.PRODID.0=-//Tavrel//Lumaroo 5.0.0//EN"});
        // No label and no keywords: no category is made up.
        row("tentative without label", EventBody, [](pst_item* i, auto&) { appointment(i, PST_FREEBUSY_TENTATIVE, 0); },
            {"\nSTATUS:TENTATIVE\nEND:VEVENT\n", "!CATEGORIES"});
        // Midnight to midnight in New York (the test's zone): the day itself,
        // not a UTC time that lands on the day before further west.
        row("all-day event as dates", Event, [](pst_item* i, auto&) {
            pst_item_appointment* a = appointment(i, 2, 0);
            a->all_day = 1, a->start = newFileTime(1720065600), a->end = newFileTime(1720238400);
        }, {"\nDTSTART;VALUE=DATE:20240704\nDTEND;VALUE=DATE:20240706\n", "!DATE-TIME"},
            {"VEVENT.DTSTART.0=2024-07-04", "VEVENT.DTEND.0=2024-07-06"});
        row("all-day event without end lasts its day", EventBody, [](pst_item* i, auto&) {
            pst_item_appointment* a = appointment(i, 2, 0);
            a->all_day = 1, a->start = newFileTime(1720065600);
        }, {"\nDTSTART;VALUE=DATE:20240704\nDTEND;VALUE=DATE:20240705\n"});
        row("vcard with the caller's uid", VCard, [](pst_item* i, ical_event_extras& extras) {
            setText(record(i->contact)->fullname, "Ann"), extras.uid = "5e1f-0x200044";
        }, {"\nUID:5e1f-0x200044\nVERSION:3.0\n"}, {"cards.0.UID.0=5e1f-0x200044"});
        row("keywords replace the label", EventBody, [](pst_item* i, auto&) {
            appointment(i, PST_FREEBUSY_TENTATIVE, 0), addExtraField(i, "Keywords", "Team, inner");
        }, {"\nCATEGORIES:Team\\, inner\nEND:VEVENT\n"});
        row("unknown status, last label", EventBody, [](pst_item* i, auto&) { appointment(i, 7, 10); },
            {"\nDTSTAMP:", "\nCATEGORIES:PHONE-CALL\nEND:VEVENT\n", "!STATUS"});
        row("unknown label", EventBody, [](pst_item* i, auto&) { appointment(i, 7, 11); }, {"!CATEGORIES"});
        for (int minutes : {-5, 1440, 1439}) {
            row(qPrintable(QStringLiteral("alarm %1 minutes before").arg(minutes)), EventBody, [minutes](pst_item* i, auto&) {
                appointment(i, 2, 0)->alarm = 1, i->appointment->alarm_minutes = minutes;
            }, {minutes == 1439 ? "TRIGGER:-PT1439M\n" : "!VALARM"});
        }
        for (quint32 interval : {2, 1}) {
            const QByteArray rule = interval == 2 ? "FREQ=WEEKLY;COUNT=10;INTERVAL=2;BYDAY=MO,WE" : "FREQ=WEEKLY;COUNT=10;BYDAY=MO,WE";
            row(qPrintable("weekly every " + QByteArray::number(interval)), Event, [interval](pst_item* i, auto&) {
                pst_item_appointment* a = appointment(i, 2, 0);
                a->is_recurring = 1, a->start = newFileTime(1707127200), setBinary(a->recurrence_data, weeklyPattern(interval));
            }, {"\nRRULE:" + rule + "\n"}, {"VEVENT.RRULE.0=" + QString::fromLatin1(rule)});
        }
        row("deleted and moved occurrences", EventWithExtras, [](pst_item* i, ical_event_extras& extras) {
            i->block_id = 9, setText(i->subject, "Sync"), appointment(i, 2, 0)->start = newFileTime(1707127200);
            extras.exdates = {"20240212T100000Z"}, extras.uid = "5e1f-0x2000a4";
            extras.instances = {{"20240219T100000Z", "20240219T120000Z", "20240219T130000Z", true, "Moved", false, {}}};
        }, {"\nEXDATE;VALUE=DATE-TIME:20240212T100000Z\n", "2*\nUID:5e1f-0x2000a4\n", "!UID:0x9", "\nRECURRENCE-ID;VALUE=DATE-TIME:20240219T100000Z\nDTSTAMP:"},
            {"VEVENT.EXDATE.0=20240212T100000Z", "VEVENT.SUMMARY.0=Sync"});
        row("journal", Journal, [](pst_item* i, auto&) {
            i->block_id = 7, setText(i->subject, "Call with \xc3\x9c"), i->modify_date = newFileTime(1707130800);
            record(i->journal)->start = newFileTime(1707127200);
        }, {"^BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Tavrel//Lumaroo 5.0.0//EN\nBEGIN:VJOURNAL\nUID:0x7\nDTSTAMP:",
            "!CREATED", "$\nLAST-MODIFIED:20240205T110000Z\nSUMMARY:Call with \xc3\x9c\n"
            "DTSTART;VALUE=DATE-TIME:20240205T100000Z\nEND:VJOURNAL\nEND:VCALENDAR\n"},
            {QString::fromUtf8("VJOURNAL.SUMMARY.0=Call with \xc3\x9c")});
    }

    void handMadeItems()
    {
        QFETCH(Writer, writer);
        QFETCH(Setup, setup);
        QFETCH(QByteArrayList, expect);
        QFETCH(QStringList, checks);
        ItemPtr item = newItem();
        ical_event_extras extras;
        setup(item.get(), extras);
        const QByteArray text = writeItem(writer, item.get(), extras);
        const QString failure = expectationFailure(text, expect);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        if (!checks.isEmpty()) {
            const QString parsed = checkFailure(byComponent(runChecker(writer == VCard ? "vcf" : "ics", text)), checks);
            QVERIFY2(parsed.isEmpty(), qPrintable(parsed + "\n" + text));
        }
    }

    // Every contact, appointment and journal entry of real files: the parsers
    // read each one with its name, summary and UID.
    void realItems_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("contacts"); // the file holds some
        QTest::addColumn<bool>("events");
        const QList<std::tuple<const char*, bool, bool>> files{
            {"markb-trustifi__pst-extractor__contacts.pst", true, false}, {"rjohnsondev__java-libpst__dist-list.pst", true, true},
            {"hughbe__PstReader__hughbe_hughbe_Outlook.pst", true, true},
            {"aspose-email__Aspose.Email-for-.NET__Outlook_PersonalStorageFile1.pst", true, false},
            {"aspose-email__Aspose.Email-for-.NET__Outlook_SampleOstFile.ost", false, true},
            {"hughbe__PstReader__EDRM_Enron_Email_Data_Set_sample.pst", false, true},
            {"aspose-email__Aspose.Email-for-.NET__Outlook_Outlook.pst", false, true}};
        for (const auto& [name, contacts, events] : files)
            QTest::newRow(name) << QString::fromLatin1(name) << contacts << events;
    }

    void realItems()
    {
        QFETCH(QString, file);
        QFETCH(bool, contacts);
        QFETCH(bool, events);
        LibpstFile pst(TestData::pst(file));
        QVERIFY2(pst.isOpen(), qPrintable(file));
        QByteArray cards;
        QStringList cardChecks;
        QList<QByteArray> texts;
        QList<QStringList> textChecks;
        for (ItemPtr& item : pst.items([](const pst_item* i) { return !i->folder; })) {
            const bool journal = item->journal && !item->appointment;
            if (item->contact && item->type == PST_TYPE_CONTACT) {
                pst_convert_utf8_null(item.get(), &item->contact->fullname);
                pst_convert_utf8_null(item.get(), &item->contact->first_name);
                pst_convert_utf8_null(item.get(), &item->contact->surname);
                pst_convert_utf8_null(item.get(), &item->file_as);
                // The full name, else the first and last names, else the
                // display name: a card has a name.
                const QString names = QStringList{LibpstFile::text(item->contact->first_name),
                                                  LibpstFile::text(item->contact->surname)}.join(' ').trimmed();
                const QString full = LibpstFile::text(item->contact->fullname);
                const QString shown = !full.isEmpty() ? full : !names.isEmpty() ? names : LibpstFile::text(item->file_as);
                cardChecks << QStringLiteral("cards.%1.FN.0=").arg(cardChecks.size()) + shown;
                cards += writeItem(VCard, item.get(), {});
            } else if (item->appointment || journal) {
                pst_convert_utf8_null(item.get(), &item->subject);
                // No subject, no SUMMARY line.
                const QString summary = item->subject.str ? LibpstFile::text(item->subject) : QStringLiteral("<missing>");
                const QString component = journal ? QStringLiteral("VJOURNAL.") : QStringLiteral("VEVENT.");
                texts << writeItem(journal ? Journal : Event, item.get(), {});
                textChecks << QStringList{component + "SUMMARY.0=" + summary,
                                          component + QStringLiteral("UID.0=0x%1").arg(item->block_id, 0, 16)};
            }
        }
        QVERIFY(!contacts || !cardChecks.isEmpty());
        QVERIFY(!events || !texts.isEmpty());
        const QJsonArray parsed = texts.isEmpty() ? QJsonArray() : runChecker("ics", texts);
        for (int i = 0; i < texts.size(); ++i) {
            const QString failure = checkFailure(byComponent(parsed[i].toObject()), textChecks[i]);
            QVERIFY2(failure.isEmpty(), qPrintable(file + ": " + failure + "\n" + texts[i]));
        }
        if (!cardChecks.isEmpty()) {
            const QString failure = checkFailure(runChecker("vcf", cards), cardChecks << QStringLiteral("cards.#=%1").arg(cardChecks.size()));
            QVERIFY2(failure.isEmpty(), qPrintable(file + ": " + failure));
        }
    }
};

QTEST_GUILESS_MAIN(ReadpstCalendarTest)
#include "tst_readpst_calendar.moc"
