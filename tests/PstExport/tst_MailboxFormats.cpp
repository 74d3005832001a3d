// SPDX-License-Identifier: GPL-2.0-or-later
// Conversion that mail and calendar programs take whole: mbox and Maildir
// read back with Python's mailbox, appointment attachments and series
// exceptions read back with icalendar, and every appointment attachment
// libpff finds in the shared files present in our calendars.

#include "CliRunner.h"
#include "ExportFixture.h"
#include "MailboxStream.h"
#include "TestData.h"
#include "TestHome.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace ExportFixture;

namespace {

const QDateTime kSeriesStart(QDate(2024, 3, 4), QTime(9, 0), Qt::UTC);

QByteArray binaryData(int size)
{
    QByteArray data;
    for (int i = 0; i < size; ++i)
        data.append(char((i * 7 + i / 251) & 0xFF));
    return data;
}

QJsonValue runChecker(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral("/usr/bin/python3"), QStringList{LUMAROO_MAILBOX_CHECKER} + args);
    if (!process.waitForFinished(300000) || process.exitCode() != 0)
        return QJsonValue(QString::fromUtf8("checker failed: " + process.readAllStandardError()));
    const QJsonDocument doc = QJsonDocument::fromJson(process.readAllStandardOutput());
    return doc.isArray() ? QJsonValue(doc.array()) : QJsonValue(doc.object());
}

QString writeJson(const QString& path, const QJsonObject& object)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QJsonDocument(object).toJson());
    return path;
}

QString problems(const QJsonValue& value)
{
    return value.isString() ? value.toString() : QString::fromUtf8(QJsonDocument(value.toArray()).toJson());
}

// Bytes through a MailboxStream in mbox mode, written in pieces of `chunk`.
QByteArray throughMboxStream(const QByteArray& message, int chunk, QByteArray* firstLine)
{
    char* buffer = nullptr;
    size_t size = 0;
    FILE* target = open_memstream(&buffer, &size);
    {
        MailboxStream stream(target, true, [firstLine](const QByteArray& line) { *firstLine = line; });
        setvbuf(stream.stream(), nullptr, _IONBF, 0);
        for (qsizetype at = 0; at < message.size(); at += chunk)
            fwrite(message.constData() + at, 1, size_t(qMin<qsizetype>(chunk, message.size() - at)), stream.stream());
        stream.finish();
    }
    fclose(target);
    const QByteArray out(buffer, qsizetype(size));
    free(buffer);
    return out;
}

} // namespace

