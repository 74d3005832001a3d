// SPDX-License-Identifier: GPL-2.0-or-later
// pstgen: writes a PST file from a JSON description or a preset.
//   pstgen --json description.json -o out.pst
//   pstgen --preset all-kinds -o out.pst
//   pstgen --preset mailbox --mails N --attachments-per-mail K --body-kb B [--attachment-kb A]
//          [--mails-per-folder M] -o out.pst
#include "PstPresets.h"
#include "PstWriter.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <sys/resource.h>

namespace {

double peakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

int failWith(const QString& message)
{
    std::fprintf(stderr, "pstgen: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes a Unicode PST file for tests and benchmarks."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("json"), QStringLiteral("JSON description of the file."), QStringLiteral("file")},
        {QStringLiteral("preset"), QStringLiteral("all-kinds or mailbox."), QStringLiteral("name")},
        {QStringLiteral("mails"), QStringLiteral("Mailbox: number of mails."), QStringLiteral("n"), QStringLiteral("1000")},
        {QStringLiteral("attachments-per-mail"), QStringLiteral("Mailbox: attachments per mail."), QStringLiteral("k"), QStringLiteral("0")},
        {QStringLiteral("attachment-kb"), QStringLiteral("Mailbox: size of each attachment."), QStringLiteral("kb"), QStringLiteral("64")},
        {QStringLiteral("body-kb"), QStringLiteral("Mailbox: size of each plain body."), QStringLiteral("kb"), QStringLiteral("4")},
        {QStringLiteral("mails-per-folder"), QStringLiteral("Mailbox: mails per folder (0: all in Inbox)."), QStringLiteral("n"), QStringLiteral("0")},
        {QStringLiteral("permute"), QStringLiteral("Use the compressible encoding.")},
        {QStringLiteral("four-k-pages"), QStringLiteral("Outlook 2013 format: 4 KB pages, compressed blocks.")},
        {{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("Output file."), QStringLiteral("file")},
    });
    parser.process(app);
    const QString output = parser.value(QStringLiteral("output"));
    if (output.isEmpty())
        return failWith(QStringLiteral("no output file (-o)"));

    QElapsedTimer timer;
    timer.start();
    QString error;
    bool ok = false;
    const QString preset = parser.value(QStringLiteral("preset"));
    if (parser.isSet(QStringLiteral("json"))) {
        QFile file(parser.value(QStringLiteral("json")));
        if (!file.open(QIODevice::ReadOnly))
            return failWith(QStringLiteral("cannot read %1").arg(file.fileName()));
        PstDescription description;
        if (!PstDescription::fromJson(file.readAll(), &description, &error))
            return failWith(error);
        description.permute = description.permute || parser.isSet(QStringLiteral("permute"));
        description.fourKPages = description.fourKPages || parser.isSet(QStringLiteral("four-k-pages"));
        ok = PstWriter::write(description, output, &error);
    } else if (preset == QLatin1String("all-kinds")) {
        PstDescription description = PstPresets::allKinds();
        description.permute = parser.isSet(QStringLiteral("permute"));
        description.fourKPages = parser.isSet(QStringLiteral("four-k-pages"));
        ok = PstWriter::write(description, output, &error);
    } else if (preset == QLatin1String("mailbox")) {
        PstPresets::MailboxOptions options;
        options.mails = parser.value(QStringLiteral("mails")).toInt();
        options.attachmentsPerMail = parser.value(QStringLiteral("attachments-per-mail")).toInt();
        options.attachmentKb = parser.value(QStringLiteral("attachment-kb")).toInt();
        options.bodyKb = parser.value(QStringLiteral("body-kb")).toInt();
        options.mailsPerFolder = parser.value(QStringLiteral("mails-per-folder")).toInt();
        options.permute = parser.isSet(QStringLiteral("permute"));
        options.fourKPages = parser.isSet(QStringLiteral("four-k-pages"));
        ok = PstPresets::writeMailbox(output, options, &error);
    } else {
        return failWith(QStringLiteral("give --json FILE or --preset all-kinds|mailbox"));
    }
    if (!ok)
        return failWith(error);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const double megabytes = double(QFileInfo(output).size()) / (1024.0 * 1024.0);
    std::printf("wrote %s: %.1f MB in %.2f s, %.1f MB/s, peak RSS %.1f MB\n", qPrintable(output), megabytes, seconds,
                seconds > 0 ? megabytes / seconds : 0.0, peakRssMb());
    return 0;
}
