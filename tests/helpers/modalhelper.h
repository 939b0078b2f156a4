#pragma once

// Widget tests' helpers: a widget shown at a size, and modal dialogs answered (the next modal
// window that appears gets the button with the given text clicked, after an optional action on
// the dialog itself).

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QWidget>

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

} // namespace testutil
