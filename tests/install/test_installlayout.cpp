// The staged installation: the handbook found from the program's folder, and
// the desktop files' command lines as file managers run them.

#include "platform/InstallLayout.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <gtest/gtest.h>

// The handbook is found beside the program (build tree, Windows) and, in an
// installation, in its documentation folder relative to the program.
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

// The menu entry for model files and Dolphin's and Nemo's "In Kluni suchen":
// %F becomes one argument per name (desktop entries), or Nemo puts the names,
// quoted as its "Quote" says, into the line and splits it as a shell does.
// Every name must reach the program whole, blanks included.
TEST(InstallLayout, DesktopFilesHandEveryNameOverWhole)
{
    const QStringList names{QStringLiteral("/tmp/Mit Leer/neu.gsb"), QStringLiteral("/tmp/Mit Leer"), QStringLiteral("/tmp/a")};
    const struct {
        const char* file;
        QString group;
    } rows[] = {
        {"share/applications/io.github.kluni.Kluni.desktop", "Desktop Entry"},
        {"share/kio/servicemenus/io.github.kluni.Kluni.desktop", "Desktop Action searchInKluni"},
        {"share/nemo/actions/kluni.nemo_action", "Nemo Action"},
    };
    for (const auto& row : rows) {
        const QSettings file(QStringLiteral(KLUNI_STAGE "/") + QLatin1String(row.file), QSettings::IniFormat);
        QString exec = file.value(row.group + QStringLiteral("/Exec")).toString();
        QStringList arguments = QProcess::splitCommand(exec);
        if (row.group.startsWith(QLatin1String("Nemo"))) {
            const QString quote = file.value(row.group + QStringLiteral("/Quote")).toString() == QLatin1String("double")
                                      ? QStringLiteral("\"") : QString();
            arguments = QProcess::splitCommand(exec.replace(QStringLiteral("%F"), quote + names.join(quote + ' ' + quote) + quote));
        } else if (const qsizetype at = arguments.indexOf(QStringLiteral("%F")); at >= 0) {
            arguments = arguments.mid(0, at) + names + arguments.mid(at + 1);
        }
        EXPECT_EQ(arguments, QStringList{QStringLiteral("kluni")} + names) << row.file;
    }
}
