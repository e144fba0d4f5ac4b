#include "model/ScoringScheme.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "model/Host.h"
#include "model/SchemeTable.h"
#include "model/Season.h"
#include "model/Text.h"

namespace {

constexpr int kAggregateScheme = 0;
constexpr int kStHelensChurches = 73;
constexpr int kMatlockThursday = 87;

// Offsets of the fields in the 146-byte image. target sits at the odd offset 2,
// which is why the image is built field by field instead of copied.
constexpr std::size_t kGroupSizeAt = 0;
constexpr std::size_t kTargetAt = 2;
constexpr std::size_t kWeightAt = 6;
constexpr std::size_t kReservePenaltyAt = 82;
constexpr std::size_t kTotalLabelAt = 86;
constexpr std::size_t kForWeightAt = 98;
constexpr std::size_t kAgainstWeightAt = 102;
constexpr std::size_t kWalkoverCreditAt = 106;
constexpr std::size_t kWalkoverGamesAt = 110;
constexpr std::size_t kMatchDecimalsAt = 114;
constexpr std::size_t kTeamDecimalsAt = 118;
constexpr std::size_t kPlayerDecimalsAt = 122;
constexpr std::size_t kFlagsAt = 126;
constexpr std::size_t kReserved1At = 130;
constexpr std::size_t kMeasureLabelAt = 134;
constexpr std::size_t kReserved2At = 142;
static_assert(kReserved2At + 4 == kSchemeBytes);

void Put16(SchemeBytes& out, std::size_t at, std::uint16_t value)
{
    out[at] = static_cast<std::uint8_t>(value);
    out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(SchemeBytes& out, std::size_t at, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint16_t Get16(const std::uint8_t* in, std::size_t at)
{
    return static_cast<std::uint16_t>(in[at] | (in[at + 1] << 8));
}

std::uint32_t Get32(const std::uint8_t* in, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= std::uint32_t{in[at + i]} << (8 * i);
    return value;
}

template <std::size_t N>
void PutBytes(SchemeBytes& out, std::size_t at, const std::array<char, N>& field)
{
    std::memcpy(out.data() + at, field.data(), N);
}

template <std::size_t N>
void PutBytes(SchemeBytes& out, std::size_t at, const std::array<std::uint8_t, N>& field)
{
    std::memcpy(out.data() + at, field.data(), N);
}

template <typename T, std::size_t N>
void GetBytes(const std::uint8_t* in, std::size_t at, std::array<T, N>& field)
{
    std::memcpy(field.data(), in + at, N);
}

template <std::size_t N> std::string LabelText(const std::array<char, N>& field)
{
    const auto end = std::find(field.begin(), field.end(), '\0');
    return std::string(field.begin(), end);
}

template <typename Equal> int FindScheme(std::string_view name, Equal equal)
{
    for (int index = 0; index < kSchemeCount; ++index) {
        if (equal(BuiltInSchemeName(index), name))
            return index;
    }
    return kSchemeCount;
}

// The record that answers for index, or the season's own copy when the table
// has none (Custom, out of range); nullptr when neither exists.
const ScoringScheme* RecordOrCopy(int index, const Season* season)
{
    if (const ScoringScheme* record = BuiltInScheme(index))
        return record;
    return season ? &season->scheme : nullptr;
}

} // namespace

std::string ScoringScheme::TotalLabel() const
{
    return LabelText(totalLabel);
}

std::string ScoringScheme::MeasureLabel() const
{
    return LabelText(measureLabel);
}

SchemeBytes SchemeToBytes(const ScoringScheme& scheme)
{
    SchemeBytes out{};
    Put16(out, kGroupSizeAt, scheme.groupSize);
    Put32(out, kTargetAt, scheme.target);
    for (std::size_t i = 0; i < scheme.weight.size(); ++i)
        Put32(out, kWeightAt + 4 * i, std::bit_cast<std::uint32_t>(scheme.weight[i]));
    Put32(out, kReservePenaltyAt, scheme.reservePenalty);
    PutBytes(out, kTotalLabelAt, scheme.totalLabel);
    Put32(out, kForWeightAt, static_cast<std::uint32_t>(scheme.forWeight));
    Put32(out, kAgainstWeightAt, static_cast<std::uint32_t>(scheme.againstWeight));
    Put32(out, kWalkoverCreditAt, static_cast<std::uint32_t>(scheme.walkoverCredit));
    Put32(out, kWalkoverGamesAt, static_cast<std::uint32_t>(scheme.walkoverGames));
    Put32(out, kMatchDecimalsAt, static_cast<std::uint32_t>(scheme.matchDecimals));
    Put32(out, kTeamDecimalsAt, static_cast<std::uint32_t>(scheme.teamDecimals));
    Put32(out, kPlayerDecimalsAt, static_cast<std::uint32_t>(scheme.playerDecimals));
    Put32(out, kFlagsAt, scheme.flags);
    PutBytes(out, kReserved1At, scheme.reserved1);
    PutBytes(out, kMeasureLabelAt, scheme.measureLabel);
    PutBytes(out, kReserved2At, scheme.reserved2);
    return out;
}

ScoringScheme SchemeFromBytes(const std::uint8_t* bytes)
{
    ScoringScheme scheme;
    scheme.groupSize = Get16(bytes, kGroupSizeAt);
    scheme.target = Get32(bytes, kTargetAt);
    for (std::size_t i = 0; i < scheme.weight.size(); ++i)
        scheme.weight[i] = std::bit_cast<float>(Get32(bytes, kWeightAt + 4 * i));
    scheme.reservePenalty = Get32(bytes, kReservePenaltyAt);
    GetBytes(bytes, kTotalLabelAt, scheme.totalLabel);
    scheme.forWeight = static_cast<std::int32_t>(Get32(bytes, kForWeightAt));
    scheme.againstWeight = static_cast<std::int32_t>(Get32(bytes, kAgainstWeightAt));
    scheme.walkoverCredit = static_cast<std::int32_t>(Get32(bytes, kWalkoverCreditAt));
    scheme.walkoverGames = static_cast<std::int32_t>(Get32(bytes, kWalkoverGamesAt));
    scheme.matchDecimals = static_cast<std::int32_t>(Get32(bytes, kMatchDecimalsAt));
    scheme.teamDecimals = static_cast<std::int32_t>(Get32(bytes, kTeamDecimalsAt));
    scheme.playerDecimals = static_cast<std::int32_t>(Get32(bytes, kPlayerDecimalsAt));
    scheme.flags = Get32(bytes, kFlagsAt);
    GetBytes(bytes, kReserved1At, scheme.reserved1);
    GetBytes(bytes, kMeasureLabelAt, scheme.measureLabel);
    GetBytes(bytes, kReserved2At, scheme.reserved2);
    return scheme;
}

std::string_view SchemeName(int index)
{
    return BuiltInSchemeName(index);
}

const ScoringScheme* LookupScheme(int index, Host& host)
{
    if (index == kCustomScheme)
        return nullptr;
    if (const ScoringScheme* record = BuiltInScheme(index))
        return record;
    host.ShowMessage("Scoring scheme not recognised; aggregate will be used", "Program error",
                     MessageIcon::Exclamation);
    return BuiltInScheme(kAggregateScheme);
}

void ApplyScheme(Season& season, Host& host)
{
    // Any index past the table behaves alike; clamp so the conversion to int
    // cannot wrap a huge stored value into a valid (or negative) index.
    const int index = season.schemeIndex > std::uint32_t{kSchemeCount}
                          ? kSchemeCount
                          : static_cast<int>(season.schemeIndex);
    if (const ScoringScheme* record = LookupScheme(index, host))
        season.scheme = *record;

    // A handicap belongs to the rules it was entered under.
    season.homeHandicap = 0;
    season.awayHandicap = 0;
    for (const auto& fixture : season.fixtures) {
        if (fixture)
            fixture->oppHandicap = 0;
    }

    // Worked in int: a Custom groupSize read from a file may not fit groupSpan.
    std::array<int, kMaxTeamSize> span{};
    for (int i = 0; i < kMaxTeamSize; ++i)
        span[static_cast<std::size_t>(i)] = season.groupSpan[static_cast<std::size_t>(i)];
    const int groupSize = season.scheme.groupSize;
    if (groupSize != 0) {
        for (int i = 0; i < kMaxTeamSize; ++i)
            span[static_cast<std::size_t>(i)] = (i % groupSize == 0) ? groupSize - 1 : -1;
    }

    // Leagues that play their first games as pairs and the rest as singles.
    if (index == kStHelensChurches) {
        span[0] = 1;
        span[1] = -1;
    } else if (index == kMatlockThursday) {
        for (std::size_t i = 0; i < 6; ++i)
            span[i] = (i % 2 == 0) ? 1 : -1;
    }

    const int teamSize = season.teamSize;
    for (int i = 0; i < kMaxTeamSize; ++i) {
        int& s = span[static_cast<std::size_t>(i)];
        if (i >= teamSize)
            s = -1;
        else if (s > teamSize - 1 - i)
            s = teamSize - 1 - i; // a group never runs past the last position
        season.groupSpan[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(s);
    }

    season.gameTarget.fill(season.scheme.target);
    if (index == kMatlockThursday) {
        // Its pairs, led from positions 0, 2 and 4, play to 21; its singles to 15.
        std::fill_n(season.gameTarget.begin(), 5, 21u);
    }
}

int SchemeGroupSize(int index, const Season* season)
{
    const ScoringScheme* record = RecordOrCopy(index, season);
    return record ? record->groupSize : 0;
}

std::uint32_t SchemeTarget(int index, const Season* season)
{
    const ScoringScheme* record = RecordOrCopy(index, season);
    return record ? record->target : 0;
}

int SchemeIndexExact(std::string_view name)
{
    return FindScheme(name, [](std::string_view a, std::string_view b) { return a == b; });
}

int SchemeIndexIgnoringCase(std::string_view name)
{
    return FindScheme(name, EqualIgnoringAsciiCase);
}
