#pragma once

// The list control of the task pages: rows are item widgets as wide as the list, and the
// selection is painted by the delegate under the (transparent) selected row.

#include <QListWidget>
#include <QStyledItemDelegate>

class SniffTask;

class MyListWidget : public QListWidget
{
    Q_OBJECT
public:
    explicit MyListWidget(QWidget *parent = nullptr);

    // The row of the item whose Qt::UserRole data is that pointer, or -1.
    int rowOf(const SniffTask *task) const;
    static SniffTask *taskOf(const QListWidgetItem *item);

Q_SIGNALS:
    void scrollEnd();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

protected Q_SLOTS:
    // Only the row widgets in view are shown: thousands of shown siblings make every scroll
    // and repaint of the list slow.
    void updateEditorGeometries() override;
};

// Paints the selection colour of a row and nothing else: the row widget draws the rest, and no
// focus rectangle is drawn.
class ListWidgetDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
};
