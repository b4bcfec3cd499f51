// Start-up: the installation check as the user meets it, the notice for
// "Resourcen.Pak", the remembered window position and the command line.

#include "MainWindowFixture.h"

#include "mainwindow/DisplayText.h"
#include "mainwindow/Startup.h"
#include "platformui/Twips.h"
#include "sidewindows/AboutPictures.h"
#include "startup/modMain.h"
#include "startup/modTools.h"

#include <QFile>
#include <QSessionManager>
#include <QTemporaryDir>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void stopsWithOneMessage_data();
    void stopsWithOneMessage();
    void warnsWithoutModelleAndDisablesMod2();
    void showsPakNoticeWithoutIniButton();
    void carriesProgramIcon();
    void restoresAndStoresPosition();
    void keepsPositionWhenClosedMaximised();
    void handsCommandLineToWindow();
    void blankCommandLineShowsItsNotice();

private:
    QTemporaryDir m_emptyWinePrefix;   // so that no registry of this machine is read
};

void TestStartup::init()
{
    qputenv("WINEPREFIX", m_emptyWinePrefix.path().toLocal8Bit());
    qunsetenv("KLUNI_RESBASE");
}

void TestStartup::cleanup()
{
    qunsetenv("KLUNI_RESBASE");
}

void TestStartup::stopsWithOneMessage_data()
{
    QTest::addColumn<bool>("registered");
    QTest::addColumn<bool>("withCategories");
    QTest::addColumn<QString>("missingPart");   // what the message names

    QTest::newRow("no registry value") << false << true << QStringLiteral("Resourcen");
    QTest::newRow("no Categories") << true << false << QStringLiteral("Categories");
    QTest::newRow("no Models.ini") << true << true << QStringLiteral("Models.ini");
    QTest::newRow("broken category tree") << true << true << QStringLiteral("index.ini");
}

void TestStartup::stopsWithOneMessage()
{
    QFETCH(bool, registered);
    QFETCH(bool, withCategories);
    QFETCH(QString, missingPart);

    TestInstallation inst;
    inst.MakeDir(QStringLiteral("Modelle"));
    if (withCategories)
        inst.MakeDir(QStringLiteral("Categories"));
    if (registered)
        qputenv("KLUNI_RESBASE", inst.NativeRoot().toLocal8Bit());
    if (missingPart == QLatin1String("index.ini")) {
        // Surplus "CDOut" before a "CDIn": an index error while the tree loads.
        inst.WriteText(QStringLiteral("Categories/Models.ini"), QStringLiteral("[x]\n"));
        inst.WriteText(QStringLiteral("Categories/Goods/index.ini"), QStringLiteral("[I]\nE=CDOut\nE=CDOut\nE=CDIn\n"));
    }

    QVERIFY(!RunStartup(QStringLiteral("ignored.gsb")));

    QString expected;
    if (missingPart == QLatin1String("index.ini")) {
        expected = QStringLiteral("Es ist ein Fehler aufgetreten!\r\n\r\nFehler 9: Index außerhalb des gültigen Bereichs");
    } else if (missingPart == QLatin1String("Models.ini")) {
        expected = FormatMsg(QStringLiteral("Kann die Datei %1 nicht lesen!%mOhne diese Datei kann Kluni keine Modelle "
                                            "finden.%mDas Programm wird somit beendet."),
                             {JoinPath(JoinPath(inst.ResBase(), QStringLiteral("Categories")),
                                       QStringLiteral("Models.ini"))});
    } else {
        expected = FormatMsg(QStringLiteral("Kann das EEP %1-Verzeichnis nicht finden!%mBedenken Sie, dass Kluni nur "
                                            "mit EEP bis einschliesslich Version 6%nzurecht kommt.%mDas Programm wird "
                                            "daher abgebrochen!"),
                             {missingPart});
    }
    QCOMPARE(CriticalTexts(inst.Messages()), QStringList{expected});
    // The window was shown and is gone again: nothing keeps the program alive.
    for (QWidget* top : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<FMain*>(top) || !top->isVisible());
}

void TestStartup::warnsWithoutModelleAndDisablesMod2()
{
    TestInstallation inst;
    inst.WriteText(QStringLiteral("Categories/Models.ini"), QStringLiteral("[Haeuser]\nFile1=\\a\\haus.gsb\n"));
    qputenv("KLUNI_RESBASE", inst.NativeRoot().toLocal8Bit());

    const std::unique_ptr<FMain> window = RunStartup(QString());
    QVERIFY(window);
    QCOMPARE(CriticalTexts(inst.Messages()),
             QStringList{FormatMsg(QStringLiteral("Kann das EEP Modelle-Verzeichnis nicht finden!%mMod2-Dateien zu "
                                                  "Objekten können daher nicht angezeigt werden!"))});
    QVERIFY(!ChildOf<QPushButton>(window.get(), "cmdMod2")->isEnabled());
}

