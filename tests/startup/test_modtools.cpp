#include "TestInstallation.h"
#include "startup/KluniError.h"
#include "startup/modTools.h"

#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <new>
#include <stdexcept>
#include <vector>

// The placeholders are compared with a plain reading in fuzz/fuzz_formatmsg.cpp.
TEST(FormatMsg, ResultLongerThan16BitsOverflows)
{
    EXPECT_EQ(FormatMsg(QString(32765, 'a') + "%1", {"zz"}).size(), 32767);
    try {
        FormatMsg(QString(32768, 'a'));
        FAIL() << "no overflow";
    } catch (const KluniError& e) {
        EXPECT_EQ(QString::number(e.Number()) + ' ' + e.Description(), "6 Überlauf");
    }
}

TEST(ReportError, ShowsProcedureNumberAndDescription)
{
    TestInstallation inst;
    const QString head = "Es ist ein Fehler aufgetreten!\r\n\r\n";
    const struct { std::function<void()> raise; QString procedure, expected; } rows[] = {
        {[] { throw KluniError::Overflow(); }, "FMain.FilelistFromName", "Prozedur: FMain.FilelistFromName\r\n\r\nFehler 6: Überlauf"},
        {[] { throw KluniError::SubscriptOutOfRange(); }, "", "Fehler 9: Index außerhalb des gültigen Bereichs"},
        {[] { throw KluniError(-5, "Negativ"); }, "", "Fehler -5: Negativ"},
        // Library exceptions map to their error numbers.
        {[] { throw std::bad_alloc(); }, "", "Fehler 7: Nicht genügend Speicher"},
        {[] { (void)std::vector<int>(2).at(5); }, "", "Fehler 9: Index außerhalb des gültigen Bereichs"},
        {[] { throw std::overflow_error("zu gross"); }, "", "Fehler 6: Überlauf"},
        {[] { throw std::runtime_error("kaputt"); }, "", "Fehler 51: kaputt"},
        {[] { throw 42; }, "", "Fehler 51: Unbekannter Fehler"},
    };
    for (const auto& row : rows) {
        inst.Messages().Clear();
        try {
            row.raise();
        } catch (...) {
            ReportError(row.procedure);
        }
        ASSERT_EQ(inst.Messages().Entries().size(), 1) << qPrintable(row.expected);
        EXPECT_EQ(inst.Messages().Entries().front().kind, RecordingMessageSink::Kind::Critical);
        EXPECT_EQ(inst.Messages().Entries().front().text, head + row.expected);
    }
    EXPECT_EQ(ErrorReportText("FMod2.ShowFile", 7, "x", "Kopf"), "Kopf\r\n\r\nProzedur: FMod2.ShowFile\r\n\r\nFehler 7: x");
}

TEST(PathRoutines, JoinLastPartAndAbsoluteness)
{
    const struct { QString a, b, joined; } joins[] = {
        {"C:\\EEP6\\Resourcen", "Categories", "C:\\EEP6\\Resourcen\\Categories"},
        {"C:\\EEP6\\Resourcen\\", "\\Categories", "C:\\EEP6\\Resourcen\\Categories"},
        {"C:\\", "Categories", "C:\\Categories"},
        {"", "x.ini", "\\x.ini"},
        {"C:\\a\\\\", "\\\\b", "C:\\a\\\\\\b"},   // only one separator goes from each side
    };
    for (const auto& row : joins)
        EXPECT_EQ(JoinPath(row.a, row.b), row.joined) << qPrintable(row.a + " + " + row.b);

    EXPECT_EQ(LastPathPart("C:\\EEP6\\Immobilien\\Haus.gsb"), "\\Haus.gsb");
    EXPECT_EQ(LastPathPart("Ordner\\"), "\\");
    EXPECT_EQ(LastPathPart("Haus.gsb"), "Haus.gsb");

    for (const char* path : {"\\\\Server\\Freigabe", "C:", "7:irgendwas"})
        EXPECT_TRUE(IsAbsolutePath(path)) << path;
    for (const char* path : {"Rollmaterial\\Zug.gsb", "\\Rollmaterial\\Zug.gsb", "\\", ""})
        EXPECT_FALSE(IsAbsolutePath(path)) << path;
}

TEST(Settings, LoadSettingLongTakesTheLeadingNumberRoundedHalfToEven)
{
    TestInstallation inst;
    EXPECT_EQ(LoadSettingLong("MainWindow", "x", -7), -7);
    EXPECT_EQ(LoadSetting("MainWindow", "x", "def"), "def");
    const struct { const char* stored; qint32 value; } rows[] = {
        {"2.5", 2},     {"3.5", 4},    {"-2.5", -2},  {"2.51", 3},  {"12abc", 12},
        {"abc", 0},     {"", 0},       {"  -1 500", -1500},   // blanks inside a number are skipped
        {".5", 0},      {"1.5e1x", 15}, {"7e", 7},     {"1.2.3", 1}, {"-", 0},
        {"99999999999", std::numeric_limits<qint32>::max()}, {"-1e400", std::numeric_limits<qint32>::min()},
        {"##NoEntry##", -7},
    };
    for (const auto& row : rows) {
        StoreSetting("MainWindow", "x", row.stored);
        EXPECT_EQ(LoadSettingLong("MainWindow", "x", -7), row.value) << '"' << row.stored << '"';
        EXPECT_EQ(LoadSetting("MainWindow", "x", "def"), row.stored);
    }
}
