// The demo generator's guarantees (the same seed gives the same files, the
// output directory is handled with care, large installations keep their
// shape) and what the program makes of its installation: each deliberate
// fault shows where the user meets it.

#include "CategoryPlanner.h"
#include "DemoError.h"
#include "DemoGenerator.h"
#include "ModelPlanner.h"
#include "ModelsIniWriter.h"
#include "NameFactory.h"
#include "ScopedResBase.h"
#include "TestInstallation.h"
#include "hostdata/CCategories.h"
#include "hostdata/CGsb.h"
#include "hostdata/CModels.h"
#include "hostdata/ModelScanner.h"
#include "hostdata/SearchRun.h"
#include "hostdata/Searches.h"
#include "platform/ReadAhead.h"
#include "platform/TextCodec.h"
#include "startup/modMain.h"
#include "startup/modTools.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QScopeGuard>
#include <QSet>
#include <memory>
#include <gtest/gtest.h>

namespace {

// Relative path -> hash of the contents, for every file the generator writes.
QHash<QString, QByteArray> Generate(const QString& dir, int models, quint64 seed)
{
    const DemoOptions options{dir, models, seed};
    DemoGenerator::Write(options, DemoGenerator::MakePlan(options));
    QHash<QString, QByteArray> files;
    QDirIterator it(DemoGenerator::ResourcenDir(dir), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
        files.insert(file.fileName().mid(dir.size()), QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1));
    }
    return files;
}

int Depth(const QVector<CategoryFile>& files)
{
    int depth = 0;
    for (const CategoryFile& file : files)
        if (!file.children.isEmpty())
            depth = qMax(depth, 1 + Depth(file.children));
    return depth;
}

QStringList Sorted(QStringList list)
{
    list.sort();
    return list;
}

} // namespace

// Names handed out differ also when compared without case, as file names on Windows.
TEST(DemoGenerator, UniqueNamesIgnoreCase)
{
    UniqueNames names;
    const QStringList taken = {names.Take("haus_2"), names.Take("Haus"), names.Take("Haus"), names.Take("HAUS")};
    EXPECT_EQ(taken, QStringList({"haus_2", "Haus", "Haus_3", "HAUS_4"}));
}

TEST(DemoGenerator, SameSeedGivesTheSameFilesAnotherSeedOthers)
{
    QTemporaryDir a, b, c;
    const QHash<QString, QByteArray> first = Generate(a.path(), 40, 5);
    EXPECT_GT(first.size(), 100);
    EXPECT_EQ(Generate(b.path(), 40, 5), first);
    EXPECT_NE(Generate(c.path(), 40, 6), first);
}

TEST(DemoGenerator, ReplacesItsOwnDemoAndRefusesAnyOtherResourcen)
{
    QTemporaryDir dir;
    DemoOptions options{dir.path(), DemoOptions::kMinModels, 1, true};
    const DemoPlan plan = DemoGenerator::MakePlan(options);
    QDir().mkpath(DemoGenerator::ResourcenDir(dir.path()));   // an empty one is taken
    DemoGenerator::Write(options, plan);
    EXPECT_TRUE(QFile::exists(dir.filePath("Resourcen.Pak")));
    QFile(dir.filePath("Resourcen/stray.txt")).open(QIODevice::WriteOnly);
    options.pak = false;
    DemoGenerator::Write(options, plan);
    EXPECT_FALSE(QFile::exists(dir.filePath("Resourcen.Pak")));
    EXPECT_FALSE(QFile::exists(dir.filePath("Resourcen/stray.txt")));
    EXPECT_TRUE(QFile::exists(dir.filePath("Resourcen/Categories/Models.ini")));

    QTemporaryDir foreign;
    QDir().mkpath(foreign.filePath("Resourcen"));
    QFile(foreign.filePath("Resourcen/Models.ini")).open(QIODevice::WriteOnly);
    options.outDir = foreign.path();
    EXPECT_THROW(DemoGenerator::Write(options, plan), DemoError);
    EXPECT_TRUE(QFile::exists(foreign.filePath("Resourcen/Models.ini")));
    EXPECT_FALSE(QFile::exists(foreign.filePath("Resourcen/Categories")));
}

