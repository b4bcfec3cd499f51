#include "hostdata/CGsb.h"

#include "TestInstallation.h"
#include "startup/KluniError.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

// A string as a gsb file stores it: 32-bit little-endian length, then the bytes.
QByteArray Prefixed(const QByteArray& text)
{
    const quint32 n = quint32(text.size());
    const char length[4] = {char(n & 0xFF), char((n >> 8) & 0xFF), char((n >> 16) & 0xFF), char(n >> 24)};
    return QByteArray(length, 4) + text;
}

QStringList Names(const CGsb& gsb)
{
    QStringList names;
    for (qint32 k = 1; k <= gsb.Count(); ++k)
        names << gsb.Mod2Name(k);
    return names;
}

class GsbTest : public ::testing::Test {
protected:
    void SetUp() override { inst.Activate(); }
    QStringList Scan(const QByteArray& bytes)
    {
        gsb.ScanBytes(bytes);
        return Names(gsb);
    }
    TestInstallation inst;
    CGsb gsb;
};

} // namespace

TEST_F(GsbTest, FindsLengthPrefixedNames)
{
    // 0D 00 00 00 and the 13 characters, framed by other data.
    EXPECT_EQ(Scan("GSB\x01" + Prefixed("Haus\\Wand.abc") + QByteArray(2, '\0')), QStringList{"Haus\\Wand.abc"});
    // Zero bytes among the low length bytes (300 = 2C 01 00 00) do not matter.
    const QByteArray longName = "D\\" + QByteArray(298, 'x');
    EXPECT_EQ(Scan(QByteArray(4, '\x11') + Prefixed(longName)), QStringList{QString(longName)});
    // German letters and the section sign, read as Windows-1252.
    EXPECT_EQ(Scan(Prefixed("Stra\xDF" "e\\\xC4rger \xA7(1).abc")), QStringList{"Straße\\Ärger §(1).abc"});
    // A backslash behind the accepted name "a\b" finds it again: the scan
    // goes on after that backslash, never back to the name's end.
    EXPECT_EQ(Scan(QByteArray("\x03\0\0\0" "a\\bx\\", 9)), QStringList{"a\\b"});
}

TEST_F(GsbTest, RejectsWhatIsNotAName)
{
    const auto padded = [](const QByteArray& text) { return QByteArray("pppp" + Prefixed(text)); };
    const QList<QByteArray> rejected{
        padded("a\\"),                           // shorter than 3
        padded("abcdef") + '\\',                 // no backslash inside
        padded("C:\\dir\\x"),                    // drive letter
        padded("dir/sub\\x"),                    // slash
        padded("dir\\x\x01y"),                   // control byte
        padded("dir\\\xE9t\xE9"),                // other accented letter
        padded("dir\\x").left(12),               // runs past the end of the file
        QByteArray("\x05\0\0a\\bcd", 8),          // no room for a prefix before the zero
    };
    for (const QByteArray& bytes : rejected)
        EXPECT_EQ(Scan(bytes), QStringList()) << bytes.toHex().constData();
}

TEST_F(GsbTest, SortedCaseInsensitiveUniqueWithStates)
{
    inst.WriteBytes("Modelle/A/y.mod2", "m");
    EXPECT_EQ(Scan(Prefixed("b\\x") + Prefixed("A\\y") + Prefixed("B\\X") + Prefixed("c\\z") + Prefixed("a\\Y")),
              (QStringList{"A\\y", "b\\x", "c\\z"}));
    EXPECT_TRUE(gsb.Mod2Exists(1));
    EXPECT_FALSE(gsb.Mod2Exists(2));
    EXPECT_EQ(gsb.CountMissing(), 2);   // "B\X" did not count again
    EXPECT_EQ(gsb.Mod2Name(0), "Falscher Index für mod2-Item");
    EXPECT_EQ(gsb.Mod2Name(4), "Falscher Index für mod2-Item");
    EXPECT_FALSE(gsb.Mod2Exists(4));
}

TEST_F(GsbTest, LongRunsAreScannedInOnePass)
{
    // A quadratic scan would not finish these.
    EXPECT_EQ(Scan(QByteArray(4 << 20, '\\')), QStringList());
    // A huge candidate that fails only at its last byte, seen from every
    // backslash inside it.
    const qsizetype n = 1 << 20;
    EXPECT_EQ(Scan("pad" + QByteArray("\0\0\x10\0", 4) + QByteArray(n - 1, '\\') + '\x01'), QStringList());
}

TEST_F(GsbTest, InitStates)
{
    EXPECT_FALSE(gsb.Init(inst.WindowsPath("fehlt.gsb")));
    EXPECT_FALSE(gsb.GsbExists());

    inst.WriteBytes("leer.gsb", QByteArray());
    EXPECT_FALSE(gsb.Init(inst.WindowsPath("leer.gsb")));
    EXPECT_TRUE(gsb.GsbExists());

    // No "Modelle" directory: every name is missing. The lower-case path
    // finds the file written in other case.
    inst.WriteBytes("Immobilien/Haus.gsb", Prefixed("Haus\\Dach") + Prefixed("Haus\\Wand"));
    EXPECT_TRUE(gsb.Init(inst.WindowsPath("immobilien\\haus.gsb")));
    EXPECT_EQ(gsb.GsbName(), inst.WindowsPath("immobilien\\haus.gsb"));
    EXPECT_EQ(gsb.Count(), 2);
    EXPECT_EQ(gsb.CountMissing(), 2);
    EXPECT_TRUE(inst.Messages().Entries().isEmpty());

    // A file beyond 32-bit lengths is a read error with a message (sparse file).
    inst.WriteBytes("riesig.gsb", "x");
    ASSERT_TRUE(QFile(inst.NativePath("riesig.gsb")).resize(qint64(1) << 31));
    EXPECT_FALSE(gsb.Init(inst.WindowsPath("riesig.gsb")));
    EXPECT_TRUE(gsb.GsbExists());
    EXPECT_EQ(gsb.Count(), 0);
    ASSERT_EQ(inst.Messages().Entries().size(), 1);
    EXPECT_EQ(inst.Messages().Entries().first().kind, RecordingMessageSink::Kind::Plain);
    EXPECT_TRUE(inst.Messages().Entries().first().text.startsWith("Fehler beim Lesen der gsb-Datei:\r\n6 "));
    QFile::remove(inst.NativePath("riesig.gsb"));
}

TEST_F(GsbTest, MissingCountOverflows)
{
    QByteArray bytes;
    for (int k = 0; k < 32768; ++k)
        bytes += Prefixed("m\\" + QByteArray::number(k));
    EXPECT_THROW(gsb.ScanBytes(bytes), KluniError);
}
