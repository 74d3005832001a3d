// SPDX-License-Identifier: GPL-2.0-or-later
#include "ExportManager.h"

#include "CalendarBridge.h"
#include "ContactImporter.h"

#include "ExportTask.h"
#include "ExportToEml.h"
#include "ExportToIcs.h"
#include "ExportToIcs2.h"
#include "ExportToTasks.h"
#include "ExportToMaildir.h"
#include "ExportToMbox.h"
#include "ExportToTxt.h"
#include "ExportToVcf.h"
#include "ExportWorkers.h"
#include "Log.h"
#include "OutputNames.h"
#include "ProgressReporter.h"
#include "PstFolderItem.h"
#include "PstParser.h"
#include "ReparsedRecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFutureWatcher>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>
#include <optional>

namespace {

constexpr int kPoolThreadExpiryMs = 60000;

// One output format. The table's order is the order in which an item's kind
// is tested and in which reporters and exporters are created.
struct Format
{
    const char* key;
    ItemType kind;
    int poolKey;
    const char* label;
    std::shared_ptr<ExportStrategy> (*create)(bool appMode);
    // Whether the format is chosen when the caller names none.
    bool byDefault;
    // The dialog's check box; the progress label when not given.
    const char* caption = nullptr;
    // Set for formats that app mode hands to a desktop service.
    const char* appCaption = nullptr;
};

template <typename Exporter>
std::shared_ptr<ExportStrategy> make(bool appMode)
{
    return std::make_shared<Exporter>(appMode);
}

// The mailbox formats write each mail again, beside its .eml when both are
// chosen; they are chosen only when asked for.
const std::array<Format, ExportManager::kFormatCount>& formatTable()
{
    static const std::array<Format, ExportManager::kFormatCount> table{{
        {"eml", Mail, 0, "Emails", &make<ExportToEml>, true, QT_TRANSLATE_NOOP("PstExportDialog", "Mails")},
        {"vcf", Contact, 2, "Contacts", &make<ExportToVcf>, true, QT_TRANSLATE_NOOP("PstExportDialog", "Contacts"),
         QT_TRANSLATE_NOOP("PstExportDialog", "Export to the desktop address book")},
        {"ics", Calendar, 1, "Appointment", &make<ExportToIcs>, true, QT_TRANSLATE_NOOP("PstExportDialog", "Calendar"),
         QT_TRANSLATE_NOOP("PstExportDialog", "Export to the desktop calendar")},
        {"txt", Note, 5, "Note", &make<ExportToTxt>, true, QT_TRANSLATE_NOOP("PstExportDialog", "Note")},
        {"ics2", Journal, 3, "Journal", &make<ExportToIcs2>, true, QT_TRANSLATE_NOOP("PstExportDialog", "Journal")},
        {"tasks", Task, 4, "Tasks", &make<ExportToTasks>, true, QT_TRANSLATE_NOOP("PstExportDialog", "Tasks")},
        {"mbox", Mail, 6, "Mailbox", &make<ExportToMbox>, false, QT_TRANSLATE_NOOP("PstExportDialog", "Mailbox (mbox)")},
        {"maildir", Mail, 7, "Maildir", &make<ExportToMaildir>, false, QT_TRANSLATE_NOOP("PstExportDialog", "Maildir")},
    }};
    return table;
}

} // namespace

ExportManager::ExportManager(QObject* parent)
    : QObject(parent)
{
    for (const Format& format : formatTable())
        m_errors.insert(QLatin1String(format.key), 0);
    // One thread: the exporters keep per-item state, so the tasks run one
    // after the other. The walk that queues them has a thread of its own.
    QThreadPool::globalInstance()->setMaxThreadCount(1);
    QThreadPool::globalInstance()->setExpiryTimeout(kPoolThreadExpiryMs);
    m_walkPool.setMaxThreadCount(1);
}

ExportManager::~ExportManager()
{
    // Queued tasks point at this manager's token and exporters.
    if (m_pendingTasks > 0 || m_running || m_importing || !m_walkDone) {
        m_token.cancel();
        m_walkPool.waitForDone();
        QThreadPool::globalInstance()->waitForDone();
    }
    // A run that is over may still have a task on its way out: its last
    // signal emitted (the run ended on it) but the task not yet deleted.
    // Wait for every task to be gone, so none reaches this manager after.
    m_walkPool.waitForDone();
    m_taskSlots->acquire(kQueuedTasks);
    m_taskSlots->release(kQueuedTasks);
}

