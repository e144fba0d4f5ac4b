#include "gui/FrameMenus.h"

#include <QAction>
#include <QMenu>

#include "gui/CommandIds.h"

FrameMenus::FrameMenus(QWidget* parent) : QObject(parent)
{
    // Basic menu.
    QMenu* file = AddMenu(basic_, QStringLiteral("&File"));
    AddItem(file, Command::New, QStringLiteral("&New..."));
    AddItem(file, Command::Open, QStringLiteral("&Open...\tCtrl+O"));
    file->addSeparator();
    AddItem(file, Command::Exit, QStringLiteral("E&xit\tAlt+F4"));
    QMenu* options = AddMenu(basic_, QStringLiteral("&Options"));
    AddItem(options, Command::Preferences, QStringLiteral("&Preferences..."));
    QMenu* help = AddMenu(basic_, QStringLiteral("&Help"));
    AddItem(help, Command::Help, QStringLiteral("&Help\tF1"));
    help->addSeparator();
    AddItem(help, Command::About, QStringLiteral("&About"));

    // Full menu.
    file = AddMenu(full_, QStringLiteral("&File"));
    AddItem(file, Command::New, QStringLiteral("&New..."));
    AddItem(file, Command::Open, QStringLiteral("&Open...\tCtrl+O"));
    AddItem(file, Command::Save, QStringLiteral("&Save\tCtrl+S"));
    AddItem(file, Command::SaveAs, QStringLiteral("S&ave as..."));
    AddItem(file, Command::ExportWebPage, QStringLiteral("&Export web page..."));
    file->addSeparator();
    AddItem(file, Command::PrintTeamResults, QStringLiteral("&Print...\tCtrl+P"));
    file->addSeparator();
    AddItem(file, Command::Exit, QStringLiteral("E&xit\tAlt+F4"));
    QMenu* team = AddMenu(full_, QStringLiteral("&Team"));
    AddItem(team, Command::EditTeam, QStringLiteral("&Edit team..."));
    AddItem(team, Command::TeamSummary, QStringLiteral("&Team summary..."));
    AddItem(team, Command::PrintTeamResults, QStringLiteral("&Print team results...\tCtrl+P"));
    QMenu* fixtures = AddMenu(full_, QStringLiteral("Fi&xtures"));
    AddItem(fixtures, Command::EditFixture, QStringLiteral("&Edit fixture..."));
    AddItem(fixtures, Command::InsertFixtureBefore, QStringLiteral("Insert fixture &before..."));
    AddItem(fixtures, Command::InsertFixtureAfter, QStringLiteral("Insert fixture &after..."));
    AddItem(fixtures, Command::DeleteFixture, QStringLiteral("&Delete fixture..."));
    AddItem(fixtures, Command::PrintMatchSheet, QStringLiteral("&Print match sheet..."));
    QMenu* players = AddMenu(full_, QStringLiteral("&Players"));
    AddItem(players, Command::EditPlayer, QStringLiteral("&Edit player..."));
    AddItem(players, Command::PrintPlayerSummary, QStringLiteral("&Print player summary..."));
    players->addSeparator();
    AddItem(players, Command::RegisterPlayer, QStringLiteral("&Register player..."));
    options = AddMenu(full_, QStringLiteral("&Options"));
    AddItem(options, Command::Preferences, QStringLiteral("&Preferences..."));
    AddItem(options, Command::Font, QStringLiteral("&Font..."));
    QMenu* window = AddMenu(full_, QStringLiteral("&Window"));
    AddItem(window, Command::TileHorizontally, QStringLiteral("Tile &horizontally"));
    AddItem(window, Command::TileVertically, QStringLiteral("Tile &vertically\tShift+F4"));
    AddItem(window, Command::CascadeWindows, QStringLiteral("&Cascade windows\tShift+F5"));
    AddItem(window, Command::ArrangeIcons, QStringLiteral("&Arrange icons"));
    help = AddMenu(full_, QStringLiteral("&Help"));
    AddItem(help, Command::Help, QStringLiteral("&Help\tF1"));
    help->addSeparator();
    AddItem(help, Command::About, QStringLiteral("&About"));
}

FrameMenus::~FrameMenus()
{
    // The menus have no parent widget (a menu bar only borrows them).
    qDeleteAll(basic_);
    qDeleteAll(full_);
}

QMenu* FrameMenus::AddMenu(QList<QMenu*>& bar, const QString& title)
{
    auto* menu = new QMenu(title);
    bar.append(menu);
    return menu;
}

QAction* FrameMenus::AddItem(QMenu* menu, int command, const QString& text)
{
    QAction* action = menu->addAction(text);
    action->setData(command);
    action->setEnabled(IsAvailable(command));
    return action;
}

QAction* FrameMenus::ExitItem(QMenu* fileMenu)
{
    for (QAction* a : fileMenu->actions())
        if (a->data().toInt() == Command::Exit)
            return a;
    return nullptr;
}

QMenu* FrameMenus::FullMenuTitled(const QString& title) const
{
    for (QMenu* m : full_)
        if (m->title() == title)
            return m;
    return nullptr;
}

QList<QAction*> FrameMenus::Items(int command) const
{
    QList<QAction*> items;
    for (const QList<QMenu*>* bar : {&basic_, &full_})
        for (QMenu* m : *bar)
            for (QAction* a : m->actions())
                if (!a->isSeparator() && a->data().toInt() == command)
                    items.append(a);
    return items;
}

bool FrameMenus::IsAvailable(int)
{
    // Every command of the menus has its dialog or action.
    return true;
}

void FrameMenus::SetEnabled(int command, bool enabled)
{
    for (QAction* a : Items(command))
        a->setEnabled(enabled && IsAvailable(command));
}
