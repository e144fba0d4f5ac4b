#pragma once

#include <climits>

#include "model/PlayerOrder.h" // Recalculate ends by ranking the list
#include "model/Season.h"

class Host;

// Rewrites every derived field of the season: players' counters and measures,
// fixtures' results and points, team totals, the ranking order and playerRow.
// sortByName ranks with a minimum no player reaches (kSortByNameMinimum): the
// order by group, players with games first, then names.
void Recalculate(Season& season, Host& host, bool sortByName);

inline constexpr int kSortByNameMinimum = INT_MAX;
