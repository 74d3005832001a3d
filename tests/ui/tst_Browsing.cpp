// SPDX-License-Identifier: GPL-2.0-or-later
// Browsing as desktop users expect: the list follows the tree's current row
// and the detail pane the list's, also from the keyboard; sorting by the
// locale and searching subjects and senders without regard to case or
// accents; internal folders behind a View menu toggle; attached mails opened
// in the mail view; save dialogs in the last save folder; the window staying
// on a small screen (the offscreen screen is 800 × 600).

#include "AppConfig.h"
#include "AttachmentMenu.h"
#include "DetailViewController.h"
#include "MailContentHandler.h"
#include "PSTListView.h"
#include "PSTTreeView.h"
#include "PstListController.h"
#include "PstListModel.h"
#include "PstMailItem.h"
#include "PstMailView.h"
#include "PstTreeController.h"
#include "PstTreeModel.h"
#include "PstTreeViewFilterModel.h"
#include "SaveDialog.h"
#include "TestHome.h"
#include "UiDriver.h"
#include "UiSamples.h"
#include "mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QtWebView>

class BrowsingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void keyboardMovesUpdateListAndPane();
    void sortsByLocaleIgnoringCaseWithNumbersInOrder();
    void search_data();
    void search();
    void hiddenFoldersShownOnRequest();
    void journalListedByItsStart();
    void attachedMailOpensInTheMailView();
    void saveDialogsStartInTheLastSaveFolder();
    void windowStaysOnASmallScreen_data();
    void windowStaysOnASmallScreen();

private:
    QStringList listTexts(int role) const;
    PSTTreeView* tree() const { return m_window->findChild<PSTTreeView*>(QStringLiteral("treeView")); }
    PSTListView* list() const { return m_window->findChild<PSTListView*>(QStringLiteral("listView")); }

    QTemporaryDir m_dir;
    QString m_path;
    MainWindow* m_window = nullptr;
};

namespace {

PstMessage mail(const QString& sender, const QString& address, const QString& subject)
{
    PstMessage message;
    message.senderName = sender;
    message.senderAddress = address;
    message.subject = subject;
    message.body = subject;
    message.sentTime = QDateTime(QDate(2024, 5, 6), QTime(7, 8), QTimeZone::utc());
    return message;
}

PstDescription sample()
{
    PstFolder inbox;
    inbox.name = QStringLiteral("Inbox");
    inbox.containerClass = QStringLiteral("IPF.Note");
    auto forwarded = std::make_shared<PstMessage>(mail(QStringLiteral("Inner Sender"), QStringLiteral("inner@example.org"),
                                                       QStringLiteral("The attached one")));
    PstMessage withAttachedMail = mail(QStringLiteral("Forwarder"), QStringLiteral("fwd@example.org"), QStringLiteral("Item 10"));
    PstAttachment attached;
    attached.embedded = forwarded;
    withAttachedMail.attachments = {attached};
    inbox.messages = {
        mail(QStringLiteral("Microsoft"), QStringLiteral("news@microsoft.example"), QStringLiteral("Microsoft update")),
        mail(QStringLiteral("Zoë Ångström"), QStringLiteral("zoe@example.org"), QStringLiteral("check results")),
        mail(QStringLiteral("Web Team"), QStringLiteral("web@example.org"), QStringLiteral("HTML newsletter")),
        withAttachedMail,
        mail(QStringLiteral("Numbers"), QStringLiteral("numbers@example.org"), QStringLiteral("Item 9")),
        mail(QStringLiteral("Baker"), QStringLiteral("baker@example.org"), QStringLiteral("Éclair recipe")),
    };
    PstFolder notes;
    notes.name = QStringLiteral("Notes");
    notes.containerClass = QStringLiteral("IPF.StickyNote");
    PstMessage note;
    note.kind = PstMessage::Kind::StickyNote;
    note.subject = QStringLiteral("Café opening hours");
    notes.messages = {note};
    PstFolder journal;
    journal.name = QStringLiteral("Journal");
    journal.containerClass = QStringLiteral("IPF.Journal");
    PstMessage call;
    call.kind = PstMessage::Kind::Journal;
    call.subject = QStringLiteral("Phone call");
    call.start = QDateTime(QDate(2024, 2, 3), QTime(10, 0), QTimeZone::utc());
    call.end = call.start.addSecs(600);
    journal.messages = {call};
    PstFolder reminders;
    reminders.name = QStringLiteral("Reminders");
    reminders.containerClass = QStringLiteral("Outlook.Reminder");
    PstDescription description;
    description.folders = {inbox, notes, journal, reminders};
    return description;
}

} // namespace

