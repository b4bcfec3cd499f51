#include "ScopedEnv.h"
#include "TestInstallation.h"
#include "startup/ModuleState.h"
#include "startup/modMain.h"
#include "startup/modRegApi.h"
#include "startup/modTools.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class InstallationCheckTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(prefix.isValid()); }

    // A complete installation: Categories with Models.ini, and Modelle.
    void WriteComplete()
    {
        inst.WriteText(QStringLiteral("Categories/Models.ini"), QStringLiteral("[Immobilien]\n"));
        inst.MakeDir(QStringLiteral("Modelle"));
    }

    void UseResBase(const QString& value)
    {
        resBase.reset();  // restore the previous value before taking the new one
        resBase = std::make_unique<ScopedEnv>("KLUNI_RESBASE", value.toUtf8());
    }

    QStringList MessageTexts() const
    {
        QStringList texts;
        for (const RecordingMessageSink::Entry& e : const_cast<TestInstallation&>(inst).Messages().Entries()) {
            EXPECT_EQ(e.kind, RecordingMessageSink::Kind::Critical);
            texts << e.text;
        }
        return texts;
    }

    QTemporaryDir prefix;  // an empty Wine prefix: no registry value
    ScopedEnv wine{"WINEPREFIX", prefix.path().toLocal8Bit()};
    ScopedEnv noResBase{"KLUNI_RESBASE", QByteArray()};
    std::unique_ptr<ScopedEnv> resBase;
    TestInstallation inst;
};

QString MissingDirText(const QString& name)
{
    return QStringLiteral("Kann das EEP ") + name
        + QStringLiteral("-Verzeichnis nicht finden!\r\n\r\nBedenken Sie, dass Kluni nur mit EEP bis einschliesslich "
                         "Version 6\r\nzurecht kommt.\r\n\r\nDas Programm wird daher abgebrochen!");
}

const QString kModelleWarning = QStringLiteral(
    "Kann das EEP Modelle-Verzeichnis nicht finden!\r\n\r\nMod2-Dateien zu Objekten können daher nicht angezeigt "
    "werden!");

TEST_F(InstallationCheckTest, CompleteInstallationPassesSilently)
{
    WriteComplete();
    UseResBase(inst.NativeRoot());
    QString notice = QStringLiteral("alt");
    EXPECT_TRUE(CheckInstallation(&notice));
    EXPECT_TRUE(MessageTexts().isEmpty());
    EXPECT_TRUE(notice.isEmpty());
    EXPECT_EQ(gMod.gtResBase, inst.ResBase());
    EXPECT_EQ(gMod.gtCategoriesDir, inst.ResBase() + QStringLiteral("\\Categories"));
    EXPECT_EQ(gMod.gtModelsDir, inst.ResBase() + QStringLiteral("\\Modelle"));
    EXPECT_TRUE(gMod.gbModelsDirOk);
    EXPECT_EQ(gMod.gtModelsIni, inst.ResBase() + QStringLiteral("\\Categories\\Models.ini"));
}

TEST_F(InstallationCheckTest, NoRegistryValueStopsFirst)
{
    EXPECT_FALSE(CheckInstallation());
    EXPECT_EQ(MessageTexts(), QStringList{MissingDirText(QStringLiteral("Resourcen"))});
    EXPECT_TRUE(gMod.gtCategoriesDir.isEmpty());
}

TEST_F(InstallationCheckTest, MissingCategoriesStops)
{
    inst.MakeDir(QStringLiteral("Modelle"));
    UseResBase(inst.ResBase());
    EXPECT_FALSE(CheckInstallation());
    EXPECT_EQ(MessageTexts(), QStringList{MissingDirText(QStringLiteral("Categories"))});
    EXPECT_TRUE(gMod.gtModelsDir.isEmpty());  // later checks are not made
}

TEST_F(InstallationCheckTest, MissingModelleOnlyWarns)
{
    inst.WriteText(QStringLiteral("Categories/Models.ini"), QStringLiteral("[Immobilien]\n"));
    UseResBase(inst.ResBase());
    EXPECT_TRUE(CheckInstallation());
    EXPECT_EQ(MessageTexts(), QStringList{kModelleWarning});
    EXPECT_FALSE(gMod.gbModelsDirOk);
}

