// SPDX-License-Identifier: GPL-2.0-or-later
// Print benchmark: one mail long enough for about 200 printed pages, laid
// out by the web engine and written as PDF. Prints the milliseconds of each
// stage in-process (engine start and page load, PDF), the page count, and
// the wall time of `lumaroo-cli pdf` on the same mail.
// Usage: bench_print [paragraphs]   (run headless: QT_QPA_PLATFORM=offscreen)
// Reference (2 shared cores, Qt 6.4.2, heavily loaded machine): 2800
// paragraphs, 480 KB of HTML, 201 A4 pages; engine start under 1 s, load
// about 3 s, PDF about 12 s; lumaroo-cli pdf 15-17 s end to end.

#include "HtmlPrinter.h"
#include "MailContentHandler.h"
#include "PrintManager.h"
#include "PstFolderItem.h"
#include "PstParser.h"
#include "PstWriter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

QByteArray longBody(int paragraphs)
{
    QByteArray html = "<html><body>";
    for (int i = 1; i <= paragraphs; ++i) {
        html += "<p>Paragraph " + QByteArray::number(i)
              + ": the quarterly figures, region by region, with the notes the finance team added "
                "after the review meeting and the corrections that came in later that week.</p>";
    }
    return html + "</body></html>";
}

bool waitFor(HtmlPrinter* printer, void (HtmlPrinter::*signal)(bool))
{
    QEventLoop loop;
    bool ok = false;
    QObject::connect(printer, signal, &loop, [&](bool result) {
        ok = result;
        loop.quit();
    });
    loop.exec();
    return ok;
}

std::shared_ptr<PstItem> firstItem(const std::shared_ptr<PstItem>& node)
{
    if (auto folder = std::dynamic_pointer_cast<PstFolderItem>(node); folder && folder->itemCount() > 0)
        return folder->items().first();
    for (int i = 0; i < node->childCount(); ++i) {
        if (auto found = firstItem(node->child(i)))
            return found;
    }
    return nullptr;
}

int pdfPages(const QString& pdf)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished();
    for (const QByteArray& line : info.readAllStandardOutput().split('\n')) {
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    MailContentHandler::registerScheme();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const int paragraphs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 2800;
    QTemporaryDir dir;
    const QString pst = dir.filePath(QStringLiteral("long.pst"));
    PstMessage mail;
    mail.subject = QStringLiteral("Quarterly figures");
    mail.senderName = QStringLiteral("Finance");
    mail.htmlBody = longBody(paragraphs);
    PstDescription description;
    description.folders = {{QStringLiteral("Inbox"), QStringLiteral("IPF.Note"), {mail}, {}}};
    if (!PstWriter::write(description, pst)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(pst));
        return 1;
    }
    PstParser parser;
    if (!parser.open(pst))
        return 1;
    const auto root = parser.parse(pst);
    const auto item = root ? firstItem(root) : nullptr;
    if (!item)
        return 1;

    QElapsedTimer total;
    total.start();
    QElapsedTimer stage;
    stage.start();
    const QString html = PrintManager::documentOf(*item);
    const qint64 buildMs = stage.restart();
    HtmlPrinter printer;
    // An empty page first: the engine's start-up apart from the layout.
    printer.load(QStringLiteral("<p></p>"));
    waitFor(&printer, &HtmlPrinter::loaded);
    const qint64 startMs = stage.restart();
    printer.load(html);
    const bool loaded = waitFor(&printer, &HtmlPrinter::loaded);
    const qint64 loadMs = stage.restart();
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(dir.filePath(QStringLiteral("long.pdf")));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(12.7, 12.7, 12.7, 12.7),
                                  QPageLayout::Millimeter));
    printer.print(&pdf);
    const bool printed = loaded && waitFor(&printer, &HtmlPrinter::printed);
    const qint64 pdfMs = stage.restart();
    const qint64 totalMs = total.elapsed();
    const int pages = pdfPages(pdf.outputFileName());
    std::printf("page of %d paragraphs, %lld KB of HTML: %d PDF pages%s\n", paragraphs,
                static_cast<long long>(html.toUtf8().size() / 1024), pages, printed ? "" : " (FAILED)");
    std::printf("in-process: build %lld ms, engine start %lld ms, load %lld ms, PDF %lld ms, total %lld ms\n",
                static_cast<long long>(buildMs), static_cast<long long>(startMs), static_cast<long long>(loadMs),
                static_cast<long long>(pdfMs), static_cast<long long>(totalMs));

    QElapsedTimer cliTimer;
    cliTimer.start();
    QProcess cli;
    cli.start(QStringLiteral(LUMAROO_CLI),
              {QStringLiteral("pdf"), pst, QStringLiteral("Top of Personal Folders/Inbox/#0"), QStringLiteral("-o"), dir.filePath("cli.pdf")});
    cli.waitForFinished(600000);
    std::printf("lumaroo-cli pdf end to end: %lld ms, exit %d, %d pages\n", static_cast<long long>(cliTimer.elapsed()),
                cli.exitCode(), pdfPages(dir.filePath(QStringLiteral("cli.pdf"))));
    return printed && cli.exitCode() == 0 ? 0 : 1;
}
