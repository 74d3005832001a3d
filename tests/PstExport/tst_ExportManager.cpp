// SPDX-License-Identifier: GPL-2.0-or-later
// The export engine on PST files made by the test writer: where files go and
// what they are called, which folders stay, progress, cancellation and runs
// with nothing to do.

#include "CliRunner.h"
#include "ExportFixture.h"
#include "ExportManager.h"
#include "ExportWorkers.h"
#include "IMVLogConfig.h"
#include "ProgressReporter.h"
#include "PstParser.h"
#include "PstWriter.h"
#include "TestHome.h"

#include <QtTest>

#include <numeric>

using namespace ExportFixture;

namespace {

const QString kMailClass = QStringLiteral("IPF.Note");

QList<PstMessage> messages(PstMessage::Kind kind, int count)
{
    QList<PstMessage> list;
    for (int i = 0; i < count; ++i) {
        list.append(kind == PstMessage::Kind::Mail ? mail(QStringLiteral("Mail %1").arg(i))
                                                   : message(kind, QStringLiteral("Item %1").arg(i)));
        // libpst gives a record its contact or journal part only when it has such a value.
        if (kind == PstMessage::Kind::Contact)
            list.last().contact.insert(QStringLiteral("fullname"), QStringLiteral("Person %1").arg(i));
        if (kind == PstMessage::Kind::Journal) {
            list.last().journalType = QStringLiteral("Phone call");
            list.last().start = list.last().creationTime;
            list.last().end = list.last().modificationTime;
        }
    }
    return list;
}

QList<int> steps(int step, int total)
{
    QList<int> values;
    for (int c = step; c <= total; c += step)
        values.append(c);
    if (values.isEmpty() || values.last() != total)
        values.append(total);
    return values;
}

bool logSays(int failedMails)
{
    QFile log(QString::fromStdString(Morvek::IMVLogConfig::CurrentLogFile()));
    return log.open(QIODevice::ReadOnly)
        && log.readAll().contains(QByteArray("Exported error emails: ") + QByteArray::number(failedMails)
                                  + ", contacts: 0, appointments: 0");
}

// Each file below `dir` by its path, its bytes as value; a Maildir
// message's name is made by the process that wrote it, so those are keyed
// by their directory and content.
QMap<QString, QByteArray> contentsUnder(const QString& dir)
{
    QMap<QString, QByteArray> files;
    for (const QString& path : filesUnder(dir)) {
        QFile file(dir + "/" + path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray bytes = file.readAll();
        const QString parent = path.section('/', 0, -2);
        const bool maildirMessage = parent == "cur" || parent == "new" || parent.endsWith("/cur") || parent.endsWith("/new");
        files.insert(maildirMessage ? parent + "/" + QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex())
                                    : path,
                     bytes);
    }
    return files;
}

PstMessage withAttachment(PstMessage mail, qint64 bytes)
{
    PstAttachment attachment;
    attachment.longName = QStringLiteral("data.bin");
    attachment.generatedSize = bytes;
    mail.attachments.append(attachment);
    return mail;
}

// The document as a conversion opens it: each folder's items counted and
// measured, not kept.
std::shared_ptr<PstFolderItem> openReleased(const QString& path)
{
    PstParser parser;
    return parser.open(path) ? parser.parseReleased(path) : nullptr;
}

} // namespace

class TestExportManager : public QObject
{
    Q_OBJECT
    TestHome m_home;
    QTemporaryDir m_dir;
    int m_files = 0;

    // A fresh PST from the folders, opened; the temporary folder keeps it.
    std::shared_ptr<PstFolderItem> make(const QList<PstFolder>& folders)
    {
        return writeAndOpen(description(folders), m_dir.filePath(QStringLiteral("f%1.pst").arg(++m_files)));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        Morvek::IMVLogConfig::InitializeLogConfig((m_home.path() + "/log/").toStdString());
    }

