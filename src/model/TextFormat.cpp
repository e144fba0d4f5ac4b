#include "model/TextFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "model/Dates.h"
#include "model/Host.h"

namespace {

// Writes value when it is an exact multiple of 10^-decimals (whole points,
// halves with one decimal, ...), the common case, without the general
// conversion. Such a value scaled by 10^decimals lands on an integer N well
// inside double precision, where the correctly rounded text is N itself.
// Returns the end of the text, or nullptr to leave value to the general path.
char* WriteExactDecimal(char* out, double value, int decimals)
{
    static constexpr double kPowers[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    static constexpr double kExactLimit = 1125899906842624.0; // 2^50
    if (decimals > 6 || !(std::fabs(value) < kExactLimit))
        return nullptr;
    const double scaled = value * kPowers[decimals];
    if (!(std::fabs(scaled) < kExactLimit))
        return nullptr;
    // Within the limit the conversion is exact for whole values, and a value
    // that is not whole comes back changed.
    const long long n = static_cast<long long>(scaled);
    if (static_cast<double>(n) != scaled)
        return nullptr;
    if (n == 0 && std::signbit(value))
        return nullptr; // "-0", "-0.00": the general path keeps the sign
    char digits[24];
    const char* digitsEnd = std::to_chars(digits, digits + sizeof digits, n < 0 ? -n : n).ptr;
    const std::size_t length = static_cast<std::size_t>(digitsEnd - digits);
    const std::size_t fraction = static_cast<std::size_t>(decimals);
    if (n < 0)
        *out++ = '-';
    // At least one digit before the point: 0.05, not .05.
    const std::size_t zeros = length <= fraction ? fraction + 1 - length : 0;
    const std::size_t whole = zeros + length - fraction;
    std::size_t written = 0;
    auto put = [&](char c) {
        if (fraction > 0 && written == whole)
            *out++ = '.';
        *out++ = c;
        ++written;
    };
    for (std::size_t i = 0; i < zeros; ++i)
        put('0');
    for (std::size_t i = 0; i < length; ++i)
        put(digits[i]);
    return out;
}

} // namespace

void NumberText::PadLeft(int width)
{
    if (width <= 0 || static_cast<std::size_t>(width) <= length_ ||
        static_cast<std::size_t>(width) > buffer_.size())
        return;
    const std::size_t pad = static_cast<std::size_t>(width) - length_;
    std::copy_backward(buffer_.data(), buffer_.data() + length_, buffer_.data() + width);
    std::fill_n(buffer_.data(), pad, ' ');
    length_ = static_cast<std::size_t>(width);
}

void NumberText::Append(char c)
{
    if (length_ < buffer_.size())
        buffer_[length_++] = c;
}

NumberText FixedText(double value, int decimals, int width)
{
    if (decimals < 0)
        decimals = 6;
    if (decimals > kMaxDecimals)
        decimals = kMaxDecimals;
    NumberText text;
    char* begin = text.buffer_.data();
    char* end = WriteExactDecimal(begin, value, decimals);
    if (!end) {
        // to_chars rounds the exact binary value correctly, as glibc's printf
        // does, and never looks at the locale.
        auto result = std::to_chars(begin, begin + text.buffer_.size(), value,
                                    std::chars_format::fixed, decimals);
        end = result.ec == std::errc() ? result.ptr : begin;
    }
    text.length_ = static_cast<std::size_t>(end - begin);
    text.PadLeft(width);
    return text;
}

NumberText HalvesText(double value)
{
    const double whole = std::floor(value);
    NumberText text;
    if (std::isfinite(whole) && std::fabs(whole) < 9.0e18) {
        char* begin = text.buffer_.data();
        char* end =
            std::to_chars(begin, begin + text.buffer_.size(), static_cast<long long>(whole)).ptr;
        text.length_ = static_cast<std::size_t>(end - begin);
    } else {
        text = FixedText(whole, 0);
    }
    // rint rounds ties to even in the default rounding mode, as the C
    // library's conversion to an integer does.
    const double twice = std::rint(2.0 * value);
    // twice is whole, and every double from 2^53 up is even; below that the
    // integer test is exact and far cheaper than fmod.
    static constexpr double kAllEvenFrom = 9007199254740992.0; // 2^53
    if (std::fabs(twice) < kAllEvenFrom && static_cast<long long>(twice) % 2 != 0)
        text.Append(kHalfSign);
    return text;
}

std::string FormatFixed(double value, int decimals)
{
    return std::string(FixedText(value, decimals).View());
}

std::string FormatFixed(double value, int decimals, int width)
{
    return std::string(FixedText(value, decimals, width).View());
}

std::string FormatHalves(double value)
{
    return std::string(HalvesText(value).View());
}

std::string FormatInt(long long value, int width)
{
    NumberText text;
    char* begin = text.buffer_.data();
    text.length_ = static_cast<std::size_t>(std::to_chars(begin, begin + 24, value).ptr - begin);
    text.PadLeft(width);
    return std::string(text.View());
}

std::string FormatMeasure(const Season& season, const Player& player, int minGames)
{
    if (player.played == 0 || static_cast<int>(player.appearances) < minGames)
        return {};
    return FormatFixed(player.measure, season.scheme.playerDecimals);
}

std::string FormatTeamFigure(const Season& season)
{
    if (season.scheme.teamDecimals < 0)
        return FormatHalves(season.teamAverage);
    return FormatFixed(season.teamAverage, season.scheme.teamDecimals);
}

std::string FormatGameCell(const Game& game)
{
    if (game.state == OpponentAbsent)
        return "W/O";
    if (game.state == Played)
        return FormatInt(game.scoreFor, 2) + "-" + FormatInt(game.scoreAgainst, 2);
    return {};
}

namespace {

char FoldAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Letters and digits join a word; so do the accented letters of Windows-1252.
bool WordByte(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b >= 0xC0;
}

bool SameWord(std::string_view text, std::string_view word)
{
    if (text.size() != word.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (FoldAscii(text[i]) != FoldAscii(word[i]))
            return false;
    return true;
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

bool EndsWithWord(std::string_view text, std::string_view word)
{
    text = TrimBlanks(text);
    if (text.size() < word.size())
        return false;
    const std::size_t at = text.size() - word.size();
    return SameWord(text.substr(at), word) && (at == 0 || !WordByte(text[at - 1]));
}

bool StartsWithWord(std::string_view text, std::string_view word)
{
    text = TrimBlanks(text);
    if (text.size() < word.size())
        return false;
    return SameWord(text.substr(0, word.size()), word) &&
           (text.size() == word.size() || !WordByte(text[word.size()]));
}

} // namespace

std::string LeagueWithWord(std::string_view leagueName)
{
    if (EndsWithWord(leagueName, "League"))
        return std::string(leagueName);
    return std::string(leagueName) + " League";
}

std::string BowlingLeagueTitle(std::string_view leagueName)
{
    // "Vale Bowling League" and "Vale League" are titles already.
    if (EndsWithWord(leagueName, "League"))
        return std::string(leagueName);
    return std::string(leagueName) + " Bowling League";
}

std::string DivisionWithWord(std::string_view division)
{
    if (StartsWithWord(division, "Division"))
        return std::string(division);
    return "Division " + std::string(division);
}

std::string LeagueAndDivision(const Season& season)
{
    return LeagueWithWord(season.leagueName) + ", " + DivisionWithWord(season.division);
}

std::string VenueLetter(std::uint32_t venue)
{
    switch (venue) {
    case Home:
        return "H";
    case Away:
        return "A";
    case Neutral:
        return "N";
    default:
        return {};
    }
}

std::string FormatShortDate(Host& host, std::time_t date)
{
    SystemTime time = DateToSystemTime(date);
    return FormatInt(time.day) + " " + host.MonthName(time.month, true);
}

std::string FormatLongDate(Host& host, std::time_t date)
{
    SystemTime time = DateToSystemTime(date);
    std::string year = FormatInt(time.year);
    if (year.size() < 4)
        year.insert(0, 4 - year.size(), '0');
    return FormatInt(time.day) + " " + host.MonthName(time.month, false) + " " + year;
}