TEST(DemoGenerator, LargePlanKeepsTheShapeOfARealInstallationInWindows1252)
{
    const DemoPlan plan = DemoGenerator::MakePlan(DemoOptions{QString(), 20000});
    ASSERT_EQ(plan.models.size(), 20000);
    const auto survives = [](const QString& text) { return TextCodec::DecodeCp1252(TextCodec::EncodeCp1252(text)) == text; };
    const Lang langs[] = {Lang::Ger, Lang::Eng, Lang::Fra, Lang::Pol};

    // About one category per five models, every editor within the 16-bit
    // limits of the program, nested through CDIn; filter sections unique.
    EXPECT_GT(plan.categories.size(), 3500);
    EXPECT_LT(plan.categories.size(), 4500);
    QVector<int> perEditor(plan.editorFiles.size(), 0);
    QSet<QString> sections;
    for (const PlannedCategory& category : plan.categories) {
        ++perEditor[category.editor];
        sections.insert(category.filterSection);
        for (const Lang lang : langs)
            EXPECT_TRUE(survives(category.name.In(lang))) << qPrintable(category.name.In(lang));
    }
    EXPECT_EQ(sections.size(), plan.categories.size());
    for (int e = 0; e < perEditor.size(); ++e) {
        EXPECT_GE(perEditor[e], CategoryPlanner::kMinPerEditor) << e;
        EXPECT_LT(perEditor[e], 32767) << e;
        EXPECT_GE(Depth(plan.editorFiles[e]), 2) << e;
        EXPECT_LE(Depth(plan.editorFiles[e]), CategoryPlanner::kMaxDepth) << e;
    }
    // Unique paths, directories of realistic size, names the program can read.
    QSet<QString> paths;
    QHash<QString, int> perDirectory;
    for (const PlannedModel& model : plan.models) {
        paths.insert(model.GsbPath().toLower());
        EXPECT_LE(++perDirectory[model.dir.toLower()], ModelPlanner::kMaxPerDirectory) << qPrintable(model.dir);
        EXPECT_TRUE(survives(model.GsbPath())) << qPrintable(model.GsbPath());
        for (const Lang lang : langs)
            EXPECT_TRUE(survives(model.name.In(lang))) << qPrintable(model.name.In(lang));
        for (const QString& mod2 : model.mod2)
            EXPECT_TRUE(CGsb::IsMod2Name(mod2)) << qPrintable(mod2);
    }
    EXPECT_EQ(paths.size(), plan.models.size());
}