    void filesAreNamedAfterSubjectsInListOrder()
    {
        const QString longSubject(200, QChar(0x00E9));
        const auto root = make({folder("Inbox", kMailClass,
                                       {mail("S", "first body"), mail("S", "second body"), mail("S", "third body"),
                                        mail(QString()), mail("a/b:c"), mail(longSubject), mail(longSubject)})});
        QVERIFY(root);
        const QString out = m_dir.filePath("names");
        const Run run = runExport(findFolder(root, "Inbox"), out, {"eml"});
        QCOMPARE(run.completions, 1);
        QCOMPARE(run.errors.value("eml"), 0);
        QStringList expected{"S.eml", "S_1.eml", "S_2.eml", "mail.eml", "a_b_c.eml",
                             QString(125, QChar(0x00E9)) + ".eml", QString(124, QChar(0x00E9)) + "_1.eml"};
        expected.sort();
        QCOMPARE(filesUnder(out), expected);
        const QStringList bodies{"first body", "second body", "third body"};
        for (int i = 0; i < bodies.size(); ++i) {
            QFile file(out + "/" + expected[i]);
            QVERIFY2(file.open(QIODevice::ReadOnly) && file.readAll().contains(bodies[i].toUtf8()), qPrintable(expected[i]));
        }
    }

    // Mails whose strings are stored in 8 bits: the .eml reads back with
    // Python's email package (which knows only the charsets iconv and mail
    // programs share), label and bytes agreeing.
    void emlOfEightBitMailReadsBack_data()
    {
        QTest::addColumn<int>("codePage");
        QTest::addColumn<QString>("text");
        QTest::newRow("936 simplified Chinese") << 936 << QStringLiteral("会议记录 第一部分");
        QTest::newRow("950 traditional Chinese") << 950 << QStringLiteral("會議記錄 第一部分");
        QTest::newRow("932 Japanese") << 932 << QStringLiteral("議事録 ①第一部");
        QTest::newRow("1251 Cyrillic") << 1251 << QStringLiteral("Протокол встречи");
        QTest::newRow("1252 Western") << 1252 << QStringLiteral("Café “Müller” – résumé");
    }

    void emlOfEightBitMailReadsBack()
    {
        QFETCH(int, codePage);
        QFETCH(QString, text);
        PstMessage message = mail(text, text + QStringLiteral("\r\nEnd."));
        message.codePage = codePage;
        message.internetCodePage = codePage;
        message.senderName = QStringLiteral("Ada");
        message.senderAddressType = QStringLiteral("EX");
        message.senderAddress = QStringLiteral("/O=ORG/OU=SITE/CN=RECIPIENTS/CN=ADA");
        message.senderSmtpAddress = QStringLiteral("ada@example.org");
        const auto root = make({folder("Inbox", kMailClass, {message})});
        QVERIFY(root);
        const QString out = m_dir.filePath(QStringLiteral("cp%1").arg(codePage));
        QCOMPARE(runExport(findFolder(root, "Inbox"), out, {"eml"}).errors.value("eml"), 0);
        const QStringList files = filesUnder(out);
        QCOMPARE(files.size(), 1);
        const QJsonObject read = check({"tree", out}).value("files").toObject().value(files.first()).toObject();
        QCOMPARE(read.value("subject").toString(), text);
        QCOMPARE(read.value("from").toString(), QStringLiteral("Ada <ada@example.org>"));
        QCOMPARE(read.value("all_defects").toArray().size(), 0);
        const QJsonObject part = read.value("parts").toArray().first().toObject();
        QCOMPARE(part.value("text").toString().trimmed(), text + QStringLiteral("\nEnd."));
        // A label Python decodes with its own codec, not a UTF-8 fallback.
        const QString charset = part.value("charset").toString();
        QProcess python;
        python.start("python3", {"-c", "import codecs,sys; codecs.lookup(sys.argv[1])", charset});
        QVERIFY(python.waitForFinished(30000));
        QVERIFY2(python.exitCode() == 0, qPrintable(charset));
        QProcess iconv;
        iconv.start("iconv", {"-f", charset, "-t", "UTF-8"});
        iconv.closeWriteChannel();
        QVERIFY(iconv.waitForFinished(30000));
        QVERIFY2(iconv.exitCode() == 0, qPrintable(charset));
    }

