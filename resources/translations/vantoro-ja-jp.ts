<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ja_JP">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>バージョン: </translation>
    </message>
    <message>
        <source>Clipmoor is made by a small team who want saving a video to be as simple as pasting its address.</source>
        <translation>Clipmoor は、動画の保存をアドレスの貼り付けと同じくらい簡単にしたい小さなチームが作っています。</translation>
    </message>
    <message>
        <source>To learn more please visit: </source>
        <translation>詳しくはこちら: </translation>
    </message>
    <message>
        <source>Copyright © 2026 the Clipmoor developers. All rights reserved.</source>
        <translation>Copyright © 2026 Clipmoor 開発者。All rights reserved.</translation>
    </message>
</context>
<context>
    <name>Adaptation</name>
    <message>
        <source>Same as source</source>
        <translation>元のファイルと同じ</translation>
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
        <translation>動画</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>画質：</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>AddSiteDlg</name>
    <message>
        <source>Add New</source>
        <translation>新規追加</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>BrowserWindow</name>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>Go back in history</source>
        <translation>履歴を戻る</translation>
    </message>
    <message>
        <source>Go forward in history</source>
        <translation>履歴を進む</translation>
    </message>
    <message>
        <source>Stop loading this page</source>
        <translation>このページの読み込みを中止</translation>
    </message>
    <message>
        <source>Reload this page</source>
        <translation>このページを再読み込み</translation>
    </message>
    <message>
        <source>Clear browsing data</source>
        <translation>閲覧データを消去</translation>
    </message>
    <message>
        <source>Enter Video URL</source>
        <translation>動画の URL を入力</translation>
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
        <translation>今後確認しない</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>不明</translation>
    </message>
</context>
<context>
    <name>ConvertTask</name>
    <message>
        <source>The file does not exist</source>
        <translation>ファイルが存在しません</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>%1 に書き込めません</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>変換中</translation>
    </message>
    <message>
        <source>The conversion tool failed (%1)</source>
        <translation>変換ツールが失敗しました（%1）</translation>
    </message>
    <message>
        <source>The conversion tool did not say where the file is</source>
        <translation>変換ツールがファイルの場所を返しませんでした</translation>
    </message>
    <message>
        <source>Cannot move the converted file to %1</source>
        <translation>変換したファイルを %1 に移動できません</translation>
    </message>
    <message>
        <source>The conversion tool could not be started</source>
        <translation>変換ツールを起動できませんでした</translation>
    </message>
    <message>
        <source>The conversion tool ended unexpectedly</source>
        <translation>変換ツールが予期せず終了しました</translation>
    </message>
</context>
<context>
    <name>ConvertedDelegate</name>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>ファイルを表示</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
</context>
<context>
    <name>ConvertedPage</name>
    <message>
        <source>Delete Selected</source>
        <translation>選択項目を削除</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Converted files appear here.</source>
        <translation>変換したファイルがここに表示されます。</translation>
    </message>
    <message>
        <source>Are you sure to delete this item?</source>
        <translation>この項目を削除してもよろしいですか？</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you selected?</source>
        <translation>選択した項目を削除してもよろしいですか？</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>ファイルを表示</translation>
    </message>
</context>
<context>
    <name>ConvertingDelegate</name>
    <message>
        <source>Waiting to convert...</source>
        <translation>変換待ち...</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>変換中</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Convert failed.</source>
        <translation>変換に失敗しました。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>変換</translation>
    </message>
</context>
<context>
    <name>ConvertingPage</name>
    <message>
        <source>Add Files</source>
        <translation>ファイルを追加</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>ファイルを表示</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>すべて削除</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>すべて変換</translation>
    </message>
    <message>
        <source>Click Here to Add Files or Drag Files Here</source>
        <translation>ここをクリックしてファイルを追加するか、ファイルをここにドラッグ</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Are you sure to delete the Converting tasks which you selected?</source>
        <translation>選択した変換タスクを削除してもよろしいですか？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the Converting queue?</source>
        <translation>変換キューのすべてのタスクを削除してもよろしいですか？</translation>
    </message>
