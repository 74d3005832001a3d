// SPDX-License-Identifier: GPL-2.0-or-later
// The item tree: how values become the texts the window shows; how the tree links, copies
// and lets go; and files of the test PST writer, whose every value is known, read back.
#include "AttachedMail.h"
#include "Common.h"
#include "FolderNameDecoder.h"
#include "IMVLogConfig.h"
#include "LogLines.h"
#include "MessageClass.h"
#include "PstCalendarItem.h"
#include "PstContactItem.h"
#include "PstDataConverter.h"
#include "PstFolderItem.h"
#include "PstJournalItem.h"
#include "PstMailItem.h"
#include "PstNoteItem.h"
#include "PstTaskItem.h"
#include "TestHome.h"
#include "WrittenPst.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr quint64 kUnixEpochTicks = 116444736000000000ULL;

pst_string text(const char* value, int isUtf8 = 1)
{
    pst_string s;
    s.is_utf8 = isUtf8;
    s.str = const_cast<char*>(value);
    return s;
}

FILETIME filetime(quint64 ticks)
{
    return FILETIME{quint32(ticks & 0xFFFFFFFFu), quint32(ticks >> 32)};
}

std::shared_ptr<PstFolderItem> folder(const QString& name, unsigned level)
{
    auto f = std::make_shared<PstFolderItem>();
    f->setDisplayName(name);
    f->setNodeLevel(level);
    return f;
}

// What one rule makes of `in`, numbers as decimal text.
QString apply(const QString& rule, const QByteArray& in)
{
    static const QStringList kinds{"unknown", "mail", "contact", "list", "appointment", "task", "note", "journal"};
    const QString text = QString::fromUtf8(in);
    const QList<QByteArray> args = in.split(' '); // the rules of two numbers
    PstTaskItem task;
    PstJournalItem entry;
    PstCalendarItem appointment;
    PstFolderItem folder;
    pst_item record = {};
    FILETIME time = filetime(kUnixEpochTicks + in.toULongLong()); // 100-ns ticks since 1970
    const QHash<QString, std::function<QString()>> rules{
        {"class", [&] { return kinds.value(int(MessageClass::kindOf(text))); }},
        {"locale code page", [&] { return QString::number(FolderNameDecoder::ansiCodePageOf(QLocale(text))); }},
        {"folder icon", [&] { folder.setFolderType(in.constData()); return folder.icon(); }},
        {"mime type", [&] { return getMimeType(text); }},
        {"task status", [&] { task.setStatus(in.toInt()); return task.status(); }},
        {"work time", [&] {
             task.setEstimatedWork(in.toInt());
             task.setActualWork(in.toInt());
             return task.estimatedWork() == task.actualWork() ? task.actualWork() : QStringLiteral("(differs)");
         }},
        {"progress", [&] { task.setProgress(text.toDouble()); return QString::number(task.progress()); }},
        {"journal duration", [&] { entry.setDuration(in.toULongLong()); return entry.duration(); }},
        {"appointment duration", [&] { // start and end, seconds
             appointment.insertProperty("startDate", 1714989600 + args.value(0).toLongLong());
             appointment.insertProperty("endDate", 1714989600 + args.value(1).toLongLong());
             return appointment.duration();
         }},
        {"all-day duration", [&] {
             appointment.insertProperty("allDay", true);
             appointment.insertProperty("startDate", 1714953600 + args.value(0).toLongLong());
             appointment.insertProperty("endDate", 1714953600 + args.value(1).toLongLong());
             return appointment.duration();
         }},
        {"all-day days", [&] {
             appointment.insertProperty("allDay", true);
             appointment.insertProperty("startDate", 1714953600 + args.value(0).toLongLong());
             appointment.insertProperty("endDate", 1714953600 + args.value(1).toLongLong());
             return appointment.firstDay().toString(Qt::ISODate) + ' ' + appointment.lastDay().toString(Qt::ISODate);
         }},
        {"record code page", [&] { // internet code page, message code page
             record.internet_cpid = args.value(0).toInt();
             record.message_codepage = args.value(1).toInt();
             return QString::number(PstDataConverter::recordCodePage(&record));
         }},
        {"filetime seconds", [&] { return QString::number(PstDataConverter::filetimeToUnix(&time)); }},
        {"html", [&] { return PstDataConverter::decodePstHtml(pst_string{0, const_cast<char*>(in.constData())}); }}};
    if (rule.startsWith("text")) // "text CODEPAGE", "text utf-8 flagged"
        return PstDataConverter::toQString(pst_string{rule.endsWith("flagged"), const_cast<char*>(in.constData())},
                                           rule.mid(5).toInt());
    return rules.contains(rule) ? rules[rule]() : QStringLiteral("(no such rule)");
}


const QString kPage = QStringLiteral(
    "<html><head><meta charset='utf-8'></head><body style='font-family:\"Microsoft YaHei\",sans-serif;"
    "white-space:pre-wrap;word-wrap:break-word;'><div>%1</div></body></html>");

QString localText(const char* isoTime, const char* format = "MMM dd, yyyy 'at' hh:mm AP")
{
    return QLocale::system().toString(QDateTime::fromString(isoTime, Qt::ISODate).toLocalTime(), format);
}

PstAttachment attachment(const QString& name, const QByteArray& data, const QString& contentId = QString())
{
    PstAttachment result;
    result.longName = name;
    result.data = data;
    result.contentId = contentId;
    return result;
}

