<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version: </translation>
    </message>
    <message>
        <source>Clipmoor is made by a small team who want saving a video to be as simple as pasting its address.</source>
        <translation>Clipmoor wird von einem kleinen Team entwickelt, das möchte, dass das Speichern eines Videos so einfach ist wie das Einfügen seiner Adresse.</translation>
    </message>
    <message>
        <source>To learn more please visit: </source>
        <translation>Mehr erfahren Sie unter: </translation>
    </message>
    <message>
        <source>Copyright © 2026 the Clipmoor developers. All rights reserved.</source>
        <translation>Copyright © 2026 die Clipmoor-Entwickler. Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>Adaptation</name>
    <message>
        <source>Same as source</source>
        <translation>Wie die Quelle</translation>
    </message>
    <message>
        <source>High(4K)</source>
        <translation>Hoch(4K)</translation>
    </message>
    <message>
        <source>High(2K)</source>
        <translation>Hoch(2K)</translation>
    </message>
    <message>
        <source>High(1080P)</source>
        <translation>Hoch(1080P)</translation>
    </message>
    <message>
        <source>Middle(720P)</source>
        <translation>Mittel(720P)</translation>
    </message>
    <message>
        <source>Middle(480P)</source>
        <translation>Mittel(480P)</translation>
    </message>
    <message>
        <source>Low(360P)</source>
        <translation>Niedrig(360P)</translation>
    </message>
    <message>
        <source>Low(240P)</source>
        <translation>Niedrig(240P)</translation>
    </message>
    <message>
        <source>High(320Kb/s)</source>
        <translation>Hoch(320Kb/s)</translation>
    </message>
    <message>
        <source>High(256Kb/s)</source>
        <translation>Hoch(256Kb/s)</translation>
    </message>
    <message>
        <source>Middle(128Kb/s)</source>
        <translation>Mittel(128Kb/s)</translation>
    </message>
    <message>
        <source>Low(64Kb/s)</source>
        <translation>Niedrig(64Kb/s)</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualität:</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>AddSiteDlg</name>
    <message>
        <source>Add New</source>
        <translation>Neu hinzufügen</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>BrowserWindow</name>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Go back in history</source>
        <translation>Im Verlauf zurück</translation>
    </message>
    <message>
        <source>Go forward in history</source>
        <translation>Im Verlauf vor</translation>
    </message>
    <message>
        <source>Stop loading this page</source>
        <translation>Laden dieser Seite stoppen</translation>
    </message>
    <message>
        <source>Reload this page</source>
        <translation>Diese Seite neu laden</translation>
    </message>
    <message>
        <source>Clear browsing data</source>
        <translation>Browserdaten löschen</translation>
    </message>
    <message>
        <source>Enter Video URL</source>
        <translation>Video-URL eingeben</translation>
    </message>
</context>
<context>
    <name>CloseConfirmDlg</name>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Don't ask me again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ConvMediaInfo</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>ConvertTask</name>
    <message>
        <source>The file does not exist</source>
        <translation>Die Datei existiert nicht</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>The conversion tool failed (%1)</source>
        <translation>Das Konvertierungsprogramm ist fehlgeschlagen (%1)</translation>
    </message>
    <message>
        <source>The conversion tool did not say where the file is</source>
        <translation>Das Konvertierungsprogramm hat nicht gemeldet, wo die Datei liegt</translation>
    </message>
    <message>
        <source>Cannot move the converted file to %1</source>
        <translation>Die konvertierte Datei kann nicht nach %1 verschoben werden</translation>
    </message>
    <message>
        <source>The conversion tool could not be started</source>
        <translation>Das Konvertierungsprogramm konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>The conversion tool ended unexpectedly</source>
        <translation>Das Konvertierungsprogramm wurde unerwartet beendet</translation>
    </message>
</context>
<context>
    <name>ConvertedDelegate</name>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Datei anzeigen</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
