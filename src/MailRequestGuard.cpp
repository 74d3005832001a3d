// SPDX-License-Identifier: GPL-2.0-or-later
#include "MailRequestGuard.h"

#include "MailContentHandler.h"

#include <QCoreApplication>
#include <QQuickWebEngineProfile>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInfo>

namespace {

bool isInlineContent(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("data") || scheme == QLatin1String("blob")
        || scheme == QLatin1String("about") || scheme == QLatin1String("qrc")
        || scheme == QLatin1String(MailContentHandler::kScheme);
}

} // namespace

MailRequestGuard::MailRequestGuard(QObject* parent)
    : QWebEngineUrlRequestInterceptor(parent)
{
}

MailRequestGuard* MailRequestGuard::install()
{
    static MailRequestGuard* guard = nullptr;
    if (!guard) {
        guard = new MailRequestGuard(QCoreApplication::instance());
        QQuickWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(guard);
    }
    return guard;
}

MailRequestGuard* MailRequestGuard::installOn(QWebEngineProfile* profile)
{
    auto* guard = new MailRequestGuard(profile);
    profile->setUrlRequestInterceptor(guard);
    return guard;
}

void MailRequestGuard::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    if (isInlineContent(info.requestUrl()))
        return;
    m_blocked.fetchAndAddRelaxed(1);
    info.block(true);
}
