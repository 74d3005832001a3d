// SPDX-License-Identifier: GPL-2.0-or-later
// Converts generated mailboxes with lumaroo-cli and prints, for each format
// and process count, the wall time beside libpst's plain walk of every item
// of the same file (bench_open --walk, measured just before) as a ratio
// with its target, items per second, output size, and the peak resident
// memory of the run's largest process (its workers included) against its
// limit.
//
// usage: bench_convert [--shapes many,attached] [--mails N] [--attachment-kb K]
//                      [--attachment-every E] [--work DIR] [--keep]
//                      [--formats eml,mbox,maildir] [--pst FILE] [--bodies plain,rtf]
//                      [--cli PROGRAM] [--jobs 1,2]
// Shapes (both by default), each one folder of mails with 20 KB body text:
//   many      100000 mails, a 100 KB attachment in every tenth
//   attached  10000 mails, a 10 KB attachment in every one
// --mails, --attachment-kb and --attachment-every describe one shape of
// their own instead. Mailboxes are written into --work (kept there and
// reused when present with --work) or a temporary folder removed
// afterwards; --pst converts FILE instead. The outputs stay there until
// the last run is measured (about the mailboxes' text size per run). --formats defaults to eml.
// --bodies rtf writes the same mails with their bodies kept only as RTF (a
// third native RTF, a third HTML inside RTF, a third text inside RTF), as in
// Exchange caches, which every writer decodes; with "plain,rtf" both
// mailboxes are converted and each rate is printed beside the plain one.
// --cli runs another lumaroo-cli (an earlier build, for a before/after).

#include "PstWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QMap>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <memory>
#include <vector>

extern char** environ;

namespace {

constexpr int kBodyBytes = 20 * 1024;
// The targets: a conversion takes at most this many times libpst's walk,
// and no process of it holds more memory.
constexpr double kTargetOneProcess = 5.0;
constexpr double kTargetWorkers = 3.0;
constexpr double kMemoryLimitMb = 150.0;

struct Shape
{
    QString name;
    int mails = 0;
    int attachmentKb = 0;
    int attachmentEvery = 0;
};

struct ChildRun
{
    bool ok = false;
    double seconds = 0;
    // User and system time of the process and its workers.
    double cpuSeconds = 0;
    long peakRssKb = 0;
};

double cpuSecondsOf(const rusage& usage)
{
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs the program with stdout and stderr sent to /dev/null and measures its
// wall time and peak resident memory.
ChildRun runChild(const QString& program, const QStringList& args)
{
    std::vector<QByteArray> storage{program.toLocal8Bit()};
    for (const QString& arg : args)
        storage.push_back(arg.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& s : storage)
        argv.push_back(s.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    ChildRun run;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return run;
    }
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.seconds = double(timer.nsecsElapsed()) / 1e9;
    run.peakRssKb = usage.ru_maxrss;
    run.cpuSeconds = cpuSecondsOf(usage);
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

// The text as RTF of the three kinds Outlook stores, by the mail's index.
QByteArray rtfOf(const QString& text, int index)
{
    QByteArray escaped = text.toLatin1().replace('\\', "\\\\").replace('{', "\\{").replace('}', "\\}");
    escaped.replace('\n', "\\par\r\n");
    switch (index % 3) {
    case 0:
        return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}\\pard\\f0\\fs20 {\\b Report} " + escaped + "}";
    case 1:
        return "{\\rtf1\\ansi\\ansicpg1252\\fromhtml1 \\deff0{\\fonttbl{\\f0 Arial;}}{\\*\\htmltag19 <html>}"
               "{\\*\\htmltag50 <body>}{\\*\\htmltag64 <p>}\\htmlrtf {\\htmlrtf0 " + escaped
            + "}\\htmlrtf0 {\\*\\htmltag72 </p>}{\\*\\htmltag58 </body></html>}}";
    default:
        return "{\\rtf1\\ansi\\ansicpg1252\\fromtext \\deff0{\\fonttbl{\\f0 Courier;}}\\f0 " + escaped + "}";
    }
}

PstMessage benchmarkMail(const Shape& shape, int index, bool rtfBodies)
{
    PstMessage mail;
    mail.subject = QStringLiteral("Benchmark mail %1").arg(index);
    mail.senderName = QStringLiteral("Sender %1").arg(index % 97);
    mail.senderAddress = QStringLiteral("sender%1@example.org").arg(index % 97);
    mail.recipients.append(PstRecipient{QStringLiteral("Reader"), QStringLiteral("reader@example.org")});
    mail.sentTime = QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC).addSecs(qint64(index) * 600);
    QString body;
    body.reserve(kBodyBytes + 80);
    for (int line = 0; body.size() < kBodyBytes; ++line)
        body += QStringLiteral("Line %1 of mail %2: the quick brown fox jumps over the lazy dog.\n").arg(line).arg(index);
    body.truncate(kBodyBytes);
    if (rtfBodies)
        mail.rtfBody = rtfOf(body, index);
    else
        mail.body = body;
    if (shape.attachmentEvery > 0 && index % shape.attachmentEvery == 0) {
        PstAttachment attachment;
        attachment.longName = QStringLiteral("report-%1.bin").arg(index);
        attachment.mimeType = QStringLiteral("application/octet-stream");
        attachment.generatedSize = shape.attachmentKb * 1024;
        mail.attachments.append(attachment);
    }
    return mail;
}

