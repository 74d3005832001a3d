// SPDX-License-Identifier: GPL-2.0-or-later
#include "AppMenu.h"

#include "About.h"
#include "AppConfig.h"
#include "IMVUpdatesService.h"
#include "Log.h"
#include "MultiLanguage.h"
#include "ProductConstants.h"
#include "UnopenedTarget.h"
#include "UpdateCheckResult.h"
#include "UserFolders.h"
#include "UserGuideWindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace {

struct LanguageEntry
{
    const char* name; // each language in its own words, never translated
    int index;
};

const LanguageEntry kLanguageEntries[] = {
    {"Deutsch", MultiLanguage::German},
    {"English", MultiLanguage::English},
    {"Español", MultiLanguage::Spanish},
    {"Français", MultiLanguage::French},
    {"Italiano", MultiLanguage::Italian},
    {"Português", MultiLanguage::Portuguese},
    {"日本語", MultiLanguage::Japanese},
};

// Without a browser the user learns the address instead.
void openLink(QWidget* window, const QString& link)
{
    const QUrl url(MultiLanguage::instance()->multilingualLink(link));
    if (!QDesktopServices::openUrl(url))
        UnopenedTarget::tell(window, url.toString());
}

bool hasSlot(QObject* object, const char* slot)
{
    const QByteArray signature = QByteArray(slot) + "()";
    return object->metaObject()->indexOfMethod(signature.constData()) >= 0;
}

} // namespace

AppMenu::AppMenu(QWidget* window)
    : QObject(window)
    , m_window(window)
{
    connect(MultiLanguage::instance(), &MultiLanguage::languageChanged, this, &AppMenu::retranslationUi);
    Morvek::IMVUpdatesService::Shared()->SetPresenter([this](const UpdateCheckResult& result) {
        presentUpdateResult(result);
    });
}

QAction* AppMenu::addAction(QMenu* menu, int data, const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(QString());
    action->setData(data);
    action->setShortcut(shortcut);
    return action;
}

QMenu* AppMenu::createFileMenu()
{
    m_fileMenu = new QMenu(m_window);
    m_open = addAction(m_fileMenu, OpenFile, QKeySequence::Open);
    m_fileMenu->addSeparator();
    m_quit = addAction(m_fileMenu, 0, QKeySequence(Qt::CTRL | Qt::Key_Q));
    m_quit->setMenuRole(QAction::QuitRole);
    connect(m_quit, &QAction::triggered, qApp, &QApplication::quit);
    retranslationUi();
    return m_fileMenu;
}

QMenu* AppMenu::editMenu()
{
    m_editMenu = new QMenu(m_window);
    const struct { QAction** action; QKeySequence::StandardKey key; const char* slot; } entries[] = {
        {&m_undo, QKeySequence::Undo, "undo"},
        {&m_redo, QKeySequence::Redo, "redo"},
        {&m_cut, QKeySequence::Cut, "cut"},
        {&m_copy, QKeySequence::Copy, "copy"},
        {&m_paste, QKeySequence::Paste, "paste"},
        {&m_selectAll, QKeySequence::SelectAll, "selectAll"},
    };
    for (const auto& entry : entries) {
        if (entry.action == &m_cut || entry.action == &m_selectAll)
            m_editMenu->addSeparator();
        *entry.action = addAction(m_editMenu, 0, entry.key);
        (*entry.action)->setProperty("focusSlot", QByteArray(entry.slot));
        const char* slot = entry.slot;
        connect(*entry.action, &QAction::triggered, this, [this, slot] { onEditAction(slot); });
    }
    m_editMenu->addSeparator();
    m_find = addAction(m_editMenu, 0, QKeySequence::Find);
    connect(m_find, &QAction::triggered, this, &AppMenu::findRequested);
    retranslationUi();
    return m_editMenu;
}

