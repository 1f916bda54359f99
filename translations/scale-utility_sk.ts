<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk" sourcelanguage="en">
<context>
    <name>CloseZDialog</name>
    <message>
        <source>CLOSE Z</source>
        <translation>UZÁVIERKA Z</translation>
    </message>
    <message>
        <source>CLOSE Z !!</source>
        <translation>UZÁVIERKA Z !!</translation>
    </message>
    <message>
        <source>SURE ?</source>
        <translation>NAOZAJ?</translation>
    </message>
    <message>
        <source>PASSWORD</source>
        <translation>HESLO</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>CHYBA!</translation>
    </message>
    <message>
        <source>I/O Error!</source>
        <translation>Chyba vstupu/výstupu!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Sales were made since the report: nothing was closed. CLOSE Z reads the report again.</source>
        <translation>Od zostavy prebehli ďalšie predaje: nič nebolo uzavreté. UZÁVIERKA Z načíta zostavu znova.</translation>
    </message>
    <message>
        <source>The scale did not close the day: check the password</source>
        <translation>Váha neuzavrela deň: skontrolujte heslo</translation>
    </message>
    <message>
        <source>This clears the day&apos;s totals on the scale: %1, document %2.</source>
        <translation>Tým sa vynulujú denné súčty na váhe: %1, doklad %2.</translation>
    </message>
    <message>
        <source>Day closed: %1, document %2, kept in the archive</source>
        <translation>Deň uzavretý: %1, doklad %2, uložené v archíve</translation>
    </message>
    <message>
        <source>The close also cleared documents %1 to %2, sold after the report was read: their sales were never read.</source>
        <translation>Uzávierka vynulovala aj doklady %1 až %2, predané po načítaní zostavy: ich predaje neboli nikdy načítané.</translation>
    </message>
    <message>
        <source>Day not closed: the scale refused the close; check the password and press OK again</source>
        <translation>Deň neuzavretý: váha uzávierku odmietla; skontrolujte heslo a stlačte znova OK</translation>
    </message>
    <message>
        <source>Close of document %1 unknown: check on the scale; the next report settles it</source>
        <translation>Uzávierka dokladu %1 neznáma: skontrolujte na váhe; ďalšia zostava to vyjasní</translation>
    </message>
    <message>
        <source>The totals read back do not say whether the day was closed: check on the scale. The next report settles it.</source>
        <translation>Znova načítané súčty neukazujú, či bol deň uzavretý: skontrolujte na váhe. Ďalšia zostava to vyjasní.</translation>
    </message>
    <message>
        <source>Close of document %1 not confirmed: press OK again to read the totals</source>
        <translation>Uzávierka dokladu %1 nepotvrdená: stlačte znova OK a súčty sa načítajú</translation>
    </message>
</context>
<context>
    <name>FindScale</name>
    <message>
        <source>Searching for the scale...</source>
        <translation>Hľadanie váhy...</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Chyba!</translation>
    </message>
    <message>
        <source>No scale found!</source>
        <translation>Nenašla sa žiadna váha!</translation>
    </message>
    <message>
        <source>FIND</source>
        <translation>HĽADAŤ</translation>
    </message>
    <message>
        <source>Scales found:</source>
        <translation>Nájdené váhy:</translation>
    </message>
    <message>
        <source>Check the cable and the port, that the scale is switched on, and its baud rate.</source>
        <translation>Skontrolujte kábel a port, či je váha zapnutá, a jej prenosovú rýchlosť.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>HELP</source>
        <translation>POMOCNÍK</translation>
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
Týmto programom môžete nastaviť parametre váhy,
napr. rýchlosť RS, texty hlavičky a päty, čas
automatického vypnutia, hodiny reálneho času
a veľa ďalšieho...
Programom môžete tiež vytvoriť databázu PLU,
uložiť ju na disk a nahrať ju do váhy alebo
načítať z váhy.
Môžete tiež vykonať kalibračné nastavenia (iba
ak je váha v kalibračnom režime).
Pomocou TERMINÁLU môžete s váhou komunikovať
priamo.
Najprv pripojte váhu k niektorému sériovému portu
PC. Potom príslušnými prvkami zvoľte správny port
a prenosovú rýchlosť a stlačte tlačidlo
PRIPOJIŤ.
Ak je všetko v poriadku, popis tlačidla PRIPOJIŤ
sa zmení na ODPOJIŤ a zelený kruh napravo od neho
sa rozsvieti na svetlozeleno. Potom môžete
používať všetky ďalšie funkcie programu.
                   VEĽA ŠŤASTIA

