#include "Vocabulary.h"

QString LangCode(Lang lang)
{
    static const QString codes[kLangCount] = {QStringLiteral("GER"), QStringLiteral("ENG"),
                                              QStringLiteral("FRA"), QStringLiteral("POL")};
    return codes[int(lang)];
}

QString NameKey(Lang lang)
{
    return QStringLiteral("Name_") + LangCode(lang);
}

const QString& Words::In(Lang lang) const
{
    switch (lang) {
    case Lang::Ger: return ger;
    case Lang::Eng: return eng;
    case Lang::Fra: return fra;
    case Lang::Pol: return pol;
    }
    return ger;
}

Words Words::Joined(const Words& other, const QString& separator) const
{
    return {ger + separator + other.ger, eng + separator + other.eng, fra + separator + other.fra,
            pol + separator + other.pol};
}

namespace {

// A kind whose directory is its German plural.
ModelKind Kind(const Words& singular, const Words& plural)
{
    return {singular.ger, plural.ger, singular, plural};
}

QVector<EditorWords> BuildEditors()
{
    QVector<EditorWords> editors;
    editors.append({"Goods", "Goods", "Gueter", 2, {"Korpus", "Ladung"},
                    {Kind({"Kiste", "Crate", "Caisse", "Skrzynia"}, {"Kisten", "Crates", "Caisses", "Skrzynie"}),
                     Kind({"Fass", "Barrel", "Tonneau", "Beczka"}, {"Fässer", "Barrels", "Tonneaux", "Beczki"}),
                     Kind({"Container", "Container", "Conteneur", "Kontener"},
                          {"Container", "Containers", "Conteneurs", "Kontenery"}),
                     Kind({"Holzstapel", "Timber stack", "Pile de bois", "Stos drewna"},
                          {"Holzstapel", "Timber stacks", "Piles de bois", "Stosy drewna"}),
                     Kind({"Palette", "Pallet", "Palette", "Paleta"}, {"Paletten", "Pallets", "Palettes", "Palety"}),
                     Kind({"Sack", "Sack", "Sac", "Worek"}, {"Säcke", "Sacks", "Sacs", "Worki"}),
                     Kind({"Rohr", "Pipe", "Tuyau", "Rura"}, {"Rohre", "Pipes", "Tuyaux", "Rury"})}});
    editors.append({"Landscape_elements", "LSElemente", "Landschaft", 3, {"Stamm", "Krone", "Sockel"},
                    {Kind({"Kiefer", "Pine", "Pin", "Sosna"}, {"Kiefern", "Pines", "Pins", "Sosny"}),
                     Kind({"Eiche", "Oak", "Chêne", "Dab"}, {"Eichen", "Oaks", "Chênes", "Deby"}),
                     Kind({"Birke", "Birch", "Bouleau", "Brzoza"}, {"Birken", "Birches", "Bouleaux", "Brzozy"}),
                     Kind({"Tanne", "Fir", "Sapin", "Jodla"}, {"Tannen", "Firs", "Sapins", "Jodly"}),
                     Kind({"Hecke", "Hedge", "Haie", "Zywoplot"}, {"Hecken", "Hedges", "Haies", "Zywoploty"}),
                     Kind({"Felsen", "Rock", "Rocher", "Skala"}, {"Felsen", "Rocks", "Rochers", "Skaly"}),
                     Kind({"Zaun", "Fence", "Clôture", "Plot"}, {"Zäune", "Fences", "Clôtures", "Ploty"}),
                     Kind({"Laterne", "Street lamp", "Lampadaire", "Latarnia"},
                          {"Laternen", "Street lamps", "Lampadaires", "Latarnie"}),
                     Kind({"Figur", "Figure", "Personnage", "Postac"},
                          {"Figuren", "Figures", "Personnages", "Postacie"})}});
    editors.append({"Rolling_stock", "Rollmaterial", "Rollmaterial", 4, {"Kasten", "Fahrwerk", "Drehgestell"},
                    {Kind({"Dampflok", "Steam locomotive", "Locomotive à vapeur", "Parowoz"},
                          {"Dampfloks", "Steam locomotives", "Locomotives à vapeur", "Parowozy"}),
                     Kind({"Diesellok", "Diesel locomotive", "Locomotive diesel", "Spalinowoz"},
                          {"Dieselloks", "Diesel locomotives", "Locomotives diesel", "Spalinowozy"}),
                     Kind({"E-Lok", "Electric locomotive", "Locomotive électrique", "Elektrowoz"},
                          {"E-Loks", "Electric locomotives", "Locomotives électriques", "Elektrowozy"}),
                     Kind({"Güterwagen", "Goods wagon", "Wagon de marchandises", "Wagon towarowy"},
                          {"Güterwagen", "Goods wagons", "Wagons de marchandises", "Wagony towarowe"}),
                     Kind({"Personenwagen", "Passenger coach", "Voiture voyageurs", "Wagon osobowy"},
                          {"Personenwagen", "Passenger coaches", "Voitures voyageurs", "Wagony osobowe"}),
                     Kind({"Kesselwagen", "Tank wagon", "Wagon-citerne", "Cysterna"},
                          {"Kesselwagen", "Tank wagons", "Wagons-citernes", "Cysterny"}),
                     Kind({"Triebwagen", "Railcar", "Autorail", "Wagon silnikowy"},
                          {"Triebwagen", "Railcars", "Autorails", "Wagony silnikowe"}),
                     Kind({"Straßenbahn", "Tram", "Tramway", "Tramwaj"},
                          {"Straßenbahnen", "Trams", "Tramways", "Tramwaje"}),
                     Kind({"Lastwagen", "Lorry", "Camion", "Ciezarowka"},
                          {"Lastwagen", "Lorries", "Camions", "Ciezarowki"}),
                     Kind({"Frachtschiff", "Cargo ship", "Cargo", "Frachtowiec"},
                          {"Frachtschiffe", "Cargo ships", "Cargos", "Frachtowce"})}});
    editors.append({"Signals", "Signale\\Signale", "Signale", 2, {"Mast", "Schirm", "Lampen"},
                    {Kind({"Hauptsignal", "Main signal", "Signal principal", "Semafor"},
                          {"Hauptsignale", "Main signals", "Signaux principaux", "Semafory"}),
                     Kind({"Vorsignal", "Distant signal", "Signal avancé", "Tarcza ostrzegawcza"},
                          {"Vorsignale", "Distant signals", "Signaux avancés", "Tarcze ostrzegawcze"}),
                     Kind({"Sperrsignal", "Shunting signal", "Signal de manoeuvre", "Tarcza manewrowa"},
                          {"Sperrsignale", "Shunting signals", "Signaux de manoeuvre", "Tarcze manewrowe"}),
                     Kind({"Lichtsignal", "Colour light signal", "Signal lumineux", "Sygnalizator"},
                          {"Lichtsignale", "Colour light signals", "Signaux lumineux", "Sygnalizatory"}),
                     Kind({"Formsignal", "Semaphore signal", "Sémaphore", "Semafor ksztaltowy"},
                          {"Formsignale", "Semaphore signals", "Sémaphores", "Semafory ksztaltowe"}),
                     Kind({"Ampel", "Traffic light", "Feu tricolore", "Sygnalizacja"},
                          {"Ampeln", "Traffic lights", "Feux tricolores", "Sygnalizacje"}),
                     Kind({"Schranke", "Barrier", "Barrière", "Rogatka"},
                          {"Schranken", "Barriers", "Barrières", "Rogatki"}),
                     Kind({"Andreaskreuz", "Crossbuck", "Croix de Saint-André", "Krzyz"},
                          {"Andreaskreuze", "Crossbucks", "Croix de Saint-André", "Krzyze"})}});
    editors.append({"Static_structures", "Immobilien", "Immobilien", 4, {"Gebäude", "Dach", "Fenster"},
                    {Kind({"Bahnhof", "Station", "Gare", "Dworzec"}, {"Bahnhöfe", "Stations", "Gares", "Dworce"}),
                     Kind({"Stellwerk", "Signal box", "Poste d'aiguillage", "Nastawnia"},
                          {"Stellwerke", "Signal boxes", "Postes d'aiguillage", "Nastawnie"}),
                     {"Stadthaus", "Häuser", {"Stadthaus", "Town house", "Maison de ville", "Kamienica"},
                      {"Stadthäuser", "Town houses", "Maisons de ville", "Kamienice"}},
                     Kind({"Lokschuppen", "Engine shed", "Remise", "Parowozownia"},
                          {"Lokschuppen", "Engine sheds", "Remises", "Parowozownie"}),
                     Kind({"Kirche", "Church", "Église", "Kosciol"}, {"Kirchen", "Churches", "Églises", "Koscioly"}),
                     Kind({"Bauernhof", "Farm", "Ferme", "Gospodarstwo"},
                          {"Bauernhöfe", "Farms", "Fermes", "Gospodarstwa"}),
                     Kind({"Wasserturm", "Water tower", "Château d'eau", "Wieza cisnien"},
                          {"Wassertürme", "Water towers", "Châteaux d'eau", "Wieze cisnien"}),
                     Kind({"Fabrik", "Factory", "Usine", "Fabryka"}, {"Fabriken", "Factories", "Usines", "Fabryki"}),
                     Kind({"Brücke", "Bridge", "Pont", "Most"}, {"Brücken", "Bridges", "Ponts", "Mosty"}),
                     Kind({"Güterschuppen", "Goods shed", "Halle à marchandises", "Magazyn"},
                          {"Güterschuppen", "Goods sheds", "Halles à marchandises", "Magazyny"})}});
    editors.append({"Track_objects_street", "Gleisobjekte\\Strassen", "Strasse", 2, {"Fahrbahn", "Rand"},
                    {Kind({"Straße", "Road", "Route", "Droga"}, {"Straßen", "Roads", "Routes", "Drogi"}),
                     Kind({"Kreuzung", "Junction", "Carrefour", "Skrzyzowanie"},
                          {"Kreuzungen", "Junctions", "Carrefours", "Skrzyzowania"}),
                     Kind({"Feldweg", "Dirt track", "Chemin", "Polna droga"},
                          {"Feldwege", "Dirt tracks", "Chemins", "Polne drogi"}),
                     Kind({"Gehweg", "Footpath", "Trottoir", "Chodnik"},
                          {"Gehwege", "Footpaths", "Trottoirs", "Chodniki"}),
                     Kind({"Autobahn", "Motorway", "Autoroute", "Autostrada"},
                          {"Autobahnen", "Motorways", "Autoroutes", "Autostrady"})}});
    editors.append({"Track_objects_track", "Gleisobjekte\\Gleise", "Gleis", 2, {"Schiene", "Schwellen"},
                    {Kind({"Gleis", "Track", "Voie", "Tor"}, {"Gleise", "Tracks", "Voies", "Tory"}),
                     Kind({"Weiche", "Switch", "Aiguillage", "Zwrotnica"},
                          {"Weichen", "Switches", "Aiguillages", "Zwrotnice"}),
                     Kind({"Prellbock", "Buffer stop", "Heurtoir", "Koziol"},
                          {"Prellböcke", "Buffer stops", "Heurtoirs", "Kozioly"}),
                     Kind({"Drehscheibe", "Turntable", "Plaque tournante", "Obrotnica"},
                          {"Drehscheiben", "Turntables", "Plaques tournantes", "Obrotnice"}),
                     Kind({"Bahnübergang", "Level crossing", "Passage à niveau", "Przejazd"},
                          {"Bahnübergänge", "Level crossings", "Passages à niveau", "Przejazdy"})}});
    editors.append({"Track_objects_tram", "Gleisobjekte\\Strassenbahn", "Tram", 1, {"Schiene", "Mast"},
                    {Kind({"Straßenbahngleis", "Tram track", "Voie de tramway", "Tor tramwajowy"},
                          {"Straßenbahngleise", "Tram tracks", "Voies de tramway", "Tory tramwajowe"}),
                     Kind({"Haltestelle", "Tram stop", "Arrêt", "Przystanek"},
                          {"Haltestellen", "Tram stops", "Arrêts", "Przystanki"}),
                     Kind({"Oberleitung", "Overhead line", "Caténaire", "Siec trakcyjna"},
                          {"Oberleitungen", "Overhead lines", "Caténaires", "Sieci trakcyjne"}),
                     Kind({"Wendeschleife", "Turning loop", "Boucle", "Petla"},
                          {"Wendeschleifen", "Turning loops", "Boucles", "Petle"})}});
    editors.append({"Track_objects_waterway", "Gleisobjekte\\Wasserwege", "Wasser", 1, {"Wasser", "Ufer"},
                    {Kind({"Kanal", "Canal", "Canal", "Kanal"}, {"Kanäle", "Canals", "Canaux", "Kanaly"}),
                     Kind({"Fluss", "River", "Rivière", "Rzeka"}, {"Flüsse", "Rivers", "Rivières", "Rzeki"}),
                     Kind({"Schleuse", "Lock", "Écluse", "Sluza"}, {"Schleusen", "Locks", "Écluses", "Sluzy"}),
                     Kind({"Anleger", "Jetty", "Embarcadère", "Przystan"},
                          {"Anleger", "Jetties", "Embarcadères", "Przystanie"}),
                     Kind({"Boje", "Buoy", "Bouée", "Boja"}, {"Bojen", "Buoys", "Bouées", "Boje"})}});
    return editors;
}

} // namespace

