// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstDataConverter.h"

#include <QtTest>

namespace {

pst_string bytes(const char* text, int isUtf8 = 0)
{
    pst_string value;
    value.is_utf8 = isUtf8;
    value.str = const_cast<char*>(text);
    return value;
}

FILETIME filetime(quint64 ticks)
{
    FILETIME time;
    time.dwLowDateTime = quint32(ticks & 0xFFFFFFFFu);
    time.dwHighDateTime = quint32(ticks >> 32);
    return time;
}

} // namespace

class TestPstDataConverter : public QObject
{
    Q_OBJECT
private slots:
    void absentValuesStayNull();
    void textDecoding_data();
    void textDecoding();
    void htmlDecoding_data();
    void htmlDecoding();
    void filetimeTruncatesToSeconds();
    void filetimeTextUsesTheDisplayPattern();
    void recordCodePagePrefersTheMessageCodePage();
};

void TestPstDataConverter::absentValuesStayNull()
{
    QVERIFY(PstDataConverter::toQString(bytes(nullptr)).isNull());
    QVERIFY(PstDataConverter::decodePstHtml(bytes(nullptr)).isNull());
    QCOMPARE(PstDataConverter::filetimeToUnix(nullptr), 0);
    QVERIFY(PstDataConverter::filetimeToQString(nullptr).isEmpty());
}

void TestPstDataConverter::textDecoding_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<int>("isUtf8");
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QString>("expected");

    QTest::newRow("utf-8 flagged") << QByteArray("Gr\xc3\xbc\xc3\x9f" "e") << 1 << 0 << QStringLiteral("Grüße");
    // 中文 in GBK bytes, no declared code page: GB18030 decides.
    QTest::newRow("gbk without code page") << QByteArray("\xd6\xd0\xce\xc4") << 0 << 0 << QStringLiteral("中文");
    QTest::newRow("windows-1252 declared") << QByteArray("\x93quoted\x94 Gr\xfc\xdf" "e") << 0 << 1252
                                          << QStringLiteral("\u201cquoted\u201d Grüße");
    // "データ" in Shift-JIS; the contact of the Japanese test file declares 50220.
    QTest::newRow("shift-jis through internet code page") << QByteArray("\x83\x66\x81\x5b\x83\x5e") << 0 << 932
                                                          << QStringLiteral("データ");
    QTest::newRow("utf-8 message code page") << QByteArray("Caf\xc3\xa9") << 0 << 65001 << QStringLiteral("Café");
    QTest::newRow("unknown code page falls back") << QByteArray("\xd6\xd0\xce\xc4") << 0 << 12345 << QStringLiteral("中文");
}

void TestPstDataConverter::textDecoding()
{
    QFETCH(QByteArray, raw);
    QFETCH(int, isUtf8);
    QFETCH(int, codePage);
    QFETCH(QString, expected);
    QCOMPARE(PstDataConverter::toQString(bytes(raw.constData(), isUtf8), codePage), expected);
}

void TestPstDataConverter::htmlDecoding_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<QString>("expected");

    QTest::newRow("valid utf-8 ignores its meta tag")
        << QByteArray("<meta charset=\"gb2312\"><p>Gr\xc3\xbc\xc3\x9f" "e</p>") << QStringLiteral("<meta charset=\"gb2312\"><p>Grüße</p>");
    QTest::newRow("gb2312 declared goes through gb18030")
        << QByteArray("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\"><p>\xd6\xd0\xce\xc4</p>")
        << QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\"><p>中文</p>");
    QTest::newRow("declared windows-1252")
        << QByteArray("<meta charset=\"windows-1252\"><p>\x93hi\x94</p>") << QStringLiteral("<meta charset=\"windows-1252\"><p>\u201chi\u201d</p>");
    QTest::newRow("latin-1 without declaration is lossy utf-8")
        << QByteArray("<p>Gr\xfc\xdf" "e</p>") << QStringLiteral("<p>Gr\ufffd\ufffde</p>");
    QTest::newRow("declared iso-8859-1 is lossy utf-8")
        << QByteArray("<meta charset=\"iso-8859-1\"><p>\xfc</p>") << QStringLiteral("<meta charset=\"iso-8859-1\"><p>\ufffd</p>");
}

void TestPstDataConverter::htmlDecoding()
{
    QFETCH(QByteArray, raw);
    QFETCH(QString, expected);
    QCOMPARE(PstDataConverter::decodePstHtml(bytes(raw.constData())), expected);
}

void TestPstDataConverter::filetimeTruncatesToSeconds()
{
    const quint64 epoch = 116444736000000000ULL;
    FILETIME t = filetime(epoch);
    QCOMPARE(PstDataConverter::filetimeToUnix(&t), 0);
    t = filetime(epoch + 9999999);
    QCOMPARE(PstDataConverter::filetimeToUnix(&t), 0);
    t = filetime(epoch + 10000000ULL * 1700000000ULL);
    QCOMPARE(PstDataConverter::filetimeToUnix(&t), 1700000000);
}

void TestPstDataConverter::filetimeTextUsesTheDisplayPattern()
{
    FILETIME t = filetime(116444736000000000ULL + 10000000ULL * 1704467220ULL);
    const QString expected = QLocale::system().toString(QDateTime::fromSecsSinceEpoch(1704467220),
                                                        QStringLiteral("MMM dd, yyyy 'at' hh:mm AP"));
    QCOMPARE(PstDataConverter::filetimeToQString(&t), expected);
    QVERIFY(expected.contains(" at "));
}

void TestPstDataConverter::recordCodePagePrefersTheMessageCodePage()
{
    pst_item record = {};
    QCOMPARE(PstDataConverter::recordCodePage(&record), 0);
    record.internet_cpid = 50220;
    QCOMPARE(PstDataConverter::recordCodePage(&record), 932);
    record.message_codepage = 1252;
    QCOMPARE(PstDataConverter::recordCodePage(&record), 1252);
    record = {};
    record.internet_cpid = 65001;
    QCOMPARE(PstDataConverter::recordCodePage(&record), 0);
    record.message_codepage = 65001;
    QCOMPARE(PstDataConverter::recordCodePage(&record), 65001);
}

QTEST_GUILESS_MAIN(TestPstDataConverter)
#include "tst_PstDataConverter.moc"
