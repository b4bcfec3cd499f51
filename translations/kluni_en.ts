<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutPictures</name>
    <message>
        <source>Servus!</source>
        <translation>Hello!</translation>
    </message>
</context>
<context>
    <name>CCategories</name>
    <message>
        <source>Güter</source>
        <translation>Goods</translation>
    </message>
    <message>
        <source>Landschaftselemente</source>
        <translation>Landscape elements</translation>
    </message>
    <message>
        <source>Rollmaterial einsetzen</source>
        <translation>Place rolling stock</translation>
    </message>
    <message>
        <source>Signalsystem</source>
        <translation>Signal system</translation>
    </message>
    <message>
        <source>Immobilien</source>
        <translation>Structures</translation>
    </message>
    <message>
        <source>Straßeneditor</source>
        <translation>Road editor</translation>
    </message>
    <message>
        <source>Schieneneditor</source>
        <translation>Track editor</translation>
    </message>
    <message>
        <source>Straßenbahnverkehr</source>
        <translation>Tram traffic</translation>
    </message>
    <message>
        <source>Wasserwege</source>
        <translation>Waterways</translation>
    </message>
</context>
<context>
    <name>CGsb</name>
    <message>
        <source>Zugriff verweigert</source>
        <translation>Access denied</translation>
    </message>
    <message>
        <source>Fehler beim Geräte-E/A</source>
        <translation>Device I/O error</translation>
    </message>
    <message>
        <source>Fehler beim Zugriff auf Pfad/Datei</source>
        <translation>Path/file access error</translation>
    </message>
    <message>
        <source>Fehler beim Lesen der gsb-Datei:</source>
        <translation>Error reading the gsb file:</translation>
    </message>
    <message>
        <source>Falscher Index für mod2-Item</source>
        <translation>Wrong index for mod2 item</translation>
    </message>
</context>
<context>
    <name>CIniFile</name>
    <message>
        <source>Geräte-E/A-Fehler</source>
        <translation>Device I/O error</translation>
    </message>
</context>
<context>
    <name>CModels</name>
    <message>
        <source>Kann die Datei %1 nicht lesen!%mOhne diese Datei kann Kluni keine Modelle finden.%mDas Programm wird somit beendet.</source>
        <translation>Cannot read the file %1!%mWithout this file Kluni cannot find any models.%mThe program will therefore close.</translation>
    </message>
</context>
<context>
    <name>CliCommands</name>
    <message>
        <source>Den EEP-Ordner &quot;Resourcen&quot; nennt die Option --resbase PFAD.</source>
        <translation>Name EEP&apos;s &quot;Resourcen&quot; folder with the option --resbase PATH.</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <source>kluni-cli: %1
&quot;kluni-cli --help&quot; zeigt die Hilfe.
</source>
        <translation>kluni-cli: %1
&quot;kluni-cli --help&quot; shows the help.
</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>Die Option %1 nimmt keinen Wert.</source>
        <translation>The option %1 takes no value.</translation>
    </message>
    <message>
        <source>Unbekannte Option: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Die Option %1 braucht einen Wert.</source>
        <translation>The option %1 needs a value.</translation>
    </message>
    <message>
        <source>Die Option --resbase braucht einen Pfad.</source>
        <translation>The option --resbase needs a path.</translation>
    </message>
    <message>
        <source>Ungültiger Wert für %1: %2 (erlaubt: %3)</source>
        <translation>Invalid value for %1: %2 (allowed: %3)</translation>
    </message>
    <message>
        <source>Kein Befehl angegeben.</source>
        <translation>No command given.</translation>
    </message>
    <message>
        <source>Unbekannter Befehl: %1</source>
        <translation>Unknown command: %1</translation>
    </message>
    <message>
        <source>Die Option %1 gilt nur für den Befehl search.</source>
        <translation>The option %1 applies only to the command search.</translation>
    </message>
    <message>
        <source>Die Option --preset gilt nur für den Befehl date.</source>
        <translation>The option --preset applies only to the command date.</translation>
    </message>
    <message>
        <source>check nimmt keine Argumente.</source>
        <translation>check takes no arguments.</translation>
    </message>
    <message>
        <source>search braucht genau einen nicht leeren Suchtext.</source>
        <translation>search needs exactly one non-empty search text.</translation>
    </message>
    <message>
        <source>date braucht entweder VON und BIS oder --preset.</source>
        <translation>date needs either FROM and TO or --preset.</translation>
    </message>
    <message>
        <source>scan braucht mindestens einen Pfad.</source>
        <translation>scan needs at least one path.</translation>
    </message>
    <message>
        <source>mod2 braucht genau eine gsb-Datei.</source>
        <translation>mod2 needs exactly one gsb file.</translation>
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
        <translation>Usage: kluni-cli [--resbase PATH] [--lang ENG|GER|FRA|POL] [--json] [--brief] COMMAND ...

