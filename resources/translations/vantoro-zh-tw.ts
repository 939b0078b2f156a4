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
        <source>Choose the download folder</source>
        <translation>選擇下載資料夾</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>English</source>
        <translation>英文</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>義大利文</translation>
    </message>
    <message>
        <source>German</source>
        <translation>德文</translation>
    </message>
    <message>
        <source>French</source>
        <translation>法文</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>西班牙文</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>葡萄牙文</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>俄文</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓文</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>印尼文</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>越南文</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>印地文</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日文</translation>
    </message>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>簡體中文</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>繁體中文</translation>
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
        <source>Paste a video address to start downloading.</source>
        <translation>貼上影片網址即可開始下載。</translation>
    </message>
    <message>
        <source>Finished downloads appear here.</source>
        <translation>已完成的下載會顯示在這裡。</translation>
    </message>
    <message>
        <source>The built-in browser opens here.</source>
        <translation>內建瀏覽器將在這裡開啟。</translation>
    </message>
    <message>
        <source>Add media files here to convert them.</source>
        <translation>在這裡加入要轉換的媒體檔案。</translation>
    </message>
    <message>
        <source>Converted files appear here.</source>
        <translation>已轉換的檔案會顯示在這裡。</translation>
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
</context>
</TS>