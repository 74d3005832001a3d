// SPDX-License-Identifier: GPL-2.0-or-later
// Printing: every kind of item through the same path the print dialog
// takes (a printer set to PDF output), checked with poppler's pdftotext; the
// untrusted page's lock-down; the dialog's cancel; the window's entries; and
// `lumaroo-cli pdf` without a display.

#include "CliRunner.h"
#include "HtmlPrinter.h"
#include "IMVLogConfig.h"
#include "LogLines.h"
#include "MultiLanguage.h"
#include "PSTListView.h"
#include "PSTTreeView.h"
#include "PrintManager.h"
#include "PstInfoLabel.h"
#include "PstInfoView.h"
#include "TestHome.h"
#include "UiDriver.h"
#include "UiSamples.h"
#include "mainwindow.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QtTest>
#include <QtWidgets>

using namespace UiDriver;

namespace {

// What a poppler tool prints about `pdf`; empty when it fails.
QString poppler(const QString& tool, QStringList args, const QString& pdf)
{
    QProcess process;
    process.start(tool, args << pdf << (tool == "pdftotext" ? QStringList{"-"} : QStringList{}));
    return process.waitForFinished(60000) && process.exitCode() == 0 ? QString::fromUtf8(process.readAllStandardOutput())
                                                                     : QString();
}

int pdfPages(const QString& pdf)
{
    const QString info = poppler("pdfinfo", {}, pdf);
    return info.mid(info.indexOf("Pages:") + 6).section('\n', 0, 0).trimmed().toInt();
}

// Every contact field the file can hold, with the section and caption that
// show it: {libpst field, value, section, caption}.
struct ContactRow
{
    const char* field;
    const char* value;
    const char* section;
    const char* caption;
};

const ContactRow kContactRows[] = {
    {"display_name_prefix", "Dr.", "Contact Name", "Prefix"},
    {"first_name", "Grace", "Contact Name", "First Name"},
    {"middle_name", "Brewster", "Contact Name", "Middle Name"},
    {"surname", "Hopper", "Contact Name", "Last Name"},
    {"suffix", "PhD", "Contact Name", "Suffix"},
    {"nickname", "Amazing Grace", "Contact Name", "Nickname"},
    {"job_title", "Rear Admiral", "Professional Information", "Title"},
    {"company_name", "US Navy", "Professional Information", "Company"},
    {"department", "Computing", "Professional Information", "Department"},
    {"office_loc", "Building 7", "Professional Information", "Office"},
    {"profession", "Programmer", "Professional Information", "Profession"},
    {"manager_name", "Howard Aiken", "Professional Information", "Manager"},
    {"assistant_name", "Richard Bloch", "Professional Information", "Assistant"},
    {"primary_phone", "+1 555 0099", "Phone Numbers", "Primary"},
    {"business_phone", "+1 555 0100", "Phone Numbers", "Business"},
    {"business_phone2", "+1 555 0120", "Phone Numbers", "Business 2"},
    {"company_main_phone", "+1 555 0121", "Phone Numbers", "Company Main"},
    {"home_phone", "+1 555 0101", "Phone Numbers", "Home"},
    {"home_phone2", "+1 555 0122", "Phone Numbers", "Home 2"},
    {"mobile_phone", "+1 555 0102", "Phone Numbers", "Mobile"},
    {"pager_phone", "+1 555 0123", "Phone Numbers", "Pager"},
    {"assistant_phone", "+1 555 0124", "Phone Numbers", "Assistant"},
    {"other_phone", "+1 555 0103", "Phone Numbers", "Other"},
    {"callback_phone", "+1 555 0104", "Phone Numbers", "Callback"},
    {"car_phone", "+1 555 0105", "Phone Numbers", "Car"},
    {"radio_phone", "+1 555 0125", "Phone Numbers", "Radio"},
    {"isdn_phone", "+1 555 0126", "Phone Numbers", "ISDN"},
    {"ttytdd_phone", "+1 555 0127", "Phone Numbers", "TTY/TDD"},
    {"telex", "555 0128", "Phone Numbers", "Telex"},
    {"address1", "grace@navy.example", "Email Addresses", "Email 1"},
    {"address2", "gh@home.example", "Email Addresses", "Email 2"},
    {"address3", "hopper@cobol.example", "Email Addresses", "Email 3"},
    {"primary_fax", "+1 555 0110", "Fax", "Fax (Primary)"},
    {"home_fax", "+1 555 0111", "Fax", "Fax (Home)"},
    {"business_fax", "+1 555 0112", "Fax", "Fax (Business)"},
    {"home_address", "1 Home Road\nArlington", "Addresses", "Home Address"},
    {"business_address", "2 Navy Yard\nWashington", "Addresses", "Business Address"},
    {"business_homepage", "https://navy.example/grace", "Web Pages", "Business Web Page"},
    {"personal_homepage", "https://grace.example", "Web Pages", "Personal Web Page"},
    {"spouse_name", "Vincent", "Personal Information", "Spouse"},
    {"hobbies", "Knitting", "Personal Information", "Hobbies"},
};

// The information view's rows as {"Section|Caption" → value}.
QMap<QString, QString> infoRows(const std::shared_ptr<PstItem>& item)
{
    PstInfoView view;
    view.setData(item);
    QMap<QString, QString> rows;
    for (PstInfoLabel* block : view.infoLabels()) {
        QList<QLabel*> labels = block->findChildren<QLabel*>();
        labels.removeIf([](QLabel* label) { return label->objectName() == QLatin1String("labelTitle"); });
        for (int i = 0; i + 1 < labels.size(); i += 2)
            rows.insert(block->labelTitle() + '|' + labels.at(i)->text(), labels.at(i + 1)->text());
    }
    return rows;
}

int pdfImages(const QString& pdf)
{
    // Two heading lines, then one line per image.
    return qMax(0, int(poppler("pdfimages", {"-list"}, pdf).count('\n')) - 2);
}

} // namespace

