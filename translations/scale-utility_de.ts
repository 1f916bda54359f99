<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CloseZDialog</name>
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
        <translation>SICHER?</translation>
    </message>
    <message>
        <source>PASSWORD</source>
        <translation>PASSWORT</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>FEHLER!</translation>
    </message>
    <message>
        <source>I/O Error!</source>
        <translation>E/A-Fehler!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Sales were made since the report: nothing was closed. CLOSE Z reads the report again.</source>
        <translation>Seit dem Bericht wurde verkauft: nichts wurde abgeschlossen. Z-ABSCHLUSS liest den Bericht neu.</translation>
    </message>
    <message>
        <source>The scale did not close the day: check the password</source>
        <translation>Die Waage hat den Tag nicht abgeschlossen: Passwort prüfen</translation>
    </message>
    <message>
        <source>This clears the day&apos;s totals on the scale: %1, document %2.</source>
        <translation>Damit werden die Tagessummen der Waage gelöscht: %1, Beleg %2.</translation>
    </message>
    <message>
        <source>Day closed: %1, document %2, kept in the archive</source>
        <translation>Tag abgeschlossen: %1, Beleg %2, im Archiv gesichert</translation>
    </message>
    <message>
        <source>The close also cleared documents %1 to %2, sold after the report was read: their sales were never read.</source>
        <translation>Der Abschluss hat auch die Belege %1 bis %2 gelöscht, die nach dem Lesen des Berichts verkauft wurden: ihre Umsätze wurden nie gelesen.</translation>
    </message>
    <message>
        <source>Day not closed: the scale refused the close; check the password and press OK again</source>
        <translation>Tag nicht abgeschlossen: Die Waage hat den Abschluss abgelehnt; Passwort prüfen und erneut OK drücken</translation>
    </message>
    <message>
        <source>Close of document %1 unknown: check on the scale; the next report settles it</source>
        <translation>Abschluss von Beleg %1 unbekannt: an der Waage prüfen; der nächste Bericht klärt es</translation>
    </message>
    <message>
        <source>The totals read back do not say whether the day was closed: check on the scale. The next report settles it.</source>
        <translation>Die zurückgelesenen Summen zeigen nicht, ob der Tag abgeschlossen wurde: an der Waage prüfen. Der nächste Bericht klärt es.</translation>
    </message>
    <message>
        <source>Close of document %1 not confirmed: press OK again to read the totals</source>
        <translation>Abschluss von Beleg %1 nicht bestätigt: erneut OK drücken, um die Summen zu lesen</translation>
    </message>
</context>
<context>
    <name>FindScale</name>
    <message>
        <source>Searching for the scale...</source>
        <translation>Waage wird gesucht...</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>No scale found!</source>
        <translation>Keine Waage gefunden!</translation>
    </message>
    <message>
        <source>FIND</source>
        <translation>SUCHEN</translation>
    </message>
    <message>
        <source>Scales found:</source>
        <translation>Gefundene Waagen:</translation>
    </message>
    <message>
        <source>Check the cable and the port, that the scale is switched on, and its baud rate.</source>
        <translation>Prüfen Sie Kabel und Port, ob die Waage eingeschaltet ist, und ihre Baudrate.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>HELP</source>
        <translation>HILFE</translation>
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
Mit diesem Programm können Sie die Waage
einstellen, z. B. RS-Baudrate, Kopf- und
Fußzeilentexte, Abschaltzeit, Echtzeituhr
und vieles mehr...
Sie können damit auch eine PLU-Datenbank
anlegen, auf der Festplatte speichern und in
die Waage laden oder aus der Waage lesen.
Im Kalibriermodus können Sie außerdem die
Kalibriereinstellungen vornehmen.
Über das TERMINAL können Sie direkt mit der
Waage kommunizieren.
Schließen Sie zuerst die Waage an eine serielle
Schnittstelle des PCs an. Wählen Sie dann mit
den entsprechenden Feldern die richtige
Schnittstelle und Baudrate und drücken Sie
VERBINDEN.
Wenn alles stimmt, wechselt die Beschriftung
der Schaltfläche VERBINDEN zu TRENNEN, und der
grüne Kreis rechts daneben leuchtet hellgrün.
Dann können Sie alle weiteren Funktionen des
Programms nutzen.
                   VIEL ERFOLG

