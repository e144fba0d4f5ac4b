#pragma once

// Helpers shared by the binary season file tests: the example season, its
// byte layout, and little-endian access to a file image.

#include <cstring>

#include <QByteArray>

#include "files/BinaryFormat.h"
#include "model/ScoringScheme.h"
#include "support/FakeHost.h"
#include "support/SeasonBuilder.h"

// Offsets are spelt out here rather than taken from the format code, so that
// a field moved in the code shows up as a failure.

namespace binarytest {

constexpr int kBuryMetro = 70;
constexpr int kMatlockThursday = 87;
constexpr int kCannock = 10;

// The season of 3 fixtures, team size 4 and 5 players.
constexpr std::size_t kMain = 1150;
constexpr std::size_t kGamesAt = 152 + 3 * 62;
constexpr std::size_t kPlayersAt = kGamesAt + 12 * 46;
constexpr std::size_t kGameExtrasAt = kMain + 174;
constexpr std::size_t kPlayerExtrasAt = kGameExtrasAt + 12 * 4;
constexpr std::size_t kWhole = kPlayerExtrasAt + 5 * 2;

inline std::uint32_t Peek16(const Bytes& b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8);
}

inline std::uint32_t Peek32(const Bytes& b, std::size_t at)
{
    return Peek16(b, at) | (Peek16(b, at + 2) << 16);
}

inline void Poke16(Bytes& b, std::size_t at, std::uint32_t v)
{
    b[at] = std::uint8_t(v);
    b[at + 1] = std::uint8_t(v >> 8);
}

inline void Poke32(Bytes& b, std::size_t at, std::uint32_t v)
{
    Poke16(b, at, v & 0xFFFF);
    Poke16(b, at + 2, v >> 16);
}

inline QByteArray Field(const Bytes& b, std::size_t at, std::size_t length)
{
    return QByteArray(reinterpret_cast<const char*>(b.data() + at), qsizetype(length));
}

inline Bytes Poked16(Bytes b, std::size_t at, std::uint32_t v)
{
    Poke16(b, at, v);
    return b;
}

inline Bytes Poked32(Bytes b, std::size_t at, std::uint32_t v)
{
    Poke32(b, at, v);
    return b;
}

inline SeasonPtr Build(int scheme, int teamSize = 4, int fixtures = 3, int players = 5)
{
    FakeHost host;
    return BuildSeason({scheme, teamSize, fixtures, players}, host);
}

// A Custom season whose own parameters pair the players and keep handicaps
// when asked to.
inline SeasonPtr BuildCustom(std::uint32_t flags)
{
    SeasonPtr s = Build(kCustomScheme);
    ScoringScheme& c = s->scheme;
    c.groupSize = 2;
    c.target = 15;
    c.weight[0] = 1.5f;
    c.weight[9] = 2.0f;
    c.weight[18] = -0.25f;
    c.forWeight = 1;
    c.againstWeight = 1;
    c.playerDecimals = 2;
    c.flags = flags;
    std::memcpy(c.totalLabel.data(), " Pts ", 5);
    std::memcpy(c.measureLabel.data(), " Avg ", 5);
    FakeHost host;
    ApplyScheme(*s, host);
    return s;
}

// Pending game, second player and group: the things only the extension carries.
inline void AddExtensionContent(Season& s)
{
    s.fixtures[0]->games[1].state = Pending;
    s.fixtures[0]->games[1].scoreFor = 0;
    s.fixtures[0]->games[1].scoreAgainst = 0;
    s.fixtures[1]->games[0].secondPlayer = s.players[2].get();
    s.players[3]->group = 2;
}

inline ReadStatus Read(const Bytes& bytes, FakeHost& host, SeasonPtr& season)
{
    return SeasonFromBytes(bytes.data(), bytes.size(), host, season);
}

// The season read from bytes, or nothing when the reader refused them.
inline SeasonPtr ReadOk(const Bytes& bytes, FakeHost& host)
{
    SeasonPtr season;
    return Read(bytes, host, season) == ReadStatus::Ok ? std::move(season) : nullptr;
}

} // namespace binarytest
