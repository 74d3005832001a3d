// SPDX-License-Identifier: GPL-2.0-or-later
// Large files from the writer's streaming path: 200,000 items, and a mail
// with a 100 MB attachment, both read back through libpst and libpff.
#include "LibpffFile.h"
#include "LibpstFile.h"
#include "PstPresets.h"
#include "PstWriter.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <map>
#include <vector>

class PstWriterLargeFileTest : public QObject
{
    Q_OBJECT

private slots:
    void twoHundredThousandItemsReadBack();
    void hundredMegabyteAttachmentReadsBack();

private:
    QTemporaryDir m_dir;
};

void PstWriterLargeFileTest::twoHundredThousandItemsReadBack()
{
    PstPresets::MailboxOptions options;
    options.mails = 200000;
    options.bodyKb = 0;
    options.mailsPerFolder = 10000;
    const QString path = m_dir.filePath(QStringLiteral("200k.pst"));
    QString error;
    QVERIFY2(PstPresets::writeMailbox(path, options, &error), qPrintable(error));

    // Every folder "Inbox NNN" must hold exactly mails (NNN-1)*10000 .. NNN*10000-1.
    const auto checkFolders = [&](const std::map<QString, std::vector<int>>& byFolder) {
        QCOMPARE(int(byFolder.size()), options.mails / options.mailsPerFolder);
        int total = 0;
        for (const auto& folder : byFolder) {
            const int first = (folder.first.section(QLatin1Char('/'), -1).mid(6).toInt() - 1) * options.mailsPerFolder;
            std::vector<int> numbers = folder.second;
            std::sort(numbers.begin(), numbers.end());
            QCOMPARE(int(numbers.size()), options.mailsPerFolder);
            QCOMPARE(numbers.front(), first);
            QCOMPARE(numbers.back(), first + options.mailsPerFolder - 1);
            QVERIFY(std::adjacent_find(numbers.begin(), numbers.end()) == numbers.end());
            total += int(numbers.size());
        }
        QCOMPARE(total, options.mails);
    };
    const QString prefix = QStringLiteral("Mailbox message ");

    std::map<QString, std::vector<int>> libpstFolders;
    const bool walked = LibpstFile::walk(path, [&](const QString& folder, pst_item* item) {
        const QString subject = LibpstFile::text(item->subject);
        libpstFolders[folder].push_back(subject.startsWith(prefix) ? subject.mid(prefix.size()).toInt() : -1);
    });
    QVERIFY2(walked, "libpst cannot open the file");
    checkFolders(libpstFolders);

    LibpffFile pff(path);
    QVERIFY2(pff.isOpen(), qPrintable(pff.error()));
    std::map<QString, std::vector<int>> libpffFolders;
    for (const auto& folder : pff.subjectsByFolder()) {
        for (const QString& subject : folder.second)
            libpffFolders[folder.first].push_back(subject.startsWith(prefix) ? subject.mid(prefix.size()).toInt() : -1);
    }
    checkFolders(libpffFolders);
    QFile::remove(path);
}

void PstWriterLargeFileTest::hundredMegabyteAttachmentReadsBack()
{
    constexpr qint64 kSize = 100LL * 1024 * 1024;
    PstDescription d;
    PstFolder inbox;
    inbox.name = QStringLiteral("Inbox");
    PstMessage mail;
    mail.subject = QStringLiteral("Huge attachment");
    PstAttachment huge;
    huge.longName = QStringLiteral("huge.bin");
    huge.generatedSize = kSize;
    mail.attachments = {huge};
    inbox.messages = {mail};
    d.folders = {inbox};
    const QString path = m_dir.filePath(QStringLiteral("huge.pst"));
    QString error;
    QVERIFY2(PstWriter::write(d, path, &error), qPrintable(error));

    LibpstFile pst(path);
    QVERIFY(pst.isOpen());
    pst_item* item = pst.find(QStringLiteral("Inbox"), mail.subject);
    QVERIFY(item);
    pst_item_attach* attachment = item->attach;
    while (attachment && attachment->method != PST_ATTACH_BY_VALUE)
        attachment = attachment->next;
    QVERIFY(attachment);
    pst_binary data = pst_attach_to_mem(pst.file(), attachment);
    const qint64 size = qint64(data.size);
    qint64 firstWrong = -1;
    for (qint64 i = 0; i < size && firstWrong < 0; ++i) {
        if (data.data[i] != PstWriter::patternByte(quint64(i)))
            firstWrong = i;
    }
    free(data.data);
    QCOMPARE(size, kSize);
    QCOMPARE(firstWrong, qint64(-1));

    LibpffFile pff(path);
    QVERIFY2(pff.isOpen(), qPrintable(pff.error()));
    qint64 pffWrong = -2;
    qint64 pffSize = -1;
    pff.forEachMessage([&](const QString&, libpff_item* message) {
        libpff_item_t* a = nullptr;
        if (libpff_message_get_attachment(message, 0, &a, nullptr) != 1)
            return;
        size64_t total = 0;
        libpff_attachment_get_data_size(a, &total, nullptr);
        pffSize = qint64(total);
        std::vector<uint8_t> chunk(1 << 20);
        qint64 at = 0;
        pffWrong = -1;
        while (at < pffSize && pffWrong < 0) {
            const ssize_t n = libpff_attachment_data_read_buffer(a, chunk.data(), chunk.size(), nullptr);
            if (n <= 0) {
                pffWrong = at;
                break;
            }
            for (ssize_t i = 0; i < n && pffWrong < 0; ++i) {
                if (char(chunk[size_t(i)]) != PstWriter::patternByte(quint64(at + i)))
                    pffWrong = at + i;
            }
            at += n;
        }
        libpff_item_free(&a, nullptr);
    });
    QCOMPARE(pffSize, kSize);
    QCOMPARE(pffWrong, qint64(-1));
}

QTEST_GUILESS_MAIN(PstWriterLargeFileTest)
#include "PstWriterLargeFileTest.moc"
