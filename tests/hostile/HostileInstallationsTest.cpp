// Installations that no installer leaves behind: FIFOs and directories where
// files belong, giant and degenerate files, trees that loop, nest absurdly
// deep, exceed the system's path length or carry names that are not UTF-8,
// category trees beyond their 16-bit limits. Whatever could hang or crash
// runs in a child process.
#include "HostileSupport.h"

#include "hostdata/CCategories.h"
#include "hostdata/CGsb.h"
#include "hostdata/CIniFile.h"
#include "hostdata/CModels.h"
#include "hostdata/ModelScanner.h"
#include "hostdata/SearchRun.h"
#include "hostdata/Searches.h"
#include "startup/KluniError.h"
#include "startup/modTools.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>

#include <sys/stat.h>
#include <unistd.h>

using Hostile::Files;
using Hostile::RunIsolated;

namespace {

std::string N(qint64 number)
{
    return std::to_string(number);
}

// The models found below a directory, walked as a scan of the installation does.
CModels Scanned(const TestInstallation& inst, const QStringList& windowsDirs)
{
    SearchProgress progress;
    SearchRun run(inst.Input(), progress);
    for (const QString& dir : windowsDirs)
        ModelScanner(run.Models(), run.Job()).ScanDirectory(dir);
    return run.Models();
}

std::string Scan(const TestInstallation& inst, const QString& windowsDir)
{
    return Files(Scanned(inst, {windowsDir}));
}

// A search's output after its messages were shown, as the window shows them.
SearchOutput Shown(SearchOutput search)
{
    for (const QString& message : search.messages)
        MsgError(message);
    return search;
}

// The number of nodes of each editor's tree, or the error that loading raised.
std::string CategoryCounts(const Installation& installation)
{
    try {
        CCategories categories;
        categories.Init(installation, QStringLiteral("Name_GER"));
        std::string text;
        for (qint16 e = 0; e < CCategories::kEditorCount; ++e)
            text += N(categories.Nodes(e).size()) + " ";
        return text;
    } catch (const KluniError& error) {
        return "error " + N(error.Number());
    }
}

// A gsb file: was it read, does it exist, its mod2 names and how many are missing.
std::string Gsb(const Installation& installation, const QString& windowsPath)
{
    CGsb gsb;
    const bool read = gsb.Init(windowsPath, installation.gtModelsDir);
    return N(read) + N(gsb.GsbExists()) + N(gsb.Count()) + N(gsb.CountMissing());
}

} // namespace

