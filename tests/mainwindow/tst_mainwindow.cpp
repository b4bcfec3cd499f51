// The main window's wiring (each search with a result, nothing found and an
// error) and what only the window shows.

#include "ControlLookup.h"
#include "SampleInstallation.h"
#include "ScopedEnv.h"
#include "mainwindow/DisplayText.h"
#include "mainwindow/FMain.h"
#include "mainwindow/SearchOwner.h"
#include "mainwindow/Startup.h"
#include "hostdata/SearchProgress.h"
#include "platform/ReadAhead.h"
#include "platform/WorkerThread.h"
#include "startup/KluniError.h"
#include "platformui/Twips.h"
#include "startup/modRegApi.h"
#include "platform/FolderChooser.h"
#include "platformui/QtFolderChooser.h"
#include "startup/InterfaceLanguage.h"
#include "startup/modMain.h"
#include "startup/modTools.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSessionManager>
#include <QThread>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QUrl>
#include <QFile>
#include <QFileDialog>
#include <QtTest>

#include <future>
#include <memory>

namespace {

const QString kHaus1 = QStringLiteral("haus1 -- \\immobilien\\stadt\\");
const QString kHaus2 = QStringLiteral("haus2 -- \\immobilien\\stadt\\");
const QString kHuette = QStringLiteral("huette -- \\immobilien\\stadt\\");
const QString kHausBaum = QStringLiteral("haus_baum -- \\lselemente\\baum\\");
const QString kEiche = QStringLiteral("eiche -- \\lselemente\\baum\\");
const QString kDropNotice = QStringLiteral("\n\nUnter den verschobenen Dateien\nbefand sich keine Modell Datei.");

QString Place(const QWidget* w) { return C<QPlainTextEdit>(w, "txEepPlace")->toPlainText(); }

QStringList Items(const QAbstractItemModel* model)
{
    QStringList texts;
    for (int i = 0; i < model->rowCount(); ++i)
        texts << model->index(i, 0).data().toString();
    return texts;
}

QStringList Rows(const QWidget* w) { return Items(C<QListView>(w, "lbModels")->model()); }

std::shared_ptr<QMimeData> Files(const QStringList& nativePaths)
{
    auto data = std::make_shared<QMimeData>();
    for (const QString& path : nativePaths)
        data->setUrls(data->urls() << QUrl::fromLocalFile(path));
    return data;
}

// Drags the data over the target and drops it there, as a file manager does.
void Drop(QWidget* target, const QMimeData& data, bool shift = false)
{
    const Qt::KeyboardModifiers modifiers = shift ? Qt::ShiftModifier : Qt::NoModifier;
    const QPoint centre = target->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QCOMPARE(enter.dropAction(), Qt::CopyAction);
    QDropEvent drop(QPointF(centre), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(target, &drop);
    QVERIFY(drop.isAccepted());
}

// The sample installation with a main window on it, as start-up leaves it
// (without the check); clipboard, beep and today's date go through hooks.
struct Ui {
    SampleInstallation inst;
    std::unique_ptr<FMain> window;
    QString clipboard;
    int beeps = 0;
    QDate today = QDate::currentDate();

    Ui()
    {
        window = std::make_unique<FMain>();
        window->show();
        window->Init(inst.Activate());
        FMainHooks hooks = FMainHooks::Defaults();
        hooks.setClipboardText = [this](const QString& text) { clipboard = text; };
        hooks.beep = [this] { ++beeps; };
        hooks.today = [this] { return today; };
        window->SetHooks(hooks);
    }
    FMain* W() const { return window.get(); }
    QString Native(const QString& rel) const { return inst.NativePath(rel); }
    QWidget* List() const { return C<QListView>(W(), "lbModels")->viewport(); }
    QWidget* Notice() const { return C<QLabel>(W(), "lblNothingFound"); }
    QLineEdit* Date(int i) const { return C<QLineEdit>(W(), i == 0 ? "txDate_0" : "txDate_1"); }
    QStringList Critical() { return CriticalTexts(inst.Messages()); }

    // Types a name, picks operator and name source, presses "&Such !".
    void Search(const QString& text, int oper = 0, int source = 0)
    {
        C<QRadioButton>(W(), "rbSearchStyle_0")->setChecked(true);
        C<QComboBox>(W(), "cbOper")->setCurrentIndex(oper);
        C<QRadioButton>(W(), qPrintable(QStringLiteral("rbModelName_%1").arg(source)))->setChecked(true);
        C<QComboBox>(W(), "cbModel")->setEditText(text);
        QVERIFY(C<QPushButton>(W(), "cmdSearch")->isEnabled());
        C<QPushButton>(W(), "cmdSearch")->click();
        WaitForSearch();
    }
    // The date search over the range; a null text keeps what the box holds.
    void SearchDates(const QString& from = QString(), const QString& to = QString())
    {
        C<QRadioButton>(W(), "rbSearchStyle_1")->setChecked(true);
        if (!from.isNull())
            Date(0)->setText(from);
        if (!to.isNull())
            Date(1)->setText(to);
        C<QPushButton>(W(), "cmdSearch")->click();
        WaitForSearch();
    }
    // A search still running after half a second goes on beside the window
    // (a slow machine, a sanitizer build): its end is awaited unless a test
    // wants to see it run.
    bool waitForSearches = true;
    void WaitForSearch() const
    {
        if (waitForSearches)
            QTRY_VERIFY_WITH_TIMEOUT(!C(W(), "cmdStop")->isVisible(), 120000);
    }
};

QString Day(int offset) { return QDate::currentDate().addDays(offset).toString(QStringLiteral("dd.MM.yyyy")); }

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

// A message box runs an event loop of its own until it is closed.
struct ModalMessages : RecordingMessageSink {
    void Critical(const QString& text) override
    {
        QEventLoop loop;
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
        loop.exec();
        RecordingMessageSink::Critical(text);
    }
};

// A search slowed down for the test's length; the pause ends when the search is stopped.
struct SlowSearches {
    explicit SlowSearches(int microseconds) { SearchProgress::SetStepDelayForTests(microseconds); }
    ~SlowSearches() { SearchProgress::SetStepDelayForTests(0); }
};

// Start-up finds the installation through KLUNI_RESBASE, and no registry of this machine.
struct StartupEnv {
    explicit StartupEnv(const TestInstallation& inst) : resBase("KLUNI_RESBASE", inst.NativeRoot().toLocal8Bit()) {}
    QTemporaryDir prefix;
    ScopedEnv wine{"WINEPREFIX", prefix.path().toLocal8Bit()};
    ScopedEnv resBase;
};

// Start-up where nothing names EEP's folder: each folder question is answered
// with the next folder of the list (an empty one cancels), its title noted.
struct ChooserEnv {
    QTemporaryDir emptyWinePrefix;   // so that no registry of this machine is read
    ScopedEnv wine{"WINEPREFIX", emptyWinePrefix.path().toLocal8Bit()};
    ScopedEnv resBase{"KLUNI_RESBASE", QByteArray()};
    QtFolderChooser chooser;
    QStringList titles;
    ChooserEnv() { FolderChooser::Install(&chooser); }
    ~ChooserEnv() { FolderChooser::Install(nullptr); }
    void Answer(const QStringList& folders)
    {
        chooser.SetDriver([this, folders, next = 0](QDialog& dialog) mutable {
            titles << dialog.windowTitle();
            auto* view = dialog.findChild<QFileDialog*>();
            QVERIFY(view && view->filter().testFlag(QDir::Hidden));
            const QString folder = folders.value(next++);
            if (folder.isEmpty())
                return dialog.reject();
            view->selectFile(folder);
            QMetaObject::invokeMethod(view, "accept");   // as the dialog's "Choose" button does
        });
    }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { InterfaceLanguage::Install(QStringLiteral("de"), false); }

    void nameSearchByOperatorAndSourceOrNothing()
    {
        Ui ui;
        const QStringList hidden{"lbModels", "lblCount", "lblListboxTitle", "cmdMod2", "cmdVorschau", "txEepPlace"};
        const struct {
            QString text;
            int oper, source;
            QStringList rows;
        } table[] = {
            {"baum", 0, 0, {kHausBaum, kHausBaum}},
            {"HAUS1", 1, 0, {kHaus1}},
            {"haus", 2, 0, {kHaus1, kHaus2, kHausBaum, kHausBaum}},
            {"2", 3, 0, {kHaus2}},
            {"haus#", 4, 0, {kHaus1, kHaus2}},
            {"stadt", 0, 1, {kHaus1}},
            {"stadthaus", 0, 2, {kHaus1}},
            {"nirgends", 0, 0, {}},
            {"haus2", 1, 2, {kHaus2}},
        };
        for (const auto& row : table) {
            ui.Search(row.text, row.oper, row.source);
            QCOMPARE(Rows(ui.W()), row.rows);
            const bool found = !row.rows.isEmpty();
            QVERIFY2(ui.Notice()->isVisible() != found, qPrintable(row.text));
            for (const QString& control : hidden)
                QVERIFY2(C(ui.W(), qPrintable(control))->isVisible() == found, qPrintable(row.text + " " + control));
            if (found)
                QVERIFY(C<QListView>(ui.W(), "lbModels")->currentIndex().row() == 0 && Text(ui.W(), "lblCount") ==
                        (row.rows.size() == 1 ? "1 Modell" : QStringLiteral("%1 Modelle").arg(row.rows.size())));
            else
                QVERIFY(Text(ui.W(), "lblNothingFound") == "\n\nSorry, aber in EEP\nist kein passendes Modell bekannt!"
                        && ui.Notice()->geometry() == C<QListView>(ui.W(), "lbModels")->geometry());
        }
        QVERIFY(ui.Critical().isEmpty());
        // Extending adds what is not yet listed; the history takes a name once, in any letters.
        ui.Search("haus1", 1);
        C<QCheckBox>(ui.W(), "chkExtend")->setChecked(true);
        ui.Search("eiche", 1);
        ui.Search("HAUS1", 1);   // already in the history in other letters
        ui.Search("haus", 2);
        QCOMPARE(Rows(ui.W()), (QStringList{kHaus1, kEiche, kHaus2, kHausBaum, kHausBaum}));
        QCOMPARE(Text(ui.W(), "lblCount"), QStringLiteral("5 Modelle"));
        QCOMPARE(Items(C<QComboBox>(ui.W(), "cbModel")->model()),
                 (QStringList{"eiche", "haus2", "nirgends", "stadthaus", "stadt", "haus#", "2", "haus", "HAUS1",
                              "baum"}));
        QCOMPARE(C<QComboBox>(ui.W(), "cbModel")->currentText(), QStringLiteral("haus"));   // ready for the same search
    }

    void searchButtonAndEnterFollowTheInput()
    {
        Ui ui;
        auto* search = C<QPushButton>(ui.W(), "cmdSearch");
        auto* name = C<QComboBox>(ui.W(), "cbModel");
        C<QRadioButton>(ui.W(), "rbSearchStyle_1")->setChecked(true);   // the dates hold today's range at load
        QVERIFY(search->isEnabled() && ui.Date(1)->text() == Day(0));
        ui.Date(1)->clear();
        QVERIFY(!search->isEnabled());
        C<QRadioButton>(ui.W(), "rbSearchStyle_0")->setChecked(true);
        QVERIFY(!search->isEnabled() && C(ui.W(), "fraSearchStyle_0")->isVisible());
        name->setFocus();
        QTest::keyClicks(name->lineEdit(), "haus2");
        QTest::keyClick(name->lineEdit(), Qt::Key_Return);
        QCOMPARE(Rows(ui.W()), QStringList{kHaus2});
        name->setEditText("haus1");
        QTest::keyClick(name->lineEdit(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(Rows(ui.W()), QStringList{kHaus1});
        auto* quit = C<QPushButton>(ui.W(), "cmdEnd");
        quit->setFocus();
        QTest::keyClick(quit, Qt::Key_Return);
        QVERIFY(!ui.W()->isVisible());
        QCOMPARE(name->count(), 2);
    }

    // A click on the chosen option keeps it chosen, and every set of options
    // keeps exactly one chosen; the sets listed are all the window's options.
    void aClickedOptionStaysChosenInEachSet_data()
    {
        QTest::addColumn<QString>("set");
        QTest::newRow("search style") << "rbSearchStyle";
        QTest::newRow("name source") << "rbModelName";
    }

    void aClickedOptionStaysChosenInEachSet()
    {
        QFETCH(QString, set);
        const QMap<QString, int> sizes{{"rbSearchStyle", 2}, {"rbModelName", 3}};
        Ui ui;
        QCOMPARE(ui.W()->findChildren<QRadioButton*>().size(), 5);
        const auto option = [&ui](const QString& name, int i) {
            return C<QRadioButton>(ui.W(), qPrintable(QStringLiteral("%1_%2").arg(name).arg(i)));
        };
        for (int i = sizes[set] - 1; i >= 0; --i) {
            for (int click = 0; click < 2; ++click) {   // chooses it, then clicks it once more
                QTest::mouseClick(option(set, i), Qt::LeftButton);
                QVERIFY2(option(set, i)->isChecked(), qPrintable(option(set, i)->objectName()));
                for (auto it = sizes.cbegin(); it != sizes.cend(); ++it) {
                    int chosen = 0;
                    for (int j = 0; j < it.value(); ++j)
                        chosen += option(it.key(), j)->isChecked() ? 1 : 0;
                    QVERIFY2(chosen == 1, qPrintable(it.key()));
                }
            }
        }
    }

    // Shown before any event loop runs, as at start-up, the message boxes'
    // own loops must find nothing of the search left to use.
    void searchErrorsAreReportedAndAVanishedIndexCloses()
    {
        Ui ui;
        const ModalMessages boxes;
        const auto critical = [&boxes] { return CriticalTexts(boxes); };
        ui.Search("[haus", 4);   // an unclosed list
        QCOMPARE(critical().size(), 1);
        QVERIFY2(critical().first().contains("FMain.FilelistFromName"), qPrintable(critical().first()));
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        ui.Search("haus1", 1);
        QCOMPARE(Rows(ui.W()), QStringList{kHaus1});
        QVERIFY(QFile::remove(ui.Native("Categories/Models.ini")));
        ui.Search("haus2", 1);
        QVERIFY(critical().size() == 2 && !ui.W()->isVisible());
        // Closed through the ordinary path, so the place was stored.
        QVERIFY(LoadSettingLong("MainWindow", "x", -1) != -1);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void dateSearchFindsExtendsOrSaysWhyNot()
    {
        Ui ui;
        const QStringList today{kHausBaum, kHausBaum, kHaus1, kHaus2, kHuette};
        C<QPushButton>(ui.W(), "cmdTimeSpan_0")->click();
        ui.SearchDates();
        QCOMPARE(Rows(ui.W()), today);
        QCOMPARE(Text(ui.W(), "lblCount"), QStringLiteral("5 Modelle"));
        QCOMPARE(Text(ui.W(), "lblResult_0"), QStringLiteral("\\lselemente\\baum\\haus_baum.gsb"));
        ui.SearchDates(Day(-30), Day(-1));
        QVERIFY(Rows(ui.W()).isEmpty());
        QCOMPARE(Text(ui.W(), "lblNothingFound"),
                 QStringLiteral("\n\nIm angegebenen Zeitraum sind keine Modelle\nzum ersten Mal installiert worden."));
        ui.Search("eiche", 1);
        ui.SearchDates("01.01.2024", "32.01.2024");
        QCOMPARE(ui.Critical().size(), 1);
        QVERIFY2(ui.Critical().first().contains("FMain.FilelistFromDate"), qPrintable(ui.Critical().first()));
        QCOMPARE(Rows(ui.W()), QStringList{kEiche});
        ui.inst.Messages().ScriptAnswers({false, true});
        ui.SearchDates(Day(3), Day(-3));   // No: nothing changes
        QCOMPARE(ui.inst.Messages().Entries().last().text,
                 QStringLiteral("Das von-Datum liegt später als das bis-Datum!\r\n\r\nAustauschen?"));
        QVERIFY(ui.Date(0)->text() == Day(3) && Rows(ui.W()) == QStringList{kEiche});
        ui.SearchDates();   // Yes: swapped, and the search runs
        QVERIFY(ui.Date(0)->text() == Day(-3) && ui.Date(1)->text() == Day(3) && Rows(ui.W()).size() == 5);
        // Extending adds only records not yet listed, and the same range again nothing.
        ui.Search("haus1", 1);
        C<QCheckBox>(ui.W(), "chkExtend")->setChecked(true);
        for (int i = 0; i < 2; ++i) {
            ui.SearchDates(Day(0), Day(0));
            QCOMPARE(Rows(ui.W()), (QStringList{kHaus1, kHausBaum, kHausBaum, kHaus2, kHuette}));
        }
        QCOMPARE(ui.Critical().size(), 1);
        ui.today = QDate(2024, 3, 31);   // a preset fills the range without searching
        C<QPushButton>(ui.W(), "cmdTimeSpan_2")->click();
        QVERIFY(ui.Date(0)->text() == "25.03.2024" && ui.Date(1)->text() == "31.03.2024");
        QCOMPARE(Rows(ui.W()).size(), 5);
    }

    void dateBoxTakesDigitsDotsAndEditingKeysAndIsCheckedOnLeaving()
    {
        Ui ui;
        QLineEdit* box = ui.Date(0);
        box->clear();
        QTest::keyClicks(box, "1a.2 ,-x3");
        QCOMPARE(box->text(), QStringLiteral("1.23"));
        QCOMPARE(ui.beeps, 5);
        for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Left, Qt::Key_Delete, Qt::Key_Home, Qt::Key_0})
            QTest::keyClick(box, key);
        QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);   // cut
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);   // not an editing key here
        QVERIFY2(box->text() == "0" && ui.beeps == 6, qPrintable(box->text()));
        // Checked on leaving.
        C<QRadioButton>(ui.W(), "rbSearchStyle_1")->setChecked(true);
        ui.W()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(ui.W()));
        QLineEdit* from = ui.Date(0);
        QLineEdit* to = ui.Date(1);
        from->setFocus();
        from->setText("1.2.30");
        QTest::keyClick(from, Qt::Key_Tab);
        QCoreApplication::processEvents();
        QVERIFY(to->hasFocus() && from->text() == "01.02.1930" && ui.inst.Messages().Entries().isEmpty());
        from->setFocus();
        // Not a date, nor one in the box it went to: one message, and the
        // focus comes back without judging that box.
        to->clear();
        from->setText("31.2.2024");
        QTest::keyClick(from, Qt::Key_Tab);
        QCoreApplication::processEvents();
        QCOMPARE(ui.Critical(), QStringList{"Ungültiger Datums-Eintrag.\r\n\r\nBitte korrigieren."});
        QVERIFY(from->hasFocus() && from->text() == "31.2.2024");
        // Pressing a preset meanwhile mends the box: no message.
        ui.inst.Messages().Clear();
        from->setText("7");
        QTest::keyClick(from, Qt::Key_Tab);
        C<QPushButton>(ui.W(), "cmdTimeSpan_2")->click();
        QCoreApplication::processEvents();
        QVERIFY(ui.inst.Messages().Entries().isEmpty());
    }

