#pragma once

#include <string_view>

#include "model/Season.h"

class Host;

// Rewrites every derived field of the season: players' counters and measures,
// fixtures' results and points, team totals, the ranking order and playerRow.
void Recalculate(Season& season, Host& host, bool sortByName);

// The player's ranking figure by the scheme's flags.
void ComputeMeasure(Season& season, Player& player);

// How SortPlayers orders the list.
//   minimum < 0: rank with the MinGames preference read from host;
//   minimum > 0: rank with that minimum;
//   NamesOnly: by group, then names (the order the editors list players in).
// A MinGames preference of 0 means "no minimum": every player is ranked by
// measure.
constexpr int kSortNamesOnly = 0;
void SortPlayers(Season& season, Host& host, int minimum);

// < 0 when a ranks before b, > 0 after, 0 equal. minimum as SortPlayers'
// (after MinGames has been read); kSortNamesOnly compares names only.
int ComparePlayers(const Season& season, const Player& a, const Player& b, int minimum);

// -1, 0, 1: byte-wise signed comparison where " (" ends a name.
int CompareNames(std::string_view a, std::string_view b);
