// The form in which paths reach the wide-character Win32 calls (Windows only:
// Wine accepts long paths in any form, so only the form itself can be checked).
#include <QtGlobal>
#ifdef Q_OS_WIN

#include "platform/Win32Path.h"

#include <gtest/gtest.h>

TEST(Win32Path, LongPathsTakeTheLiteralFormShortOnesStay)
{
    const QString name(100, QLatin1Char('x'));
    const QString longPath = "C:/EEP6/" + name + "/./" + name + "/../" + name + "/" + name + ".gsb";
    const struct { QString path; QString expected; } rows[] = {
        {"C:/EEP6/Resourcen/Haus.gsb", "C:\\EEP6\\Resourcen\\Haus.gsb"},
        {longPath, "\\\\?\\C:\\EEP6\\" + name + "\\" + name + "\\" + name + ".gsb"},
        {"//server/share/" + name + "/" + name + "/" + name, "\\\\?\\UNC\\server\\share\\" + name + "\\" + name + "\\" + name},
        {"\\\\?\\C:\\" + name + name + name, "\\\\?\\C:\\" + name + name + name},
    };
    for (const auto& row : rows)
        EXPECT_EQ(QString::fromStdWString(Win32Path(row.path)), row.expected) << qPrintable(row.path);
}

#endif
