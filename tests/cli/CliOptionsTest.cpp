// The command-line parser of kluni-cli, in process.
#include "cli/CliOptions.h"
#include "cli/CliPaths.h"

#include <gtest/gtest.h>

namespace {

using Command = CliOptions::Command;

CliParseResult Parse(const QStringList& args) { return ParseCliArguments(args); }

TEST(CliOptions, DefaultsAndOptionsAnywhere)
{
    const CliParseResult plain = Parse({"search", "haus"});
    ASSERT_TRUE(plain.ok()) << plain.error.toStdString();
    EXPECT_EQ(plain.options.command, Command::Search);
    EXPECT_EQ(plain.options.arguments, QStringList{"haus"});
    EXPECT_EQ(plain.options.oper, 0);
    EXPECT_EQ(plain.options.nameSource, NameSource::Gsb);
    EXPECT_EQ(plain.options.NameKey(), "Name_GER");
    EXPECT_FALSE(plain.options.json || plain.options.brief);

    const CliParseResult full =
        Parse({"--json", "search", "--op=like", "--name", "both", "--lang", "pol", "--resbase=/x", "--", "-[ab]*"});
    ASSERT_TRUE(full.ok()) << full.error.toStdString();
    EXPECT_EQ(full.options.oper, 4);
    EXPECT_EQ(full.options.nameSource, NameSource::Both);
    EXPECT_EQ(full.options.NameKey(), "Name_POL");
    EXPECT_EQ(full.options.resBase, "/x");
    EXPECT_TRUE(full.options.json);
    EXPECT_EQ(full.options.arguments, QStringList{"-[ab]*"});

    const CliParseResult date = Parse({"date", "--preset", "month"});
    ASSERT_TRUE(date.ok());
    EXPECT_EQ(date.options.preset, 3);
    EXPECT_TRUE(Parse({"scan", "a", "b", "--brief"}).options.brief);
    EXPECT_TRUE(Parse({"--help", "nonsense"}).ok());
}

TEST(CliOptions, RejectsWhatDoesNotFit)
{
    const QList<QStringList> bad{
        {},                                   // no command
        {"find", "x"},                        // unknown command
        {"search"},                           // no text
        {"search", ""},                       // empty text
        {"search", "a", "b"},                 // two texts
        {"search", "--op", "near", "a"},      // unknown operator
        {"search", "--lang", "DE", "a"},      // unknown language
        {"search", "--preset", "today", "a"}, // option of another command
        {"date", "--op", "exact", "1.1.20", "2.1.20"},
        {"date", "1.1.2020"},                 // one date
        {"date", "--preset", "today", "1.1.2020", "2.1.2020"},
        {"scan"},
        {"mod2", "a.gsb", "b.gsb"},
        {"check", "x"},
        {"check", "--resbase"},               // value missing
        {"check", "--json=yes"},              // flag with a value
        {"check", "--verbose"},
    };
    for (const QStringList& args : bad)
        EXPECT_FALSE(Parse(args).ok()) << args.join(' ').toStdString();
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
