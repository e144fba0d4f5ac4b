#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Season.h"
#include "model/SummaryTable.h"

class Host;

// A player's season game by game, as the player summary dialog and the
// printed player summary both show it.

// Whether the game is the player's (by its record, or by id where the game
// has a player at all).
bool GameNamesPlayer(const Game& game, const Player& player);

// One game the player played or won by walkover, in a fixture with a result.
struct SummaryEntry {
    int fixture = 0;  // index in the season
    int position = 0; // the game's team position
    const Fixture* record = nullptr;
    const Game* game = nullptr;
};

struct SummaryTally {
    int played = 0;
    int walkovers = 0;
    int won = 0; // a tie counts as neither won nor lost
    int lost = 0;
    long long scored = 0;
    long long conceded = 0;
};

// The one rule for which games a summary lists: in fixture order, every game
// of state Played or OpponentAbsent naming the player in a fixture whose
// result is set. Played games count in played, won, lost and the points;
// walkovers only in walkovers.
std::vector<SummaryEntry> CollectSummaryEntries(const Season& season, const Player& player,
                                                SummaryTally& tally);

// Players sharing a game with this player: 1 for a singles registration, 2
// for a pairs one, otherwise the scheme's group size (at least 1).
int SummaryGroupSize(const Season& season, const Player& player);

// What the player summary dialog shows.
struct PlayerSummary {
    int groupSize = 1;   // above 1: the group layout
    std::string heading; // "Summary of results for <name>"
    SummaryTable table;
    SummaryTally tally;
    // Counters, and the totals and averages (empty while nothing was played).
    std::string played, won, lost, walkovers;
    std::string scored, conceded, net;
    std::string scoredAverage, concededAverage, netAverage;
    bool deletable = false;      // no game names the player or the twin
    bool broughtForward = false; // the brought-forward fields are offered
};

PlayerSummary BuildPlayerSummary(const Season& season, Host& host, const Player& player);

// A brought-forward field's text as a number: optional blanks around an
// optional sign and digits, within what the file keeps (16 bits signed).
std::optional<int> ParseBroughtForward(std::string_view text);

// Brought-forward values step within this range; typed ones may go beyond.
constexpr int kBroughtForwardStepLimit = 1000;

enum class BroughtForwardField { None, For, Against };

// OK of the player summary: each field whose text is a number other than the
// stored value replaces broughtFor or broughtAgainst, marking the season
// modified and setting changed. A field that still shows the stored value
// keeps it, whatever its size. When a field holds no valid number nothing is
// stored and that field is returned (For before Against).
BroughtForwardField ApplyBroughtForward(Season& season, Player& player, std::string_view forText,
                                        std::string_view againstText, bool& changed);
