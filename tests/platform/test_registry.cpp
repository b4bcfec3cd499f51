#include "ScopedEnv.h"
#include "TestHost.h"
#include "platform/Registry.h"

#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kKey = "Software\\Classes\\Software\\Software Untergrund\\EEXP";

// A system.reg with the given value lines under kKey, between a parent and a
// child key that hold values of the same name.
QByteArray RegFile(const QByteArray& valueLines)
{
    return "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win32\n\n"
           "[Software\\\\Classes\\\\Software\\\\Software Untergrund] 1700000000\n#time=1d9a0b1c2d3e4f5\n"
           "\"ResBase\"=\"C:\\\\falsch\"\n\n"
           "[Software\\\\Classes\\\\Software\\\\Software Untergrund\\\\EEXP] 1700000000\n#time=1d9a0b1c2d3e4f5\n"
           + valueLines
           + "\n[Software\\\\Classes\\\\Software\\\\Software Untergrund\\\\EEXP\\\\Unter] 1700000000\n"
             "\"ResBase\"=\"C:\\\\auch falsch\"\n";
}

TEST(WineRegistry, FindsStringValuesOnly)
{
    const struct { QByteArray lines; std::optional<QString> value; QString key = kKey, name = "ResBase"; } rows[] = {
        {"\"ResBase\"=\"C:\\\\EEP6\\\\Resourcen\"\n", "C:\\EEP6\\Resourcen"},
        // Key and value names compare without regard to case; CR LF line ends are fine.
        {"\"resbase\"=\"C:\\\\x\"\r\n", "C:\\x", kKey.toUpper(), "RESBASE"},
        {"\"Andere\"=\"C:\\\\x\"\n", std::nullopt},
        {"@=\"Standard\"\n\"ResBase\"=\"r\"\n", "Standard", kKey, ""},
        {"\"ResBase\"=\"\"\n", ""},
        {"\"ResBase\"=str(2):\"C:\\\\EEP6\"\n", std::nullopt},
        {"\"ResBase\"=str(7):\"C:\\\\EEP6\\0\"\n", std::nullopt},
        {"\"ResBase\"=hex:43,00,3a,00\n", std::nullopt},
        {"\"ResBase\"=hex(2):43,00,3a,00,00,00\n", std::nullopt},
        {"\"ResBase\"=dword:00000001\n", std::nullopt},
        // A REG_SZ without its terminating NUL is written as hex(1), maybe over several lines.
        {"\"ResBase\"=hex(1):43,00,3a,00,5c,00,\\\n  45,00,e4,00\n", "C:\\E\u00e4"},
        {"\"ResBase\"=hex(1):41,00,00,00,42,00\n", "A"},
        {"\"ResBase\"=hex(1):4x,00\n", std::nullopt},
        {"\"ResBase\"=\"C:\\\\a\"\n\"ResBase\"=dword:00000001\n", std::nullopt},   // the last definition wins
        // Escapes; \x with up to four hex digits; an embedded NUL cuts the value.
        {"\"ResBase\"=\"C:\\\\EEP \\\"6\\\"\\\\R\"\n", "C:\\EEP \"6\"\\R"},
        {"\"ResBase\"=\"D:\\\\Stra\\x00dfe\\\\H\\xe4user\"\n", "D:\\Stra\u00dfe\\H\u00e4user"},
        {"\"ResBase\"=\"\\x4e2d\\t\\n\"\n", "\u4e2d\t\n"},
        {"\"ResBase\"=\"C:\\\\EEP\\0Rest\"\n", "C:\\EEP"},
        // Damaged lines give nothing.
        {"\"ResBase\"=\"C:\\\\ohne Ende\n", std::nullopt},
        {"\"ResBase\"=\"C:\\\n", std::nullopt},
        {"\"ResBase\"\n\"ResBase\"C:\n", std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Registry::FindWineString(RegFile(row.lines), row.key, row.name), row.value) << row.lines.constData();

    // Escaped characters in key and value names; an unterminated header ends the key's section.
    EXPECT_EQ(Registry::FindWineString("[Software\\\\Cl\\x00e4sses\\\\K\\]ey]\n\"R\\\"B\"=\"ok\"\n",
                                       "Software\\Cl\u00e4sses\\K]ey", "R\"B"),
              "ok");
    EXPECT_FALSE(Registry::FindWineString("[Software\\\\Classes\n\"ResBase\"=\"x\"\n", "Software\\Classes", "ResBase"));
}

// Arbitrary registry text is fed to the reader in fuzz/fuzz_winereg.cpp.
TEST(WineRegistry, ReadStringUsesThePrefixFiles)
{
    KLUNI_SKIP_ON_WINDOWS("the registry there is the system's own (tested through Wine's reg.exe)");
    QTemporaryDir prefix;
    const ScopedEnv env("WINEPREFIX", prefix.path().toLocal8Bit());
    const QString eexp = "Software\\Software Untergrund\\EEXP";
    const auto write = [&prefix](const char* name, const QByteArray& bytes) {
        QFile file(prefix.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    EXPECT_FALSE(Registry::ReadString(RegHive::ClassesRoot, eexp, "ResBase").has_value());

    write("system.reg", RegFile("\"ResBase\"=\"C:\\\\EEP6\\\\Resourcen\"\n"));
    EXPECT_EQ(Registry::ReadString(RegHive::ClassesRoot, eexp, "ResBase"), "C:\\EEP6\\Resourcen");
    EXPECT_EQ(Registry::ReadString(RegHive::LocalMachine, "Software\\Classes\\" + eexp, "ResBase"), "C:\\EEP6\\Resourcen");
    EXPECT_FALSE(Registry::ReadString(RegHive::CurrentUser, "Software\\Classes\\" + eexp, "ResBase").has_value());

    // The user's own classes come first, as in HKEY_CLASSES_ROOT on Windows.
    write("user.reg", "[Software\\\\Classes\\\\Software\\\\Software Untergrund\\\\EEXP] 1\n\"ResBase\"=\"D:\\\\Eigen\"\n");
    EXPECT_EQ(Registry::ReadString(RegHive::ClassesRoot, eexp, "ResBase"), "D:\\Eigen");
}

// The system's own registry, where there is one: a text value comes whole,
// also beyond the ANSI code page, with names in any case; other types and
// missing names give nothing. (HKEY_CLASSES_ROOT is read in test-windows
// through a value that Wine's reg.exe writes.)
TEST(SystemRegistry, ReadsTextValuesOnly)
{
    if (!Registry::IsNativeRegistry())
        GTEST_SKIP() << "no system registry here: the Wine prefix's files stand in for it (above)";
    const QString top = "Software\\Classes\\Kluni-Test";
    const QString key = top + "\\EEXP";
    const QString folder = QStringLiteral("C:\\Spiele\\Łódź EEP\\Resourcen");
    const auto reg = [](const QStringList& args) { return QProcess::execute("reg", args) == 0; };
    const auto cleanup = qScopeGuard([&] { reg({"delete", "HKCU\\" + top, "/f"}); });
    ASSERT_TRUE(reg({"add", "HKCU\\" + key, "/v", "ResBase", "/t", "REG_SZ", "/d", folder, "/f"}));
    ASSERT_TRUE(reg({"add", "HKCU\\" + key, "/v", "Zahl", "/t", "REG_DWORD", "/d", "7", "/f"}));
    EXPECT_EQ(Registry::ReadString(RegHive::CurrentUser, key, "ResBase"), folder);
    EXPECT_EQ(Registry::ReadString(RegHive::CurrentUser, "software\\classes\\kluni-test\\eexp", "resbase"), folder);
    EXPECT_FALSE(Registry::ReadString(RegHive::LocalMachine, key, "ResBase").has_value());
    EXPECT_FALSE(Registry::ReadString(RegHive::CurrentUser, key, "Zahl").has_value());
    EXPECT_FALSE(Registry::ReadString(RegHive::CurrentUser, key, "Fehlt").has_value());
    EXPECT_FALSE(Registry::ReadString(RegHive::CurrentUser, key + "\\Fehlt", "ResBase").has_value());
}

} // namespace
