<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Vemora Viewer...</source>
        <extracomment>About entry</extracomment>
        <translation>&amp;Informazioni su Vemora Viewer...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <extracomment>player error message</extracomment>
        <translation>Il lettore multimediale ha riscontrato un errore.</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <extracomment>start-up failure</extracomment>
        <translation>Inizializzazione dei socket di Windows non riuscita.</translation>
    </message>
    <message id="104">
        <source>Select a media</source>
        <extracomment>source selection dialog title</extracomment>
        <translation>Seleziona un supporto</translation>
    </message>
    <message id="105">
        <source>Google Map</source>
        <extracomment>map list entry, configuration dialog</extracomment>
        <translation>Mappa Google</translation>
    </message>
    <message id="106">
        <source>China Map</source>
        <extracomment>map list entry, configuration dialog</extracomment>
        <translation>Mappa della Cina</translation>
    </message>
    <message id="107">
        <source>OK</source>
        <extracomment>OK buttons</extracomment>
        <translation>OK</translation>
    </message>
    <message id="108">
        <source>Cancel</source>
        <extracomment>Cancel buttons</extracomment>
        <translation>Annulla</translation>
    </message>
    <message id="109">
        <source>Apply</source>
        <extracomment>Apply buttons</extracomment>
        <translation>Applica</translation>
    </message>
    <message id="110">
        <source>Config</source>
        <extracomment>configuration dialog title</extracomment>
        <translation>Impostazioni</translation>
    </message>
    <message id="111">
        <source>Disk</source>
        <extracomment>source selection dialog</extracomment>
        <translation>Disco</translation>
    </message>
    <message id="112">
        <source>Folder</source>
        <extracomment>source selection dialog</extracomment>
        <translation>Cartella</translation>
    </message>
    <message id="113">
        <source>File</source>
        <extracomment>source selection dialog</extracomment>
        <translation>File</translation>
    </message>
    <message id="114">
        <source>Select language</source>
        <extracomment>language group, configuration dialog</extracomment>
        <translation>Seleziona lingua</translation>
    </message>
    <message id="115">
        <source>Select map</source>
        <extracomment>map group, configuration dialog</extracomment>
        <translation>Seleziona mappa</translation>
    </message>
    <message id="116">
        <source>Group</source>
        <extracomment>list column</extracomment>
        <translation>Gruppo</translation>
    </message>
    <message id="117">
        <source>Resolution</source>
        <extracomment>list column</extracomment>
        <translation>Risoluzione</translation>
    </message>
    <message id="118">
        <source>Start Time</source>
        <extracomment>list column</extracomment>
        <translation>Ora di inizio</translation>
    </message>
    <message id="119">
        <source>Length</source>
        <extracomment>list column</extracomment>
        <translation>Durata</translation>
    </message>
    <message id="120">
        <source>File Size</source>
        <extracomment>list column</extracomment>
        <translation>Dimensione file</translation>
    </message>
    <message id="121">
        <source>ID</source>
        <extracomment>list column</extracomment>
        <translation>ID</translation>
    </message>
    <message id="122">
        <source>File Name</source>
        <extracomment>list column</extracomment>
        <translation>Nome file</translation>
    </message>
    <message id="123">
        <source>End Time</source>
        <extracomment>list column</extracomment>
        <translation>Ora di fine</translation>
    </message>
    <message id="124">
        <source>Folder</source>
        <extracomment>list column</extracomment>
        <translation>Cartella</translation>
    </message>
    <message id="125">
        <source>Save KML file: %s OK.</source>
        <extracomment>KML export result</extracomment>
        <translation>File KML %s salvato correttamente.</translation>
    </message>
    <message id="126">
        <source>Save KML file:%s Failed.</source>
        <extracomment>KML export result</extracomment>
        <translation>Impossibile salvare il file KML %s.</translation>
    </message>
    <message id="127">
        <source>Save KML</source>
        <extracomment>KML export</extracomment>
        <translation>Salva KML</translation>
    </message>
    <message id="128">
        <source>Delete Files</source>
        <extracomment>delete confirmation caption</extracomment>
        <translation>Elimina file</translation>
    </message>
    <message id="129">
        <source>Are you sure to delete the checked files?</source>
        <extracomment>delete confirmation</extracomment>
        <translation>Eliminare davvero i file selezionati?</translation>
    </message>
    <message id="130">
        <source>Select a folder</source>
        <extracomment>folder picker title</extracomment>
        <translation>Seleziona una cartella</translation>
    </message>
    <message id="131">
        <source>Warning</source>
        <extracomment>caption of warning message boxes</extracomment>
        <translation>Avviso</translation>
    </message>
    <message id="132">
        <source>Folder is not exist.</source>
        <extracomment>copy target folder missing</extracomment>
        <translation>La cartella non esiste.</translation>
    </message>
    <message id="133">
        <source>Loading video component failed. Please reinstall this program again.</source>
        <extracomment>video library failed to load</extracomment>
        <translation>Caricamento del componente video non riuscito. Reinstallare il programma.</translation>
    </message>
    <message id="134">
        <source>Play/Pause video</source>
        <extracomment>tooltip of the PLAY button</extracomment>
        <translation>Riproduci/pausa video</translation>
    </message>
    <message id="135">
        <source>No seletected files. Please select some files and try this operation again.</source>
        <extracomment>nothing checked</extracomment>
        <translation>Nessun file selezionato. Selezionare alcuni file e riprovare.</translation>
    </message>
    <message id="136">
        <source>No files in list.</source>
        <extracomment>empty list</extracomment>
        <translation>Nessun file nell&apos;elenco.</translation>
    </message>
    <message id="137">
        <source>Set Small Window Size.</source>
        <extracomment>tooltip of the S button</extracomment>
        <translation>Imposta finestra piccola.</translation>
    </message>
    <message id="138">
        <source>Set Medium Window Size.</source>
        <extracomment>tooltip of the M button</extracomment>
        <translation>Imposta finestra media.</translation>
    </message>
    <message id="139">
        <source>Set Large Window Size.</source>
        <extracomment>tooltip of the L button</extracomment>
        <translation>Imposta finestra grande.</translation>
    </message>
    <message id="140">
        <source>Confirm to overwrite the file.</source>
        <extracomment>overwrite confirmation caption</extracomment>
        <translation>Conferma sovrascrittura del file</translation>
    </message>
    <message id="141">
        <source>File &quot;%s&quot; is already exist. Are you sure to overwrite it?</source>
        <extracomment>overwrite confirmation</extracomment>
        <translation>Il file &quot;%s&quot; esiste già. Sovrascriverlo?</translation>
    </message>
    <message id="142">
        <source>Restore window</source>
        <extracomment>not shown by the program</extracomment>
        <translation>Ripristina finestra</translation>
    </message>
    <message id="143">
        <source>Disable auto play next file feature</source>
        <extracomment>not shown by the program</extracomment>
        <translation>Disattiva la riproduzione automatica del file successivo</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <extracomment>message-box caption when no group is marked</extracomment>
        <translation>Conferma selezione file</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <extracomment>message-box caption when the list is empty</extracomment>
        <translation>OK</translation>
    </message>
    <message id="179">
        <source>Open files</source>
        <extracomment>tooltip of the OPEN button</extracomment>
        <translation>Apri file</translation>
    </message>
    <message id="180">
        <source>Snapshot</source>
        <extracomment>tooltip of the SNAP button</extracomment>
        <translation>Istantanea</translation>
    </message>
    <message id="181">
        <source>Save as</source>
        <extracomment>tooltip of the SAVE button</extracomment>
        <translation>Salva con nome</translation>
    </message>
    <message id="182">
        <source>Del files</source>
        <extracomment>tooltip of the DEL button</extracomment>
        <translation>Elimina file</translation>
    </message>
    <message id="183">
        <source>Configuration</source>
        <extracomment>tooltip of the Conf button</extracomment>
        <translation>Configurazione</translation>
    </message>
    <message id="184">
        <source>Slower speed</source>
        <extracomment>tooltip of the SLOW button</extracomment>
        <translation>Più lento</translation>
    </message>
    <message id="185">
        <source>Stop</source>
        <extracomment>tooltip of the STOP button</extracomment>
        <translation>Arresta</translation>
    </message>
    <message id="186">
        <source>Faster speed</source>
        <extracomment>tooltip of the FAST button</extracomment>
        <translation>Più veloce</translation>
    </message>
    <message id="187">
        <source>Volume</source>
        <extracomment>tooltip of the volume slider</extracomment>
        <translation>Volume</translation>
    </message>
    <message id="188">
        <source>Volume On/Off</source>
        <extracomment>tooltip of the Vol button</extracomment>
        <translation>Audio attivato/disattivato</translation>
    </message>
    <message id="189">
        <source>Auto Play next file.</source>
        <extracomment>tooltip of the Loop button</extracomment>
        <translation>Riproduci automaticamente il file successivo.</translation>
    </message>
    <message id="190">
        <source>Rotate 180</source>
        <extracomment>tooltip of the FLIP button</extracomment>
        <translation>Ruota di 180°</translation>
    </message>
    <message id="191">
        <source>Save GPS data to KML file</source>
        <extracomment>tooltip of the KML button</extracomment>
        <translation>Salva i dati GPS in un file KML</translation>
    </message>
    <message id="192">
        <source>Turn On/Off Map</source>
        <extracomment>tooltip of the MAP button</extracomment>
        <translation>Mostra/nascondi mappa</translation>
    </message>
    <message id="193">
        <source>Turn On/Off G-Sensor curve</source>
        <extracomment>tooltip of the GSR button</extracomment>
        <translation>Mostra/nascondi curva del sensore G</translation>
    </message>
    <message id="194">
        <source>Unlock files</source>
        <extracomment>tooltip of the LOCK button</extracomment>
        <translation>Sblocca file</translation>
    </message>
    <message id="195">
        <source>Close AP</source>
        <extracomment>tooltip of the close button</extracomment>
        <translation>Chiudi applicazione</translation>
    </message>
    <message id="196">
        <source>Max window</source>
        <extracomment>tooltip of the maximise button</extracomment>
        <translation>Ingrandisci finestra</translation>
    </message>
    <message id="197">
        <source>Min window</source>
        <extracomment>tooltip of the minimise button</extracomment>
        <translation>Riduci a icona</translation>
    </message>
    <message id="198">
        <source>About</source>
        <extracomment>tooltip of the help button</extracomment>
        <translation>Informazioni</translation>
    </message>
    <message id="199">
        <source>Change Speed Unit KPH/MPH.</source>
        <extracomment>tooltip of the speed label</extracomment>
        <translation>Cambia unità di velocità km/h / mph.</translation>
    </message>
    <message id="200">
        <source>%1 files could not be read</source>
        <extracomment>note below the lists: several files were turned down</extracomment>
        <translation>Impossibile leggere %1 file</translation>
    </message>
    <message id="201">
        <source>1 file could not be read</source>
        <extracomment>note below the lists: one file was turned down</extracomment>
        <translation>Impossibile leggere 1 file</translation>
    </message>
    <message id="202">
        <source>details</source>
        <extracomment>link in the note that opens the list of unreadable files</extracomment>
        <translation>dettagli</translation>
    </message>
    <message id="203">
        <source>Files that could not be read</source>
        <extracomment>title of the list of unreadable files</extracomment>
        <translation>File che non è stato possibile leggere</translation>
    </message>
    <message id="204">
        <source>File</source>
        <extracomment>column of the list of unreadable files</extracomment>
        <translation>File</translation>
    </message>
    <message id="205">
        <source>Reason</source>
        <extracomment>column of the list of unreadable files</extracomment>
        <translation>Motivo</translation>
    </message>
    <message id="206">
        <source>Close</source>
        <extracomment>button of the list of unreadable files and of the list of keys</extracomment>
        <translation>Chiudi</translation>
    </message>
    <message id="207">
        <source>The file cannot be opened: %1</source>
        <extracomment>reason: the system refused to open the file; %1 = the system&apos;s words</extracomment>
        <translation>Impossibile aprire il file: %1</translation>
    </message>
    <message id="208">
        <source>Not a recording of the recorder</source>
        <extracomment>reason</extracomment>
        <translation>Non è una registrazione del registratore</translation>
    </message>
    <message id="209">
        <source>Cut short: the file ends before its data does (power cut or full card)</source>
        <extracomment>reason</extracomment>
        <translation>Troncato: il file finisce prima dei suoi dati (interruzione di corrente o scheda piena)</translation>
    </message>
    <message id="210">
        <source>A video file in a telemetry layout this viewer does not know</source>
        <extracomment>reason</extracomment>
        <translation>Un file video in un formato di telemetria che questo visualizzatore non conosce</translation>
    </message>
    <message id="211">
        <source>No movie header</source>
        <extracomment>reason</extracomment>
        <translation>Nessuna intestazione del filmato</translation>
    </message>
    <message id="212">
        <source>No video track of the recorder</source>
        <extracomment>reason</extracomment>
        <translation>Nessuna traccia video del registratore</translation>
    </message>
    <message id="213">
        <source>No picture size</source>
        <extracomment>reason</extracomment>
        <translation>Nessuna dimensione dell&apos;immagine</translation>
    </message>
    <message id="214">
        <source>No duration</source>
        <extracomment>reason</extracomment>
        <translation>Nessuna durata</translation>
    </message>
    <message id="215">
        <source>The recorder&apos;s mark is missing</source>
        <extracomment>reason</extracomment>
        <translation>Manca il contrassegno del registratore</translation>
    </message>
    <message id="220">
        <source>Save GPS data as GPX…</source>
        <extracomment>menu entry of the help button: save the track as GPX</extracomment>
        <translation>Salva i dati GPS in un file GPX…</translation>
    </message>
    <message id="221">
        <source>Save GPX file: %s OK.</source>
        <extracomment>GPX export result</extracomment>
        <translation>File GPX %s salvato correttamente.</translation>
    </message>
    <message id="222">
        <source>Save GPX file:%s Failed.</source>
        <extracomment>GPX export result</extracomment>
        <translation>Impossibile salvare il file GPX %s.</translation>
    </message>
    <message id="223">
        <source>Save GPX</source>
        <extracomment>GPX export: caption and save dialog title</extracomment>
        <translation>Salva GPX</translation>
    </message>
    <message id="224">
        <source>Keyboard shortcuts…</source>
        <extracomment>menu entry of the help button: the list of the window's keys</extracomment>
        <translation>Scorciatoie da tastiera…</translation>
    </message>
    <message id="225">
        <source>Keyboard shortcuts</source>
        <extracomment>title of the list of keys</extracomment>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message id="226">
        <source>5 seconds back</source>
        <extracomment>list of keys: what the left arrow does</extracomment>
        <translation>Indietro di 5 secondi</translation>
    </message>
    <message id="227">
        <source>5 seconds forward</source>
        <extracomment>list of keys: what the right arrow does</extracomment>
        <translation>Avanti di 5 secondi</translation>
    </message>
    <message id="228">
        <source>30 seconds back</source>
        <extracomment>list of keys: what Shift+left arrow does</extracomment>
        <translation>Indietro di 30 secondi</translation>
    </message>
    <message id="229">
        <source>30 seconds forward</source>
        <extracomment>list of keys: what Shift+right arrow does</extracomment>
        <translation>Avanti di 30 secondi</translation>
    </message>
    <message id="230">
        <source>Pause and step one frame back</source>
        <extracomment>list of keys: what the comma key does</extracomment>
        <translation>Pausa e un fotogramma indietro</translation>
    </message>
    <message id="231">
        <source>Pause and step one frame forward</source>
        <extracomment>list of keys: what the full stop key does</extracomment>
        <translation>Pausa e un fotogramma avanti</translation>
    </message>
    <message id="232">
        <source>Front camera full screen (again to leave)</source>
        <extracomment>list of keys: the F key; pressing it again leaves full screen</extracomment>
        <translation>Telecamera anteriore a schermo intero (premere di nuovo per uscire)</translation>
    </message>
    <message id="233">
        <source>To the next jolt of the G-sensor</source>
        <extracomment>list of keys: J jumps to the next shock the G-sensor recorded</extracomment>
        <translation>Vai al prossimo urto del sensore G</translation>
    </message>
    <message id="234">
        <source>To the previous jolt of the G-sensor</source>
        <extracomment>list of keys: Shift+J jumps to the previous shock the G-sensor recorded</extracomment>
        <translation>Vai all'urto precedente del sensore G</translation>
    </message>
    <message id="270">
        <source>The folder %s cannot be created.</source>
        <extracomment>export failure: the export folder could not be made</extracomment>
        <translation>Impossibile creare la cartella %s.</translation>
    </message>
    <message id="271">
        <source>The file %s cannot be created.</source>
        <extracomment>export failure: the export file could not be made</extracomment>
        <translation>Impossibile creare il file %s.</translation>
    </message>
    <message id="272">
        <source>The file %s could not be written completely.</source>
        <extracomment>export failure: writing the export file failed (it was removed)</extracomment>
        <translation>Impossibile scrivere completamente il file %s.</translation>
    </message>
    <message id="273">
        <source>Permission denied.</source>
        <extracomment>reason of an export failure</extracomment>
        <translation>Permesso negato.</translation>
    </message>
    <message id="274">
        <source>The disk is read-only.</source>
        <extracomment>reason of an export failure</extracomment>
        <translation>Il disco è di sola lettura.</translation>
    </message>
    <message id="275">
        <source>The disk is full.</source>
        <extracomment>reason of an export failure</extracomment>
        <translation>Il disco è pieno.</translation>
    </message>
    <message id="276">
        <source>A file of that name is in the way.</source>
        <extracomment>reason of an export failure: a file stands where a folder is needed</extracomment>
        <translation>Un file con quel nome è d’intralcio.</translation>
    </message>
    <message id="300">
        <source>Export clip…</source>
        <extracomment>menu entry (right-click the window): export a clip of both cameras</extracomment>
        <translation>Esporta clip…</translation>
    </message>
    <message id="301">
        <source>Mark the start of a clip</source>
        <extracomment>list of keys: I marks where an exported clip begins</extracomment>
        <translation>Segna l&apos;inizio di una clip</translation>
    </message>
    <message id="302">
        <source>Mark the end of a clip</source>
        <extracomment>list of keys: O marks where an exported clip ends</extracomment>
        <translation>Segna la fine di una clip</translation>
    </message>
    <message id="303">
        <source>Export a clip of both cameras</source>
        <extracomment>list of keys: E opens the clip export</extracomment>
        <translation>Esporta una clip di entrambe le telecamere</translation>
    </message>
    <message id="304">
        <source>Export clip</source>
        <extracomment>title of the clip export dialog and its messages</extracomment>
        <translation>Esporta clip</translation>
    </message>
    <message id="305">
        <source>Start (s)</source>
        <extracomment>clip export: where the clip begins, seconds from the recording&apos;s start</extracomment>
        <translation>Inizio (s)</translation>
    </message>
    <message id="306">
        <source>End (s)</source>
        <extracomment>clip export: where the clip ends, seconds from the recording&apos;s start</extracomment>
        <translation>Fine (s)</translation>
    </message>
    <message id="307">
        <source>Layout</source>
        <extracomment>clip export: how the two cameras are arranged</extracomment>
        <translation>Disposizione</translation>
    </message>
    <message id="308">
        <source>Side by side</source>
        <extracomment>clip layout: front left, rear right</extracomment>
        <translation>Affiancate</translation>
    </message>
    <message id="309">
        <source>Picture in picture</source>
        <extracomment>clip layout: front full, rear small in a corner</extracomment>
        <translation>Immagine nell&apos;immagine</translation>
    </message>
    <message id="310">
        <source>Front camera only</source>
        <extracomment>clip layout</extracomment>
        <translation>Solo telecamera anteriore</translation>
    </message>
    <message id="311">
        <source>Rear camera only</source>
        <extracomment>clip layout</extracomment>
        <translation>Solo telecamera posteriore</translation>
    </message>
    <message id="312">
        <source>Telemetry band below the pictures</source>
        <extracomment>clip export: time, speed, G-forces and position drawn under the video</extracomment>
        <translation>Banda della telemetria sotto le immagini</translation>
    </message>
    <message id="313">
        <source>Quality</source>
        <extracomment>clip export: video quality</extracomment>
        <translation>Qualità</translation>
    </message>
    <message id="314">
        <source>Standard</source>
        <extracomment>clip quality</extracomment>
        <translation>Standard</translation>
    </message>
    <message id="315">
        <source>High</source>
        <extracomment>clip quality: larger file</extracomment>
        <translation>Alta</translation>
    </message>
    <message id="316">
        <source>File</source>
        <extracomment>clip export: the file to write</extracomment>
        <translation>File</translation>
    </message>
    <message id="317">
        <source>Browse…</source>
        <extracomment>clip export: choose the file with a file dialog</extracomment>
        <translation>Sfoglia…</translation>
    </message>
    <message id="318">
        <source>Exporting the clip…</source>
        <extracomment>progress dialog of the clip export</extracomment>
        <translation>Esportazione della clip…</translation>
    </message>
    <message id="319">
        <source>%1 s left</source>
        <extracomment>progress dialog: %1 = seconds until the export is done</extracomment>
        <translation>%1 s rimanenti</translation>
    </message>
    <message id="320">
        <source>The clip has been saved:
