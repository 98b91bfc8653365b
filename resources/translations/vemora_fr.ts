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
    <message id="800">
        <source>Incident report</source>
        <extracomment>title of the incident report (the PDF and its dialog)</extracomment>
        <translation>Rapport d’incident</translation>
    </message>
    <message id="801">
        <source>What</source>
        <extracomment>incident report: label of what happened</extracomment>
        <translation>Quoi</translation>
    </message>
    <message id="802">
        <source>When</source>
        <extracomment>incident report: label of the date and local time</extracomment>
        <translation>Quand</translation>
    </message>
    <message id="803">
        <source>Where</source>
        <extracomment>incident report: label of the position</extracomment>
        <translation>Où</translation>
    </message>
    <message id="804">
        <source>Speed</source>
        <extracomment>incident report: label and column of the GPS speed</extracomment>
        <translation>Vitesse</translation>
    </message>
    <message id="805">
        <source>Heading</source>
        <extracomment>incident report: label and column of the course over ground</extracomment>
        <translation>Cap</translation>
    </message>
    <message id="806">
        <source>G-sensor</source>
        <extracomment>incident report: label of the G-sensor&apos;s three axes</extracomment>
        <translation>Capteur G</translation>
    </message>
    <message id="807">
        <source>Jolt, %1 g</source>
        <extracomment>incident report: what happened; %1 = the jolt&apos;s strength in g</extracomment>
        <translation>Secousse, %1 g</translation>
    </message>
    <message id="808">
        <source>Hard braking, %1 m/s²</source>
        <extracomment>incident report: what happened; %1 = the largest deceleration</extracomment>
        <translation>Freinage brusque, %1 m/s²</translation>
    </message>
    <message id="809">
        <source>Marked by the user</source>
        <extracomment>incident report: what happened when no incident was found within 3 s of the moment</extracomment>
        <translation>Marqué par l’utilisateur</translation>
    </message>
    <message id="810">
        <source>near %1 (%2 km)</source>
        <extracomment>incident report: the nearest town; %1 = town and country code, %2 = distance</extracomment>
        <translation>près de %1 (%2 km)</translation>
    </message>
    <message id="811">
        <source>No GPS fix at this moment.</source>
        <extracomment>incident report: a gap - no valid GPS position at the moment</extracomment>
        <translation>Pas de position GPS à cet instant.</translation>
    </message>
    <message id="812">
        <source>The recording holds no G-sensor data.</source>
        <extracomment>incident report: a gap - no G-sensor samples</extracomment>
        <translation>L’enregistrement ne contient aucune donnée du capteur G.</translation>
    </message>
    <message id="813">
        <source>The rear camera&apos;s file is missing: %1</source>
        <extracomment>incident report: a gap; %1 = the front camera&apos;s file name</extracomment>
        <translation>Le fichier de la caméra arrière manque : %1</translation>
    </message>
    <message id="814">
        <source>The front camera&apos;s file is missing: %1</source>
        <extracomment>incident report: a gap; %1 = the rear camera&apos;s file name</extracomment>
        <translation>Le fichier de la caméra avant manque : %1</translation>
    </message>
    <message id="815">
        <source>Front camera</source>
        <extracomment>incident report: the row of the front camera&apos;s stills; the files list</extracomment>
        <translation>Caméra avant</translation>
    </message>
    <message id="816">
        <source>Rear camera</source>
        <extracomment>incident report: the row of the rear camera&apos;s stills; the files list</extracomment>
        <translation>Caméra arrière</translation>
    </message>
    <message id="817">
        <source>Track, %1 s either side</source>
        <extracomment>incident report: title of the map; %1 = seconds before and after the moment</extracomment>
        <translation>Trajet, %1 s avant et après</translation>
    </message>
    <message id="818">
        <source>Speed (km/h), %1 s either side</source>
        <extracomment>incident report: title of the speed curve; %1 = seconds before and after</extracomment>
        <translation>Vitesse (km/h), %1 s avant et après</translation>
    </message>
    <message id="819">
        <source>G-sensor (g), %1 s either side</source>
        <extracomment>incident report: title of the G-sensor curves; %1 = seconds before and after</extracomment>
        <translation>Capteur G (g), %1 s avant et après</translation>
    </message>
    <message id="820">
        <source>Telemetry, second by second</source>
        <extracomment>incident report: title of the second page&apos;s table</extracomment>
        <translation>Télémétrie, seconde par seconde</translation>
    </message>
    <message id="821">
        <source>Time</source>
        <extracomment>incident report: column of the seconds from the moment</extracomment>
        <translation>Temps</translation>
    </message>
    <message id="822">
        <source>Local time</source>
        <extracomment>incident report: column of the recorder&apos;s local date and time</extracomment>
        <translation>Heure locale</translation>
    </message>
    <message id="823">
        <source>Latitude</source>
        <extracomment>incident report: column of the latitude</extracomment>
        <translation>Latitude</translation>
    </message>
    <message id="824">
        <source>Longitude</source>
        <extracomment>incident report: column of the longitude</extracomment>
        <translation>Longitude</translation>
    </message>
    <message id="825">
        <source>The original recordings</source>
        <extracomment>incident report: title of the list of copied recording files</extracomment>
        <translation>Les enregistrements originaux</translation>
    </message>
    <message id="827">
        <source>Path on the card</source>
        <extracomment>incident report: where an original file was read from</extracomment>
        <translation>Chemin sur la carte</translation>
    </message>
    <message id="828">
        <source>Size</source>
        <extracomment>incident report: an original file&apos;s size</extracomment>
        <translation>Taille</translation>
    </message>
    <message id="829">
        <source>Modified</source>
        <extracomment>incident report: an original file&apos;s modification time</extracomment>
        <translation>Modifié</translation>
    </message>
    <message id="830">
        <source>Files made for this report</source>
        <extracomment>incident report: title of the hashes of the clip, stills and track</extracomment>
        <translation>Fichiers créés pour ce rapport</translation>
    </message>
    <message id="831">
        <source>Made with %1 on %2</source>
        <extracomment>incident report: %1 = program and version, %2 = date and time (UTC)</extracomment>
        <translation>Créé avec %1 le %2</translation>
    </message>
    <message id="832">
        <source>How to check this pack: open a terminal in its folder and run the command below. Every line must end in OK; a file that was changed or is missing is named.</source>
        <extracomment>incident report: the last page; the command follows on its own line</extracomment>
        <translation>Comment vérifier ce dossier : ouvrez un terminal dans ce dossier et lancez la commande ci-dessous. Chaque ligne doit se terminer par OK ; un fichier modifié ou manquant est signalé.</translation>
    </message>
    <message id="833">
        <source>Recording</source>
        <extracomment>incident report: label of the recording file and the moment in it</extracomment>
        <translation>Enregistrement</translation>
    </message>
    <message id="834">
        <source>Page %1 of %2</source>
        <extracomment>incident report: page number; %1 = this page, %2 = pages in all</extracomment>
        <translation>Page %1 sur %2</translation>
    </message>
    <message id="835">
        <source>The range was shortened: the drive begins %1 s before the moment.</source>
        <extracomment>incident report: a gap; %1 = seconds</extracomment>
        <translation>L’intervalle a été raccourci : le trajet commence %1 s avant l’instant.</translation>
    </message>
    <message id="836">
        <source>The range was shortened: the drive ends %1 s after the moment.</source>
        <extracomment>incident report: a gap; %1 = seconds</extracomment>
        <translation>L’intervalle a été raccourci : le trajet se termine %1 s après l’instant.</translation>
    </message>
    <message id="837">
        <source>%1 bytes</source>
        <extracomment>incident report: a file&apos;s size; %1 = the number of bytes</extracomment>
        <translation>%1 octets</translation>
    </message>
    <message id="838">
        <source>No GPS fix in this stretch: no track to draw.</source>
        <extracomment>incident report: shown in the map&apos;s place</extracomment>
        <translation>Aucune position GPS sur ce tronçon : pas de trajet à dessiner.</translation>
    </message>
    <message id="839">
        <source>Range</source>
        <extracomment>incident report: label of the range the clip and the originals cover</extracomment>
        <translation>Intervalle</translation>
    </message>
    <message id="840">
        <source>Gaps in the recording</source>
        <extracomment>incident report: label of what the recording lacks (missing file, no GPS, no G-sensor)</extracomment>
        <translation>Lacunes de l’enregistrement</translation>
    </message>
    <message id="841">
        <source>No picture</source>
        <extracomment>incident report: shown where a camera has no picture at that moment</extracomment>
        <translation>Pas d’image</translation>
    </message>
    <message id="850">
        <source>Incident report…</source>
        <extracomment>right-click menu and incidents list: make an incident pack (PDF, clip, stills, originals, hashes)</extracomment>
        <translation>Rapport d’incident…</translation>
    </message>
    <message id="851">
        <source>Seconds before</source>
        <extracomment>incident report dialog: seconds of the range before the moment</extracomment>
        <translation>Secondes avant</translation>
    </message>
    <message id="852">
        <source>Seconds after</source>
        <extracomment>incident report dialog: seconds of the range after the moment</extracomment>
        <translation>Secondes après</translation>
    </message>
    <message id="853">
        <source>Folder</source>
        <extracomment>incident report dialog: the new folder of the pack</extracomment>
        <translation>Dossier</translation>
    </message>
    <message id="854">
        <source>Make report</source>
        <extracomment>incident report dialog: the button that starts the work</extracomment>
        <translation>Créer le rapport</translation>
    </message>
    <message id="855">
        <source>Making the incident report…</source>
        <extracomment>progress of the incident report</extracomment>
        <translation>Création du rapport d’incident…</translation>
    </message>
    <message id="856">
        <source>The incident report has been made:
%1</source>
        <extracomment>incident report finished; %1 = the pack&apos;s folder</extracomment>
        <translation>Le rapport d’incident a été créé :
%1</translation>
    </message>
    <message id="857">
        <source>The incident report could not be made.
%1</source>
        <extracomment>incident report failed; %1 = the reason</extracomment>
        <translation>Le rapport d’incident n’a pas pu être créé.
%1</translation>
    </message>
    <message id="858">
        <source>The report was cancelled. No folder was left behind.</source>
        <extracomment>incident report cancelled</extracomment>
        <translation>Le rapport a été annulé. Aucun dossier n’a été laissé.</translation>
    </message>
    <message id="859">
        <source>Choose a folder that does not exist yet or is empty.</source>
        <extracomment>incident report dialog: the chosen folder holds files</extracomment>
        <translation>Choisissez un dossier qui n’existe pas encore ou qui est vide.</translation>
    </message>
    <message id="860">
        <source>An incident report is being made.</source>
        <extracomment>incident report: asked for a second one while one runs</extracomment>
        <translation>Un rapport d’incident est en cours de création.</translation>
    </message>
    <message id="861">
        <source>Moment</source>
        <extracomment>incident report dialog: the recording and the time the report is about</extracomment>
        <translation>Instant</translation>
    </message>
    <message id="862">
        <source>Writing the clip…</source>
        <extracomment>incident report progress: the clip is encoded</extracomment>
        <translation>Écriture du clip…</translation>
    </message>
    <message id="863">
        <source>Copying and checking the original recordings…</source>
        <extracomment>incident report progress: the originals are copied and read back</extracomment>
        <translation>Copie et vérification des enregistrements originaux…</translation>
    </message>
    <message id="864">
        <source>Drawing the report…</source>
        <extracomment>incident report progress: stills, track and PDF</extracomment>
        <translation>Mise en page du rapport…</translation>
    </message>
    <message id="865">
        <source>Gaps in the recording:</source>
        <extracomment>incident report finished: followed by the missing file, GPS or G-sensor data</extracomment>
        <translation>Lacunes de l’enregistrement :</translation>
    </message>
    <message id="730">
        <source>%1 cannot be opened: the steps stay in this recording</source>
        <extracomment>paused review, after the steps went on into the next or previous recording: that recording&apos;s file (%1, its name) cannot be opened, so the picture shown stays</extracomment>
        <translation>Impossible d’ouvrir %1 : le pas à pas reste dans cet enregistrement</translation>
    </message>
    <message id="731">
        <source>picture %1 cannot be decoded</source>
        <extracomment>paused review: a picture the decoder cannot give out, %1 its number in the recording</extracomment>
        <translation>l’image %1 ne peut pas être décodée</translation>
    </message>
    <message id="732">
        <source>%1 cannot be opened</source>
        <extracomment>paused review: the camera&apos;s file (%1, its name) cannot be opened; the pane is black</extracomment>
        <translation>Impossible d’ouvrir %1</translation>
    </message>
    <message id="733">
        <source>this recording has no rear file</source>
        <extracomment>paused review, in another recording than the one played: the rear pane is black because the recording has no rear camera file</extracomment>
        <translation>cet enregistrement n’a pas de fichier arrière</translation>
    </message>
    <message id="734">
        <source>this recording has no front file</source>
        <extracomment>paused review, in another recording than the one played: the front pane is black because the recording has no front camera file</extracomment>
        <translation>cet enregistrement n’a pas de fichier avant</translation>
    </message>
    <message id="770">
        <source>Far more telemetry records than the recording&apos;s length allows</source>
        <extracomment>reason</extracomment>
        <translation>Beaucoup plus d&apos;enregistrements de télémétrie que la durée de l&apos;enregistrement ne le permet</translation>
    </message>
    <message id="771">
        <source>%1 folders could not be read</source>
        <extracomment>note below the lists: folders the scan could not read, so recordings may be missing</extracomment>
        <translation>%1 dossiers n&apos;ont pas pu être lus</translation>
    </message>
    <message id="772">
        <source>1 folder could not be read</source>
        <extracomment>note below the lists: one folder the scan could not read</extracomment>
        <translation>1 dossier n&apos;a pas pu être lu</translation>
    </message>
    <message id="773">
        <source>Far more boxes than any recording has</source>
        <extracomment>reason</extracomment>
        <translation>Beaucoup plus de boîtes qu&apos;aucun enregistrement n&apos;en contient</translation>
    </message>
    <message id="750">
        <source>The folder %s lies inside the folders being viewed. Please choose a folder outside them.</source>
        <extracomment>copy refused: the chosen target folder is inside the scanned folder tree</extracomment>
        <translation>Le dossier %s se trouve dans les dossiers affichés. Veuillez choisir un dossier en dehors.</translation>
    </message>
    <message id="751">
        <source>The folder %s is on the memory card being viewed. Please choose a folder on another disk.</source>
        <extracomment>copy refused: the chosen target folder is on the recorder&apos;s memory card</extracomment>
        <translation>Le dossier %s est sur la carte mémoire affichée. Veuillez choisir un dossier sur un autre disque.</translation>
    </message>
    <message id="752">
        <source>The copies need %1 MB, but only %2 MB are free in %s.</source>
        <extracomment>copy refused: not enough free space at the target; %1 and %2 are megabytes</extracomment>
        <translation>Les copies nécessitent %1 Mo, mais %s n&apos;a que %2 Mo libres.</translation>
    </message>
    <message id="900">
        <source>Drives</source>
        <extracomment>drives window: caption</extracomment>
        <translation>Trajets</translation>
    </message>
    <message id="901">
        <source>Drives…</source>
        <extracomment>window menu: opens the drives window</extracomment>
        <translation>Trajets…</translation>
    </message>
    <message id="902">
        <source>Every drive of every card</source>
        <extracomment>key list: what key D does</extracomment>
        <translation>Tous les trajets de toutes les cartes</translation>
    </message>
    <message id="903">
        <source>Card</source>
        <extracomment>drives window: column, the card or folder of a drive</extracomment>
        <translation>Carte</translation>
    </message>
    <message id="904">
        <source>Date</source>
        <extracomment>drives window: column</extracomment>
        <translation>Date</translation>
    </message>
    <message id="905">
        <source>Start</source>
        <extracomment>drives window: column, start time</extracomment>
        <translation>Début</translation>
    </message>
    <message id="906">
        <source>End</source>
        <extracomment>drives window: column, end time</extracomment>
        <translation>Fin</translation>
    </message>
    <message id="907">
        <source>Duration</source>
        <extracomment>drives window: column</extracomment>
        <translation>Durée</translation>
    </message>
    <message id="908">
        <source>Distance</source>
        <extracomment>drives window: column</extracomment>
        <translation>Distance</translation>
    </message>
    <message id="909">
        <source>Max. speed</source>
        <extracomment>drives window: column, top speed</extracomment>
        <translation>Vitesse max.</translation>
    </message>
    <message id="910">
        <source>Incidents</source>
        <extracomment>drives window: column, jolts and hard brakings</extracomment>
        <translation>Incidents</translation>
    </message>
    <message id="911">
        <source>From → To</source>
        <extracomment>drives window: column, towns of start and end</extracomment>
        <translation>De → à</translation>
    </message>
    <message id="912">
        <source>Dates</source>
        <extracomment>drives window: filter check box, only drives between two dates</extracomment>
        <translation>Dates</translation>
    </message>
    <message id="913">
        <source>to</source>
        <extracomment>drives window: between the two dates of the filter</extracomment>
        <translation>au</translation>
    </message>
    <message id="914">
        <source>Town or card</source>
        <extracomment>drives window: placeholder of the text filter</extracomment>
        <translation>Ville ou carte</translation>
    </message>
    <message id="915">
        <source>Only drives with incidents</source>
        <extracomment>drives window: filter check box</extracomment>
        <translation>Seulement les trajets avec incidents</translation>
    </message>
    <message id="916">
        <source>%1 drives, %2, %3 driving</source>
        <extracomment>drives window: totals of the rows shown (count, distance, time)</extracomment>
        <translation>%1 trajets, %2, %3 de conduite</translation>
    </message>
    <message id="917">
        <source>Keep on this computer…</source>
        <extracomment>drives window: button, copies the selected drives</extracomment>
        <translation>Conserver sur cet ordinateur…</translation>
    </message>
    <message id="918">
        <source>Close</source>
        <extracomment>drives window: button</extracomment>
        <translation>Fermer</translation>
    </message>
    <message id="919">
        <source>Choose the folder to keep the drives in</source>
        <extracomment>folder dialog: caption, where kept drives go</extracomment>
        <translation>Choisissez le dossier où conserver les trajets</translation>
    </message>
    <message id="920">
        <source>Keeping drives</source>
        <extracomment>keep progress: caption, also of its report</extracomment>
        <translation>Conservation des trajets</translation>
    </message>
    <message id="921">
        <source>Kept %1 of %2 files (%3), each verified.</source>
        <extracomment>keep report: files copied, files chosen, size</extracomment>
        <translation>%1 fichiers sur %2 conservés (%3), chacun vérifié.</translation>
    </message>
    <message id="922">
        <source>%1 files were kept already and were not copied again.</source>
        <extracomment>keep report</extracomment>
        <translation>%1 fichiers étaient déjà conservés et n'ont pas été recopiés.</translation>
    </message>
    <message id="923">
        <source>Not kept:</source>
        <extracomment>keep report: heading of the files that failed</extracomment>
        <translation>Non conservés :</translation>
    </message>
    <message id="924">
        <source>Cancelled: %1 files were not kept.</source>
        <extracomment>keep report</extracomment>
        <translation>Annulé : %1 fichiers n'ont pas été conservés.</translation>
    </message>
    <message id="925">
        <source>The files of this drive are not here. They are on %1 (last seen in %2).</source>
        <extracomment>drives window: a drive whose card is not inserted; %1 card, %2 folder</extracomment>
        <translation>Les fichiers de ce trajet ne sont pas ici. Ils sont sur %1 (vus pour la dernière fois dans %2).</translation>
    </message>
    <message id="926">
        <source>The drive catalogue could not be opened: %1</source>
        <extracomment>drives window: error, %1 the reason</extracomment>
        <translation>Le catalogue des trajets n'a pas pu être ouvert : %1</translation>
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
        <translation>Copie et vérification de %1</translation>
    </message>
    <message id="932">
        <source>Cancel</source>
        <extracomment>keep progress: button</extracomment>
        <translation>Annuler</translation>
    </message>
    <message id="933">
        <source>No drives yet: every card or folder opened is listed here.</source>
        <extracomment>drives window: shown while the catalogue is empty</extracomment>
        <translation>Aucun trajet pour l'instant : chaque carte ou dossier ouvert apparaît ici.</translation>
    </message>
    <message id="934">
        <source>Adding drives to the catalogue…</source>
        <extracomment>drives window: while a scan's drives are being recorded</extracomment>
        <translation>Ajout des trajets au catalogue…</translation>
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
    <message id="702">
        <source>Size</source>
        <extracomment>clip export: picture size of the clip</extracomment>
        <translation>Taille</translation>
    </message>
    <message id="703">
        <source>For sharing (at most 1920 pixels wide)</source>
        <extracomment>clip export: size choice, smaller pictures for sending on</extracomment>
        <translation>Pour le partage (1920 pixels de large au plus)</translation>
    </message>
    <message id="704">
        <source>Full size (for evidence)</source>
        <extracomment>clip export: size choice, the cameras&apos; own size</extracomment>
        <translation>Taille réelle (comme preuve)</translation>
    </message>
    <message id="705">
        <source>Estimated file size</source>
        <extracomment>clip export: label before the expected size of the file</extracomment>
        <translation>Taille estimée du fichier</translation>
    </message>
    <message id="706">
        <source>About %1 MB (%2 × %3 pixels)</source>
        <extracomment>clip export: %1 megabytes, %2 x %3 the clip&apos;s width and height</extracomment>
        <translation>Environ %1 Mo (%2 × %3 pixels)</translation>
    </message>
    <message id="707">
        <source>Unknown</source>
        <extracomment>clip export: the file size cannot be estimated</extracomment>
        <translation>Inconnue</translation>
    </message>
    <message id="708">
        <source>Notes:</source>
        <extracomment>clip export: heading of what the export noticed, listed in English below it</extracomment>
        <translation>Remarques :</translation>
    </message>
</context>
</TS>
