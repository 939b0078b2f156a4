#pragma once

// Lists the entries of a playlist with a check box each and asks how to download them: audio or
// video, quality, numbered file names and their order, skipping what was downloaded before.

#include "core/engine/downloadoptions.h"

#include <QDialog>
#include <QHeaderView>
#include <QMap>
#include <QVariant>

class PlaylistOperator;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QMovie;
class QPushButton;
class QRadioButton;
class QTableWidget;

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
    QList<QVariant> selectedEntries() const;
    DownloadOptions options() const;

    // For tests and screenshots.
    QTableWidget *table() const { return tableWidget; }
    CheckboxHeader *header() const { return checkHeader; }
    QComboBox *qualityBox() const { return quality; }
    QComboBox *orderBox() const { return order; }
    QRadioButton *audioButton() const { return audio; }
    QCheckBox *numberingBox() const { return numbering; }
    QCheckBox *rowBox(int row) const { return rowBoxes.value(row); }
    bool isLoadingShown() const;
    bool isFailureShown() const;

Q_SIGNALS:
    void finished();

public Q_SLOTS:
    void accept() override;
    void onCheckAll(bool isOn);
    void onFoundVideos(const QList<QVariant> &videos);
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
    QList<QVariant> entries;
    QList<QCheckBox *> rowBoxes;
    QTableWidget *tableWidget;
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
