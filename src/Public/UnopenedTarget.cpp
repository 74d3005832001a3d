// SPDX-License-Identifier: GPL-2.0-or-later
#include "UnopenedTarget.h"

#include "Log.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

QMessageBox* UnopenedTarget::tell(QWidget* parent, const QString& target)
{
    const QUrl url(target);
    const QString shown = url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : target;
    Log::warn(QStringLiteral("The desktop could not open %1.").arg(shown));
    auto* box = new QMessageBox(QMessageBox::Information,
                                QCoreApplication::translate("UnopenedTarget", "Could Not Open"),
                                QCoreApplication::translate("UnopenedTarget",
                                                            "No program on this desktop could open it. It is here:"),
                                QMessageBox::Close, parent ? parent->window() : nullptr);
    box->setObjectName(QStringLiteral("unopenedTarget"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setInformativeText(shown);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPushButton* copy = box->addButton(QCoreApplication::translate("UnopenedTarget", "&Copy"), QMessageBox::ActionRole);
    copy->setObjectName(QStringLiteral("copyButton"));
    QObject::connect(copy, &QPushButton::clicked, box, [shown] { QApplication::clipboard()->setText(shown); });
    box->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    box->open();
    return box;
}