// A mail's value by name, as the window shows it.
QString mailField(const PstMailItem& mail, const QString& name)
{
    QStringList names;
    for (const auto& a : mail.attachments())
        names << a->name;
    const QHash<QString, std::function<QString()>> fields{
        {"subject", [&] { return mail.subject(); }}, {"sender", [&] { return mail.sender(); }},
        {"name", [&] { return mail.displayName(); }}, {"address", [&] { return mail.senderAddr(); }},
        {"shown address", [&] { return mail.formattedSenderAddr(); }}, {"to", [&] { return mail.formattedRecipients(); }},
        {"cc", [&] { return mail.formattedCc(); }}, {"bcc", [&] { return mail.formattedBcc(); }},
        {"sent", [&] { return mail.sendDate("yyyy/MM/dd hh:mm:ss"); }}, {"attachments", [&] { return names.join(','); }},
        {"body", [&] { return mail.body(); }}, {"text page", [&] { return mail.textBodyToHtml(); }},
        {"node", [&] { return QString::number(mail.fileId() == mail.pstTree()->d_id); }},
        {"properties", [&] { return QStringList(mail.properties().keys()).join(','); }}};
    return fields.contains(name) ? fields[name]() : "(no field " + name + ")";
}

} // namespace

class TestPstItems : public QObject
{
    Q_OBJECT
    TestHome m_home;
    QTranslator m_plurals;
    QTemporaryDir m_scratch;
    std::shared_ptr<PstFolderItem> m_root;
    int m_files = 0;

    std::shared_ptr<PstFolderItem> write(const PstDescription& description)
    {
        QString error;
        m_root = WrittenPst::open(description, m_scratch.filePath(QString("written%1.pst").arg(++m_files)), &error);
        if (!m_root)
            qWarning().noquote() << error;
        return m_root;
    }

    std::shared_ptr<PstItem> writeOne(const PstMessage& message, const QString& containerClass = "IPF.Note",
                                      bool permute = false)
    {
        PstDescription description = WrittenPst::oneFolder({message}, containerClass);
        description.permute = permute;
        const auto items = write(description) ? WrittenPst::allItems(*m_root) : QList<std::shared_ptr<PstItem>>();
        return items.size() == 1 ? items.first() : nullptr;
    }

    std::shared_ptr<PstMailItem> writeMail(const PstMessage& message)
    {
        return std::dynamic_pointer_cast<PstMailItem>(writeOne(message));
    }

    static QStringList logLines() { return LogLines::read(QString::fromStdString(Morvek::IMVLogConfig::CurrentLogFile())); }

private slots:
    void initTestCase()
    {
        Morvek::IMVLogConfig::InitializeLogConfig((m_home.path() + "/log/").toStdString());
        // English plural forms, as the programs load them.
        QVERIFY(m_plurals.load(QStringLiteral(":/translations/language/Translation_en.qm")));
        QCoreApplication::installTranslator(&m_plurals);
    }
    void init() { QFile(QString::fromStdString(Morvek::IMVLogConfig::CurrentLogFile())).resize(0); }

