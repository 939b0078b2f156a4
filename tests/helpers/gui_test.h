#pragma once

// What the widget suites share: Qt's widgets and test library, the common fixture and the table
// of data rows; a widget shown at a size; modal dialogs answered (the next modal window that
// appears gets the button with the given text clicked, after an optional action on the dialog
// itself); ways to find a widget by its text and to press the mouse where a user would.

#include "helpers/fixture.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <memory>

namespace testutil {

// Shows the widget at that size; false when it does not appear.
inline bool show(QWidget *widget, const QSize &size = QSize(900, 600))
{
    widget->resize(size);
    widget->show();
    return QTest::qWaitForWindowExposed(widget);
}

struct ModalAnswer
{
    QStringList texts; // every label text of the dialog answered
    bool answered = false;
};

// Polls for a modal window for up to `timeoutMs`; `prepare` may fill in fields first. With
// `matches`, other modal windows are left alone until one that matches shows.
inline std::shared_ptr<ModalAnswer> answerNextModal(const QString &buttonText,
                                                    std::function<void(QWidget *)> prepare = {},
                                                    int timeoutMs = 10000,
                                                    std::function<bool(QWidget *)> matches = {})
{
    auto answer = std::make_shared<ModalAnswer>();
    auto *timer = new QTimer;
    auto started = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [=] {
        *started += 20;
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || (matches && !matches(modal))) {
            if (*started > timeoutMs)
                timer->deleteLater();
            return;
        }
        timer->stop();
        timer->deleteLater();
        for (QLabel *label : modal->findChildren<QLabel *>())
            answer->texts << label->text();
        if (prepare)
            prepare(modal);
        for (QAbstractButton *button : modal->findChildren<QAbstractButton *>()) {
            if (button->text() == buttonText && button->isVisible()) {
                answer->answered = true;
                button->click();
                return;
            }
        }
        modal->close();
    });
    timer->start(20);
    return answer;
}

// Answers the next modal window of that class only.
template <typename Dialog>
std::shared_ptr<ModalAnswer> answerNext(const QString &buttonText,
                                        std::function<void(QWidget *)> prepare = {},
                                        int timeoutMs = 120000)
{
    return answerNextModal(buttonText, std::move(prepare), timeoutMs,
                           [](QWidget *modal) { return qobject_cast<Dialog *>(modal); });
}

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

// Saves a picture of the widget as NAME.png into $CLIPMOOR_SCREENSHOTS, when that is set; with
// `over`, that dialog is drawn in its middle, as the user sees a question over the window.
inline void screenshot(QWidget *widget, const QString &name, QWidget *over = nullptr)
{
    const QString folder = qEnvironmentVariable("CLIPMOOR_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QPixmap picture = widget->grab();
    if (over) {
        QPainter painter(&picture);
        painter.fillRect(picture.rect(), QColor(0, 0, 0, 60));
        const QPixmap box = over->grab();
        painter.drawPixmap((picture.width() - box.width()) / 2,
                           (picture.height() - box.height()) / 2, box);
    }
    QVERIFY(QDir().mkpath(folder) && picture.save(QDir(folder).filePath(name + ".png")));
}

} // namespace testutil
