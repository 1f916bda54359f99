<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="en">
<context>
    <name>CloseZDialog</name>
    <message>
        <source>CLOSE Z</source>
        <translation>NAPI ZÁRÁS (Z)</translation>
    </message>
    <message>
        <source>CLOSE Z !!</source>
        <translation>NAPI ZÁRÁS (Z) !!</translation>
    </message>
    <message>
        <source>SURE ?</source>
        <translation>BIZTOS?</translation>
    </message>
    <message>
        <source>PASSWORD</source>
        <translation>JELSZÓ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>HIBA!</translation>
    </message>
    <message>
        <source>I/O Error!</source>
        <translation>Be-/kimeneti hiba!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Sales were made since the report: nothing was closed. CLOSE Z reads the report again.</source>
        <translation>A jelentés óta eladások történtek: semmi sem zárult le. A NAPI ZÁRÁS (Z) újra beolvassa a jelentést.</translation>
    </message>
    <message>
        <source>The scale did not close the day: check the password</source>
        <translation>A mérleg nem zárta le a napot: ellenőrizze a jelszót</translation>
    </message>
    <message>
        <source>This clears the day&apos;s totals on the scale: %1, document %2.</source>
        <translation>Ez törli a mérleg napi összesítőit: %1, bizonylat: %2.</translation>
    </message>
    <message>
        <source>Day closed: %1, document %2, kept in the archive</source>
        <translation>Nap lezárva: %1, bizonylat: %2, megőrizve az archívumban</translation>
    </message>
    <message>
        <source>The close also cleared documents %1 to %2, sold after the report was read: their sales were never read.</source>
        <translation>A zárás a(z) %1–%2. bizonylatot is törölte, amelyeket a jelentés kiolvasása után adtak el: ezek eladásait senki sem olvasta ki.</translation>
    </message>
    <message>
        <source>Day not closed: the scale refused the close; check the password and press OK again</source>
        <translation>A nap nincs lezárva: a mérleg elutasította a zárást; ellenőrizze a jelszót, és nyomja meg újra az OK gombot</translation>
    </message>
    <message>
        <source>Close of document %1 unknown: check on the scale; the next report settles it</source>
        <translation>A(z) %1. bizonylat zárása ismeretlen: ellenőrizze a mérlegen; a következő jelentés tisztázza</translation>
    </message>
    <message>
        <source>The totals read back do not say whether the day was closed: check on the scale. The next report settles it.</source>
        <translation>A visszaolvasott összesítőkből nem derül ki, hogy a nap le lett-e zárva: ellenőrizze a mérlegen. A következő jelentés tisztázza.</translation>
    </message>
    <message>
        <source>Close of document %1 not confirmed: press OK again to read the totals</source>
        <translation>A(z) %1. bizonylat zárása nincs megerősítve: nyomja meg újra az OK gombot az összesítők kiolvasásához</translation>
    </message>
</context>
<context>
    <name>FindScale</name>
    <message>
        <source>Searching for the scale...</source>
        <translation>Mérleg keresése...</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Hiba!</translation>
    </message>
    <message>
        <source>No scale found!</source>
        <translation>Nem található mérleg!</translation>
    </message>
    <message>
        <source>FIND</source>
        <translation>KERESÉS</translation>
    </message>
    <message>
        <source>Scales found:</source>
        <translation>Talált mérlegek:</translation>
    </message>
    <message>
        <source>Check the cable and the port, that the scale is switched on, and its baud rate.</source>
        <translation>Ellenőrizze a kábelt és a portot, hogy a mérleg be van-e kapcsolva, és az átviteli sebességét.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>HELP</source>
        <translation>SÚGÓ</translation>
    </message>
    <message>
        <source>KLO VELLDRAN UTILITY PROGRAM
---------------------------------------------------
You can use this program to set scale settings like
RS baud rate, header/footer texts, autooff time,
set real time clock and many others...
You can use this program to create PLUs data base,
save it to disk and load/store it to the scale.
You can also make calibration settings (only if you
are in calibration mode).
You can use the TERMINAL to direct communicate with
the scale.
The first think that you must make is to connect
the scale to some comport of the PC. The next you
must choice the correct comport and baud rate from
appropriated buttons, and press the button CONNECT.
If everything is correct the caption of the button
CONNECT will be stay DISCONNECT and the green
circle right from it will be stay light-green.
In this case you can use all other properties
of program.
                   GOOD LUCK

