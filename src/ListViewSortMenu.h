// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QMenu>

class QActionGroup;

// The "Sort by" choices: a field ("none" for the folder's own order,
// "subject", "date", "sender", "size" or "kind") and an order ("asc" or
// "desc", offered only with a field).
class ListViewSortMenu : public QMenu
{
    Q_OBJECT
public:
    explicit ListViewSortMenu(QWidget* parent = nullptr);

    QActionGroup* fieldGroup() const { return m_fieldGroup; }
    QActionGroup* orderGroup() const { return m_orderGroup; }
    // "field order", e.g. "date desc", for storing; setChoice checks those
    // entries and announces them (an unknown field changes nothing).
    QString choice() const;
    void setChoice(const QString& choice);

signals:
    void sortChanged(QString field, QString order);

public slots:
    void onActionTriggered(QAction* action);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    QAction* addChoice(QActionGroup* group, const QString& text, const QString& data, bool checked);

    QActionGroup* m_fieldGroup = nullptr;
    QActionGroup* m_orderGroup = nullptr;
};
