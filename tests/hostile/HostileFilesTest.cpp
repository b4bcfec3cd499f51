// Files that are not what their names promise: FIFOs, directories, a sparse
// giant, a 50 MB line, a model file made only of backslashes.
#include "HostileFixture.h"

#include "hostdata/CCategories.h"
#include "hostdata/CGsb.h"
#include "hostdata/CIniFile.h"
#include "hostdata/CModels.h"
#include "hostdata/ModelScanner.h"
#include "hostdata/Searches.h"
#include "startup/ModuleState.h"
#include "startup/modTools.h"

namespace {

std::string CannotReadModelsIni()
{
    return FormatMsg(QStringLiteral("Kann die Datei %1 nicht lesen!%mOhne diese Datei kann Kluni keine Modelle "
                                    "finden.%mDas Programm wird somit beendet."),
                     {gMod.gtModelsIni})
        .toStdString();
}

std::string CategoryCounts()
{
    CCategories categories;
    categories.Init();
    std::string text;
    for (qint16 e = 0; e < CCategories::kEditorCount; ++e)
        text += std::to_string(categories.Nodes(e).size());
    return text;
}

} // namespace

// Every reader meets a FIFO where it expects a file; opening one for reading
// would wait for a writer that never comes.
TEST_F(HostileTest, FifosNamedLikeEepFilesAreNotOpened)
{
    m_inst.WriteText(QStringLiteral("Categories/Models.ini"),
                     QStringLiteral("[S]\nFile1=Immobilien\\haus.gsb\nFile2=Immobilien\\fifo.gsb\n"));
    m_inst.WriteBytes(QStringLiteral("Immobilien/haus.gsb"), QByteArray("\x05\x00\x00\x00x\\abc", 9));
    Hostile::MakeFifo(m_inst.NativePath(QStringLiteral("Immobilien/haus.ini")));
    Hostile::MakeFifo(m_inst.NativePath(QStringLiteral("Immobilien/fifo.gsb")));
    m_inst.MakeDir(QStringLiteral("Modelle/x"));
    Hostile::MakeFifo(m_inst.NativePath(QStringLiteral("Modelle/x/abc.mod2")));
    m_inst.MakeDir(QStringLiteral("Categories/Goods"));
    Hostile::MakeFifo(m_inst.NativePath(QStringLiteral("Categories/Goods/index.ini")));
    m_inst.WriteText(QStringLiteral("Categories/Signals/index.ini"), QStringLiteral("[x]\n1=kat.ini\n"));
    Hostile::MakeFifo(m_inst.NativePath(QStringLiteral("Categories/Signals/kat.ini")));
    m_inst.Activate();

    const Hostile::Outcome outcome = Hostile::RunIsolated([&] {
        CModels models;
        const bool searched = Searches::ByName(models, 0, QString(), NameSource::Ini);
        std::string text = "search=" + std::to_string(searched) + " found=" + std::to_string(models.Count())
                           + " missingIni=" + std::to_string(gMod.glMissingIni);
        CGsb gsb;
        const bool model = gsb.Init(m_inst.WindowsPath(QStringLiteral("Immobilien\\haus.gsb")));
        text += " model=" + std::to_string(model) + std::to_string(gsb.Count()) + std::to_string(gsb.CountMissing());
        const bool fifo = gsb.Init(m_inst.WindowsPath(QStringLiteral("Immobilien\\fifo.gsb")));
        text += " fifo=" + std::to_string(fifo) + std::to_string(gsb.GsbExists());
        text += " categories=" + CategoryCounts();
        CModels scanned;
        ModelScanner(scanned).ScanDirectory(m_inst.WindowsPath(QStringLiteral("Immobilien")));
        return text + " scan=" + Files(scanned) + " " + Messages();
    });
    EXPECT_ISOLATED_EQ(outcome, "search=1 found=2 missingIni=2 model=111 fifo=00 categories=000000000 "
                                "scan=\\immobilien\\haus.gsb ");
}

TEST_F(HostileTest, ModelsIniThatIsAFifoOrADirectoryCannotBeRead)
{
    m_inst.MakeDir(QStringLiteral("Categories"));
    Hostile::MakeFifo(m_inst.NativePath(QStringLiteral("Categories/Models.ini")));
    m_inst.Activate();
    const auto search = [&] {
        CModels models;
        const bool byName = Searches::ByName(models, 0, QStringLiteral("a"), NameSource::Gsb);
        models.StoreFile(QStringLiteral("\\x.gsb"), DroppedSection());
        const bool setSection = models.SetSection(0);
        return std::to_string(byName) + std::to_string(setSection) + " " + Messages();
    };
    const std::string twice = "00 " + CannotReadModelsIni() + "|" + CannotReadModelsIni();
    EXPECT_ISOLATED_EQ(Hostile::RunIsolated(search), twice);

    ::unlink(QFile::encodeName(m_inst.NativePath(QStringLiteral("Categories/Models.ini"))).constData());
    m_inst.MakeDir(QStringLiteral("Categories/Models.ini"));
    EXPECT_EQ(search(), twice);
}