    void detailShowsTheSelectedModel()
    {
        Ui ui;
        QLabel* sentence = C<QLabel>(ui.W(), "lblResult_1");
        const QColor normal = C<QLabel>(ui.W(), "lblResult_0")->palette().color(QPalette::WindowText);
        const QString known = QStringLiteral("finden Sie in EEP im Editor");
        const QString stadthaus = QStringLiteral("Gebäude\n-- Häuser\n-- -- Stadthaus");
        const struct {
            QString search;
            int row;
            QString file, sentence, editor, place, state;
        } table[] = {
            {"haus_baum", 1, "\\lselemente\\baum\\haus_baum.gsb", known, "Landschaftselemente", "Natur\n-- Baumhaus", ""},
            {"haus2", 0, "\\immobilien\\stadt\\haus2.gsb", known, "Immobilien", "Gebäude\n-- Häuser\n-- -- ? ? ( --> \\haus2.ini)",
             "mod2-Dateien unvollständig"},
            {"eiche", 0, "\\lselemente\\baum\\eiche.gsb", known, "Landschaftselemente", "Natur\n-- Eiche",
             "gsb-Datei existiert nicht"},
            {"huette", 0, "\\immobilien\\stadt\\huette.gsb", "ist im EEP nicht bekannt", "", "", ""},
            {"haus1", 0, "\\immobilien\\stadt\\haus1.gsb", known, "Immobilien", stadthaus, ""},
        };
        for (const auto& row : table) {
            ui.Search(row.search, 1);
            auto* list = C<QListView>(ui.W(), "lbModels");
            list->setCurrentIndex(list->model()->index(row.row, 0));
            const QByteArray name = row.search.toUtf8();
            QCOMPARE(Text(ui.W(), "lblResult_0"), row.file);
            QCOMPARE(sentence->text(), row.sentence);
            QCOMPARE(Text(ui.W(), "lblResult_2"), row.editor);
            QCOMPARE(Place(ui.W()), row.place);
            QVERIFY2(C(ui.W(), "lblMissingFile")->isVisible() == !row.state.isEmpty(), name);
            if (!row.state.isEmpty())
                QCOMPARE(Text(ui.W(), "lblMissingFile"), row.state);
            const bool unknown = row.sentence != known;
            QVERIFY2(sentence->font().bold() == unknown, name);
            QCOMPARE(sentence->palette().color(QPalette::WindowText), unknown ? QColor(182, 0, 0) : normal);
        }
        // An unreadable gsb file: its message comes when the path is already shown.
        QVERIFY(QFile(ui.Native("Immobilien/Stadt/haus1.gsb")).resize(qint64(1) << 31));
        LabelAtMessage sink(C<QLabel>(ui.W(), "lblResult_0"));
        ui.Search("haus1", 1);
        QCOMPARE(sink.shown, QStringList{"\\immobilien\\stadt\\haus1.gsb"});
        QVERIFY(!C(ui.W(), "lblMissingFile")->isVisible());
    }

