// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ExportStrategy.h"

#include <QMutex>
#include <QSet>

#include <atomic>

// Mails as a Maildir++ tree at the top of the output folder: the top folder's
// mails in its cur/, every PST folder below as ".Parent.Child" with its own
// cur/, new/ and tmp/. One file per mail, named uniquely, with the flags the
// mail has (read S, flagged F, replied R) and its delivery time as the
// file's time. The file is the .eml writer's message without its separator.
class ExportToMaildir : public ExportStrategy
{
public:
    using ExportStrategy::ExportStrategy;

    bool exportItem(pst_item* item, const QString& outputDir, CancelToken* token,
                    std::function<void(int)> progress) override;
    QString type() const override { return QStringLiteral("maildir"); }
    void beginRun(const QString& outputRoot) override;

    // The Maildir++ folder name of a directory of the mirrored tree given
    // relative to the run's output folder ("Inbox/Sub" gives ".Inbox.Sub",
    // "." gives ""): dots inside a name become "_", as the dot parts the
    // levels. A name longer than a file name may be is cut and ends in "~"
    // and a digest of the whole name, so it stays unique.
    static QString folderName(const QString& relativeDir);

private:
    // Creates the folder's cur/, new/ and tmp/ (and the top's) when missing.
    bool prepareFolder(const QString& folder);
    // The flag letters of the mail, in the order Maildir wants them.
    QString flagsOf(pst_item* item) const;
    QString uniqueName(qint64 deliveryTime);

    QMutex m_lock;
    QString m_root;
    QSet<QString> m_prepared;
    std::atomic<quint64> m_sequence{0};
};
