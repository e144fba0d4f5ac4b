#include "support/TestRegistry.h"
// New seasons and team edits: every case's outcome, messages and resulting season in one golden
// file; the offered schemes and the fixture list's days as properties.
#include <QtTest>

#include "model/FixtureList.h"
#include "model/Recalculate.h"
#include "model/SchemeTable.h"
#include "model/TeamOptions.h"
#include "support/FakeHost.h"
#include "support/Golden.h"
#include "support/SeasonBuilder.h"

namespace {

std::string Said(FakeHost& host)
{
    std::string out;
    for (const auto& m : host.messages)
        out += " [" + m.title + "] " + m.text;
    host.messages.clear();
    return out;
}

// What a team edit may change; "record" names the first built-in scheme whose record the
// season's copy equals.
std::string Snapshot(const Season& s)
{
    int record = 0;
    while (record < kSchemeCount && !(BuiltInScheme(record) && *BuiltInScheme(record) == s.scheme))
        ++record;
    std::string out = s.teamName + "|" + s.leagueName + "|" + s.division + "| scheme " +
                      std::to_string(s.schemeIndex) + " record " + std::to_string(record) +
                      " handicap " + std::to_string(s.homeHandicap) +
                      (s.modified ? " modified" : "") + "\n  groups";
    for (int i = 0; i < s.teamSize; ++i)
        out += " " + std::to_string(s.groupSpan[std::size_t(i)]) + "/" +
               std::to_string(s.gameTarget[std::size_t(i)]);
    return out;
}

QDate Shown(std::time_t date)
{
    const SystemTime day = ShownDay(date);
    return QDate(day.year, day.month, day.day);
}

} // namespace

class TestTeamOptions : public QObject {
    Q_OBJECT

private slots:
    void teamOptionsGolden()
    {
        std::string out = "== new season: matches, players, scheme, division\n";
        for (auto [matches, players, scheme, division] : {std::tuple{"1", "1", 0, "Division 1"},
                                                          {"100", "30", 0, "D"},
                                                          {"12", "8", 6, "D"},
                                                          {"0", "4", 0, "D"},
                                                          {"101", "4", 0, "D"},
                                                          {"", "4", 0, "D"},
                                                          {"4294967297", "4", 0, "D"},
                                                          {"10", "0", 0, "D"},
                                                          {"10", "31", 0, "D"},
                                                          {"10", "65540", 0, "D"},
                                                          {"10", "5", 6, "D"},
                                                          {"10", "4", 0, ""}}) {
            FakeHost host;
            const TeamFields fields{"Crown Green", "Valley League", division,
                                    matches,       players,         scheme};
            SeasonPtr s = CreateSeason(fields, host);
            out += std::string(matches) + " " + players + " " + std::to_string(scheme) + " " +
                   division + ":" + Said(host);
            if (s) {
                out += " " + s->filePath + (s->untitled ? " untitled" : "") +
                       (s->layoutChanged ? " layout" : "") + " fixtures " +
                       std::to_string(s->fixtures.size()) + " players " +
                       std::to_string(s->playerCount) + " selected " +
                       std::to_string(s->selectedFixture) + "/" +
                       std::to_string(s->selectedPlayer) + "\n  " + Snapshot(*s);
                for (const auto& f : s->fixtures) {
                    QCOMPARE(f->venue, std::uint32_t(Neutral));
                    QCOMPARE(f->date, host.now);
                    QVERIFY(f->opponent.empty());
                    QCOMPARE(int(f->games.size()), int(s->teamSize));
                    for (const Game& g : f->games)
                        QVERIFY(g.state == NotPlayed && !g.player);
                }
            }
            out += "\n";
        }
        // Every scheme but Custom, once, ordered by name with ASCII letters folded.
        out += "== schemes offered\n";
        for (int index : OfferedSchemes())
            out += std::to_string(index) + " " + std::string(SchemeName(index)) + "\n";
        out += "== counts typed\n";
        for (const char* text : {"", "12x4", "0007", "4294967297", "000000000000000000005", "-3"})
            out += std::string(text) + ": " + std::to_string(ReadCount(text)) + "\n";

        // A custom season keeps its own copy; players registered block a change to or from
        // twin groups.
        out += "== edit: scheme from, to, team size, players, division typed, answers\n";
        for (auto [from, to, teamSize, players, division, answers] :
             {std::tuple{0, 0, 4, 0, "Div", ""},
              {0, 0, 4, 0, "Div 2", ""},
              {0, 1, 4, 0, "", ""},
              {0, 1, 4, 0, "Div", ""},
              {0, 4, 4, 0, "Div", "Y"},
              {0, 4, 4, 0, "Div", "N"},
              {0, 6, 4, 0, "Div", "Y"},
              {0, 7, 4, 0, "Div", "YY"},
              {0, 7, 4, 0, "Div 2", "YN"},
              {0, 6, 3, 0, "Div 2", ""},
              {0, 73, 4, 0, "Div", "Y"},
              {73, 0, 4, 0, "Div", "Y"},
              {0, 87, 6, 0, "Div", "YY"},
              {87, 4, 6, 0, "Div", "Y"},
              {0, 87, 6, 3, "Div", "YY"},
              {87, 4, 6, 3, "Div", "Y"},
              {64, -1, 4, 0, "Div", ""},
              {64, -1, 4, 0, "Div 2", ""}}) {
            FakeHost host;
            SeasonShape shape;
            shape.schemeIndex = from == kCustomScheme ? 6 : from;
            shape.teamSize = teamSize;
            shape.playerCount = players;
            SeasonPtr s = BuildSeason(shape, host);
            s->schemeIndex = std::uint32_t(from);
            Recalculate(*s, host, false);
            s->teamName = "Crown Green";
            s->leagueName = "Valley League";
            s->division = "Div";
            s->homeHandicap = 5;
            s->modified = false;
            const std::string before = Snapshot(*s);
            for (const char* c = answers; *c; ++c)
                host.answers.push_back(*c == 'Y' ? Answer::Yes : Answer::No);
            const TeamFields fields{s->teamName, s->leagueName, division, "", "", to};
            const TeamEdit outcome = EditTeam(*s, host, fields);
            out += std::to_string(from) + " " + std::to_string(to) + " " +
                   std::to_string(teamSize) + " " + std::to_string(players) + " " + division + " " +
                   answers + ": " + std::to_string(int(outcome)) + Said(host) + "\n  ";
            out += Snapshot(*s) == before ? "unchanged" : Snapshot(*s);
            out += "\n";
        }
        out += "== fixture list: entries one after another into three fixtures\n";
        FakeHost host;
        SeasonPtr s = CreateSeason({"Crown Green", "Valley League", "D", "3", "4", 0}, host);
        s->modified = false;
        FixtureEntry entry;
        entry.date = PickedDay(2027, 5, 1);
        for (const char* opponent : {"", "Ashton", "Bury", "Crewe", "Nobody"}) {
            entry.opponent = opponent;
            const EntryResult result = StoreFixtureEntry(*s, host, entry);
            out += std::string(opponent) + ": " + std::to_string(int(result)) + Said(host) +
                   (s->modified ? " modified |" : " |");
            for (const auto& f : s->fixtures)
                out += " " + f->opponent + " " + "HAN"[f->venue] + " " +
                       (f->date == host.now ? "now"
                                            : Shown(f->date).toString(Qt::ISODate).toStdString());
            out += "\n";
            if (result != EntryResult::Refused)
                entry = FollowingEntry(entry);
        }
        TESSEL_COMPARE_GOLDEN("model/team-options.txt", out);
    }

