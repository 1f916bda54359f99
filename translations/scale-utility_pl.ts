<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>CloseZDialog</name>
    <message>
        <source>CLOSE Z</source>
        <translation>RAPORT Z – ZEROWANIE</translation>
    </message>
    <message>
        <source>CLOSE Z !!</source>
        <translation>RAPORT Z – ZEROWANIE !!</translation>
    </message>
    <message>
        <source>SURE ?</source>
        <translation>NA PEWNO?</translation>
    </message>
    <message>
        <source>PASSWORD</source>
        <translation>HASŁO</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>BŁĄD!</translation>
    </message>
    <message>
        <source>I/O Error!</source>
        <translation>Błąd wejścia/wyjścia!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Sales were made since the report: nothing was closed. CLOSE Z reads the report again.</source>
        <translation>Od raportu była sprzedaż: nic nie zamknięto. RAPORT Z – ZEROWANIE wczyta raport ponownie.</translation>
    </message>
    <message>
        <source>The scale did not close the day: check the password</source>
        <translation>Waga nie zamknęła dnia: sprawdź hasło</translation>
    </message>
    <message>
        <source>This clears the day&apos;s totals on the scale: %1, document %2.</source>
        <translation>To zeruje dzienne sumy na wadze: %1, dokument %2.</translation>
    </message>
    <message>
        <source>Day closed: %1, document %2, kept in the archive</source>
        <translation>Dzień zamknięty: %1, dokument %2, zachowano w archiwum</translation>
    </message>
    <message>
        <source>The close also cleared documents %1 to %2, sold after the report was read: their sales were never read.</source>
        <translation>Zamknięcie wyzerowało też dokumenty od %1 do %2, sprzedane po odczycie raportu: ich sprzedaż nigdy nie została odczytana.</translation>
    </message>
    <message>
        <source>Day not closed: the scale refused the close; check the password and press OK again</source>
        <translation>Dzień niezamknięty: waga odrzuciła zamknięcie; sprawdź hasło i naciśnij ponownie OK</translation>
    </message>
    <message>
        <source>Close of document %1 unknown: check on the scale; the next report settles it</source>
        <translation>Zamknięcie dokumentu %1 nieznane: sprawdź na wadze; następny raport to rozstrzygnie</translation>
    </message>
    <message>
        <source>The totals read back do not say whether the day was closed: check on the scale. The next report settles it.</source>
        <translation>Ponownie odczytane sumy nie pokazują, czy dzień został zamknięty: sprawdź na wadze. Następny raport to rozstrzygnie.</translation>
    </message>
    <message>
        <source>Close of document %1 not confirmed: press OK again to read the totals</source>
        <translation>Zamknięcie dokumentu %1 niepotwierdzone: naciśnij ponownie OK, aby odczytać sumy</translation>
    </message>
</context>
<context>
    <name>FindScale</name>
    <message>
        <source>Searching for the scale...</source>
        <translation>Wyszukiwanie wagi...</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Błąd!</translation>
    </message>
    <message>
        <source>No scale found!</source>
        <translation>Nie znaleziono wagi!</translation>
    </message>
    <message>
        <source>FIND</source>
        <translation>SZUKAJ</translation>
    </message>
    <message>
        <source>Scales found:</source>
        <translation>Znalezione wagi:</translation>
    </message>
    <message>
        <source>Check the cable and the port, that the scale is switched on, and its baud rate.</source>
        <translation>Sprawdź kabel i port, czy waga jest włączona, oraz jej prędkość transmisji.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>HELP</source>
        <translation>POMOC</translation>
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
Za pomocą tego programu można ustawić parametry
wagi, np. prędkość RS, teksty nagłówka i stopki,
czas automatycznego wyłączenia, zegar czasu
rzeczywistego i wiele innych...
Program pozwala też utworzyć bazę PLU, zapisać
ją na dysku oraz wysłać ją do wagi lub wczytać
z wagi.
Można też zmienić ustawienia kalibracji (tylko
gdy waga jest w trybie kalibracji).
TERMINAL pozwala komunikować się z wagą
bezpośrednio.
Najpierw podłącz wagę do jednego z portów
szeregowych komputera. Następnie wybierz
właściwy port i prędkość transmisji
odpowiednimi polami i naciśnij przycisk POŁĄCZ.
Jeśli wszystko jest w porządku, napis na
przycisku POŁĄCZ zmieni się na ROZŁĄCZ, a zielone
kółko po jego prawej stronie zaświeci się na
jasnozielono. Wtedy można korzystać ze
wszystkich funkcji programu.
                   POWODZENIA

