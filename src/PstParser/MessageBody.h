// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <libpst/libpst.h>

#include <QByteArray>
#include <QString>

// Which of a message's bodies is shown, printed and written, and how a body
// kept only as compressed RTF is turned into HTML or text. One place, so the
// mail view, printing, `lumaroo-cli show` and the writers agree.
class MessageBody
{
public:
    enum class Source { None, Html, RtfHtml, Plain, RtfText, NativeRtf };

    struct Choice
    {
        Source source = Source::None;
        // A whole HTML page to display (a text body is wrapped in one).
        QString html;
    };

    // In this order: the HTML body; the HTML kept inside the RTF body
    // (\fromhtml1); the plain-text body, or the RTF's own HTML when the RTF
    // holds formatting the plain text lacks; the text kept inside the RTF
    // (\fromtext); the RTF's own HTML. Decodes the RTF only when needed.
    static Choice choose(const pst_item* record);

    // For the writers: gives a record without an HTML body the HTML its RTF
    // body holds, and one without a text body the RTF's text, so every
    // format writes what the window shows. Strings it sets are UTF-8.
    static void completeRecord(pst_item* record);

    // The text of a note, contact, appointment, task or journal entry: its
    // plain body, else its RTF body's text.
    static QString noteText(const pst_item* record);

    // The record's RTF body, decompressed; empty without one.
    static QByteArray rtfOf(const pst_item* record);
    // Whether the record has an RTF body and no plain one.
    static bool hasOnlyRtfNote(const pst_item* record);

    // The page the converted RTF (an HTML fragment) is shown in.
    static QString rtfPage(const QString& fragment);
    // `html` declaring UTF-8 in its meta tags: recovered HTML keeps the
    // original's charset declaration, but it is text now.
    static QString declaredUtf8(const QString& html);
};