// One generated demo installation for the suite (writing it is the slow
// part), with the program's state pointed at it and the check passed for each test.
class GeneratedDemo : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = std::make_unique<QTemporaryDir>();
        const DemoOptions options{s_dir->path(), 300, 11};
        s_plan = std::make_unique<DemoPlan>(DemoGenerator::MakePlan(options));
        DemoGenerator::Write(options, *s_plan);
    }
    static void TearDownTestSuite() { s_plan.reset(), s_dir.reset(); }
    void SetUp() override
    {
        const ScopedResBase resBase(DemoGenerator::ResourcenDir(s_dir->path()));
        const InstallationCheck check = CheckInstallation();
        ASSERT_TRUE(check.installation);
        installation = check.installation;
        EXPECT_TRUE(inst.Messages().Entries().isEmpty() && check.pakNotice.isEmpty() && installation->gbModelsDirOk);
    }
    SearchInput Input() const { return SearchInput{installation, CModels(), false, QStringLiteral("Name_GER")}; }
    // The models that a scan of the six roots finds, with their sections.
    CModels ScanOfTheRoots() const
    {
        SearchProgress progress;
        SearchRun run(Input(), progress);
        ModelScanner scanner(run.Models(), run.Job());
        for (const QString& root : Searches::DateSearchRoots())
            scanner.ScanDirectory(JoinPath(installation->gtResBase, root));
        EXPECT_TRUE(run.Models().SetSection(run.Job(), 0));
        return run.Models();
    }
    const DemoPlan& Plan() const { return *s_plan; }
    const PlannedModel& Model(const QString& gsbPath) const
    {
        return *std::find_if(Plan().models.begin(), Plan().models.end(), [&](const auto& m) { return m.GsbPath() == gsbPath; });
    }
    // The catalogue's form of a model's file as Models.ini lists it.
    static QString Listed(const PlannedModel& model) { return ModelsIniWriter::EntryValue(model).toLower(); }
    int CategoryOf(const QString& section) const
    {
        for (int c = 0; c < Plan().categories.size(); ++c)
            if (Plan().categories[c].filterSection == section)
                return c;
        return -1;
    }

    TestInstallation inst;   // drive table, messages, settings; its own directory stays unused
    std::shared_ptr<const Installation> installation;
    static inline std::unique_ptr<QTemporaryDir> s_dir;
    static inline std::unique_ptr<DemoPlan> s_plan;
};

TEST_F(GeneratedDemo, SearchesAndScanMeetEachPlannedOddity)
{
    const DemoOddities& odd = Plan().oddities;
    QStringList missing, blank, unlisted;
    for (const QString& path : odd.missingIni)
        missing << Listed(Model(path)).chopped(4) + ".ini";
    for (const QString& path : odd.blankNameIni)
        blank << Listed(Model(path)).chopped(4) + ".ini";
    for (const QString& path : odd.notInModelsIni + odd.upperCaseExtension)
        unlisted << ('\\' + path).toLower();
    int entries = 0, records = 0;
    for (const PlannedModel& model : Plan().models)
        entries += int(model.sections.size()), records += qMax(1, int(model.sections.size()));
    ASSERT_FALSE(missing.isEmpty() || blank.isEmpty() || unlisted.isEmpty());

    SearchProgress progress;
    const SearchOutput all = Searches::ByName(Input(), progress, 0, QString(), NameSource::Ini);
    ASSERT_TRUE(all.result);
    EXPECT_EQ(all.models.Count(), entries);
    EXPECT_EQ(Sorted(all.problems.gcolMissingIni), Sorted(missing));
    EXPECT_EQ(all.problems.glMissingIni, missing.size());
    EXPECT_EQ(Sorted(all.problems.gcolNoNameIni), Sorted(blank));
    EXPECT_EQ(all.problems.glNoNameIni, blank.size());

    // A name search finds a model under each of its sections, in Models.ini
    // order (which follows the categories); unlisted models not at all.
    for (const QString& path : odd.twoSections + odd.unknownSection + odd.notInModelsIni + odd.upperCaseExtension) {
        const PlannedModel& model = Model(path);
        const CModels models = Searches::ByName(Input(), progress, 1, model.stem, NameSource::Both).models;
        QStringList expected = model.sections, found;
        std::sort(expected.begin(), expected.end(), [&](auto& a, auto& b) { return CategoryOf(a) < CategoryOf(b); });
        for (QString& section : expected)
            section += '|' + Listed(model);
        for (qint32 i = 0; i < models.Count(); ++i)
            found << models.Section(i) + '|' + models.Filename(i);
        EXPECT_EQ(found, expected) << qPrintable(path);
        EXPECT_EQ(found.size(), odd.twoSections.contains(path) ? 2 : odd.unknownSection.contains(path) ? 1 : 0);
        if (odd.unknownSection.contains(path)) {
            EXPECT_EQ(model.sections, QStringList{odd.unknownSectionName});
        }
    }

    // A scan of the six roots finds every model; only the unlisted ones stay dropped.
    const CModels models = ScanOfTheRoots();
    QStringList dropped;
    for (qint32 i = 0; i < models.Count(); ++i)
        if (models.Section(i) == DroppedSection())
            dropped << models.Filename(i);
    EXPECT_EQ(Sorted(dropped), Sorted(unlisted));
    EXPECT_EQ(models.Count(), records);
}

