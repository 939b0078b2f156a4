<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="vi_VN">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About</source>
        <translation>Giới thiệu</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Phiên bản: </translation>
    </message>
    <message>
        <source>Clipmoor is made by a small team who want saving a video to be as simple as pasting its address.</source>
        <translation>Clipmoor do một nhóm nhỏ làm ra, mong muốn việc lưu video dễ như dán địa chỉ của nó.</translation>
    </message>
    <message>
        <source>To learn more please visit: </source>
        <translation>Tìm hiểu thêm tại: </translation>
    </message>
    <message>
        <source>Copyright © 2026 the Clipmoor developers. All rights reserved.</source>
        <translation>Bản quyền © 2026 các nhà phát triển Clipmoor. Bảo lưu mọi quyền.</translation>
    </message>
</context>
<context>
    <name>Adaptation</name>
    <message>
        <source>Same as source</source>
        <translation>Giống bản gốc</translation>
    </message>
    <message>
        <source>High(4K)</source>
        <translation>Cao(4K)</translation>
    </message>
    <message>
        <source>High(2K)</source>
        <translation>Cao(2K)</translation>
    </message>
    <message>
        <source>High(1080P)</source>
        <translation>Cao(1080P)</translation>
    </message>
    <message>
        <source>Middle(720P)</source>
        <translation>Trung bình(720P)</translation>
    </message>
    <message>
        <source>Middle(480P)</source>
        <translation>Trung bình(480P)</translation>
    </message>
    <message>
        <source>Low(360P)</source>
        <translation>Thấp(360P)</translation>
    </message>
    <message>
        <source>Low(240P)</source>
        <translation>Thấp(240P)</translation>
    </message>
    <message>
        <source>High(320Kb/s)</source>
        <translation>Cao(320Kb/s)</translation>
    </message>
    <message>
        <source>High(256Kb/s)</source>
        <translation>Cao(256Kb/s)</translation>
    </message>
    <message>
        <source>Middle(128Kb/s)</source>
        <translation>Trung bình(128Kb/s)</translation>
    </message>
    <message>
        <source>Low(64Kb/s)</source>
        <translation>Thấp(64Kb/s)</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Âm thanh</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Chất lượng:</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Tắt tiếng</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
</context>
<context>
    <name>AddSiteDlg</name>
    <message>
        <source>Add New</source>
        <translation>Thêm mới</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tiêu đề</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
</context>
<context>
    <name>BrowserWindow</name>
    <message>
        <source>Home</source>
        <translation>Trang chủ</translation>
    </message>
    <message>
        <source>Go back in history</source>
        <translation>Quay lại trong lịch sử</translation>
    </message>
    <message>
        <source>Go forward in history</source>
        <translation>Tiến tới trong lịch sử</translation>
    </message>
    <message>
        <source>Stop loading this page</source>
        <translation>Dừng tải trang này</translation>
    </message>
    <message>
        <source>Reload this page</source>
        <translation>Tải lại trang này</translation>
    </message>
    <message>
        <source>Clear browsing data</source>
        <translation>Xóa dữ liệu duyệt web</translation>
    </message>
    <message>
        <source>Enter Video URL</source>
        <translation>Nhập URL video</translation>
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
        <translation>Không hỏi lại</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
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
        <translation>Không rõ</translation>
    </message>
</context>
<context>
    <name>ConvertTask</name>
    <message>
        <source>The file does not exist</source>
        <translation>Tệp không tồn tại</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>Không thể ghi vào %1</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Đang chuyển đổi</translation>
    </message>
    <message>
        <source>The conversion tool failed (%1)</source>
        <translation>Công cụ chuyển đổi bị lỗi (%1)</translation>
    </message>
    <message>
        <source>The conversion tool did not say where the file is</source>
        <translation>Công cụ chuyển đổi không cho biết tệp ở đâu</translation>
    </message>
    <message>
        <source>Cannot move the converted file to %1</source>
        <translation>Không thể chuyển tệp đã chuyển đổi tới %1</translation>
    </message>
    <message>
        <source>The conversion tool could not be started</source>
        <translation>Không thể khởi động công cụ chuyển đổi</translation>
    </message>
    <message>
        <source>The conversion tool ended unexpectedly</source>
        <translation>Công cụ chuyển đổi kết thúc bất ngờ</translation>
    </message>
