// SPDX-License-Identifier: GPL-2.0-or-later
// bench_open: writes mailboxes (20 KB bodies, a 100 KB attachment in every
// tenth mail; nested folders of 5,000 mails each, or one folder; "small": 1 KB
// bodies, no attachments, nested) and measures,
// each in a fresh process, seconds and peak resident memory of:
//   floor      libpst: open, index load, name map, folders parsed (reference)
//   walk       libpst: the same and every item parsed (reference)
//   open       our open as the window does it: folders first, then each
//              folder's items read (list fields through our own reader),
//              counted and let go
//   open-full  every item parsed by libpst and kept (the first open)
//   cli-tree   lumaroo-cli tree, against the floor
//   cli-list   lumaroo-cli list, against the walk
//
//   bench_open [--sizes 10000,100000] [--layouts nested,flat,small] [--dir FOLDER]
//
// The layout "rtf" (not run by default) is "nested" with every body kept only
// as RTF, as in Exchange caches: opening must not decode bodies, so it opens
// as fast as "nested".
//
// Files are kept in FOLDER and reused when present (default: a temporary
// folder removed at the end).

#include "../common/DescTreeWalk.h"

#include "PstFolderItem.h"
#include "PstParser.h"
#include "PstPresets.h"
#include "PstWriter.h"

#include <libpst/libpst.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdlib>
#include <sys/resource.h>

