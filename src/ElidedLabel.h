// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QLabel>

// A one-line label that shows as much of its text as fits, with an
// ellipsis, and takes no room at all when the text is empty.
class ElidedLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    // An empty text hides the label.
    void setFullText(const QString& text);
    QString fullText() const { return m_fullText; }
    void setElideMode(Qt::TextElideMode mode);
    Qt::TextElideMode elideMode() const { return m_elideMode; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateShownText();

    QString m_fullText;
    Qt::TextElideMode m_elideMode = Qt::ElideRight;
};
