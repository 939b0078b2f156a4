#pragma once

// Why a download may have failed (with what the download tool said, when it said something),
// and the way into the built-in browser.

#include <QDialog>

class DownloadFailedDlg : public QDialog
{
    Q_OBJECT
public:
    explicit DownloadFailedDlg(const QString &reason = QString(), QWidget *parent = nullptr);

Q_SIGNALS:
    void browserChosen();
};
