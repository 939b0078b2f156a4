<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_TW">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>Clipmoor is made by a small team who want saving a video to be as simple as pasting its address.</source>
        <translation>Clipmoor 由一個小團隊打造，我們希望儲存影片就像貼上網址一樣簡單。</translation>
    </message>
    <message>
        <source>To learn more please visit: </source>
        <translation>了解更多請造訪：</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Clipmoor developers. All rights reserved.</source>
        <translation>Copyright © 2026 Clipmoor 開發者。保留所有權利。</translation>
    </message>
</context>
<context>
    <name>Adaptation</name>
    <message>
        <source>Same as source</source>
        <translation>與來源相同</translation>
    </message>
    <message>
        <source>High(4K)</source>
        <translation>高(4K)</translation>
    </message>
    <message>
        <source>High(2K)</source>
        <translation>高(2K)</translation>
    </message>
    <message>
        <source>High(1080P)</source>
        <translation>高(1080P)</translation>
    </message>
    <message>
        <source>Middle(720P)</source>
        <translation>中(720P)</translation>
    </message>
    <message>
        <source>Middle(480P)</source>
        <translation>中(480P)</translation>
    </message>
    <message>
        <source>Low(360P)</source>
        <translation>低(360P)</translation>
    </message>
    <message>
        <source>Low(240P)</source>
        <translation>低(240P)</translation>
    </message>
    <message>
        <source>High(320Kb/s)</source>
        <translation>高(320Kb/s)</translation>
    </message>
    <message>
        <source>High(256Kb/s)</source>
        <translation>高(256Kb/s)</translation>
    </message>
    <message>
        <source>Middle(128Kb/s)</source>
        <translation>中(128Kb/s)</translation>
    </message>
    <message>
        <source>Low(64Kb/s)</source>
        <translation>低(64Kb/s)</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音訊</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>畫質：</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>靜音</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>AddSiteDlg</name>
    <message>
        <source>Add New</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>網址</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>標題</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>BrowserWindow</name>
    <message>
        <source>Home</source>
        <translation>首頁</translation>
    </message>
    <message>
        <source>Go back in history</source>
        <translation>上一頁</translation>
    </message>
    <message>
        <source>Go forward in history</source>
        <translation>下一頁</translation>
    </message>
    <message>
        <source>Stop loading this page</source>
        <translation>停止載入此頁</translation>
    </message>
    <message>
        <source>Reload this page</source>
        <translation>重新載入此頁</translation>
    </message>
    <message>
        <source>Clear browsing data</source>
        <translation>清除瀏覽資料</translation>
    </message>
    <message>
        <source>Enter Video URL</source>
        <translation>輸入影片網址</translation>
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
        <translation>不再詢問</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>ConvMediaInfo</name>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
</context>
<context>
    <name>ConvertTask</name>
    <message>
        <source>The file does not exist</source>
        <translation>檔案不存在</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>無法寫入 %1</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>轉換中</translation>
    </message>
    <message>
        <source>The conversion tool failed (%1)</source>
        <translation>轉換工具失敗（%1）</translation>
    </message>
    <message>
        <source>The conversion tool did not say where the file is</source>
        <translation>轉換工具未提供檔案位置</translation>
    </message>
    <message>
        <source>Cannot move the converted file to %1</source>
        <translation>無法將轉換後的檔案移動到 %1</translation>
    </message>
    <message>
        <source>The conversion tool could not be started</source>
        <translation>無法啟動轉換工具</translation>
    </message>
    <message>
        <source>The conversion tool ended unexpectedly</source>
        <translation>轉換工具意外結束</translation>
    </message>
</context>
<context>
    <name>ConvertedDelegate</name>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>顯示檔案</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
</context>
<context>
    <name>ConvertedPage</name>
    <message>
        <source>Delete Selected</source>
        <translation>刪除所選</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Converted files appear here.</source>
        <translation>已轉換的檔案會顯示在這裡。</translation>
    </message>
    <message>
        <source>Are you sure to delete this item?</source>
        <translation>確定要刪除此項目嗎？</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you selected?</source>
        <translation>確定要刪除所選項目嗎？</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>顯示檔案</translation>
    </message>
</context>
<context>
    <name>ConvertingDelegate</name>
    <message>
        <source>Waiting to convert...</source>
        <translation>等待轉換...</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>轉換中</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Convert failed.</source>
        <translation>轉換失敗。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>轉換</translation>
    </message>
