#include "gui/converter/convertedpage.h"

#include "core/converter/convertdatamanager.h"
#include "core/converter/convmediainfo.h"
#include "core/foundation/globals.h"
#include "core/foundation/stylemanager.h"
#include "gui/converter/converterdelegates.h"
#include "gui/converter/convertermodels.h"
#include "gui/pages/deleteconfirmdlg.h"
#include "gui/pages/fileactions.h"
#include "gui/pages/pagetoolbar.h"
#include "gui/widgets/mainwindowhelper.h"
#include "gui/widgets/pictures.h"

#include <QAction>
#include <QCursor>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

ConvertedPage::ConvertedPage(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildToolbar());
    rows = new ConvertedModel(this);
    painter = new ConvertedDelegate;
    view = converterlist::create(this, QStringLiteral("convertedList"), rows, painter);
    layout->addWidget(view, 1);
    emptyText = new QLabel(this);
    emptyText->setAlignment(Qt::AlignCenter);
    emptyText->setFont(applicationFont(12));
    emptyText->setStyleSheet(QStringLiteral("color: #888888; background: #FFFFFF;"));
    layout->addWidget(emptyText, 1);

    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ConvertedPage::onItemSelectionChanged);
    connect(view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        if (ConvMediaInfo *info = rows->infoAt(index.row()))
            onDoubleClicked(info);
    });
    connect(view, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        const QModelIndex index = view->indexAt(pos);
        if (index.isValid())
            onPopContextMenu(rows->infoAt(index.row()));
    });
    connect(painter, &ConverterRowDelegate::buttonClicked, this,
            [this](const QModelIndex &index, int button) {
                ConvMediaInfo *info = rows->infoAt(index.row());
                if (!info)
                    return;
                if (button == ConvertedDelegate::PlayButton)
                    onPlay(info);
                else if (button == ConvertedDelegate::ShowButton)
                    onOpenFileLocation(info);
                else if (button == ConvertedDelegate::DeleteButton)
                    onDeleteMediaItem(info);
            });
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

void ConvertedPage::rebuild()
{
    const QString text = search->text();
    const QStringList keywords = text.isEmpty() ? QStringList() : text.split(QLatin1Char(' '));
    rows->setItems(ConvertDataManager::instance()->searchConverted(keywords));
    const bool empty = ConvertDataManager::instance()->convertedItemList().isEmpty();
    view->setVisible(!empty);
    emptyText->setVisible(empty);
    if (rows->rowCount() > 0)
        view->setCurrentIndex(rows->index(0));
    onItemSelectionChanged();
}

bool ConvertedPage::isEmptyStateShown() const
{
    return !emptyText->isHidden();
}

QList<ConvMediaInfo *> ConvertedPage::selectedItems() const
{
    QList<ConvMediaInfo *> items;
    for (int row : converterlist::selectedRows(view))
        if (ConvMediaInfo *info = rows->infoAt(row))
            items << info;
    return items;
}

void ConvertedPage::onConvertedFileDidAdd(ConvMediaInfo *)
{
    rebuild();
}

void ConvertedPage::onItemSelectionChanged()
{
    deleteBtn->setEnabled(!selectedItems().isEmpty());
}

void ConvertedPage::onSearchTextChanged(const QString &text)
{
    // The text colour comes from the palette, so the placeholder keeps its own lighter one.
    QPalette palette = search->palette();
    palette.setColor(QPalette::Text,
                     text.isEmpty() ? QColor(0x33, 0x33, 0x33) : QColor(0x44, 0x44, 0x44));
    palette.setColor(QPalette::PlaceholderText, QColor(0xA0, 0xA7, 0xB4));
    search->setPalette(palette);
    if (rows)
        rebuild();
}

bool ConvertedPage::checkOutput(ConvMediaInfo *info)
{
    bool remove = false;
    if (checkFileExists(info->outputPath, true, &remove))
        return true;
    if (remove)
        ConvertDataManager::instance()->removeConvertedItems({info}, false);
    return false;
}

void ConvertedPage::onDoubleClicked(ConvMediaInfo *info)
{
    onPlay(info);
}

void ConvertedPage::onPlay(ConvMediaInfo *info)
{
    if (checkOutput(info))
        openLocalFile(info->outputPath);
}

void ConvertedPage::onOpenFileLocation(ConvMediaInfo *info)
{
    if (checkOutput(info))
        showInFileManager(info->outputPath);
}

void ConvertedPage::deleteItems(const QList<ConvMediaInfo *> &items, const QString &question)
{
    if (items.isEmpty())
        return;
    DeleteConfirmDlg dialog;
    dialog.setMessage(question);
    dialog.setMinimumWidth(400);
    MainWindowHelper::instance()->centreOverMainWindow(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ConvertDataManager::instance()->removeConvertedItems(items, dialog.isDeleteFileChecked());
}

void ConvertedPage::onDeleteMediaItem(ConvMediaInfo *info)
{
    deleteItems({info}, tr("Are you sure to delete this item?"));
}

void ConvertedPage::onDeleteSelectedBtnClicked()
{
    deleteItems(selectedItems(), tr("Are you sure to delete the items which you selected?"));
}

void ConvertedPage::onPopContextMenu(ConvMediaInfo *info)
{
    if (!info)
        return;
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setStyleSheet(StyleManager::instance()->styleSheet(QStringLiteral("QMenu.qss")));
    connect(menu->addAction(tr("Show the File")), &QAction::triggered, this,
            [this, info] { onOpenFileLocation(info); });
    connect(menu->addAction(tr("Delete")), &QAction::triggered, this,
            [this] { onDeleteSelectedBtnClicked(); });
    menu->popup(QCursor::pos());
}
