<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>CloseZDialog</name>
    <message>
        <source>CLOSE Z</source>
        <translation>UZÁVĚRKA Z</translation>
    </message>
    <message>
        <source>CLOSE Z !!</source>
        <translation>UZÁVĚRKA Z !!</translation>
    </message>
    <message>
        <source>SURE ?</source>
        <translation>OPRAVDU?</translation>
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
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Sales were made since the report: nothing was closed. CLOSE Z reads the report again.</source>
        <translation>Od sestavy proběhly další prodeje: nic nebylo uzavřeno. UZÁVĚRKA Z načte sestavu znovu.</translation>
    </message>
    <message>
        <source>The scale did not close the day: check the password</source>
        <translation>Váha neuzavřela den: zkontrolujte heslo</translation>
    </message>
    <message>
        <source>This clears the day&apos;s totals on the scale: %1, document %2.</source>
        <translation>Tímto se vynulují denní součty na váze: %1, doklad %2.</translation>
    </message>
    <message>
        <source>Day closed: %1, document %2, kept in the archive</source>
        <translation>Den uzavřen: %1, doklad %2, uloženo v archivu</translation>
    </message>
    <message>
        <source>The close also cleared documents %1 to %2, sold after the report was read: their sales were never read.</source>
        <translation>Uzávěrka vynulovala také doklady %1 až %2, prodané po načtení sestavy: jejich prodeje nebyly nikdy načteny.</translation>
    </message>
    <message>
        <source>Day not closed: the scale refused the close; check the password and press OK again</source>
        <translation>Den neuzavřen: váha uzávěrku odmítla; zkontrolujte heslo a stiskněte znovu OK</translation>
    </message>
    <message>
        <source>Close of document %1 unknown: check on the scale; the next report settles it</source>
        <translation>Uzávěrka dokladu %1 neznámá: zkontrolujte na váze; příští sestava to vyjasní</translation>
    </message>
    <message>
        <source>The totals read back do not say whether the day was closed: check on the scale. The next report settles it.</source>
        <translation>Znovu načtené součty neukazují, zda byl den uzavřen: zkontrolujte na váze. Příští sestava to vyjasní.</translation>
    </message>
    <message>
        <source>Close of document %1 not confirmed: press OK again to read the totals</source>
        <translation>Uzávěrka dokladu %1 nepotvrzena: stiskněte znovu OK a součty se načtou</translation>
    </message>
</context>
<context>
    <name>FindScale</name>
    <message>
        <source>Searching for the scale...</source>
        <translation>Hledání váhy...</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Chyba!</translation>
    </message>
    <message>
        <source>No scale found!</source>
        <translation>Nenalezena žádná váha!</translation>
    </message>
    <message>
        <source>FIND</source>
        <translation>HLEDAT</translation>
    </message>
    <message>
        <source>Scales found:</source>
        <translation>Nalezené váhy:</translation>
    </message>
    <message>
        <source>Check the cable and the port, that the scale is switched on, and its baud rate.</source>
        <translation>Zkontrolujte kabel a port, zda je váha zapnutá, a její přenosovou rychlost.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>HELP</source>
        <translation>NÁPOVĚDA</translation>
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
Tímto programem můžete nastavit parametry váhy,
např. rychlost RS, texty hlavičky a patičky, dobu
automatického vypnutí, hodiny reálného času
a mnoho dalšího...
Programem můžete také vytvořit databázi PLU,
uložit ji na disk a nahrát ji do váhy nebo
načíst z váhy.
Můžete také provést kalibrační nastavení (jen
pokud je váha v kalibračním režimu).
Pomocí TERMINÁLU můžete s váhou komunikovat
přímo.
Nejprve připojte váhu k některému sériovému portu
PC. Potom příslušnými prvky zvolte správný port
a přenosovou rychlost a stiskněte tlačítko
PŘIPOJIT.
Je-li vše v pořádku, popis tlačítka PŘIPOJIT se
změní na ODPOJIT a zelený kruh vpravo od něj se
rozsvítí světle zeleně. Pak můžete používat
všechny další funkce programu.
                   HODNĚ ŠTĚSTÍ

