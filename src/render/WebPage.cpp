#include "render/WebPage.h"

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "TesselVersion.h"
#include "model/Dates.h"
#include "model/Host.h"
#include "model/Season.h"
#include "model/Text.h"
#include "model/TextFormat.h"
#include "render/GridMetrics.h"

namespace {

// Every colour pair below keeps a contrast ratio of at least 4.5:1 (the
// darkest background, #e8ecf1, against the loss red #b0001e is 6.3:1).
constexpr std::string_view kStyle = R"(
:root { color: #1b1b1b; background: #fff; }
body { font-family: "Liberation Serif", "Times New Roman", serif; margin: 1.5rem; line-height: 1.35; }
h1 { font-size: 1.6rem; margin: 0; }
.league { margin: .2rem 0 1rem; font-size: 1.1rem; }
h2 { font-size: 1.2rem; margin: 1.5rem 0 .4rem; }
.scroll { overflow-x: auto; max-width: 100%; }
.scroll:focus { outline: 2px solid #1b4f8a; }
table { border-collapse: collapse; font-variant-numeric: tabular-nums; }
caption { text-align: left; font-style: italic; padding: 0 0 .3rem; color: #444; }
th, td { border: 1px solid #767676; padding: .15rem .35rem; }
thead th, thead td, tfoot .labels th { background: #e8ecf1; }
th { font-weight: normal; }
th[scope="row"] { text-align: left; white-space: nowrap; }
abbr[title] { text-decoration: none; }
thead th { font-weight: bold; }
.grid td { text-align: center; white-space: nowrap; }
.grid thead .name, .grid thead .n, .grid thead .fig { vertical-align: bottom; }
.grid .opp { vertical-align: bottom; padding: .3rem .1rem; }
.grid .opp span { writing-mode: vertical-rl; transform: rotate(180deg); white-space: nowrap; }
.grid td.n, .grid td.fig, .list td.n { text-align: right; }
.grid tbody tr:nth-child(even) td, .grid tbody tr:nth-child(even) th,
.list tbody tr:nth-child(even) td, .list tbody tr:nth-child(even) th { background: #f4f6f8; }
.grid tfoot tr.totals th, .grid tfoot tr.totals td { border-top: 2px solid #1b1b1b; }
.g2 { font-style: italic; }
.wo { font-style: italic; }
.loss { color: #b0001e; }
footer { margin-top: 2rem; font-size: .85rem; color: #444; }
@media (max-width: 40rem) {
  body { margin: .6rem; }
  h1 { font-size: 1.3rem; }
  th, td { padding: .15rem .25rem; }
}
@page { size: A4 landscape; margin: 10mm; }
@media print {
  body { margin: 0; font-size: 8pt; }
  h1 { font-size: 13pt; }
  h2 { font-size: 10pt; break-after: avoid; }
  .scroll { overflow: visible; }
  .grid { font-size: 7pt; }
  th, td { padding: .05rem .15rem; }
  tr { break-inside: avoid; }
  .scroll:focus { outline: none; }
}
)";

// UTF-8 text of the program's own (month names, labels) as HTML text.
std::string Esc(std::string_view utf8)
{
    std::string out;
    AppendHtmlEscaped(out, utf8);
    return out;
}

// "%2d-%2d" pads for a fixed-width grid; a table cell needs no padding.
std::string Unpadded(std::string text)
{
    std::erase(text, ' ');
    return text;
}

// A shot total as a figure: whole numbers as they are, a pro-rata share with
// one decimal.
std::string Shots(double value)
{
    const double whole = static_cast<double>(static_cast<long long>(value));
    if (value == whole && value > -1e15 && value < 1e15)
        return FormatInt(static_cast<long long>(value));
    return FormatFixed(value, 1);
}

const char* ResultWord(std::uint32_t result)
{
    switch (result) {
    case ResultWon:
        return "Won";
    case ResultDrawn:
        return "Drawn";
    case ResultLost:
        return "Lost";
    default:
        return "Not played";
    }
}

const char* VenueWord(std::uint32_t venue)
{
    switch (venue) {
    case Home:
        return "Home";
    case Away:
        return "Away";
    case Neutral:
        return "Neutral";
    default:
        return "";
    }
}

class PageWriter {
public:
    PageWriter(const Season& season, Host& host, const WebPageOptions& options)
        : s_(season), host_(host), options_(options)
    {
        for (std::size_t i = 0; i < s_.players.size(); ++i)
            rowOf_[s_.players[i].get()] = i;
    }

    std::string Write();

private:
    // The page shows what the screen shows.
    bool Highlight(HighlightLossesBits bit) const { return (options_.highlightLosses & bit) != 0; }
    void Head();
    void Grid();
    void GridHead();
    void GridBody();
    void GridFoot();
    void PlayersTable();
    void FixtureList();
    // The grid's game cells: [fixture][row] holds the game drawn there.
    std::vector<std::vector<const Game*>> GameCells() const;

    const Season& s_;
    Host& host_;
    const WebPageOptions& options_;
    std::unordered_map<const Player*, std::size_t> rowOf_;
    std::string out_;
};

std::string PageWriter::Write()
{
    out_.reserve(16384 + s_.players.size() * s_.fixtures.size() * 24);
    Head();
    out_ += "<body>\n<header>\n<h1>" + HtmlText(s_.teamName) + "</h1>\n";
    out_ += "<p class=\"league\">" + HtmlText(s_.leagueName) + " League, Division " +
            HtmlText(s_.division) + "</p>\n</header>\n<main>\n";
    Grid();
    PlayersTable();
    FixtureList();
    out_ += "</main>\n<footer>\n<p>Published on " + Esc(FormatLongDate(host_, host_.Now())) +
            " with Tessel " + kVersionText + ".</p>\n</footer>\n</body>\n</html>\n";
    return std::move(out_);
}

void PageWriter::Head()
{
    out_ += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n";
    out_ += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    out_ += "<meta name=\"generator\" content=\"Tessel ";
    out_ += kVersionText;
    out_ += "\">\n<title>" + HtmlText(s_.teamName) + " \xE2\x80\x93 " + HtmlText(s_.leagueName) +
            " League, Division " + HtmlText(s_.division) + "</title>\n<style>";
    out_ += kStyle;
    out_ += "</style>\n</head>\n";
}

std::vector<std::vector<const Game*>> PageWriter::GameCells() const
{
    std::vector<std::vector<const Game*>> cells(
        s_.fixtures.size(), std::vector<const Game*>(s_.players.size(), nullptr));
    for (std::size_t j = 0; j < s_.fixtures.size(); ++j) {
        const Fixture& f = *s_.fixtures[j];
        // As on the grid: an unplayed fixture, or one without an opponent,
        // shows no games.
        if (f.result == ResultNone || f.opponent.empty())
            continue;
        for (const Game& g : f.games) {
            if (g.state != Played && g.state != OpponentAbsent)
                continue;
            const auto row = rowOf_.find(g.player);
            if (row != rowOf_.end())
                cells[j][row->second] = &g; // a second game of one player covers the first
        }
    }
    return cells;
}

void PageWriter::Grid()
{
    out_ += "<section aria-labelledby=\"results\">\n<h2 id=\"results\">Results</h2>\n"
            "<div class=\"scroll\" role=\"region\" aria-labelledby=\"results\" tabindex=\"0\">\n"
            "<table class=\"grid\">\n<caption>Each player's games, fixture by fixture, "
            "with the match points at the foot</caption>\n";
    GridHead();
    GridBody();
    GridFoot();
    out_ += "</table>\n</div>\n</section>\n";
}

void PageWriter::GridHead()
{
    const std::string measureLabel = HtmlText(TrimBlanks(s_.scheme.MeasureLabel()));
    out_ += "<thead>\n<tr><th scope=\"col\" rowspan=\"3\" class=\"name\">Name</th>";
    for (const auto& f : s_.fixtures)
        out_ += "<th scope=\"col\" class=\"opp\"><span>" + HtmlText(f->opponent) + "</span></th>";
    out_ += "<th scope=\"col\" rowspan=\"3\" class=\"n\"><abbr title=\"Played\">P</abbr></th>"
            "<th scope=\"col\" rowspan=\"3\" class=\"n\"><abbr title=\"Won\">W</abbr></th>"
            "<th scope=\"col\" rowspan=\"3\" class=\"n\"><abbr title=\"Lost\">L</abbr></th>"
            "<th scope=\"col\" rowspan=\"3\" class=\"fig\">" +
            measureLabel + "</th></tr>\n";
    out_ += "<tr class=\"venue\">";
    for (const auto& f : s_.fixtures)
        out_ += "<td>" + (f->opponent.empty() ? std::string() : VenueLetter(f->venue)) + "</td>";
    out_ += "</tr>\n<tr class=\"date\">";
    for (const auto& f : s_.fixtures)
        out_ += "<td>" +
                (f->opponent.empty() ? std::string() : Esc(FormatShortDate(host_, f->date))) +
                "</td>";
    out_ += "</tr>\n</thead>\n";
}

void PageWriter::GridBody()
{
    const auto cells = GameCells();
    out_ += "<tbody>\n";
    for (std::size_t i = 0; i < s_.players.size(); ++i) {
        const Player& p = *s_.players[i];
        out_ += p.group == 2 ? "<tr><th scope=\"row\" class=\"g2\">" : "<tr><th scope=\"row\">";
        out_ += HtmlText(p.name) + "</th>";
        for (std::size_t j = 0; j < s_.fixtures.size(); ++j) {
            const Game* g = cells[j][i];
            if (!g) {
                out_ += "<td></td>";
            } else if (g->state == OpponentAbsent) {
                out_ += "<td class=\"wo\">W/O</td>";
            } else {
                const bool red =
                    g->scoreFor < g->scoreAgainst && Highlight(HighlightLostGamesScreen);
                out_ += red ? "<td class=\"loss\">" : "<td>";
                out_ += HtmlText(Unpadded(FormatGameCell(*g))) + "</td>";
            }
        }
        const std::string figure = FormatMeasure(s_, p, options_.minGames);
        const bool red =
            !figure.empty() && p.measure < 0.0 && Highlight(HighlightMinusAveragesScreen);
        out_ += "<td class=\"n\">" + FormatInt(p.played) + "</td><td class=\"n\">" +
                FormatInt(p.won) + "</td><td class=\"n\">" + FormatInt(p.played - p.won - p.drawn) +
                "</td>";
        out_ += red ? "<td class=\"fig loss\">" : "<td class=\"fig\">";
        out_ += HtmlText(figure) + "</td></tr>\n";
    }
    out_ += "</tbody>\n";
}

void PageWriter::GridFoot()
{
    const std::string fixtureSpan =
        s_.fixtures.empty()
            ? std::string()
            : "<td colspan=\"" + FormatInt(static_cast<long long>(s_.fixtures.size())) + "\"></td>";
    out_ += "<tfoot>\n<tr class=\"labels\"><td></td>" + fixtureSpan +
            "<th scope=\"col\"><abbr title=\"Played\">P</abbr></th>"
            "<th scope=\"col\"><abbr title=\"Won\">W</abbr></th>"
            "<th scope=\"col\"><abbr title=\"Lost\">L</abbr></th><th scope=\"col\">" +
            HtmlText(TrimBlanks(s_.scheme.TotalLabel())) + "</th></tr>\n";

    std::string totals = "<tr class=\"totals\"><th scope=\"row\">Totals for</th>";
    std::string against = "<tr class=\"against\"><th scope=\"row\">Against</th>";
    for (const auto& f : s_.fixtures) {
        std::string ours, theirs;
        const auto dash = f->resultText.find('-');
        if (f->result != ResultNone && !f->opponent.empty() && dash != std::string::npos) {
            ours = HtmlText(TrimBlanks(f->resultText.substr(0, dash)));
            theirs = HtmlText(TrimBlanks(f->resultText.substr(dash + 1)));
        }
        const char* open = f->result == ResultLost && Highlight(HighlightLostMatchesScreen)
                               ? "<td class=\"loss\">"
                               : "<td>";
        totals += open + ours + "</td>";
        against += open + theirs + "</td>";
    }
    totals += "<td class=\"n\">" + FormatInt(s_.matchesPlayed) + "</td><td class=\"n\">" +
              FormatInt(s_.matchesWon) + "</td><td class=\"n\">" + FormatInt(s_.matchesLost) +
              "</td><td class=\"fig\">" + HtmlText(FormatTeamFigure(s_)) + "</td></tr>\n";
    against += "<td colspan=\"4\"></td></tr>\n";
    out_ += totals + against + "</tfoot>\n";
}

void PageWriter::PlayersTable()
{
    out_ +=
        "<section aria-labelledby=\"players\">\n<h2 id=\"players\">Players</h2>\n"
        "<div class=\"scroll\" role=\"region\" aria-labelledby=\"players\" tabindex=\"0\">\n"
        "<table class=\"list players\">\n<caption>Players in ranking order</caption>\n<thead>\n<tr>"
        "<th scope=\"col\">Rank</th><th scope=\"col\">Name</th><th scope=\"col\">Played</th>"
        "<th scope=\"col\">Won</th><th scope=\"col\">Lost</th><th scope=\"col\">For</th>"
        "<th scope=\"col\">Against</th><th scope=\"col\">" +
        HtmlText(TrimBlanks(s_.scheme.MeasureLabel())) + "</th></tr>\n</thead>\n<tbody>\n";
    int rank = 1;
    for (const auto& p : s_.players) {
        out_ += "<tr><td class=\"n\">" + FormatInt(rank++) + "</td>";
        out_ += p->group == 2 ? "<th scope=\"row\" class=\"g2\">" : "<th scope=\"row\">";
        out_ += HtmlText(p->name) + "</th><td class=\"n\">" + FormatInt(p->played) +
                "</td><td class=\"n\">" + FormatInt(p->won) + "</td><td class=\"n\">" +
                FormatInt(p->played - p->won - p->drawn) + "</td><td class=\"n\">" +
                Shots(p->homeFor + p->awayFor) + "</td><td class=\"n\">" +
                Shots(p->homeAgainst + p->awayAgainst) + "</td><td class=\"n\">" +
                HtmlText(FormatMeasure(s_, *p, options_.minGames)) + "</td></tr>\n";
    }
    out_ += "</tbody>\n</table>\n</div>\n</section>\n";
}

void PageWriter::FixtureList()
{
    out_ +=
        "<section aria-labelledby=\"fixtures\">\n<h2 id=\"fixtures\">Fixtures</h2>\n"
        "<div class=\"scroll\" role=\"region\" aria-labelledby=\"fixtures\" tabindex=\"0\">\n"
        "<table class=\"list fixtures\">\n<caption>Fixtures in season order with the match "
        "results</caption>\n<thead>\n<tr><th scope=\"col\">No.</th><th scope=\"col\">Date</th>"
        "<th scope=\"col\">Venue</th><th scope=\"col\">Opponent</th><th scope=\"col\">Result</th>"
        "<th scope=\"col\">Points</th><th scope=\"col\">Shots</th></tr>\n</thead>\n<tbody>\n";
    int number = 1;
    for (const auto& f : s_.fixtures) {
        const SystemTime day = DateToSystemTime(f->date);
        std::string iso = FormatInt(day.year);
        iso.insert(0, iso.size() < 4 ? 4 - iso.size() : 0, '0');
        iso += (day.month < 10 ? "-0" : "-") + FormatInt(day.month) + (day.day < 10 ? "-0" : "-") +
               FormatInt(day.day);
        const bool played = f->result != ResultNone;
        out_ += "<tr><td class=\"n\">" + FormatInt(number++) + "</td><td><time datetime=\"" + iso +
                "\">" + Esc(FormatLongDate(host_, f->date)) + "</time></td><td>" +
                VenueWord(f->venue) + "</td><th scope=\"row\">" + HtmlText(f->opponent) + "</th>";
        out_ += (f->result == ResultLost && Highlight(HighlightLostMatchesScreen))
                    ? "<td class=\"loss\">"
                    : "<td>";
        out_ +=
            std::string(ResultWord(f->result)) + "</td><td>" +
            (played ? HtmlText(TrimBlanks(f->resultText)) : std::string()) + "</td><td>" +
            (played ? FormatInt(f->shotsFor) + "-" + FormatInt(f->shotsAgainst) : std::string()) +
            "</td></tr>\n";
    }
    out_ += "</tbody>\n</table>\n</div>\n</section>\n";
}

} // namespace

std::string HtmlText(const std::string& cp1252)
{
    std::string out;
    out.reserve(cp1252.size() + 8);
    for (unsigned char byte : cp1252) {
        const char32_t c = Cp1252ToUnicode(byte);
        if ((c < 0x20 && c != '\t' && c != '\n') || (c >= 0x7F && c < 0xA0)) {
            out += "\xEF\xBF\xBD";
        } else if (c < 0x80) {
            AppendHtmlEscaped(out, std::string_view(reinterpret_cast<const char*>(&byte), 1));
        } else {
            AppendUtf8(out, c);
        }
    }
    return out;
}

std::string SeasonWebPage(const Season& season, Host& host, const WebPageOptions& options)
{
    return PageWriter(season, host, options).Write();
}
