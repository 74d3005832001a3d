// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "RtfReader.h"

// Recovers the original body of an RTF document that encapsulates it, as
// Outlook stores HTML and plain-text mail converted to RTF: the HTML's markup
// from the \*\htmltag groups, its text from outside the \htmlrtf blocks, in
// the code page of the document and of each font.
class RtfHtmlRecovery : private RtfReader
{
public:
    // The HTML of a \fromhtml1 document or the text of a \fromtext one; empty
    // for any other document, and what could be read of a damaged one.
    static QString recover(const QByteArray& rtf);

private:
    RtfHtmlRecovery() = default;

    void text(const QString& text) override;
    void controlWord(const QByteArray& word, int parameter, bool hasParameter) override;
    Destination destinationOf(const QByteArray& word, bool starred) const override;
    bool visible() const override;

    QString m_out;
};
