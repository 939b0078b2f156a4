#pragma once

// Lists the entries of a playlist with a check box each and asks how to download them: audio or
// video, quality, numbered file names and their order, skipping what was downloaded before. The
// entries are a checkable model shown by a table view: checking all of them is one pass, however
// long the playlist.

#include "core/engine/downloadoptions.h"
#include "core/protocol/toolline.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QHeaderView>
#include <QVector>

class PlaylistOperator;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QMovie;
class QPushButton;
class QRadioButton;
class QTableView;

// The playlist's entries: a check box (column 0) and the title (column 1) each.
class PlaylistEntriesModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Shows these entries, every one checked.
    void setEntries(const QVector<protocol::PlaylistEntry> &entries);
    const QVector<protocol::PlaylistEntry> &entries() const { return list; }
    QVector<protocol::PlaylistEntry> checkedEntries() const;
    bool isChecked(int row) const { return checks.value(row); }
    void setChecked(int row, bool on);
    void setAllChecked(bool on);
    int checkedCount() const { return checkedRows; }
    void setTitleHeader(const QString &text);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

Q_SIGNALS:
    void checkedCountChanged(int count);

private:
    QString titleHeader;
    QVector<protocol::PlaylistEntry> list;
    QVector<bool> checks;
    int checkedRows = 0;
};

// The table header with a check box over the first column that checks or unchecks every row.
class CheckboxHeader : public QHeaderView
{
    Q_OBJECT
public:
    explicit CheckboxHeader(Qt::Orientation orientation, QWidget *parent = nullptr);
    bool isChecked() const { return checked; }
    void setChecked(bool on);

Q_SIGNALS:
    void checkAll(bool on);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool checked = true;
};

class PlaylistConfirmDlg : public QDialog
{
    Q_OBJECT
public:
    explicit PlaylistConfirmDlg(QWidget *parent = nullptr);
    ~PlaylistConfirmDlg() override;

    void setUrl(const QString &url);
    QVector<protocol::PlaylistEntry> selectedEntries() const;
    DownloadOptions options() const;

    // For tests and screenshots.
    QTableView *table() const { return tableView; }
    PlaylistEntriesModel *entriesModel() const { return entryRows; }
    CheckboxHeader *header() const { return checkHeader; }
    QComboBox *qualityBox() const { return quality; }
    QComboBox *orderBox() const { return order; }
    QRadioButton *audioButton() const { return audio; }
    QCheckBox *numberingBox() const { return numbering; }
    bool isLoadingShown() const;
    bool isFailureShown() const;

Q_SIGNALS:
    void finished();

public Q_SLOTS:
    void accept() override;
    void onCheckAll(bool isOn);
    void onFoundVideos(const QVector<protocol::PlaylistEntry> &videos);
    void onFinished(PlaylistOperator *op);
    void onClickRetry();
    void orderModeChange(int ischecked);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void startListing();
    void endOfListing();
    void fillQualities(bool isVideo);
    void placeOverlays();
    void retranslate();

    QString url;
    PlaylistOperator *playlistOperator = nullptr;
    PlaylistEntriesModel *entryRows;
    QTableView *tableView;
    CheckboxHeader *checkHeader;
    QComboBox *quality;
    QRadioButton *video;
    QRadioButton *audio;
    QLabel *mediaLabel;
    QLabel *qualityLabel;
    QCheckBox *numbering;
    QComboBox *order;
    QCheckBox *skip;
    QDialogButtonBox *buttons;
    QWidget *loadingView;
    QLabel *loadingText;
    QMovie *loadingMovie;
    QWidget *failureView;
    QLabel *failureText;
    QPushButton *retryButton;
};