</context>
<context>
    <name>ConvertedPage</name>
    <message>
        <source>Delete Selected</source>
        <translation>Auswahl löschen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Converted files appear here.</source>
        <translation>Konvertierte Dateien erscheinen hier.</translation>
    </message>
    <message>
        <source>Are you sure to delete this item?</source>
        <translation>Möchten Sie diesen Eintrag wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you selected?</source>
        <translation>Möchten Sie die ausgewählten Einträge wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Datei anzeigen</translation>
    </message>
</context>
<context>
    <name>ConvertingDelegate</name>
    <message>
        <source>Waiting to convert...</source>
        <translation>Wartet auf Konvertierung...</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>fertig</translation>
    </message>
    <message>
        <source>Convert failed.</source>
        <translation>Konvertierung fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umwandeln</translation>
    </message>
</context>
<context>
    <name>ConvertingPage</name>
    <message>
        <source>Add Files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Datei anzeigen</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Alle konvertieren</translation>
    </message>
    <message>
        <source>Click Here to Add Files or Drag Files Here</source>
        <translation>Hier klicken, um Dateien hinzuzufügen, oder Dateien hierher ziehen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Are you sure to delete the Converting tasks which you selected?</source>
        <translation>Möchten Sie die ausgewählten Konvertierungsaufgaben wirklich löschen?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the Converting queue?</source>
        <translation>Möchten Sie wirklich alle Aufgaben aus der Konvertierungswarteschlange löschen?</translation>
    </message>
</context>
<context>
    <name>CurlProxy</name>
    <message>
        <source>Failure writing output to destination.</source>
        <translation>Die Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Unable to connect to the network.</source>
        <translation>Keine Verbindung zum Netzwerk.</translation>
    </message>
    <message>
        <source>connection was reset.</source>
        <translation>Die Verbindung wurde zurückgesetzt.</translation>
    </message>
    <message>
        <source>Unable to download or download timeout.</source>
        <translation>Download nicht möglich oder Zeitüberschreitung.</translation>
    </message>
</context>
<context>
    <name>DeleteConfirmDlg</name>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete original file(s) as well.</source>
        <translation>Originaldatei(en) ebenfalls löschen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DesktopBridge</name>
    <message>
        <source>A private download</source>
        <translation>Ein privater Download</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Download fehlgeschlagen</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Download abgeschlossen</translation>
    </message>
    <message>
        <source>Conversion failed</source>
        <translation>Konvertierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Konvertierung abgeschlossen</translation>
    </message>
</context>
<context>
    <name>DoneTaskWidget</name>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Datei anzeigen</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Lyrics</source>
        <translation>Liedtext</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>The Filename is Empty and Cannot Be Saved.</source>
        <translation>Der Dateiname ist leer und kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do You Want to Rename "%1" to "%2"? This Location Already Contains a File with the Same Name.</source>
        <translation>Möchten Sie „%1“ in „%2“ umbenennen? An diesem Ort gibt es bereits eine Datei mit demselben Namen.</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
</context>
<context>
    <name>DownloadFailedDlg</name>
    <message>
        <source>Download failed</source>
        <translation>Download fehlgeschlagen</translation>
    </message>
    <message>
        <source>Cause of failure:

1. The URL you copied does not support downloading.

2. The URL is not a qualified video or audio link.

3. The URL is a website link.

4. The URL needs a premium to preview.</source>
        <translation>Mögliche Ursachen:

1. Die kopierte URL unterstützt keinen Download.

2. Die URL ist kein gültiger Video- oder Audiolink.

3. Die URL ist ein Website-Link.

4. Für die URL ist ein Premium-Konto nötig.</translation>
    </message>
    <message>
        <source>Note:

1. Please ensure that the network is stable, click the Retry button to parse it again.

2. The link format is not the normal way, please re-enter and download.

3. If it still fails, please view and try to download in built-in browser.</source>
        <translation>Hinweis:

