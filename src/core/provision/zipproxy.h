#pragma once

// Unpacks archives with 7-Zip, refusing any whose entries would land outside the target folder.

#include <QObject>
#include <QProcess>
#include <QString>

class MyProcess;

class ZipProxy : public QObject
{
    Q_OBJECT
public:
    enum
    {
        Refused = 3
    };

    explicit ZipProxy(QObject *parent = nullptr);

    void unpack(const QString &archive, const QString &folder);
    static QString sevenZip();

Q_SIGNALS:
    void unpackFinished(int exitCode);

private:
    void extract();
    void finish(int exitCode);
    QProcess *start(const QStringList &args);

    MyProcess *process = nullptr;
    bool busy = false;
    QString archive;
    QString folder;
};
