// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>
#include <QUrl>
#include <QWidget>

class QQuickItem;
class QQuickWidget;

// Hosts the Qt Quick web view of "qrc:/qml/WebView.qml" that shows mail
// bodies. Links the user clicks open with the desktop's default handler.
class MyWebViewWidget : public QWidget
{
    Q_OBJECT
public:
    explicit MyWebViewWidget(QWidget* parent = nullptr);

    // Shows `html`; dropped (with a warning) before the scene is ready.
    // Pages too large for setHtml are served under "lumaroo-mail:".
    void updateHtml(const QString& html);
    void loadUrl(const QUrl& url);

    bool isReady() const { return m_rootObject != nullptr; }
    // Marks these words in every page shown from now on (and in the one on
    // show); an empty list takes the marks away.
    void setHighlightTerms(const QStringList& terms);
    QStringList highlightTerms() const { return m_highlightTerms; }
    QQuickWidget* quickWidget() const { return m_quickWidget; }

signals:
    // The scene is ready to take HTML.
    void ready();
    // A page finished loading; ok is false when it failed.
    void pageLoaded(bool ok);
    // The page on show has `count` places marked (-1: marking failed).
    void highlighted(int count);

private slots:
    void openLink(const QUrl& link);

private:
    void onStatusChanged();
    void applyHighlight();

    QQuickWidget* m_quickWidget = nullptr;
    QQuickItem* m_rootObject = nullptr;
    QStringList m_highlightTerms;
    // Whether the marks on show may differ from m_highlightTerms.
    bool m_pageMarked = false;
};