HĽADAŤ prehľadá všetky porty a rýchlosti, nájde
váhu a nastaví na ňu pole portu a rýchlosti.
HISTÓRIA (na karte ZOSTAVY) vypíše, ukáže v grafoch
a exportuje zostavy X a Z uložené v tomto PC.
Ctrl+L otvorí MONITOR LINKY: každý rámec na linke,
s tlačidlami POZASTAVIŤ, VYMAZAŤ a ULOŽIŤ.</translation>
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
        <translation>UZÁVIERKA Z (karta ZOSTAVY) uzatvára deň: načíta
zostavu Z a uloží ju do archívu v tomto PC;
OK s heslom váhy potom vynuluje denné súčty vo
váhe. Jedna UZÁVIERKA Z denne, po poslednom
predaji. Nesprávne heslo váha odmietne: súčty
zostanú vo váhe a okno ohlási „Váha neuzavrela
deň: skontrolujte heslo“. Ak od zostavy prebehli
ďalšie predaje, nič sa neuzavrie: stlačte znova
UZÁVIERKA Z.

GRAFICKÉ LOGO (karta NASTAVENIA) prijíma iba
súbory BMP: obrázok PNG alebo JPEG najprv
uložte ako BMP.

Po hlásení „Chyba komunikácie!“: skontrolujte
kábel a či je váha zapnutá, potom port
a prenosovú rýchlosť (Rýchlosť RS váhy), alebo
stlačte HĽADAŤ a vyskúšajú sa všetky.
MONITOR LINKY (Ctrl+L alebo pravé tlačidlo myši
na hornej lište) ukáže, čo sa odoslalo a čo sa
vrátilo.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>READ</source>
        <translation>NAČÍTANÉ</translation>
    </message>
    <message>
        <source>SCALE</source>
        <translation>VÁHA</translation>
    </message>
    <message>
        <source>PORT</source>
        <translation>PORT</translation>
    </message>
    <message>
        <source>KIND</source>
        <translation>DRUH</translation>
    </message>
    <message>
        <source>DOC NUM</source>
        <translation>ČÍS. DOKL.</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>SPOLU</translation>
    </message>
    <message>
        <source>READS</source>
        <translation>ČÍTANIA</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>NAČÍTAŤ</translation>
    </message>
    <message>
        <source>EXPORT CSV</source>
        <translation>EXPORT CSV</translation>
    </message>
    <message>
        <source>HISTORY</source>
        <translation>HISTÓRIA</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archív</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Total per day</source>
        <translation>Spolu za deň</translation>
    </message>
    <message>
        <source>Sales by hour</source>
        <translation>Predaj podľa hodín</translation>
    </message>
    <message>
        <source>Clerks&apos; shares</source>
        <translation>Podiely predavačov</translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>CHYBA!</translation>
    </message>
    <message>
        <source>I/O Error!</source>
        <translation>Chyba vstupu/výstupu!</translation>
    </message>
    <message>
        <source>Sales</source>
        <translation>Predaj</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Predajňa</translation>
    </message>
    <message>
        <source>The shop of a chain this PC belongs to, kept with every report</source>
        <translation>Predajňa reťazca, ku ktorej tento počítač patrí; ukladá sa s každou zostavou</translation>
    </message>
    <message>
        <source>EXPORT XLSX</source>
        <translation>EXPORT XLSX</translation>
    </message>
    <message>
        <source>Total per day: no reports in this period</source>
        <translation>Spolu za deň: v tomto období žiadne zostavy</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Deň</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hodina</translation>
    </message>
    <message>
        <source>CLERK %1</source>
        <translation>PRED. %1</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Súbory CSV</translation>
    </message>
    <message>
        <source>Excel workbooks</source>
        <translation>Zošity Excel</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>UZÁVIERKA</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>neznáma</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>uzavreté</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>odmietnuté</translation>
    </message>
