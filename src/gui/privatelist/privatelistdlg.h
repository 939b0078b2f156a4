#pragma once

// The private list's password dialog, in one of three modes: turning private mode on (a new
// password typed twice, and the two options), turning it off, and unlocking the "Private" view
// (with the box that keeps it unlocked until Clipmoor restarts). The password checks and what they
// change are PrivateListManager's; a wrong password is told and the dialog stays open. The slow
// digest is derived on a worker thread while the dialog stays responsive, its button showing that
// it works; closing the dialog meanwhile drops the outcome.

#include "core/foundation/privatelistmanager.h"

#include <QDialog>
#include <QFutureWatcher>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class PrivateListDlg : public QDialog
{
    Q_OBJECT
public:
    explicit PrivateListDlg(QWidget *parent = nullptr);

    // PrivateListManager::TurnOn, TurnOff or Unlock. Clears the field and hides its text.
    void setMode(int mode);
    int mode() const { return currentMode; }
    // Whether a password is being checked.
    bool isBusy() const { return pending != nullptr; }

    void done(int result) override;

    // Makes PrivateListManager::ask open this dialog modally, centred over the main window.
    static void installAskHandler();

protected:
    void changeEvent(QEvent *event) override;

private:
    void setTexts();
    void onAction();
    void onChecked();
    void setBusy(bool busy);
    void dropPending();
    void onToggleEcho();

    int currentMode = 0;
    QLabel *prompt;
    QLineEdit *password;
    QLineEdit *confirmation; // turning on: the new password once more
    QAction *eye;
    QCheckBox *hideThumbnails;
    QCheckBox *hideFiles;
    QCheckBox *remember;
    QPushButton *action;
    QFutureWatcher<PrivateListManager::PasswordCheck> *pending = nullptr;
};
