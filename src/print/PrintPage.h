// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QWebEnginePage>

class QWebEngineProfile;

// The off-screen web page a print job lays out. Its document comes from a
// PST file and is untrusted: it runs no scripts, fetches nothing from the
// network (the mail view's request guard watches its profile), and never
// navigates away from the document it was given. Pictures embedded as data:
// (a mail's inline cid: pictures) still show.
class PrintPage : public QWebEnginePage
{
    Q_OBJECT
public:
    explicit PrintPage(QObject* parent = nullptr);

    // Loads `html`; loadFinished() reports the result. Pages too large for
    // setHtml are served under the program's own mail scheme when it was
    // registered before the application object (MailContentHandler).
    void setDocument(const QString& html);

    // The private, off-the-record profile every print page shares, with the
    // request guard and the large-page handler installed. GUI thread only.
    static QWebEngineProfile* printProfile();

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
};
