// The results window's selection, scrolling, keys, clicks and popup menus.

#include "gui/ResultsWindow.h"

#include <QAction>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include "gui/CommandIds.h"
#include "gui/FrameMenus.h"
#include "gui/Shell.h"

namespace {

bool Inside(const Rect& r, QPoint p)
{
    return p.x() >= r.left && p.x() < r.right && p.y() >= r.top && p.y() < r.bottom;
}

// Commands only the frame carries out (the File popup offers them too).
bool IsFrameCommand(int command)
{
    return command == Command::New || command == Command::Open || command == Command::Exit ||
           (command >= Command::RecentFileFirst && command <= Command::RecentFileLast);
}

} // namespace

void ResultsWindow::Select(int fixture, int player)
{
    if (!season_)
        return;
    Season& s = *season_;
    if (FixtureScrollBar()) {
        if (fixture >= 0 && fixture < s.firstFixture)
            ScrollFixtures(ScrollCode::Thumb, fixture);
        else if (fixture >= s.firstFixture + s.visibleFixtures)
            ScrollFixtures(ScrollCode::Thumb, fixture - s.visibleFixtures + 1);
    }
    if (PlayerScrollBar()) {
        if (player >= 0 && player < s.firstPlayer)
            ScrollPlayers(ScrollCode::Thumb, player);
        else if (player >= s.firstPlayer + s.visiblePlayers)
            ScrollPlayers(ScrollCode::Thumb, player - s.visiblePlayers + 1);
    }
    const bool changed = fixture != s.selectedFixture || player != s.selectedPlayer;
    s.selectedFixture = fixture;
    s.selectedPlayer = player;
    UpdateMenuItems();
    if (changed)
        update();
}

void ResultsWindow::Step(int direction)
{
    if (!season_)
        return;
    const Season& s = *season_;
    // Fixtures and players form one sequence: fixture i is place i, player i
    // place fixtureCount + i; before the first place there is "nothing".
    const int current =
        s.selectedPlayer >= 0 ? s.fixtureCount + s.selectedPlayer : s.selectedFixture;
    const int q = current + direction;
    int fixture = -1;
    int player = -1;
    if (q < -1) {
        // Backwards from nothing: the last player, or the last fixture of a
        // season without players (so the walk never sticks at nothing).
        if (s.playerCount > 0)
            player = s.playerCount - 1;
        else if (s.fixtureCount > 0)
            fixture = s.fixtureCount - 1;
    } else if (q == -1) {
        // nothing
    } else if (q < s.fixtureCount) {
        fixture = q;
    } else if (q - s.fixtureCount < s.playerCount) {
        player = q - s.fixtureCount;
    }
    Select(fixture, player);
}

void ResultsWindow::ScrollFixtures(ScrollCode code, int thumb)
{
    Scroll(Qt::Horizontal, code, thumb);
}

void ResultsWindow::ScrollPlayers(ScrollCode code, int thumb)
{
    Scroll(Qt::Vertical, code, thumb);
}

void ResultsWindow::Scroll(Qt::Orientation orientation, ScrollCode code, int thumb)
{
    if (!season_)
        return;
    Season& s = *season_;
    const bool fixtures = orientation == Qt::Horizontal;
    std::int32_t& first = fixtures ? s.firstFixture : s.firstPlayer;
    const int count = fixtures ? s.fixtureCount : s.playerCount;
    const int visible = fixtures ? s.visibleFixtures : s.visiblePlayers;

    int position = first;
    switch (code) {
    case ScrollCode::LineBack:
        --position;
        break;
    case ScrollCode::LineForward:
        ++position;
        break;
    case ScrollCode::PageBack:
        position += 1 - visible;
        break;
    case ScrollCode::PageForward:
        position += visible - 1;
        break;
    case ScrollCode::Thumb:
        position = thumb;
        break;
    case ScrollCode::Start:
        position = 0;
        break;
    case ScrollCode::End:
        position = count - visible;
        break;
    case ScrollCode::None:
        return;
    }
    position = std::min(position, count - visible);
    position = std::max(position, 0);

    QScrollBar* bar = fixtures ? fixtureBar_ : playerBar_;
    if (position != first) {
        first = position;
        update();
    }
    bar->setSliderPosition(first);
    bar->setValue(first);
}

void ResultsWindow::OnScrollAction(Qt::Orientation orientation, int action)
{
    QScrollBar* bar = orientation == Qt::Horizontal ? fixtureBar_ : playerBar_;
    ScrollCode code = ScrollCode::None;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        code = ScrollCode::LineBack;
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        code = ScrollCode::LineForward;
        break;
    case QAbstractSlider::SliderPageStepSub:
        code = ScrollCode::PageBack;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        code = ScrollCode::PageForward;
        break;
    case QAbstractSlider::SliderToMinimum:
        code = ScrollCode::Start;
        break;
    case QAbstractSlider::SliderToMaximum:
        code = ScrollCode::End;
        break;
    case QAbstractSlider::SliderMove:
        // While the thumb is dragged the grid stays; it follows on release.
        if (bar->isSliderDown())
            return;
        code = ScrollCode::Thumb;
        break;
    default:
        return;
    }
    Scroll(orientation, code, bar->sliderPosition());
}

