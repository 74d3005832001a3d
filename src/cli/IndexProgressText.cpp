// SPDX-License-Identifier: GPL-2.0-or-later
#include "IndexProgressText.h"

#include <QLocale>
#include <QTextStream>

IndexProgressText::IndexProgressText(bool terminal) : m_terminal(terminal)
{
}

void IndexProgressText::update(int indexed, int total)
{
    const QLocale english(QLocale::English);
    const QString text = QStringLiteral("Indexing %1 of %2 items").arg(english.toString(indexed), english.toString(total));
    QTextStream err(stderr);
    if (m_terminal) {
        err << '\r' << text << Qt::flush;
        m_drawn = true;
        return;
    }
    const int tenth = total > 0 ? int(qint64(indexed) * 10 / total) : 10;
    if (tenth == m_lastTenth)
        return;
    m_lastTenth = tenth;
    err << text << '\n' << Qt::flush;
}

void IndexProgressText::finish()
{
    if (m_drawn)
        QTextStream(stderr) << '\n' << Qt::flush;
    m_drawn = false;
}