// Reading ahead (forced on: a warm cache never starts it) changes no record
// and no problem list: the ini-name search reads files ahead, the scan directories.
TEST_F(GeneratedDemo, ReadingAheadChangesNothingFound)
{
    const auto run = [this] {
        SearchProgress progress;
        const SearchOutput search = Searches::ByName(Input(), progress, 0, QString(), NameSource::Both);
        QStringList found{search.problems.gcolMissingIni.join('|'), search.problems.gcolNoNameIni.join('|')};
        for (const CModels& models : {search.models, ScanOfTheRoots()})
            for (qint32 i = 0; i < models.Count(); ++i)
                found << models.Section(i) + '|' + models.Filename(i);
        return found;
    };
    const QStringList plain = run();
    ReadAhead::ForceActiveForTests(true);
    const auto restore = qScopeGuard([] { ReadAhead::ForceActiveForTests(false); });
    EXPECT_EQ(run(), plain);
}

TEST_F(GeneratedDemo, EveryListedModelHasItsPlannedCategoryPlaceInEachLanguage)
{
    CCategories categories;
    for (const Lang lang : {Lang::Ger, Lang::Pol}) {
        ASSERT_TRUE(categories.Init(*installation, NameKey(lang)));
        for (const PlannedModel& model : Plan().models) {
            for (const QString& section : model.sections) {
                const CategoryPlace place = categories.FindModel(section, Listed(model));
                const int category = CategoryOf(section);
                ASSERT_EQ(place.editor, category < 0 ? -1 : Plan().categories[category].editor) << qPrintable(section);
                // The names of the chain from the top down: blank names show the file, a missing one nothing.
                QStringList chain;
                for (int c = category; c >= 0; c = Plan().categories[c].parent) {
                    const PlannedCategory& cat = Plan().categories[c];
                    chain.prepend(cat.blankName ? QString("? ? ( --> \\%1\\%2)").arg(Vocabulary::Editors()[cat.editor].categoryDir, cat.file)
                                  : cat.missingLang == int(lang) ? QString() : cat.name.In(lang));
                }
                EXPECT_EQ(place.categories, chain) << qPrintable(section);
                if (model.ini == IniKind::Normal && lang == Lang::Ger && category >= 0) {
                    EXPECT_EQ(place.modelName, model.name.ger) << qPrintable(model.GsbPath());
                }
            }
        }
    }
    ASSERT_FALSE(Plan().oddities.blankNameCategories.isEmpty() || Plan().oddities.missingNameCategories.isEmpty());
}

TEST_F(GeneratedDemo, GsbFilesNameExactlyTheirMod2FilesAndTheMissingOnesCount)
{
    int modelsWithMissing = 0;
    for (const PlannedModel& model : Plan().models) {
        CGsb gsb;
        ASSERT_TRUE(gsb.Init(JoinPath(installation->gtResBase, model.GsbPath()), installation->gtModelsDir))
            << qPrintable(model.GsbPath());
        QSet<QString> found, planned;
        for (qint32 i = 1; i <= gsb.Count(); ++i)
            found.insert(gsb.Mod2Name(i).toLower());
        for (const QString& name : model.mod2)
            planned.insert(name.toLower());
        EXPECT_EQ(found, planned) << qPrintable(model.GsbPath());
        EXPECT_EQ(gsb.CountMissing(), model.missingMod2.size()) << qPrintable(model.GsbPath());
        modelsWithMissing += gsb.CountMissing() > 0 ? 1 : 0;
    }
    EXPECT_EQ(modelsWithMissing, Plan().oddities.missingMod2.size());
}
