// SPDX-License-Identifier: GPL-2.0-or-later
// The detail pane and the mail view: page choice per item kind, the header
// band, the attachment button, and the web view's handling of untrusted
// mail (no scripts, no network, links to the desktop, inline pictures).

#include "DetailViewController.h"
#include "MailContentHandler.h"
#include "ElidedLabel.h"
#include "LinkPolicy.h"
#include "MailRequestGuard.h"
#include "MyWebViewWidget.h"
#include "PstFolderItem.h"
#include "PstInfoView.h"
#include "PstMailView.h"
#include "PstParser.h"
#include "TestData.h"
#include "TestHome.h"
#include "UiDriver.h"
#include "UiSamples.h"

#include <QApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QQuickItem>
#include <QQuickWidget>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QtWebView>

namespace {

using UiDriver::findFolder;

// Receives the links the program hands to the desktop.
class LinkCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> links;
public slots:
    void open(const QUrl& url) { links.append(url); }
};

} // namespace

class MailViewTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pageFollowsTheItemKind();
    void headerShowsTheMailsFields();
    void senderAddressShowsInAngleBracketsAsText();
    void attachmentButtonFollowsTheMail();
    void longSubjectIsElidedAndReElided();
    void elidedLabelLetsItsPaneNarrow();
    void untrustedMailRunsNothingAndFetchesNothing();
    void inlinePictureIsShown();
    void clickedLinkGoesToTheDesktop();
    void pageOverTwoMegabytesIsShown();
    void metaRefreshNeverLeavesTheMail();
    void onlyWebAndMailLinksAreOpened_data();
    void onlyWebAndMailLinksAreOpened();

private:
    std::shared_ptr<PstFolderItem> parse(const QString& path);
    std::shared_ptr<PstItem> item(const QString& folder, int index) const;
    // Shows `mail` and waits until its page has loaded.
    bool showAndWait(const std::shared_ptr<PstItem>& mail);
    QQuickItem* webEngineView() const;

    QTemporaryDir m_dir;
    std::shared_ptr<PstFolderItem> m_root;
    QList<std::shared_ptr<PstFolderItem>> m_keep;
    QStackedWidget* m_stack = nullptr;
    DetailViewController* m_controller = nullptr;
};

std::shared_ptr<PstFolderItem> MailViewTest::parse(const QString& path)
{
    PstParser parser;
    if (!parser.open(path))
        return nullptr;
    auto root = parser.parse(path);
    m_keep.append(root);
    return root;
}

std::shared_ptr<PstItem> MailViewTest::item(const QString& folder, int index) const
{
    auto found = findFolder(m_root, folder);
    return found && index < found->itemCount() ? found->items().at(index) : nullptr;
}

void MailViewTest::initTestCase()
{
    m_root = parse(UiSamples::write(UiSamples::mailbox(), m_dir.path(), QStringLiteral("mailbox.pst")));
    QVERIFY(m_root);
}

void MailViewTest::init()
{
    m_stack = new QStackedWidget;
    m_stack->addWidget(new QLabel(QStringLiteral("No Item Selected")));
    m_stack->resize(700, 600);
    m_controller = new DetailViewController(m_stack, m_stack);
    m_stack->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_stack));
    QVERIFY(m_controller->mailView()->webView()->isReady());
}

void MailViewTest::cleanup()
{
    delete m_stack;
    m_stack = nullptr;
}

bool MailViewTest::showAndWait(const std::shared_ptr<PstItem>& mail)
{
    QSignalSpy loaded(m_controller->mailView()->webView(), &MyWebViewWidget::pageLoaded);
    m_controller->setItem(mail);
    return loaded.wait(30000) && loaded.last().at(0).toBool();
}

QQuickItem* MailViewTest::webEngineView() const
{
    QQuickItem* root = m_controller->mailView()->webView()->quickWidget()->rootObject();
    return root ? root->findChild<QQuickItem*>(QStringLiteral("mailWebView")) : nullptr;
}

