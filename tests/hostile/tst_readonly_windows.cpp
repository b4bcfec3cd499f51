// The read-only guarantee through the windows: start-up with a command line,
// a name and a date search, every row selected with the mod2 list and the
// preview open, all four category languages, the clipboard copy and closing.
// The installation's snapshot must be the same afterwards. (Every form of the
// searches is run below the windows, in ReadOnlyTest.)
#include "ControlLookup.h"
#include "HostileSupport.h"
#include "ScopedEnv.h"

#include "mainwindow/FMain.h"
#include "mainwindow/Startup.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

// Selects every row of the result list, one after the other, once a search
// that goes on beside the window (a loaded machine, a sanitizer build) has ended.
int SelectEveryRow(QWidget* window)
{
    QTest::qWaitFor([window] { return !C(window, "cmdStop")->isVisible(); }, 120000);
    auto* list = C<QListView>(window, "lbModels");
    const int rows = list->model() ? list->model()->rowCount() : 0;
    for (int row = 0; row < rows; ++row)
        list->setCurrentIndex(list->model()->index(row, 0));
    return rows;
}

} // namespace

class TestReadOnlyWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowsLeaveTheInstallationUntouched()
    {
        ReadOnlyInstallation installation;
        const QString resBase = installation.Inst().ResBase();
        {
            const ScopedEnv resBaseEnv("KLUNI_RESBASE", QFile::encodeName(installation.Inst().NativeRoot()));
            std::unique_ptr<FMain> window = RunStartup('"' + resBase + "\" " + resBase + "\\Immobilien");
            QVERIFY(window);
            window->SetHooks({[](QWidget*) {}, [](QWidget*, const IniProblems&, const QString&) {},
                              [](const QString&) {}, {}, {}});
            QWidget* w = window.get();
            QVERIFY(SelectEveryRow(w) > 0);
            C<QPushButton>(w, "cmdMod2")->click();
            C<QPushButton>(w, "cmdVorschau")->click();
            QVERIFY(window->Mod2() && window->Vorschau());

            C<QRadioButton>(w, "rbSearchStyle_0")->setChecked(true);
            C<QRadioButton>(w, "rbModelName_2")->setChecked(true);
            C<QComboBox>(w, "cbModel")->setEditText("e");
            C<QPushButton>(w, "cmdSearch")->click();
            QVERIFY(SelectEveryRow(w) > 0);
            auto* language = C<QComboBox>(w, "cbLang");
            for (int lang = 0; lang < language->count(); ++lang) {
                language->setCurrentIndex(lang);
                SelectEveryRow(w);
            }
            C<QCheckBox>(w, "chkExtend")->setChecked(true);
            C<QRadioButton>(w, "rbSearchStyle_1")->setChecked(true);
            C<QLineEdit>(w, "txDate_0")->setText("01.01.1980");
            C<QLineEdit>(w, "txDate_1")->setText(QDate::currentDate().addDays(1).toString("dd.MM.yyyy"));
            C<QPushButton>(w, "cmdSearch")->click();
            QVERIFY(SelectEveryRow(w) > 0);
            C<QAction>(w, "mnuPopClipbrd")->trigger();
            C<QPushButton>(w, "cmdVorschau")->click();
            C<QPushButton>(w, "cmdMod2")->click();
            window->close();
        }
        QCOMPARE(QString::fromStdString(installation.Changes()), QString());
    }
};

QTEST_MAIN(TestReadOnlyWindows)
#include "tst_readonly_windows.moc"