    void foldersMirrorTheTreeAndStayInside_data()
    {
        QTest::addColumn<bool>("countsOnly");
        QTest::newRow("items held") << false;
        // As the window opens a file and its export dialog copies the tree.
        QTest::newRow("counts only, copied") << true;
    }

    void foldersMirrorTheTreeAndStayInside()
    {
        QFETCH(bool, countsOnly);
        auto root = make({folder("Inbox", kMailClass, {mail("in inbox")}, {folder("Sub", kMailClass, {mail("in sub")})}),
                                folder("..", kMailClass, {mail("dots")}), folder("a/b", kMailClass, {mail("slash")}),
                                folder("x\ny", kMailClass, {mail("break")}),
                                folder("Chain", kMailClass, {}, {folder("Middle", kMailClass, {}, {folder("Leaf", kMailClass, {})})}),
                                folder("People", "IPF.Contact", messages(PstMessage::Kind::Contact, 1))});
        QVERIFY(root);
        if (countsOnly) {
            PstParser parser;
            QVERIFY(parser.open(root->filePath()));
            const auto counted = parser.parseReleased(root->filePath());
            QVERIFY(counted && findFolder(counted, "Inbox")->items().isEmpty());
            root = std::static_pointer_cast<PstFolderItem>(counted->clone());
        }
        const QString base = m_dir.filePath(QStringLiteral("inside-%1").arg(countsOnly));
        QCOMPARE(runExport(root, base + "/out", {"eml"}).completions, 1);
        QCOMPARE(QDir(base).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{"out"});
        QStringList files = filesUnder(base + "/out");
        const QString top = "Top of Personal Folders/";
        QCOMPARE(files, (QStringList{top + "Inbox/Sub/in sub.eml", top + "Inbox/in inbox.eml", top + "_/dots.eml",
                                     top + "a_b/slash.eml", top + "xy/break.eml"}));
        // Empty folders go, bottom up, those of items of an unselected kind too.
        QString dirs = directoriesUnder(base + "/out").join('\n');
        QVERIFY2(!dirs.contains("Chain") && !dirs.contains("People"), qPrintable(dirs));
        QCOMPARE(runExport(root, base + "/kept", {"eml"}, false).completions, 1);
        dirs = directoriesUnder(base + "/kept").join('\n');
        QVERIFY2(dirs.contains("Chain/Middle/Leaf"), qPrintable(dirs));
        // A root with nothing of its own is removed too; one with items keeps its folder.
        QVERIFY(runExport(findFolder(root, "Chain"), base + "/chain", {"eml"}).notFound);
        QCOMPARE(runExport(findFolder(root, "Sub"), base + "/sub", {"eml"}).completions, 1);
        QCOMPARE(filesUnder(base + "/sub"), QStringList{"in sub.eml"});
    }

    void progressMovesInStepsOfOnePerCent_data()
    {
        QTest::addColumn<QList<QString>>("formats");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QList<int>>("totals");
        QTest::addColumn<QString>("suffix"); // of every file written
        QTest::newRow("mails and contacts") << QList<QString>{"eml", "vcf"} << QStringList{"Emails", "Contacts"}
                                            << QList<int>{250, 7} << "";
        QTest::newRow("journal only") << QList<QString>{"ics2"} << QStringList{"Journal"} << QList<int>{2} << ".ics";
    }