</context>
<context>
    <name>ConvertedDelegate</name>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Hiển thị tệp</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Phát</translation>
    </message>
</context>
<context>
    <name>ConvertedPage</name>
    <message>
        <source>Delete Selected</source>
        <translation>Xóa mục đã chọn</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Tìm kiếm</translation>
    </message>
    <message>
        <source>Converted files appear here.</source>
        <translation>Các tệp đã chuyển đổi sẽ hiện ở đây.</translation>
    </message>
    <message>
        <source>Are you sure to delete this item?</source>
        <translation>Bạn có chắc muốn xóa mục này?</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you selected?</source>
        <translation>Bạn có chắc muốn xóa các mục đã chọn?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Hiển thị tệp</translation>
    </message>
</context>
<context>
    <name>ConvertingDelegate</name>
    <message>
        <source>Waiting to convert...</source>
        <translation>Đang chờ chuyển đổi...</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Đang chuyển đổi</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>hoàn tất</translation>
    </message>
    <message>
        <source>Convert failed.</source>
        <translation>Chuyển đổi thất bại.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Chuyển đổi</translation>
    </message>
</context>
<context>
    <name>ConvertingPage</name>
    <message>
        <source>Add Files</source>
        <translation>Thêm tệp</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Hiển thị tệp</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Xóa tất cả</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Chuyển đổi tất cả</translation>
    </message>
    <message>
        <source>Click Here to Add Files or Drag Files Here</source>
        <translation>Nhấp vào đây để thêm tệp hoặc kéo tệp vào đây</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Are you sure to delete the Converting tasks which you selected?</source>
        <translation>Bạn có chắc muốn xóa các tác vụ chuyển đổi đã chọn?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the Converting queue?</source>
        <translation>Bạn có chắc muốn xóa tất cả tác vụ khỏi hàng đợi chuyển đổi?</translation>
    </message>
</context>
<context>
    <name>CurlProxy</name>
    <message>
        <source>Failure writing output to destination.</source>
        <translation>Không thể ghi vào đích.</translation>
    </message>
    <message>
        <source>Unable to connect to the network.</source>
        <translation>Không thể kết nối mạng.</translation>
    </message>
    <message>
        <source>connection was reset.</source>
        <translation>Kết nối đã bị đặt lại.</translation>
    </message>
    <message>
        <source>Unable to download or download timeout.</source>
        <translation>Không thể tải xuống hoặc hết thời gian chờ.</translation>
    </message>
</context>
<context>
    <name>DeleteConfirmDlg</name>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Delete original file(s) as well.</source>
        <translation>Xóa cả (các) tệp gốc.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
</context>
<context>
    <name>DesktopBridge</name>
    <message>
        <source>A private download</source>
        <translation>Một bản tải xuống riêng tư</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Tải xuống thất bại</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Đã tải xong</translation>
    </message>
    <message>
        <source>Conversion failed</source>
        <translation>Chuyển đổi thất bại</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Đã chuyển đổi xong</translation>
    </message>
</context>
<context>
    <name>DoneTaskWidget</name>
    <message>
        <source>Play</source>
        <translation>Phát</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>Hiển thị tệp</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Không rõ</translation>
    </message>
    <message>
        <source>Lyrics</source>
        <translation>Lời bài hát</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Phụ đề</translation>
    </message>
    <message>
        <source>The Filename is Empty and Cannot Be Saved.</source>
        <translation>Tên tệp trống nên không thể lưu.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do You Want to Rename "%1" to "%2"? This Location Already Contains a File with the Same Name.</source>
        <translation>Đổi tên "%1" thành "%2"? Vị trí này đã có một tệp cùng tên.</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Không</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Có</translation>
    </message>
