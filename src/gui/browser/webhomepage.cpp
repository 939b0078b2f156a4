#include "gui/browser/webhomepage.h"

#include "core/browser/sitetilemodel.h"
#include "gui/browser/addsitedlg.h"
#include "gui/widgets/mainwindowhelper.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QVBoxLayout>

void initBrowserResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(browser);
        return true;
    }();
    Q_UNUSED(done)
}

namespace {
int scaled(int size)
{
    return MainWindowHelper::instance()->scaled(size);
}

// Centred text; a text wider than its rectangle is drawn in a smaller font, down to
// `smallest` points, and ends in an ellipsis if it still does not fit.
void drawFittedText(QPainter *painter, const QRect &rect, const QString &text, int smallest = 0)
{
    const int inner = rect.width() - 4;
    QFont font = painter->font();
    while (font.pointSize() > smallest && smallest > 0 &&
           QFontMetrics(font).horizontalAdvance(text) > inner)
        font.setPointSize(font.pointSize() - 1);
    painter->setFont(font);
    painter->drawText(rect, Qt::AlignHCenter | Qt::AlignVCenter,
                      painter->fontMetrics().elidedText(text, Qt::ElideRight, inner));
}

const char kScrollBarStyle[] =
    "QScrollBar:vertical { width: %1px; background: transparent; margin: 0; border: none; }"
    "QScrollBar::handle:vertical { min-height: %2px; border-radius: %3px;"
    " background: rgba(42,109,244,150); }"
    "QScrollBar::handle:vertical:hover { background: rgba(42,109,244,255); }"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; border: none; }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: transparent; }";
} // namespace

// --- WebElement ------------------------------------------------------------------------------

WebElement::WebElement(QObject *parent)
    : QStyledItemDelegate(parent)
    , close(QStringLiteral(":/res/close48.png"))
{
}

QRect WebElement::closeArea(const QRect &r)
{
    const int side = scaled(20);
    return QRect(r.x() + r.width() - 3 - side, r.y() + 3, side, side);
}

QRect WebElement::pictureArea(const QRect &r)
{
    return QRect(r.x() + 1, r.y() + 1, r.width() - 3, r.height() - 3 - scaled(30));
}

QPixmap WebElement::picture(const QString &path) const
{
    auto it = cache.find(path);
    if (it == cache.end())
        it = cache.insert(path, QPixmap(path));
    return it.value();
}

QSize WebElement::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return MainWindowHelper::instance()->scaled(QSize(154, 144));
}

void WebElement::paint(QPainter *painter, const QStyleOptionViewItem &option,
                       const QModelIndex &index) const
{
    const auto tile = index.data(SiteTileModel::ElementRole).value<WebElementData>();
    const QRect r = option.rect;
    const QRect area = pictureArea(r);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->fillRect(r, Qt::white);
    if (tile.kind == WebElementData::BuiltIn) {
        const QRect target(area.x() + scaled(5), area.y() + scaled(20), area.width() - scaled(10),
                           area.height() - scaled(40));
        const QPixmap pixmap = picture(tile.icon);
        if (!pixmap.isNull()) {
            const QSize fitted = pixmap.size().scaled(target.size(), Qt::KeepAspectRatio);
            painter->drawPixmap(QRect(QPoint(target.x() + (target.width() - fitted.width()) / 2,
                                             target.y() + (target.height() - fitted.height()) / 2),
                                      fitted),
                                pixmap);
        }
    } else if (tile.kind == WebElementData::UserAdded) {
        QPainterPath path;
        path.addRoundedRect(area, 3, 3);
        painter->fillPath(path, QColor(tile.colour));
        QFont font = painter->font();
        font.setBold(true);
        font.setPointSize(20);
        painter->setFont(font);
        painter->setPen(Qt::white);
        drawFittedText(painter, area, tile.label, 10);
    } else {
        const QPixmap pixmap = picture(tile.icon);
        // The picture is drawn at twice the size it is shown.
        const QSize size =
            MainWindowHelper::instance()->scaled(pixmap.size() / pixmap.devicePixelRatio() / 2);
        painter->drawPixmap(
            QRect(area.center() - QPoint(size.width() / 2, size.height() / 2), size), pixmap);
    }
    painter->setFont(option.font);
    painter->setPen(Qt::black);
    drawFittedText(painter, QRect(r.x(), r.y() + r.height() - scaled(30), r.width(), scaled(30)),
                   tile.name == QLatin1String("Add New") && tile.kind == WebElementData::AddNew
                       ? tr("Add New")
                       : tile.name);
    const bool hover = option.state & QStyle::State_MouseOver;
    if (hover && tile.kind != WebElementData::AddNew)
        painter->drawPixmap(closeArea(r), close);
    painter->setPen(
        QPen(hover ? QColor(QStringLiteral("#4784FB")) : QColor(216, 216, 216, 178), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(area, 3, 3);
    painter->restore();
}

bool WebElement::editorEvent(QEvent *event, QAbstractItemModel *model,
                             const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            if (closeArea(option.rect).contains(mouse->pos())) {
                Q_EMIT removed(index.row());
                return true;
            }
            if (pictureArea(option.rect).contains(mouse->pos())) {
                Q_EMIT clicked(index.data(SiteTileModel::ElementRole).value<WebElementData>().url);
                return true;
            }
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

// --- WebHomePage -----------------------------------------------------------------------------

WebHomePage::WebHomePage(QWidget *parent)
    : QWidget(parent)
{
    initBrowserResources();
    tiles = new SiteTileModel(sitetiles::onlineFile(), this);
    delegate = new WebElement(this);
    list = new QListView(this);
    list->setViewMode(QListView::IconMode);
    list->setWrapping(true);
    list->setResizeMode(QListView::Adjust);
    list->setMovement(QListView::Static);
    list->setFrameShape(QFrame::NoFrame);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setDragEnabled(false);
    list->setMouseTracking(true);
    list->viewport()->setAttribute(Qt::WA_Hover);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QSize cell = MainWindowHelper::instance()->scaled(QSize(178, 164));
    list->setGridSize(cell);
    list->setUniformItemSizes(true);
    list->setFixedWidth(scaled(15) + 5 * cell.width());
    list->setMinimumHeight(3 * cell.height());
    list->verticalScrollBar()->setStyleSheet(
        QString::fromLatin1(kScrollBarStyle).arg(scaled(8)).arg(scaled(16)).arg(scaled(4)));
    list->setItemDelegate(delegate);
    list->setModel(tiles);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(scaled(30), scaled(12), scaled(30), scaled(12));
    layout->addWidget(list, 1, Qt::AlignHCenter);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    connect(delegate, &WebElement::clicked, this, &WebHomePage::onTileClicked);
    connect(delegate, &WebElement::removed, tiles, &SiteTileModel::removeTile);
}

void WebHomePage::onTileClicked(const QString &url)
{
    if (url.isEmpty())
        openAddDialog();
    else
        Q_EMIT urlLoaded(url);
}

void WebHomePage::openAddDialog()
{
    auto *dialog = new AddSiteDlg(this);
    dialog->setObjectName(QStringLiteral("addSiteDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this,
            [this, dialog] { tiles->addSite(dialog->title(), dialog->url()); });
    MainWindowHelper::instance()->centreOverMainWindow(dialog);
    dialog->open();
}

void WebHomePage::contextMenuEvent(QContextMenuEvent *event)
{
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(tr("Reset"), tiles, &SiteTileModel::reset);
    menu->popup(event->globalPos());
}
