// SPDX-License-Identifier: GPL-2.0-or-later
// Converts a generated mailbox with lumaroo-cli, once per format (.eml, one
// mbox per folder, a Maildir++ tree), and prints items per second, output
// size, MB per second and peak resident memory of each; the one-file-per-item
// formats once in one process (the reference) and once with a worker process
// per core, with the speed-up.
//
// usage: bench_convert [--mails N] [--work DIR] [--keep] [--formats eml,mbox,maildir] [--pst FILE]
//                      [--bodies plain,rtf]
// Defaults: 100000 mails of 20 KB body text, every tenth with one 100 KB
// attachment, in a temporary folder removed afterwards; --pst converts FILE
// instead of writing a mailbox (N is then only used for the rates).
// --bodies rtf writes the same mails with their bodies kept only as RTF (a
// third native RTF, a third HTML inside RTF, a third text inside RTF), as in
// Exchange caches, which every writer decodes; with "plain,rtf" both
// mailboxes are converted and each rate is printed beside the plain one.

#include "PstWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
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
constexpr int kAttachmentBytes = 100 * 1024;
constexpr int kAttachmentEvery = 10;

struct ChildRun
{
    bool ok = false;
    double seconds = 0;
    long peakRssKb = 0;
};

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

PstMessage benchmarkMail(int index, bool rtfBodies)
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
    if (index % kAttachmentEvery == 0) {
        PstAttachment attachment;
        attachment.longName = QStringLiteral("report-%1.bin").arg(index);
        attachment.mimeType = QStringLiteral("application/octet-stream");
        attachment.generatedSize = kAttachmentBytes;
        mail.attachments.append(attachment);
    }
    return mail;
}

bool writeMailbox(const QString& path, int mails, bool rtfBodies, QString* error)
{
    PstWriter writer;
    if (!writer.open(path)) {
        *error = writer.errorString();
        return false;
    }
    const int inbox = writer.addFolder(writer.topFolder(), QStringLiteral("Inbox"), QStringLiteral("IPF.Note"));
    for (int i = 0; i < mails; ++i) {
        if (!writer.addMessage(inbox, benchmarkMail(i, rtfBodies))) {
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

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    int mails = 100000;
    QString workDir;
    bool keep = false;
    QString givenPst;
    QStringList formats{"eml", "mbox", "maildir"};
    QStringList bodies{"plain"};
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == "--mails" && i + 1 < args.size())
            mails = args[++i].toInt();
        else if (args[i] == "--work" && i + 1 < args.size())
            workDir = args[++i];
        else if (args[i] == "--keep")
            keep = true;
        else if (args[i] == "--formats" && i + 1 < args.size())
            formats = args[++i].split(',', Qt::SkipEmptyParts);
        else if (args[i] == "--pst" && i + 1 < args.size())
            givenPst = args[++i];
        else if (args[i] == "--bodies" && i + 1 < args.size())
            bodies = args[++i].split(',', Qt::SkipEmptyParts);
    }
    if (!givenPst.isEmpty())
        bodies = QStringList{"plain"};
    bool allOk = true;
    std::unique_ptr<QTemporaryDir> temporary;
    if (workDir.isEmpty()) {
        temporary = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/bench_convert-XXXXXX");
        temporary->setAutoRemove(!keep);
        workDir = temporary->path();
    }
    QDir().mkpath(workDir);
    // Mails per second of each format and process count, for the plain bodies.
    QMap<QString, double> plainRates;
    for (const QString& kind : bodies) {
        const bool rtfBodies = kind == "rtf";
        const QString pst = givenPst.isEmpty() ? workDir + "/mailbox-" + kind + ".pst" : givenPst;

        QElapsedTimer timer;
        timer.start();
        QString error;
        if (givenPst.isEmpty() && !writeMailbox(pst, mails, rtfBodies, &error)) {
            out << "cannot write the mailbox: " << error << "\n";
            return 1;
        }
        const double pstMb = double(QFileInfo(pst).size()) / 1e6;
        out << QStringLiteral("mailbox: %1 mails, bodies %2, %3 MB, written in %4 s\n")
                   .arg(mails).arg(kind).arg(pstMb, 0, 'f', 1).arg(double(timer.elapsed()) / 1000, 0, 'f', 1);
        out.flush();
        const QString cores = QString::number(QThread::idealThreadCount());
        for (const QString& format : formats) {
            const bool splits = format != "mbox" && format != "maildir";
            double reference = 0;
            for (const QString& jobs : splits ? QStringList{"1", cores} : QStringList{"1"}) {
                const QString ours = workDir + "/lumaroo-" + format + "-" + jobs;
                const ChildRun convert =
                    runChild(QStringLiteral(LUMAROO_CLI), {"convert", pst, ours, "--formats", format, "--jobs", jobs});
                qint64 files = 0, bytes = 0;
                countFiles(ours, QString(), &files, &bytes);
                const double outMb = double(bytes) / 1e6;
                if (jobs == "1")
                    reference = convert.seconds;
                out << QStringLiteral("lumaroo-cli convert --formats %1 --jobs %2: %3 (%4 files, %5 MB)\n")
                           .arg(format, jobs, convert.ok ? "ok" : "FAILED").arg(files).arg(outMb, 0, 'f', 1);
                out << QStringLiteral("  %1 s, %2 mails/s, %3 MB/s output, peak RSS %4 MB, %5x one process\n")
                           .arg(convert.seconds, 0, 'f', 2)
                           .arg(double(mails) / convert.seconds, 0, 'f', 0)
                           .arg(outMb / convert.seconds, 0, 'f', 1)
                           .arg(double(convert.peakRssKb) / 1024, 0, 'f', 1)
                           .arg(reference / convert.seconds, 0, 'f', 2);
                const double rate = double(mails) / convert.seconds;
                if (!rtfBodies)
                    plainRates.insert(format + jobs, rate);
                else if (plainRates.contains(format + jobs))
                    out << QStringLiteral("  RTF bodies: %1 mails/s beside %2 mails/s for plain bodies (%3x)\n")
                               .arg(rate, 0, 'f', 0)
                               .arg(plainRates.value(format + jobs), 0, 'f', 0)
                               .arg(rate / plainRates.value(format + jobs), 0, 'f', 2);
                out.flush();
                allOk = allOk && convert.ok;
                // Each output is as large as the mailbox's text: keep one at a time.
                if (!keep)
                    QDir(ours).removeRecursively();
            }
        }
    }
    return allOk ? 0 : 1;
}