    void rightClickKeepsTheSelectionAndButtonsToggleSideWindows()
    {
        Ui ui;
        ui.Search("haus", 2);
        auto* list = C<QListView>(ui.W(), "lbModels");
        const QPoint second = list->visualRect(list->model()->index(1, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::RightButton, Qt::NoModifier, second);
        auto* menu = C<QMenu>(ui.W(), "mnuPop");
        QVERIFY(menu->isVisible() && list->currentIndex().row() == 0);
        menu->hide();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second);
        QCOMPARE(Text(ui.W(), "lblResult_0"), QStringLiteral("\\immobilien\\stadt\\haus2.gsb"));
        // The buttons toggle the side windows; closing the main window closes what it owns.
        auto* mod2 = C<QPushButton>(ui.W(), "cmdMod2");
        auto* preview = C<QPushButton>(ui.W(), "cmdVorschau");
        mod2->click();
        preview->click();
        QVERIFY(ui.W()->Mod2() && ui.W()->Vorschau());
        QCOMPARE(preview->text(), QStringLiteral("&Vorschau  <<"));
        mod2->click();
        QVERIFY(!ui.W()->Mod2());
        ui.W()->close();
        QVERIFY(!ui.W()->Vorschau() && preview->text() == "&Vorschau  >>");
    }

