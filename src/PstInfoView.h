#pragma once

#include "PstItem.h"

#include <QWidget>

#include <memory>

class PstInfoLabel;
namespace Ui { class PstInfoView; }

// The detail page of every item that is not a mail: the item's name as a
// heading and one block per section that has a value to show.
class PstInfoView : public QWidget
{
    Q_OBJECT
public:
    explicit PstInfoView(QWidget* parent = nullptr);
    ~PstInfoView() override;

    // Replaces the blocks with `item`'s; a null item only removes them.
    void setData(const std::shared_ptr<PstItem>& item);
    // Removes every block (deleted when control returns to the event loop).
    void clearInfoLabels();

    // The blocks now in the layout, top to bottom.
    QList<PstInfoLabel*> infoLabels() const;
    Ui::PstInfoView* form() const { return m_ui; }

protected:
    // A language switch lays the shown item out again in the new language.
    void changeEvent(QEvent* event) override;

private:
    Ui::PstInfoView* m_ui = nullptr;
    std::weak_ptr<PstItem> m_item;
};
