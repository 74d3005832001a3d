// SPDX-License-Identifier: GPL-2.0-or-later
// The item list: replacing the list, announcing the chosen item through the
// proxy's mapping, search on names and subjects ignoring case, sorting by
// subject and back to the folder's order, and the painted rows.

#include "ListViewSortMenu.h"
#include "PSTListView.h"
#include "PstFolderItem.h"
#include "PstListController.h"
#include "PstListModel.h"
#include "PstListViewDelegate.h"
#include "PstParser.h"
#include "TestHome.h"
#include "UiDriver.h"
#include "UiSamples.h"

#include <QActionGroup>
#include <QApplication>
#include <QSignalSpy>
#include <QPainter>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>

using ItemList = QList<std::shared_ptr<PstItem>>;

class ItemListTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void identicalListKeepsSelectionAndSendsNothing();
    void newListAnnouncesNullFirst();
    void choosingARowAnnouncesItsItem();
    void searchIgnoresCaseAndMatchesNamesAndSubjects();
    void filteredRowMapsToItsSourceItem();
    void subjectSortDescendingAndBackToDefault();
    void sortMenuEnablesOrderOnlyWithAField();
    void modelRolesDescribeEachKind();
    void rowsHaveFixedHeightFromTheViewport();
    void rowsFollowTheViewportWhenItNarrows();
    void selectedMailRowIsPaintedBlue();
    void longSenderNeverReachesTheDate();
    void lineBreaksInSubjectsAreDropped();

private:
    ItemList folderItems(const QString& name) const;

    QTemporaryDir m_dir;
    std::shared_ptr<PstFolderItem> m_root;
    PSTListView* m_view = nullptr;
    PstListController* m_controller = nullptr;
};

namespace {

using UiDriver::findFolder;

QStringList shownTexts(const QAbstractItemModel* model, int role = Qt::DisplayRole)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, 0).data(role).toString();
    return texts;
}

} // namespace

void ItemListTest::initTestCase()
{
    const QString path = UiSamples::write(UiSamples::mailbox(), m_dir.path(), QStringLiteral("mailbox.pst"));
    PstParser parser;
    QVERIFY(parser.open(path));
    m_root = parser.parse(path);
    QVERIFY(m_root);
}

ItemList ItemListTest::folderItems(const QString& name) const
{
    auto folder = findFolder(m_root, name);
    return folder ? folder->items() : ItemList();
}

void ItemListTest::init()
{
    m_view = new PSTListView;
    m_view->resize(400, 500);
    m_controller = new PstListController(m_view, m_view);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
}

void ItemListTest::cleanup()
{
    delete m_view;
    m_view = nullptr;
}

void ItemListTest::identicalListKeepsSelectionAndSendsNothing()
{
    const ItemList inbox = folderItems(QStringLiteral("Inbox"));
    QCOMPARE(inbox.size(), 4);
    m_controller->setList(inbox);
    QVERIFY(UiDriver::clickRow(m_view, 1));
    QSignalSpy selected(m_controller, &PstListController::itemSelected);
    m_controller->setList(inbox);
    m_controller->setList(ItemList(inbox));
    QCOMPARE(selected.count(), 0);
    QCOMPARE(m_view->currentIndex().row(), 1);
    QVERIFY(m_view->selectionModel()->isRowSelected(1, {}));
}

void ItemListTest::newListAnnouncesNullFirst()
{
    m_controller->setList(folderItems(QStringLiteral("Inbox")));
    QSignalSpy selected(m_controller, &PstListController::itemSelected);
    m_controller->setList(folderItems(QStringLiteral("Contacts")));
    QCOMPARE(selected.count(), 1);
    QVERIFY(!selected.at(0).at(0).value<std::shared_ptr<PstItem>>());
    QCOMPARE(m_view->model()->rowCount(), 2);

    m_controller->setList({});
    QCOMPARE(selected.count(), 2);
    QVERIFY(m_controller->isEmpty());
    QCOMPARE(m_view->model()->rowCount(), 0);
}

