#include "TestInstallation.h"
#include "platform/ReadOnlyFile.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

// Only ordinary files open, through links too; a FIFO is refused at once
// instead of waiting for a writer.
TEST(ReadOnlyFile, OpensOrdinaryFilesOnly)
{
    TestInstallation inst;
    inst.WriteBytes(QStringLiteral("Dir/a.ini"), QByteArray("[S]\r\nx=1"));
    inst.MakeDir(QStringLiteral("Dir/Unter.ini"));
    ASSERT_TRUE(QFile::link(inst.NativePath(QStringLiteral("Dir/a.ini")), inst.NativePath(QStringLiteral("Dir/link.ini"))));
    ASSERT_EQ(mkfifo(inst.NativePath(QStringLiteral("Dir/rohr.ini")).toLocal8Bit().constData(), 0600), 0);

    for (const char* name : {"Dir/a.ini", "Dir/link.ini"}) {
        ReadOnlyFile file;
        ASSERT_TRUE(file.Open(inst.NativePath(QLatin1String(name)))) << name;
        EXPECT_EQ(file.Size(), 8);
        char data[16] = {};
        EXPECT_EQ(file.Read(data, sizeof data), 8);
        EXPECT_EQ(QByteArray(data, 8), QByteArray("[S]\r\nx=1"));
        EXPECT_EQ(file.Read(data, sizeof data), 0);
    }
    ReadOnlyFile file;
    for (const char* name : {"Dir/Unter.ini", "Dir/rohr.ini", "Dir/fehlt.ini"}) {
        EXPECT_FALSE(file.Open(inst.NativePath(QLatin1String(name)))) << name;
        EXPECT_FALSE(file.IsOpen());
    }
    EXPECT_FALSE(file.Open(QString()));
    char data[4];
    EXPECT_EQ(file.Read(data, sizeof data), -1);
}
