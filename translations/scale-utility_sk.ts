<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk" sourcelanguage="en">
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
        <translation>Porovnať tabuľku s váhou; zvoliť, či Uložiť do VÁHY odošle iba zmeny</translation>
    </message>
    <message>
        <source>Load From SCALE</source>
        <translation>Načítať z VÁHY</translation>
    </message>
    <message>
        <source>Save To SCALE</source>
        <translation>Uložiť do VÁHY</translation>
    </message>
    <message>
        <source>Save To DISK</source>
        <translation>Uložiť na DISK</translation>
    </message>
    <message>
        <source>Load From DISK</source>
        <translation>Načítať z DISKU</translation>
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
        <translation>Ukladať len zmeny</translation>
    </message>
    <message>
        <source>Save To SCALE sends only the rows that differ from what this scale was last known to hold</source>
        <translation>Uložiť do VÁHY odošle iba riadky, ktoré sa líšia od posledného známeho obsahu tejto váhy</translation>
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
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>RS Baud rate</source>
        <translation>Rýchlosť RS</translation>
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
        <translation>Čas vypnutia</translation>
    </message>
    <message>
        <source>min</source>
        <translation type="unfinished"></translation>
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
        <translation>Kód súčtu</translation>
    </message>
    <message>
        <source>a44W5P5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawer Open time</source>
        <translation>Otvorenie zásuvky</translation>
    </message>
    <message>
        <source>ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Darkness</source>
        <translation>Sýtosť tlače</translation>
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
        <translation>Mena</translation>
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
        <translation>Tlač kódu položky</translation>
    </message>
    <message>
        <source>Print Total BAR</source>
        <translation>Tlač kódu súčtu</translation>
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
        <translation>Všetci naraz</translation>
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
        <source>ANNA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLERK 2</source>
        <translation>PRED. 2</translation>
    </message>
    <message>
        <source>PETER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLERK 3</source>
        <translation>PRED. 3</translation>
    </message>
    <message>
        <source>MARTA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLERK 4</source>
        <translation>PRED. 4</translation>
    </message>
    <message>
        <source>JOHN</source>
        <translation type="unfinished"></translation>
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
        <translation>NÁZVY ODDELENÍ</translation>
    </message>
    <message>
        <source>LOAD FROM DISK</source>
        <translation>NAČÍTAŤ Z DISKU</translation>
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
        <translation>PREDVOLENÉ</translation>
    </message>
</context>
<context>
    <name>SystemTab</name>
    <message>
        <source>Capacity</source>
        <translation>Váživosť</translation>
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
        <source>lb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dual interval</source>
        <translation>dvojitý dielik</translation>
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
        <translation>Výber portu COM</translation>
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
        <translation>Výber prenosovej rýchlosti</translation>
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
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>WORK...</source>
        <translation>PRÁCA...</translation>
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
        <translation>NAČÍTAŤ</translation>
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
        <translation>ODOSLAŤ DO VÁHY</translation>
    </message>
    <message>
        <source>50% Threshold</source>
        <translation>Prah 50 %</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
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
        <translation>NAOZAJ ?</translation>
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
