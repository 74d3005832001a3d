// SPDX-License-Identifier: GPL-2.0-or-later
#include "ProgressDisplay.h"

#include "ExportManager.h"

#include <cstdio>

namespace {

constexpr int kBarWidth = 30;

} // namespace

ProgressDisplay::ProgressDisplay(bool terminal) : m_terminal(terminal), m_out(stdout)
{
}

int ProgressDisplay::addFormat(const QString& label, int total)
{
    m_rows.append(Row{label, total, 0});
    if (m_terminal)
        m_out << line(m_rows.last()) << "\n" << Qt::flush;
    return int(m_rows.size()) - 1;
}

void ProgressDisplay::update(int row, int done)
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

QString ProgressDisplay::lossesText(const ExportManager::FormatResult& result)
{
    QString text;
    if (result.damaged > 0)
        text += QStringLiteral(", %1 damaged").arg(result.damaged);
    if (result.unshown > 0)
        text += QStringLiteral(", %1 unshown").arg(result.unshown);
    if (result.missing > 0)
        text += QStringLiteral(", %1 missing").arg(result.missing);
    return text;
}

bool ProgressDisplay::printSummary(const QMap<QString, int>& errors, const QList<QString>& formats,
                                   const QString& verb, const QList<ExportManager::FormatResult>& results,
                                   const QMap<QString, QMap<QString, int>>& reasons) const
{
    QTextStream out(stdout);
    bool allWritten = true;
    int row = 0;
    for (const QString& key : ExportManager::allFormats()) {
        if (!formats.contains(key))
            continue;
        const Row& counts = m_rows.at(row++);
        const int failed = errors.value(key);
        allWritten = allWritten && failed == 0;
        QString losses;
        for (const ExportManager::FormatResult& result : results) {
            if (result.key == key)
                losses = lossesText(result);
        }
        out << QStringLiteral("%1 (%2): %3 %4, %5 failed%6\n")
                   .arg(counts.label, key)
                   .arg(counts.total - failed)
                   .arg(verb)
                   .arg(failed)
                   .arg(losses);
        const QMap<QString, int> why = reasons.value(key);
        for (auto it = why.begin(); it != why.end(); ++it)
            out << QStringLiteral("  %1 failed: %2\n").arg(it.value()).arg(it.key());
    }
    return allWritten;
}

QString ProgressDisplay::line(const Row& row) const
{
    const QString counts = QStringLiteral("%1/%2").arg(row.done).arg(row.total);
    if (!m_terminal)
        return QStringLiteral("%1: %2").arg(row.label, counts);
    const int filled = row.total > 0 ? int(qint64(row.done) * kBarWidth / row.total) : kBarWidth;
    const QString bar = QString(filled, QLatin1Char('#')) + QString(kBarWidth - filled, QLatin1Char('-'));
    return QStringLiteral("%1 [%2] %3").arg(row.label, -12).arg(bar, counts);
}
