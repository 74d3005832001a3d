// SPDX-License-Identifier: GPL-2.0-or-later
// lumaroo-cli convert as a user runs it, and what every format holds: one PST
// made by the test writer with every kind of item, converted in all formats
// and read back with independent parsers (Python's email, mailbox,
// icalendar, vobject); arguments, inputs it refuses, summary and exit status.

#include "CliRunner.h"
#include "ExportFixture.h"
#include "MailboxStream.h"
#include "TestData.h"
#include "TestHome.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

using namespace ExportFixture;

namespace {

const QDateTime kStart(QDate(2024, 2, 1), QTime(10, 0), Qt::UTC);
const QString kUnicodeSubject = QString::fromUtf8("Grüße aus Köln ✓ 日本");
const QByteArray kRtf = "{\\rtf1\\ansi\\deff0 {\\fonttbl {\\f0 Arial;}} Hello \\b RTF\\b0 body.}";
const QString kTop = QStringLiteral("Top of Personal Folders/");

QByteArray binaryData(int size)
{
    QByteArray data(size, '\0');
    for (int i = 0; i < size; ++i)
        data[i] = char((i * 7 + i / 13) & 0xFF);
    return data;
}

PstAttachment attachment(const QString& name, const QByteArray& data, const QString& mimeType = QString())
{
    PstAttachment a;
    a.longName = name;
    a.data = data;
    a.mimeType = mimeType;
    return a;
}

PstAttachment attached(const PstMessage& message)
{
    PstAttachment a;
    a.longName = message.subject;
    a.embedded = std::make_shared<PstMessage>(message);
    return a;
}

PstMessage timed(PstMessage m, const QString& location = QString())
{
    m.start = kStart;
    m.end = kStart.addSecs(5400);
    m.location = location;
    return m;
}

PstDescription everyKind()
{
    PstMessage greeting = mail(kUnicodeSubject, QString::fromUtf8("Hallo äöü,\nzweite Zeile.\n"));
    greeting.htmlBody = "<html><body><p>Hallo &auml;</p></body></html>";
    greeting.attachments = {attachment(QString::fromUtf8("résumé données.bin"), binaryData(5000), "application/octet-stream"),
                            attachment(QString::fromUtf8("日本語メモ.txt"), QString::fromUtf8("テキスト\n").toUtf8(), "text/plain")};
    PstMessage rich = mail("Rich text", "Plain twin of the RTF.");
    rich.rtfBody = kRtf;
    PstMessage inner = mail("Inner", "Deepest body.");
    inner.attachments = {attachment("deep.bin", binaryData(700))};
    PstMessage middle = mail("Middle", "Middle body.");
    middle.attachments = {attached(inner)};
    PstMessage outer = mail("Outer", "Outer body.");
    outer.attachments = {attached(middle)};
    // The folder tree lists mails of class IPM.Note only; a meeting request
    // reaches a file as an attached mail.
    PstMessage request = timed(mail("Planning", "Let us plan."), "Room 1");
    request.messageClass = "IPM.Schedule.Meeting.Request";
    PstMessage forward = mail("Invitation", "See the request.");
    forward.attachments = {attached(request)};
    PstMessage quoted = mail("Quoted lines", "Hello\nFrom here on\n>From there\nbye\n");
    quoted.read = false;
    PstMessage flagged = mail("Flagged reply", "See attached.");
    flagged.flagStatus = 2;
    flagged.lastVerb = 102;
    flagged.deliveryTime = QDateTime(QDate(2023, 5, 6), QTime(7, 8, 9), Qt::UTC);
    flagged.attachments = {attachment("agenda.bin", binaryData(70000), "application/octet-stream")};

    PstMessage contact = message(PstMessage::Kind::Contact, "Ann Example");
    contact.contact = {{"fullname", "Ann Example"}, {"first_name", "Ann"}, {"surname", "Example"},
                       {"address1", "ann@example.org"}, {"business_phone", "+1 555 0100"}};
    PstMessage series = timed(message(PstMessage::Kind::Appointment, "Weekly sync"), "Room 1");
    series.recurrence.kind = PstRecurrence::Weekly;
    series.recurrence.weekDays = 1 << 4; // Thursday, as 2024-02-01
    series.recurrence.count = 10;
    series.recurrence.deletedDates = {QDate(2024, 2, 8)};
    const QDateTime moved(QDate(2024, 2, 16), QTime(14, 0), Qt::UTC);
    series.recurrence.changes = {{QDate(2024, 2, 15), moved, moved.addSecs(5400), "Moved sync \u20ac\u03a9", "Room 2"}};
    series.attachments = {attachment("agenda; v2.pdf", "%PDF-1.4\n" + binaryData(5000), "application/pdf"),
                          attached(mail("Minutes of last week", "All agreed."))};
    PstMessage journal = timed(message(PstMessage::Kind::Journal, "Call with Bob"));
    journal.journalType = "Phone call";
    PstMessage note = message(PstMessage::Kind::StickyNote, "Shopping");
    note.body = "Milk\nBread";
    PstMessage task = message(PstMessage::Kind::Task, "Plan");
    task.taskStatus = 1;
    task.percentComplete = 0.25;
    task.taskDue = QDateTime(QDate(2024, 3, 8), QTime(0, 0), Qt::UTC);
    task.importance = 2;
    task.body = "Write it down.";
    return description({
        folder("Inbox", "IPF.Note", {greeting, rich, outer, forward, quoted, flagged},
               {folder("Sub.Folder", "IPF.Note", {mail("Nested", "Deep down.")})}),
        folder("Contacts", "IPF.Contact", {contact}),
        folder("Calendar", "IPF.Appointment", {timed(message(PstMessage::Kind::Appointment, "Review"), "Room 2"), series}),
        folder("Journal", "IPF.Journal", {journal}),
        folder("Notes", "IPF.StickyNote", {note}),
        folder("Tasks", "IPF.Task", {task}),
        folder("Empty", "IPF.Note", {}),
    });
}

// Bytes through a MailboxStream in mbox mode, written in pieces of `chunk`.
QByteArray throughMboxStream(const QByteArray& message, int chunk, QByteArray* firstLine)
{
    char* buffer = nullptr;
    size_t size = 0;
    FILE* target = open_memstream(&buffer, &size);
    {
        MailboxStream stream(target, true, [firstLine](const QByteArray& line) { *firstLine = line; });
        setvbuf(stream.stream(), nullptr, _IONBF, 0);
        for (qsizetype at = 0; at < message.size(); at += chunk)
            fwrite(message.constData() + at, 1, size_t(qMin<qsizetype>(chunk, message.size() - at)), stream.stream());
        stream.finish();
    }
    fclose(target);
    const QByteArray out(buffer, qsizetype(size));
    free(buffer);
    return out;
}

} // namespace

