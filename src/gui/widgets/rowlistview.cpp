#include "gui/widgets/rowlistview.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>

bool RowDelegate::showToolTip(QHelpEvent *event, QAbstractItemView *view, const QString &tip)
{
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return false;
    }
    QToolTip::showText(event->globalPos(), tip, view->viewport());
    return true;
}

RowListView::RowListView(QWidget *parent)
    : QListView(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setFocusPolicy(Qt::NoFocus);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalScrollBar()->setSingleStep(20);
    setUniformItemSizes(true);
    // Qt lays out every row of the model again after each reset or insertion, in one go: with
    // 100,000 rows that was the larger half of a search keystroke. In batches, the rows in view
    // come first and the rest follow in later turns of the event loop, a few thousand at a time.
    setLayoutMode(QListView::Batched);
    setBatchSize(4096);
    setMouseTracking(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setResizeMode(QListView::Adjust);
    setSelectionRectVisible(false);
}

void RowListView::setRowDelegate(RowDelegate *delegate)
{
    rowDelegate = delegate;
    setItemDelegate(delegate);
}

int RowListView::count() const
{
    return model() ? model()->rowCount() : 0;
}

bool RowListView::hasSelection() const
{
    return selectionModel() && selectionModel()->hasSelection();
}

void RowListView::setCurrentRow(int row, QItemSelectionModel::SelectionFlags command)
{
    if (model() && selectionModel())
        selectionModel()->setCurrentIndex(model()->index(row, 0), command);
}

void RowListView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    scrollTo(index, hint, true);
}

void RowListView::scrollTo(const QModelIndex &index, ScrollHint hint, bool mayWait)
{
    pendingScroll = QPersistentModelIndex();
    if (index.isValid() && index.model() == model() && visualRect(index).isEmpty()) {
        if (mayWait && index.row() < batchSize()) {
            // The batches of an earlier change are still running; Qt's next one, in this turn
            // of the event loop, starts again from the first row.
            pendingScroll = index;
            pendingHint = hint;
            if (!scrollTimer) {
                // A timer of its own, started after Qt's batch timer: it fires after that batch.
                scrollTimer = new QTimer(this);
                scrollTimer->setSingleShot(true);
                scrollTimer->setInterval(0);
                connect(scrollTimer, &QTimer::timeout, this, [this] {
                    const QModelIndex index = pendingScroll; // a copy: scrollTo clears it
                    if (index.isValid())
                        scrollTo(index, pendingHint, false);
                });
            }
            scrollTimer->start();
            return;
        }
        // A row below those laid out so far (or still none): every row is laid out now.
        setLayoutMode(QListView::SinglePass);
        doItemsLayout();
        setLayoutMode(QListView::Batched);
    }
    QListView::scrollTo(index, hint);
}

void RowListView::clearSelection()
{
    if (selectionModel())
        selectionModel()->clearSelection();
}

QModelIndexList RowListView::selectedRows() const
{
    QModelIndexList rows = selectionModel() ? selectionModel()->selectedRows() : QModelIndexList();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    return rows;
}

RowListView::Look RowListView::partLook(const QModelIndex &index, int part, bool enabled) const
{
    if (!enabled)
        return Disabled;
    if (isPartPressed(index, part))
        return Pressed;
    if (index == hovered && part == hoveredPart_ && part != RowDelegate::kNoPart)
        return Hovered;
    return Normal;
}

bool RowListView::isPartPressed(const QModelIndex &index, int part) const
{
    return part != RowDelegate::kNoPart && part == pressedPart && index == pressed &&
           part == hoveredPart_ && index == hovered;
}

int RowListView::partUnder(const QPoint &pos, QModelIndex *index) const
{
    *index = indexAt(pos);
    if (!index->isValid() || !rowDelegate)
        return RowDelegate::kNoPart;
    return rowDelegate->partAt(visualRect(*index), *index, pos);
}

