// SPDX-License-Identifier: GPL-2.0-or-later
// Unwrapping S/MIME messages made by openssl: clear-signed, opaque-signed,
// encrypted and both, each with a plain, HTML, attachment and Latin-1 body;
// signatures that hold, changed content, trust from the system store, keys
// that fit and keys that do not, and damaged or hostile input.

#include "SmimeFixture.h"
#include "SmimeKey.h"
#include "SmimeReader.h"
#include "SmimeStatusText.h"
#include "TestHome.h"

#include <QtTest>

namespace {

enum class Wrap { ClearSigned, OpaqueSigned, Encrypted, SignedThenEncrypted };

QString bodyOf(const SmimeContent& content)
{
    return content.html.isEmpty() ? content.text : content.html;
}

QStringList namesOf(const SmimeContent& content)
{
    QStringList names;
    for (const SmimePart& part : content.attachments)
        names.append(part.name);
    return names;
}

} // namespace

Q_DECLARE_METATYPE(Wrap)
Q_DECLARE_METATYPE(SmimeFixture::Body)

class SmimeReaderTest : public QObject
{
    Q_OBJECT
    TestHome m_home;
    QTemporaryDir m_dir;
    std::unique_ptr<SmimeFixture> m_fixture;
    std::shared_ptr<SmimeKey> m_recipientKey;

    QByteArray wrap(Wrap wrap, const QByteArray& content)
    {
        switch (wrap) {
        case Wrap::ClearSigned: return m_fixture->clearSigned(content);
        case Wrap::OpaqueSigned: return m_fixture->opaqueSigned(content);
        case Wrap::Encrypted: return m_fixture->encrypted(content);
        case Wrap::SignedThenEncrypted: return m_fixture->signedThenEncrypted(content);
        }
        return QByteArray();
    }

private slots:
    void initTestCase()
    {
        qunsetenv("SSL_CERT_FILE");
        m_fixture = std::make_unique<SmimeFixture>(m_dir.path());
        QVERIFY2(m_fixture->isReady(), qPrintable(m_fixture->error()));
        QString error;
        m_recipientKey = SmimeKey::fromPkcs12File(m_fixture->path("recipient.p12"), SmimeFixture::kPassword, &error);
        QVERIFY2(m_recipientKey, qPrintable(error));
        QCOMPARE(m_recipientKey->name(), QStringLiteral("Bob Recipient"));
    }

    void readsEveryKindAndBody_data()
    {
        QTest::addColumn<Wrap>("wrap");
        QTest::addColumn<SmimeFixture::Body>("body");
        QTest::addColumn<int>("kind");
        const QList<QPair<const char*, Wrap>> wraps{{"clear-signed", Wrap::ClearSigned},
                                                    {"opaque-signed", Wrap::OpaqueSigned},
                                                    {"encrypted", Wrap::Encrypted},
                                                    {"signed+encrypted", Wrap::SignedThenEncrypted}};
        const QList<QPair<const char*, SmimeFixture::Body>> bodies{{"plain", SmimeFixture::Body::Plain},
                                                                   {"html+picture", SmimeFixture::Body::Html},
                                                                   {"attachment", SmimeFixture::Body::Attachment},
                                                                   {"latin1", SmimeFixture::Body::Latin1},
                                                                   {"attached mail", SmimeFixture::Body::AttachedMail}};
        const int kinds[] = {int(SmimeContent::Kind::ClearSigned), int(SmimeContent::Kind::OpaqueSigned),
                             int(SmimeContent::Kind::Encrypted), int(SmimeContent::Kind::Encrypted)};
        for (int w = 0; w < wraps.size(); ++w) {
            for (const auto& body : bodies)
                QTest::addRow("%s/%s", wraps[w].first, body.first) << wraps[w].second << body.second << kinds[w];
        }
    }

