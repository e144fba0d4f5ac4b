#include "gui/FrameWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSessionManager>
#include <QTimer>

#include "gui/AboutDialog.h"
#include "gui/CommandIds.h"
#include "gui/FileDialogs.h"
#include "gui/FrameMenus.h"
#include "gui/MdiArrange.h"
#include "gui/PreferencesDialog.h"
#include "gui/ProgramIcon.h"
#include "gui/RecentFiles.h"
#include "gui/ResultsWindow.h"
#include "gui/Shell.h"
#include "gui/dialogs/TeamOptionsDialog.h"
#include "platform/GridFonts.h"
#include "platform/SeasonFiles.h"

FrameWindow::FrameWindow(Shell& shell) : shell_(shell), host_(shell, this)
{
    setObjectName(QStringLiteral("frameWindow"));
    setWindowTitle(QStringLiteral("Bowls results"));
    setWindowIcon(ProgramIcon());

    shell_.preferences = LoadPreferences();

    menus_ = new FrameMenus(this);
    shell_.menus = menus_;
    shell_.frameCommand = [this](int command) { Command(command); };
    shell_.Recent().AttachMenu(menus_->BasicFile(), FrameMenus::ExitItem(menus_->BasicFile()));
    shell_.Recent().AttachMenu(menus_->FullFile(), FrameMenus::ExitItem(menus_->FullFile()));
    shell_.Recent().Load();
    // The file dialogs start where the most recent season lives.
    if (shell_.Dialogs().Folder().isEmpty() && !shell_.Recent().At(0).isEmpty())
        shell_.Dialogs().SetFolder(QFileInfo(shell_.Recent().At(0)).absolutePath());

    shell_.gridFonts = CreateGridFonts();

    area_ = new QMdiArea(this);
    area_->setObjectName(QStringLiteral("clientArea"));
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(area_);
    connect(area_, &QMdiArea::subWindowActivated, this, &FrameWindow::UpdateMenuBar);

    connect(menuBar(), &QMenuBar::triggered, this,
            [this](QAction* action) { Command(action->data().toInt()); });
    connect(menus_->FullWindow(), &QMenu::aboutToShow, this, &FrameWindow::FillWindowList);

    // The platform's standard keys where they are these.
    AddAccelerator(Command::Open, QKeySequence(QKeySequence::Open));
    AddAccelerator(Command::Save, QKeySequence(QKeySequence::Save));
    AddAccelerator(Command::PrintTeamResults, QKeySequence(QKeySequence::Print));
    AddAccelerator(Command::Help, QKeySequence(QKeySequence::HelpContents));
    AddAccelerator(Command::TileVertically, QKeySequence(Qt::SHIFT | Qt::Key_F4));
    AddAccelerator(Command::CascadeWindows, QKeySequence(Qt::SHIFT | Qt::Key_F5));

    // The keys that close the active results window and step through the
    // windows: the platform's own, and those of Windows on every platform.
    AddWindowKeys(QKeySequence::Close, {QKeySequence(Qt::CTRL | Qt::Key_F4)},
                  [this] { area_->closeActiveSubWindow(); });
    AddWindowKeys(QKeySequence::NextChild,
                  {QKeySequence(Qt::CTRL | Qt::Key_F6), QKeySequence(Qt::CTRL | Qt::Key_Tab)},
                  [this] { area_->activateNextSubWindow(); });
    AddWindowKeys(QKeySequence::PreviousChild,
                  {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)},
                  [this] { area_->activatePreviousSubWindow(); });

    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this, &FrameWindow::CommitData);

    UpdateMenuBar();
    resize(960, 680);
}

FrameWindow::~FrameWindow()
{
    Shutdown();
    // The results windows go first, while the frame is still whole.
    for (QMdiSubWindow* sub : area_->subWindowList())
        disconnect(sub, nullptr, this, nullptr);
    disconnect(area_, nullptr, this, nullptr);
    delete area_;
    area_ = nullptr;
    shell_.menus = nullptr;
    shell_.frameCommand = nullptr;
}

