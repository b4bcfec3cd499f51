#include "SideWindowFixture.h"
#include "platformui/PreviewComponent.h"
#include "sidewindows/FVorschau.h"
#include "startup/KluniError.h"
#include "startup/modTools.h"

#include <QLabel>
#include <QScrollBar>
#include <QTest>

using namespace SideWindowTest;

namespace {

// A gsb file of 9 KiB: the stand-in component chooses the distance 5 for it.
constexpr int kDistanceFiveSize = 9 * 1024;

} // namespace

class TestPreview : public QObject, Fixture {
    Q_OBJECT

private:
    FVorschau* w = nullptr;

    template <class T>
    T* Child(const char* name) const { return ChildOf<T>(w, name); }
    PreviewComponent* Component() const { return Child<PreviewComponent>("ctModellSchau"); }
    QScrollBar* Bar(const char* name) const { return Child<QScrollBar>(name); }
    QLabel* Label(const char* name) const { return Child<QLabel>(name); }
    void Show(const QString& gsbPath) { ShowGsb(w, gsbPath); }
    bool PreviewShown() const
    {
        const bool shown = !Component()->isHidden();
        for (const char* name : {"scrDistance", "scrPhi", "scrTheta", "lblDistance", "lblPhi", "lblTheta"})
            if (Child<QWidget>(name)->isHidden() == shown)
                qFatal("%s does not follow the preview", name);
        if (Label("lblMissingMod2")->isHidden() != shown)
            qFatal("the reason label does not take the preview's place");
        return shown;
    }

private Q_SLOTS:
    void init()
    {
        SetUp();
        w = new FVorschau(owner.get());
        w->show();
    }
    void cleanup() { TearDown(); }

    void reasonTexts()
    {
        const QString network = "\\\\server\\eep\\Immobilien\\haus.gsb";
        const QString noGsb = "\r\n\r\n\r\n\r\nModell kann nicht angezeigt werden, da die gsb-Datei des Modells nicht existiert.";
        const QString noMod2 = "\r\n\r\nModell kann wegen fehlender mod2-Datei(en) nicht angezeigt werden.\r\n\r\n"
                               "Mehr Infos in der mod2-Liste.";
        const QString onNetwork = "\r\n\r\n\r\n\r\nModell wird nicht angezeigt,\r\nda die Vorschau mit Modellen aus "
                                  "einem Netzwerk größte Probleme hat.";
        // The first reason that applies wins.
        QCOMPARE(FVorschau::BlockedReason(false, 2, network), noGsb);
        QCOMPARE(FVorschau::BlockedReason(true, 1, network), noMod2);
        QCOMPARE(FVorschau::BlockedReason(true, 0, network), onNetwork);
        QCOMPARE(FVorschau::BlockedReason(true, 0, "C:\\EEP\\Resourcen\\haus.gsb"), QString());
        QCOMPARE(FVorschau::BlockedReason(true, 0, "\\immobilien\\haus.gsb"), QString());
    }

    void nearestRoundsHalvesToEvenAndOverflows()
    {
        QCOMPARE(FVorschau::Nearest(138.888f), qint16(139));
        QCOMPARE(FVorschau::Nearest(0.5f), qint16(0));
        QCOMPARE(FVorschau::Nearest(1.5f), qint16(2));
        QCOMPARE(FVorschau::Nearest(2.5f), qint16(2));
        QCOMPARE(FVorschau::Nearest(-2.5f), qint16(-2));
        QCOMPARE(FVorschau::Nearest(32767.4f), qint16(32767));
        QVERIFY_THROWS_EXCEPTION(KluniError, FVorschau::Nearest(32767.5f));
        QVERIFY_THROWS_EXCEPTION(KluniError, FVorschau::Nearest(-32769.0f));
    }

