// SPDX-License-Identifier: GPL-2.0-or-later
// bench_parse: writes mailboxes of 10,000 and 100,000 mails (20 KB bodies,
// every tenth mail with a 32 KB attachment), then opens and parses each in a
// fresh process, once through the item tree and once through libpff visiting
// every item, and prints seconds and peak resident memory.
//
//   bench_parse [--sizes 10000,100000] [--dir FOLDER]
//
// Files are written to FOLDER (kept, and reused when present) or to a
// temporary folder removed at the end.

#include "PstFolderItem.h"
#include "PstParser.h"
#include "PstPresets.h"
#include "PstWriter.h"

#include <libpff.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/resource.h>

namespace {

constexpr int kBodyKb = 20;
constexpr int kAttachmentKb = 32;
constexpr int kMailsPerAttachment = 10;

double peakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

bool writeMailbox(const QString& path, int mails)
{
    PstPresets::MailboxOptions plain;
    plain.bodyKb = kBodyKb;
    plain.attachmentsPerMail = 0;
    PstPresets::MailboxOptions withAttachment = plain;
    withAttachment.attachmentsPerMail = 1;
    withAttachment.attachmentKb = kAttachmentKb;

    PstWriter writer;
    bool ok = writer.open(path, QStringLiteral("Mailbox"), true);
    const int inbox = ok ? writer.addFolder(writer.topFolder(), QStringLiteral("Inbox"), QStringLiteral("IPF.Note")) : -1;
    for (int i = 0; ok && i < mails; ++i)
        ok = writer.addMessage(inbox, PstPresets::mailboxMail(i, i % kMailsPerAttachment ? plain : withAttachment));
    ok = ok && writer.close();
    if (!ok)
        QTextStream(stderr) << "bench_parse: writing " << path << " failed: " << writer.errorString() << "\n";
    return ok;
}

int countItems(const PstFolderItem& folder)
{
    int count = folder.itemCount();
    for (int i = 0; i < folder.childCount(); ++i)
        count += countItems(static_cast<const PstFolderItem&>(*folder.child(i)));
    return count;
}

// The item tree, as the window builds it. Prints "items seconds peak-MB".
int measureOurs(const QString& path)
{
    QElapsedTimer timer;
    timer.start();
    PstParser parser;
    std::shared_ptr<PstFolderItem> root = parser.open(path) ? parser.parse(path) : nullptr;
    if (!root)
        return 1;
    const double seconds = timer.elapsed() / 1000.0;
    QTextStream(stdout) << countItems(*root) << ' ' << seconds << ' ' << peakRssMb() << "\n";
    return 0;
}

// Reads what the item list shows of a message: class, subject, sender.
void visitMessage(libpff_item_t* message)
{
    static const uint32_t entries[] = {0x001A, 0x0037, 0x0042, 0x0065, 0x0E04, 0x0E03};
    for (uint32_t entry : entries) {
        size_t size = 0;
        if (libpff_message_get_entry_value_utf8_string_size(message, entry, &size, nullptr) == 1 && size > 0) {
            QByteArray buffer(int(size), '\0');
            libpff_message_get_entry_value_utf8_string(message, entry, reinterpret_cast<uint8_t*>(buffer.data()),
                                                       size, nullptr);
        }
    }
    int attachments = 0;
    libpff_message_get_number_of_attachments(message, &attachments, nullptr);
}

int visitFolder(libpff_item_t* folder)
{
    int visited = 0;
    int count = 0;
    if (libpff_folder_get_number_of_sub_messages(folder, &count, nullptr) == 1) {
        for (int i = 0; i < count; ++i) {
            libpff_item_t* message = nullptr;
            if (libpff_folder_get_sub_message(folder, i, &message, nullptr) != 1)
                continue;
            visitMessage(message);
            libpff_item_free(&message, nullptr);
            ++visited;
        }
    }
    count = 0;
    if (libpff_folder_get_number_of_sub_folders(folder, &count, nullptr) == 1) {
        for (int i = 0; i < count; ++i) {
            libpff_item_t* sub = nullptr;
            if (libpff_folder_get_sub_folder(folder, i, &sub, nullptr) != 1)
                continue;
            visited += visitFolder(sub);
            libpff_item_free(&sub, nullptr);
        }
    }
    return visited;
}

// libpff visiting every item. Prints "items seconds peak-MB".
int measureLibpff(const QString& path)
{
    QElapsedTimer timer;
    timer.start();
    libpff_file_t* file = nullptr;
    if (libpff_file_initialize(&file, nullptr) != 1
        || libpff_file_open(file, path.toLocal8Bit().constData(), LIBPFF_ACCESS_FLAG_READ, nullptr) != 1)
        return 1;
    libpff_item_t* root = nullptr;
    int visited = 0;
    if (libpff_file_get_root_folder(file, &root, nullptr) == 1) {
        visited = visitFolder(root);
        libpff_item_free(&root, nullptr);
    }
    const double seconds = timer.elapsed() / 1000.0;
    const double peak = peakRssMb();
    libpff_file_close(file, nullptr);
    libpff_file_free(&file, nullptr);
    QTextStream(stdout) << visited << ' ' << seconds << ' ' << peak << "\n";
    return 0;
}

// Runs this program again to measure one reader in a fresh process.
QStringList measureInChild(const QString& mode, const QString& path)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {mode, path});
    child.waitForFinished(-1);
    return QString::fromLatin1(child.readAllStandardOutput()).simplified().split(' ');
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    qputenv("HOME", QDir::tempPath().toLocal8Bit()); // keep the log out of the user's folder
    QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args.first() == "--ours")
        return measureOurs(args.at(1));
    if (args.size() == 2 && args.first() == "--libpff")
        return measureLibpff(args.at(1));

    QList<int> sizes{10000, 100000};
    QString folder;
    for (int i = 0; i + 1 < args.size(); i += 2) {
        if (args.at(i) == "--sizes") {
            sizes.clear();
            for (const QString& size : args.at(i + 1).split(','))
                sizes << size.toInt();
        } else if (args.at(i) == "--dir") {
            folder = args.at(i + 1);
        }
    }
    QTemporaryDir scratch;
    if (folder.isEmpty())
        folder = scratch.path();
    QDir().mkpath(folder);

    QTextStream out(stdout);
    out << "mails\tfile MB\treader\titems\tseconds\tpeak RSS MB\n";
    for (int mails : sizes) {
        const QString path = QDir(folder).filePath(QStringLiteral("mailbox-%1.pst").arg(mails));
        if (!QFileInfo::exists(path) && !writeMailbox(path, mails))
            return 1;
        const QString megabytes = QString::number(QFileInfo(path).size() / 1048576.0, 'f', 0);
        for (const auto& [mode, name] : {std::pair{"--ours", "item tree"}, std::pair{"--libpff", "libpff"}}) {
            const QStringList figures = measureInChild(mode, path);
            if (figures.size() != 3) {
                out << mails << '\t' << megabytes << '\t' << name << "\tfailed\n";
                continue;
            }
            out << mails << '\t' << megabytes << '\t' << name << '\t' << figures.join('\t') << "\n";
            out.flush();
        }
    }
    return 0;
}
