#pragma once

#include <QWidget>

#include "gui/PrintJob.h"
#include "gui/QtHost.h"
#include "model/Season.h"
#include "render/ResultsScreen.h"

class QScrollBar;
class Shell;

// The window of one open season: it owns the season, shows its results grid,
// keeps the selection of one fixture or one player, scrolls, turns keys,
// clicks and menu commands into actions, and offers to save unsaved changes
// before it closes.
class ResultsWindow : public QWidget {
    Q_OBJECT
public:
    ResultsWindow(Shell& shell, SeasonPtr season, QWidget* parent = nullptr);
    ~ResultsWindow() override;

    // For timing the start-up: the program quits as soon as a results window
    // has painted its grid once ("--quit-after-first-paint").
    static void SetQuitAfterFirstPaint(bool quit);

    // Null once the close query has let the season go.
    Season* GetSeason() const { return season_.get(); }

    // A command of the full menu or of a popup.
    void Command(int command);

    // Selects fixture and player (-1: none of that kind), scrolling each into
    // view, and updates the menus.
    void Select(int fixture, int player);
    // Steps the selection through fixtures then players; direction 1 or -1.
    void Step(int direction);

    // Recalculates the season and repaints (after the preferences or the
    // fonts changed); layoutChanged also rebuilds the scroll bars.
    void RecomputeAndRepaint(bool layoutChanged);

    // Enables the fixture and player items of the frame's menu for the
    // selection, when this is the active results window.
    void UpdateMenuItems();

    // Opens the fixture editor on the fixture at index; when the user stores
    // it, recalculates and repaints. True when the fixture was stored.
    bool EditFixture(int index);

    // Prints the match sheet of the fixture at index; tells the user when
    // printing failed.
    void PrintMatchSheet(int fixtureIndex);
    // Prints the match sheet of fixture as it stands (the fixture editor's
    // working copy), nothing taken from the season first.
    void PrintMatchSheet(const Fixture& fixture);

    // Whether the window may close: offers to save a modified season, and
    // frees the season when the answer allows the close.
    bool CloseQuery();

    // How the scroll handling moves a position.
    enum class ScrollCode { LineBack, LineForward, PageBack, PageForward, Thumb, Start, End, None };
    void ScrollFixtures(ScrollCode code, int thumb = 0);
    void ScrollPlayers(ScrollCode code, int thumb = 0);

    // What the last paint decided, and the scroll bars (null while absent).
    const ScreenLayout& Layout() const { return layout_; }
    QScrollBar* FixtureScrollBar() const;
    QScrollBar* PlayerScrollBar() const;

    // The selection a left click at this client point makes.
    void ClickAt(QPoint point);

    bool IsActiveResultsWindow() const;

    // Room for at least this many fixture columns and player rows (or the
    // whole grid, when it is smaller): the size the window opens, cascades
    // and is restored at.
    static constexpr int kPreferredFixtures = 5;
    static constexpr int kPreferredPlayers = 10;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Tab and Shift+Tab move the selection, not the focus.
    bool focusNextPrevChild(bool next) override;

private:
    void Scroll(Qt::Orientation orientation, ScrollCode code, int thumb);
    void OnScrollAction(Qt::Orientation orientation, int action);
    void PlaceScrollBars();
    void ShowPopup(QPoint globalPos);
    void EditSelection();
    void Save(bool saveAs);
    void ExportPage();
    void EditTeam();
    void DeleteSelectedFixture();
    void InsertFixtureAndEdit(bool after);
    std::function<void(const Fixture&)> EditorPrint();
    void PrintSelectedMatchSheet();
    void Print(const Printout& printout);
    void ChooseFont();
    void ShowTeamSummary();
    void RegisterPlayers();
    void EditSelectedPlayer();

    Shell& shell_;
    QtHost host_;
    SeasonPtr season_;
    ScreenLayout layout_;
    QScrollBar* fixtureBar_ = nullptr;
    QScrollBar* playerBar_ = nullptr;
    // The toolkit hands the focus over before a press reaches the window, so
    // whether a right click found the window already focused is kept here.
    bool focusedByPress_ = false;
    bool rightPressFocused_ = false;
};
