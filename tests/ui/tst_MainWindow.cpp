// SPDX-License-Identifier: GPL-2.0-or-later
// The main window as a user works it: pages and sizes as documents open and
// close, the open dialog, drag and drop, the list following the tree's
// current row and the detail pane the list's (mouse and keyboard), search
// and the sort menu, the pane-hide buttons, the alerts, the menus and the
// language switch; and the program started with files on its command line.

#include "AppConfig.h"
#include "AppMenu.h"
#include "About.h"
#include "DetailViewController.h"
#include "ElidedLabel.h"
#include "GLanguage.h"
#include "IMVLanguageMgr.h"
#include "RecentFilesMenu.h"
#include "ListViewSortMenu.h"
#include "MultiLanguage.h"
#include "NativeMessageBox.h"
#include "PSTListView.h"
#include "PSTStackedWidget.h"
#include "PSTTreeView.h"
#include "PstExportDialog.h"
#include "PstInfoLabel.h"
#include "PstInfoView.h"
#include "PstListController.h"
#include "PstListModel.h"
#include "PstMailView.h"
#include "PstTreeController.h"
#include "PstTreeModel.h"
#include "PstTreeViewFilterModel.h"
#include "SaveDialog.h"
#include "TestData.h"
#include "TestHome.h"
#include "UiDriver.h"
#include "UiSamples.h"
#include "UpdateCheckResult.h"
#include "UserFolders.h"
#include "UserGuideWindow.h"
#include "mainwindow.h"

#include <QtTest>
#include <cmath>
#include <QtWidgets>

using namespace UiDriver;

