<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>Clipmoor is made by a small team who want saving a video to be as simple as pasting its address.</source>
        <translation>Clipmoor 由一个小团队打造，我们希望保存视频就像粘贴地址一样简单。</translation>
    </message>
    <message>
        <source>To learn more please visit: </source>
        <translation>了解更多请访问：</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Clipmoor developers. All rights reserved.</source>
        <translation>Copyright © 2026 Clipmoor 开发者。保留所有权利。</translation>
    </message>
</context>
<context>
    <name>Adaptation</name>
    <message>
        <source>Same as source</source>
        <translation>与源文件相同</translation>
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
        <translation>视频</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>画质：</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>网址</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>主页</translation>
    </message>
    <message>
        <source>Go back in history</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Go forward in history</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Stop loading this page</source>
        <translation>停止加载此页</translation>
    </message>
    <message>
        <source>Reload this page</source>
        <translation>重新加载此页</translation>
    </message>
    <message>
        <source>Clear browsing data</source>
        <translation>清除浏览数据</translation>
    </message>
    <message>
        <source>Enter Video URL</source>
        <translation>输入视频网址</translation>
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
        <translation>不再询问</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>转换中</translation>
    </message>
    <message>
        <source>The conversion tool failed (%1)</source>
        <translation>转换工具失败（%1）</translation>
    </message>
    <message>
        <source>The conversion tool did not say where the file is</source>
        <translation>转换工具未给出文件位置</translation>
    </message>
    <message>
        <source>Cannot move the converted file to %1</source>
        <translation>无法将转换后的文件移动到 %1</translation>
    </message>
    <message>
        <source>The conversion tool could not be started</source>
        <translation>无法启动转换工具</translation>
    </message>
    <message>
        <source>The conversion tool ended unexpectedly</source>
        <translation>转换工具意外退出</translation>
    </message>
</context>
<context>
    <name>ConvertedDelegate</name>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>显示文件</translation>
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
        <translation>删除所选</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Converted files appear here.</source>
        <translation>已转换的文件会显示在这里。</translation>
    </message>
    <message>
        <source>Are you sure to delete this item?</source>
        <translation>确定要删除此项吗？</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you selected?</source>
        <translation>确定要删除所选项目吗？</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>显示文件</translation>
    </message>
</context>
<context>
    <name>ConvertingDelegate</name>
    <message>
        <source>Waiting to convert...</source>
        <translation>等待转换...</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>转换中</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Convert failed.</source>
        <translation>转换失败。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
</context>
<context>
    <name>ConvertingPage</name>
    <message>
        <source>Add Files</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>显示文件</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>全部删除</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>全部转换</translation>
    </message>
    <message>
        <source>Click Here to Add Files or Drag Files Here</source>
        <translation>点击此处添加文件，或将文件拖到这里</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Are you sure to delete the Converting tasks which you selected?</source>
        <translation>确定要删除所选的转换任务吗？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the Converting queue?</source>
        <translation>确定要删除转换队列中的所有任务吗？</translation>
    </message>
</context>
<context>
    <name>CurlProxy</name>
    <message>
        <source>Failure writing output to destination.</source>
        <translation>无法写入目标文件。</translation>
    </message>
    <message>
        <source>Unable to connect to the network.</source>
        <translation>无法连接网络。</translation>
    </message>
    <message>
        <source>connection was reset.</source>
        <translation>连接已被重置。</translation>
    </message>
    <message>
        <source>Unable to download or download timeout.</source>
        <translation>无法下载或下载超时。</translation>
    </message>
</context>
<context>
    <name>DeleteConfirmDlg</name>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete original file(s) as well.</source>
        <translation>同时删除原始文件。</translation>
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
        <translation>一个私密下载</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>下载失败</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>下载完成</translation>
    </message>
    <message>
        <source>Conversion failed</source>
        <translation>转换失败</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>转换完成</translation>
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
        <translation>显示文件</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Lyrics</source>
        <translation>歌词</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>The Filename is Empty and Cannot Be Saved.</source>
        <translation>文件名为空，无法保存。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Do You Want to Rename "%1" to "%2"? This Location Already Contains a File with the Same Name.</source>
        <translation>要将“%1”重命名为“%2”吗？此位置已有同名文件。</translation>
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
        <translation>下载失败</translation>
    </message>
    <message>
        <source>Cause of failure:

