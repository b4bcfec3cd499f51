#include "hostdata/CIniFile.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QStringList>

namespace {

// Everything a reader delivers, one item per section ("[name]") or entry
// ("name=value"), until the end of the file.
QStringList ReadAll(CIniFile& ini)
{
    QStringList items;
    for (int guard = 0; guard < 1000000; ++guard) {
        ini.NextEntry();
        if (ini.IsEof())
            return items;
        if (ini.IsSection())
            items << QLatin1Char('[') + ini.Section() + QLatin1Char(']');
        else if (ini.IsEntry())
            items << ini.EntryName() + QLatin1Char('=') + ini.EntryValue();
        else
            items << QStringLiteral("?unexpected kind");
    }
    items << QStringLiteral("?no end of file");
    return items;
}

QStringList ReadBytes(const QByteArray& bytes)
{
    CIniFile ini;
    if (!ini.InitFromBytes(bytes))
        return {QStringLiteral("?init failed")};
    return ReadAll(ini);
}

} // namespace

TEST(CIniFile, EmptyAndBlankFilesEndAtOnce)
{
    EXPECT_EQ(ReadBytes(QByteArray()), QStringList());
    EXPECT_EQ(ReadBytes("\r\n  \r\r\n; comment\r\nno equals sign\r\n"), QStringList());
}

TEST(CIniFile, LineEnds)
{
    // CR LF and lone CR end lines; a lone LF stays inside the line; the last
    // line needs no terminator.
    EXPECT_EQ(ReadBytes("[S]\r\na=1\rb=2\nc=3\r\nd=4"),
              (QStringList{"[S]", "a=1", "b=2\nc=3", "d=4"}));
    // CR CR LF: an empty line between.
    EXPECT_EQ(ReadBytes("a=1\r\r\nb=2\r"), (QStringList{"a=1", "b=2"}));
}

TEST(CIniFile, TrimmingAndQuotes)
{
    const QByteArray text =
        "  key  =  value  \r\n"         // blanks around everything
        "k \t = \t v\r\n"               // blanks and tabs around '='
        "q = \" inner  \" \r\n"         // quotes keep inner blanks
        "one = \"\r\n"                  // a single quote stays
        "empty = \"\"\r\n"              // two quotes give an empty value
        "mid = \"a\"b\"\r\n"            // one pair removed, inner quote stays
        "half = \"abc\r\n"              // no closing quote: unchanged
        "tail = v\t\r\n"                // trailing tab of a value stays
        "tabs = \t \tv\r\n"             // MyLTrim: blanks, tab, blanks, tab
        "name \t \t= x\r\n"             // MyRTrim on the name
        "a=b=c\r\n";                    // the first '=' splits
    EXPECT_EQ(ReadBytes(text), (QStringList{"key=value", "k=v", "q= inner  ", "one=\"", "empty=",
                                            "mid=a\"b", "half=\"abc", "tail=v\t", "tabs=v", "name=x",
                                            "a=b=c"}));
}

TEST(CIniFile, CommentsAndLeadingTabs)
{
    // Blanks before ';' still make a comment; a tab does not, so a tab line
    // with '=' is an entry whose name begins with the tab, and "\t[x]" is no section.
    EXPECT_EQ(ReadBytes("   ;k=v\r\n\t;k=v\r\n\t[x]=1\r\n\tplain\r\n"),
              (QStringList{"\t;k=v", "\t[x]=1"}));
}

TEST(CIniFile, SectionsAndTheirEntries)
{
    CIniFile ini;
    ASSERT_TRUE(ini.InitFromBytes("a=1\r\n[ Eins ]\r\nb=2\r\n[Abc\r\n[\r\n[x]y\r\n"));
    ini.NextEntry();
    EXPECT_TRUE(ini.IsEntry());
    EXPECT_EQ(ini.Section(), QString());   // nothing before the first header

    ini.NextEntry();
    ASSERT_TRUE(ini.IsSection());
    EXPECT_EQ(ini.Section(), QStringLiteral(" Eins "));   // not trimmed inside
    EXPECT_TRUE(ini.EntryName().isEmpty());                // a header empties the entry
    EXPECT_TRUE(ini.EntryValue().isEmpty());

    ini.NextEntry();
    ASSERT_TRUE(ini.IsEntry());
    EXPECT_EQ(ini.Section(), QStringLiteral(" Eins "));   // entries keep their section
    EXPECT_EQ(ini.EntryName(), QStringLiteral("b"));

    ini.NextEntry();
    EXPECT_EQ(ini.Section(), QStringLiteral("Ab"));   // no ']': the last character goes anyway
    ini.NextEntry();
    EXPECT_TRUE(ini.IsSection());
    EXPECT_EQ(ini.Section(), QString());              // "[" alone
    ini.NextEntry();
    EXPECT_EQ(ini.Section(), QStringLiteral("x]"));
    ini.NextEntry();
    EXPECT_TRUE(ini.IsEof());
}

