#pragma once
// What the test host can make, for tests whose subject exists on one kind of
// system only (Wine prefixes and drive tables, links, FIFOs).
#include <QString>
#include <QtGlobal>

namespace TestHost {

#ifdef Q_OS_WIN
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif

// A symbolic link; false where the system makes none for an ordinary user
// (Windows), and then nothing is made.
bool MakeLink(const QString& target, const QString& linkPath);
// A named pipe in the file system; false on Windows, which has none there.
bool MakeFifo(const QString& path);
// True for a Windows program that Wine runs. Wine gives files on a Unix file
// system their modification time as their creation time.
bool UnderWine();
// Marks an existing file hidden as the system sees it: the attribute on
// Windows; elsewhere the leading dot of its name already does.
bool MakeHidden(const QString& path);

} // namespace TestHost

// Leaves a test out on Windows, saying why in the test's own output.
#define KLUNI_SKIP_ON_WINDOWS(why)                                                                                     \
    if (TestHost::kWindows)                                                                                            \
    GTEST_SKIP() << "not on Windows: " << why
