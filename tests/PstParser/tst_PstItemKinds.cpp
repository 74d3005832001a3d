// SPDX-License-Identifier: GPL-2.0-or-later
#include "IMVLogConfig.h"
#include "PstCalendarItem.h"
#include "PstContactItem.h"
#include "PstJournalItem.h"
#include "PstNoteItem.h"
#include "PstTaskItem.h"
#include "TestHome.h"
#include "WrittenPst.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

const QString kLongDate = QStringLiteral("MMM dd, yyyy 'at' hh:mm AP");

QDateTime utc(int year, int month, int day, int hour, int minute)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC);
}

QString localText(const QDateTime& time)
{
    return QLocale::system().toString(time.toLocalTime(), kLongDate);
}

// "Title: label=value | label=value" per section, for comparing whole layouts.
QStringList describe(const QList<InfoSection>& sections)
{
    QStringList lines;
    for (const InfoSection& section : sections) {
        QStringList fields;
        for (const InfoField& field : section.fields)
            fields << field.label + "=" + field.value;
        lines << section.title + ": " + fields.join(" | ");
    }
    return lines;
}

} // namespace

class TestPstItemKinds : public QObject
{
    Q_OBJECT
    TestHome m_home;

private slots:
    void initTestCase();
    void contactReadsBack();
    void contactNames_data();
    void contactNames();
    void emptyContactHasSevenEmptySections();
    void appointmentReadsBack();
    void appointmentDuration_data();
    void appointmentDuration();
    void appointmentWithoutTimesShowsNoDates();
    void taskReadsBack();
    void taskProgressIsTruncated_data();
    void taskProgressIsTruncated();
    void taskStatusWords_data();
    void taskStatusWords();
    void workTimeTexts_data();
    void workTimeTexts();
    void taskWithoutReadablePropertiesHasSubjectAndNote();
    void stickyNoteReadsBack();
    void journalReadsBack();
    void journalDurationTexts_data();
    void journalDurationTexts();
    void recordsOfTheWrongKindGiveNoItem();
    void clonesCarryEveryValue();

private:
    std::shared_ptr<PstItem> writeAndReadOne(const PstMessage& message, const QString& containerClass);

    QTemporaryDir m_scratch;
    std::shared_ptr<PstFolderItem> m_root;
    int m_files = 0;
};

void TestPstItemKinds::initTestCase()
{
    Morvek::IMVLogConfig::InitializeLogConfig((m_home.path() + "/log/").toStdString());
}

std::shared_ptr<PstItem> TestPstItemKinds::writeAndReadOne(const PstMessage& message, const QString& containerClass)
{
    QString error;
    m_root = WrittenPst::open(WrittenPst::oneFolder({message}, containerClass),
                              m_scratch.filePath(QString("kind%1.pst").arg(++m_files)), &error);
    if (!m_root) {
        qWarning().noquote() << error;
        return nullptr;
    }
    const auto items = WrittenPst::allItems(*m_root);
    return items.size() == 1 ? items.first() : nullptr;
}