    void readsEveryKindAndBody()
    {
        QFETCH(Wrap, wrap);
        QFETCH(SmimeFixture::Body, body);
        QFETCH(int, kind);
        const QByteArray wrapper = this->wrap(wrap, SmimeFixture::content(body));
        QVERIFY2(!wrapper.isEmpty(), qPrintable(m_fixture->error()));

        const SmimeContent content = SmimeReader::read(wrapper, m_recipientKey.get());
        QVERIFY2(content.error.isEmpty(), qPrintable(content.error));
        QCOMPARE(int(content.kind), kind);
        QVERIFY2(bodyOf(content).contains(SmimeFixture::phrase(body)), qPrintable(bodyOf(content)));
        QCOMPARE(namesOf(content), SmimeFixture::attachmentNames(body));
        if (body == SmimeFixture::Body::Html) {
            QVERIFY(!content.html.contains(QLatin1String("cid:")));
            QVERIFY(content.html.contains(QLatin1String("src=\"data:image/png;base64,iVBORw0KGgo")));
        }
        if (body == SmimeFixture::Body::Latin1)
            QCOMPARE(content.charset, QStringLiteral("iso-8859-1"));
        if (body == SmimeFixture::Body::AttachedMail) {
            QVERIFY(content.attachments[0].message);
            QVERIFY(content.attachments[0].data.contains("Subject: Minutes"));
            QVERIFY(content.attachments[0].data.contains("We met."));
        }

        const bool encrypted = wrap == Wrap::Encrypted || wrap == Wrap::SignedThenEncrypted;
        QCOMPARE(content.encrypted, encrypted);
        QCOMPARE(content.decrypted, encrypted);
        QCOMPARE(content.isSigned(), wrap != Wrap::Encrypted);
        for (const SmimeSignature& signature : content.signatures) {
            QVERIFY2(signature.valid, qPrintable(signature.problem));
            QCOMPARE(signature.signerName, QStringLiteral("Ada Signer"));
            QCOMPARE(signature.signerAddress, QStringLiteral("ada@example.org"));
            QVERIFY(qAbs(signature.signingTime.secsTo(QDateTime::currentDateTimeUtc())) < 600);
            // The test CA is in no system store.
            QVERIFY(!signature.trusted);
            QVERIFY(!signature.trustProblem.isEmpty());
            QCOMPARE(SmimeStatusText::validity(signature), QStringLiteral("Signature valid"));
        }
    }

    void trustComesFromTheComputersStore()
    {
        const QByteArray wrapper = m_fixture->clearSigned(SmimeFixture::content(SmimeFixture::Body::Plain));
        qputenv("SSL_CERT_FILE", m_fixture->path("ca.pem").toLocal8Bit());
        const SmimeContent trusted = SmimeReader::read(wrapper);
        qunsetenv("SSL_CERT_FILE");
        QCOMPARE(trusted.signatures.size(), 1);
        QVERIFY2(trusted.signatures[0].trusted, qPrintable(trusted.signatures[0].trustProblem));
        QCOMPARE(SmimeStatusText::trust(trusted.signatures[0]), QStringLiteral("Certificate trusted on this computer"));

        const SmimeContent untrusted = SmimeReader::read(wrapper);
        QVERIFY(untrusted.signatures[0].valid);
        QVERIFY(!untrusted.signatures[0].trusted);
        QVERIFY(SmimeStatusText::trust(untrusted.signatures[0]).startsWith("Certificate not trusted on this computer"));
    }

    void changedContentBreaksTheSignature_data()
    {
        QTest::addColumn<Wrap>("wrap");
        QTest::newRow("clear-signed") << Wrap::ClearSigned;
        QTest::newRow("opaque-signed") << Wrap::OpaqueSigned;
    }

    void changedContentBreaksTheSignature()
    {
        QFETCH(Wrap, wrap);
        const QByteArray wrapper = this->wrap(wrap, SmimeFixture::content(SmimeFixture::Body::Plain));
        const QByteArray changed = SmimeFixture::tampered(wrapper, "Quarterly");
        QVERIFY(changed != wrapper);
        const SmimeContent content = SmimeReader::read(changed);
        QCOMPARE(content.signatures.size(), 1);
        QVERIFY(!content.signatures[0].valid);
        QVERIFY2(content.signatures[0].contentChanged, qPrintable(content.signatures[0].problem));
        QVERIFY(SmimeStatusText::validity(content.signatures[0]).startsWith("Signature invalid"));
        // Still shown, so the user sees what it says.
        QVERIFY(content.text.contains(QLatin1String("uarterly figures")));
    }

