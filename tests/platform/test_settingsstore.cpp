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