</context>
<context>
    <name>LineMonitor</name>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Smer</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bajty</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Rámec</translation>
    </message>
    <message>
        <source>PC -&gt; scale</source>
        <translation>PC -&gt; váha</translation>
    </message>
    <message>
        <source>scale -&gt; PC</source>
        <translation>váha -&gt; PC</translation>
    </message>
    <message>
        <source>LINE MONITOR</source>
        <translation>MONITOR LINKY</translation>
    </message>
    <message>
        <source>PAUSE</source>
        <translation>POZASTAVIŤ</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>VYMAZAŤ</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ULOŽIŤ</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Textové súbory</translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>CHYBA!</translation>
    </message>
    <message>
        <source>I/O Error!</source>
        <translation>Chyba vstupu/výstupu!</translation>
    </message>
</context>
<context>
    <name>LogoPicture</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Súbor %1 nie je možné otvoriť</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Obrázok BMP nie je platný</translation>
    </message>
</context>
<context>
    <name>LogoWindow</name>
    <message>
        <source>LOAD</source>
        <translation>OTVORIŤ</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jas</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>SEND TO SCALE</source>
        <translation>ODOSLAŤ</translation>
    </message>
    <message>
        <source>50% Threshold</source>
        <translation>Prah 50 %</translation>
    </message>
    <message>
        <source>LOAD LOGO</source>
        <translation>NAČÍTAŤ LOGO</translation>
    </message>
    <message>
        <source>BMP</source>
        <translation>Obrázky BMP</translation>
    </message>
    <message>
        <source>Logo sent in %1</source>
        <translation>Logo odoslané za %1</translation>
    </message>
    <message>
        <source>Only BMP pictures (*.bmp) are taken.</source>
        <translation>Načítať možno len obrázky BMP (*.bmp).</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>choice the comport</source>
        <translation>Výber portu COM</translation>
    </message>
    <message>
        <source>choice the baudrate</source>
        <translation>Výber prenosovej rýchlosti</translation>
    </message>
    <message>
        <source>connect/disconnect to the scale</source>
        <translation>Pripojiť k váhe / odpojiť od váhy</translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation>PRIPOJIŤ</translation>
    </message>
    <message>
        <source>indicator, light-green if connect</source>
        <translation>Indikátor, pri spojení svetlozelený</translation>
    </message>
    <message>
        <source>scale terminal</source>
        <translation>Terminál váhy</translation>
    </message>
    <message>
        <source>TERMINAL</source>
        <translation>TERMINÁL</translation>
    </message>
    <message>
        <source>Last transmision status</source>
        <translation>Stav posledného prenosu</translation>
    </message>
    <message>
        <source>Last Status: </source>
        <translation>Posledný stav: </translation>
    </message>
    <message>
        <source>find the scale on every port and baud rate (line monitor: Ctrl+L)</source>
        <translation>Hľadať váhu na všetkých portoch a rýchlostiach (monitor linky: Ctrl+L)</translation>
    </message>
    <message>
        <source>FIND</source>
        <translation>HĽADAŤ</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>POMOCNÍK</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>ZAVRIEŤ</translation>
    </message>
    <message>
        <source>PLU</source>
        <translation>PLU</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>NASTAVENIA</translation>
    </message>
    <message>
        <source>REPORTS</source>
        <translation>ZOSTAVY</translation>
    </message>
    <message>
        <source>SYSTEM</source>
        <translation>SYSTÉM</translation>
    </message>
    <message>
        <source>STATUS:%1</source>
        <translation>STAV:%1</translation>
    </message>
    <message>
        <source>DISCONNECT</source>
        <translation>ODPOJIŤ</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Chyba!</translation>
    </message>
    <message>
        <source>Cannot initialize COM port!</source>
        <translation>Port COM nie je možné inicializovať!</translation>
    </message>
    <message>
        <source>SCALE ID: </source>
        <translation>ID VÁHY: </translation>
    </message>
    <message>
        <source>The port did not open: FIND tries every port and rate.</source>
        <translation>Port sa neotvoril: HĽADAŤ skúsi všetky porty a rýchlosti.</translation>
    </message>
    <message>
        <source>No scale answered at %1 baud: FIND tries every port and rate.</source>
        <translation>Pri %1 Bd neodpovedala žiadna váha: HĽADAŤ skúsi všetky porty a rýchlosti.</translation>
    </message>
    <message>
        <source>port %1 -&gt; %2</source>
        <translation>port %1 -&gt; %2</translation>
    </message>
    <message>
        <source>baud %1 -&gt; %2</source>
        <translation>rýchlosť %1 -&gt; %2</translation>
    </message>
    <message>
        <source>Scale found on %1 at %2 baud</source>
        <translation>Váha nájdená na %1 pri %2 Bd</translation>
    </message>
    <message>
        <source> (settings unchanged)</source>
        <translation> (nastavenia bez zmeny)</translation>
    </message>
    <message>
        <source>: press CONNECT.</source>
        <translation>: stlačte PRIPOJIŤ.</translation>
    </message>
    <message>
        <source>Line monitor</source>
        <translation>Monitor linky</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ nie je platné celé číslo</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>„%1“ nie je platné desatinné číslo</translation>
    </message>