</context>
<context>
    <name>CurlProxy</name>
    <message>
        <source>Failure writing output to destination.</source>
        <translation>保存先に書き込めませんでした。</translation>
    </message>
    <message>
        <source>Unable to connect to the network.</source>
        <translation>ネットワークに接続できません。</translation>
    </message>
    <message>
        <source>connection was reset.</source>
        <translation>接続がリセットされました。</translation>
    </message>
    <message>
        <source>Unable to download or download timeout.</source>
        <translation>ダウンロードできないか、タイムアウトしました。</translation>
    </message>
</context>
<context>
    <name>DeleteConfirmDlg</name>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete original file(s) as well.</source>
        <translation>元のファイルも削除する。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DesktopBridge</name>
    <message>
        <source>A private download</source>
        <translation>プライベートなダウンロード</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>ダウンロードに失敗しました</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>ダウンロード完了</translation>
    </message>
    <message>
        <source>Conversion failed</source>
        <translation>変換に失敗しました</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>変換完了</translation>
    </message>
</context>
<context>
    <name>DoneTaskWidget</name>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>ファイルを表示</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
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
        <translation>ファイル名が空のため保存できません。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do You Want to Rename "%1" to "%2"? This Location Already Contains a File with the Same Name.</source>
        <translation>「%1」を「%2」に名前変更しますか？この場所には同じ名前のファイルが既にあります。</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
</context>
<context>
    <name>DownloadFailedDlg</name>
    <message>
        <source>Download failed</source>
        <translation>ダウンロードに失敗しました</translation>
    </message>
    <message>
        <source>Cause of failure:

1. The URL you copied does not support downloading.

2. The URL is not a qualified video or audio link.

3. The URL is a website link.

4. The URL needs a premium to preview.</source>
        <translation>考えられる原因：

1. コピーした URL はダウンロードに対応していません。

2. URL が有効な動画または音声のリンクではありません。

3. URL がウェブサイトのリンクです。

4. URL の視聴にはプレミアムが必要です。</translation>
    </message>
    <message>
        <source>Note:

1. Please ensure that the network is stable, click the Retry button to parse it again.

2. The link format is not the normal way, please re-enter and download.

3. If it still fails, please view and try to download in built-in browser.</source>
        <translation>注意：

1. ネットワークが安定していることを確認し、「再試行」をクリックして再解析してください。

2. リンクの形式が通常と異なります。入力し直してダウンロードしてください。

3. それでも失敗する場合は、内蔵ブラウザで開いてダウンロードしてください。</translation>
    </message>
    <message>
        <source>Download in Built-in Browser</source>
        <translation>内蔵ブラウザでダウンロード</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>理由: %1</translation>
    </message>
</context>
<context>
    <name>DownloadTaskWidget</name>
    <message>
        <source>Waiting for parsing...</source>
        <translation>解析を待っています...</translation>
    </message>
    <message>
        <source>Waiting for downloading...</source>
        <translation>ダウンロードを待っています...</translation>
    </message>
    <message>
        <source>&lt;font color=%1&gt;Download failed, &lt;a style='color: %2;' href="none"&gt;please view and try to download in build-in browser&lt;/a&gt;.&lt;/font&gt;</source>
        <translation>&lt;font color=%1&gt;ダウンロードに失敗しました。&lt;a style='color: %2;' href="none"&gt;内蔵ブラウザで開いてダウンロードしてください&lt;/a&gt;。&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Analyzing...</source>
        <translation>解析中...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>ライブ</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>ダウンロード中</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>保存中...</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>ダウンロード完了</translation>
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
        <translation>再試行</translation>
    </message>
    <message>
        <source>Stalled, retrying...</source>
        <translation>停止しています。再試行中...</translation>
    </message>
