// SPDX-License-Identifier: GPL-2.0-or-later
// lumaroo-cli writing into places that fight back: a small file system that
// fills up (a tmpfs, mounted when the test may), same-named folders written
// by several worker processes at once, links planted in the output folder,
// a FIFO or a device as the output of `pdf`, body lines starting "From ",
// and Maildir folder names longer than a file name may be. Each row checks
// the exit status, the summary and the files on disk against a conversion
// into a roomy folder: no empty or partial file is left, and every file the
// summary counts as written is there whole.

#include "CliRunner.h"
#include "ExportFixture.h"
#include "FileTarget.h"
#include "PstWriter.h"
#include "TestHome.h"

#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace ExportFixture;

namespace {

const QString kTop = QStringLiteral("Top of Personal Folders");
const QRegularExpression kSummaryLine(QStringLiteral("^(\\w+) \\((\\w+)\\): (\\d+) written, (\\d+) failed$"),
                                      QRegularExpression::MultilineOption);

// A body of about `size` bytes of plain text that names its mail.
QString bodyOf(int number, int size)
{
    QString body = QStringLiteral("Mail %1\n").arg(number);
    while (body.size() < size)
        body += QStringLiteral("line %1 of mail %2, plain text to fill the disk\n").arg(body.size()).arg(number);
    return body;
}

struct Summary
{
    QMap<QString, std::pair<int, int>> counts; // format key -> written, failed
    QString text;
};

Summary summaryOf(const CliRunner::Result& run)
{
    Summary summary;
    summary.text = QString::fromUtf8(run.out);
    auto lines = kSummaryLine.globalMatch(summary.text);
    while (lines.hasNext()) {
        const auto line = lines.next();
        summary.counts[line.captured(2)] = {line.captured(3).toInt(), line.captured(4).toInt()};
    }
    return summary;
}

// Every regular file and link below dir, hidden ones too, relative to it.
QStringList entriesBelow(const QString& dir)
{
    QStringList found;
    QDirIterator it(dir, QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        found.append(QDir(dir).relativeFilePath(it.next()));
    found.sort();
    return found;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The messages of an mbox file, each from its "From " line.
QList<QByteArray> mboxMessages(const QByteArray& mbox)
{
    QList<QByteArray> messages;
    qsizetype start = mbox.startsWith("From ") ? 0 : -1;
    while (start >= 0) {
        const qsizetype next = mbox.indexOf("\n\nFrom ", start);
        messages.append(mbox.mid(start, next < 0 ? -1 : next + 2 - start));
        start = next < 0 ? -1 : next + 2;
    }
    return messages;
}

bool isSubsequence(const QList<QByteArray>& part, const QList<QByteArray>& whole)
{
    qsizetype at = 0;
    for (const QByteArray& each : part) {
        while (at < whole.size() && whole.at(at) != each)
            ++at;
        if (at++ >= whole.size())
            return false;
    }
    return true;
}

// A tmpfs of `kib` KiB mounted at `dir` for the object's lifetime.
class SmallDisk
{
public:
    SmallDisk(const QString& dir, int kib) : m_dir(dir)
    {
        QDir().mkpath(dir);
        QProcess mount;
        mount.start(QStringLiteral("mount"), {"-t", "tmpfs", "-o", QStringLiteral("size=%1k").arg(kib), "tmpfs", dir});
        m_mounted = mount.waitForFinished() && mount.exitStatus() == QProcess::NormalExit && mount.exitCode() == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {"-l", m_dir});
    }
    bool mounted() const { return m_mounted; }
    // Fills what is left of the disk with one file.
    void fill() const
    {
        QFile filler(m_dir + "/filler");
        if (filler.open(QIODevice::WriteOnly)) {
            const QByteArray block(4096, 'f');
            while (filler.write(block) == block.size() && filler.flush()) {
            }
        }
    }

private:
    QString m_dir;
    bool m_mounted = false;
};

} // namespace

class TestWriteFaults : public QObject
{
    Q_OBJECT
    TestHome m_home;
    QTemporaryDir m_scratch;
    QString m_pst;
    QString m_reference;
    QString m_sameNames;
    QString m_fromLines;
    QString m_longNames;
    int m_mails = 0;