Kluni tells you where to find a model in EEP.

Commands:
  check              checks the EEP installation and shows what was found
  search [--op contains|exact|begins|ends|like] [--name gsb|ini|both] TEXT
                     searches models by name (default: --op contains --name gsb)
  date FROM TO | date --preset today|yesterday|week|month
                     searches models installed for the first time within the period
                     (dates as DD.MM.YYYY)
  scan PATH...       takes model files and directories as if dropped on the window
  mod2 FILE          the mod2 list of a gsb file

Options:
  --resbase PATH     EEP&apos;s &quot;Resourcen&quot; directory (instead of the registry entry)
  --lang LANGUAGE    language for categories: ENG, GER, FRA or POL (default: ENG)
  --json             one JSON document instead of text
  --brief            only the list (row and section), without details
  -h, --help         this help
  --version          the version

Paths may be given in the system&apos;s form or in Windows form; a path
beginning with \ is relative to the Resourcen directory.

Exit status: 0 with a result, 1 when nothing was found,
2 on errors in the call or in the installation.
</translation>
    </message>
</context>
<context>
    <name>FAbout</name>
    <message>
        <source>Info</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3</source>
        <translation>Version: %1.%2.%3</translation>
    </message>
    <message>
        <source>Beachten Sie, daß alle Annahmen über den Aufbau der Kategorien auf Beobachtungen und Gerüchten beruhen!%mDie Korrektheit der Ergebnisse kann also nicht garantiert werden...</source>
        <translation>Please note that everything assumed about how the categories are built rests on observation and rumor!%mSo the results cannot be guaranteed to be correct...</translation>
    </message>
    <message>
        <source>Wer ist Zirbo?
(Maustaste hier gedrückt halten)</source>
        <translation>Who is Zirbo?
(hold the mouse button down here)</translation>
    </message>
    <message>
        <source>&amp;Handbuch...</source>
        <translation>&amp;Quick guide...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Sorry,%naber ich kann die Datei%m%1%mnicht finden...</source>
        <translation>Sorry,%nbut I cannot find the file%m%1%manywhere...</translation>
    </message>
    <message>
        <source>Sorry, aber die Datei%m%1%mkann nicht angezeigt werden,%nweil auf Ihrem Rechner kein Programm für die Dateiendung &apos;%2&apos; zuständig ist.</source>
        <translation>Sorry, but the file%m%1%mcannot be shown,%nbecause no program on your computer handles the file extension &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>Sorry, aber die Datei%m%1%mkann nicht angezeigt werden.%m(Fehler-Code: %2)</source>
        <translation>Sorry, but the file%m%1%mcannot be shown.%m(Error code: %2)</translation>
    </message>
    <message>
        <source>Sie zeigt Ihnen, wo ein Modell in den Untiefen der EEP-Kategorien zu finden ist.</source>
        <translation>It shows you where a model hides in the depths of the EEP categories.</translation>
    </message>
