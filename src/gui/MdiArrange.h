#pragma once

#include <QSize>

class QMdiArea;
class QMdiSubWindow;

// The Window menu's arrangements. Minimised windows keep their icons in a row
// along the bottom; the others share the rest of the area.
void TileHorizontally(QMdiArea& area); // one above the other
void TileVertically(QMdiArea& area);   // side by side
void ArrangeIcons(QMdiArea& area);
// Cascades the windows from the top left, each at its preferred size within
// the area, the active window last (on top).
void Cascade(QMdiArea& area);

// A window's preferred size (its frame included), within the area.
QSize FittingSize(QMdiArea& area, const QMdiSubWindow& window);
// Gives a new window its preferred size and a place one step down and right
// of the active window, or the top left where that would not fit.
void PlaceNewWindow(QMdiArea& area, QMdiSubWindow& window);
