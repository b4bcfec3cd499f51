<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AboutPictures</name>
    <message>
        <source>Servus!</source>
        <translation>Cześć!</translation>
    </message>
</context>
<context>
    <name>CCategories</name>
    <message>
        <source>Güter</source>
        <translation>Ładunki</translation>
    </message>
    <message>
        <source>Landschaftselemente</source>
        <translation>Elementy krajobrazu</translation>
    </message>
    <message>
        <source>Rollmaterial einsetzen</source>
        <translation>Wstawianie taboru</translation>
    </message>
    <message>
        <source>Signalsystem</source>
        <translation>System sygnalizacji</translation>
    </message>
    <message>
        <source>Immobilien</source>
        <translation>Budynki</translation>
    </message>
    <message>
        <source>Straßeneditor</source>
        <translation>Edytor dróg</translation>
    </message>
    <message>
        <source>Schieneneditor</source>
        <translation>Edytor torów</translation>
    </message>
    <message>
        <source>Straßenbahnverkehr</source>
        <translation>Ruch tramwajowy</translation>
    </message>
    <message>
        <source>Wasserwege</source>
        <translation>Drogi wodne</translation>
    </message>
</context>
<context>
    <name>CGsb</name>
    <message>
        <source>Zugriff verweigert</source>
        <translation>Odmowa dostępu</translation>
    </message>
    <message>
        <source>Fehler beim Geräte-E/A</source>
        <translation>Błąd we/wy urządzenia</translation>
    </message>
    <message>
        <source>Fehler beim Zugriff auf Pfad/Datei</source>
        <translation>Błąd dostępu do ścieżki/pliku</translation>
    </message>
    <message>
        <source>Fehler beim Lesen der gsb-Datei:</source>
        <translation>Błąd odczytu pliku gsb:</translation>
    </message>
    <message>
        <source>Falscher Index für mod2-Item</source>
        <translation>Nieprawidłowy indeks elementu mod2</translation>
    </message>
</context>
<context>
    <name>CIniFile</name>
    <message>
        <source>Geräte-E/A-Fehler</source>
        <translation>Błąd we/wy urządzenia</translation>
    </message>
</context>
<context>
    <name>CModels</name>
    <message>
        <source>Kann die Datei %1 nicht lesen!%mOhne diese Datei kann Kluni keine Modelle finden.%mDas Programm wird somit beendet.</source>
        <translation>Nie można odczytać pliku %1!%mBez tego pliku Kluni nie znajdzie żadnych modeli.%mProgram zostanie więc zamknięty.</translation>
    </message>
</context>
<context>
    <name>CliCommands</name>
    <message>
        <source>Den EEP-Ordner &quot;Resourcen&quot; nennt die Option --resbase PFAD.</source>
        <translation>Folder „Resourcen” EEP wskazuje się opcją --resbase ŚCIEŻKA.</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <source>kluni-cli: %1
&quot;kluni-cli --help&quot; zeigt die Hilfe.
</source>
        <translation>kluni-cli: %1
