#pragma once

// Private mode: whether it is on (a password digest is stored), whether it was unlocked for
// this run, its two options and the adult-site keywords. The password is kept only as a salted
// digest (core/foundation/passworddigest.h). Asking the user goes through a handler the
// password dialog installs; without one every question is answered "cancelled".

#include <QObject>
#include <QStringList>

#include <functional>

class PrivateListManager : public QObject
{
    Q_OBJECT
public:
    enum Mode
    {
        TurnOn = 0,
        TurnOff = 1,
        Unlock = 2
    };

    static PrivateListManager *instance();

    bool isOn() const;
    bool isUnlocked() const { return unlockedFlag; }
    bool thumbnailsHidden() const;
    bool filesHidden() const;
    // The "keyWord" values of the adult-site list, read once.
    QStringList keywords() const;
    // The keyword the address contains (case-insensitively), or an empty text.
    QString matchingKeyword(const QString &url) const;
    // Whether a download of this address is marked private (its thumbnail hidden, its row sent
    // to the private list when done): private mode on, thumbnails of adult sites hidden, and
    // the address on a listed site.
    bool marksPrivate(const QString &url) const;
    // The address as a log line may name it: "(a private address)" for an address of a listed
    // site while private mode is on, the address itself otherwise. Jobs are named in the log by
    // SniffTask::logName.
    QString addressForLog(const QString &url) const;

    // Turns private mode on with this password and these options; the run starts locked.
    void turnOn(const QString &password, bool hideThumbnails, bool hideFiles);
    // With the right password: turns private mode off (the private list keeps its entries).
    bool turnOff(const QString &password);
    // With the right password: unlocks the private view, for the rest of the run if `remember`.
    bool unlock(const QString &password, bool remember);
    // Whether `password` is the stored one. A password stored as typed by an older version is
    // accepted and rewritten as a digest.
    bool checkPassword(const QString &password);
    // Rewrites a password stored as typed by an older version as a digest. Returns whether it
    // did. Runs once when the manager is first used.
    bool migrateStoredPassword();

    // A password question in two halves, so that the slow digest never blocks the window:
    // derive() is free of shared state and may run on a worker thread; apply() runs on the
    // manager's thread and changes what the outcome changes. The synchronous calls above are
    // the two halves back to back.
    struct PasswordCheck
    {
        bool matches = false;
        // The digest to keep: the new password's when turning on, the typed one's when the
        // stored text was a password kept as typed by an older version.
        QString newDigest;
    };
    // The stored text a question is checked against (empty when private mode is off).
    QString storedKey() const;
    static PasswordCheck derive(int mode, const QString &stored, const QString &typed);
    // Returns whether the mode went through; the options matter for TurnOn, `remember` for
    // Unlock.
    bool apply(int mode, const PasswordCheck &check, bool hideThumbnails = false,
               bool hideFiles = false, bool remember = false);

    // Whether the password can be asked for at all.
    bool canAsk() const { return bool(askHandler); }
    // 1 when the user went through with the mode, 0 otherwise.
    int ask(int mode);
    // Asks to turn private mode off when it is on, on when it is off.
    int askToSwitch() { return ask(isOn() ? TurnOff : TurnOn); }
    void setAskHandler(std::function<int(int)> handler) { askHandler = std::move(handler); }
    void setUnlocked(bool on) { unlockedFlag = on; }

Q_SIGNALS:
    void locked();
    void unlocked(bool turnOff);

private:
    PrivateListManager() = default;
    std::function<int(int)> askHandler;
    bool unlockedFlag = false;
    mutable QStringList cachedKeywords;
    mutable bool keywordsRead = false;
};
