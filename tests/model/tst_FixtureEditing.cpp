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
    std::string Validated()
    {
        const bool valid = editing->Validate(nullptr);
        return valid                   ? "valid"
               : host.messages.empty() ? "INVALID, nothing said"
                                       : host.messages.back().text;
    }
    FakeHost host;
    SeasonPtr season;
    std::unique_ptr<FixtureEditing> editing;
};

struct Totals : ScoreDisplay {
    void ShowPoints(const std::string& o, const std::string& t) override { points = o + "-" + t; }
    void ShowShots(int o, int t) override { shots = std::to_string(o) + "-" + std::to_string(t); }
    void Clear() override { points = shots = "cleared"; }
    std::string points, shots;
};

std::string Opponents(const Season& s)
{
    std::string out;
    for (const auto& f : s.fixtures)
        out += f->opponent + ",";
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

    // Each case types positions 0..3 as "name/for/against" and validates.
    void validationAcrossRows_data()
    {
        QTest::addColumn<QList<int>>("spans");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("message");
        QTest::newRow("twice in singles")
            << QList<int>{} << QStringList{"Player 1/21/3", "Player 1/21/4"}
            << "Invalid player in game number 2";
        QTest::newRow("singles and pairs")
            << QList<int>{1, -1, 0, 0}
            << QStringList{"Player 1/21/3", "Player 2//", "Player 1/21/4"} << QString();
        QTest::newRow("twice in pairs")
            << QList<int>{1, -1, 1, -1}
            << QStringList{"Player 1/21/3", "Player 2//", "Player 1/21/4", "Player 3//"}
            << "Invalid player in game number 2";
    }
    void validationAcrossRows()
    {
        QFETCH(QList<int>, spans);
        QFETCH(QStringList, rows);
        QFETCH(QString, message);
        Editor e(std::vector<std::int16_t>(spans.begin(), spans.end()));
        for (int p = 0; p < rows.size(); ++p) {
            const QStringList f = rows[p].split(u'/');
            e.Type(p, f[0].toStdString(), f[1].toStdString(), f[2].toStdString());
        }
        QCOMPARE(QString::fromStdString(e.Validated()), message.isEmpty() ? "valid" : message);
    }

    void absenceWithLargeScore()
    {
        // Under no target the absent side's score is not rewritten, so it is checked for size too.
        Editor e({}, 0);
        e.Row(0).ourAbsent = true;
        e.editing->UpdateRow(0);
        e.Row(0).scoreAgainst = "32768"; // typed after the update
        QCOMPARE(e.Validated(), std::string("Invalid score in game number 1"));
        e.Row(0).scoreAgainst = "32767";
        QVERIFY(e.editing->Validate(nullptr));
        QCOMPARE(e.Working(0).scoreAgainst, std::int16_t(32767));
    }

    void absencesNameNoPlayer()
    {
        Editor e;
        e.Row(0).ourAbsent = true;
        e.editing->UpdateRow(0);
        e.Row(1).ourAbsent = e.Row(1).theirAbsent = true;
        e.editing->UpdateRow(1);
        Totals totals;
        QVERIFY(e.editing->Validate(&totals));
        QCOMPARE(int(e.Working(0).state), int(PlayerAbsent));
        QCOMPARE(int(e.Working(1).state), int(NotPlayed));
        for (int p : {0, 1}) {
            QVERIFY(e.Working(p).player == nullptr);
            QCOMPARE(e.Working(p).playerId, std::int16_t(0));
        }
        QVERIFY(e.Working(2).player != nullptr);
        // Validation ends with the match scoring of what it wrote.
        QCOMPARE(totals.shots, std::to_string(e.editing->Working().shotsFor) + "-" +
                                   std::to_string(e.editing->Working().shotsAgainst));
        QVERIFY(totals.points != "cleared");
    }

    void noResultKeepsChosenPlayers()
    {
        Editor e;
        for (int p = 0; p < 4; ++p)
            e.Type(p, "", "", "", "");
        e.Row(0).chosen = e.season->PlayerById(3);
        e.Row(0).playerText = "Player 4";
        e.editing->UpdateRow(0);
        e.Type(2, "Player 2", "", "", "");
        Totals totals;
        QVERIFY(e.editing->Validate(&totals));
        QCOMPARE(totals.points, std::string("cleared"));
        QCOMPARE(e.editing->Working().result, 0u);
        QCOMPARE(int(e.Working(0).state), int(Pending));
        QCOMPARE(e.Working(0).player, e.season->PlayerById(3));
        QCOMPARE(int(e.Working(2).state), int(Pending));
        QCOMPARE(e.Working(2).player->name, std::string("Player 2"));
        QVERIFY(e.Working(1).player == nullptr);
    }

    void registration_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void registration()
    {
        QFETCH(bool, yes);
        Editor e;
        e.host.answers.push_back(yes ? Answer::Yes : Answer::No);
        e.Type(0, "  New   Man ", "21", "5");
        QCOMPARE(e.Validated(), std::string(yes ? "valid" : "Invalid player in game number 1"));
        QCOMPARE(e.host.messages.front().text,
                 std::string("New Man is not registered.\nRegister this player now?"));
        QCOMPARE(e.editing->Registered(), yes);
        QCOMPARE(e.season->playerCount, yes ? 7 : 6);
        if (yes)
            QCOMPARE(e.Working(0).player->name, std::string("New Man"));
    }

    void handicapFollowsVenue()
    {
        Editor e;
        e.season->scheme.flags |= ShowHandicaps;
        e.season->homeHandicap = 5;
        e.season->awayHandicap = 9;
        e.editing->Open(0); // a home fixture
        QCOMPARE(e.editing->Form().handicap, std::string("5"));
        e.editing->SetVenue(Away);
        QCOMPARE(e.editing->Form().handicap, std::string("9"));
        QVERIFY(e.editing->Validate(nullptr));
        e.editing->Store();
        QCOMPARE(e.season->homeHandicap, 5);
        QCOMPARE(e.season->awayHandicap, 9);
        // Typed, it stays and is stored for the venue chosen.
        e.editing->Open(0);
        e.editing->Form().handicap = "7";
        e.editing->HandicapEdited(true);
        e.editing->SetVenue(Home);
        QCOMPARE(e.editing->Form().handicap, std::string("7"));
        QVERIFY(e.editing->Validate(nullptr));
        e.editing->Store();
        QCOMPARE(e.season->homeHandicap, 7);
        QCOMPARE(e.season->awayHandicap, 9);
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

    void cancelledInsertion_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<bool>("registers");
        QTest::newRow("cancelled") << false << false;
        QTest::newRow("cancelled after a registration") << false << true;
        QTest::newRow("stored") << true << false;
    }
    void cancelledInsertion()
    {
        QFETCH(bool, stored);
        QFETCH(bool, registers);
        Editor e;
        Season& s = *e.season;
        s.modified = false;
        s.selectedFixture = 1;
        s.firstFixture = 0;
        s.visibleFixtures = 3;
        const Fixture* second = s.FixtureAt(1);
        int opened = -1;
        QCOMPARE(InsertAndEditFixture(s, e.host, true,
                                      [&](int index) {
                                          opened = index;
                                          if (registers)
                                              RegisterPlayerName(s, e.host, "Late Comer");
                                          return stored;
                                      }),
                 stored);
        QCOMPARE(opened, 2);
        QCOMPARE(s.fixtureCount, stored ? 4 : 3);
        QCOMPARE(int(s.fixtures.size()), s.fixtureCount);
        QCOMPARE(s.FixtureAt(1), second);
        QCOMPARE(s.selectedFixture, stored ? 2 : 1);
        QCOMPARE(s.modified, stored || registers);
        QCOMPARE(s.playerCount, registers ? 7 : 6);
    }

    // Deleting a fixture clears every pairing with it and keeps the others.
    void deleteClearsReturnLegs()
    {
        FakeHost host;
        SeasonPtr s = BuildSeason(SeasonShape{}, host);
        s->fixtures[2]->returnLeg = s->fixtures[0].get();
        s->fixtures[1]->returnLeg = s->fixtures[2].get();
        QVERIFY(DeleteFixture(*s, host, 0, false));
        QCOMPARE(s->fixtures[1]->returnLeg, nullptr);
        QCOMPARE(s->fixtures[0]->returnLeg, s->fixtures[1].get());
    }
};

TESSEL_TEST(tst_FixtureEditing)
#include "tst_FixtureEditing.moc"
