#pragma once

#include <QPointer>
#include <QWidget>

#include "model/Host.h"

class Shell;

// The Host of the desktop program. Each window that starts operations has its
// own, so that every message box is modal to the window the operation started
// from; they all share the program's Shell.
class QtHost final : public Host {
public:
    QtHost(Shell& shell, QWidget* owner);

    void ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) override;
    Answer Ask(std::string_view text, std::string_view title, Buttons buttons,
               Answer defaultAnswer) override;
    void BeginWait() override;
    void EndWait() override;
    int MinGames() override;
    void SelectRow(Season& season, int fixture, int playerRow) override;
    void AddRecentFile(const std::string& path) override;
    std::string MonthName(int month, bool abbreviated) override;
    std::time_t Now() override;

    void SetOwner(QWidget* owner) { owner_ = owner; }

private:
    Shell& shell_;
    QPointer<QWidget> owner_;
};
