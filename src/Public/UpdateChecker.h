#pragma once

#include "UpdateCheckResult.h"

#include <QObject>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// Reads the release feed (an AppStream releases list) and compares its
// newest version with the running one. One check at a time, on the thread
// that owns the checker.
class UpdateChecker : public QObject
{
    Q_OBJECT
public:
    explicit UpdateChecker(QObject* parent = nullptr);

    // The feed to read: LUMAROO_UPDATE_FEED_URL when set, else the product's feed.
    static QUrl feedUrl();

    // Starts reading `feed`; finished() follows exactly once. False (and no
    // signal) while an earlier check still runs.
    bool start(const QUrl& feed, const QString& currentVersion);

    // Judges a downloaded feed against `currentVersion`.
    static UpdateCheckResult evaluate(const QByteArray& feed, const QString& currentVersion);
    // The result for a check that could not read the feed at all.
    static UpdateCheckResult failure(const QString& reason);

signals:
    void finished(const UpdateCheckResult& result);

private:
    void onReplyFinished();
    void onDownloadProgress(qint64 received);

    QNetworkAccessManager* m_network = nullptr;
    QNetworkReply* m_reply = nullptr;
    QString m_currentVersion;
    bool m_oversized = false;
};