void TestStartup::showsPakNoticeWithoutIniButton()
{
    MainWindowFixture fixture;
    QFile pak(fixture.Inst().NativeRoot() + QStringLiteral("/../Resourcen.Pak"));
    QVERIFY(pak.open(QIODevice::WriteOnly));
    pak.close();
    qputenv("KLUNI_RESBASE", fixture.Inst().NativeRoot().toLocal8Bit());

    const std::unique_ptr<FMain> window = RunStartup(QString());
    QVERIFY(window);
    QVERIFY(fixture.Messages().Entries().isEmpty());
    QLabel* notice = ChildOf<QLabel>(window.get(), "lblError");
    QVERIFY(notice->isVisible());
    QCOMPARE(notice->text(), ForDisplay(ResourcenPakNotice()));
    QVERIFY(notice->text().contains(QLatin1String("'Resourcen.Pak'")));
    QVERIFY(!ChildOf<QLabel>(window.get(), "lblErrBG")->isVisible());
    QVERIFY(!ChildOf<QPushButton>(window.get(), "cmdIni")->isVisible());
    QVERIFY(ChildOf<QPushButton>(window.get(), "cmdMod2")->isEnabled());
}

void TestStartup::carriesProgramIcon()
{
    MainWindowFixture fixture;
    qputenv("KLUNI_RESBASE", fixture.Inst().NativeRoot().toLocal8Bit());

    const std::unique_ptr<FMain> window = RunStartup(QString());
    QVERIFY(window);
    // The same picture as the about window's, which takes it from its owner.
    const QImage expected = AboutPictures::KluniIcon().pixmap(32, 32).toImage();
    QVERIFY(!expected.isNull());
    QCOMPARE(window->windowIcon().pixmap(32, 32).toImage(), expected);
}

void TestStartup::restoresAndStoresPosition()
{
    MainWindowFixture fixture;
    qputenv("KLUNI_RESBASE", fixture.Inst().NativeRoot().toLocal8Bit());
    const int perPixel = Twips::TwipsPerPixel();
    StoreSetting(QStringLiteral("MainWindow"), QStringLiteral("x"), QString::number(120 * perPixel));
    StoreSetting(QStringLiteral("MainWindow"), QStringLiteral("y"), QString::number(80 * perPixel));

    std::unique_ptr<FMain> window = RunStartup(QString());
    QVERIFY(window);
    QCOMPARE(window->pos(), QPoint(120, 80));

    window->move(200, 150);
    // A log-out that asked the program to save and was then cancelled: the
    // later "&Quit" still stores the place. (The request's manager is unused.)
    alignas(QSessionManager) char manager[sizeof(QSessionManager)] = {};
    Q_EMIT qApp->commitDataRequest(*reinterpret_cast<QSessionManager*>(manager));
    ChildOf<QPushButton>(window.get(), "cmdEnd")->click();
    QVERIFY(!window->isVisible());
    QCOMPARE(LoadSettingLong(QStringLiteral("MainWindow"), QStringLiteral("x"), -1), 200 * perPixel);
    QCOMPARE(LoadSettingLong(QStringLiteral("MainWindow"), QStringLiteral("y"), -1), 150 * perPixel);

    // Only "x" stored: the window is left to the window system to place (not
    // moved by the program) until it is shown; then only its left edge moves.
    StoreSetting(QStringLiteral("MainWindow"), QStringLiteral("y"), QStringLiteral("-1"));
    FMain partly;
    QVERIFY(!partly.testAttribute(Qt::WA_Moved));
    partly.show();
    QVERIFY(QTest::qWaitForWindowExposed(&partly));
    QCOMPARE(partly.pos().x(), 200);
}

void TestStartup::keepsPositionWhenClosedMaximised()
{
    MainWindowFixture fixture;
    qputenv("KLUNI_RESBASE", fixture.Inst().NativeRoot().toLocal8Bit());

    std::unique_ptr<FMain> window = RunStartup(QString());
    QVERIFY(window);
    window->showMaximized();
    window->close();
    QCOMPARE(LoadSettingLong(QStringLiteral("MainWindow"), QStringLiteral("x"), -1), -1);
    QCOMPARE(LoadSettingLong(QStringLiteral("MainWindow"), QStringLiteral("y"), -1), -1);
}

void TestStartup::handsCommandLineToWindow()
{
    MainWindowFixture fixture;
    qputenv("KLUNI_RESBASE", fixture.Inst().NativeRoot().toLocal8Bit());
    const QString model = fixture.Inst().WindowsPath(QStringLiteral("Immobilien/Stadt/haus1.gsb"));

    const std::unique_ptr<FMain> window = RunStartup(QLatin1Char('"') + model + QStringLiteral("\" keine.txt"));
    QVERIFY(window);
    QCOMPARE(ListRows(window.get()), QStringList{QStringLiteral("haus1 -- \\immobilien\\stadt\\")});
    // The section came from the model index, so EEP's place is shown.
    QCOMPARE(LabelText(window.get(), "lblResult_2"), QStringLiteral("Immobilien"));
}

void TestStartup::blankCommandLineShowsItsNotice()
{
    MainWindowFixture fixture;
    qputenv("KLUNI_RESBASE", fixture.Inst().NativeRoot().toLocal8Bit());

    const std::unique_ptr<FMain> window = RunStartup(QStringLiteral("   "));
    QVERIFY(window);
    QLabel* notice = ChildOf<QLabel>(window.get(), "lblNothingFound");
    QVERIFY(notice->isVisible());
    QCOMPARE(notice->text(), QStringLiteral("\n\nUnter den übergebenen Dateien\nbefand sich keine Modell Datei."));
    QVERIFY(!ChildOf<QListView>(window.get(), "lbModels")->isVisible());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
