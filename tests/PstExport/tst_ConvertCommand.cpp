// SPDX-License-Identifier: GPL-2.0-or-later
// lumaroo-cli convert as a user runs it: arguments, progress lines, summary
// and exit status.

#include "CliRunner.h"
#include "ExportFixture.h"
#include "TestData.h"
#include "TestHome.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace ExportFixture;

namespace {

struct Result
{
    int exitCode = -1;
    QString out;
    QString err;
};

Result runCli(const QStringList& args)
{
    const CliRunner::Result run = CliRunner::run(QStringList{"convert"} + args);
    return {run.status, QString::fromUtf8(run.out), QString::fromUtf8(run.err)};
}

} // namespace

class TestConvertCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        PstMessage contact = message(PstMessage::Kind::Contact, "Ann");
        contact.contact.insert("fullname", "Ann Example");
        m_pst = m_dir.filePath("small.pst");
        QVERIFY(writeAndOpen(description({folder("Inbox", "IPF.Note", {mail("One"), mail("Two"), mail("Three")}),
                                          folder("People", "IPF.Contact", {contact}),
                                          folder("Empty", "IPF.Note", {})}),
                             m_pst));
    }

    void convertsEverythingAndSummarises()
    {
        const QString out = m_dir.filePath("all");
        const Result r = runCli({m_pst, out});
        QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
        QVERIFY2(r.out.contains("Emails: 3/3\n"), qPrintable(r.out));
        QVERIFY2(r.out.contains("Emails (eml): 3 written, 0 failed\n"), qPrintable(r.out));
        QVERIFY2(r.out.contains("Contacts (vcf): 1 written, 0 failed\n"), qPrintable(r.out));
        QVERIFY2(r.out.contains("Journal (ics2): 0 written, 0 failed\n"), qPrintable(r.out));
        QVERIFY(!r.out.contains("\033["));
        const QStringList files = filesUnder(out);
        QCOMPARE(files.size(), 4);
        QVERIFY(!directoriesUnder(out).join('\n').contains("Empty"));
    }

    void formatsAndEmptyFoldersAreChosen()
    {
        const QString out = m_dir.filePath("contacts");
        const Result r = runCli({m_pst, out, "--formats", "vcf", "--keep-empty-folders"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
        QVERIFY2(r.out.contains("Contacts (vcf): 1 written, 0 failed\n"), qPrintable(r.out));
        QVERIFY(!r.out.contains("Emails"));
        const QStringList files = filesUnder(out);
        QCOMPARE(files.size(), 1);
        QVERIFY(files.first().endsWith("People/Ann.vcf"));
        QVERIFY(directoriesUnder(out).join('\n').contains("Empty"));

        const Result notes = runCli({m_pst, m_dir.filePath("notes"), "--formats=txt"});
        QCOMPARE(notes.exitCode, 0);
        QVERIFY2(notes.out.contains("Nothing to convert"), qPrintable(notes.out));
    }

    void failedItemsMakeTheExitStatusNonZero()
    {
        const QString out = m_dir.filePath("blocked");
        // A file where the Inbox folder should go: none of its mails can be written.
        QVERIFY(QDir().mkpath(out + "/Top of Personal Folders"));
        QFile blocker(out + "/Top of Personal Folders/Inbox");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const Result r = runCli({m_pst, out});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.out.contains("Emails (eml): 0 written, 3 failed\n"), qPrintable(r.out));
        QVERIFY2(r.out.contains("Contacts (vcf): 1 written, 0 failed\n"), qPrintable(r.out));
    }

    void badArgumentsAreRefused()
    {
        QCOMPARE(runCli({m_pst}).exitCode, 2);
        QCOMPARE(runCli({m_pst, m_dir.filePath("x"), "--formats", "pdf"}).exitCode, 2);
        QCOMPARE(runCli({m_pst, m_dir.filePath("x"), "--formats"}).exitCode, 2);
        QCOMPARE(runCli({m_pst, m_dir.filePath("x"), "--colour"}).exitCode, 2);
        const Result missing = runCli({m_dir.filePath("missing.pst"), m_dir.filePath("x")});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY2(missing.err.contains("no file or folder of this name"), qPrintable(missing.err));
        QVERIFY(!QFileInfo::exists(m_dir.filePath("x")));
    }

    void inputsThatAreNoPstFileAreNamed_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("message");
        const QString fifo = m_dir.filePath("pipe.pst");
        QVERIFY(QProcess::execute("mkfifo", {fifo}) == 0);
        QFile text(m_dir.filePath("text.pst"));
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write(QByteArray(1024, 'x')) == 1024);
        QTest::newRow("missing") << m_dir.filePath("missing.pst") << "no file or folder of this name";
        QTest::newRow("folder") << m_dir.path() << "This is a folder, not a PST file.";
        QTest::newRow("fifo") << fifo << "named pipe (FIFO)";
        // Unreadable even for root: reading its first byte fails.
        QTest::newRow("unreadable") << "/proc/self/mem" << "cannot be read: Input/output error";
        QTest::newRow("not a PST") << text.fileName() << "does not start with a PST file's signature";
    }

    void inputsThatAreNoPstFileAreNamed()
    {
        QFETCH(QString, input);
        QFETCH(QString, message);
        const Result r = runCli({input, m_dir.filePath("never")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(input + ": ") && r.err.contains(message), qPrintable(r.err));
    }

    void unwritableOutputFolderIsNamedWithItsCause()
    {
        const QString out = m_pst + "/out";
        const Result r = runCli({m_pst, out});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("Cannot write to the output folder " + out + ": Not a directory."), qPrintable(r.err));
    }

    // Tasks and distribution lists are converted; a message of a class no
    // kind stands for is counted and makes the run fail.
    void tasksListsAndUnshownItemsAreAccounted()
    {
        PstMessage task = message(PstMessage::Kind::Task, "Plan");
        task.taskStatus = 1;
        task.percentComplete = 0.25;
        task.taskStart = QDateTime(QDate(2024, 3, 4), QTime(0, 0), Qt::UTC);
        task.taskDue = QDateTime(QDate(2024, 3, 8), QTime(0, 0), Qt::UTC);
        task.importance = 2;
        task.categories = QStringList{"Work"};
        task.body = "Write it down.";
        PstMessage odd = mail("Odd");
        odd.messageClass = "IPM.Unheard.Of";
        const QString pst = m_dir.filePath("tasks.pst");
        QVERIFY(writeAndOpen(description({folder("Tasks", "IPF.Task", {task, odd})}), pst));
        const QString out = m_dir.filePath("tasks");
        const Result r = runCli({pst, out, "--formats", "tasks"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.out.contains("Tasks (tasks): 1 written, 0 failed\n"), qPrintable(r.out));
        QVERIFY2(r.out.contains("1 item(s) of unknown message classes are not shown\n"), qPrintable(r.out));
        const QJsonObject checked = checkTree(out);
        QCOMPARE(checked.value("errors").toObject().size(), 0);
        const QJsonObject files = checked.value("files").toObject();
        QCOMPARE(files.keys().size(), 1);
        const QJsonArray components = files.begin()->toObject().value("components").toArray();
        QCOMPARE(components.size(), 2);
        const QJsonObject todo = components.at(1).toObject();
        QCOMPARE(todo.value("name").toString(), QStringLiteral("VTODO"));
        const QJsonObject p = todo.value("properties").toObject();
        QCOMPARE(p.value("SUMMARY").toArray().at(0).toString(), QStringLiteral("Plan"));
        QCOMPARE(p.value("STATUS").toArray().at(0).toString(), QStringLiteral("IN-PROCESS"));
        QCOMPARE(p.value("PERCENT-COMPLETE").toArray().at(0).toString(), QStringLiteral("25"));
        QCOMPARE(p.value("PRIORITY").toArray().at(0).toString(), QStringLiteral("1"));
        QCOMPARE(p.value("DESCRIPTION").toArray().at(0).toString(), QStringLiteral("Write it down."));
        QVERIFY2(p.value("DTSTART").toArray().at(0).toString().startsWith("2024-03-04"), qPrintable(QJsonDocument(p).toJson()));
        QVERIFY(p.value("DUE").toArray().at(0).toString().startsWith("2024-03-08"));
        QVERIFY(p.contains("CATEGORIES"));
    }

    void distributionListBecomesAnEvolutionList()
    {
        const QString out = m_dir.filePath("lists");
        const Result r = runCli({TestData::pst("rjohnsondev__java-libpst__dist-list.pst"), out, "--formats", "vcf"});
        // The file also holds a free/busy message, which no kind stands for.
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.out.contains("Contacts (vcf): 2 written, 0 failed\n"), qPrintable(r.out));
        QVERIFY2(r.out.contains("1 item(s) of unknown message classes are not shown\n"), qPrintable(r.out));
        const QJsonObject checked = checkTree(out);
        QCOMPARE(checked.value("errors").toObject().size(), 0);
        int lists = 0;
        for (const QJsonValue& file : checked.value("files").toObject()) {
            for (const QJsonValue& card : file.toObject().value("cards").toArray()) {
                if (!card.toObject().contains("EDS_LIST"))
                    continue;
                ++lists;
                QVERIFY(card.toObject().value("EDS_LIST").toArray().at(0).toBool());
                const QJsonArray members = card.toObject().value("EDS_MEMBERS").toArray();
                QVERIFY(!members.isEmpty());
                for (const QJsonValue& member : members)
                    QVERIFY2(member.toString().contains('@'), qPrintable(member.toString()));
            }
        }
        QCOMPARE(lists, 1);
    }

    void terminalShowsBarsRedrawnInPlace()
    {
        const QString script = QStandardPaths::findExecutable("script");
        QVERIFY2(!script.isEmpty(), "util-linux's script is needed to give the command a terminal");
        QProcess process;
        const QString command = QStringLiteral("'%1' convert '%2' '%3'").arg(CliRunner::path(), m_pst, m_dir.filePath("tty"));
        process.start(script, {"-qec", command, "/dev/null"});
        QVERIFY(process.waitForFinished(120000));
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        QCOMPARE(process.exitCode(), 0);
        QVERIFY2(out.contains("[##############################] 3/3"), qPrintable(out));
        QVERIFY2(out.contains("\033[6A"), qPrintable(out));
    }

private:
    TestHome m_home;
    QTemporaryDir m_dir;
    QString m_pst;
};

QTEST_GUILESS_MAIN(TestConvertCommand)
#include "tst_ConvertCommand.moc"
