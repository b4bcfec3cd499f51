// The installation-date search as the user drives it: presets, the date
// boxes' key filter and validation, the swap question and the search over the
// six model directories.

#include "MainWindowFixture.h"

#include "hostdata/DateText.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

namespace {

const QString kHaus1 = QStringLiteral("haus1 -- \\immobilien\\stadt\\");
const QString kHaus2 = QStringLiteral("haus2 -- \\immobilien\\stadt\\");
const QString kHuette = QStringLiteral("huette -- \\immobilien\\stadt\\");
const QString kHausBaum = QStringLiteral("haus_baum -- \\lselemente\\baum\\");

// What the date search finds when every file was made today: the six roots
// in their order, a directory's own files before its subdirectories', and a
// model listed in two sections once per section.
const QStringList kToday{QStringLiteral("lok -- \\rollmaterial\\"),
                         QStringLiteral("weiche -- \\gleisobjekte\\weichen\\"),
                         QStringLiteral("sig -- \\signale\\signale\\"),
                         kHausBaum,
                         kHausBaum,
                         kHaus1,
                         kHaus2,
                         kHuette,
                         QStringLiteral("kiste -- \\goods\\")};

QLineEdit* DateBox(QWidget* w, int index)
{
    return ChildOf<QLineEdit>(w, index == 0 ? "txDate_0" : "txDate_1");
}

QString Format(const QDate& date)
{
    return DateText::Format(date);
}

// The fixture's installation with models in every scan root and some outside
// them, all written today; the window switched to the date search.
class DateSearchWindow : public MainWindowUnderTest {
public:
    DateSearchWindow()
    {
        TestInstallation& inst = Fixture().Inst();
        const QByteArray gsb = MainWindowFixture::GsbBytes({});
        inst.WriteBytes(QStringLiteral("Rollmaterial/Lok.GSB"), gsb);   // the extension in capitals counts here
        inst.WriteBytes(QStringLiteral("Gleisobjekte/Weichen/Weiche.gsb"), gsb);
        inst.WriteBytes(QStringLiteral("Signale/Signale/sig.gsb"), gsb);
        inst.WriteBytes(QStringLiteral("Goods/kiste.gsb"), gsb);
        // Outside the six roots.
        inst.WriteBytes(QStringLiteral("lose.gsb"), gsb);
        inst.WriteBytes(QStringLiteral("Signale/Andere/nicht.gsb"), gsb);
        inst.WriteBytes(QStringLiteral("Sounds/ton.gsb"), gsb);
        inst.WriteBytes(QStringLiteral("Gleisobjekte/Weichen/notiz.txt"), QByteArray("x"));
        ChildOf<QRadioButton>(Window(), "rbSearchStyle_1")->setChecked(true);
    }

    void SetRange(const QString& from, const QString& to)
    {
        DateBox(Window(), 0)->setText(from);
        DateBox(Window(), 1)->setText(to);
    }

    void SearchDates() { ChildOf<QPushButton>(Window(), "cmdSearch")->click(); }

    // The window active, so that the focus moves between its controls.
    bool Activate()
    {
        Window()->activateWindow();
        return QTest::qWaitForWindowActive(Window());
    }
};

} // namespace

class TestDateSearch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void findsTodaysModelsInTheSixRoots();
    void extendingAddsOnlyNewRecords();
    void presetsGiveTheirRanges_data();
    void presetsGiveTheirRanges();
    void asksBeforeSwappingReversedRange();
    void keyFilterTakesDigitsDotsAndEditingKeys();
    void validatesDateOnLeaving();
    void reportsDateInvalidAtSearchTime();
};

