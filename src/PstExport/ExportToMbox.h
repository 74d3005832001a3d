// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ExportStrategy.h"

#include <QHash>
#include <QMutex>

// Mails as one mailbox file per PST folder (FOLDER.mbox in the folder's
// directory), in the mboxrd convention: each message is the .eml writer's
// message under a "From " separator line of its own.
class ExportToMbox : public ExportStrategy
{
public:
    using ExportStrategy::ExportStrategy;

    bool exportItem(pst_item* item, const QString& outputDir, CancelToken* token,
                    std::function<void(int)> progress) override;
    QString type() const override { return QStringLiteral("mbox"); }
    void beginRun(const QString& outputRoot) override;

    // The separator line of a message from `sender` at `unixTime` (UTC, in
    // the C library's asctime form); a sender that is empty or holds blanks
    // gives MAILER-DAEMON.
    static QByteArray separatorLine(const QByteArray& sender, qint64 unixTime);

private:
    // The mailbox of the folder written to outputDir: created under a free
    // name the first time the run writes to it, then appended to; "" when
    // it cannot be created.
    QString mailboxPath(const QString& outputDir);

    QMutex m_lock;
    QHash<QString, QString> m_mailboxes;
};
