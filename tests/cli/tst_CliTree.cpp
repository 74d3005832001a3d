// SPDX-License-Identifier: GPL-2.0-or-later
#include "CliRunner.h"
#include "TestData.h"
#include "TestHome.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

int countFolders(const QJsonObject& folder)
{
    int count = 1;
    for (const QJsonValue& child : folder.value("children").toArray())
        count += countFolders(child.toObject());
    return count;
}

} // namespace

class TestCliTree : public QObject
{
    Q_OBJECT
    TestHome m_home;

private slots:
    void initTestCase();
    void printsTheFolderTree();
    void badInputGivesOneLineAndFailure_data();
    void badInputGivesOneLineAndFailure();
    void everyOpenableFileGivesJson();
};

void TestCliTree::initTestCase()
{
    QVERIFY2(TestData::available(), qPrintable("The shared PST files are missing at " + TestData::sharedDir()));
}

void TestCliTree::printsTheFolderTree()
{
    const CliRunner::Result run = CliRunner::run({"tree", TestData::pst("aspose-email__Aspose.Email-for-.NET__Outlook_Outlook.pst")});
    QCOMPARE(run.status, 0);
    const QJsonObject root = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(root.value("displayName").toString(), QStringLiteral("aspose-email__Aspose.Email-for-.NET__Outlook_Outlook.pst"));
    QCOMPARE(root.value("nodeLevel").toInt(), 0);
    const QJsonObject top = root.value("children").toArray().first().toObject();
    QCOMPARE(top.value("displayName").toString(), QStringLiteral("Top of Personal Folders"));
    QCOMPARE(top.value("nodeLevel").toInt(), 1);
    QStringList names;
    for (const QJsonValue& child : top.value("children").toArray())
        names << child.toObject().value("displayName").toString();
    QVERIFY2(names.contains("Inbox") && names.contains("Calendar") && names.contains("Contacts"), qPrintable(names.join(", ")));
    const QJsonObject calendar = top.value("children").toArray().at(names.indexOf("Calendar")).toObject();
    QCOMPARE(calendar.value("folderType").toString(), QStringLiteral("IPF.Appointment"));
    QCOMPARE(calendar.value("nodeLevel").toInt(), 2);
}

void TestCliTree::badInputGivesOneLineAndFailure_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("missing file") << QStringList{"tree", "/nonexistent/file.pst"};
    QTest::newRow("mbox text named .pst") << QStringList{"tree", TestData::pst("aspose-email__Aspose.Email-for-C__SMTP_Outlook.pst")};
    QTest::newRow("bad header checksum")
        << QStringList{"tree", TestData::pst("aspose-email__Aspose.Email-for-.NET__Outlook_AddingBulkMessagesWithImprovedPerformance.pst")};
    QTest::newRow("no file argument") << QStringList{"tree"};
    QTest::newRow("unknown command") << QStringList{"frobnicate"};
}

void TestCliTree::badInputGivesOneLineAndFailure()
{
    QFETCH(QStringList, args);
    const CliRunner::Result run = CliRunner::run(args);
    QVERIFY2(run.status > 0, qPrintable(QString::number(run.status)));
    QVERIFY(run.out.isEmpty());
    QVERIFY(!run.err.trimmed().isEmpty());
}

void TestCliTree::everyOpenableFileGivesJson()
{
    int opened = 0;
    for (const QString& path : TestData::allPstFiles()) {
        const CliRunner::Result run = CliRunner::run({"tree", path});
        if (run.status == 1)
            continue;
        QCOMPARE(run.status, 0);
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(run.out, &error);
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(path));
        QVERIFY2(countFolders(doc.object()) > 1, qPrintable(path));
        ++opened;
    }
    // The inventory lists two files libpst cannot open.
    QCOMPARE(opened, TestData::allPstFiles().size() - 2);
}

QTEST_GUILESS_MAIN(TestCliTree)
#include "tst_CliTree.moc"
