#pragma once

// How the tool's facts read on the pages: sizes, durations, the time left, the progress line.

#include <QString>

namespace protocol {

struct Progress;

// "Unknown" for 0; "%0.1fB" up to 1024 bytes, then KB, MB, GB (the limits inclusive).
QString formatSize(qint64 bytes);
// "%02d:%02d:%02d" with hours, else "%02d:%02d"; "Unknown" for 0.
QString formatDuration(qint64 seconds);
// "N seconds/minutes/hours remaining" (the word order of the interface language); "" for 0.
QString formatRemaining(qint64 etaSeconds);
// "%1 of %2 - %3, %4" ("%1 of %2 - %3" while no time left is known, or the short "%1 of %2");
// empty while nothing is known.
QString progressText(const Progress &progress, bool withSpeedAndTime = true);
// "Converting 12.5%".
QString convertingText(double fraction);

} // namespace protocol