namespace {

QStringList menuTitles(MainWindow* window)
{
    QStringList titles;
    for (QAction* action : window->menuBar()->actions())
        titles << action->text();
    return titles;
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private:
    template<typename T> T* child(const char* name) const { return namedChild<T>(m_window, name); }
    PSTTreeView* tree() const { return child<PSTTreeView>("treeView"); }
    PSTListView* list() const { return child<PSTListView>("listView"); }
    QWidget* page() const { return child<QStackedWidget>("stackedWidget")->currentWidget(); }
    QWidget* detail() const { return child<PSTStackedWidget>("stackedWidget_2")->currentWidget(); }
    bool open(const QString& path)
    {
        m_window->openFile(path);
        return QTest::qWaitFor([this] { return !m_window->treeController()->isOpening(); }, 60000);
    }
    bool activate()
    {
        m_window->activateWindow();
        return QTest::qWaitForWindowActive(m_window);
    }

    // WCAG contrast of the text drawn on `widget` against its background:
    // the most common colour is the background, the colour farthest from it
    // the text. {ratio, background luminance}.
    static std::pair<double, double> contrastOf(QWidget* widget, const QRect& area = QRect())
    {
        // As the window shows it, with what its parents paint behind it.
        QWidget* window = widget->window();
        const QRect shown = area.isValid() ? area : widget->rect();
        const QImage image = window->grab(QRect(widget->mapTo(window, shown.topLeft()), shown.size())).toImage();
        QHash<QRgb, int> counts;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ++counts[image.pixel(x, y) & 0xFFFFFF];
        const auto luminance = [](QRgb rgb) {
            const auto channel = [](int v) {
                const double c = v / 255.0;
                return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
        };
        QRgb background = 0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            background = it.value() > counts.value(background) ? it.key() : background;
        const double b = luminance(background);
        double best = 1.0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
            const double t = luminance(it.key());
            best = std::max(best, (std::max(t, b) + 0.05) / (std::min(t, b) + 0.05));
        }
        return {best, b};
    }

    static QStringList actionTexts(const QMenu* menu)
    {
        QStringList texts;
        for (const QAction* action : menu->actions())
            texts << action->text();
        return texts;
    }
    // Triggers the sort menu's entries with these data, in order.
    static bool choose(ListViewSortMenu* menu, const QStringList& choices)
    {
        for (const QString& choice : choices) {
            QAction* entry = nullptr;
            for (QAction* action : menu->actions())
                entry = action->data().toString() == choice ? action : entry;
            if (!entry)
                return false;
            entry->trigger();
        }
        return true;
    }
    // Mails with distinct dates, senders, sizes and subjects, and a folder of several kinds.
    QString sortable()
    {
        const QString path = m_dir.filePath(QStringLiteral("sortable.pst"));
        if (QFile::exists(path))
            return path;
        auto mail = [](const char* subject, const char* sender, int year, int bodySize) {
            PstMessage m;
            m.subject = QString::fromLatin1(subject);
            m.senderName = QString::fromLatin1(sender);
            m.senderAddress = m.senderName.toLower() + QStringLiteral("@example.org");
            m.sentTime = QDateTime(QDate(year, 3, 1), QTime(9, 0), Qt::UTC);
            m.deliveryTime = m.sentTime;
            m.body = QString(bodySize, QLatin1Char('x'));
            return m;
        };
        PstMessage appointment;
        appointment.kind = PstMessage::Kind::Appointment;
        appointment.subject = QStringLiteral("appointment");
        appointment.start = QDateTime(QDate(2023, 1, 1), QTime(9, 0), Qt::UTC);
        appointment.end = appointment.start.addSecs(3600);
        PstMessage task;
        task.kind = PstMessage::Kind::Task;
        task.subject = QStringLiteral("task");
        task.taskStart = QDateTime(QDate(2019, 1, 1), QTime(9, 0), Qt::UTC);
        PstDescription description;
        description.folders = {
            {QStringLiteral("Mails"), QStringLiteral("IPF.Note"),
             {mail("b-old", "Zoe", 2020, 4000), mail("a-new", "Bob", 2022, 100), mail("c-mid", "Amy", 2021, 20000)}, {}},
            {QStringLiteral("Mixed"), QStringLiteral("IPF.Note"), {task, mail("mail", "Ann", 2021, 10), appointment}, {}}};
        return UiSamples::write(description, m_dir.path(), QStringLiteral("sortable.pst"));
    }

    QTemporaryDir m_dir;
    QString m_mailbox;
    QString m_browsing;
    MainWindow* m_window = nullptr;

    static void forgetWindowState()
    {
        for (const char* key : {"Window/geometry", "Window/splitter", "Window/showHiddenFolders", "Window/sort"})
            AppConfig::instance()->setValue(QLatin1String(key), QVariant());
        AppConfig::instance()->setRecentFiles({});
    }

    void newWindow()
    {
        delete m_window;
        m_window = new MainWindow;
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(TestData::available(), "the shared PST test files are missing");
        m_mailbox = UiSamples::write(UiSamples::mailbox(), m_dir.path(), QStringLiteral("mailbox.pst"));
        m_browsing = UiSamples::write(UiSamples::browsing(), m_dir.path(), QStringLiteral("browsing.pst"));
    }

    void init()
    {
        MultiLanguage::instance()->languageSwitch(MultiLanguage::English);
        AppConfig::instance()->setLanguageVal(MultiLanguage::English);
        forgetWindowState();
        newWindow();
    }

    void cleanup()
    {
        delete m_window;
        m_window = nullptr;
    }

    void startsAtHomeAndGrowsOnceForTheFirstDocument()
    {
        QCOMPARE(page(), child<QWidget>("homePage"));
        QCOMPARE(m_window->size(), QSize(860, 600));
        QCOMPARE(m_window->minimumSize(), QSize(860, 600));
        QVERIFY(!child<QToolButton>("printBtn")->isEnabled());
        // With no earlier file, the start page says where a sample mailbox comes from.
        QVERIFY(child<QLabel>("sampleHint")->isVisible());
        QVERIFY(child<QLabel>("sampleHint")->text().contains(QLatin1String("./scripts/run.sh")));

        QSignalSpy resize(m_window, &MainWindow::sizeChangeRequested);
        QVERIFY(open(m_mailbox));
        QCOMPARE(page(), child<QWidget>("mainPage"));
        QCOMPARE(resize.count(), 1);
        QCOMPARE(resize.at(0), (QList<QVariant>{1024, 768}));
        QCOMPARE(m_window->size(), QSize(1024, 768));
        // The larger window's width goes to the detail pane.
        QTRY_COMPARE(child<QSplitter>("splitter")->sizes(), (QList<int>{260, 290, 1024 - 550}));
        const QString copy = m_dir.filePath(QStringLiteral("copy.pst"));
        QVERIFY(QFile::exists(copy) || QFile::copy(m_mailbox, copy));
        QVERIFY(open(copy));
        QCOMPARE(resize.count(), 1);
        QCOMPARE(tree()->model()->rowCount(), 2);
    }

    void openDialogOpensEveryChosenFileAndRemembersTheFolder()
    {
        QTemporaryDir other;
        const QString first = UiSamples::write(UiSamples::mailbox(), other.path(), QStringLiteral("first.pst"));
        QFile::copy(m_mailbox, QDir(other.path()).filePath(QStringLiteral("second.pst")));
        bool dialogSeen = false;
        QTimer::singleShot(300, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            dialogSeen = dialog->windowTitle() == QStringLiteral("Select File") && dialog->fileMode() == QFileDialog::ExistingFiles
                && dialog->nameFilters().contains(QStringLiteral("Outlook Data Files (*.pst *.ost)"));
            dialog->setDirectory(other.path());
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("\"first.pst\" \"second.pst\""));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        QTest::mouseClick(child<QPushButton>("btnOpenFile"), Qt::LeftButton);
        QVERIFY2(dialogSeen, "the open dialog did not show as expected");
        QCOMPARE(tree()->model()->rowCount(), 2);
        QCOMPARE(tree()->model()->index(0, 0).data(PstTreeModel::FilePathRole).toString(), first);
        QCOMPARE(AppConfig::instance()->getLastOpenPath(), QDir(other.path()).absolutePath());
    }

    void cancelledOpenDialogChangesNothing()
    {
        AppConfig::instance()->setLastOpenPath(m_dir.path());
        QTimer::singleShot(300, this, [] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        m_window->fileMenu()->actions().first()->trigger();
        QCOMPARE(tree()->model()->rowCount(), 0);
        QCOMPARE(AppConfig::instance()->getLastOpenPath(), m_dir.path());
        QCOMPARE(page(), child<QWidget>("homePage"));
    }

    void drop_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("opened");
        QTest::newRow("PST and OST files among others")
            << QStringList{"readme.txt", "mailbox.pst.bak", "UPPER.PST", "offline.ost", "https://example.org/a.pst"}
            << QStringList{"UPPER.PST", "offline.ost"};
        QTest::newRow("no PST file") << QStringList{"refused.pst.bak"} << QStringList{};
    }

    void drop()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, opened);
        QList<QUrl> urls;
        for (const QString& file : files) {
            QFile::copy(m_mailbox, m_dir.filePath(file));
            urls << (file.startsWith("https:") ? QUrl(file) : QUrl::fromLocalFile(m_dir.filePath(file)));
        }
        const auto [entered, dropped] = dragAndDrop(child<QWidget>("homePage"), urls);
        QCOMPARE(entered, !opened.isEmpty());
        QStringList paths;
        for (int row = 0; row < tree()->model()->rowCount(); ++row)
            paths << QFileInfo(tree()->model()->index(row, 0).data(PstTreeModel::FilePathRole).toString()).fileName();
        QCOMPARE(paths, opened);
        QCOMPARE(page(), child<QWidget>(opened.isEmpty() ? "homePage" : "mainPage"));
        if (!opened.isEmpty()) {
            // The tree takes drops too, once the browsing page shows.
            QVERIFY(dropped);
            dragAndDrop(tree(), {QUrl::fromLocalFile(m_mailbox)});
            QCOMPARE(tree()->model()->rowCount(), 3);
        }
    }

    void detailPaneAndPrintButtonFollowTheChoiceAndClosing()
    {
        QVERIFY(open(m_mailbox));
        QVERIFY(open(TestData::pst(QStringLiteral("hughbe__PstReader__hughbe_hughbe_Outlook.pst"))));
        auto* print = child<QToolButton>("printBtn");
        QVERIFY(pressFolder(tree(), QStringLiteral("Contacts")));
        QVERIFY(!print->isEnabled());
        {
            QSignalSpy chosen(m_window->listController(), &PstListController::itemSelected);
            QVERIFY(clickRow(list(), 0));
            QVERIFY(print->isEnabled());
            QCOMPARE(detail(), static_cast<QWidget*>(m_window->detailController()->infoView()));
            // The chosen item is announced once; a cleared selection announces nothing.
            list()->clearSelection();
            QCOMPARE(chosen.count(), 1);
            QCOMPARE(m_window->currentItem(), chosen.first().first().value<std::shared_ptr<PstItem>>());
        }
        // Another folder empties the pane.
        QVERIFY(pressFolder(tree(), QStringLiteral("Calendar")));
        QVERIFY(!print->isEnabled());
        QVERIFY(!m_window->currentItem());
        QCOMPARE(detail(), child<QWidget>("blankPage"));

        QVERIFY(pressFolder(tree(), QStringLiteral("Inbox")));
        QVERIFY(clickRow(list(), 0));
        QCOMPARE(detail(), static_cast<QWidget*>(m_window->detailController()->mailView()));
        std::weak_ptr<PstItem> shownMail = m_window->currentItem();
        // Closing another document keeps the list and the pane.
        m_window->treeController()->closeDocument(tree()->model()->index(1, 0));
        QCOMPARE(list()->model()->rowCount(), 4);
        QCOMPARE(m_window->currentItem(), shownMail.lock());
        QSignalSpy resize(m_window, &MainWindow::sizeChangeRequested);
        m_window->treeController()->closeDocument(tree()->model()->index(0, 0));
        QCOMPARE(list()->model()->rowCount(), 0);
        QCOMPARE(detail(), child<QWidget>("blankPage"));
        QVERIFY(!print->isEnabled());
        QVERIFY(!m_window->detailController()->currentItem());
        QVERIFY2(shownMail.expired(), "nothing may keep the closed document's mail alive");
        QCOMPARE(page(), child<QWidget>("homePage"));
        // The window the user sized stays as it is.
        QCOMPARE(resize.count(), 0);
        QCOMPARE(m_window->size(), QSize(1024, 768));
    }

    void keyboardMovesUpdateListAndPane()
    {
        QVERIFY(open(m_browsing));
        tree()->expandAll();
        tree()->setFocus();
        // Every key press moves the current row; the list shows that row's folder.
        for (int step = 0; step < 4; ++step) {
            QTest::keyClick(tree(), Qt::Key_Down);
            const QModelIndex source = m_window->treeController()->proxy()->mapToSource(tree()->currentIndex());
            auto* folder = dynamic_cast<PstFolderItem*>(PstTreeModel::itemFromIndex(source));
            QVERIFY(folder);
            QCOMPARE(m_window->listController()->items(), folder->items());
        }
        QVERIFY(pressFolder(tree(), QStringLiteral("Inbox")));
        list()->setFocus();
        for (int row = 0; row < 3; ++row) {
            QTest::keyClick(list(), row == 0 ? Qt::Key_Home : Qt::Key_Down);
            const std::shared_ptr<PstItem> shown = m_window->detailController()->currentItem();
            QVERIFY(shown);
            QCOMPARE(shown->subject(), list()->currentIndex().data(PstListModel::SubjectRole).toString());
            QCOMPARE(m_window->currentItem(), shown);
        }
    }

    void search_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("subjects");
        QTest::newRow("subject, other case") << "Inbox" << "CHECK" << QStringList{"check results"};
        QTest::newRow("subject without accent") << "Inbox" << "eclair" << QStringList{"Éclair recipe"};
        QTest::newRow("inside a sender name") << "Inbox" << "EB TE" << QStringList{"HTML newsletter"};
        QTest::newRow("sender name without accents") << "Inbox" << "zoe angstrom" << QStringList{"check results"};
        QTest::newRow("sender address") << "Inbox" << "news@microsoft" << QStringList{"Microsoft update"};
        QTest::newRow("word in several subjects") << "Inbox" << "item" << QStringList{"Item 10", "Item 9"};
        QTest::newRow("body text is not searched") << "Inbox" << "nothing like this" << QStringList{};
        QTest::newRow("note by its name") << "Notes" << "CAFE" << QStringList{"Café opening hours"};
    }

    void search()
    {
        QFETCH(QString, folder);
        QFETCH(QString, text);
        QFETCH(QStringList, subjects);
        QVERIFY(open(m_browsing));
        QVERIFY(pressFolder(tree(), folder));
        auto* searchBox = child<QLineEdit>("searchBox");
        QTest::keyClicks(searchBox, text);
        QCOMPARE(texts(list()->model(), PstListModel::SubjectRole), subjects);
        // A shown row stands for its own item, not the folder's row of that number.
        QVERIFY(subjects.isEmpty() || clickRow(list(), subjects.size() - 1));
        QVERIFY(subjects.isEmpty() || m_window->currentItem()->subject() == subjects.last());
        // Another folder clears the search and shows all its items.
        QVERIFY(pressFolder(tree(), folder == "Inbox" ? QStringLiteral("Notes") : QStringLiteral("Inbox")));
        QVERIFY(searchBox->text().isEmpty());
        QCOMPARE(list()->model()->rowCount(), folder == "Inbox" ? 1 : 6);
    }

    void titleRecentFilesAndStateLastAcrossARestart()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Lumaroo"));
        QVERIFY(!m_window->closeAction()->isEnabled());
        const QString gone = m_dir.filePath(QStringLiteral("gone soon.pst"));
        QVERIFY(QFile::copy(m_mailbox, gone));
        QVERIFY(open(gone));
        QVERIFY(open(m_mailbox));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("gone soon.pst \u2014 Lumaroo"));
        tree()->setCurrentIndex(tree()->model()->index(1, 0));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("mailbox.pst \u2014 Lumaroo"));
        QVERIFY(m_window->closeAction()->isEnabled());
        m_window->recentMenu()->refresh();
        QCOMPARE(actionTexts(m_window->recentMenu()), (QStringList{"&1 mailbox.pst", "&2 gone soon.pst"}));
        // What the user set up: size, pane widths, hidden folders, sort.
        m_window->resize(900, 700);
        child<QSplitter>("splitter")->setSizes({200, 310, 390});
        const QList<int> panes = child<QSplitter>("splitter")->sizes();
        m_window->findChild<QAction*>(QStringLiteral("showHiddenFoldersAction"))->setChecked(true);
        QVERIFY(choose(m_window->sortMenu(), {"date", "desc"}));
        m_window->saveWindowState();

        QVERIFY(QFile::remove(gone));
        newWindow();
        QCOMPARE(m_window->size(), QSize(900, 700));
        // Someone who has opened files before needs no word on the sample mailbox.
        QVERIFY(!child<QLabel>("sampleHint")->isVisible());
        QVERIFY(m_window->findChild<QAction*>(QStringLiteral("showHiddenFoldersAction"))->isChecked());
        QCOMPARE(m_window->sortMenu()->choice(), QStringLiteral("date desc"));
        // A file that is gone leaves the list.
        m_window->recentMenu()->refresh();
        QCOMPARE(actionTexts(m_window->recentMenu()), QStringList{"&1 mailbox.pst"});
        QCOMPARE(AppConfig::instance()->recentFiles(), QStringList{m_mailbox});
        m_window->recentMenu()->actions().first()->trigger();
        QVERIFY(QTest::qWaitFor([this] { return !m_window->treeController()->isOpening(); }, 60000));
        QCOMPARE(tree()->model()->rowCount(), 1);
        QCOMPARE(m_window->size(), QSize(900, 700));
        QTRY_COMPARE(child<QSplitter>("splitter")->sizes(), panes);
        // File ▸ Close closes it; the window keeps its size.
        m_window->closeAction()->trigger();
        QCOMPARE(tree()->model()->rowCount(), 0);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Lumaroo"));
        QVERIFY(!m_window->closeAction()->isEnabled());
        QCOMPARE(m_window->size(), QSize(900, 700));
        forgetWindowState();
    }

    // A dark desktop palette: the tree, the mail header and the information
    // view take their colours from it and stay readable.
    void darkPaletteKeepsTextReadable()
    {
        const QPalette light = QApplication::palette();
        QApplication::setPalette(darkPalette());
        newWindow();
        QVERIFY(open(m_mailbox));
        QVERIFY(pressFolder(tree(), QStringLiteral("Inbox")));
        QVERIFY(clickRow(list(), 0));
        QStringList failures;
        const auto check = [&failures](const QString& what, QWidget* widget, const QRect& area = QRect()) {
            auto* label = qobject_cast<QLabel*>(widget);
            if (!widget->isVisible() || (label && label->text().isEmpty()))
                return;
            const auto [ratio, background] = contrastOf(widget, area);
            if (ratio < 4.5 || background > 0.2)
                failures << QStringLiteral("%1: contrast %2, background luminance %3").arg(what).arg(ratio).arg(background);
        };
        // A row that is not chosen: the chosen one has the theme's own selection colours.
        const QModelIndex contacts = findRow(tree(), QStringLiteral("Contacts"));
        check("tree row", tree()->viewport(), tree()->visualRect(contacts));
        PstMailView* mail = m_window->detailController()->mailView();
        for (const char* name : {"from", "fromLabel", "dateLabel", "toLabel", "subjectLabel"})
            check(QLatin1String(name), mail->findChild<QLabel*>(QLatin1String(name)));
        QVERIFY(pressFolder(tree(), QStringLiteral("Contacts")));
        QVERIFY(clickRow(list(), 0));
        PstInfoView* info = m_window->detailController()->infoView();
        check("info heading", info->findChild<QLabel*>(QStringLiteral("name")));
        for (PstInfoLabel* block : info->infoLabels()) {
            for (QLabel* label : block->findChildren<QLabel*>())
                check(block->labelTitle() + ": " + label->text(), label);
        }
        QApplication::setPalette(light);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
    }

    void sortMenu_data()
    {
        QTest::addColumn<QStringList>("choices"); // the entries' data: none, subject, date, ..., asc, desc
        QTest::addColumn<QStringList>("subjects");
        // Descending is the reverse for every field (sortByEveryField).
        QTest::newRow("subject A to Z") << QStringList{"subject"}
            << QStringList{"check results", "Éclair recipe", "HTML newsletter", "Item 9", "Item 10", "Microsoft update"};
        QTest::newRow("back to the folder's order")
            << QStringList{"subject", "desc", "none"}
            << QStringList{"Microsoft update", "check results", "HTML newsletter", "Item 10", "Item 9", "Éclair recipe"};
    }

    void sortMenu()
    {
        QFETCH(QStringList, choices);
        QFETCH(QStringList, subjects);
        auto* sortButton = child<QPushButton>("btnSortBy");
        ListViewSortMenu* menu = m_window->sortMenu();
        // With an empty list the button opens nothing.
        QTest::mouseClick(sortButton, Qt::LeftButton);
        QVERIFY(!menu->isVisible());
        QVERIFY(open(m_browsing));
        QVERIFY(pressFolder(tree(), QStringLiteral("Inbox")));
        QTest::mouseClick(sortButton, Qt::LeftButton);
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->width(), sortButton->width());
        menu->close();
        QVERIFY(choose(menu, choices));
        QCOMPARE(texts(list()->model(), PstListModel::SubjectRole), subjects);
        QCOMPARE(menu->orderGroup()->isEnabled(), choices.last() != "none");
    }

    // Every field sorts every kind both ways: a folder of mails and one of
    // items of several kinds, each with its own date, sender, size and subject.
    void sortByEveryField_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QStringList>("ascending"); // subjects
        const QStringList mails{"b-old", "c-mid", "a-new"}; // sent 2020, 2021, 2022
        QTest::newRow("mails by date") << "Mails" << "date" << mails;
        QTest::newRow("mails by sender") << "Mails" << "sender" << QStringList{"c-mid", "a-new", "b-old"};
        QTest::newRow("mails by subject") << "Mails" << "subject" << QStringList{"a-new", "b-old", "c-mid"};
        QTest::newRow("mails by size") << "Mails" << "size" << QStringList{"a-new", "b-old", "c-mid"};
        QTest::newRow("kinds by kind") << "Mixed" << "kind" << QStringList{"mail", "appointment", "task"};
        QTest::newRow("kinds by date") << "Mixed" << "date" << QStringList{"task", "mail", "appointment"};
        QTest::newRow("kinds by subject") << "Mixed" << "subject" << QStringList{"appointment", "mail", "task"};
    }

    void sortByEveryField()
    {
        QFETCH(QString, folder);
        QFETCH(QString, field);
        QFETCH(QStringList, ascending);
        QVERIFY(open(sortable()));
        QVERIFY(pressFolder(tree(), folder));
        ListViewSortMenu* menu = m_window->sortMenu();
        QVERIFY(choose(menu, {field, "asc"}));
        QCOMPARE(texts(list()->model(), PstListModel::SubjectRole), ascending);
        QVERIFY(choose(menu, {"desc"}));
        QStringList descending = ascending;
        std::reverse(descending.begin(), descending.end());
        QCOMPARE(texts(list()->model(), PstListModel::SubjectRole), descending);
        QVERIFY(choose(menu, {"none"}));
    }

    void hidingPanesGivesTheirWidthToTheDetailPane()
    {
        QVERIFY(open(m_mailbox));
        auto* splitter = child<QSplitter>("splitter");
        auto* treeButton = child<QToolButton>("btnTreeHide");
        auto* listButton = child<QToolButton>("btnItemHide");
        auto x = [this](QWidget* widget) { return widget->mapTo(m_window, QPoint()).x(); };
        // The buttons start at the item list's left edge.
        QTRY_COMPARE(x(treeButton), x(list()));
        const QList<int> before = splitter->sizes();
        QTest::mouseClick(listButton, Qt::LeftButton);
        QCOMPARE(splitter->sizes(), (QList<int>{before.at(0), 0, before.at(2) + before.at(1)}));
        // With the list hidden they start at the detail pane's left edge.
        QTRY_COMPARE(x(treeButton), x(child<PSTStackedWidget>("stackedWidget_2")));
        QTest::mouseClick(treeButton, Qt::LeftButton);
        QCOMPARE(splitter->sizes(), (QList<int>{0, 0, before.at(0) + before.at(1) + before.at(2)}));
        // With both hidden, never closer than 142 pixels before the search box.
        QTRY_VERIFY(x(treeButton) <= x(child<QLineEdit>("searchBox")) - 142);
        QTest::mouseClick(treeButton, Qt::LeftButton);
        QTest::mouseClick(listButton, Qt::LeftButton);
        QCOMPARE(splitter->sizes(), before);
    }

    void convertAndExportOpenTheDialogOnTheDocument_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::newRow("convert") << "convertBtn" << "Convert";
        QTest::newRow("export") << "exportBtn" << "Export";
    }

    void convertAndExportOpenTheDialogOnTheDocument()
    {
        QFETCH(QString, button);
        QFETCH(QString, title);
        QVERIFY(open(m_mailbox));
        QTest::mouseClick(child<QToolButton>(button.toLatin1().constData()), Qt::LeftButton);
        QPointer<PstExportDialog> dialog = m_window->findChild<PstExportDialog*>();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), title);
        const QModelIndex document = dialog->findChild<QTreeView*>(QStringLiteral("treeView"))->model()->index(0, 0);
        QCOMPARE(document.data().toString(), m_window->treeController()->pstRootNode()->displayName());
        dialog->close();
        QTRY_VERIFY(dialog.isNull());
    }

    void hiddenFoldersAndTheJournalsStart()
    {
        QVERIFY(open(m_browsing));
        tree()->expandAll();
        QVERIFY(!findRow(tree(), QStringLiteral("Reminders")).isValid());
        auto* toggle = m_window->findChild<QAction*>(QStringLiteral("showHiddenFoldersAction"));
        QVERIFY(toggle && toggle->isCheckable() && !toggle->isChecked());
        toggle->trigger();
        tree()->expandAll();
        QVERIFY(findRow(tree(), QStringLiteral("Reminders")).isValid());
        toggle->trigger();
        QVERIFY(!findRow(tree(), QStringLiteral("Reminders")).isValid());
        // A journal entry without a creation time is listed by its start.
        QVERIFY(pressFolder(tree(), QStringLiteral("Journal")));
        const QString date = texts(list()->model(), PstListModel::CreateDateRole).value(0);
        QVERIFY2(date.contains(QLatin1String("2024")), qPrintable(date));
    }

    void attachedMailOpensInTheMailView()
    {
        QVERIFY(open(m_browsing));
        QVERIFY(pressFolder(tree(), QStringLiteral("Inbox")));
        QVERIFY(clickRow(list(), texts(list()->model(), PstListModel::SubjectRole).indexOf(QStringLiteral("Item 10"))));
        QMenu* menu = m_window->detailController()->mailView()->attachmentMenu();
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 1);
        QMenu* entry = menu->actions().first()->menu();
        QVERIFY(entry);
        QCOMPARE(entry->title(), QStringLiteral("The attached one"));
        entry->actions().first()->trigger(); // Open
        QTRY_COMPARE(m_window->detailController()->currentItem()->subject(), QStringLiteral("The attached one"));
        QCOMPARE(m_window->currentItem(), m_window->detailController()->currentItem()); // printed by the Print button
        PstMailView* view = m_window->detailController()->mailView();
        QCOMPARE(view->findChild<QLabel*>(QStringLiteral("from"))->text(), QStringLiteral("Inner Sender"));
        // Back: the link in the header, then Alt+Left.
        auto* back = view->findChild<QPushButton*>(QStringLiteral("backButton"));
        QVERIFY(back->isVisible());
        QVERIFY(back->text().contains(QStringLiteral("Back")));
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(m_window->detailController()->currentItem()->subject(), QStringLiteral("Item 10"));
        QCOMPARE(m_window->currentItem(), m_window->detailController()->currentItem());
        QVERIFY(!back->isVisible());
        menu = view->attachmentMenu();
        menu->actions().first()->menu()->actions().first()->trigger();
        QTRY_COMPARE(m_window->detailController()->currentItem()->subject(), QStringLiteral("The attached one"));
        QVERIFY(activate());
        QTest::keyClick(m_window, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(m_window->detailController()->currentItem()->subject(), QStringLiteral("Item 10"));
        // Choosing the outer mail in the list again shows the outer mail.
        view->attachmentMenu()->actions().first()->menu()->actions().first()->trigger();
        QTRY_COMPARE(m_window->detailController()->currentItem()->subject(), QStringLiteral("The attached one"));
        QVERIFY(clickRow(list(), texts(list()->model(), PstListModel::SubjectRole).indexOf(QStringLiteral("Item 10"))));
        QCOMPARE(m_window->detailController()->currentItem()->subject(), QStringLiteral("Item 10"));
        QVERIFY(!back->isVisible());
    }

    void saveDialogsStartInTheLastSaveFolder()
    {
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(SaveDialog::proposedPath(QStringLiteral("a.txt")), QDir(documents).filePath(QStringLiteral("a.txt")));
        SaveDialog::remember(m_dir.filePath(QStringLiteral("saved.eml")));
        QCOMPARE(SaveDialog::proposedPath(QStringLiteral("b.txt")), m_dir.filePath(QStringLiteral("b.txt")));
        QCOMPARE(AppConfig::instance()->getLastSavePath(), m_dir.path());
        AppConfig::instance()->setLastSavePath(documents);
    }

    void failedOpenShowsAWarningAndReturns()
    {
        QVERIFY(activate());
        const QString broken = TestData::pst(QStringLiteral("aspose-email__Aspose.Email-for-C__SMTP_Outlook.pst"));
        m_window->openFile(broken);
        // The call came back at once; the alert comes when the opening fails and
        // waits on the window.
        QTRY_VERIFY(m_window->findChild<QMessageBox*>());
        auto* box = m_window->findChild<QMessageBox*>();
        QVERIFY(box->isVisible());
        QCOMPARE(box->windowModality(), Qt::WindowModal);
        QCOMPARE(box->text(), QStringLiteral("Warning"));
        QCOMPARE(box->informativeText(), "Error opening file!\n" + broken
                 + "\nThis is not a PST file: it does not start with a PST file's signature.");
        QCOMPARE(box->icon(), QMessageBox::Warning);
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(page(), child<QWidget>("homePage"));
        box->buttons().first()->click();
        QTRY_VERIFY(!m_window->findChild<QMessageBox*>());
    }

    void alertWithoutActiveWindowWaitsForOk()
    {
        m_window->hide();
        QTRY_VERIFY(!QApplication::activeWindow());
        bool pressedBeforeReturn = false;
        QTimer::singleShot(200, this, [&pressedBeforeReturn] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box->windowModality() != Qt::ApplicationModal || box->text() != QStringLiteral("Done"))
                return;
            pressedBeforeReturn = true;
            box->buttons().first()->click();
        });
        NativeMessageBox::info(nullptr, QStringLiteral("Done"), QStringLiteral("All items were written."));
        QVERIFY(pressedBeforeReturn);
    }

    void itemsNotShownAreNoticedWithoutInterrupting()
    {
        PstDescription description = UiSamples::mailbox();
        PstMessage odd;
        odd.subject = QStringLiteral("odd");
        odd.messageClass = QStringLiteral("IPM.Unheard.Of");
        description.folders.first().messages.append(odd);
        m_window->openFile(UiSamples::write(description, m_dir.path(), QStringLiteral("odd.pst")));
        auto* notice = m_window->findChild<QLabel*>(QStringLiteral("lossNotice"));
        QVERIFY(notice);
        QTRY_VERIFY(notice->isVisible());
        const QString text = QStringLiteral("odd.pst: 1 item could not be shown (see the log).");
        QCOMPARE(notice->text(), text);
        QVERIFY(!m_window->findChild<QMessageBox*>());
        QVERIFY(open(m_mailbox));
        QCOMPARE(notice->text(), text);
    }

    // Outlook's own free/busy record in its internal folder is no loss: an
    // Outlook-written file adds nothing to the notice.
    void outlooksBookkeepingRaisesNoNotice()
    {
        const QString path = TestData::pst(QStringLiteral("hughbe__PstReader__hughbe_hughbe_Outlook.pst"));
        QVERIFY(open(path));
        auto* notice = m_window->findChild<QLabel*>(QStringLiteral("lossNotice"));
        QVERIFY(notice);
        QVERIFY2(!notice->isVisible() || !notice->text().contains(QFileInfo(path).fileName()), qPrintable(notice->text()));
    }

    void helpMenuEntriesWork()
    {
        QMenu* help = m_window->menuBar()->actions().last()->menu();
        auto entry = [help](const std::function<bool(QAction*)>& matches) {
            const QList<QAction*> actions = help->actions();
            auto found = std::find_if(actions.cbegin(), actions.cend(), matches);
            return found == actions.cend() ? nullptr : *found;
        };
        // Licences: the notices of everything the program contains.
        QAction* licences = entry([](QAction* action) { return action->text() == QStringLiteral("Licences"); });
        QVERIFY(licences);
        licences->trigger();
        auto* dialog = m_window->findChild<QDialog*>(QStringLiteral("licencesDialog"));
        QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
        const QString notices = dialog->findChild<QTextBrowser*>()->toPlainText();
        for (const char* notice : {"GNU General Public License", "libpst", "Qt 6", "Chromium", "zlib", "Icons"})
            QVERIFY2(notices.contains(QLatin1String(notice)), notice);
        dialog->close();

        // The log folder opens even when it is missing.
        const QString logDir = UserFolders::logDir();
        QDir(logDir).removeRecursively();
        {
            UrlCatcher files(QStringLiteral("file"));
            QAction* showLog = entry([](QAction* action) { return action->data().toInt() == AppMenu::ShowLogFolder; });
            QVERIFY(showLog);
            QCOMPARE(showLog->text(), QStringLiteral("Show &Log Folder"));
            showLog->trigger();
            QCOMPARE(files.opened, QList<QUrl>({QUrl::fromLocalFile(logDir)}));
            QVERIFY(QDir(logDir).exists());
        }
        // Without a program for folders the user is told where it is, and can copy it.
        {
            QAction* showLog = entry([](QAction* action) { return action->data().toInt() == AppMenu::ShowLogFolder; });
            showLog->trigger();
            auto* note = m_window->findChild<QMessageBox*>(QStringLiteral("unopenedTarget"));
            QVERIFY(note && note->isVisible());
            QCOMPARE(note->informativeText(), QDir::toNativeSeparators(logDir));
            note->findChild<QPushButton*>(QStringLiteral("copyButton"))->click();
            QCOMPARE(QGuiApplication::clipboard()->text(), QDir::toNativeSeparators(logDir));
            QTRY_VERIFY(!m_window->findChild<QMessageBox*>(QStringLiteral("unopenedTarget")));
        }

        // A newer version offers its download.
        UpdateCheckResult result;
        result.outcome = UpdateCheckResult::NewerAvailable;
        result.link = QUrl(QStringLiteral("https://example.org/5.1"));
        result.message = QStringLiteral("Lumaroo 5.1 is available.");
        m_window->appMenu()->presentUpdateResult(result);
        auto* box = m_window->findChild<QMessageBox*>(QStringLiteral("updateResultBox"));
        QVERIFY(box);
        QCOMPARE(box->text(), result.message);
        UrlCatcher web(QStringLiteral("https"));
        const QList<QAbstractButton*> buttons = box->buttons();
        auto download = std::find_if(buttons.cbegin(), buttons.cend(), [](QAbstractButton* b) { return b->text() == "Download"; });
        QVERIFY(download != buttons.cend());
        (*download)->click();
        QCOMPARE(web.opened, QList<QUrl>({result.link}));

        // Ctrl+F goes to the search box, F1 shows the user guide.
        QVERIFY(open(m_mailbox));
        QVERIFY(activate());
        QTest::keyClick(m_window, Qt::Key_F, Qt::ControlModifier);
        QTRY_COMPARE(QApplication::focusWidget(), child<QLineEdit>("searchBox"));
        QTest::keyClick(m_window, Qt::Key_F1);
        UserGuideWindow* guide = nullptr;
        QTRY_VERIFY((guide = qobject_cast<UserGuideWindow*>(QApplication::activeWindow())) != nullptr
                    || (guide = m_window->findChild<UserGuideWindow*>()) != nullptr);
        const QString text = guide->browser()->toPlainText();
        QVERIFY2(text.startsWith(QLatin1String("Lumaroo User Guide")), qPrintable(text.left(80)));
        QVERIFY(text.contains(QLatin1String("Keyboard shortcuts")));
        guide->close();
    }

    void choosingFrenchTranslatesEverythingAtOnceAndIsStored()
    {
        QVERIFY(open(m_mailbox));
        QVERIFY(pressFolder(tree(), QStringLiteral("Contacts")));
        QVERIFY(clickRow(list(), 0));
        PstInfoView* info = m_window->detailController()->infoView();
        QCOMPARE(info->infoLabels().first()->labelTitle(), QStringLiteral("Contact Name"));
        auto* about = new About(m_window);
        about->show();
        AppMenu* menu = m_window->appMenu();
        QVERIFY(menu->languageAction(MultiLanguage::English)->isChecked());

        menu->languageAction(MultiLanguage::French)->trigger();

        QVERIFY(menu->languageAction(MultiLanguage::French)->isChecked());
        QVERIFY(!menu->languageAction(MultiLanguage::English)->isChecked());
        QCOMPARE(AppConfig::instance()->getLanguageVal(), 2);
        QCOMPARE(Morvek::IMVLanguageMgr::LanguageCode(), Morvek::IMVLanguageMgr::French);
        QCOMPARE(menuTitles(m_window), QStringList({"&Fichier", "É&dition", "&Affichage", "Fe&nêtre", "&Aide"}));
        QCOMPARE(child<QToolButton>("exportBtn")->text(), QStringLiteral("Exporter"));
        QCOMPARE(child<QLineEdit>("searchBox")->placeholderText(), QStringLiteral("Rechercher"));
        QCOMPARE(info->infoLabels().first()->labelTitle(), QStringLiteral("Nom du contact"));
        QCOMPARE(about->windowTitle(), QStringLiteral("À propos"));
        // The window's own added entries follow too.
        QCOMPARE(m_window->printAction()->text(), QCoreApplication::translate("MainWindow", "&Print..."));
        QVERIFY(m_window->printAction()->text() != QStringLiteral("&Print..."));
        QCOMPARE(m_window->closeAction()->text(), QStringLiteral("&Fermer"));
        QCOMPARE(m_window->recentMenu()->title(), QStringLiteral("Ouvrir un fichier &récent"));

        // The Help menu also reports its submenu's actions: a language is no menu event.
        UrlCatcher catcher(QStringLiteral("https"));
        emit m_window->menuBar()->actions().last()->menu()->triggered(menu->languageAction(MultiLanguage::French));
        QVERIFY(catcher.opened.isEmpty());
        // Qt's own texts follow as well.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
        QCOMPARE(QCoreApplication::translate("GLanguage", GLanguage::getString(GLanguage::NewestVersion)),
                 QStringLiteral("est actuellement la version la plus récente disponible."));
        about->close();
    }

    // One item, several items: each language's own plural forms.
    void folderCountsUsePluralForms_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("rows"); // Notes (1 item), Inbox (4 items)
        QTest::newRow("English") << int(MultiLanguage::English) << QStringList{"Notes (1 item)", "Inbox (4 items)"};
        QTest::newRow("German") << int(MultiLanguage::German) << QStringList{"Notes (1 Element)", "Inbox (4 Elemente)"};
        QTest::newRow("Japanese") << int(MultiLanguage::Japanese) << QStringList{"Notes (1 件)", "Inbox (4 件)"};
    }

    void folderCountsUsePluralForms()
    {
        QFETCH(int, language);
        QFETCH(QStringList, rows);
        QVERIFY(open(m_mailbox));
        m_window->appMenu()->languageAction(language)->trigger();
        QStringList shown;
        for (const char* folder : {"Notes", "Inbox"})
            shown << findRow(tree(), QLatin1String(folder)).data().toString();
        QCOMPARE(shown, rows);
        m_window->appMenu()->languageAction(MultiLanguage::English)->trigger();
    }

    // At the default window size no text of the window is cut, in any language:
    // each label and button is at least as wide as its text.
    void noTextIsClippedInAnyLanguage_data()
    {
        QTest::addColumn<int>("language");
        for (int language = MultiLanguage::English; language <= MultiLanguage::Japanese; ++language)
            QTest::addRow("%d", language) << language;
    }

    void noTextIsClippedInAnyLanguage()
    {
        QFETCH(int, language);
        m_window->appMenu()->languageAction(language)->trigger();
        QStringList clipped;
        const auto checkAll = [this, &clipped](const QString& where) {
            for (QWidget* widget : m_window->findChildren<QWidget*>()) {
                if (!widget->isVisible() || qobject_cast<ElidedLabel*>(widget))
                    continue;
                QString text;
                int room = widget->contentsRect().width();
                if (auto* label = qobject_cast<QLabel*>(widget)) {
                    if (label->wordWrap() || label->textFormat() == Qt::RichText || !label->pixmap().isNull())
                        continue;
                    text = label->text();
                    room -= 2 * label->margin() + label->indent() * (label->indent() > 0);
                } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                    text = button->text();
                    if (!button->icon().isNull() && qobject_cast<QToolButton*>(button)
                        && static_cast<QToolButton*>(button)->toolButtonStyle() == Qt::ToolButtonTextUnderIcon)
                        room = button->width();
                    else if (!button->icon().isNull())
                        room -= button->iconSize().width() + 4;
                } else {
                    continue;
                }
                text.remove(QLatin1Char('&'));
                for (const QString& line : text.split(QLatin1Char('\n'))) {
                    const int needed = widget->fontMetrics().horizontalAdvance(line);
                    if (!line.isEmpty() && needed > room)
                        clipped << QStringLiteral("%1 %2 \"%3\": %4 > %5").arg(where, widget->objectName(), line)
                                       .arg(needed).arg(room);
                }
            }
        };
        checkAll(QStringLiteral("home"));
        QVERIFY(open(m_mailbox));
        QVERIFY(pressFolder(tree(), QStringLiteral("Inbox")));
        QVERIFY(clickRow(list(), 0));
        checkAll(QStringLiteral("mail"));
        QVERIFY(pressFolder(tree(), QStringLiteral("Contacts")));
        QVERIFY(clickRow(list(), 0));
        checkAll(QStringLiteral("contact"));
        m_window->appMenu()->languageAction(MultiLanguage::English)->trigger();
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
    }

    // The guide follows the interface language, also while it is open, and
    // no translation has fallen behind the English guide's sections.
    void userGuideFollowsTheInterfaceLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        QTest::addRow("en") << int(MultiLanguage::English) << QStringLiteral("Lumaroo User Guide");
        QTest::addRow("fr") << int(MultiLanguage::French) << QStringLiteral("Guide de l'utilisateur de Lumaroo");
        QTest::addRow("pt") << int(MultiLanguage::Portuguese) << QStringLiteral("Guia do usuário do Lumaroo");
        QTest::addRow("it") << int(MultiLanguage::Italian) << QStringLiteral("Guida utente di Lumaroo");
        QTest::addRow("de") << int(MultiLanguage::German) << QStringLiteral("Lumaroo Benutzerhandbuch");
        QTest::addRow("es") << int(MultiLanguage::Spanish) << QStringLiteral("Guía del usuario de Lumaroo");
        QTest::addRow("ja") << int(MultiLanguage::Japanese) << QStringLiteral("Lumaroo ユーザーガイド");
    }

    void userGuideFollowsTheInterfaceLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, title);
        const auto headings = [](const QString& markdown) {
            static const QRegularExpression heading(QStringLiteral("^#{1,6} "), QRegularExpression::MultilineOption);
            return markdown.count(heading);
        };
        const int englishHeadings = headings(UserGuideWindow::guideText(MultiLanguage::English));
        QVERIFY(englishHeadings > 5);

        UserGuideWindow* guide = UserGuideWindow::showGuide();
        m_window->appMenu()->languageAction(language)->trigger();
        const QString shown = guide->browser()->toPlainText();
        QCOMPARE(shown.section(QLatin1Char('\n'), 0, 0), title);
        QCOMPARE(headings(UserGuideWindow::guideText()), englishHeadings);
        QCOMPARE(headings(guide->browser()->toMarkdown()), englishHeadings);
        guide->close();
        m_window->appMenu()->languageAction(MultiLanguage::English)->trigger();
    }

    void storedLanguageAppliesAtStart_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("help");
        QTest::addColumn<QString>("addButton");
        QTest::newRow("Japanese") << int(MultiLanguage::Japanese) << int(MultiLanguage::Japanese) << "ヘルプ(&H)" << "追加";
        for (int outOfRange : {0, 8, -1})
            QTest::addRow("%d", outOfRange) << outOfRange << int(MultiLanguage::English) << "&Help" << "Add";
    }

    void storedLanguageAppliesAtStart()
    {
        QFETCH(int, stored);
        QFETCH(int, language);
        QFETCH(QString, help);
        QFETCH(QString, addButton);
        MultiLanguage::instance()->languageSwitch(MultiLanguage::German);
        AppConfig::instance()->setLanguageVal(stored);
        MultiLanguage::instance()->initAppLanguage(); // what the program does at start
        newWindow();
        QCOMPARE(MultiLanguage::instance()->currentLanguage(), language);
        QVERIFY(m_window->appMenu()->languageAction(language)->isChecked());
        QCOMPARE(menuTitles(m_window).last(), help);
        QCOMPARE(child<QToolButton>("openBtn")->text(), addButton);
        if (language == MultiLanguage::Japanese)
            QCOMPARE(child<QLabel>("label")->text(), QStringLiteral("ここにファイルを追加するか、ドラッグしてください"));
    }

    void editActionsWorkOnTheFocusedWidget()
    {
        QVERIFY(open(m_mailbox));
        QVERIFY(activate());
        auto* search = child<QLineEdit>("searchBox");
        search->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), search);
        QTest::keyClicks(search, QStringLiteral("report"));
        AppMenu* menu = m_window->appMenu();
        menu->editAction("selectAll")->trigger();
        QCOMPARE(search->selectedText(), QStringLiteral("report"));
        menu->editAction("copy")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("report"));
        menu->editAction("cut")->trigger();
        QCOMPARE(search->text(), QString());
        menu->editAction("paste")->trigger();
        QCOMPARE(search->text(), QStringLiteral("report"));

        // Copy takes the selected part of the mail's sender label.
        QVERIFY(pressFolder(tree(), QStringLiteral("Inbox")));
        QVERIFY(clickRow(list(), 0));
        auto* sender = m_window->detailController()->mailView()->findChild<QLabel*>(QStringLiteral("from"));
        QVERIFY(sender->text().size() > 4);
        QGuiApplication::clipboard()->clear();
        sender->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), sender);
        sender->setSelection(1, 3);
        menu->editAction("copy")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), sender->text().mid(1, 3));
    }

    void commandLineFilesAreOpened()
    {
        // The program opens every existing file named on its command line, as
        // if the desktop had asked it to, and reports the others.
        const QString first = TestData::pst("emk__pstsdk__sample1.pst");
        const QString second = TestData::pst("hughbe__PstReader__hughbe_hughbe_Outlook.pst");
        const QString missing = m_dir.filePath("missing.pst");
        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        environment.insert("XDG_DATA_HOME", home.filePath("data"));
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(LUMAROO_PROGRAM), {first, missing, second});
        QVERIFY(program.waitForStarted());
        QFile logFile(home.filePath("data/Tavrel/Lumaroo/Log/lumaroo.log"));
        auto log = [&logFile] {
            logFile.close();
            return logFile.open(QIODevice::ReadOnly) ? QString::fromUtf8(logFile.readAll()) : QString();
        };
        QTRY_VERIFY_WITH_TIMEOUT(log().count("Parsed Pst document completed.") == 2, 60000);
        const QString text = log();
        QVERIFY(text.indexOf(first) < text.indexOf(second));
        QVERIFY(text.contains("Cannot open command-line argument " + missing + ": no such file"));
        QVERIFY(text.contains("Program startup: initialization in progress..."));
        program.terminate();
        QVERIFY(program.waitForFinished(20000));
    }
};

int main(int argc, char* argv[])
{
    TestHome home;
    // The window keeps to the screen it is on, and the offscreen default is
    // smaller than the browsing size.
    UiDriver::useDesktopScreen(home.path());
    UiDriver::prepareWebEngine();
    QApplication app(argc, argv);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_MainWindow.moc"