    void rules_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QByteArray>("in");
        QTest::addColumn<QString>("out");
        using Rows = QList<QPair<QByteArray, QString>>;
        const auto rows = [](const char* rule, const Rows& rows) {
            for (const auto& [in, out] : rows)
                QTest::addRow("%s: %s", rule, in.toPercentEncoding(" .:;,=<>/\"-").constData())
                    << QString::fromLatin1(rule) << in << out;
        };
        // Classes match on whole dot-separated parts.
        rows("class", {{"IPM.Note", "mail"}, {"ipm.note.smime.multipartsigned", "mail"}, {"IPM.Post.Rss", "mail"},
                       {"IPM.Schedule.Meeting.Request", "mail"}, {"IPM.Schedule.Meeting.Resp.Pos", "mail"},
                       {"REPORT.IPM.Note.NDR", "mail"}, {"Report.IPM.Note.IPNRN", "mail"}, {"IPM.Post", "mail"},
                       {"IPM.Outlook.Recall", "mail"}, {"IPM.Sharing.Request", "mail"}, {"IPM.Contact.Custom", "contact"},
                       {"IPM.DistList", "list"}, {"IPM.Appointment.Birthday", "appointment"}, {"IPM.Task", "task"},
                       {"IPM.TaskRequest.Accept", "task"}, {"IPM.StickyNote", "note"}, {"IPM.Activity", "journal"},
                       {"IPM.NoteBook", "unknown"}, {"IPM.Notes", "unknown"}, {"IPM", "unknown"}, {"", "unknown"},
                       {"IPM.Configuration.Mailbox", "unknown"}, {"XIPM.Note", "unknown"}});
        rows("locale code page", {{"ja_JP", "932"}, {"zh_CN", "936"}, {"zh_TW", "950"}, {"ru_RU", "1251"},
                                  {"pl_PL", "1250"}, {"de_DE", "1252"}});
        rows("folder icon", {{"IPF.Journal", ":/img/diary@3x.png"}, {"IPF.StickyNote", ":/img/notepaper@3x.png"},
                             {"IPF.Task", ":/img/task@3x.png"}, {"ipf.task", ":/img/folder@3x.png"}});
        rows("mime type", {{"photo.JPEG", "image/jpeg"}, {"x.y.jpg", "image/jpeg"}, {"b.Bmp", "image/bmp"},
                           {"v.svg", "image/svg+xml"}, {"README", "application/octet-stream"}, {"png", "image/png"}});
        rows("task status", {{"-1", ""}, {"0", "not started"}, {"1", "in progress"}, {"2", "complete"},
                             {"3", "waiting on someone else"}, {"4", "deferred"}, {"7", ""}});
        rows("work time", {{"2400", "1 week"}, {"4800", "2 weeks"}, {"7200", "3 weeks"}, {"480", "1 day"},
                           {"1440", "3 days"}, {"60", "1 hour"}, {"600", "10 hours"}, {"0", "0 hours"},
                           {"-120", "-2 hours"}, {"-480", "-8 hours"}, {"90", "1 hour 30 minutes"},
                           {"150", "2 hours 30 minutes"}, {"45", "45 minutes"}, {"1", "1 minute"}, {"500", "8 hours 20 minutes"}});
        // Truncated; values no int can hold come from damaged files.
        rows("progress", {{"0.29", "28"}, {"0.5", "50"}, {"1.0", "100"}, {"0.999", "99"}, {"1.5", "150"},
                          {"-0.255", "-25"}, {"nan", "0"}, {"1e300", QString::number(std::numeric_limits<int>::max())},
                          {"-inf", QString::number(std::numeric_limits<int>::min())}});
        rows("journal duration", {{"0", "0 m"}, {"45", "45 m"}, {"61", "1 h 1 m"}, {"90", "1 h 30 m"}, {"1440", "1 d"},
                                  {"1500", "1 d 1 h"}, {"2880", "2 d"}, {"1441", "1 d 1 m"}});
        rows("appointment duration", {{"0 5400", "1 h 30 m"}, {"0 2700", "45 m"}, {"0 0", "0 m"}, {"-36000 136800", "2 d"},
                                      {"0 90000", "1 d 1 h"}, {"5400 0", "1 h 30 m"}, {"0 59", "0 m"}});
        // Midnight to midnight, stored in UTC, in Tokyo (15:00 the day before) or New York (05:00).
        rows("all-day duration", {{"0 86400", "All day"}, {"-32400 54000", "All day"}, {"18000 104400", "All day"},
                                  {"-32400 226800", "All day, 3 days"}, {"0 0", "All day"}, {"86400 0", "All day"}});
        rows("all-day days", {{"-32400 54000", "2024-05-06 2024-05-06"}, {"18000 277200", "2024-05-06 2024-05-08"},
                              {"0 172800", "2024-05-06 2024-05-07"}});
        // The Japanese contact of the test files declares 50220 for Shift-JIS text.
        rows("record code page", {{"0 0", "0"}, {"50220 0", "932"}, {"50220 1252", "1252"}, {"65001 0", "0"},
                                  {"65001 65001", "65001"}});
        rows("filetime seconds", {{"0", "0"}, {"9999999", "0"}, {"17000000000000000", "1700000000"}});
        rows("text utf-8 flagged", {{"Gr\xc3\xbc\xc3\x9f" "e", QStringLiteral("Grüße")}});
        rows("text 0", {{"\xd6\xd0\xce\xc4", QStringLiteral("中文")}}); // GB18030 decides
        rows("text 1252", {{"\x93quoted\x94 Gr\xfc\xdf" "e", QStringLiteral("\u201cquoted\u201d Grüße")}});
        rows("text 932", {{"\x83\x66\x81\x5b\x83\x5e", QStringLiteral("データ")}});
        rows("text 65001", {{"Caf\xc3\xa9", QStringLiteral("Café")}});
        rows("text 12345", {{"\xd6\xd0\xce\xc4", QStringLiteral("中文")}});
        const QString meta = QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">");
        rows("html", {{"<meta charset=\"gb2312\"><p>Gr\xc3\xbc\xc3\x9f" "e</p>", QStringLiteral("<meta charset=\"gb2312\"><p>Grüße</p>")},
                      {meta.toLatin1() + "<p>\xd6\xd0\xce\xc4</p>", meta + QStringLiteral("<p>中文</p>")},
                      {"<meta charset=\"windows-1252\"><p>\x93hi\x94</p>", QStringLiteral("<meta charset=\"windows-1252\"><p>\u201chi\u201d</p>")},
                      {"<p>Gr\xfc\xdf" "e</p>", QStringLiteral("<p>Gr\ufffd\ufffde</p>")}, // lossy UTF-8
                      {"<meta charset=\"iso-8859-1\"><p>\xfc</p>", QStringLiteral("<meta charset=\"iso-8859-1\"><p>\ufffd</p>")}});
    }

    void rules()
    {
        QFETCH(QString, rule);
        QFETCH(QByteArray, in);
        QFETCH(QString, out);
        QCOMPARE(apply(rule, in), out);
    }

    void absentValuesAndDates()
    {
        QVERIFY(PstDataConverter::toQString(text(nullptr)).isNull());
        QVERIFY(PstDataConverter::decodePstHtml(text(nullptr)).isNull());
        QCOMPARE(PstDataConverter::filetimeToUnix(nullptr), 0);
        QVERIFY(PstDataConverter::filetimeToQString(nullptr).isEmpty());
        FILETIME t = filetime(kUnixEpochTicks + 10000000ULL * 1704467220ULL);
        QCOMPARE(PstDataConverter::filetimeToQString(&t), QLocale::system().toString(QDateTime::fromSecsSinceEpoch(1704467220),
                                                                                    "MMM dd, yyyy 'at' hh:mm AP"));
        auto f = folder("x", 1);
        f->insertFromFILETIME(nullptr, "sentDate");
        QVERIFY(!f->hasProperty("sentDate"));
        t = filetime(kUnixEpochTicks);
        f->insertFromFILETIME(&t, "sentDate");
        QCOMPARE(f->property("sentDate").toLongLong(), 0);
        QCOMPARE(f->subject(), QString(""));
        QVERIFY(!f->hasProperty("subject")); // looking it up inserts nothing
    }

    void recordsGiveItemsOfTheirKindOnly()
    {
        pst_item record = {};
        pst_item_folder folderPart = {};
        record.folder = &folderPart;
        pst_desc_tree node = {};
        node.d_id = 0x8022;
        auto built = PstFolderItem::creteFromPstItem(&node, &record);
        QVERIFY(built);
        QCOMPARE(built->displayName(), QStringLiteral("未初始化"));
        QCOMPARE(built->fileId(), 0x8022ull);
        record.folder = nullptr;
        QVERIFY(!PstFolderItem::creteFromPstItem(&node, &record));
        record.type = PST_TYPE_NOTE;
        QVERIFY(!PstTaskItem::creteFromPstItem(nullptr, &record));
        QVERIFY(!PstNoteItem::creteFromPstItem(nullptr, &record));
        QVERIFY(!PstJournalItem::creteFromPstItem(nullptr, &record));
        QVERIFY(!PstCalendarItem::creteFromPstItem(nullptr, &record));
        QVERIFY(!PstContactItem::creteFromPstItem(nullptr, &record));
        QVERIFY(!PstTaskItem::creteFromPstItem(nullptr, nullptr));
    }

    // The tree links rows and parents; a copy (what a conversion works on)
    // is deep and shares the document's lock; items let go of a closed root.
    void treeLinksCopiesAndLetsGo()
    {
        auto invisible = folder("", 0);
        auto root = folder("doc.pst", 0);
        auto second = folder("second.pst", 0);
        invisible->addChildNode(root);
        invisible->addChildNode(second);
        QCOMPARE(second->row(), 1);
        QCOMPARE(invisible->child(-1), nullptr);
        QCOMPARE(invisible->child(2), nullptr);
        auto file = std::shared_ptr<pst_file>(static_cast<pst_file*>(calloc(1, sizeof(pst_file))), [](pst_file* f) { free(f); });
        root->setPstFile(file);
        root->setPstLock(std::make_shared<QRecursiveMutex>());
        auto inbox = folder("Inbox", 1);
        inbox->setFolderType("IPF.Note");
        inbox->insertProperty("subject", "kept");
        auto sub = folder("Sub", 2);
        root->addChildNode(inbox);
        inbox->addChildNode(sub);
        QCOMPARE(inbox->itemCountStr(), QString());
        auto task = std::make_shared<PstTaskItem>();
        task->insertProperty("subject", QStringLiteral("t"));
        task->setStatus(2);
        task->setCompleted(5);
        task->setActualWork(60);
        task->setEstimatedWork(2400);
        task->setProgress(0.75);
        inbox->addItem(task);
        auto journal = std::make_shared<PstJournalItem>();
        journal->setDuration(1500);
        inbox->addItem(journal);
        QCOMPARE(inbox->itemCountStr(), QStringLiteral(" (2 items)"));
        QCOMPARE(task->row(), 0);
        QCOMPARE(journal->parent(), inbox);
        QCOMPARE(sub->rootNode(), root);
        QCOMPARE(sub->pstFile(), file);

        auto copy = std::static_pointer_cast<PstFolderItem>(root->clone());
        auto copiedInbox = std::static_pointer_cast<PstFolderItem>(copy->child(0));
        QVERIFY(copiedInbox != inbox);
        QCOMPARE(copy->parent(), nullptr);
        QCOMPARE(copiedInbox->parent(), copy);
        QCOMPARE(copiedInbox->folderType(), QStringLiteral("IPF.Note"));
        QCOMPARE(copiedInbox->subject(), QStringLiteral("kept"));
        QCOMPARE(copiedInbox->child(0)->displayName(), QStringLiteral("Sub"));
        QCOMPARE(copiedInbox->items().first()->parent(), copiedInbox);
        QCOMPARE(copiedInbox->pstLock(), root->pstLock());
        QCOMPARE(WrittenPst::describe(*copiedInbox->items().first()), WrittenPst::describe(*task));
        QCOMPARE(copiedInbox->items().at(1)->duration(), QStringLiteral("1 d 1 h"));

        invisible->removeChildNode(0);
        QCOMPARE(second->row(), 0);
        root.reset();
        inbox.reset();
        QCOMPARE(sub->rootNode(), nullptr);
        QCOMPARE(sub->pstFile(), nullptr);
        QCOMPARE(sub->pstLock(), nullptr);
        QCOMPARE(copiedInbox->child(0)->rootNode(), copy);
        QCOMPARE(copiedInbox->itemCount(), 2);
    }

    void uniqueFileNames()
    {
        QTemporaryDir dir;
        const QString report = dir.filePath("Report.eml");
        const auto touch = [](const QString& path) { QVERIFY(QFile(path).open(QIODevice::WriteOnly)); };
        QCOMPARE(Common::getUniqueFileName(report), report);
        touch(report);
        QCOMPARE(Common::getUniqueFileName(report), dir.filePath("Report_1.eml"));
        touch(dir.filePath("Report_1.eml"));
        QCOMPARE(Common::getUniqueFileName(report), dir.filePath("Report_2.eml"));
        touch(dir.filePath("notes"));
        QCOMPARE(Common::getUniqueFileName(dir.filePath("notes")), dir.filePath("notes_1."));
    }

    void kindsReadBack_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("containerClass");
        // One line: only the first line is compared. "*" at the end: any non-empty rest.
        QTest::addColumn<QStringList>("shown");
        const QStringList contact{"contact|:/img/contact@3x.png|Grace Hopper|grace@navy.example|",
            "Contact Name: Prefix= | First Name=Grace | Middle Name= | Last Name=Hopper | Suffix= | Nickname=",
            "Professional Information: Title=Rear Admiral | Company=US Navy | Department=Computing | Office="
            " | Profession= | Manager= | Assistant=",
            "Phone Numbers: Primary= | Business=+1 555 0100 | Business 2= | Company Main= | Home=+1 555 0101 | Home 2="
            " | Mobile=+1 555 0102 | Pager= | Assistant= | Other=+1 555 0103 | Callback=+1 555 0104 | Car=+1 555 0105"
            " | Radio= | ISDN= | TTY/TDD= | Telex=",
            "Email Addresses: Email 1=grace@navy.example | Email 2=gh@home.example | Email 3=hopper@cobol.example",
            "Fax: Fax (Primary)=+1 555 0110 | Fax (Home)=+1 555 0111 | Fax (Business)=+1 555 0112",
            "Addresses: Home Address=1 Home Road\r\nArlington | Business Address=2 Navy Yard\r\nWashington"
            " | Other Address=3 Other Street",
            "Web Pages: Business Web Page= | Personal Web Page=",
            "Personal Information: Birthday= | Anniversary= | Spouse= | Hobbies=",
            "Notes: =Met at the conference."};
        QTest::newRow("contact") << QByteArray(R"x({"kind": "contact", "subject": "Grace Hopper", "body": "Met at the conference.",
            "contact": {"first_name": "Grace", "surname": "Hopper", "job_title": "Rear Admiral", "company_name": "US Navy",
            "department": "Computing", "business_phone": "+1 555 0100", "home_phone": "+1 555 0101",
            "mobile_phone": "+1 555 0102", "other_phone": "+1 555 0103", "callback_phone": "+1 555 0104",
            "car_phone": "+1 555 0105", "address1": "grace@navy.example", "address2": "gh@home.example",
            "address3": "hopper@cobol.example", "primary_fax": "+1 555 0110", "home_fax": "+1 555 0111",
            "business_fax": "+1 555 0112", "home_address": "1 Home Road\r\nArlington",
            "business_address": "2 Navy Yard\r\nWashington", "other_address": "3 Other Street",
            "work_address_street": "Not shown"}})x") << "IPF.Contact" << contact;
        // libpst gives a record a contact part only when it has a contact value.
        QStringList empty{"contact|:/img/contact@3x.png|Empty name||"};
        for (const QString& line : contact.mid(1))
            empty << QString(line).replace(QRegularExpression("=[^|]*?(?= \\||$)"), "=");
        QTest::newRow("contact without shown values") << QByteArray(R"x({"kind": "contact", "contact": {"initials": "N. B."}})x")
            << "IPF.Contact" << empty;
        QTest::newRow("contact without names") << QByteArray(R"x({"kind": "contact", "subject": "Someone",
            "contact": {"address1": "nobody@example.org"}})x") << "IPF.Contact"
            << QStringList{"contact|:/img/contact@3x.png|nobody@example.org|nobody@example.org|"};
        QTest::newRow("contact surname only") << QByteArray(R"x({"kind": "contact", "contact": {"surname": "Smith"}})x")
            << "IPF.Contact" << QStringList{"contact|:/img/contact@3x.png| Smith||"};
        QTest::newRow("contact first name only") << QByteArray(R"x({"kind": "contact", "contact": {"first_name": "Anna"}})x")
            << "IPF.Contact" << QStringList{"contact|:/img/contact@3x.png|Anna ||"};
        QTest::newRow("appointment") << QByteArray(R"x({"kind": "appointment", "subject": "Design review", "location": "Room 4",
            "body": "Bring the drawings.", "start": "2024-03-01T10:00:00Z", "end": "2024-03-01T11:30:00Z",
            "recurrence": {"kind": "weekly", "weekDays": 32, "description": "every Friday from 10:00 to 11:30"}})x")
            << "IPF.Appointment" << QStringList{"appointment|:/img/calendar@3x.png|Design review|Design review|1 h 30 m",
            "Appointment Details: Subject=Design review | Start Date=" + localText("2024-03-01T10:00:00Z")
                + " | End Date=" + localText("2024-03-01T11:30:00Z") + " | Location=Room 4",
            "Recurrence Details: Recurrence Pattern=*", "Notes: =Bring the drawings."};
        QTest::newRow("appointment without times") << QByteArray(R"x({"kind": "appointment"})x") << "IPF.Appointment"
            << QStringList{"appointment|:/img/calendar@3x.png|||0 m", "Appointment Details: Subject= | Start Date= | End Date= | Location=",
            "Recurrence Details: Recurrence Pattern=", "Notes: ="};
        QTest::newRow("task") << QByteArray(R"x({"kind": "task", "subject": "Write the report", "body": "Chapters 1 to 3.",
            "owner": "Barbara Liskov", "taskStatus": 3, "percentComplete": 0.5, "taskStart": "2024-02-01T09:00:00Z",
            "taskDue": "2024-02-09T17:00:00Z", "actualWorkMinutes": 0, "estimatedWorkMinutes": 480, "complete": true})x")
            << "IPF.Task" << QStringList{"task|:/img/task@3x.png|Write the report|Write the report|", "completed 1, progress 50",
            "Task Schedule: Start Date=" + localText("2024-02-01T09:00:00Z") + " | Due Date=" + localText("2024-02-09T17:00:00Z"),
            "Task Status: Owner=Barbara Liskov | Status=waiting on someone else | Estimated work=1 day"
            " | Actual work=0 hours | Progress=50 % completed", "Notes: =Chapters 1 to 3."};
        QTest::newRow("task progress truncated") << QByteArray(R"x({"kind": "task", "subject": "Progress", "percentComplete": 0.29})x")
            << "IPF.Task" << QStringList{"task|:/img/task@3x.png|Progress|Progress|", "completed 0, progress 28",
            "Task Schedule: Start Date= | Due Date=",
            "Task Status: Owner= | Status=not started | Estimated work=0 hours | Actual work=0 hours | Progress=28 % completed",
            "Notes: ="};
        QTest::newRow("sticky note") << QByteArray(R"x({"kind": "note", "subject": "Buy milk", "body": "Buy milk\r\nand bread",
            "creationTime": "2024-01-02T03:04:00Z", "modificationTime": "2024-01-05T06:07:00Z"})x") << "IPF.StickyNote"
            << QStringList{"note|:/img/notepaper@3x.png|Buy milk|Buy milk|", "created " + localText("2024-01-02T03:04:00Z")
            + ", modified " + localText("2024-01-05T06:07:00Z"), "Notes: =Buy milk\r\nand bread"};
        // A class that continues the sticky note's class is still a sticky note.
        QTest::newRow("sticky note of a longer class") << QByteArray(R"x({"kind": "note", "messageClass": "IPM.StickyNote.Custom"})x")
            << "IPF.StickyNote" << QStringList{"note|:/img/notepaper@3x.png|||", "created , modified ", "Notes: ="};
        QTest::newRow("journal") << QByteArray(R"x({"kind": "journal", "subject": "Call with the supplier",
            "body": "Prices go up in May.", "journalType": "Phone call", "journalTypeDescription": "Phone call (described)",
            "start": "2024-04-02T14:00:00Z", "end": "2024-04-02T15:30:00Z", "durationMinutes": 90})x") << "IPF.Journal"
            << QStringList{"journal|:/img/diary@3x.png|Call with the supplier|Call with the supplier|1 h 30 m", "type Phone call",
            "Journal Entry: Subject=Call with the supplier | Type=Phone call (described) | Start Date="
                + localText("2024-04-02T14:00:00Z") + " | End Date=" + localText("2024-04-02T15:30:00Z") + " | Duration=1 h 30 m",
            "Notes: =Prices go up in May."};
    }

    void kindsReadBack()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, containerClass);
        QFETCH(QStringList, shown);
        // The encoding most real files use, read by the program's own property reader.
        const auto item = writeOne(WrittenPst::message(json), containerClass, true);
        QVERIFY(item);
        QStringList lines = WrittenPst::describe(*item);
        if (shown.size() == 1)
            lines = lines.mid(0, 1);
        for (qsizetype i = 0; i < qMin(lines.size(), shown.size()); ++i) {
            if (shown[i].endsWith('*') && lines[i].startsWith(shown[i].chopped(1)) && lines[i].size() >= shown[i].size())
                shown[i] = lines[i];
        }
        QCOMPARE(lines, shown);
    }

    // A task record whose node cannot be read again (no file, or not in its index) keeps its texts.
    void taskWithoutReadableNodeKeepsItsTexts()
    {
        QVERIFY(writeOne(WrittenPst::message(R"x({"kind": "task", "owner": "Nobody"})x"), "IPF.Task"));
        char subject[] = "Orphan task";
        pst_item record{};
        record.type = PST_TYPE_TASK;
        record.subject = pst_string{1, subject};
        record.body = pst_string{1, subject};
        pst_desc_tree node{};
        node.d_id = 0x200024;
        for (pst_file* file : {static_cast<pst_file*>(nullptr), m_root->pstFile().get()}) {
            record.pf = file;
            const auto task = PstTaskItem::creteFromPstItem(&node, &record);
            QVERIFY(task);
            QCOMPARE(task->properties().keys(), (QList<QString>{"note", "subject"}));
            QCOMPARE(WrittenPst::describe(*task).at(1), QStringLiteral("completed 0, progress 0"));
        }
    }

    void mailFields_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("codePage");
        // "field=value" each; fields as mailField() names them.
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("header") << QByteArray(R"x({"subject": "Quarterly figures", "subjectPrefix": "RE: ",
            "senderName": "Ada Lovelace", "senderAddress": "ada@example.org", "sentTime": "2023-04-05T06:07:08Z",
            "deliveryTime": "2023-04-05T06:09:00Z", "displayTo": "Bob; Carol", "displayCc": "Dave", "displayBcc": "Eve"})x")
            << 0 << QStringList{"subject=RE: Quarterly figures", "name=Ada Lovelace", "shown address=&lt;ada@example.org&gt;",
                                "to=To: Bob; Carol", "cc=Cc: Dave", "bcc=Bcc: Eve", "attachments=", "node=1",
                                "sent=" + localText("2023-04-05T06:07:08Z", "yyyy/MM/dd hh:mm:ss"),
                                "properties=arrivalDate,bcc,cc,messageSize,recipients,sender,senderAddr,sentDate,subject"};
        QTest::newRow("unsent") << QByteArray(R"x({"subject": "Draft"})x") << 0 << QStringList{"sent=No sent date"};
        QTest::newRow("sent at 1970") << QByteArray(R"x({"subject": "Epoch", "sentTime": "1970-01-01T00:00:00Z"})x") << 0
                                      << QStringList{"sent=No sent date"};
        QTest::newRow("plain body escaped into the page") << QByteArray("{\"body\": \"a < b & \\\"c\\\" > d\\r\\nsecond line\\n\"}")
            << 0 << QStringList{"body=" + kPage.arg("a &lt; b &amp; &quot;c&quot; &gt; d\r\nsecond line\n"),
                                "text page=" + kPage.arg("a &lt; b &amp; &quot;c&quot; &gt; d\r\nsecond line\n")};
        // Sender addresses are plain: no type prefix, no Exchange directory name.
        for (const auto& [type, address, smtp, shown] : QList<std::tuple<QString, QString, QString, QString>>{
                 {"SMTP", "ada@example.org", "", "ada@example.org"}, {"SMTP", "SMTP:ada@example.org", "", "ada@example.org"},
                 {"EX", "/O=EXAMPLE/OU=FIRST/CN=RECIPIENTS/CN=EVE", "eve@example.com", "eve@example.com"},
                 {"EX", "/O=EXAMPLE/OU=FIRST/CN=RECIPIENTS/CN=EVE", "", ""}})
            QTest::addRow("sender %s %s", qPrintable(type), qPrintable(address + smtp))
                << QStringLiteral(R"x({"senderName": "S", "senderAddressType": "%1", "senderAddress": "%2", "senderSmtpAddress": "%3"})x")
                       .arg(type, address, smtp).toUtf8() << 0 << QStringList{"address=" + shown};
        // 8-bit texts in the code page the record declares.
        for (const auto& [codePage, text] : QList<QPair<int, QString>>{{936, "季度报告：销售额"}, {932, "会議の議事録"},
                 {1252, "Caf\u00e9 \u201cM\u00fcller\u201d \u2013 r\u00e9sum\u00e9"}})
            QTest::addRow("code page %d", codePage) << QStringLiteral(R"x({"subject": "%1", "senderName": "%1 sender",
                "body": "%1 body", "attachments": [{"longName": "%1.txt", "data": "x"}]})x").arg(text).toUtf8() << codePage
                << QStringList{"subject=" + text, "sender=" + text + " sender", "attachments=" + text + ".txt",
                               "body=" + kPage.arg(text + " body")};
    }

    void mailFields()
    {
        QFETCH(QByteArray, json);
        QFETCH(int, codePage);
        QFETCH(QStringList, fields);
        PstMessage message = WrittenPst::message(json);
        message.codePage = codePage;
        const auto mail = writeMail(message);
        QVERIFY(mail);
        for (const QString& field : fields)
            QCOMPARE(field.section('=', 0, 0) + '=' + mailField(*mail, field.section('=', 0, 0)), field);
    }

    void bodiesAreReadWhenShownAndCached()
    {
        PstMessage message = WrittenPst::message(R"x({"subject": "Big", "body": "plain version"})x");
        message.htmlBody = "<html><body><p>Gr\xC3\xBC\xC3\x9F" "e</p>" + QByteArray(20000, 'y') + "</body></html>";
        const auto item = writeMail(message);
        QVERIFY(item);
        for (const QVariant& value : item->properties())
            QVERIFY(value.toString().size() < 1000);
        QCOMPARE(item->body(), QString::fromUtf8(message.htmlBody));
        m_root->setPstFile(nullptr); // a second call answers from the cache
        QCOMPARE(item->body(), QString::fromUtf8(message.htmlBody));
    }

    void inlineImagesBecomeDataUrls_data()
    {
        QTest::addColumn<int>("repeats");
        QTest::addColumn<int>("pictureSize");
        QTest::addColumn<bool>("inlined");
        QTest::newRow("a picture twice") << 2 << 3000 << true;
        // A mail may repeat one small picture thousands of times (a separator, a bullet).
        QTest::newRow("a small picture 5000 times") << 5000 << 40 << true;
        // Sixty links to 1 MB would make a page of 80 million characters.
        QTest::newRow("a large picture 60 times") << 60 << 1024 * 1024 << false;
    }

    void inlineImagesBecomeDataUrls()
    {
        QFETCH(int, repeats);
        QFETCH(int, pictureSize);
        QFETCH(bool, inlined);
        const QByteArray picture = WrittenPst::randomBytes(pictureSize, quint32(repeats));
        const QByteArray small = WrittenPst::randomBytes(64, 9);
        QByteArray html = "<html><body>";
        for (int i = 0; i < repeats; ++i)
            html += "<img src=\"cid:pic\"><img width=1 src=\"cid:none" + QByteArray::number(i % 50) + "\">";
        html += "<img src=\"cid:doc\"><img src=\"cid:small\"></body></html>";
        PstMessage message = WrittenPst::message(R"x({"subject": "Inline"})x");
        message.htmlBody = html;
        message.attachments = {attachment("report.pdf", WrittenPst::randomBytes(500, 2), "doc"), attachment("Pic.PNG", picture, "pic"),
                               attachment("small.gif", small, "small")};
        const auto item = writeMail(message);
        QVERIFY(item);
        const QString body = item->body();
        const QString dataUrl = QStringLiteral("src=\"data:image/png;base64,%1\"").arg(QString::fromLatin1(picture.toBase64()));
        QCOMPARE(body.count(dataUrl), inlined ? repeats : 0);
        QCOMPARE(body.count("<img src=\"cid:pic\">"), inlined ? 0 : repeats);
        QCOMPARE(body.count("src=\"cid:none"), repeats);
        QVERIFY(body.contains("<img src=\"cid:doc\">"));
        QVERIFY(body.contains(QStringLiteral("src=\"data:image/gif;base64,%1\"").arg(QString::fromLatin1(small.toBase64()))));
    }

    void attachmentsSaveTheStoredBytes()
    {
        // Small contents lie in the attachment's own record, large ones in
        // blocks of their own; libpst lists a mail's attachments last first.
        const QByteArray small1 = WrittenPst::randomBytes(100, 3), small2 = WrittenPst::randomBytes(120, 4), large = WrittenPst::randomBytes(300000, 5);
        PstAttachment nameless, shortOnly = attachment(QString(), small2);
        shortOnly.shortName = QStringLiteral("SHORT~1.TXT");
        PstMessage message = WrittenPst::message(R"x({"subject": "Files"})x");
        message.attachments = {nameless, attachment("a.bin", small1), nameless, shortOnly, nameless, attachment("c.bin", large)};
        const auto item = writeMail(message);
        QVERIFY(item);
        QCOMPARE(mailField(*item, "attachments"), QStringLiteral("c.bin,SHORT~1.TXT,a.bin"));
        QVERIFY(item->hasAttachment());
        const QList<QByteArray> expected{large, small2, small1};
        for (int i = 0; i < expected.size(); ++i) {
            const auto stored = item->attachments().at(i);
            const QString target = m_scratch.filePath("saved-" + stored->name);
            QVERIFY(item->saveAttachment(stored, target));
            QFile saved(target);
            QVERIFY(saved.open(QIODevice::ReadOnly));
            QVERIFY2(saved.readAll() == expected[i], qPrintable(stored->name + " differs"));
            QVERIFY(stored->data.isEmpty()); // saving keeps no contents in memory
        }
        QCOMPARE(logLines().filter("Attachment").count("INFO Attachment saved successfully."), 3);

        // A folder no one can create files in, root included: one below a file.
        QVERIFY(QFile(m_scratch.filePath("plain-file")).open(QIODevice::WriteOnly));
        const QString target = m_scratch.filePath("plain-file/c.bin");
        QVERIFY(!item->saveAttachment(item->attachments().first(), target));
        QCOMPARE(logLines().filter("Attachment").last(), QStringLiteral("WARN Attachment save failed."));
        QVERIFY(!QFile::exists(target));
    }

    void cloneSharesAttachmentsAndRereadsTheBody()
    {
        PstMessage message = WrittenPst::message(R"x({"subject": "Cloned", "body": "text"})x");
        message.attachments = {attachment("a.txt", "a")};
        const auto item = writeMail(message);
        QVERIFY(item && item->pstLock());
        const auto rootClone = std::static_pointer_cast<PstFolderItem>(m_root->clone());
        const auto copy = std::dynamic_pointer_cast<PstMailItem>(WrittenPst::allItems(*rootClone).value(0));
        QVERIFY(copy);
        QCOMPARE(copy->attachments().first().get(), item->attachments().first().get());
        QCOMPARE(copy->properties(), item->properties());
        m_root.reset();
        QCOMPARE(copy->body(), kPage.arg("text"));
    }

    // Checked by Python's email package, an independent reader.
    void attachedMailOpensAndSavesAsEml()
    {
        const auto outer = writeMail(WrittenPst::message(R"x({"subject": "Fwd: figures", "body": "See attached.",
            "attachments": [{"message": {"subject": "Quarterly figures", "body": "The inner body.", "senderName": "Grace",
            "senderAddress": "grace@example.org", "attachments": [{"longName": "note.txt", "data": "inner"}]}}]})x"));
        QVERIFY(outer);
        QCOMPARE(outer->attachments().size(), 1);
        QVERIFY(outer->attachments().first()->embedded);
        const auto attached = AttachedMail::open(outer, *outer->attachments().first());
        QVERIFY(attached);
        QCOMPARE(attached->senderAddr(), QStringLiteral("grace@example.org"));
        QVERIFY(attached->body().contains("The inner body."));
        QCOMPARE(attached->rootNode(), m_root);
        const QString eml = m_scratch.filePath(AttachedMail::fileName(*attached));
        QVERIFY(AttachedMail::saveAsEml(attached, eml));
        QProcess python;
        python.start("python3", {"-c", "import email, email.policy, sys\n"
            "m = email.message_from_binary_file(open(sys.argv[1], 'rb'), policy=email.policy.default)\n"
            "print(m['subject'])\nprint(m.get_body(('plain',)).get_content().strip())\n"
            "print(','.join(p.get_filename() for p in m.iter_attachments()))\n", eml});
        QVERIFY(python.waitForFinished(30000));
        QCOMPARE(python.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(python.readAllStandardOutput()), QStringLiteral("Quarterly figures\nThe inner body.\nnote.txt\n"));
    }

    // Shown as their kind or counted with their class. The contact carries an
    // entry of id 0 and type 0, which libpst ignores: not damage.
    void everyClassIsShownOrCounted()
    {
        QList<PstMessage> messages;
        for (const char* json : {R"x({"messageClass": "IPM.Note.SMIME", "subject": "signed"})x",
                                 R"x({"messageClass": "IPM.Schedule.Meeting.Request", "subject": "meeting"})x",
                                 R"x({"messageClass": "REPORT.IPM.Note.NDR", "subject": "bounce"})x",
                                 R"x({"messageClass": "IPM.Post", "subject": "post"})x",
                                 R"x({"kind": "task", "messageClass": "IPM.TaskRequest", "subject": "request"})x",
                                 R"x({"kind": "contact", "contact": {"first_name": "Ada", "surname": "Byron"}})x",
                                 R"x({"messageClass": "IPM.Notes", "subject": "unknown one"})x",
                                 R"x({"messageClass": "IPM.Sharing.Invite.Custom", "subject": "sharing"})x",
                                 R"x({"messageClass": "Private.Thing", "subject": "unknown two"})x"})
            messages << WrittenPst::message(json);
        messages[5].rawEntries = {{0x0000, 0x0000}, {0x6FF0, 0x0000}};
        QVERIFY(write(WrittenPst::oneFolder(messages)));
        QStringList shown;
        for (const auto& item : WrittenPst::allItems(*m_root))
            shown << WrittenPst::describe(*item).first().section('|', 0, 0) + ':' + (item->type() == Mail ? item->subject() : item->displayName());
        QCOMPARE(shown, (QStringList{"mail:signed", "mail:meeting", "mail:bounce", "mail:post", "task:request",
                                     "contact:Ada Byron", "mail:sharing"}));
        QStringList unshown;
        for (const ParseLosses::Item& item : m_root->losses()->unshown)
            unshown << item.messageClass + " in " + (item.folder.lock() ? item.folder.lock()->displayName() : "?");
        QCOMPARE(unshown, (QStringList{"IPM.Notes in Items", "Private.Thing in Items"}));
        QCOMPARE(m_root->losses()->damaged.size(), 0);
    }

    // Names stored as 8-bit Shift-JIS, as an ANSI file of a Japanese Outlook
    // keeps them; the messages declare 932, one stray message 1251.
    void folderNamesUseTheCodePageTheMessagesDeclare()
    {
        PstFolder top;
        top.name = QStringLiteral("Outlook データ ファイルのトップ");
        top.nameCodePage = 932;
        for (const char* json : {R"x({"subject": "一", "codePage": 932})x", R"x({"subject": "Привет", "codePage": 1251})x",
                                 R"x({"subject": "二", "codePage": 932, "senderName": "差出人"})x"})
            top.messages << WrittenPst::message(json);
        PstFolder inbox;
        inbox.name = QStringLiteral("受信トレイ");
        inbox.nameCodePage = 932;
        top.folders = {inbox};
        PstDescription description;
        description.folders = {top};
        QVERIFY(write(description));
        QVERIFY(WrittenPst::folderNamed(*m_root, top.name));
        QVERIFY(WrittenPst::folderNamed(*m_root, inbox.name));
    }
};

QTEST_GUILESS_MAIN(TestPstItems)
#include "tst_PstItems.moc"
