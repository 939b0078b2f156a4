#pragma once

// The browser's view. A page that asks for a new window gets none: the link the mouse last
// hovered over opens in this view instead.

#include <QWebEngineView>

class WebView : public QWebEngineView
{
    Q_OBJECT
public:
    explicit WebView(QWidget *parent = nullptr);

    QString lastHoveredLink() const { return hovered; }

protected:
    QWebEngineView *createWindow(QWebEnginePage::WebWindowType type) override;

private:
    QString hovered;
};
