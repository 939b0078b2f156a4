#pragma once

// Clipmoor's command line. It takes no files or addresses; besides --help and --version there is
// one option for people without a screen:
//
//     clipmoor --screenshot window.png   save the main window as a picture after start-up, quit

#include <QString>

class QWidget;

struct LaunchOptions
{
    QString screenshotFile; // empty: run as usual
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
