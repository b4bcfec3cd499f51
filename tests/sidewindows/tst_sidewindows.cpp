// The side windows: what each shows, layout and stored place; also the Qt
// message boxes behind the program's questions.

#include "ControlLookup.h"
#include "TestInstallation.h"
#include "hostdata/CGsb.h"
#include "platformui/PreviewComponent.h"
#include "platformui/QtMessageSink.h"
#include "platformui/ShellOpen.h"
#include "platformui/Twips.h"
#include "sidewindows/FAbout.h"
#include "sidewindows/FIniShow.h"
#include "sidewindows/FMod2.h"
#include "sidewindows/FVorschau.h"
#include "startup/InterfaceLanguage.h"
#include "startup/KluniError.h"
#include "hostdata/IniProblems.h"
#include "startup/modTools.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QDebug>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// Reads the gsb file and hands it to the window as the main window does.
template <class Window>
void ShowGsb(Window* window, const QString& gsbPath, const Installation& installation)
{
    CGsb gsb;
    gsb.Init(gsbPath, installation.gtModelsDir);
    window->ShowFile(gsb, QStringLiteral("Name_GER"));
}

// The smallest outer size in pixels that a minimum given in twips allows.
QSize MinimumPixels(int widthTwips, int heightTwips)
{
    const int perPixel = Twips::TwipsPerPixel();
    return QSize((widthTwips + perPixel - 1) / perPixel, (heightTwips + perPixel - 1) / perPixel);
}

// Answers every open request with a fixed result and remembers the paths.
struct FakeShellOpen : ShellOpen {
    explicit FakeShellOpen(int result) : result(result) {}
    int Open(const QString& windowsPath, QWidget*) override { opened << windowsPath; return result; }
    int result;
    QStringList opened;
};

QStringList Files(int count, const QString& stem)
{
    QStringList files;
    for (int i = 1; i <= count; ++i)
        files << QStringLiteral("\\immobilien\\%1%2.ini").arg(stem).arg(i);
    return files;
}

// A gsb file of 9 KiB: the stand-in preview chooses the distance 5 for it.
constexpr int kDistanceFiveSize = 9 * 1024;

} // namespace

class TestSideWindows : public QObject {
    Q_OBJECT

private:
    // The owner goes last, so that side windows closed with it still store
    // their place in the installation's settings.
    std::unique_ptr<TestInstallation> inst;
    std::unique_ptr<QWidget> owner;

    // Writes "Immobilien\<file>" naming the present and the missing mod2
    // files; iniName: null = no ini file, empty = one without a name entry.
    QString Model(const QString& file, const QStringList& present, const QStringList& missing = {},
                  const QString& iniName = QString(), int padTo = 0)
    {
        for (const QString& mod2 : present)
            inst->WriteBytes("Modelle/" + mod2 + ".mod2", "mod2");
        const QString ini = iniName.isNull() ? QString()
                                             : "[Modell]\n" + (iniName.isEmpty() ? QString() : "Name_GER=" + iniName + "\n");
        inst->WriteModel("Immobilien/" + file, present + missing, ini, padTo);
        return inst->WindowsPath("Immobilien\\" + file);
    }
    template <class Window>
    Window* Open()
    {
        auto* window = new Window(owner.get());
        window->show();
        return window;
    }
    static QStringList Items(FMod2* w)
    {
        QStringList items;
        const QListWidget* list = C<QListWidget>(w, "lbMod2");
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text() + (list->item(i)->checkState() == Qt::Checked ? " [x]" : " [ ]");
        return items;
    }
    static QString Bars(FVorschau* w)
    {
        QString out;
        for (const char* name : {"scrDistance", "scrPhi", "scrTheta"})
            out += QString::number(C<QScrollBar>(w, name)->value()) + ' ';
        const QScrollBar* zoom = C<QScrollBar>(w, "scrDistance");
        return out + QStringLiteral("[%1..%2]").arg(zoom->minimum()).arg(zoom->maximum());
    }
    static bool PreviewShown(FVorschau* w)
    {
        const bool shown = !C(w, "ctModellSchau")->isHidden();
        for (const char* name : {"scrDistance", "scrPhi", "scrTheta", "lblDistance", "lblPhi", "lblTheta"})
            if (C(w, name)->isHidden() == shown)
                qFatal("%s does not follow the preview", name);
        if (C(w, "lblMissingMod2")->isHidden() != shown)
            qFatal("the reason label does not take the preview's place");
        return shown;
    }

private Q_SLOTS:
    void initTestCase() { InterfaceLanguage::Install(QStringLiteral("de"), false); }

