#include "sidewindows/SideWindowPlacement.h"

#include "platformui/StoredPlace.h"
#include "platformui/Twips.h"
#include "startup/modTools.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QWidget>

SideWindowPlacement::SideWindowPlacement(QWidget& window, const QString& section, QSize minimumTwips)
    : QObject(&window)
    , m_window(window)
    , m_owner(window.parentWidget() ? window.parentWidget()->window() : nullptr)
    , m_section(section)
    , m_minimumTwips(minimumTwips)
    , m_designed(window.size())
{
}

void SideWindowPlacement::Restore()
{
    if (m_section.isEmpty())
        return;
    const auto stored = [this](const char* key) {
        return LoadSettingLong(m_section, QString::fromLatin1(key), -1);
    };
    StoredPlace::Apply(m_window, stored("x"), stored("y"));
    QSize outer = OuterSize();
    bool sized = false;
    if (const qint32 w = stored("w"); w != -1) {
        outer.setWidth(Twips::ToPixels(w));
        sized = true;
    }
    if (const qint32 h = stored("h"); h != -1) {
        outer.setHeight(Twips::ToPixels(h));
        sized = true;
    }
    if (sized)
        m_window.resize(outer - FrameExtra());

    Qt::WindowStates state = m_window.windowState() & ~Qt::WindowMaximized;
    if (stored("Maximized") == 1)
        state |= Qt::WindowMaximized;
    m_window.setWindowState(state);
}

void SideWindowPlacement::Store() const
{
    if (m_section.isEmpty())
        return;
    // A session that ends is not a close by the user, the program or the owner.
    if (const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
        app && app->isSavingSession())
        return;
    // A window minimised from the maximised state keeps both flags; it counts
    // as minimised.
    const bool minimised = m_window.isMinimized();
    if (m_window.isMaximized() && !minimised) {
        // The last normal place survives for the next opening.
        StoreSetting(m_section, QStringLiteral("Maximized"), QStringLiteral("1"));
        return;
    }
    StoreSetting(m_section, QStringLiteral("Maximized"), QStringLiteral("0"));
    if (minimised)
        return;
    const QPoint position = m_window.pos();
    const QSize outer = OuterSize();
    StoreSetting(m_section, QStringLiteral("x"), QString::number(Twips::FromPixels(position.x())));
    StoreSetting(m_section, QStringLiteral("y"), QString::number(Twips::FromPixels(position.y())));
    StoreSetting(m_section, QStringLiteral("w"), QString::number(Twips::FromPixels(outer.width())));
    StoreSetting(m_section, QStringLiteral("h"), QString::number(Twips::FromPixels(outer.height())));
}

bool SideWindowPlacement::EnforceMinimum()
{
    if (m_window.isMinimized())
        return false;
    const QSize outer = OuterSize();
    const QSize minimum(PixelsAtLeast(m_minimumTwips.width()), PixelsAtLeast(m_minimumTwips.height()));
    const QSize wanted = outer.expandedTo(minimum);
    if (wanted == outer)
        return false;
    m_window.resize(wanted - FrameExtra());
    return true;
}

QSize SideWindowPlacement::OuterSize() const
{
    return m_window.size() + FrameExtra();
}

bool SideWindowPlacement::Unload()
{
    if (m_unloaded)
        return false;
    m_unloaded = true;
    Store();
    return true;
}

void SideWindowPlacement::CloseWithOwner()
{
    if (m_owner)
        m_owner->installEventFilter(this);
}

bool SideWindowPlacement::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_owner && event->type() == QEvent::Close && m_window.isVisible())
        m_window.close();
    return QObject::eventFilter(watched, event);
}

QSize SideWindowPlacement::FrameExtra() const
{
    // Until the window is shown it has no frame of its own; the owner's frame
    // comes from the same window manager and is the best guess.
    const QWidget& framed = (m_window.isVisible() || !m_owner) ? m_window : *m_owner;
    return framed.frameGeometry().size() - framed.size();
}

int SideWindowPlacement::PixelsAtLeast(int twips)
{
    const int perPixel = Twips::TwipsPerPixel();
    return (twips + perPixel - 1) / perPixel;
}
