<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version : </translation>
    </message>
    <message>
        <source>Clipmoor is made by a small team who want saving a video to be as simple as pasting its address.</source>
        <translation>Clipmoor est conçu par une petite équipe qui veut qu'enregistrer une vidéo soit aussi simple que coller son adresse.</translation>
    </message>
    <message>
        <source>To learn more please visit: </source>
        <translation>Pour en savoir plus, rendez-vous sur : </translation>
    </message>
    <message>
        <source>Copyright © 2026 the Clipmoor developers. All rights reserved.</source>
        <translation>Copyright © 2026 les développeurs de Clipmoor. Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>Adaptation</name>
    <message>
        <source>Same as source</source>
        <translation>Identique à la source</translation>
    </message>
    <message>
        <source>High(4K)</source>
        <translation>Haute(4K)</translation>
    </message>
    <message>
        <source>High(2K)</source>
        <translation>Haute(2K)</translation>
    </message>
    <message>
        <source>High(1080P)</source>
        <translation>Haute(1080P)</translation>
    </message>
    <message>
        <source>Middle(720P)</source>
        <translation>Moyenne(720P)</translation>
    </message>
    <message>
        <source>Middle(480P)</source>
        <translation>Moyenne(480P)</translation>
    </message>
    <message>
        <source>Low(360P)</source>
        <translation>Basse(360P)</translation>
    </message>
    <message>
        <source>Low(240P)</source>
        <translation>Basse(240P)</translation>
    </message>
    <message>
        <source>High(320Kb/s)</source>
        <translation>Haute(320Kb/s)</translation>
    </message>
    <message>
        <source>High(256Kb/s)</source>
        <translation>Haute(256Kb/s)</translation>
    </message>
    <message>
        <source>Middle(128Kb/s)</source>
        <translation>Moyenne(128Kb/s)</translation>
    </message>
    <message>
        <source>Low(64Kb/s)</source>
        <translation>Basse(64Kb/s)</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualité :</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>AddSiteDlg</name>
    <message>
        <source>Add New</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>BrowserWindow</name>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Go back in history</source>
        <translation>Revenir en arrière dans l'historique</translation>
    </message>
    <message>
        <source>Go forward in history</source>
        <translation>Avancer dans l'historique</translation>
    </message>
    <message>
        <source>Stop loading this page</source>
        <translation>Arrêter le chargement de cette page</translation>
    </message>
    <message>
        <source>Reload this page</source>
        <translation>Recharger cette page</translation>
    </message>
    <message>
        <source>Clear browsing data</source>
        <translation>Effacer les données de navigation</translation>
    </message>
    <message>
        <source>Enter Video URL</source>
        <translation>Saisissez l'URL de la vidéo</translation>
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
        <translation>Ne plus me demander</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Inconnu</translation>
    </message>
</context>
<context>
    <name>ConvertTask</name>
    <message>
        <source>The file does not exist</source>
        <translation>Le fichier n'existe pas</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>Impossible d'écrire dans %1</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>The conversion tool failed (%1)</source>
        <translation>L'outil de conversion a échoué (%1)</translation>
    </message>
    <message>
        <source>The conversion tool did not say where the file is</source>
        <translation>L'outil de conversion n'a pas indiqué où se trouve le fichier</translation>
    </message>
    <message>
        <source>Cannot move the converted file to %1</source>
        <translation>Impossible de déplacer le fichier converti vers %1</translation>
    </message>
    <message>
        <source>The conversion tool could not be started</source>
        <translation>Impossible de lancer l'outil de conversion</translation>
    </message>
    <message>
        <source>The conversion tool ended unexpectedly</source>
        <translation>L'outil de conversion s'est arrêté de manière inattendue</translation>
    </message>
</context>
<context>
    <name>ConvertedDelegate</name>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Afficher le fichier</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
</context>
<context>
    <name>ConvertedPage</name>
    <message>
        <source>Delete Selected</source>
        <translation>Supprimer la sélection</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Converted files appear here.</source>
        <translation>Les fichiers convertis apparaissent ici.</translation>
    </message>
    <message>
        <source>Are you sure to delete this item?</source>
        <translation>Voulez-vous vraiment supprimer cet élément ?</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you selected?</source>
        <translation>Voulez-vous vraiment supprimer les éléments sélectionnés ?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Afficher le fichier</translation>
    </message>
</context>
<context>
    <name>ConvertingDelegate</name>
    <message>
        <source>Waiting to convert...</source>
        <translation>En attente de conversion...</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>Convert failed.</source>
        <translation>Échec de la conversion.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
