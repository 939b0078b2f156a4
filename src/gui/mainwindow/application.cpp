#include "gui/mainwindow/application.h"

#include "core/foundation/singleinstance.h"
#include "core/platform/platform.h"
#include "core/process/myprocess.h"

#include <QDebug>
#include <QEvent>
#include <QWidget>

App::App(int &argc, char **argv)
    : SingleApplication(argc, argv, true, 4, 1000)
{
    connect(this, &SingleApplication::receivedMessage, this, &App::onMessage);
}

App::~App()
{
    Q_EMIT MyProcessHelper::instance()->killAll();
    platform::endKeepingAwake();
    qDebug() << "~app...";
}

bool App::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::ApplicationActivate && mainWindow)
        mainWindow->show();
    return SingleApplication::eventFilter(watched, event);
}

bool App::handOverAddresses(const QStringList &addresses)
{
    return sendMessage(instancemessage::encodeAddresses(addresses), 3000);
}

void App::onMessage(quint32 instanceId, const QByteArray &message)
{
    QStringList addresses;
    if (!instancemessage::decodeAddresses(message, &addresses)) {
        qWarning() << "a later start" << instanceId << "sent something that is no address list";
        return;
    }
    Q_EMIT addressesReceived(addresses);
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
        window->raise();
        window->activateWindow();
    } else {
        window->show();
        window->raise();
        window->activateWindow();
    }
    qDebug() << "active window";
}
