// SPDX-License-Identifier: GPL-2.0-or-later
// Printing: every kind of item through the same path the print dialog
// takes (a printer set to PDF output), checked with poppler's pdftotext; the
// untrusted page's lock-down; the dialog's cancel; the window's entries; and
// `lumaroo-cli pdf` without a display.

#include "CliRunner.h"
#include "HtmlPrinter.h"
#include "IMVLogConfig.h"
#include "LogLines.h"
#include "MailContentHandler.h"
#include "PrintManager.h"
#include "PstParser.h"
#include "PSTListView.h"
#include "PSTTreeView.h"
#include "PstWriter.h"
#include "TestHome.h"
#include "UiDriver.h"
#include "UiSamples.h"
#include "mainwindow.h"

#include <QAction>
#include <QBuffer>
#include <QApplication>
#include <QImage>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QtWebView>

namespace {

using UiDriver::findFolder;

QByteArray run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QByteArray();
    return process.readAllStandardOutput();
}

// The PDF's text with runs of white space made single blanks.
QString pdfText(const QString& pdf)
{
    return QString::fromUtf8(run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})).simplified();
}

QString firstLine(const QString& pdf)
{
    const QString text = QString::fromUtf8(run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}));
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            return line.trimmed();
    }
    return QString();
}

int pdfPages(const QString& pdf)
{
    const QString info = QString::fromUtf8(run(QStringLiteral("pdfinfo"), {pdf}));
    for (const QString& line : info.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    }
    return 0;
}

int pdfImages(const QString& pdf)
{
    // Two heading lines, then one line per image.
    const QByteArray list = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    return qMax(0, int(list.count('\n')) - 2);
}

// A picture of noise: it does not compress, so it makes the page large.
QByteArray noisePng(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = random.generate() | 0xff000000;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

PstMessage mail(const QString& subject, const QByteArray& html)
{
    PstMessage message;
    message.subject = subject;
    message.senderName = QStringLiteral("Mallory");
    message.senderAddress = QStringLiteral("mallory@example.net");
    message.recipients = {{QStringLiteral("Bob"), QStringLiteral("bob@example.org")}};
    message.htmlBody = html;
    message.sentTime = QDateTime(QDate(2023, 5, 1), QTime(12, 0), Qt::UTC);
    return message;
}

// Mails and a contact whose values are markup, a long mail and a large one.
PstDescription trickyMailbox()
{
    QByteArray lines;
    for (int i = 1; i <= 400; ++i)
        lines += "<p>Line " + QByteArray::number(i) + " of the long mail.</p>";
    PstMessage large = mail(QStringLiteral("Large picture"),
                            "<html><body><p>Before the picture.</p><img src=\"cid:noise\"><p>After it.</p></body></html>");
    PstAttachment noise;
    noise.longName = QStringLiteral("noise.png");
    noise.mimeType = QStringLiteral("image/png");
    noise.contentId = QStringLiteral("noise");
    noise.data = noisePng(900, 900);
    large.attachments = {noise};
    PstMessage markup = mail(QStringLiteral("<img src=x> </div><h1>%2</h1>"), "<p>Body</p>");
    markup.senderName = QStringLiteral("<b>Eve</b> & co");
    PstMessage contact;
    contact.kind = PstMessage::Kind::Contact;
    contact.subject = QStringLiteral("<i>Trudy</i>");
    contact.contact = {{QStringLiteral("first_name"), QStringLiteral("<i>Trudy</i>")},
                       {QStringLiteral("fullname"), QStringLiteral("<i>Trudy</i>")}};
    contact.body = QStringLiteral("</span></div><h1>Not a heading</h1>\nsecond line");

    PstFolder inbox{QStringLiteral("Inbox"), QStringLiteral("IPF.Note"), {}, {}};
    inbox.messages = {mail(QStringLiteral("Long"), "<html><body>" + lines + "</body></html>"), large, markup};
    PstFolder contacts{QStringLiteral("Contacts"), QStringLiteral("IPF.Contact"), {}, {}};
    contacts.messages = {contact};
    PstDescription description;
    description.folders = {inbox, contacts};
    return description;
}

} // namespace

class PrintingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void eachKindPrintsItsDocument_data();
    void eachKindPrintsItsDocument();
    void valuesFromTheFilePrintAsText_data();
    void valuesFromTheFilePrintAsText();
    void longMailSpansSeveralPages();
    void printerGetsEverySheet();
    void untrustedMailRunsNothingAndFetchesNothing();
    void textAfterANulStillPrints();
    void folderIsNotPrinted();
    void cancelledDialogEndsTheRequestAndTheNextWorks();
    void windowPrintsFromButtonAndMenu();
    void cliWritesThePdfWithoutADisplay_data();
    void cliWritesThePdfWithoutADisplay();

private:
    std::shared_ptr<PstFolderItem> parse(const QString& path);
    std::shared_ptr<PstItem> item(const std::shared_ptr<PstFolderItem>& root, const QString& folder, int index) const;
    // Prints through PrintManager with a PDF printer in place of the
    // dialog's choice; the PDF's path, or "" when the request failed.
    QString printToPdf(const std::shared_ptr<PstItem>& item);
    QString printHtmlToPdf(const QString& html);
    QString finishToPdf(HtmlPrinter* request, const QString& pdf);
    QStringList logLines() const;

    QTemporaryDir m_dir;
    std::shared_ptr<PstFolderItem> m_mailbox;
    std::shared_ptr<PstFolderItem> m_tricky;
    QList<std::shared_ptr<PstFolderItem>> m_keep;
    PrintManager m_manager;
    QString m_nextPdf;
    int m_pdfs = 0;
};

std::shared_ptr<PstFolderItem> PrintingTest::parse(const QString& path)
{
    PstParser parser;
    if (!parser.open(path))
        return nullptr;
    auto root = parser.parse(path);
    m_keep.append(root);
    return root;
}

std::shared_ptr<PstItem> PrintingTest::item(const std::shared_ptr<PstFolderItem>& root, const QString& folder,
                                            int index) const
{
    auto found = findFolder(root, folder);
    return found && index < found->itemCount() ? found->items().at(index) : nullptr;
}

void PrintingTest::initTestCase()
{
    Morvek::IMVLogConfig::InitializeLogConfig((m_dir.path() + "/log/").toStdString());
    m_mailbox = parse(UiSamples::write(UiSamples::mailbox(), m_dir.path(), QStringLiteral("mailbox.pst")));
    m_tricky = parse(UiSamples::write(trickyMailbox(), m_dir.path(), QStringLiteral("tricky.pst")));
    QVERIFY(m_mailbox && m_tricky);
    m_manager.setPrinterChooser([this](QPrinter* printer, QWidget*) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(m_nextPdf);
        return true;
    });
}

void PrintingTest::init()
{
    QFile(QString::fromStdString(Morvek::IMVLogConfig::CurrentLogFile())).resize(0);
}

QStringList PrintingTest::logLines() const
{
    return LogLines::read(QString::fromStdString(Morvek::IMVLogConfig::CurrentLogFile()));
}

QString PrintingTest::finishToPdf(HtmlPrinter* request, const QString& pdf)
{
    if (!request)
        return QString();
    QSignalSpy finished(request, &HtmlPrinter::finished);
    if (!finished.wait(120000) || !finished.first().first().toBool())
        return QString();
    return pdf;
}

QString PrintingTest::printToPdf(const std::shared_ptr<PstItem>& item)
{
    m_nextPdf = m_dir.filePath(QStringLiteral("print-%1.pdf").arg(++m_pdfs));
    return finishToPdf(m_manager.printItem(item), m_nextPdf);
}

QString PrintingTest::printHtmlToPdf(const QString& html)
{
    m_nextPdf = m_dir.filePath(QStringLiteral("print-%1.pdf").arg(++m_pdfs));
    return finishToPdf(m_manager.printHtml(html), m_nextPdf);
}