HLEDAT prohledá všechny porty a rychlosti, najde
váhu a nastaví na ni pole portu a rychlosti.
HISTORIE (na kartě SESTAVY) vypíše, ukáže v grafech
a exportuje sestavy X a Z uložené v tomto PC.
Ctrl+L otevře MONITOR LINKY: každý rámec na lince,
s tlačítky POZASTAVIT, SMAZAT a ULOŽIT.</translation>
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
        <translation>UZÁVĚRKA Z (karta SESTAVY) uzavírá den: načte
sestavu Z a uloží ji do archivu v tomto PC;
OK s heslem váhy pak vynuluje denní součty ve
váze. Jedna UZÁVĚRKA Z denně, po posledním
prodeji. Chybné heslo váha odmítne: součty
zůstanou ve váze a okno ohlásí „Váha neuzavřela
den: zkontrolujte heslo“. Proběhly-li od sestavy
další prodeje, nic se neuzavře: stiskněte znovu
UZÁVĚRKA Z.

GRAFICKÉ LOGO (karta NASTAVENÍ) přijímá pouze
soubory BMP: obrázek PNG nebo JPEG nejprve
uložte jako BMP.

Po hlášení „Chyba komunikace!“: zkontrolujte
kabel a zda je váha zapnutá, potom port
a přenosovou rychlost (Rychlost RS váhy), nebo
stiskněte HLEDAT a zkusí se všechny.
MONITOR LINKY (Ctrl+L nebo pravé tlačítko myši na
horní liště) ukáže, co se odeslalo a co se vrátilo.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>READ</source>
        <translation>NAČTENO</translation>
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
        <translation>CELKEM</translation>
    </message>
    <message>
        <source>READS</source>
        <translation>ČTENÍ</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>NAČÍST</translation>
    </message>
    <message>
        <source>EXPORT CSV</source>
        <translation>EXPORT CSV</translation>
    </message>
    <message>
        <source>HISTORY</source>
        <translation>HISTORIE</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archiv</translation>
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
        <translation>Celkem za den</translation>
    </message>
    <message>
        <source>Sales by hour</source>
        <translation>Prodej podle hodin</translation>
    </message>
    <message>
        <source>Clerks&apos; shares</source>
        <translation>Podíly prodavačů</translation>
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
        <translation>Prodej</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Prodejna</translation>
    </message>
    <message>
        <source>The shop of a chain this PC belongs to, kept with every report</source>
        <translation>Prodejna řetězce, ke které toto PC patří; ukládá se s každou sestavou</translation>
    </message>
    <message>
        <source>EXPORT XLSX</source>
        <translation>EXPORT XLSX</translation>
    </message>
    <message>
        <source>Total per day: no reports in this period</source>
        <translation>Celkem za den: v tomto období žádné sestavy</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Den</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hodina</translation>
    </message>
    <message>
        <source>CLERK %1</source>
        <translation>PROD. %1</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Soubory CSV</translation>
    </message>
    <message>
        <source>Excel workbooks</source>
        <translation>Sešity Excel</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>UZÁVĚRKA</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>neznámá</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>uzavřeno</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>odmítnuto</translation>
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
        <translation>Směr</translation>
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
        <translation>POZASTAVIT</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>SMAZAT</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ULOŽIT</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Textové soubory</translation>
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
        <translation>Soubor %1 nelze otevřít</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Obrázek BMP není platný</translation>
    </message>
