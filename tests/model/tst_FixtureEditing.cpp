#include "support/TestRegistry.h"
#include <QtTest>

#include "model/FixtureEditing.h"
#include "model/PlayerRegister.h"
#include "model/Recalculate.h"
#include "model/Scoring.h"
#include "support/FakeHost.h"
#include "support/SeasonBuilder.h"

namespace {

// Four singles to 21 unless a test changes the groups or the target; fixture 0
// is a played home fixture.
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
    FixtureForm& Form() { return editing->Form(); }
    EditorRow& Row(int p) { return editing->Form().rows[static_cast<std::size_t>(p)]; }
    const Game& Working(int p) { return editing->Working().games[static_cast<std::size_t>(p)]; }
    // Empties every row, as a user clearing the whole fixture would.
    void ClearAll()
    {
        for (int p = 0; p < season->teamSize; ++p) {
            Row(p) = EditorRow{};
            editing->UpdateRow(p);
        }
    }
    void Type(int p, const char* name, const char* scoreFor, const char* scoreAgainst,
              const char* opponent = "Visitor")
    {
        Row(p).playerText = name;
        Row(p).chosen = nullptr;
        Row(p).scoreFor = scoreFor;
        Row(p).scoreAgainst = scoreAgainst;
        Row(p).opponent = opponent;
        editing->UpdateRow(p);
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

} // namespace

class tst_FixtureEditing : public QObject {
    Q_OBJECT
private slots:
    void rowUpdate_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("input");   // ours|theirs|name|for|against|opponent
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("shown");   // name|for|against|opponent afterwards
        QTest::newRow("our score fills theirs") << 21 << "0|0|Player 1|7||Joe" << int(Played) << "Player 1|7|21|Joe";
        QTest::newRow("their score fills ours") << 21 << "0|0|Player 1||12|Joe" << int(Played) << "Player 1|21|12|Joe";
        QTest::newRow("no fill at the target") << 21 << "0|0|Player 1|21||Joe" << int(Played) << "Player 1|21||Joe";
        QTest::newRow("no fill without target") << 0 << "0|0|Player 1|7||Joe" << int(Played) << "Player 1|7||Joe";
        QTest::newRow("a big number is kept") << 21 << "0|0|Player 1|32768||" << int(Played) << "Player 1|32768||";
        QTest::newRow("name alone pends") << 21 << "0|0|Player 1|||" << int(Pending) << "Player 1|||";
        QTest::newRow("nothing") << 21 << "0|0||||" << int(NotPlayed) << "|||";
        QTest::newRow("no name, a score") << 21 << "0|0||5||" << int(Played) << "|5|21|";
        QTest::newRow("opponent absent") << 21 << "0|1|Player 1|3|4|Joe" << int(OpponentAbsent) << "Player 1|21|0|";
        QTest::newRow("opponent absent, no target") << 0 << "0|1|Player 1|3|4|Joe" << int(OpponentAbsent) << "Player 1|3|0|";
        QTest::newRow("player absent") << 21 << "1|0|Player 1|3|4|Joe" << int(PlayerAbsent) << "|0|21|Joe";
        QTest::newRow("both absent") << 21 << "1|1|Player 1|3|4|Joe" << int(NotPlayed) << "|||";
    }
    void rowUpdate()
    {
        QFETCH(int, target);
        QFETCH(QString, input);
        QFETCH(int, state);
        QFETCH(QString, shown);
        Editor e({}, static_cast<std::uint32_t>(target));
        const QStringList in = input.split(u'|');
        EditorRow& row = e.Row(1);
        row.ourAbsent = in[0] == u"1";
        row.theirAbsent = in[1] == u"1";
        row.chosen = nullptr;
        row.playerText = in[2].toStdString();
        row.scoreFor = in[3].toStdString();
        row.scoreAgainst = in[4].toStdString();
        row.opponent = in[5].toStdString();
        e.editing->UpdateRow(1);
        QCOMPARE(int(e.Working(1).state), state);
        const QString after = QString::fromStdString(row.playerText + "|" + row.scoreFor + "|" +
                                                     row.scoreAgainst + "|" + row.opponent);
        QCOMPARE(after, shown);
    }