</context>
<context>
    <name>DownloadFailedDlg</name>
    <message>
        <source>Download failed</source>
        <translation>Tải xuống thất bại</translation>
    </message>
    <message>
        <source>Cause of failure:

1. The URL you copied does not support downloading.

2. The URL is not a qualified video or audio link.

3. The URL is a website link.

4. The URL needs a premium to preview.</source>
        <translation>Nguyên nhân có thể:

1. URL bạn sao chép không hỗ trợ tải xuống.

2. URL không phải là liên kết video hoặc âm thanh hợp lệ.

3. URL là liên kết trang web.

4. URL cần tài khoản trả phí để xem.</translation>
    </message>
    <message>
        <source>Note:

1. Please ensure that the network is stable, click the Retry button to parse it again.

2. The link format is not the normal way, please re-enter and download.

3. If it still fails, please view and try to download in built-in browser.</source>
        <translation>Lưu ý:

1. Hãy đảm bảo mạng ổn định, nhấn nút Thử lại để phân tích lại.

2. Định dạng liên kết không bình thường, vui lòng nhập lại và tải xuống.

3. Nếu vẫn thất bại, hãy mở và tải xuống trong trình duyệt tích hợp.</translation>
    </message>
    <message>
        <source>Download in Built-in Browser</source>
        <translation>Tải xuống trong trình duyệt tích hợp</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Lý do: %1</translation>
    </message>
</context>
<context>
    <name>DownloadTaskWidget</name>
    <message>
        <source>Waiting for parsing...</source>
        <translation>Đang chờ phân tích...</translation>
    </message>
    <message>
        <source>Waiting for downloading...</source>
        <translation>Đang chờ tải xuống...</translation>
    </message>
    <message>
        <source>&lt;font color=%1&gt;Download failed, &lt;a style='color: %2;' href="none"&gt;please view and try to download in build-in browser&lt;/a&gt;.&lt;/font&gt;</source>
        <translation>&lt;font color=%1&gt;Tải xuống thất bại, &lt;a style='color: %2;' href="none"&gt;vui lòng mở và tải xuống trong trình duyệt tích hợp&lt;/a&gt;.&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Analyzing...</source>
        <translation>Đang phân tích...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Tạm dừng</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Trực tiếp</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Đang tải</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Đang chờ</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Đã tạm dừng</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Đang lưu...</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>Đã tải xong</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Bắt đầu</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Thử lại</translation>
    </message>
    <message>
        <source>Stalled, retrying...</source>
        <translation>Bị đình trệ, đang thử lại...</translation>
    </message>
</context>
<context>
    <name>DownloadedPage</name>
    <message>
        <source>Show the File</source>
        <translation>Hiển thị tệp</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Tìm kiếm</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tất cả</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Riêng tư</translation>
    </message>
    <message>
        <source>Still No File Downloaded, Please Start Downloading</source>
        <translation>Chưa có tệp nào được tải xuống, hãy bắt đầu tải xuống</translation>
    </message>
    <message>
        <source>&lt;a style='color: %1;' href="%2"&gt;Cannot find the file from Private Space?&lt;/a&gt;</source>
        <translation>&lt;a style='color: %1;' href="%2"&gt;Không tìm thấy tệp trong Không gian riêng tư?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The Filename is Invalid.</source>
        <translation>Tên tệp không hợp lệ.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Phát</translation>
    </message>
    <message>
        <source>Modify File Name</source>
        <translation>Đổi tên tệp</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Xóa tất cả</translation>
    </message>
    <message>
        <source>Move to Private List</source>
        <translation>Chuyển vào danh sách riêng tư</translation>
    </message>
    <message>
        <source>Move Out</source>
        <translation>Chuyển ra</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>Sao chép URL</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>Đến trang nguồn</translation>
    </message>
    <message>
        <source>Save to Dropbox</source>
        <translation>Lưu vào Dropbox</translation>
    </message>
    <message>
        <source>Save to Google Drive</source>
        <translation>Lưu vào Google Drive</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you select?</source>
        <translation>Bạn có chắc muốn xóa các mục đã chọn?</translation>
    </message>
    <message>
        <source>Are you sure to delete all the items?</source>
        <translation>Bạn có chắc muốn xóa tất cả các mục?</translation>
    </message>
    <message>
        <source>No downloaded file matches "%1".</source>
        <translation>Không có tệp đã tải xuống nào khớp với "%1".</translation>
    </message>
