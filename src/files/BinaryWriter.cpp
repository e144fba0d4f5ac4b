#include <bit>
#include <cstdint>

#include "TesselVersion.h"
#include "files/BinaryFormat.h"
#include "files/BinaryLayout.h"
#include "model/Dates.h"
#include "model/ScoringScheme.h"

using namespace seasonfile;

namespace {

// The longest result text the file keeps, whatever room its field has.
constexpr std::size_t kResultTextLongest = kResultTextCapacity - 1;

// Positions the file has no game for are written as a fresh game would be,
// so the records always match the header's team size.
const Game& GameAt(const Fixture& fixture, std::size_t position)
{
    static const Game empty;
    return position < fixture.games.size() ? fixture.games[position] : empty;
}

void WriteHeader(std::uint8_t* at, const Season& season, std::size_t fixtureCount,
                 std::size_t playerCount, bool keepHandicaps)
{
    const std::size_t teamSize = season.teamSize;
    const std::size_t gamesAt = kHeaderBytes + fixtureCount * kFixtureRecordBytes;
    const std::size_t playersAt = gamesAt + fixtureCount * teamSize * kGameRecordBytes;

    Put32(at + kMagicAt, kSeasonMagic);
    Put16(at + kWriterMajorAt, static_cast<std::uint32_t>(kVersionMajor));
    Put16(at + kWriterMinorAt, static_cast<std::uint32_t>(kVersionMinor));
    Put16(at + kRevisionAt, kFormatRevision);
    Put16(at + kReservedAt, 0);
    PutText(at + kTeamNameAt, kTeamNameField, season.teamName);
    PutText(at + kLeagueNameAt, kLeagueNameField, season.leagueName);
    Put16(at + kTeamSizeAt, season.teamSize);
    Put16(at + kSchemeIndexAt, season.schemeIndex);
    PutText(at + kDivisionAt, kDivisionField, season.division);
    Put16(at + kFixtureCountAt, static_cast<std::uint32_t>(fixtureCount));
    if (keepHandicaps) {
        // The offsets were never read back, so their words carry the handicaps.
        Put32(at + kFixturesOffsetAt, static_cast<std::uint32_t>(season.homeHandicap));
        Put32(at + kGamesOffsetAt, static_cast<std::uint32_t>(season.awayHandicap));
        Put32(at + kPlayersOffsetAt, 0);
    } else {
        Put32(at + kFixturesOffsetAt, static_cast<std::uint32_t>(kHeaderBytes));
        Put32(at + kGamesOffsetAt, static_cast<std::uint32_t>(gamesAt));
        Put32(at + kPlayersOffsetAt, static_cast<std::uint32_t>(playersAt));
    }
    Put16(at + kPlayerCountAt, static_cast<std::uint32_t>(playerCount));
    Put32(at + kMainLengthAt,
          static_cast<std::uint32_t>(MainLength(fixtureCount, teamSize, playerCount)));
}

void WriteFixture(std::uint8_t* at, const Fixture& fixture, bool keepHandicaps)
{
    Put16(at + kFixtureResultAt, fixture.result);
    PutText(at + kFixtureOpponentAt, kNameField, fixture.opponent);
    Put16(at + kFixtureVenueAt, fixture.venue);
    const SystemTime day = DateToSystemTime(fixture.date);
    Put16(at + kFixtureYearAt, day.year);
    at[kFixtureDayAt] = static_cast<std::uint8_t>(day.day);
    at[kFixtureMonthAt] = static_cast<std::uint8_t>(day.month);
    if (keepHandicaps)
        Put32(at + kFixtureResultTextAt, static_cast<std::uint32_t>(fixture.oppHandicap));
    else
        PutText(at + kFixtureResultTextAt, kResultTextField, fixture.resultText,
                kResultTextLongest);
}

void WriteGame(std::uint8_t* at, const Game& game)
{
    const std::uint32_t playerId =
        game.player ? game.player->id : static_cast<std::uint16_t>(game.playerId);
    Put16(at + kGamePlayerIdAt, playerId);
    PutText(at + kGameOpponentAt, kNameField, game.opponent);
    // Readers without the extension block know no Pending; they see a game
    // nobody has played yet, and the extension carries the true state.
    Put16(at + kGameStateAt, game.state == Pending ? NotPlayed : game.state);
    Put16(at + kGameScoreForAt, static_cast<std::uint16_t>(game.scoreFor));
    Put16(at + kGameScoreAgainstAt, static_cast<std::uint16_t>(game.scoreAgainst));
}

void WritePlayer(std::uint8_t* at, const Player& player, bool keepHandicaps)
{
    Put16(at + kPlayerIdAt, player.id);
    if (keepHandicaps) {
        // Only the low 16 bits of the brought-forward shots fit.
        Put16(at + kPlayerAppearancesAt, static_cast<std::uint32_t>(player.broughtFor));
        Put16(at + kPlayerPlayedAt, static_cast<std::uint32_t>(player.broughtAgainst));
    } else {
        Put16(at + kPlayerAppearancesAt, player.appearances);
        Put16(at + kPlayerPlayedAt, player.played);
        Put16(at + kPlayerWonAt, player.won);
        Put32(at + kPlayerMeasureAt,
              std::bit_cast<std::uint32_t>(static_cast<float>(player.measure)));
    }
    PutText(at + kPlayerNameAt, kNameField, player.name);
    Put16(at + kPlayerSurnameAt, player.surnameAt);
}

void WriteExtensionHead(std::uint8_t* at, const Season& season)
{
    Put32(at + kHeadLengthAt, static_cast<std::uint32_t>(kExtensionHeadBytes));
    Put32(at + kFixtureExtraSizeAt, kFixtureExtraBytes);
    Put32(at + kGameExtraSizeAt, kGameExtraBytes);
    Put32(at + kPlayerExtraSizeAt, kPlayerExtraBytes);
    Put32(at + kFixtureExtrasPresentAt, 0);
    Put32(at + kGameExtrasPresentAt, 1);
    Put32(at + kPlayerExtrasPresentAt, 1);
    const SchemeBytes scheme = SchemeToBytes(season.scheme);
    std::memcpy(at + kHeadSchemeAt, scheme.data(), scheme.size());
}

} // namespace

