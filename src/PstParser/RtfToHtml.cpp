// SPDX-License-Identifier: GPL-2.0-or-later
#include "RtfToHtml.h"

#include "Log.h"

#include <QRegularExpression>
#include <QUrl>

namespace {

constexpr qsizetype kMaxInstruction = 4096;

bool isSafeLink(const QUrl& url)
{
    static const QStringList schemes = {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("mailto"),
                                        QStringLiteral("ftp")};
    return url.isValid() && schemes.contains(url.scheme().toLower());
}

// The target of a field instruction such as: HYPERLINK "https://example.org"
QUrl hyperlinkOf(const QString& instruction)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*HYPERLINK\\s+(?:\"([^\"]*)\"|(\\S+))"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(instruction);
    if (!match.hasMatch())
        return QUrl();
    const QString target = match.captured(1).isNull() ? match.captured(2) : match.captured(1);
    return QUrl(target.trimmed(), QUrl::TolerantMode);
}

} // namespace

RtfToHtml::Result RtfToHtml::convert(const QByteArray& rtf)
{
    RtfToHtml converter;
    if (!converter.read(rtf))
        Log::warn(QStringLiteral("RTF body too long: its first %1 characters are shown.")
                      .arg(converter.m_result.text.size()));
    converter.finish();
    return converter.m_result;
}

void RtfToHtml::text(const QString& text)
{
    const Destination destination = state().destination;
    if (destination == Destination::FieldInstruction) {
        if (m_instruction.size() < kMaxInstruction)
            m_instruction += text;
        return;
    }
    if (destination != Destination::Body && destination != Destination::FieldResult)
        return;
    const Formatting& formatting = state().formatting;
    if (formatting.bold || formatting.italic || formatting.underline || formatting.strike)
        m_result.formatted = true;
    const QString style = styleOf(formatting);
    if (!m_spanOpen || style != m_openStyle) {
        closeSpan();
        if (!style.isEmpty()) {
            m_paragraph += QStringLiteral("<span style=\"%1\">").arg(style);
            m_spanOpen = true;
            m_openStyle = style;
        }
    }
    m_paragraph += text.toHtmlEscaped();
    m_result.text += text;
}

void RtfToHtml::controlWord(const QByteArray& word, int parameter, bool hasParameter)
{
    Formatting& formatting = state().formatting;
    const bool on = !hasParameter || parameter != 0;
    const Destination destination = state().destination;
    const bool shown = destination == Destination::Body || destination == Destination::FieldResult;
    if (word == "b") {
        formatting.bold = on;
    } else if (word == "i") {
        formatting.italic = on;
    } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" || word == "uldash") {
        formatting.underline = on;
    } else if (word == "ulnone") {
        formatting.underline = false;
    } else if (word == "strike" || word == "striked") {
        formatting.strike = on;
    } else if (word == "fs") {
        formatting.halfPoints = std::clamp(parameter, 0, 400);
    } else if (word == "cf") {
        formatting.colour = parameter;
    } else if (word == "pard") {
        m_align.clear();
    } else if (word == "qc" || word == "qr" || word == "qj") {
        m_align = word == "qc" ? QStringLiteral("center") : word == "qr" ? QStringLiteral("right") : QStringLiteral("justify");
    } else if (word == "listtext" || word == "pntext") {
        m_result.formatted = true;
    } else if (!shown) {
        return;
    } else if (word == "par" || word == "page" || word == "sect") {
        if (state().inTable) {
            closeSpan();
            m_paragraph += QStringLiteral("<br>");
            m_result.text += QLatin1Char('\n');
        } else {
            endParagraph();
        }
    } else if (word == "line") {
        closeSpan();
        m_paragraph += QStringLiteral("<br>");
        m_result.text += QLatin1Char('\n');
    } else if (word == "tab") {
        m_paragraph += QLatin1Char('\t');
        m_result.text += QLatin1Char('\t');
    } else if (word == "cell") {
        endCell();
    } else if (word == "row") {
        endRow();
    }
}

