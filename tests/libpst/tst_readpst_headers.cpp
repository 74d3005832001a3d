// SPDX-License-Identifier: GPL-2.0-or-later
// The header text operations and small encoders of the MIME writer, on
// literal strings.

#include "WriterFixture.h"
#include "readpst.h"

#include <QtTest>

#include <cstdlib>

using namespace WriterFixture;

class ReadpstHeadersTest : public QObject
{
    Q_OBJECT

private:
    static QByteArray strip(QByteArray text, const char* field)
    {
        header_strip_field(text.data(), field);
        return QByteArray(text.constData());
    }
    static QByteArray subfield(QByteArray field, const char* name, size_t size = 60)
    {
        char out[60] = "unchanged";
        header_get_subfield(field.data(), name, out, size);
        return QByteArray(out);
    }

private slots:
    void headerMatchIsCaselessAndAcceptsFoldedValues()
    {
        QVERIFY(header_match(QByteArray("subject: hi").data(), "Subject: "));
        QVERIFY(header_match(QByteArray("Subject:\r\n\thi").data(), "Subject: "));
        QVERIFY(header_match(QByteArray("Subject:\r\n hi").data(), "Subject: "));
        QVERIFY(!header_match(QByteArray("Subject:\nhi").data(), "Subject: "));
        QVERIFY(!header_match(QByteArray("Subjects: hi").data(), "Subject: "));
    }

    void reasonableHeaderNeedsOneWellFormedCrlfLine()
    {
        QVERIFY(header_is_reasonable(QByteArray("X-Custom-1: value\r\nNext: x").data()));
        QVERIFY(header_is_reasonable(QByteArray("X-A: folded\r\n\tmore\r\nNext: x").data()));
        QVERIFY(!header_is_reasonable(QByteArray("x-lower: value\r\n").data()));
        QVERIFY(!header_is_reasonable(QByteArray("X-A value\r\n").data()));
        QVERIFY(!header_is_reasonable(QByteArray("X-A: no line end").data()));
        QVERIFY(!header_is_reasonable(QByteArray("X-A: 8bit \xe4\r\n").data()));
    }

    void validHeadersKnowsTheUsualFirstFields()
    {
        QVERIFY(!valid_headers(nullptr));
        QVERIFY(valid_headers(QByteArray("Received: from x\n").data()));
        QVERIFY(valid_headers(QByteArray("Microsoft Mail Internet Headers Version 2.0\n").data()));
        QVERIFY(valid_headers(QByteArray("X-Odd: y\r\nA: b").data()));
        QVERIFY(!valid_headers(QByteArray("hello world").data()));
        QVERIFY(!valid_headers(QByteArray("").data()));
    }

    void getFieldFindsFirstOrLaterFields()
    {
        QByteArray text("From: a\nTo: b\nSubject: c\n");
        QCOMPARE(header_get_field(text.data(), "\nFrom:"), text.data());
        QCOMPARE(header_get_field(text.data(), "\nsubject:"), text.data() + 13);
        QVERIFY(!header_get_field(text.data(), "\nCc:"));
        int flag = 0;
        header_has_field(text.data(), "\nTO:", &flag);
        QCOMPARE(flag, 1);
        flag = 0;
        header_has_field(text.data(), "\nDate:", &flag);
        QCOMPARE(flag, 0);
    }

    void endFieldSkipsContinuationLines()
    {
        QByteArray text("A: 1\nB: 2\n\tmore\n more\nC: 3\n");
        char* b = header_get_field(text.data(), "\nB:");
        QCOMPARE(header_end_field(b), text.data() + text.indexOf("\nC:"));
        QByteArray last("A: 1\nC: 3");
        QVERIFY(!header_end_field(header_get_field(last.data(), "\nC:")));
    }

    void subfieldValuesAreQuotedOrEndAtSemicolon()
    {
        QCOMPARE(subfield("Content-Type: text/plain; charset=\"iso-8859-1\"\n", "charset"), QByteArray("iso-8859-1"));
        QCOMPARE(subfield("Content-Type: text/plain; CHARSET=utf-8; format=flowed\n", "charset"), QByteArray("utf-8"));
        QCOMPARE(subfield("Content-Type: multipart/report; report-type=disposition-notification\nX: 1",
                          "report-type"),
                 QByteArray("disposition-notification"));
        // Outlook folds the parameters onto a line that starts with a tab.
        QCOMPARE(subfield("Content-Type: text/plain;\n\tcharset=\"koi8-r\"\n", "charset"), QByteArray("koi8-r"));
        QCOMPARE(subfield("Content-Type: text/plain\n", "charset"), QByteArray("unchanged"));
        // The value never reaches past the field.
        QCOMPARE(subfield("Content-Type: text/plain; charset=\"abc\nX: \"y\n", "charset"), QByteArray("abc"));
    }

