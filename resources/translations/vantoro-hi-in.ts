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
    <name>Adaptation</name>
    <message>
        <source>Same as source</source>
        <translation>स्रोत के समान</translation>
    </message>
    <message>
        <source>High(4K)</source>
        <translation>उच्च(4K)</translation>
    </message>
    <message>
        <source>High(2K)</source>
        <translation>उच्च(2K)</translation>
    </message>
    <message>
        <source>High(1080P)</source>
        <translation>उच्च(1080P)</translation>
    </message>
    <message>
        <source>Middle(720P)</source>
        <translation>मध्यम(720P)</translation>
    </message>
    <message>
        <source>Middle(480P)</source>
        <translation>मध्यम(480P)</translation>
    </message>
    <message>
        <source>Low(360P)</source>
        <translation>निम्न(360P)</translation>
    </message>
    <message>
        <source>Low(240P)</source>
        <translation>निम्न(240P)</translation>
    </message>
    <message>
        <source>High(320Kb/s)</source>
        <translation>उच्च(320Kb/s)</translation>
    </message>
    <message>
        <source>High(256Kb/s)</source>
        <translation>उच्च(256Kb/s)</translation>
    </message>
    <message>
        <source>Middle(128Kb/s)</source>
        <translation>मध्यम(128Kb/s)</translation>
    </message>
    <message>
        <source>Low(64Kb/s)</source>
        <translation>निम्न(64Kb/s)</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>वीडियो</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>ऑडियो</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>गुणवत्ता:</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>म्यूट</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
</context>
<context>
    <name>AddSiteDlg</name>
    <message>
        <source>Add New</source>
        <translation>नया जोड़ें</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>शीर्षक</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
</context>
<context>
    <name>BrowserWindow</name>
    <message>
        <source>Home</source>
        <translation>होम</translation>
    </message>
    <message>
        <source>Go back in history</source>
        <translation>इतिहास में पीछे जाएँ</translation>
    </message>
    <message>
        <source>Go forward in history</source>
        <translation>इतिहास में आगे जाएँ</translation>
    </message>
    <message>
        <source>Stop loading this page</source>
        <translation>इस पेज का लोड होना रोकें</translation>
    </message>
    <message>
        <source>Reload this page</source>
        <translation>यह पेज फिर से लोड करें</translation>
    </message>
    <message>
        <source>Clear browsing data</source>
        <translation>ब्राउज़िंग डेटा साफ़ करें</translation>
    </message>
    <message>
        <source>Enter Video URL</source>
        <translation>वीडियो URL डालें</translation>
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
    <name>ConvMediaInfo</name>
    <message>
        <source>Unknown</source>
        <translation>अज्ञात</translation>
    </message>
</context>
<context>
    <name>ConvertTask</name>
    <message>
        <source>The file does not exist</source>
        <translation>फ़ाइल मौजूद नहीं है</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>%1 में नहीं लिखा जा सकता</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>बदले जा रहे</translation>
    </message>
    <message>
        <source>The conversion tool failed (%1)</source>
        <translation>रूपांतरण टूल विफल रहा (%1)</translation>
    </message>
    <message>
        <source>The conversion tool did not say where the file is</source>
        <translation>रूपांतरण टूल ने फ़ाइल का स्थान नहीं बताया</translation>
    </message>
    <message>
        <source>Cannot move the converted file to %1</source>
        <translation>रूपांतरित फ़ाइल को %1 में नहीं ले जाया जा सका</translation>
    </message>
    <message>
        <source>The conversion tool could not be started</source>
        <translation>रूपांतरण टूल शुरू नहीं हो सका</translation>
    </message>
    <message>
        <source>The conversion tool ended unexpectedly</source>
        <translation>रूपांतरण टूल अप्रत्याशित रूप से बंद हो गया</translation>
    </message>
</context>
<context>
    <name>ConvertedDelegate</name>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>फ़ाइल दिखाएँ</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>चलाएँ</translation>
    </message>
</context>
<context>
    <name>ConvertedPage</name>
    <message>
        <source>Delete Selected</source>
        <translation>चयनित हटाएँ</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>खोजें</translation>
    </message>
    <message>
        <source>Converted files appear here.</source>
        <translation>बदली गई फ़ाइलें यहाँ दिखती हैं।</translation>
    </message>
    <message>
        <source>Are you sure to delete this item?</source>
        <translation>क्या आप यह आइटम हटाना चाहते हैं?</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you selected?</source>
        <translation>क्या आप चयनित आइटम हटाना चाहते हैं?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>फ़ाइल दिखाएँ</translation>
    </message>
