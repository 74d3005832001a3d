// SPDX-License-Identifier: GPL-2.0-or-later
// The three panes on their own: the folder tree (documents as top-level
// rows, item counts, presses that announce a folder's items, the document
// rows' menu, failed opens), the item list (the model's roles, the painted
// rows) and the
// information view (one block per section with a value, shown as text).

#include "MultiLanguage.h"
#include "PSTListView.h"
#include "PSTTreeView.h"
#include "PstInfoLabel.h"
#include "PstInfoView.h"
#include "PstListController.h"
#include "PstListModel.h"
#include "PstListViewDelegate.h"
#include "PstMailItem.h"
#include "PstTreeController.h"
#include "PstTreeModel.h"
#include "PstTreeViewFilterModel.h"
#include "TestData.h"
#include "TestHome.h"
#include "UiDriver.h"
#include "UiSamples.h"

#include <QtTest>
#include <QtWidgets>

using ItemList = QList<std::shared_ptr<PstItem>>;
using namespace UiDriver;

namespace {

// A tree view with its controller, shown.
struct Tree
{
    PSTTreeView view;
    PstTreeController* controller = new PstTreeController(&view, &view);
    Tree() { view.resize(300, 600), view.show(); }
    bool open(const QString& path)
    {
        controller->openPstFile(path);
        return QTest::qWaitFor([this] { return !controller->isOpening(); }, 60000);
    }
};

// The caption and value labels of a block's rows, in row order.
QList<QLabel*> rowLabels(PstInfoLabel* block)
{
    QList<QLabel*> labels = block->findChildren<QLabel*>();
    labels.removeIf([](QLabel* label) { return label->objectName() == QLatin1String("labelTitle"); });
    return labels;
}

// The view's blocks as "Title: caption=value; …" (a hidden caption as "").
QStringList blocksOf(const PstInfoView& view)
{
    QStringList blocks;
    for (PstInfoLabel* block : view.infoLabels()) {
        QStringList rows;
        const QList<QLabel*> labels = rowLabels(block);
        for (int i = 0; i + 1 < labels.size(); i += 2)
            rows << (labels.at(i)->isHidden() ? QString() : labels.at(i)->text()) + '=' + labels.at(i + 1)->text();
        blocks << block->labelTitle() + ": " + rows.join("; ");
    }
    return blocks;
}

// One mail row of the list painted 380 × 60 on white; `dated`: with a date
// and an attachment.
QImage paintMailRow(const QString& sender, const QString& subject, bool dated, bool selected = false)
{
    QStandardItemModel model(1, 1);
    auto* row = new QStandardItem(sender);
    row->setData(int(Mail), PstListModel::TypeRole);
    row->setData(subject, PstListModel::SubjectRole);
    row->setData(dated ? QStringLiteral("2023/01/01") : QString(), PstListModel::MailDateRole);
    row->setData(dated, PstListModel::AttachmentRole);
    model.setItem(0, 0, row);
    PstListViewDelegate delegate;
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 380, 60);
    option.palette.setColor(QPalette::Base, Qt::white);
    option.palette.setColor(QPalette::Text, Qt::black);
    option.font = QApplication::font();
    if (selected)
        option.state |= QStyle::State_Selected;
    QImage image(380, 60, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    delegate.paint(&painter, option, model.index(0, 0));
    return image;
}

} // namespace

class PanesTest : public QObject
{
    Q_OBJECT

private:
    ItemList folderItems(const QString& name) const { return findFolder(m_root, name)->items(); }

    QTemporaryDir m_dir;
    QString m_mailbox;
    std::shared_ptr<PstFolderItem> m_root;

private slots:
    void initTestCase()
    {
        QVERIFY2(TestData::available(), "the shared PST test files are missing");
        // The English plural forms ("1 item", "4 items") come with the language.
        MultiLanguage::instance()->languageSwitch(MultiLanguage::English);
        m_mailbox = UiSamples::write(UiSamples::mailbox(), m_dir.path(), QStringLiteral("mailbox.pst"));
        m_root = parse(m_mailbox);
        QVERIFY(m_root);
    }

