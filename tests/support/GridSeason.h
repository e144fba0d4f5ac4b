#pragma once

#include <string>
#include <vector>

#include "model/Season.h"

class Host;

// Seasons for the grid tests: a "Custom" scheme labelled "Pts" (team, 1
// decimal) and "Avge" (players, 2 decimals), statistics set by hand so that
// every text the grid draws is known. Fixture k: "Opponents k+1", 5 May 2021
// + k weeks, venue home, away, neutral in turn, unplayed. Player i: "Player
// i+1", id and row i, group 1, one game played and won, measure 1.5.
SeasonPtr MakeGridSeason(Host& host, int fixtureCount, int playerCount, int teamSize = 2);
