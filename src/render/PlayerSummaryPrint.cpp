#include "render/PlayerSummaryPrint.h"

#include <algorithm>
#include <string>
#include <vector>

#include "model/Host.h"
#include "model/PlayerSummary.h"
#include "model/Text.h"
#include "model/TextFormat.h"
#include "render/PrintPage.h"

namespace {

struct Body {
    int L = 0; // line height: font height plus external leading
    int A = 0; // average character width
    int height = 0;
};

void DrawHeading(Surface& surface, Host& host, const Season& season, const Player& player,
                 const PageFrame& page, int contentWidth, const Body& body)
{
    const int middle = HeadingCentre(page, contentWidth);
    surface.SetFont(FontRole::PageBody);
    PutText(surface, Align::Centre, middle, -100, "Summary of results for:");
    surface.SetFont(FontRole::PageTitle);
    PutText(surface, Align::Centre, middle, -200, Cp1252ToUtf8(player.name));
    DrawPageFooter(surface, host, page);

    surface.SetFont(FontRole::PageBody);
    const struct {
        const char* label;
        const std::string& value;
    } lines[] = {
        {"League:", season.leagueName}, {"Division:", season.division}, {"Team:", season.teamName}};
    int y = -300;
    for (const auto& line : lines) {
        PutText(surface, Align::Left, 200, y, line.label);
        PutText(surface, Align::Left, 400, y, Cp1252ToUtf8(line.value));
        y -= body.L;
    }
}

void DrawEntries(Surface& surface, Host& host, const std::vector<SummaryEntry>& entries,
                 const SummaryColumns& columns, int firstTop, int L)
{
    int y = firstTop;
    for (const SummaryEntry& entry : entries) {
        const Fixture& fixture = *entry.record;
        const Game& game = *entry.game;
        surface.SetFont(FontRole::PageBody);
        PutText(surface, Align::Left, columns.date, y, FormatShortDate(host, fixture.date));
        if (game.state == Played)
            PutText(surface, Align::Centre, columns.score, y, FormatGameCell(game));
        PutText(surface, Align::Centre, columns.venue, y, VenueLetter(fixture.venue));
        PutText(surface, Align::Left, columns.s3, y, Cp1252ToUtf8(fixture.opponent));
        if (game.state == Played) {
            if (columns.singles)
                PutText(surface, Align::Left, columns.s4, y, Cp1252ToUtf8(game.opponent));
        } else {
            surface.SetFont(FontRole::PageItalic);
            if (columns.singles)
                PutText(surface, Align::Left, columns.s4, y, "Walkover");
            else
                PutText(surface, Align::Centre, columns.score, y, "W/O");
        }
        y -= L;
    }
}

// How many lines each block of totals takes (left: counts; right: points).
int LeftTotalLines(const SummaryTally& tally)
{
    return (tally.walkovers > 0 ? 2 : 0) + 1 + (tally.played > 0 ? 2 : 0);
}

int RightTotalLines(const SummaryTally& tally)
{
    return tally.played > 0 ? 5 : 0;
}

void DrawTotals(Surface& surface, const SummaryTally& tally, const Body& body, int y0)
{
    const int L = body.L;
    const int A = body.A;
    const int countX = 28 * A + 200;
    surface.SetFont(FontRole::PageBody);

    int y = y0;
    if (tally.walkovers > 0) {
        PutText(surface, Align::Left, 200, y, "Total matches");
        PutText(surface, Align::Left, 200, y - L, "(including walkovers):");
        PutText(surface, Align::Right, countX, y - L, FormatInt(tally.played + tally.walkovers));
        y -= 2 * L;
    }
    PutText(surface, Align::Left, 200, y, "Played");
    PutText(surface, Align::Right, countX, y, FormatInt(tally.played));
    if (tally.played == 0)
        return;
    y -= L;
    PutText(surface, Align::Left, 200, y, "Won");
    PutText(surface, Align::Right, countX, y, FormatInt(tally.won));
    y -= L;
    PutText(surface, Align::Left, 200, y, "Lost");
    PutText(surface, Align::Right, countX, y, FormatInt(tally.lost));

    const int labelX = 28 * A + 400;
    const int numberX = 60 * A + 400;
    // The averages' whole digits line up under the totals' last digits.
    const int averageX = numberX + TextWidth(surface, ".0");
    const double played = tally.played;
    y = y0;
    PutText(surface, Align::Left, labelX, y, "Total points scored");
    PutText(surface, Align::Right, numberX, y, FormatInt(tally.scored));
    y -= L;
    PutText(surface, Align::Left, labelX, y, "Total points conceded");
    PutText(surface, Align::Right, numberX, y, FormatInt(tally.conceded));
    const struct {
        const char* label;
        double value;
    } averages[] = {
        {"Average points scored", static_cast<double>(tally.scored) / played},
        {"Average points conceded", static_cast<double>(tally.conceded) / played},
        {"Overall average", static_cast<double>(tally.scored - tally.conceded) / played},
    };
    for (const auto& average : averages) {
        y -= L;
        PutText(surface, Align::Left, labelX, y, average.label);
        PutText(surface, Align::Right, averageX, y, FormatFixed(average.value, 1));
    }
}

} // namespace

