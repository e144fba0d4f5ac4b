#pragma once

#include <string>

#include "model/Season.h"

// The fixture editor's four running-total boxes.
class ScoreDisplay {
public:
    virtual ~ScoreDisplay() = default;
    virtual void ShowPoints(const std::string& ours, const std::string& theirs) = 0;
    virtual void ShowShots(int ours, int theirs) = 0;
    virtual void Clear() = 0; // empties all four boxes
};

enum class Side { Ours, Theirs };

// Scores one fixture. With recalculating set it also charges reserve
// penalties, credits the players named in it and adds to the team totals.
void ScoreFixture(Season& season, Fixture& fixture, ScoreDisplay* display, bool recalculating);

// Match points as text by the scheme's matchDecimals ("½" is byte 0xBD).
std::string FormatPoints(const Season& season, double value);

// Sets the game's penaltyFor (Ours) or penaltyAgainst (Theirs). name null:
// our side uses the game's player's name, their side the game's opponent.
void ReservePenalty(const Season& season, Game& game, Side side, const std::string* name = nullptr);

// Score band 0..5 of one score.
int ScoreBand(int score);