</context>
<context>
    <name>PluTab</name>
    <message>
        <source>FROM</source>
        <translation>OD</translation>
    </message>
    <message>
        <source>TO</source>
        <translation>DO</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>VŠETKO</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>VYMAZAŤ</translation>
    </message>
    <message>
        <source>MORE</source>
        <translation>VIAC</translation>
    </message>
    <message>
        <source>Compare the table with the scale; choose whether Save To SCALE sends only what changed</source>
        <translation>Porovnať tabuľku s váhou; zvoliť, či Odoslať do VÁHY odošle iba zmeny</translation>
    </message>
    <message>
        <source>Load From SCALE</source>
        <translation>Načítať z VÁHY</translation>
    </message>
    <message>
        <source>Save To SCALE</source>
        <translation>Odoslať do VÁHY</translation>
    </message>
    <message>
        <source>Save To DISK</source>
        <translation>Uložiť na DISK</translation>
    </message>
    <message>
        <source>Load From DISK</source>
        <translation>Otvoriť z DISKU</translation>
    </message>
    <message>
        <source>Compare With SCALE</source>
        <translation>Porovnať s VÁHOU</translation>
    </message>
    <message>
        <source>Reads the range from the scale and marks the cells of the table that differ</source>
        <translation>Načíta rozsah z váhy a označí bunky tabuľky, ktoré sa líšia</translation>
    </message>
    <message>
        <source>Save changed only</source>
        <translation>Odosielať iba zmeny</translation>
    </message>
    <message>
        <source>Save To SCALE sends only the rows that differ from what this scale was last known to hold</source>
        <translation>Odoslať do VÁHY odošle iba riadky, ktoré sa líšia od posledného známeho obsahu tejto váhy</translation>
    </message>
    <message>
        <source>TAB separated Text Files</source>
        <translation>Textové súbory oddelené tabulátormi</translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>CHYBA!</translation>
    </message>
    <message>
        <source>I/O Error!
(scale records: %1)</source>
        <translation>Chyba vstupu/výstupu!
