// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstMailItem.h"
#include "PstParser.h"
#include "PstWriter.h"
#include "TestData.h"
#include "TestHome.h"

#include <QFileInfo>
#include <QTemporaryDir>
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
                    + QString::number(attachment->attachId) + '/' + QString::number(attachment->recordIndex)
                    + (attachment->embedded ? QStringLiteral("/embedded") : QString());
    }
    return fields.join(QLatin1Char('|'));
}

// One line per folder and per item, in tree order.
void describe(const PstFolderItem& folder, const QString& path, QStringList& lines)
{
    lines << QStringLiteral("%1 <%2> %3 items, %4 folders%5%6")
                 .arg(path, folder.folderType())
                 .arg(folder.itemCount())
                 .arg(folder.childCount())
                 .arg(folder.isHidden() ? QStringLiteral(", hidden") : QString())
                 .arg(folder.itemsPending() ? QStringLiteral(", pending") : QString());
    const auto items = folder.items();
    for (const auto& item : items)
        lines << path + " : " + describeItem(*item);
    for (int i = 0; i < folder.childCount(); ++i) {
        const auto& child = static_cast<const PstFolderItem&>(*folder.child(i));
        describe(child, path + '/' + child.displayName(), lines);
    }
}

// One line per message the tree does not show, and for a damaged name map.
void describeLosses(const ParseLosses& losses, QStringList& lines)
{
    const auto folderOf = [](const std::weak_ptr<PstFolderItem>& folder) {
        const auto locked = folder.lock();
        return locked ? locked->displayName() : QString();
    };
    for (const ParseLosses::Item& item : losses.damaged)
        lines << QStringLiteral("damaged %1 in %2").arg(item.nodeId).arg(folderOf(item.folder));
    for (const ParseLosses::Item& item : losses.unshown)
        lines << QStringLiteral("unshown %1 <%2> in %3").arg(item.nodeId).arg(item.messageClass, folderOf(item.folder));
    for (const ParseLosses::Missing& each : losses.missing)
        lines << QStringLiteral("missing %1 in %2").arg(each.count).arg(folderOf(each.folder));
    if (losses.withoutNamedProperties)
        lines << QStringLiteral("without named properties");
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
    if (root->losses())
        describeLosses(*root->losses(), lines);
    return lines;
}

// The window's open: every folder first, without items, then each folder's
// items in turn.
QStringList openStagedDescribed(const QString& path)
{
    PstParser parser;
    if (!parser.open(path))
        return {QStringLiteral("cannot open")};
    const auto root = parser.parseFolders(path);
    if (!root)
        return {QStringLiteral("cannot parse")};
    QStringList folders;
    describe(*root, root->displayName(), folders);
    for (const QString& line : std::as_const(folders)) {
        if (!line.contains(QLatin1String(" 0 items")) || !line.endsWith(QLatin1String(", pending")))
            return {QStringLiteral("not waiting for its items: ") + line};
    }
    std::shared_ptr<PstFolderItem> folder;
    QList<std::shared_ptr<PstItem>> items;
    while (parser.readNextFolderItems(&folder, &items)) {
        for (const auto& item : std::as_const(items))
            folder->addItem(item);
        folder->setItemsPending(false);
    }
    if (!parser.finishFolderItems(root))
        return {QStringLiteral("cannot parse")};
    QStringList lines;
    describe(*root, root->displayName(), lines);
    if (root->losses())
        describeLosses(*root->losses(), lines);
    return lines;
}

PstMessage mail(const QString& messageClass, const QString& subject)
{
    PstMessage m;
    m.messageClass = messageClass;
    m.subject = subject;
    m.senderName = QStringLiteral("Ada");
    m.senderAddress = QStringLiteral("ada@example.org");
    m.sentTime = QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9), Qt::UTC);
    return m;
}