    void init()
    {
        inst = std::make_unique<TestInstallation>();
        inst->MakeDir("Modelle");
        inst->Activate();
        owner = std::make_unique<QWidget>();
        owner->show();
    }
    void cleanup()
    {
        owner.reset();
        inst.reset();
    }

    void aboutOpensTheHandbookOrSaysWhyNot()
    {
        FAbout dialog;
        dialog.SetProgramDir(inst->WindowsPath("Programm"));
        dialog.open();
        const QString handbook = inst->WindowsPath("Programm\\KurzAnleitung Kluni.pdf");
        const QString cannot = "Sorry, aber die Datei\r\n\r\n" + handbook + "\r\n\r\nkann nicht angezeigt werden";
        const struct {
            int result;
            QString message;   // empty: none
        } table[] = {
            {ShellOpen::kSuccess, "Sorry,\r\naber ich kann die Datei\r\n\r\n" + handbook + "\r\n\r\nnicht finden..."},
            {ShellOpen::kSuccess, ""},
            {ShellOpen::kNoAssociation,
             cannot + ",\r\nweil auf Ihrem Rechner kein Programm für die Dateiendung '.pdf' zuständig ist."},
            {ShellOpen::kFileNotFound, cannot + ".\r\n\r\n(Fehler-Code: 2)"},
        };
        for (const auto& row : table) {
            inst->Messages().Clear();
            FakeShellOpen shell(row.result);
            dialog.SetShellOpen(&shell);
            QTest::mouseClick(C<QPushButton>(&dialog, "cmdHandbook"), Qt::LeftButton);
            QCOMPARE(CriticalTexts(inst->Messages()), row.message.isEmpty() ? QStringList() : QStringList{row.message});
            QCOMPARE(shell.opened, &row == table ? QStringList() : QStringList{handbook});   // the first finds no file
            inst->WriteBytes("Programm/KurzAnleitung Kluni.pdf", "%PDF-1.4");
        }
        auto* zirbo = C<QLabel>(&dialog, "imgZirbo");   // shown while held
        QTest::mousePress(C(&dialog, "lblZirbo"), Qt::RightButton);
        QVERIFY(!zirbo->isHidden());
        QTest::mouseRelease(C(&dialog, "lblZirbo"), Qt::RightButton);
        QVERIFY(zirbo->isHidden() && dialog.isVisible());
    }