void TestPstItemKinds::contactReadsBack()
{
    PstMessage message;
    message.kind = PstMessage::Kind::Contact;
    message.subject = QStringLiteral("Grace Hopper");
    message.body = QStringLiteral("Met at the conference.");
    message.contact = {
        {"first_name", "Grace"}, {"surname", "Hopper"}, {"job_title", "Rear Admiral"},
        {"company_name", "US Navy"}, {"department", "Computing"}, {"business_phone", "+1 555 0100"},
        {"home_phone", "+1 555 0101"}, {"mobile_phone", "+1 555 0102"}, {"other_phone", "+1 555 0103"},
        {"callback_phone", "+1 555 0104"}, {"car_phone", "+1 555 0105"}, {"address1", "grace@navy.example"},
        {"address2", "gh@home.example"}, {"address3", "hopper@cobol.example"}, {"primary_fax", "+1 555 0110"},
        {"home_fax", "+1 555 0111"}, {"business_fax", "+1 555 0112"},
        {"home_address", "1 Home Road\r\nArlington"}, {"business_address", "2 Navy Yard\r\nWashington"},
        {"other_address", "3 Other Street"}, {"work_address_street", "Not shown"},
    };
    const auto item = std::dynamic_pointer_cast<PstContactItem>(writeAndReadOne(message, "IPF.Contact"));
    QVERIFY(item);
    QCOMPARE(item->type(), Contact);
    QCOMPARE(item->icon(), QStringLiteral(":/img/contact@3x.png"));
    QCOMPARE(item->displayName(), QStringLiteral("Grace Hopper"));
    QCOMPARE(item->subject(), QStringLiteral("grace@navy.example"));
    QCOMPARE(item->duration(), QString());
    QCOMPARE(describe(item->sections()), (QStringList{
        "Contact Name: First Name=Grace | Last Name=Hopper",
        "Professional Information: Title=Rear Admiral | Company=US Navy | Department=Computing",
        "Phone Numbers: Business=+1 555 0100 | Home=+1 555 0101 | Mobile=+1 555 0102 | Other=+1 555 0103"
        " | Callback=+1 555 0104 | Car=+1 555 0105",
        "Email Addresses: Email 1=grace@navy.example | Email 2=gh@home.example | Email 3=hopper@cobol.example",
        "Fax: Fax (Primary)=+1 555 0110 | Fax (Home)=+1 555 0111 | Fax (Business)=+1 555 0112",
        "Addresses: Home Address=1 Home Road\r\nArlington | Business Address=2 Navy Yard\r\nWashington"
        " | Other Address=3 Other Street",
        "Notes: =Met at the conference.",
    }));
}

void TestPstItemKinds::contactNames_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("email");
    QTest::newRow("neither") << "" << "" << "Empty name" << "nobody@example.org";
    QTest::newRow("surname only") << "" << "Smith" << " Smith" << "";
    QTest::newRow("first name only") << "Anna" << "" << "Anna " << "";
}

void TestPstItemKinds::contactNames()
{
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, shown);
    QFETCH(QString, email);
    PstMessage message;
    message.kind = PstMessage::Kind::Contact;
    message.subject = QStringLiteral("Someone");
    message.contact = {{"first_name", first}, {"surname", last}, {"address1", email}};
    const auto item = writeAndReadOne(message, "IPF.Contact");
    QVERIFY(item);
    QCOMPARE(item->displayName(), shown);
    QCOMPARE(item->subject(), email);
}

void TestPstItemKinds::emptyContactHasSevenEmptySections()
{
    // libpst gives a record a contact part only when it has a contact value.
    PstMessage message;
    message.kind = PstMessage::Kind::Contact;
    message.contact = {{"nickname", "Nobody"}};
    const auto item = writeAndReadOne(message, "IPF.Contact");
    QVERIFY(item);
    QVERIFY(!item->hasProperty("note"));
    QCOMPARE(item->displayName(), QStringLiteral("Empty name"));
    const auto sections = item->sections();
    QList<int> rows;
    for (const InfoSection& section : sections) {
        rows << int(section.fields.size());
        for (const InfoField& field : section.fields)
            QCOMPARE(field.value, QString());
    }
    QCOMPARE(rows, (QList<int>{2, 3, 6, 3, 3, 3, 1}));
}