bool SeasonFitsFile(const Season& season)
{
    return season.fixtures.size() <= kMostFixturesInFile && season.teamSize <= kMaxTeamSize &&
           season.players.size() <= static_cast<std::size_t>(kMaxPlayers);
}

static_assert(kLargestSeasonFileBytes ==
                  kHeaderBytes +
                      kMostFixturesInFile *
                          (kFixtureRecordBytes + kGameRecordBytes * kMaxTeamSize) +
                      kPlayerRecordBytes * kMaxPlayers + kExtensionHeadBytes +
                      kMostFixturesInFile * kMaxTeamSize * kGameExtraBytes +
                      std::uint64_t{kMaxPlayers} * kPlayerExtraBytes,
              "the largest file follows the record sizes");

Bytes SeasonToBytes(const Season& season)
{
    // The lists are the truth: the counts in the file are their lengths.
    const std::size_t fixtureCount = season.fixtures.size();
    const std::size_t playerCount = season.players.size();
    const std::size_t teamSize = season.teamSize;
    const bool keepHandicaps = season.scheme.Has(KeepHandicaps);

    const std::size_t mainLength =
        static_cast<std::size_t>(MainLength(fixtureCount, teamSize, playerCount));
    const std::size_t gameCount = fixtureCount * teamSize;
    Bytes out(mainLength + kExtensionHeadBytes + gameCount * kGameExtraBytes +
                  playerCount * kPlayerExtraBytes,
              0);
    std::uint8_t* const base = out.data();

    WriteHeader(base, season, fixtureCount, playerCount, keepHandicaps);

    std::uint8_t* at = base + kHeaderBytes;
    for (const auto& fixture : season.fixtures) {
        WriteFixture(at, *fixture, keepHandicaps);
        at += kFixtureRecordBytes;
    }
    for (const auto& fixture : season.fixtures) {
        for (std::size_t position = 0; position < teamSize; ++position) {
            WriteGame(at, GameAt(*fixture, position));
            at += kGameRecordBytes;
        }
    }
    for (const auto& player : season.players) {
        WritePlayer(at, *player, keepHandicaps);
        at += kPlayerRecordBytes;
    }

    WriteExtensionHead(at, season);
    at += kExtensionHeadBytes;
    for (const auto& fixture : season.fixtures) {
        for (std::size_t position = 0; position < teamSize; ++position) {
            const Game& game = GameAt(*fixture, position);
            Put16(at + kGameExtraStateAt, game.state);
            Put16(at + kGameExtraSecondPlayerAt, game.secondPlayer ? game.secondPlayer->id : 0);
            at += kGameExtraBytes;
        }
    }
    for (const auto& player : season.players) {
        Put16(at + kPlayerExtraGroupAt, player->group);
        at += kPlayerExtraBytes;
    }
    return out;
}
