#include "model/PlayerOrder.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

#include "model/Host.h"
#include "model/Text.h"

namespace {

// Everything ComparePlayers looks at, worked out once per player so that a
// sort does not recompute it for every comparison.
struct RankKeys {
    const Player* player = nullptr;
    std::uint16_t group = 0;
    bool namesOnly = false;
    float measure = 0;
    int winKey = 0;
    int walkoverWinKey = 0;
    bool hasPlayed = false;
    bool hasAppeared = false;
    std::string_view name;
    std::string_view surname;
};

// Whether CompareNames stops reading a name at i: at its end, at a NUL or
// at " (" (the reserve suffix "Smith (2)").
bool NameEndsAt(std::string_view s, std::size_t i)
{
    return i == s.size() || s[i] == '\0' || (s[i] == ' ' && i + 1 < s.size() && s[i + 1] == '(');
}

RankKeys KeysOf(const Player& player, int minimum)
{
    RankKeys k;
    k.player = &player;
    k.group = player.group;
    k.namesOnly = minimum == kSortNamesOnly;
    k.hasPlayed = player.played != 0;
    k.hasAppeared = player.appearances != 0;
    k.name = player.name;
    k.surname = k.name.substr(std::min<std::size_t>(player.surnameAt, k.name.size()));
    if (k.namesOnly)
        return k;
    if (static_cast<int>(player.appearances) < minimum) {
        k.measure = -std::numeric_limits<float>::infinity();
        k.winKey = k.walkoverWinKey = -2;
    } else if (player.played == 0) {
        k.measure = -42.0f;
        k.winKey = k.walkoverWinKey = -1;
    } else {
        k.measure = static_cast<float>(player.measure);
        // A figure that is not a number ranks with those not ranked at all, so
        // that the order stays well defined.
        if (std::isnan(k.measure))
            k.measure = -std::numeric_limits<float>::infinity();
        k.winKey = player.won;
        k.walkoverWinKey = static_cast<int>(player.appearances) + player.won - player.played;
    }
    return k;
}

int CompareKeys(const ScoringScheme& scheme, const RankKeys& a, const RankKeys& b)
{
    if (a.group != b.group)
        return a.group < b.group ? -1 : 1;
    if (!a.namesOnly) {
        if (scheme.Has(RankByWins) && a.winKey != b.winKey)
            return a.winKey > b.winKey ? -1 : 1;
        if (scheme.Has(RankByWinsWithWalkovers) && a.walkoverWinKey != b.walkoverWinKey)
            return a.walkoverWinKey > b.walkoverWinKey ? -1 : 1;
        if (a.measure != b.measure)
            return a.measure > b.measure ? -1 : 1;
        if (a.hasPlayed != b.hasPlayed)
            return a.hasPlayed ? -1 : 1;
        if (a.hasAppeared != b.hasAppeared)
            return a.hasAppeared ? -1 : 1;
    }
    if (int c = CompareNames(a.surname, b.surname))
        return c;
    if (int c = CompareNames(a.name, b.name))
        return c;
    return CompareIgnoringAsciiCase(a.name, b.name);
}

} // namespace

int CompareNames(std::string_view a, std::string_view b)
{
    // One pass over both, as far as the first difference: ranking compares
    // names for most neighbours in the list.
    for (std::size_t i = 0;; ++i) {
        const bool aEnds = NameEndsAt(a, i);
        const bool bEnds = NameEndsAt(b, i);
        if (aEnds || bEnds)
            return aEnds == bEnds ? 0 : (aEnds ? -1 : 1);
        const signed char ca = static_cast<signed char>(a[i]);
        const signed char cb = static_cast<signed char>(b[i]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
}

int ComparePlayers(const Season& season, const Player& a, const Player& b, int minimum)
{
    return CompareKeys(season.scheme, KeysOf(a, minimum), KeysOf(b, minimum));
}

void SortPlayers(Season& season, Host& host, int minimum)
{
    if (minimum < 0 && minimum != kNoMinimum) {
        minimum = host.MinGames();
        // A preference of 0 sets no minimum; it never means "names only".
        if (minimum <= 0)
            minimum = kNoMinimum;
    }

    const Player* selected = season.PlayerAt(season.selectedPlayer);

    std::vector<RankKeys> keys;
    keys.reserve(season.players.size());
    for (const auto& player : season.players)
        keys.push_back(KeysOf(*player, minimum));
    // Most sorts follow a small change to a season already in order.
    bool inOrder = true;
    for (std::size_t i = 1; i < keys.size() && inOrder; ++i)
        inOrder = CompareKeys(season.scheme, keys[i - 1], keys[i]) <= 0;
    if (!inOrder) {
        std::vector<std::size_t> order(keys.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        // Stable, like the exchange sort the order is defined by: equal
        // players keep their places.
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return CompareKeys(season.scheme, keys[a], keys[b]) < 0;
        });
        std::vector<std::unique_ptr<Player>> sorted;
        sorted.reserve(order.size());
        for (std::size_t i : order)
            sorted.push_back(std::move(season.players[i]));
        season.players = std::move(sorted);
    }

    int selectedPosition = -1;
    for (std::size_t p = 0; p < season.players.size(); ++p) {
        const Player& player = *season.players[p];
        // playerRow holds a byte per id below kMaxPlayers.
        if (player.id < kMaxPlayers && p <= std::numeric_limits<std::uint8_t>::max())
            season.playerRow[player.id] = static_cast<std::uint8_t>(p);
        if (&player == selected)
            selectedPosition = static_cast<int>(p);
    }
    if (selected)
        host.SelectRow(season, -1, selectedPosition);
}
