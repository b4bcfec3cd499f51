#include "TestInstallation.h"
#include "startup/KluniError.h"
#include "startup/modTools.h"

#include <gtest/gtest.h>
#include <new>
#include <stdexcept>
#include <vector>

namespace {

TEST(FormatMsg, ExpandsPlaceholdersInOnePass)
{
    EXPECT_EQ(FormatMsg(QStringLiteral("Kann das EEP %1-Verzeichnis nicht finden!%mBedenken Sie, dass Kluni nur mit "
                                       "EEP bis einschliesslich Version 6%nzurecht kommt.%mDas Programm wird daher "
                                       "abgebrochen!"),
                        {QStringLiteral("Categories")}),
              QStringLiteral("Kann das EEP Categories-Verzeichnis nicht finden!\r\n\r\nBedenken Sie, dass Kluni nur "
                             "mit EEP bis einschliesslich Version 6\r\nzurecht kommt.\r\n\r\nDas Programm wird daher "
                             "abgebrochen!"));
    EXPECT_EQ(FormatMsg(QStringLiteral("Kann das EEP Modelle-Verzeichnis nicht finden!%mMod2-Dateien zu Objekten "
                                       "können daher nicht angezeigt werden!")),
              QStringLiteral("Kann das EEP Modelle-Verzeichnis nicht finden!\r\n\r\nMod2-Dateien zu Objekten können "
                             "daher nicht angezeigt werden!"));
    EXPECT_EQ(FormatMsg(QStringLiteral("%1%t%2 %1 %1"), {QStringLiteral("a"), QStringLiteral("b")}),
              QStringLiteral("a\tb a a"));
    EXPECT_EQ(FormatMsg(QStringLiteral("%9"), {"1", "2", "3", "4", "5", "6", "7", "8", "neun"}), QStringLiteral("neun"));
}

TEST(FormatMsg, UnknownPlaceholdersKeepTheirCharacter)
{
    // A missing argument leaves the bare digit.
    EXPECT_EQ(FormatMsg(QStringLiteral("a%5b"), {QStringLiteral("x"), QStringLiteral("y")}), QStringLiteral("a5b"));
    EXPECT_EQ(FormatMsg(QStringLiteral("%1")), QStringLiteral("1"));
    EXPECT_EQ(FormatMsg(QStringLiteral("100%% %x %0 %N%M%T")), QStringLiteral("100% x 0 NMT"));
    EXPECT_EQ(FormatMsg(QStringLiteral("Ende%")), QStringLiteral("Ende"));
    EXPECT_EQ(FormatMsg(QStringLiteral("%%1"), {QStringLiteral("x")}), QStringLiteral("%1"));
    EXPECT_EQ(FormatMsg(QString()), QString());
}

TEST(FormatMsg, ArgumentsAreNeverExpandedAgain)
{
    EXPECT_EQ(FormatMsg(QStringLiteral("<%1|%2>"), {QStringLiteral("%2%n%"), QStringLiteral("%1")}),
              QStringLiteral("<%2%n%|%1>"));
}

TEST(FormatMsg, TemplateLongerThan16BitsOverflows)
{
    EXPECT_EQ(FormatMsg(QString(32765, QLatin1Char('a')) + QStringLiteral("%1"), {QStringLiteral("zz")}).size(), 32767);
    try {
        FormatMsg(QString(32768, QLatin1Char('a')));
        FAIL() << "no overflow";
    } catch (const KluniError& e) {
        EXPECT_EQ(e.Number(), 6);
        EXPECT_EQ(e.Description(), QStringLiteral("Überlauf"));
    }
}

class ReportErrorTest : public ::testing::Test {
protected:
    TestInstallation inst;

    // The report shown for an exception thrown by raise.
    template <typename Raise>
    QString Report(Raise raise, const QString& procedure = QStringLiteral("FMain.FilelistFromName"))
    {
        inst.Messages().Clear();
        try {
            raise();
        } catch (...) {
            ReportError(procedure);
        }
        EXPECT_EQ(inst.Messages().Entries().size(), 1);
        if (inst.Messages().Entries().isEmpty())
            return QString();
        EXPECT_EQ(inst.Messages().Entries().front().kind, RecordingMessageSink::Kind::Critical);
        return inst.Messages().Entries().front().text;
    }
};

TEST_F(ReportErrorTest, ShowsProcedureNumberAndDescription)
{
    EXPECT_EQ(Report([] { throw KluniError::Overflow(); }),
              QStringLiteral("Es ist ein Fehler aufgetreten!\r\n\r\nProzedur: FMain.FilelistFromName\r\n\r\n"
                             "Fehler 6: Überlauf"));
    EXPECT_EQ(Report([] { throw KluniError::SubscriptOutOfRange(); }, QString()),
              QStringLiteral("Es ist ein Fehler aufgetreten!\r\n\r\nFehler 9: Index außerhalb des gültigen Bereichs"));
    EXPECT_EQ(Report([] { throw KluniError(-5, QStringLiteral("Negativ")); }, QString()),
              QStringLiteral("Es ist ein Fehler aufgetreten!\r\n\r\nFehler -5: Negativ"));
    EXPECT_EQ(ErrorReportText(QStringLiteral("FMod2.ShowFile"), 7, QStringLiteral("x"), QStringLiteral("Kopf")),
              QStringLiteral("Kopf\r\n\r\nProzedur: FMod2.ShowFile\r\n\r\nFehler 7: x"));
}

TEST_F(ReportErrorTest, LibraryExceptionsMapToTheirErrorNumbers)
{
    const auto tail = [](const QString& report) { return report.mid(report.lastIndexOf(QStringLiteral("Fehler "))); };
    EXPECT_EQ(tail(Report([] { throw std::bad_alloc(); })), QStringLiteral("Fehler 7: Nicht genügend Speicher"));
    EXPECT_EQ(tail(Report([] { return std::vector<int>(2).at(5); })),
              QStringLiteral("Fehler 9: Index außerhalb des gültigen Bereichs"));
    EXPECT_EQ(tail(Report([] { throw std::overflow_error("zu gross"); })), QStringLiteral("Fehler 6: Überlauf"));
    EXPECT_EQ(tail(Report([] { throw std::runtime_error("kaputt"); })), QStringLiteral("Fehler 51: kaputt"));
    EXPECT_EQ(tail(Report([] { throw 42; })), QStringLiteral("Fehler 51: Unbekannter Fehler"));
}

} // namespace
