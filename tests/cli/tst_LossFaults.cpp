// SPDX-License-Identifier: GPL-2.0-or-later
// Losses caused for real and what lumaroo-cli says about them: a file that
// shrinks or is overwritten while worker processes convert it, damaged
// blocks of a file with 4 KB pages and compressed blocks, message classes
// stored with their terminating zero, items beside the top folder, and the
// command line's own limits (--jobs, the internal worker option, a session
// bus without the calendar service).

#include "CliRunner.h"
#include "PstPresets.h"
#include "PstWriter.h"
#include "TestData.h"
#include "TestHome.h"

#include <QtTest>

namespace {

QJsonObject json(const CliRunner::Result& run)
{
    return QJsonDocument::fromJson(run.out).object();
}

PstMessage mail(const QString& subject, const QString& messageClass = QString())
{
    PstMessage m;
    m.subject = subject;
    m.body = QStringLiteral("Body of %1. ").arg(subject).repeated(40);
    m.senderName = QStringLiteral("Ada");
    m.senderAddress = QStringLiteral("ada@example.org");
    m.sentTime = QDateTime(QDate(2024, 5, 6), QTime(7, 8), Qt::UTC);
    if (!messageClass.isEmpty())
        m.messageClass = messageClass;
    return m;
}

// A few folders of mails, one with an attachment, a contact and an appointment.
PstDescription smallMailbox(bool fourKPages, bool permute)
{
    PstDescription d;
    d.fourKPages = fourKPages;
    d.permute = permute;
    PstFolder inbox{QStringLiteral("Inbox"), QStringLiteral("IPF.Note"), {}, {}};
    for (int i = 0; i < 6; ++i)
        inbox.messages.append(mail(QStringLiteral("Mail %1").arg(i)));
    PstAttachment attachment;
    attachment.longName = QStringLiteral("data.bin");
    attachment.data = QByteArray("attached bytes ").repeated(500);
    inbox.messages[2].attachments = {attachment};
    PstMessage contact;
    contact.kind = PstMessage::Kind::Contact;
    contact.contact = {{"first_name", "Grace"}, {"surname", "Hopper"}};
    PstMessage appointment;
    appointment.kind = PstMessage::Kind::Appointment;
    appointment.subject = QStringLiteral("Review");
    appointment.start = QDateTime(QDate(2024, 7, 9), QTime(14, 0), Qt::UTC);
    appointment.end = appointment.start.addSecs(3600);
    PstFolder other{QStringLiteral("Other"), QStringLiteral("IPF.Note"), {contact, appointment, mail("Late")}, {}};
    d.folders = {inbox, other};
    return d;
}

// Items list shows, and those it counts as not shown.
std::pair<int, int> listCounts(const QJsonObject& list)
{
    int shown = 0;
    for (const QJsonValue& folder : list.value("folders").toArray())
        shown += int(folder.toObject().value("items").toArray().size());
    int counted = int(list.value("damaged").toArray().size() + list.value("unshown").toArray().size());
    for (const QJsonValue& missing : list.value("missing").toArray())
        counted += missing.toObject().value("count").toInt();
    return {shown, counted};
}

// Per folder path ("" for the document's own items), the items list shows.
QMap<QString, int> listedPerFolder(const QJsonObject& list)
{
    QMap<QString, int> counts;
    for (const QJsonValue& folder : list.value("folders").toArray()) {
        const QJsonObject o = folder.toObject();
        counts[o.value("path").toString()] += int(o.value("items").toArray().size());
    }
    counts.removeIf([](const auto& entry) { return entry.value() == 0; });
    return counts;
}

void addTreeCounts(const QJsonObject& folder, const QString& path, QMap<QString, int>& counts)
{
    counts[path] += folder.value("itemCount").toInt();
    for (const QJsonValue& child : folder.value("children").toArray()) {
        const QString name = child.toObject().value("displayName").toString();
        addTreeCounts(child.toObject(), path.isEmpty() ? name : path + '/' + name, counts);
    }
}

QMap<QString, int> treePerFolder(const QJsonObject& tree)
{
    QMap<QString, int> counts;
    addTreeCounts(tree, QString(), counts);
    counts.removeIf([](const auto& entry) { return entry.value() == 0; });
    return counts;
}

// "LABEL (KEY): N written, M failed" of a convert summary.
std::pair<int, int> summaryCounts(const QByteArray& out, const QString& key)
{
    const QRegularExpression line(QStringLiteral("\\(%1\\): (\\d+) written, (\\d+) failed").arg(key));
    const QRegularExpressionMatch match = line.match(QString::fromUtf8(out));
    return match.hasMatch() ? std::pair{match.captured(1).toInt(), match.captured(2).toInt()} : std::pair{-1, -1};
}

int filesBelow(const QString& dir, const QString& pattern)
{
    int count = 0;
    QDirIterator it(dir, {pattern}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++count;
    }
    return count;
}

// The offsets of the zlib-compressed blocks of a file with 4 KB pages:
// blocks start on 64-byte boundaries, and the writer compresses with the
// best compression, whose streams start with 78 DA.
QList<qint64> compressedBlocks(const QByteArray& file)
{
    QList<qint64> offsets;
    for (qint64 at = 0x4400; at + 2 < file.size(); at += 64) {
        if (quint8(file.at(at)) == 0x78 && quint8(file.at(at + 1)) == 0xDA)
            offsets.append(at);
    }
    return offsets;
}

// Sets the parent of the first message in the node B-tree's leaf pages of a
// 512-byte-page file to `parent`.
bool moveFirstMessage(QByteArray& file, quint32 parent)
{
    constexpr quint8 kNodeBTreePage = 0x81;
    constexpr quint32 kMessageNodeType = 0x04;
    for (qint64 page = 0x4400; page + 512 <= file.size(); page += 512) {
        char* bytes = file.data() + page;
        if (quint8(bytes[496]) != kNodeBTreePage || quint8(bytes[497]) != kNodeBTreePage || bytes[491] != 0)
            continue;
        for (int i = 0; i < quint8(bytes[488]); ++i) {
            char* entry = bytes + i * 32;
            if ((qFromLittleEndian<quint32>(entry) & 0x1F) == kMessageNodeType) {
                qToLittleEndian<quint32>(parent, entry + 24);
                return true;
            }
        }
    }
    return false;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

class TestLossFaults : public QObject
{
    Q_OBJECT
    TestHome m_home;
    QTemporaryDir m_scratch;

    QString writtenFile(const QString& name, const PstDescription& description)
    {
        const QString path = m_scratch.filePath(name);
        QString error;
        if (!PstWriter::write(description, path, &error))
            qWarning("%s", qPrintable(error));
        return path;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(TestData::available(), qPrintable("The shared PST files are missing at " + TestData::sharedDir()));
    }

    // The 4 KB page format as the writer makes it reads like the classic one.
    void fourKPageFilesReadLikeClassicOnes_data()
    {
        QTest::addColumn<bool>("fourKPages");
        QTest::addColumn<bool>("permute");
        QTest::newRow("512-byte pages") << false << false;
        QTest::newRow("4 KB pages") << true << false;
        QTest::newRow("4 KB pages, compressible encoding") << true << true;
    }

    void fourKPageFilesReadLikeClassicOnes()
    {
        QFETCH(bool, fourKPages);
        QFETCH(bool, permute);
        const QString file = writtenFile(QStringLiteral("format-%1-%2.ost").arg(fourKPages).arg(permute),
                                         smallMailbox(fourKPages, permute));
        QFile bytes(file);
        QVERIFY(bytes.open(QIODevice::ReadOnly));
        QCOMPARE(compressedBlocks(bytes.readAll()).isEmpty(), !fourKPages);
        const CliRunner::Result list = CliRunner::run({"list", file});
        QCOMPARE(list.status, 0);
        QCOMPARE(listCounts(json(list)), (std::pair{9, 0}));
        const QString out = m_scratch.filePath(QStringLiteral("format-out-%1-%2").arg(fourKPages).arg(permute));
        const CliRunner::Result convert = CliRunner::run({"convert", file, out, "--jobs", "1"});
        QCOMPARE(convert.status, 0);
        QCOMPARE(summaryCounts(convert.out, "eml"), (std::pair{7, 0}));
        QCOMPARE(filesBelow(out, "*.eml"), 7);
    }

    // Damaged compressed blocks made libpst copy (size_t)-1 bytes: each
    // is now an item counted as damaged (or a file that fails to open),
    // never a crash, and convert writes what list shows.
    void damagedCompressedBlocksAreCounted_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("block"); // index among the compressed blocks
        QTest::newRow("first compressed block garbled") << "garble" << 0;
        QTest::newRow("middle compressed block garbled") << "garble" << -2;
        QTest::newRow("last compressed block garbled") << "garble" << -1;
        QTest::newRow("stream cut short") << "cut" << 1;
        QTest::newRow("every compressed block garbled") << "garble-all" << 0;
        QTest::newRow("file truncated inside the last block") << "truncate" << -1;
    }

    void damagedCompressedBlocksAreCounted()
    {
        QFETCH(QString, damage);
        QFETCH(int, block);
        const QString clean = writtenFile(QStringLiteral("damage-%1.ost").arg(QTest::currentDataTag()).replace(' ', '-'),
                                          smallMailbox(true, true));
        QFile original(clean);
        QVERIFY(original.open(QIODevice::ReadOnly));
        QByteArray bytes = original.readAll();
        original.close();
        const QList<qint64> blocks = compressedBlocks(bytes);
        QVERIFY(blocks.size() > 4);
        // -1: the last block, -2: the one in the middle.
        const qint64 at = blocks.at(block >= 0 ? block : block == -1 ? blocks.size() - 1 : blocks.size() / 2);
        if (damage == "garble") {
            for (int i = 6; i < 30; ++i)
                bytes[at + i] = char(bytes.at(at + i) ^ 0x5A);
        } else if (damage == "cut") {
            // A stream that ends early: zlib wants more than the block holds.
            bytes[at + 2] = char(0x00);
            bytes[at + 3] = char(0x00);
        } else if (damage == "garble-all") {
            for (const qint64 each : blocks)
                bytes[each + 8] = char(bytes.at(each + 8) ^ 0xFF);
        } else {
            bytes.truncate(at + 20);
        }
        QVERIFY(writeFile(clean, bytes));
        const CliRunner::Result list = CliRunner::run({"list", clean});
        QVERIFY2(list.status == 0 || list.status == 1, list.err.constData());
        const QString out = m_scratch.filePath(QStringLiteral("damage-out-%1").arg(QTest::currentDataTag()).replace(' ', '-'));
        const CliRunner::Result convert = CliRunner::run({"convert", clean, out, "--jobs", "2"});
        QVERIFY2(convert.status == 0 || convert.status == 1, convert.out + convert.err);
        if (list.status != 0) {
            QCOMPARE(convert.status, 1);
            return;
        }
        const auto [shown, counted] = listCounts(json(list));
        int written = 0;
        for (const QString key : {"eml", "vcf", "ics"})
            written += qMax(0, summaryCounts(convert.out, key).first);
        QCOMPARE(written, shown);
        // A loss is said and fails the run.
        if (counted > 0 || shown < 9)
            QCOMPARE(convert.status, 1);
    }

    // A file that shrinks or is overwritten while convert reads it: what
    // was not written is counted, the run fails, and every file counted as
    // written is there, with one process or with two.
    void fileChangedDuringTheRunIsNotASuccess_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("jobs");
        for (const QString jobs : {"1", "2"}) {
            QTest::addRow("truncated to half, --jobs %s", qPrintable(jobs)) << "half" << jobs;
            QTest::addRow("truncated to its header, --jobs %s", qPrintable(jobs)) << "header" << jobs;
            QTest::addRow("second half overwritten, --jobs %s", qPrintable(jobs)) << "overwrite" << jobs;
        }
    }

