// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstWriter.h"
#include "CliRunner.h"
#include "TestData.h"
#include "TestHome.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QJsonObject json(const CliRunner::Result& run)
{
    return QJsonDocument::fromJson(run.out).object();
}

QString longDate(const QDateTime& time)
{
    return QLocale::system().toString(time.toLocalTime(), QStringLiteral("MMM dd, yyyy 'at' hh:mm AP"));
}

const QDateTime kSent(QDate(2024, 7, 8), QTime(9, 10), Qt::UTC);
const QDateTime kStart(QDate(2024, 7, 9), QTime(14, 0), Qt::UTC);

PstDescription everyKind()
{
    PstMessage mail;
    mail.subject = QStringLiteral("Budget");
    mail.senderName = QStringLiteral("Ada");
    mail.sentTime = kSent;
    mail.htmlBody = "<html><body><p>See <img src=\"cid:chart\"></p></body></html>";
    PstAttachment chart;
    chart.longName = QStringLiteral("chart.gif");
    chart.contentId = QStringLiteral("chart");
    chart.data = QByteArray("GIF89a-bytes");
    mail.attachments = {chart};

    PstMessage appointment;
    appointment.kind = PstMessage::Kind::Appointment;
    appointment.subject = QStringLiteral("Review");
    appointment.start = kStart;
    appointment.end = kStart.addSecs(90 * 60);

    PstMessage task;
    task.kind = PstMessage::Kind::Task;
    task.subject = QStringLiteral("Ship it");
    task.taskStart = kStart;
    task.complete = true;

    PstMessage journal;
    journal.kind = PstMessage::Kind::Journal;
    journal.subject = QStringLiteral("Call");
    journal.durationMinutes = 61;
    // libpst gives a record its journal part only for the entry's type or times.
    journal.journalType = QStringLiteral("Phone call");
    journal.start = kStart;
    journal.end = kStart.addSecs(61 * 60);

    PstMessage contact;
    contact.kind = PstMessage::Kind::Contact;
    contact.contact = {{"first_name", "Grace"}, {"surname", "Hopper"}, {"address1", "grace@example.org"}};

    PstMessage note;
    note.kind = PstMessage::Kind::StickyNote;
    note.subject = QStringLiteral("Milk");
    note.creationTime = kStart;

    // A class no item kind stands for: counted, not shown.
    PstMessage unknown;
    unknown.subject = QStringLiteral("Odd");
    unknown.messageClass = QStringLiteral("IPM.Unheard.Of");

    PstDescription description;
    PstFolder inbox{QStringLiteral("Inbox"), QStringLiteral("IPF.Note"), {mail}, {}};
    PstFolder other{QStringLiteral("Other"), QStringLiteral("IPF.Note"), {appointment, task, journal, contact, note, unknown}, {}};
    inbox.folders = {other};
    description.folders = {inbox};
    return description;
}

} // namespace

class TestCliListShow : public QObject
{
    Q_OBJECT
    TestHome m_home;

private slots:
    void initTestCase();
    void listShowsEveryFolderWithItsItems();
    void showGivesOneMailWithBodyAndAttachments();
    void showFindsAnItemByIdAndGivesItsSections();
    void wrongUseFails_data();
    void wrongUseFails();
    void everySharedFileListsAsJson();

private:
    QTemporaryDir m_scratch;
    QString m_file;
};

void TestCliListShow::initTestCase()
{
    QVERIFY2(TestData::available(), qPrintable("The shared PST files are missing at " + TestData::sharedDir()));
    m_file = m_scratch.filePath("kinds.pst");
    QString error;
    QVERIFY2(PstWriter::write(everyKind(), m_file, &error), qPrintable(error));
}

void TestCliListShow::listShowsEveryFolderWithItsItems()
{
    const CliRunner::Result run = CliRunner::run({"list", m_file});
    QCOMPARE(run.status, 0);
    const QJsonArray folders = json(run).value("folders").toArray();
    QStringList paths;
    for (const QJsonValue& folder : folders)
        paths << folder.toObject().value("path").toString();
    QCOMPARE(paths.size(), 3);
    QCOMPARE(paths.at(1), paths.at(0) + "/Inbox");
    QCOMPARE(paths.at(2), paths.at(0) + "/Inbox/Other");

    const QJsonArray inbox = folders.at(1).toObject().value("items").toArray();
    QCOMPARE(inbox.size(), 1);
    const QJsonObject mail = inbox.at(0).toObject();
    QCOMPARE(mail.value("type").toString(), QStringLiteral("mail"));
    QCOMPARE(mail.value("displayName").toString(), QStringLiteral("Ada"));
    QCOMPARE(mail.value("subject").toString(), QStringLiteral("Budget"));
    QCOMPARE(mail.value("date").toString(),
             QLocale::system().toString(kSent.toLocalTime(), QStringLiteral("yyyy/MM/dd")));
    QCOMPARE(mail.value("hasAttachment").toBool(), true);
    QCOMPARE(mail.value("path").toString(), paths.at(1) + "/#0");

    QStringList rows;
    for (const QJsonValue& value : folders.at(2).toObject().value("items").toArray()) {
        const QJsonObject item = value.toObject();
        rows << QStringList{item.value("type").toString(), item.value("displayName").toString(),
                            item.value("subject").toString(), item.value("date").toString(),
                            item.value("duration").toString()}
                    .join(" | ");
    }
    QCOMPARE(rows, (QStringList{
        "appointment | Review | Review | " + longDate(kStart) + " | 1h 30m",
        "task | Ship it | Ship it | " + longDate(kStart) + " | ",
        "journal | Call | Call | " + longDate(kStart) + " | 1 h 1 m",
        "contact | Grace Hopper | grace@example.org |  | ",
        "note | Milk | Milk | " + longDate(kStart) + " | ",
    }));
    const QJsonArray unshown = json(run).value("unshown").toArray();
    QCOMPARE(unshown.size(), 1);
    QCOMPARE(unshown.at(0).toObject().value("messageClass").toString(), QStringLiteral("IPM.Unheard.Of"));
    QCOMPARE(unshown.at(0).toObject().value("folder").toString(), paths.at(2));
    QCOMPARE(json(run).value("damaged").toArray().size(), 0);
    QVERIFY2(run.err.contains("1 item(s) of unknown message classes are not shown\n"), run.err.constData());
}

