#include "platform/TextCase.h"
#include "platform/TextCodec.h"

#include <QStringList>
#include <gtest/gtest.h>

TEST(TextCodec, Windows1252BothWays)
{
    const struct { QByteArray bytes; QString text; } rows[] = {
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

// The fast case mapping must give exactly what Qt gives, for every character
// and for texts that mix ASCII with characters Qt maps specially.
TEST(TextCase, EqualsQtForEveryCharacterAndMixedTexts)
{
    for (char32_t c = 1; c < 0x10000; ++c) {
        const QString one{QChar(char16_t(c))};
        ASSERT_EQ(TextCase::Lower(one), one.toLower()) << "U+" << std::hex << unsigned(c);
        ASSERT_EQ(TextCase::Upper(one), one.toUpper()) << "U+" << std::hex << unsigned(c);
    }
    const QStringList texts{
        QString(),
        QStringLiteral("Z:\\EEP6\\Resourcen\\Immobilien\\Haus_Groß_0001.GSB"),
        QStringLiteral("straße"),                                   // upper case: two characters
        QStringLiteral("\u0130stanbul"),                            // lower case: two characters
        QStringLiteral("Ab\U0001D400cD") + QChar(0xD800) + QStringLiteral("x"),   // pair and lone surrogate
        QStringLiteral("\u0149\u01F0\uFB00 Ǆ ǅ ǆ"),
    };
    for (const QString& text : texts) {
        EXPECT_EQ(TextCase::Lower(text), text.toLower()) << qPrintable(text);
        EXPECT_EQ(TextCase::Upper(text), text.toUpper()) << qPrintable(text);
    }
}
