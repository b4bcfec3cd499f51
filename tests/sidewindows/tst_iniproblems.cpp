#include "SideWindowFixture.h"
#include "sidewindows/FIniShow.h"
#include "startup/ModuleState.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace SideWindowTest;

namespace {

QStringList Files(int count, const QString& stem)
{
    QStringList files;
    for (int i = 1; i <= count; ++i)
        files << QStringLiteral("\\immobilien\\%1%2.ini").arg(stem).arg(i);
    return files;
}

} // namespace

class TestIniProblems : public QObject, Fixture {
    Q_OBJECT

private:
    std::unique_ptr<FIniShow> dialog;

    FIniShow* Open()
    {
        dialog = std::make_unique<FIniShow>();
        dialog->open();
        return dialog.get();
    }
    template <class T>
    T* Child(const char* name) const { return ChildOf<T>(dialog.get(), name); }
    QString Text(const char* label) const { return Child<QLabel>(label)->text(); }

private Q_SLOTS:
    void init()
    {
        SetUp();
        gMod.gtSearchNameKey = "Name_GER";
    }
    void cleanup()
    {
        dialog.reset();
        TearDown();
    }

    void opensOnTheListThatHasEntries_data()
    {
        QTest::addColumn<int>("missing");
        QTest::addColumn<int>("noName");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("list");
        const QString none = "----- keine ini-Dateien -----";
        QTest::newRow("no problems") << 0 << 0 << "Name_GER" << "Fehlende Namenseinträge (Name_GER)" << "0 Dateien"
                                     << none;
        QTest::newRow("only missing names") << 0 << 2 << "Name_FRA" << "Fehlende Namenseinträge (Name_FRA)"
                                            << "2 Dateien" << "\\immobilien\\ohne1.ini\r\n\\immobilien\\ohne2.ini\r\n";
        QTest::newRow("missing files first") << 1 << 2 << "Name_GER" << "Fehlende ini-Dateien" << "1 Datei"
                                             << "\\immobilien\\fehlt1.ini\r\n";
    }
    void opensOnTheListThatHasEntries()
    {
        QFETCH(int, missing);
        QFETCH(int, noName);
        QFETCH(QString, key);
        QFETCH(QString, title);
        QFETCH(QString, count);
        QFETCH(QString, list);
        gMod.gcolMissingIni = Files(missing, "fehlt");
        gMod.glMissingIni = missing;
        gMod.gcolNoNameIni = Files(noName, "ohne");
        gMod.glNoNameIni = noName;
        gMod.gtSearchNameKey = key;
        Open();
        QVERIFY(Child<QRadioButton>(missing > 0 ? "rbChoice_0" : "rbChoice_1")->isChecked());
        QCOMPARE(Text("lblTitle"), title);
        QCOMPARE(Text("lblFileCount"), count);
        QCOMPARE(dialog->ListText(), list);
        QCOMPARE(Child<QPlainTextEdit>("txListe")->toPlainText(), QString(list).replace("\r\n", "\n"));
        QCOMPARE(Child<QPushButton>("cmdClipB")->isEnabled(), missing + noName > 0);
    }

    void choiceSwitchesTheList()
    {
        gMod.gcolMissingIni = Files(1, "fehlt");
        gMod.glMissingIni = 1;
        Open();
        QTest::mouseClick(Child<QRadioButton>("rbChoice_1"), Qt::LeftButton);
        QCOMPARE(Text("lblTitle"), QString("Fehlende Namenseinträge (Name_GER)"));
        QCOMPARE(dialog->ListText(), QString("----- keine ini-Dateien -----"));
        QTest::mouseClick(Child<QRadioButton>("rbChoice_0"), Qt::LeftButton);
        QCOMPARE(Text("lblTitle"), QString("Fehlende ini-Dateien"));
        QCOMPARE(dialog->ListText(), QString("\\immobilien\\fehlt1.ini\r\n"));
    }

    void longListsAreCutAfterOneHundred()
    {
        gMod.gcolMissingIni = Files(100, "f");
        gMod.glMissingIni = 100;
        Open();
        QVERIFY(!dialog->ListText().contains("sowie"));

        gMod.glMissingIni = 101;
        Open();
        QCOMPARE(Text("lblFileCount"), QString("101 Dateien"));
        const QString text = dialog->ListText();
        QVERIFY(text.startsWith("\\immobilien\\f1.ini\r\n"));
        QVERIFY(text.endsWith("\\immobilien\\f100.ini\r\n\r\nsowie 1 weitere ini-Datei(en)\r\n"));
        QCOMPARE(text.count("\r\n"), 102);
    }

    void copiesHeadingAndList()
    {
        gMod.gcolNoNameIni = Files(2, "n");
        gMod.glNoNameIni = 250;
        Open();
        QGuiApplication::clipboard()->setText("alt");
        QTest::mouseClick(Child<QPushButton>("cmdClipB"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString("Fehlende Namenseinträge (Name_GER)\r\n\r\n\\immobilien\\n1.ini\r\n\\immobilien\\n2.ini\r\n"
                         "\r\nsowie 248 weitere ini-Datei(en)\r\n"));
    }

    void enterAndEscapeClose()
    {
        Open();
        // Also from inside the (read-only) list.
        QTest::keyClick(Child<QPlainTextEdit>("txListe"), Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        Open();
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
    }

    void buttonsAndCountStayWithTheList()
    {
        Open();
        dialog->resize(20, 20);
        QCOMPARE(dialog->frameGeometry().size(), MinimumPixels(4320, 3330));
        dialog->resize(640, 500);
        auto* list = Child<QPlainTextEdit>("txListe");
        auto* done = Child<QPushButton>("cmdDone");
        auto* clip = Child<QPushButton>("cmdClipB");
        const int listRight = list->geometry().right();
        QCOMPARE(done->geometry().right(), listRight);
        QCOMPARE(Child<QLabel>("lblFileCount")->geometry().right(), listRight);
        QCOMPARE(clip->y(), done->y());
        QVERIFY(clip->geometry().right() < done->x());
        QVERIFY(done->y() > list->geometry().bottom());
        const int below = dialog->height() - done->y();
        dialog->resize(700, 580);
        QCOMPARE(dialog->height() - done->y(), below);
    }
};

QTEST_MAIN(TestIniProblems)
#include "tst_iniproblems.moc"