class PrintingTest : public QObject
{
    Q_OBJECT

private:
    // Waits for `request` to print to m_nextPdf: the PDF's path, or "" when
    // the request failed.
    QString finishToPdf(HtmlPrinter* request)
    {
        QSignalSpy finished(request, &HtmlPrinter::finished);
        return request && finished.wait(120000) && finished.first().first().toBool() ? m_nextPdf : QString();
    }
    // Prints through PrintManager with a PDF printer in place of the dialog's choice.
    QString printToPdf(const std::shared_ptr<PstItem>& item)
    {
        m_nextPdf = m_dir.filePath(QStringLiteral("print-%1.pdf").arg(++m_pdfs));
        return finishToPdf(m_manager.printItem(item));
    }
    QStringList logLines() const { return LogLines::read(QString::fromStdString(Morvek::IMVLogConfig::CurrentLogFile())); }

    QTemporaryDir m_dir;
    QString m_mailboxPath;
    std::shared_ptr<PstFolderItem> m_mailbox;
    std::shared_ptr<PstFolderItem> m_tricky;
    std::shared_ptr<PstFolderItem> m_untrusted;
    PrintManager m_manager;
    QString m_nextPdf;
    int m_pdfs = 0;
    std::shared_ptr<PstFolderItem> m_contacts;
    QMap<QString, QString> m_contactRows[2]; // the info view's, the page's
    QString m_contactPage;
    QString m_contactDocument;

