#include "gui/pages/deleteconfirmdlg.h"

#include "gui/widgets/pictures.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

DeleteConfirmDlg::DeleteConfirmDlg(QWidget *parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(tr("Delete"));
    auto *icon = new QLabel(this);
    setLabelPixmap(icon, QSize(60, 60), appIconPixmap(QSize(120, 120)));
    message = new QLabel(this);
    message->setWordWrap(true);
    deleteFiles = new QCheckBox(tr("Delete original file(s) as well."), this);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    auto *remove = new QPushButton(tr("Delete"), this);
    remove->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(remove, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    buttons->addWidget(remove);
    auto *column = new QVBoxLayout;
    column->setSpacing(12);
    column->addWidget(message);
    column->addWidget(deleteFiles);
    column->addLayout(buttons);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(20, 20, 20, 16);
    row->setSpacing(16);
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addLayout(column, 1);
}

void DeleteConfirmDlg::setMessage(const QString &text)
{
    message->setText(text);
}

void DeleteConfirmDlg::setCheckBoxVisible(bool on)
{
    deleteFiles->setVisible(on);
}

bool DeleteConfirmDlg::isDeleteFileChecked() const
{
    return deleteFiles->isChecked();
}

void DeleteConfirmDlg::didAppeared()
{
    setFixedSize(size());
}

void DeleteConfirmDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    QMetaObject::invokeMethod(this, &DeleteConfirmDlg::didAppeared, Qt::QueuedConnection);
}