    void encryptedMailSaysForWhom()
    {
        const QByteArray wrapper = m_fixture->encrypted(SmimeFixture::content(SmimeFixture::Body::Plain));
        const SmimeContent content = SmimeReader::read(wrapper);
        QCOMPARE(content.kind, SmimeContent::Kind::Encrypted);
        QVERIFY(content.encrypted);
        QVERIFY(!content.decrypted);
        QVERIFY(!content.hasBody());
        QVERIFY(content.error.isEmpty());
        QCOMPARE(content.recipients.size(), 1);
        QVERIFY(content.recipients[0].issuer.contains(QLatin1String("CN=Lumaroo Test CA")));
        QVERIFY(!content.recipients[0].serial.isEmpty());
        QVERIFY(SmimeStatusText::encryption(content).startsWith(QLatin1String("Encrypted for CN=Lumaroo Test CA")));
    }

    void wrongKeyFailsCleanly()
    {
        QString error;
        const auto stranger = SmimeKey::fromPkcs12File(m_fixture->path("stranger.p12"), SmimeFixture::kPassword, &error);
        QVERIFY2(stranger, qPrintable(error));
        const QByteArray wrapper = m_fixture->encrypted(SmimeFixture::content(SmimeFixture::Body::Plain));
        const SmimeContent content = SmimeReader::read(wrapper, stranger.get());
        QVERIFY(!content.decrypted);
        QVERIFY(!content.hasBody());
        QCOMPARE(content.error, QStringLiteral("The chosen key cannot decrypt this mail "
                                               "(the key's certificate is not among the recipients)."));

        QVERIFY(!SmimeKey::fromPkcs12File(m_fixture->path("recipient.p12"), "wrong", &error));
        QVERIFY(error.startsWith(QLatin1String("The key file could not be opened")));
        QVERIFY(!SmimeKey::fromPkcs12File(m_fixture->path("missing.p12"), SmimeFixture::kPassword, &error));
        QVERIFY(error.contains(QLatin1String("missing.p12")));
    }

    void damagedInputGivesAMessage_data()
    {
        QTest::addColumn<QByteArray>("wrapper");
        const QByteArray opaque = m_fixture->opaqueSigned(SmimeFixture::content(SmimeFixture::Body::Plain));
        const QByteArray clear = m_fixture->clearSigned(SmimeFixture::content(SmimeFixture::Body::Attachment));
        const QByteArray encrypted = m_fixture->encrypted(SmimeFixture::content(SmimeFixture::Body::Plain));
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("garbage") << QByteArray("\x01\x02garbage\xff\xfe", 12);
        QTest::newRow("der header only") << QByteArray("\x30\x82\x7f\xff", 4);
        QTest::newRow("opaque truncated") << opaque.left(opaque.size() / 2);
        QTest::newRow("encrypted truncated") << encrypted.left(encrypted.size() - 40);
        QTest::newRow("clear-signed truncated") << clear.left(clear.size() * 6 / 10);
        QTest::newRow("clear-signed without signature part")
            << clear.left(clear.indexOf("application/pkcs7-signature", clear.indexOf("\r\n\r\n")) - 40);
        QByteArray signatureGarbled = clear;
        const qsizetype signatureAt = clear.indexOf("\r\n\r\n", clear.lastIndexOf("application/pkcs7-signature"));
        for (qsizetype i = signatureAt + 10; i < signatureAt + 200 && i < clear.size(); i += 3)
            signatureGarbled[i] = 'A';
        QTest::newRow("clear-signed signature garbled") << signatureGarbled;
        QTest::newRow("asn1 nested 100000 deep") << QByteArray("\x30\x80", 2).repeated(100000);
        QByteArray nested;
        for (int i = 0; i < 2000; ++i)
            nested += QStringLiteral("Content-Type: multipart/mixed; boundary=\"b%1\"\r\n\r\n--b%1\r\n").arg(i).toLatin1();
        QTest::newRow("mime nested 2000 deep") << QByteArray("Content-Type: multipart/signed; boundary=\"top\"\r\n\r\n--top\r\n" + nested);
        QTest::newRow("pkcs7-mime of garbage")
            << QByteArray("Content-Type: application/pkcs7-mime; smime-type=signed-data\r\n"
                          "Content-Transfer-Encoding: base64\r\n\r\nMIIBogYJKoZIhvcNAQcCoIIBkz\r\n");
    }