</context>
<context>
    <name>LogoWindow</name>
    <message>
        <source>LOAD</source>
        <translation>OTEVŘÍT</translation>
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
        <translation>ODESLAT</translation>
    </message>
    <message>
        <source>50% Threshold</source>
        <translation>Práh 50 %</translation>
    </message>
    <message>
        <source>LOAD LOGO</source>
        <translation>NAČÍST LOGO</translation>
    </message>
    <message>
        <source>BMP</source>
        <translation>Obrázky BMP</translation>
    </message>
    <message>
        <source>Logo sent in %1</source>
        <translation>Logo odesláno za %1</translation>
    </message>
    <message>
        <source>Only BMP pictures (*.bmp) are taken.</source>
        <translation>Načíst lze jen obrázky BMP (*.bmp).</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>choice the comport</source>
        <translation>Výběr portu COM</translation>
    </message>
    <message>
        <source>choice the baudrate</source>
        <translation>Výběr přenosové rychlosti</translation>
    </message>
    <message>
        <source>connect/disconnect to the scale</source>
        <translation>Připojit k váze / odpojit od váhy</translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation>PŘIPOJIT</translation>
    </message>
    <message>
        <source>indicator, light-green if connect</source>
        <translation>Kontrolka, při spojení světle zelená</translation>
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
        <translation>Stav posledního přenosu</translation>
    </message>
    <message>
        <source>Last Status: </source>
        <translation>Poslední stav: </translation>
    </message>
    <message>
        <source>find the scale on every port and baud rate (line monitor: Ctrl+L)</source>
        <translation>Hledat váhu na všech portech a rychlostech (monitor linky: Ctrl+L)</translation>
    </message>
    <message>
        <source>FIND</source>
        <translation>HLEDAT</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>NÁPOVĚDA</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>ZAVŘÍT</translation>
    </message>
    <message>
        <source>PLU</source>
        <translation>PLU</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>NASTAVENÍ</translation>
    </message>
    <message>
        <source>REPORTS</source>
        <translation>SESTAVY</translation>
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
        <translation>ODPOJIT</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Chyba!</translation>
    </message>
    <message>
        <source>Cannot initialize COM port!</source>
        <translation>Port COM nelze inicializovat!</translation>
    </message>
    <message>
        <source>SCALE ID: </source>
        <translation>ID VÁHY: </translation>
    </message>
    <message>
        <source>The port did not open: FIND tries every port and rate.</source>
        <translation>Port se neotevřel: HLEDAT zkusí všechny porty a rychlosti.</translation>
    </message>
    <message>
        <source>No scale answered at %1 baud: FIND tries every port and rate.</source>
        <translation>Při %1 Bd neodpověděla žádná váha: HLEDAT zkusí všechny porty a rychlosti.</translation>
    </message>
    <message>
        <source>port %1 -&gt; %2</source>
        <translation>port %1 -&gt; %2</translation>
    </message>
    <message>
        <source>baud %1 -&gt; %2</source>
        <translation>rychlost %1 -&gt; %2</translation>
    </message>
    <message>
        <source>Scale found on %1 at %2 baud</source>
        <translation>Váha nalezena na %1 při %2 Bd</translation>
    </message>
    <message>
        <source> (settings unchanged)</source>
        <translation> (nastavení beze změny)</translation>
    </message>
    <message>
        <source>: press CONNECT.</source>
        <translation>: stiskněte PŘIPOJIT.</translation>
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
        <translation>„%1“ není platné celé číslo</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>„%1“ není platné desetinné číslo</translation>
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
        <translation>VŠE</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>SMAZAT</translation>
    </message>
    <message>
        <source>MORE</source>
        <translation>VÍCE</translation>
    </message>
    <message>
        <source>Compare the table with the scale; choose whether Save To SCALE sends only what changed</source>
        <translation>Porovnat tabulku s váhou; zvolit, zda Odeslat do VÁHY odešle jen změny</translation>
    </message>
    <message>
        <source>Load From SCALE</source>
        <translation>Načíst z VÁHY</translation>
    </message>
    <message>
        <source>Save To SCALE</source>
        <translation>Odeslat do VÁHY</translation>
    </message>
    <message>
        <source>Save To DISK</source>
        <translation>Uložit na DISK</translation>
    </message>
    <message>
        <source>Load From DISK</source>
        <translation>Otevřít z DISKU</translation>
    </message>
    <message>
        <source>Compare With SCALE</source>
        <translation>Porovnat s VÁHOU</translation>
    </message>
    <message>
        <source>Reads the range from the scale and marks the cells of the table that differ</source>
        <translation>Načte rozsah z váhy a označí buňky tabulky, které se liší</translation>
    </message>
    <message>
        <source>Save changed only</source>
        <translation>Odesílat jen změny</translation>
    </message>
    <message>
        <source>Save To SCALE sends only the rows that differ from what this scale was last known to hold</source>
        <translation>Odeslat do VÁHY odešle jen řádky, které se liší od posledního známého obsahu této váhy</translation>
    </message>
    <message>
        <source>TAB separated Text Files</source>
        <translation>Textové soubory oddělené tabulátory</translation>
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
        <translation>Váha obsahuje totéž co tabulka.</translation>
    </message>
    <message>
        <source>The marked cells differ from the scale.</source>
        <translation>Označené buňky se liší od váhy.</translation>
    </message>
    <message>
        <source>The marked cells differ from the scale. Only on the scale: PLU %1.</source>
        <translation>Označené buňky se liší od váhy. Pouze ve váze: PLU %1.</translation>
    </message>
    <message>
        <source>I/O Error!</source>
        <translation>Chyba vstupu/výstupu!</translation>
    </message>
    <message>
        <source>error in input file</source>
        <translation>chyba ve vstupním souboru</translation>
    </message>
    <message>
        <source> (stopped)</source>
        <translation> (zastaveno)</translation>
    </message>
    <message>
        <source> (failed)</source>
        <translation> (selhalo)</translation>
    </message>
    <message>
        <source>PLU %1</source>
        <translation>PLU %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln PLUs read in %1</source>
        <translation>
            <numerusform>%Ln PLU načteno za %1</numerusform>
            <numerusform>%Ln PLU načtena za %1</numerusform>
            <numerusform>%Ln PLU načteno za %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln PLUs sent in %1</source>
        <translation>
            <numerusform>%Ln PLU odesláno za %1</numerusform>
            <numerusform>%Ln PLU odeslána za %1</numerusform>
            <numerusform>%Ln PLU odesláno za %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No row of PLU %1 to %2 holds a PLU. Sending them clears these PLUs on the scale.

