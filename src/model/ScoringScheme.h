#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class Host;
struct Season;

// Option bits of ScoringScheme::flags.
enum SchemeFlag : std::uint32_t {
    HideShotTotals = 0x1,
    AveragePerMatch = 0x2,
    DivideByGames = 0x4,
    BestSix = 0x8,
    BandPointsHomeAway = 0x10,
    WalkoverPoints = 0x20,
    ProRataHomeAway = 0x40,
    WinMerit = 0x80,
    AddAppearances = 0x100,
    RankByWins = 0x200,
    RankByWinsWithWalkovers = 0x400,
    KeepHandicaps = 0x800,
    EditBroughtForward = 0x1000,
    ShotRatioBroughtForward = 0x2000,
    ShotDifferenceSplit = 0x4000,
    MarginPoints = 0x8000,
    BandedAverage = 0x10000,
    WinRatioPlusShotRatio = 0x20000,
    ShowHandicaps = 0x40000,
    LevelDrawFive = 0x80000,
    ShotRatio = 0x100000,
    WinMeritWalkoverTieBreak = 0x200000,
    WinMeritShotTieBreak = 0x400000,
    BandedAverageAway = 0x800000,
    GameBandPoints = 0x1000000,
    AwayBandPoints = 0x2000000,
    BandPointsHomeAway2 = 0x4000000,
};

constexpr int kSchemeCount = 88;
constexpr int kCustomScheme = 64;
constexpr std::size_t kSchemeBytes = 146;
constexpr int kWeightCount = 19;

// What each of a scheme's weights counts. Match points are the sum of a
// side's own weights times what it scored, the home and away sides each
// having their own.
enum WeightIndex : std::size_t {
    WeightHomePerShot = 0,
    WeightHomePerShotAgainst = 1,
    WeightAwayPerShot = 2,
    WeightAwayPerShotAgainst = 3,
    WeightHomePerGameWon = 4,
    WeightHomePerGameUndecided = 5,
    WeightAwayPerGameWon = 6,
    WeightAwayPerGameUndecided = 7,
    WeightStart = 8, // the margin the home side must beat to win the match
    WeightHomeMatchWon = 9,
    WeightHomeMatchDrawn = 10,
    WeightAwayMatchWon = 11,
    WeightAwayMatchDrawn = 12,
    WeightAggregateWon = 13, // the second leg's bonus for the better aggregate
    WeightAggregateDrawn = 14,
    WeightHomeMoreGames = 15,
    WeightHomeEqualGames = 16,
    WeightAwayMoreGames = 17,
    WeightAwayEqualGames = 18,
};

// A league's scoring parameters. In memory the fields are native values; the
// 146-byte little-endian image (the one the season file carries) is produced
// and read by SchemeToBytes / SchemeFromBytes. Labels and reserved words are
// kept as raw bytes so that a "Custom" scheme read from a file is written back
// byte for byte.
struct ScoringScheme {
    std::uint16_t groupSize = 0;              // offset 0
    std::uint32_t target = 0;                 // offset 2
    std::array<float, kWeightCount> weight{}; // offset 6
    std::uint32_t reservePenalty = 0;         // offset 82
    std::array<char, 12> totalLabel{};        // offset 86
    std::int32_t forWeight = 0;               // offset 98
    std::int32_t againstWeight = 0;           // offset 102
    std::int32_t walkoverCredit = 0;          // offset 106
    std::int32_t walkoverGames = 0;           // offset 110
    std::int32_t matchDecimals = 0;           // offset 114
    std::int32_t teamDecimals = 0;            // offset 118
    std::int32_t playerDecimals = 0;          // offset 122
    std::uint32_t flags = 0;                  // offset 126
    std::array<std::uint8_t, 4> reserved1{};  // offset 130
    std::array<char, 8> measureLabel{};       // offset 134
    std::array<std::uint8_t, 4> reserved2{};  // offset 142

    bool Has(std::uint32_t flag) const { return (flags & flag) != 0; }
    // The labels as text: up to the first NUL, never past the field.
    std::string TotalLabel() const;
    std::string MeasureLabel() const;

    bool operator==(const ScoringScheme&) const = default;
};

using SchemeBytes = std::array<std::uint8_t, kSchemeBytes>;

SchemeBytes SchemeToBytes(const ScoringScheme& scheme);
ScoringScheme SchemeFromBytes(const std::uint8_t* bytes); // reads exactly kSchemeBytes

// The name at a scheme index; "" outside 0..87.
std::string_view SchemeName(int index);

// The parameters of a scheme index. Returns nullptr for 64 ("Custom"). An
// index above 87 (or negative) tells the user through host and gives the
// "Aggregate" record.
const ScoringScheme* LookupScheme(int index, Host& host);

// Makes season.scheme, groupSpan and gameTarget agree with schemeIndex and
// teamSize, and clears every handicap.
void ApplyScheme(Season& season, Host& host);

// groupSize and target of a built-in scheme. For "Custom" (and anything out of
// range) they answer from the given season's own copy when one is passed, else 0.
int SchemeGroupSize(int index, const Season* season = nullptr);
std::uint32_t SchemeTarget(int index, const Season* season = nullptr);

// Name to index: exact (the team options dialog) and ASCII case-insensitive
// (the text season reader). No match gives kSchemeCount (88).
int SchemeIndexExact(std::string_view name);
int SchemeIndexIgnoringCase(std::string_view name);
