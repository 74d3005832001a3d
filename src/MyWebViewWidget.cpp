// SPDX-License-Identifier: GPL-2.0-or-later
#include "MyWebViewWidget.h"

#include "LinkPolicy.h"
#include "Log.h"
#include "MailHighlighter.h"
#include "MailContentHandler.h"
#include "MailRequestGuard.h"
#include "NativeMessageBox.h"

#include <QDebug>
#include <QDesktopServices>
#include <QQuickItem>
#include <QQuickWidget>
#include <QVBoxLayout>

namespace {

// setHtml hands the page over as a percent-encoded data: URL, which the
// engine refuses above 2 MB.
const qsizetype kDataUrlLimit = 2 * 1024 * 1024 - 64 * 1024;

bool exceedsDataUrlLimit(const QString& html)
{
    // Percent-encoding at most triples the UTF-8 size.
    const QByteArray utf8 = html.toUtf8();
    if (utf8.size() * 3 < kDataUrlLimit)
        return false;
    return utf8.toPercentEncoding().size() >= kDataUrlLimit;
}

} // namespace

MyWebViewWidget::MyWebViewWidget(QWidget* parent)
    : QWidget(parent)
    , m_quickWidget(new QQuickWidget(this))
{
    MailRequestGuard::install();
    MailContentHandler::install();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_quickWidget);
    m_quickWidget->setResizeMode(QQuickWidget::SizeRootObjectToView);
    connect(m_quickWidget, &QQuickWidget::statusChanged, this, &MyWebViewWidget::onStatusChanged);
    m_quickWidget->setSource(QUrl(QStringLiteral("qrc:/qml/WebView.qml")));
}

void MyWebViewWidget::onStatusChanged()
{
    if (m_quickWidget->status() != QQuickWidget::Ready || m_rootObject)
        return;
    m_rootObject = m_quickWidget->rootObject();
    if (!m_rootObject)
        return;
    connect(m_rootObject, SIGNAL(linkClicked(QUrl)), this, SLOT(openLink(QUrl)));
    connect(m_rootObject, SIGNAL(highlighted(int)), this, SIGNAL(highlighted(int)));
    // The marks go on before the page is announced, so a page counts as
    // shown once it is marked.
    connect(this, &MyWebViewWidget::pageLoaded, this, [this](bool ok) {
        m_pageMarked = false;
        if (ok && !m_highlightTerms.isEmpty())
            applyHighlight();
    });
    connect(m_rootObject, SIGNAL(pageLoaded(bool)), this, SIGNAL(pageLoaded(bool)));
    emit ready();
}

void MyWebViewWidget::updateHtml(const QString& html)
{
    if (!m_rootObject) {
        qWarning() << "rootObject not ready";
        return;
    }
    if (exceedsDataUrlLimit(html)) {
        if (MailContentHandler* handler = MailContentHandler::install()) {
            loadUrl(handler->publish(html));
            return;
        }
        Log::warn(QStringLiteral("A mail page over 2 MB cannot be shown."));
    }
    QMetaObject::invokeMethod(m_rootObject, "setHtml", Q_ARG(QVariant, QVariant(html)));
}

void MyWebViewWidget::setHighlightTerms(const QStringList& terms)
{
    if (terms == m_highlightTerms)
        return;
    m_highlightTerms = terms;
    if (!terms.isEmpty() || m_pageMarked)
        applyHighlight();
}

void MyWebViewWidget::applyHighlight()
{
    if (!m_rootObject)
        return;
    m_pageMarked = !m_highlightTerms.isEmpty();
    QMetaObject::invokeMethod(m_rootObject, "highlight", Q_ARG(QVariant, QVariant(MailHighlighter::script(m_highlightTerms))));
}

void MyWebViewWidget::loadUrl(const QUrl& url)
{
    if (m_rootObject)
        QMetaObject::invokeMethod(m_rootObject, "loadUrl", Q_ARG(QVariant, QVariant(url)));
}

void MyWebViewWidget::openLink(const QUrl& link)
{
    if (!link.isValid())
        return;
    // A mail's links are untrusted: file:, smb: or a program's own scheme
    // would reach local files, shares or handlers the user never chose.
    if (!LinkPolicy::mayOpen(link)) {
        const QString shown = link.toString(QUrl::FullyEncoded);
        Log::warn(QStringLiteral("Refused to open a link of the mail: %1").arg(shown));
        NativeMessageBox::warning(this, tr("Link not opened"),
                                  tr("Only web and e-mail links are opened. This link was not opened:\n%1").arg(shown));
        return;
    }
    Log::info(QStringLiteral("Open a link of the mail with the desktop."));
    QDesktopServices::openUrl(link);
}
