#include "render/MatchSheet.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/Host.h"
#include "model/Scoring.h"
#include "model/Text.h"
#include "model/TextFormat.h"
#include "render/PrintPage.h"

using namespace match_sheet;

namespace {

// Name and score columns of the two halves of the table.
constexpr int kLeftNameX = 100;
constexpr int kLeftScoreX = 850;
constexpr int kRightNameX = 1000;
constexpr int kRightScoreX = 1750;

// Where each side's texts go. Everything of ours (names, scores, walkovers,
// handicaps) moves with our side.
struct Sides {
    int ourName = kLeftNameX;
    int ourScore = kLeftScoreX;
    int theirName = kRightNameX;
    int theirScore = kRightScoreX;
};

Sides SidesOf(const Fixture& fixture, bool homeOnLeft)
{
    Sides sides;
    if (homeOnLeft && fixture.venue == Away) {
        std::swap(sides.ourName, sides.theirName);
        std::swap(sides.ourScore, sides.theirScore);
    }
    return sides;
}

struct Table {
    int teamSize = 0;
    bool handicapRow = false;
    bool pointsRow = false;
    int height = 0;
};

Table TableOf(const Season& season)
{
    const ScoringScheme& scheme = season.scheme;
    Table table;
    table.teamSize = std::min<int>(season.teamSize, kMaxTeamSize);
    table.handicapRow = scheme.Has(ShowHandicaps) || scheme.weight[WeightStart] != 0.0f;
    table.pointsRow = !scheme.Has(HideShotTotals);
    const int rows = table.teamSize + (table.handicapRow ? 1 : 0);
    table.height = kRowHeight * (rows + 2 + (table.pointsRow ? 1 : 0));
    return table;
}

// Players sharing the game at a position: the span of its group's first
// position, plus one.
int GroupSizeAt(const Season& season, int position)
{
    for (int p = position; p >= 0; --p) {
        const int span = season.groupSpan[static_cast<std::size_t>(p)];
        if (span >= 0)
            return span + 1;
    }
    return 1;
}

// The shots start without its fraction. A Custom scheme's weight comes from
// the file, so an absurd one is held to a sane range.
long long WholeStart(float start)
{
    if (std::isnan(start))
        return 0;
    const double clamped = std::clamp(static_cast<double>(start), -1e9, 1e9);
    return static_cast<long long>(std::trunc(clamped));
}

std::string OurPlayerName(const Season& season, const Game& game)
{
    if (game.player == nullptr)
        return {};
    const Player* player = season.PlayerById(game.playerId);
    return player ? Cp1252ToUtf8(player->name) : std::string();
}

std::string Points(const Season& season, double value)
{
    return Cp1252ToUtf8(FormatPoints(season, value));
}

struct BodyFont {
    int lineHeight = 0; // L: height plus external leading
    int height = 0;
    int ascent = 0;
    int externalLeading = 0;
};

void DrawHeading(Surface& surface, Host& host, const Season& season, const Fixture& fixture,
                 const PageFrame& page, int contentWidth, const Sides& sides)
{
    const int middle = HeadingCentre(page, contentWidth);
    surface.SetFont(FontRole::PageTitle);
    PutText(surface, Align::Centre, middle, -100,
            Cp1252ToUtf8(BowlingLeagueTitle(season.leagueName)));
    PutText(surface, Align::Centre, middle, -200, "RESULT SHEET");

    surface.SetFont(FontRole::PageBody);
    PutText(surface, Align::Left, 200, -300, Cp1252ToUtf8(DivisionWithWord(season.division)));
    PutText(surface, Align::Left, middle, -300, "Date: " + FormatLongDate(host, fixture.date));

    DrawPageFooter(surface, host, page);

    // The team names stand over the middles of the table's halves, which
    // their games are printed in; the page may be wider than the table (and
    // is, in logical units, when the sheet is shrunk to fit).
    const int leftX = kTableLeft + kTableWidth / 4;
    const int rightX = kTableLeft + kTableWidth * 3 / 4;
    const bool ourLeft = sides.ourName == kLeftNameX;
    const int ourX = ourLeft ? leftX : rightX;
    const int theirX = ourLeft ? rightX : leftX;
    surface.SetFont(FontRole::PageBody);
    if (fixture.venue != Neutral) {
        const bool weAreHome = fixture.venue != Away;
        PutText(surface, Align::Centre, weAreHome ? ourX : theirX, -400, "Home team");
        PutText(surface, Align::Centre, weAreHome ? theirX : ourX, -400, "Away team");
    }
    PutText(surface, Align::Centre, ourX, -500, Cp1252ToUtf8(season.teamName));
    PutText(surface, Align::Centre, theirX, -500, Cp1252ToUtf8(fixture.opponent));
}

void DrawRules(Surface& surface, const Season& season, const Table& table)
{
    const int T = table.teamSize;
    const int N = T + (table.handicapRow ? 1 : 0);

    surface.SetPen(PenRole::Thick);
    surface.Frame(0, 0, kTableWidth, -table.height);
    surface.Line(0, -kRowHeight, kTableWidth, -kRowHeight);

    // Within a group the players share one game, so only groups are ruled off.
    surface.SetPen(PenRole::Hairline);
    for (int i = 0; i <= T - 2; ++i) {
        if ((i + 1) % GroupSizeAt(season, i) == 0)
            surface.Line(0, -kRowHeight * (i + 2), kTableWidth, -kRowHeight * (i + 2));
    }

    surface.SetPen(PenRole::Thick);
    surface.Line(0, -kRowHeight * (T + 1), kTableWidth, -kRowHeight * (T + 1));
    if (table.handicapRow)
        surface.Line(0, -kRowHeight * (T + 2), kTableWidth, -kRowHeight * (T + 2));
    if (table.pointsRow)
        surface.Line(0, -kRowHeight * (N + 2), kTableWidth, -kRowHeight * (N + 2));

    surface.SetPen(PenRole::Hairline);
    surface.Line(750, 0, 750, -table.height);
    surface.Line(1650, 0, 1650, -table.height);
    surface.SetPen(PenRole::Thick);
    surface.Line(900, 0, 900, -table.height);
}

void DrawGames(Surface& surface, const Season& season, const Fixture& fixture, const Table& table,
               const Sides& sides, int rowTop)
{
    const int games = std::min(table.teamSize, static_cast<int>(fixture.games.size()));
    for (int i = 0; i < games; ++i) {
        const Game& game = fixture.games[static_cast<std::size_t>(i)];
        const int y = rowTop - kRowHeight * (i + 1);
        std::string ours, theirs;
        bool oursWalkover = false, theirsWalkover = false;
        switch (game.state) {
        case Played:
            ours = OurPlayerName(season, game);
            theirs = Cp1252ToUtf8(game.opponent);
            break;
        case OpponentAbsent:
            ours = OurPlayerName(season, game);
            theirsWalkover = true;
            break;
        case PlayerAbsent:
            oursWalkover = true;
            theirs = Cp1252ToUtf8(game.opponent);
            break;
        case Pending:
            ours = OurPlayerName(season, game);
            break;
        default:
            break;
        }
        surface.SetFont(FontRole::PageBody);
        PutText(surface, Align::Left, sides.ourName, y, ours);
        PutText(surface, Align::Left, sides.theirName, y, theirs);
        if (oursWalkover || theirsWalkover) {
            surface.SetFont(FontRole::PageItalic);
            PutText(surface, Align::Left, oursWalkover ? sides.ourName : sides.theirName, y,
                    "Walkover");
            surface.SetFont(FontRole::PageBody);
        }

        // A group's one score belongs on its first row.
        const bool scored =
            game.state == Played || game.state == OpponentAbsent || game.state == PlayerAbsent;
        if (scored && season.groupSpan[static_cast<std::size_t>(i)] >= 0) {
            PutText(surface, Align::Right, sides.ourScore, y, FormatInt(game.scoreFor));
            PutText(surface, Align::Right, sides.theirScore, y, FormatInt(game.scoreAgainst));
        }
    }
}

void DrawTableTexts(Surface& surface, const Season& season, const Fixture& fixture,
                    const Table& table, const Sides& sides, int lineHeight)
{
    // Texts are centred in their rows by the top of their cells.
    const int rowTop = -(kRowHeight - lineHeight) / 2;
    const int T = table.teamSize;
    const bool hasResult = fixture.result != ResultNone;

    surface.SetFont(FontRole::PageBody);
    PutText(surface, Align::Centre, 375, rowTop, "NAME");
    PutText(surface, Align::Centre, 1275, rowTop, "NAME");
    PutText(surface, Align::Centre, 825, rowTop, "SCORE");
    PutText(surface, Align::Centre, 1725, rowTop, "SCORE");

    DrawGames(surface, season, fixture, table, sides, rowTop);

    int row = T + 1;
    int y = rowTop - kRowHeight * row;
    PutText(surface, Align::Right, 700, y, "TOTAL");
    PutText(surface, Align::Right, 1600, y, "TOTAL");
    if (hasResult) {
        PutText(surface, Align::Right, sides.ourScore, y, FormatInt(fixture.shotsFor));
        PutText(surface, Align::Right, sides.theirScore, y, FormatInt(fixture.shotsAgainst));
    }

    if (table.handicapRow) {
        y = rowTop - kRowHeight * ++row;
        const ScoringScheme& scheme = season.scheme;
        // The start is given to the away side when positive and to the home
        // side when negative.
        const long long start = WholeStart(scheme.weight[WeightStart]);
        const bool weAreAway = fixture.venue == Away;
        long long ours = 0, theirs = 0;
        if (start > 0)
            (weAreAway ? ours : theirs) += start;
        else if (start < 0)
            (weAreAway ? theirs : ours) += -start;
        if (scheme.Has(ShowHandicaps)) {
            ours += fixture.handicap;
            theirs += fixture.oppHandicap;
        }
        if (ours != 0) {
            PutText(surface, Align::Left, sides.ourName, y, "Handicap");
            PutText(surface, Align::Right, sides.ourScore, y, FormatInt(ours));
        }
        if (theirs != 0) {
            PutText(surface, Align::Left, sides.theirName, y, "Handicap");
            PutText(surface, Align::Right, sides.theirScore, y, FormatInt(theirs));
        }
    }

    if (table.pointsRow) {
        y = rowTop - kRowHeight * ++row;
        PutText(surface, Align::Right, 700, y, "POINTS");
        PutText(surface, Align::Right, 1600, y, "POINTS");
        if (hasResult) {
            PutText(surface, Align::Right, sides.ourScore, y, Points(season, fixture.pointsFor));
            PutText(surface, Align::Right, sides.theirScore, y,
                    Points(season, fixture.pointsAgainst));
        }
    }
}

void DrawSignatures(Surface& surface, const Season& season, const Fixture& fixture,
                    const BodyFont& body)
{
    const int L = body.lineHeight;
    surface.SetFont(FontRole::PageBody);
    if (fixture.venue != Neutral) {
        PutText(surface, Align::Left, 200, 0, "HOME CLUB");
        PutText(surface, Align::Left, 200, -3 * L, "AWAY CLUB");
    } else {
        PutText(surface, Align::Left, 200, 0, Cp1252ToUtf8(season.teamName));
        PutText(surface, Align::Left, 200, -3 * L, Cp1252ToUtf8(fixture.opponent));
    }
    const int lineTops[2] = {-L, -4 * L};
    for (int top : lineTops) {
        PutText(surface, Align::Left, 200, top, "Signed");
        PutText(surface, Align::Left, 850, top, "Captain");
        PutText(surface, Align::Left, 1250, top, "MATCH POINTS");
    }

    // The dotted lines sit just under the words they follow.
    const int signedEnd = 200 + TextWidth(surface, "Signed");
    const int pointsEnd = 1250 + TextWidth(surface, "MATCH POINTS");
    auto rule = [&](int top) { return top - body.ascent - body.externalLeading; };
    surface.SetPen(PenRole::Dotted);
    for (int top : lineTops)
        surface.Line(signedEnd, rule(top), 850, rule(top));

    if (fixture.result != ResultNone) {
        // Each line belongs to the club named above it: home first.
        const bool weAreAway = fixture.venue == Away;
        const double first = weAreAway ? fixture.pointsAgainst : fixture.pointsFor;
        const double second = weAreAway ? fixture.pointsFor : fixture.pointsAgainst;
        PutText(surface, Align::Left, 1550, lineTops[0], Points(season, first));
        PutText(surface, Align::Left, 1550, lineTops[1], Points(season, second));
    } else {
        for (int top : lineTops)
            surface.Line(pointsEnd, rule(top), 1750, rule(top));
    }
}

} // namespace

