#pragma once

// Shared helpers of the desktop program's tests (header only: every
// tst_*.cpp here is a program of its own).

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QTemporaryDir>

#include <deque>
#include <memory>
#include <vector>

#include "gui/Shell.h"
#include "model/Recalculate.h"
#include "platform/Settings.h"
#include "support/FakeHost.h"
#include "support/SeasonBuilder.h"

// Points the settings store at a fresh temporary directory for the lifetime
// of the object.
class TemporarySettings {
public:
    TemporarySettings() { SetSettingsStore(std::make_unique<SettingsStore>(UserRoot(), MachineRoot())); }
    ~TemporarySettings() { SetSettingsStore(nullptr); }
    TemporarySettings(const TemporarySettings&) = delete;
    TemporarySettings& operator=(const TemporarySettings&) = delete;

    QString UserRoot() const { return dir_.filePath(QStringLiteral("user")); }
    QString MachineRoot() const { return dir_.filePath(QStringLiteral("machine")); }
    QString UserFile() const { return UserRoot() + QStringLiteral("/Orvane/Tessel.conf"); }
    QString Path(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

// Answers the program's message boxes from a queue and records them all.
// A question with no answer queued gets its default button.
class ScriptedMessages {
public:
    explicit ScriptedMessages(Shell& shell)
    {
        shell.SetMessagePresenter([this](const ShellMessage& m) {
            shown.push_back(m);
            if (m.buttons == Buttons::Ok)
                return Answer::Ok;
            if (answers.empty())
                return m.defaultAnswer;
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        });
    }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const ShellMessage& m : shown)
            texts.push_back(m.text);
        return texts;
    }

    std::vector<ShellMessage> shown;
    std::deque<Answer> answers;
};

inline QStringList Strings(std::initializer_list<const char*> items)
{
    QStringList list;
    for (const char* s : items)
        list << QString::fromUtf8(s);
    return list;
}

// A menu as text: "command text" per item, "-" per separator.
inline QStringList MenuItems(const QMenu* menu)
{
    QStringList items;
    for (QAction* a : menu->actions())
        items << (a->isSeparator() ? QStringLiteral("-")
                                   : QStringLiteral("%1 %2").arg(a->data().toInt()).arg(a->text()));
    return items;
}

// A recalculated season of that many fixtures and players, titled and saved
// at path (or untitled when path is empty), unmodified.
inline SeasonPtr MakeSeason(int fixtures, int players, const QString& path = {})
{
    FakeHost host;
    SeasonShape shape;
    shape.fixtureCount = fixtures;
    shape.playerCount = players;
    shape.teamSize = 4;
    SeasonPtr season = BuildSeason(shape, host);
    Recalculate(*season, host, false);
    season->untitled = path.isEmpty();
    season->filePath = path.isEmpty() ? std::string("Untitled") : path.toStdString();
    season->modified = false;
    return season;
}