</context>
<context>
    <name>ConvertingPage</name>
    <message>
        <source>Add Files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Afficher le fichier</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Tout convertir</translation>
    </message>
    <message>
        <source>Click Here to Add Files or Drag Files Here</source>
        <translation>Cliquez ici pour ajouter des fichiers ou faites-les glisser ici</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Are you sure to delete the Converting tasks which you selected?</source>
        <translation>Voulez-vous vraiment supprimer les conversions sélectionnées ?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the Converting queue?</source>
        <translation>Voulez-vous vraiment supprimer toutes les tâches de la file de conversion ?</translation>
    </message>
</context>
<context>
    <name>CurlProxy</name>
    <message>
        <source>Failure writing output to destination.</source>
        <translation>Impossible d'écrire le fichier de destination.</translation>
    </message>
    <message>
        <source>Unable to connect to the network.</source>
        <translation>Impossible de se connecter au réseau.</translation>
    </message>
    <message>
        <source>connection was reset.</source>
        <translation>La connexion a été réinitialisée.</translation>
    </message>
    <message>
        <source>Unable to download or download timeout.</source>
        <translation>Téléchargement impossible ou délai dépassé.</translation>
    </message>
</context>
<context>
    <name>DeleteConfirmDlg</name>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete original file(s) as well.</source>
        <translation>Supprimer aussi le(s) fichier(s) d'origine.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DesktopBridge</name>
    <message>
        <source>A private download</source>
        <translation>Un téléchargement privé</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Échec du téléchargement</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Téléchargement terminé</translation>
    </message>
    <message>
        <source>Conversion failed</source>
        <translation>Échec de la conversion</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversion terminée</translation>
    </message>
</context>
<context>
    <name>DoneTaskWidget</name>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Afficher le fichier</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Lyrics</source>
        <translation>Paroles</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>The Filename is Empty and Cannot Be Saved.</source>
        <translation>Le nom de fichier est vide et ne peut pas être enregistré.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do You Want to Rename "%1" to "%2"? This Location Already Contains a File with the Same Name.</source>
        <translation>Voulez-vous renommer « %1 » en « %2 » ? Cet emplacement contient déjà un fichier du même nom.</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
</context>
<context>
    <name>DownloadFailedDlg</name>
    <message>
        <source>Download failed</source>
        <translation>Échec du téléchargement</translation>
    </message>
    <message>
        <source>Cause of failure:

1. The URL you copied does not support downloading.

2. The URL is not a qualified video or audio link.

3. The URL is a website link.

4. The URL needs a premium to preview.</source>
        <translation>Causes possibles :

1. L'URL copiée ne permet pas le téléchargement.

2. L'URL n'est pas un lien vidéo ou audio valide.

3. L'URL est un lien vers un site web.

4. L'URL nécessite un compte premium.</translation>
    </message>
    <message>
        <source>Note:

1. Please ensure that the network is stable, click the Retry button to parse it again.

2. The link format is not the normal way, please re-enter and download.

3. If it still fails, please view and try to download in built-in browser.</source>
        <translation>Remarque :

1. Vérifiez que le réseau est stable, puis cliquez sur Réessayer pour relancer l'analyse.

2. Le format du lien est inhabituel, saisissez-le à nouveau et téléchargez.

3. Si cela échoue encore, ouvrez la page dans le navigateur intégré et téléchargez-la depuis celui-ci.</translation>
    </message>
    <message>
        <source>Download in Built-in Browser</source>
        <translation>Télécharger dans le navigateur intégré</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Raison : %1</translation>
    </message>
</context>
<context>
    <name>DownloadTaskWidget</name>
    <message>
        <source>Waiting for parsing...</source>
        <translation>En attente d'analyse...</translation>
    </message>
    <message>
        <source>Waiting for downloading...</source>
        <translation>En attente de téléchargement...</translation>
    </message>
    <message>
        <source>&lt;font color=%1&gt;Download failed, &lt;a style='color: %2;' href="none"&gt;please view and try to download in build-in browser&lt;/a&gt;.&lt;/font&gt;</source>
        <translation>&lt;font color=%1&gt;Échec du téléchargement, &lt;a style='color: %2;' href="none"&gt;veuillez l'ouvrir et le télécharger dans le navigateur intégré&lt;/a&gt;.&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Analyzing...</source>
        <translation>Analyse...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>En direct</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Enregistrement...</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Téléchargement terminé</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Stalled, retrying...</source>
        <translation>Bloqué, nouvelle tentative...</translation>
    </message>
