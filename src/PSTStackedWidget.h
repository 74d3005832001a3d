// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStackedWidget>

// The detail pane's page stack; the splitter may squeeze it to nothing.
class PSTStackedWidget : public QStackedWidget
{
    Q_OBJECT
public:
    explicit PSTStackedWidget(QWidget* parent = nullptr);
    QSize minimumSizeHint() const override;
};
