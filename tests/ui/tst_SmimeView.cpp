// SPDX-License-Identifier: GPL-2.0-or-later
// Signed and encrypted mail in the mail view and on the printed page: the
// status lines, the unwrapped content and its attachments, and decrypting
// with a key file the user chooses.

#include "DetailViewController.h"
#include "MailPrintProvider.h"
#include "MyWebViewWidget.h"
#include "PstMailItem.h"
#include "PstMailView.h"
#include "PstWriter.h"
#include "SmimeFixture.h"
#include "SmimeKeyring.h"
#include "SmimePanel.h"
#include "TestHome.h"
#include "UiDriver.h"

#include <QtTest>
#include <QtWidgets>

using namespace UiDriver;
using Body = SmimeFixture::Body;

class SmimeViewTest : public QObject
{
    Q_OBJECT
    TestHome m_home;
    QTemporaryDir m_dir;
    std::unique_ptr<SmimeFixture> m_fixture;
    std::shared_ptr<PstFolderItem> m_root;
    std::unique_ptr<QStackedWidget> m_stack;
    DetailViewController* m_controller = nullptr;

    std::shared_ptr<PstMailItem> mail(int index) const
    {
        return std::dynamic_pointer_cast<PstMailItem>(item(m_root, QStringLiteral("Inbox"), index));
    }
    SmimePanel* panel() const { return m_controller->mailView()->smimePanel(); }
    QPushButton* decryptButton() const { return panel()->findChild<QPushButton*>(QStringLiteral("smimeDecrypt")); }
    QStringList menuEntries() const
    {
        QStringList names;
        for (QAction* action : m_controller->mailView()->attachmentMenu()->actions()) {
            if (!action->isSeparator())
                names << action->text();
        }
        return names;
    }
    bool showAndWait(int index)
    {
        QSignalSpy loaded(m_controller->mailView()->webView(), &MyWebViewWidget::pageLoaded);
        m_controller->setItem(mail(index));
        return loaded.wait(30000) && loaded.last().at(0).toBool();
    }

private slots:
    void initTestCase()
    {
        qunsetenv("SSL_CERT_FILE");
        SmimeKeyring::clear();
        m_fixture = std::make_unique<SmimeFixture>(m_dir.path());
        QVERIFY2(m_fixture->isReady(), qPrintable(m_fixture->error()));
        PstMessage plain;
        plain.subject = QStringLiteral("Not signed");
        plain.body = QStringLiteral("Just text.");
        PstFolder inbox{"Inbox", "IPF.Note", {}, {}};
        inbox.messages = {
            SmimeFixture::outlookMessage("Signed", "IPM.Note.SMIME.MultipartSigned",
                                         m_fixture->clearSigned(SmimeFixture::content(Body::Html))),
            SmimeFixture::outlookMessage("Encrypted", "IPM.Note.SMIME",
                                         m_fixture->encrypted(SmimeFixture::content(Body::Attachment))),
            SmimeFixture::outlookMessage("Tampered", "IPM.Note.SMIME",
                                         SmimeFixture::tampered(m_fixture->opaqueSigned(SmimeFixture::content(Body::Plain)),
                                                                "Quarterly")),
            plain,
            SmimeFixture::outlookMessage("Garbage", "IPM.Note.SMIME", QByteArray("\x30\x82\x01\x00garbage", 11)),
            SmimeFixture::outlookMessage("Hostile", "IPM.Note.SMIME.MultipartSigned",
                                         m_fixture->clearSigned(SmimeFixture::content(Body::Plain), "hostile")),
        };
        PstDescription description;
        description.folders = {inbox};
        const QString file = m_dir.filePath("smime.pst");
        QString error;
        QVERIFY2(PstWriter::write(description, file, &error), qPrintable(error));
        m_root = parse(file);
        QVERIFY(m_root);
    }

    void init()
    {
        m_stack = detailPane(&m_controller);
        QVERIFY(QTest::qWaitForWindowExposed(m_stack.get()));
    }

    void cleanup() { m_stack.reset(); }

