#include "model/Season.h"

#include <new>

#include "model/Host.h"

Fixture* Season::FixtureAt(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= fixtures.size())
        return nullptr;
    return fixtures[static_cast<std::size_t>(index)].get();
}

Player* Season::PlayerAt(int position) const
{
    if (position < 0 || static_cast<std::size_t>(position) >= players.size())
        return nullptr;
    return players[static_cast<std::size_t>(position)].get();
}

Player* Season::PlayerById(int id) const
{
    for (const auto& p : players)
        if (p->id == id)
            return p.get();
    return nullptr;
}

bool AllocateSeasonRecords(Host& host, SeasonPtr& season)
{
    try {
        Season& s = *season;
        const std::time_t now = host.Now();
        const std::size_t teamSize = s.teamSize;
        s.fixtures.clear();
        s.players.clear();
        s.fixtures.reserve(static_cast<std::size_t>(s.fixtureCount > 0 ? s.fixtureCount : 0));
        for (int i = 0; i < s.fixtureCount; ++i) {
            auto fixture = std::make_unique<Fixture>();
            fixture->venue = Neutral;
            fixture->date = now;
            fixture->games.resize(teamSize);
            s.fixtures.push_back(std::move(fixture));
        }
        s.players.reserve(static_cast<std::size_t>(s.playerCount > 0 ? s.playerCount : 0));
        for (int i = 0; i < s.playerCount; ++i)
            s.players.push_back(std::make_unique<Player>());
        return true;
    } catch (const std::bad_alloc&) {
        FreeSeason(season);
        host.ShowOutOfMemory();
        return false;
    }
}

void FreeSeason(SeasonPtr& season)
{
    season.reset();
}

std::uint16_t SplitName(const std::string& name)
{
    // The split point is just after the last space or full stop, but a
    // bracketed suffix such as "(2)" and the word before it are not scanned.
    std::uint16_t split = 0;
    const std::size_t n = name.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (name[i] == ' ' || name[i] == '.')
            split = static_cast<std::uint16_t>(i + 1);
        if (i + 2 >= n || name[i + 2] == '(')
            break;
    }
    return split;
}

std::string FitField(std::string text, std::size_t capacity)
{
    if (capacity == 0)
        return {};
    if (text.size() > capacity - 1)
        text.resize(capacity - 1);
    return text;
}
