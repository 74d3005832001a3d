// SPDX-License-Identifier: GPL-2.0-or-later
import QtQuick
import QtWebEngine

// The mail body view. A mail is untrusted: its scripts never run, nothing
// is fetched from the network (the program's request guard blocks it), links
// are handed to the desktop instead of being followed here, and there is no
// context menu.
Item {
    id: root

    // A link the user clicked; the program opens it with the desktop's handler.
    signal linkClicked(url link)
    // A page finished loading (ok false when it failed).
    signal pageLoaded(bool ok)
    // highlight() marked `count` places of the page.
    signal highlighted(int count)

    // The next main-frame navigation is the program's own load.
    property bool ownLoadPending: false

    function setHtml(html) {
        ownLoadPending = true
        webView.loadHtml(html, "")
    }

    // Runs the program's own marking script in a world of its own: the
    // mail's scripts stay off, and the script only wraps text in <mark>.
    function highlight(script) {
        webView.runJavaScript(script, WebEngineScript.ApplicationWorld, function(count) {
            root.highlighted(count === undefined ? -1 : count)
        })
    }

    function loadUrl(url) {
        ownLoadPending = true
        webView.url = url
    }

    WebEngineView {
        id: webView
        objectName: "mailWebView"
        anchors.fill: parent

        settings.javascriptEnabled: false
        settings.javascriptCanOpenWindows: false
        settings.javascriptCanAccessClipboard: false
        settings.pluginsEnabled: false
        settings.autoLoadImages: true
        settings.localContentCanAccessRemoteUrls: false
        settings.localContentCanAccessFileUrls: false
        settings.dnsPrefetchEnabled: false
        settings.hyperlinkAuditingEnabled: false
        settings.focusOnNavigationEnabled: false

        // Only the program's own loads replace the page: a meta refresh, a
        // form or a redirect of the mail never takes the view away from it.
        onNavigationRequested: function(request) {
            if (request.navigationType === WebEngineNavigationRequest.LinkClickedNavigation) {
                request.reject()
                root.linkClicked(request.url)
            } else if (request.isMainFrame) {
                if (root.ownLoadPending)
                    root.ownLoadPending = false
                else
                    request.reject()
            }
        }
        onNewWindowRequested: function(request) {
            if (request.userInitiated)
                root.linkClicked(request.requestedUrl)
        }
        onContextMenuRequested: function(request) {
            request.accepted = true
        }
        onLoadingChanged: function(info) {
            if (info.status !== WebEngineView.LoadStartedStatus)
                root.ownLoadPending = false
            if (info.status === WebEngineView.LoadSucceededStatus)
                root.pageLoaded(true)
            else if (info.status === WebEngineView.LoadFailedStatus)
                root.pageLoaded(false)
        }
    }

    // Right presses stop here, so the page never shows a menu; left presses
    // reach the page for links, selection and scrolling.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.RightButton
        propagateComposedEvents: true
        onPressed: function(mouse) { mouse.accepted = true }
    }
}