</context>
<context>
    <name>FIniShow</name>
    <message>
        <source>Kluni - ini-Probleme</source>
        <translation>Kluni - ini problems</translation>
    </message>
    <message>
        <source>Fehlende ini-Dateien</source>
        <translation>Missing ini files</translation>
    </message>
    <message>
        <source>Fehlende Namenseinträge</source>
        <translation>Missing name entries</translation>
    </message>
    <message>
        <source>Kopie in die &amp;Zwischenablage</source>
        <translation>Copy to &amp;clipboard</translation>
    </message>
    <message>
        <source>&amp;Fertig</source>
        <translation>&amp;Done</translation>
    </message>
    <message>
        <source>----- keine ini-Dateien -----</source>
        <translation>----- no ini files -----</translation>
    </message>
</context>
<context>
    <name>FMain</name>
    <message>
        <source>Ungültiger Datums-Eintrag.%mBitte korrigieren.</source>
        <translation>Invalid date.%mPlease correct it.</translation>
    </message>
    <message>
        <source>Kluni - Such mal eben...</source>
        <translation>Kluni - Just look it up...</translation>
    </message>
    <message>
        <source>Der Name des%ngesuchten Modells</source>
        <translation>The name of the%nmodel you want</translation>
    </message>
    <message>
        <source>%mSorry, aber in EEP%nist kein passendes Modell bekannt!</source>
        <translation>%mSorry, EEP has%nno matching model!</translation>
    </message>
    <message>
        <source>&amp;Vorschau  %1</source>
        <translation>&amp;Preview  %1</translation>
    </message>
    <message>
        <source>&amp;mod2-Liste  %1</source>
        <translation>&amp;mod2 list  %1</translation>
    </message>
    <message>
        <source>Typen unverträglich</source>
        <translation>Type mismatch</translation>
    </message>
    <message>
        <source>Das von-Datum liegt später als das bis-Datum!%mAustauschen?</source>
        <translation>The &quot;from&quot; date is later than the &quot;to&quot; date!%mSwap them?</translation>
    </message>
    <message>
        <source>Suche nach:</source>
        <translation>Search by:</translation>
    </message>
    <message>
        <source>Modellnamen</source>
        <translation>Model name</translation>
    </message>
    <message>
        <source>Installationsdatum</source>
        <translation>Installation date</translation>
    </message>
    <message>
        <source>enthält</source>
        <translation>contains</translation>
    </message>
    <message>
        <source>lautet exakt</source>
        <translation>is exactly</translation>
    </message>
    <message>
        <source>beginnt mit</source>
        <translation>begins with</translation>
    </message>
    <message>
        <source>endet mit</source>
        <translation>ends with</translation>
    </message>
    <message>
        <source>wie Muster</source>
        <translation>matches pattern</translation>
    </message>
    <message>
        <source>Als Modellname soll gelten...</source>
        <translation>Use as the model name...</translation>
    </message>
    <message>
        <source>Der gsb-Name</source>
        <translation>The gsb name</translation>
    </message>
    <message>
        <source>Der Name aus der ini-Datei</source>
        <translation>The name from the ini file</translation>
    </message>
    <message>
        <source>Beides</source>
        <translation>Both</translation>
    </message>
    <message>
        <source>Es werden nur Modelle berücksichtigt, die dem EEP bekannt sind.</source>
        <translation>Only models known to EEP are taken into account.</translation>
    </message>
    <message>
        <source>Gesucht werden Modelle, die im Zeitraum zum 1. Mal installiert worden sind.</source>
        <translation>Looks for models installed for the first time within the period.</translation>
    </message>
    <message>
        <source>von:</source>
        <translation>from:</translation>
    </message>
    <message>
        <source>bis:</source>
        <translation>to:</translation>
    </message>
    <message>
        <source>Heute</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>seit Gestern</source>
        <translation>past 2 days</translation>
    </message>
    <message>
        <source>letzte Woche</source>
        <translation>past 7 days</translation>
    </message>
    <message>
        <source>letzten Monat</source>
        <translation>past month</translation>
    </message>
    <message>
        <source>Es werden auch Modelle berücksichtigt, die im EEP (noch) nicht gescannt wurden.</source>
        <translation>Models that EEP has not scanned (yet) are taken into account too.</translation>
    </message>
    <message>
        <source>Sprache für Kategorien:</source>
        <translation>Category language:</translation>
    </message>
    <message>
        <source>Liste er&amp;weitern</source>
        <translation>&amp;Extend list</translation>
    </message>
    <message>
        <source>&amp;Such !</source>
        <translation>&amp;Search!</translation>
    </message>
    <message>
        <source>gsb-Name -- Pfad</source>
        <translation>gsb name -- path</translation>
    </message>
    <message>
        <source>Kopie in die Zwischenablage</source>
        <translation>Copy to clipboard</translation>
    </message>
    <message>
        <source>mod2-Dateien unvollständig</source>
        <translation>mod2 files incomplete</translation>
    </message>
    <message>
        <source>&amp;mod2-Liste  &gt;&gt;</source>
        <translation>&amp;mod2 list  &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Vorschau  &gt;&gt;</source>
        <translation>&amp;Preview  &gt;&gt;</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>About</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Esc oder &quot;Abbrechen&quot; beendet die Suche.</source>
        <translation>Esc or &quot;Cancel&quot; stops the search.</translation>
    </message>
    <message>
        <source>Die Suche wurde abgebrochen; die Liste ist unverändert.</source>
        <translation>The search was stopped; the list is unchanged.</translation>
    </message>