1. The URL you copied does not support downloading.

2. The URL is not a qualified video or audio link.

3. The URL is a website link.

4. The URL needs a premium to preview.</source>
        <translation>失败原因：

1. 您复制的网址不支持下载。

2. 该网址不是有效的视频或音频链接。

3. 该网址是网站链接。

4. 该网址需要付费会员才能观看。</translation>
    </message>
    <message>
        <source>Note:

1. Please ensure that the network is stable, click the Retry button to parse it again.

2. The link format is not the normal way, please re-enter and download.

3. If it still fails, please view and try to download in built-in browser.</source>
        <translation>提示：

1. 请确保网络稳定，点击“重试”按钮重新解析。

2. 链接格式不正常，请重新输入后下载。

3. 如果仍然失败，请在内置浏览器中打开并下载。</translation>
    </message>
    <message>
        <source>Download in Built-in Browser</source>
        <translation>在内置浏览器中下载</translation>
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
        <translation>等待下载...</translation>
    </message>
    <message>
        <source>&lt;font color=%1&gt;Download failed, &lt;a style='color: %2;' href="none"&gt;please view and try to download in build-in browser&lt;/a&gt;.&lt;/font&gt;</source>
        <translation>&lt;font color=%1&gt;下载失败，&lt;a style='color: %2;' href="none"&gt;请在内置浏览器中打开并下载&lt;/a&gt;。&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Analyzing...</source>
        <translation>正在解析...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>直播</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>下载中</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>正在保存...</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>下载完成</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Stalled, retrying...</source>
        <translation>已停滞，正在重试...</translation>
    </message>
</context>
<context>
    <name>DownloadedPage</name>
    <message>
        <source>Show the File</source>
        <translation>显示文件</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
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
        <translation>还没有下载的文件，请开始下载</translation>
    </message>
    <message>
        <source>&lt;a style='color: %1;' href="%2"&gt;Cannot find the file from Private Space?&lt;/a&gt;</source>
        <translation>&lt;a style='color: %1;' href="%2"&gt;在私密空间中找不到文件？&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The Filename is Invalid.</source>
        <translation>文件名无效。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Modify File Name</source>
        <translation>修改文件名</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>全部删除</translation>
    </message>
    <message>
        <source>Move to Private List</source>
        <translation>移到私密列表</translation>
    </message>
    <message>
        <source>Move Out</source>
        <translation>移出</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>复制网址</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>转到来源页面</translation>
    </message>
    <message>
        <source>Save to Dropbox</source>
        <translation>保存到 Dropbox</translation>
    </message>
    <message>
        <source>Save to Google Drive</source>
        <translation>保存到 Google 云端硬盘</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you select?</source>
        <translation>确定要删除所选项目吗？</translation>
    </message>
    <message>
        <source>Are you sure to delete all the items?</source>
        <translation>确定要删除所有项目吗？</translation>
    </message>
    <message>
        <source>No downloaded file matches "%1".</source>
        <translation>没有与“%1”匹配的已下载文件。</translation>
    </message>
</context>
<context>
    <name>DownloadingPage</name>
    <message>
        <source>Original Video</source>
        <translation>原始视频</translation>
    </message>
    <message>
        <source>Original Audio</source>
        <translation>原始音频</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>粘贴链接</translation>
    </message>
    <message>
        <source>Resume all</source>
        <translation>全部继续</translation>
    </message>
    <message>
        <source>Pause all</source>
        <translation>全部暂停</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>全部删除</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>&lt;a style='color:%1;' href="none"&gt;Supported Sites&lt;/a&gt;</source>
        <translation>&lt;a style='color:%1;' href="none"&gt;支持的网站&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>极速</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Download then Convert to</source>
        <translation>下载后转换为</translation>
    </message>
    <message>
        <source>Wanna download Premium videos?
Please sign in to your account in "Online" section, then click "Download" button to get it.</source>
        <translation>要下载付费视频吗？
