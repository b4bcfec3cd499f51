#include "platform/MessageSink.h"
#include "platform/RecordingMessageSink.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SettingsStore, StoresTextBySectionAndKeyAndSurvivesADamagedFile)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("Kluni.ini");
    SettingsStore::RedirectTo(ini);
    EXPECT_TRUE(SettingsStore::Load("MainWindow", "x").isNull());
    SettingsStore::Store("MainWindow", "x", "1500");
    SettingsStore::Store("Mod2Liste", "x", "-30");
    SettingsStore::Store("MainWindow", "x", "2400");
    SettingsStore::Store("MainWindow", "Titel", "a, b");
    SettingsStore::Store("MainWindow", "leer", "");
    EXPECT_EQ(SettingsStore::Load("MainWindow", "x"), "2400");
    EXPECT_EQ(SettingsStore::Load("Mod2Liste", "x"), "-30");
    EXPECT_EQ(SettingsStore::Load("MainWindow", "Titel"), "a, b");
    EXPECT_FALSE(SettingsStore::Load("MainWindow", "leer").isNull());
    EXPECT_TRUE(SettingsStore::Load("MainWindow", "leer").isEmpty());

    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("[MainWindow\n\x00\xff\xfe=\"\n[=]\n", 20) + QByteArray(100000, '\xC3'));
    file.close();
    EXPECT_TRUE(SettingsStore::Load("MainWindow", "x").isNull());

    // A directory where the file should be.
    ASSERT_TRUE(QDir().mkpath(dir.filePath("Ordner")));
    SettingsStore::RedirectTo(dir.filePath("Ordner"));
    SettingsStore::Store("MainWindow", "x", "1");
    EXPECT_TRUE(SettingsStore::Load("MainWindow", "x").isNull());
    SettingsStore::RedirectTo(QString());
}

TEST(MessageSinks, RecorderAnswersFromItsScriptAndRestoresThePreviousSink)
{
    MessageSink* const before = &MessageSink::Current();
    {
        RecordingMessageSink outer;
        {
            RecordingMessageSink inner;
            inner.ScriptAnswers({true, false});
            MessageSink::Current().Critical("Stop");
            EXPECT_TRUE(MessageSink::Current().AskYesNo("1?"));
            EXPECT_FALSE(MessageSink::Current().AskYesNo("2?"));
            EXPECT_FALSE(MessageSink::Current().AskYesNo("3?"));   // script used up: No
            MessageSink::Current().Plain("Info");
            QStringList got;
            for (const RecordingMessageSink::Entry& e : inner.Entries())
                got << QString::number(int(e.kind)) + e.text;
            using K = RecordingMessageSink::Kind;
            EXPECT_EQ(got, QStringList({QString::number(int(K::Critical)) + "Stop", QString::number(int(K::Question)) + "1?",
                                        QString::number(int(K::Question)) + "2?", QString::number(int(K::Question)) + "3?",
                                        QString::number(int(K::Plain)) + "Info"}));
        }
        EXPECT_EQ(&MessageSink::Current(), &outer);
        EXPECT_TRUE(outer.Entries().isEmpty());
    }
    EXPECT_EQ(&MessageSink::Current(), before);
}
