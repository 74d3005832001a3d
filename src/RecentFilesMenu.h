// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QMenu>

// File ▸ Open Recent: the files opened last, newest first, from the stored
// list. Files that no longer exist are dropped from the list when the menu
// is about to show.
class RecentFilesMenu : public QMenu
{
    Q_OBJECT
public:
    explicit RecentFilesMenu(QWidget* parent = nullptr);
    // Rebuilds the entries from the stored list (also done before showing).
    void refresh();

signals:
    void fileChosen(const QString& path);

protected:
    void changeEvent(QEvent* event) override;
};
