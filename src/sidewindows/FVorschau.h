#pragma once

#include <QWidget>

class CGsb;

// "Klunis Vorschau": a turnable preview of the selected model. A modeless
// window owned by the main window; it follows the selection.
class FVorschau : public QWidget {
    Q_OBJECT
public:
    explicit FVorschau(QWidget* owner);
    ~FVorschau() override;

    void ShowFile(const CGsb& gsb);

Q_SIGNALS:
    // The window was closed: the owner sets its Vorschau property back to false.
    void Unloaded();
};