SUCHEN durchsucht alle Ports und Baudraten nach
der Waage und stellt Port und Baudrate darauf ein.
VERLAUF (auf der Seite BERICHTE) listet die auf
diesem PC gespeicherten X- und Z-Berichte auf,
zeigt sie in Diagrammen und exportiert sie.
Strg+L öffnet den LEITUNGSMONITOR: jeder Rahmen
auf der Leitung, mit PAUSE, LÖSCHEN und SPEICHERN.</translation>
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
        <translation>Z-ABSCHLUSS (Reiter BERICHTE) schließt den Tag:
Er liest den Z-Bericht und legt ihn im Archiv auf
diesem PC ab; OK mit dem Passwort der Waage
löscht dann die Tagessummen in der Waage. Ein
Z-ABSCHLUSS pro Tag, nach dem letzten Verkauf.
Ein falsches Passwort weist die Waage ab: Die
Summen bleiben in der Waage, und das Fenster
meldet „Die Waage hat den Tag nicht
abgeschlossen: Passwort prüfen“. Wurde seit dem
Bericht verkauft, wird nichts abgeschlossen:
Z-ABSCHLUSS erneut drücken.

GRAFIKLOGO (Reiter EINSTELLUNGEN) nimmt nur
BMP-Dateien: ein PNG- oder JPEG-Bild zuerst als
BMP speichern.

Nach „Kommunikationsfehler!“: Kabel prüfen und ob
die Waage eingeschaltet ist, dann Port und
Baudrate (die RS-Baudrate der Waage), oder SUCHEN
drücken, das alle durchprobiert. Der
LEITUNGSMONITOR (Strg+L oder Rechtsklick auf die
obere Leiste) zeigt, was gesendet wurde und was
zurückkam.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>READ</source>
        <translation>GELESEN</translation>
    </message>
    <message>
        <source>SCALE</source>
        <translation>WAAGE</translation>
    </message>
    <message>
        <source>PORT</source>
        <translation>PORT</translation>
    </message>
    <message>
        <source>KIND</source>
        <translation>ART</translation>
    </message>
    <message>
        <source>DOC NUM</source>
        <translation>BELEG-NR.</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>SUMME</translation>
    </message>
    <message>
        <source>READS</source>
        <translation>ABRUFE</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>LADEN</translation>
    </message>
    <message>
        <source>EXPORT CSV</source>
        <translation>CSV-EXPORT</translation>
    </message>
    <message>
        <source>HISTORY</source>
        <translation>VERLAUF</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Total per day</source>
        <translation>Summe pro Tag</translation>
    </message>
    <message>
        <source>Sales by hour</source>
        <translation>Verkäufe nach Stunde</translation>
    </message>
    <message>
        <source>Clerks&apos; shares</source>
        <translation>Anteile der Verkäufer</translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>FEHLER!</translation>
    </message>
    <message>
        <source>I/O Error!</source>
        <translation>E/A-Fehler!</translation>
    </message>
    <message>
        <source>Sales</source>
        <translation>Verkäufe</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Filiale</translation>
    </message>
    <message>
        <source>The shop of a chain this PC belongs to, kept with every report</source>
        <translation>Die Filiale einer Kette, zu der dieser PC gehört; wird mit jedem Bericht gespeichert</translation>
    </message>
    <message>
        <source>EXPORT XLSX</source>
        <translation>XLSX-EXPORT</translation>
    </message>
    <message>
        <source>Total per day: no reports in this period</source>
        <translation>Summe pro Tag: keine Berichte in diesem Zeitraum</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>CLERK %1</source>
        <translation>VERK. %1</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>CSV-Dateien</translation>
    </message>
    <message>
        <source>Excel workbooks</source>
        <translation>Excel-Arbeitsmappen</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>ABSCHLUSS</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>abgeschlossen</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
