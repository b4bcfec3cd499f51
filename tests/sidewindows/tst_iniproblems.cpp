#include "SideWindowTestModels.h"
#include "TestInstallation.h"
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

class TestIniProblems : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestInstallation> inst;
    std::unique_ptr<FIniShow> dialog;

    FIniShow* Open()
    {
        dialog = std::make_unique<FIniShow>();
        dialog->open();
        return dialog.get();
    }
    template <class T>
    T* Child(const char* name) const
    {
        T* child = dialog->findChild<T*>(name);
        if (!child)
            qFatal("no control %s", name);
        return child;
    }
    QString Text(const char* label) const { return Child<QLabel>(label)->text(); }

private Q_SLOTS:
    void init()
    {
        inst = std::make_unique<TestInstallation>();
        gMod.gtSearchNameKey = "Name_GER";
    }
    void cleanup()
    {
        dialog.reset();
        inst.reset();
    }

    void noProblemsOpensOnNameEntries()
    {
        Open();
        QVERIFY(Child<QRadioButton>("rbChoice_1")->isChecked());
        QCOMPARE(Text("lblTitle"), QString("Fehlende Namenseinträge (Name_GER)"));
        QCOMPARE(Text("lblFileCount"), QString("0 Dateien"));
        QCOMPARE(dialog->ListText(), QString("----- keine ini-Dateien -----"));
        QCOMPARE(Child<QPlainTextEdit>("txListe")->toPlainText(), QString("----- keine ini-Dateien -----"));
        QVERIFY(!Child<QPushButton>("cmdClipB")->isEnabled());
    }

    void onlyMissingNames()
    {
        gMod.gcolNoNameIni = Files(2, "ohne");
        gMod.glNoNameIni = 2;
        gMod.gtSearchNameKey = "Name_FRA";
        Open();
        QCOMPARE(Text("lblTitle"), QString("Fehlende Namenseinträge (Name_FRA)"));
        QCOMPARE(Text("lblFileCount"), QString("2 Dateien"));
        QCOMPARE(dialog->ListText(), QString("\\immobilien\\ohne1.ini\r\n\\immobilien\\ohne2.ini\r\n"));
        QVERIFY(Child<QPushButton>("cmdClipB")->isEnabled());
    }

    void missingFilesFirstAndSwitching()
    {
        gMod.gcolMissingIni = Files(1, "fehlt");
        gMod.glMissingIni = 1;
        Open();
        QVERIFY(Child<QRadioButton>("rbChoice_0")->isChecked());
        QCOMPARE(Text("lblTitle"), QString("Fehlende ini-Dateien"));
        QCOMPARE(Text("lblFileCount"), QString("1 Datei"));
        QCOMPARE(dialog->ListText(), QString("\\immobilien\\fehlt1.ini\r\n"));

        QTest::mouseClick(Child<QRadioButton>("rbChoice_1"), Qt::LeftButton);
        QCOMPARE(Text("lblTitle"), QString("Fehlende Namenseinträge (Name_GER)"));
        QCOMPARE(dialog->ListText(), QString("----- keine ini-Dateien -----"));
        QTest::mouseClick(Child<QRadioButton>("rbChoice_0"), Qt::LeftButton);
        QCOMPARE(Text("lblTitle"), QString("Fehlende ini-Dateien"));
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
