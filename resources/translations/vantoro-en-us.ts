<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version: </translation>
    </message>
    <message>
        <source>Clipmoor is made by a small team who want saving a video to be as simple as pasting its address.</source>
        <translation>Clipmoor is made by a small team who want saving a video to be as easy as pasting its address.</translation>
    </message>
    <message>
        <source>To learn more please visit: </source>
        <translation>To learn more, please visit: </translation>
    </message>
    <message>
        <source>Copyright © 2026 the Clipmoor developers. All rights reserved.</source>
        <translation>Copyright © 2026 the Clipmoor developers. All rights reserved.</translation>
    </message>
</context>
<context>
    <name>Adaptation</name>
    <message>
        <source>Same as source</source>
        <translation>Same as source</translation>
    </message>
    <message>
        <source>High(4K)</source>
        <translation>High (4K)</translation>
    </message>
    <message>
        <source>High(2K)</source>
        <translation>High (2K)</translation>
    </message>
    <message>
        <source>High(1080P)</source>
        <translation>High (1080P)</translation>
    </message>
    <message>
        <source>Middle(720P)</source>
        <translation>Middle (720P)</translation>
    </message>
    <message>
        <source>Middle(480P)</source>
        <translation>Middle (480P)</translation>
    </message>
    <message>
        <source>Low(360P)</source>
        <translation>Low (360P)</translation>
    </message>
    <message>
        <source>Low(240P)</source>
        <translation>Low (240P)</translation>
    </message>
    <message>
        <source>High(320Kb/s)</source>
        <translation>High (320Kb/s)</translation>
    </message>
    <message>
        <source>High(256Kb/s)</source>
        <translation>High (256Kb/s)</translation>
    </message>
    <message>
        <source>Middle(128Kb/s)</source>
        <translation>Middle (128Kb/s)</translation>
    </message>
    <message>
        <source>Low(64Kb/s)</source>
        <translation>Low (64Kb/s)</translation>
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
        <translation>Quality:</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>AddSiteDlg</name>
    <message>
        <source>Add New</source>
        <translation>Add New</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Go back in history</translation>
    </message>
    <message>
        <source>Go forward in history</source>
        <translation>Go forward in history</translation>
    </message>
    <message>
        <source>Stop loading this page</source>
        <translation>Stop loading this page</translation>
    </message>
    <message>
        <source>Reload this page</source>
        <translation>Reload this page</translation>
    </message>
    <message>
        <source>Clear browsing data</source>
        <translation>Clear browsing data</translation>
    </message>
    <message>
        <source>Enter Video URL</source>
        <translation>Enter Video URL</translation>
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
        <translation>Don't ask me again</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Unknown</translation>
    </message>
</context>
<context>
    <name>ConvertTask</name>
    <message>
        <source>The file does not exist</source>
        <translation>The file does not exist</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>Cannot write to %1</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Converting</translation>
    </message>
    <message>
        <source>The conversion tool failed (%1)</source>
        <translation>The conversion tool failed (%1)</translation>
    </message>
    <message>
        <source>The conversion tool did not say where the file is</source>
        <translation>The conversion tool did not say where the file is</translation>
    </message>
    <message>
        <source>Cannot move the converted file to %1</source>
        <translation>Cannot move the converted file to %1</translation>
    </message>
    <message>
        <source>The conversion tool could not be started</source>
        <translation>The conversion tool could not be started</translation>
    </message>
    <message>
        <source>The conversion tool ended unexpectedly</source>
        <translation>The conversion tool ended unexpectedly</translation>
    </message>
</context>
<context>
    <name>ConvertedDelegate</name>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Show the File</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
</context>
<context>
    <name>ConvertedPage</name>
    <message>
        <source>Delete Selected</source>
        <translation>Delete Selected</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Converted files appear here.</source>
        <translation>Converted files appear here.</translation>
    </message>
    <message>
        <source>Are you sure to delete this item?</source>
        <translation>Are you sure you want to delete this item?</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you selected?</source>
        <translation>Are you sure you want to delete the selected items?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Show the File</translation>
    </message>
