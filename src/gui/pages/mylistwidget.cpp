#include "gui/pages/mylistwidget.h"

#include "core/engine/snifftask.h"
#include "gui/pages/finishedjobs.h"
#include "gui/pages/taskmodels.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

QSize TaskRowDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    // The narrowest a row gets: a list of one column stretches its rows to its width, and keeps
    // doing so when a scroll bar comes or goes.
    return QSize(kMinRowWidth, kRowHeight);
}

bool TaskRowDelegate::showToolTip(QHelpEvent *event, QAbstractItemView *view, const QString &tip)
{
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return false;
    }
    QToolTip::showText(event->globalPos(), tip, view->viewport());
    return true;
}

MyListWidget::MyListWidget(QWidget *parent)
    : QListView(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setFocusPolicy(Qt::NoFocus);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalScrollBar()->setSingleStep(20);
    setUniformItemSizes(true);
    setMouseTracking(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setResizeMode(QListView::Adjust);
    setSelectionRectVisible(false);
}

void MyListWidget::setRowDelegate(TaskRowDelegate *delegate)
{
    rowDelegate = delegate;
    setItemDelegate(delegate);
}

int MyListWidget::count() const
{
    return model() ? model()->rowCount() : 0;
}

SniffTask *MyListWidget::taskAt(int row) const
{
    if (!model())
        return nullptr;
    return model()->index(row, 0).data(taskmodels::TaskRole).value<SniffTask *>();
}

int MyListWidget::rowOf(const SniffTask *task) const
{
    if (auto *tasks = qobject_cast<const taskmodels::TaskListModel *>(model()))
        return tasks->rowOf(task);
    if (auto *finished = qobject_cast<const FinishedJobsFilter *>(model()))
        return finished->rowOf(task);
    return -1;
}

QList<SniffTask *> MyListWidget::selectedTasks() const
{
    QList<SniffTask *> tasks;
    if (!selectionModel())
        return tasks;
    for (const QModelIndex &index : selectionModel()->selectedIndexes()) {
        if (auto *task = index.data(taskmodels::TaskRole).value<SniffTask *>())
            tasks << task;
    }
    return tasks;
}

bool MyListWidget::hasSelection() const
{
    return selectionModel() && selectionModel()->hasSelection();
}

void MyListWidget::setCurrentRow(int row, QItemSelectionModel::SelectionFlags command)
{
    if (model() && selectionModel())
        selectionModel()->setCurrentIndex(model()->index(row, 0), command);
}

void MyListWidget::clearSelection()
{
    if (selectionModel())
        selectionModel()->clearSelection();
}

bool MyListWidget::isPartPressed(const QModelIndex &index, int part) const
{
    return part != TaskRowDelegate::kNoPart && part == pressedPart && index == pressed &&
           part == hoveredPart_ && index == hovered;
}

int MyListWidget::partUnder(const QPoint &pos, QModelIndex *index) const
{
    *index = indexAt(pos);
    if (!index->isValid() || !rowDelegate)
        return TaskRowDelegate::kNoPart;
    return rowDelegate->partAt(visualRect(*index), *index, pos);
}

void MyListWidget::setHover(const QModelIndex &index, int part)
{
    if (index == hovered && part == hoveredPart_)
        return;
    if (hovered.isValid())
        viewport()->update(visualRect(hovered));
    hovered = index;
    hoveredPart_ = part;
    if (hovered.isValid())
        viewport()->update(visualRect(hovered));
    if (part == TaskRowDelegate::kNoPart)
        viewport()->unsetCursor();
    else
        viewport()->setCursor(Qt::PointingHandCursor);
}

void MyListWidget::mouseMoveEvent(QMouseEvent *event)
{
    QModelIndex index;
    const int part = partUnder(event->pos(), &index);
    setHover(index, part);
    if (pressedPart != TaskRowDelegate::kNoPart)
        return; // a press on a part does not drag a selection
    QListView::mouseMoveEvent(event);
}

void MyListWidget::mousePressEvent(QMouseEvent *event)
{
    // A click in the list ends a rename under way, as a click elsewhere in the window does.
    QWidget *focused = QApplication::focusWidget();
    if (focused && viewport()->isAncestorOf(focused))
        focused->clearFocus();
    QModelIndex index;
    const int part = partUnder(event->pos(), &index);
    setHover(index, part);
    if (event->button() == Qt::LeftButton && part != TaskRowDelegate::kNoPart) {
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

void MyListWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (pressedPart == TaskRowDelegate::kNoPart) {
        QListView::mouseReleaseEvent(event);
        return;
    }
    QModelIndex index;
    const int part = partUnder(event->pos(), &index);
    const QPersistentModelIndex clicked = pressed;
    const int clickedPart = pressedPart;
    pressed = QPersistentModelIndex();
    pressedPart = TaskRowDelegate::kNoPart;
    if (clicked.isValid())
        viewport()->update(visualRect(clicked));
    event->accept();
    if (clicked.isValid() && index == clicked && part == clickedPart)
        Q_EMIT partClicked(clicked, clickedPart);
}

void MyListWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    QModelIndex index;
    const int part = partUnder(event->pos(), &index);
    if (event->button() == Qt::LeftButton && part == TaskRowDelegate::kNoPart && index.isValid()) {
        Q_EMIT rowDoubleClicked(index);
        event->accept();
        return;
    }
    // A quick second click on a button is one more click of it.
    if (event->button() == Qt::LeftButton && part != TaskRowDelegate::kNoPart) {
        pressed = index;
        pressedPart = part;
        event->accept();
        return;
    }
    QListView::mouseDoubleClickEvent(event);
}

void MyListWidget::contextMenuEvent(QContextMenuEvent *event)
{
    const QModelIndex index = indexAt(event->pos());
    SniffTask *task = index.data(taskmodels::TaskRole).value<SniffTask *>();
    if (!task)
        return;
    // A right click acts on the row under the mouse as the list would.
    if (!selectionModel()->isSelected(index))
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    event->accept();
    Q_EMIT popContextMenu(task);
}

void MyListWidget::leaveEvent(QEvent *event)
{
    setHover(QModelIndex(), TaskRowDelegate::kNoPart);
    QListView::leaveEvent(event);
}

void MyListWidget::wheelEvent(QWheelEvent *event)
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

void MyListWidget::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    if (hovered.isValid() && hovered.row() >= start && hovered.row() <= end)
        setHover(QModelIndex(), TaskRowDelegate::kNoPart);
    if (pressed.isValid() && pressed.row() >= start && pressed.row() <= end) {
        pressed = QPersistentModelIndex();
        pressedPart = TaskRowDelegate::kNoPart;
    }
    QListView::rowsAboutToBeRemoved(parent, start, end);
}
