// SPDX-License-Identifier: GPL-2.0-or-later
// Every real PST file of the shared test data through lumaroo-cli: tree and
// list give JSON, convert gives one file per item of an exported kind that
// the independent parsers accept, and every appointment attachment libpff
// finds is in the calendars.

#include "CliRunner.h"
#include "ExportFixture.h"
#include "PffAttachments.h"
#include "TestData.h"
#include "TestHome.h"

#include <QtTest>

using namespace ExportFixture;

namespace {

// What a conversion said once done: the lines that are no progress.
QStringList summaryLines(const QByteArray& out)
{
    static const QRegularExpression progress(QStringLiteral("^\\w+: \\d+/\\d+$"));
    QStringList lines = QString::fromUtf8(out).split('\n');
    lines.removeIf([](const QString& line) { return progress.match(line).hasMatch(); });
    return lines;
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
}

} // namespace

class TestConvertTestData : public QObject
{
    Q_OBJECT
    TestHome m_home;
    QTemporaryDir m_dir;
    int m_appointmentAttachments = 0;

private slots:
    void everyFileConvertsCompletely_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("internal"); // folder | class of each internal message
        QVERIFY2(TestData::available(), qPrintable("The shared PST files are missing at " + TestData::sharedDir()));
        const QStringList freeBusy{"aranetic__process-pst__unsent_email.pst", "aspose-email__Aspose.Email-for-.NET__Outlook_Outlook.pst",
                                   "hughbe__PstReader__hughbe_hughbe_Outlook.pst", "rjohnsondev__java-libpst__dist-list.pst",
                                   "rjohnsondev__java-libpst__passworded.pst", "simiden__pst2john__openwall.pst"};
        for (const QString& path : TestData::allPstFiles()) {
            const QString name = QFileInfo(path).fileName();
            QTest::newRow(qPrintable(name))
                << path << (freeBusy.contains(name) ? QStringList{"Freebusy Data | IPM.Microsoft.ScheduleData.FreeBusy"} : QStringList());
        }
    }

    void everyFileConvertsCompletely()
    {
        QFETCH(QString, path);
        const CliRunner::Result tree = CliRunner::run({"tree", path});
        const CliRunner::Result list = CliRunner::run({"list", path});
        // Files that libpst cannot open: the bulk-message sample's header
        // checksum is wrong, and SMTP_Outlook.pst holds mbox text.
        if (path.contains("AddingBulkMessagesWithImprovedPerformance") || path.contains("SMTP_Outlook.pst")) {
            QVERIFY2(tree.status == 1 && list.status == 1 && tree.out.isEmpty() && !tree.err.trimmed().isEmpty(), tree.err.constData());
            return;
        }
        QCOMPARE(tree.status, 0);
        QCOMPARE(list.status, 0);
        QVERIFY(!QJsonDocument::fromJson(tree.out).object().value("children").toArray().isEmpty());
        QMap<QString, int> kinds; // list's item type -> count
        const QJsonArray folders = QJsonDocument::fromJson(list.out).object().value("folders").toArray();
        QVERIFY2(!folders.isEmpty(), list.out.left(2000).constData());
        for (const QJsonValue& folder : folders) {
            for (const QJsonValue& item : folder.toObject().value("items").toArray())
                ++kinds[item.toObject().value("type").toString()];
        }
        // Outlook's own bookkeeping in its internal folders (the free/busy
        // record of Outlook-written files) is counted apart and is no loss:
        // convert fails for real losses only.
        const QJsonObject listed = QJsonDocument::fromJson(list.out).object();
        int lost = 0;
        for (const char* kind : {"damaged", "unshown"})
            lost += int(listed.value(kind).toArray().size());
        for (const QJsonValue& each : listed.value("missing").toArray())
            lost += each.toObject().value("count").toInt();
        QStringList internal;
        for (const QJsonValue& each : listed.value("internal").toArray())
            internal.append(each.toObject().value("folder").toString() + " | " + each.toObject().value("messageClass").toString());
        QTEST(internal, "internal");
        const QString out = m_dir.filePath(QFileInfo(path).completeBaseName());
        const CliRunner::Result convert = CliRunner::run({"convert", path, out, "--jobs", "3"});
        QVERIFY2(convert.status == (lost > 0 ? 1 : 0), convert.out + convert.err);
        QVERIFY2(!QString::fromUtf8(convert.out).contains(QRegularExpression("[1-9]\\d* failed\n")), convert.out.constData());
        // Split among processes or not, the same files, summary and status.
        const QString alone = out + "-in-one-process";
        const CliRunner::Result single = CliRunner::run({"convert", path, alone, "--jobs", "1"});
        QCOMPARE(single.status, convert.status);
        QCOMPARE(summaryLines(single.out), summaryLines(convert.out));
        QCOMPARE(directoriesUnder(alone), directoriesUnder(out));
        QCOMPARE(filesUnder(alone), filesUnder(out));
        for (const QString& file : filesUnder(out))
            QVERIFY2(bytesOf(out + "/" + file) == bytesOf(alone + "/" + file), qPrintable(file));
        QMap<QString, int> files; // extension -> count
        for (const QString& file : filesUnder(out))
            ++files[QFileInfo(file).suffix()];
        const int timed = kinds.value("appointment") + kinds.value("journal") + kinds.value("task");
        QCOMPARE(files.value("eml"), kinds.value("mail"));
        QCOMPARE(files.value("vcf"), kinds.value("contact"));
        QCOMPARE(files.value("ics"), timed);
        QCOMPARE(files.value("txt"), kinds.value("note"));
        QCOMPARE(filesUnder(out).size(), kinds.value("mail") + kinds.value("contact") + timed + kinds.value("note"));

        const QJsonObject check = ExportFixture::check({"tree", "--brief", out});
        QVERIFY2(!check.contains("error"), qPrintable(check.value("error").toString()));
        QVERIFY2(check.value("errors").toObject().isEmpty(), QJsonDocument(check.value("errors").toObject()).toJson().constData());
        const QJsonObject checked = check.value("files").toObject();
        QCOMPARE(checked.size(), filesUnder(out).size());
        for (auto it = checked.begin(); it != checked.end(); ++it) {
            QVERIFY2(!it.key().endsWith(".eml") || !it->toObject().value("header_names").toArray().isEmpty(), qPrintable(it.key()));
            // Python's parser flags a message/* part in base64 (delivery reports' status) as defective.
            QVERIFY2(it->toObject().value("base64_message_parts").toInt() == 0, qPrintable(it.key()));
        }

        // Appointment attachments: a file as an ATTACH of the same bytes, an
        // attached occurrence as a VEVENT with RECURRENCE-ID at its start, an
        // attached item as a message/rfc822 ATTACH with its subject.
        bool opened = false; // a file libpff cannot open has nothing to compare
        const QList<PffOracle::AppointmentAttachment> wanted = PffOracle::appointmentAttachments(path, &opened);
        const QStringList lines = wanted.isEmpty() ? QStringList()
                                                   : ExportFixture::check({"calendar", out}).value("lines").toVariant().toStringList();
        for (const PffOracle::AppointmentAttachment& each : wanted) {
            const QString found = each.kind == PffOracle::AppointmentAttachment::File ? " " + sha1(each.data) + "$"
                : each.kind == PffOracle::AppointmentAttachment::Item ? ": message/rfc822 " + QRegularExpression::escape(each.text) + "$"
                                                                     : " @ .* \\| start: " + each.text + "$";
            QVERIFY2(!lines.filter(QRegularExpression(found)).isEmpty(), qPrintable(found + " in none of\n" + lines.join('\n')));
        }
        m_appointmentAttachments += int(wanted.size());
    }

    void sharedFilesHoldAppointmentAttachments()
    {
        // A reader that finds no attachment at all has stopped looking.
        QVERIFY(m_appointmentAttachments > 0);
    }
};

QTEST_GUILESS_MAIN(TestConvertTestData)
#include "tst_ConvertTestData.moc"