void ItemListTest::choosingARowAnnouncesItsItem()
{
    const ItemList inbox = folderItems(QStringLiteral("Inbox"));
    m_controller->setList(inbox);
    QSignalSpy selected(m_controller, &PstListController::itemSelected);
    QVERIFY(UiDriver::clickRow(m_view, 2));
    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected.at(0).at(0).value<std::shared_ptr<PstItem>>(), inbox.at(2));
    // Clearing the selection announces nothing.
    m_view->clearSelection();
    QCOMPARE(selected.count(), 1);
}

void ItemListTest::searchIgnoresCaseAndMatchesNamesAndSubjects()
{
    m_controller->setList(folderItems(QStringLiteral("Inbox")));
    m_controller->filter(QStringLiteral("HOPP"));
    QCOMPARE(shownTexts(m_view->model()), QStringList{QStringLiteral("Grace Hopper")});
    // Inside a name, in any case.
    m_controller->filter(QStringLiteral("URIN"));
    QCOMPARE(shownTexts(m_view->model()), QStringList{QStringLiteral("alan turing")});
    // Subjects are searched too.
    m_controller->filter(QStringLiteral("Trajectory"));
    QCOMPARE(shownTexts(m_view->model()), QStringList{QStringLiteral("Katherine Johnson")});
    m_controller->filter(QString());
    QCOMPARE(m_view->model()->rowCount(), 4);
}

void ItemListTest::filteredRowMapsToItsSourceItem()
{
    const ItemList inbox = folderItems(QStringLiteral("Inbox"));
    m_controller->setList(inbox);
    // "ra" keeps Grace Hopper, alan turing ("draft") and Katherine Johnson ("Trajectory").
    m_controller->filter(QStringLiteral("ra"));
    QCOMPARE(m_view->model()->rowCount(), 3);
    QSignalSpy selected(m_controller, &PstListController::itemSelected);
    QVERIFY(UiDriver::clickRow(m_view, 2));
    QCOMPARE(selected.count(), 1);
    // The third shown row is the folder's fourth item.
    QCOMPARE(selected.at(0).at(0).value<std::shared_ptr<PstItem>>(), inbox.at(3));
}

void ItemListTest::subjectSortDescendingAndBackToDefault()
{
    const ItemList inbox = folderItems(QStringLiteral("Inbox"));
    m_controller->setList(inbox);
    const QStringList folderOrder = shownTexts(m_view->model(), PstListModel::SubjectRole);
    m_controller->sort(PstListController::SubjectField, PstListController::Descending);
    QCOMPARE(shownTexts(m_view->model(), PstListModel::SubjectRole),
             (QStringList{QStringLiteral("Trajectory figures"), QStringLiteral("Notes on the Analytical Engine"),
                          QStringLiteral("Morphogenesis draft"), QStringLiteral("Compiler meeting moved")}));
    m_controller->sort(PstListController::SubjectField, PstListController::Ascending);
    QCOMPARE(shownTexts(m_view->model(), PstListModel::SubjectRole).first(), QStringLiteral("Compiler meeting moved"));
    // Names sort without regard to case: "alan turing" among the capitals.
    m_controller->sort(PstListController::DisplayField, PstListController::Ascending);
    QCOMPARE(shownTexts(m_view->model()),
             (QStringList{QStringLiteral("Ada Lovelace"), QStringLiteral("alan turing"), QStringLiteral("Grace Hopper"),
                          QStringLiteral("Katherine Johnson")}));
    m_controller->sort(PstListController::DisplayField, PstListController::ModelOrder);
    QCOMPARE(shownTexts(m_view->model(), PstListModel::SubjectRole), folderOrder);
}

