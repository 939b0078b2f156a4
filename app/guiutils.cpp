#include "app/guiutils.h"

#include "app/preferencesdlg.h"

#include "app/mainwindowhelper.h"
#include "app/preferences.h"
#include "widgets/zqmessagebox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QScreen>
#include <QUrl>

namespace {

int ask(const QString &text, const QStringList &buttons)
{
    return ZQMessageBox::question(text, buttons);
}

} // namespace

bool checkFileExists(const QString &path, bool offerRemoval, bool *removalChosen)
{
    if (QFileInfo::exists(path))
        return true;
    if (!offerRemoval) {
        ask(QApplication::translate("Global", "File does not exist."),
            {QApplication::translate("Global", "OK")});
        return false;
    }
    const int answer = ask(
        QApplication::translate("Global",
                                "The file does not exist, want to remove it from the list?"),
        {QApplication::translate("Global", "Delete"), QApplication::translate("Global", "Cancel")});
    if (removalChosen)
        *removalChosen = answer == 1;
    return false;
}

void openLocalFile(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool checkDownloadDir()
{
    const QString folder = downloadDir();
    if (folder == defaultDownloadDir() || QFileInfo::exists(folder))
        return true;
    ask(QApplication::translate("Global", "\"%1\" does not exist, please change the save directory")
            .arg(folder),
        {QApplication::translate("Global", "Go to setting")});
    openPreferencesDialog();
    return false;
}

void openPreferencesDialog()
{
    PreferencesDlg dialog;
    MainWindowHelper::instance()->centreOverMainWindow(&dialog);
    dialog.exec();
}

QFont applicationFont(int points)
{
    QFont font = QApplication::font();
    font.setPointSize(points);
    return font;
}

double screenPixelRatio()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    return screens.isEmpty() ? 1.0 : screens.first()->devicePixelRatio();
}

bool isHighDpi()
{
    return qApp->devicePixelRatio() > 1.0;
}

static void initResourcesOnce()
{
    Q_INIT_RESOURCE(resources);
}

void initGuiResources()
{
    // The interface's pictures live in a static library: register them before first use.
    static const bool done = (initResourcesOnce(), true);
    Q_UNUSED(done)
}

QPixmap appIconPixmap(const QSize &size)
{
    initGuiResources();
    QPixmap pixmap(QStringLiteral(":/res/appIcon_QP.png"));
    if (!size.isValid())
        return pixmap;
    const double ratio = screenPixelRatio();
    const QSize target(int(size.width() * ratio), int(size.height() * ratio));
    return pixmap.scaled(target, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
}

void setLabelPixmap(QLabel *label, const QSize &size, const QPixmap &pixmap)
{
    label->resize(size);
    label->setMinimumSize(size);
    label->setMaximumSize(size);
    label->setScaledContents(true);
    label->setPixmap(pixmap);
}