FIND searches every port and baud rate for the
scale and sets the port and baud boxes to it.
HISTORY (on the REPORTS tab) lists, charts and
exports the X and Z reports kept on this PC.
Ctrl+L opens the LINE MONITOR: every frame on the
line, with PAUSE, CLEAR and SAVE.</source>
        <translation>KLO VELLDRAN UTILITY PROGRAM
---------------------------------------------------
A programmal beállíthatja a mérleg paramétereit,
pl. az RS átviteli sebességet, a fej- és lábléc
szövegét, az automatikus kikapcsolás idejét,
a valós idejű órát és még sok mást...
A programmal PLU-adatbázist is létrehozhat,
lemezre mentheti, a mérlegbe töltheti vagy
a mérlegből beolvashatja.
Kalibrációs beállításokat is végezhet (csak ha
a mérleg kalibrációs üzemmódban van).
A TERMINÁL segítségével közvetlenül
kommunikálhat a mérleggel.
Először csatlakoztassa a mérleget a számítógép
egyik soros portjához. Ezután a megfelelő
mezőkkel válassza ki a helyes portot és átviteli
sebességet, majd nyomja meg a CSATLAKOZÁS
gombot.
Ha minden rendben van, a CSATLAKOZÁS gomb
felirata BONTÁS-ra változik, a mellette lévő
zöld kör pedig világoszölden világít. Ekkor
a program minden funkcióját használhatja.
                   SOK SIKERT

A KERESÉS minden porton és sebességen megkeresi
a mérleget, és beállítja rá a port és a sebesség
mezőjét.
Az ELŐZMÉNYEK (a JELENTÉSEK lapon) listázza,
grafikonon mutatja és exportálja az ezen a gépen
tárolt X és Z jelentéseket.
A Ctrl+L megnyitja a VONALFIGYELŐT: a vonal minden
kerete, SZÜNET, TÖRLÉS és MENTÉS gombbal.</translation>
    </message>
    <message>
        <source>CLOSE Z (REPORTS tab) ends the day: it reads the
Z report and keeps it in the archive on this PC;
OK with the scale&apos;s password then clears the
day&apos;s totals on the scale. One Z a day, after the
last sale. A wrong password is refused: the
totals stay on the scale and the window says
&quot;The scale did not close the day: check the
password&quot;. Sales made since the report close
nothing: press CLOSE Z again.

GRAPHICAL LOGO (SETTINGS tab) takes BMP files
only: save a PNG or JPEG picture as BMP first.

After &quot;Communication Error!&quot;: check the cable and
that the scale is on, then the port and the baud
rate (the scale&apos;s RS Baud rate), or press FIND to
try them all. The LINE MONITOR (Ctrl+L, or a right
click on the top bar) shows what was sent and what
came back.</source>
        <translation>A NAPI ZÁRÁS (Z) (JELENTÉSEK fül) lezárja a napot:
beolvassa a Z jelentést, és megőrzi az archívumban
ezen a PC-n; az OK a mérleg jelszavával ezután
nullázza a napi összegeket a mérlegen. Naponta
egy NAPI ZÁRÁS (Z), az utolsó eladás után. Hibás
jelszót a mérleg elutasít: az összegek a mérlegen
maradnak, és az ablak ezt írja: „A mérleg nem
zárta le a napot: ellenőrizze a jelszót”. Ha a
jelentés óta eladás történt, semmi sem zárul le:
nyomja meg újra a NAPI ZÁRÁS (Z) gombot.

A GRAFIKUS LOGÓ (BEÁLLÍTÁSOK fül) csak BMP fájlt
fogad: a PNG vagy JPEG képet előbb mentse BMP-ként.

