<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutPictures</name>
    <message>
        <source>Servus!</source>
        <translation>Salut&#x202f;!</translation>
    </message>
</context>
<context>
    <name>CCategories</name>
    <message>
        <source>Güter</source>
        <translation>Marchandises</translation>
    </message>
    <message>
        <source>Landschaftselemente</source>
        <translation>Éléments de paysage</translation>
    </message>
    <message>
        <source>Rollmaterial einsetzen</source>
        <translation>Placer le matériel roulant</translation>
    </message>
    <message>
        <source>Signalsystem</source>
        <translation>Signalisation</translation>
    </message>
    <message>
        <source>Immobilien</source>
        <translation>Bâtiments</translation>
    </message>
    <message>
        <source>Straßeneditor</source>
        <translation>Éditeur de routes</translation>
    </message>
    <message>
        <source>Schieneneditor</source>
        <translation>Éditeur de voies</translation>
    </message>
    <message>
        <source>Straßenbahnverkehr</source>
        <translation>Tramways</translation>
    </message>
    <message>
        <source>Wasserwege</source>
        <translation>Voies navigables</translation>
    </message>
</context>
<context>
    <name>CGsb</name>
    <message>
        <source>Zugriff verweigert</source>
        <translation>Accès refusé</translation>
    </message>
    <message>
        <source>Fehler beim Geräte-E/A</source>
        <translation>Erreur d&apos;E/S du périphérique</translation>
    </message>
    <message>
        <source>Fehler beim Zugriff auf Pfad/Datei</source>
        <translation>Erreur d&apos;accès au chemin/fichier</translation>
    </message>
    <message>
        <source>Fehler beim Lesen der gsb-Datei:</source>
        <translation>Erreur de lecture du fichier gsb&#xa0;:</translation>
    </message>
    <message>
        <source>Falscher Index für mod2-Item</source>
        <translation>Index incorrect pour l&apos;élément mod2</translation>
    </message>
</context>
<context>
    <name>CIniFile</name>
    <message>
        <source>Geräte-E/A-Fehler</source>
        <translation>Erreur d&apos;E/S du périphérique</translation>
    </message>
</context>
<context>
    <name>CModels</name>
    <message>
        <source>Kann die Datei %1 nicht lesen!%mOhne diese Datei kann Kluni keine Modelle finden.%mDas Programm wird somit beendet.</source>
        <translation>Impossible de lire le fichier %1&#x202f;!%mSans ce fichier, Kluni ne peut trouver aucun modèle.%mLe programme va donc se fermer.</translation>
    </message>
</context>
<context>
    <name>CliCommands</name>
    <message>
        <source>Den EEP-Ordner &quot;Resourcen&quot; nennt die Option --resbase PFAD.</source>
        <translation>Indiquez le dossier «&#xa0;Resourcen&#xa0;» d&apos;EEP avec l&apos;option --resbase CHEMIN.</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <source>kluni-cli: %1
&quot;kluni-cli --help&quot; zeigt die Hilfe.
</source>
        <translation>kluni-cli&#xa0;: %1