</context>
<context>
    <name>DownloadingPage</name>
    <message>
        <source>Original Video</source>
        <translation>Video gốc</translation>
    </message>
    <message>
        <source>Original Audio</source>
        <translation>Âm thanh gốc</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>Dán URL</translation>
    </message>
    <message>
        <source>Resume all</source>
        <translation>Tiếp tục tất cả</translation>
    </message>
    <message>
        <source>Pause all</source>
        <translation>Tạm dừng tất cả</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Xóa tất cả</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tốc độ</translation>
    </message>
    <message>
        <source>&lt;a style='color:%1;' href="none"&gt;Supported Sites&lt;/a&gt;</source>
        <translation>&lt;a style='color:%1;' href="none"&gt;Trang web được hỗ trợ&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>Siêu tốc</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Tải xuống</translation>
    </message>
    <message>
        <source>Download then Convert to</source>
        <translation>Tải xuống rồi chuyển đổi sang</translation>
    </message>
    <message>
        <source>Wanna download Premium videos?
Please sign in to your account in "Online" section, then click "Download" button to get it.</source>
        <translation>Tải video trả phí?
Hãy đăng nhập tài khoản trong mục "Trực tuyến", sau đó nhấn nút "Tải xuống".</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No url find in the paste board.</source>
        <translation>Không tìm thấy URL trong khay nhớ tạm.</translation>
    </message>
    <message>
        <source>This video is part of the playlist. Do you want to download the clip only or download all playlist?</source>
        <translation>Video này thuộc một danh sách phát. Bạn muốn chỉ tải clip này hay cả danh sách phát?</translation>
    </message>
    <message>
        <source>Download playlist</source>
        <translation>Tải danh sách phát</translation>
    </message>
    <message>
        <source>Download clip</source>
        <translation>Tải clip</translation>
    </message>
    <message>
        <source>%1 exists task has been skipped.</source>
        <translation>Đã bỏ qua %1 tác vụ đã có.</translation>
    </message>
    <message>
        <source>%1 exists tasks have been skipped.</source>
        <translation>Đã bỏ qua %1 tác vụ đã có.</translation>
    </message>
    <message>
        <source>Download MP3</source>
        <translation>Tải MP3</translation>
    </message>
    <message>
        <source>Multiple URLs</source>
        <translation>Nhiều URL</translation>
    </message>
    <message>
        <source>Download Playlist</source>
        <translation>Tải danh sách phát</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Tạm dừng</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Tiếp tục</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Xóa tất cả</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>Sao chép URL</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>Đến trang nguồn</translation>
    </message>
    <message>
        <source>Are you sure to delete the downloading tasks which you select?</source>
        <translation>Bạn có chắc muốn xóa các tác vụ tải xuống đã chọn?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the downloading queue?</source>
        <translation>Bạn có chắc muốn xóa tất cả tác vụ khỏi hàng đợi tải xuống?</translation>
    </message>
    <message>
        <source>This File Has Already Been Downloaded. Download It Again?</source>
        <translation>Tệp này đã được tải xuống. Tải xuống lại?</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Tải lại</translation>
    </message>
    <message>
        <source>This page has %1 videos. Do you want to download all of them, or only the first one?</source>
        <translation>Trang này có %1 video. Bạn muốn tải xuống tất cả hay chỉ video đầu tiên?</translation>
    </message>
    <message>
        <source>First Only</source>
        <translation>Chỉ video đầu tiên</translation>
    </message>
    <message>
        <source>Download All</source>
        <translation>Tải xuống tất cả</translation>
    </message>
    <message>
        <source>This address is already being downloaded in the same format:</source>
        <translation>Địa chỉ này đang được tải xuống ở cùng định dạng:</translation>
    </message>