SZUKAJ przeszukuje wszystkie porty i prędkości,
znajduje wagę i ustawia na nią pola portu
i prędkości.
HISTORIA (na karcie RAPORTY) wyświetla, pokazuje
na wykresach i eksportuje raporty X i Z zapisane
na tym komputerze.
Ctrl+L otwiera MONITOR LINII: każda ramka na linii,
z przyciskami PAUZA, WYCZYŚĆ i ZAPISZ.</translation>
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
        <translation>RAPORT Z – ZEROWANIE (karta RAPORTY) zamyka dzień:
wczytuje raport Z i zapisuje go w archiwum na tym
PC; OK z hasłem wagi zeruje potem dzienne sumy
w wadze. Jeden RAPORT Z – ZEROWANIE dziennie, po
ostatniej sprzedaży. Błędne hasło waga odrzuca:
sumy zostają w wadze, a okno pokazuje „Waga nie
zamknęła dnia: sprawdź hasło”. Jeśli od raportu
była sprzedaż, nic nie zostaje zamknięte:
naciśnij ponownie RAPORT Z – ZEROWANIE.

LOGO GRAFICZNE (karta USTAWIENIA) przyjmuje tylko
pliki BMP: obraz PNG lub JPEG zapisz najpierw
jako BMP.

Po komunikacie „Błąd komunikacji!”: sprawdź kabel
i czy waga jest włączona, potem port i prędkość
transmisji (Prędkość RS wagi) albo naciśnij
SZUKAJ, aby sprawdzić wszystkie. MONITOR LINII
(Ctrl+L lub prawy przycisk myszy na górnym pasku)
pokazuje, co wysłano i co wróciło.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>READ</source>
        <translation>ODCZYT</translation>
    </message>
    <message>
        <source>SCALE</source>
        <translation>WAGA</translation>
    </message>
    <message>
        <source>PORT</source>
        <translation>PORT</translation>
    </message>
    <message>
        <source>KIND</source>
        <translation>RODZAJ</translation>
    </message>
    <message>
        <source>DOC NUM</source>
        <translation>NR DOK.</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>SUMA</translation>
    </message>
    <message>
        <source>READS</source>
        <translation>ODCZYTY</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>WCZYTAJ</translation>
    </message>
    <message>
        <source>EXPORT CSV</source>
        <translation>EKSPORT CSV</translation>
    </message>
    <message>
        <source>HISTORY</source>
        <translation>HISTORIA</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archiwum</translation>
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
        <translation>Suma dzienna</translation>
    </message>
    <message>
        <source>Sales by hour</source>
        <translation>Sprzedaż według godzin</translation>
    </message>
    <message>
        <source>Clerks&apos; shares</source>
        <translation>Udziały kasjerów</translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>BŁĄD!</translation>
    </message>
    <message>
        <source>I/O Error!</source>
        <translation>Błąd wejścia/wyjścia!</translation>
    </message>
    <message>
        <source>Sales</source>
        <translation>Sprzedaż</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Sklep</translation>
    </message>
    <message>
        <source>The shop of a chain this PC belongs to, kept with every report</source>
        <translation>Sklep sieci, do którego należy ten komputer; zapisywany z każdym raportem</translation>
    </message>
    <message>
        <source>EXPORT XLSX</source>
        <translation>EKSPORT XLSX</translation>
    </message>
    <message>
        <source>Total per day: no reports in this period</source>
        <translation>Suma dzienna: brak raportów w tym okresie</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dzień</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>CLERK %1</source>
        <translation>KASJER %1</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Pliki CSV</translation>
    </message>
    <message>
        <source>Excel workbooks</source>
        <translation>Skoroszyty Excel</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>ZAMKNIĘCIE</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>nieznane</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>zamknięte</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>odrzucone</translation>
    </message>
