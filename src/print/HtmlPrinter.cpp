// SPDX-License-Identifier: GPL-2.0-or-later
#include "HtmlPrinter.h"

#include "FileTarget.h"
#include "Log.h"
#include "PrintPage.h"

#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <QWebEngineView>

namespace {

// The size of the page's view while it is laid out, as a tall window.
const QSize kLayoutSize(800, 1200);

// Writes the whole file or nothing; returns why not, or "" on success.
QString writeFile(const QString& path, const QByteArray& contents)
{
    return FileTarget::write(path, contents);
}

} // namespace

HtmlPrinter::HtmlPrinter(QObject* parent)
    : QObject(parent)
    , m_page(new PrintPage(this))
{
    connect(m_page, &QWebEnginePage::loadFinished, this, &HtmlPrinter::loaded);
}

HtmlPrinter::~HtmlPrinter()
{
    // The view lets go of the page before the page goes with this object.
    m_view.reset();
}

HtmlPrinter* HtmlPrinter::printHtml(const QString& html, QWidget* parent, PrinterChooser chooser)
{
    auto* request = new HtmlPrinter();
    if (!chooser)
        chooser = &HtmlPrinter::runPrintDialog;
    QPointer<QWidget> window(parent);
    connect(request, &HtmlPrinter::loaded, request, [request, window, chooser](bool ok) {
        if (!ok) {
            Log::warn(QStringLiteral("Print failed, the page could not be laid out."));
            request->finish(false);
            return;
        }
        // Out of the engine's signal before the dialog's own event loop runs. Only
        // the first load counts: a refused refresh inside the page may report another.
        QTimer::singleShot(0, request, [request, window, chooser] { request->choosePrinterAndPrint(window, chooser); });
    }, Qt::SingleShotConnection);
    connect(request, &HtmlPrinter::printed, request, &HtmlPrinter::finish);
    request->load(html);
    return request;
}

bool HtmlPrinter::runPrintDialog(QPrinter* printer, QWidget* parent)
{
    QPrintDialog dialog(printer, parent);
    dialog.setWindowTitle(tr("Print"));
    return dialog.exec() == QDialog::Accepted;
}

void HtmlPrinter::load(const QString& html)
{
    m_page->setDocument(html);
}

void HtmlPrinter::choosePrinterAndPrint(QWidget* parent, const PrinterChooser& chooser)
{
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_printer->setDocName(m_documentName);
    if (!chooser(m_printer.get(), parent)) {
        Log::info(QStringLiteral("Print cancelled."));
        finish(false);
        return;
    }
    print(m_printer.get());
}

void HtmlPrinter::print(QPrinter* printer)
{
    if (printer->outputFormat() == QPrinter::PdfFormat)
        printToPdfFile(printer);
    else
        printAsPictures(printer);
}

void HtmlPrinter::printToPdfFile(QPrinter* printer)
{
    const QString path = printer->outputFileName();
    if (path.isEmpty()) {
        fail(QStringLiteral("no file name to print to"));
        return;
    }
    m_error.clear();
    QPointer<HtmlPrinter> self(this);
    m_page->printToPdf(
        [self, path](const QByteArray& pdf) {
            if (!self)
                return;
            if (pdf.isEmpty()) {
                self->fail(QStringLiteral("the web engine made no PDF"));
                return;
            }
            const QString error = writeFile(path, pdf);
            if (!error.isEmpty()) {
                self->fail(error);
                return;
            }
            emit self->printed(true);
        },
        printer->pageLayout(), printer->pageRanges());
}

void HtmlPrinter::printAsPictures(QPrinter* printer)
{
    m_error.clear();
    // Only a view prints on a paint device; it stays off screen.
    if (!m_view) {
        m_view = std::make_unique<QWebEngineView>();
        m_view->setAttribute(Qt::WA_DontShowOnScreen);
        m_view->resize(kLayoutSize);
        m_view->setPage(m_page);
        connect(m_view.get(), &QWebEngineView::printFinished, this, [this](bool ok) {
            if (ok)
                emit printed(true);
            else
                fail(QStringLiteral("the printer did not take the pages"));
        });
    }
    m_view->print(printer);
}

void HtmlPrinter::fail(const QString& reason)
{
    m_error = reason;
    Log::warn(QStringLiteral("Print failed: %1").arg(reason));
    emit printed(false);
}

void HtmlPrinter::finish(bool ok)
{
    if (ok)
        Log::info(QStringLiteral("Print finished."));
    emit finished(ok);
    deleteLater();
}