bool PrintMatchSheet(Surface& surface, Host& host, const Season& season, const Fixture* fixture,
                     int widthMm, int heightMm, bool homeOnLeft)
{
    if (fixture == nullptr) {
        host.ShowMessage("Cannot find match to print", "Program error", MessageIcon::Exclamation);
        return false;
    }

    surface.SetFont(FontRole::PageBody);
    const FontFacts facts = surface.Facts();
    BodyFont body;
    body.height = facts.height;
    body.ascent = facts.ascent;
    body.externalLeading = facts.externalLeading;
    body.lineHeight = facts.height + facts.externalLeading;

    const Table table = TableOf(season);
    const int signatureTop = kTableTop + table.height + kRowHeight;
    const int signatureBottom = signatureTop + 4 * body.lineHeight +
                                std::max(body.height, body.ascent + body.externalLeading);
    // The footer keeps the bottom 10 mm to itself.
    const int neededHeight = signatureBottom + 100;
    surface.SetFont(FontRole::PageTitle);
    const int titleWidth = TextWidth(surface, Cp1252ToUtf8(BowlingLeagueTitle(season.leagueName)));
    const int neededWidth = std::max(kNeededWidth, titleWidth);

    PageFrame page;
    if (!FitPage(widthMm, heightMm, neededWidth, neededHeight, page))
        return false;
    BeginPage(surface, page);

    const Sides sides = SidesOf(*fixture, homeOnLeft);
    DrawHeading(surface, host, season, *fixture, page, neededWidth, sides);

    surface.SetOrigin(-kTableLeft, kTableTop);
    DrawRules(surface, season, table);
    DrawTableTexts(surface, season, *fixture, table, sides, body.lineHeight);

    surface.SetOrigin(0, signatureTop);
    DrawSignatures(surface, season, *fixture, body);

    EndPage(surface);
    return true;
}
