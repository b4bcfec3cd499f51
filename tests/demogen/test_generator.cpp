// The generator itself: the same seed gives the same files, the output
// directory is handled with care, and large installations keep their shape.

#include "CategoryPlanner.h"
#include "DemoError.h"
#include "DemoGenerator.h"
#include "GeneratedDemo.h"
#include "ModelPlanner.h"
#include "hostdata/CGsb.h"
#include "platform/TextCodec.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Relative path -> hash of the contents, for every file below a directory.
QHash<QString, QByteArray> Snapshot(const QString& root)
{
    QHash<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            ADD_FAILURE() << "cannot read " << qPrintable(path);
        files.insert(QDir(root).relativeFilePath(path),
                     QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1));
    }
    return files;
}

QHash<QString, QByteArray> Generate(const QString& dir, int models, quint64 seed)
{
    const DemoOptions options = DemoIn(dir, models, seed);
    DemoGenerator::Write(options, DemoGenerator::MakePlan(options));
    return Snapshot(DemoGenerator::ResourcenDir(dir));
}

bool RoundTripsCp1252(const QString& text)
{
    return TextCodec::DecodeCp1252(TextCodec::EncodeCp1252(text)) == text;
}

int Depth(const QVector<CategoryFile>& files)
{
    int depth = 0;
    for (const CategoryFile& file : files) {
        if (!file.children.isEmpty())
            depth = qMax(depth, 1 + Depth(file.children));
    }
    return depth;
}

} // namespace

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
    DemoOptions options = DemoIn(dir.path(), DemoOptions::kMinModels, 1, true);
    const DemoPlan plan = DemoGenerator::MakePlan(options);
    QDir().mkpath(DemoGenerator::ResourcenDir(dir.path()));   // an empty one is taken
    DemoGenerator::Write(options, plan);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Resourcen.Pak"))));
    QFile stray(dir.filePath(QStringLiteral("Resourcen/stray.txt")));
    ASSERT_TRUE(stray.open(QIODevice::WriteOnly));
    stray.close();

    options.pak = false;
    DemoGenerator::Write(options, plan);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Resourcen.Pak"))));
    EXPECT_FALSE(stray.exists());
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Resourcen/Categories/Models.ini"))));

    QTemporaryDir foreign;
    const QString precious = foreign.filePath(QStringLiteral("Resourcen/Models.ini"));
    QDir().mkpath(foreign.filePath(QStringLiteral("Resourcen")));
    QFile file(precious);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    options.outDir = foreign.path();
    EXPECT_THROW(DemoGenerator::Write(options, plan), DemoError);
    EXPECT_TRUE(QFile::exists(precious));
    EXPECT_FALSE(QFile::exists(foreign.filePath(QStringLiteral("Resourcen/Categories"))));
}

TEST(DemoGenerator, LargePlanKeepsTheShapeOfARealInstallation)
{
    DemoOptions options;
    options.models = 20000;
    const DemoPlan plan = DemoGenerator::MakePlan(options);
    ASSERT_EQ(plan.models.size(), 20000);

    // About one category per five models, every editor within the 16-bit
    // limits of the program, nested through CDIn.
    EXPECT_GT(plan.categories.size(), 3500);
    EXPECT_LT(plan.categories.size(), 4500);
    QVector<int> perEditor(plan.editorFiles.size(), 0);
    for (const PlannedCategory& category : plan.categories)
        ++perEditor[category.editor];
    for (int e = 0; e < perEditor.size(); ++e) {
        EXPECT_GE(perEditor[e], CategoryPlanner::kMinPerEditor);
        EXPECT_LT(perEditor[e], 32767);
        EXPECT_GE(Depth(plan.editorFiles[e]), 2) << e;
        EXPECT_LE(Depth(plan.editorFiles[e]), CategoryPlanner::kMaxDepth) << e;
    }

    // Names unique where EEP needs them to be, directories of realistic size.
    QSet<QString> sections;
    for (const PlannedCategory& category : plan.categories)
        sections.insert(category.filterSection);
    EXPECT_EQ(sections.size(), plan.categories.size());
    QSet<QString> paths;
    QHash<QString, int> perDirectory;
    for (const PlannedModel& model : plan.models) {
        paths.insert(model.GsbPath().toLower());
        ++perDirectory[model.dir.toLower()];
    }
    EXPECT_EQ(paths.size(), plan.models.size());
    for (auto it = perDirectory.cbegin(); it != perDirectory.cend(); ++it)
        EXPECT_LE(it.value(), ModelPlanner::kMaxPerDirectory) << qPrintable(it.key());
}

TEST(DemoGenerator, EveryNameSurvivesWindows1252AndEveryMod2ReferenceIsReadable)
{
    DemoOptions options;
    options.models = 5000;
    const DemoPlan plan = DemoGenerator::MakePlan(options);
    for (const PlannedCategory& category : plan.categories) {
        for (const Lang lang : {Lang::Ger, Lang::Eng, Lang::Fra, Lang::Pol})
            EXPECT_TRUE(RoundTripsCp1252(category.name.In(lang))) << qPrintable(category.name.In(lang));
    }
    for (const PlannedModel& model : plan.models) {
        EXPECT_TRUE(RoundTripsCp1252(model.GsbPath())) << qPrintable(model.GsbPath());
        for (const Lang lang : {Lang::Ger, Lang::Eng, Lang::Fra, Lang::Pol})
            EXPECT_TRUE(RoundTripsCp1252(model.name.In(lang))) << qPrintable(model.name.In(lang));
        for (const QString& mod2 : model.mod2)
            EXPECT_TRUE(CGsb::IsMod2Name(mod2)) << qPrintable(mod2);
    }
}
