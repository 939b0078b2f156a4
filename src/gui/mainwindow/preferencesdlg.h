#pragma once

// The settings not chosen elsewhere: concurrency, default quality and subtitles, download
// switches, output folders, speed limit and a manual proxy. Controls start from the store and are
// written back only on "Apply".

#include <QDialog>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QTabWidget;

class PreferencesDlg : public QDialog
{
    Q_OBJECT
public:
    explicit PreferencesDlg(QWidget *parent = nullptr);

    // The controls, for tests and screenshots.
    QTabWidget *tabs() const { return tabWidget; }
    QComboBox *maxTaskBox() const { return maxTask; }
    QComboBox *mediaTypeBox() const { return mediaType; }
    QComboBox *videoQualityBox() const { return videoQuality; }
    QLabel *subtitleLabel() const { return subtitleTitle; }
    QCheckBox *autoSubtitleBox() const { return autoSubtitle; }
    QLineEdit *downloadDirEdit() const { return downloadDir; }
    QComboBox *speedBox() const { return speed; }
    QCheckBox *proxyEnableBox() const { return proxyEnable; }
    QLineEdit *proxyHostEdit() const { return proxyHost; }
    QLineEdit *proxyPortEdit() const { return proxyPort; }
    QCheckBox *authBox() const { return auth; }
    QCheckBox *notificationsBox() const { return notifications; }
    QLineEdit *loginEdit() const { return login; }
    QCheckBox *checkCertificatesBox() const { return checkCertificates; }
    QLabel *certificateWarningLabel() const { return certificateWarning; }
    QDialogButtonBox *buttonBox() const { return buttons; }

    // Whether a chosen folder can take downloads (a test folder is created and removed).
    static bool isWritableFolder(const QString &folder);

public Q_SLOTS:
    void accept() override;
    void onMediaTypeChanged(int index);
    void onClicked(QAbstractButton *btn);
    void authEnableChanged(int state);
    void proxyEnableChanged(int state);
    void speedChanged(int index);

private:
    QWidget *buildDownloadTab();
    QWidget *buildConnectionTab();
    QWidget *buildConvertTab();
    QWidget *folderRow(const QString &title, QLineEdit **edit);
    void changeFolder(QLineEdit *edit);
    void showMediaType(bool audio);
    void loadFromStore();

    QTabWidget *tabWidget;
    QComboBox *maxTask = nullptr;
    QComboBox *maxConvert = nullptr;
    QComboBox *mediaType = nullptr;
    QComboBox *videoQuality = nullptr;
    QComboBox *audioQuality = nullptr;
    QComboBox *subtitle = nullptr;
    QLabel *subtitleTitle = nullptr;
    QCheckBox *autoSubtitle = nullptr;
    QCheckBox *resumeOnStartup = nullptr;
    QCheckBox *readCookie = nullptr;
    QCheckBox *usageStatistics = nullptr;
    QCheckBox *notifications = nullptr;
    QLineEdit *downloadDir = nullptr;
    QLineEdit *convertDir = nullptr;
    QComboBox *speed = nullptr;
    QCheckBox *proxyEnable = nullptr;
    QLineEdit *proxyHost = nullptr;
    QLineEdit *proxyPort = nullptr;
    QCheckBox *auth = nullptr;
    QLineEdit *login = nullptr;
    QLineEdit *password = nullptr;
    QCheckBox *checkCertificates = nullptr;
    QLabel *certificateWarning = nullptr; // shown while the check is off
    QDialogButtonBox *buttons;
};
