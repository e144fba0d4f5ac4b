#include "support/TestRegistry.h"
// Registering, renaming, merging and deleting players, singles and twin groups: each step's
// outcome, messages and the whole register afterwards in one golden file; ids stay dense and
// every game agrees with its record after every step.
#include <QtTest>

#include <algorithm>

#include "model/Dates.h"
#include "model/PlayerRegister.h"
#include "model/ScoringScheme.h"
#include "support/FakeHost.h"
#include "support/Golden.h"

namespace {

constexpr int kTwinScheme = 87; // group 2 plays positions 0..5, group 1 the rest

// Fixtures "Opp 1", "Opp 2", ... on 1, 8, 15 May 2021; every game unplayed.
SeasonPtr MakeSeason(FakeHost& host, int scheme, std::vector<std::string> names)
{
    auto s = std::make_unique<Season>();
    s->schemeIndex = std::uint32_t(scheme);
    s->teamSize = 8;
    s->fixtureCount = 4;
    ApplyScheme(*s, host);
    if (!AllocateSeasonRecords(host, s))
        return nullptr;
    for (int i = 0; i < 4; ++i) {
        s->fixtures[std::size_t(i)]->opponent = "Opp " + std::to_string(i + 1);
        s->fixtures[std::size_t(i)]->date = MakeLocalDate(2021, 5, 1 + 7 * i);
    }
    for (const std::string& name : names)
        RegisterPlayerName(*s, host, name);
    s->modified = s->layoutChanged = false;
    return s;
}

Player* Find(const Season& s, const std::string& name, int group = 0)
{
    for (const auto& p : s.players)
        if (p->name == name && p->group == group)
            return p.get();
    return nullptr;
}

void Put(Season& s, int fixture, int position, Player* player, std::uint32_t state = Played)
{
    Game& g = s.fixtures[std::size_t(fixture)]->games[std::size_t(position)];
    g.player = player;
    g.playerId = std::int16_t(player->id);
    g.state = state;
    g.scoreFor = 21;
    g.scoreAgainst = 10;
}

// Ids run densely from 0 and every game's id agrees with its record.
bool Consistent(const Season& s)
{
    std::vector<bool> seen(s.players.size());
    for (const auto& p : s.players) {
        if (p->id >= seen.size() || seen[p->id] || (p->twin && p->twin->twin != p.get()))
            return false;
        seen[p->id] = true;
    }
    for (const auto& f : s.fixtures)
        for (const Game& g : f->games)
            if (g.player && (g.playerId != g.player->id ||
                             std::none_of(s.players.begin(), s.players.end(),
                                          [&](const auto& p) { return p.get() == g.player; })))
                return false;
    return s.playerCount == int(seen.size());
}

// What a step did, what was said, and the register and the games naming players afterwards.
struct Log {
    FakeHost host;
    std::string out;

    void Step(const Season& s, const std::string& what, int outcome)
    {
        out += "> " + what + ": " + std::to_string(outcome) + "\n";
        for (const auto& m : host.messages)
            out += "  [" + m.title + (m.icon == MessageIcon::Exclamation ? " !" : "") + "] " +
                   m.text + "\n";
        for (const auto& selection : host.selections)
            out += "  select row " + std::to_string(selection.playerRow) + "\n";
        host.messages.clear();
        host.selections.clear();
        out += "  " + std::to_string(s.playerCount) + " players" + (s.modified ? " modified" : "") +
               (s.layoutChanged ? " layout" : "") + (Consistent(s) ? "" : " INCONSISTENT") + "\n";
        for (const auto& p : s.players)
            out += "  " + std::to_string(p->id) + " " + p->name + " g" + std::to_string(p->group) +
                   " at " + std::to_string(p->surnameAt) +
                   (p->twin ? " twin " + std::to_string(p->twin->id) : "") + " app " +
                   std::to_string(p->appearances) + "\n";
        for (std::size_t f = 0; f < s.fixtures.size(); ++f)
            for (std::size_t i = 0; i < s.fixtures[f]->games.size(); ++i)
                if (const Game& g = s.fixtures[f]->games[i]; g.player || g.secondPlayer)
                    out += "  game " + std::to_string(f) + "." + std::to_string(i) + " id " +
                           std::to_string(g.playerId) + " " + (g.player ? g.player->name : "-") +
                           " state " + std::to_string(g.state) + (g.secondPlayer ? " second" : "") +
                           "\n";
    }
    void Register(Season& s, const std::string& name)
    {
        Step(s, "register " + name, RegisterPlayerName(s, host, name));
    }
    void Rename(Season& s, const std::string& name, int group, const std::string& to)
    {
        Step(s, "rename " + name + " g" + std::to_string(group) + " to " + to,
             int(RenamePlayer(s, host, *Find(s, name, group), to)));
    }
    void Delete(Season& s, const std::string& name, int group)
    {
        Step(s, "delete " + name + " g" + std::to_string(group),
             DeleteRegistration(s, *Find(s, name, group)));
    }
};

} // namespace

