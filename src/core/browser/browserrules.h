#pragma once

// Address rules of the built-in browser that need no browser engine: the single-page move of
// sites whose pages change without loading, and the user agent a page is opened with.

#include <QString>

namespace browserrules {

// True when moving from `previous` to `current` changes the content of a single-page site
// (OnlyFans: its chat pages and its start page), so the page must be loaded again for the page
// scripts to see the new content.
bool isSinglePageMove(const QString &previous, const QString &current);

// The engine's user agent with "QtWebEngine/x.y.z" replaced by "product/version".
QString brandedUserAgent(const QString &engineAgent, const QString &product,
                         const QString &version);

// The user agent for opening `url`: a desktop Safari agent for Instagram's web site (which
// serves its full site only to browsers it knows), otherwise `defaultAgent`.
QString userAgentFor(const QString &url, const QString &defaultAgent);

} // namespace browserrules