&quot;kluni-cli --help&quot; wyświetla pomoc.
</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>Die Option %1 nimmt keinen Wert.</source>
        <translation>Opcja %1 nie przyjmuje wartości.</translation>
    </message>
    <message>
        <source>Unbekannte Option: %1</source>
        <translation>Nieznana opcja: %1</translation>
    </message>
    <message>
        <source>Die Option %1 braucht einen Wert.</source>
        <translation>Opcja %1 wymaga wartości.</translation>
    </message>
    <message>
        <source>Die Option --resbase braucht einen Pfad.</source>
        <translation>Opcja --resbase wymaga ścieżki.</translation>
    </message>
    <message>
        <source>Ungültiger Wert für %1: %2 (erlaubt: %3)</source>
        <translation>Nieprawidłowa wartość dla %1: %2 (dozwolone: %3)</translation>
    </message>
    <message>
        <source>Kein Befehl angegeben.</source>
        <translation>Nie podano polecenia.</translation>
    </message>
    <message>
        <source>Unbekannter Befehl: %1</source>
        <translation>Nieznane polecenie: %1</translation>
    </message>
    <message>
        <source>Die Option %1 gilt nur für den Befehl search.</source>
        <translation>Opcja %1 dotyczy tylko polecenia search.</translation>
    </message>
    <message>
        <source>Die Option --preset gilt nur für den Befehl date.</source>
        <translation>Opcja --preset dotyczy tylko polecenia date.</translation>
    </message>
    <message>
        <source>check nimmt keine Argumente.</source>
        <translation>check nie przyjmuje argumentów.</translation>
    </message>
    <message>
        <source>search braucht genau einen nicht leeren Suchtext.</source>
        <translation>search wymaga dokładnie jednego niepustego tekstu wyszukiwania.</translation>
    </message>
    <message>
        <source>date braucht entweder VON und BIS oder --preset.</source>
        <translation>date wymaga albo OD i DO, albo --preset.</translation>
    </message>
    <message>
        <source>scan braucht mindestens einen Pfad.</source>
        <translation>scan wymaga co najmniej jednej ścieżki.</translation>
    </message>
    <message>
        <source>mod2 braucht genau eine gsb-Datei.</source>
        <translation>mod2 wymaga dokładnie jednego pliku gsb.</translation>
    </message>
    <message>
        <source>Aufruf: kluni-cli [--resbase PFAD] [--lang ENG|GER|FRA|POL] [--json] [--brief] BEFEHL ...

Kluni sagt, wo man ein Modell im EEP findet.

Befehle:
  check              prüft die EEP-Installation und zeigt, was gefunden wurde
  search [--op contains|exact|begins|ends|like] [--name gsb|ini|both] TEXT
                     sucht Modelle nach dem Namen (Vorgabe: --op contains --name gsb)
  date VON BIS | date --preset today|yesterday|week|month
                     sucht Modelle, die im Zeitraum zum 1. Mal installiert worden sind
                     (Datum als TT.MM.JJJJ)
  scan PFAD...       nimmt Modell-Dateien und Verzeichnisse wie beim Ziehen auf das Fenster
  mod2 DATEI         die mod2-Liste einer gsb-Datei

Optionen:
  --resbase PFAD     das EEP-Verzeichnis &quot;Resourcen&quot; (statt des Registry-Eintrags)
  --lang SPRACHE     Sprache für Kategorien: ENG, GER, FRA oder POL (Vorgabe: GER)
  --json             ein JSON-Dokument statt Text
  --brief            nur die Liste (Zeile und Sektion), ohne Einzelheiten
  -h, --help         diese Hilfe
  --version          die Version

Pfade dürfen in der Form des Systems oder in Windows-Form angegeben werden; ein Pfad,
der mit \ beginnt, gilt relativ zum Resourcen-Verzeichnis.

Rückgabewert: 0 mit Ergebnis, 1 wenn nichts gefunden wurde,
2 bei Fehlern im Aufruf oder in der Installation.
</source>
        <translation>Użycie: kluni-cli [--resbase ŚCIEŻKA] [--lang ENG|GER|FRA|POL] [--json] [--brief] POLECENIE ...

Kluni mówi, gdzie w EEP znaleźć dany model.

Polecenia:
  check              sprawdza instalację EEP i pokazuje, co znaleziono
  search [--op contains|exact|begins|ends|like] [--name gsb|ini|both] TEKST
                     szuka modeli według nazwy (domyślnie: --op contains --name gsb)
  date OD DO | date --preset today|yesterday|week|month
                     szuka modeli zainstalowanych po raz pierwszy w podanym okresie
                     (daty w postaci DD.MM.RRRR)
  scan ŚCIEŻKA...    przyjmuje pliki modeli i katalogi jak przy upuszczeniu na okno
  mod2 PLIK          lista mod2 pliku gsb

Opcje:
  --resbase ŚCIEŻKA  katalog „Resourcen” EEP (zamiast wpisu w rejestrze)
  --lang JĘZYK       język kategorii: ENG, GER, FRA lub POL (domyślnie: POL)
  --json             jeden dokument JSON zamiast tekstu
  --brief            tylko lista (wiersz i sekcja), bez szczegółów
  -h, --help         ta pomoc
  --version          wersja