namespace Vocabulary {

const QVector<EditorWords>& Editors()
{
    static const QVector<EditorWords> editors = BuildEditors();
    return editors;
}

const QVector<Words>& Qualifiers()
{
    static const QVector<Words> words = {
        {"Stadt", "Town", "Ville", "Miasto"},
        {"Land", "Country", "Campagne", "Wies"},
        {"Epoche I", "Era I", "Époque I", "Epoka I"},
        {"Epoche II", "Era II", "Époque II", "Epoka II"},
        {"Epoche III", "Era III", "Époque III", "Epoka III"},
        {"Epoche IV", "Era IV", "Époque IV", "Epoka IV"},
        {"Modern", "Modern", "Moderne", "Nowoczesne"},
        {"Historisch", "Historic", "Historique", "Historyczne"},
        {"Nord", "North", "Nord", "Pólnoc"},
        {"Süd", "South", "Sud", "Poludnie"},
        {"Klein", "Small", "Petit", "Male"},
        {"Groß", "Large", "Grand", "Duze"},
        {"Alpen", "Alps", "Alpes", "Alpy"},
        {"Küste", "Coast", "Côte", "Wybrzeze"},
        {"Industrie", "Industry", "Industrie", "Przemysl"},
        {"Sonstige", "Other", "Autres", "Inne"},
    };
    return words;
}

const QVector<Words>& Variants()
{
    static const QVector<Words> words = {
        {"Rot", "red", "rouge", "czerwony"},   {"Blau", "blue", "bleu", "niebieski"},
        {"Grün", "green", "vert", "zielony"},  {"Grau", "grey", "gris", "szary"},
        {"Braun", "brown", "brun", "brazowy"}, {"Gelb", "yellow", "jaune", "zólty"},
        {"Alt", "old", "ancien", "stary"},     {"Neu", "new", "neuf", "nowy"},
        {"Groß", "large", "grand", "duzy"},    {"Klein", "small", "petit", "maly"},
    };
    return words;
}

} // namespace Vocabulary