    void componentChoosesDistancesInAFixedRange()
    {
        QCOMPARE(PreviewComponent::DistanceForSize(kDistanceFiveSize), 5.0);
        QCOMPARE(PreviewComponent::DistanceForSize(0), PreviewComponent::kNearest);
        QCOMPARE(PreviewComponent::DistanceForSize(-1), PreviewComponent::kNearest);
        QVERIFY(PreviewComponent::DistanceForSize(100 * 1024) > 5.0);
        QCOMPARE(PreviewComponent::DistanceForSize(qint64(1) << 60), PreviewComponent::kFarthest);
        // The farthest distance still fits the zoom bar.
        QVERIFY(PreviewComponent::kFarthest * 100 * 2.1 < 32767);
    }

    void newModelGetsZoomRangeAndStartAngles()
    {
        const QString gsb = WriteModel(*inst, "haus.gsb", {{"Haus\\Dach", true}}, "Haus", kDistanceFiveSize);
        Show(gsb);
        QVERIFY(PreviewShown());
        QCOMPARE(Label("lblModel")->text(), QString("Haus"));
        QCOMPARE(Label("lblModel")->textFormat(), Qt::PlainText);   // names are never markup
        QCOMPARE(Component()->ModelFile(), gsb);
        QCOMPARE(Bar("scrDistance")->minimum(), 139);
        QCOMPARE(Bar("scrDistance")->maximum(), 1050);
        QCOMPARE(Bar("scrDistance")->value(), 500);
        QCOMPARE(Component()->Distance(), 5.0);
        QCOMPARE(Bar("scrPhi")->value(), 79);     // 0.7854
        QCOMPARE(Bar("scrTheta")->value(), 157);  // 1.571
    }

    void zoomRangeRoundsTheExactQuotientAndProduct()
    {
        // 55 x 2.1 is 115.5, a half that goes to the even 116; the same
        // product in single precision falls just below the half.
        QMetaObject::invokeMethod(
            Component(), [this] { Component()->SetDistance(0.55); }, Qt::QueuedConnection);
        Show(WriteModel(*inst, "klein.gsb", {}, "Klein"));
        QCOMPARE(Bar("scrDistance")->minimum(), 15);
        QCOMPARE(Bar("scrDistance")->maximum(), 116);
        QCOMPARE(Bar("scrDistance")->value(), 55);
        QVERIFY(inst->Messages().Entries().isEmpty());
    }