</context>
<context>
    <name>LineMonitor</name>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Kierunek</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bajty</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Ramka</translation>
    </message>
    <message>
        <source>PC -&gt; scale</source>
        <translation>PC -&gt; waga</translation>
    </message>
    <message>
        <source>scale -&gt; PC</source>
        <translation>waga -&gt; PC</translation>
    </message>
    <message>
        <source>LINE MONITOR</source>
        <translation>MONITOR LINII</translation>
    </message>
    <message>
        <source>PAUSE</source>
        <translation>PAUZA</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>WYCZYŚĆ</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ZAPISZ</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Pliki tekstowe</translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>BŁĄD!</translation>
    </message>
    <message>
        <source>I/O Error!</source>
        <translation>Błąd wejścia/wyjścia!</translation>
    </message>
</context>
<context>
    <name>LogoPicture</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Nie można otworzyć pliku %1</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Nieprawidłowy obraz BMP</translation>
    </message>
</context>
<context>
    <name>LogoWindow</name>
    <message>
        <source>LOAD</source>
        <translation>OTWÓRZ</translation>
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
    <message>
        <source>LOAD LOGO</source>
        <translation>WCZYTAJ LOGO</translation>
    </message>
    <message>
        <source>BMP</source>
        <translation>Obrazy BMP</translation>
    </message>
    <message>
        <source>Logo sent in %1</source>
        <translation>Logo wysłane w %1</translation>
    </message>
    <message>
        <source>Only BMP pictures (*.bmp) are taken.</source>
        <translation>Przyjmowane są tylko obrazy BMP (*.bmp).</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>choice the comport</source>
        <translation>Wybór portu COM</translation>
    </message>
    <message>
        <source>choice the baudrate</source>
        <translation>Wybór prędkości transmisji</translation>
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
    <message>
        <source>STATUS:%1</source>
        <translation>STAN:%1</translation>
    </message>
    <message>
        <source>DISCONNECT</source>
        <translation>ROZŁĄCZ</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Błąd!</translation>
    </message>
    <message>
        <source>Cannot initialize COM port!</source>
        <translation>Nie można zainicjować portu COM!</translation>
    </message>
    <message>
        <source>SCALE ID: </source>
        <translation>ID WAGI: </translation>
    </message>
    <message>
        <source>The port did not open: FIND tries every port and rate.</source>
        <translation>Port się nie otworzył: SZUKAJ sprawdzi wszystkie porty i prędkości.</translation>
    </message>
    <message>
        <source>No scale answered at %1 baud: FIND tries every port and rate.</source>
        <translation>Przy %1 bodów żadna waga nie odpowiedziała: SZUKAJ sprawdzi wszystkie porty i prędkości.</translation>
    </message>
    <message>
        <source>port %1 -&gt; %2</source>
        <translation>port %1 -&gt; %2</translation>
    </message>
    <message>
        <source>baud %1 -&gt; %2</source>
        <translation>prędkość %1 -&gt; %2</translation>
    </message>
    <message>
        <source>Scale found on %1 at %2 baud</source>
        <translation>Znaleziono wagę na %1 przy %2 bodów</translation>
    </message>
    <message>
        <source> (settings unchanged)</source>
        <translation> (ustawienia bez zmian)</translation>
    </message>
    <message>
        <source>: press CONNECT.</source>
        <translation>: naciśnij POŁĄCZ.</translation>
    </message>
    <message>
        <source>Line monitor</source>
        <translation>Monitor linii</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1” nie jest prawidłową liczbą całkowitą</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>„%1” nie jest prawidłową liczbą dziesiętną</translation>
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
        <translation>Porównaj tabelę z wagą; wybierz, czy Wyślij do WAGI wysyła tylko zmiany</translation>
    </message>
    <message>
        <source>Load From SCALE</source>
        <translation>Wczytaj z WAGI</translation>
    </message>
    <message>
        <source>Save To SCALE</source>
        <translation>Wyślij do WAGI</translation>
    </message>
    <message>
        <source>Save To DISK</source>
        <translation>Zapisz na DYSK</translation>
    </message>
    <message>
        <source>Load From DISK</source>
        <translation>Otwórz z DYSKU</translation>
    </message>
    <message>
        <source>Compare With SCALE</source>
        <translation>Porównaj z wagą</translation>
    </message>
    <message>
        <source>Reads the range from the scale and marks the cells of the table that differ</source>
        <translation>Wczytuje zakres z wagi i zaznacza różniące się komórki tabeli</translation>
    </message>
    <message>
        <source>Save changed only</source>
        <translation>Wysyłaj tylko zmiany</translation>
    </message>
    <message>
        <source>Save To SCALE sends only the rows that differ from what this scale was last known to hold</source>
        <translation>Wyślij do WAGI wysyła tylko wiersze różniące się od ostatnio znanej zawartości tej wagi</translation>
    </message>
    <message>
        <source>TAB separated Text Files</source>
        <translation>Pliki tekstowe rozdzielane tabulatorami</translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>BŁĄD!</translation>
    </message>
    <message>
        <source>I/O Error!