„Kommunikációs hiba!” után: ellenőrizze a kábelt
és hogy a mérleg be van-e kapcsolva, majd a portot
és az átviteli sebességet (a mérleg RS sebessége),
vagy nyomja meg a KERESÉS gombot: az mindet
kipróbálja. A VONALFIGYELŐ (Ctrl+L, vagy jobb
kattintás a felső sávon) megmutatja, mi ment ki
és mi jött vissza.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>READ</source>
        <translation>BEOLVASVA</translation>
    </message>
    <message>
        <source>SCALE</source>
        <translation>MÉRLEG</translation>
    </message>
    <message>
        <source>PORT</source>
        <translation>PORT</translation>
    </message>
    <message>
        <source>KIND</source>
        <translation>TÍPUS</translation>
    </message>
    <message>
        <source>DOC NUM</source>
        <translation>BIZ. SZ.</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>ÖSSZEG</translation>
    </message>
    <message>
        <source>READS</source>
        <translation>OLVASÁSOK</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>BETÖLTÉS</translation>
    </message>
    <message>
        <source>EXPORT CSV</source>
        <translation>CSV EXPORT</translation>
    </message>
    <message>
        <source>HISTORY</source>
        <translation>ELŐZMÉNYEK</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archívum</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Ettől</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Eddig</translation>
    </message>
    <message>
        <source>Total per day</source>
        <translation>Napi összeg</translation>
    </message>
    <message>
        <source>Sales by hour</source>
        <translation>Eladások óránként</translation>
    </message>
    <message>
        <source>Clerks&apos; shares</source>
        <translation>Eladók részesedése</translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>HIBA!</translation>
    </message>
    <message>
        <source>I/O Error!</source>
        <translation>Be-/kimeneti hiba!</translation>
    </message>
    <message>
        <source>Sales</source>
        <translation>Eladások</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Üzlet</translation>
    </message>
    <message>
        <source>The shop of a chain this PC belongs to, kept with every report</source>
        <translation>A lánc üzlete, amelyhez ez a számítógép tartozik; minden jelentéssel együtt tárolódik</translation>
    </message>
    <message>
        <source>EXPORT XLSX</source>
        <translation>XLSX EXPORT</translation>
    </message>
    <message>
        <source>Total per day: no reports in this period</source>
        <translation>Napi összeg: ebben az időszakban nincs jelentés</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Nap</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Óra</translation>
    </message>
    <message>
        <source>CLERK %1</source>
        <translation>ELADÓ %1</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>CSV-fájlok</translation>
    </message>
    <message>
        <source>Excel workbooks</source>
        <translation>Excel-munkafüzetek</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>ZÁRÁS</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>ismeretlen</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>lezárva</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>elutasítva</translation>
    </message>
</context>
<context>
    <name>LineMonitor</name>
    <message>
        <source>Time</source>
        <translation>Idő</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Irány</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bájtok</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Keret</translation>
    </message>
    <message>
        <source>PC -&gt; scale</source>
        <translation>PC -&gt; mérleg</translation>
    </message>
    <message>
        <source>scale -&gt; PC</source>
        <translation>mérleg -&gt; PC</translation>
    </message>
    <message>
        <source>LINE MONITOR</source>
        <translation>VONALFIGYELŐ</translation>
    </message>
    <message>
        <source>PAUSE</source>
        <translation>SZÜNET</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>TÖRLÉS</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>MENTÉS</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Szövegfájlok</translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>HIBA!</translation>
    </message>
    <message>
        <source>I/O Error!</source>
        <translation>Be-/kimeneti hiba!</translation>
    </message>
</context>
<context>
    <name>LogoPicture</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>A(z) %1 fájl nem nyitható meg</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>A BMP-kép érvénytelen</translation>
    </message>
