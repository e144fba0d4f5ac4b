#pragma once

#include <ctime>
#include <ostream>

#include "model/Host.h"

// The Host of tessel-cli: messages go to standard error as "Title: text",
// further lines of the text following as they are; questions take their default answer; the
// recent-files list is never touched.
class CliHost : public Host {
public:
    CliHost(std::ostream& err, int minGames, std::time_t now)
        : err_(err), minGames_(minGames), now_(now)
    {
    }

    void ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) override;
    Answer Ask(std::string_view text, std::string_view title, Buttons buttons,
               Answer defaultAnswer) override;
    void BeginWait() override {}
    void EndWait() override {}
    int MinGames() override { return minGames_; }
    void SelectRow(Season&, int, int) override {}
    void AddRecentFile(const std::string&) override {}
    std::string MonthName(int month, bool abbreviated) override;
    std::time_t Now() override { return now_; }

private:
    std::ostream& err_;
    int minGames_;
    std::time_t now_;
};

// "Now" for reproducible output: SOURCE_DATE_EPOCH when it is set and valid,
// else the clock.
std::time_t CliNow();
