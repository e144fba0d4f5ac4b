// The league presets. Every record is written out as the league's rules give
// it; names that share a record point at the same object, so a correction made
// for one league reaches all of them.

#include "model/SchemeTable.h"

#include <initializer_list>

namespace {

struct Weight {
    int index;
    float value;
};

// The default player measure: factors of shots for and against, and what an
// appearance without a played game counts as (shots credited, games).
struct Measure {
    std::int32_t forWeight;
    std::int32_t againstWeight;
    std::int32_t walkoverCredit;
    std::int32_t walkoverGames;
};

struct Decimals {
    std::int32_t match;
    std::int32_t team;
    std::int32_t player;
};

// Not constexpr on purpose: reaching it while the table is built at compile
// time stops the build, so a heading too long for its field cannot slip in.
inline void LabelTooLong() {}

template <std::size_t N>
constexpr std::array<char, N> Label(std::string_view text)
{
    if (text.size() > N)
        LabelTooLong();
    std::array<char, N> field{};
    for (std::size_t i = 0; i < text.size() && i < N; ++i)
        field[i] = text[i];
    return field;
}

constexpr ScoringScheme Scheme(std::uint16_t groupSize, std::uint32_t target,
                               std::initializer_list<Weight> weights, std::string_view totalLabel,
                               std::string_view measureLabel, Measure measure, Decimals decimals,
                               std::uint32_t flags, std::uint32_t reservePenalty = 0)
{
    ScoringScheme scheme;
    scheme.groupSize = groupSize;
    scheme.target = target;
    for (const Weight& w : weights)
        scheme.weight[static_cast<std::size_t>(w.index)] = w.value;
    scheme.reservePenalty = reservePenalty;
    scheme.totalLabel = Label<12>(totalLabel);
    scheme.forWeight = measure.forWeight;
    scheme.againstWeight = measure.againstWeight;
    scheme.walkoverCredit = measure.walkoverCredit;
    scheme.walkoverGames = measure.walkoverGames;
    scheme.matchDecimals = decimals.match;
    scheme.teamDecimals = decimals.team;
    scheme.playerDecimals = decimals.player;
    scheme.flags = flags;
    scheme.measureLabel = Label<8>(measureLabel);
    return scheme;
}

constexpr std::string_view kTotal = " Total ";
constexpr std::string_view kAve = " Ave ";
constexpr std::string_view kAgg = " Agg ";
constexpr std::string_view kPts = " Pts ";
constexpr std::string_view kMerit = " Merit ";
constexpr std::string_view kPoints = " Points ";

constexpr Measure kShotsBoth{1, 1, 0, 0};
constexpr Measure kShotsFor{1, 0, 0, 0};
constexpr Measure kNoMeasure{0, 0, 0, 0};

constexpr std::uint32_t kAverageFlags = HideShotTotals | AveragePerMatch | DivideByGames;
constexpr std::uint32_t kNone = 0;

// Shots alone: one point per shot to each side.
constexpr std::initializer_list<Weight> kShots = {{0, 1}, {2, 1}};

constexpr ScoringScheme kAggregate = Scheme(1, 21, kShots, kAve, kAve, kShotsBoth, {0, 1, 1}, kAverageFlags);
constexpr ScoringScheme kStockport =
    Scheme(1, 21, {{4, 1}, {6, 1.5f}, {9, 3}, {10, 1.5f}, {11, 3}, {12, 1.5f}}, kTotal, kAve, kShotsBoth,
           {-1, -1, 1}, DivideByGames | AddAppearances);
constexpr ScoringScheme kAggregate15 = Scheme(1, 15, kShots, kAve, kAve, kShotsBoth, {0, 1, 1}, kAverageFlags);
constexpr ScoringScheme kManchesterIndoor =
    Scheme(4, 0, {{4, 2}, {5, 1}, {6, 2}, {7, 1}}, kTotal, kAve, kShotsBoth, {0, 0, 1}, DivideByGames);
constexpr ScoringScheme kPairsAggregate = Scheme(2, 21, kShots, kAve, kAve, kShotsBoth, {0, 1, 1}, kAverageFlags);
constexpr ScoringScheme kPairsAggregate15 = Scheme(2, 15, kShots, kAve, kAve, kShotsBoth, {0, 1, 1}, kAverageFlags);
constexpr ScoringScheme kKnutsford =
    Scheme(1, 21, kShots, kAve, kAgg, kShotsBoth, {0, 1, 0}, HideShotTotals | AveragePerMatch);
constexpr ScoringScheme kBebbington =
    Scheme(1, 21, {{9, 2}, {10, 1}, {11, 2}, {12, 1}, {13, 1}, {14, 0.5f}}, kTotal, " Best 6 ", kShotsFor,
           {-1, -1, 0}, BestSix);
constexpr ScoringScheme kCannock =
    Scheme(1, 21, {{9, 2}, {10, 1}, {11, 2}, {12, 1}}, kTotal, kAve, kShotsBoth, {0, 0, 1}, DivideByGames);
constexpr ScoringScheme kCrossgates =
    Scheme(1, 21, {{4, 1}, {6, 2}, {9, 4}, {10, 2}, {11, 4}, {12, 2}}, kTotal, kAve, kShotsBoth, {0, 0, 1},
           DivideByGames);
constexpr ScoringScheme kIsleOfMan =
    Scheme(1, 21, {{15, 2}, {16, 1}, {17, 2}, {18, 1}}, kTotal, kAve, kShotsBoth, {0, 0, 1}, DivideByGames);
constexpr ScoringScheme kLeeds =
    Scheme(1, 21, {{4, 1}, {6, 1}, {9, 2}, {10, 1}, {11, 3}, {12, 2}}, kTotal, kAve, kShotsBoth, {0, 0, 1},
           DivideByGames);
constexpr ScoringScheme kLichfield =
    Scheme(1, 21, {{9, 2}, {10, 1}, {11, 2}, {12, 1}}, kTotal, kAve, kShotsBoth, {0, 0, 1}, DivideByGames);
constexpr ScoringScheme kLichfield50 =
    Scheme(1, 21, {{4, 1}, {6, 1}, {9, 2}, {10, 1}, {11, 2}, {12, 1}}, kTotal, kAve, kShotsBoth, {0, 0, 1},
           DivideByGames);
constexpr ScoringScheme kMidShropshire =
    Scheme(1, 21, {{4, 1}, {6, 1}, {9, 3}, {10, 1}, {11, 3}, {12, 1}}, kTotal, kAgg, kShotsBoth, {0, 0, 0},
           RankByWins);
constexpr ScoringScheme kRothay =
    Scheme(1, 21, {{4, 1}, {6, 1}, {9, 2}, {10, 1}, {11, 2}, {12, 1}}, kTotal, kMerit, kShotsBoth, {0, 0, 0},
           WinMerit);
constexpr ScoringScheme kShropshirePremier =
    Scheme(1, 21, {{4, 1}, {6, 1}, {9, 2}, {10, 1}, {11, 2}, {12, 1}}, kTotal, kAgg, kShotsBoth, {0, 0, 0},
           kNone);
constexpr ScoringScheme kWallasey =
    Scheme(1, 21, {{9, 2}, {10, 1}, {11, 3}, {12, 1}, {13, 1}}, kTotal, kAve, kShotsBoth, {0, 0, 1},
           DivideByGames);
constexpr ScoringScheme kWarringtonMonday =
    Scheme(1, 21, {{4, 1}, {6, 1}, {8, 10}, {9, 2}, {10, 1}, {11, 3}, {12, 2}}, kTotal, kAve, kShotsBoth,
           {0, 0, 1}, DivideByGames | RankByWinsWithWalkovers);
constexpr ScoringScheme kCongleton =
    Scheme(1, 21, kShots, kAve, kPts, kShotsFor, {0, 1, 0}, HideShotTotals | AveragePerMatch);
constexpr ScoringScheme kMidCheshire = Scheme(1, 21, kShots, kAve, kAgg, kShotsBoth, {0, 1, 0},
                                              HideShotTotals | AveragePerMatch | ProRataHomeAway);
constexpr ScoringScheme kStockportVets = Scheme(2, 21, kShots, kAve, kAve, kShotsBoth, {0, 1, 1}, kAverageFlags);
constexpr ScoringScheme kStockportIndoor = Scheme(2, 15, kShots, kAve, kAve, kShotsBoth, {0, 1, 1}, kAverageFlags);
constexpr ScoringScheme kMenPremier =
    Scheme(1, 21, {{4, 1}, {6, 1.5f}, {9, 3}, {10, 1.5f}, {11, 3}, {12, 1.5f}}, kTotal, kAve, kShotsBoth,
           {-1, -1, 1}, DivideByGames);
constexpr ScoringScheme kChester =
    Scheme(1, 21, {{4, 1}, {6, 1}, {9, 2}, {10, 1}, {11, 2}, {12, 1}}, kTotal, kAve, kShotsBoth, {0, 0, 1},
           DivideByGames | RankByWins);
constexpr ScoringScheme kDeesideVeterans =
    Scheme(1, 21, {{4, 1}, {6, 1}, {9, 2}, {10, 1}, {11, 2}, {12, 1}}, kTotal, kAve, kShotsBoth, {0, 0, 1},
           DivideByGames);
constexpr ScoringScheme kDudley =
    Scheme(1, 21, {{4, 1}, {6, 1}, {9, 2}, {10, 1}, {11, 3}, {12, 2}}, kTotal, kAgg, kShotsBoth, {0, 0, 0},
           kNone);
constexpr ScoringScheme kDudleyBuildingSociety =
    Scheme(1, 21, {{4, 1}, {6, 1}, {9, 2}, {10, 1}, {11, 4}, {12, 1}}, kTotal, kAve, kShotsBoth, {0, 0, 1},
           DivideByGames);
constexpr ScoringScheme kOrmskirk =
    Scheme(1, 21, {{4, 1}, {6, 1}, {9, 2}, {10, 1}, {11, 3}, {12, 2}}, kTotal, kAve, kShotsBoth, {0, 0, 1},
           DivideByGames);
constexpr ScoringScheme kSmethwick =
    Scheme(1, 21, {{9, 2}, {10, 1}, {11, 2}, {12, 1}}, kTotal, kAgg, kShotsBoth, {0, 0, 0}, kNone);
constexpr ScoringScheme kWarwick =
    Scheme(1, 21, {{9, 2}, {10, 1}, {11, 3}, {12, 2}}, kTotal, kAgg, kShotsBoth, {0, 0, 0}, kNone);
constexpr ScoringScheme kFurness =
    Scheme(1, 21, {{4, 1}, {6, 1}, {9, 2}, {10, 1}, {11, 3}, {12, 2}}, kTotal, "  Ave  ", kShotsBoth, {0, 0, 3},
           RankByWinsWithWalkovers | KeepHandicaps | EditBroughtForward | ShotRatioBroughtForward);
constexpr ScoringScheme kUlverston =
    Scheme(1, 21, {{4, 1}, {6, 1}, {9, 2}, {10, 1}, {11, 3}, {12, 2}}, kTotal, "  Ave  ", kShotsBoth, {0, 0, 3},
           RankByWinsWithWalkovers | KeepHandicaps | EditBroughtForward | ShotRatioBroughtForward);
constexpr ScoringScheme kNorthDerbyshireLadies =
    Scheme(1, 21, kShots, kAve, kAve, {1, 1, 10, 1}, {0, 1, 1}, kAverageFlags);
constexpr ScoringScheme kNorley =
    Scheme(1, 21, kShots, kAve, kAgg, kShotsBoth, {0, 1, 0}, HideShotTotals | AveragePerMatch);
constexpr ScoringScheme kNorthDerbyshire =
    Scheme(1, 21, kShots, kAve, kAve, kShotsBoth, {0, 1, 1}, AveragePerMatch | DivideByGames, 10);
constexpr ScoringScheme kHeartOfEngland =
    Scheme(1, 21, {{4, 1}, {6, 1}, {9, 2}, {10, 1}, {11, 3}, {12, 2}}, kTotal, kAve, kShotsBoth, {0, 0, 1},
           DivideByGames);
constexpr ScoringScheme kAiredale =
    Scheme(1, 21, {{4, 1}, {6, 1}, {9, 10}, {10, 5}, {11, 10}, {12, 5}}, kTotal, kAve, kShotsBoth, {0, 0, 1},
           DivideByGames | ShotDifferenceSplit);
constexpr ScoringScheme kRsjc =
    Scheme(1, 21, kShots, kAve, kPts, kNoMeasure, {0, 1, 0}, HideShotTotals | AveragePerMatch | MarginPoints);
constexpr ScoringScheme kCloughHall =
    Scheme(1, 21, kShots, kAve, kAve, kNoMeasure, {0, 1, 2}, HideShotTotals | AveragePerMatch | BandedAverage);
constexpr ScoringScheme kMidCheshireLadies =
    Scheme(1, 21, kShots, kAve, kAve, kShotsFor, {0, 1, 1}, kAverageFlags);
constexpr ScoringScheme kNorthfield =
    Scheme(1, 21, {{4, 1}, {6, 1}, {9, 2}, {10, 1}, {11, 3}, {12, 2}}, kTotal, kAve, kShotsBoth, {0, 0, 1},
           DivideByGames);
constexpr ScoringScheme kChesterVeterans =
    Scheme(1, 21, {{4, 1}, {6, 1}}, kTotal, kAve, kShotsBoth, {0, 0, 1}, DivideByGames | RankByWins);
constexpr ScoringScheme kFormby =
    Scheme(1, 21, {{4, 1}, {6, 1}, {9, 2}, {10, 1}, {11, 3}, {12, 2}}, kTotal, kAgg, kNoMeasure, {0, 0, 2},
           WinRatioPlusShotRatio);
constexpr ScoringScheme kLeighParks =
    Scheme(1, 21, {{8, 8}, {9, 2}, {10, 1}, {11, 3}, {12, 2}}, kTotal, kAve, kShotsBoth, {0, 0, 1},
           DivideByGames);
constexpr ScoringScheme kFazackerley =
    Scheme(1, 21, {{9, 2}, {10, 1}, {11, 3}, {12, 2}}, kTotal, kAve, kShotsBoth, {0, 0, 1},
           DivideByGames | KeepHandicaps | ShowHandicaps);
constexpr ScoringScheme kLeighMidweek =
    Scheme(1, 21, {{9, 2}, {10, 1}, {11, 3}, {12, 2}}, kTotal, kAve, kShotsBoth, {0, 0, 1},
           DivideByGames | KeepHandicaps | ShowHandicaps);
constexpr ScoringScheme kRotherham =
    Scheme(2, 21, {{4, 2}, {6, 2}, {9, 2}, {11, 2}}, kTotal, kAve, kShotsBoth, {0, 0, 1},
           DivideByGames | LevelDrawFive);
constexpr ScoringScheme kMalpas =
    Scheme(1, 21, kShots, kAve, kAgg, kShotsBoth, {0, 1, 0}, HideShotTotals | AveragePerMatch | RankByWins);
constexpr ScoringScheme kMaltby =
    Scheme(1, 21, {{4, 1}, {6, 1}, {9, 2}, {10, 1}, {11, 3}, {12, 2}}, kTotal, kAve, kNoMeasure, {0, 0, 2},
           ShotRatio);
constexpr ScoringScheme kCoventry =
    Scheme(1, 21, {{4, 1}, {6, 1}, {9, 2}, {10, 1}, {11, 3}, {12, 1}}, kTotal, kPoints, kShotsBoth, {0, 0, 0},
           WinMeritWalkoverTieBreak);
constexpr ScoringScheme kBramhall =
    Scheme(3, 0, {{4, 2}, {5, 1}, {6, 2}, {7, 1}}, kTotal, kAve, kShotsBoth, {0, 0, 1}, DivideByGames);
constexpr ScoringScheme kBolton =
    Scheme(1, 21, {{4, 1}, {6, 1}, {9, 2}, {10, 1}, {11, 3}, {12, 2}}, kTotal, kPoints, kShotsBoth, {0, 0, 0},
           WinMeritShotTieBreak);
constexpr ScoringScheme kBoltonParksVets =
    Scheme(1, 15, {{4, 1}, {6, 1}, {9, 2}, {10, 1}, {11, 3}, {12, 2}}, kTotal, kAve, kNoMeasure, {0, 0, 2},
           ShotRatio);
constexpr ScoringScheme kKnypersley = Scheme(1, 21, kShots, kAve, kAve, kNoMeasure, {0, 1, 2},
                                             HideShotTotals | AveragePerMatch | BandedAverageAway);
constexpr ScoringScheme kRamsbottom =
    Scheme(1, 21, {{4, 1}, {6, 1}, {9, 2}, {10, 1}, {11, 3}, {12, 2}}, kTotal, kAgg, kShotsBoth, {0, 0, 0},
           kNone);
constexpr ScoringScheme kBoltonMunicipal =
    Scheme(1, 21, {{4, 1}, {6, 1}, {9, 2}, {10, 1}, {11, 3}, {12, 2}}, kTotal, kAve, kShotsBoth, {0, 0, 1},
           DivideByGames | RankByWins);
constexpr ScoringScheme kTurton =
    Scheme(1, 21, {{4, 1}, {6, 1}, {9, 2}, {10, 1}, {11, 3}, {12, 2}}, kTotal, kMerit, kShotsBoth, {0, 0, 0},
           WinMerit);
constexpr ScoringScheme kDarwen =
    Scheme(1, 21, {{4, 2}, {6, 2}, {9, 2}, {10, 1}, {11, 2}, {12, 1}}, kTotal, kAve, kShotsBoth, {0, 0, 1},
           DivideByGames);
constexpr ScoringScheme kBuryMetro =
    Scheme(1, 21, {{4, 1}, {6, 1}, {9, 4}, {10, 2}, {11, 4}, {12, 2}}, kTotal, kAve, kShotsBoth, {0, 0, 1},
           DivideByGames | KeepHandicaps | ShowHandicaps);
constexpr ScoringScheme kStHelens =
    Scheme(1, 21, {{8, 24}, {9, 2}, {10, 1}, {11, 3}, {12, 1}}, kTotal, kAve, kShotsBoth, {0, 0, 1},
           DivideByGames);
constexpr ScoringScheme kStHelensChurches =
    Scheme(1, 21, {{9, 2}, {10, 1}, {11, 2}, {12, 1}}, kTotal, kAve, kShotsBoth, {0, 0, 1},
           DivideByGames | KeepHandicaps | ShowHandicaps);
constexpr ScoringScheme kStHelensPensioners =
    Scheme(1, 21, {{8, 12}, {9, 2}, {10, 1}, {11, 3}, {12, 2}}, kTotal, kAve, kShotsBoth, {0, 0, 1},
           DivideByGames);
constexpr ScoringScheme kNewtonPensioners =
    Scheme(1, 21, {{8, 16}, {9, 2}, {10, 1}, {11, 3}, {12, 2}}, kTotal, kAve, kShotsBoth, {0, 0, 1},
           DivideByGames);
constexpr ScoringScheme kBlackburn =
    Scheme(1, 21, {{4, 2}, {6, 2}, {9, 4}, {10, 2}, {11, 4}, {12, 2}}, kTotal, kAve, kShotsBoth, {0, 0, 1},
           DivideByGames | RankByWins);
constexpr ScoringScheme kFurnessLadies =
    Scheme(1, 21, {{4, 1}, {6, 1}, {9, 1}, {10, 1}, {11, 2}, {12, 1}}, kTotal, kAgg, kShotsBoth, {0, 0, 0},
           RankByWins);
constexpr ScoringScheme kAiredaleVets =
    Scheme(1, 21, {}, kTotal, kAve, kShotsBoth, {0, 0, 1}, DivideByGames | GameBandPoints);
constexpr ScoringScheme kDeersLeap =
    Scheme(1, 21, {{9, 2}, {10, 1}, {11, 3}, {12, 2}}, kTotal, kPts, kNoMeasure, {0, 0, 0}, BandPointsHomeAway);
constexpr ScoringScheme kKearsley =
    Scheme(1, 15, {{4, 1}, {6, 1}, {9, 2}, {10, 1}, {11, 3}, {12, 2}}, kTotal, kPts, kNoMeasure, {0, 0, 0},
           HideShotTotals | AveragePerMatch | WalkoverPoints);
constexpr ScoringScheme kMatlockDoubles21 = Scheme(2, 21, kShots, kAve, kAve, kShotsFor, {0, 1, 1}, kAverageFlags);
constexpr ScoringScheme kMatlockDoubles15 = Scheme(2, 15, kShots, kAve, kAve, kShotsFor, {0, 1, 1}, kAverageFlags);
constexpr ScoringScheme kMatlockSingles15 = Scheme(1, 15, kShots, kAve, kAve, kShotsFor, {0, 1, 1}, kAverageFlags);
constexpr ScoringScheme kBlackHorse =
    Scheme(1, 21, kShots, kAve, kPts, kNoMeasure, {0, 1, 0}, HideShotTotals | AveragePerMatch | AwayBandPoints);
constexpr ScoringScheme kSellyPark = Scheme(1, 21, kShots, kAve, kPts, kShotsBoth, {0, 1, 0},
                                            HideShotTotals | AveragePerMatch | BandPointsHomeAway2);
constexpr ScoringScheme kMatlockThursday =
    Scheme(1, 15, kShots, kAve, kAve, kShotsFor, {0, 1, 1}, kAverageFlags | KeepHandicaps);

struct Entry {
    std::string_view name;
    const ScoringScheme* scheme;   // nullptr: the parameters travel in the season
};

// In index order: the index is what a season stores, so entries never move.
constexpr std::array<Entry, kSchemeCount> kEntries = {{
    {"Aggregate", &kAggregate},
    {"Altrincham LV", &kAggregate},
    {"Altrincham & South Manchester", &kAggregate},
    {"Stockport & district", &kStockport},
    {"Aggregate 15", &kAggregate15},
    {"Manchester indoor BA", &kManchesterIndoor},
    {"Pairs aggregate", &kPairsAggregate},
    {"Pairs aggregate 15", &kPairsAggregate15},
    {"Knutsford", &kKnutsford},
    {"Bebbington & district", &kBebbington},
    {"Cannock", &kCannock},
    {"Crossgates", &kCrossgates},
    {"Isle of Man", &kIsleOfMan},
    {"Leeds & district", &kLeeds},
    {"Lichfield & district", &kLichfield},
    {"Lichfield 50+", &kLichfield50},
    {"Mid-Shropshire", &kMidShropshire},
    {"Rothay", &kRothay},
    {"Shropshire premier", &kShropshirePremier},
    {"Wallasey", &kWallasey},
    {"Warrington & N Ches (Mon)", &kWarringtonMonday},
    {"Alderley & district", &kAggregate},
    {"Cheadle & Gatley", &kAggregate},
    {"Congleton", &kCongleton},
    {"Macclesfield", &kAggregate},
    {"Mid-Cheshire", &kMidCheshire},
    {"Stockport & district vets", &kStockportVets},
    {"Warrington & N Ches (Wed)", &kAggregate},
    {"Barkston Ash", &kAggregate},
    {"Stockport indoor (short mat)", &kStockportIndoor},
    {"MEN premier", &kMenPremier},
    {"Chester & district", &kChester},
    {"Deeside veterans", &kDeesideVeterans},
    {"Dudley & district", &kDudley},
    {"Dudley Building Society", &kDudleyBuildingSociety},
    {"Ormskirk & district", &kOrmskirk},
    {"Smethwick & district", &kSmethwick},
    {"Warwick & Worcester", &kWarwick},
    {"Furness", &kFurness},
    {"Ulverston", &kUlverston},
    {"North Derbyshire ladies", &kNorthDerbyshireLadies},
    {"Norley", &kNorley},
    {"North Derbyshire", &kNorthDerbyshire},
    {"Heart of England", &kHeartOfEngland},
    {"Airedale & Wharfedale", &kAiredale},
    {"RSJC", &kRsjc},
    {"Clough Hall BC", &kCloughHall},
    {"Mid-Cheshire ladies", &kMidCheshireLadies},
    {"Northfield & District", &kNorthfield},
    {"Chester veterans", &kChesterVeterans},
    {"Formby & district", &kFormby},
    {"Southport & district", &kFormby},
    {"Southport & district ladies", &kHeartOfEngland},
    {"Leigh parks", &kLeighParks},
    {"Fazackerley Furnishings veterans", &kFazackerley},
    {"Leigh mid-week", &kLeighMidweek},
    {"Rotherham Friday doubles", &kRotherham},
    {"Malpas", &kMalpas},
    {"Maltby & district", &kMaltby},
    {"Coventry & district", &kCoventry},
    {"Bramhall indoor", &kBramhall},
    {"Bolton & district", &kBolton},
    {"Bolton Parks vets", &kBoltonParksVets},
    {"Knypersley BC", &kKnypersley},
    {"Custom", nullptr},
    {"Ramsbottom & district", &kRamsbottom},
    {"Bolton Municipal", &kBoltonMunicipal},
    {"Bolton Mills", &kMaltby},
    {"Turton", &kTurton},
    {"Darwen & district", &kDarwen},
    {"Bury Metro", &kBuryMetro},
    {"Sale & district", &kMidCheshireLadies},
    {"St Helens", &kStHelens},
    {"St Helens Churches", &kStHelensChurches},
    {"St Helens Pensioners", &kStHelensPensioners},
    {"Newton Pensioners", &kNewtonPensioners},
    {"Blackburn & district", &kBlackburn},
    {"Furness Ladies Evening", &kFurnessLadies},
    {"Airedale & Wharfedale vets", &kAiredaleVets},
    {"Deers Leap BC", &kDeersLeap},
    {"Kearsley Park BC", &kKearsley},
    {"Matlock Doubles 21", &kMatlockDoubles21},
    {"Matlock Doubles 15", &kMatlockDoubles15},
    {"Matlock Singles 21", &kMidCheshireLadies},
    {"Matlock Singles 15", &kMatlockSingles15},
    {"Black Horse BC", &kBlackHorse},
    {"Selly Park BC", &kSellyPark},
    {"Matlock Thursday League", &kMatlockThursday},
}};

}  // namespace

std::string_view BuiltInSchemeName(int index)
{
    if (index < 0 || index >= kSchemeCount)
        return {};
    return kEntries[static_cast<std::size_t>(index)].name;
}

const ScoringScheme* BuiltInScheme(int index)
{
    if (index < 0 || index >= kSchemeCount)
        return nullptr;
    return kEntries[static_cast<std::size_t>(index)].scheme;
}
