// SPDX-License-Identifier: GPL-2.0-or-later
#include "IMVLogConfig.h"
#include "LogLines.h"
#include "PffOracle.h"
#include "PstParser.h"
#include "TestData.h"
#include "TestHome.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList logLines()
{
    return LogLines::read(QString::fromStdString(Morvek::IMVLogConfig::CurrentLogFile()));
}

QString describe(const PstFolderItem& folder, int depth = 0)
{
    // Item counts per kind are compared with libpff by the item tests.
    QString text = QString(depth * 2, ' ') + folder.displayName() + QStringLiteral(" [0]\n");
    for (int i = 0; i < folder.childCount(); ++i)
        text += describe(static_cast<const PstFolderItem&>(*folder.child(i)), depth + 1);
    return text;
}

QString describe(const PffOracle::Folder& folder, int depth = 0)
{
    QString text = QString(depth * 2, ' ') + folder.name + QStringLiteral(" [0]\n");
    for (const auto& sub : folder.subFolders)
        text += describe(sub, depth + 1);
    return text;
}

// The sibling runs of libpff's tree that start with a folder called `name`,
// described like ours. The walk starts at the top of the personal folders,
// which libpff shows among other root folders (search folders before it).
QStringList candidateRuns(const QList<PffOracle::Folder>& siblings, const QString& name, bool anyName = false)
{
    QStringList runs;
    for (int i = 0; i < siblings.size(); ++i) {
        if (anyName || siblings[i].name == name) {
            QString run;
            for (int j = i; j < siblings.size(); ++j)
                run += describe(siblings[j]);
            runs << run;
        }
        runs << candidateRuns(siblings[i].subFolders, name, anyName);
    }
    return runs;
}

} // namespace

class TestPstParser : public QObject
{
    Q_OBJECT
    TestHome m_home;

private slots:
    void initTestCase();
    void init();
    void openFailuresAreLoggedAndCloseTheFile_data();
    void openFailuresAreLoggedAndCloseTheFile();
    void parseWithoutOpenGivesNothing();
    void documentRootNamesTheFileAndKeepsItOpen();
    void closingTheLastOwnerClosesTheFile();
    void folderTreeMatchesLibpff_data();
    void folderTreeMatchesLibpff();

private:
    QTemporaryDir m_scratch;
};

void TestPstParser::initTestCase()
{
    QVERIFY2(TestData::available(), qPrintable("The shared PST files are missing at " + TestData::sharedDir()));
    Morvek::IMVLogConfig::InitializeLogConfig((m_home.path() + "/log/").toStdString());
}

void TestPstParser::init()
{
    QFile(QString::fromStdString(Morvek::IMVLogConfig::CurrentLogFile())).resize(0);
}

void TestPstParser::openFailuresAreLoggedAndCloseTheFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("create");
    // Damage past the header opens what is readable and reports the rest.
    QTest::addColumn<bool>("opensWithLosses");
    const QByteArray real = [] {
        QFile f(TestData::pst("emk__pstsdk__sample1.pst"));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    QTest::newRow("missing file") << QByteArray() << false << false;
    QTest::newRow("empty file") << QByteArray() << true << false;
    QTest::newRow("text renamed .pst") << QByteArray("From someone@example.com\nSubject: hi\n\nbody\n") << true << false;
    QTest::newRow("header only") << real.left(600) << true << false;
    QTest::newRow("truncated") << real.left(100000) << true << true;
    QByteArray damaged = real;
    damaged.replace(0x4400, 4096, QByteArray(4096, '\xff'));
    QTest::newRow("damaged index") << damaged << true << true;
}

void TestPstParser::openFailuresAreLoggedAndCloseTheFile()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, create);
    QFETCH(bool, opensWithLosses);
    const QString path = m_scratch.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_') + ".pst");
    if (create) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    PstParser parser;
    const bool opened = parser.open(path);
    std::shared_ptr<PstFolderItem> root = opened ? parser.parse(path) : nullptr;
    QCOMPARE(bool(root), opensWithLosses);
    if (root)
        QVERIFY(root->losses()->count() > 0 || root->losses()->withoutNamedProperties);
    root.reset();
    parser.close();
    const QStringList lines = logLines();
    QVERIFY2(lines.size() >= 2, qPrintable(lines.join('\n')));
    QVERIFY2(lines.first().startsWith("WARN Failed to open") || lines.first() == "INFO Open file completed",
             qPrintable(lines.join('\n')));
    QCOMPARE(lines.last(), QStringLiteral("INFO Closed Pst document completed."));
    QCOMPARE(lines.count("INFO Closed Pst document completed."), 1);
}