1. Achten Sie auf eine stabile Netzwerkverbindung und klicken Sie auf „Wiederholen“, um erneut zu analysieren.

2. Das Linkformat ist ungewöhnlich, bitte erneut eingeben und herunterladen.

3. Wenn es weiterhin fehlschlägt, öffnen Sie die Seite im integrierten Browser und laden Sie dort herunter.</translation>
    </message>
    <message>
        <source>Download in Built-in Browser</source>
        <translation>Im integrierten Browser herunterladen</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Grund: %1</translation>
    </message>
</context>
<context>
    <name>DownloadTaskWidget</name>
    <message>
        <source>Waiting for parsing...</source>
        <translation>Warte auf Analyse...</translation>
    </message>
    <message>
        <source>Waiting for downloading...</source>
        <translation>Warte auf Download...</translation>
    </message>
    <message>
        <source>&lt;font color=%1&gt;Download failed, &lt;a style='color: %2;' href="none"&gt;please view and try to download in build-in browser&lt;/a&gt;.&lt;/font&gt;</source>
        <translation>&lt;font color=%1&gt;Download fehlgeschlagen, &lt;a style='color: %2;' href="none"&gt;bitte im integrierten Browser ansehen und herunterladen&lt;/a&gt;.&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Analyzing...</source>
        <translation>Analysiere...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausieren</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Wird gespeichert...</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Download abgeschlossen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Stalled, retrying...</source>
        <translation>Stockt, neuer Versuch...</translation>
    </message>
</context>
<context>
    <name>DownloadedPage</name>
    <message>
        <source>Show the File</source>
        <translation>Datei anzeigen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>Still No File Downloaded, Please Start Downloading</source>
        <translation>Noch keine Datei heruntergeladen, bitte starten Sie einen Download</translation>
    </message>
    <message>
        <source>&lt;a style='color: %1;' href="%2"&gt;Cannot find the file from Private Space?&lt;/a&gt;</source>
        <translation>&lt;a style='color: %1;' href="%2"&gt;Datei im privaten Bereich nicht gefunden?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The Filename is Invalid.</source>
        <translation>Der Dateiname ist ungültig.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Modify File Name</source>
        <translation>Dateinamen ändern</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Move to Private List</source>
        <translation>In die private Liste verschieben</translation>
    </message>
    <message>
        <source>Move Out</source>
        <translation>Herausnehmen</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>URL kopieren</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>Zur Quellseite</translation>
    </message>
    <message>
        <source>Save to Dropbox</source>
        <translation>In Dropbox speichern</translation>
    </message>
    <message>
        <source>Save to Google Drive</source>
        <translation>In Google Drive speichern</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you select?</source>
        <translation>Möchten Sie die ausgewählten Einträge wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure to delete all the items?</source>
        <translation>Möchten Sie wirklich alle Einträge löschen?</translation>
    </message>
    <message>
        <source>No downloaded file matches "%1".</source>
        <translation>Keine heruntergeladene Datei entspricht "%1".</translation>
    </message>
</context>
<context>
    <name>DownloadingPage</name>
    <message>
        <source>Original Video</source>
        <translation>Originalvideo</translation>
    </message>
    <message>
        <source>Original Audio</source>
        <translation>Originalaudio</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>URL einfügen</translation>
    </message>
    <message>
        <source>Resume all</source>
        <translation>Alle fortsetzen</translation>
    </message>
    <message>
        <source>Pause all</source>
        <translation>Alle pausieren</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>&lt;a style='color:%1;' href="none"&gt;Supported Sites&lt;/a&gt;</source>
        <translation>&lt;a style='color:%1;' href="none"&gt;Unterstützte Seiten&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>Turbo-schnell</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Download then Convert to</source>
        <translation>Herunterladen und umwandeln in</translation>
    </message>
    <message>
        <source>Wanna download Premium videos?
