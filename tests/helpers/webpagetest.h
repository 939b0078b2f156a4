#pragma once

// Runs JavaScript in a web page from a test and waits (with a deadline) for its value.

#include <QElapsedTimer>
#include <QTest>
#include <QVariant>
#include <QWebEnginePage>

#include <memory>

namespace testutil {

inline QVariant runJs(QWebEnginePage *page, const QString &code, int timeoutMs = 10000)
{
    auto done = std::make_shared<bool>(false);
    auto value = std::make_shared<QVariant>();
    page->runJavaScript(code, [done, value](const QVariant &v) {
        *value = v;
        *done = true;
    });
    QElapsedTimer timer;
    timer.start();
    while (!*done && timer.elapsed() < timeoutMs)
        QTest::qWait(5);
    return *value;
}

} // namespace testutil
