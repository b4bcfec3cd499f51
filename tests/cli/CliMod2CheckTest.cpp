// kluni-cli's mod2 list, the installation check and usage errors.
#include "CliRunner.h"
#include "SampleInstallation.h"
#include "ScopedEnv.h"

#include <QJsonArray>
#include <gtest/gtest.h>

namespace {

std::string S(const QString& s) { return s.toStdString(); }

class CliMod2Check : public ::testing::Test {
protected:
    SampleInstallation inst;
};

TEST_F(CliMod2Check, Mod2ListsNamesInOrderWithTheirState)
{
    const CliRun run = RunCliJson(inst.NativeRoot(), {"mod2", inst.NativePath("Immobilien/Haus1.gsb")});
    ASSERT_EQ(run.exitCode, 0) << S(run.err);
    const QJsonObject doc = run.Json();
    EXPECT_TRUE(doc.value("gsbExists").toBool());
    EXPECT_EQ(doc.value("gsb").toString(), inst.WindowsPath("Immobilien\\Haus1.gsb"));
    EXPECT_EQ(doc.value("name").toString(), "Haus eins");
    const QJsonArray mod2 = doc.value("mod2").toArray();
    ASSERT_EQ(mod2.size(), 2);
    EXPECT_EQ(mod2[0].toObject().value("name").toString(), "Immobilien\\Dach");
    EXPECT_FALSE(mod2[0].toObject().value("exists").toBool());
    EXPECT_EQ(mod2[1].toObject().value("name").toString(), "Immobilien\\Haus1");
    EXPECT_TRUE(mod2[1].toObject().value("exists").toBool());
    EXPECT_EQ(doc.value("missing").toInt(), 1);

    const CliRun text = RunCli({"--resbase", inst.NativeRoot(), "mod2", "\\immobilien\\haus1.gsb"});
    ASSERT_EQ(text.exitCode, 0) << S(text.err);
    EXPECT_EQ(text.Text(), "Haus eins\n"
                           "[ ] Immobilien\\Dach\n"
                           "[x] Immobilien\\Haus1\n"
                           "1 mod2-Datei ist nicht vorhanden.\n");
}

TEST_F(CliMod2Check, Mod2OfAMissingGsbFileSaysSo)
{
    const CliRun run = RunCli({"--resbase", inst.NativeRoot(), "mod2", inst.NativePath("Immobilien/Haus2.gsb")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.Text(), QStringLiteral("\\Haus2.gsb\nKeine Anzeige möglich ohne die gsb-Datei.\n"));
}

TEST_F(CliMod2Check, CheckReportsThePathsItFound)
{
    const CliRun run = RunCliJson(inst.NativeRoot(), {"check"});
    ASSERT_EQ(run.exitCode, 0) << S(run.err);
    const QJsonObject doc = run.Json();
    EXPECT_EQ(doc.value("resBase").toString(), inst.ResBase());
    EXPECT_EQ(doc.value("categoriesDir").toString(), inst.WindowsPath("Categories"));
    EXPECT_EQ(doc.value("modelsIni").toString(), inst.WindowsPath("Categories\\Models.ini"));
    EXPECT_TRUE(doc.value("modelsDirOk").toBool());
    EXPECT_FALSE(doc.value("resourcenPak").toBool());
    EXPECT_TRUE(run.err.isEmpty()) << S(run.err);

    // A trailing separator on --resbase changes nothing; Resourcen.Pak is a notice only.
    inst.WriteBytes("../Resourcen.Pak", "PAK");
    const CliRun pak = RunCliJson(inst.NativeRoot() + "/", {"check"});
    ASSERT_EQ(pak.exitCode, 0) << S(pak.err);
    EXPECT_EQ(pak.Json().value("resBase").toString(), inst.ResBase());
    EXPECT_TRUE(pak.Json().value("resourcenPak").toBool());
    EXPECT_TRUE(pak.err.contains("Es wurde Datei 'Resourcen.Pak' im EEP-Verzeichnis gefunden!")) << S(pak.err);
}

TEST(CliCheckFailure, AFailedCheckStopsWithItsMessage)
{
    TestInstallation empty;
    const CliRun noCategories = RunCliJson(empty.NativeRoot(), {"search", "haus"});
    EXPECT_EQ(noCategories.exitCode, 2);
    EXPECT_TRUE(noCategories.out.isEmpty());
    EXPECT_TRUE(noCategories.err.contains("Kann das EEP Categories-Verzeichnis nicht finden!")) << S(noCategories.err);

    empty.MakeDir("Categories");
    const CliRun noModelsIni = RunCli({"--resbase", empty.NativeRoot(), "check"});
    EXPECT_EQ(noModelsIni.exitCode, 2);
    EXPECT_TRUE(noModelsIni.out.isEmpty());
    EXPECT_TRUE(noModelsIni.err.contains("Kann die Datei " + empty.WindowsPath("Categories\\Models.ini") + " nicht lesen!"))
        << S(noModelsIni.err);
    // The missing "Modelle" directory was only a warning before that stop.
    EXPECT_TRUE(noModelsIni.err.contains("Kann das EEP Modelle-Verzeichnis nicht finden!")) << S(noModelsIni.err);

    // Nothing names the folder: the tool does not ask, it names its option.
    const ScopedEnv noVariable("KLUNI_RESBASE", QByteArray());
    const ScopedEnv noWine("WINEPREFIX", empty.NativePath("Categories").toLocal8Bit());
    const CliRun unnamed = RunCli({"check"});
    EXPECT_EQ(unnamed.exitCode, 2);
    EXPECT_TRUE(unnamed.err.contains("Resourcen-Verzeichnis") && unnamed.err.contains("--resbase")) << S(unnamed.err);
}

TEST(CliUsage, UsageErrorsExitTwoAndHelpAndVersionZero)
{
    const CliRun unknown = RunCli({"frobnicate"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains("Unbekannter Befehl: frobnicate")) << S(unknown.err);

    const CliRun badDate = RunCli({"--resbase", "/nonexistent", "date", "32.01.2020", "01.02.2020"});
    EXPECT_EQ(badDate.exitCode, 2);
    EXPECT_TRUE(badDate.err.contains(QStringLiteral("Ungültiger Datums-Eintrag."))) << S(badDate.err);

    const CliRun help = RunCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.Text().startsWith("Aufruf: kluni-cli"));
    const CliRun version = RunCli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.Text(), "kluni-cli " KLUNI_VERSION "\n");
}

} // namespace
