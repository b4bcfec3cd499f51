#include "hostdata/CModels.h"
#include "hostdata/ResultTexts.h"

#include <gtest/gtest.h>

using namespace ResultTexts;

TEST(ResultTexts, CountText)
{
    EXPECT_EQ(CountText(1), QStringLiteral("1 Modell"));
    EXPECT_EQ(CountText(2), QStringLiteral("2 Modelle"));
    EXPECT_EQ(CountText(100000), QStringLiteral("100000 Modelle"));
}

TEST(ResultTexts, NothingFoundTextPerListSource)
{
    EXPECT_EQ(NothingFoundText(0),
              QStringLiteral("\r\n\r\nUnter den übergebenen Dateien\r\nbefand sich keine Modell Datei."));
    EXPECT_EQ(NothingFoundText(1),
              QStringLiteral("\r\n\r\nUnter den verschobenen Dateien\r\nbefand sich keine Modell Datei."));
    EXPECT_EQ(NothingFoundText(2), QStringLiteral("\r\n\r\nSorry, aber in EEP\r\nist kein passendes Modell bekannt!"));
    EXPECT_EQ(NothingFoundText(3), QStringLiteral("\r\n\r\nIm angegebenen Zeitraum sind keine Modelle\r\n"
                                                  "zum ersten Mal installiert worden."));
    EXPECT_EQ(NothingFoundText(4), QString());
    EXPECT_EQ(NothingFoundText(-1), QString());
}

TEST(ResultTexts, RowsAndClipboard)
{
    CModels models;
    EXPECT_EQ(ClipboardText(models), QStringLiteral("gsb-Datei\tPfad"));

    models.StoreFile(QStringLiteral("\\immobilien\\häuser\\haus 1.gsb"), QStringLiteral("S"));
    EXPECT_EQ(RowText(models, 0), QStringLiteral("haus 1 -- \\immobilien\\häuser\\"));
    EXPECT_EQ(ClipboardText(models), QStringLiteral("gsb-Datei\tPfad\r\nhaus 1.gsb\t\\immobilien\\häuser\\"));

    // A path from outside the installation and one without any backslash.
    models.StoreFile(QStringLiteral("c:\\x\\%1.gsb"), QStringLiteral("\tDropped"));
    models.StoreFile(QStringLiteral("plain.gsb"), QStringLiteral("S"));
    EXPECT_EQ(RowText(models, 1), QStringLiteral("%1 -- c:\\x\\"));
    EXPECT_EQ(RowText(models, 2), QStringLiteral(" -- plain.gsb"));
    EXPECT_EQ(ClipboardText(models), QStringLiteral("gsb-Datei\tPfad\r\n"
                                                    "haus 1.gsb\t\\immobilien\\häuser\\\r\n"
                                                    "%1.gsb\tc:\\x\\\r\n"
                                                    "plain.gsb\tplain.gsb"));
}
