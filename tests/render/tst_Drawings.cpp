#include "support/TestRegistry.h"
// Every drawing of a season, recorded call by call and compared with golden files: the team
// results pages (on a page that holds the grid and on one that cuts it), the match sheets, a
// player's summary and the results window, for the example seasons and for generated seasons
// of the schemes that draw differently. And what every printout promises whatever the season
// and the paper: it stays on the printable area at one scale for both axes, and a request
// for something that is not there prints nothing and says so. And what a print job asks
// before it starts, and how it runs its pages.
#include <QtTest>

#include <fstream>
#include <iterator>

#include "files/BinaryFormat.h"
#include "model/Recalculate.h"
#include "render/MatchSheet.h"
#include "render/PlayerSummaryPrint.h"
#include "render/Printout.h"
#include "render/ResultsScreen.h"
#include "render/TeamResultsPage.h"
#include "render/WebPage.h"
#include "support/FakeHost.h"
#include "support/GeneratedSeason.h"
#include "support/Golden.h"
#include "support/RecordingSurface.h"
#include "support/SeasonBuilder.h"

namespace {

const PrintableArea kA4Portrait{194, 281, 4583, 6638, 600};

PrintableArea Area(int widthMm, int heightMm)
{
    return {widthMm, heightMm, int(widthMm * 600 / 25.4), int(heightMm * 600 / 25.4), 600};
}

// The first thing drawn off a printable area of widthMm x heightMm (a text by its whole
// extent), judged in device units under the origin and scale in force; "" when none is.
std::string FirstOffPage(const RecordingSurface& surface, int widthMm, int heightMm)
{
    using Kind = RecordingSurface::Kind;
    Point origin{};
    double scale = 1.0;
    for (const auto& op : surface.ops) {
        std::vector<Point> corners{{op.x1, op.y1}, {op.x2, op.y2}};
        if (op.kind == Kind::SetOrigin)
            origin = Point{op.x1, op.y1};
        else if (op.kind == Kind::SetScale)
            scale = op.sx;
        if (op.kind == Kind::Text) {
            const int width = surface.Width(op);
            const int left = op.x1 - (op.align == Align::Centre  ? width / 2
                                      : op.align == Align::Right ? width
                                                                 : 0);
            corners = {{left, op.y1}, {left + width, op.y1 - surface.Metrics(op.font).height}};
        } else if (op.kind != Kind::Line && op.kind != Kind::Frame) {
            continue;
        }
        for (const Point& p : corners) {
            const double x = (p.x - origin.x) * scale, y = -(p.y - origin.y) * scale;
            if (x < -0.5 || x > widthMm * 10 + 0.5 || y < -0.5 || y > heightMm * 10 + 0.5)
                return "\"" + op.text + "\" (kind " + std::to_string(int(op.kind)) + ") at " +
                       std::to_string(x) + ", " + std::to_string(y);
        }
    }
    return {};
}

std::string DrawEverything(Season& season, FakeHost& host, int highlight)
{
    std::string out;
    RecordingSurface surface;
    const auto take = [&](const std::string& title) {
        out += "== " + title + "\n" + Transcript(surface);
        surface.Clear();
    };
    for (const PrintableArea& area : {Area(277, 190), Area(120, 150)}) {
        TeamPrintOptions options;
        options.grid.highlightLosses = highlight;
        TeamPrintLayout layout;
        const int pages =
            PrintTeamResultsPage(surface, season, host, area, options, 1, true, layout);
        take("team results " + std::to_string(area.widthMm) + " mm, page 1 of " +
             std::to_string(pages));
        for (int page = 2; page <= pages; ++page) {
            PrintTeamResultsPage(surface, season, host, area, options, page, false, layout);
            take("page " + std::to_string(page));
        }
    }
    for (int f = 0; f < season.fixtureCount; f += 5) { // the sixth of a generated season is blank
        PrintMatchSheet(surface, host, season, season.FixtureAt(f), 200, 287, f % 2 == 0);
        take("match sheet " + std::to_string(f));
    }
    for (int p = 0; p < season.playerCount; p += 4) {
        PrintPlayerSummary(surface, host, season, p, 200, 287);
        take("player summary " + std::to_string(p));
    }
    PaintResultsWindow(surface, season, host, {1100, 700, 17, 17}, {3, highlight});
    take("results window");
    return out;
}

} // namespace

