// The name search as the user drives it: operators and name sources, the
// extended list, the history, the search button and the failure paths.

#include "MainWindowFixture.h"

#include "startup/modTools.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QtTest>

namespace {

const QString kHaus1 = QStringLiteral("haus1 -- \\immobilien\\stadt\\");
const QString kHaus2 = QStringLiteral("haus2 -- \\immobilien\\stadt\\");
const QString kHausBaum = QStringLiteral("haus_baum -- \\lselemente\\baum\\");
const QString kEiche = QStringLiteral("eiche -- \\lselemente\\baum\\");

QStringList HistoryOf(QWidget* window)
{
    const auto* box = ChildOf<QComboBox>(window, "cbModel");
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

} // namespace

class TestNameSearch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void findsByOperatorAndNameSource_data();
    void findsByOperatorAndNameSource();
    void extendsWithoutDuplicates();
    void keepsHistoryNewestFirst();
    void enablesSearchButtonFromInput();
    void showsNothingFoundNotice();
    void enterStartsSearch();
    void oddInputLeavesWindowUsable();
    void closesWhenModelIndexVanishes();
};

void TestNameSearch::findsByOperatorAndNameSource_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("oper");
    QTest::addColumn<int>("source");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("contains, listed twice") << "baum" << 0 << 0 << QStringList{kHausBaum, kHausBaum};
    QTest::newRow("exact ignores case") << "HAUS1" << 1 << 0 << QStringList{kHaus1};
    QTest::newRow("exact is not a prefix") << "haus" << 1 << 0 << QStringList{};
    QTest::newRow("begins with") << "haus" << 2 << 0 << QStringList{kHaus1, kHaus2, kHausBaum, kHausBaum};
    QTest::newRow("ends with") << "2" << 3 << 0 << QStringList{kHaus2};
    QTest::newRow("pattern") << "haus#" << 4 << 0 << QStringList{kHaus1, kHaus2};
    QTest::newRow("contains takes * literally") << "*" << 0 << 0 << QStringList{};
    QTest::newRow("ini name") << "stadt" << 0 << 1 << QStringList{kHaus1};
    QTest::newRow("both, either name") << "haus" << 0 << 2 << QStringList{kHaus1, kHaus2, kHausBaum, kHausBaum};
    QTest::newRow("both, ini only match") << "stadthaus" << 0 << 2 << QStringList{kHaus1};
}

void TestNameSearch::findsByOperatorAndNameSource()
{
    QFETCH(QString, text);
    QFETCH(int, oper);
    QFETCH(int, source);
    QFETCH(QStringList, rows);

    MainWindowUnderTest ui;
    ui.Search(text, oper, source);
    QCOMPARE(ListRows(ui.Window()), rows);
    if (!rows.isEmpty()) {
        QCOMPARE(ChildOf<QListView>(ui.Window(), "lbModels")->currentIndex().row(), 0);
        QCOMPARE(LabelText(ui.Window(), "lblCount"),
                 rows.size() == 1 ? QStringLiteral("1 Modell") : QStringLiteral("%1 Modelle").arg(rows.size()));
    }
    QVERIFY(CriticalTexts(ui.Messages()).isEmpty());
}

void TestNameSearch::extendsWithoutDuplicates()
{
    MainWindowUnderTest ui;
    ui.Search(QStringLiteral("haus1"), 1);
    ChildOf<QCheckBox>(ui.Window(), "chkExtend")->setChecked(true);
    ui.Search(QStringLiteral("eiche"), 1);
    ui.Search(QStringLiteral("haus"), 2);
    QCOMPARE(ListRows(ui.Window()), (QStringList{kHaus1, kEiche, kHaus2, kHausBaum, kHausBaum}));
    QCOMPARE(LabelText(ui.Window(), "lblCount"), QStringLiteral("5 Modelle"));
}

void TestNameSearch::keepsHistoryNewestFirst()
{
    MainWindowUnderTest ui;
    ui.Search(QStringLiteral("Haus1"), 1);
    ui.Search(QStringLiteral("eiche"), 1);
    ui.Search(QStringLiteral("HAUS1"), 1);   // already there in other letters
    ui.Search(QStringLiteral("gibt es nicht"));
    QCOMPARE(HistoryOf(ui.Window()),
             (QStringList{QStringLiteral("gibt es nicht"), QStringLiteral("eiche"), QStringLiteral("Haus1")}));
    // The text stays as typed, ready for the same search again.
    QCOMPARE(ChildOf<QComboBox>(ui.Window(), "cbModel")->currentText(), QStringLiteral("gibt es nicht"));
}

