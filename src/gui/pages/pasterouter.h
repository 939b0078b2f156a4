#pragma once

// Where a paste goes. The paste button reads the clipboard: one web address becomes a clip, a
// playlist (with its questions) or, for a site that needs the user's account, an offer to open
// it in the browser; anything else opens the dialog for several addresses. A second paste
// within a second of the last one is a double click and is ignored. A clip that was downloaded
// before is added again only when the user says so, and a pasted page that turns out to hold
// several videos asks whether all of them are wanted. No widgets: the page asks, then acts.

#include <QJsonArray>
#include <QList>
#include <QPointer>
#include <QString>

#include <functional>

class SniffTask;

// The questions of the paste road. The page answers them with dialogs; tests answer directly.
class PasteQuestions
{
public:
    virtual ~PasteQuestions() = default;
    // The address was downloaded before (its title, if known): true to download it again.
    virtual bool downloadAgain(const QString &url, const QString &title) = 0;
    // The page holds `count` videos: true for all of them, false for the first one only.
    virtual bool downloadAllEntries(const QString &url, int count) = 0;
};

class PasteRouter
{
public:
    enum class Route
    {
        Addresses, // not one web address: ask for several, one per line
        Clip,
        Playlist,
        Premium, // a site that needs the user's account
    };

    // Milliseconds on a steady clock; tests move their own.
    using Clock = std::function<qint64()>;
    explicit PasteRouter(Clock clock = {});
    void setClock(Clock clock);

    // False for a paste within 1 to 999 ms of the last accepted one (a double click); the time
    // is taken as the last paste only when it is accepted.
    bool acceptPaste(qint64 *interval = nullptr);

    // The route of the clipboard's text; `premiumSites` are address parts of sites that need an
    // account (the site scripts' "premium" list).
    static Route route(const QString &text, const QJsonArray &premiumSites);
    // True when the address belongs to one of those sites.
    static bool isPremium(const QString &url, const QJsonArray &premiumSites);

    // --- A clip downloaded before -------------------------------------------------------------
    // Finds a finished download of the same media (see mediaAddress) and gives its title.
    using DoneLookup = std::function<bool(const QString &url, QString *title)>;
    // True when the clip is to be added: nothing was downloaded from it yet, or the user wants
    // it again.
    static bool confirmClip(const QString &url, const DoneLookup &findDone,
                            PasteQuestions &questions);

    // --- A page with several videos -----------------------------------------------------------
    // The tool names the number of videos ("playlist_count") on every analysis line of a plain
    // download of such a page; the engine holds the job before anything is downloaded, and the
    // user is asked once per job, one question at a time. The answer is a command to the engine
    // (SniffMgr::downloadFirstEntryOnly, or the entries' jobs instead of this one).
    struct EntriesAnswer
    {
        QPointer<SniffTask> task; // null when the job went away while the question was open
        QString url;
        bool all = false;
    };
    // The job's analysis arrived. True when a question now waits for askNext.
    bool noteAnalysis(SniffTask *task);
    bool hasWaitingQuestion() const;
    // Asks the oldest waiting question and hands the answer to `act`; no other question is
    // asked until `act` returns. False when nothing was asked: another question is open, or none
    // waits.
    bool askNext(PasteQuestions &questions, const std::function<void(const EntriesAnswer &)> &act);
    // The number of videos the analysis line names when it asks for the question, else 0.
    static int entriesToAskAbout(const SniffTask *task);

private:
    bool wasAsked(const SniffTask *task);

    Clock clock;
    qint64 lastPaste = -1;
    QList<QPointer<SniffTask>> asked;
    QList<QPointer<SniffTask>> waiting;
    bool asking = false;
};
