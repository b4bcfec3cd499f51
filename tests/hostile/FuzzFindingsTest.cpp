// Inputs that the fuzz targets found to misbehave, kept as plain tests. Some
// faults show only in the sanitizer build (make sanitize).
#include "hostdata/LikePattern.h"
#include "platform/Registry.h"

#include <gtest/gtest.h>

// An empty pattern has no tokens at all: walking them must not step off a
// null array (undefined behaviour).
TEST(FuzzFindings, RequiredTextOfPatternsWithoutLiterals)
{
    EXPECT_EQ(LikePattern(QString()).RequiredText(), QString());
    EXPECT_EQ(LikePattern(QStringLiteral("*")).RequiredText(), QString());
    EXPECT_EQ(LikePattern(QStringLiteral("?*#")).RequiredText(), QString());
    EXPECT_EQ(LikePattern(QStringLiteral("ab*cde?f")).RequiredText(), QStringLiteral("cde"));
}

// A value type of eight hex digits does not fit an int (signed overflow).
TEST(FuzzFindings, WineValueTypeOfEightHexDigits)
{
    const QByteArray head("WINE REGISTRY Version 2\n\n[Software\\\\Classes\\\\EEXP] 1600000000\n");
    const QString key = QStringLiteral("Software\\Classes\\EEXP");
    const QString value = QStringLiteral("ResBase");
    EXPECT_FALSE(Registry::FindWineString(head + "\"ResBase\"=str(bbbbbbbb):\"C:\\\\x\"\n", key, value));
    EXPECT_FALSE(Registry::FindWineString(head + "\"ResBase\"=hex(ffffffff):43,00\n", key, value));
    EXPECT_EQ(Registry::FindWineString(head + "\"ResBase\"=str(00000001):\"C:\\\\x\"\n", key, value),
              QStringLiteral("C:\\x"));
}
