#pragma once

#include <QDialog>
#include <QVariantMap>

class QAbstractButton;
class QDialogButtonBox;
class QLabel;
class QMovie;
class QNetworkAccessManager;
class QNetworkReply;

// Tells the user about a newer release: shown by the automatic check with what it found, or by
// "Check for updates" without information, in which case it fetches it itself.
class UpgradeDlg : public QDialog
{
    Q_OBJECT
public:
    explicit UpgradeDlg(const QVariantMap &info = QVariantMap(), QWidget *parent = nullptr);

    // The address of the update information ("/updateinfo/clipmoor_update_win.json").
    static QString updateInfoUrl();
    // True when the information announces a version above this one.
    static bool announcesNewerVersion(const QVariantMap &info);

    QString statusText() const;
    bool upgradeEnabled() const;
    // The texts of the buttons offered now: "Upgrade Now" and "Remind Me Later" for a newer
    // version, "OK" otherwise, with "Retry" when the information could not be fetched.
    QStringList visibleButtons() const;

public Q_SLOTS:
    void onClicked(QAbstractButton *button);
    void onNetworkFinished(QNetworkReply *reply);

protected:
    void changeEvent(QEvent *event) override;

private:
    void fetch();
    void refresh();

    QVariantMap info;
    bool fetchFinished = false;
    QNetworkAccessManager *network = nullptr;
    QLabel *title;
    QLabel *status;
    QLabel *details;
    QLabel *notes;
    QLabel *loading;
    QMovie *movie = nullptr;
    QDialogButtonBox *buttons;
    QAbstractButton *upgradeButton;
    QAbstractButton *laterButton;
    QAbstractButton *retryButton;
    QAbstractButton *okButton;
};
