<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Vemora Viewer...</source>
        <extracomment>About entry</extracomment>
        <translation>Vemora Viewer 정보(&amp;A)...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <extracomment>player error message</extracomment>
        <translation>미디어 플레이어에서 오류가 발생했습니다.</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <extracomment>start-up failure</extracomment>
        <translation>Windows 소켓을 초기화하지 못했습니다.</translation>
    </message>
    <message id="104">
        <source>Select a media</source>
        <extracomment>source selection dialog title</extracomment>
        <translation>미디어 선택</translation>
    </message>
    <message id="105">
        <source>Google Map</source>
        <extracomment>map list entry, configuration dialog</extracomment>
        <translation>Google 지도</translation>
    </message>
    <message id="106">
        <source>China Map</source>
        <extracomment>map list entry, configuration dialog</extracomment>
        <translation>중국 지도</translation>
    </message>
    <message id="107">
        <source>OK</source>
        <extracomment>OK buttons</extracomment>
        <translation>확인</translation>
    </message>
    <message id="108">
        <source>Cancel</source>
        <extracomment>Cancel buttons</extracomment>
        <translation>취소</translation>
    </message>
    <message id="109">
        <source>Apply</source>
        <extracomment>Apply buttons</extracomment>
        <translation>적용</translation>
    </message>
    <message id="110">
        <source>Config</source>
        <extracomment>configuration dialog title</extracomment>
        <translation>설정</translation>
    </message>
    <message id="111">
        <source>Disk</source>
        <extracomment>source selection dialog</extracomment>
        <translation>디스크</translation>
    </message>
    <message id="112">
        <source>Folder</source>
        <extracomment>source selection dialog</extracomment>
        <translation>폴더</translation>
    </message>
    <message id="113">
        <source>File</source>
        <extracomment>source selection dialog</extracomment>
        <translation>파일</translation>
    </message>
    <message id="114">
        <source>Select language</source>
        <extracomment>language group, configuration dialog</extracomment>
        <translation>언어 선택</translation>
    </message>
    <message id="115">
        <source>Select map</source>
        <extracomment>map group, configuration dialog</extracomment>
        <translation>지도 선택</translation>
    </message>
    <message id="116">
        <source>Group</source>
        <extracomment>list column</extracomment>
        <translation>그룹</translation>
    </message>
    <message id="117">
        <source>Resolution</source>
        <extracomment>list column</extracomment>
        <translation>해상도</translation>
    </message>
    <message id="118">
        <source>Start Time</source>
        <extracomment>list column</extracomment>
        <translation>시작 시간</translation>
    </message>
    <message id="119">
        <source>Length</source>
        <extracomment>list column</extracomment>
        <translation>길이</translation>
    </message>
    <message id="120">
        <source>File Size</source>
        <extracomment>list column</extracomment>
        <translation>파일 크기</translation>
    </message>
    <message id="121">
        <source>ID</source>
        <extracomment>list column</extracomment>
        <translation>번호</translation>
    </message>
    <message id="122">
        <source>File Name</source>
        <extracomment>list column</extracomment>
        <translation>파일 이름</translation>
    </message>
    <message id="123">
        <source>End Time</source>
        <extracomment>list column</extracomment>
        <translation>종료 시간</translation>
    </message>
    <message id="124">
        <source>Folder</source>
        <extracomment>list column</extracomment>
        <translation>폴더</translation>
    </message>
    <message id="125">
        <source>Save KML file: %s OK.</source>
        <extracomment>KML export result</extracomment>
        <translation>KML 파일 %s을(를) 저장했습니다.</translation>
    </message>
    <message id="126">
        <source>Save KML file:%s Failed.</source>
        <extracomment>KML export result</extracomment>
        <translation>KML 파일 %s을(를) 저장하지 못했습니다.</translation>
    </message>
    <message id="127">
        <source>Save KML</source>
        <extracomment>KML export</extracomment>
        <translation>KML 저장</translation>
    </message>
    <message id="128">
        <source>Delete Files</source>
        <extracomment>delete confirmation caption</extracomment>
        <translation>파일 삭제</translation>
    </message>
    <message id="129">
        <source>Are you sure to delete the checked files?</source>
        <extracomment>delete confirmation</extracomment>
        <translation>선택한 파일을 삭제하시겠습니까?</translation>
    </message>
    <message id="130">
        <source>Select a folder</source>
        <extracomment>folder picker title</extracomment>
        <translation>폴더 선택</translation>
    </message>
    <message id="131">
        <source>Warning</source>
        <extracomment>caption of warning message boxes</extracomment>
        <translation>경고</translation>
    </message>
    <message id="132">
        <source>Folder is not exist.</source>
        <extracomment>copy target folder missing</extracomment>
        <translation>폴더가 존재하지 않습니다.</translation>
    </message>
    <message id="133">
        <source>Loading video component failed. Please reinstall this program again.</source>
        <extracomment>video library failed to load</extracomment>
        <translation>비디오 구성 요소를 불러오지 못했습니다. 이 프로그램을 다시 설치하십시오.</translation>
    </message>
    <message id="134">
        <source>Play/Pause video</source>
        <extracomment>tooltip of the PLAY button</extracomment>
        <translation>비디오 재생/일시 정지</translation>
    </message>
    <message id="135">
        <source>No seletected files. Please select some files and try this operation again.</source>
        <extracomment>nothing checked</extracomment>
        <translation>선택한 파일이 없습니다. 파일을 선택한 후 다시 시도하십시오.</translation>
    </message>
    <message id="136">
        <source>No files in list.</source>
        <extracomment>empty list</extracomment>
        <translation>목록에 파일이 없습니다.</translation>
    </message>
    <message id="137">
        <source>Set Small Window Size.</source>
        <extracomment>tooltip of the S button</extracomment>
        <translation>작은 창 크기로 설정합니다.</translation>
    </message>
    <message id="138">
        <source>Set Medium Window Size.</source>
        <extracomment>tooltip of the M button</extracomment>
        <translation>중간 창 크기로 설정합니다.</translation>
    </message>
    <message id="139">
        <source>Set Large Window Size.</source>
        <extracomment>tooltip of the L button</extracomment>
        <translation>큰 창 크기로 설정합니다.</translation>
    </message>
    <message id="140">
        <source>Confirm to overwrite the file.</source>
        <extracomment>overwrite confirmation caption</extracomment>
        <translation>파일 덮어쓰기 확인</translation>
    </message>
    <message id="141">
        <source>File &quot;%s&quot; is already exist. Are you sure to overwrite it?</source>
        <extracomment>overwrite confirmation</extracomment>
        <translation>&quot;%s&quot; 파일이 이미 있습니다. 덮어쓰시겠습니까?</translation>
    </message>
    <message id="142">
        <source>Restore window</source>
        <extracomment>not shown by the program</extracomment>
        <translation>창 복원</translation>
    </message>
    <message id="143">
        <source>Disable auto play next file feature</source>
        <extracomment>not shown by the program</extracomment>
        <translation>다음 파일 자동 재생 기능 끄기</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <extracomment>message-box caption when no group is marked</extracomment>
        <translation>파일 선택 확인</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <extracomment>message-box caption when the list is empty</extracomment>
        <translation>확인</translation>
    </message>
    <message id="179">
        <source>Open files</source>
        <extracomment>tooltip of the OPEN button</extracomment>
        <translation>파일 열기</translation>
    </message>
    <message id="180">
        <source>Snapshot</source>
        <extracomment>tooltip of the SNAP button</extracomment>
        <translation>스냅샷</translation>
    </message>
    <message id="181">
        <source>Save as</source>
        <extracomment>tooltip of the SAVE button</extracomment>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message id="182">
        <source>Del files</source>
        <extracomment>tooltip of the DEL button</extracomment>
        <translation>파일 삭제</translation>
    </message>
    <message id="183">
        <source>Configuration</source>
        <extracomment>tooltip of the Conf button</extracomment>
        <translation>구성</translation>
    </message>
    <message id="184">
        <source>Slower speed</source>
        <extracomment>tooltip of the SLOW button</extracomment>
        <translation>느리게</translation>
    </message>
    <message id="185">
        <source>Stop</source>
        <extracomment>tooltip of the STOP button</extracomment>
        <translation>정지</translation>
    </message>
    <message id="186">
        <source>Faster speed</source>
        <extracomment>tooltip of the FAST button</extracomment>
        <translation>빠르게</translation>
    </message>
    <message id="187">
        <source>Volume</source>
        <extracomment>tooltip of the volume slider</extracomment>
        <translation>볼륨</translation>
    </message>
    <message id="188">
        <source>Volume On/Off</source>
        <extracomment>tooltip of the Vol button</extracomment>
        <translation>소리 켜기/끄기</translation>
    </message>
    <message id="189">
        <source>Auto Play next file.</source>
        <extracomment>tooltip of the Loop button</extracomment>
        <translation>다음 파일을 자동으로 재생합니다.</translation>
    </message>
    <message id="190">
        <source>Rotate 180</source>
        <extracomment>tooltip of the FLIP button</extracomment>
        <translation>180° 회전</translation>
    </message>
    <message id="191">
        <source>Save GPS data to KML file</source>
        <extracomment>tooltip of the KML button</extracomment>
        <translation>GPS 데이터를 KML 파일로 저장</translation>
    </message>
    <message id="192">
        <source>Turn On/Off Map</source>
        <extracomment>tooltip of the MAP button</extracomment>
        <translation>지도 켜기/끄기</translation>
    </message>
    <message id="193">
        <source>Turn On/Off G-Sensor curve</source>
        <extracomment>tooltip of the GSR button</extracomment>
        <translation>G 센서 곡선 켜기/끄기</translation>
    </message>
    <message id="194">
        <source>Unlock files</source>
        <extracomment>tooltip of the LOCK button</extracomment>
        <translation>파일 잠금 해제</translation>
    </message>
    <message id="195">
        <source>Close AP</source>
        <extracomment>tooltip of the close button</extracomment>
        <translation>프로그램 닫기</translation>
    </message>
    <message id="196">
        <source>Max window</source>
        <extracomment>tooltip of the maximise button</extracomment>
        <translation>창 최대화</translation>
    </message>
    <message id="197">
        <source>Min window</source>
        <extracomment>tooltip of the minimise button</extracomment>
        <translation>창 최소화</translation>
    </message>
    <message id="198">
        <source>About</source>
        <extracomment>tooltip of the help button</extracomment>
        <translation>정보</translation>
    </message>
    <message id="199">
        <source>Change Speed Unit KPH/MPH.</source>
        <extracomment>tooltip of the speed label</extracomment>
        <translation>속도 단위 변경 (km/h / mph).</translation>
    </message>
    <message id="200">
        <source>%1 files could not be read</source>
        <extracomment>note below the lists: several files were turned down</extracomment>
        <translation>파일 %1개를 읽을 수 없습니다</translation>
    </message>
    <message id="201">
        <source>1 file could not be read</source>
        <extracomment>note below the lists: one file was turned down</extracomment>
        <translation>파일 1개를 읽을 수 없습니다</translation>
    </message>
    <message id="202">
        <source>details</source>
        <extracomment>link in the note that opens the list of unreadable files</extracomment>
        <translation>자세히</translation>
    </message>
    <message id="203">
        <source>Files that could not be read</source>
        <extracomment>title of the list of unreadable files</extracomment>
        <translation>읽을 수 없는 파일</translation>
    </message>
    <message id="204">
        <source>File</source>
        <extracomment>column of the list of unreadable files</extracomment>
        <translation>파일</translation>
    </message>
    <message id="205">
        <source>Reason</source>
        <extracomment>column of the list of unreadable files</extracomment>
        <translation>이유</translation>
    </message>
    <message id="206">
        <source>Close</source>
        <extracomment>button of the list of unreadable files and of the list of keys</extracomment>
        <translation>닫기</translation>
    </message>
    <message id="207">
        <source>The file cannot be opened: %1</source>
        <extracomment>reason: the system refused to open the file; %1 = the system&apos;s words</extracomment>
        <translation>파일을 열 수 없습니다: %1</translation>
    </message>
    <message id="208">
        <source>Not a recording of the recorder</source>
        <extracomment>reason</extracomment>
        <translation>블랙박스 녹화 파일이 아닙니다</translation>
    </message>
    <message id="209">
        <source>Cut short: the file ends before its data does (power cut or full card)</source>
        <extracomment>reason</extracomment>
        <translation>잘림: 데이터가 끝나기 전에 파일이 끝납니다(전원 차단 또는 카드 용량 부족)</translation>
    </message>
    <message id="210">
        <source>A video file in a telemetry layout this viewer does not know</source>
        <extracomment>reason</extracomment>
        <translation>이 뷰어가 알지 못하는 텔레메트리 형식의 동영상 파일입니다</translation>
    </message>
    <message id="211">
        <source>No movie header</source>
        <extracomment>reason</extracomment>
        <translation>동영상 헤더가 없습니다</translation>
    </message>
    <message id="212">
        <source>No video track of the recorder</source>
        <extracomment>reason</extracomment>
        <translation>블랙박스의 영상 트랙이 없습니다</translation>
    </message>
    <message id="213">
        <source>No picture size</source>
        <extracomment>reason</extracomment>
        <translation>화면 크기가 없습니다</translation>
    </message>
    <message id="214">
        <source>No duration</source>
        <extracomment>reason</extracomment>
        <translation>재생 시간이 없습니다</translation>
    </message>
    <message id="215">
        <source>The recorder&apos;s mark is missing</source>
        <extracomment>reason</extracomment>
        <translation>블랙박스 표시가 없습니다</translation>
    </message>
    <message id="220">
        <source>Save GPS data as GPX…</source>
        <extracomment>menu entry of the help button: save the track as GPX</extracomment>
        <translation>GPS 데이터를 GPX 파일로 저장…</translation>
    </message>
    <message id="221">
        <source>Save GPX file: %s OK.</source>
        <extracomment>GPX export result</extracomment>
        <translation>GPX 파일 %s을(를) 저장했습니다.</translation>
    </message>
    <message id="222">
        <source>Save GPX file:%s Failed.</source>
        <extracomment>GPX export result</extracomment>
        <translation>GPX 파일 %s을(를) 저장하지 못했습니다.</translation>
    </message>
    <message id="223">
        <source>Save GPX</source>
        <extracomment>GPX export: caption and save dialog title</extracomment>
        <translation>GPX 저장</translation>
    </message>
    <message id="224">
        <source>Keyboard shortcuts…</source>
        <extracomment>menu entry of the help button: the list of the window's keys</extracomment>
        <translation>키보드 단축키…</translation>
    </message>
    <message id="225">
        <source>Keyboard shortcuts</source>
        <extracomment>title of the list of keys</extracomment>
        <translation>키보드 단축키</translation>
    </message>
    <message id="226">
        <source>5 seconds back</source>
        <extracomment>list of keys: what the left arrow does</extracomment>
        <translation>5초 뒤로</translation>
    </message>
    <message id="227">
        <source>5 seconds forward</source>
        <extracomment>list of keys: what the right arrow does</extracomment>
        <translation>5초 앞으로</translation>
    </message>
    <message id="228">
        <source>30 seconds back</source>
        <extracomment>list of keys: what Shift+left arrow does</extracomment>
        <translation>30초 뒤로</translation>
    </message>
    <message id="229">
        <source>30 seconds forward</source>
        <extracomment>list of keys: what Shift+right arrow does</extracomment>
        <translation>30초 앞으로</translation>
    </message>
    <message id="230">
        <source>Pause and step one frame back</source>
        <extracomment>list of keys: what the comma key does</extracomment>
        <translation>일시 정지 후 한 프레임 뒤로</translation>
    </message>
    <message id="231">
        <source>Pause and step one frame forward</source>
        <extracomment>list of keys: what the full stop key does</extracomment>
        <translation>일시 정지 후 한 프레임 앞으로</translation>
    </message>
    <message id="232">
        <source>Front camera full screen (again to leave)</source>
        <extracomment>list of keys: the F key; pressing it again leaves full screen</extracomment>
        <translation>전방 카메라 전체 화면 (다시 누르면 해제)</translation>
    </message>
    <message id="233">
        <source>To the next jolt of the G-sensor</source>
        <extracomment>list of keys: J jumps to the next shock the G-sensor recorded</extracomment>
        <translation>다음 G 센서 충격으로 이동</translation>
    </message>
    <message id="234">
        <source>To the previous jolt of the G-sensor</source>
        <extracomment>list of keys: Shift+J jumps to the previous shock the G-sensor recorded</extracomment>
        <translation>이전 G 센서 충격으로 이동</translation>
    </message>
    <message id="270">
        <source>The folder %s cannot be created.</source>
        <extracomment>export failure: the export folder could not be made</extracomment>
        <translation>폴더 %s을(를) 만들 수 없습니다.</translation>
    </message>
    <message id="271">
        <source>The file %s cannot be created.</source>
        <extracomment>export failure: the export file could not be made</extracomment>
        <translation>파일 %s을(를) 만들 수 없습니다.</translation>
    </message>
    <message id="272">
        <source>The file %s could not be written completely.</source>
        <extracomment>export failure: writing the export file failed (it was removed)</extracomment>
        <translation>파일 %s을(를) 끝까지 쓰지 못했습니다.</translation>
    </message>
    <message id="273">
        <source>Permission denied.</source>
        <extracomment>reason of an export failure</extracomment>
        <translation>권한이 거부되었습니다.</translation>
    </message>
    <message id="274">
        <source>The disk is read-only.</source>
        <extracomment>reason of an export failure</extracomment>
        <translation>디스크가 읽기 전용입니다.</translation>
    </message>
    <message id="275">
        <source>The disk is full.</source>
        <extracomment>reason of an export failure</extracomment>
        <translation>디스크가 가득 찼습니다.</translation>
    </message>
    <message id="276">
        <source>A file of that name is in the way.</source>
        <extracomment>reason of an export failure: a file stands where a folder is needed</extracomment>
        <translation>같은 이름의 파일이 있습니다.</translation>
    </message>
    <message id="300">
        <source>Export clip…</source>
        <extracomment>menu entry (right-click the window): export a clip of both cameras</extracomment>
        <translation>클립 내보내기…</translation>
    </message>
    <message id="301">
        <source>Mark the start of a clip</source>
        <extracomment>list of keys: I marks where an exported clip begins</extracomment>
        <translation>클립 시작 지점 표시</translation>
    </message>
    <message id="302">
        <source>Mark the end of a clip</source>
        <extracomment>list of keys: O marks where an exported clip ends</extracomment>
        <translation>클립 끝 지점 표시</translation>
    </message>
    <message id="303">
        <source>Export a clip of both cameras</source>
        <extracomment>list of keys: E opens the clip export</extracomment>
        <translation>두 카메라의 클립 내보내기</translation>
    </message>
    <message id="304">
        <source>Export clip</source>
        <extracomment>title of the clip export dialog and its messages</extracomment>
        <translation>클립 내보내기</translation>
    </message>
    <message id="305">
        <source>Start (s)</source>
        <extracomment>clip export: where the clip begins, seconds from the recording&apos;s start</extracomment>
        <translation>시작 (초)</translation>
    </message>
    <message id="306">
        <source>End (s)</source>
        <extracomment>clip export: where the clip ends, seconds from the recording&apos;s start</extracomment>
        <translation>끝 (초)</translation>
    </message>
    <message id="307">
        <source>Layout</source>
        <extracomment>clip export: how the two cameras are arranged</extracomment>
        <translation>배치</translation>
    </message>
    <message id="308">
        <source>Side by side</source>
        <extracomment>clip layout: front left, rear right</extracomment>
        <translation>나란히</translation>
    </message>
    <message id="309">
        <source>Picture in picture</source>
        <extracomment>clip layout: front full, rear small in a corner</extracomment>
        <translation>화면 속 화면</translation>
    </message>
    <message id="310">
        <source>Front camera only</source>
        <extracomment>clip layout</extracomment>
        <translation>전방 카메라만</translation>
    </message>
    <message id="311">
        <source>Rear camera only</source>
        <extracomment>clip layout</extracomment>
        <translation>후방 카메라만</translation>
    </message>
    <message id="312">
        <source>Telemetry band below the pictures</source>
        <extracomment>clip export: time, speed, G-forces and position drawn under the video</extracomment>
        <translation>영상 아래 텔레메트리 띠</translation>
    </message>
    <message id="313">
        <source>Quality</source>
        <extracomment>clip export: video quality</extracomment>
        <translation>화질</translation>
    </message>
    <message id="314">
        <source>Standard</source>
        <extracomment>clip quality</extracomment>
        <translation>표준</translation>
    </message>
    <message id="315">
        <source>High</source>
        <extracomment>clip quality: larger file</extracomment>
        <translation>고화질</translation>
    </message>
    <message id="316">
        <source>File</source>
        <extracomment>clip export: the file to write</extracomment>
        <translation>파일</translation>
    </message>
    <message id="317">
        <source>Browse…</source>
        <extracomment>clip export: choose the file with a file dialog</extracomment>
        <translation>찾아보기…</translation>
    </message>
    <message id="318">
        <source>Exporting the clip…</source>
        <extracomment>progress dialog of the clip export</extracomment>
        <translation>클립을 내보내는 중…</translation>
    </message>
    <message id="319">
        <source>%1 s left</source>
        <extracomment>progress dialog: %1 = seconds until the export is done</extracomment>
        <translation>%1초 남음</translation>
    </message>
    <message id="320">
        <source>The clip has been saved:
