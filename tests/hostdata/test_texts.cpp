// Texts made from search results, the detail of one result, dates and command lines.

#include "TestInstallation.h"
#include "hostdata/CGsb.h"
#include "hostdata/CModels.h"
#include "hostdata/CommandLine.h"
#include "hostdata/DateText.h"
#include "hostdata/ModelDetail.h"
#include "hostdata/ResultTexts.h"
#include "hostdata/SearchProgress.h"
#include "platform/HostPath.h"
#include "hostdata/IniProblems.h"
#include "platform/LookupCache.h"
#include "startup/InterfaceLanguage.h"

#include <gtest/gtest.h>

#include <functional>

// Texts with a count take the numerus form of the interface language: German
// as specified, English and French two forms (French's singular for 0 and 1),
// Polish three. Models, files and folders, in the windows and in kluni-cli.
TEST(ResultTexts, CountsInEveryLanguage)
{
    using Text = std::function<QString(qint32)>;
    const Text models = ResultTexts::CountText, files = ResultTexts::FileCountText;
    const Text folders = [](qint32 n) { return SearchProgress::Text({SearchProgress::Unit::Directories, n, n}); };
    const Text entries = [](qint32 n) { return SearchProgress::Text({SearchProgress::Unit::ModelEntries, n, 0}); };
    const struct { const char* lang; Text text; QList<qint32> counts; QString expected; } rows[] = {
        {"de", models, {1, 2}, "1 Modell|2 Modelle"},
        {"de", files, {1, 0}, "1 Datei|0 Dateien"},
        {"de", folders, {1, 340}, "Suche läuft: 1 von 1 Verzeichnis durchsucht ...|"
                                  "Suche läuft: 340 von 340 Verzeichnissen durchsucht ..."},
        {"en", models, {1, 2}, "1 model|2 models"},
        {"en", files, {1, 2}, "1 file|2 files"},
        {"en", folders, {1, 2}, "Searching: 1 of 1 folder searched ...|Searching: 2 of 2 folders searched ..."},
        {"fr", models, {1, 0, 2}, "1 modèle|0 modèle|2 modèles"},
        {"fr", files, {1, 0, 2}, "1 fichier|0 fichier|2 fichiers"},
        {"fr", folders, {1, 2}, "Recherche en cours\u00a0: 1 sur 1 dossier parcouru ...|"
                                "Recherche en cours\u00a0: 2 sur 2 dossiers parcourus ..."},
        {"pl", models, {1, 2, 5, 22, 25}, "1 model|2 modele|5 modeli|22 modele|25 modeli"},
        {"pl", files, {1, 2, 5, 22, 25}, "1 plik|2 pliki|5 plików|22 pliki|25 plików"},
        {"pl", folders, {1, 2}, "Wyszukiwanie: przeszukano 1 z 1 folderu ...|Wyszukiwanie: przeszukano 2 z 2 folderów ..."},
        {"pl", entries, {64, 128}, "Wyszukiwanie: sprawdzono 64 wpisy modeli ...|"
                                   "Wyszukiwanie: sprawdzono 128 wpisów modeli ..."},
    };
    for (const auto& row : rows) {
        InterfaceLanguage::Install(QLatin1String(row.lang), false);
        QStringList texts;
        for (const qint32 n : row.counts)
            texts << row.text(n);
        EXPECT_EQ(texts.join('|').toStdString(), row.expected.toStdString()) << row.lang;
    }
    InterfaceLanguage::Install(QStringLiteral("de"), false);
}

