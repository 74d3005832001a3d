// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstInfoLabel.h"

#include "ui_PstInfoLabel.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {

QLabel* rowLabel(QWidget* parent, const QString& text)
{
    auto* label = new QLabel(parent);
    // Values come from the PST file: shown as they are, never as rich text.
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setStyleSheet(QStringLiteral("font-weight: bold ;"));
    label->setAlignment(Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

PstInfoLabel::PstInfoLabel(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::PstInfoLabel)
{
    m_ui->setupUi(this);
}

PstInfoLabel::~PstInfoLabel()
{
    delete m_ui;
}

void PstInfoLabel::setLabelTitle(const QString& title)
{
    m_ui->labelTitle->setText(title);
}

QString PstInfoLabel::labelTitle() const
{
    return m_ui->labelTitle->text();
}

void PstInfoLabel::addLabel(const QString& caption, const QString& value)
{
    auto* row = new QHBoxLayout();
    QLabel* captionLabel = rowLabel(this, caption);
    if (caption.isEmpty())
        captionLabel->hide();
    QLabel* valueLabel = rowLabel(this, value);
    valueLabel->setWordWrap(true);
    row->addWidget(captionLabel, 0);
    row->addWidget(valueLabel, 0);
    m_ui->verticalLayout_2->addLayout(row);
}