</context>
<context>
    <name>FailedfilenameDialog</name>
    <message>
        <source>Failed</source>
        <translation>Thất bại</translation>
    </message>
    <message>
        <source>Failed to add files:</source>
        <translation>Không thể thêm các tệp:</translation>
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
        <translation>Tệp không tồn tại.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The file does not exist, want to remove it from the list?</source>
        <translation>Tệp không tồn tại, xóa khỏi danh sách?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>"%1" does not exist, please change the save directory</source>
        <translation>"%1" không tồn tại, vui lòng đổi thư mục lưu</translation>
    </message>
    <message>
        <source>Go to setting</source>
        <translation>Đến cài đặt</translation>
    </message>
    <message>
        <source>No application on this computer can open the file:
%1</source>
        <translation>Không có ứng dụng nào trên máy tính này mở được tệp:
%1</translation>
    </message>
    <message>
        <source>No file manager on this computer can show the file:
%1</source>
        <translation>Không có trình quản lý tệp nào trên máy tính này hiển thị được tệp:
%1</translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>Save a picture of the main window once it has started, then quit.</source>
        <translation>Lưu ảnh cửa sổ chính sau khi khởi động, rồi thoát.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>tệp</translation>
    </message>
    <message>
        <source>Could not save the picture %1</source>
        <translation>Không thể lưu ảnh %1</translation>
    </message>
    <message>
        <source>Web addresses (http or https) to download, as if pasted.</source>
        <translation>Địa chỉ web (http hoặc https) cần tải xuống, như khi dán vào.</translation>
    </message>
</context>
<context>
    <name>LoadFileOperator</name>
    <message>
        <source>cannot read</source>
        <translation>không đọc được</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>trống</translation>
    </message>
    <message>
        <source>not a media file</source>
        <translation>không phải tệp đa phương tiện</translation>
    </message>
    <message>
        <source>cannot be inspected</source>
        <translation>không kiểm tra được</translation>
    </message>
</context>
<context>
    <name>LoadFilesDlg</name>
    <message>
        <source>Adding files...</source>
        <translation>Đang thêm tệp...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Vui lòng chờ...</translation>
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
        <translation>Đang tải</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Đã tải</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Trực tuyến</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Đang chuyển đổi</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Đã chuyển đổi</translation>
    </message>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Tùy chọn</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Ứng dụng</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Ngôn ngữ</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Tải xuống</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Tệp</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Trợ giúp</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Giới thiệu</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Kiểm tra cập nhật</translation>
    </message>
    <message>
        <source>Open Downloaded Folder</source>
        <translation>Mở thư mục tải xuống</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>Dán URL</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Tạm dừng</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Tiếp tục</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Hướng dẫn</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>Câu hỏi thường gặp</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Mở thư mục nhật ký</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Thoát</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Khôi phục</translation>
    </message>
    <message>
        <source>Some tasks are in progress, are you sure you want to quit?</source>
        <translation>Một số tác vụ đang chạy, bạn có chắc muốn thoát?</translation>
    </message>
    <message>
        <source>Clipmoor was stopped while it read its download lists last time. The lists it was reading start empty; their files are kept as:
%1</source>
        <translation>Lần trước Clipmoor bị dừng khi đang đọc danh sách tải xuống. Các danh sách đang được đọc sẽ bắt đầu trống; tệp của chúng được giữ lại với tên:
