#include "gui/mainwindow/closeconfirmdlg.h"

#include "gui/widgets/pictures.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

CloseConfirmDlg::CloseConfirmDlg(QWidget *parent)
    : QDialog(parent)
    , message(new QLabel(this))
    , dontAsk(new QCheckBox(this))
    , cancel(new QPushButton(this))
    , ok(new QPushButton(this))
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    auto *icon = new QLabel(this);
    setLabelPixmap(icon, QSize(60, 60), appIconPixmap(QSize(60, 60)));
    QFont font = message->font();
    font.setPointSize(14);
    message->setFont(font);
    message->setWordWrap(true);
    auto *right = new QVBoxLayout;
    right->addWidget(message);
    right->addWidget(dontAsk);
    auto *top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(right, 1);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(cancel);
    row->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->addLayout(top);
    layout->addLayout(row);
    ok->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    retranslate();
    QTimer::singleShot(500, this, &CloseConfirmDlg::didAppeared);
}

void CloseConfirmDlg::setText(const QString &text)
{
    message->setText(text);
}

bool CloseConfirmDlg::isDontAskChecked() const
{
    return dontAsk->isChecked();
}

void CloseConfirmDlg::didAppeared()
{
    setFixedSize(size());
}

void CloseConfirmDlg::retranslate()
{
    setWindowTitle(tr("Clipmoor"));
    dontAsk->setText(tr("Don't ask me again"));
    cancel->setText(tr("Cancel"));
    ok->setText(tr("OK"));
}

void CloseConfirmDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}
