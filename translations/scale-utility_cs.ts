<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
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
        <translation>Porovnat tabulku s váhou; zvolit, zda Uložit do VÁHY odešle jen změny</translation>
    </message>
    <message>
        <source>Load From SCALE</source>
        <translation>Načíst z VÁHY</translation>
    </message>
    <message>
        <source>Save To SCALE</source>
        <translation>Uložit do VÁHY</translation>
    </message>
    <message>
        <source>Save To DISK</source>
        <translation>Uložit na DISK</translation>
    </message>
    <message>
        <source>Load From DISK</source>
        <translation>Načíst z DISKU</translation>
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
        <translation>Ukládat jen změny</translation>
    </message>
    <message>
        <source>Save To SCALE sends only the rows that differ from what this scale was last known to hold</source>
        <translation>Uložit do VÁHY odešle jen řádky, které se liší od posledního známého obsahu této váhy</translation>
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
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>RS Baud rate</source>
        <translation>Rychlost RS</translation>
    </message>
    <message>
        <source>1200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4800</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>19200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>28800</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>38400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>57600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>115200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto OFF Time</source>
        <translation>Čas vypnutí</translation>
    </message>
    <message>
        <source>min</source>
        <translation type="unfinished"></translation>
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
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Item BAR</source>
        <translation>Kód položky</translation>
    </message>
    <message>
        <source>a44W5U5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total BAR</source>
        <translation>Kód součtu</translation>
    </message>
    <message>
        <source>a44W5P5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawer Open time</source>
        <translation>Otevření zásuvky</translation>
    </message>
    <message>
        <source>ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Darkness</source>
        <translation>Sytost tisku</translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Měna</translation>
    </message>
    <message>
        <source>Z?</source>
        <translation type="unfinished"></translation>
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
        <translation>Tisk kódu položky</translation>
    </message>
    <message>
        <source>Print Total BAR</source>
        <translation>Tisk kódu součtu</translation>
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
        <translation>Všichni najednou</translation>
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
        <source>ANNA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLERK 2</source>
        <translation>PROD. 2</translation>
    </message>
    <message>
        <source>PETER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLERK 3</source>
        <translation>PROD. 3</translation>
    </message>
    <message>
        <source>MARTA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLERK 4</source>
        <translation>PROD. 4</translation>
    </message>
    <message>
        <source>JOHN</source>
        <translation type="unfinished"></translation>
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
        <source>00-00-00 00:00:00;_</source>
        <translation type="unfinished"></translation>
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
        <translation>NAČÍST Z DISKU</translation>
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
        <translation>VÝCHOZÍ</translation>
    </message>
</context>
<context>
    <name>SystemTab</name>
    <message>
        <source>Capacity</source>
        <translation>Váživost</translation>
    </message>
    <message>
        <source>6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e=d=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50</source>
        <translation type="unfinished"></translation>
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
        <source>100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>500</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1000</source>
        <translation type="unfinished"></translation>
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
        <source>lb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dual interval</source>
        <translation>dvojí dílek</translation>
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
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Single 6Kg(1/3000)</source>
        <translation>1 rozsah 6Kg(1/3000)</translation>
    </message>
    <message>
        <source>Single 15Kg(1/3000)</source>
        <translation>1 rozsah 15Kg(1/3000)</translation>
    </message>
    <message>
        <source>Single 30Kg(1/3000)</source>
        <translation>1 rozsah 30Kg(1/3000)</translation>
    </message>
    <message>
        <source>Dual 6Kg(1/6000)</source>
        <translation>2 rozsahy 6Kg(1/6000)</translation>
    </message>
    <message>
        <source>Dual 15Kg(1/6000)</source>
        <translation>2 rozsahy 15Kg(1/6000)</translation>
    </message>
    <message>
        <source>Dual 30Kg(1/6000)</source>
        <translation>2 rozsahy 30Kg(1/6000)</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>KLO VELDRAN UTILITY REZ1.63</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choice the comport</source>
        <translation>Výběr portu COM</translation>
    </message>
    <message>
        <source>COM1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choice the baudrate</source>
        <translation>Výběr přenosové rychlosti</translation>
    </message>
    <message>
        <source>1200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4800</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>19200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>28800</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>38400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>57600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>115200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
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
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>WORK...</source>
        <translation>PRÁCE...</translation>
    </message>
    <message>
        <source>Label1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>TERMINAL</source>
        <translation>TERMINÁL</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STAB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZERO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BATT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SBT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAPER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHARG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 0000000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>........</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLU</source>
        <translation>PLU</translation>
    </message>
    <message>
        <source>DRW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-0-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-T-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;=|</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>LOAD</source>
        <translation>NAČÍST</translation>
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
        <translation>ODESLAT DO VÁHY</translation>
    </message>
    <message>
        <source>50% Threshold</source>
        <translation>Práh 50 %</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
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
        <translation>OPRAVDU ?</translation>
    </message>
    <message>
        <source>PASSWORD</source>
        <translation>HESLO</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
