// SPDX-License-Identifier: GPL-2.0-or-later
// The mail view: the header band, the attachment button, elided labels, and the web view's handling of
// untrusted mail (no scripts, no network, no navigation, links to the
// desktop, inline pictures, pages over the engine's limit); and the window
// keeping to a small screen (the offscreen screen is 800 × 600).

#include "DetailViewController.h"
#include "ElidedLabel.h"
#include "LinkPolicy.h"
#include "MailContentHandler.h"
#include "MailRequestGuard.h"
#include "MyWebViewWidget.h"
#include "PstInfoView.h"
#include "PstMailView.h"
#include "PstTreeController.h"
#include "TestData.h"
#include "TestHome.h"
#include "PstPresets.h"
#include "UiDriver.h"
#include "UiSamples.h"
#include "mainwindow.h"

#include <QQuickItem>
#include <QQuickWidget>
#include <QtTest>
#include <QtWidgets>

using namespace UiDriver;

class MailViewTest : public QObject
{
    Q_OBJECT

private:
    // Writes a mailbox holding one HTML mail and returns that mail.
    std::shared_ptr<PstItem> singleMail(const QByteArray& html, const QString& subject = QStringLiteral("Untrusted"))
    {
        const QString name = QStringLiteral("mail-%1.pst").arg(m_keep.size());
        m_keep.append(parse(UiSamples::write(UiSamples::singleHtmlMail(html, subject), m_dir.path(), name)));
        return item(m_keep.last(), QStringLiteral("Inbox"), 0);
    }
    // Shows `mail` and waits until its page has loaded.
    bool showAndWait(const std::shared_ptr<PstItem>& mail)
    {
        QSignalSpy loaded(m_controller->mailView()->webView(), &MyWebViewWidget::pageLoaded);
        m_controller->setItem(mail);
        return loaded.wait(30000) && loaded.last().at(0).toBool();
    }
    QQuickItem* web() const
    {
        QQuickItem* root = m_controller->mailView()->webView()->quickWidget()->rootObject();
        return root ? root->findChild<QQuickItem*>(QStringLiteral("mailWebView")) : nullptr;
    }
    template<typename T = QLabel> T* label(const char* name) const
    {
        return m_controller->mailView()->findChild<T*>(QString::fromLatin1(name));
    }

    QTemporaryDir m_dir;
    std::shared_ptr<PstFolderItem> m_root;
    QList<std::shared_ptr<PstFolderItem>> m_keep;
    std::unique_ptr<QStackedWidget> m_stack;
    DetailViewController* m_controller = nullptr;

private slots:
    void initTestCase()
    {
        m_root = parse(UiSamples::write(UiSamples::mailbox(), m_dir.path(), QStringLiteral("mailbox.pst")));
        QVERIFY(m_root);
    }

    void init()
    {
        m_stack = detailPane(&m_controller);
        QVERIFY(QTest::qWaitForWindowExposed(m_stack.get()));
        QVERIFY(m_controller->mailView()->webView()->isReady());
    }

    void cleanup() { m_stack.reset(); }


    void headerShowsTheMailsFieldsAsText()
    {
        m_controller->setItem(item(m_root, QStringLiteral("Inbox"), 0));
        QCOMPARE(label("from")->text(), QStringLiteral("Ada Lovelace"));
        QVERIFY(label("dateLabel")->text().startsWith(QStringLiteral("Mar 14, 2023 at ")));
        QVERIFY(label("toLabel")->text().startsWith(QStringLiteral("To: Charles Babbage")));
        auto* cc = label<ElidedLabel>("ccLabel");
        QVERIFY(cc->isVisible());
        QVERIFY(cc->fullText().startsWith(QStringLiteral("Cc: Mary Somerville")));
        QVERIFY(!label<ElidedLabel>("bccLabel")->isVisible());
        // A mail without Cc shows no Cc line.
        m_controller->setItem(item(m_root, QStringLiteral("Inbox"), 1));
        QVERIFY(!cc->isVisible());
        QCOMPARE(label("from")->text(), QStringLiteral("Grace Hopper"));
        QCOMPARE(label<ElidedLabel>("subjectLabel")->fullText(), QStringLiteral("Compiler meeting moved"));
        // The address in angle brackets, never read as markup.
        auto real = parse(TestData::pst(QStringLiteral("aranetic__process-pst__flags_jane_doe.pst")));
        QVERIFY2(real, "the shared test file is missing or unreadable");
        m_controller->setItem(item(real, QStringLiteral("Inbox"), 1));
        QCOMPARE(label<ElidedLabel>("fromLabel")->fullText(), QStringLiteral("<pst-test-1@aranetic.com>"));
        for (const char* name : {"fromLabel", "from", "dateLabel", "toLabel", "stateLabel"})
            QCOMPARE(label(name)->textFormat(), Qt::PlainText);
    }

