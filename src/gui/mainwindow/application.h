#pragma once

#include "gui/mainwindow/singleapplication.h"

#include <QPointer>

class QWidget;

// The concrete application: shows the main window when the application is activated and stops
// every child process on the way out.
class App : public SingleApplication
{
    Q_OBJECT
public:
    App(int &argc, char **argv);
    ~App() override;

    void setMainWindow(QWidget *window) { mainWindow = window; }
    bool eventFilter(QObject *watched, QEvent *event) override;

    // Brings the window to the front: restored when minimised, shown when hidden in the tray.
    static void raiseWindow(QWidget *window);

private:
    QPointer<QWidget> mainWindow;
};
