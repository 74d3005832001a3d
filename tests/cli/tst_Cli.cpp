// SPDX-License-Identifier: GPL-2.0-or-later
// lumaroo-cli tree, list and show as a script uses them: the JSON they print
// for a file made by the test writer and for a real one, and wrong use.

#include "CliRunner.h"
#include "PstWriter.h"
#include "TestData.h"
#include "TestHome.h"

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

PstMessage item(PstMessage::Kind kind, const QString& subject)
{
    PstMessage m;
    m.kind = kind;
    m.subject = subject;
    return m;
}

PstDescription everyKind()
{
    PstMessage mail = item(PstMessage::Kind::Mail, "Budget");
    mail.senderName = "Ada";
    mail.sentTime = kSent;
    mail.htmlBody = "<html><body><p>See <img src=\"cid:chart\"></p></body></html>";
    mail.attachments = {PstAttachment()};
    mail.attachments[0].longName = "chart.gif";
    mail.attachments[0].contentId = "chart";
    mail.attachments[0].data = "GIF89a-bytes";
    PstMessage appointment = item(PstMessage::Kind::Appointment, "Review");
    appointment.start = kStart;
    appointment.end = kStart.addSecs(90 * 60);
    PstMessage task = item(PstMessage::Kind::Task, "Ship it");
    task.taskStart = kStart;
    task.complete = true;
    PstMessage journal = item(PstMessage::Kind::Journal, "Call");
    journal.durationMinutes = 61;
    // libpst gives a record its journal part only for the entry's type or times.
    journal.journalType = "Phone call";
    journal.start = kStart;
    journal.end = kStart.addSecs(61 * 60);
    PstMessage contact = item(PstMessage::Kind::Contact, QString());
    contact.contact = {{"first_name", "Grace"}, {"surname", "Hopper"}, {"address1", "grace@example.org"}};
    PstMessage note = item(PstMessage::Kind::StickyNote, "Milk");
    note.creationTime = kStart;
    // A class no item kind stands for: counted, not shown.
    PstMessage unknown = item(PstMessage::Kind::Mail, "Odd");
    unknown.messageClass = "IPM.Unheard.Of";
    PstDescription description;
    description.folders = {PstFolder{"Inbox", "IPF.Note", {mail}, {}}};
    description.folders[0].folders = {PstFolder{"Other", "IPF.Note", {appointment, task, journal, contact, note, unknown}, {}}};
    return description;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT
    TestHome m_home;
    QTemporaryDir m_scratch;
    QString m_file;
    QJsonObject m_list;

private slots:
    void initTestCase()
    {
        QVERIFY2(TestData::available(), qPrintable("The shared PST files are missing at " + TestData::sharedDir()));
        m_file = m_scratch.filePath("kinds.pst");
        QString error;
        QVERIFY2(PstWriter::write(everyKind(), m_file, &error), qPrintable(error));
        const CliRunner::Result run = CliRunner::run({"list", m_file});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.err.contains("1 item(s) of unknown message classes are not shown\n"), run.err.constData());
        m_list = json(run);
    }

    void listShowsEveryFolderWithItsItems()
    {
        QStringList rows;
        for (const QJsonValue& folder : m_list.value("folders").toArray()) {
            rows << folder.toObject().value("path").toString();
            for (const QJsonValue& value : folder.toObject().value("items").toArray()) {
                const QJsonObject o = value.toObject();
                rows << QStringList{o.value("path").toString(), o.value("type").toString(), o.value("displayName").toString(),
                                    o.value("subject").toString(), o.value("date").toString(), o.value("duration").toString(),
                                    o.value("hasAttachment").toBool() ? "attached" : ""}.join(" | ");
            }
        }
        const QString top = rows.value(0);
        const QString other = top + "/Inbox/Other";
        QCOMPARE(rows, (QStringList{
            top, top + "/Inbox",
            top + "/Inbox/#0 | mail | Ada | Budget | " + QLocale::system().toString(kSent.toLocalTime(), "yyyy/MM/dd") + " |  | attached",
            other,
            other + "/#0 | appointment | Review | Review | " + longDate(kStart) + " | 1 h 30 m | ",
            other + "/#1 | task | Ship it | Ship it | " + longDate(kStart) + " |  | ",
            other + "/#2 | journal | Call | Call | " + longDate(kStart) + " | 1 h 1 m | ",
            other + "/#3 | contact | Grace Hopper | grace@example.org |  |  | ",
            other + "/#4 | note | Milk | Milk | " + longDate(kStart) + " |  | ",
        }));
        const QJsonArray unshown = m_list.value("unshown").toArray();
        QCOMPARE(unshown.size(), 1);
        QCOMPARE(unshown.at(0).toObject().value("messageClass").toString(), QStringLiteral("IPM.Unheard.Of"));
        QCOMPARE(unshown.at(0).toObject().value("folder").toString(), other);
        QCOMPARE(m_list.value("damaged").toArray().size(), 0);
    }

    void showGivesOneMailWithBodyAndAttachments()
    {
        const QString top = m_list.value("folders").toArray().at(0).toObject().value("path").toString();
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
        QCOMPARE(mail.value("body").toString(), QStringLiteral("<html><body><p>See <img src=\"data:image/gif;base64,%1\"></p></body></html>")
                                                    .arg(QString::fromLatin1(QByteArray("GIF89a-bytes").toBase64())));
        QVERIFY(mail.value("sections").toArray().isEmpty());
    }

    void showFindsAnItemByIdAndGivesItsSections()
    {
        const QJsonObject journal = m_list.value("folders").toArray().at(2).toObject().value("items").toArray().at(2).toObject();
        QVERIFY(!journal.value("id").toString().isEmpty());
        const CliRunner::Result run = CliRunner::run({"show", m_file, journal.value("id").toString()});
        QCOMPARE(run.status, 0);
        const QJsonObject shown = json(run);
        QCOMPARE(shown.value("path").toString(), journal.value("path").toString());
        QCOMPARE(shown.value("type").toString(), QStringLiteral("journal"));
        const QJsonArray sections = shown.value("sections").toArray();
        QCOMPARE(sections.size(), 2);
        QCOMPARE(sections.at(0).toObject().value("title").toString(), QStringLiteral("Journal Entry"));
        const QJsonObject duration = sections.at(0).toObject().value("fields").toArray().at(4).toObject();
        QCOMPARE(duration.value("label").toString() + ": " + duration.value("value").toString(), QStringLiteral("Duration: 1 h 1 m"));
        QVERIFY(!shown.contains("body"));
    }

    void treeGivesTheFolders()
    {
        const QString name = "aspose-email__Aspose.Email-for-.NET__Outlook_Outlook.pst";
        const CliRunner::Result run = CliRunner::run({"tree", TestData::pst(name)});
        QCOMPARE(run.status, 0);
        const QJsonObject root = json(run);
        QCOMPARE(root.value("displayName").toString() + " " + QString::number(root.value("nodeLevel").toInt()), name + " 0");
        const QJsonObject top = root.value("children").toArray().first().toObject();
        QCOMPARE(top.value("displayName").toString() + " " + QString::number(top.value("nodeLevel").toInt()),
                 QStringLiteral("Top of Personal Folders 1"));
        QStringList names;
        for (const QJsonValue& child : top.value("children").toArray()) {
            const QJsonObject o = child.toObject();
            names << QStringLiteral("%1 %2 %3").arg(o.value("displayName").toString(), o.value("folderType").toString())
                         .arg(o.value("nodeLevel").toInt());
        }
        for (const QString& folder : {"Inbox  2", "Calendar IPF.Appointment 2", "Contacts IPF.Contact 2"})
            QVERIFY2(names.contains(folder), qPrintable(names.join(", ")));
    }

    void wrongUseFailsWithOneLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::newRow("list without file") << QStringList{"list"} << 2;
        QTest::newRow("show without item") << QStringList{"show", "FILE"} << 2;
        QTest::newRow("tree without file") << QStringList{"tree"} << 2;
        QTest::newRow("missing file") << QStringList{"list", "/nonexistent/x.pst"} << 1;
        QTest::newRow("tree of a missing file") << QStringList{"tree", "/nonexistent/x.pst"} << 1;
        QTest::newRow("unknown id") << QStringList{"show", "FILE", "999999999"} << 1;
        QTest::newRow("unknown path") << QStringList{"show", "FILE", "Nowhere/#3"} << 1;
        QTest::newRow("path past the last item") << QStringList{"show", "FILE", "INBOX/#1"} << 1;
    }

    void wrongUseFailsWithOneLine()
    {
        QFETCH(QStringList, args);
        args.replaceInStrings(QRegularExpression("^FILE$"), m_file);
        args.replaceInStrings(QRegularExpression("^INBOX"), m_list.value("folders").toArray().at(1).toObject().value("path").toString());
        const CliRunner::Result run = CliRunner::run(args);
        QTEST(run.status, "status");
        QVERIFY(run.out.isEmpty());
        QCOMPARE(run.err.count('\n'), 1);
    }

    void unknownCommandIsNamedWithTheUsage()
    {
        const CliRunner::Result run = CliRunner::run({"frobnicate"});
        QCOMPARE(run.status, 2);
        QVERIFY(run.out.isEmpty() && run.err.startsWith("lumaroo-cli: unknown command \"frobnicate\"\nUsage: "));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_Cli.moc"
