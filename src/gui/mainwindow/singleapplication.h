#pragma once

#include <QApplication>

class SingleApplicationPrivate;

// An application object of which only one primary instance runs per user and data folder: a
// later start announces itself to the primary (which emits instanceStarted), may hand it a
// message, and is secondary.
class SingleApplication : public QApplication
{
    Q_OBJECT
public:
    SingleApplication(int &argc, char **argv, bool allowSecondary = false, int options = 0,
                      int timeout = 1000);
    ~SingleApplication() override;

    bool isSecondaryInstance() const;
    qint64 primaryProcessId() const;
    qint32 instanceId() const;
    // A secondary's message to the primary (bounded, checksummed); false when it was not sent.
    bool sendMessage(const QByteArray &message, int timeout = 1000);

Q_SIGNALS:
    void instanceStarted();
    void receivedMessage(quint32 instanceId, const QByteArray &message);

private:
    SingleApplicationPrivate *d;
};
