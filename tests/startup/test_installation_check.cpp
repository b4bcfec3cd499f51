#include "ScopedEnv.h"
#include "ScopedResBase.h"
#include "TestHost.h"
#include "TestInstallation.h"
#include "startup/modMain.h"
#include "startup/modRegApi.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString kStop = "-Verzeichnis nicht finden!\r\n\r\nBedenken Sie, dass Kluni nur mit EEP bis einschliesslich "
                      "Version 6\r\nzurecht kommt.\r\n\r\nDas Programm wird daher abgebrochen!";
const QString kNoModelle = "Kann das EEP Modelle-Verzeichnis nicht finden!\r\n\r\nMod2-Dateien zu Objekten können daher "
                           "nicht angezeigt werden!";

// An empty Wine prefix (no registry value) and no resource directory named
// in the environment, unless a test names one.
class InstallationCheckTest : public ::testing::Test {
protected:
    void WriteSystemReg(const QByteArray& value)
    {
        QFile reg(prefix.filePath("system.reg"));
        ASSERT_TRUE(reg.open(QIODevice::WriteOnly));
        reg.write("WINE REGISTRY Version 2\n\n[Software\\\\Classes\\\\Software\\\\Software Untergrund\\\\EEXP] 1\n"
                  "\"ResBase\"=" + value + "\n");
    }
    QTemporaryDir prefix;
    ScopedEnv wine{"WINEPREFIX", prefix.path().toLocal8Bit()};
    ScopedEnv noResBase{"KLUNI_RESBASE", QByteArray()};
};

TEST_F(InstallationCheckTest, StopsWarnsOrPasses)
{
    enum Named { None, Native, Windows, LowerWithBackslash };
    const struct {
        const char* name;
        std::function<void(TestInstallation&)> write;
        Named named;
        bool ok;
        QStringList messages;   // "%1" stands for the resource directory
        bool pakNotice = false;
    } rows[] = {
        {"complete", [](auto& i) { i.WriteText("Categories/Models.ini", "[A]\n"), i.MakeDir("Modelle"); }, Native, true, {}},
        {"no registry value", [](auto& i) { i.WriteText("Categories/Models.ini", "[A]\n"); }, None, false,
         {"Kann das EEP Resourcen" + kStop}},
        {"no Categories", [](auto& i) { i.MakeDir("Modelle"); }, Windows, false, {"Kann das EEP Categories" + kStop}},
        {"no Modelle", [](auto& i) { i.WriteText("Categories/Models.ini", "[A]\n"); }, Windows, true, {kNoModelle}},
        {"Models.ini a directory", [](auto& i) { i.MakeDir("Categories/Models.ini"); }, Windows, false,
         {kNoModelle, "Kann die Datei %1\\Categories\\Models.ini nicht lesen!\r\n\r\nOhne diese Datei kann Kluni keine "
                      "Modelle finden.\r\n\r\nDas Programm wird somit beendet."}},
        {"Resourcen.Pak",
         [](auto& i) { i.WriteText("Categories/Models.ini", ""), i.MakeDir("Modelle"), i.WriteBytes("../Resourcen.Pak", "P"); },
         LowerWithBackslash, true, {}, true},
    };
    for (const auto& row : rows) {
        TestInstallation inst;
        row.write(inst);
        const QString named[] = {"", inst.NativeRoot(), inst.ResBase(), inst.ResBase().toLower() + "\\"};
        const ScopedResBase resBase(row.named == None ? QString() : named[row.named]);
        const InstallationCheck check = CheckInstallation();
        EXPECT_EQ(check.installation != nullptr, row.ok) << row.name;
        QStringList messages;
        for (const RecordingMessageSink::Entry& e : inst.Messages().Entries())
            messages << QString(e.kind == RecordingMessageSink::Kind::Critical ? "" : "?") + e.text;
        EXPECT_EQ(messages, row.messages.join("|").replace("%1", inst.ResBase()).split('|', Qt::SkipEmptyParts)) << row.name;
        EXPECT_EQ(check.pakNotice, row.pakNotice ? ResourcenPakNotice() : "") << row.name;
        if (row.ok) {
            const Installation& found = *check.installation;
            // A native path is translated; a Windows one is kept as written, case and trailing backslash too.
            const QString resBase = row.named == Native ? inst.ResBase() : named[row.named];
            const QString base = resBase.chopped(resBase.endsWith('\\') ? 1 : 0);
            EXPECT_EQ(QStringList({found.gtResBase, found.gtCategoriesDir, found.gtModelsDir, found.gtModelsIni}),
                      QStringList({resBase, base + "\\Categories", base + "\\Modelle", base + "\\Categories\\Models.ini"}))
                << row.name;
            EXPECT_EQ(found.gbModelsDirOk, row.messages.isEmpty()) << row.name;
        }
    }
}

TEST_F(InstallationCheckTest, ResBaseComesFromTheProgramTheEnvironmentOrTheWineRegistry)
{
    KLUNI_SKIP_ON_WINDOWS("the registry there is the system's own, and the environment names nothing");
    // An expandable string does not count.
    WriteSystemReg("str(2):\"C:\\\\EEP6\\\\Resourcen\"");
    EXPECT_EQ(GetResBase(), "");

    WriteSystemReg("\"C:\\\\EEP6\\\\Resourcen\"");
    EXPECT_EQ(GetResBase(), "C:\\EEP6\\Resourcen");
    TestInstallation inst;
    EXPECT_EQ(RegReadString(RegHive::ClassesRoot, "Software\\Software Untergrund\\EEXP", "Fehlt"), QString());
    {
        // The environment wins: a Windows-form value as it is, a native one translated.
        const ScopedEnv windowsForm("KLUNI_RESBASE", "D:\\Anders");
        EXPECT_EQ(GetResBase(), "D:\\Anders");
        {
            const ScopedEnv native("KLUNI_RESBASE", inst.NativeRoot().toUtf8());
            EXPECT_EQ(GetResBase(), inst.ResBase());
        }
        // A path named by the program itself beats both.
        SetResBaseOverride("E:\\Genannt\\Resourcen");
        EXPECT_EQ(GetResBase(), "E:\\Genannt\\Resourcen");
        SetResBaseOverride(QString());
        EXPECT_EQ(GetResBase(), "D:\\Anders");
    }
    EXPECT_EQ(GetResBase(), "C:\\EEP6\\Resourcen");
}

} // namespace
