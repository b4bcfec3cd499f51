// The read-only guarantee through the windows: start-up with a command line,
// both searches in every form, every row selected with the mod2 list and the
// preview open, all four category languages, the clipboard copy and closing.
// The installation's snapshot must be the same afterwards.
#include "ReadOnlyInstallation.h"
#include "ScopedEnv.h"

#include "mainwindow/FMain.h"
#include "mainwindow/Startup.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

template <class Control>
Control* Child(QWidget* window, const QString& name)
{
    auto* control = window->findChild<Control*>(name);
    if (!control)
        qFatal("control %s not found", qPrintable(name));
    return control;
}

// Selects every row of the result list, one after the other.
int SelectEveryRow(QWidget* window)
{
    auto* list = Child<QListView>(window, QStringLiteral("lbModels"));
    const int rows = list->model() ? list->model()->rowCount() : 0;
    for (int row = 0; row < rows; ++row)
        list->setCurrentIndex(list->model()->index(row, 0));
    return rows;
}

void SearchByName(QWidget* window, int oper, int source, const QString& text)
{
    Child<QRadioButton>(window, QStringLiteral("rbSearchStyle_0"))->setChecked(true);
    Child<QComboBox>(window, QStringLiteral("cbOper"))->setCurrentIndex(oper);
    Child<QRadioButton>(window, QStringLiteral("rbModelName_%1").arg(source))->setChecked(true);
    Child<QComboBox>(window, QStringLiteral("cbModel"))->setEditText(text);
    Child<QPushButton>(window, QStringLiteral("cmdSearch"))->click();
}

void SearchByDate(QWidget* window, const QString& from, const QString& to)
{
    Child<QRadioButton>(window, QStringLiteral("rbSearchStyle_1"))->setChecked(true);
    Child<QLineEdit>(window, QStringLiteral("txDate_0"))->setText(from);
    Child<QLineEdit>(window, QStringLiteral("txDate_1"))->setText(to);
    Child<QPushButton>(window, QStringLiteral("cmdSearch"))->click();
}

} // namespace

class TestReadOnlyWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowsLeaveTheInstallationUntouched();
};

void TestReadOnlyWindows::windowsLeaveTheInstallationUntouched()
{
    ReadOnlyInstallation installation;
    const QString resBase = installation.Inst().ResBase();
    {
        const ScopedEnv resBaseEnv("KLUNI_RESBASE", QFile::encodeName(installation.Inst().NativeRoot()));
        std::unique_ptr<FMain> window = RunStartup(QLatin1Char('"') + resBase + QStringLiteral("\" ") + resBase
                                                   + QStringLiteral("\\Immobilien"));
        QVERIFY(window);
        FMainHooks hooks;
        hooks.showAbout = [](QWidget*) {};
        hooks.showIniProblems = [](QWidget*) {};
        hooks.setClipboardText = [](const QString&) {};
        window->SetHooks(hooks);
        QWidget* w = window.get();
        QVERIFY(SelectEveryRow(w) > 0);

        Child<QPushButton>(w, QStringLiteral("cmdMod2"))->click();
        Child<QPushButton>(w, QStringLiteral("cmdVorschau"))->click();
        QVERIFY(window->Mod2() && window->Vorschau());

        int found = 0;
        for (int source = 0; source <= 2; ++source) {
            for (int oper = 0; oper <= 4; ++oper) {
                SearchByName(w, oper, source, oper == 4 ? QStringLiteral("*e*") : QStringLiteral("e"));
                found += SelectEveryRow(w);
            }
        }
        QVERIFY(found > 0);
        auto* language = Child<QComboBox>(w, QStringLiteral("cbLang"));
        for (int lang = 0; lang < language->count(); ++lang) {
            language->setCurrentIndex(lang);
            SelectEveryRow(w);
        }

        Child<QCheckBox>(w, QStringLiteral("chkExtend"))->setChecked(true);
        SearchByDate(w, QStringLiteral("01.01.1980"), QDate::currentDate().addDays(1).toString(QStringLiteral("dd.MM.yyyy")));
        QVERIFY(SelectEveryRow(w) > 0);
        if (auto* copy = w->findChild<QAction*>(QStringLiteral("mnuPopClipbrd")))
            copy->trigger();

        Child<QPushButton>(w, QStringLiteral("cmdVorschau"))->click();
        Child<QPushButton>(w, QStringLiteral("cmdMod2"))->click();
        window->close();
    }
    QCOMPARE(QString::fromStdString(installation.Changes()), QString());
}

QTEST_MAIN(TestReadOnlyWindows)
#include "tst_readonly_windows.moc"
