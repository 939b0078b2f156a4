#pragma once

// Clipmoor's command line:
//
//     clipmoor [URL...]                  download the web addresses, as if each had been pasted
//                                        (handed to the Clipmoor already running, if one is)
//     clipmoor --screenshot window.png   save the main window as a picture after start-up, quit
//
// Besides these, --help and --version.

#include <QString>
#include <QStringList>

class QWidget;

struct LaunchOptions
{
    QString screenshotFile; // empty: run as usual
    QStringList addresses;  // as given; the window refuses what is not a web address
};

// Call before the application object exists: --help and --version print their text and end the
// process here, so that they work without a display.
void answerInformationOptions(int argc, char **argv);

// Call once the application object exists. An unknown option prints its error and ends the
// process here.
LaunchOptions parseLaunchOptions();

// Once start-up is over, saves `window` as a picture in `file` and ends the event loop with 0,
// or with 1 and a message on standard error when the picture cannot be written.
void saveScreenshotAndQuit(QWidget *window, const QString &file);
