#pragma once

#include <span>

#include "model/Season.h"

// The player's ranking figure (the "measure"): each league ranks its players
// by its own figure, chosen by the first of the scheme's measure flags.

// One game that a player played (state Played), as the measures see it.
struct PlayedGame {
    int scoreFor = 0;
    int scoreAgainst = 0;
    bool away = false; // home and neutral fixtures count as home
};

// The player's ranking figure by the scheme's flags, from the player's games
// gathered by the caller: every game record whose player is this player and
// whose state is Played, in any position.
void ComputeMeasure(Season& season, Player& player, std::span<const PlayedGame> games);

// Whether the scheme's measure looks at individual games (and not only at the
// player's counters), so that a caller need not gather them otherwise.
bool MeasureUsesGames(const ScoringScheme& scheme);
