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
        if (m_had)
            qputenv("TZ", m_old);
        else
            qunsetenv("TZ");
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

struct Entry {
    QString filename;
    bool isDir;
    QDate created;
};

QVector<Entry> ListAll(CWinApi& api, const QString& dir)
{
    QVector<Entry> entries;
    CFile file;
    qint32 handle = -1;
    bool found = api.FindFirstFile(handle, dir, "*.*", file);
    while (found) {
        entries.append({file.Filename(), file.isDir(), file.CreationDate()});
        found = api.FindNextFile(handle, dir, file);
    }
    api.FindClose(handle);
    return entries;
}

} // namespace

TEST(CWinApi, LocalDayUsesTheZoneInForceNow)
{
    // Two hours east of UTC, no daylight saving: 00:30 local on the 1st is
    // 22:30 UTC on the last day of the month before.
    ScopedTimeZone zone("KLT-2");
    EXPECT_EQ(CWinApi::LocalDayOf(UtcMs(2023, 5, 31, 22, 30)), QDate(2023, 6, 1));
    EXPECT_EQ(CWinApi::LocalDayOf(UtcMs(2023, 5, 31, 21, 59)), QDate(2023, 5, 31));
    // The offset given is applied whatever the season of the file's time.
    EXPECT_EQ(CWinApi::LocalDayOf(UtcMs(2024, 1, 31, 22, 30), 7200), QDate(2024, 2, 1));
    EXPECT_EQ(CWinApi::LocalDayOf(UtcMs(2024, 1, 31, 22, 30), 3600), QDate(2024, 1, 31));
}

TEST(CWinApi, ListsEntriesWithFullPathsInOrder)
{
    TestInstallation inst;
    inst.WriteBytes("Rollmaterial/b.gsb", "b");
    inst.WriteBytes("Rollmaterial/A.gsb", "a");
    inst.MakeDir("Rollmaterial/sub");
    const QString dir = inst.WindowsPath("Rollmaterial");
    const QDate before = QDate::currentDate();

    CWinApi api;
    const QVector<Entry> entries = ListAll(api, dir);
    const QDate after = QDate::currentDate();
    ASSERT_EQ(entries.size(), 5);
    EXPECT_EQ(entries[0].filename, dir + "\\.");
    EXPECT_EQ(entries[1].filename, dir + "\\..");
    EXPECT_EQ(entries[2].filename, dir + "\\A.gsb");
    EXPECT_EQ(entries[3].filename, dir + "\\b.gsb");
    EXPECT_EQ(entries[4].filename, dir + "\\sub");
    EXPECT_TRUE(entries[4].isDir);
    EXPECT_FALSE(entries[3].isDir);
    EXPECT_TRUE(entries[3].created >= before && entries[3].created <= after);
    EXPECT_EQ(api.OpenSearchCount(), 0);
}

TEST(CWinApi, HandlesAndFailures)
{
    TestInstallation inst;
    inst.WriteBytes("one/x.gsb", "x");
    inst.WriteBytes("two/y.gsb", "y");
    CWinApi api;
    CFile first;
    CFile second;
    qint32 h1 = -1;
    qint32 h2 = -1;
    ASSERT_TRUE(api.FindFirstFile(h1, inst.WindowsPath("one"), "*.gsb", first));
    ASSERT_TRUE(api.FindFirstFile(h2, inst.WindowsPath("two"), "*.gsb", second));
    EXPECT_NE(h1, h2);
    EXPECT_TRUE(first.Filename().endsWith("\\x.gsb"));
    EXPECT_TRUE(second.Filename().endsWith("\\y.gsb"));
    EXPECT_FALSE(api.FindNextFile(h1, inst.WindowsPath("one"), first));
    EXPECT_EQ(api.OpenSearchCount(), 2);
    EXPECT_TRUE(api.FindClose(h1));
    EXPECT_FALSE(api.FindClose(h1));
    EXPECT_FALSE(api.FindNextFile(h1, inst.WindowsPath("one"), first));
    EXPECT_TRUE(api.FindClose(h2));
    EXPECT_EQ(api.OpenSearchCount(), 0);

    // A missing directory: False, an invalid handle, the record untouched.
    qint32 h3 = 0;
    EXPECT_FALSE(api.FindFirstFile(h3, inst.WindowsPath("nowhere"), "*.*", first));
    EXPECT_EQ(h3, CWinApi::kInvalidHandle);
    EXPECT_TRUE(first.Filename().endsWith("\\x.gsb"));
    EXPECT_FALSE(api.FindClose(h3));
}

TEST(CWinApi, IsDirectory)
{
    TestInstallation inst;
    inst.WriteBytes("Immobilien/Haus.gsb", "h");
    CWinApi api;
    EXPECT_TRUE(api.isDirectory(inst.WindowsPath("Immobilien")));
    EXPECT_TRUE(api.isDirectory(inst.WindowsPath("IMMOBILIEN")));
    EXPECT_FALSE(api.isDirectory(inst.WindowsPath("Immobilien\\Haus.gsb")));
    EXPECT_FALSE(api.isDirectory(inst.WindowsPath("Immobilien\\fehlt")));
    EXPECT_FALSE(api.isDirectory(QString()));
}