(scale records: %1)</source>
        <translation>Błąd wejścia/wyjścia!
(zapisy wagi: %1)</translation>
    </message>
    <message>
        <source>The scale holds what the table says.</source>
        <translation>Waga zawiera to samo co tabela.</translation>
    </message>
    <message>
        <source>The marked cells differ from the scale.</source>
        <translation>Zaznaczone komórki różnią się od wagi.</translation>
    </message>
    <message>
        <source>The marked cells differ from the scale. Only on the scale: PLU %1.</source>
        <translation>Zaznaczone komórki różnią się od wagi. Tylko w wadze: PLU %1.</translation>
    </message>
    <message>
        <source>I/O Error!</source>
        <translation>Błąd wejścia/wyjścia!</translation>
    </message>
    <message>
        <source>error in input file</source>
        <translation>błąd w pliku wejściowym</translation>
    </message>
    <message>
        <source> (stopped)</source>
        <translation> (zatrzymano)</translation>
    </message>
    <message>
        <source> (failed)</source>
        <translation> (nie powiodło się)</translation>
    </message>
    <message>
        <source>PLU %1</source>
        <translation>PLU %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln PLUs read in %1</source>
        <translation>
            <numerusform>Wczytano %Ln pozycję PLU w czasie %1</numerusform>
            <numerusform>Wczytano %Ln pozycje PLU w czasie %1</numerusform>
            <numerusform>Wczytano %Ln pozycji PLU w czasie %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln PLUs sent in %1</source>
        <translation>
            <numerusform>Wysłano %Ln pozycję PLU w czasie %1</numerusform>
            <numerusform>Wysłano %Ln pozycje PLU w czasie %1</numerusform>
            <numerusform>Wysłano %Ln pozycji PLU w czasie %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No row of PLU %1 to %2 holds a PLU. Sending them clears these PLUs on the scale.

Send them to the scale?</source>
        <translation>Żaden wiersz PLU od %1 do %2 nie zawiera PLU. Ich wysłanie wyczyści te PLU w wadze.

