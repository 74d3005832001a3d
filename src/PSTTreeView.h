// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QTreeView>

// The main window's folder tree; the splitter may squeeze it to nothing.
class PSTTreeView : public QTreeView
{
    Q_OBJECT
public:
    explicit PSTTreeView(QWidget* parent = nullptr);
    QSize minimumSizeHint() const override;
};
