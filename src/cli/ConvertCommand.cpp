// SPDX-License-Identifier: GPL-2.0-or-later
#include "ConvertCommand.h"

#include "CliDocument.h"
#include "ExportManager.h"
#include "LossReport.h"
#include "OutputFolderCheck.h"
#include "ProgressReporter.h"

#include <QDir>
#include <QEventLoop>
#include <QTextStream>

#include <cstdio>
#include <unistd.h>

namespace {

constexpr int kBarWidth = 30;

struct Options
{
    QString pstPath;
    QString outputDir;
    QList<QString> formats = ExportManager::defaultFormats();
    bool keepEmptyFolders = false;
};

int usage(const QString& problem = QString())
{
    QTextStream err(stderr);
    if (!problem.isEmpty())
        err << "lumaroo-cli convert: " << problem << "\n";
    err << "usage: lumaroo-cli convert FILE.pst OUTDIR [--formats eml,vcf,ics,txt,ics2,tasks,mbox,maildir] [--keep-empty-folders]\n";
    return 2;
}

bool parseFormats(const QString& list, QList<QString>* formats, QString* problem)
{
    formats->clear();
    for (const QString& key : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (!ExportManager::allFormats().contains(key)) {
            *problem = QStringLiteral("unknown format \"%1\"").arg(key);
            return false;
        }
        if (!formats->contains(key))
            formats->append(key);
    }
    if (formats->isEmpty())
        *problem = QStringLiteral("--formats needs at least one format");
    return !formats->isEmpty();
}

bool parseOptions(QStringList args, Options* options, QString* problem)
{
    QStringList positional;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == QLatin1String("--keep-empty-folders")) {
            options->keepEmptyFolders = true;
        } else if (arg == QLatin1String("--formats") || arg.startsWith(QLatin1String("--formats="))) {
            if (arg == QLatin1String("--formats") && args.isEmpty()) {
                *problem = QStringLiteral("--formats needs a value");
                return false;
            }
            const QString list = arg.contains(QLatin1Char('=')) ? arg.section(QLatin1Char('='), 1) : args.takeFirst();
            if (!parseFormats(list, &options->formats, problem))
                return false;
        } else if (arg.startsWith(QLatin1String("--"))) {
            *problem = QStringLiteral("unknown option %1").arg(arg);
            return false;
        } else {
            positional.append(arg);
        }
    }
    if (positional.size() != 2) {
        *problem = QStringLiteral("expected FILE.pst and OUTDIR");
        return false;
    }
    options->pstPath = positional.at(0);
    options->outputDir = QDir::cleanPath(QDir::current().absoluteFilePath(positional.at(1)));
    return true;
}

// The progress of each format of the run, as bars redrawn in place on a
// terminal or as one plain line per change elsewhere.
class ProgressDisplay
{
public:
    explicit ProgressDisplay(bool terminal) : m_terminal(terminal), m_out(stdout) {}

    int addFormat(const QString& label, int total)
    {
        m_rows.append(Row{label, total, 0});
        if (m_terminal)
            m_out << line(m_rows.last()) << "\n" << Qt::flush;
        return int(m_rows.size()) - 1;
    }

    void update(int row, int done)
    {
        m_rows[row].done = done;
        if (!m_terminal) {
            m_out << line(m_rows[row]) << "\n" << Qt::flush;
            return;
        }
        // Back to the first bar, then every bar again.
        m_out << "\033[" << m_rows.size() << "A";
        for (const Row& each : std::as_const(m_rows))
            m_out << "\r\033[K" << line(each) << "\n";
        m_out << Qt::flush;
    }

    struct Row
    {
        QString label;
        int total = 0;
        int done = 0;
    };
    const QList<Row>& rows() const { return m_rows; }

private:
    QString line(const Row& row) const
    {
        const QString counts = QStringLiteral("%1/%2").arg(row.done).arg(row.total);
        if (!m_terminal)
            return QStringLiteral("%1: %2").arg(row.label, counts);
        const int filled = row.total > 0 ? int(qint64(row.done) * kBarWidth / row.total) : kBarWidth;
        const QString bar = QString(filled, QLatin1Char('#')) + QString(kBarWidth - filled, QLatin1Char('-'));
        return QStringLiteral("%1 [%2] %3").arg(row.label, -12).arg(bar, counts);
    }

    bool m_terminal;
    QTextStream m_out;
    QList<Row> m_rows;
};

// Items written and failed per format; true when nothing failed.
bool printSummary(const ProgressDisplay& display, const QMap<QString, int>& errors, const QList<QString>& formats,
                  const QString& verb)
{
    QTextStream out(stdout);
    bool allWritten = true;
    int row = 0;
    for (const QString& key : ExportManager::allFormats()) {
        if (!formats.contains(key))
            continue;
        const auto& counts = display.rows().at(row++);
        const int failed = errors.value(key);
        allWritten = allWritten && failed == 0;
        out << QStringLiteral("%1 (%2): %3 %4, %5 failed\n")
                   .arg(counts.label, key)
                   .arg(counts.total - failed)
                   .arg(verb)
                   .arg(failed);
    }
    return allWritten;
}

} // namespace

int ConvertCommand::run(const QStringList& args)
{
    Options options;
    QString problem;
    if (!parseOptions(args, &options, &problem))
        return usage(problem);
    const auto root = CliDocument::open(options.pstPath);
    if (!root)
        return 1;

    const QString outputProblem = OutputFolderCheck::prepare(options.outputDir);
    if (!outputProblem.isEmpty()) {
        QTextStream(stderr) << "lumaroo-cli convert: " << outputProblem << "\n";
        return 1;
    }
    ExportManager manager;
    manager.setIgnoreEmptyFolder(!options.keepEmptyFolders);
    return execute(
        manager, [&] { manager.startExportToFiles(root, options.outputDir, options.formats); }, options.formats,
        QStringLiteral("Nothing to convert: %1 has no item of the chosen formats.").arg(options.pstPath),
        QStringLiteral("written"), *root);
}

int ConvertCommand::execute(ExportManager& manager, const std::function<void()>& start, const QList<QString>& formats,
                            const QString& nothingToDoMessage, const QString& doneVerb, const PstFolderItem& root)
{
    ProgressDisplay display(isatty(fileno(stdout)) != 0);
    QEventLoop loop;
    bool nothingToDo = false;
    bool denied = false;
    QObject::connect(&manager, &ExportManager::progressReady, &manager,
                     [&display](const QString& label, std::shared_ptr<ProgressReporter> reporter, int total) {
                         const int row = display.addFormat(label, total);
                         QObject::connect(reporter.get(), &ProgressReporter::progressUpdated, reporter.get(),
                                          [&display, row](int done) { display.update(row, done); });
                     });
    QObject::connect(&manager, &ExportManager::exportItemNotFound, &manager, [&nothingToDo] { nothingToDo = true; });
    QObject::connect(&manager, &ExportManager::appAccessDenied, &manager, [&denied](const QString&, const QString& text) {
        QTextStream(stderr) << text << "\n";
        denied = true;
    });
    QObject::connect(&manager, &ExportManager::exportCompleted, &loop, &QEventLoop::quit);
    start();
    if (denied)
        return 1;
    if (nothingToDo) {
        QTextStream(stdout) << nothingToDoMessage << "\n" << LossReport::summary(root);
        return LossReport::lostCount(root) == 0 ? 0 : 1;
    }
    loop.exec();
    const bool allDone = printSummary(display, manager.lastRunErrors(), formats, doneVerb);
    QTextStream(stdout) << LossReport::summary(root);
    return allDone && LossReport::lostCount(root) == 0 ? 0 : 1;
}
