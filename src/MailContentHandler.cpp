// SPDX-License-Identifier: GPL-2.0-or-later
#include "MailContentHandler.h"

#include "Log.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QQuickWebEngineProfile>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

const QByteArray MailContentHandler::kScheme = QByteArrayLiteral("lumaroo-mail");

MailContentHandler::MailContentHandler(QObject* parent)
    : QWebEngineUrlSchemeHandler(parent)
{
}

void MailContentHandler::registerScheme()
{
    if (QWebEngineUrlScheme::schemeByName(kScheme).name() == kScheme)
        return;
    QWebEngineUrlScheme scheme(kScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    // Local: pages from the network can never point at it.
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::LocalScheme);
    QWebEngineUrlScheme::registerScheme(scheme);
}

MailContentHandler* MailContentHandler::install()
{
    static MailContentHandler* handler = nullptr;
    if (!handler && QWebEngineUrlScheme::schemeByName(kScheme).name() == kScheme) {
        handler = new MailContentHandler(QCoreApplication::instance());
        QQuickWebEngineProfile::defaultProfile()->installUrlSchemeHandler(kScheme, handler);
    }
    return handler;
}

MailContentHandler* MailContentHandler::installOn(QWebEngineProfile* profile)
{
    if (QWebEngineUrlScheme::schemeByName(kScheme).name() != kScheme)
        return nullptr;
    auto* handler = new MailContentHandler(profile);
    profile->installUrlSchemeHandler(kScheme, handler);
    return handler;
}

QUrl MailContentHandler::publish(const QString& html)
{
    m_page = html.toUtf8();
    // A new address for every page, so the view loads it afresh.
    m_pageUrl = QUrl(QStringLiteral("%1:page/%2").arg(QString::fromLatin1(kScheme)).arg(++m_serial));
    return m_pageUrl;
}

void MailContentHandler::requestStarted(QWebEngineUrlRequestJob* job)
{
    if (job->requestUrl() != m_pageUrl) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    auto* body = new QBuffer(job);
    body->setData(m_page);
    job->reply(QByteArrayLiteral("text/html;charset=utf-8"), body);
}
