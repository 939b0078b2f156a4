#include "app/launchoptions.h"
#include "core/analytics/analytics.h"
#include "core/foundation/applog.h"
#include "core/foundation/paths.h"
#include "core/foundation/preferences.h"
#include "core/platform/platform.h"
#include "gui/mainwindow/application.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/widgets/pictures.h"

#include <QDebug>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    // Pictures drawn for the screen's pixels: crisp icons at 2x instead of enlarged 1x ones.
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    // Raster-only windows and no shared OpenGL context: OpenGL is started when the browser is
    // first opened (browserloader.cpp), not before the first frame of every start.
    QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets);
    answerInformationOptions(argc, argv);
    App app(argc, argv);

    QCoreApplication::setOrganizationName(QStringLiteral("Clipmoor"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("clipmoor.app"));
    QCoreApplication::setApplicationName(QStringLiteral("Clipmoor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CLIPMOOR_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);
    const LaunchOptions options = parseLaunchOptions();

    if (app.isSecondaryInstance()) {
        platform::allowSetForeground(app.primaryProcessId());
        // clipmoor URL...: the running instance pastes them (and says what it refuses).
        if (!options.addresses.isEmpty() && !app.handOverAddresses(options.addresses)) {
            std::fprintf(stderr, "%s\n",
                         qPrintable(QObject::tr("Clipmoor is running but did not take the "
                                                "addresses.")));
            return 1;
        }
        if (!options.screenshotFile.isEmpty())
            std::fprintf(stderr, "%s\n",
                         qPrintable(QObject::tr("Clipmoor is already running; no picture was "
                                                "taken.")));
        qDebug() << "app exit";
        return 0;
    }

    app.installEventFilter(&app);
    initGuiResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/res/appIcon_QP.png")));

    seedPreferences();
    initLogging();
    writeLog(QStringLiteral("AppLaunch"), QStringLiteral(CLIPMOOR_VERSION));

    MainWindow window;
    window.showRestored();
    // A termination request quits like the Quit entry: lists first, a few seconds of retries
    // when they cannot be written; a second request ends at once.
    platform::quitOnTerminationRequest([&window] { window.quitWhenSaved(); });

    app.setMainWindow(&window);
    QObject::connect(&app, &SingleApplication::instanceStarted, &window,
                     [&window] { App::raiseWindow(&window); });
    QObject::connect(&app, &App::addressesReceived, &window, &MainWindow::takeAddresses);
    if (!options.addresses.isEmpty())
        window.takeAddresses(options.addresses);

    // Without a writable data folder nothing the user does is kept; say so once the window is
    // up rather than failing silently at the first save.
    QTimer::singleShot(0, &window, [&window] {
        const QFileInfo data(appDataDir());
        if (data.isDir() && data.isWritable())
            return;
        writeLog(QStringLiteral("[App]"),
                 QStringLiteral("data folder not writable: %1").arg(data.absoluteFilePath()));
        QMessageBox::warning(&window, QObject::tr("Clipmoor"),
                             QObject::tr("Clipmoor cannot write to its data folder\n%1\n\n"
                                         "Downloads still work, but lists and settings will not "
                                         "be kept after you quit.")
                                 .arg(data.absoluteFilePath()));
    });

    if (!options.screenshotFile.isEmpty())
        saveScreenshotAndQuit(&window, options.screenshotFile);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        analytics::setScreenResolution(
            QStringLiteral("%1x%2").arg(screen->size().width()).arg(screen->size().height()));
    reportEvent(QStringLiteral("Lifecycle"), QStringLiteral("Start"));
    return app.exec();
}
