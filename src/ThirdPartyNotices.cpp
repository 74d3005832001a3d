// SPDX-License-Identifier: GPL-2.0-or-later
#include "ThirdPartyNotices.h"

#include "Log.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

QString ThirdPartyNotices::html()
{
    QFile file(QStringLiteral(":/licences/notices.html"));
    if (!file.open(QIODevice::ReadOnly)) {
        Log::warn(QStringLiteral("The licence notices are missing from the program's resources."));
        return QString();
    }
    return QString::fromUtf8(file.readAll());
}

void ThirdPartyNotices::showDialog(QWidget* parent)
{
    auto* dialog = new QDialog(parent);
    dialog->setObjectName(QStringLiteral("licencesDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("Licences"));
    dialog->resize(560, 520);
    auto* text = new QTextBrowser(dialog);
    text->setOpenExternalLinks(true);
    text->setHtml(html());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog->show();
}
