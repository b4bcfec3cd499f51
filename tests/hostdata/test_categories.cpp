#include "hostdata/CCategories.h"

#include "TestInstallation.h"
#include "platform/WorkerThread.h"
#include "startup/KluniError.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

class CategoriesTest : public ::testing::Test {
protected:
    void SetUp() override { inst.Activate(); }

    // "index.ini" from its entry values.
    void WriteIndex(const QString& editorDir, const QStringList& values)
    {
        inst.WriteText("Categories/" + editorDir + "/index.ini", "[Index]\nE=" + values.join("\nE=") + '\n');
    }

    // Category files whose sections are named and filtered by their own name
    // ("A1": Name_GER=A1, Name_ENG=A1_en, FilterSection=A1): "a.ini:A1,A2".
    void WriteCategories(const QString& editorDir, const QStringList& files)
    {
        for (const QString& file : files) {
            QString text;
            for (const QString& s : file.section(':', 1).split(',', Qt::SkipEmptyParts))
                text += QString("[%1]\nName_GER=%1\nName_ENG=%1_en\nFilterSection=%1\n").arg(s);
            inst.WriteText("Categories/" + editorDir + '/' + file.section(':', 0, 0), text);
        }
    }

    // Editor 0 as "name<parent name" per node, or the error number.
    QStringList LoadShape()
    {
        try {
            EXPECT_TRUE(cats.Init(inst.Paths(), nameKey));
        } catch (const KluniError& e) {
            return {QString::number(e.Number())};
        }
        QStringList shape;
        for (const CategoryNode& node : cats.Nodes(0))
            shape << node.Name + '<' + (node.Parent < 0 ? QString("-") : cats.Nodes(0).at(node.Parent).Name);
        return shape;
    }

    TestInstallation inst;
    QString nameKey = "Name_GER";
    CCategories cats;
};

} // namespace

TEST_F(CategoriesTest, NestingFollowsCdInAndCdOut)
{
    WriteCategories("Goods", {"a.ini:A1,A2", "b.ini:B1", "c.ini:C1,C2", "d.ini:D1,D2", "empty.ini:"});
    inst.WriteText("Categories/Goods/big.ini", QString("[S]\n").repeated(32768));
    const struct { QStringList index, shape; } rows[] = {
        {{"a.ini", "CDIn", "b.ini", "c.ini", "CDOut", "d.ini"}, {"A1<-", "A2<A1", "B1<A1", "C1<A1", "C2<C1", "D1<-", "D2<D1"}},
        // A file that cannot be opened leaves the depth alone; one that opens without a
        // section still ends a level; surplus "CDOut" is forgiven before the next file.
        {{"a.ini", "CDIn", "missing.ini", "b.ini", "empty.ini", "c.ini", "CDOut", "CDOut", "d.ini"},
         {"A1<-", "A2<A1", "B1<A1", "C1<-", "C2<C1", "D1<-", "D2<D1"}},
        // "CDIn" at depth -1 stores its node in stack element 0: later files hang below it.
        {{"a.ini", "CDOut", "CDIn", "b.ini", "c.ini"}, {"A1<-", "A2<A1", "B1<A1", "C1<A1", "C2<C1"}},
        {{"a.ini", "CDOut", "CDOut", "CDIn", "b.ini"}, {"9"}},   // at depth -2 an index error
        // 32767 nodes and levels fit; one more overflows.
        {{"big.ini"}, {"6"}}, {QStringList(32767, "CDIn"), {}}, {QStringList(32768, "CDIn"), {"6"}},
        // "CDIn" right after a file without sections pushes the index the next category gets.
        {{"a.ini", "empty.ini", "CDIn", "b.ini", "c.ini"}, {"A1<-", "A2<A1", "B1<B1", "C1<B1", "C2<C1"}},
    };
    for (const auto& row : rows) {
        WriteIndex("Goods", row.index);
        EXPECT_EQ(LoadShape(), row.shape) << qPrintable(row.index.join(' ').left(80));
    }
    EXPECT_TRUE(inst.Messages().Entries().isEmpty());
    // A node that is its own parent ends the walk up.
    EXPECT_EQ(cats.FindModel("C2", "\\a\\b.gsb").categories, QStringList({"B1", "C1", "C2"}));
}