    void signedMailShowsItsContentAndWhoSigned()
    {
        QVERIFY(showAndWait(0));
        QVERIFY(panel()->isVisible());
        const QString status = panel()->statusText();
        QVERIFY2(status.startsWith("Signed by Ada Signer <ada@example.org> on "), qPrintable(status));
        QVERIFY(status.contains(" · Signature valid · Certificate not trusted on this computer"));
        QVERIFY(!decryptButton()->isVisible());
        QVERIFY(panel()->page().contains(SmimeFixture::phrase(Body::Html)));
        QVERIFY(panel()->page().contains("data:image/png;base64,"));
        QCOMPARE(menuEntries(), (QStringList{"chart.png", "smime.p7m"}));
        QCOMPARE(m_controller->mailView()->findChild<QPushButton*>("attachmentBtn")->text(),
                 QStringLiteral("Attachments (2)"));
    }

    void changedMailSaysSoPlainly()
    {
        QVERIFY(showAndWait(2));
        QVERIFY2(panel()->statusText().contains("Signature invalid: the mail was changed after it was signed"),
                 qPrintable(panel()->statusText()));
    }

    void damagedOrHostileMailIsShownHarmlessly()
    {
        QVERIFY(showAndWait(4));
        QVERIFY(panel()->isVisible());
        QVERIFY2(panel()->statusText().startsWith("The signed or encrypted message is damaged or truncated"),
                 qPrintable(panel()->statusText()));
        QVERIFY(showAndWait(5));
        auto* status = panel()->findChild<QLabel*>(QStringLiteral("smimeStatus"));
        QCOMPARE(status->textFormat(), Qt::PlainText);
        QVERIFY2(status->text().startsWith(QString::fromUtf8("Signed by Mallory\uFFFD<b>bold\uFFFDevil <mallory@example.org>")),
                 qPrintable(status->text()));
        QCOMPARE(status->text().count(QLatin1Char('\n')), 0);
    }

    void otherMailsShowNoPanel()
    {
        QVERIFY(showAndWait(0));
        QVERIFY(showAndWait(3));
        QVERIFY(!panel()->isVisible());
        QVERIFY(panel()->page().isEmpty());
    }

    void encryptedMailDecryptsWithTheChosenKey()
    {
        SmimeKeyring::clear();
        QVERIFY(showAndWait(1));
        QVERIFY2(panel()->statusText().startsWith("Encrypted for CN=Lumaroo Test CA, serial number "),
                 qPrintable(panel()->statusText()));
        QVERIFY(decryptButton()->isVisible());
        QVERIFY(panel()->page().isEmpty());
        QCOMPARE(menuEntries(), QStringList{"smime.p7m"});

        QString error;
        QVERIFY(!panel()->decryptWith(m_fixture->path("stranger.p12"), SmimeFixture::kPassword, &error));
        QVERIFY2(error.startsWith("The chosen key cannot decrypt this mail"), qPrintable(error));
        QVERIFY(!panel()->decryptWith(m_fixture->path("recipient.p12"), "wrong", &error));
        QVERIFY(error.startsWith("The key file could not be opened"));
        QVERIFY(decryptButton()->isVisible());

        QSignalSpy loaded(m_controller->mailView()->webView(), &MyWebViewWidget::pageLoaded);
        QVERIFY(panel()->decryptWith(m_fixture->path("recipient.p12"), SmimeFixture::kPassword, &error));
        QVERIFY(loaded.wait(30000));
        QVERIFY(panel()->statusText().contains("decrypted with your key"));
        QVERIFY(!decryptButton()->isVisible());
        QVERIFY(panel()->page().contains(SmimeFixture::phrase(Body::Attachment)));
        QCOMPARE(menuEntries(), (QStringList{"contract.pdf", "smime.p7m"}));

        // The key stays for the session: the mail opens again decrypted, and prints so.
        QVERIFY(showAndWait(0));
        QVERIFY(showAndWait(1));
        QVERIFY(panel()->page().contains(SmimeFixture::phrase(Body::Attachment)));
        const auto encrypted = mail(1);
        const QString printed = MailPrintProvider(encrypted.get()).toHtml();
        QVERIFY(printed.contains(SmimeFixture::phrase(Body::Attachment)));
        QVERIFY(printed.contains("decrypted with your key"));
        SmimeKeyring::clear();
    }

    void printedPageHasTheStatusEscaped()
    {
        const auto signedMail = mail(0);
        const QString printed = MailPrintProvider(signedMail.get()).toHtml();
        QVERIFY(printed.contains("Signed by Ada Signer &lt;ada@example.org&gt; on "));
        QVERIFY(printed.contains(SmimeFixture::phrase(Body::Html)));
        QVERIFY(!printed.contains("cid:"));
    }
};

QTEST_MAIN(SmimeViewTest)
#include "tst_SmimeView.moc"
