<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ko_KR">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>버전: </translation>
    </message>
    <message>
        <source>Clipmoor is made by a small team who want saving a video to be as simple as pasting its address.</source>
        <translation>Clipmoor는 동영상 저장을 주소 붙여넣기만큼 쉽게 만들고 싶은 작은 팀이 만듭니다.</translation>
    </message>
    <message>
        <source>To learn more please visit: </source>
        <translation>자세한 내용: </translation>
    </message>
    <message>
        <source>Copyright © 2026 the Clipmoor developers. All rights reserved.</source>
        <translation>Copyright © 2026 Clipmoor 개발자. All rights reserved.</translation>
    </message>
</context>
<context>
    <name>Adaptation</name>
    <message>
        <source>Same as source</source>
        <translation>원본과 동일</translation>
    </message>
    <message>
        <source>High(4K)</source>
        <translation>높음(4K)</translation>
    </message>
    <message>
        <source>High(2K)</source>
        <translation>높음(2K)</translation>
    </message>
    <message>
        <source>High(1080P)</source>
        <translation>높음(1080P)</translation>
    </message>
    <message>
        <source>Middle(720P)</source>
        <translation>중간(720P)</translation>
    </message>
    <message>
        <source>Middle(480P)</source>
        <translation>중간(480P)</translation>
    </message>
    <message>
        <source>Low(360P)</source>
        <translation>낮음(360P)</translation>
    </message>
    <message>
        <source>Low(240P)</source>
        <translation>낮음(240P)</translation>
    </message>
    <message>
        <source>High(320Kb/s)</source>
        <translation>높음(320Kb/s)</translation>
    </message>
    <message>
        <source>High(256Kb/s)</source>
        <translation>높음(256Kb/s)</translation>
    </message>
    <message>
        <source>Middle(128Kb/s)</source>
        <translation>중간(128Kb/s)</translation>
    </message>
    <message>
        <source>Low(64Kb/s)</source>
        <translation>낮음(64Kb/s)</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>동영상</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>오디오</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>화질:</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>음소거</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>AddSiteDlg</name>
    <message>
        <source>Add New</source>
        <translation>새로 추가</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>제목</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>BrowserWindow</name>
    <message>
        <source>Home</source>
        <translation>홈</translation>
    </message>
    <message>
        <source>Go back in history</source>
        <translation>기록에서 뒤로</translation>
    </message>
    <message>
        <source>Go forward in history</source>
        <translation>기록에서 앞으로</translation>
    </message>
    <message>
        <source>Stop loading this page</source>
        <translation>이 페이지 로드 중지</translation>
    </message>
    <message>
        <source>Reload this page</source>
        <translation>이 페이지 새로고침</translation>
    </message>
    <message>
        <source>Clear browsing data</source>
        <translation>인터넷 사용 기록 삭제</translation>
    </message>
    <message>
        <source>Enter Video URL</source>
        <translation>동영상 URL 입력</translation>
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
        <translation>다시 묻지 않기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>ConvMediaInfo</name>
    <message>
        <source>Unknown</source>
        <translation>알 수 없음</translation>
    </message>
</context>
<context>
    <name>ConvertTask</name>
    <message>
        <source>The file does not exist</source>
        <translation>파일이 없습니다</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>%1에 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>변환 중</translation>
    </message>
    <message>
        <source>The conversion tool failed (%1)</source>
        <translation>변환 도구가 실패했습니다(%1)</translation>
    </message>
    <message>
        <source>The conversion tool did not say where the file is</source>
        <translation>변환 도구가 파일 위치를 알려주지 않았습니다</translation>
    </message>
    <message>
        <source>Cannot move the converted file to %1</source>
        <translation>변환된 파일을 %1(으)로 옮길 수 없습니다</translation>
    </message>
    <message>
        <source>The conversion tool could not be started</source>
        <translation>변환 도구를 시작할 수 없습니다</translation>
    </message>
    <message>
        <source>The conversion tool ended unexpectedly</source>
        <translation>변환 도구가 예기치 않게 종료되었습니다</translation>
    </message>
</context>
<context>
    <name>ConvertedDelegate</name>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>파일 보기</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>재생</translation>
    </message>
