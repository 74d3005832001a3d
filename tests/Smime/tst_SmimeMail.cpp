// SPDX-License-Identifier: GPL-2.0-or-later
// S/MIME mails stored as Outlook stores them, through lumaroo-cli: `show`
// reports content, signature and encryption (and decrypts with --key),
// `convert` writes .eml, mbox and Maildir messages whose signatures still
// verify with openssl and which Python's email package reads, and `pdf`
// prints the signed content with its status.

#include "CliRunner.h"
#include "PstWriter.h"
#include "SmimeFixture.h"
#include "TestHome.h"

#include <QtTest>

namespace {

using Body = SmimeFixture::Body;

QJsonObject json(const QByteArray& out)
{
    return QJsonDocument::fromJson(out).object();
}

// Every file below `folder` that holds `text`.
QStringList filesHolding(const QString& folder, const QByteArray& text)
{
    QStringList found;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly) && file.readAll().contains(text))
            found.append(file.fileName());
    }
    return found;
}

} // namespace

class SmimeMailTest : public QObject
{
    Q_OBJECT
    TestHome m_home;
    QTemporaryDir m_dir;
    std::unique_ptr<SmimeFixture> m_fixture;
    QString m_file;
    // Subject → item path.
    QMap<QString, QString> m_paths;
    // Subject → the smime.p7m stored.
    QMap<QString, QByteArray> m_wrappers;

    void add(PstFolder& inbox, const QString& subject, const QString& messageClass, const QByteArray& wrapper)
    {
        QVERIFY2(!wrapper.isEmpty(), qPrintable(m_fixture->error()));
        inbox.messages.append(SmimeFixture::outlookMessage(subject, messageClass, wrapper));
        m_wrappers.insert(subject, wrapper);
    }

    QJsonObject show(const QString& subject, const QStringList& extra = {}, int status = 0)
    {
        const CliRunner::Result run = CliRunner::run(QStringList{"show", m_file, m_paths.value(subject)} + extra);
        [&] { QCOMPARE(run.status, status); }();
        return json(run.out);
    }

    QJsonObject readBack(const QString& kind, const QString& path)
    {
        QProcess python;
        python.start("python3", {QStringLiteral(LUMAROO_SMIME_CHECKER), kind, path, m_dir.path()});
        python.waitForFinished(120000);
        [&] { QVERIFY2(python.exitCode() == 0, python.readAllStandardError().constData()); }();
        return json(python.readAllStandardOutput());
    }

private slots:
    void initTestCase()
    {
        qunsetenv("SSL_CERT_FILE");
        m_fixture = std::make_unique<SmimeFixture>(m_dir.path());
        QVERIFY2(m_fixture->isReady(), qPrintable(m_fixture->error()));
        const QString signedClass = QStringLiteral("IPM.Note.SMIME.MultipartSigned");
        const QString opaqueClass = QStringLiteral("IPM.Note.SMIME");
        PstFolder inbox{"Inbox", "IPF.Note", {}, {}};
        add(inbox, "Clear plain", signedClass, m_fixture->clearSigned(SmimeFixture::content(Body::Plain)));
        add(inbox, "Clear html", signedClass, m_fixture->clearSigned(SmimeFixture::content(Body::Html)));
        add(inbox, "Clear attachment", signedClass, m_fixture->clearSigned(SmimeFixture::content(Body::Attachment)));
        add(inbox, "Clear latin1", signedClass, m_fixture->clearSigned(SmimeFixture::content(Body::Latin1)));
        add(inbox, "Opaque plain", opaqueClass, m_fixture->opaqueSigned(SmimeFixture::content(Body::Plain)));
        add(inbox, "Opaque html", opaqueClass, m_fixture->opaqueSigned(SmimeFixture::content(Body::Html)));
        add(inbox, "Encrypted plain", opaqueClass, m_fixture->encrypted(SmimeFixture::content(Body::Plain)));
        add(inbox, "Encrypted attachment", opaqueClass,
            m_fixture->signedThenEncrypted(SmimeFixture::content(Body::Attachment)));
        add(inbox, "Tampered", signedClass,
            SmimeFixture::tampered(m_fixture->clearSigned(SmimeFixture::content(Body::Plain)), "Quarterly"));
        add(inbox, "Garbage", opaqueClass, QByteArray("\x30\x82\x01\x00garbage", 11));
        PstDescription description;
        description.folders = {inbox};
        m_file = m_dir.filePath("smime.pst");
        QString error;
        QVERIFY2(PstWriter::write(description, m_file, &error), qPrintable(error));

        const CliRunner::Result list = CliRunner::run({"list", m_file});
        QCOMPARE(list.status, 0);
        for (const QJsonValue& folder : json(list.out).value("folders").toArray()) {
            for (const QJsonValue& item : folder.toObject().value("items").toArray())
                m_paths.insert(item.toObject().value("subject").toString(), item.toObject().value("path").toString());
        }
        QCOMPARE(m_paths.size(), 10);
    }