</context>
<context>
    <name>DownloadedPage</name>
    <message>
        <source>Show the File</source>
        <translation>ファイルを表示</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>プライベート</translation>
    </message>
    <message>
        <source>Still No File Downloaded, Please Start Downloading</source>
        <translation>ダウンロードしたファイルはまだありません。ダウンロードを始めましょう</translation>
    </message>
    <message>
        <source>&lt;a style='color: %1;' href="%2"&gt;Cannot find the file from Private Space?&lt;/a&gt;</source>
        <translation>&lt;a style='color: %1;' href="%2"&gt;プライベートスペースのファイルが見つかりませんか？&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The Filename is Invalid.</source>
        <translation>ファイル名が無効です。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Modify File Name</source>
        <translation>ファイル名を変更</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>すべて削除</translation>
    </message>
    <message>
        <source>Move to Private List</source>
        <translation>プライベートリストへ移動</translation>
    </message>
    <message>
        <source>Move Out</source>
        <translation>リストから出す</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>URL をコピー</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>元のページへ移動</translation>
    </message>
    <message>
        <source>Save to Dropbox</source>
        <translation>Dropbox に保存</translation>
    </message>
    <message>
        <source>Save to Google Drive</source>
        <translation>Google ドライブに保存</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you select?</source>
        <translation>選択した項目を削除しますか？</translation>
    </message>
    <message>
        <source>Are you sure to delete all the items?</source>
        <translation>すべての項目を削除しますか？</translation>
    </message>
    <message>
        <source>No downloaded file matches "%1".</source>
        <translation>"%1" に一致するダウンロード済みファイルはありません。</translation>
    </message>
</context>
<context>
    <name>DownloadingPage</name>
    <message>
        <source>Original Video</source>
        <translation>元の動画</translation>
    </message>
    <message>
        <source>Original Audio</source>
        <translation>元の音声</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>URL を貼り付け</translation>
    </message>
    <message>
        <source>Resume all</source>
        <translation>すべて再開</translation>
    </message>
    <message>
        <source>Pause all</source>
        <translation>すべて一時停止</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>すべて削除</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>&lt;a style='color:%1;' href="none"&gt;Supported Sites&lt;/a&gt;</source>
        <translation>&lt;a style='color:%1;' href="none"&gt;対応サイト&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>ターボ</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Download then Convert to</source>
        <translation>ダウンロード後に変換：</translation>
    </message>
    <message>
        <source>Wanna download Premium videos?
Please sign in to your account in "Online" section, then click "Download" button to get it.</source>
        <translation>プレミアム動画をダウンロードしますか？
「オンライン」でアカウントにサインインし、「ダウンロード」ボタンをクリックしてください。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No url find in the paste board.</source>
        <translation>クリップボードに URL が見つかりません。</translation>
    </message>
    <message>
        <source>This video is part of the playlist. Do you want to download the clip only or download all playlist?</source>
        <translation>この動画はプレイリストの一部です。このクリップだけをダウンロードしますか、それともプレイリスト全体をダウンロードしますか？</translation>
    </message>
    <message>
        <source>Download playlist</source>
        <translation>プレイリストをダウンロード</translation>
    </message>
    <message>
        <source>Download clip</source>
        <translation>クリップをダウンロード</translation>
    </message>
    <message>
        <source>%1 exists task has been skipped.</source>
        <translation>既存のタスク %1 件をスキップしました。</translation>
    </message>
    <message>
        <source>%1 exists tasks have been skipped.</source>
        <translation>既存のタスク %1 件をスキップしました。</translation>
    </message>
    <message>
        <source>Download MP3</source>
        <translation>MP3 をダウンロード</translation>
    </message>
    <message>
        <source>Multiple URLs</source>
        <translation>複数の URL</translation>
    </message>
    <message>
        <source>Download Playlist</source>
        <translation>プレイリストをダウンロード</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>すべて削除</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>URL をコピー</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>元のページへ移動</translation>
    </message>
    <message>
        <source>Are you sure to delete the downloading tasks which you select?</source>
        <translation>選択したダウンロードタスクを削除しますか？</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the downloading queue?</source>
        <translation>ダウンロードキューのすべてのタスクを削除しますか？</translation>
    </message>
    <message>
        <source>This File Has Already Been Downloaded. Download It Again?</source>
        <translation>このファイルはすでにダウンロードされています。もう一度ダウンロードしますか？</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>再ダウンロード</translation>
    </message>
    <message>
        <source>This page has %1 videos. Do you want to download all of them, or only the first one?</source>
        <translation>このページには %1 本の動画があります。すべてダウンロードしますか、それとも最初の 1 本だけにしますか？</translation>
    </message>
    <message>
        <source>First Only</source>
        <translation>最初の 1 本のみ</translation>
    </message>
    <message>
        <source>Download All</source>
        <translation>すべてダウンロード</translation>
    </message>
    <message>
        <source>This address is already being downloaded in the same format:</source>
        <translation>このアドレスは同じ形式ですでにダウンロード中です:</translation>
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
        <translation>追加できなかったファイル：</translation>
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
        <translation>ファイルが存在しません。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The file does not exist, want to remove it from the list?</source>
        <translation>ファイルが存在しません。リストから削除しますか？</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>"%1" does not exist, please change the save directory</source>
        <translation>「%1」は存在しません。保存先フォルダーを変更してください</translation>
    </message>
    <message>
        <source>Go to setting</source>
        <translation>設定へ</translation>
    </message>
    <message>
        <source>No application on this computer can open the file:
