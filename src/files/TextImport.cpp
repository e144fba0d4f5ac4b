#include "files/TextImport.h"

#include <algorithm>
#include <new>
#include <string>
#include <string_view>

#include "files/TextLines.h"
#include "model/Dates.h"
#include "model/Host.h"
#include "model/PlayerOrder.h"
#include "model/PlayerRegister.h"
#include "model/Recalculate.h"
#include "model/ScoringScheme.h"

namespace {

// Room of every field but the game lines' player names, terminator included.
constexpr std::size_t kFieldCapacity = 80;
constexpr std::size_t kGameNameCapacity = 33;

constexpr std::size_t kTeamNameLength = kTeamNameCapacity - 1;
constexpr std::size_t kLeagueNameLength = kLeagueNameCapacity - 1;
constexpr std::size_t kDivisionLength = 16;
constexpr std::size_t kImportedNameLength = 32;

constexpr const char* kDataError = "Data error";
constexpr const char* kMatchesError = "Data error (Matches)";

bool Refuse(Host& host, const char* text, const char* title = kDataError)
{
    host.ShowMessage(text, title, MessageIcon::Exclamation);
    return false;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    auto fold = [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return fold(x) == fold(y); });
}

bool LengthWithin(const std::string& text, std::size_t most)
{
    return !text.empty() && text.size() <= most;
}

std::int16_t LowSixteenBits(std::int32_t value)
{
    return static_cast<std::int16_t>(
        static_cast<std::uint16_t>(static_cast<std::uint32_t>(value) & 0xFFFFu));
}

bool ReadClub(TextLineReader& reader, Season& season, Host& host)
{
    season.teamName = reader.ReadField(kFieldCapacity);
    if (!LengthWithin(season.teamName, kTeamNameLength))
        return Refuse(host, "Invalid team name");
    season.leagueName = reader.ReadField(kFieldCapacity);
    if (!LengthWithin(season.leagueName, kLeagueNameLength))
        return Refuse(host, "Invalid league name");
    season.division = reader.ReadField(kFieldCapacity);
    if (!LengthWithin(season.division, kDivisionLength))
        return Refuse(host, "Invalid division name");
    const std::int32_t teamSize = FieldNumber(reader.ReadField(kFieldCapacity));
    if (teamSize < 1 || teamSize > kMaxTeamSize)
        return Refuse(host, "Invalid team size");
    season.teamSize = static_cast<std::uint16_t>(teamSize);
    const std::int32_t fixtureCount = FieldNumber(reader.ReadField(kFieldCapacity));
    if (fixtureCount < 1 || fixtureCount > kMaxFixtures)
        return Refuse(host, "Invalid no of fixtures");
    season.fixtureCount = fixtureCount;
    const int scheme = SchemeIndexIgnoringCase(reader.ReadField(kFieldCapacity));
    if (scheme < 0 || scheme >= kSchemeCount)
        return Refuse(host, "Invalid scoring scheme");
    season.schemeIndex = static_cast<std::uint32_t>(scheme);
    return true;
}

bool ReadPlayers(TextLineReader& reader, Season& season, Host& host)
{
    if (!reader.FindSection("Players"))
        return Refuse(host, "Cannot find Players section");
    while (reader.NextDataLine()) {
        std::string name = reader.ReadField(kFieldCapacity);
        // Game lines name players in at most 32 characters, so a longer name
        // is kept at that length, without a space the cut leaves at its end.
        if (name.size() > kImportedNameLength) {
            name.resize(kImportedNameLength);
            if (name.back() == ' ')
                name.pop_back();
        }
        if (!RegisterPlayerName(season, host, name))
            return false;
    }
    SortPlayers(season, host, kSortNamesOnly);
    return true;
}

// The registered player of this name who may play at the position: a player
// of group 0 anywhere; under the twin-groups scheme the group 1 record at a
// singles position and the group 2 record at a paired one, as the fixture
// editor offers them. The first in list order wins.
Player* PlayerForPosition(const Season& season, const std::string& name, std::size_t position)
{
    const bool paired = position < season.groupSpan.size() && season.groupSpan[position] != 0;
    for (const auto& player : season.players) {
        if (player->name != name)
            continue;
        if (player->group == 0 || player->group == (paired ? 2 : 1))
            return player.get();
    }
    return nullptr;
}

