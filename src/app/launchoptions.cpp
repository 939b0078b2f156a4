#include "app/launchoptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>

namespace {

QCommandLineOption screenshotOption()
{
    return QCommandLineOption(
        QStringLiteral("screenshot"),
        QCoreApplication::translate("LaunchOptions", "Save a picture of the main window once it "
                                                     "has started, then quit."),
        QCoreApplication::translate("LaunchOptions", "file"));
}

// Parses the running application's arguments; --help, --version and errors end the process.
LaunchOptions process(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption screenshot = screenshotOption();
    parser.addOption(screenshot);
    parser.addPositionalArgument(
        QStringLiteral("URL"),
        QCoreApplication::translate("LaunchOptions",
                                    "Web addresses (http or https) to download, as if pasted."),
        QStringLiteral("[URL...]"));
    parser.process(app);

    LaunchOptions options;
    if (parser.isSet(screenshot))
        options.screenshotFile = QFileInfo(parser.value(screenshot)).absoluteFilePath();
    options.addresses = parser.positionalArguments();
    return options;
}

} // namespace

void answerInformationOptions(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        for (const char *name : {"-h", "-?", "--help", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], name) != 0)
                continue;
            // A core application needs no display; the real one is made after it is gone.
            QCoreApplication app(argc, argv);
            QCoreApplication::setApplicationName(QStringLiteral("Clipmoor"));
            QCoreApplication::setApplicationVersion(QStringLiteral(CLIPMOOR_VERSION));
            process(app);
            return;
        }
    }
}

LaunchOptions parseLaunchOptions()
{
    return process(*QCoreApplication::instance());
}

void saveScreenshotAndQuit(QWidget *window, const QString &file)
{
    // Two turns of the event loop: the first delivers what the window's construction queued
    // (list loading, layouts), the second paints with it.
    QTimer::singleShot(0, window, [window, file] {
        QTimer::singleShot(0, window, [window, file] {
            if (window->grab().save(file)) {
                QCoreApplication::exit(0);
                return;
            }
            const QString message =
                QCoreApplication::translate("LaunchOptions", "Could not save the picture %1")
                    .arg(file);
            std::fprintf(stderr, "%s\n", qPrintable(message));
            QCoreApplication::exit(1);
        });
    });
}
