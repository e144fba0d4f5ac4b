#pragma once

#include "model/Season.h"

class Host;

// The shape of a season made up for tests and benchmarks.
struct SeasonShape {
    int schemeIndex = 0;
    int teamSize = 4;
    int fixtureCount = 3;
    int playerCount = 5;
};

// A season of the given shape with its scheme applied, as a freshly read
// season looks before recalculation: players "Player 1", "Player 2", ... in
// id order with their name split; fixtures against "Opponents 1", ... a week
// apart from 5 May 2021, venues home, away, neutral in turn; every game
// played by player (fixture + position) % playerCount (no player when there
// are none), 21 against a score below 21, with a named opponent. Statistics,
// result texts and groups are left zero.
SeasonPtr BuildSeason(const SeasonShape& shape, Host& host);

// The largest season the program handles: 100 fixtures of 30 positions and
// 199 players.
SeasonShape MaximalSeasonShape();
