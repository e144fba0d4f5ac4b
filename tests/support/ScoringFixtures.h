#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "model/Scoring.h"
#include "model/Season.h"

class Host;

// Small seasons made up in memory for the scoring and ranking tests.

// A season of the given scheme and shape with the scheme applied: fixtures
// at home against "Opponents 1", "Opponents 2", ... with every game NotPlayed,
// and one player per name (ids 0, 1, ... in list order, names split).
SeasonPtr MakeScoringSeason(Host& host, int schemeIndex, int teamSize, int fixtureCount,
                            std::vector<std::string> names = {});

// A season on the "Custom" scheme with the given parameters (groupSize and
// target taken from scheme) and scheme applied.
SeasonPtr MakeCustomSeason(Host& host, const ScoringScheme& scheme, int teamSize, int fixtureCount,
                           std::vector<std::string> names = {});

// Fills one team position. player may be null (no player named).
void SetGame(Fixture& fixture, int position, Player* player, int scoreFor, int scoreAgainst,
             GameState state = Played);

// Fills positions 0, 1, ... with the given scores, all Played, no player.
struct Score {
    int scoreFor;
    int scoreAgainst;
};
void SetScores(Fixture& fixture, std::initializer_list<Score> scores);
