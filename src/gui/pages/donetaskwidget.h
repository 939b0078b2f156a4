#pragma once

// One row of the downloaded page (title, file facts, play and show buttons) and the question
// asked before finished downloads are deleted.

#include "gui/pages/taskrowwidget.h"

#include <QDialog>

class ImageButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class RFImageView;

class DoneTaskWidget : public TaskRowWidget
{
    Q_OBJECT
public:
    DoneTaskWidget(SniffTask *task, QListWidget *list, QListWidgetItem *item,
                   QWidget *parent = nullptr);

    void setEditMode(bool on);
    QLineEdit *titleField() const { return title; }
    // The texts of the five facts: duration, size, type, resolution or quality, subtitle.
    QStringList infoTexts() const;

    // The user-visible texts again (language change).
    void refreshTexts();

Q_SIGNALS:
    void doubleClicked(SniffTask *task);
    void editFinished(bool ok);
    void sigPlay(SniffTask *task);
    void sigOpenFileLocation(SniffTask *task);

public Q_SLOTS:
    void onImageDownloaded(const QPixmap &pixmap, const QString &url);
    void playItem();
    void showTheFile();
    void onEditFinished();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void tintIcons();
    QString currentTitle() const;

    RFImageView *thumb;
    QLineEdit *title;
    QLabel *icons[5];
    QLabel *texts[5];
    ImageButton *playButton;
    ImageButton *showButton;
    bool editing = false;
};

class DeleteConfirmDlg : public QDialog
{
    Q_OBJECT
public:
    explicit DeleteConfirmDlg(QWidget *parent = nullptr);
    void setMessage(const QString &text);
    void setCheckBoxVisible(bool on);
    bool isDeleteFileChecked() const;

public Q_SLOTS:
    void didAppeared();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *message;
    QCheckBox *deleteFiles;
};
