#include "platform/TextCase.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QStringList>

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
    QRandomGenerator random(7);
    for (int round = 0; round < 2000; ++round) {
        QString text;
        const int length = int(random.bounded(12));
        for (int i = 0; i < length; ++i)
            text += QChar(char16_t(random.bounded(2) ? random.bounded(0x80) : random.bounded(1, 0x10000)));
        ASSERT_EQ(TextCase::Lower(text), text.toLower());
        ASSERT_EQ(TextCase::Upper(text), text.toUpper());
    }
}
