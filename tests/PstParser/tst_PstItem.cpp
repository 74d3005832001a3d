// SPDX-License-Identifier: GPL-2.0-or-later
#include "Common.h"
#include "PstFolderItem.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

std::shared_ptr<PstFolderItem> folder(const QString& name, unsigned level)
{
    auto f = std::make_shared<PstFolderItem>();
    f->setDisplayName(name);
    f->setNodeLevel(level);
    return f;
}

pst_string text(const char* value)
{
    pst_string s;
    s.is_utf8 = 1;
    s.str = const_cast<char*>(value);
    return s;
}

void touch(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
}

} // namespace

class TestPstItem : public QObject
{
    Q_OBJECT
private slots:
    void newItemsAreUninitialised();
    void itemCountText();
    void subjectLookupNeverInsertsTheKey();
    void exchangeSenderAddressIsDropped();
    void absentFiletimeLeavesKeyAbsent();
    void childrenRowsAndBounds();
    void rootAndFileAfterParentIsGone();
    void cloneIsDeepAndIndependent();
    void folderIconFollowsContainerClass_data();
    void folderIconFollowsContainerClass();
    void uniqueFileNames();
};

void TestPstItem::newItemsAreUninitialised()
{
    PstFolderItem f;
    QCOMPARE(f.displayName(), QStringLiteral("未初始化"));
    QCOMPARE(f.type(), Folder);
    QCOMPARE(f.duration(), QString());
    QVERIFY(f.sections().isEmpty());

    pst_item record = {};
    pst_item_folder folderPart = {};
    record.folder = &folderPart;
    pst_desc_tree node = {};
    node.d_id = 0x8022;
    auto built = PstFolderItem::creteFromPstItem(&node, &record);
    QVERIFY(built);
    QCOMPARE(built->displayName(), QStringLiteral("未初始化"));
    QCOMPARE(built->fileId(), 0x8022ull);
    QCOMPARE(built->folderType(), QString());
    record.folder = nullptr;
    QVERIFY(!PstFolderItem::creteFromPstItem(&node, &record));
}

void TestPstItem::itemCountText()
{
    auto f = folder("Inbox", 1);
    QCOMPARE(f->itemCountStr(), QString());
    f->addItem(folder("a", 2));
    QCOMPARE(f->itemCountStr(), QStringLiteral(" (1 items)"));
    f->addItem(folder("b", 2));
    QCOMPARE(f->itemCountStr(), QStringLiteral(" (2 items)"));
}

void TestPstItem::subjectLookupNeverInsertsTheKey()
{
    auto f = folder("x", 1);
    QCOMPARE(f->subject(), QString(""));
    QVERIFY(!f->hasProperty("subject"));
    f->insertFromPstString(text("Hello"), "subject");
    QCOMPARE(f->subject(), QStringLiteral("Hello"));
}

void TestPstItem::exchangeSenderAddressIsDropped()
{
    auto f = folder("x", 1);
    f->insertFromPstString(text("/o=Org/ou=Site/cn=Recipients/cn=jane"), "senderAddr");
    QVERIFY(f->hasProperty("senderAddr"));
    QCOMPARE(f->property("senderAddr").toString(), QString(""));
    f->insertFromPstString(text("/o=Org/ou=Site/cn=Recipients/cn=jane"), "sender");
    QCOMPARE(f->property("sender").toString(), QStringLiteral("/o=Org/ou=Site/cn=Recipients/cn=jane"));
    f->insertFromPstString(text("jane@example.com"), "senderAddr");
    QCOMPARE(f->property("senderAddr").toString(), QStringLiteral("jane@example.com"));
    f->insertFromPstString(text(nullptr), "senderAddr");
    QCOMPARE(f->property("senderAddr").toString(), QStringLiteral("jane@example.com"));
}

void TestPstItem::absentFiletimeLeavesKeyAbsent()
{
    auto f = folder("x", 1);
    f->insertFromFILETIME(nullptr, "sentDate");
    QVERIFY(!f->hasProperty("sentDate"));
    FILETIME t = {0xD53E8000u, 0x019DB1DEu}; // 1970-01-01 00:00:00 UTC
    f->insertFromFILETIME(&t, "sentDate");
    QCOMPARE(f->property("sentDate").toLongLong(), 0);
}