&quot;kluni-cli --help&quot; affiche l&apos;aide.
</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>Die Option %1 nimmt keinen Wert.</source>
        <translation>L&apos;option %1 ne prend pas de valeur.</translation>
    </message>
    <message>
        <source>Unbekannte Option: %1</source>
        <translation>Option inconnue&#xa0;: %1</translation>
    </message>
    <message>
        <source>Die Option %1 braucht einen Wert.</source>
        <translation>L&apos;option %1 demande une valeur.</translation>
    </message>
    <message>
        <source>Die Option --resbase braucht einen Pfad.</source>
        <translation>L&apos;option --resbase demande un chemin.</translation>
    </message>
    <message>
        <source>Ungültiger Wert für %1: %2 (erlaubt: %3)</source>
        <translation>Valeur non valide pour %1&#xa0;: %2 (valeurs permises&#xa0;: %3)</translation>
    </message>
    <message>
        <source>Kein Befehl angegeben.</source>
        <translation>Aucune commande indiquée.</translation>
    </message>
    <message>
        <source>Unbekannter Befehl: %1</source>
        <translation>Commande inconnue&#xa0;: %1</translation>
    </message>
    <message>
        <source>Die Option %1 gilt nur für den Befehl search.</source>
        <translation>L&apos;option %1 ne vaut que pour la commande search.</translation>
    </message>
    <message>
        <source>Die Option --preset gilt nur für den Befehl date.</source>
        <translation>L&apos;option --preset ne vaut que pour la commande date.</translation>
    </message>
    <message>
        <source>check nimmt keine Argumente.</source>
        <translation>check ne prend pas d&apos;arguments.</translation>
    </message>
    <message>
        <source>search braucht genau einen nicht leeren Suchtext.</source>
        <translation>search demande exactement un texte de recherche non vide.</translation>
    </message>
    <message>
        <source>date braucht entweder VON und BIS oder --preset.</source>
        <translation>date demande soit DU et AU, soit --preset.</translation>
    </message>
    <message>
        <source>scan braucht mindestens einen Pfad.</source>
        <translation>scan demande au moins un chemin.</translation>
    </message>
    <message>
        <source>mod2 braucht genau eine gsb-Datei.</source>
        <translation>mod2 demande exactement un fichier gsb.</translation>
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
        <translation>Usage&#xa0;: kluni-cli [--resbase CHEMIN] [--lang ENG|GER|FRA|POL] [--json] [--brief] COMMANDE ...

Kluni vous dit où trouver un modèle dans EEP.