</context>
<context>
    <name>ConvertingPage</name>
    <message>
        <source>Add Files</source>
        <translation>新增檔案</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>顯示檔案</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>全部刪除</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>全部轉換</translation>
    </message>
    <message>
        <source>Click Here to Add Files or Drag Files Here</source>
        <translation>按一下這裡新增檔案，或將檔案拖曳到這裡</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Are you sure to delete the Converting tasks which you selected?</source>
        <translation>確定要刪除所選的轉換任務嗎？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the Converting queue?</source>
        <translation>確定要刪除轉換佇列中的所有任務嗎？</translation>
    </message>
</context>
<context>
    <name>CurlProxy</name>
    <message>
        <source>Failure writing output to destination.</source>
        <translation>無法寫入目標檔案。</translation>
    </message>
    <message>
        <source>Unable to connect to the network.</source>
        <translation>無法連線到網路。</translation>
    </message>
    <message>
        <source>connection was reset.</source>
        <translation>連線已被重設。</translation>
    </message>
    <message>
        <source>Unable to download or download timeout.</source>
        <translation>無法下載或下載逾時。</translation>
    </message>
</context>
<context>
    <name>DeleteConfirmDlg</name>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Delete original file(s) as well.</source>
        <translation>同時刪除原始檔案。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DesktopBridge</name>
    <message>
        <source>A private download</source>
        <translation>一個私密下載</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>下載失敗</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>下載完成</translation>
    </message>
    <message>
        <source>Conversion failed</source>
        <translation>轉換失敗</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>轉換完成</translation>
    </message>
</context>
<context>
    <name>DoneTaskWidget</name>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>顯示檔案</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Lyrics</source>
        <translation>歌詞</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>The Filename is Empty and Cannot Be Saved.</source>
        <translation>檔案名稱為空，無法儲存。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Do You Want to Rename "%1" to "%2"? This Location Already Contains a File with the Same Name.</source>
        <translation>要將「%1」重新命名為「%2」嗎？此位置已有同名檔案。</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
</context>
<context>
    <name>DownloadFailedDlg</name>
    <message>
        <source>Download failed</source>
        <translation>下載失敗</translation>
    </message>
    <message>
        <source>Cause of failure:

1. The URL you copied does not support downloading.

2. The URL is not a qualified video or audio link.

3. The URL is a website link.

4. The URL needs a premium to preview.</source>
        <translation>失敗原因：

1. 您複製的網址不支援下載。

2. 此網址不是有效的影片或音訊連結。

3. 此網址是網站連結。

4. 此網址需要付費會員才能觀看。</translation>
    </message>
    <message>
        <source>Note:

1. Please ensure that the network is stable, click the Retry button to parse it again.

2. The link format is not the normal way, please re-enter and download.

3. If it still fails, please view and try to download in built-in browser.</source>
        <translation>提示：

1. 請確認網路穩定，點擊「重試」按鈕重新解析。

2. 連結格式不正常，請重新輸入後下載。

3. 如果仍然失敗，請在內建瀏覽器中開啟並下載。</translation>
    </message>
    <message>
        <source>Download in Built-in Browser</source>
        <translation>在內建瀏覽器中下載</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>原因：%1</translation>
    </message>
</context>
<context>
    <name>DownloadTaskWidget</name>
    <message>
        <source>Waiting for parsing...</source>
        <translation>等待解析...</translation>
    </message>
    <message>
        <source>Waiting for downloading...</source>
        <translation>等待下載...</translation>
    </message>
    <message>
        <source>&lt;font color=%1&gt;Download failed, &lt;a style='color: %2;' href="none"&gt;please view and try to download in build-in browser&lt;/a&gt;.&lt;/font&gt;</source>
        <translation>&lt;font color=%1&gt;下載失敗，&lt;a style='color: %2;' href="none"&gt;請在內建瀏覽器中開啟並下載&lt;/a&gt;。&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Analyzing...</source>
        <translation>正在解析...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>直播</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>下載中</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暫停</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>正在儲存...</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>下載完成</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重試</translation>
    </message>
    <message>
        <source>Stalled, retrying...</source>
        <translation>已停滯，正在重試...</translation>
    </message>