</context>
<context>
    <name>DownloadedPage</name>
    <message>
        <source>Show the File</source>
        <translation>Afficher le fichier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privé</translation>
    </message>
    <message>
        <source>Still No File Downloaded, Please Start Downloading</source>
        <translation>Aucun fichier téléchargé pour l'instant, commencez un téléchargement</translation>
    </message>
    <message>
        <source>&lt;a style='color: %1;' href="%2"&gt;Cannot find the file from Private Space?&lt;/a&gt;</source>
        <translation>&lt;a style='color: %1;' href="%2"&gt;Fichier introuvable dans l'espace privé ?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The Filename is Invalid.</source>
        <translation>Le nom de fichier n'est pas valide.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Modify File Name</source>
        <translation>Modifier le nom du fichier</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Move to Private List</source>
        <translation>Déplacer vers la liste privée</translation>
    </message>
    <message>
        <source>Move Out</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>Copier l'URL</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>Aller à la page source</translation>
    </message>
    <message>
        <source>Save to Dropbox</source>
        <translation>Enregistrer dans Dropbox</translation>
    </message>
    <message>
        <source>Save to Google Drive</source>
        <translation>Enregistrer dans Google Drive</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you select?</source>
        <translation>Voulez-vous vraiment supprimer les éléments sélectionnés ?</translation>
    </message>
    <message>
        <source>Are you sure to delete all the items?</source>
        <translation>Voulez-vous vraiment supprimer tous les éléments ?</translation>
    </message>
    <message>
        <source>No downloaded file matches "%1".</source>
        <translation>Aucun fichier téléchargé ne correspond à "%1".</translation>
    </message>
</context>
<context>
    <name>DownloadingPage</name>
    <message>
        <source>Original Video</source>
        <translation>Vidéo d'origine</translation>
    </message>
    <message>
        <source>Original Audio</source>
        <translation>Audio d'origine</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>Coller l'URL</translation>
    </message>
    <message>
        <source>Resume all</source>
        <translation>Tout reprendre</translation>
    </message>
    <message>
        <source>Pause all</source>
        <translation>Tout mettre en pause</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>&lt;a style='color:%1;' href="none"&gt;Supported Sites&lt;/a&gt;</source>
        <translation>&lt;a style='color:%1;' href="none"&gt;Sites pris en charge&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>Turbo</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>Download then Convert to</source>
        <translation>Télécharger puis convertir en</translation>
    </message>
    <message>
        <source>Wanna download Premium videos?
Please sign in to your account in "Online" section, then click "Download" button to get it.</source>
        <translation>Télécharger des vidéos premium ?
Connectez-vous à votre compte dans la section « En ligne », puis cliquez sur le bouton « Télécharger ».</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No url find in the paste board.</source>
        <translation>Aucune URL trouvée dans le presse-papiers.</translation>
    </message>
    <message>
        <source>This video is part of the playlist. Do you want to download the clip only or download all playlist?</source>
        <translation>Cette vidéo fait partie d'une playlist. Voulez-vous télécharger seulement le clip ou toute la playlist ?</translation>
    </message>
    <message>
        <source>Download playlist</source>
        <translation>Télécharger la playlist</translation>
    </message>
    <message>
        <source>Download clip</source>
        <translation>Télécharger le clip</translation>
    </message>
    <message>
        <source>%1 exists task has been skipped.</source>
        <translation>%1 tâche existante a été ignorée.</translation>
    </message>
    <message>
        <source>%1 exists tasks have been skipped.</source>
        <translation>%1 tâches existantes ont été ignorées.</translation>
    </message>
    <message>
        <source>Download MP3</source>
        <translation>Télécharger en MP3</translation>
    </message>
    <message>
        <source>Multiple URLs</source>
        <translation>Plusieurs URL</translation>
    </message>
    <message>
        <source>Download Playlist</source>
        <translation>Télécharger une playlist</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>Copier l'URL</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>Aller à la page source</translation>
    </message>
    <message>
        <source>Are you sure to delete the downloading tasks which you select?</source>
        <translation>Voulez-vous vraiment supprimer les téléchargements sélectionnés ?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the downloading queue?</source>
        <translation>Voulez-vous vraiment supprimer toutes les tâches de la file de téléchargement ?</translation>
    </message>
    <message>
        <source>This File Has Already Been Downloaded. Download It Again?</source>
        <translation>Ce fichier a déjà été téléchargé. Le télécharger à nouveau ?</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Télécharger à nouveau</translation>
    </message>
    <message>
        <source>This page has %1 videos. Do you want to download all of them, or only the first one?</source>
        <translation>Cette page contient %1 vidéos. Voulez-vous toutes les télécharger, ou seulement la première ?</translation>
    </message>
    <message>
        <source>First Only</source>
        <translation>La première seulement</translation>
    </message>
    <message>
        <source>Download All</source>
        <translation>Tout télécharger</translation>
    </message>
    <message>
        <source>This address is already being downloaded in the same format:</source>
        <translation>Cette adresse est déjà en cours de téléchargement dans le même format :</translation>
    </message>