void TestDateSearch::findsTodaysModelsInTheSixRoots()
{
    DateSearchWindow ui;
    QWidget* w = ui.Window();
    ChildOf<QPushButton>(w, "cmdTimeSpan_0")->click();
    QCOMPARE(DateBox(w, 0)->text(), Format(QDate::currentDate()));
    QCOMPARE(DateBox(w, 1)->text(), Format(QDate::currentDate()));
    ui.SearchDates();
    QCOMPARE(ListRows(w), kToday);
    QCOMPARE(LabelText(w, "lblCount"), QStringLiteral("9 Modelle"));
    // Row 0 is selected and shown; the locomotive is not in the model index.
    QCOMPARE(LabelText(w, "lblResult_0"), QStringLiteral("\\rollmaterial\\lok.gsb"));
    QCOMPARE(LabelText(w, "lblResult_1"), QStringLiteral("ist im EEP nicht bekannt"));
    QVERIFY(CriticalTexts(ui.Messages()).isEmpty());

    // "seit Gestern" reaches today as well; a range that ends yesterday does not.
    ChildOf<QPushButton>(w, "cmdTimeSpan_1")->click();
    ui.SearchDates();
    QCOMPARE(ListRows(w), kToday);
    ui.SetRange(Format(QDate::currentDate().addDays(-30)), Format(QDate::currentDate().addDays(-1)));
    ui.SearchDates();
    QVERIFY(ListRows(w).isEmpty());
    QCOMPARE(LabelText(w, "lblNothingFound"),
             QStringLiteral("\n\nIm angegebenen Zeitraum sind keine Modelle\nzum ersten Mal installiert worden."));
}

void TestDateSearch::extendingAddsOnlyNewRecords()
{
    DateSearchWindow ui;
    QWidget* w = ui.Window();
    ChildOf<QRadioButton>(w, "rbSearchStyle_0")->setChecked(true);
    ui.Search(QStringLiteral("haus1"), 1);
    ChildOf<QRadioButton>(w, "rbSearchStyle_1")->setChecked(true);
    ChildOf<QCheckBox>(w, "chkExtend")->setChecked(true);
    ChildOf<QPushButton>(w, "cmdTimeSpan_0")->click();
    ui.SearchDates();
    QStringList expected{kHaus1};
    expected << kToday;
    expected.removeAt(expected.lastIndexOf(kHaus1));
    QCOMPARE(ListRows(w), expected);

    // The same range again adds nothing.
    ui.SearchDates();
    QCOMPARE(ListRows(w), expected);
}

void TestDateSearch::presetsGiveTheirRanges_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("preset");
    QTest::addColumn<QString>("from");

    const QDate march31(2024, 3, 31);
    QTest::newRow("Heute") << march31 << 0 << "31.03.2024";
    QTest::newRow("letzte Woche") << march31 << 2 << "25.03.2024";
    QTest::newRow("letzten Monat, 31 March, leap year") << march31 << 3 << "01.03.2024";
    QTest::newRow("letzten Monat, 31 March") << QDate(2023, 3, 31) << 3 << "01.03.2023";
    const QDate newYear(2024, 1, 1);
    QTest::newRow("seit Gestern, 1 January") << newYear << 1 << "31.12.2023";
    QTest::newRow("letzten Monat, 1 January") << newYear << 3 << "02.12.2023";
}

void TestDateSearch::presetsGiveTheirRanges()
{
    QFETCH(QDate, today);
    QFETCH(int, preset);
    QFETCH(QString, from);

    DateSearchWindow ui;
    QWidget* w = ui.Window();
    FMainHooks hooks = FMainHooks::Defaults();
    hooks.today = [today] { return today; };
    ui.Window()->SetHooks(hooks);
    const QString name = QStringLiteral("cmdTimeSpan_%1").arg(preset);
    ChildOf<QPushButton>(w, qPrintable(name))->click();
    QCOMPARE(DateBox(w, 0)->text(), from);
    QCOMPARE(DateBox(w, 1)->text(), Format(today));
    QVERIFY(ListRows(w).isEmpty());   // a preset does not search
}

void TestDateSearch::asksBeforeSwappingReversedRange()
{
    DateSearchWindow ui;
    QWidget* w = ui.Window();
    ChildOf<QRadioButton>(w, "rbSearchStyle_0")->setChecked(true);
    ui.Search(QStringLiteral("haus2"), 1);
    ChildOf<QRadioButton>(w, "rbSearchStyle_1")->setChecked(true);
    const QString later = Format(QDate::currentDate().addDays(3));
    const QString earlier = Format(QDate::currentDate().addDays(-3));
    ui.SetRange(later, earlier);

    // No: nothing changes.
    ui.Messages().ScriptAnswers({false, true});
    ui.SearchDates();
    QCOMPARE(ui.Messages().Entries().size(), 1);
    QCOMPARE(ui.Messages().Entries().first().kind, RecordingMessageSink::Kind::Question);
    QCOMPARE(ui.Messages().Entries().first().text,
             QStringLiteral("Das von-Datum liegt später als das bis-Datum!\r\n\r\nAustauschen?"));
    QCOMPARE(DateBox(w, 0)->text(), later);
    QCOMPARE(ListRows(w), QStringList{kHaus2});

    // Yes: the boxes are swapped and the search runs.
    ui.SearchDates();
    QCOMPARE(ui.Messages().Entries().size(), 2);
    QCOMPARE(DateBox(w, 0)->text(), earlier);
    QCOMPARE(DateBox(w, 1)->text(), later);
    QCOMPARE(ListRows(w), kToday);
}

