<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Vemora Viewer...</source>
        <extracomment>About entry</extracomment>
        <translation>&amp;О программе Vemora Viewer...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <extracomment>player error message</extracomment>
        <translation>В медиапроигрывателе произошла ошибка.</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <extracomment>start-up failure</extracomment>
        <translation>Не удалось инициализировать сокеты Windows.</translation>
    </message>
    <message id="104">
        <source>Select a media</source>
        <extracomment>source selection dialog title</extracomment>
        <translation>Выбор носителя</translation>
    </message>
    <message id="105">
        <source>Google Map</source>
        <extracomment>map list entry, configuration dialog</extracomment>
        <translation>Карта Google</translation>
    </message>
    <message id="106">
        <source>China Map</source>
        <extracomment>map list entry, configuration dialog</extracomment>
        <translation>Карта Китая</translation>
    </message>
    <message id="107">
        <source>OK</source>
        <extracomment>OK buttons</extracomment>
        <translation>ОК</translation>
    </message>
    <message id="108">
        <source>Cancel</source>
        <extracomment>Cancel buttons</extracomment>
        <translation>Отмена</translation>
    </message>
    <message id="109">
        <source>Apply</source>
        <extracomment>Apply buttons</extracomment>
        <translation>Применить</translation>
    </message>
    <message id="110">
        <source>Config</source>
        <extracomment>configuration dialog title</extracomment>
        <translation>Настройки</translation>
    </message>
    <message id="111">
        <source>Disk</source>
        <extracomment>source selection dialog</extracomment>
        <translation>Диск</translation>
    </message>
    <message id="112">
        <source>Folder</source>
        <extracomment>source selection dialog</extracomment>
        <translation>Папка</translation>
    </message>
    <message id="113">
        <source>File</source>
        <extracomment>source selection dialog</extracomment>
        <translation>Файл</translation>
    </message>
    <message id="114">
        <source>Select language</source>
        <extracomment>language group, configuration dialog</extracomment>
        <translation>Выбор языка</translation>
    </message>
    <message id="115">
        <source>Select map</source>
        <extracomment>map group, configuration dialog</extracomment>
        <translation>Выбор карты</translation>
    </message>
    <message id="116">
        <source>Group</source>
        <extracomment>list column</extracomment>
        <translation>Группа</translation>
    </message>
    <message id="117">
        <source>Resolution</source>
        <extracomment>list column</extracomment>
        <translation>Разрешение</translation>
    </message>
    <message id="118">
        <source>Start Time</source>
        <extracomment>list column</extracomment>
        <translation>Время начала</translation>
    </message>
    <message id="119">
        <source>Length</source>
        <extracomment>list column</extracomment>
        <translation>Длительность</translation>
    </message>
    <message id="120">
        <source>File Size</source>
        <extracomment>list column</extracomment>
        <translation>Размер файла</translation>
    </message>
    <message id="121">
        <source>ID</source>
        <extracomment>list column</extracomment>
        <translation>ID</translation>
    </message>
    <message id="122">
        <source>File Name</source>
        <extracomment>list column</extracomment>
        <translation>Имя файла</translation>
    </message>
    <message id="123">
        <source>End Time</source>
        <extracomment>list column</extracomment>
        <translation>Время окончания</translation>
    </message>
    <message id="124">
        <source>Folder</source>
        <extracomment>list column</extracomment>
        <translation>Папка</translation>
    </message>
    <message id="125">
        <source>Save KML file: %s OK.</source>
        <extracomment>KML export result</extracomment>
        <translation>Файл KML %s сохранён.</translation>
    </message>
    <message id="126">
        <source>Save KML file:%s Failed.</source>
        <extracomment>KML export result</extracomment>
        <translation>Не удалось сохранить файл KML %s.</translation>
    </message>
    <message id="127">
        <source>Save KML</source>
        <extracomment>KML export</extracomment>
        <translation>Сохранить KML</translation>
    </message>
    <message id="128">
        <source>Delete Files</source>
        <extracomment>delete confirmation caption</extracomment>
        <translation>Удаление файлов</translation>
    </message>
    <message id="129">
        <source>Are you sure to delete the checked files?</source>
        <extracomment>delete confirmation</extracomment>
        <translation>Вы действительно хотите удалить отмеченные файлы?</translation>
    </message>
    <message id="130">
        <source>Select a folder</source>
        <extracomment>folder picker title</extracomment>
        <translation>Выберите папку</translation>
    </message>
    <message id="131">
        <source>Warning</source>
        <extracomment>caption of warning message boxes</extracomment>
        <translation>Предупреждение</translation>
    </message>
    <message id="132">
        <source>Folder is not exist.</source>
        <extracomment>copy target folder missing</extracomment>
        <translation>Папка не существует.</translation>
    </message>
    <message id="133">
        <source>Loading video component failed. Please reinstall this program again.</source>
        <extracomment>video library failed to load</extracomment>
        <translation>Не удалось загрузить видеокомпонент. Переустановите программу.</translation>
    </message>
    <message id="134">
        <source>Play/Pause video</source>
        <extracomment>tooltip of the PLAY button</extracomment>
        <translation>Воспроизведение/пауза</translation>
    </message>
    <message id="135">
        <source>No seletected files. Please select some files and try this operation again.</source>
        <extracomment>nothing checked</extracomment>
        <translation>Файлы не выбраны. Выберите файлы и повторите операцию.</translation>
    </message>
    <message id="136">
        <source>No files in list.</source>
        <extracomment>empty list</extracomment>
        <translation>В списке нет файлов.</translation>
    </message>
    <message id="137">
        <source>Set Small Window Size.</source>
        <extracomment>tooltip of the S button</extracomment>
        <translation>Маленький размер окна.</translation>
    </message>
    <message id="138">
        <source>Set Medium Window Size.</source>
        <extracomment>tooltip of the M button</extracomment>
        <translation>Средний размер окна.</translation>
    </message>
    <message id="139">
        <source>Set Large Window Size.</source>
        <extracomment>tooltip of the L button</extracomment>
        <translation>Большой размер окна.</translation>
    </message>
    <message id="140">
        <source>Confirm to overwrite the file.</source>
        <extracomment>overwrite confirmation caption</extracomment>
        <translation>Подтверждение перезаписи файла</translation>
    </message>
    <message id="141">
        <source>File &quot;%s&quot; is already exist. Are you sure to overwrite it?</source>
        <extracomment>overwrite confirmation</extracomment>
        <translation>Файл «%s» уже существует. Перезаписать его?</translation>
    </message>
    <message id="142">
        <source>Restore window</source>
        <extracomment>not shown by the program</extracomment>
        <translation>Восстановить окно</translation>
    </message>
    <message id="143">
        <source>Disable auto play next file feature</source>
        <extracomment>not shown by the program</extracomment>
        <translation>Отключить автовоспроизведение следующего файла</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <extracomment>message-box caption when no group is marked</extracomment>
        <translation>Подтверждение выбора файлов</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <extracomment>message-box caption when the list is empty</extracomment>
        <translation>ОК</translation>
    </message>
    <message id="179">
        <source>Open files</source>
        <extracomment>tooltip of the OPEN button</extracomment>
        <translation>Открыть файлы</translation>
    </message>
    <message id="180">
        <source>Snapshot</source>
        <extracomment>tooltip of the SNAP button</extracomment>
        <translation>Снимок кадра</translation>
    </message>
    <message id="181">
        <source>Save as</source>
        <extracomment>tooltip of the SAVE button</extracomment>
        <translation>Сохранить как</translation>
    </message>
    <message id="182">
        <source>Del files</source>
        <extracomment>tooltip of the DEL button</extracomment>
        <translation>Удалить файлы</translation>
    </message>
    <message id="183">
        <source>Configuration</source>
        <extracomment>tooltip of the Conf button</extracomment>
        <translation>Настройка</translation>
    </message>
    <message id="184">
        <source>Slower speed</source>
        <extracomment>tooltip of the SLOW button</extracomment>
        <translation>Медленнее</translation>
    </message>
    <message id="185">
        <source>Stop</source>
        <extracomment>tooltip of the STOP button</extracomment>
        <translation>Стоп</translation>
    </message>
    <message id="186">
        <source>Faster speed</source>
        <extracomment>tooltip of the FAST button</extracomment>
        <translation>Быстрее</translation>
    </message>
    <message id="187">
        <source>Volume</source>
        <extracomment>tooltip of the volume slider</extracomment>
        <translation>Громкость</translation>
    </message>
    <message id="188">
        <source>Volume On/Off</source>
        <extracomment>tooltip of the Vol button</extracomment>
        <translation>Звук вкл./выкл.</translation>
    </message>
    <message id="189">
        <source>Auto Play next file.</source>
        <extracomment>tooltip of the Loop button</extracomment>
        <translation>Автовоспроизведение следующего файла.</translation>
    </message>
    <message id="190">
        <source>Rotate 180</source>
        <extracomment>tooltip of the FLIP button</extracomment>
        <translation>Повернуть на 180°</translation>
    </message>
    <message id="191">
        <source>Save GPS data to KML file</source>
        <extracomment>tooltip of the KML button</extracomment>
        <translation>Сохранить данные GPS в файл KML</translation>
    </message>
    <message id="192">
        <source>Turn On/Off Map</source>
        <extracomment>tooltip of the MAP button</extracomment>
        <translation>Показать/скрыть карту</translation>
    </message>
    <message id="193">
        <source>Turn On/Off G-Sensor curve</source>
        <extracomment>tooltip of the GSR button</extracomment>
        <translation>Показать/скрыть график G-датчика</translation>
    </message>
    <message id="194">
        <source>Unlock files</source>
        <extracomment>tooltip of the LOCK button</extracomment>
        <translation>Разблокировать файлы</translation>
    </message>
    <message id="195">
        <source>Close AP</source>
        <extracomment>tooltip of the close button</extracomment>
        <translation>Закрыть программу</translation>
    </message>
    <message id="196">
        <source>Max window</source>
        <extracomment>tooltip of the maximise button</extracomment>
        <translation>Развернуть окно</translation>
    </message>
    <message id="197">
        <source>Min window</source>
        <extracomment>tooltip of the minimise button</extracomment>
        <translation>Свернуть окно</translation>
    </message>
    <message id="198">
        <source>About</source>
        <extracomment>tooltip of the help button</extracomment>
        <translation>О программе</translation>
    </message>
    <message id="199">
        <source>Change Speed Unit KPH/MPH.</source>
        <extracomment>tooltip of the speed label</extracomment>
        <translation>Переключить единицы скорости: км/ч / миль/ч.</translation>
    </message>
    <message id="200">
        <source>%1 files could not be read</source>
        <extracomment>note below the lists: several files were turned down</extracomment>
        <translation>Не удалось прочитать файлы: %1</translation>
    </message>
    <message id="201">
        <source>1 file could not be read</source>
        <extracomment>note below the lists: one file was turned down</extracomment>
        <translation>Не удалось прочитать 1 файл</translation>
    </message>
    <message id="202">
        <source>details</source>
        <extracomment>link in the note that opens the list of unreadable files</extracomment>
        <translation>подробнее</translation>
    </message>
    <message id="203">
        <source>Files that could not be read</source>
        <extracomment>title of the list of unreadable files</extracomment>
        <translation>Файлы, которые не удалось прочитать</translation>
    </message>
    <message id="204">
        <source>File</source>
        <extracomment>column of the list of unreadable files</extracomment>
        <translation>Файл</translation>
    </message>
    <message id="205">
        <source>Reason</source>
        <extracomment>column of the list of unreadable files</extracomment>
        <translation>Причина</translation>
    </message>
    <message id="206">
        <source>Close</source>
        <extracomment>button of the list of unreadable files and of the list of keys</extracomment>
        <translation>Закрыть</translation>
    </message>
    <message id="207">
        <source>The file cannot be opened: %1</source>
        <extracomment>reason: the system refused to open the file; %1 = the system&apos;s words</extracomment>
        <translation>Не удаётся открыть файл: %1</translation>
    </message>
    <message id="208">
        <source>Not a recording of the recorder</source>
        <extracomment>reason</extracomment>
        <translation>Это не запись видеорегистратора</translation>
    </message>
    <message id="209">
        <source>Cut short: the file ends before its data does (power cut or full card)</source>
        <extracomment>reason</extracomment>
        <translation>Обрезан: файл заканчивается раньше своих данных (отключение питания или заполненная карта)</translation>
    </message>
    <message id="210">
        <source>A video file in a telemetry layout this viewer does not know</source>
        <extracomment>reason</extracomment>
        <translation>Видеофайл в формате телеметрии, который этот просмотрщик не знает</translation>
    </message>
    <message id="211">
        <source>No movie header</source>
        <extracomment>reason</extracomment>
        <translation>Нет заголовка фильма</translation>
    </message>
    <message id="212">
        <source>No video track of the recorder</source>
        <extracomment>reason</extracomment>
        <translation>Нет видеодорожки видеорегистратора</translation>
    </message>
    <message id="213">
        <source>No picture size</source>
        <extracomment>reason</extracomment>
        <translation>Нет размера изображения</translation>
    </message>
    <message id="214">
        <source>No duration</source>
        <extracomment>reason</extracomment>
        <translation>Нет длительности</translation>
    </message>
    <message id="215">
        <source>The recorder&apos;s mark is missing</source>
        <extracomment>reason</extracomment>
        <translation>Нет метки видеорегистратора</translation>
    </message>
    <message id="220">
        <source>Save GPS data as GPX…</source>
        <extracomment>menu entry of the help button: save the track as GPX</extracomment>
        <translation>Сохранить данные GPS в файл GPX…</translation>
    </message>
    <message id="221">
        <source>Save GPX file: %s OK.</source>
        <extracomment>GPX export result</extracomment>
        <translation>Файл GPX %s сохранён.</translation>
    </message>
    <message id="222">
        <source>Save GPX file:%s Failed.</source>
        <extracomment>GPX export result</extracomment>
        <translation>Не удалось сохранить файл GPX %s.</translation>
    </message>
    <message id="223">
        <source>Save GPX</source>
        <extracomment>GPX export: caption and save dialog title</extracomment>
        <translation>Сохранить GPX</translation>
    </message>
    <message id="224">
        <source>Keyboard shortcuts…</source>
        <extracomment>menu entry of the help button: the list of the window's keys</extracomment>
        <translation>Сочетания клавиш…</translation>
    </message>
    <message id="225">
        <source>Keyboard shortcuts</source>
        <extracomment>title of the list of keys</extracomment>
        <translation>Сочетания клавиш</translation>
    </message>
    <message id="226">
        <source>5 seconds back</source>
        <extracomment>list of keys: what the left arrow does</extracomment>
        <translation>Назад на 5 секунд</translation>
    </message>
    <message id="227">
        <source>5 seconds forward</source>
        <extracomment>list of keys: what the right arrow does</extracomment>
        <translation>Вперёд на 5 секунд</translation>
    </message>
    <message id="228">
        <source>30 seconds back</source>
        <extracomment>list of keys: what Shift+left arrow does</extracomment>
        <translation>Назад на 30 секунд</translation>
    </message>
    <message id="229">
        <source>30 seconds forward</source>
        <extracomment>list of keys: what Shift+right arrow does</extracomment>
        <translation>Вперёд на 30 секунд</translation>
    </message>
    <message id="230">
        <source>Pause and step one frame back</source>
        <extracomment>list of keys: what the comma key does</extracomment>
        <translation>Пауза и на кадр назад</translation>
    </message>
    <message id="231">
        <source>Pause and step one frame forward</source>
        <extracomment>list of keys: what the full stop key does</extracomment>
        <translation>Пауза и на кадр вперёд</translation>
    </message>
    <message id="232">
        <source>Front camera full screen (again to leave)</source>
        <extracomment>list of keys: the F key; pressing it again leaves full screen</extracomment>
        <translation>Передняя камера во весь экран (повторно — выход)</translation>
    </message>
    <message id="233">
        <source>To the next jolt of the G-sensor</source>
        <extracomment>list of keys: J jumps to the next shock the G-sensor recorded</extracomment>
        <translation>К следующему толчку G-датчика</translation>
    </message>
    <message id="234">
        <source>To the previous jolt of the G-sensor</source>
        <extracomment>list of keys: Shift+J jumps to the previous shock the G-sensor recorded</extracomment>
        <translation>К предыдущему толчку G-датчика</translation>
    </message>
    <message id="270">
        <source>The folder %s cannot be created.</source>
        <extracomment>export failure: the export folder could not be made</extracomment>
        <translation>Не удаётся создать папку %s.</translation>
    </message>
    <message id="271">
        <source>The file %s cannot be created.</source>
        <extracomment>export failure: the export file could not be made</extracomment>
        <translation>Не удаётся создать файл %s.</translation>
    </message>
    <message id="272">
        <source>The file %s could not be written completely.</source>
        <extracomment>export failure: writing the export file failed (it was removed)</extracomment>
        <translation>Не удалось полностью записать файл %s.</translation>
    </message>
    <message id="273">
        <source>Permission denied.</source>
        <extracomment>reason of an export failure</extracomment>
        <translation>Доступ запрещён.</translation>
    </message>
    <message id="274">
        <source>The disk is read-only.</source>
        <extracomment>reason of an export failure</extracomment>
        <translation>Диск доступен только для чтения.</translation>
    </message>
    <message id="275">
        <source>The disk is full.</source>
        <extracomment>reason of an export failure</extracomment>
        <translation>Диск заполнен.</translation>
    </message>
    <message id="276">
        <source>A file of that name is in the way.</source>
        <extracomment>reason of an export failure: a file stands where a folder is needed</extracomment>
        <translation>Мешает файл с таким же именем.</translation>
    </message>
    <message id="300">
        <source>Export clip…</source>
        <extracomment>menu entry (right-click the window): export a clip of both cameras</extracomment>
        <translation>Экспорт клипа…</translation>
    </message>
    <message id="301">
        <source>Mark the start of a clip</source>
        <extracomment>list of keys: I marks where an exported clip begins</extracomment>
        <translation>Отметить начало клипа</translation>
    </message>
    <message id="302">
        <source>Mark the end of a clip</source>
        <extracomment>list of keys: O marks where an exported clip ends</extracomment>
        <translation>Отметить конец клипа</translation>
    </message>
    <message id="303">
        <source>Export a clip of both cameras</source>
        <extracomment>list of keys: E opens the clip export</extracomment>
        <translation>Экспортировать клип с обеих камер</translation>
    </message>
    <message id="304">
        <source>Export clip</source>
        <extracomment>title of the clip export dialog and its messages</extracomment>
        <translation>Экспорт клипа</translation>
    </message>
    <message id="305">
        <source>Start (s)</source>
        <extracomment>clip export: where the clip begins, seconds from the recording&apos;s start</extracomment>
        <translation>Начало (с)</translation>
    </message>
    <message id="306">
        <source>End (s)</source>
        <extracomment>clip export: where the clip ends, seconds from the recording&apos;s start</extracomment>
        <translation>Конец (с)</translation>
    </message>
    <message id="307">
        <source>Layout</source>
        <extracomment>clip export: how the two cameras are arranged</extracomment>
        <translation>Расположение</translation>
    </message>
    <message id="308">
        <source>Side by side</source>
        <extracomment>clip layout: front left, rear right</extracomment>
        <translation>Рядом</translation>
    </message>
    <message id="309">
        <source>Picture in picture</source>
        <extracomment>clip layout: front full, rear small in a corner</extracomment>
        <translation>Картинка в картинке</translation>
    </message>
    <message id="310">
        <source>Front camera only</source>
        <extracomment>clip layout</extracomment>
        <translation>Только передняя камера</translation>
    </message>
    <message id="311">
        <source>Rear camera only</source>
        <extracomment>clip layout</extracomment>
        <translation>Только задняя камера</translation>
    </message>
    <message id="312">
        <source>Telemetry band below the pictures</source>
        <extracomment>clip export: time, speed, G-forces and position drawn under the video</extracomment>
        <translation>Полоса телеметрии под изображением</translation>
    </message>
    <message id="313">
        <source>Quality</source>
        <extracomment>clip export: video quality</extracomment>
        <translation>Качество</translation>
    </message>
    <message id="314">
        <source>Standard</source>
        <extracomment>clip quality</extracomment>
        <translation>Стандартное</translation>
    </message>
    <message id="315">
        <source>High</source>
        <extracomment>clip quality: larger file</extracomment>
        <translation>Высокое</translation>
    </message>
    <message id="316">
        <source>File</source>
        <extracomment>clip export: the file to write</extracomment>
        <translation>Файл</translation>
    </message>
    <message id="317">
        <source>Browse…</source>
        <extracomment>clip export: choose the file with a file dialog</extracomment>
        <translation>Обзор…</translation>
    </message>
    <message id="318">
        <source>Exporting the clip…</source>
        <extracomment>progress dialog of the clip export</extracomment>
        <translation>Экспорт клипа…</translation>
    </message>
    <message id="319">
        <source>%1 s left</source>
        <extracomment>progress dialog: %1 = seconds until the export is done</extracomment>
        <translation>Осталось %1 с</translation>
    </message>
    <message id="320">
        <source>The clip has been saved:
