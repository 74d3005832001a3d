// SPDX-License-Identifier: GPL-2.0-or-later
// Not a test: makes docs/screenshots/print-dialog.png (the print dialog the
// Print button opens) and print-mail.png (the first printed page of the
// sample HTML mail, rendered from the PDF with pdftoppm).
// Usage: lumaroo_print_screenshots OUTPUT_FOLDER

#include "HtmlPrinter.h"
#include "MailContentHandler.h"
#include "PrintManager.h"
#include "PstParser.h"
#include "TestHome.h"
#include "UiDriver.h"
#include "UiSamples.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[])
{
    TestHome home;
    MailContentHandler::registerScheme();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: lumaroo_print_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir dir;
    const QString pst = UiSamples::write(UiSamples::mailbox(), dir.path(), QStringLiteral("mailbox.pst"));
    PstParser parser;
    if (!parser.open(pst))
        return 1;
    const auto root = parser.parse(pst);
    const auto mail = UiDriver::findFolder(root, QStringLiteral("Inbox"))->items().first();
    const QString pdf = dir.filePath(QStringLiteral("mail.pdf"));

    PrintManager manager;
    manager.setPrinterChooser([&](QPrinter* printer, QWidget*) {
        // What the dialog suggests on a desktop session; the tool runs headless.
        printer->setOutputFileName(QStringLiteral("/home/ada/%1.pdf").arg(printer->docName()));
        QPrintDialog dialog(printer);
        dialog.setWindowTitle(QObject::tr("Print"));
        dialog.show();
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text().startsWith(QLatin1String("&Options")))
                button->click();
        }
        QTest::qWait(500);
        dialog.grab().save(out.filePath(QStringLiteral("print-dialog.png")));
        dialog.reject();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        printer->setPageSize(QPageSize(QPageSize::A4));
        return true;
    });
    HtmlPrinter* request = manager.printItem(mail);
    QEventLoop loop;
    bool printed = false;
    QObject::connect(request, &HtmlPrinter::finished, &loop, [&](bool ok) {
        printed = ok;
        loop.quit();
    });
    loop.exec();
    if (!printed)
        return 1;
    const QString page = out.filePath(QStringLiteral("print-mail"));
    const int status = QProcess::execute(QStringLiteral("pdftoppm"),
                                         {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                                          QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                          QStringLiteral("1"), QStringLiteral("-singlefile"), pdf, page});
    return status == 0 ? 0 : 1;
}
