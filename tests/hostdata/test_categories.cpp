#include "hostdata/CCategories.h"

#include "TestInstallation.h"
#include "startup/KluniError.h"
#include "startup/ModuleState.h"

#include <gtest/gtest.h>

namespace {

// An installation whose editors are written by the test; indexes are given as
// the list of entry values of "index.ini".
class CategoriesTest : public ::testing::Test {
protected:
    void SetUp() override { inst.Activate(); }

    void WriteIndex(const QString& editorDir, const QStringList& values)
    {
        QString text = QStringLiteral("[Index]\n");
        for (qsizetype k = 0; k < values.size(); ++k)
            text += QStringLiteral("E%1=%2\n").arg(k).arg(values[k]);
        inst.WriteText(QStringLiteral("Categories/") + editorDir + QStringLiteral("/index.ini"), text);
    }

    // A category file whose sections have a German name and a filter equal to
    // their name ("A1" -> Name_GER=A1, FilterSection=A1).
    void WriteCategories(const QString& editorDir, const QString& file, const QStringList& sections)
    {
        QString text;
        for (const QString& s : sections)
            text += QStringLiteral("[%1]\nName_GER=%1\nName_ENG=%1_en\nFilterSection=%1\n").arg(s);
        inst.WriteText(QStringLiteral("Categories/") + editorDir + QLatin1Char('/') + file, text);
    }

    // "name<parent name" per node, "-" for a top-level node.
    static QStringList Shape(const CCategories& cats, qint16 editor)
    {
        const QVector<CategoryNode>& nodes = cats.Nodes(editor);
        QStringList shape;
        for (const CategoryNode& node : nodes) {
            const QString parent = node.Parent < 0 ? QStringLiteral("-") : nodes.at(node.Parent).Name;
            shape << node.Name + QLatin1Char('<') + parent;
        }
        return shape;
    }

    TestInstallation inst;
};

} // namespace

TEST_F(CategoriesTest, NestingFollowsCdInAndCdOut)
{
    WriteIndex("Goods", {"a.ini", "CDIn", "b.ini", "c.ini", "CDOut", "d.ini"});
    WriteCategories("Goods", "a.ini", {"A1", "A2"});
    WriteCategories("Goods", "b.ini", {"B1"});
    WriteCategories("Goods", "c.ini", {"C1", "C2", "C3"});
    WriteCategories("Goods", "d.ini", {"D1", "D2"});

    CCategories cats;
    ASSERT_TRUE(cats.Init());
    EXPECT_EQ(Shape(cats, 0),
              (QStringList{"A1<-", "A2<A1", "B1<A1", "C1<A1", "C2<C1", "C3<C1", "D1<-", "D2<D1"}));
    for (qint16 e = 1; e < CCategories::kEditorCount; ++e)
        EXPECT_TRUE(cats.Nodes(e).isEmpty()) << "editor " << e;

    inst.WriteText("Goods/Kiste.ini", "[Kiste]\nName_GER=Holzkiste\n");
    const CategoryPlace place = cats.FindModel("C2", "\\goods\\kiste.gsb");
    EXPECT_EQ(place.editor, 0);
    EXPECT_EQ(place.categories, (QStringList{"A1", "C1", "C2"}));
    EXPECT_EQ(place.modelName, "Holzkiste");
    EXPECT_TRUE(cats.FindModel("Nirgends", "\\goods\\kiste.gsb").isEmpty());
}

