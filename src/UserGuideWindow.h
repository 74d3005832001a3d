// SPDX-License-Identifier: GPL-2.0-or-later
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

    // The guide's Markdown text in the interface language (English when
    // there is no guide in that language); empty if missing.
    static QString guideText();
    // The guide's Markdown text in `language` (a MultiLanguage index), or
    // the English guide when that language has none.
    static QString guideText(int language);

    QTextBrowser* browser() const { return m_browser; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void showText();

    QTextBrowser* m_browser = nullptr;
};
