#include "FakeHost.h"

#include <array>
#include <cstdio>
#include <cstdlib>

void FakeHost::ShowMessage(std::string_view text, std::string_view title, MessageIcon icon)
{
    messages.push_back({std::string(text), std::string(title), icon, false});
}

Answer FakeHost::Ask(std::string_view text, std::string_view title, Buttons, Answer defaultAnswer)
{
    messages.push_back({std::string(text), std::string(title), MessageIcon::Question, true});
    if (answers.empty())
        return defaultAnswer;
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

void FakeHost::BeginWait()
{
    ++waitDepth;
    ++waitCalls;
}

void FakeHost::EndWait()
{
    if (waitDepth <= 0) {
        std::fprintf(stderr, "FakeHost: wait cursor restored more often than shown\n");
        std::abort();
    }
    --waitDepth;
}

void FakeHost::SelectRow(Season& season, int fixture, int playerRow)
{
    selections.push_back({&season, fixture, playerRow});
}

std::string FakeHost::MonthName(int month, bool abbreviated)
{
    static const std::array<const char*, 12> names = {
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    if (month < 1 || month > 12)
        return {};
    std::string name = names[static_cast<std::size_t>(month - 1)];
    return abbreviated ? name.substr(0, 3) : name;
}

std::vector<std::string> FakeHost::Texts() const
{
    std::vector<std::string> out;
    for (const auto& m : messages)
        out.push_back(m.text);
    return out;
}
