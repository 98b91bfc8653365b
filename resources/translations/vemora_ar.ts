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
    <message id="800">
        <source>Incident report</source>
        <extracomment>title of the incident report (the PDF and its dialog)</extracomment>
        <translation>تقرير الحادث</translation>
    </message>
    <message id="801">
        <source>What</source>
        <extracomment>incident report: label of what happened</extracomment>
        <translation>ماذا</translation>
    </message>
    <message id="802">
        <source>When</source>
        <extracomment>incident report: label of the date and local time</extracomment>
        <translation>متى</translation>
    </message>
    <message id="803">
        <source>Where</source>
        <extracomment>incident report: label of the position</extracomment>
        <translation>أين</translation>
    </message>
    <message id="804">
        <source>Speed</source>
        <extracomment>incident report: label and column of the GPS speed</extracomment>
        <translation>السرعة</translation>
    </message>
    <message id="805">
        <source>Heading</source>
        <extracomment>incident report: label and column of the course over ground</extracomment>
        <translation>الاتجاه</translation>
    </message>
    <message id="806">
        <source>G-sensor</source>
        <extracomment>incident report: label of the G-sensor&apos;s three axes</extracomment>
        <translation>مستشعر G</translation>
    </message>
    <message id="807">
        <source>Jolt, %1 g</source>
        <extracomment>incident report: what happened; %1 = the jolt&apos;s strength in g</extracomment>
        <translation>صدمة، %1 g</translation>
    </message>
    <message id="808">
        <source>Hard braking, %1 m/s²</source>
        <extracomment>incident report: what happened; %1 = the largest deceleration</extracomment>
        <translation>فرملة قوية، %1 م/ث²</translation>
    </message>
    <message id="809">
        <source>Marked by the user</source>
        <extracomment>incident report: what happened when no incident was found within 3 s of the moment</extracomment>
        <translation>حدده المستخدم</translation>
    </message>
    <message id="810">
        <source>near %1 (%2 km)</source>
        <extracomment>incident report: the nearest town; %1 = town and country code, %2 = distance</extracomment>
        <translation>قرب %1 (%2 كم)</translation>
    </message>
    <message id="811">
        <source>No GPS fix at this moment.</source>
        <extracomment>incident report: a gap - no valid GPS position at the moment</extracomment>
        <translation>لا يوجد موقع GPS في هذه اللحظة.</translation>
    </message>
    <message id="812">
        <source>The recording holds no G-sensor data.</source>
        <extracomment>incident report: a gap - no G-sensor samples</extracomment>
        <translation>لا يحتوي التسجيل على بيانات مستشعر G.</translation>
    </message>
    <message id="813">
        <source>The rear camera&apos;s file is missing: %1</source>
        <extracomment>incident report: a gap; %1 = the front camera&apos;s file name</extracomment>
        <translation>ملف الكاميرا الخلفية مفقود: %1</translation>
    </message>
    <message id="814">
        <source>The front camera&apos;s file is missing: %1</source>
        <extracomment>incident report: a gap; %1 = the rear camera&apos;s file name</extracomment>
        <translation>ملف الكاميرا الأمامية مفقود: %1</translation>
    </message>
    <message id="815">
        <source>Front camera</source>
        <extracomment>incident report: the row of the front camera&apos;s stills; the files list</extracomment>
        <translation>الكاميرا الأمامية</translation>
    </message>
    <message id="816">
        <source>Rear camera</source>
        <extracomment>incident report: the row of the rear camera&apos;s stills; the files list</extracomment>
        <translation>الكاميرا الخلفية</translation>
    </message>
    <message id="817">
        <source>Track, %1 s either side</source>
        <extracomment>incident report: title of the map; %1 = seconds before and after the moment</extracomment>
        <translation>المسار، %1 ث قبل وبعد</translation>
    </message>
    <message id="818">
        <source>Speed (km/h), %1 s either side</source>
        <extracomment>incident report: title of the speed curve; %1 = seconds before and after</extracomment>
        <translation>السرعة (km/h)، %1 ث قبل وبعد</translation>
    </message>
    <message id="819">
        <source>G-sensor (g), %1 s either side</source>
        <extracomment>incident report: title of the G-sensor curves; %1 = seconds before and after</extracomment>
        <translation>مستشعر G (g)، %1 ث قبل وبعد</translation>
    </message>
    <message id="820">
        <source>Telemetry, second by second</source>
        <extracomment>incident report: title of the second page&apos;s table</extracomment>
        <translation>القياسات ثانية بثانية</translation>
    </message>
    <message id="821">
        <source>Time</source>
        <extracomment>incident report: column of the seconds from the moment</extracomment>
        <translation>الوقت</translation>
    </message>
    <message id="822">
        <source>Local time</source>
        <extracomment>incident report: column of the recorder&apos;s local date and time</extracomment>
        <translation>التوقيت المحلي</translation>
    </message>
    <message id="823">
        <source>Latitude</source>
        <extracomment>incident report: column of the latitude</extracomment>
        <translation>خط العرض</translation>
    </message>
    <message id="824">
        <source>Longitude</source>
        <extracomment>incident report: column of the longitude</extracomment>
        <translation>خط الطول</translation>
    </message>
    <message id="825">
        <source>The original recordings</source>
        <extracomment>incident report: title of the list of copied recording files</extracomment>
        <translation>التسجيلات الأصلية</translation>
    </message>
    <message id="827">
        <source>Path on the card</source>
        <extracomment>incident report: where an original file was read from</extracomment>
        <translation>المسار على البطاقة</translation>
    </message>
    <message id="828">
        <source>Size</source>
        <extracomment>incident report: an original file&apos;s size</extracomment>
        <translation>الحجم</translation>
    </message>
    <message id="829">
        <source>Modified</source>
        <extracomment>incident report: an original file&apos;s modification time</extracomment>
        <translation>آخر تعديل</translation>
    </message>
    <message id="830">
        <source>Files made for this report</source>
        <extracomment>incident report: title of the hashes of the clip, stills and track</extracomment>
        <translation>الملفات المُنشأة لهذا التقرير</translation>
    </message>
    <message id="831">
        <source>Made with %1 on %2</source>
        <extracomment>incident report: %1 = program and version, %2 = date and time (UTC)</extracomment>
        <translation>أُنشئ باستخدام %1 في %2</translation>
    </message>
    <message id="832">
        <source>How to check this pack: open a terminal in its folder and run the command below. Every line must end in OK; a file that was changed or is missing is named.</source>
        <extracomment>incident report: the last page; the command follows on its own line</extracomment>
        <translation>كيفية التحقق من هذه الحزمة: افتح طرفية في مجلدها وشغّل الأمر أدناه. يجب أن ينتهي كل سطر بـ OK، ويُذكر اسم أي ملف تغيّر أو فُقد.</translation>
    </message>
    <message id="833">
        <source>Recording</source>
        <extracomment>incident report: label of the recording file and the moment in it</extracomment>
        <translation>التسجيل</translation>
    </message>
    <message id="834">
        <source>Page %1 of %2</source>
        <extracomment>incident report: page number; %1 = this page, %2 = pages in all</extracomment>
        <translation>الصفحة %1 من %2</translation>
    </message>
    <message id="835">
        <source>The range was shortened: the drive begins %1 s before the moment.</source>
        <extracomment>incident report: a gap; %1 = seconds</extracomment>
        <translation>تم تقصير المدى: تبدأ الرحلة قبل اللحظة بـ %1 ث.</translation>
    </message>
    <message id="836">
        <source>The range was shortened: the drive ends %1 s after the moment.</source>
        <extracomment>incident report: a gap; %1 = seconds</extracomment>
        <translation>تم تقصير المدى: تنتهي الرحلة بعد اللحظة بـ %1 ث.</translation>
    </message>
    <message id="837">
        <source>%1 bytes</source>
        <extracomment>incident report: a file&apos;s size; %1 = the number of bytes</extracomment>
        <translation>%1 بايت</translation>
    </message>
    <message id="838">
        <source>No GPS fix in this stretch: no track to draw.</source>
        <extracomment>incident report: shown in the map&apos;s place</extracomment>
        <translation>لا يوجد موقع GPS في هذا الجزء: لا مسار للرسم.</translation>
    </message>
    <message id="839">
        <source>Range</source>
        <extracomment>incident report: label of the range the clip and the originals cover</extracomment>
        <translation>المدى</translation>
    </message>
    <message id="840">
        <source>Gaps in the recording</source>
        <extracomment>incident report: label of what the recording lacks (missing file, no GPS, no G-sensor)</extracomment>
        <translation>فجوات في التسجيل</translation>
    </message>
    <message id="841">
        <source>No picture</source>
        <extracomment>incident report: shown where a camera has no picture at that moment</extracomment>
        <translation>لا توجد صورة</translation>
    </message>
    <message id="850">
        <source>Incident report…</source>
        <extracomment>right-click menu and incidents list: make an incident pack (PDF, clip, stills, originals, hashes)</extracomment>
        <translation>تقرير الحادث…</translation>
    </message>
    <message id="851">
        <source>Seconds before</source>
        <extracomment>incident report dialog: seconds of the range before the moment</extracomment>
        <translation>ثوانٍ قبل</translation>
    </message>
    <message id="852">
        <source>Seconds after</source>
        <extracomment>incident report dialog: seconds of the range after the moment</extracomment>
        <translation>ثوانٍ بعد</translation>
    </message>
    <message id="853">
        <source>Folder</source>
        <extracomment>incident report dialog: the new folder of the pack</extracomment>
        <translation>المجلد</translation>
    </message>
    <message id="854">
        <source>Make report</source>
        <extracomment>incident report dialog: the button that starts the work</extracomment>
        <translation>إنشاء التقرير</translation>
    </message>
    <message id="855">
        <source>Making the incident report…</source>
        <extracomment>progress of the incident report</extracomment>
        <translation>جارٍ إنشاء تقرير الحادث…</translation>
    </message>
    <message id="856">
        <source>The incident report has been made:
%1</source>
        <extracomment>incident report finished; %1 = the pack&apos;s folder</extracomment>
        <translation>تم إنشاء تقرير الحادث:
%1</translation>
    </message>
    <message id="857">
        <source>The incident report could not be made.
%1</source>
        <extracomment>incident report failed; %1 = the reason</extracomment>
        <translation>تعذّر إنشاء تقرير الحادث.
%1</translation>
    </message>
    <message id="858">
        <source>The report was cancelled. No folder was left behind.</source>
        <extracomment>incident report cancelled</extracomment>
        <translation>أُلغي التقرير. لم يبقَ أي مجلد.</translation>
    </message>
    <message id="859">
        <source>Choose a folder that does not exist yet or is empty.</source>
        <extracomment>incident report dialog: the chosen folder holds files</extracomment>
        <translation>اختر مجلدًا غير موجود بعد أو فارغًا.</translation>
    </message>
    <message id="860">
        <source>An incident report is being made.</source>
        <extracomment>incident report: asked for a second one while one runs</extracomment>
        <translation>يجري إنشاء تقرير حادث حاليًا.</translation>
    </message>
    <message id="861">
        <source>Moment</source>
        <extracomment>incident report dialog: the recording and the time the report is about</extracomment>
        <translation>اللحظة</translation>
    </message>
    <message id="862">
        <source>Writing the clip…</source>
        <extracomment>incident report progress: the clip is encoded</extracomment>
        <translation>جارٍ كتابة المقطع…</translation>
    </message>
    <message id="863">
        <source>Copying and checking the original recordings…</source>
        <extracomment>incident report progress: the originals are copied and read back</extracomment>
        <translation>جارٍ نسخ التسجيلات الأصلية والتحقق منها…</translation>
    </message>
    <message id="864">
        <source>Drawing the report…</source>
        <extracomment>incident report progress: stills, track and PDF</extracomment>
        <translation>جارٍ رسم التقرير…</translation>
    </message>
    <message id="865">
        <source>Gaps in the recording:</source>
        <extracomment>incident report finished: followed by the missing file, GPS or G-sensor data</extracomment>
        <translation>فجوات في التسجيل:</translation>
    </message>
    <message id="730">
        <source>%1 cannot be opened: the steps stay in this recording</source>
        <extracomment>paused review, after the steps went on into the next or previous recording: that recording&apos;s file (%1, its name) cannot be opened, so the picture shown stays</extracomment>
        <translation>تعذّر فتح %1: تبقى الخطوات في هذا التسجيل</translation>
    </message>
    <message id="731">
        <source>picture %1 cannot be decoded</source>
        <extracomment>paused review: a picture the decoder cannot give out, %1 its number in the recording</extracomment>
        <translation>تعذّر فك ترميز الإطار %1</translation>
    </message>
    <message id="732">
        <source>%1 cannot be opened</source>
        <extracomment>paused review: the camera&apos;s file (%1, its name) cannot be opened; the pane is black</extracomment>
        <translation>تعذّر فتح %1</translation>
    </message>
    <message id="733">
        <source>this recording has no rear file</source>
        <extracomment>paused review, in another recording than the one played: the rear pane is black because the recording has no rear camera file</extracomment>
        <translation>لا يحتوي هذا التسجيل على ملف خلفي</translation>
    </message>
    <message id="734">
        <source>this recording has no front file</source>
        <extracomment>paused review, in another recording than the one played: the front pane is black because the recording has no front camera file</extracomment>
        <translation>لا يحتوي هذا التسجيل على ملف أمامي</translation>
    </message>
    <message id="770">
        <source>Far more telemetry records than the recording&apos;s length allows</source>
        <extracomment>reason</extracomment>
        <translation>سجلات قياس عن بُعد أكثر بكثير مما يسمح به طول التسجيل</translation>
    </message>
    <message id="771">
        <source>%1 folders could not be read</source>
        <extracomment>note below the lists: folders the scan could not read, so recordings may be missing</extracomment>
        <translation>تعذّرت قراءة %1 من المجلدات</translation>
    </message>
    <message id="772">
        <source>1 folder could not be read</source>
        <extracomment>note below the lists: one folder the scan could not read</extracomment>
        <translation>تعذّرت قراءة مجلد واحد</translation>
    </message>
    <message id="773">
        <source>Far more boxes than any recording has</source>
        <extracomment>reason</extracomment>
        <translation>صناديق أكثر بكثير مما يحويه أي تسجيل</translation>
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
    <message id="900">
        <source>Drives</source>
        <extracomment>drives window: caption</extracomment>
        <translation>الرحلات</translation>
    </message>
    <message id="901">
        <source>Drives…</source>
        <extracomment>window menu: opens the drives window</extracomment>
        <translation>الرحلات…</translation>
    </message>
    <message id="902">
        <source>Every drive of every card</source>
        <extracomment>key list: what key D does</extracomment>
        <translation>كل رحلات كل البطاقات</translation>
    </message>
    <message id="903">
        <source>Card</source>
        <extracomment>drives window: column, the card or folder of a drive</extracomment>
        <translation>البطاقة</translation>
    </message>
    <message id="904">
        <source>Date</source>
        <extracomment>drives window: column</extracomment>
        <translation>التاريخ</translation>
    </message>
    <message id="905">
        <source>Start</source>
        <extracomment>drives window: column, start time</extracomment>
        <translation>البداية</translation>
    </message>
    <message id="906">
        <source>End</source>
        <extracomment>drives window: column, end time</extracomment>
        <translation>النهاية</translation>
    </message>
    <message id="907">
        <source>Duration</source>
        <extracomment>drives window: column</extracomment>
        <translation>المدة</translation>
    </message>
    <message id="908">
        <source>Distance</source>
        <extracomment>drives window: column</extracomment>
        <translation>المسافة</translation>
    </message>
    <message id="909">
        <source>Max. speed</source>
        <extracomment>drives window: column, top speed</extracomment>
        <translation>السرعة القصوى</translation>
    </message>
    <message id="910">
        <source>Incidents</source>
        <extracomment>drives window: column, jolts and hard brakings</extracomment>
        <translation>الحوادث</translation>
    </message>
    <message id="911">
        <source>From → To</source>
        <extracomment>drives window: column, towns of start and end</extracomment>
        <translation>من ← إلى</translation>
    </message>
    <message id="912">
        <source>Dates</source>
        <extracomment>drives window: filter check box, only drives between two dates</extracomment>
        <translation>التواريخ</translation>
    </message>
    <message id="913">
        <source>to</source>
        <extracomment>drives window: between the two dates of the filter</extracomment>
        <translation>إلى</translation>
    </message>
    <message id="914">
        <source>Town or card</source>
        <extracomment>drives window: placeholder of the text filter</extracomment>
        <translation>مدينة أو بطاقة</translation>
    </message>
    <message id="915">
        <source>Only drives with incidents</source>
        <extracomment>drives window: filter check box</extracomment>
        <translation>الرحلات التي بها حوادث فقط</translation>
    </message>
    <message id="916">
        <source>%1 drives, %2, %3 driving</source>
        <extracomment>drives window: totals of the rows shown (count, distance, time)</extracomment>
        <translation>%1 رحلة، %2، %3 قيادة</translation>
    </message>
    <message id="917">
        <source>Keep on this computer…</source>
        <extracomment>drives window: button, copies the selected drives</extracomment>
        <translation>الاحتفاظ على هذا الكمبيوتر…</translation>
    </message>
    <message id="918">
        <source>Close</source>
        <extracomment>drives window: button</extracomment>
        <translation>إغلاق</translation>
    </message>
    <message id="919">
        <source>Choose the folder to keep the drives in</source>
        <extracomment>folder dialog: caption, where kept drives go</extracomment>
        <translation>اختر المجلد الذي تُحفظ فيه الرحلات</translation>
    </message>
    <message id="920">
        <source>Keeping drives</source>
        <extracomment>keep progress: caption, also of its report</extracomment>
        <translation>جارٍ الاحتفاظ بالرحلات</translation>
    </message>
    <message id="921">
        <source>Kept %1 of %2 files (%3), each verified.</source>
        <extracomment>keep report: files copied, files chosen, size</extracomment>
        <translation>تم الاحتفاظ بـ %1 من %2 ملف (%3)، وتم التحقق من كل منها.</translation>
    </message>
    <message id="922">
        <source>%1 files were kept already and were not copied again.</source>
        <extracomment>keep report</extracomment>
        <translation>%1 ملف محفوظ مسبقًا ولم يُنسخ مرة أخرى.</translation>
    </message>
    <message id="923">
        <source>Not kept:</source>
        <extracomment>keep report: heading of the files that failed</extracomment>
        <translation>لم يتم الاحتفاظ بها:</translation>
    </message>
    <message id="924">
        <source>Cancelled: %1 files were not kept.</source>
        <extracomment>keep report</extracomment>
        <translation>أُلغي: لم يتم الاحتفاظ بـ %1 ملف.</translation>
    </message>
    <message id="925">
        <source>The files of this drive are not here. They are on %1 (last seen in %2).</source>
        <extracomment>drives window: a drive whose card is not inserted; %1 card, %2 folder</extracomment>
        <translation>ملفات هذه الرحلة غير موجودة هنا. إنها على %1 (شوهدت آخر مرة في %2).</translation>
    </message>
    <message id="926">
        <source>The drive catalogue could not be opened: %1</source>
        <extracomment>drives window: error, %1 the reason</extracomment>
        <translation>تعذر فتح فهرس الرحلات: %1</translation>
    </message>
    <message id="927">
        <source>%1 km</source>
        <extracomment>unit: kilometres</extracomment>
        <translation>%1 كم</translation>
    </message>
    <message id="928">
        <source>%1 mi</source>
        <extracomment>unit: miles</extracomment>
        <translation>%1 ميل</translation>
    </message>
    <message id="929">
        <source>%1 km/h</source>
        <extracomment>unit: kilometres an hour</extracomment>
        <translation>%1 كم/س</translation>
    </message>
    <message id="930">
        <source>%1 mph</source>
        <extracomment>unit: miles an hour</extracomment>
        <translation>%1 ميل/س</translation>
    </message>
    <message id="931">
        <source>Copying and verifying %1</source>
        <extracomment>keep progress: the file at hand</extracomment>
        <translation>جارٍ نسخ %1 والتحقق منه</translation>
    </message>
    <message id="932">
        <source>Cancel</source>
        <extracomment>keep progress: button</extracomment>
        <translation>إلغاء</translation>
    </message>
    <message id="933">
        <source>No drives yet: every card or folder opened is listed here.</source>
        <extracomment>drives window: shown while the catalogue is empty</extracomment>
        <translation>لا توجد رحلات بعد: تُدرج هنا كل بطاقة أو مجلد يتم فتحه.</translation>
    </message>
    <message id="934">
        <source>Adding drives to the catalogue…</source>
        <extracomment>drives window: while a scan's drives are being recorded</extracomment>
        <translation>جارٍ إضافة الرحلات إلى الفهرس…</translation>
    </message>
    <message id="700">
        <source>A file named %1 already exists. Replace it?</source>
        <extracomment>clip export: the file typed in the dialog is there already; %1 its path</extracomment>
        <translation>يوجد ملف باسم %1 بالفعل. هل تريد استبداله؟</translation>
    </message>
    <message id="701">
        <source>Replace</source>
        <extracomment>clip export: button that replaces the existing file</extracomment>
        <translation>استبدال</translation>
    </message>
    <message id="702">
        <source>Size</source>
        <extracomment>clip export: picture size of the clip</extracomment>
        <translation>الحجم</translation>
    </message>
    <message id="703">
        <source>For sharing (at most 1920 pixels wide)</source>
        <extracomment>clip export: size choice, smaller pictures for sending on</extracomment>
        <translation>للمشاركة (عرض 1920 بكسل على الأكثر)</translation>
    </message>
    <message id="704">
        <source>Full size (for evidence)</source>
        <extracomment>clip export: size choice, the cameras&apos; own size</extracomment>
        <translation>الحجم الكامل (كدليل)</translation>
    </message>
    <message id="705">
        <source>Estimated file size</source>
        <extracomment>clip export: label before the expected size of the file</extracomment>
        <translation>الحجم المقدَّر للملف</translation>
    </message>
    <message id="706">
        <source>About %1 MB (%2 × %3 pixels)</source>
        <extracomment>clip export: %1 megabytes, %2 x %3 the clip&apos;s width and height</extracomment>
        <translation>نحو %1 ميغابايت (%2 × %3 بكسل)</translation>
    </message>
    <message id="707">
        <source>Unknown</source>
        <extracomment>clip export: the file size cannot be estimated</extracomment>
        <translation>غير معروف</translation>
    </message>
    <message id="708">
        <source>Notes:</source>
        <extracomment>clip export: heading of what the export noticed, listed in English below it</extracomment>
        <translation>ملاحظات:</translation>
    </message>
</context>
</TS>
