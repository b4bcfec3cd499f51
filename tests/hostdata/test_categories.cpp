#include "hostdata/CCategories.h"

#include "TestInstallation.h"
#include "startup/KluniError.h"
#include "startup/ModuleState.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

namespace {

class CategoriesTest : public ::testing::Test {
protected:
    void SetUp() override { inst.Activate(); }

    // "index.ini" from its entry values.
    void WriteIndex(const QString& editorDir, const QStringList& values)
    {
        QString text = QStringLiteral("[Index]\n");
        for (const QString& v : values)
            text += QStringLiteral("E=") + v + QLatin1Char('\n');
        inst.WriteText("Categories/" + editorDir + "/index.ini", text);
    }

    // A category file whose sections are named and filtered by their own
    // name ("A1": Name_GER=A1, Name_ENG=A1_en, FilterSection=A1).
    void WriteCategories(const QString& editorDir, const QString& file, const QStringList& sections)
    {
        QString text;
        for (const QString& s : sections)
            text += QStringLiteral("[%1]\nName_GER=%1\nName_ENG=%1_en\nFilterSection=%1\n").arg(s);
        inst.WriteText("Categories/" + editorDir + '/' + file, text);
    }

    // Loads and describes editor 0 as "name<parent name" per node.
    QStringList LoadShape()
    {
        EXPECT_TRUE(cats.Init());
        QStringList shape;
        for (const CategoryNode& node : cats.Nodes(0))
            shape << node.Name + '<' + (node.Parent < 0 ? QString("-") : cats.Nodes(0).at(node.Parent).Name);
        return shape;
    }

    int InitError()
    {
        try {
            cats.Init();
        } catch (const KluniError& e) {
            return e.Number();
        }
        return 0;
    }

    TestInstallation inst;
    CCategories cats;
};

} // namespace

TEST_F(CategoriesTest, NestingFollowsCdInAndCdOut)
{
    WriteIndex("Goods", {"a.ini", "CDIn", "b.ini", "c.ini", "CDOut", "d.ini"});
    WriteCategories("Goods", "a.ini", {"A1", "A2"});
    WriteCategories("Goods", "b.ini", {"B1"});
    WriteCategories("Goods", "c.ini", {"C1", "C2"});
    WriteCategories("Goods", "d.ini", {"D1", "D2"});
    EXPECT_EQ(LoadShape(), (QStringList{"A1<-", "A2<A1", "B1<A1", "C1<A1", "C2<C1", "D1<-", "D2<D1"}));

    inst.WriteText("Goods/Kiste.ini", "[Kiste]\nName_GER=Holzkiste\n");
    const CategoryPlace place = cats.FindModel("C2", "\\goods\\kiste.gsb");
    EXPECT_EQ(place.editor, 0);
    EXPECT_EQ(place.categories, (QStringList{"A1", "C1", "C2"}));
    EXPECT_EQ(place.modelName, "Holzkiste");
    EXPECT_TRUE(cats.FindModel("Nirgends", "\\goods\\kiste.gsb").isEmpty());
}

TEST_F(CategoriesTest, DepthRules)
{
    // A file that cannot be opened leaves the depth alone; one that opens
    // without a section still ends a level; surplus "CDOut" is forgiven
    // before the next file.
    WriteIndex("Goods", {"a.ini", "CDIn", "missing.ini", "b.ini", "empty.ini", "c.ini", "CDOut", "CDOut", "d.ini"});
    for (const char* f : {"a", "b", "c", "d"})
        WriteCategories("Goods", QString(f) + ".ini", {QString(f).toUpper()});
    inst.WriteText("Categories/Goods/empty.ini", "; nothing\n");
    EXPECT_EQ(LoadShape(), (QStringList{"A<-", "B<A", "C<-", "D<-"}));

    // "CDIn" at depth -1 stores its node in stack element 0: later files hang below it.
    WriteIndex("Goods", {"a.ini", "CDOut", "CDIn", "b.ini", "c.ini"});
    EXPECT_EQ(LoadShape(), (QStringList{"A<-", "B<A", "C<A"}));

    // At depth -2 it is an index error.
    WriteIndex("Goods", {"a.ini", "CDOut", "CDOut", "CDIn", "b.ini"});
    EXPECT_EQ(InitError(), 9);
    EXPECT_TRUE(inst.Messages().Entries().isEmpty());
}