    void showReportsContentAndSignature_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QStringList>("parts");
        QTest::addColumn<bool>("valid");
        QTest::newRow("clear plain") << "Clear plain" << "clear-signed" << SmimeFixture::phrase(Body::Plain) << QStringList() << true;
        QTest::newRow("clear html") << "Clear html" << "clear-signed" << SmimeFixture::phrase(Body::Html) << QStringList{"chart.png"} << true;
        QTest::newRow("clear attachment") << "Clear attachment" << "clear-signed" << SmimeFixture::phrase(Body::Attachment)
                                          << QStringList{"contract.pdf"} << true;
        QTest::newRow("clear latin1") << "Clear latin1" << "clear-signed" << SmimeFixture::phrase(Body::Latin1) << QStringList() << true;
        QTest::newRow("opaque plain") << "Opaque plain" << "opaque-signed" << SmimeFixture::phrase(Body::Plain) << QStringList() << true;
        QTest::newRow("opaque html") << "Opaque html" << "opaque-signed" << SmimeFixture::phrase(Body::Html) << QStringList{"chart.png"} << true;
        QTest::newRow("tampered") << "Tampered" << "clear-signed" << QStringLiteral("uarterly figures") << QStringList() << false;
    }

    void showReportsContentAndSignature()
    {
        QFETCH(QString, subject);
        QFETCH(QString, kind);
        QFETCH(QString, phrase);
        QFETCH(QStringList, parts);
        QFETCH(bool, valid);
        const QJsonObject mail = show(subject);
        const QJsonObject smime = mail.value("smime").toObject();
        QCOMPARE(smime.value("kind").toString(), kind);
        QVERIFY2(mail.value("body").toString().contains(phrase), qPrintable(mail.value("body").toString()));
        QStringList names;
        for (const QJsonValue& part : smime.value("attachments").toArray())
            names.append(part.toObject().value("name").toString());
        QCOMPARE(names, parts);
        const QJsonObject signature = smime.value("signatures").toArray().at(0).toObject();
        QCOMPARE(signature.value("signer").toString(), QStringLiteral("Ada Signer"));
        QCOMPARE(signature.value("address").toString(), QStringLiteral("ada@example.org"));
        QVERIFY(!signature.value("signingTime").toString().isEmpty());
        QCOMPARE(signature.value("signatureValid").toBool(), valid);
        QCOMPARE(signature.value("certificateTrusted").toBool(), false);
        QCOMPARE(signature.value("status").toString().startsWith(valid ? "Signature valid" : "Signature invalid"), true);
    }

    void showSaysForWhomAndDecryptsWithTheKey()
    {
        const QJsonObject locked = show("Encrypted plain");
        const QJsonObject smime = locked.value("smime").toObject();
        QCOMPARE(smime.value("kind").toString(), QStringLiteral("encrypted"));
        QCOMPARE(smime.value("decrypted").toBool(), false);
        QVERIFY(smime.value("recipients").toArray().at(0).toObject().value("issuer").toString().contains("Lumaroo Test CA"));
        QVERIFY(!locked.value("body").toString().contains(SmimeFixture::phrase(Body::Plain)));

        qputenv("LUMAROO_TEST_KEY_PASSWORD", SmimeFixture::kPassword);
        const QStringList key{"--key", m_fixture->path("recipient.p12"), "--pass-env", "LUMAROO_TEST_KEY_PASSWORD"};
        const QJsonObject open = show("Encrypted plain", key);
        QCOMPARE(open.value("smime").toObject().value("decrypted").toBool(), true);
        QVERIFY(open.value("body").toString().contains(SmimeFixture::phrase(Body::Plain)));
        // Signed, then encrypted: both layers are reported.
        const QJsonObject both = show("Encrypted attachment", key).value("smime").toObject();
        QCOMPARE(both.value("decrypted").toBool(), true);
        QCOMPARE(both.value("signatures").toArray().at(0).toObject().value("signatureValid").toBool(), true);
        QCOMPARE(both.value("attachments").toArray().at(0).toObject().value("name").toString(), QStringLiteral("contract.pdf"));

        // Neither the password nor the plain text reaches the disk.
        QVERIFY(filesHolding(QDir::homePath(), SmimeFixture::kPassword).isEmpty());
        QVERIFY(filesHolding(QDir::homePath(), "Quarterly figures").isEmpty());
    }

    void wrongKeyOrPasswordFailsCleanly()
    {
        qputenv("LUMAROO_TEST_KEY_PASSWORD", SmimeFixture::kPassword);
        const QJsonObject stranger = show("Encrypted plain", {"--key", m_fixture->path("stranger.p12"), "--pass-env",
                                                              "LUMAROO_TEST_KEY_PASSWORD"}, 1);
        QCOMPARE(stranger.value("smime").toObject().value("decrypted").toBool(), false);
        QVERIFY(stranger.value("smime").toObject().value("error").toString().startsWith("The chosen key cannot decrypt"));

        qputenv("LUMAROO_TEST_KEY_PASSWORD", "wrong");
        const CliRunner::Result run = CliRunner::run({"show", m_file, m_paths.value("Encrypted plain"), "--key",
                                                      m_fixture->path("recipient.p12"), "--pass-env", "LUMAROO_TEST_KEY_PASSWORD"});
        QCOMPARE(run.status, 1);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains("The key file could not be opened"), run.err.constData());
        QCOMPARE(CliRunner::run({"show", m_file, m_paths.value("Encrypted plain"), "--key"}).status, 2);
    }

    void damagedWrapperIsReportedNotShownBlank()
    {
        const QJsonObject smime = show("Garbage").value("smime").toObject();
        QVERIFY2(smime.value("error").toString().startsWith("The signed or encrypted message is damaged"),
                 qPrintable(smime.value("error").toString()));
    }

    void convertedMessagesKeepTheirSignature_data()
    {
        QTest::addColumn<QString>("format");
        QTest::newRow("eml") << "eml";
        QTest::newRow("mbox") << "mbox";
        QTest::newRow("maildir") << "maildir";
    }

    void convertedMessagesKeepTheirSignature()
    {
        QFETCH(QString, format);
        const QString out = m_dir.filePath("out-" + format);
        const CliRunner::Result run = CliRunner::run({"convert", m_file, out, "--formats", format, "--jobs", "1"});
        QVERIFY2(run.status == 0, run.err.constData());
        QString path = out;
        if (format == "mbox") {
            const QStringList boxes = filesHolding(out, "Subject: Clear plain");
            QCOMPARE(boxes.size(), 1);
            path = boxes.first();
        }
        const QJsonObject mails = readBack(format, path);
        const QStringList verified{"Clear plain", "Clear html", "Clear attachment", "Clear latin1", "Opaque plain", "Opaque html"};
        for (const QString& subject : verified) {
            const QJsonObject mail = mails.value(subject).toObject();
            QVERIFY2(mail.value("verified").toBool(), qPrintable(subject + ": " + mail.value("verifyError").toString()));
            QCOMPARE(mail.value("defects").toInt(), 0);
            QCOMPARE(mail.value("mimeVersions").toInt(), 1);
            QVERIFY(mail.value("from").toString().contains("ada@example.org"));
        }
        QVERIFY(mails.value("Clear plain").toObject().value("signedContent").toString().contains("From here on, all is signed."));
        // A message file holds the signed message byte for byte (a mailbox
        // quotes its "From " lines, which its readers undo).
        if (format != "mbox") {
            for (const QString& subject : {"Clear plain", "Clear html", "Tampered"})
                QCOMPARE(filesHolding(out, m_wrappers.value(subject)).size(), 1);
        }
        QCOMPARE(mails.value("Tampered").toObject().value("verified").toBool(true), false);
        QCOMPARE(mails.value("Encrypted plain").toObject().value("contentType").toString(), QStringLiteral("application/pkcs7-mime"));
        QVERIFY(mails.value("Encrypted plain").toObject().value("decrypted").toString().contains("Quarterly figures attached"));
    }

    void printedPageShowsSignedContentAndStatus_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("clear-signed") << "Clear attachment" << QStringList()
                                      << QStringList{SmimeFixture::phrase(Body::Attachment),
                                                     "Signed by Ada Signer <ada@example.org>", "Signature valid"};
        QTest::newRow("encrypted, with key")
            << "Encrypted plain"
            << QStringList{"--key", m_fixture->path("recipient.p12"), "--pass-env", "LUMAROO_TEST_KEY_PASSWORD"}
            << QStringList{SmimeFixture::phrase(Body::Plain), "decrypted with your key"};
    }

    void printedPageShowsSignedContentAndStatus()
    {
        QFETCH(QString, subject);
        QFETCH(QStringList, options);
        QFETCH(QStringList, expected);
        qputenv("LUMAROO_TEST_KEY_PASSWORD", SmimeFixture::kPassword);
        const QString pdf = m_dir.filePath("printed.pdf");
        const CliRunner::Result run = CliRunner::run(QStringList{"pdf", m_file, m_paths.value(subject), "-o", pdf} + options);
        QVERIFY2(run.status == 0, run.err.constData());
        QProcess text;
        text.start("pdftotext", {pdf, "-"});
        QVERIFY(text.waitForFinished(60000));
        const QString page = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        for (const QString& line : expected)
            QVERIFY2(page.contains(line), qPrintable(line + " not in: " + page));
    }
};

QTEST_GUILESS_MAIN(SmimeMailTest)
#include "tst_SmimeMail.moc"
