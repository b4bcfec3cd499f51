#include "hostdata/CWinApi.h"

#include "TestInstallation.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <ctime>

namespace {

// Sets the process time zone for one test and restores it afterwards.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* tz) : m_had(qEnvironmentVariableIsSet("TZ")), m_old(qgetenv("TZ"))
    {
        qputenv("TZ", tz);
        tzset();
    }
    ~ScopedTimeZone()
    {
        m_had ? qputenv("TZ", m_old) : qunsetenv("TZ");
        tzset();
    }

private:
    bool m_had;
    QByteArray m_old;
};

qint64 UtcMs(int y, int m, int d, int h, int min)
{
    return QDateTime(QDate(y, m, d), QTime(h, min), Qt::UTC).toMSecsSinceEpoch();
}

} // namespace

TEST(CWinApi, LocalDayUsesTheZoneInForceNow)
{
    // Two hours east of UTC: a file made at 00:30 local time on the 1st was
    // made at 22:30 UTC on the last day of the month before.
    ScopedTimeZone zone("KLT-2");
    EXPECT_EQ(CWinApi::LocalDayOf(UtcMs(2023, 5, 31, 22, 30)), QDate(2023, 6, 1));
    EXPECT_EQ(CWinApi::LocalDayOf(UtcMs(2023, 5, 31, 21, 59)), QDate(2023, 5, 31));
    // The offset of today applies whatever the season of the file's time.
    EXPECT_EQ(CWinApi::LocalDayOf(UtcMs(2024, 1, 31, 22, 30), 7200), QDate(2024, 2, 1));
}

TEST(CWinApi, SearchesWithHandles)
{
    TestInstallation inst;
    inst.WriteBytes("one/x.gsb", "x");
    inst.MakeDir("one/sub");
    inst.WriteBytes("two/y.gsb", "y");
    const QString one = inst.WindowsPath("one");
    CWinApi api;
    CFile a;
    CFile b;
    qint32 h1 = -1;
    qint32 h2 = -1;
    // Nested searches; "." and ".." come first; full paths.
    ASSERT_TRUE(api.FindFirstFile(h1, one, "*.*", a));
    ASSERT_TRUE(api.FindFirstFile(h2, inst.WindowsPath("two"), "*.gsb", b));
    EXPECT_NE(h1, h2);
    EXPECT_EQ(a.Filename(), one + "\\.");
    EXPECT_TRUE(b.Filename().endsWith("\\two\\y.gsb"));
    QStringList rest;
    while (api.FindNextFile(h1, one, a))
        rest << a.Filename() + (a.isDir() ? "/" : "");
    EXPECT_EQ(rest, (QStringList{one + "\\../", one + "\\sub/", one + "\\x.gsb"}));
    EXPECT_TRUE(api.FindClose(h1));
    EXPECT_FALSE(api.FindClose(h1));
    EXPECT_TRUE(api.FindClose(h2));
    EXPECT_EQ(api.OpenSearchCount(), 0);

    // A missing directory: False, an invalid handle, the record untouched.
    EXPECT_FALSE(api.FindFirstFile(h1, inst.WindowsPath("nowhere"), "*.*", a));
    EXPECT_EQ(h1, CWinApi::kInvalidHandle);
    EXPECT_EQ(a.Filename(), one + "\\x.gsb");

    EXPECT_TRUE(api.isDirectory(inst.WindowsPath("ONE\\Sub")));
    EXPECT_FALSE(api.isDirectory(inst.WindowsPath("one\\x.gsb")));
    EXPECT_FALSE(api.isDirectory(inst.WindowsPath("one\\fehlt")));
    // With a wildcard the first entry in listing order decides.
    EXPECT_TRUE(api.isDirectory(inst.WindowsPath("one\\s*")));
    EXPECT_FALSE(api.isDirectory(inst.WindowsPath("one\\x.*")));
}