TEST(CIniFile, DecodesWindows1252)
{
    const QByteArray text = "[H\xE4user]\r\nName_GER=Stra\xDF" "e \x80 \x84" "x\x93 \x9A\r\n";
    EXPECT_EQ(ReadBytes(text), (QStringList{QString::fromUtf8("[Häuser]"),
                                            QString::fromUtf8("Name_GER=Straße € „x“ š")}));
}

TEST(CIniFile, LowerCaseValueEqualsToLowerForEveryByte)
{
    QByteArray line = "k=x";
    for (int b = 0; b < 256; ++b) {
        if (b != '\r')
            line += char(b);
    }
    CIniFile ini;
    ASSERT_TRUE(ini.InitFromBytes(line));
    ini.NextEntry();
    ASSERT_EQ(ini.EntryValue().size(), 256);
    EXPECT_EQ(ini.EntryValueLower(), ini.EntryValue().toLower());
    EXPECT_EQ(ini.EntryValueLower().at(0xC4), QChar(0xE4));   // Ä (one place up for the x, one down for the CR)
}

TEST(CIniFile, LongLinesAcrossReadBuffers)
{
    // A 10 MB value, then a CR LF split by the end of a read buffer (256 KiB):
    // the LF must not begin the next line.
    QByteArray text = "big=" + QByteArray(10 * 1024 * 1024, 'x') + "\r\n";
    const qsizetype pad = (256 * 1024 - 1) - (text.size() % (256 * 1024)) - 4;
    ASSERT_GT(pad, 0);
    text += "pad=" + QByteArray(pad, 'p');
    ASSERT_EQ(text.size() % (256 * 1024), 256 * 1024 - 1);
    text += "\r\nnext=1";

    CIniFile ini;
    ASSERT_TRUE(ini.InitFromBytes(text));
    ini.NextEntry();
    EXPECT_EQ(ini.EntryValue().size(), 10 * 1024 * 1024);
    ini.NextEntry();
    EXPECT_EQ(ini.EntryValue().size(), pad);
    ini.NextEntry();
    EXPECT_EQ(ini.EntryName(), QStringLiteral("next"));
    ini.NextEntry();
    EXPECT_TRUE(ini.IsEof());
}

TEST(CIniFile, NulBytesAndGarbage)
{
    EXPECT_EQ(ReadBytes(QByteArray("a\0b=c\0d", 7)),
              QStringList{QString(QStringLiteral("a")) + QChar(0) + QStringLiteral("b=c") + QChar(0) + u'd'});

    QRandomGenerator random(99);
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes(random.bounded(4000), Qt::Uninitialized);
        for (char& b : bytes)
            b = char(random.bounded(256));
        const QStringList items = ReadBytes(bytes);
        ASSERT_FALSE(items.contains(QStringLiteral("?no end of file")));
    }
}

TEST(CIniFile, EntryFilterPassesOverLinesWithoutTheText)
{
    const QByteArray text = "[Kein Haus]\r\n  [Zwei]\r\nFile1=\\A\\HAUS.gsb\r\nFile2=\\a\\Maus.gsb\r\n"
                            "\tFile3=h\xC4user\r\nFile4=H\xE4user\r\n\t[x]=1\r\n";
    const auto filtered = [&text](const QString& needle) {
        CIniFile ini;
        ini.InitFromBytes(text);
        ini.SkipEntriesWithout(needle);
        return ReadAll(ini);
    };
    EXPECT_EQ(filtered(QStringLiteral("haus")), (QStringList{"[Kein Haus]", "[Zwei]", "File1=\\A\\HAUS.gsb"}));
    EXPECT_EQ(filtered(QString::fromUtf8("häu")),
              (QStringList{"[Kein Haus]", "[Zwei]", QString::fromUtf8("\tFile3=hÄuser"), QString::fromUtf8("File4=Häuser")}));
    // Text that no lower-cased value holds: only the sections remain.
    for (const char* never : {"HAUS", "\xC5\x82"}) {   // upper case; a character outside Windows-1252
        EXPECT_EQ(filtered(QString::fromUtf8(never)), (QStringList{"[Kein Haus]", "[Zwei]"})) << never;
    }
    EXPECT_EQ(filtered(QString()).size(), 7);
}

