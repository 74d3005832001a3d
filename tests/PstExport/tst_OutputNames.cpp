// SPDX-License-Identifier: GPL-2.0-or-later
// File and folder names of an export, and the exporters on records built in
// memory: what they refuse, and contacts sharing one file.

#include "CancelToken.h"
#include "Common.h"
#include "ExportToEml.h"
#include "ExportToTxt.h"
#include "ExportToVcf.h"
#include "LibpstFile.h"
#include "OutputNames.h"
#include "TestHome.h"

#include <QtTest>

using namespace LibpstFixture;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ItemPtr mailWithSubject(const QByteArray& subject)
{
    ItemPtr item = newItem();
    record(item->email);
    if (!subject.isNull())
        setText(item->subject, subject);
    return item;
}

const QString kEmoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // four bytes, a surrogate pair in UTF-16

} // namespace

class TestOutputNames : public QObject
{
    Q_OBJECT
    TestHome m_home;
    QTemporaryDir m_dir;

private slots:
    void namesAreSafe_data()
    {
        QTest::addColumn<QString>("op");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* op, const QString& input, const QString& expected) {
            QTest::addRow("%s %s", op, qPrintable(input.left(12))) << op << input << expected;
        };
        row("sanitized", "a/b:c", "a_b_c");
        row("sanitized", "/\\:*?\"<>|", "_________");
        row("sanitized", "two\r\nlines\n", "twolines");
        row("sanitized", "Grüße.txt", "Grüße.txt");
        // ESC, BEL, BS, DEL, a C1 control, a right-to-left override and an isolate.
        row("sanitized", QString::fromUtf8("a\x1B[31mb\x07\x08\x7F\xC2\x9B" "c\u202Etxt.exe\u2066"), "a_[31mb____c_txt.exe_");
        for (const char* name : {"..", ".", "", "\r\n"})
            row("directory", name, "_");
        row("directory", "a/b", "a_b");
        row("directory", "../..", ".._..");
        row("directory", "Inbox", "Inbox");
        row("directory", QString(300, 'd'), QString(255, 'd'));
        row("cut 3", "éé", "é");
        row("cut 7", kEmoji + kEmoji, kEmoji);
        row("cut 3", kEmoji, "");
        row("cut 10", "abc", "abc");
        row("base", "report.pdf", "report.pdf");
        row("base", "../../evil.sh", "evil.sh");
        row("base", "/etc/passwd", "passwd");
        row("base", "C:\\Users\\x\\a.doc", "a.doc");
        row("base", QString::fromUtf8("inv\x1Boice\u202Efdp.exe"), "inv_oice_fdp.exe");
        row("base", "..", "attachment");
        row("base", "dir/", "attachment");
        row("eml", "a/b:c", "a_b_c.eml");
        row("eml", QString(), "mail.eml");
        row("eml", "line\r\nbreak", "linebreak.eml");
        row("eml", "\r\n", "mail.eml");
    }

    void namesAreSafe()
    {
        QFETCH(QString, op);
        QFETCH(QString, input);
        ExportToEml eml(false);
        const QString actual = op == "sanitized" ? OutputNames::sanitized(input)
            : op == "directory"                  ? OutputNames::directoryName(input)
            : op.startsWith("cut")               ? OutputNames::cutToUtf8Bytes(input, op.mid(4).toInt())
            : op == "base"                       ? Common::safeBaseName(input, QStringLiteral("attachment"))
                : QFileInfo(eml.getOutputFilename(mailWithSubject(input.isNull() ? QByteArray() : input.toUtf8()).get(),
                                                  m_dir.path(), "mail")).fileName();
        QTEST(actual, "expected");
    }

    void takenNamesGetNumbersWithin255Bytes_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("short") << "S" << QStringList{"S.eml", "S_1.eml", "S_2.eml"};
        const QString e(QChar(0x00E9)); // two bytes in UTF-8
        QStringList cut{e.repeated(125) + ".eml"};
        for (int i = 1; i < 12; ++i)
            cut.append(e.repeated(124) + QStringLiteral("_%1.eml").arg(i));
        QTest::newRow("400 bytes") << e.repeated(200) << cut;
    }

    void takenNamesGetNumbersWithin255Bytes()
    {
        QFETCH(QString, subject);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        QStringList names;
        for (int i = 0; i < expected.size(); ++i) {
            const QString path = OutputNames::uniqueFilePath(dir.path(), subject, QStringLiteral("eml"));
            QVERIFY(QFile(path).open(QIODevice::WriteOnly));
            names.append(QFileInfo(path).fileName());
        }
        QCOMPARE(names, expected);
    }

    void exportersRefuseWhatTheyCannotWrite()
    {
        QTemporaryDir dir;
        ExportToEml eml(false);
        ExportToVcf vcf(false);
        ExportToTxt txt(false);
        ItemPtr plain = newItem();
        setText(plain->subject, "no records");
        CancelToken cancelled;
        cancelled.cancel();
        bool called = false;
        QCOMPARE(eml.getOutputFilename(nullptr, dir.path(), "mail"), QString());
        QVERIFY(!eml.exportItem(nullptr, dir.path(), nullptr, {}));
        QVERIFY(!eml.exportItem(plain.get(), dir.path(), nullptr, {}));
        QVERIFY(!vcf.exportItem(plain.get(), dir.path(), nullptr, {}));
        QVERIFY(!txt.exportItem(plain.get(), dir.path(), &cancelled, [&](int) { called = true; }));
        QVERIFY(!txt.exportItem(plain.get(), "/nonexistent/lumaroo/out", nullptr, {}));
        QVERIFY(!called);
        QVERIFY(QDir(dir.path()).isEmpty());
        QCOMPARE(eml.processedCount(), 2); // failed items still count as done
        QCOMPARE(vcf.processedCount(), 1);
    }

    void contactsInAppModeShareOneUtf8File()
    {
        QTemporaryDir dir;
        ExportToVcf vcf(true);
        for (const char* name : {"Ann", "Bob", "Gr\xfc\xdf"}) {
            ItemPtr item = newItem();
            setText(record(item->contact)->fullname, name);
            if (name[0] == 'G') {
                // An ANSI record: libpst leaves its 8-bit strings in the code
                // page the record declares until they are converted.
                setText(item->comment, "K\xf6ln");
                setText(item->body_charset, "windows-1252");
                item->contact->fullname.is_utf8 = item->comment.is_utf8 = 0;
            }
            QVERIFY(vcf.exportItem(item.get(), dir.path() + "/", nullptr, {}));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"contact.vcf"});
        const QByteArray text = readAll(dir.path() + "/contact.vcf");
        QCOMPARE(text.count("BEGIN:VCARD"), 3);
        QVERIFY2(text.indexOf("FN:Ann") < text.indexOf("FN:Bob"), text.constData());
        QVERIFY2(text.indexOf("FN:Bob") < text.indexOf("\nFN:Gr\xc3\xbc\xc3\x9f\n"), text.constData());
        QVERIFY2(text.contains("\nNOTE:K\xc3\xb6ln\n"), text.constData());
    }
};

QTEST_GUILESS_MAIN(TestOutputNames)
#include "tst_OutputNames.moc"