</context>
<context>
    <name>ConvertingDelegate</name>
    <message>
        <source>Waiting to convert...</source>
        <translation>रूपांतरण की प्रतीक्षा...</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>बदले जा रहे</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>पूर्ण</translation>
    </message>
    <message>
        <source>Convert failed.</source>
        <translation>रूपांतरण विफल।</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>रूपांतरण</translation>
    </message>
</context>
<context>
    <name>ConvertingPage</name>
    <message>
        <source>Add Files</source>
        <translation>फ़ाइलें जोड़ें</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>फ़ाइल दिखाएँ</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>सभी हटाएँ</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>सभी रूपांतरित करें</translation>
    </message>
    <message>
        <source>Click Here to Add Files or Drag Files Here</source>
        <translation>फ़ाइलें जोड़ने के लिए यहाँ क्लिक करें या फ़ाइलें यहाँ खींचें</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Are you sure to delete the Converting tasks which you selected?</source>
        <translation>क्या आप चयनित रूपांतरण कार्य हटाना चाहते हैं?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the Converting queue?</source>
        <translation>क्या आप रूपांतरण कतार से सभी कार्य हटाना चाहते हैं?</translation>
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
    <name>DeleteConfirmDlg</name>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Delete original file(s) as well.</source>
        <translation>मूल फ़ाइल(ें) भी हटाएँ।</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
</context>
<context>
    <name>DesktopBridge</name>
    <message>
        <source>A private download</source>
        <translation>एक निजी डाउनलोड</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>डाउनलोड विफल</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>डाउनलोड पूरा हुआ</translation>
    </message>
    <message>
        <source>Conversion failed</source>
        <translation>रूपांतरण विफल</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>रूपांतरण पूरा हुआ</translation>
    </message>
</context>
<context>
    <name>DoneTaskWidget</name>
    <message>
        <source>Play</source>
        <translation>चलाएँ</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>फ़ाइल दिखाएँ</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>अज्ञात</translation>
    </message>
    <message>
        <source>Lyrics</source>
        <translation>गीत के बोल</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>उपशीर्षक</translation>
    </message>
    <message>
        <source>The Filename is Empty and Cannot Be Saved.</source>
        <translation>फ़ाइल का नाम खाली है, इसलिए सहेजा नहीं जा सकता।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Do You Want to Rename "%1" to "%2"? This Location Already Contains a File with the Same Name.</source>
        <translation>क्या आप "%1" का नाम बदलकर "%2" करना चाहते हैं? इस स्थान पर इसी नाम की फ़ाइल पहले से है।</translation>
    </message>
    <message>
        <source>No</source>
        <translation>नहीं</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>हाँ</translation>
    </message>
</context>
<context>
    <name>DownloadFailedDlg</name>
    <message>
        <source>Download failed</source>
        <translation>डाउनलोड विफल</translation>
    </message>
    <message>
        <source>Cause of failure:

1. The URL you copied does not support downloading.

2. The URL is not a qualified video or audio link.

3. The URL is a website link.

4. The URL needs a premium to preview.</source>
        <translation>विफलता के कारण:

1. कॉपी किया गया URL डाउनलोड का समर्थन नहीं करता।

2. URL मान्य वीडियो या ऑडियो लिंक नहीं है।

3. URL एक वेबसाइट लिंक है।

4. URL देखने के लिए प्रीमियम चाहिए।</translation>
    </message>
    <message>
        <source>Note:

1. Please ensure that the network is stable, click the Retry button to parse it again.

2. The link format is not the normal way, please re-enter and download.

3. If it still fails, please view and try to download in built-in browser.</source>
        <translation>नोट:

1. नेटवर्क स्थिर रखें और फिर से पार्स करने के लिए "फिर से प्रयास करें" बटन दबाएँ।

2. लिंक का प्रारूप सामान्य नहीं है, कृपया दोबारा दर्ज करके डाउनलोड करें।

3. यदि फिर भी विफल हो, तो इसे बिल्ट-इन ब्राउज़र में खोलकर डाउनलोड करें।</translation>
    </message>
    <message>
        <source>Download in Built-in Browser</source>
        <translation>बिल्ट-इन ब्राउज़र में डाउनलोड करें</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>कारण: %1</translation>
    </message>