Please sign in to your account in "Online" section, then click "Download" button to get it.</source>
        <translation>Premium-Videos herunterladen?
Bitte melden Sie sich im Bereich „Online“ bei Ihrem Konto an und klicken Sie dann auf „Download“.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No url find in the paste board.</source>
        <translation>Keine URL in der Zwischenablage gefunden.</translation>
    </message>
    <message>
        <source>This video is part of the playlist. Do you want to download the clip only or download all playlist?</source>
        <translation>Dieses Video gehört zu einer Playlist. Möchten Sie nur den Clip oder die ganze Playlist herunterladen?</translation>
    </message>
    <message>
        <source>Download playlist</source>
        <translation>Playlist herunterladen</translation>
    </message>
    <message>
        <source>Download clip</source>
        <translation>Clip herunterladen</translation>
    </message>
    <message>
        <source>%1 exists task has been skipped.</source>
        <translation>%1 vorhandene Aufgabe wurde übersprungen.</translation>
    </message>
    <message>
        <source>%1 exists tasks have been skipped.</source>
        <translation>%1 vorhandene Aufgaben wurden übersprungen.</translation>
    </message>
    <message>
        <source>Download MP3</source>
        <translation>MP3 herunterladen</translation>
    </message>
    <message>
        <source>Multiple URLs</source>
        <translation>Mehrere URLs</translation>
    </message>
    <message>
        <source>Download Playlist</source>
        <translation>Playlist herunterladen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausieren</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>URL kopieren</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>Zur Quellseite</translation>
    </message>
    <message>
        <source>Are you sure to delete the downloading tasks which you select?</source>
        <translation>Möchten Sie die ausgewählten Download-Aufgaben wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the downloading queue?</source>
        <translation>Möchten Sie wirklich alle Aufgaben aus der Download-Warteschlange löschen?</translation>
    </message>
    <message>
        <source>This File Has Already Been Downloaded. Download It Again?</source>
        <translation>Diese Datei wurde bereits heruntergeladen. Erneut herunterladen?</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Erneut herunterladen</translation>
    </message>
    <message>
        <source>This page has %1 videos. Do you want to download all of them, or only the first one?</source>
        <translation>Diese Seite enthält %1 Videos. Möchten Sie alle herunterladen oder nur das erste?</translation>
    </message>
    <message>
        <source>First Only</source>
        <translation>Nur das erste</translation>
    </message>
    <message>
        <source>Download All</source>
        <translation>Alle herunterladen</translation>
    </message>
    <message>
        <source>This address is already being downloaded in the same format:</source>
        <translation>Diese Adresse wird bereits im selben Format heruntergeladen:</translation>
    </message>
</context>
<context>
    <name>FailedfilenameDialog</name>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Failed to add files:</source>
        <translation>Diese Dateien konnten nicht hinzugefügt werden:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Global</name>
    <message>
        <source>File does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The file does not exist, want to remove it from the list?</source>
        <translation>Die Datei existiert nicht. Möchten Sie sie aus der Liste entfernen?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>"%1" does not exist, please change the save directory</source>
        <translation>„%1“ existiert nicht. Bitte ändern Sie den Speicherordner.</translation>
    </message>
    <message>
        <source>Go to setting</source>
        <translation>Zu den Einstellungen</translation>
    </message>
    <message>
        <source>No application on this computer can open the file:
%1</source>
        <translation>Keine Anwendung auf diesem Computer kann die Datei öffnen:
%1</translation>
    </message>
    <message>
        <source>No file manager on this computer can show the file:
%1</source>
        <translation>Kein Dateimanager auf diesem Computer kann die Datei anzeigen:
%1</translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>Save a picture of the main window once it has started, then quit.</source>
        <translation>Nach dem Start ein Bild des Hauptfensters speichern und dann beenden.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Could not save the picture %1</source>
        <translation>Das Bild %1 konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Web addresses (http or https) to download, as if pasted.</source>
        <translation>Webadressen (http oder https) zum Herunterladen, wie eingefügt.</translation>
    </message>