</context>
<context>
    <name>ConvertingDelegate</name>
    <message>
        <source>Waiting to convert...</source>
        <translation>Waiting to convert...</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Converting</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>Finished</translation>
    </message>
    <message>
        <source>Convert failed.</source>
        <translation>Conversion failed.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convert</translation>
    </message>
</context>
<context>
    <name>ConvertingPage</name>
    <message>
        <source>Add Files</source>
        <translation>Add Files</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Show the File</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Delete All</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Convert All</translation>
    </message>
    <message>
        <source>Click Here to Add Files or Drag Files Here</source>
        <translation>Click Here to Add Files or Drag Files Here</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Are you sure to delete the Converting tasks which you selected?</source>
        <translation>Are you sure you want to delete the selected conversions?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the Converting queue?</source>
        <translation>Are you sure you want to delete all of the tasks from the Converting queue?</translation>
    </message>
</context>
<context>
    <name>CurlProxy</name>
    <message>
        <source>Failure writing output to destination.</source>
        <translation>Failure writing output to destination.</translation>
    </message>
    <message>
        <source>Unable to connect to the network.</source>
        <translation>Unable to connect to the network.</translation>
    </message>
    <message>
        <source>connection was reset.</source>
        <translation>The connection was reset.</translation>
    </message>
    <message>
        <source>Unable to download or download timeout.</source>
        <translation>Unable to download, or the download timed out.</translation>
    </message>
</context>
<context>
    <name>DeleteConfirmDlg</name>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Delete original file(s) as well.</source>
        <translation>Delete original file(s) as well.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DesktopBridge</name>
    <message>
        <source>A private download</source>
        <translation>A private download</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Download failed</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Download finished</translation>
    </message>
    <message>
        <source>Conversion failed</source>
        <translation>Conversion failed</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversion finished</translation>
    </message>
</context>
<context>
    <name>DoneTaskWidget</name>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Show the File</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Lyrics</source>
        <translation>Lyrics</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtitle</translation>
    </message>
    <message>
        <source>The Filename is Empty and Cannot Be Saved.</source>
        <translation>The File Name Is Empty and Cannot Be Saved.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do You Want to Rename "%1" to "%2"? This Location Already Contains a File with the Same Name.</source>
        <translation>Do You Want to Rename "%1" to "%2"? This Location Already Contains a File with the Same Name.</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
</context>
<context>
    <name>DownloadFailedDlg</name>
    <message>
        <source>Download failed</source>
        <translation>Download failed</translation>
    </message>
    <message>
        <source>Cause of failure:

1. The URL you copied does not support downloading.

2. The URL is not a qualified video or audio link.

3. The URL is a website link.

4. The URL needs a premium to preview.</source>
        <translation>Cause of failure:

1. The URL you copied does not support downloading.

2. The URL is not a valid video or audio link.

3. The URL is a website link.

4. The URL needs a premium account to preview.</translation>
    </message>
    <message>
        <source>Note:

1. Please ensure that the network is stable, click the Retry button to parse it again.

2. The link format is not the normal way, please re-enter and download.

3. If it still fails, please view and try to download in built-in browser.</source>
        <translation>Note:

1. Please make sure that the network is stable, then click the Retry button to analyze it again.

2. The link is not in the usual format: please enter it again and download.

3. If it still fails, please view it and try to download it in the built-in browser.</translation>
    </message>
    <message>
        <source>Download in Built-in Browser</source>
        <translation>Download in Built-in Browser</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Reason: %1</translation>
    </message>
</context>
<context>
    <name>DownloadTaskWidget</name>
    <message>
        <source>Waiting for parsing...</source>
        <translation>Waiting for analysis...</translation>
    </message>
    <message>
        <source>Waiting for downloading...</source>
        <translation>Waiting for downloading...</translation>
    </message>
    <message>
        <source>&lt;font color=%1&gt;Download failed, &lt;a style='color: %2;' href="none"&gt;please view and try to download in build-in browser&lt;/a&gt;.&lt;/font&gt;</source>
        <translation>&lt;font color=%1&gt;Download failed, &lt;a style='color: %2;' href="none"&gt;please view and try to download in the built-in browser&lt;/a&gt;.&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Analyzing...</source>
        <translation>Analyzing...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Downloading</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Saving...</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Download finished</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Stalled, retrying...</source>
        <translation>Stalled, retrying...</translation>
    </message>
