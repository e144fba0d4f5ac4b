#include "model/PlayerRegister.h"

#include <algorithm>
#include <new>

#include "model/Host.h"
#include "model/PlayerOrder.h"
#include "model/Recalculate.h"
#include "model/Text.h"
#include "model/TextFormat.h"

namespace {

constexpr const char* kRegisterTitle = "Register player";
constexpr const char* kRenameTitle = "Rename";

void ShowOutOfMemory(Host& host)
{
    host.ShowOutOfMemory();
}

// The id tables of a season have kMaxPlayers entries, so ids must stay below it.
bool HasRoomFor(const Season& season, Host& host, int records)
{
    const auto held = std::max<std::int64_t>(season.playerCount,
                                             static_cast<std::int64_t>(season.players.size()));
    if (held + records <= kMaxPlayers)
        return true;
    host.ShowMessage("A season cannot hold more than " + std::to_string(kMaxPlayers) + " players",
                     kRegisterTitle, MessageIcon::Exclamation);
    return false;
}

bool IsInSeason(const Season& season, const Player* player)
{
    return std::any_of(season.players.begin(), season.players.end(),
                       [player](const auto& p) { return p.get() == player; });
}

// A twin that is really there: in this season and not the player itself.
Player* TwinOf(const Season& season, const Player& player)
{
    Player* twin = player.twin;
    if (twin == &player || !IsInSeason(season, twin))
        return nullptr;
    return twin;
}

bool GameNames(const Game& game, const Player& player)
{
    return game.player == &player || (game.player != nullptr && game.playerId == player.id);
}

// Games that still name the player by id although their record is another
// one: a merge cannot move them, so they would keep the player alive.
bool NamedOnlyById(const Season& season, const Player& player)
{
    for (const auto& fixture : season.fixtures)
        for (const Game& game : fixture->games)
            if (game.player != nullptr && game.player != &player && game.playerId == player.id)
                return true;
    return false;
}

template <typename Visit> void ForEachGame(Season& season, Visit visit)
{
    for (auto& fixture : season.fixtures)
        for (Game& game : fixture->games)
            visit(game);
}

// Removes one record; no game may name it any more.
void DeleteRecord(Season& season, Player* record)
{
    const int id = record->id;
    for (auto& p : season.players)
        if (p->twin == record)
            p->twin = nullptr;
    ForEachGame(season, [record, id](Game& game) {
        if (game.player == record)
            game.player = nullptr;
        if (game.secondPlayer == record)
            game.secondPlayer = nullptr;
        if (game.playerId > id)
            --game.playerId;
    });
    season.players.erase(std::find_if(season.players.begin(), season.players.end(),
                                      [record](const auto& p) { return p.get() == record; }));
    for (auto& p : season.players)
        if (p->id > id)
            --p->id;
    --season.playerCount;
    season.layoutChanged = true;
    season.modified = true;
}

// Tells the user when the group already holds the name.
bool AlreadyRegistered(const Season& season, Host& host, std::string_view name, int group)
{
    const std::string stored = FitField(std::string(name), kPlayerNameCapacity);
    for (const auto& p : season.players) {
        if (p->group == group && p->name == stored) {
            host.ShowMessage(Cp1252ToUtf8(stored) + " is already registered", kRegisterTitle,
                             MessageIcon::Exclamation);
            return true;
        }
    }
    return false;
}

// Adds one record after the duplicate and room tests; null when refused.
Player* AddPlayer(Season& season, Host& host, std::string_view name, int group)
{
    const std::string stored = FitField(std::string(name), kPlayerNameCapacity);
    if (AlreadyRegistered(season, host, stored, group) || !HasRoomFor(season, host, 1))
        return nullptr;

    Player* added = nullptr;
    try {
        auto player = std::make_unique<Player>();
        player->id = static_cast<std::uint16_t>(season.playerCount);
        player->name = stored;
        player->surnameAt = SplitName(stored);
        player->group = static_cast<std::uint16_t>(group);
        added = player.get();
        season.players.insert(season.players.begin(), std::move(player));
    } catch (const std::bad_alloc&) {
        ShowOutOfMemory(host);
        return nullptr;
    }
    ++season.playerCount;
    season.modified = true;
    SortPlayers(season, host, kSortReadMinGames);
    season.layoutChanged = true;
    return added;
}

void SelectPlayer(Season& season, Host& host, const Player* player)
{
    for (std::size_t row = 0; row < season.players.size(); ++row) {
        if (season.players[row].get() == player) {
            host.SelectRow(season, -1, static_cast<int>(row));
            return;
        }
    }
}

void RefuseMerge(Host& host, const Player& source, const Player& target)
{
    host.ShowMessage("Cannot rename " + Cp1252ToUtf8(source.name) + " to " +
                         Cp1252ToUtf8(target.name) + "\nbecause not all of the games of " +
                         Cp1252ToUtf8(source.name) + " can be moved",
                     kRenameTitle, MessageIcon::Exclamation);
}

} // namespace

std::string TidyPlayerName(std::string_view typed)
{
    typed = typed.substr(0, std::min(typed.size(), kTypedNameLength));
    std::string name;
    for (char c : typed) {
        if (c == ' ' && (name.empty() || name.back() == ' '))
            continue;
        name += c;
    }
    if (!name.empty() && name.back() == ' ')
        name.pop_back();
    return name;
}