TEST(CIniFile, EntryFilterKeepsEveryMatchAcrossReadBuffers)
{
    // Over a megabyte of lines of varying length, so that lines and needles
    // straddle the ends of the read buffer.
    QRandomGenerator random(7);
    QByteArray text;
    while (text.size() < 1200 * 1024) {
        if (random.bounded(50) == 0)
            text += "[S" + QByteArray::number(random.bounded(1000)) + "]\r\n";
        else
            text += "File=" + QByteArray(random.bounded(1, 60), 'x');
        if (random.bounded(5) == 0)
            text += random.bounded(2) ? "HaUs" : "ha\nus";
        text += QByteArray(random.bounded(1, 40), 'y') + "\r\n";
    }
    CIniFile all;
    ASSERT_TRUE(all.InitFromBytes(text));
    QStringList expected;
    for (const QString& item : ReadAll(all)) {
        if (item.startsWith(u'[') || item.toLower().contains(QLatin1String("haus")))
            expected << item;
    }
    CIniFile ini;
    ASSERT_TRUE(ini.InitFromBytes(text));
    ini.SkipEntriesWithout(QStringLiteral("haus"));
    QStringList delivered;
    for (const QString& item : ReadAll(ini)) {
        // A line pieced together from two buffer fills may come through unfiltered.
        if (item.startsWith(u'[') || item.toLower().contains(QLatin1String("haus")))
            delivered << item;
    }
    EXPECT_GT(expected.size(), 1000);
    EXPECT_EQ(delivered, expected);
}

// Needles with repeated letters over text of few letters in both cases: the
// reader keeps exactly the sections and the entries that hold the needle.
TEST(CIniFile, EntryFilterFindsRepeatingNeedles)
{
    QRandomGenerator random(11);
    const char letters[] = {'a', 'A', 'b', 'B', 's', 'S', '\xE4', '\xC4'};
    QByteArray text;
    for (int line = 0; line < 3000; ++line) {
        text += random.bounded(20) == 0 ? QByteArray("[S]") : QByteArray("F=");
        for (int n = random.bounded(12); n > 0; --n)
            text += letters[random.bounded(8)];
        text += "\r\n";
    }
    for (const char* needle : {"s", "ss", "aba", "abab", "bb\xC3\xA4", "\xC3\xA4\xC3\xA4", "sasbs"}) {
        const QString lowerNeedle = QString::fromUtf8(needle);
        CIniFile all;
        ASSERT_TRUE(all.InitFromBytes(text));
        QStringList expected;
        for (const QString& item : ReadAll(all))
            if (item.startsWith(u'[') || item.toLower().contains(lowerNeedle))
                expected << item;
        CIniFile ini;
        ASSERT_TRUE(ini.InitFromBytes(text));
        ini.SkipEntriesWithout(lowerNeedle);
        EXPECT_EQ(ReadAll(ini), expected) << needle;
    }
}

// Fields are decoded only when asked for: a section asked for after its
// entries ran across several buffer fills, and the last entry asked for after
// the end of the file, still read as they were.
TEST(CIniFile, FieldsAskedForLateKeepTheirText)
{
    QByteArray text = "[Erste Sektion \xC4]\r\n";
    for (int i = 0; i < 40000; ++i)
        text += "File" + QByteArray::number(i) + "=\\immobilien\\haus" + QByteArray::number(i) + ".gsb\r\n";
    text += "[Zweite]\r\nLetzter = Wert \xE4\r\n";
    ASSERT_GT(text.size(), 3 * 256 * 1024);
    CIniFile ini;
    ASSERT_TRUE(ini.InitFromBytes(text));
    QStringList sections;
    for (;;) {
        ini.NextEntry();
        if (ini.IsEof())
            break;
        if (ini.IsEntry() && (ini.EntryNameIs(QStringLiteral("File39999")) || ini.EntryNameIs(QStringLiteral("Letzter"))))
            sections << ini.Section();
    }
    EXPECT_EQ(sections, (QStringList{QString::fromUtf8("Erste Sektion Ä"), QStringLiteral("Zweite")}));
    EXPECT_EQ(ini.Section(), QStringLiteral("Zweite"));
    EXPECT_EQ(ini.EntryName(), QStringLiteral("Letzter"));
    EXPECT_EQ(ini.EntryValue(), QString::fromUtf8("Wert ä"));
}