</context>
<context>
    <name>DownloadedPage</name>
    <message>
        <source>Show the File</source>
        <translation>Show the File</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Private</translation>
    </message>
    <message>
        <source>Still No File Downloaded, Please Start Downloading</source>
        <translation>No Files Downloaded Yet. Please Start Downloading</translation>
    </message>
    <message>
        <source>&lt;a style='color: %1;' href="%2"&gt;Cannot find the file from Private Space?&lt;/a&gt;</source>
        <translation>&lt;a style='color: %1;' href="%2"&gt;Cannot find a file in the Private Space?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The Filename is Invalid.</source>
        <translation>The File Name Is Invalid.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Modify File Name</source>
        <translation>Modify File Name</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Delete All</translation>
    </message>
    <message>
        <source>Move to Private List</source>
        <translation>Move to Private List</translation>
    </message>
    <message>
        <source>Move Out</source>
        <translation>Move Out</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>Copy URL</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>Go to Source Page</translation>
    </message>
    <message>
        <source>Save to Dropbox</source>
        <translation>Save to Dropbox</translation>
    </message>
    <message>
        <source>Save to Google Drive</source>
        <translation>Save to Google Drive</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you select?</source>
        <translation>Are you sure you want to delete the selected items?</translation>
    </message>
    <message>
        <source>Are you sure to delete all the items?</source>
        <translation>Are you sure you want to delete all the items?</translation>
    </message>
    <message>
        <source>No downloaded file matches "%1".</source>
        <translation>No downloaded file matches "%1".</translation>
    </message>
</context>
<context>
    <name>DownloadingPage</name>
    <message>
        <source>Original Video</source>
        <translation>Original Video</translation>
    </message>
    <message>
        <source>Original Audio</source>
        <translation>Original Audio</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>Paste URL</translation>
    </message>
    <message>
        <source>Resume all</source>
        <translation>Resume all</translation>
    </message>
    <message>
        <source>Pause all</source>
        <translation>Pause all</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Delete all</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>&lt;a style='color:%1;' href="none"&gt;Supported Sites&lt;/a&gt;</source>
        <translation>&lt;a style='color:%1;' href="none"&gt;Supported Sites&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>Turbo-fast</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Download then Convert to</source>
        <translation>Download then Convert to</translation>
    </message>
    <message>
        <source>Wanna download Premium videos?
Please sign in to your account in "Online" section, then click "Download" button to get it.</source>
        <translation>Want to download premium videos?
Please sign in to your account in the "Online" section, then click the "Download" button to get them.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No url find in the paste board.</source>
        <translation>No URL found on the clipboard.</translation>
    </message>
    <message>
        <source>This video is part of the playlist. Do you want to download the clip only or download all playlist?</source>
        <translation>This video is part of a playlist. Do you want to download only this clip, or the whole playlist?</translation>
    </message>
    <message>
        <source>Download playlist</source>
        <translation>Download playlist</translation>
    </message>
    <message>
        <source>Download clip</source>
        <translation>Download clip</translation>
    </message>
    <message>
        <source>%1 exists task has been skipped.</source>
        <translation>%1 existing task has been skipped.</translation>
    </message>
    <message>
        <source>%1 exists tasks have been skipped.</source>
        <translation>%1 existing tasks have been skipped.</translation>
    </message>
    <message>
        <source>Download MP3</source>
        <translation>Download MP3</translation>
    </message>
    <message>
        <source>Multiple URLs</source>
        <translation>Multiple URLs</translation>
    </message>
    <message>
        <source>Download Playlist</source>
        <translation>Download Playlist</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Delete All</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>Copy URL</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>Go to Source Page</translation>
    </message>
    <message>
        <source>Are you sure to delete the downloading tasks which you select?</source>
        <translation>Are you sure you want to delete the selected downloading tasks?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the downloading queue?</source>
        <translation>Are you sure you want to delete all of the tasks from the downloading queue?</translation>
    </message>
    <message>
        <source>This File Has Already Been Downloaded. Download It Again?</source>
        <translation>This File Has Already Been Downloaded. Download It Again?</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Download Again</translation>
    </message>
    <message>
        <source>This page has %1 videos. Do you want to download all of them, or only the first one?</source>
        <translation>This page has %1 videos. Do you want to download all of them, or only the first one?</translation>
    </message>
    <message>
        <source>First Only</source>
        <translation>First Only</translation>
    </message>
    <message>
        <source>Download All</source>
        <translation>Download All</translation>
    </message>
    <message>
        <source>This address is already being downloaded in the same format:</source>
        <translation>This address is already being downloaded in the same format:</translation>
    </message>
