// SPDX-License-Identifier: GPL-2.0-or-later
// The MIME message writer: literal formats on hand-made mails, and real PST
// mails read back with Python's email package.

#include "TestData.h"
#include "WriterFixture.h"
#include "readpst.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>
#include <cstring>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern "C" {
#include <libpst/lzfu.h>
}

using namespace WriterFixture;

namespace {

// A small mail: block id 42, UTF-8 strings, no stored headers, no date.
ItemPtr smallMail(const QByteArray& subject, const QByteArray& body)
{
    ItemPtr item = newItem();
    item->block_id = 42;
    item->type = PST_TYPE_NOTE;
    item->internet_cpid = 65001;
    addEmail(item.get());
    if (!subject.isNull())
        setText(item->subject, subject);
    if (!body.isNull())
        setText(item->body, body);
    return item;
}

// Address space a process may add to what it already has before an
// allocation fails: far below the gigabytes a hostile size asks for.
constexpr rlim_t kAddressSpaceHeadroom = rlim_t(1) << 30;

// Limits this process's address space to its current size plus the headroom.
void boundAddressSpace()
{
    unsigned long pages = 0;
    if (FILE* statm = fopen("/proc/self/statm", "r")) {
        if (fscanf(statm, "%lu", &pages) != 1)
            pages = 0;
        fclose(statm);
    }
    const rlim_t size = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + kAddressSpaceHeadroom;
    const rlimit limit{size, size};
    setrlimit(RLIMIT_AS, &limit);
}

ItemPtr mailWithRtf(const QByteArray& rtf)
{
    ItemPtr item = smallMail("S", "b");
    item->email->rtf_compressed.data = static_cast<char*>(malloc(size_t(rtf.size())));
    memcpy(item->email->rtf_compressed.data, rtf.constData(), size_t(rtf.size()));
    item->email->rtf_compressed.size = size_t(rtf.size());
    return item;
}

QByteArray writeMail(pst_item* item, pst_file* pst = nullptr)
{
    return capture([&](FILE* out) {
        char* extra = nullptr;
        write_normal_email(out, nullptr, item, 0, 0, pst, 1, 0, &extra);
    });
}

struct ExpectedAttachment {
    QString name;
    QByteArray data;
};

struct ExpectedMail {
    QString subject;
    QList<ExpectedAttachment> attachments;
    QList<ExpectedMail> embedded;
};

QString utf8(pst_item* item, pst_string& text)
{
    pst_convert_utf8_null(item, &text);
    return text.str ? QString::fromUtf8(text.str) : QString();
}

ExpectedMail expectationsOf(PstFile& file, pst_item* item, int depth = 0)
{
    ExpectedMail mail;
    mail.subject = utf8(item, item->subject);
    if (item->email && item->email->rtf_compressed.data) {
        size_t size = 0;
        char* rtf = pst_lzfu_decompress(item->email->rtf_compressed.data,
                                        uint32_t(item->email->rtf_compressed.size), &size);
        if (rtf)
            mail.attachments.append({QStringLiteral("rtf-body.rtf"), QByteArray(rtf, int(size))});
        free(rtf);
    }
    for (pst_item_attach* attach = item->attach; attach; attach = attach->next) {
        if (attach->method == PST_ATTACH_EMBEDDED) {
            ItemPtr inner = file.parseEmbedded(attach);
            if (inner && inner->email && depth < 8)
                mail.embedded.append(expectationsOf(file, inner.get(), depth + 1));
            continue;
        }
        if (!attach->data.data && !pst_getID(file.file(), attach->i_id))
            continue;
        QString name = utf8(item, attach->filename2);
        if (name.isNull())
            name = utf8(item, attach->filename1);
        mail.attachments.append({name, file.attachmentBytes(attach)});
    }
    return mail;
}

QJsonArray attachmentParts(const QJsonObject& message)
{
    // Attachments are the parts after the bodies: everything that carries a
    // file name or is not text.
    QJsonArray out;
    for (const QJsonValue& part : message["parts"].toArray()) {
        const QJsonObject p = part.toObject();
        const QString type = p["type"].toString();
        if (!p["filename"].isNull() || !(type == "text/plain" || type == "text/html"))
            out.append(p);
    }
    return out;
}

// Compares one parsed message with what libpst holds; returns a description
// of the first difference, or an empty string.
QString compareMail(const QJsonObject& message, const ExpectedMail& expected, const QString& where)
{
    if (message["subject"].toString() != expected.subject)
        return where + ": subject " + message["subject"].toString() + " != " + expected.subject;
    const QJsonArray parts = attachmentParts(message);
    // A meeting request adds its two calendar parts in front of the attachments.
    int offset = 0;
    while (offset < parts.size() && parts[offset].toObject()["type"].toString() == "text/calendar")
        ++offset;
    if (parts.size() - offset != expected.attachments.size())
        return where + QStringLiteral(": %1 attachment parts, expected %2").arg(parts.size() - offset).arg(expected.attachments.size());
    for (int i = 0; i < expected.attachments.size(); ++i) {
        const QJsonObject part = parts[offset + i].toObject();
        const QByteArray data = QByteArray::fromBase64(part["data"].toString().toLatin1());
        if (!part["opaque"].toBool() && data != expected.attachments[i].data)
            return where + ": attachment " + expected.attachments[i].name + " differs";
        if (!expected.attachments[i].name.isEmpty() && part["filename"].toString() != expected.attachments[i].name)
            return where + ": attachment name " + part["filename"].toString() + " != " + expected.attachments[i].name;
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

QStringList defectsOf(const QJsonObject& message)
{
    QStringList defects;
    for (const QJsonValue& d : message["defects"].toArray())
        defects << d.toString();
    for (const QJsonValue& part : message["parts"].toArray())
        for (const QJsonValue& d : part.toObject()["defects"].toArray())
            defects << d.toString();
    for (const QJsonValue& inner : message["messages"].toArray())
        defects << defectsOf(inner.toObject());
    return defects;
}

int countNesting(const QJsonObject& message)
{
    int deepest = 0;
    for (const QJsonValue& inner : message["messages"].toArray())
        deepest = std::max(deepest, 1 + countNesting(inner.toObject()));
    return deepest;
}

} // namespace

class ReadpstMimeTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_fileCount = 0;

    QJsonObject check(const QByteArray& eml)
    {
        const QString path = m_dir.filePath(QStringLiteral("mail%1.eml").arg(++m_fileCount));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(eml) != eml.size())
            return QJsonObject{{"error", "cannot write " + path}};
        file.close();
        return runChecker(QStringLiteral("eml"), path);
    }

