<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versione: </translation>
    </message>
    <message>
        <source>Clipmoor is made by a small team who want saving a video to be as simple as pasting its address.</source>
        <translation>Clipmoor è realizzato da un piccolo team che vuole rendere il salvataggio di un video semplice come incollarne l'indirizzo.</translation>
    </message>
    <message>
        <source>To learn more please visit: </source>
        <translation>Per saperne di più visita: </translation>
    </message>
    <message>
        <source>Copyright © 2026 the Clipmoor developers. All rights reserved.</source>
        <translation>Copyright © 2026 gli sviluppatori di Clipmoor. Tutti i diritti riservati.</translation>
    </message>
</context>
<context>
    <name>Adaptation</name>
    <message>
        <source>Same as source</source>
        <translation>Come l'originale</translation>
    </message>
    <message>
        <source>High(4K)</source>
        <translation>Alta(4K)</translation>
    </message>
    <message>
        <source>High(2K)</source>
        <translation>Alta(2K)</translation>
    </message>
    <message>
        <source>High(1080P)</source>
        <translation>Alta(1080P)</translation>
    </message>
    <message>
        <source>Middle(720P)</source>
        <translation>Media(720P)</translation>
    </message>
    <message>
        <source>Middle(480P)</source>
        <translation>Media(480P)</translation>
    </message>
    <message>
        <source>Low(360P)</source>
        <translation>Bassa(360P)</translation>
    </message>
    <message>
        <source>Low(240P)</source>
        <translation>Bassa(240P)</translation>
    </message>
    <message>
        <source>High(320Kb/s)</source>
        <translation>Alta(320Kb/s)</translation>
    </message>
    <message>
        <source>High(256Kb/s)</source>
        <translation>Alta(256Kb/s)</translation>
    </message>
    <message>
        <source>Middle(128Kb/s)</source>
        <translation>Media(128Kb/s)</translation>
    </message>
    <message>
        <source>Low(64Kb/s)</source>
        <translation>Bassa(64Kb/s)</translation>
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
        <translation>Qualità:</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Senza audio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>AddSiteDlg</name>
    <message>
        <source>Add New</source>
        <translation>Aggiungi nuovo</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>BrowserWindow</name>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Go back in history</source>
        <translation>Indietro nella cronologia</translation>
    </message>
    <message>
        <source>Go forward in history</source>
        <translation>Avanti nella cronologia</translation>
    </message>
    <message>
        <source>Stop loading this page</source>
        <translation>Interrompi il caricamento della pagina</translation>
    </message>
    <message>
        <source>Reload this page</source>
        <translation>Ricarica questa pagina</translation>
    </message>
    <message>
        <source>Clear browsing data</source>
        <translation>Cancella dati di navigazione</translation>
    </message>
    <message>
        <source>Enter Video URL</source>
        <translation>Inserisci l'URL del video</translation>
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
        <translation>Non chiedere più</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Sconosciuto</translation>
    </message>
</context>
<context>
    <name>ConvertTask</name>
    <message>
        <source>The file does not exist</source>
        <translation>Il file non esiste</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>Impossibile scrivere in %1</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>In conversione</translation>
    </message>
    <message>
        <source>The conversion tool failed (%1)</source>
        <translation>Lo strumento di conversione non è riuscito (%1)</translation>
    </message>
    <message>
        <source>The conversion tool did not say where the file is</source>
        <translation>Lo strumento di conversione non ha indicato dove si trova il file</translation>
    </message>
    <message>
        <source>Cannot move the converted file to %1</source>
        <translation>Impossibile spostare il file convertito in %1</translation>
    </message>
    <message>
        <source>The conversion tool could not be started</source>
        <translation>Impossibile avviare lo strumento di conversione</translation>
    </message>
    <message>
        <source>The conversion tool ended unexpectedly</source>
        <translation>Lo strumento di conversione si è chiuso inaspettatamente</translation>
    </message>
</context>
<context>
    <name>ConvertedDelegate</name>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Mostra il file</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
</context>
<context>
    <name>ConvertedPage</name>
    <message>
        <source>Delete Selected</source>
        <translation>Elimina selezionati</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Converted files appear here.</source>
        <translation>I file convertiti compaiono qui.</translation>
    </message>
    <message>
        <source>Are you sure to delete this item?</source>
        <translation>Eliminare questo elemento?</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you selected?</source>
        <translation>Eliminare gli elementi selezionati?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Mostra il file</translation>
    </message>