    void distanceTooLargeForTheZoomBarIsReported()
    {
        // The component settles on a distance while the window lets it load
        // (one pass of the event loop); 156.04 x 2.1 x 100 no longer fits 16 bits.
        QMetaObject::invokeMethod(
            Component(), [this] { Component()->SetDistance(156.04); }, Qt::QueuedConnection);
        Show(WriteModel(*inst, "riese.gsb", {}, "Riese"));
        const auto& entries = inst->Messages().Entries();
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries.first().text,
                 ErrorReportText("FVorschau.ShowFile", 6, KluniError::Overflow().Description()));
    }

    void barsWriteTheComponentWhileDragged()
    {
        Show(WriteModel(*inst, "haus.gsb", {}, "Haus", kDistanceFiveSize));
        QScrollBar* phi = Bar("scrPhi");
        phi->setSliderDown(true);
        phi->setSliderPosition(300);
        QCOMPARE(Component()->Phi(), 3.0);
        phi->setSliderDown(false);
        Bar("scrTheta")->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(Component()->Theta(), 3.14);
        Bar("scrDistance")->setValue(800);
        QCOMPARE(Component()->Distance(), 8.0);
    }

    void sameModelKeepsItsViewAndAnotherStartsAfresh()
    {
        const QString haus = WriteModel(*inst, "haus.gsb", {}, "Haus", kDistanceFiveSize);
        const QString turm = WriteModel(*inst, "turm.gsb", {}, "Turm", 100 * 1024);
        Show(haus);
        Bar("scrPhi")->setValue(200);
        Bar("scrTheta")->setValue(30);
        Bar("scrDistance")->setValue(900);

        Show(haus);
        QCOMPARE(Component()->Phi(), 2.0);
        QCOMPARE(Component()->Theta(), 0.3);
        QCOMPARE(Component()->Distance(), 9.0);
        QCOMPARE(Bar("scrPhi")->value(), 200);

        Show(turm);
        QCOMPARE(Bar("scrPhi")->value(), 79);
        QCOMPARE(Bar("scrTheta")->value(), 157);
        QVERIFY(Bar("scrDistance")->value() > 500);

        // The same file written in other letters is loaded anew.
        Bar("scrPhi")->setValue(400);
        Show(turm.toUpper());
        QCOMPARE(Component()->ModelFile(), turm.toUpper());
        QCOMPARE(Bar("scrPhi")->value(), 79);
    }

    void blockedModelsAreNeverHandedToTheComponent()
    {
        const QString haus = WriteModel(*inst, "haus.gsb", {}, "Haus");
        const QString broken = WriteModel(*inst, "kaputt.gsb", {{"Haus\\Fehlt", false}});
        Show(haus);
        QCOMPARE(Component()->ModelFile(), haus);

        Show(broken);
        QVERIFY(!PreviewShown());
        QCOMPARE(Label("lblModel")->text(), QString("\\kaputt.gsb"));
        QVERIFY(Label("lblMissingMod2")->text().contains("fehlender mod2-Datei(en)"));
        QCOMPARE(Component()->ModelFile(), QString());

        Show(haus);
        QVERIFY(PreviewShown());
        const QString network = "\\\\server\\eep\\Immobilien\\haus.gsb";
        Show(network);
        QVERIFY(!PreviewShown());
        QCOMPARE(Component()->ModelFile(), QString());
        QCOMPARE(Label("lblModel")->text(), QString("\\haus.gsb"));
    }

    void layoutFollowsTheWindowDownToItsMinimum()
    {
        const QSize minimum = MinimumPixels(2300, 2500);
        w->resize(10, 10);
        QCOMPARE(w->frameGeometry().size(), minimum);

        w->resize(500, 460);
        const QRect preview = Component()->geometry();
        const int widthMargin = w->width() - preview.width();
        const int phiGap = Bar("scrPhi")->y() - (preview.y() + preview.height());
        const int thetaGap = Bar("scrTheta")->x() - (preview.x() + preview.width());
        const int phiLabelOffset = Label("lblPhi")->y() - Bar("scrPhi")->y();
        w->resize(620, 540);
        const QRect grown = Component()->geometry();
        QCOMPARE(w->width() - grown.width(), widthMargin);
        QCOMPARE(grown.topLeft(), preview.topLeft());
        QCOMPARE(Bar("scrDistance")->height(), grown.height());
        QCOMPARE(Bar("scrTheta")->height(), grown.height());
        QCOMPARE(Bar("scrPhi")->width(), grown.width());
        QCOMPARE(Bar("scrPhi")->y() - (grown.y() + grown.height()), phiGap);
        QCOMPARE(Bar("scrTheta")->x() - (grown.x() + grown.width()), thetaGap);
        QCOMPARE(Label("lblPhi")->y() - Bar("scrPhi")->y(), phiLabelOffset);
        QVERIFY(qAbs(Label("lblTheta")->geometry().center().y() - grown.center().y()) <= 1);
        QVERIFY(qAbs(Label("lblDistance")->geometry().center().y() - grown.center().y()) <= 1);
        QCOMPARE(Label("lblModel")->geometry().right(), Bar("scrTheta")->geometry().right());
    }

    void placeIsStoredUnderItsOwnSection()
    {
        w->showMaximized();
        w->close();
        QCOMPARE(LoadSetting("VorschauWindow", "Maximized", "-"), QString("1"));
        QCOMPARE(LoadSetting("Mod2Liste", "Maximized", "-"), QString("-"));
        auto* again = new FVorschau(owner.get());
        QVERIFY(again->isMaximized());
        again->show();
        again->showNormal();
        again->close();
        QCOMPARE(LoadSetting("VorschauWindow", "Maximized", "-"), QString("0"));
        QVERIFY(LoadSettingLong("VorschauWindow", "w", -1) > 0);
        QCOMPARE(LoadSetting("Mod2Liste", "w", "-"), QString("-"));
    }
};

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