    // A contact with every field of the table, a birthday and an anniversary
    // stored at Tokyo's midnight, and one with an address only in parts;
    // the first one's view and printed page, once.
    bool contactsWritten()
    {
        if (m_contacts)
            return true;
        PstFolder folder{QStringLiteral("Contacts"), QStringLiteral("IPF.Contact"), {}, {}};
        PstMessage full;
        full.kind = PstMessage::Kind::Contact;
        for (const ContactRow& row : kContactRows)
            full.contact.insert(row.field, QString::fromUtf8(row.value));
        full.birthday = QDate(1906, 12, 9);
        full.anniversary = QDate(1930, 6, 15);
        full.contactDatesUtcOffset = 9 * 3600;
        PstMessage parts;
        parts.kind = PstMessage::Kind::Contact;
        parts.contact = {{"first_name", "Ada"}, {"home_street", "12 St James's Square"}, {"home_city", "London"},
                         {"home_postal_code", "SW1Y 4JH"}, {"home_country", "United Kingdom"}};
        parts.birthday = QDate(1815, 12, 10);
        parts.contactDatesUtcOffset = -5 * 3600;
        folder.messages = {full, parts};
        PstDescription description;
        description.folders = {folder};
        m_contacts = parse(UiSamples::write(description, m_dir.path(), QStringLiteral("contacts.pst")));
        if (!m_contacts)
            return false;
        const auto grace = item(m_contacts, QStringLiteral("Contacts"), 0);
        m_contactRows[0] = infoRows(grace);
        m_nextPdf = m_dir.filePath(QStringLiteral("contact.pdf"));
        HtmlPrinter* request = m_manager.printItem(grace);
        m_contactDocument = request ? request->documentName() : QString();
        // A page break is a form feed before the next page's first line.
        m_contactPage = poppler("pdftotext", {"-layout"}, finishToPdf(request)).remove(QLatin1Char('\f'));
        return !m_contactPage.isEmpty();
    }

private slots:
    void initTestCase()
    {
        Morvek::IMVLogConfig::InitializeLogConfig((m_dir.path() + "/log/").toStdString());
        m_mailboxPath = UiSamples::write(UiSamples::mailbox(), m_dir.path(), QStringLiteral("mailbox.pst"));
        m_mailbox = parse(m_mailboxPath);
        m_tricky = parse(UiSamples::write(UiSamples::printing(), m_dir.path(), QStringLiteral("tricky.pst")));
        QVERIFY(m_mailbox && m_tricky);
        m_manager.setPrinterChooser([this](QPrinter* printer, QWidget*) {
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(m_nextPdf);
            return true;
        });
    }

    void init()
    {
        QFile(QString::fromStdString(Morvek::IMVLogConfig::CurrentLogFile())).resize(0);
    }

    void printsItsDocument_data()
    {
        QTest::addColumn<bool>("tricky");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("heading"); // how the page starts
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("images");
        QTest::newRow("mail") << false << "Inbox" << 0 << "Subject:"
                              << QStringList{"Subject: Notes on the Analytical Engine", "From: Ada Lovelace <ada@example.org>",
                                             "To: Charles Babbage", "Cc: Mary Somerville", "Date: Mar 14, 2023 at",
                                             "Attachments: ", "notes.txt", "diagram.png", "Dear Charles,", "Bernoulli numbers", "Ada"}
                              << 1;
        QTest::newRow("plain-text mail") << false << "Inbox" << 1 << "Subject:"
                                         << QStringList{"From: Grace Hopper", "Bring <your> notes & questions."} << 0;
        QTest::newRow("contact") << false << "Contacts" << 0 << "Helen Contact"
                                 << QStringList{"Chief Engineer", "+1 555 0101", "Met at the conference."} << 0;
        QTest::newRow("appointment") << false << "Calendar" << 0 << "Design review"
                                     << QStringList{"Room 4.12", "Walk through the new folder tree"} << 0;
        QTest::newRow("task") << false << "Tasks" << 0 << "Write release notes" << QStringList{"Cover the new viewer and the converter."} << 0;
        QTest::newRow("sticky note") << false << "Notes" << 0 << "Buy printer paper" << QStringList{"Buy printer paper"} << 0;
        QTest::newRow("journal entry") << false << "Journal" << 0 << "Call with the printer vendor"
                                       << QStringList{"Start Date Mar 22, 2023", "Duration 20 m"} << 0;
        QTest::newRow("markup in a mail header, as text")
            << true << "Inbox" << 2 << "Subject:" << QStringList{"Subject: <img src=x> </div><h1>%2</h1>", "From: <b>Eve</b> & co"} << 0;
        QTest::newRow("markup in a contact, as text")
            << true << "Contacts" << 0 << "<i>Trudy</i>" << QStringList{"<i>Trudy</i>", "</span></div><h1>Not a heading</h1>"} << 0;
        QTest::newRow("page over the engine's 2 MB limit")
            << true << "Inbox" << 1 << "Subject:" << QStringList{"Before the picture.", "After it."} << 1;
    }