请在“在线”中登录您的账户，然后点击“下载”按钮获取。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>No url find in the paste board.</source>
        <translation>剪贴板中没有找到网址。</translation>
    </message>
    <message>
        <source>This video is part of the playlist. Do you want to download the clip only or download all playlist?</source>
        <translation>此视频属于一个播放列表。您要只下载此片段还是下载整个播放列表？</translation>
    </message>
    <message>
        <source>Download playlist</source>
        <translation>下载播放列表</translation>
    </message>
    <message>
        <source>Download clip</source>
        <translation>下载片段</translation>
    </message>
    <message>
        <source>%1 exists task has been skipped.</source>
        <translation>已跳过 %1 个已存在的任务。</translation>
    </message>
    <message>
        <source>%1 exists tasks have been skipped.</source>
        <translation>已跳过 %1 个已存在的任务。</translation>
    </message>
    <message>
        <source>Download MP3</source>
        <translation>下载 MP3</translation>
    </message>
    <message>
        <source>Multiple URLs</source>
        <translation>多个网址</translation>
    </message>
    <message>
        <source>Download Playlist</source>
        <translation>下载播放列表</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>全部删除</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>复制网址</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>转到来源页面</translation>
    </message>
    <message>
        <source>Are you sure to delete the downloading tasks which you select?</source>
        <translation>确定要删除所选的下载任务吗？</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the downloading queue?</source>
        <translation>确定要删除下载队列中的所有任务吗？</translation>
    </message>
    <message>
        <source>This File Has Already Been Downloaded. Download It Again?</source>
        <translation>此文件已下载过。要重新下载吗？</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>重新下载</translation>
    </message>
    <message>
        <source>This page has %1 videos. Do you want to download all of them, or only the first one?</source>
        <translation>此页面有 %1 个视频。要全部下载，还是只下载第一个？</translation>
    </message>
    <message>
        <source>First Only</source>
        <translation>仅第一个</translation>
    </message>
    <message>
        <source>Download All</source>
        <translation>全部下载</translation>
    </message>
    <message>
        <source>This address is already being downloaded in the same format:</source>
        <translation>此地址已在以相同格式下载：</translation>
    </message>
</context>
<context>
    <name>FailedfilenameDialog</name>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Failed to add files:</source>
        <translation>无法添加以下文件：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>Global</name>
    <message>
        <source>File does not exist.</source>
        <translation>文件不存在。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>The file does not exist, want to remove it from the list?</source>
        <translation>文件不存在，要从列表中移除吗？</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>"%1" does not exist, please change the save directory</source>
        <translation>“%1”不存在，请更改保存目录</translation>
    </message>
    <message>
        <source>Go to setting</source>
        <translation>前往设置</translation>
    </message>
    <message>
        <source>No application on this computer can open the file:
%1</source>
        <translation>此电脑上没有可以打开该文件的应用程序：
%1</translation>
    </message>
    <message>
        <source>No file manager on this computer can show the file:
%1</source>
        <translation>此电脑上没有可以显示该文件的文件管理器：
%1</translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>Save a picture of the main window once it has started, then quit.</source>
        <translation>启动后保存主窗口的图片，然后退出。</translation>
    </message>
    <message>
        <source>file</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Could not save the picture %1</source>
        <translation>无法保存图片 %1</translation>
    </message>
    <message>
        <source>Web addresses (http or https) to download, as if pasted.</source>
        <translation>要下载的网址（http 或 https），如同粘贴一样。</translation>
    </message>
</context>
<context>
    <name>LoadFileOperator</name>
    <message>
        <source>cannot read</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空文件</translation>
    </message>
    <message>
        <source>not a media file</source>
        <translation>不是媒体文件</translation>
    </message>
    <message>
        <source>cannot be inspected</source>
        <translation>无法检查</translation>
    </message>
</context>
<context>
    <name>LoadFilesDlg</name>
    <message>
        <source>Adding files...</source>
        <translation>正在添加文件...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>请稍候...</translation>
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
        <translation>下载中</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>已下载</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>在线</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>转换中</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>已转换</translation>
    </message>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>偏好设置</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Open Downloaded Folder</source>
        <translation>打开下载文件夹</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>粘贴链接</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>使用指南</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>常见问题</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>打开日志文件夹</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>恢复(&amp;R)</translation>
    </message>
    <message>
        <source>Some tasks are in progress, are you sure you want to quit?</source>
        <translation>有任务正在进行，确定要退出吗？</translation>
    </message>
    <message>
        <source>Clipmoor was stopped while it read its download lists last time. The lists it was reading start empty; their files are kept as:
%1</source>
        <translation>Clipmoor 上次在读取下载列表时被停止。正在读取的列表将以空列表开始；其文件已保存为：
