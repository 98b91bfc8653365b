<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Vemora Viewer...</source>
        <extracomment>About entry</extracomment>
        <translation>&amp;O programie Vemora Viewer...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <extracomment>player error message</extracomment>
        <translation>W odtwarzaczu multimediów wystąpił błąd.</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <extracomment>start-up failure</extracomment>
        <translation>Nie udało się zainicjować gniazd systemu Windows.</translation>
    </message>
    <message id="104">
        <source>Select a media</source>
        <extracomment>source selection dialog title</extracomment>
        <translation>Wybierz nośnik</translation>
    </message>
    <message id="105">
        <source>Google Map</source>
        <extracomment>map list entry, configuration dialog</extracomment>
        <translation>Mapa Google</translation>
    </message>
    <message id="106">
        <source>China Map</source>
        <extracomment>map list entry, configuration dialog</extracomment>
        <translation>Mapa Chin</translation>
    </message>
    <message id="107">
        <source>OK</source>
        <extracomment>OK buttons</extracomment>
        <translation>OK</translation>
    </message>
    <message id="108">
        <source>Cancel</source>
        <extracomment>Cancel buttons</extracomment>
        <translation>Anuluj</translation>
    </message>
    <message id="109">
        <source>Apply</source>
        <extracomment>Apply buttons</extracomment>
        <translation>Zastosuj</translation>
    </message>
    <message id="110">
        <source>Config</source>
        <extracomment>configuration dialog title</extracomment>
        <translation>Ustawienia</translation>
    </message>
    <message id="111">
        <source>Disk</source>
        <extracomment>source selection dialog</extracomment>
        <translation>Dysk</translation>
    </message>
    <message id="112">
        <source>Folder</source>
        <extracomment>source selection dialog</extracomment>
        <translation>Folder</translation>
    </message>
    <message id="113">
        <source>File</source>
        <extracomment>source selection dialog</extracomment>
        <translation>Plik</translation>
    </message>
    <message id="114">
        <source>Select language</source>
        <extracomment>language group, configuration dialog</extracomment>
        <translation>Wybierz język</translation>
    </message>
    <message id="115">
        <source>Select map</source>
        <extracomment>map group, configuration dialog</extracomment>
        <translation>Wybierz mapę</translation>
    </message>
    <message id="116">
        <source>Group</source>
        <extracomment>list column</extracomment>
        <translation>Grupa</translation>
    </message>
    <message id="117">
        <source>Resolution</source>
        <extracomment>list column</extracomment>
        <translation>Rozdzielczość</translation>
    </message>
    <message id="118">
        <source>Start Time</source>
        <extracomment>list column</extracomment>
        <translation>Czas rozpoczęcia</translation>
    </message>
    <message id="119">
        <source>Length</source>
        <extracomment>list column</extracomment>
        <translation>Długość</translation>
    </message>
    <message id="120">
        <source>File Size</source>
        <extracomment>list column</extracomment>
        <translation>Rozmiar pliku</translation>
    </message>
    <message id="121">
        <source>ID</source>
        <extracomment>list column</extracomment>
        <translation>ID</translation>
    </message>
    <message id="122">
        <source>File Name</source>
        <extracomment>list column</extracomment>
        <translation>Nazwa pliku</translation>
    </message>
    <message id="123">
        <source>End Time</source>
        <extracomment>list column</extracomment>
        <translation>Czas zakończenia</translation>
    </message>
    <message id="124">
        <source>Folder</source>
        <extracomment>list column</extracomment>
        <translation>Folder</translation>
    </message>
    <message id="125">
        <source>Save KML file: %s OK.</source>
        <extracomment>KML export result</extracomment>
        <translation>Zapisano plik KML %s.</translation>
    </message>
    <message id="126">
        <source>Save KML file:%s Failed.</source>
        <extracomment>KML export result</extracomment>
        <translation>Nie udało się zapisać pliku KML %s.</translation>
    </message>
    <message id="127">
        <source>Save KML</source>
        <extracomment>KML export</extracomment>
        <translation>Zapisz KML</translation>
    </message>
    <message id="128">
        <source>Delete Files</source>
        <extracomment>delete confirmation caption</extracomment>
        <translation>Usuń pliki</translation>
    </message>
    <message id="129">
        <source>Are you sure to delete the checked files?</source>
        <extracomment>delete confirmation</extracomment>
        <translation>Czy na pewno chcesz usunąć zaznaczone pliki?</translation>
    </message>
    <message id="130">
        <source>Select a folder</source>
        <extracomment>folder picker title</extracomment>
        <translation>Wybierz folder</translation>
    </message>
    <message id="131">
        <source>Warning</source>
        <extracomment>caption of warning message boxes</extracomment>
        <translation>Ostrzeżenie</translation>
    </message>
    <message id="132">
        <source>Folder is not exist.</source>
        <extracomment>copy target folder missing</extracomment>
        <translation>Folder nie istnieje.</translation>
    </message>
    <message id="133">
        <source>Loading video component failed. Please reinstall this program again.</source>
        <extracomment>video library failed to load</extracomment>
        <translation>Nie udało się załadować komponentu wideo. Zainstaluj ponownie ten program.</translation>
    </message>
    <message id="134">
        <source>Play/Pause video</source>
        <extracomment>tooltip of the PLAY button</extracomment>
        <translation>Odtwórz/wstrzymaj wideo</translation>
    </message>
    <message id="135">
        <source>No seletected files. Please select some files and try this operation again.</source>
        <extracomment>nothing checked</extracomment>
        <translation>Nie wybrano plików. Wybierz pliki i spróbuj ponownie.</translation>
    </message>
    <message id="136">
        <source>No files in list.</source>
        <extracomment>empty list</extracomment>
        <translation>Brak plików na liście.</translation>
    </message>
    <message id="137">
        <source>Set Small Window Size.</source>
        <extracomment>tooltip of the S button</extracomment>
        <translation>Ustaw mały rozmiar okna.</translation>
    </message>
    <message id="138">
        <source>Set Medium Window Size.</source>
        <extracomment>tooltip of the M button</extracomment>
        <translation>Ustaw średni rozmiar okna.</translation>
    </message>
    <message id="139">
        <source>Set Large Window Size.</source>
        <extracomment>tooltip of the L button</extracomment>
        <translation>Ustaw duży rozmiar okna.</translation>
    </message>
    <message id="140">
        <source>Confirm to overwrite the file.</source>
        <extracomment>overwrite confirmation caption</extracomment>
        <translation>Potwierdź zastąpienie pliku</translation>
    </message>
    <message id="141">
        <source>File &quot;%s&quot; is already exist. Are you sure to overwrite it?</source>
        <extracomment>overwrite confirmation</extracomment>
        <translation>Plik „%s” już istnieje. Czy na pewno chcesz go zastąpić?</translation>
    </message>
    <message id="142">
        <source>Restore window</source>
        <extracomment>not shown by the program</extracomment>
        <translation>Przywróć okno</translation>
    </message>
    <message id="143">
        <source>Disable auto play next file feature</source>
        <extracomment>not shown by the program</extracomment>
        <translation>Wyłącz automatyczne odtwarzanie następnego pliku</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <extracomment>message-box caption when no group is marked</extracomment>
        <translation>Potwierdź wybór plików</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <extracomment>message-box caption when the list is empty</extracomment>
        <translation>OK</translation>
    </message>
    <message id="179">
        <source>Open files</source>
        <extracomment>tooltip of the OPEN button</extracomment>
        <translation>Otwórz pliki</translation>
    </message>
    <message id="180">
        <source>Snapshot</source>
        <extracomment>tooltip of the SNAP button</extracomment>
        <translation>Zrzut klatki</translation>
    </message>
    <message id="181">
        <source>Save as</source>
        <extracomment>tooltip of the SAVE button</extracomment>
        <translation>Zapisz jako</translation>
    </message>
    <message id="182">
        <source>Del files</source>
        <extracomment>tooltip of the DEL button</extracomment>
        <translation>Usuń pliki</translation>
    </message>
    <message id="183">
        <source>Configuration</source>
        <extracomment>tooltip of the Conf button</extracomment>
        <translation>Konfiguracja</translation>
    </message>
    <message id="184">
        <source>Slower speed</source>
        <extracomment>tooltip of the SLOW button</extracomment>
        <translation>Wolniej</translation>
    </message>
    <message id="185">
        <source>Stop</source>
        <extracomment>tooltip of the STOP button</extracomment>
        <translation>Zatrzymaj</translation>
    </message>
    <message id="186">
        <source>Faster speed</source>
        <extracomment>tooltip of the FAST button</extracomment>
        <translation>Szybciej</translation>
    </message>
    <message id="187">
        <source>Volume</source>
        <extracomment>tooltip of the volume slider</extracomment>
        <translation>Głośność</translation>
    </message>
    <message id="188">
        <source>Volume On/Off</source>
        <extracomment>tooltip of the Vol button</extracomment>
        <translation>Dźwięk wł./wył.</translation>
    </message>
    <message id="189">
        <source>Auto Play next file.</source>
        <extracomment>tooltip of the Loop button</extracomment>
        <translation>Automatycznie odtwarzaj następny plik.</translation>
    </message>
    <message id="190">
        <source>Rotate 180</source>
        <extracomment>tooltip of the FLIP button</extracomment>
        <translation>Obróć o 180°</translation>
    </message>
    <message id="191">
        <source>Save GPS data to KML file</source>
        <extracomment>tooltip of the KML button</extracomment>
        <translation>Zapisz dane GPS do pliku KML</translation>
    </message>
    <message id="192">
        <source>Turn On/Off Map</source>
        <extracomment>tooltip of the MAP button</extracomment>
        <translation>Włącz/wyłącz mapę</translation>
    </message>
    <message id="193">
        <source>Turn On/Off G-Sensor curve</source>
        <extracomment>tooltip of the GSR button</extracomment>
        <translation>Włącz/wyłącz wykres czujnika G</translation>
    </message>
    <message id="194">
        <source>Unlock files</source>
        <extracomment>tooltip of the LOCK button</extracomment>
        <translation>Odblokuj pliki</translation>
    </message>
    <message id="195">
        <source>Close AP</source>
        <extracomment>tooltip of the close button</extracomment>
        <translation>Zamknij program</translation>
    </message>
    <message id="196">
        <source>Max window</source>
        <extracomment>tooltip of the maximise button</extracomment>
        <translation>Maksymalizuj okno</translation>
    </message>
    <message id="197">
        <source>Min window</source>
        <extracomment>tooltip of the minimise button</extracomment>
        <translation>Minimalizuj okno</translation>
    </message>
    <message id="198">
        <source>About</source>
        <extracomment>tooltip of the help button</extracomment>
        <translation>O programie</translation>
    </message>
    <message id="199">
        <source>Change Speed Unit KPH/MPH.</source>
        <extracomment>tooltip of the speed label</extracomment>
        <translation>Zmień jednostkę prędkości km/h / mph.</translation>
    </message>
    <message id="200">
        <source>%1 files could not be read</source>
        <extracomment>note below the lists: several files were turned down</extracomment>
        <translation>Nie udało się odczytać plików: %1</translation>
    </message>
    <message id="201">
        <source>1 file could not be read</source>
        <extracomment>note below the lists: one file was turned down</extracomment>
        <translation>Nie udało się odczytać 1 pliku</translation>
    </message>
    <message id="202">
        <source>details</source>
        <extracomment>link in the note that opens the list of unreadable files</extracomment>
        <translation>szczegóły</translation>
    </message>
    <message id="203">
        <source>Files that could not be read</source>
        <extracomment>title of the list of unreadable files</extracomment>
        <translation>Pliki, których nie udało się odczytać</translation>
    </message>
    <message id="204">
        <source>File</source>
        <extracomment>column of the list of unreadable files</extracomment>
        <translation>Plik</translation>
    </message>
    <message id="205">
        <source>Reason</source>
        <extracomment>column of the list of unreadable files</extracomment>
        <translation>Powód</translation>
    </message>
    <message id="206">
        <source>Close</source>
        <extracomment>button of the list of unreadable files and of the list of keys</extracomment>
        <translation>Zamknij</translation>
    </message>
    <message id="207">
        <source>The file cannot be opened: %1</source>
        <extracomment>reason: the system refused to open the file; %1 = the system&apos;s words</extracomment>
        <translation>Nie można otworzyć pliku: %1</translation>
    </message>
    <message id="208">
        <source>Not a recording of the recorder</source>
        <extracomment>reason</extracomment>
        <translation>To nie jest nagranie rejestratora</translation>
    </message>
    <message id="209">
        <source>Cut short: the file ends before its data does (power cut or full card)</source>
        <extracomment>reason</extracomment>
        <translation>Ucięty: plik kończy się przed końcem danych (zanik zasilania lub pełna karta)</translation>
    </message>
    <message id="210">
        <source>A video file in a telemetry layout this viewer does not know</source>
        <extracomment>reason</extracomment>
        <translation>Plik wideo w formacie telemetrii, którego ta przeglądarka nie zna</translation>
    </message>
    <message id="211">
        <source>No movie header</source>
        <extracomment>reason</extracomment>
        <translation>Brak nagłówka filmu</translation>
    </message>
    <message id="212">
        <source>No video track of the recorder</source>
        <extracomment>reason</extracomment>
        <translation>Brak ścieżki wideo rejestratora</translation>
    </message>
    <message id="213">
        <source>No picture size</source>
        <extracomment>reason</extracomment>
        <translation>Brak rozmiaru obrazu</translation>
    </message>
    <message id="214">
        <source>No duration</source>
        <extracomment>reason</extracomment>
        <translation>Brak czasu trwania</translation>
    </message>
    <message id="215">
        <source>The recorder&apos;s mark is missing</source>
        <extracomment>reason</extracomment>
        <translation>Brak znacznika rejestratora</translation>
    </message>
    <message id="220">
        <source>Save GPS data as GPX…</source>
        <extracomment>menu entry of the help button: save the track as GPX</extracomment>
        <translation>Zapisz dane GPS do pliku GPX…</translation>
    </message>
    <message id="221">
        <source>Save GPX file: %s OK.</source>
        <extracomment>GPX export result</extracomment>
        <translation>Zapisano plik GPX %s.</translation>
    </message>
    <message id="222">
        <source>Save GPX file:%s Failed.</source>
        <extracomment>GPX export result</extracomment>
        <translation>Nie udało się zapisać pliku GPX %s.</translation>
    </message>
    <message id="223">
        <source>Save GPX</source>
        <extracomment>GPX export: caption and save dialog title</extracomment>
        <translation>Zapisz GPX</translation>
    </message>
    <message id="224">
        <source>Keyboard shortcuts…</source>
        <extracomment>menu entry of the help button: the list of the window's keys</extracomment>
        <translation>Skróty klawiaturowe…</translation>
    </message>
    <message id="225">
        <source>Keyboard shortcuts</source>
        <extracomment>title of the list of keys</extracomment>
        <translation>Skróty klawiaturowe</translation>
    </message>
    <message id="226">
        <source>5 seconds back</source>
        <extracomment>list of keys: what the left arrow does</extracomment>
        <translation>5 sekund do tyłu</translation>
    </message>
    <message id="227">
        <source>5 seconds forward</source>
        <extracomment>list of keys: what the right arrow does</extracomment>
        <translation>5 sekund do przodu</translation>
    </message>
    <message id="228">
        <source>30 seconds back</source>
        <extracomment>list of keys: what Shift+left arrow does</extracomment>
        <translation>30 sekund do tyłu</translation>
    </message>
    <message id="229">
        <source>30 seconds forward</source>
        <extracomment>list of keys: what Shift+right arrow does</extracomment>
        <translation>30 sekund do przodu</translation>
    </message>
    <message id="230">
        <source>Pause and step one frame back</source>
        <extracomment>list of keys: what the comma key does</extracomment>
        <translation>Wstrzymaj i cofnij o jedną klatkę</translation>
    </message>
    <message id="231">
        <source>Pause and step one frame forward</source>
        <extracomment>list of keys: what the full stop key does</extracomment>
        <translation>Wstrzymaj i przesuń o jedną klatkę do przodu</translation>
    </message>
    <message id="232">
        <source>Front camera full screen (again to leave)</source>
        <extracomment>list of keys: the F key; pressing it again leaves full screen</extracomment>
        <translation>Przednia kamera na pełnym ekranie (ponownie, aby wyjść)</translation>
    </message>
    <message id="233">
        <source>To the next jolt of the G-sensor</source>
        <extracomment>list of keys: J jumps to the next shock the G-sensor recorded</extracomment>
        <translation>Do następnego wstrząsu czujnika G</translation>
    </message>
    <message id="234">
        <source>To the previous jolt of the G-sensor</source>
        <extracomment>list of keys: Shift+J jumps to the previous shock the G-sensor recorded</extracomment>
        <translation>Do poprzedniego wstrząsu czujnika G</translation>
    </message>
    <message id="600">
        <source>Looking for incidents… %1 / %2</source>
        <extracomment>progress line below the lists while the recordings are searched for jolts and hard brakings: done / total</extracomment>
        <translation>Wyszukiwanie zdarzeń… %1 / %2</translation>
    </message>
    <message id="601">
        <source>Incidents</source>
        <extracomment>title of the list of every incident (jolt or hard braking) of the card</extracomment>
        <translation>Zdarzenia</translation>
    </message>
    <message id="602">
        <source>Incidents…</source>
        <extracomment>menu entry opening the list of incidents</extracomment>
        <translation>Zdarzenia…</translation>
    </message>
    <message id="603">
        <source>Date and time</source>
        <extracomment>incidents list: column of the incident&apos;s date and time</extracomment>
        <translation>Data i godzina</translation>
    </message>
    <message id="604">
        <source>Drive</source>
        <extracomment>incidents list: column of the drive (group of recordings) it belongs to</extracomment>
        <translation>Przejazd</translation>
    </message>
    <message id="605">
        <source>Kind</source>
        <extracomment>incidents list: column of the kind of incident</extracomment>
        <translation>Rodzaj</translation>
    </message>
    <message id="606">
        <source>Strength</source>
        <extracomment>incidents list: column of its strength (g or m/s²)</extracomment>
        <translation>Siła</translation>
    </message>
    <message id="607">
        <source>Speed</source>
        <extracomment>incidents list: column of the vehicle&apos;s speed at that moment</extracomment>
        <translation>Prędkość</translation>
    </message>
    <message id="608">
        <source>Jolt</source>
        <extracomment>kind of incident: a sudden shock seen by the G-sensor</extracomment>
        <translation>Wstrząs</translation>
    </message>
    <message id="609">
        <source>Hard braking</source>
        <extracomment>kind of incident: the vehicle slowed down very sharply (GPS speed)</extracomment>
        <translation>Gwałtowne hamowanie</translation>
    </message>
    <message id="610">
        <source>All kinds</source>
        <extracomment>incidents list: filter entry showing every kind</extracomment>
        <translation>Wszystkie rodzaje</translation>
    </message>
    <message id="611">
        <source>Export list…</source>
        <extracomment>incidents list: button that saves the list as a CSV file</extracomment>
        <translation>Eksportuj listę…</translation>
    </message>
    <message id="612">
        <source>Close</source>
        <extracomment>incidents list: button closing the list</extracomment>
        <translation>Zamknij</translation>
    </message>
    <message id="613">
        <source>List of the card&apos;s incidents</source>
        <extracomment>list of keys: L opens the list of every incident of the card</extracomment>
        <translation>Lista zdarzeń z karty</translation>
    </message>
    <message id="614">
        <source>The list could not be written: %1</source>
        <extracomment>incidents list: the CSV file could not be saved; %1 = the system&apos;s reason</extracomment>
        <translation>Nie udało się zapisać listy: %1</translation>
    </message>
    <message id="615">
        <source>File</source>
        <extracomment>incidents list: column of the recording&apos;s file name</extracomment>
        <translation>Plik</translation>
    </message>
    <message id="616">
        <source>No incidents found on this card.</source>
        <extracomment>incidents list: shown when the card holds no incident</extracomment>
        <translation>Na tej karcie nie znaleziono zdarzeń.</translation>
    </message>
</context>
</TS>