</context>
<context>
    <name>ConvertingDelegate</name>
    <message>
        <source>Waiting to convert...</source>
        <translation>In attesa di conversione...</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>In conversione</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>completato</translation>
    </message>
    <message>
        <source>Convert failed.</source>
        <translation>Conversione non riuscita.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converti</translation>
    </message>
</context>
<context>
    <name>ConvertingPage</name>
    <message>
        <source>Add Files</source>
        <translation>Aggiungi file</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Mostra il file</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Elimina tutto</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Converti tutto</translation>
    </message>
    <message>
        <source>Click Here to Add Files or Drag Files Here</source>
        <translation>Fai clic qui per aggiungere file o trascinali qui</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Are you sure to delete the Converting tasks which you selected?</source>
        <translation>Eliminare le attività di conversione selezionate?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the Converting queue?</source>
        <translation>Eliminare tutte le attività dalla coda di conversione?</translation>
    </message>
</context>
<context>
    <name>CurlProxy</name>
    <message>
        <source>Failure writing output to destination.</source>
        <translation>Impossibile scrivere nella destinazione.</translation>
    </message>
    <message>
        <source>Unable to connect to the network.</source>
        <translation>Impossibile connettersi alla rete.</translation>
    </message>
    <message>
        <source>connection was reset.</source>
        <translation>La connessione è stata reimpostata.</translation>
    </message>
    <message>
        <source>Unable to download or download timeout.</source>
        <translation>Impossibile scaricare o tempo scaduto.</translation>
    </message>
</context>
<context>
    <name>DeleteConfirmDlg</name>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Delete original file(s) as well.</source>
        <translation>Elimina anche i file originali.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DesktopBridge</name>
    <message>
        <source>A private download</source>
        <translation>Un download privato</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Download non riuscito</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Download completato</translation>
    </message>
    <message>
        <source>Conversion failed</source>
        <translation>Conversione non riuscita</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversione completata</translation>
    </message>
</context>
<context>
    <name>DoneTaskWidget</name>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Mostra il file</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>Lyrics</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sottotitoli</translation>
    </message>
    <message>
        <source>The Filename is Empty and Cannot Be Saved.</source>
        <translation>Il nome del file è vuoto e non può essere salvato.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do You Want to Rename "%1" to "%2"? This Location Already Contains a File with the Same Name.</source>
        <translation>Rinominare "%1" in "%2"? In questa posizione esiste già un file con lo stesso nome.</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
</context>
<context>
    <name>DownloadFailedDlg</name>
    <message>
        <source>Download failed</source>
        <translation>Download non riuscito</translation>
    </message>
    <message>
        <source>Cause of failure:

1. The URL you copied does not support downloading.

2. The URL is not a qualified video or audio link.

3. The URL is a website link.

4. The URL needs a premium to preview.</source>
        <translation>Possibili cause:

1. L'URL copiato non supporta il download.

2. L'URL non è un link video o audio valido.

3. L'URL è il link di un sito web.

4. L'URL richiede un account premium.</translation>
    </message>
    <message>
        <source>Note:

1. Please ensure that the network is stable, click the Retry button to parse it again.

2. The link format is not the normal way, please re-enter and download.

3. If it still fails, please view and try to download in built-in browser.</source>
        <translation>Nota:

1. Verifica che la rete sia stabile e fai clic su Riprova per analizzare di nuovo.

2. Il formato del link non è quello consueto: reinseriscilo e scarica.

3. Se non funziona ancora, aprilo nel browser integrato e scaricalo da lì.</translation>
    </message>
    <message>
        <source>Download in Built-in Browser</source>
        <translation>Scarica nel browser integrato</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
</context>
<context>
    <name>DownloadTaskWidget</name>
    <message>
        <source>Waiting for parsing...</source>
        <translation>In attesa di analisi...</translation>
    </message>
    <message>
        <source>Waiting for downloading...</source>
        <translation>In attesa di download...</translation>
    </message>
    <message>
        <source>&lt;font color=%1&gt;Download failed, &lt;a style='color: %2;' href="none"&gt;please view and try to download in build-in browser&lt;/a&gt;.&lt;/font&gt;</source>
        <translation>&lt;font color=%1&gt;Download non riuscito, &lt;a style='color: %2;' href="none"&gt;aprilo e scaricalo nel browser integrato&lt;/a&gt;.&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Analyzing...</source>
        <translation>Analisi in corso...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>In download</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>In attesa</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Salvataggio...</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Download completato</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Stalled, retrying...</source>
        <translation>Bloccato, nuovo tentativo...</translation>
    </message>