    void progressMovesInStepsOfOnePerCent()
    {
        QFETCH(QList<QString>, formats);
        QFETCH(QStringList, labels);
        QFETCH(QList<int>, totals);
        QFETCH(QString, suffix);
        const auto root = make({folder("Inbox", kMailClass, messages(PstMessage::Kind::Mail, 250)),
                                folder("People", "IPF.Contact", messages(PstMessage::Kind::Contact, 7)),
                                folder("Journal", "IPF.Journal", messages(PstMessage::Kind::Journal, 2))});
        QVERIFY(root);
        const QString out = m_dir.filePath(QTest::currentDataTag());
        const Run run = runExport(root, out, formats);
        QCOMPARE(run.completions, 1);
        QCOMPARE(run.labels, labels);
        for (int i = 0; i < labels.size(); ++i) {
            QCOMPARE(run.totals.value(labels[i]), totals[i]);
            QCOMPARE(run.progress.value(labels[i]), steps(std::max(totals[i] / 100, 1), totals[i]));
        }
        QCOMPARE(filesUnder(out).size(), std::accumulate(totals.begin(), totals.end(), 0));
        for (const QString& file : filesUnder(out)) {
            QVERIFY2(file.endsWith(suffix), qPrintable(file));
            QFile ics(out + "/" + file);
            QVERIFY2(suffix.isEmpty() || (ics.open(QIODevice::ReadOnly) && ics.readAll().contains("BEGIN:VJOURNAL")),
                     qPrintable(file));
        }
    }

    void nothingToExportIsReported()
    {
        const auto root = make({folder("Inbox", kMailClass, messages(PstMessage::Kind::Mail, 2)),
                                folder("Tasks", "IPF.Task", messages(PstMessage::Kind::Task, 2))});
        QVERIFY(root);
        const Run notes = runExport(root, m_dir.filePath("none"), {"txt", "ics"});
        QVERIFY(notes.notFound);
        QCOMPARE(notes.completions, 0);
        QVERIFY(notes.labels.isEmpty());
        QVERIFY(!QFileInfo::exists(m_dir.filePath("none")));
        // Tasks have their own format only.
        QVERIFY(runExport(findFolder(root, "Tasks"), m_dir.filePath("tasks"), {"eml", "vcf", "ics", "txt", "ics2"}).notFound);
    }

    void cancelBeforeTheTasksRunFailsThemAll()
    {
        const auto root = make({folder("Inbox", kMailClass, messages(PstMessage::Kind::Mail, 30))});
        QVERIFY(root);
        const QString out = m_dir.filePath("cancel-early");
        // Holding the document's lock keeps the first task waiting until the run is cancelled.
        const auto lock = root->pstLock();
        lock->lock();
        bool running = false;
        const Run run = runExport(root, out, {"eml"}, true, {}, [&](ExportManager& manager) {
            manager.cancel();
            running = manager.isRunning();
            lock->unlock();
        });
        QVERIFY(!running);
        QCOMPARE(run.completions, 1);
        QCOMPARE(run.errors.value("eml"), 30);
        QVERIFY(run.progress.value("Emails").isEmpty());
        QVERIFY(filesUnder(out).size() <= 1); // at most the task already waiting on the lock
        QVERIFY(logSays(30));
    }

    void aReadFolderWritesWhatAHeldOneWrites_data()
    {
        QTest::addColumn<QStringList>("formats");
        QTest::newRow("eml") << QStringList{"eml"};
        QTest::newRow("eml and mailboxes") << QStringList{"eml", "mbox", "maildir"};
        QTest::newRow("mailboxes") << QStringList{"mbox", "maildir"};
    }

