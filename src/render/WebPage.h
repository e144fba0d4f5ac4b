#pragma once

#include <string>

struct Season;
class Host;

struct WebPageOptions {
    // Least appearances for a player's figure to be shown (MinGames).
    int minGames = 3;
    // The HighlightLosses preference; the page honours the screen's bits.
    int highlightLosses = 0;
};

// One self-contained HTML5 page of the season, UTF-8: a heading with team,
// league and division, the results grid as the window shows it, the players
// table in ranking order and the fixture list with the match results. Inline
// CSS only (no scripts, no external files), with a print stylesheet for A4
// landscape; the wide grid scrolls sideways on a narrow screen.
// Month names and the date of publication come from host.
std::string SeasonWebPage(const Season& season, Host& host, const WebPageOptions& options);

// Windows-1252 season text as HTML text: converted to UTF-8, the five markup
// characters escaped, control characters (which HTML forbids) replaced by
// U+FFFD.
std::string HtmlText(const std::string& cp1252);