void PrintingTest::eachKindPrintsItsDocument_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("nameHeadsThePage");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("images");
    QTest::newRow("mail") << "Inbox" << 0 << false
                          << QStringList{"Subject: Notes on the Analytical Engine",
                                         "From: Ada Lovelace <ada@example.org>", "To: Charles Babbage",
                                         "Dear Charles,", "Bernoulli numbers", "Ada"}
                          << 1;
    QTest::newRow("plain-text mail") << "Inbox" << 1 << false
                                     << QStringList{"From: Grace Hopper", "Bring <your> notes & questions."} << 0;
    QTest::newRow("contact") << "Contacts" << 0 << true
                             << QStringList{"Chief Engineer", "+1 555 0101", "Met at the conference."} << 0;
    QTest::newRow("appointment") << "Calendar" << 0 << true
                                 << QStringList{"Room 4.12", "Walk through the new folder tree"} << 0;
    QTest::newRow("task") << "Tasks" << 0 << true << QStringList{"Cover the new viewer and the converter."} << 0;
    QTest::newRow("sticky note") << "Notes" << 0 << true << QStringList{"Buy printer paper"} << 0;
    QTest::newRow("journal entry") << "Journal" << 0 << true << QStringList{"Start Date Mar 22, 2023", "Duration 20 m"} << 0;
}

void PrintingTest::eachKindPrintsItsDocument()
{
    QFETCH(QString, folder);
    QFETCH(int, index);
    QFETCH(bool, nameHeadsThePage);
    QFETCH(QStringList, texts);
    QFETCH(int, images);
    const auto chosen = item(m_mailbox, folder, index);
    QVERIFY(chosen);
    const QString pdf = printToPdf(chosen);
    QVERIFY2(!pdf.isEmpty(), "no PDF was printed");
    const QString text = pdfText(pdf);
    if (nameHeadsThePage)
        QCOMPARE(firstLine(pdf), chosen->displayName());
    else
        QVERIFY(firstLine(pdf).startsWith(QLatin1String("Subject:")));
    for (const QString& expected : texts)
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" missing from: ") + text));
    QCOMPARE(pdfImages(pdf), images);
    QVERIFY(logLines().contains(QStringLiteral("INFO Print finished.")));
}

void PrintingTest::valuesFromTheFilePrintAsText_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("mail header") << "Inbox" << 2
                                 << QStringList{"Subject: <img src=x> </div><h1>%2</h1>", "From: <b>Eve</b> & co"};
    QTest::newRow("contact name and note") << "Contacts" << 0
                                           << QStringList{"<i>Trudy</i>", "</span></div><h1>Not a heading</h1>"};
}

void PrintingTest::valuesFromTheFilePrintAsText()
{
    QFETCH(QString, folder);
    QFETCH(int, index);
    QFETCH(QStringList, texts);
    const QString pdf = printToPdf(item(m_tricky, folder, index));
    QVERIFY(!pdf.isEmpty());
    const QString text = pdfText(pdf);
    for (const QString& expected : texts)
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" missing from: ") + text));
}

void PrintingTest::longMailSpansSeveralPages()
{
    QString pdf = printToPdf(item(m_tricky, QStringLiteral("Inbox"), 0));
    QVERIFY(!pdf.isEmpty());
    QString text = pdfText(pdf);
    QVERIFY(text.contains(QLatin1String("Line 1 of the long mail.")));
    QVERIFY(text.contains(QLatin1String("Line 400 of the long mail.")));
    // 400 lines at print size, not shrunk onto one sheet.
    QVERIFY2(pdfPages(pdf) >= 8, qPrintable(QString::number(pdfPages(pdf))));

    // A page over the engine's 2 MB limit for inline HTML, picture included.
    pdf = printToPdf(item(m_tricky, QStringLiteral("Inbox"), 1));
    QVERIFY(!pdf.isEmpty());
    text = pdfText(pdf);
    QVERIFY(text.contains(QLatin1String("Before the picture.")) && text.contains(QLatin1String("After it.")));
    QCOMPARE(pdfImages(pdf), 1);
}

