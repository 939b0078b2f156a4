#include "gui/browser/addsitedlg.h"

#include "gui/widgets/mainwindowhelper.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

AddSiteDlg::AddSiteDlg(QWidget *parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(tr("Add New"));
    setFixedSize(MainWindowHelper::instance()->scaled(QSize(464, 176)));
    const QString fieldStyle =
        QStringLiteral("QLineEdit { border-radius: 4px; border: 1px solid #D7D7D7;}");
    urlEdit = new QLineEdit(this);
    titleEdit = new QLineEdit(this);
    for (QLineEdit *field : {urlEdit, titleEdit}) {
        field->setStyleSheet(fieldStyle);
        field->setMinimumHeight(28);
        connect(field, &QLineEdit::textChanged, this, &AddSiteDlg::updateOk);
    }
    urlEdit->setPlaceholderText(QStringLiteral("https://"));
    auto *form = new QFormLayout;
    form->addRow(tr("URL"), urlEdit);
    form->addRow(tr("Title"), titleEdit);
    ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(buttons);
    updateOk();
}

QString AddSiteDlg::url() const
{
    return urlEdit->text().trimmed();
}

QString AddSiteDlg::title() const
{
    return titleEdit->text().trimmed();
}

void AddSiteDlg::updateOk()
{
    ok->setEnabled(!url().isEmpty() && !title().isEmpty());
}