    void fileChangedDuringTheRunIsNotASuccess()
    {
        QFETCH(QString, change);
        QFETCH(QString, jobs);
        constexpr int kMails = 2400;
        const QString file = m_scratch.filePath(QStringLiteral("changing.pst"));
        PstPresets::MailboxOptions options;
        options.mails = kMails;
        options.bodyKb = 6;
        options.mailsPerFolder = 200;
        QString error;
        QVERIFY2(PstPresets::writeMailbox(file, options, &error), qPrintable(error));
        const QString out = m_scratch.filePath(QStringLiteral("changing-%1-%2").arg(change, jobs));
        QProcess cli;
        cli.start(CliRunner::path(), {"convert", file, out, "--formats", "eml", "--jobs", jobs});
        QVERIFY(cli.waitForStarted());
        QElapsedTimer waited;
        waited.start();
        while (filesBelow(out, "*.eml") < 40 && cli.state() == QProcess::Running && waited.elapsed() < 120000)
            QTest::qWait(20);
        QVERIFY2(cli.state() == QProcess::Running, "the run ended before the file could be changed");
        QFile pst(file);
        if (change == "overwrite") {
            QVERIFY(pst.open(QIODevice::ReadWrite));
            pst.seek(pst.size() / 2);
            pst.write(QByteArray(int(pst.size() / 2), '\x5A'));
        } else {
            QVERIFY(pst.resize(change == "half" ? pst.size() / 2 : 0x4400));
        }
        pst.close();
        QVERIFY(cli.waitForFinished(180000));
        const QByteArray said = cli.readAllStandardOutput();
        QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
        QVERIFY2(cli.exitCode() == 1, said.constData());
        const auto [written, failed] = summaryCounts(said, "eml");
        QVERIFY2(written >= 0 && failed > 0, said.constData());
        QCOMPARE(written + failed, kMails);
        QVERIFY2(said.contains("could not be read again from the file"), said.constData());
        // Every file counted as written is on disk (a few more may have been
        // begun when their item's reading failed).
        QVERIFY2(filesBelow(out, "*.eml") >= written, said.constData());
    }