// Comparing a name without building it gives what comparing EntryName()
// gives, for Windows-1252 bytes too; a section leaves no name behind.
TEST(CIniFile, EntryNameIsMatchesEntryName)
{
    CIniFile ini;
    ASSERT_TRUE(ini.InitFromBytes("Name_GER=a\r\n\x80\xE4x=b\r\nFile12 = c\r\n[S]\r\n"));
    const QStringList candidates{"Name_GER", "Name_GE", "name_GER", QStringLiteral("€äx"), "€ax", "File12", ""};
    for (int entry = 0; entry < 4; ++entry) {
        ini.NextEntry();
        ASSERT_FALSE(ini.IsEof());
        for (const QString& candidate : candidates)
            EXPECT_EQ(ini.EntryNameIs(candidate), ini.EntryName() == candidate) << qPrintable(candidate);
    }
    EXPECT_TRUE(ini.IsSection());
    EXPECT_TRUE(ini.EntryNameIs(QString()));
    EXPECT_TRUE(ini.EntryNameBytes().isEmpty());
}

TEST(CIniFile, MyLTrim)
{
    EXPECT_EQ(CIniFile::MyLTrim(QStringLiteral("  \t \t x \t")), QStringLiteral("x \t"));
    EXPECT_EQ(CIniFile::MyLTrim(QStringLiteral(" \t ")), QString());
}

// Reading real files through Windows-form paths ----------------------------------

#include "TestInstallation.h"
#include "startup/ModuleState.h"

#include <QFile>
#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

TEST(CIniFileOnDisk, OpensOnlyOrdinaryFiles)
{
    TestInstallation inst;
    inst.WriteBytes(QStringLiteral("Dir/File.ini"), "[S]\r\na=\xE4");
    CIniFile ini;
    // The lookup ignores the case of every component.
    ASSERT_TRUE(ini.Init(inst.WindowsPath(QStringLiteral("dir\\file.ini"))));
    EXPECT_EQ(ReadAll(ini), (QStringList{"[S]", QString::fromUtf8("a=ä")}));

    EXPECT_FALSE(CIniFile().Init(inst.WindowsPath(QStringLiteral("Dir\\Missing.ini"))));
    EXPECT_FALSE(CIniFile().Init(inst.WindowsPath(QStringLiteral("Dir"))));
    EXPECT_FALSE(CIniFile().Init(QString()));
#ifndef Q_OS_WIN
    // A FIFO without a writer would block a reader forever.
    ASSERT_EQ(mkfifo(QFile::encodeName(inst.NativePath(QStringLiteral("Dir/Fifo.ini"))).constData(), 0600), 0);
    EXPECT_FALSE(CIniFile().Init(inst.WindowsPath(QStringLiteral("Dir\\Fifo.ini"))));
#endif
}

TEST(CIniFileOnDisk, IniModelName)
{
    TestInstallation inst;
    inst.Activate();   // gtNameKey = "Name_GER"
    ASSERT_EQ(gMod.gtNameKey, QStringLiteral("Name_GER"));
    inst.WriteText(QStringLiteral("M/Haus.ini"),
                   QStringLiteral("[A]\nName_ENG=House\nname_ger=klein\n[B]\nName_GER = \" Villa \t\" \nName_GER=Zweiter\n"));
    inst.WriteText(QStringLiteral("M/Blank.ini"), QStringLiteral("[A]\nName_GER=\"  \"\nName_GER=Später\n"));
    inst.WriteText(QStringLiteral("M/NoKey.ini"), QStringLiteral("[A]\nName_ENG=House\n"));
    const auto name = [&inst](const char* rel) { return IniModelName(inst.WindowsPath(QString::fromLatin1(rel))); };

    // First exact key in any section, trimmed of blanks (not of tabs).
    EXPECT_EQ(name("m\\haus.gsb"), QStringLiteral("Villa \t"));
    // The first name entry ends the search even when it is blank.
    EXPECT_EQ(name("M\\Blank.gsb"), QStringLiteral("<?>"));
    EXPECT_EQ(name("M\\NoKey.gsb"), QStringLiteral("<?>"));
    EXPECT_EQ(name("M\\Missing.gsb"), QString());
    // Only a lower-case ".gsb" counts as a model file; anything else comes back as it is.
    const QString upper = inst.WindowsPath(QStringLiteral("M\\Haus.GSB"));
    EXPECT_EQ(IniModelName(upper), upper);
    EXPECT_EQ(IniModelName(QStringLiteral("x.bmp")), QStringLiteral("x.bmp"));
}
