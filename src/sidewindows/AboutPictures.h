#pragma once

#include <QIcon>
#include <QPixmap>

// The about window's pictures, drawn here so the program needs no image files.
namespace AboutPictures {

// A magnifying glass over a piece of track: the program's icon.
QIcon KluniIcon();
// A small locomotive under a magnifying glass.
QPixmap KluniPicture();
// Zirbo, a friendly pine cone, waving.
QPixmap ZirboPicture();

} // namespace AboutPictures