void FrameWindow::AddAccelerator(int command, const QKeySequence& keys)
{
    auto* action = new QAction(this);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setData(command);
    connect(action, &QAction::triggered, this, [this, command] { Command(command); });
    addAction(action);
}

void FrameWindow::AddWindowKeys(QKeySequence::StandardKey platformKeys,
                                const QList<QKeySequence>& ownKeys, std::function<void()> act)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(platformKeys);
    // One key bound twice would be ambiguous and do nothing at all.
    for (const QKeySequence& key : ownKeys)
        if (!keys.contains(key))
            keys.append(key);
    auto* action = new QAction(this);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [act = std::move(act)] { act(); });
    addAction(action);
}

void FrameWindow::Command(int command)
{
    if (!FrameMenus::IsAvailable(command))
        return;
    if (command >= Command::RecentFileFirst && command <= Command::RecentFileLast) {
        const QString path = shell_.Recent().At(command - Command::RecentFileFirst);
        if (path.isEmpty())
            return;
        shell_.pendingOpenPath = path;
        Open();
        return;
    }
    if (command >= Command::WindowListFirst) {
        const QList<QMdiSubWindow*> windows = area_->subWindowList(QMdiArea::CreationOrder);
        const int index = command - Command::WindowListFirst;
        if (index < windows.size()) {
            // A window chosen while it is an icon is wanted back.
            QMdiSubWindow* chosen = windows.at(index);
            if (chosen->isMinimized())
                chosen->showNormal();
            area_->setActiveSubWindow(chosen);
        }
        return;
    }
    switch (command) {
    case Command::New:
        if (SeasonPtr season = NewSeasonDialog(shell_, this))
            OpenResultsWindow(std::move(season));
        return;
    case Command::Open:
        Open();
        return;
    case Command::Exit:
        close();
        return;
    case Command::CloseAll:
        CloseAll();
        return;
    case Command::Preferences:
        if (RunPreferencesDialog(shell_, this))
            shell_.RefreshAllWindows(false);
        return;
    case Command::TileHorizontally:
        TileHorizontally(*area_);
        return;
    case Command::TileVertically:
        TileVertically(*area_);
        return;
    case Command::CascadeWindows:
        Cascade(*area_);
        return;
    case Command::ArrangeIcons:
        ArrangeIcons(*area_);
        return;
    case Command::Help:
        shell_.ShowHelp(HelpTopic::Contents);
        return;
    case Command::About: {
        AboutDialog about(this);
        about.exec();
        return;
    }
    default:
        // A command for a season goes to the active window; none, none.
        if (ResultsWindow* window = ActiveResultsWindow())
            window->Command(command);
        return;
    }
}

void FrameWindow::Open()
{
    QString path;
    bool readOnly = false;
    if (!shell_.pendingOpenPath.isEmpty()) {
        path = shell_.pendingOpenPath;
        shell_.pendingOpenPath.clear();
    } else {
        const FileDialogs::OpenChoice choice = shell_.Dialogs().ChooseOpenFile(this);
        path = choice.path;
        readOnly = choice.readOnly;
    }
    if (path.isEmpty())
        return;
    SeasonPtr season = OpenSeasonPath(host_, path, readOnly);
    if (season)
        OpenResultsWindow(std::move(season));
}

void FrameWindow::OpenAtStartup(const QString& path)
{
    shell_.pendingOpenPath = path;
    QTimer::singleShot(0, this, [this] { Command(Command::Open); });
}