void TestPstItemKinds::appointmentReadsBack()
{
    PstMessage message;
    message.kind = PstMessage::Kind::Appointment;
    message.subject = QStringLiteral("Design review");
    message.location = QStringLiteral("Room 4");
    message.body = QStringLiteral("Bring the drawings.");
    message.start = utc(2024, 3, 1, 10, 0);
    message.end = utc(2024, 3, 1, 11, 30);
    message.recurrence.kind = PstRecurrence::Weekly;
    message.recurrence.weekDays = 1 << 5;
    message.recurrence.description = QStringLiteral("every Friday from 10:00 to 11:30");
    const auto item = std::dynamic_pointer_cast<PstCalendarItem>(writeAndReadOne(message, "IPF.Appointment"));
    QVERIFY(item);
    QCOMPARE(item->type(), Calendar);
    QCOMPARE(item->icon(), QStringLiteral(":/img/calendar@3x.png"));
    QCOMPARE(item->displayName(), QStringLiteral("Design review"));
    QCOMPARE(item->duration(), QStringLiteral("1h 30m"));
    QCOMPARE(item->startDate("yyyy"), QStringLiteral("2024"));
    QCOMPARE(describe(item->sections()), (QStringList{
        "Appointment Details: Subject=Design review | Start Date=" + localText(message.start)
            + " | End Date=" + localText(message.end) + " | Location=Room 4",
        "Recurrence Details: Recurrence Pattern=" + item->property("recurrenceDescription").toString(),
        "Notes: =Bring the drawings.",
    }));
    QVERIFY(!item->property("recurrenceDescription").toString().isEmpty());
}

void TestPstItemKinds::appointmentDuration_data()
{
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QDateTime>("end");
    QTest::addColumn<QString>("text");
    const QDateTime ten = utc(2024, 5, 6, 10, 0);
    QTest::newRow("90 minutes") << ten << ten.addSecs(90 * 60) << "1h 30m";
    QTest::newRow("45 minutes") << ten << ten.addSecs(45 * 60) << "45m";
    QTest::newRow("nothing") << ten << ten << "0m";
    QTest::newRow("two days") << utc(2024, 5, 6, 0, 0) << utc(2024, 5, 8, 0, 0) << "2d 0h 0m";
    QTest::newRow("25 hours") << ten << ten.addSecs(25 * 3600) << "1d 1h 0m";
    QTest::newRow("end before start") << ten.addSecs(90 * 60) << ten << "1h 30m";
    QTest::newRow("seconds dropped") << ten << ten.addSecs(59) << "0m";
}

void TestPstItemKinds::appointmentDuration()
{
    QFETCH(QDateTime, start);
    QFETCH(QDateTime, end);
    QFETCH(QString, text);
    auto item = std::make_shared<PstCalendarItem>();
    item->insertProperty("startDate", start.toSecsSinceEpoch());
    item->insertProperty("endDate", end.toSecsSinceEpoch());
    QCOMPARE(item->duration(), text);
}

void TestPstItemKinds::appointmentWithoutTimesShowsNoDates()
{
    PstMessage message;
    message.kind = PstMessage::Kind::Appointment;
    const auto item = std::dynamic_pointer_cast<PstCalendarItem>(writeAndReadOne(message, "IPF.Appointment"));
    QVERIFY(item);
    QCOMPARE(item->displayName(), QString());
    QCOMPARE(item->duration(), QStringLiteral("0m"));
    QCOMPARE(describe(item->sections()), (QStringList{
        "Appointment Details: Subject= | Start Date= | End Date= | Location=",
        "Recurrence Details: Recurrence Pattern=",
        "Notes: =",
    }));
}