    // Meeting mails show their time, place, organiser and attendees with the
    // mail, as an appointment shows them; other mails show no such lines.
    void meetingRequestShowsItsAppointment_data()
    {
        QTest::addColumn<bool>("allDay");
        QTest::addColumn<QStringList>("lines");
        const QString start = QLocale().toString(QDateTime(QDate(2024, 4, 10), QTime(10, 0), Qt::UTC).toLocalTime(),
                                                 QStringLiteral("MMM dd, yyyy 'at' hh:mm AP"));
        const QString end = QLocale().toString(QDateTime(QDate(2024, 4, 10), QTime(11, 30), Qt::UTC).toLocalTime(),
                                               QStringLiteral("hh:mm AP"));
        QTest::newRow("timed") << false << QStringList{"When: " + start + " – " + end, "Where: Room 101",
            "Organizer: Alice Example <alice@example.com>", "Required: Bob Example", "Optional: Carol Example"};
        QTest::newRow("all day") << true << QStringList{"When: All day, " + QLocale().toString(QDate(2024, 4, 10), QLocale::LongFormat),
            "Where: Room 101", "Organizer: Alice Example <alice@example.com>", "Required: Bob Example",
            "Optional: Carol Example"};
    }

    void meetingRequestShowsItsAppointment()
    {
        QFETCH(bool, allDay);
        QFETCH(QStringList, lines);
        PstMessage request;
        request.messageClass = QStringLiteral("IPM.Schedule.Meeting.Request");
        request.subject = QStringLiteral("Planning meeting");
        request.body = QStringLiteral("Let us plan the quarter.");
        request.senderName = QStringLiteral("Alice Example");
        request.senderAddress = QStringLiteral("alice@example.com");
        request.allDay = allDay;
        // All day: Tokyo's midnights; timed: half past ten to half past eleven.
        request.start = allDay ? QDateTime(QDate(2024, 4, 9), QTime(15, 0), Qt::UTC) : QDateTime(QDate(2024, 4, 10), QTime(10, 0), Qt::UTC);
        request.end = allDay ? QDateTime(QDate(2024, 4, 10), QTime(15, 0), Qt::UTC) : QDateTime(QDate(2024, 4, 10), QTime(11, 30), Qt::UTC);
        request.location = QStringLiteral("Room 101");
        request.recipients = {{QStringLiteral("Bob Example"), QStringLiteral("bob@example.com")},
                              {QStringLiteral("Carol Example"), QStringLiteral("carol@example.com"), QStringLiteral("SMTP"),
                               PstRecipient::Cc}};
        PstDescription description;
        description.folders = {{QStringLiteral("Inbox"), QStringLiteral("IPF.Note"), {request, PstMessage()}, {}}};
        m_keep.append(parse(UiSamples::write(description, m_dir.path(), QStringLiteral("meeting-%1.pst").arg(allDay))));
        m_controller->setItem(item(m_keep.last(), QStringLiteral("Inbox"), 0));
        QLabel* meeting = label("meetingLabel");
        QVERIFY(meeting && meeting->isVisible());
        QCOMPARE(meeting->text().split('\n'), lines);
        QCOMPARE(meeting->textFormat(), Qt::PlainText);
        m_controller->setItem(item(m_keep.last(), QStringLiteral("Inbox"), 1));
        QVERIFY(!meeting->isVisible());
    }

