#include "gui/converter/convertedpage.h"

#include "core/converter/convertdatamanager.h"
#include "core/converter/convmediainfo.h"
#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/foundation/globals.h"
#include "core/foundation/stylemanager.h"
#include "gui/converter/converterdelegates.h"
#include "gui/converter/convertermodels.h"
#include "gui/pages/deleteconfirmdlg.h"
#include "gui/pages/fileactions.h"
#include "gui/pages/pagetoolbar.h"
#include "gui/widgets/mainwindowhelper.h"
#include "gui/widgets/mediaroles.h"
#include "gui/widgets/pictures.h"

#include <QAction>
#include <QConcatenateTablesProxyModel>
#include <QCursor>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QVBoxLayout>

namespace {

// The search: a row whose file name holds any of the words.
class ConvertedSearch : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void setWords(const QStringList &list)
    {
        words = list;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override
    {
        if (words.isEmpty())
            return true;
        const QString name = ConverterRowDelegate::nameOf(sourceModel()->index(row, 0, parent));
        for (const QString &word : words) {
            if (name.contains(word, Qt::CaseInsensitive))
                return true;
        }
        return false;
    }

private:
    QStringList words;
};

ConvMediaInfo *recordOf(const QModelIndex &index)
{
    return qobject_cast<ConvMediaInfo *>(index.data(mediaroles::ObjectRole).value<QObject *>());
}

SniffTask *downloadOf(const QModelIndex &index)
{
    return qobject_cast<SniffTask *>(index.data(mediaroles::ObjectRole).value<QObject *>());
}

} // namespace

ConvertedPage::ConvertedPage(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildToolbar());
    rows = new ConvertedModel(this);
    everything = new QConcatenateTablesProxyModel(this);
    everything->addSourceModel(rows);
    searched = new ConvertedSearch(this);
    searched->setSourceModel(everything);
    painter = new ConvertedDelegate;
    view = converterlist::create(this, QStringLiteral("convertedList"), searched, painter);
    layout->addWidget(view, 1);
    emptyText = new QLabel(this);
    emptyText->setAlignment(Qt::AlignCenter);
    emptyText->setFont(applicationFont(12));
    emptyText->setStyleSheet(QStringLiteral("color: #888888; background: #FFFFFF;"));
    layout->addWidget(emptyText, 1);

    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ConvertedPage::onItemSelectionChanged);
    connect(view, &RowListView::rowDoubleClicked, this, &ConvertedPage::playRow);
    connect(view, &RowListView::rowMenuRequested, this, &ConvertedPage::showRowMenu);
    connect(view, &RowListView::partClicked, this, [this](const QModelIndex &index, int button) {
        if (button == ConvertedDelegate::PlayButton)
            playRow(index);
        else if (button == ConvertedDelegate::ShowButton)
            revealRow(index);
        else if (button == ConvertedDelegate::DeleteButton)
            deleteRows({index}, tr("Are you sure to delete this item?"));
    });
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(everything, signal, this, &ConvertedPage::updateEmptyState);
    connect(everything, &QAbstractItemModel::modelReset, this, &ConvertedPage::updateEmptyState);
    ConvertDataManager *data = ConvertDataManager::instance();
    connect(data, &ConvertDataManager::convertedFileDidAdd, this,
            &ConvertedPage::onConvertedFileDidAdd);
    connect(data, &ConvertDataManager::convertedListChanged, this, &ConvertedPage::rebuild);
    retranslate();
    rebuild();
}

QWidget *ConvertedPage::buildToolbar()
{
    toolbarWidget = new QWidget(this);
    toolbarWidget->setFixedHeight(72);
    auto *row = new QHBoxLayout(toolbarWidget);
    row->setContentsMargins(20, 0, 20, 0);
    row->setSpacing(10);
    deleteBtn = pagetoolbar::imageButton(toolbarWidget, QStringLiteral("QP/delete.png"));
    connect(deleteBtn, &QPushButton::clicked, this, &ConvertedPage::onDeleteSelectedBtnClicked);
    search = new QLineEdit(toolbarWidget);
    search->setFixedSize(180, 29);
    search->setFont(applicationFont(10));
    search->setClearButtonEnabled(true);
    search->setStyleSheet(
        QStringLiteral("QLineEdit { border-radius: 4px; border: 1px solid #D7D7D7}"));
    connect(search, &QLineEdit::textChanged, this, &ConvertedPage::onSearchTextChanged);
    row->addWidget(deleteBtn);
    row->addStretch(1);
    row->addWidget(search);
    onSearchTextChanged(QString());
    return toolbarWidget;
}

void ConvertedPage::retranslate()
{
    deleteBtn->setToolTip(tr("Delete Selected"));
    search->setPlaceholderText(tr("Search"));
    emptyText->setText(tr("Converted files appear here."));
}

void ConvertedPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ConvertedPage::setDownloads(QAbstractItemModel *downloads)
{
    everything->addSourceModel(downloads);
    updateEmptyState();
}

QAbstractItemModel *ConvertedPage::shownModel() const
{
    return searched;
}

void ConvertedPage::rebuild()
{
    rows->setItems(ConvertDataManager::instance()->convertedItemList());
    if (searched->rowCount() > 0)
        view->setCurrentIndex(searched->index(0, 0));
    updateEmptyState();
}

