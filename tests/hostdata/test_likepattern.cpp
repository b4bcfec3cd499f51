#include "hostdata/LikePattern.h"

#include <gtest/gtest.h>

// Matching itself is compared with a plain matcher in fuzz/fuzz_like.cpp.
TEST(LikePattern, RequiredTextAndStars)
{
    const struct { const char *pattern, *required; } rows[] = {{"*ab?cde*f", "cde"}, {"x[[]y[*]z", "x"}, {"*?#*", ""}, {"[ab", ""}};
    for (const auto& row : rows)
        EXPECT_EQ(LikePattern(row.pattern).RequiredText(), row.required) << row.pattern;

    // Many stars do not backtrack exponentially.
    const LikePattern stars("*a*a*a*a*a*a*a*a*b");
    EXPECT_FALSE(stars.Matches(QString(20000, u'a')));
    EXPECT_TRUE(stars.Matches(QString(20000, u'a') + u'b'));
}
