// SPDX-License-Identifier: GPL-2.0-or-later
#include "PrintManager.h"

#include "Log.h"
#include "MailPrintProvider.h"
#include "PstMailItem.h"

namespace {

std::unique_ptr<PrintContentProvider> providerFor(const PstItem& item)
{
    switch (item.type()) {
    case Mail:
        if (const auto* mail = dynamic_cast<const PstMailItem*>(&item))
            return std::make_unique<MailPrintProvider>(mail);
        return std::make_unique<PrintContentProvider>(&item);
    case Calendar:
    case Contact:
    case Journal:
    case Task:
    case Note:
        return std::make_unique<PrintContentProvider>(&item);
    default:
        return nullptr;
    }
}

} // namespace

HtmlPrinter* PrintManager::printItem(const std::shared_ptr<PstItem>& item, QWidget* parent)
{
    const QString html = item ? documentOf(*item) : QString();
    if (html.isEmpty())
        return nullptr;
    HtmlPrinter* request = HtmlPrinter::printHtml(html, parent, m_chooser);
    // File names made from it must not reach into other folders.
    // A contact's second line is its e-mail address; its page is named after it.
    const bool byName = item->subject().isEmpty() || item->type() == Contact;
    QString name = byName ? item->displayName() : item->subject();
    request->setDocumentName(name.replace(QLatin1Char('/'), QLatin1Char('_')).remove(QChar(QChar::Null)).simplified());
    return request;
}

HtmlPrinter* PrintManager::printHtml(const QString& html, QWidget* parent)
{
    return HtmlPrinter::printHtml(printableText(html), parent, m_chooser);
}

QString PrintManager::documentOf(const PstItem& item)
{
    const std::unique_ptr<PrintContentProvider> provider = providerFor(item);
    if (!provider) {
        Log::info(QStringLiteral("Print failed, unsupported data type for printing."));
        return QString();
    }
    return printableText(provider->toHtml());
}

QString PrintManager::printableText(QString html)
{
    // A text from a PST file may carry NULs anywhere; the text after them
    // is as much the item's as the text before.
    return html.remove(QChar(QChar::Null));
}
