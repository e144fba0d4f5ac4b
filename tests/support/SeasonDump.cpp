#include "support/SeasonDump.h"

#include <cstdio>

namespace {

std::string Num(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.9g", value);
    return text;
}

} // namespace

std::string DumpSeason(const Season& s)
{
    std::string out = "season \"" + s.teamName + "\" scheme " + std::to_string(s.schemeIndex) +
                      " size " + std::to_string(s.teamSize) + " handicaps " +
                      std::to_string(s.homeHandicap) + " " + std::to_string(s.awayHandicap) +
                      "\n groups";
    for (int i = 0; i < s.teamSize; ++i)
        out += " " + std::to_string(s.groupSpan[std::size_t(i)]) + "/" +
               std::to_string(s.gameTarget[std::size_t(i)]);
    out += "\n team P" + std::to_string(s.matchesPlayed) + " W" + std::to_string(s.matchesWon) +
           " L" + std::to_string(s.matchesLost) + " pts " + Num(s.pointsFor) + "-" +
           Num(s.pointsAgainst) + " avg " + Num(s.teamAverage) + " shots " +
           std::to_string(s.shotsFor) + "-" + std::to_string(s.shotsAgainst) + "\n";
    for (const auto& f : s.fixtures) {
        out += " fixture " + std::to_string(f->venue) + " \"" + f->opponent + "\" r" +
               std::to_string(f->result) + " \"" + f->resultText + "\" shots " +
               std::to_string(f->shotsFor) + "-" + std::to_string(f->shotsAgainst) + " pts " +
               Num(f->pointsFor) + "-" + Num(f->pointsAgainst) + " hcp " +
               std::to_string(f->handicap) + "/" + std::to_string(f->oppHandicap) +
               (f->returnLeg ? " leg" : "") + "\n  games";
        for (const Game& g : f->games)
            out += " " + std::to_string(g.state) + ":" + std::to_string(g.scoreFor) + "-" +
                   std::to_string(g.scoreAgainst) + "p" + std::to_string(g.penaltyFor) + "/" +
                   std::to_string(g.penaltyAgainst);
        out += "\n";
    }
    for (const auto& p : s.players) {
        out += " player " + std::to_string(p->id) + " \"" + p->name + "\" row " +
               std::to_string(s.playerRow[p->id]) + " grp " + std::to_string(p->group) + " app " +
               std::to_string(p->appearances) + "/" + std::to_string(p->homeAppearances) + "/" +
               std::to_string(p->awayAppearances) + " pld " + std::to_string(p->played) + "/" +
               std::to_string(p->homePlayed) + "/" + std::to_string(p->awayPlayed) + " w" +
               std::to_string(p->won) + " d" + std::to_string(p->drawn) + " home " +
               Num(p->homeFor) + "-" + Num(p->homeAgainst) + " away " + Num(p->awayFor) + "-" +
               Num(p->awayAgainst) + " bf " + std::to_string(p->broughtFor) + "-" +
               std::to_string(p->broughtAgainst) + " m " + Num(p->measure) + "\n";
    }
    return out;
}