TEST_F(HostileTest, DirectoriesWhereFilesBelongAreNotReadAsFiles)
{
    m_inst.WriteText(QStringLiteral("Categories/Models.ini"), QStringLiteral("[S]\nFile1=Immobilien\\haus.gsb\n"));
    m_inst.MakeDir(QStringLiteral("Immobilien/haus.gsb"));
    m_inst.MakeDir(QStringLiteral("Immobilien/haus.ini"));
    m_inst.WriteText(QStringLiteral("Immobilien/haus.gsb/inner.gsb"), QStringLiteral("x"));
    m_inst.MakeDir(QStringLiteral("Categories/Goods/index.ini"));
    m_inst.WriteText(QStringLiteral("Categories/Signals/index.ini"), QStringLiteral("[x]\n1=kat.ini\n2=ok.ini\n"));
    m_inst.MakeDir(QStringLiteral("Categories/Signals/kat.ini"));
    m_inst.WriteText(QStringLiteral("Categories/Signals/ok.ini"), QStringLiteral("[k]\nName_GER=K\nFilterSection=S\n"));
    m_inst.Activate();

    CModels models;
    EXPECT_TRUE(Searches::ByName(models, 0, QString(), NameSource::Both));
    EXPECT_EQ(models.Count(), 1);
    EXPECT_EQ(gMod.glMissingIni, 1);
    CGsb gsb;
    EXPECT_FALSE(gsb.Init(m_inst.WindowsPath(QStringLiteral("Immobilien\\haus.gsb"))));
    EXPECT_FALSE(gsb.GsbExists());
    EXPECT_EQ(CategoryCounts(), "000100000");
    CModels scanned;
    ModelScanner(scanned).ScanDirectory(m_inst.WindowsPath(QStringLiteral("Immobilien")));
    EXPECT_EQ(Files(scanned), "\\immobilien\\haus.gsb\\inner.gsb");
    EXPECT_EQ(Messages(), "");
}

TEST_F(HostileTest, SparseModelFileBeyondTwoGigabytesGivesTheReadError)
{
    m_inst.MakeDir(QStringLiteral("Immobilien"));
    Hostile::MakeSparseFile(m_inst.NativePath(QStringLiteral("Immobilien/riesig.gsb")), (qint64(1) << 31) + 4096);
    m_inst.Activate();

    const Hostile::Outcome outcome = Hostile::RunIsolated([&] {
        CGsb gsb;
        const bool read = gsb.Init(m_inst.WindowsPath(QStringLiteral("Immobilien\\riesig.gsb")));
        return std::to_string(read) + std::to_string(gsb.GsbExists()) + std::to_string(gsb.Count()) + " "
               + std::to_string(m_inst.Messages().Entries().size()) + " " + Messages();
    });
    ASSERT_TRUE(outcome.finished) << Hostile::Describe(outcome);
    // Not read, but known to exist; one plain message with the error number and text.
    EXPECT_EQ(outcome.text.rfind("010 1 Fehler beim Lesen der gsb-Datei:\r\n", 0), 0u) << outcome.text;
    EXPECT_GT(outcome.text.size(), std::string("010 1 Fehler beim Lesen der gsb-Datei:\r\n1 x").size());
}

TEST_F(HostileTest, ModelsIniOfOneFiftyMegabyteLine)
{
    const qsizetype size = 50 * 1024 * 1024;
    m_inst.MakeDir(QStringLiteral("Categories"));
    m_inst.Activate();

    // One entry whose model name is 50 MB long, without any line end.
    m_inst.WriteBytes(QStringLiteral("Categories/Models.ini"),
                      "File1=Immobilien\\" + QByteArray(size, 'a') + "b.gsb");
    const auto search = [&](const QString& text) {
        return Hostile::RunIsolated([&] {
            CModels models;
            const bool searched = Searches::ByName(models, 0, text, NameSource::Gsb);
            return std::to_string(searched) + " " + std::to_string(models.Count()) + " "
                   + std::to_string(models.Count() ? models.Gsb(0).size() : 0) + " " + Messages();
        });
    };
    EXPECT_ISOLATED_EQ(search(QStringLiteral("aab")), "1 1 " + std::to_string(size + 1) + " ");
    EXPECT_ISOLATED_EQ(search(QStringLiteral("ba")), "1 0 0 ");

    // One line of 50 MB that is neither section nor entry.
    m_inst.WriteBytes(QStringLiteral("Categories/Models.ini"), QByteArray(size, 'x'));
    EXPECT_ISOLATED_EQ(search(QString()), "1 0 0 ");
}

TEST_F(HostileTest, ModelFileOfBackslashesOnlyIsScannedInOnePass)
{
    m_inst.WriteBytes(QStringLiteral("Immobilien/strich.gsb"), QByteArray(30 * 1024 * 1024, '\\'));
    m_inst.Activate();
    const Hostile::Outcome outcome = Hostile::RunIsolated([&] {
        CGsb gsb;
        const bool read = gsb.Init(m_inst.WindowsPath(QStringLiteral("Immobilien\\strich.gsb")));
        return std::to_string(read) + std::to_string(gsb.Count()) + " " + Messages();
    });
    EXPECT_ISOLATED_EQ(outcome, "10 ");
}
