#pragma once

#include <QString>
#include <QUrl>

// What a manual update check found out.
struct UpdateCheckResult
{
    enum Outcome {
        NewerAvailable, // `latestVersion` is newer than the running program
        UpToDate,       // the feed was read and lists nothing newer
        Failed,         // nothing is known: no network, a refusal, or an unreadable feed
    };

    Outcome outcome = Failed;
    QString latestVersion;  // the newest version the feed lists; empty when unknown
    QUrl link;              // where to get it (http or https only); may be empty
    QString message;        // the sentence shown to the user, in the current language
};
