// SPDX-License-Identifier: GPL-2.0-or-later
// The MIME message writer: its header operations and encoders on literal
// strings, hand-made mails, and every mail of real PST files, read back with
// Python's email package.

#include "LibpstFile.h"
#include "PstWriter.h"
#include "TestData.h"
#include "WriterRows.h"
#include "readpst.h"

#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern "C" {
#include <libpst/lzfu.h>
}

using namespace LibpstFixture;

namespace {

using Setup = std::function<void(pst_item*)>;

// A small mail: block id 42, UTF-8 strings, no stored headers, no date.
ItemPtr smallMail(const QByteArray& subject, const QByteArray& body)
{
    ItemPtr item = newItem();
    item->block_id = 42;
    item->type = PST_TYPE_NOTE;
    item->internet_cpid = 65001;
    record(item->email);
    setText(item->subject, subject);
    setText(item->body, body);
    return item;
}

QByteArray writeMail(pst_item* item, pst_file* pst = nullptr)
{
    return capture([&](FILE* out) {
        char* extra = nullptr;
        write_normal_email(out, nullptr, item, 0, 0, pst, 1, 0, &extra);
    });
}

// One header operation or encoder on a literal input, its result as text.
QByteArray runHelper(const QByteArray& helper, QByteArray input, const QByteArray& argument)
{
    char* text = input.isNull() ? nullptr : input.data();
    const qsizetype hash = argument.indexOf('#');
    const QByteArray arg = argument.left(hash < 0 ? argument.size() : hash);
    const size_t size = hash < 0 ? 60 : argument.mid(hash + 1).toUInt();
    char out[60] = "unchanged";
    if (helper == "match")
        return QByteArray::number(header_match(text, arg));
    if (helper == "reasonable")
        return QByteArray::number(header_is_reasonable(text));
    if (helper == "valid")
        return QByteArray::number(valid_headers(text));
    if (helper == "subfield")
        return header_get_subfield(text, arg, out, size), QByteArray(out);
    if (helper == "strip")
        return header_strip_field(text, arg), QByteArray(text);
    if (helper == "rfc822")
        return find_rfc822_headers(&text), text ? QByteArray(text) : "null";
    if (helper == "html") {
        const bool found = find_html_charset(text, out, size);
        return (found ? "" : "none:") + QByteArray(out);
    }
    if (helper == "rfc2231") {
        char* encoded = rfc2231_string(text);
        const QByteArray result(encoded);
        return free(encoded), result;
    }
    return capture([&](FILE* f) { write_email_body(f, text); });
}

// A meeting request carries two calendar parts, the second named after the
// block id; both parse with their method and product id. Empty when fine.
QString calendarFailure(const QJsonObject& message, quint64 blockId)
{
    QList<QJsonObject> calendars;
    for (const QJsonValue& part : message["parts"].toArray())
        if (part["type"].toString() == "text/calendar")
            calendars << part.toObject();
    if (calendars.isEmpty())
        return QString();
    if (calendars.size() != 2 || calendars[1]["filename"].toString() != QStringLiteral("i%1.ics").arg(blockId))
        return QStringLiteral("a meeting request needs two calendar parts, the second i%1.ics").arg(blockId);
    for (const QJsonObject& calendar : calendars) {
        const QString failure = checkFailure(runChecker("ics", QByteArray::fromBase64(calendar["data"].toString().toLatin1())),
            {"components.0.properties.METHOD.0=REQUEST", "components.0.properties.PRODID.0=-//Tavrel//Lumaroo 5.0.0//EN"});
        if (!failure.isEmpty())
            return "meeting request calendar: " + failure;
    }
    return QString();
}

// What libpst holds of a mail: its subject, its attachments in order (a
// compressed RTF body first) and its attached mails.
struct ExpectedMail {
    QString subject;
    QList<QPair<QString, QByteArray>> attachments;
    QList<ExpectedMail> embedded;
};

QString utf8(pst_item* item, pst_string& text)
{
    pst_convert_utf8_null(item, &text);
    return text.str ? QString::fromUtf8(text.str) : QString();
}

ExpectedMail expectationsOf(LibpstFile& file, pst_item* item, int depth = 0)
{
    ExpectedMail mail{utf8(item, item->subject), {}, {}};
    if (item->email && item->email->rtf_compressed.data) {
        size_t size = 0;
        char* rtf = pst_lzfu_decompress(item->email->rtf_compressed.data, uint32_t(item->email->rtf_compressed.size), &size);
        if (rtf)
            mail.attachments.append({QStringLiteral("rtf-body.rtf"), QByteArray(rtf, qsizetype(size))});
        free(rtf);
    }
    for (pst_item_attach* attach = item->attach; attach; attach = attach->next) {
        if (attach->method == PST_ATTACH_EMBEDDED) {
            ItemPtr inner = file.parseEmbedded(attach);
            if (inner && inner->email && depth < 8)
                mail.embedded.append(expectationsOf(file, inner.get(), depth + 1));
        } else if (attach->data.data || pst_getID(file.file(), attach->i_id)) {
            const QString name = utf8(item, attach->filename2);
            mail.attachments.append({name.isNull() ? utf8(item, attach->filename1) : name, file.attachmentBytes(attach)});
        }
    }
    return mail;
}

// Compares a parsed message with what libpst holds: the first difference, or empty.
QString compareMail(const QJsonObject& message, const ExpectedMail& expected, const QString& where)
{
    if (message["subject"].toString() != expected.subject)
        return where + ": subject " + message["subject"].toString() + " != " + expected.subject;
    // Attachments are the parts after the bodies and a meeting request's calendars.
    QList<QJsonObject> parts;
    for (const QJsonValue& part : message["parts"].toArray())
        if (!part["filename"].isNull() || !QStringList{"text/plain", "text/html"}.contains(part["type"].toString()))
            parts.append(part.toObject());
    while (!parts.isEmpty() && parts.first()["type"].toString() == "text/calendar")
        parts.removeFirst();
    if (parts.size() != expected.attachments.size())
        return where + QStringLiteral(": %1 attachment parts, expected %2").arg(parts.size()).arg(expected.attachments.size());
    for (int i = 0; i < parts.size(); ++i) {
        const auto& [name, data] = expected.attachments[i];
        if (!parts[i]["opaque"].toBool() && QByteArray::fromBase64(parts[i]["data"].toString().toLatin1()) != data)
            return where + ": attachment " + name + " differs";
        if (!name.isEmpty() && parts[i]["filename"].toString() != name)
            return where + ": attachment name " + parts[i]["filename"].toString() + " != " + name;
    }
    const QJsonArray inner = message["messages"].toArray();
    if (inner.size() != expected.embedded.size())
        return where + QStringLiteral(": %1 attached mails, expected %2").arg(inner.size()).arg(expected.embedded.size());
    for (int i = 0; i < inner.size(); ++i) {
        const QString difference = compareMail(inner[i].toObject(), expected.embedded[i], where + "/" + QString::number(i));
        if (!difference.isEmpty())
            return difference;
    }
    return QString();
}

void addSender(pst_item* item, const QByteArray& address, const QByteArray& name = QByteArray())
{
    setText(item->email->sender_address, address);
    if (!name.isNull())
        setText(item->email->outlook_sender_name, name);
}

} // namespace