    void pairCopies_data()
    {
        QTest::addColumn<bool>("ours");
        QTest::addColumn<bool>("theirs");
        QTest::addColumn<QString>("partner");   // name|for|against|opponent of position 1
        QTest::newRow("played") << false << false << "Player 2|21|9|Joe";
        QTest::newRow("player absent") << true << false << "|0|21|Joe";
        QTest::newRow("opponent absent") << false << true << "Player 2|21|0|";
        QTest::newRow("both absent") << true << true << "|||";
    }
    void pairCopies()
    {
        QFETCH(bool, ours);
        QFETCH(bool, theirs);
        QFETCH(QString, partner);
        Editor e({1, -1, 1, -1});
        e.Row(1).playerText = "Player 2";
        e.Row(1).opponent = "Joe";
        e.Row(0).ourAbsent = ours;
        e.Row(0).theirAbsent = theirs;
        e.Type(0, "Player 1", "", "9");
        const EditorRow& row = e.Row(1);
        QCOMPARE(row.ourAbsent, ours);
        QCOMPARE(row.theirAbsent, theirs);
        QCOMPARE(QString::fromStdString(row.playerText + "|" + row.scoreFor + "|" + row.scoreAgainst +
                                        "|" + row.opponent),
                 partner);
        QCOMPARE(e.Working(1).state, e.Working(0).state);
        QCOMPARE(e.Working(1).scoreFor, e.Working(0).scoreFor);
        QCOMPARE(e.Working(1).scoreAgainst, e.Working(0).scoreAgainst);
    }

    // Each case types positions 0..3 as "name/for/against" (empty: leave the
    // row as opened) and validates.
    void validation_data()
    {
        QTest::addColumn<QString>("spans");
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("message");
        const QString ok;
        QTest::newRow("21-20") << "" << 21 << "Player 1/21/20" << ok;
        QTest::newRow("7-21") << "" << 21 << "Player 1/7/21" << ok;
        QTest::newRow("21-21") << "" << 21 << "Player 1/21/21" << "Invalid score in game number 1";
        QTest::newRow("20-19") << "" << 21 << "Player 1/20/19" << "Invalid score in game number 1";
        QTest::newRow("22-10") << "" << 21 << "Player 1/22/10" << "Invalid score in game number 1";
        QTest::newRow("any pair without target") << "" << 0 << "Player 1/3/3" << ok;
        QTest::newRow("32768 without target") << "" << 0 << "Player 1/32768/3" << "Invalid score in game number 1";
        QTest::newRow("4294967296 does not wrap") << "" << 0 << "Player 1/4294967296/3" << "Invalid score in game number 1";
        QTest::newRow("twice in singles") << "" << 21 << "Player 1/21/3;Player 1/21/4"
                                          << "Invalid player in game number 2";
        QTest::newRow("singles and pairs") << "1,-1,0,0" << 21 << "Player 1/21/3;Player 2/;Player 1/21/4" << ok;
        QTest::newRow("twice in pairs") << "1,-1,1,-1" << 21
                                        << "Player 1/21/3;Player 2/;Player 1/21/4;Player 3/"
                                        << "Invalid player in game number 2";
        QTest::newRow("opponent without player") << "" << 21 << "/21/3" << "Invalid player in game number 1";
    }
    void validation()
    {
        QFETCH(QString, spans);
        QFETCH(int, target);
        QFETCH(QString, rows);
        QFETCH(QString, message);
        std::vector<std::int16_t> span;
        for (const QString& s : spans.split(u',', Qt::SkipEmptyParts))
            span.push_back(static_cast<std::int16_t>(s.toInt()));
        Editor e(span, static_cast<std::uint32_t>(target));
        const QStringList list = rows.split(u';');
        for (int p = 0; p < list.size(); ++p) {
            const QStringList f = list[p].split(u'/');
            const std::string name = f[0].toStdString();
            e.Type(p, name.c_str(), f.value(1).toStdString().c_str(), f.value(2).toStdString().c_str());
        }
        const bool valid = e.editing->Validate(nullptr);
        QCOMPARE(valid, message.isEmpty());
        QCOMPARE(QString::fromStdString(e.host.messages.empty() ? "" : e.host.messages.back().text), message);
    }