</context>
<context>
    <name>FMod2</name>
    <message>
        <source>Klunis mod2-Liste</source>
        <translation>Kluni&apos;s mod2 list</translation>
    </message>
</context>
<context>
    <name>FVorschau</name>
    <message>
        <source>Klunis Vorschau</source>
        <translation>Kluni&apos;s preview</translation>
    </message>
    <message>
        <source>Z o o m</source>
        <translation>Z o o m</translation>
    </message>
    <message>
        <source>K i p p e n</source>
        <translation>T i l t</translation>
    </message>
    <message>
        <source>D r e h e n</source>
        <translation>T u r n</translation>
    </message>
    <message>
        <source>%m%mModell kann nicht angezeigt werden, da die gsb-Datei des Modells nicht existiert.</source>
        <translation>%m%mThe model cannot be shown because its gsb file does not exist.</translation>
    </message>
    <message>
        <source>%mModell kann wegen fehlender mod2-Datei(en) nicht angezeigt werden.%mMehr Infos in der mod2-Liste.</source>
        <translation>%mThe model cannot be shown because of missing mod2 file(s).%mMore in the mod2 list.</translation>
    </message>
    <message>
        <source>%m%mModell wird nicht angezeigt,%nda die Vorschau mit Modellen aus einem Netzwerk größte Probleme hat.</source>
        <translation>%m%mThe model is not shown,%nas the preview has serious trouble with models on a network.</translation>
    </message>
</context>
<context>
    <name>KluniError</name>
    <message>
        <source>Überlauf</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Nicht genügend Speicher</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>Index außerhalb des gültigen Bereichs</source>
        <translation>Subscript out of range</translation>
    </message>
</context>
<context>
    <name>LikePattern</name>
    <message>
        <source>Ungültige Musterzeichenfolge</source>
        <translation>Invalid pattern string</translation>
    </message>
</context>
<context>
    <name>ModelDetail</name>
    <message>
        <source>gsb-Datei existiert nicht</source>
        <translation>gsb file does not exist</translation>
    </message>
    <message>
        <source>mod2-Dateien unvollständig</source>
        <translation>mod2 files incomplete</translation>
    </message>
    <message>
        <source>finden Sie in EEP im Editor</source>
        <translation>can be found in EEP in the editor</translation>
    </message>
    <message>
        <source>ist im EEP nicht bekannt</source>
        <translation>is not known to EEP</translation>
    </message>
    <message numerus="yes">
        <source>%n ini-Dateien werden vermisst</source>
        <translation>
            <numerusform>%n ini file is missing</numerusform>
            <numerusform>%n ini files are missing</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Namens-Einträge (%1) in ini-Dateien fehlen oder sind leer</source>
        <translation>
            <numerusform>%n name entry (%1) in ini files is missing or empty</numerusform>
            <numerusform>%n name entries (%1) in ini files are missing or empty</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NoticeArea</name>
    <message>
        <source>Ini- Probleme...</source>
        <translation>Ini problems...</translation>
    </message>
