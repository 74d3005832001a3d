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

    // Shows `text` on the progress line; `cancellable` shows Cancel beside it.
    void setProgress(const QString& text, bool cancellable);
    void setResult(const QString& text, bool isError = false);

    QString progressText() const;
    QString resultText() const;
    QPushButton* cancelButton() const { return m_cancel; }

signals:
    void cancelRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* m_progressRow = nullptr;
    QLabel* m_progress = nullptr;
    QPushButton* m_cancel = nullptr;
    QLabel* m_result = nullptr;
};