</context>
<context>
    <name>DownloadedPage</name>
    <message>
        <source>Show the File</source>
        <translation>Mostra il file</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privati</translation>
    </message>
    <message>
        <source>Still No File Downloaded, Please Start Downloading</source>
        <translation>Nessun file scaricato finora, inizia un download</translation>
    </message>
    <message>
        <source>&lt;a style='color: %1;' href="%2"&gt;Cannot find the file from Private Space?&lt;/a&gt;</source>
        <translation>&lt;a style='color: %1;' href="%2"&gt;Non trovi il file dello spazio privato?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The Filename is Invalid.</source>
        <translation>Il nome del file non è valido.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Modify File Name</source>
        <translation>Modifica nome file</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Elimina tutto</translation>
    </message>
    <message>
        <source>Move to Private List</source>
        <translation>Sposta nell'elenco privato</translation>
    </message>
    <message>
        <source>Move Out</source>
        <translation>Togli</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>Copia URL</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>Vai alla pagina di origine</translation>
    </message>
    <message>
        <source>Save to Dropbox</source>
        <translation>Salva su Dropbox</translation>
    </message>
    <message>
        <source>Save to Google Drive</source>
        <translation>Salva su Google Drive</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you select?</source>
        <translation>Eliminare gli elementi selezionati?</translation>
    </message>
    <message>
        <source>Are you sure to delete all the items?</source>
        <translation>Eliminare tutti gli elementi?</translation>
    </message>
    <message>
        <source>No downloaded file matches "%1".</source>
        <translation>Nessun file scaricato corrisponde a "%1".</translation>
    </message>
</context>
<context>
    <name>DownloadingPage</name>
    <message>
        <source>Original Video</source>
        <translation>Video originale</translation>
    </message>
    <message>
        <source>Original Audio</source>
        <translation>Audio originale</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>Incolla URL</translation>
    </message>
    <message>
        <source>Resume all</source>
        <translation>Riprendi tutto</translation>
    </message>
    <message>
        <source>Pause all</source>
        <translation>Metti tutto in pausa</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Elimina tutto</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>&lt;a style='color:%1;' href="none"&gt;Supported Sites&lt;/a&gt;</source>
        <translation>&lt;a style='color:%1;' href="none"&gt;Siti supportati&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>Turbo</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Download then Convert to</source>
        <translation>Scarica e converti in</translation>
    </message>
    <message>
        <source>Wanna download Premium videos?
Please sign in to your account in "Online" section, then click "Download" button to get it.</source>
        <translation>Scaricare video premium?
Accedi al tuo account nella sezione "Online", poi fai clic sul pulsante "Scarica".</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No url find in the paste board.</source>
        <translation>Nessun URL trovato negli appunti.</translation>
    </message>
    <message>
        <source>This video is part of the playlist. Do you want to download the clip only or download all playlist?</source>
        <translation>Questo video fa parte di una playlist. Vuoi scaricare solo il clip o l'intera playlist?</translation>
    </message>
    <message>
        <source>Download playlist</source>
        <translation>Scarica la playlist</translation>
    </message>
    <message>
        <source>Download clip</source>
        <translation>Scarica il clip</translation>
    </message>
    <message>
        <source>%1 exists task has been skipped.</source>
        <translation>%1 attività esistente è stata saltata.</translation>
    </message>
    <message>
        <source>%1 exists tasks have been skipped.</source>
        <translation>%1 attività esistenti sono state saltate.</translation>
    </message>
    <message>
        <source>Download MP3</source>
        <translation>Scarica MP3</translation>
    </message>
    <message>
        <source>Multiple URLs</source>
        <translation>Più URL</translation>
    </message>
    <message>
        <source>Download Playlist</source>
        <translation>Scarica playlist</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Elimina tutto</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>Copia URL</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>Vai alla pagina di origine</translation>
    </message>
    <message>
        <source>Are you sure to delete the downloading tasks which you select?</source>
        <translation>Eliminare i download selezionati?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the downloading queue?</source>
        <translation>Eliminare tutte le attività dalla coda di download?</translation>
    </message>
    <message>
        <source>This File Has Already Been Downloaded. Download It Again?</source>
        <translation>Questo file è già stato scaricato. Scaricarlo di nuovo?</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Scarica di nuovo</translation>
    </message>
    <message>
        <source>This page has %1 videos. Do you want to download all of them, or only the first one?</source>
        <translation>Questa pagina contiene %1 video. Vuoi scaricarli tutti o solo il primo?</translation>
    </message>
    <message>
        <source>First Only</source>
        <translation>Solo il primo</translation>
    </message>
    <message>
        <source>Download All</source>
        <translation>Scarica tutti</translation>
    </message>
    <message>
        <source>This address is already being downloaded in the same format:</source>
        <translation>Questo indirizzo è già in download nello stesso formato:</translation>
    </message>
