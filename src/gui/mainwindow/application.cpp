#include "gui/mainwindow/application.h"

#include "core/process/myprocess.h"

#include <QDebug>
#include <QEvent>
#include <QWidget>

App::App(int &argc, char **argv)
    : SingleApplication(argc, argv, true, 4, 1000)
{
}

App::~App()
{
    Q_EMIT MyProcessHelper::instance()->killAll();
    qDebug() << "~app...";
}

bool App::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::ApplicationActivate && mainWindow)
        mainWindow->show();
    return SingleApplication::eventFilter(watched, event);
}

void App::raiseWindow(QWidget *window)
{
    if (!window)
        return;
    if (window->isMinimized()) {
        window->show();
        window->activateWindow();
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window->raise();
    } else if (window->isVisible()) {
        window->activateWindow();
    } else {
        window->show();
        window->raise();
        window->activateWindow();
    }
    qDebug() << "active window";
}
