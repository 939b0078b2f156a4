#include "gui/privatelist/privatelistdlg.h"

#include "core/foundation/privatelistmanager.h"
#include "core/foundation/stylemanager.h"
#include "gui/widgets/mainwindowhelper.h"
#include "gui/widgets/pictures.h"
#include "gui/widgets/zqmessagebox.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtConcurrent>

PrivateListDlg::PrivateListDlg(QWidget *parent)
    : QDialog(parent)
{
    initGuiResources();
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setMinimumSize(580, 160);
    setFont(applicationFont(11));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(15);

    prompt = new QLabel(this);
    password = new QLineEdit(this);
    password->setStyleSheet(
        QStringLiteral("QLineEdit { border-radius: 4px; border: 1px solid #D7D7D7}"));
    password->setMinimumHeight(30);
    password->setEchoMode(QLineEdit::Password);
    eye =
        password->addAction(QIcon(QStringLiteral(":/res/eye32.png")), QLineEdit::TrailingPosition);
    connect(eye, &QAction::triggered, this, &PrivateListDlg::onToggleEcho);
    confirmation = new QLineEdit(this);
    confirmation->setStyleSheet(password->styleSheet());
    confirmation->setMinimumHeight(30);
    confirmation->setEchoMode(QLineEdit::Password);

    const PrivateListManager *privacy = PrivateListManager::instance();
    hideThumbnails = new QCheckBox(this);
    hideThumbnails->setChecked(privacy->thumbnailsHidden());
    hideFiles = new QCheckBox(this);
    hideFiles->setChecked(privacy->filesHidden());
    remember = new QCheckBox(this);

    action = new QPushButton(this);
    action->setDefault(true);
    action->setMinimumSize(100, 30);
    action->setCursor(Qt::PointingHandCursor);
    action->setStyleSheet(StyleManager::instance()->styleSheet(QStringLiteral("reg_btn.qss")));
    action->setEnabled(false);
    connect(password, &QLineEdit::textChanged, this,
            [this](const QString &text) { action->setEnabled(!text.isEmpty()); });
    connect(action, &QPushButton::clicked, this, &PrivateListDlg::onAction);

    layout->addWidget(prompt);
    layout->addWidget(password);
    layout->addWidget(confirmation);
    layout->addWidget(hideThumbnails);
    layout->addWidget(hideFiles);
    layout->addWidget(remember);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(action);
    layout->addLayout(buttons);
    setMode(PrivateListManager::TurnOn);
}

void PrivateListDlg::setMode(int mode)
{
    dropPending();
    currentMode = mode;
    password->clear();
    password->setEchoMode(QLineEdit::Password);
    confirmation->clear();
    confirmation->setEchoMode(QLineEdit::Password);
    confirmation->setVisible(mode == PrivateListManager::TurnOn);
    hideThumbnails->setVisible(mode == PrivateListManager::TurnOn);
    hideFiles->setVisible(mode == PrivateListManager::TurnOn);
    remember->setVisible(mode == PrivateListManager::Unlock);
    setTexts();
    adjustSize();
    password->setFocus();
}

void PrivateListDlg::setTexts()
{
    setWindowTitle(tr("Private List"));
    prompt->setText(currentMode == PrivateListManager::TurnOn
                        ? tr("Please Enter Password to Lock Private Space")
                        : tr("Please Enter Password to Unlock Private Space"));
    password->setPlaceholderText(tr("Enter password"));
    confirmation->setPlaceholderText(tr("Enter the password again"));
    eye->setToolTip(tr("Show or hide the password"));
    hideThumbnails->setText(tr("Do not show thumbnails of adult videos"));
    hideFiles->setText(tr("Save adult videos as hidden"));
    remember->setText(
        tr("Remember the password before restart %1").arg(QStringLiteral("Clipmoor")));
    action->setText(currentMode == PrivateListManager::TurnOn ? tr("Lock") : tr("Unlock"));
}

void PrivateListDlg::onToggleEcho()
{
    const QLineEdit::EchoMode echo =
        password->echoMode() == QLineEdit::Password ? QLineEdit::Normal : QLineEdit::Password;
    password->setEchoMode(echo);
    confirmation->setEchoMode(echo);
}

void PrivateListDlg::onAction()
{
    const QString typed = password->text();
    if (typed.isEmpty() || pending)
        return;
    const int mode = currentMode;
    if (mode == PrivateListManager::TurnOn && confirmation->text() != typed) {
        // A new password is typed twice: a slip of the finger would lock the list for good.
        ZQMessageBox::question(tr("The passwords do not match."), {tr("OK")});
        confirmation->selectAll();
        confirmation->setFocus();
        return;
    }
    const QString stored = PrivateListManager::instance()->storedKey();
    pending = new QFutureWatcher<PrivateListManager::PasswordCheck>(this);
    connect(pending, &QFutureWatcherBase::finished, this, &PrivateListDlg::onChecked);
    setBusy(true);
    pending->setFuture(QtConcurrent::run(
        [mode, stored, typed] { return PrivateListManager::derive(mode, stored, typed); }));
}

void PrivateListDlg::onChecked()
{
    const PrivateListManager::PasswordCheck check = pending->result();
    pending->deleteLater();
    pending = nullptr;
    setBusy(false);
    if (PrivateListManager::instance()->apply(currentMode, check, hideThumbnails->isChecked(),
                                              hideFiles->isChecked(), remember->isChecked())) {
        accept();
        return;
    }
    ZQMessageBox::question(tr("Password error."), {tr("OK")});
    password->selectAll();
    password->setFocus();
}

void PrivateListDlg::setBusy(bool busy)
{
    // The field and the options keep what was typed while the digest is derived; the button
    // turns to its disabled look under a busy cursor.
    password->setReadOnly(busy);
    confirmation->setReadOnly(busy);
    for (QCheckBox *box : {hideThumbnails, hideFiles, remember})
        box->setEnabled(!busy);
    action->setEnabled(!busy && !password->text().isEmpty());
    action->setCursor(busy ? Qt::BusyCursor : Qt::PointingHandCursor);
    if (busy)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
}

void PrivateListDlg::done(int result)
{
    // Closed while the password was being checked: the outcome is dropped.
    if (result != QDialog::Accepted)
        dropPending();
    QDialog::done(result);
}

void PrivateListDlg::dropPending()
{
    if (!pending)
        return;
    pending->disconnect(this);
    pending->deleteLater();
    pending = nullptr;
    setBusy(false);
}

void PrivateListDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        setTexts();
    QDialog::changeEvent(event);
}

void PrivateListDlg::installAskHandler()
{
    PrivateListManager::instance()->setAskHandler([](int mode) {
        PrivateListDlg dialog;
        dialog.setMode(mode);
        MainWindowHelper::instance()->centreOverMainWindow(&dialog);
        return dialog.exec() == QDialog::Accepted ? 1 : 0;
    });
}
