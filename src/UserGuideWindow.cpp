// SPDX-License-Identifier: GPL-2.0-or-later
#include "UserGuideWindow.h"

#include "Log.h"
#include "MultiLanguage.h"
#include "ProductConstants.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const char* const kGuideResource = ":/doc/user-guide.md";

QString readResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

} // namespace

UserGuideWindow::UserGuideWindow(QWidget* parent)
    : QDialog(parent)
    , m_browser(new QTextBrowser(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    m_browser->setOpenExternalLinks(true);
    m_browser->document()->setDocumentMargin(16);
    showText();
    setWindowTitle(tr("%1 User Guide").arg(g_product_name));
    resize(720, 640);
}

UserGuideWindow* UserGuideWindow::showGuide()
{
    static QPointer<UserGuideWindow> open;
    if (!open)
        open = new UserGuideWindow(QApplication::activeWindow());
    open->show();
    open->raise();
    open->activateWindow();
    return open;
}

QString UserGuideWindow::guideText()
{
    return guideText(MultiLanguage::instance()->currentLanguage());
}

QString UserGuideWindow::guideText(int language)
{
    if (language != MultiLanguage::English) {
        const QString translated
            = readResource(QStringLiteral(":/doc/user-guide.%1.md").arg(MultiLanguage::languageCode(language)));
        if (!translated.isEmpty())
            return translated;
    }
    return readResource(QString::fromLatin1(kGuideResource));
}

void UserGuideWindow::showText()
{
    const QString text = guideText();
    if (text.isEmpty())
        Log::warn(QStringLiteral("The user guide is missing from the program's resources."));
    m_browser->setMarkdown(text);
}

void UserGuideWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        setWindowTitle(tr("%1 User Guide").arg(g_product_name));
        showText();
    }
    QDialog::changeEvent(event);
}