Ścieżki można podawać w postaci systemowej lub w postaci Windows; ścieżka
zaczynająca się od \ jest względna wobec katalogu Resourcen.

Kod wyjścia: 0 z wynikiem, 1 gdy nic nie znaleziono,
2 przy błędach w wywołaniu lub w instalacji.
</translation>
    </message>
</context>
<context>
    <name>FAbout</name>
    <message>
        <source>Info</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3</source>
        <translation>Wersja: %1.%2.%3</translation>
    </message>
    <message>
        <source>Beachten Sie, daß alle Annahmen über den Aufbau der Kategorien auf Beobachtungen und Gerüchten beruhen!%mDie Korrektheit der Ergebnisse kann also nicht garantiert werden...</source>
        <translation>Uwaga: wszystko, co wiadomo o budowie kategorii, opiera się na obserwacjach i plotkach!%mPoprawności wyników nie można więc zagwarantować...</translation>
    </message>
    <message>
        <source>Wer ist Zirbo?
(Maustaste hier gedrückt halten)</source>
        <translation>Kim jest Zirbo?
(przytrzymaj tutaj przycisk myszy)</translation>
    </message>
    <message>
        <source>&amp;Handbuch...</source>
        <translation>&amp;Instrukcja...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Sorry,%naber ich kann die Datei%m%1%mnicht finden...</source>
        <translation>Przepraszam,%nale pliku%m%1%mnie mogę znaleźć...</translation>
    </message>
    <message>
        <source>Sorry, aber die Datei%m%1%mkann nicht angezeigt werden,%nweil auf Ihrem Rechner kein Programm für die Dateiendung &apos;%2&apos; zuständig ist.</source>
        <translation>Przepraszam, ale pliku%m%1%mnie można wyświetlić,%nponieważ na tym komputerze żaden program nie obsługuje rozszerzenia „%2”.</translation>
    </message>
    <message>
        <source>Sorry, aber die Datei%m%1%mkann nicht angezeigt werden.%m(Fehler-Code: %2)</source>
        <translation>Przepraszam, ale pliku%m%1%mnie można wyświetlić.%m(Kod błędu: %2)</translation>
    </message>
    <message>
        <source>Sie zeigt Ihnen, wo ein Modell in den Untiefen der EEP-Kategorien zu finden ist.</source>
        <translation>Pokazuje, gdzie w głębinach kategorii EEP kryje się dany model.</translation>
    </message>
</context>
<context>
    <name>FIniShow</name>
    <message>
        <source>Kluni - ini-Probleme</source>
        <translation>Kluni - problemy z plikami ini</translation>
    </message>
    <message>
        <source>Fehlende ini-Dateien</source>
        <translation>Brakujące pliki ini</translation>
    </message>
    <message>
        <source>Fehlende Namenseinträge</source>
        <translation>Brakujące wpisy nazw</translation>
    </message>
    <message>
        <source>Kopie in die &amp;Zwischenablage</source>
        <translation>Kopiuj do &amp;schowka</translation>
    </message>
    <message>
        <source>&amp;Fertig</source>
        <translation>&amp;Gotowe</translation>
    </message>
    <message>
        <source>----- keine ini-Dateien -----</source>
        <translation>----- brak plików ini -----</translation>
    </message>
