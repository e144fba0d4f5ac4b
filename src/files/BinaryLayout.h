#pragma once

// Where each field of the binary season file lies, and the little-endian and
// fixed-text primitives that the writer and the reader share. Only the two of
// them include this header.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "files/BinaryFormat.h"

namespace seasonfile {

// Header.
constexpr std::size_t kMagicAt = 0;
constexpr std::size_t kWriterMajorAt = 4;
constexpr std::size_t kWriterMinorAt = 6;
constexpr std::size_t kRevisionAt = 8;
constexpr std::size_t kReservedAt = 10;
constexpr std::size_t kTeamNameAt = 12;
constexpr std::size_t kTeamNameField = 33;
constexpr std::size_t kLeagueNameAt = 45;
constexpr std::size_t kLeagueNameField = 65;
constexpr std::size_t kTeamSizeAt = 110;
constexpr std::size_t kSchemeIndexAt = 112;
constexpr std::size_t kDivisionAt = 114;
constexpr std::size_t kDivisionField = 18;
constexpr std::size_t kFixtureCountAt = 132;
constexpr std::size_t kFixturesOffsetAt = 134; // homeHandicap under KeepHandicaps
constexpr std::size_t kGamesOffsetAt = 138;    // awayHandicap under KeepHandicaps
constexpr std::size_t kPlayerCountAt = 142;
constexpr std::size_t kPlayersOffsetAt = 144; // 0 under KeepHandicaps
constexpr std::size_t kMainLengthAt = 148;

// Opponent and player names share one field width.
constexpr std::size_t kNameField = 34;

// Fixture record.
constexpr std::size_t kFixtureResultAt = 4;
constexpr std::size_t kFixtureOpponentAt = 6;
constexpr std::size_t kFixtureVenueAt = 40;
constexpr std::size_t kFixtureYearAt = 42;
constexpr std::size_t kFixtureDayAt = 44;
constexpr std::size_t kFixtureMonthAt = 45;
constexpr std::size_t kFixtureResultTextAt = 46; // oppHandicap under KeepHandicaps
constexpr std::size_t kResultTextField = 16;

// Game record.
constexpr std::size_t kGamePlayerIdAt = 4;
constexpr std::size_t kGameOpponentAt = 6;
constexpr std::size_t kGameStateAt = 40;
constexpr std::size_t kGameScoreForAt = 42;
constexpr std::size_t kGameScoreAgainstAt = 44;

// Player record.
constexpr std::size_t kPlayerIdAt = 4;
constexpr std::size_t kPlayerAppearancesAt = 6; // broughtFor under KeepHandicaps
constexpr std::size_t kPlayerPlayedAt = 8;      // broughtAgainst under KeepHandicaps
constexpr std::size_t kPlayerWonAt = 10;
constexpr std::size_t kPlayerMeasureAt = 12;
constexpr std::size_t kPlayerNameAt = 16;
constexpr std::size_t kPlayerSurnameAt = 50;

// Extension head, and the extra records as this version writes them.
constexpr std::size_t kHeadLengthAt = 0;
constexpr std::size_t kFixtureExtraSizeAt = 4;
constexpr std::size_t kGameExtraSizeAt = 8;
constexpr std::size_t kPlayerExtraSizeAt = 12;
constexpr std::size_t kFixtureExtrasPresentAt = 16;
constexpr std::size_t kGameExtrasPresentAt = 20;
constexpr std::size_t kPlayerExtrasPresentAt = 24;
constexpr std::size_t kHeadSchemeAt = 28;
constexpr std::uint32_t kFixtureExtraBytes = 1;
constexpr std::uint32_t kGameExtraBytes = 4;
constexpr std::uint32_t kPlayerExtraBytes = 2;
constexpr std::size_t kGameExtraStateAt = 0;
constexpr std::size_t kGameExtraSecondPlayerAt = 2;
constexpr std::size_t kPlayerExtraGroupAt = 0;

// Files from versions before 8.15 end after the player records.
inline bool CarriesExtension(unsigned major, unsigned minor)
{
    return major > 8 || (major == 8 && minor >= 15);
}

// Length of header, fixture, game and player records. 64-bit so that counts
// taken from a file cannot overflow it.
inline std::uint64_t MainLength(std::uint64_t fixtures, std::uint64_t teamSize,
                                std::uint64_t players)
{
    return kHeaderBytes + fixtures * (kFixtureRecordBytes + kGameRecordBytes * teamSize) +
           kPlayerRecordBytes * players;
}

inline void Put16(std::uint8_t* at, std::uint32_t value)
{
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

inline void Put32(std::uint8_t* at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Copies at most field - 1 (and at most longest) bytes of text into a field
// that the caller has already filled with zeros, so the text always ends in
// a NUL inside its field.
inline void PutText(std::uint8_t* at, std::size_t field, const std::string& text,
                    std::size_t longest = SIZE_MAX)
{
    std::size_t n = text.size();
    if (n > field - 1)
        n = field - 1;
    if (n > longest)
        n = longest;
    std::copy_n(text.begin(), n, at);
}

inline std::uint16_t Get16(const std::uint8_t* at)
{
    return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}

inline std::int16_t GetSigned16(const std::uint8_t* at)
{
    return static_cast<std::int16_t>(Get16(at));
}

inline std::uint32_t Get32(const std::uint8_t* at)
{
    return static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
           (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}

inline std::int32_t GetSigned32(const std::uint8_t* at)
{
    return static_cast<std::int32_t>(Get32(at));
}

// A text field up to its NUL, and never more than field - 1 bytes: the text
// must fit the same field when it is written back.
inline std::string GetText(const std::uint8_t* at, std::size_t field)
{
    std::size_t n = 0;
    while (n < field - 1 && at[n] != 0)
        ++n;
    return std::string(reinterpret_cast<const char*>(at), n);
}

} // namespace seasonfile
