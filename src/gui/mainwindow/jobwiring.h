#pragma once

// The engine (downloads) and the converter know nothing of each other; what one has to hear of
// the other is wired here, once, when the window is built.

namespace jobwiring {

// Loads the converter's lists (the download lists are loaded by the downloading page), makes
// every converted download one record again (older versions kept a copy of it in the converted
// list) and connects the two owners of files: a file deleted through one leaves the other's
// list too.
void connectOwners();

} // namespace jobwiring