</context>
<context>
    <name>FMain</name>
    <message>
        <source>Ungültiger Datums-Eintrag.%mBitte korrigieren.</source>
        <translation>Nieprawidłowa data.%mProszę ją poprawić.</translation>
    </message>
    <message>
        <source>Kluni - Such mal eben...</source>
        <translation>Kluni - Poszukaj szybko...</translation>
    </message>
    <message>
        <source>Der Name des%ngesuchten Modells</source>
        <translation>Nazwa%nszukanego modelu</translation>
    </message>
    <message>
        <source>%mSorry, aber in EEP%nist kein passendes Modell bekannt!</source>
        <translation>%mNiestety, EEP nie zna%nżadnego pasującego modelu!</translation>
    </message>
    <message>
        <source>&amp;Vorschau  %1</source>
        <translation>&amp;Podgląd  %1</translation>
    </message>
    <message>
        <source>&amp;mod2-Liste  %1</source>
        <translation>Lista &amp;mod2  %1</translation>
    </message>
    <message>
        <source>Typen unverträglich</source>
        <translation>Niezgodność typów</translation>
    </message>
    <message>
        <source>Das von-Datum liegt später als das bis-Datum!%mAustauschen?</source>
        <translation>Data „od” jest późniejsza niż data „do”!%mZamienić je?</translation>
    </message>
    <message>
        <source>Suche nach:</source>
        <translation>Szukaj według:</translation>
    </message>
    <message>
        <source>Modellnamen</source>
        <translation>nazwy modelu</translation>
    </message>
    <message>
        <source>Installationsdatum</source>
        <translation>daty instalacji</translation>
    </message>
    <message>
        <source>enthält</source>
        <translation>zawiera</translation>
    </message>
    <message>
        <source>lautet exakt</source>
        <translation>brzmi dokładnie</translation>
    </message>
    <message>
        <source>beginnt mit</source>
        <translation>zaczyna się od</translation>
    </message>
    <message>
        <source>endet mit</source>
        <translation>kończy się na</translation>
    </message>
    <message>
        <source>wie Muster</source>
        <translation>pasuje do wzorca</translation>
    </message>
    <message>
        <source>Als Modellname soll gelten...</source>
        <translation>Za nazwę modelu uznaj...</translation>
    </message>
    <message>
        <source>Der gsb-Name</source>
        <translation>Nazwę gsb</translation>
    </message>
    <message>
        <source>Der Name aus der ini-Datei</source>
        <translation>Nazwę z pliku ini</translation>
    </message>
    <message>
        <source>Beides</source>
        <translation>Obie</translation>
    </message>
    <message>
        <source>Es werden nur Modelle berücksichtigt, die dem EEP bekannt sind.</source>
        <translation>Uwzględniane są tylko modele znane EEP.</translation>
    </message>
    <message>
        <source>Gesucht werden Modelle, die im Zeitraum zum 1. Mal installiert worden sind.</source>
        <translation>Szukane są modele zainstalowane po raz pierwszy w podanym okresie.</translation>
    </message>
    <message>
        <source>von:</source>
        <translation>od:</translation>
    </message>
    <message>
        <source>bis:</source>
        <translation>do:</translation>
    </message>
    <message>
        <source>Heute</source>
        <translation>Dzisiaj</translation>
    </message>
    <message>
        <source>seit Gestern</source>
        <translation>od wczoraj</translation>
    </message>
    <message>
        <source>letzte Woche</source>
        <translation>ost. tydzień</translation>
    </message>
    <message>
        <source>letzten Monat</source>
        <translation>ost. miesiąc</translation>
    </message>
    <message>
        <source>Es werden auch Modelle berücksichtigt, die im EEP (noch) nicht gescannt wurden.</source>
        <translation>Uwzględniane są też modele, których EEP (jeszcze) nie zeskanował.</translation>
    </message>
    <message>
        <source>Sprache für Kategorien:</source>
        <translation>Język kategorii:</translation>
    </message>
    <message>
        <source>Liste er&amp;weitern</source>
        <translation>&amp;Rozszerz listę</translation>
    </message>
    <message>
        <source>&amp;Such !</source>
        <translation>&amp;Szukaj!</translation>
    </message>
    <message>
        <source>gsb-Name -- Pfad</source>
        <translation>nazwa gsb -- ścieżka</translation>
    </message>
    <message>
        <source>Kopie in die Zwischenablage</source>
        <translation>Kopiuj do schowka</translation>
    </message>
    <message>
        <source>mod2-Dateien unvollständig</source>
        <translation>niekompletne pliki mod2</translation>
    </message>
    <message>
        <source>&amp;mod2-Liste  &gt;&gt;</source>
        <translation>Lista &amp;mod2  &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Vorschau  &gt;&gt;</source>
        <translation>&amp;Podgląd  &gt;&gt;</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Esc oder &quot;Abbrechen&quot; beendet die Suche.</source>
        <translation>Esc lub „Anuluj” przerywa wyszukiwanie.</translation>
    </message>
    <message>
        <source>Die Suche wurde abgebrochen; die Liste ist unverändert.</source>
        <translation>Wyszukiwanie przerwano; lista nie została zmieniona.</translation>
    </message>
