<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>PluTab</name>
    <message>
        <source>FROM</source>
        <translation>VON</translation>
    </message>
    <message>
        <source>TO</source>
        <translation>BIS</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>ALLE</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>MORE</source>
        <translation>MEHR</translation>
    </message>
    <message>
        <source>Compare the table with the scale; choose whether Save To SCALE sends only what changed</source>
        <translation>Tabelle mit der Waage vergleichen; festlegen, ob An WAAGE senden nur Änderungen überträgt</translation>
    </message>
    <message>
        <source>Load From SCALE</source>
        <translation>Von WAAGE laden</translation>
    </message>
    <message>
        <source>Save To SCALE</source>
        <translation>An WAAGE senden</translation>
    </message>
    <message>
        <source>Save To DISK</source>
        <translation>Auf DISK sichern</translation>
    </message>
    <message>
        <source>Load From DISK</source>
        <translation>Von DISK laden</translation>
    </message>
    <message>
        <source>Compare With SCALE</source>
        <translation>Mit WAAGE vergleichen</translation>
    </message>
    <message>
        <source>Reads the range from the scale and marks the cells of the table that differ</source>
        <translation>Liest den Bereich aus der Waage und markiert die abweichenden Zellen der Tabelle</translation>
    </message>
    <message>
        <source>Save changed only</source>
        <translation>Nur Änderungen speichern</translation>
    </message>
    <message>
        <source>Save To SCALE sends only the rows that differ from what this scale was last known to hold</source>
        <translation>An WAAGE senden überträgt nur die Zeilen, die vom zuletzt bekannten Inhalt dieser Waage abweichen</translation>
    </message>
</context>
<context>
    <name>ReportsTab</name>
    <message>
        <source>REPORT</source>
        <translation>BERICHT</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>SAVE TO FILE</source>
        <translation>IN DATEI SPEICHERN</translation>
    </message>
    <message>
        <source>HISTORY</source>
        <translation>VERLAUF</translation>
    </message>
    <message>
        <source>CLOSE Z</source>
        <translation>Z-ABSCHLUSS</translation>
    </message>
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>RS Baud rate</source>
        <translation>RS-Baudrate</translation>
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
        <translation>Abschaltzeit</translation>
    </message>
    <message>
        <source>min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LAN Number</source>
        <translation>LAN-Nummer</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Rabatt</translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Item BAR</source>
        <translation>Artikel-Barcode</translation>
    </message>
    <message>
        <source>a44W5U5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total BAR</source>
        <translation>Summen-Barcode</translation>
    </message>
    <message>
        <source>a44W5P5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawer Open time</source>
        <translation>Schublade offen</translation>
    </message>
    <message>
        <source>ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Darkness</source>
        <translation>Druckstärke</translation>
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
        <translation>Währung</translation>
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
        <translation>Beleg drucken</translation>
    </message>
    <message>
        <source>Print Duplicate</source>
        <translation>Duplikat drucken</translation>
    </message>
    <message>
        <source>Print Graphic Logo</source>
        <translation>Grafiklogo drucken</translation>
    </message>
    <message>
        <source>Print Single BAR</source>
        <translation>Artikel-Barcode drucken</translation>
    </message>
    <message>
        <source>Print Total BAR</source>
        <translation>Summen-Barcode drucken</translation>
    </message>
    <message>
        <source>Obligatory Paid</source>
        <translation>Zahlung erforderlich</translation>
    </message>
    <message>
        <source>Print PLU Code</source>
        <translation>PLU-Code drucken</translation>
    </message>
    <message>
        <source>Print All Reports</source>
        <translation>Alle Berichte drucken</translation>
    </message>
    <message>
        <source>Print Tax</source>
        <translation>MwSt. drucken</translation>
    </message>
    <message>
        <source>Clerk Mode</source>
        <translation>Verkäufer</translation>
    </message>
    <message>
        <source>All at once</source>
        <translation>Alle gleichzeitig</translation>
    </message>
    <message>
        <source>Only one</source>
        <translation>Nur einer</translation>
    </message>
    <message>
        <source>Super Market</source>
        <translation>Supermarkt</translation>
    </message>
    <message>
        <source>Label-1</source>
        <translation>Etikett-1</translation>
    </message>
    <message>
        <source>Label-2</source>
        <translation>Etikett-2</translation>
    </message>
    <message>
        <source>CLERK 1</source>
        <translation>VERK. 1</translation>
    </message>
    <message>
        <source>ANNA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLERK 2</source>
        <translation>VERK. 2</translation>
    </message>
    <message>
        <source>PETER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLERK 3</source>
        <translation>VERK. 3</translation>
    </message>
    <message>
        <source>MARTA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLERK 4</source>
        <translation>VERK. 4</translation>
    </message>
    <message>
        <source>JOHN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taxes</source>
        <translation>Steuersätze</translation>
    </message>
    <message>
        <source>HEADER / FOOTER MESSAGE</source>
        <translation>KOPF- / FUSSZEILE</translation>
    </message>
    <message>
        <source>Real Time Clock</source>
        <translation>Echtzeituhr</translation>
    </message>
    <message>
        <source>00-00-00 00:00:00;_</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From PC</source>
        <translation>Vom PC</translation>
    </message>
    <message>
        <source>From SCALE</source>
        <translation>Von WAAGE</translation>
    </message>
    <message>
        <source>To SCALE</source>
        <translation>An WAAGE</translation>
    </message>
    <message>
        <source>GRAPHICAL LOGO</source>
        <translation>GRAFIKLOGO</translation>
    </message>
    <message>
        <source>DEPARTMENT NAMES</source>
        <translation>ABTEILUNGSNAMEN</translation>
    </message>
    <message>
        <source>LOAD FROM DISK</source>
        <translation>VON DISK LADEN</translation>
    </message>
    <message>
        <source>SAVE TO DISK</source>
        <translation>AUF DISK SPEICHERN</translation>
    </message>
    <message>
        <source>LOAD FROM SCALE</source>
        <translation>VON WAAGE LADEN</translation>
    </message>
    <message>
        <source>SEND TO SCALE</source>
        <translation>AN WAAGE SENDEN</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>STANDARD</translation>
    </message>
