#pragma once

// What the widget suites share: Qt's widgets and test library, the common fixture, the modal
// answers, and ways to find a widget by its text and to press the mouse where a user would.

#include "helpers/fixture.h"
#include "helpers/modalhelper.h"

#include <QtTest>
#include <QtWidgets>

namespace testutil {

// The first child of `parent` of type T whose text is `text` (or starts with it).
template <class T = QAbstractButton>
T *childWithText(const QObject *parent, const QString &text, bool prefix = false)
{
    for (T *child : parent->findChildren<T *>()) {
        if (prefix ? child->text().startsWith(text) : child->text() == text)
            return child;
    }
    return nullptr;
}

// A mouse event as the window system delivers it.
inline void sendMouse(QWidget *widget, QEvent::Type type, const QPoint &at,
                      Qt::MouseButton button = Qt::NoButton)
{
    QMouseEvent event(type, at, button, type == QEvent::MouseButtonRelease ? Qt::NoButton : button,
                      {});
    QApplication::sendEvent(widget, &event);
}

// A left click (press and release) at `at` in the widget.
inline void leftClick(QWidget *widget, const QPoint &at)
{
    sendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton);
    sendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton);
}

// Saves a picture of the widget as NAME into $CLIPMOOR_SCREENSHOTS, when that is set.
inline void screenshot(QWidget *widget, const QString &name)
{
    const QString folder = qEnvironmentVariable("CLIPMOOR_SCREENSHOTS");
    if (!folder.isEmpty())
        QVERIFY(QDir().mkpath(folder) && widget->grab().save(QDir(folder).filePath(name)));
}

} // namespace testutil