Send them to the scale?</source>
        <translation>Žádný řádek PLU %1 až %2 neobsahuje PLU. Jejich odeslání tyto PLU na váze vymaže.

Odeslat je do váhy?</translation>
    </message>
    <message numerus="yes">
        <source>PLU send stopped after %Ln PLUs: the scale holds part of the new PLUs; send them again</source>
        <translation>
            <numerusform>Odesílání PLU se zastavilo po %Ln PLU: váha má jen část nových PLU; odešlete je znovu</numerusform>
            <numerusform>Odesílání PLU se zastavilo po %Ln PLU: váha má jen část nových PLU; odešlete je znovu</numerusform>
            <numerusform>Odesílání PLU se zastavilo po %Ln PLU: váha má jen část nových PLU; odešlete je znovu</numerusform>
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
        <translation>NÁZEV</translation>
    </message>
    <message>
        <source>Valid Date</source>
        <translation>Trvanlivost</translation>
    </message>
    <message>
        <source>QUANTITY</source>
        <translation>MNOŽSTVÍ</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>CELKEM</translation>
    </message>
    <message>
        <source>COUNT</source>
        <translation>POČET</translation>
    </message>
    <message>
        <source>PLU number on the scale (1 to 1799)</source>
        <translation>Číslo PLU ve váze (1 až 1799)</translation>
    </message>
    <message>
        <source>Unit price of the PLU</source>
        <translation>Jednotková cena PLU</translation>
    </message>
    <message>
        <source>Article code of the PLU</source>
        <translation>Kód zboží PLU</translation>
    </message>
    <message>
        <source>Department the PLU&apos;s sales are counted under</source>
        <translation>Oddělení, do kterého se prodej PLU počítá</translation>
    </message>
    <message>
        <source>Tax rate group of the PLU</source>
        <translation>Sazba DPH PLU</translation>
    </message>
    <message>
        <source>1: sold by the piece, QUANTITY counts pieces; 0: weighed</source>
        <translation>1: prodej na kusy, MNOŽSTVÍ počítá kusy; 0: vážené zboží</translation>
    </message>
    <message>
        <source>Fixed price flag (0 or 1)</source>
        <translation>Příznak pevné ceny (0 nebo 1)</translation>
    </message>
    <message>
        <source>Barcode flag (0 or 1)</source>
        <translation>Příznak čárového kódu (0 nebo 1)</translation>
    </message>
    <message>
        <source>Name of the PLU</source>
        <translation>Název PLU</translation>
    </message>
    <message>
        <source>Validity (shelf life) value of the PLU, at most 999</source>
        <translation>Trvanlivost PLU, nejvýše 999</translation>
    </message>
    <message>
        <source>Quantity sold, read from the scale: pieces when NW is 1, else kilograms</source>
        <translation>Prodané množství načtené z váhy: kusy, je-li KS 1, jinak kilogramy</translation>
    </message>
    <message>
        <source>Amount sold, read from the scale</source>
        <translation>Tržba načtená z váhy</translation>
    </message>
    <message>
        <source>Count accumulated by the scale for the PLU, read from the scale</source>
        <translation>Počet zaznamenaný váhou u PLU, načtený z váhy</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>WORK...</source>
        <translation>ČEKEJTE...</translation>
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
        <translation>SESTAVA</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>SMAZAT</translation>
    </message>
    <message>
        <source>SAVE TO FILE</source>
        <translation>ULOŽIT DO SOUBORU</translation>
    </message>
    <message>
        <source>HISTORY</source>
        <translation>HISTORIE</translation>
    </message>
    <message>
        <source>CLOSE Z</source>
        <translation>UZÁVĚRKA Z</translation>
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
        <translation>Textové soubory</translation>
    </message>
    <message>
        <source>Report read in %1</source>
        <translation>Sestava načtena za %1</translation>
    </message>
    <message>
        <source>The close after the report of %1 (document %2) is still unknown: the totals do not say whether the scale carried it out. Check on the scale before closing again.</source>
        <translation>Uzávěrka po sestavě z %1 (doklad %2) je stále neznámá: součty neukazují, zda ji váha provedla. Před další uzávěrkou zkontrolujte váhu.</translation>
    </message>
    <message>
        <source>The day was closed today at %1 (document %2) and nothing has been sold since. Close it again?</source>
        <translation>Den byl dnes uzavřen v %1 (doklad %2) a od té doby se nic neprodalo. Uzavřít znovu?</translation>
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
        <translation>Chyba komunikace!</translation>
    </message>
    <message>
        <source>You are not connected to the scale!</source>
        <translation>Nejste připojeni k váze!</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>The scale&apos;s port was lost: check the cable, then CONNECT</source>
        <translation>Port váhy byl ztracen: zkontrolujte kabel a pak stiskněte PŘIPOJIT</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message numerus="yes">
        <source>error in input file: %n lines, a settings file has %1</source>
        <translation>
            <numerusform>chyba ve vstupním souboru: %n řádek, soubor nastavení má %1 řádků</numerusform>
            <numerusform>chyba ve vstupním souboru: %n řádky, soubor nastavení má %1 řádků</numerusform>
            <numerusform>chyba ve vstupním souboru: %n řádků, soubor nastavení má %1 řádků</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>RS Baud rate</source>
        <translation>Rychlost RS</translation>
    </message>
    <message>
        <source>Auto OFF Time</source>
        <translation>Čas vypnutí</translation>
    </message>
    <message>
        <source>LAN Number</source>
        <translation>Číslo v síti</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Sleva</translation>
    </message>
    <message>
        <source>Single Item BAR</source>
        <translation>Čár. kód položky</translation>
    </message>
    <message>
        <source>Total BAR</source>
        <translation>Čár. kód součtu</translation>
    </message>
    <message>
        <source>Drawer Open time</source>
        <translation>Otevření zásuvky</translation>
    </message>
    <message>
        <source>Printer Darkness</source>
        <translation>Sytost tisku</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Měna</translation>
    </message>
    <message>
        <source>RATE</source>
        <translation>KURZ</translation>
    </message>
    <message>
        <source>Print Receipt</source>
        <translation>Tisk účtenky</translation>
    </message>
    <message>
        <source>Print Duplicate</source>
        <translation>Tisk kopie</translation>
    </message>
    <message>
        <source>Print Graphic Logo</source>
        <translation>Tisk grafického loga</translation>
    </message>
    <message>
        <source>Print Single BAR</source>
        <translation>Tisk čár. kódu položky</translation>
    </message>
    <message>
        <source>Print Total BAR</source>
        <translation>Tisk čár. kódu součtu</translation>
    </message>
    <message>
        <source>Obligatory Paid</source>
        <translation>Povinná platba</translation>
    </message>
    <message>
        <source>Print PLU Code</source>
        <translation>Tisk kódu PLU</translation>
    </message>
    <message>
        <source>Print All Reports</source>
        <translation>Tisk všech sestav</translation>
    </message>
    <message>
        <source>Print Tax</source>
        <translation>Tisk DPH</translation>
    </message>
    <message>
        <source>Clerk Mode</source>
        <translation>Prodavači</translation>
    </message>
    <message>
        <source>All at once</source>
        <translation>Současně</translation>
    </message>
    <message>
        <source>Only one</source>
        <translation>Pouze jeden</translation>
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
        <translation>PROD. 1</translation>
    </message>
    <message>
        <source>CLERK 2</source>
        <translation>PROD. 2</translation>
    </message>
    <message>
        <source>CLERK 3</source>
        <translation>PROD. 3</translation>
    </message>
    <message>
        <source>CLERK 4</source>
        <translation>PROD. 4</translation>
    </message>
    <message>
        <source>Taxes</source>
        <translation>Sazby DPH</translation>
    </message>
    <message>
        <source>HEADER / FOOTER MESSAGE</source>
        <translation>TEXT HLAVIČKY / PATIČKY</translation>
    </message>
    <message>
        <source>Real Time Clock</source>
        <translation>Hodiny reálného času</translation>
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
        <translation>NÁZVY ODDĚLENÍ</translation>
    </message>
    <message>
        <source>LOAD FROM DISK</source>
        <translation>OTEVŘÍT Z DISKU</translation>
    </message>
    <message>
        <source>SAVE TO DISK</source>
        <translation>ULOŽIT NA DISK</translation>
    </message>
    <message>
        <source>LOAD FROM SCALE</source>
        <translation>NAČÍST Z VÁHY</translation>
    </message>
    <message>
        <source>SEND TO SCALE</source>
        <translation>ODESLAT DO VÁHY</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>TOVÁRNÍ HODNOTY</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Textové soubory</translation>
    </message>
    <message>
        <source>     NAME</source>
        <translation>     Název</translation>
    </message>
    <message>
        <source>         HEADER</source>
        <translation>         HLAVIČKA</translation>
    </message>
    <message>
        <source>          FOOTER</source>
        <translation>          PATIČKA</translation>
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
        <translation>Nastavení odesláno za %1</translation>
    </message>
    <message>
        <source>Settings read in %1</source>
        <translation>Nastavení načteno za %1</translation>
    </message>
    <message>
        <source>These settings were not read from this scale. Sending them replaces the scale&apos;s receipt header and footer, department names, taxes and clerk names.

