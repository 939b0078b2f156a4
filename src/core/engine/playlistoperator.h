#pragma once

// Lists the entries of a playlist or channel with a playlist-listing run of the tool.

#include "core/engine/toolprotocol.h"

#include <QObject>
#include <QProcess>
#include <QVariant>

class MyProcess;

class PlaylistOperator : public QObject
{
    Q_OBJECT
public:
    explicit PlaylistOperator(QObject *parent = nullptr);
    ~PlaylistOperator() override;

    bool start(const QString &url);
    QString parameterFileName() const { return paramFileName; }

Q_SIGNALS:
    void operatorVideos(const QList<QVariant> &videos);
    void operatorFinished(PlaylistOperator *op);

public Q_SLOTS:
    void onReadyRead();
    void onFinished(int exitCode, QProcess::ExitStatus exitStatus);

private:
    void handleLine(const QByteArray &line);

    MyProcess *process = nullptr;
    QString url;
    QString paramFileName;
    QString paramPath;
    protocol::LineBuffer lines;
};