void ItemListTest::sortMenuEnablesOrderOnlyWithAField()
{
    ListViewSortMenu menu;
    QSignalSpy changed(&menu, &ListViewSortMenu::sortChanged);
    const QList<QAction*> actions = menu.actions();
    QCOMPARE(actions.size(), 5);
    QCOMPARE(actions.at(0)->text(), QStringLiteral("Default"));
    QVERIFY(actions.at(0)->isChecked());
    QCOMPARE(actions.at(3)->text(), QString::fromUtf8("A \u2192 Z"));
    QVERIFY(actions.at(3)->isChecked());
    QVERIFY(!menu.orderGroup()->isEnabled());

    actions.at(1)->trigger(); // Subject
    QVERIFY(menu.orderGroup()->isEnabled());
    actions.at(4)->trigger(); // Z → A
    QCOMPARE(changed.last(), (QList<QVariant>{QStringLiteral("subject"), QStringLiteral("desc")}));
    actions.at(0)->trigger(); // Default
    QVERIFY(!menu.orderGroup()->isEnabled());
    QCOMPARE(changed.last(), (QList<QVariant>{QStringLiteral("none"), QStringLiteral("desc")}));
    QCOMPARE(changed.count(), 3);
}

void ItemListTest::modelRolesDescribeEachKind()
{
    PstListModel model;
    model.setItems(folderItems(QStringLiteral("Inbox")) + folderItems(QStringLiteral("Tasks"))
                   + folderItems(QStringLiteral("Notes")) + folderItems(QStringLiteral("Calendar")));
    const QModelIndex mail = model.index(0, 0);
    QCOMPARE(mail.data(Qt::DisplayRole).toString(), QStringLiteral("Ada Lovelace"));
    QCOMPARE(mail.data(Qt::DecorationRole).toString(), QStringLiteral(":/img/contact@3x.png"));
    QCOMPARE(mail.data(PstListModel::TypeRole).toInt(), int(Mail));
    QCOMPARE(mail.data(PstListModel::MailDateRole).toString(), QStringLiteral("2023/03/14"));
    QCOMPARE(mail.data(PstListModel::AttachmentRole).toBool(), true);
    QCOMPARE(model.index(1, 0).data(PstListModel::AttachmentRole).toBool(), false);
    QVERIFY(!mail.data(261).isValid());
    QVERIFY(!mail.data(265).isValid());

    const QModelIndex openTask = model.index(4, 0);
    const QModelIndex doneTask = model.index(5, 0);
    QCOMPARE(openTask.data(PstListModel::TypeRole).toInt(), int(Task));
    QCOMPARE(openTask.data(PstListModel::CompletedRole).toBool(), false);
    QCOMPARE(doneTask.data(PstListModel::CompletedRole).toBool(), true);
    QVERIFY(openTask.data(PstListModel::StartDateRole).toString().startsWith(QStringLiteral("Apr 01, 2023")));

    QCOMPARE(model.index(6, 0).data(PstListModel::TypeRole).toInt(), int(Note));
    QCOMPARE(model.index(7, 0).data(PstListModel::TypeRole).toInt(), int(Calendar));
    QCOMPARE(model.index(7, 0).data(PstListModel::DurationRole).toString(), QStringLiteral("1h 30m"));
    QVERIFY(!model.index(8, 0).data(Qt::DisplayRole).isValid());
}

void ItemListTest::rowsHaveFixedHeightFromTheViewport()
{
    m_view->resize(400 + (m_view->width() - m_view->viewport()->width()), 500);
    QCOMPARE(m_view->viewport()->width(), 400);
    PstListViewDelegate delegate(m_view);
    QCOMPARE(delegate.sizeHint({}, {}), QSize(380, 60));
    PstListViewDelegate detached;
    QCOMPARE(detached.sizeHint({}, {}), QSize(200, 60));
    m_controller->setList(folderItems(QStringLiteral("Inbox")));
    QCOMPARE(m_view->visualRect(m_view->model()->index(1, 0)).top(), 60);
}

void ItemListTest::rowsFollowTheViewportWhenItNarrows()
{
    const int frame = m_view->width() - m_view->viewport()->width();
    m_view->resize(400 + frame, 500);
    m_controller->setList(folderItems(QStringLiteral("Inbox")));
    QTRY_COMPARE(m_view->visualRect(m_view->model()->index(0, 0)).width(), 400);
    // The splitter narrows the pane: the date column must stay in sight.
    m_view->resize(200 + frame, 500);
    QTRY_COMPARE(m_view->visualRect(m_view->model()->index(0, 0)).width(), 200);
    QCOMPARE(m_view->visualRect(m_view->model()->index(1, 0)).height(), 60);
}