// Opening a FIFO for reading would wait for a writer that never comes; a
// directory named like a file is walked by a scan but never read.
TEST_F(HostileTest, FifosAndDirectoriesWhereFilesBelongAreNotRead)
{
    m_inst.WriteText(QStringLiteral("Categories/Models.ini"), QStringLiteral("[S]\nFile1=Immobilien\\haus.gsb\n"
                                                                           "File2=Immobilien\\fifo.gsb\nFile3=Immobilien\\ordner.gsb\n"));
    m_inst.WriteBytes(QStringLiteral("Immobilien/haus.gsb"), QByteArray("\x05\x00\x00\x00x\\abc", 9));
    Hostile::MakeFifo(Native("Immobilien/haus.ini"));
    Hostile::MakeFifo(Native("Immobilien/fifo.gsb"));
    m_inst.WriteText(QStringLiteral("Immobilien/ordner.gsb/inner.gsb"), QStringLiteral("x"));
    m_inst.MakeDir(QStringLiteral("Immobilien/ordner.ini"));
    m_inst.MakeDir(QStringLiteral("Modelle/x"));
    Hostile::MakeFifo(Native("Modelle/x/abc.mod2"));
    m_inst.MakeDir(QStringLiteral("Categories/Goods"));
    Hostile::MakeFifo(Native("Categories/Goods/index.ini"));
    m_inst.MakeDir(QStringLiteral("Categories/Landscape_elements/index.ini"));
    m_inst.WriteText(QStringLiteral("Categories/Signals/index.ini"), QStringLiteral("[x]\n1=kat.ini\n2=dir.ini\n3=ok.ini\n"));
    Hostile::MakeFifo(Native("Categories/Signals/kat.ini"));
    m_inst.MakeDir(QStringLiteral("Categories/Signals/dir.ini"));
    m_inst.WriteText(QStringLiteral("Categories/Signals/ok.ini"), QStringLiteral("[k]\nName_GER=K\nFilterSection=S\n"));
    m_inst.Activate();

    EXPECT_EQ(RunIsolated([&] {
                  SearchProgress progress;
                  const SearchOutput search =
                      Shown(Searches::ByName(m_inst.Input(), progress, 0, QString(), NameSource::Both));
                  std::string text = "search " + N(search.result) + N(search.models.Count()) + " missing ini "
                                     + N(search.problems.glMissingIni);
                  text += " gsb " + Gsb(m_inst.Paths(), Win("Immobilien\\haus.gsb"));
                  text += " " + Gsb(m_inst.Paths(), Win("Immobilien\\fifo.gsb"));
                  text += " " + Gsb(m_inst.Paths(), Win("Immobilien\\ordner.gsb"));
                  text += " categories " + CategoryCounts(m_inst.Paths());
                  return WithMessages(text + "scan " + Scan(m_inst, Win("Immobilien")));
              }),
              "search 13 missing ini 3 gsb 1111 0000 0000 categories 0 0 0 1 0 0 0 0 0 scan "
              "\\immobilien\\haus.gsb|\\immobilien\\ordner.gsb\\inner.gsb ");
}

// A Models.ini that is a FIFO is refused at once instead of waiting for a writer.
TEST_F(HostileTest, ModelsIniThatIsAFifoIsNotRead)
{
    Hostile::RemoveTree(Native("Categories"));
    m_inst.MakeDir(QStringLiteral("Categories"));
    Hostile::MakeFifo(Native("Categories/Models.ini"));
    m_inst.Activate();
    const std::string cannotRead = FormatMsg(QStringLiteral("Kann die Datei %1 nicht lesen!%mOhne diese Datei kann Kluni keine "
                                                            "Modelle finden.%mDas Programm wird somit beendet."),
                                             {m_inst.Paths().gtModelsIni}).toStdString();
    EXPECT_EQ(RunIsolated([&] {
                  SearchProgress progress;
                  const bool byName = Shown(Searches::ByName(m_inst.Input(), progress, 0, "a", NameSource::Gsb)).result;
                  SearchRun run(m_inst.Input(), progress);
                  run.Models().StoreFile(QStringLiteral("\\x.gsb"), DroppedSection());
                  const bool set = run.Models().SetSection(run.Job(), 0);
                  Shown(run.TakeOutput());
                  return WithMessages(N(byName) + N(set));
              }),
              "00 " + cannotRead + "|" + cannotRead);
}

