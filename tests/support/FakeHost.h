#pragma once

#include <ctime>
#include <deque>
#include <string>
#include <vector>

#include "model/Host.h"

// A scripted Host: records every message and question, answers questions from
// a queue (the default button when the queue is empty), and counts the wait
// cursor's nesting so tests can check it is always restored.
class FakeHost : public Host {
public:
    struct Message {
        std::string text;
        std::string title;
        MessageIcon icon;
        bool question;
    };

    void ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) override;
    Answer Ask(std::string_view text, std::string_view title, Buttons buttons,
               Answer defaultAnswer) override;
    void BeginWait() override;
    void EndWait() override;
    int MinGames() override { return minGames; }
    void SelectRow(Season& season, int fixture, int playerRow) override;
    void AddRecentFile(const std::string& path) override { recentFiles.push_back(path); }
    std::string MonthName(int month, bool abbreviated) override;
    std::time_t Now() override { return now; }

    // Texts of all messages and questions, in order.
    std::vector<std::string> Texts() const;

    std::vector<Message> messages;
    std::deque<Answer> answers;
    int minGames = 3;
    std::time_t now = 1'600'000'000;
    int waitDepth = 0;
    int waitCalls = 0;
    std::vector<std::string> recentFiles;
    struct Selection {
        Season* season;
        int fixture;
        int playerRow;
    };
    std::vector<Selection> selections;
};
