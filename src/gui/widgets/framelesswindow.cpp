#include "gui/widgets/framelesswindow.h"

#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

namespace {
// How far the pointer travels with the button held before a press on the caption or an edge
// becomes a move or a resize.
constexpr int kDragThreshold = 4;
} // namespace

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

bool CFramelessWindow::isPassive(const QWidget *widget)
{
    if (!widget || widget->testAttribute(Qt::WA_TransparentForMouseEvents))
        return true;
    // A widget that sets a cursor of its own (a link, a handle) asks to be clicked.
    if (widget->testAttribute(Qt::WA_SetCursor))
        return false;
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        if (label->textInteractionFlags() & (Qt::TextSelectableByMouse | Qt::TextEditable))
            return false;
        return !label->text().contains(QLatin1String("href"), Qt::CaseInsensitive);
    }
    // Plain containers only: every subclass that takes input (buttons, edits, tabs, lists,
    // scroll areas, combo and spin boxes, sliders) is a class of its own.
    const QMetaObject *type = widget->metaObject();
    return type == &QWidget::staticMetaObject || type == &QFrame::staticMetaObject;
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
    if (!titleBar || !titleBar->isVisible())
        return Hit::Client;
    const QPoint inBar = titleBar->mapFrom(this, pos);
    if (!titleBar->rect().contains(inBar))
        return Hit::Client;
    // From the widget under the pointer up to the title bar: an ignored widget drags when
    // everything between it and the pointer is passive; anything that takes input is clicked.
    for (QWidget *w = titleBar->childAt(inBar); w && w != titleBar; w = w->parentWidget()) {
        for (const QPointer<QWidget> &ignore : ignored) {
            if (ignore == w)
                return Hit::Caption;
        }
        if (!isPassive(w))
            return Hit::Client;
    }
    // The bar's own empty area drags; a passive widget in no ignored container does not.
    return titleBar->childAt(inBar) ? Hit::Client : Hit::Caption;
}

bool CFramelessWindow::onPress(const QPoint &globalPos)
{
    Qt::Edges edges;
    const Hit hit = hitTest(mapFromGlobal(globalPos), &edges);
    dragPending = false;
    if (hit == Hit::Client)
        return false;
    drag = Drag();
    drag.hit = hit;
    drag.edges = edges;
    drag.pressGlobal = globalPos;
    drag.startGeometry = geometry();
    dragPending = true;
    // The press is ours: the widget below (a label, an empty container) has no use for it.
    return true;
}

bool CFramelessWindow::onMove(const QPoint &globalPos, Qt::MouseButtons buttons)
{
    if (!dragPending)
        return false;
    if (!(buttons & Qt::LeftButton)) {
        dragPending = false;
        return false;
    }
    if (drag.manual) {
        followPointer(globalPos);
        return true;
    }
    if ((globalPos - drag.pressGlobal).manhattanLength() < kDragThreshold)
        return true;
    QWindow *handle = windowHandle();
    const bool started = handle && (drag.hit == Hit::Resize ? handle->startSystemResize(drag.edges)
                                                            : handle->startSystemMove());
    if (started) {
        // The window manager has the pointer until the button is released.
        dragPending = false;
        return true;
    }
    drag.manual = true;
    followPointer(globalPos);
    return true;
}

bool CFramelessWindow::onRelease()
{
    const bool wasPending = dragPending;
    dragPending = false;
    return wasPending;
}

bool CFramelessWindow::onDoubleClick(const QPoint &globalPos)
{
    if (!resizeable || hitTest(mapFromGlobal(globalPos), nullptr) != Hit::Caption)
        return false;
    dragPending = false;
    isMaximized() ? showNormal() : showMaximized();
    return true;
}

void CFramelessWindow::followPointer(const QPoint &globalPos)
{
    const QPoint delta = globalPos - drag.pressGlobal;
    QRect g = drag.startGeometry;
    if (drag.hit == Hit::Caption) {
        if (!isMaximized() && !isFullScreen())
            move(g.topLeft() + delta);
        return;
    }
    const QSize least = minimumSize();
    const QSize most = maximumSize();
    auto clamp = [](int value, int low, int high) {
        return qBound(low, value, qMax(low, high));
    };
    if (drag.edges & Qt::LeftEdge)
        g.setLeft(g.right() + 1 - clamp(g.width() - delta.x(), least.width(), most.width()));
    if (drag.edges & Qt::RightEdge)
        g.setWidth(clamp(g.width() + delta.x(), least.width(), most.width()));
    if (drag.edges & Qt::TopEdge)
        g.setTop(g.bottom() + 1 - clamp(g.height() - delta.y(), least.height(), most.height()));
    if (drag.edges & Qt::BottomEdge)
        g.setHeight(clamp(g.height() + delta.y(), least.height(), most.height()));
    setGeometry(g);
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
    if (!widget || widget == this || widget->window() != this)
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (onMove(mouse->globalPos(), mouse->buttons()))
            return true;
        if (!dragPending)
            updateCursor(mapFromGlobal(mouse->globalPos()));
        break;
    }
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && onPress(mouse->globalPos()))
            return true;
        break;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && onRelease())
            return true;
        break;
    case QEvent::MouseButtonDblClick: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && onDoubleClick(mouse->globalPos()))
            return true;
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void CFramelessWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && onPress(event->globalPos()))
        return;
    QMainWindow::mousePressEvent(event);
}

void CFramelessWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (onMove(event->globalPos(), event->buttons()))
        return;
    updateCursor(event->pos());
    QMainWindow::mouseMoveEvent(event);
}

void CFramelessWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && onRelease())
        return;
    QMainWindow::mouseReleaseEvent(event);
}

void CFramelessWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && onDoubleClick(event->globalPos()))
        return;
    QMainWindow::mouseDoubleClickEvent(event);
}

void CFramelessWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!isMaximized() && !isFullScreen() && screen && screen->availableGeometry().contains(pos()))
        normalSize = size();
}