</context>
<context>
    <name>LineMonitor</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>PC -&gt; scale</source>
        <translation>PC -&gt; Waage</translation>
    </message>
    <message>
        <source>scale -&gt; PC</source>
        <translation>Waage -&gt; PC</translation>
    </message>
    <message>
        <source>LINE MONITOR</source>
        <translation>LEITUNGSMONITOR</translation>
    </message>
    <message>
        <source>PAUSE</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Textdateien</translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>FEHLER!</translation>
    </message>
    <message>
        <source>I/O Error!</source>
        <translation>E/A-Fehler!</translation>
    </message>
</context>
<context>
    <name>LogoPicture</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Die BMP-Grafik ist ungültig</translation>
    </message>
</context>
<context>
    <name>LogoWindow</name>
    <message>
        <source>LOAD</source>
        <translation>ÖFFNEN</translation>
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
        <translation>SENDEN</translation>
    </message>
    <message>
        <source>50% Threshold</source>
        <translation>Schwelle 50%</translation>
    </message>
    <message>
        <source>LOAD LOGO</source>
        <translation>LOGO LADEN</translation>
    </message>
    <message>
        <source>BMP</source>
        <translation>BMP-Bilder</translation>
    </message>
    <message>
        <source>Logo sent in %1</source>
        <translation>Logo gesendet in %1</translation>
    </message>
    <message>
        <source>Only BMP pictures (*.bmp) are taken.</source>
        <translation>Nur BMP-Bilder (*.bmp) werden angenommen.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>choice the comport</source>
        <translation>COM-Port wählen</translation>
    </message>
    <message>
        <source>choice the baudrate</source>
        <translation>Baudrate wählen</translation>
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
        <translation>Status: </translation>
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
    <message>
        <source>STATUS:%1</source>
        <translation>STATUS:%1</translation>
    </message>
    <message>
        <source>DISCONNECT</source>
        <translation>TRENNEN</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Cannot initialize COM port!</source>
        <translation>COM-Port kann nicht initialisiert werden!</translation>
    </message>
    <message>
        <source>SCALE ID: </source>
        <translation>WAAGEN-ID: </translation>
    </message>
    <message>
        <source>The port did not open: FIND tries every port and rate.</source>
        <translation>Der Port ließ sich nicht öffnen: SUCHEN probiert alle Ports und Baudraten.</translation>
    </message>
    <message>
        <source>No scale answered at %1 baud: FIND tries every port and rate.</source>
        <translation>Bei %1 Baud hat keine Waage geantwortet: SUCHEN probiert alle Ports und Baudraten.</translation>
    </message>
    <message>
        <source>port %1 -&gt; %2</source>
        <translation>Port %1 -&gt; %2</translation>
    </message>
    <message>
        <source>baud %1 -&gt; %2</source>
        <translation>Baudrate %1 -&gt; %2</translation>
    </message>
    <message>
        <source>Scale found on %1 at %2 baud</source>
        <translation>Waage gefunden an %1 mit %2 Baud</translation>
    </message>
    <message>
        <source> (settings unchanged)</source>
        <translation> (Einstellungen unverändert)</translation>
    </message>
    <message>
        <source>: press CONNECT.</source>
        <translation>: VERBINDEN drücken.</translation>
    </message>
    <message>
        <source>Line monitor</source>
        <translation>Leitungsmonitor</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige Ganzzahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>„%1“ ist keine gültige Dezimalzahl</translation>
    </message>