    // The sample mailbox `lumaroo` opens first shows a real inline picture.
    void sampleMailboxPictureIsAnImage()
    {
        int pictures = 0;
        const std::function<void(const PstFolder&)> walk = [&](const PstFolder& folder) {
            for (const PstMessage& message : folder.messages) {
                for (const PstAttachment& attachment : message.attachments) {
                    if (!attachment.mimeType.startsWith(QLatin1String("image/")))
                        continue;
                    ++pictures;
                    const QImage image = QImage::fromData(attachment.data);
                    QVERIFY2(!image.isNull(), qPrintable(attachment.longName));
                    QVERIFY(image.width() > 1 && image.height() > 1);
                }
            }
            for (const PstFolder& child : folder.folders)
                walk(child);
        };
        for (const PstFolder& folder : PstPresets::allKinds().folders)
            walk(folder);
        QVERIFY(pictures > 0);
    }

    void attachmentButtonFollowsTheMail()
    {
        PstMailView* view = m_controller->mailView();
        auto* button = view->findChild<QPushButton*>(QStringLiteral("attachmentBtn"));
        m_controller->setItem(item(m_root, QStringLiteral("Inbox"), 0));
        QVERIFY(button->isVisible());
        QCOMPARE(button->text(), QStringLiteral("Attachments (2)"));
        QStringList names;
        for (QAction* action : view->attachmentMenu()->actions())
            names << action->text();
        // The order is the record's attachment list, which libpst may reverse.
        names.sort();
        QCOMPARE(names, (QStringList{"diagram.png", "notes.txt"}));
        m_controller->setItem(item(m_root, QStringLiteral("Inbox"), 2));
        QVERIFY(!button->isVisible());
        // Showing the same mail again keeps one connection: one press, one menu.
        m_controller->setItem(item(m_root, QStringLiteral("Inbox"), 0));
        m_controller->setItem(item(m_root, QStringLiteral("Inbox"), 0));
        int shown = 0;
        QMenu* menu = view->attachmentMenu();
        connect(menu, &QMenu::aboutToShow, this, [&shown, menu] {
            ++shown;
            QMetaObject::invokeMethod(menu, &QMenu::close, Qt::QueuedConnection);
        });
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(shown, 1);
    }

    void longTextsAreElidedAndReElided()
    {
        const QString subject = QStringLiteral("A very long subject ").repeated(20).trimmed();
        m_controller->setItem(singleMail("<p>x</p>", subject));
        QTest::qWait(20);
        auto* subjectLabel = label<ElidedLabel>("subjectLabel");
        QCOMPARE(subjectLabel->fullText(), subject);
        const QString narrow = subjectLabel->text();
        QVERIFY(narrow.endsWith(QChar(0x2026)));
        QVERIFY(subjectLabel->fontMetrics().horizontalAdvance(narrow) <= subjectLabel->width());
        m_stack->resize(1400, 600);
        QTest::qWait(20);
        QVERIFY(subjectLabel->text().size() > narrow.size());

        // An elided label lets its pane narrow below its text, and hides when empty.
        QWidget pane;
        auto* elided = new ElidedLabel(&pane);
        (new QHBoxLayout(&pane))->addWidget(elided);
        elided->setFullText(QStringLiteral("someone.with.a.very.long.address@a-very-long-domain.example.org"));
        pane.resize(800, 40);
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        QCOMPARE(elided->text(), elided->fullText());
        pane.resize(120, 40);
        QTest::qWait(20);
        QVERIFY(elided->text().endsWith(QChar(0x2026)));
        QVERIFY(pane.minimumSizeHint().width() < 120);
        elided->setFullText(QString());
        QVERIFY(elided->isHidden());
        elided->setFullText(QStringLiteral("back"));
        QVERIFY(!elided->isHidden());
    }