TEST(ResultTexts, RowsAndClipboard)
{
    using namespace ResultTexts;
    CModels models;
    EXPECT_EQ(ClipboardText(models), "gsb-Datei\tPfad");
    // A path from outside the installation and one without any backslash.
    models.StoreFile("\\immobilien\\häuser\\haus 1.gsb", "S");
    models.StoreFile("c:\\x\\%1.gsb", "\tDropped");
    models.StoreFile("plain.gsb", "S");
    EXPECT_EQ(RowText(models, 0) + '|' + RowText(models, 1) + '|' + RowText(models, 2),
              "haus 1 -- \\immobilien\\häuser\\|%1 -- c:\\x\\| -- plain.gsb");
    EXPECT_EQ(ClipboardText(models), "gsb-Datei\tPfad\r\nhaus 1.gsb\t\\immobilien\\häuser\\\r\n%1.gsb\tc:\\x\\\r\nplain.gsb\tplain.gsb");
}

TEST(ResultTexts, CategoryPathAndIniProblems)
{
    const struct { QStringList items; QString text; } paths[] = {{{"Bahnhöfe", "Model"}, "Bahnhöfe\r\n-- Model"},
                 {{"Top", "", "Mitte", "Modell"}, "Top\r\n-- ? ? ?\r\n-- -- Mitte\r\n-- -- -- Modell"},
                 {{"", "Modell"}, "\r\n-- Modell"},   // only from the second line on is a blank name replaced
                 {{}, ""}};
    for (const auto& row : paths)
        EXPECT_EQ(CategoryPathText(row.items), row.text) << qPrintable(row.items.join('/'));

    const struct { int missing, noName; QString nameKey, text; } notices[] = {
        {0, 0, "Name_GER", ""},
        {1, 0, "Name_GER", "1 ini-Datei wird vermisst\r\n"},
        {3, 1, "Name_GER", "3 ini-Dateien werden vermisst\r\n\r\n1 Namens-Eintrag (Name_GER) in ini-Dateien fehlt oder ist leer"},
        {0, 2, "Name_GER", "\r\n2 Namens-Einträge (Name_GER) in ini-Dateien fehlen oder sind leer"},
        {3, 2, "Name_ENG", ""},   // the counts belong to the language of the search
    };
    for (const auto& row : notices) {
        IniProblems problems;
        problems.glMissingIni = row.missing;
        problems.glNoNameIni = row.noName;
        EXPECT_EQ(IniProblemsNoticeText(problems, "Name_GER", row.nameKey), row.text) << row.missing << ' ' << row.noName;
    }
}

