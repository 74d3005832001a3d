#include "PstInfoView.h"

#include "PstInfoLabel.h"
#include "ui_PstInfoView.h"

#include <QEvent>

namespace {

bool hasShownField(const InfoSection& section)
{
    for (const InfoField& field : section.fields) {
        if (!field.value.isEmpty())
            return true;
    }
    return false;
}

} // namespace

PstInfoView::PstInfoView(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::PstInfoView)
{
    m_ui->setupUi(this);
}

PstInfoView::~PstInfoView()
{
    delete m_ui;
}

void PstInfoView::clearInfoLabels()
{
    QVBoxLayout* layout = m_ui->verticalLayout;
    // Index 0 is the heading, which stays; so does the spacer at the end.
    for (int i = layout->count() - 1; i >= 1; --i) {
        QLayoutItem* entry = layout->itemAt(i);
        if (entry->spacerItem())
            continue;
        layout->takeAt(i);
        if (QWidget* widget = entry->widget()) {
            widget->hide();
            widget->deleteLater();
        }
        delete entry;
    }
}

void PstInfoView::setData(const std::shared_ptr<PstItem>& item)
{
    clearInfoLabels();
    m_item = item;
    if (!item)
        return;
    m_ui->name->setText(item->displayName());
    QVBoxLayout* layout = m_ui->verticalLayout;
    for (const InfoSection& section : item->sections()) {
        if (!hasShownField(section))
            continue;
        auto* block = new PstInfoLabel(this);
        block->setLabelTitle(section.title);
        for (const InfoField& field : section.fields) {
            if (!field.value.isEmpty())
                block->addLabel(field.label, field.value);
        }
        layout->insertWidget(layout->count() - 1, block);
    }
}

void PstInfoView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        if (const auto item = m_item.lock())
            setData(item);
    }
    QWidget::changeEvent(event);
}

QList<PstInfoLabel*> PstInfoView::infoLabels() const
{
    QList<PstInfoLabel*> blocks;
    QVBoxLayout* layout = m_ui->verticalLayout;
    for (int i = 0; i < layout->count(); ++i) {
        if (auto* block = qobject_cast<PstInfoLabel*>(layout->itemAt(i)->widget()))
            blocks.append(block);
    }
    return blocks;
}
