#pragma once

// What every mode shares: the programs (yt-dlp, ffmpeg, ffprobe) and the network options, and
// the yt-dlp arguments that follow from them.

#include "child.h"
#include "params.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <memory>

class QTemporaryFile;

struct Context
{
    Context();
    ~Context();
    Context(const Context &) = delete;
    Context &operator=(const Context &) = delete;

    // yt-dlp: an executable "yt-dlp" beside this tool, else a zipapp beside it ("yt-dlp.zip" or
    // a "yt-dlp" that is not executable) run by /usr/bin/python3, else the one on PATH.
    QString ytdlpPath;    // empty: none found
    QString ytdlpVersion; // known without starting yt-dlp only once it was remembered
    QString ffmpeg;
    QString ffprobe;
    QString proxy; // "http://[user:password@]host:port" or empty
    bool checkCertificate = true;
    bool readCookie = false;
    params::Headers headers;

    void locateYtdlp();
    // The program and the arguments every yt-dlp run starts with.
    QString ytdlpProgram() const;
    QStringList ytdlpArguments() const;
    // Headers for requests the tool makes itself (live playlists) and for ffmpeg.
    QString proxyHostPort() const;
    // Remembers the version of the yt-dlp in use, as one of its runs reported it.
    void rememberYtdlpVersion(const QString &version);
    // Starts a low-priority "yt-dlp --version" when the version is not remembered yet; it is
    // collected by finish() if done by then.
    void learnYtdlpVersion();
    void finish();

private:
    QString cookieConfig() const;
    bool ytdlpIsZipapp = false;
    mutable std::unique_ptr<QTemporaryFile> cookieFile;
    std::unique_ptr<child::Process> versionQuery;
};

// Fills the context from the parameter file; type problems are left in the reader.
void setUpContext(Context *ctx, params::Reader &reader, const QJsonObject &root);

// The return code for a failure of yt-dlp, judged from its error text.
int ytdlpFailureCode(const QString &error);
