#include "gui/pages/pasterouter.h"

#include "core/engine/snifftask.h"
#include "core/foundation/addressrules.h"

#include <QElapsedTimer>

namespace {

qint64 steadyMilliseconds()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.elapsed();
}

} // namespace

PasteRouter::PasteRouter(Clock clock)
{
    setClock(std::move(clock));
}

void PasteRouter::setClock(Clock newClock)
{
    clock = newClock ? std::move(newClock) : Clock(steadyMilliseconds);
}

bool PasteRouter::acceptPaste(qint64 *interval)
{
    const qint64 now = clock();
    if (lastPaste >= 0) {
        const qint64 since = now - lastPaste;
        if (interval)
            *interval = since;
        if (since >= 1 && since <= 999)
            return false;
    }
    lastPaste = now;
    return true;
}

PasteRouter::Route PasteRouter::route(const QString &text, const QJsonArray &premiumSites)
{
    if (text.isEmpty() || !isHttpUrl(text))
        return Route::Addresses;
    if (isPlaylistUrl(text))
        return Route::Playlist;
    return isPremium(text, premiumSites) ? Route::Premium : Route::Clip;
}

bool PasteRouter::isPremium(const QString &url, const QJsonArray &premiumSites)
{
    for (const QJsonValue &site : premiumSites) {
        const QString entry = site.toString();
        if (!entry.isEmpty() && url.contains(entry))
            return true;
    }
    return false;
}

bool PasteRouter::confirmClip(const QString &url, const DoneLookup &findDone,
                              PasteQuestions &questions)
{
    QString title;
    if (!findDone || !findDone(url, &title))
        return true;
    return questions.downloadAgain(url, title);
}

int PasteRouter::entriesToAskAbout(const SniffTask *task)
{
    return task ? task->entriesToAskAbout() : 0;
}

bool PasteRouter::wasAsked(const SniffTask *task)
{
    asked.removeAll(nullptr);
    for (const QPointer<SniffTask> &t : qAsConst(asked)) {
        if (t == task)
            return true;
    }
    return false;
}

bool PasteRouter::noteAnalysis(SniffTask *task)
{
    if (entriesToAskAbout(task) == 0 || wasAsked(task))
        return false;
    asked.append(task);
    waiting.append(task);
    return true;
}

bool PasteRouter::hasWaitingQuestion() const
{
    for (const QPointer<SniffTask> &t : waiting) {
        if (t && !t->needDelete())
            return true;
    }
    return false;
}

bool PasteRouter::askNext(PasteQuestions &questions,
                          const std::function<void(const EntriesAnswer &)> &act)
{
    if (asking)
        return false;
    // A job deleted meanwhile is not asked about.
    while (!waiting.isEmpty() && (!waiting.first() || waiting.first()->needDelete()))
        waiting.removeFirst();
    if (waiting.isEmpty())
        return false;
    EntriesAnswer answer;
    answer.task = waiting.takeFirst();
    answer.url = answer.task->url();
    const int count = entriesToAskAbout(answer.task);
    asking = true;
    answer.all = questions.downloadAllEntries(answer.url, count);
    if (act)
        act(answer);
    asking = false;
    return true;
}