TEST_F(CategoriesTest, FindModelNamesEditorCategoriesAndModel)
{
    // Within a file the sections after the first hang below it.
    WriteIndex("Goods", {"g.ini", "CDIn", "blank.ini", "CDOut", "s.ini"});
    WriteCategories("Goods", {"g.ini:Top", "s.ini:Shared"});
    inst.WriteText("Categories/Goods/blank.ini", "[Blank]\nName_GER=   \nFilterSection=Blank\n[NoGerman]\nName_ENG=Only English\n"
                                                 "FilterSection=NoGerman\n[Twice]\nName_GER=first\nName_GER=  second  \n");
    WriteIndex("Track_objects_waterway", {"w.ini", "x.ini"});
    inst.WriteText("Categories/Track_objects_waterway/w.ini", "[W]\nName_GER=Boote\nFilterSection=Shared\n");
    inst.WriteText("Categories/Track_objects_waterway/x.ini", "[X]\nName_GER=Bojen\nFilterSection=Shared\n");
    inst.WriteText("Goods/Kiste.ini", "[Kiste]\nName_GER=Holzkiste\n");
    inst.WriteText("Goods/Ohne.ini", "[x]\nName_GER=  \n");
    ASSERT_TRUE(cats.Init(inst.Paths(), nameKey));
    const QString blank = "? ? ( --> \\Goods\\blank.ini)";
    const struct {
        QString filter, gsb;
        QString place;   // "editor: categories / model"
    } rows[] = {
        {"Shared", "\\wasser\\boje.gsb", "8: Bojen / ? ? ( --> \\boje.ini)"},   // highest editor, last node
        {"Top", "\\goods\\kiste.gsb", "0: Top / Holzkiste"},
        {"Blank", "\\goods\\ohne.gsb", "0: Top," + blank + " / ? ? ( --> \\ohne.ini)"},
        {"NoGerman", "\\goods\\kiste.gsb", "0: Top," + blank + ", / Holzkiste"},
        {"", "\\goods\\kiste.gsb", "0: Top," + blank + ",second / Holzkiste"},   // empty: the last node without a filter
        {"Nirgends", "\\goods\\kiste.gsb", "-1:  / "},
    };
    for (const auto& row : rows) {
        const CategoryPlace place = cats.FindModel(row.filter, row.gsb);
        EXPECT_EQ(QString::number(place.editor) + ": " + place.categories.join(',') + " / " + place.modelName, row.place)
            << qPrintable(row.filter);
    }
    EXPECT_EQ(cats.CatName(8), "Wasserwege");
    EXPECT_THROW(cats.CatName(9), KluniError);

    // A change of language reloads, replacing the nodes.
    nameKey = "Name_ENG";
    ASSERT_TRUE(cats.Init(inst.Paths(), nameKey));
    EXPECT_EQ(cats.FindModel("Top", "\\goods\\kiste.gsb").categories, QStringList{"Top_en"});
    EXPECT_EQ(cats.Nodes(0).size(), 5);
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
            QStringList index;
            for (int f = random.bounded(4); f > 0; --f) {
                index << QString("r%1_%2.ini").arg(round).arg(f);
                QString text;
                for (int s = random.bounded(4); s > 0; --s) {
                    text += QString("[S]\nName_GER=%1_%2_%3\n").arg(e).arg(f).arg(s);
                    const QString filter = filters[random.bounded(int(filters.size()))];
                    if (!filter.isEmpty() || random.bounded(2))
                        text += "FilterSection=" + filter + '\n';
                }
                inst.WriteText("Categories/" + cats.EditorDir(e) + '/' + index.last(), text);
            }
            WriteIndex(cats.EditorDir(e), index);
        }
        ASSERT_TRUE(cats.Init(inst.Paths(), nameKey));
        for (const QString& filter : filters + QStringList{"Nirgends"}) {
            QString expected = "-1";
            for (qint16 e = CCategories::kEditorCount - 1; e >= 0 && expected == "-1"; --e)
                for (qsizetype j = cats.Nodes(e).size() - 1; j >= 0 && expected == "-1"; --j)
                    if (cats.Nodes(e).at(j).Filter == filter)
                        expected = QString::number(e) + ' ' + cats.Nodes(e).at(j).Name;
            const CategoryPlace place = cats.FindModel(filter, "\\x\\y.gsb");
            ASSERT_EQ(QString::number(place.editor) + (place.isEmpty() ? QString() : ' ' + place.categories.last()), expected)
                << qPrintable(filter) << " round " << round;
        }
    }
}

// A loader thread that cannot be started: the threads already running end
// before its error goes on, and the trees stay as they were.
TEST_F(CategoriesTest, ALoaderThreadThatCannotStartLeavesTheTrees)
{
    WriteIndex("Goods", {"a.ini"});
    WriteCategories("Goods", {"a.ini:A1"});
    ASSERT_TRUE(cats.Init(inst.Paths(), nameKey, 4));
    WorkerThread::FailForTests(2, WorkerThread::Failure::Start);
    EXPECT_THROW(cats.Init(inst.Paths(), "Name_ENG", 4), std::system_error);
    EXPECT_EQ(cats.FindModel("A1", "\\a\\b.gsb").categories, QStringList{"A1"});
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
    const auto init = [this](CCategories& c, int threads) {
        try {
            c.Init(inst.Paths(), nameKey, threads);
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
                WriteCategories(dir, {file + ":" + sections.join(",")});
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
