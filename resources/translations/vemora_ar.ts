<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About Vemora Viewer...</source>
        <extracomment>About entry</extracomment>
        <translation>&amp;حول Vemora Viewer...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <extracomment>player error message</extracomment>
        <translation>واجه مشغل الوسائط خطأً.</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <extracomment>start-up failure</extracomment>
        <translation>فشلت تهيئة مآخذ Windows.</translation>
    </message>
    <message id="104">
        <source>Select a media</source>
        <extracomment>source selection dialog title</extracomment>
        <translation>اختر وسيطًا</translation>
    </message>
    <message id="105">
        <source>Google Map</source>
        <extracomment>map list entry, configuration dialog</extracomment>
        <translation>خريطة Google</translation>
    </message>
    <message id="106">
        <source>China Map</source>
        <extracomment>map list entry, configuration dialog</extracomment>
        <translation>خريطة الصين</translation>
    </message>
    <message id="107">
        <source>OK</source>
        <extracomment>OK buttons</extracomment>
        <translation>موافق</translation>
    </message>
    <message id="108">
        <source>Cancel</source>
        <extracomment>Cancel buttons</extracomment>
        <translation>إلغاء</translation>
    </message>
    <message id="109">
        <source>Apply</source>
        <extracomment>Apply buttons</extracomment>
        <translation>تطبيق</translation>
    </message>
    <message id="750">
        <source>The folder %s lies inside the folders being viewed. Please choose a folder outside them.</source>
        <extracomment>copy refused: the chosen target folder is inside the scanned folder tree</extracomment>
        <translation>يقع المجلد %s داخل المجلدات المعروضة. يرجى اختيار مجلد خارجها.</translation>
    </message>
    <message id="751">
        <source>The folder %s is on the memory card being viewed. Please choose a folder on another disk.</source>
        <extracomment>copy refused: the chosen target folder is on the recorder&apos;s memory card</extracomment>
        <translation>المجلد %s موجود على بطاقة الذاكرة المعروضة. يرجى اختيار مجلد على قرص آخر.</translation>
    </message>
    <message id="752">
        <source>The copies need %1 MB, but only %2 MB are free in %s.</source>
        <extracomment>copy refused: not enough free space at the target; %1 and %2 are megabytes</extracomment>
        <translation>تحتاج النسخ إلى %1 ميغابايت، لكن المتاح في %s هو %2 ميغابايت فقط.</translation>
    </message>
</context>
</TS>