</context>
<context>
    <name>DownloadedPage</name>
    <message>
        <source>Show the File</source>
        <translation>顯示檔案</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>私密</translation>
    </message>
    <message>
        <source>Still No File Downloaded, Please Start Downloading</source>
        <translation>還沒有下載的檔案，請開始下載</translation>
    </message>
    <message>
        <source>&lt;a style='color: %1;' href="%2"&gt;Cannot find the file from Private Space?&lt;/a&gt;</source>
        <translation>&lt;a style='color: %1;' href="%2"&gt;在私密空間中找不到檔案？&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The Filename is Invalid.</source>
        <translation>檔案名稱無效。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Modify File Name</source>
        <translation>修改檔案名稱</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>全部刪除</translation>
    </message>
    <message>
        <source>Move to Private List</source>
        <translation>移到私密清單</translation>
    </message>
    <message>
        <source>Move Out</source>
        <translation>移出</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>複製網址</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>前往來源頁面</translation>
    </message>
    <message>
        <source>Save to Dropbox</source>
        <translation>儲存到 Dropbox</translation>
    </message>
    <message>
        <source>Save to Google Drive</source>
        <translation>儲存到 Google 雲端硬碟</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you select?</source>
        <translation>確定要刪除所選項目嗎？</translation>
    </message>
    <message>
        <source>Are you sure to delete all the items?</source>
        <translation>確定要刪除所有項目嗎？</translation>
    </message>
    <message>
        <source>No downloaded file matches "%1".</source>
        <translation>沒有與「%1」相符的已下載檔案。</translation>
    </message>
</context>
<context>
    <name>DownloadingPage</name>
    <message>
        <source>Original Video</source>
        <translation>原始影片</translation>
    </message>
    <message>
        <source>Original Audio</source>
        <translation>原始音訊</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>貼上網址</translation>
    </message>
    <message>
        <source>Resume all</source>
        <translation>全部繼續</translation>
    </message>
    <message>
        <source>Pause all</source>
        <translation>全部暫停</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>全部刪除</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>&lt;a style='color:%1;' href="none"&gt;Supported Sites&lt;/a&gt;</source>
        <translation>&lt;a style='color:%1;' href="none"&gt;支援的網站&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>極速</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>Download then Convert to</source>
        <translation>下載後轉換為</translation>
    </message>
    <message>
        <source>Wanna download Premium videos?
Please sign in to your account in "Online" section, then click "Download" button to get it.</source>
        <translation>要下載付費影片嗎？
請在「線上」中登入您的帳戶，然後點擊「下載」按鈕取得。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>No url find in the paste board.</source>
        <translation>剪貼簿中找不到網址。</translation>
    </message>
    <message>
        <source>This video is part of the playlist. Do you want to download the clip only or download all playlist?</source>
        <translation>此影片屬於一個播放清單。您要只下載此片段還是下載整個播放清單？</translation>
    </message>
    <message>
        <source>Download playlist</source>
        <translation>下載播放清單</translation>
    </message>
    <message>
        <source>Download clip</source>
        <translation>下載片段</translation>
    </message>
    <message>
        <source>%1 exists task has been skipped.</source>
        <translation>已略過 %1 個已存在的任務。</translation>
    </message>
    <message>
        <source>%1 exists tasks have been skipped.</source>
        <translation>已略過 %1 個已存在的任務。</translation>
    </message>
    <message>
        <source>Download MP3</source>
        <translation>下載 MP3</translation>
    </message>
    <message>
        <source>Multiple URLs</source>
        <translation>多個網址</translation>
    </message>
    <message>
        <source>Download Playlist</source>
        <translation>下載播放清單</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>全部刪除</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>複製網址</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>前往來源頁面</translation>
    </message>
    <message>
        <source>Are you sure to delete the downloading tasks which you select?</source>
        <translation>確定要刪除所選的下載任務嗎？</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the downloading queue?</source>
        <translation>確定要刪除下載佇列中的所有任務嗎？</translation>
    </message>
    <message>
        <source>This File Has Already Been Downloaded. Download It Again?</source>
        <translation>此檔案已下載過。要重新下載嗎？</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>重新下載</translation>
    </message>
    <message>
        <source>This page has %1 videos. Do you want to download all of them, or only the first one?</source>
        <translation>此頁面有 %1 部影片。要全部下載，還是只下載第一部？</translation>
    </message>
    <message>
        <source>First Only</source>
        <translation>僅第一部</translation>
    </message>
    <message>
        <source>Download All</source>
        <translation>全部下載</translation>
    </message>
    <message>
        <source>This address is already being downloaded in the same format:</source>
        <translation>此位址已在以相同格式下載：</translation>
    </message>