</context>
<context>
    <name>LogoWindow</name>
    <message>
        <source>LOAD</source>
        <translation>MEGNYIT</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Fényerő</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontraszt</translation>
    </message>
    <message>
        <source>SEND TO SCALE</source>
        <translation>KÜLDÉS</translation>
    </message>
    <message>
        <source>50% Threshold</source>
        <translation>50% küszöb</translation>
    </message>
    <message>
        <source>LOAD LOGO</source>
        <translation>LOGÓ BETÖLTÉSE</translation>
    </message>
    <message>
        <source>BMP</source>
        <translation>BMP-képek</translation>
    </message>
    <message>
        <source>Logo sent in %1</source>
        <translation>Logó elküldve: %1</translation>
    </message>
    <message>
        <source>Only BMP pictures (*.bmp) are taken.</source>
        <translation>Csak BMP-képek (*.bmp) tölthetők be.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>choice the comport</source>
        <translation>A COM port kiválasztása</translation>
    </message>
    <message>
        <source>choice the baudrate</source>
        <translation>Az átviteli sebesség kiválasztása</translation>
    </message>
    <message>
        <source>connect/disconnect to the scale</source>
        <translation>Csatlakozás a mérleghez / bontás</translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation>CSATLAKOZÁS</translation>
    </message>
    <message>
        <source>indicator, light-green if connect</source>
        <translation>Jelzőfény, kapcsolat esetén világoszöld</translation>
    </message>
    <message>
        <source>scale terminal</source>
        <translation>Mérlegterminál</translation>
    </message>
    <message>
        <source>TERMINAL</source>
        <translation>TERMINÁL</translation>
    </message>
    <message>
        <source>Last transmision status</source>
        <translation>Az utolsó átvitel állapota</translation>
    </message>
    <message>
        <source>Last Status: </source>
        <translation>Állapot: </translation>
    </message>
    <message>
        <source>find the scale on every port and baud rate (line monitor: Ctrl+L)</source>
        <translation>Mérleg keresése minden porton és sebességen (vonalfigyelő: Ctrl+L)</translation>
    </message>
    <message>
        <source>FIND</source>
        <translation>KERESÉS</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>SÚGÓ</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>BEZÁRÁS</translation>
    </message>
    <message>
        <source>PLU</source>
        <translation>PLU</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>BEÁLLÍTÁSOK</translation>
    </message>
    <message>
        <source>REPORTS</source>
        <translation>JELENTÉSEK</translation>
    </message>
    <message>
        <source>SYSTEM</source>
        <translation>RENDSZER</translation>
    </message>
    <message>
        <source>STATUS:%1</source>
        <translation>ÁLLAPOT:%1</translation>
    </message>
    <message>
        <source>DISCONNECT</source>
        <translation>BONTÁS</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Hiba!</translation>
    </message>
    <message>
        <source>Cannot initialize COM port!</source>
        <translation>A COM port nem inicializálható!</translation>
    </message>
    <message>
        <source>SCALE ID: </source>
        <translation>MÉRLEG ID: </translation>
    </message>
    <message>
        <source>The port did not open: FIND tries every port and rate.</source>
        <translation>A port nem nyílt meg: a KERESÉS minden portot és sebességet kipróbál.</translation>
    </message>
    <message>
        <source>No scale answered at %1 baud: FIND tries every port and rate.</source>
        <translation>%1 baudon egy mérleg sem válaszolt: a KERESÉS minden portot és sebességet kipróbál.</translation>
    </message>
    <message>
        <source>port %1 -&gt; %2</source>
        <translation>port %1 -&gt; %2</translation>
    </message>
    <message>
        <source>baud %1 -&gt; %2</source>
        <translation>sebesség %1 -&gt; %2</translation>
    </message>
    <message>
        <source>Scale found on %1 at %2 baud</source>
        <translation>Mérleg található: %1, %2 baud</translation>
    </message>
    <message>
        <source> (settings unchanged)</source>
        <translation> (a beállítások változatlanok)</translation>
    </message>
    <message>
        <source>: press CONNECT.</source>
        <translation>: nyomja meg a CSATLAKOZÁS gombot.</translation>
    </message>
    <message>
        <source>Line monitor</source>
        <translation>Vonalfigyelő</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1” nem érvényes egész szám</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>„%1” nem érvényes tizedes szám</translation>
    </message>