</context>
<context>
    <name>ConvertedPage</name>
    <message>
        <source>Delete Selected</source>
        <translation>선택 항목 삭제</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Converted files appear here.</source>
        <translation>변환된 파일이 여기에 표시됩니다.</translation>
    </message>
    <message>
        <source>Are you sure to delete this item?</source>
        <translation>이 항목을 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you selected?</source>
        <translation>선택한 항목을 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>파일 보기</translation>
    </message>
</context>
<context>
    <name>ConvertingDelegate</name>
    <message>
        <source>Waiting to convert...</source>
        <translation>변환 대기 중...</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>변환 중</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Convert failed.</source>
        <translation>변환에 실패했습니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>변환</translation>
    </message>
</context>
<context>
    <name>ConvertingPage</name>
    <message>
        <source>Add Files</source>
        <translation>파일 추가</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>파일 보기</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>모두 삭제</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>모두 변환</translation>
    </message>
    <message>
        <source>Click Here to Add Files or Drag Files Here</source>
        <translation>여기를 클릭하여 파일을 추가하거나 파일을 여기로 끌어 놓으세요</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Are you sure to delete the Converting tasks which you selected?</source>
        <translation>선택한 변환 작업을 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the Converting queue?</source>
        <translation>변환 대기열의 모든 작업을 삭제하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>CurlProxy</name>
    <message>
        <source>Failure writing output to destination.</source>
        <translation>대상에 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Unable to connect to the network.</source>
        <translation>네트워크에 연결할 수 없습니다.</translation>
    </message>
    <message>
        <source>connection was reset.</source>
        <translation>연결이 재설정되었습니다.</translation>
    </message>
    <message>
        <source>Unable to download or download timeout.</source>
        <translation>다운로드할 수 없거나 시간이 초과되었습니다.</translation>
    </message>
</context>
<context>
    <name>DeleteConfirmDlg</name>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Delete original file(s) as well.</source>
        <translation>원본 파일도 삭제합니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DesktopBridge</name>
    <message>
        <source>A private download</source>
        <translation>비공개 다운로드</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>다운로드 실패</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>다운로드 완료</translation>
    </message>
    <message>
        <source>Conversion failed</source>
        <translation>변환 실패</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>변환 완료</translation>
    </message>
</context>
<context>
    <name>DoneTaskWidget</name>
    <message>
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>Show the File</source>
        <translation>파일 보기</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>Lyrics</source>
        <translation>가사</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>자막</translation>
    </message>
    <message>
        <source>The Filename is Empty and Cannot Be Saved.</source>
        <translation>파일 이름이 비어 있어 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Do You Want to Rename "%1" to "%2"? This Location Already Contains a File with the Same Name.</source>
        <translation>"%1"의 이름을 "%2"(으)로 바꾸시겠습니까? 이 위치에 같은 이름의 파일이 이미 있습니다.</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
</context>
<context>
    <name>DownloadFailedDlg</name>
    <message>
        <source>Download failed</source>
        <translation>다운로드 실패</translation>
    </message>
    <message>
        <source>Cause of failure:

1. The URL you copied does not support downloading.

2. The URL is not a qualified video or audio link.

3. The URL is a website link.

4. The URL needs a premium to preview.</source>
        <translation>실패 원인:

1. 복사한 URL은 다운로드를 지원하지 않습니다.

2. URL이 올바른 동영상 또는 오디오 링크가 아닙니다.

3. URL이 웹사이트 링크입니다.

4. URL을 보려면 프리미엄이 필요합니다.</translation>
    </message>
    <message>
        <source>Note:

1. Please ensure that the network is stable, click the Retry button to parse it again.

2. The link format is not the normal way, please re-enter and download.

3. If it still fails, please view and try to download in built-in browser.</source>
        <translation>참고:

1. 네트워크가 안정적인지 확인하고 다시 시도 버튼을 눌러 다시 분석하세요.

2. 링크 형식이 일반적이지 않습니다. 다시 입력한 후 다운로드하세요.

3. 그래도 실패하면 내장 브라우저에서 열어 다운로드하세요.</translation>
    </message>
    <message>
        <source>Download in Built-in Browser</source>
        <translation>내장 브라우저에서 다운로드</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>이유: %1</translation>
    </message>
