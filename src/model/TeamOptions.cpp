#include "model/TeamOptions.h"

#include <algorithm>
#include <new>

#include "model/Host.h"
#include "model/PlayerRegister.h"
#include "model/Recalculate.h"
#include "model/ScoringScheme.h"
#include "model/Text.h"

namespace {

// The scheme whose first two positions play as a pair and the rest as
// singles: a change to or from it regroups players even at equal group size.
constexpr std::uint32_t kPairThenSinglesScheme = 73;

constexpr long long kCountLimit = 1'000'000'000;

void Refuse(Host& host, const std::string& text)
{
    host.ShowMessage(text, kTeamOptionsTitle, MessageIcon::Exclamation);
}

bool Confirm(Host& host, std::string_view text)
{
    return host.Ask(text, kTeamOptionsTitle, Buttons::YesNo, Answer::Yes) == Answer::Yes;
}

bool NamesFilled(const TeamFields& fields, Host& host)
{
    if (fields.teamName.empty() || fields.leagueName.empty() || fields.division.empty()) {
        Refuse(host, "All fields must be filled in");
        return false;
    }
    return true;
}

bool IsOffered(int scheme)
{
    return scheme >= 0 && scheme < kSchemeCount && scheme != kCustomScheme;
}

bool InRange(long long value, long long low, long long high)
{
    return value >= low && value <= high;
}

// Stores the names that differ; true when any did.
bool StoreNames(Season& season, const TeamFields& fields)
{
    bool changed = false;
    auto store = [&changed](std::string& field, const std::string& typed, std::size_t capacity) {
        if (field == typed)
            return;
        field = FitField(typed, capacity);
        changed = true;
    };
    store(season.teamName, fields.teamName, kTeamNameCapacity);
    store(season.leagueName, fields.leagueName, kLeagueNameCapacity);
    store(season.division, fields.division, kDivisionLength + 1);
    return changed;
}

} // namespace

std::vector<int> OfferedSchemes()
{
    std::vector<int> schemes;
    for (int index = 0; index < kSchemeCount; ++index)
        if (IsOffered(index))
            schemes.push_back(index);
    std::stable_sort(schemes.begin(), schemes.end(), [](int a, int b) {
        return CompareIgnoringAsciiCase(SchemeName(a), SchemeName(b)) < 0;
    });
    return schemes;
}

long long ReadCount(std::string_view text)
{
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
        if (value > kCountLimit)
            return -1;
    }
    return value;
}

SeasonPtr CreateSeason(const TeamFields& fields, Host& host)
{
    SeasonPtr season;
    try {
        season = std::make_unique<Season>();
    } catch (const std::bad_alloc&) {
        host.ShowOutOfMemory();
        return nullptr;
    }
    Season& s = *season;
    s.modified = true;
    s.untitled = true;
    s.layoutChanged = true;
    s.filePath = "Untitled";
    s.selectedFixture = -1;
    s.selectedPlayer = -1;

    if (!NamesFilled(fields, host))
        return nullptr;
    StoreNames(s, fields);

    const long long matches = ReadCount(fields.matches);
    if (!InRange(matches, 1, kMaxFixtures)) {
        Refuse(host, "Invalid number of matches");
        return nullptr;
    }
    s.fixtureCount = static_cast<std::int32_t>(matches);

    const long long players = ReadCount(fields.players);
    if (!InRange(players, 1, kMaxTeamSize)) {
        Refuse(host, "Invalid number of players in team");
        return nullptr;
    }
    s.teamSize = static_cast<std::uint16_t>(players);

    // The list offers nothing else; should it ever, the first entry stands in.
    s.schemeIndex = static_cast<std::uint32_t>(IsOffered(fields.scheme) ? fields.scheme
                                                                        : OfferedSchemes().front());
    ApplyScheme(s, host);
    const int groupSize = s.scheme.groupSize;
    if (groupSize != 0 && s.teamSize % groupSize != 0) {
        Refuse(host, "Team size must be a multiple of " + std::to_string(groupSize));
        return nullptr;
    }

    if (!AllocateSeasonRecords(host, season))
        return nullptr;
    return season;
}

TeamEdit EditTeam(Season& season, Host& host, const TeamFields& fields)
{
    if (!NamesFilled(fields, host))
        return TeamEdit::Refused;

    const std::uint32_t oldScheme = season.schemeIndex;
    if (!IsOffered(fields.scheme) || static_cast<std::uint32_t>(fields.scheme) == oldScheme) {
        if (!StoreNames(season, fields))
            return TeamEdit::Unchanged;
        season.modified = true;
        season.layoutChanged = true;
        return TeamEdit::Stored;
    }

    const auto newScheme = static_cast<std::uint32_t>(fields.scheme);
    const int groupSize = SchemeGroupSize(fields.scheme);
    if (groupSize != 0 && season.teamSize % groupSize != 0) {
        Refuse(host, "For this scoring scheme the team size must be a multiple of " +
                         std::to_string(groupSize));
        return TeamEdit::Refused;
    }
    // Under the twin-group scheme every player is registered twice, under any
    // other once: the register cannot follow a change between the two.
    const bool twinChange = (oldScheme == kTwinGroupsScheme) != (newScheme == kTwinGroupsScheme);
    if (twinChange && !season.players.empty()) {
        Refuse(host, "Players are registered differently under this scoring scheme; change it "
                     "before registering players");
        return TeamEdit::Refused;
    }
    if (SchemeTarget(fields.scheme) != season.scheme.target &&
        !Confirm(host, "Changing the score required to win a game will probably make all your "
                       "results to date invalid. Do you wish to continue?"))
        return TeamEdit::Refused;
    const bool regrouped = groupSize != season.scheme.groupSize ||
                           oldScheme == kPairThenSinglesScheme ||
                           newScheme == kPairThenSinglesScheme || twinChange;
    if (regrouped &&
        !Confirm(host, "Changing the way players play together in groups will probably make all "
                       "your results to date invalid. Do you wish to continue?"))
        return TeamEdit::Refused;

    StoreNames(season, fields);
    season.schemeIndex = newScheme;
    ApplyScheme(season, host);
    Recalculate(season, host, false);
    season.modified = true;
    season.layoutChanged = true;
    return TeamEdit::Stored;
}