ResultsWindow* FrameWindow::OpenResultsWindow(SeasonPtr season)
{
    // The first window fills the area; later ones take the platform's place.
    const bool alone = area_->subWindowList().isEmpty();
    auto* window = new ResultsWindow(shell_, std::move(season));
    QMdiSubWindow* sub = area_->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(ProgramIcon());
    // The frame's keys close the active window. The window menu's Close item
    // stays, without its keys: bound in every window as well as in the frame,
    // they would be ambiguous as soon as two windows are open, and do nothing.
    if (QMenu* menu = sub->systemMenu())
        for (QAction* action : menu->actions())
            action->setShortcuts({});
    // Its preferred size and place, which a maximised window also returns
    // to when it is restored.
    PlaceNewWindow(*area_, *sub);
    // The window list and the menus follow the windows as they go.
    connect(sub, &QObject::destroyed, this,
            [this] { QTimer::singleShot(0, this, &FrameWindow::UpdateMenuBar); });
    if (alone)
        sub->showMaximized();
    else
        sub->show();
    area_->setActiveSubWindow(sub);
    sub->raise();
    window->setFocus();
    UpdateMenuBar();
    return window;
}

ResultsWindow* FrameWindow::ActiveResultsWindow() const
{
    QMdiSubWindow* sub = area_->activeSubWindow();
    if (!sub)
        sub = area_->currentSubWindow();
    return sub ? qobject_cast<ResultsWindow*>(sub->widget()) : nullptr;
}

QList<ResultsWindow*> FrameWindow::ResultsWindows() const
{
    QList<ResultsWindow*> windows;
    for (QMdiSubWindow* sub : area_->subWindowList(QMdiArea::CreationOrder))
        if (auto* w = qobject_cast<ResultsWindow*>(sub->widget()))
            windows.append(w);
    return windows;
}

void FrameWindow::UpdateMenuBar()
{
    ResultsWindow* active = ActiveResultsWindow();
    const bool full = active != nullptr;
    if (full != fullMenu_ || menuBar()->actions().isEmpty()) {
        fullMenu_ = full;
        menuBar()->clear();
        for (QMenu* menu : full ? menus_->Full() : menus_->Basic())
            menuBar()->addMenu(menu);
    }
    if (active)
        active->UpdateMenuItems();
}

void FrameWindow::FillWindowList()
{
    QMenu* menu = menus_->FullWindow();
    for (QAction* a : menu->actions())
        if (a->property("windowList").toBool()) {
            menu->removeAction(a);
            delete a;
        }
    const QList<QMdiSubWindow*> windows = area_->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty())
        return;
    QAction* separator = menu->addSeparator();
    separator->setProperty("windowList", true);
    QMdiSubWindow* active = area_->activeSubWindow();
    for (int i = 0; i < windows.size(); ++i) {
        QString title = windows.at(i)->windowTitle();
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* a = menu->addAction(i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(title)
                                           : QStringLiteral("%1 %2").arg(i + 1).arg(title));
        a->setData(Command::WindowListFirst + i);
        a->setCheckable(true);
        a->setChecked(windows.at(i) == active);
        a->setProperty("windowList", true);
    }
}

bool FrameWindow::CloseAll()
{
    for (QMdiSubWindow* sub : area_->subWindowList(QMdiArea::CreationOrder)) {
        // Shown normally while it asks, so the user sees which season it means.
        if (sub->isMinimized() || sub->isMaximized())
            sub->showNormal();
        sub->close();
    }
    UpdateMenuBar();
    return area_->subWindowList().isEmpty();
}

bool FrameWindow::QueryEndSession()
{
    const bool none = area_->subWindowList().isEmpty() || CloseAll();
    if (none)
        shell_.Recent().Save();
    return none;
}

void FrameWindow::CommitData(QSessionManager& manager)
{
    // Without leave to ask, nothing can be offered for saving: let the
    // session manager decide (it may end the session regardless).
    if (!manager.allowsInteraction())
        return;
    const bool none = QueryEndSession();
    manager.release();
    if (!none)
        manager.cancel();
}

void FrameWindow::closeEvent(QCloseEvent* event)
{
    if (!area_->subWindowList().isEmpty() && !CloseAll()) {
        event->ignore();
        return;
    }
    Shutdown();
    event->accept();
}

void FrameWindow::Shutdown()
{
    if (shutDown_)
        return;
    shutDown_ = true;
    shell_.Recent().Save();
    shell_.Recent().DetachMenus();
    shell_.CloseHelp();
}