</context>
<context>
    <name>DownloadTaskWidget</name>
    <message>
        <source>Waiting for parsing...</source>
        <translation>विश्लेषण की प्रतीक्षा...</translation>
    </message>
    <message>
        <source>Waiting for downloading...</source>
        <translation>डाउनलोड की प्रतीक्षा...</translation>
    </message>
    <message>
        <source>&lt;font color=%1&gt;Download failed, &lt;a style='color: %2;' href="none"&gt;please view and try to download in build-in browser&lt;/a&gt;.&lt;/font&gt;</source>
        <translation>&lt;font color=%1&gt;डाउनलोड विफल, &lt;a style='color: %2;' href="none"&gt;कृपया बिल्ट-इन ब्राउज़र में खोलकर डाउनलोड करें&lt;/a&gt;।&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Analyzing...</source>
        <translation>विश्लेषण हो रहा है...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>रोकें</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>लाइव</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>डाउनलोड हो रहे</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>प्रतीक्षा में</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>रोका गया</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>सहेजा जा रहा है...</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>डाउनलोड पूरा हुआ</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>रोकें</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>शुरू करें</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>फिर से प्रयास करें</translation>
    </message>
    <message>
        <source>Stalled, retrying...</source>
        <translation>रुका हुआ, फिर से प्रयास हो रहा है...</translation>
    </message>
</context>
<context>
    <name>DownloadedPage</name>
    <message>
        <source>Show the File</source>
        <translation>फ़ाइल दिखाएँ</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>खोजें</translation>
    </message>
    <message>
        <source>All</source>
        <translation>सभी</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>निजी</translation>
    </message>
    <message>
        <source>Still No File Downloaded, Please Start Downloading</source>
        <translation>अभी तक कोई फ़ाइल डाउनलोड नहीं हुई, कृपया डाउनलोड शुरू करें</translation>
    </message>
    <message>
        <source>&lt;a style='color: %1;' href="%2"&gt;Cannot find the file from Private Space?&lt;/a&gt;</source>
        <translation>&lt;a style='color: %1;' href="%2"&gt;निजी स्पेस में फ़ाइल नहीं मिल रही?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The Filename is Invalid.</source>
        <translation>फ़ाइल का नाम अमान्य है।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>चलाएँ</translation>
    </message>
    <message>
        <source>Modify File Name</source>
        <translation>फ़ाइल का नाम बदलें</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>सभी हटाएँ</translation>
    </message>
    <message>
        <source>Move to Private List</source>
        <translation>निजी सूची में ले जाएँ</translation>
    </message>
    <message>
        <source>Move Out</source>
        <translation>बाहर निकालें</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>URL कॉपी करें</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>स्रोत पेज पर जाएँ</translation>
    </message>
    <message>
        <source>Save to Dropbox</source>
        <translation>Dropbox में सहेजें</translation>
    </message>
    <message>
        <source>Save to Google Drive</source>
        <translation>Google Drive में सहेजें</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you select?</source>
        <translation>क्या आप चुने गए आइटम हटाना चाहते हैं?</translation>
    </message>
    <message>
        <source>Are you sure to delete all the items?</source>
        <translation>क्या आप सभी आइटम हटाना चाहते हैं?</translation>
    </message>
    <message>
        <source>No downloaded file matches "%1".</source>
        <translation>कोई डाउनलोड की गई फ़ाइल "%1" से मेल नहीं खाती।</translation>
    </message>
</context>
<context>
    <name>DownloadingPage</name>
    <message>
        <source>Original Video</source>
        <translation>मूल वीडियो</translation>
    </message>
    <message>
        <source>Original Audio</source>
        <translation>मूल ऑडियो</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>URL चिपकाएँ</translation>
    </message>
    <message>
        <source>Resume all</source>
        <translation>सभी फिर से शुरू करें</translation>
    </message>
    <message>
        <source>Pause all</source>
        <translation>सभी रोकें</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>सभी हटाएँ</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>गति</translation>
    </message>
    <message>
        <source>&lt;a style='color:%1;' href="none"&gt;Supported Sites&lt;/a&gt;</source>
        <translation>&lt;a style='color:%1;' href="none"&gt;समर्थित साइटें&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>टर्बो</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>डाउनलोड</translation>
    </message>
    <message>
        <source>Download then Convert to</source>
        <translation>डाउनलोड के बाद इसमें बदलें</translation>
    </message>
    <message>
        <source>Wanna download Premium videos?
