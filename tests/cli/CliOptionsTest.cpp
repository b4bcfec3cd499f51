// The command-line parser of kluni-cli and its path forms, in process.
#include "cli/CliOptions.h"
#include "cli/CliPaths.h"

#include <gtest/gtest.h>

namespace {

TEST(CliOptions, OptionsAnywhereAndTheirValues)
{
    const CliOptions plain = ParseCliArguments({"search", "haus"}).options;
    EXPECT_TRUE(plain.command == CliOptions::Command::Search && plain.oper == 0 && !plain.json && !plain.brief);
    EXPECT_TRUE(plain.nameSource == NameSource::Gsb && plain.NameKey() == "Name_GER");

    const CliParseResult full = ParseCliArguments(
        {"--json", "search", "--op=like", "--name", "both", "--lang", "pol", "--resbase=/x", "--brief", "--", "-[ab]*"});
    ASSERT_TRUE(full.ok()) << full.error.toStdString();
    EXPECT_TRUE(full.options.oper == 4 && full.options.nameSource == NameSource::Both && full.options.resBase == "/x");
    EXPECT_EQ(full.options.NameKey(), "Name_POL");
    EXPECT_TRUE(full.options.json && full.options.brief);
    EXPECT_EQ(full.options.arguments, QStringList{"-[ab]*"});
    EXPECT_EQ(ParseCliArguments({"date", "--preset", "month"}).options.preset, 3);
    EXPECT_TRUE(ParseCliArguments({"--help", "nonsense"}).ok());
}

TEST(CliOptions, RejectsWhatDoesNotFit)
{
    const QList<QStringList> bad{
        {}, {"find", "x"}, {"search"}, {"search", ""}, {"search", "a", "b"}, {"search", "--op", "near", "a"},
        {"search", "--lang", "DE", "a"}, {"search", "--preset", "today", "a"}, {"date", "--op", "exact", "1.1.20", "2.1.20"},
        {"date", "1.1.2020"}, {"date", "--preset", "today", "1.1.2020", "2.1.2020"}, {"scan"}, {"mod2", "a.gsb", "b.gsb"},
        {"check", "x"}, {"check", "--resbase"}, {"check", "--json=yes"}, {"check", "--verbose"},
    };
    for (const QStringList& args : bad)
        EXPECT_FALSE(ParseCliArguments(args).ok()) << args.join(' ').toStdString();
}

TEST(CliPaths, WindowsFormIsKeptAndNativeFormConverted)
{
    EXPECT_EQ(CliPaths::ToProgramPath("C:/EEP6/Resourcen"), "C:\\EEP6\\Resourcen");
    EXPECT_EQ(CliPaths::ToProgramPath("\\\\server\\eep"), "\\\\server\\eep");
    EXPECT_FALSE(CliPaths::IsWindowsForm("/home/u/C:/x"));
    EXPECT_EQ(CliPaths::ResBaseFromArgument("C:\\EEP6\\Resourcen\\\\"), "C:\\EEP6\\Resourcen");
    EXPECT_EQ(CliPaths::ResBaseFromArgument("D:\\"), "D:\\");
}

} // namespace