    // Writes every mail of a real file, reads it back and compares it.
    // Returns how many mails were checked and the deepest nesting seen.
    QPair<int, int> checkRealFile(const QString& name, int* meetingRequests = nullptr)
    {
        PstFile file(TestData::pst(name));
        if (!file.isOpen()) {
            QTest::qFail(qPrintable("cannot open " + name), __FILE__, __LINE__);
            return {-1, 0};
        }
        int checked = 0;
        int deepest = 0;
        for (pst_desc_tree* descriptor : file.descriptors()) {
            ItemPtr reference = file.parse(descriptor);
            if (!reference || !reference->email || reference->folder)
                continue;
            const ExpectedMail expected = expectationsOf(file, reference.get());
            ItemPtr item = file.parse(descriptor);
            const QString path = m_dir.filePath(QStringLiteral("real%1.eml").arg(++m_fileCount));
            if (!writeFile(path, [&](FILE* out) {
                    char* extra = nullptr;
                    write_normal_email(out, nullptr, item.get(), 0, 0, file.file(), 1, 0, &extra);
                })) {
                QTest::qFail("cannot write output", __FILE__, __LINE__);
                return {-1, 0};
            }
            const QJsonObject message = runChecker(QStringLiteral("eml"), path);
            const QString where = name + " block " + QString::number(reference->block_id) + " (" + path + ")";
            if (message.contains("error")) {
                QTest::qFail(qPrintable(where + ": " + message["error"].toString()), __FILE__, __LINE__);
                return {-1, 0};
            }
            const QStringList defects = defectsOf(message);
            if (!defects.isEmpty()) {
                QTest::qFail(qPrintable(where + ": defects " + defects.join(',')), __FILE__, __LINE__);
                return {-1, 0};
            }
            const QString difference = compareMail(message, expected, where);
            if (!difference.isEmpty()) {
                QTest::qFail(qPrintable(difference), __FILE__, __LINE__);
                return {-1, 0};
            }
            if (meetingRequests && reference->type == PST_TYPE_SCHEDULE && reference->appointment) {
                if (!checkMeetingRequestParts(message, reference->block_id))
                    return {-1, 0};
                ++*meetingRequests;
            }
            deepest = std::max(deepest, countNesting(message));
            ++checked;
        }
        return {checked, deepest};
    }