Wysłać je do wagi?</translation>
    </message>
    <message numerus="yes">
        <source>PLU send stopped after %Ln PLUs: the scale holds part of the new PLUs; send them again</source>
        <translation>
            <numerusform>Wysyłanie PLU zatrzymało się po %Ln PLU: waga ma tylko część nowych PLU; wyślij je ponownie</numerusform>
            <numerusform>Wysyłanie PLU zatrzymało się po %Ln PLU: waga ma tylko część nowych PLU; wyślij je ponownie</numerusform>
            <numerusform>Wysyłanie PLU zatrzymało się po %Ln PLU: waga ma tylko część nowych PLU; wyślij je ponownie</numerusform>
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
        <translation>CENA</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>KOD</translation>
    </message>
    <message>
        <source>DEP</source>
        <translation>DZ</translation>
    </message>
    <message>
        <source>TAX</source>
        <translation>VAT</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>SZT</translation>
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
        <translation>NAZWA</translation>
    </message>
    <message>
        <source>Valid Date</source>
        <translation>Ważność</translation>
    </message>
    <message>
        <source>QUANTITY</source>
        <translation>ILOŚĆ</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>SUMA</translation>
    </message>
    <message>
        <source>COUNT</source>
        <translation>LICZBA</translation>
    </message>
    <message>
        <source>PLU number on the scale (1 to 1799)</source>
        <translation>Numer PLU w wadze (1 do 1799)</translation>
    </message>
    <message>
        <source>Unit price of the PLU</source>
        <translation>Cena jednostkowa PLU</translation>
    </message>
    <message>
        <source>Article code of the PLU</source>
        <translation>Kod towaru PLU</translation>
    </message>
    <message>
        <source>Department the PLU&apos;s sales are counted under</source>
        <translation>Dział, do którego liczy się sprzedaż PLU</translation>
    </message>
    <message>
        <source>Tax rate group of the PLU</source>
        <translation>Stawka VAT PLU</translation>
    </message>
    <message>
        <source>1: sold by the piece, QUANTITY counts pieces; 0: weighed</source>
        <translation>1: sprzedaż na sztuki, ILOŚĆ liczy sztuki; 0: towar ważony</translation>
    </message>
    <message>
        <source>Fixed price flag (0 or 1)</source>
        <translation>Znacznik stałej ceny (0 lub 1)</translation>
    </message>
    <message>
        <source>Barcode flag (0 or 1)</source>
        <translation>Znacznik kodu kreskowego (0 lub 1)</translation>
    </message>
    <message>
        <source>Name of the PLU</source>
        <translation>Nazwa PLU</translation>
    </message>
    <message>
        <source>Validity (shelf life) value of the PLU, at most 999</source>
        <translation>Ważność PLU, najwyżej 999</translation>
    </message>
    <message>
        <source>Quantity sold, read from the scale: pieces when NW is 1, else kilograms</source>
        <translation>Sprzedana ilość wczytana z wagi: sztuki, gdy SZT = 1, inaczej kilogramy</translation>
    </message>
    <message>
        <source>Amount sold, read from the scale</source>
        <translation>Wartość sprzedaży wczytana z wagi</translation>
    </message>
    <message>
        <source>Count accumulated by the scale for the PLU, read from the scale</source>
        <translation>Licznik zebrany przez wagę dla PLU, wczytany z wagi</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>WORK...</source>
        <translation>PROSZĘ CZEKAĆ...</translation>
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
        <translation>Błąd!</translation>
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
        <translation>RAPORT Z – ZEROWANIE</translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>BŁĄD!</translation>
    </message>
    <message>
        <source>I/O Error!</source>
        <translation>Błąd wejścia/wyjścia!</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Pliki tekstowe</translation>
    </message>
    <message>
        <source>Report read in %1</source>
        <translation>Raport wczytany w %1</translation>
    </message>
    <message>
        <source>The close after the report of %1 (document %2) is still unknown: the totals do not say whether the scale carried it out. Check on the scale before closing again.</source>
        <translation>Zamknięcie po raporcie z %1 (dokument %2) jest wciąż nieznane: sumy nie pokazują, czy waga je wykonała. Przed ponownym zamknięciem sprawdź wagę.</translation>
    </message>
    <message>
        <source>The day was closed today at %1 (document %2) and nothing has been sold since. Close it again?</source>
        <translation>Dzień został dziś zamknięty o %1 (dokument %2) i od tego czasu nic nie sprzedano. Zamknąć ponownie?</translation>
    </message>
