// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ExportManager.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QTextStream>

// The progress of each format of a conversion, as bars redrawn in place on a
// terminal or as one plain line per change elsewhere, and its summary.
class ProgressDisplay
{
public:
    explicit ProgressDisplay(bool terminal);

    // A row for a format with `total` items; its index.
    int addFormat(const QString& label, int total);
    void update(int row, int done);

    // Per chosen format, in the engine's order: items written (the row's
    // total less `errors`) and failed, with `verb` ("written"), and the
    // format's losses in `results` when it has any; true when nothing
    // failed. Expects a row per chosen format, in that order. Under a
    // format's line, one line per reason in `reasons` (why items of the
    // format could not be written, with how many).
    bool printSummary(const QMap<QString, int>& errors, const QList<QString>& formats, const QString& verb,
                      const QList<ExportManager::FormatResult>& results = {},
                      const QMap<QString, QMap<QString, int>>& reasons = {}) const;
    // ", 1 damaged, 2 unshown" for the losses of a result; "" without any.
    static QString lossesText(const ExportManager::FormatResult& result);

    struct Row
    {
        QString label;
        int total = 0;
        int done = 0;
    };
    const QList<Row>& rows() const { return m_rows; }

private:
    QString line(const Row& row) const;

    bool m_terminal;
    QTextStream m_out;
    QList<Row> m_rows;
};
