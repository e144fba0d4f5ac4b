#include "support/TestRegistry.h"
#include <QtTest>

#include "render/Printout.h"
#include "support/FakeHost.h"
#include "support/RecordingSurface.h"
#include "support/SeasonBuilder.h"

namespace {

const std::string kBlankSheetQuestion =
    "This match has not yet been played.\nDo you want to print a blank result sheet?";

PrintableArea A4Portrait()
{
    PrintableArea area;
    area.widthMm = 194;
    area.heightMm = 281;
    area.dpi = 600;
    area.widthPixels = 4583;
    area.heightPixels = 6638;
    return area;
}

} // namespace

class TestPrintout : public QObject {
    Q_OBJECT

private slots:
    void storedMatchSheet_data()
    {
        QTest::addColumn<int>("venue");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("answer"); // -1: the default button
        QTest::addColumn<int>("handicap");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("printed");
        QTest::newRow("home, played") << int(Home) << 1 << -1 << 4 << false << true;
        QTest::newRow("away, lost") << int(Away) << 3 << -1 << 7 << false << true;
        QTest::newRow("neutral takes home's") << int(Neutral) << 2 << -1 << 4 << false << true;
        QTest::newRow("unplayed, default Yes") << int(Away) << 0 << -1 << 7 << true << true;
        QTest::newRow("unplayed, No") << int(Home) << 0 << int(Answer::No) << 4 << true << false;
    }
    void storedMatchSheet()
    {
        QFETCH(int, venue);
        QFETCH(int, result);
        QFETCH(int, answer);
        FakeHost host;
        SeasonPtr season = BuildSeason(SeasonShape{}, host);
        season->homeHandicap = 4;
        season->awayHandicap = 7;
        Fixture& fixture = *season->fixtures[0];
        fixture.venue = Venue(venue);
        fixture.result = std::uint32_t(result);
        fixture.handicap = -99;
        if (answer >= 0)
            host.answers.push_back(Answer(answer));
        QTEST(PrepareStoredMatchSheet(*season, host, fixture), "printed");
        QTEST(int(fixture.handicap), "handicap");
        QFETCH(bool, asked);
        QCOMPARE(host.Texts(), asked ? std::vector<std::string>{kBlankSheetQuestion} : std::vector<std::string>{});
    }

    void portraitQuestion_data()
    {
        QTest::addColumn<bool>("answeredYes");
        QTest::addColumn<int>("answer"); // -1: the default button
        QTest::addColumn<bool>("goOn");
        QTest::newRow("default is No") << false << -1 << false;
        QTest::newRow("Yes") << false << int(Answer::Yes) << true;
        QTest::newRow("already answered") << true << int(Answer::No) << true;
    }
    void portraitQuestion()
    {
        QFETCH(bool, answeredYes);
        QFETCH(int, answer);
        FakeHost host;
        if (answer >= 0)
            host.answers.push_back(Answer(answer));
        QTEST(ContinueTeamResultsInPortrait(host, answeredYes), "goOn");
        QCOMPARE(host.messages.size(), std::size_t(1));
        QCOMPARE(host.messages[0].title, std::string("Print"));
    }

    // The fixture editor prints its working copy: the sheet shows that
    // fixture as it stands, not the season's.
    void matchSheetOfAGivenFixture()
    {
        FakeHost host;
        SeasonPtr season = BuildSeason(SeasonShape{}, host);
        Fixture copy = *season->fixtures[0];
        copy.opponent = "Working Copy";
        RecordingSurface surface;
        int newPages = 0;
        const auto nextPage = [&] { return ++newPages, true; };
        QVERIFY(DrawPrintout(surface, *season, host, A4Portrait(), PrintoutOptions{},
                             Printout{PrintoutKind::MatchSheet, -1, &copy}, {}, true, nextPage));
        QVERIFY(surface.FindText("Working Copy"));
        QCOMPARE(newPages, 0);
        QVERIFY(host.messages.empty());
        // Without one the index names the season's fixture; none there is told.
        QVERIFY(!DrawPrintout(surface, *season, host, A4Portrait(), PrintoutOptions{},
                              Printout{PrintoutKind::MatchSheet, -1, nullptr}, {}, true, nextPage));
        QCOMPARE(host.messages.size(), std::size_t(1));
    }

    // Every team results page after the first starts a new page; a refused
    // one ends the printout there.
    void teamResultsPages_data()
    {
        QTest::addColumn<int>("refuseAt"); // 0: never
        QTest::newRow("all pages") << 0;
        QTest::newRow("second new page refused") << 2;
    }
    void teamResultsPages()
    {
        QFETCH(int, refuseAt);
        FakeHost host;
        SeasonShape shape;
        shape.teamSize = 6;
        shape.fixtureCount = 100;
        shape.playerCount = 60;
        SeasonPtr season = BuildSeason(shape, host);
        RecordingSurface surface;
        const int total = LayOutTeamResults(surface, *season, A4Portrait(), 70).totalPages;
        QVERIFY(total > 2);
        int newPages = 0;
        QVERIFY(DrawPrintout(surface, *season, host, A4Portrait(), PrintoutOptions{},
                             Printout{PrintoutKind::TeamResults, 0, nullptr}, {}, true,
                             [&] { return ++newPages != refuseAt; }));
        QCOMPARE(newPages, refuseAt ? refuseAt : total - 1);
    }
};

TESSEL_TEST(TestPrintout)
#include "tst_Printout.moc"
