#pragma once

// Dialogs the main window opens on behalf of every part of the interface.

// False (after telling the user and opening the preferences) when the download folder is gone.
bool checkDownloadDir();
void openPreferencesDialog();
