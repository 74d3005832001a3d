// SPDX-License-Identifier: GPL-2.0-or-later
// The menu bar, the language switch and the About box: a switch re-translates
// every window at once and is stored; the stored language applies at start;
// the Edit menu acts on the focused widget; the Help menu's entries work.

#include "About.h"
#include "AppConfig.h"
#include "AppMenu.h"
#include "DetailViewController.h"
#include "GLanguage.h"
#include "IMVLanguageMgr.h"
#include "MailContentHandler.h"
#include "MultiLanguage.h"
#include "PSTListView.h"
#include "PSTTreeView.h"
#include "PstInfoLabel.h"
#include "PstInfoView.h"
#include "PstMailView.h"
#include "PstTreeController.h"
#include "TestData.h"
#include "TestHome.h"
#include "UiDriver.h"
#include "UiSamples.h"
#include "UpdateCheckResult.h"
#include "UserFolders.h"
#include "UserGuideWindow.h"
#include "mainwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QtWebView>

namespace {

// Records the URLs QDesktopServices is asked to open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

QStringList menuTitles(MainWindow* window)
{
    QStringList titles;
    for (QAction* action : window->menuBar()->actions())
        titles << action->text();
    return titles;
}

} // namespace

class AppMenuTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void choosingFrenchTranslatesEverythingAtOnceAndIsStored();
    void storedJapaneseAppliesAtStart();
    void storedIndexOutOfRangeFallsBackToEnglish_data();
    void storedIndexOutOfRangeFallsBackToEnglish();
    void editActionsWorkOnTheFocusedLineEdit();
    void copyTakesTheSelectedPartOfTheSenderLabel();
    void ctrlFFocusesTheSearchBoxAndF1ShowsTheGuide();
    void showLogFolderOpensItEvenWhenMissing();
    void newerVersionOffersItsDownload();

private:
    template<typename T> T* child(const char* name) const { return m_window->findChild<T*>(QString::fromLatin1(name)); }
    void newWindow();
    void showFirstItemOf(const QString& folder);

    QTemporaryDir m_dir;
    QString m_mailbox;
    MainWindow* m_window = nullptr;
};

void AppMenuTest::initTestCase()
{
    QVERIFY2(TestData::available(), "the shared PST test files are missing");
    m_mailbox = UiSamples::write(UiSamples::mailbox(), m_dir.path(), QStringLiteral("mailbox.pst"));
}

void AppMenuTest::init()
{
    MultiLanguage::instance()->languageSwitch(MultiLanguage::English);
    AppConfig::instance()->setLanguageVal(MultiLanguage::English);
}

void AppMenuTest::cleanup()
{
    delete m_window;
    m_window = nullptr;
    MultiLanguage::instance()->languageSwitch(MultiLanguage::English);
}

