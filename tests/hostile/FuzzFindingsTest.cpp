// Inputs that the fuzz targets found to misbehave, kept as plain tests. Some
// faults show only in the sanitizer build (make sanitize).
#include "hostdata/LikePattern.h"

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
