#include "platform/TextCodec.h"

#include <gtest/gtest.h>

TEST(TextCodec, Windows1252BothWays)
{
    const struct {
        QByteArray bytes;
        QString text;
    } rows[] = {
        {"H\xE4user \x80 \x84Zug\x93 \x9F \x8A\xFF", "Häuser € „Zug“ Ÿ Šÿ"},
        {"\xC3\xA4", "Ã¤"},   // not UTF-8
        {"Stra\xDF" "e \x82x\x91 \x8E", "Straße ‚x‘ Ž"},
        {"", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(TextCodec::DecodeCp1252(row.bytes), row.text) << row.bytes.toHex().constData();
        EXPECT_EQ(TextCodec::EncodeCp1252(row.text), row.bytes) << row.bytes.toHex().constData();
    }
    // What the code page lacks becomes '?'; every byte survives the round trip.
    EXPECT_EQ(TextCodec::EncodeCp1252("中 Ω"), "? ?");
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    ASSERT_EQ(TextCodec::DecodeCp1252(all).size(), 256);
    EXPECT_EQ(TextCodec::EncodeCp1252(TextCodec::DecodeCp1252(all)), all);
}
