#pragma once

// What the main window knows of the built-in browser. The browser lives in a module of its own
// ("clipmoor-browser.so" beside the helper programs), loaded when its tab is first opened: Qt
// WebEngine, by far the largest library the app uses, is then loaded only by those who browse.

#include <QWidget>

class QUrl;

class BrowserPane : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The navigation bar: the window can be dragged by it.
    virtual QWidget *header() const = 0;
    virtual void setUrl(const QUrl &url) = 0;
    // Opens the start page and frees the web view.
    virtual void goHome() = 0;

Q_SIGNALS:
    // A page's download button was pressed (after our own analysis when the page asked for it).
    // `cookies`: a Netscape cookie file's text with the cookies of the page's site, empty when
    // none go with this address.
    void downloadStarted(const QString &url, const QString &metadata, const QByteArray &cookies);
};

using BrowserPaneFactory = BrowserPane *(*)(QWidget *parent);