    QString path(const QString& name) const { return m_scratch.filePath(name); }

    QString writePst(const QString& name, const QList<PstFolder>& folders)
    {
        const QString file = path(name);
        PstDescription d = description(folders);
        QString error;
        if (!PstWriter::write(d, file, &error))
            qWarning() << error;
        return file;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_scratch.isValid());
        QList<PstMessage> mails;
        for (int i = 0; i < 40; ++i)
            mails.append(mail(QStringLiteral("Mail %1").arg(i, 2, 10, QLatin1Char('0')), bodyOf(i, 3000 + 600 * (i % 7))));
        m_mails = int(mails.size());
        QList<PstMessage> contacts;
        for (int i = 0; i < 30; ++i) {
            PstMessage contact = message(PstMessage::Kind::Contact, QStringLiteral("Person %1").arg(i));
            contact.contact = {{"first_name", QStringLiteral("Person")}, {"surname", QString::number(i)},
                               {"address1", QStringLiteral("p%1@example.org").arg(i)}};
            contact.body = bodyOf(100 + i, 2000);
            contacts.append(contact);
        }
        m_pst = writePst("mailbox.pst", {folder("Inbox", "IPF.Note", mails), folder("People", "IPF.Contact", contacts)});
        m_reference = path("reference");
        const CliRunner::Result reference =
            CliRunner::run({"convert", m_pst, m_reference, "--formats", "eml,vcf,mbox,maildir", "--jobs", "1"});
        QVERIFY2(reference.status == 0, reference.out + reference.err);
    }

    void fullDiskFailsWhatItCannotWrite_data()
    {
        QTest::addColumn<QString>("formats");
        QTest::addColumn<QString>("jobs");
        QTest::addColumn<bool>("fullBefore");
        QTest::addColumn<int>("diskKib");
        QTest::newRow("eml, one process") << "eml" << "1" << false << 96;
        QTest::newRow("eml, three processes") << "eml" << "3" << false << 96;
        QTest::newRow("eml and vcf, disk full before") << "eml,vcf" << "2" << true << 64;
        QTest::newRow("mbox") << "mbox" << "1" << false << 96;
        QTest::newRow("maildir") << "maildir" << "1" << false << 96;
    }

    void fullDiskFailsWhatItCannotWrite()
    {
        QFETCH(QString, formats);
        QFETCH(QString, jobs);
        QFETCH(bool, fullBefore);
        QFETCH(int, diskKib);
        const QString disk = path(QStringLiteral("disk-%1").arg(QTest::currentDataTag()).replace(' ', '-'));
        SmallDisk small(disk, diskKib);
        if (!small.mounted())
            QSKIP("mounting a small tmpfs is not allowed here (needs root)");
        if (fullBefore)
            small.fill();
        const QString out = disk + "/out";
        const CliRunner::Result run = CliRunner::run({"convert", m_pst, out, "--formats", formats, "--jobs", jobs});
        const Summary summary = summaryOf(run);
        QVERIFY2(run.status == 1, run.out + run.err);
        QVERIFY2(summary.text.contains("failed: No space left on device"), qPrintable(summary.text));

        int written = 0, failed = 0;
        for (const QString& key : formats.split(',')) {
            QVERIFY2(summary.counts.contains(key), qPrintable(summary.text));
            written += summary.counts[key].first;
            failed += summary.counts[key].second;
        }
        QVERIFY2(failed > 0, qPrintable(summary.text));
        if (fullBefore)
            QCOMPARE(written, 0);

        // Whatever is on disk is whole: the same bytes as the roomy conversion.
        int files = 0;
        for (const QString& entry : entriesBelow(out)) {
            // Maildir++ marks its folders with an empty file.
            if (entry.endsWith("/maildirfolder"))
                continue;
            const QByteArray bytes = contents(out + "/" + entry);
            QVERIFY2(!bytes.isEmpty(), qPrintable(entry + " is empty"));
            if (entry.endsWith(".mbox")) {
                const QList<QByteArray> messages = mboxMessages(bytes);
                QVERIFY2(isSubsequence(messages, mboxMessages(contents(m_reference + "/" + entry))),
                         qPrintable(entry + " holds a message cut short"));
                files += int(messages.size());
            } else if (entry.contains("/tmp/") || entry.startsWith("tmp/")) {
                QFAIL(qPrintable(entry + ": a Maildir message was left in tmp/"));
            } else if (entry.contains("cur/")) {
                const QString reference = m_reference + "/" + entry.section('/', 0, -2);
                bool known = false;
                for (const QString& each : QDir(reference).entryList(QDir::Files))
                    known = known || contents(reference + "/" + each) == bytes;
                QVERIFY2(known, qPrintable(entry + " is not a whole message"));
                ++files;
            } else {
                QVERIFY2(contents(m_reference + "/" + entry) == bytes, qPrintable(entry + " is not whole"));
                ++files;
            }
        }
        QCOMPARE(files, written);
    }