Q_DECLARE_METATYPE(Setup)

class ReadpstMimeTest : public QObject
{
    Q_OBJECT

    static void row(const char* name, const QByteArray& subject, const QByteArray& body, const Setup& setup,
                    const QByteArrayList& expect, const QStringList& checks = {})
    {
        QTest::newRow(name) << subject << body << setup << expect << checks;
    }

private slots:
    void initTestCase() { QVERIFY2(TestData::available(), qPrintable("no PST files in " + TestData::sharedDir())); }

    void headerText_data()
    {
        QTest::addColumn<QByteArray>("helper");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("argument"); // "name" or "name#buffer size"
        QTest::addColumn<QByteArray>("result");
        const QList<std::tuple<const char*, QByteArray, QByteArray, QByteArray>> rows{
            {"match", "subject: hi", "Subject: ", "1"}, {"match", "Subject:\r\n\thi", "Subject: ", "1"},
            {"match", "Subject:\nhi", "Subject: ", "0"}, {"match", "Subjects: hi", "Subject: ", "0"},
            {"reasonable", "X-A: folded\r\n\tmore\r\nNext: x", "", "1"}, {"reasonable", "x-lower: value\r\n", "", "0"},
            {"reasonable", "X-A value\r\n", "", "0"}, {"reasonable", "X-A: no line end", "", "0"},
            {"reasonable", "X-A: 8bit \xe4\r\n", "", "0"}, {"valid", QByteArray(), "", "0"},
            {"valid", "Microsoft Mail Internet Headers Version 2.0\n", "", "1"}, {"valid", "X-Odd: y\r\nA: b", "", "1"},
            {"valid", "hello world", "", "0"},
            {"subfield", "Content-Type: text/plain; CHARSET=utf-8; format=flowed\n", "charset", "utf-8"},
            {"subfield", "Content-Type: text/plain;\n\tcharset=\"koi8-r\"\n", "charset", "koi8-r"}, // Outlook folds so
            {"subfield", "Content-Type: text/plain\n", "charset", "unchanged"},
            {"subfield", "Content-Type: text/plain; charset=\"abc\nX: \"y\n", "charset", "abc"},
            {"subfield", "Content-Type: text/plain; charset=abcdefghij\n", "charset#5", "abcd"},
            {"subfield", "Content-Type: a; charset=" + QByteArray(5000, 'x') + "\n", "charset", QByteArray(59, 'x')},
            {"strip", "To: a\nContent-Type: text/plain;\n\tcharset=x\nSubject: s\n", "\nContent-Type:", "To: a\nSubject: s\n"},
            {"strip", "MIME-Version: 1.0\nMIME-Version: 1.0\nTo: a\n", "\nMIME-Version:", "To: a\n"},
            {"strip", "To: a\nX-A: 1\nB: 2\nx-a: 3\n more", "\nX-A:", "To: a\nB: 2"},
            {"rfc822", "Content-Type: text/plain\n\nbody\n\nContent-Type: message/rfc822\n\nSubject: inner\n\nrest", "",
             "Subject: inner\n\nrest"},
            {"rfc822", "Content-Type: text/plain\n\ntail", "", "tail"}, {"rfc822", QByteArray(), "", "null"},
            {"html", "<head><meta charset = \"UTF-8\"></head>", "", "UTF-8"}, {"html", "<meta name=x charset='koi8-r'>", "", "koi8-r"},
            {"html", "<meta charset=iso-8859-15>", "#4", "iso"}, {"html", "<html><body>charset=utf-8</body></html>", "", "none:"},
            {"rfc2231", "!#$&+-.^_`|~%*'()\"x/ ", "", "utf-8''!#$&+-.^_`|~%25%2a%27%28%29%22x%2f%20"},
            // A message file holds its body unchanged: quoting is the mailbox writer's.
            {"body", "From here\n>From there\n>>From x\nFrom: header-like\nA From b\nFrom ", "",
             "From here\n>From there\n>>From x\nFrom: header-like\nA From b\nFrom "}};
        for (const auto& [helper, input, argument, result] : rows)
            QTest::addRow("%s %s", helper, input.left(30).constData()) << QByteArray(helper) << input << argument << result;
    }

