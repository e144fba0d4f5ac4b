#pragma once

#include <QFont>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gui/PrintJob.h"
#include "model/Host.h"
#include "platform/Settings.h"
#include "render/Surface.h"

class FileDialogs;
class FrameMenus;
class HelpWindow;
class QWidget;
class RecentFiles;
class ResultsWindow;
struct Season;

// One message box as the program asks for it: the seam through which tests
// answer boxes instead of a user.
struct ShellMessage {
    QWidget* owner = nullptr;
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::Exclamation;
    Buttons buttons = Buttons::Ok;
    Answer defaultAnswer = Answer::Ok;
};
using MessagePresenter = std::function<Answer(const ShellMessage&)>;

// What the frame and every results window share for the program's lifetime:
// the preferences, the recent files, the pending open path, the file dialogs,
// the help window, the list of open results windows and the way back to the
// frame. The frame never holds a season; the windows never hold these.
class Shell {
public:
    Shell();
    ~Shell();
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    Preferences preferences;

    // The description the results grid's fonts are made from, as the
    // settings store holds it (remade after the Font command).
    GridFontDescription gridFonts;

    // A one-shot path that the next Open takes instead of asking.
    QString pendingOpenPath;

    RecentFiles& Recent() { return *recentFiles_; }
    FileDialogs& Dialogs() { return *fileDialogs_; }

    // Shows a message box (or hands it to the presenter tests install).
    Answer Present(const ShellMessage& message);
    void SetMessagePresenter(MessagePresenter presenter) { presenter_ = std::move(presenter); }

    // Help: the contents for HelpTopic::Contents, else the topic by number.
    void ShowHelp(int topic);
    void CloseHelp();
    HelpWindow* Help() const;

    // The open results windows, in order of creation.
    void Register(ResultsWindow* window);
    void Unregister(ResultsWindow* window);
    const std::vector<ResultsWindow*>& Windows() const { return windows_; }
    ResultsWindow* WindowFor(const Season& season) const;

    // The frame's menus, while there is a frame.
    FrameMenus* menus = nullptr;

    // Commands that only the frame handles (New, Open, Exit, recent files)
    // reach it through here when a results window's popup menu offers them.
    std::function<void(int command)> frameCommand;

    // The font chooser; the platform's dialog unless a test installs its own.
    // Gives the chosen font, or nothing when the user cancelled.
    using FontChooser = std::function<std::optional<QFont>(const QFont& initial, QWidget* owner)>;
    FontChooser fontChooser;
    std::optional<QFont> ChooseFont(const QFont& initial, QWidget* owner);

    // The print dialog; tests replace it with one that prints to a file.
    PrintDialogRunner printDialog = RunPrintDialog;
    // Where the last printout to a file went: the next one is proposed there.
    QString pdfFolder;

    // Tells every results window to recompute and repaint (after the
    // preferences or the fonts changed).
    void RefreshAllWindows(bool layoutChanged);

private:
    std::unique_ptr<RecentFiles> recentFiles_;
    std::unique_ptr<FileDialogs> fileDialogs_;
    QPointer<HelpWindow> help_;
    MessagePresenter presenter_;
    std::vector<ResultsWindow*> windows_;
};
