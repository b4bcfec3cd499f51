#include "platform/TextCodec.h"

#include <gtest/gtest.h>

namespace {

TEST(TextCodec, DecodesWindows1252AndRoundTripsEveryByte)
{
    EXPECT_EQ(TextCodec::DecodeCp1252(QByteArray("H\xE4user \x80 \x84Zug\x93 \x9F \x8A\xFF")),
              QStringLiteral("Häuser € „Zug“ Ÿ Šÿ"));
    // Not UTF-8: the two bytes of a UTF-8 "ä" are two characters.
    EXPECT_EQ(TextCodec::DecodeCp1252(QByteArray("\xC3\xA4")), QStringLiteral("Ã¤"));

    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString decoded = TextCodec::DecodeCp1252(all);
    ASSERT_EQ(decoded.size(), 256);
    EXPECT_EQ(decoded.at(0), QChar(0));
    EXPECT_EQ(TextCodec::EncodeCp1252(decoded), all);
}

TEST(TextCodec, EncodesAndReplacesWhatTheCodePageLacks)
{
    EXPECT_EQ(TextCodec::EncodeCp1252(QStringLiteral("Straße € ‚x‘ Ž")), QByteArray("Stra\xDF" "e \x80 \x82x\x91 \x8E"));
    EXPECT_EQ(TextCodec::EncodeCp1252(QStringLiteral("中 Ω")), QByteArray("? ?"));
    EXPECT_TRUE(TextCodec::EncodeCp1252(QString()).isEmpty());
}

} // namespace
