#pragma once

// The browser's start page: a grid of site tiles over the tile model. A click on a tile opens
// its site, the close mark removes it, "Add New" adds a site of the user's, "Reset" brings the
// built-in sites back.

#include <QHash>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <QWidget>

class QListView;
class SiteTileModel;

// Paints one tile and turns clicks into opening or removing it.
class WebElement : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit WebElement(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

    // The parts of a tile in `rect`.
    static QRect closeArea(const QRect &rect);
    static QRect pictureArea(const QRect &rect);

Q_SIGNALS:
    void clicked(const QString &url);
    void removed(int row);

private:
    QPixmap picture(const QString &path) const;

    QPixmap close;
    mutable QHash<QString, QPixmap> cache;
};

class WebHomePage : public QWidget
{
    Q_OBJECT
public:
    explicit WebHomePage(QWidget *parent = nullptr);

    SiteTileModel *model() const { return tiles; }
    QListView *view() const { return list; }
    // Opens the "Add New" dialog (window-modal, answered asynchronously).
    void openAddDialog();

Q_SIGNALS:
    void urlLoaded(const QString &url);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void onTileClicked(const QString &url);

    SiteTileModel *tiles = nullptr;
    QListView *list = nullptr;
    WebElement *delegate = nullptr;
};

// The start page's pictures live in the gui library: registered before first use.
void initBrowserResources();