bool ReadGame(TextLineReader& reader, Season& season, Host& host, Game& game, std::size_t position)
{
    const std::string ours = reader.ReadField(kGameNameCapacity);
    const std::int32_t scoreFor = FieldNumber(reader.ReadField(kFieldCapacity));
    const std::string theirs = reader.ReadField(kGameNameCapacity);
    const std::int32_t scoreAgainst = FieldNumber(reader.ReadField(kFieldCapacity));

    Player* player = nullptr;
    if (!ours.empty()) {
        player = PlayerForPosition(season, ours, position);
        if (player == nullptr)
            return Refuse(host, "Invalid player", kMatchesError);
    }
    game.player = player;
    game.playerId = player != nullptr ? static_cast<std::int16_t>(player->id) : std::int16_t{0};
    game.scoreFor = LowSixteenBits(scoreFor);
    game.opponent = theirs;
    game.scoreAgainst = LowSixteenBits(scoreAgainst);
    if (player != nullptr)
        game.state = theirs.empty() ? OpponentAbsent : Played;
    else
        game.state = theirs.empty() ? NotPlayed : PlayerAbsent;
    return true;
}

bool ReadMatches(TextLineReader& reader, Season& season, Host& host)
{
    if (!reader.FindSection("Matches"))
        return Refuse(host, "Cannot find Matches section");
    for (auto& fixture : season.fixtures) {
        if (!reader.NextDataLine())
            break;
        const std::string venue = reader.ReadField(kFieldCapacity);
        if (EqualsIgnoringCase(venue, "home"))
            fixture->venue = Home;
        else if (EqualsIgnoringCase(venue, "away"))
            fixture->venue = Away;
        else
            return Refuse(host, "Invalid venue");
        fixture->opponent = reader.ReadField(kFieldCapacity);
        if (!LengthWithin(fixture->opponent, kTeamNameLength))
            return Refuse(host, "Invalid team name");
        const std::time_t date = ParseDate(reader.ReadField(kFieldCapacity));
        if (date == -1)
            return Refuse(host, "Invalid date", kMatchesError);
        fixture->date = date;

        for (std::size_t position = 0; position < fixture->games.size(); ++position) {
            if (!reader.NextDataLine())
                break; // the section's data has ended: the other games stay as they are
            if (!ReadGame(reader, season, host, fixture->games[position], position))
                return false;
        }
    }
    return true;
}

// Fixtures with an opponent first, by date, those of one date in file order;
// then the fixtures without an opponent, in their order.
void SortFixtures(Season& season)
{
    std::stable_sort(season.fixtures.begin(), season.fixtures.end(),
                     [](const auto& a, const auto& b) {
                         if (a->opponent.empty() != b->opponent.empty())
                             return b->opponent.empty();
                         return !a->opponent.empty() && a->date < b->date;
                     });
}

} // namespace

SeasonPtr ImportTextSeason(const std::uint8_t* data, std::size_t size, Host& host)
{
    WaitCursor wait(host);
    SeasonPtr season;
    try {
        TextLineReader reader(data, size, host);
        if (!reader.FindSection("Club") || !reader.NextDataLine()) {
            Refuse(host, "Cannot find Club section");
            return nullptr;
        }

        season = std::make_unique<Season>();
        season->filePath = "Untitled";
        season->modified = true;
        season->untitled = true;
        season->layoutChanged = true;
        season->schemeIndex = 0;
        season->selectedFixture = -1;
        season->selectedPlayer = -1;

        if (!ReadClub(reader, *season, host)) {
            FreeSeason(season);
            return nullptr;
        }
        ApplyScheme(*season, host);
        if (!AllocateSeasonRecords(host, season))
            return nullptr; // the season is freed and the user told
        if (!ReadPlayers(reader, *season, host) || !ReadMatches(reader, *season, host)) {
            FreeSeason(season);
            return nullptr;
        }
        SortFixtures(*season);
        season->modified = true;
        season->untitled = true;
        Recalculate(*season, host, false);
        return season;
    } catch (const std::bad_alloc&) {
        FreeSeason(season);
        host.ShowOutOfMemory();
        return nullptr;
    }
}