TEST(DateText, ParsesFormatsAndPresets)
{
    const struct {
        const char* text;
        QDate date;   // invalid: not a date
    } rows[] = {
        {"1.2.30", {1930, 2, 1}}, {"1.2.29", {2029, 2, 1}}, {"01.02.00", {2000, 2, 1}}, {"31.12.1999", {1999, 12, 31}},
        {" 29.2.2024 ", {2024, 2, 29}}, {"3.4", {QDate::currentDate().year(), 4, 3}}, {"", {}}, {"  ", {}},
        {"29.2.2023", {}}, {"31.4.24", {}}, {"0.1.24", {}}, {"1.13.24", {}}, {"1.2.", {}}, {"1..24", {}}, {"1.2.24.", {}},
        {"a.2.24", {}}, {"1/2/24", {}}, {"123.1.24", {}}, {"1.2.12345", {}}, {"1.2.0099", {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DateText::Parse(row.text), row.date) << row.text;
    EXPECT_EQ(DateText::Format(QDate(2024, 3, 5)), "05.03.2024");

    const struct { int preset; QDate day, from; } presets[] = {
        {0, {2024, 5, 15}, {2024, 5, 15}}, {1, {2024, 5, 15}, {2024, 5, 14}}, {2, {2024, 5, 15}, {2024, 5, 9}},
        {3, {2024, 5, 15}, {2024, 4, 16}}, {1, {2024, 3, 1}, {2024, 2, 29}},  {3, {2024, 1, 1}, {2023, 12, 2}},
        // One month back is clamped to the end of February, plus one day.
        {3, {2023, 3, 31}, {2023, 3, 1}},  {3, {2024, 3, 31}, {2024, 3, 1}},  {3, {2024, 3, 30}, {2024, 3, 1}},
    };
    for (const auto& row : presets)
        EXPECT_EQ(DateText::PresetFrom(row.preset, row.day), row.from) << row.preset << ' ' << qPrintable(row.day.toString());
}

TEST(CommandLine, TakesArgumentsOneByOne)
{
    // Splitting one command line is compared with a plain reading in fuzz/fuzz_cmdline.cpp.
    TestInstallation inst;   // drive table: Z: is "/"
    // Arguments that arrive split stay one name each, quotes and spaces included.
    EXPECT_EQ(CommandLine::NamesFromArguments({"/home/u/Mein Ordner/a.gsb", "/tmp/a\"b c.gsb", "/tmp/\"x", "/tmp/  ", ""}),
              QStringList({"Z:\\home\\u\\Mein Ordner\\a.gsb", "Z:\\tmp\\a\"b c.gsb", "Z:\\tmp\\\"x", "Z:\\tmp\\  ", ""}));
}

TEST(ModelDetail, FoundMissingAndUnknownModels)
{
    TestInstallation inst;
    inst.Activate();
    inst.WriteText("Categories/Static_structures/index.ini", "[i]\na=a.ini\nb=CDIn\nc=b.ini\n");
    inst.WriteText("Categories/Static_structures/a.ini", "[Top]\nName_GER=Gebäude\n");
    inst.WriteText("Categories/Static_structures/b.ini", "[Leaf]\nName_GER=Wohnhäuser\nFilterSection=Haeuser\n");
    inst.WriteText("Immobilien/Haus.ini", "[x]\nName_GER=Stadthaus\n");
    const QByteArray mod2Ref("\x0B\x00\x00\x00Haus\\Dach.m", 15);
    inst.WriteBytes("Immobilien/Haus.gsb", mod2Ref);
    inst.WriteBytes("Modelle/Haus/Dach.m.mod2", "m");
    inst.WriteBytes("../Fremd/Lok.gsb", mod2Ref + QByteArray("\x0A\x00\x00\x00Lok\\Kessel", 14));
    const QString outside = HostPath::ToWindows(inst.NativePath("../Fremd/Lok.gsb")).toLower();

    CCategories cats;
    ASSERT_TRUE(cats.Init(inst.Paths(), "Name_GER"));
    CModels models;
    models.StoreFile("\\immobilien\\haus.gsb", "Haeuser");
    models.StoreFile("\\immobilien\\fehlt.gsb", "Haeuser");
    models.StoreFile(outside, DroppedSection());   // a full path is read as it is
    const QString place = "Gebäude\r\n-- Wohnhäuser\r\n-- -- ";
    const struct { QString expected; int mod2Count, mod2Missing; } rows[] = {
        {"\\immobilien\\haus.gsb|finden Sie in EEP im Editor|4 Immobilien|" + place + "Stadthaus|", 1, 0},
        {"\\immobilien\\fehlt.gsb|finden Sie in EEP im Editor|4 Immobilien|" + place + "? ? ( --> \\fehlt.ini)|"
         "gsb-Datei existiert nicht", 0, 0},
        {outside + "|ist im EEP nicht bekannt|-1 ||mod2-Dateien unvollständig", 2, 1},
    };
    for (qint32 i = 0; i < 3; ++i) {
        CGsb gsb;
        LookupCache lookup;
        const ModelDetail d = ModelDetail::Of(models, i, cats, gsb, inst.Paths(), lookup);
        EXPECT_EQ(QStringList({d.file, d.resultSentence, QString::number(d.editor) + ' ' + d.editorName, d.placeText, d.fileState})
                      .join('|'), rows[i].expected);
        EXPECT_EQ(d.known, d.editor >= 0);
        EXPECT_EQ(gsb.Count(), rows[i].mod2Count) << i;
        EXPECT_EQ(gsb.CountMissing(), rows[i].mod2Missing) << i;
    }
}
