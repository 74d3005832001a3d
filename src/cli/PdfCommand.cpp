// SPDX-License-Identifier: GPL-2.0-or-later
#include "PdfCommand.h"

#include "CliDocument.h"
#include "CliKeyOption.h"
#include "HtmlPrinter.h"
#include "ItemJson.h"
#include "MailContentHandler.h"
#include "PrintManager.h"
#include "PrintPage.h"
#include "SmimeKeyring.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLocale>
#include <QPageLayout>
#include <QPrinter>
#include <QTextStream>
#include <QTimer>

#include <unistd.h>

namespace {

// A page that never finishes loading must not hang a script for ever.
constexpr int kWatchdogMs = 10 * 60 * 1000;
const QMarginsF kMarginsMm(12.7, 12.7, 12.7, 12.7);

void appendChromiumFlag(const QByteArray& flag)
{
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (flags.split(' ').contains(flag))
        return;
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.isEmpty() ? flag : flags + ' ' + flag);
}

QPageLayout localPageLayout()
{
    const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait, kMarginsMm,
                       QPageLayout::Millimeter);
}

// Runs the event loop until `signal` of `sender` fires; false on timeout.
template <typename Sender, typename Signal>
bool waitFor(Sender* sender, Signal signal, bool* ok)
{
    QEventLoop loop;
    bool fired = false;
    QObject::connect(sender, signal, &loop, [&](bool result) {
        fired = true;
        *ok = result;
        loop.quit();
    });
    QTimer::singleShot(kWatchdogMs, &loop, &QEventLoop::quit);
    loop.exec();
    return fired;
}

// The platform and the web engine warn about the headless setting itself
// (no runtime folder, no graphics back end); stderr is kept for the one
// line that says what went wrong.
void quietEngineOutput(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        QTextStream(stderr) << message << '\n';
}

int fail(const QString& message)
{
    QTextStream(stderr) << "lumaroo-cli: " << message << '\n';
    return 1;
}

} // namespace

void PdfCommand::prepareApplication()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        appendChromiumFlag("--disable-gpu");
    }
    if (geteuid() == 0)
        appendChromiumFlag("--no-sandbox");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    MailContentHandler::registerScheme();
    if (qEnvironmentVariableIsEmpty("LUMAROO_DEBUG"))
        qInstallMessageHandler(quietEngineOutput);
}

int PdfCommand::run(const QStringList& arguments)
{
    QStringList args = arguments;
    CliKeyOption keyOption;
    const bool keyOptionsRight = keyOption.take(args);
    QStringList positional;
    QString output;
    for (int i = 0; i < args.size(); ++i) {
        if ((args[i] == QLatin1String("-o") || args[i] == QLatin1String("--output")) && i + 1 < args.size())
            output = args[++i];
        else
            positional << args[i];
    }
    if (!keyOptionsRight || positional.size() != 2 || output.isEmpty()) {
        QTextStream(stderr) << "usage: lumaroo-cli pdf FILE.pst PATH-OR-ID -o OUT.pdf [--key FILE.p12 [--pass-env VAR]]\n";
        return 2;
    }
    // Printing decrypts with the keys of the session, as in the window.
    if (keyOption.isSet()) {
        const std::shared_ptr<SmimeKey> key = keyOption.load();
        if (!key)
            return 1;
        SmimeKeyring::add(key);
    }
    const auto root = CliDocument::open(positional.first());
    if (!root)
        return 1;
    QString path;
    const auto item = ItemJson::find(*root, positional.at(1), &path);
    if (!item) {
        bool isFolder = false;
        ItemJson::forEachFolder(*root, [&](const PstFolderItem& folder, const QString& folderPath) {
            if (folderPath == positional.at(1) && !isFolder) {
                isFolder = true;
                PrintManager::documentOf(folder); // logs that folders are not printed
            }
        });
        return fail(positional.at(1) + (isFolder ? QStringLiteral(": a folder cannot be printed")
                                                 : QStringLiteral(": no such item")));
    }
    const QString html = PrintManager::documentOf(*item);

    HtmlPrinter printer;
    QObject::connect(printer.page(), &QWebEnginePage::renderProcessTerminated, printer.page(),
                     [&printer] { emit printer.loaded(false); });
    printer.load(html);
    bool ok = false;
    if (!waitFor(&printer, &HtmlPrinter::loaded, &ok) || !ok)
        return fail(positional.at(1) + QStringLiteral(": the web engine could not lay out the page"));

    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(output);
    pdf.setPageLayout(localPageLayout());
    printer.print(&pdf);
    if (!waitFor(&printer, &HtmlPrinter::printed, &ok))
        return fail(output + QStringLiteral(": the web engine made no PDF in time"));
    if (!ok)
        return fail(output + QStringLiteral(": ") + printer.errorString());
    return 0;
}
