// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "HtmlPrinter.h"

#include <QString>

#include <memory>

class PstItem;
class QWidget;

// Prints items: picks the HTML builder for the item's kind and hands the
// document to the HTML printer, which shows the print dialog once the page
// is laid out. Requests run on their own and report nothing back; the
// returned request may be watched (HtmlPrinter::finished).
class PrintManager
{
public:
    // Prints `item` with `parent` as the dialog's window. A folder is not
    // printed: the log says "Print failed, unsupported data type for
    // printing." and the result is null.
    HtmlPrinter* printItem(const std::shared_ptr<PstItem>& item, QWidget* parent = nullptr);
    // Prints an HTML document (NUL characters dropped).
    HtmlPrinter* printHtml(const QString& html, QWidget* parent = nullptr);

    // The printable document of `item` with NUL characters dropped; empty,
    // with the log line above, for a folder. GUI thread (a mail's body is
    // read from the file).
    static QString documentOf(const PstItem& item);
    // `html` without NUL characters, which would end the text for the engine.
    static QString printableText(QString html);

    // Asks `chooser` instead of the print dialog (tests, scripted printing).
    void setPrinterChooser(HtmlPrinter::PrinterChooser chooser) { m_chooser = std::move(chooser); }

private:
    HtmlPrinter::PrinterChooser m_chooser;
};
