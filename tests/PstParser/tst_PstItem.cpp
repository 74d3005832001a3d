// SPDX-License-Identifier: GPL-2.0-or-later
// The item classes' own rules, without a file: how values become the texts
// the window shows, and how the item tree links, copies and lets go.
#include "Common.h"
#include "FolderNameDecoder.h"
#include "MessageClass.h"
#include "PstCalendarItem.h"
#include "PstContactItem.h"
#include "PstDataConverter.h"
#include "PstFolderItem.h"
#include "PstJournalItem.h"
#include "PstMailItem.h"
#include "PstNoteItem.h"
#include "PstTaskItem.h"
#include "WrittenPst.h"

#include <QFile>
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

} // namespace

class TestPstItem : public QObject
{
    Q_OBJECT
private slots:
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
        rows("folder icon", {{"IPF.Appointment", ":/img/calendar@3x.png"}, {"IPF.Contact", ":/img/contact@3x.png"},
                             {"IPF.Journal", ":/img/diary@3x.png"}, {"IPF.StickyNote", ":/img/notepaper@3x.png"},
                             {"IPF.Task", ":/img/task@3x.png"}, {"IPF.Note", ":/img/folder@3x.png"},
                             {"ipf.task", ":/img/folder@3x.png"}});
        rows("mime type", {{"a.png", "image/png"}, {"photo.JPEG", "image/jpeg"}, {"x.y.jpg", "image/jpeg"},
                           {"g.gif", "image/gif"}, {"b.Bmp", "image/bmp"}, {"v.svg", "image/svg+xml"},
                           {"doc.pdf", "application/octet-stream"}, {"README", "application/octet-stream"},
                           {"png", "image/png"}});
        rows("task status", {{"-1", ""}, {"0", "not started"}, {"1", "in progress"}, {"2", "complete"},
                             {"3", "waiting on someone else"}, {"4", "deferred"}, {"7", ""}});
        rows("work time", {{"2400", "1 week"}, {"4800", "2 weeks"}, {"7200", "3 weeks"}, {"480", "1 day"},
                           {"1440", "3 days"}, {"60", "1 hour"}, {"600", "10 hours"}, {"0", "0 hours"},
                           {"-120", "-2 hours"}, {"-480", "-8 hours"}, {"90", ""}, {"150", ""}});
        // Truncated; values no int can hold come from damaged files.
        rows("progress", {{"0.29", "28"}, {"0.5", "50"}, {"1.0", "100"}, {"0.999", "99"}, {"1.5", "150"},
                          {"-0.255", "-25"}, {"nan", "0"}, {"1e300", QString::number(std::numeric_limits<int>::max())},
                          {"-inf", QString::number(std::numeric_limits<int>::min())}});
        rows("journal duration", {{"0", "0 m"}, {"45", "45 m"}, {"61", "1 h 1 m"}, {"90", "1 h 30 m"}, {"1440", "1 d"},
                                  {"1500", "1 d 1 h"}, {"2880", "2 d"}, {"1441", "1 d 1 m"}});
        rows("appointment duration", {{"0 5400", "1h 30m"}, {"0 2700", "45m"}, {"0 0", "0m"}, {"-36000 136800", "2d 0h 0m"},
                                      {"0 90000", "1d 1h 0m"}, {"5400 0", "1h 30m"}, {"0 59", "0m"}});
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
        QCOMPARE(PstNoteItem().createDate(), QString());
    }

    void recordsGiveItemsOfTheirKindOnly()
    {
        PstFolderItem unset;
        QCOMPARE(unset.displayName(), QStringLiteral("未初始化"));
        QVERIFY(unset.sections().isEmpty());
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

    void treeLinksAndLetsGo()
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
        auto inbox = folder("Inbox", 1);
        auto sub = folder("Sub", 2);
        root->addChildNode(inbox);
        inbox->addChildNode(sub);
        QCOMPARE(inbox->itemCountStr(), QString());
        inbox->addItem(folder("a", 2));
        inbox->addItem(folder("b", 2));
        QCOMPARE(inbox->itemCountStr(), QStringLiteral(" (2 items)"));
        QCOMPARE(inbox->items().at(0)->row(), 0);
        QCOMPARE(inbox->items().at(1)->parent(), inbox);
        QCOMPARE(sub->rootNode(), root);
        QCOMPARE(sub->pstFile(), file);
        invisible->removeChildNode(0);
        QCOMPARE(second->row(), 0);
        root.reset();
        inbox.reset();
        QCOMPARE(sub->rootNode(), nullptr);
        QCOMPARE(sub->pstFile(), nullptr);
        QCOMPARE(sub->pstLock(), nullptr);
    }

    void cloneIsDeepAndKeepsTheLock()
    {
        auto root = folder("doc.pst", 0);
        root->setPstLock(std::make_shared<QRecursiveMutex>());
        auto inbox = folder("Inbox", 1);
        inbox->setFolderType("IPF.Note");
        inbox->insertProperty("subject", "kept");
        root->addChildNode(inbox);
        inbox->addChildNode(folder("Deep", 2));
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

        auto copy = std::static_pointer_cast<PstFolderItem>(root->clone());
        auto copiedInbox = std::static_pointer_cast<PstFolderItem>(copy->child(0));
        QVERIFY(copiedInbox != inbox);
        QCOMPARE(copy->parent(), nullptr);
        QCOMPARE(copiedInbox->parent(), copy);
        QCOMPARE(copiedInbox->folderType(), QStringLiteral("IPF.Note"));
        QCOMPARE(copiedInbox->subject(), QStringLiteral("kept"));
        QCOMPARE(copiedInbox->child(0)->displayName(), QStringLiteral("Deep"));
        QCOMPARE(copiedInbox->items().first()->parent(), copiedInbox);
        QCOMPARE(copiedInbox->pstLock(), root->pstLock());
        const auto taskCopy = std::static_pointer_cast<PstTaskItem>(copiedInbox->items().first());
        QCOMPARE(WrittenPst::describe(*taskCopy), WrittenPst::describe(*task));
        QVERIFY(taskCopy->taskCompleted());
        QCOMPARE(copiedInbox->items().at(1)->duration(), QStringLiteral("1 d 1 h"));
        root.reset();
        inbox.reset();
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
};

QTEST_GUILESS_MAIN(TestPstItem)
#include "tst_PstItem.moc"