void TestPstItemKinds::taskReadsBack()
{
    PstMessage message;
    message.kind = PstMessage::Kind::Task;
    message.subject = QStringLiteral("Write the report");
    message.body = QStringLiteral("Chapters 1 to 3.");
    message.owner = QStringLiteral("Barbara Liskov");
    message.taskStatus = 3;
    message.percentComplete = 0.5;
    message.taskStart = utc(2024, 2, 1, 9, 0);
    message.taskDue = utc(2024, 2, 9, 17, 0);
    message.actualWorkMinutes = 0;
    message.estimatedWorkMinutes = 480;
    message.complete = true;
    const auto item = std::dynamic_pointer_cast<PstTaskItem>(writeAndReadOne(message, "IPF.Task"));
    QVERIFY(item);
    QCOMPARE(item->type(), Task);
    QCOMPARE(item->icon(), QStringLiteral(":/img/task@3x.png"));
    QCOMPARE(item->displayName(), QStringLiteral("Write the report"));
    QCOMPARE(item->duration(), QString());
    QVERIFY(item->taskCompleted());
    QCOMPARE(describe(item->sections()), (QStringList{
        "Task Schedule: Start Date=" + localText(message.taskStart) + " | Due Date=" + localText(message.taskDue),
        "Task Status: Owner=Barbara Liskov | Status=waiting on someone else | Estimated work=1 day"
        " | Actual work=0 hours | Progress=50 % completed",
        "Notes: =Chapters 1 to 3.",
    }));
}

void TestPstItemKinds::taskProgressIsTruncated_data()
{
    QTest::addColumn<double>("fraction");
    QTest::addColumn<int>("percent");
    QTest::newRow("0.29") << 0.29 << 28;
    QTest::newRow("0.5") << 0.5 << 50;
    QTest::newRow("1.0") << 1.0 << 100;
    QTest::newRow("0.999") << 0.999 << 99;
    QTest::newRow("1.5") << 1.5 << 150;
    QTest::newRow("-0.255") << -0.255 << -25;
    // Values no int can hold, from a damaged file.
    QTest::newRow("not a number") << std::nan("") << 0;
    QTest::newRow("1e300") << 1e300 << std::numeric_limits<int>::max();
    QTest::newRow("-infinity") << -std::numeric_limits<double>::infinity() << std::numeric_limits<int>::min();
}

void TestPstItemKinds::taskProgressIsTruncated()
{
    QFETCH(double, fraction);
    QFETCH(int, percent);
    PstMessage message;
    message.kind = PstMessage::Kind::Task;
    message.subject = QStringLiteral("Progress");
    message.percentComplete = fraction;
    const auto item = std::dynamic_pointer_cast<PstTaskItem>(writeAndReadOne(message, "IPF.Task"));
    QVERIFY(item);
    QCOMPARE(item->progress(), percent);
    QCOMPARE(item->sections().at(1).fields.at(4).value, QStringLiteral("%1 % completed").arg(percent));
    QVERIFY(!item->taskCompleted());
    PstTaskItem direct;
    direct.setProgress(fraction);
    QCOMPARE(direct.progress(), percent);
}

void TestPstItemKinds::taskStatusWords_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("word");
    QTest::newRow("0") << 0 << "not started";
    QTest::newRow("1") << 1 << "in progress";
    QTest::newRow("2") << 2 << "complete";
    QTest::newRow("3") << 3 << "waiting on someone else";
    QTest::newRow("4") << 4 << "deferred";
    QTest::newRow("7") << 7 << "";
    QTest::newRow("-1") << -1 << "";
}

void TestPstItemKinds::taskStatusWords()
{
    QFETCH(int, status);
    QFETCH(QString, word);
    PstTaskItem task;
    task.setStatus(status);
    QCOMPARE(task.status(), word);
}

void TestPstItemKinds::workTimeTexts_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("text");
    QTest::newRow("2400") << 2400 << "1 week";
    QTest::newRow("4800") << 4800 << "2 weeks";
    QTest::newRow("7200") << 7200 << "3 weeks";
    QTest::newRow("480") << 480 << "1 day";
    QTest::newRow("1440") << 1440 << "3 days";
    QTest::newRow("60") << 60 << "1 hour";
    QTest::newRow("600") << 600 << "10 hours";
    QTest::newRow("0") << 0 << "0 hours";
    QTest::newRow("-120") << -120 << "-2 hours";
    QTest::newRow("-480") << -480 << "-8 hours";
    QTest::newRow("90") << 90 << "";
    QTest::newRow("150") << 150 << "";
}

