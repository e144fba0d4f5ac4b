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

// How far each cascaded window steps down and right of the one before: its
// title bar's height, so that every title stays in sight.
int CascadeStep(const QMdiSubWindow& window)
{
    const int title = window.widget() ? window.widget()->y() : 0;
    return std::max(title, 16);
}

QRect FreeRoom(QMdiArea& area, int iconHeight)
{
    QRect room = area.viewport()->rect();
    room.setBottom(room.bottom() - iconHeight);
    return room;
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

QSize FittingSize(QMdiArea& area, const QMdiSubWindow& window)
{
    return window.sizeHint().boundedTo(area.viewport()->size());
}

void Cascade(QMdiArea& area)
{
    const QRect room = FreeRoom(area, LineUpIcons(area));
    QList<QMdiSubWindow*> windows = Windows(area, false);
    if (QMdiSubWindow* active = area.activeSubWindow(); active && windows.removeOne(active))
        windows.append(active);
    int offset = 0;
    for (QMdiSubWindow* w : windows) {
        if (w->isMaximized())
            w->showNormal();
        const QSize size = w->sizeHint().boundedTo(room.size());
        // Past the area's edge the cascade starts again at the top left.
        if (offset + size.width() > room.width() || offset + size.height() > room.height())
            offset = 0;
        w->setGeometry(QRect(room.topLeft() + QPoint(offset, offset), size));
        w->raise();
        offset += CascadeStep(*w);
    }
}

void PlaceNewWindow(QMdiArea& area, QMdiSubWindow& window)
{
    const QSize size = FittingSize(area, window);
    const QRect room = area.viewport()->rect();
    QPoint place = room.topLeft();
    QMdiSubWindow* active = area.activeSubWindow();
    if (active && active != &window && !active->isMinimized() && !active->isMaximized()) {
        const int step = CascadeStep(*active);
        place = active->pos() + QPoint(step, step);
        if (place.x() + size.width() > room.right() + 1 ||
            place.y() + size.height() > room.bottom() + 1)
            place = room.topLeft();
    }
    window.setGeometry(QRect(place, size));
}
