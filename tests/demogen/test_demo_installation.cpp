// What the program makes of the generated demo installation: it passes the
// installation check, and each deliberate fault shows where the user meets it.

#include "GeneratedDemo.h"

#include "ScopedEnv.h"
#include "hostdata/CCategories.h"
#include "hostdata/CGsb.h"
#include "hostdata/CModels.h"
#include "hostdata/ModelScanner.h"
#include "hostdata/Searches.h"
#include "startup/ModuleState.h"
#include "startup/modMain.h"
#include "startup/modTools.h"

#include <QSet>

namespace {

QStringList Sorted(QStringList list)
{
    list.sort();
    return list;
}

QString IniOf(const QString& gsbFile)
{
    return gsbFile.chopped(4) + QStringLiteral(".ini");
}

// The names a category chain shows in one language, from the top level down.
QStringList ExpectedChain(const DemoPlan& plan, int category, Lang lang)
{
    QStringList chain;
    for (int c = category; c >= 0; c = plan.categories[c].parent) {
        const PlannedCategory& cat = plan.categories[c];
        QString name = cat.name.In(lang);
        if (cat.blankName)
            name = QStringLiteral("? ? ( --> \\%1\\%2)").arg(Vocabulary::Editors()[cat.editor].categoryDir, cat.file);
        else if (cat.missingLang == int(lang))
            name.clear();
        chain.prepend(name);
    }
    return chain;
}

int CategoryOfSection(const DemoPlan& plan, const QString& section)
{
    for (int c = 0; c < plan.categories.size(); ++c) {
        if (plan.categories[c].filterSection == section)
            return c;
    }
    return -1;
}

} // namespace

TEST_F(GeneratedDemo, PassesTheInstallationCheckQuietly)
{
    EXPECT_TRUE(Messages().Entries().isEmpty());
    EXPECT_TRUE(gMod.gbModelsDirOk);
    EXPECT_TRUE(m_pakNotice.isEmpty());
}

TEST_F(GeneratedDemo, PakFileBesideResourcenGivesTheNotice)
{
    QTemporaryDir dir;
    const DemoOptions options = DemoIn(dir.path(), DemoOptions::kMinModels, 1, true);
    DemoGenerator::Write(options, DemoGenerator::MakePlan(options));

    const ScopedEnv resBase("KLUNI_RESBASE", DemoGenerator::ResourcenDir(dir.path()).toLocal8Bit());
    QString notice;
    ASSERT_TRUE(CheckInstallation(&notice));
    EXPECT_TRUE(notice.contains(QStringLiteral("Resourcen.Pak")));
    EXPECT_TRUE(Messages().Entries().isEmpty());
}

TEST_F(GeneratedDemo, SearchByIniNameListsTheIniProblems)
{
    QStringList missing;
    for (const QString& path : Plan().oddities.missingIni)
        missing.append(IniOf(ListedFile(ModelAt(path))));
    QStringList blank;
    for (const QString& path : Plan().oddities.blankNameIni)
        blank.append(IniOf(ListedFile(ModelAt(path))));
    int entries = 0;
    for (const PlannedModel& model : Plan().models)
        entries += int(model.sections.size());

    CModels models;
    ASSERT_TRUE(Searches::ByName(models, 0, QString(), NameSource::Ini));
    EXPECT_EQ(models.Count(), entries);
    EXPECT_EQ(Sorted(gMod.gcolMissingIni), Sorted(missing));
    EXPECT_EQ(gMod.glMissingIni, missing.size());
    EXPECT_EQ(Sorted(gMod.gcolNoNameIni), Sorted(blank));
    EXPECT_EQ(gMod.glNoNameIni, blank.size());
    ASSERT_FALSE(missing.isEmpty());
    ASSERT_FALSE(blank.isEmpty());
}

TEST_F(GeneratedDemo, NameSearchFindsListedModelsUnderEachOfTheirSections)
{
    CModels models;
    for (const QString& path : Plan().oddities.twoSections) {
        const PlannedModel& model = ModelAt(path);
        ASSERT_TRUE(models.FilterModels(1, model.stem, NameSource::Gsb));
        QStringList expected = model.sections;   // in Models.ini order, which follows the categories
        std::sort(expected.begin(), expected.end(), [&](const QString& a, const QString& b) {
            return CategoryOfSection(Plan(), a) < CategoryOfSection(Plan(), b);
        });
        ASSERT_EQ(models.Count(), 2) << qPrintable(path);
        EXPECT_EQ(models.Section(0), expected[0]);
        EXPECT_EQ(models.Section(1), expected[1]);
        EXPECT_EQ(models.Filename(1), ListedFile(model));
    }
    for (const QString& path : Plan().oddities.unknownSection) {
        ASSERT_TRUE(models.FilterModels(1, ModelAt(path).stem, NameSource::Gsb));
        ASSERT_EQ(models.Count(), 1) << qPrintable(path);
        EXPECT_EQ(models.Section(0), Plan().oddities.unknownSectionName);
    }
    for (const QString& path : Plan().oddities.notInModelsIni + Plan().oddities.upperCaseExtension) {
        ASSERT_TRUE(models.FilterModels(1, ModelAt(path).stem, NameSource::Both));
        EXPECT_EQ(models.Count(), 0) << qPrintable(path);
    }
}