    void categoryLanguageRedrawsDetailAndNotice()
    {
        Ui ui;
        ui.Search("haus", 0, 1);   // by ini name: haus2 has no ini file
        QLabel* notice = C<QLabel>(ui.W(), "lblError");
        QVERIFY(notice->isVisible() && C(ui.W(), "cmdIni")->isVisible());
        C<QComboBox>(ui.W(), "cbLang")->setCurrentIndex(0);   // ENG
        QCOMPARE(Place(ui.W()), QStringLiteral("Buildings\n-- Houses\n-- -- Town house"));
        QVERIFY(!notice->isVisible() && Rows(ui.W()).size() == 3);   // the list is not searched again
        // The next search counts in English: the oak and the hut have no English name.
        ui.Search("eiche", 1, 2);
        QCOMPARE(notice->text(), QStringLiteral("1 ini-Datei wird vermisst\n\n"
                                                "2 Namens-Einträge (Name_ENG) in ini-Dateien fehlen oder sind leer"));
        QVERIFY(ui.Critical().isEmpty());
    }

    void pathLabelAndTheLongestList()
    {
        Ui ui;
        const QString deep = "Sehr\\" + QString(20, 'x') + "\\Lange\\" + QString(40, 'y') + "\\";
        ui.inst.WriteText("Categories/Models.ini", "[Haeuser]\nFile1=\\" + deep + "lang.gsb\nFile2=\\a\\<i>kurz.gsb\n");
        QLabel* path = C<QLabel>(ui.W(), "lblResult_0");
        C<QAction>(ui.W(), "mnuPopClipbrd")->trigger();   // right after start: the heading alone
        QCOMPARE(ui.clipboard, QStringLiteral("gsb-Datei\tPfad"));
        ui.Search("lang", 1);
        QVERIFY(path->alignment() & Qt::AlignRight);
        ui.Search("<i>kurz", 1);
        QVERIFY(path->alignment() & Qt::AlignHCenter);
        QLabel plain;   // laid out like the same text as plain text, "<i>" included
        plain.setFont(path->font());
        plain.setTextFormat(Qt::PlainText);
        plain.setText(path->text());
        QCOMPARE(path->sizeHint(), plain.sizeHint());
        // The list shows at most 65535 rows but counts and copies all.
        constexpr int kModels = 70000;
        QString index = "[Viele]\n";
        for (int i = 0; i < kModels; ++i)
            index += QStringLiteral("File%1=\\viele\\m%1.gsb\n").arg(i);
        ui.inst.WriteText("Categories/Models.ini", index);
        ui.Search("m", 2);
        const QAbstractItemModel* rows = C<QListView>(ui.W(), "lbModels")->model();
        QCOMPARE(rows->rowCount(), 65535);
        QCOMPARE(rows->index(65534, 0).data().toString(), QStringLiteral("m65534 -- \\viele\\"));
        QCOMPARE(Text(ui.W(), "lblCount"), QStringLiteral("70000 Modelle"));
        C<QAction>(ui.W(), "mnuPopClipbrd")->trigger();
        QCOMPARE(ui.clipboard.count("\r\n"), kModels);
        QVERIFY(ui.clipboard.endsWith("m69999.gsb\t\\viele\\") && !QGuiApplication::overrideCursor());
    }

