#pragma once

#include <QObject>
#include <QSize>
#include <QString>

class QWidget;

// The geometry rules that the resizable side windows share:
// - the client size as designed, taken once when the window is built and
//   before any stored size is applied (the windows measure their margins
//   from it);
// - a minimum outer size in twips, enforced by setting the size back;
// - the stored place: "x", "y", "w", "h" (outer rectangle, twips) and
//   "Maximized" under one settings section, restored at load and stored on
//   close (only "Maximized" when maximised, nothing of the place when
//   minimised);
// - closing together with the owner window.
// An empty section means the window remembers no place (the ini problems
// dialog uses only the minimum size).
class SideWindowPlacement : public QObject {
    Q_OBJECT
public:
    SideWindowPlacement(QWidget& window, const QString& section, QSize minimumTwips);

    QSize DesignedSize() const { return m_designed; }

    // Applies the stored position, size and maximised state (before the
    // window is shown). A missing key or a stored -1 leaves that value alone.
    void Restore();
    // Stores the place as a close does. Does nothing while the session ends.
    void Store() const;
    // Sets the window back to its minimum size when it became smaller in
    // either direction (not while minimised). True when it did.
    bool EnforceMinimum();

    // Outer size of the window in pixels (client area plus frame; before the
    // window is shown the owner's frame stands in for its own).
    QSize OuterSize() const;

    // The window closes or is destroyed: stores the place the first time and
    // returns true; false when that happened already.
    bool Unload();

    // Closes the window when its owner receives a close event.
    void CloseWithOwner();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSize FrameExtra() const;
    static int PixelsAtLeast(int twips);

    QWidget& m_window;
    QWidget* m_owner = nullptr;
    QString m_section;
    QSize m_minimumTwips;
    QSize m_designed;
    bool m_unloaded = false;
};