// Mails of the classes and sender forms the list reads differently from
// libpst's record, beside messages it leaves to libpst.
PstDescription assortedMessages()
{
    QList<PstMessage> messages{mail(QStringLiteral("IPM.Note"), QStringLiteral("plain")),
                               mail(QStringLiteral("REPORT.IPM.Note.NDR"), QStringLiteral("report")),
                               mail(QStringLiteral("ipm.note.smime"), QStringLiteral("signed")),
                               mail(QStringLiteral("IPM.Schedule.Meeting.Request"), QStringLiteral("meeting")),
                               mail(QStringLiteral("IPM.Unheard.Of"), QStringLiteral("unknown"))};
    PstMessage exchange = mail(QStringLiteral("IPM.Note"), QStringLiteral("exchange"));
    exchange.senderAddressType = QStringLiteral("EX");
    exchange.senderAddress = QStringLiteral("/O=ORG/OU=SITE/CN=RECIPIENTS/CN=ADA");
    exchange.senderSmtpAddress = QStringLiteral("ada@example.org");
    messages << exchange;
    PstMessage directoryOnly = exchange;
    directoryOnly.subject = QStringLiteral("directory only");
    directoryOnly.senderSmtpAddress.clear();
    messages << directoryOnly;
    PstMessage nameless = mail(QStringLiteral("IPM.Note"), QStringLiteral("no sender address"));
    nameless.senderAddress.clear();
    messages << nameless;
    PstMessage ansi = mail(QStringLiteral("IPM.Note"), QStringLiteral("Gr\u00FC\u00DFe"));
    ansi.senderName = QStringLiteral("J\u00FCrgen");
    ansi.codePage = 1252;
    messages << ansi;
    PstMessage attached = mail(QStringLiteral("IPM.Note"), QStringLiteral("with attachments"));
    PstAttachment file;
    file.longName = QStringLiteral("notes.txt");
    file.data = QByteArrayLiteral("notes");
    PstAttachment inner;
    inner.embedded = std::make_shared<PstMessage>(mail(QStringLiteral("IPM.Note"), QStringLiteral("inner")));
    attached.attachments << file << inner;
    messages << attached;
    PstMessage onlyAttachedMail = mail(QStringLiteral("IPM.Note"), QStringLiteral("only an attached mail"));
    onlyAttachedMail.attachments << inner;
    messages << onlyAttachedMail;
    PstMessage contact;
    contact.kind = PstMessage::Kind::Contact;
    contact.subject = QStringLiteral("Grace Hopper");
    messages << contact;
    PstDescription description;
    PstFolder folder;
    folder.name = QStringLiteral("Items");
    folder.containerClass = QStringLiteral("IPF.Note");
    folder.messages = messages;
    description.folders << folder;
    return description;
}

} // namespace

// Opening reads mails' list fields with our own property reader instead of
// libpst's full parse; both must give the same tree, counts, rows and losses.
class TestLightOpen : public QObject
{
    Q_OBJECT
    TestHome m_home;
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY2(TestData::available(), qPrintable("The shared PST files are missing at " + TestData::sharedDir()));
    }

    void lightOpenGivesTheFullParsesItems_data()
    {
        QTest::addColumn<QString>("path");
        const QString written = m_dir.filePath(QStringLiteral("assorted.pst"));
        QString error;
        QVERIFY2(PstWriter::write(assortedMessages(), written, &error), qPrintable(error));
        QTest::newRow("assorted.pst") << written;
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

    void stagedOpenGivesTheFullParsesItems_data() { lightOpenGivesTheFullParsesItems_data(); }

    void stagedOpenGivesTheFullParsesItems()
    {
        QFETCH(QString, path);
        const QStringList full = openDescribed(path, false);
        const QStringList staged = openStagedDescribed(path);
        for (qsizetype i = 0; i < qMin(full.size(), staged.size()); ++i)
            QCOMPARE(staged.at(i), full.at(i));
        QCOMPARE(staged.size(), full.size());
    }
};

QTEST_GUILESS_MAIN(TestLightOpen)
#include "tst_LightOpen.moc"