</context>
<context>
    <name>FMod2</name>
    <message>
        <source>Klunis mod2-Liste</source>
        <translation>Kluni - lista mod2</translation>
    </message>
</context>
<context>
    <name>FVorschau</name>
    <message>
        <source>Klunis Vorschau</source>
        <translation>Kluni - podgląd</translation>
    </message>
    <message>
        <source>Z o o m</source>
        <translation>Z o o m</translation>
    </message>
    <message>
        <source>K i p p e n</source>
        <translation>N a c h y l</translation>
    </message>
    <message>
        <source>D r e h e n</source>
        <translation>O b r ó ć</translation>
    </message>
    <message>
        <source>%m%mModell kann nicht angezeigt werden, da die gsb-Datei des Modells nicht existiert.</source>
        <translation>%m%mNie można wyświetlić modelu, ponieważ jego plik gsb nie istnieje.</translation>
    </message>
    <message>
        <source>%mModell kann wegen fehlender mod2-Datei(en) nicht angezeigt werden.%mMehr Infos in der mod2-Liste.</source>
        <translation>%mNie można wyświetlić modelu z powodu brakujących plików mod2.%mWięcej informacji na liście mod2.</translation>
    </message>
    <message>
        <source>%m%mModell wird nicht angezeigt,%nda die Vorschau mit Modellen aus einem Netzwerk größte Probleme hat.</source>
        <translation>%m%mModel nie jest wyświetlany,%nponieważ podgląd ma poważne problemy z modelami z sieci.</translation>
    </message>
</context>
<context>
    <name>KluniError</name>
    <message>
        <source>Überlauf</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Nicht genügend Speicher</source>
        <translation>Za mało pamięci</translation>
    </message>
    <message>
        <source>Index außerhalb des gültigen Bereichs</source>
        <translation>Indeks poza zakresem</translation>
    </message>
</context>
<context>
    <name>LikePattern</name>
    <message>
        <source>Ungültige Musterzeichenfolge</source>
        <translation>Nieprawidłowy wzorzec</translation>
    </message>
</context>
<context>
    <name>ModelDetail</name>
    <message>
        <source>gsb-Datei existiert nicht</source>
        <translation>plik gsb nie istnieje</translation>
    </message>
    <message>
        <source>mod2-Dateien unvollständig</source>
        <translation>niekompletne pliki mod2</translation>
    </message>
    <message>
        <source>finden Sie in EEP im Editor</source>
        <translation>znajdziesz w EEP w edytorze</translation>
    </message>
    <message>
        <source>ist im EEP nicht bekannt</source>
        <translation>nie jest znany w EEP</translation>
    </message>
    <message numerus="yes">
        <source>%n ini-Dateien werden vermisst</source>
        <translation>
            <numerusform>Brakuje %n pliku ini</numerusform>
            <numerusform>Brakuje %n plików ini</numerusform>
            <numerusform>Brakuje %n plików ini</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Namens-Einträge (%1) in ini-Dateien fehlen oder sind leer</source>
        <translation>
            <numerusform>W %n pliku ini wpis nazwy (%1) nie istnieje lub jest pusty</numerusform>
            <numerusform>W %n plikach ini wpis nazwy (%1) nie istnieje lub jest pusty</numerusform>
            <numerusform>W %n plikach ini wpis nazwy (%1) nie istnieje lub jest pusty</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NoticeArea</name>
    <message>
        <source>Ini- Probleme...</source>
        <translation>Problemy ini...</translation>
    </message>
</context>
<context>
    <name>PreviewComponent</name>
    <message>
        <source>Drehen %1°, Kippen %2°, Abstand %3</source>
        <translation>Obrót %1°, nachylenie %2°, odległość %3</translation>
    </message>
    <message>
        <source>(kein Modell)</source>
        <translation>(brak modelu)</translation>
    </message>
    <message>
        <source>Die Vorschau-Komponente von EEP ist auf diesem System nicht verfügbar. Gezeigt wird nur die Blickrichtung:
</source>
        <translation>Komponent podglądu EEP nie jest dostępny w tym systemie. Pokazany jest tylko kierunek patrzenia:
