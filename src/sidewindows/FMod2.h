#pragma once

#include <QWidget>

class CGsb;
class QLabel;
class QListWidget;
class QListWidgetItem;
class SideWindowPlacement;

// "Klunis mod2-Liste": the mod2 files of the selected model with their state.
// A modeless window owned by the main window; it follows the selection.
// It exists only while it is open: closing it (by the user, the owner's
// toggle or the owner closing) stores its place, emits Unloaded() and
// deletes it (hold it in a QPointer).
class FMod2 : public QWidget {
    Q_OBJECT
public:
    explicit FMod2(QWidget* owner);
    ~FMod2() override;

    void ShowFile(const CGsb& gsb);

Q_SIGNALS:
    // The window was closed (by the user or by its owner): the owner sets its
    // Mod2 property back to false.
    void Unloaded();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void UpdateErrorLabel(const CGsb& gsb);
    void FitListHeight();
    void ArrangeControls();
    void lbMod2_ItemCheck(QListWidgetItem* item);
    void lbMod2_Click();

    QLabel* lblModel = nullptr;
    QListWidget* lbMod2 = nullptr;
    QLabel* lblError = nullptr;
    SideWindowPlacement* m_place = nullptr;

    // Distances of the layout as designed, in pixels, measured once at load.
    int msWidthMargin = 0;
    int msListMargin = 0;
    int msErrTopMargin = 0;
};