bool writeMailbox(const QString& path, const Shape& shape, bool rtfBodies, QString* error)
{
    PstWriter writer;
    if (!writer.open(path)) {
        *error = writer.errorString();
        return false;
    }
    const int inbox = writer.addFolder(writer.topFolder(), QStringLiteral("Inbox"), QStringLiteral("IPF.Note"));
    for (int i = 0; i < shape.mails; ++i) {
        if (!writer.addMessage(inbox, benchmarkMail(shape, i, rtfBodies))) {
            *error = writer.errorString();
            return false;
        }
    }
    if (!writer.close()) {
        *error = writer.errorString();
        return false;
    }
    return true;
}

void countFiles(const QString& dir, const QString& suffix, qint64* files, qint64* bytes)
{
    *files = 0;
    *bytes = 0;
    // Maildir++ folders are hidden directories.
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (suffix.isEmpty() || it.fileName().endsWith(suffix)) {
            ++*files;
            *bytes += it.fileInfo().size();
        }
    }
}

struct Walk
{
    bool ok = false;
    double seconds = 0;
    double peakRssMb = 0;
    double cpuSeconds = 0;
};

// libpst alone parsing every item of the file, as bench_open measures it.
Walk measureWalk(const QString& pst)
{
    rusage before{};
    getrusage(RUSAGE_CHILDREN, &before);
    QProcess walk;
    walk.start(QStringLiteral(BENCH_OPEN), {QStringLiteral("--walk"), pst});
    walk.waitForFinished(-1);
    rusage after{};
    getrusage(RUSAGE_CHILDREN, &after);
    const QStringList figures = QString::fromLatin1(walk.readAllStandardOutput()).simplified().split(' ');
    Walk result;
    if (walk.exitCode() != 0 || figures.size() != 3)
        return result;
    return {true, figures.at(1).toDouble(), figures.at(2).toDouble(), cpuSecondsOf(after) - cpuSecondsOf(before)};
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QString workDir;
    bool keep = false;
    QString givenPst;
    QString program = QStringLiteral(LUMAROO_CLI);
    QStringList formats{"eml"};
    QStringList bodies{"plain"};
    QStringList shapeNames{"many", "attached"};
    QStringList jobCounts{"1", QString::number(QThread::idealThreadCount())};
    Shape custom{"custom", 0, 100, 10};
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--mails" && hasValue)
            custom.mails = args[++i].toInt();
        else if (args[i] == "--attachment-kb" && hasValue)
            custom.attachmentKb = args[++i].toInt();
        else if (args[i] == "--attachment-every" && hasValue)
            custom.attachmentEvery = args[++i].toInt();
        else if (args[i] == "--shapes" && hasValue)
            shapeNames = args[++i].split(',', Qt::SkipEmptyParts);
        else if (args[i] == "--work" && hasValue)
            workDir = args[++i];
        else if (args[i] == "--keep")
            keep = true;
        else if (args[i] == "--formats" && hasValue)
            formats = args[++i].split(',', Qt::SkipEmptyParts);
        else if (args[i] == "--pst" && hasValue)
            givenPst = args[++i];
        else if (args[i] == "--bodies" && hasValue)
            bodies = args[++i].split(',', Qt::SkipEmptyParts);
        else if (args[i] == "--cli" && hasValue)
            program = args[++i];
        else if (args[i] == "--jobs" && hasValue)
            jobCounts = args[++i].split(',', Qt::SkipEmptyParts);
    }
    QList<Shape> shapes;
    if (custom.mails > 0 || !givenPst.isEmpty()) {
        shapes.append(custom);
    } else {
        for (const QString& name : shapeNames) {
            if (name == "many")
                shapes.append({name, 100000, 100, 10});
            else if (name == "attached")
                shapes.append({name, 10000, 10, 1});
        }
    }
    if (!givenPst.isEmpty())
        bodies = QStringList{"plain"};
    bool allOk = true;
    std::unique_ptr<QTemporaryDir> temporary;
    const bool reuse = !workDir.isEmpty();
    if (workDir.isEmpty()) {
        temporary = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/bench_convert-XXXXXX");
        temporary->setAutoRemove(!keep);
        workDir = temporary->path();
    }
    QDir().mkpath(workDir);
    // Every run's output, kept until the last run is measured.
    QStringList written;
    out << "program: " << program << "\n";
    for (const Shape& shape : std::as_const(shapes)) {
        // Mails per second of each format and process count, for the plain bodies.
        QMap<QString, double> plainRates;
        for (const QString& kind : bodies) {
            const bool rtfBodies = kind == "rtf";
            const QString pst = !givenPst.isEmpty() ? givenPst
                : workDir + QStringLiteral("/mailbox-%1-%2-%3kb-every%4.pst")
                      .arg(kind).arg(shape.mails).arg(shape.attachmentKb).arg(shape.attachmentEvery);
            QElapsedTimer timer;
            timer.start();
            QString error;
            if (givenPst.isEmpty() && !(reuse && QFileInfo::exists(pst)) && !writeMailbox(pst, shape, rtfBodies, &error)) {
                out << "cannot write the mailbox: " << error << "\n";
                return 1;
            }
            const double pstMb = double(QFileInfo(pst).size()) / 1e6;
            out << QStringLiteral("mailbox %1: %2 mails, bodies %3, attachment %4 KB every %5 mail(s), %6 MB, ready in %7 s\n")
                       .arg(shape.name).arg(shape.mails).arg(kind).arg(shape.attachmentKb).arg(shape.attachmentEvery)
                       .arg(pstMb, 0, 'f', 1).arg(double(timer.elapsed()) / 1000, 0, 'f', 1);
            for (const QString& format : formats) {
                for (const QString& jobs : std::as_const(jobCounts)) {
                    // The reference is measured just before each conversion,
                    // so both see the same machine.
                    const Walk walk = measureWalk(pst);
                    out << QStringLiteral("  libpst walk of every item (reference): %1, %2 s (%3 s CPU), peak RSS %4 MB\n")
                               .arg(walk.ok ? "ok" : "FAILED").arg(walk.seconds, 0, 'f', 2).arg(walk.cpuSeconds, 0, 'f', 2)
                               .arg(walk.peakRssMb, 0, 'f', 1);
                    out.flush();
                    allOk = allOk && walk.ok;
                    const QString ours = workDir + "/lumaroo-" + shape.name + "-" + kind + "-" + format + "-" + jobs;
                    QDir(ours).removeRecursively();
                    written.append(ours);
                    const ChildRun convert = runChild(program, {"convert", pst, ours, "--formats", format, "--jobs", jobs});
                    qint64 files = 0, bytes = 0;
                    countFiles(ours, QString(), &files, &bytes);
                    const double outMb = double(bytes) / 1e6;
                    const double ratio = walk.seconds > 0 ? convert.seconds / walk.seconds : 0;
                    const double target = jobs == "1" ? kTargetOneProcess : kTargetWorkers;
                    const double peakMb = double(convert.peakRssKb) / 1024;
                    out << QStringLiteral("  convert --formats %1 --jobs %2: %3 (%4 files, %5 MB)\n")
                               .arg(format, jobs, convert.ok ? "ok" : "FAILED").arg(files).arg(outMb, 0, 'f', 1);
                    out << QStringLiteral("    %1 s = %2x the walk (target %3x: %4), %5 mails/s, %6 MB/s output\n")
                               .arg(convert.seconds, 0, 'f', 2).arg(ratio, 0, 'f', 2).arg(target, 0, 'f', 0)
                               .arg(ratio <= target ? "met" : "MISSED")
                               .arg(double(shape.mails) / convert.seconds, 0, 'f', 0)
                               .arg(outMb / convert.seconds, 0, 'f', 1);
                    // On a machine others share, processor time is the steadier measure.
                    out << QStringLiteral("    %1 s CPU in all its processes = %2x the walk's CPU\n")
                               .arg(convert.cpuSeconds, 0, 'f', 2)
                               .arg(walk.cpuSeconds > 0 ? convert.cpuSeconds / walk.cpuSeconds : 0, 0, 'f', 2);
                    out << QStringLiteral("    peak RSS of its largest process %1 MB (limit %2 MB: %3)\n")
                               .arg(peakMb, 0, 'f', 1).arg(kMemoryLimitMb, 0, 'f', 0)
                               .arg(peakMb <= kMemoryLimitMb ? "met" : "MISSED");
                    const double rate = double(shape.mails) / convert.seconds;
                    if (!rtfBodies)
                        plainRates.insert(format + jobs, rate);
                    else if (plainRates.contains(format + jobs))
                        out << QStringLiteral("    RTF bodies: %1 mails/s beside %2 mails/s for plain bodies (%3x)\n")
                                   .arg(rate, 0, 'f', 0)
                                   .arg(plainRates.value(format + jobs), 0, 'f', 0)
                                   .arg(rate / plainRates.value(format + jobs), 0, 'f', 2);
                    out.flush();
                    allOk = allOk && convert.ok;
                }
            }
        }
    }
    // Removed only now: on ext4 without a journal, a new file skips every
    // inode freed in the last minutes, one by one, so removing one run's
    // output would slow the file creation of the next run severalfold.
    if (!keep) {
        for (const QString& dir : std::as_const(written))
            QDir(dir).removeRecursively();
    }
    return allOk ? 0 : 1;
}
