// SPDX-License-Identifier: GPL-2.0-or-later
#include "IndexWorker.h"

#include "IndexProgressLine.h"
#include "IndexShares.h"
#include "IndexedItemReader.h"
#include "ItemJson.h"
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
    int done = 0;
    for (const IndexShares::Part& part : std::as_const(wanted)) {
        const auto found = folders.constFind(part.folderId);
        if (found == folders.constEnd())
            continue;
        // One folder's items at a time, each let go once written.
        QList<std::shared_ptr<PstItem>> items = PstParser::itemsOf(*found->first);
        for (qsizetype i = part.slice; i < items.size(); i += part.slices) {
            const IndexedItem indexed = IndexedItemReader::read(*items.at(i), found->second);
            items[i].reset();
            if (!writer.add(indexed))
                return report.fail(reasonOf(writer), writer.errorMessage());
            if (++done % kProgressEvery == 0)
                report.progress(done);
        }
    }
    if (!writer.finish(total))
        return report.fail(reasonOf(writer), writer.errorMessage());
    report.progress(done);
    return 0;
}