</context>
<context>
    <name>PluTab</name>
    <message>
        <source>FROM</source>
        <translation>ETTŐL</translation>
    </message>
    <message>
        <source>TO</source>
        <translation>EDDIG</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>MIND</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>TÖRLÉS</translation>
    </message>
    <message>
        <source>MORE</source>
        <translation>TÖBB</translation>
    </message>
    <message>
        <source>Compare the table with the scale; choose whether Save To SCALE sends only what changed</source>
        <translation>A táblázat összevetése a mérleggel; beállítható, hogy a Küldés csak a változásokat küldje-e</translation>
    </message>
    <message>
        <source>Load From SCALE</source>
        <translation>Beolvasás</translation>
    </message>
    <message>
        <source>Save To SCALE</source>
        <translation>Küldés</translation>
    </message>
    <message>
        <source>Save To DISK</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Load From DISK</source>
        <translation>Megnyitás</translation>
    </message>
    <message>
        <source>Compare With SCALE</source>
        <translation>Összevetés a mérleggel</translation>
    </message>
    <message>
        <source>Reads the range from the scale and marks the cells of the table that differ</source>
        <translation>Beolvassa a tartományt a mérlegről, és megjelöli a táblázat eltérő celláit</translation>
    </message>
    <message>
        <source>Save changed only</source>
        <translation>Csak a változások küldése</translation>
    </message>
    <message>
        <source>Save To SCALE sends only the rows that differ from what this scale was last known to hold</source>
        <translation>A Küldés csak azokat a sorokat küldi el, amelyek eltérnek a mérleg utolsó ismert tartalmától</translation>
    </message>
    <message>
        <source>TAB separated Text Files</source>
        <translation>Tabulátorral tagolt szövegfájlok</translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>HIBA!</translation>
    </message>
    <message>
        <source>I/O Error!
(scale records: %1)</source>
        <translation>Be-/kimeneti hiba!
(mérlegadatok: %1)</translation>
    </message>
    <message>
        <source>The scale holds what the table says.</source>
        <translation>A mérleg tartalma megegyezik a táblázattal.</translation>
    </message>
    <message>
        <source>The marked cells differ from the scale.</source>
        <translation>A megjelölt cellák eltérnek a mérlegtől.</translation>
    </message>
    <message>
        <source>The marked cells differ from the scale. Only on the scale: PLU %1.</source>
        <translation>A megjelölt cellák eltérnek a mérlegtől. Csak a mérlegen: PLU %1.</translation>
    </message>
    <message>
        <source>I/O Error!</source>
        <translation>Be-/kimeneti hiba!</translation>
    </message>
    <message>
        <source>error in input file</source>
        <translation>hiba a bemeneti fájlban</translation>
    </message>
    <message>
        <source> (stopped)</source>
        <translation> (leállítva)</translation>
    </message>
    <message>
        <source> (failed)</source>
        <translation> (sikertelen)</translation>
    </message>
    <message>
        <source>PLU %1</source>
        <translation>PLU %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln PLUs read in %1</source>
        <translation>
            <numerusform>%Ln PLU beolvasva: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln PLUs sent in %1</source>
        <translation>
            <numerusform>%Ln PLU elküldve: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No row of PLU %1 to %2 holds a PLU. Sending them clears these PLUs on the scale.

Send them to the scale?</source>
        <translation>A(z) %1–%2. PLU egyik sora sem tartalmaz PLU-t. Elküldésük törli ezeket a PLU-kat a mérlegen.

