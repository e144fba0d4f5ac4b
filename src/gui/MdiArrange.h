#pragma once

class QMdiArea;

// The Window menu's arrangements. Minimised windows keep their icons in a row
// along the bottom; the others share the rest of the area.
void TileHorizontally(QMdiArea& area); // one above the other
void TileVertically(QMdiArea& area);   // side by side
void ArrangeIcons(QMdiArea& area);
