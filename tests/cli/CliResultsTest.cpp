// kluni-cli's searches, date search and scans, checked through its JSON and text.
#include "CliRunner.h"
#include "SampleInstallation.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <QJsonArray>
#include <gtest/gtest.h>

namespace {

std::string S(const QString& s) { return s.toStdString(); }

// "file" and "section" of every record, in list order.
QStringList FilesAndSections(const QJsonObject& doc)
{
    QStringList out;
    for (const QJsonValue& v : doc.value("models").toArray())
        out << v.toObject().value("file").toString() + " | " + v.toObject().value("section").toString();
    return out;
}

QJsonObject Model(const QJsonObject& doc, int index)
{
    return doc.value("models").toArray().at(index).toObject();
}

QStringList Strings(const QJsonValue& array)
{
    QStringList out;
    for (const QJsonValue& v : array.toArray())
        out << v.toString();
    return out;
}

class CliResults : public ::testing::Test {
protected:
    SampleInstallation inst;
};

TEST_F(CliResults, NameSearchGivesEveryRecordWithItsDetail)
{
    const CliRun run = RunCliJson(inst.NativeRoot(), {"search", "HAUS"});
    ASSERT_EQ(run.exitCode, 0) << S(run.err);
    const QJsonObject doc = run.Json();
    EXPECT_EQ(doc.value("count").toInt(), 2);
    EXPECT_EQ(FilesAndSections(doc),
              QStringList({"\\immobilien\\haus1.gsb | Wohnhaeuser", "\\immobilien\\haus2.gsb | Wohnhaeuser"}));

    const QJsonObject haus1 = Model(doc, 0);
    EXPECT_EQ(haus1.value("gsb").toString(), "haus1");
    EXPECT_EQ(haus1.value("path").toString(), "\\immobilien\\");
    EXPECT_TRUE(haus1.value("known").toBool());
    EXPECT_EQ(haus1.value("editor").toInt(), 4);
    EXPECT_EQ(haus1.value("editorName").toString(), "Immobilien");
    EXPECT_EQ(Strings(haus1.value("categories")), QStringList({QStringLiteral("Gebäude"), QStringLiteral("Wohnhäuser")}));
    EXPECT_EQ(haus1.value("name").toString(), "Haus eins");
    EXPECT_TRUE(haus1.value("gsbExists").toBool());
    EXPECT_EQ(haus1.value("mod2Missing").toInt(), 1);

    // Listed, but neither its gsb nor its ini file is there.
    const QJsonObject haus2 = Model(doc, 1);
    EXPECT_TRUE(haus2.value("known").toBool());
    EXPECT_EQ(haus2.value("name").toString(), "? ? ( --> \\haus2.ini)");
    EXPECT_FALSE(haus2.value("gsbExists").toBool());
    EXPECT_EQ(doc.value("missingIni").toObject().value("count").toInt(), 0);
}

TEST_F(CliResults, IniNameSearchCountsIniProblemsAndFollowsTheLanguage)
{
    const CliRun run = RunCliJson(inst.NativeRoot(), {"--lang", "ENG", "search", "--name", "ini", "--op", "exact", "house one"});
    ASSERT_EQ(run.exitCode, 0) << S(run.err);
    const QJsonObject doc = run.Json();
    ASSERT_EQ(doc.value("count").toInt(), 1);
    EXPECT_EQ(Strings(Model(doc, 0).value("categories")), QStringList({"Buildings", "Residential"}));
    EXPECT_EQ(Model(doc, 0).value("name").toString(), "House one");

    const QJsonObject missing = doc.value("missingIni").toObject();
    EXPECT_EQ(missing.value("count").toInt(), 1);
    EXPECT_EQ(Strings(missing.value("files")), QStringList({"\\immobilien\\haus2.ini"}));
    // Kiste.ini has an English name, so in GER it is the one without a name.
    const CliRun ger = RunCliJson(inst.NativeRoot(), {"search", "--name", "both", "kiste"});
    ASSERT_EQ(ger.exitCode, 0) << S(ger.err);
    const QJsonObject noName = ger.Json().value("noNameIni").toObject();
    EXPECT_EQ(noName.value("count").toInt(), 1);
    EXPECT_EQ(Strings(noName.value("files")), QStringList({"\\goods\\kiste.ini"}));
}

TEST_F(CliResults, NothingFoundExitsOneWithAnEmptyList)
{
    const CliRun json = RunCliJson(inst.NativeRoot(), {"search", "zzz"});
    EXPECT_EQ(json.exitCode, 1);
    EXPECT_EQ(json.Json().value("count").toInt(), 0);
    EXPECT_TRUE(json.Json().value("models").toArray().isEmpty());

    const CliRun text = RunCli({"--resbase", inst.NativeRoot(), "search", "zzz"});
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_EQ(text.Text(), "Sorry, aber in EEP\nist kein passendes Modell bekannt!\n");
}

TEST_F(CliResults, TextShowsWhatTheDetailViewShows)
{
    const CliRun run = RunCli({"--resbase", inst.NativeRoot(), "search", "--op", "begins", "haus1"});
    ASSERT_EQ(run.exitCode, 0) << S(run.err);
    EXPECT_EQ(run.Text(), QStringLiteral("haus1 -- \\immobilien\\\n"
                                         "  finden Sie in EEP im Editor Immobilien\n"
                                         "  Gebäude\n"
                                         "  -- Wohnhäuser\n"
                                         "  -- -- Haus eins\n"
                                         "  mod2-Dateien unvollständig\n"
                                         "\n"
                                         "1 Modell\n"));

    const CliRun brief = RunCli({"--resbase", inst.NativeRoot(), "--brief", "scan", inst.NativePath("Immobilien")});
    ASSERT_EQ(brief.exitCode, 0) << S(brief.err);
    EXPECT_EQ(brief.Text(), "haus1 -- \\immobilien\\\tWohnhaeuser\n"
                            "neu -- \\immobilien\\neu\\\t\tDropped\n");
}

TEST_F(CliResults, DateSearchFindsTodaysFilesBelowTheSixRoots)
{
    const CliRun run = RunCliJson(inst.NativeRoot(), {"date", "--preset", "today"});
    ASSERT_EQ(run.exitCode, 0) << S(run.err);
    const QJsonObject doc = run.Json();
    // Immobilien before Goods; a directory's own files before its subdirectories;
    // Lose.gsb lies outside the roots.
    EXPECT_EQ(FilesAndSections(doc), QStringList({"\\immobilien\\haus1.gsb | Wohnhaeuser",
                                                  "\\immobilien\\neu\\neu.gsb | \tDropped",
                                                  "\\goods\\kiste.gsb | Kisten"}));
    const QJsonObject neu = Model(doc, 1);
    EXPECT_FALSE(neu.value("known").toBool());
    EXPECT_TRUE(neu.value("editor").isNull());
    EXPECT_TRUE(neu.value("name").isNull());
    EXPECT_EQ(Model(doc, 2).value("editorName").toString(), QStringLiteral("Güter"));

    // An explicit range given backwards is the same range; one in the past finds nothing.
    const QString today = QDate::currentDate().toString("dd.MM.yyyy");
    EXPECT_EQ(RunCliJson(inst.NativeRoot(), {"date", today, "01.01.2000"}).Json().value("count").toInt(), 3);
    const CliRun past = RunCli({"--resbase", inst.NativeRoot(), "date", "1.1.90", "31.12.1999"});
    EXPECT_EQ(past.exitCode, 1);
    EXPECT_EQ(past.Text(), "Im angegebenen Zeitraum sind keine Modelle\nzum ersten Mal installiert worden.\n");
}

TEST_F(CliResults, ScanTakesDirectoriesAndSingleModelFiles)
{
    const CliRun dir = RunCliJson(inst.NativeRoot(), {"scan", inst.NativePath("Immobilien")});
    ASSERT_EQ(dir.exitCode, 0) << S(dir.err);
    EXPECT_EQ(FilesAndSections(dir.Json()),
              QStringList({"\\immobilien\\haus1.gsb | Wohnhaeuser", "\\immobilien\\neu\\neu.gsb | \tDropped"}));

    // Single files: native, and relative to Resourcen as the lists show them;
    // a single file counts only with ".gsb" in small letters.
    const CliRun files = RunCliJson(inst.NativeRoot(), {"scan", inst.NativePath("Goods/Kiste.gsb"), "\\immobilien\\haus1.gsb",
                                                        inst.NativePath("Immobilien/Neu/Neu.GSB")});
    ASSERT_EQ(files.exitCode, 0) << S(files.err);
    EXPECT_EQ(FilesAndSections(files.Json()),
              QStringList({"\\goods\\kiste.gsb | Kisten", "\\immobilien\\haus1.gsb | Wohnhaeuser"}));

    const CliRun none = RunCli({"--resbase", inst.NativeRoot(), "scan", inst.NativePath("Immobilien/Neu/Neu.GSB")});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(none.Text(), "Unter den verschobenen Dateien\nbefand sich keine Modell Datei.\n");
}

TEST_F(CliResults, ScanThroughALinkFindsTheModelsSections)
{
    // As on the window, a path that reaches the installation through a link
    // is taken in the installation's own spelling, so "Models.ini" knows it.
    QTemporaryDir elsewhere;
    const QString link = elsewhere.path() + "/Haeuser";
    ASSERT_TRUE(QFile::link(inst.NativePath("Immobilien"), link));
    const CliRun dir = RunCliJson(inst.NativeRoot(), {"scan", link});
    ASSERT_EQ(dir.exitCode, 0) << S(dir.err);
    EXPECT_EQ(FilesAndSections(dir.Json()),
              QStringList({"\\immobilien\\haus1.gsb | Wohnhaeuser", "\\immobilien\\neu\\neu.gsb | \tDropped"}));
    const CliRun file = RunCliJson(inst.NativeRoot(), {"scan", link + "/Haus1.gsb"});
    EXPECT_EQ(FilesAndSections(file.Json()), QStringList({"\\immobilien\\haus1.gsb | Wohnhaeuser"}));
}

} // namespace
