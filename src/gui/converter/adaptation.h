#pragma once

// The output format chooser: a video container, codec or device, or an audio format, with a
// quality (and "Mute" for video). The choice is kept in the preferences, so the dialog reopens
// with the last one.

#include "core/converter/convertinfo.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QToolButton;

class Adaptation : public QDialog
{
    Q_OBJECT
public:
    static const QStringList &videoTargets();
    static const QStringList &audioTargets();
    // "toolButton_" + the id with blanks and "/" replaced by "_".
    static QString buttonName(const QString &id);

    explicit Adaptation(QWidget *parent = nullptr);

    // The accepted choice, read back from the preferences.
    ConvertInfo buildConvertInfo() const;

    bool isVideoPage() const;
    QComboBox *qualityBox() const { return quality; }
    QCheckBox *muteBox() const { return mute; }
    QToolButton *targetButton(const QString &id) const;

public Q_SLOTS:
    void on_pb_video_clicked(bool checked);
    void on_pb_audio_clicked(bool checked);
    void on_pushButton_ok_clicked();
    void on_pushButton_cancel_clicked();
    void onAudioTargetClicked(bool checked);

protected:
    void changeEvent(QEvent *event) override;

private:
    QWidget *buildTargets(const QStringList &ids, QButtonGroup *group);
    void showVideoPage();
    void showAudioPage();
    void fillVideoQualities();
    void fillAudioQualities(const QString &target);
    void selectQuality(const QString &value);
    void saveVideoChoice();
    void saveAudioChoice();
    QString checkedId(QButtonGroup *group) const;
    void retranslate();

    QPushButton *videoTab;
    QPushButton *audioTab;
    QStackedWidget *pages;
    QButtonGroup *videoGroup;
    QButtonGroup *audioGroup;
    QLabel *qualityLabel;
    QComboBox *quality;
    QCheckBox *mute;
    QPushButton *ok;
    QPushButton *cancel;
};
