#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "model/ScoringScheme.h"

class Host;

// Capacities of the fixed text fields (including the terminating NUL of the
// file layout): a stored text holds at most capacity - 1 characters.
constexpr std::size_t kTeamNameCapacity = 33;
constexpr std::size_t kLeagueNameCapacity = 65;
constexpr std::size_t kDivisionCapacity = 20;
constexpr std::size_t kOpponentCapacity = 36;
constexpr std::size_t kPlayerNameCapacity = 34;
constexpr std::size_t kResultTextCapacity = 12;

constexpr int kMaxTeamSize = 30;
constexpr int kMaxFixtures = 100;
constexpr int kMaxPlayers = 200; // the tables indexed by player id

enum GameState : std::uint32_t {
    Played = 0,
    OpponentAbsent = 1, // walkover to us
    PlayerAbsent = 2,   // walkover to the opponent
    NotPlayed = 3,
    Pending = 4,
};

enum Venue : std::uint32_t { Home = 0, Away = 1, Neutral = 2 };

// A fixture's result, as stored.
enum FixtureResult : std::uint32_t {
    ResultNone = 0,
    ResultWon = 1,
    ResultDrawn = 2,
    ResultLost = 3
};

struct Player {
    std::uint16_t id = 0;
    std::uint16_t appearances = 0;
    std::uint16_t played = 0;
    std::uint16_t homeAppearances = 0;
    std::uint16_t homePlayed = 0;
    std::uint16_t awayAppearances = 0;
    std::uint16_t awayPlayed = 0;
    std::uint16_t won = 0;
    std::uint16_t drawn = 0;
    std::int32_t broughtFor = 0;
    std::int32_t broughtAgainst = 0;
    double homeFor = 0;
    double homeAgainst = 0;
    double awayFor = 0;
    double awayAgainst = 0;
    double measure = 0;
    std::string name; // Windows-1252, at most 33 characters
    std::uint16_t surnameAt = 0;
    std::uint16_t group = 0;
    Player* twin = nullptr;
};

struct Game {
    std::int16_t playerId = 0; // only meaningful when player is set
    Player* player = nullptr;
    Player* secondPlayer = nullptr;
    std::string opponent; // at most 33 characters
    std::uint32_t state = NotPlayed;
    std::int16_t scoreFor = 0;
    std::int16_t scoreAgainst = 0;
    std::int32_t penaltyFor = 0;
    std::int32_t penaltyAgainst = 0;
};

struct Fixture {
    std::uint32_t result = ResultNone; // a FixtureResult
    std::string opponent;              // at most 33 characters
    std::uint32_t venue = Neutral;
    std::time_t date = 0;   // local midnight, standard time
    std::string resultText; // at most 11 characters
    std::int32_t shotsFor = 0;
    std::int32_t shotsAgainst = 0;
    std::int32_t handicap = 0;
    std::int32_t oppHandicap = 0;
    double pointsFor = 0;
    double pointsAgainst = 0;
    std::vector<Game> games; // teamSize games, position order
    Fixture* returnLeg = nullptr;
    bool paired = false;
};

struct Season {
    std::string filePath = "Untitled";
    bool modified = false;
    bool untitled = false;
    bool readOnly = false;
    bool layoutChanged = false;
    std::string teamName;   // at most 32 characters
    std::string leagueName; // at most 64 characters
    std::uint32_t schemeIndex = 0;
    std::string division; // at most 17 characters
    std::int32_t fixtureCount = 0;
    std::vector<std::unique_ptr<Fixture>> fixtures; // season order
    std::int32_t playerCount = 0;                   // also the next id
    std::vector<std::unique_ptr<Player>> players;   // ranking order

    // View state of the results window.
    std::int32_t firstFixture = 0;
    std::int32_t firstPlayer = 0;
    std::int32_t visibleFixtures = 0;
    std::int32_t visiblePlayers = 0;
    std::int32_t selectedFixture = -1;
    std::int32_t selectedPlayer = -1;

    std::array<std::uint8_t, kMaxPlayers> playerRow{};
    std::int32_t matchesPlayed = 0;
    std::int32_t matchesWon = 0;
    std::int32_t matchesLost = 0;
    double pointsFor = 0;
    double teamAverage = 0;
    double pointsAgainst = 0;
    std::int32_t shotsFor = 0;
    std::int32_t shotsAgainst = 0;
    std::uint16_t teamSize = 0;
    std::int32_t homeHandicap = 0;
    std::int32_t awayHandicap = 0;
    ScoringScheme scheme;
    std::array<std::int16_t, kMaxTeamSize> groupSpan{};
    std::array<std::uint32_t, kMaxTeamSize> gameTarget{};

    Fixture* FixtureAt(int index) const;  // nullptr when out of range
    Player* PlayerAt(int position) const; // nullptr when out of range
    Player* PlayerById(int id) const;     // nullptr when no player has that id
};

using SeasonPtr = std::unique_ptr<Season>;

// Creates fixtureCount fixtures (neutral venue, dated now, teamSize games in
// state NotPlayed) and playerCount empty players. On an
// allocation failure tells the user "Cannot allocate memory", frees the season
// (season becomes null) and returns false.
bool AllocateSeasonRecords(Host& host, SeasonPtr& season);

// Releases the season and everything in it.
void FreeSeason(SeasonPtr& season);

// The index where the surname of a player name begins.
std::uint16_t SplitName(const std::string& name);

// Cuts text to at most capacity - 1 characters (the longest a field holds).
std::string FitField(std::string text, std::size_t capacity);
