#pragma once

// What every mode shares: the programs (yt-dlp, ffmpeg, ffprobe) and the network options, and
// the yt-dlp arguments that follow from them.

#include "child.h"
#include "cookies.h"
#include "fetch.h"
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
    QString address;               // the requested address: the cookies are its site's
    QList<cookies::Entry> cookies; // scoped to the site of `address`
    QString workFolder;            // where the cookie file for yt-dlp is written
    int stallSeconds = 30;         // a transfer that gets no byte for so long has stalled

    void locateYtdlp();
    // The program and the arguments every yt-dlp run starts with.
    QString ytdlpProgram() const;
    QStringList ytdlpArguments() const;
    // The proxy, headers, cookies (the same scoped file as yt-dlp's) and certificate check of
    // the tool's own requests.
    fetch::Options fetchOptions() const;
    // Remembers the version of the yt-dlp in use, as one of its runs reported it.
    void rememberYtdlpVersion(const QString &version);
    // Remembers the version a Python yt-dlp reported on its standard error.
    void noticeYtdlpVersion(const QByteArray &errorOutput);
    // Starts a low-priority "yt-dlp --version" when the version is not remembered yet and the
    // yt-dlp cannot say it otherwise; it is collected by finish() if done by then.
    void learnYtdlpVersion();
    void finish();

private:
    // How yt-dlp is started: a Python program runs through a few lines of our own first (see
    // context.cpp), anything else as it is.
    enum class Launch
    {
        Direct,
        Python,
        PythonZip
    };
    QStringList launchArguments() const;
    bool cookiesAreSafe() const;
    QString cookieFilePath() const;
    Launch launch = Launch::Direct;
    QStringList interpreter; // the program and its own arguments, for a Python yt-dlp
    mutable std::unique_ptr<QTemporaryFile> cookieFile;
    std::unique_ptr<child::Process> versionQuery;
};

// Fills the context from the parameter file (at `paramFile`); type problems are left in the
// reader.
void setUpContext(Context *ctx, params::Reader &reader, const QJsonObject &root,
                  const QString &paramFile);

// The return code for a failure of yt-dlp, judged from its error text.
int ytdlpFailureCode(const QString &error);