void BrowsingTest::initTestCase()
{
    m_path = UiSamples::write(sample(), m_dir.path(), QStringLiteral("browsing.pst"));
}

void BrowsingTest::init()
{
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->openFile(m_path);
    QTRY_VERIFY(!m_window->treeController()->isOpening());
    tree()->expandAll();
}

void BrowsingTest::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

QStringList BrowsingTest::listTexts(int role) const
{
    QStringList texts;
    for (int row = 0; row < list()->model()->rowCount(); ++row)
        texts << list()->model()->index(row, 0).data(role).toString();
    return texts;
}

void BrowsingTest::keyboardMovesUpdateListAndPane()
{
    tree()->setFocus();
    PstTreeController* controller = m_window->treeController();
    // Every key press moves the current row; the list shows that row's folder.
    for (int step = 0; step < 4; ++step) {
        QTest::keyClick(tree(), Qt::Key_Down);
        const QModelIndex source = controller->proxy()->mapToSource(tree()->currentIndex());
        auto* folder = dynamic_cast<PstFolderItem*>(PstTreeModel::itemFromIndex(source));
        QVERIFY(folder);
        QCOMPARE(m_window->listController()->items(), folder->items());
    }
    QVERIFY(UiDriver::pressFolder(tree(), QStringLiteral("Inbox")));
    list()->setFocus();
    for (int row = 0; row < 3; ++row) {
        QTest::keyClick(list(), row == 0 ? Qt::Key_Home : Qt::Key_Down);
        const std::shared_ptr<PstItem> shown = m_window->detailController()->currentItem();
        QVERIFY(shown);
        QCOMPARE(shown->subject(), list()->currentIndex().data(PstListModel::SubjectRole).toString());
        QCOMPARE(m_window->currentItem(), shown);
    }
}

void BrowsingTest::sortsByLocaleIgnoringCaseWithNumbersInOrder()
{
    QVERIFY(UiDriver::pressFolder(tree(), QStringLiteral("Inbox")));
    m_window->listController()->sort(PstListController::SubjectField, PstListController::Ascending);
    QCOMPARE(listTexts(PstListModel::SubjectRole),
             (QStringList{"check results", "Éclair recipe", "HTML newsletter", "Item 9", "Item 10", "Microsoft update"}));
}

void BrowsingTest::search_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("subjects");
    QTest::newRow("subject, other case") << "Inbox" << "CHECK" << QStringList{"check results"};
    QTest::newRow("subject without accent") << "Inbox" << "eclair" << QStringList{"Éclair recipe"};
    QTest::newRow("sender name without accents") << "Inbox" << "zoe angstrom" << QStringList{"check results"};
    QTest::newRow("sender address") << "Inbox" << "news@microsoft" << QStringList{"Microsoft update"};
    QTest::newRow("word in several subjects") << "Inbox" << "item" << QStringList{"Item 10", "Item 9"};
    QTest::newRow("body text is not searched") << "Inbox" << "nothing like this" << QStringList{};
    QTest::newRow("note by its name") << "Notes" << "CAFE" << QStringList{"Café opening hours"};
}

void BrowsingTest::search()
{
    QFETCH(QString, folder);
    QFETCH(QString, text);
    QFETCH(QStringList, subjects);
    QVERIFY(UiDriver::pressFolder(tree(), folder));
    QTest::keyClicks(m_window->findChild<QLineEdit*>(QStringLiteral("searchBox")), text);
    QCOMPARE(listTexts(PstListModel::SubjectRole), subjects);
}

