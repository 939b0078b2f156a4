#include "gui/mainwindow/singleapplication.h"

#include "core/foundation/singleinstance.h"

#include <cstdlib>

SingleApplication::SingleApplication(int &argc, char **argv, bool allowSecondary, int options,
                                     int timeout)
    : QApplication(argc, argv)
    , d(new SingleApplicationPrivate(options))
{
    switch (d->start(allowSecondary, timeout)) {
    case SingleApplicationPrivate::Outcome::Failed:
        qCritical("SingleApplication: %s", qUtf8Printable(d->errorString()));
        delete d;
        d = nullptr;
        std::exit(1);
    case SingleApplicationPrivate::Outcome::RefusedSecondary:
        delete d;
        d = nullptr;
        std::exit(0);
    case SingleApplicationPrivate::Outcome::Primary:
    case SingleApplicationPrivate::Outcome::Secondary:
        break;
    }
    connect(d, &SingleApplicationPrivate::instanceStarted, this,
            &SingleApplication::instanceStarted);
    connect(d, &SingleApplicationPrivate::receivedMessage, this,
            &SingleApplication::receivedMessage);
}

SingleApplication::~SingleApplication()
{
    delete d;
}

bool SingleApplication::isSecondaryInstance() const
{
    return !d->isPrimary();
}
qint64 SingleApplication::primaryProcessId() const
{
    return d->primaryPid();
}
qint32 SingleApplication::instanceId() const
{
    return d->instanceNumber();
}
bool SingleApplication::sendMessage(const QByteArray &message, int timeout)
{
    return d->sendMessage(message, timeout);
}
