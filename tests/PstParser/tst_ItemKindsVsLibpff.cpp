// SPDX-License-Identifier: GPL-2.0-or-later
#include "IMVLogConfig.h"
#include "MessageClass.h"
#include "PffOracle.h"
#include "PstContactItem.h"
#include "PstMailItem.h"
#include "PstParser.h"
#include "TestData.h"
#include "TestHome.h"

#include <QtTest>

namespace {

constexpr quint32 kMessageClass = 0x001A;
constexpr quint32 kConversationTopic = 0x0070;
constexpr quint32 kGivenName = 0x3A06;
constexpr quint32 kSurname = 0x3A11;

// The kind the tree shows a message class as; -1 for classes it counts as
// not shown.
int shownKind(const QString& messageClass)
{
    switch (MessageClass::kindOf(messageClass)) {
    case MessageClass::Kind::Mail: return Mail;
    case MessageClass::Kind::Contact:
    case MessageClass::Kind::DistList: return Contact;
    case MessageClass::Kind::Appointment: return Calendar;
    case MessageClass::Kind::Task: return Task;
    case MessageClass::Kind::Note: return Note;
    case MessageClass::Kind::Journal: return Journal;
    case MessageClass::Kind::Unknown: break;
    }
    return -1;
}

const QStringList kKindNames{"mail", "appointment", "contact", "journal", "task", "note"};

QString describeCounts(const QMap<int, int>& counts)
{
    QStringList parts;
    for (int kind = Mail; kind <= Note; ++kind)
        parts << QStringLiteral("%1 %2").arg(kKindNames.at(kind)).arg(counts.value(kind));
    parts << QStringLiteral("not shown %1").arg(counts.value(-1));
    return parts.join(", ");
}

QList<std::shared_ptr<PstItem>> allItems(const PstFolderItem& folder)
{
    QList<std::shared_ptr<PstItem>> items = folder.items();
    for (int i = 0; i < folder.childCount(); ++i)
        items += allItems(static_cast<const PstFolderItem&>(*folder.child(i)));
    return items;
}

std::shared_ptr<PstFolderItem> parse(const QString& path)
{
    PstParser parser;
    return parser.open(path) ? parser.parse(path) : nullptr;
}

} // namespace

// Every real file read through the item tree and through libpff, an
// independent reader: every message libpff reads is shown, as the same
// kind, or counted as not shown; the mail subjects are the same.
class TestItemKindsVsLibpff : public QObject
{
    Q_OBJECT
    TestHome m_home;

private slots:
    void initTestCase();
    void itemsOfEachKindMatchLibpff_data();
    void itemsOfEachKindMatchLibpff();
    void japaneseAnsiContactIsDecodedWithItsCodePage();
};

void TestItemKindsVsLibpff::initTestCase()
{
    QVERIFY2(TestData::available(), qPrintable("The shared PST files are missing at " + TestData::sharedDir()));
    Morvek::IMVLogConfig::InitializeLogConfig((m_home.path() + "/log/").toStdString());
}

void TestItemKindsVsLibpff::itemsOfEachKindMatchLibpff_data()
{
    QTest::addColumn<QString>("path");
    for (const QString& path : TestData::allPstFiles())
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
}

void TestItemKindsVsLibpff::itemsOfEachKindMatchLibpff()
{
    QFETCH(QString, path);
    bool pffOk = false;
    const auto theirs = PffOracle::readMessages(path, {kMessageClass, kConversationTopic}, 0, &pffOk);
    const auto root = parse(path);
    QCOMPARE(bool(root), pffOk);
    if (!root)
        return;

    QMap<int, int> ourCounts;
    QStringList ourSubjects;
    for (const auto& item : allItems(*root)) {
        ++ourCounts[item->type()];
        if (item->type() == Mail)
            ourSubjects << item->subject();
    }
    QMap<int, int> theirCounts;
    QStringList theirSubjects;
    ourCounts[-1] = int(root->losses() ? root->losses()->unshown.size() : 0);
    for (const auto& message : theirs) {
        const int kind = shownKind(message.values.value(kMessageClass));
        ++theirCounts[kind];
        if (kind == Mail)
            theirSubjects << message.values.value(kConversationTopic);
    }
    ourSubjects.sort();
    theirSubjects.sort();
    QCOMPARE(describeCounts(ourCounts), describeCounts(theirCounts));
    QCOMPARE(ourSubjects, theirSubjects);
}

void TestItemKindsVsLibpff::japaneseAnsiContactIsDecodedWithItsCodePage()
{
    const QString path = TestData::pst("markb-trustifi__pst-extractor__contacts97-2002.pst");
    bool pffOk = false;
    const auto theirs = PffOracle::readMessages(path, {kMessageClass, kGivenName, kSurname}, 932, &pffOk);
    QVERIFY2(pffOk, qPrintable("libpff cannot read " + path));
    const auto root = parse(path);
    QVERIFY2(root, qPrintable("cannot parse " + path));
    const auto items = allItems(*root);
    QCOMPARE(items.size(), 1);
    const auto contact = std::dynamic_pointer_cast<PstContactItem>(items.first());
    QVERIFY(contact);
    QStringList theirNames;
    for (const auto& message : theirs) {
        if (message.values.value(kMessageClass) == QLatin1String("IPM.Contact"))
            theirNames << message.values.value(kGivenName) + ' ' + message.values.value(kSurname);
    }
    QCOMPARE(theirNames.size(), 1);
    QCOMPARE(contact->displayName(), theirNames.first());
    // Japanese text, not Chinese read from Japanese bytes.
    QVERIFY2(contact->displayName().contains(QRegularExpression("[\\x{3040}-\\x{30FF}\\x{4E00}-\\x{9FFF}]")),
             qPrintable(contact->displayName()));
}

QTEST_GUILESS_MAIN(TestItemKindsVsLibpff)
#include "tst_ItemKindsVsLibpff.moc"