    // A contents table whose classes keep their terminating zero gave
    // tree 0 items per folder; tree and list agree on every real file too.
    void treeCountsWhatListShows_data()
    {
        QTest::addColumn<QString>("file");
        PstDescription d;
        PstFolder inbox{QStringLiteral("Inbox"), QStringLiteral("IPF.Note"), {}, {}};
        const QString nul(QChar(0));
        for (const QString& messageClass : {"IPM.Note" + nul, "IPM.Note" + nul, "IPM.Appointment" + nul,
                                            "IPM.Contact" + nul, "IPM.Note.Custom" + nul + nul})
            inbox.messages.append(mail(QStringLiteral("With %1").arg(messageClass), messageClass));
        inbox.messages[2].kind = PstMessage::Kind::Appointment;
        inbox.messages[3].kind = PstMessage::Kind::Contact;
        d.folders = {inbox};
        QTest::newRow("written, classes ending in NUL") << writtenFile(QStringLiteral("nul-classes.pst"), d);
        for (const QString& path : TestData::allPstFiles())
            QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
    }

    void treeCountsWhatListShows()
    {
        QFETCH(QString, file);
        const CliRunner::Result tree = CliRunner::run({"tree", file});
        const CliRunner::Result list = CliRunner::run({"list", file});
        QCOMPARE(tree.status, list.status);
        if (list.status != 0)
            return; // a file neither can open
        QCOMPARE(treePerFolder(json(tree)), listedPerFolder(json(list)));
        if (QTest::currentDataTag() == QLatin1String("written, classes ending in NUL"))
            QCOMPARE(listedPerFolder(json(list)).value(QStringLiteral("Top of Personal Folders/Inbox")), 5);
    }