    void sameNamedFoldersKeepEveryMail_data()
    {
        QTest::addColumn<QString>("jobs");
        QTest::newRow("one process") << "1";
        QTest::newRow("four processes") << "4";
    }

    void sameNamedFoldersKeepEveryMail()
    {
        QFETCH(QString, jobs);
        if (m_sameNames.isEmpty()) {
            // Names that clean to the same directory: "Same" five times,
            // and "..", "." and "" (each "_"); every mail has the same subject.
            QList<PstFolder> folders;
            const QStringList names{"Same", "Same", "Same", "Same", "Same", "..", ".", ""};
            for (int f = 0; f < names.size(); ++f) {
                QList<PstMessage> mails;
                for (int m = 0; m < 25; ++m)
                    mails.append(mail("Note", QStringLiteral("folder %1 mail %2\n").arg(f).arg(m)));
                folders.append(folder(names.at(f), "IPF.Note", mails));
            }
            m_sameNames = writePst("same-names.pst", folders);
        }
        const QString out = path(QStringLiteral("same-%1").arg(jobs));
        const CliRunner::Result run = CliRunner::run({"convert", m_sameNames, out, "--formats", "eml", "--jobs", jobs});
        QVERIFY2(run.status == 0, run.out + run.err);
        QCOMPARE(summaryOf(run).counts.value("eml"), std::make_pair(200, 0));
        QSet<QString> bodies;
        const QStringList entries = entriesBelow(out);
        for (const QString& entry : entries) {
            const auto found = QRegularExpression("folder \\d+ mail \\d+").match(QString::fromUtf8(contents(out + "/" + entry)));
            QVERIFY2(found.hasMatch(), qPrintable(entry));
            bodies.insert(found.captured());
        }
        QCOMPARE(entries.size(), 200);
        QCOMPARE(bodies.size(), 200);
    }

    void plantedLinksAreNeverFollowed_data()
    {
        QTest::addColumn<QString>("formats");
        QTest::addColumn<QString>("link");   // below the output folder
        QTest::addColumn<QString>("target"); // below the scratch folder "outside"
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("written"); // a file the run must have written instead
        const QString inbox = kTop + "/Inbox/";
        QTest::newRow("dangling link as a mail's name") << "eml" << inbox + "Mail 00.eml" << "mail.eml" << 0 << inbox + "Mail 00_1.eml";
        QTest::newRow("dangling link as the mailbox") << "mbox" << inbox + "Inbox.mbox" << "box" << 0 << inbox + "Inbox_1.mbox";
        QTest::newRow("link as a folder") << "eml" << kTop + "/Inbox" << "" << 0 << kTop + "/Inbox_1/Mail 00.eml";
        QTest::newRow("link as a Maildir folder") << "maildir" << "." + kTop + ".Inbox" << "" << 1 << QString();
    }

