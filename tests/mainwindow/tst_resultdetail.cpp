// The result list and the detail of the selected model: editor and category
// path, unknown models, file states, the category language, the clipboard,
// the pop-up menu and the row limit; the buttons that open other windows.

#include "MainWindowFixture.h"

#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QtTest>

namespace {

QString PlaceText(QWidget* window)
{
    return ChildOf<QPlainTextEdit>(window, "txEepPlace")->toPlainText();
}

void SelectRow(QWidget* window, int row)
{
    auto* list = ChildOf<QListView>(window, "lbModels");
    list->setCurrentIndex(list->model()->index(row, 0));
}

// Records what the window hands to its dialogs and the clipboard.
struct HookLog {
    QStringList calls;
    QString clipboard;

    FMainHooks Hooks()
    {
        FMainHooks hooks;
        hooks.showAbout = [this](QWidget*) { calls << QStringLiteral("about"); };
        hooks.showIniProblems = [this](QWidget*) { calls << QStringLiteral("ini"); };
        hooks.setClipboardText = [this](const QString& text) {
            calls << QStringLiteral("clipboard");
            clipboard = text;
        };
        return hooks;
    }
};

// Notes what a label shows when a plain message box comes.
struct LabelAtMessage : RecordingMessageSink {
    explicit LabelAtMessage(const QLabel* label) : label(label) {}
    void Plain(const QString& text) override
    {
        shown << label->text();
        RecordingMessageSink::Plain(text);
    }
    const QLabel* label;
    QStringList shown;
};

} // namespace

class TestResultDetail : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsKnownModel();
    void marksUnknownModelUntilNextKnownOne();
    void showsFileState();
    void switchesCategoryLanguage();
    void alignsLongPathToTheRight();
    void showsMarkupLikePathAsText();
    void copiesWholeResult();
    void limitsRowsButCountsAll();
    void popupDoesNotMoveSelection();
    void opensDialogsThroughHooks();
    void togglesSideWindows();
};

void TestResultDetail::showsKnownModel()
{
    MainWindowUnderTest ui;
    ui.Search(QStringLiteral("haus"), 2);
    QWidget* w = ui.Window();
    QCOMPARE(LabelText(w, "lblResult_0"), QStringLiteral("\\immobilien\\stadt\\haus1.gsb"));
    QCOMPARE(LabelText(w, "lblResult_1"), QStringLiteral("finden Sie in EEP im Editor"));
    QCOMPARE(LabelText(w, "lblResult_2"), QStringLiteral("Immobilien"));
    QCOMPARE(PlaceText(w), QStringLiteral("Gebäude\n-- Häuser\n-- -- Stadthaus"));

    // The same file under its second section sits in another editor.
    SelectRow(w, 3);
    QCOMPARE(LabelText(w, "lblResult_0"), QStringLiteral("\\lselemente\\baum\\haus_baum.gsb"));
    QCOMPARE(LabelText(w, "lblResult_2"), QStringLiteral("Landschaftselemente"));
    QCOMPARE(PlaceText(w), QStringLiteral("Natur\n-- Baumhaus"));
}

void TestResultDetail::marksUnknownModelUntilNextKnownOne()
{
    MainWindowUnderTest ui;
    QWidget* w = ui.Window();
    QLabel* sentence = ChildOf<QLabel>(w, "lblResult_1");
    const QColor normal = ChildOf<QLabel>(w, "lblResult_0")->palette().color(QPalette::WindowText);

    ui.Search(QStringLiteral("huette"), 1);
    QCOMPARE(sentence->text(), QStringLiteral("ist im EEP nicht bekannt"));
    QCOMPARE(sentence->palette().color(QPalette::WindowText), QColor(182, 0, 0));
    QVERIFY(sentence->font().bold());
    QCOMPARE(LabelText(w, "lblResult_2"), QString());
    QCOMPARE(PlaceText(w), QString());

    ui.Search(QStringLiteral("haus1"), 1);
    QCOMPARE(sentence->text(), QStringLiteral("finden Sie in EEP im Editor"));
    QCOMPARE(sentence->palette().color(QPalette::WindowText), normal);
    QVERIFY(!sentence->font().bold());
}

