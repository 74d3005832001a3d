#pragma once

#include <QDialog>

namespace Ui { class About; }

// The About box: icon, product name, version and a link to the product page.
// Deleted when closed.
class About : public QDialog
{
    Q_OBJECT
public:
    explicit About(QWidget* parent = nullptr);
    ~About() override;

    // Opens a new About box over the active window and waits until it is closed.
    static void showAboutWindow();

    Ui::About* form() const { return m_ui; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void setTexts();

    Ui::About* m_ui = nullptr;
};
