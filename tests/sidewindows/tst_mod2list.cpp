#include "SideWindowFixture.h"
#include "sidewindows/FMod2.h"
#include "startup/modTools.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

using namespace SideWindowTest;

class TestMod2List : public QObject, Fixture {
    Q_OBJECT

private:
    FMod2* Open()
    {
        auto* window = new FMod2(owner.get());
        window->show();
        return window;
    }
    static QListWidget* List(FMod2* w) { return ChildOf<QListWidget>(w, "lbMod2"); }
    static QLabel* Label(FMod2* w, const char* name) { return ChildOf<QLabel>(w, name); }
    static QStringList Items(FMod2* w)
    {
        QStringList items;
        for (int i = 0; i < List(w)->count(); ++i) {
            const QListWidgetItem* item = List(w)->item(i);
            items << item->text() + (item->checkState() == Qt::Checked ? " [x]" : " [ ]");
        }
        return items;
    }

private Q_SLOTS:
    void init() { SetUp(); }
    void cleanup() { TearDown(); }

    void missingGsbShowsOnlyTheNote()
    {
        FMod2* w = Open();
        ShowGsb(w, inst->WindowsPath("Immobilien\\Lok.gsb"));
        QCOMPARE(Label(w, "lblModel")->text(), QString("\\Lok.gsb"));
        QCOMPARE(List(w)->count(), 0);
        QLabel* note = Label(w, "lblError");
        QVERIFY(!note->isHidden());
        QCOMPARE(note->text(), QString("Keine Anzeige möglich ohne die gsb-Datei."));
        // The list ends above the note.
        QVERIFY(List(w)->geometry().bottom() < note->y());
    }

    void listsNamesInOrderWithTheirStateAndCountsTheMissing()
    {
        FMod2* w = Open();
        const QString none = WriteModel(*inst, "leer.gsb", {}, "Leeres Haus");
        const QString all = WriteModel(*inst, "voll.gsb", {{"Haus\\Dach", true}, {"Haus\\Wand", true}});
        const QString one = WriteModel(*inst, "eins.gsb", {{"Haus\\Wand", true}, {"Haus\\Tuer", false}}, "");
        const QString two = WriteModel(*inst, "zwei.gsb",
                                       {{"b\\Zwei", false}, {"a\\Eins", false}, {"c\\Drei", true}}, "Zweifach");

        ShowGsb(w, two);
        QCOMPARE(Label(w, "lblModel")->text(), QString("Zweifach"));
        QCOMPARE(Items(w), QStringList({"a\\Eins [ ]", "b\\Zwei [ ]", "c\\Drei [x]"}));
        QCOMPARE(Label(w, "lblError")->text(), QString("2 mod2-Dateien sind nicht vorhanden."));
        QVERIFY(!Label(w, "lblError")->isHidden());
        const int shortList = List(w)->height();

        // An ini file without a name entry: titled with the gsb file name.
        ShowGsb(w, one);
        QCOMPARE(Label(w, "lblModel")->text(), QString("\\eins.gsb"));
        QCOMPARE(Label(w, "lblError")->text(), QString("1 mod2-Datei ist nicht vorhanden."));

        // Nothing missing: no note, and the list reaches into its place.
        ShowGsb(w, all);
        QCOMPARE(Items(w), QStringList({"Haus\\Dach [x]", "Haus\\Wand [x]"}));
        QVERIFY(Label(w, "lblError")->isHidden());
        QCOMPARE(List(w)->height(), shortList + Label(w, "lblError")->height() + Twips::ToPixels(150));

        ShowGsb(w, none);
        QCOMPARE(Label(w, "lblModel")->text(), QString("Leeres Haus"));
        QCOMPARE(List(w)->count(), 0);
        QVERIFY(Label(w, "lblError")->isHidden());

        // A name that looks like markup is shown as written.
        ShowGsb(w, WriteModel(*inst, "markup.gsb", {}, "<s>Lok</s>"));
        QCOMPARE(Label(w, "lblModel")->text(), QString("<s>Lok</s>"));
        QCOMPARE(Label(w, "lblModel")->textFormat(), Qt::PlainText);
    }

