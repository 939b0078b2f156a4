#pragma once

// Private mode: whether it is on (a password is stored), whether it was unlocked for this run,
// its two options and the adult-site keywords. Asking for the password goes through a handler
// the password dialog installs; without one every question is answered "cancelled".

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
