// SPDX-License-Identifier: GPL-2.0-or-later
#include "PrintPage.h"

#include "Log.h"
#include "MailContentHandler.h"
#include "MailRequestGuard.h"

#include <QCoreApplication>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace {

// setHtml hands the page over as a data: URL, which the engine caps at 2 MB
// after percent-encoding (which at most triples the UTF-8 size).
const qsizetype kDataUrlLimit = 2 * 1024 * 1024 - 64 * 1024;

// Serves the print pages too large for setHtml; null when the scheme was not
// registered before the application object.
MailContentHandler* g_largePages = nullptr;

bool fitsDataUrl(const QByteArray& utf8)
{
    return utf8.size() * 3 < kDataUrlLimit || utf8.toPercentEncoding().size() < kDataUrlLimit;
}

void lockDown(QWebEngineSettings* settings)
{
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::AutoLoadImages, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
    settings->setAttribute(QWebEngineSettings::HyperlinkAuditingEnabled, false);
    settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    settings->setAttribute(QWebEngineSettings::PrintElementBackgrounds, true);
}

} // namespace

PrintPage::PrintPage(QObject* parent)
    : QWebEnginePage(printProfile(), parent)
{
    lockDown(settings());
}

QWebEngineProfile* PrintPage::printProfile()
{
    static QWebEngineProfile* profile = nullptr;
    if (!profile) {
        // No name: off the record, nothing of a printed mail stays on disk.
        profile = new QWebEngineProfile(QCoreApplication::instance());
        MailRequestGuard::installOn(profile);
        g_largePages = MailContentHandler::installOn(profile);
    }
    return profile;
}

void PrintPage::setDocument(const QString& html)
{
    const QByteArray utf8 = html.toUtf8();
    if (!fitsDataUrl(utf8)) {
        if (g_largePages) {
            load(g_largePages->publish(html));
            return;
        }
        Log::warn(QStringLiteral("A print page over 2 MB cannot be laid out."));
    }
    setHtml(html);
}

bool PrintPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    Q_UNUSED(url);
    // Only the program loads documents into the main frame (setHtml, load);
    // a refresh, redirect, link or form inside the mail must not replace it.
    return !isMainFrame || type == NavigationTypeTyped;
}