    // Messages of a damaged tree that sit beside the top folder: convert
    // writes them at the top of its folder, so list shows them (path "")
    // and show finds them.
    void itemsBesideTheTopFolderAreListed()
    {
        constexpr quint32 kRootFolder = 0x122; // the top folder's parent
        const QString file = writtenFile(QStringLiteral("beside-top.pst"), smallMailbox(false, false));
        QFile pst(file);
        QVERIFY(pst.open(QIODevice::ReadOnly));
        QByteArray bytes = pst.readAll();
        pst.close();
        QVERIFY(moveFirstMessage(bytes, kRootFolder));
        QVERIFY(writeFile(file, bytes));

        const CliRunner::Result list = CliRunner::run({"list", file});
        QCOMPARE(list.status, 0);
        const QMap<QString, int> listed = listedPerFolder(json(list));
        QCOMPARE(listed.value(QString()), 1);
        // The mail's folder still counts it: one "missing" there.
        QCOMPARE(listCounts(json(list)), (std::pair{9, 1}));
        const CliRunner::Result tree = CliRunner::run({"tree", file});
        QCOMPARE(treePerFolder(json(tree)), listed);
        const QString out = m_scratch.filePath(QStringLiteral("beside-top-out"));
        const CliRunner::Result convert = CliRunner::run({"convert", file, out});
        QCOMPARE(convert.status, 1);
        QCOMPARE(summaryCounts(convert.out, "eml"), (std::pair{7, 0}));
        QCOMPARE(filesBelow(out, "*.eml"), 7);
        const CliRunner::Result show = CliRunner::run({"show", file, "/#0"});
        QCOMPARE(show.status, 0);
        QVERIFY(json(show).value("subject").toString().startsWith(QStringLiteral("Mail ")));
    }

    void jobsAboveWhatHelpsAreCapped_data()
    {
        QTest::addColumn<QString>("jobs");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<int>("used");
        QTest::newRow("more than folders") << "3" << "2 folder(s) with items to write" << 2;
        QTest::newRow("far more than cores") << "1000" << "2 folder(s) with items to write" << 2;
        QTest::newRow("as many as folders") << "2" << "" << 2;
    }

