// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class PrintPage;
class QPrinter;
class QWebEngineView;
class QWidget;

// Prints an HTML document: lays it out in an off-screen page, and once the
// page reports it has loaded, prints the whole page on a printer, split
// across as many sheets as it needs. A printer set to PDF output gets the
// engine's own PDF (text stays text); any other printer gets the pages as
// the engine paints them for it. GUI thread only; needs a QApplication.
class HtmlPrinter : public QObject
{
    Q_OBJECT
public:
    // Sets up `printer` for a request, normally by asking the user in the
    // print dialog; false when the user cancelled.
    using PrinterChooser = std::function<bool(QPrinter* printer, QWidget* parent)>;

    explicit HtmlPrinter(QObject* parent = nullptr);
    ~HtmlPrinter() override;

    // One print request through the print dialog (or `chooser`): loads
    // `html`, asks for the printer, prints, and deletes itself afterwards.
    // `parent` is the window the dialog belongs to.
    static HtmlPrinter* printHtml(const QString& html, QWidget* parent = nullptr, PrinterChooser chooser = {});
    // Qt's print dialog on `printer`.
    static bool runPrintDialog(QPrinter* printer, QWidget* parent);

    // Starts laying out `html`; loaded() follows.
    void load(const QString& html);
    // Prints the loaded page on `printer`, which must stay valid until
    // printed() follows.
    void print(QPrinter* printer);
    // What a printer other than PDF output gets: the sheets painted as
    // pictures at the printer's resolution (works on any printer).
    void printAsPictures(QPrinter* printer);

    // The name the print queue and the "print to file" suggestion show.
    void setDocumentName(const QString& name) { m_documentName = name; }
    QString documentName() const { return m_documentName; }

    PrintPage* page() const { return m_page; }
    // Why the last print failed, in a few words; empty after success.
    QString errorString() const { return m_error; }

signals:
    void loaded(bool ok);
    void printed(bool ok);
    // The end of a request started by printHtml: printed, cancelled
    // (false) or failed (false).
    void finished(bool printed);

private:
    void choosePrinterAndPrint(QWidget* parent, const PrinterChooser& chooser);
    void printToPdfFile(QPrinter* printer);
    void finish(bool ok);
    void fail(const QString& reason);

    PrintPage* m_page = nullptr;
    std::unique_ptr<QWebEngineView> m_view;
    std::unique_ptr<QPrinter> m_printer;
    QString m_error;
    QString m_documentName;
};