Elküldi őket a mérlegre?</translation>
    </message>
    <message numerus="yes">
        <source>PLU send stopped after %Ln PLUs: the scale holds part of the new PLUs; send them again</source>
        <translation>
            <numerusform>A PLU-k küldése %Ln PLU után megállt: a mérleg csak az új PLU-k egy részét tartalmazza; küldje el őket újra</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PluTable</name>
    <message>
        <source>NUM</source>
        <translation>SZ.</translation>
    </message>
    <message>
        <source>PRICE</source>
        <translation>ÁR</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>KÓD</translation>
    </message>
    <message>
        <source>DEP</source>
        <translation>GY.</translation>
    </message>
    <message>
        <source>TAX</source>
        <translation>ÁFA</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>DB</translation>
    </message>
    <message>
        <source>FIX</source>
        <translation>FIX</translation>
    </message>
    <message>
        <source>BAR</source>
        <translation>BAR</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NÉV</translation>
    </message>
    <message>
        <source>Valid Date</source>
        <translation>Szavatosság</translation>
    </message>
    <message>
        <source>QUANTITY</source>
        <translation>MENNY.</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>ÖSSZEG</translation>
    </message>
    <message>
        <source>COUNT</source>
        <translation>TÉTEL</translation>
    </message>
    <message>
        <source>PLU number on the scale (1 to 1799)</source>
        <translation>A PLU száma a mérlegen (1–1799)</translation>
    </message>
    <message>
        <source>Unit price of the PLU</source>
        <translation>A PLU egységára</translation>
    </message>
    <message>
        <source>Article code of the PLU</source>
        <translation>A PLU cikkszáma</translation>
    </message>
    <message>
        <source>Department the PLU&apos;s sales are counted under</source>
        <translation>A gyűjtő, amelyre a PLU eladásai számítanak</translation>
    </message>
    <message>
        <source>Tax rate group of the PLU</source>
        <translation>A PLU ÁFA-kulcsa</translation>
    </message>
    <message>
        <source>1: sold by the piece, QUANTITY counts pieces; 0: weighed</source>
        <translation>1: darabos eladás, a MENNY. darabot számol; 0: mért áru</translation>
    </message>
    <message>
        <source>Fixed price flag (0 or 1)</source>
        <translation>Fix ár jelző (0 vagy 1)</translation>
    </message>
    <message>
        <source>Barcode flag (0 or 1)</source>
        <translation>Vonalkód jelző (0 vagy 1)</translation>
    </message>
    <message>
        <source>Name of the PLU</source>
        <translation>A PLU neve</translation>
    </message>
    <message>
        <source>Validity (shelf life) value of the PLU, at most 999</source>
        <translation>A PLU szavatossága, legfeljebb 999</translation>
    </message>
    <message>
        <source>Quantity sold, read from the scale: pieces when NW is 1, else kilograms</source>
        <translation>Eladott mennyiség a mérlegről: darab, ha DB = 1, különben kilogramm</translation>
    </message>
    <message>
        <source>Amount sold, read from the scale</source>
        <translation>Eladott összeg a mérlegről</translation>
    </message>
    <message>
        <source>Count accumulated by the scale for the PLU, read from the scale</source>
        <translation>A mérleg PLU-számlálója, a mérlegről beolvasva</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>WORK...</source>
        <translation>KÉREM, VÁRJON...</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Error!</source>
        <translation>Hiba!</translation>
    </message>
</context>
<context>
    <name>ReportsTab</name>
    <message>
        <source>REPORT</source>
        <translation>JELENTÉS</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>TÖRLÉS</translation>
    </message>
    <message>
        <source>SAVE TO FILE</source>
        <translation>MENTÉS FÁJLBA</translation>
    </message>
    <message>
        <source>HISTORY</source>
        <translation>ELŐZMÉNYEK</translation>
    </message>
    <message>
        <source>CLOSE Z</source>
        <translation>NAPI ZÁRÁS (Z)</translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>HIBA!</translation>
    </message>
    <message>
        <source>I/O Error!</source>
        <translation>Be-/kimeneti hiba!</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Szövegfájlok</translation>
    </message>
    <message>
        <source>Report read in %1</source>
        <translation>Jelentés beolvasva: %1</translation>
    </message>
    <message>
        <source>The close after the report of %1 (document %2) is still unknown: the totals do not say whether the scale carried it out. Check on the scale before closing again.</source>
        <translation>A(z) %1 órakor kiolvasott jelentés utáni zárás (bizonylat: %2) még mindig ismeretlen: az összesítőkből nem derül ki, hogy a mérleg végrehajtotta-e. Újabb zárás előtt ellenőrizze a mérleget.</translation>
    </message>
    <message>
        <source>The day was closed today at %1 (document %2) and nothing has been sold since. Close it again?</source>
        <translation>A napot ma %1 órakor lezárták (bizonylat: %2), és azóta nem volt eladás. Lezárja újra?</translation>
    </message>