%1</source>
        <extracomment>%1 = the clip&apos;s file</extracomment>
        <translation>La clip è stata salvata:
%1</translation>
    </message>
    <message id="321">
        <source>Show in folder</source>
        <extracomment>button: open the folder that holds the clip</extracomment>
        <translation>Mostra nella cartella</translation>
    </message>
    <message id="322">
        <source>The clip could not be exported.
%1</source>
        <extracomment>%1 = the reason, with the file it concerns</extracomment>
        <translation>Impossibile esportare la clip.
%1</translation>
    </message>
    <message id="323">
        <source>The export was cancelled. No file was left behind.</source>
        <extracomment>after Cancel in the progress dialog</extracomment>
        <translation>L&apos;esportazione è stata annullata. Non è rimasto alcun file.</translation>
    </message>
    <message id="324">
        <source>Choose a folder that is not on the card being viewed.</source>
        <extracomment>clips are never written to the recorder&apos;s card</extracomment>
        <translation>Scegli una cartella che non si trovi sulla scheda visualizzata.</translation>
    </message>
    <message id="325">
        <source>The two marks are not in the same drive.</source>
        <extracomment>the I and O marks lie in different drives</extracomment>
        <translation>I due segni non sono nello stesso viaggio.</translation>
    </message>
    <message id="326">
        <source>A clip is being exported.</source>
        <extracomment>E pressed while an export runs</extracomment>
        <translation>È in corso l&apos;esportazione di una clip.</translation>
    </message>
    <message id="327">
        <source>The rear camera&apos;s file is missing for part of the range: the clip shows the front camera only.</source>
        <extracomment>after the export</extracomment>
        <translation>Manca il file della telecamera posteriore per parte dell&apos;intervallo: la clip mostra solo la telecamera anteriore.</translation>
    </message>
    <message id="328">
        <source>The front camera&apos;s file is missing for part of the range: the clip shows the rear camera only.</source>
        <extracomment>after the export</extracomment>
        <translation>Manca il file della telecamera anteriore per parte dell&apos;intervallo: la clip mostra solo la telecamera posteriore.</translation>
    </message>
    <message id="329">
        <source>MP4 video</source>
        <extracomment>file type in the save dialog</extracomment>
        <translation>Video MP4</translation>
    </message>
    <message id="330">
        <source>Export</source>
        <extracomment>button of the clip export dialog that starts it</extracomment>
        <translation>Esporta</translation>
    </message>
    <message id="400">
        <source>Paused picture back to 1× (wheel: zoom, drag: move)</source>
        <extracomment>list of keys: the 0 key returns a zoomed paused picture to its normal size</extracomment>
        <translation>Immagine in pausa di nuovo a 1× (rotella: zoom, trascinare: spostare)</translation>
    </message>
    <message id="401">
        <source>frame %1</source>
        <extracomment>beside the time on a paused picture: its number in the recording, %1 the number</extracomment>
        <translation>fotogramma %1</translation>
    </message>
    <message id="500">
        <source>%1 of %2 files</source>
        <extracomment>progress of a file operation: files done of all</extracomment>
        <translation>%1 di %2 file</translation>
    </message>
    <message id="501">
        <source>%1 of %2 at %3/s, %4 left</source>
        <extracomment>progress: bytes done of all, speed per second, time left</extracomment>
        <translation>%1 di %2 a %3/s, mancano %4</translation>
    </message>
    <message id="502">
        <source>Writing to the device…</source>
        <extracomment>progress: the copies are being flushed to the disk</extracomment>
        <translation>Scrittura sul dispositivo…</translation>
    </message>
    <message id="503">
        <source>Copying recordings</source>
        <extracomment>caption: copy in progress and its report</extracomment>
        <translation>Copia delle registrazioni</translation>
    </message>
    <message id="504">
        <source>Deleting recordings</source>
        <extracomment>caption: delete in progress and its report</extracomment>
        <translation>Eliminazione delle registrazioni</translation>
    </message>
    <message id="505">
        <source>Locking recordings</source>
        <extracomment>caption: lock in progress and its report</extracomment>
        <translation>Blocco delle registrazioni</translation>
    </message>
    <message id="506">
        <source>Unlocking recordings</source>
        <extracomment>caption: unlock in progress and its report</extracomment>
        <translation>Sblocco delle registrazioni</translation>
    </message>
    <message id="507">
        <source>Copied %1 of %2 files (%3).</source>
        <extracomment>report of a copy: files copied, files planned, size copied</extracomment>
        <translation>Copiati %1 di %2 file (%3).</translation>
    </message>
    <message id="508">
        <source>Deleted %1 of %2 files.</source>
        <extracomment>report of a delete</extracomment>
        <translation>Eliminati %1 di %2 file.</translation>
    </message>
    <message id="509">
        <source>Locked %1 of %2 files.</source>
        <extracomment>report of a lock</extracomment>
        <translation>Bloccati %1 di %2 file.</translation>
    </message>
    <message id="510">
        <source>Unlocked %1 of %2 files.</source>
        <extracomment>report of an unlock</extracomment>
        <translation>Sbloccati %1 di %2 file.</translation>
    </message>
    <message id="511">
        <source>Cancelled: %1 files were not handled.</source>
        <extracomment>report: files not reached because the user pressed Cancel</extracomment>
        <translation>Annullato: %1 file non sono stati elaborati.</translation>
    </message>
    <message id="512">
        <source>Kept because they are locked: %1 files.</source>
        <extracomment>report of a delete: read-only files that stay</extracomment>
        <translation>Conservati perché bloccati: %1 file.</translation>
    </message>
    <message id="513">
        <source>Existing files kept as you chose: %1.</source>
        <extracomment>report of a copy: files the user chose not to overwrite</extracomment>
        <translation>File esistenti conservati come scelto: %1.</translation>
    </message>
    <message id="514">
        <source>Not done:</source>
        <extracomment>report: heading of the list of failed files</extracomment>
        <translation>Non eseguito:</translation>
    </message>
    <message id="515">
        <source>cannot create the folder</source>
        <extracomment>failure step</extracomment>
        <translation>impossibile creare la cartella</translation>
    </message>
    <message id="516">
        <source>cannot copy</source>
        <extracomment>failure step</extracomment>
        <translation>impossibile copiare</translation>
    </message>
    <message id="517">
        <source>cannot delete</source>
        <extracomment>failure step</extracomment>
        <translation>impossibile eliminare</translation>
    </message>
    <message id="518">
        <source>cannot lock</source>
        <extracomment>failure step</extracomment>
        <translation>impossibile bloccare</translation>
    </message>
    <message id="519">
        <source>cannot unlock</source>
        <extracomment>failure step</extracomment>
        <translation>impossibile sbloccare</translation>
    </message>
    <message id="520">
        <source>the target is full</source>
        <extracomment>failure reason (disk full)</extracomment>
        <translation>la destinazione è piena</translation>
    </message>
    <message id="521">
        <source>permission denied</source>
        <extracomment>failure reason</extracomment>
        <translation>permesso negato</translation>
    </message>
    <message id="522">
        <source>the disk is write-protected</source>
        <extracomment>failure reason (read-only medium)</extracomment>
        <translation>il disco è protetto da scrittura</translation>
    </message>
    <message id="523">
        <source>the file no longer exists</source>
        <extracomment>failure reason</extracomment>
        <translation>il file non esiste più</translation>
    </message>
    <message id="524">
        <source>read or write error (was the card removed?)</source>
        <extracomment>failure reason (input/output error)</extracomment>
        <translation>errore di lettura o scrittura (la scheda è stata rimossa?)</translation>
    </message>
    <message id="525">
        <source>a file stands where a folder should be</source>
        <extracomment>failure reason</extracomment>
        <translation>c’è un file dove dovrebbe esserci una cartella</translation>
    </message>
    <message id="526">
        <source>too large for the target&apos;s file system</source>
        <extracomment>failure reason (file over the file system's size limit)</extracomment>
        <translation>troppo grande per il file system della destinazione</translation>
    </message>
    <message id="527">
        <source>system error %1</source>
        <extracomment>failure reason: any other system error, %1 = code and system text</extracomment>
        <translation>errore di sistema %1</translation>
    </message>
    <message id="600">
        <source>Looking for incidents… %1 / %2</source>
        <extracomment>progress line below the lists while the recordings are searched for jolts and hard brakings: done / total</extracomment>
        <translation>Ricerca degli incidenti… %1 / %2</translation>
    </message>
    <message id="601">
        <source>Incidents</source>
        <extracomment>title of the list of every incident (jolt or hard braking) of the card</extracomment>
        <translation>Incidenti</translation>
    </message>
    <message id="602">
        <source>Incidents…</source>
        <extracomment>menu entry opening the list of incidents</extracomment>
        <translation>Incidenti…</translation>
    </message>
    <message id="603">
        <source>Date and time</source>
        <extracomment>incidents list: column of the incident&apos;s date and time</extracomment>
        <translation>Data e ora</translation>
    </message>
    <message id="604">
        <source>Drive</source>
        <extracomment>incidents list: column of the drive (group of recordings) it belongs to</extracomment>
        <translation>Tragitto</translation>
    </message>
    <message id="605">
        <source>Kind</source>
        <extracomment>incidents list: column of the kind of incident</extracomment>
        <translation>Tipo</translation>
    </message>
    <message id="606">
        <source>Strength</source>
        <extracomment>incidents list: column of its strength (g or m/s²)</extracomment>
        <translation>Intensità</translation>
    </message>
    <message id="607">
        <source>Speed</source>
        <extracomment>incidents list: column of the vehicle&apos;s speed at that moment</extracomment>
        <translation>Velocità</translation>
    </message>
    <message id="608">
        <source>Jolt</source>
        <extracomment>kind of incident: a sudden shock seen by the G-sensor</extracomment>
        <translation>Urto</translation>
    </message>
    <message id="609">
        <source>Hard braking</source>
        <extracomment>kind of incident: the vehicle slowed down very sharply (GPS speed)</extracomment>
        <translation>Frenata brusca</translation>
    </message>
    <message id="610">
        <source>All kinds</source>
        <extracomment>incidents list: filter entry showing every kind</extracomment>
        <translation>Tutti i tipi</translation>
    </message>
    <message id="611">
        <source>Export list…</source>
        <extracomment>incidents list: button that saves the list as a CSV file</extracomment>
        <translation>Esporta elenco…</translation>
    </message>
    <message id="612">
        <source>Close</source>
        <extracomment>incidents list: button closing the list</extracomment>
        <translation>Chiudi</translation>
    </message>
    <message id="613">
        <source>List of the card&apos;s incidents</source>
        <extracomment>list of keys: L opens the list of every incident of the card</extracomment>
        <translation>Elenco degli incidenti della scheda</translation>
    </message>
    <message id="614">
        <source>The list could not be written: %1</source>
        <extracomment>incidents list: the CSV file could not be saved; %1 = the system&apos;s reason</extracomment>
        <translation>Impossibile scrivere l&apos;elenco: %1</translation>
    </message>
    <message id="615">
        <source>File</source>
        <extracomment>incidents list: column of the recording&apos;s file name</extracomment>
        <translation>File</translation>
    </message>
    <message id="616">
        <source>No incidents found on this card.</source>
        <extracomment>incidents list: shown when the card holds no incident</extracomment>
        <translation>Nessun incidente trovato su questa scheda.</translation>
    </message>
    <message id="800">
        <source>Incident report</source>
        <extracomment>title of the incident report (the PDF and its dialog)</extracomment>
        <translation>Rapporto sull’incidente</translation>
    </message>
    <message id="801">
        <source>What</source>
        <extracomment>incident report: label of what happened</extracomment>
        <translation>Cosa</translation>
    </message>
    <message id="802">
        <source>When</source>
        <extracomment>incident report: label of the date and local time</extracomment>
        <translation>Quando</translation>
    </message>
    <message id="803">
        <source>Where</source>
        <extracomment>incident report: label of the position</extracomment>
        <translation>Dove</translation>
    </message>
    <message id="804">
        <source>Speed</source>
        <extracomment>incident report: label and column of the GPS speed</extracomment>
        <translation>Velocità</translation>
    </message>
    <message id="805">
        <source>Heading</source>
        <extracomment>incident report: label and column of the course over ground</extracomment>
        <translation>Direzione</translation>
    </message>
    <message id="806">
        <source>G-sensor</source>
        <extracomment>incident report: label of the G-sensor&apos;s three axes</extracomment>
        <translation>Sensore G</translation>
    </message>
    <message id="807">
        <source>Jolt, %1 g</source>
        <extracomment>incident report: what happened; %1 = the jolt&apos;s strength in g</extracomment>
        <translation>Scossone, %1 g</translation>
    </message>
    <message id="808">
        <source>Hard braking, %1 m/s²</source>
        <extracomment>incident report: what happened; %1 = the largest deceleration</extracomment>
        <translation>Frenata brusca, %1 m/s²</translation>
    </message>
    <message id="809">
        <source>Marked by the user</source>
        <extracomment>incident report: what happened when no incident was found within 3 s of the moment</extracomment>
        <translation>Segnato dall’utente</translation>
    </message>
    <message id="810">
        <source>near %1 (%2 km)</source>
        <extracomment>incident report: the nearest town; %1 = town and country code, %2 = distance</extracomment>
        <translation>vicino a %1 (%2 km)</translation>
    </message>
    <message id="811">
        <source>No GPS fix at this moment.</source>
        <extracomment>incident report: a gap - no valid GPS position at the moment</extracomment>
        <translation>Nessuna posizione GPS in questo momento.</translation>
    </message>
    <message id="812">
        <source>The recording holds no G-sensor data.</source>
        <extracomment>incident report: a gap - no G-sensor samples</extracomment>
        <translation>La registrazione non contiene dati del sensore G.</translation>
    </message>
    <message id="813">
        <source>The rear camera&apos;s file is missing: %1</source>
        <extracomment>incident report: a gap; %1 = the front camera&apos;s file name</extracomment>
        <translation>Manca il file della telecamera posteriore: %1</translation>
    </message>
    <message id="814">
        <source>The front camera&apos;s file is missing: %1</source>
        <extracomment>incident report: a gap; %1 = the rear camera&apos;s file name</extracomment>
        <translation>Manca il file della telecamera anteriore: %1</translation>
    </message>
    <message id="815">
        <source>Front camera</source>
        <extracomment>incident report: the row of the front camera&apos;s stills; the files list</extracomment>
        <translation>Telecamera anteriore</translation>
    </message>
    <message id="816">
        <source>Rear camera</source>
        <extracomment>incident report: the row of the rear camera&apos;s stills; the files list</extracomment>
        <translation>Telecamera posteriore</translation>
    </message>
    <message id="817">
        <source>Track, %1 s either side</source>
        <extracomment>incident report: title of the map; %1 = seconds before and after the moment</extracomment>
        <translation>Percorso, %1 s prima e dopo</translation>
    </message>
    <message id="818">
        <source>Speed (km/h), %1 s either side</source>
        <extracomment>incident report: title of the speed curve; %1 = seconds before and after</extracomment>
        <translation>Velocità (km/h), %1 s prima e dopo</translation>
    </message>
    <message id="819">
        <source>G-sensor (g), %1 s either side</source>
        <extracomment>incident report: title of the G-sensor curves; %1 = seconds before and after</extracomment>
        <translation>Sensore G (g), %1 s prima e dopo</translation>
    </message>
    <message id="820">
        <source>Telemetry, second by second</source>
        <extracomment>incident report: title of the second page&apos;s table</extracomment>
        <translation>Telemetria, secondo per secondo</translation>
    </message>
    <message id="821">
        <source>Time</source>
        <extracomment>incident report: column of the seconds from the moment</extracomment>
        <translation>Tempo</translation>
    </message>
    <message id="822">
        <source>Local time</source>
        <extracomment>incident report: column of the recorder&apos;s local date and time</extracomment>
        <translation>Ora locale</translation>
    </message>
    <message id="823">
        <source>Latitude</source>
        <extracomment>incident report: column of the latitude</extracomment>
        <translation>Latitudine</translation>
    </message>
    <message id="824">
        <source>Longitude</source>
        <extracomment>incident report: column of the longitude</extracomment>
        <translation>Longitudine</translation>
    </message>
    <message id="825">
        <source>The original recordings</source>
        <extracomment>incident report: title of the list of copied recording files</extracomment>
        <translation>Le registrazioni originali</translation>
    </message>
    <message id="827">
        <source>Path on the card</source>
        <extracomment>incident report: where an original file was read from</extracomment>
        <translation>Percorso sulla scheda</translation>
    </message>
    <message id="828">
        <source>Size</source>
        <extracomment>incident report: an original file&apos;s size</extracomment>
        <translation>Dimensione</translation>
    </message>
    <message id="829">
        <source>Modified</source>
        <extracomment>incident report: an original file&apos;s modification time</extracomment>
        <translation>Modificato</translation>
    </message>
    <message id="830">
        <source>Files made for this report</source>
        <extracomment>incident report: title of the hashes of the clip, stills and track</extracomment>
        <translation>File creati per questo rapporto</translation>
    </message>
    <message id="831">
        <source>Made with %1 on %2</source>
        <extracomment>incident report: %1 = program and version, %2 = date and time (UTC)</extracomment>
        <translation>Creato con %1 il %2</translation>
    </message>
    <message id="832">
        <source>How to check this pack: open a terminal in its folder and run the command below. Every line must end in OK; a file that was changed or is missing is named.</source>
        <extracomment>incident report: the last page; the command follows on its own line</extracomment>
        <translation>Come verificare questo pacchetto: aprire un terminale nella sua cartella ed eseguire il comando qui sotto. Ogni riga deve terminare con OK; un file modificato o mancante viene indicato.</translation>
    </message>
    <message id="833">
        <source>Recording</source>
        <extracomment>incident report: label of the recording file and the moment in it</extracomment>
        <translation>Registrazione</translation>
    </message>
    <message id="834">
        <source>Page %1 of %2</source>
        <extracomment>incident report: page number; %1 = this page, %2 = pages in all</extracomment>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message id="835">
        <source>The range was shortened: the drive begins %1 s before the moment.</source>
        <extracomment>incident report: a gap; %1 = seconds</extracomment>
        <translation>L’intervallo è stato accorciato: il viaggio inizia %1 s prima del momento.</translation>
    </message>
    <message id="836">
        <source>The range was shortened: the drive ends %1 s after the moment.</source>
        <extracomment>incident report: a gap; %1 = seconds</extracomment>
        <translation>L’intervallo è stato accorciato: il viaggio termina %1 s dopo il momento.</translation>
    </message>
    <message id="837">
        <source>%1 bytes</source>
        <extracomment>incident report: a file&apos;s size; %1 = the number of bytes</extracomment>
        <translation>%1 byte</translation>
    </message>
    <message id="838">
        <source>No GPS fix in this stretch: no track to draw.</source>
        <extracomment>incident report: shown in the map&apos;s place</extracomment>
        <translation>Nessuna posizione GPS in questo tratto: nessun percorso da disegnare.</translation>
    </message>
    <message id="839">
        <source>Range</source>
        <extracomment>incident report: label of the range the clip and the originals cover</extracomment>
        <translation>Intervallo</translation>
    </message>
    <message id="840">
        <source>Gaps in the recording</source>
        <extracomment>incident report: label of what the recording lacks (missing file, no GPS, no G-sensor)</extracomment>
        <translation>Lacune della registrazione</translation>
    </message>
    <message id="841">
        <source>No picture</source>
        <extracomment>incident report: shown where a camera has no picture at that moment</extracomment>
        <translation>Nessuna immagine</translation>
    </message>
    <message id="850">
        <source>Incident report…</source>
        <extracomment>right-click menu and incidents list: make an incident pack (PDF, clip, stills, originals, hashes)</extracomment>
        <translation>Rapporto sull’incidente…</translation>
    </message>
    <message id="851">
        <source>Seconds before</source>
        <extracomment>incident report dialog: seconds of the range before the moment</extracomment>
        <translation>Secondi prima</translation>
    </message>
    <message id="852">
        <source>Seconds after</source>
        <extracomment>incident report dialog: seconds of the range after the moment</extracomment>
        <translation>Secondi dopo</translation>
    </message>
    <message id="853">
        <source>Folder</source>
        <extracomment>incident report dialog: the new folder of the pack</extracomment>
        <translation>Cartella</translation>
    </message>
    <message id="854">
        <source>Make report</source>
        <extracomment>incident report dialog: the button that starts the work</extracomment>
        <translation>Crea rapporto</translation>
    </message>
    <message id="855">
        <source>Making the incident report…</source>
        <extracomment>progress of the incident report</extracomment>
        <translation>Creazione del rapporto sull’incidente…</translation>
    </message>
    <message id="856">
        <source>The incident report has been made:
%1</source>
        <extracomment>incident report finished; %1 = the pack&apos;s folder</extracomment>
        <translation>Il rapporto sull’incidente è stato creato:
%1</translation>
    </message>
    <message id="857">
        <source>The incident report could not be made.
%1</source>
        <extracomment>incident report failed; %1 = the reason</extracomment>
        <translation>Impossibile creare il rapporto sull’incidente.
%1</translation>
    </message>
    <message id="858">
        <source>The report was cancelled. No folder was left behind.</source>
        <extracomment>incident report cancelled</extracomment>
        <translation>Il rapporto è stato annullato. Nessuna cartella è rimasta.</translation>
    </message>
    <message id="859">
        <source>Choose a folder that does not exist yet or is empty.</source>
        <extracomment>incident report dialog: the chosen folder holds files</extracomment>
        <translation>Scegliere una cartella che non esiste ancora o è vuota.</translation>
    </message>
    <message id="860">
        <source>An incident report is being made.</source>
        <extracomment>incident report: asked for a second one while one runs</extracomment>
        <translation>È in corso la creazione di un rapporto sull’incidente.</translation>
    </message>
    <message id="861">
        <source>Moment</source>
        <extracomment>incident report dialog: the recording and the time the report is about</extracomment>
        <translation>Momento</translation>
    </message>
    <message id="862">
        <source>Writing the clip…</source>
        <extracomment>incident report progress: the clip is encoded</extracomment>
        <translation>Scrittura della clip…</translation>
    </message>
    <message id="863">
        <source>Copying and checking the original recordings…</source>
        <extracomment>incident report progress: the originals are copied and read back</extracomment>
        <translation>Copia e verifica delle registrazioni originali…</translation>
    </message>
    <message id="864">
        <source>Drawing the report…</source>
        <extracomment>incident report progress: stills, track and PDF</extracomment>
        <translation>Disegno del rapporto…</translation>
    </message>
    <message id="865">
        <source>Gaps in the recording:</source>
        <extracomment>incident report finished: followed by the missing file, GPS or G-sensor data</extracomment>
        <translation>Lacune della registrazione:</translation>
    </message>
    <message id="730">
        <source>%1 cannot be opened: the steps stay in this recording</source>
        <extracomment>paused review, after the steps went on into the next or previous recording: that recording&apos;s file (%1, its name) cannot be opened, so the picture shown stays</extracomment>
        <translation>Impossibile aprire %1: i passi restano in questa registrazione</translation>
    </message>
    <message id="731">
        <source>picture %1 cannot be decoded</source>
        <extracomment>paused review: a picture the decoder cannot give out, %1 its number in the recording</extracomment>
        <translation>impossibile decodificare il fotogramma %1</translation>
    </message>
    <message id="732">
        <source>%1 cannot be opened</source>
        <extracomment>paused review: the camera&apos;s file (%1, its name) cannot be opened; the pane is black</extracomment>
        <translation>Impossibile aprire %1</translation>
    </message>
    <message id="733">
        <source>this recording has no rear file</source>
        <extracomment>paused review, in another recording than the one played: the rear pane is black because the recording has no rear camera file</extracomment>
        <translation>questa registrazione non ha un file posteriore</translation>
    </message>
    <message id="734">
        <source>this recording has no front file</source>
        <extracomment>paused review, in another recording than the one played: the front pane is black because the recording has no front camera file</extracomment>
        <translation>questa registrazione non ha un file anteriore</translation>
    </message>
    <message id="770">
        <source>Far more telemetry records than the recording&apos;s length allows</source>
        <extracomment>reason</extracomment>
        <translation>Molti più record di telemetria di quanti la durata della registrazione ne consenta</translation>
    </message>
    <message id="771">
        <source>%1 folders could not be read</source>
        <extracomment>note below the lists: folders the scan could not read, so recordings may be missing</extracomment>
        <translation>Impossibile leggere %1 cartelle</translation>
    </message>
    <message id="772">
        <source>1 folder could not be read</source>
        <extracomment>note below the lists: one folder the scan could not read</extracomment>
        <translation>Impossibile leggere 1 cartella</translation>
    </message>
    <message id="773">
        <source>Far more boxes than any recording has</source>
        <extracomment>reason</extracomment>
        <translation>Molti più box di quanti ne abbia qualsiasi registrazione</translation>
    </message>
    <message id="750">
        <source>The folder %s lies inside the folders being viewed. Please choose a folder outside them.</source>
        <extracomment>copy refused: the chosen target folder is inside the scanned folder tree</extracomment>
        <translation>La cartella %s si trova dentro le cartelle visualizzate. Scegliere una cartella esterna.</translation>
    </message>
    <message id="751">
        <source>The folder %s is on the memory card being viewed. Please choose a folder on another disk.</source>
        <extracomment>copy refused: the chosen target folder is on the recorder&apos;s memory card</extracomment>
        <translation>La cartella %s è sulla scheda di memoria visualizzata. Scegliere una cartella su un altro disco.</translation>
    </message>
    <message id="752">
        <source>The copies need %1 MB, but only %2 MB are free in %s.</source>
        <extracomment>copy refused: not enough free space at the target; %1 and %2 are megabytes</extracomment>
        <translation>Le copie richiedono %1 MB, ma in %s sono liberi solo %2 MB.</translation>
    </message>
    <message id="900">
        <source>Drives</source>
        <extracomment>drives window: caption</extracomment>
        <translation>Viaggi</translation>
    </message>
    <message id="901">
        <source>Drives…</source>
        <extracomment>window menu: opens the drives window</extracomment>
        <translation>Viaggi…</translation>
    </message>
    <message id="902">
        <source>Every drive of every card</source>
        <extracomment>key list: what key D does</extracomment>
        <translation>Tutti i viaggi di tutte le schede</translation>
    </message>
    <message id="903">
        <source>Card</source>
        <extracomment>drives window: column, the card or folder of a drive</extracomment>
        <translation>Scheda</translation>
    </message>
    <message id="904">
        <source>Date</source>
        <extracomment>drives window: column</extracomment>
        <translation>Data</translation>
    </message>
    <message id="905">
        <source>Start</source>
        <extracomment>drives window: column, start time</extracomment>
        <translation>Inizio</translation>
    </message>
    <message id="906">
        <source>End</source>
        <extracomment>drives window: column, end time</extracomment>
        <translation>Fine</translation>
    </message>
    <message id="907">
        <source>Duration</source>
        <extracomment>drives window: column</extracomment>
        <translation>Durata</translation>
    </message>
    <message id="908">
        <source>Distance</source>
        <extracomment>drives window: column</extracomment>
        <translation>Distanza</translation>
    </message>
    <message id="909">
        <source>Max. speed</source>
        <extracomment>drives window: column, top speed</extracomment>
        <translation>Velocità max</translation>
    </message>
    <message id="910">
        <source>Incidents</source>
        <extracomment>drives window: column, jolts and hard brakings</extracomment>
        <translation>Eventi</translation>
    </message>
    <message id="911">
        <source>From → To</source>
        <extracomment>drives window: column, towns of start and end</extracomment>
        <translation>Da → a</translation>
    </message>
    <message id="912">
        <source>Dates</source>
        <extracomment>drives window: filter check box, only drives between two dates</extracomment>
        <translation>Date</translation>
    </message>
    <message id="913">
        <source>to</source>
        <extracomment>drives window: between the two dates of the filter</extracomment>
        <translation>a</translation>
    </message>
    <message id="914">
        <source>Town or card</source>
        <extracomment>drives window: placeholder of the text filter</extracomment>
        <translation>Città o scheda</translation>
    </message>
    <message id="915">
        <source>Only drives with incidents</source>
        <extracomment>drives window: filter check box</extracomment>
        <translation>Solo viaggi con eventi</translation>
    </message>
    <message id="916">
        <source>%1 drives, %2, %3 driving</source>
        <extracomment>drives window: totals of the rows shown (count, distance, time)</extracomment>
        <translation>%1 viaggi, %2, %3 di guida</translation>
    </message>
    <message id="917">
        <source>Keep on this computer…</source>
        <extracomment>drives window: button, copies the selected drives</extracomment>
        <translation>Conserva su questo computer…</translation>
    </message>
    <message id="918">
        <source>Close</source>
        <extracomment>drives window: button</extracomment>
        <translation>Chiudi</translation>
    </message>
    <message id="919">
        <source>Choose the folder to keep the drives in</source>
        <extracomment>folder dialog: caption, where kept drives go</extracomment>
        <translation>Scegli la cartella in cui conservare i viaggi</translation>
    </message>
    <message id="920">
        <source>Keeping drives</source>
        <extracomment>keep progress: caption, also of its report</extracomment>
        <translation>Conservazione dei viaggi</translation>
    </message>
    <message id="921">
        <source>Kept %1 of %2 files (%3), each verified.</source>
        <extracomment>keep report: files copied, files chosen, size</extracomment>
        <translation>Conservati %1 di %2 file (%3), ciascuno verificato.</translation>
    </message>
    <message id="922">
        <source>%1 files were kept already and were not copied again.</source>
        <extracomment>keep report</extracomment>
        <translation>%1 file erano già conservati e non sono stati copiati di nuovo.</translation>
    </message>
    <message id="923">
        <source>Not kept:</source>
        <extracomment>keep report: heading of the files that failed</extracomment>
        <translation>Non conservati:</translation>
    </message>
    <message id="924">
        <source>Cancelled: %1 files were not kept.</source>
        <extracomment>keep report</extracomment>
        <translation>Annullato: %1 file non sono stati conservati.</translation>
    </message>
    <message id="925">
        <source>The files of this drive are not here. They are on %1 (last seen in %2).</source>
        <extracomment>drives window: a drive whose card is not inserted; %1 card, %2 folder</extracomment>
        <translation>I file di questo viaggio non sono qui. Si trovano su %1 (visti l'ultima volta in %2).</translation>
    </message>
    <message id="926">
        <source>The drive catalogue could not be opened: %1</source>
        <extracomment>drives window: error, %1 the reason</extracomment>
        <translation>Impossibile aprire il catalogo dei viaggi: %1</translation>
    </message>
    <message id="927">
        <source>%1 km</source>
        <extracomment>unit: kilometres</extracomment>
        <translation>%1 km</translation>
    </message>
    <message id="928">
        <source>%1 mi</source>
        <extracomment>unit: miles</extracomment>
        <translation>%1 mi</translation>
    </message>
    <message id="929">
        <source>%1 km/h</source>
        <extracomment>unit: kilometres an hour</extracomment>
        <translation>%1 km/h</translation>
    </message>
    <message id="930">
        <source>%1 mph</source>
        <extracomment>unit: miles an hour</extracomment>
        <translation>%1 mph</translation>
    </message>
    <message id="931">
        <source>Copying and verifying %1</source>
        <extracomment>keep progress: the file at hand</extracomment>
        <translation>Copia e verifica di %1</translation>
    </message>
    <message id="932">
        <source>Cancel</source>
        <extracomment>keep progress: button</extracomment>
        <translation>Annulla</translation>
    </message>
    <message id="933">
        <source>No drives yet: every card or folder opened is listed here.</source>
        <extracomment>drives window: shown while the catalogue is empty</extracomment>
        <translation>Ancora nessun viaggio: ogni scheda o cartella aperta compare qui.</translation>
    </message>
    <message id="934">
        <source>Adding drives to the catalogue…</source>
        <extracomment>drives window: while a scan's drives are being recorded</extracomment>
        <translation>Aggiunta dei viaggi al catalogo…</translation>
    </message>
    <message id="700">
        <source>A file named %1 already exists. Replace it?</source>
        <extracomment>clip export: the file typed in the dialog is there already; %1 its path</extracomment>
        <translation>Esiste già un file chiamato %1. Sostituirlo?</translation>
    </message>
    <message id="701">
        <source>Replace</source>
        <extracomment>clip export: button that replaces the existing file</extracomment>
        <translation>Sostituisci</translation>
    </message>
    <message id="702">
        <source>Size</source>
        <extracomment>clip export: picture size of the clip</extracomment>
        <translation>Dimensioni</translation>
    </message>
    <message id="703">
        <source>For sharing (at most 1920 pixels wide)</source>
        <extracomment>clip export: size choice, smaller pictures for sending on</extracomment>
        <translation>Per la condivisione (al massimo 1920 pixel di larghezza)</translation>
    </message>
    <message id="704">
        <source>Full size (for evidence)</source>
        <extracomment>clip export: size choice, the cameras&apos; own size</extracomment>
        <translation>Dimensioni piene (come prova)</translation>
    </message>
    <message id="705">
        <source>Estimated file size</source>
        <extracomment>clip export: label before the expected size of the file</extracomment>
        <translation>Dimensione stimata del file</translation>
    </message>
    <message id="706">
        <source>About %1 MB (%2 × %3 pixels)</source>
        <extracomment>clip export: %1 megabytes, %2 x %3 the clip&apos;s width and height</extracomment>
        <translation>Circa %1 MB (%2 × %3 pixel)</translation>
    </message>
    <message id="707">
        <source>Unknown</source>
        <extracomment>clip export: the file size cannot be estimated</extracomment>
        <translation>Sconosciuta</translation>
    </message>
    <message id="708">
        <source>Notes:</source>
        <extracomment>clip export: heading of what the export noticed, listed in English below it</extracomment>
        <translation>Note:</translation>
    </message>
</context>
</TS>
