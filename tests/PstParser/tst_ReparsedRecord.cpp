// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstDataConverter.h"
#include "PstParser.h"
#include "ReparsedRecord.h"
#include "TestData.h"

#include <QtTest>

#include <cstring>
#include <thread>

class TestReparsedRecord : public QObject
{
    Q_OBJECT
private slots:
    void ansiStringsConvertFromTheirRealCodePage();
    void unicodeRecordsAreLeftAlone();
    void recordHoldsTheDocumentLock();

private:
    std::shared_ptr<PstItem> firstItem(const QString& fileName, std::shared_ptr<PstFolderItem>* root);
};

namespace {

std::shared_ptr<PstItem> firstItemBelow(const PstFolderItem& folder)
{
    if (!folder.items().isEmpty())
        return folder.items().first();
    for (int i = 0; i < folder.childCount(); ++i) {
        if (auto found = firstItemBelow(static_cast<const PstFolderItem&>(*folder.child(i))))
            return found;
    }
    return nullptr;
}

} // namespace

std::shared_ptr<PstItem> TestReparsedRecord::firstItem(const QString& fileName, std::shared_ptr<PstFolderItem>* root)
{
    const QString path = TestData::pst(fileName);
    PstParser parser;
    if (!parser.open(path))
        return nullptr;
    *root = parser.parse(path);
    return *root ? firstItemBelow(**root) : nullptr;
}

void TestReparsedRecord::ansiStringsConvertFromTheirRealCodePage()
{
    // The Japanese ANSI contact declares ISO-2022-JP but stores Shift-JIS;
    // libpst's own conversion (which the export writers use) must get it right.
    std::shared_ptr<PstFolderItem> root;
    const auto contact = firstItem("markb-trustifi__pst-extractor__contacts97-2002.pst", &root);
    QVERIFY2(contact, "the shared Japanese contact file is missing or unreadable");
    ReparsedRecord reparsed(*contact);
    pst_item* record = reparsed.record();
    QVERIFY(record && record->contact);
    QCOMPARE(QByteArray(record->body_charset.str), QByteArray("CP932"));
    pst_convert_utf8(record, &record->contact->fullname);
    QCOMPARE(record->contact->fullname.is_utf8, 1);
    QCOMPARE(QString::fromUtf8(record->contact->fullname.str), QStringLiteral("イグザンプル, コム ドット"));
}

void TestReparsedRecord::unicodeRecordsAreLeftAlone()
{
    std::shared_ptr<PstFolderItem> root;
    const auto mail = firstItem("aquasync__ruby-msg__attachAndInline.pst", &root);
    QVERIFY(mail);
    ReparsedRecord reparsed(*mail);
    QVERIFY(reparsed.record());
    QVERIFY(PstDataConverter::ansiStringCharset(reparsed.record()).isEmpty());
}

void TestReparsedRecord::recordHoldsTheDocumentLock()
{
    std::shared_ptr<PstFolderItem> root;
    const auto mail = firstItem("aquasync__ruby-msg__attachAndInline.pst", &root);
    QVERIFY(mail);
    auto lock = mail->pstLock();
    {
        ReparsedRecord reparsed(*mail);
        bool lockedElsewhere = true;
        std::thread other([&] { lockedElsewhere = !lock->tryLock(); if (!lockedElsewhere) lock->unlock(); });
        other.join();
        QVERIFY(lockedElsewhere);
    }
    QVERIFY(lock->tryLock());
    lock->unlock();
}

QTEST_GUILESS_MAIN(TestReparsedRecord)
#include "tst_ReparsedRecord.moc"
