#include "hostdata/CommandLine.h"

#include "TestInstallation.h"
#include "platform/HostPath.h"

#include <gtest/gtest.h>

TEST(CommandLine, SplitsAtSpacesAndQuotes)
{
    using CommandLine::SplitNames;
    EXPECT_EQ(SplitNames("\"C:\\Mein Ordner\\a.gsb\" C:\\b.gsb"), (QStringList{"C:\\Mein Ordner\\a.gsb", "C:\\b.gsb"}));
    EXPECT_EQ(SplitNames("  a.gsb     b.gsb  "), (QStringList{"a.gsb", "b.gsb"}));
    EXPECT_EQ(SplitNames("\"C:\\offen a.gsb"), QStringList());
    EXPECT_EQ(SplitNames("a.gsb \"C:\\offen"), QStringList{"a.gsb"});
    EXPECT_EQ(SplitNames("\"\" x"), (QStringList{"", "x"}));
    EXPECT_EQ(SplitNames("     "), QStringList());
    // A quote inside an unquoted name is ordinary; text right after a closing
    // quote starts the next name.
    EXPECT_EQ(SplitNames("ab\"c d"), (QStringList{"ab\"c", "d"}));
    EXPECT_EQ(SplitNames("\"a b\"c"), (QStringList{"a b", "c"}));
    // Only spaces separate: a tab belongs to the name.
    EXPECT_EQ(SplitNames("a\tb"), QStringList{"a\tb"});
}

TEST(CommandLine, TakesArgumentsOneByOneInWindowsForm)
{
    TestInstallation inst;   // drive table: Z: is "/"
    // Every name a POSIX system allows comes through unchanged, quotes and spaces included.
    EXPECT_EQ(CommandLine::NamesFromArguments({"/home/u/Mein Ordner/a.gsb", "/tmp/b.gsb", "/tmp/a\"b c.gsb",
                                               "/tmp/\"x", "/tmp/  ", ""}),
              (QStringList{"Z:\\home\\u\\Mein Ordner\\a.gsb", "Z:\\tmp\\b.gsb", "Z:\\tmp\\a\"b c.gsb", "Z:\\tmp\\\"x",
                           "Z:\\tmp\\  ", ""}));
}