</context>
<context>
    <name>DownloadTaskWidget</name>
    <message>
        <source>Waiting for parsing...</source>
        <translation>분석 대기 중...</translation>
    </message>
    <message>
        <source>Waiting for downloading...</source>
        <translation>다운로드 대기 중...</translation>
    </message>
    <message>
        <source>&lt;font color=%1&gt;Download failed, &lt;a style='color: %2;' href="none"&gt;please view and try to download in build-in browser&lt;/a&gt;.&lt;/font&gt;</source>
        <translation>&lt;font color=%1&gt;다운로드 실패, &lt;a style='color: %2;' href="none"&gt;내장 브라우저에서 열어 다운로드하세요&lt;/a&gt;.&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Analyzing...</source>
        <translation>분석 중...</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>라이브</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>다운로드 중</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>대기 중</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>일시 정지됨</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>저장 중...</translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation>다운로드 완료</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>Stalled, retrying...</source>
        <translation>멈춤, 다시 시도하는 중...</translation>
    </message>
</context>
<context>
    <name>DownloadedPage</name>
    <message>
        <source>Show the File</source>
        <translation>파일 보기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>All</source>
        <translation>전체</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>비공개</translation>
    </message>
    <message>
        <source>Still No File Downloaded, Please Start Downloading</source>
        <translation>아직 다운로드한 파일이 없습니다. 다운로드를 시작하세요</translation>
    </message>
    <message>
        <source>&lt;a style='color: %1;' href="%2"&gt;Cannot find the file from Private Space?&lt;/a&gt;</source>
        <translation>&lt;a style='color: %1;' href="%2"&gt;비공개 공간에서 파일을 찾을 수 없나요?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The Filename is Invalid.</source>
        <translation>파일 이름이 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>Modify File Name</source>
        <translation>파일 이름 변경</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>모두 삭제</translation>
    </message>
    <message>
        <source>Move to Private List</source>
        <translation>비공개 목록으로 이동</translation>
    </message>
    <message>
        <source>Move Out</source>
        <translation>꺼내기</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>URL 복사</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>원본 페이지로 이동</translation>
    </message>
    <message>
        <source>Save to Dropbox</source>
        <translation>Dropbox에 저장</translation>
    </message>
    <message>
        <source>Save to Google Drive</source>
        <translation>Google 드라이브에 저장</translation>
    </message>
    <message>
        <source>Are you sure to delete the items which you select?</source>
        <translation>선택한 항목을 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Are you sure to delete all the items?</source>
        <translation>모든 항목을 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>No downloaded file matches "%1".</source>
        <translation>"%1"와(과) 일치하는 다운로드한 파일이 없습니다.</translation>
    </message>
</context>
<context>
    <name>DownloadingPage</name>
    <message>
        <source>Original Video</source>
        <translation>원본 동영상</translation>
    </message>
    <message>
        <source>Original Audio</source>
        <translation>원본 오디오</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>URL 붙여넣기</translation>
    </message>
    <message>
        <source>Resume all</source>
        <translation>모두 다시 시작</translation>
    </message>
    <message>
        <source>Pause all</source>
        <translation>모두 일시 정지</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>모두 삭제</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>속도</translation>
    </message>
    <message>
        <source>&lt;a style='color:%1;' href="none"&gt;Supported Sites&lt;/a&gt;</source>
        <translation>&lt;a style='color:%1;' href="none"&gt;지원 사이트&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>터보</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>Download then Convert to</source>
        <translation>다운로드 후 변환:</translation>
    </message>
    <message>
        <source>Wanna download Premium videos?
Please sign in to your account in "Online" section, then click "Download" button to get it.</source>
        <translation>프리미엄 동영상을 다운로드하시겠습니까?
