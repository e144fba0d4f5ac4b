#include "model/FixtureEditing.h"

#include <algorithm>
#include <charconv>

#include "model/Host.h"
#include "model/PlayerRegister.h"
#include "model/Recalculate.h"
#include "model/Scoring.h"
#include "model/Text.h"

namespace {

bool AllDigits(std::string_view text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsBlank(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

std::string Number(std::uint32_t value)
{
    return std::to_string(value);
}

} // namespace

std::optional<int> ScoreNumber(std::string_view text)
{
    if (!AllDigits(text) || ScoreTooLarge(text))
        return std::nullopt;
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

bool ScoreTooLarge(std::string_view text)
{
    if (!AllDigits(text))
        return false;
    // Compared on the text, so that no length of digits can wrap.
    const auto first = text.find_first_not_of('0');
    if (first == std::string_view::npos)
        return false;
    text.remove_prefix(first);
    return text.size() > 5 || (text.size() == 5 && text > "32767");
}

std::optional<std::int32_t> HandicapNumber(std::string_view text)
{
    if (text.empty() || text == "-")
        return 0;
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || at != end)
        return std::nullopt;
    return value;
}

// ---------------------------------------------------------------- groups

int FixtureEditing::GroupFirst(int position) const
{
    while (position > 0 && season_.groupSpan[static_cast<std::size_t>(position)] < 0)
        --position;
    return position;
}

int FixtureEditing::GroupSize(int position) const
{
    const int span = season_.groupSpan[static_cast<std::size_t>(GroupFirst(position))];
    return std::max(0, span) + 1;
}

int FixtureEditing::GameNumber(int position) const
{
    int number = 0;
    for (int p = 0; p <= position; ++p)
        if (season_.groupSpan[static_cast<std::size_t>(p)] >= 0)
            ++number;
    return std::max(number, 1);
}

int FixtureEditing::WantedGroup(int position) const
{
    if (season_.schemeIndex != kTwinGroupsScheme)
        return 0;
    return GroupSize(position) == 1 ? 1 : 2;
}

std::vector<const Player*> FixtureEditing::EntriesFor(int position) const
{
    const bool paired = GroupSize(position) > 1;
    std::vector<const Player*> entries;
    entries.reserve(season_.players.size());
    for (const auto& player : season_.players)
        if (player->group == 0 || player->group == (paired ? 2 : 1))
            entries.push_back(player.get());
    // Listed by name, whatever order the ranking keeps the season in.
    std::stable_sort(entries.begin(), entries.end(), [this](const Player* a, const Player* b) {
        return ComparePlayers(season_, *a, *b, kSortNamesOnly) < 0;
    });
    return entries;
}

// ---------------------------------------------------------------- opening

std::string FixtureEditing::SeasonHandicap(std::uint32_t venue) const
{
    return std::to_string(venue == Away ? season_.awayHandicap : season_.homeHandicap);
}

void FixtureEditing::ShowGame(int position, bool blankFixture)
{
    const Game& game = working_.games[static_cast<std::size_t>(position)];
    EditorRow& row = form_.rows[static_cast<std::size_t>(position)];
    const std::uint32_t t = season_.gameTarget[static_cast<std::size_t>(position)];
    row = EditorRow{};
    row.opponentAsRead = game.opponent;
    auto choose = [&row, &game] {
        if (game.player) {
            row.chosen = game.player;
            row.playerText = game.player->name;
        }
    };
    switch (game.state) {
    case Played:
        choose();
        row.scoreFor = std::to_string(game.scoreFor);
        row.scoreAgainst = std::to_string(game.scoreAgainst);
        row.opponent = game.opponent;
        break;
    case OpponentAbsent:
        row.theirAbsent = true;
        choose();
        row.scoreFor = Number(t);
        row.scoreAgainst = "0";
        break;
    case PlayerAbsent:
        row.ourAbsent = true;
        row.scoreFor = "0";
        row.scoreAgainst = Number(t);
        row.opponent = game.opponent;
        break;
    case Pending:
        choose();
        break;
    default: // NotPlayed
        if (!blankFixture) {
            row.ourAbsent = row.theirAbsent = true;
            row.scoreFor = row.scoreAgainst = "0";
        }
        break;
    }
}

bool FixtureEditing::Open(int index)
{
    Fixture* fixture = season_.FixtureAt(index);
    if (!fixture) {
        host_.ShowMessage("Cannot find MATCH_RESULT", "Bug", MessageIcon::Exclamation);
        return false;
    }
    stored_ = fixture;
    index_ = index;
    working_ = *fixture;
    working_.games.resize(season_.teamSize);
    registered_ = false;

    form_ = FixtureForm{};
    form_.rows.resize(season_.teamSize);
    form_.venue = working_.venue;
    form_.date = working_.date;
    form_.against = form_.againstAsRead = working_.opponent;
    const bool blank = std::all_of(working_.games.begin(), working_.games.end(), [](const Game& g) {
        return g.state == NotPlayed || g.state == Pending;
    });
    for (int p = 0; p < season_.teamSize; ++p)
        ShowGame(p, blank);

    // The totals are worked out with the handicap that applies at the venue,
    // as the recalculation will.
    form_.handicap = SeasonHandicap(working_.venue);
    working_.handicap = *HandicapNumber(form_.handicap);
    form_.oppHandicap = std::to_string(working_.oppHandicap);
    return true;
}

// ---------------------------------------------------------------- changes

std::string FixtureEditing::RowName(int position) const
{
    const EditorRow& row = form_.rows[static_cast<std::size_t>(position)];
    if (row.chosen)
        return row.chosen->name;
    return TidyPlayerName(row.playerText);
}

std::string FixtureEditing::RowOpponent(int position) const
{
    const EditorRow& row = form_.rows[static_cast<std::size_t>(position)];
    // A name from the file is kept exactly; only what was typed is tidied.
    if (row.opponent == row.opponentAsRead)
        return row.opponent;
    return TidyPlayerName(row.opponent);
}

void FixtureEditing::UpdateRow(int position)
{
    const int first = GroupFirst(position);
    const auto f = static_cast<std::size_t>(first);
    EditorRow& row = form_.rows[f];
    Game& game = working_.games[f];
    const bool ours = row.ourAbsent;
    const bool theirs = row.theirAbsent;
    const std::string name = RowName(first);
    const std::string opponent = RowOpponent(first);
    // A number too large to keep still holds the row open (validation
    // refuses it) but counts as no score.
    std::optional<int> scoreFor = ScoreNumber(row.scoreFor);
    std::optional<int> scoreAgainst = ScoreNumber(row.scoreAgainst);

    // The winner's score is filled in as soon as the loser's is typed.
    const std::uint32_t t = season_.gameTarget[f];
    if (t != 0) {
        auto below = [t](const std::optional<int>& s) {
            return s && static_cast<std::uint32_t>(*s) < t;
        };
        if (below(scoreFor) && !AllDigits(row.scoreAgainst)) {
            row.scoreAgainst = Number(t);
            scoreAgainst = ScoreNumber(row.scoreAgainst);
        } else if (!AllDigits(row.scoreFor) && below(scoreAgainst)) {
            row.scoreFor = Number(t);
            scoreFor = ScoreNumber(row.scoreFor);
        }
    }

    const bool nothing =
        opponent.empty() && !AllDigits(row.scoreFor) && !AllDigits(row.scoreAgainst);
    std::uint32_t state;
    if (ours && theirs)
        state = NotPlayed;
    else if (nothing)
        state = name.empty() ? NotPlayed : Pending;
    else
        state = ours ? PlayerAbsent : (theirs ? OpponentAbsent : Played);
    game.state = state;

    ReservePenalty(season_, game, Side::Ours, &name);
    ReservePenalty(season_, game, Side::Theirs, &opponent);

    auto clearPlayer = [](EditorRow& r) {
        r.playerText.clear();
        r.chosen = nullptr;
    };
    switch (state) {
    case Played:
        game.scoreFor = static_cast<std::int16_t>(scoreFor.value_or(0));
        game.scoreAgainst = static_cast<std::int16_t>(scoreAgainst.value_or(0));
        break;
    case OpponentAbsent:
        row.opponent.clear();
        if (t != 0) {
            row.scoreFor = Number(t);
            game.scoreFor = static_cast<std::int16_t>(ScoreNumber(row.scoreFor).value_or(0));
        } else {
            game.scoreFor = static_cast<std::int16_t>(scoreFor.value_or(0));
        }
        row.scoreAgainst = "0";
        game.scoreAgainst = 0;
        break;
    case PlayerAbsent:
        clearPlayer(row);
        row.scoreFor = "0";
        game.scoreFor = 0;
        if (t != 0) {
            row.scoreAgainst = Number(t);
            game.scoreAgainst =
                static_cast<std::int16_t>(ScoreNumber(row.scoreAgainst).value_or(0));
        } else {
            game.scoreAgainst = static_cast<std::int16_t>(scoreAgainst.value_or(0));
        }
        break;
    case NotPlayed:
        clearPlayer(row);
        row.opponent.clear();
        row.scoreFor.clear();
        row.scoreAgainst.clear();
        game.scoreFor = game.scoreAgainst = 0;
        break;
    default: // Pending
        row.opponent.clear();
        row.scoreFor.clear();
        row.scoreAgainst.clear();
        game.scoreFor = game.scoreAgainst = 0;
        break;
    }

    // The other players of the group share the game.
    const int end = std::min<int>(first + GroupSize(first), season_.teamSize);
    for (int p = first + 1; p < end; ++p) {
        EditorRow& other = form_.rows[static_cast<std::size_t>(p)];
        Game& copy = working_.games[static_cast<std::size_t>(p)];
        other.ourAbsent = ours;
        other.theirAbsent = theirs;
        other.scoreFor = row.scoreFor;
        other.scoreAgainst = row.scoreAgainst;
        copy.state = game.state;
        copy.scoreFor = game.scoreFor;
        copy.scoreAgainst = game.scoreAgainst;
        if (state == PlayerAbsent || state == NotPlayed)
            clearPlayer(other);
        if (state == OpponentAbsent || state == NotPlayed)
            other.opponent.clear();
    }
}

void FixtureEditing::HandicapEdited(bool ours)
{
    std::string& text = ours ? form_.handicap : form_.oppHandicap;
    const std::optional<std::int32_t> value = HandicapNumber(text);
    if (!value)
        text.clear();
    (ours ? working_.handicap : working_.oppHandicap) = value.value_or(0);
    if (ours)
        form_.handicapTyped = true;
}

void FixtureEditing::SetVenue(std::uint32_t venue)
{
    form_.venue = venue;
    working_.venue = venue;
    if (!form_.handicapTyped) {
        form_.handicap = SeasonHandicap(venue);
        working_.handicap = HandicapNumber(form_.handicap).value_or(0);
    }
}

void FixtureEditing::Score(ScoreDisplay* display)
{
    ScoreFixture(season_, working_, display, false);
}

// ---------------------------------------------------------------- validation

bool FixtureEditing::Fail(const char* what, int position)
{
    host_.ShowMessage(std::string(what) + " in game number " + std::to_string(GameNumber(position)),
                      "Fixture validation", MessageIcon::Exclamation);
    return false;
}

const Player* FixtureEditing::FindPlayer(int position) const
{
    const EditorRow& row = form_.rows[static_cast<std::size_t>(position)];
    const int group = WantedGroup(position);
    if (row.chosen && row.chosen->group == group)
        return row.chosen;
    const std::string name = RowName(position);
    for (const auto& player : season_.players)
        if (player->group == group && player->name == name)
            return player.get();
    return nullptr;
}

bool FixtureEditing::CheckPlayer(int position)
{
    const std::string name = RowName(position);
    if (name.empty())
        return false;
    const Player* player = FindPlayer(position);
    if (!player) {
        if (host_.Ask(Cp1252ToUtf8(name) + " is not registered.\nRegister this player now?",
                      "Register player?", Buttons::YesNo, Answer::Yes) != Answer::Yes)
            return false;
        const std::int32_t before = season_.playerCount;
        const bool registeredNow = RegisterPlayerName(season_, host_, name);
        registered_ = registered_ || season_.playerCount != before;
        if (!registeredNow)
            return false;
        player = FindPlayer(position);
        if (!player)
            return false;
    }
    if (player->id >= kMaxPlayers)
        return false;
    int& used = usage_[player->id];
    // One player may play once among the games of each group size.
    if (used >= 0 && GroupSize(used) == GroupSize(position))
        return false;
    used = position;
    return true;
}

bool FixtureEditing::CheckScores(int first) const
{
    const EditorRow& row = form_.rows[static_cast<std::size_t>(first)];
    const std::optional<int> ours = ScoreNumber(row.scoreFor);
    const std::optional<int> theirs = ScoreNumber(row.scoreAgainst);
    if (!ours || !theirs)
        return false;
    const std::uint32_t t = season_.gameTarget[static_cast<std::size_t>(first)];
    if (t == 0)
        return true;
    const auto a = static_cast<std::uint32_t>(*ours);
    const auto b = static_cast<std::uint32_t>(*theirs);
    return (a == t && b < t) || (b == t && a < t);
}

bool FixtureEditing::HasResult() const
{
    for (int p = 0; p < season_.teamSize; ++p) {
        const EditorRow& group = form_.rows[static_cast<std::size_t>(GroupFirst(p))];
        const EditorRow& row = form_.rows[static_cast<std::size_t>(p)];
        if (group.ourAbsent || group.theirAbsent || !IsBlank(group.scoreFor) ||
            !IsBlank(group.scoreAgainst) || !IsBlank(row.opponent))
            return true;
    }
    return false;
}

bool FixtureEditing::Validate(ScoreDisplay* display)
{
    usage_.fill(-1);
    working_.date = form_.date;
    if (form_.against.empty()) {
        host_.ShowMessage("Opponent team name must be entered", "Fixture validation",
                          MessageIcon::Exclamation);
        return false;
    }
    const int size = season_.teamSize;
    auto bind = [this](int p) {
        Game& game = working_.games[static_cast<std::size_t>(p)];
        if (const Player* player = FindPlayer(p)) {
            game.player = const_cast<Player*>(player);
            game.playerId = static_cast<std::int16_t>(player->id);
        }
    };

    const bool result = HasResult();
    if (!result) {
        for (int p = 0; p < size; ++p) {
            if (RowName(p).empty())
                continue;
            if (!CheckPlayer(p))
                return Fail("Invalid player", p);
            bind(p);
        }
    } else {
        for (int p = 0; p < size; ++p) {
            const int first = GroupFirst(p);
            EditorRow& group = form_.rows[static_cast<std::size_t>(first)];
            EditorRow& row = form_.rows[static_cast<std::size_t>(p)];
            const std::string t = Number(season_.gameTarget[static_cast<std::size_t>(first)]);
            const bool target = season_.gameTarget[static_cast<std::size_t>(first)] != 0;
            if (group.ourAbsent) {
                row.playerText.clear();
                row.chosen = nullptr;
                group.scoreFor = "0";
                if (group.theirAbsent) {
                    row.opponent.clear();
                    group.scoreAgainst = "0";
                } else if (target) {
                    group.scoreAgainst = t;
                }
            } else {
                if (!CheckPlayer(p))
                    return Fail("Invalid player", p);
                if (group.theirAbsent) {
                    row.opponent.clear();
                    group.scoreAgainst = "0";
                    if (target)
                        group.scoreFor = t;
                } else if (!CheckScores(first)) {
                    return Fail("Invalid score", p);
                }
            }
            // A score the file cannot hold would come back as another one.
            if (ScoreTooLarge(group.scoreFor) || ScoreTooLarge(group.scoreAgainst))
                return Fail("Invalid score", p);
        }
        for (int p = 0; p < size; ++p) {
            const EditorRow& group = form_.rows[static_cast<std::size_t>(GroupFirst(p))];
            Game& game = working_.games[static_cast<std::size_t>(p)];
            game.state = group.ourAbsent ? (group.theirAbsent ? NotPlayed : PlayerAbsent)
                                         : (group.theirAbsent ? OpponentAbsent : Played);
            game.scoreFor = static_cast<std::int16_t>(ScoreNumber(group.scoreFor).value_or(0));
            game.scoreAgainst =
                static_cast<std::int16_t>(ScoreNumber(group.scoreAgainst).value_or(0));
            if (!group.ourAbsent)
                bind(p);
            game.opponent = group.theirAbsent ? std::string() : RowOpponent(p);
        }
    }

    for (int p = 0; p < size; ++p) {
        Game& game = working_.games[static_cast<std::size_t>(p)];
        // Nobody of ours played: the game names no player.
        if (game.state == PlayerAbsent || game.state == NotPlayed) {
            game.player = nullptr;
            game.playerId = 0;
        }
        ReservePenalty(season_, game, Side::Ours);
        ReservePenalty(season_, game, Side::Theirs);
    }
    working_.venue = form_.venue;
    working_.opponent = form_.against;
    Score(display);
    if (!result && display)
        display->Clear();
    return true;
}

void FixtureEditing::Store()
{
    if (working_.opponent != stored_->opponent)
        season_.layoutChanged = true;
    *stored_ = working_;
    if (season_.scheme.Has(ShowHandicaps))
        (working_.venue == Away ? season_.awayHandicap : season_.homeHandicap) = working_.handicap;
    season_.modified = true;
}

// ---------------------------------------------------------------- insertion

void FinishInsertion(Season& season, Host& host, int index, bool stored, int previousSelection,
                     bool previousModified, std::int32_t previousPlayers)
{
    if (stored) {
        season.selectedFixture = index;
        season.selectedPlayer = -1;
    } else {
        DeleteFixture(season, host, index, false);
        season.selectedFixture = previousSelection;
        // Nothing of the insertion is left, unless the editor registered someone.
        season.modified = previousModified || season.playerCount != previousPlayers;
    }
    if (season.selectedFixture >= season.firstFixture + season.visibleFixtures)
        ++season.firstFixture;
}