    void iniProblemsShowTheListThatHasEntries()
    {
        const QString none = "----- keine ini-Dateien -----";
        const struct {
            int missing, noName;
            QString key, title, count, list;
        } table[] = {
            {0, 0, "Name_GER", "Fehlende Namenseinträge (Name_GER)", "0 Dateien", none},
            {0, 2, "Name_FRA", "Fehlende Namenseinträge (Name_FRA)", "2 Dateien",
             "\\immobilien\\ohne1.ini\r\n\\immobilien\\ohne2.ini\r\n"},
            {1, 2, "Name_GER", "Fehlende ini-Dateien", "1 Datei", "\\immobilien\\fehlt1.ini\r\n"},
        };
        IniProblems problems;
        for (const auto& row : table) {
            problems = {Files(row.missing, "fehlt"), row.missing, Files(row.noName, "ohne"), row.noName};
            FIniShow dialog(problems, row.key);
            dialog.open();
            QVERIFY(C<QRadioButton>(&dialog, row.missing > 0 ? "rbChoice_0" : "rbChoice_1")->isChecked());
            QCOMPARE(Text(&dialog, "lblTitle"), row.title);
            QCOMPARE(Text(&dialog, "lblFileCount"), row.count);
            QCOMPARE(C<QPlainTextEdit>(&dialog, "txListe")->toPlainText(), QString(row.list).replace("\r\n", "\n"));
            QCOMPARE(C(&dialog, "cmdClipB")->isEnabled(), row.missing + row.noName > 0);
        }
        // The other choice shows the other list.
        FIniShow other(problems, "Name_GER");
        other.open();
        QTest::mouseClick(C(&other, "rbChoice_1"), Qt::LeftButton);
        QCOMPARE(other.ListText(), QStringLiteral("\\immobilien\\ohne1.ini\r\n\\immobilien\\ohne2.ini\r\n"));
        // A long list is cut after the hundred files it has, with the rest counted.
        problems.gcolMissingIni = Files(100, "f");
        problems.glMissingIni = 101;
        FIniShow dialog(problems, "Name_GER");
        dialog.open();
        QCOMPARE(Text(&dialog, "lblFileCount"), QStringLiteral("101 Dateien"));
        QVERIFY(dialog.ListText().endsWith("\\immobilien\\f100.ini\r\n\r\nsowie 1 weitere ini-Datei(en)\r\n"));
        QCOMPARE(dialog.ListText().count("\r\n"), 102);
        QGuiApplication::clipboard()->setText("alt");
        QTest::mouseClick(C(&dialog, "cmdClipB"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), "Fehlende ini-Dateien\r\n\r\n" + dialog.ListText());
        QTest::keyClick(C(&dialog, "txListe"), Qt::Key_Return);   // also from inside the read-only list
        QVERIFY(!dialog.isVisible());
    }

    void layoutsFollowTheWindowDownToTheirMinimum()
    {
        // What share of the window's growth each control follows: x, y, width, height.
        struct Anchor {
            const char* control;
            double x, y, w, h;
        };
        const auto check = [](QWidget* w, QSize minimum, const QList<Anchor>& anchors) {
            w->resize(10, 10);
            QCOMPARE(w->frameGeometry().size(), minimum);   // the outer size counts
            w->resize(minimum + QSize(100, 80));
            QHash<QString, QRect> before;
            for (const Anchor& a : anchors)
                before[a.control] = C(w, a.control)->geometry();
            w->resize(minimum + QSize(160, 120));
            for (const Anchor& a : anchors) {
                const QRect b = before[a.control];
                const QRect expected(b.x() + qRound(a.x * 60), b.y() + qRound(a.y * 40), b.width() + qRound(a.w * 60),
                                     b.height() + qRound(a.h * 40));
                const QRect now = C(w, a.control)->geometry();
                const QString moved = QDebug::toString(b) + " -> " + QDebug::toString(now);
                QVERIFY2((now.topLeft() - expected.topLeft()).manhattanLength() <= 1 && now.size() == expected.size(),
                         qPrintable(a.control + (' ' + moved)));
            }
        };
        FIniShow dialog(IniProblems(), "Name_GER");
        dialog.open();
        check(&dialog, MinimumPixels(4320, 3330), {{"txListe", 0, 0, 1, 1}, {"cmdDone", 1, 1, 0, 0},
                                                    {"cmdClipB", 1, 1, 0, 0}, {"lblFileCount", 1, 0, 0, 0}});
        check(Open<FMod2>(), MinimumPixels(2800, 2265), {{"lblModel", 0, 0, 1, 0}, {"lbMod2", 0, 0, 1, 1},
                                                         {"lblError", 0, 1, 1, 0}});
        check(Open<FVorschau>(), MinimumPixels(2300, 2500),
              {{"ctModellSchau", 0, 0, 1, 1}, {"scrPhi", 0, 1, 1, 0}, {"lblPhi", 0, 1, 1, 0}, {"scrTheta", 1, 0, 0, 1},
               {"scrDistance", 0, 0, 0, 1}, {"lblTheta", 1, 0.5, 0, 0}, {"lblDistance", 0, 0.5, 0, 0},
               {"lblModel", 0, 0, 1, 0}});
    }

