#pragma once

#include <QWidget>

class CGsb;
class PreviewComponent;
class QLabel;
class QScrollBar;
class SideWindowPlacement;

// "Klunis Vorschau": a turnable preview of the selected model. A modeless
// window owned by the main window; it follows the selection. Like the mod2
// list it exists only while it is open and deletes itself when closed (hold
// it in a QPointer).
class FVorschau : public QWidget {
    Q_OBJECT
public:
    explicit FVorschau(QWidget* owner);
    ~FVorschau() override;

    void ShowFile(const CGsb& gsb);

    // Why a model cannot be shown (the first reason that applies: no gsb
    // file, missing mod2 files, a network path), as the window words it;
    // empty when it can be shown.
    static QString BlockedReason(bool gsbExists, qint32 countMissing, const QString& gsbName);
    // x rounded to the nearest whole number, halves to the even neighbour, as
    // a 16-bit value; an overflow error (KluniError) when it does not fit.
    static qint16 Nearest(double x);

Q_SIGNALS:
    // The window was closed: the owner sets its Vorschau property back to false.
    void Unloaded();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void MeasureLayout();
    void ArrangeControls();
    void SetPreviewVisible(bool visible);
    void LoadModel(const QString& gsbName);
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
    SideWindowPlacement* m_place = nullptr;

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
