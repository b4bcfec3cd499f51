#include "platformui/Twips.h"

#include <QGuiApplication>
#include <QScreen>

int Twips::TwipsPerPixel()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    const int perPixel = qRound(1440.0 / (dpi > 0 ? dpi : 96.0));
    return perPixel > 0 ? perPixel : 15;
}