QString ExportManager::unreadReason()
{
    return QStringLiteral("could not be read again from the file (it changed or was damaged since it was opened)");
}

QString ExportManager::progressLabel(const QString& formatKey)
{
    for (const Format& format : formatTable()) {
        if (formatKey == QLatin1String(format.key))
            return QString::fromLatin1(format.label);
    }
    return QString();
}

ItemType ExportManager::formatKind(const QString& formatKey)
{
    for (const Format& format : formatTable()) {
        if (formatKey == QLatin1String(format.key))
            return format.kind;
    }
    return Mail;
}

QList<ExportFormat> ExportManager::formats()
{
    QList<ExportFormat> list;
    for (const Format& format : formatTable()) {
        const QString label = QString::fromLatin1(format.label);
        list.append({QString::fromLatin1(format.key), format.caption ? QString::fromLatin1(format.caption) : label,
                     label, format.create(false)->type(), QString::fromLatin1(format.appCaption), format.byDefault});
    }
    return list;
}

QList<QString> ExportManager::allFormats()
{
    QList<QString> keys;
    for (const Format& format : formatTable())
        keys.append(QString::fromLatin1(format.key));
    return keys;
}

QList<QString> ExportManager::defaultFormats()
{
    QList<QString> keys;
    for (const Format& format : formatTable()) {
        if (format.byDefault)
            keys.append(QString::fromLatin1(format.key));
    }
    return keys;
}

QString ExportManager::formatCaption(const QString& formatKey)
{
    for (const Format& format : formatTable()) {
        if (formatKey == QLatin1String(format.key))
            return QCoreApplication::translate("PstExportDialog", format.caption);
    }
    return QString();
}

void ExportManager::startExportToFiles(const std::shared_ptr<PstItem>& root, const QString& outputDir,
                                       const QList<QString>& formats)
{
    m_appMode = false;
    startRun(root, outputDir, formats);
}

void ExportManager::startExportToApp(const std::shared_ptr<PstItem>& root, const QString& scratchDir,
                                     const QList<QString>& formats)
{
    // There is no permission to ask for on this desktop: the service is
    // there on the session bus or it is not.
    if (CalendarBridge::isCalendarAuthorized() != 1) {
        emit appAccessDenied(tr("Note"), tr("The desktop calendar and address book service (Evolution Data Server) "
                                            "cannot be reached. Please make sure it is installed and that this "
                                            "program runs inside your desktop session."));
        return;
    }
    m_appMode = true;
    m_addressBook = EdsSources::addressBookFor(root ? root->pstFile().get() : nullptr);
    m_contactsFilePath.clear();
    if (formats.contains(QLatin1String("vcf"))) {
        m_contactsFilePath = QStringLiteral("%1/%2.%3").arg(scratchDir, QStringLiteral("contact"), QStringLiteral("vcf"));
        QFile::remove(m_contactsFilePath);
    }
    startRun(root, scratchDir, formats);
}

void ExportManager::setIgnoreEmptyFolder(bool ignore)
{
    m_ignoreEmptyFolder = ignore;
}

void ExportManager::cancel()
{
    Log::info(QStringLiteral("Cancel export."));
    m_token.cancel();
    m_running = false;
    if (m_workers)
        m_workers->cancel();
}

bool ExportManager::isRunning() const
{
    return m_running;
}

void ExportManager::startRun(const std::shared_ptr<PstItem>& root, const QString& outputDir,
                             const QList<QString>& formats)
{
    Log::info(QStringLiteral("Start exporting PST data."));
    m_formats = formats;
    m_runRoot = root;
    m_unread = {};
    if (!preScan(root)) {
        emit exportItemNotFound();
        return;
    }
    initReporters();
    initStrategyPool(m_appMode);
    for (const auto& strategy : std::as_const(m_strategyPool))
        strategy->beginRun(outputDir);
    const bool toApp = m_appMode;
    // Running from here on: a cancel before the walk has started must stop
    // the run, not close its dialog under it.
    m_running = true;
    if (!toApp && startWorkers(root, outputDir))
        return;
    m_walkDone = false;
    // The run ends through walkFinished and threadFinished, not through this future.
    (void)QtConcurrent::run(&m_walkPool, [this, root, outputDir, toApp] {
        Counts skipped{};
        exportFolder(root, outputDir, toApp, skipped);
        QMetaObject::invokeMethod(this, [this, skipped] { walkFinished(skipped); }, Qt::QueuedConnection);
    });
}

