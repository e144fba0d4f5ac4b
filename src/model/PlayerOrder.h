#pragma once

#include <climits>
#include <string_view>

#include "model/Season.h"

class Host;

// The ranking order of the player list.

// How SortPlayers and ComparePlayers order the list. The minimum is the least
// number of appearances a player needs to be ranked by his measure.
//
// SortPlayers(minimum):
//   kSortNamesOnly (0): by group, then names (the order the editors list
//                       players in);
//   kNoMinimum:         rank every player by measure;
//   other negative:     rank with the MinGames preference read from host, where
//                       a preference of 0 (or less) means kNoMinimum;
//   positive:           rank with that minimum.
//
// ComparePlayers(minimum):
//   kSortNamesOnly (0): names only (within groups);
//   negative:           rank with no minimum (kNoMinimum);
//   positive:           rank with that minimum.
inline constexpr int kSortNamesOnly = 0;
inline constexpr int kSortReadMinGames = -1;
inline constexpr int kNoMinimum = INT_MIN;
void SortPlayers(Season& season, Host& host, int minimum);

// < 0 when a ranks before b, > 0 after, 0 equal (see above for minimum).
int ComparePlayers(const Season& season, const Player& a, const Player& b, int minimum);

// -1, 0, 1: byte-wise signed comparison where " (" ends a name.
int CompareNames(std::string_view a, std::string_view b);
