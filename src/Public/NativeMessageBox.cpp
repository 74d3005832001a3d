#include "NativeMessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace {

QMessageBox::Icon iconFor(NativeMessageBox::Style style)
{
    switch (style) {
    case NativeMessageBox::Warning:
        return QMessageBox::Warning;
    case NativeMessageBox::Critical:
        return QMessageBox::Critical;
    case NativeMessageBox::Information:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

void NativeMessageBox::warning(QWidget*, const QString& title, const QString& text)
{
    showAlert(Warning, title, text);
}

void NativeMessageBox::info(QWidget*, const QString& title, const QString& text)
{
    showAlert(Information, title, text);
}

void NativeMessageBox::error(QWidget*, const QString& title, const QString& text)
{
    showAlert(Critical, title, text);
}

void NativeMessageBox::showAlert(Style style, const QString& title, const QString& text)
{
    QWidget* activeWindow = QApplication::activeWindow();
    // The title is the alert's message; the text explains it.
    auto* box = new QMessageBox(iconFor(style), title, title, QMessageBox::Ok, activeWindow);
    box->setInformativeText(text);
    box->button(QMessageBox::Ok)->setText(QCoreApplication::translate("NativeMessageBox", "OK"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (activeWindow) {
        // Like a sheet: it blocks only its window and the caller goes on.
        box->setWindowModality(Qt::WindowModal);
        box->open();
        return;
    }
    box->setWindowModality(Qt::ApplicationModal);
    box->exec();
}
