#include "gui/widgets/aboutdlg.h"

#include "gui/widgets/pictures.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace {
const char kSite[] = "https://clipmoor.app";
}

AboutDlg::AboutDlg(QWidget *parent)
    : QDialog(parent)
    , version(new QLabel(this))
    , about(new QLabel(this))
    , link(new QLabel(this))
    , notice(new QLabel(this))
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    setFixedWidth(540);
    auto *icon = new QLabel(this);
    setLabelPixmap(icon, QSize(70, 70), appIconPixmap(QSize(70, 70)));
    auto *name = new QLabel(QStringLiteral("Clipmoor"), this);
    QFont big = name->font();
    big.setPointSize(26);
    name->setFont(big);
    about->setWordWrap(true);
    link->setOpenExternalLinks(true);
    notice->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 24, 30, 24);
    layout->setSpacing(10);
    layout->addWidget(icon, 0, Qt::AlignHCenter);
    layout->addWidget(name, 0, Qt::AlignHCenter);
    for (QLabel *l : {version, about, link, notice}) {
        l->setAlignment(Qt::AlignHCenter);
        layout->addWidget(l);
    }
    retranslate();
}

void AboutDlg::retranslate()
{
    setWindowTitle(tr("About"));
    version->setText(tr("Version: ") + QStringLiteral(CLIPMOOR_VERSION));
    about->setText(tr("Clipmoor is made by a small team who want saving a video to be as simple "
                      "as pasting its address."));
    link->setText(tr("To learn more please visit: ") +
                  QStringLiteral("<a style='color: %1;' href=\"%2/\">%2</a>")
                      .arg(QStringLiteral("#2A6DF4"), QLatin1String(kSite)));
    notice->setText(tr("Copyright © 2026 the Clipmoor developers. All rights reserved."));
}

void AboutDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}