Commandes&#xa0;:
  check              vérifie l&apos;installation d&apos;EEP et montre ce qui a été trouvé
  search [--op contains|exact|begins|ends|like] [--name gsb|ini|both] TEXTE
                     cherche des modèles par leur nom (par défaut&#xa0;: --op contains --name gsb)
  date DU AU | date --preset today|yesterday|week|month
                     cherche les modèles installés pour la première fois pendant la période
                     (dates au format JJ.MM.AAAA)
  scan CHEMIN...     prend des fichiers de modèles et des répertoires comme s&apos;ils étaient
                     déposés sur la fenêtre
  mod2 FICHIER       la liste mod2 d&apos;un fichier gsb

Options&#xa0;:
  --resbase CHEMIN   le répertoire «&#xa0;Resourcen&#xa0;» d&apos;EEP (au lieu de l&apos;entrée du registre)
  --lang LANGUE      langue des catégories&#xa0;: ENG, GER, FRA ou POL (par défaut&#xa0;: FRA)
  --json             un document JSON au lieu du texte
  --brief            seulement la liste (ligne et section), sans détails
  -h, --help         cette aide
  --version          la version

Les chemins peuvent être donnés sous la forme du système ou sous forme Windows&#x202f;; un chemin
qui commence par \ est relatif au répertoire Resourcen.

Code de retour&#xa0;: 0 avec un résultat, 1 si rien n&apos;a été trouvé,
2 en cas d&apos;erreur dans l&apos;appel ou dans l&apos;installation.
</translation>
    </message>
</context>
<context>
    <name>FAbout</name>
    <message>
        <source>Info</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3</source>
        <translation>Version&#xa0;: %1.%2.%3</translation>
    </message>
    <message>
        <source>Beachten Sie, daß alle Annahmen über den Aufbau der Kategorien auf Beobachtungen und Gerüchten beruhen!%mDie Korrektheit der Ergebnisse kann also nicht garantiert werden...</source>
        <translation>Notez bien que tout ce qu&apos;on suppose sur la structure des catégories repose sur des observations et des rumeurs&#x202f;!%mL&apos;exactitude des résultats ne peut donc pas être garantie...</translation>
    </message>
    <message>
        <source>Wer ist Zirbo?
(Maustaste hier gedrückt halten)</source>
        <translation>Qui est Zirbo&#x202f;?
(maintenez le bouton de la souris enfoncé ici)</translation>
    </message>
    <message>
        <source>&amp;Handbuch...</source>
        <translation>&amp;Guide rapide...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Sorry,%naber ich kann die Datei%m%1%mnicht finden...</source>
        <translation>Désolé,%nmais le fichier%m%1%mreste introuvable...</translation>
    </message>
    <message>
        <source>Sorry, aber die Datei%m%1%mkann nicht angezeigt werden,%nweil auf Ihrem Rechner kein Programm für die Dateiendung &apos;%2&apos; zuständig ist.</source>
        <translation>Désolé, mais le fichier%m%1%mne peut pas être affiché,%ncar aucun programme de votre ordinateur ne prend en charge l&apos;extension «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Sorry, aber die Datei%m%1%mkann nicht angezeigt werden.%m(Fehler-Code: %2)</source>
        <translation>Désolé, mais le fichier%m%1%mne peut pas être affiché.%m(Code d&apos;erreur&#xa0;: %2)</translation>
    </message>
    <message>
        <source>Sie zeigt Ihnen, wo ein Modell in den Untiefen der EEP-Kategorien zu finden ist.</source>
        <translation>Il vous montre où se cache un modèle dans les profondeurs des catégories d&apos;EEP.</translation>
    </message>
</context>
<context>
    <name>FIniShow</name>
    <message>
        <source>Kluni - ini-Probleme</source>
        <translation>Kluni - problèmes ini</translation>
    </message>
    <message>
        <source>Fehlende ini-Dateien</source>
        <translation>Fichiers ini manquants</translation>
    </message>
    <message>
        <source>Fehlende Namenseinträge</source>
        <translation>Entrées de nom manquantes</translation>
    </message>
    <message>
        <source>Kopie in die &amp;Zwischenablage</source>
        <translation>Copier dans le &amp;presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Fertig</source>
        <translation>&amp;Terminé</translation>
    </message>
    <message>
        <source>----- keine ini-Dateien -----</source>
        <translation>----- aucun fichier ini -----</translation>
    </message>
</context>
<context>
    <name>FMain</name>
    <message>
        <source>Ungültiger Datums-Eintrag.%mBitte korrigieren.</source>
        <translation>Date non valide.%mVeuillez la corriger.</translation>
    </message>
    <message>
        <source>Kluni - Such mal eben...</source>
        <translation>Kluni - Cherche vite fait...</translation>
    </message>
    <message>
        <source>Der Name des%ngesuchten Modells</source>
        <translation>Le nom du modèle%nrecherché</translation>
    </message>
    <message>
        <source>%mSorry, aber in EEP%nist kein passendes Modell bekannt!</source>
        <translation>%mDésolé, mais EEP ne connaît%naucun modèle correspondant&#x202f;!</translation>
    </message>
    <message>
        <source>&amp;Vorschau  %1</source>
        <translation>&amp;Aperçu  %1</translation>
    </message>
    <message>
        <source>&amp;mod2-Liste  %1</source>
        <translation>Liste &amp;mod2  %1</translation>
    </message>
    <message>
        <source>Typen unverträglich</source>
        <translation>Types incompatibles</translation>
    </message>
    <message>
        <source>Das von-Datum liegt später als das bis-Datum!%mAustauschen?</source>
        <translation>La date «&#xa0;du&#xa0;» est postérieure à la date «&#xa0;au&#xa0;»&#x202f;!%mLes échanger&#x202f;?</translation>
    </message>
    <message>
        <source>Suche nach:</source>
        <translation>Recherche&#xa0;:</translation>
    </message>
    <message>
        <source>Modellnamen</source>
        <translation>Nom du modèle</translation>
    </message>
    <message>
        <source>Installationsdatum</source>
        <translation>Date d&apos;installation</translation>
    </message>
    <message>
        <source>enthält</source>
        <translation>contient</translation>
    </message>
    <message>
        <source>lautet exakt</source>
        <translation>est exactement</translation>
    </message>
    <message>
        <source>beginnt mit</source>
        <translation>commence par</translation>
    </message>
    <message>
        <source>endet mit</source>
        <translation>se termine par</translation>
    </message>
    <message>
        <source>wie Muster</source>
        <translation>correspond au motif</translation>
    </message>
    <message>
        <source>Als Modellname soll gelten...</source>
        <translation>Prendre comme nom de modèle...</translation>
    </message>
    <message>
        <source>Der gsb-Name</source>
        <translation>Le nom gsb</translation>
    </message>
    <message>
        <source>Der Name aus der ini-Datei</source>
        <translation>Le nom tiré du fichier ini</translation>
    </message>
    <message>
        <source>Beides</source>
        <translation>Les deux</translation>
    </message>
    <message>
        <source>Es werden nur Modelle berücksichtigt, die dem EEP bekannt sind.</source>
        <translation>Seuls les modèles connus d&apos;EEP sont pris en compte.</translation>
    </message>
    <message>
        <source>Gesucht werden Modelle, die im Zeitraum zum 1. Mal installiert worden sind.</source>
        <translation>Recherche les modèles installés pour la première fois pendant la période.</translation>
    </message>
    <message>
        <source>von:</source>
        <translation>du&#xa0;:</translation>
    </message>
    <message>
        <source>bis:</source>
        <translation>au&#xa0;:</translation>
    </message>
    <message>
        <source>Heute</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>seit Gestern</source>
        <translation>depuis hier</translation>
    </message>
    <message>
        <source>letzte Woche</source>
        <translation>depuis 7 jours</translation>
    </message>
    <message>
        <source>letzten Monat</source>
        <translation>depuis 1 mois</translation>
    </message>
    <message>
        <source>Es werden auch Modelle berücksichtigt, die im EEP (noch) nicht gescannt wurden.</source>
        <translation>Les modèles qu&apos;EEP n&apos;a pas (encore) analysés sont aussi pris en compte.</translation>
    </message>
    <message>
        <source>Sprache für Kategorien:</source>
        <translation>Langue des catégories&#xa0;:</translation>
    </message>
    <message>
        <source>Liste er&amp;weitern</source>
        <translation>Com&amp;pléter la liste</translation>
    </message>
    <message>
        <source>&amp;Such !</source>
        <translation>&amp;Chercher&#x202f;!</translation>
    </message>
    <message>
        <source>gsb-Name -- Pfad</source>
        <translation>nom gsb -- chemin</translation>
    </message>
    <message>
        <source>Kopie in die Zwischenablage</source>
        <translation>Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>mod2-Dateien unvollständig</source>
        <translation>fichiers mod2 incomplets</translation>
    </message>
    <message>
        <source>&amp;mod2-Liste  &gt;&gt;</source>
        <translation>Liste &amp;mod2  &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Vorschau  &gt;&gt;</source>
        <translation>&amp;Aperçu  &gt;&gt;</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Esc oder &quot;Abbrechen&quot; beendet die Suche.</source>
        <translation>Échap ou «&#xa0;Annuler&#xa0;» arrête la recherche.</translation>
    </message>
    <message>
        <source>Die Suche wurde abgebrochen; die Liste ist unverändert.</source>
        <translation>La recherche a été interrompue&#x202f;; la liste est inchangée.</translation>
    </message>
</context>
<context>
    <name>FMod2</name>
    <message>
        <source>Klunis mod2-Liste</source>
        <translation>Liste mod2 de Kluni</translation>
    </message>
</context>
<context>
    <name>FVorschau</name>
    <message>
        <source>Klunis Vorschau</source>
        <translation>Aperçu de Kluni</translation>
    </message>
    <message>
        <source>Z o o m</source>
        <translation>Z o o m</translation>
    </message>
    <message>
        <source>K i p p e n</source>
        <translation>I n c l i n e r</translation>
    </message>
    <message>
        <source>D r e h e n</source>
        <translation>T o u r n e r</translation>
    </message>
    <message>
        <source>%m%mModell kann nicht angezeigt werden, da die gsb-Datei des Modells nicht existiert.</source>
        <translation>%m%mLe modèle ne peut pas être affiché, car son fichier gsb n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%mModell kann wegen fehlender mod2-Datei(en) nicht angezeigt werden.%mMehr Infos in der mod2-Liste.</source>
        <translation>%mLe modèle ne peut pas être affiché&#xa0;: il manque des fichiers mod2.%mPlus de détails dans la liste mod2.</translation>
    </message>
    <message>
        <source>%m%mModell wird nicht angezeigt,%nda die Vorschau mit Modellen aus einem Netzwerk größte Probleme hat.</source>
        <translation>%m%mLe modèle n&apos;est pas affiché,%ncar l&apos;aperçu a les plus grandes difficultés avec les modèles situés sur un réseau.</translation>
    </message>
</context>
<context>
    <name>KluniError</name>
    <message>
        <source>Überlauf</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Nicht genügend Speicher</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Index außerhalb des gültigen Bereichs</source>
        <translation>Indice en dehors de la plage autorisée</translation>
    </message>
</context>
<context>
    <name>LikePattern</name>
    <message>
        <source>Ungültige Musterzeichenfolge</source>
        <translation>Motif non valide</translation>
    </message>
</context>
<context>
    <name>ModelDetail</name>
    <message>
        <source>gsb-Datei existiert nicht</source>
        <translation>le fichier gsb n&apos;existe pas</translation>
    </message>
    <message>
        <source>mod2-Dateien unvollständig</source>
        <translation>fichiers mod2 incomplets</translation>
    </message>
    <message>
        <source>finden Sie in EEP im Editor</source>
        <translation>se trouve dans EEP dans l&apos;éditeur</translation>
    </message>
    <message>
        <source>ist im EEP nicht bekannt</source>
        <translation>n&apos;est pas connu d&apos;EEP</translation>
    </message>
    <message numerus="yes">
        <source>%n ini-Dateien werden vermisst</source>
        <translation>
            <numerusform>%n fichier ini manquant</numerusform>
            <numerusform>%n fichiers ini manquants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Namens-Einträge (%1) in ini-Dateien fehlen oder sind leer</source>
        <translation>
            <numerusform>%n entrée de nom (%1) manquante ou vide dans les fichiers ini</numerusform>
            <numerusform>%n entrées de nom (%1) manquantes ou vides dans les fichiers ini</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NoticeArea</name>
    <message>
        <source>Ini- Probleme...</source>
        <translation>Problèmes ini...</translation>
    </message>
</context>
<context>
    <name>PreviewComponent</name>
    <message>
        <source>Drehen %1°, Kippen %2°, Abstand %3</source>
        <translation>Rotation %1°, inclinaison %2°, distance %3</translation>
    </message>
    <message>
        <source>(kein Modell)</source>
        <translation>(aucun modèle)</translation>
    </message>
    <message>
        <source>Die Vorschau-Komponente von EEP ist auf diesem System nicht verfügbar. Gezeigt wird nur die Blickrichtung:
</source>
        <translation>Le composant d&apos;aperçu d&apos;EEP n&apos;est pas disponible sur ce système. Seule la direction de vue est affichée&#xa0;:
</translation>
    </message>
</context>
<context>
    <name>QtFolderChooser</name>
    <message>
        <source>Suchen in:</source>
        <translation>Regarder dans&#xa0;:</translation>
    </message>
    <message>
        <source>Ordner:</source>
        <translation>Dossier&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Wählen</source>
        <translation>&amp;Choisir</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ResBaseChoice</name>
    <message>
        <source>EEP-Ordner &quot;Resourcen&quot; wählen</source>
        <translation>Choisir le dossier «&#xa0;Resourcen&#xa0;» d&apos;EEP</translation>
    </message>
    <message>
        <source>Kluni findet EEP nicht von selbst.%nBitte wählen Sie den EEP-Ordner &quot;Resourcen&quot;, der die Datei &quot;Categories\Models.ini&quot; enthält,%nzum Beispiel in einem Wine-Präfix (~/.wine/drive_c/.../EEP6/Resourcen) oder in einer kopierten EEP-Installation.%nVersteckte Ordner wie ~/.wine und ~/.local/share werden mit angezeigt.</source>
        <translation>Kluni ne trouve pas EEP tout seul.%nVeuillez choisir le dossier «&#xa0;Resourcen&#xa0;» d&apos;EEP, celui qui contient le fichier «&#xa0;Categories\Models.ini&#xa0;»,%npar exemple dans un préfixe Wine (~/.wine/drive_c/.../EEP6/Resourcen) ou dans une copie d&apos;une installation d&apos;EEP.%nLes dossiers cachés comme ~/.wine et ~/.local/share sont affichés eux aussi.</translation>
    </message>
    <message>
        <source>Der Ordner%m%1%mist kein EEP-Ordner &quot;Resourcen&quot;: Ihm fehlt die Datei &quot;Categories\Models.ini&quot;.%mBitte wählen Sie den Ordner &quot;Resourcen&quot; Ihrer EEP-Installation.</source>
        <translation>Le dossier%m%1%mn&apos;est pas un dossier «&#xa0;Resourcen&#xa0;» d&apos;EEP&#xa0;: il lui manque le fichier «&#xa0;Categories\Models.ini&#xa0;».%mVeuillez choisir le dossier «&#xa0;Resourcen&#xa0;» de votre installation d&apos;EEP.</translation>
    </message>
</context>
<context>
    <name>ResultTexts</name>
    <message>
        <source>%mUnter den übergebenen Dateien%nbefand sich keine Modell Datei.</source>
        <translation>%mParmi les fichiers transmis,%nil n&apos;y avait aucun fichier de modèle.</translation>
    </message>
    <message>
        <source>%mUnter den verschobenen Dateien%nbefand sich keine Modell Datei.</source>
        <translation>%mParmi les fichiers déposés,%nil n&apos;y avait aucun fichier de modèle.</translation>
    </message>
    <message>
        <source>%mSorry, aber in EEP%nist kein passendes Modell bekannt!</source>
        <translation>%mDésolé, mais EEP ne connaît%naucun modèle correspondant&#x202f;!</translation>
    </message>
    <message>
        <source>%mIm angegebenen Zeitraum sind keine Modelle%nzum ersten Mal installiert worden.</source>
        <translation>%mAucun modèle n&apos;a été installé pour la première fois%npendant la période indiquée.</translation>
    </message>
    <message>
        <source>Keine Anzeige möglich ohne die gsb-Datei.</source>
        <translation>Aucun affichage possible sans le fichier gsb.</translation>
    </message>
    <message>
        <source>gsb-Datei%tPfad</source>
        <translation>fichier gsb%tchemin</translation>
    </message>
    <message numerus="yes">
        <source>%n Modelle</source>
        <translation>
            <numerusform>%n modèle</numerusform>
            <numerusform>%n modèles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sowie %n weitere ini-Datei(en)</source>
        <translation>
            <numerusform>et %n autre fichier ini</numerusform>
            <numerusform>et %n autres fichiers ini</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mod2-Dateien sind nicht vorhanden.</source>
        <translation>
            <numerusform>%n fichier mod2 est absent.</numerusform>
            <numerusform>%n fichiers mod2 sont absents.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SearchProgress</name>
    <message numerus="yes">
        <source>Suche läuft: %1 von %n Verzeichnissen durchsucht ...</source>
        <translation>
            <numerusform>Recherche en cours&#xa0;: %1 sur %n dossier parcouru ...</numerusform>
            <numerusform>Recherche en cours&#xa0;: %1 sur %n dossiers parcourus ...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Suche läuft: %1 von %n Modelldateien geprüft ...</source>
        <translation>
            <numerusform>Recherche en cours&#xa0;: %1 sur %n fichier de modèle vérifié ...</numerusform>
            <numerusform>Recherche en cours&#xa0;: %1 sur %n fichiers de modèles vérifiés ...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Suche läuft: %n Modelleinträge geprüft ...</source>
        <translation>
            <numerusform>Recherche en cours&#xa0;: %n entrée de modèle vérifiée ...</numerusform>
            <numerusform>Recherche en cours&#xa0;: %n entrées de modèles vérifiées ...</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TextOutput</name>
    <message>
        <source>Resourcen-Verzeichnis:</source>
        <translation>Répertoire Resourcen&#xa0;:</translation>
    </message>
    <message>
        <source>Categories-Verzeichnis:</source>
        <translation>Répertoire Categories&#xa0;:</translation>
    </message>
    <message>
        <source>Modelle-Verzeichnis:</source>
        <translation>Répertoire Modelle&#xa0;:</translation>
    </message>
    <message>
        <source> (nicht gefunden)</source>
        <translation> (introuvable)</translation>
    </message>
    <message>
        <source>gefunden</source>
        <translation>trouvé</translation>
    </message>
    <message>
        <source>nicht gefunden</source>
        <translation>introuvable</translation>
    </message>
</context>
<context>
    <name>modMain</name>
    <message>
        <source>Kann das EEP %1-Verzeichnis nicht finden!%mBedenken Sie, dass Kluni nur mit EEP bis einschliesslich Version 6%nzurecht kommt.%mDas Programm wird daher abgebrochen!</source>
        <translation>Impossible de trouver le répertoire %1 d&apos;EEP&#x202f;!%mN&apos;oubliez pas que Kluni ne s&apos;entend qu&apos;avec EEP%njusqu&apos;à la version 6 incluse.%mLe programme va donc s&apos;arrêter&#x202f;!</translation>
    </message>
    <message>
        <source>Es wurde Datei &apos;%1&apos; im EEP-Verzeichnis gefunden!%nKluni findet nur alle Modelle, wenn die Datei &apos;%1&apos; integriert worden ist.%nFür weitere Informationen zur &apos;%1&apos; lesen Sie die Kurzanleitung.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» a été trouvé dans le répertoire d&apos;EEP&#x202f;!%nKluni ne trouve tous les modèles qu&apos;une fois le fichier «&#xa0;%1&#xa0;» intégré.%nPour en savoir plus sur «&#xa0;%1&#xa0;», lisez le guide rapide.</translation>
    </message>
    <message>
        <source>Kann das EEP Modelle-Verzeichnis nicht finden!%mMod2-Dateien zu Objekten können daher nicht angezeigt werden!</source>
        <translation>Impossible de trouver le répertoire Modelle d&apos;EEP&#x202f;!%mLes fichiers mod2 des objets ne peuvent donc pas être affichés&#x202f;!</translation>
    </message>
    <message>
        <source>Kann die Datei %1 nicht lesen!%mOhne diese Datei kann Kluni keine Modelle finden.%mDas Programm wird somit beendet.</source>
        <translation>Impossible de lire le fichier %1&#x202f;!%mSans ce fichier, Kluni ne peut trouver aucun modèle.%mLe programme va donc se fermer.</translation>
    </message>
</context>
<context>
    <name>modTools</name>
    <message>
        <source>Unbekannter Fehler</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Es ist ein Fehler aufgetreten!</source>
        <translation>Une erreur est survenue&#x202f;!</translation>
    </message>
    <message>
        <source>Prozedur: </source>
        <translation>Procédure&#xa0;: </translation>
    </message>
    <message>
        <source>Fehler </source>
        <translation>Erreur </translation>
    </message>
</context>
</TS>