</context>
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
        <translation>Tabelle mit der Waage vergleichen; festlegen, ob An Waage senden nur Änderungen sendet</translation>
    </message>
    <message>
        <source>Load From SCALE</source>
        <translation>Aus Waage lesen</translation>
    </message>
    <message>
        <source>Save To SCALE</source>
        <translation>An Waage senden</translation>
    </message>
    <message>
        <source>Save To DISK</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Load From DISK</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Compare With SCALE</source>
        <translation>Mit Waage vergleichen</translation>
    </message>
    <message>
        <source>Reads the range from the scale and marks the cells of the table that differ</source>
        <translation>Liest den Bereich aus der Waage und markiert die abweichenden Zellen der Tabelle</translation>
    </message>
    <message>
        <source>Save changed only</source>
        <translation>Nur Änderungen senden</translation>
    </message>
    <message>
        <source>Save To SCALE sends only the rows that differ from what this scale was last known to hold</source>
        <translation>An Waage senden sendet nur die Zeilen, die vom zuletzt bekannten Inhalt dieser Waage abweichen</translation>
    </message>
    <message>
        <source>TAB separated Text Files</source>
        <translation>Tabulatorgetrennte Textdateien</translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>FEHLER!</translation>
    </message>
    <message>
        <source>I/O Error!
(scale records: %1)</source>
        <translation>E/A-Fehler!
(Waagendaten: %1)</translation>
    </message>
    <message>
        <source>The scale holds what the table says.</source>
        <translation>Die Waage enthält genau das, was die Tabelle zeigt.</translation>
    </message>
    <message>
        <source>The marked cells differ from the scale.</source>
        <translation>Die markierten Zellen weichen von der Waage ab.</translation>
    </message>
    <message>
        <source>The marked cells differ from the scale. Only on the scale: PLU %1.</source>
        <translation>Die markierten Zellen weichen von der Waage ab. Nur auf der Waage: PLU %1.</translation>
    </message>
    <message>
        <source>I/O Error!</source>
        <translation>E/A-Fehler!</translation>
    </message>
    <message>
        <source>error in input file</source>
        <translation>Fehler in der Eingabedatei</translation>
    </message>
    <message>
        <source> (stopped)</source>
        <translation> (angehalten)</translation>
    </message>
    <message>
        <source> (failed)</source>
        <translation> (fehlgeschlagen)</translation>
    </message>
    <message>
        <source>PLU %1</source>
        <translation>PLU %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln PLUs read in %1</source>
        <translation>
            <numerusform>%Ln PLU gelesen in %1</numerusform>
            <numerusform>%Ln PLUs gelesen in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln PLUs sent in %1</source>
        <translation>
            <numerusform>%Ln PLU gesendet in %1</numerusform>
            <numerusform>%Ln PLUs gesendet in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No row of PLU %1 to %2 holds a PLU. Sending them clears these PLUs on the scale.

Send them to the scale?</source>
        <translation>Keine Zeile von PLU %1 bis %2 enthält einen PLU. Das Senden löscht diese PLUs in der Waage.