    void absenceWithLargeScore()
    {
        // Under no target the absent side's score is not rewritten, so it is
        // checked for size too.
        Editor e({}, 0);
        e.Row(0).ourAbsent = true;
        e.Row(0).scoreAgainst = "32768";
        e.editing->UpdateRow(0);
        e.Row(0).scoreAgainst = "32768";   // typed again after the update
        QVERIFY(!e.editing->Validate(nullptr));
        QCOMPARE(e.host.messages.back().text, std::string("Invalid score in game number 1"));
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
        QCOMPARE(e.Working(0).scoreAgainst, std::int16_t(21));
        QVERIFY(e.Working(2).player != nullptr);
        // Validation ends with the match scoring of what it wrote.
        QCOMPARE(QString::fromStdString(totals.shots), QStringLiteral("%1-%2")
                     .arg(e.editing->Working().shotsFor).arg(e.editing->Working().shotsAgainst));
        QVERIFY(totals.points != "cleared");
    }

    void noResultKeepsChosenPlayers()
    {
        Editor e;
        e.ClearAll();
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
        QCOMPARE(int(e.Working(1).state), int(NotPlayed));
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
        QCOMPARE(e.editing->Validate(nullptr), yes);
        QCOMPARE(e.host.messages.front().text, std::string("New Man is not registered.\nRegister this player now?"));
        QCOMPARE(e.editing->Registered(), yes);
        QCOMPARE(e.season->playerCount, yes ? 7 : 6);
        if (yes)
            QCOMPARE(e.Working(0).player->name, std::string("New Man"));
        else
            QCOMPARE(e.host.messages.back().text, std::string("Invalid player in game number 1"));
    }

    void handicaps_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("value");
        QTest::newRow("minus alone") << "-" << "-" << 0;
        QTest::newRow("empty") << "" << "" << 0;
        QTest::newRow("negative") << "-12" << "-12" << -12;
        QTest::newRow("largest") << "2147483647" << "2147483647" << 2147483647;
        QTest::newRow("beyond 32 bits") << "2147483648" << "" << 0;
        QTest::newRow("not a number") << "4x" << "" << 0;
    }
    void handicaps()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, value);
        Editor e;
        e.Form().oppHandicap = typed.toStdString();
        e.editing->HandicapEdited(false);
        QCOMPARE(QString::fromStdString(e.Form().oppHandicap), shown);
        QCOMPARE(e.editing->Working().oppHandicap, value);
    }

    void handicapFollowsVenue()
    {
        Editor e;
        e.season->scheme.flags |= ShowHandicaps;
        e.season->homeHandicap = 5;
        e.season->awayHandicap = 9;
        e.editing->Open(0);   // a home fixture
        QCOMPARE(e.Form().handicap, std::string("5"));
        e.editing->SetVenue(Away);
        QCOMPARE(e.Form().handicap, std::string("9"));
        QVERIFY(e.editing->Validate(nullptr));
        e.editing->Store();
        QCOMPARE(e.season->homeHandicap, 5);
        QCOMPARE(e.season->awayHandicap, 9);
        // Typed, it stays and is stored for the venue chosen.
        e.editing->Open(0);
        e.Form().handicap = "7";
        e.editing->HandicapEdited(true);
        e.editing->SetVenue(Home);
        QCOMPARE(e.Form().handicap, std::string("7"));
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
        stored.games[1].opponent = "Long  " + std::string(27, 'b');   // 33 characters
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
        const bool result = InsertAndEditFixture(s, e.host, true, [&](int index) {
            opened = index;
            if (registers)
                RegisterPlayerName(s, e.host, "Late Comer");
            return stored;
        });
        QCOMPARE(result, stored);
        QCOMPARE(opened, 2);
        QCOMPARE(s.fixtureCount, stored ? 4 : 3);
        QCOMPARE(int(s.fixtures.size()), s.fixtureCount);
        QCOMPARE(s.FixtureAt(1), second);
        QCOMPARE(s.selectedFixture, stored ? 2 : 1);
        QCOMPARE(s.modified, stored || registers);
        QCOMPARE(s.playerCount, registers ? 7 : 6);
    }
};

TESSEL_TEST(tst_FixtureEditing)
#include "tst_FixtureEditing.moc"
