#include "hostdata/CIniFile.h"

#include "TestInstallation.h"

#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

// Everything a reader delivers until the end of the file: "[name]" per
// section, "section|name=value" per entry.
QStringList ReadAll(CIniFile& ini)
{
    QStringList items;
    for (int guard = 0; guard < 1000000; ++guard) {
        ini.NextEntry();
        if (ini.IsEof())
            return items;
        if (ini.IsSection())
            items << '[' + ini.Section() + ']' + ini.EntryName() + ini.EntryValue();
        else
            items << (ini.IsEntry() ? QString(ini.Section() + '|' + ini.EntryName() + '=' + ini.EntryValue()) : "?kind");
    }
    return items << "?no end of file";
}

QStringList ReadBytes(const QByteArray& bytes, const QString& needle = {})
{
    CIniFile ini;
    if (!ini.InitFromBytes(bytes))
        return {"?init failed"};
    if (!needle.isNull())
        ini.SkipEntriesWithout(needle);
    return ReadAll(ini);
}

// What the needle filter must keep: the sections and the entries whose lower-cased text holds it.
QStringList Holding(const QStringList& items, const QString& needle)
{
    QStringList kept;
    for (const QString& item : items)
        if (item.startsWith('[') || item.mid(item.indexOf('|') + 1).toLower().contains(needle))
            kept << item;
    return kept;
}

} // namespace

// How lines become sections and entries is compared with a plain reading in fuzz/fuzz_ini.cpp.
// Comparing a name without building it gives what comparing EntryName() gives.
TEST(CIniFile, NameComparisonAgreesWithQt)
{
    CIniFile ini;
    ASSERT_TRUE(ini.InitFromBytes("Name_GER=a\r\n\x80\xE4x=b\r\nFile12 = c\r\nk=x\r\n[S]\r\n"));
    for (int entry = 0; entry < 4; ++entry) {
        ini.NextEntry();
        for (const QString candidate : {"Name_GER", "Name_GE", "name_GER", "€äx", "€ax", "File12", "", "k"})
            EXPECT_EQ(ini.EntryNameIs(candidate), ini.EntryName() == candidate) << qPrintable(candidate);
    }
    ini.NextEntry();
    EXPECT_TRUE(ini.IsSection());
    EXPECT_TRUE(ini.EntryNameBytes().isEmpty());
}

// Lines, needles and late-read fields across the ends of the 256 KiB read buffer.
TEST(CIniFile, LongFilesAcrossReadBuffers)
{
    // A 10 MB value, then a CR LF split by the end of a read buffer: the LF must not begin a line.
    QByteArray text = "big=" + QByteArray(10 * 1024 * 1024, 'x') + "\r\n";
    const qsizetype pad = (256 * 1024 - 1) - (text.size() % (256 * 1024)) - 4;
    text += "pad=" + QByteArray(pad, 'p') + "\r\nnext=1";
    QStringList items = ReadBytes(text);
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0].size(), 10 * 1024 * 1024 + 5);
    EXPECT_EQ(items[1].size(), pad + 5);
    EXPECT_EQ(items[2], "|next=1");

    // Fields are decoded only when asked for: a section asked for after its
    // entries ran across several fills, and the last entry after the end, keep their text.
    text = "[Erste \xC4]\r\n";
    for (int i = 0; i < 40000; ++i)
        text += "File" + QByteArray::number(i) + "=\\immobilien\\haus" + QByteArray::number(i) + ".gsb\r\n";
    text += "[Zweite]\r\nLetzter = Wert \xE4\r\n";
    CIniFile ini;
    ASSERT_TRUE(ini.InitFromBytes(text));
    QStringList sections;
    for (ini.NextEntry(); !ini.IsEof(); ini.NextEntry())
        if (ini.IsEntry() && (ini.EntryNameIs(QString("File39999")) || ini.EntryNameIs(QString("Letzter"))))
            sections << ini.Section();
    EXPECT_EQ(sections, QStringList({"Erste Ä", "Zweite"}));
    EXPECT_EQ(ini.Section() + '|' + ini.EntryName() + '=' + ini.EntryValue(), "Zweite|Letzter=Wert ä");

    // The needle filter keeps every match of over a megabyte of varied lines
    // (a line pieced together from two fills may come through unfiltered).
    QRandomGenerator random(7);
    text.clear();
    while (text.size() < 1200 * 1024) {
        if (random.bounded(50) == 0)
            text += "[S" + QByteArray::number(random.bounded(1000)) + "]\r\n";
        else
            text += "File=" + QByteArray(random.bounded(1, 60), 'x');
        if (random.bounded(5) == 0)
            text += random.bounded(2) ? "HaUs" : "ha\nus";
        text += QByteArray(random.bounded(1, 40), 'y') + "\r\n";
    }
    const QStringList expected = Holding(ReadBytes(text), "haus");
    EXPECT_GT(expected.size(), 1000);
    EXPECT_EQ(Holding(ReadBytes(text, "haus"), "haus"), expected);
}

TEST(CIniFile, OpensOnlyOrdinaryFilesAndReadsModelNames)
{
    TestInstallation inst;
    inst.Activate();
    inst.WriteBytes("Dir/File.ini", "[S]\r\na=\xE4");
    CIniFile ini;
    ASSERT_TRUE(ini.Init(inst.WindowsPath("dir\\file.ini")));   // the lookup ignores case
    EXPECT_EQ(ReadAll(ini), QStringList({"[S]", "S|a=ä"}));
    for (const QString& path : {inst.WindowsPath("Dir\\Missing.ini"), inst.WindowsPath("Dir"), QString()})
        EXPECT_FALSE(CIniFile().Init(path)) << qPrintable(path);

    inst.WriteText("M/Haus.ini", "[A]\nName_ENG=House\nname_ger=klein\n[B]\nName_GER = \" Villa \t\" \nName_GER=Zweiter\n");
    inst.WriteText("M/Blank.ini", "[A]\nName_GER=\"  \"\nName_GER=Später\n");
    inst.WriteText("M/NoKey.ini", "[A]\nName_ENG=House\n");
    const struct { QString gsb, name; } rows[] = {
        {inst.WindowsPath("m\\haus.gsb"), "Villa \t"},   // first exact key in any section, trimmed of blanks
        {inst.WindowsPath("M\\Blank.gsb"), "<?>"},       // the first name entry ends the search even when blank
        {inst.WindowsPath("M\\NoKey.gsb"), "<?>"},
        {inst.WindowsPath("M\\Missing.gsb"), ""},
        {inst.WindowsPath("M\\Haus.GSB"), inst.WindowsPath("M\\Haus.GSB")},   // only ".gsb" names a model file
        {"x.bmp", "x.bmp"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(IniModelName(row.gsb, "Name_GER"), row.name) << qPrintable(row.gsb);
}