%1</translation>
    </message>
    <message>
        <source>Clipmoor downloads web addresses only (starting with http:// or https://). Not taken:
%1</source>
        <translation>Clipmoor 只下载网址（以 http:// 或 https:// 开头）。未接受：
%1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Clipmoor keeps trying for a few seconds before it quits.</source>
        <translation>Clipmoor 会在退出前再尝试几秒钟。</translation>
    </message>
</context>
<context>
    <name>PasteInputDlg</name>
    <message>
        <source>Multiple URLs</source>
        <translation>多个网址</translation>
    </message>
    <message>
        <source>Paste the URLs(one per line):</source>
        <translation>粘贴网址（每行一个）：</translation>
    </message>
    <message>
        <source>Input web page url...</source>
        <translation>输入网页网址...</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
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
        <translation>确认播放列表</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>下载：</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>画质：</translation>
    </message>
    <message>
        <source>Add numerical order to the file name.</source>
        <translation>在文件名中添加序号。</translation>
    </message>
    <message>
        <source>Skip Downloaded</source>
        <translation>跳过已下载的</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Please be patient, the more videos in your playlist,the longer you will wait.</source>
        <translation>请耐心等待，播放列表中的视频越多，等待时间越长。</translation>
    </message>
    <message>
        <source>Analysis failed. Please try again later.</source>
        <translation>解析失败，请稍后重试。</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
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
        <translation>英语</translation>
    </message>
    <message>
        <source>German</source>
        <translation>德语</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>西班牙语</translation>
    </message>
    <message>
        <source>French</source>
        <translation>法语</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>意大利语</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日语</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>葡萄牙语</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>阿拉伯语</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>俄语</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>荷兰语</translation>
    </message>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>繁体中文</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>波兰语</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>印尼语</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韩语</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>土耳其语</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>偏好设置</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>The maximum number of downloading tasks:</source>
        <translation>最大同时下载任务数：</translation>
    </message>
    <message>
        <source>Quality Setting:</source>
        <translation>画质设置：</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>下载：</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>画质：</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>字幕：</translation>
    </message>
    <message>
        <source>Auto download Subtitles/Lyrics</source>
        <translation>自动下载字幕/歌词</translation>
    </message>
    <message>
        <source>Auto resume unfinished tasks on startup</source>
        <translation>启动时自动继续未完成的任务</translation>
    </message>
    <message>
        <source>Allow to read Cookies from Firefox/Chrome</source>
        <translation>允许读取 Firefox/Chrome 的 Cookie</translation>
    </message>
    <message>
        <source>Save downloaded files to:</source>
        <translation>下载文件保存到：</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>下载速度</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>极速</translation>
    </message>
    <message>
        <source>Eable proxy</source>
        <translation>启用代理</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>HTTP 代理</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Authorization required</source>
        <translation>需要身份验证</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>The maximum number of converting tasks:</source>
        <translation>最大同时转换任务数：</translation>
    </message>
    <message>
        <source>Save converted files to:</source>
        <translation>转换文件保存到：</translation>
    </message>
    <message>
        <source>Lyric:</source>
        <translation>歌词：</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics</source>
        <translation>发送匿名使用统计</translation>
    </message>
    <message>
        <source>Tell me on the desktop when a download or conversion ends</source>
        <translation>下载或转换结束时在桌面上通知我</translation>
    </message>
    <message>
        <source>Check certificates of download sites</source>
        <translation>检查下载网站的证书</translation>
    </message>
    <message>
        <source>Warning: without this check, anyone on the way between you and a site can pose as the site and change what you download.</source>
        <translation>警告：不检查证书时，您与网站之间的任何人都可以冒充该网站并篡改您下载的内容。</translation>
    </message>
</context>
<context>
    <name>PrivateListDlg</name>
    <message>
        <source>Private List</source>
        <translation>私密列表</translation>
    </message>
    <message>
        <source>Please Enter Password to Lock Private Space</source>
        <translation>请输入密码以锁定私密空间</translation>
    </message>
    <message>
        <source>Please Enter Password to Unlock Private Space</source>
        <translation>请输入密码以解锁私密空间</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>输入密码</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>显示或隐藏密码</translation>
    </message>
    <message>
        <source>Do not show thumbnails of adult videos</source>
        <translation>不显示成人视频的缩略图</translation>
    </message>
    <message>
        <source>Save adult videos as hidden</source>
        <translation>将成人视频保存为隐藏文件</translation>
    </message>
    <message>
        <source>Remember the password before restart %1</source>
        <translation>在 %1 重启前记住密码</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>锁定</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>解锁</translation>
    </message>
    <message>
        <source>Password error.</source>
        <translation>密码错误。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Enter the password again</source>
        <translation>再次输入密码</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>两次输入的密码不一致。</translation>
    </message>
</context>
<context>
    <name>PrivateModeButton</name>
    <message>
        <source>Turn off Private Mode</source>
        <translation>关闭私密模式</translation>
    </message>
    <message>
        <source>Turn on Private Mode</source>
        <translation>开启私密模式</translation>
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
        <translation>Clipmoor 无法写入数据文件夹
%1

下载仍可进行，但退出后列表和设置不会保留。</translation>
    </message>
    <message>
        <source>Clipmoor is already running; no picture was taken.</source>
        <translation>Clipmoor 已在运行，未保存图片。</translation>
    </message>
    <message>
        <source>The built-in browser cannot start.
%1

Pasting addresses on the downloading page still works.</source>
        <translation>内置浏览器无法启动。
%1

在下载页面粘贴地址仍可使用。</translation>
    </message>
    <message>
        <source>Clipmoor is running but did not take the addresses.</source>
        <translation>Clipmoor 正在运行，但没有接收这些网址。</translation>
    </message>
</context>
<context>
    <name>SaveHealth</name>
    <message>
        <source>Clipmoor cannot save its lists: no space left on %1</source>
        <translation>Clipmoor 无法保存列表：%1 没有剩余空间</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 is not writable</source>
        <translation>Clipmoor 无法保存列表：%1 不可写</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 does not exist</source>
        <translation>Clipmoor 无法保存列表：%1 不存在</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists in %1: %2</source>
        <translation>Clipmoor 无法在 %1 中保存列表：%2</translation>
    </message>
</context>
<context>
    <name>SniffMgr</name>
    <message>
        <source>Download failed, saving the file...</source>
        <translation>下载失败，正在保存文件...</translation>
    </message>
    <message>
        <source>Please wait, saving the file...</source>
        <translation>请稍候，正在保存文件...</translation>
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
        <translation>当前已是最新版本。</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>获取更新信息失败，请稍后重试。</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>等待检查...</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>立即升级</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>稍后提醒</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>版本：%1 | 大小：%2 | 发布日期：%3</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>重置</translation>
    </message>
</context>
<context>
    <name>platform::DesktopNotifications</name>
    <message>
        <source>Show</source>
        <translation>显示</translation>
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
        <translation>分钟</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>remaining</source>
        <translation>剩余</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>转换中</translation>
    </message>
    <message>
        <source>The download folder cannot be written to</source>
        <translation>无法写入下载文件夹</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>The video was not found on the site</source>
        <translation>在网站上找不到该视频</translation>
    </message>
    <message>
        <source>The site refused the download</source>
        <translation>网站拒绝了下载</translation>
    </message>
    <message>
        <source>The site had a server error</source>
        <translation>网站出现服务器错误</translation>
    </message>
    <message>
        <source>The site refused the connection</source>
        <translation>网站拒绝了连接</translation>
    </message>
    <message>
        <source>The site could not be found</source>
        <translation>找不到该网站</translation>
    </message>
    <message>
        <source>The connection timed out</source>
        <translation>连接超时</translation>
    </message>
    <message>
        <source>The download stalled</source>
        <translation>下载停滞</translation>
    </message>
    <message>
        <source>The download was cut short</source>
        <translation>下载被截断</translation>
    </message>
    <message>
        <source>This address is not supported</source>
        <translation>不支持此地址</translation>
    </message>
    <message>
        <source>The download tool stopped unexpectedly</source>
        <translation>下载工具意外停止</translation>
    </message>
    <message>
        <source>The download was interrupted</source>
        <translation>下载已中断</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>下载失败</translation>
    </message>
</context>
<context>
    <name>safesave</name>
    <message>
        <source>Not enough free space in %1: %2 MB free, %3 MB needed</source>
        <translation>%1 的可用空间不足：可用 %2 MB，需要 %3 MB</translation>
    </message>
</context>
</TS>