(záznamy váhy: %1)</translation>
    </message>
    <message>
        <source>The scale holds what the table says.</source>
        <translation>Váha obsahuje to isté čo tabuľka.</translation>
    </message>
    <message>
        <source>The marked cells differ from the scale.</source>
        <translation>Označené bunky sa líšia od váhy.</translation>
    </message>
    <message>
        <source>The marked cells differ from the scale. Only on the scale: PLU %1.</source>
        <translation>Označené bunky sa líšia od váhy. Iba vo váhe: PLU %1.</translation>
    </message>
    <message>
        <source>I/O Error!</source>
        <translation>Chyba vstupu/výstupu!</translation>
    </message>
    <message>
        <source>error in input file</source>
        <translation>chyba vo vstupnom súbore</translation>
    </message>
    <message>
        <source> (stopped)</source>
        <translation> (zastavené)</translation>
    </message>
    <message>
        <source> (failed)</source>
        <translation> (zlyhalo)</translation>
    </message>
    <message>
        <source>PLU %1</source>
        <translation>PLU %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln PLUs read in %1</source>
        <translation>
            <numerusform>%Ln PLU načítané za %1</numerusform>
            <numerusform>%Ln PLU načítané za %1</numerusform>
            <numerusform>%Ln PLU načítaných za %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln PLUs sent in %1</source>
        <translation>
            <numerusform>%Ln PLU odoslané za %1</numerusform>
            <numerusform>%Ln PLU odoslané za %1</numerusform>
            <numerusform>%Ln PLU odoslaných za %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No row of PLU %1 to %2 holds a PLU. Sending them clears these PLUs on the scale.

Send them to the scale?</source>
        <translation>Žiadny riadok PLU %1 až %2 neobsahuje PLU. Ich odoslanie tieto PLU na váhe vymaže.

Odoslať ich do váhy?</translation>
    </message>
    <message numerus="yes">
        <source>PLU send stopped after %Ln PLUs: the scale holds part of the new PLUs; send them again</source>
        <translation>
            <numerusform>Odosielanie PLU sa zastavilo po %Ln PLU: váha má len časť nových PLU; odošlite ich znova</numerusform>
            <numerusform>Odosielanie PLU sa zastavilo po %Ln PLU: váha má len časť nových PLU; odošlite ich znova</numerusform>
            <numerusform>Odosielanie PLU sa zastavilo po %Ln PLU: váha má len časť nových PLU; odošlite ich znova</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PluTable</name>
    <message>
        <source>NUM</source>
        <translation>ČÍS</translation>
    </message>
    <message>
        <source>PRICE</source>
        <translation>CENA</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>KÓD</translation>
    </message>
    <message>
        <source>DEP</source>
        <translation>ODD</translation>
    </message>
    <message>
        <source>TAX</source>
        <translation>DPH</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>KS</translation>
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
        <translation>NÁZOV</translation>
    </message>
    <message>
        <source>Valid Date</source>
        <translation>Trvanlivosť</translation>
    </message>
    <message>
        <source>QUANTITY</source>
        <translation>MNOŽ.</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>SPOLU</translation>
    </message>
    <message>
        <source>COUNT</source>
        <translation>POČET</translation>
    </message>
    <message>
        <source>PLU number on the scale (1 to 1799)</source>
        <translation>Číslo PLU vo váhe (1 až 1799)</translation>
    </message>
    <message>
        <source>Unit price of the PLU</source>
        <translation>Jednotková cena PLU</translation>
    </message>
    <message>
        <source>Article code of the PLU</source>
        <translation>Kód tovaru PLU</translation>
    </message>
    <message>
        <source>Department the PLU&apos;s sales are counted under</source>
        <translation>Oddelenie, do ktorého sa predaj PLU počíta</translation>
    </message>
    <message>
        <source>Tax rate group of the PLU</source>
        <translation>Sadzba DPH PLU</translation>
    </message>
    <message>
        <source>1: sold by the piece, QUANTITY counts pieces; 0: weighed</source>
        <translation>1: predaj na kusy, MNOŽ. počíta kusy; 0: vážený tovar</translation>
    </message>
    <message>
        <source>Fixed price flag (0 or 1)</source>
        <translation>Príznak pevnej ceny (0 alebo 1)</translation>
    </message>
    <message>
        <source>Barcode flag (0 or 1)</source>
        <translation>Príznak čiarového kódu (0 alebo 1)</translation>
    </message>
    <message>
        <source>Name of the PLU</source>
        <translation>Názov PLU</translation>
    </message>
    <message>
        <source>Validity (shelf life) value of the PLU, at most 999</source>
        <translation>Trvanlivosť PLU, najviac 999</translation>
    </message>
    <message>
        <source>Quantity sold, read from the scale: pieces when NW is 1, else kilograms</source>
        <translation>Predané množstvo načítané z váhy: kusy, ak je KS 1, inak kilogramy</translation>
    </message>
    <message>
        <source>Amount sold, read from the scale</source>
        <translation>Tržba načítaná z váhy</translation>
    </message>
    <message>
        <source>Count accumulated by the scale for the PLU, read from the scale</source>
        <translation>Počet zaznamenaný váhou pri PLU, načítaný z váhy</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>WORK...</source>
        <translation>ČAKAJTE...</translation>
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
        <translation>Chyba!</translation>
    </message>