"온라인"에서 계정에 로그인한 다음 "다운로드" 버튼을 누르세요.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>No url find in the paste board.</source>
        <translation>클립보드에서 URL을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>This video is part of the playlist. Do you want to download the clip only or download all playlist?</source>
        <translation>이 동영상은 재생목록의 일부입니다. 이 클립만 다운로드하시겠습니까, 아니면 재생목록 전체를 다운로드하시겠습니까?</translation>
    </message>
    <message>
        <source>Download playlist</source>
        <translation>재생목록 다운로드</translation>
    </message>
    <message>
        <source>Download clip</source>
        <translation>클립 다운로드</translation>
    </message>
    <message>
        <source>%1 exists task has been skipped.</source>
        <translation>기존 작업 %1개를 건너뛰었습니다.</translation>
    </message>
    <message>
        <source>%1 exists tasks have been skipped.</source>
        <translation>기존 작업 %1개를 건너뛰었습니다.</translation>
    </message>
    <message>
        <source>Download MP3</source>
        <translation>MP3 다운로드</translation>
    </message>
    <message>
        <source>Multiple URLs</source>
        <translation>여러 URL</translation>
    </message>
    <message>
        <source>Download Playlist</source>
        <translation>재생목록 다운로드</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>다시 시작</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>모두 삭제</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>URL 복사</translation>
    </message>
    <message>
        <source>Go to Source Page</source>
        <translation>원본 페이지로 이동</translation>
    </message>
    <message>
        <source>Are you sure to delete the downloading tasks which you select?</source>
        <translation>선택한 다운로드 작업을 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all of the tasks from the downloading queue?</source>
        <translation>다운로드 대기열의 모든 작업을 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>This File Has Already Been Downloaded. Download It Again?</source>
        <translation>이 파일은 이미 다운로드되었습니다. 다시 다운로드하시겠습니까?</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>다시 다운로드</translation>
    </message>
    <message>
        <source>This page has %1 videos. Do you want to download all of them, or only the first one?</source>
        <translation>이 페이지에는 동영상이 %1개 있습니다. 모두 다운로드하시겠습니까, 아니면 첫 번째 동영상만 다운로드하시겠습니까?</translation>
    </message>
    <message>
        <source>First Only</source>
        <translation>첫 번째만</translation>
    </message>
    <message>
        <source>Download All</source>
        <translation>모두 다운로드</translation>
    </message>
    <message>
        <source>This address is already being downloaded in the same format:</source>
        <translation>이 주소는 이미 같은 형식으로 다운로드 중입니다:</translation>
    </message>
</context>
<context>
    <name>FailedfilenameDialog</name>
    <message>
        <source>Failed</source>
        <translation>실패</translation>
    </message>
    <message>
        <source>Failed to add files:</source>
        <translation>추가하지 못한 파일:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>Global</name>
    <message>
        <source>File does not exist.</source>
        <translation>파일이 없습니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>The file does not exist, want to remove it from the list?</source>
        <translation>파일이 없습니다. 목록에서 제거할까요?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>"%1" does not exist, please change the save directory</source>
        <translation>"%1"이(가) 없습니다. 저장 폴더를 변경하세요</translation>
    </message>
    <message>
        <source>Go to setting</source>
        <translation>설정으로 이동</translation>
    </message>
    <message>
        <source>No application on this computer can open the file:
%1</source>
        <translation>이 컴퓨터에는 이 파일을 열 수 있는 응용 프로그램이 없습니다:
%1</translation>
    </message>
    <message>
        <source>No file manager on this computer can show the file:
%1</source>
        <translation>이 컴퓨터에는 이 파일을 표시할 수 있는 파일 관리자가 없습니다:
%1</translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>Save a picture of the main window once it has started, then quit.</source>
        <translation>시작한 뒤 메인 창의 그림을 저장하고 종료합니다.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Could not save the picture %1</source>
        <translation>그림 %1을(를) 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>Web addresses (http or https) to download, as if pasted.</source>
        <translation>붙여넣은 것처럼 다운로드할 웹 주소(http 또는 https).</translation>
    </message>
</context>
<context>
    <name>LoadFileOperator</name>
    <message>
        <source>cannot read</source>
        <translation>읽을 수 없음</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>비어 있음</translation>
    </message>
    <message>
        <source>not a media file</source>
        <translation>미디어 파일이 아님</translation>
    </message>
    <message>
        <source>cannot be inspected</source>
        <translation>검사할 수 없음</translation>
    </message>
