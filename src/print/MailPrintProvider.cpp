// SPDX-License-Identifier: GPL-2.0-or-later
#include "MailPrintProvider.h"

#include "MeetingRequest.h"
#include "PstMailItem.h"
#include "SmimeMail.h"
#include "SmimeStatusText.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

const QString kPage = QStringLiteral(R"(
            <html>
            <head>
                <style>
                    body { font-family: 'Segoe UI'; font-size: 12pt; }
                    .header { font-weight: bold; margin-bottom: 10px; }
                </style>
            </head>
            <body>
                <hr>
                <div>   %1
                    <span class="header">%2</span>
                </div>
                <div class="">  %3 %4
                    <span>%5</span>
                </div>
                %6
                <hr>
                <div>%7</div>
            </body>
            </html>
        )");

// A signed or encrypted mail prints the message it wraps, under what its
// signature and encryption say.
QString printedBody(const PstMailItem& mail)
{
    if (!SmimeMail::isSmime(mail))
        return mail.body();
    const SmimeContent content = SmimeMail::read(mail);
    if (content.kind == SmimeContent::Kind::None && content.error.isEmpty())
        return mail.body();
    QString status;
    for (const QString& line : SmimeStatusText::lines(content))
        status += QStringLiteral("<div class=\"smime\">%1</div>").arg(line.toHtmlEscaped());
    const QString page = SmimeMail::page(content);
    return status + QStringLiteral("<hr>") + (page.isEmpty() ? mail.body() : page);
}

QString label(const char* text)
{
    return QCoreApplication::translate("MailPrintProvider", text);
}

// "<div>Label value</div>" with the value as text; nothing for no value.
QString headerRow(const QString& caption, const QString& value)
{
    return value.isEmpty() ? QString()
                           : QStringLiteral("<div>   %1 %2</div>\n").arg(caption.toHtmlEscaped(), value.toHtmlEscaped());
}

} // namespace

MailPrintProvider::MailPrintProvider(const PstMailItem* mail)
    : PrintContentProvider(mail)
{
}

QString MailPrintProvider::toHtml() const
{
    const auto* mail = static_cast<const PstMailItem*>(m_item);
    const QString address = mail->senderAddr();
    QStringList attachmentNames;
    for (const auto& attachment : mail->attachments())
        attachmentNames << attachment->name;
    const QString sent = mail->property(QStringLiteral("sentDate")).toULongLong() != 0
        ? mail->sendDate(QStringLiteral("MMM dd, yyyy 'at' hh:mm AP")) : QString();
    QString rows;
    for (const InfoField& field : MeetingRequest::detailsOf(*mail))
        rows += headerRow(field.label + QLatin1Char(':'), field.value);
    rows += headerRow(label(QT_TRANSLATE_NOOP("MailPrintProvider", "Date:")), sent);
    rows += headerRow(label(QT_TRANSLATE_NOOP("MailPrintProvider", "To:")), mail->recipients());
    rows += headerRow(label(QT_TRANSLATE_NOOP("MailPrintProvider", "Cc:")), mail->cc());
    rows += headerRow(label(QT_TRANSLATE_NOOP("MailPrintProvider", "Attachments:")), attachmentNames.join(QStringLiteral(", ")));
    const QString subjectLabel = label(QT_TRANSLATE_NOOP("MailPrintProvider", "Subject:"));
    const QString fromLabel = label(QT_TRANSLATE_NOOP("MailPrintProvider", "From:"));
    // One multi-argument substitution: a "%2" inside the subject stays text.
    return kPage.arg(subjectLabel.toHtmlEscaped(), mail->subject().toHtmlEscaped(), fromLabel.toHtmlEscaped(),
                     mail->sender().toHtmlEscaped(),
                     address.isEmpty() ? QString() : QStringLiteral("&lt;%1&gt;").arg(address.toHtmlEscaped()), rows,
                     printedBody(*mail));
}