    // A conversion parses each mail once, as it reads the folder, and hands
    // that record to the mail's first format; the window's items are parsed
    // by each format's task. Both write the same bytes in every format.
    void aReadFolderWritesWhatAHeldOneWrites()
    {
        QFETCH(QStringList, formats);
        PstMessage rtfOnly = mail(QStringLiteral("RTF only"), QString());
        rtfOnly.rtfBody = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\pard\\f0 {\\b Bold} words\\par}";
        PstMessage western = mail(QStringLiteral("Café résumé"), QStringLiteral("Grüße aus Köln\r\nEnde."));
        western.codePage = 1252;
        western.internetCodePage = 1252;
        PstMessage exchange = mail(QStringLiteral("From Exchange"));
        exchange.senderAddressType = QStringLiteral("EX");
        exchange.senderAddress = QStringLiteral("/O=ORG/OU=SITE/CN=RECIPIENTS/CN=ADA");
        exchange.senderSmtpAddress = QStringLiteral("ada@example.org");
        PstMessage html = mail(QStringLiteral("HTML too"), QStringLiteral("Plain words"));
        html.htmlBody = "<html><body><p>HTML words</p></body></html>";
        const PstMessage attached = withAttachment(mail(QStringLiteral("With data")), 3000);
        const QString path = m_dir.filePath(QStringLiteral("held-or-read-%1.pst").arg(++m_files));
        const auto held = writeAndOpen(description({folder("Inbox", kMailClass, {rtfOnly, western, exchange, html, attached})}), path);
        QVERIFY(held);
        const auto read = openReleased(path);
        QVERIFY(read);
        QVERIFY(!findFolder(read, "Inbox")->holdsItems());
        const QString base = m_dir.filePath(QStringLiteral("held-or-read-%1").arg(m_files));
        const Run fromHeld = runExport(held, base + "/held", formats);
        const Run fromRead = runExport(read, base + "/read", formats);
        QCOMPARE(fromRead.errors, fromHeld.errors);
        QCOMPARE(fromRead.errors.value("eml") + fromRead.errors.value("mbox") + fromRead.errors.value("maildir"), 0);
        const QMap<QString, QByteArray> written = contentsUnder(base + "/held");
        QVERIFY(written.size() >= 1);
        QCOMPARE(contentsUnder(base + "/read"), written);
    }

    void workerProcessesWriteWhatOneProcessWrites_data()
    {
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("whole run") << false;
        QTest::newRow("cancelled at once") << true;
    }

    // A whole document shared out among lumaroo-cli workers: the same files,
    // progress up to the totals, one completion; a cancel stops the workers
    // and counts what they did not report as not written.
    void workerProcessesWriteWhatOneProcessWrites()
    {
        QFETCH(bool, cancelled);
        QFile log(QString::fromStdString(Morvek::IMVLogConfig::CurrentLogFile()));
        log.resize(0);
        const auto root = make({folder("Inbox", kMailClass, messages(PstMessage::Kind::Mail, 40)),
                                folder("Sent", kMailClass, messages(PstMessage::Kind::Mail, 30),
                                       {folder("Old", kMailClass, messages(PstMessage::Kind::Mail, 20))}),
                                folder("People", "IPF.Contact", messages(PstMessage::Kind::Contact, 5))});
        QVERIFY(root);
        const QString base = m_dir.filePath(QStringLiteral("workers-%1").arg(cancelled));
        const Run alone = runExport(root, base + "/alone", {"eml", "vcf"});
        // Set while the run starts, before it decides how to run.
        const auto withWorkers = [](ExportManager& manager, const QString&, ProgressReporter*) {
            manager.setWorkers(3, CliRunner::path());
        };
        const Run shared = runExport(root, base + "/shared", {"eml", "vcf"}, true, withWorkers,
                                     [cancelled](ExportManager& manager) {
                                         if (cancelled)
                                             manager.cancel();
                                     });
        QCOMPARE(shared.completions, 1);
        QVERIFY(log.open(QIODevice::ReadOnly) && log.readAll().contains("Converting in 3 processes."));
        if (cancelled) {
            QVERIFY(shared.errors.value("eml") > 0);
            QVERIFY(filesUnder(base + "/shared").size() + shared.errors.value("eml") + shared.errors.value("vcf") >= 95);
            return;
        }
        QCOMPARE(shared.errors, alone.errors);
        QCOMPARE(shared.progress.value("Emails").last(), 90);
        QCOMPARE(shared.progress.value("Contacts").last(), 5);
        QCOMPARE(filesUnder(base + "/shared"), filesUnder(base + "/alone"));
        for (const QString& file : filesUnder(base + "/alone")) {
            QFile a(base + "/alone/" + file), b(base + "/shared/" + file);
            QVERIFY2(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly) && a.readAll() == b.readAll(), qPrintable(file));
        }
    }

    void workerProcessesShareMailboxes_data()
    {
        QTest::addColumn<QStringList>("formats");
        QTest::newRow("mbox") << QStringList{"mbox"};
        QTest::newRow("maildir") << QStringList{"maildir"};
        QTest::newRow("eml, mbox and maildir") << QStringList{"eml", "mbox", "maildir"};
    }

    // mbox and Maildir written by two processes: the same files as one
    // process writes, mailboxes of same-named folders (one directory) whole
    // and in the same order.
    void workerProcessesShareMailboxes()
    {
        QFETCH(QStringList, formats);
        QFile log(QString::fromStdString(Morvek::IMVLogConfig::CurrentLogFile()));
        log.resize(0);
        const auto root = make({folder("Inbox", kMailClass, messages(PstMessage::Kind::Mail, 40)),
                                folder("Same", kMailClass, messages(PstMessage::Kind::Mail, 12)),
                                folder("Sent", kMailClass, messages(PstMessage::Kind::Mail, 30),
                                       {folder("Old", kMailClass, messages(PstMessage::Kind::Mail, 20))}),
                                folder("Same", kMailClass, messages(PstMessage::Kind::Mail, 15))});
        QVERIFY(root);
        const QString base = m_dir.filePath("mailboxes-" + formats.join('-'));
        const Run alone = runExport(root, base + "/alone", formats);
        const Run shared = runExport(root, base + "/shared", formats, true,
                                     [](ExportManager& manager, const QString&, ProgressReporter*) {
                                         manager.setWorkers(2, CliRunner::path());
                                     });
        QVERIFY(log.open(QIODevice::ReadOnly) && log.readAll().contains("Converting in 2 processes."));
        QCOMPARE(shared.completions, 1);
        QCOMPARE(shared.errors, alone.errors);
        QCOMPARE(shared.progress.value(formats.contains("mbox") ? "Mailbox" : "Maildir").last(), 117);
        QCOMPARE(directoriesUnder(base + "/shared"), directoriesUnder(base + "/alone"));
        const QMap<QString, QByteArray> expected = contentsUnder(base + "/alone");
        QVERIFY(!expected.isEmpty());
        QCOMPARE(contentsUnder(base + "/shared").keys(), expected.keys());
        QVERIFY(contentsUnder(base + "/shared") == expected);
    }

    // Shares are about the same size in bytes, not in items: ten large mails
    // weigh more than a hundred small ones; a folder larger than a share is
    // cut where its bytes are halved, and the parts write what one process
    // writes.
    void sharesFollowTheBytesOfTheMails()
    {
        QList<PstMessage> large;
        for (int i = 0; i < 10; ++i)
            large.append(withAttachment(mail(QStringLiteral("Large %1").arg(i)), 300 * 1024));
        QList<PstMessage> big;
        for (int i = 0; i < 1300; ++i)
            big.append(i < 260 ? withAttachment(mail(QStringLiteral("Big %1").arg(i)), 100 * 1024)
                               : mail(QStringLiteral("Small %1").arg(i)));
        const QString path = m_dir.filePath("by-bytes.pst");
        QString error;
        QVERIFY2(PstWriter::write(description({folder("Large", kMailClass, large),
                                               folder("SmallA", kMailClass, messages(PstMessage::Kind::Mail, 100)),
                                               folder("SmallB", kMailClass, messages(PstMessage::Kind::Mail, 100)),
                                               folder("Big", kMailClass, big)}),
                                  path, &error),
                 qPrintable(error));
        const auto root = openReleased(path);
        QVERIFY(root);
        const QString largeId = ExportWorkers::folderId(*findFolder(root, "Large"));
        const QString bigId = ExportWorkers::folderId(*findFolder(root, "Big"));
        const auto notBig = [bigId](const PstFolderItem& folder) { return ExportWorkers::folderId(folder) != bigId; };
        QList<QStringList> shares = ExportWorkers::shares(*root, {"eml"}, 2, notBig);
        QCOMPARE(shares.size(), 2);
        QVERIFY2(shares.contains(QStringList{largeId}), qPrintable(QDebug::toString(shares)));
        // The first 256 item nodes hold more than half of the folder's bytes.
        const auto onlyBig = [bigId](const PstFolderItem& folder) { return ExportWorkers::folderId(folder) == bigId; };
        shares = ExportWorkers::shares(*root, {"eml"}, 2, onlyBig);
        std::sort(shares.begin(), shares.end());
        QCOMPARE(shares, (QList<QStringList>{{bigId + ":0:256"}, {bigId + ":256:-1"}}));
        QCOMPARE(ExportWorkers::partsOf(*findFolder(root, "Big"), shares.at(1)), (QList<std::pair<int, int>>{{256, std::numeric_limits<int>::max()}}));
        // A mailbox is one file: its folder is never cut.
        QCOMPARE(ExportWorkers::shares(*root, {"eml", "mbox"}, 2, onlyBig), (QList<QStringList>{{bigId}}));

        const QString base = m_dir.filePath("by-bytes");
        const Run alone = runExport(root, base + "/alone", {"eml"});
        const Run shared = runExport(root, base + "/shared", {"eml"}, true,
                                     [](ExportManager& manager, const QString&, ProgressReporter*) {
                                         manager.setWorkers(2, CliRunner::path());
                                     });
        QCOMPARE(alone.errors.value("eml"), 0);
        QCOMPARE(shared.errors.value("eml"), 0);
        QCOMPARE(shared.progress.value("Emails").last(), 1510);
        QVERIFY(contentsUnder(base + "/shared") == contentsUnder(base + "/alone"));
        QCOMPARE(filesUnder(base + "/shared").size(), 1510);
    }

    void cancelDuringARunEndsItOnce()
    {
        // The test holds the document's lock from before the first task, lets
        // the tasks go and cancels as soon as a few files are written, without
        // waiting for the lock again: a mutex need not hand it back to a
        // waiting thread while the tasks keep taking it.
        QList<PstMessage> inbox = messages(PstMessage::Kind::Mail, 300);
        for (PstMessage& m : inbox) {
            m.attachments.append(PstAttachment());
            m.attachments.last().longName = QStringLiteral("data.bin");
            m.attachments.last().generatedSize = 48 * 1024;
        }
        const auto root = make({folder("Inbox", kMailClass, inbox)});
        QVERIFY(root);
        const QString out = m_dir.filePath("cancel-mid");
        const auto lock = root->pstLock();
        const Run run = runExport(
            root, out, {"eml"}, true, [&](ExportManager&, const QString&, ProgressReporter*) { lock->lock(); },
            [&](ExportManager& manager) {
                lock->unlock();
                while (filesUnder(out).size() < 3)
                    QThread::usleep(200);
                manager.cancel();
            });
        QCOMPARE(run.completions, 1);
        const int written = int(filesUnder(out).size());
        QVERIFY2(written >= 3, qPrintable(QString::number(written)));
        QCOMPARE(written + run.errors.value("eml"), 300);
        QVERIFY(run.errors.value("eml") > 0);
        QVERIFY(logSays(run.errors.value("eml")));
    }
};

QTEST_GUILESS_MAIN(TestExportManager)
#include "tst_ExportManager.moc"
