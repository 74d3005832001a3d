// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QAtomicInt>
#include <QWebEngineUrlRequestInterceptor>

class QWebEngineProfile;

// Keeps the mail view off the network: every request for anything but the
// page's own content (data:, blob:, about:, qrc:, lumaroo-mail:) is blocked, so a
// mail cannot load remote images or styles or tell its sender it was read.
class MailRequestGuard : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT
public:
    // Installs the guard on the web views' profile once; later calls return
    // the same guard.
    static MailRequestGuard* install();
    // Installs a guard of its own on `profile` (which owns it); for pages
    // outside the mail view, such as printing.
    static MailRequestGuard* installOn(QWebEngineProfile* profile);

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
    // Requests blocked so far (any thread).
    int blockedCount() const { return m_blocked.loadRelaxed(); }

private:
    explicit MailRequestGuard(QObject* parent);
    QAtomicInt m_blocked;
};