void ExportManager::setWorkers(int jobs, const QString& program)
{
    m_workerJobs = jobs;
    m_workerProgram = program;
}

bool ExportManager::startWorkers(const std::shared_ptr<PstItem>& root, const QString& outputDir)
{
    const auto document = std::dynamic_pointer_cast<PstFolderItem>(root);
    // Workers open the file themselves and write all of it: only a whole
    // document, read from a file, in formats they can share, is split.
    if (m_workerJobs < 2 || m_workerProgram.isEmpty() || !document || document->nodeLevel() != 0
        || document->filePath().isEmpty() || m_folderShare || !ExportWorkers::canSplit(m_formats))
        return false;
    const QList<QStringList> shares = ExportWorkers::shares(*document, m_formats, m_workerJobs, m_folderSelection);
    if (shares.size() < 2)
        return false;
    delete m_workers;
    m_workers = new ExportWorkers(this);
    connect(m_workers, &ExportWorkers::progressed, this, [this](const QString& key, int done) {
        if (const auto reporter = m_reporters.value(key))
            reporter->onProgress(done);
    });
    connect(m_workers, &ExportWorkers::finished, this, [this](const QMap<QString, int>& failed) {
        for (auto it = failed.begin(); it != failed.end(); ++it)
            m_errors[it.key()] += it.value();
        addFailureReasons(m_workers->failureReasons());
        m_walkDone = true;
        finishIfDone();
    });
    m_walkDone = false;
    m_workers->start(m_workerProgram, *document, outputDir, m_formats, shares, m_ignoreEmptyFolder);
    return true;
}

bool ExportManager::preScan(const std::shared_ptr<PstItem>& root)
{
    Log::info(QStringLiteral("Export pre-scan path."));
    m_pendingTasks = 0;
    m_scanTotals = scanFolder(root);
    Log::info(QStringLiteral("Scan results: %1 emails, %2 contacts, %3 appointments")
                  .arg(m_scanTotals[0])
                  .arg(m_scanTotals[1])
                  .arg(m_scanTotals[2]));
    for (int total : m_scanTotals) {
        if (total > 0)
            return true;
    }
    // A worker learns its share's items as it reads them.
    if (m_folderShare)
        return true;
    Log::info(QStringLiteral("Scan results is empty."));
    return false;
}

bool ExportManager::takesItemsOf(const PstFolderItem& folder) const
{
    return (!m_folderShare || !m_folderShare(folder).isEmpty()) && (!m_folderSelection || m_folderSelection(folder));
}

void ExportManager::forEachRunItem(const PstFolderItem& folder,
                                   const std::function<void(const std::shared_ptr<PstItem>&, pst_item*)>& visit) const
{
    // Items the folder holds (the window's, a document root's) are there.
    if ((!m_folderShare || folder.nodeLevel() == 0) && folder.holdsItems()) {
        for (const auto& item : folder.items())
            visit(item, nullptr);
        return;
    }
    if (folder.nodeLevel() == 0) {
        for (const auto& item : PstParser::itemsOf(folder))
            visit(item, nullptr);
        return;
    }
    // Otherwise read from the file a few at a time, each mail parsed once
    // for its writers: a folder of any size takes as little memory as a
    // small one.
    const int nodes = PstParser::itemNodeCount(folder);
    const NodeRanges ranges = m_folderShare ? m_folderShare(folder) : NodeRanges{{0, nodes}};
    const auto take = [&visit](const std::shared_ptr<PstItem>& item, pst_item* record) {
        visit(item, record);
        return true;
    };
    for (const auto& [first, end] : ranges) {
        for (int from = first; from < qMin(end, nodes); from += kItemsReadAtOnce)
            PstParser::readItemRecordsOf(folder, from, qMin(qMin(end, nodes), from + kItemsReadAtOnce), take);
    }
}

int ExportManager::itemsOfFormats(const PstFolderItem& folder) const
{
    int count = 0;
    for (const Format& format : formatTable()) {
        if (m_formats.contains(QLatin1String(format.key)))
            count += folder.itemCount(format.kind);
    }
    return count;
}