</context>
<context>
    <name>FailedfilenameDialog</name>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Failed to add files:</source>
        <translation>Impossible d'ajouter ces fichiers :</translation>
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
        <translation>Le fichier n'existe pas.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The file does not exist, want to remove it from the list?</source>
        <translation>Le fichier n'existe pas, voulez-vous le retirer de la liste ?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>"%1" does not exist, please change the save directory</source>
        <translation>« %1 » n'existe pas, veuillez changer le dossier d'enregistrement</translation>
    </message>
    <message>
        <source>Go to setting</source>
        <translation>Aller aux réglages</translation>
    </message>
    <message>
        <source>No application on this computer can open the file:
%1</source>
        <translation>Aucune application de cet ordinateur ne peut ouvrir le fichier :
%1</translation>
    </message>
    <message>
        <source>No file manager on this computer can show the file:
%1</source>
        <translation>Aucun gestionnaire de fichiers de cet ordinateur ne peut afficher le fichier :
%1</translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>Save a picture of the main window once it has started, then quit.</source>
        <translation>Enregistrer une image de la fenêtre principale une fois démarrée, puis quitter.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>Could not save the picture %1</source>
        <translation>Impossible d'enregistrer l'image %1</translation>
    </message>
    <message>
        <source>Web addresses (http or https) to download, as if pasted.</source>
        <translation>Adresses web (http ou https) à télécharger, comme si elles étaient collées.</translation>
    </message>
</context>
<context>
    <name>LoadFileOperator</name>
    <message>
        <source>cannot read</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>not a media file</source>
        <translation>pas un fichier multimédia</translation>
    </message>
    <message>
        <source>cannot be inspected</source>
        <translation>impossible à analyser</translation>
    </message>
</context>
<context>
    <name>LoadFilesDlg</name>
    <message>
        <source>Adding files...</source>
        <translation>Ajout des fichiers...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Downloading</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Téléchargés</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>En ligne</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Convertis</translation>
    </message>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Langues</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Open Downloaded Folder</source>
        <translation>Ouvrir le dossier des téléchargements</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>Coller l'URL</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Ouvrir le dossier des journaux</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>Some tasks are in progress, are you sure you want to quit?</source>
        <translation>Des tâches sont en cours, voulez-vous vraiment quitter ?</translation>
    </message>
    <message>
        <source>Clipmoor was stopped while it read its download lists last time. The lists it was reading start empty; their files are kept as:
%1</source>
        <translation>Clipmoor a été arrêté la dernière fois pendant qu'il lisait ses listes de téléchargements. Les listes qu'il lisait commencent vides ; leurs fichiers sont conservés sous :
