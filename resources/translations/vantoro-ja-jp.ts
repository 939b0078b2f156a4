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
        <source>Choose the download folder</source>
        <translation>ダウンロードフォルダーを選択</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>English</source>
        <translation>英語</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>イタリア語</translation>
    </message>
    <message>
        <source>German</source>
        <translation>ドイツ語</translation>
    </message>
    <message>
        <source>French</source>
        <translation>フランス語</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>スペイン語</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>ポルトガル語</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>ロシア語</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓国語</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>インドネシア語</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>ベトナム語</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>ヒンディー語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>中国語（簡体字）</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>中国語（繁体字）</translation>
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
        <source>Paste a video address to start downloading.</source>
        <translation>動画のアドレスを貼り付けるとダウンロードが始まります。</translation>
    </message>
    <message>
        <source>Finished downloads appear here.</source>
        <translation>完了したダウンロードがここに表示されます。</translation>
    </message>
    <message>
        <source>The built-in browser opens here.</source>
        <translation>ここに内蔵ブラウザーが開きます。</translation>
    </message>
    <message>
        <source>Add media files here to convert them.</source>
        <translation>変換するメディアファイルをここに追加します。</translation>
    </message>
    <message>
        <source>Converted files appear here.</source>
        <translation>変換したファイルがここに表示されます。</translation>
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
</context>
</TS>