%1</translation>
    </message>
    <message>
        <source>Clipmoor downloads web addresses only (starting with http:// or https://). Not taken:
%1</source>
        <translation>Clipmoor chỉ tải xuống địa chỉ web (bắt đầu bằng http:// hoặc https://). Không nhận:
%1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clipmoor keeps trying for a few seconds before it quits.</source>
        <translation>Clipmoor tiếp tục thử trong vài giây trước khi thoát.</translation>
    </message>
</context>
<context>
    <name>PasteInputDlg</name>
    <message>
        <source>Multiple URLs</source>
        <translation>Nhiều URL</translation>
    </message>
    <message>
        <source>Paste the URLs(one per line):</source>
        <translation>Dán các URL (mỗi dòng một URL):</translation>
    </message>
    <message>
        <source>Input web page url...</source>
        <translation>Nhập URL trang web...</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Tải xuống</translation>
    </message>
</context>
<context>
    <name>PlaylistConfirmDlg</name>
    <message>
        <source>Best</source>
        <translation>Tốt nhất</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>Mới nhất trước</translation>
    </message>
    <message>
        <source>Oldest first</source>
        <translation>Cũ nhất trước</translation>
    </message>
    <message>
        <source>Confirm Playlist</source>
        <translation>Xác nhận danh sách phát</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tiêu đề</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>Tải xuống:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Âm thanh</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Chất lượng:</translation>
    </message>
    <message>
        <source>Add numerical order to the file name.</source>
        <translation>Thêm số thứ tự vào tên tệp.</translation>
    </message>
    <message>
        <source>Skip Downloaded</source>
        <translation>Bỏ qua mục đã tải</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Tải xuống</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Please be patient, the more videos in your playlist,the longer you will wait.</source>
        <translation>Vui lòng kiên nhẫn, danh sách phát càng nhiều video thì càng phải chờ lâu.</translation>
    </message>
    <message>
        <source>Analysis failed. Please try again later.</source>
        <translation>Phân tích thất bại. Vui lòng thử lại sau.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Thử lại</translation>
    </message>
</context>
<context>
    <name>PreferencesDlg</name>
    <message>
        <source>Best</source>
        <translation>Tốt nhất</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Tiếng Anh</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tiếng Đức</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Tiếng Tây Ban Nha</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Tiếng Pháp</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Tiếng Ý</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Tiếng Nhật</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Tiếng Bồ Đào Nha</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Tiếng Ả Rập</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Tiếng Nga</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Tiếng Hà Lan</translation>
    </message>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Tiếng Trung (Giản thể)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Tiếng Trung (Phồn thể)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Tiếng Ba Lan</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Tiếng Indonesia</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Tiếng Hàn</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Tiếng Thổ Nhĩ Kỳ</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Tùy chọn</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Tải xuống</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Kết nối</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Chuyển đổi</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Đặt lại</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Áp dụng</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Thay đổi</translation>
    </message>
    <message>
        <source>The maximum number of downloading tasks:</source>
        <translation>Số tác vụ tải xuống tối đa:</translation>
    </message>
    <message>
        <source>Quality Setting:</source>
        <translation>Cài đặt chất lượng:</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>Tải xuống:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Âm thanh</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Chất lượng:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Phụ đề:</translation>
    </message>
    <message>
        <source>Auto download Subtitles/Lyrics</source>
        <translation>Tự động tải phụ đề/lời bài hát</translation>
    </message>
    <message>
        <source>Auto resume unfinished tasks on startup</source>
        <translation>Tự động tiếp tục tác vụ chưa xong khi khởi động</translation>
    </message>
    <message>
        <source>Allow to read Cookies from Firefox/Chrome</source>
        <translation>Cho phép đọc Cookie từ Firefox/Chrome</translation>
    </message>
    <message>
        <source>Save downloaded files to:</source>
        <translation>Lưu tệp tải xuống vào:</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>Tốc độ tải xuống</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>Siêu tốc</translation>
    </message>
    <message>
        <source>Eable proxy</source>
        <translation>Bật proxy</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>Proxy HTTP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Cổng</translation>
    </message>
    <message>
        <source>Authorization required</source>
        <translation>Yêu cầu xác thực</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Tên đăng nhập</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mật khẩu</translation>
    </message>
    <message>
        <source>The maximum number of converting tasks:</source>
        <translation>Số tác vụ chuyển đổi tối đa:</translation>
    </message>
    <message>
        <source>Save converted files to:</source>
        <translation>Lưu tệp chuyển đổi vào:</translation>
    </message>
    <message>
        <source>Lyric:</source>
        <translation>Lời:</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Chọn thư mục</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics</source>
        <translation>Gửi thống kê sử dụng ẩn danh</translation>
    </message>
    <message>
        <source>Tell me on the desktop when a download or conversion ends</source>
        <translation>Thông báo trên màn hình khi tải xuống hoặc chuyển đổi kết thúc</translation>
    </message>
    <message>
        <source>Check certificates of download sites</source>
        <translation>Kiểm tra chứng chỉ của các trang tải xuống</translation>
    </message>
    <message>
        <source>Warning: without this check, anyone on the way between you and a site can pose as the site and change what you download.</source>
        <translation>Cảnh báo: nếu không kiểm tra, bất kỳ ai ở giữa bạn và trang web đều có thể giả mạo trang đó và thay đổi nội dung bạn tải xuống.</translation>
    </message>
</context>
<context>
    <name>PrivateListDlg</name>
    <message>
        <source>Private List</source>
        <translation>Danh sách riêng tư</translation>
    </message>
    <message>
        <source>Please Enter Password to Lock Private Space</source>
        <translation>Vui lòng nhập mật khẩu để khóa không gian riêng tư</translation>
    </message>
    <message>
        <source>Please Enter Password to Unlock Private Space</source>
        <translation>Vui lòng nhập mật khẩu để mở khóa không gian riêng tư</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Nhập mật khẩu</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>Hiện hoặc ẩn mật khẩu</translation>
    </message>
    <message>
        <source>Do not show thumbnails of adult videos</source>
        <translation>Không hiển thị hình thu nhỏ của video người lớn</translation>
    </message>
    <message>
        <source>Save adult videos as hidden</source>
        <translation>Lưu video người lớn dưới dạng ẩn</translation>
    </message>
    <message>
        <source>Remember the password before restart %1</source>
        <translation>Ghi nhớ mật khẩu cho đến khi khởi động lại %1</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Khóa</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Mở khóa</translation>
    </message>
    <message>
        <source>Password error.</source>
        <translation>Sai mật khẩu.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enter the password again</source>
        <translation>Nhập lại mật khẩu</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>Mật khẩu không khớp.</translation>
    </message>
</context>
<context>
    <name>PrivateModeButton</name>
    <message>
        <source>Turn off Private Mode</source>
        <translation>Tắt chế độ riêng tư</translation>
    </message>
    <message>
        <source>Turn on Private Mode</source>
        <translation>Bật chế độ riêng tư</translation>
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
        <translation>Clipmoor không thể ghi vào thư mục dữ liệu
%1

Vẫn tải xuống được, nhưng danh sách và cài đặt sẽ không được giữ sau khi thoát.</translation>
    </message>
    <message>
        <source>Clipmoor is already running; no picture was taken.</source>
        <translation>Clipmoor đang chạy; không chụp ảnh nào.</translation>
    </message>
    <message>
        <source>The built-in browser cannot start.
%1

Pasting addresses on the downloading page still works.</source>
        <translation>Trình duyệt tích hợp không thể khởi động.
%1

Dán địa chỉ trên trang tải xuống vẫn hoạt động.</translation>
    </message>
    <message>
        <source>Clipmoor is running but did not take the addresses.</source>
        <translation>Clipmoor đang chạy nhưng không nhận các địa chỉ.</translation>
    </message>
</context>
<context>
    <name>SaveHealth</name>
    <message>
        <source>Clipmoor cannot save its lists: no space left on %1</source>
        <translation>Clipmoor không thể lưu danh sách: hết dung lượng trên %1</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 is not writable</source>
        <translation>Clipmoor không thể lưu danh sách: không ghi được vào %1</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 does not exist</source>
        <translation>Clipmoor không thể lưu danh sách: %1 không tồn tại</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists in %1: %2</source>
        <translation>Clipmoor không thể lưu danh sách trong %1: %2</translation>
    </message>
</context>
<context>
    <name>SniffMgr</name>
    <message>
        <source>Download failed, saving the file...</source>
        <translation>Tải xuống thất bại, đang lưu tệp...</translation>
    </message>
    <message>
        <source>Please wait, saving the file...</source>
        <translation>Vui lòng đợi, đang lưu tệp...</translation>
    </message>
</context>
<context>
    <name>UpgradeDlg</name>
    <message>
        <source>A new version is available!</source>
        <translation>Đã có phiên bản mới!</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>Phiên bản hiện tại là mới nhất.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>Không lấy được thông tin cập nhật. Vui lòng thử lại sau.</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>Đang chờ kiểm tra...</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Nâng cấp</translation>
    </message>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Nâng cấp ngay</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Nhắc tôi sau</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Phiên bản: %1 | Dung lượng: %2 | Ngày phát hành: %3</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Thử lại</translation>
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
        <translation>Thêm mới</translation>
    </message>
</context>
<context>
    <name>WebHomePage</name>
    <message>
        <source>Reset</source>
        <translation>Đặt lại</translation>
    </message>
</context>
<context>
    <name>platform::DesktopNotifications</name>
    <message>
        <source>Show</source>
        <translation>Hiển thị</translation>
    </message>
</context>
<context>
    <name>protocol</name>
    <message>
        <source>seconds</source>
        <translation>giây</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>phút</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>giờ</translation>
    </message>
    <message>
        <source>remaining</source>
        <translation>còn lại</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Đang chuyển đổi</translation>
    </message>
    <message>
        <source>The download folder cannot be written to</source>
        <translation>Không thể ghi vào thư mục tải xuống</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>Ổ đĩa đã đầy</translation>
    </message>
    <message>
        <source>The video was not found on the site</source>
        <translation>Không tìm thấy video trên trang</translation>
    </message>
    <message>
        <source>The site refused the download</source>
        <translation>Trang đã từ chối tải xuống</translation>
    </message>
    <message>
        <source>The site had a server error</source>
        <translation>Trang gặp lỗi máy chủ</translation>
    </message>
    <message>
        <source>The site refused the connection</source>
        <translation>Trang đã từ chối kết nối</translation>
    </message>
    <message>
        <source>The site could not be found</source>
        <translation>Không tìm thấy trang</translation>
    </message>
    <message>
        <source>The connection timed out</source>
        <translation>Kết nối đã hết thời gian chờ</translation>
    </message>
    <message>
        <source>The download stalled</source>
        <translation>Tải xuống bị đứng</translation>
    </message>
    <message>
        <source>The download was cut short</source>
        <translation>Tải xuống bị cắt ngang</translation>
    </message>
    <message>
        <source>This address is not supported</source>
        <translation>Địa chỉ này không được hỗ trợ</translation>
    </message>
    <message>
        <source>The download tool stopped unexpectedly</source>
        <translation>Công cụ tải xuống dừng đột ngột</translation>
    </message>
    <message>
        <source>The download was interrupted</source>
        <translation>Tải xuống bị gián đoạn</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>Tải xuống thất bại</translation>
    </message>
</context>
<context>
    <name>safesave</name>
    <message>
        <source>Not enough free space in %1: %2 MB free, %3 MB needed</source>
        <translation>Không đủ dung lượng trống trong %1: trống %2 MB, cần %3 MB</translation>
    </message>
</context>
</TS>