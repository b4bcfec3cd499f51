#include "ScopedEnv.h"
#include "platform/Registry.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kKey = QStringLiteral("Software\\Classes\\Software\\Software Untergrund\\EEXP");
const QString kResBase = QStringLiteral("ResBase");

QByteArray RegFile(const QByteArray& valueLines)
{
    return "WINE REGISTRY Version 2\n"
           ";; All keys relative to \\\\Machine\n"
           "\n"
           "#arch=win32\n"
           "\n"
           "[Software\\\\Classes\\\\Software\\\\Software Untergrund] 1700000000\n"
           "#time=1d9a0b1c2d3e4f5\n"
           "\"ResBase\"=\"C:\\\\falsch\"\n"
           "\n"
           "[Software\\\\Classes\\\\Software\\\\Software Untergrund\\\\EEXP] 1700000000\n"
           "#time=1d9a0b1c2d3e4f5\n"
           + valueLines +
           "\n"
           "[Software\\\\Classes\\\\Software\\\\Software Untergrund\\\\EEXP\\\\Unter] 1700000000\n"
           "\"ResBase\"=\"C:\\\\auch falsch\"\n";
}

std::optional<QString> Find(const QByteArray& valueLines, const QString& valueName = kResBase)
{
    return Registry::FindWineString(RegFile(valueLines), kKey, valueName);
}

TEST(WineRegistry, StringValueIsFoundUnderItsKeyOnly)
{
    const std::optional<QString> value = Find("\"ResBase\"=\"C:\\\\EEP6\\\\Resourcen\"\n");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, QStringLiteral("C:\\EEP6\\Resourcen"));

    // Key and value names compare without regard to case; CR LF line ends are fine.
    EXPECT_EQ(Registry::FindWineString(RegFile("\"resbase\"=\"C:\\\\x\"\r\n"),
                                       kKey.toUpper(), QStringLiteral("RESBASE")),
              QStringLiteral("C:\\x"));
    EXPECT_FALSE(Find("\"Andere\"=\"C:\\\\x\"\n").has_value());
    EXPECT_EQ(Find("@=\"Standard\"\n\"ResBase\"=\"r\"\n", QString()), QStringLiteral("Standard"));
    EXPECT_EQ(Find("\"ResBase\"=\"\"\n"), QString());  // present but empty
}

TEST(WineRegistry, OnlyStringTypesCount)
{
    EXPECT_FALSE(Find("\"ResBase\"=str(2):\"C:\\\\EEP6\\\\Resourcen\"\n").has_value());
    EXPECT_FALSE(Find("\"ResBase\"=str(7):\"C:\\\\EEP6\\\\Resourcen\\0\"\n").has_value());
    EXPECT_FALSE(Find("\"ResBase\"=hex:43,00,3a,00\n").has_value());
    EXPECT_FALSE(Find("\"ResBase\"=hex(2):43,00,3a,00,00,00\n").has_value());
    EXPECT_FALSE(Find("\"ResBase\"=dword:00000001\n").has_value());
    // A REG_SZ without its terminating NUL is written as hex(1), maybe over several lines.
    EXPECT_EQ(Find("\"ResBase\"=hex(1):43,00,3a,00,5c,00,\\\n  45,00,e4,00\n"), QStringLiteral("C:\\E\u00e4"));
    EXPECT_EQ(Find("\"ResBase\"=hex(1):41,00,00,00,42,00\n"), QStringLiteral("A"));
    EXPECT_FALSE(Find("\"ResBase\"=hex(1):4x,00\n").has_value());
    // The last definition wins.
    EXPECT_FALSE(Find("\"ResBase\"=\"C:\\\\a\"\n\"ResBase\"=dword:00000001\n").has_value());
}

