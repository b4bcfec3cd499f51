#include "hostdata/DateText.h"

#include <gtest/gtest.h>

TEST(DateText, ParsesDayMonthYear)
{
    EXPECT_EQ(DateText::Parse("1.2.30"), QDate(1930, 2, 1));
    EXPECT_EQ(DateText::Parse("1.2.29"), QDate(2029, 2, 1));
    EXPECT_EQ(DateText::Parse("01.02.00"), QDate(2000, 2, 1));
    EXPECT_EQ(DateText::Parse("31.12.1999"), QDate(1999, 12, 31));
    EXPECT_EQ(DateText::Parse(" 29.2.2024 "), QDate(2024, 2, 29));
    EXPECT_EQ(DateText::Parse("3.4"), QDate(QDate::currentDate().year(), 4, 3));

    for (const char* bad : {"", "  ", "29.2.2023", "31.4.24", "0.1.24", "1.13.24", "1.2.", "1..24", "1.2.24.",
                            "a.2.24", "1/2/24", "123.1.24", "1.2.12345", "1.2.0099"})
        EXPECT_FALSE(DateText::Parse(bad).isValid()) << bad;
}

TEST(DateText, FormatsWithLeadingZeros)
{
    EXPECT_EQ(DateText::Format(QDate(2024, 3, 5)), "05.03.2024");
    EXPECT_EQ(DateText::Format(DateText::Parse("7.8.95")), "07.08.1995");
}

TEST(DateText, Presets)
{
    const QDate day(2024, 5, 15);
    EXPECT_EQ(DateText::PresetFrom(0, day), day);
    EXPECT_EQ(DateText::PresetFrom(1, day), QDate(2024, 5, 14));
    EXPECT_EQ(DateText::PresetFrom(2, day), QDate(2024, 5, 9));
    EXPECT_EQ(DateText::PresetFrom(3, day), QDate(2024, 4, 16));
    // One month back is clamped to the end of February, plus one day.
    EXPECT_EQ(DateText::PresetFrom(3, QDate(2023, 3, 31)), QDate(2023, 3, 1));
    EXPECT_EQ(DateText::PresetFrom(3, QDate(2024, 3, 31)), QDate(2024, 3, 1));
    EXPECT_EQ(DateText::PresetFrom(3, QDate(2024, 3, 30)), QDate(2024, 3, 1));
    EXPECT_EQ(DateText::PresetFrom(3, QDate(2024, 1, 1)), QDate(2023, 12, 2));
    EXPECT_EQ(DateText::PresetFrom(1, QDate(2024, 3, 1)), QDate(2024, 2, 29));
}