    void theUserCannotChangeMarksOrSelectItems()
    {
        FMod2* w = Open();
        ShowGsb(w, WriteModel(*inst, "haus.gsb", {{"Haus\\Dach", true}, {"Haus\\Wand", false}}));
        QListWidget* list = List(w);
        list->item(0)->setCheckState(Qt::Unchecked);
        list->item(1)->setCheckState(Qt::Checked);
        QCOMPARE(Items(w), QStringList({"Haus\\Dach [x]", "Haus\\Wand [ ]"}));

        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QCOMPARE(list->currentRow(), -1);
        QVERIFY(list->selectedItems().isEmpty());
        QCOMPARE(Items(w), QStringList({"Haus\\Dach [x]", "Haus\\Wand [ ]"}));
    }

    void keepsItsMinimumSizeAndWidth()
    {
        FMod2* w = Open();
        const QSize minimum = MinimumPixels(2800, 2265);
        w->resize(40, 40);
        QCOMPARE(w->frameGeometry().size(), minimum);   // the outer size counts
        w->resize(minimum.width() + 200, minimum.height() + 150);
        QCOMPARE(w->size(), QSize(minimum.width() + 200, minimum.height() + 150));
        // The three controls share the width and the note keeps its distance to the bottom.
        QLabel* model = Label(w, "lblModel");
        QCOMPARE(List(w)->width(), model->width());
        QCOMPARE(Label(w, "lblError")->width(), model->width());
        const int margin = w->width() - model->width();
        const int fromBottom = w->height() - Label(w, "lblError")->y();
        w->resize(w->width() + 33, w->height() + 44);
        QCOMPARE(w->width() - model->width(), margin);
        QCOMPARE(w->height() - Label(w, "lblError")->y(), fromBottom);
    }

    void storesAndRestoresItsPlace()
    {
        FMod2* w = Open();
        w->move(60, 70);
        w->resize(250, 230);
        QSignalSpy unloaded(w, &FMod2::Unloaded);
        QPointer<FMod2> guard(w);
        w->close();
        QCOMPARE(unloaded.count(), 1);
        const int tpp = Twips::TwipsPerPixel();
        QCOMPARE(LoadSetting("Mod2Liste", "Maximized", "-"), QString("0"));
        const QRect outer = w->frameGeometry();
        QCOMPARE(LoadSettingLong("Mod2Liste", "w", -1), outer.width() * tpp);
        QCOMPARE(LoadSettingLong("Mod2Liste", "h", -1), outer.height() * tpp);
        QCOMPARE(LoadSettingLong("Mod2Liste", "x", -1), outer.x() * tpp);
        QCOMPARE(LoadSettingLong("Mod2Liste", "y", -1), outer.y() * tpp);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guard.isNull());   // the window exists only while it is open

        // Maximised: only "Maximized" is stored, the last normal place survives.
        FMod2* again = Open();
        QCOMPARE(again->frameGeometry(), outer);
        again->showMaximized();
        again->close();
        QCOMPARE(LoadSetting("Mod2Liste", "Maximized", "-"), QString("1"));
        QCOMPARE(LoadSettingLong("Mod2Liste", "w", -1), outer.width() * tpp);
        FMod2* maximised = Open();
        QVERIFY(maximised->isMaximized());
        maximised->close();

        // Minimised: "Maximized" = "0", the place is left alone.
        StoreSetting("Mod2Liste", "Maximized", "0");
        FMod2* minimised = Open();
        minimised->showMinimized();
        minimised->resize(300, 300);
        minimised->close();
        QCOMPARE(LoadSetting("Mod2Liste", "Maximized", "-"), QString("0"));
        QCOMPARE(LoadSettingLong("Mod2Liste", "w", -1), outer.width() * tpp);

        // Minimised from the maximised state it is minimised all the same.
        FMod2* iconified = Open();
        iconified->showMaximized();
        iconified->showMinimized();
        iconified->close();
        QCOMPARE(LoadSetting("Mod2Liste", "Maximized", "-"), QString("0"));
        QCOMPARE(LoadSettingLong("Mod2Liste", "w", -1), outer.width() * tpp);
    }

    void closesWithItsOwner()
    {
        FMod2* w = Open();
        QSignalSpy unloaded(w, &FMod2::Unloaded);
        owner->close();
        QCOMPARE(unloaded.count(), 1);
        QVERIFY(!w->isVisible());
        QVERIFY(LoadSettingLong("Mod2Liste", "w", -1) > 0);
    }
};

QTEST_MAIN(TestMod2List)
#include "tst_mod2list.moc"
