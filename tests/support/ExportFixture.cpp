// SPDX-License-Identifier: GPL-2.0-or-later
#include "ExportFixture.h"

#include "ExportManager.h"
#include "ProgressReporter.h"
#include "PstParser.h"
#include "PstWriter.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QThreadPool>
#include <QtTest>

#include <algorithm>

namespace ExportFixture {

std::shared_ptr<PstFolderItem> writeAndOpen(const PstDescription& description, const QString& path)
{
    QString error;
    if (!PstWriter::write(description, path, &error)) {
        qWarning() << "PST writer failed:" << error;
        return nullptr;
    }
    return open(path);
}

std::shared_ptr<PstFolderItem> open(const QString& path)
{
    PstParser parser;
    if (!parser.open(path))
        return nullptr;
    return parser.parse(path);
}

std::shared_ptr<PstFolderItem> findFolder(const std::shared_ptr<PstItem>& root, const QString& name)
{
    const auto folder = std::dynamic_pointer_cast<PstFolderItem>(root);
    if (!folder)
        return nullptr;
    if (folder->displayName() == name)
        return folder;
    for (int i = 0; i < folder->childCount(); ++i) {
        if (auto found = findFolder(folder->child(i), name))
            return found;
    }
    return nullptr;
}

PstDescription description(const QList<PstFolder>& folders)
{
    PstDescription d;
    d.folders = folders;
    return d;
}

PstFolder folder(const QString& name, const QString& containerClass, const QList<PstMessage>& messages,
                 const QList<PstFolder>& folders)
{
    PstFolder f;
    f.name = name;
    f.containerClass = containerClass;
    f.messages = messages;
    f.folders = folders;
    return f;
}

PstMessage mail(const QString& subject, const QString& body)
{
    PstMessage m = message(PstMessage::Kind::Mail, subject);
    m.body = body;
    m.senderName = QStringLiteral("Ann Sender");
    m.senderAddress = QStringLiteral("ann@example.org");
    m.recipients.append(PstRecipient{QStringLiteral("Bob"), QStringLiteral("bob@example.org")});
    m.sentTime = QDateTime(QDate(2023, 5, 4), QTime(10, 30), Qt::UTC);
    return m;
}

PstMessage message(PstMessage::Kind kind, const QString& subject)
{
    PstMessage m;
    m.kind = kind;
    m.subject = subject;
    m.creationTime = QDateTime(QDate(2023, 5, 1), QTime(8, 0), Qt::UTC);
    m.modificationTime = QDateTime(QDate(2023, 5, 2), QTime(9, 15), Qt::UTC);
    return m;
}

Run runExport(const std::shared_ptr<PstItem>& root, const QString& outputDir, const QList<QString>& formats,
              bool ignoreEmptyFolders, const ReadyHook& onReady, const std::function<void(ExportManager&)> afterStart)
{
    Run run;
    ExportManager manager;
    manager.setIgnoreEmptyFolder(ignoreEmptyFolders);
    QObject::connect(&manager, &ExportManager::progressReady, &manager,
                     [&](const QString& label, std::shared_ptr<ProgressReporter> reporter, int total) {
                         run.labels.append(label);
                         run.totals.insert(label, total);
                         QObject::connect(reporter.get(), &ProgressReporter::progressUpdated, reporter.get(),
                                          [&run, label](int done) { run.progress[label].append(done); });
                         if (onReady)
                             onReady(manager, label, reporter.get());
                     });
    QObject::connect(&manager, &ExportManager::exportItemNotFound, &manager, [&run] { run.notFound = true; });
    QSignalSpy completed(&manager, &ExportManager::exportCompleted);
    manager.startExportToFiles(root, outputDir, formats);
    if (afterStart)
        afterStart(manager);
    if (!run.notFound && completed.isEmpty())
        completed.wait(300000);
    // Anything still queued (a second completion would be a fault) arrives now.
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    run.completions = int(completed.size());
    run.errors = manager.lastRunErrors();
    return run;
}

namespace {

QStringList entriesUnder(const QString& dir, QDir::Filters filters)
{
    QStringList entries;
    QDirIterator it(dir, filters | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        entries.append(QDir(dir).relativeFilePath(it.next()));
    entries.sort();
    return entries;
}

} // namespace

QStringList filesUnder(const QString& dir)
{
    return entriesUnder(dir, QDir::Files);
}

QStringList directoriesUnder(const QString& dir)
{
    return entriesUnder(dir, QDir::Dirs);
}

QJsonObject check(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral(LUMAROO_EXPORT_CHECKER)} + arguments);
    if (!process.waitForFinished(600000))
        return QJsonObject{{"error", "checker did not finish"}};
    const QByteArray output = process.readAllStandardOutput();
    const QJsonDocument document = QJsonDocument::fromJson(output);
    if (!document.isObject())
        return QJsonObject{{"error", QString::fromUtf8("checker output unreadable: " + output.left(2000)
                                                       + process.readAllStandardError())}};
    return document.object();
}

QStringList unmatched(const QJsonObject& checked, const QStringList& expected)
{
    const QStringList lines = checked.value("lines").toVariant().toStringList();
    QStringList missing;
    for (const QString& entry : expected) {
        const bool absent = entry.startsWith(QLatin1Char('!'));
        const QString start = entry.mid(absent ? 1 : 0);
        const bool found = std::any_of(lines.begin(), lines.end(), [&](const QString& line) { return line.startsWith(start); });
        if (found == absent)
            missing.append(entry);
    }
    return missing;
}

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qWarning() << "cannot write" << path;
    return path;
}

QString sha1(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
}

} // namespace ExportFixture
