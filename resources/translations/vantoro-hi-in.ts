<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>AboutDlg</name>
    <message>
        <location filename="../../widgets/aboutdlg.cpp" line="46"/>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../widgets/aboutdlg.cpp" line="47"/>
        <source>Version: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../widgets/aboutdlg.cpp" line="48"/>
        <source>Clipmoor is made by a small team who want saving a video to be as simple as pasting its address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../widgets/aboutdlg.cpp" line="50"/>
        <source>To learn more please visit: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../widgets/aboutdlg.cpp" line="53"/>
        <source>Copyright © 2026 the Clipmoor developers. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CloseConfirmDlg</name>
    <message>
        <location filename="../../app/closeconfirmdlg.cpp" line="66"/>
        <source>Clipmoor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/closeconfirmdlg.cpp" line="67"/>
        <source>Don&apos;t ask me again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/closeconfirmdlg.cpp" line="68"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/closeconfirmdlg.cpp" line="69"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CurlProxy</name>
    <message>
        <location filename="../../provision/curlproxy.cpp" line="74"/>
        <source>Failure writing output to destination.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../provision/curlproxy.cpp" line="76"/>
        <source>Unable to connect to the network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../provision/curlproxy.cpp" line="78"/>
        <source>connection was reset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../provision/curlproxy.cpp" line="82"/>
        <source>Unable to download or download timeout.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Global</name>
    <message>
        <location filename="../../app/guiutils.cpp" line="29"/>
        <source>File does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/guiutils.cpp" line="30"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/guiutils.cpp" line="34"/>
        <source>The file does not exist, want to remove it from the list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/guiutils.cpp" line="36"/>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/guiutils.cpp" line="36"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/guiutils.cpp" line="52"/>
        <source>&quot;%1&quot; does not exist, please change the save directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/guiutils.cpp" line="54"/>
        <source>Go to setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/guiutils.cpp" line="65"/>
        <source>Choose the download folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <location filename="../../app/languagesettings.cpp" line="41"/>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/languagesettings.cpp" line="42"/>
        <source>Italian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/languagesettings.cpp" line="43"/>
        <source>German</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/languagesettings.cpp" line="44"/>
        <source>French</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/languagesettings.cpp" line="45"/>
        <source>Spanish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/languagesettings.cpp" line="46"/>
        <source>Portuguese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/languagesettings.cpp" line="47"/>
        <source>Russian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/languagesettings.cpp" line="48"/>
        <source>Korean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/languagesettings.cpp" line="49"/>
        <source>Indonesian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/languagesettings.cpp" line="50"/>
        <source>Vietnamese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/languagesettings.cpp" line="51"/>
        <source>Hindi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/languagesettings.cpp" line="52"/>
        <source>Japanese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/languagesettings.cpp" line="53"/>
        <source>Chinese(Simplified)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/languagesettings.cpp" line="54"/>
        <source>Chinese(Traditional)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../../app/mainwindow.cpp" line="35"/>
        <source>Clipmoor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="38"/>
        <source>Downloads are saved to %1.
Download tool: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="39"/>
        <source>not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../app/main.cpp" line="70"/>
        <source>Clipmoor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/main.cpp" line="71"/>
        <source>Clipmoor cannot write to its data folder
%1

Downloads still work, but lists and settings will not be kept after you quit.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SniffMgr</name>
    <message>
        <location filename="../../engine/sniffmgr.cpp" line="215"/>
        <source>Download failed, saving the file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../engine/sniffmgr.cpp" line="270"/>
        <source>Please wait, saving the file...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpgradeDlg</name>
    <message>
        <location filename="../../app/upgradedlg.cpp" line="116"/>
        <source>A new version is available!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/upgradedlg.cpp" line="117"/>
        <source>Current version is up to date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/upgradedlg.cpp" line="118"/>
        <source>Fetch update info failed. Please retry later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/upgradedlg.cpp" line="119"/>
        <source>Waiting for checking...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/upgradedlg.cpp" line="135"/>
        <source>Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/upgradedlg.cpp" line="136"/>
        <source>Clipmoor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/upgradedlg.cpp" line="137"/>
        <source>Upgrade Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/upgradedlg.cpp" line="138"/>
        <source>Remind Me Later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../app/upgradedlg.cpp" line="146"/>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>protocol</name>
    <message>
        <location filename="../../engine/toolprotocol.cpp" line="360"/>
        <source>seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../engine/toolprotocol.cpp" line="363"/>
        <source>minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../engine/toolprotocol.cpp" line="365"/>
        <source>hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../engine/toolprotocol.cpp" line="367"/>
        <location filename="../../engine/toolprotocol.cpp" line="368"/>
        <source>remaining</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../engine/toolprotocol.cpp" line="387"/>
        <source>Converting</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