</translation>
    </message>
</context>
<context>
    <name>QtFolderChooser</name>
    <message>
        <source>Suchen in:</source>
        <translation>Szukaj w:</translation>
    </message>
    <message>
        <source>Ordner:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>&amp;Wählen</source>
        <translation>&amp;Wybierz</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>ResBaseChoice</name>
    <message>
        <source>EEP-Ordner &quot;Resourcen&quot; wählen</source>
        <translation>Wybierz folder „Resourcen” EEP</translation>
    </message>
    <message>
        <source>Kluni findet EEP nicht von selbst.%nBitte wählen Sie den EEP-Ordner &quot;Resourcen&quot;, der die Datei &quot;Categories\Models.ini&quot; enthält,%nzum Beispiel in einem Wine-Präfix (~/.wine/drive_c/.../EEP6/Resourcen) oder in einer kopierten EEP-Installation.%nVersteckte Ordner wie ~/.wine und ~/.local/share werden mit angezeigt.</source>
        <translation>Kluni nie potrafi sam odnaleźć EEP.%nWybierz folder „Resourcen” EEP, w którym jest plik „Categories\Models.ini”,%nna przykład w prefiksie Wine (~/.wine/drive_c/.../EEP6/Resourcen) lub w skopiowanej instalacji EEP.%nUkryte foldery, takie jak ~/.wine i ~/.local/share, są również widoczne.</translation>
    </message>
    <message>
        <source>Der Ordner%m%1%mist kein EEP-Ordner &quot;Resourcen&quot;: Ihm fehlt die Datei &quot;Categories\Models.ini&quot;.%mBitte wählen Sie den Ordner &quot;Resourcen&quot; Ihrer EEP-Installation.</source>
        <translation>Folder%m%1%mnie jest folderem „Resourcen” EEP: brakuje w nim pliku „Categories\Models.ini”.%mWybierz folder „Resourcen” swojej instalacji EEP.</translation>
    </message>
</context>
<context>
    <name>ResultTexts</name>
    <message>
        <source>%mUnter den übergebenen Dateien%nbefand sich keine Modell Datei.</source>
        <translation>%mWśród przekazanych plików%nnie było żadnego pliku modelu.</translation>
    </message>
    <message>
        <source>%mUnter den verschobenen Dateien%nbefand sich keine Modell Datei.</source>
        <translation>%mWśród upuszczonych plików%nnie było żadnego pliku modelu.</translation>
    </message>
    <message>
        <source>%mSorry, aber in EEP%nist kein passendes Modell bekannt!</source>
        <translation>%mNiestety, EEP nie zna%nżadnego pasującego modelu!</translation>
    </message>
    <message>
        <source>%mIm angegebenen Zeitraum sind keine Modelle%nzum ersten Mal installiert worden.</source>
        <translation>%mW podanym okresie nie zainstalowano%npo raz pierwszy żadnego modelu.</translation>
    </message>
    <message>
        <source>Keine Anzeige möglich ohne die gsb-Datei.</source>
        <translation>Bez pliku gsb nie można nic wyświetlić.</translation>
    </message>
    <message>
        <source>gsb-Datei%tPfad</source>
        <translation>plik gsb%tścieżka</translation>
    </message>
    <message numerus="yes">
        <source>%n Modelle</source>
        <translation>
            <numerusform>%n model</numerusform>
            <numerusform>%n modele</numerusform>
            <numerusform>%n modeli</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien</source>
        <translation>
            <numerusform>%n plik</numerusform>
            <numerusform>%n pliki</numerusform>
            <numerusform>%n plików</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sowie %n weitere ini-Datei(en)</source>
        <translation>
            <numerusform>oraz %n inny plik ini</numerusform>
            <numerusform>oraz %n inne pliki ini</numerusform>
            <numerusform>oraz %n innych plików ini</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mod2-Dateien sind nicht vorhanden.</source>
        <translation>
            <numerusform>Brakuje %n pliku mod2.</numerusform>
            <numerusform>Brakuje %n plików mod2.</numerusform>
            <numerusform>Brakuje %n plików mod2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SearchProgress</name>
    <message numerus="yes">
        <source>Suche läuft: %1 von %n Verzeichnissen durchsucht ...</source>
        <translation>
            <numerusform>Wyszukiwanie: przeszukano %1 z %n folderu ...</numerusform>
            <numerusform>Wyszukiwanie: przeszukano %1 z %n folderów ...</numerusform>
            <numerusform>Wyszukiwanie: przeszukano %1 z %n folderów ...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Suche läuft: %1 von %n Modelldateien geprüft ...</source>
        <translation>
            <numerusform>Wyszukiwanie: sprawdzono %1 z %n pliku modelu ...</numerusform>
            <numerusform>Wyszukiwanie: sprawdzono %1 z %n plików modeli ...</numerusform>
            <numerusform>Wyszukiwanie: sprawdzono %1 z %n plików modeli ...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Suche läuft: %n Modelleinträge geprüft ...</source>
        <translation>
            <numerusform>Wyszukiwanie: sprawdzono %n wpis modelu ...</numerusform>
            <numerusform>Wyszukiwanie: sprawdzono %n wpisy modeli ...</numerusform>
            <numerusform>Wyszukiwanie: sprawdzono %n wpisów modeli ...</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextOutput</name>
    <message>
        <source>Resourcen-Verzeichnis:</source>
        <translation>Katalog Resourcen:</translation>
    </message>
    <message>
        <source>Categories-Verzeichnis:</source>
        <translation>Katalog Categories:</translation>
    </message>
    <message>
        <source>Modelle-Verzeichnis:</source>
        <translation>Katalog Modelle:</translation>
    </message>
    <message>
        <source> (nicht gefunden)</source>
        <translation> (nie znaleziono)</translation>
    </message>
    <message>
        <source>gefunden</source>
        <translation>znaleziono</translation>
    </message>
    <message>
        <source>nicht gefunden</source>
        <translation>nie znaleziono</translation>
    </message>
