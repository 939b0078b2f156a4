#pragma once

// The dialog shown while added files are inspected (progress, the file being looked at, Cancel)
// and the list of files that could not be added.

#include "core/converter/convmediainfo.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

class LoadFilesDlg : public QDialog
{
    Q_OBJECT
public:
    explicit LoadFilesDlg(QWidget *parent = nullptr);

    // Starts the inspection of the files and shows the dialog (window-modal, without a local
    // event loop); it closes itself at the end.
    void loadFiles(const QStringList &files);
    QProgressBar *progressBar() const { return progress; }
    QLabel *statusLabel() const { return status; }
    QLabel *countLabel() const { return count; }
    QStringList failedFiles() const { return failedList; }

Q_SIGNALS:
    void didLoadFinishedFiles(const QList<ConvMediaInfo> &items, const QStringList &failedList);
    void didLoadFinishedOneFile(ConvMediaInfo *item, bool isError);

public Q_SLOTS:
    void onConvertManagerLoadStart();
    void onConvertManagerLoadProgress(int index, int total, const QString &fileName);
    void onConvertManagerFinishedOneItem(ConvMediaInfo *item, bool isError);
    void onConvertManagerLoadFinish(const QList<ConvMediaInfo> &resultList,
                                    const QStringList &failedFiles, const QStringList &reasons);
    void openFailedDlg();
    void on_pushButton_clicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void reset();
    void retranslate();

    QLabel *title;
    QLabel *status;
    QLabel *count;
    QProgressBar *progress;
    QPushButton *cancel;
    QStringList paths;
    QList<ConvMediaInfo> results;
    QStringList failedList;
    QStringList failedLines; // "file: reason"
};

class FailedfilenameDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FailedfilenameDialog(QWidget *parent = nullptr);
    // One line a file ("file: reason").
    void setFailedFiles(const QStringList &files);
    QListWidget *list() const { return files; }

private:
    QListWidget *files;
};
