#pragma once

// Lists the entries of a playlist or channel with a playlist-listing run of the tool.

#include "core/protocol/toolline.h"

#include <QObject>
#include <QProcess>
#include <QVector>

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
    void operatorVideos(const QVector<protocol::PlaylistEntry> &videos);
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