</context>
<context>
    <name>PreviewComponent</name>
    <message>
        <source>Drehen %1°, Kippen %2°, Abstand %3</source>
        <translation>Turn %1°, tilt %2°, distance %3</translation>
    </message>
    <message>
        <source>(kein Modell)</source>
        <translation>(no model)</translation>
    </message>
    <message>
        <source>Die Vorschau-Komponente von EEP ist auf diesem System nicht verfügbar. Gezeigt wird nur die Blickrichtung:
</source>
        <translation>EEP&apos;s preview component is not available on this system. Only the viewing direction is shown:
</translation>
    </message>
</context>
<context>
    <name>QtFolderChooser</name>
    <message>
        <source>Suchen in:</source>
        <translation>Look in:</translation>
    </message>
    <message>
        <source>Ordner:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>&amp;Wählen</source>
        <translation>&amp;Choose</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ResBaseChoice</name>
    <message>
        <source>EEP-Ordner &quot;Resourcen&quot; wählen</source>
        <translation>Choose EEP&apos;s &quot;Resourcen&quot; folder</translation>
    </message>
    <message>
        <source>Kluni findet EEP nicht von selbst.%nBitte wählen Sie den EEP-Ordner &quot;Resourcen&quot;, der die Datei &quot;Categories\Models.ini&quot; enthält,%nzum Beispiel in einem Wine-Präfix (~/.wine/drive_c/.../EEP6/Resourcen) oder in einer kopierten EEP-Installation.%nVersteckte Ordner wie ~/.wine und ~/.local/share werden mit angezeigt.</source>
        <translation>Kluni cannot find EEP by itself.%nPlease choose EEP&apos;s &quot;Resourcen&quot; folder, the one that holds the file &quot;Categories\Models.ini&quot;,%nfor example in a Wine prefix (~/.wine/drive_c/.../EEP6/Resourcen) or in a copied EEP installation.%nHidden folders such as ~/.wine and ~/.local/share are shown too.</translation>
    </message>
    <message>
        <source>Der Ordner%m%1%mist kein EEP-Ordner &quot;Resourcen&quot;: Ihm fehlt die Datei &quot;Categories\Models.ini&quot;.%mBitte wählen Sie den Ordner &quot;Resourcen&quot; Ihrer EEP-Installation.</source>
        <translation>The folder%m%1%mis not an EEP &quot;Resourcen&quot; folder: it lacks the file &quot;Categories\Models.ini&quot;.%mPlease choose the &quot;Resourcen&quot; folder of your EEP installation.</translation>
    </message>
