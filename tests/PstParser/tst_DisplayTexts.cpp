// SPDX-License-Identifier: GPL-2.0-or-later
// What the item model shows of a file's texts: folder names of 8-bit files in
// the file's code page, nothing for missing dates, plain sender addresses,
// mails attached to mails, and Outlook's internal folders marked hidden.

#include "AttachedMail.h"
#include "FolderNameDecoder.h"
#include "PstMailItem.h"
#include "PstParser.h"
#include "PstTaskItem.h"
#include "PstWriter.h"
#include "TestData.h"
#include "TestHome.h"
#include "WrittenPst.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class DisplayTextsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void folderNamesUseTheCodePageTheMessagesDeclare();
    void localeCodePage_data();
    void localeCodePage();
    void missingDatesShowNothing();
    void senderAddressIsPlain_data();
    void senderAddressIsPlain();
    void attachedMailOpensAndSavesAsEml();
    void internalFoldersAreHidden_data();
    void internalFoldersAreHidden();

private:
    std::shared_ptr<PstFolderItem> open(const PstDescription& description, const QString& name);

    TestHome m_home;
    QTemporaryDir m_dir;
};

namespace {

PstMessage mailIn(int codePage, const QString& subject)
{
    PstMessage message;
    message.subject = subject;
    message.senderName = QStringLiteral("差出人");
    message.codePage = codePage;
    return message;
}

std::shared_ptr<PstFolderItem> folderNamed(const PstFolderItem& parent, const QString& name)
{
    for (int row = 0; row < parent.childCount(); ++row) {
        const auto folder = std::dynamic_pointer_cast<PstFolderItem>(parent.child(row));
        if (!folder)
            continue;
        if (folder->displayName() == name)
            return folder;
        if (const auto found = folderNamed(*folder, name))
            return found;
    }
    return nullptr;
}

} // namespace

void DisplayTextsTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

std::shared_ptr<PstFolderItem> DisplayTextsTest::open(const PstDescription& description, const QString& name)
{
    QString error;
    auto root = WrittenPst::open(description, m_dir.filePath(name), &error);
    if (!root)
        qWarning() << error;
    return root;
}

void DisplayTextsTest::folderNamesUseTheCodePageTheMessagesDeclare()
{
    // Names stored as 8-bit Shift-JIS, as an ANSI file of a Japanese Outlook keeps
    // them; the messages declare 932, one stray message 1251.
    PstFolder top;
    top.name = QStringLiteral("Outlook データ ファイルのトップ");
    top.nameCodePage = 932;
    top.messages = {mailIn(932, QStringLiteral("一")), mailIn(1251, QStringLiteral("Привет")), mailIn(932, QStringLiteral("二"))};
    PstFolder inbox;
    inbox.name = QStringLiteral("受信トレイ");
    inbox.nameCodePage = 932;
    inbox.containerClass = QStringLiteral("IPF.Note");
    top.folders = {inbox};
    PstDescription description;
    description.folders = {top};
    const auto root = open(description, QStringLiteral("japanese.pst"));
    QVERIFY(root);
    QVERIFY(folderNamed(*root, top.name));
    QVERIFY(folderNamed(*root, inbox.name));
}

void DisplayTextsTest::localeCodePage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("codePage");
    QTest::newRow("Japanese") << "ja_JP" << 932;
    QTest::newRow("Simplified Chinese") << "zh_CN" << 936;
    QTest::newRow("Traditional Chinese") << "zh_TW" << 950;
    QTest::newRow("Russian") << "ru_RU" << 1251;
    QTest::newRow("Polish") << "pl_PL" << 1250;
    QTest::newRow("German") << "de_DE" << 1252;
}

void DisplayTextsTest::localeCodePage()
{
    QFETCH(QString, locale);
    QFETCH(int, codePage);
    QCOMPARE(FolderNameDecoder::ansiCodePageOf(QLocale(locale)), codePage);
}

void DisplayTextsTest::missingDatesShowNothing()
{
    PstMessage task;
    task.kind = PstMessage::Kind::Task;
    task.subject = QStringLiteral("Undated task");
    PstMessage note;
    note.kind = PstMessage::Kind::StickyNote;
    note.subject = QStringLiteral("Undated note");
    PstMessage mail;
    mail.subject = QStringLiteral("Unsent mail");
    const auto root = open(WrittenPst::oneFolder({task, note, mail}), QStringLiteral("undated.pst"));
    QVERIFY(root);
    for (const auto& item : WrittenPst::allItems(*root)) {
        QStringList shown{item->displayName(), item->subject()};
        for (const InfoSection& section : item->sections()) {
            for (const InfoField& field : section.fields)
                shown << field.value;
        }
        if (const auto* undatedTask = dynamic_cast<const PstTaskItem*>(item.get()))
            shown << undatedTask->startDate(QStringLiteral("yyyy")) << undatedTask->dueDate(QStringLiteral("yyyy"));
        QVERIFY2(!shown.join(QLatin1Char('|')).contains(QLatin1String("1970")), qPrintable(item->subject()));
    }
}

