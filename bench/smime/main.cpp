// SPDX-License-Identifier: GPL-2.0-or-later
// bench_smime: a clear-signed, an opaque-signed and an encrypted mail with an
// attachment of 1, 10 and 50 MB, each read (unwrapped, checked, decrypted,
// parsed) by SmimeReader, beside `openssl cms -verify` / `-decrypt` on the
// same bytes as the reference.

#include "SmimeFixture.h"
#include "SmimeKey.h"
#include "SmimeReader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

QByteArray mailWithAttachment(int megabytes)
{
    QByteArray data(megabytes * 1024 * 1024, '\0');
    for (qsizetype i = 0; i < data.size(); ++i)
        data[i] = char((i * 7919) >> 3);
    QByteArray base64 = data.toBase64();
    QByteArray lines;
    for (qsizetype at = 0; at < base64.size(); at += 76)
        lines += base64.mid(at, 76) + "\r\n";
    return "Content-Type: multipart/mixed; boundary=\"b\"\r\n\r\n--b\r\nContent-Type: text/plain\r\n\r\nSee attached.\r\n"
           "--b\r\nContent-Type: application/octet-stream\r\nContent-Transfer-Encoding: base64\r\n"
           "Content-Disposition: attachment; filename=\"data.bin\"\r\n\r\n" + lines + "--b--\r\n";
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    SmimeFixture fixture(dir.path());
    if (!fixture.isReady()) {
        out << "cannot make certificates: " << fixture.error() << "\n";
        return 1;
    }
    QString error;
    const auto key = SmimeKey::fromPkcs12File(fixture.path("recipient.p12"), SmimeFixture::kPassword, &error);
    out << "kind           size   lumaroo ms   openssl ms   ratio\n";
    for (int megabytes : {1, 10, 50}) {
        const QByteArray content = mailWithAttachment(megabytes);
        struct Row { const char* kind; QByteArray wrapper; QStringList reference; };
        const QList<Row> rows{
            {"clear-signed", fixture.clearSigned(content), {"cms", "-verify", "-noverify", "-in", "w", "-out", "/dev/null"}},
            {"opaque-signed", fixture.opaqueSigned(content),
             {"cms", "-verify", "-noverify", "-inform", "DER", "-in", "w", "-out", "/dev/null"}},
            {"encrypted", fixture.encrypted(content),
             {"cms", "-decrypt", "-inform", "DER", "-in", "w", "-recip", "recipient.pem", "-inkey", "recipient.key",
              "-out", "/dev/null"}},
        };
        for (const Row& row : rows) {
            QElapsedTimer timer;
            timer.start();
            const SmimeContent read = SmimeReader::read(row.wrapper, key.get());
            const qint64 ours = timer.elapsed();
            QFile file(fixture.path("w"));
            file.open(QIODevice::WriteOnly);
            file.write(row.wrapper);
            file.close();
            timer.restart();
            fixture.openssl(row.reference);
            const qint64 reference = timer.elapsed();
            out << QString("%1 %2 MB %3 %4 %5%6\n")
                       .arg(row.kind, -13).arg(megabytes, 3).arg(ours, 12).arg(reference, 12)
                       .arg(reference ? double(ours) / reference : 0.0, 7, 'f', 2)
                       .arg(read.error.isEmpty() ? QString() : "  (" + read.error + ")");
        }
    }
    return 0;
}