void TestPstItemKinds::workTimeTexts()
{
    QFETCH(int, minutes);
    QFETCH(QString, text);
    PstTaskItem task;
    QCOMPARE(task.workTimeToString(minutes), text);
    task.setEstimatedWork(minutes);
    task.setActualWork(minutes);
    QCOMPARE(task.estimatedWork(), text);
    QCOMPARE(task.actualWork(), text);
}

void TestPstItemKinds::taskWithoutReadablePropertiesHasSubjectAndNote()
{
    // A task record libpst parsed but whose node cannot be read again: its
    // file is not available, so only the record's own texts are known.
    char subject[] = "Orphan task";
    char body[] = "Some notes";
    pst_item record{};
    record.type = PST_TYPE_TASK;
    record.subject.str = subject;
    record.subject.is_utf8 = 1;
    record.body.str = body;
    record.body.is_utf8 = 1;
    pst_desc_tree node{};
    node.d_id = 0x200024;
    const auto task = PstTaskItem::creteFromPstItem(&node, &record);
    QVERIFY(task);
    QCOMPARE(task->properties().keys(), (QList<QString>{"note", "subject"}));
    QCOMPARE(task->displayName(), QStringLiteral("Orphan task"));
    QCOMPARE(task->status(), QStringLiteral("not started"));
    QCOMPARE(task->progress(), 0);
    QVERIFY(!task->taskCompleted());

    // The same with an open file whose index knows no such node.
    PstMessage message;
    message.kind = PstMessage::Kind::Task;
    message.owner = QStringLiteral("Nobody");
    QVERIFY(writeAndReadOne(message, "IPF.Task"));
    record.pf = m_root->pstFile().get();
    node.desc = nullptr;
    node.assoc_tree = nullptr;
    const auto unreadable = PstTaskItem::creteFromPstItem(&node, &record);
    QVERIFY(unreadable);
    QCOMPARE(unreadable->properties().keys(), (QList<QString>{"note", "subject"}));
}

void TestPstItemKinds::stickyNoteReadsBack()
{
    PstMessage message;
    message.kind = PstMessage::Kind::StickyNote;
    message.subject = QStringLiteral("Buy milk");
    message.body = QStringLiteral("Buy milk\r\nand bread");
    message.creationTime = utc(2024, 1, 2, 3, 4);
    message.modificationTime = utc(2024, 1, 5, 6, 7);
    const auto item = std::dynamic_pointer_cast<PstNoteItem>(writeAndReadOne(message, "IPF.StickyNote"));
    QVERIFY(item);
    QCOMPARE(item->type(), Note);
    QCOMPARE(item->icon(), QStringLiteral(":/img/notepaper@3x.png"));
    QCOMPARE(item->displayName(), QStringLiteral("Buy milk"));
    QCOMPARE(item->createDate(), localText(message.creationTime));
    QCOMPARE(item->modifyDate(), localText(message.modificationTime));
    QVERIFY(item->sections().isEmpty());
    QCOMPARE(item->fileId(), 0ull);

    auto undated = std::make_shared<PstNoteItem>();
    QCOMPARE(undated->createDate(), QString());
}

