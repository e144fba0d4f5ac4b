#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/Season.h"

class Host;

// The rules behind the team options dialog: creating a new season from its
// fields, and changing the names and the scoring scheme of an open one. Every
// refusal is told to the user through host (titled "Team options") and leaves
// things as they were.

inline constexpr std::string_view kTeamOptionsTitle = "Team options";

// The longest names the dialog accepts: as much as a season file holds, so
// that confirming a season read from a file never cuts one of its names.
inline constexpr int kTeamNameLength = static_cast<int>(kTeamNameCapacity) - 1;
inline constexpr int kLeagueNameLength = static_cast<int>(kLeagueNameCapacity) - 1;
inline constexpr int kDivisionLength = 17;

// What the dialog's fields hold. The names are Windows-1252 text; the two
// numbers are the text of digit-only fields; scheme is the index of the
// selected entry of the scheme list, or -1 when none is selected.
struct TeamFields {
    std::string teamName;
    std::string leagueName;
    std::string division;
    std::string matches;
    std::string players;
    int scheme = -1;
};

// The schemes the list offers, in the order it shows them: every built-in
// scheme but "Custom", by name in ASCII case-insensitive order (the same in
// every locale).
std::vector<int> OfferedSchemes();

// The value of a number field: its leading digits, 0 when it has none, and -1
// when they make a number beyond what the field can mean (never wrapped into
// a small one).
long long ReadCount(std::string_view text);

// Builds a new season from the fields: checks them in order ("All fields must
// be filled in", "Invalid number of matches", "Invalid number of players in
// team", "Team size must be a multiple of %u"), then makes fixtureCount
// neutral fixtures dated now, each with teamSize unplayed games, and no
// players. The season is untitled, modified and selects nothing. Returns null
// (with the user told why) when a field is refused or memory runs out.
SeasonPtr CreateSeason(const TeamFields& fields, Host& host);

enum class TeamEdit {
    Refused,   // a check failed or the user declined: nothing was stored
    Unchanged, // nothing differs from the season
    Stored,    // names and/or the scheme were stored
};

// Stores the names that differ from the season's, and the scheme when one is
// selected and differs. A new scheme must suit the team size and, under the
// twin-group scheme or leaving it, a season without registered players; a
// different winning score and a different grouping of players are each
// confirmed by the user first. Only when every check has passed is anything
// stored; a new scheme is then applied and the season recalculated.
TeamEdit EditTeam(Season& season, Host& host, const TeamFields& fields);
