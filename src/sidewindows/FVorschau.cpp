#include "sidewindows/FVorschau.h"

#include "hostdata/CGsb.h"
#include "platformui/PreviewComponent.h"
#include "sidewindows/ModelCaption.h"
#include "startup/KluniError.h"
#include "startup/modTools.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QScrollBar>

#include <cmath>
#include <limits>

namespace {

const QString kSection = QStringLiteral("VorschauWindow");

// Client size and control rectangles as designed (pixels): the preview in
// the middle, the zoom bar with its label on the left, the tilt bar with its
// label on the right, the turn bar with its label below, the name above.
constexpr QSize kDesignedSize(360, 372);
constexpr QRect kModelRect(26, 8, 308, 24);
constexpr QRect kPreviewRect(47, 40, 266, 280);
constexpr QRect kDistanceBarRect(26, 40, 17, 280);
constexpr QRect kThetaBarRect(317, 40, 17, 280);
constexpr QRect kPhiBarRect(47, 324, 266, 17);
constexpr int kDistanceLabelLeft = 8;
constexpr int kThetaLabelLeft = 338;
constexpr int kPhiLabelTop = 345;
constexpr int kNarrowLabelWidth = 14;

} // namespace

FVorschau::FVorschau(QWidget* owner)
    : OwnedSideWindow(owner, QStringLiteral("FVorschau"), tr("Klunis Vorschau"))
{
    BuildControls();
    SetUpPlacement(kDesignedSize, kSection, QSize(2300, 2500));
    msStartPhi = float(ctModellSchau->Phi());
    msStartTheta = float(ctModellSchau->Theta());
}

FVorschau::~FVorschau() = default;

void FVorschau::BuildControls()
{
    lblModel = MakeModelLabel();
    lblModel->setGeometry(kModelRect);

    ctModellSchau = new PreviewComponent(this);
    ctModellSchau->setObjectName(QStringLiteral("ctModellSchau"));
    ctModellSchau->setGeometry(kPreviewRect);

    scrDistance = MakeBar("scrDistance", Qt::Vertical, 2000, "Distance");
    scrDistance->setGeometry(kDistanceBarRect);
    scrTheta = MakeBar("scrTheta", Qt::Vertical, 314, "Theta");
    scrTheta->setGeometry(kThetaBarRect);
    scrPhi = MakeBar("scrPhi", Qt::Horizontal, 628, "Phi");
    scrPhi->setGeometry(kPhiBarRect);

    lblDistance = MakeBarLabel("lblDistance", tr("Z o o m"));
    lblDistance->move(kDistanceLabelLeft, 0);
    lblTheta = MakeBarLabel("lblTheta", tr("K i p p e n"));
    lblTheta->move(kThetaLabelLeft, 0);
    lblPhi = MakeBarLabel("lblPhi", tr("D r e h e n"));
    lblPhi->setGeometry(kPhiBarRect.left(), kPhiLabelTop, kPhiBarRect.width(), fontMetrics().height() + 2);

    lblMissingMod2 = new QLabel(this);
    lblMissingMod2->setObjectName(QStringLiteral("lblMissingMod2"));
    lblMissingMod2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblMissingMod2->setWordWrap(true);
    lblMissingMod2->setMargin(8);
    Colour(lblMissingMod2, QColor(128, 0, 0), QColor(255, 200, 200));
    lblMissingMod2->hide();
}

QScrollBar* FVorschau::MakeBar(const char* name, Qt::Orientation orientation, int maximum, const char* property)
{
    auto* bar = new QScrollBar(orientation, this);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setRange(0, maximum);
    bar->setSingleStep(5);
    bar->setPageStep(maximum / 10);
    bar->setValue(qRound(ctModellSchau->property(property).toDouble() * 100.0));
    // Tracking is on: the value changes, and the component follows, while
    // the thumb is dragged.
    connect(bar, &QScrollBar::valueChanged, this, [this, property](int value) {
        ctModellSchau->setProperty(property, value / 100.0);
    });
    return bar;
}

