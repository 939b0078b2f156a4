#pragma once

// Drives a web page from a test: runs JavaScript in one of its worlds and waits (with a deadline)
// for the value, and clicks elements the way a user does, with mouse events delivered to the
// view's input widget (a script's click() is not a user's click and opens nothing).

#include <QElapsedTimer>
#include <QPoint>
#include <QTest>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <memory>

namespace testutil {

// The page's own scripts live in the main world; ours (the page scripts of the browser) in the
// application world.
inline QVariant runJs(QWebEnginePage *page, const QString &code, int timeoutMs = 10000,
                      quint32 world = QWebEngineScript::MainWorld)
{
    auto done = std::make_shared<bool>(false);
    auto value = std::make_shared<QVariant>();
    page->runJavaScript(code, world, [done, value](const QVariant &v) {
        *value = v;
        *done = true;
    });
    QElapsedTimer timer;
    timer.start();
    while (!*done && timer.elapsed() < timeoutMs)
        QTest::qWait(5);
    return *value;
}

// A left click at `point` (the page's viewport pixels).
inline void clickAt(QWebEngineView *view, const QPointF &point)
{
    QWidget *input = view->focusProxy() ? view->focusProxy() : view;
    QTest::mouseClick(input, Qt::LeftButton, {}, (point * view->zoomFactor()).toPoint());
}

// A left click in the middle of the element `element` (a JavaScript expression, evaluated in
// `world`; an element of a same-origin frame is found where the frame shows it). False when there
// is no such element.
inline bool clickElement(QWebEngineView *view, const QString &element,
                         quint32 world = QWebEngineScript::ApplicationWorld)
{
    const QVariantMap middle =
        runJs(view->page(),
              "(function (e) { if (!e) return null; var r = e.getBoundingClientRect();"
              " var x = r.left + r.width / 2, y = r.top + r.height / 2;"
              " for (var w = e.ownerDocument.defaultView; w && w.frameElement; w = w.parent) {"
              " var f = w.frameElement, b = f.getBoundingClientRect();"
              " x += b.left + f.clientLeft; y += b.top + f.clientTop; }"
              " return {x: x, y: y}; })(" +
                  element + ")",
              10000, world)
            .toMap();
    if (middle.isEmpty())
        return false;
    clickAt(view, QPointF(middle.value("x").toDouble(), middle.value("y").toDouble()));
    return true;
}

} // namespace testutil
