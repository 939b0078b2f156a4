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
        <source>Choose the download folder</source>
        <translation>Choisir le dossier de téléchargement</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonésien</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamien</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Chinois (simplifié)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Chinois (traditionnel)</translation>
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
        <source>Paste a video address to start downloading.</source>
        <translation>Collez l'adresse d'une vidéo pour lancer le téléchargement.</translation>
    </message>
    <message>
        <source>Finished downloads appear here.</source>
        <translation>Les téléchargements terminés apparaissent ici.</translation>
    </message>
    <message>
        <source>The built-in browser opens here.</source>
        <translation>Le navigateur intégré s'ouvre ici.</translation>
    </message>
    <message>
        <source>Add media files here to convert them.</source>
        <translation>Ajoutez ici des fichiers multimédias pour les convertir.</translation>
    </message>
    <message>
        <source>Converted files appear here.</source>
        <translation>Les fichiers convertis apparaissent ici.</translation>
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
</context>
</TS>