QLabel* FVorschau::MakeBarLabel(const char* name, const QString& caption)
{
    auto* label = new QLabel(caption, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    // So narrow beside the vertical bars that the words break into one
    // letter per line.
    const int letters = int(caption.count(QLatin1Char(' '))) + 1;
    label->resize(kNarrowLabelWidth, letters * fontMetrics().lineSpacing() + 4);
    return label;
}

void FVorschau::MeasureLayout()
{
    const QSize designed = DesignedSize();
    const QRect preview = ctModellSchau->geometry();
    msPreviewWidthMargin = designed.width() - preview.width();
    msPreviewHeightMargin = designed.height() - preview.height();
    msPhiBarGap = scrPhi->y() - (preview.y() + preview.height());
    msThetaBarGap = scrTheta->x() - (preview.x() + preview.width());
    msPhiLabelOffset = lblPhi->y() - scrPhi->y();
    msThetaLabelOffset = lblTheta->x() - scrTheta->x();
}

void FVorschau::ArrangeControls()
{
    ctModellSchau->resize(width() - msPreviewWidthMargin, height() - msPreviewHeightMargin);
    const QRect preview = ctModellSchau->geometry();
    scrDistance->resize(scrDistance->width(), preview.height());
    lblDistance->move(lblDistance->x(), preview.y() + (preview.height() - lblDistance->height()) / 2);
    scrPhi->setGeometry(scrPhi->x(), preview.y() + preview.height() + msPhiBarGap, preview.width(),
                        scrPhi->height());
    lblPhi->setGeometry(lblPhi->x(), scrPhi->y() + msPhiLabelOffset, preview.width(), lblPhi->height());
    scrTheta->setGeometry(preview.x() + preview.width() + msThetaBarGap, scrTheta->y(), scrTheta->width(),
                          preview.height());
    lblTheta->move(scrTheta->x() + msThetaLabelOffset, preview.y() + (preview.height() - lblTheta->height()) / 2);
    lblModel->resize(scrTheta->x() + scrTheta->width() - scrDistance->x(), lblModel->height());
    lblMissingMod2->setGeometry(lblModel->x(), preview.y(), lblModel->width(), preview.height());
}

void FVorschau::SetPreviewVisible(bool visible)
{
    for (QWidget* control : {static_cast<QWidget*>(ctModellSchau), static_cast<QWidget*>(scrDistance),
                             static_cast<QWidget*>(scrPhi), static_cast<QWidget*>(scrTheta),
                             static_cast<QWidget*>(lblDistance), static_cast<QWidget*>(lblPhi),
                             static_cast<QWidget*>(lblTheta)})
        control->setVisible(visible);
    lblMissingMod2->setVisible(!visible);
}

QString FVorschau::BlockedReason(bool gsbExists, qint32 countMissing, const QString& gsbName)
{
    if (!gsbExists)
        return FormatMsg(tr("%m%mModell kann nicht angezeigt werden, da die gsb-Datei des Modells nicht existiert."));
    if (countMissing > 0)
        return FormatMsg(tr(
            "%mModell kann wegen fehlender mod2-Datei(en) nicht angezeigt werden.%mMehr Infos in der mod2-Liste."));
    if (gsbName.startsWith(QLatin1String("\\\\")))
        return FormatMsg(tr(
            "%m%mModell wird nicht angezeigt,%nda die Vorschau mit Modellen aus einem Netzwerk größte Probleme hat."));
    return QString();
}

qint16 FVorschau::Nearest(double x)
{
    const double rounded = std::nearbyint(x);   // ties to even in the default rounding mode
    if (!(rounded >= std::numeric_limits<qint16>::min() && rounded <= std::numeric_limits<qint16>::max()))
        throw KluniError::Overflow();
    return qint16(rounded);
}

void FVorschau::ShowFile(const CGsb& gsb, const QString& nameKey, Events events)
{
    try {
        lblModel->setText(ModelCaption(gsb.GsbName(), nameKey));
        const QString reason = BlockedReason(gsb.GsbExists(), gsb.CountMissing(), gsb.GsbName());
        SetPreviewVisible(reason.isEmpty());
        if (!reason.isEmpty()) {
            lblMissingMod2->setText(reason);
            ctModellSchau->SetModelFile(QString());
            return;
        }
        // The same model again keeps the view the user turned and zoomed.
        if (ctModellSchau->ModelFile() != gsb.GsbName())
            LoadModel(gsb.GsbName(), events);
    } catch (...) {
        ReportError(QStringLiteral("FVorschau.ShowFile"));
    }
}

void FVorschau::LoadModel(const QString& gsbName, Events events)
{
    ctModellSchau->SetPhi(msStartPhi);
    ctModellSchau->SetTheta(msStartTheta);
    ctModellSchau->SetModelFile(gsbName);
    // Give the component its moment to load; a click on another model may be
    // handled here, or the window may even be closed.
    if (events == Events::Run) {
        const QPointer<FVorschau> alive(this);
        QCoreApplication::processEvents();
        if (!alive)
            return;
    }
    // d is single precision; the range is worked out from it in double, so
    // that a product like 55 x 2.1 is the exact half it should be.
    const float d = float(ctModellSchau->Distance()) * 100.0f;
    scrDistance->setMinimum(Nearest(double(d) / 3.6));
    scrDistance->setMaximum(Nearest(double(d) * 2.1));
    scrDistance->setValue(Nearest(d));
    scrPhi->setValue(Nearest(float(ctModellSchau->Phi()) * 100.0f));
    scrTheta->setValue(Nearest(float(ctModellSchau->Theta()) * 100.0f));
}

