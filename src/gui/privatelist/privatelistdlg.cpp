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
    currentMode = mode;
    password->clear();
    password->setEchoMode(QLineEdit::Password);
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
    eye->setToolTip(tr("Show or hide the password"));
    hideThumbnails->setText(tr("Do not show thumbnails of adult videos"));
    hideFiles->setText(tr("Save adult videos as hidden"));
    remember->setText(
        tr("Remember the password before restart %1").arg(QStringLiteral("Clipmoor")));
    action->setText(currentMode == PrivateListManager::TurnOn ? tr("Lock") : tr("Unlock"));
}

void PrivateListDlg::onToggleEcho()
{
    password->setEchoMode(password->echoMode() == QLineEdit::Password ? QLineEdit::Normal
                                                                      : QLineEdit::Password);
}

void PrivateListDlg::onAction()
{
    PrivateListManager *privacy = PrivateListManager::instance();
    const QString typed = password->text();
    if (typed.isEmpty())
        return;
    bool accepted = true;
    switch (currentMode) {
    case PrivateListManager::TurnOn:
        privacy->turnOn(typed, hideThumbnails->isChecked(), hideFiles->isChecked());
        break;
    case PrivateListManager::TurnOff:
        accepted = privacy->turnOff(typed);
        break;
    default:
        accepted = privacy->unlock(typed, remember->isChecked());
        break;
    }
    if (accepted) {
        accept();
        return;
    }
    ZQMessageBox::question(tr("Password error."), {tr("OK")});
    password->selectAll();
    password->setFocus();
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