</context>
<context>
    <name>LoadFileOperator</name>
    <message>
        <source>cannot read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>not a media file</source>
        <translation>keine Mediendatei</translation>
    </message>
    <message>
        <source>cannot be inspected</source>
        <translation>nicht prüfbar</translation>
    </message>
</context>
<context>
    <name>LoadFilesDlg</name>
    <message>
        <source>Adding files...</source>
        <translation>Dateien werden hinzugefügt...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Heruntergeladen</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Konvertiert</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Open Downloaded Folder</source>
        <translation>Download-Ordner öffnen</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>URL einfügen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausieren</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Protokollordner öffnen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Some tasks are in progress, are you sure you want to quit?</source>
        <translation>Einige Aufgaben laufen noch. Möchten Sie Clipmoor wirklich beenden?</translation>
    </message>
    <message>
        <source>Clipmoor was stopped while it read its download lists last time. The lists it was reading start empty; their files are kept as:
%1</source>
        <translation>Clipmoor wurde beim letzten Mal beendet, während es seine Download-Listen las. Die Listen, die es gerade las, beginnen leer; ihre Dateien sind aufbewahrt als:
%1</translation>
    </message>
    <message>
        <source>Clipmoor downloads web addresses only (starting with http:// or https://). Not taken:
%1</source>
        <translation>Clipmoor lädt nur Webadressen herunter (beginnend mit http:// oder https://). Nicht übernommen:
%1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clipmoor keeps trying for a few seconds before it quits.</source>
        <translation>Clipmoor versucht es noch einige Sekunden, bevor es beendet wird.</translation>
    </message>
</context>
<context>
    <name>PasteInputDlg</name>
    <message>
        <source>Multiple URLs</source>
        <translation>Mehrere URLs</translation>
    </message>
    <message>
        <source>Paste the URLs(one per line):</source>
        <translation>URLs einfügen (eine pro Zeile):</translation>
    </message>
    <message>
        <source>Input web page url...</source>
        <translation>Webseiten-URL eingeben...</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
</context>
<context>
    <name>PlaylistConfirmDlg</name>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>Neueste zuerst</translation>
    </message>
    <message>
        <source>Oldest first</source>
        <translation>Älteste zuerst</translation>
    </message>
    <message>
        <source>Confirm Playlist</source>
        <translation>Playlist bestätigen</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>Herunterladen:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualität:</translation>
    </message>
    <message>
        <source>Add numerical order to the file name.</source>
        <translation>Nummerierung zum Dateinamen hinzufügen.</translation>
    </message>
    <message>
        <source>Skip Downloaded</source>
        <translation>Bereits Heruntergeladenes überspringen</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please be patient, the more videos in your playlist,the longer you will wait.</source>
        <translation>Bitte haben Sie etwas Geduld: Je mehr Videos die Playlist enthält, desto länger dauert es.</translation>
    </message>
    <message>
        <source>Analysis failed. Please try again later.</source>
        <translation>Analyse fehlgeschlagen. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
</context>
<context>
    <name>PreferencesDlg</name>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Chinesisch (vereinfacht)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Chinesisch (traditionell)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesisch</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umwandeln</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>The maximum number of downloading tasks:</source>
        <translation>Maximale Anzahl gleichzeitiger Downloads:</translation>
    </message>
    <message>
        <source>Quality Setting:</source>
        <translation>Qualitätseinstellung:</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>Herunterladen:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualität:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Untertitel:</translation>
    </message>
    <message>
        <source>Auto download Subtitles/Lyrics</source>
        <translation>Untertitel/Liedtexte automatisch herunterladen</translation>
    </message>
    <message>
        <source>Auto resume unfinished tasks on startup</source>
        <translation>Unfertige Aufgaben beim Start automatisch fortsetzen</translation>
    </message>
    <message>
        <source>Allow to read Cookies from Firefox/Chrome</source>
        <translation>Cookies aus Firefox/Chrome lesen erlauben</translation>
    </message>
    <message>
        <source>Save downloaded files to:</source>
        <translation>Heruntergeladene Dateien speichern unter:</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>Download-Geschwindigkeit</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>Turbo-schnell</translation>
    </message>
    <message>
        <source>Eable proxy</source>
        <translation>Proxy aktivieren</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>HTTP-Proxy</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Authorization required</source>
        <translation>Anmeldung erforderlich</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>The maximum number of converting tasks:</source>
        <translation>Maximale Anzahl gleichzeitiger Umwandlungen:</translation>
    </message>
    <message>
        <source>Save converted files to:</source>
        <translation>Umgewandelte Dateien speichern unter:</translation>
    </message>
    <message>
        <source>Lyric:</source>
        <translation>Liedtext:</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics</source>
        <translation>Anonyme Nutzungsstatistiken senden</translation>
    </message>
    <message>
        <source>Tell me on the desktop when a download or conversion ends</source>
        <translation>Auf dem Desktop benachrichtigen, wenn ein Download oder eine Konvertierung endet</translation>
    </message>
    <message>
        <source>Check certificates of download sites</source>
        <translation>Zertifikate der Download-Seiten prüfen</translation>
    </message>
    <message>
        <source>Warning: without this check, anyone on the way between you and a site can pose as the site and change what you download.</source>
        <translation>Warnung: Ohne diese Prüfung kann sich jeder, der zwischen Ihnen und einer Seite steht, als diese Seite ausgeben und verändern, was Sie herunterladen.</translation>
    </message>
</context>
<context>
    <name>PrivateListDlg</name>
    <message>
        <source>Private List</source>
        <translation>Private Liste</translation>
    </message>
    <message>
        <source>Please Enter Password to Lock Private Space</source>
        <translation>Bitte Passwort eingeben, um den privaten Bereich zu sperren</translation>
    </message>
    <message>
        <source>Please Enter Password to Unlock Private Space</source>
        <translation>Bitte Passwort eingeben, um den privaten Bereich zu entsperren</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>Passwort zeigen oder verbergen</translation>
    </message>
    <message>
        <source>Do not show thumbnails of adult videos</source>
        <translation>Keine Vorschaubilder von Videos für Erwachsene anzeigen</translation>
    </message>
    <message>
        <source>Save adult videos as hidden</source>
        <translation>Videos für Erwachsene versteckt speichern</translation>
    </message>
    <message>
        <source>Remember the password before restart %1</source>
        <translation>Passwort bis zum Neustart von %1 merken</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Entsperren</translation>
    </message>
    <message>
        <source>Password error.</source>
        <translation>Falsches Passwort.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enter the password again</source>
        <translation>Passwort erneut eingeben</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>Die Passwörter stimmen nicht überein.</translation>
    </message>
</context>
<context>
    <name>PrivateModeButton</name>
    <message>
        <source>Turn off Private Mode</source>
        <translation>Privatmodus ausschalten</translation>
    </message>
    <message>
        <source>Turn on Private Mode</source>
        <translation>Privatmodus einschalten</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Clipmoor cannot write to its data folder
%1

Downloads still work, but lists and settings will not be kept after you quit.</source>
        <translation>Clipmoor kann nicht in seinen Datenordner schreiben
%1

Downloads funktionieren weiterhin, aber Listen und Einstellungen gehen beim Beenden verloren.</translation>
    </message>
    <message>
        <source>Clipmoor is already running; no picture was taken.</source>
        <translation>Clipmoor läuft bereits; es wurde kein Bild aufgenommen.</translation>
    </message>
    <message>
        <source>The built-in browser cannot start.
%1

Pasting addresses on the downloading page still works.</source>
        <translation>Der eingebaute Browser kann nicht starten.
%1

Adressen auf der Download-Seite einfügen funktioniert weiterhin.</translation>
    </message>
    <message>
        <source>Clipmoor is running but did not take the addresses.</source>
        <translation>Clipmoor läuft, hat die Adressen aber nicht übernommen.</translation>
    </message>
</context>
<context>
    <name>SaveHealth</name>
    <message>
        <source>Clipmoor cannot save its lists: no space left on %1</source>
        <translation>Clipmoor kann seine Listen nicht speichern: kein Platz mehr auf %1</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 is not writable</source>
        <translation>Clipmoor kann seine Listen nicht speichern: %1 ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 does not exist</source>
        <translation>Clipmoor kann seine Listen nicht speichern: %1 existiert nicht</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists in %1: %2</source>
        <translation>Clipmoor kann seine Listen in %1 nicht speichern: %2</translation>
    </message>
</context>
<context>
    <name>SniffMgr</name>
    <message>
        <source>Download failed, saving the file...</source>
        <translation>Download fehlgeschlagen, die Datei wird gespeichert...</translation>
    </message>
    <message>
        <source>Please wait, saving the file...</source>
        <translation>Bitte warten, die Datei wird gespeichert...</translation>
    </message>
</context>
<context>
    <name>UpgradeDlg</name>
    <message>
        <source>A new version is available!</source>
        <translation>Eine neue Version ist verfügbar!</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>Die aktuelle Version ist auf dem neuesten Stand.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>Update-Informationen konnten nicht abgerufen werden. Bitte später erneut versuchen.</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>Warte auf die Prüfung...</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Später erinnern</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Version: %1 | Größe: %2 | Veröffentlicht: %3</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>WebElement</name>
    <message>
        <source>Add New</source>
        <translation>Neu hinzufügen</translation>
    </message>
</context>
<context>
    <name>WebHomePage</name>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
</context>
<context>
    <name>platform::DesktopNotifications</name>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
</context>
<context>
    <name>protocol</name>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>remaining</source>
        <translation>verbleibend</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>The download folder cannot be written to</source>
        <translation>In den Download-Ordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>Der Datenträger ist voll</translation>
    </message>
    <message>
        <source>The video was not found on the site</source>
        <translation>Das Video wurde auf der Website nicht gefunden</translation>
    </message>
    <message>
        <source>The site refused the download</source>
        <translation>Die Website hat den Download abgelehnt</translation>
    </message>
    <message>
        <source>The site had a server error</source>
        <translation>Auf der Website ist ein Serverfehler aufgetreten</translation>
    </message>
    <message>
        <source>The site refused the connection</source>
        <translation>Die Website hat die Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>The site could not be found</source>
        <translation>Die Website wurde nicht gefunden</translation>
    </message>
    <message>
        <source>The connection timed out</source>
        <translation>Zeitüberschreitung der Verbindung</translation>
    </message>
    <message>
        <source>The download stalled</source>
        <translation>Der Download ist ins Stocken geraten</translation>
    </message>
    <message>
        <source>The download was cut short</source>
        <translation>Der Download wurde vorzeitig abgebrochen</translation>
    </message>
    <message>
        <source>This address is not supported</source>
        <translation>Diese Adresse wird nicht unterstützt</translation>
    </message>
    <message>
        <source>The download tool stopped unexpectedly</source>
        <translation>Das Download-Programm wurde unerwartet beendet</translation>
    </message>
    <message>
        <source>The download was interrupted</source>
        <translation>Der Download wurde unterbrochen</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>Der Download ist fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>safesave</name>
    <message>
        <source>Not enough free space in %1: %2 MB free, %3 MB needed</source>
        <translation>Nicht genug freier Speicher in %1: %2 MB frei, %3 MB benötigt</translation>
    </message>
</context>
</TS>