</context>
<context>
    <name>ScaleSession</name>
    <message>
        <source>Error!</source>
        <translation>Błąd!</translation>
    </message>
    <message>
        <source>Communication Error!</source>
        <translation>Błąd komunikacji!</translation>
    </message>
    <message>
        <source>You are not connected to the scale!</source>
        <translation>Brak połączenia z wagą!</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>The scale&apos;s port was lost: check the cable, then CONNECT</source>
        <translation>Utracono port wagi: sprawdź kabel, a potem naciśnij POŁĄCZ</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message numerus="yes">
        <source>error in input file: %n lines, a settings file has %1</source>
        <translation>
            <numerusform>błąd w pliku wejściowym: %n wiersz, plik ustawień ma %1 wierszy</numerusform>
            <numerusform>błąd w pliku wejściowym: %n wiersze, plik ustawień ma %1 wierszy</numerusform>
            <numerusform>błąd w pliku wejściowym: %n wierszy, plik ustawień ma %1 wierszy</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>RS Baud rate</source>
        <translation>Prędkość RS</translation>
    </message>
    <message>
        <source>Auto OFF Time</source>
        <translation>Czas wyłączenia</translation>
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
        <source>Single Item BAR</source>
        <translation>Kod kresk. pozycji</translation>
    </message>
    <message>
        <source>Total BAR</source>
        <translation>Kod kresk. sumy</translation>
    </message>
    <message>
        <source>Drawer Open time</source>
        <translation>Otwarcie szuflady</translation>
    </message>
    <message>
        <source>Printer Darkness</source>
        <translation>Nasycenie druku</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Waluta</translation>
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
        <translation>Drukuj kod kresk. pozycji</translation>
    </message>
    <message>
        <source>Print Total BAR</source>
        <translation>Drukuj kod kresk. sumy</translation>
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
        <translation>Jednocześnie</translation>
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
        <source>CLERK 2</source>
        <translation>KASJER 2</translation>
    </message>
    <message>
        <source>CLERK 3</source>
        <translation>KASJER 3</translation>
    </message>
    <message>
        <source>CLERK 4</source>
        <translation>KASJER 4</translation>
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
        <translation>OTWÓRZ Z DYSKU</translation>
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
        <translation>USTAWIENIA FABRYCZNE</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Pliki tekstowe</translation>
    </message>
    <message>
        <source>     NAME</source>
        <translation>     NAZWA</translation>
    </message>
    <message>
        <source>         HEADER</source>
        <translation>         NAGŁÓWEK</translation>
    </message>
    <message>
        <source>          FOOTER</source>
        <translation>          STOPKA</translation>
    </message>
    <message>
        <source>ERROR!</source>
        <translation>BŁĄD!</translation>
    </message>
    <message>
        <source>I/O Error!</source>
        <translation>Błąd wejścia/wyjścia!</translation>
    </message>
    <message>
        <source>Settings sent in %1</source>
        <translation>Ustawienia wysłane w %1</translation>
    </message>
    <message>
        <source>Settings read in %1</source>
        <translation>Ustawienia wczytane w %1</translation>
    </message>
    <message>
        <source>These settings were not read from this scale. Sending them replaces the scale&apos;s receipt header and footer, department names, taxes and clerk names.

Send them to the scale?</source>
        <translation>Te ustawienia nie zostały odczytane z tej wagi. Ich wysłanie zastąpi w wadze nagłówek i stopkę paragonu, nazwy działów, podatki i nazwiska sprzedawców.

Wysłać je do wagi?</translation>
    </message>
    <message>
        <source>Settings send stopped at %1 of %2: the scale holds part of the new settings; send them again</source>
        <translation>Wysyłanie ustawień zatrzymało się na %1 z %2: waga ma tylko część nowych ustawień; wyślij je ponownie</translation>
    </message>
</context>
<context>
    <name>SystemTab</name>
    <message>
        <source>Capacity</source>
        <translation>Obciążenie maks.</translation>
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
        <source>dual interval</source>
        <translation>2 działki</translation>
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
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Single 6Kg(1/3000)</source>
        <translation>1 działka 6kg(1/3000)</translation>
    </message>
    <message>
        <source>Single 15Kg(1/3000)</source>
        <translation>1 działka 15kg(1/3000)</translation>
    </message>
    <message>
        <source>Single 30Kg(1/3000)</source>
        <translation>1 działka 30kg(1/3000)</translation>
    </message>
    <message>
        <source>Dual 6Kg(1/6000)</source>
        <translation>2 działki 6kg(1/6000)</translation>
    </message>
    <message>
        <source>Dual 15Kg(1/6000)</source>
        <translation>2 działki 15kg(1/6000)</translation>
    </message>
    <message>
        <source>Dual 30Kg(1/6000)</source>
        <translation>2 działki 30kg(1/6000)</translation>
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
