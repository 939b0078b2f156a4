#include "gui/widgets/framelesswindow.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

CFramelessWindow::CFramelessWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowMinMaxButtonsHint | Qt::Window);
    // There are no docks to animate; the layout's geometry animations of the central widget
    // only cost time, and tearing the window down while one exists crashes Qt 5.15.
    setAnimated(false);
    setMouseTracking(true);
    // Child widgets swallow mouse moves; the border cursor needs them.
    qApp->installEventFilter(this);
}

void CFramelessWindow::setTitleBar(QWidget *bar)
{
    titleBar = bar;
}

void CFramelessWindow::addIgnoreWidget(QWidget *widget)
{
    for (const QPointer<QWidget> &w : ignored) {
        if (w == widget)
            return;
    }
    ignored << widget;
}

void CFramelessWindow::setResizeable(bool on)
{
    resizeable = on;
    setWindowFlag(Qt::WindowMaximizeButtonHint, on);
}

void CFramelessWindow::showFullScreen()
{
    QMainWindow::showFullScreen();
}

CFramelessWindow::Hit CFramelessWindow::hitTest(const QPoint &pos, Qt::Edges *edges) const
{
    Qt::Edges found;
    if (resizeable && !isMaximized() && !isFullScreen()) {
        const bool resizesX = minimumWidth() != maximumWidth();
        const bool resizesY = minimumHeight() != maximumHeight();
        if (resizesX && pos.x() >= 0 && pos.x() < borderWidth)
            found |= Qt::LeftEdge;
        if (resizesX && pos.x() < width() && pos.x() >= width() - borderWidth)
            found |= Qt::RightEdge;
        if (resizesY && pos.y() >= 0 && pos.y() < borderWidth)
            found |= Qt::TopEdge;
        if (resizesY && pos.y() < height() && pos.y() >= height() - borderWidth)
            found |= Qt::BottomEdge;
    }
    if (edges)
        *edges = found;
    if (found)
        return Hit::Resize;
    if (titleBar && titleBar->isVisible()) {
        const QPoint inBar = titleBar->mapFrom(this, pos);
        if (titleBar->rect().contains(inBar)) {
            QWidget *child = titleBar->childAt(inBar);
            if (!child)
                return Hit::Caption;
            for (const QPointer<QWidget> &w : ignored) {
                if (w && (w == child || w->isAncestorOf(child)))
                    return Hit::Caption;
            }
        }
    }
    return Hit::Client;
}

bool CFramelessWindow::startSystemAction(const QPoint &pos)
{
    Qt::Edges edges;
    const Hit hit = hitTest(pos, &edges);
    QWindow *handle = windowHandle();
    if (!handle || hit == Hit::Client)
        return false;
    return hit == Hit::Resize ? handle->startSystemResize(edges) : handle->startSystemMove();
}

void CFramelessWindow::updateCursor(const QPoint &pos)
{
    Qt::Edges edges;
    if (hitTest(pos, &edges) != Hit::Resize) {
        unsetCursor();
        return;
    }
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (horizontal && vertical) {
        const bool main =
            edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge);
        setCursor(main ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor);
    } else {
        setCursor(horizontal ? Qt::SizeHorCursor : Qt::SizeVerCursor);
    }
}

bool CFramelessWindow::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (widget && widget->window() == this && widget != this) {
        if (event->type() == QEvent::MouseMove) {
            updateCursor(mapFromGlobal(static_cast<QMouseEvent *>(event)->globalPos()));
        } else if (event->type() == QEvent::MouseButtonPress &&
                   static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            if (startSystemAction(mapFromGlobal(static_cast<QMouseEvent *>(event)->globalPos())))
                return true;
        } else if (event->type() == QEvent::MouseButtonDblClick && titleBar &&
                   hitTest(mapFromGlobal(static_cast<QMouseEvent *>(event)->globalPos()),
                           nullptr) == Hit::Caption) {
            if (resizeable)
                isMaximized() ? showNormal() : showMaximized();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CFramelessWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && startSystemAction(event->pos()))
        return;
    QMainWindow::mousePressEvent(event);
}

void CFramelessWindow::mouseMoveEvent(QMouseEvent *event)
{
    updateCursor(event->pos());
    QMainWindow::mouseMoveEvent(event);
}

void CFramelessWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (resizeable && hitTest(event->pos(), nullptr) == Hit::Caption) {
        isMaximized() ? showNormal() : showMaximized();
        return;
    }
    QMainWindow::mouseDoubleClickEvent(event);
}

void CFramelessWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!isMaximized() && !isFullScreen() && screen && screen->availableGeometry().contains(pos()))
        normalSize = size();
}