TEST_F(CategoriesTest, MissingAndUnreadableFilesAndDepthRules)
{
    // No index.ini anywhere: nine empty trees, no message.
    CCategories cats;
    ASSERT_TRUE(cats.Init());
    for (qint16 e = 0; e < CCategories::kEditorCount; ++e)
        EXPECT_TRUE(cats.Nodes(e).isEmpty());

    // A file that cannot be opened leaves the depth alone; one that opens
    // without any section still ends a level; surplus "CDOut" is forgiven
    // before the next file.
    WriteIndex("Signals", {"a.ini", "CDIn", "missing.ini", "b.ini", "empty.ini", "c.ini",
                           "CDOut", "CDOut", "CDOut", "d.ini"});
    WriteCategories("Signals", "a.ini", {"A"});
    WriteCategories("Signals", "b.ini", {"B"});
    inst.WriteText("Categories/Signals/empty.ini", "; nothing here\n");
    WriteCategories("Signals", "c.ini", {"C"});
    WriteCategories("Signals", "d.ini", {"D"});
    ASSERT_TRUE(cats.Init());
    EXPECT_EQ(Shape(cats, 3), (QStringList{"A<-", "B<A", "C<-", "D<-"}));
    EXPECT_TRUE(inst.Messages().Entries().isEmpty());
}

TEST_F(CategoriesTest, CdInWhileDepthIsMinusOneAdoptsFollowingFiles)
{
    // After a.ini the depth is 0; "CDOut" makes it -1, and "CDIn" then stores
    // a.ini's node in stack element 0, so later files hang below it.
    WriteIndex("Goods", {"a.ini", "CDOut", "CDIn", "b.ini", "c.ini"});
    WriteCategories("Goods", "a.ini", {"A"});
    WriteCategories("Goods", "b.ini", {"B"});
    WriteCategories("Goods", "c.ini", {"C"});
    CCategories cats;
    ASSERT_TRUE(cats.Init());
    EXPECT_EQ(Shape(cats, 0), (QStringList{"A<-", "B<A", "C<A"}));
}

TEST_F(CategoriesTest, CdInBelowMinusOneIsAnIndexError)
{
    WriteIndex("Goods", {"a.ini", "CDOut", "CDOut", "CDIn", "b.ini"});
    WriteCategories("Goods", "a.ini", {"A"});
    WriteCategories("Goods", "b.ini", {"B"});
    CCategories cats;
    try {
        cats.Init();
        FAIL() << "no error";
    } catch (const KluniError& e) {
        EXPECT_EQ(e.Number(), 9);
    }
}

TEST_F(CategoriesTest, SixteenBitLimitsOverflow)
{
    QString many;
    for (int k = 0; k < 32768; ++k)
        many += QStringLiteral("[S]\n");
    WriteIndex("Goods", {"big.ini"});
    inst.WriteText("Categories/Goods/big.ini", many);
    CCategories cats;
    try {
        cats.Init();
        FAIL() << "32768 categories in one editor did not overflow";
    } catch (const KluniError& e) {
        EXPECT_EQ(e.Number(), 6);
    }

    // 32767 categories are still fine.
    inst.WriteText("Categories/Goods/big.ini", many.mid(4));
    ASSERT_TRUE(cats.Init());
    EXPECT_EQ(cats.Nodes(0).size(), 32767);

    // So is a nesting of 32767 levels, but not one level more.
    QStringList deep(32768, QStringLiteral("CDIn"));
    WriteIndex("Goods", deep);
    try {
        cats.Init();
        FAIL() << "32768 levels did not overflow";
    } catch (const KluniError& e) {
        EXPECT_EQ(e.Number(), 6);
    }
    deep.removeLast();
    WriteIndex("Goods", deep);
    EXPECT_TRUE(cats.Init());
}

TEST_F(CategoriesTest, HighestEditorAndLastNodeWin)
{
    WriteIndex("Goods", {"g.ini"});
    inst.WriteText("Categories/Goods/g.ini", "[G]\nName_GER=Kisten\nFilterSection=Shared\n");
    WriteIndex("Track_objects_waterway", {"w.ini", "x.ini"});
    inst.WriteText("Categories/Track_objects_waterway/w.ini", "[W]\nName_GER=Boote\nFilterSection=Shared\n");
    inst.WriteText("Categories/Track_objects_waterway/x.ini", "[X]\nName_GER=Bojen\nFilterSection=Shared\n");
    CCategories cats;
    ASSERT_TRUE(cats.Init());
    const CategoryPlace place = cats.FindModel("Shared", "\\wasser\\boje.gsb");
    EXPECT_EQ(place.editor, 8);
    EXPECT_EQ(place.categories, QStringList{"Bojen"});
    EXPECT_EQ(cats.CatName(place.editor), "Wasserwege");
}