Please sign in to your account in "Online" section, then click "Download" button to get it.</source>
        <translation>प्रीमियम वीडियो डाउनलोड करना चाहते हैं?
कृपया "ऑनलाइन" अनुभाग में अपने खाते में साइन इन करें, फिर "डाउनलोड" बटन दबाएँ।</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>No url find in the paste board.</source>
        <translation>क्लिपबोर्ड में कोई URL नहीं मिला।</translation>
    </message>
    <message>
        <source>This video is part of the playlist. Do you want to download the clip only or download all playlist?</source>
        <translation>यह वीडियो एक प्लेलिस्ट का हिस्सा है। क्या आप केवल यह क्लिप या पूरी प्लेलिस्ट डाउनलोड करना चाहते हैं?</translation>
    </message>
    <message>
        <source>Download playlist</source>
        <translation>प्लेलिस्ट डाउनलोड करें</translation>
    </message>
    <message>
        <source>Download clip</source>
        <translation>क्लिप डाउनलोड करें</translation>
    </message>
    <message>
        <source>%1 exists task has been skipped.</source>
        <translation>%1 मौजूदा कार्य छोड़ा गया।</translation>
    </message>
    <message>
        <source>%1 exists tasks have been skipped.</source>
        <translation>%1 मौजूदा कार्य छोड़े गए।</translation>
    </message>
    <message>
        <source>Download MP3</source>
        <translation>MP3 डाउनलोड करें</translation>
    </message>
    <message>
        <source>Multiple URLs</source>
        <translation>कई URL</translation>
    </message>
    <message>
        <source>Download Playlist</source>
        <translation>प्लेलिस्ट डाउनलोड करें</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>रोकें</translation>
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
        <source>Delete All</source>
        <translation>सभी हटाएँ</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>URL कॉपी करें</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>स्रोत पेज पर जाएँ</translation>
    </message>
    <message>
        <source>Are you sure to delete the downloading tasks which you select?</source>
        <translation>क्या आप चुने गए डाउनलोड कार्य हटाना चाहते हैं?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the downloading queue?</source>
        <translation>क्या आप डाउनलोड कतार के सभी कार्य हटाना चाहते हैं?</translation>
    </message>
    <message>
        <source>This File Has Already Been Downloaded. Download It Again?</source>
        <translation>यह फ़ाइल पहले ही डाउनलोड हो चुकी है। क्या इसे फिर से डाउनलोड करें?</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>फिर से डाउनलोड करें</translation>
    </message>
    <message>
        <source>This page has %1 videos. Do you want to download all of them, or only the first one?</source>
        <translation>इस पेज पर %1 वीडियो हैं। क्या आप सभी डाउनलोड करना चाहते हैं, या केवल पहला?</translation>
    </message>
    <message>
        <source>First Only</source>
        <translation>केवल पहला</translation>
    </message>
    <message>
        <source>Download All</source>
        <translation>सभी डाउनलोड करें</translation>
    </message>
    <message>
        <source>This address is already being downloaded in the same format:</source>
        <translation>यह पता पहले से ही उसी प्रारूप में डाउनलोड हो रहा है:</translation>
    </message>
</context>
<context>
    <name>FailedfilenameDialog</name>
    <message>
        <source>Failed</source>
        <translation>विफल</translation>
    </message>
    <message>
        <source>Failed to add files:</source>
        <translation>ये फ़ाइलें नहीं जोड़ी जा सकीं:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
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
        <source>No application on this computer can open the file:
%1</source>
        <translation>इस कंप्यूटर पर कोई भी ऐप्लिकेशन यह फ़ाइल नहीं खोल सकता:
%1</translation>
    </message>
    <message>
        <source>No file manager on this computer can show the file:
%1</source>
        <translation>इस कंप्यूटर पर कोई भी फ़ाइल मैनेजर यह फ़ाइल नहीं दिखा सकता:
%1</translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>Save a picture of the main window once it has started, then quit.</source>
        <translation>शुरू होने के बाद मुख्य विंडो का चित्र सहेजें, फिर बंद करें।</translation>
    </message>
    <message>
        <source>file</source>
        <translation>फ़ाइल</translation>
    </message>
    <message>
        <source>Could not save the picture %1</source>
        <translation>चित्र %1 सहेजा नहीं जा सका</translation>
    </message>
    <message>
        <source>Web addresses (http or https) to download, as if pasted.</source>
        <translation>डाउनलोड करने के लिए वेब पते (http या https), जैसे चिपकाए गए हों।</translation>
    </message>
