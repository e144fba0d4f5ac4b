#include "gui/QtHost.h"

#include <QGuiApplication>
#include <QLocale>

#include "gui/RecentFiles.h"
#include "gui/ResultsWindow.h"
#include "gui/Shell.h"
#include "platform/SeasonFiles.h"
#include "platform/Settings.h"

QtHost::QtHost(Shell& shell, QWidget* owner) : shell_(shell), owner_(owner)
{
}

void QtHost::ShowMessage(std::string_view text, std::string_view title, MessageIcon icon)
{
    ShellMessage m;
    m.owner = owner_.data();
    m.text = std::string(text);
    m.title = std::string(title);
    m.icon = icon;
    m.buttons = Buttons::Ok;
    m.defaultAnswer = Answer::Ok;
    shell_.Present(m);
}

Answer QtHost::Ask(std::string_view text, std::string_view title, Buttons buttons,
                   Answer defaultAnswer)
{
    ShellMessage m;
    m.owner = owner_.data();
    m.text = std::string(text);
    m.title = std::string(title);
    m.icon = MessageIcon::Question;
    m.buttons = buttons;
    m.defaultAnswer = defaultAnswer;
    return shell_.Present(m);
}

void QtHost::BeginWait()
{
    // Override cursors stack, so nested waits restore in order.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtHost::EndWait()
{
    QGuiApplication::restoreOverrideCursor();
}

int QtHost::MinGames()
{
    return MinGamesForRanking(shell_.preferences.minGames);
}

void QtHost::SelectRow(Season& season, int fixture, int playerRow)
{
    if (ResultsWindow* window = shell_.WindowFor(season))
        window->Select(fixture, playerRow);
}

void QtHost::AddRecentFile(const std::string& path)
{
    shell_.Recent().Add(SeasonPathToQString(path));
}

std::string QtHost::MonthName(int month, bool abbreviated)
{
    if (month < 1 || month > 12)
        return {};
    // The form a month takes inside a date ("d MMMM yyyy"), which in some
    // languages differs from the month named on its own.
    return QLocale()
        .monthName(month, abbreviated ? QLocale::ShortFormat : QLocale::LongFormat)
        .toStdString();
}

std::time_t QtHost::Now()
{
    return std::time(nullptr);
}
