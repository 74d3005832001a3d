// SPDX-License-Identifier: GPL-2.0-or-later
#include "ElidedLabel.h"

#include <QResizeEvent>

ElidedLabel::ElidedLabel(QWidget* parent)
    : QLabel(parent)
{
    // Its text comes from the PST file: never let it render as rich text.
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    // The shown text is already cut to the width; it must not hold the
    // layout at that width when the pane narrows.
    setMinimumWidth(1);
}

void ElidedLabel::setFullText(const QString& text)
{
    if (text.isEmpty()) {
        m_fullText.clear();
        setText(QString());
        hide();
        return;
    }
    show();
    m_fullText = text;
    updateShownText();
}

void ElidedLabel::setElideMode(Qt::TextElideMode mode)
{
    if (mode == m_elideMode)
        return;
    m_elideMode = mode;
    updateShownText();
}

void ElidedLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    updateShownText();
}

void ElidedLabel::updateShownText()
{
    if (m_fullText.isEmpty()) {
        setText(QString());
        return;
    }
    setText(fontMetrics().elidedText(m_fullText, m_elideMode, width()));
}