void TestPstItemKinds::journalReadsBack()
{
    PstMessage message;
    message.kind = PstMessage::Kind::Journal;
    message.subject = QStringLiteral("Call with the supplier");
    message.body = QStringLiteral("Prices go up in May.");
    message.journalType = QStringLiteral("Phone call");
    message.journalTypeDescription = QStringLiteral("Phone call (described)");
    message.start = utc(2024, 4, 2, 14, 0);
    message.end = utc(2024, 4, 2, 15, 30);
    message.durationMinutes = 90;
    const auto item = std::dynamic_pointer_cast<PstJournalItem>(writeAndReadOne(message, "IPF.Journal"));
    QVERIFY(item);
    QCOMPARE(item->type(), Journal);
    QCOMPARE(item->icon(), QStringLiteral(":/img/diary@3x.png"));
    QCOMPARE(item->displayName(), QStringLiteral("Call with the supplier"));
    QCOMPARE(item->property("type").toString(), QStringLiteral("Phone call"));
    QCOMPARE(item->duration(), QStringLiteral("1 h 30 m"));
    QCOMPARE(item->startDate("yyyy"), QStringLiteral("2024"));
    QCOMPARE(describe(item->sections()), (QStringList{
        "Journal Entry: Subject=Call with the supplier | Type=Phone call (described) | Start Date="
            + localText(message.start) + " | End Date=" + localText(message.end) + " | Duration=1 h 30 m",
        "Notes: =Prices go up in May.",
    }));
}

void TestPstItemKinds::journalDurationTexts_data()
{
    QTest::addColumn<qulonglong>("minutes");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0ull << "0 m";
    QTest::newRow("45") << 45ull << "45 m";
    QTest::newRow("61") << 61ull << "1 h 1 m";
    QTest::newRow("90") << 90ull << "1 h 30 m";
    QTest::newRow("1440") << 1440ull << "1 d";
    QTest::newRow("1500") << 1500ull << "1 d 1 h";
    QTest::newRow("2880") << 2880ull << "2 d";
    QTest::newRow("1441") << 1441ull << "1 d 1 m";
}

void TestPstItemKinds::journalDurationTexts()
{
    QFETCH(qulonglong, minutes);
    QFETCH(QString, text);
    PstJournalItem entry;
    entry.setDuration(minutes);
    QCOMPARE(entry.duration(), text);
}

void TestPstItemKinds::recordsOfTheWrongKindGiveNoItem()
{
    pst_item record{};
    record.type = PST_TYPE_NOTE;
    QVERIFY(!PstTaskItem::creteFromPstItem(nullptr, &record));
    QVERIFY(!PstNoteItem::creteFromPstItem(nullptr, &record));
    QVERIFY(!PstJournalItem::creteFromPstItem(nullptr, &record));
    QVERIFY(!PstCalendarItem::creteFromPstItem(nullptr, &record));
    QVERIFY(!PstContactItem::creteFromPstItem(nullptr, &record));
    QVERIFY(!PstTaskItem::creteFromPstItem(nullptr, nullptr));

    // A class that continues the sticky note's class is still a sticky note.
    PstMessage message;
    message.kind = PstMessage::Kind::StickyNote;
    message.messageClass = QStringLiteral("IPM.StickyNote.Custom");
    QString error;
    m_root = WrittenPst::open(WrittenPst::oneFolder({message}, "IPF.StickyNote"), m_scratch.filePath("wrong.pst"),
                              &error);
    QVERIFY2(m_root, qPrintable(error));
    const auto items = WrittenPst::allItems(*m_root);
    QCOMPARE(items.size(), 1);
    QCOMPARE(items.first()->type(), Note);
}

void TestPstItemKinds::clonesCarryEveryValue()
{
    PstTaskItem task;
    task.insertProperty("subject", QStringLiteral("t"));
    task.setStatus(2);
    task.setCompleted(5);
    task.setActualWork(60);
    task.setEstimatedWork(2400);
    task.setProgress(0.75);
    auto taskOwner = std::make_shared<PstTaskItem>(task);
    const auto taskCopy = std::static_pointer_cast<PstTaskItem>(taskOwner->clone());
    QCOMPARE(describe(taskCopy->sections()), describe(task.sections()));
    QVERIFY(taskCopy->taskCompleted());

    auto journal = std::make_shared<PstJournalItem>();
    journal->setDuration(1500);
    QCOMPARE(journal->clone()->duration(), QStringLiteral("1 d 1 h"));
}

QTEST_GUILESS_MAIN(TestPstItemKinds)
#include "tst_PstItemKinds.moc"
