// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "RtfReader.h"

// Turns a native RTF document into HTML of our own and into plain text:
// paragraphs, line breaks, bold, italic, underline, strike, font size,
// colour, hyperlinks (HYPERLINK fields with a safe scheme), simple tables and
// list bullets. What it does not understand is skipped, never shown as
// control words.
class RtfToHtml : private RtfReader
{
public:
    struct Result
    {
        // The body's HTML (no page around it); empty without any text.
        QString html;
        QString text;
        // Whether it holds formatting plain text lacks: bold, italic,
        // underline, strike, links, tables or lists.
        bool formatted = false;
    };

    static Result convert(const QByteArray& rtf);

private:
    RtfToHtml() = default;

    void text(const QString& text) override;
    void controlWord(const QByteArray& word, int parameter, bool hasParameter) override;
    void groupClosing(const State& closing) override;
    void destinationOpened(Destination destination) override;

    QString styleOf(const Formatting& formatting) const;
    void closeSpan();
    void endParagraph();
    void endCell();
    void endRow();
    void closeTable();
    void openLink();
    void finish();

    Result m_result;
    QString m_paragraph;
    QString m_row;
    QString m_openStyle;
    bool m_spanOpen = false;
    bool m_tableOpen = false;
    QString m_align;
    QString m_instruction;
};
