// SPDX-License-Identifier: GPL-2.0-or-later
// Bodies kept as RTF: the compressed form unpacked (against libpst's own
// reader on every real file), HTML and text recovered from RTF that
// encapsulates them, native RTF turned into HTML and text (its text against
// unrtf), which body a record shows and writes, and hostile RTF read in
// bounded time and memory.
#include "IMVLogConfig.h"
#include "LibpstFile.h"
#include "MessageBody.h"
#include "PstMessageEncoder.h"
#include "RtfDecompressor.h"
#include "RtfHtmlRecovery.h"
#include "RtfToHtml.h"
#include "TestData.h"
#include "TestHome.h"
#include "UnrtfText.h"

extern "C" {
#include <libpst/lzfu.h>
}

#include <QDir>
#include <QProcess>
#include <QTextCodec>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace LibpstFixture;

namespace {

QByteArray header(quint32 statedSize, quint32 rawSize, const char* type)
{
    QByteArray out(16, '\0');
    qToLittleEndian<quint32>(statedSize, out.data());
    qToLittleEndian<quint32>(rawSize, out.data() + 4);
    std::memcpy(out.data() + 8, type, 4);
    return out;
}

// Two references: the dictionary's first six bytes, then the end marker at
// the write position 207 + 6.
QByteArray preloadReference()
{
    const QByteArray body = QByteArray::fromHex("0300040d50");
    return header(quint32(body.size() + 12), 6, "LZFu") + body;
}

QByteArray withRawSize(QByteArray stored, quint32 rawSize)
{
    qToLittleEndian<quint32>(rawSize, stored.data() + 4);
    return stored;
}

QByteArray withStatedSize(QByteArray stored, quint32 statedSize)
{
    qToLittleEndian<quint32>(statedSize, stored.data());
    return stored;
}

ItemPtr recordWith(const QByteArray& plain, const QByteArray& html, const QByteArray& rtf, int type = PST_TYPE_NOTE)
{
    ItemPtr item = newItem();
    item->type = type;
    pst_item_email* email = record(item->email);
    if (!plain.isNull())
        setText(item->body, plain);
    if (!html.isNull())
        setText(email->htmlbody, html);
    if (!rtf.isNull())
        setBinary(email->rtf_compressed, PstMessageEncoder::compressRtf(rtf));
    return item;
}

const QByteArray kHtmlRtf =
    "{\\rtf1\\ansi\\ansicpg1251\\fromhtml1 \\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fnil\\fcharset128 MS Gothic;}}\r\n"
    "{\\*\\htmltag19 <html>}{\\*\\htmltag34 <head><meta charset=\"windows-1251\">}{\\*\\htmltag50 <body>}\r\n"
    "\\htmlrtf {\\htmlrtf0 {\\*\\htmltag64 <p>}\\htmlrtf {\\b\\htmlrtf0 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2 {\\f1 \\'93\\'fa}"
    "\\htmlrtf }\\htmlrtf0 {\\*\\htmltag84 <a href=\"https://example.org/?a=1&amp;b=2\">}\\htmlrtf {\\field{\\*\\fldinst{HYPERLINK "
    "\"https://example.org/\"}}{\\fldrslt\\cf1\\ul \\htmlrtf0 link\\htmlrtf }\\htmlrtf0 \\htmlrtf }\\htmlrtf0 "
    "{\\*\\htmltag92 </a>}\\u8364\\'3f \\{x\\} \\\\ {\\*\\htmltag72 </p>}\\par\r\n}"
    "\\htmlrtf0 {\\*\\htmltag58 </body></html>}}";

} // namespace