void PrintingTest::printerGetsEverySheet()
{
    // A real printer's path, caught in a PDF: as many sheets as the PDF
    // output has, each a picture.
    const QString text = printToPdf(item(m_tricky, QStringLiteral("Inbox"), 0));
    HtmlPrinter printer;
    QSignalSpy loaded(&printer, &HtmlPrinter::loaded);
    printer.load(PrintManager::documentOf(*item(m_tricky, QStringLiteral("Inbox"), 0)));
    QVERIFY(loaded.wait(60000) && loaded.first().first().toBool());
    QPrinter pictures(QPrinter::HighResolution);
    pictures.setOutputFormat(QPrinter::PdfFormat);
    pictures.setResolution(96);
    pictures.setOutputFileName(m_dir.filePath(QStringLiteral("pictures.pdf")));
    QSignalSpy printed(&printer, &HtmlPrinter::printed);
    printer.printAsPictures(&pictures);
    QVERIFY(printed.wait(120000) && printed.first().first().toBool());
    QCOMPARE(pdfPages(pictures.outputFileName()), pdfPages(text));
    QCOMPARE(pdfImages(pictures.outputFileName()), pdfPages(text));
}

void PrintingTest::untrustedMailRunsNothingAndFetchesNothing()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    int connections = 0;
    connect(&server, &QTcpServer::newConnection, this, [&connections, &server] {
        while (QTcpSocket* socket = server.nextPendingConnection()) {
            ++connections;
            socket->close();
        }
    });
    const QByteArray base = "http://127.0.0.1:" + QByteArray::number(server.serverPort());
    const QByteArray html = "<html><head><meta http-equiv=\"refresh\" content=\"0; url=" + base + "/moved\">"
                            "<link rel=\"stylesheet\" href=\"" + base + "/style.css\">"
                            "<script src=\"" + base + "/tracker.js\"></script></head>"
                            "<body><script>document.write('SCRIPT RAN');</script>"
                            "<img src=\"" + base + "/pixel.png\"><iframe src=\"" + base + "/frame.html\"></iframe>"
                            "<p style=\"background:url(" + base + "/bg.png)\">Hello reader</p></body></html>";
    auto root = parse(UiSamples::write(UiSamples::singleHtmlMail(html), m_dir.path(), QStringLiteral("untrusted.pst")));
    QVERIFY(root);
    const QString pdf = printToPdf(item(root, QStringLiteral("Inbox"), 0));
    QVERIFY(!pdf.isEmpty());
    QTest::qWait(300);
    const QString text = pdfText(pdf);
    QVERIFY(text.contains(QLatin1String("Hello reader")));
    QVERIFY(!text.contains(QLatin1String("SCRIPT RAN")));
    QCOMPARE(connections, 0);
}

void PrintingTest::textAfterANulStillPrints()
{
    const QString pdf = printHtmlToPdf(QStringLiteral("<p>before") + QChar(QChar::Null) + QStringLiteral("after</p>"));
    QVERIFY(!pdf.isEmpty());
    QVERIFY(pdfText(pdf).contains(QLatin1String("beforeafter")));
}

void PrintingTest::folderIsNotPrinted()
{
    m_nextPdf = m_dir.filePath(QStringLiteral("folder.pdf"));
    QVERIFY(!m_manager.printItem(findFolder(m_mailbox, QStringLiteral("Inbox"))));
    QTest::qWait(200);
    QVERIFY(!QFile::exists(m_nextPdf));
    QCOMPARE(logLines(), QStringList{QStringLiteral("INFO Print failed, unsupported data type for printing.")});
}

void PrintingTest::cancelledDialogEndsTheRequestAndTheNextWorks()
{
    PrintManager withDialog;
    int dialogs = 0;
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&dialogs] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            ++dialogs;
            dialog->reject();
        }
    });
    closer.start(50);
    HtmlPrinter* request = withDialog.printItem(item(m_mailbox, QStringLiteral("Contacts"), 0));
    QVERIFY(request);
    QSignalSpy finished(request, &HtmlPrinter::finished);
    QVERIFY(finished.wait(60000));
    QCOMPARE(finished.first().first().toBool(), false);
    QCOMPARE(dialogs, 1);
    QVERIFY(logLines().contains(QStringLiteral("INFO Print cancelled.")));
    closer.stop();
    QVERIFY(!printToPdf(item(m_mailbox, QStringLiteral("Contacts"), 0)).isEmpty());
}

