#pragma once

#include <QtGlobal>

class QWidget;

namespace StoredPlace {

// Moves a top-level window to a stored place, in twips; -1 stands for a
// coordinate that is not stored, which stays where the window system puts the
// window: with both stored the window moves at once; with one, it moves when
// it is first shown and on the screen, after the window system has placed it,
// and only that coordinate changes.
void Apply(QWidget& window, qint32 xTwips, qint32 yTwips);

} // namespace StoredPlace