void TestCliListShow::showGivesOneMailWithBodyAndAttachments()
{
    const QString top = json(CliRunner::run({"list", m_file})).value("folders").toArray().at(0).toObject().value("path").toString();
    const CliRunner::Result run = CliRunner::run({"show", m_file, top + "/Inbox/#0"});
    QCOMPARE(run.status, 0);
    const QJsonObject mail = json(run);
    QCOMPARE(mail.value("subject").toString(), QStringLiteral("Budget"));
    QCOMPARE(mail.value("properties").toObject().value("sender").toString(), QStringLiteral("Ada"));
    QCOMPARE(mail.value("properties").toObject().value("sentDate").toInteger(), kSent.toSecsSinceEpoch());
    const QJsonArray attachments = mail.value("attachments").toArray();
    QCOMPARE(attachments.size(), 1);
    QCOMPARE(attachments.at(0).toObject().value("name").toString(), QStringLiteral("chart.gif"));
    QCOMPARE(attachments.at(0).toObject().value("contentId").toString(), QStringLiteral("chart"));
    QCOMPARE(mail.value("body").toString(),
             QStringLiteral("<html><body><p>See <img src=\"data:image/gif;base64,%1\"></p></body></html>")
                 .arg(QString::fromLatin1(QByteArray("GIF89a-bytes").toBase64())));
    QVERIFY(mail.value("sections").toArray().isEmpty());
}

void TestCliListShow::showFindsAnItemByIdAndGivesItsSections()
{
    const QJsonArray folders = json(CliRunner::run({"list", m_file})).value("folders").toArray();
    const QJsonObject journal = folders.at(2).toObject().value("items").toArray().at(2).toObject();
    const QString id = journal.value("id").toString();
    QVERIFY(!id.isEmpty());
    const CliRunner::Result run = CliRunner::run({"show", m_file, id});
    QCOMPARE(run.status, 0);
    const QJsonObject shown = json(run);
    QCOMPARE(shown.value("path").toString(), journal.value("path").toString());
    QCOMPARE(shown.value("type").toString(), QStringLiteral("journal"));
    const QJsonArray sections = shown.value("sections").toArray();
    QCOMPARE(sections.size(), 2);
    QCOMPARE(sections.at(0).toObject().value("title").toString(), QStringLiteral("Journal Entry"));
    const QJsonObject duration = sections.at(0).toObject().value("fields").toArray().at(4).toObject();
    QCOMPARE(duration.value("label").toString(), QStringLiteral("Duration"));
    QCOMPARE(duration.value("value").toString(), QStringLiteral("1 h 1 m"));
    QVERIFY(!shown.contains("body"));
}

void TestCliListShow::wrongUseFails_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::newRow("list without file") << QStringList{"list"} << 2;
    QTest::newRow("show without item") << QStringList{"show", "FILE"} << 2;
    QTest::newRow("missing file") << QStringList{"list", "/nonexistent/x.pst"} << 1;
    QTest::newRow("unknown id") << QStringList{"show", "FILE", "999999999"} << 1;
    QTest::newRow("unknown path") << QStringList{"show", "FILE", "Nowhere/#3"} << 1;
}

void TestCliListShow::wrongUseFails()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    args.replaceInStrings(QRegularExpression("^FILE$"), m_file);
    const CliRunner::Result run = CliRunner::run(args);
    QCOMPARE(run.status, status);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(run.err.count('\n'), 1);
}

void TestCliListShow::everySharedFileListsAsJson()
{
    for (const QString& path : TestData::allPstFiles()) {
        const CliRunner::Result run = CliRunner::run({"list", path});
        if (run.status != 0) {
            QCOMPARE(run.status, 1);
            continue;
        }
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(run.out, &error);
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(path + ": " + error.errorString()));
        QVERIFY2(!document.object().value("folders").toArray().isEmpty(), qPrintable(path));
    }
}

QTEST_GUILESS_MAIN(TestCliListShow)
#include "tst_CliListShow.moc"
