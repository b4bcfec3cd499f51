#include "platform/MessageSink.h"
#include "platform/RecordingMessageSink.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        SettingsStore::RedirectTo(IniPath());
    }
    void TearDown() override { SettingsStore::RedirectTo(QString()); }
    QString IniPath() const { return dir.filePath(QStringLiteral("Kluni.ini")); }

    QTemporaryDir dir;
};

TEST_F(SettingsStoreTest, StoresTextBySectionAndKey)
{
    EXPECT_TRUE(SettingsStore::Load(QStringLiteral("MainWindow"), QStringLiteral("x")).isNull());
    SettingsStore::Store(QStringLiteral("MainWindow"), QStringLiteral("x"), QStringLiteral("1500"));
    SettingsStore::Store(QStringLiteral("Mod2Liste"), QStringLiteral("x"), QStringLiteral("-30"));
    SettingsStore::Store(QStringLiteral("MainWindow"), QStringLiteral("x"), QStringLiteral("2400"));
    SettingsStore::Store(QStringLiteral("MainWindow"), QStringLiteral("Titel"), QStringLiteral("a, b"));
    SettingsStore::Store(QStringLiteral("MainWindow"), QStringLiteral("leer"), QString());

    EXPECT_EQ(SettingsStore::Load(QStringLiteral("MainWindow"), QStringLiteral("x")), QStringLiteral("2400"));
    EXPECT_EQ(SettingsStore::Load(QStringLiteral("Mod2Liste"), QStringLiteral("x")), QStringLiteral("-30"));
    EXPECT_EQ(SettingsStore::Load(QStringLiteral("MainWindow"), QStringLiteral("Titel")), QStringLiteral("a, b"));
    const QString empty = SettingsStore::Load(QStringLiteral("MainWindow"), QStringLiteral("leer"));
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_FALSE(empty.isNull());
    EXPECT_TRUE(QFile::exists(IniPath()));
}

TEST_F(SettingsStoreTest, DamagedOrUnreadableStoreReadsAsEmpty)
{
    QFile file(IniPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray garbage("[MainWindow\n\x00\xff\xfe=\"\n[=]\n", 20);
    garbage += QByteArray(100000, '\xC3');
    file.write(garbage);
    file.close();
    EXPECT_TRUE(SettingsStore::Load(QStringLiteral("MainWindow"), QStringLiteral("x")).isNull());

    // A directory where the file should be.
    SettingsStore::RedirectTo(dir.filePath(QStringLiteral("Ordner")));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("Ordner"))));
    SettingsStore::Store(QStringLiteral("MainWindow"), QStringLiteral("x"), QStringLiteral("1"));
    EXPECT_TRUE(SettingsStore::Load(QStringLiteral("MainWindow"), QStringLiteral("x")).isNull());
}

TEST(MessageSinks, RecorderRecordsAnswersFromItsScriptAndRestoresThePreviousSink)
{
    MessageSink* const before = &MessageSink::Current();
    {
        RecordingMessageSink outer;
        {
            RecordingMessageSink inner;
            EXPECT_EQ(&MessageSink::Current(), &inner);
            inner.ScriptAnswers({true, false, true});
            MessageSink::Current().Critical(QStringLiteral("Stop"));
            EXPECT_TRUE(MessageSink::Current().AskYesNo(QStringLiteral("1?")));
            EXPECT_FALSE(MessageSink::Current().AskYesNo(QStringLiteral("2?")));
            EXPECT_TRUE(MessageSink::Current().AskYesNo(QStringLiteral("3?")));
            EXPECT_FALSE(MessageSink::Current().AskYesNo(QStringLiteral("4?")));  // script used up: No
            MessageSink::Current().Plain(QStringLiteral("Info"));

            ASSERT_EQ(inner.Entries().size(), 6);
            EXPECT_EQ(inner.Entries().at(0).kind, RecordingMessageSink::Kind::Critical);
            EXPECT_EQ(inner.Entries().at(0).text, QStringLiteral("Stop"));
            EXPECT_EQ(inner.Entries().at(4).kind, RecordingMessageSink::Kind::Question);
            EXPECT_EQ(inner.Entries().at(4).text, QStringLiteral("4?"));
            EXPECT_EQ(inner.Entries().at(5).kind, RecordingMessageSink::Kind::Plain);
        }
        EXPECT_EQ(&MessageSink::Current(), &outer);
        EXPECT_TRUE(outer.Entries().isEmpty());
    }
    EXPECT_EQ(&MessageSink::Current(), before);
}

} // namespace