An die Waage senden?</translation>
    </message>
    <message numerus="yes">
        <source>PLU send stopped after %Ln PLUs: the scale holds part of the new PLUs; send them again</source>
        <translation>
            <numerusform>Senden der PLUs nach %Ln PLU abgebrochen: die Waage hat nur einen Teil der neuen PLUs; bitte erneut senden</numerusform>
            <numerusform>Senden der PLUs nach %Ln PLUs abgebrochen: die Waage hat nur einen Teil der neuen PLUs; bitte erneut senden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PluTable</name>
    <message>
        <source>NUM</source>
        <translation>NR</translation>
    </message>
    <message>
        <source>PRICE</source>
        <translation>PREIS</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CODE</translation>
    </message>
    <message>
        <source>DEP</source>
        <translation>WGR</translation>
    </message>
    <message>
        <source>TAX</source>
        <translation>MwSt</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>ST</translation>
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
        <translation>NAME</translation>
    </message>
    <message>
        <source>Valid Date</source>
        <translation>Haltbarkeit</translation>
    </message>
    <message>
        <source>QUANTITY</source>
        <translation>MENGE</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>SUMME</translation>
    </message>
    <message>
        <source>COUNT</source>
        <translation>ANZ.</translation>
    </message>
    <message>
        <source>PLU number on the scale (1 to 1799)</source>
        <translation>PLU-Nummer in der Waage (1 bis 1799)</translation>
    </message>
    <message>
        <source>Unit price of the PLU</source>
        <translation>Grundpreis des PLU</translation>
    </message>
    <message>
        <source>Article code of the PLU</source>
        <translation>Artikelnummer des PLU</translation>
    </message>
    <message>
        <source>Department the PLU&apos;s sales are counted under</source>
        <translation>Warengruppe, der die Verkäufe des PLU zugerechnet werden</translation>
    </message>
    <message>
        <source>Tax rate group of the PLU</source>
        <translation>MwSt-Satz des PLU</translation>
    </message>
    <message>
        <source>1: sold by the piece, QUANTITY counts pieces; 0: weighed</source>
        <translation>1: Stückartikel, MENGE zählt Stück; 0: Wiegeartikel</translation>
    </message>
    <message>
        <source>Fixed price flag (0 or 1)</source>
        <translation>Kennzeichen Festpreis (0 oder 1)</translation>
    </message>
    <message>
        <source>Barcode flag (0 or 1)</source>
        <translation>Kennzeichen Barcode (0 oder 1)</translation>
    </message>
    <message>
        <source>Name of the PLU</source>
        <translation>Name des PLU</translation>
    </message>
    <message>
        <source>Validity (shelf life) value of the PLU, at most 999</source>
        <translation>Haltbarkeit des PLU, höchstens 999</translation>
    </message>
    <message>
        <source>Quantity sold, read from the scale: pieces when NW is 1, else kilograms</source>
        <translation>Verkaufte Menge, aus der Waage gelesen: Stück bei ST = 1, sonst Kilogramm</translation>
    </message>
    <message>
        <source>Amount sold, read from the scale</source>
        <translation>Umsatz, aus der Waage gelesen</translation>
    </message>
    <message>
        <source>Count accumulated by the scale for the PLU, read from the scale</source>
        <translation>Von der Waage für den PLU gezählte Anzahl, aus der Waage gelesen</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>WORK...</source>
        <translation>BITTE WARTEN...</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
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
    <message>
        <source>ERROR!</source>
        <translation>FEHLER!</translation>
    </message>
    <message>
        <source>I/O Error!</source>
        <translation>E/A-Fehler!</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Textdateien</translation>
    </message>
    <message>
        <source>Report read in %1</source>
        <translation>Bericht gelesen in %1</translation>
    </message>
    <message>
        <source>The close after the report of %1 (document %2) is still unknown: the totals do not say whether the scale carried it out. Check on the scale before closing again.</source>
        <translation>Der Abschluss nach dem Bericht von %1 (Beleg %2) ist noch unbekannt: Die Summen zeigen nicht, ob die Waage ihn ausgeführt hat. Vor einem erneuten Abschluss an der Waage prüfen.</translation>
    </message>
    <message>
        <source>The day was closed today at %1 (document %2) and nothing has been sold since. Close it again?</source>
        <translation>Der Tag wurde heute um %1 abgeschlossen (Beleg %2), und seitdem wurde nichts verkauft. Erneut abschließen?</translation>
    </message>
