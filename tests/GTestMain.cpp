// Every GoogleTest executable has an application object (translators need
// one) and reads German unless a test chooses another language.
#include "startup/InterfaceLanguage.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    InterfaceLanguage::Install(QStringLiteral("de"), false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