</context>
<context>
    <name>modMain</name>
    <message>
        <source>Kann das EEP %1-Verzeichnis nicht finden!%mBedenken Sie, dass Kluni nur mit EEP bis einschliesslich Version 6%nzurecht kommt.%mDas Programm wird daher abgebrochen!</source>
        <translation>Nie można znaleźć katalogu %1 EEP!%mPamiętaj, że Kluni radzi sobie tylko z EEP%ndo wersji 6 włącznie.%mProgram zostanie więc przerwany!</translation>
    </message>
    <message>
        <source>Es wurde Datei &apos;%1&apos; im EEP-Verzeichnis gefunden!%nKluni findet nur alle Modelle, wenn die Datei &apos;%1&apos; integriert worden ist.%nFür weitere Informationen zur &apos;%1&apos; lesen Sie die Kurzanleitung.</source>
        <translation>W katalogu EEP znaleziono plik „%1”!%nKluni znajdzie wszystkie modele dopiero po zintegrowaniu pliku „%1”.%nWięcej o pliku „%1” przeczytasz w instrukcji.</translation>
    </message>
    <message>
        <source>Kann das EEP Modelle-Verzeichnis nicht finden!%mMod2-Dateien zu Objekten können daher nicht angezeigt werden!</source>
        <translation>Nie można znaleźć katalogu Modelle EEP!%mPliki mod2 obiektów nie mogą więc zostać wyświetlone!</translation>
    </message>
    <message>
        <source>Kann die Datei %1 nicht lesen!%mOhne diese Datei kann Kluni keine Modelle finden.%mDas Programm wird somit beendet.</source>
        <translation>Nie można odczytać pliku %1!%mBez tego pliku Kluni nie znajdzie żadnych modeli.%mProgram zostanie więc zamknięty.</translation>
    </message>
</context>
<context>
    <name>modTools</name>
    <message>
        <source>Unbekannter Fehler</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>Es ist ein Fehler aufgetreten!</source>
        <translation>Wystąpił błąd!</translation>
    </message>
    <message>
        <source>Prozedur: </source>
        <translation>Procedura: </translation>
    </message>
    <message>
        <source>Fehler </source>
        <translation>Błąd </translation>
    </message>
</context>
</TS>