class TestConvertCommand : public QObject
{
    Q_OBJECT
    TestHome m_home;
    QTemporaryDir m_dir;
    QString m_pst; // three mails, a contact, an empty folder
    CliRunner::Result m_run;
    QMap<QString, QJsonObject> m_read; // everyKind() converted in every format, as check_export.py reads it

    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        PstMessage ann = message(PstMessage::Kind::Contact, "Ann");
        ann.contact.insert("fullname", "Ann Example");
        m_pst = path("small.pst");
        QVERIFY(writeAndOpen(description({folder("Inbox", "IPF.Note", {mail("One"), mail("Two"), mail("Three")}),
                                          folder("People", "IPF.Contact", {ann}), folder("Empty", "IPF.Note", {})}),
                             m_pst));
        QVERIFY(writeAndOpen(everyKind(), path("every.pst")));
        const QString out = path("every");
        m_run = CliRunner::run({"convert", path("every.pst"), out, "--formats", "eml,vcf,ics,txt,ics2,tasks,mbox,maildir"});
        m_read = {{"tree", check({"tree", out})}, {"mailboxes", check({"mailboxes", out})},
                  {"calendar", check({"calendar", out + "/" + kTop + "Calendar"})}};
        for (const QJsonObject& read : m_read)
            QVERIFY2(!read.contains("error"), qPrintable(read.value("error").toString()));
    }

    void everyItemGivesOneAcceptedFileAndASummaryLine()
    {
        QVERIFY2(m_run.status == 0, m_run.out + m_run.err);
        for (const char* line : {"Emails: 7/7\n", "Emails (eml): 7 written, 0 failed\n", "Contacts (vcf): 1 written, 0 failed\n",
                                 "Appointment (ics): 2 written, 0 failed\n", "Note (txt): 1 written, 0 failed\n",
                                 "Journal (ics2): 1 written, 0 failed\n", "Tasks (tasks): 1 written, 0 failed\n",
                                 "Mailbox (mbox): 7 written, 0 failed\n", "Maildir (maildir): 7 written, 0 failed\n"})
            QVERIFY2(m_run.out.contains(line), (line + QByteArray(" missing in\n") + m_run.out).constData());
        QVERIFY(!m_run.out.contains("\033["));
        QCOMPARE(m_read["tree"].value("errors").toObject(), QJsonObject());
        QCOMPARE(m_read["tree"].value("files").toObject().size(), 13);
        QVERIFY(!directoriesUnder(path("every")).join('\n').contains("Empty"));
    }

    void filesReadBackWithTheirContent_data()
    {
        QTest::addColumn<QString>("reader");
        QTest::addColumn<QString>("line"); // a line the reader prints starts with it; "!" first: none does
        const auto row = [](const char* reader, const QString& line) {
            QTest::addRow("%s %s", reader, qPrintable(line.left(60))) << reader << line;
        };
        const QString inbox = kTop + "Inbox/";
        const QString greeting = inbox + kUnicodeSubject + ".eml | ";
        row("tree", greeting + "subject: " + kUnicodeSubject);
        row("tree", greeting + "from: Ann Sender <ann@example.org>");
        row("tree", greeting + "defects: 0");
        row("tree", greeting + QString::fromUtf8("text/plain: Hallo äöü,\nzweite Zeile.\n"));
        row("tree", greeting + "text/html: <html><body><p>Hallo");
        row("tree", greeting + QString::fromUtf8("résumé données.bin: ") + sha1(binaryData(5000)));
        row("tree", greeting + QString::fromUtf8("日本語メモ.txt: ") + sha1(QString::fromUtf8("テキスト\n").toUtf8()));
        row("tree", inbox + "Rich text.eml | rtf-body.rtf: " + sha1(kRtf));
        row("tree", inbox + "Outer.eml | > subject: Middle");
        row("tree", inbox + "Outer.eml | > > subject: Inner");
        row("tree", inbox + "Outer.eml | > > deep.bin: " + sha1(binaryData(700)));
        // The request's calendar, read by icalendar too.
        row("tree", inbox + "Invitation.eml | > subject: Planning");
        row("tree", inbox + "Invitation.eml | > text/calendar: METHOD:REQUEST");
        row("tree", inbox + "Invitation.eml | > text/calendar: LOCATION:Room 1");
        row("tree", kTop + "Contacts/Ann Example.vcf | FN: Ann Example");
        row("tree", kTop + "Contacts/Ann Example.vcf | EMAIL: ann@example.org");
        row("tree", kTop + "Contacts/Ann Example.vcf | TEL: +1 555 0100");
        row("tree", kTop + "Calendar/Review.ics | SUMMARY: Review");
        row("tree", kTop + "Calendar/Review.ics | LOCATION: Room 2");
        row("tree", kTop + "Calendar/Review.ics | DTSTART: 2024-02-01T10:00:00+00:00");
        row("tree", kTop + "Calendar/Review.ics | DTEND: 2024-02-01T11:30:00+00:00");
        row("tree", "!" + kTop + "Calendar/Review.ics | ORGANIZER");
        row("tree", kTop + "Journal/Call with Bob.ics | SUMMARY: Call with Bob");
        const auto local = [](const QDateTime& t) { return QLocale::system().toString(t.toLocalTime(), "MMM dd, yyyy 'at' hh:mm AP"); };
        const PstMessage note = message(PstMessage::Kind::StickyNote, "Shopping");
        row("tree", kTop + "Notes/Shopping.txt | lines: " + local(note.creationTime) + "|" + local(note.modificationTime) + "|Shopping|Milk|Bread");
        for (const char* property : {"SUMMARY: Plan", "STATUS: IN-PROCESS", "PERCENT-COMPLETE: 25", "PRIORITY: 1",
                                     "DESCRIPTION: Write it down.", "DUE: 2024-03-08"})
            row("tree", kTop + "Tasks/Plan.ics | " + property);
        for (const QString& box : QStringList{inbox + "Inbox.mbox", "maildir Top of Personal Folders.Inbox"}) {
            row("mailboxes", box + " | Quoted lines | body: Hello\nFrom here on\n>From there\nbye\n");
            row("mailboxes", box + " | Flagged reply | attachment agenda.bin: " + sha1(binaryData(70000)));
        }
        row("mailboxes", inbox + "Inbox.mbox: 6 messages, 6 .eml files");
        row("mailboxes", inbox + "Sub.Folder/Sub.Folder.mbox: 1 messages, 1 .eml files");
        for (const QString& subject : {QStringLiteral("Rich text"), QStringLiteral("Quoted lines"), QStringLiteral("Nested")})
            row("mailboxes", (subject == "Nested" ? inbox + "Sub.Folder/Sub.Folder.mbox | " : inbox + "Inbox.mbox | ") + subject
                                 + " | eml: True, sender: ann@example.org");
        row("mailboxes", "maildir : 0 messages");
        row("mailboxes", "maildir Top of Personal Folders.Inbox: 6 messages");
        row("mailboxes", "maildir Top of Personal Folders.Inbox.Sub_Folder: 1 messages");
        row("mailboxes", "maildir Top of Personal Folders.Inbox | Flagged reply | flags: FRS cur "
                             + QString::number(QDateTime(QDate(2023, 5, 6), QTime(7, 8, 9), Qt::UTC).toSecsSinceEpoch()));
        row("mailboxes", "maildir Top of Personal Folders.Inbox | Quoted lines | flags:  cur");
        row("mailboxes", "maildir Top of Personal Folders.Inbox | Rich text | flags: S cur");
        row("mailboxes", "maildir Top of Personal Folders.Inbox.Sub_Folder | Nested | flags: S cur");
        row("calendar", "Weekly sync.ics: 2 events");
        row("calendar", "Weekly sync.ics | Weekly sync | exdate: 20240208T100000Z");
        row("calendar", "Weekly sync.ics | Weekly sync | attachment agenda; v2.pdf: application/pdf " + sha1("%PDF-1.4\n" + binaryData(5000)));
        row("calendar", "Weekly sync.ics | Weekly sync | attachment Minutes of last week.eml: message/rfc822 Minutes of last week");
        const QString moved = QString::fromUtf8("Weekly sync.ics | Moved sync €Ω @ 20240215T100000Z | ");
        for (const char* line : {"start: 20240216T140000Z", "end: 20240216T153000Z", "location: Room 2", "same uid as the series"})
            row("calendar", moved + line);
    }

    void filesReadBackWithTheirContent()
    {
        QFETCH(QString, reader);
        QFETCH(QString, line);
        const QStringList lines = m_read[reader].value("lines").toVariant().toStringList();
        QVERIFY2(unmatched(m_read[reader], {line}).isEmpty(),
                 qPrintable("read:\n" + lines.filter(line.mid(line.startsWith('!')).section(" | ", 0, 0)).join('\n')));
    }

    void mboxQuotingSurvivesAnySplit_data()
    {
        QTest::addColumn<int>("chunk");
        for (int chunk : {1, 2, 3, 4, 5, 6, 7, 11, 13, 4096})
            QTest::addRow("%d", chunk) << chunk;
    }

    void mboxQuotingSurvivesAnySplit()
    {
        QFETCH(int, chunk);
        const QByteArray message = "From \"a@b\" Thu Jan 1 00:00:00 1970\nSubject: x\n\nFrom here\n>From there\n"
                                   ">>>>From deep\n>>>\n>>>Fro\n\nFro\nFrom\nFromage\n From x\nFrom ";
        QByteArray firstLine;
        QCOMPARE(throughMboxStream(message, chunk, &firstLine),
                 QByteArray("Subject: x\n\n>From here\n>>From there\n>>>>>From deep\n>>>\n>>>Fro\n\nFro\nFrom\nFromage\n"
                            " From x\n>From "));
        QCOMPARE(firstLine, QByteArray("From \"a@b\" Thu Jan 1 00:00:00 1970"));
    }

    void runsSayWhatTheyDid_data()
    {
        QTest::addColumn<QStringList>("args"); // after "convert FILE OUT"
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("said"); // lines of the standard output
        QTest::addColumn<QStringList>("files");
        QTest::newRow("contacts only, empty folders kept")
            << QStringList{"--formats", "vcf", "--keep-empty-folders"} << 0 << QStringList{"Contacts (vcf): 1 written, 0 failed\n"}
            << QStringList{"Empty/", "Inbox/", "People/Ann.vcf"};
        QTest::newRow("nothing of the kind") << QStringList{"--formats=txt"} << 0 << QStringList{"Nothing to convert"} << QStringList{};
        // Folders of no contact leave no directory behind, as for any format.
        QTest::newRow("contacts only, empty folders pruned")
            << QStringList{"--formats", "vcf"} << 0 << QStringList{"Contacts (vcf): 1 written, 0 failed\n"}
            << QStringList{"People/Ann.vcf"};
        QTest::newRow("mails only, empty folders pruned")
            << QStringList{"--formats", "eml", "--jobs", "3"} << 0 << QStringList{"Emails (eml): 3 written, 0 failed\n"}
            << QStringList{"Inbox/One.eml", "Inbox/Three.eml", "Inbox/Two.eml"};
        // A file where the Inbox folder should go: none of its mails can be written.
        for (const QString& jobs : {"1", "3"}) {
            QTest::addRow("blocked folder, %s processes", qPrintable(jobs))
                << QStringList{"BLOCK", "--jobs", jobs} << 1
                << QStringList{"Emails (eml): 0 written, 3 failed\n", "Contacts (vcf): 1 written, 0 failed\n"}
                << QStringList{"Inbox", "People/Ann.vcf"};
            QTest::addRow("every kind, %s processes", qPrintable(jobs))
                << QStringList{"--jobs", jobs} << 0
                << QStringList{"Emails: 3/3\n", "Emails (eml): 3 written, 0 failed\n", "Contacts: 1/1\n"}
                << QStringList{"Inbox/One.eml", "Inbox/Three.eml", "Inbox/Two.eml", "People/Ann.vcf"};
            // Only the folders named, in one process or shared out.
            QTest::addRow("one folder, %s processes", qPrintable(jobs))
                << QStringList{"--jobs", jobs, "--folder", kTop + "People"} << 0
                << QStringList{"Emails (eml): 0 written, 0 failed\n", "Contacts (vcf): 1 written, 0 failed\n"}
                << QStringList{"People/Ann.vcf"};
            QTest::addRow("two folders, %s processes", qPrintable(jobs))
                << QStringList{"--jobs", jobs, "--folder", kTop + "People", "--folder", "/" + kTop + "Inbox/"} << 0
                << QStringList{"Emails (eml): 3 written, 0 failed\n", "Contacts (vcf): 1 written, 0 failed\n"}
                << QStringList{"Inbox/One.eml", "Inbox/Three.eml", "Inbox/Two.eml", "People/Ann.vcf"};
            QTest::addRow("a folder and all below it, %s processes", qPrintable(jobs))
                << QStringList{"--jobs", jobs, "--folder", kTop.chopped(1)} << 0 << QStringList{"Emails (eml): 3 written, 0 failed\n"}
                << QStringList{"Inbox/One.eml", "Inbox/Three.eml", "Inbox/Two.eml", "People/Ann.vcf"};
            QTest::addRow("empty folders kept, %s processes", qPrintable(jobs))
                << QStringList{"--jobs", jobs, "--keep-empty-folders"} << 0 << QStringList{"Emails (eml): 3 written, 0 failed\n"}
                << QStringList{"Empty/", "Inbox/One.eml", "Inbox/Three.eml", "Inbox/Two.eml", "People/Ann.vcf"};
        }
    }

    void runsSayWhatTheyDid()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QStringList, said);
        const QString out = path(QTest::currentDataTag());
        if (args.removeAll("BLOCK"))
            QVERIFY(QDir().mkpath(out + "/" + kTop) && QFile(out + "/" + kTop + "Inbox").open(QIODevice::WriteOnly));
        const CliRunner::Result r = CliRunner::run(QStringList{"convert", m_pst, out} + args);
        QVERIFY2(r.status == status, r.out + r.err);
        for (const QString& line : said)
            QVERIFY2(r.out.contains(line.toUtf8()), r.out.constData());
        QStringList found = filesUnder(out);
        for (const QString& dir : directoriesUnder(out)) {
            if (QDir(out + "/" + dir).isEmpty())
                found.append(dir + "/");
        }
        found.replaceInStrings(kTop, QString());
        found.sort();
        QTEST(found, "files");
    }

    // Outlook's own bookkeeping counts as internal, no loss, only in its
    // internal folders; a message of a class no kind stands for elsewhere is
    // a loss, and convert says so in its exit status.
    void bookkeepingIsInternalOnlyInInternalFolders_data()
    {
        QTest::addColumn<QString>("containerClass");
        QTest::addColumn<QString>("messageClass");
        QTest::addColumn<QStringList>("internal"); // folder | class
        QTest::addColumn<QStringList>("unshown");
        QTest::addColumn<int>("status");
        const QString freeBusy = "IPM.Microsoft.ScheduleData.FreeBusy";
        const QString folder = kTop + "Kept";
        QTest::newRow("free/busy in an internal folder")
            << "IPF.Configuration" << freeBusy << QStringList{folder + " | " + freeBusy} << QStringList{} << 0;
        QTest::newRow("free/busy in a mail folder") << "IPF.Note" << freeBusy << QStringList{} << QStringList{folder + " | " + freeBusy} << 1;
        QTest::newRow("unknown class in an internal folder")
            << "IPF.Configuration" << "IPM.Lumaroo.Unheard" << QStringList{} << QStringList{folder + " | IPM.Lumaroo.Unheard"} << 1;
    }

    void bookkeepingIsInternalOnlyInInternalFolders()
    {
        QFETCH(QString, containerClass);
        QFETCH(QString, messageClass);
        PstMessage kept = mail("Kept");
        kept.messageClass = messageClass;
        const QString pst = path(QStringLiteral("%1.pst").arg(QTest::currentDataTag()).replace(' ', '-').replace('/', '-'));
        QVERIFY(writeAndOpen(description({folder("Inbox", "IPF.Note", {mail("Hello")}), folder("Kept", containerClass, {kept})}), pst));
        const CliRunner::Result list = CliRunner::run({"list", pst});
        QCOMPARE(list.status, 0);
        const QJsonObject listed = QJsonDocument::fromJson(list.out).object();
        for (const char* kind : {"internal", "unshown"}) {
            QStringList found;
            for (const QJsonValue& each : listed.value(kind).toArray())
                found.append(each.toObject().value("folder").toString() + " | " + each.toObject().value("messageClass").toString());
            QTEST(found, kind);
        }
        const CliRunner::Result convert = CliRunner::run({"convert", pst, path(QStringLiteral("out-%1").arg(QTest::currentDataTag())).replace(' ', '-')});
        QTEST(convert.status, "status");
    }

    void inputsThatAreNoPstFileAreNamed_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QString fifo = path("pipe.pst");
        QVERIFY(QProcess::execute("mkfifo", {fifo}) == 0);
        const QString text = writeFile(path("text.pst"), QByteArray(1024, 'x'));
        const QString out = path("never");
        QTest::newRow("no output folder") << QStringList{m_pst} << 2 << "";
        QTest::newRow("unknown format") << QStringList{m_pst, out, "--formats", "pdf"} << 2 << "";
        QTest::newRow("formats without value") << QStringList{m_pst, out, "--formats"} << 2 << "";
        QTest::newRow("unknown option") << QStringList{m_pst, out, "--colour"} << 2 << "";
        QTest::newRow("no processes") << QStringList{m_pst, out, "--jobs", "0"} << 2 << "--jobs needs a number";
        QTest::newRow("processes without a number") << QStringList{m_pst, out, "--jobs", "many"} << 2 << "--jobs needs a number";
        QTest::newRow("unknown folder") << QStringList{m_pst, out, "--folder", kTop + "Nowhere"} << 2
                                        << m_pst + " has no folder \"" + kTop + "Nowhere\"";
        QTest::newRow("folder without path") << QStringList{m_pst, out, "--folder"} << 2 << "--folder needs a folder path";
        QTest::newRow("missing") << QStringList{path("missing.pst"), out} << 1 << path("missing.pst") + ": There is no file or folder of this name.";
        QTest::newRow("folder") << QStringList{m_dir.path(), out} << 1 << m_dir.path() + ": This is a folder, not a PST file.";
        QTest::newRow("fifo") << QStringList{fifo, out} << 1 << fifo + ": This is a named pipe (FIFO), not a PST file";
        // Unreadable even for root: reading its first byte fails.
        QTest::newRow("unreadable") << QStringList{"/proc/self/mem", out} << 1 << "/proc/self/mem: The file cannot be read: Input/output error.";
        QTest::newRow("not a PST") << QStringList{text, out} << 1 << text + ": This is not a PST file: it does not start with a PST file's signature.";
        QTest::newRow("output below a file") << QStringList{m_pst, m_pst + "/out"} << 1
                                             << "Cannot write to the output folder " + m_pst + "/out: Not a directory.";
    }

    void inputsThatAreNoPstFileAreNamed()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const CliRunner::Result r = CliRunner::run(QStringList{"convert"} + args);
        QTEST(r.status, "status");
        QVERIFY2(QString::fromUtf8(r.err).contains(message), r.err.constData());
        QVERIFY(!QFileInfo::exists(path("never")));
    }

    void distributionListBecomesAnEvolutionList()
    {
        const QString out = path("lists");
        const CliRunner::Result r = CliRunner::run({"convert", TestData::pst("rjohnsondev__java-libpst__dist-list.pst"), out, "--formats", "vcf"});
        // The file also holds Outlook's free/busy record, which is no loss.
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.contains("Contacts (vcf): 2 written, 0 failed\n"), r.out.constData());
        QVERIFY2(!r.out.contains("unknown message classes"), r.out.constData());
        const QJsonObject checked = check({"tree", out});
        QCOMPARE(checked.value("errors").toObject(), QJsonObject());
        const QStringList lines = checked.value("lines").toVariant().toStringList();
        // Evolution's own parser sees one list, whose members all have an address.
        QCOMPARE(lines.filter(" | EDS_LIST: True").size(), 1);
        const QStringList members = lines.filter(" | EDS_MEMBERS: ");
        QVERIFY2(members.size() == 1 && members[0].count('@') == members[0].count('<') && members[0].contains('@'), qPrintable(lines.join('\n')));
    }

    void terminalShowsBarsRedrawnInPlace()
    {
        const QString script = QStandardPaths::findExecutable("script");
        QVERIFY2(!script.isEmpty(), "util-linux's script is needed to give the command a terminal");
        QProcess process;
        process.start(script, {"-qec", QStringLiteral("'%1' convert '%2' '%3'").arg(CliRunner::path(), m_pst, path("tty")), "/dev/null"});
        QVERIFY(process.waitForFinished(120000));
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        QCOMPARE(process.exitCode(), 0);
        QVERIFY2(out.contains("[##############################] 3/3") && out.contains("\033[6A"), qPrintable(out));
    }
};

QTEST_GUILESS_MAIN(TestConvertCommand)
#include "tst_ConvertCommand.moc"