void MailViewTest::pageFollowsTheItemKind()
{
    m_controller->setItem(item(QStringLiteral("Inbox"), 1));
    QCOMPARE(m_stack->currentWidget(), static_cast<QWidget*>(m_controller->mailView()));
    m_controller->setItem(item(QStringLiteral("Calendar"), 0));
    QCOMPARE(m_stack->currentWidget(), static_cast<QWidget*>(m_controller->infoView()));
    m_controller->setItem(findFolder(m_root, QStringLiteral("Inbox")));
    QCOMPARE(m_stack->currentIndex(), 0);
    m_controller->setItem(item(QStringLiteral("Tasks"), 0));
    m_controller->setItem(nullptr);
    QCOMPARE(m_stack->currentIndex(), 0);
    QVERIFY(!m_controller->currentItem());
}

void MailViewTest::headerShowsTheMailsFields()
{
    PstMailView* view = m_controller->mailView();
    m_controller->setItem(item(QStringLiteral("Inbox"), 0));
    QCOMPARE(view->findChild<QLabel*>(QStringLiteral("from"))->text(), QStringLiteral("Ada Lovelace"));
    QVERIFY(view->findChild<QLabel*>(QStringLiteral("dateLabel"))->text().startsWith(QStringLiteral("Mar 14, 2023 at ")));
    QVERIFY(view->findChild<QLabel*>(QStringLiteral("toLabel"))->text().startsWith(QStringLiteral("To: Charles Babbage")));
    auto* cc = view->findChild<ElidedLabel*>(QStringLiteral("ccLabel"));
    QVERIFY(cc->isVisible());
    QVERIFY(cc->fullText().startsWith(QStringLiteral("Cc: Mary Somerville")));
    QVERIFY(!view->findChild<ElidedLabel*>(QStringLiteral("bccLabel"))->isVisible());

    // A mail without Cc shows no Cc line.
    m_controller->setItem(item(QStringLiteral("Inbox"), 1));
    QVERIFY(!cc->isVisible());
    QCOMPARE(view->findChild<QLabel*>(QStringLiteral("from"))->text(), QStringLiteral("Grace Hopper"));
    QCOMPARE(view->findChild<ElidedLabel*>(QStringLiteral("subjectLabel"))->fullText(), QStringLiteral("Compiler meeting moved"));
}

void MailViewTest::senderAddressShowsInAngleBracketsAsText()
{
    auto root = parse(TestData::pst(QStringLiteral("aranetic__process-pst__flags_jane_doe.pst")));
    QVERIFY2(root, "the shared test file is missing or unreadable");
    m_controller->setItem(findFolder(root, QStringLiteral("Inbox"))->items().at(1));
    auto* address = m_controller->mailView()->findChild<ElidedLabel*>(QStringLiteral("fromLabel"));
    QCOMPARE(address->fullText(), QStringLiteral("<pst-test-1@aranetic.com>"));
    QCOMPARE(address->textFormat(), Qt::PlainText);
    for (const char* name : {"from", "dateLabel", "toLabel", "stateLabel"})
        QCOMPARE(m_controller->mailView()->findChild<QLabel*>(QString::fromLatin1(name))->textFormat(), Qt::PlainText);
}