    void dropsReplaceOrExtendAndIgnoreWhatIsNoFile()
    {
        Ui ui;
        const QString haus1 = ui.Native("Immobilien/Stadt/haus1.gsb");
        const QString haus2 = ui.Native("Immobilien/Stadt/haus2.gsb");
        const auto text = std::make_shared<QMimeData>();
        text->setText(haus1);
        const auto web = Files({});
        web->setUrls({QUrl("https://example.org/haus1.gsb")});
        const struct {
            bool onNotice, shift;
            std::shared_ptr<QMimeData> data;
            QStringList rows;
        } table[] = {
            {false, false, Files({haus1}), {kHaus1}},
            {false, true, Files({haus1}), {kHaus1}},
            {false, true, Files({haus2, haus1}), {kHaus1, kHaus2}},
            {false, true, text, {kHaus1, kHaus2}},
            {false, true, web, {kHaus1, kHaus2}},
            {false, false, Files({ui.Native("Modelle")}), {}},
            {true, false, Files({haus2}), {kHaus2}},
            {false, false, text, {}},
        };
        auto* name = C<QComboBox>(ui.W(), "cbModel");
        for (const auto& row : table) {
            name->setEditText("nirgends");
            Drop(row.onNotice ? ui.Notice() : ui.List(), *row.data, row.shift);
            QVERIFY2(Rows(ui.W()) == row.rows, qPrintable(QString::number(&row - table)));
            // A drop on the list empties the name; one on the notice keeps it.
            QCOMPARE(name->currentText(), row.onNotice ? QStringLiteral("nirgends") : QString());
            if (row.rows.isEmpty())
                QCOMPARE(Text(ui.W(), "lblNothingFound"), kDropNotice);
        }
        // The detail of the model shown before stays beside the notice.
        QCOMPARE(Text(ui.W(), "lblResult_0"), QStringLiteral("\\immobilien\\stadt\\haus2.gsb"));
        QVERIFY(!C<QCheckBox>(ui.W(), "chkExtend")->isChecked());   // Shift leaves the box alone
        C<QCheckBox>(ui.W(), "chkExtend")->setChecked(true);      // and the ticked box extends as Shift does
        Drop(ui.Notice(), *Files({haus1}));
        Drop(ui.List(), *Files({haus2}));
        QCOMPARE(Rows(ui.W()), (QStringList{kHaus1, kHaus2}));
        QVERIFY(ui.inst.Messages().Entries().isEmpty());
    }

