// SPDX-License-Identifier: GPL-2.0-or-later
// File and folder names of an export, and the exporters' checks before they
// write, on items built in memory.

#include "CancelToken.h"
#include "Common.h"
#include "ExportToEml.h"
#include "ExportToIcs2.h"
#include "ExportToTxt.h"
#include "ExportToVcf.h"
#include "OutputNames.h"
#include "TestHome.h"
#include "WriterFixture.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace WriterFixture;

namespace {

void touch(const QString& path)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
}

QString fileName(const QString& path)
{
    return QFileInfo(path).fileName();
}

ItemPtr itemWithSubject(const QByteArray& subject)
{
    ItemPtr item = newItem();
    addEmail(item.get());
    if (!subject.isNull())
        setText(item->subject, subject);
    return item;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestOutputNames : public QObject
{
    Q_OBJECT

private slots:
    void reservedCharactersAndBreaksAreReplaced()
    {
        QCOMPARE(OutputNames::sanitized(QStringLiteral("a/b:c")), QStringLiteral("a_b_c"));
        QCOMPARE(OutputNames::sanitized(QStringLiteral("/\\:*?\"<>|")), QStringLiteral("_________"));
        QCOMPARE(OutputNames::sanitized(QStringLiteral("two\r\nlines\n")), QStringLiteral("twolines"));
        QCOMPARE(OutputNames::sanitized(QStringLiteral("Grüße.txt")), QStringLiteral("Grüße.txt"));
        // ESC, BEL, BS, DEL, a C1 control, a right-to-left override and an isolate.
        QCOMPARE(OutputNames::sanitized(QString::fromUtf8("a\x1B[31mb\x07\x08\x7F\xC2\x9B" "c\u202Etxt.exe\u2066")),
                 QStringLiteral("a_[31mb____c_txt.exe_"));
    }

    void savedAttachmentNamesAreBaseNamesOnly_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("plain") << "report.pdf" << "report.pdf";
        QTest::newRow("climbing out") << "../../evil.sh" << "evil.sh";
        QTest::newRow("absolute") << "/etc/passwd" << "passwd";
        QTest::newRow("windows path") << "C:\\Users\\x\\a.doc" << "a.doc";
        QTest::newRow("control and bidi") << QString::fromUtf8("inv\x1Boice\u202Efdp.exe") << "inv_oice_fdp.exe";
        QTest::newRow("only dots") << ".." << "attachment";
        QTest::newRow("trailing separator") << "dir/" << "attachment";
    }

    void savedAttachmentNamesAreBaseNamesOnly()
    {
        QFETCH(QString, name);
        QFETCH(QString, proposed);
        QCOMPARE(Common::safeBaseName(name, QStringLiteral("attachment")), proposed);
    }

    void folderNamesCannotLeaveTheOutputFolder()
    {
        QCOMPARE(OutputNames::directoryName(QStringLiteral("..")), QStringLiteral("_"));
        QCOMPARE(OutputNames::directoryName(QStringLiteral(".")), QStringLiteral("_"));
        QCOMPARE(OutputNames::directoryName(QString()), QStringLiteral("_"));
        QCOMPARE(OutputNames::directoryName(QStringLiteral("\r\n")), QStringLiteral("_"));
        QCOMPARE(OutputNames::directoryName(QStringLiteral("a/b")), QStringLiteral("a_b"));
        QCOMPARE(OutputNames::directoryName(QStringLiteral("../..")), QStringLiteral(".._.."));
        QCOMPARE(OutputNames::directoryName(QStringLiteral("Inbox")), QStringLiteral("Inbox"));
        QCOMPARE(OutputNames::directoryName(QString(300, QLatin1Char('d'))).size(), 255);
    }

    void cuttingKeepsWholeCharacters()
    {
        // "é" is two bytes, the emoji four (a surrogate pair in UTF-16).
        QCOMPARE(OutputNames::cutToUtf8Bytes(QStringLiteral("éé"), 3), QStringLiteral("é"));
        const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
        QCOMPARE(OutputNames::cutToUtf8Bytes(emoji + emoji, 7), emoji);
        QCOMPARE(OutputNames::cutToUtf8Bytes(emoji, 3), QString());
        QCOMPARE(OutputNames::cutToUtf8Bytes(QStringLiteral("abc"), 10), QStringLiteral("abc"));
    }

    void takenNamesGetNumbers()
    {
        QTemporaryDir dir;
        const QString first = OutputNames::uniqueFilePath(dir.path(), QStringLiteral("S"), QStringLiteral("eml"));
        QCOMPARE(first, dir.path() + QStringLiteral("/S.eml"));
        touch(first);
        const QString second = OutputNames::uniqueFilePath(dir.path(), QStringLiteral("S"), QStringLiteral("eml"));
        QCOMPARE(fileName(second), QStringLiteral("S_1.eml"));
        touch(second);
        QCOMPARE(fileName(OutputNames::uniqueFilePath(dir.path(), QStringLiteral("S"), QStringLiteral("eml"))),
                 QStringLiteral("S_2.eml"));
    }

    void longNamesFitIn255BytesWithTheirNumber()
    {
        QTemporaryDir dir;
        const QString subject = QString(200, QChar(0x00E9)); // 400 bytes of "é"
        QStringList names;
        for (int i = 0; i < 12; ++i) {
            const QString path = OutputNames::uniqueFilePath(dir.path(), subject, QStringLiteral("eml"));
            touch(path);
            QVERIFY2(QFileInfo::exists(path), qPrintable(path));
            names.append(fileName(path));
        }
        QCOMPARE(names.first(), QString(125, QChar(0x00E9)) + QStringLiteral(".eml"));
        QCOMPARE(names.at(1), QString(124, QChar(0x00E9)) + QStringLiteral("_1.eml"));
        QCOMPARE(names.at(11), QString(124, QChar(0x00E9)) + QStringLiteral("_11.eml"));
        for (const QString& name : names)
            QVERIFY2(name.toUtf8().size() <= 255, qPrintable(name));
    }

    void outputNameComesFromTheSubject()
    {
        QTemporaryDir dir;
        ExportToEml eml(false);
        QCOMPARE(eml.getOutputFilename(nullptr, dir.path(), "mail"), QString());
        QCOMPARE(fileName(eml.getOutputFilename(itemWithSubject("a/b:c").get(), dir.path(), "mail")),
                 QStringLiteral("a_b_c.eml"));
        QCOMPARE(fileName(eml.getOutputFilename(itemWithSubject(QByteArray()).get(), dir.path(), "mail")),
                 QStringLiteral("mail.eml"));
        QCOMPARE(fileName(eml.getOutputFilename(itemWithSubject("line\r\nbreak").get(), dir.path(), "mail")),
                 QStringLiteral("linebreak.eml"));
        QCOMPARE(fileName(eml.getOutputFilename(itemWithSubject("\r\n").get(), dir.path(), "mail")),
                 QStringLiteral("mail.eml"));
        ExportToIcs2 journal(false);
        QCOMPARE(journal.type(), QStringLiteral("ics"));
        QCOMPARE(journal.formatKey(), QStringLiteral("ics2"));
    }

    void stickyNoteFileHoldsDatesSubjectAndText()
    {
        QTemporaryDir dir;
        ItemPtr note = newItem();
        setText(note->subject, "Shopping");
        setText(note->body, "Milk\nBread");
        const qint64 created = QDateTime(QDate(2024, 3, 1), QTime(9, 5), Qt::UTC).toSecsSinceEpoch();
        const qint64 modified = QDateTime(QDate(2024, 3, 2), QTime(17, 45), Qt::UTC).toSecsSinceEpoch();
        note->create_date = newFileTime(created);
        note->modify_date = newFileTime(modified);
        ExportToTxt txt(false);
        QList<int> progress;
        QVERIFY(txt.exportItem(note.get(), dir.path(), nullptr, [&](int c) { progress.append(c); }));
        const auto local = [](qint64 t) {
            return QLocale::system().toString(QDateTime::fromSecsSinceEpoch(t).toLocalTime(),
                                                QStringLiteral("MMM dd, yyyy 'at' hh:mm AP"));
        };
        const QByteArray expected = (local(created) + "\n" + local(modified) + "\nShopping\nMilk\nBread").toUtf8();
        QCOMPARE(readAll(dir.path() + "/Shopping.txt"), expected);
        QCOMPARE(progress, QList<int>{1});
    }

    void missingRecordsFailAndStillCount()
    {
        QTemporaryDir dir;
        ExportToEml eml(false);
        ExportToVcf vcf(false);
        ItemPtr plain = newItem();
        setText(plain->subject, "no records");
        QVERIFY(!eml.exportItem(nullptr, dir.path(), nullptr, {}));
        QVERIFY(!eml.exportItem(plain.get(), dir.path(), nullptr, {}));
        QVERIFY(!vcf.exportItem(plain.get(), dir.path(), nullptr, {}));
        QCOMPARE(eml.processedCount(), 2);
        QCOMPARE(vcf.processedCount(), 1);
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void cancelledExporterWritesNothing()
    {
        QTemporaryDir dir;
        CancelToken token;
        token.cancel();
        ExportToTxt txt(false);
        ItemPtr note = newItem();
        setText(note->subject, "Late");
        bool called = false;
        QVERIFY(!txt.exportItem(note.get(), dir.path(), &token, [&](int) { called = true; }));
        QVERIFY(!called);
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void unwritableFolderFails()
    {
        ExportToTxt txt(false);
        ItemPtr note = newItem();
        setText(note->subject, "Nowhere");
        QVERIFY(!txt.exportItem(note.get(), QStringLiteral("/nonexistent/lumaroo/out"), nullptr, {}));
    }

    void appModeContactsShareOneFile()
    {
        QTemporaryDir dir;
        ExportToVcf vcf(true);
        for (const char* name : {"Ann", "Bob", "Cy"}) {
            ItemPtr item = newItem();
            pst_item_contact* contact = addContact(item.get());
            setText(contact->fullname, name);
            QVERIFY(vcf.exportItem(item.get(), dir.path() + "/", nullptr, {}));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("contact.vcf")});
        const QByteArray text = readAll(dir.path() + "/contact.vcf");
        QCOMPARE(text.count("BEGIN:VCARD"), 3);
        QVERIFY(text.indexOf("FN:Ann") < text.indexOf("FN:Bob"));
        QVERIFY(text.indexOf("FN:Bob") < text.indexOf("FN:Cy"));
    }

private:
    TestHome m_home;
};

QTEST_GUILESS_MAIN(TestOutputNames)
#include "tst_OutputNames.moc"