void MailViewTest::attachmentButtonFollowsTheMail()
{
    PstMailView* view = m_controller->mailView();
    auto* button = view->findChild<QPushButton*>(QStringLiteral("attachmentBtn"));
    m_controller->setItem(item(QStringLiteral("Inbox"), 0));
    QVERIFY(button->isVisible());
    QCOMPARE(button->text(), QStringLiteral("Attachments (2)"));
    QStringList names;
    for (QAction* action : view->attachmentMenu()->actions())
        names << action->text();
    // The order is the record's attachment list, which libpst may reverse.
    names.sort();
    QCOMPARE(names, (QStringList{QStringLiteral("diagram.png"), QStringLiteral("notes.txt")}));
    m_controller->setItem(item(QStringLiteral("Inbox"), 2));
    QVERIFY(!button->isVisible());
    // Showing the same mail again keeps one connection: one press, one menu.
    m_controller->setItem(item(QStringLiteral("Inbox"), 0));
    m_controller->setItem(item(QStringLiteral("Inbox"), 0));
    int shown = 0;
    QMenu* menu = view->attachmentMenu();
    connect(menu, &QMenu::aboutToShow, this, [&shown, menu] {
        ++shown;
        QMetaObject::invokeMethod(menu, &QMenu::close, Qt::QueuedConnection);
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(shown, 1);
}

void MailViewTest::longSubjectIsElidedAndReElided()
{
    const QString subject = QStringLiteral("A very long subject ").repeated(20).trimmed();
    auto root = parse(UiSamples::write(UiSamples::singleHtmlMail("<p>x</p>", subject), m_dir.path(), QStringLiteral("long.pst")));
    QVERIFY(root);
    auto mail = findFolder(root, QStringLiteral("Inbox"))->items().first();
    m_controller->setItem(mail);
    QTest::qWait(20);
    auto* label = m_controller->mailView()->findChild<ElidedLabel*>(QStringLiteral("subjectLabel"));
    QCOMPARE(label->fullText(), subject);
    const QString narrow = label->text();
    QVERIFY(narrow.endsWith(QChar(0x2026)));
    QVERIFY(label->fontMetrics().horizontalAdvance(narrow) <= label->width());
    m_stack->resize(1400, 600);
    QTest::qWait(20);
    QVERIFY(label->text().size() > narrow.size());
}

void MailViewTest::elidedLabelLetsItsPaneNarrow()
{
    QWidget pane;
    auto* layout = new QHBoxLayout(&pane);
    auto* label = new ElidedLabel(&pane);
    layout->addWidget(label);
    label->setFullText(QStringLiteral("someone.with.a.very.long.address@a-very-long-domain.example.org"));
    pane.resize(800, 40);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    QCOMPARE(label->text(), label->fullText());
    pane.resize(120, 40);
    QTest::qWait(20);
    QVERIFY(label->text().endsWith(QChar(0x2026)));
    QVERIFY(pane.minimumSizeHint().width() < 120);
    label->setFullText(QString());
    QVERIFY(label->isHidden());
    label->setFullText(QStringLiteral("back"));
    QVERIFY(!label->isHidden());
    label->setElideMode(Qt::ElideLeft);
    QCOMPARE(label->elideMode(), Qt::ElideLeft);
}

void MailViewTest::untrustedMailRunsNothingAndFetchesNothing()
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
    const QByteArray html = "<html><head><title>as sent</title>"
                            "<link rel=\"stylesheet\" href=\"" + base + "/style.css\">"
                            "<script>document.title = 'script ran';</script>"
                            "<script src=\"" + base + "/tracker.js\"></script></head>"
                            "<body onload=\"document.title = 'handler ran'\">"
                            "<img src=\"" + base + "/pixel.png\">"
                            "<iframe src=\"" + base + "/frame.html\"></iframe>"
                            "<p style=\"background:url(" + base + "/bg.png)\">Hello</p></body></html>";
    auto root = parse(UiSamples::write(UiSamples::singleHtmlMail(html), m_dir.path(), QStringLiteral("untrusted.pst")));
    QVERIFY(root);
    const int blockedBefore = MailRequestGuard::install()->blockedCount();
    QVERIFY(showAndWait(findFolder(root, QStringLiteral("Inbox"))->items().first()));
    QTest::qWait(500);
    QCOMPARE(connections, 0);
    QVERIFY2(MailRequestGuard::install()->blockedCount() - blockedBefore >= 3, "the remote resources were not even asked for");
    QQuickItem* web = webEngineView();
    QVERIFY(web);
    QCOMPARE(web->property("title").toString(), QStringLiteral("as sent"));
}

void MailViewTest::inlinePictureIsShown()
{
    QVERIFY(showAndWait(item(QStringLiteral("Inbox"), 0)));
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

void MailViewTest::clickedLinkGoesToTheDesktop()
{
    LinkCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    const QByteArray html = "<html><body style=\"margin:0\"><a href=\"https://example.org/landing\" "
                            "style=\"display:block;width:100%;height:2000px\">everywhere</a></body></html>";
    auto root = parse(UiSamples::write(UiSamples::singleHtmlMail(html), m_dir.path(), QStringLiteral("link.pst")));
    QVERIFY(root);
    QVERIFY(showAndWait(findFolder(root, QStringLiteral("Inbox"))->items().first()));
    QTest::qWait(300);
    QQuickWidget* quick = m_controller->mailView()->webView()->quickWidget();
    const QPoint centre = quick->rect().center();
    QTest::mouseMove(quick, centre);
    QTest::mousePress(quick, Qt::LeftButton, {}, centre);
    QTest::mouseRelease(quick, Qt::LeftButton, {}, centre, 20);
    QTRY_COMPARE_WITH_TIMEOUT(catcher.links.size(), 1, 10000);
    QCOMPARE(catcher.links.first(), QUrl(QStringLiteral("https://example.org/landing")));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    // The view stayed on the mail.
    QVERIFY(!webEngineView()->property("url").toUrl().toString().startsWith(QStringLiteral("https:")));
}

void MailViewTest::pageOverTwoMegabytesIsShown()
{
    QByteArray html = "<html><head><title>big page</title></head><body style=\"margin:0\">"
                      "<div style=\"background:#3aa39a;height:300px\"></div>";
    const QByteArray paragraph = "<p>Quarterly figures, line after line of them, as big mails carry.</p>";
    while (html.size() < 3 * 1024 * 1024)
        html += paragraph;
    html += "</body></html>";
    auto root = parse(UiSamples::write(UiSamples::singleHtmlMail(html), m_dir.path(), QStringLiteral("big.pst")));
    QVERIFY(root);
    QVERIFY(showAndWait(findFolder(root, QStringLiteral("Inbox"))->items().first()));
    QQuickItem* web = webEngineView();
    QCOMPARE(web->property("title").toString(), QStringLiteral("big page"));
    QCOMPARE(web->property("url").toUrl().scheme(), QString::fromLatin1(MailContentHandler::kScheme));
    // A small mail afterwards goes through setHtml again.
    QVERIFY(showAndWait(item(QStringLiteral("Inbox"), 1)));
    QVERIFY(web->property("url").toUrl().scheme() != QString::fromLatin1(MailContentHandler::kScheme));
}

void MailViewTest::metaRefreshNeverLeavesTheMail()
{
    const QByteArray html = "<html><head><title>kept</title>"
                            "<meta http-equiv=\"refresh\" content=\"0;url=data:text/html,<title>gone</title>\">"
                            "</head><body>Still here</body></html>";
    auto root = parse(UiSamples::write(UiSamples::singleHtmlMail(html), m_dir.path(), QStringLiteral("refresh.pst")));
    QVERIFY(root);
    QVERIFY(showAndWait(findFolder(root, QStringLiteral("Inbox"))->items().first()));
    QTest::qWait(1500);
    QCOMPARE(webEngineView()->property("title").toString(), QStringLiteral("kept"));
}

void MailViewTest::onlyWebAndMailLinksAreOpened_data()
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

void MailViewTest::onlyWebAndMailLinksAreOpened()
{
    QFETCH(QString, link);
    QFETCH(bool, opened);
    QCOMPARE(LinkPolicy::mayOpen(QUrl(link)), opened);
}

int main(int argc, char* argv[])
{
    TestHome home;
    qputenv("QT_WEBVIEW_PLUGIN", "webengine");
    MailContentHandler::registerScheme();
    QtWebView::initialize();
    QApplication app(argc, argv);
    MailViewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_MailView.moc"