    void startParamsListWhatTheyName()
    {
        const struct {
            QString commandLine;   // <stadt> stands for the directory Immobilien\Stadt
            QStringList rows;
        } table[] = {
            {"\"<stadt>\\haus1.gsb\" keine.txt", {kHaus1}},
            {"<stadt> <stadt>\\haus2.gsb", {kHaus2, kHaus1, kHaus2, kHuette}},
            {"   ", {}},
        };
        for (const auto& row : table) {
            Ui ui;
            ui.W()->StartParams(QString(row.commandLine).replace("<stadt>", ui.inst.WindowsPath("Immobilien\\Stadt")));
            QCOMPARE(Rows(ui.W()), row.rows);
            QCOMPARE(ui.Notice()->isVisible(), row.rows.isEmpty());
            if (row.rows.isEmpty())
                QCOMPARE(Text(ui.W(), "lblNothingFound"),
                         QStringLiteral("\n\nUnter den übergebenen Dateien\nbefand sich keine Modell Datei."));
            QVERIFY(ui.inst.Messages().Entries().isEmpty());
        }
    }

    void startupStopsOrWarnsWithOneMessage()
    {
        TestInstallation inst;
        inst.MakeDir("Categories");
        inst.MakeDir("Modelle");
        const StartupEnv env(inst);
        QVERIFY(!RunStartup("ignored.gsb"));
        QCOMPARE(CriticalTexts(inst.Messages()).size(), 1);
        for (QWidget* top : QApplication::topLevelWidgets())   // nothing keeps the program alive
            QVERIFY(!qobject_cast<FMain*>(top) || !top->isVisible());
        inst.Messages().Clear();
        QVERIFY(QDir(inst.NativePath("Modelle")).removeRecursively());
        inst.WriteText("Categories/Models.ini", "[Haeuser]\nFile1=\\a\\haus.gsb\n");
        const std::unique_ptr<FMain> window = RunStartup(QString());   // a warning only
        QVERIFY(window && CriticalTexts(inst.Messages()).size() == 1 && !C(window.get(), "cmdMod2")->isEnabled());
        // Surplus "CDOut" before a "CDIn": an index error while the tree loads stops, naming no procedure.
        inst.Messages().Clear();
        inst.WriteText("Categories/Goods/index.ini", "[I]\nE=CDOut\nE=CDOut\nE=CDIn\n");
        QVERIFY(!RunStartup(QString()));
        QCOMPARE(CriticalTexts(inst.Messages()).last(),
                 QStringLiteral("Es ist ein Fehler aufgetreten!\r\n\r\nFehler 9: Index außerhalb des gültigen Bereichs"));
    }

    void startupRestoresThePlaceAndShowsNoticeOrCommandLine()
    {
        SampleInstallation inst;
        inst.WriteBytes("../Resourcen.Pak", "");
        const StartupEnv env(inst);
        const int perPixel = Twips::TwipsPerPixel();
        StoreSetting("MainWindow", "x", QString::number(120 * perPixel));
        StoreSetting("MainWindow", "y", QString::number(80 * perPixel));
        std::unique_ptr<FMain> window = RunStartup(QString());
        QCOMPARE(window->pos(), QPoint(120, 80));
        QVERIFY(inst.Messages().Entries().isEmpty());
        QCOMPARE(Text(window.get(), "lblError"), ForDisplay(ResourcenPakNotice()));
        QVERIFY(C(window.get(), "lblError")->isVisible() && C(window.get(), "cmdMod2")->isEnabled());
        window->move(200, 150);
        // A log-out that asked the program to save and was then cancelled: the
        // later "&Quit" still stores the place. (The request's manager is unused.)
        alignas(QSessionManager) char manager[sizeof(QSessionManager)] = {};
        Q_EMIT qApp->commitDataRequest(*reinterpret_cast<QSessionManager*>(manager));
        C<QPushButton>(window.get(), "cmdEnd")->click();
        QVERIFY(!window->isVisible());
        QCOMPARE(QPoint(LoadSettingLong("MainWindow", "x", -1), LoadSettingLong("MainWindow", "y", -1)),
                 QPoint(200, 150) * perPixel);
        // Closed maximised, the last normal place stays.
        window = RunStartup('"' + inst.WindowsPath("Immobilien\\Stadt\\haus1.gsb") + "\" keine.txt");
        QCOMPARE(Rows(window.get()), QStringList{kHaus1});
        window->showMaximized();
        window->close();
        QCOMPARE(LoadSettingLong("MainWindow", "x", -1), 200 * perPixel);
        // Only "x" stored: the window system places the window, then only its left edge moves.
        StoreSetting("MainWindow", "y", "-1");
        FMain partly;
        partly.show();
        QVERIFY(QTest::qWaitForWindowExposed(&partly));
        QCOMPARE(partly.pos().x(), 200);
    }

