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
        <source>Choose the download folder</source>
        <translation>다운로드 폴더 선택</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>English</source>
        <translation>영어</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>이탈리아어</translation>
    </message>
    <message>
        <source>German</source>
        <translation>독일어</translation>
    </message>
    <message>
        <source>French</source>
        <translation>프랑스어</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>스페인어</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>포르투갈어</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>러시아어</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>인도네시아어</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>베트남어</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>힌디어</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>일본어</translation>
    </message>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>중국어(간체)</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>중국어(번체)</translation>
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
        <source>Paste a video address to start downloading.</source>
        <translation>동영상 주소를 붙여넣으면 다운로드가 시작됩니다.</translation>
    </message>
    <message>
        <source>Finished downloads appear here.</source>
        <translation>완료된 다운로드가 여기에 표시됩니다.</translation>
    </message>
    <message>
        <source>The built-in browser opens here.</source>
        <translation>내장 브라우저가 여기에 열립니다.</translation>
    </message>
    <message>
        <source>Add media files here to convert them.</source>
        <translation>변환할 미디어 파일을 여기에 추가하세요.</translation>
    </message>
    <message>
        <source>Converted files appear here.</source>
        <translation>변환된 파일이 여기에 표시됩니다.</translation>
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
</context>
</TS>