// Files far larger than any real one: read in one pass, or refused with the
// read error, never with a crash or a quadratic scan.
TEST_F(HostileTest, GiantFilesAreReadOnceOrRefused)
{
    Hostile::MakeSparseFile(Native("riesig.gsb"), (qint64(1) << 31) + 4096);
    m_inst.WriteBytes(QStringLiteral("strich.gsb"), QByteArray(8 * 1024 * 1024, '\\'));
    m_inst.Activate();
    EXPECT_EQ(RunIsolated([&] { return WithMessages(Gsb(m_inst.Paths(), Win("strich.gsb"))); }), "1100 ");
    // Not read, but known to exist; one plain message with the error number and text.
    const std::string giant = RunIsolated([&] { return WithMessages(Gsb(m_inst.Paths(), Win("riesig.gsb"))); });
    EXPECT_EQ(giant.rfind("0100 Fehler beim Lesen der gsb-Datei:\r\n6 ", 0), 0u) << giant;

    // One entry whose model name is 8 MB long (32 reading buffers), without
    // any line end; then one such line that is neither section nor entry.
    const qsizetype size = 8 * 1024 * 1024;
    const auto search = [&](const QString& text) {
        return RunIsolated([&] {
            SearchProgress progress;
            const SearchOutput search = Shown(Searches::ByName(m_inst.Input(), progress, 0, text, NameSource::Gsb));
            const CModels& models = search.models;
            return WithMessages(N(search.result) + N(models.Count()) + " "
                                + N(models.Count() ? models.Gsb(0).size() : 0));
        });
    };
    m_inst.WriteBytes(QStringLiteral("Categories/Models.ini"), "File1=Immobilien\\" + QByteArray(size, 'a') + "b.gsb");
    EXPECT_EQ(search(QStringLiteral("aab")), "11 " + N(size + 1) + " ");
    EXPECT_EQ(search(QStringLiteral("ba")), "10 0 ");
    m_inst.WriteBytes(QStringLiteral("Categories/Models.ini"), QByteArray(size, 'x'));
    EXPECT_EQ(search(QString()), "10 0 ");
}

// Links back up are walked once; a link to a sibling is no loop: its models
// are found under its own name, by a scan and by the date search.
TEST_F(HostileTest, LinkLoopsBelowAScanRootAreWalkedOnce)
{
    m_inst.WriteText(QStringLiteral("Immobilien/a/haus.gsb"), QStringLiteral("x"));
    m_inst.MakeDir(QStringLiteral("Immobilien/b"));
    Hostile::MakeSymlink(QStringLiteral(".."), Native("Immobilien/a/loop"));
    Hostile::MakeSymlink(QStringLiteral("../../Immobilien"), Native("Immobilien/b/up"));
    Hostile::MakeSymlink(QStringLiteral("../.."), Native("Immobilien/b/top"));
    Hostile::MakeSymlink(QStringLiteral("self"), Native("Immobilien/b/self"));
    Hostile::MakeSymlink(QStringLiteral("a"), Native("Immobilien/c"));
    m_inst.WriteText(QStringLiteral("Categories/Models.ini"), QStringLiteral("[S]\nFile1=\\Immobilien\\a\\haus.gsb\n"));
    m_inst.Activate();

    EXPECT_EQ(RunIsolated([&] {
                  SearchProgress progress;
                  const QDate today = QDate::currentDate();
                  const CModels models =
                      Shown(Searches::ByDate(m_inst.Input(), progress, today.addDays(-1), today.addDays(1))).models;
                  return WithMessages(Scan(m_inst, Win("Immobilien")) + " " + Files(models) + " "
                                      + models.Section(0).toStdString());
              }),
              "\\immobilien\\a\\haus.gsb|\\immobilien\\c\\haus.gsb \\immobilien\\a\\haus.gsb|\\immobilien\\c\\haus.gsb "
              "S ");
}

// 25 levels of 200 characters (the bottom beyond 4,096 bytes) and 1,000
// levels of one (a deep recursion): the models within the system's path length are found and
// readable, the others may or may not be listed, but nothing is reported,
// crashes or runs out of stack.
TEST_F(HostileTest, PathsDeeperOrLongerThanTheSystemAllowsAreSkippedQuietly)
{
    m_inst.MakeDir(QStringLiteral("lang"));
    m_inst.MakeDir(QStringLiteral("tief"));
    Hostile::MakeNestedChain(Native("lang"), QByteArray(200, 'p'), 25, {3, 25});
    Hostile::MakeNestedChain(Native("tief"), "d", 1000, {10, 1000});
    m_inst.WriteText(QStringLiteral("Categories/Models.ini"), QStringLiteral("[S]\n"));
    m_inst.Activate();

    const std::string text = RunIsolated([&] {
        const CModels models = Scanned(m_inst, {Win("lang"), Win("tief")});
        std::string names;
        for (qint32 i = 0; i < models.Count(); ++i) {
            const QString file = JoinPath(m_inst.Paths().gtResBase, models.Filename(i));
            CIniFile ini;
            ini.Init(file);
            names += LastPathPart(file).toStdString() + Gsb(m_inst.Paths(), file).substr(0, 2) + " ";
        }
        return WithMessages(names);
    });
    EXPECT_EQ(text.rfind("\\m3.gsb11 ", 0), 0u) << text;
    EXPECT_NE(text.find("\\m10.gsb11 \\m1000.gsb11 "), std::string::npos) << text;
    EXPECT_EQ(text.find("Fehler"), std::string::npos) << text;
}

