// SPDX-License-Identifier: GPL-2.0-or-later
#include "PrintContentProvider.h"

#include "PstItem.h"

namespace {

const QString kHead = QStringLiteral(R"(
        <html>
        <head>
            <style>
                body {
                    font-family: 'Segoe UI';
                    font-size: 12pt;
                    margin: 20px;
                    line-height: 1.6;
                }
                .section-title {
                    font-weight: bold;
                    font-size: 14pt;
                    margin: 20px 0 0 0;
                    color: #2c3e50;
                }
                .field {
                    display: flex;
                }
                .field-label {
                    font-weight: bold;
                    flex: 0 0 auto;
                    min-width: 180px;
                    padding-right: 12px;
                    white-space: nowrap;
                    color: #34495e;
                }
                .field-value {
                    color: #2c3e50;
                    white-space: pre-wrap;
                    min-width: 0;
                }
                .divider {
                    border-top: 1px solid #bdc3c7;
                    margin: 5px 0 10px 0;
                }
                .contact-header {
                    font-size: 16pt;
                    font-weight: bold;
                    text-align: center;
                    margin-bottom: 20px;
                    color: #2c3e50;
                }
            </style>
        </head>
        <body>
    )");

const QString kTail = QStringLiteral("\n        </body>\n        </html>\n    ");

QString rowsOf(const InfoSection& section)
{
    QString rows;
    for (const InfoField& field : section.fields) {
        if (field.value.isEmpty())
            continue;
        const QString value = field.value.toHtmlEscaped();
        // A row of its own: a value's further lines stay under its first.
        if (field.label.isEmpty()) {
            rows += QStringLiteral("<div><span class=\"field-value\">%1</span></div>").arg(value);
        } else {
            rows += QStringLiteral("<div class=\"field\"><span class=\"field-label\">%1</span>"
                                   "<span class=\"field-value\">%2</span></div>")
                        .arg(field.label.toHtmlEscaped(), value);
        }
    }
    return rows;
}

} // namespace

PrintContentProvider::PrintContentProvider(const PstItem* item)
    : m_item(item)
{
}

PrintContentProvider::~PrintContentProvider() = default;

QString PrintContentProvider::toHtml() const
{
    QString html = kHead;
    html += QStringLiteral("<div class=\"contact-header\">%1</div>").arg(m_item->displayName().toHtmlEscaped());
    for (const InfoSection& section : m_item->sections()) {
        const QString rows = rowsOf(section);
        if (rows.isEmpty())
            continue;
        html += QStringLiteral("<div class=\"section-title\">%1</div><div class=\"divider\"></div>%2")
                    .arg(section.title.toHtmlEscaped(), rows);
    }
    return html + kTail;
}
