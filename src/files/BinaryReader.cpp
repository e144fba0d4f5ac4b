#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <new>

#include "files/BinaryFormat.h"
#include "files/BinaryLayout.h"
#include "model/Dates.h"
#include "model/Host.h"
#include "model/Recalculate.h"
#include "model/ScoringScheme.h"

using namespace seasonfile;

// Season files arrive by e-mail: every count, extent and id below is checked
// against the buffer before anything is read through it, and a file that
// would break an invariant of the season is refused before anything is built.

namespace {

// What the header announces, once it has been found consistent with the buffer.
struct Layout {
    unsigned writerMajor = 0;
    unsigned writerMinor = 0;
    std::size_t teamSize = 0;
    std::size_t fixtureCount = 0;
    std::size_t playerCount = 0;
    std::size_t gamesAt = 0;
    std::size_t playersAt = 0;
    std::size_t mainLength = 0; // computed from the counts, not the header's word
};

// The parts of the extension block that lie wholly inside the buffer.
struct Extension {
    const std::uint8_t* scheme = nullptr; // the Custom parameters, when the head is complete
    const std::uint8_t* gameExtras = nullptr;
    std::uint32_t gameExtraSize = 0;
    const std::uint8_t* playerExtras = nullptr;
    std::uint32_t playerExtraSize = 0;
};

bool ReadLayout(const std::uint8_t* data, std::size_t size, Layout& layout)
{
    if (size < kHeaderBytes)
        return false;
    if (Get32(data + kMagicAt) != kSeasonMagic || Get16(data + kRevisionAt) != kFormatRevision ||
        Get16(data + kReservedAt) != 0)
        return false;
    if (Get32(data + kMainLengthAt) > size)
        return false;

    layout.writerMajor = Get16(data + kWriterMajorAt);
    layout.writerMinor = Get16(data + kWriterMinorAt);
    layout.teamSize = Get16(data + kTeamSizeAt);
    layout.fixtureCount = Get16(data + kFixtureCountAt);
    layout.playerCount = Get16(data + kPlayerCountAt);
    // The 30-position tables and the 200-entry tables indexed by player id.
    if (layout.teamSize > static_cast<std::size_t>(kMaxTeamSize) ||
        layout.playerCount > static_cast<std::size_t>(kMaxPlayers))
        return false;
    // The records are where the counts put them, whatever the header's
    // offsets say; they must all be there.
    const std::uint64_t mainLength =
        MainLength(layout.fixtureCount, layout.teamSize, layout.playerCount);
    if (mainLength > size)
        return false;
    layout.mainLength = static_cast<std::size_t>(mainLength);
    layout.gamesAt = kHeaderBytes + layout.fixtureCount * kFixtureRecordBytes;
    layout.playersAt = layout.gamesAt + layout.fixtureCount * layout.teamSize * kGameRecordBytes;
    return true;
}

// Games and the twin links find players by id, so the ids must be exactly
// 0 .. playerCount - 1.
bool PlayerIdsAreDense(const std::uint8_t* data, const Layout& layout)
{
    std::array<bool, kMaxPlayers> seen{};
    for (std::size_t i = 0; i < layout.playerCount; ++i) {
        const std::size_t id =
            Get16(data + layout.playersAt + i * kPlayerRecordBytes + kPlayerIdAt);
        if (id >= layout.playerCount || seen[id])
            return false;
        seen[id] = true;
    }
    return true;
}

// Finds the extension block right after the records. A head cut short leaves
// the block out altogether; a kind of extra record is used only when all its
// records are inside the buffer.
Extension LocateExtension(const std::uint8_t* data, std::size_t size, const Layout& layout)
{
    Extension ext;
    if (!CarriesExtension(layout.writerMajor, layout.writerMinor))
        return ext;
    const std::uint64_t start = layout.mainLength;
    if (start + 4 > size)
        return ext;
    // A later version may write a longer head; a shorter one is not believed.
    const std::uint64_t headLength =
        std::max<std::uint64_t>(Get32(data + start + kHeadLengthAt), kExtensionHeadBytes);
    if (start + headLength > size)
        return ext;
    const std::uint8_t* head = data + start;
    ext.scheme = head + kHeadSchemeAt;

    const std::uint64_t games = std::uint64_t(layout.fixtureCount) * layout.teamSize;
    std::uint64_t at = start + headLength;
    if (Get32(head + kFixtureExtrasPresentAt) != 0)
        at += std::uint64_t(Get32(head + kFixtureExtraSizeAt)) * layout.fixtureCount;
    if (Get32(head + kGameExtrasPresentAt) != 0) {
        const std::uint32_t recordSize = Get32(head + kGameExtraSizeAt);
        const std::uint64_t extent = std::uint64_t(recordSize) * games;
        if (at + extent <= size) {
            ext.gameExtras = data + at;
            ext.gameExtraSize = recordSize;
        }
        at += extent;
    }
    if (Get32(head + kPlayerExtrasPresentAt) != 0) {
        const std::uint32_t recordSize = Get32(head + kPlayerExtraSizeAt);
        const std::uint64_t extent = std::uint64_t(recordSize) * layout.playerCount;
        if (at + extent <= size) {
            ext.playerExtras = data + at;
            ext.playerExtraSize = recordSize;
        }
    }
    return ext;
}

// A weight that is not a number would poison every total it enters.
bool WeightsAreFinite(const std::uint8_t* scheme)
{
    for (int i = 0; i < kWeightCount; ++i) {
        const float w = std::bit_cast<float>(Get32(scheme + 6 + 4 * static_cast<std::size_t>(i)));
        if (!std::isfinite(w))
            return false;
    }
    return true;
}

// Values outside a field's range are replaced by its neutral value, so that
// nothing later can use them as an index: result "not played", venue
// "neutral", state "not played".
std::uint32_t ResultFrom(std::int16_t value)
{
    return value >= 0 && value <= int(ResultLost) ? static_cast<std::uint32_t>(value) : ResultNone;
}

std::uint32_t VenueFrom(std::int16_t value)
{
    return value >= 0 && value <= int(Neutral) ? static_cast<std::uint32_t>(value) : Neutral;
}

std::uint32_t StateFrom(int value)
{
    return value >= 0 && value <= int(Pending) ? static_cast<std::uint32_t>(value) : NotPlayed;
}

void ReadFixture(const std::uint8_t* at, Fixture& fixture, bool keepHandicaps)
{
    fixture.result = ResultFrom(GetSigned16(at + kFixtureResultAt));
    fixture.opponent = GetText(at + kFixtureOpponentAt, kNameField);
    fixture.venue = VenueFrom(GetSigned16(at + kFixtureVenueAt));
    fixture.date =
        MakeLocalDate(Get16(at + kFixtureYearAt), at[kFixtureMonthAt], at[kFixtureDayAt]);
    if (keepHandicaps)
        fixture.oppHandicap = GetSigned32(at + kFixtureResultTextAt);
}

void ReadGame(const std::uint8_t* at, Game& game)
{
    game.playerId = GetSigned16(at + kGamePlayerIdAt);
    game.opponent = GetText(at + kGameOpponentAt, kNameField);
    game.state = StateFrom(GetSigned16(at + kGameStateAt));
    game.scoreFor = GetSigned16(at + kGameScoreForAt);
    game.scoreAgainst = GetSigned16(at + kGameScoreAgainstAt);
}

void ReadPlayer(const std::uint8_t* at, Player& player, bool keepHandicaps)
{
    player.id = Get16(at + kPlayerIdAt);
    player.name = GetText(at + kPlayerNameAt, kNameField);
    player.surnameAt = SplitName(player.name);
    if (keepHandicaps) {
        player.broughtFor = GetSigned16(at + kPlayerAppearancesAt);
        player.broughtAgainst = GetSigned16(at + kPlayerPlayedAt);
    }
}

// byId[id] for the dense ids; nullptr for any id that names no player.
Player* Lookup(const std::vector<Player*>& byId, int id)
{
    if (id < 0 || static_cast<std::size_t>(id) >= byId.size())
        return nullptr;
    return byId[static_cast<std::size_t>(id)];
}

void ApplyExtension(Season& season, const Extension& ext, const std::vector<Player*>& byId)
{
    if (ext.gameExtras) {
        const std::uint8_t* at = ext.gameExtras;
        for (auto& fixture : season.fixtures) {
            for (Game& game : fixture->games) {
                if (ext.gameExtraSize >= kGameExtraStateAt + 2) {
                    const std::uint32_t state = Get16(at + kGameExtraStateAt);
                    if (state <= Pending)
                        game.state = state;
                }
                if (ext.gameExtraSize >= kGameExtraSecondPlayerAt + 2)
                    game.secondPlayer = Lookup(byId, Get16(at + kGameExtraSecondPlayerAt));
                at += ext.gameExtraSize;
            }
        }
    }
    if (ext.playerExtras && ext.playerExtraSize >= kPlayerExtraGroupAt + 2) {
        const std::uint8_t* at = ext.playerExtras;
        for (auto& player : season.players) {
            player->group = Get16(at + kPlayerExtraGroupAt);
            at += ext.playerExtraSize;
        }
    }
}

void LinkPlayers(Season& season, const std::vector<Player*>& byId)
{
    // The file has no way to say "no player": a game without one stores id 0.
    // Only the states in which a player of ours takes part name one, so a
    // walkover to the opponent or an empty game never ties up player 0 (who
    // could otherwise never be deleted, and would show in the editor).
    for (auto& fixture : season.fixtures)
        for (Game& game : fixture->games) {
            const bool ours =
                game.state == Played || game.state == OpponentAbsent || game.state == Pending;
            game.player = ours ? Lookup(byId, game.playerId) : nullptr;
        }

    // Every person of a two-group scheme is registered once in each group;
    // the group-1 record and its namesake point at each other.
    for (auto& first : season.players) {
        if (first->group != 1)
            continue;
        for (auto& other : season.players) {
            if (other.get() == first.get() || other->name != first->name)
                continue;
            other->twin = first.get();
            first->twin = other.get();
        }
    }
}

} // namespace