TEST_F(CategoriesTest, BlankAndMissingNames)
{
    WriteIndex("Goods", {"a.ini"});
    inst.WriteText("Categories/Goods/a.ini",
                   "[Blank]\nName_GER=   \nFilterSection=Blank\n"
                   "[NoGerman]\nName_ENG=Only English\nFilterSection=NoGerman\n"
                   "[Twice]\nName_GER=first\nName_GER=  second  \nFilterSection= spaced \n");
    CCategories cats;
    ASSERT_TRUE(cats.Init());
    const QVector<CategoryNode>& nodes = cats.Nodes(0);
    ASSERT_EQ(nodes.size(), 3);
    EXPECT_EQ(nodes[0].Name, "? ? ( --> \\Goods\\a.ini)");
    EXPECT_EQ(nodes[1].Name, "");
    EXPECT_EQ(nodes[2].Name, "second");

    // Model names: missing ini file and ini file without a usable name both
    // give the placeholder with the ini file's name.
    inst.WriteText("Immobilien/Ohne.ini", "[x]\nName_GER=  \n");
    EXPECT_EQ(cats.FindModel("Blank", "\\immobilien\\haus1.gsb").modelName, "? ? ( --> \\haus1.ini)");
    EXPECT_EQ(cats.FindModel("Blank", "\\immobilien\\ohne.gsb").modelName, "? ? ( --> \\ohne.ini)");
    // Every node here has a filter, so an empty section matches none.
    EXPECT_TRUE(cats.FindModel("", "\\x\\y.gsb").isEmpty());
}

TEST_F(CategoriesTest, SelfParentAndCycleDoNotHang)
{
    // "CDIn" right after a file without sections pushes the index that the
    // next category gets: that category becomes its own parent.
    WriteIndex("Goods", {"a.ini", "empty.ini", "CDIn", "b.ini"});
    WriteCategories("Goods", "a.ini", {"A"});
    inst.WriteText("Categories/Goods/empty.ini", "");
    WriteCategories("Goods", "b.ini", {"B", "B2"});
    CCategories cats;
    ASSERT_TRUE(cats.Init());
    ASSERT_EQ(cats.Nodes(0).size(), 3);
    EXPECT_EQ(cats.Nodes(0)[1].Parent, 1);
    EXPECT_EQ(cats.FindModel("B", "\\a\\b.gsb").categories, QStringList{"B"});
    EXPECT_EQ(cats.FindModel("B2", "\\a\\b.gsb").categories, (QStringList{"B", "B2"}));
}

TEST_F(CategoriesTest, LanguageChangeKeepsTheChain)
{
    WriteIndex("Static_structures", {"a.ini", "CDIn", "b.ini"});
    WriteCategories("Static_structures", "a.ini", {"Top"});
    WriteCategories("Static_structures", "b.ini", {"Leaf"});
    CCategories cats;
    ASSERT_TRUE(cats.Init());
    EXPECT_EQ(cats.FindModel("Leaf", "\\a\\b.gsb").categories, (QStringList{"Top", "Leaf"}));
    gMod.gtNameKey = QStringLiteral("Name_ENG");
    ASSERT_TRUE(cats.Init());
    const CategoryPlace place = cats.FindModel("Leaf", "\\a\\b.gsb");
    EXPECT_EQ(place.editor, 4);
    EXPECT_EQ(place.categories, (QStringList{"Top_en", "Leaf_en"}));
    EXPECT_EQ(cats.Nodes(4).size(), 2);   // reloaded, not appended
}

TEST(CCategories, EditorTable)
{
    CCategories cats;
    EXPECT_EQ(cats.CatName(0), "Güter");
    EXPECT_EQ(cats.CatName(5), "Straßeneditor");
    EXPECT_EQ(cats.EditorDir(6), "Track_objects_track");
    EXPECT_THROW(cats.CatName(9), KluniError);
    EXPECT_THROW(cats.CatName(-1), KluniError);
}
