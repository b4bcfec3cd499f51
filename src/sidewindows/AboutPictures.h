#pragma once

#include <QIcon>
#include <QPixmap>

// The about window's pictures, drawn here, and the program's icon.
namespace AboutPictures {

// A magnifying glass over a piece of track: the program's icon, in the sizes
// rendered from data/icons/io.github.kluni.Kluni.svg at build time.
QIcon KluniIcon();
// A small locomotive under a magnifying glass.
QPixmap KluniPicture();
// Zirbo, a friendly pine cone, waving.
QPixmap ZirboPicture();

} // namespace AboutPictures