%1</source>
        <translation>このファイルを開けるアプリケーションがこのコンピューターにありません:
%1</translation>
    </message>
    <message>
        <source>No file manager on this computer can show the file:
%1</source>
        <translation>このファイルを表示できるファイルマネージャーがこのコンピューターにありません:
%1</translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>Save a picture of the main window once it has started, then quit.</source>
        <translation>起動後にメインウィンドウの画像を保存して終了します。</translation>
    </message>
    <message>
        <source>file</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Could not save the picture %1</source>
        <translation>画像 %1 を保存できませんでした</translation>
    </message>
    <message>
        <source>Web addresses (http or https) to download, as if pasted.</source>
        <translation>ダウンロードする Web アドレス（http または https）。貼り付けたときと同じように扱います。</translation>
    </message>
</context>
<context>
    <name>LoadFileOperator</name>
    <message>
        <source>cannot read</source>
        <translation>読み取れません</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空です</translation>
    </message>
    <message>
        <source>not a media file</source>
        <translation>メディアファイルではありません</translation>
    </message>
    <message>
        <source>cannot be inspected</source>
        <translation>解析できません</translation>
    </message>
</context>
<context>
    <name>LoadFilesDlg</name>
    <message>
        <source>Adding files...</source>
        <translation>ファイルを追加しています...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>お待ちください...</translation>
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
        <translation>ダウンロード中</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>ダウンロード済み</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>オンライン</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>変換中</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>変換済み</translation>
    </message>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>Open Downloaded Folder</source>
        <translation>ダウンロードフォルダーを開く</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>URL を貼り付け</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>ガイド</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>よくある質問</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>ログフォルダーを開く</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>元に戻す(&amp;R)</translation>
    </message>
    <message>
        <source>Some tasks are in progress, are you sure you want to quit?</source>
        <translation>処理中のタスクがあります。終了しますか？</translation>
    </message>
    <message>
        <source>Clipmoor was stopped while it read its download lists last time. The lists it was reading start empty; their files are kept as:
%1</source>
        <translation>前回、Clipmoor はダウンロード一覧の読み込み中に停止しました。読み込み中だった一覧は空の状態で始まります。そのファイルは次の名前で保管されています:
%1</translation>
    </message>
    <message>
        <source>Clipmoor downloads web addresses only (starting with http:// or https://). Not taken:
%1</source>
        <translation>Clipmoor がダウンロードするのは Web アドレス（http:// または https:// で始まるもの）だけです。受け付けなかったもの：
%1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clipmoor keeps trying for a few seconds before it quits.</source>
        <translation>Clipmoor は終了する前に数秒間再試行します。</translation>
    </message>
</context>
<context>
    <name>PasteInputDlg</name>
    <message>
        <source>Multiple URLs</source>
        <translation>複数の URL</translation>
    </message>
    <message>
        <source>Paste the URLs(one per line):</source>
        <translation>URL を貼り付けてください（1 行に 1 つ）：</translation>
    </message>
    <message>
        <source>Input web page url...</source>
        <translation>ウェブページの URL を入力...</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
</context>
<context>
    <name>PlaylistConfirmDlg</name>
    <message>
        <source>Best</source>
        <translation>最高</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>新しい順</translation>
    </message>
    <message>
        <source>Oldest first</source>
        <translation>古い順</translation>
    </message>
    <message>
        <source>Confirm Playlist</source>
        <translation>プレイリストの確認</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>ダウンロード：</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>動画</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>画質：</translation>
    </message>
    <message>
        <source>Add numerical order to the file name.</source>
        <translation>ファイル名に番号を付ける。</translation>
    </message>
    <message>
        <source>Skip Downloaded</source>
        <translation>ダウンロード済みをスキップ</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Please be patient, the more videos in your playlist,the longer you will wait.</source>
        <translation>しばらくお待ちください。プレイリストの動画が多いほど時間がかかります。</translation>
    </message>
    <message>
        <source>Analysis failed. Please try again later.</source>
        <translation>解析に失敗しました。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
</context>
<context>
    <name>PreferencesDlg</name>
    <message>
        <source>Best</source>
        <translation>最高</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英語</translation>
    </message>
    <message>
        <source>German</source>
        <translation>ドイツ語</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>スペイン語</translation>
    </message>
    <message>
        <source>French</source>
        <translation>フランス語</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>イタリア語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>ポルトガル語</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>アラビア語</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>ロシア語</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>オランダ語</translation>
    </message>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>中国語（簡体字）</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>中国語（繁体字）</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>ポーランド語</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>インドネシア語</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓国語</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>トルコ語</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>The maximum number of downloading tasks:</source>
        <translation>同時ダウンロードの最大数：</translation>
    </message>
    <message>
        <source>Quality Setting:</source>
        <translation>画質設定：</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>ダウンロード：</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>動画</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>画質：</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>字幕：</translation>
    </message>
    <message>
        <source>Auto download Subtitles/Lyrics</source>
        <translation>字幕/歌詞を自動でダウンロード</translation>
    </message>
    <message>
        <source>Auto resume unfinished tasks on startup</source>
        <translation>起動時に未完了のタスクを自動で再開</translation>
    </message>
    <message>
        <source>Allow to read Cookies from Firefox/Chrome</source>
        <translation>Firefox/Chrome の Cookie の読み取りを許可</translation>
    </message>
    <message>
        <source>Save downloaded files to:</source>
        <translation>ダウンロードしたファイルの保存先：</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>ダウンロード速度</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>ターボ</translation>
    </message>
    <message>
        <source>Eable proxy</source>
        <translation>プロキシを有効にする</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>HTTP プロキシ</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Authorization required</source>
        <translation>認証が必要</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>ログイン</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>The maximum number of converting tasks:</source>
        <translation>同時変換の最大数：</translation>
    </message>
    <message>
        <source>Save converted files to:</source>
        <translation>変換したファイルの保存先：</translation>
    </message>
    <message>
        <source>Lyric:</source>
        <translation>歌詞：</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>フォルダーを選択</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics</source>
        <translation>匿名の使用統計を送信する</translation>
    </message>
    <message>
        <source>Tell me on the desktop when a download or conversion ends</source>
        <translation>ダウンロードや変換が終わったらデスクトップに通知する</translation>
    </message>
    <message>
        <source>Check certificates of download sites</source>
        <translation>ダウンロード先サイトの証明書を確認する</translation>
    </message>
    <message>
        <source>Warning: without this check, anyone on the way between you and a site can pose as the site and change what you download.</source>
        <translation>警告: この確認を行わないと、あなたとサイトの間にいる誰もがそのサイトになりすまし、ダウンロードする内容を改ざんできます。</translation>
    </message>
</context>
<context>
    <name>PrivateListDlg</name>
    <message>
        <source>Private List</source>
        <translation>プライベートリスト</translation>
    </message>
    <message>
        <source>Please Enter Password to Lock Private Space</source>
        <translation>プライベートスペースをロックするパスワードを入力してください</translation>
    </message>
    <message>
        <source>Please Enter Password to Unlock Private Space</source>
        <translation>プライベートスペースのロックを解除するパスワードを入力してください</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>パスワードを入力</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>パスワードの表示/非表示</translation>
    </message>
    <message>
        <source>Do not show thumbnails of adult videos</source>
        <translation>アダルト動画のサムネイルを表示しない</translation>
    </message>
    <message>
        <source>Save adult videos as hidden</source>
        <translation>アダルト動画を隠しファイルとして保存する</translation>
    </message>
    <message>
        <source>Remember the password before restart %1</source>
        <translation>%1 を再起動するまでパスワードを記憶する</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>ロック</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>ロック解除</translation>
    </message>
    <message>
        <source>Password error.</source>
        <translation>パスワードが違います。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enter the password again</source>
        <translation>パスワードをもう一度入力</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>パスワードが一致しません。</translation>
    </message>
</context>
<context>
    <name>PrivateModeButton</name>
    <message>
        <source>Turn off Private Mode</source>
        <translation>プライベートモードをオフにする</translation>
    </message>
    <message>
        <source>Turn on Private Mode</source>
        <translation>プライベートモードをオンにする</translation>
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
        <translation>Clipmoor はデータフォルダーに書き込めません
%1

ダウンロードはできますが、終了するとリストと設定は保存されません。</translation>
    </message>
    <message>
        <source>Clipmoor is already running; no picture was taken.</source>
        <translation>Clipmoor はすでに実行中です。画像は保存されませんでした。</translation>
    </message>
    <message>
        <source>The built-in browser cannot start.
%1

Pasting addresses on the downloading page still works.</source>
        <translation>内蔵ブラウザーを起動できません。
%1

ダウンロードページへのアドレスの貼り付けは引き続き使えます。</translation>
    </message>
    <message>
        <source>Clipmoor is running but did not take the addresses.</source>
        <translation>Clipmoor は実行中ですが、アドレスを受け取りませんでした。</translation>
    </message>
</context>
<context>
    <name>SaveHealth</name>
    <message>
        <source>Clipmoor cannot save its lists: no space left on %1</source>
        <translation>Clipmoor はリストを保存できません: %1 に空き容量がありません</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 is not writable</source>
        <translation>Clipmoor はリストを保存できません: %1 に書き込めません</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 does not exist</source>
        <translation>Clipmoor はリストを保存できません: %1 が存在しません</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists in %1: %2</source>
        <translation>Clipmoor は %1 にリストを保存できません: %2</translation>
    </message>
</context>
<context>
    <name>SniffMgr</name>
    <message>
        <source>Download failed, saving the file...</source>
        <translation>ダウンロードに失敗しました。ファイルを保存しています...</translation>
    </message>
    <message>
        <source>Please wait, saving the file...</source>
        <translation>ファイルを保存しています。お待ちください...</translation>
    </message>
</context>
<context>
    <name>UpgradeDlg</name>
    <message>
        <source>A new version is available!</source>
        <translation>新しいバージョンがあります！</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>お使いのバージョンは最新です。</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>アップデート情報を取得できませんでした。後でもう一度お試しください。</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>確認を待っています...</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>今すぐアップデート</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>後で通知</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>バージョン: %1 | サイズ: %2 | リリース日: %3</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
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
        <translation>新規追加</translation>
    </message>
</context>
<context>
    <name>WebHomePage</name>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
</context>
<context>
    <name>platform::DesktopNotifications</name>
    <message>
        <source>Show</source>
        <translation>表示</translation>
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
        <translation>分</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>remaining</source>
        <translation>残り</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>変換中</translation>
    </message>
    <message>
        <source>The download folder cannot be written to</source>
        <translation>ダウンロードフォルダーに書き込めません</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>The video was not found on the site</source>
        <translation>サイトで動画が見つかりませんでした</translation>
    </message>
    <message>
        <source>The site refused the download</source>
        <translation>サイトがダウンロードを拒否しました</translation>
    </message>
    <message>
        <source>The site had a server error</source>
        <translation>サイトでサーバーエラーが発生しました</translation>
    </message>
    <message>
        <source>The site refused the connection</source>
        <translation>サイトが接続を拒否しました</translation>
    </message>
    <message>
        <source>The site could not be found</source>
        <translation>サイトが見つかりませんでした</translation>
    </message>
    <message>
        <source>The connection timed out</source>
        <translation>接続がタイムアウトしました</translation>
    </message>
    <message>
        <source>The download stalled</source>
        <translation>ダウンロードが停滞しました</translation>
    </message>
    <message>
        <source>The download was cut short</source>
        <translation>ダウンロードが途中で切れました</translation>
    </message>
    <message>
        <source>This address is not supported</source>
        <translation>このアドレスには対応していません</translation>
    </message>
    <message>
        <source>The download tool stopped unexpectedly</source>
        <translation>ダウンロードツールが予期せず停止しました</translation>
    </message>
    <message>
        <source>The download was interrupted</source>
        <translation>ダウンロードが中断されました</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>ダウンロードに失敗しました</translation>
    </message>
</context>
<context>
    <name>safesave</name>
    <message>
        <source>Not enough free space in %1: %2 MB free, %3 MB needed</source>
        <translation>%1 の空き容量が不足しています: 空き %2 MB、必要 %3 MB</translation>
    </message>
</context>
</TS>