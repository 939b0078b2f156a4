#pragma once

// The object page scripts reach as "bridge" through the web channel. Its one slot hands the
// page's message on unchanged; the browser window checks it.

#include <QObject>
#include <QString>

class WebBridge : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

public Q_SLOTS:
    void download(const QString &data);

Q_SIGNALS:
    void downloadStarted(const QString &data);
};
