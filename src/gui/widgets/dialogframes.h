#pragma once

// Every dialog's frame under a window manager: a title bar with the dialog's own title and a
// close button, and no more.
//
// - Qt honours a dialog's "title and close button only" only when the dialog also asks to
//   customise its frame; without that, window managers add minimise and maximise buttons.
// - A dialog with nothing that scrolls is as big as its content needs: it keeps the size it is
//   shown at (growing when its content grows), so window managers give it no maximise button
//   and no resize handle (the empty strip openbox draws below a resizable window).
//
// Installed once, this sets it right for every dialog as it is shown, before the window manager
// sees it, whichever part of the program made the dialog. (openbox keeps a minimise button on
// every dialog whatever the hints say; other window managers follow them.)
namespace dialogframes {
void install();
} // namespace dialogframes
