#include "hostdata/InstallationPath.h"

#include "platform/HostPath.h"
#include "TestHost.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A Wine prefix with an installation on drive C: ("C:\EEP6\Resourcen"),
// dosdevices/c: linking to drive_c, links to its EEP6 directory, to the
// prefix and to a directory inside the installation, an installation on Z:
// reached through a link, and a directory outside everything.
TEST(InstallationPath, NativeAndWindowsNamesIntoTheInstallationTakeItsSpelling)
{
    KLUNI_SKIP_ON_WINDOWS("Wine prefixes, drive tables and links belong to the Linux side");
    QTemporaryDir dir;
    const QString base = QFileInfo(dir.path()).canonicalFilePath();
    const auto native = [&base](const QString& rel) -> QString { return base + '/' + rel; };
    const auto onZ = [&](const QString& rel) -> QString { return "Z:" + native(rel).replace('/', '\\'); };
    for (const char* file : {"prefix/drive_c/EEP6/Resourcen/Immobilien/Haus.gsb", "outside/x.gsb", "real/Resourcen/Goods/a.gsb"}) {
        QDir().mkpath(QFileInfo(native(file)).absolutePath());
        QFile(native(file)).open(QIODevice::WriteOnly);
    }
    QDir().mkpath(native("prefix/dosdevices"));
    const char* const links[][2] = {{"../drive_c", "prefix/dosdevices/c:"}, {"prefix/drive_c/EEP6", "link"},
                                    {"prefix", "prefixlink"}, {"real", "eeplink"}, {"real/Resourcen/Goods", "waren"}};
    for (const auto& link : links)
        ASSERT_TRUE(TestHost::MakeLink(link[0][0] == '.' ? QString(link[0]) : native(link[0]), native(link[1]))) << link[1];
    const QVector<HostPath::DriveMapping> saved = HostPath::DriveTable();

    const QString haus = "C:\\EEP6\\Resourcen\\Immobilien\\Haus.gsb";
    const QString onZRes = onZ("eeplink/Resourcen");
    enum Kind { FromNative, Recognise };
    const struct { QString resBase, driveC; Kind kind; QString path, expected; } rows[] = {
        {"C:\\EEP6\\Resourcen", "prefix/drive_c", FromNative, native("prefix/drive_c/EEP6/Resourcen/Immobilien/Haus.gsb"), haus},
        {"C:\\EEP6\\Resourcen", "prefix/drive_c", FromNative, native("prefix/dosdevices/c:/EEP6/Resourcen/Immobilien/Haus.gsb"), haus},
        {"C:\\EEP6\\Resourcen", "prefix/drive_c", FromNative, native("link/Resourcen/./Immobilien/../Immobilien/Haus.gsb"), haus},
        // Directories at and above the installation, up to the drive's root; elsewhere the drive table decides.
        {"C:\\EEP6\\Resourcen", "prefix/drive_c", FromNative, native("link/Resourcen/"), "C:\\EEP6\\Resourcen"},
        {"C:\\EEP6\\Resourcen", "prefix/drive_c", FromNative, native("link"), "C:\\EEP6"},
        {"C:\\EEP6\\Resourcen", "prefix/drive_c", FromNative, native("prefix/dosdevices/c:"), "C:\\"},
        {"C:\\EEP6\\Resourcen", "prefix/drive_c", FromNative, native("outside/x.gsb"), onZ("outside/x.gsb")},
        // The registry's spelling (lower case, trailing backslash) is kept; an unknown drive gives the plain form.
        {"c:\\eep6\\resourcen\\", "prefix/drive_c", FromNative, native("link/Resourcen/Immobilien/Haus.gsb"),
         "c:\\eep6\\resourcen\\Immobilien\\Haus.gsb"},
        {"Q:\\EEP6\\Resourcen", "prefix/drive_c", FromNative, native("outside/x.gsb"), onZ("outside/x.gsb")},
        // The drive table names the prefix through a link; the file manager hands over the real path.
        {"C:\\EEP6\\Resourcen", "prefixlink/drive_c", FromNative, native("prefix/drive_c/EEP6/Resourcen/Immobilien/Haus.gsb"), haus},
        {"C:\\EEP6\\Resourcen", "prefixlink/drive_c", FromNative, native("prefix/drive_c/Anderes"), "C:\\Anderes"},
        // An installation on Z: through a link, and a link to a directory inside it.
        {onZRes, "prefix/drive_c", FromNative, native("real/Resourcen/Goods/a.gsb"), onZRes + "\\Goods\\a.gsb"},
        {onZRes, "prefix/drive_c", FromNative, native("waren/a.gsb"), onZRes + "\\Goods\\a.gsb"},
        {onZRes, "prefix/drive_c", Recognise, onZ("real/Resourcen/Goods/a.gsb"), onZRes + "\\Goods\\a.gsb"},
        {onZRes, "prefix/drive_c", Recognise, onZ("waren/A.GSB"), onZRes + "\\Goods\\A.GSB"},
        // Recognised names keep their own spelling below the installation; others stay as they are.
        {"C:\\EEP6\\Resourcen", "prefix/drive_c", Recognise, onZ("prefix/drive_c/EEP6/Resourcen/immobilien/haus.gsb"),
         "C:\\EEP6\\Resourcen\\immobilien\\haus.gsb"},
        {"C:\\EEP6\\Resourcen", "prefix/drive_c", Recognise, onZ("link/Resourcen/Immobilien"), "C:\\EEP6\\Resourcen\\Immobilien"},
        {"C:\\EEP6\\Resourcen", "prefix/drive_c", Recognise, "c:\\eep6\\RESOURCEN\\Immobilien\\Haus.gsb", haus},
        {"C:\\EEP6\\Resourcen", "prefix/drive_c", Recognise, onZ("outside/x.gsb"), onZ("outside/x.gsb")},
        {"C:\\EEP6\\Resourcen", "prefix/drive_c", Recognise, onZ("outside/fehlt.gsb"), onZ("outside/fehlt.gsb")},
        {"C:\\EEP6\\Resourcen", "prefix/drive_c", Recognise, "Haus.gsb", "Haus.gsb"},
        {"C:\\EEP6\\Resourcen", "prefix/drive_c", Recognise, "\\\\server\\share\\a.gsb", "\\\\server\\share\\a.gsb"},
        {"C:\\EEP6\\Resourcen", "prefix/drive_c", Recognise, "", ""},
    };
    for (const auto& row : rows) {
        HostPath::SetDriveTable({{'C', native(row.driveC)}, {'Z', "/"}});
        const InstallationPath paths(row.resBase);
        EXPECT_EQ(row.kind == FromNative ? paths.FromNative(row.path) : paths.Recognise(row.path), row.expected)
            << qPrintable(row.resBase + " / " + row.path);
    }
    // A relative path is taken against the current directory.
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(native("link/Resourcen")));
    HostPath::SetDriveTable({{'C', native("prefix/drive_c")}, {'Z', "/"}});
    const QString relative = InstallationPath("C:\\EEP6\\Resourcen").FromNative("Immobilien/Haus.gsb");
    QDir::setCurrent(previous);
    EXPECT_EQ(relative, haus);
    HostPath::SetDriveTable(saved);
}
