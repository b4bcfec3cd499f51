#pragma once

#include <QtGlobal>

// Window geometry is stored in twips (1/1440 inch); at 96 dpi a pixel is 15
// twips. Conversions use the logical dpi of the primary screen.
namespace Twips {

int TwipsPerPixel();
inline int FromPixels(int pixels) { return pixels * TwipsPerPixel(); }
inline int ToPixels(int twips) { return twips / TwipsPerPixel(); }

} // namespace Twips