</context>
<context>
    <name>ReportsTab</name>
    <message>
        <source>REPORT</source>
        <translation>ZOSTAVA</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>VYMAZAŤ</translation>
    </message>
    <message>
        <source>SAVE TO FILE</source>
        <translation>ULOŽIŤ DO SÚBORU</translation>
    </message>
    <message>
        <source>HISTORY</source>
        <translation>HISTÓRIA</translation>
    </message>
    <message>
        <source>CLOSE Z</source>
        <translation>UZÁVIERKA Z</translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>CHYBA!</translation>
    </message>
    <message>
        <source>I/O Error!</source>
        <translation>Chyba vstupu/výstupu!</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Textové súbory</translation>
    </message>
    <message>
        <source>Report read in %1</source>
        <translation>Zostava načítaná za %1</translation>
    </message>
    <message>
        <source>The close after the report of %1 (document %2) is still unknown: the totals do not say whether the scale carried it out. Check on the scale before closing again.</source>
        <translation>Uzávierka po zostave z %1 (doklad %2) je stále neznáma: súčty neukazujú, či ju váha vykonala. Pred ďalšou uzávierkou skontrolujte váhu.</translation>
    </message>
    <message>
        <source>The day was closed today at %1 (document %2) and nothing has been sold since. Close it again?</source>
        <translation>Deň bol dnes uzavretý o %1 (doklad %2) a odvtedy sa nič nepredalo. Uzavrieť znova?</translation>
    </message>
