#include "hostdata/CGsb.h"

#include "TestInstallation.h"
#include "startup/KluniError.h"

#include <gtest/gtest.h>

namespace {

// A string as a gsb file stores it: 32-bit little-endian length, then the bytes.
QByteArray Prefixed(const QByteArray& text)
{
    const quint32 n = quint32(text.size());
    const char length[4] = {char(n & 0xFF), char((n >> 8) & 0xFF), char((n >> 16) & 0xFF), char(n >> 24)};
    return QByteArray(length, 4) + text;
}

class GsbTest : public ::testing::Test {
protected:
    void SetUp() override { inst.Activate(); }
    QStringList Names()
    {
        QStringList names;
        for (qint32 k = 1; k <= gsb.Count(); ++k)
            names << gsb.Mod2Name(k);
        return names;
    }
    TestInstallation inst;
    CGsb gsb;
};

} // namespace

TEST_F(GsbTest, ScanFindsLengthPrefixedNamesOnly)
{
    const auto padded = [](const QByteArray& text) { return QByteArray("pppp" + Prefixed(text)); };
    const struct { QByteArray bytes; QStringList names; } rows[] = {
        // The scan itself is compared with a plain reading in fuzz/fuzz_gsb.cpp; here the names it refuses.
        {Prefixed("Stra\xDF" "e\\\xC4rger \xA7(1).abc"), {"Straße\\Ärger §(1).abc"}},   // read as Windows-1252
        {padded("a\\"), {}},                      // shorter than 3
        {padded("abcdef") + '\\', {}},            // no backslash inside
        {padded("C:\\dir\\x"), {}},               // drive letter
        {padded("dir/sub\\x"), {}},               // slash
        {padded("dir\\x\x01y"), {}},              // control byte
        {padded("dir\\\xE9t\xE9"), {}},           // other accented letter
        // A huge candidate failing at its last byte, seen from every backslash inside: one pass still.
        {"pad" + QByteArray("\0\0\x10\0", 4) + QByteArray((1 << 20) - 1, '\\') + '\x01', {}},
    };
    for (const auto& row : rows) {
        gsb.ScanBytes(row.bytes, inst.Paths().gtModelsDir);
        EXPECT_EQ(Names(), row.names) << row.bytes.left(40).toHex().constData();
    }
    QByteArray many;
    for (int k = 0; k < 32768; ++k)
        many += Prefixed("m\\" + QByteArray::number(k));
    EXPECT_THROW(gsb.ScanBytes(many, inst.Paths().gtModelsDir), KluniError);   // the count of missing files overflows
}

TEST_F(GsbTest, FileAndMod2States)
{
    inst.WriteBytes("Modelle/A/y.mod2", "m");
    gsb.ScanBytes(Prefixed("b\\x") + Prefixed("A\\y") + Prefixed("B\\X"), inst.Paths().gtModelsDir);
    EXPECT_EQ(QList<bool>({gsb.Mod2Exists(1), gsb.Mod2Exists(2), gsb.Mod2Exists(3)}), QList<bool>({true, false, false}));
    EXPECT_EQ(gsb.CountMissing(), 1);   // "B\X" did not count again

    inst.WriteBytes("leer.gsb", QByteArray());
    inst.WriteBytes("Immobilien/Haus.gsb", Prefixed("Haus\\Dach") + Prefixed("Haus\\Wand"));
    const struct {
        const char* file;
        bool init, exists;
        int count, missing;   // without "Modelle/Haus" every name is missing
    } rows[] = {{"fehlt.gsb", false, false, 0, 0},
                {"leer.gsb", false, true, 0, 0},
                {"immobilien\\haus.gsb", true, true, 2, 2}};
    for (const auto& row : rows) {
        EXPECT_EQ(gsb.Init(inst.WindowsPath(row.file), inst.Paths().gtModelsDir), row.init) << row.file;
        EXPECT_EQ(QList<int>({gsb.GsbExists(), gsb.Count(), gsb.CountMissing()}), QList<int>({row.exists, row.count, row.missing}))
            << row.file;
    }
    EXPECT_EQ(gsb.GsbName(), inst.WindowsPath("immobilien\\haus.gsb"));
}