</context>
<context>
    <name>FailedfilenameDialog</name>
    <message>
        <source>Failed</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>Failed to add files:</source>
        <translation>Failed to add files:</translation>
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
        <translation>File does not exist.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The file does not exist, want to remove it from the list?</source>
        <translation>The file does not exist. Do you want to remove it from the list?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>"%1" does not exist, please change the save directory</source>
        <translation>"%1" does not exist. Please choose another download folder.</translation>
    </message>
    <message>
        <source>Go to setting</source>
        <translation>Go to Settings</translation>
    </message>
    <message>
        <source>No application on this computer can open the file:
%1</source>
        <translation>No application on this computer can open the file:
%1</translation>
    </message>
    <message>
        <source>No file manager on this computer can show the file:
%1</source>
        <translation>No file manager on this computer can show the file:
%1</translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>Save a picture of the main window once it has started, then quit.</source>
        <translation>Save a picture of the main window once it has started, then quit.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Could not save the picture %1</source>
        <translation>Could not save the picture %1</translation>
    </message>
    <message>
        <source>Web addresses (http or https) to download, as if pasted.</source>
        <translation>Web addresses (http or https) to download, as if pasted.</translation>
    </message>
</context>
<context>
    <name>LoadFileOperator</name>
    <message>
        <source>cannot read</source>
        <translation>cannot read</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>not a media file</source>
        <translation>not a media file</translation>
    </message>
    <message>
        <source>cannot be inspected</source>
        <translation>cannot be inspected</translation>
    </message>
</context>
<context>
    <name>LoadFilesDlg</name>
    <message>
        <source>Adding files...</source>
        <translation>Adding files...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Please wait...</translation>
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
        <translation>Downloading</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Downloaded</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Converting</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Converted</translation>
    </message>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
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
        <translation>Languages</translation>
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
        <translation>Help</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Check for updates</translation>
    </message>
    <message>
        <source>Open Downloaded Folder</source>
        <translation>Open Downloaded Folder</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>Paste URL</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
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
        <translation>Open Log Folder</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <source>Some tasks are in progress, are you sure you want to quit?</source>
        <translation>Some tasks are in progress. Are you sure you want to quit?</translation>
    </message>
    <message>
        <source>Clipmoor was stopped while it read its download lists last time. The lists it was reading start empty; their files are kept as:
%1</source>
        <translation>Clipmoor was stopped while it read its download lists last time. The lists it was reading start empty; their files are kept as:
%1</translation>
    </message>
    <message>
        <source>Clipmoor downloads web addresses only (starting with http:// or https://). Not taken:
%1</source>
        <translation>Clipmoor downloads web addresses only (starting with http:// or https://). Not taken:
%1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clipmoor keeps trying for a few seconds before it quits.</source>
        <translation>Clipmoor keeps trying for a few seconds before it quits.</translation>
    </message>
</context>
<context>
    <name>PasteInputDlg</name>
    <message>
        <source>Multiple URLs</source>
        <translation>Multiple URLs</translation>
    </message>
    <message>
        <source>Paste the URLs(one per line):</source>
        <translation>Paste the URLs (one per line):</translation>
    </message>
    <message>
        <source>Input web page url...</source>
        <translation>Enter web page URLs...</translation>
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
        <translation>Best</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>Newest first</translation>
    </message>
    <message>
        <source>Oldest first</source>
        <translation>Oldest first</translation>
    </message>
    <message>
        <source>Confirm Playlist</source>
        <translation>Confirm Playlist</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>Download:</translation>
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
        <translation>Quality:</translation>
    </message>
    <message>
        <source>Add numerical order to the file name.</source>
        <translation>Add the entry's number to the file name.</translation>
    </message>
    <message>
        <source>Skip Downloaded</source>
        <translation>Skip Downloaded</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Please be patient, the more videos in your playlist,the longer you will wait.</source>
        <translation>Please be patient: the more videos in your playlist, the longer it takes.</translation>
    </message>
    <message>
        <source>Analysis failed. Please try again later.</source>
        <translation>Analysis failed. Please try again later.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
</context>
<context>
    <name>PreferencesDlg</name>
    <message>
        <source>Best</source>
        <translation>Best</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>German</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>French</source>
        <translation>French</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portuguese</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabic</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Dutch</translation>
    </message>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Chinese (Simplified)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Chinese (Traditional)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polish</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesian</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korean</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turkish</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>The maximum number of downloading tasks:</source>
        <translation>The maximum number of downloading tasks:</translation>
    </message>
    <message>
        <source>Quality Setting:</source>
        <translation>Quality Setting:</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>Download:</translation>
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
        <translation>Quality:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Subtitles:</translation>
    </message>
    <message>
        <source>Auto download Subtitles/Lyrics</source>
        <translation>Automatically download subtitles/lyrics</translation>
    </message>
    <message>
        <source>Auto resume unfinished tasks on startup</source>
        <translation>Automatically resume unfinished tasks on startup</translation>
    </message>
    <message>
        <source>Allow to read Cookies from Firefox/Chrome</source>
        <translation>Allow reading cookies from Firefox/Chrome</translation>
    </message>
    <message>
        <source>Save downloaded files to:</source>
        <translation>Save downloaded files to:</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>Download speed</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>Turbo-fast</translation>
    </message>
    <message>
        <source>Eable proxy</source>
        <translation>Enable proxy</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>HTTP Proxy</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Authorization required</source>
        <translation>Authorization required</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>The maximum number of converting tasks:</source>
        <translation>The maximum number of converting tasks:</translation>
    </message>
    <message>
        <source>Save converted files to:</source>
        <translation>Save converted files to:</translation>
    </message>
    <message>
        <source>Lyric:</source>
        <translation>Lyrics:</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Select Directory</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics</source>
        <translation>Send anonymous usage statistics</translation>
    </message>
    <message>
        <source>Tell me on the desktop when a download or conversion ends</source>
        <translation>Tell me on the desktop when a download or conversion ends</translation>
    </message>
    <message>
        <source>Check certificates of download sites</source>
        <translation>Check certificates of download sites</translation>
    </message>
    <message>
        <source>Warning: without this check, anyone on the way between you and a site can pose as the site and change what you download.</source>
        <translation>Warning: without this check, anyone on the way between you and a site can pose as the site and change what you download.</translation>
    </message>
</context>
<context>
    <name>PrivateListDlg</name>
    <message>
        <source>Private List</source>
        <translation>Private List</translation>
    </message>
    <message>
        <source>Please Enter Password to Lock Private Space</source>
        <translation>Please Enter Password to Lock Private Space</translation>
    </message>
    <message>
        <source>Please Enter Password to Unlock Private Space</source>
        <translation>Please Enter Password to Unlock Private Space</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Enter password</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>Show or hide the password</translation>
    </message>
    <message>
        <source>Do not show thumbnails of adult videos</source>
        <translation>Do not show thumbnails of adult videos</translation>
    </message>
    <message>
        <source>Save adult videos as hidden</source>
        <translation>Save adult videos as hidden</translation>
    </message>
    <message>
        <source>Remember the password before restart %1</source>
        <translation>Remember the password before restart %1</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Lock</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Unlock</translation>
    </message>
    <message>
        <source>Password error.</source>
        <translation>Password error.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enter the password again</source>
        <translation>Enter the password again</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>The passwords do not match.</translation>
    </message>
</context>
<context>
    <name>PrivateModeButton</name>
    <message>
        <source>Turn off Private Mode</source>
        <translation>Turn off Private Mode</translation>
    </message>
    <message>
        <source>Turn on Private Mode</source>
        <translation>Turn on Private Mode</translation>
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
        <translation>Clipmoor cannot write to its data folder
%1

Downloads still work, but lists and settings will not be kept after you quit.</translation>
    </message>
    <message>
        <source>Clipmoor is already running; no picture was taken.</source>
        <translation>Clipmoor is already running; no picture was taken.</translation>
    </message>
    <message>
        <source>The built-in browser cannot start.
%1

Pasting addresses on the downloading page still works.</source>
        <translation>The built-in browser cannot start.
%1

Pasting addresses on the downloading page still works.</translation>
    </message>
    <message>
        <source>Clipmoor is running but did not take the addresses.</source>
        <translation>Clipmoor is running but did not take the addresses.</translation>
    </message>
</context>
<context>
    <name>SaveHealth</name>
    <message>
        <source>Clipmoor cannot save its lists: no space left on %1</source>
        <translation>Clipmoor cannot save its lists: no space left on %1</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 is not writable</source>
        <translation>Clipmoor cannot save its lists: %1 is not writable</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 does not exist</source>
        <translation>Clipmoor cannot save its lists: %1 does not exist</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists in %1: %2</source>
        <translation>Clipmoor cannot save its lists in %1: %2</translation>
    </message>
</context>
<context>
    <name>SniffMgr</name>
    <message>
        <source>Download failed, saving the file...</source>
        <translation>Download failed, saving the file...</translation>
    </message>
    <message>
        <source>Please wait, saving the file...</source>
        <translation>Please wait, saving the file...</translation>
    </message>
</context>
<context>
    <name>UpgradeDlg</name>
    <message>
        <source>A new version is available!</source>
        <translation>A new version is available!</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>Current version is up to date.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>Could not fetch the update information. Please try again later.</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>Checking for updates...</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Upgrade Now</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Remind Me Later</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Version: %1 | Size: %2 | Release Date: %3</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Retry</translation>
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
        <translation>Add New</translation>
    </message>
</context>
<context>
    <name>WebHomePage</name>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
</context>
<context>
    <name>platform::DesktopNotifications</name>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
</context>
<context>
    <name>protocol</name>
    <message>
        <source>seconds</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>hours</translation>
    </message>
    <message>
        <source>remaining</source>
        <translation>remaining</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Converting</translation>
    </message>
    <message>
        <source>The download folder cannot be written to</source>
        <translation>The download folder cannot be written to</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>The disk is full</translation>
    </message>
    <message>
        <source>The video was not found on the site</source>
        <translation>The video was not found on the site</translation>
    </message>
    <message>
        <source>The site refused the download</source>
        <translation>The site refused the download</translation>
    </message>
    <message>
        <source>The site had a server error</source>
        <translation>The site had a server error</translation>
    </message>
    <message>
        <source>The site refused the connection</source>
        <translation>The site refused the connection</translation>
    </message>
    <message>
        <source>The site could not be found</source>
        <translation>The site could not be found</translation>
    </message>
    <message>
        <source>The connection timed out</source>
        <translation>The connection timed out</translation>
    </message>
    <message>
        <source>The download stalled</source>
        <translation>The download stalled</translation>
    </message>
    <message>
        <source>The download was cut short</source>
        <translation>The download was cut short</translation>
    </message>
    <message>
        <source>This address is not supported</source>
        <translation>This address is not supported</translation>
    </message>
    <message>
        <source>The download tool stopped unexpectedly</source>
        <translation>The download tool stopped unexpectedly</translation>
    </message>
    <message>
        <source>The download was interrupted</source>
        <translation>The download was interrupted</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>The download failed</translation>
    </message>
</context>
<context>
    <name>safesave</name>
    <message>
        <source>Not enough free space in %1: %2 MB free, %3 MB needed</source>
        <translation>Not enough free space in %1: %2 MB free, %3 MB needed</translation>
    </message>
</context>
</TS>