<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ModelDetail</name>
    <message numerus="yes">
        <source>%n ini-Dateien werden vermisst</source>
        <translation>
            <numerusform>%n ini-Datei wird vermisst</numerusform>
            <numerusform>%n ini-Dateien werden vermisst</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Namens-Einträge (%1) in ini-Dateien fehlen oder sind leer</source>
        <translation>
            <numerusform>%n Namens-Eintrag (%1) in ini-Dateien fehlt oder ist leer</numerusform>
            <numerusform>%n Namens-Einträge (%1) in ini-Dateien fehlen oder sind leer</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultTexts</name>
    <message numerus="yes">
        <source>%n Modelle</source>
        <translation>
            <numerusform>%n Modell</numerusform>
            <numerusform>%n Modelle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sowie %n weitere ini-Datei(en)</source>
        <translation>
            <numerusform>sowie %n weitere ini-Datei(en)</numerusform>
            <numerusform>sowie %n weitere ini-Datei(en)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mod2-Dateien sind nicht vorhanden.</source>
        <translation>
            <numerusform>%n mod2-Datei ist nicht vorhanden.</numerusform>
            <numerusform>%n mod2-Dateien sind nicht vorhanden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SearchProgress</name>
    <message numerus="yes">
        <source>Suche läuft: %1 von %n Verzeichnissen durchsucht ...</source>
        <translation>
            <numerusform>Suche läuft: %1 von %n Verzeichnis durchsucht ...</numerusform>
            <numerusform>Suche läuft: %1 von %n Verzeichnissen durchsucht ...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Suche läuft: %1 von %n Modelldateien geprüft ...</source>
        <translation>
            <numerusform>Suche läuft: %1 von %n Modelldatei geprüft ...</numerusform>
            <numerusform>Suche läuft: %1 von %n Modelldateien geprüft ...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Suche läuft: %n Modelleinträge geprüft ...</source>
        <translation>
            <numerusform>Suche läuft: %n Modelleintrag geprüft ...</numerusform>
            <numerusform>Suche läuft: %n Modelleinträge geprüft ...</numerusform>
        </translation>
    </message>
</context>
</TS>
