// SPDX-License-Identifier: GPL-2.0-or-later
// The vCard and iCalendar writers: exact lines on hand-made items, and real
// contacts, appointments and journal entries read back with vobject and
// icalendar.

#include "TestData.h"
#include "WriterFixture.h"
#include "readpst.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

using namespace WriterFixture;

namespace {

QString at(const QJsonArray& values, int index)
{
    return index < values.size() ? values.at(index).toString() : QStringLiteral("<missing>");
}

QString first(const QJsonObject& properties, const char* name)
{
    return at(properties[QLatin1String(name)].toArray(), 0);
}

QJsonObject component(const QJsonObject& calendar, const QString& name)
{
    for (const QJsonValue& c : calendar["components"].toArray())
        if (c.toObject()["name"].toString() == name)
            return c.toObject()["properties"].toObject();
    return QJsonObject();
}

} // namespace

class ReadpstCalendarTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_fileCount = 0;

    QJsonObject check(const QString& kind, const QByteArray& text)
    {
        const QString path = m_dir.filePath(QStringLiteral("out%1.%2").arg(++m_fileCount).arg(kind));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return QJsonObject{{"error", "cannot write " + path}};
        file.close();
        return runChecker(kind, path);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_dir.isValid(), "no temporary folder");
        QVERIFY2(TestData::available(), qPrintable("PST test files missing under " + TestData::sharedDir()));
    }

    // ---- vCard ------------------------------------------------------------

    void contactWithOnlyAFullNameHasSixLines()
    {
        ItemPtr item = newItem();
        setText(addContact(item.get())->fullname, "Ann Smith");
        const QByteArray out = capture([&](FILE* f) { write_vcard(f, item.get(), item->contact, nullptr); });
        QCOMPARE(out, QByteArray("BEGIN:VCARD\nFN:Ann Smith\nN:;;;;\nVERSION:3.0\nEND:VCARD\n\n"));
    }

    void valuesAreEscapedAndReadBack()
    {
        ItemPtr item = newItem();
        pst_item_contact* contact = addContact(item.get());
        setText(contact->fullname, "Doe, John; Jr.");
        setText(contact->surname, "Doe");
        setText(contact->first_name, "John");
        setText(contact->department, "Sales");
        setText(contact->job_title, "Chief, Things");
        setText(contact->address1, "john@x.org");
        setText(contact->mobile_phone, "+49 170 1");
        setText(contact->business_address, "Main St 1\r\nBerlin");
        setText(contact->business_street, "Main St 1");
        setText(contact->business_city, "Berlin");
        setText(item->body, "line one\r\nline two");
        addExtraField(item.get(), "Keywords", "A");
        addExtraField(item.get(), "Other", "x");
        addExtraField(item.get(), "Keywords", "B");
        char comment[] = "a comment";
        const QByteArray out = capture([&](FILE* f) { write_vcard(f, item.get(), contact, comment); });
        QVERIFY(out.contains("\nFN:Doe\\, John\\; Jr.\n"));
        QVERIFY(out.contains("\nN:Doe;John;;;\n"));
        QVERIFY(out.contains("\nORG:;Sales\n"));
        QVERIFY(out.contains("\nADR;TYPE=work:;;Main St 1;Berlin;;;\nLABEL;TYPE=work:Main St 1\\nBerlin\n"));
        QVERIFY(out.contains("\nTEL;TYPE=cell,voice:+49 170 1\n"));
        QVERIFY(out.contains("\nNOTE:a comment\nNOTE:line one\\nline two\nCATEGORIES:A, B\nVERSION:3.0\n"));

        const QJsonObject parsed = check("vcf", out);
        QVERIFY2(!parsed.contains("error"), qPrintable(parsed["error"].toString()));
        const QJsonObject card = parsed["cards"].toArray().first().toObject();
        QCOMPARE(first(card, "FN"), QStringLiteral("Doe, John; Jr."));
        QCOMPARE(first(card, "TITLE"), QStringLiteral("Chief, Things"));
        QCOMPARE(first(card, "EMAIL"), QStringLiteral("john@x.org"));
        QCOMPARE(at(card["ORG_PARTS"].toArray(), 1), QStringLiteral("Sales"));
        QCOMPARE(first(card, "LABEL"), QStringLiteral("Main St 1\nBerlin"));
        QCOMPARE(at(card["NOTE"].toArray(), 1), QStringLiteral("line one\nline two"));
    }

    void assistantIsOneCompleteAgentCard()
    {
        ItemPtr item = newItem();
        pst_item_contact* contact = addContact(item.get());
        setText(contact->fullname, "Boss");
        setText(contact->assistant_name, "Smith, Sue");
        setText(contact->assistant_phone, "+1 555 0100");
        setText(contact->company_name, "ACME");
        const QByteArray out = capture([&](FILE* f) { write_vcard(f, item.get(), contact, nullptr); });
        QVERIFY2(out.contains("\nAGENT:BEGIN:VCARD\\nVERSION:3.0\\nFN:Smith\\\\\\, Sue\\nN:\\;\\;\\;\\;\\n"
                              "TEL:+1 555 0100\\nEND:VCARD\\n\nORG:ACME;\n"),
                 out.constData());
        QCOMPARE(out.count("BEGIN:VCARD"), 2);
        QCOMPARE(out.count("\nEND:VCARD\n"), 1);

        const QJsonObject parsed = check("vcf", out);
        QVERIFY2(!parsed.contains("error"), qPrintable(parsed["error"].toString()));
        const QJsonArray cards = parsed["cards"].toArray();
        QCOMPARE(cards.size(), 1);
        const QJsonObject card = cards.first().toObject();
        QCOMPARE(first(card, "FN"), QStringLiteral("Boss"));
        QCOMPARE(first(card, "AGENT_FN"), QStringLiteral("Smith, Sue"));
        QCOMPARE(first(card, "AGENT_TEL"), QStringLiteral("+1 555 0100"));
        QCOMPARE(at(card["ORG_PARTS"].toArray(), 0), QStringLiteral("ACME"));
    }

    void lineBreaksInPlainValuesCannotStartNewProperties()
    {
        ItemPtr item = newItem();
        pst_item_contact* contact = addContact(item.get());
        setText(contact->fullname, "X");
        setText(contact->home_phone, "1\r\nEND:VCARD");
        const QByteArray out = capture([&](FILE* f) { write_vcard(f, item.get(), contact, nullptr); });
        QVERIFY(out.contains("\nTEL;TYPE=home,voice:1  END:VCARD\n"));
        QCOMPARE(check("vcf", out)["cards"].toArray().size(), 1);
    }

    void realContactsParse_data()
    {
        QTest::addColumn<QString>("file");
        for (const char* name : {"markb-trustifi__pst-extractor__contacts.pst", "rjohnsondev__java-libpst__dist-list.pst",
                                 "hughbe__PstReader__hughbe_hughbe_Outlook.pst",
                                 "aspose-email__Aspose.Email-for-.NET__Outlook_PersonalStorageFile1.pst"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void realContactsParse()
    {
        QFETCH(QString, file);
        PstFile pst(TestData::pst(file));
        QVERIFY2(pst.isOpen(), qPrintable(file));
        auto contacts = pst.items([](const pst_item* i) { return i->contact && !i->folder && i->type == PST_TYPE_CONTACT; });
        QVERIFY(!contacts.empty());
        QByteArray all;
        QStringList names;
        for (ItemPtr& item : contacts) {
            pst_convert_utf8_null(item.get(), &item->contact->fullname);
            names << QString::fromUtf8(item->contact->fullname.str ? item->contact->fullname.str : "");
            all += capture([&](FILE* f) { write_vcard(f, item.get(), item->contact, item->comment.str); });
        }
        const QJsonObject parsed = check("vcf", all);
        QVERIFY2(!parsed.contains("error"), qPrintable(parsed["error"].toString()));
        const QJsonArray cards = parsed["cards"].toArray();
        QCOMPARE(cards.size(), int(contacts.size()));
        for (int i = 0; i < cards.size(); ++i)
            QCOMPARE(first(cards[i].toObject(), "FN"), names[i]);
    }

    // ---- iCalendar --------------------------------------------------------

    void appointmentFileHasTheFullEvent()
    {
        ItemPtr item = newItem();
        item->block_id = 0x2a;
        item->create_date = newFileTime(1707127200);
        item->modify_date = newFileTime(1707130800);
        setText(item->subject, "Review; part 1, draft");
        setText(item->body, "Agenda\r\nItem");
        pst_item_appointment* appointment = addAppointment(item.get());
        appointment->start = newFileTime(1707210000);
        appointment->end = newFileTime(1707213600);
        setText(appointment->location, "Room 1");
        appointment->showas = PST_FREEBUSY_FREE;
        appointment->label = PST_APP_LABEL_BUSINESS;
        appointment->alarm = 1;
        appointment->alarm_minutes = 15;
        const QByteArray out = capture([&](FILE* f) { write_schedule_part_data(f, item.get(), nullptr, nullptr); });
        QCOMPARE(out, QByteArray("BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Tavrel//Lumaroo 5.0.0//EN\nBEGIN:VEVENT\n"
                                 "UID:0x2a\nDTSTAMP:20240205T100000Z\nCREATED:20240205T100000Z\n"
                                 "LAST-MODIFIED:20240205T110000Z\nSUMMARY:Review\\; part 1\\, draft\n"
                                 "DESCRIPTION:Agenda\\nItem\nDTSTART;VALUE=DATE-TIME:20240206T090000Z\n"
                                 "DTEND;VALUE=DATE-TIME:20240206T100000Z\nLOCATION:Room 1\n"
                                 "TRANSP:TRANSPARENT\nSTATUS:CONFIRMED\nCATEGORIES:BUSINESS\n"
                                 "BEGIN:VALARM\nTRIGGER:-PT15M\nACTION:DISPLAY\nDESCRIPTION:Reminder\nEND:VALARM\n"
                                 "END:VEVENT\nEND:VCALENDAR\n"));
        const QJsonObject parsed = check("ics", out);
        QVERIFY2(!parsed.contains("error"), qPrintable(parsed["error"].toString()));
        const QJsonObject event = component(parsed, "VEVENT");
        QCOMPARE(first(event, "SUMMARY"), QStringLiteral("Review; part 1, draft"));
        QCOMPARE(first(event, "DESCRIPTION"), QStringLiteral("Agenda\nItem"));
        QCOMPARE(first(event, "DTSTART"), QStringLiteral("2024-02-06T09:00:00+00:00"));
        QCOMPARE(first(event, "LAST-MODIFIED"), QStringLiteral("2024-02-05T11:00:00+00:00"));
        QCOMPARE(first(component(parsed, "VCALENDAR"), "PRODID"), QStringLiteral("-//Tavrel//Lumaroo 5.0.0//EN"));
    }

    void labelsAndFreeBusyFollowTheirTables()
    {
        ItemPtr item = newItem();
        pst_item_appointment* appointment = addAppointment(item.get());
        auto lines = [&] { return capture([&](FILE* f) { write_appointment(f, item.get()); }); };
        appointment->showas = PST_FREEBUSY_TENTATIVE;
        appointment->label = PST_APP_LABEL_NONE;
        QVERIFY(lines().contains("\nSTATUS:TENTATIVE\nCATEGORIES:NONE\nEND:VEVENT\n"));
        addExtraField(item.get(), "Keywords", "Team, inner");
        QVERIFY(lines().contains("\nCATEGORIES:Team\\, inner\nEND:VEVENT\n"));
        appointment->showas = 7;
        appointment->label = 10;
        QVERIFY(lines().contains("\nDTSTAMP:") && lines().contains("\nCATEGORIES:PHONE-CALL\nEND:VEVENT\n"));
        QVERIFY(!lines().contains("STATUS"));
        appointment->label = 11;
        QVERIFY(!lines().contains("CATEGORIES"));
    }

    void weeklyRecurrenceListsItsDaysWithCommas()
    {
        // A recurrence pattern as Outlook stores it: weekly, every second
        // week, Monday and Wednesday, ten times.
        QByteArray blob;
        auto put = [&](quint32 value, int size) { blob.append(reinterpret_cast<const char*>(&value), size); };
        put(0x3004, 2), put(0x3004, 2), put(0x200B, 2), put(1, 2), put(0, 2);
        put(0, 4), put(2, 4), put(0, 4), put(0x0A, 4), put(0x2022, 4), put(10, 4), put(0, 4);
        ItemPtr item = newItem();
        pst_item_appointment* appointment = addAppointment(item.get());
        appointment->is_recurring = 1;
        appointment->start = newFileTime(1707127200);
        appointment->recurrence_data.data = static_cast<char*>(malloc(blob.size()));
        memcpy(appointment->recurrence_data.data, blob.constData(), blob.size());
        appointment->recurrence_data.size = blob.size();
        const QByteArray out = capture([&](FILE* f) { write_schedule_part_data(f, item.get(), nullptr, nullptr); });
        QVERIFY2(out.contains("\nRRULE:FREQ=WEEKLY;COUNT=10;INTERVAL=2;BYDAY=MO,WE\n"), out.constData());
        const QJsonObject parsed = check("ics", out);
        QVERIFY2(!parsed.contains("error"), qPrintable(parsed["error"].toString()));
        QCOMPARE(first(component(parsed, "VEVENT"), "RRULE"), QStringLiteral("FREQ=WEEKLY;COUNT=10;INTERVAL=2;BYDAY=MO,WE"));

        // Every week: no INTERVAL part.
        appointment->recurrence_data.data[14] = 1;
        QVERIFY(capture([&](FILE* f) { write_appointment(f, item.get()); })
                    .contains("\nRRULE:FREQ=WEEKLY;COUNT=10;BYDAY=MO,WE\n"));
    }

    void alarmsOnlyWithinOneDay()
    {
        ItemPtr item = newItem();
        pst_item_appointment* appointment = addAppointment(item.get());
        appointment->alarm = 1;
        for (int minutes : {-5, 1440}) {
            appointment->alarm_minutes = minutes;
            QVERIFY(!capture([&](FILE* f) { write_appointment(f, item.get()); }).contains("VALARM"));
        }
        appointment->alarm_minutes = 1439;
        QVERIFY(capture([&](FILE* f) { write_appointment(f, item.get()); }).contains("TRIGGER:-PT1439M\n"));
    }

    void journalIsWrappedInACalendar()
    {
        ItemPtr item = newItem();
        item->block_id = 7;
        setText(item->subject, "Call with \xc3\x9c");
        item->modify_date = newFileTime(1707130800);
        addJournal(item.get())->start = newFileTime(1707127200);
        const QByteArray out = capture([&](FILE* f) { write_journal(f, item.get()); });
        QVERIFY2(out.startsWith("BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Tavrel//Lumaroo 5.0.0//EN\nBEGIN:VJOURNAL\n"
                                "UID:0x7\nDTSTAMP:"),
                 out.constData());
        QVERIFY(!out.contains("CREATED"));
        QVERIFY(out.endsWith("\nLAST-MODIFIED:20240205T110000Z\nSUMMARY:Call with \xc3\x9c\n"
                             "DTSTART;VALUE=DATE-TIME:20240205T100000Z\nEND:VJOURNAL\nEND:VCALENDAR\n"));
        const QJsonObject parsed = check("ics", out);
        QVERIFY2(!parsed.contains("error"), qPrintable(parsed["error"].toString()));
        QCOMPARE(first(component(parsed, "VJOURNAL"), "SUMMARY"), QString::fromUtf8("Call with \xc3\x9c"));
    }

    void realAppointmentsAndJournalsParse_data()
    {
        QTest::addColumn<QString>("file");
        for (const char* name : {"hughbe__PstReader__hughbe_hughbe_Outlook.pst", "rjohnsondev__java-libpst__dist-list.pst",
                                 "aspose-email__Aspose.Email-for-.NET__Outlook_SampleOstFile.ost",
                                 "hughbe__PstReader__EDRM_Enron_Email_Data_Set_sample.pst",
                                 "aspose-email__Aspose.Email-for-.NET__Outlook_Outlook.pst"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void realAppointmentsAndJournalsParse()
    {
        QFETCH(QString, file);
        PstFile pst(TestData::pst(file));
        QVERIFY2(pst.isOpen(), qPrintable(file));
        auto items = pst.items([](const pst_item* i) { return !i->folder && (i->appointment || i->journal); });
        QVERIFY(!items.empty());
        for (ItemPtr& item : items) {
            pst_convert_utf8_null(item.get(), &item->subject);
            // No subject, no SUMMARY line.
            const QString subject = item->subject.str ? QString::fromUtf8(item->subject.str) : QStringLiteral("<missing>");
            const bool journal = item->journal && !item->appointment;
            const QByteArray out = capture([&](FILE* f) {
                if (journal)
                    write_journal(f, item.get());
                else
                    write_schedule_part_data(f, item.get(), nullptr, nullptr);
            });
            const QJsonObject parsed = check("ics", out);
            QVERIFY2(!parsed.contains("error"), qPrintable(file + ": " + parsed["error"].toString() + "\n" + out));
            const QJsonObject properties = component(parsed, journal ? "VJOURNAL" : "VEVENT");
            QCOMPARE(first(properties, "SUMMARY"), subject);
            QCOMPARE(first(properties, "UID"), QStringLiteral("0x%1").arg(item->block_id, 0, 16));
        }
    }
};

QTEST_GUILESS_MAIN(ReadpstCalendarTest)
#include "tst_readpst_calendar.moc"