TEST_F(CategoriesTest, SixteenBitLimits)
{
    QString sections;
    for (int k = 0; k < 32767; ++k)
        sections += "[S]\n";
    WriteIndex("Goods", {"big.ini"});
    inst.WriteText("Categories/Goods/big.ini", sections);
    EXPECT_EQ(InitError(), 0);
    EXPECT_EQ(cats.Nodes(0).size(), 32767);
    inst.WriteText("Categories/Goods/big.ini", sections + "[one more]\n");
    EXPECT_EQ(InitError(), 6);

    QStringList deep(32767, "CDIn");
    WriteIndex("Goods", deep);
    EXPECT_EQ(InitError(), 0);
    WriteIndex("Goods", deep << "CDIn");
    EXPECT_EQ(InitError(), 6);
}

TEST_F(CategoriesTest, HighestEditorAndLastNodeWin)
{
    WriteIndex("Goods", {"g.ini"});
    WriteCategories("Goods", "g.ini", {"Shared"});
    WriteIndex("Track_objects_waterway", {"w.ini", "x.ini"});
    inst.WriteText("Categories/Track_objects_waterway/w.ini", "[W]\nName_GER=Boote\nFilterSection=Shared\n");
    inst.WriteText("Categories/Track_objects_waterway/x.ini", "[X]\nName_GER=Bojen\nFilterSection=Shared\n");
    ASSERT_TRUE(cats.Init());
    const CategoryPlace place = cats.FindModel("Shared", "\\wasser\\boje.gsb");
    EXPECT_EQ(place.editor, 8);
    EXPECT_EQ(place.categories, QStringList{"Bojen"});
    EXPECT_EQ(cats.CatName(place.editor), "Wasserwege");
    EXPECT_THROW(cats.CatName(9), KluniError);
}

TEST_F(CategoriesTest, BlankAndMissingNames)
{
    WriteIndex("Goods", {"a.ini"});
    inst.WriteText("Categories/Goods/a.ini",
                   "[Blank]\nName_GER=   \nFilterSection=Blank\n"
                   "[NoGerman]\nName_ENG=Only English\n"
                   "[Twice]\nName_GER=first\nName_GER=  second  \n");
    ASSERT_TRUE(cats.Init());
    const QVector<CategoryNode>& nodes = cats.Nodes(0);
    ASSERT_EQ(nodes.size(), 3);
    EXPECT_EQ(nodes[0].Name, "? ? ( --> \\Goods\\a.ini)");
    EXPECT_EQ(nodes[1].Name, "");
    EXPECT_EQ(nodes[2].Name, "second");
    // An empty section matches the last node without a filter.
    EXPECT_EQ(cats.FindModel("", "\\x\\y.gsb").categories, (QStringList{nodes[0].Name, "second"}));

    // A missing model ini file and one without a usable name both give the
    // placeholder with the ini file's name.
    inst.WriteText("Immobilien/Ohne.ini", "[x]\nName_GER=  \n");
    EXPECT_EQ(cats.FindModel("Blank", "\\immobilien\\haus1.gsb").modelName, "? ? ( --> \\haus1.ini)");
    EXPECT_EQ(cats.FindModel("Blank", "\\immobilien\\ohne.gsb").modelName, "? ? ( --> \\ohne.ini)");
}

TEST_F(CategoriesTest, SelfParentEndsTheWalk)
{
    // "CDIn" right after a file without sections pushes the index that the
    // next category gets: that category becomes its own parent.
    WriteIndex("Goods", {"a.ini", "empty.ini", "CDIn", "b.ini"});
    WriteCategories("Goods", "a.ini", {"A"});
    inst.WriteText("Categories/Goods/empty.ini", "");
    WriteCategories("Goods", "b.ini", {"B", "B2"});
    ASSERT_TRUE(cats.Init());
    EXPECT_EQ(cats.Nodes(0)[1].Parent, 1);
    EXPECT_EQ(cats.FindModel("B2", "\\a\\b.gsb").categories, (QStringList{"B", "B2"}));
}

TEST_F(CategoriesTest, LanguageChangeReloads)
{
    WriteIndex("Static_structures", {"a.ini", "CDIn", "b.ini"});
    WriteCategories("Static_structures", "a.ini", {"Top"});
    WriteCategories("Static_structures", "b.ini", {"Leaf"});
    ASSERT_TRUE(cats.Init());
    gMod.gtNameKey = "Name_ENG";
    ASSERT_TRUE(cats.Init());
    const CategoryPlace place = cats.FindModel("Leaf", "\\a\\b.gsb");
    EXPECT_EQ(place.editor, 4);
    EXPECT_EQ(place.categories, (QStringList{"Top_en", "Leaf_en"}));
    EXPECT_EQ(cats.Nodes(4).size(), 2);   // replaced, not appended
}