void TestPstParser::parseWithoutOpenGivesNothing()
{
    PstParser parser;
    QVERIFY(!parser.parse("never-opened.pst"));
}

void TestPstParser::documentRootNamesTheFileAndKeepsItOpen()
{
    const QString path = TestData::pst("hughbe__PstReader__hughbe_hughbe_Outlook.pst");
    std::shared_ptr<PstFolderItem> root;
    {
        PstParser parser;
        QVERIFY(parser.open(path));
        root = parser.parse("/elsewhere/Shown Name.pst");
    }
    QVERIFY(root);
    QCOMPARE(root->displayName(), QStringLiteral("Shown Name.pst"));
    QCOMPARE(root->filePath(), path);
    QCOMPARE(root->nodeLevel(), 0u);
    QVERIFY(root->pstFile());
    QVERIFY(root->pstLock());
    QVERIFY(root->childCount() > 0);
    QCOMPARE(root->child(0)->nodeLevel(), 1u);
    QVERIFY(!logLines().contains("INFO Closed Pst document completed."));
    // Between them, one line per message not shown (a free/busy message here).
    QStringList info;
    for (const QString& line : logLines()) {
        if (line.startsWith("INFO "))
            info << line;
    }
    QCOMPARE(info.mid(0, 3), (QStringList{"INFO Open file completed", "INFO Start parsing PST document.",
                                          "INFO Parsed Pst document completed."}));
}

void TestPstParser::closingTheLastOwnerClosesTheFile()
{
    const QString path = TestData::pst("hughbe__PstReader__hughbe_hughbe_Outlook.pst");
    PstParser parser;
    QVERIFY(parser.open(path));
    auto root = parser.parse(path);
    parser.close();
    auto clone = root->clone();
    root.reset();
    QVERIFY(!logLines().contains("INFO Closed Pst document completed."));
    clone.reset();
    QCOMPARE(logLines().count("INFO Closed Pst document completed."), 1);
}

void TestPstParser::folderTreeMatchesLibpff_data()
{
    QTest::addColumn<QString>("path");
    for (const QString& path : TestData::allPstFiles())
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
}

void TestPstParser::folderTreeMatchesLibpff()
{
    QFETCH(QString, path);
    bool pffOk = false;
    const PffOracle::Folder pffRoot = PffOracle::readTree(path, &pffOk);
    PstParser parser;
    std::shared_ptr<PstFolderItem> root = parser.open(path) ? parser.parse(path) : nullptr;
    QCOMPARE(bool(root), pffOk);
    if (!root)
        return;
    QString ours;
    for (int i = 0; i < root->childCount(); ++i)
        ours += describe(static_cast<const PstFolderItem&>(*root->child(i)));
    QVERIFY(root->childCount() > 0);
    const QStringList runs = candidateRuns(pffRoot.subFolders, root->child(0)->displayName());
    if (runs.contains(ours))
        return;
    // Folder records of this Japanese ANSI file declare no code page, so each
    // reader guesses the 8-bit names differently, and libpff lists its
    // folders in another order and nesting: every folder of ours must be there.
    if (path.endsWith("contacts97-2002.pst")) {
        static const QRegularExpression name(QStringLiteral("^ *[^\\[\\n]*"), QRegularExpression::MultilineOption);
        QStringList theirLines = QString(describe(pffRoot, -1)).replace(name, "*").split('\n');
        for (const QString& line : QString(ours).replace(name, "*").split('\n'))
            QVERIFY2(theirLines.removeOne(line), qPrintable(ours));
        return;
    }
    QCOMPARE(ours, runs.value(0, describe(pffRoot)));
}

QTEST_GUILESS_MAIN(TestPstParser)
#include "tst_PstParser.moc"