TEST(WineRegistry, EscapesAreDecoded)
{
    EXPECT_EQ(Find("\"ResBase\"=\"C:\\\\EEP \\\"6\\\"\\\\Resourcen\"\n"), QStringLiteral("C:\\EEP \"6\"\\Resourcen"));
    // \x with up to four hex digits (Wine pads to four before a hex-looking character).
    EXPECT_EQ(Find("\"ResBase\"=\"D:\\\\Stra\\x00dfe\\\\H\\xe4user\"\n"), QStringLiteral("D:\\Stra\u00dfe\\H\u00e4user"));
    EXPECT_EQ(Find("\"ResBase\"=\"\\x4e2d\\t\\n\"\n"), QStringLiteral("\u4e2d\t\n"));
    // An embedded NUL cuts the value.
    EXPECT_EQ(Find("\"ResBase\"=\"C:\\\\EEP\\0Rest\"\n"), QStringLiteral("C:\\EEP"));
    // Escaped characters in key and value names.
    const QByteArray file = "[Software\\\\Cl\\x00e4sses\\\\K\\]ey]\n\"R\\\"B\"=\"ok\"\n";
    EXPECT_EQ(Registry::FindWineString(file, QStringLiteral("Software\\Cl\u00e4sses\\K]ey"), QStringLiteral("R\"B")),
              QStringLiteral("ok"));
}

TEST(WineRegistry, DamagedFilesGiveNothingAndNeverCrash)
{
    const QByteArray whole = RegFile("\"ResBase\"=\"C:\\\\EEP6\\\\Resourcen\"\n\"Next\"=hex(1):41,00,\\\n");
    const QString expected = QStringLiteral("C:\\EEP6\\Resourcen");
    for (qsizetype cut = 0; cut <= whole.size(); ++cut) {
        const std::optional<QString> value = Registry::FindWineString(whole.left(cut), kKey, kResBase);
        if (value.has_value()) {
            EXPECT_EQ(*value, expected) << "cut at " << cut;
        }
    }
    EXPECT_FALSE(Registry::FindWineString(QByteArray(), kKey, kResBase).has_value());
    EXPECT_FALSE(Find("\"ResBase\"=\"C:\\\\ohne Ende\n").has_value());
    EXPECT_FALSE(Find("\"ResBase\"=\"C:\\\n").has_value());
    EXPECT_FALSE(Find("\"ResBase\"\n\"ResBase\"C:\n").has_value());
    // An unterminated section header ends the key's section.
    EXPECT_FALSE(Registry::FindWineString("[Software\\\\Classes\n\"ResBase\"=\"x\"\n", QStringLiteral("Software\\Classes"),
                                          kResBase)
                     .has_value());

    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(static_cast<char>((i * 7919 + 13) % 256));
    EXPECT_FALSE(Registry::FindWineString(garbage, kKey, kResBase).has_value());
}

TEST(WineRegistry, ReadStringUsesThePrefixFiles)
{
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    const ScopedEnv env("WINEPREFIX", prefix.path().toLocal8Bit());
    const QString eexp = QStringLiteral("Software\\Software Untergrund\\EEXP");

    EXPECT_FALSE(Registry::ReadString(RegHive::ClassesRoot, eexp, kResBase).has_value());

    QFile system(prefix.filePath(QStringLiteral("system.reg")));
    ASSERT_TRUE(system.open(QIODevice::WriteOnly));
    system.write(RegFile("\"ResBase\"=\"C:\\\\EEP6\\\\Resourcen\"\n"));
    system.close();
    EXPECT_EQ(Registry::ReadString(RegHive::ClassesRoot, eexp, kResBase), QStringLiteral("C:\\EEP6\\Resourcen"));
    EXPECT_EQ(Registry::ReadString(RegHive::LocalMachine, QStringLiteral("Software\\Classes\\") + eexp, kResBase),
              QStringLiteral("C:\\EEP6\\Resourcen"));
    EXPECT_FALSE(Registry::ReadString(RegHive::CurrentUser, QStringLiteral("Software\\Classes\\") + eexp, kResBase)
                     .has_value());

    // The user's own classes come first, as in HKEY_CLASSES_ROOT on Windows.
    QFile user(prefix.filePath(QStringLiteral("user.reg")));
    ASSERT_TRUE(user.open(QIODevice::WriteOnly));
    user.write("[Software\\\\Classes\\\\Software\\\\Software Untergrund\\\\EEXP] 1\n\"ResBase\"=\"D:\\\\Eigen\"\n");
    user.close();
    EXPECT_EQ(Registry::ReadString(RegHive::ClassesRoot, eexp, kResBase), QStringLiteral("D:\\Eigen"));
}

} // namespace
