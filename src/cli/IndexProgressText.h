// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// "Indexing 41,000 of 100,000 items" on stderr while an index is built:
// redrawn in place on a terminal, a line per tenth elsewhere.
class IndexProgressText
{
public:
    explicit IndexProgressText(bool terminal);
    void update(int indexed, int total);
    // Ends the line drawn in place, if any.
    void finish();

private:
    bool m_terminal;
    bool m_drawn = false;
    int m_lastTenth = -1;
};
