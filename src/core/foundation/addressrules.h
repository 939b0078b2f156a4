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

// The address to compare when asking whether something was downloaded before. A playlist entry
// that has an address of its own comes back from the listing with "#vantoro-index=N/COUNT"
// added: it is that address. An item of a page with several videos ("#vantoro-item=N/COUNT") is
// not the page itself and keeps its marker.
QString mediaAddress(const QString &url);
// The address as the user reads it: without our playlist markers, an item of a page numbered
// after it ("http://page (2/3)").
QString displayAddress(const QString &url);