</context>
<context>
    <name>LoadFileOperator</name>
    <message>
        <source>cannot read</source>
        <translation>पढ़ी नहीं जा सकती</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>खाली</translation>
    </message>
    <message>
        <source>not a media file</source>
        <translation>मीडिया फ़ाइल नहीं</translation>
    </message>
    <message>
        <source>cannot be inspected</source>
        <translation>जाँची नहीं जा सकती</translation>
    </message>
</context>
<context>
    <name>LoadFilesDlg</name>
    <message>
        <source>Adding files...</source>
        <translation>फ़ाइलें जोड़ी जा रही हैं...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>कृपया प्रतीक्षा करें...</translation>
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
    <message>
        <source>Clipmoor was stopped while it read its download lists last time. The lists it was reading start empty; their files are kept as:
%1</source>
        <translation>पिछली बार Clipmoor अपनी डाउनलोड सूचियाँ पढ़ते समय बंद हो गया था। जो सूचियाँ पढ़ी जा रही थीं वे खाली शुरू होती हैं; उनकी फ़ाइलें इस नाम से रखी गई हैं:
%1</translation>
    </message>
    <message>
        <source>Clipmoor downloads web addresses only (starting with http:// or https://). Not taken:
%1</source>
        <translation>Clipmoor केवल वेब पते (http:// या https:// से शुरू होने वाले) डाउनलोड करता है। स्वीकार नहीं किए गए:
%1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Clipmoor keeps trying for a few seconds before it quits.</source>
        <translation>Clipmoor बंद होने से पहले कुछ सेकंड तक कोशिश करता रहता है।</translation>
    </message>
</context>
<context>
    <name>PasteInputDlg</name>
    <message>
        <source>Multiple URLs</source>
        <translation>कई URL</translation>
    </message>
    <message>
        <source>Paste the URLs(one per line):</source>
        <translation>URL चिपकाएँ (हर पंक्ति में एक):</translation>
    </message>
    <message>
        <source>Input web page url...</source>
        <translation>वेब पेज का URL दर्ज करें...</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>डाउनलोड</translation>
    </message>
</context>
<context>
    <name>PlaylistConfirmDlg</name>
    <message>
        <source>Best</source>
        <translation>सर्वश्रेष्ठ</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>नए पहले</translation>
    </message>
    <message>
        <source>Oldest first</source>
        <translation>पुराने पहले</translation>
    </message>
    <message>
        <source>Confirm Playlist</source>
        <translation>प्लेलिस्ट की पुष्टि करें</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>शीर्षक</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>डाउनलोड:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>वीडियो</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>ऑडियो</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>गुणवत्ता:</translation>
    </message>
    <message>
        <source>Add numerical order to the file name.</source>
        <translation>फ़ाइल नाम में क्रम संख्या जोड़ें।</translation>
    </message>
    <message>
        <source>Skip Downloaded</source>
        <translation>डाउनलोड किए गए छोड़ें</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>डाउनलोड</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Please be patient, the more videos in your playlist,the longer you will wait.</source>
        <translation>कृपया धैर्य रखें, प्लेलिस्ट में जितने अधिक वीडियो होंगे, उतनी अधिक प्रतीक्षा होगी।</translation>
    </message>
    <message>
        <source>Analysis failed. Please try again later.</source>
        <translation>विश्लेषण विफल रहा। कृपया बाद में फिर से प्रयास करें।</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>फिर से प्रयास करें</translation>
    </message>
</context>
<context>
    <name>PreferencesDlg</name>
    <message>
        <source>Best</source>
        <translation>सर्वश्रेष्ठ</translation>
    </message>
    <message>
        <source>English</source>
        <translation>अंग्रेज़ी</translation>
    </message>
    <message>
        <source>German</source>
        <translation>जर्मन</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>स्पेनिश</translation>
    </message>
    <message>
        <source>French</source>
        <translation>फ़्रेंच</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>इतालवी</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>जापानी</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>पुर्तगाली</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>अरबी</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>रूसी</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>डच</translation>
    </message>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>चीनी (सरलीकृत)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>चीनी (पारंपरिक)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>पोलिश</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>इंडोनेशियाई</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>कोरियाई</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>तुर्की</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>प्राथमिकताएँ</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>डाउनलोड</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>कनेक्शन</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>रूपांतरण</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>रीसेट करें</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>लागू करें</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>बदलें</translation>
    </message>
    <message>
        <source>The maximum number of downloading tasks:</source>
        <translation>एक साथ डाउनलोड कार्यों की अधिकतम संख्या:</translation>
    </message>
    <message>
        <source>Quality Setting:</source>
        <translation>गुणवत्ता सेटिंग:</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>डाउनलोड:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>वीडियो</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>ऑडियो</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>गुणवत्ता:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>उपशीर्षक:</translation>
    </message>
    <message>
        <source>Auto download Subtitles/Lyrics</source>
        <translation>उपशीर्षक/बोल अपने आप डाउनलोड करें</translation>
    </message>
    <message>
        <source>Auto resume unfinished tasks on startup</source>
        <translation>शुरू होने पर अधूरे कार्य अपने आप फिर से शुरू करें</translation>
    </message>
    <message>
        <source>Allow to read Cookies from Firefox/Chrome</source>
        <translation>Firefox/Chrome से कुकीज़ पढ़ने दें</translation>
    </message>
    <message>
        <source>Save downloaded files to:</source>
        <translation>डाउनलोड की गई फ़ाइलें यहाँ सहेजें:</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>डाउनलोड गति</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>टर्बो</translation>
    </message>
    <message>
        <source>Eable proxy</source>
        <translation>प्रॉक्सी चालू करें</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>HTTP प्रॉक्सी</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>पोर्ट</translation>
    </message>
    <message>
        <source>Authorization required</source>
        <translation>प्रमाणीकरण आवश्यक</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>लॉगिन</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>पासवर्ड</translation>
    </message>
    <message>
        <source>The maximum number of converting tasks:</source>
        <translation>एक साथ रूपांतरण कार्यों की अधिकतम संख्या:</translation>
    </message>
    <message>
        <source>Save converted files to:</source>
        <translation>रूपांतरित फ़ाइलें यहाँ सहेजें:</translation>
    </message>
    <message>
        <source>Lyric:</source>
        <translation>बोल:</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>फ़ोल्डर चुनें</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics</source>
        <translation>अनाम उपयोग आँकड़े भेजें</translation>
    </message>
    <message>
        <source>Tell me on the desktop when a download or conversion ends</source>
        <translation>डाउनलोड या रूपांतरण समाप्त होने पर डेस्कटॉप पर मुझे बताएँ</translation>
    </message>
    <message>
        <source>Check certificates of download sites</source>
        <translation>डाउनलोड साइटों के प्रमाणपत्र जाँचें</translation>
    </message>
    <message>
        <source>Warning: without this check, anyone on the way between you and a site can pose as the site and change what you download.</source>
        <translation>चेतावनी: इस जाँच के बिना, आपके और किसी साइट के बीच मौजूद कोई भी व्यक्ति उस साइट का रूप धरकर आपके डाउनलोड को बदल सकता है।</translation>
    </message>
</context>
<context>
    <name>PrivateListDlg</name>
    <message>
        <source>Private List</source>
        <translation>निजी सूची</translation>
    </message>
    <message>
        <source>Please Enter Password to Lock Private Space</source>
        <translation>निजी स्थान को लॉक करने के लिए पासवर्ड दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Password to Unlock Private Space</source>
        <translation>निजी स्थान को अनलॉक करने के लिए पासवर्ड दर्ज करें</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>पासवर्ड दर्ज करें</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>पासवर्ड दिखाएँ या छिपाएँ</translation>
    </message>
    <message>
        <source>Do not show thumbnails of adult videos</source>
        <translation>वयस्क वीडियो के थंबनेल न दिखाएँ</translation>
    </message>
    <message>
        <source>Save adult videos as hidden</source>
        <translation>वयस्क वीडियो को छिपी फ़ाइल के रूप में सहेजें</translation>
    </message>
    <message>
        <source>Remember the password before restart %1</source>
        <translation>%1 के पुनः आरंभ होने तक पासवर्ड याद रखें</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>लॉक करें</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>अनलॉक करें</translation>
    </message>
    <message>
        <source>Password error.</source>
        <translation>पासवर्ड गलत है।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Enter the password again</source>
        <translation>पासवर्ड फिर से दर्ज करें</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>पासवर्ड मेल नहीं खाते।</translation>
    </message>
</context>
<context>
    <name>PrivateModeButton</name>
    <message>
        <source>Turn off Private Mode</source>
        <translation>निजी मोड बंद करें</translation>
    </message>
    <message>
        <source>Turn on Private Mode</source>
        <translation>निजी मोड चालू करें</translation>
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
    <message>
        <source>Clipmoor is already running; no picture was taken.</source>
        <translation>Clipmoor पहले से चल रहा है; कोई चित्र नहीं लिया गया।</translation>
    </message>
    <message>
        <source>The built-in browser cannot start.
%1

Pasting addresses on the downloading page still works.</source>
        <translation>बिल्ट-इन ब्राउज़र शुरू नहीं हो सकता।
%1

डाउनलोड पेज पर पते चिपकाना अब भी काम करता है।</translation>
    </message>
    <message>
        <source>Clipmoor is running but did not take the addresses.</source>
        <translation>Clipmoor चल रहा है, लेकिन उसने पते स्वीकार नहीं किए।</translation>
    </message>
</context>
<context>
    <name>SaveHealth</name>
    <message>
        <source>Clipmoor cannot save its lists: no space left on %1</source>
        <translation>Clipmoor अपनी सूचियाँ सहेज नहीं सकता: %1 पर जगह नहीं बची</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 is not writable</source>
        <translation>Clipmoor अपनी सूचियाँ सहेज नहीं सकता: %1 में लिखा नहीं जा सकता</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 does not exist</source>
        <translation>Clipmoor अपनी सूचियाँ सहेज नहीं सकता: %1 मौजूद नहीं है</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists in %1: %2</source>
        <translation>Clipmoor %1 में अपनी सूचियाँ सहेज नहीं सकता: %2</translation>
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
    <message>
        <source>Retry</source>
        <translation>फिर से प्रयास करें</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>WebElement</name>
    <message>
        <source>Add New</source>
        <translation>नया जोड़ें</translation>
    </message>
</context>
<context>
    <name>WebHomePage</name>
    <message>
        <source>Reset</source>
        <translation>रीसेट करें</translation>
    </message>
</context>
<context>
    <name>platform::DesktopNotifications</name>
    <message>
        <source>Show</source>
        <translation>दिखाएँ</translation>
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
    <message>
        <source>The download folder cannot be written to</source>
        <translation>डाउनलोड फ़ोल्डर में लिखा नहीं जा सकता</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>डिस्क भर गई है</translation>
    </message>
    <message>
        <source>The video was not found on the site</source>
        <translation>साइट पर वीडियो नहीं मिला</translation>
    </message>
    <message>
        <source>The site refused the download</source>
        <translation>साइट ने डाउनलोड अस्वीकार कर दिया</translation>
    </message>
    <message>
        <source>The site had a server error</source>
        <translation>साइट पर सर्वर त्रुटि हुई</translation>
    </message>
    <message>
        <source>The site refused the connection</source>
        <translation>साइट ने कनेक्शन अस्वीकार कर दिया</translation>
    </message>
    <message>
        <source>The site could not be found</source>
        <translation>साइट नहीं मिली</translation>
    </message>
    <message>
        <source>The connection timed out</source>
        <translation>कनेक्शन का समय समाप्त हो गया</translation>
    </message>
    <message>
        <source>The download stalled</source>
        <translation>डाउनलोड रुक गया</translation>
    </message>
    <message>
        <source>The download was cut short</source>
        <translation>डाउनलोड बीच में कट गया</translation>
    </message>
    <message>
        <source>This address is not supported</source>
        <translation>यह पता समर्थित नहीं है</translation>
    </message>
    <message>
        <source>The download tool stopped unexpectedly</source>
        <translation>डाउनलोड टूल अचानक बंद हो गया</translation>
    </message>
    <message>
        <source>The download was interrupted</source>
        <translation>डाउनलोड बाधित हुआ</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>डाउनलोड विफल रहा</translation>
    </message>
</context>
<context>
    <name>safesave</name>
    <message>
        <source>Not enough free space in %1: %2 MB free, %3 MB needed</source>
        <translation>%1 में पर्याप्त खाली जगह नहीं: %2 MB खाली, %3 MB चाहिए</translation>
    </message>
</context>
</TS>