void TestNameSearch::enablesSearchButtonFromInput()
{
    MainWindowUnderTest ui;
    QWidget* w = ui.Window();
    auto* search = ChildOf<QPushButton>(w, "cmdSearch");
    auto* name = ChildOf<QComboBox>(w, "cbModel");
    QVERIFY(!search->isEnabled());
    QTest::keyClick(name->lineEdit(), Qt::Key_Space);
    QVERIFY(search->isEnabled());
    QTest::keyClick(name->lineEdit(), Qt::Key_Backspace);
    QVERIFY(!search->isEnabled());

    // The date style looks at its two boxes, which hold today's range at load.
    name->setEditText(QStringLiteral("haus"));
    ChildOf<QRadioButton>(w, "rbSearchStyle_1")->setChecked(true);
    QVERIFY(!ChildOf<QFrame>(w, "fraSearchStyle_0")->isVisible());
    QVERIFY(ChildOf<QFrame>(w, "fraSearchStyle_1")->isVisible());
    auto* to = ChildOf<QLineEdit>(w, "txDate_1");
    QVERIFY(!to->text().isEmpty());
    QVERIFY(search->isEnabled());
    const QString today = to->text();
    to->clear();
    QVERIFY(!search->isEnabled());
    to->setText(today);
    QVERIFY(search->isEnabled());

    // Back to the name style: its input is kept and decides again.
    name->setEditText(QString());
    ChildOf<QRadioButton>(w, "rbSearchStyle_0")->setChecked(true);
    QVERIFY(!search->isEnabled());
    QCOMPARE(to->text(), today);
}

void TestNameSearch::showsNothingFoundNotice()
{
    MainWindowUnderTest ui;
    ui.Search(QStringLiteral("haus1"), 1);
    ui.Search(QStringLiteral("nirgends"));
    QWidget* w = ui.Window();
    QLabel* notice = ChildOf<QLabel>(w, "lblNothingFound");
    QVERIFY(notice->isVisible());
    QCOMPARE(notice->text(), QStringLiteral("\n\nSorry, aber in EEP\nist kein passendes Modell bekannt!"));
    QCOMPARE(notice->geometry(), ChildOf<QListView>(w, "lbModels")->geometry());
    for (const char* hidden : {"lbModels", "lblCount", "lblListboxTitle", "cmdMod2", "cmdVorschau", "txEepPlace"})
        QVERIFY2(!ChildOf<QWidget>(w, hidden)->isVisible(), hidden);
    QVERIFY(ListRows(w).isEmpty());

    ui.Search(QStringLiteral("haus1"), 1);
    QVERIFY(!notice->isVisible());
    for (const char* shown : {"lbModels", "lblCount", "lblListboxTitle", "cmdMod2", "cmdVorschau", "txEepPlace"})
        QVERIFY2(ChildOf<QWidget>(w, shown)->isVisible(), shown);
}

void TestNameSearch::enterStartsSearch()
{
    MainWindowUnderTest ui;
    auto* name = ChildOf<QComboBox>(ui.Window(), "cbModel");
    name->setFocus();
    QTest::keyClicks(name->lineEdit(), QStringLiteral("haus2"));
    QTest::keyClick(name->lineEdit(), Qt::Key_Return);
    QCOMPARE(ListRows(ui.Window()), QStringList{kHaus2});
    QCOMPARE(name->count(), 1);   // only the search's own history entry

    // The Enter key of the number pad as well.
    name->setEditText(QStringLiteral("haus1"));
    QTest::keyClick(name->lineEdit(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(ListRows(ui.Window()), QStringList{kHaus1});

    // A button that has the focus takes Enter for itself.
    auto* quit = ChildOf<QPushButton>(ui.Window(), "cmdEnd");
    quit->setFocus();
    QTest::keyClick(quit, Qt::Key_Return);
    QVERIFY(!ui.Window()->isVisible());
    QCOMPARE(name->count(), 2);
}

void TestNameSearch::oddInputLeavesWindowUsable()
{
    MainWindowUnderTest ui;
    ui.Search(QString(10000, QLatin1Char('x')));
    QVERIFY(ChildOf<QLabel>(ui.Window(), "lblNothingFound")->isVisible());

    ui.Search(QStringLiteral("[haus"), 4);   // an unclosed list
    const QStringList messages = CriticalTexts(ui.Messages());
    for (const QString& message : messages)
        QVERIFY2(message.contains(QLatin1String("FMain.FilelistFromName")), qPrintable(message));
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);

    ui.Search(QStringLiteral("haus1"), 1);
    QCOMPARE(ListRows(ui.Window()), QStringList{kHaus1});
}

void TestNameSearch::closesWhenModelIndexVanishes()
{
    MainWindowUnderTest ui;
    ui.Search(QStringLiteral("haus1"), 1);
    QVERIFY(QFile::remove(ui.Fixture().Inst().NativePath(QStringLiteral("Categories/Models.ini"))));
    ui.Search(QStringLiteral("haus2"), 1);

    const QStringList messages = CriticalTexts(ui.Messages());
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages.first().startsWith(QLatin1String("Kann die Datei ")));
    QVERIFY(!ui.Window()->isVisible());
    // Closed through the ordinary path, so the place was stored.
    QVERIFY(LoadSettingLong(QStringLiteral("MainWindow"), QStringLiteral("x"), -1) != -1);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

QTEST_MAIN(TestNameSearch)
#include "tst_namesearch.moc"