// Names that are not UTF-8 must not disturb a scan: the other models are
// found and read as usual.
TEST_F(HostileTest, NamesThatAreNotUtf8DoNotDisturbTheScan)
{
    const QByteArray model("\x0c\x00\x00\x00Haus\\Wand.ab", 16);
    m_inst.WriteBytes(QStringLiteral("Immobilien/normal.gsb"), model);
    m_inst.WriteBytes(QStringLiteral("Immobilien/zz/b.gsb"), model);
    const QByteArray base = QFile::encodeName(Native("Immobilien"));
    Hostile::WriteRawName(base, "H\xe4us.gsb", model);
    const QByteArray dir = base + "/gr\xfc\xff";
    ASSERT_EQ(::mkdir(dir.constData(), 0755), 0);
    Hostile::WriteRawName(dir, "Tor\x9f.gsb", model);
    Hostile::WriteRawName(dir, "Tor\x9f.ini", "[x]\r\nName_GER=Tor\r\n");
    m_inst.WriteText(QStringLiteral("Categories/Models.ini"), QStringLiteral("[S]\nFile1=\\Immobilien\\normal.gsb\n"));
    m_inst.Activate();

    EXPECT_EQ(RunIsolated([&] {
                  SearchProgress progress;
                  const CModels models = Shown(Searches::Dropped(m_inst.Input(), progress, {Win("Immobilien")})).models;
                  std::string text;
                  for (qint32 i = 0; i < models.Count(); ++i) {
                      const QString file = JoinPath(m_inst.Paths().gtResBase, models.Filename(i));
                      const std::string read = Gsb(m_inst.Paths(), file);
                      IniModelName(file, QStringLiteral("Name_GER"));
                      if (!file.contains(QRegularExpression(QStringLiteral("[^\\x00-\\x7f]"))))
                          text += models.Filename(i).toStdString() + read + " ";
                  }
                  return WithMessages(text);
              }),
              "\\immobilien\\normal.gsb1111 \\immobilien\\zz\\b.gsb1111  ");
}

// Beyond 32,767 nodes loading ends in an overflow error, never in a wrapped
// index that writes outside the trees; the largest tree that fits loads.
TEST_F(HostileTest, CategoryTreesBeyondTheirLimitsOverflow)
{
    QString sections;
    for (int i = 0; i < 40000; ++i)
        sections += QStringLiteral("[K%1]\nName_GER=K%1\nFilterSection=S%1\n").arg(i);
    m_inst.WriteText(QStringLiteral("Categories/Goods/index.ini"), QStringLiteral("[x]\n1=a.ini\n"));
    for (const auto& [last, expected] : {std::pair{40000, "error 6"}, {32767, "32767 0 0 0 0 0 0 0 0 "}}) {
        // Up to the section numbered last (there is no section 40000: the whole text).
        m_inst.WriteText(QStringLiteral("Categories/Goods/a.ini"), sections.left(sections.indexOf(QStringLiteral("[K%1]").arg(last))));
        m_inst.Activate();
        EXPECT_EQ(RunIsolated([&] { return CategoryCounts(m_inst.Paths()); }), expected) << expected;
    }
}
