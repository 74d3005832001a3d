// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QTreeView>

// A folder tree on zebra bands that run on below the last row (the export
// dialog's tree).
class AlternateTreeView : public QTreeView
{
    Q_OBJECT
public:
    explicit AlternateTreeView(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
