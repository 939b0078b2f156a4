#pragma once

// Paints the rows of the downloaded page (thumbnail, title, the file's facts with their icons,
// the "Play" and "Show the File" buttons) from the model's media roles, laid out from one list of
// facts; the title becomes a line edit only while it is being renamed.

#include "gui/pages/mylistwidget.h"

class DoneTaskDelegate : public TaskRowDelegate
{
    Q_OBJECT
public:
    enum Part
    {
        PlayButton = 0,
        ShowButton = 1,
    };

    explicit DoneTaskDelegate(MyListWidget *view);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    int partAt(const QRect &row, const QModelIndex &index, const QPoint &pos) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

    // The rename field.
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *, QAbstractItemModel *, const QModelIndex &) const override {}
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

    // The text a fact of the row reads (a media role), and all of them in the order shown.
    static QString factText(const QModelIndex &index, int role);
    static QStringList factTexts(const QModelIndex &index);
    static QRect titleRect(const QRect &row);
    static QRect buttonRect(const QRect &row, Part part);

Q_SIGNALS:
    // The rename field's editing ended with this text.
    void titleEdited(const QModelIndex &index, const QString &text);

private:
    MyListWidget *view;
};
