#include "support/TestRegistry.h"
#include <QtTest>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <random>
#include <locale>

#include "model/Dates.h"
#include "model/Scoring.h"
#include "model/TextFormat.h"
#include "support/FakeHost.h"

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
    p.appearances = static_cast<std::uint16_t>(appearances);
    p.played = static_cast<std::uint16_t>(played);
    p.measure = measure;
    return p;
}

} // namespace

class TestTextFormat : public QObject {
    Q_OBJECT

private slots:
    void formatFixed_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<int>("width");
        QTest::addColumn<QByteArray>("text");
        // 2.675 is stored a little below, so it rounds down as printf does.
        QTest::newRow("default six") << 1.5 << -1 << 0 << QByteArray("1.500000");
        QTest::newRow("padded") << 7.0 << 0 << 3 << QByteArray("  7");
        QTest::newRow("wider than the field") << 12345.0 << 1 << 3 << QByteArray("12345.0");
    }
    void formatFixed()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(int, width);
        QFETCH(QByteArray, text);
        QCOMPARE(QByteArray::fromStdString(FormatFixed(value, decimals, width)), text);
    }

    // Exact multiples of a step take a shortcut; every value must still come
    // out as the C library prints it.
    void formatFixedAgreesWithPrintf()
    {
        std::setlocale(LC_ALL, "C");
        std::mt19937_64 random(2024);
        std::vector<double> values = {0.0, -0.0, -0.5, 2.5, -2.5, 0.05, 1e-320, 123456789.125,
                                      1125899906842623.0, 4.35, double(0.1f), 999.95};
        for (int i = 0; i < 2000; ++i) {
            const int step = int(random() % 7);
            const double scale = std::pow(10.0, step);
            const long long k = static_cast<long long>(random() % 2000001) - 1000000;
            values.push_back(double(k) / scale);
            values.push_back(std::ldexp(double(k), -int(random() % 12)));
        }
        char expected[512];
        for (double value : values) {
            for (int decimals = 0; decimals <= 7; ++decimals) {
                std::snprintf(expected, sizeof expected, "%.*f", decimals, value);
                if (FormatFixed(value, decimals) != expected)
                    QFAIL(qPrintable(QStringLiteral("%1, %2 decimals").arg(value, 0, 'g', 17).arg(decimals)));
            }
        }
    }

    void formatFixedCapsDecimals()
    {
        QCOMPARE(FormatFixed(1.0, 100000).size(), std::size_t(2 + kMaxDecimals));
        QCOMPARE(FormatFixed(-1.7e308, 100000).size(), std::size_t(309 + 2 + kMaxDecimals));
    }

    void formatMeasure_data()
    {
        QTest::addColumn<int>("minGames");
        QTest::addColumn<int>("appearances");
        QTest::addColumn<int>("played");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("measure");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("one decimal") << 3 << 3 << 3 << 1 << 1.3333333730697632 << QByteArray("1.3");
        QTest::newRow("too few appearances") << 3 << 2 << 2 << 1 << 4.0 << QByteArray("");
        QTest::newRow("nothing played") << 3 << 4 << 0 << 1 << -40.0 << QByteArray("");
        QTest::newRow("no minimum") << 0 << 1 << 1 << 1 << 4.0 << QByteArray("4.0");
    }
    void formatMeasure()
    {
        QFETCH(int, minGames);
        QFETCH(int, appearances);
        QFETCH(int, played);
        QFETCH(int, decimals);
        QFETCH(double, measure);
        QFETCH(QByteArray, text);
        Season season;
        season.scheme.playerDecimals = decimals;
        Player p = PlayerWith(appearances, played, measure);
        QCOMPARE(QByteArray::fromStdString(FormatMeasure(season, p, minGames)), text);
    }

    void formatTeamFigure_data()
    {
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("value");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("half") << -1 << 7.5 << QByteArray("7\xBD");
        QTest::newRow("rounded down") << -1 << 7.75 << QByteArray("7");
        QTest::newRow("one decimal") << 1 << 31.25 << QByteArray("31.2");
        QTest::newRow("no decimals") << 0 << 31.5 << QByteArray("32");
    }
    void formatTeamFigure()
    {
        QFETCH(int, decimals);
        QFETCH(double, value);
        QFETCH(QByteArray, text);
        Season season;
        season.scheme.teamDecimals = decimals;
        season.teamAverage = value;
        QCOMPARE(QByteArray::fromStdString(FormatTeamFigure(season)), text);
    }

    void formatGameCell_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("scoreFor");
        QTest::addColumn<int>("scoreAgainst");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("won") << int(Played) << 21 << 9 << QByteArray("21- 9");
        QTest::newRow("lost") << int(Played) << 5 << 21 << QByteArray(" 5-21");
        QTest::newRow("walkover to us") << int(OpponentAbsent) << 21 << 0 << QByteArray("W/O");
        QTest::newRow("walkover to them") << int(PlayerAbsent) << 0 << 21 << QByteArray("");
    }
    void formatGameCell()
    {
        QFETCH(int, state);
        QFETCH(int, scoreFor);
        QFETCH(int, scoreAgainst);
        QFETCH(QByteArray, text);
        Game game;
        game.state = std::uint32_t(state);
        game.scoreFor = std::int16_t(scoreFor);
        game.scoreAgainst = std::int16_t(scoreAgainst);
        QCOMPARE(QByteArray::fromStdString(FormatGameCell(game)), text);
    }

    void leagueAndDivision_data()
    {
        QTest::addColumn<QByteArray>("league");
        QTest::addColumn<QByteArray>("division");
        QTest::addColumn<QByteArray>("heading");
        QTest::newRow("bare") << QByteArray("Vale") << QByteArray("3")
                              << QByteArray("Vale League, Division 3");
        QTest::newRow("words there, any case") << QByteArray("Vale league") << QByteArray("DIVISION 3")
                                               << QByteArray("Vale league, DIVISION 3");
        QTest::newRow("word alone") << QByteArray("League") << QByteArray("Division")
                                    << QByteArray("League, Division");
        // Only whole words count; an accented letter joins a word.
        QTest::newRow("inside words") << QByteArray("Superleague") << QByteArray("Divisions 3")
                                      << QByteArray("Superleague League, Division Divisions 3");
        QTest::newRow("accented") << QByteArray("Caf\xE9league") << QByteArray("North-Division")
                                  << QByteArray("Caf\xE9league League, Division North-Division");
        QTest::newRow("after a hyphen") << QByteArray("Inter-League") << QByteArray("Division-2")
                                        << QByteArray("Inter-League, Division-2");
    }
    void leagueAndDivision()
    {
        QFETCH(QByteArray, league);
        QFETCH(QByteArray, division);
        Season season;
        season.leagueName = league.toStdString();
        season.division = division.toStdString();
        QTEST(QByteArray::fromStdString(LeagueAndDivision(season)), "heading");
    }

    void dates_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<QByteArray>("shortText");
        QTest::addColumn<QByteArray>("longText");
        QTest::newRow("summer time") << 2021 << 5 << 30 << QByteArray("30 May")
                                     << QByteArray("30 May 2021");
        QTest::newRow("leap day") << 2000 << 2 << 29 << QByteArray("29 Feb")
                                  << QByteArray("29 February 2000");
    }
    void dates()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(QByteArray, shortText);
        QFETCH(QByteArray, longText);
        FakeHost host;
        const std::time_t date = MakeLocalDate(year, month, day);
        QCOMPARE(QByteArray::fromStdString(FormatShortDate(host, date)), shortText);
        QCOMPARE(QByteArray::fromStdString(FormatLongDate(host, date)), longText);
    }

    void decimalPointWhateverTheLocale()
    {
        const bool cLocaleSet = std::setlocale(LC_ALL, "de_DE.UTF-8") || std::setlocale(LC_ALL, "fr_FR.UTF-8");
        const std::locale previous =
            std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
        const auto restore = qScopeGuard([previous] {
            std::locale::global(previous);
            std::setlocale(LC_ALL, "C");
        });
        if (cLocaleSet)
            QCOMPARE(std::localeconv()->decimal_point[0], ',');
        QCOMPARE(std::use_facet<std::numpunct<char>>(std::locale()).decimal_point(), ',');

        Season season;
        season.scheme.matchDecimals = 1;
        season.scheme.playerDecimals = 2;
        season.scheme.teamDecimals = 1;
        season.teamAverage = 1234.5;
        QCOMPARE(FormatPoints(season, 2.5), std::string("2.5"));
        Player p = PlayerWith(3, 3, 1.25);
        QCOMPARE(FormatMeasure(season, p, 3), std::string("1.25"));
        QCOMPARE(FormatTeamFigure(season), std::string("1234.5"));
        QCOMPARE(FormatFixed(1234567.0, 0), std::string("1234567"));
        QCOMPARE(FormatInt(1234567), std::string("1234567"));
    }
};

TESSEL_TEST(TestTextFormat)
#include "tst_TextFormat.moc"