void ItemListTest::selectedMailRowIsPaintedBlue()
{
    m_controller->setList(folderItems(QStringLiteral("Inbox")));
    QVERIFY(UiDriver::clickRow(m_view, 0));
    QTest::qWait(50);
    const QImage image = m_view->viewport()->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    // Right of the text column, between the lines: plain background.
    QCOMPARE(image.pixelColor(QPoint(int(200 * ratio), int(2 * ratio))), QColor(QStringLiteral("#2a65d9")));
    QCOMPARE(image.pixelColor(QPoint(int(200 * ratio), int(62 * ratio))), m_view->palette().color(QPalette::Base));
    // The white mail icon on the blue row: some pixel in the icon box is white.
    bool whiteIcon = false;
    for (int y = 12; y < 44 && !whiteIcon; ++y) {
        for (int x = 8; x < 40 && !whiteIcon; ++x)
            whiteIcon = image.pixelColor(QPoint(int(x * ratio), int(y * ratio))) == QColor(Qt::white);
    }
    QVERIFY(whiteIcon);
}

namespace {

// Paints one row of `model` 380 × 60 on white.
QImage paintRow(QStandardItemModel& model, bool selected = false)
{
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

QStandardItemModel* mailRow(const QString& sender, const QString& subject, const QString& date, bool attachment)
{
    auto* model = new QStandardItemModel(1, 1);
    QStandardItem* row = model->item(0, 0) ? model->item(0, 0) : new QStandardItem;
    row->setData(sender, Qt::DisplayRole);
    row->setData(int(Mail), PstListModel::TypeRole);
    row->setData(subject, PstListModel::SubjectRole);
    row->setData(date, PstListModel::MailDateRole);
    row->setData(attachment, PstListModel::AttachmentRole);
    model->setItem(0, 0, row);
    return model;
}

} // namespace

void ItemListTest::longSenderNeverReachesTheDate()
{
    std::unique_ptr<QStandardItemModel> model(mailRow(QStringLiteral("W").repeated(200), QString(), QString(), false));
    const QImage image = paintRow(*model);
    // Content 364 wide (8 padding each side), 70 % of it for the sender
    // box, which ends 23 pixels before that share does.
    const int contentWidth = 380 - 16;
    const int senderRight = 8 + int(contentWidth * 0.7) - 23;
    bool inkInSender = false;
    for (int x = 45; x <= senderRight && !inkInSender; ++x) {
        for (int y = 8; y < 28 && !inkInSender; ++y)
            inkInSender = image.pixelColor(x, y) != QColor(Qt::white);
    }
    QVERIFY(inkInSender);
    for (int x = senderRight + 2; x < 380; ++x) {
        for (int y = 8; y < 28; ++y)
            QVERIFY2(image.pixelColor(x, y) == QColor(Qt::white), qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
    }
}

void ItemListTest::lineBreaksInSubjectsAreDropped()
{
    std::unique_ptr<QStandardItemModel> broken(mailRow(QStringLiteral("Ann"), QStringLiteral("Line one\r\nLine two\n"),
                                                       QStringLiteral("2023/01/01"), true));
    std::unique_ptr<QStandardItemModel> joined(mailRow(QStringLiteral("Ann"), QStringLiteral("Line oneLine two"),
                                                       QStringLiteral("2023/01/01"), true));
    QCOMPARE(paintRow(*broken), paintRow(*joined));
    QCOMPARE(paintRow(*broken, true), paintRow(*joined, true));
    QVERIFY(paintRow(*broken) != paintRow(*joined, true));
}

int main(int argc, char* argv[])
{
    TestHome home;
    QApplication app(argc, argv);
    ItemListTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ItemList.moc"