void RtfToHtml::groupClosing(const State& closing)
{
    if (closing.closesLink) {
        closeSpan();
        m_paragraph += QStringLiteral("</a>");
    }
}

void RtfToHtml::destinationOpened(Destination destination)
{
    if (destination == Destination::FieldInstruction)
        m_instruction.clear();
    else if (destination == Destination::FieldResult)
        openLink();
}

void RtfToHtml::openLink()
{
    const QUrl link = hyperlinkOf(m_instruction);
    m_instruction.clear();
    if (!isSafeLink(link))
        return;
    closeSpan();
    m_paragraph += QStringLiteral("<a href=\"%1\">").arg(QString::fromUtf8(link.toEncoded()).toHtmlEscaped());
    state().closesLink = true;
    m_result.formatted = true;
}

QString RtfToHtml::styleOf(const Formatting& formatting) const
{
    QStringList style;
    if (formatting.bold)
        style << QStringLiteral("font-weight:bold");
    if (formatting.italic)
        style << QStringLiteral("font-style:italic");
    if (formatting.underline || formatting.strike)
        style << QStringLiteral("text-decoration:%1%2")
                     .arg(formatting.underline ? QStringLiteral("underline ") : QString(),
                          formatting.strike ? QStringLiteral("line-through") : QString())
                     .trimmed();
    if (formatting.halfPoints > 0)
        style << QStringLiteral("font-size:%1pt").arg(formatting.halfPoints / 2.0);
    const QList<QString> table = colours();
    if (formatting.colour > 0 && formatting.colour < table.size() && !table.at(formatting.colour).isEmpty())
        style << QStringLiteral("color:%1").arg(table.at(formatting.colour));
    return style.join(QLatin1Char(';'));
}

void RtfToHtml::closeSpan()
{
    if (m_spanOpen)
        m_paragraph += QStringLiteral("</span>");
    m_spanOpen = false;
    m_openStyle.clear();
}

void RtfToHtml::endParagraph()
{
    closeSpan();
    closeTable();
    const QString align = m_align.isEmpty() ? QString() : QStringLiteral(" style=\"text-align:%1\"").arg(m_align);
    m_result.html += QStringLiteral("<div%1>%2</div>\n")
                         .arg(align, m_paragraph.isEmpty() ? QStringLiteral("<br>") : m_paragraph);
    m_paragraph.clear();
    m_result.text += QLatin1Char('\n');
}

void RtfToHtml::endCell()
{
    closeSpan();
    m_row += QStringLiteral("<td>%1</td>").arg(m_paragraph);
    m_paragraph.clear();
    m_result.text += QLatin1Char('\t');
}

void RtfToHtml::endRow()
{
    if (!m_paragraph.isEmpty())
        endCell();
    if (!m_tableOpen)
        m_result.html += QStringLiteral("<table border=\"1\" style=\"border-collapse:collapse\">\n");
    m_tableOpen = true;
    m_result.formatted = true;
    m_result.html += QStringLiteral("<tr>%1</tr>\n").arg(m_row);
    m_row.clear();
    if (m_result.text.endsWith(QLatin1Char('\t')))
        m_result.text.chop(1);
    m_result.text += QLatin1Char('\n');
}

void RtfToHtml::closeTable()
{
    if (!m_row.isEmpty())
        endRow();
    if (m_tableOpen)
        m_result.html += QStringLiteral("</table>\n");
    m_tableOpen = false;
}

void RtfToHtml::finish()
{
    closeSpan();
    if (!m_paragraph.isEmpty())
        endParagraph();
    closeTable();
    // A document that ends with its last paragraph mark leaves an empty line.
    while (m_result.text.endsWith(QLatin1Char('\n')))
        m_result.text.chop(1);
    if (m_result.text.trimmed().isEmpty())
        m_result = Result();
}
