#pragma once

#include <cstdint>
#include <ctime>
#include <string>

#include "model/Dates.h"
#include "model/Season.h"

class Host;

// Typing a season's fixture list in one pass: each entry fills the first
// fixture that has no opponent yet.

// The longest opposing team name the entry accepts.
inline constexpr int kOpponentEntryLength = 31;

struct FixtureEntry {
    std::string opponent; // Windows-1252
    std::time_t date = 0; // local midnight, standard time
    std::uint32_t venue = Home;
};

// The stored date of a day picked in a calendar (month 1..12), and the day a
// stored date shows as: the two agree in every time zone, summer time or not.
std::time_t PickedDay(int year, int month, int day);
SystemTime ShownDay(std::time_t date);

enum class EntryResult {
    Refused, // no opposing team: "Opponent team required", nothing stored
    Stored,  // stored; another fixture still waits for its entry
    Last,    // stored in the last fixture that waited (or none waited)
};

// Stores the entry in the first fixture without an opponent and marks the
// season modified with its layout changed.
EntryResult StoreFixtureEntry(Season& season, Host& host, const FixtureEntry& entry);

// The entry that usually follows: a week later, at the other venue (neutral
// stays neutral), with no opposing team yet.
FixtureEntry FollowingEntry(const FixtureEntry& entry);
