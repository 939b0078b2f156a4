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
        <source>Choose the download folder</source>
        <translation>Chọn thư mục tải xuống</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>English</source>
        <translation>Tiếng Anh</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Tiếng Ý</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tiếng Đức</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Tiếng Pháp</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Tiếng Tây Ban Nha</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Tiếng Bồ Đào Nha</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Tiếng Nga</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Tiếng Hàn</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Tiếng Indonesia</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Tiếng Việt</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Tiếng Hindi</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Tiếng Nhật</translation>
    </message>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>Tiếng Trung (Giản thể)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>Tiếng Trung (Phồn thể)</translation>
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
        <source>Paste a video address to start downloading.</source>
        <translation>Dán địa chỉ video để bắt đầu tải xuống.</translation>
    </message>
    <message>
        <source>Finished downloads appear here.</source>
        <translation>Các tệp đã tải xong sẽ hiện ở đây.</translation>
    </message>
    <message>
        <source>The built-in browser opens here.</source>
        <translation>Trình duyệt tích hợp mở ở đây.</translation>
    </message>
    <message>
        <source>Add media files here to convert them.</source>
        <translation>Thêm tệp đa phương tiện vào đây để chuyển đổi.</translation>
    </message>
    <message>
        <source>Converted files appear here.</source>
        <translation>Các tệp đã chuyển đổi sẽ hiện ở đây.</translation>
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
</context>
</TS>