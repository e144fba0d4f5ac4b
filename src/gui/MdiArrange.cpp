#include "gui/MdiArrange.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

QList<QMdiSubWindow*> Windows(QMdiArea& area, bool minimised)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : area.subWindowList(QMdiArea::CreationOrder))
        if (w->isVisible() && w->isMinimized() == minimised)
            windows.append(w);
    return windows;
}

// Lines the icons up from the bottom left, row above row; returns the height
// they take.
int LineUpIcons(QMdiArea& area)
{
    const QRect room = area.viewport()->rect();
    int x = 0;
    int y = room.bottom() + 1;
    int rowHeight = 0;
    for (QMdiSubWindow* w : Windows(area, true)) {
        const QSize size = w->size();
        if (x > 0 && x + size.width() > room.width()) {
            x = 0;
            y -= rowHeight;
            rowHeight = 0;
        }
        rowHeight = std::max(rowHeight, size.height());
        w->move(x, y - size.height());
        x += size.width();
    }
    return room.bottom() + 1 - (y - rowHeight);
}

void Tile(QMdiArea& area, bool oneAboveTheOther)
{
    const int iconHeight = LineUpIcons(area);
    QList<QMdiSubWindow*> windows = Windows(area, false);
    if (windows.isEmpty())
        return;
    QRect room = area.viewport()->rect();
    room.setBottom(room.bottom() - iconHeight);
    const int n = static_cast<int>(windows.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* w = windows.at(i);
        if (w->isMaximized())
            w->showNormal();
        QRect r;
        if (oneAboveTheOther) {
            const int top = room.top() + room.height() * i / n;
            const int bottom = room.top() + room.height() * (i + 1) / n;
            r = QRect(room.left(), top, room.width(), bottom - top);
        } else {
            const int left = room.left() + room.width() * i / n;
            const int right = room.left() + room.width() * (i + 1) / n;
            r = QRect(left, room.top(), right - left, room.height());
        }
        w->setGeometry(r);
    }
}

} // namespace

void TileHorizontally(QMdiArea& area)
{
    Tile(area, true);
}

void TileVertically(QMdiArea& area)
{
    Tile(area, false);
}

void ArrangeIcons(QMdiArea& area)
{
    LineUpIcons(area);
}
