#include "support/TestRegistry.h"
// Every drawing of a season, recorded call by call and compared with golden files: the team
// results pages (on a page that holds the grid and on one that cuts it), the match sheets, a
// player's summary and the results window, for the example seasons and for generated seasons
// of the schemes that draw differently.
#include <QtTest>

#include <fstream>
#include <iterator>

#include "files/BinaryFormat.h"
#include "model/Recalculate.h"
#include "render/MatchSheet.h"
#include "render/PlayerSummaryPrint.h"
#include "render/ResultsScreen.h"
#include "render/TeamResultsPage.h"
#include "support/FakeHost.h"
#include "support/GeneratedSeason.h"
#include "support/Golden.h"
#include "support/RecordingSurface.h"

namespace {

PrintableArea Area(int widthMm, int heightMm)
{
    PrintableArea area;
    area.widthMm = widthMm;
    area.heightMm = heightMm;
    area.dpi = 600;
    area.widthPixels = int(widthMm * 600 / 25.4);
    area.heightPixels = int(heightMm * 600 / 25.4);
    return area;
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
        const int pages = PrintTeamResultsPage(surface, season, host, area, options, 1, true, layout);
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
    void examples_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("singles") << "stockport-singles";
        QTest::newRow("pairs") << "tameside-pairs";
    }
    void examples()
    {
        QFETCH(QString, name);
        std::ifstream in(TESSEL_EXAMPLES "/" + name.toStdString() + ".bwl", std::ios::binary);
        const Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        FakeHost host;
        SeasonPtr season;
        QCOMPARE(SeasonFromBytes(bytes.data(), bytes.size(), host, season), ReadStatus::Ok);
        Recalculate(*season, host, false);
        TESSEL_COMPARE_GOLDEN("render/" + name.toStdString() + ".txt",
                              DrawEverything(*season, host, 0));
    }

    void generated_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<int>("highlight");
        // aggregate; fours without a target; best six; handicaps shown; two groups of
        // pairs; "Custom"; a merit figure, with every loss highlighted
        for (int scheme : {0, 5, 9, 54, 87, 64, 17})
            QTest::newRow(std::to_string(scheme).c_str()) << scheme << (scheme == 17 ? 63 : 0);
    }
    void generated()
    {
        QFETCH(int, scheme);
        QFETCH(int, highlight);
        FakeHost host;
        SeasonPtr season = GenerateSeason(scheme, 7, host);
        Recalculate(*season, host, false);
        TESSEL_COMPARE_GOLDEN("render/generated-" + std::to_string(scheme) + ".txt",
                              DrawEverything(*season, host, highlight));
    }
};

TESSEL_TEST(TestDrawings)
#include "tst_Drawings.moc"