namespace {

// The kind of item a folder of Outlook's is made for, by its container class.
std::optional<ItemType> folderKind(const QString& containerClass)
{
    static const QList<std::pair<QString, ItemType>> kinds{
        {QStringLiteral("IPF.Note"), Mail},         {QStringLiteral("IPF.Imap"), Mail},
        {QStringLiteral("IPF.Contact"), Contact},   {QStringLiteral("IPF.Appointment"), Calendar},
        {QStringLiteral("IPF.Task"), Task},         {QStringLiteral("IPF.Journal"), Journal},
        {QStringLiteral("IPF.StickyNote"), Note},
    };
    for (const auto& [prefix, kind] : kinds) {
        if (containerClass.compare(prefix, Qt::CaseInsensitive) == 0 ||
            containerClass.startsWith(prefix + QLatin1Char('.'), Qt::CaseInsensitive))
            return kind;
    }
    // Folders without a class hold mail, as Outlook's own mail folders do.
    return containerClass.isEmpty() ? std::optional<ItemType>(Mail) : std::nullopt;
}

} // namespace

void ExportManager::attributeLosses(const std::shared_ptr<PstItem>& root)
{
    m_lastRunOtherLosses = FormatResult();
    const auto document = std::dynamic_pointer_cast<PstFolderItem>(root);
    const auto losses = document ? document->losses() : nullptr;
    if (!losses)
        return;
    const auto resultFor = [this](const std::weak_ptr<PstFolderItem>& weakFolder) -> FormatResult* {
        const auto folder = weakFolder.lock();
        if (folder && !takesItemsOf(*folder))
            return nullptr;
        const std::optional<ItemType> kind = folder ? folderKind(folder->folderType()) : std::nullopt;
        for (FormatResult& result : m_lastRunSummary) {
            if (kind && formatKind(result.key) == *kind)
                return &result;
        }
        return &m_lastRunOtherLosses;
    };
    for (const ParseLosses::Item& item : losses->damaged) {
        if (FormatResult* result = resultFor(item.folder))
            ++result->damaged;
    }
    for (const ParseLosses::Item& item : losses->unshown) {
        if (FormatResult* result = resultFor(item.folder))
            ++result->unshown;
    }
    for (const ParseLosses::Missing& each : losses->missing) {
        if (FormatResult* result = resultFor(each.folder))
            result->missing += each.count;
    }
}

ExportManager::Counts ExportManager::scanFolder(const std::shared_ptr<PstItem>& item) const
{
    Counts counts{};
    const auto folder = std::dynamic_pointer_cast<PstFolderItem>(item);
    if (!folder)
        return counts;
    const auto& table = formatTable();
    for (size_t i = 0; i < table.size(); ++i) {
        if (takesItemsOf(*folder) && m_formats.contains(QLatin1String(table[i].key)))
            counts[i] += folder->itemCount(table[i].kind);
    }
    for (int i = 0; i < folder->childCount(); ++i) {
        const Counts below = scanFolder(folder->child(i));
        for (size_t f = 0; f < counts.size(); ++f)
            counts[f] += below[f];
    }
    return counts;
}

QList<int> ExportManager::formatIndexesFor(const std::shared_ptr<PstItem>& item) const
{
    QList<int> indexes;
    const auto& table = formatTable();
    for (size_t i = 0; item && i < table.size(); ++i) {
        if (item->type() == table[i].kind && m_formats.contains(QLatin1String(table[i].key)))
            indexes.append(int(i));
    }
    return indexes;
}

bool ExportManager::writesIntoFolderDirectories() const
{
    // A Maildir++ tree keeps its folders at its top, not in the mirrored tree.
    for (const QString& key : m_formats) {
        if (key != QLatin1String("maildir"))
            return true;
    }
    return false;
}

void ExportManager::initReporters()
{
    m_reporters.clear();
    const auto& table = formatTable();
    for (size_t i = 0; i < table.size(); ++i) {
        const QString key = QLatin1String(table[i].key);
        if (!m_formats.contains(key))
            continue;
        auto reporter = std::make_shared<ProgressReporter>();
        m_reporters.insert(key, reporter);
        emit progressReady(QString::fromLatin1(table[i].label), reporter, m_scanTotals[i]);
    }
    Log::info(QStringLiteral("Export format: %1").arg(QStringList(m_formats).join(QLatin1Char(','))));
}