TEST_F(GeneratedDemo, DirectoryScanFindsEveryModelAndKeepsOnlyUnlistedOnesDropped)
{
    CModels models;
    ModelScanner scanner(models);
    for (const QString& root : Searches::DateSearchRoots())
        scanner.ScanDirectory(JoinPath(gMod.gtResBase, root));
    ASSERT_TRUE(models.SetSection(0));

    QStringList expectedDropped;
    for (const QString& path : Plan().oddities.notInModelsIni + Plan().oddities.upperCaseExtension)
        expectedDropped.append(ScannedFile(ModelAt(path)));
    int expectedRecords = 0;
    for (const PlannedModel& model : Plan().models)
        expectedRecords += qMax(1, int(model.sections.size()));

    QStringList dropped;
    for (qint32 i = 0; i < models.Count(); ++i) {
        if (models.Section(i) == DroppedSection())
            dropped.append(models.Filename(i));
    }
    EXPECT_EQ(Sorted(dropped), Sorted(expectedDropped));
    EXPECT_EQ(models.Count(), expectedRecords);
}

TEST_F(GeneratedDemo, EveryListedModelHasItsPlannedCategoryPlace)
{
    CCategories categories;
    ASSERT_TRUE(categories.Init());
    for (const PlannedModel& model : Plan().models) {
        for (const QString& section : model.sections) {
            const CategoryPlace place = categories.FindModel(section, ListedFile(model));
            const int category = CategoryOfSection(Plan(), section);
            if (category < 0) {
                EXPECT_TRUE(place.isEmpty()) << qPrintable(section);
                continue;
            }
            ASSERT_FALSE(place.isEmpty()) << qPrintable(section);
            EXPECT_EQ(place.editor, Plan().categories[category].editor);
            EXPECT_EQ(place.categories, ExpectedChain(Plan(), category, Lang::Ger)) << qPrintable(section);
            if (model.ini == IniKind::Normal) {
                EXPECT_EQ(place.modelName, model.name.ger);
            }
        }
    }
}

TEST_F(GeneratedDemo, OddCategoryNamesShowInTheChosenLanguage)
{
    const DemoOddities& odd = Plan().oddities;
    ASSERT_FALSE(odd.blankNameCategories.isEmpty());
    ASSERT_FALSE(odd.missingNameCategories.isEmpty());
    CCategories categories;
    for (const Lang lang : {Lang::Ger, Lang::Pol}) {
        gMod.gtNameKey = NameKey(lang);
        ASSERT_TRUE(categories.Init());
        for (const int c : odd.blankNameCategories + odd.missingNameCategories) {
            const PlannedCategory& cat = Plan().categories[c];
            const CategoryPlace place = categories.FindModel(cat.filterSection, QStringLiteral("\\x.gsb"));
            ASSERT_FALSE(place.categories.isEmpty());
            const QString shown = place.categories.last();
            if (cat.blankName) {
                EXPECT_TRUE(shown.startsWith(QStringLiteral("? ? ( --> \\"))) << qPrintable(shown);
            } else {
                EXPECT_EQ(shown, lang == Lang::Ger ? QString() : cat.name.pol);
            }
        }
    }
}

TEST_F(GeneratedDemo, GsbFilesNameExactlyTheirMod2FilesAndTheMissingOnesCount)
{
    int modelsWithMissing = 0;
    for (const PlannedModel& model : Plan().models) {
        CGsb gsb;
        ASSERT_TRUE(gsb.Init(JoinPath(gMod.gtResBase, model.GsbPath()))) << qPrintable(model.GsbPath());
        QSet<QString> found;
        for (qint32 i = 1; i <= gsb.Count(); ++i)
            found.insert(gsb.Mod2Name(i).toLower());
        QSet<QString> planned;
        for (const QString& name : model.mod2)
            planned.insert(name.toLower());
        EXPECT_EQ(found, planned) << qPrintable(model.GsbPath());
        EXPECT_EQ(gsb.CountMissing(), model.missingMod2.size()) << qPrintable(model.GsbPath());
        modelsWithMissing += gsb.CountMissing() > 0 ? 1 : 0;
    }
    EXPECT_EQ(modelsWithMissing, Plan().oddities.missingMod2.size());
}
