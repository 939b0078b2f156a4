#include "gui/pages/downloadfaileddlg.h"

#include "core/foundation/stylemanager.h"
#include "gui/widgets/mainwindowhelper.h"
#include "gui/widgets/pictures.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

DownloadFailedDlg::DownloadFailedDlg(const QString &reason, QWidget *parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(tr("Download failed"));
    setModal(true);
    MainWindowHelper *helper = MainWindowHelper::instance();
    setFixedWidth(helper->scaled(580));
    auto *layout = new QVBoxLayout(this);
    const int h = helper->scaled(30), v = helper->scaled(25);
    layout->setContentsMargins(h, v, h, v);
    layout->setSpacing(0);

    auto *heading = new QLabel(tr("Download failed"), this);
    QFont font = applicationFont(14);
    font.setBold(true);
    heading->setFont(font);
    heading->setAlignment(Qt::AlignCenter);
    auto *causes = new QLabel(
        tr("Cause of failure:\n\n1. The URL you copied does not support downloading.\n\n2. The "
           "URL is not a qualified video or audio link.\n\n3. The URL is a website link.\n\n4. "
           "The URL needs a premium to preview."),
        this);
    auto *notes = new QLabel(
        tr("Note:\n\n1. Please ensure that the network is stable, click the Retry button to "
           "parse it again.\n\n2. The link format is not the normal way, please re-enter and "
           "download.\n\n3. If it still fails, please view and try to download in built-in "
           "browser."),
        this);
    for (QLabel *label : {causes, notes}) {
        label->setFont(applicationFont(11));
        label->setWordWrap(true);
    }
    auto *browser = new QPushButton(tr("Download in Built-in Browser"), this);
    browser->setStyleSheet(StyleManager::instance()->topButtonStyle());
    browser->setMinimumHeight(helper->scaled(46));
    connect(browser, &QPushButton::clicked, this, [this] {
        Q_EMIT browserChosen();
        close();
    });

    layout->addWidget(heading);
    if (!reason.isEmpty()) {
        // The tool's own words: the address, the server's answer, the disk.
        auto *said = new QLabel(tr("Reason: %1").arg(reason), this);
        said->setFont(applicationFont(11));
        said->setWordWrap(true);
        said->setTextFormat(Qt::PlainText);
        said->setTextInteractionFlags(Qt::TextSelectableByMouse);
        said->setObjectName(QStringLiteral("reason"));
        layout->addSpacing(v);
        layout->addWidget(said);
    }
    layout->addSpacing(v);
    layout->addWidget(causes);
    layout->addSpacing(v);
    layout->addWidget(notes);
    layout->addSpacing(helper->scaled(20));
    layout->addWidget(browser, 0, Qt::AlignHCenter);
}