%1</source>
        <extracomment>%1 = the clip&apos;s file</extracomment>
        <translation>클립을 저장했습니다:
%1</translation>
    </message>
    <message id="321">
        <source>Show in folder</source>
        <extracomment>button: open the folder that holds the clip</extracomment>
        <translation>폴더에서 보기</translation>
    </message>
    <message id="322">
        <source>The clip could not be exported.
%1</source>
        <extracomment>%1 = the reason, with the file it concerns</extracomment>
        <translation>클립을 내보낼 수 없습니다.
%1</translation>
    </message>
    <message id="323">
        <source>The export was cancelled. No file was left behind.</source>
        <extracomment>after Cancel in the progress dialog</extracomment>
        <translation>내보내기를 취소했습니다. 남은 파일이 없습니다.</translation>
    </message>
    <message id="324">
        <source>Choose a folder that is not on the card being viewed.</source>
        <extracomment>clips are never written to the recorder&apos;s card</extracomment>
        <translation>보고 있는 카드가 아닌 폴더를 선택하십시오.</translation>
    </message>
    <message id="325">
        <source>The two marks are not in the same drive.</source>
        <extracomment>the I and O marks lie in different drives</extracomment>
        <translation>두 표시가 같은 주행에 있지 않습니다.</translation>
    </message>
    <message id="326">
        <source>A clip is being exported.</source>
        <extracomment>E pressed while an export runs</extracomment>
        <translation>클립을 내보내는 중입니다.</translation>
    </message>
    <message id="327">
        <source>The rear camera&apos;s file is missing for part of the range: the clip shows the front camera only.</source>
        <extracomment>after the export</extracomment>
        <translation>범위 일부에 후방 카메라 파일이 없습니다. 클립에는 전방 카메라만 나옵니다.</translation>
    </message>
    <message id="328">
        <source>The front camera&apos;s file is missing for part of the range: the clip shows the rear camera only.</source>
        <extracomment>after the export</extracomment>
        <translation>범위 일부에 전방 카메라 파일이 없습니다. 클립에는 후방 카메라만 나옵니다.</translation>
    </message>
    <message id="329">
        <source>MP4 video</source>
        <extracomment>file type in the save dialog</extracomment>
        <translation>MP4 동영상</translation>
    </message>
    <message id="330">
        <source>Export</source>
        <extracomment>button of the clip export dialog that starts it</extracomment>
        <translation>내보내기</translation>
    </message>
    <message id="400">
        <source>Paused picture back to 1× (wheel: zoom, drag: move)</source>
        <extracomment>list of keys: the 0 key returns a zoomed paused picture to its normal size</extracomment>
        <translation>일시 정지 화면을 1×로 (휠: 확대, 드래그: 이동)</translation>
    </message>
    <message id="401">
        <source>frame %1</source>
        <extracomment>beside the time on a paused picture: its number in the recording, %1 the number</extracomment>
        <translation>프레임 %1</translation>
    </message>
    <message id="500">
        <source>%1 of %2 files</source>
        <extracomment>progress of a file operation: files done of all</extracomment>
        <translation>%1 / %2 파일</translation>
    </message>
    <message id="501">
        <source>%1 of %2 at %3/s, %4 left</source>
        <extracomment>progress: bytes done of all, speed per second, time left</extracomment>
        <translation>%1 / %2, %3/초, 남은 시간 %4</translation>
    </message>
    <message id="502">
        <source>Writing to the device…</source>
        <extracomment>progress: the copies are being flushed to the disk</extracomment>
        <translation>장치에 쓰는 중…</translation>
    </message>
    <message id="503">
        <source>Copying recordings</source>
        <extracomment>caption: copy in progress and its report</extracomment>
        <translation>녹화 파일 복사 중</translation>
    </message>
    <message id="504">
        <source>Deleting recordings</source>
        <extracomment>caption: delete in progress and its report</extracomment>
        <translation>녹화 파일 삭제 중</translation>
    </message>
    <message id="505">
        <source>Locking recordings</source>
        <extracomment>caption: lock in progress and its report</extracomment>
        <translation>녹화 파일 잠금 중</translation>
    </message>
    <message id="506">
        <source>Unlocking recordings</source>
        <extracomment>caption: unlock in progress and its report</extracomment>
        <translation>녹화 파일 잠금 해제 중</translation>
    </message>
    <message id="507">
        <source>Copied %1 of %2 files (%3).</source>
        <extracomment>report of a copy: files copied, files planned, size copied</extracomment>
        <translation>%2개 중 %1개 파일을 복사했습니다 (%3).</translation>
    </message>
    <message id="508">
        <source>Deleted %1 of %2 files.</source>
        <extracomment>report of a delete</extracomment>
        <translation>%2개 중 %1개 파일을 삭제했습니다.</translation>
    </message>
    <message id="509">
        <source>Locked %1 of %2 files.</source>
        <extracomment>report of a lock</extracomment>
        <translation>%2개 중 %1개 파일을 잠갔습니다.</translation>
    </message>
    <message id="510">
        <source>Unlocked %1 of %2 files.</source>
        <extracomment>report of an unlock</extracomment>
        <translation>%2개 중 %1개 파일의 잠금을 해제했습니다.</translation>
    </message>
    <message id="511">
        <source>Cancelled: %1 files were not handled.</source>
        <extracomment>report: files not reached because the user pressed Cancel</extracomment>
        <translation>취소됨: %1개 파일이 처리되지 않았습니다.</translation>
    </message>
    <message id="512">
        <source>Kept because they are locked: %1 files.</source>
        <extracomment>report of a delete: read-only files that stay</extracomment>
        <translation>잠겨 있어 남겨 둔 파일: %1개.</translation>
    </message>
    <message id="513">
        <source>Existing files kept as you chose: %1.</source>
        <extracomment>report of a copy: files the user chose not to overwrite</extracomment>
        <translation>선택에 따라 남겨 둔 기존 파일: %1개.</translation>
    </message>
    <message id="514">
        <source>Not done:</source>
        <extracomment>report: heading of the list of failed files</extracomment>
        <translation>완료되지 않음:</translation>
    </message>
    <message id="515">
        <source>cannot create the folder</source>
        <extracomment>failure step</extracomment>
        <translation>폴더를 만들 수 없음</translation>
    </message>
    <message id="516">
        <source>cannot copy</source>
        <extracomment>failure step</extracomment>
        <translation>복사할 수 없음</translation>
    </message>
    <message id="517">
        <source>cannot delete</source>
        <extracomment>failure step</extracomment>
        <translation>삭제할 수 없음</translation>
    </message>
    <message id="518">
        <source>cannot lock</source>
        <extracomment>failure step</extracomment>
        <translation>잠글 수 없음</translation>
    </message>
    <message id="519">
        <source>cannot unlock</source>
        <extracomment>failure step</extracomment>
        <translation>잠금을 해제할 수 없음</translation>
    </message>
    <message id="520">
        <source>the target is full</source>
        <extracomment>failure reason (disk full)</extracomment>
        <translation>대상이 가득 찼습니다</translation>
    </message>
    <message id="521">
        <source>permission denied</source>
        <extracomment>failure reason</extracomment>
        <translation>권한이 거부되었습니다</translation>
    </message>
    <message id="522">
        <source>the disk is write-protected</source>
        <extracomment>failure reason (read-only medium)</extracomment>
        <translation>디스크가 쓰기 금지되어 있습니다</translation>
    </message>
    <message id="523">
        <source>the file no longer exists</source>
        <extracomment>failure reason</extracomment>
        <translation>파일이 더 이상 없습니다</translation>
    </message>
    <message id="524">
        <source>read or write error (was the card removed?)</source>
        <extracomment>failure reason (input/output error)</extracomment>
        <translation>읽기 또는 쓰기 오류 (카드를 뺐습니까?)</translation>
    </message>
    <message id="525">
        <source>a file stands where a folder should be</source>
        <extracomment>failure reason</extracomment>
        <translation>폴더 자리에 파일이 있습니다</translation>
    </message>
    <message id="526">
        <source>too large for the target&apos;s file system</source>
        <extracomment>failure reason (file over the file system's size limit)</extracomment>
        <translation>대상 파일 시스템에 비해 너무 큽니다</translation>
    </message>
    <message id="527">
        <source>system error %1</source>
        <extracomment>failure reason: any other system error, %1 = code and system text</extracomment>
        <translation>시스템 오류 %1</translation>
    </message>
    <message id="600">
        <source>Looking for incidents… %1 / %2</source>
        <extracomment>progress line below the lists while the recordings are searched for jolts and hard brakings: done / total</extracomment>
        <translation>이벤트 검색 중… %1 / %2</translation>
    </message>
    <message id="601">
        <source>Incidents</source>
        <extracomment>title of the list of every incident (jolt or hard braking) of the card</extracomment>
        <translation>이벤트</translation>
    </message>
    <message id="602">
        <source>Incidents…</source>
        <extracomment>menu entry opening the list of incidents</extracomment>
        <translation>이벤트 목록…</translation>
    </message>
    <message id="603">
        <source>Date and time</source>
        <extracomment>incidents list: column of the incident&apos;s date and time</extracomment>
        <translation>날짜 및 시간</translation>
    </message>
    <message id="604">
        <source>Drive</source>
        <extracomment>incidents list: column of the drive (group of recordings) it belongs to</extracomment>
        <translation>주행</translation>
    </message>
    <message id="605">
        <source>Kind</source>
        <extracomment>incidents list: column of the kind of incident</extracomment>
        <translation>종류</translation>
    </message>
    <message id="606">
        <source>Strength</source>
        <extracomment>incidents list: column of its strength (g or m/s²)</extracomment>
        <translation>강도</translation>
    </message>
    <message id="607">
        <source>Speed</source>
        <extracomment>incidents list: column of the vehicle&apos;s speed at that moment</extracomment>
        <translation>속도</translation>
    </message>
    <message id="608">
        <source>Jolt</source>
        <extracomment>kind of incident: a sudden shock seen by the G-sensor</extracomment>
        <translation>충격</translation>
    </message>
    <message id="609">
        <source>Hard braking</source>
        <extracomment>kind of incident: the vehicle slowed down very sharply (GPS speed)</extracomment>
        <translation>급제동</translation>
    </message>
    <message id="610">
        <source>All kinds</source>
        <extracomment>incidents list: filter entry showing every kind</extracomment>
        <translation>모든 종류</translation>
    </message>
    <message id="611">
        <source>Export list…</source>
        <extracomment>incidents list: button that saves the list as a CSV file</extracomment>
        <translation>목록 내보내기…</translation>
    </message>
    <message id="612">
        <source>Close</source>
        <extracomment>incidents list: button closing the list</extracomment>
        <translation>닫기</translation>
    </message>
    <message id="613">
        <source>List of the card&apos;s incidents</source>
        <extracomment>list of keys: L opens the list of every incident of the card</extracomment>
        <translation>카드의 이벤트 목록</translation>
    </message>
    <message id="614">
        <source>The list could not be written: %1</source>
        <extracomment>incidents list: the CSV file could not be saved; %1 = the system&apos;s reason</extracomment>
        <translation>목록을 쓸 수 없습니다: %1</translation>
    </message>
    <message id="615">
        <source>File</source>
        <extracomment>incidents list: column of the recording&apos;s file name</extracomment>
        <translation>파일</translation>
    </message>
    <message id="616">
        <source>No incidents found on this card.</source>
        <extracomment>incidents list: shown when the card holds no incident</extracomment>
        <translation>이 카드에서 이벤트를 찾지 못했습니다.</translation>
    </message>
    <message id="800">
        <source>Incident report</source>
        <extracomment>title of the incident report (the PDF and its dialog)</extracomment>
        <translation>사고 보고서</translation>
    </message>
    <message id="801">
        <source>What</source>
        <extracomment>incident report: label of what happened</extracomment>
        <translation>무엇</translation>
    </message>
    <message id="802">
        <source>When</source>
        <extracomment>incident report: label of the date and local time</extracomment>
        <translation>언제</translation>
    </message>
    <message id="803">
        <source>Where</source>
        <extracomment>incident report: label of the position</extracomment>
        <translation>어디서</translation>
    </message>
    <message id="804">
        <source>Speed</source>
        <extracomment>incident report: label and column of the GPS speed</extracomment>
        <translation>속도</translation>
    </message>
    <message id="805">
        <source>Heading</source>
        <extracomment>incident report: label and column of the course over ground</extracomment>
        <translation>방향</translation>
    </message>
    <message id="806">
        <source>G-sensor</source>
        <extracomment>incident report: label of the G-sensor&apos;s three axes</extracomment>
        <translation>G 센서</translation>
    </message>
    <message id="807">
        <source>Jolt, %1 g</source>
        <extracomment>incident report: what happened; %1 = the jolt&apos;s strength in g</extracomment>
        <translation>충격, %1 g</translation>
    </message>
    <message id="808">
        <source>Hard braking, %1 m/s²</source>
        <extracomment>incident report: what happened; %1 = the largest deceleration</extracomment>
        <translation>급제동, %1 m/s²</translation>
    </message>
    <message id="809">
        <source>Marked by the user</source>
        <extracomment>incident report: what happened when no incident was found within 3 s of the moment</extracomment>
        <translation>사용자가 지정</translation>
    </message>
    <message id="810">
        <source>near %1 (%2 km)</source>
        <extracomment>incident report: the nearest town; %1 = town and country code, %2 = distance</extracomment>
        <translation>%1 부근 (%2 km)</translation>
    </message>
    <message id="811">
        <source>No GPS fix at this moment.</source>
        <extracomment>incident report: a gap - no valid GPS position at the moment</extracomment>
        <translation>이 시점의 GPS 위치가 없습니다.</translation>
    </message>
    <message id="812">
        <source>The recording holds no G-sensor data.</source>
        <extracomment>incident report: a gap - no G-sensor samples</extracomment>
        <translation>이 녹화에는 G 센서 데이터가 없습니다.</translation>
    </message>
    <message id="813">
        <source>The rear camera&apos;s file is missing: %1</source>
        <extracomment>incident report: a gap; %1 = the front camera&apos;s file name</extracomment>
        <translation>후방 카메라 파일이 없습니다: %1</translation>
    </message>
    <message id="814">
        <source>The front camera&apos;s file is missing: %1</source>
        <extracomment>incident report: a gap; %1 = the rear camera&apos;s file name</extracomment>
        <translation>전방 카메라 파일이 없습니다: %1</translation>
    </message>
    <message id="815">
        <source>Front camera</source>
        <extracomment>incident report: the row of the front camera&apos;s stills; the files list</extracomment>
        <translation>전방 카메라</translation>
    </message>
    <message id="816">
        <source>Rear camera</source>
        <extracomment>incident report: the row of the rear camera&apos;s stills; the files list</extracomment>
        <translation>후방 카메라</translation>
    </message>
    <message id="817">
        <source>Track, %1 s either side</source>
        <extracomment>incident report: title of the map; %1 = seconds before and after the moment</extracomment>
        <translation>경로, 전후 %1초</translation>
    </message>
    <message id="818">
        <source>Speed (km/h), %1 s either side</source>
        <extracomment>incident report: title of the speed curve; %1 = seconds before and after</extracomment>
        <translation>속도 (km/h), 전후 %1초</translation>
    </message>
    <message id="819">
        <source>G-sensor (g), %1 s either side</source>
        <extracomment>incident report: title of the G-sensor curves; %1 = seconds before and after</extracomment>
        <translation>G 센서 (g), 전후 %1초</translation>
    </message>
    <message id="820">
        <source>Telemetry, second by second</source>
        <extracomment>incident report: title of the second page&apos;s table</extracomment>
        <translation>초 단위 원격 측정</translation>
    </message>
    <message id="821">
        <source>Time</source>
        <extracomment>incident report: column of the seconds from the moment</extracomment>
        <translation>시간</translation>
    </message>
    <message id="822">
        <source>Local time</source>
        <extracomment>incident report: column of the recorder&apos;s local date and time</extracomment>
        <translation>현지 시각</translation>
    </message>
    <message id="823">
        <source>Latitude</source>
        <extracomment>incident report: column of the latitude</extracomment>
        <translation>위도</translation>
    </message>
    <message id="824">
        <source>Longitude</source>
        <extracomment>incident report: column of the longitude</extracomment>
        <translation>경도</translation>
    </message>
    <message id="825">
        <source>The original recordings</source>
        <extracomment>incident report: title of the list of copied recording files</extracomment>
        <translation>원본 녹화 파일</translation>
    </message>
    <message id="827">
        <source>Path on the card</source>
        <extracomment>incident report: where an original file was read from</extracomment>
        <translation>카드상의 경로</translation>
    </message>
    <message id="828">
        <source>Size</source>
        <extracomment>incident report: an original file&apos;s size</extracomment>
        <translation>크기</translation>
    </message>
    <message id="829">
        <source>Modified</source>
        <extracomment>incident report: an original file&apos;s modification time</extracomment>
        <translation>수정 시각</translation>
    </message>
    <message id="830">
        <source>Files made for this report</source>
        <extracomment>incident report: title of the hashes of the clip, stills and track</extracomment>
        <translation>이 보고서를 위해 만든 파일</translation>
    </message>
    <message id="831">
        <source>Made with %1 on %2</source>
        <extracomment>incident report: %1 = program and version, %2 = date and time (UTC)</extracomment>
        <translation>%1(으)로 작성: %2</translation>
    </message>
    <message id="832">
        <source>How to check this pack: open a terminal in its folder and run the command below. Every line must end in OK; a file that was changed or is missing is named.</source>
        <extracomment>incident report: the last page; the command follows on its own line</extracomment>
        <translation>이 패키지를 확인하는 방법: 폴더에서 터미널을 열고 아래 명령을 실행하십시오. 모든 줄이 OK로 끝나야 하며, 변경되었거나 없는 파일은 이름이 표시됩니다.</translation>
    </message>
    <message id="833">
        <source>Recording</source>
        <extracomment>incident report: label of the recording file and the moment in it</extracomment>
        <translation>녹화</translation>
    </message>
    <message id="834">
        <source>Page %1 of %2</source>
        <extracomment>incident report: page number; %1 = this page, %2 = pages in all</extracomment>
        <translation>%1 / %2 페이지</translation>
    </message>
    <message id="835">
        <source>The range was shortened: the drive begins %1 s before the moment.</source>
        <extracomment>incident report: a gap; %1 = seconds</extracomment>
        <translation>범위가 줄었습니다: 주행이 이 시점 %1초 전에 시작됩니다.</translation>
    </message>
    <message id="836">
        <source>The range was shortened: the drive ends %1 s after the moment.</source>
        <extracomment>incident report: a gap; %1 = seconds</extracomment>
        <translation>범위가 줄었습니다: 주행이 이 시점 %1초 후에 끝납니다.</translation>
    </message>
    <message id="837">
        <source>%1 bytes</source>
        <extracomment>incident report: a file&apos;s size; %1 = the number of bytes</extracomment>
        <translation>%1바이트</translation>
    </message>
    <message id="838">
        <source>No GPS fix in this stretch: no track to draw.</source>
        <extracomment>incident report: shown in the map&apos;s place</extracomment>
        <translation>이 구간에 GPS 위치가 없어 경로를 그릴 수 없습니다.</translation>
    </message>
    <message id="839">
        <source>Range</source>
        <extracomment>incident report: label of the range the clip and the originals cover</extracomment>
        <translation>범위</translation>
    </message>
    <message id="840">
        <source>Gaps in the recording</source>
        <extracomment>incident report: label of what the recording lacks (missing file, no GPS, no G-sensor)</extracomment>
        <translation>녹화의 누락</translation>
    </message>
    <message id="841">
        <source>No picture</source>
        <extracomment>incident report: shown where a camera has no picture at that moment</extracomment>
        <translation>영상 없음</translation>
    </message>
    <message id="850">
        <source>Incident report…</source>
        <extracomment>right-click menu and incidents list: make an incident pack (PDF, clip, stills, originals, hashes)</extracomment>
        <translation>사고 보고서…</translation>
    </message>
    <message id="851">
        <source>Seconds before</source>
        <extracomment>incident report dialog: seconds of the range before the moment</extracomment>
        <translation>이전 초</translation>
    </message>
    <message id="852">
        <source>Seconds after</source>
        <extracomment>incident report dialog: seconds of the range after the moment</extracomment>
        <translation>이후 초</translation>
    </message>
    <message id="853">
        <source>Folder</source>
        <extracomment>incident report dialog: the new folder of the pack</extracomment>
        <translation>폴더</translation>
    </message>
    <message id="854">
        <source>Make report</source>
        <extracomment>incident report dialog: the button that starts the work</extracomment>
        <translation>보고서 만들기</translation>
    </message>
    <message id="855">
        <source>Making the incident report…</source>
        <extracomment>progress of the incident report</extracomment>
        <translation>사고 보고서를 만드는 중…</translation>
    </message>
    <message id="856">
        <source>The incident report has been made:
%1</source>
        <extracomment>incident report finished; %1 = the pack&apos;s folder</extracomment>
        <translation>사고 보고서를 만들었습니다:
%1</translation>
    </message>
    <message id="857">
        <source>The incident report could not be made.
%1</source>
        <extracomment>incident report failed; %1 = the reason</extracomment>
        <translation>사고 보고서를 만들 수 없습니다.
%1</translation>
    </message>
    <message id="858">
        <source>The report was cancelled. No folder was left behind.</source>
        <extracomment>incident report cancelled</extracomment>
        <translation>보고서를 취소했습니다. 폴더는 남지 않았습니다.</translation>
    </message>
    <message id="859">
        <source>Choose a folder that does not exist yet or is empty.</source>
        <extracomment>incident report dialog: the chosen folder holds files</extracomment>
        <translation>아직 없거나 비어 있는 폴더를 선택하십시오.</translation>
    </message>
    <message id="860">
        <source>An incident report is being made.</source>
        <extracomment>incident report: asked for a second one while one runs</extracomment>
        <translation>사고 보고서를 만드는 중입니다.</translation>
    </message>
    <message id="861">
        <source>Moment</source>
        <extracomment>incident report dialog: the recording and the time the report is about</extracomment>
        <translation>시점</translation>
    </message>
    <message id="862">
        <source>Writing the clip…</source>
        <extracomment>incident report progress: the clip is encoded</extracomment>
        <translation>클립을 쓰는 중…</translation>
    </message>
    <message id="863">
        <source>Copying and checking the original recordings…</source>
        <extracomment>incident report progress: the originals are copied and read back</extracomment>
        <translation>원본 녹화를 복사하고 확인하는 중…</translation>
    </message>
    <message id="864">
        <source>Drawing the report…</source>
        <extracomment>incident report progress: stills, track and PDF</extracomment>
        <translation>보고서를 그리는 중…</translation>
    </message>
    <message id="865">
        <source>Gaps in the recording:</source>
        <extracomment>incident report finished: followed by the missing file, GPS or G-sensor data</extracomment>
        <translation>녹화의 누락:</translation>
    </message>
    <message id="730">
        <source>%1 cannot be opened: the steps stay in this recording</source>
        <extracomment>paused review, after the steps went on into the next or previous recording: that recording&apos;s file (%1, its name) cannot be opened, so the picture shown stays</extracomment>
        <translation>%1을(를) 열 수 없습니다: 프레임 이동은 이 녹화에 머뭅니다</translation>
    </message>
    <message id="731">
        <source>picture %1 cannot be decoded</source>
        <extracomment>paused review: a picture the decoder cannot give out, %1 its number in the recording</extracomment>
        <translation>프레임 %1을(를) 디코딩할 수 없습니다</translation>
    </message>
    <message id="732">
        <source>%1 cannot be opened</source>
        <extracomment>paused review: the camera&apos;s file (%1, its name) cannot be opened; the pane is black</extracomment>
        <translation>%1을(를) 열 수 없습니다</translation>
    </message>
    <message id="733">
        <source>this recording has no rear file</source>
        <extracomment>paused review, in another recording than the one played: the rear pane is black because the recording has no rear camera file</extracomment>
        <translation>이 녹화에는 후방 파일이 없습니다</translation>
    </message>
    <message id="734">
        <source>this recording has no front file</source>
        <extracomment>paused review, in another recording than the one played: the front pane is black because the recording has no front camera file</extracomment>
        <translation>이 녹화에는 전방 파일이 없습니다</translation>
    </message>
    <message id="770">
        <source>Far more telemetry records than the recording&apos;s length allows</source>
        <extracomment>reason</extracomment>
        <translation>녹화 길이에 비해 텔레메트리 레코드가 너무 많습니다</translation>
    </message>
    <message id="771">
        <source>%1 folders could not be read</source>
        <extracomment>note below the lists: folders the scan could not read, so recordings may be missing</extracomment>
        <translation>폴더 %1개를 읽을 수 없습니다</translation>
    </message>
    <message id="772">
        <source>1 folder could not be read</source>
        <extracomment>note below the lists: one folder the scan could not read</extracomment>
        <translation>폴더 1개를 읽을 수 없습니다</translation>
    </message>
    <message id="773">
        <source>Far more boxes than any recording has</source>
        <extracomment>reason</extracomment>
        <translation>어떤 녹화보다도 훨씬 많은 박스가 있습니다</translation>
    </message>
    <message id="750">
        <source>The folder %s lies inside the folders being viewed. Please choose a folder outside them.</source>
        <extracomment>copy refused: the chosen target folder is inside the scanned folder tree</extracomment>
        <translation>폴더 %s 은(는) 보고 있는 폴더 안에 있습니다. 그 밖의 폴더를 선택하십시오.</translation>
    </message>
    <message id="751">
        <source>The folder %s is on the memory card being viewed. Please choose a folder on another disk.</source>
        <extracomment>copy refused: the chosen target folder is on the recorder&apos;s memory card</extracomment>
        <translation>폴더 %s 은(는) 보고 있는 메모리 카드에 있습니다. 다른 디스크의 폴더를 선택하십시오.</translation>
    </message>
    <message id="752">
        <source>The copies need %1 MB, but only %2 MB are free in %s.</source>
        <extracomment>copy refused: not enough free space at the target; %1 and %2 are megabytes</extracomment>
        <translation>복사에 %1 MB가 필요하지만 %s 에는 %2 MB만 남아 있습니다.</translation>
    </message>
    <message id="900">
        <source>Drives</source>
        <extracomment>drives window: caption</extracomment>
        <translation>주행 기록</translation>
    </message>
    <message id="901">
        <source>Drives…</source>
        <extracomment>window menu: opens the drives window</extracomment>
        <translation>주행 기록…</translation>
    </message>
    <message id="902">
        <source>Every drive of every card</source>
        <extracomment>key list: what key D does</extracomment>
        <translation>모든 카드의 모든 주행</translation>
    </message>
    <message id="903">
        <source>Card</source>
        <extracomment>drives window: column, the card or folder of a drive</extracomment>
        <translation>카드</translation>
    </message>
    <message id="904">
        <source>Date</source>
        <extracomment>drives window: column</extracomment>
        <translation>날짜</translation>
    </message>
    <message id="905">
        <source>Start</source>
        <extracomment>drives window: column, start time</extracomment>
        <translation>시작</translation>
    </message>
    <message id="906">
        <source>End</source>
        <extracomment>drives window: column, end time</extracomment>
        <translation>종료</translation>
    </message>
    <message id="907">
        <source>Duration</source>
        <extracomment>drives window: column</extracomment>
        <translation>소요 시간</translation>
    </message>
    <message id="908">
        <source>Distance</source>
        <extracomment>drives window: column</extracomment>
        <translation>거리</translation>
    </message>
    <message id="909">
        <source>Max. speed</source>
        <extracomment>drives window: column, top speed</extracomment>
        <translation>최고 속도</translation>
    </message>
    <message id="910">
        <source>Incidents</source>
        <extracomment>drives window: column, jolts and hard brakings</extracomment>
        <translation>이벤트</translation>
    </message>
    <message id="911">
        <source>From → To</source>
        <extracomment>drives window: column, towns of start and end</extracomment>
        <translation>출발 → 도착</translation>
    </message>
    <message id="912">
        <source>Dates</source>
        <extracomment>drives window: filter check box, only drives between two dates</extracomment>
        <translation>기간</translation>
    </message>
    <message id="913">
        <source>to</source>
        <extracomment>drives window: between the two dates of the filter</extracomment>
        <translation>~</translation>
    </message>
    <message id="914">
        <source>Town or card</source>
        <extracomment>drives window: placeholder of the text filter</extracomment>
        <translation>도시 또는 카드</translation>
    </message>
    <message id="915">
        <source>Only drives with incidents</source>
        <extracomment>drives window: filter check box</extracomment>
        <translation>이벤트가 있는 주행만</translation>
    </message>
    <message id="916">
        <source>%1 drives, %2, %3 driving</source>
        <extracomment>drives window: totals of the rows shown (count, distance, time)</extracomment>
        <translation>주행 %1건, %2, 운전 시간 %3</translation>
    </message>
    <message id="917">
        <source>Keep on this computer…</source>
        <extracomment>drives window: button, copies the selected drives</extracomment>
        <translation>이 컴퓨터에 보관…</translation>
    </message>
    <message id="918">
        <source>Close</source>
        <extracomment>drives window: button</extracomment>
        <translation>닫기</translation>
    </message>
    <message id="919">
        <source>Choose the folder to keep the drives in</source>
        <extracomment>folder dialog: caption, where kept drives go</extracomment>
        <translation>주행을 보관할 폴더 선택</translation>
    </message>
    <message id="920">
        <source>Keeping drives</source>
        <extracomment>keep progress: caption, also of its report</extracomment>
        <translation>주행 보관 중</translation>
    </message>
    <message id="921">
        <source>Kept %1 of %2 files (%3), each verified.</source>
        <extracomment>keep report: files copied, files chosen, size</extracomment>
        <translation>파일 %2개 중 %1개를 보관했습니다(%3, 모두 검증됨).</translation>
    </message>
    <message id="922">
        <source>%1 files were kept already and were not copied again.</source>
        <extracomment>keep report</extracomment>
        <translation>파일 %1개는 이미 보관되어 있어 다시 복사하지 않았습니다.</translation>
    </message>
    <message id="923">
        <source>Not kept:</source>
        <extracomment>keep report: heading of the files that failed</extracomment>
        <translation>보관하지 못한 파일:</translation>
    </message>
    <message id="924">
        <source>Cancelled: %1 files were not kept.</source>
        <extracomment>keep report</extracomment>
        <translation>취소됨: 파일 %1개를 보관하지 않았습니다.</translation>
    </message>
    <message id="925">
        <source>The files of this drive are not here. They are on %1 (last seen in %2).</source>
        <extracomment>drives window: a drive whose card is not inserted; %1 card, %2 folder</extracomment>
        <translation>이 주행의 파일이 여기에 없습니다. %1에 있습니다(마지막 확인 위치: %2).</translation>
    </message>
    <message id="926">
        <source>The drive catalogue could not be opened: %1</source>
        <extracomment>drives window: error, %1 the reason</extracomment>
        <translation>주행 카탈로그를 열 수 없습니다: %1</translation>
    </message>
    <message id="927">
        <source>%1 km</source>
        <extracomment>unit: kilometres</extracomment>
        <translation>%1km</translation>
    </message>
    <message id="928">
        <source>%1 mi</source>
        <extracomment>unit: miles</extracomment>
        <translation>%1마일</translation>
    </message>
    <message id="929">
        <source>%1 km/h</source>
        <extracomment>unit: kilometres an hour</extracomment>
        <translation>%1km/h</translation>
    </message>
    <message id="930">
        <source>%1 mph</source>
        <extracomment>unit: miles an hour</extracomment>
        <translation>%1mph</translation>
    </message>
    <message id="931">
        <source>Copying and verifying %1</source>
        <extracomment>keep progress: the file at hand</extracomment>
        <translation>%1 복사 및 검증 중</translation>
    </message>
    <message id="932">
        <source>Cancel</source>
        <extracomment>keep progress: button</extracomment>
        <translation>취소</translation>
    </message>
    <message id="933">
        <source>No drives yet: every card or folder opened is listed here.</source>
        <extracomment>drives window: shown while the catalogue is empty</extracomment>
        <translation>아직 주행이 없습니다. 연 카드나 폴더가 여기에 표시됩니다.</translation>
    </message>
    <message id="934">
        <source>Adding drives to the catalogue…</source>
        <extracomment>drives window: while a scan's drives are being recorded</extracomment>
        <translation>주행을 카탈로그에 추가하는 중…</translation>
    </message>
    <message id="700">
        <source>A file named %1 already exists. Replace it?</source>
        <extracomment>clip export: the file typed in the dialog is there already; %1 its path</extracomment>
        <translation>%1 이름의 파일이 이미 있습니다. 바꾸시겠습니까?</translation>
    </message>
    <message id="701">
        <source>Replace</source>
        <extracomment>clip export: button that replaces the existing file</extracomment>
        <translation>바꾸기</translation>
    </message>
    <message id="702">
        <source>Size</source>
        <extracomment>clip export: picture size of the clip</extracomment>
        <translation>크기</translation>
    </message>
    <message id="703">
        <source>For sharing (at most 1920 pixels wide)</source>
        <extracomment>clip export: size choice, smaller pictures for sending on</extracomment>
        <translation>공유용 (너비 최대 1920픽셀)</translation>
    </message>
    <message id="704">
        <source>Full size (for evidence)</source>
        <extracomment>clip export: size choice, the cameras&apos; own size</extracomment>
        <translation>전체 크기 (증거용)</translation>
    </message>
    <message id="705">
        <source>Estimated file size</source>
        <extracomment>clip export: label before the expected size of the file</extracomment>
        <translation>예상 파일 크기</translation>
    </message>
    <message id="706">
        <source>About %1 MB (%2 × %3 pixels)</source>
        <extracomment>clip export: %1 megabytes, %2 x %3 the clip&apos;s width and height</extracomment>
        <translation>약 %1MB (%2 × %3 픽셀)</translation>
    </message>
    <message id="707">
        <source>Unknown</source>
        <extracomment>clip export: the file size cannot be estimated</extracomment>
        <translation>알 수 없음</translation>
    </message>
    <message id="708">
        <source>Notes:</source>
        <extracomment>clip export: heading of what the export noticed, listed in English below it</extracomment>
        <translation>참고:</translation>
    </message>
</context>
</TS>
