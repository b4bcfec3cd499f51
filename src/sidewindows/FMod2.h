#pragma once

#include "sidewindows/OwnedSideWindow.h"

class CGsb;
class QLabel;
class QListWidget;
class QListWidgetItem;

// "Klunis mod2-Liste": the mod2 files of the selected model with their state.
// An owned side window that follows the selection.
class FMod2 : public OwnedSideWindow {
    Q_OBJECT
public:
    explicit FMod2(QWidget* owner);
    ~FMod2() override;

    // The model's title comes from its ini file in the language of nameKey.
    void ShowFile(const CGsb& gsb, const QString& nameKey);

protected:
    void MeasureLayout() override;
    void ArrangeControls() override;

private:
    void UpdateErrorLabel(const CGsb& gsb);
    void FitListHeight();
    void lbMod2_ItemCheck(QListWidgetItem* item);
    void lbMod2_Click();

    QLabel* lblModel = nullptr;
    QListWidget* lbMod2 = nullptr;
    QLabel* lblError = nullptr;

    // Distances of the layout as designed, in pixels, measured once at load.
    int msWidthMargin = 0;
    int msListMargin = 0;
    int msErrTopMargin = 0;
};