    void printsItsDocument()
    {
        QFETCH(bool, tricky);
        QFETCH(QString, folder);
        QFETCH(int, index);
        QFETCH(QString, heading);
        QFETCH(QStringList, texts);
        QFETCH(int, images);
        const auto chosen = item(tricky ? m_tricky : m_mailbox, folder, index);
        QVERIFY(chosen);
        const QString pdf = printToPdf(chosen);
        QVERIFY2(!pdf.isEmpty(), "no PDF was printed");
        const QString page = poppler("pdftotext", {}, pdf);
        const QString firstLine = page.trimmed().section('\n', 0, 0).trimmed();
        QVERIFY2(firstLine.startsWith(heading), qPrintable(firstLine));
        const QString text = page.simplified();
        for (const QString& expected : texts)
            QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" missing from: ") + text));
        QCOMPARE(pdfImages(pdf), images);
        QVERIFY(logLines().contains(QStringLiteral("INFO Print finished.")));
    }

    void contactShowsAndPrintsEveryField_data()
    {
        QTest::addColumn<QString>("row"); // "Section|Caption"
        QTest::addColumn<QString>("value");
        for (const ContactRow& row : kContactRows)
            QTest::newRow(row.field) << QStringLiteral("%1|%2").arg(row.section, row.caption) << QString::fromUtf8(row.value);
        // Stored as 15:00 UTC the day before: the day meant is shown.
        QTest::newRow("birthday") << "Personal Information|Birthday" << QLocale().toString(QDate(1906, 12, 9), QLocale::LongFormat);
        QTest::newRow("anniversary") << "Personal Information|Anniversary"
                                     << QLocale().toString(QDate(1930, 6, 15), QLocale::LongFormat);
    }

    void contactShowsAndPrintsEveryField()
    {
        QFETCH(QString, row);
        QFETCH(QString, value);
        QVERIFY(contactsWritten());
        QCOMPARE(m_contactRows[0].value(row), value);
        // The page keeps the caption and its value on one line, the value's
        // further lines under its first one.
        const QString caption = row.section('|', 1);
        const QStringList lines = value.split('\n');
        const QRegularExpression printed(QStringLiteral("^ *%1 +%2 *$").arg(QRegularExpression::escape(caption),
                                                                       QRegularExpression::escape(lines.first())),
                                         QRegularExpression::MultilineOption);
        const QRegularExpressionMatch match = printed.match(m_contactPage);
        QVERIFY2(match.hasMatch(), qPrintable(row + " missing from:\n" + m_contactPage));
        const int column = int(match.captured(0).lastIndexOf(lines.first()));
        for (const QString& more : lines.mid(1)) {
            const QRegularExpression aligned(QStringLiteral("^ {%1}%2 *$").arg(column).arg(QRegularExpression::escape(more)),
                                             QRegularExpression::MultilineOption);
            QVERIFY2(aligned.match(m_contactPage).hasMatch(), qPrintable(more + " not under its first line:\n" + m_contactPage));
        }
    }

    void contactShowsOnlyWhatItHasAndComposesItsAddress()
    {
        QVERIFY(contactsWritten());
        const QMap<QString, QString> rows = infoRows(item(m_contacts, QStringLiteral("Contacts"), 1));
        // Stored at 05:00 UTC (New York's midnight): the same day.
        QCOMPARE(rows.keys(), (QStringList{"Addresses|Home Address", "Contact Name|First Name", "Personal Information|Birthday"}));
        QCOMPARE(rows.value("Addresses|Home Address"), QStringLiteral("12 St James's Square\nSW1Y 4JH London\nUnited Kingdom"));
        QCOMPARE(rows.value("Personal Information|Birthday"), QLocale().toString(QDate(1815, 12, 10), QLocale::LongFormat));
        // The printed file is named after the person, not the address.
        QCOMPARE(m_contactDocument, QStringLiteral("Grace Hopper"));
    }

    // The printed mail's labels speak the interface language.
    void printedMailLabelsAreTranslated()
    {
        MultiLanguage::instance()->languageSwitch(MultiLanguage::German);
        const QString pdf = printToPdf(item(m_mailbox, QStringLiteral("Inbox"), 0));
        MultiLanguage::instance()->languageSwitch(MultiLanguage::English);
        const QString text = poppler("pdftotext", {}, pdf).simplified();
        for (const char* label : {"Betreff: Notes on the Analytical Engine", "Von: Ada Lovelace", "An: Charles Babbage",
                                  "Cc: Mary Somerville", "Datum: ", "Anhänge: "})
            QVERIFY2(text.contains(QString::fromUtf8(label)), qPrintable(QString::fromUtf8(label) + " missing from: " + text));
    }

    void longMailSpansSeveralPagesAndThePrinterGetsEverySheet()
    {
        const std::shared_ptr<PstItem> longMail = item(m_tricky, QStringLiteral("Inbox"), 0);
        const QString pdf = printToPdf(longMail);
        const QString text = poppler("pdftotext", {}, pdf).simplified();
        QVERIFY(text.contains(QLatin1String("Line 1 of the long mail.")));
        QVERIFY(text.contains(QLatin1String("Line 400 of the long mail.")));
        // 400 lines at print size, not shrunk onto one sheet.
        QVERIFY2(pdfPages(pdf) >= 8, qPrintable(QString::number(pdfPages(pdf))));

        // A real printer's path, caught in a PDF: as many sheets, each a picture.
        HtmlPrinter printer;
        QSignalSpy loaded(&printer, &HtmlPrinter::loaded);
        printer.load(PrintManager::documentOf(*longMail));
        QVERIFY(loaded.wait(60000) && loaded.first().first().toBool());
        QPrinter pictures(QPrinter::HighResolution);
        pictures.setOutputFormat(QPrinter::PdfFormat);
        pictures.setResolution(96);
        pictures.setOutputFileName(m_dir.filePath(QStringLiteral("pictures.pdf")));
        QSignalSpy printed(&printer, &HtmlPrinter::printed);
        printer.printAsPictures(&pictures);
        QVERIFY(printed.wait(120000) && printed.first().first().toBool());
        QCOMPARE(pdfPages(pictures.outputFileName()), pdfPages(pdf));
        QCOMPARE(pdfImages(pictures.outputFileName()), pdfPages(pdf));
    }

    void untrustedMailRunsNothingAndFetchesNothing()
    {
        Tripwire server;
        const QByteArray base = server.base();
        const QByteArray html = "<html><head><meta http-equiv=\"refresh\" content=\"0; url=" + base + "/moved\">"
                                "<link rel=\"stylesheet\" href=\"" + base + "/style.css\">"
                                "<script src=\"" + base + "/tracker.js\"></script></head>"
                                "<body><script>document.write('SCRIPT RAN');</script>"
                                "<img src=\"" + base + "/pixel.png\"><iframe src=\"" + base + "/frame.html\"></iframe>"
                                "<p style=\"background:url(" + base + "/bg.png)\">Hello reader</p></body></html>";
        m_untrusted = parse(UiSamples::write(UiSamples::singleHtmlMail(html), m_dir.path(), QStringLiteral("untrusted.pst")));
        const QString pdf = printToPdf(item(m_untrusted, QStringLiteral("Inbox"), 0));
        QVERIFY(!pdf.isEmpty());
        QTest::qWait(300);
        const QString text = poppler("pdftotext", {}, pdf);
        QVERIFY(text.contains(QLatin1String("Hello reader")));
        QVERIFY(!text.contains(QLatin1String("SCRIPT RAN")));
        QCOMPARE(server.connections, 0);
    }

    void textAfterANulStillPrints()
    {
        m_nextPdf = m_dir.filePath(QStringLiteral("nul.pdf"));
        const QString pdf = finishToPdf(m_manager.printHtml(QStringLiteral("<p>before") + QChar(QChar::Null) + "after</p>"));
        QVERIFY(poppler("pdftotext", {}, pdf).contains(QLatin1String("beforeafter")));
    }

    void folderIsNotPrinted()
    {
        m_nextPdf = m_dir.filePath(QStringLiteral("folder.pdf"));
        QVERIFY(!m_manager.printItem(findFolder(m_mailbox, QStringLiteral("Inbox"))));
        QTest::qWait(200);
        QVERIFY(!QFile::exists(m_nextPdf));
        QCOMPARE(logLines(), QStringList{QStringLiteral("INFO Print failed, unsupported data type for printing.")});
    }

    void cancelledDialogEndsTheRequestAndTheNextWorks()
    {
        PrintManager withDialog;
        int dialogs = 0;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&dialogs] {
            if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget()))
                ++dialogs, dialog->reject();
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

    void windowPrintsFromButtonAndMenu()
    {
        MainWindow window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.openFile(m_mailboxPath);
        QTRY_VERIFY_WITH_TIMEOUT(pressFolder(window.findChild<PSTTreeView*>(QStringLiteral("treeView")), QStringLiteral("Contacts")), 30000);
        QVERIFY(!window.printAction()->isEnabled());
        QVERIFY(clickRow(window.findChild<PSTListView*>(QStringLiteral("listView")), 0));
        QVERIFY(window.printAction()->isEnabled());
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

    void cliWritesThePdfWithoutADisplay_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("expected");
        const QString pst = m_dir.filePath(QStringLiteral("mailbox.pst"));
        const QString out = m_dir.filePath(QStringLiteral("cli.pdf"));
        const QString inbox = QStringLiteral("Top of Personal Folders/Inbox");
        const QString nowhere = m_dir.filePath(QStringLiteral("no/such/dir/x.pdf"));
        QTest::newRow("mail") << QStringList{"pdf", pst, inbox + "/#0", "-o", out} << 0 << "Subject: Notes on the Analytical Engine";
        QTest::newRow("missing item") << QStringList{"pdf", pst, inbox + "/#99", "-o", out} << 1
                                      << "lumaroo-cli: " + inbox + "/#99: no such item";
        QTest::newRow("folder") << QStringList{"pdf", pst, inbox, "-o", out} << 1
                                << "lumaroo-cli: " + inbox + ": a folder cannot be printed";
        QTest::newRow("unwritable output") << QStringList{"pdf", pst, inbox + "/#1", "-o", nowhere} << 1
                                           << "lumaroo-cli: " + nowhere + ": ";
        QTest::newRow("no output") << QStringList{"pdf", pst, inbox + "/#1"} << 2 << "usage: lumaroo-cli pdf";
    }

    void cliWritesThePdfWithoutADisplay()
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
            QVERIFY2(poppler("pdftotext", {}, out).simplified().contains(expected), qPrintable(err));
        } else {
            QVERIFY(!QFile::exists(out));
            QVERIFY2(err.startsWith(expected), qPrintable(err));
            QCOMPARE(err.count(QLatin1Char('\n')), 1);
        }
    }
};

LUMAROO_UI_TEST_MAIN(PrintingTest)
#include "tst_Printing.moc"