// FindModel looks filters up in an index; it must find what the plain scan
// finds (the highest editor using the filter, its last such node) on random
// trees where filters repeat within and across editors.
TEST_F(CategoriesTest, FilterLookupEqualsPlainScan)
{
    QRandomGenerator random(5);
    const QStringList filters{"F0", "F1", "F2", "F3", "F4", "F5", ""};
    for (int round = 0; round < 20; ++round) {
        for (qint16 e = 0; e < CCategories::kEditorCount; ++e) {
            const QString dir = cats.EditorDir(e);
            QStringList index;
            for (int f = random.bounded(4); f > 0; --f) {
                const QString file = QStringLiteral("r%1_%2.ini").arg(round).arg(f);
                index << file;
                QString text;
                for (int s = random.bounded(4); s > 0; --s) {
                    text += QStringLiteral("[S]\nName_GER=%1_%2_%3\n").arg(e).arg(f).arg(s);
                    const QString filter = filters[random.bounded(int(filters.size()))];
                    if (!filter.isEmpty() || random.bounded(2))
                        text += QStringLiteral("FilterSection=%1\n").arg(filter);
                }
                inst.WriteText("Categories/" + dir + '/' + file, text);
            }
            WriteIndex(dir, index);
        }
        ASSERT_TRUE(cats.Init());
        for (const QString& filter : filters + QStringList{"Nirgends"}) {
            qint16 editor = -1;
            qsizetype node = -1;
            for (qint16 e = CCategories::kEditorCount - 1; e >= 0 && editor < 0; --e) {
                for (qsizetype j = cats.Nodes(e).size() - 1; j >= 0; --j) {
                    if (cats.Nodes(e).at(j).Filter == filter) {
                        editor = e;
                        node = j;
                        break;
                    }
                }
            }
            const CategoryPlace place = cats.FindModel(filter, QStringLiteral("\\x\\y.gsb"));
            ASSERT_EQ(place.editor, editor) << qPrintable(filter) << " round " << round;
            if (editor >= 0) {
                EXPECT_EQ(place.categories.last(), cats.Nodes(editor).at(node).Name) << qPrintable(filter);
            }
        }
    }
}

// The trees read side by side must equal the trees read one by one, also when
// a tree ends in an error: the trees before it in place, the failing one as
// far as it got, the ones after it as they were before the load.
TEST_F(CategoriesTest, ParallelLoadEqualsLoadOneByOne)
{
    const QStringList faults[] = {
        {},
        QStringList(32768, "CDIn"),           // parent stack overflows (16 bits)
        QStringList(32769, "CDOut"),          // depth underflows (16 bits)
        {"CDOut", "CDOut", "CDIn"},           // parent-stack index below 0
    };
    const auto describe = [](const CCategories& c, int error) {
        QStringList out{QString::number(error)};
        for (qint16 e = 0; e < CCategories::kEditorCount; ++e)
            for (const CategoryNode& n : c.Nodes(e))
                out << QStringLiteral("%1 %2 %3 %4").arg(e).arg(n.Parent).arg(n.Filter, n.Name);
        return out;
    };
    const auto init = [](CCategories& c, int threads) {
        try {
            c.Init(threads);
        } catch (const KluniError& e) {
            return e.Number();
        }
        return 0;
    };
    QRandomGenerator random(7);
    CCategories oneByOne;
    CCategories parallel;
    for (int round = 0; round < 12; ++round) {
        const int faulty = round == 0 ? -1 : random.bounded(CCategories::kEditorCount);
        for (qint16 e = 0; e < CCategories::kEditorCount; ++e) {
            const QString dir = cats.EditorDir(e);
            QStringList index;
            for (int f = random.bounded(6); f > 0; --f) {
                const int pick = random.bounded(8);
                if (pick < 2) {
                    index << (pick == 0 ? "CDIn" : "CDOut");
                    continue;
                }
                const QString file = QStringLiteral("r%1_%2.ini").arg(round).arg(f);
                index << (pick == 2 ? "fehlt.ini" : file);
                QStringList sections;
                for (int s = random.bounded(4); s > 0; --s)
                    sections << QStringLiteral("S%1_%2_%3_%4").arg(round).arg(e).arg(f).arg(s);
                WriteCategories(dir, file, sections);
            }
            if (e == faulty)
                index = faults[round % 4] + index;
            WriteIndex(dir, index);
        }
        const int serialError = init(oneByOne, 1);
        EXPECT_EQ(serialError != 0, round % 4 != 0 && faulty >= 0) << "round " << round;
        EXPECT_EQ(describe(parallel, init(parallel, 4)), describe(oneByOne, serialError)) << "round " << round;
    }
}
