#include "support/TestRegistry.h"
// The fixture editor's rules and inserting and deleting fixtures. Every combination of a row's
// inputs (absences, player, scores, opponent) under singles, no target and pairs, with what the
// row then shows and what validation says, is one golden file, as are the fixture operations.
#include <QtTest>

#include "model/FixtureEditing.h"
#include "model/FixtureOps.h"
#include "model/PlayerRegister.h"
#include "model/Recalculate.h"
#include "model/Scoring.h"
#include "support/FakeHost.h"
#include "support/Golden.h"
#include "support/SeasonBuilder.h"

namespace {

// Four singles to 21 unless a test changes the groups or the target; fixture 0 is a played
// home fixture, players "Player 1" to "Player 6".
struct Editor {
    explicit Editor(std::vector<std::int16_t> spans = {}, std::uint32_t target = 21)
    {
        SeasonShape shape;
        shape.teamSize = 4;
        shape.playerCount = 6;
        season = BuildSeason(shape, host);
        for (std::size_t p = 0; p < spans.size(); ++p)
            season->groupSpan[p] = spans[p];
        season->gameTarget.fill(target);
        Recalculate(*season, host, false);
        editing = std::make_unique<FixtureEditing>(*season, host);
        editing->Open(0);
    }
    EditorRow& Row(int p) { return editing->Form().rows[std::size_t(p)]; }
    const Game& Working(int p) { return editing->Working().games[std::size_t(p)]; }
    void Type(int p, const std::string& name, const std::string& scoreFor,
              const std::string& scoreAgainst, const std::string& opponent = "Visitor")
    {
        Row(p).playerText = name;
        Row(p).chosen = nullptr;
        Row(p).scoreFor = scoreFor;
        Row(p).scoreAgainst = scoreAgainst;
        Row(p).opponent = opponent;
        editing->UpdateRow(p);
    }
    std::string Shown(int p)
    {
        const EditorRow& r = Row(p);
        return std::string(r.ourAbsent ? "x" : ".") + (r.theirAbsent ? "x" : ".") + "[" +
               r.playerText + "|" + r.scoreFor + "|" + r.scoreAgainst + "|" + r.opponent +
               "] state " + std::to_string(Working(p).state);
    }
    // What validation says, then what it wrote: each game, the result and the editor's boxes.
    std::string Validated()
    {
        struct : ScoreDisplay {
            void ShowPoints(const std::string& o, const std::string& t) override
            {
                text += " points " + o + "-" + t;
            }
            void ShowShots(int o, int t) override
            {
                text += " shots " + std::to_string(o) + "-" + std::to_string(t);
            }
            void Clear() override { text += " cleared"; }
            std::string text;
        } boxes;
        if (!editing->Validate(&boxes))
            return host.messages.empty() ? "INVALID, nothing said" : host.messages.back().text;
        std::string out = "valid";
        for (const Game& g : editing->Working().games)
            out += " " + std::to_string(g.state) + ":" + (g.player ? g.player->name : "-") + "/" +
                   std::to_string(g.playerId) + " " + std::to_string(g.scoreFor) + "-" +
                   std::to_string(g.scoreAgainst);
        return out + " r" + std::to_string(editing->Working().result) + boxes.text;
    }
    FakeHost host;
    SeasonPtr season;
    std::unique_ptr<FixtureEditing> editing;
};

std::string Opponents(const Season& s)
{
    std::string out;
    for (const auto& f : s.fixtures) {
        out += f->opponent;
        for (std::size_t leg = 0; leg < s.fixtures.size(); ++leg)
            if (f->returnLeg == s.fixtures[leg].get())
                out += " (leg of " + std::to_string(leg) + ")";
        out += ",";
    }
    return out + " count " + std::to_string(s.fixtureCount) + (s.modified ? " modified" : "") +
           (s.layoutChanged ? " layout" : "") + " selected " + std::to_string(s.selectedFixture);
}

} // namespace