void TestDateSearch::keyFilterTakesDigitsDotsAndEditingKeys()
{
    DateSearchWindow ui;
    int beeps = 0;
    FMainHooks hooks = FMainHooks::Defaults();
    hooks.beep = [&beeps] { ++beeps; };
    ui.Window()->SetHooks(hooks);
    QLineEdit* box = DateBox(ui.Window(), 0);
    box->clear();

    QTest::keyClicks(box, QStringLiteral("1a.2 ,-x3"));
    QCOMPARE(box->text(), QStringLiteral("1.23"));
    QCOMPARE(beeps, 5);

    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, '0');
    QCOMPARE(box->text(), QStringLiteral("01."));
    QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);   // cut
    QCOMPARE(box->text(), QStringLiteral("0"));
    QCOMPARE(beeps, 5);

    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);   // not an editing key here
    QCOMPARE(box->text(), QStringLiteral("0"));
    QCOMPARE(beeps, 6);
}

void TestDateSearch::validatesDateOnLeaving()
{
    DateSearchWindow ui;
    QVERIFY(ui.Activate());
    QWidget* w = ui.Window();
    QLineEdit* from = DateBox(w, 0);
    QLineEdit* to = DateBox(w, 1);

    from->setFocus();
    from->setText(QStringLiteral("1.2.30"));
    QTest::keyClick(from, Qt::Key_Tab);
    QVERIFY(to->hasFocus());
    QCOMPARE(from->text(), QStringLiteral("01.02.1930"));
    to->setText(QStringLiteral("1.2.29"));
    QTest::keyClick(to, Qt::Key_Backtab);
    QCOMPARE(to->text(), QStringLiteral("01.02.2029"));
    QCoreApplication::processEvents();
    QVERIFY(ui.Messages().Entries().isEmpty());

    // Not a date, and not even one in the box it went to: one message, and
    // the focus comes back without judging that box.
    const QString message = QStringLiteral("Ungültiger Datums-Eintrag.\r\n\r\nBitte korrigieren.");
    to->clear();
    for (const QString& wrong : {QStringLiteral("31.2.2024"), QString()}) {
        ui.Messages().Clear();
        from->setText(wrong);
        QTest::keyClick(from, Qt::Key_Tab);
        QCoreApplication::processEvents();
        QCOMPARE(CriticalTexts(ui.Messages()), QStringList{message});
        QVERIFY(from->hasFocus());
        QCOMPARE(from->text(), wrong);
    }

    // Pressing a preset meanwhile mends the box: no message.
    ui.Messages().Clear();
    from->setText(QStringLiteral("7"));
    QTest::keyClick(from, Qt::Key_Tab);
    ChildOf<QPushButton>(w, "cmdTimeSpan_2")->click();
    QCoreApplication::processEvents();
    QVERIFY(ui.Messages().Entries().isEmpty());
}

void TestDateSearch::reportsDateInvalidAtSearchTime()
{
    DateSearchWindow ui;
    QWidget* w = ui.Window();
    ChildOf<QRadioButton>(w, "rbSearchStyle_0")->setChecked(true);
    ui.Search(QStringLiteral("haus1"), 1);
    ChildOf<QRadioButton>(w, "rbSearchStyle_1")->setChecked(true);
    ui.SetRange(QStringLiteral("01.01.2024"), QStringLiteral("32.01.2024"));
    ui.SearchDates();
    const QStringList messages = CriticalTexts(ui.Messages());
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().contains(QLatin1String("FMain.FilelistFromDate")), qPrintable(messages.first()));
    QCOMPARE(ListRows(w), QStringList{kHaus1});
}

QTEST_MAIN(TestDateSearch)
#include "tst_datesearch.moc"