void ExportManager::initStrategyPool(bool toApp)
{
    m_strategyPool.clear();
    for (const Format& format : formatTable()) {
        if (m_formats.contains(QLatin1String(format.key)))
            m_strategyPool.insert(format.poolKey, format.create(toApp));
    }
    for (const auto& strategy : std::as_const(m_strategyPool))
        strategy->resetProcessedCount();
}

void ExportManager::exportFolder(const std::shared_ptr<PstItem>& item, const QString& outputDir, bool toApp,
                                 Counts& skipped)
{
    const auto folder = std::dynamic_pointer_cast<PstFolderItem>(item);
    if (m_token.isCancelled()) {
        // Counted as not written, as the queued tasks a cancel ends are.
        const Counts rest = scanFolder(item);
        for (size_t i = 0; i < rest.size(); ++i)
            skipped[i] += rest[i];
        return;
    }
    QDir().mkpath(outputDir);
    // Only items of the chosen formats in a chosen folder make a file here.
    const bool hadItems = folder && takesItemsOf(*folder) && itemsOfFormats(*folder) > 0 && writesIntoFolderDirectories();
    if (folder && takesItemsOf(*folder)) {
        Counts found{};
        forEachRunItem(*folder, [&](const std::shared_ptr<PstItem>& child, pst_item* record) {
            for (int index : formatIndexesFor(child)) {
                ++found[size_t(index)];
                if (m_token.isCancelled())
                    ++skipped[size_t(index)];
                else
                    // Writers change the record as they write it: the
                    // item's other formats parse it afresh.
                    queueItem(child, index, outputDir, std::exchange(record, nullptr));
            }
            ReparsedRecord::release(record);
        });
        if (m_folderShare)
            noteFound(*folder, found);
        else
            countUnread(*folder, found, skipped);
    }
    for (int i = 0; item && i < item->childCount(); ++i) {
        const auto child = item->child(i);
        if (!child)
            continue;
        // A folder name is PST data: it must not climb out of the output folder.
        const QString childDir =
            toApp ? outputDir : OutputNames::folderPath(outputDir, child->displayName());
        exportFolder(child, childDir, toApp, skipped);
    }
    // Children come first, so a chain of folders that produced nothing goes
    // from the bottom up. Tasks may not have run yet, hence the test on own items.
    if (m_ignoreEmptyFolder && !toApp && !hadItems && QDir(outputDir).isEmpty())
        QDir().rmdir(outputDir);
}

void ExportManager::countUnread(const PstFolderItem& folder, const Counts& found, Counts& skipped)
{
    const auto& table = formatTable();
    for (size_t i = 0; i < table.size(); ++i) {
        if (!m_formats.contains(QLatin1String(table[i].key)))
            continue;
        const int missing = folder.itemCount(table[i].kind) - found[i];
        if (missing <= 0)
            continue;
        skipped[i] += missing;
        m_unread[i] += missing;
        Log::warn(QStringLiteral("%1 %2 items of folder \"%3\" could not be read again from the file; they are not written.")
                      .arg(missing)
                      .arg(QLatin1String(table[i].key), folder.displayName()));
    }
}

void ExportManager::noteFound(const PstFolderItem& folder, const Counts& found)
{
    const auto& table = formatTable();
    const QString id = ExportWorkers::folderId(folder);
    // Handed to the caller's thread, where the summary is made.
    QMetaObject::invokeMethod(this, [this, id, found, &table] {
        for (size_t i = 0; i < table.size(); ++i) {
            if (!m_formats.contains(QLatin1String(table[i].key)))
                continue;
            m_found[id][QLatin1String(table[i].key)] += found[i];
        }
    }, Qt::QueuedConnection);
}

void ExportManager::queueItem(const std::shared_ptr<PstItem>& item, int formatIndex, const QString& outputDir,
                              pst_item* record)
{
    const Format& format = formatTable()[size_t(formatIndex)];
    auto* task = new ExportTask(item, m_strategyPool.value(format.poolKey), outputDir,
                                m_reporters.value(QLatin1String(format.key)).get(), &m_token,
                                m_scanTotals[size_t(formatIndex)]);
    const qint64 bytes = ReparsedRecord::approximateSize(record);
    if (record && m_heldRecordBytes + bytes <= kHeldRecordBytes) {
        m_heldRecordBytes += bytes;
        task->adoptRecord(record, bytes, &m_heldRecordBytes);
    } else {
        ReparsedRecord::release(record);
    }
    connect(task, &ExportTask::taskFinished, this, &ExportManager::threadFinished, Qt::QueuedConnection);
    // Freed on the task's thread as it is deleted, so the walk goes on meanwhile.
    m_taskSlots->acquire();
    task->holdSlot(m_taskSlots);
    ++m_pendingTasks;
    QThreadPool::globalInstance()->start(task, 0);
}