class tst_FixtureEditing : public QObject {
    Q_OBJECT
private slots:
    void rowsGolden()
    {
        std::string out;
        const std::pair<const char*, const char*> scores[] = {
            {"", ""},     {"7", ""},    {"", "12"},   {"21", ""},     {"21", "20"},
            {"21", "21"}, {"20", "19"}, {"22", "10"}, {"32768", "3"}, {"4294967296", "3"}};
        for (int config = 0; config < 3; ++config) {
            const bool pairs = config == 2;
            out += pairs    ? "== pairs to 21: position 0 typed, its partner below\n"
                   : config ? "== singles, no target\n"
                            : "== singles to 21\n";
            for (int absent = 0; absent < 4; ++absent)
                for (const char* name : {"", "Player 1"})
                    for (const char* opponent : {"", "Joe"})
                        for (auto [scoreFor, scoreAgainst] : scores) {
                            Editor e(pairs ? std::vector<std::int16_t>{1, -1, 1, -1}
                                           : std::vector<std::int16_t>{},
                                     config == 1 ? 0 : 21);
                            e.Row(1).playerText = "Player 2";
                            e.Row(1).opponent = "Jim";
                            e.Row(0).ourAbsent = absent & 1;
                            e.Row(0).theirAbsent = absent & 2;
                            e.Type(0, name, scoreFor, scoreAgainst, opponent);
                            out += std::to_string(absent) + " [" + name + "|" + scoreFor + "|" +
                                   scoreAgainst + "|" + opponent + "] " + e.Shown(0);
                            if (pairs)
                                out += " / " + e.Shown(1);
                            out += ": " + e.Validated() + "\n";
                        }
        }
        out += "== handicaps typed\n";
        for (const char* typed : {"-", "", "-12", "2147483647", "2147483648", "4x", " 3"}) {
            Editor e;
            e.editing->Form().oppHandicap = typed;
            e.editing->HandicapEdited(false);
            out += std::string("[") + typed + "] [" + e.editing->Form().oppHandicap + "] " +
                   std::to_string(e.editing->Working().oppHandicap) + "\n";
        }
        out += "== insert at: done, messages, fixtures\n";
        for (auto [fixtures, position] :
             {std::pair{10, 1}, {10, 11}, {10, 0}, {10, 12}, {99, 100}, {100, 101}}) {
            FakeHost host;
            host.now = 1'700'000'000;
            SeasonShape shape;
            shape.teamSize = 3;
            shape.fixtureCount = fixtures;
            SeasonPtr s = BuildSeason(shape, host);
            s->selectedFixture = 0;
            const bool done = InsertFixture(*s, host, position);
            out += std::to_string(position) + " of " + std::to_string(fixtures) + ": " +
                   std::to_string(done) + " " +
                   (host.messages.empty() ? "" : host.messages[0].text) + "\n " + Opponents(*s);
            if (done) {
                const Fixture& added = *s->fixtures[std::size_t(position - 1)];
                out += " added " + std::to_string(added.date - host.now) + " venue " +
                       std::to_string(added.venue) + " games " +
                       std::to_string(added.games.size()) + " state " +
                       std::to_string(added.games[0].state);
            }
            out += "\n";
        }
        out += "== delete: done, messages, fixtures\n";
        for (auto [fixtures, index, confirm, answer] : {std::tuple{3, 3, true, Answer::Yes},
                                                        {1, 0, true, Answer::Yes},
                                                        {3, 1, true, Answer::No},
                                                        {3, 1, true, Answer::Yes},
                                                        {3, 0, false, Answer::No}}) {
            FakeHost host;
            host.answers.push_back(answer);
            SeasonShape shape;
            shape.fixtureCount = fixtures;
            SeasonPtr s = BuildSeason(shape, host);
            s->modified = s->layoutChanged = false;
            s->selectedFixture = 0;
            if (fixtures == 3) { // deleting a fixture clears every pairing with it
                s->fixtures[2]->returnLeg = s->fixtures[0].get();
                s->fixtures[1]->returnLeg = s->fixtures[2].get();
            }
            const bool done = DeleteFixture(*s, host, index, confirm);
            out += std::to_string(index) + " of " + std::to_string(fixtures) +
                   (confirm ? " asking, " : ", ") + std::to_string(int(answer)) + ": " +
                   std::to_string(done);
            for (const auto& m : host.messages)
                out += " [" + m.title + "] " + m.text;
            out += "\n " + Opponents(*s) + "\n";
        }
        TESSEL_COMPARE_GOLDEN("model/fixture-editing.txt", out);
    }

