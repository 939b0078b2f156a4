#pragma once

// The list control of every page with rows: a view over a model whose rows a RowDelegate paints,
// with parts that act like buttons (a row's buttons, a link, a question mark). The view owns the
// mouse: it tracks the row and the part under the pointer (for the hover colour, the buttons'
// looks and the hand cursor), turns a press and release on a part into partClicked without
// touching the selection, and reports double clicks and the row's menu. No row has a widget of
// its own, so nothing a row shows is destroyed under a handler that is still running.

#include <QListView>
#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

class QHelpEvent;
class QTimer;

// A painter of rows that knows where their clickable parts are.
class RowDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    static constexpr int kNoPart = -1;

    using QStyledItemDelegate::QStyledItemDelegate;
    // The clickable part of the row at `pos` (a number of the delegate's), or kNoPart.
    virtual int partAt(const QRect &row, const QModelIndex &index, const QPoint &pos) const = 0;

protected:
    // Shows the tooltip (or hides any, when there is none); true when one is shown.
    static bool showToolTip(QHelpEvent *event, QAbstractItemView *view, const QString &tip);
};

class RowListView : public QListView
{
    Q_OBJECT
public:
    enum Look
    {
        Normal = 0,
        Hovered = 1,
        Pressed = 2,
        Disabled = 3,
    };

    explicit RowListView(QWidget *parent = nullptr);

    void setRowDelegate(RowDelegate *delegate);
    int count() const;
    bool hasSelection() const;
    void setCurrentRow(int row, QItemSelectionModel::SelectionFlags command);
    void clearSelection();
    // The selected rows, top to bottom.
    QModelIndexList selectedRows() const;
    // Also to a row the batched layout has not reached yet: the layout is then finished first.
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

    // What the pointer is over, for the painters.
    QModelIndex hoveredIndex() const { return hovered; }
    int hoveredPart() const { return hoveredPart_; }
    bool isPartPressed(const QModelIndex &index, int part) const;
    // How a part of a row looks now.
    Look partLook(const QModelIndex &index, int part, bool enabled = true) const;

Q_SIGNALS:
    void scrollEnd();
    void partClicked(const QModelIndex &index, int part);
    void rowDoubleClicked(const QModelIndex &index);
    // A right click on a row (which then is selected, if it was not).
    void rowMenuRequested(const QModelIndex &index);

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
    // `mayWait`: a row of the first batch may wait for it (a turn of the event loop).
    void scrollTo(const QModelIndex &index, ScrollHint hint, bool mayWait);
    void setHover(const QModelIndex &index, int part);

    RowDelegate *rowDelegate = nullptr;
    QPersistentModelIndex hovered;
    int hoveredPart_ = RowDelegate::kNoPart;
    QPersistentModelIndex pressed;
    QPersistentModelIndex pendingScroll;
    ScrollHint pendingHint = EnsureVisible;
    QTimer *scrollTimer = nullptr;
    int pressedPart = RowDelegate::kNoPart;
};