void ExportManager::threadFinished(QString formatKey, bool ok)
{
    if (!ok)
        ++m_errors[formatKey];
    --m_pendingTasks;
    finishIfDone();
}

void ExportManager::walkFinished(const Counts& skipped)
{
    const auto& table = formatTable();
    for (size_t i = 0; i < table.size(); ++i) {
        m_errors[QLatin1String(table[i].key)] += skipped[i];
        if (m_unread[i] > 0)
            m_reasons[QLatin1String(table[i].key)][unreadReason()] += m_unread[i];
    }
    m_walkDone = true;
    finishIfDone();
}

void ExportManager::finishIfDone()
{
    if (!m_walkDone || m_pendingTasks > 0)
        return;
    if (m_appMode)
        finishAppRun();
    else
        finishRun();
}

void ExportManager::finishAppRun()
{
    m_importing = true;
    // Copies: the job runs on the export thread while this manager waits.
    const QString contactsPath = m_contactsFilePath;
    const EdsSources::Target book = m_addressBook;
    const auto strategies = m_strategyPool;
    auto* watcher = new QFutureWatcher<QMap<QString, int>>(this);
    connect(watcher, &QFutureWatcher<QMap<QString, int>>::finished, this, [this, watcher] {
        const QMap<QString, int> lost = watcher->result();
        watcher->deleteLater();
        m_importing = false;
        for (auto it = lost.begin(); it != lost.end(); ++it)
            m_errors[it.key()] += it.value();
        if (!m_contactsFilePath.isEmpty())
            QFile::remove(m_contactsFilePath);
        finishRun();
    });
    // Also after a cancel: what was handed over before it is stored, and
    // counted as done only once it is.
    watcher->setFuture(QtConcurrent::run(QThreadPool::globalInstance(), [contactsPath, book, strategies] {
        QMap<QString, int> lost;
        for (const auto& strategy : strategies)
            lost[strategy->formatKey()] += strategy->finishAppRun();
        if (!contactsPath.isEmpty() && QFile::exists(contactsPath)) {
            ContactImporter::Result result;
            ContactImporter::importVCardFile(contactsPath, book, &result);
            // Appended cards the address book did not take are lost items too.
            lost[QStringLiteral("vcf")] += result.failed();
        }
        return lost;
    }));
}

void ExportManager::addFailureReasons(const QMap<QString, QMap<QString, int>>& reasons)
{
    for (auto format = reasons.begin(); format != reasons.end(); ++format) {
        for (auto reason = format->begin(); reason != format->end(); ++reason)
            m_reasons[format.key()][reason.key()] += reason.value();
    }
}

void ExportManager::finishRun()
{
    for (const auto& strategy : std::as_const(m_strategyPool))
        addFailureReasons({{strategy->formatKey(), strategy->takeFailureReasons()}});
    m_lastRunReasons = std::exchange(m_reasons, {});
    m_lastRunFound = std::exchange(m_found, {});
    m_lastRunErrors = m_errors;
    m_lastRunSummary.clear();
    const auto& table = formatTable();
    for (size_t i = 0; i < table.size(); ++i) {
        const QString key = QLatin1String(table[i].key);
        if (!m_formats.contains(key))
            continue;
        int total = m_scanTotals[i];
        if (m_folderShare) {
            total = 0;
            for (const QMap<QString, int>& found : std::as_const(m_lastRunFound))
                total += found.value(key);
        }
        m_lastRunSummary.append({key, QString::fromLatin1(table[i].label), total, m_errors.value(key)});
    }
    attributeLosses(m_runRoot);
    m_runRoot.reset();
    emit exportCompleted(m_appMode);
    m_running = false;
    Log::info(QStringLiteral("Exported error emails: %1, contacts: %2, appointments: %3")
                  .arg(m_errors.value(QStringLiteral("eml")))
                  .arg(m_errors.value(QStringLiteral("vcf")))
                  .arg(m_errors.value(QStringLiteral("ics"))));
    for (auto it = m_errors.begin(); it != m_errors.end(); ++it)
        it.value() = 0;
}