</context>
<context>
    <name>FailedfilenameDialog</name>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Failed to add files:</source>
        <translation>無法新增下列檔案：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>Global</name>
    <message>
        <source>File does not exist.</source>
        <translation>檔案不存在。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>The file does not exist, want to remove it from the list?</source>
        <translation>檔案不存在，要從清單中移除嗎？</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>"%1" does not exist, please change the save directory</source>
        <translation>「%1」不存在，請變更儲存目錄</translation>
    </message>
    <message>
        <source>Go to setting</source>
        <translation>前往設定</translation>
    </message>
    <message>
        <source>No application on this computer can open the file:
%1</source>
        <translation>此電腦上沒有可以開啟該檔案的應用程式：
%1</translation>
    </message>
    <message>
        <source>No file manager on this computer can show the file:
%1</source>
        <translation>此電腦上沒有可以顯示該檔案的檔案總管：
%1</translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>Save a picture of the main window once it has started, then quit.</source>
        <translation>啟動後儲存主視窗的圖片，然後結束。</translation>
    </message>
    <message>
        <source>file</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Could not save the picture %1</source>
        <translation>無法儲存圖片 %1</translation>
    </message>
    <message>
        <source>Web addresses (http or https) to download, as if pasted.</source>
        <translation>要下載的網址（http 或 https），如同貼上一樣。</translation>
    </message>
</context>
<context>
    <name>LoadFileOperator</name>
    <message>
        <source>cannot read</source>
        <translation>無法讀取</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空檔案</translation>
    </message>
    <message>
        <source>not a media file</source>
        <translation>不是媒體檔案</translation>
    </message>
    <message>
        <source>cannot be inspected</source>
        <translation>無法檢查</translation>
    </message>
