// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QWidget>

namespace Ui { class PstInfoLabel; }

// One titled block of the information view: a grey bold title over rows of
// caption and value.
class PstInfoLabel : public QWidget
{
    Q_OBJECT
public:
    explicit PstInfoLabel(QWidget* parent = nullptr);
    ~PstInfoLabel() override;

    void setLabelTitle(const QString& title);
    QString labelTitle() const;
    // Appends a row; an empty caption shows the value alone.
    void addLabel(const QString& caption, const QString& value);

private:
    Ui::PstInfoLabel* m_ui = nullptr;
};
