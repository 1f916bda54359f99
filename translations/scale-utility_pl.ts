<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
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
        <translation>WSZYSTKO</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>WYCZYŚĆ</translation>
    </message>
    <message>
        <source>MORE</source>
        <translation>WIĘCEJ</translation>
    </message>
    <message>
        <source>Compare the table with the scale; choose whether Save To SCALE sends only what changed</source>
        <translation>Porównaj tabelę z wagą; wybierz, czy Zapisz do WAGI wysyła tylko zmiany</translation>
    </message>
    <message>
        <source>Load From SCALE</source>
        <translation>Wczytaj z WAGI</translation>
    </message>
    <message>
        <source>Save To SCALE</source>
        <translation>Zapisz do WAGI</translation>
    </message>
    <message>
        <source>Save To DISK</source>
        <translation>Zapisz na DYSK</translation>
    </message>
    <message>
        <source>Load From DISK</source>
        <translation>Wczytaj z DYSKU</translation>
    </message>
    <message>
        <source>Compare With SCALE</source>
        <translation>Porównaj z WAGĄ</translation>
    </message>
    <message>
        <source>Reads the range from the scale and marks the cells of the table that differ</source>
        <translation>Wczytuje zakres z wagi i zaznacza różniące się komórki tabeli</translation>
    </message>
    <message>
        <source>Save changed only</source>
        <translation>Zapisuj tylko zmiany</translation>
    </message>
    <message>
        <source>Save To SCALE sends only the rows that differ from what this scale was last known to hold</source>
        <translation>Zapisz do WAGI wysyła tylko wiersze różniące się od ostatnio znanej zawartości tej wagi</translation>
    </message>
</context>
<context>
    <name>ReportsTab</name>
    <message>
        <source>REPORT</source>
        <translation>RAPORT</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>WYCZYŚĆ</translation>
    </message>
    <message>
        <source>SAVE TO FILE</source>
        <translation>ZAPISZ DO PLIKU</translation>
    </message>
    <message>
        <source>HISTORY</source>
        <translation>HISTORIA</translation>
    </message>
    <message>
        <source>CLOSE Z</source>
        <translation>ZAMKNIĘCIE Z</translation>
    </message>
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>RS Baud rate</source>
        <translation>Prędkość RS</translation>
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
        <translation>Czas wyłączenia</translation>
    </message>
    <message>
        <source>min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LAN Number</source>
        <translation>Numer w sieci</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Rabat</translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Item BAR</source>
        <translation>Kod pozycji</translation>
    </message>
    <message>
        <source>a44W5U5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total BAR</source>
        <translation>Kod sumy</translation>
    </message>
    <message>
        <source>a44W5P5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawer Open time</source>
        <translation>Otwarcie szuflady</translation>
    </message>
    <message>
        <source>ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Darkness</source>
        <translation>Nasycenie druku</translation>
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
        <translation>Waluta</translation>
    </message>
    <message>
        <source>Z?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RATE</source>
        <translation>KURS</translation>
    </message>
    <message>
        <source>Print Receipt</source>
        <translation>Drukuj paragon</translation>
    </message>
    <message>
        <source>Print Duplicate</source>
        <translation>Drukuj kopię</translation>
    </message>
    <message>
        <source>Print Graphic Logo</source>
        <translation>Drukuj logo graficzne</translation>
    </message>
    <message>
        <source>Print Single BAR</source>
        <translation>Drukuj kod pozycji</translation>
    </message>
    <message>
        <source>Print Total BAR</source>
        <translation>Drukuj kod sumy</translation>
    </message>
    <message>
        <source>Obligatory Paid</source>
        <translation>Obowiązkowa płatność</translation>
    </message>
    <message>
        <source>Print PLU Code</source>
        <translation>Drukuj kod PLU</translation>
    </message>
    <message>
        <source>Print All Reports</source>
        <translation>Drukuj wszystkie raporty</translation>
    </message>
    <message>
        <source>Print Tax</source>
        <translation>Drukuj VAT</translation>
    </message>
    <message>
        <source>Clerk Mode</source>
        <translation>Kasjerzy</translation>
    </message>
    <message>
        <source>All at once</source>
        <translation>Wszyscy naraz</translation>
    </message>
    <message>
        <source>Only one</source>
        <translation>Tylko jeden</translation>
    </message>
    <message>
        <source>Super Market</source>
        <translation>Supermarket</translation>
    </message>
    <message>
        <source>Label-1</source>
        <translation>Etykieta-1</translation>
    </message>
    <message>
        <source>Label-2</source>
        <translation>Etykieta-2</translation>
    </message>
    <message>
        <source>CLERK 1</source>
        <translation>KASJER 1</translation>
    </message>
    <message>
        <source>ANNA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLERK 2</source>
        <translation>KASJER 2</translation>
    </message>
    <message>
        <source>PETER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLERK 3</source>
        <translation>KASJER 3</translation>
    </message>
    <message>
        <source>MARTA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLERK 4</source>
        <translation>KASJER 4</translation>
    </message>
    <message>
        <source>JOHN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taxes</source>
        <translation>Stawki VAT</translation>
    </message>
    <message>
        <source>HEADER / FOOTER MESSAGE</source>
        <translation>NAGŁÓWEK / STOPKA</translation>
    </message>
    <message>
        <source>Real Time Clock</source>
        <translation>Zegar czasu rzeczywistego</translation>
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
        <translation>Z WAGI</translation>
    </message>
    <message>
        <source>To SCALE</source>
        <translation>Do WAGI</translation>
    </message>
    <message>
        <source>GRAPHICAL LOGO</source>
        <translation>LOGO GRAFICZNE</translation>
    </message>
    <message>
        <source>DEPARTMENT NAMES</source>
        <translation>NAZWY DZIAŁÓW</translation>
    </message>
    <message>
        <source>LOAD FROM DISK</source>
        <translation>WCZYTAJ Z DYSKU</translation>
    </message>
    <message>
        <source>SAVE TO DISK</source>
        <translation>ZAPISZ NA DYSK</translation>
    </message>
    <message>
        <source>LOAD FROM SCALE</source>
        <translation>WCZYTAJ Z WAGI</translation>
    </message>
    <message>
        <source>SEND TO SCALE</source>
        <translation>WYŚLIJ DO WAGI</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>DOMYŚLNE</translation>
    </message>