    bool checkMeetingRequestParts(const QJsonObject& message, quint64 blockId)
    {
        QList<QJsonObject> calendars;
        for (const QJsonValue& part : message["parts"].toArray())
            if (part.toObject()["type"].toString() == "text/calendar")
                calendars << part.toObject();
        if (calendars.size() != 2) {
            QTest::qFail("a meeting request needs two calendar parts", __FILE__, __LINE__);
            return false;
        }
        if (calendars[1]["filename"].toString() != QStringLiteral("i%1.ics").arg(blockId)) {
            QTest::qFail("the second calendar part is not named after the block id", __FILE__, __LINE__);
            return false;
        }
        for (const QJsonObject& calendar : calendars) {
            const QString path = m_dir.filePath(QStringLiteral("request%1.ics").arg(++m_fileCount));
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly))
                return false;
            file.write(QByteArray::fromBase64(calendar["data"].toString().toLatin1()));
            file.close();
            const QJsonObject parsed = runChecker(QStringLiteral("ics"), path);
            if (parsed.contains("error")) {
                QTest::qFail(qPrintable("meeting request calendar: " + parsed["error"].toString()), __FILE__, __LINE__);
                return false;
            }
            const QJsonArray components = parsed["components"].toArray();
            const QJsonObject vcalendar = components[0].toObject()["properties"].toObject();
            if (vcalendar["METHOD"].toArray().first().toString() != "REQUEST"
                || vcalendar["PRODID"].toArray().first().toString() != "-//Tavrel//Lumaroo 5.0.0//EN") {
                QTest::qFail("meeting request calendar lacks METHOD or PRODID", __FILE__, __LINE__);
                return false;
            }
        }
        return true;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_dir.isValid(), "no temporary folder");
        m_dir.setAutoRemove(qEnvironmentVariableIsEmpty("LUMAROO_KEEP_OUTPUT"));
        QVERIFY2(TestData::available(), qPrintable("PST test files missing under " + TestData::sharedDir()));
    }

    // ---- literal formats on hand-made mails ------------------------------

    void mailWithoutHeadersOrDateHasTheFixedFrame()
    {
        ItemPtr item = smallMail("Hello", "Hi there");
        const QByteArray out = writeMail(item.get());
        // The boundary ends in a hash of the message's own parts: the same
        // message gives the same bytes.
        const QRegularExpressionMatch match =
            QRegularExpression("boundary=\"(--boundary-LibPST-iamunique-42_-_-[0-9a-f]{16})\"").match(QString::fromLatin1(out));
        QVERIFY2(match.hasMatch(), out.constData());
        const QByteArray boundary = match.captured(1).toLatin1();
        const QByteArray expected = "From \"MAILER-DAEMON\" Thu Jan 1 00:00:00 1970\n"
                                    "From: <MAILER-DAEMON>\n"
                                    "Subject: Hello\n"
                                    "MIME-Version: 1.0\n"
                                    "Content-Type: multipart/mixed;\n"
                                    "\tboundary=\"" + boundary + "\"\n"
                                    "\n"
                                    "\n--" + boundary + "\n"
                                    "Content-Type: text/plain; charset=\"utf-8\"\n"
                                    "\n"
                                    "Hi there"
                                    "\n--" + boundary + "--\n\n";
        QCOMPARE(out, expected);
        ItemPtr same = smallMail("Hello", "Hi there");
        QCOMPARE(writeMail(same.get()), expected);
    }

    // A body cannot forge parts: it cannot foresee the boundary, and a line
    // that starts like one makes its part base64.
    void bodiesCannotForgeParts()
    {
        const QByteArray forged = "Hi\n----boundary-LibPST-iamunique-42_-_-\n"
                                  "Content-Type: application/x-sh; name=\"evil.sh\"\n\nrm -rf ~\n";
        ItemPtr item = smallMail("S", forged);
        const QJsonArray parts = check(writeMail(item.get()))["parts"].toArray();
        QCOMPARE(parts.size(), 1);
        QCOMPARE(parts[0].toObject()["text"].toString(), QString::fromLatin1(forged));
    }

    void presentFieldsAreWrittenInOrder()
    {
        ItemPtr item = smallMail("S", "b");
        item->flags = PST_FLAG_READ;
        pst_item_email* email = item->email;
        setText(email->sender_address, "a@b.c");
        setText(email->outlook_sender_name, "Ann");
        setText(email->sentto_address, "Bob");
        setText(email->cc_address, "Cy");
        setText(email->messageid, "<m1@x>");
        setText(email->bcc_address, "Dee");
        email->sent_date = newFileTime(1707127200); // 2024-02-05 10:00:00 UTC, a Monday
        const QByteArray out = writeMail(item.get());
        const int headerEnd = out.indexOf("\n\n");
        const QByteArray headers = out.left(headerEnd + 1);
        QVERIFY2(headers.startsWith("From \"a@b.c\" "), headers.constData());
        QVERIFY2(headers.contains("\nStatus: RO\nFrom: Ann <a@b.c>\nSubject: S\nTo: Bob\nCc: Cy\n"
                                  "Date: Mon, 05 Feb 2024 10:00:00 +0000\nMessage-Id: <m1@x>\n"
                                  "X-libpst-forensic-bcc: Dee\nMIME-Version: 1.0\n"),
                 headers.constData());
    }

    void storedHeadersAreNotRepeatedAndLoseTheirMimeFields()
    {
        ItemPtr item = smallMail("S", "Gr\xc3\xbc\xc3\x9f" "e");
        pst_item_email* email = item->email;
        setText(email->header, "Received: by x\r\nFrom: Ann <ann@x.org>\r\nTo: bob@y.org\r\nSubject: Stored\r\n"
                               "Date: Mon, 5 Feb 2024 10:00:00 +0100\r\nMessage-Id: <id@x>\r\nMIME-Version: 1.0\r\n"
                               "Content-Type: text/plain;\r\n\tcharset=\"iso-8859-1\"\r\n"
                               "Content-Transfer-Encoding: 8bit\r\n\r\n");
        setText(email->sentto_address, "Bob");
        setText(email->messageid, "<other@x>");
        email->sent_date = newFileTime(1707127200);
        const QByteArray out = writeMail(item.get());
        for (const char* once : {"\nFrom:", "\nTo:", "\nSubject:", "\nDate:", "\nMessage-Id:", "\nMIME-Version:"})
            QVERIFY2(out.count(once) == 1, once);
        QVERIFY(!out.contains("Content-Transfer-Encoding: 8bit"));
        QVERIFY(!out.contains("\r"));
        // The body takes the stored charset.
        QVERIFY(out.contains("Content-Type: text/plain; charset=\"iso-8859-1\"\n\nGr\xfc\xdf" "e"));
        const QJsonObject message = check(out);
        QCOMPARE(message["subject"].toString(), QStringLiteral("Stored"));
        QCOMPARE(message["parts"].toArray()[0].toObject()["text"].toString(), QString::fromUtf8("Gr\xc3\xbc\xc3\x9f" "e"));
    }

    void exchangeSenderComesFromTheStoredFromField()
    {
        ItemPtr item = smallMail("S", "b");
        setText(item->email->sender_address, "/O=ORG/OU=SITE/CN=JOE");
        setText(item->email->header, "From: Joe <joe@x.org>\r\nSubject: S\r\n");
        const QByteArray out = writeMail(item.get());
        QVERIFY2(out.startsWith("From \"joe@x.org\" Thu Jan 1 00:00:00 1970\n"), out.constData());
        QVERIFY(out.contains("\nX-libpst-forensic-sender: /O=ORG/OU=SITE/CN=JOE\n"));
    }

    void lineBreakInTheSenderAddressStaysOnItsLines()
    {
        ItemPtr item = smallMail("S", "b");
        setText(item->email->sender_address, "a@b.c\r\nX-Injected: 1");
        const QByteArray out = writeMail(item.get());
        QVERIFY2(out.startsWith("From \"a@b.c  X-Injected: 1\" Thu Jan 1 00:00:00 1970\n"), out.constData());
        QVERIFY2(out.contains("\nFrom: <a@b.c  X-Injected: 1>\n"), out.constData());
        QVERIFY(!out.contains("\nX-Injected"));
        QVERIFY(defectsOf(check(out)).isEmpty());
    }

    void namesAndSubjectsDecodeToTheirText()
    {
        ItemPtr item = smallMail("Gr\xc3\xbc\xc3\x9f" "e \xe2\x9c\x93 \"quoted\"", "b");
        setText(item->email->sender_address, "doe@x.org");
        setText(item->email->outlook_sender_name, "Doe, John \"JD\"");
        QJsonObject message = check(writeMail(item.get()));
        QCOMPARE(message["subject"].toString(), QString::fromUtf8("Gr\xc3\xbc\xc3\x9f" "e \xe2\x9c\x93 \"quoted\""));
        QCOMPARE(message["from"].toString(), QStringLiteral("\"Doe, John \\\"JD\\\"\" <doe@x.org>"));

        ItemPtr other = smallMail("S", "b");
        setText(other->email->sender_address, "j@x.org");
        setText(other->email->outlook_sender_name, "J\xc3\xbcrgen M\xc3\xbcller");
        message = check(writeMail(other.get()));
        QCOMPARE(message["from"].toString(), QString::fromUtf8("J\xc3\xbcrgen M\xc3\xbcller <j@x.org>"));
    }

    void fromLinesInTheBodyAreQuoted()
    {
        ItemPtr item = smallMail("S", "From me\n>From you\nok");
        QVERIFY(writeMail(item.get()).contains("\n\n>From me\n>>From you\nok\n--"));
    }

    void controlBytesMakeTheBodyBase64()
    {
        ItemPtr item = smallMail("S", "page\fbreak\r\n");
        QByteArray out = writeMail(item.get());
        QVERIFY(out.contains("Content-Type: text/plain; charset=\"utf-8\"\nContent-Transfer-Encoding: base64\n\n"));
        QCOMPARE(check(out)["parts"].toArray()[0].toObject()["text"].toString(), QStringLiteral("page\fbreak\n"));

        ItemPtr plain = smallMail("S", "tab\there\nline");
        QVERIFY(!writeMail(plain.get()).contains("base64"));
    }

    void plainAndHtmlBodiesFormAnAlternative()
    {
        ItemPtr item = smallMail("S", "text \xc3\xa4");
        item->email->htmlbody.str = strdup("<html><body>html \xc3\xa4</body></html>");
        item->email->htmlbody.is_utf8 = 0;
        const QByteArray out = writeMail(item.get());
        const QByteArray boundary = "--boundary-LibPST-iamunique-42_-_-";
        const qsizetype at = out.indexOf("\n--" + boundary);
        QVERIFY(at > 0);
        const QByteArray full = out.mid(at + 3, boundary.size() + 16);
        const QByteArray alt = "alt-" + full;
        QVERIFY(out.contains("\n--" + full + "\nContent-Type: multipart/alternative;\n\tboundary=\"" + alt + "\"\n"));
        QVERIFY(out.indexOf("text/plain") < out.indexOf("text/html"));
        QVERIFY(out.contains("\n--" + alt + "--\n"));
        // HTML without a declared charset is labelled as the UTF-8 it is.
        QVERIFY(out.contains("Content-Type: text/html; charset=\"utf-8\"\n"));
        const QJsonArray parts = check(out)["parts"].toArray();
        QCOMPARE(parts.size(), 2);
        QCOMPARE(parts[1].toObject()["text"].toString(), QString::fromUtf8("<html><body>html \xc3\xa4</body></html>"));

        ItemPtr declared = smallMail("S", "t");
        declared->email->htmlbody.str =
            strdup("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\xe4");
        QVERIFY(writeMail(declared.get()).contains("Content-Type: text/html; charset=\"windows-1252\"\n"));
    }

    void attachmentNamesAreEncodedTwice()
    {
        ItemPtr item = smallMail("S", "b");
        const QByteArray data("%PDF\x00\x01\x02 binary", 16);
        pst_item_attach* attach = addAttachment(item.get(), data);
        setText(attach->filename2, "Bericht \xc3\x84.pdf");
        setText(attach->mimetype, "application/pdf");
        setText(attach->content_id, "part1@x");
        pst_item_attach* shortName = addAttachment(item.get(), "short");
        setText(shortName->filename1, "SHORT.TXT");
        addAttachment(item.get(), "nameless");
        const QByteArray out = writeMail(item.get());
        QVERIFY2(out.contains("Content-Type: application/pdf\nContent-Transfer-Encoding: base64\nContent-ID: <part1@x>\n"
                              "Content-Disposition: attachment; \n"
                              "        filename*=utf-8''Bericht%20%c3%84.pdf;\n"
                              "        filename=\"Bericht \xc3\x84.pdf\"\n\n"),
                 out.constData());
        QVERIFY(out.contains("Content-Type: application/octet-stream\nContent-Transfer-Encoding: base64\n"
                             "Content-Disposition: attachment; filename=\"SHORT.TXT\"\n\n"));
        QVERIFY(out.contains("Content-Disposition: inline\n\n"));
        const QJsonArray parts = check(out)["parts"].toArray();
        QCOMPARE(parts.size(), 4);
        QCOMPARE(parts[1].toObject()["filename"].toString(), QString::fromUtf8("Bericht \xc3\x84.pdf"));
        QCOMPARE(QByteArray::fromBase64(parts[1].toObject()["data"].toString().toLatin1()), data);
        QCOMPARE(parts[2].toObject()["filename"].toString(), QStringLiteral("SHORT.TXT"));
        QCOMPARE(QByteArray::fromBase64(parts[3].toObject()["data"].toString().toLatin1()), QByteArray("nameless"));
    }

    void hostileAttachmentFieldsStayInsideTheirHeaders()
    {
        ItemPtr item = smallMail("S", "b");
        pst_item_attach* attach = addAttachment(item.get(), "x");
        setText(attach->mimetype, "text/plain\r\nX-Injected: 1");
        setText(attach->filename1, "a\"b\nc");
        const QByteArray out = writeMail(item.get());
        QVERIFY(!out.contains("\nX-Injected"));
        const QJsonObject message = check(out);
        QVERIFY(defectsOf(message).isEmpty());
        QCOMPARE(message["parts"].toArray()[1].toObject()["filename"].toString(), QStringLiteral("a\"b c"));
    }

    void meetingRequestCarriesTwoCalendars()
    {
        ItemPtr item = smallMail("Planung \xc3\x9c", "b");
        item->type = PST_TYPE_SCHEDULE;
        setText(item->email->sender_address, "org@x.org");
        setText(item->email->outlook_sender_name, "J\xc3\xbcrgen M\xc3\xbcller");
        pst_item_appointment* appointment = addAppointment(item.get());
        appointment->start = newFileTime(1707127200);
        appointment->end = newFileTime(1707130800);
        const QByteArray out = writeMail(item.get());
        QVERIFY(out.contains("Content-Type: text/calendar; method=\"REQUEST\"; charset=\"utf-8\"\n\nBEGIN:VCALENDAR\n"));
        QVERIFY(out.contains("Content-Type: text/calendar; charset=\"utf-8\"; name=\"i42.ics\"\n"
                             "Content-Disposition: attachment; filename=\"i42.ics\"\n\n"));
        // The calendar keeps the organizer's name and the subject as text.
        QCOMPARE(out.count("ORGANIZER;CN=\"J\xc3\xbcrgen M\xc3\xbcller\":MAILTO:org@x.org\n"), 2);
        QCOMPARE(out.count("SUMMARY:Planung \xc3\x9c\n"), 2);
        QVERIFY(checkMeetingRequestParts(check(out), 42));
    }

    void compressedRtfHeaderIsNotTrusted()
    {
        // A header that claims 4 GiB of RTF from 16 bytes: with a bounded
        // address space, an allocation of that size would end the process.
        const QByteArray huge = QByteArray::fromHex("0c000000f0ffffff4c5a467500000000");
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            boundAddressSpace();
            ItemPtr item = mailWithRtf(huge);
            FILE* out = fopen("/dev/null", "wb");
            char* extra = nullptr;
            write_normal_email(out, nullptr, item.get(), 0, 0, nullptr, 1, 0, &extra);
            fclose(out);
            _exit(0);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, "writing the mail ended the process");

        // Too short to hold a header, and the claimed size: an empty RTF body.
        for (const QByteArray& rtf : {huge, QByteArray("LZF", 3)}) {
            ItemPtr item = mailWithRtf(rtf);
            const QJsonArray parts = attachmentParts(check(writeMail(item.get())));
            QCOMPARE(parts.size(), 1);
            QCOMPARE(parts[0].toObject()["filename"].toString(), QStringLiteral("rtf-body.rtf"));
            QCOMPARE(parts[0].toObject()["data"].toString(), QString());
        }
    }

    // ---- real PST mails ---------------------------------------------------

    void attachedMailsNestTwiceAndParse()
    {
        const auto result = checkRealFile(QStringLiteral("aranetic__process-pst__four_nesting_levels.pst"));
        QVERIFY(result.first > 0);
        QVERIFY2(result.second >= 2, "no mail attached inside an attached mail");
    }

    void attachedMailKeepsItsHeaders()
    {
        const auto result = checkRealFile(QStringLiteral("aquasync__ruby-msg__msgInMsg.pst"));
        QVERIFY(result.first > 0);
        QVERIFY(result.second >= 1);
    }

    void compressedRtfBodyComesFirstAmongAttachments()
    {
        PstFile file(TestData::pst(QStringLiteral("aquasync__ruby-msg__msgInMsg.pst")));
        QVERIFY(file.isOpen());
        auto mails = file.items([](const pst_item* i) {
            return i->type == PST_TYPE_NOTE && i->email && i->email->rtf_compressed.size > 100;
        });
        QVERIFY(!mails.empty());
        const QByteArray out = writeMail(mails.front().get(), file.file());
        const QJsonArray parts = attachmentParts(check(out));
        QVERIFY(!parts.isEmpty());
        QCOMPARE(parts[0].toObject()["filename"].toString(), QStringLiteral("rtf-body.rtf"));
        QCOMPARE(parts[0].toObject()["type"].toString(), QStringLiteral("application/rtf"));
        QVERIFY(QByteArray::fromBase64(parts[0].toObject()["data"].toString().toLatin1()).startsWith("{\\rtf"));
    }

    void realMailsRoundTrip_data()
    {
        QTest::addColumn<QString>("file");
        for (const char* name : {"aquasync__ruby-msg__attachAndInline.pst", "apache__tika__testPST_variousBodyTypes.pst",
                                 "markb-trustifi__pst-extractor__alpha-beta-gamma-delta.pst", "emk__pstsdk__submessage.pst",
                                 "emk__pstsdk__sample2.pst", "tghanem__PST__user1_test.lab.pst",
                                 "aspose-email__Aspose.Email-for-.NET__Outlook_passwordprotectedPST.pst"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void realMailsRoundTrip()
    {
        QFETCH(QString, file);
        QVERIFY(checkRealFile(file).first > 0);
    }

    void meetingRequestsOfARealFile()
    {
        int meetingRequests = 0;
        const auto result =
            checkRealFile(QStringLiteral("aspose-email__Aspose.Email-for-.NET__Outlook_SampleOstFile.ost"), &meetingRequests);
        QVERIFY(result.first > 0);
        QVERIFY2(meetingRequests >= 5, qPrintable(QString::number(meetingRequests)));
    }
};

QTEST_GUILESS_MAIN(ReadpstMimeTest)
#include "tst_readpst_mime.moc"