</context>
<context>
    <name>ScaleSession</name>
    <message>
        <source>Error!</source>
        <translation>Chyba!</translation>
    </message>
    <message>
        <source>Communication Error!</source>
        <translation>Chyba komunikácie!</translation>
    </message>
    <message>
        <source>You are not connected to the scale!</source>
        <translation>Nie ste pripojení k váhe!</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>The scale&apos;s port was lost: check the cable, then CONNECT</source>
        <translation>Port váhy sa stratil: skontrolujte kábel a potom stlačte PRIPOJIŤ</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message numerus="yes">
        <source>error in input file: %n lines, a settings file has %1</source>
        <translation>
            <numerusform>chyba vo vstupnom súbore: %n riadok, súbor nastavení má %1 riadkov</numerusform>
            <numerusform>chyba vo vstupnom súbore: %n riadky, súbor nastavení má %1 riadkov</numerusform>
            <numerusform>chyba vo vstupnom súbore: %n riadkov, súbor nastavení má %1 riadkov</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>RS Baud rate</source>
        <translation>Rýchlosť RS</translation>
    </message>
    <message>
        <source>Auto OFF Time</source>
        <translation>Čas vypnutia</translation>
    </message>
    <message>
        <source>LAN Number</source>
        <translation>Číslo v sieti</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Zľava</translation>
    </message>
    <message>
        <source>Single Item BAR</source>
        <translation>Čiar. kód položky</translation>
    </message>
    <message>
        <source>Total BAR</source>
        <translation>Čiar. kód súčtu</translation>
    </message>
    <message>
        <source>Drawer Open time</source>
        <translation>Otvorenie zásuvky</translation>
    </message>
    <message>
        <source>Printer Darkness</source>
        <translation>Sýtosť tlače</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Mena</translation>
    </message>
    <message>
        <source>RATE</source>
        <translation>KURZ</translation>
    </message>
    <message>
        <source>Print Receipt</source>
        <translation>Tlač bločku</translation>
    </message>
    <message>
        <source>Print Duplicate</source>
        <translation>Tlač kópie</translation>
    </message>
    <message>
        <source>Print Graphic Logo</source>
        <translation>Tlač grafického loga</translation>
    </message>
    <message>
        <source>Print Single BAR</source>
        <translation>Tlač čiar. kódu položky</translation>
    </message>
    <message>
        <source>Print Total BAR</source>
        <translation>Tlač čiar. kódu súčtu</translation>
    </message>
    <message>
        <source>Obligatory Paid</source>
        <translation>Povinná platba</translation>
    </message>
    <message>
        <source>Print PLU Code</source>
        <translation>Tlač kódu PLU</translation>
    </message>
    <message>
        <source>Print All Reports</source>
        <translation>Tlač všetkých zostáv</translation>
    </message>
    <message>
        <source>Print Tax</source>
        <translation>Tlač DPH</translation>
    </message>
    <message>
        <source>Clerk Mode</source>
        <translation>Predavači</translation>
    </message>
    <message>
        <source>All at once</source>
        <translation>Súčasne</translation>
    </message>
    <message>
        <source>Only one</source>
        <translation>Iba jeden</translation>
    </message>
    <message>
        <source>Super Market</source>
        <translation>Supermarket</translation>
    </message>
    <message>
        <source>Label-1</source>
        <translation>Etiketa-1</translation>
    </message>
    <message>
        <source>Label-2</source>
        <translation>Etiketa-2</translation>
    </message>
    <message>
        <source>CLERK 1</source>
        <translation>PRED. 1</translation>
    </message>
    <message>
        <source>CLERK 2</source>
        <translation>PRED. 2</translation>
    </message>
    <message>
        <source>CLERK 3</source>
        <translation>PRED. 3</translation>
    </message>
    <message>
        <source>CLERK 4</source>
        <translation>PRED. 4</translation>
    </message>
    <message>
        <source>Taxes</source>
        <translation>Sadzby DPH</translation>
    </message>
    <message>
        <source>HEADER / FOOTER MESSAGE</source>
        <translation>TEXT HLAVIČKY / PÄTY</translation>
    </message>
    <message>
        <source>Real Time Clock</source>
        <translation>Hodiny reálneho času</translation>
    </message>
    <message>
        <source>From PC</source>
        <translation>Z PC</translation>
    </message>
    <message>
        <source>From SCALE</source>
        <translation>Z VÁHY</translation>
    </message>
    <message>
        <source>To SCALE</source>
        <translation>Do VÁHY</translation>
    </message>
    <message>
        <source>GRAPHICAL LOGO</source>
        <translation>GRAFICKÉ LOGO</translation>
    </message>
    <message>
        <source>DEPARTMENT NAMES</source>
        <translation>NÁZVY ODDELENÍ</translation>
    </message>
    <message>
        <source>LOAD FROM DISK</source>
        <translation>OTVORIŤ Z DISKU</translation>
    </message>
    <message>
        <source>SAVE TO DISK</source>
        <translation>ULOŽIŤ NA DISK</translation>
    </message>
    <message>
        <source>LOAD FROM SCALE</source>
        <translation>NAČÍTAŤ Z VÁHY</translation>
    </message>
    <message>
        <source>SEND TO SCALE</source>
        <translation>ODOSLAŤ DO VÁHY</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>VÝROBNÉ HODNOTY</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Textové súbory</translation>
    </message>
    <message>
        <source>     NAME</source>
        <translation>     Názov</translation>
    </message>
    <message>
        <source>         HEADER</source>
        <translation>         HLAVIČKA</translation>
    </message>
    <message>
        <source>          FOOTER</source>
        <translation>          PÄTA</translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>CHYBA!</translation>
    </message>
    <message>
        <source>I/O Error!</source>
        <translation>Chyba vstupu/výstupu!</translation>
    </message>
    <message>
        <source>Settings sent in %1</source>
        <translation>Nastavenia odoslané za %1</translation>
    </message>
    <message>
        <source>Settings read in %1</source>
        <translation>Nastavenia načítané za %1</translation>
    </message>
    <message>
        <source>These settings were not read from this scale. Sending them replaces the scale&apos;s receipt header and footer, department names, taxes and clerk names.