void TestResultDetail::showsFileState()
{
    MainWindowUnderTest ui;
    QWidget* w = ui.Window();
    QLabel* state = ChildOf<QLabel>(w, "lblMissingFile");

    ui.Search(QStringLiteral("haus2"), 1);
    QVERIFY(state->isVisible());
    QCOMPARE(state->text(), QStringLiteral("mod2-Dateien unvollständig"));

    ui.Search(QStringLiteral("eiche"), 1);
    QVERIFY(state->isVisible());
    QCOMPARE(state->text(), QStringLiteral("gsb-Datei existiert nicht"));
    QCOMPARE(LabelText(w, "lblResult_2"), QStringLiteral("Landschaftselemente"));

    ui.Search(QStringLiteral("haus1"), 1);
    QVERIFY(!state->isVisible());

    // An unreadable gsb file: its message comes when the path is already shown.
    QVERIFY(QFile(ui.Fixture().Inst().NativePath(QStringLiteral("Immobilien/Stadt/haus1.gsb"))).resize(qint64(1) << 31));
    LabelAtMessage sink(ChildOf<QLabel>(w, "lblResult_0"));
    ui.Search(QStringLiteral("haus1"), 1);
    QCOMPARE(sink.shown, QStringList{QStringLiteral("\\immobilien\\stadt\\haus1.gsb")});
    QVERIFY(!state->isVisible());
}

void TestResultDetail::switchesCategoryLanguage()
{
    MainWindowUnderTest ui;
    QWidget* w = ui.Window();
    ui.Search(QStringLiteral("haus"), 0, 1);   // by ini name: haus2 has no ini file
    QLabel* notice = ChildOf<QLabel>(w, "lblError");
    QVERIFY(notice->isVisible());
    QCOMPARE(notice->text(), QStringLiteral("1 ini-Datei wird vermisst\n"));
    QVERIFY(ChildOf<QPushButton>(w, "cmdIni")->isVisible());
    QVERIFY(ChildOf<QLabel>(w, "lblErrBG")->isVisible());
    QCOMPARE(PlaceText(w), QStringLiteral("Gebäude\n-- Häuser\n-- -- Stadthaus"));

    ChildOf<QComboBox>(w, "cbLang")->setCurrentIndex(0);   // ENG
    QCOMPARE(PlaceText(w), QStringLiteral("Buildings\n-- Houses\n-- -- Town house"));
    QCOMPARE(LabelText(w, "lblResult_2"), QStringLiteral("Immobilien"));
    QVERIFY(!notice->isVisible());
    QVERIFY(!ChildOf<QPushButton>(w, "cmdIni")->isVisible());
    QCOMPARE(ListRows(w).size(), 3);   // the list itself is not searched again

    // The next search counts in English: the oak and the hut have no English name.
    ui.Search(QStringLiteral("eiche"), 1, 2);
    QCOMPARE(ListRows(w).size(), 1);
    QVERIFY(notice->isVisible());
    QCOMPARE(notice->text(), QStringLiteral("1 ini-Datei wird vermisst\n\n"
                                            "2 Namens-Einträge (Name_ENG) in ini-Dateien fehlen oder sind leer"));
    QVERIFY(CriticalTexts(ui.Messages()).isEmpty());
}

void TestResultDetail::alignsLongPathToTheRight()
{
    MainWindowUnderTest ui;
    const QString deep = QStringLiteral("Sehr\\") + QString(20, QLatin1Char('x')) + QStringLiteral("\\Lange\\")
                         + QString(40, QLatin1Char('y')) + QStringLiteral("\\");
    ui.Fixture().Inst().WriteText(QStringLiteral("Categories/Models.ini"),
                                  QStringLiteral("[Haeuser]\nFile1=\\%1lang.gsb\nFile2=\\a\\kurz.gsb\n").arg(deep));
    ui.Search(QStringLiteral("lang"), 1);
    QLabel* path = ChildOf<QLabel>(ui.Window(), "lblResult_0");
    QVERIFY(path->alignment() & Qt::AlignRight);

    ui.Search(QStringLiteral("kurz"), 1);
    QVERIFY(path->alignment() & Qt::AlignHCenter);
}

void TestResultDetail::showsMarkupLikePathAsText()
{
    MainWindowUnderTest ui;
    ui.Fixture().Inst().WriteText(QStringLiteral("Categories/Models.ini"),
                                  QStringLiteral("[Haeuser]\nFile1=\\a\\<i>kursiv.gsb\n"));
    ui.Search(QStringLiteral("kursiv"));
    QLabel* path = ChildOf<QLabel>(ui.Window(), "lblResult_0");
    QCOMPARE(path->text(), QStringLiteral("\\a\\<i>kursiv.gsb"));
    // Laid out like the same text shown as plain text, "<i>" included.
    QLabel plain;
    plain.setFont(path->font());
    plain.setTextFormat(Qt::PlainText);
    plain.setText(path->text());
    QCOMPARE(path->sizeHint(), plain.sizeHint());
}

