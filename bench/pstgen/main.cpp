// SPDX-License-Identifier: GPL-2.0-or-later
// Writes a 1 GB mailbox with the PST writer and prints its throughput and
// peak memory. Not run by ctest: run it by hand (optionally give the size in MB).
#include "PstPresets.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int kAttachmentKb = 96;
constexpr int kBodyKb = 4;

double peakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int targetMb = argc > 1 ? QByteArray(argv[1]).toInt() : 1024;
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot create a temporary folder\n");
        return 1;
    }
    PstPresets::MailboxOptions options;
    options.attachmentsPerMail = 1;
    options.attachmentKb = kAttachmentKb;
    options.bodyKb = kBodyKb;
    // A mail takes about its attachment, its UTF-16 body and a few kilobytes of structure.
    options.mails = targetMb * 1024 / (kAttachmentKb + 2 * kBodyKb + 3);
    const QString path = dir.filePath(QStringLiteral("bench.pst"));
    QElapsedTimer timer;
    timer.start();
    QString error;
    if (!PstPresets::writeMailbox(path, options, &error)) {
        std::fprintf(stderr, "writing failed: %s\n", qPrintable(error));
        return 1;
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const double megabytes = double(QFileInfo(path).size()) / (1024.0 * 1024.0);
    std::printf("pstgen mailbox: %d mails, %.1f MB in %.2f s: %.1f MB/s, %.0f mails/s, peak RSS %.1f MB\n",
                options.mails, megabytes, seconds, megabytes / seconds, options.mails / seconds, peakRssMb());
    return 0;
}