</context>
<context>
    <name>LoadFilesDlg</name>
    <message>
        <source>Adding files...</source>
        <translation>正在新增檔案...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>請稍候...</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Downloading</source>
        <translation>下載中</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>已下載</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>線上</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>轉換中</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>已轉換</translation>
    </message>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>偏好設定</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>選單</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>應用程式</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>Open Downloaded Folder</source>
        <translation>開啟下載資料夾</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>貼上網址</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>使用指南</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>常見問題</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>開啟記錄資料夾</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>結束(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>還原(&amp;R)</translation>
    </message>
    <message>
        <source>Some tasks are in progress, are you sure you want to quit?</source>
        <translation>有工作正在進行，確定要結束嗎？</translation>
    </message>
    <message>
        <source>Clipmoor was stopped while it read its download lists last time. The lists it was reading start empty; their files are kept as:
%1</source>
        <translation>Clipmoor 上次在讀取下載清單時被停止。正在讀取的清單將以空清單開始；其檔案已保存為：
%1</translation>
    </message>
    <message>
        <source>Clipmoor downloads web addresses only (starting with http:// or https://). Not taken:
%1</source>
        <translation>Clipmoor 只下載網址（以 http:// 或 https:// 開頭）。未接受：
%1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Clipmoor keeps trying for a few seconds before it quits.</source>
        <translation>Clipmoor 會在結束前再嘗試幾秒鐘。</translation>
    </message>
</context>
<context>
    <name>PasteInputDlg</name>
    <message>
        <source>Multiple URLs</source>
        <translation>多個網址</translation>
    </message>
    <message>
        <source>Paste the URLs(one per line):</source>
        <translation>貼上網址（每行一個）：</translation>
    </message>
    <message>
        <source>Input web page url...</source>
        <translation>輸入網頁網址...</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
</context>
<context>
    <name>PlaylistConfirmDlg</name>
    <message>
        <source>Best</source>
        <translation>最佳</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>最新的在前</translation>
    </message>
    <message>
        <source>Oldest first</source>
        <translation>最早的在前</translation>
    </message>
    <message>
        <source>Confirm Playlist</source>
        <translation>確認播放清單</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>標題</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>下載：</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音訊</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>畫質：</translation>
    </message>
    <message>
        <source>Add numerical order to the file name.</source>
        <translation>在檔案名稱中加入序號。</translation>
    </message>
    <message>
        <source>Skip Downloaded</source>
        <translation>略過已下載的</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Please be patient, the more videos in your playlist,the longer you will wait.</source>
        <translation>請耐心等候，播放清單中的影片越多，等待時間越長。</translation>
    </message>
    <message>
        <source>Analysis failed. Please try again later.</source>
        <translation>解析失敗，請稍後再試。</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重試</translation>
    </message>
</context>
<context>
    <name>PreferencesDlg</name>
    <message>
        <source>Best</source>
        <translation>最佳</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英文</translation>
    </message>
    <message>
        <source>German</source>
        <translation>德文</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>西班牙文</translation>
    </message>
    <message>
        <source>French</source>
        <translation>法文</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>義大利文</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日文</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>葡萄牙文</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>阿拉伯語</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>俄文</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>荷蘭語</translation>
    </message>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>簡體中文</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>波蘭語</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>印尼文</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓文</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>土耳其語</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>偏好設定</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>連線</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>轉換</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>變更</translation>
    </message>
    <message>
        <source>The maximum number of downloading tasks:</source>
        <translation>最大同時下載任務數：</translation>
    </message>
    <message>
        <source>Quality Setting:</source>
        <translation>畫質設定：</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>下載：</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音訊</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>畫質：</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>字幕：</translation>
    </message>
    <message>
        <source>Auto download Subtitles/Lyrics</source>
        <translation>自動下載字幕/歌詞</translation>
    </message>
    <message>
        <source>Auto resume unfinished tasks on startup</source>
        <translation>啟動時自動繼續未完成的任務</translation>
    </message>
    <message>
        <source>Allow to read Cookies from Firefox/Chrome</source>
        <translation>允許讀取 Firefox/Chrome 的 Cookie</translation>
    </message>
    <message>
        <source>Save downloaded files to:</source>
        <translation>下載檔案儲存到：</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>下載速度</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>極速</translation>
    </message>
    <message>
        <source>Eable proxy</source>
        <translation>啟用代理伺服器</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>HTTP 代理伺服器</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <source>Authorization required</source>
        <translation>需要驗證</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>使用者名稱</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>The maximum number of converting tasks:</source>
        <translation>最大同時轉換任務數：</translation>
    </message>
    <message>
        <source>Save converted files to:</source>
        <translation>轉換檔案儲存到：</translation>
    </message>
    <message>
        <source>Lyric:</source>
        <translation>歌詞：</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>選擇資料夾</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics</source>
        <translation>傳送匿名使用統計資料</translation>
    </message>
    <message>
        <source>Tell me on the desktop when a download or conversion ends</source>
        <translation>下載或轉換結束時在桌面上通知我</translation>
    </message>
    <message>
        <source>Check certificates of download sites</source>
        <translation>檢查下載網站的憑證</translation>
    </message>
    <message>
        <source>Warning: without this check, anyone on the way between you and a site can pose as the site and change what you download.</source>
        <translation>警告：不檢查憑證時，您與網站之間的任何人都可以冒充該網站並竄改您下載的內容。</translation>
    </message>
</context>
<context>
    <name>PrivateListDlg</name>
    <message>
        <source>Private List</source>
        <translation>私密清單</translation>
    </message>
    <message>
        <source>Please Enter Password to Lock Private Space</source>
        <translation>請輸入密碼以鎖定私密空間</translation>
    </message>
    <message>
        <source>Please Enter Password to Unlock Private Space</source>
        <translation>請輸入密碼以解鎖私密空間</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>輸入密碼</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>顯示或隱藏密碼</translation>
    </message>
    <message>
        <source>Do not show thumbnails of adult videos</source>
        <translation>不顯示成人影片的縮圖</translation>
    </message>
    <message>
        <source>Save adult videos as hidden</source>
        <translation>將成人影片儲存為隱藏檔案</translation>
    </message>
    <message>
        <source>Remember the password before restart %1</source>
        <translation>在 %1 重新啟動前記住密碼</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>鎖定</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>解鎖</translation>
    </message>
    <message>
        <source>Password error.</source>
        <translation>密碼錯誤。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Enter the password again</source>
        <translation>再次輸入密碼</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>兩次輸入的密碼不一致。</translation>
    </message>
</context>
<context>
    <name>PrivateModeButton</name>
    <message>
        <source>Turn off Private Mode</source>
        <translation>關閉私密模式</translation>
    </message>
    <message>
        <source>Turn on Private Mode</source>
        <translation>開啟私密模式</translation>
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
        <translation>Clipmoor 無法寫入資料資料夾
%1

下載仍可進行，但結束後清單與設定不會保留。</translation>
    </message>
    <message>
        <source>Clipmoor is already running; no picture was taken.</source>
        <translation>Clipmoor 已在執行，未儲存圖片。</translation>
    </message>
    <message>
        <source>The built-in browser cannot start.
%1

Pasting addresses on the downloading page still works.</source>
        <translation>內建瀏覽器無法啟動。
%1

在下載頁面貼上網址仍可使用。</translation>
    </message>
    <message>
        <source>Clipmoor is running but did not take the addresses.</source>
        <translation>Clipmoor 正在執行，但沒有接收這些網址。</translation>
    </message>
</context>
<context>
    <name>SaveHealth</name>
    <message>
        <source>Clipmoor cannot save its lists: no space left on %1</source>
        <translation>Clipmoor 無法儲存清單：%1 沒有剩餘空間</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 is not writable</source>
        <translation>Clipmoor 無法儲存清單：%1 無法寫入</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 does not exist</source>
        <translation>Clipmoor 無法儲存清單：%1 不存在</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists in %1: %2</source>
        <translation>Clipmoor 無法在 %1 中儲存清單：%2</translation>
    </message>
</context>
<context>
    <name>SniffMgr</name>
    <message>
        <source>Download failed, saving the file...</source>
        <translation>下載失敗，正在儲存檔案...</translation>
    </message>
    <message>
        <source>Please wait, saving the file...</source>
        <translation>請稍候，正在儲存檔案...</translation>
    </message>
</context>
<context>
    <name>UpgradeDlg</name>
    <message>
        <source>A new version is available!</source>
        <translation>有新版本可用！</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>目前已是最新版本。</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>取得更新資訊失敗，請稍後再試。</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>等待檢查...</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升級</translation>
    </message>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>立即升級</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>稍後提醒</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>版本：%1 | 大小：%2 | 發佈日期：%3</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重試</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>WebElement</name>
    <message>
        <source>Add New</source>
        <translation>新增</translation>
    </message>
</context>
<context>
    <name>WebHomePage</name>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
</context>
<context>
    <name>platform::DesktopNotifications</name>
    <message>
        <source>Show</source>
        <translation>顯示</translation>
    </message>
</context>
<context>
    <name>protocol</name>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分鐘</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>小時</translation>
    </message>
    <message>
        <source>remaining</source>
        <translation>剩餘</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>轉換中</translation>
    </message>
    <message>
        <source>The download folder cannot be written to</source>
        <translation>無法寫入下載資料夾</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>磁碟已滿</translation>
    </message>
    <message>
        <source>The video was not found on the site</source>
        <translation>在網站上找不到該影片</translation>
    </message>
    <message>
        <source>The site refused the download</source>
        <translation>網站拒絕了下載</translation>
    </message>
    <message>
        <source>The site had a server error</source>
        <translation>網站發生伺服器錯誤</translation>
    </message>
    <message>
        <source>The site refused the connection</source>
        <translation>網站拒絕了連線</translation>
    </message>
    <message>
        <source>The site could not be found</source>
        <translation>找不到該網站</translation>
    </message>
    <message>
        <source>The connection timed out</source>
        <translation>連線逾時</translation>
    </message>
    <message>
        <source>The download stalled</source>
        <translation>下載停滯</translation>
    </message>
    <message>
        <source>The download was cut short</source>
        <translation>下載被截斷</translation>
    </message>
    <message>
        <source>This address is not supported</source>
        <translation>不支援此位址</translation>
    </message>
    <message>
        <source>The download tool stopped unexpectedly</source>
        <translation>下載工具意外停止</translation>
    </message>
    <message>
        <source>The download was interrupted</source>
        <translation>下載已中斷</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>下載失敗</translation>
    </message>
</context>
<context>
    <name>safesave</name>
    <message>
        <source>Not enough free space in %1: %2 MB free, %3 MB needed</source>
        <translation>%1 的可用空間不足：可用 %2 MB，需要 %3 MB</translation>
    </message>
</context>
</TS>