void TestResultDetail::copiesWholeResult()
{
    MainWindowUnderTest ui;
    HookLog log;
    ui.Window()->SetHooks(log.Hooks());
    QAction* copy = ChildOf<QAction>(ui.Window(), "mnuPopClipbrd");

    copy->trigger();   // right after start: the heading alone
    QCOMPARE(log.clipboard, QStringLiteral("gsb-Datei\tPfad"));

    ui.Search(QStringLiteral("haus1"), 1);
    copy->trigger();
    QCOMPARE(log.clipboard, QStringLiteral("gsb-Datei\tPfad\r\nhaus1.gsb\t\\immobilien\\stadt\\"));

    ui.Search(QStringLiteral("baum"));
    copy->trigger();
    QCOMPARE(log.clipboard, QStringLiteral("gsb-Datei\tPfad\r\nhaus_baum.gsb\t\\lselemente\\baum\\"
                                           "\r\nhaus_baum.gsb\t\\lselemente\\baum\\"));
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

void TestResultDetail::limitsRowsButCountsAll()
{
    MainWindowUnderTest ui;
    constexpr int kModels = 70000;
    QString index = QStringLiteral("[Viele]\n");
    index.reserve(kModels * 32);
    for (int i = 0; i < kModels; ++i)
        index += QStringLiteral("File%1=\\viele\\m%1.gsb\n").arg(i);
    ui.Fixture().Inst().WriteText(QStringLiteral("Categories/Models.ini"), index);
    HookLog log;
    ui.Window()->SetHooks(log.Hooks());

    ui.Search(QStringLiteral("m"), 2);
    QWidget* w = ui.Window();
    const QAbstractItemModel* rows = ChildOf<QListView>(w, "lbModels")->model();
    QCOMPARE(rows->rowCount(), 65535);
    QCOMPARE(rows->index(65534, 0).data().toString(), QStringLiteral("m65534 -- \\viele\\"));
    QCOMPARE(LabelText(w, "lblCount"), QStringLiteral("70000 Modelle"));

    ChildOf<QAction>(w, "mnuPopClipbrd")->trigger();
    QCOMPARE(log.clipboard.count(QStringLiteral("\r\n")), kModels);
    QVERIFY(log.clipboard.endsWith(QStringLiteral("m69999.gsb\t\\viele\\")));
}

void TestResultDetail::popupDoesNotMoveSelection()
{
    MainWindowUnderTest ui;
    ui.Search(QStringLiteral("haus"), 2);
    auto* list = ChildOf<QListView>(ui.Window(), "lbModels");
    const QRect secondRow = list->visualRect(list->model()->index(1, 0));
    QTest::mouseClick(list->viewport(), Qt::RightButton, Qt::NoModifier, secondRow.center());

    auto* menu = ChildOf<QMenu>(ui.Window(), "mnuPop");
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions().first()->text(), QStringLiteral("Kopie in die Zwischenablage"));
    QCOMPARE(list->currentIndex().row(), 0);
    menu->hide();

    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, secondRow.center());
    QCOMPARE(list->currentIndex().row(), 1);
    QCOMPARE(LabelText(ui.Window(), "lblResult_0"), QStringLiteral("\\immobilien\\stadt\\haus2.gsb"));
}

void TestResultDetail::opensDialogsThroughHooks()
{
    MainWindowUnderTest ui;
    HookLog log;
    ui.Window()->SetHooks(log.Hooks());
    ChildOf<QPushButton>(ui.Window(), "cmdInfo")->click();
    ChildOf<QPushButton>(ui.Window(), "cmdIni")->click();
    QCOMPARE(log.calls, (QStringList{QStringLiteral("about"), QStringLiteral("ini")}));
}

void TestResultDetail::togglesSideWindows()
{
    MainWindowUnderTest ui;
    ui.Search(QStringLiteral("haus1"), 1);
    FMain* w = ui.Window();
    auto* mod2 = ChildOf<QPushButton>(w, "cmdMod2");
    auto* preview = ChildOf<QPushButton>(w, "cmdVorschau");
    QCOMPARE(mod2->text(), QStringLiteral("&mod2-Liste  >>"));

    mod2->click();
    QVERIFY(w->Mod2());
    QCOMPARE(mod2->text(), QStringLiteral("&mod2-Liste  <<"));
    preview->click();
    QVERIFY(w->Vorschau());
    QCOMPARE(preview->text(), QStringLiteral("&Vorschau  <<"));

    mod2->click();
    QVERIFY(!w->Mod2());
    QCOMPARE(mod2->text(), QStringLiteral("&mod2-Liste  >>"));

    // Closing the main window closes what it owns.
    w->close();
    QVERIFY(!w->Vorschau());
    QCOMPARE(preview->text(), QStringLiteral("&Vorschau  >>"));
    QVERIFY(CriticalTexts(ui.Messages()).isEmpty());
}

QTEST_MAIN(TestResultDetail)
#include "tst_resultdetail.moc"
