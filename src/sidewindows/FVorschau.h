#pragma once

#include "sidewindows/OwnedSideWindow.h"

class CGsb;
class PreviewComponent;
class QLabel;
class QScrollBar;

// "Klunis Vorschau": a turnable preview of the selected model. An owned side
// window that follows the selection.
class FVorschau : public OwnedSideWindow {
    Q_OBJECT
public:
    explicit FVorschau(QWidget* owner);
    ~FVorschau() override;

    // Whether loading a model may let pending events run once, as the
    // component needs on Windows: not while the main window takes a search's
    // result over (a click handled then would start another search inside it).
    enum class Events { Run, Hold };
    // The model's title comes from its ini file in the language of nameKey.
    void ShowFile(const CGsb& gsb, const QString& nameKey, Events events = Events::Run);

    // Why a model cannot be shown (the first reason that applies: no gsb
    // file, missing mod2 files, a network path), as the window words it;
    // empty when it can be shown.
    static QString BlockedReason(bool gsbExists, qint32 countMissing, const QString& gsbName);
    // x rounded to the nearest whole number, halves to the even neighbour, as
    // a 16-bit value; an overflow error (KluniError) when it does not fit.
    static qint16 Nearest(double x);

protected:
    void MeasureLayout() override;
    void ArrangeControls() override;

private:
    void BuildControls();
    void SetPreviewVisible(bool visible);
    void LoadModel(const QString& gsbName, Events events);
    QScrollBar* MakeBar(const char* name, Qt::Orientation orientation, int maximum, const char* property);
    QLabel* MakeBarLabel(const char* name, const QString& caption);

    QLabel* lblModel = nullptr;
    PreviewComponent* ctModellSchau = nullptr;
    QScrollBar* scrDistance = nullptr;
    QLabel* lblDistance = nullptr;
    QScrollBar* scrTheta = nullptr;
    QLabel* lblTheta = nullptr;
    QScrollBar* scrPhi = nullptr;
    QLabel* lblPhi = nullptr;
    QLabel* lblMissingMod2 = nullptr;

    float msStartPhi = 0;
    float msStartTheta = 0;
    // Distances of the layout as designed, in pixels, measured once at load.
    int msPreviewWidthMargin = 0;
    int msPreviewHeightMargin = 0;
    int msPhiBarGap = 0;
    int msThetaBarGap = 0;
    int msPhiLabelOffset = 0;
    int msThetaLabelOffset = 0;
};
