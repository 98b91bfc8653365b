<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Vemora Viewer...</source>
        <extracomment>About entry</extracomment>
        <translation>&amp;O aplikaci Vemora Viewer...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <extracomment>player error message</extracomment>
        <translation>V přehrávači médií došlo k chybě.</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <extracomment>start-up failure</extracomment>
        <translation>Inicializace soketů systému Windows se nezdařila.</translation>
    </message>
    <message id="104">
        <source>Select a media</source>
        <extracomment>source selection dialog title</extracomment>
        <translation>Vyberte médium</translation>
    </message>
    <message id="105">
        <source>Google Map</source>
        <extracomment>map list entry, configuration dialog</extracomment>
        <translation>Mapa Google</translation>
    </message>
    <message id="106">
        <source>China Map</source>
        <extracomment>map list entry, configuration dialog</extracomment>
        <translation>Mapa Číny</translation>
    </message>
    <message id="107">
        <source>OK</source>
        <extracomment>OK buttons</extracomment>
        <translation>OK</translation>
    </message>
    <message id="108">
        <source>Cancel</source>
        <extracomment>Cancel buttons</extracomment>
        <translation>Zrušit</translation>
    </message>
    <message id="109">
        <source>Apply</source>
        <extracomment>Apply buttons</extracomment>
        <translation>Použít</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <extracomment>message-box caption when no group is marked</extracomment>
        <translation>Potvrzení výběru souborů</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <extracomment>message-box caption when the list is empty</extracomment>
        <translation>OK</translation>
    </message>
    <message id="750">
        <source>The folder %s lies inside the folders being viewed. Please choose a folder outside them.</source>
        <extracomment>copy refused: the chosen target folder is inside the scanned folder tree</extracomment>
        <translation>Složka %s leží uvnitř zobrazených složek. Vyberte prosím složku mimo ně.</translation>
    </message>
    <message id="751">
        <source>The folder %s is on the memory card being viewed. Please choose a folder on another disk.</source>
        <extracomment>copy refused: the chosen target folder is on the recorder&apos;s memory card</extracomment>
        <translation>Složka %s je na zobrazené paměťové kartě. Vyberte prosím složku na jiném disku.</translation>
    </message>
    <message id="752">
        <source>The copies need %1 MB, but only %2 MB are free in %s.</source>
        <extracomment>copy refused: not enough free space at the target; %1 and %2 are megabytes</extracomment>
        <translation>Kopie potřebují %1 MB, ale v %s je volných jen %2 MB.</translation>
    </message>
</context>
</TS>
