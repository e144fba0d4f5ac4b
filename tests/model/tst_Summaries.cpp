#include "support/TestRegistry.h"
// The team summary and every player's summary of generated seasons as one golden file; the
// brought-forward fields' checks; the clipboard's text and HTML.
#include <QtTest>

#include "model/PlayerSummary.h"
#include "model/Recalculate.h"
#include "model/TeamSummary.h"
#include "support/FakeHost.h"
#include "support/GeneratedSeason.h"
#include "support/Golden.h"
#include "support/ScoringFixtures.h"

namespace {

std::string Rows(const SummaryTable& table)
{
    std::string out = SummaryClipboardText(table, {});
    for (const SummaryRow& row : table.rows)
        out += " " + std::to_string(row.fixture);
    return out + "\n";
}

} // namespace

class TestSummaries : public QObject {
    Q_OBJECT

private slots:
    // Singles without shot totals (0), halves (3), singles (10), pairs (6), and twin groups
    // (87: group 1 singles, group 2 pairs) with a fixture left without a result; a season with
    // nothing played (-1). Each has a player with no game.
    void summariesGolden()
    {
        std::string out;
        for (int scheme : {0, 3, 10, 6, 87, -1}) {
            FakeHost host;
            SeasonPtr s =
                scheme < 0 ? MakeScoringSeason(host, 10, 2, 2) : GenerateSeason(scheme, 3, host);
            auto idle = std::make_unique<Player>(); // no game at all: no totals, deletable
            idle->id = std::uint16_t(s->players.size());
            idle->name = "Z. Idle";
            s->players.push_back(std::move(idle));
            s->playerCount = int(s->players.size());
            Recalculate(*s, host, false);
            if (scheme >= 0)
                s->fixtures[2]->result = 0;
            const TeamSummary t = BuildTeamSummary(*s, host);
            out += "== " + t.heading + "\n" + Rows(t.table) + t.played + "/" + t.won + "/" +
                   t.lost + " " + t.pointsScored + " " + t.pointsConceded + " " +
                   t.pointsScoredAverage + " " + t.pointsConcededAverage;
            if (t.showChalks)
                out += " | " + t.chalksScored + " " + t.chalksConceded + " " +
                       t.chalksScoredAverage + " " + t.chalksConcededAverage;
            out += "\n";
            for (std::size_t i = 0; i < s->players.size(); ++i) {
                Player& p = *s->players[i];
                if (scheme == 87)
                    p.group = std::uint16_t(1 + i % 2);
                const PlayerSummary ps = BuildPlayerSummary(*s, host, p);
                out += "- " + ps.heading + " (group " + std::to_string(p.group) + ")" +
                       (ps.deletable ? " deletable" : "") +
                       (ps.broughtForward ? " brought forward" : "") + "\n" + Rows(ps.table) +
                       ps.played + "/" + ps.won + "/" + ps.lost + "/" + ps.walkovers + " " +
                       ps.scored + " " + ps.conceded + " " + ps.net + " " + ps.scoredAverage + " " +
                       ps.concededAverage + " " + ps.netAverage + "\n";
            }
        }
        // The clipboard: selected rows in table order, each once; HTML escaped; tabs and line
        // ends inside a cell become spaces.
        SummaryTable table;
        table.columns = {{"A", 10}, {"", 10}};
        table.rows = {
            {{"x & <y>", "\"q'"}, 0}, {{"plain"}, 1}, {{"tab\tin\rname", "line\nend"}, 2}};
        for (const std::vector<int>& rows : {std::vector<int>{2, 0, 2, 7}, std::vector<int>{}})
            out += "== clipboard\n" + SummaryClipboardText(table, rows) + "\n" +
                   SummaryClipboardHtml(table, rows);
        // Brought forward: "for" (7, typed 8) is stored only when "against" is valid too; a
        // stored figure beyond what can be typed is kept while its text is unchanged.
        out += "== brought forward against: stored, typed: invalid field, for, against, changed\n";
        for (auto [stored, typed] : {std::pair{12, "12"},
                                     {5000, "5000"},
                                     {70000, "70000"},
                                     {0, " -32768 "},
                                     {0, "+32767"},
                                     {3, "-32769"},
                                     {3, "1o"},
                                     {3, ""}}) {
            FakeHost host;
            SeasonPtr s = MakeScoringSeason(host, 10, 2, 1, {"Ann Lee"});
            Player& ann = *s->players[0];
            ann.broughtFor = 7;
            ann.broughtAgainst = stored;
            bool changed = false;
            const int invalid = int(ApplyBroughtForward(*s, ann, "8", typed, changed));
            out += std::to_string(stored) + " [" + typed + "]: " + std::to_string(invalid) + " " +
                   std::to_string(ann.broughtFor) + " " + std::to_string(ann.broughtAgainst) + " " +
                   std::to_string(changed) + (s->modified ? " modified" : "") + "\n";
        }
        TESSEL_COMPARE_GOLDEN("model/summaries.txt", out);
    }
};

TESSEL_TEST(TestSummaries)
#include "tst_Summaries.moc"