QMenu* AppMenu::createWindowMenu()
{
    m_windowMenu = new QMenu(m_window);
    m_minimize = addAction(m_windowMenu, 0, QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(m_minimize, &QAction::triggered, m_window, &QWidget::showMinimized);
    m_fullScreen = addAction(m_windowMenu, 0, QKeySequence::FullScreen);
    m_fullScreen->setCheckable(true);
    connect(m_fullScreen, &QAction::toggled, m_window, [this](bool on) {
        m_window->setWindowState(m_window->windowState().setFlag(Qt::WindowFullScreen, on));
    });
    retranslationUi();
    return m_windowMenu;
}

QMenu* AppMenu::createHelpMenu()
{
    m_helpMenu = new QMenu(m_window);
    buildLanguageMenu();
    m_language = m_helpMenu->addMenu(m_languageMenu);
    m_helpMenu->addSeparator();
    m_guide = addAction(m_helpMenu, UserGuide, QKeySequence::HelpContents);
    m_support = addAction(m_helpMenu, FeedbackSupport);
    // Kept for its link, but not offered: the support page answers the same questions.
    m_faq = addAction(m_helpMenu, ProductFaq);
    m_helpMenu->removeAction(m_faq);
    m_helpMenu->addSeparator();
    m_showLog = addAction(m_helpMenu, ShowLogFolder);
    m_helpMenu->addSeparator();
    m_checkUpdates = addAction(m_helpMenu, CheckUpdates);
    m_checkUpdates->setMenuRole(QAction::ApplicationSpecificRole);
    m_about = addAction(m_helpMenu, AboutBox);
    m_about->setMenuRole(QAction::AboutRole);
    connect(m_helpMenu, &QMenu::triggered, this, &AppMenu::onSystemMenuEvent);
    retranslationUi();
    return m_helpMenu;
}

void AppMenu::buildLanguageMenu()
{
    m_languageMenu = new QMenu(m_window);
    m_languageGroup = new QActionGroup(m_languageMenu);
    m_languageGroup->setExclusive(true);
    const int active = MultiLanguage::instance()->currentLanguage();
    for (const LanguageEntry& entry : kLanguageEntries) {
        QAction* action = m_languageMenu->addAction(QString::fromUtf8(entry.name));
        action->setData(entry.index);
        action->setCheckable(true);
        m_languageGroup->addAction(action);
        if (entry.index == active)
            setLanguageActionChecked(action);
        connect(action, &QAction::triggered, this, &AppMenu::languageSwitch);
    }
}

QAction* AppMenu::languageAction(int index) const
{
    if (!m_languageGroup)
        return nullptr;
    for (QAction* action : m_languageGroup->actions()) {
        if (action->data().toInt() == index)
            return action;
    }
    return nullptr;
}

QAction* AppMenu::editAction(const char* slot) const
{
    for (QAction* action : {m_undo, m_redo, m_cut, m_copy, m_paste, m_selectAll}) {
        if (action && action->property("focusSlot").toByteArray() == slot)
            return action;
    }
    return nullptr;
}

void AppMenu::setLanguageActionChecked(QAction* action)
{
    action->setCheckable(true);
    action->setChecked(true);
}

void AppMenu::languageSwitch()
{
    auto* action = qobject_cast<QAction*>(sender());
    if (!action)
        return;
    setLanguageActionChecked(action);
    const int index = action->data().toInt();
    MultiLanguage::instance()->languageSwitch(index);
    AppConfig::instance()->setLanguageVal(index);
}

void AppMenu::onEditAction(const char* slot)
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus)
        return;
    if (hasSlot(focus, slot)) {
        QMetaObject::invokeMethod(focus, slot);
        return;
    }
    // Header labels of the mail view have no copy slot; their selection is what to copy.
    auto* label = qobject_cast<QLabel*>(focus);
    if (label) {
        if (qstrcmp(slot, "copy") == 0 && label->hasSelectedText())
            QGuiApplication::clipboard()->setText(label->selectedText());
        return;
    }
    // Widgets without such slots (the mail body's web view) know the keys.
    const QKeySequence keys = editAction(slot)->shortcut();
    if (keys.isEmpty())
        return;
    QKeyEvent press(QEvent::KeyPress, keys[0].key(), keys[0].keyboardModifiers());
    QKeyEvent release(QEvent::KeyRelease, keys[0].key(), keys[0].keyboardModifiers());
    QCoreApplication::sendEvent(focus, &press);
    QCoreApplication::sendEvent(focus, &release);
}

