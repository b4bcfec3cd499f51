#include "hostdata/CGsb.h"

#include "TestInstallation.h"
#include "startup/KluniError.h"
#include "startup/ModuleState.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

// A string as a gsb file stores it: 32-bit little-endian length, then the bytes.
QByteArray Prefixed(const QByteArray& text)
{
    const quint32 n = quint32(text.size());
    QByteArray out;
    out.append(char(n & 0xFF)).append(char((n >> 8) & 0xFF)).append(char((n >> 16) & 0xFF)).append(char(n >> 24));
    return out + text;
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
    TestInstallation inst;
};

} // namespace

TEST_F(GsbTest, FindsLengthPrefixedNames)
{
    // The 13-byte name right after its prefix 0D 00 00 00, framed by other data.
    CGsb gsb;
    gsb.ScanBytes(QByteArray("GSB\x01\x02", 5) + Prefixed("Haus\\Wand.abc") + QByteArray("\x00\x07", 2));
    EXPECT_EQ(Names(gsb), QStringList{"Haus\\Wand.abc"});

    // Zero bytes in the low length bytes lie before the high zero byte: a
    // 300-character name (2C 01 00 00) is found.
    const QByteArray longName = "D\\" + QByteArray(298, 'x');
    gsb.ScanBytes(QByteArray(4, '\x11') + Prefixed(longName));
    EXPECT_EQ(Names(gsb), QStringList{QString::fromLatin1(longName)});

    // German letters and the section sign count; Windows-1252 decoding.
    gsb.ScanBytes(Prefixed("Stra\xDF" "e\\\xC4rger \xA7(1).abc"));
    EXPECT_EQ(Names(gsb), QStringList{QStringLiteral("Straße\\Ärger §(1).abc")});
}

TEST_F(GsbTest, RejectsWhatIsNotAName)
{
    CGsb gsb;
    const QByteArray pad(4, 'p');
    const QList<QByteArray> rejected{
        pad + Prefixed("a\\"),                          // shorter than 3
        pad + Prefixed("abcdef") + "\\",                // no backslash inside
        pad + Prefixed("C:\\dir\\x"),                   // drive letter
        pad + Prefixed("dir/sub\\x"),                   // slash
        pad + Prefixed("dir\\x\x01y"),                  // control byte
        pad + Prefixed("dir\\\xE9t\xE9"),               // other accented letter
        QByteArray(pad + Prefixed("dir\\x")).left(12),  // runs past the end of the file
        QByteArray("\x05\x00\x00", 3) + "a\\bcd",     // zero too close to the start for a prefix
        QByteArray("no backslash at all \x00\x00\x00", 23),
    };
    for (const QByteArray& bytes : rejected) {
        gsb.ScanBytes(bytes);
        EXPECT_EQ(gsb.Count(), 0) << bytes.toHex().constData();
    }
}

TEST_F(GsbTest, SortedCaseInsensitiveAndUnique)
{
    inst.WriteBytes("Modelle/A/y.mod2", "m");
    CGsb gsb;
    gsb.ScanBytes(Prefixed("b\\x") + Prefixed("A\\y") + Prefixed("B\\X") + Prefixed("c\\z") + Prefixed("a\\Y"));
    EXPECT_EQ(Names(gsb), (QStringList{"A\\y", "b\\x", "c\\z"}));
    EXPECT_TRUE(gsb.Mod2Exists(1));
    EXPECT_FALSE(gsb.Mod2Exists(2));
    EXPECT_EQ(gsb.CountMissing(), 2);   // the duplicate in capitals did not count again

    EXPECT_EQ(gsb.Mod2Name(0), "Falscher Index für mod2-Item");
    EXPECT_EQ(gsb.Mod2Name(4), "Falscher Index für mod2-Item");
    EXPECT_FALSE(gsb.Mod2Exists(0));
    EXPECT_FALSE(gsb.Mod2Exists(4));
}

