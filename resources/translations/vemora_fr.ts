<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Vemora Viewer...</source>
        <extracomment>About entry</extracomment>
        <translation>À &amp;propos de Vemora Viewer...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <extracomment>player error message</extracomment>
        <translation>Le lecteur multimédia a rencontré une erreur.</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <extracomment>start-up failure</extracomment>
        <translation>Échec de l&apos;initialisation des sockets Windows.</translation>
    </message>
    <message id="104">
        <source>Select a media</source>
        <extracomment>source selection dialog title</extracomment>
        <translation>Sélectionner un support</translation>
    </message>
    <message id="105">
        <source>Google Map</source>
        <extracomment>map list entry, configuration dialog</extracomment>
        <translation>Carte Google</translation>
    </message>
    <message id="106">
        <source>China Map</source>
        <extracomment>map list entry, configuration dialog</extracomment>
        <translation>Carte de Chine</translation>
    </message>
    <message id="107">
        <source>OK</source>
        <extracomment>OK buttons</extracomment>
        <translation>OK</translation>
    </message>
    <message id="108">
        <source>Cancel</source>
        <extracomment>Cancel buttons</extracomment>
        <translation>Annuler</translation>
    </message>
    <message id="109">
        <source>Apply</source>
        <extracomment>Apply buttons</extracomment>
        <translation>Appliquer</translation>
    </message>
    <message id="110">
        <source>Config</source>
        <extracomment>configuration dialog title</extracomment>
        <translation>Configuration</translation>
    </message>
    <message id="111">
        <source>Disk</source>
        <extracomment>source selection dialog</extracomment>
        <translation>Disque</translation>
    </message>
    <message id="112">
        <source>Folder</source>
        <extracomment>source selection dialog</extracomment>
        <translation>Dossier</translation>
    </message>
    <message id="113">
        <source>File</source>
        <extracomment>source selection dialog</extracomment>
        <translation>Fichier</translation>
    </message>
    <message id="114">
        <source>Select language</source>
        <extracomment>language group, configuration dialog</extracomment>
        <translation>Choisir la langue</translation>
    </message>
    <message id="115">
        <source>Select map</source>
        <extracomment>map group, configuration dialog</extracomment>
        <translation>Choisir la carte</translation>
    </message>
    <message id="116">
        <source>Group</source>
        <extracomment>list column</extracomment>
        <translation>Groupe</translation>
    </message>
    <message id="117">
        <source>Resolution</source>
        <extracomment>list column</extracomment>
        <translation>Résolution</translation>
    </message>
    <message id="118">
        <source>Start Time</source>
        <extracomment>list column</extracomment>
        <translation>Heure de début</translation>
    </message>
    <message id="119">
        <source>Length</source>
        <extracomment>list column</extracomment>
        <translation>Durée</translation>
    </message>
    <message id="120">
        <source>File Size</source>
        <extracomment>list column</extracomment>
        <translation>Taille du fichier</translation>
    </message>
    <message id="121">
        <source>ID</source>
        <extracomment>list column</extracomment>
        <translation>ID</translation>
    </message>
    <message id="122">
        <source>File Name</source>
        <extracomment>list column</extracomment>
        <translation>Nom du fichier</translation>
    </message>
    <message id="123">
        <source>End Time</source>
        <extracomment>list column</extracomment>
        <translation>Heure de fin</translation>
    </message>
    <message id="124">
        <source>Folder</source>
        <extracomment>list column</extracomment>
        <translation>Dossier</translation>
    </message>
    <message id="125">
        <source>Save KML file: %s OK.</source>
        <extracomment>KML export result</extracomment>
        <translation>Fichier KML %s enregistré.</translation>
    </message>
    <message id="126">
        <source>Save KML file:%s Failed.</source>
        <extracomment>KML export result</extracomment>
        <translation>Échec de l&apos;enregistrement du fichier KML %s.</translation>
    </message>
    <message id="127">
        <source>Save KML</source>
        <extracomment>KML export</extracomment>
        <translation>Enregistrer en KML</translation>
    </message>
    <message id="128">
        <source>Delete Files</source>
        <extracomment>delete confirmation caption</extracomment>
        <translation>Supprimer des fichiers</translation>
    </message>
    <message id="129">
        <source>Are you sure to delete the checked files?</source>
        <extracomment>delete confirmation</extracomment>
        <translation>Voulez-vous vraiment supprimer les fichiers cochés&#xa0;?</translation>
    </message>
    <message id="130">
        <source>Select a folder</source>
        <extracomment>folder picker title</extracomment>
        <translation>Sélectionner un dossier</translation>
    </message>
    <message id="131">
        <source>Warning</source>
        <extracomment>caption of warning message boxes</extracomment>
        <translation>Avertissement</translation>
    </message>
    <message id="132">
        <source>Folder is not exist.</source>
        <extracomment>copy target folder missing</extracomment>
        <translation>Le dossier n&apos;existe pas.</translation>
    </message>
    <message id="133">
        <source>Loading video component failed. Please reinstall this program again.</source>
        <extracomment>video library failed to load</extracomment>
        <translation>Le chargement du composant vidéo a échoué. Veuillez réinstaller ce programme.</translation>
    </message>
    <message id="134">
        <source>Play/Pause video</source>
        <extracomment>tooltip of the PLAY button</extracomment>
        <translation>Lecture/pause de la vidéo</translation>
    </message>
    <message id="135">
        <source>No seletected files. Please select some files and try this operation again.</source>
        <extracomment>nothing checked</extracomment>
        <translation>Aucun fichier sélectionné. Sélectionnez des fichiers, puis réessayez.</translation>
    </message>
    <message id="136">
        <source>No files in list.</source>
        <extracomment>empty list</extracomment>
        <translation>Aucun fichier dans la liste.</translation>
    </message>
    <message id="137">
        <source>Set Small Window Size.</source>
        <extracomment>tooltip of the S button</extracomment>
        <translation>Petite taille de fenêtre.</translation>
    </message>
    <message id="138">
        <source>Set Medium Window Size.</source>
        <extracomment>tooltip of the M button</extracomment>
        <translation>Taille de fenêtre moyenne.</translation>
    </message>
    <message id="139">
        <source>Set Large Window Size.</source>
        <extracomment>tooltip of the L button</extracomment>
        <translation>Grande taille de fenêtre.</translation>
    </message>
    <message id="140">
        <source>Confirm to overwrite the file.</source>
        <extracomment>overwrite confirmation caption</extracomment>
        <translation>Confirmer le remplacement du fichier</translation>
    </message>
    <message id="141">
        <source>File &quot;%s&quot; is already exist. Are you sure to overwrite it?</source>
        <extracomment>overwrite confirmation</extracomment>
        <translation>Le fichier «&#xa0;%s&#xa0;» existe déjà. Voulez-vous vraiment le remplacer&#xa0;?</translation>
    </message>
    <message id="142">
        <source>Restore window</source>
        <extracomment>not shown by the program</extracomment>
        <translation>Restaurer la fenêtre</translation>
    </message>
    <message id="143">
        <source>Disable auto play next file feature</source>
        <extracomment>not shown by the program</extracomment>
        <translation>Désactiver la lecture automatique du fichier suivant</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <extracomment>message-box caption when no group is marked</extracomment>
        <translation>Confirmer la sélection des fichiers</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <extracomment>message-box caption when the list is empty</extracomment>
        <translation>OK</translation>
    </message>
    <message id="179">
        <source>Open files</source>
        <extracomment>tooltip of the OPEN button</extracomment>
        <translation>Ouvrir des fichiers</translation>
    </message>
    <message id="180">
        <source>Snapshot</source>
        <extracomment>tooltip of the SNAP button</extracomment>
        <translation>Capture d&apos;image</translation>
    </message>
    <message id="181">
        <source>Save as</source>
        <extracomment>tooltip of the SAVE button</extracomment>
        <translation>Enregistrer sous</translation>
    </message>
    <message id="182">
        <source>Del files</source>
        <extracomment>tooltip of the DEL button</extracomment>
        <translation>Supprimer des fichiers</translation>
    </message>
    <message id="183">
        <source>Configuration</source>
        <extracomment>tooltip of the Conf button</extracomment>
        <translation>Configuration</translation>
    </message>
    <message id="184">
        <source>Slower speed</source>
        <extracomment>tooltip of the SLOW button</extracomment>
        <translation>Ralentir</translation>
    </message>
    <message id="185">
        <source>Stop</source>
        <extracomment>tooltip of the STOP button</extracomment>
        <translation>Arrêt</translation>
    </message>
    <message id="186">
        <source>Faster speed</source>
        <extracomment>tooltip of the FAST button</extracomment>
        <translation>Accélérer</translation>
    </message>
    <message id="187">
        <source>Volume</source>
        <extracomment>tooltip of the volume slider</extracomment>
        <translation>Volume</translation>
    </message>
    <message id="188">
        <source>Volume On/Off</source>
        <extracomment>tooltip of the Vol button</extracomment>
        <translation>Son activé/désactivé</translation>
    </message>
    <message id="189">
        <source>Auto Play next file.</source>
        <extracomment>tooltip of the Loop button</extracomment>
        <translation>Lecture automatique du fichier suivant.</translation>
    </message>
    <message id="190">
        <source>Rotate 180</source>
        <extracomment>tooltip of the FLIP button</extracomment>
        <translation>Rotation de 180°</translation>
    </message>
    <message id="191">
        <source>Save GPS data to KML file</source>
        <extracomment>tooltip of the KML button</extracomment>
        <translation>Enregistrer les données GPS dans un fichier KML</translation>
    </message>
    <message id="192">
        <source>Turn On/Off Map</source>
        <extracomment>tooltip of the MAP button</extracomment>
        <translation>Afficher/masquer la carte</translation>
    </message>
    <message id="193">
        <source>Turn On/Off G-Sensor curve</source>
        <extracomment>tooltip of the GSR button</extracomment>
        <translation>Afficher/masquer la courbe du capteur G</translation>
    </message>
    <message id="194">
        <source>Unlock files</source>
        <extracomment>tooltip of the LOCK button</extracomment>
        <translation>Déverrouiller les fichiers</translation>
    </message>
    <message id="195">
        <source>Close AP</source>
        <extracomment>tooltip of the close button</extracomment>
        <translation>Fermer l&apos;application</translation>
    </message>
    <message id="196">
        <source>Max window</source>
        <extracomment>tooltip of the maximise button</extracomment>
        <translation>Agrandir la fenêtre</translation>
    </message>
    <message id="197">
        <source>Min window</source>
        <extracomment>tooltip of the minimise button</extracomment>
        <translation>Réduire la fenêtre</translation>
    </message>
    <message id="198">
        <source>About</source>
        <extracomment>tooltip of the help button</extracomment>
        <translation>À propos</translation>
    </message>
    <message id="199">
        <source>Change Speed Unit KPH/MPH.</source>
        <extracomment>tooltip of the speed label</extracomment>
        <translation>Changer l&apos;unité de vitesse km/h / mph.</translation>
    </message>
    <message id="200">
        <source>%1 files could not be read</source>
        <extracomment>note below the lists: several files were turned down</extracomment>
        <translation>%1 fichiers n&apos;ont pas pu être lus</translation>
    </message>
    <message id="201">
        <source>1 file could not be read</source>
        <extracomment>note below the lists: one file was turned down</extracomment>
        <translation>1 fichier n&apos;a pas pu être lu</translation>
    </message>
    <message id="202">
        <source>details</source>
        <extracomment>link in the note that opens the list of unreadable files</extracomment>
        <translation>détails</translation>
    </message>
    <message id="203">
        <source>Files that could not be read</source>
        <extracomment>title of the list of unreadable files</extracomment>
        <translation>Fichiers qui n&apos;ont pas pu être lus</translation>
    </message>
    <message id="204">
        <source>File</source>
        <extracomment>column of the list of unreadable files</extracomment>
        <translation>Fichier</translation>
    </message>
    <message id="205">
        <source>Reason</source>
        <extracomment>column of the list of unreadable files</extracomment>
        <translation>Raison</translation>
    </message>
    <message id="206">
        <source>Close</source>
        <extracomment>button of the list of unreadable files and of the list of keys</extracomment>
        <translation>Fermer</translation>
    </message>
    <message id="207">
        <source>The file cannot be opened: %1</source>
        <extracomment>reason: the system refused to open the file; %1 = the system&apos;s words</extracomment>
        <translation>Impossible d&apos;ouvrir le fichier : %1</translation>
    </message>
    <message id="208">
        <source>Not a recording of the recorder</source>
        <extracomment>reason</extracomment>
        <translation>Ce n&apos;est pas un enregistrement de l&apos;enregistreur</translation>
    </message>
    <message id="209">
        <source>Cut short: the file ends before its data does (power cut or full card)</source>
        <extracomment>reason</extracomment>
        <translation>Tronqué : le fichier se termine avant ses données (coupure de courant ou carte pleine)</translation>
    </message>
    <message id="210">
        <source>A video file in a telemetry layout this viewer does not know</source>
        <extracomment>reason</extracomment>
        <translation>Un fichier vidéo dans un format de télémétrie que cette visionneuse ne connaît pas</translation>
    </message>
    <message id="211">
        <source>No movie header</source>
        <extracomment>reason</extracomment>
        <translation>Pas d&apos;en-tête de film</translation>
    </message>
    <message id="212">
        <source>No video track of the recorder</source>
        <extracomment>reason</extracomment>
        <translation>Pas de piste vidéo de l&apos;enregistreur</translation>
    </message>
    <message id="213">
        <source>No picture size</source>
        <extracomment>reason</extracomment>
        <translation>Pas de taille d&apos;image</translation>
    </message>
    <message id="214">
        <source>No duration</source>
        <extracomment>reason</extracomment>
        <translation>Pas de durée</translation>
    </message>
    <message id="215">
        <source>The recorder&apos;s mark is missing</source>
        <extracomment>reason</extracomment>
        <translation>La marque de l&apos;enregistreur est absente</translation>
    </message>
    <message id="220">
        <source>Save GPS data as GPX…</source>
        <extracomment>menu entry of the help button: save the track as GPX</extracomment>
        <translation>Enregistrer les données GPS dans un fichier GPX…</translation>
    </message>
    <message id="221">
        <source>Save GPX file: %s OK.</source>
        <extracomment>GPX export result</extracomment>
        <translation>Fichier GPX %s enregistré.</translation>
    </message>
    <message id="222">
        <source>Save GPX file:%s Failed.</source>
        <extracomment>GPX export result</extracomment>
        <translation>Échec de l&apos;enregistrement du fichier GPX %s.</translation>
    </message>
    <message id="223">
        <source>Save GPX</source>
        <extracomment>GPX export: caption and save dialog title</extracomment>
        <translation>Enregistrer en GPX</translation>
    </message>
    <message id="224">
        <source>Keyboard shortcuts…</source>
        <extracomment>menu entry of the help button: the list of the window's keys</extracomment>
        <translation>Raccourcis clavier…</translation>
    </message>
    <message id="225">
        <source>Keyboard shortcuts</source>
        <extracomment>title of the list of keys</extracomment>
        <translation>Raccourcis clavier</translation>
    </message>
    <message id="226">
        <source>5 seconds back</source>
        <extracomment>list of keys: what the left arrow does</extracomment>
        <translation>Reculer de 5 secondes</translation>
    </message>
    <message id="227">
        <source>5 seconds forward</source>
        <extracomment>list of keys: what the right arrow does</extracomment>
        <translation>Avancer de 5 secondes</translation>
    </message>
    <message id="228">
        <source>30 seconds back</source>
        <extracomment>list of keys: what Shift+left arrow does</extracomment>
        <translation>Reculer de 30 secondes</translation>
    </message>
    <message id="229">
        <source>30 seconds forward</source>
        <extracomment>list of keys: what Shift+right arrow does</extracomment>
        <translation>Avancer de 30 secondes</translation>
    </message>
    <message id="230">
        <source>Pause and step one frame back</source>
        <extracomment>list of keys: what the comma key does</extracomment>
        <translation>Pause et image précédente</translation>
    </message>
    <message id="231">
        <source>Pause and step one frame forward</source>
        <extracomment>list of keys: what the full stop key does</extracomment>
        <translation>Pause et image suivante</translation>
    </message>
    <message id="232">
        <source>Front camera full screen (again to leave)</source>
        <extracomment>list of keys: the F key; pressing it again leaves full screen</extracomment>
        <translation>Caméra avant en plein écran (appuyer à nouveau pour quitter)</translation>
    </message>
    <message id="233">
        <source>To the next jolt of the G-sensor</source>
        <extracomment>list of keys: J jumps to the next shock the G-sensor recorded</extracomment>
        <translation>Aller à la secousse suivante du capteur G</translation>
    </message>
    <message id="234">
        <source>To the previous jolt of the G-sensor</source>
        <extracomment>list of keys: Shift+J jumps to the previous shock the G-sensor recorded</extracomment>
        <translation>Aller à la secousse précédente du capteur G</translation>
    </message>
    <message id="270">
        <source>The folder %s cannot be created.</source>
        <extracomment>export failure: the export folder could not be made</extracomment>
        <translation>Impossible de créer le dossier %s.</translation>
    </message>
    <message id="271">
        <source>The file %s cannot be created.</source>
        <extracomment>export failure: the export file could not be made</extracomment>
        <translation>Impossible de créer le fichier %s.</translation>
    </message>
    <message id="272">
        <source>The file %s could not be written completely.</source>
        <extracomment>export failure: writing the export file failed (it was removed)</extracomment>
        <translation>Le fichier %s n’a pas pu être écrit entièrement.</translation>
    </message>
    <message id="273">
        <source>Permission denied.</source>
        <extracomment>reason of an export failure</extracomment>
        <translation>Permission refusée.</translation>
    </message>
    <message id="274">
        <source>The disk is read-only.</source>
        <extracomment>reason of an export failure</extracomment>
        <translation>Le disque est en lecture seule.</translation>
    </message>
    <message id="275">
        <source>The disk is full.</source>
        <extracomment>reason of an export failure</extracomment>
        <translation>Le disque est plein.</translation>
    </message>
    <message id="276">
        <source>A file of that name is in the way.</source>
        <extracomment>reason of an export failure: a file stands where a folder is needed</extracomment>
        <translation>Un fichier de ce nom est dans le chemin.</translation>
    </message>
    <message id="300">
        <source>Export clip…</source>
        <extracomment>menu entry (right-click the window): export a clip of both cameras</extracomment>
        <translation>Exporter un extrait…</translation>
    </message>
    <message id="301">
        <source>Mark the start of a clip</source>
        <extracomment>list of keys: I marks where an exported clip begins</extracomment>
        <translation>Marquer le début d&apos;un extrait</translation>
    </message>
    <message id="302">
        <source>Mark the end of a clip</source>
        <extracomment>list of keys: O marks where an exported clip ends</extracomment>
        <translation>Marquer la fin d&apos;un extrait</translation>
    </message>
    <message id="303">
        <source>Export a clip of both cameras</source>
        <extracomment>list of keys: E opens the clip export</extracomment>
        <translation>Exporter un extrait des deux caméras</translation>
    </message>
    <message id="304">
        <source>Export clip</source>
        <extracomment>title of the clip export dialog and its messages</extracomment>
        <translation>Exporter un extrait</translation>
    </message>
    <message id="305">
        <source>Start (s)</source>
        <extracomment>clip export: where the clip begins, seconds from the recording&apos;s start</extracomment>
        <translation>Début (s)</translation>
    </message>
    <message id="306">
        <source>End (s)</source>
        <extracomment>clip export: where the clip ends, seconds from the recording&apos;s start</extracomment>
        <translation>Fin (s)</translation>
    </message>
    <message id="307">
        <source>Layout</source>
        <extracomment>clip export: how the two cameras are arranged</extracomment>
        <translation>Disposition</translation>
    </message>
    <message id="308">
        <source>Side by side</source>
        <extracomment>clip layout: front left, rear right</extracomment>
        <translation>Côte à côte</translation>
    </message>
    <message id="309">
        <source>Picture in picture</source>
        <extracomment>clip layout: front full, rear small in a corner</extracomment>
        <translation>Incrustation</translation>
    </message>
    <message id="310">
        <source>Front camera only</source>
        <extracomment>clip layout</extracomment>
        <translation>Caméra avant seule</translation>
    </message>
    <message id="311">
        <source>Rear camera only</source>
        <extracomment>clip layout</extracomment>
        <translation>Caméra arrière seule</translation>
    </message>
    <message id="312">
        <source>Telemetry band below the pictures</source>
        <extracomment>clip export: time, speed, G-forces and position drawn under the video</extracomment>
        <translation>Bandeau de télémétrie sous les images</translation>
    </message>
    <message id="313">
        <source>Quality</source>
        <extracomment>clip export: video quality</extracomment>
        <translation>Qualité</translation>
    </message>
    <message id="314">
        <source>Standard</source>
        <extracomment>clip quality</extracomment>
        <translation>Standard</translation>
    </message>
    <message id="315">
        <source>High</source>
        <extracomment>clip quality: larger file</extracomment>
        <translation>Haute</translation>
    </message>
    <message id="316">
        <source>File</source>
        <extracomment>clip export: the file to write</extracomment>
        <translation>Fichier</translation>
    </message>
    <message id="317">
        <source>Browse…</source>
        <extracomment>clip export: choose the file with a file dialog</extracomment>
        <translation>Parcourir…</translation>
    </message>
    <message id="318">
        <source>Exporting the clip…</source>
        <extracomment>progress dialog of the clip export</extracomment>
        <translation>Exportation de l&apos;extrait…</translation>
    </message>
    <message id="319">
        <source>%1 s left</source>
        <extracomment>progress dialog: %1 = seconds until the export is done</extracomment>
        <translation>%1 s restantes</translation>
    </message>
    <message id="320">
        <source>The clip has been saved:
%1</source>
        <extracomment>%1 = the clip&apos;s file</extracomment>
        <translation>L&apos;extrait a été enregistré :
%1</translation>
    </message>
    <message id="321">
        <source>Show in folder</source>
        <extracomment>button: open the folder that holds the clip</extracomment>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message id="322">
        <source>The clip could not be exported.
%1</source>
        <extracomment>%1 = the reason, with the file it concerns</extracomment>
        <translation>L&apos;extrait n&apos;a pas pu être exporté.
%1</translation>
    </message>
    <message id="323">
        <source>The export was cancelled. No file was left behind.</source>
        <extracomment>after Cancel in the progress dialog</extracomment>
        <translation>L&apos;exportation a été annulée. Aucun fichier n&apos;a été laissé.</translation>
    </message>
    <message id="324">
        <source>Choose a folder that is not on the card being viewed.</source>
        <extracomment>clips are never written to the recorder&apos;s card</extracomment>
        <translation>Choisissez un dossier qui n&apos;est pas sur la carte affichée.</translation>
    </message>
    <message id="325">
        <source>The two marks are not in the same drive.</source>
        <extracomment>the I and O marks lie in different drives</extracomment>
        <translation>Les deux marques ne sont pas dans le même trajet.</translation>
    </message>
    <message id="326">
        <source>A clip is being exported.</source>
        <extracomment>E pressed while an export runs</extracomment>
        <translation>Un extrait est en cours d&apos;exportation.</translation>
    </message>
    <message id="327">
        <source>The rear camera&apos;s file is missing for part of the range: the clip shows the front camera only.</source>
        <extracomment>after the export</extracomment>
        <translation>Le fichier de la caméra arrière manque pour une partie de la plage : l&apos;extrait ne montre que la caméra avant.</translation>
    </message>
    <message id="328">
        <source>The front camera&apos;s file is missing for part of the range: the clip shows the rear camera only.</source>
        <extracomment>after the export</extracomment>
        <translation>Le fichier de la caméra avant manque pour une partie de la plage : l&apos;extrait ne montre que la caméra arrière.</translation>
    </message>
    <message id="329">
        <source>MP4 video</source>
        <extracomment>file type in the save dialog</extracomment>
        <translation>Vidéo MP4</translation>
    </message>
    <message id="330">
        <source>Export</source>
        <extracomment>button of the clip export dialog that starts it</extracomment>
        <translation>Exporter</translation>
    </message>
    <message id="400">
        <source>Paused picture back to 1× (wheel: zoom, drag: move)</source>
        <extracomment>list of keys: the 0 key returns a zoomed paused picture to its normal size</extracomment>
        <translation>Image en pause de nouveau à 1× (molette : zoom, glisser : déplacer)</translation>
    </message>
    <message id="401">
        <source>frame %1</source>
        <extracomment>beside the time on a paused picture: its number in the recording, %1 the number</extracomment>
        <translation>image %1</translation>
    </message>
    <message id="500">
        <source>%1 of %2 files</source>
        <extracomment>progress of a file operation: files done of all</extracomment>
        <translation>%1 fichiers sur %2</translation>
    </message>
    <message id="501">
        <source>%1 of %2 at %3/s, %4 left</source>
        <extracomment>progress: bytes done of all, speed per second, time left</extracomment>
        <translation>%1 sur %2 à %3/s, reste %4</translation>
    </message>
    <message id="502">
        <source>Writing to the device…</source>
        <extracomment>progress: the copies are being flushed to the disk</extracomment>
        <translation>Écriture sur le support…</translation>
    </message>
    <message id="503">
        <source>Copying recordings</source>
        <extracomment>caption: copy in progress and its report</extracomment>
        <translation>Copie des enregistrements</translation>
    </message>
    <message id="504">
        <source>Deleting recordings</source>
        <extracomment>caption: delete in progress and its report</extracomment>
        <translation>Suppression des enregistrements</translation>
    </message>
    <message id="505">
        <source>Locking recordings</source>
        <extracomment>caption: lock in progress and its report</extracomment>
        <translation>Verrouillage des enregistrements</translation>
    </message>
    <message id="506">
        <source>Unlocking recordings</source>
        <extracomment>caption: unlock in progress and its report</extracomment>
        <translation>Déverrouillage des enregistrements</translation>
    </message>
    <message id="507">
        <source>Copied %1 of %2 files (%3).</source>
        <extracomment>report of a copy: files copied, files planned, size copied</extracomment>
        <translation>%1 fichiers sur %2 copiés (%3).</translation>
    </message>
    <message id="508">
        <source>Deleted %1 of %2 files.</source>
        <extracomment>report of a delete</extracomment>
        <translation>%1 fichiers sur %2 supprimés.</translation>
    </message>
    <message id="509">
        <source>Locked %1 of %2 files.</source>
        <extracomment>report of a lock</extracomment>
        <translation>%1 fichiers sur %2 verrouillés.</translation>
    </message>
    <message id="510">
        <source>Unlocked %1 of %2 files.</source>
        <extracomment>report of an unlock</extracomment>
        <translation>%1 fichiers sur %2 déverrouillés.</translation>
    </message>
    <message id="511">
        <source>Cancelled: %1 files were not handled.</source>
        <extracomment>report: files not reached because the user pressed Cancel</extracomment>
        <translation>Annulé : %1 fichiers n’ont pas été traités.</translation>
    </message>
    <message id="512">
        <source>Kept because they are locked: %1 files.</source>
        <extracomment>report of a delete: read-only files that stay</extracomment>
        <translation>Conservés car verrouillés : %1 fichiers.</translation>
    </message>
    <message id="513">
        <source>Existing files kept as you chose: %1.</source>
        <extracomment>report of a copy: files the user chose not to overwrite</extracomment>
        <translation>Fichiers existants conservés selon votre choix : %1.</translation>
    </message>
    <message id="514">
        <source>Not done:</source>
        <extracomment>report: heading of the list of failed files</extracomment>
        <translation>Non effectué :</translation>
    </message>
    <message id="515">
        <source>cannot create the folder</source>
        <extracomment>failure step</extracomment>
        <translation>impossible de créer le dossier</translation>
    </message>
    <message id="516">
        <source>cannot copy</source>
        <extracomment>failure step</extracomment>
        <translation>impossible de copier</translation>
    </message>
    <message id="517">
        <source>cannot delete</source>
        <extracomment>failure step</extracomment>
        <translation>impossible de supprimer</translation>
    </message>
    <message id="518">
        <source>cannot lock</source>
        <extracomment>failure step</extracomment>
        <translation>impossible de verrouiller</translation>
    </message>
    <message id="519">
        <source>cannot unlock</source>
        <extracomment>failure step</extracomment>
        <translation>impossible de déverrouiller</translation>
    </message>
    <message id="520">
        <source>the target is full</source>
        <extracomment>failure reason (disk full)</extracomment>
        <translation>la destination est pleine</translation>
    </message>
    <message id="521">
        <source>permission denied</source>
        <extracomment>failure reason</extracomment>
        <translation>permission refusée</translation>
    </message>
    <message id="522">
        <source>the disk is write-protected</source>
        <extracomment>failure reason (read-only medium)</extracomment>
        <translation>le disque est protégé en écriture</translation>
    </message>
    <message id="523">
        <source>the file no longer exists</source>
        <extracomment>failure reason</extracomment>
        <translation>le fichier n’existe plus</translation>
    </message>
    <message id="524">
        <source>read or write error (was the card removed?)</source>
        <extracomment>failure reason (input/output error)</extracomment>
        <translation>erreur de lecture ou d’écriture (la carte a-t-elle été retirée ?)</translation>
    </message>
    <message id="525">
        <source>a file stands where a folder should be</source>
        <extracomment>failure reason</extracomment>
        <translation>un fichier se trouve à la place d’un dossier</translation>
    </message>
    <message id="526">
        <source>too large for the target&apos;s file system</source>
        <extracomment>failure reason (file over the file system's size limit)</extracomment>
        <translation>trop volumineux pour le système de fichiers de la destination</translation>
    </message>
    <message id="527">
        <source>system error %1</source>
        <extracomment>failure reason: any other system error, %1 = code and system text</extracomment>
        <translation>erreur système %1</translation>
    </message>
    <message id="600">
        <source>Looking for incidents… %1 / %2</source>
        <extracomment>progress line below the lists while the recordings are searched for jolts and hard brakings: done / total</extracomment>
        <translation>Recherche des incidents… %1 / %2</translation>
    </message>
    <message id="601">
        <source>Incidents</source>
        <extracomment>title of the list of every incident (jolt or hard braking) of the card</extracomment>
        <translation>Incidents</translation>
    </message>
    <message id="602">
        <source>Incidents…</source>
        <extracomment>menu entry opening the list of incidents</extracomment>
        <translation>Incidents…</translation>
    </message>
    <message id="603">
        <source>Date and time</source>
        <extracomment>incidents list: column of the incident&apos;s date and time</extracomment>
        <translation>Date et heure</translation>
    </message>
    <message id="604">
        <source>Drive</source>
        <extracomment>incidents list: column of the drive (group of recordings) it belongs to</extracomment>
        <translation>Trajet</translation>
    </message>
    <message id="605">
        <source>Kind</source>
        <extracomment>incidents list: column of the kind of incident</extracomment>
        <translation>Type</translation>
    </message>
    <message id="606">
        <source>Strength</source>
        <extracomment>incidents list: column of its strength (g or m/s²)</extracomment>
        <translation>Intensité</translation>
    </message>
    <message id="607">
        <source>Speed</source>
        <extracomment>incidents list: column of the vehicle&apos;s speed at that moment</extracomment>
        <translation>Vitesse</translation>
    </message>
    <message id="608">
        <source>Jolt</source>
        <extracomment>kind of incident: a sudden shock seen by the G-sensor</extracomment>
        <translation>Choc</translation>
    </message>
    <message id="609">
        <source>Hard braking</source>
        <extracomment>kind of incident: the vehicle slowed down very sharply (GPS speed)</extracomment>
        <translation>Freinage brusque</translation>
    </message>
    <message id="610">
        <source>All kinds</source>
        <extracomment>incidents list: filter entry showing every kind</extracomment>
        <translation>Tous les types</translation>
    </message>
    <message id="611">
        <source>Export list…</source>
        <extracomment>incidents list: button that saves the list as a CSV file</extracomment>
        <translation>Exporter la liste…</translation>
    </message>
    <message id="612">
        <source>Close</source>
        <extracomment>incidents list: button closing the list</extracomment>
        <translation>Fermer</translation>
    </message>
    <message id="613">
        <source>List of the card&apos;s incidents</source>
        <extracomment>list of keys: L opens the list of every incident of the card</extracomment>
        <translation>Liste des incidents de la carte</translation>
    </message>
    <message id="614">
        <source>The list could not be written: %1</source>
        <extracomment>incidents list: the CSV file could not be saved; %1 = the system&apos;s reason</extracomment>
        <translation>Impossible d&apos;écrire la liste : %1</translation>
    </message>
    <message id="615">
        <source>File</source>
        <extracomment>incidents list: column of the recording&apos;s file name</extracomment>
        <translation>Fichier</translation>
    </message>
    <message id="616">
        <source>No incidents found on this card.</source>
        <extracomment>incidents list: shown when the card holds no incident</extracomment>
        <translation>Aucun incident trouvé sur cette carte.</translation>
    </message>
    <message id="700">
        <source>A file named %1 already exists. Replace it?</source>
        <extracomment>clip export: the file typed in the dialog is there already; %1 its path</extracomment>
        <translation>Un fichier nommé %1 existe déjà. Le remplacer ?</translation>
    </message>
    <message id="701">
        <source>Replace</source>
        <extracomment>clip export: button that replaces the existing file</extracomment>
        <translation>Remplacer</translation>
    </message>
</context>
</TS>
