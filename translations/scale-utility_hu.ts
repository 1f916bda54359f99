<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="en">
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
        <translation>A táblázat összevetése a mérleggel; beállítható, hogy a MÉRLEGRE ír csak a változásokat küldje-e</translation>
    </message>
    <message>
        <source>Load From SCALE</source>
        <translation>MÉRLEGRŐL olvas</translation>
    </message>
    <message>
        <source>Save To SCALE</source>
        <translation>MÉRLEGRE ír</translation>
    </message>
    <message>
        <source>Save To DISK</source>
        <translation>LEMEZRE ment</translation>
    </message>
    <message>
        <source>Load From DISK</source>
        <translation>LEMEZRŐL tölt</translation>
    </message>
    <message>
        <source>Compare With SCALE</source>
        <translation>Összevetés a MÉRLEGGEL</translation>
    </message>
    <message>
        <source>Reads the range from the scale and marks the cells of the table that differ</source>
        <translation>Beolvassa a tartományt a mérlegről, és megjelöli a táblázat eltérő celláit</translation>
    </message>
    <message>
        <source>Save changed only</source>
        <translation>Csak a változások mentése</translation>
    </message>
    <message>
        <source>Save To SCALE sends only the rows that differ from what this scale was last known to hold</source>
        <translation>A MÉRLEGRE ír csak azokat a sorokat küldi el, amelyek eltérnek a mérleg utolsó ismert tartalmától</translation>
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
        <translation>Z ZÁRÁS</translation>
    </message>
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>RS Baud rate</source>
        <translation>RS sebesség</translation>
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
        <translation>Kikapcsolási idő</translation>
    </message>
    <message>
        <source>min</source>
        <translation type="unfinished"></translation>
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
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Item BAR</source>
        <translation>Tétel vonalkód</translation>
    </message>
    <message>
        <source>a44W5U5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total BAR</source>
        <translation>Összeg vonalkód</translation>
    </message>
    <message>
        <source>a44W5P5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawer Open time</source>
        <translation>Fióknyitás</translation>
    </message>
    <message>
        <source>ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Darkness</source>
        <translation>Nyomtatás sötétsége</translation>
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
        <translation>Pénznem</translation>
    </message>
    <message>
        <source>Z?</source>
        <translation type="unfinished"></translation>
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
        <translation>Tétel vonalkód nyomtatása</translation>
    </message>
    <message>
        <source>Print Total BAR</source>
        <translation>Összeg vonalkód nyomtatása</translation>
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
        <translation>Egyszerre mind</translation>
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
        <source>ANNA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLERK 2</source>
        <translation>ELADÓ 2</translation>
    </message>
    <message>
        <source>PETER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLERK 3</source>
        <translation>ELADÓ 3</translation>
    </message>
    <message>
        <source>MARTA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLERK 4</source>
        <translation>ELADÓ 4</translation>
    </message>
    <message>
        <source>JOHN</source>
        <translation type="unfinished"></translation>
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
        <source>00-00-00 00:00:00;_</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From PC</source>
        <translation>PC-ről</translation>
    </message>
    <message>
        <source>From SCALE</source>
        <translation>MÉRLEGRŐL</translation>
    </message>
    <message>
        <source>To SCALE</source>
        <translation>MÉRLEGRE</translation>
    </message>
    <message>
        <source>GRAPHICAL LOGO</source>
        <translation>GRAFIKUS LOGÓ</translation>
    </message>
    <message>
        <source>DEPARTMENT NAMES</source>
        <translation>OSZTÁLYNEVEK</translation>
    </message>
    <message>
        <source>LOAD FROM DISK</source>
        <translation>BETÖLTÉS LEMEZRŐL</translation>
    </message>
    <message>
        <source>SAVE TO DISK</source>
        <translation>MENTÉS LEMEZRE</translation>
    </message>
    <message>
        <source>LOAD FROM SCALE</source>
        <translation>BETÖLTÉS MÉRLEGRŐL</translation>
    </message>
    <message>
        <source>SEND TO SCALE</source>
        <translation>KÜLDÉS MÉRLEGRE</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>ALAPÉRTÉK</translation>
    </message>
</context>
<context>
    <name>SystemTab</name>
    <message>
        <source>Capacity</source>
        <translation>Méréshatár</translation>
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
        <source>lb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dual interval</source>
        <translation>kettős osztás</translation>
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
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Jelszó</translation>
    </message>
    <message>
        <source>Single 6Kg(1/3000)</source>
        <translation>Egyes 6Kg(1/3000)</translation>
    </message>
    <message>
        <source>Single 15Kg(1/3000)</source>
        <translation>Egyes 15Kg(1/3000)</translation>
    </message>
    <message>
        <source>Single 30Kg(1/3000)</source>
        <translation>Egyes 30Kg(1/3000)</translation>
    </message>
    <message>
        <source>Dual 6Kg(1/6000)</source>
        <translation>Kettős 6Kg(1/6000)</translation>
    </message>
    <message>
        <source>Dual 15Kg(1/6000)</source>
        <translation>Kettős 15Kg(1/6000)</translation>
    </message>
    <message>
        <source>Dual 30Kg(1/6000)</source>
        <translation>Kettős 30Kg(1/6000)</translation>
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
        <translation>A COM port kiválasztása</translation>
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
        <translation>Az átviteli sebesség kiválasztása</translation>
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
        <translation>Utolsó állapot: </translation>
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
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>WORK...</source>
        <translation>FOLYAMATBAN...</translation>
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
        <translation>BETÖLTÉS</translation>
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
        <translation>KÜLDÉS MÉRLEGRE</translation>
    </message>
    <message>
        <source>50% Threshold</source>
        <translation>50%-os küszöb</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>CLOSE Z</source>
        <translation>Z ZÁRÁS</translation>
    </message>
    <message>
        <source>CLOSE Z !!</source>
        <translation>Z ZÁRÁS !!</translation>
    </message>
    <message>
        <source>SURE ?</source>
        <translation>BIZTOS ?</translation>
    </message>
    <message>
        <source>PASSWORD</source>
        <translation>JELSZÓ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