%1</translation>
    </message>
    <message>
        <source>Clipmoor downloads web addresses only (starting with http:// or https://). Not taken:
%1</source>
        <translation>Clipmoor ne télécharge que des adresses web (commençant par http:// ou https://). Non prises en compte :
%1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clipmoor keeps trying for a few seconds before it quits.</source>
        <translation>Clipmoor réessaie quelques secondes avant de se fermer.</translation>
    </message>
</context>
<context>
    <name>PasteInputDlg</name>
    <message>
        <source>Multiple URLs</source>
        <translation>Plusieurs URL</translation>
    </message>
    <message>
        <source>Paste the URLs(one per line):</source>
        <translation>Collez les URL (une par ligne) :</translation>
    </message>
    <message>
        <source>Input web page url...</source>
        <translation>Saisissez l'URL d'une page web...</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Téléchargement</translation>
    </message>
</context>
<context>
    <name>PlaylistConfirmDlg</name>
    <message>
        <source>Best</source>
        <translation>Meilleure</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>Plus récentes d'abord</translation>
    </message>
    <message>
        <source>Oldest first</source>
        <translation>Plus anciennes d'abord</translation>
    </message>
    <message>
        <source>Confirm Playlist</source>
        <translation>Confirmer la playlist</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>Télécharger :</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualité :</translation>
    </message>
    <message>
        <source>Add numerical order to the file name.</source>
        <translation>Ajouter un numéro d'ordre au nom du fichier.</translation>
    </message>
    <message>
        <source>Skip Downloaded</source>
        <translation>Ignorer les éléments déjà téléchargés</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Please be patient, the more videos in your playlist,the longer you will wait.</source>
        <translation>Patientez : plus la playlist contient de vidéos, plus l'attente est longue.</translation>
    </message>
    <message>
        <source>Analysis failed. Please try again later.</source>
        <translation>Échec de l'analyse. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
</context>
<context>
    <name>PreferencesDlg</name>
    <message>
        <source>Best</source>
        <translation>Meilleure</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabe</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Chinois (simplifié)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Chinois (traditionnel)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonais</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonésien</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turc</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>The maximum number of downloading tasks:</source>
        <translation>Nombre maximal de téléchargements simultanés :</translation>
    </message>
    <message>
        <source>Quality Setting:</source>
        <translation>Réglage de la qualité :</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>Télécharger :</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualité :</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Sous-titres :</translation>
    </message>
    <message>
        <source>Auto download Subtitles/Lyrics</source>
        <translation>Télécharger automatiquement les sous-titres/paroles</translation>
    </message>
    <message>
        <source>Auto resume unfinished tasks on startup</source>
        <translation>Reprendre automatiquement les tâches inachevées au démarrage</translation>
    </message>
    <message>
        <source>Allow to read Cookies from Firefox/Chrome</source>
        <translation>Autoriser la lecture des cookies de Firefox/Chrome</translation>
    </message>
    <message>
        <source>Save downloaded files to:</source>
        <translation>Enregistrer les fichiers téléchargés dans :</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>Vitesse de téléchargement</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>Turbo</translation>
    </message>
    <message>
        <source>Eable proxy</source>
        <translation>Activer le proxy</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>Proxy HTTP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Authorization required</source>
        <translation>Authentification requise</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>The maximum number of converting tasks:</source>
        <translation>Nombre maximal de conversions simultanées :</translation>
    </message>
    <message>
        <source>Save converted files to:</source>
        <translation>Enregistrer les fichiers convertis dans :</translation>
    </message>
    <message>
        <source>Lyric:</source>
        <translation>Paroles :</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics</source>
        <translation>Envoyer des statistiques d'utilisation anonymes</translation>
    </message>
    <message>
        <source>Tell me on the desktop when a download or conversion ends</source>
        <translation>M’avertir sur le bureau quand un téléchargement ou une conversion se termine</translation>
    </message>
    <message>
        <source>Check certificates of download sites</source>
        <translation>Vérifier les certificats des sites de téléchargement</translation>
    </message>
    <message>
        <source>Warning: without this check, anyone on the way between you and a site can pose as the site and change what you download.</source>
        <translation>Attention : sans cette vérification, n'importe qui entre vous et un site peut se faire passer pour ce site et modifier ce que vous téléchargez.</translation>
    </message>
</context>
<context>
    <name>PrivateListDlg</name>
    <message>
        <source>Private List</source>
        <translation>Liste privée</translation>
    </message>
    <message>
        <source>Please Enter Password to Lock Private Space</source>
        <translation>Veuillez saisir le mot de passe pour verrouiller l'espace privé</translation>
    </message>
    <message>
        <source>Please Enter Password to Unlock Private Space</source>
        <translation>Veuillez saisir le mot de passe pour déverrouiller l'espace privé</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Saisir le mot de passe</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>Afficher ou masquer le mot de passe</translation>
    </message>
    <message>
        <source>Do not show thumbnails of adult videos</source>
        <translation>Ne pas afficher les miniatures des vidéos pour adultes</translation>
    </message>
    <message>
        <source>Save adult videos as hidden</source>
        <translation>Enregistrer les vidéos pour adultes comme masquées</translation>
    </message>
    <message>
        <source>Remember the password before restart %1</source>
        <translation>Mémoriser le mot de passe jusqu'au redémarrage de %1</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrouiller</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Déverrouiller</translation>
    </message>
    <message>
        <source>Password error.</source>
        <translation>Mot de passe incorrect.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enter the password again</source>
        <translation>Saisir à nouveau le mot de passe</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>Les mots de passe ne correspondent pas.</translation>
    </message>
</context>
<context>
    <name>PrivateModeButton</name>
    <message>
        <source>Turn off Private Mode</source>
        <translation>Désactiver le mode privé</translation>
    </message>
    <message>
        <source>Turn on Private Mode</source>
        <translation>Activer le mode privé</translation>
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
        <translation>Clipmoor ne peut pas écrire dans son dossier de données
%1

Les téléchargements fonctionnent, mais les listes et les réglages seront perdus à la fermeture.</translation>
    </message>
    <message>
        <source>Clipmoor is already running; no picture was taken.</source>
        <translation>Clipmoor est déjà en cours d'exécution ; aucune image n'a été prise.</translation>
    </message>
    <message>
        <source>The built-in browser cannot start.
%1

Pasting addresses on the downloading page still works.</source>
        <translation>Le navigateur intégré ne peut pas démarrer.
%1

Le collage d'adresses sur la page de téléchargement fonctionne toujours.</translation>
    </message>
    <message>
        <source>Clipmoor is running but did not take the addresses.</source>
        <translation>Clipmoor est en cours d’exécution mais n’a pas pris les adresses.</translation>
    </message>
</context>
<context>
    <name>SaveHealth</name>
    <message>
        <source>Clipmoor cannot save its lists: no space left on %1</source>
        <translation>Clipmoor ne peut pas enregistrer ses listes : plus d’espace sur %1</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 is not writable</source>
        <translation>Clipmoor ne peut pas enregistrer ses listes : %1 n’est pas accessible en écriture</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 does not exist</source>
        <translation>Clipmoor ne peut pas enregistrer ses listes : %1 n’existe pas</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists in %1: %2</source>
        <translation>Clipmoor ne peut pas enregistrer ses listes dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>SniffMgr</name>
    <message>
        <source>Download failed, saving the file...</source>
        <translation>Échec du téléchargement, enregistrement du fichier...</translation>
    </message>
    <message>
        <source>Please wait, saving the file...</source>
        <translation>Veuillez patienter, enregistrement du fichier...</translation>
    </message>
</context>
<context>
    <name>UpgradeDlg</name>
    <message>
        <source>A new version is available!</source>
        <translation>Une nouvelle version est disponible !</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>Votre version est à jour.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>Impossible de récupérer les informations de mise à jour. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>Vérification en attente...</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Me le rappeler plus tard</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Version : %1 | Taille : %2 | Date de sortie : %3</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
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
        <translation>Ajouter</translation>
    </message>
</context>
<context>
    <name>WebHomePage</name>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
</context>
<context>
    <name>platform::DesktopNotifications</name>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
</context>
<context>
    <name>protocol</name>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>heures</translation>
    </message>
    <message>
        <source>remaining</source>
        <translation>restant</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>The download folder cannot be written to</source>
        <translation>Impossible d'écrire dans le dossier de téléchargement</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>Le disque est plein</translation>
    </message>
    <message>
        <source>The video was not found on the site</source>
        <translation>La vidéo est introuvable sur le site</translation>
    </message>
    <message>
        <source>The site refused the download</source>
        <translation>Le site a refusé le téléchargement</translation>
    </message>
    <message>
        <source>The site had a server error</source>
        <translation>Le site a rencontré une erreur de serveur</translation>
    </message>
    <message>
        <source>The site refused the connection</source>
        <translation>Le site a refusé la connexion</translation>
    </message>
    <message>
        <source>The site could not be found</source>
        <translation>Le site est introuvable</translation>
    </message>
    <message>
        <source>The connection timed out</source>
        <translation>La connexion a expiré</translation>
    </message>
    <message>
        <source>The download stalled</source>
        <translation>Le téléchargement est bloqué</translation>
    </message>
    <message>
        <source>The download was cut short</source>
        <translation>Le téléchargement a été tronqué</translation>
    </message>
    <message>
        <source>This address is not supported</source>
        <translation>Cette adresse n'est pas prise en charge</translation>
    </message>
    <message>
        <source>The download tool stopped unexpectedly</source>
        <translation>L'outil de téléchargement s'est arrêté de manière inattendue</translation>
    </message>
    <message>
        <source>The download was interrupted</source>
        <translation>Le téléchargement a été interrompu</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>Le téléchargement a échoué</translation>
    </message>
</context>
<context>
    <name>safesave</name>
    <message>
        <source>Not enough free space in %1: %2 MB free, %3 MB needed</source>
        <translation>Espace libre insuffisant dans %1 : %2 Mo libres, %3 Mo nécessaires</translation>
    </message>
</context>
</TS>