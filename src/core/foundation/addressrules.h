#pragma once

// What an address is: a playlist, a pure list, an audio-only site, a web address at all.

#include <QString>
#include <QStringList>

bool isPlaylistUrl(const QString &url);
// A list without a clip of its own (a channel, an album): no clip-or-playlist question.
bool isPurePlaylistUrl(const QString &url);
bool isAudioOnlySite(const QString &url);
QString siteNameFromUrl(const QString &url);
bool isHttpUrl(const QString &text);
QStringList splitLines(const QString &text);
