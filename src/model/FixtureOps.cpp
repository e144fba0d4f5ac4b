#include "model/FixtureOps.h"

#include <new>

#include "model/Host.h"

bool InsertFixture(Season& season, Host& host, int position)
{
    if (position < 1 || position > season.fixtureCount + 1)
        return false;
    // Files and dialogs hold at most kMaxFixtures fixtures; a longer season
    // could be saved but never opened again.
    if (season.fixtureCount >= kMaxFixtures) {
        host.ShowMessage("A season cannot hold more than " + std::to_string(kMaxFixtures) +
                             " fixtures",
                         "Insert fixture", MessageIcon::Exclamation);
        return false;
    }
    const auto at = static_cast<std::size_t>(position - 1);
    if (at > season.fixtures.size()) {
        host.ShowMessage("Fixture not found", "Memory error", MessageIcon::Exclamation);
        return false;
    }
    try {
        auto fixture = std::make_unique<Fixture>();
        fixture->venue = Neutral;
        fixture->date = host.Now();
        fixture->games.resize(season.teamSize);
        season.fixtures.insert(season.fixtures.begin() + static_cast<std::ptrdiff_t>(at),
                               std::move(fixture));
    } catch (const std::bad_alloc&) {
        host.ShowOutOfMemory();
        return false;
    }
    ++season.fixtureCount;
    season.modified = true;
    season.layoutChanged = true;
    return true;
}

bool DeleteFixture(Season& season, Host& host, int index, bool confirm)
{
    if (index < 0)
        return false;
    Fixture* fixture = season.FixtureAt(index);
    if (fixture == nullptr) {
        host.ShowMessage("Cannot find match to delete", "Program error", MessageIcon::Exclamation);
        return false;
    }
    if (season.fixtureCount <= 1) {
        host.ShowMessage("Cannot delete last fixture", "Delete", MessageIcon::Exclamation);
        return false;
    }
    if (confirm && host.Ask("Do you want to delete this fixture? This action cannot be reversed",
                            "Delete?", Buttons::YesNo, Answer::Yes) != Answer::Yes)
        return false;

    // The return-leg links are derived, but must not dangle until the next
    // recalculation renews them.
    for (auto& other : season.fixtures)
        if (other->returnLeg == fixture)
            other->returnLeg = nullptr;
    season.fixtures.erase(season.fixtures.begin() + index);
    season.selectedFixture = -1;
    --season.fixtureCount;
    season.modified = true;
    season.layoutChanged = true;
    return true;
}