ReadStatus SeasonFromBytes(const std::uint8_t* data, std::size_t size, Host& host,
                           SeasonPtr& season)
{
    season.reset();
    if (data == nullptr)
        return ReadStatus::Invalid;

    Layout layout;
    if (!ReadLayout(data, size, layout) || !PlayerIdsAreDense(data, layout))
        return ReadStatus::Invalid;

    int schemeIndex = GetSigned16(data + kSchemeIndexAt);
    const bool schemeKnown = schemeIndex >= 0 && schemeIndex < kSchemeCount;
    if (!schemeKnown)
        schemeIndex = 0;

    // A Custom season's parameters decide how its records are read (the
    // handicap words) and what its derived tables hold, so they are taken
    // from the extension before anything else.
    const Extension ext = LocateExtension(data, size, layout);
    const bool custom = schemeIndex == kCustomScheme;
    if (custom && ext.scheme && !WeightsAreFinite(ext.scheme))
        return ReadStatus::Invalid;

    try {
        auto built = std::make_unique<Season>();
        Season& s = *built;
        s.selectedFixture = -1;
        s.selectedPlayer = -1;
        s.teamName = GetText(data + kTeamNameAt, kTeamNameField);
        s.leagueName = GetText(data + kLeagueNameAt, kLeagueNameField);
        s.teamSize = static_cast<std::uint16_t>(layout.teamSize);

        if (!schemeKnown)
            host.ShowMessage("Invalid scoring scheme (perhaps the file was saved by a later "
                             "version of Tessel). Aggregate scoring will be used.",
                             "Open file error", MessageIcon::Exclamation);
        s.schemeIndex = static_cast<std::uint32_t>(schemeIndex);
        if (custom && ext.scheme)
            s.scheme = SchemeFromBytes(ext.scheme);
        ApplyScheme(s, host);

        s.division = GetText(data + kDivisionAt, kDivisionField);
        s.fixtureCount = static_cast<std::int32_t>(layout.fixtureCount);
        s.playerCount = static_cast<std::int32_t>(layout.playerCount);
        const bool keepHandicaps = s.scheme.Has(KeepHandicaps);
        if (keepHandicaps) {
            s.homeHandicap = GetSigned32(data + kFixturesOffsetAt);
            s.awayHandicap = GetSigned32(data + kGamesOffsetAt);
        }

        if (!AllocateSeasonRecords(host, built))
            return ReadStatus::OutOfMemory;

        const std::uint8_t* at = data + kHeaderBytes;
        for (auto& fixture : s.fixtures) {
            ReadFixture(at, *fixture, keepHandicaps);
            at += kFixtureRecordBytes;
        }
        for (auto& fixture : s.fixtures) {
            for (Game& game : fixture->games) {
                ReadGame(at, game);
                at += kGameRecordBytes;
            }
        }
        std::vector<Player*> byId(layout.playerCount, nullptr);
        for (auto& player : s.players) {
            ReadPlayer(at, *player, keepHandicaps);
            byId[player->id] = player.get();
            at += kPlayerRecordBytes;
        }

        ApplyExtension(s, ext, byId);
        LinkPlayers(s, byId);
        // The statistics stored in the file are never trusted: everything
        // derived is computed again from the games.
        Recalculate(s, host, false);
        season = std::move(built);
        return ReadStatus::Ok;
    } catch (const std::bad_alloc&) {
        host.ShowOutOfMemory();
        return ReadStatus::OutOfMemory;
    }
}