Send them to the scale?</source>
        <translation>Tato nastavení nebyla načtena z této váhy. Jejich odeslání nahradí na váze záhlaví a zápatí účtenky, názvy oddělení, daně a jména prodavačů.

Odeslat je do váhy?</translation>
    </message>
    <message>
        <source>Settings send stopped at %1 of %2: the scale holds part of the new settings; send them again</source>
        <translation>Odesílání nastavení se zastavilo na %1 z %2: váha má jen část nových nastavení; odešlete je znovu</translation>
    </message>
</context>
<context>
    <name>SystemTab</name>
    <message>
        <source>Capacity</source>
        <translation>Váživost</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednotka</translation>
    </message>
    <message>
        <source>Initial Zero, %</source>
        <translation>Počáteční nula, %</translation>
    </message>
    <message>
        <source>Max Tare</source>
        <translation>Max. tára</translation>
    </message>
    <message>
        <source>Digits (Weight,Price)</source>
        <translation>Číslice (hmotnost,cena)</translation>
    </message>
    <message>
        <source>price round</source>
        <translation>zaokrouhlení ceny</translation>
    </message>
    <message>
        <source>Local g</source>
        <translation>Místní g</translation>
    </message>
    <message>
        <source>Destination g</source>
        <translation>Cílové g</translation>
    </message>
    <message>
        <source>SEND</source>
        <translation>ODESLAT</translation>
    </message>
    <message>
        <source>dual interval</source>
        <translation>2 dílky</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>čárka</translation>
    </message>
    <message>
        <source>One Time Tare</source>
        <translation>Jednorázová tára</translation>
    </message>
    <message>
        <source>Minimum Sale</source>
        <translation>Minimální prodej</translation>
    </message>
    <message>
        <source>Stbale Count</source>
        <translation>Počet pro ustálení</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Single 6Kg(1/3000)</source>
        <translation>1 dílek 6kg(1/3000)</translation>
    </message>
    <message>
        <source>Single 15Kg(1/3000)</source>
        <translation>1 dílek 15kg(1/3000)</translation>
    </message>
    <message>
        <source>Single 30Kg(1/3000)</source>
        <translation>1 dílek 30kg(1/3000)</translation>
    </message>
    <message>
        <source>Dual 6Kg(1/6000)</source>
        <translation>2 dílky 6kg(1/6000)</translation>
    </message>
    <message>
        <source>Dual 15Kg(1/6000)</source>
        <translation>2 dílky 15kg(1/6000)</translation>
    </message>
    <message>
        <source>Dual 30Kg(1/6000)</source>
        <translation>2 dílky 30kg(1/6000)</translation>
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
