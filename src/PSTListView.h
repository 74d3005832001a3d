// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QListView>

// The main window's item list; the splitter may squeeze it to nothing.
class PSTListView : public QListView
{
    Q_OBJECT
public:
    explicit PSTListView(QWidget* parent = nullptr);
    QSize minimumSizeHint() const override;
};
