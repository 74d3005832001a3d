#pragma once

#include <QKeySequence>
#include <QObject>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;
struct UpdateCheckResult;

// The menu bar's menus: File, Edit, Window and Help with its Language
// submenu. On Linux there is no application menu: "About" and "Check for
// Updates" live in the Help menu. Every text follows a language switch.
class AppMenu : public QObject
{
    Q_OBJECT
public:
    // What an action handled by onSystemMenuEvent() carries as data.
    enum MenuEvent {
        UserGuide = 1,
        ProductFaq = 2,
        OpenFile = 2, // in the File menu, whose actions go to the main window
        FeedbackSupport = 3,
        AboutBox = 4,
        CheckUpdates = 5,
        ShowLogFolder = 6,
    };

    // `window` is the main window: the Window menu acts on it and the menus are its children.
    explicit AppMenu(QWidget* window);

    QMenu* createFileMenu();
    QMenu* editMenu();
    QMenu* createWindowMenu();
    QMenu* createHelpMenu();
    QMenu* getLanguageMenu() const { return m_languageMenu; }

    QAction* findAction() const { return m_find; }
    // The Edit menu's actions by the focus widget's slot they call ("undo", …, "selectAll").
    QAction* editAction(const char* slot) const;
    // The language action whose data is `index`; null if none.
    QAction* languageAction(int index) const;

    // Shows the outcome of an update check in a message box over the window.
    void presentUpdateResult(const UpdateCheckResult& result);

public slots:
    void onSystemMenuEvent(QAction* action);
    // Slot of every language action: switches and stores the language.
    void languageSwitch();
    void retranslationUi();

signals:
    // Find (Ctrl+F): the window puts the focus into the item list's search box.
    void findRequested();

private:
    QAction* addAction(QMenu* menu, int data, const QKeySequence& shortcut = {});
    void buildLanguageMenu();
    void setLanguageActionChecked(QAction* action);
    void onEditAction(const char* slot);

    QWidget* m_window = nullptr;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_editMenu = nullptr;
    QMenu* m_windowMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QMenu* m_languageMenu = nullptr;
    QActionGroup* m_languageGroup = nullptr;
    QAction* m_open = nullptr;
    QAction* m_quit = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QAction* m_cut = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_paste = nullptr;
    QAction* m_selectAll = nullptr;
    QAction* m_find = nullptr;
    QAction* m_minimize = nullptr;
    QAction* m_fullScreen = nullptr;
    QAction* m_language = nullptr;
    QAction* m_guide = nullptr;
    QAction* m_faq = nullptr;
    QAction* m_support = nullptr;
    QAction* m_showLog = nullptr;
    QAction* m_checkUpdates = nullptr;
    QAction* m_about = nullptr;
};
