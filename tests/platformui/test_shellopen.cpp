#include "platformui/ShellOpen.h"

#include "platform/HostPath.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The shell itself: what the about window's handbook button gets back when
// the file is missing and when no program opens its type.
TEST(DesktopShellOpen, TellsAMissingFileFromATypeWithoutProgram)
{
#ifndef Q_OS_WIN
    GTEST_SKIP() << "elsewhere the answer depends on the desktop session's own associations";
#endif
    QTemporaryDir dir;
    const QString unknownType = dir.filePath("kurz.kluni-ohne-programm");
    QFile file(unknownType);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    DesktopShellOpen shell;
    EXPECT_EQ(shell.Open(HostPath::ToWindows(dir.filePath("fehlt.pdf")), nullptr), ShellOpen::kFileNotFound);
    EXPECT_EQ(shell.Open(HostPath::ToWindows(unknownType), nullptr), ShellOpen::kNoAssociation);
}

} // namespace