%1</source>
        <extracomment>%1 = the clip&apos;s file</extracomment>
        <translation>Клип сохранён:
%1</translation>
    </message>
    <message id="321">
        <source>Show in folder</source>
        <extracomment>button: open the folder that holds the clip</extracomment>
        <translation>Показать в папке</translation>
    </message>
    <message id="322">
        <source>The clip could not be exported.
%1</source>
        <extracomment>%1 = the reason, with the file it concerns</extracomment>
        <translation>Не удалось экспортировать клип.
%1</translation>
    </message>
    <message id="323">
        <source>The export was cancelled. No file was left behind.</source>
        <extracomment>after Cancel in the progress dialog</extracomment>
        <translation>Экспорт отменён. Файлов не осталось.</translation>
    </message>
    <message id="324">
        <source>Choose a folder that is not on the card being viewed.</source>
        <extracomment>clips are never written to the recorder&apos;s card</extracomment>
        <translation>Выберите папку не на просматриваемой карте.</translation>
    </message>
    <message id="325">
        <source>The two marks are not in the same drive.</source>
        <extracomment>the I and O marks lie in different drives</extracomment>
        <translation>Две отметки относятся к разным поездкам.</translation>
    </message>
    <message id="326">
        <source>A clip is being exported.</source>
        <extracomment>E pressed while an export runs</extracomment>
        <translation>Идёт экспорт клипа.</translation>
    </message>
    <message id="327">
        <source>The rear camera&apos;s file is missing for part of the range: the clip shows the front camera only.</source>
        <extracomment>after the export</extracomment>
        <translation>Для части диапазона нет файла задней камеры: в клипе только передняя камера.</translation>
    </message>
    <message id="328">
        <source>The front camera&apos;s file is missing for part of the range: the clip shows the rear camera only.</source>
        <extracomment>after the export</extracomment>
        <translation>Для части диапазона нет файла передней камеры: в клипе только задняя камера.</translation>
    </message>
    <message id="329">
        <source>MP4 video</source>
        <extracomment>file type in the save dialog</extracomment>
        <translation>Видео MP4</translation>
    </message>
    <message id="330">
        <source>Export</source>
        <extracomment>button of the clip export dialog that starts it</extracomment>
        <translation>Экспорт</translation>
    </message>
    <message id="400">
        <source>Paused picture back to 1× (wheel: zoom, drag: move)</source>
        <extracomment>list of keys: the 0 key returns a zoomed paused picture to its normal size</extracomment>
        <translation>Кадр на паузе снова в 1× (колесо: масштаб, перетаскивание: сдвиг)</translation>
    </message>
    <message id="401">
        <source>frame %1</source>
        <extracomment>beside the time on a paused picture: its number in the recording, %1 the number</extracomment>
        <translation>кадр %1</translation>
    </message>
    <message id="500">
        <source>%1 of %2 files</source>
        <extracomment>progress of a file operation: files done of all</extracomment>
        <translation>%1 из %2 файлов</translation>
    </message>
    <message id="501">
        <source>%1 of %2 at %3/s, %4 left</source>
        <extracomment>progress: bytes done of all, speed per second, time left</extracomment>
        <translation>%1 из %2, %3/с, осталось %4</translation>
    </message>
    <message id="502">
        <source>Writing to the device…</source>
        <extracomment>progress: the copies are being flushed to the disk</extracomment>
        <translation>Запись на устройство…</translation>
    </message>
    <message id="503">
        <source>Copying recordings</source>
        <extracomment>caption: copy in progress and its report</extracomment>
        <translation>Копирование записей</translation>
    </message>
    <message id="504">
        <source>Deleting recordings</source>
        <extracomment>caption: delete in progress and its report</extracomment>
        <translation>Удаление записей</translation>
    </message>
    <message id="505">
        <source>Locking recordings</source>
        <extracomment>caption: lock in progress and its report</extracomment>
        <translation>Блокировка записей</translation>
    </message>
    <message id="506">
        <source>Unlocking recordings</source>
        <extracomment>caption: unlock in progress and its report</extracomment>
        <translation>Разблокировка записей</translation>
    </message>
    <message id="507">
        <source>Copied %1 of %2 files (%3).</source>
        <extracomment>report of a copy: files copied, files planned, size copied</extracomment>
        <translation>Скопировано файлов: %1 из %2 (%3).</translation>
    </message>
    <message id="508">
        <source>Deleted %1 of %2 files.</source>
        <extracomment>report of a delete</extracomment>
        <translation>Удалено файлов: %1 из %2.</translation>
    </message>
    <message id="509">
        <source>Locked %1 of %2 files.</source>
        <extracomment>report of a lock</extracomment>
        <translation>Заблокировано файлов: %1 из %2.</translation>
    </message>
    <message id="510">
        <source>Unlocked %1 of %2 files.</source>
        <extracomment>report of an unlock</extracomment>
        <translation>Разблокировано файлов: %1 из %2.</translation>
    </message>
    <message id="511">
        <source>Cancelled: %1 files were not handled.</source>
        <extracomment>report: files not reached because the user pressed Cancel</extracomment>
        <translation>Отменено: не обработано файлов: %1.</translation>
    </message>
    <message id="512">
        <source>Kept because they are locked: %1 files.</source>
        <extracomment>report of a delete: read-only files that stay</extracomment>
        <translation>Сохранены, так как заблокированы: %1 файлов.</translation>
    </message>
    <message id="513">
        <source>Existing files kept as you chose: %1.</source>
        <extracomment>report of a copy: files the user chose not to overwrite</extracomment>
        <translation>Существующие файлы оставлены по вашему выбору: %1.</translation>
    </message>
    <message id="514">
        <source>Not done:</source>
        <extracomment>report: heading of the list of failed files</extracomment>
        <translation>Не выполнено:</translation>
    </message>
    <message id="515">
        <source>cannot create the folder</source>
        <extracomment>failure step</extracomment>
        <translation>не удаётся создать папку</translation>
    </message>
    <message id="516">
        <source>cannot copy</source>
        <extracomment>failure step</extracomment>
        <translation>не удаётся скопировать</translation>
    </message>
    <message id="517">
        <source>cannot delete</source>
        <extracomment>failure step</extracomment>
        <translation>не удаётся удалить</translation>
    </message>
    <message id="518">
        <source>cannot lock</source>
        <extracomment>failure step</extracomment>
        <translation>не удаётся заблокировать</translation>
    </message>
    <message id="519">
        <source>cannot unlock</source>
        <extracomment>failure step</extracomment>
        <translation>не удаётся разблокировать</translation>
    </message>
    <message id="520">
        <source>the target is full</source>
        <extracomment>failure reason (disk full)</extracomment>
        <translation>место назначения заполнено</translation>
    </message>
    <message id="521">
        <source>permission denied</source>
        <extracomment>failure reason</extracomment>
        <translation>доступ запрещён</translation>
    </message>
    <message id="522">
        <source>the disk is write-protected</source>
        <extracomment>failure reason (read-only medium)</extracomment>
        <translation>диск защищён от записи</translation>
    </message>
    <message id="523">
        <source>the file no longer exists</source>
        <extracomment>failure reason</extracomment>
        <translation>файл больше не существует</translation>
    </message>
    <message id="524">
        <source>read or write error (was the card removed?)</source>
        <extracomment>failure reason (input/output error)</extracomment>
        <translation>ошибка чтения или записи (карта извлечена?)</translation>
    </message>
    <message id="525">
        <source>a file stands where a folder should be</source>
        <extracomment>failure reason</extracomment>
        <translation>на месте папки находится файл</translation>
    </message>
    <message id="526">
        <source>too large for the target&apos;s file system</source>
        <extracomment>failure reason (file over the file system's size limit)</extracomment>
        <translation>слишком большой для файловой системы назначения</translation>
    </message>
    <message id="527">
        <source>system error %1</source>
        <extracomment>failure reason: any other system error, %1 = code and system text</extracomment>
        <translation>системная ошибка %1</translation>
    </message>
    <message id="600">
        <source>Looking for incidents… %1 / %2</source>
        <extracomment>progress line below the lists while the recordings are searched for jolts and hard brakings: done / total</extracomment>
        <translation>Поиск происшествий… %1 / %2</translation>
    </message>
    <message id="601">
        <source>Incidents</source>
        <extracomment>title of the list of every incident (jolt or hard braking) of the card</extracomment>
        <translation>Происшествия</translation>
    </message>
    <message id="602">
        <source>Incidents…</source>
        <extracomment>menu entry opening the list of incidents</extracomment>
        <translation>Происшествия…</translation>
    </message>
    <message id="603">
        <source>Date and time</source>
        <extracomment>incidents list: column of the incident&apos;s date and time</extracomment>
        <translation>Дата и время</translation>
    </message>
    <message id="604">
        <source>Drive</source>
        <extracomment>incidents list: column of the drive (group of recordings) it belongs to</extracomment>
        <translation>Поездка</translation>
    </message>
    <message id="605">
        <source>Kind</source>
        <extracomment>incidents list: column of the kind of incident</extracomment>
        <translation>Тип</translation>
    </message>
    <message id="606">
        <source>Strength</source>
        <extracomment>incidents list: column of its strength (g or m/s²)</extracomment>
        <translation>Сила</translation>
    </message>
    <message id="607">
        <source>Speed</source>
        <extracomment>incidents list: column of the vehicle&apos;s speed at that moment</extracomment>
        <translation>Скорость</translation>
    </message>
    <message id="608">
        <source>Jolt</source>
        <extracomment>kind of incident: a sudden shock seen by the G-sensor</extracomment>
        <translation>Толчок</translation>
    </message>
    <message id="609">
        <source>Hard braking</source>
        <extracomment>kind of incident: the vehicle slowed down very sharply (GPS speed)</extracomment>
        <translation>Резкое торможение</translation>
    </message>
    <message id="610">
        <source>All kinds</source>
        <extracomment>incidents list: filter entry showing every kind</extracomment>
        <translation>Все типы</translation>
    </message>
    <message id="611">
        <source>Export list…</source>
        <extracomment>incidents list: button that saves the list as a CSV file</extracomment>
        <translation>Экспорт списка…</translation>
    </message>
    <message id="612">
        <source>Close</source>
        <extracomment>incidents list: button closing the list</extracomment>
        <translation>Закрыть</translation>
    </message>
    <message id="613">
        <source>List of the card&apos;s incidents</source>
        <extracomment>list of keys: L opens the list of every incident of the card</extracomment>
        <translation>Список происшествий на карте памяти</translation>
    </message>
    <message id="614">
        <source>The list could not be written: %1</source>
        <extracomment>incidents list: the CSV file could not be saved; %1 = the system&apos;s reason</extracomment>
        <translation>Не удалось записать список: %1</translation>
    </message>
    <message id="615">
        <source>File</source>
        <extracomment>incidents list: column of the recording&apos;s file name</extracomment>
        <translation>Файл</translation>
    </message>
    <message id="616">
        <source>No incidents found on this card.</source>
        <extracomment>incidents list: shown when the card holds no incident</extracomment>
        <translation>На этой карте памяти происшествий не найдено.</translation>
    </message>
    <message id="800">
        <source>Incident report</source>
        <extracomment>title of the incident report (the PDF and its dialog)</extracomment>
        <translation>Отчёт о происшествии</translation>
    </message>
    <message id="801">
        <source>What</source>
        <extracomment>incident report: label of what happened</extracomment>
        <translation>Что</translation>
    </message>
    <message id="802">
        <source>When</source>
        <extracomment>incident report: label of the date and local time</extracomment>
        <translation>Когда</translation>
    </message>
    <message id="803">
        <source>Where</source>
        <extracomment>incident report: label of the position</extracomment>
        <translation>Где</translation>
    </message>
    <message id="804">
        <source>Speed</source>
        <extracomment>incident report: label and column of the GPS speed</extracomment>
        <translation>Скорость</translation>
    </message>
    <message id="805">
        <source>Heading</source>
        <extracomment>incident report: label and column of the course over ground</extracomment>
        <translation>Курс</translation>
    </message>
    <message id="806">
        <source>G-sensor</source>
        <extracomment>incident report: label of the G-sensor&apos;s three axes</extracomment>
        <translation>G-датчик</translation>
    </message>
    <message id="807">
        <source>Jolt, %1 g</source>
        <extracomment>incident report: what happened; %1 = the jolt&apos;s strength in g</extracomment>
        <translation>Толчок, %1 g</translation>
    </message>
    <message id="808">
        <source>Hard braking, %1 m/s²</source>
        <extracomment>incident report: what happened; %1 = the largest deceleration</extracomment>
        <translation>Резкое торможение, %1 м/с²</translation>
    </message>
    <message id="809">
        <source>Marked by the user</source>
        <extracomment>incident report: what happened when no incident was found within 3 s of the moment</extracomment>
        <translation>Отмечено пользователем</translation>
    </message>
    <message id="810">
        <source>near %1 (%2 km)</source>
        <extracomment>incident report: the nearest town; %1 = town and country code, %2 = distance</extracomment>
        <translation>около %1 (%2 км)</translation>
    </message>
    <message id="811">
        <source>No GPS fix at this moment.</source>
        <extracomment>incident report: a gap - no valid GPS position at the moment</extracomment>
        <translation>В этот момент нет данных GPS.</translation>
    </message>
    <message id="812">
        <source>The recording holds no G-sensor data.</source>
        <extracomment>incident report: a gap - no G-sensor samples</extracomment>
        <translation>В записи нет данных G-датчика.</translation>
    </message>
    <message id="813">
        <source>The rear camera&apos;s file is missing: %1</source>
        <extracomment>incident report: a gap; %1 = the front camera&apos;s file name</extracomment>
        <translation>Нет файла задней камеры: %1</translation>
    </message>
    <message id="814">
        <source>The front camera&apos;s file is missing: %1</source>
        <extracomment>incident report: a gap; %1 = the rear camera&apos;s file name</extracomment>
        <translation>Нет файла передней камеры: %1</translation>
    </message>
    <message id="815">
        <source>Front camera</source>
        <extracomment>incident report: the row of the front camera&apos;s stills; the files list</extracomment>
        <translation>Передняя камера</translation>
    </message>
    <message id="816">
        <source>Rear camera</source>
        <extracomment>incident report: the row of the rear camera&apos;s stills; the files list</extracomment>
        <translation>Задняя камера</translation>
    </message>
    <message id="817">
        <source>Track, %1 s either side</source>
        <extracomment>incident report: title of the map; %1 = seconds before and after the moment</extracomment>
        <translation>Трек, %1 с до и после</translation>
    </message>
    <message id="818">
        <source>Speed (km/h), %1 s either side</source>
        <extracomment>incident report: title of the speed curve; %1 = seconds before and after</extracomment>
        <translation>Скорость (km/h), %1 с до и после</translation>
    </message>
    <message id="819">
        <source>G-sensor (g), %1 s either side</source>
        <extracomment>incident report: title of the G-sensor curves; %1 = seconds before and after</extracomment>
        <translation>G-датчик (g), %1 с до и после</translation>
    </message>
    <message id="820">
        <source>Telemetry, second by second</source>
        <extracomment>incident report: title of the second page&apos;s table</extracomment>
        <translation>Телеметрия по секундам</translation>
    </message>
    <message id="821">
        <source>Time</source>
        <extracomment>incident report: column of the seconds from the moment</extracomment>
        <translation>Время</translation>
    </message>
    <message id="822">
        <source>Local time</source>
        <extracomment>incident report: column of the recorder&apos;s local date and time</extracomment>
        <translation>Местное время</translation>
    </message>
    <message id="823">
        <source>Latitude</source>
        <extracomment>incident report: column of the latitude</extracomment>
        <translation>Широта</translation>
    </message>
    <message id="824">
        <source>Longitude</source>
        <extracomment>incident report: column of the longitude</extracomment>
        <translation>Долгота</translation>
    </message>
    <message id="825">
        <source>The original recordings</source>
        <extracomment>incident report: title of the list of copied recording files</extracomment>
        <translation>Исходные записи</translation>
    </message>
    <message id="827">
        <source>Path on the card</source>
        <extracomment>incident report: where an original file was read from</extracomment>
        <translation>Путь на карте</translation>
    </message>
    <message id="828">
        <source>Size</source>
        <extracomment>incident report: an original file&apos;s size</extracomment>
        <translation>Размер</translation>
    </message>
    <message id="829">
        <source>Modified</source>
        <extracomment>incident report: an original file&apos;s modification time</extracomment>
        <translation>Изменён</translation>
    </message>
    <message id="830">
        <source>Files made for this report</source>
        <extracomment>incident report: title of the hashes of the clip, stills and track</extracomment>
        <translation>Файлы, созданные для отчёта</translation>
    </message>
    <message id="831">
        <source>Made with %1 on %2</source>
        <extracomment>incident report: %1 = program and version, %2 = date and time (UTC)</extracomment>
        <translation>Создано программой %1: %2</translation>
    </message>
    <message id="832">
        <source>How to check this pack: open a terminal in its folder and run the command below. Every line must end in OK; a file that was changed or is missing is named.</source>
        <extracomment>incident report: the last page; the command follows on its own line</extracomment>
        <translation>Как проверить пакет: откройте терминал в его папке и выполните команду ниже. Каждая строка должна заканчиваться на OK; изменённый или отсутствующий файл будет назван.</translation>
    </message>
    <message id="833">
        <source>Recording</source>
        <extracomment>incident report: label of the recording file and the moment in it</extracomment>
        <translation>Запись</translation>
    </message>
    <message id="834">
        <source>Page %1 of %2</source>
        <extracomment>incident report: page number; %1 = this page, %2 = pages in all</extracomment>
        <translation>Страница %1 из %2</translation>
    </message>
    <message id="835">
        <source>The range was shortened: the drive begins %1 s before the moment.</source>
        <extracomment>incident report: a gap; %1 = seconds</extracomment>
        <translation>Интервал сокращён: поездка начинается за %1 с до момента.</translation>
    </message>
    <message id="836">
        <source>The range was shortened: the drive ends %1 s after the moment.</source>
        <extracomment>incident report: a gap; %1 = seconds</extracomment>
        <translation>Интервал сокращён: поездка заканчивается через %1 с после момента.</translation>
    </message>
    <message id="837">
        <source>%1 bytes</source>
        <extracomment>incident report: a file&apos;s size; %1 = the number of bytes</extracomment>
        <translation>%1 байт</translation>
    </message>
    <message id="838">
        <source>No GPS fix in this stretch: no track to draw.</source>
        <extracomment>incident report: shown in the map&apos;s place</extracomment>
        <translation>На этом участке нет данных GPS: трек не построить.</translation>
    </message>
    <message id="839">
        <source>Range</source>
        <extracomment>incident report: label of the range the clip and the originals cover</extracomment>
        <translation>Интервал</translation>
    </message>
    <message id="840">
        <source>Gaps in the recording</source>
        <extracomment>incident report: label of what the recording lacks (missing file, no GPS, no G-sensor)</extracomment>
        <translation>Пробелы в записи</translation>
    </message>
    <message id="841">
        <source>No picture</source>
        <extracomment>incident report: shown where a camera has no picture at that moment</extracomment>
        <translation>Нет изображения</translation>
    </message>
    <message id="850">
        <source>Incident report…</source>
        <extracomment>right-click menu and incidents list: make an incident pack (PDF, clip, stills, originals, hashes)</extracomment>
        <translation>Отчёт о происшествии…</translation>
    </message>
    <message id="851">
        <source>Seconds before</source>
        <extracomment>incident report dialog: seconds of the range before the moment</extracomment>
        <translation>Секунд до</translation>
    </message>
    <message id="852">
        <source>Seconds after</source>
        <extracomment>incident report dialog: seconds of the range after the moment</extracomment>
        <translation>Секунд после</translation>
    </message>
    <message id="853">
        <source>Folder</source>
        <extracomment>incident report dialog: the new folder of the pack</extracomment>
        <translation>Папка</translation>
    </message>
    <message id="854">
        <source>Make report</source>
        <extracomment>incident report dialog: the button that starts the work</extracomment>
        <translation>Создать отчёт</translation>
    </message>
    <message id="855">
        <source>Making the incident report…</source>
        <extracomment>progress of the incident report</extracomment>
        <translation>Создаётся отчёт о происшествии…</translation>
    </message>
    <message id="856">
        <source>The incident report has been made:
%1</source>
        <extracomment>incident report finished; %1 = the pack&apos;s folder</extracomment>
        <translation>Отчёт о происшествии создан:
%1</translation>
    </message>
    <message id="857">
        <source>The incident report could not be made.
%1</source>
        <extracomment>incident report failed; %1 = the reason</extracomment>
        <translation>Не удалось создать отчёт о происшествии.
%1</translation>
    </message>
    <message id="858">
        <source>The report was cancelled. No folder was left behind.</source>
        <extracomment>incident report cancelled</extracomment>
        <translation>Отчёт отменён. Папка не осталась.</translation>
    </message>
    <message id="859">
        <source>Choose a folder that does not exist yet or is empty.</source>
        <extracomment>incident report dialog: the chosen folder holds files</extracomment>
        <translation>Выберите папку, которой ещё нет или которая пуста.</translation>
    </message>
    <message id="860">
        <source>An incident report is being made.</source>
        <extracomment>incident report: asked for a second one while one runs</extracomment>
        <translation>Отчёт о происшествии уже создаётся.</translation>
    </message>
    <message id="861">
        <source>Moment</source>
        <extracomment>incident report dialog: the recording and the time the report is about</extracomment>
        <translation>Момент</translation>
    </message>
    <message id="862">
        <source>Writing the clip…</source>
        <extracomment>incident report progress: the clip is encoded</extracomment>
        <translation>Запись клипа…</translation>
    </message>
    <message id="863">
        <source>Copying and checking the original recordings…</source>
        <extracomment>incident report progress: the originals are copied and read back</extracomment>
        <translation>Копирование и проверка исходных записей…</translation>
    </message>
    <message id="864">
        <source>Drawing the report…</source>
        <extracomment>incident report progress: stills, track and PDF</extracomment>
        <translation>Формирование отчёта…</translation>
    </message>
    <message id="865">
        <source>Gaps in the recording:</source>
        <extracomment>incident report finished: followed by the missing file, GPS or G-sensor data</extracomment>
        <translation>Пробелы в записи:</translation>
    </message>
    <message id="730">
        <source>%1 cannot be opened: the steps stay in this recording</source>
        <extracomment>paused review, after the steps went on into the next or previous recording: that recording&apos;s file (%1, its name) cannot be opened, so the picture shown stays</extracomment>
        <translation>Не удаётся открыть %1: покадровый просмотр остаётся в этой записи</translation>
    </message>
    <message id="731">
        <source>picture %1 cannot be decoded</source>
        <extracomment>paused review: a picture the decoder cannot give out, %1 its number in the recording</extracomment>
        <translation>кадр %1 не удаётся декодировать</translation>
    </message>
    <message id="732">
        <source>%1 cannot be opened</source>
        <extracomment>paused review: the camera&apos;s file (%1, its name) cannot be opened; the pane is black</extracomment>
        <translation>Не удаётся открыть %1</translation>
    </message>
    <message id="733">
        <source>this recording has no rear file</source>
        <extracomment>paused review, in another recording than the one played: the rear pane is black because the recording has no rear camera file</extracomment>
        <translation>в этой записи нет файла задней камеры</translation>
    </message>
    <message id="734">
        <source>this recording has no front file</source>
        <extracomment>paused review, in another recording than the one played: the front pane is black because the recording has no front camera file</extracomment>
        <translation>в этой записи нет файла передней камеры</translation>
    </message>
    <message id="770">
        <source>Far more telemetry records than the recording&apos;s length allows</source>
        <extracomment>reason</extracomment>
        <translation>Записей телеметрии намного больше, чем допускает длительность записи</translation>
    </message>
    <message id="771">
        <source>%1 folders could not be read</source>
        <extracomment>note below the lists: folders the scan could not read, so recordings may be missing</extracomment>
        <translation>Не удалось прочитать папки: %1</translation>
    </message>
    <message id="772">
        <source>1 folder could not be read</source>
        <extracomment>note below the lists: one folder the scan could not read</extracomment>
        <translation>Не удалось прочитать 1 папку</translation>
    </message>
    <message id="773">
        <source>Far more boxes than any recording has</source>
        <extracomment>reason</extracomment>
        <translation>Блоков намного больше, чем бывает в любой записи</translation>
    </message>
    <message id="750">
        <source>The folder %s lies inside the folders being viewed. Please choose a folder outside them.</source>
        <extracomment>copy refused: the chosen target folder is inside the scanned folder tree</extracomment>
        <translation>Папка %s находится внутри просматриваемых папок. Выберите папку вне их.</translation>
    </message>
    <message id="751">
        <source>The folder %s is on the memory card being viewed. Please choose a folder on another disk.</source>
        <extracomment>copy refused: the chosen target folder is on the recorder&apos;s memory card</extracomment>
        <translation>Папка %s находится на просматриваемой карте памяти. Выберите папку на другом диске.</translation>
    </message>
    <message id="752">
        <source>The copies need %1 MB, but only %2 MB are free in %s.</source>
        <extracomment>copy refused: not enough free space at the target; %1 and %2 are megabytes</extracomment>
        <translation>Копиям нужно %1 МБ, но в %s свободно только %2 МБ.</translation>
    </message>
    <message id="900">
        <source>Drives</source>
        <extracomment>drives window: caption</extracomment>
        <translation>Поездки</translation>
    </message>
    <message id="901">
        <source>Drives…</source>
        <extracomment>window menu: opens the drives window</extracomment>
        <translation>Поездки…</translation>
    </message>
    <message id="902">
        <source>Every drive of every card</source>
        <extracomment>key list: what key D does</extracomment>
        <translation>Все поездки со всех карт</translation>
    </message>
    <message id="903">
        <source>Card</source>
        <extracomment>drives window: column, the card or folder of a drive</extracomment>
        <translation>Карта</translation>
    </message>
    <message id="904">
        <source>Date</source>
        <extracomment>drives window: column</extracomment>
        <translation>Дата</translation>
    </message>
    <message id="905">
        <source>Start</source>
        <extracomment>drives window: column, start time</extracomment>
        <translation>Начало</translation>
    </message>
    <message id="906">
        <source>End</source>
        <extracomment>drives window: column, end time</extracomment>
        <translation>Конец</translation>
    </message>
    <message id="907">
        <source>Duration</source>
        <extracomment>drives window: column</extracomment>
        <translation>Длительность</translation>
    </message>
    <message id="908">
        <source>Distance</source>
        <extracomment>drives window: column</extracomment>
        <translation>Расстояние</translation>
    </message>
    <message id="909">
        <source>Max. speed</source>
        <extracomment>drives window: column, top speed</extracomment>
        <translation>Макс. скорость</translation>
    </message>
    <message id="910">
        <source>Incidents</source>
        <extracomment>drives window: column, jolts and hard brakings</extracomment>
        <translation>События</translation>
    </message>
    <message id="911">
        <source>From → To</source>
        <extracomment>drives window: column, towns of start and end</extracomment>
        <translation>Откуда → куда</translation>
    </message>
    <message id="912">
        <source>Dates</source>
        <extracomment>drives window: filter check box, only drives between two dates</extracomment>
        <translation>Даты</translation>
    </message>
    <message id="913">
        <source>to</source>
        <extracomment>drives window: between the two dates of the filter</extracomment>
        <translation>по</translation>
    </message>
    <message id="914">
        <source>Town or card</source>
        <extracomment>drives window: placeholder of the text filter</extracomment>
        <translation>Город или карта</translation>
    </message>
    <message id="915">
        <source>Only drives with incidents</source>
        <extracomment>drives window: filter check box</extracomment>
        <translation>Только поездки с событиями</translation>
    </message>
    <message id="916">
        <source>%1 drives, %2, %3 driving</source>
        <extracomment>drives window: totals of the rows shown (count, distance, time)</extracomment>
        <translation>Поездок: %1, %2, в пути %3</translation>
    </message>
    <message id="917">
        <source>Keep on this computer…</source>
        <extracomment>drives window: button, copies the selected drives</extracomment>
        <translation>Сохранить на этом компьютере…</translation>
    </message>
    <message id="918">
        <source>Close</source>
        <extracomment>drives window: button</extracomment>
        <translation>Закрыть</translation>
    </message>
    <message id="919">
        <source>Choose the folder to keep the drives in</source>
        <extracomment>folder dialog: caption, where kept drives go</extracomment>
        <translation>Выберите папку для сохранения поездок</translation>
    </message>
    <message id="920">
        <source>Keeping drives</source>
        <extracomment>keep progress: caption, also of its report</extracomment>
        <translation>Сохранение поездок</translation>
    </message>
    <message id="921">
        <source>Kept %1 of %2 files (%3), each verified.</source>
        <extracomment>keep report: files copied, files chosen, size</extracomment>
        <translation>Сохранено файлов: %1 из %2 (%3), каждый проверен.</translation>
    </message>
    <message id="922">
        <source>%1 files were kept already and were not copied again.</source>
        <extracomment>keep report</extracomment>
        <translation>Файлов уже сохранено и не скопировано повторно: %1.</translation>
    </message>
    <message id="923">
        <source>Not kept:</source>
        <extracomment>keep report: heading of the files that failed</extracomment>
        <translation>Не сохранено:</translation>
    </message>
    <message id="924">
        <source>Cancelled: %1 files were not kept.</source>
        <extracomment>keep report</extracomment>
        <translation>Отменено: не сохранено файлов: %1.</translation>
    </message>
    <message id="925">
        <source>The files of this drive are not here. They are on %1 (last seen in %2).</source>
        <extracomment>drives window: a drive whose card is not inserted; %1 card, %2 folder</extracomment>
        <translation>Файлов этой поездки здесь нет. Они на %1 (последний раз в %2).</translation>
    </message>
    <message id="926">
        <source>The drive catalogue could not be opened: %1</source>
        <extracomment>drives window: error, %1 the reason</extracomment>
        <translation>Не удалось открыть каталог поездок: %1</translation>
    </message>
    <message id="927">
        <source>%1 km</source>
        <extracomment>unit: kilometres</extracomment>
        <translation>%1 км</translation>
    </message>
    <message id="928">
        <source>%1 mi</source>
        <extracomment>unit: miles</extracomment>
        <translation>%1 миль</translation>
    </message>
    <message id="929">
        <source>%1 km/h</source>
        <extracomment>unit: kilometres an hour</extracomment>
        <translation>%1 км/ч</translation>
    </message>
    <message id="930">
        <source>%1 mph</source>
        <extracomment>unit: miles an hour</extracomment>
        <translation>%1 миль/ч</translation>
    </message>
    <message id="931">
        <source>Copying and verifying %1</source>
        <extracomment>keep progress: the file at hand</extracomment>
        <translation>Копирование и проверка %1</translation>
    </message>
    <message id="932">
        <source>Cancel</source>
        <extracomment>keep progress: button</extracomment>
        <translation>Отмена</translation>
    </message>
    <message id="933">
        <source>No drives yet: every card or folder opened is listed here.</source>
        <extracomment>drives window: shown while the catalogue is empty</extracomment>
        <translation>Поездок пока нет: здесь появится каждая открытая карта или папка.</translation>
    </message>
    <message id="934">
        <source>Adding drives to the catalogue…</source>
        <extracomment>drives window: while a scan's drives are being recorded</extracomment>
        <translation>Поездки добавляются в каталог…</translation>
    </message>
    <message id="700">
        <source>A file named %1 already exists. Replace it?</source>
        <extracomment>clip export: the file typed in the dialog is there already; %1 its path</extracomment>
        <translation>Файл с именем %1 уже существует. Заменить его?</translation>
    </message>
    <message id="701">
        <source>Replace</source>
        <extracomment>clip export: button that replaces the existing file</extracomment>
        <translation>Заменить</translation>
    </message>
    <message id="702">
        <source>Size</source>
        <extracomment>clip export: picture size of the clip</extracomment>
        <translation>Размер</translation>
    </message>
    <message id="703">
        <source>For sharing (at most 1920 pixels wide)</source>
        <extracomment>clip export: size choice, smaller pictures for sending on</extracomment>
        <translation>Для отправки (не шире 1920 пикселей)</translation>
    </message>
    <message id="704">
        <source>Full size (for evidence)</source>
        <extracomment>clip export: size choice, the cameras&apos; own size</extracomment>
        <translation>Полный размер (для доказательства)</translation>
    </message>
    <message id="705">
        <source>Estimated file size</source>
        <extracomment>clip export: label before the expected size of the file</extracomment>
        <translation>Ожидаемый размер файла</translation>
    </message>
    <message id="706">
        <source>About %1 MB (%2 × %3 pixels)</source>
        <extracomment>clip export: %1 megabytes, %2 x %3 the clip&apos;s width and height</extracomment>
        <translation>Около %1 МБ (%2 × %3 пикселей)</translation>
    </message>
    <message id="707">
        <source>Unknown</source>
        <extracomment>clip export: the file size cannot be estimated</extracomment>
        <translation>Неизвестно</translation>
    </message>
    <message id="708">
        <source>Notes:</source>
        <extracomment>clip export: heading of what the export noticed, listed in English below it</extracomment>
        <translation>Примечания:</translation>
    </message>
</context>
</TS>
