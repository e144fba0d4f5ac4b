#pragma once

#include <array>
#include <ctime>
#include <string>
#include <string_view>

#include "model/Season.h"

class Host;

// Number and date texts shared by the grid, the printouts, the dialogs and the
// exports. Numbers never depend on the process locale: the decimal mark is
// always ".". The "½" sign is the Windows-1252 byte 0xBD.

inline constexpr char kHalfSign = '\xBD';

// A number's text held without allocating, for callers that build longer
// texts from several numbers.
inline constexpr int kMaxDecimals = 40;
class NumberText {
public:
    NumberText() = default;
    std::string_view View() const { return {buffer_.data(), length_}; }
    void PadLeft(int width);
    void Append(char c);

private:
    friend NumberText FixedText(double value, int decimals, int width);
    friend NumberText HalvesText(double value);
    friend std::string FormatInt(long long value, int width);
    // The longest fixed-notation double: 309 digits, sign, point, decimals.
    // Left unfilled: only the first length_ characters are ever read, and a
    // recalculation makes two of these for every fixture.
    std::array<char, 320 + kMaxDecimals> buffer_;
    std::size_t length_ = 0;
};

// value in fixed notation with that many decimals, rounded as printf rounds
// ("%.*f"). A negative count means printf's default of 6; very large counts
// are capped at kMaxDecimals.
std::string FormatFixed(double value, int decimals);
NumberText FixedText(double value, int decimals, int width = 0);

// The same, right-aligned in a field of at least width characters ("%*.*f").
std::string FormatFixed(double value, int decimals, int width);

// Whole numbers with a "½" for halves: floor(value), then "½" when twice the
// value, rounded to the nearest integer (ties to even), is odd. 2.5 gives
// "2½", 3 gives "3", 2.75 gives "2".
std::string FormatHalves(double value);
NumberText HalvesText(double value);

// "%d" and "%*d": an integer right-aligned in a field of at least width.
std::string FormatInt(long long value, int width = 0);

// The player's ranking figure as the grid and the reports show it ("%0.*f"
// with the scheme's playerDecimals), or "" when it is not shown: fewer than
// minGames appearances or no game played. A minGames of 0 (or less) sets no
// minimum.
std::string FormatMeasure(const Season& season, const Player& player, int minGames);

// The team figure (teamAverage): "%0.*f" with teamDecimals, or the "½" form of
// FormatHalves when teamDecimals is negative.
std::string FormatTeamFigure(const Season& season);

// One game cell of the grid: "%2d-%2d" of the scores for a played game, "W/O"
// for a walkover to us, "" for any other state.
std::string FormatGameCell(const Game& game);

// Headings that add a word to a stored name ("Vale" + " League", "Division "
// + "3") leave the word out when the name already has it at that end as a
// whole word, in any ASCII case: "Vale League, Division 3" and not "Vale
// League League, Division Division 3". Season text in, season text out.
std::string LeagueWithWord(std::string_view leagueName);     // "%s League"
std::string BowlingLeagueTitle(std::string_view leagueName); // "%s Bowling League"
std::string DivisionWithWord(std::string_view division);     // "Division %s"
// "%s League, Division %s", the team results' page heading.
std::string LeagueAndDivision(const Season& season);

// "H", "A" or "N"; "" for a venue out of range.
std::string VenueLetter(std::uint32_t venue);

// A stored date in local calendar time as "d MMM" (30 May) and "d MMMM yyyy"
// (30 May 2021), with the user's month names from host.
std::string FormatShortDate(Host& host, std::time_t date);
std::string FormatLongDate(Host& host, std::time_t date);