    void jobsAboveWhatHelpsAreCapped()
    {
        QFETCH(QString, jobs);
        QFETCH(QString, reason);
        QFETCH(int, used);
        const QString file = writtenFile(QStringLiteral("jobs.pst"), smallMailbox(false, false));
        const QString out = m_scratch.filePath(QStringLiteral("jobs-%1").arg(jobs));
        const CliRunner::Result convert = CliRunner::run({"convert", file, out, "--jobs", jobs});
        QCOMPARE(convert.status, 0);
        QCOMPARE(summaryCounts(convert.out, "eml"), (std::pair{7, 0}));
        const QString note = QStringLiteral("lumaroo-cli convert: --jobs %1 is more than can help here (%2); using %3\n")
                                 .arg(jobs, reason)
                                 .arg(used);
        if (reason.isEmpty())
            QVERIFY2(!convert.err.contains("more than can help"), convert.err.constData());
        else
            QVERIFY2(QString::fromUtf8(convert.err).contains(note), convert.err.constData());
    }

    // Far more than cores, with enough folders to take them all.
    void jobsAreCappedAtFourPerCore()
    {
        const int cores = qMax(1, QThread::idealThreadCount());
        PstDescription d;
        for (int i = 0; i < 4 * cores + 3; ++i)
            d.folders.append(PstFolder{QStringLiteral("F%1").arg(i), QStringLiteral("IPF.Note"), {mail("M")}, {}});
        const QString file = writtenFile(QStringLiteral("many-folders.pst"), d);
        const CliRunner::Result convert =
            CliRunner::run({"convert", file, m_scratch.filePath("many-out"), "--jobs", "500", "--formats", "eml"});
        QCOMPARE(convert.status, 0);
        QVERIFY2(QString::fromUtf8(convert.err)
                     .contains(QStringLiteral("--jobs 500 is more than can help here (%1 processor cores); using %2\n")
                                   .arg(cores)
                                   .arg(4 * cores)),
                 convert.err.constData());
        QCOMPARE(summaryCounts(convert.out, "eml"), (std::pair{int(d.folders.size()), 0}));
    }

    // The worker option is lumaroo's own: hidden from the help, refused
    // without the token its parent gives.
    void workerOptionIsRefusedWithoutItsToken_data()
    {
        QTest::addColumn<QByteArray>("token");
        QTest::newRow("no token") << QByteArray();
        QTest::newRow("a made-up token") << QByteArray("0123456789abcdef0123456789abcdef");
    }

    void workerOptionIsRefusedWithoutItsToken()
    {
        QFETCH(QByteArray, token);
        const QString file = writtenFile(QStringLiteral("worker.pst"), smallMailbox(false, false));
        const QString out = m_scratch.filePath(QStringLiteral("worker-out"));
        if (!token.isEmpty())
            qputenv("LUMAROO_WORKER_TOKEN", token);
        const CliRunner::Result run = CliRunner::run({"convert", file, out, "--worker-folders", "root"});
        qunsetenv("LUMAROO_WORKER_TOKEN");
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains("unknown option --worker-folders"), run.err.constData());
        QVERIFY(!run.out.contains("result"));
        QVERIFY(!QDir(out).exists() || QDir(out).isEmpty());
        for (const QStringList& help : {QStringList{"--help"}, QStringList{"convert", "--help"}}) {
            const CliRunner::Result shown = CliRunner::run(help);
            QCOMPARE(shown.status, 0);
            QVERIFY(!(shown.out + shown.err).contains("--worker"));
        }
    }

    // A session bus without Evolution Data Server: export says the service
    // cannot be reached, stores nothing and fails at once.
    void exportWithoutTheCalendarServiceSaysSo()
    {
        const QString dbusRunSession = QStandardPaths::findExecutable("dbus-run-session");
        if (dbusRunSession.isEmpty())
            QSKIP("dbus-run-session is not installed");
        // A bus that can start no service at all.
        const QString config = m_scratch.filePath(QStringLiteral("bare-bus.conf"));
        QVERIFY(writeFile(config, "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\" "
                                  "\"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                                  "<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen>"
                                  "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                                  "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n"));
        const QString file = writtenFile(QStringLiteral("export.pst"), smallMailbox(false, false));
        QProcess run;
        run.start(dbusRunSession, {"--config-file=" + config, "--", CliRunner::path(), "export", file});
        QElapsedTimer timer;
        timer.start();
        QVERIFY(run.waitForFinished(60000));
        QCOMPARE(run.exitCode(), 1);
        const QByteArray err = run.readAllStandardError();
        QVERIFY2(err.contains("cannot be reached"), err.constData());
        QVERIFY2(!run.readAllStandardOutput().contains("stored"), "nothing is stored");
    }
};

QTEST_MAIN(TestLossFaults)
#include "tst_LossFaults.moc"