</context>
<context>
    <name>FailedfilenameDialog</name>
    <message>
        <source>Failed</source>
        <translation>Non riuscito</translation>
    </message>
    <message>
        <source>Failed to add files:</source>
        <translation>Impossibile aggiungere i file:</translation>
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
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The file does not exist, want to remove it from the list?</source>
        <translation>Il file non esiste, vuoi rimuoverlo dall'elenco?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>"%1" does not exist, please change the save directory</source>
        <translation>«%1» non esiste, cambia la cartella di salvataggio</translation>
    </message>
    <message>
        <source>Go to setting</source>
        <translation>Vai alle impostazioni</translation>
    </message>
    <message>
        <source>No application on this computer can open the file:
%1</source>
        <translation>Nessuna applicazione su questo computer può aprire il file:
%1</translation>
    </message>
    <message>
        <source>No file manager on this computer can show the file:
%1</source>
        <translation>Nessun gestore di file su questo computer può mostrare il file:
%1</translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>Save a picture of the main window once it has started, then quit.</source>
        <translation>Salva un'immagine della finestra principale dopo l'avvio, poi esci.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Could not save the picture %1</source>
        <translation>Impossibile salvare l'immagine %1</translation>
    </message>
    <message>
        <source>Web addresses (http or https) to download, as if pasted.</source>
        <translation>Indirizzi web (http o https) da scaricare, come se fossero incollati.</translation>
    </message>
</context>
<context>
    <name>LoadFileOperator</name>
    <message>
        <source>cannot read</source>
        <translation>non leggibile</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>not a media file</source>
        <translation>non è un file multimediale</translation>
    </message>
    <message>
        <source>cannot be inspected</source>
        <translation>non analizzabile</translation>
    </message>
</context>
<context>
    <name>LoadFilesDlg</name>
    <message>
        <source>Adding files...</source>
        <translation>Aggiunta dei file...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Attendere...</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Downloading</source>
        <translation>In download</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Scaricati</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>In conversione</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Convertiti</translation>
    </message>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Applicazione</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Lingue</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Controlla aggiornamenti</translation>
    </message>
    <message>
        <source>Open Downloaded Folder</source>
        <translation>Apri la cartella dei download</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>Incolla URL</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Apri la cartella dei log</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>Some tasks are in progress, are you sure you want to quit?</source>
        <translation>Alcune attività sono in corso, vuoi davvero uscire?</translation>
    </message>
    <message>
        <source>Clipmoor was stopped while it read its download lists last time. The lists it was reading start empty; their files are kept as:
%1</source>
        <translation>L'ultima volta Clipmoor è stato interrotto mentre leggeva i suoi elenchi di download. Gli elenchi che stava leggendo iniziano vuoti; i loro file sono conservati come:
%1</translation>
    </message>
    <message>
        <source>Clipmoor downloads web addresses only (starting with http:// or https://). Not taken:
%1</source>
        <translation>Clipmoor scarica solo indirizzi web (che iniziano con http:// o https://). Non accettati:
%1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clipmoor keeps trying for a few seconds before it quits.</source>
        <translation>Clipmoor riprova per qualche secondo prima di chiudersi.</translation>
    </message>
</context>
<context>
    <name>PasteInputDlg</name>
    <message>
        <source>Multiple URLs</source>
        <translation>Più URL</translation>
    </message>
    <message>
        <source>Paste the URLs(one per line):</source>
        <translation>Incolla gli URL (uno per riga):</translation>
    </message>
    <message>
        <source>Input web page url...</source>
        <translation>Inserisci l'URL di una pagina web...</translation>
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
        <translation>Migliore</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>Prima i più recenti</translation>
    </message>
    <message>
        <source>Oldest first</source>
        <translation>Prima i più vecchi</translation>
    </message>
    <message>
        <source>Confirm Playlist</source>
        <translation>Conferma playlist</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>Scarica:</translation>
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
        <translation>Qualità:</translation>
    </message>
    <message>
        <source>Add numerical order to the file name.</source>
        <translation>Aggiungi un numero d'ordine al nome del file.</translation>
    </message>
    <message>
        <source>Skip Downloaded</source>
        <translation>Salta i già scaricati</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Please be patient, the more videos in your playlist,the longer you will wait.</source>
        <translation>Attendi: più video contiene la playlist, più lunga sarà l'attesa.</translation>
    </message>
    <message>
        <source>Analysis failed. Please try again later.</source>
        <translation>Analisi non riuscita. Riprova più tardi.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
</context>
<context>
    <name>PreferencesDlg</name>
    <message>
        <source>Best</source>
        <translation>Migliore</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Giapponese</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portoghese</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabo</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Olandese</translation>
    </message>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Cinese (semplificato)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Cinese (tradizionale)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polacco</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesiano</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>The maximum number of downloading tasks:</source>
        <translation>Numero massimo di download simultanei:</translation>
    </message>
    <message>
        <source>Quality Setting:</source>
        <translation>Impostazione qualità:</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>Scarica:</translation>
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
        <translation>Qualità:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Sottotitoli:</translation>
    </message>
    <message>
        <source>Auto download Subtitles/Lyrics</source>
        <translation>Scarica automaticamente sottotitoli/testi</translation>
    </message>
    <message>
        <source>Auto resume unfinished tasks on startup</source>
        <translation>Riprendi automaticamente le attività incomplete all'avvio</translation>
    </message>
    <message>
        <source>Allow to read Cookies from Firefox/Chrome</source>
        <translation>Consenti la lettura dei cookie di Firefox/Chrome</translation>
    </message>
    <message>
        <source>Save downloaded files to:</source>
        <translation>Salva i file scaricati in:</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>Velocità di download</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>Turbo</translation>
    </message>
    <message>
        <source>Eable proxy</source>
        <translation>Abilita proxy</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>Proxy HTTP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Authorization required</source>
        <translation>Autenticazione richiesta</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>The maximum number of converting tasks:</source>
        <translation>Numero massimo di conversioni simultanee:</translation>
    </message>
    <message>
        <source>Save converted files to:</source>
        <translation>Salva i file convertiti in:</translation>
    </message>
    <message>
        <source>Lyric:</source>
        <translation>Testo:</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Seleziona cartella</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics</source>
        <translation>Invia statistiche di utilizzo anonime</translation>
    </message>
    <message>
        <source>Tell me on the desktop when a download or conversion ends</source>
        <translation>Avvisami sul desktop quando un download o una conversione termina</translation>
    </message>
    <message>
        <source>Check certificates of download sites</source>
        <translation>Verifica i certificati dei siti di download</translation>
    </message>
    <message>
        <source>Warning: without this check, anyone on the way between you and a site can pose as the site and change what you download.</source>
        <translation>Attenzione: senza questo controllo, chiunque si trovi tra te e un sito può fingersi il sito e modificare ciò che scarichi.</translation>
    </message>
</context>
<context>
    <name>PrivateListDlg</name>
    <message>
        <source>Private List</source>
        <translation>Elenco privato</translation>
    </message>
    <message>
        <source>Please Enter Password to Lock Private Space</source>
        <translation>Inserisci la password per bloccare lo spazio privato</translation>
    </message>
    <message>
        <source>Please Enter Password to Unlock Private Space</source>
        <translation>Inserisci la password per sbloccare lo spazio privato</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Inserisci la password</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>Mostra o nascondi la password</translation>
    </message>
    <message>
        <source>Do not show thumbnails of adult videos</source>
        <translation>Non mostrare le miniature dei video per adulti</translation>
    </message>
    <message>
        <source>Save adult videos as hidden</source>
        <translation>Salva i video per adulti come nascosti</translation>
    </message>
    <message>
        <source>Remember the password before restart %1</source>
        <translation>Ricorda la password fino al riavvio di %1</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blocca</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Sblocca</translation>
    </message>
    <message>
        <source>Password error.</source>
        <translation>Password errata.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enter the password again</source>
        <translation>Inserisci di nuovo la password</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>Le password non coincidono.</translation>
    </message>
</context>
<context>
    <name>PrivateModeButton</name>
    <message>
        <source>Turn off Private Mode</source>
        <translation>Disattiva la modalità privata</translation>
    </message>
    <message>
        <source>Turn on Private Mode</source>
        <translation>Attiva la modalità privata</translation>
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
        <translation>Clipmoor non può scrivere nella sua cartella dati
%1

I download funzionano, ma elenchi e impostazioni andranno persi all'uscita.</translation>
    </message>
    <message>
        <source>Clipmoor is already running; no picture was taken.</source>
        <translation>Clipmoor è già in esecuzione; nessuna immagine è stata acquisita.</translation>
    </message>
    <message>
        <source>The built-in browser cannot start.
%1

Pasting addresses on the downloading page still works.</source>
        <translation>Il browser integrato non può avviarsi.
%1

Incollare indirizzi nella pagina dei download funziona ancora.</translation>
    </message>
    <message>
        <source>Clipmoor is running but did not take the addresses.</source>
        <translation>Clipmoor è in esecuzione ma non ha accettato gli indirizzi.</translation>
    </message>
</context>
<context>
    <name>SaveHealth</name>
    <message>
        <source>Clipmoor cannot save its lists: no space left on %1</source>
        <translation>Clipmoor non riesce a salvare i suoi elenchi: spazio esaurito su %1</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 is not writable</source>
        <translation>Clipmoor non riesce a salvare i suoi elenchi: %1 non è scrivibile</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 does not exist</source>
        <translation>Clipmoor non riesce a salvare i suoi elenchi: %1 non esiste</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists in %1: %2</source>
        <translation>Clipmoor non riesce a salvare i suoi elenchi in %1: %2</translation>
    </message>
</context>
<context>
    <name>SniffMgr</name>
    <message>
        <source>Download failed, saving the file...</source>
        <translation>Download non riuscito, salvataggio del file...</translation>
    </message>
    <message>
        <source>Please wait, saving the file...</source>
        <translation>Attendere, salvataggio del file...</translation>
    </message>
</context>
<context>
    <name>UpgradeDlg</name>
    <message>
        <source>A new version is available!</source>
        <translation>È disponibile una nuova versione!</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>La versione in uso è aggiornata.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>Impossibile ottenere le informazioni di aggiornamento. Riprova più tardi.</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>In attesa del controllo...</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aggiornamento</translation>
    </message>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Aggiorna ora</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Ricordamelo più tardi</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Versione: %1 | Dimensione: %2 | Data di rilascio: %3</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
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
        <translation>Aggiungi nuovo</translation>
    </message>
</context>
<context>
    <name>WebHomePage</name>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
</context>
<context>
    <name>platform::DesktopNotifications</name>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
</context>
<context>
    <name>protocol</name>
    <message>
        <source>seconds</source>
        <translation>secondi</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>ore</translation>
    </message>
    <message>
        <source>remaining</source>
        <translation>rimanenti</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversione</translation>
    </message>
    <message>
        <source>The download folder cannot be written to</source>
        <translation>Impossibile scrivere nella cartella dei download</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>Il disco è pieno</translation>
    </message>
    <message>
        <source>The video was not found on the site</source>
        <translation>Il video non è stato trovato sul sito</translation>
    </message>
    <message>
        <source>The site refused the download</source>
        <translation>Il sito ha rifiutato il download</translation>
    </message>
    <message>
        <source>The site had a server error</source>
        <translation>Il sito ha avuto un errore del server</translation>
    </message>
    <message>
        <source>The site refused the connection</source>
        <translation>Il sito ha rifiutato la connessione</translation>
    </message>
    <message>
        <source>The site could not be found</source>
        <translation>Impossibile trovare il sito</translation>
    </message>
    <message>
        <source>The connection timed out</source>
        <translation>La connessione è scaduta</translation>
    </message>
    <message>
        <source>The download stalled</source>
        <translation>Il download si è bloccato</translation>
    </message>
    <message>
        <source>The download was cut short</source>
        <translation>Il download è stato troncato</translation>
    </message>
    <message>
        <source>This address is not supported</source>
        <translation>Questo indirizzo non è supportato</translation>
    </message>
    <message>
        <source>The download tool stopped unexpectedly</source>
        <translation>Lo strumento di download si è arrestato in modo imprevisto</translation>
    </message>
    <message>
        <source>The download was interrupted</source>
        <translation>Il download è stato interrotto</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>Download non riuscito</translation>
    </message>
</context>
<context>
    <name>safesave</name>
    <message>
        <source>Not enough free space in %1: %2 MB free, %3 MB needed</source>
        <translation>Spazio libero insufficiente in %1: %2 MB liberi, %3 MB necessari</translation>
    </message>
</context>
</TS>