    void mod2ListShowsNamesStatesAndTheMissingCount()
    {
        FMod2* w = Open<FMod2>();
        QLabel* note = C<QLabel>(w, "lblError");
        auto* list = C<QListWidget>(w, "lbMod2");
        const struct {
            QString gsb, title;
            QStringList items;
            QString note;   // empty: hidden
        } table[] = {
            {Model("zwei.gsb", {"c\\Drei"}, {"a\\Eins"}, "Zweifach"), "Zweifach", {"a\\Eins [ ]", "c\\Drei [x]"},
             "1 mod2-Datei ist nicht vorhanden."},
            {Model("eins.gsb", {}, {"Haus\\Tuer", "Haus\\Wand"}, ""), "\\eins.gsb", {"Haus\\Tuer [ ]", "Haus\\Wand [ ]"},
             "2 mod2-Dateien sind nicht vorhanden."},
            {Model("voll.gsb", {"Haus\\Dach"}), "\\voll.gsb", {"Haus\\Dach [x]"}, ""},
            {Model("leer.gsb", {}, {}, "<s>Lok</s>"), "<s>Lok</s>", {}, ""},
            {inst->WindowsPath("Immobilien\\Lok.gsb"), "\\Lok.gsb", {}, "Keine Anzeige möglich ohne die gsb-Datei."},
        };
        ShowGsb(w, table[4].gsb, inst->Paths());   // with the note
        const int shortList = list->height();
        for (const auto& row : table) {
            ShowGsb(w, row.gsb, inst->Paths());
            QCOMPARE(Text(w, "lblModel"), row.title);
            QCOMPARE(Items(w), row.items);
            QCOMPARE(note->isHidden(), row.note.isEmpty());
            if (!row.note.isEmpty())
                QCOMPARE(note->text(), row.note);
            // Without a note the list reaches into its place.
            QCOMPARE(list->height(), shortList + (row.note.isEmpty() ? note->height() + Twips::ToPixels(150) : 0));
        }
        QCOMPARE(C<QLabel>(w, "lblModel")->textFormat(), Qt::PlainText);   // names are never markup
        // The user can neither change the marks nor select an item.
        ShowGsb(w, table[0].gsb, inst->Paths());
        list->item(0)->setCheckState(Qt::Checked);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QVERIFY(list->selectedItems().isEmpty() && Items(w) == table[0].items);
    }