</context>
<context>
    <name>LoadFilesDlg</name>
    <message>
        <source>Adding files...</source>
        <translation>파일을 추가하는 중...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>잠시 기다려 주세요...</translation>
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
        <translation>다운로드 중</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>다운로드 완료</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>온라인</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>변환 중</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>변환 완료</translation>
    </message>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>환경설정</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>메뉴</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>응용 프로그램</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Open Downloaded Folder</source>
        <translation>다운로드 폴더 열기</translation>
    </message>
    <message>
        <source>Paste URL</source>
        <translation>URL 붙여넣기</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>다시 시작</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>가이드</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>자주 묻는 질문</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>로그 폴더 열기</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>종료(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>복원(&amp;R)</translation>
    </message>
    <message>
        <source>Some tasks are in progress, are you sure you want to quit?</source>
        <translation>진행 중인 작업이 있습니다. 종료할까요?</translation>
    </message>
    <message>
        <source>Clipmoor was stopped while it read its download lists last time. The lists it was reading start empty; their files are kept as:
%1</source>
        <translation>지난번 Clipmoor가 다운로드 목록을 읽는 중에 중지되었습니다. 읽고 있던 목록은 비어 있는 상태로 시작하며, 해당 파일은 다음 이름으로 보관되었습니다:
%1</translation>
    </message>
    <message>
        <source>Clipmoor downloads web addresses only (starting with http:// or https://). Not taken:
%1</source>
        <translation>Clipmoor는 웹 주소(http:// 또는 https://로 시작)만 다운로드합니다. 받지 않은 주소:
%1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Clipmoor keeps trying for a few seconds before it quits.</source>
        <translation>Clipmoor는 종료하기 전에 몇 초 동안 다시 시도합니다.</translation>
    </message>
</context>
<context>
    <name>PasteInputDlg</name>
    <message>
        <source>Multiple URLs</source>
        <translation>여러 URL</translation>
    </message>
    <message>
        <source>Paste the URLs(one per line):</source>
        <translation>URL을 붙여넣으세요(한 줄에 하나씩):</translation>
    </message>
    <message>
        <source>Input web page url...</source>
        <translation>웹 페이지 URL 입력...</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
</context>
<context>
    <name>PlaylistConfirmDlg</name>
    <message>
        <source>Best</source>
        <translation>최고</translation>
    </message>
    <message>
        <source>Newest first</source>
        <translation>최신순</translation>
    </message>
    <message>
        <source>Oldest first</source>
        <translation>오래된 순</translation>
    </message>
    <message>
        <source>Confirm Playlist</source>
        <translation>재생목록 확인</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>제목</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>다운로드:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>동영상</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>오디오</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>화질:</translation>
    </message>
    <message>
        <source>Add numerical order to the file name.</source>
        <translation>파일 이름에 번호를 붙입니다.</translation>
    </message>
    <message>
        <source>Skip Downloaded</source>
        <translation>이미 다운로드한 항목 건너뛰기</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Please be patient, the more videos in your playlist,the longer you will wait.</source>
        <translation>잠시 기다려 주세요. 재생목록의 동영상이 많을수록 오래 걸립니다.</translation>
    </message>
    <message>
        <source>Analysis failed. Please try again later.</source>
        <translation>분석에 실패했습니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>다시 시도</translation>
    </message>
</context>
<context>
    <name>PreferencesDlg</name>
    <message>
        <source>Best</source>
        <translation>최고</translation>
    </message>
    <message>
        <source>English</source>
        <translation>영어</translation>
    </message>
    <message>
        <source>German</source>
        <translation>독일어</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>스페인어</translation>
    </message>
    <message>
        <source>French</source>
        <translation>프랑스어</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>이탈리아어</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>일본어</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>포르투갈어</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>아랍어</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>러시아어</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>네덜란드어</translation>
    </message>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>중국어(간체)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>중국어(번체)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>폴란드어</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>인도네시아어</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>터키어</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>환경설정</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>변환</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>변경</translation>
    </message>
    <message>
        <source>The maximum number of downloading tasks:</source>
        <translation>최대 동시 다운로드 수:</translation>
    </message>
    <message>
        <source>Quality Setting:</source>
        <translation>화질 설정:</translation>
    </message>
    <message>
        <source>Download:</source>
        <translation>다운로드:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>동영상</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>오디오</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>화질:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>자막:</translation>
    </message>
    <message>
        <source>Auto download Subtitles/Lyrics</source>
        <translation>자막/가사 자동 다운로드</translation>
    </message>
    <message>
        <source>Auto resume unfinished tasks on startup</source>
        <translation>시작할 때 완료되지 않은 작업 자동 재개</translation>
    </message>
    <message>
        <source>Allow to read Cookies from Firefox/Chrome</source>
        <translation>Firefox/Chrome 쿠키 읽기 허용</translation>
    </message>
    <message>
        <source>Save downloaded files to:</source>
        <translation>다운로드한 파일 저장 위치:</translation>
    </message>
    <message>
        <source>Download speed</source>
        <translation>다운로드 속도</translation>
    </message>
    <message>
        <source>Turbo-fast</source>
        <translation>터보</translation>
    </message>
    <message>
        <source>Eable proxy</source>
        <translation>프록시 사용</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>HTTP 프록시</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>Authorization required</source>
        <translation>인증 필요</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>The maximum number of converting tasks:</source>
        <translation>최대 동시 변환 수:</translation>
    </message>
    <message>
        <source>Save converted files to:</source>
        <translation>변환한 파일 저장 위치:</translation>
    </message>
    <message>
        <source>Lyric:</source>
        <translation>가사:</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>폴더 선택</translation>
    </message>
    <message>
        <source>Send anonymous usage statistics</source>
        <translation>익명 사용 통계 보내기</translation>
    </message>
    <message>
        <source>Tell me on the desktop when a download or conversion ends</source>
        <translation>다운로드나 변환이 끝나면 데스크톱에 알림</translation>
    </message>
    <message>
        <source>Check certificates of download sites</source>
        <translation>다운로드 사이트의 인증서 확인</translation>
    </message>
    <message>
        <source>Warning: without this check, anyone on the way between you and a site can pose as the site and change what you download.</source>
        <translation>경고: 이 확인을 하지 않으면 사용자와 사이트 사이에 있는 누구든지 해당 사이트를 사칭하여 다운로드하는 내용을 바꿀 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>PrivateListDlg</name>
    <message>
        <source>Private List</source>
        <translation>비공개 목록</translation>
    </message>
    <message>
        <source>Please Enter Password to Lock Private Space</source>
        <translation>비공개 공간을 잠그려면 비밀번호를 입력하세요</translation>
    </message>
    <message>
        <source>Please Enter Password to Unlock Private Space</source>
        <translation>비공개 공간의 잠금을 해제하려면 비밀번호를 입력하세요</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>비밀번호 입력</translation>
    </message>
    <message>
        <source>Show or hide the password</source>
        <translation>비밀번호 표시 또는 숨기기</translation>
    </message>
    <message>
        <source>Do not show thumbnails of adult videos</source>
        <translation>성인 동영상의 썸네일 표시 안 함</translation>
    </message>
    <message>
        <source>Save adult videos as hidden</source>
        <translation>성인 동영상을 숨김 파일로 저장</translation>
    </message>
    <message>
        <source>Remember the password before restart %1</source>
        <translation>%1 재시작 전까지 비밀번호 기억</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>잠금</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>잠금 해제</translation>
    </message>
    <message>
        <source>Password error.</source>
        <translation>비밀번호가 틀렸습니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Enter the password again</source>
        <translation>비밀번호 다시 입력</translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation>비밀번호가 일치하지 않습니다.</translation>
    </message>
</context>
<context>
    <name>PrivateModeButton</name>
    <message>
        <source>Turn off Private Mode</source>
        <translation>비공개 모드 끄기</translation>
    </message>
    <message>
        <source>Turn on Private Mode</source>
        <translation>비공개 모드 켜기</translation>
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
        <translation>Clipmoor가 데이터 폴더에 쓸 수 없습니다
%1

다운로드는 되지만 종료하면 목록과 설정이 저장되지 않습니다.</translation>
    </message>
    <message>
        <source>Clipmoor is already running; no picture was taken.</source>
        <translation>Clipmoor가 이미 실행 중이라 그림을 저장하지 않았습니다.</translation>
    </message>
    <message>
        <source>The built-in browser cannot start.
%1

Pasting addresses on the downloading page still works.</source>
        <translation>내장 브라우저를 시작할 수 없습니다.
%1

다운로드 페이지에 주소를 붙여 넣는 기능은 계속 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>Clipmoor is running but did not take the addresses.</source>
        <translation>Clipmoor가 실행 중이지만 주소를 받지 않았습니다.</translation>
    </message>
</context>
<context>
    <name>SaveHealth</name>
    <message>
        <source>Clipmoor cannot save its lists: no space left on %1</source>
        <translation>Clipmoor가 목록을 저장할 수 없습니다: %1에 남은 공간이 없습니다</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 is not writable</source>
        <translation>Clipmoor가 목록을 저장할 수 없습니다: %1에 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists: %1 does not exist</source>
        <translation>Clipmoor가 목록을 저장할 수 없습니다: %1이(가) 없습니다</translation>
    </message>
    <message>
        <source>Clipmoor cannot save its lists in %1: %2</source>
        <translation>Clipmoor가 %1에 목록을 저장할 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>SniffMgr</name>
    <message>
        <source>Download failed, saving the file...</source>
        <translation>다운로드에 실패하여 파일을 저장하는 중...</translation>
    </message>
    <message>
        <source>Please wait, saving the file...</source>
        <translation>잠시 기다려 주세요. 파일을 저장하는 중...</translation>
    </message>
</context>
<context>
    <name>UpgradeDlg</name>
    <message>
        <source>A new version is available!</source>
        <translation>새 버전이 있습니다!</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>최신 버전을 사용 중입니다.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>업데이트 정보를 가져오지 못했습니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>확인을 기다리는 중...</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>업그레이드</translation>
    </message>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>지금 업그레이드</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>나중에 알림</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>버전: %1 | 크기: %2 | 출시일: %3</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>WebElement</name>
    <message>
        <source>Add New</source>
        <translation>새로 추가</translation>
    </message>
</context>
<context>
    <name>WebHomePage</name>
    <message>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
</context>
<context>
    <name>platform::DesktopNotifications</name>
    <message>
        <source>Show</source>
        <translation>보기</translation>
    </message>
</context>
<context>
    <name>protocol</name>
    <message>
        <source>seconds</source>
        <translation>초</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>분</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>remaining</source>
        <translation>남음</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>변환 중</translation>
    </message>
    <message>
        <source>The download folder cannot be written to</source>
        <translation>다운로드 폴더에 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>디스크가 가득 찼습니다</translation>
    </message>
    <message>
        <source>The video was not found on the site</source>
        <translation>사이트에서 동영상을 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>The site refused the download</source>
        <translation>사이트가 다운로드를 거부했습니다</translation>
    </message>
    <message>
        <source>The site had a server error</source>
        <translation>사이트에서 서버 오류가 발생했습니다</translation>
    </message>
    <message>
        <source>The site refused the connection</source>
        <translation>사이트가 연결을 거부했습니다</translation>
    </message>
    <message>
        <source>The site could not be found</source>
        <translation>사이트를 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>The connection timed out</source>
        <translation>연결 시간이 초과되었습니다</translation>
    </message>
    <message>
        <source>The download stalled</source>
        <translation>다운로드가 멈췄습니다</translation>
    </message>
    <message>
        <source>The download was cut short</source>
        <translation>다운로드가 중간에 끊겼습니다</translation>
    </message>
    <message>
        <source>This address is not supported</source>
        <translation>이 주소는 지원되지 않습니다</translation>
    </message>
    <message>
        <source>The download tool stopped unexpectedly</source>
        <translation>다운로드 도구가 예기치 않게 중지되었습니다</translation>
    </message>
    <message>
        <source>The download was interrupted</source>
        <translation>다운로드가 중단되었습니다</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>다운로드에 실패했습니다</translation>
    </message>
</context>
<context>
    <name>safesave</name>
    <message>
        <source>Not enough free space in %1: %2 MB free, %3 MB needed</source>
        <translation>%1의 여유 공간이 부족합니다: 여유 %2 MB, 필요 %3 MB</translation>
    </message>
</context>
</TS>