class TestRtf : public QObject
{
    Q_OBJECT
    TestHome m_home;
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        Morvek::IMVLogConfig::InitializeLogConfig((m_home.path() + "/log/").toStdString());
    }

    void decompress_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<int>("status");
        const QByteArray rtf = "{\\rtf1\\ansi plain text that runs past one block of eight}";
        const QByteArray literal = PstMessageEncoder::compressRtf(rtf);
        const auto whole = int(RtfDecompressor::Status::Whole);
        const auto cut = int(RtfDecompressor::Status::Truncated);
        const auto unreadable = int(RtfDecompressor::Status::Unreadable);
        QTest::newRow("literal runs") << literal << rtf << whole;
        QTest::newRow("reference into the preloaded words") << preloadReference() << QByteArray("{\\rtf1") << whole;
        QTest::newRow("stored uncompressed") << header(12 + 5, 5, "MELA") + "{\\rtf" << QByteArray("{\\rtf") << whole;
        QTest::newRow("stored, stated larger than the file")
            << header(12 + 500, 500, "MELA") + "{\\rtf" << QByteArray("{\\rtf") << cut;
        // The stream's end marker ends it; the raw size only limits it.
        QTest::newRow("raw size of 4 GiB") << withRawSize(literal, 0xFFFFFFF0u) << rtf << whole;
        QTest::newRow("raw size shorter than the stream") << withRawSize(literal, 6) << rtf.left(6) << whole;
        QTest::newRow("stated size beyond the file") << withStatedSize(literal, 0x7FFFFFFFu) << rtf << whole;
        QTest::newRow("stated size of zero") << withStatedSize(literal, 0) << QByteArray() << cut;
        QTest::newRow("stream cut in the middle") << literal.left(16 + 18) << rtf.left(16) << cut;
        QTest::newRow("too short for a header") << QByteArray("LZFu") << QByteArray() << unreadable;
        QTest::newRow("unknown form") << header(12, 0, "ABCD") << QByteArray() << unreadable;
    }

    void decompress()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, expected);
        QFETCH(int, status);
        const RtfDecompressor::Result result = RtfDecompressor::decompress(stored);
        QCOMPARE(result.rtf, expected);
        QCOMPARE(int(result.status), status);
    }

    // libpst's reader on every RTF body of the shared files: real streams
    // full of references.
    void decompressionMatchesLibpstOnRealFiles()
    {
        const QDir dir(TestData::sharedDir() + QStringLiteral("/testdata/pst"));
        int compared = 0;
        // The Exchange caches, where bodies kept as RTF are common.
        for (const QString& name : dir.entryList({QStringLiteral("*.ost")})) {
            LibpstFile file(dir.filePath(name));
            if (!file.isOpen())
                continue;
            for (const ItemPtr& item : file.items([](const pst_item* i) { return i->email && i->email->rtf_compressed.data; })) {
                const pst_binary& stored = item->email->rtf_compressed;
                if (stored.size < 16 || compared > 400)
                    continue;
                size_t size = 0;
                char* theirs = pst_lzfu_decompress(stored.data, uint32_t(stored.size), &size);
                const RtfDecompressor::Result ours = RtfDecompressor::decompress(QByteArray(stored.data, qsizetype(stored.size)));
                QCOMPARE(ours.rtf, QByteArray(theirs, qsizetype(size)));
                // Some caches hold values of other forms under the same property.
                const QByteArray type(stored.data + 8, 4);
                QVERIFY2(ours.status == RtfDecompressor::Status::Whole || (type != "LZFu" && type != "MELA"),
                         qPrintable(QByteArray(stored.data, 16).toHex() + " " + QByteArray::number(qulonglong(stored.size))));
                free(theirs);
                ++compared;
            }
        }
        QVERIFY2(compared > 50, qPrintable(QString::number(compared)));
    }

    void recover_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("expected");
        QTest::newRow("HTML: tags, text outside htmlrtf, code pages, escapes")
            << kHtmlRtf
            << QString::fromUtf8("<html><head><meta charset=\"windows-1251\"><body><p>Привет 日"
                                 "<a href=\"https://example.org/?a=1&amp;b=2\">link</a>€ {x} \\ </p>\r\n</body></html>");
        QTest::newRow("HTML: par and tab inside a tag")
            << QByteArray("{\\rtf1\\ansi\\fromhtml1 {\\*\\htmltag241 <style>\\par p\\tab \\{x:y\\}\\par </style>}a}")
            << QStringLiteral("<style>\r\np\t{x:y}\r\n</style>a");
        QTest::newRow("HTML: Unicode skip count of two")
            << QByteArray("{\\rtf1\\ansi\\fromhtml1 \\uc2\\u26085\\'93\\'fa!}") << QString::fromUtf8("日!");
        QTest::newRow("HTML: htmlrtf state ends with its group")
            << QByteArray("{\\rtf1\\ansi\\fromhtml1 a{\\htmlrtf b}c\\htmlrtf d\\htmlrtf0 e}") << QStringLiteral("ace");
        QTest::newRow("HTML: mhtmltag and other starred groups skipped")
            << QByteArray("{\\rtf1\\ansi\\fromhtml1 {\\*\\mhtmltag84 <img src=x>}{\\*\\htmltag84 <img src=\"cid:a\">}{\\*\\unknown no}}")
            << QStringLiteral("<img src=\"cid:a\">");
        QTest::newRow("text: lines and special characters")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1252\\fromtext \\deff0{\\fonttbl{\\f0 Courier;}}\r\n\\f0 Hello\\par \\ldblquote "
                          "caf\\'e9\\rdblquote\\tab end\\par\r\n}")
            << QString::fromUtf8("Hello\r\n“café”\tend\r\n");
        QTest::newRow("native RTF: nothing recovered") << QByteArray("{\\rtf1\\ansi \\b bold\\b0}") << QString();
        QTest::newRow("declared after the header: nothing recovered")
            << QByteArray("{\\rtf1\\ansi text {\\*\\htmltag1 <p>}\\fromhtml1}") << QString();
    }

    void recover()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, expected);
        QCOMPARE(RtfHtmlRecovery::recover(rtf), expected);
    }

    void native_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QStringList>("inHtml");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("formatted");
        const QByteArray head = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fcharset204 Times;}}"
                                "{\\colortbl;\\red255\\green0\\blue0;}{\\*\\generator Riched20;}{\\info{\\author Me}}";
        QTest::newRow("paragraphs and line breaks")
            << head + "\\pard one\\par two\\line three\\par}" << QStringList{"<div>one</div>", "two<br>three"}
            << QStringLiteral("one\ntwo\nthree") << false;
        QTest::newRow("character formatting")
            << head + "\\b bold\\b0  \\i it\\i0  \\ul under\\ulnone  \\strike gone\\strike0  {\\fs40\\cf1 big red}\\par}"
            << QStringList{"font-weight:bold\">bold<", "font-style:italic\">it<", "underline\">under<",
                           "line-through\">gone<", "font-size:20pt;color:#ff0000\">big red<"}
            << QStringLiteral("bold it under gone big red") << true;
        QTest::newRow("code pages and Unicode")
            << head + "caf\\'e9 {\\f1 \\'cf\\'f0} \\u8364? \\u-3913?\\par}" << QStringList{QString::fromUtf8("café Пр € \uF0B7")}
            << QString::fromUtf8("café Пр € \uF0B7") << false;
        QTest::newRow("hyperlink")
            << head + "see {\\field{\\*\\fldinst{HYPERLINK \"https://example.org/a b\"}}{\\fldrslt{\\ul\\cf1 the site}}}.\\par}"
            << QStringList{"<a href=\"https://example.org/a%20b\">", "the site</span></a>."} << QStringLiteral("see the site.")
            << true;
        QTest::newRow("unsafe link scheme is text only")
            << head + "{\\field{\\*\\fldinst{HYPERLINK \"javascript:alert(1)\"}}{\\fldrslt click}}\\par}"
            << QStringList{"<div>click</div>"} << QStringLiteral("click") << false;
        QTest::newRow("simple table")
            << head + "\\trowd\\cellx1000\\cellx2000\\pard\\intbl a\\cell b\\cell\\row\\pard after\\par}"
            << QStringList{"<table", "<tr><td>a</td><td>b</td></tr>", "</table>\n<div>after</div>"}
            << QStringLiteral("a\tb\nafter") << true;
        QTest::newRow("bullets")
            << head + "{\\pntext\\f0 \\bullet\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb x}}item\\par}" << QStringList{QString::fromUtf8("•\titem")}
            << QString::fromUtf8("•\titem") << true;
        QTest::newRow("markup in the text is escaped")
            << head + "<script>alert(1)</script> & \\{\\}\\par}" << QStringList{"&lt;script&gt;alert(1)&lt;/script&gt; &amp; {}"}
            << QStringLiteral("<script>alert(1)</script> & {}") << false;
        QTest::newRow("unknown words and destinations skipped")
            << head + "\\foo\\bar12 {\\*\\secret hidden}{\\stylesheet{\\s0 Normal;}}{\\pict\\wmetafile8 0a0b}shown\\par}"
            << QStringList{"<div>shown</div>"} << QStringLiteral("shown") << false;
    }

    void native()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QStringList, inHtml);
        QFETCH(QString, text);
        QFETCH(bool, formatted);
        const RtfToHtml::Result result = RtfToHtml::convert(rtf);
        for (const QString& part : inHtml)
            QVERIFY2(result.html.contains(part), qPrintable(result.html));
        QVERIFY2(!result.html.contains(QLatin1Char('\\')) && !result.html.contains(QLatin1String("Arial"))
                     && !result.html.contains(QLatin1String("Me")),
                 qPrintable(result.html));
        QCOMPARE(result.text, text);
        QCOMPARE(result.formatted, formatted);
    }

    // unrtf, an RTF reader of its own, reads the same words from native RTF.
    void nativeTextAgreesWithUnrtf_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::newRow("formatted paragraphs")
            << QByteArray("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\pard\\b Weekly\\b0  report\\par "
                          "{\\i three} items, {\\ul one} open\\par done\\par}");
        QTest::newRow("8-bit text and a destination to skip")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}}{\\*\\generator Word;}"
                          "Caf\\'e9 na\\'efve\\par}");
    }

    void nativeTextAgreesWithUnrtf()
    {
        QFETCH(QByteArray, rtf);
        if (QStandardPaths::findExecutable(QStringLiteral("unrtf")).isEmpty())
            QFAIL("unrtf is missing: install the Debian package unrtf");
        QCOMPARE(RtfToHtml::convert(rtf).text.simplified(), UnrtfText::read(rtf, m_dir.path()));
    }

    void bodyChoice_data()
    {
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("shows");
        using S = MessageBody::Source;
        const QByteArray native = "{\\rtf1\\ansi plain words\\par}";
        const QByteArray bold = "{\\rtf1\\ansi \\b bold\\b0  words\\par}";
        const QByteArray fromText = "{\\rtf1\\ansi\\fromtext kept text\\par}";
        QTest::newRow("HTML body first") << QByteArray("p") << QByteArray("<b>html</b>") << kHtmlRtf << int(S::Html)
                                         << QStringLiteral("<b>html</b>");
        QTest::newRow("HTML inside RTF before plain text")
            << QByteArray("plain") << QByteArray() << kHtmlRtf << int(S::RtfHtml) << QStringLiteral("<meta charset=\"utf-8\">");
        QTest::newRow("plain text before unformatted RTF") << QByteArray("plain") << QByteArray() << native << int(S::Plain)
                                                          << QStringLiteral("plain");
        QTest::newRow("formatted RTF before plain text") << QByteArray("bold words") << QByteArray() << bold
                                                         << int(S::NativeRtf) << QStringLiteral("font-weight:bold");
        QTest::newRow("plain text before text inside RTF") << QByteArray("plain") << QByteArray() << fromText
                                                           << int(S::Plain) << QStringLiteral("plain");
        QTest::newRow("text inside RTF alone") << QByteArray() << QByteArray() << fromText << int(S::RtfText)
                                               << QStringLiteral("kept text");
        QTest::newRow("native RTF alone") << QByteArray() << QByteArray() << native << int(S::NativeRtf)
                                          << QStringLiteral("plain words");
        QTest::newRow("no body") << QByteArray() << QByteArray() << QByteArray() << int(S::None) << QStringLiteral("<html>");
    }

    void bodyChoice()
    {
        QFETCH(QByteArray, plain);
        QFETCH(QByteArray, html);
        QFETCH(QByteArray, rtf);
        QFETCH(int, source);
        QFETCH(QString, shows);
        const ItemPtr item = recordWith(plain, html, rtf);
        const MessageBody::Choice choice = MessageBody::choose(item.get());
        QCOMPARE(int(choice.source), source);
        QVERIFY2(choice.html.contains(shows), qPrintable(choice.html));
    }

    void writersGetTheShownBody_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("html");
        const QByteArray bold = "{\\rtf1\\ansi \\b bold\\b0  words\\par}";
        QTest::newRow("mail, native RTF alone") << int(PST_TYPE_NOTE) << QByteArray() << bold << QStringLiteral("bold words")
                                                << QStringLiteral("font-weight:bold");
        QTest::newRow("mail, plain and HTML inside RTF")
            << int(PST_TYPE_NOTE) << QByteArray("plain") << kHtmlRtf << QStringLiteral("plain") << QStringLiteral("<a href=");
        QTest::newRow("mail, HTML inside RTF alone")
            << int(PST_TYPE_NOTE) << QByteArray() << kHtmlRtf << QString::fromUtf8("Привет 日link€ {x} \\")
            << QStringLiteral("<a href=");
        QTest::newRow("mail, plain and unformatted RTF") << int(PST_TYPE_NOTE) << QByteArray("plain")
                                                         << QByteArray("{\\rtf1 words}") << QStringLiteral("plain") << QString();
        QTest::newRow("appointment, RTF note") << int(PST_TYPE_APPOINTMENT) << QByteArray() << bold
                                               << QStringLiteral("bold words") << QString();
        QTest::newRow("contact, text inside RTF") << int(PST_TYPE_CONTACT) << QByteArray()
                                                  << QByteArray("{\\rtf1\\ansi\\fromtext call back\\par}")
                                                  << QStringLiteral("call back\r\n") << QString();
    }

    void writersGetTheShownBody()
    {
        QFETCH(int, type);
        QFETCH(QByteArray, plain);
        QFETCH(QByteArray, rtf);
        QFETCH(QString, body);
        QFETCH(QString, html);
        const ItemPtr item = recordWith(plain, QByteArray(), rtf, type);
        MessageBody::completeRecord(item.get());
        QCOMPARE(LibpstFile::text(item->body).simplified(), body.simplified());
        const QString written = LibpstFile::text(item->email->htmlbody);
        QVERIFY2(html.isEmpty() ? written.isEmpty() : written.contains(html), qPrintable(written));
        QCOMPARE(MessageBody::noteText(item.get()).simplified(), body.simplified());
    }

    // Bad input gives what could be read, in bounded time and memory.
    void hostileRtf_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("readable");
        const QByteArray html = "{\\rtf1\\ansi\\fromhtml1 ";
        const QByteArray native = "{\\rtf1\\ansi ";
        QTest::newRow("100,000 nested groups") << native + QByteArray(100000, '{') + "deep" + QByteArray(100000, '}') + "}"
                                               << QStringLiteral("deep");
        QTest::newRow("nesting never closed") << native + "ok " + QByteArray(100000, '{') + "x" << QStringLiteral("ok");
        QTest::newRow("huge \\bin") << native + "before\\bin4294967295 " + QByteArray(64, 'X') + "}" << QStringLiteral("before");
        QTest::newRow("negative \\bin") << native + "before\\bin-5 after}" << QStringLiteral("before");
        QTest::newRow("truncated hex escape") << native + "text\\'4" << QStringLiteral("text");
        QTest::newRow("escape at the end") << native + "text\\" << QStringLiteral("text");
        QTest::newRow("bad hex escape") << native + "text\\'zz more}" << QStringLiteral("text");
        QTest::newRow("10,000-letter control word")
            << native + "a\\" + QByteArray(10000, 'x') + "99999999999999999999 b}" << QStringLiteral("a");
        QTest::newRow("huge parameters") << native + "\\uc2147483647\\u99999999999 \\fs99999999999 x}" << QString();
        QTest::newRow("unknown destinations") << native + "{\\*\\evil{\\nested text}}{\\weird shown}}" << QStringLiteral("shown");
        QTest::newRow("HTML tag never closed") << html + "{\\*\\htmltag4 <p" + QByteArray(100000, '{') << QStringLiteral("<p");
        QTest::newRow("HTML, 100,000 nested groups")
            << html + QByteArray(100000, '{') + "{\\*\\htmltag64 <p>}" + QByteArray(100000, '}') + "}" << QStringLiteral("<p>");
        QTest::newRow("only braces") << QByteArray(200000, '}') << QString();
        QTest::newRow("not RTF at all") << QByteArray(5000, '\xff') << QString();
    }

    void hostileRtf()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, readable);
        const QString recovered = RtfHtmlRecovery::recover(rtf);
        const RtfToHtml::Result native = RtfToHtml::convert(rtf);
        // Each byte of the document gives at most a character of text.
        QVERIFY(recovered.size() <= rtf.size());
        QVERIFY(native.text.size() <= rtf.size());
        QVERIFY(native.html.size() <= 64 * rtf.size() + 1024);
        if (!readable.isEmpty())
            QVERIFY2(recovered.contains(readable) || native.text.contains(readable),
                     qPrintable(recovered.left(200) + " | " + native.text.left(200)));
        // The same document stored in a record and chosen as its body.
        const ItemPtr item = recordWith(QByteArray(), QByteArray(), rtf);
        const MessageBody::Choice choice = MessageBody::choose(item.get());
        QVERIFY(choice.html.startsWith(QLatin1String("<html>")) || choice.source == MessageBody::Source::RtfHtml);
    }
};

QTEST_GUILESS_MAIN(TestRtf)
#include "tst_Rtf.moc"
