#pragma once

#include <QDialog>

class QTextBrowser;

// The User Guide shipped with the program, shown offline from its Markdown
// text. One window at a time; links to the web open in the browser.
class UserGuideWindow : public QDialog
{
    Q_OBJECT
public:
    explicit UserGuideWindow(QWidget* parent = nullptr);

    // Shows the guide, raising the open window when there is one.
    static UserGuideWindow* showGuide();

    // The guide's Markdown text from the program's resources; empty if missing.
    static QString guideText();

    QTextBrowser* browser() const { return m_browser; }

protected:
    void changeEvent(QEvent* event) override;

private:
    QTextBrowser* m_browser = nullptr;
};
