#include "PstMailItem.h"
#include "PstParser.h"
#include "TestData.h"
#include "TestHome.h"

#include <QFileInfo>
#include <QtTest>

namespace {

QString describeItem(const PstItem& item)
{
    QStringList fields{QString::number(item.type()), item.displayName(), item.subject(), item.duration()};
    const auto& properties = item.properties();
    for (auto it = properties.cbegin(); it != properties.cend(); ++it)
        fields << it.key() + '=' + it.value().toString();
    if (item.type() == Mail) {
        const auto& mail = static_cast<const PstMailItem&>(item);
        fields << QStringLiteral("hasAttachment=%1").arg(mail.hasAttachment());
        for (const auto& attachment : mail.attachments())
            fields << "attachment=" + attachment->name + '/' + attachment->contentId + '/'
                    + QString::number(attachment->attachId) + '/' + QString::number(attachment->recordIndex);
    }
    return fields.join(QLatin1Char('|'));
}

// One line per folder and per item, in tree order.
void describe(const PstFolderItem& folder, const QString& path, QStringList& lines)
{
    lines << QStringLiteral("%1 <%2> %3 items, %4 folders")
                 .arg(path, folder.folderType()).arg(folder.itemCount()).arg(folder.childCount());
    const auto items = folder.items();
    for (const auto& item : items)
        lines << path + " : " + describeItem(*item);
    for (int i = 0; i < folder.childCount(); ++i) {
        const auto& child = static_cast<const PstFolderItem&>(*folder.child(i));
        describe(child, path + '/' + child.displayName(), lines);
    }
}

QStringList openDescribed(const QString& path, bool light)
{
    PstParser parser;
    parser.setLightOpen(light);
    if (!parser.open(path))
        return {QStringLiteral("cannot open")};
    const auto root = parser.parse(path);
    if (!root)
        return {QStringLiteral("cannot parse")};
    QStringList lines;
    describe(*root, root->displayName(), lines);
    return lines;
}

} // namespace

// Opening reads mails' list fields with our own property reader instead of
// libpst's full parse; both must give the same tree, counts and rows.
class TestLightOpen : public QObject
{
    Q_OBJECT
    TestHome m_home;

private slots:
    void initTestCase()
    {
        QVERIFY2(TestData::available(), qPrintable("The shared PST files are missing at " + TestData::sharedDir()));
    }

    void lightOpenGivesTheFullParsesItems_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString& path : TestData::allPstFiles())
            QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
    }

    void lightOpenGivesTheFullParsesItems()
    {
        QFETCH(QString, path);
        const QStringList full = openDescribed(path, false);
        const QStringList light = openDescribed(path, true);
        for (qsizetype i = 0; i < qMin(full.size(), light.size()); ++i)
            QCOMPARE(light.at(i), full.at(i));
        QCOMPARE(light.size(), full.size());
    }
};

QTEST_GUILESS_MAIN(TestLightOpen)
#include "tst_LightOpen.moc"
