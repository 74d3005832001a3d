// SPDX-License-Identifier: GPL-2.0-or-later
#include "SearchStatusLine.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SearchStatusLine::SearchStatusLine(QWidget* parent)
    : QWidget(parent)
    , m_progressRow(new QWidget(this))
    , m_progress(new QLabel(m_progressRow))
    , m_cancel(new QPushButton(m_progressRow))
    , m_result(new QLabel(this))
{
    setObjectName(QStringLiteral("searchStatus"));
    m_progress->setObjectName(QStringLiteral("indexProgress"));
    m_cancel->setObjectName(QStringLiteral("indexCancel"));
    m_result->setObjectName(QStringLiteral("searchResult"));
    for (QLabel* label : {m_progress, m_result}) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
    }
    auto* row = new QHBoxLayout(m_progressRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_progress, 1);
    row->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(2);
    layout->addWidget(m_progressRow);
    layout->addWidget(m_result);
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        if (m_action == Action::Cancel)
            emit cancelRequested();
        else if (m_action == Action::IndexAgain)
            emit indexAgainRequested();
    });
    setProgress(QString(), Action::None);
    setResult(QString());
}

void SearchStatusLine::setProgress(const QString& text, Action action)
{
    m_action = action;
    retranslate();
    m_progress->setText(text);
    m_cancel->setVisible(action != Action::None);
    m_progressRow->setVisible(!text.isEmpty());
    setVisible(!text.isEmpty() || !m_result->text().isEmpty());
}

void SearchStatusLine::setResult(const QString& text, bool isError)
{
    m_result->setText(text);
    m_result->setStyleSheet(isError ? QStringLiteral("color: #c0392b;") : QString());
    m_result->setVisible(!text.isEmpty());
    setVisible(!text.isEmpty() || !m_progress->text().isEmpty());
}

QString SearchStatusLine::progressText() const
{
    return m_progress->text();
}

QString SearchStatusLine::resultText() const
{
    return m_result->text();
}

void SearchStatusLine::retranslate()
{
    m_cancel->setText(m_action == Action::IndexAgain ? tr("Index Now") : tr("Cancel"));
}

void SearchStatusLine::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