SummaryColumns SummaryColumnsFor(bool singles, int A)
{
    SummaryColumns c;
    c.singles = singles;
    c.s1 = (13 * A) / 2 + 260;
    c.s2 = c.s1 + 5 * A + 50;
    c.s3 = c.s2 + (3 * A) / 2 + 50;
    c.score = (c.s1 + c.s2) / 2 - 25;
    c.venue = (c.s2 + c.s3) / 2 - 25;
    c.s4 = c.s3 + 32 * A + 50;
    c.right = (singles ? c.s4 : c.s3) + 32 * A + 50;
    return c;
}

bool PrintPlayerSummary(Surface& surface, Host& host, const Season& season, int playerIndex,
                        int widthMm, int heightMm)
{
    const Player* player = playerIndex >= 0 ? season.PlayerAt(playerIndex) : nullptr;
    if (player == nullptr) {
        host.ShowMessage("Cannot find player to print", "Program error", MessageIcon::Exclamation);
        return false;
    }

    surface.SetFont(FontRole::PageBody);
    const FontFacts facts = surface.Facts();
    Body body;
    body.L = facts.height + facts.externalLeading;
    body.A = facts.averageCharWidth;
    body.height = facts.height;
    const int L = body.L;
    const SummaryColumns columns =
        SummaryColumnsFor(SummaryGroupSize(season, *player) == 1, body.A);

    SummaryTally tally;
    const std::vector<SummaryEntry> entries = CollectSummaryEntries(season, *player, tally);

    // One line per fixture; a player with two games in some fixtures (singles
    // and pairs in one match) needs more, and the box grows so that his lines
    // never run into the totals below it.
    const int boxLines =
        std::max(static_cast<int>(season.fixtures.size()), static_cast<int>(entries.size()));
    const int yTop = -300 - 5 * L;
    const int yBottom = yTop - 3 * L - L * boxLines - 20;
    const int y0 = yBottom - 2 * L;

    const int totalLines = std::max(LeftTotalLines(tally), RightTotalLines(tally));
    const int neededHeight = -(y0 - (totalLines - 1) * L) + body.height + 100;
    int neededWidth = std::max(columns.right, 60 * body.A + 400 + TextWidth(surface, ".0"));
    surface.SetFont(FontRole::PageTitle);
    neededWidth = std::max(neededWidth, TextWidth(surface, Cp1252ToUtf8(player->name)));

    PageFrame page;
    if (!FitPage(widthMm, heightMm, neededWidth, neededHeight, page))
        return false;
    BeginPage(surface, page);

    DrawHeading(surface, host, season, *player, page, neededWidth, body);

    surface.SetPen(PenRole::Hairline);
    surface.Frame(200, yTop, columns.right, yBottom);
    surface.SetPen(PenRole::Dotted);
    surface.Line(200, yTop - 3 * L, columns.right, yTop - 3 * L);

    surface.SetFont(FontRole::PageBody);
    const int headingY = yTop - L;
    PutText(surface, Align::Left, columns.date, headingY, "Date");
    PutText(surface, Align::Centre, columns.score, headingY, "Score");
    PutText(surface, Align::Left, columns.s3, headingY, "Versus");
    if (columns.singles)
        PutText(surface, Align::Left, columns.s4, headingY, "Opponent");

    DrawEntries(surface, host, entries, columns, yTop - 3 * L, L);
    DrawTotals(surface, tally, body, y0);

    EndPage(surface);
    return true;
}
