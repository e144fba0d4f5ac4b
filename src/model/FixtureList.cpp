#include "model/FixtureList.h"

#include <algorithm>

#include "model/Host.h"

namespace {

constexpr std::time_t kWeek = std::time_t{7} * 24 * 60 * 60;

bool Waiting(const std::unique_ptr<Fixture>& fixture)
{
    return fixture->opponent.empty();
}

} // namespace

std::time_t PickedDay(int year, int month, int day)
{
    SystemTime picked;
    picked.year = static_cast<std::uint16_t>(year);
    picked.month = static_cast<std::uint16_t>(month);
    picked.day = static_cast<std::uint16_t>(day);
    return SystemTimeToDate(picked);
}

SystemTime ShownDay(std::time_t date)
{
    return DateToSystemTime(date);
}

EntryResult StoreFixtureEntry(Season& season, Host& host, const FixtureEntry& entry)
{
    if (entry.opponent.empty()) {
        host.ShowMessage("Opponent team required", "Error", MessageIcon::Exclamation);
        return EntryResult::Refused;
    }
    auto& fixtures = season.fixtures;
    const auto found = std::find_if(fixtures.begin(), fixtures.end(), Waiting);
    if (found == fixtures.end())
        return EntryResult::Last;
    Fixture& fixture = **found;
    fixture.opponent = FitField(entry.opponent, kOpponentCapacity);
    fixture.date = entry.date;
    fixture.venue = entry.venue <= Neutral ? entry.venue : Neutral;
    season.modified = true;
    season.layoutChanged = true;
    return std::any_of(found + 1, fixtures.end(), Waiting) ? EntryResult::Stored
                                                           : EntryResult::Last;
}

FixtureEntry FollowingEntry(const FixtureEntry& entry)
{
    FixtureEntry next;
    next.date = entry.date + kWeek;
    next.venue = entry.venue == Home ? Away : entry.venue == Away ? Home : Neutral;
    return next;
}