Send them to the scale?</source>
        <translation>Tieto nastavenia neboli načítané z tejto váhy. Ich odoslanie nahradí na váhe hlavičku a pätu bloku, názvy oddelení, dane a mená predavačov.

Odoslať ich do váhy?</translation>
    </message>
    <message>
        <source>Settings send stopped at %1 of %2: the scale holds part of the new settings; send them again</source>
        <translation>Odosielanie nastavení sa zastavilo na %1 z %2: váha má len časť nových nastavení; odošlite ich znova</translation>
    </message>
</context>
<context>
    <name>SystemTab</name>
    <message>
        <source>Capacity</source>
        <translation>Váživosť</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednotka</translation>
    </message>
    <message>
        <source>Initial Zero, %</source>
        <translation>Počiatočná nula, %</translation>
    </message>
    <message>
        <source>Max Tare</source>
        <translation>Max. tara</translation>
    </message>
    <message>
        <source>Digits (Weight,Price)</source>
        <translation>Číslice (hmotnosť,cena)</translation>
    </message>
    <message>
        <source>price round</source>
        <translation>zaokrúhlenie ceny</translation>
    </message>
    <message>
        <source>Local g</source>
        <translation>Miestne g</translation>
    </message>
    <message>
        <source>Destination g</source>
        <translation>Cieľové g</translation>
    </message>
    <message>
        <source>SEND</source>
        <translation>ODOSLAŤ</translation>
    </message>
    <message>
        <source>dual interval</source>
        <translation>2 dieliky</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>čiarka</translation>
    </message>
    <message>
        <source>One Time Tare</source>
        <translation>Jednorazová tara</translation>
    </message>
    <message>
        <source>Minimum Sale</source>
        <translation>Minimálny predaj</translation>
    </message>
    <message>
        <source>Stbale Count</source>
        <translation>Počet pre ustálenie</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Single 6Kg(1/3000)</source>
        <translation>1 dielik 6kg(1/3000)</translation>
    </message>
    <message>
        <source>Single 15Kg(1/3000)</source>
        <translation>1 dielik 15kg(1/3000)</translation>
    </message>
    <message>
        <source>Single 30Kg(1/3000)</source>
        <translation>1 dielik 30kg(1/3000)</translation>
    </message>
    <message>
        <source>Dual 6Kg(1/6000)</source>
        <translation>2 dieliky 6kg(1/6000)</translation>
    </message>
    <message>
        <source>Dual 15Kg(1/6000)</source>
        <translation>2 dieliky 15kg(1/6000)</translation>
    </message>
    <message>
        <source>Dual 30Kg(1/6000)</source>
        <translation>2 dieliky 30kg(1/6000)</translation>
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
