// SPDX-License-Identifier: GPL-2.0-or-later
#include "About.h"

#include "Log.h"
#include "MultiLanguage.h"
#include "ProductConstants.h"
#include "UnopenedTarget.h"
#include "ui_About.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QUrl>

About::About(QWidget* parent)
    : QDialog(parent)
    , m_ui(new Ui::About)
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    m_ui->iconLabel->setPixmap(QIcon(QStringLiteral(":/img/icon.png")).pixmap(64, 64));
    m_ui->lab_product->setText(g_product_name);
    setTexts();
    connect(m_ui->btnMoreInfo, &QPushButton::clicked, this, [this] {
        const QUrl url(MultiLanguage::instance()->multilingualLink(g_link_product));
        if (!QDesktopServices::openUrl(url))
            UnopenedTarget::tell(this, url.toString());
    });
}

About::~About()
{
    delete m_ui;
}

void About::showAboutWindow()
{
    Log::info(QStringLiteral("Show the About box."));
    auto* about = new About(QApplication::activeWindow());
    about->exec();
}

void About::setTexts()
{
    m_ui->lab_version->setText(tr("Version %1").arg(g_version));
}

void About::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        setTexts();
    }
    QDialog::changeEvent(event);
}