</context>
<context>
    <name>ResultTexts</name>
    <message>
        <source>%mUnter den übergebenen Dateien%nbefand sich keine Modell Datei.</source>
        <translation>%mThere was no model file%namong the files passed on.</translation>
    </message>
    <message>
        <source>%mUnter den verschobenen Dateien%nbefand sich keine Modell Datei.</source>
        <translation>%mThere was no model file%namong the files dropped.</translation>
    </message>
    <message>
        <source>%mSorry, aber in EEP%nist kein passendes Modell bekannt!</source>
        <translation>%mSorry, EEP has%nno matching model!</translation>
    </message>
    <message>
        <source>%mIm angegebenen Zeitraum sind keine Modelle%nzum ersten Mal installiert worden.</source>
        <translation>%mNo models were installed for the first time%nwithin the given period.</translation>
    </message>
    <message>
        <source>Keine Anzeige möglich ohne die gsb-Datei.</source>
        <translation>Nothing to show without the gsb file.</translation>
    </message>
    <message>
        <source>gsb-Datei%tPfad</source>
        <translation>gsb file%tpath</translation>
    </message>
    <message numerus="yes">
        <source>%n Modelle</source>
        <translation>
            <numerusform>%n model</numerusform>
            <numerusform>%n models</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sowie %n weitere ini-Datei(en)</source>
        <translation>
            <numerusform>and %n more ini file</numerusform>
            <numerusform>and %n more ini files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mod2-Dateien sind nicht vorhanden.</source>
        <translation>
            <numerusform>%n mod2 file is missing.</numerusform>
            <numerusform>%n mod2 files are missing.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SearchProgress</name>
    <message numerus="yes">
        <source>Suche läuft: %1 von %n Verzeichnissen durchsucht ...</source>
        <translation>
            <numerusform>Searching: %1 of %n folder searched ...</numerusform>
            <numerusform>Searching: %1 of %n folders searched ...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Suche läuft: %1 von %n Modelldateien geprüft ...</source>
        <translation>
            <numerusform>Searching: %1 of %n model file checked ...</numerusform>
            <numerusform>Searching: %1 of %n model files checked ...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Suche läuft: %n Modelleinträge geprüft ...</source>
        <translation>
            <numerusform>Searching: %n model entry checked ...</numerusform>
            <numerusform>Searching: %n model entries checked ...</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextOutput</name>
    <message>
        <source>Resourcen-Verzeichnis:</source>
        <translation>Resourcen directory:</translation>
    </message>
    <message>
        <source>Categories-Verzeichnis:</source>
        <translation>Categories directory:</translation>
    </message>
    <message>
        <source>Modelle-Verzeichnis:</source>
        <translation>Modelle directory:</translation>
    </message>
    <message>
        <source> (nicht gefunden)</source>
        <translation> (not found)</translation>
    </message>
    <message>
        <source>gefunden</source>
        <translation>found</translation>
    </message>
    <message>
        <source>nicht gefunden</source>
        <translation>not found</translation>
    </message>
</context>
<context>
    <name>modMain</name>
    <message>
        <source>Kann das EEP %1-Verzeichnis nicht finden!%mBedenken Sie, dass Kluni nur mit EEP bis einschliesslich Version 6%nzurecht kommt.%mDas Programm wird daher abgebrochen!</source>
        <translation>Cannot find EEP&apos;s %1 directory!%mRemember that Kluni only gets along with EEP%nup to and including version 6.%mThe program will therefore stop!</translation>
    </message>
    <message>
        <source>Es wurde Datei &apos;%1&apos; im EEP-Verzeichnis gefunden!%nKluni findet nur alle Modelle, wenn die Datei &apos;%1&apos; integriert worden ist.%nFür weitere Informationen zur &apos;%1&apos; lesen Sie die Kurzanleitung.</source>
        <translation>The file &apos;%1&apos; was found in the EEP directory!%nKluni only finds all models once the file &apos;%1&apos; has been integrated.%nFor more about &apos;%1&apos;, read the quick guide.</translation>
    </message>
    <message>
        <source>Kann das EEP Modelle-Verzeichnis nicht finden!%mMod2-Dateien zu Objekten können daher nicht angezeigt werden!</source>
        <translation>Cannot find EEP&apos;s Modelle directory!%mThe objects&apos; mod2 files therefore cannot be shown!</translation>
    </message>
    <message>
        <source>Kann die Datei %1 nicht lesen!%mOhne diese Datei kann Kluni keine Modelle finden.%mDas Programm wird somit beendet.</source>
        <translation>Cannot read the file %1!%mWithout this file Kluni cannot find any models.%mThe program will therefore close.</translation>
    </message>
</context>
<context>
    <name>modTools</name>
    <message>
        <source>Unbekannter Fehler</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>Es ist ein Fehler aufgetreten!</source>
        <translation>An error has occurred!</translation>
    </message>
    <message>
        <source>Prozedur: </source>
        <translation>Procedure: </translation>
    </message>
    <message>
        <source>Fehler </source>
        <translation>Error </translation>
    </message>
</context>
</TS>