void TestPstItem::childrenRowsAndBounds()
{
    auto invisible = folder("", 0);
    auto first = folder("first.pst", 0);
    auto second = folder("second.pst", 0);
    invisible->addChildNode(first);
    invisible->addChildNode(second);
    QCOMPARE(second->row(), 1);
    QCOMPARE(invisible->child(-1), nullptr);
    QCOMPARE(invisible->child(invisible->childCount()), nullptr);
    auto mail = folder("mail", 1);
    first->addItem(mail);
    QCOMPARE(mail->row(), 0);
    QCOMPARE(mail->parent(), first);
    invisible->removeChildNode(0);
    QCOMPARE(invisible->childCount(), 1);
    QCOMPARE(second->row(), 0);
}

void TestPstItem::rootAndFileAfterParentIsGone()
{
    auto root = folder("doc.pst", 0);
    auto file = std::shared_ptr<pst_file>(static_cast<pst_file*>(calloc(1, sizeof(pst_file))), [](pst_file* f) { free(f); });
    root->setPstFile(file);
    auto inbox = folder("Inbox", 1);
    auto sub = folder("Sub", 2);
    root->addChildNode(inbox);
    inbox->addChildNode(sub);
    QCOMPARE(sub->rootNode(), root);
    QCOMPARE(sub->pstFile(), file);
    root.reset();
    inbox.reset();
    QCOMPARE(sub->rootNode(), nullptr);
    QCOMPARE(sub->pstFile(), nullptr);
    QCOMPARE(sub->pstLock(), nullptr);
}

void TestPstItem::cloneIsDeepAndIndependent()
{
    auto root = folder("doc.pst", 0);
    root->setPstLock(std::make_shared<QRecursiveMutex>());
    auto inbox = folder("Inbox", 1);
    inbox->setFolderType("IPF.Note");
    inbox->insertProperty("subject", "kept");
    root->addChildNode(inbox);
    inbox->addChildNode(folder("Deep", 2));
    inbox->addItem(folder("item", 2));

    auto copy = std::static_pointer_cast<PstFolderItem>(root->clone());
    auto copiedInbox = std::static_pointer_cast<PstFolderItem>(copy->child(0));
    QVERIFY(copiedInbox != inbox);
    QCOMPARE(copy->parent(), nullptr);
    QCOMPARE(copiedInbox->parent(), copy);
    QCOMPARE(copiedInbox->folderType(), QStringLiteral("IPF.Note"));
    QCOMPARE(copiedInbox->subject(), QStringLiteral("kept"));
    QCOMPARE(copiedInbox->child(0)->displayName(), QStringLiteral("Deep"));
    QCOMPARE(copiedInbox->items().first()->parent(), copiedInbox);
    QCOMPARE(copiedInbox->pstLock(), root->pstLock());
    root.reset();
    inbox.reset();
    QCOMPARE(copiedInbox->child(0)->rootNode(), copy);
    QCOMPARE(copiedInbox->itemCount(), 1);
}

void TestPstItem::folderIconFollowsContainerClass_data()
{
    QTest::addColumn<QByteArray>("containerClass");
    QTest::addColumn<QString>("icon");
    QTest::newRow("calendar") << QByteArray("IPF.Appointment") << ":/img/calendar@3x.png";
    QTest::newRow("contacts") << QByteArray("IPF.Contact") << ":/img/contact@3x.png";
    QTest::newRow("journal") << QByteArray("IPF.Journal") << ":/img/diary@3x.png";
    QTest::newRow("notes") << QByteArray("IPF.StickyNote") << ":/img/notepaper@3x.png";
    QTest::newRow("tasks") << QByteArray("IPF.Task") << ":/img/task@3x.png";
    QTest::newRow("mail") << QByteArray("IPF.Note") << ":/img/folder@3x.png";
    QTest::newRow("case matters") << QByteArray("ipf.task") << ":/img/folder@3x.png";
}

void TestPstItem::folderIconFollowsContainerClass()
{
    QFETCH(QByteArray, containerClass);
    QFETCH(QString, icon);
    PstFolderItem f;
    f.setFolderType(containerClass.constData());
    QCOMPARE(f.icon(), icon);
}

void TestPstItem::uniqueFileNames()
{
    QTemporaryDir dir;
    const QString report = dir.filePath("Report.eml");
    QCOMPARE(Common::getUniqueFileName(report), report);
    touch(report);
    QCOMPARE(Common::getUniqueFileName(report), dir.filePath("Report_1.eml"));
    touch(dir.filePath("Report_1.eml"));
    QCOMPARE(Common::getUniqueFileName(report), dir.filePath("Report_2.eml"));
    touch(dir.filePath("notes"));
    QCOMPARE(Common::getUniqueFileName(dir.filePath("notes")), dir.filePath("notes_1."));
}

QTEST_GUILESS_MAIN(TestPstItem)
#include "tst_PstItem.moc"
