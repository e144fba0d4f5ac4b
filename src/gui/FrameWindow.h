#pragma once

#include <QKeySequence>
#include <QMainWindow>

#include <functional>

#include "gui/QtHost.h"
#include "model/Season.h"

class FrameMenus;
class QMdiArea;
class QMdiSubWindow;
class QSessionManager;
class ResultsWindow;
class Shell;

// The main window: the menus, the accelerators and the area in which every
// open season has its results window. The frame handles the program-wide
// commands and passes every other command to the active results window.
class FrameWindow : public QMainWindow {
    Q_OBJECT
public:
    // Loads the preferences, the recent files and the grid fonts into shell.
    explicit FrameWindow(Shell& shell);
    ~FrameWindow() override;

    // Runs a menu, accelerator or popup command.
    void Command(int command);

    // Shows a results window for the season, which it then owns.
    ResultsWindow* OpenResultsWindow(SeasonPtr season);

    // Opens the file once the event loop runs (the start-up file).
    void OpenAtStartup(const QString& path);

    ResultsWindow* ActiveResultsWindow() const;
    QList<ResultsWindow*> ResultsWindows() const;
    QMdiArea* Area() const { return area_; }
    FrameMenus* Menus() const { return menus_; }
    // Whether the menu bar holds the full menu (a results window is active).
    bool ShowsFullMenu() const { return fullMenu_; }

    // Asks every results window to close (each may offer to save and may
    // refuse); true when none is left.
    bool CloseAll();
    // The session is ending: the same question as closing the program.
    bool QueryEndSession();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Open();
    void UpdateMenuBar();
    void FillWindowList();
    void AddAccelerator(int command, const QKeySequence& keys);
    void AddWindowKeys(QKeySequence::StandardKey platformKeys, const QList<QKeySequence>& ownKeys,
                       std::function<void()> act);
    void CommitData(QSessionManager& manager);
    void Shutdown();

    Shell& shell_;
    QtHost host_;
    FrameMenus* menus_ = nullptr;
    QMdiArea* area_ = nullptr;
    bool fullMenu_ = false;
    bool shutDown_ = false;
};