void AppMenu::onSystemMenuEvent(QAction* action)
{
    // The language submenu's actions reach here too (a menu reports its
    // submenus' actions); their data are language indexes, not menu events.
    if (!action || action->menu() || action->actionGroup() == m_languageGroup)
        return;
    switch (action->data().toInt()) {
    case UserGuide:
        Log::info(QStringLiteral("Open the user guide."));
        UserGuideWindow::showGuide();
        break;
    case ProductFaq:
        openLink(m_window, g_link_faq);
        break;
    case FeedbackSupport:
        openLink(m_window, g_link_support);
        break;
    case AboutBox:
        About::showAboutWindow();
        break;
    case CheckUpdates:
        Log::info(QStringLiteral("Check for updates."));
        Morvek::IMVUpdatesService::Shared()->CheckForUpdates(nullptr);
        break;
    case ShowLogFolder: {
        // The folder may not exist yet on a fresh account; the file manager needs one to show.
        const QString logDir = UserFolders::logDir();
        QDir().mkpath(logDir);
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(logDir)))
            UnopenedTarget::tell(m_window, QUrl::fromLocalFile(logDir).toString());
        break;
    }
    default:
        break;
    }
}

void AppMenu::presentUpdateResult(const UpdateCheckResult& result)
{
    const bool failed = result.outcome == UpdateCheckResult::Failed;
    auto* box = new QMessageBox(failed ? QMessageBox::Warning : QMessageBox::Information, tr("Check for Updates"),
                                result.message, QMessageBox::NoButton, m_window);
    box->setObjectName(QStringLiteral("updateResultBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (result.outcome == UpdateCheckResult::NewerAvailable && result.link.isValid()) {
        QPushButton* download = box->addButton(tr("Download"), QMessageBox::AcceptRole);
        const QUrl link = result.link;
        connect(download, &QPushButton::clicked, this, [link] { QDesktopServices::openUrl(link); });
        box->addButton(QMessageBox::Close);
    } else {
        box->addButton(QMessageBox::Ok);
    }
    box->open();
}

void AppMenu::retranslationUi()
{
    if (m_fileMenu) {
        m_fileMenu->setTitle(tr("&File"));
        m_open->setText(tr("&Open..."));
        m_quit->setText(tr("&Quit"));
    }
    if (m_editMenu) {
        m_editMenu->setTitle(tr("&Edit"));
        m_undo->setText(tr("&Undo"));
        m_redo->setText(tr("&Redo"));
        m_cut->setText(tr("Cu&t"));
        m_copy->setText(tr("&Copy"));
        m_paste->setText(tr("&Paste"));
        m_selectAll->setText(tr("Select &All"));
        m_find->setText(tr("&Find"));
    }
    if (m_windowMenu) {
        m_windowMenu->setTitle(tr("&Window"));
        m_minimize->setText(tr("Mi&nimize"));
        m_fullScreen->setText(tr("&Full Screen"));
    }
    if (m_helpMenu) {
        m_helpMenu->setTitle(tr("&Help"));
        m_languageMenu->setTitle(tr("&Language"));
        m_guide->setText(tr("&User Guide"));
        m_faq->setText(tr("Product FAQ"));
        m_support->setText(tr("&Feedback and Support"));
        m_showLog->setText(tr("Show &Log Folder"));
        m_checkUpdates->setText(tr("Check for &Updates..."));
        m_about->setText(tr("&About %1").arg(g_product_name));
        // Also when the language was switched elsewhere than in this menu.
        if (QAction* active = languageAction(MultiLanguage::instance()->currentLanguage()))
            active->setChecked(true);
    }
}
