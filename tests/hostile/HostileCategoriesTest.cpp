// Category trees beyond their 16-bit limits end in an overflow error, never in
// a wrapped index that writes outside the trees.
#include "HostileFixture.h"

#include "hostdata/CCategories.h"
#include "startup/KluniError.h"

namespace {

std::string InitOutcome()
{
    try {
        CCategories categories;
        categories.Init();
        return "loaded " + std::to_string(categories.Nodes(0).size());
    } catch (const KluniError& error) {
        return "error " + std::to_string(error.Number());
    }
}

QString Sections(int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("[K%1]\nName_GER=K%1\nFilterSection=S%1\n").arg(i);
    return text;
}

} // namespace

TEST_F(HostileTest, IndexWithAHundredThousandDescentsOverflows)
{
    QString index = QStringLiteral("[x]\n1=a.ini\n");
    for (int i = 0; i < 100000; ++i)
        index += QStringLiteral("d=CDIn\n");
    index += QStringLiteral("2=a.ini\n");
    m_inst.WriteText(QStringLiteral("Categories/Goods/index.ini"), index);
    m_inst.WriteText(QStringLiteral("Categories/Goods/a.ini"), Sections(1));
    m_inst.Activate();

    EXPECT_ISOLATED_EQ(Hostile::RunIsolated(InitOutcome), "error 6");
}

TEST_F(HostileTest, CategoryFileWithFortyThousandSectionsOverflows)
{
    m_inst.WriteText(QStringLiteral("Categories/Goods/index.ini"), QStringLiteral("[x]\n1=gross.ini\n"));
    m_inst.WriteText(QStringLiteral("Categories/Goods/gross.ini"), Sections(40000));
    m_inst.Activate();
    EXPECT_ISOLATED_EQ(Hostile::RunIsolated(InitOutcome), "error 6");

    // The largest tree that fits is loaded in full.
    m_inst.WriteText(QStringLiteral("Categories/Goods/gross.ini"), Sections(32767));
    EXPECT_ISOLATED_EQ(Hostile::RunIsolated(InitOutcome), "loaded 32767");
}
