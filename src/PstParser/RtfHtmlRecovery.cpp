// SPDX-License-Identifier: GPL-2.0-or-later
#include "RtfHtmlRecovery.h"

#include "Log.h"

QString RtfHtmlRecovery::recover(const QByteArray& rtf)
{
    if (encapsulationOf(rtf) == Encapsulation::None)
        return QString();
    RtfHtmlRecovery recovery;
    if (!recovery.read(rtf))
        Log::warn(QStringLiteral("RTF body too long: its first %1 characters are shown.").arg(recovery.m_out.size()));
    return recovery.m_out;
}

void RtfHtmlRecovery::text(const QString& text)
{
    const Destination destination = state().destination;
    if (destination == Destination::Body || destination == Destination::HtmlTag
        || destination == Destination::FieldResult)
        m_out += text;
}

void RtfHtmlRecovery::controlWord(const QByteArray& word, int, bool)
{
    const Destination destination = state().destination;
    if (!visible() || (destination != Destination::Body && destination != Destination::HtmlTag
                       && destination != Destination::FieldResult))
        return;
    QString character;
    if (word == "par" || word == "line")
        character = QStringLiteral("\r\n");
    else if (word == "tab")
        character = QStringLiteral("\t");
    if (!character.isEmpty() && spend(character.size()))
        m_out += character;
}

RtfReader::Destination RtfHtmlRecovery::destinationOf(const QByteArray& word, bool starred) const
{
    if (word == "htmltag")
        return Destination::HtmlTag;
    // The original's tags are the HTML; a hyperlink's field is Outlook's
    // RTF rendering of one of them.
    if (word == "fldinst")
        return Destination::Skipped;
    return RtfReader::destinationOf(word, starred);
}

bool RtfHtmlRecovery::visible() const
{
    return !state().htmlRtf;
}