    void treeShowsDocumentsAndAnnouncesPressedFolders()
    {
        Tree tree;
        QVERIFY(!tree.controller->pstRootNode());
        QSignalSpy rows(tree.controller, &PstTreeController::pstTreeViewRowChanged);
        QVERIFY(tree.open(m_mailbox));
        const QString copy = m_dir.filePath(QStringLiteral("copy.pst"));
        QVERIFY(QFile::exists(copy) || QFile::copy(m_mailbox, copy));
        QVERIFY(tree.open(copy));
        QAbstractItemModel* model = tree.view.model();
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(rows.count(), 2);
        QCOMPARE(rows.at(1).at(0).toInt(), 2);
        // The first document becomes the current row; nothing is pressed by that.
        QCOMPARE(tree.view.currentIndex().row(), 0);
        const QModelIndex document = model->index(0, 0);
        QCOMPARE(document.data(PstTreeModel::FilePathRole).toString(), m_mailbox);
        const QModelIndex inbox = findRow(&tree.view, QStringLiteral("Inbox"));
        QCOMPARE(inbox.data().toString(), QStringLiteral("Inbox (4 items)"));
        QModelIndex top = inbox;
        while (top.parent().isValid())
            top = top.parent();
        QCOMPARE(top, document);
        QCOMPARE(findRow(&tree.view, QStringLiteral("Notes")).data().toString(), QStringLiteral("Notes (1 item)"));
        QCOMPARE(findRow(&tree.view, QStringLiteral("Empty")).data().toString(), QStringLiteral("Empty"));
        QVERIFY(!inbox.data(Qt::DecorationRole).value<QIcon>().isNull());
        QCOMPARE(model->rowCount(inbox), 0); // only folders are rows

        QSignalSpy selected(tree.controller, &PstTreeController::folderSelected);
        QSignalSpy read(tree.controller, &PstTreeController::folderItemsRead);
        QSignalSpy whole(tree.controller, &PstTreeController::folderRead);
        QVERIFY(pressFolder(&tree.view, QStringLiteral("Contacts")));
        // An empty list while the folder is read, then its items as they are
        // read, then the end; pressed again, nothing new.
        QCOMPARE(selected.count(), 1);
        QVERIFY(selected.at(0).at(0).value<ItemList>().isEmpty());
        QCOMPARE(read.count(), 1);
        QCOMPARE(whole.count(), 1);
        QVERIFY(pressFolder(&tree.view, QStringLiteral("Contacts")));
        QCOMPARE(selected.count(), 1);
        QCOMPARE(read.count(), 1);
        const auto contacts = read.at(0).at(0).value<ItemList>();
        QCOMPARE(contacts.size(), 2);
        QCOMPARE(contacts.at(0)->type(), Contact);
        // Folders keep their counts only; the list holds what it shows.
        const auto* contactsFolder = static_cast<PstFolderItem*>(PstTreeModel::itemFromIndex(
            tree.controller->proxy()->mapToSource(findRow(&tree.view, QStringLiteral("Contacts")))));
        QCOMPARE(contactsFolder->itemCount(), 2);
        QVERIFY(contactsFolder->items().isEmpty());
        QVERIFY(pressFolder(&tree.view, QStringLiteral("Empty")));
        QCOMPARE(selected.count(), 2);
        QVERIFY(selected.at(1).at(0).value<ItemList>().isEmpty());
        QCOMPARE(read.count(), 1);
        const std::shared_ptr<PstItem> root = tree.controller->pstRootNode();
        QVERIFY(root);
        QCOMPARE(root->nodeLevel(), 0u);
        QCOMPARE(root.get(), PstTreeModel::itemFromIndex(tree.controller->proxy()->mapToSource(document)));

        tree.controller->hideEmptyFolders(true);
        tree.view.expandAll();
        QVERIFY(!findRow(&tree.view, QStringLiteral("Empty")).isValid());
        QCOMPARE(findRow(&tree.view, QStringLiteral("Q4")).data().toString(), QStringLiteral("Q4 (1 item)"));
        tree.controller->hideEmptyFolders(false);
        QVERIFY(findRow(&tree.view, QStringLiteral("Empty")).isValid());

        // A file that is open already is chosen, not added again, by any path to it.
        tree.view.setCurrentIndex(model->index(1, 0));
        QCOMPARE(tree.controller->currentDocumentPath(), copy);
        tree.controller->openPstFile(m_dir.path() + QStringLiteral("/./mailbox.pst"));
        QVERIFY(!tree.controller->isOpening());
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(rows.count(), 2);
        QCOMPARE(tree.view.currentIndex(), model->index(0, 0));
        QCOMPARE(tree.controller->currentDocumentPath(), m_mailbox);

        QSignalSpy closing(tree.controller, &PstTreeController::documentClosing);
        tree.controller->closeDocument(model->index(1, 0));
        tree.controller->closeDocument(model->index(0, 0));
        QCOMPARE(closing.count(), 2);
        QCOMPARE(rows.last().at(0).toInt(), 0);
        QVERIFY(!tree.controller->pstRootNode());
        // A new document's inbox is a new folder: pressing it announces again.
        QVERIFY(tree.open(m_mailbox));
        QSignalSpy again(tree.controller, &PstTreeController::folderSelected);
        QVERIFY(pressFolder(&tree.view, QStringLiteral("Empty")));
        QCOMPARE(again.count(), 1);
    }