</context>
<context>
    <name>ScaleSession</name>
    <message>
        <source>Error!</source>
        <translation>Hiba!</translation>
    </message>
    <message>
        <source>Communication Error!</source>
        <translation>Kommunikációs hiba!</translation>
    </message>
    <message>
        <source>You are not connected to the scale!</source>
        <translation>Nincs kapcsolat a mérleggel!</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>The scale&apos;s port was lost: check the cable, then CONNECT</source>
        <translation>A mérleg portja elveszett: ellenőrizze a kábelt, majd nyomja meg a CSATLAKOZÁS gombot</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message numerus="yes">
        <source>error in input file: %n lines, a settings file has %1</source>
        <translation>
            <numerusform>hiba a bemeneti fájlban: %n sor, a beállításfájl %1 soros</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>RS Baud rate</source>
        <translation>RS sebesség</translation>
    </message>
    <message>
        <source>Auto OFF Time</source>
        <translation>Kikapcsolási idő</translation>
    </message>
    <message>
        <source>LAN Number</source>
        <translation>Hálózati szám</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Kedvezmény</translation>
    </message>
    <message>
        <source>Single Item BAR</source>
        <translation>Tétel vonalkódja</translation>
    </message>
    <message>
        <source>Total BAR</source>
        <translation>Összeg vonalkódja</translation>
    </message>
    <message>
        <source>Drawer Open time</source>
        <translation>Fióknyitás</translation>
    </message>
    <message>
        <source>Printer Darkness</source>
        <translation>Nyomat sötétsége</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Pénznem</translation>
    </message>
    <message>
        <source>RATE</source>
        <translation>ÁRFOLYAM</translation>
    </message>
    <message>
        <source>Print Receipt</source>
        <translation>Nyugta nyomtatása</translation>
    </message>
    <message>
        <source>Print Duplicate</source>
        <translation>Másolat nyomtatása</translation>
    </message>
    <message>
        <source>Print Graphic Logo</source>
        <translation>Grafikus logó nyomtatása</translation>
    </message>
    <message>
        <source>Print Single BAR</source>
        <translation>Tétel vonalkódjának nyomtatása</translation>
    </message>
    <message>
        <source>Print Total BAR</source>
        <translation>Összeg vonalkódjának nyomtatása</translation>
    </message>
    <message>
        <source>Obligatory Paid</source>
        <translation>Kötelező fizetés</translation>
    </message>
    <message>
        <source>Print PLU Code</source>
        <translation>PLU-kód nyomtatása</translation>
    </message>
    <message>
        <source>Print All Reports</source>
        <translation>Minden jelentés nyomtatása</translation>
    </message>
    <message>
        <source>Print Tax</source>
        <translation>ÁFA nyomtatása</translation>
    </message>
    <message>
        <source>Clerk Mode</source>
        <translation>Eladók</translation>
    </message>
    <message>
        <source>All at once</source>
        <translation>Egyszerre</translation>
    </message>
    <message>
        <source>Only one</source>
        <translation>Csak egy</translation>
    </message>
    <message>
        <source>Super Market</source>
        <translation>Szupermarket</translation>
    </message>
    <message>
        <source>Label-1</source>
        <translation>Címke-1</translation>
    </message>
    <message>
        <source>Label-2</source>
        <translation>Címke-2</translation>
    </message>
    <message>
        <source>CLERK 1</source>
        <translation>ELADÓ 1</translation>
    </message>
    <message>
        <source>CLERK 2</source>
        <translation>ELADÓ 2</translation>
    </message>
    <message>
        <source>CLERK 3</source>
        <translation>ELADÓ 3</translation>
    </message>
    <message>
        <source>CLERK 4</source>
        <translation>ELADÓ 4</translation>
    </message>
    <message>
        <source>Taxes</source>
        <translation>ÁFA-kulcsok</translation>
    </message>
    <message>
        <source>HEADER / FOOTER MESSAGE</source>
        <translation>FEJLÉC / LÁBLÉC SZÖVEGE</translation>
    </message>
    <message>
        <source>Real Time Clock</source>
        <translation>Valós idejű óra</translation>
    </message>
    <message>
        <source>From PC</source>
        <translation>PC-ről</translation>
    </message>
    <message>
        <source>From SCALE</source>
        <translation>Mérlegről</translation>
    </message>
    <message>
        <source>To SCALE</source>
        <translation>Mérlegre</translation>
    </message>
    <message>
        <source>GRAPHICAL LOGO</source>
        <translation>GRAFIKUS LOGÓ</translation>
    </message>
    <message>
        <source>DEPARTMENT NAMES</source>
        <translation>GYŰJTŐK NEVEI</translation>
    </message>
    <message>
        <source>LOAD FROM DISK</source>
        <translation>MEGNYITÁS LEMEZRŐL</translation>
    </message>
    <message>
        <source>SAVE TO DISK</source>
        <translation>MENTÉS LEMEZRE</translation>
    </message>
    <message>
        <source>LOAD FROM SCALE</source>
        <translation>BEOLVASÁS MÉRLEGRŐL</translation>
    </message>
    <message>
        <source>SEND TO SCALE</source>
        <translation>KÜLDÉS MÉRLEGRE</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>GYÁRI BEÁLLÍTÁSOK</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Szövegfájlok</translation>
    </message>
    <message>
        <source>     NAME</source>
        <translation>     Név</translation>
    </message>
    <message>
        <source>         HEADER</source>
        <translation>         FEJLÉC</translation>
    </message>
    <message>
        <source>          FOOTER</source>
        <translation>          LÁBLÉC</translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>HIBA!</translation>
    </message>
    <message>
        <source>I/O Error!</source>
        <translation>Be-/kimeneti hiba!</translation>
    </message>
    <message>
        <source>Settings sent in %1</source>
        <translation>Beállítások elküldve: %1</translation>
    </message>
    <message>
        <source>Settings read in %1</source>
        <translation>Beállítások beolvasva: %1</translation>
    </message>
    <message>
        <source>These settings were not read from this scale. Sending them replaces the scale&apos;s receipt header and footer, department names, taxes and clerk names.

