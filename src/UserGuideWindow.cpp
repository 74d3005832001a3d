#include "UserGuideWindow.h"

#include "Log.h"
#include "ProductConstants.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const char* const kGuideResource = ":/doc/user-guide.md";

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
    const QString text = guideText();
    if (text.isEmpty())
        Log::warn(QStringLiteral("The user guide is missing from the program's resources."));
    m_browser->setMarkdown(text);
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
    QFile file(QString::fromLatin1(kGuideResource));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void UserGuideWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        setWindowTitle(tr("%1 User Guide").arg(g_product_name));
    QDialog::changeEvent(event);
}
