#pragma once

// The list control of the task pages: a view over a model of tasks whose rows a TaskRowDelegate
// paints. The view owns the mouse: it tracks the row and the part of it under the pointer (for
// the hover colour, the button looks and the hand cursor), turns a press and release on a
// clickable part into partClicked without touching the selection, and opens the row's menu from
// contextMenuEvent. No row has a widget of its own, so nothing a row shows can be destroyed
// under a handler that is still running.

#include <QListView>
#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

class SniffTask;

// A painter of task rows that knows where the clickable parts of a row are.
class TaskRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    static constexpr int kRowHeight = 100;
    static constexpr int kMinRowWidth = 300;
    static constexpr int kNoPart = -1;

    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // The clickable part of the row at `pos` (a number of the delegate's), or kNoPart.
    virtual int partAt(const QRect &row, const QModelIndex &index, const QPoint &pos) const = 0;

protected:
    // Shows the tooltip (or hides any, when there is none); true when one is shown.
    static bool showToolTip(QHelpEvent *event, QAbstractItemView *view, const QString &tip);
};

class MyListWidget : public QListView
{
    Q_OBJECT
public:
    explicit MyListWidget(QWidget *parent = nullptr);

    void setRowDelegate(TaskRowDelegate *delegate);
    int count() const;
    SniffTask *taskAt(int row) const;
    // The row of that task, or -1.
    int rowOf(const SniffTask *task) const;
    // The selected tasks, in the order they were selected.
    QList<SniffTask *> selectedTasks() const;
    bool hasSelection() const;
    void setCurrentRow(int row, QItemSelectionModel::SelectionFlags command);
    void clearSelection();

    // What the pointer is over, for the painters.
    QModelIndex hoveredIndex() const { return hovered; }
    int hoveredPart() const { return hoveredPart_; }
    bool isPartPressed(const QModelIndex &index, int part) const;

Q_SIGNALS:
    void scrollEnd();
    void partClicked(const QModelIndex &index, int part);
    void rowDoubleClicked(const QModelIndex &index);
    // A right click on a row (which then is selected, if it was not).
    void popContextMenu(SniffTask *task);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;

private:
    int partUnder(const QPoint &pos, QModelIndex *index) const;
    void setHover(const QModelIndex &index, int part);

    TaskRowDelegate *rowDelegate = nullptr;
    QPersistentModelIndex hovered;
    int hoveredPart_ = TaskRowDelegate::kNoPart;
    QPersistentModelIndex pressed;
    int pressedPart = TaskRowDelegate::kNoPart;
};
