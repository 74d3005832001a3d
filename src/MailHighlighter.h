// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The script that marks a search's words in a shown mail: it wraps every
// place of the page's text that matches a term (ignoring case and accents,
// "koln" marks "Köln") in a <mark>, after taking away the marks of an
// earlier search, scrolls to the first and returns how many it made. It
// adds elements and never loads anything, so the mail view's rules for
// untrusted mail still hold.
class MailHighlighter
{
public:
    // At most this many places are marked on one page.
    static constexpr int kMaxMarks = 2000;

    static QString script(const QStringList& terms);
};