void BrowsingTest::hiddenFoldersShownOnRequest()
{
    QVERIFY(!UiDriver::findRow(tree(), QStringLiteral("Reminders")).isValid());
    QVERIFY(UiDriver::findRow(tree(), QStringLiteral("Inbox")).isValid());
    auto* toggle = m_window->findChild<QAction*>(QStringLiteral("showHiddenFoldersAction"));
    QVERIFY(toggle);
    QVERIFY(toggle->isCheckable() && !toggle->isChecked());
    toggle->trigger();
    tree()->expandAll();
    QVERIFY(UiDriver::findRow(tree(), QStringLiteral("Reminders")).isValid());
    toggle->trigger();
    QVERIFY(!UiDriver::findRow(tree(), QStringLiteral("Reminders")).isValid());
}

void BrowsingTest::journalListedByItsStart()
{
    QVERIFY(UiDriver::pressFolder(tree(), QStringLiteral("Journal")));
    const QString date = listTexts(PstListModel::CreateDateRole).value(0);
    QVERIFY2(date.contains(QLatin1String("2024")) && !date.contains(QLatin1String("1970")), qPrintable(date));
}

void BrowsingTest::attachedMailOpensInTheMailView()
{
    QVERIFY(UiDriver::pressFolder(tree(), QStringLiteral("Inbox")));
    const int row = listTexts(PstListModel::SubjectRole).indexOf(QStringLiteral("Item 10"));
    QVERIFY(UiDriver::clickRow(list(), row));
    PstMailView* view = m_window->detailController()->mailView();
    QMenu* menu = view->attachmentMenu();
    QVERIFY(menu);
    QCOMPARE(menu->actions().size(), 1);
    QMenu* entry = menu->actions().first()->menu();
    QVERIFY(entry);
    QCOMPARE(entry->title(), QStringLiteral("The attached one"));
    entry->actions().first()->trigger(); // Open
    QTRY_COMPARE(m_window->detailController()->currentItem()->subject(), QStringLiteral("The attached one"));
    QCOMPARE(m_window->currentItem(), m_window->detailController()->currentItem()); // printed by the Print button
    QCOMPARE(m_window->detailController()->mailView()->findChild<QLabel*>(QStringLiteral("from"))->text(),
             QStringLiteral("Inner Sender"));
}

void BrowsingTest::saveDialogsStartInTheLastSaveFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(SaveDialog::proposedPath(QStringLiteral("a.txt")), QDir(documents).filePath(QStringLiteral("a.txt")));
    SaveDialog::remember(m_dir.filePath(QStringLiteral("saved.eml")));
    QCOMPARE(SaveDialog::proposedPath(QStringLiteral("b.txt")), m_dir.filePath(QStringLiteral("b.txt")));
    QCOMPARE(AppConfig::instance()->getLastSavePath(), m_dir.path());
    AppConfig::instance()->setLastSavePath(documents);
}

void BrowsingTest::windowStaysOnASmallScreen_data()
{
    QTest::addColumn<QPoint>("homePosition");
    QTest::newRow("top left") << QPoint(0, 0);
    QTest::newRow("near the bottom right") << QPoint(500, 400);
    QTest::newRow("partly off the left") << QPoint(-200, -100);
}

void BrowsingTest::windowStaysOnASmallScreen()
{
    QFETCH(QPoint, homePosition);
    // A fresh window on the home page, placed, then growing for a document.
    delete m_window;
    m_window = new MainWindow;
    m_window->move(homePosition);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->openFile(m_path);
    const QRect available = m_window->screen()->availableGeometry();
    QVERIFY2(available.contains(m_window->frameGeometry()),
             qPrintable(QStringLiteral("%1,%2 %3x%4").arg(m_window->frameGeometry().x()).arg(m_window->frameGeometry().y())
                            .arg(m_window->frameGeometry().width()).arg(m_window->frameGeometry().height())));
}

int main(int argc, char* argv[])
{
    TestHome home;
    qputenv("QT_WEBVIEW_PLUGIN", "webengine");
    MailContentHandler::registerScheme();
    QtWebView::initialize();
    QApplication app(argc, argv);
    BrowsingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_Browsing.moc"