</context>
<context>
    <name>SystemTab</name>
    <message>
        <source>Capacity</source>
        <translation>Höchstlast</translation>
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
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Initial Zero, %</source>
        <translation>Einschaltnull, %</translation>
    </message>
    <message>
        <source>Max Tare</source>
        <translation>Max. Tara</translation>
    </message>
    <message>
        <source>Digits (Weight,Price)</source>
        <translation>Stellen (Gewicht,Preis)</translation>
    </message>
    <message>
        <source>price round</source>
        <translation>Preisrundung</translation>
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
        <translation>Örtliches g</translation>
    </message>
    <message>
        <source>Destination g</source>
        <translation>Ziel-g</translation>
    </message>
    <message>
        <source>SEND</source>
        <translation>SENDEN</translation>
    </message>
    <message>
        <source>lb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dual interval</source>
        <translation>Zweiteilung</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>One Time Tare</source>
        <translation>Einmaltara</translation>
    </message>
    <message>
        <source>Minimum Sale</source>
        <translation>Mindestverkauf</translation>
    </message>
    <message>
        <source>Stbale Count</source>
        <translation>Stabilitätszähler</translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Single 6Kg(1/3000)</source>
        <translation>Einzel 6Kg(1/3000)</translation>
    </message>
    <message>
        <source>Single 15Kg(1/3000)</source>
        <translation>Einzel 15Kg(1/3000)</translation>
    </message>
    <message>
        <source>Single 30Kg(1/3000)</source>
        <translation>Einzel 30Kg(1/3000)</translation>
    </message>
    <message>
        <source>Dual 6Kg(1/6000)</source>
        <translation>Zweifach 6Kg(1/6000)</translation>
    </message>
    <message>
        <source>Dual 15Kg(1/6000)</source>
        <translation>Zweifach 15Kg(1/6000)</translation>
    </message>
    <message>
        <source>Dual 30Kg(1/6000)</source>
        <translation>Zweifach 30Kg(1/6000)</translation>
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
        <translation>COM-Port wählen</translation>
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
        <translation>Baudrate wählen</translation>
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
        <translation>Mit der Waage verbinden / trennen</translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation>VERBINDEN</translation>
    </message>
    <message>
        <source>indicator, light-green if connect</source>
        <translation>Anzeige, hellgrün bei Verbindung</translation>
    </message>
    <message>
        <source>scale terminal</source>
        <translation>Waagenterminal</translation>
    </message>
    <message>
        <source>TERMINAL</source>
        <translation>TERMINAL</translation>
    </message>
    <message>
        <source>Last transmision status</source>
        <translation>Status der letzten Übertragung</translation>
    </message>
    <message>
        <source>Last Status: </source>
        <translation>Letzter Status: </translation>
    </message>
    <message>
        <source>find the scale on every port and baud rate (line monitor: Ctrl+L)</source>
        <translation>Waage an allen Ports und Baudraten suchen (Leitungsmonitor: Strg+L)</translation>
    </message>
    <message>
        <source>FIND</source>
        <translation>SUCHEN</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>HILFE</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>BEENDEN</translation>
    </message>
    <message>
        <source>PLU</source>
        <translation>PLU</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>EINSTELLUNGEN</translation>
    </message>
    <message>
        <source>REPORTS</source>
        <translation>BERICHTE</translation>
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
        <translation>ARBEITE...</translation>
    </message>
    <message>
        <source>Label1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
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
        <translation>LADEN</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>SEND TO SCALE</source>
        <translation>AN WAAGE SENDEN</translation>
    </message>
    <message>
        <source>50% Threshold</source>
        <translation>50-%-Schwelle</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>CLOSE Z</source>
        <translation>Z-ABSCHLUSS</translation>
    </message>
    <message>
        <source>CLOSE Z !!</source>
        <translation>Z-ABSCHLUSS !!</translation>
    </message>
    <message>
        <source>SURE ?</source>
        <translation>SICHER ?</translation>
    </message>
    <message>
        <source>PASSWORD</source>
        <translation>PASSWORT</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