    void untrustedMailRunsNothingFetchesNothingAndStays()
    {
        Tripwire server;
        const QByteArray base = server.base();
        const QByteArray html = "<html><head><title>as sent</title>"
                                "<meta http-equiv=\"refresh\" content=\"0;url=data:text/html,<title>gone</title>\">"
                                "<link rel=\"stylesheet\" href=\"" + base + "/style.css\">"
                                "<script>document.title = 'script ran';</script>"
                                "<script src=\"" + base + "/tracker.js\"></script></head>"
                                "<body onload=\"document.title = 'handler ran'\">"
                                "<img src=\"" + base + "/pixel.png\">"
                                "<iframe src=\"" + base + "/frame.html\"></iframe>"
                                "<p style=\"background:url(" + base + "/bg.png)\">Hello</p></body></html>";
        const int blockedBefore = MailRequestGuard::install()->blockedCount();
        QVERIFY(showAndWait(singleMail(html)));
        QTest::qWait(1500);
        QCOMPARE(server.connections, 0);
        QVERIFY2(MailRequestGuard::install()->blockedCount() - blockedBefore >= 3, "the remote resources were not even asked for");
        QCOMPARE(web()->property("title").toString(), QStringLiteral("as sent"));
    }

    // Bodies kept only as RTF show in the same locked-down page as HTML
    // mails, under their whole subject; hostile RTF still gives a page.
    void rtfBodiesShowUnderTheirWholeSubject_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("title");
        QTest::newRow("HTML inside RTF, with a script")
            << "RE: "
            << QByteArray("{\\rtf1\\ansi\\fromhtml1 {\\*\\htmltag19 <html><head><title>kept</title>"
                          "<script>document.title = 'script ran';</script></head><body>}\\htmlrtf {\\htmlrtf0 Hello"
                          "}\\htmlrtf0 {\\*\\htmltag58 </body></html>}}")
            << "kept";
        QTest::newRow("native RTF") << "FW: " << QByteArray("{\\rtf1\\ansi {\\b Hello}\\par}") << "";
        QTest::newRow("text inside RTF") << "SV: " << QByteArray("{\\rtf1\\ansi\\fromtext Hello\\par}") << "";
        QTest::newRow("100,000 nested groups")
            << "AW: " << QByteArray("{\\rtf1\\ansi Hello") + QByteArray(100000, '{') + QByteArray("\\bin4294967295 ") << "";
    }

    void rtfBodiesShowUnderTheirWholeSubject()
    {
        QFETCH(QString, prefix);
        QFETCH(QByteArray, rtf);
        QFETCH(QString, title);
        PstDescription description = UiSamples::singleHtmlMail(QByteArray(), QStringLiteral("Kept as RTF"));
        PstMessage& message = description.folders[0].messages[0];
        message.body.clear();
        message.rtfBody = rtf;
        message.subjectPrefix = prefix;
        message.subjectMarker = true;
        const QString name = QStringLiteral("rtf-%1.pst").arg(m_keep.size());
        m_keep.append(parse(UiSamples::write(description, m_dir.path(), name)));
        const auto mail = item(m_keep.last(), QStringLiteral("Inbox"), 0);
        QVERIFY(mail);
        QVERIFY(showAndWait(mail));
        QCOMPARE(label<ElidedLabel>("subjectLabel")->fullText(), prefix + QStringLiteral("Kept as RTF"));
        QTest::qWait(300);
        if (!title.isEmpty())
            QCOMPARE(web()->property("title").toString(), title);
    }

    void inlinePictureIsShown()
    {
        QVERIFY(showAndWait(item(m_root, QStringLiteral("Inbox"), 0)));
        const QColor teal(0x3a, 0xa3, 0x9a);
        bool found = false;
        // The first frames may still be on their way after the load finished.
        for (int attempt = 0; attempt < 20 && !found; ++attempt) {
            QTest::qWait(100);
            const QImage frame = m_controller->mailView()->webView()->quickWidget()->grabFramebuffer();
            for (int y = 0; y < frame.height() && !found; y += 4) {
                for (int x = 0; x < frame.width() && !found; x += 4)
                    found = frame.pixelColor(x, y) == teal;
            }
        }
        QVERIFY2(found, "the cid: picture inlined as data: is not on screen");
    }

    void clickedLinkGoesToTheDesktop()
    {
        UrlCatcher catcher(QStringLiteral("https"));
        QVERIFY(showAndWait(singleMail("<html><body style=\"margin:0\"><a href=\"https://example.org/landing\" "
                                       "style=\"display:block;width:100%;height:2000px\">everywhere</a></body></html>")));
        QTest::qWait(300);
        QQuickWidget* quick = m_controller->mailView()->webView()->quickWidget();
        const QPoint centre = quick->rect().center();
        QTest::mouseMove(quick, centre);
        QTest::mousePress(quick, Qt::LeftButton, {}, centre);
        QTest::mouseRelease(quick, Qt::LeftButton, {}, centre, 20);
        QTRY_COMPARE_WITH_TIMEOUT(catcher.opened.size(), 1, 10000);
        QCOMPARE(catcher.opened.first(), QUrl(QStringLiteral("https://example.org/landing")));
        // The view stayed on the mail.
        QVERIFY(!web()->property("url").toUrl().toString().startsWith(QStringLiteral("https:")));
    }

    void pageOverTwoMegabytesIsShown()
    {
        QByteArray html = "<html><head><title>big page</title></head><body style=\"margin:0\">"
                          "<div style=\"background:#3aa39a;height:300px\"></div>";
        while (html.size() < 3 * 1024 * 1024)
            html += "<p>Quarterly figures, line after line of them, as big mails carry.</p>";
        QVERIFY(showAndWait(singleMail(html + "</body></html>")));
        QCOMPARE(web()->property("title").toString(), QStringLiteral("big page"));
        QCOMPARE(web()->property("url").toUrl().scheme(), QString::fromLatin1(MailContentHandler::kScheme));
        // A small mail afterwards goes through setHtml again.
        QVERIFY(showAndWait(item(m_root, QStringLiteral("Inbox"), 1)));
        QVERIFY(web()->property("url").toUrl().scheme() != QString::fromLatin1(MailContentHandler::kScheme));
    }

    void onlyWebAndMailLinksAreOpened_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("opened");
        QTest::newRow("https") << "https://example.org/a" << true;
        QTest::newRow("http") << "HTTP://example.org/" << true;
        QTest::newRow("mailto") << "mailto:ann@example.org" << true;
        QTest::newRow("file") << "file:///etc/passwd" << false;
        QTest::newRow("smb") << "smb://server/share" << false;
        QTest::newRow("unknown scheme") << "ms-officecmd:open" << false;
        QTest::newRow("javascript") << "javascript:alert(1)" << false;
        QTest::newRow("http without host") << "http:///x" << false;
    }

    void onlyWebAndMailLinksAreOpened()
    {
        QFETCH(QString, link);
        QFETCH(bool, opened);
        QCOMPARE(LinkPolicy::mayOpen(QUrl(link)), opened);
    }

    void windowStaysOnASmallScreen_data()
    {
        QTest::addColumn<QPoint>("homePosition");
        QTest::newRow("top left") << QPoint(0, 0);
        QTest::newRow("near the bottom right") << QPoint(500, 400);
        QTest::newRow("partly off the left") << QPoint(-200, -100);
    }

    void windowStaysOnASmallScreen()
    {
        QFETCH(QPoint, homePosition);
        // A window on the home page, placed, then growing for a document.
        MainWindow window;
        window.move(homePosition);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.openFile(m_root->filePath());
        QTRY_VERIFY(!window.treeController()->isOpening());
        const QRect frame = window.frameGeometry();
        QVERIFY2(window.screen()->availableGeometry().contains(frame),
                 qPrintable(QStringLiteral("%1,%2 %3x%4").arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height())));
    }
};

LUMAROO_UI_TEST_MAIN(MailViewTest)
#include "tst_MailView.moc"
