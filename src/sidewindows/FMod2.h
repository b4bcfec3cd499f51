#pragma once

#include <QWidget>

class CGsb;

// "Klunis mod2-Liste": the mod2 files of the selected model with their state.
// A modeless window owned by the main window; it follows the selection.
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
};
