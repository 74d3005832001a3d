#include "UpdateChecker.h"

#include "GLanguage.h"
#include "Log.h"
#include "ProductConstants.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QVersionNumber>
#include <QXmlStreamReader>

namespace {

// A release list is a few kilobytes; anything far larger is not one.
const qint64 kMaxFeedBytes = 1024 * 1024;
const int kTimeoutMs = 20000;
const int kTooManyRequests = 429;

QString glanguage(GLanguage::StringIndex index)
{
    return QCoreApplication::translate("GLanguage", GLanguage::getString(index));
}

// A version is only trusted when the whole attribute is dotted numbers.
QVersionNumber strictVersion(const QString& text)
{
    qsizetype suffix = 0;
    const QVersionNumber version = QVersionNumber::fromString(text, &suffix);
    if (version.isNull() || suffix != text.size())
        return {};
    return version;
}

struct Release
{
    QVersionNumber version;
    QUrl link;
};

QUrl safeLink(const QString& text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("https") && scheme != QLatin1String("http")))
        return {};
    return url;
}

// The newest <release version="…"> of the feed; false when the feed is not
// well-formed XML or lists no release with a usable version.
bool newestRelease(const QByteArray& feed, Release& newest)
{
    QXmlStreamReader xml(feed);
    Release current;
    bool inRelease = false;
    bool found = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("release")) {
            current = Release{strictVersion(xml.attributes().value(QLatin1String("version")).toString().trimmed()), {}};
            inRelease = !current.version.isNull();
        } else if (inRelease && xml.isStartElement() && xml.name() == QLatin1String("url")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            const QUrl link = safeLink(xml.readElementText());
            if (!link.isEmpty() && (current.link.isEmpty() || type == QLatin1String("details")))
                current.link = link;
        } else if (inRelease && xml.isEndElement() && xml.name() == QLatin1String("release")) {
            if (!found || current.version > newest.version)
                newest = current;
            found = true;
            inRelease = false;
        }
    }
    return found && !xml.hasError();
}

} // namespace

UpdateChecker::UpdateChecker(QObject* parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
{
}

QUrl UpdateChecker::feedUrl()
{
    const QByteArray overridden = qgetenv("LUMAROO_UPDATE_FEED_URL");
    return QUrl(overridden.isEmpty() ? g_link_update_feed : QString::fromUtf8(overridden));
}

bool UpdateChecker::start(const QUrl& feed, const QString& currentVersion)
{
    if (m_reply)
        return false;
    m_currentVersion = currentVersion;
    m_oversized = false;
    Log::info(QStringLiteral("Checking for updates at %1").arg(feed.toString()));
    QNetworkRequest request(feed);
    request.setTransferTimeout(kTimeoutMs);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("%1/%2").arg(g_product_name, currentVersion));
    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &UpdateChecker::onDownloadProgress);
    connect(m_reply, &QNetworkReply::finished, this, &UpdateChecker::onReplyFinished);
    return true;
}

void UpdateChecker::onDownloadProgress(qint64 received)
{
    if (received > kMaxFeedBytes && m_reply) {
        m_oversized = true;
        m_reply->abort();
    }
}

void UpdateChecker::onReplyFinished()
{
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    UpdateCheckResult result;
    if (status == kTooManyRequests) {
        result = failure(glanguage(GLanguage::TooFrequent));
    } else if (status >= 400) {
        result = failure(tr("The update server answered with error %1.").arg(status));
    } else if (m_oversized) {
        result = failure(tr("The list of releases could not be read."));
    } else if (reply->error() != QNetworkReply::NoError) {
        Log::warn(QStringLiteral("Update check failed: %1").arg(reply->errorString()));
        result = failure(glanguage(GLanguage::NetworkError));
    } else {
        result = evaluate(reply->read(kMaxFeedBytes + 1), m_currentVersion);
    }
    Log::info(QStringLiteral("Update check: %1").arg(result.message));
    emit finished(result);
}

UpdateCheckResult UpdateChecker::evaluate(const QByteArray& feed, const QString& currentVersion)
{
    const QVersionNumber running = strictVersion(currentVersion);
    Release newest;
    if (feed.size() > kMaxFeedBytes || running.isNull() || !newestRelease(feed, newest))
        return failure(tr("The list of releases could not be read."));

    UpdateCheckResult result;
    result.latestVersion = newest.version.toString();
    result.link = newest.link.isEmpty() ? QUrl(g_link_product) : newest.link;
    if (newest.version > running) {
        result.outcome = UpdateCheckResult::NewerAvailable;
        result.message = tr("%1 %2 is available. You are using version %3.")
                             .arg(g_product_name, result.latestVersion, currentVersion);
    } else {
        // Also when the feed lists only older releases: nothing newer exists.
        result.outcome = UpdateCheckResult::UpToDate;
        result.message = QStringLiteral("%1 %2 %3").arg(g_product_name, currentVersion, glanguage(GLanguage::NewestVersion));
    }
    return result;
}

UpdateCheckResult UpdateChecker::failure(const QString& reason)
{
    UpdateCheckResult result;
    result.outcome = UpdateCheckResult::Failed;
    result.message = tr("Could not check for updates.") + QLatin1Char(' ') + reason;
    return result;
}
