// The handbook is found beside the program (build tree, Windows) and, in an
// installation, in its documentation folder relative to the program.

#include "platform/InstallLayout.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

TEST(InstallLayout, FindsTheHandbookBesideOrInstalled)
{
    const QString handbook = QStringLiteral("KurzAnleitung Kluni.pdf");
    const QString stage = QStringLiteral(KLUNI_STAGE);
    const QString buildBin = QFileInfo(stage + QStringLiteral("/../bin")).absoluteFilePath();
    struct Row {
        QString programDir;
        QString expected;
    } rows[] = {
        {buildBin, buildBin},                                          // beside the program
        {stage + QStringLiteral("/bin"), stage + QStringLiteral("/share/doc/kluni")},   // installed
    };
    for (const Row& row : rows) {
        const QString found = InstallLayout::DocumentationDir(handbook, row.programDir);
        EXPECT_EQ(QDir(found).canonicalPath(), QDir(row.expected).canonicalPath()) << qPrintable(row.programDir);
        EXPECT_TRUE(QFileInfo::exists(QDir(found).filePath(handbook))) << qPrintable(found);
    }
}