void ResultsWindow::keyPressEvent(QKeyEvent* event)
{
    if (!season_) {
        QWidget::keyPressEvent(event);
        return;
    }
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    // A key moves a scroll bar only while that bar is there.
    auto fixtures = [this](ScrollCode code) {
        if (FixtureScrollBar())
            ScrollFixtures(code);
    };
    auto players = [this](ScrollCode code) {
        if (PlayerScrollBar())
            ScrollPlayers(code);
    };
    // Tab with Ctrl, Alt or Meta belongs to the frame (the next window).
    const bool plainTab =
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (!plainTab) {
            QWidget::keyPressEvent(event);
            return;
        }
        Step(shift || event->key() == Qt::Key_Backtab ? -1 : 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        EditSelection();
        break;
    case Qt::Key_PageUp:
        shift ? fixtures(ScrollCode::PageBack) : players(ScrollCode::PageBack);
        break;
    case Qt::Key_PageDown:
        shift ? fixtures(ScrollCode::PageForward) : players(ScrollCode::PageForward);
        break;
    case Qt::Key_Home:
        shift ? fixtures(ScrollCode::Start) : players(ScrollCode::Start);
        break;
    case Qt::Key_End:
        shift ? fixtures(ScrollCode::End) : players(ScrollCode::End);
        break;
    case Qt::Key_Left:
        fixtures(ScrollCode::LineBack);
        break;
    case Qt::Key_Right:
        fixtures(ScrollCode::LineForward);
        break;
    case Qt::Key_Up:
        players(ScrollCode::LineBack);
        break;
    case Qt::Key_Down:
        players(ScrollCode::LineForward);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool ResultsWindow::focusNextPrevChild(bool)
{
    return false;
}

void ResultsWindow::ClickAt(QPoint point)
{
    if (!season_)
        return;
    const Season& s = *season_;
    const Rect& header = layout_.fixtureHeaderRect;
    const Rect& names = layout_.nameColumnRect;
    if (!layout_.tooSmall && Inside(header, point)) {
        const int f = (point.x() - header.left) * s.visibleFixtures / (header.right - header.left) +
                      s.firstFixture;
        Select(f, -1);
    } else if (!layout_.tooSmall && Inside(names, point)) {
        const int p =
            (point.y() - names.top) * s.visiblePlayers / (names.bottom - names.top) + s.firstPlayer;
        Select(-1, p);
    } else {
        Select(-1, -1);
    }
}

void ResultsWindow::EditSelection()
{
    if (!season_)
        return;
    if (season_->selectedFixture >= 0)
        Command(Command::EditFixture);
    else if (season_->selectedPlayer >= 0)
        Command(Command::EditPlayer);
}

void ResultsWindow::focusInEvent(QFocusEvent* event)
{
    // The press that moved the focus here is delivered straight after this;
    // a click on a scroll bar moves the focus here too but never arrives, so
    // the mark lasts no longer than the event being handled.
    if (event->reason() == Qt::MouseFocusReason) {
        focusedByPress_ = true;
        QTimer::singleShot(0, this, [this] { focusedByPress_ = false; });
    }
    QWidget::focusInEvent(event);
}

void ResultsWindow::mousePressEvent(QMouseEvent* event)
{
    // A right click on a window that lacked the focus only focuses it.
    if (event->button() == Qt::RightButton)
        rightPressFocused_ = focusedByPress_ || !hasFocus();
    focusedByPress_ = false;
    QWidget::mousePressEvent(event);
}

void ResultsWindow::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        ClickAt(point);
    } else if (event->button() == Qt::RightButton) {
        const bool hadFocus = hasFocus() && !rightPressFocused_;
        rightPressFocused_ = false;
        if (hadFocus) {
            ClickAt(point);
            ShowPopup(event->globalPosition().toPoint());
        } else {
            setFocus(Qt::MouseFocusReason);
        }
    } else {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    event->accept();
}

void ResultsWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        EditSelection();
    event->accept();
}

void ResultsWindow::wheelEvent(QWheelEvent* event)
{
    // One notch moves one row (or, sideways or with Shift, one column).
    const QPoint delta = event->angleDelta();
    const bool sideways =
        delta.x() != 0 || (event->modifiers() & Qt::ShiftModifier) != Qt::NoModifier;
    const int amount = delta.x() != 0 ? delta.x() : delta.y();
    if (amount == 0) {
        event->ignore();
        return;
    }
    const ScrollCode code = amount > 0 ? ScrollCode::LineBack : ScrollCode::LineForward;
    if (sideways && FixtureScrollBar())
        ScrollFixtures(code);
    else if (!sideways && PlayerScrollBar())
        ScrollPlayers(code);
    event->accept();
}

void ResultsWindow::ShowPopup(QPoint globalPos)
{
    if (!season_ || !shell_.menus)
        return;
    const QString title = season_->selectedPlayer >= 0    ? QStringLiteral("&Players")
                          : season_->selectedFixture >= 0 ? QStringLiteral("Fi&xtures")
                                                          : QStringLiteral("&File");
    QMenu* source = shell_.menus->FullMenuTitled(title);
    if (!source)
        return;
    // A menu of its own over the same items, so the command comes back
    // here and not through the menu bar.
    QMenu popup(this);
    popup.addActions(source->actions());
    QAction* chosen = popup.exec(globalPos);
    if (!chosen || chosen->isSeparator())
        return;
    const int command = chosen->data().toInt();
    if (IsFrameCommand(command)) {
        if (shell_.frameCommand)
            shell_.frameCommand(command);
        return;
    }
    Command(command);
}