    // A long name read from a file survives OK without a change; a changed one is cut to what
    // the file holds.
    void editKeepsLongNames()
    {
        FakeHost host;
        SeasonPtr s = BuildSeason(SeasonShape{}, host);
        s->teamName = std::string(32, 'T');
        s->leagueName = std::string(64, 'L');
        s->division = std::string(17, 'D');
        TeamFields fields{s->teamName, s->leagueName, s->division, "", "", 0};
        QCOMPARE(EditTeam(*s, host, fields), TeamEdit::Unchanged);
        fields.teamName = std::string(40, 'X');
        QCOMPARE(EditTeam(*s, host, fields), TeamEdit::Stored);
        QCOMPARE(s->teamName, std::string(32, 'X'));
        QCOMPARE(s->leagueName.size(), std::size_t(64));
    }

    // Picked days come back as the same day, and a week on is the same weekday, across both
    // clock changes (the tests run in Europe/London).
    void pickedDays()
    {
        for (QDate day : {QDate(2026, 3, 29), QDate(2026, 3, 22), QDate(2026, 10, 25),
                          QDate(2026, 10, 18), QDate(2027, 6, 21), QDate(2026, 12, 31)}) {
            const std::time_t stored = PickedDay(day.year(), day.month(), day.day());
            QCOMPARE(stored, MakeLocalDate(day.year(), day.month(), day.day()));
            QCOMPARE(Shown(stored), day);
            FixtureEntry entry;
            entry.date = stored;
            QCOMPARE(Shown(FollowingEntry(entry).date), day.addDays(7));
        }
    }
};

TESSEL_TEST(TestTeamOptions)
#include "tst_TeamOptions.moc"