</context>
<context>
    <name>SystemTab</name>
    <message>
        <source>Capacity</source>
        <translation>Obciążenie maks.</translation>
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
        <translation>Jednostka</translation>
    </message>
    <message>
        <source>Initial Zero, %</source>
        <translation>Zero początkowe, %</translation>
    </message>
    <message>
        <source>Max Tare</source>
        <translation>Maks. tara</translation>
    </message>
    <message>
        <source>Digits (Weight,Price)</source>
        <translation>Cyfry (masa,cena)</translation>
    </message>
    <message>
        <source>price round</source>
        <translation>zaokrąglenie ceny</translation>
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
        <translation>Lokalne g</translation>
    </message>
    <message>
        <source>Destination g</source>
        <translation>Docelowe g</translation>
    </message>
    <message>
        <source>SEND</source>
        <translation>WYŚLIJ</translation>
    </message>
    <message>
        <source>lb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dual interval</source>
        <translation>podwójna działka</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>przecinek</translation>
    </message>
    <message>
        <source>One Time Tare</source>
        <translation>Tara jednorazowa</translation>
    </message>
    <message>
        <source>Minimum Sale</source>
        <translation>Minimalna sprzedaż</translation>
    </message>
    <message>
        <source>Stbale Count</source>
        <translation>Licznik stabilizacji</translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Single 6Kg(1/3000)</source>
        <translation>1 zakres 6Kg(1/3000)</translation>
    </message>
    <message>
        <source>Single 15Kg(1/3000)</source>
        <translation>1 zakres 15Kg(1/3000)</translation>
    </message>
    <message>
        <source>Single 30Kg(1/3000)</source>
        <translation>1 zakres 30Kg(1/3000)</translation>
    </message>
    <message>
        <source>Dual 6Kg(1/6000)</source>
        <translation>2 zakresy 6Kg(1/6000)</translation>
    </message>
    <message>
        <source>Dual 15Kg(1/6000)</source>
        <translation>2 zakresy 15Kg(1/6000)</translation>
    </message>
    <message>
        <source>Dual 30Kg(1/6000)</source>
        <translation>2 zakresy 30Kg(1/6000)</translation>
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
        <translation>Wybór portu COM</translation>
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
        <translation>Wybór prędkości transmisji</translation>
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
        <translation>Połącz z wagą / rozłącz</translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation>POŁĄCZ</translation>
    </message>
    <message>
        <source>indicator, light-green if connect</source>
        <translation>Wskaźnik, jasnozielony po połączeniu</translation>
    </message>
    <message>
        <source>scale terminal</source>
        <translation>Terminal wagi</translation>
    </message>
    <message>
        <source>TERMINAL</source>
        <translation>TERMINAL</translation>
    </message>
    <message>
        <source>Last transmision status</source>
        <translation>Stan ostatniej transmisji</translation>
    </message>
    <message>
        <source>Last Status: </source>
        <translation>Ostatni stan: </translation>
    </message>
    <message>
        <source>find the scale on every port and baud rate (line monitor: Ctrl+L)</source>
        <translation>Szukaj wagi na wszystkich portach i prędkościach (monitor linii: Ctrl+L)</translation>
    </message>
    <message>
        <source>FIND</source>
        <translation>SZUKAJ</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>POMOC</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>ZAMKNIJ</translation>
    </message>
    <message>
        <source>PLU</source>
        <translation>PLU</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>USTAWIENIA</translation>
    </message>
    <message>
        <source>REPORTS</source>
        <translation>RAPORTY</translation>
    </message>
    <message>
        <source>SYSTEM</source>
        <translation>SYSTEM</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>WORK...</source>
        <translation>PRACA...</translation>
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
        <translation>TERMINAL</translation>
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
        <translation>WCZYTAJ</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>SEND TO SCALE</source>
        <translation>WYŚLIJ DO WAGI</translation>
    </message>
    <message>
        <source>50% Threshold</source>
        <translation>Próg 50%</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>CLOSE Z</source>
        <translation>ZAMKNIĘCIE Z</translation>
    </message>
    <message>
        <source>CLOSE Z !!</source>
        <translation>ZAMKNIĘCIE Z !!</translation>
    </message>
    <message>
        <source>SURE ?</source>
        <translation>NA PEWNO ?</translation>
    </message>
    <message>
        <source>PASSWORD</source>
        <translation>HASŁO</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
