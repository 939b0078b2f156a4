#include "gui/browser/webview.h"

#include <QUrl>

WebView::WebView(QWidget *parent)
    : QWebEngineView(parent)
{
    connect(page(), &QWebEnginePage::linkHovered, this, [this](const QString &url) {
        if (!url.isEmpty())
            hovered = url;
    });
}

QWebEngineView *WebView::createWindow(QWebEnginePage::WebWindowType)
{
    // With a hovered link the view opens it itself; without one the engine is given this view,
    // so the new window's address opens here all the same.
    if (hovered.isEmpty())
        return this;
    load(QUrl(hovered));
    return nullptr;
}