    // Validation across rows, an absent side's large score, a fixture without a result, a
    // registration, handicaps following the venue, an insertion cancelled or stored.
    void scenariosGolden()
    {
        std::string out = "== rows typed name/for/against\n";
        for (auto [spans, rows] :
             {std::pair{std::vector<std::int16_t>{}, QStringList{"Player 1/21/3", "Player 1/21/4"}},
              {{1, -1, 0, 0}, {"Player 1/21/3", "Player 2//", "Player 1/21/4"}},
              {{1, -1, 1, -1}, {"Player 1/21/3", "Player 2//", "Player 1/21/4", "Player 3//"}},
              {{}, {"//", "//", "//", "//"}},
              {{}, {"//", "Player 2//", "//", "//"}}}) {
            Editor e(spans);
            for (int p = 0; p < rows.size(); ++p) {
                const QStringList f = rows[p].split(u'/');
                e.Type(p, f[0].toStdString(), f[1].toStdString(), f[2].toStdString(), "");
            }
            if (rows[0] == u"//") { // a player chosen from the list for the first row
                e.Row(0).chosen = e.season->PlayerById(3);
                e.Row(0).playerText = "Player 4";
                e.editing->UpdateRow(0);
            }
            out += rows.join(u' ').toStdString() + ": " + e.Validated() + "\n";
        }
        // Under no target the absent side's score is not rewritten, so it is checked for size.
        Editor large({}, 0);
        large.Row(0).ourAbsent = true;
        large.editing->UpdateRow(0);
        for (const char* typed : {"32768", "32767"}) {
            large.Row(0).scoreAgainst = typed;
            out +=
                std::string("absent, no target, theirs ") + typed + ": " + large.Validated() + "\n";
        }
        for (Answer answer : {Answer::Yes, Answer::No}) {
            Editor e;
            e.host.answers.push_back(answer);
            e.Type(0, "  New   Man ", "21", "5");
            const std::string validated = e.Validated();
            out += "register, " + std::to_string(int(answer)) + ": " + validated + " | " +
                   e.host.messages.front().text + " | registered " +
                   std::to_string(e.editing->Registered()) + " players " +
                   std::to_string(e.season->playerCount) + "\n";
        }
        // Under twin groups a pair's names are looked up in group 2, a single's in group 1.
        Editor twin({1, -1, 0, 0});
        twin.season->schemeIndex = kTwinGroupsScheme;
        for (const char* name : {"Ann", "Bob", "Cy"})
            RegisterPlayerName(*twin.season, twin.host, name);
        for (auto [p, name] : {std::pair{0, "Ann"}, {1, "Bob"}, {2, "Ann"}, {3, "Cy"}})
            twin.Type(p, name, p == 1 ? "" : "21", p == 1 ? "" : "9");
        out += "twin groups: " + twin.Validated() + "\n";
        Editor e;
        e.season->scheme.flags |= ShowHandicaps;
        e.season->homeHandicap = 5;
        e.season->awayHandicap = 9;
        out += "== handicaps: shown, then stored for home and away\n";
        const auto step = [&](const char* what) {
            out += std::string(what) + ": " + e.editing->Form().handicap + " | " +
                   std::to_string(e.season->homeHandicap) + " " +
                   std::to_string(e.season->awayHandicap) + "\n";
        };
        e.editing->Open(0); // a home fixture
        step("opened");
        e.editing->SetVenue(Away);
        step("away");
        e.editing->Validate(nullptr);
        e.editing->Store();
        step("stored");
        e.editing->Open(0);
        e.editing->Form().handicap = "7";
        e.editing->HandicapEdited(true);
        e.editing->SetVenue(Home);
        step("typed 7, home");
        e.editing->Validate(nullptr);
        e.editing->Store();
        step("stored");
        out += "== insert after fixture 1 and edit: stored, registers\n";
        for (auto [stored, registers] : {std::pair{false, false}, {false, true}, {true, false}}) {
            Editor ed;
            Season& s = *ed.season;
            s.modified = false;
            s.selectedFixture = 1;
            s.firstFixture = 0;
            s.visibleFixtures = 3;
            const Fixture* second = s.FixtureAt(1);
            int opened = -1;
            const bool done = InsertAndEditFixture(s, ed.host, true, [&](int index) {
                opened = index;
                if (registers)
                    RegisterPlayerName(s, ed.host, "Late Comer");
                return stored;
            });
            out += std::to_string(stored) + " " + std::to_string(registers) + ": " +
                   std::to_string(done) + " opened " + std::to_string(opened) + " players " +
                   std::to_string(s.playerCount) + (s.FixtureAt(1) == second ? "" : " MOVED") +
                   "\n " + Opponents(s) + "\n";
        }
        TESSEL_COMPARE_GOLDEN("model/fixture-scenarios.txt", out);
    }

    void unchangedFixtureKeepsItsText()
    {
        Editor e;
        Fixture& stored = *e.season->FixtureAt(0);
        stored.opponent = std::string(33, 'A');
        stored.games[1].opponent = "Long  " + std::string(27, 'b'); // 33 characters
        stored.games[2].state = OpponentAbsent;
        stored.games[2].scoreAgainst = 0;
        stored.games[2].opponent.clear();
        const Fixture before = stored;
        e.editing->Open(0);
        QVERIFY(e.editing->Validate(nullptr));
        e.editing->Store();
        QCOMPARE(stored.opponent, before.opponent);
        for (std::size_t p = 0; p < 4; ++p) {
            QCOMPARE(stored.games[p].opponent, before.games[p].opponent);
            QCOMPARE(stored.games[p].player, before.games[p].player);
            QCOMPARE(stored.games[p].state, before.games[p].state);
            QCOMPARE(stored.games[p].scoreFor, before.games[p].scoreFor);
            QCOMPARE(stored.games[p].scoreAgainst, before.games[p].scoreAgainst);
        }
        // Typed text is tidied and cut.
        e.editing->Open(0);
        e.Row(0).opponent = " Two   words" + std::string(40, 'x');
        QVERIFY(e.editing->Validate(nullptr));
        QCOMPARE(e.Working(0).opponent, ("Two words" + std::string(19, 'x')));
    }
};

TESSEL_TEST(tst_FixtureEditing)
#include "tst_FixtureEditing.moc"