Send them to the scale?</source>
        <translation>Ezeket a beállításokat nem ebből a mérlegből olvasta be. Elküldésük felülírja a mérleg nyugtafejlécét és -láblécét, a gyűjtők neveit, az adókat és az eladók nevét.

Elküldi őket a mérlegre?</translation>
    </message>
    <message>
        <source>Settings send stopped at %1 of %2: the scale holds part of the new settings; send them again</source>
        <translation>A beállítások küldése a(z) %2 lépésből a(z) %1. lépésnél megállt: a mérleg csak az új beállítások egy részét tartalmazza; küldje el őket újra</translation>
    </message>
</context>
<context>
    <name>SystemTab</name>
    <message>
        <source>Capacity</source>
        <translation>Méréshatár</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Egység</translation>
    </message>
    <message>
        <source>Initial Zero, %</source>
        <translation>Kezdeti nulla, %</translation>
    </message>
    <message>
        <source>Max Tare</source>
        <translation>Max. tára</translation>
    </message>
    <message>
        <source>Digits (Weight,Price)</source>
        <translation>Számjegyek (tömeg,ár)</translation>
    </message>
    <message>
        <source>price round</source>
        <translation>árkerekítés</translation>
    </message>
    <message>
        <source>Local g</source>
        <translation>Helyi g</translation>
    </message>
    <message>
        <source>Destination g</source>
        <translation>Cél g</translation>
    </message>
    <message>
        <source>SEND</source>
        <translation>KÜLDÉS</translation>
    </message>
    <message>
        <source>dual interval</source>
        <translation>kétosztású</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>tizedesvessző</translation>
    </message>
    <message>
        <source>One Time Tare</source>
        <translation>Egyszeri tára</translation>
    </message>
    <message>
        <source>Minimum Sale</source>
        <translation>Minimális eladás</translation>
    </message>
    <message>
        <source>Stbale Count</source>
        <translation>Stabilitási szám</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Jelszó</translation>
    </message>
    <message>
        <source>Single 6Kg(1/3000)</source>
        <translation>egyosztású 6kg(1/3000)</translation>
    </message>
    <message>
        <source>Single 15Kg(1/3000)</source>
        <translation>egyosztású 15kg(1/3000)</translation>
    </message>
    <message>
        <source>Single 30Kg(1/3000)</source>
        <translation>egyosztású 30kg(1/3000)</translation>
    </message>
    <message>
        <source>Dual 6Kg(1/6000)</source>
        <translation>kétosztású 6kg(1/6000)</translation>
    </message>
    <message>
        <source>Dual 15Kg(1/6000)</source>
        <translation>kétosztású 15kg(1/6000)</translation>
    </message>
    <message>
        <source>Dual 30Kg(1/6000)</source>
        <translation>kétosztású 30kg(1/6000)</translation>
    </message>
</context>
<context>
    <name>TerminalWindow</name>
    <message>
        <source>TERMINAL</source>
        <translation>TERMINÁL</translation>
    </message>
</context>
</TS>