    void headerText()
    {
        QFETCH(QByteArray, helper);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, argument);
        QFETCH(QByteArray, result);
        QCOMPARE(runHelper(helper, input, argument), result);
    }

    // The boundary ends in a hash of the message's own parts: the same message gives the same bytes.
    void frameIsFixedAndRepeatable()
    {
        const QByteArray out = writeMail(smallMail("Hello", "Hi there").get());
        const QByteArray boundary = "--boundary-LibPST-iamunique-42_-_-" + out.mid(out.indexOf("_-_-") + 4, 16);
        QCOMPARE(out, "From \"MAILER-DAEMON\" Thu Jan 1 00:00:00 1970\nFrom: <MAILER-DAEMON>\nSubject: Hello\n"
                      "MIME-Version: 1.0\nContent-Type: multipart/mixed;\n\tboundary=\"" + boundary + "\"\n\n\n--" + boundary
                      + "\nContent-Type: text/plain; charset=\"utf-8\"\n\nHi there\n--" + boundary + "--\n\n");
        QVERIFY(QRegularExpression("^[0-9a-f]{16}$").match(QString::fromLatin1(boundary.right(16))).hasMatch());
        QCOMPARE(writeMail(smallMail("Hello", "Hi there").get()), out);
    }

    void handMadeMail_data()
    {
        QTest::addColumn<QByteArray>("subject");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QByteArrayList>("expect");
        QTest::addColumn<QStringList>("checks");
        const Setup none = [](pst_item*) {};
        // A body cannot forge parts: it cannot foresee the boundary, and a line that starts like one makes it base64.
        const QByteArray forged = "Hi\n----boundary-LibPST-iamunique-42_-_-\nContent-Type: application/x-sh; name=\"evil.sh\"\n\nrm -rf ~\n";
        row("forged part", "S", forged, none, {}, {"parts.#=1", "parts.0.text=" + QString::fromLatin1(forged)});
        row("fields in order", "S", "b", [](pst_item* i) {
            i->flags = PST_FLAG_READ, addSender(i, "a@b.c", "Ann"), setText(i->email->sentto_address, "Bob");
            setText(i->email->cc_address, "Cy"), setText(i->email->messageid, "<m1@x>"), setText(i->email->bcc_address, "Dee");
            i->email->sent_date = newFileTime(1707127200); // a Monday
        }, {"^From \"a@b.c\" ", "\nStatus: RO\nFrom: Ann <a@b.c>\nSubject: S\nTo: Bob\nCc: Cy\nDate: Mon, 05 Feb 2024 10:00:00 +0000\n"
            "Message-Id: <m1@x>\nX-libpst-forensic-bcc: Dee\nMIME-Version: 1.0\n"}, {"from=Ann <a@b.c>"});
        row("stored headers", "S", "Gr\xc3\xbc\xc3\x9f" "e", [](pst_item* i) {
            setText(i->email->header, "Received: by x\r\nFrom: Ann <ann@x.org>\r\nTo: bob@y.org\r\nSubject: Stored\r\n"
                "Date: Mon, 5 Feb 2024 10:00:00 +0100\r\nMessage-Id: <id@x>\r\nMIME-Version: 1.0\r\n"
                "Content-Type: text/plain;\r\n\tcharset=\"iso-8859-1\"\r\nContent-Transfer-Encoding: 8bit\r\n\r\n");
            setText(i->email->sentto_address, "Bob"), setText(i->email->messageid, "<other@x>");
            i->email->sent_date = newFileTime(1707127200);
        }, {"1*\nFrom:", "1*\nTo:", "1*\nSubject:", "1*\nDate:", "1*\nMessage-Id:", "1*\nMIME-Version:", "!\r",
            "!Content-Transfer-Encoding: 8bit", "Content-Type: text/plain; charset=\"iso-8859-1\"\n\nGr\xfc\xdf" "e"},
            {"subject=Stored", QString::fromUtf8("parts.0.text=Gr\xc3\xbc\xc3\x9f" "e")});
        row("exchange sender", "S", "b", [](pst_item* i) {
            addSender(i, "/O=ORG/OU=SITE/CN=JOE"), setText(i->email->header, "From: Joe <joe@x.org>\r\nSubject: S\r\n");
        }, {"^From \"joe@x.org\" Thu Jan 1 00:00:00 1970\n", "\nX-libpst-forensic-sender: /O=ORG/OU=SITE/CN=JOE\n"});
        row("line break in sender", "S", "b", [](pst_item* i) { addSender(i, "a@b.c\r\nX-Injected: 1"); },
            {"^From \"a@b.c  X-Injected: 1\" Thu Jan 1 00:00:00 1970\n", "\nFrom: <a@b.c  X-Injected: 1>\n", "!\nX-Injected"});
        row("quoted name", "Gr\xc3\xbc\xc3\x9f" "e \xe2\x9c\x93 \"quoted\"", "b", [](pst_item* i) {
            addSender(i, "doe@x.org", "Doe, John \"JD\"");
        }, {}, {QString::fromUtf8("subject=Gr\xc3\xbc\xc3\x9f" "e \xe2\x9c\x93 \"quoted\""), "from=\"Doe, John \\\"JD\\\"\" <doe@x.org>"});
        row("encoded name", "S", "b", [](pst_item* i) { addSender(i, "j@x.org", "J\xc3\xbcrgen M\xc3\xbcller"); }, {},
            {QString::fromUtf8("from=J\xc3\xbcrgen M\xc3\xbcller <j@x.org>")});
        row("from lines unchanged", "S", "From me\n>From you\nok", none, {"\n\nFrom me\n>From you\nok\n--"});
        row("control bytes", "S", "page\fbreak\r\n", none,
            {"Content-Type: text/plain; charset=\"utf-8\"\nContent-Transfer-Encoding: base64\n\n"}, {"parts.0.text=page\fbreak\n"});
        row("tabs stay plain", "S", "tab\there\nline", none, {"!base64"});
        // ASCII text goes out unconverted only under a charset that keeps ASCII as it is.
        row("ascii under utf-7", "S", "a+b ~\\ end", [](pst_item* i) { setText(i->body_charset, "utf-7"); },
            {"charset=\"utf-7\"", "!a+b"}, {"parts.0.text=a+b ~\\ end"});
        // Stateful charsets hold back the end of an encoded run until the
        // converter is closed: a body must not lose it.
        row("utf-7 ending in an accent", "S", "caf\xc3\xa9", [](pst_item* i) { setText(i->body_charset, "utf-7"); },
            {"charset=\"utf-7\"\n\ncaf+AOk-\n"}, {QString::fromUtf8("parts.0.text=caf\xc3\xa9")});
        row("iso-2022-jp ending in kanji", "S", "x \xe6\x97\xa5", [](pst_item* i) { setText(i->body_charset, "iso-2022-jp"); },
            {"charset=\"iso-2022-jp\"\nContent-Transfer-Encoding: base64\n\n" + QByteArray("x \x1b$BF|\x1b(B").toBase64() + "\n"},
            {QString::fromUtf8("parts.0.text=x \xe6\x97\xa5")});
        row("ascii under windows-1252", "S", "a+b ~\\", [](pst_item* i) { setText(i->body_charset, "windows-1252"); },
            {"charset=\"windows-1252\"\n\na+b ~\\\n"}, {"parts.0.text=a+b ~\\"});
        row("plain and html", "S", "text \xc3\xa4", [](pst_item* i) {
            i->email->htmlbody.str = strdup("<html><body>html \xc3\xa4</body></html>"), addAttachment(i, "x");
        }, {"Content-Type: multipart/alternative;\n\tboundary=\"alt---boundary-LibPST-iamunique-42_-_-",
            "Content-Type: text/html; charset=\"utf-8\"\n"}, // undeclared HTML is the UTF-8 it is
            {"parts.#=3", "parts.0.type=text/plain", QString::fromUtf8("parts.1.text=<html><body>html \xc3\xa4</body></html>"),
             "parts.2.data=eA=="});
        row("declared html charset", "S", "t", [](pst_item* i) {
            i->email->htmlbody.str = strdup("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\xe4");
        }, {"Content-Type: text/html; charset=\"windows-1252\"\n"});
        const QByteArray pdf("%PDF\x00\x01\x02 binary", 16);
        row("attachment names", "S", "b", [pdf](pst_item* i) {
            pst_item_attach* a = addAttachment(i, pdf);
            setText(a->filename2, "Bericht \xc3\x84.pdf"), setText(a->mimetype, "application/pdf"), setText(a->content_id, "part1@x");
            setText(addAttachment(i, "short")->filename1, "SHORT.TXT"), addAttachment(i, "nameless");
        }, {"Content-Type: application/pdf\nContent-Transfer-Encoding: base64\nContent-ID: <part1@x>\n"
            "Content-Disposition: attachment; \n        filename*=utf-8''Bericht%20%c3%84.pdf;\n"
            "        filename=\"Bericht \xc3\x84.pdf\"\n\n",
            "Content-Type: application/octet-stream\nContent-Transfer-Encoding: base64\n"
            "Content-Disposition: attachment; filename=\"SHORT.TXT\"\n\n", "Content-Disposition: inline\n\n"},
            {"parts.#=4", QString::fromUtf8("parts.1.filename=Bericht \xc3\x84.pdf"), "parts.1.data=" + pdf.toBase64(),
             "parts.2.filename=SHORT.TXT", "parts.3.data=bmFtZWxlc3M="});
        // RFC 2046 allows message/* parts no base64: a delivery report's
        // status goes as its text, 7bit or 8bit; only bytes no text holds
        // keep base64.
        const QByteArray status("Reporting-MTA: dns; mx.example.org\r\n\r\nFinal-Recipient: rfc822; ann@example.org\r\nStatus: 5.1.1\r\n");
        struct StatusPart { const char* name; QByteArray data; QByteArray encoding; };
        for (const StatusPart& part : {StatusPart{"delivery status in 7bit", status, "7bit"},
                                       StatusPart{"delivery status in 8bit", "Final-Recipient: rfc822; j\xc3\xbcrgen@example.org\n", "8bit"},
                                       StatusPart{"message part of binary bytes", QByteArray("Status: 5\0\x01", 10), "base64"}}) {
            const QByteArray data = part.data;
            const QByteArray text = QByteArray(data).replace("\r", "");
            row(part.name, "S", "b", [data](pst_item* i) { setText(addAttachment(i, data)->mimetype, "message/delivery-status"); },
                {"Content-Type: message/delivery-status\nContent-Transfer-Encoding: " + part.encoding
                 + "\nContent-Disposition: inline\n\n" + (part.encoding == "base64" ? data.toBase64() : text)});
        }
        row("hostile attachment fields", "S", "b", [](pst_item* i) {
            pst_item_attach* a = addAttachment(i, "x");
            setText(a->mimetype, "text/plain\r\nX-Injected: 1"), setText(a->filename1, "a\"b\nc");
        }, {"!\nX-Injected"}, {"parts.1.filename=a\"b c"});
        row("meeting request", "Planung \xc3\x9c", "b", [](pst_item* i) {
            i->type = PST_TYPE_SCHEDULE, addSender(i, "org@x.org", "J\xc3\xbcrgen M\xc3\xbcller");
            record(i->appointment)->start = newFileTime(1707127200), i->appointment->end = newFileTime(1707130800);
        }, {"Content-Type: text/calendar; method=\"REQUEST\"; charset=\"utf-8\"\n\nBEGIN:VCALENDAR\n",
            "Content-Type: text/calendar; charset=\"utf-8\"; name=\"i42.ics\"\nContent-Disposition: attachment; filename=\"i42.ics\"\n\n",
            "2*ORGANIZER;CN=\"J\xc3\xbcrgen M\xc3\xbcller\":MAILTO:org@x.org\n", "2*SUMMARY:Planung \xc3\x9c\n"}, {"parts.#=3"});
        // A compressed RTF header that claims 4 GiB, and one too short to hold a header: an empty RTF body.
        for (const QByteArray& rtf : {QByteArray::fromHex("0c000000f0ffffff4c5a467500000000"), QByteArray("LZF")})
            row(qPrintable("untrusted rtf " + rtf.toHex()), "S", "b", [rtf](pst_item* i) { setBinary(i->email->rtf_compressed, rtf); },
                {}, {"parts.#=2", "parts.1.filename=rtf-body.rtf", "parts.1.data="});
    }

    void handMadeMail()
    {
        QFETCH(QByteArray, subject);
        QFETCH(QByteArray, body);
        QFETCH(Setup, setup);
        QFETCH(QByteArrayList, expect);
        QFETCH(QStringList, checks);
        ItemPtr item = smallMail(subject, body);
        setup(item.get());
        const QByteArray out = writeMail(item.get());
        const QString failure = expectationFailure(out, expect);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        const QJsonObject message = runChecker("eml", out);
        const QString parsed = checkFailure(message, checks);
        QVERIFY2(parsed.isEmpty(), qPrintable(parsed + "\n" + out));
        QCOMPARE(message["all_defects"].toArray(), QJsonArray());
        const QString calendars = calendarFailure(message, 42);
        QVERIFY2(calendars.isEmpty(), qPrintable(calendars));
    }

    // An RTF header's claimed size is not allocated: with a bounded address
    // space, an allocation of 4 GiB would end the process.
    void compressedRtfSizeIsNotTrusted()
    {
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            unsigned long pages = 0;
            if (FILE* statm = fopen("/proc/self/statm", "r")) {
                pages = fscanf(statm, "%lu", &pages) == 1 ? pages : 0;
                fclose(statm);
            }
            const rlim_t size = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + (rlim_t(1) << 30);
            const rlimit limit{size, size};
            setrlimit(RLIMIT_AS, &limit);
            ItemPtr item = smallMail("S", "b");
            setBinary(item->email->rtf_compressed, QByteArray::fromHex("0c000000f0ffffff4c5a467500000000"));
            writeMail(item.get());
            _exit(0);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, "writing the mail ended the process");
    }

    // Every mail of real files, read back: no defects, libpst's subject,
    // attachments byte for byte (a compressed RTF body first) and attached mails.
    void realMails_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("nesting");         // at least this deep
        QTest::addColumn<int>("meetingRequests"); // at least this many
        const QList<std::tuple<const char*, int, int>> files{
            {"aranetic__process-pst__four_nesting_levels.pst", 2, 0}, {"aquasync__ruby-msg__msgInMsg.pst", 1, 0},
            {"aquasync__ruby-msg__attachAndInline.pst", 0, 0}, {"apache__tika__testPST_variousBodyTypes.pst", 0, 0},
            {"markb-trustifi__pst-extractor__alpha-beta-gamma-delta.pst", 0, 0}, {"emk__pstsdk__submessage.pst", 0, 0},
            {"emk__pstsdk__sample2.pst", 0, 0}, {"tghanem__PST__user1_test.lab.pst", 0, 0},
            {"aspose-email__Aspose.Email-for-.NET__Outlook_passwordprotectedPST.pst", 0, 0},
            {"aspose-email__Aspose.Email-for-.NET__Outlook_SampleOstFile.ost", 0, 5}};
        for (const auto& [name, nesting, meetingRequests] : files)
            QTest::newRow(name) << QString::fromLatin1(name) << nesting << meetingRequests;
    }

    void realMails()
    {
        QFETCH(QString, file);
        QFETCH(int, nesting);
        QFETCH(int, meetingRequests);
        LibpstFile pst(TestData::pst(file));
        QVERIFY2(pst.isOpen(), qPrintable(file));
        std::vector<ItemPtr> references;
        QList<QByteArray> texts;
        for (pst_desc_tree* descriptor : pst.descriptors()) {
            ItemPtr reference = pst.parse(descriptor);
            if (reference && reference->email && !reference->folder) {
                texts << writeMail(pst.parse(descriptor).get(), pst.file());
                references.push_back(std::move(reference));
            }
        }
        QVERIFY(!texts.isEmpty());
        const QJsonArray parsed = runChecker("eml", texts);
        int mails = 0, deepest = 0, requests = 0;
        for (ItemPtr& reference : references) {
            const QJsonObject message = parsed[mails++].toObject();
            const QString where = file + " block " + QString::number(reference->block_id);
            QVERIFY2(!message.contains("error"), qPrintable(where + ": " + message["error"].toString()));
            QVERIFY2(message["all_defects"].toArray().isEmpty(), qPrintable(where + ": defects"));
            const QString difference = compareMail(message, expectationsOf(pst, reference.get()), where);
            QVERIFY2(difference.isEmpty(), qPrintable(difference));
            if (reference->type == PST_TYPE_SCHEDULE && reference->appointment) {
                const QString calendars = calendarFailure(message, reference->block_id);
                QVERIFY2(calendars.isEmpty(), qPrintable(where + ": " + calendars));
                ++requests;
            }
            deepest = std::max(deepest, message["nesting"].toInt());
        }
        QVERIFY2(deepest >= nesting, qPrintable(QString::number(deepest)));
        QVERIFY2(requests >= meetingRequests, qPrintable(QString::number(requests)));
    }

    // Attachments of every length that a base64 group, a 76-column line or
    // one of libpst's data blocks can end awkwardly on, in both page formats:
    // the streamed base64 is libpst's own encoding byte for byte, from the
    // file and from memory, and Python's email package reads the data back.
    void attachmentBase64_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("fourKPages");
        for (const bool fourKPages : {false, true}) {
            for (const qint64 size : {0, 1, 2, 3, 57, 58, 8175, 8176, 8177, 3 * 8176 + 1, 70001, 300002})
                QTest::addRow("%lld bytes%s", size, fourKPages ? ", 4 KB pages" : "") << size << fourKPages;
        }
    }

    void attachmentBase64()
    {
        QFETCH(qint64, size);
        QFETCH(bool, fourKPages);
        QByteArray data(size, Qt::Uninitialized);
        for (qint64 i = 0; i < size; ++i)
            data[i] = char((i * 131 + i / 251) & 0xff);
        PstAttachment attachment;
        attachment.longName = QStringLiteral("data.bin");
        attachment.mimeType = QStringLiteral("application/octet-stream");
        attachment.data = data;
        PstMessage mail;
        mail.subject = QStringLiteral("Attachment of %1 bytes").arg(size);
        mail.body = QStringLiteral("See the attachment.");
        mail.attachments << attachment;
        PstDescription description;
        description.fourKPages = fourKPages;
        description.folders << PstFolder{QStringLiteral("Inbox"), QStringLiteral("IPF.Note"), {mail}, {}, 0};
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("attachment.pst"));
        QVERIFY(PstWriter::write(description, path));

        LibpstFile pst(path);
        QVERIFY(pst.isOpen());
        std::vector<LibpstFile::Message> mails = pst.messages();
        QCOMPARE(int(mails.size()), 1);
        pst_item* item = mails[0].item.get();
        pst_item_attach* attach = item->attach;
        QVERIFY(attach);
        QCOMPARE(pst.attachmentBytes(attach), data);
        const QByteArray streamed = capture([&](FILE* out) { QCOMPARE(write_attachment_base64(out, attach, pst.file()), size_t(size)); });
        QCOMPARE(streamed, capture([&](FILE* out) { pst_attach_to_file_base64(pst.file(), attach, out); }));
        QCOMPARE(QByteArray::fromBase64(streamed), data);

        pst_item_attach inMemory{};
        inMemory.data.data = data.data();
        inMemory.data.size = size_t(size);
        QCOMPARE(capture([&](FILE* out) { write_attachment_base64(out, &inMemory, nullptr); }),
                 capture([&](FILE* out) { pst_attach_to_file_base64(nullptr, &inMemory, out); }));

        const ExpectedMail expected = expectationsOf(pst, item);
        const QJsonObject message = runChecker("eml", writeMail(item, pst.file()));
        QVERIFY2(message["all_defects"].toArray().isEmpty(), "defects");
        const QString difference = compareMail(message, expected, mail.subject);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
};

QTEST_GUILESS_MAIN(ReadpstMimeTest)
#include "tst_readpst_mime.moc"
