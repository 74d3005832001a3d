// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// Two lines above the item list: the search index's progress with a
// Cancel button while a file is being indexed, and what an all-folders
// search found (or why it searched nothing). Each line hides when empty.
class SearchStatusLine : public QWidget
{
    Q_OBJECT
public:
    explicit SearchStatusLine(QWidget* parent = nullptr);

    // What the progress line's button offers.
    enum class Action { None, Cancel, IndexAgain };

    // Shows `text` on the progress line with the button for `action`.
    void setProgress(const QString& text, Action action);
    void setResult(const QString& text, bool isError = false);

    QString progressText() const;
    QString resultText() const;
    // The progress line's button: Cancel, or Index Now after a build stopped.
    QPushButton* cancelButton() const { return m_cancel; }
    Action action() const { return m_action; }

signals:
    void cancelRequested();
    void indexAgainRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    Action m_action = Action::None;
    QWidget* m_progressRow = nullptr;
    QLabel* m_progress = nullptr;
    QPushButton* m_cancel = nullptr;
    QLabel* m_result = nullptr;
};