class TestDrawings : public QObject {
    Q_OBJECT

private slots:
    void examples()
    {
        for (const std::string name : {"stockport-singles", "tameside-pairs"}) {
            std::ifstream in(TESSEL_EXAMPLES "/" + name + ".bwl", std::ios::binary);
            const Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            FakeHost host;
            SeasonPtr season;
            QCOMPARE(SeasonFromBytes(bytes.data(), bytes.size(), host, season), ReadStatus::Ok);
            Recalculate(*season, host, false);
            TESSEL_COMPARE_GOLDEN("render/" + name + ".txt", DrawEverything(*season, host, 0));
            TESSEL_COMPARE_GOLDEN("render/" + name + ".html", SeasonWebPage(*season, host, {}));
        }
    }

    // Aggregate; fours without a target; best six; handicaps shown; two groups of pairs;
    // "Custom"; a merit figure, with every loss highlighted.
    void generated()
    {
        for (int scheme : {0, 5, 9, 54, 87, 64, 17}) {
            FakeHost host;
            SeasonPtr season = GenerateSeason(scheme, 7, host);
            Recalculate(*season, host, false);
            TESSEL_COMPARE_GOLDEN("render/generated-" + std::to_string(scheme) + ".txt",
                                  DrawEverything(*season, host, scheme == 17 ? 63 : 0));
            if (scheme == 17) // the web page of a season with every loss highlighted
                TESSEL_COMPARE_GOLDEN("render/generated-17.html",
                                      SeasonWebPage(*season, host, {3, 63}));
        }
    }

