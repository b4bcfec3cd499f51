// A search that takes long runs beside the window: it shows its progress,
// stops on Escape or "Abbrechen" without touching the list, and otherwise
// ends with the same list as a quick search.

#include "MainWindowFixture.h"

#include "hostdata/SearchProgress.h"

#include <QLineEdit>
#include <QtTest>

namespace {

// Every step of the searches below (a model entry, a directory) takes this long.
constexpr int kSlowStepUs = 150000;

// Slows every search step while it lives.
struct SlowSearches {
    SlowSearches() { SearchProgress::SetStepDelayForTests(kSlowStepUs); }
    ~SlowSearches() { SearchProgress::SetStepDelayForTests(0); }
};

QPushButton* Button(QWidget* window, const char* name)
{
    return ChildOf<QPushButton>(window, name);
}

// Starts the search of the row: a name search by ini name, or a date search
// over every day (the installation was written today).
void StartSearch(MainWindowUnderTest& ui, bool byDate)
{
    QWidget* w = ui.Window();
    if (!byDate) {
        ui.Search(QStringLiteral("haus"), 0, 1);
        return;
    }
    ChildOf<QRadioButton>(w, "rbSearchStyle_1")->setChecked(true);
    ChildOf<QLineEdit>(w, "txDate_0")->setText(QStringLiteral("01.01.2000"));
    ChildOf<QLineEdit>(w, "txDate_1")->setText(QStringLiteral("31.12.2099"));
    Button(w, "cmdSearch")->click();
}

} // namespace

class TestSearchProgress : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsProgressAndStopsOrEnds_data();
    void showsProgressAndStopsOrEnds();
};

void TestSearchProgress::showsProgressAndStopsOrEnds_data()
{
    QTest::addColumn<bool>("byDate");
    QTest::addColumn<int>("stopBy");   // 0: let it end, 1: Escape, 2: "Abbrechen"
    QTest::addColumn<QString>("progress");

    QTest::newRow("name search ends") << false << 0 << "von 6 Modelldateien geprüft";
    QTest::newRow("name search, Escape") << false << 1 << "von 6 Modelldateien geprüft";
    QTest::newRow("date search ends") << true << 0 << "Verzeichnissen durchsucht";
    QTest::newRow("date search, Abbrechen") << true << 2 << "Verzeichnissen durchsucht";
}

void TestSearchProgress::showsProgressAndStopsOrEnds()
{
    QFETCH(bool, byDate);
    QFETCH(int, stopBy);
    QFETCH(QString, progress);

    MainWindowUnderTest ui;
    QWidget* w = ui.Window();
    // What a quick run of the same search lists, then a list to keep.
    StartSearch(ui, byDate);
    const QStringList quickRows = ListRows(w);
    QVERIFY(!quickRows.isEmpty());
    ChildOf<QRadioButton>(w, "rbSearchStyle_0")->setChecked(true);
    ui.Search(QStringLiteral("haus1"), 1, 0);
    const QStringList before = ListRows(w);
    const QString detailBefore = LabelText(w, "lblResult_0");
    const int historyBefore = ChildOf<QComboBox>(w, "cbModel")->count();
    QCOMPARE(before.size(), 1);

    const SlowSearches slow;
    StartSearch(ui, byDate);
    // Back from the click after half a second, with the search still running.
    QVERIFY(Button(w, "cmdStop")->isVisible());
    QVERIFY(LabelText(w, "lblError").contains(progress));
    QVERIFY(!Button(w, "cmdSearch")->isEnabled());
    QCOMPARE(ListRows(w), before);
    Button(w, "cmdSearch")->click();   // a second search does not start

    if (stopBy == 1)
        QTest::keyClick(w, Qt::Key_Escape);
    else if (stopBy == 2)
        Button(w, "cmdStop")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!Button(w, "cmdStop")->isVisible(), 10000);
    QVERIFY(Button(w, "cmdSearch")->isEnabled());

    if (stopBy == 0) {
        QCOMPARE(ListRows(w), quickRows);
        return;
    }
    QCOMPARE(ListRows(w), before);
    QCOMPARE(LabelText(w, "lblResult_0"), detailBefore);
    QCOMPARE(ChildOf<QComboBox>(w, "cbModel")->count(), historyBefore);   // "haus" not added
    QCOMPARE(LabelText(w, "lblCount"), QStringLiteral("1 Modell"));
    QVERIFY(LabelText(w, "lblError").contains(QStringLiteral("abgebrochen")));
}

QTEST_MAIN(TestSearchProgress)
#include "tst_searchprogress.moc"
