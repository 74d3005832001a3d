// SPDX-License-Identifier: GPL-2.0-or-later
// Every real PST file of the shared test data converted in all formats: each
// item of an exported kind gives exactly one file, and every file is accepted
// by the independent parsers.

#include "ExportFixture.h"
#include "ExportManager.h"
#include "IMVLogConfig.h"
#include "TestData.h"
#include "TestHome.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>

using namespace ExportFixture;

namespace {

struct KindCounts
{
    int mails = 0;
    int contacts = 0;
    int appointments = 0;
    int journals = 0;
    int notes = 0;
    int tasks = 0;

    int total() const { return mails + contacts + appointments + journals + notes + tasks; }
};

void countItems(const std::shared_ptr<PstItem>& item, KindCounts* counts)
{
    const auto folder = std::dynamic_pointer_cast<PstFolderItem>(item);
    if (!folder)
        return;
    for (const auto& child : folder->items()) {
        switch (child->type()) {
        case Mail: ++counts->mails; break;
        case Contact: ++counts->contacts; break;
        case Calendar: ++counts->appointments; break;
        case Journal: ++counts->journals; break;
        case Note: ++counts->notes; break;
        case Task: ++counts->tasks; break;
        default: break;
        }
    }
    for (int i = 0; i < folder->childCount(); ++i)
        countItems(folder->child(i), counts);
}

int filesEndingWith(const QStringList& files, const QString& extension)
{
    return int(std::count_if(files.begin(), files.end(), [&](const QString& f) { return f.endsWith(extension); }));
}

// Files that libpst cannot open; the export never starts for them.
bool isKnownBadFile(const QString& name)
{
    return name.contains("AddingBulkMessagesWithImprovedPerformance") || name.contains("SMTP_Outlook.pst");
}

} // namespace

class TestConvertTestData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(TestData::available(), qPrintable("The shared PST files are missing at " + TestData::sharedDir()));
        QVERIFY(m_dir.isValid());
        Morvek::IMVLogConfig::InitializeLogConfig((m_home.path() + "/log/").toStdString());
    }

    void everyItemBecomesOneAcceptedFile_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString& path : TestData::allPstFiles())
            QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
    }

    void everyItemBecomesOneAcceptedFile()
    {
        QFETCH(QString, path);
        const auto root = open(path);
        if (isKnownBadFile(path)) {
            QVERIFY2(!root, "a damaged file opened");
            return;
        }
        QVERIFY2(root, "libpst could not open the file");
        KindCounts counts;
        countItems(root, &counts);
        const QString out = m_dir.filePath(QFileInfo(path).completeBaseName());
        const Run run = runExport(root, out, ExportManager::defaultFormats());
        if (counts.total() == 0) {
            QVERIFY(run.notFound);
            return;
        }
        QCOMPARE(run.completions, 1);
        for (auto it = run.errors.begin(); it != run.errors.end(); ++it)
            QVERIFY2(it.value() == 0, qPrintable(QStringLiteral("%1 failed items of %2").arg(it.value()).arg(it.key())));
        const QStringList files = filesUnder(out);
        QCOMPARE(filesEndingWith(files, ".eml"), counts.mails);
        QCOMPARE(filesEndingWith(files, ".vcf"), counts.contacts);
        QCOMPARE(filesEndingWith(files, ".ics"), counts.appointments + counts.journals + counts.tasks);
        QCOMPARE(filesEndingWith(files, ".txt"), counts.notes);
        QCOMPARE(int(files.size()), counts.total());

        const QJsonObject check = checkTree(out, true);
        QVERIFY2(!check.contains("error"), qPrintable(check.value("error").toString()));
        const QJsonObject errors = check.value("errors").toObject();
        QVERIFY2(errors.isEmpty(), QJsonDocument(errors).toJson().constData());
        const QJsonObject checked = check.value("files").toObject();
        QCOMPARE(checked.size() + errors.size(), counts.total());
        for (auto it = checked.begin(); it != checked.end(); ++it) {
            if (it.key().endsWith(".eml"))
                QVERIFY2(!it.value().toObject().value("header_names").toArray().isEmpty(), qPrintable(it.key()));
        }
    }

private:
    TestHome m_home;
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestConvertTestData)
#include "tst_ConvertTestData.moc"