void DisplayTextsTest::senderAddressIsPlain_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("smtpAddress");
    QTest::addColumn<QString>("shown");
    QTest::newRow("SMTP") << "SMTP" << "ada@example.org" << "" << "ada@example.org";
    QTest::newRow("SMTP with type prefix") << "SMTP" << "SMTP:ada@example.org" << "" << "ada@example.org";
    QTest::newRow("Exchange with SMTP address") << "EX" << "/O=EXAMPLE/OU=FIRST/CN=RECIPIENTS/CN=EVE"
                                                << "eve@example.com" << "eve@example.com";
    QTest::newRow("Exchange only") << "EX" << "/O=EXAMPLE/OU=FIRST/CN=RECIPIENTS/CN=EVE" << "" << "";
}

void DisplayTextsTest::senderAddressIsPlain()
{
    QFETCH(QString, type);
    QFETCH(QString, address);
    QFETCH(QString, smtpAddress);
    QFETCH(QString, shown);
    PstMessage message;
    message.subject = QStringLiteral("Hello");
    message.senderName = QStringLiteral("Sender");
    message.senderAddressType = type;
    message.senderAddress = address;
    message.senderSmtpAddress = smtpAddress;
    const auto root = open(WrittenPst::oneFolder({message}), QStringLiteral("sender.pst"));
    QVERIFY(root);
    const auto mail = std::dynamic_pointer_cast<PstMailItem>(WrittenPst::allItems(*root).value(0));
    QVERIFY(mail);
    QCOMPARE(mail->senderAddr(), shown);
}

void DisplayTextsTest::attachedMailOpensAndSavesAsEml()
{
    auto inner = std::make_shared<PstMessage>();
    inner->subject = QStringLiteral("Quarterly figures");
    inner->body = QStringLiteral("The inner body.");
    inner->senderName = QStringLiteral("Grace Hopper");
    inner->senderAddress = QStringLiteral("grace@example.org");
    PstAttachment note;
    note.longName = QStringLiteral("note.txt");
    note.data = "inner attachment";
    inner->attachments = {note};
    PstAttachment attachedMail;
    attachedMail.embedded = inner;
    PstMessage outer;
    outer.subject = QStringLiteral("Fwd: figures");
    outer.body = QStringLiteral("See attached.");
    outer.attachments = {attachedMail};
    const auto root = open(WrittenPst::oneFolder({outer}), QStringLiteral("attached.pst"));
    QVERIFY(root);
    const auto mail = std::dynamic_pointer_cast<PstMailItem>(WrittenPst::allItems(*root).value(0));
    QVERIFY(mail);
    QCOMPARE(mail->attachments().size(), 1);
    QVERIFY(mail->attachments().first()->embedded);

    const auto attached = AttachedMail::open(mail, *mail->attachments().first());
    QVERIFY(attached);
    QCOMPARE(attached->subject(), inner->subject);
    QCOMPARE(attached->senderAddr(), inner->senderAddress);
    QVERIFY(attached->body().contains(inner->body));
    QCOMPARE(attached->attachments().size(), 1);
    QCOMPARE(attached->attachments().first()->name, note.longName);
    QCOMPARE(attached->rootNode(), root);

    const QString eml = m_dir.filePath(AttachedMail::fileName(*attached));
    QVERIFY(AttachedMail::saveAsEml(attached, eml));
    QProcess python;
    python.start(QStringLiteral("python3"), {QStringLiteral("-c"), QStringLiteral(
        "import email, email.policy, sys\n"
        "m = email.message_from_binary_file(open(sys.argv[1], 'rb'), policy=email.policy.default)\n"
        "print(m['subject'])\n"
        "print(m.get_body(('plain',)).get_content().strip())\n"
        "print(','.join(p.get_filename() for p in m.iter_attachments()))\n"), eml});
    QVERIFY(python.waitForFinished(30000));
    QCOMPARE(python.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(python.readAllStandardOutput()).split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), inner->subject);
    QCOMPARE(lines.value(1), inner->body);
    QCOMPARE(lines.value(2), note.longName);
}

void DisplayTextsTest::internalFoldersAreHidden_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("search root") << "Search Root" << true;
    QTest::newRow("quick steps (class)") << "Quick Step Settings" << true;
    QTest::newRow("files (hidden flag)") << "Files" << true;
    QTest::newRow("inside a hidden folder") << "Team Chat" << true;
    QTest::newRow("inbox") << "Inbox" << false;
    QTest::newRow("sync issues") << "Sync Issues" << false;
}

void DisplayTextsTest::internalFoldersAreHidden()
{
    QFETCH(QString, folder);
    QFETCH(bool, hidden);
    QVERIFY2(TestData::available(), "the shared test files are missing");
    static std::shared_ptr<PstFolderItem> root;
    if (!root) {
        const QString path = TestData::pst(QStringLiteral("hughbe__PstReader__hughbe_backup.pst"));
        PstParser parser;
        QVERIFY(parser.open(path));
        root = parser.parse(path);
    }
    QVERIFY(root);
    const auto found = folderNamed(*root, folder);
    QVERIFY(found);
    QCOMPARE(found->isHidden(), hidden);
}

QTEST_GUILESS_MAIN(DisplayTextsTest)
#include "tst_DisplayTexts.moc"