TEST_F(GsbTest, TextBehindAcceptedNameEndsTheScan)
{
    // Further backslashes after a name, with no zero byte in between, lead
    // back to the same candidate; the scan must move on, not repeat it.
    CGsb gsb;
    gsb.ScanBytes(Prefixed("Haus\\Wand.abc") + "x\\y\\z");
    EXPECT_EQ(Names(gsb), QStringList{"Haus\\Wand.abc"});
}

TEST_F(GsbTest, LongRunsAreScannedInOnePass)
{
    // A quadratic scan would not finish these.
    CGsb gsb;
    gsb.ScanBytes(QByteArray(4 << 20, '\\'));
    EXPECT_EQ(gsb.Count(), 0);

    // A huge candidate that fails only at its last byte, seen from every
    // backslash inside it.
    const qsizetype n = 1 << 20;
    QByteArray bytes = QByteArray("pad") + QByteArray("\x00\x00\x10\x00", 4) + QByteArray(n - 1, '\\') + '\x01';
    gsb.ScanBytes(bytes);
    EXPECT_EQ(gsb.Count(), 0);
}

TEST_F(GsbTest, InitStatesAndModelleMissing)
{
    CGsb gsb;
    EXPECT_EQ(gsb.Count(), 0);
    EXPECT_FALSE(gsb.Init(inst.WindowsPath("Immobilien\\fehlt.gsb")));
    EXPECT_FALSE(gsb.GsbExists());

    inst.WriteBytes("Immobilien/leer.gsb", QByteArray());
    EXPECT_FALSE(gsb.Init(inst.WindowsPath("Immobilien\\leer.gsb")));
    EXPECT_TRUE(gsb.GsbExists());
    EXPECT_EQ(gsb.Count(), 0);

    inst.WriteBytes("Immobilien/ohne.gsb", QByteArray("\x00\x00\x00\x00 plain", 10));
    EXPECT_TRUE(gsb.Init(inst.WindowsPath("Immobilien\\ohne.gsb")));
    EXPECT_EQ(gsb.Count(), 0);

    // No "Modelle" directory: every name is missing. Lower-case path finds
    // the file written in other case.
    inst.WriteBytes("Immobilien/Haus.gsb", Prefixed("Haus\\Dach") + Prefixed("Haus\\Wand"));
    EXPECT_TRUE(gsb.Init(inst.WindowsPath("immobilien\\haus.gsb")));
    EXPECT_EQ(gsb.GsbName(), inst.WindowsPath("immobilien\\haus.gsb"));
    EXPECT_EQ(gsb.Count(), 2);
    EXPECT_EQ(gsb.CountMissing(), 2);
    EXPECT_TRUE(inst.Messages().Entries().isEmpty());
}

TEST_F(GsbTest, FileTooLargeForThirtyTwoBitsIsAReadError)
{
    const QString native = inst.NativePath("Immobilien/riesig.gsb");
    inst.WriteBytes("Immobilien/riesig.gsb", "x");
    {
        QFile file(native);
        ASSERT_TRUE(file.resize(qint64(1) << 31));   // sparse: takes no space
    }
    CGsb gsb;
    EXPECT_FALSE(gsb.Init(inst.WindowsPath("Immobilien\\riesig.gsb")));
    EXPECT_TRUE(gsb.GsbExists());
    EXPECT_EQ(gsb.Count(), 0);
    ASSERT_EQ(inst.Messages().Entries().size(), 1);
    EXPECT_EQ(inst.Messages().Entries().first().kind, RecordingMessageSink::Kind::Plain);
    EXPECT_TRUE(inst.Messages().Entries().first().text.startsWith("Fehler beim Lesen der gsb-Datei:\r\n6 "));
    QFile::remove(native);
}

TEST_F(GsbTest, MissingCountOverflows)
{
    QByteArray bytes;
    for (int k = 0; k < 32768; ++k)
        bytes += Prefixed("m\\" + QByteArray::number(k).rightJustified(5, '0'));
    CGsb gsb;
    EXPECT_THROW(gsb.ScanBytes(bytes), KluniError);
}
