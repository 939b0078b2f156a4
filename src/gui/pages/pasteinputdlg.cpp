#include "gui/pages/pasteinputdlg.h"

#include "core/foundation/stylemanager.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

PasteInputDlg::PasteInputDlg(QWidget *parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(tr("Multiple URLs"));
    resize(540, 360);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(10);
    auto *label = new QLabel(tr("Paste the URLs(one per line):"), this);
    edit = new QPlainTextEdit(this);
    edit->setPlaceholderText(tr("Input web page url..."));
    auto *download = new QPushButton(tr("Download"), this);
    download->setDefault(true);
    download->setStyleSheet(StyleManager::instance()->styleSheet(QStringLiteral("reg_btn.qss")));
    connect(download, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(label);
    layout->addWidget(edit, 1);
    layout->addWidget(download, 0, Qt::AlignRight);
}

QString PasteInputDlg::text() const
{
    return edit->toPlainText();
}
