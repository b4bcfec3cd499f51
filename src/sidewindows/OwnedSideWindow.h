#pragma once

#include <QString>
#include <QWidget>

class QColor;
class QLabel;
class SideWindowPlacement;

// A modeless window owned by the main window that follows the selection (the
// mod2 list and the preview). It exists only while it is open: closing it (by
// the user, the owner's toggle or the owner closing) stores its place, emits
// Unloaded() and deletes it (hold it in a QPointer). It keeps its controls
// arranged to its size and never becomes smaller than its minimum.
class OwnedSideWindow : public QWidget {
    Q_OBJECT
public:
    ~OwnedSideWindow() override;

Q_SIGNALS:
    // The window was closed: the owner sets its open property back to false.
    void Unloaded();

protected:
    OwnedSideWindow(QWidget* owner, const QString& objectName, const QString& title);

    // Called by the derived constructor once its controls stand where they
    // were designed: takes the designed client size, lets MeasureLayout()
    // take the margins from it, then applies the stored place under section.
    void SetUpPlacement(QSize designedSize, const QString& section, QSize minimumTwips);
    // The client size as designed (valid from SetUpPlacement on).
    QSize DesignedSize() const;

    // The distances of the designed layout, measured once.
    virtual void MeasureLayout() = 0;
    // Fits the controls to the current size.
    virtual void ArrangeControls() = 0;

    // The framed, bold label above the controls that names the model.
    QLabel* MakeModelLabel();
    static void Colour(QLabel* label, const QColor& text, const QColor& back);

    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    SideWindowPlacement* m_place = nullptr;
};
