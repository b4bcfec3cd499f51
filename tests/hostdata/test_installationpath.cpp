#include "hostdata/InstallationPath.h"

#include "platform/HostPath.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// Readable failure output.
std::string Std(const QString& text)
{
    return text.toStdString();
}

// A Wine prefix with an installation on drive C: ("C:\EEP6\Resourcen"),
// dosdevices/c: linking to drive_c, a link elsewhere to its EEP6 directory,
// and a directory outside the prefix. The drive table is C: and Z: -> "/".
class InstallationPathTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_saved = HostPath::DriveTable();
        m_base = QFileInfo(m_dir.path()).canonicalFilePath();
        MakeFile("prefix/drive_c/EEP6/Resourcen/Immobilien/Haus.gsb");
        MakeFile("outside/x.gsb");
        QDir().mkpath(Native("prefix/dosdevices"));
        ASSERT_TRUE(QFile::link(QStringLiteral("../drive_c"), Native("prefix/dosdevices/c:")));
        ASSERT_TRUE(QFile::link(Native("prefix/drive_c/EEP6"), Native("link")));
        UseDriveC(Native("prefix/drive_c"));
    }

    void TearDown() override { HostPath::SetDriveTable(m_saved); }

    QString Native(const QString& rel) const { return m_base + QLatin1Char('/') + rel; }
    // The same native place as Z:\... spells it.
    QString OnZ(const QString& rel) const { return QStringLiteral("Z:") + Native(rel).replace('/', '\\'); }

    void MakeFile(const QString& rel) const
    {
        QDir().mkpath(QFileInfo(Native(rel)).absolutePath());
        QFile file(Native(rel));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    static void UseDriveC(const QString& root)
    {
        HostPath::SetDriveTable({{QLatin1Char('C'), root}, {QLatin1Char('Z'), QStringLiteral("/")}});
    }

    QTemporaryDir m_dir;
    QString m_base;
    QVector<HostPath::DriveMapping> m_saved;
};

} // namespace

TEST_F(InstallationPathTest, NativePathsIntoTheInstallationTakeItsSpelling)
{
    const InstallationPath paths(QStringLiteral("C:\\EEP6\\Resourcen"));
    const std::string haus = "C:\\EEP6\\Resourcen\\Immobilien\\Haus.gsb";
    EXPECT_EQ(Std(paths.FromNative(Native("prefix/drive_c/EEP6/Resourcen/Immobilien/Haus.gsb"))), haus);
    EXPECT_EQ(Std(paths.FromNative(Native("prefix/dosdevices/c:/EEP6/Resourcen/Immobilien/Haus.gsb"))), haus);
    EXPECT_EQ(Std(paths.FromNative(Native("link/Resourcen/Immobilien/Haus.gsb"))), haus);
    EXPECT_EQ(Std(paths.FromNative(Native("link/Resourcen/./Immobilien/../Immobilien/Haus.gsb"))), haus);
    // Directories at and above the installation, up to the drive's root.
    EXPECT_EQ(Std(paths.FromNative(Native("link/Resourcen/"))), "C:\\EEP6\\Resourcen");
    EXPECT_EQ(Std(paths.FromNative(Native("link"))), "C:\\EEP6");
    EXPECT_EQ(Std(paths.FromNative(Native("prefix/dosdevices/c:"))), "C:\\");
    // Elsewhere the drive table decides.
    EXPECT_EQ(Std(paths.FromNative(Native("outside/x.gsb"))), Std(OnZ("outside/x.gsb")));

    // A relative path is taken against the current directory.
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(Native("link/Resourcen")));
    const QString relative = paths.FromNative(QStringLiteral("Immobilien/Haus.gsb"));
    QDir::setCurrent(previous);
    EXPECT_EQ(Std(relative), haus);
}

TEST_F(InstallationPathTest, ResourceDirectoryAsTheRegistryWritesIt)
{
    // Lower case and a trailing backslash: matched on disk, kept as written.
    const InstallationPath paths(QStringLiteral("c:\\eep6\\resourcen\\"));
    EXPECT_EQ(Std(paths.FromNative(Native("link/Resourcen/Immobilien/Haus.gsb"))),
              "c:\\eep6\\resourcen\\Immobilien\\Haus.gsb");

    // A drive this system does not have: the plain Windows form.
    const InstallationPath unknown(QStringLiteral("Q:\\EEP6\\Resourcen"));
    EXPECT_EQ(Std(unknown.FromNative(Native("outside/x.gsb"))), Std(OnZ("outside/x.gsb")));
}

TEST_F(InstallationPathTest, WinePrefixReachedThroughALink)
{
    // The drive table names the prefix through a link; the file manager hands
    // over the real path, which only "/" would otherwise map.
    ASSERT_TRUE(QFile::link(Native("prefix"), Native("prefixlink")));
    UseDriveC(Native("prefixlink/drive_c"));
    const InstallationPath paths(QStringLiteral("C:\\EEP6\\Resourcen"));
    EXPECT_EQ(Std(paths.FromNative(Native("prefix/drive_c/EEP6/Resourcen/Immobilien/Haus.gsb"))),
              "C:\\EEP6\\Resourcen\\Immobilien\\Haus.gsb");
    EXPECT_EQ(Std(paths.FromNative(Native("prefix/drive_c/Anderes"))), "C:\\Anderes");
}

TEST_F(InstallationPathTest, InstallationOnZThroughALink)
{
    MakeFile("real/Resourcen/Goods/a.gsb");
    ASSERT_TRUE(QFile::link(Native("real"), Native("eeplink")));
    const QString resBase = OnZ("eeplink/Resourcen");
    const InstallationPath paths(resBase);
    EXPECT_EQ(Std(paths.FromNative(Native("real/Resourcen/Goods/a.gsb"))), Std(resBase) + "\\Goods\\a.gsb");
    EXPECT_EQ(Std(paths.Recognise(OnZ("real/Resourcen/Goods/a.gsb"))), Std(resBase) + "\\Goods\\a.gsb");

    // A link to a directory inside the installation.
    ASSERT_TRUE(QFile::link(Native("real/Resourcen/Goods"), Native("waren")));
    EXPECT_EQ(Std(paths.FromNative(Native("waren/a.gsb"))), Std(resBase) + "\\Goods\\a.gsb");
    EXPECT_EQ(Std(paths.Recognise(OnZ("waren/A.GSB"))), Std(resBase) + "\\Goods\\A.GSB");
}

TEST_F(InstallationPathTest, RecognisedNamesKeepTheirOwnSpellingBelowTheInstallation)
{
    const InstallationPath paths(QStringLiteral("C:\\EEP6\\Resourcen"));
    EXPECT_EQ(Std(paths.Recognise(OnZ("prefix/drive_c/EEP6/Resourcen/immobilien/haus.gsb"))),
              "C:\\EEP6\\Resourcen\\immobilien\\haus.gsb");
    EXPECT_EQ(Std(paths.Recognise(OnZ("link/Resourcen/Immobilien"))), "C:\\EEP6\\Resourcen\\Immobilien");
    EXPECT_EQ(Std(paths.Recognise(QStringLiteral("c:\\eep6\\RESOURCEN\\Immobilien\\Haus.gsb"))),
              "C:\\EEP6\\Resourcen\\Immobilien\\Haus.gsb");
    // Names that do not lead into the installation stay as they are.
    for (const QString& name : {OnZ("outside/x.gsb"), OnZ("outside/fehlt.gsb"), QStringLiteral("Haus.gsb"),
                                QStringLiteral("\\\\server\\share\\a.gsb"), QString()})
        EXPECT_EQ(Std(paths.Recognise(name)), Std(name));
}