    void subfieldIsCutToTheBuffer()
    {
        QCOMPARE(subfield("Content-Type: text/plain; charset=abcdefghij\n", "charset", 5), QByteArray("abcd"));
        QByteArray longValue = "Content-Type: a; charset=" + QByteArray(5000, 'x') + "\n";
        QCOMPARE(subfield(longValue, "charset").size(), 59);
    }

    void stripFieldRemovesEveryOccurrenceWithContinuations()
    {
        QCOMPARE(strip("To: a\nContent-Type: text/plain;\n\tcharset=x\nSubject: s\n", "\nContent-Type:"),
                 QByteArray("To: a\nSubject: s\n"));
        QCOMPARE(strip("MIME-Version: 1.0\nMIME-Version: 1.0\nTo: a\n", "\nMIME-Version:"), QByteArray("To: a\n"));
        QCOMPARE(strip("To: a\nX-A: 1\nB: 2\nx-a: 3\n more", "\nX-A:"), QByteArray("To: a\nB: 2"));
        QCOMPARE(strip("To: a\n", "\nX-A:"), QByteArray("To: a\n"));
    }

    void rfc822HeadersAreFoundBehindTheirPartHeader()
    {
        QByteArray text("Content-Type: text/plain\n\nbody\n\nContent-Type: message/rfc822\n\nSubject: inner\n\nrest");
        char* pointer = text.data();
        find_rfc822_headers(&pointer);
        QCOMPARE(QByteArray(pointer), QByteArray("Subject: inner\n\nrest"));

        QByteArray none("Content-Type: text/plain\n\ntail");
        pointer = none.data();
        find_rfc822_headers(&pointer);
        QCOMPARE(QByteArray(pointer), QByteArray("tail"));

        char* null = nullptr;
        find_rfc822_headers(&null);
        QVERIFY(!null);
    }

    void htmlCharsetComesFromTheMetaTag()
    {
        char charset[30] = "old";
        QVERIFY(find_html_charset("<html><META http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">",
                                  charset, sizeof(charset)));
        QCOMPARE(QByteArray(charset), QByteArray("windows-1252"));
        QVERIFY(find_html_charset("<head><meta charset = \"UTF-8\"></head>", charset, sizeof(charset)));
        QCOMPARE(QByteArray(charset), QByteArray("UTF-8"));
        QVERIFY(find_html_charset("<meta name=x charset='koi8-r'>", charset, sizeof(charset)));
        QCOMPARE(QByteArray(charset), QByteArray("koi8-r"));
        QVERIFY(find_html_charset("<meta charset=iso-8859-15>", charset, 4));
        QCOMPARE(QByteArray(charset), QByteArray("iso"));
        QVERIFY(!find_html_charset("<html><body>charset=utf-8</body></html>", charset, sizeof(charset)));
        QCOMPARE(QByteArray(charset), QByteArray(""));
        QVERIFY(!find_html_charset(nullptr, charset, sizeof(charset)));
    }

    void quoteStringEscapesQuotesAndBackslashes()
    {
        char* quoted = quote_string("a \"b\" c\\d");
        QCOMPARE(QByteArray(quoted), QByteArray("a \\\"b\\\" c\\\\d"));
        free(quoted);
    }

    void rfc2231KeepsAttributeCharsAndEncodesTheRest()
    {
        char* encoded = rfc2231_string("Bericht \xc3\x84.pdf");
        QCOMPARE(QByteArray(encoded), QByteArray("utf-8''Bericht%20%c3%84.pdf"));
        free(encoded);
        encoded = rfc2231_string("!#$&+-.^_`|~%*'()\"x");
        QCOMPARE(QByteArray(encoded), QByteArray("utf-8''!#$&+-.^_`|~%25%2a%27%28%29%22x"));
        free(encoded);
        QVERIFY(is_attribute_char('a') && is_attribute_char('Z') && is_attribute_char('7'));
        QVERIFY(!is_attribute_char(' ') && !is_attribute_char('\x84') && !is_attribute_char('/'));
    }

    void base64IsNeededOnlyForControlBytes()
    {
        QVERIFY(!test_base64("tab\tand\nline feed", 17));
        QVERIFY(test_base64("form\ffeed", 9));
        QVERIFY(test_base64("nul\0byte", 8));
        QVERIFY(!test_base64("\xc3\x84 8-bit", 8));
    }

    void fromLinesAreQuotedOnceMore()
    {
        QByteArray text("From here\n>From there\n>>From x\nFrom: header-like\nA From b\nFrom ");
        const QByteArray out = capture([&](FILE* f) { write_email_body(f, text.data()); });
        QCOMPARE(out, QByteArray(">From here\n>>From there\n>>>From x\nFrom: header-like\nA From b\n>From "));
    }
};

QTEST_GUILESS_MAIN(ReadpstHeadersTest)
#include "tst_readpst_headers.moc"
