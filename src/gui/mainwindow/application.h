#pragma once

#include "gui/mainwindow/singleapplication.h"

#include <QPointer>
#include <QStringList>

class QWidget;

// The concrete application: shows the main window when the application is activated, takes the
// addresses later starts hand over, and stops every child process on the way out.
class App : public SingleApplication
{
    Q_OBJECT
public:
    App(int &argc, char **argv);
    ~App() override;

    void setMainWindow(QWidget *window) { mainWindow = window; }
    bool eventFilter(QObject *watched, QEvent *event) override;

    // A later start's hand-over: the addresses it was started with (clipmoor URL...). False
    // when the running instance could not be told.
    bool handOverAddresses(const QStringList &addresses);

    // Brings the window to the front: restored when minimised, shown when hidden in the tray.
    static void raiseWindow(QWidget *window);

Q_SIGNALS:
    // Addresses handed over by a later start, in the order given; not yet checked.
    void addressesReceived(const QStringList &addresses);

private:
    void onMessage(quint32 instanceId, const QByteArray &message);

    QPointer<QWidget> mainWindow;
};
