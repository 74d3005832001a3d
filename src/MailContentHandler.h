// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

class QWebEngineProfile;

// Serves mail pages too large for the web view's setHtml (which goes
// through a data: URL that the engine caps at 2 MB) under the program's own
// "lumaroo-mail:" scheme. Holds only the page shown last.
class MailContentHandler : public QWebEngineUrlSchemeHandler
{
    Q_OBJECT
public:
    static const QByteArray kScheme;

    // Declares the scheme to the web engine. Must run before the
    // application object exists (main, or a test's initMain).
    static void registerScheme();
    // Installs the handler on the web views' profile once; null when the
    // scheme was not registered in time.
    static MailContentHandler* install();
    // Installs a handler of its own on `profile` (which owns it), for pages
    // outside the mail view; null when the scheme was not registered in time.
    static MailContentHandler* installOn(QWebEngineProfile* profile);

    // Keeps `html` as the page to serve and returns its address.
    QUrl publish(const QString& html);

    void requestStarted(QWebEngineUrlRequestJob* job) override;

private:
    explicit MailContentHandler(QObject* parent);

    QByteArray m_page;
    QUrl m_pageUrl;
    int m_serial = 0;
};
