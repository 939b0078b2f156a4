#include "gui/widgets/mainwindowhelper.h"

#include "core/foundation/globals.h"

#include <QDebug>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

MainWindowHelper *MainWindowHelper::instance()
{
    static MainWindowHelper *helper = new MainWindowHelper;
    return helper;
}

double MainWindowHelper::factorForDpi(double dpi)
{
    const double r = dpi / 96.0;
    if (r < 1.1)
        return 1.0;
    if (r < 1.4)
        return 1.25;
    if (r < 1.6)
        return 1.5;
    if (r < 1.8)
        return 1.75;
    if (r < 2.1)
        return 2.0;
    if (r < 2.4)
        return 2.25;
    if (r < 2.6)
        return 2.5;
    if (r < 3.1)
        return 3.0;
    return 3.5;
}

MainWindowHelper::MainWindowHelper()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    factor = factorForDpi(dpi);
    qDebug().noquote() << QStringLiteral("system dpi: %1, converted: %2, adjusted: %3")
                              .arg(dpi, 0, 'g')
                              .arg(dpi / 96.0, 0, 'g')
                              .arg(factor, 0, 'g');
}

int MainWindowHelper::scaled(int size) const
{
    return int(std::round(size * factor));
}

QSize MainWindowHelper::scaled(const QSize &size) const
{
    return QSize(scaled(size.width()), scaled(size.height()));
}

void MainWindowHelper::centreOverMainWindow(QWidget *widget)
{
    if (!widget || !widget->isWindow())
        return;
    placeCentred(widget);
    widget->removeEventFilter(this);
    widget->installEventFilter(this);
}

bool MainWindowHelper::eventFilter(QObject *watched, QEvent *event)
{
    // The show event comes before the window appears on the screen, with its final size.
    if (event->type() == QEvent::Show && watched->isWidgetType())
        placeCentred(static_cast<QWidget *>(watched));
    return QObject::eventFilter(watched, event);
}

void MainWindowHelper::placeCentred(QWidget *widget) const
{
    if (!window_ || widget == window_)
        return;
    const QRect w = window_->geometry();
    QPoint at(w.x() + (w.width() - widget->width()) / 2,
              w.y() + (w.height() - widget->height()) / 2);
    if (const QScreen *screen = window_->screen()) {
        const QRect area = screen->availableGeometry();
        at.setX(qMax(area.left(), qMin(at.x(), area.right() + 1 - widget->width())));
        at.setY(qMax(area.top(), qMin(at.y(), area.bottom() + 1 - widget->height())));
    }
    widget->move(at);
}
