// SPDX-License-Identifier: GPL-2.0-or-later
#include "SmimeFixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>

const QByteArray SmimeFixture::kPassword = "s3cret pass";

namespace {

const char kBoundary[] = "=_part_boundary";
// A 1x1 PNG.
const char kPictureBase64[] =
    "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mP8z8BQDwAEhQGAhKmMIQAAAABJRU5ErkJggg==";

QByteArray crlf(QByteArray text)
{
    return text.replace("\r\n", "\n").replace("\n", "\r\n");
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

SmimeFixture::SmimeFixture(const QString& folder)
    : m_folder(folder)
{
    const bool made =
        !openssl({"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", "ca.key", "-out", "ca.pem", "-days",
                  "3650", "-subj", "/CN=Lumaroo Test CA", "-addext", "basicConstraints=critical,CA:TRUE", "-addext",
                  "keyUsage=critical,keyCertSign,cRLSign"}).isNull()
        && makeCertificate("signer", "/CN=Ada Signer/emailAddress=ada@example.org", "ada@example.org")
        && makeCertificate("recipient", "/CN=Bob Recipient/emailAddress=bob@example.org", "bob@example.org")
        && makeCertificate("hostile", QString::fromUtf8("/CN=Mallory\n<b>bold\u202Eevil"),
                           "mallory@example.org")
        && !openssl({"pkcs12", "-export", "-in", "recipient.pem", "-inkey", "recipient.key", "-out", "recipient.p12",
                     "-passout", "pass:" + QString::fromUtf8(kPassword)}).isNull()
        && !openssl({"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", "stranger.key", "-out", "stranger.pem",
                     "-days", "3650", "-subj", "/CN=Eve Stranger"}).isNull()
        && !openssl({"pkcs12", "-export", "-in", "stranger.pem", "-inkey", "stranger.key", "-out", "stranger.p12",
                     "-passout", "pass:" + QString::fromUtf8(kPassword)}).isNull();
    if (!made && m_error.isEmpty())
        m_error = QStringLiteral("could not make the certificates");
}

QString SmimeFixture::path(const QString& name) const
{
    return QDir(m_folder).filePath(name);
}

bool SmimeFixture::makeCertificate(const QString& name, const QString& subject, const QString& address)
{
    const QString extensions = QStringLiteral("subjectAltName=email:%1\nkeyUsage=digitalSignature,keyEncipherment\n"
                                              "extendedKeyUsage=emailProtection\nbasicConstraints=CA:FALSE\n")
                                   .arg(address);
    return writeFile(path(name + ".ext"), extensions.toUtf8())
        && !openssl({"req", "-new", "-newkey", "rsa:2048", "-nodes", "-utf8", "-keyout", name + ".key", "-out",
                     name + ".csr", "-subj", subject}).isNull()
        && !openssl({"x509", "-req", "-in", name + ".csr", "-CA", "ca.pem", "-CAkey", "ca.key", "-CAcreateserial",
                     "-out", name + ".pem", "-days", "3650", "-extfile", name + ".ext"}).isNull();
}

QByteArray SmimeFixture::openssl(const QStringList& args, const QByteArray& input)
{
    QProcess process;
    process.setWorkingDirectory(m_folder);
    process.start(QStringLiteral("openssl"), args);
    if (!process.waitForStarted(10000)) {
        m_error = QStringLiteral("openssl does not start");
        return QByteArray();
    }
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    const QByteArray out = process.readAllStandardOutput();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        m_error = QStringLiteral("openssl %1: %2").arg(args.join(' '), QString::fromLocal8Bit(process.readAllStandardError()));
        return QByteArray();
    }
    return out.isNull() ? QByteArray("") : out;
}

QByteArray SmimeFixture::content(Body body)
{
    switch (body) {
    case Body::Plain:
        return crlf("Content-Type: text/plain; charset=utf-8\n"
                    "Content-Transfer-Encoding: 8bit\n\n"
                    "Quarterly figures attached. Grüße, Ada\nFrom here on, all is signed.\n");
    case Body::Html:
        return crlf(QByteArray("Content-Type: multipart/related; boundary=\"") + kBoundary + "\"\n\n"
                    "--" + kBoundary + "\nContent-Type: text/html; charset=utf-8\n\n"
                    "<html><body><p>The <b>signed</b> chart:</p><img src=\"cid:chart@lumaroo\"></body></html>\n"
                    "--" + kBoundary + "\nContent-Type: image/png\nContent-Transfer-Encoding: base64\n"
                    "Content-ID: <chart@lumaroo>\nContent-Disposition: inline; filename=\"chart.png\"\n\n"
                    + kPictureBase64 + "\n--" + kBoundary + "--\n");
    case Body::Attachment:
        return crlf(QByteArray("Content-Type: multipart/mixed; boundary=\"") + kBoundary + "\"\n\n"
                    "--" + kBoundary + "\nContent-Type: text/plain; charset=utf-8\n\n"
                    "The contract is attached.\n"
                    "--" + kBoundary + "\nContent-Type: application/pdf\nContent-Transfer-Encoding: base64\n"
                    "Content-Disposition: attachment; filename=\"contract.pdf\"\n\n"
                    + QByteArray("%PDF-1.4 contract").toBase64() + "\n--" + kBoundary + "--\n");
    case Body::Latin1:
        return crlf("Content-Type: text/plain; charset=iso-8859-1\n"
                    "Content-Transfer-Encoding: quoted-printable\n\n"
                    "Sch=F6ne Gr=FC=DFe aus K=F6ln\n");
    case Body::AttachedMail:
        return crlf(QByteArray("Content-Type: multipart/mixed; boundary=\"") + kBoundary + "\"\n\n"
                    "--" + kBoundary + "\nContent-Type: text/plain; charset=utf-8\n\n"
                    "Forwarding the minutes.\n"
                    "--" + kBoundary + "\nContent-Type: message/rfc822\n\n"
                    "From: Carol <carol@example.org>\nSubject: Minutes\nContent-Type: text/plain\n\nWe met.\n"
                    "--" + kBoundary + "--\n");
    }
    return QByteArray();
}

QString SmimeFixture::phrase(Body body)
{
    switch (body) {
    case Body::Plain: return QStringLiteral("Quarterly figures attached. Grüße, Ada");
    case Body::Html: return QStringLiteral("<b>signed</b> chart");
    case Body::Attachment: return QStringLiteral("The contract is attached.");
    case Body::Latin1: return QStringLiteral("Schöne Grüße aus Köln");
    case Body::AttachedMail: return QStringLiteral("Forwarding the minutes.");
    }
    return QString();
}

QStringList SmimeFixture::attachmentNames(Body body)
{
    switch (body) {
    case Body::Html: return {QStringLiteral("chart.png")};
    case Body::Attachment: return {QStringLiteral("contract.pdf")};
    case Body::AttachedMail: return {QStringLiteral("Minutes.eml")};
    default: return {};
    }
}

QByteArray SmimeFixture::clearSigned(const QByteArray& content, const QString& signer)
{
    writeFile(path("content.eml"), content);
    return openssl({"cms", "-sign", "-in", "content.eml", "-signer", signer + ".pem", "-inkey", signer + ".key",
                    "-certfile", "ca.pem", "-crlfeol"});
}

QByteArray SmimeFixture::opaqueSigned(const QByteArray& content)
{
    writeFile(path("content.eml"), content);
    return openssl({"cms", "-sign", "-nodetach", "-binary", "-in", "content.eml", "-signer", "signer.pem", "-inkey",
                    "signer.key", "-outform", "DER"});
}

QByteArray SmimeFixture::encrypted(const QByteArray& content)
{
    writeFile(path("content.eml"), content);
    return openssl({"cms", "-encrypt", "-binary", "-in", "content.eml", "-outform", "DER", "-aes-256-cbc",
                    "recipient.pem"});
}

QByteArray SmimeFixture::signedThenEncrypted(const QByteArray& content)
{
    writeFile(path("content.eml"), content);
    const QByteArray signedEntity = openssl({"cms", "-sign", "-nodetach", "-in", "content.eml", "-signer",
                                             "signer.pem", "-inkey", "signer.key", "-crlfeol"});
    return encrypted(signedEntity);
}

QByteArray SmimeFixture::tampered(QByteArray bytes, const QByteArray& needle)
{
    const qsizetype at = bytes.indexOf(needle);
    if (at >= 0)
        bytes[at] = bytes.at(at) == 'X' ? 'Y' : 'X';
    return bytes;
}

PstMessage SmimeFixture::outlookMessage(const QString& subject, const QString& messageClass, const QByteArray& wrapper)
{
    PstMessage mail;
    mail.messageClass = messageClass;
    mail.subject = subject;
    mail.senderName = QStringLiteral("Ada Signer");
    mail.senderAddress = QStringLiteral("ada@example.org");
    mail.recipients = {PstRecipient{QStringLiteral("Bob Recipient"), QStringLiteral("bob@example.org")}};
    mail.sentTime = QDateTime(QDate(2024, 3, 4), QTime(10, 20), Qt::UTC);
    mail.messageId = QStringLiteral("<%1@example.org>").arg(subject.simplified().replace(' ', '.'));
    const bool clear = wrapper.startsWith("MIME-Version") || wrapper.startsWith("Content-Type");
    mail.transportHeaders = QStringLiteral("Received: from mail.example.org by mx.example.org; Mon, 4 Mar 2024 10:20:05 +0000\r\n"
                                           "From: Ada Signer <ada@example.org>\r\nTo: Bob Recipient <bob@example.org>\r\n"
                                           "Subject: %1\r\nDate: Mon, 4 Mar 2024 10:20:00 +0000\r\nMIME-Version: 1.0\r\n"
                                           "Content-Type: %2\r\n\r\n")
                                .arg(subject, clear ? QStringLiteral("multipart/signed; protocol=\"application/pkcs7-signature\"")
                                                    : QStringLiteral("application/pkcs7-mime; name=smime.p7m"));
    PstAttachment p7m;
    p7m.longName = QStringLiteral("smime.p7m");
    p7m.shortName = QStringLiteral("smime.p7m");
    p7m.mimeType = clear ? QStringLiteral("multipart/signed") : QStringLiteral("application/pkcs7-mime");
    p7m.data = wrapper;
    mail.attachments = {p7m};
    return mail;
}