void PrintingTest::windowPrintsFromButtonAndMenu()
{
    MainWindow window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.openFile(m_dir.filePath(QStringLiteral("mailbox.pst")));
    QTRY_VERIFY_WITH_TIMEOUT(UiDriver::pressFolder(window.findChild<PSTTreeView*>(QStringLiteral("treeView")), QStringLiteral("Contacts")), 30000);
    QVERIFY(!window.printAction()->isEnabled());
    QVERIFY(UiDriver::clickRow(window.findChild<PSTListView*>(QStringLiteral("listView")), 0));
    QVERIFY(window.printAction()->isEnabled());
    QCOMPARE(window.printAction()->shortcut(), QKeySequence(QKeySequence::Print));

    QStringList printed;
    window.printManager().setPrinterChooser([&printed](QPrinter* printer, QWidget* parent) {
        printed << parent->objectName();
        printer->setOutputFormat(QPrinter::PdfFormat);
        return false;
    });
    window.findChild<QToolButton*>(QStringLiteral("printBtn"))->click();
    QTRY_COMPARE_WITH_TIMEOUT(printed.size(), 1, 60000);
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(printed.size(), 2, 60000);
    QCOMPARE(printed.first(), window.objectName());
    QCOMPARE(logLines().count(QStringLiteral("INFO Click the print button.")), 2);
}

void PrintingTest::cliWritesThePdfWithoutADisplay_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("expected");
    const QString pst = m_dir.filePath(QStringLiteral("mailbox.pst"));
    const QString out = m_dir.filePath(QStringLiteral("cli.pdf"));
    const QString inbox = QStringLiteral("Top of Personal Folders/Inbox");
    const QString nowhere = m_dir.filePath(QStringLiteral("no/such/dir/x.pdf"));
    QTest::newRow("mail") << QStringList{"pdf", pst, inbox + "/#0", "-o", out} << 0
                          << "Subject: Notes on the Analytical Engine";
    QTest::newRow("missing item") << QStringList{"pdf", pst, inbox + "/#99", "-o", out} << 1
                                  << "lumaroo-cli: " + inbox + "/#99: no such item";
    QTest::newRow("folder") << QStringList{"pdf", pst, inbox, "-o", out} << 1
                            << "lumaroo-cli: " + inbox + ": a folder cannot be printed";
    QTest::newRow("unwritable output") << QStringList{"pdf", pst, inbox + "/#1", "-o", nowhere} << 1
                                       << "lumaroo-cli: " + nowhere + ": ";
    QTest::newRow("no output") << QStringList{"pdf", pst, inbox + "/#1"} << 2 << "usage: lumaroo-cli pdf";
}

void PrintingTest::cliWritesThePdfWithoutADisplay()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, expected);
    const QString out = m_dir.filePath(QStringLiteral("cli.pdf"));
    QFile::remove(out);
    // As on a server: no display, and none of the engine settings the tests use.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QTWEBENGINE_DISABLE_SANDBOX",
                             "QTWEBENGINE_CHROMIUM_FLAGS"})
        environment.remove(QString::fromLatin1(name));
    QProcess cli;
    cli.setProcessEnvironment(environment);
    cli.start(CliRunner::path(), args);
    QVERIFY(cli.waitForFinished(120000));
    const QString err = QString::fromUtf8(cli.readAllStandardError());
    QCOMPARE(cli.exitCode(), status);
    if (status == 0) {
        QVERIFY2(pdfText(out).contains(expected), qPrintable(err));
    } else {
        QVERIFY(!QFile::exists(out));
        QVERIFY2(err.startsWith(expected), qPrintable(err));
        QCOMPARE(err.count(QLatin1Char('\n')), 1);
    }
}

int main(int argc, char* argv[])
{
    TestHome home;
    qputenv("QT_WEBVIEW_PLUGIN", "webengine");
    MailContentHandler::registerScheme();
    QtWebView::initialize();
    QApplication app(argc, argv);
    PrintingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_Printing.moc"
