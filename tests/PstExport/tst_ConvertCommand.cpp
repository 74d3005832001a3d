// SPDX-License-Identifier: GPL-2.0-or-later
// lumaroo-cli convert as a user runs it: arguments, progress lines, summary
// and exit status.

#include "CliRunner.h"
#include "ExportFixture.h"
#include "TestHome.h"

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
        QVERIFY(missing.err.contains("no such file"));
        QVERIFY(!QFileInfo::exists(m_dir.filePath("x")));
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
        QVERIFY2(out.contains("\033[5A"), qPrintable(out));
    }

private:
    TestHome m_home;
    QTemporaryDir m_dir;
    QString m_pst;
};

QTEST_GUILESS_MAIN(TestConvertCommand)
#include "tst_ConvertCommand.moc"
