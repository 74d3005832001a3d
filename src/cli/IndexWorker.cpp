// SPDX-License-Identifier: GPL-2.0-or-later
#include "IndexWorker.h"

#include "IndexProgressLine.h"
#include "IndexShares.h"
#include "IndexedItemReader.h"
#include "ItemJson.h"
#include "LossCounter.h"
#include "NodeGuard.h"
#include "PinnedFile.h"
#include "PstParser.h"
#include "SearchIndexWriter.h"

#include <QFile>
#include <QHash>

#include <cstdio>

namespace {

using Reason = IndexProgressLine::Reason;

constexpr int kProgressEvery = 50;

class Reporter
{
public:
    Reporter() { m_out.open(stdout, QIODevice::WriteOnly); }
    void progress(int done)
    {
        m_out.write(IndexProgressLine::progress(done, 0));
        m_out.flush();
    }
    int fail(Reason reason, const QString& detail)
    {
        m_out.write(IndexProgressLine::failure(reason, detail));
        m_out.flush();
        return 1;
    }

private:
    QFile m_out;
};

int itemTotal(const PstFolderItem& folder)
{
    int total = folder.itemCount();
    for (int i = 0; i < folder.childCount(); ++i) {
        if (const auto* child = dynamic_cast<const PstFolderItem*>(folder.child(i).get()))
            total += itemTotal(*child);
    }
    return total;
}

// SQLite says "database or disk is full" when the disk is.
Reason reasonOf(const SearchIndexWriter& writer)
{
    return writer.errorMessage().contains(QLatin1String("full"), Qt::CaseInsensitive) ? Reason::DiskFull : Reason::WriteFailed;
}

} // namespace

int IndexWorker::run(const QString& pstPath, int shard, int shards, const QStringList& parts)
{
    Reporter report;
    QList<IndexShares::Part> wanted;
    for (const QString& text : parts) {
        IndexShares::Part part;
        if (!IndexShares::parsePart(text, &part))
            return report.fail(Reason::WriteFailed, QStringLiteral("malformed share \"%1\"").arg(text));
        wanted.append(part);
    }
    PstParser parser;
    if (!parser.open(pstPath))
        return report.fail(Reason::FileUnreadable, QStringLiteral("%1: %2").arg(pstPath, parser.openError()));
    const std::shared_ptr<PstFolderItem> root = parser.countFolderItems(pstPath);
    if (!root)
        return report.fail(Reason::FileUnreadable, QStringLiteral("%1: the PST file's folder structure cannot be read").arg(pstPath));

    // Every folder of the file by id, with its path as `list` prints it.
    QHash<QString, std::pair<const PstFolderItem*, QString>> folders;
    folders.insert(QStringLiteral("root"), {root.get(), QString()});
    ItemJson::forEachFolder(*root, [&folders](const PstFolderItem& folder, const QString& path) {
        folders.insert(IndexShares::folderId(folder), {&folder, path});
    });

    const int total = itemTotal(*root);
    SearchIndexWriter writer(pstPath);
    if (!writer.open(shard, shards) || !writer.setTotalItems(total))
        return report.fail(reasonOf(writer), writer.errorMessage());
    pst_file* file = root->pstFile().get();
    NodeGuard guard(file);
    int done = 0;
    // Adds one item's entry; false when the shard cannot take it.
    const auto add = [&](const IndexedItem& entry) {
        if (!writer.add(entry))
            return false;
        if (++done % kProgressEvery == 0)
            report.progress(done);
        return true;
    };
    for (const IndexShares::Part& part : std::as_const(wanted)) {
        const auto found = folders.constFind(part.folderId);
        if (found == folders.constEnd())
            continue;
        const PstFolderItem& folder = *found->first;
        const QString& folderPath = found->second;
        pst_desc_tree* folderNode = folder.nodeLevel() > 0 ? folder.pstTree() : nullptr;
        if (!folderNode) {
            // The document's own items (beside a damaged tree) as the parser keeps them.
            for (const auto& item : PstParser::itemsOf(folder)) {
                if (!add(IndexedItemReader::read(*item, nullptr, folderPath)))
                    return report.fail(reasonOf(writer), writer.errorMessage());
            }
            continue;
        }
        // One item at a time, straight from libpst, each let go once written.
        int position = 0;
        for (pst_desc_tree* node = folderNode->child; node; node = node->next) {
            if (LossCounter::isFolderNode(node) || position++ % part.slices != part.slice)
                continue;
            // Damaged items are skipped as the window's open skips them.
            // The check, the parse and the entry's reads see the same bytes,
            // however the file changes meanwhile.
            const PinnedFile::Pin pin(file);
            pst_item* record = guard.isSound(node) ? pst_parse_item(file, node, nullptr) : nullptr;
            if (!record)
                continue;
            IndexedItem entry;
            const bool shown = IndexedItemReader::read(file, node, record, folderPath, &entry);
            pst_freeItem(record);
            if (shown && !add(entry))
                return report.fail(reasonOf(writer), writer.errorMessage());
        }
    }
    if (!writer.finish(total))
        return report.fail(reasonOf(writer), writer.errorMessage());
    report.progress(done);
    return 0;
}
