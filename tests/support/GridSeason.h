#pragma once

#include <string>
#include <vector>

#include "model/Season.h"

class Host;

// Seasons for the drawing tests: a "Custom" scheme with known labels
// ("Pts" under the team figure, "Avge" over the players') and decimals (team
// 1, players 2), statistics written by hand rather than recalculated, so that
// every text the grid draws is known in advance.
//
// Fixture k (from 0): "Opponents k+1", dated 5 May 2021 + k weeks, venue
// home, away, neutral in turn, not played, every game NotPlayed. Player i:
// the given name split as usual, id i, list position i (playerRow set),
// group 1, one appearance and one game played and won, measure 1.5.
SeasonPtr MakeGridSeason(Host& host, int fixtureCount, const std::vector<std::string>& names,
                         int teamSize = 2);

// Names "Player 1" ... "Player count".
std::vector<std::string> NumberedPlayers(int count);

// Marks fixture index played with the given result and result text.
void SetFixtureResult(Season& season, int index, unsigned result, const std::string& text);

// Puts the player at list position into team position of fixture index.
void PlaceGame(Season& season, int index, int position, int playerPosition, unsigned state,
               int scoreFor, int scoreAgainst);

// Makes playerRow agree with the present list order.
void RenumberRows(Season& season);