void AppMenuTest::newWindow()
{
    delete m_window;
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void AppMenuTest::showFirstItemOf(const QString& folder)
{
    m_window->openFile(m_mailbox);
    QTRY_VERIFY(!m_window->treeController()->isOpening());
    QVERIFY(UiDriver::pressFolder(child<PSTTreeView>("treeView"), folder));
    QVERIFY(UiDriver::clickRow(child<PSTListView>("listView"), 0));
}

void AppMenuTest::choosingFrenchTranslatesEverythingAtOnceAndIsStored()
{
    newWindow();
    showFirstItemOf(QStringLiteral("Contacts"));
    PstInfoView* info = m_window->detailController()->infoView();
    QCOMPARE(info->infoLabels().first()->labelTitle(), QStringLiteral("Contact Name"));
    auto* about = new About(m_window);
    about->show();
    AppMenu* menu = m_window->appMenu();
    QAction* english = menu->languageAction(MultiLanguage::English);
    QVERIFY(english->isChecked());

    menu->languageAction(MultiLanguage::French)->trigger();

    QVERIFY(menu->languageAction(MultiLanguage::French)->isChecked());
    QVERIFY(!english->isChecked());
    QCOMPARE(AppConfig::instance()->getLanguageVal(), 2);
    QCOMPARE(Morvek::IMVLanguageMgr::LanguageCode(), Morvek::IMVLanguageMgr::French);
    QCOMPARE(menuTitles(m_window), QStringList({"&Fichier", "É&dition", "&Affichage", "Fe&nêtre", "&Aide"}));
    QCOMPARE(child<QToolButton>("exportBtn")->text(), QStringLiteral("Exporter"));
    QCOMPARE(child<QLineEdit>("searchBox")->placeholderText(), QStringLiteral("Rechercher"));
    QCOMPARE(info->infoLabels().first()->labelTitle(), QStringLiteral("Nom du contact"));
    QCOMPARE(about->windowTitle(), QStringLiteral("À propos"));
    // The Help menu also reports its submenu's actions: a language is no menu event.
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    emit m_window->menuBar()->actions().last()->menu()->triggered(menu->languageAction(MultiLanguage::French));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QVERIFY(catcher.opened.isEmpty());
    // Qt's own texts follow as well.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
    QCOMPARE(QCoreApplication::translate("GLanguage", GLanguage::getString(GLanguage::NewestVersion)),
             QStringLiteral("est actuellement la version la plus récente disponible."));
    about->close();
}

void AppMenuTest::storedJapaneseAppliesAtStart()
{
    AppConfig::instance()->setLanguageVal(MultiLanguage::Japanese);
    MultiLanguage::instance()->initAppLanguage(); // what the program does at start
    newWindow();
    QCOMPARE(Morvek::IMVLanguageMgr::LanguageCode(), Morvek::IMVLanguageMgr::Japanese);
    QVERIFY(m_window->appMenu()->languageAction(MultiLanguage::Japanese)->isChecked());
    QCOMPARE(menuTitles(m_window).last(), QStringLiteral("ヘルプ(&H)"));
    QCOMPARE(child<QLabel>("label")->text(), QStringLiteral("ここにファイルを追加するか、ドラッグしてください"));
    QCOMPARE(child<QToolButton>("openBtn")->text(), QStringLiteral("追加"));
}

void AppMenuTest::storedIndexOutOfRangeFallsBackToEnglish_data()
{
    QTest::addColumn<int>("stored");
    QTest::newRow("0") << 0;
    QTest::newRow("8") << 8;
    QTest::newRow("-1") << -1;
}

void AppMenuTest::storedIndexOutOfRangeFallsBackToEnglish()
{
    QFETCH(int, stored);
    MultiLanguage::instance()->languageSwitch(MultiLanguage::German);
    AppConfig::instance()->setLanguageVal(stored);
    MultiLanguage::instance()->initAppLanguage();
    newWindow();
    QCOMPARE(MultiLanguage::instance()->currentLanguage(), int(MultiLanguage::English));
    QCOMPARE(Morvek::IMVLanguageMgr::LanguageCode(), Morvek::IMVLanguageMgr::English);
    QVERIFY(m_window->appMenu()->languageAction(MultiLanguage::English)->isChecked());
    QCOMPARE(child<QToolButton>("openBtn")->text(), QStringLiteral("Add"));
    QCOMPARE(menuTitles(m_window).first(), QStringLiteral("&File"));
}

void AppMenuTest::editActionsWorkOnTheFocusedLineEdit()
{
    newWindow();
    m_window->openFile(m_mailbox);
    QTRY_VERIFY(!m_window->treeController()->isOpening());
    auto* search = child<QLineEdit>("searchBox");
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
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
    menu->editAction("undo")->trigger();
    QCOMPARE(search->text(), QStringLiteral("report"));
    menu->editAction("redo")->trigger();
    QCOMPARE(search->text(), QString());
    menu->editAction("paste")->trigger();
    QCOMPARE(search->text(), QStringLiteral("report"));
}

void AppMenuTest::copyTakesTheSelectedPartOfTheSenderLabel()
{
    newWindow();
    showFirstItemOf(QStringLiteral("Inbox"));
    auto* sender = m_window->detailController()->mailView()->findChild<QLabel*>(QStringLiteral("from"));
    QVERIFY(sender);
    QVERIFY(sender->text().size() > 4);
    QGuiApplication::clipboard()->clear();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    sender->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), sender);
    sender->setSelection(1, 3);

    m_window->appMenu()->editAction("copy")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), sender->text().mid(1, 3));
}

void AppMenuTest::ctrlFFocusesTheSearchBoxAndF1ShowsTheGuide()
{
    newWindow();
    m_window->openFile(m_mailbox);
    QTRY_VERIFY(!m_window->treeController()->isOpening());
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
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

void AppMenuTest::showLogFolderOpensItEvenWhenMissing()
{
    newWindow();
    const QString logDir = UserFolders::logDir();
    QDir(logDir).removeRecursively();
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    QAction* showLog = nullptr;
    for (QAction* action : m_window->menuBar()->actions().last()->menu()->actions()) {
        if (action->data().toInt() == AppMenu::ShowLogFolder)
            showLog = action;
    }
    QVERIFY(showLog);
    QCOMPARE(showLog->text(), QStringLiteral("Show &Log Folder"));
    showLog->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(catcher.opened, QList<QUrl>({QUrl::fromLocalFile(logDir)}));
    QVERIFY(QDir(logDir).exists());
}

void AppMenuTest::newerVersionOffersItsDownload()
{
    newWindow();
    UpdateCheckResult result;
    result.outcome = UpdateCheckResult::NewerAvailable;
    result.link = QUrl(QStringLiteral("https://example.org/5.1"));
    result.message = QStringLiteral("Lumaroo 5.1 is available.");
    m_window->appMenu()->presentUpdateResult(result);
    auto* box = m_window->findChild<QMessageBox*>(QStringLiteral("updateResultBox"));
    QVERIFY(box);
    QCOMPARE(box->text(), result.message);
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    QAbstractButton* download = nullptr;
    for (QAbstractButton* button : box->buttons()) {
        if (button->text() == QLatin1String("Download"))
            download = button;
    }
    QVERIFY(download);
    download->click();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(catcher.opened, QList<QUrl>({result.link}));
}

int main(int argc, char* argv[])
{
    TestHome home;
    qputenv("QT_WEBVIEW_PLUGIN", "webengine");
    MailContentHandler::registerScheme();
    QtWebView::initialize();
    QApplication app(argc, argv);
    AppMenuTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_AppMenu.moc"
