#pragma once

#include <climits>
#include <span>
#include <string_view>

#include "model/Season.h"

class Host;

// Rewrites every derived field of the season: players' counters and measures,
// fixtures' results and points, team totals, the ranking order and playerRow.
// sortByName ranks with a minimum no player reaches (kSortByNameMinimum): the
// order by group, players with games first, then names.
void Recalculate(Season& season, Host& host, bool sortByName);

inline constexpr int kSortByNameMinimum = INT_MAX;

// One game that a player played (state Played), as the measures see it.
struct PlayedGame {
    int scoreFor = 0;
    int scoreAgainst = 0;
    bool away = false;   // home and neutral fixtures count as home
};

// The player's ranking figure by the scheme's flags. This form finds the
// player's games itself by walking every fixture.
void ComputeMeasure(Season& season, Player& player);

// The same from the player's games gathered by the caller: every game record
// whose player is this player and whose state is Played, in any position.
void ComputeMeasure(Season& season, Player& player, std::span<const PlayedGame> games);

// Whether the scheme's measure looks at individual games (and not only at the
// player's counters), so that a caller need not gather them otherwise.
bool MeasureUsesGames(const ScoringScheme& scheme);

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