class TestMailboxFormats : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void mboxQuotingSurvivesAnySplit_data()
    {
        QTest::addColumn<int>("chunk");
        for (int chunk : {1, 2, 3, 4, 5, 7, 4096})
            QTest::newRow(qPrintable(QString::number(chunk))) << chunk;
    }

    void mboxQuotingSurvivesAnySplit()
    {
        QFETCH(int, chunk);
        const QByteArray message = "From \"a@b\" Thu Jan 1 00:00:00 1970\nSubject: x\n\nFrom here\n>From there\n"
                                   "Fro\nFrom\nFromage\n From x\nFrom ";
        QByteArray firstLine;
        QCOMPARE(throughMboxStream(message, chunk, &firstLine),
                 QByteArray("Subject: x\n\n>From here\n>From there\nFro\nFrom\nFromage\n From x\n>From "));
        QCOMPARE(firstLine, QByteArray("From \"a@b\" Thu Jan 1 00:00:00 1970"));
    }

    void mailboxesReadBackWithPythonsMailbox()
    {
        PstMessage quoted = mail("Quoted lines", "Hello\nFrom here on\n>From there\nbye\n");
        quoted.read = false;
        PstMessage flagged = mail("Flagged reply", "See attached.");
        flagged.flagStatus = 2;
        flagged.lastVerb = 102;
        flagged.deliveryTime = QDateTime(QDate(2023, 5, 6), QTime(7, 8, 9), Qt::UTC);
        PstAttachment attachment;
        attachment.longName = "agenda.bin";
        attachment.mimeType = "application/octet-stream";
        attachment.data = binaryData(70000);
        flagged.attachments = {attachment};
        PstMessage nested = mail("Nested", "Deep down.");
        const QString pst = m_dir.filePath("mail.pst");
        QVERIFY(writeAndOpen(description({folder("Inbox", "IPF.Note", {quoted, flagged},
                                                 {folder("Sub.Folder", "IPF.Note", {nested})})}),
                             pst));
        const QString out = m_dir.filePath("mail");
        const CliRunner::Result run = CliRunner::run({"convert", pst, out, "--formats", "eml,mbox,maildir"});
        const QString said = QString::fromUtf8(run.out + run.err);
        QVERIFY2(run.status == 0, qPrintable(said));
        QVERIFY2(said.contains("Mailbox (mbox): 3 written, 0 failed"), qPrintable(said));
        QVERIFY2(said.contains("Maildir (maildir): 3 written, 0 failed"), qPrintable(said));
        QVERIFY(QFileInfo::exists(out + "/Top of Personal Folders/Inbox/Inbox.mbox"));
        QVERIFY(QFileInfo::exists(out + "/Top of Personal Folders/Inbox/Sub.Folder/Sub.Folder.mbox"));

        const QString inbox = "Top of Personal Folders.Inbox";
        QJsonObject expect{
            {"maildir",
             QJsonObject{{inbox, QJsonArray{QJsonObject{{"subject", "Quoted lines"}, {"flags", ""}},
                                            QJsonObject{{"subject", "Flagged reply"}, {"flags", "FRS"},
                                                        {"time", flagged.deliveryTime.toSecsSinceEpoch()}}}},
                         {inbox + ".Sub_Folder", QJsonArray{QJsonObject{{"subject", "Nested"}, {"flags", "S"}}}}}},
            {"messages",
             QJsonObject{{"Quoted lines", QJsonObject{{"body", "Hello\nFrom here on\n>From there\nbye\n"}}},
                         {"Flagged reply",
                          QJsonObject{{"attachments", QJsonObject{{"agenda.bin", QString::fromLatin1(
                                                                                     attachment.data.toBase64())}}}}}}}};
        const QJsonValue result = runChecker({"mailboxes", out, writeJson(m_dir.filePath("mail.json"), expect)});
        QVERIFY2(result.isArray() && result.toArray().isEmpty(), qPrintable(problems(result)));
    }

    void appointmentCarriesAttachmentsAndExceptions()
    {
        PstMessage series = message(PstMessage::Kind::Appointment, "Weekly sync");
        series.start = kSeriesStart;
        series.end = kSeriesStart.addSecs(3600);
        series.location = "Room 1";
        series.recurrence.kind = PstRecurrence::Weekly;
        series.recurrence.weekDays = 1 << 1;
        series.recurrence.count = 10;
        series.recurrence.deletedDates = {QDate(2024, 3, 11)};
        const QDateTime moved(QDate(2024, 3, 19), QTime(14, 0), Qt::UTC);
        series.recurrence.changes = {{QDate(2024, 3, 18), moved, moved.addSecs(5400), "Moved sync \u20ac\u03a9", "Room 2"}};
        PstAttachment pdf;
        pdf.longName = "agenda; v2.pdf";
        pdf.mimeType = "application/pdf";
        pdf.data = "%PDF-1.4\n" + binaryData(5000);
        PstAttachment minutes;
        minutes.longName = "Minutes";
        minutes.embedded = std::make_shared<PstMessage>(mail("Minutes of last week", "All agreed."));
        series.attachments = {pdf, minutes};
        const QString pst = m_dir.filePath("calendar.pst");
        QVERIFY(writeAndOpen(description({folder("Calendar", "IPF.Appointment", {series})}), pst));
        const QString out = m_dir.filePath("calendar");
        const CliRunner::Result run = CliRunner::run({"convert", pst, out, "--formats", "ics"});
        QVERIFY2(run.status == 0, run.out + run.err);

        const QJsonObject expect{
            {"attachments",
             QJsonObject{{"agenda; v2.pdf", QJsonObject{{"type", "application/pdf"},
                                                        {"data", QString::fromLatin1(pdf.data.toBase64())}}},
                         {"Minutes of last week.eml",
                          QJsonObject{{"type", "message/rfc822"}, {"subject", "Minutes of last week"}}}}},
            {"exdates", QJsonArray{"20240311T090000Z"}},
            {"changes", QJsonArray{QJsonObject{{"recurrence_id", "20240318T090000Z"},
                                               {"start", "20240319T140000Z"},
                                               {"end", "20240319T153000Z"},
                                               {"summary", "Moved sync \u20ac\u03a9"},
                                               {"location", "Room 2"}}}}};
        const QJsonValue result = runChecker({"calendar", out + "/Top of Personal Folders/Calendar/Weekly sync.ics",
                                              writeJson(m_dir.filePath("calendar.json"), expect)});
        QVERIFY2(result.isArray() && result.toArray().isEmpty(), qPrintable(problems(result)));
    }

    void sharedFilesKeepEveryAppointmentAttachment_data()
    {
        QTest::addColumn<QString>("path");
        QVERIFY2(TestData::available(), qPrintable("The shared PST files are missing at " + TestData::sharedDir()));
        for (const QString& path : TestData::allPstFiles())
            QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
    }

    void sharedFilesKeepEveryAppointmentAttachment()
    {
        QFETCH(QString, path);
        const QString out = m_dir.filePath("shared/" + QFileInfo(path).completeBaseName());
        CliRunner::run({"convert", path, out, "--formats", "ics"});
        if (filesUnder(out).isEmpty())
            return; // no appointment, or a file libpst cannot open
        const QJsonValue result = runChecker({"shared", path, out});
        const QJsonObject report = result.toObject();
        QVERIFY2(report.value("problems").toArray().isEmpty(),
                 result.isString() ? qPrintable(result.toString()) : QJsonDocument(report).toJson().constData());
        m_sharedAttachments += report.value("attachments").toInt();
    }

    void sharedFilesHoldAppointmentAttachments()
    {
        // A checker that finds no attachment at all has stopped looking.
        QVERIFY(m_sharedAttachments > 0);
    }

private:
    TestHome m_home;
    QTemporaryDir m_dir;
    int m_sharedAttachments = 0;
};

QTEST_GUILESS_MAIN(TestMailboxFormats)
#include "tst_MailboxFormats.moc"