    void everyPrintoutOnThePage_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<int>("widthMm");
        QTest::addColumn<int>("heightMm");
        for (int scheme : {0, 5, 7, 87})
            for (auto [w, h] : {std::pair{200, 287}, {277, 190}, {120, 150}, {90, 60}})
                QTest::addRow("scheme %d, %d x %d mm", scheme, w, h) << scheme << w << h;
    }
    void everyPrintoutOnThePage()
    {
        QFETCH(int, scheme);
        QFETCH(int, widthMm);
        QFETCH(int, heightMm);
        FakeHost host;
        SeasonPtr season = GenerateSeason(scheme, 3, host);
        Recalculate(*season, host, false);
        RecordingSurface surface;
        const auto check = [&](bool printed) {
            const auto scales = surface.All(RecordingSurface::Kind::SetScale);
            QVERIFY(printed && !scales.empty() && scales[0].sx == scales[0].sy &&
                    scales[0].sx <= 1.0);
            QCOMPARE(FirstOffPage(surface, widthMm, heightMm), std::string());
            surface.Clear();
        };
        for (int fixture : {0, 5}) // played, and blank
            check(PrintMatchSheet(surface, host, *season, season->FixtureAt(fixture), widthMm,
                                  heightMm, true));
        check(PrintPlayerSummary(surface, host, *season, 0, widthMm, heightMm));
        TeamPrintLayout layout;
        const int pages = PrintTeamResultsPage(surface, *season, host, Area(widthMm, heightMm), {},
                                               1, true, layout);
        QVERIFY(pages >= 1);
        for (int page = 1; page <= pages; ++page) {
            if (page > 1)
                PrintTeamResultsPage(surface, *season, host, Area(widthMm, heightMm), {}, page,
                                     false, layout);
            QVERIFY(!surface.All(RecordingSurface::Kind::Text).empty());
            QCOMPARE(FirstOffPage(surface, widthMm, heightMm), std::string());
            surface.Clear();
        }
        QVERIFY(host.messages.empty());
    }

    void nothingToPrint()
    {
        FakeHost host;
        SeasonPtr season = GenerateSeason(0, 3, host);
        RecordingSurface surface;
        QVERIFY(!PrintMatchSheet(surface, host, *season, nullptr, 200, 287, false));
        for (int player : {season->playerCount, -1})
            QVERIFY(!PrintPlayerSummary(surface, host, *season, player, 200, 287));
        QCOMPARE(host.Texts(), (std::vector<std::string>{"Cannot find match to print",
                                                         "Cannot find player to print",
                                                         "Cannot find player to print"}));
        // No printable area: nothing drawn, nothing said.
        QVERIFY(!PrintMatchSheet(surface, host, *season, season->FixtureAt(0), 0, 287, false));
        QVERIFY(!PrintPlayerSummary(surface, host, *season, 0, 200, 0));
        QCOMPARE(int(host.messages.size()), 3);
        for (const auto& op : surface.ops)
            QVERIFY(op.kind != RecordingSurface::Kind::Text &&
                    op.kind != RecordingSurface::Kind::Line &&
                    op.kind != RecordingSurface::Kind::Frame);
    }

    // A match sheet takes the handicap of its venue (neutral takes home's); an unplayed match
    // asks first whether to print a blank sheet, Yes by default.
    void storedMatchSheet()
    {
        struct Case {
            Venue venue;
            std::uint32_t result;
            int answer; // -1: the default button
            int handicap;
            bool asked, printed;
        };
        const Case cases[] = {{Home, 1, -1, 4, false, true},
                              {Away, 3, -1, 7, false, true},
                              {Neutral, 2, -1, 4, false, true},
                              {Away, 0, -1, 7, true, true},
                              {Home, 0, int(Answer::No), 4, true, false}};
        for (const Case& c : cases) {
            FakeHost host;
            SeasonPtr season = BuildSeason(SeasonShape{}, host);
            season->homeHandicap = 4;
            season->awayHandicap = 7;
            Fixture& fixture = *season->fixtures[0];
            fixture.venue = c.venue;
            fixture.result = c.result;
            fixture.handicap = -99;
            if (c.answer >= 0)
                host.answers.push_back(Answer(c.answer));
            QCOMPARE(PrepareStoredMatchSheet(*season, host, fixture), c.printed);
            QCOMPARE(int(fixture.handicap), c.handicap);
            QCOMPARE(host.Texts(),
                     c.asked
                         ? std::vector<std::string>{"This match has not yet been played.\n"
                                                    "Do you want to print a blank result sheet?"}
                         : std::vector<std::string>{});
        }
    }

    // The fixture editor prints its working copy: the sheet shows that fixture as it stands,
    // not the season's. Without one the index names the season's fixture; none there is told.
    void matchSheetOfAGivenFixture()
    {
        FakeHost host;
        SeasonPtr season = BuildSeason(SeasonShape{}, host);
        Fixture copy = *season->fixtures[0];
        copy.opponent = "Working Copy";
        RecordingSurface surface;
        int newPages = 0;
        const auto nextPage = [&] { return ++newPages, true; };
        QVERIFY(DrawPrintout(surface, *season, host, kA4Portrait, PrintoutOptions{},
                             Printout{PrintoutKind::MatchSheet, -1, &copy}, {}, true, nextPage));
        QVERIFY(surface.FindText("Working Copy"));
        QCOMPARE(newPages, 0);
        QVERIFY(host.messages.empty());
        QVERIFY(!DrawPrintout(surface, *season, host, kA4Portrait, PrintoutOptions{},
                              Printout{PrintoutKind::MatchSheet, -1, nullptr}, {}, true, nextPage));
        QCOMPARE(host.messages.size(), std::size_t(1));
    }

    // Every team results page after the first starts a new page; a refused one ends the
    // printout there.
    void teamResultsPages()
    {
        for (int refuseAt : {0, 2}) { // 0: never
            FakeHost host;
            SeasonPtr season = BuildSeason({0, 6, 100, 60}, host);
            RecordingSurface surface;
            const int total = LayOutTeamResults(surface, *season, kA4Portrait, 70).totalPages;
            QVERIFY(total > 2);
            int newPages = 0;
            QVERIFY(DrawPrintout(surface, *season, host, kA4Portrait, PrintoutOptions{},
                                 Printout{PrintoutKind::TeamResults, 0, nullptr}, {}, true,
                                 [&] { return ++newPages != refuseAt; }));
            QCOMPARE(newPages, refuseAt ? refuseAt : total - 1);
        }
    }
};

TESSEL_TEST(TestDrawings)
#include "tst_Drawings.moc"
