#include "model/PlayerSummary.h"

#include <algorithm>
#include <charconv>

#include "model/PlayerRegister.h"
#include "model/ScoringScheme.h"
#include "model/Text.h"
#include "model/TextFormat.h"

namespace {

std::string ScoreText(const Game& game)
{
    return FormatInt(game.scoreFor, 2) + "-" + FormatInt(game.scoreAgainst, 2);
}

std::string PlayerName(const Game& game)
{
    return game.player != nullptr ? Cp1252ToUtf8(game.player->name) : std::string();
}

SummaryTable EmptyTable(bool group)
{
    SummaryTable table;
    if (group)
        table.columns = {{"Date", 44},  {"", 22},       {"Group", 90},
                         {"Score", 42}, {"Versus", 90}, {"Opponent", 88}};
    else
        table.columns = {{"Date", 44}, {"Score", 42}, {"", 22}, {"Versus", 90}, {"Opponent", 88}};
    return table;
}

void AddSingleRow(SummaryTable& table, Host& host, const SummaryEntry& entry)
{
    const Fixture& fixture = *entry.record;
    const Game& game = *entry.game;
    const bool played = game.state == Played;
    table.rows.push_back({{FormatShortDate(host, fixture.date), played ? ScoreText(game) : "",
                           VenueLetter(fixture.venue), Cp1252ToUtf8(fixture.opponent),
                           played ? Cp1252ToUtf8(game.opponent) : "(Walkover)"},
                          entry.fixture});
}

// One row for every position of the player's group; the group may be cut
// short by the team size.
void AddGroupRows(SummaryTable& table, Host& host, const SummaryEntry& entry, int groupSize)
{
    const Fixture& fixture = *entry.record;
    const Game& game = *entry.game;
    const bool played = game.state == Played;
    const int first = entry.position / groupSize * groupSize;
    const int end = std::min(first + groupSize, static_cast<int>(fixture.games.size()));
    for (int k = first; k < end; ++k) {
        const Game& partner = fixture.games[static_cast<std::size_t>(k)];
        if (k == first)
            table.rows.push_back({{FormatShortDate(host, fixture.date), VenueLetter(fixture.venue),
                                   PlayerName(partner), played ? ScoreText(game) : "",
                                   Cp1252ToUtf8(fixture.opponent),
                                   played ? Cp1252ToUtf8(partner.opponent) : "(Walkover)"},
                                  entry.fixture});
        else
            table.rows.push_back(
                {{"", "", PlayerName(partner), "", "", Cp1252ToUtf8(partner.opponent)},
                 entry.fixture});
    }
}

std::string Average(long long total, int count)
{
    return FormatFixed(static_cast<double>(total) / count, 1);
}

} // namespace

bool GameNamesPlayer(const Game& game, const Player& player)
{
    return game.player == &player || (game.player != nullptr && game.playerId == player.id);
}

std::vector<SummaryEntry> CollectSummaryEntries(const Season& season, const Player& player,
                                                SummaryTally& tally)
{
    tally = SummaryTally{};
    std::vector<SummaryEntry> entries;
    for (std::size_t f = 0; f < season.fixtures.size(); ++f) {
        const Fixture& fixture = *season.fixtures[f];
        if (fixture.result == ResultNone)
            continue;
        for (std::size_t n = 0; n < fixture.games.size(); ++n) {
            const Game& game = fixture.games[n];
            if (!GameNamesPlayer(game, player))
                continue;
            if (game.state == Played) {
                ++tally.played;
                tally.scored += game.scoreFor;
                tally.conceded += game.scoreAgainst;
                if (game.scoreFor > game.scoreAgainst)
                    ++tally.won;
                else if (game.scoreFor < game.scoreAgainst)
                    ++tally.lost;
            } else if (game.state == OpponentAbsent) {
                ++tally.walkovers;
            } else {
                continue;
            }
            entries.push_back({static_cast<int>(f), static_cast<int>(n), &fixture, &game});
        }
    }
    return entries;
}

int SummaryGroupSize(const Season& season, const Player& player)
{
    if (player.group == 1)
        return 1;
    if (player.group == 2)
        return 2;
    return std::max<int>(1, season.scheme.groupSize);
}

PlayerSummary BuildPlayerSummary(const Season& season, Host& host, const Player& player)
{
    PlayerSummary summary;
    summary.groupSize = SummaryGroupSize(season, player);
    const bool group = summary.groupSize > 1;
    summary.heading = "Summary of results for " + Cp1252ToUtf8(player.name);
    summary.table = EmptyTable(group);

    const std::vector<SummaryEntry> entries = CollectSummaryEntries(season, player, summary.tally);
    for (const SummaryEntry& entry : entries) {
        if (group)
            AddGroupRows(summary.table, host, entry, summary.groupSize);
        else
            AddSingleRow(summary.table, host, entry);
    }

    const SummaryTally& t = summary.tally;
    summary.played = FormatInt(t.played);
    summary.won = FormatInt(t.won);
    summary.lost = FormatInt(t.lost);
    summary.walkovers = FormatInt(t.walkovers);
    if (t.played > 0) {
        summary.scored = FormatInt(t.scored);
        summary.conceded = FormatInt(t.conceded);
        summary.net = FormatInt(t.scored - t.conceded);
        summary.scoredAverage = Average(t.scored, t.played);
        summary.concededAverage = Average(t.conceded, t.played);
        summary.netAverage = Average(t.scored - t.conceded, t.played);
    }
    summary.deletable = CanDeleteRegistration(season, player);
    summary.broughtForward = !group && season.scheme.Has(EditBroughtForward);
    return summary;
}

std::optional<int> ParseBroughtForward(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < INT16_MIN ||
        value > INT16_MAX)
        return std::nullopt;
    return value;
}

BroughtForwardField ApplyBroughtForward(Season& season, Player& player, std::string_view forText,
                                        std::string_view againstText, bool& changed)
{
    struct Field {
        std::string_view text;
        std::int32_t& stored;
        BroughtForwardField which;
        std::int32_t value = 0;
    };
    Field fields[] = {{forText, player.broughtFor, BroughtForwardField::For},
                      {againstText, player.broughtAgainst, BroughtForwardField::Against}};
    for (Field& field : fields) {
        if (field.text == FormatInt(field.stored)) {
            field.value = field.stored;
            continue;
        }
        const std::optional<int> value = ParseBroughtForward(field.text);
        if (!value)
            return field.which;
        field.value = *value;
    }
    for (Field& field : fields) {
        if (field.value == field.stored)
            continue;
        field.stored = field.value;
        season.modified = true;
        changed = true;
    }
    return BroughtForwardField::None;
}
