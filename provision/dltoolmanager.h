#pragma once

// Knows where the download tool is: the copy that ships beside the application, or a newer
// build installed into the data folder.

#include <QObject>
#include <QString>

class DlToolManager : public QObject
{
    Q_OBJECT
public:
    static DlToolManager *instance();

    // Public so that tests can build managers of their own; the application uses instance().
    explicit DlToolManager(QObject *parent = nullptr);

    bool isAvailable() const;
    QString toolPath() const;

    // The tool that ships with the application, and the folder newer builds are unpacked into.
    static QString defaultToolPath();
    static QString managerDir();
    QString location() const { return locationValue; }

private:
    QString locationValue;
};