    void sideWindowStoresAndRestoresItsPlace()
    {
        FMod2* w = Open<FMod2>();
        w->move(60, 70);
        w->resize(250, 230);
        QSignalSpy unloaded(w, &FMod2::Unloaded);
        QPointer<FMod2> guard(w);
        w->close();
        QCOMPARE(unloaded.count(), 1);
        const int tpp = Twips::TwipsPerPixel();
        const QRect outer = w->frameGeometry();
        QCOMPARE(LoadSetting("Mod2Liste", "Maximized", "-"), QStringLiteral("0"));
        const QRect stored(LoadSettingLong("Mod2Liste", "x", -1), LoadSettingLong("Mod2Liste", "y", -1),
                           LoadSettingLong("Mod2Liste", "w", -1), LoadSettingLong("Mod2Liste", "h", -1));
        QCOMPARE(stored, QRect(outer.x() * tpp, outer.y() * tpp, outer.width() * tpp, outer.height() * tpp));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guard.isNull());   // the window exists only while it is open
        QCOMPARE(Open<FMod2>()->frameGeometry(), outer);
        // Maximised only "Maximized" is stored; minimised, also from maximised,
        // counts as "0"; the last normal place survives both.
        const struct {
            bool maximise, minimise;
            QString stored;
        } table[] = {{true, false, "1"}, {false, true, "0"}, {true, true, "0"}};
        for (const auto& row : table) {
            FMod2* again = Open<FMod2>();
            QCOMPARE(again->isMaximized(), LoadSetting("Mod2Liste", "Maximized", "-") == "1");
            if (row.maximise)
                again->showMaximized();
            if (row.minimise) {
                again->showMinimized();
                again->resize(300, 300);
            }
            again->close();
            QCOMPARE(LoadSetting("Mod2Liste", "Maximized", "-"), row.stored);
            QCOMPARE(LoadSettingLong("Mod2Liste", "w", -1), outer.width() * tpp);
        }
        // The preview keeps its own section, and both close with their owner.
        FVorschau* preview = Open<FVorschau>();
        preview->showMaximized();
        FMod2* last = Open<FMod2>();
        QSignalSpy lastUnloaded(last, &FMod2::Unloaded);
        owner->close();
        QCOMPARE(lastUnloaded.count(), 1);
        QVERIFY(!last->isVisible());
        QCOMPARE(LoadSetting("VorschauWindow", "Maximized", "-"), QStringLiteral("1"));
        QCOMPARE(LoadSettingLong("Mod2Liste", "w", -1), outer.width() * tpp);
    }

    void previewReasonsAndRounding()
    {
        // The first reason that applies wins.
        const QString network = "\\\\server\\eep\\Immobilien\\haus.gsb";
        QVERIFY(FVorschau::BlockedReason(false, 2, network).contains("gsb-Datei des Modells nicht existiert"));
        QVERIFY(FVorschau::BlockedReason(true, 1, network).contains("fehlender mod2-Datei(en)"));
        QVERIFY(FVorschau::BlockedReason(true, 0, network).contains("Netzwerk"));
        const struct {
            float x;
            qint16 nearest;
        } table[] = {{138.888f, 139}, {0.5f, 0}, {1.5f, 2}, {2.5f, 2}, {-2.5f, -2}, {32767.4f, 32767}};
        for (const auto& row : table)
            QVERIFY2(FVorschau::Nearest(row.x) == row.nearest, qPrintable(QString::number(row.x)));
        QVERIFY_THROWS_EXCEPTION(KluniError, FVorschau::Nearest(32767.5f));
        QVERIFY_THROWS_EXCEPTION(KluniError, FVorschau::Nearest(-32769.0f));
    }

    void previewSetsZoomRangeAndViewPerModelAndNeverLoadsBlockedOnes()
    {
        auto* w = Open<FVorschau>();
        auto* view = C<PreviewComponent>(w, "ctModellSchau");
        const QString haus = Model("haus.gsb", {"Haus\\Dach"}, {}, "<b>Haus", kDistanceFiveSize);
        const QString turm = Model("turm.gsb", {}, {}, "Turm", 100 * 1024);
        ShowGsb(w, haus, inst->Paths());
        QVERIFY(PreviewShown(w) && view->ModelFile() == haus);
        QCOMPARE(Text(w, "lblModel"), QStringLiteral("<b>Haus"));
        QCOMPARE(Bars(w), QStringLiteral("500 79 157 [139..1050]"));   // 5, 0.7854, 1.571
        QCOMPARE(view->Distance(), 5.0);
        // The bars write the view, also while dragged.
        QScrollBar* phi = C<QScrollBar>(w, "scrPhi");
        phi->setSliderDown(true);
        phi->setSliderPosition(200);
        QCOMPARE(view->Phi(), 2.0);
        phi->setSliderDown(false);
        C<QScrollBar>(w, "scrTheta")->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(view->Theta(), 3.14);
        C<QScrollBar>(w, "scrDistance")->setValue(900);
        QCOMPARE(view->Distance(), 9.0);
        // The same model keeps its view; another one, or the same file in
        // other letters, starts afresh.
        ShowGsb(w, haus, inst->Paths());
        QCOMPARE(Bars(w), QStringLiteral("900 200 314 [139..1050]"));
        ShowGsb(w, turm, inst->Paths());
        QVERIFY(C<QScrollBar>(w, "scrDistance")->value() > 500);
        QCOMPARE(C<QScrollBar>(w, "scrPhi")->value(), 79);
        phi->setValue(400);
        ShowGsb(w, turm.toUpper(), inst->Paths());
        QCOMPARE(view->ModelFile(), turm.toUpper());
        QCOMPARE(phi->value(), 79);
        // A blocked model is never loaded.
        ShowGsb(w, Model("kaputt.gsb", {}, {"Haus\\Fehlt"}), inst->Paths());
        QVERIFY(!PreviewShown(w) && view->ModelFile().isEmpty());
        QVERIFY(Text(w, "lblMissingMod2").contains("fehlender mod2-Datei(en)"));
        ShowGsb(w, haus, inst->Paths());
        QVERIFY(PreviewShown(w) && view->ModelFile() == haus);
        ShowGsb(w, "\\\\server\\eep\\Immobilien\\haus.gsb", inst->Paths());
        QVERIFY(!PreviewShown(w) && view->ModelFile().isEmpty());
    }

    void previewRoundsTheZoomRangeAndReportsOverflow()
    {
        auto* w = Open<FVorschau>();
        auto* view = C<PreviewComponent>(w, "ctModellSchau");
        // The component settles on its distance while the window lets it load
        // (one pass of the event loop). 55 x 2.1 is 115.5, a half that goes to
        // the even 116; the same product in single precision falls below it.
        QMetaObject::invokeMethod(view, [view] { view->SetDistance(0.55); }, Qt::QueuedConnection);
        ShowGsb(w, Model("klein.gsb", {}, {}, "Klein"), inst->Paths());
        QCOMPARE(Bars(w), QStringLiteral("55 79 157 [15..116]"));
        QVERIFY(inst->Messages().Entries().isEmpty());
        // 156.04 x 2.1 x 100 no longer fits 16 bits.
        QMetaObject::invokeMethod(view, [view] { view->SetDistance(156.04); }, Qt::QueuedConnection);
        ShowGsb(w, Model("riese.gsb", {}, {}, "Riese"), inst->Paths());
        QCOMPARE(CriticalTexts(inst->Messages()),
                 QStringList{ErrorReportText("FVorschau.ShowFile", 6, KluniError::Overflow().Description())});
    }

    void messageBoxesShowPlainTextAndOnlyYesAnswersYes()
    {
        for (const auto kind : {QtMessageSink::BoxKind::Critical, QtMessageSink::BoxKind::Question,
                                QtMessageSink::BoxKind::Plain})
            QCOMPARE(QtMessageSink::MakeBox(kind, "Z:\\<b>\\Models.ini")->textFormat(), Qt::PlainText);
        // Each box is answered as soon as the event loop of exec() runs.
        QtMessageSink sink;
        for (const auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::NoButton}) {
            QTimer::singleShot(0, [button] {
                for (QWidget* widget : QApplication::topLevelWidgets()) {
                    auto* box = qobject_cast<QMessageBox*>(widget);
                    if (box && box->isVisible())
                        button == QMessageBox::NoButton ? box->reject() : box->button(button)->click();
                }
            });
            QCOMPARE(sink.AskYesNo("Weiter?"), button == QMessageBox::Yes);
        }
    }
};

QTEST_MAIN(TestSideWindows)
#include "tst_sidewindows.moc"