TEST_F(InstallationCheckTest, ModelsIniMustBeAPlainFile)
{
    inst.MakeDir(QStringLiteral("Categories/Models.ini"));  // a directory of that name does not count
    UseResBase(inst.ResBase());
    EXPECT_FALSE(CheckInstallation());
    const QString path = inst.ResBase() + QStringLiteral("\\Categories\\Models.ini");
    EXPECT_EQ(MessageTexts(),
              QStringList({kModelleWarning,
                           QStringLiteral("Kann die Datei ") + path
                               + QStringLiteral(" nicht lesen!\r\n\r\nOhne diese Datei kann Kluni keine Modelle "
                                                "finden.\r\n\r\nDas Programm wird somit beendet.")}));
}

TEST_F(InstallationCheckTest, ResourcenPakBesideTheResourceDirectoryGivesANotice)
{
    WriteComplete();
    inst.WriteBytes(QStringLiteral("../Resourcen.Pak"), "PAK");
    UseResBase(inst.ResBase().toLower() + QStringLiteral("\\"));  // trailing backslash, wrong case
    QString notice;
    EXPECT_TRUE(CheckInstallation(&notice));
    EXPECT_TRUE(MessageTexts().isEmpty());
    EXPECT_EQ(gMod.gtCategoriesDir, inst.ResBase().toLower() + QStringLiteral("\\Categories"));
    EXPECT_EQ(notice, ResourcenPakNotice());
    EXPECT_EQ(notice, QStringLiteral("Es wurde Datei 'Resourcen.Pak' im EEP-Verzeichnis gefunden!\r\nKluni findet nur "
                                     "alle Modelle, wenn die Datei 'Resourcen.Pak' integriert worden ist.\r\nFür "
                                     "weitere Informationen zur 'Resourcen.Pak' lesen Sie die Kurzanleitung."));
}

TEST_F(InstallationCheckTest, ResBaseComesFromTheEnvironmentOrTheWineRegistry)
{
    // No override: the prefix's system.reg, as REG_SZ only.
    QFile reg(prefix.filePath(QStringLiteral("system.reg")));
    ASSERT_TRUE(reg.open(QIODevice::WriteOnly));
    reg.write("WINE REGISTRY Version 2\n\n"
              "[Software\\\\Classes\\\\Software\\\\Software Untergrund\\\\EEXP] 1700000000\n"
              "#time=1d0000000000000\n"
              "\"ResBase\"=\"C:\\\\EEP6\\\\Resourcen\"\n");
    reg.close();
    EXPECT_EQ(GetResBase(), QStringLiteral("C:\\EEP6\\Resourcen"));
    EXPECT_EQ(RegReadString(RegHive::ClassesRoot, QStringLiteral("Software\\Software Untergrund\\EEXP"),
                            QStringLiteral("Fehlt")),
              QString());

    // The override wins: a Windows-form value as it is, a native one translated.
    UseResBase(QStringLiteral("D:\\Anders"));
    EXPECT_EQ(GetResBase(), QStringLiteral("D:\\Anders"));
    UseResBase(inst.NativeRoot());
    EXPECT_EQ(GetResBase(), inst.ResBase());
    UseResBase(QString());
    EXPECT_EQ(GetResBase(), QStringLiteral("C:\\EEP6\\Resourcen"));

    // A path named by the program itself beats both, on every system.
    UseResBase(QStringLiteral("D:\\Anders"));
    SetResBaseOverride(QStringLiteral("E:\\Genannt\\Resourcen"));
    EXPECT_EQ(GetResBase(), QStringLiteral("E:\\Genannt\\Resourcen"));
    SetResBaseOverride(QString());
    EXPECT_EQ(GetResBase(), QStringLiteral("D:\\Anders"));
}

TEST_F(InstallationCheckTest, ExpandStringInTheRegistryDoesNotCount)
{
    QFile reg(prefix.filePath(QStringLiteral("system.reg")));
    ASSERT_TRUE(reg.open(QIODevice::WriteOnly));
    reg.write("[Software\\\\Classes\\\\Software\\\\Software Untergrund\\\\EEXP]\n"
              "\"ResBase\"=str(2):\"C:\\\\EEP6\\\\Resourcen\"\n");
    reg.close();
    EXPECT_EQ(GetResBase(), QString());
    EXPECT_FALSE(CheckInstallation());
    EXPECT_EQ(MessageTexts(), QStringList{MissingDirText(QStringLiteral("Resourcen"))});
}

} // namespace
