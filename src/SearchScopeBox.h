// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QComboBox>

// Where the search box looks: the rows of the folder on show, or every
// folder of the file through its search index. Reached with Tab from the
// search box; the choice is remembered with the window's state.
class SearchScopeBox : public QComboBox
{
    Q_OBJECT
public:
    enum Scope { ThisFolder = 0, AllFolders = 1 };

    explicit SearchScopeBox(QWidget* parent = nullptr);

    Scope scope() const { return Scope(currentIndex()); }
    void setScope(Scope scope) { setCurrentIndex(int(scope)); }
    // "folder" or "all", as stored with the window's state.
    QString choice() const;
    void setChoice(const QString& choice);

signals:
    void scopeChanged(SearchScopeBox::Scope scope);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
};