</context>
<context>
    <name>ScaleSession</name>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Communication Error!</source>
        <translation>Kommunikationsfehler!</translation>
    </message>
    <message>
        <source>You are not connected to the scale!</source>
        <translation>Keine Verbindung zur Waage!</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>The scale&apos;s port was lost: check the cable, then CONNECT</source>
        <translation>Der Anschluss der Waage ist verloren: Kabel prüfen, dann VERBINDEN</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message numerus="yes">
        <source>error in input file: %n lines, a settings file has %1</source>
        <translation>
            <numerusform>Fehler in der Eingabedatei: %n Zeile, eine Einstellungsdatei hat %1</numerusform>
            <numerusform>Fehler in der Eingabedatei: %n Zeilen, eine Einstellungsdatei hat %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>RS Baud rate</source>
        <translation>RS-Baudrate</translation>
    </message>
    <message>
        <source>Auto OFF Time</source>
        <translation>Abschaltzeit</translation>
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
        <source>Single Item BAR</source>
        <translation>Artikel-Barcode</translation>
    </message>
    <message>
        <source>Total BAR</source>
        <translation>Summen-Barcode</translation>
    </message>
    <message>
        <source>Drawer Open time</source>
        <translation>Schublade offen</translation>
    </message>
    <message>
        <source>Printer Darkness</source>
        <translation>Druckstärke</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
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
        <translation>Gleichzeitig</translation>
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
        <source>CLERK 2</source>
        <translation>VERK. 2</translation>
    </message>
    <message>
        <source>CLERK 3</source>
        <translation>VERK. 3</translation>
    </message>
    <message>
        <source>CLERK 4</source>
        <translation>VERK. 4</translation>
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
        <source>From PC</source>
        <translation>Vom PC</translation>
    </message>
    <message>
        <source>From SCALE</source>
        <translation>Von Waage</translation>
    </message>
    <message>
        <source>To SCALE</source>
        <translation>An Waage</translation>
    </message>
    <message>
        <source>GRAPHICAL LOGO</source>
        <translation>GRAFIKLOGO</translation>
    </message>
    <message>
        <source>DEPARTMENT NAMES</source>
        <translation>WARENGRUPPEN</translation>
    </message>
    <message>
        <source>LOAD FROM DISK</source>
        <translation>DATEI ÖFFNEN</translation>
    </message>
    <message>
        <source>SAVE TO DISK</source>
        <translation>DATEI SPEICHERN</translation>
    </message>
    <message>
        <source>LOAD FROM SCALE</source>
        <translation>AUS WAAGE LESEN</translation>
    </message>
    <message>
        <source>SEND TO SCALE</source>
        <translation>AN WAAGE SENDEN</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>WERKSEINSTELLUNG</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Textdateien</translation>
    </message>
    <message>
        <source>     NAME</source>
        <translation>     NAME</translation>
    </message>
    <message>
        <source>         HEADER</source>
        <translation>         KOPFZEILE</translation>
    </message>
    <message>
        <source>          FOOTER</source>
        <translation>          FUSSZEILE</translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>FEHLER!</translation>
    </message>
    <message>
        <source>I/O Error!</source>
        <translation>E/A-Fehler!</translation>
    </message>
    <message>
        <source>Settings sent in %1</source>
        <translation>Einstellungen gesendet in %1</translation>
    </message>
    <message>
        <source>Settings read in %1</source>
        <translation>Einstellungen gelesen in %1</translation>
    </message>
    <message>
        <source>These settings were not read from this scale. Sending them replaces the scale&apos;s receipt header and footer, department names, taxes and clerk names.

Send them to the scale?</source>
        <translation>Diese Einstellungen wurden nicht aus dieser Waage gelesen. Das Senden ersetzt in der Waage Bonkopf und Bonfuß, Warengruppennamen, Steuern und Verkäufernamen.

An die Waage senden?</translation>
    </message>
    <message>
        <source>Settings send stopped at %1 of %2: the scale holds part of the new settings; send them again</source>
        <translation>Senden der Einstellungen bei %1 von %2 abgebrochen: die Waage hat nur einen Teil der neuen Einstellungen; bitte erneut senden</translation>
    </message>
</context>
<context>
    <name>SystemTab</name>
    <message>
        <source>Capacity</source>
        <translation>Höchstlast</translation>
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
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Single 6Kg(1/3000)</source>
        <translation>Einbereich 6kg(1/3000)</translation>
    </message>
    <message>
        <source>Single 15Kg(1/3000)</source>
        <translation>Einbereich 15kg(1/3000)</translation>
    </message>
    <message>
        <source>Single 30Kg(1/3000)</source>
        <translation>Einbereich 30kg(1/3000)</translation>
    </message>
    <message>
        <source>Dual 6Kg(1/6000)</source>
        <translation>Zweiteilung 6kg(1/6000)</translation>
    </message>
    <message>
        <source>Dual 15Kg(1/6000)</source>
        <translation>Zweiteilung 15kg(1/6000)</translation>
    </message>
    <message>
        <source>Dual 30Kg(1/6000)</source>
        <translation>Zweiteilung 30kg(1/6000)</translation>
    </message>
</context>
<context>
    <name>TerminalWindow</name>
    <message>
        <source>TERMINAL</source>
        <translation>TERMINAL</translation>
    </message>
</context>
</TS>