void RowListView::setHover(const QModelIndex &index, int part)
{
    if (index == hovered && part == hoveredPart_)
        return;
    if (hovered.isValid())
        viewport()->update(visualRect(hovered));
    hovered = index;
    hoveredPart_ = part;
    if (hovered.isValid())
        viewport()->update(visualRect(hovered));
    if (part == RowDelegate::kNoPart)
        viewport()->unsetCursor();
    else
        viewport()->setCursor(Qt::PointingHandCursor);
}

void RowListView::mouseMoveEvent(QMouseEvent *event)
{
    QModelIndex index;
    const int part = partUnder(event->pos(), &index);
    setHover(index, part);
    if (pressedPart != RowDelegate::kNoPart)
        return; // a press on a part does not drag a selection
    QListView::mouseMoveEvent(event);
}

void RowListView::mousePressEvent(QMouseEvent *event)
{
    // A click in the list ends a rename under way, as a click elsewhere in the window does.
    QWidget *focused = QApplication::focusWidget();
    if (focused && viewport()->isAncestorOf(focused))
        focused->clearFocus();
    QModelIndex index;
    const int part = partUnder(event->pos(), &index);
    setHover(index, part);
    if (event->button() == Qt::LeftButton && part != RowDelegate::kNoPart) {
        // A button of the row takes the press, as a child button would: the selection stays.
        pressed = index;
        pressedPart = part;
        viewport()->update(visualRect(index));
        event->accept();
        return;
    }
    if (event->button() == Qt::RightButton) {
        event->accept(); // the menu comes with the context-menu event
        return;
    }
    QListView::mousePressEvent(event);
}

void RowListView::mouseReleaseEvent(QMouseEvent *event)
{
    if (pressedPart == RowDelegate::kNoPart) {
        QListView::mouseReleaseEvent(event);
        return;
    }
    QModelIndex index;
    const int part = partUnder(event->pos(), &index);
    const QPersistentModelIndex clicked = pressed;
    const int clickedPart = pressedPart;
    pressed = QPersistentModelIndex();
    pressedPart = RowDelegate::kNoPart;
    if (clicked.isValid())
        viewport()->update(visualRect(clicked));
    event->accept();
    if (clicked.isValid() && index == clicked && part == clickedPart)
        Q_EMIT partClicked(clicked, clickedPart);
}

void RowListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QModelIndex index;
    const int part = partUnder(event->pos(), &index);
    if (event->button() == Qt::LeftButton && part == RowDelegate::kNoPart && index.isValid()) {
        Q_EMIT rowDoubleClicked(index);
        event->accept();
        return;
    }
    // A quick second click on a button is one more click of it.
    if (event->button() == Qt::LeftButton && part != RowDelegate::kNoPart) {
        pressed = index;
        pressedPart = part;
        event->accept();
        return;
    }
    QListView::mouseDoubleClickEvent(event);
}

void RowListView::contextMenuEvent(QContextMenuEvent *event)
{
    const QModelIndex index = indexAt(event->pos());
    if (!index.isValid())
        return;
    // A right click acts on the row under the mouse as the list would.
    if (!selectionModel()->isSelected(index))
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    event->accept();
    Q_EMIT rowMenuRequested(index);
}

void RowListView::leaveEvent(QEvent *event)
{
    setHover(QModelIndex(), RowDelegate::kNoPart);
    QListView::leaveEvent(event);
}

void RowListView::wheelEvent(QWheelEvent *event)
{
    QListView::wheelEvent(event);
    if (event->phase() == Qt::ScrollEnd)
        Q_EMIT scrollEnd();
    // The rows move under a still pointer: what it is over changes with them.
    QModelIndex index;
    const int part = partUnder(viewport()->mapFromGlobal(QCursor::pos()), &index);
    setHover(viewport()->rect().contains(viewport()->mapFromGlobal(QCursor::pos())) ? index
                                                                                    : QModelIndex(),
             part);
}

void RowListView::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    if (hovered.isValid() && hovered.row() >= start && hovered.row() <= end)
        setHover(QModelIndex(), RowDelegate::kNoPart);
    if (pressed.isValid() && pressed.row() >= start && pressed.row() <= end) {
        pressed = QPersistentModelIndex();
        pressedPart = RowDelegate::kNoPart;
    }
    QListView::rowsAboutToBeRemoved(parent, start, end);
}