    void treeOpens_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("opens");
        QTest::newRow("missing") << "missing.pst" << false;
        QTest::newRow("not a PST file") << "aspose-email__Aspose.Email-for-C__SMTP_Outlook.pst" << false;
        QTest::newRow("unreadable") << "aspose-email__Aspose.Email-for-.NET__Outlook_AddingBulkMessagesWithImprovedPerformance.pst" << false;
        QTest::newRow("hughbe") << "hughbe__PstReader__hughbe_hughbe_Outlook.pst" << true;
        QTest::newRow("contacts97") << "markb-trustifi__pst-extractor__contacts97-2002.pst" << true;
        QTest::newRow("aspose") << "aspose-email__Aspose.Email-for-.NET__Outlook_Outlook.pst" << true;
    }

    void treeOpens()
    {
        QFETCH(QString, file);
        QFETCH(bool, opens);
        const QString path = file == "missing.pst" ? m_dir.filePath(file) : TestData::pst(file);
        Tree tree;
        QSignalSpy failed(tree.controller, &PstTreeController::openPstFailed);
        QSignalSpy rows(tree.controller, &PstTreeController::pstTreeViewRowChanged);
        QVERIFY(tree.open(path));
        QCOMPARE(failed.count(), opens ? 0 : 1);
        // The file had its row while it was opening; a failed one loses it.
        QCOMPARE(rows.count(), opens ? 1 : 2);
        QCOMPARE(tree.view.model()->rowCount(), opens ? 1 : 0);
        if (opens) {
            QVERIFY(tree.view.model()->rowCount(tree.view.model()->index(0, 0)) > 0);
            QCOMPARE(tree.view.model()->index(0, 0).data(PstTreeModel::FilePathRole).toString(), path);
        }
    }

    void openingRowShowsItAndClosingItCancels()
    {
        Tree tree;
        QSignalSpy failed(tree.controller, &PstTreeController::openPstFailed);
        tree.controller->openPstFile(m_mailbox);
        // The row is there at once, before the file is read.
        QCOMPARE(tree.view.model()->rowCount(), 1);
        QVERIFY(tree.view.model()->index(0, 0).data().toString().endsWith(QStringLiteral("(opening…)")));
        QVERIFY(QApplication::overrideCursor());
        tree.controller->closeDocument(tree.view.model()->index(0, 0));
        QCOMPARE(tree.view.model()->rowCount(), 0);
        QVERIFY(!tree.controller->isOpening());
        QVERIFY(!QApplication::overrideCursor());
        QTest::qWait(500);
        QCOMPARE(failed.count(), 0);
        QCOMPARE(tree.view.model()->rowCount(), 0);
    }

    void foldersComeBeforeTheirItems_data()
    {
        QTest::addColumn<bool>("closeOnceCounted");
        QTest::newRow("opened") << false;
        QTest::newRow("closed while reading items") << true;
    }

    // The tree shows the folders while their items are still being read; the
    // current folder's list comes when its items do, and closing the document
    // meanwhile cancels the rest.
    void foldersComeBeforeTheirItems()
    {
        QFETCH(bool, closeOnceCounted);
        Tree tree;
        QSignalSpy selected(tree.controller, &PstTreeController::folderSelected);
        QSignalSpy read(tree.controller, &PstTreeController::folderItemsRead);
        QSignalSpy failed(tree.controller, &PstTreeController::openPstFailed);
        QSignalSpy closing(tree.controller, &PstTreeController::documentClosing);
        QString inboxWhenShown;
        connect(tree.view.model(), &QAbstractItemModel::rowsInserted, this, [&](const QModelIndex& parent) {
            const QModelIndex inbox = findRow(&tree.view, QStringLiteral("Inbox"), parent);
            if (!parent.isValid() || !inboxWhenShown.isEmpty() || !inbox.isValid())
                return;
            inboxWhenShown = inbox.data().toString() + (tree.controller->isOpening() ? "" : " opened");
            tree.view.setCurrentIndex(inbox);
        });
        connect(tree.controller, &PstTreeController::folderItemsRead, this, [&](const ItemList& items) {
            if (closeOnceCounted && !items.isEmpty())
                tree.controller->closeDocument(tree.view.model()->index(0, 0));
        });
        QVERIFY(tree.open(m_mailbox));
        QCOMPARE(inboxWhenShown, QStringLiteral("Inbox (reading…)"));
        // Once counted, the current folder's items are read for the list.
        QTRY_COMPARE(read.size(), 1);
        QCOMPARE(selected.size(), 3);
        for (const auto& emitted : std::as_const(selected))
            QVERIFY(emitted.at(0).value<ItemList>().isEmpty());
        QCOMPARE(read.at(0).at(0).value<ItemList>().size(), 4);
        QTest::qWait(200);
        QCOMPARE(failed.count(), 0);
        QCOMPARE(closing.count(), closeOnceCounted ? 1 : 0);
        QCOMPARE(tree.view.model()->rowCount(), closeOnceCounted ? 0 : 1);
        if (!closeOnceCounted)
            QCOMPARE(findRow(&tree.view, QStringLiteral("Inbox")).data().toString(), QStringLiteral("Inbox (4 items)"));
    }

    // A folder is read again when chosen; its document closed meanwhile, the
    // list must not get the items.
    void folderReadOutlivingItsDocumentIsDropped()
    {
        Tree tree;
        QVERIFY(tree.open(m_mailbox));
        tree.view.expandAll();
        QSignalSpy selected(tree.controller, &PstTreeController::folderSelected);
        QSignalSpy read(tree.controller, &PstTreeController::folderItemsRead);
        emit tree.view.pressed(findRow(&tree.view, QStringLiteral("Inbox")));
        QVERIFY(tree.controller->isReadingFolder());
        // The read ends meanwhile; its result waits in the event queue.
        QThread::msleep(300);
        tree.controller->closeDocument(tree.view.model()->index(0, 0));
        QVERIFY(!tree.controller->isReadingFolder());
        QTest::qWait(200);
        for (const auto& emitted : std::as_const(selected))
            QVERIFY(emitted.at(0).value<ItemList>().isEmpty());
        QCOMPARE(read.count(), 0);
    }

    void contextMenuOnlyOnDocumentRows()
    {
        Tree tree;
        tree.controller->enableTreeViewMenu();
        QStringList texts;
        for (QAction* action : tree.controller->contextMenu()->actions())
            texts << action->text();
        QCOMPARE(texts, (QStringList{"Show in Folder", "", "Close File"}));
        QVERIFY(tree.open(m_mailbox));
        tree.view.expandAll();
        int shown = 0;
        auto closePopup = [&shown] {
            if (QWidget* popup = QApplication::activePopupWidget())
                ++shown, popup->close();
        };
        QTimer::singleShot(200, closePopup);
        emit tree.view.customContextMenuRequested(tree.view.visualRect(findRow(&tree.view, QStringLiteral("Inbox"))).center());
        QTest::qWait(300);
        QCOMPARE(shown, 0); // a folder offers no menu
        QTimer::singleShot(200, closePopup);
        emit tree.view.customContextMenuRequested(tree.view.visualRect(tree.view.model()->index(0, 0)).center());
        QCOMPARE(shown, 1);
        QCOMPARE(tree.view.model()->rowCount(), 1);
    }




    void modelRoles_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("expected"); // the start of the shown text
        QTest::newRow("mail sender") << "Inbox" << 0 << int(Qt::DisplayRole) << "Ada Lovelace";
        QTest::newRow("mail date") << "Inbox" << 0 << int(PstListModel::MailDateRole) << "2023/03/14";
        QTest::newRow("attachments") << "Inbox" << 0 << int(PstListModel::AttachmentRole) << "true";
        QTest::newRow("no attachments") << "Inbox" << 1 << int(PstListModel::AttachmentRole) << "false";
        QTest::newRow("open task") << "Tasks" << 0 << int(PstListModel::CompletedRole) << "false";
        QTest::newRow("task start") << "Tasks" << 0 << int(PstListModel::StartDateRole) << "Apr 01, 2023";
        QTest::newRow("done task") << "Tasks" << 1 << int(PstListModel::CompletedRole) << "true";
        QTest::newRow("appointment kind") << "Calendar" << 0 << int(PstListModel::TypeRole) << QString::number(Calendar);
        QTest::newRow("appointment length") << "Calendar" << 0 << int(PstListModel::DurationRole) << "1 h 30 m";
    }

    void modelRoles()
    {
        QFETCH(QString, folder);
        QFETCH(int, row);
        QFETCH(int, role);
        QFETCH(QString, expected);
        PstListModel model;
        model.setItems(folderItems(folder));
        const QString shown = model.index(row, 0).data(role).toString();
        QVERIFY2(shown.startsWith(expected), qPrintable(shown));
        QVERIFY(!model.index(model.rowCount(), 0).data().isValid());
    }

    // A draft has no date in its row: "No sent date" in German would be cut
    // to "Kein Sende…" in the date's room.
    void unsentMailShowsNoDateInItsRow()
    {
        PstListModel model;
        model.setItems({std::make_shared<PstMailItem>()});
        QCOMPARE(model.index(0, 0).data(PstListModel::MailDateRole).toString(), QString());
    }

    void rowsFollowTheViewportAndPaintTheSelection()
    {
        PSTListView view;
        PstListController list(&view);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const int frame = view.width() - view.viewport()->width();
        view.resize(400 + frame, 500);
        QCOMPARE(PstListViewDelegate(&view).sizeHint({}, {}), QSize(380, 60));
        QCOMPARE(PstListViewDelegate().sizeHint({}, {}), QSize(200, 60));
        list.setList(folderItems(QStringLiteral("Inbox")));
        QTRY_COMPARE(view.visualRect(view.model()->index(0, 0)).width(), 400);
        QCOMPARE(view.visualRect(view.model()->index(1, 0)).top(), 60);

        QVERIFY(clickRow(&view, 0));
        QTest::qWait(50);
        const QImage image = view.viewport()->grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        auto at = [&](int x, int y) { return image.pixelColor(QPoint(int(x * ratio), int(y * ratio))); };
        // Right of the text column, between the lines: the row's background.
        QCOMPARE(at(200, 2), QColor(QStringLiteral("#2a65d9")));
        QCOMPARE(at(200, 62), view.palette().color(QPalette::Base));
        // The white mail icon on the blue row.
        bool whiteIcon = false;
        for (int y = 12; y < 44; ++y) {
            for (int x = 8; x < 40; ++x)
                whiteIcon = whiteIcon || at(x, y) == QColor(Qt::white);
        }
        QVERIFY(whiteIcon);

        // The splitter narrows the pane: the rows narrow with it.
        view.resize(200 + frame, 500);
        QTRY_COMPARE(view.visualRect(view.model()->index(0, 0)).width(), 200);
        QCOMPARE(view.visualRect(view.model()->index(1, 0)).height(), 60);
    }

    void paintedRowKeepsSenderOffTheDateAndDropsLineBreaks()
    {
        const QImage image = paintMailRow(QStringLiteral("W").repeated(200), QString(), false);
        // Content 364 wide (8 padding each side), 70 % of it for the sender
        // box, which ends 23 pixels before that share does.
        const int senderRight = 8 + int((380 - 16) * 0.7) - 23;
        bool inkInSender = false;
        for (int x = 45; x < 380; ++x) {
            for (int y = 8; y < 28; ++y) {
                const bool ink = image.pixelColor(x, y) != QColor(Qt::white);
                QVERIFY2(!ink || x <= senderRight + 1, qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
                inkInSender = inkInSender || ink;
            }
        }
        QVERIFY(inkInSender);
        const QString broken = QStringLiteral("Line one\r\nLine two\n"), joined = QStringLiteral("Line oneLine two");
        QCOMPARE(paintMailRow("Ann", broken, true), paintMailRow("Ann", joined, true));
        QCOMPARE(paintMailRow("Ann", broken, true, true), paintMailRow("Ann", joined, true, true));
        QVERIFY(paintMailRow("Ann", broken, true) != paintMailRow("Ann", joined, true, true));
    }

    void infoBlocks_data()
    {
        QTest::addColumn<std::shared_ptr<PstItem>>("item");
        QTest::addColumn<QStringList>("blocks");
        const QString markup = QStringLiteral("<b>Bold</b> <img src=\"file:///etc/hostname\">");
        QTest::newRow("sections without values left out")
            << UiSamples::described("Jo Example", {{"Contact Name", {{"First Name", "Jo"}, {"Last Name", ""}}},
                                        {"Phone Numbers", {{"Business", ""}}},
                                        {"Email Addresses", {{"Email 1", "jo@example.org"}}}})
            << QStringList{"Contact Name: First Name=Jo", "Email Addresses: Email 1=jo@example.org"};
        QTest::newRow("empty caption") << UiSamples::described("Holder", {{"Notes", {{"", "Bring the slides."}}}})
                                       << QStringList{"Notes: =Bring the slides."};
        QTest::newRow("markup as text") << UiSamples::described(markup, {{"Notes", {{"Caption", "<i>value</i>"}}}})
                                        << QStringList{"Notes: Caption=<i>value</i>"};
        QTest::newRow("contact with first name and mobile")
            << item(m_root, "Contacts", 1) << QStringList{"Contact Name: First Name=Ivan", "Phone Numbers: Mobile=+7 555 0199"};
        QTest::newRow("note: its text") << item(m_root, "Notes", 0) << QStringList{"Notes: =Buy printer paper"};
    }

    void infoBlocks()
    {
        QFETCH(std::shared_ptr<PstItem>, item);
        QFETCH(QStringList, blocks);
        PstInfoView view;
        view.show();
        view.setData(UiDriver::item(m_root, QStringLiteral("Contacts"), 0));
        view.setData(item);
        auto* heading = view.findChild<QLabel*>(QStringLiteral("name"));
        QCOMPARE(heading->text(), item->displayName());
        QCOMPARE(blocksOf(view), blocks);
        // Heading, the new blocks and the spacer: none left from the contact.
        auto* layout = view.findChild<QVBoxLayout*>(QStringLiteral("verticalLayout"));
        QCOMPARE(layout->count(), blocks.size() + 2);
        QCOMPARE(layout->itemAt(0)->widget(), heading);
        QVERIFY(layout->itemAt(layout->count() - 1)->spacerItem());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(view.findChildren<PstInfoLabel*>().size(), blocks.size());
        for (QLabel* label : view.findChildren<QLabel*>())
            QVERIFY2(label->textFormat() == Qt::PlainText || label->objectName() == "labelTitle", qPrintable(label->text()));
        // No item: no blocks, the heading stays.
        view.setData(nullptr);
        QVERIFY(view.infoLabels().isEmpty());
        QCOMPARE(heading->text(), item->displayName());
    }


    void longNoteWrapsAndThePageScrolls()
    {
        PstInfoView view;
        view.resize(300, 200);
        view.show();
        QList<InfoField> many;
        for (int i = 0; i < 30; ++i)
            many.append({QStringLiteral("Row %1").arg(i), QStringLiteral("value")});
        view.setData(UiSamples::described("Long", {{"Notes", {{"", QStringLiteral("word ").repeated(200)}}}, {"Rows", many}}));
        auto* scroll = view.findChild<QScrollArea*>(QStringLiteral("scrollArea"));
        // Layouts settle through posted events; under load that takes a while.
        QTRY_VERIFY(scroll->verticalScrollBar()->maximum() > 0);
        QVERIFY(scroll->widget()->width() <= scroll->viewport()->width());
        QLabel* note = rowLabels(view.infoLabels().at(0)).last();
        QVERIFY(note->wordWrap());
        QTRY_VERIFY(note->height() > note->fontMetrics().height() * 3);
    }
};

LUMAROO_TEST_MAIN_AT_HOME(QApplication, PanesTest)

#include "tst_Panes.moc"