class TestPlayerRegister : public QObject {
    Q_OBJECT

private slots:
    void registerGolden()
    {
        Log log;
        for (const std::string& typed : {std::string("  Anne   Brown "), std::string(40, 'a'),
                                         std::string(30, 'a') + "  b", std::string("A\tB")})
            log.out += "tidy [" + typed + "] [" + TidyPlayerName(typed) + "]\n";

        log.out += "== singles: twice, case, a common fixture, renames refused\n";
        SeasonPtr s = MakeSeason(log.host, 0, {});
        for (const char* name : {"Anne Brown", "Anne Brown", "anne brown", "Ann Brown", "Cy"})
            log.Register(*s, name);
        Player* anne = Find(*s, "Anne Brown");
        Player* ann = Find(*s, "Ann Brown");
        // Both played against Opp 2 unless one of them was absent or is only chosen.
        for (auto [mine, theirs] : {std::pair{Played, Played},
                                    {Played, OpponentAbsent},
                                    {Played, Pending},
                                    {PlayerAbsent, Played}}) {
            Put(*s, 0, 0, anne);
            Put(*s, 1, 2, anne, mine);
            Put(*s, 1, 5, ann, theirs);
            Put(*s, 1, 3, Find(*s, "Cy"));
            log.Step(*s, "no common fixture " + std::to_string(mine) + "/" + std::to_string(theirs),
                     CheckNoCommonFixture(*s, log.host, *anne, *ann));
        }
        Put(*s, 1, 2, anne);
        log.Rename(*s, "Anne Brown", 0, "Anne Brown");
        log.Rename(*s, "Anne Brown", 0, "Cy");
        log.Rename(*s, "Anne Brown", 0, "Ann Browne");

        log.out += "== singles: a merge closes the gap in the ids; deletions\n";
        s = MakeSeason(log.host, 0, {"Ann", "Bob", "Anne", "Cy", "Dee"});
        Put(*s, 0, 0, Find(*s, "Anne"));
        Put(*s, 1, 1, Find(*s, "Anne"), Pending);
        Put(*s, 2, 0, Find(*s, "Ann"));
        Put(*s, 0, 1, Find(*s, "Cy"));
        Put(*s, 3, 7, Find(*s, "Dee"), Pending);
        s->fixtures[0]->games[6].secondPlayer = Find(*s, "Bob");
        log.Rename(*s, "Anne", 0, "Ann");
        log.Delete(*s, "Dee", 0); // chosen for a fixture not yet played
        log.Delete(*s, "Bob", 0);

        // A game names Anne by id alone, its record another's: no merge (the log would call the
        // season inconsistent, which it is).
        s = MakeSeason(log.host, 0, {"Ann", "Anne", "Cy"});
        Put(*s, 0, 0, Find(*s, "Cy"));
        s->fixtures[0]->games[0].playerId = Find(*s, "Anne")->id;
        log.out += "== by id alone: " +
                   std::to_string(int(RenamePlayer(*s, log.host, *Find(*s, "Anne"), "Ann"))) +
                   " players " + std::to_string(s->playerCount) + "\n";
        log.host.messages.clear();

        log.out += "== twin groups: both registered, renamed together, merged, deleted\n";
        s = MakeSeason(log.host, kTwinScheme, {});
        for (const char* name : {"Anne Brown", "Bob", "Anne Brown", "Ann", "Cy"})
            log.Register(*s, name);
        Put(*s, 0, 6, Find(*s, "Anne Brown", 1));
        log.Rename(*s, "Anne Brown", 1, "Ann Browne");
        Put(*s, 0, 0, Find(*s, "Ann Browne", 2));
        Put(*s, 0, 1, Find(*s, "Cy", 2));
        Put(*s, 1, 2, Find(*s, "Ann", 2));
        log.Rename(*s, "Ann Browne", 1, "Ann");
        Put(*s, 2, 2, Find(*s, "Bob", 2), Pending);
        log.Delete(*s, "Bob", 1);
        log.Delete(*s, "Cy", 1);
        s->fixtures[2]->games[2] = Game{};
        log.Delete(*s, "Bob", 1);

        log.out += "== twin groups: merges refused before any change\n";
        for (bool pairsTogether : {true, false}) {
            s = MakeSeason(log.host, kTwinScheme, {"Anne"});
            if (pairsTogether) {
                log.Register(*s, "Ann");
                Put(*s, 0, 2, Find(*s, "Ann", 2));
            } else { // no twin to take the pairs games
                log.Step(*s, "register Ann g1", RegisterPlayer(*s, log.host, "Ann", 1));
            }
            Put(*s, 1, 6, Find(*s, "Anne", 1));
            Put(*s, 0, 0, Find(*s, "Anne", 2));
            log.Rename(*s, "Anne", 1, "Ann");
        }
        // A name already taken is told as such before the room runs out.
        log.out += "== the limit: scheme, registered, name: outcome, messages, records\n";
        for (auto [scheme, existing, name] : {std::tuple{0, 199, "New"},
                                              {0, 200, "New"},
                                              {kTwinScheme, 198, "New"},
                                              {kTwinScheme, 199, "New"},
                                              {kTwinScheme, 199, "P7"}}) {
            s = MakeSeason(log.host, scheme, {});
            for (int i = 0; i < existing; ++i)
                RegisterPlayer(*s, log.host, "P" + std::to_string(i), scheme ? 1 : 0);
            log.out += std::to_string(scheme) + " " + std::to_string(existing) + " " + name + ": " +
                       std::to_string(RegisterPlayerName(*s, log.host, name));
            for (const auto& m : log.host.messages)
                log.out += " [" + m.title + "] " + m.text;
            log.host.messages.clear();
            log.out += " " + std::to_string(s->playerCount) + " " +
                       std::to_string(s->players.size()) + "\n";
        }
        QVERIFY(log.out.find("INCONSISTENT") == std::string::npos);
        TESSEL_COMPARE_GOLDEN("model/player-register.txt", log.out);
    }
};

TESSEL_TEST(TestPlayerRegister)
#include "tst_PlayerRegister.moc"