namespace {

constexpr int kMailsPerFolder = 5000;
constexpr quint64 kNodeTypeMask = 0x1F;
constexpr quint64 kNodeTypeFolder = 0x02;

double peakRssMb(int who = RUSAGE_SELF)
{
    rusage usage{};
    getrusage(who, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// "nested": folders of 5,000 mails; "flat": one folder; "small": nested, with
// 1 KB bodies and no attachments, so a million mails fit on a small disk;
// "rtf": nested, the bodies stored as RTF alone.
bool writeMailbox(const QString& path, int mails, const QString& layout)
{
    const bool nested = layout != QLatin1String("flat");
    const bool small = layout == QLatin1String("small");
    PstPresets::MailboxOptions options;
    options.mails = mails;
    options.bodyKb = small ? 1 : 20;
    options.mailsPerFolder = nested ? kMailsPerFolder : 0;
    PstPresets::MailboxOptions withAttachment = options;
    withAttachment.attachmentsPerMail = small ? 0 : 1;
    withAttachment.attachmentKb = 100;
    // Every tenth mail carries the attachment: write through the preset's
    // folder layout, choosing the options per mail.
    PstWriter writer;
    bool ok = writer.open(path, QStringLiteral("Mailbox"), true);
    int folder = -1;
    for (int i = 0; ok && i < mails; ++i) {
        if (folder < 0 || (nested && i % kMailsPerFolder == 0)) {
            const QString name = nested ? QStringLiteral("Inbox %1").arg(i / kMailsPerFolder + 1, 3, 10, QLatin1Char('0'))
                                        : QStringLiteral("Inbox");
            folder = writer.addFolder(folder < 0 ? writer.topFolder() : folder, name, QStringLiteral("IPF.Note"));
        }
        PstMessage mail = PstPresets::mailboxMail(i, i % 10 ? options : withAttachment);
        if (layout == QLatin1String("rtf")) {
            mail.rtfBody = "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}}\\f0 "
                + mail.body.toLatin1().replace('\\', "\\\\").replace('{', "\\{").replace('}', "\\}").replace('\n', "\\par ") + "}";
            mail.body.clear();
        }
        ok = writer.addMessage(folder, mail);
    }
    ok = ok && writer.close();
    if (!ok)
        QTextStream(stderr) << "bench_open: writing " << path << " failed: " << writer.errorString() << "\n";
    return ok;
}

int countItems(const PstFolderItem& folder)
{
    int count = folder.itemCount();
    for (int i = 0; i < folder.childCount(); ++i)
        count += countItems(static_cast<const PstFolderItem&>(*folder.child(i)));
    return count;
}

int measureOpen(const QString& path, bool light)
{
    QElapsedTimer timer;
    timer.start();
    PstParser parser;
    parser.setLightOpen(light);
    if (!parser.open(path))
        return 1;
    // The window's open reads each folder's items, counts them and lets them go.
    const std::shared_ptr<PstFolderItem> root = light ? parser.parseReleased(path) : parser.parse(path);
    if (!root)
        return 1;
    QTextStream(stdout) << countItems(*root) << ' ' << timer.elapsed() / 1000.0 << ' ' << peakRssMb() << "\n";
    return 0;
}

// libpst alone: folders only (the floor) or every item (the walk).
int measureLibpst(const QString& path, bool everyItem)
{
    QElapsedTimer timer;
    timer.start();
    pst_file file{};
    if (pst_open(&file, path.toLocal8Bit().constData(), nullptr) != 0 || pst_load_index(&file) != 0)
        return 1;
    pst_load_extended_attributes(&file);
    int parsed = 0;
    pst_desc_tree* node = file.d_head;
    while (node) {
        if (everyItem || (node->d_id & kNodeTypeMask) == kNodeTypeFolder) {
            if (pst_item* item = pst_parse_item(&file, node, nullptr)) {
                ++parsed;
                pst_freeItem(item);
            }
        }
        node = nextDescNode(node);
    }
    const double seconds = timer.elapsed() / 1000.0;
    const double peak = peakRssMb();
    pst_close(&file);
    QTextStream(stdout) << parsed << ' ' << seconds << ' ' << peak << "\n";
    return 0;
}

// lumaroo-cli with its output thrown away; its peak memory is this
// process's largest child's.
int measureCli(const QString& command, const QString& path)
{
    QElapsedTimer timer;
    timer.start();
    QProcess cli;
    cli.setStandardOutputFile(QProcess::nullDevice());
    cli.setStandardErrorFile(QProcess::nullDevice());
    cli.start(QStringLiteral(LUMAROO_CLI), {command, path});
    if (!cli.waitForFinished(-1) || cli.exitCode() != 0)
        return 1;
    QTextStream(stdout) << "- " << timer.elapsed() / 1000.0 << ' ' << peakRssMb(RUSAGE_CHILDREN) << "\n";
    return 0;
}

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
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2) {
        const QString& mode = args.first();
        if (mode == "--open")
            return measureOpen(args.at(1), true);
        if (mode == "--open-full")
            return measureOpen(args.at(1), false);
        if (mode == "--floor")
            return measureLibpst(args.at(1), false);
        if (mode == "--walk")
            return measureLibpst(args.at(1), true);
        if (mode == "--cli-tree")
            return measureCli(QStringLiteral("tree"), args.at(1));
        if (mode == "--cli-list")
            return measureCli(QStringLiteral("list"), args.at(1));
    }

    QList<int> sizes{10000, 100000};
    QStringList layouts{QStringLiteral("nested"), QStringLiteral("flat")};
    QString folder;
    for (int i = 0; i + 1 < args.size(); i += 2) {
        if (args.at(i) == "--sizes") {
            sizes.clear();
            for (const QString& size : args.at(i + 1).split(','))
                sizes << size.toInt();
        } else if (args.at(i) == "--layouts") {
            layouts = args.at(i + 1).split(',');
        } else if (args.at(i) == "--dir") {
            folder = args.at(i + 1);
        }
    }
    QTemporaryDir scratch;
    if (folder.isEmpty())
        folder = scratch.path();
    QDir().mkpath(folder);

    // Each measure and the reference it is read against.
    const QList<std::pair<QString, QString>> measures{
        {"floor", ""}, {"walk", ""}, {"open", "floor"}, {"open", "walk"}, {"open-full", "walk"},
        {"cli-tree", "floor"}, {"cli-list", "walk"}};
    QTextStream out(stdout);
    out << "mails\tlayout\tfile MB\tmeasure\titems\tseconds\tpeak RSS MB\treference\tref s\tratio\n";
    for (int mails : sizes) {
        for (const QString& layout : layouts) {
            const QString path = QDir(folder).filePath(QStringLiteral("mailbox-%1-%2.pst").arg(mails).arg(layout));
            if (!QFileInfo::exists(path) && !writeMailbox(path, mails, layout))
                return 1;
            const QString megabytes = QString::number(QFileInfo(path).size() / 1048576.0, 'f', 0);
            QHash<QString, QStringList> figures;
            for (const auto& [measure, reference] : measures) {
                if (!figures.contains(measure))
                    figures.insert(measure, measureInChild("--" + measure, path));
                const QStringList f = figures.value(measure);
                out << mails << '\t' << layout << '\t' << megabytes << '\t' << measure << '\t';
                if (f.size() != 3) {
                    out << "failed\n";
                    continue;
                }
                out << f.join('\t');
                if (!reference.isEmpty() && figures.value(reference).size() == 3) {
                    const double ref = figures.value(reference).at(1).toDouble();
                    out << '\t' << reference << '\t' << ref << '\t'
                        << QString::number(ref > 0 ? f.at(1).toDouble() / ref : 0, 'f', 2);
                }
                out << "\n";
                out.flush();
            }
        }
    }
    return 0;
}