void ConvertedPage::updateEmptyState()
{
    const bool empty = everything->rowCount() == 0;
    view->setVisible(!empty);
    emptyText->setVisible(empty);
    onItemSelectionChanged();
}

bool ConvertedPage::isEmptyStateShown() const
{
    return !emptyText->isHidden();
}

QModelIndexList ConvertedPage::selectedRows() const
{
    QModelIndexList indexes;
    for (int row : converterlist::selectedRows(view))
        indexes << searched->index(row, 0);
    return indexes;
}

QList<ConvMediaInfo *> ConvertedPage::selectedItems() const
{
    QList<ConvMediaInfo *> items;
    for (const QModelIndex &index : selectedRows()) {
        if (ConvMediaInfo *info = recordOf(index))
            items << info;
    }
    return items;
}

void ConvertedPage::onConvertedFileDidAdd(ConvMediaInfo *)
{
    rebuild();
}

void ConvertedPage::onItemSelectionChanged()
{
    deleteBtn->setEnabled(!selectedRows().isEmpty());
}

void ConvertedPage::onSearchTextChanged(const QString &text)
{
    // The text colour comes from the palette, so the placeholder keeps its own lighter one.
    QPalette palette = search->palette();
    palette.setColor(QPalette::Text,
                     text.isEmpty() ? QColor(0x33, 0x33, 0x33) : QColor(0x44, 0x44, 0x44));
    palette.setColor(QPalette::PlaceholderText, QColor(0xA0, 0xA7, 0xB4));
    search->setPalette(palette);
    if (!searched)
        return;
    static_cast<ConvertedSearch *>(searched)->setWords(
        text.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    if (searched->rowCount() > 0)
        view->setCurrentIndex(searched->index(0, 0));
    onItemSelectionChanged();
}

void ConvertedPage::removeRows(const QModelIndexList &indexes, bool deleteFiles)
{
    // Objects first: taking one row off may move the others.
    QList<ConvMediaInfo *> records;
    QList<QPointer<SniffTask>> downloads;
    for (const QModelIndex &index : indexes) {
        if (ConvMediaInfo *info = recordOf(index))
            records << info;
        else if (SniffTask *task = downloadOf(index))
            downloads << task;
    }
    ConvertDataManager::instance()->removeConvertedItems(records, deleteFiles);
    for (const QPointer<SniffTask> &task : qAsConst(downloads)) {
        if (task)
            SniffMgr::instance()->deleteFinished(task, deleteFiles);
    }
}

bool ConvertedPage::checkOutput(const QModelIndex &index)
{
    bool remove = false;
    if (checkFileExists(index.data(mediaroles::FilePathRole).toString(), true, &remove))
        return true;
    if (remove)
        removeRows({index}, false);
    return false;
}

void ConvertedPage::playRow(const QModelIndex &index)
{
    if (index.isValid() && checkOutput(index))
        openLocalFile(index.data(mediaroles::FilePathRole).toString());
}

void ConvertedPage::revealRow(const QModelIndex &index)
{
    if (index.isValid() && checkOutput(index))
        showInFileManager(index.data(mediaroles::FilePathRole).toString());
}

void ConvertedPage::deleteRows(const QModelIndexList &indexes, const QString &question)
{
    if (indexes.isEmpty())
        return;
    QList<QPersistentModelIndex> rowsToDelete;
    for (const QModelIndex &index : indexes)
        rowsToDelete << index;
    DeleteConfirmDlg dialog;
    dialog.setMessage(question);
    dialog.setMinimumWidth(400);
    MainWindowHelper::instance()->centreOverMainWindow(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QModelIndexList still;
    for (const QPersistentModelIndex &index : qAsConst(rowsToDelete)) {
        if (index.isValid())
            still << index;
    }
    removeRows(still, dialog.isDeleteFileChecked());
}

void ConvertedPage::onDeleteSelectedBtnClicked()
{
    deleteRows(selectedRows(), tr("Are you sure to delete the items which you selected?"));
}

// The record-based slots keep working for the page's own records.

void ConvertedPage::onDoubleClicked(ConvMediaInfo *info)
{
    onPlay(info);
}

void ConvertedPage::onPlay(ConvMediaInfo *info)
{
    playRow(indexOf(info));
}

void ConvertedPage::onOpenFileLocation(ConvMediaInfo *info)
{
    revealRow(indexOf(info));
}

void ConvertedPage::onDeleteMediaItem(ConvMediaInfo *info)
{
    deleteRows({indexOf(info)}, tr("Are you sure to delete this item?"));
}

void ConvertedPage::onPopContextMenu(ConvMediaInfo *info)
{
    showRowMenu(indexOf(info));
}

void ConvertedPage::showRowMenu(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const QPersistentModelIndex row = index;
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setStyleSheet(StyleManager::instance()->styleSheet(QStringLiteral("QMenu.qss")));
    connect(menu->addAction(tr("Show the File")), &QAction::triggered, this,
            [this, row] { revealRow(row); });
    connect(menu->addAction(tr("Delete")), &QAction::triggered, this,
            [this] { onDeleteSelectedBtnClicked(); });
    menu->popup(QCursor::pos());
}

QModelIndex ConvertedPage::indexOf(ConvMediaInfo *info) const
{
    const int row = rows->rowOf(info);
    if (row < 0)
        return QModelIndex();
    return searched->mapFromSource(everything->mapFromSource(rows->index(row)));
}
