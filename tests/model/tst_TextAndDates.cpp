#include "support/TestRegistry.h"
// Number, name and date texts: one golden file of every format over values at its rounding and
// padding boundaries, plus properties (printf agreement, every day of two years) and the locale.
#include <QtTest>

#include <clocale>
#include <cstdio>
#include <locale>

#include "model/Dates.h"
#include "model/Scoring.h"
#include "model/TextFormat.h"
#include "support/FakeHost.h"
#include "support/Golden.h"

namespace {

// A decimal comma, as many European locales have.
class CommaPunct : public std::numpunct<char> {
protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

Player PlayerWith(int appearances, int played, double measure)
{
    Player p;
    p.appearances = std::uint16_t(appearances);
    p.played = std::uint16_t(played);
    p.measure = measure;
    return p;
}

std::string Num(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string Formats()
{
    std::string out = "value decimals: fixed(width 5)|points|team|measure|halves|int(4)\n";
    const double values[] = {0,      -0.0, 0.05,   2.3,     2.5,      2.675, 2.75,
                             4.25,   4.5,  -0.5,   -2.5,    7.75,     31.25, 31.5,
                             999.95, 1234, 1.0e-9, 1.33333, 123456.5, -40};
    for (double v : values) {
        for (int d : {-2, -1, 0, 1, 2, 3}) {
            Season s;
            s.scheme.matchDecimals = s.scheme.teamDecimals = s.scheme.playerDecimals = d;
            s.teamAverage = v;
            out += Num(v) + " " + std::to_string(d) + ": " + FormatFixed(v, d, 5) + "|" +
                   FormatPoints(s, v) + "|" + FormatTeamFigure(s) + "|" +
                   FormatMeasure(s, PlayerWith(1, 1, v), 0) + "|" + FormatHalves(v) + "|" +
                   FormatInt((long long)v, 4) + "\n";
        }
    }
    out += "appearances/played minGames: measure\n";
    Season s;
    s.scheme.playerDecimals = 1;
    for (auto [appearances, played] : {std::pair{3, 3}, {2, 2}, {4, 0}, {1, 1}, {3, 2}})
        for (int minGames : {0, 1, 3})
            out += std::to_string(appearances) + "/" + std::to_string(played) + " " +
                   std::to_string(minGames) + ": " +
                   FormatMeasure(s, PlayerWith(appearances, played, 4.25), minGames) + "\n";
    out += "state score: cell\n";
    for (std::uint32_t state : {Played, OpponentAbsent, PlayerAbsent, NotPlayed, Pending})
        for (auto [ours, theirs] : {std::pair{21, 9}, {5, 21}, {21, 0}, {0, 21}, {0, 0}}) {
            Game g;
            g.state = state;
            g.scoreFor = std::int16_t(ours);
            g.scoreAgainst = std::int16_t(theirs);
            out += std::to_string(state) + " " + std::to_string(ours) + "-" +
                   std::to_string(theirs) + ": " + FormatGameCell(g) + "\n";
        }
    // Only whole words count; an accented letter joins a word.
    out += "league / division: heading | title\n";
    for (auto [league, division] : {std::pair{"Vale", "3"},
                                    {"Vale league", "DIVISION 3"},
                                    {"League", "Division"},
                                    {"Superleague", "Divisions 3"},
                                    {"Caf\xE9league", "North-Division"},
                                    {"Inter-League", "Division-2"},
                                    {"Vale Beague", "Xivision 3"},
                                    {"", ""}}) {
        s.leagueName = league;
        s.division = division;
        out += std::string(league) + " / " + division + ": " + LeagueAndDivision(s) + " | " +
               BowlingLeagueTitle(league) + "\n";
    }
    out += "venue: letter\n";
    for (std::uint32_t venue = 0; venue < 4; ++venue)
        out += std::to_string(venue) + ": " + VenueLetter(venue) + "\n";
    out += "name: surname at\n";
    for (const char* name :
         {"John Smith", "John Smith (2)", "", "J.Smith", "Smith ", "Smith  ", "A (B) C", "Smith"})
        out += std::string(name) + ": " + std::to_string(SplitName(name)) + "\n";
    // Midnight standard time: 00:00 in winter, 01:00 under summer time.
    out += "typed: local time | calendar record | back | short | long\n";
    FakeHost host;
    for (const char* text :
         {"29/2/2000", " 1/ 3/ 2020", "1/3/2020xyz", "30/5/2021", "31/12/2026", "1/1/1970",
          "29/2/2100", "1/1/1969", "31/4/2020", "0/4/2020", "5/13/2020", "5/0/2020", "5 /6/2020",
          "-1/6/2020", "1/1/99999999999", "1/1", ""}) {
        const std::time_t t = ParseDate(text);
        out += std::string(text) + ": ";
        if (t == -1) {
            out += "-1\n";
            continue;
        }
        std::tm tm{};
        localtime_r(&t, &tm);
        char local[40];
        std::strftime(local, sizeof local, "%Y-%m-%d %H:%M:%S", &tm);
        const SystemTime st = DateToSystemTime(t);
        SystemTime midnight = st;
        midnight.hour = midnight.minute = midnight.second = 0;
        out += std::string(local) + " | " + std::to_string(st.year) + "-" +
               std::to_string(st.month) + "-" + std::to_string(st.day) + " w" +
               std::to_string(st.dayOfWeek) + " | " +
               (SystemTimeToDate(midnight) == t && MakeLocalDate(st.year, st.month, st.day) == t
                    ? "same"
                    : "DIFFERS") +
               " | " + FormatShortDate(host, t) + " | " + FormatLongDate(host, t) + "\n";
    }
    return out;
}

} // namespace

class TestTextAndDates : public QObject {
    Q_OBJECT

private slots:
    // The same texts whatever the locale's decimal point.
    void formatsGolden()
    {
        TESSEL_COMPARE_GOLDEN("model/formats.txt", Formats());
        const bool cLocaleSet =
            std::setlocale(LC_ALL, "de_DE.UTF-8") || std::setlocale(LC_ALL, "fr_FR.UTF-8");
        const std::locale previous =
            std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
        const auto restore = qScopeGuard([previous] {
            std::locale::global(previous);
            std::setlocale(LC_ALL, "C");
        });
        if (cLocaleSet)
            QCOMPARE(std::localeconv()->decimal_point[0], ',');
        QCOMPARE(std::use_facet<std::numpunct<char>>(std::locale()).decimal_point(), ',');
        TESSEL_COMPARE_GOLDEN("model/formats.txt", Formats());
    }

    // Every day of a common and a leap year, and the first impossible day of each month.
    void everyDayOfTwoYears()
    {
        for (int year : {2023, 2024}) {
            for (int month = 1; month <= 12; ++month) {
                for (int day = 1; day <= 32; ++day) {
                    std::tm tm{};
                    tm.tm_year = year - 1900;
                    tm.tm_mon = month - 1;
                    tm.tm_mday = day;
                    tm.tm_hour = 12;
                    std::mktime(&tm);
                    const bool real = tm.tm_mday == day;
                    const std::string text = std::to_string(day) + "/" + std::to_string(month) +
                                             "/" + std::to_string(year);
                    const std::time_t t = ParseDate(text);
                    QVERIFY2((t != -1) == real, text.c_str());
                    if (real)
                        QCOMPARE(int(DateToSystemTime(t).day), day);
                }
            }
        }
    }
};

TESSEL_TEST(TestTextAndDates)
#include "tst_TextAndDates.moc"
