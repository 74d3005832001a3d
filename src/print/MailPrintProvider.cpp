// SPDX-License-Identifier: GPL-2.0-or-later
#include "MailPrintProvider.h"

#include "PstMailItem.h"

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
                     mail->body());
}
