// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QLabel>

#include <memory>

class PstItem;

// A line under the folder tree saying, without interrupting, how many
// messages of the open documents could not be shown; the log names each.
class LossNotice : public QLabel
{
    Q_OBJECT
public:
    // Places a notice under `tree`, which must sit in a QSplitter; the tree
    // and the notice share the tree's pane.
    static LossNotice* install(QWidget* tree);

    // Shows the losses of these document roots; hides itself when none lost any.
    void showLosses(const QList<std::shared_ptr<PstItem>>& documents);

private:
    explicit LossNotice(QWidget* parent);
};