    // A slow search shows its progress, refuses a second start and either
    // ends with the quick search's list or, stopped, leaves everything as it
    // was: also when Escape comes in a box that takes keys for itself, and
    // when the stop comes after the search's last step.
    void slowSearchShowsProgressAndStopsWithoutTrace_data()
    {
        QTest::addColumn<bool>("byDate");
        QTest::addColumn<int>("stopBy");   // 0: let it end, 1: Escape in the input box, 2: "Abbrechen", 3: that late
        QTest::addColumn<QString>("progress");
        QTest::newRow("name search ends") << false << 0 << "Modelldateien geprüft";
        QTest::newRow("name search, Escape in the name box") << false << 1 << "Modelldateien geprüft";
        QTest::newRow("name search, Abbrechen after its last step") << false << 3 << "Modelldateien geprüft";
        QTest::newRow("date search, Escape in a date box") << true << 1 << "Verzeichnissen durchsucht";
        QTest::newRow("date search, Abbrechen") << true << 2 << "Verzeichnissen durchsucht";
    }
    void slowSearchShowsProgressAndStopsWithoutTrace()
    {
        QFETCH(bool, byDate);
        QFETCH(int, stopBy);
        QFETCH(QString, progress);
        Ui ui;
        const auto start = [&] { byDate ? ui.SearchDates("01.01.2000", "31.12.2099") : ui.Search("haus", 0, 1); };
        start();
        const QStringList quickRows = Rows(ui.W());
        ui.Search("haus1", 1);
        const QStringList before = Rows(ui.W());
        const QString detailBefore = Text(ui.W(), "lblResult_0");
        const int historyBefore = C<QComboBox>(ui.W(), "cbModel")->count();
        ui.waitForSearches = false;
        const SlowSearches slow(150000);
        ui.W()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(ui.W()));
        start();   // back after half a second, the search still running
        auto* stop = C<QPushButton>(ui.W(), "cmdStop");
        auto* search = C<QPushButton>(ui.W(), "cmdSearch");
        QVERIFY(stop->isVisible() && !search->isEnabled() && Rows(ui.W()) == before);
        QTRY_VERIFY2(Text(ui.W(), "lblError").contains(progress), qPrintable(Text(ui.W(), "lblError")));
        search->click();   // a second search does not start
        if (stopBy == 1) {
            QWidget* box = byDate ? static_cast<QWidget*>(ui.Date(0)) : C<QComboBox>(ui.W(), "cbModel")->lineEdit();
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Escape);
        } else if (stopBy >= 2) {
            const auto* owner = ui.W()->findChild<SearchOwner*>();
            // Past the last entry, with no event handled meanwhile: the end may be waiting already.
            while (stopBy == 3 && (owner->Figures().total == 0 || owner->Figures().done < owner->Figures().total))
                QThread::msleep(1);
            stop->click();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!stop->isVisible(), 10000);
        QVERIFY(search->isEnabled());
        if (stopBy == 0) {
            QCOMPARE(Rows(ui.W()), quickRows);
            return;
        }
        QVERIFY(Rows(ui.W()) == before && Text(ui.W(), "lblResult_0") == detailBefore);
        QCOMPARE(C<QComboBox>(ui.W(), "cbModel")->count(), historyBefore);
        QVERIFY(Text(ui.W(), "lblError").contains(QStringLiteral("abgebrochen")));
    }

    // Closing while a search shows its progress, in a phase that reads long
    // (counting the entries of Models.ini): the window goes at once, the
    // search stops and its thread ends; no progress comes after.
    void closingDuringASearchEndsItPromptly()
    {
        Ui ui;
        ui.waitForSearches = false;
        const SlowSearches slow(60000000);   // a minute for each entry counted
        ui.Search("haus", 0, 1);
        QVERIFY(C(ui.W(), "cmdStop")->isVisible());
        QElapsedTimer closing;
        closing.start();
        ui.W()->close();
        QVERIFY2(closing.elapsed() < 10000, qPrintable(QString::number(closing.elapsed())));
        QTest::qWait(300);   // the progress timer would have ticked twice
        QVERIFY(!ui.W()->isVisible() && !ui.W()->LeftSearchRunning());
        QVERIFY(!ui.W()->findChild<SearchOwner*>()->Busy());
    }

    // A search that does not stop (a read hanging on a network drive) is
    // waited for only so long; its thread is left to end on its own and
    // touches nothing of the window's.
    void closingWaitsForAHangingSearchOnlySoLong()
    {
        auto window = std::make_unique<QWidget>();
        auto* stop = new QPushButton(window.get());
        auto* owner = new SearchOwner(window.get(), {stop, [](const SearchProgress::Figures&) {}, [] {}, [] {}});
        std::promise<void> resume;
        owner->Start("hangs", [hang = resume.get_future().share()](SearchProgress&) {
            hang.wait();
            return SearchOutput();
        }, [](SearchOutput&) { QFAIL("a search left running is never taken over"); });
        owner->End(200);   // would wait for ever
        QVERIFY(owner->Abandoned());
        window.reset();
        resume.set_value();
        QTest::qWait(100);
    }

    // A drop while a search runs, and a click or a drop that comes while a
    // finished search's result is taken over (the preview loading a model
    // meanwhile), are handled after it: the later one's list is the one
    // shown, the name box changes only then.
    void eventsDuringASearchWaitForItsEnd_data()
    {
        QTest::addColumn<int>("when");   // 0: a drop while it runs, 1: a click at its end, 2: a drop at its end
        QTest::newRow("drop while it runs") << 0;
        QTest::newRow("click in its takeover") << 1;
        QTest::newRow("drop in its takeover") << 2;
    }
    void eventsDuringASearchWaitForItsEnd()
    {
        QFETCH(int, when);
        Ui ui;
        ui.waitForSearches = false;
        auto* name = C<QComboBox>(ui.W(), "cbModel");
        const auto* owner = ui.W()->findChild<SearchOwner*>();
        const auto haus2 = Files({ui.Native("Immobilien/Stadt/haus2.gsb")});
        ui.Search("haus2", 1);
        C<QPushButton>(ui.W(), "cmdVorschau")->click();
        {
            const SlowSearches slow(150000);
            ui.Search("stadt", 0, 1);   // by ini name: the town house
            QVERIFY(owner->Busy());
            if (when == 0) {
                Drop(ui.List(), *haus2);
                QCOMPARE(name->currentText(), QStringLiteral("stadt"));
            }
            name->setEditText(QStringLiteral("hütte"));
        }
        if (when > 0) {
            while (!owner->WorkEnded())   // ended; no event handled since, so its takeover waits
                QThread::msleep(1);
            if (when == 1)
                QMetaObject::invokeMethod(C<QPushButton>(ui.W(), "cmdSearch"), &QPushButton::click, Qt::QueuedConnection);
            else
                QMetaObject::invokeMethod(ui.W(), [&] { Drop(ui.List(), *haus2); }, Qt::QueuedConnection);
        }
        const QString last = when == 1 ? QStringLiteral("huette") : QStringLiteral("haus2");
        QTRY_VERIFY_WITH_TIMEOUT(!owner->Busy() && Rows(ui.W()) == QStringList{when == 1 ? kHuette : kHaus2}, 10000);
        QCOMPARE(Items(name->model()), QStringList({"hütte", "stadt", "haus2"}).mid(when == 1 ? 0 : 1));
        QCOMPARE(name->currentText(), when == 1 ? QStringLiteral("hütte") : QString());
        QCOMPARE(Text(ui.W(), "lblResult_0"), "\\immobilien\\stadt\\" + last + ".gsb");
    }

    // A search thread that cannot be started, and a reading thread that runs
    // out of memory, end in the usual error report, as any error of the search.
    void workerFailuresAreReported_data()
    {
        QTest::addColumn<int>("failure");   // WorkerThread::Failure
        QTest::addColumn<bool>("readAhead");
        QTest::newRow("the search's thread does not start") << int(WorkerThread::Failure::Start) << false;
        QTest::newRow("a reading thread runs out of memory") << int(WorkerThread::Failure::Memory) << true;
    }
    void workerFailuresAreReported()
    {
        QFETCH(int, failure);
        QFETCH(bool, readAhead);
        Ui ui;
        ui.Search("haus1", 1);
        const SlowSearches slow(readAhead ? 100000 : 0);   // the readers start well before the reads
        ReadAhead::ForceActiveForTests(readAhead);
        WorkerThread::FailForTests(readAhead ? 2 : 1, WorkerThread::Failure(failure));
        const auto restore = qScopeGuard([] { ReadAhead::ForceActiveForTests(false), WorkerThread::FailForTests(0, {}); });
        ui.Search("haus", 0, 1);
        QTRY_COMPARE_WITH_TIMEOUT(ui.Critical().size(), 1, 10000);
        QCOMPARE(ui.Critical().first(), ErrorReportText("FMain.FilelistFromName", 7, KluniError::OutOfMemory().Description()));
        QCOMPARE(Rows(ui.W()), QStringList{kHaus1});
        ui.Search("haus2", 1);   // and the window goes on
        QCOMPARE(Rows(ui.W()), QStringList{kHaus2});
    }

    // Cancelling the folder question stops with the usual message; a folder
    // without Models.ini is refused and asked for again, a valid one is
    // remembered for the next start.
    void startupAsksForTheFolderUntilValidAndRemembersIt()
    {
        ChooserEnv env;
        {
            TestInstallation none;
            env.Answer({QString()});
            QVERIFY(!RunStartup(QStringLiteral("x.gsb")));
            QCOMPARE(CriticalTexts(none.Messages()),
                     QStringList{FormatMsg(QStringLiteral("Kann das EEP %1-Verzeichnis nicht finden!%mBedenken Sie, dass "
                                                          "Kluni nur mit EEP bis einschliesslich Version 6%nzurecht kommt."
                                                          "%mDas Programm wird daher abgebrochen!"),
                                           {QStringLiteral("Resourcen")})});
        }
        SampleInstallation inst;
        QTemporaryDir notEep;
        env.Answer({notEep.path(), inst.NativeRoot()});
        QVERIFY(RunStartup(QString()));
        QCOMPARE(env.titles, QStringList(3, QStringLiteral("EEP-Ordner \"Resourcen\" wählen")));
        const QStringList refusals = CriticalTexts(inst.Messages());
        QCOMPARE(refusals.size(), 1);
        QVERIFY(refusals[0].contains(notEep.path()) && refusals[0].contains(QStringLiteral("Categories\\Models.ini")));
        env.Answer({});   // the next start finds the folder without asking (a question would cancel)
        QCOMPARE(GetResBase(), inst.ResBase());
        QVERIFY(RunStartup(QString()));
        QCOMPARE(env.titles.size(), 3);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
