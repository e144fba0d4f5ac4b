#include "support/TestRegistry.h"
// What every printout promises whatever the season and the paper: it stays on the printable
// area at one scale for both axes, and a request for something that is not there prints
// nothing and says so.
#include <QtTest>

#include "model/Recalculate.h"
#include "render/MatchSheet.h"
#include "render/PlayerSummaryPrint.h"
#include "render/TeamResultsPage.h"
#include "support/FakeHost.h"
#include "support/GeneratedSeason.h"
#include "support/PrintedPage.h"
#include "support/RecordingSurface.h"

namespace {

std::string Checked(const RecordingSurface& surface, int widthMm, int heightMm)
{
    const auto scales = surface.All(RecordingSurface::Kind::SetScale);
    if (scales.empty() || scales[0].sx != scales[0].sy || scales[0].sx > 1.0)
        return "no single scale of at most 1";
    return FirstOffPage(surface, widthMm, heightMm);
}

} // namespace

class TestPageFit : public QObject {
    Q_OBJECT

private slots:
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
        for (const Fixture* fixture : {season->FixtureAt(0), season->FixtureAt(5)}) {
            QVERIFY(PrintMatchSheet(surface, host, *season, fixture, widthMm, heightMm, true));
            QCOMPARE(Checked(surface, widthMm, heightMm), std::string());
            surface.Clear();
        }
        QVERIFY(PrintPlayerSummary(surface, host, *season, 0, widthMm, heightMm));
        QCOMPARE(Checked(surface, widthMm, heightMm), std::string());
        surface.Clear();

        PrintableArea area;
        area.widthMm = widthMm;
        area.heightMm = heightMm;
        area.dpi = 600;
        area.widthPixels = int(widthMm * 600 / 25.4);
        area.heightPixels = int(heightMm * 600 / 25.4);
        TeamPrintLayout layout;
        const int pages = PrintTeamResultsPage(surface, *season, host, area, {}, 1, true, layout);
        QVERIFY(pages >= 1);
        for (int page = 1; page <= pages; ++page) {
            if (page > 1)
                PrintTeamResultsPage(surface, *season, host, area, {}, page, false, layout);
            QCOMPARE(FirstOffPage(surface, widthMm, heightMm), std::string());
            QVERIFY(!surface.Texts().empty());
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
        QVERIFY(surface.Texts().empty() && surface.Lines().empty() && surface.Frames().empty());
    }
};

TESSEL_TEST(TestPageFit)
#include "tst_PageFit.moc"
