#include "platformui/StoredPlace.h"

#include "platformui/Twips.h"

#include <QEvent>
#include <QPointer>
#include <QWindow>
#include <QWidget>

#include <optional>

namespace {

QPoint Merged(QPoint place, std::optional<int> x, std::optional<int> y)
{
    if (x)
        place.setX(*x);
    if (y)
        place.setY(*y);
    return place;
}

// Waits until the window is first shown and on the screen, where the window
// system has placed it by then, and changes the stored coordinate.
class MoveWhenShown : public QObject {
public:
    MoveWhenShown(QWidget& window, std::optional<int> x, std::optional<int> y)
        : QObject(&window)
        , m_window(window)
        , m_x(x)
        , m_y(y)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_window && event->type() == QEvent::Show) {
            m_window.removeEventFilter(this);
            m_handle = m_window.windowHandle();
            if (!m_handle)
                Move();
            else
                m_handle->installEventFilter(this);
        } else if (m_handle && watched == m_handle && event->type() == QEvent::Expose && m_handle->isExposed()) {
            m_handle->removeEventFilter(this);
            Move();
        }
        return false;
    }

private:
    void Move()
    {
        m_window.move(Merged(m_window.pos(), m_x, m_y));
        deleteLater();
    }

private:
    QWidget& m_window;
    std::optional<int> m_x;
    std::optional<int> m_y;
    QPointer<QWindow> m_handle;
};

} // namespace

namespace StoredPlace {

void Apply(QWidget& window, qint32 xTwips, qint32 yTwips)
{
    const auto pixels = [](qint32 twips) {
        return twips == -1 ? std::nullopt : std::optional<int>(Twips::ToPixels(twips));
    };
    const std::optional<int> x = pixels(xTwips);
    const std::optional<int> y = pixels(yTwips);
    if (x && y)
        window.move(*x, *y);
    else if ((x || y) && window.isVisible())
        window.move(Merged(window.pos(), x, y));
    else if (x || y)
        new MoveWhenShown(window, x, y);   // owned by the window
}

} // namespace StoredPlace