    void damagedInputGivesAMessage()
    {
        QFETCH(QByteArray, wrapper);
        const SmimeContent content = SmimeReader::read(wrapper, m_recipientKey.get());
        bool signatureProblem = false;
        for (const SmimeSignature& signature : content.signatures)
            signatureProblem |= !signature.valid && !signature.problem.isEmpty();
        QVERIFY2(!content.error.isEmpty() || signatureProblem, "damage went unreported");
        QVERIFY(!SmimeStatusText::lines(content).isEmpty());
    }

    // A fuzz run: seeded random damage to every kind of wrapper. Whatever
    // the damage, reading ends, and a mail it did not leave intact says so.
    void randomDamageIsReportedNeverFatal_data()
    {
        QTest::addColumn<QByteArray>("wrapper");
        const QByteArray content = SmimeFixture::content(SmimeFixture::Body::Html);
        QTest::newRow("clear-signed") << m_fixture->clearSigned(content);
        QTest::newRow("opaque-signed") << m_fixture->opaqueSigned(content);
        QTest::newRow("encrypted") << m_fixture->encrypted(content);
        QTest::newRow("signed+encrypted") << m_fixture->signedThenEncrypted(content);
    }

    void randomDamageIsReportedNeverFatal()
    {
        QFETCH(QByteArray, wrapper);
        QRandomGenerator random(26);
        const SmimeContent intact = SmimeReader::read(wrapper, m_recipientKey.get());
        for (int round = 0; round < 120; ++round) {
            QByteArray damaged = wrapper;
            const int bytes = 1 << (2 * (round % 4)); // 1, 4, 16, 64
            for (int i = 0; i < bytes; ++i)
                damaged[random.bounded(damaged.size())] = char(random.bounded(256));
            if (round % 5 == 4)
                damaged.truncate(random.bounded(damaged.size()));
            const SmimeContent content = SmimeReader::read(damaged, m_recipientKey.get());
            bool allValid = !content.signatures.isEmpty();
            for (const SmimeSignature& signature : content.signatures)
                allValid &= signature.valid;
            // Damage outside what is signed may leave a signature valid, but
            // never with a content other than the one signed.
            if (allValid && content.error.isEmpty())
                QCOMPARE(content.html, intact.html);
            QVERIFY(!SmimeStatusText::lines(content).isEmpty() || content.hasBody());
        }
    }

    void hostileCertificateNameIsMadeHarmless()
    {
        const QByteArray wrapper = m_fixture->clearSigned(SmimeFixture::content(SmimeFixture::Body::Plain),
                                                          QStringLiteral("hostile"));
        QVERIFY2(!wrapper.isEmpty(), qPrintable(m_fixture->error()));
        const SmimeContent content = SmimeReader::read(wrapper);
        QCOMPARE(content.signatures.size(), 1);
        const QString name = content.signatures[0].signerName;
        QVERIFY2(name.startsWith(QLatin1String("Mallory")), qPrintable(name));
        QVERIFY(!name.contains(QLatin1Char('\n')));
        QVERIFY(!name.contains(QChar(0x202E)));
        QVERIFY(content.signatures[0].valid);
        const QStringList lines = SmimeStatusText::lines(content);
        QCOMPARE(lines.size(), 1);
        QVERIFY(!lines[0].contains(QLatin1Char('\n')));
    }
};

QTEST_GUILESS_MAIN(SmimeReaderTest)
#include "tst_SmimeReader.moc"