    void plantedLinksAreNeverFollowed()
    {
        QFETCH(QString, formats);
        QFETCH(QString, link);
        QFETCH(QString, target);
        QFETCH(int, status);
        QFETCH(QString, written);
        const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-');
        const QString outside = path("outside-" + tag);
        const QString out = path("links-" + tag);
        QVERIFY(QDir().mkpath(outside));
        QVERIFY(QDir().mkpath(QFileInfo(out + "/" + link).path()));
        QVERIFY(QFile::link(outside + "/" + target, out + "/" + link));
        const CliRunner::Result run = CliRunner::run({"convert", m_pst, out, "--formats", formats, "--jobs", "1"});
        QVERIFY2(run.status == status, run.out + run.err);
        QCOMPARE(QDir(outside).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot), QStringList());
        QVERIFY(QFileInfo(out + "/" + link).isSymLink());
        if (!written.isEmpty())
            QVERIFY2(!contents(out + "/" + written).isEmpty(), qPrintable(entriesBelow(out).join('\n')));
        const auto counts = summaryOf(run).counts.value(formats);
        QCOMPARE(counts.first + counts.second, m_mails);
        if (status != 0)
            QVERIFY2(run.out.contains("failed: Too many levels of symbolic links"), run.out);
    }

    void fromLinesAreQuotedInMboxOnly_data()
    {
        QTest::addColumn<QString>("formats");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray body = "From the start\n>From quoted\n>>From twice\nFrom: not a header\nplain\n";
        QTest::newRow("eml") << "eml" << body;
        QTest::newRow("maildir") << "maildir" << body;
        QTest::newRow("mbox") << "mbox" << QByteArray(">From the start\n>>From quoted\n>>>From twice\nFrom: not a header\nplain\n");
    }

    void fromLinesAreQuotedInMboxOnly()
    {
        QFETCH(QString, formats);
        QFETCH(QByteArray, expected);
        if (m_fromLines.isEmpty()) {
            m_fromLines = writePst("from-lines.pst",
                                   {folder("Inbox", "IPF.Note", {mail("Quoting", "From the start\n>From quoted\n>>From twice\nFrom: not a header\nplain\n")})});
        }
        const QString out = path("from-" + formats);
        const CliRunner::Result run = CliRunner::run({"convert", m_fromLines, out, "--formats", formats});
        QVERIFY2(run.status == 0, run.out + run.err);
        const QStringList entries = entriesBelow(out).filter(QRegularExpression("eml$|mbox$|cur/"));
        QCOMPARE(entries.size(), 1);
        const QByteArray file = contents(out + "/" + entries.first());
        QVERIFY2(file.contains("\n\n" + expected), file.constData());
        // The separator line opens an .eml and an mbox message, never a Maildir one.
        QCOMPARE(file.startsWith("From "), formats != "maildir");
    }

    void longMaildirFolderNamesAreCutAndKeptApart()
    {
        if (m_longNames.isEmpty()) {
            const QString longName = QString(120, QLatin1Char('x'));
            const QString umlauts = QString(60, QChar(0x00E4));
            m_longNames = writePst("long-names.pst",
                                   {folder(longName, "IPF.Note", {mail("Top")},
                                           {folder(umlauts + "1", "IPF.Note", {mail("One")}),
                                            folder(umlauts + "2", "IPF.Note", {mail("Two")})})});
        }
        const QString out = path("long-names");
        const CliRunner::Result run = CliRunner::run({"convert", m_longNames, out, "--formats", "maildir,eml"});
        QVERIFY2(run.status == 0, run.out + run.err);
        QCOMPARE(summaryOf(run).counts.value("maildir"), std::make_pair(3, 0));
        const QStringList folders = QDir(out).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot).filter(QRegularExpression("^\\."));
        QCOMPARE(folders.size(), 3); // the long folder and its two children, apart
        for (const QString& name : folders) {
            QVERIFY2(name.toUtf8().size() <= 255, qPrintable(name));
            QCOMPARE(QDir(out + "/" + name + "/cur").entryList(QDir::Files).size(), 1);
        }
    }

    void pdfWritesIntoStreams_data()
    {
        QTest::addColumn<QString>("target"); // "fifo", "device" or "stdout"
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("character device") << "device";
        QTest::newRow("standard output") << "stdout";
    }

    void pdfWritesIntoStreams()
    {
        QFETCH(QString, target);
        const QString item = kTop + "/Inbox/#0";
        if (target == "stdout") {
            const CliRunner::Result run = CliRunner::run({"pdf", m_pst, item, "-o", "/dev/stdout"});
            QVERIFY2(run.status == 0, run.err);
            QVERIFY(run.out.startsWith("%PDF"));
            return;
        }
        const QString node = path("pdf-" + target);
        if (target == "fifo") {
            QCOMPARE(mkfifo(QFile::encodeName(node).constData(), 0600), 0);
        } else {
            // A private copy of /dev/null: the test must not risk the real one.
            const int fd = mknod(QFile::encodeName(node).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0
                ? open(QFile::encodeName(node).constData(), O_WRONLY | O_CLOEXEC)
                : -1;
            if (fd < 0)
                QSKIP("no device node can be made and opened here (needs root and a folder without nodev)");
            close(fd);
        }
        QProcess reader;
        const QString received = node + ".received";
        if (target == "fifo") {
            reader.setStandardOutputFile(received);
            reader.start("cat", {node});
            QVERIFY(reader.waitForStarted());
        }
        const CliRunner::Result run = CliRunner::run({"pdf", m_pst, item, "-o", node});
        QVERIFY2(run.status == 0, run.err);
        struct stat info {};
        QCOMPARE(lstat(QFile::encodeName(node).constData(), &info), 0);
        QVERIFY(target == "fifo" ? S_ISFIFO(info.st_mode) : S_ISCHR(info.st_mode));
        if (target == "fifo") {
            QVERIFY(reader.waitForFinished());
            QVERIFY(contents(received).startsWith("%PDF"));
        }
    }

    void savedFilesAreWholeOrUntouched_data()
    {
        QTest::addColumn<QString>("target"); // "new", "existing", "fifo", "full disk"
        QTest::addColumn<QString>("error");
        QTest::newRow("new file") << "new" << "";
        QTest::newRow("existing file replaced") << "existing" << "";
        QTest::newRow("FIFO written into") << "fifo" << "";
        QTest::newRow("full disk keeps the old file") << "full disk" << "No space left on device";
    }

    // How a saved attachment and a printed PDF reach their file.
    void savedFilesAreWholeOrUntouched()
    {
        QFETCH(QString, target);
        QFETCH(QString, error);
        const QByteArray payload(200 * 1024, 'p');
        const QString dir = path("saved-" + target).replace(' ', '-');
        std::unique_ptr<SmallDisk> disk;
        if (target == "full disk") {
            disk = std::make_unique<SmallDisk>(dir, 128);
            if (!disk->mounted())
                QSKIP("mounting a small tmpfs is not allowed here (needs root)");
        }
        QVERIFY(QDir().mkpath(dir));
        const QString file = dir + "/saved.bin";
        if (target == "existing" || target == "full disk")
            writeFile(file, "old contents");
        QProcess reader;
        const QString received = path("received-" + target);
        if (target == "fifo") {
            QCOMPARE(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
            reader.setStandardOutputFile(received);
            reader.start("cat", {file});
            QVERIFY(reader.waitForStarted());
        }
        QCOMPARE(FileTarget::write(file, payload), error);
        if (target == "fifo") {
            QVERIFY(reader.waitForFinished());
            QCOMPARE(contents(received), payload);
            QVERIFY(QFileInfo(file).exists() && !QFileInfo(file).isFile());
        } else {
            QCOMPARE(contents(file), error.isEmpty() ? payload : QByteArray("old contents"));
            QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList{"saved.bin"});
        }
    }
};

QTEST_GUILESS_MAIN(TestWriteFaults)
#include "tst_WriteFaults.moc"
