// SPDX-License-Identifier: GPL-2.0-or-later
#include "MailPrintProvider.h"

#include "PstMailItem.h"
#include "SmimeMail.h"
#include "SmimeStatusText.h"

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
                <div>   Subject:
                    <span class="header">%1</span>
                </div>
                <div class="">  From: %2
                    <span>%3</span>
                </div>
                <div>   %4</div>
                <hr>
                <div>%5</div>
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

} // namespace

MailPrintProvider::MailPrintProvider(const PstMailItem* mail)
    : PrintContentProvider(mail)
{
}

QString MailPrintProvider::toHtml() const
{
    const auto* mail = static_cast<const PstMailItem*>(m_item);
    const QString address = mail->senderAddr();
    const QString recipients = mail->recipients();
    // One multi-argument substitution: a "%2" inside the subject stays text.
    return kPage.arg(mail->subject().toHtmlEscaped(), mail->sender().toHtmlEscaped(),
                     address.isEmpty() ? QString() : QStringLiteral("&lt;%1&gt;").arg(address.toHtmlEscaped()),
                     recipients.isEmpty() ? QString() : QStringLiteral("To: %1").arg(recipients.toHtmlEscaped()),
                     printedBody(*mail));
}