bool RegisterPlayer(Season& season, Host& host, std::string_view name, int group)
{
    return AddPlayer(season, host, name, group) != nullptr;
}

bool RegisterPlayerName(Season& season, Host& host, std::string_view name)
{
    if (season.schemeIndex != kTwinGroupsScheme)
        return RegisterPlayer(season, host, name, 0);
    // A name already taken is reported as such, whatever room is left, as it
    // would be under any other scheme.
    if (AlreadyRegistered(season, host, name, 1) || !HasRoomFor(season, host, 2))
        return false;
    Player* single = AddPlayer(season, host, name, 1);
    if (single == nullptr)
        return false;
    Player* paired = AddPlayer(season, host, name, 2);
    if (paired == nullptr)
        return false;
    single->twin = paired;
    paired->twin = single;
    return true;
}

bool CheckNoCommonFixture(const Season& season, Host& host, const Player& source,
                          const Player& target)
{
    for (const auto& fixture : season.fixtures) {
        int count = 0;
        for (const Game& game : fixture->games) {
            if (game.state != Played && game.state != OpponentAbsent)
                continue;
            if (game.player == &source || game.player == &target)
                ++count;
        }
        if (count >= 2) {
            host.ShowMessage(
                "Cannot rename " + Cp1252ToUtf8(source.name) + " to " + Cp1252ToUtf8(target.name) +
                    "\nbecause they both played against\n" + Cp1252ToUtf8(fixture->opponent) +
                    " on " + FormatShortDate(host, fixture->date),
                kRenameTitle, MessageIcon::Exclamation);
            return false;
        }
    }
    return true;
}

bool PlayerHasGames(const Season& season, const Player& player)
{
    for (const auto& fixture : season.fixtures)
        for (const Game& game : fixture->games)
            if (GameNames(game, player))
                return true;
    return false;
}

bool CanDeleteRegistration(const Season& season, const Player& player)
{
    if (!IsInSeason(season, &player))
        return false;
    const Player* twin = TwinOf(season, player);
    return !PlayerHasGames(season, player) && (twin == nullptr || !PlayerHasGames(season, *twin));
}

bool DeleteRegistration(Season& season, Player& player)
{
    if (!CanDeleteRegistration(season, player))
        return false;
    Player* twin = TwinOf(season, player);
    DeleteRecord(season, &player);
    if (twin != nullptr)
        DeleteRecord(season, twin);
    return true;
}

RenameOutcome RenamePlayer(Season& season, Host& host, Player& source, std::string_view newName)
{
    if (newName.empty() || !IsInSeason(season, &source))
        return RenameOutcome::Refused;
    const std::string name = FitField(std::string(newName), kPlayerNameCapacity);
    if (name == source.name) {
        host.ShowMessage("You must supply a different name", kRenameTitle,
                         MessageIcon::Exclamation);
        return RenameOutcome::Refused;
    }

    Player* target = nullptr;
    for (const auto& p : season.players) {
        if (p.get() != &source && p->group == source.group && p->name == name) {
            target = p.get();
            break;
        }
    }
    Player* sourceTwin = TwinOf(season, source);

    if (target == nullptr) {
        source.name = name;
        source.surnameAt = SplitName(name);
        if (sourceTwin != nullptr) {
            sourceTwin->name = name;
            sourceTwin->surnameAt = source.surnameAt;
        }
        season.modified = true;
        season.layoutChanged = true;
        Recalculate(season, host, false);
        SelectPlayer(season, host, &source);
        return RenameOutcome::Renamed;
    }

    // Merge: every test first, so that a refusal leaves the season untouched.
    Player* targetTwin = TwinOf(season, *target);
    const bool bothTwins = sourceTwin != nullptr && targetTwin != nullptr;
    if (!CheckNoCommonFixture(season, host, source, *target))
        return RenameOutcome::Refused;
    if (bothTwins && !CheckNoCommonFixture(season, host, *sourceTwin, *targetTwin))
        return RenameOutcome::Refused;
    // The source's twin goes with the source: its games must have somewhere to go.
    const bool twinsCrossed =
        sourceTwin == target || targetTwin == &source || (bothTwins && sourceTwin == targetTwin);
    const bool twinStuck =
        sourceTwin != nullptr &&
        (bothTwins ? NamedOnlyById(season, *sourceTwin) : PlayerHasGames(season, *sourceTwin));
    if (twinsCrossed || twinStuck || NamedOnlyById(season, source)) {
        RefuseMerge(host, source, *target);
        return RenameOutcome::Refused;
    }

    ForEachGame(season, [&](Game& game) {
        auto move = [&game](const Player* from, Player* to) {
            if (game.player == from) {
                game.player = to;
                game.playerId = static_cast<std::int16_t>(to->id);
            }
            if (game.secondPlayer == from)
                game.secondPlayer = to;
        };
        move(&source, target);
        if (bothTwins)
            move(sourceTwin, targetTwin);
    });
    DeleteRegistration(season, source); // cannot be refused after the tests above
    season.modified = true;
    season.layoutChanged = true;
    Recalculate(season, host, false);
    SelectPlayer(season, host, target);
    return RenameOutcome::Merged;
}
