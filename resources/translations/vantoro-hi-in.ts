<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="hi_IN">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About</source>
        <translation>परिचय</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>संस्करण: </translation>
    </message>
    <message>
        <source>Clipmoor is made by a small team who want saving a video to be as simple as pasting its address.</source>
        <translation>Clipmoor एक छोटी टीम बनाती है जो चाहती है कि वीडियो सहेजना उसका पता चिपकाने जितना आसान हो।</translation>
    </message>
    <message>
        <source>To learn more please visit: </source>
        <translation>अधिक जानने के लिए देखें: </translation>
    </message>
    <message>
        <source>Copyright © 2026 the Clipmoor developers. All rights reserved.</source>
        <translation>कॉपीराइट © 2026 Clipmoor डेवलपर। सर्वाधिकार सुरक्षित।</translation>
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
        <translation>फिर से न पूछें</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>CurlProxy</name>
    <message>
        <source>Failure writing output to destination.</source>
        <translation>गंतव्य पर लिखा नहीं जा सका।</translation>
    </message>
    <message>
        <source>Unable to connect to the network.</source>
        <translation>नेटवर्क से कनेक्ट नहीं हो सका।</translation>
    </message>
    <message>
        <source>connection was reset.</source>
        <translation>कनेक्शन रीसेट हो गया।</translation>
    </message>
    <message>
        <source>Unable to download or download timeout.</source>
        <translation>डाउनलोड नहीं हो सका या समय समाप्त हो गया।</translation>
    </message>
</context>
<context>
    <name>Global</name>
    <message>
        <source>File does not exist.</source>
        <translation>फ़ाइल मौजूद नहीं है।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>The file does not exist, want to remove it from the list?</source>
        <translation>फ़ाइल मौजूद नहीं है, क्या इसे सूची से हटाना है?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>"%1" does not exist, please change the save directory</source>
        <translation>"%1" मौजूद नहीं है, कृपया सहेजने का फ़ोल्डर बदलें</translation>
    </message>
    <message>
        <source>Go to setting</source>
        <translation>सेटिंग पर जाएँ</translation>
    </message>
    <message>
        <source>Choose the download folder</source>
        <translation>डाउनलोड फ़ोल्डर चुनें</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>English</source>
        <translation>अंग्रेज़ी</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>इतालवी</translation>
    </message>
    <message>
        <source>German</source>
        <translation>जर्मन</translation>
    </message>
    <message>
        <source>French</source>
        <translation>फ़्रेंच</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>स्पेनिश</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>पुर्तगाली</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>रूसी</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>कोरियाई</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>इंडोनेशियाई</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>वियतनामी</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>हिन्दी</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>जापानी</translation>
    </message>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>चीनी (सरलीकृत)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>चीनी (पारंपरिक)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Downloading</source>
        <translation>डाउनलोड हो रहे</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>डाउनलोड हो चुके</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>ऑनलाइन</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>बदले जा रहे</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>बदले गए</translation>
    </message>
    <message>
        <source>Paste a video address to start downloading.</source>
        <translation>डाउनलोड शुरू करने के लिए वीडियो का पता चिपकाएँ।</translation>
    </message>
    <message>
        <source>Finished downloads appear here.</source>
        <translation>पूरे हुए डाउनलोड यहाँ दिखते हैं।</translation>
    </message>
    <message>
        <source>The built-in browser opens here.</source>
        <translation>बिल्ट-इन ब्राउज़र यहाँ खुलता है।</translation>
    </message>
    <message>
        <source>Add media files here to convert them.</source>
        <translation>बदलने के लिए मीडिया फ़ाइलें यहाँ जोड़ें।</translation>
    </message>
    <message>
        <source>Converted files appear here.</source>
        <translation>बदली गई फ़ाइलें यहाँ दिखती हैं।</translation>
    </message>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>प्राथमिकताएँ</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>मेनू</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>ऐप्लिकेशन</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>भाषाएँ</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>डाउनलोड</translation>
    </message>
    <message>
        <source>File</source>
        <translation>फ़ाइल</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>सहायता</translation>
    </message>
    <message>
        <source>About</source>
        <translation>परिचय</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>अपडेट जाँचें</translation>
    </message>
    <message>
        <source>Open Downloaded Folder</source>
        <translation>डाउनलोड फ़ोल्डर खोलें</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>URL चिपकाएँ</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>रोकें</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>फिर शुरू करें</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>गाइड</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>सामान्य प्रश्न</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>लॉग फ़ोल्डर खोलें</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>बाहर निकलें(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>पुनर्स्थापित करें(&amp;R)</translation>
    </message>
    <message>
        <source>Some tasks are in progress, are you sure you want to quit?</source>
        <translation>कुछ कार्य चल रहे हैं, क्या आप सच में बाहर निकलना चाहते हैं?</translation>
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
        <translation>Clipmoor अपने डेटा फ़ोल्डर में नहीं लिख सकता
%1

डाउनलोड चलते रहेंगे, पर बाहर निकलने के बाद सूचियाँ और सेटिंग नहीं बचेंगी।</translation>
    </message>
</context>
<context>
    <name>SniffMgr</name>
    <message>
        <source>Download failed, saving the file...</source>
        <translation>डाउनलोड विफल, फ़ाइल सहेजी जा रही है...</translation>
    </message>
    <message>
        <source>Please wait, saving the file...</source>
        <translation>कृपया प्रतीक्षा करें, फ़ाइल सहेजी जा रही है...</translation>
    </message>
</context>
<context>
    <name>UpgradeDlg</name>
    <message>
        <source>A new version is available!</source>
        <translation>नया संस्करण उपलब्ध है!</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>आपका संस्करण नवीनतम है।</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>अपडेट जानकारी नहीं मिल सकी। बाद में फिर प्रयास करें।</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>जाँच की प्रतीक्षा...</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>अपग्रेड</translation>
    </message>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>अभी अपग्रेड करें</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>बाद में याद दिलाएँ</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>संस्करण: %1 | आकार: %2 | रिलीज़ तिथि: %3</translation>
    </message>
</context>
<context>
    <name>protocol</name>
    <message>
        <source>seconds</source>
        <translation>सेकंड</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>मिनट</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>घंटे</translation>
    </message>
    <message>
        <source>remaining</source>
        <translation>शेष</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>बदला जा रहा है</translation>
    </message>
</context>
</TS>